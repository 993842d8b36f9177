// The home area's sprite sheets as data: the scene actors' frames (sheet of
// single texture 50) and the gate's pieces (single texture 49). The game's
// frame tables and draw passes cut these rectangles out; the picture
// generator draws a figure into each of them.
#pragma once

#include <cstdint>

namespace era00_sheet {

struct FrameRow {
    std::int32_t frame;
    std::int32_t left, top, right, bottom;
    std::int32_t pivotX, pivotY;
};

constexpr FrameRow kNpcFrames[] = {
    {1, 0, 0, 92, 44, 8, 44}, {2, 93, 0, 184, 45, 8, 45}, {3, 185, 0, 278, 44, 8, 44},
    {4, 282, 0, 374, 47, 8, 47}, {5, 375, 0, 469, 43, 8, 43}, {6, 470, 0, 565, 44, 8, 44},
    {7, 566, 0, 658, 51, 8, 51}, {8, 659, 0, 753, 47, 8, 47}, {9, 754, 0, 809, 45, 8, 45},
    {10, 810, 0, 879, 44, 8, 44}, {11, 880, 0, 974, 55, 8, 55}, {12, 0, 45, 93, 101, 8, 56},
    {13, 93, 46, 190, 85, 8, 39}, {14, 192, 45, 286, 90, 6, 45},
};
constexpr FrameRow kActorAFrames[] = {
    {1, 784, 47, 823, 183, 22, 136}, {2, 823, 45, 879, 167, 46, 122}, {3, 881, 57, 942, 162, 36, 105},
    {4, 943, 57, 997, 146, 42, 89}, {5, 374, 44, 432, 127, 59, 83}, {6, 434, 44, 502, 130, 70, 86},
    {7, 521, 52, 601, 141, 83, 89}, {8, 608, 52, 695, 146, 90, 94}, {9, 697, 48, 779, 154, 83, 106},
    {10, 0, 102, 95, 201, 43, 20}, {11, 97, 91, 212, 199, 31, 15}, {12, 213, 98, 339, 178, 34, 30},
    {13, 342, 129, 431, 173, 29, 7}, {14, 433, 131, 498, 177, 27, 30}, {15, 500, 143, 609, 197, 90, 11},
    {16, 611, 154, 725, 220, 89, 10}, {17, 0, 202, 80, 284, 69, 13}, {18, 82, 200, 169, 293, 58, 93},
    {19, 171, 199, 261, 288, 58, 89}, {20, 263, 179, 339, 290, 53, 111}, {21, 341, 174, 388, 309, 39, 135},
};
constexpr FrameRow kActorBFrames[] = {
    {1, 392, 178, 459, 315, 0, 137}, {2, 460, 178, 504, 319, 0, 141}, {3, 506, 198, 576, 339, 0, 141},
    {4, 578, 223, 625, 364, 0, 141}, {5, 627, 223, 683, 364, 0, 141}, {6, 685, 223, 752, 364, 0, 141},
    {7, 753, 187, 799, 328, 0, 141}, {8, 801, 187, 870, 319, 0, 132}, {9, 872, 168, 945, 303, 0, 135},
    {10, 0, 295, 89, 427, 19, 132}, {11, 91, 294, 135, 436, 44, 142}, {12, 137, 294, 207, 436, 10, 142},
    {13, 209, 293, 255, 436, 24, 143}, {14, 257, 293, 313, 436, 56, 143}, {15, 314, 310, 381, 453, 9, 143},
    {16, 383, 315, 429, 457, 20, 142}, {17, 432, 340, 515, 475, 21, 135}, {18, 582, 567, 648, 703, 0, 137},
};
constexpr FrameRow kActorCFrames[] = {
    {1, 518, 366, 616, 479, 26, 113}, {2, 619, 366, 715, 470, 26, 104}, {3, 716, 367, 841, 476, 30, 109},
    {4, 873, 306, 968, 423, 1, 117}, {5, 845, 429, 939, 546, 0, 117}, {6, 177, 437, 287, 545, 0, 108},
    {7, 291, 461, 404, 571, 0, 110}, {8, 0, 432, 88, 548, 0, 116}, {9, 93, 440, 175, 556, 0, 116},
};
constexpr FrameRow kActorEFrames[] = {
    {1, 405, 477, 467, 552, 54, 75}, {2, 471, 481, 626, 524, 65, 12}, {3, 628, 473, 677, 554, 21, 81},
    {4, 477, 524, 621, 562, 90, 6}, {5, 944, 427, 1005, 557, 0, 130}, {6, 682, 481, 745, 623, 20, 142},
    {7, 252, 574, 349, 690, 75, 117}, {8, 132, 562, 187, 680, 33, 118}, {9, 64, 559, 128, 679, 18, 120},
    {10, 352, 574, 430, 702, 70, 128}, {11, 749, 481, 782, 620, 27, 139}, {12, 189, 564, 246, 679, 34, 115},
    {13, 0, 551, 61, 681, 0, 130},
};
// Actor 4, the thrown ball: frames 2 and 3 are the same picture.
constexpr FrameRow kActorDFrames[] = {
    {1, 962, 151, 982, 170, 10, 10},
    {2, 962, 174, 993, 202, 14, 14},
    {3, 962, 174, 993, 202, 14, 14},
    {4, 963, 206, 983, 226, 10, 10},
};

// The pet's ball and the hearth's flame (left and right edges by its frame
// 1..3; the second layer lies 67 px to the right).
struct SheetRect {
    std::int32_t left, top, right, bottom;
};
constexpr SheetRect kBall{976, 0, 999, 15};
constexpr std::int32_t kFlameTop = 565, kFlameBottom = 626, kFlameLayerShift = 67;
constexpr SheetRect kFlameEdges[3] = {{449, 0, 468, 0}, {471, 0, 489, 0}, {493, 0, 513, 0}};

// The gate sheet: two leaves, three glow frames, four sparks, the marker.
constexpr SheetRect kLeftLeaf{0, 0, 54, 270};
constexpr SheetRect kRightLeaf{55, 0, 108, 270};
constexpr SheetRect kGlowFrames[3] = {{110, 0, 253, 303}, {255, 0, 396, 303}, {400, 0, 545, 303}};
constexpr SheetRect kSparks[4] = {{0, 306, 121, 342}, {0, 344, 162, 393}, {169, 317, 387, 347}, {169, 349, 319, 378}};
// Each spark turns about this point of its rectangle, set on the gate's axis.
constexpr float kSparkCentre[4][2] = {{5, 2}, {0, 11}, {0, 7}, {0, 22}};
constexpr SheetRect kPracticeMarker{445, 353, 545, 394};

}  // namespace era00_sheet
