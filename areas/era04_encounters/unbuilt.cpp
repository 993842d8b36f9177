// Routines of the Era04 encounters that are not built yet. Each does the least
// its callers need; a routine leaves this file when it is built.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "shell/shell_state.h"

// Not built yet: the encounters stay idle and never finish, so the stage
// driver goes on past them.
std::int32_t RunEncounterB(std::int32_t) { return 0; }
void LayoutEncounterCProps() {}

// Not built yet: the three fights end at once and give the heroine back to
// the player.
std::int32_t RunEncounterCPhase2(std::int32_t arg) {
    if (arg == 0) return 1;
    MessageBoxOpen = 0;
    return kEncounterCDone;
}

// Not built yet: the second phase's moves. The heroine is never thrown, no
// bolt flies, a knocked platform or a struck figure is over at once, and the
// figure has no picture: her box is a plain one over her feet so she and her
// servants can still be struck.
std::int32_t HandleEncounterCPlayerHit(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
    return kEncounterCDone;
}
std::int32_t UpdateEncounterCProjectiles(std::int32_t, std::int32_t, std::int32_t, std::int32_t, double) { return 1; }
std::int32_t RunPlatformKnock(std::int32_t, std::int32_t, std::int32_t) { return kEncounterCDone; }
std::int32_t RunFigureHitReaction(std::int32_t, std::int32_t, std::int32_t) { return kEncounterCDone; }
void SetEncounterCFigureSprite(std::int32_t, std::int32_t) {
    PendingSprite.GNo = 0;
    const std::int32_t x = StageObjectTable.x[kEncounterCSlot], y = StageObjectTable.y[kEncounterCSlot];
    FigureHitBox = FigureHitBoxRecord{x - 40, x + 40, y - 150, y};
}
