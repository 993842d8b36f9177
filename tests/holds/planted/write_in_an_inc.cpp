// Includes the writes of write_in_an_inc.inc where a statement may stand.
#include <cstdint>

#include "core/holds.h"

void PlantedInclude() {
#include "write_in_an_inc.inc"
}
