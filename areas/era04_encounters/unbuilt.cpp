// Routines of the Era04 encounters that are not built yet. Each does the least
// its callers need; a routine leaves this file when it is built.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "core/player.h"
#include "shell/shell_state.h"

// Not built yet: the encounters stay idle and never finish, so the stage
// driver goes on past them.
void UpdateEncounterCGlow(std::int32_t) {}
void UpdateEncounterCLamps(std::int32_t) {}
void CycleEncounterCPlatformCodes() {}

// Not built yet: the last two fights end at once and give the heroine back to
// the player.
std::int32_t RunEncounterCPhase3(std::int32_t arg) {
    if (arg == 0) return 1;
    MessageBoxOpen = 0;
    return kEncounterCDone;
}
std::int32_t RunEncounterCPhase4(std::int32_t arg) {
    if (arg == 0) return 1;
    MessageBoxOpen = 0;
    return kEncounterCDone;
}
