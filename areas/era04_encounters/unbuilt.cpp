// Routines of the Era04 encounters that are not built yet. Each does the least
// its callers need; a routine leaves this file when it is built.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/records.h"

// Not built yet: the encounters stay idle and never finish, so the stage
// driver goes on past them.
std::int32_t RunEncounterB(std::int32_t) { return 0; }
std::int32_t RunEncounterC(std::int32_t) { return 0; }
void LayoutEncounterCProps() {}
void UpdateEncounterCGlow(std::int32_t) {}
void UpdateEncounterCLamps(std::int32_t) {}
