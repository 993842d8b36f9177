// Stand-ins for the home area's and the field's routines until the areas are
// built: each does the least the stage step needs of it. The areas' own
// definitions replace these at link time.
#include "areas/era00_era01/world_hooks.h"
#include "shell/shell_state.h"

#define QM_WEAK __attribute__((weak))

// The opening scenes end by giving the heroine back the menu key (the boot
// takes it). Without them nothing is left to hold her, so arming the story
// gives it back at once; otherwise a new game could never open the menu.
QM_WEAK std::int32_t RunEra00Story(std::int32_t arg) {
    if (arg == 0) MenuKeyBlocked = 0;
    return 0;
}
QM_WEAK void RunEra00TalkEvents(std::int32_t) {}
QM_WEAK void RunMovePracticeEvent() {}
// Finishes at once, so the heroine is never pinned by a missing event.
QM_WEAK std::int32_t RunEra01ExamineEvent(std::int32_t arg) { return arg == 0 ? 0 : 99; }
QM_WEAK void UpdateHoppingObject(std::int32_t) {}
QM_WEAK void UpdateLift() {}
QM_WEAK void UpdateGatekeeper(std::int32_t) {}
QM_WEAK void UpdateCollectGame() {}
QM_WEAK void UpdateCollectGameRound() {}
QM_WEAK void UpdateFieldEnemyA(std::int32_t) {}
QM_WEAK void UpdateFlyingEnemy1(std::int32_t) {}
QM_WEAK void UpdateFlyingEnemy2() {}
QM_WEAK void UpdateFlyingEnemy3() {}
QM_WEAK void UpdateWalkingEnemy1() {}
QM_WEAK void UpdateWalkingEnemy2() {}
QM_WEAK void UpdateWalkingEnemy3() {}
QM_WEAK void UpdatePatrolCreature(std::int32_t) {}
QM_WEAK void UpdatePitTraps() {}
QM_WEAK void UpdateEra01Terrain() {}
QM_WEAK void UpdateEra01Npc(std::int32_t) {}
QM_WEAK void UpdateEra01ColourPulseA(std::int32_t) {}
QM_WEAK void UpdateEra01SceneryLoopA(std::int32_t) {}
QM_WEAK void UpdateEra01SceneryLoopB(std::int32_t) {}
QM_WEAK void UpdateEra01ColourPulseE(std::int32_t) {}
QM_WEAK void UpdateEra01ColourPulseF(std::int32_t) {}
QM_WEAK void RunArenaWaves(std::int32_t) {}
QM_WEAK void UpdateEra01Gate() {}
QM_WEAK void UpdateAnchorObstacle() {}
QM_WEAK void UpdateMonsterGroup1() {}
QM_WEAK void UpdateMonsterGroup2() {}
QM_WEAK void UpdateFieldSpawner() {}
QM_WEAK void UpdateEncounterIntro() {}
QM_WEAK void UpdateEncounterFight() {}
QM_WEAK void UpdatePitHazard() {}
QM_WEAK void UpdateDropItemPickup() {}
