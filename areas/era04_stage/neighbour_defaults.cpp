// Stand-in for the Era04 event driver until the area is built.
#include "areas/era04_stage/world_hooks.h"

__attribute__((weak)) void UpdateEra04Events(std::int32_t) {}
