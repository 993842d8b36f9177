// Stand-ins for the tournament area's routines until the area is built.
#include "areas/era02/world_hooks.h"

#define QM_WEAK __attribute__((weak))

QM_WEAK void RunEra02ArrivalScene() {}
QM_WEAK void RunTournament() {}
QM_WEAK void RunEra02Events() {}
