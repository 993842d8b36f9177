// Routines of the Era04 stage that are not built yet. Each does the least its
// callers need; a routine leaves this file when it is built.
#include "areas/era04_stage/calls.h"

// Soldier fight 2 stays idle and never finishes; the driver goes on past it.
std::int32_t RunSoldierFight2(std::int32_t) { return 0; }
