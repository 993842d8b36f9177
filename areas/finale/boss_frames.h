// The boss sheet (texture 72, resource 210): the body's poses with their
// hurt boxes, the sword and the overlays each pose places, and the cells of
// the effect slots. Plain constexpr data, shared by the sprite setup and the
// picture generator, which draws a figure in every cell named here.
#pragma once

#include <cstdint>

#include "core/sprites/sprite_rect.h"

namespace boss_frames {

inline constexpr int kSheetResource = 210;
inline constexpr std::int32_t kSheet = 72;

// How the body's art is turned: mirrored (the art faces left), drawn as the
// slot faces, or one picture per facing (never mirrored).
enum FacingMode : std::int32_t { kMirrored, kDirect, kFixed };

// A piece the pose hangs on the body: frame (0 none), offset (x times the
// facing) and depth offset from the body.
struct Attached {
    std::int32_t frame, dx, dy;
    float depth;
};

// A body pose for one facing (0 = either). Hurt box: forward and back
// offsets (times the facing), or a fixed left and right pair.
struct PoseRow {
    std::int32_t pose, facing;
    SpriteRect rect;
    float cx, cy;
    FacingMode mode;
    std::int32_t hurtForward, hurtBack, hurtTop, hurtBottom;
    bool fixedPair;
    std::int32_t sword, swordTurn;   // sword frame (0 hidden) and its rotation times the facing
    Attached swordAt;                // depth: +0.001 behind the body, -0.001 in front
    std::uint32_t swordColour;
    Attached slot4, slot7;
};

inline constexpr std::uint32_t kOpaque = 0xFFFFFFFFu;
inline constexpr Attached kNone{0, 0, 0, 0.0f};
inline constexpr float kBehind = 0.001f, kFront = -0.001f;
// The walk frames lay the sword by the facing: behind the body facing right,
// in front of it facing left.
inline constexpr float kWalkRight = 0.001f, kWalkLeft = -0.001f;

inline constexpr PoseRow kPoses[] = {
    {1, 0, {49, 0, 151, 180}, 51, 180, kMirrored, 23, -11, -143, -40, false, 0, 0, kNone, kOpaque, kNone, kNone},
    {2, 0, {153, 0, 262, 152}, 54, 152, kMirrored, 16, -21, -115, -30, false, 0, 0, kNone, kOpaque, kNone, kNone},
    {3, 0, {265, 0, 364, 144}, 62, 144, kMirrored, 23, -3, -113, -40, false, 2, -100, {0, 57, -95, kBehind}, kOpaque, kNone, kNone},
    {4, 0, {366, 0, 482, 146}, 58, 146, kMirrored, 35, -3, -128, -55, false, 1, -60, {0, 60, -110, kBehind}, kOpaque, kNone, kNone},
    {5, 0, {606, 228, 704, 330}, 49, 102, kMirrored, 22, -3, -121, -10, false, 1, -30, {0, 50, -100, kBehind}, kOpaque, kNone, kNone},
    {6, 0, {484, 0, 574, 131}, 53, 131, kMirrored, 13, -7, -125, 0, false, 1, 0, {0, 50, -96, kBehind}, kOpaque, kNone, kNone},
    {7, 0, {706, 228, 800, 330}, 47, 102, kMirrored, 3, -17, -125, 0, false, 1, 20, {0, 40, -90, kBehind}, kOpaque, kNone, kNone},
    {8, 0, {802, 210, 877, 330}, 37, 120, kMirrored, 13, -7, -125, 0, false, 1, 45, {0, 30, -80, kBehind}, kOpaque, kNone, kNone},
    {9, 1, {302, 148, 341, 288}, 25, 140, kDirect, -11, 11, -136, 0, true, 1, 80, {0, 10, -63, kWalkRight}, 0xDDFFFFFFu, kNone, kNone},
    {9, -1, {302, 148, 341, 288}, 25, 140, kDirect, -11, 11, -136, 0, true, 1, 80, {0, 8, -63, kWalkLeft}, 0xDDFFFFFFu, kNone, {1, 11, -70, -0.002f}},
    {10, 1, {344, 148, 415, 288}, 35, 139, kDirect, -11, 11, -136, 0, true, 1, 80, {0, -2, -68, kWalkRight}, kOpaque, kNone, kNone},
    {10, -1, {344, 148, 415, 288}, 35, 139, kDirect, -11, 11, -136, 0, true, 1, 80, {0, 15, -65, kWalkLeft}, kOpaque, kNone, {2, 19, -74, -0.002f}},
    {11, 1, {418, 148, 456, 288}, 24, 140, kDirect, -11, 11, -136, 0, true, 1, 80, {0, 14, -63, kWalkRight}, kOpaque, kNone, kNone},
    {11, -1, {418, 148, 456, 288}, 24, 140, kDirect, -11, 11, -136, 0, true, 1, 80, {0, -2, -61, kWalkLeft}, kOpaque, kNone, {3, 0, -72, -0.002f}},
    {12, 1, {458, 148, 532, 288}, 34, 140, kDirect, -11, 11, -136, 0, true, 1, 80, {0, 29, -68, kWalkRight}, kOpaque, kNone, kNone},
    {12, -1, {458, 148, 532, 288}, 34, 140, kDirect, -11, 11, -136, 0, true, 1, 80, {0, -17, -64, kWalkLeft}, kOpaque, kNone, {4, -10, -72, -0.002f}},
    {13, 1, {535, 134, 603, 268}, 36, 134, kFixed, -15, 15, -126, 0, true, 1, 135, {0, -20, -59, kFront}, kOpaque, {1, 4, -103, 0.001f}, {5, -25, -84, -0.002f}},
    {13, -1, {606, 93, 675, 225}, 30, 131, kFixed, -15, 15, -126, 0, true, 1, 135, {0, -22, -59, kFront}, kOpaque, {2, 12, -100, 0.001f}, {6, -14, -84, -0.002f}},
    {14, 1, {535, 134, 603, 268}, 36, 134, kFixed, -15, 15, -126, 0, true, 1, 135, {0, -20, -59, kFront}, kOpaque, {3, 2, -131, 0.001f}, {5, -25, -84, -0.002f}},
    {14, -1, {606, 93, 675, 225}, 30, 131, kFixed, -15, 15, -126, 0, true, 1, 135, {0, -22, -59, kFront}, kOpaque, {4, 34, -122, 0.001f}, {6, -14, -84, -0.002f}},
    {15, 0, {678, 92, 748, 227}, 30, 135, kMirrored, -15, 15, -126, 0, true, 1, 135, {0, -17, -60, kBehind}, kOpaque, {5, 2, -101, -0.001f}, kNone},
    {16, 0, {678, 92, 748, 227}, 30, 135, kMirrored, -15, 15, -126, 0, true, 1, 135, {0, -17, -60, kBehind}, kOpaque, {6, 2, -101, -0.001f}, kNone},
    {17, 0, {751, 79, 855, 207}, 51, 128, kMirrored, 21, -11, -119, 0, false, 1, 105, {0, -4, -72, kFront}, kOpaque, kNone, kNone},
    {18, 0, {40, 290, 138, 398}, 49, 108, kMirrored, 9, -17, -108, 0, false, 0, 0, kNone, kOpaque, kNone, kNone},
    {19, 0, {140, 290, 238, 398}, 49, 108, kMirrored, 20, -8, -103, 0, false, 2, 90, {0, 20, -80, kBehind}, kOpaque, kNone, kNone},
    {20, 0, {240, 290, 338, 398}, 49, 108, kMirrored, 17, -5, -101, 0, false, 2, 95, {0, 25, -78, kBehind}, kOpaque, kNone, kNone},
    {21, 0, {340, 290, 438, 398}, 49, 108, kMirrored, 25, -5, -97, 0, false, 2, 100, {0, 28, -75, kBehind}, kOpaque, kNone, kNone},
    {22, 0, {440, 290, 502, 398}, 31, 108, kMirrored, 25, -5, -103, 0, false, 1, 120, {0, 10, -70, kBehind}, kOpaque, kNone, kNone},
    {23, 0, {662, 602, 760, 702}, 49, 100, kMirrored, 17, -4, -132, 0, false, 1, 135, {0, -10, -65, kBehind}, kOpaque, kNone, kNone},
    {25, 0, {504, 292, 569, 427}, 23, 135, kMirrored, 17, -4, -132, 0, false, 2, 90, {0, -7, -93, kBehind}, kOpaque, kNone, kNone},
    {26, 0, {571, 334, 639, 464}, 30, 130, kMirrored, 17, -4, -132, 0, false, 2, 90, {0, 20, -95, kBehind}, kOpaque, kNone, kNone},
    {27, 0, {641, 334, 708, 464}, 30, 130, kMirrored, 11, -10, -132, 0, false, 2, 90, {0, 30, -95, kBehind}, kOpaque, kNone, kNone},
    {28, 0, {710, 332, 771, 462}, 24, 130, kMirrored, 17, -4, -132, 0, false, 2, 90, {0, 12, -93, kFront}, kOpaque, kNone, kNone},
    {29, 0, {773, 332, 825, 462}, 24, 130, kMirrored, 17, -4, -132, 0, false, 2, 90, {0, 22, -93, kBehind}, kOpaque, kNone, kNone},
    {30, 0, {827, 332, 877, 462}, 24, 130, kMirrored, 17, -4, -132, 0, false, 2, 90, {0, 30, -93, kBehind}, kOpaque, kNone, kNone},
    {31, 0, {54, 450, 159, 554}, 60, 104, kMirrored, -28, 7, -92, 0, false, 1, 120, {0, -40, -50, kBehind}, kOpaque, kNone, kNone},
    {32, 0, {162, 452, 262, 556}, 50, 104, kMirrored, 5, -33, -101, 0, false, 1, 150, {0, -30, -90, kBehind}, kOpaque, kNone, kNone},
    {33, 0, {264, 452, 366, 556}, 50, 104, kMirrored, 27, -10, -127, -60, false, 1, 60, {0, 40, -80, kBehind}, kOpaque, kNone, kNone},
    {34, 0, {368, 452, 470, 556}, 50, 104, kMirrored, 31, -9, -89, 0, false, 1, 90, {0, 50, -50, kBehind}, kOpaque, kNone, kNone},
    {35, 0, {472, 452, 572, 556}, 50, 104, kMirrored, 9, -12, -111, 0, false, 1, 120, {0, 20, -60, kBehind}, kOpaque, kNone, kNone},
    {36, 0, {0, 653, 115, 764}, 56, 111, kMirrored, 18, -12, -96, 0, false, 1, 130, {0, -24, -38, kBehind}, kOpaque, kNone, kNone},
    {37, 0, {117, 656, 202, 764}, 42, 108, kMirrored, 18, -12, -96, 0, false, 1, 130, {0, -20, -40, kBehind}, kOpaque, kNone, kNone},
    {38, 0, {204, 603, 304, 745}, 54, 77, kMirrored, 64, 0, -48, 19, false, 1, 130, {0, 0, 0, kBehind}, kOpaque, kNone, kNone},
    {39, 0, {306, 600, 406, 720}, 50, 70, kMirrored, 40, 0, -48, 12, false, 1, 130, {0, 0, 0, kBehind}, kOpaque, kNone, kNone},
    {42, 0, {511, 584, 567, 715}, 0, 58, kMirrored, 59, -5, -45, 0, false, 1, 110, {0, 0, -10, kBehind}, kOpaque, kNone, kNone},
    {43, 0, {408, 600, 509, 720}, 50, 60, kMirrored, 59, -5, -45, 0, false, 0, 0, kNone, kOpaque, kNone, kNone},
    {44, 0, {569, 590, 660, 700}, 45, 55, kMirrored, 59, -5, -45, 0, false, 0, 0, kNone, kOpaque, kNone, kNone},
    {45, 0, {823, 468, 875, 547}, 29, 45, kMirrored, 15, -15, -15, 15, false, 1, 110, {0, 0, 0, kBehind}, kOpaque, kNone, kNone},
    {46, 0, {412, 723, 497, 812}, 40, 89, kMirrored, 59, -5, -45, 0, false, 1, -32, {0, 36, -81, kBehind}, kOpaque, kNone, kNone},
    {47, 0, {484, 0, 574, 131}, 53, 131, kMirrored, 13, -7, -125, 0, false, 1, 0, {0, 50, -96, kBehind}, kOpaque, kNone, kNone},
    {48, 0, {606, 705, 696, 810}, 54, 104, kMirrored, 59, -5, -45, 0, false, 1, 1, {0, 51, -96, kBehind}, kOpaque, kNone, kNone},
};

// One frame of an effect or attached slot.
struct Cell {
    std::int32_t slot, frame;
    SpriteRect rect;
    float cx, cy;
};
inline constexpr Cell kCells[] = {
    {1, 1, {0, 0, 34, 121}, 16, 24},          {1, 2, {37, 0, 44, 121}, 3, 24},
    {2, 1, {0, 136, 10, 277}, 5, 59},         {3, 1, {0, 136, 10, 277}, 5, 59},
    {4, 1, {800, 0, 813, 24}, 0, 0},          {4, 2, {815, 0, 828, 24}, 0, 0},
    {4, 3, {830, 0, 843, 24}, 0, 0},          {4, 4, {845, 0, 858, 24}, 0, 0},
    {4, 5, {860, 0, 873, 24}, 5, 0},          {4, 6, {2, 402, 46, 446}, 22, 30},
    {5, 1, {150, 156, 297, 270}, 61, 58},     {6, 1, {11, 232, 33, 327}, 12, -11},
    {6, 2, {11, 124, 43, 229}, 16, -11},      {7, 1, {800, 26, 813, 50}, 0, 0},
    {7, 2, {815, 26, 828, 50}, 0, 0},         {7, 3, {830, 26, 843, 50}, 0, 0},
    {7, 4, {845, 26, 858, 50}, 0, 0},         {7, 5, {860, 26, 873, 50}, 0, 0},
    {7, 6, {800, 52, 813, 76}, 0, 0},         {8, 1, {579, 0, 691, 90}, 0, 45},
    {8, 2, {693, 0, 798, 77}, 0, 35},         {9, 1, {133, 401, 288, 416}, 0, 10},
    {9, 2, {133, 442, 258, 447}, 0, 1},       {9, 3, {582, 466, 758, 584}, 19, 117},
    {10, 1, {133, 419, 279, 438}, 0, 19},     {10, 2, {288, 429, 420, 443}, 0, 2},
    {11, 0, {288, 408, 413, 426}, 0, 14},     {12, 0, {425, 432, 558, 449}, 0, 5},
    {13, 0, {40, 557, 178, 650}, -10, 97},    {14, 1, {763, 466, 819, 599}, 27, 51},
    {14, 2, {814, 551, 877, 692}, 29, 57},    {14, 3, {815, 52, 829, 80}, 7, 20},
    {14, 4, {831, 52, 845, 80}, 7, 20},       {14, 5, {847, 52, 861, 80}, 7, 20},
    {15, 1, {763, 466, 819, 599}, 27, 51},    {15, 2, {814, 551, 877, 692}, 29, 57},
};

// The crystal fragments of a debris burst, slots 16..34.
inline constexpr SpriteRect kFragments[19] = {
    {775, 602, 789, 616}, {791, 602, 805, 619}, {807, 602, 820, 620}, {822, 602, 836, 622}, {838, 602, 852, 618},
    {854, 602, 870, 624}, {775, 662, 792, 690}, {794, 662, 808, 680}, {810, 662, 825, 684}, {827, 662, 840, 677},
    {842, 662, 858, 688}, {775, 700, 790, 720}, {792, 700, 806, 715}, {808, 700, 826, 726}, {828, 700, 845, 722},
    {775, 724, 791, 744}, {793, 724, 809, 741}, {811, 724, 829, 744}, {850, 724, 868, 744},
};

// The light bars of the defeat: left, top, bottom of the cell (the length is
// the slot's pivot x), centre x at the length (the bar grows leftwards) or 0,
// and the length the bar grows to, which the cell on the sheet spans.
struct Bar {
    std::int32_t slot, frame, left, top, bottom;
    bool centreAtLength;
    float cy;
    std::int32_t full;
};
inline constexpr Bar kBars[] = {
    {4, 7, 0, 788, 801, false, 0, 75},    {5, 5, 0, 767, 785, false, 0, 95},    {15, 3, 97, 767, 777, false, 0, 50},
    {16, 3, 97, 780, 789, false, 0, 50},  {17, 3, 151, 757, 792, false, 20, 72}, {18, 3, 0, 805, 817, true, 20, 46},
    {19, 3, 49, 805, 814, true, 5, 33},   {20, 3, 85, 805, 814, true, 5, 35},    {21, 3, 226, 748, 771, false, 5, 66},
};

}  // namespace boss_frames
