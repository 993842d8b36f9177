// Routines of the Era04 stage that are not built yet. Each does the least its
// callers need; a routine leaves this file when it is built.
#include "areas/era04_stage/calls.h"

// The soldier fights stay idle and never finish; the driver goes on past
// them. Their soldiers draw nothing yet.
std::int32_t RunSoldierFight1(std::int32_t) { return 0; }
std::int32_t RunSoldierFight2(std::int32_t) { return 0; }
void SetSoldierSprite(std::int32_t) {}
