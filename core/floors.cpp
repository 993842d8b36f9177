// Floor heights of the world: 640 and no lower floor, unless an active
// area's own pieces say otherwise. Windows are half-open [a, b); rules apply
// in order and a later rule that holds wins.
#include "core/floors.h"

#include "core/area_flags.h"

namespace {

const std::int32_t* const kAreaFlags[kFloorAreaCount] = {
    &Era00AreaFlag, &Era01AreaFlag, &Era02AreaFlag, &Era03AreaFlag, &Era04AreaFlag,
};

}  // namespace

bool RegisterAreaFloors(int area, AreaFloorPieces pieces) {
    AreaFloors[area] = pieces;
    return true;
}

std::int32_t TopFloorHeightAt(std::int32_t x) {
    std::int32_t h = 640;
    for (int area = 0; area < kFloorAreaCount; ++area)
        if (*kAreaFlags[area] == 1 && AreaFloors[area].top != nullptr) h = AreaFloors[area].top(x, h);
    return h;
}

std::int32_t UnderFloorHeightAt(std::int32_t x) {
    std::int32_t h = 0;
    for (int area = 0; area < kFloorAreaCount; ++area)
        if (*kAreaFlags[area] == 1 && AreaFloors[area].under != nullptr) h = AreaFloors[area].under(x, h);
    return h;
}

std::int32_t FloorHeightAt(std::int32_t x, std::int32_t y) {
    const std::int32_t under = UnderFloorHeightAt(x);
    const std::int32_t top = TopFloorHeightAt(x);
    if (under == 0) return top;
    if (y <= top) return top;
    // Feet up to 30 px below the top surface are still lifted onto it.
    if (top < y - 30) return under;
    return top;
}
