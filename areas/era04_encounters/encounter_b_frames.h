// Encounter B's frame tables on sheet 67, shared by the game's frame table
// routine and the picture generator, which draws a figure in every
// rectangle named here.
#pragma once

#include <cstdint>

namespace encounter_b_frames {

inline constexpr int kSheetResource = 205;

struct Rect {
    std::int32_t left, top, right, bottom;
};

// A body pose: the two layer codes it brings (kKeep leaves the second as
// it is) and its frame.
inline constexpr std::int32_t kKeep = -1;
struct PoseRow {
    std::int32_t pose, layer1, layer2, frame;
};
inline constexpr PoseRow kPoses[] = {
    {1, 102, 201, 1},  {2, 101, 201, 1},  {3, 0, 201, 2},    {4, 0, 201, 3},    {5, 0, 201, 4},
    {6, 103, 202, 5},  {7, 104, 202, 5},  {8, 0, 202, 6},    {9, 0, 0, 7},      {10, 0, 203, 8},
    {11, 0, 204, 9},   {12, 105, 204, 10}, {13, 106, 204, 10}, {14, 107, 0, 11},  {15, 0, 205, 12},
    {16, 0, 206, 13},  {17, 108, 207, 14}, {18, 109, 207, 14}, {19, 0, 208, 15},  {20, 0, 0, 16},
    {21, 105, 0, 11},  {22, 106, 0, 11},  {23, 0, 0, 17},    {24, 0, 0, 18},    {25, 0, 0, 19},
    {26, 0, 0, 20},    {27, 0, 0, 21},    {28, 0, 0, 22},    {29, 0, 0, 23},    {30, 107, 0, 24},
    {31, 105, 0, 24},  {32, 106, 0, 24},  {33, 0, 0, 25},    {34, 0, 0, 26},    {35, 0, 0, 27},
    {36, 107, kKeep, 28},
};

// Body frames: rectangle and centre. Frames up to kLastTintedFrame take the
// figure's colour, the rest are white.
struct FrameRow {
    std::int32_t frame;
    Rect src;
    float cx, cy;
};
inline constexpr std::int32_t kLastTintedFrame = 7;
inline constexpr FrameRow kFrames[] = {
    {1, {63, 0, 173, 153}, 58, 153},      {2, {177, 0, 287, 157}, 58, 157},    {3, {300, 0, 412, 173}, 58, 173},
    {4, {416, 0, 531, 175}, 58, 175},     {5, {55, 157, 165, 315}, 58, 158},   {6, {171, 159, 283, 336}, 58, 177},
    {7, {286, 178, 388, 363}, 59, 184},   {8, {391, 183, 505, 368}, 72, 184},  {9, {537, 90, 650, 294}, 72, 204},
    {10, {537, 90, 650, 184}, 72, 204},   {11, {297, 372, 487, 486}, 31, 223}, {12, {0, 346, 143, 492}, 102, 146},
    {13, {146, 366, 293, 508}, 106, 142}, {14, {508, 298, 642, 426}, 93, 128}, {15, {645, 307, 721, 483}, 93, 176},
    {16, {0, 495, 92, 667}, 93, 172},     {17, {132, 511, 291, 664}, 85, 153}, {18, {724, 330, 837, 488}, 27, 158},
    {19, {707, 0, 924, 164}, 39, 164},    {20, {0, 672, 278, 833}, 85, 158},   {21, {724, 170, 886, 327}, 90, 157},
    {22, {490, 430, 633, 591}, 72, 161},  {23, {294, 490, 437, 662}, 72, 172}, {24, {636, 487, 719, 582}, 57, 204},
    {25, {721, 492, 820, 724}, 57, 232},  {26, {440, 595, 548, 777}, 85, 182}, {27, {552, 595, 685, 768}, 57, 172},
    {28, {688, 727, 771, 822}, 57, 204},
};

// Layers. Where a layer stands: at the figure (its x plus dx, or plus
// dx times the direction when byDirection), or at the falling blade's own
// point; its rotation the figure's angle unless fixed; its colour white, the
// figure's, or the defeat's own.
enum class Place : std::int8_t { Figure, Blade };
enum class Turn : std::int8_t { Figure, Fixed, Blade, Glow };
enum class Tint : std::int8_t { White, Figure, Glow, Breath };
struct LayerRow {
    std::int32_t code;
    Rect src;
    float cx, cy;
    std::int32_t dx;
    bool byDirection;
    std::int32_t dy;
    Place place;
    Turn turn;
    std::int32_t angle;
    Tint tint;
    float dDepth;
};
inline constexpr LayerRow kLayers[] = {
    {101, {0, 186, 36, 220}, 21, 136, 0, false, 0, Place::Figure, Turn::Figure, 0, Tint::Figure, 0.001f},
    {102, {0, 223, 36, 256}, 21, 136, 0, false, 0, Place::Figure, Turn::Figure, 0, Tint::Figure, 0.001f},
    {103, {0, 259, 32, 292}, 33, 136, 0, false, -41, Place::Figure, Turn::Figure, 0, Tint::Figure, 0.001f},
    {104, {0, 295, 32, 328}, 33, 136, 0, false, -41, Place::Figure, Turn::Figure, 0, Tint::Figure, 0.001f},
    {105, {653, 0, 697, 115}, 33, 115, 0, false, 0, Place::Figure, Turn::Figure, 0, Tint::White, 0.001f},
    {106, {653, 117, 704, 228}, 38, 110, 0, false, 0, Place::Figure, Turn::Figure, 0, Tint::White, 0.001f},
    {107, {548, 180, 650, 294}, 61, 114, 0, false, 0, Place::Figure, Turn::Figure, 0, Tint::White, 0.001f},
    {108, {653, 231, 688, 268}, 100, 139, 0, false, 0, Place::Figure, Turn::Figure, 0, Tint::White, 0.001f},
    {109, {653, 271, 688, 303}, 104, 134, 0, false, 0, Place::Figure, Turn::Figure, 0, Tint::White, 0.001f},
    {201, {0, 0, 60, 182}, 30, 182, 50, false, 0, Place::Figure, Turn::Figure, 0, Tint::White, -0.001f},
    {202, {0, 0, 60, 182}, 30, 182, 50, false, 0, Place::Figure, Turn::Fixed, -2, Tint::White, -0.001f},
    {203, {36, 317, 103, 343}, 132, 152, 0, false, 0, Place::Figure, Turn::Fixed, -2, Tint::White, 0.001f},
    {204, {536, 0, 625, 87}, 25, 290, 0, false, 0, Place::Figure, Turn::Fixed, -2, Tint::White, 0.001f},
    {205, {0, 0, 60, 182}, 30, 0, -77, true, -73, Place::Figure, Turn::Fixed, 138, Tint::White, 0.001f},
    {206, {0, 0, 60, 182}, 30, 0, -75, true, -65, Place::Figure, Turn::Fixed, 118, Tint::White, 0.001f},
    {207, {0, 0, 60, 182}, 30, 0, -62, true, -70, Place::Figure, Turn::Fixed, 64, Tint::White, 0.001f},
    {208, {0, 0, 60, 182}, 30, 0, -78, true, -157, Place::Figure, Turn::Fixed, 33, Tint::White, 0.001f},
    {209, {23, 83, 37, 182}, 7, 50, 0, false, 0, Place::Blade, Turn::Blade, 0, Tint::White, 0.0f},
    {301, {281, 665, 390, 792}, 53, 127, -185, true, 0, Place::Figure, Turn::Figure, 0, Tint::Figure, 0.003f},
    {302, {279, 797, 546, 907}, 126, 110, 5, true, -115, Place::Figure, Turn::Glow, 0, Tint::Glow, -0.002f},
    {401, {556, 828, 739, 896}, 0, 60, 33, true, 0, Place::Figure, Turn::Fixed, -90, Tint::White, 0.0f},
    {501, {688, 586, 693, 598}, 0, 0, -35, true, -185, Place::Figure, Turn::Fixed, 0, Tint::Breath, -0.004f},
};

// The shards: left edge 106; top, right and bottom by shard, three shards a row.
inline constexpr std::int32_t kShardLeft = 106;
struct ShardRow {
    std::int32_t top, right, bottom;
};
inline constexpr ShardRow kShardRows[] = {
    {512, 125, 526}, {528, 121, 544}, {547, 120, 559}, {562, 121, 577}, {580, 120, 596},
    {651, 119, 664}, {599, 125, 620}, {623, 118, 634}, {637, 119, 648}, {651, 119, 664},
};

}  // namespace encounter_b_frames
