// The loose parts of encounter C's last-phase servants: their cells on the
// figure's second sheet, and where each body pose holds them.
#pragma once

#include <cstdint>

namespace encounter_c_parts {

inline constexpr int kSheetResource = 208;

// Part codes 1..4 (entry 0 unused): the cell (its bottom is cut by the
// slot's trim) and the point the part turns about.
struct PartCell {
    std::int32_t left, top, right, bottom;
    float centreX, centreY;
};
inline constexpr PartCell kCells[5] = {
    {0, 0, 0, 0, 0, 0},
    {515, 612, 583, 670, 6, 39},
    {514, 672, 585, 727, 6, 39},
    {587, 613, 629, 684, 37, 62},
    {635, 617, 650, 697, 7, 65},
};

// One part as a body pose holds it: code, trim, facing, offset from the
// body's feet, rotation and depth offset.
struct PartPlace {
    std::int32_t code, trim, facing, dx, dy, rotation;
    float depth;
};
// A body code's two parts for one facing (0: either facing).
struct PlacementRow {
    std::int32_t bodyCode, facing;
    PartPlace first, second;
};
extern const PlacementRow kPlacements[];
extern const int kPlacementCount;
// The row for a body code and facing, or null when the code holds no parts.
const PlacementRow* FindPlacement(std::int32_t bodyCode, std::int32_t facing);

}  // namespace encounter_c_parts
