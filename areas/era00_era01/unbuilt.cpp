// Routines of the home area and the field that are not built yet. Each does
// the least its callers need; a routine leaves this file when it is built.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"

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
void UpdateFieldSpawner() {}
void UpdateDropItemPickup() {}

// Stand-ins for the field routines the data reset arms, until the field is
// built; the real definitions replace them at link time.


void UpdateEra01ColourPulseB(std::int32_t) {}
void UpdateEra01ColourPulseC(std::int32_t) {}
void UpdateEra01ColourPulseD(std::int32_t) {}

// Draw passes: nothing to draw yet.
void DrawEra01LiftSection() {}
void DrawEra01FarFieldAndArena() {}

