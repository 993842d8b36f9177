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

// The fighter: pose, cell, the column placed at his x, and the offset of the
// cell's top from his feet.
struct Era03FighterCell {
    std::int32_t pose;
    Era03SheetRect src;
    std::int32_t pivotX, yOffset;
};
inline constexpr Era03FighterCell kEra03FighterCells[] = {
    {1, {0, 0, 79, 157}, 62, -157},       {2, {80, 0, 180, 157}, 82, -157},
    {3, {181, 0, 272, 157}, 73, -157},    {4, {274, 0, 343, 157}, 53, -157},
    {5, {344, 0, 395, 157}, 35, -157},    {6, {397, 0, 449, 157}, 35, -157},
    {7, {0, 158, 122, 315}, 142, -157},   {8, {123, 158, 170, 315}, 50, -157},
    {9, {171, 158, 256, 315}, 67, -157},  {10, {257, 158, 327, 315}, 53, -157},
    {11, {328, 158, 391, 315}, 49, -157}, {12, {392, 158, 470, 315}, 62, -157},
    {13, {471, 158, 557, 315}, 72, -157}, {14, {0, 316, 70, 472}, 50, -157},
    {15, {72, 316, 193, 472}, 75, -157},  {16, {195, 316, 263, 472}, 49, -157},
    {17, {265, 316, 340, 472}, 51, -157}, {18, {341, 316, 414, 472}, 51, -157},
    {19, {416, 316, 488, 472}, 42, -157}, {20, {489, 316, 557, 472}, 42, -157},
    {21, {14, 474, 74, 631}, 24, -157},   {22, {75, 474, 177, 631}, 57, -157},
    {23, {181, 474, 235, 631}, 18, -157}, {24, {237, 474, 294, 631}, 25, -157},
    {25, {295, 474, 383, 631}, 52, -157}, {26, {384, 474, 434, 631}, 21, -157},
    {51, {564, 0, 680, 125}, 30, -125},   {52, {564, 127, 720, 202}, 30, -75},
    {53, {564, 217, 720, 273}, 30, -56},  {54, {564, 280, 720, 355}, 30, -75},
    {55, {564, 356, 720, 480}, 30, -124}, {56, {438, 474, 543, 631}, 66, -157},
    {57, {544, 490, 739, 631}, 157, -141},
};

// The debris fragments on the fighter's sheet, and the column of each placed
// at its x.
struct Era03DebrisCell {
    Era03SheetRect src;
    std::int32_t centreX;
};
inline constexpr Era03DebrisCell kEra03DebrisCells[5] = {
    {{0, 590, 4, 595}, 2}, {{0, 597, 7, 602}, 3}, {{0, 604, 8, 610}, 4}, {{0, 612, 8, 620}, 4}, {{0, 622, 10, 630}, 5},
};

inline constexpr const Era03FighterCell* FindEra03FighterCell(std::int32_t pose) {
    for (const Era03FighterCell& c : kEra03FighterCells)
        if (c.pose == pose) return &c;
    return nullptr;
}

// The creature's sheet: the four 8-frame cycles of open parts (codes 1..32),
// the closed parts (61..68), the four shots (111..141), and the stem under
// every open part and the trap.
struct Era03CreatureCell {
    std::int32_t code;
    Era03SheetRect src;
    std::int32_t pivotX, pivotY;
};
inline constexpr Era03CreatureCell Era03CreatureCellOf(std::int32_t code) {
    if (code >= 1 && code <= 32) {
        const std::int32_t k = (code - 1) % 8, top = 116 + 16 * ((code - 1) / 8);
        return {code, {66 + 24 * k, top, 89 + 24 * k, top + 15}, 11, 37};
    }
    if (code >= 61 && code <= 68) {
        const std::int32_t k = code - 61;
        return {code, {66 + 24 * k, 180, 88 + 24 * k, 213}, 10, 33};
    }
    if (code == 111 || code == 121 || code == 131 || code == 141) {
        const std::int32_t top = 141 + 9 * ((code - 111) / 10);
        return {code, {258, top, 265, top + 7}, 4, 4};
    }
    return {0, {0, 0, 0, 0}, 0, 0};   // no cell
}
inline constexpr Era03CreatureCell kEra03CreatureStem{0, {258, 117, 266, 139}, 4, 22};

// The loose poles, stakes, pegs and posts cut from the creature's sheet
// around the placed objects: cell and the point placed on the row's place.
struct Era03FieldPiece {
    Era03SheetRect src;
    float cx, cy;
};
inline constexpr Era03FieldPiece kEra03Pole{{259, 297, 393, 309}, 134, 2};
inline constexpr Era03FieldPiece kEra03ShortPole{{259, 284, 393, 295}, 134, 2};
inline constexpr Era03FieldPiece kEra03Peg{{302, 117, 330, 195}, 4, 78};
inline constexpr Era03FieldPiece kEra03Posts[3] = {
    {{332, 136, 355, 210}, 20, 74}, {{357, 136, 382, 221}, 22, 85}, {{384, 136, 416, 241}, 22, 85}};
// A stake is cut at one of three lengths: short, middle, long.
inline constexpr Era03FieldPiece Era03Stake(std::int32_t bottom) { return {{268, 117, 300, bottom}, 4, 103}; }
inline constexpr Era03FieldPiece kEra03Stakes[3] = {Era03Stake(165), Era03Stake(187), Era03Stake(220)};
// The placed objects' looks 1, 2 and 3.
inline constexpr Era03FieldPiece kEra03PlacedObjectLooks[3] = {
    {{302, 197, 318, 208}, 8, 2}, {{302, 210, 318, 221}, 8, 2}, {{302, 224, 318, 240}, 8, 8}};
