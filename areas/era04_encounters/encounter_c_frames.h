// Encounter C's frame tables on the figure's two sheets (69: the clerk, her
// shop and the heroine's poses; 70: the figure's true shape) and the props
// of its hall on sheet 68. The game's sprite table and the picture
// generator, which draws a figure in every rectangle named here, share them.
#pragma once

#include <cstdint>

namespace encounter_c_frames {

inline constexpr int kSheet69Resource = 207;
inline constexpr int kSheet70Resource = 208;
inline constexpr int kPropsResource = 206;

struct Rect {
    std::int32_t left, top, right, bottom;
};
// Hit-box offsets from the figure's feet. kFromCode: the pose's code set
// them; kKeepSides: only top and bottom are the cell's, the sides are given
// apart (left not below right).
struct HitBox {
    std::int32_t left, right, top, bottom;
};
inline constexpr std::int32_t kFromCode = 0x7FFF;

struct Cell {
    std::int32_t cell;
    std::int32_t sheet;
    Rect src;
    float cx, cy;
    HitBox hit;          // left == kFromCode: the code's offsets stand
    std::int32_t pinY;   // 0, or the y the cell pins the figure to
};
inline constexpr HitBox kCodeHit{kFromCode, 0, 0, 0};
inline constexpr Cell kCells[] = {
    {1, 69, {0, 0, 70, 122}, 34, 122, kCodeHit, 0},
    {2, 69, {73, 0, 144, 136}, 34, 136, kCodeHit, 623},
    {3, 69, {147, 0, 211, 144}, 35, 144, kCodeHit, 623},
    {4, 69, {214, 0, 277, 150}, 43, 150, kCodeHit, 623},
    {5, 69, {280, 0, 374, 144}, 56, 144, kCodeHit, 617},
    {6, 69, {280, 85, 374, 144}, 56, 59, kCodeHit, 617},
    {7, 69, {0, 297, 95, 442}, 55, 145, kCodeHit, 617},
    {8, 69, {98, 297, 195, 442}, 58, 145, kCodeHit, 617},
    {9, 69, {395, 251, 506, 404}, 55, 154, kCodeHit, 617},
    {10, 69, {198, 301, 304, 442}, 45, 141, kCodeHit, 617},
    {11, 70, {72, 0, 141, 146}, 37, 146, {-13, 17, -145, 0}, 0},
    {12, 70, {144, 0, 218, 146}, 35, 146, {-13, 17, -145, 0}, 0},
    {13, 70, {221, 0, 292, 152}, 43, 152, {-16, 17, -152, 0}, 0},
    {14, 70, {295, 0, 363, 152}, 33, 152, {-13, 12, -151, 0}, 0},
    {15, 70, {366, 0, 494, 148}, 60, 148, {27, 52, -148, 0}, 0},
    {16, 70, {497, 0, 610, 145}, 62, 145, {-43, -20, -145, 0}, 0},
    {17, 70, {613, 0, 734, 134}, 53, 148, {27, 52, -148, 0}, 0},
    {18, 70, {737, 0, 856, 135}, 62, 145, {-43, -20, -145, 0}, 0},
    {19, 70, {0, 159, 114, 307}, 46, 148, {27, 52, -148, 0}, 0},
    {20, 70, {117, 160, 229, 303}, 62, 145, {-43, -20, -145, 0}, 0},
    {21, 70, {232, 155, 333, 303}, 72, 148, {-64, -32, -148, 0}, 0},
    {22, 70, {337, 151, 450, 299}, 34, 148, {44, 69, -148, 0}, 0},
    {23, 70, {453, 151, 548, 300}, 81, 149, {-74, -50, -134, 50}, 0},
    {24, 70, {551, 148, 658, 294}, 26, 146, {52, 72, -134, 50}, 0},
    {25, 70, {183, 462, 322, 616}, 100, 154, {-16, 10, -147, 0}, 0},
    {26, 70, {325, 463, 442, 620}, 42, 157, {-16, 14, -148, 0}, 0},
    {27, 70, {445, 455, 581, 609}, 97, 154, {-16, 10, -147, 0}, 0},
    {28, 70, {584, 452, 697, 609}, 42, 157, {-16, 14, -148, 0}, 0},
    {29, 70, {0, 310, 68, 458}, 29, 148, {-3, 19, -148, 0}, 0},
    {30, 70, {70, 310, 118, 458}, 17, 148, {-11, 14, -148, 0}, 0},
    {31, 70, {121, 310, 191, 458}, 30, 148, {-3, 17, -148, 0}, 0},
    {32, 70, {194, 312, 248, 459}, 21, 145, {-11, 14, -148, 0}, 0},
    {33, 70, {251, 311, 319, 459}, 30, 148, {0, 23, -146, 0}, 0},
    {34, 70, {319, 312, 382, 459}, 25, 147, {-15, 9, -146, 0}, 0},
    {35, 70, {385, 305, 475, 452}, 30, 147, {0, 23, -146, 0}, 0},
    {36, 70, {478, 305, 569, 452}, 50, 147, {-19, 4, -146, 0}, 0},
    {37, 70, {572, 299, 647, 449}, 33, 150, {-18, 17, -145, 0}, 0},
    {38, 70, {650, 296, 716, 449}, 24, 153, {-18, 17, -145, 0}, 0},
    {39, 70, {719, 284, 805, 431}, 51, 147, {-43, 2, -148, 0}, 0},
    // Its sides are given the wrong way round (18, -23).
    {40, 70, {808, 284, 868, 431}, 24, 147, {18, -23, -148, 0}, 0},
    {41, 70, {719, 435, 791, 578}, 43, 143, {-41, -4, -143, 0}, 0},
    {42, 70, {794, 434, 874, 577}, 55, 143, {-23, 21, -143, 0}, 0},
    {43, 70, {727, 581, 804, 705}, 54, 124, {-26, 19, -124, 0}, 0},
    {44, 70, {807, 580, 879, 701}, 30, 121, {-28, 18, -121, 0}, 0},
};

// Poses drawn straight from their own cell, whatever the facing.
struct Pose {
    std::int32_t code;
    std::int32_t sheet;
    Rect src;
    float cx, cy;
    HitBox hit;
};
inline constexpr Pose kPoses[] = {
    {13, 70, {0, 0, 68, 156}, 35, 156, {-27, 18, -157, 0}},
    {21, 70, {661, 138, 723, 281}, 28, 143, {-11, 11, -143, 0}},
    {22, 70, {726, 138, 793, 281}, 32, 143, {-11, 11, -141, 0}},
    {23, 70, {797, 139, 868, 277}, 37, 138, {-11, 11, -136, 0}},
    {24, 70, {0, 461, 80, 621}, 38, 147, {-11, 11, -147, 0}},
    {25, 70, {83, 461, 180, 616}, 56, 155, {-11, 11, -155, 0}},
    // Its sides too are given the wrong way round (30, 11).
    {33, 69, {523, 167, 583, 314}, 24, 147, {30, 11, -155, 0}},
    {37, 70, {0, 620, 78, 777}, 35, 157, {-10, 10, -157, 0}},
    {38, 70, {81, 620, 158, 777}, 35, 157, {-10, 10, -157, 0}},
    {39, 70, {161, 620, 247, 777}, 40, 157, {-10, 10, -157, 0}},
    {40, 70, {250, 620, 337, 777}, 41, 157, {-10, 10, -157, 0}},
    {41, 70, {343, 620, 427, 777}, 24, 157, {-10, 10, -157, 0}},
    {42, 70, {430, 620, 512, 777}, 29, 157, {-10, 10, -157, 0}},
};

// Poses 43..55 with a cell for each facing; 47..50 and 54..51 share cells.
struct SidedPose {
    std::int32_t code, twin;   // twin: the code drawn the same (0 none)
    Pose right, left;
};
inline constexpr HitBox kSideRight{-20, 31, -144, -53}, kSideLeft{-22, 17, -148, -56};
inline constexpr SidedPose kSidedPoses[] = {
    {43, 0, {43, 70, {358, 779, 438, 931}, 42, 152, {-15, 5, -157, 0}},
     {43, 70, {0, 780, 82, 931}, 35, 151, {-10, 10, -157, 0}}},
    {44, 0, {44, 70, {441, 781, 537, 918}, 59, 138, {-20, 0, -157, 0}},
     {44, 70, {85, 781, 182, 918}, 41, 137, {-5, 15, -157, 0}}},
    {45, 0, {45, 70, {539, 774, 614, 931}, 33, 157, {-20, 0, -157, 0}},
     {45, 70, {185, 780, 264, 929}, 34, 149, {-5, 15, -157, 0}}},
    {46, 0, {46, 70, {617, 790, 710, 931}, 50, 141, {-20, 0, -157, 0}},
     {46, 70, {267, 780, 355, 919}, 32, 139, {-5, 15, -157, 0}}},
    {47, 54, {47, 70, {872, 199, 988, 294}, 82, 147, kSideRight}, {47, 70, {714, 709, 821, 805}, 27, 147, kSideLeft}},
    {48, 53, {48, 70, {847, 825, 989, 931}, 79, 150, kSideRight}, {48, 70, {714, 808, 844, 901}, 52, 147, kSideLeft}},
    {49, 52, {49, 70, {851, 726, 992, 822}, 79, 150, kSideRight}, {49, 70, {859, 0, 992, 94}, 55, 147, kSideLeft}},
    {50, 51, {50, 70, {885, 626, 993, 724}, 79, 150, kSideRight}, {50, 70, {870, 95, 974, 196}, 30, 149, kSideLeft}},
    {55, 0, {55, 70, {870, 297, 1004, 415}, 55, 150, kSideRight}, {55, 70, {878, 418, 971, 566}, 67, 75, kSideLeft}},
};

// The figure's second layer (sheet 69), drawn over poses 6..8.
struct Layer {
    std::int32_t code;
    Rect src;
    float cx, cy;
};
inline constexpr Layer kLayers[] = {
    {105, {377, 0, 445, 86}, 44, 144},
    {106, {447, 0, 530, 86}, 44, 144},
    {107, {533, 0, 593, 86}, 21, 144},
};

// The heroine's poses on sheet 69, standing on the floor.
struct HeroinePose {
    std::int32_t code;
    Rect src;
    float cx;
};
inline constexpr HeroinePose kHeroinePoses[] = {
    {201, {0, 153, 66, 294}, 39},   {202, {69, 153, 130, 291}, 37},  {203, {132, 153, 194, 290}, 38},
    {204, {196, 153, 257, 291}, 37}, {205, {259, 153, 320, 287}, 37}, {206, {322, 153, 385, 293}, 36},
    {207, {388, 116, 448, 247}, 27}, {208, {451, 117, 520, 211}, 39}, {209, {523, 90, 594, 162}, 53},
};

// The things of the shop scene on sheet 69 (their tops move with the scene).
inline constexpr Rect kWorkpieces[] = {{377, 90, 404, 105}, {475, 90, 505, 105}};

// Where the shop scene shows what is held: x from the clerk's or the
// heroine's place, y on the screen. A workpiece hangs from its point (its
// top), a ware stands on it (its foot). The figures' poses that show them
// hold a hand under each, so nothing of the shop floats in the air.
struct HeldAt {
    std::int32_t dx, y;
};
inline constexpr HeldAt kWareOffered{29, 509};      // the clerk's pose 8
inline constexpr HeldAt kLeftWorkpiece{-29, 492};   // the clerk's pose 6
inline constexpr HeldAt kRightWorkpiece{24, 492};   // the clerk's pose 8
inline constexpr HeldAt kWareBought{16, 515};       // the heroine's pose 201
inline constexpr HeldAt kWorkpieceTaken{23, 496};   // the heroine's pose 201
inline constexpr HeldAt kWorkpieceWorked{0, 520};   // the heroine's poses 202..205
// The floors they stand on there: the clerk's pin (her cells' 617) and the
// heroine's poses drawn from this sheet.
inline constexpr std::int32_t kClerkFeetY = 617, kHeroineFeetY = 640;
inline constexpr std::int32_t kSparkLefts[] = {416, 435, 454};
inline constexpr Rect kFlash{305, 297, 392, 431};

// The hall's props on sheet 68, slots 1..30.
struct PropRow {
    std::int32_t first, last;
    Rect src;
    float cx, cy;
};
inline constexpr PropRow kPropKinds[] = {
    {1, 5, {539, 0, 664, 125}, 63, 124},     {6, 11, {668, 0, 793, 125}, 63, 124},
    {12, 14, {797, 0, 922, 125}, 68, 124},   {15, 18, {410, 129, 456, 212}, 6, 83},
    {19, 22, {459, 129, 515, 212}, 53, 83},  {23, 28, {520, 129, 563, 182}, 16, 52},
    {29, 30, {0, 643, 312, 973}, 0, 330},
};

}  // namespace encounter_c_frames
