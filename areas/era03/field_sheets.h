// The cells of the field's sheets: the duel opponent's frames and the
// fighter's poses with his debris. The sprite setups read them, and so does
// the picture generator, which draws a figure into every cell.
#pragma once

#include <cstddef>
#include <cstdint>

// A cell of a sheet: left, top, right, bottom.
struct Era03SheetRect {
    std::int32_t left, top, right, bottom;
};

// The duel opponent: frame, cell, and the offset of the cell's top-left
// from his x and the y of his feet.
struct Era03SheetCell {
    std::int32_t frame;
    Era03SheetRect src;
    std::int32_t ox, oy;
};
inline constexpr Era03SheetCell kEra03DuelCells[] = {
    {1, {0, 0, 101, 189}, 0, -189},       {2, {106, 14, 158, 54}, 27, -175},
    {3, {164, 0, 307, 189}, -35, -189},   {4, {309, 0, 425, 189}, -16, -189},
    {5, {426, 0, 482, 189}, 51, -189},    {6, {482, 0, 589, 189}, 51, -189},
    {7, {0, 190, 136, 370}, -35, -180},   {8, {109, 61, 142, 107}, -3, -154},
    {9, {137, 190, 249, 370}, -12, -180}, {10, {255, 191, 418, 370}, -60, -180},
    {11, {431, 191, 558, 358}, 3, -167},  {12, {0, 390, 169, 569}, -69, -173},
    {13, {180, 390, 285, 569}, -48, -179}, {14, {286, 374, 424, 569}, -106, -192},
    {15, {462, 363, 547, 478}, 6, -115},  {16, {595, 0, 709, 189}, -16, -189},
    {17, {560, 424, 694, 569}, -16, -145}, {18, {560, 279, 694, 424}, -16, -145},
    {19, {274, 570, 381, 749}, -16, -179}, {20, {382, 570, 446, 749}, -16, -179},
    {21, {447, 570, 553, 749}, -16, -179}, {22, {554, 570, 615, 749}, -16, -179},
    {23, {0, 690, 243, 728}, -16, -38},   {31, {712, 0, 825, 185}, 5, -185},
    {32, {712, 188, 825, 369}, 5, -182},
};
// The bodies under the head frames 2 and 8.
inline constexpr Era03SheetRect kEra03DuelBodyCells[] = {
    {0, 54, 101, 189}, {65, 190, 136, 280}, {27, 280, 136, 370}};

inline constexpr const Era03SheetCell* FindEra03DuelCell(std::int32_t frame) {
    for (const Era03SheetCell& c : kEra03DuelCells)
        if (c.frame == frame) return &c;
    return nullptr;
}
