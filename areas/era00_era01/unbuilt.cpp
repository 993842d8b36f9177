// Routines of the home area and the field that are not built yet. Each does
// the least its callers need; a routine leaves this file when it is built.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"

// Finishes at once, so the heroine is never pinned by a missing event.
std::int32_t RunEra01ExamineEvent(std::int32_t arg) { return arg == 0 ? 0 : 99; }
void UpdateHoppingObject(std::int32_t) {}
void UpdateLift() {}
void UpdateGatekeeper(std::int32_t) {}
void UpdateCollectGame() {}
void UpdateCollectGameRound() {}
void UpdateFieldEnemyA(std::int32_t) {}
void UpdateFlyingEnemy1(std::int32_t) {}
void UpdateFlyingEnemy2() {}
void UpdateFlyingEnemy3() {}
void UpdateWalkingEnemy1() {}
void UpdateWalkingEnemy2() {}
void UpdateWalkingEnemy3() {}
void UpdatePatrolCreature(std::int32_t) {}
void UpdateHangingPrizes() {}
void UpdateEra01Terrain() {}
void UpdateEra01Npc(std::int32_t) {}
void UpdateEra01ColourPulseA(std::int32_t) {}
void UpdateEra01SceneryLoopA(std::int32_t) {}
void UpdateEra01SceneryLoopB(std::int32_t) {}
void UpdateEra01ColourPulseE(std::int32_t) {}
void UpdateEra01ColourPulseF(std::int32_t) {}
void RunArenaWaves(std::int32_t) {}
void UpdateEra01Gate() {}
void UpdateAnchorObstacle() {}
void UpdateMonsterGroup1() {}
void UpdateMonsterGroup2() {}
void UpdateFieldSpawner() {}
void UpdateEncounterIntro() {}
void UpdateEncounterFight() {}
void UpdatePitHazard() {}
void UpdateDropItemPickup() {}

// Stand-ins for the field routines the data reset arms, until the field is
// built; the real definitions replace them at link time.


void RunFieldEnemyAReaction(std::int32_t) {}
void UpdateWalkingEnemyObject1(std::int32_t) {}
void UpdateWalkingEnemyObject2(std::int32_t) {}
void UpdateEra01ColourPulseB(std::int32_t) {}
void UpdateEra01ColourPulseC(std::int32_t) {}
void UpdateEra01ColourPulseD(std::int32_t) {}

// Draw passes: nothing to draw yet.
void DrawEra01FirstFieldSections() {}
void DrawEra01LiftSection() {}
void DrawEra01FarFieldAndArena() {}
void DrawEra01SetPiecesAndEra02Border() {}
void DrawEra01EnemiesAndEncounterActors() {}

