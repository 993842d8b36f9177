// Stand-ins for the Era03 routines until the area is built.
#include "areas/era03/world_hooks.h"

#define QM_WEAK __attribute__((weak))

QM_WEAK void RunEra03CreatureEncounter() {}
QM_WEAK void UpdateEra03PlacedObjects() {}
QM_WEAK void RunEra03Duel() {}
QM_WEAK void RunEra03FighterEncounter() {}
QM_WEAK void RunEra03ArenaEncounter() {}
QM_WEAK void RunEra03NpcScene(std::int32_t) {}
