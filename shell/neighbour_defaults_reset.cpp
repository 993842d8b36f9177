// Stand-ins for the menu routines the data reset arms, until the menu side
// is built; the real definitions replace them at link time.
#include "text/menu.h"

#define QM_WEAK __attribute__((weak))

QM_WEAK void UpdateMenuCursorFrame(std::int32_t, std::int32_t) {}
