// Stand-ins for the field routines the data reset arms, until the field is
// built; the real definitions replace them at link time.
#include "areas/era00_era01/reset_hooks.h"

#define QM_WEAK __attribute__((weak))

QM_WEAK void RunFieldEnemyAReaction(std::int32_t) {}
QM_WEAK void UpdateWalkingEnemyObject1(std::int32_t) {}
QM_WEAK void UpdateWalkingEnemyObject2(std::int32_t) {}
QM_WEAK void UpdateEra01ColourPulseB(std::int32_t) {}
QM_WEAK void UpdateEra01ColourPulseC(std::int32_t) {}
QM_WEAK void UpdateEra01ColourPulseD(std::int32_t) {}
