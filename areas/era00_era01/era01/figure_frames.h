// The frame tables of the field's figures: the walking enemies, field enemy A,
// the arena's enemy, the teacher, the monster groups, the encounter's three
// actors and the gatekeeper. The sprite setups and draw passes read them, and
// so does the picture generator, which paints each figure into its cells.
#pragma once

#include <cstdint>

namespace era01_frames {

// The walking enemies' frames on their sheet (frames 20 to 25 are the pieces
// of frame 4 it breaks into).
struct WalkingEnemyRow {
    std::int32_t frame, left, top, right, bottom;
    float centreX, centreY;
};
inline constexpr WalkingEnemyRow kWalkingEnemyFrames[] = {
    {1, 55, 209, 75, 230, 10, 21},    {2, 142, 160, 220, 209, 40, 50}, {3, 0, 0, 60, 120, 30, 120},
    {4, 132, 0, 210, 79, 30, 80},     {5, 142, 80, 221, 159, 30, 80},  {6, 65, 96, 141, 190, 30, 90},
    {7, 65, 96, 141, 190, 38, 47},    {8, 0, 179, 54, 237, 55, 58},    {10, 223, 40, 252, 107, 21, 68},
    {11, 222, 108, 256, 187, 21, 80}, {12, 0, 121, 64, 178, 35, 58},   {13, 212, 0, 252, 39, 35, 40},
    {14, 55, 231, 73, 238, 3, 6},     {15, 61, 0, 131, 95, 3, 92},     {16, 144, 211, 220, 233, 40, 22},
    {20, 132, 0, 210, 19, 40, 80},    {21, 132, 20, 210, 79, 40, 59},  {22, 0, 0, 32, 120, 32, 120},
    {23, 33, 0, 60, 120, 0, 120},     {24, 174, 0, 210, 79, -11, 80},  {25, 132, 0, 173, 79, 30, 80},
};

// Field enemy A's frames: the rectangle, the pivot x, how far above its feet
// the picture's top stands, and its colour. Its fading frames (15..18) have a
// cell of their own below the clash, apart from the clash's first layer, so
// each shows one whole figure.
struct FieldEnemyARow {
    std::int32_t frame, left, top, right, bottom, pivotX, lift;
    std::uint32_t colour;
};
inline constexpr FieldEnemyARow kFieldEnemyAFrames[] = {
    {1, 0, 81, 17, 101, 9, 21, 0xFFFFFFFFu},      {2, 0, 0, 76, 49, 39, 50, 0xFFFFFFFFu},
    {3, 77, 0, 152, 176, 38, 177, 0xFFFFFFFFu},   {4, 153, 0, 252, 136, 50, 137, 0xFFFFFFFFu},
    {5, 253, 0, 355, 136, 51, 137, 0xFFFFFFFFu},  {6, 356, 0, 463, 136, 54, 137, 0xFFFFFFFFu},
    {7, 463, 0, 527, 143, 32, 144, 0xFFFFFFFFu},  {9, 0, 180, 107, 308, 54, 128, 0xFFFFFFFFu},
    {10, 108, 180, 215, 317, 54, 137, 0xFFFFFFFFu}, {11, 216, 180, 303, 316, 45, 137, 0xFFFFFFFFu},
    {12, 304, 180, 441, 314, 94, 135, 0xFFFFFFFFu}, {13, 442, 180, 574, 314, 89, 135, 0xFFFFFFFFu},
    {14, 575, 180, 685, 356, 67, 176, 0xFFFFFFFFu}, {15, 0, 360, 64, 503, 32, 144, 0xFFFFFFFFu},
    {16, 0, 360, 64, 503, 32, 144, 0xDDDDDDDDu},   {17, 0, 360, 64, 503, 32, 144, 0xBBBBBBBBu},
    {18, 0, 360, 64, 503, 32, 144, 0x11111111u}, {19, 386, 642, 476, 779, 51, 137, 0xFFFFFFFFu},
    {20, 477, 642, 567, 779, 51, 137, 0xFFFFFFFFu},
};

// The field arena's enemy's frames.
struct ArenaEnemyRow {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY;
    std::uint32_t colour;
};
inline constexpr ArenaEnemyRow kArenaEnemyFrames[] = {
    {1, 0, 81, 17, 101, 9, 21, 0xCCFFFFFFu},       {2, 0, 0, 76, 49, 39, 50, 0xCCFFFFFFu},
    {3, 77, 0, 152, 176, 38, 177, 0xCCFFFFFFu},    {4, 153, 0, 252, 136, 50, 137, 0xCCFFFFFFu},
    {5, 257, 0, 320, 143, 32, 144, 0xCCFFFFFFu},   {6, 463, 0, 527, 143, 32, 144, 0xCCFFFFFFu},
    {8, 627, 0, 691, 143, 32, 143, 0xCCFFFFFFu},   {9, 627, 0, 691, 143, 32, 143, 0xDDDDDDDDu},
    {10, 627, 0, 691, 143, 32, 143, 0xBBBBBBBBu},  {11, 627, 0, 691, 143, 32, 143, 0xCC111111u},
    {12, 0, 180, 107, 308, 54, 128, 0xCCFFFFFFu},  {13, 108, 180, 215, 317, 54, 137, 0xCCFFFFFFu},
    {14, 216, 180, 303, 316, 45, 137, 0xCCFFFFFFu}, {15, 304, 180, 441, 314, 94, 135, 0xCCFFFFFFu},
    {16, 442, 180, 574, 314, 89, 135, 0xCCFFFFFFu}, {17, 575, 180, 685, 356, 67, 176, 0xCCFFFFFFu},
    {18, 255, 0, 321, 143, 67, 143, 0xCCFFFFFFu},  {19, 329, 0, 427, 142, 41, 142, 0xCCFFFFFFu},
};

// The field's teacher's frames (frame numbers 175 to 191); the picture hangs
// above the feet by the pivot y.
struct TeacherRow {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY;
};
inline constexpr TeacherRow kTeacherFrames[] = {
    {175, 0, 0, 46, 140, 23, 140},      {176, 47, 0, 91, 140, 21, 140},     {177, 92, 0, 136, 114, 21, 115},
    {178, 137, 0, 203, 94, 31, 95},     {179, 204, 0, 293, 68, 41, 69},     {180, 292, 0, 350, 101, 21, 100},
    {181, 351, 0, 460, 127, 54, 127},   {182, 461, 0, 529, 150, 21, 151},   {183, 0, 151, 118, 302, 49, 152},
    {184, 119, 148, 210, 302, 39, 154}, {185, 211, 148, 303, 302, 21, 154}, {186, 304, 148, 367, 302, 19, 154},
    {187, 368, 147, 457, 302, 55, 155}, {188, 0, 328, 76, 466, 23, 138},    {189, 77, 317, 240, 466, 65, 149},
    {190, 241, 326, 333, 466, 24, 140}, {191, 334, 326, 421, 466, 9, 140},
};

// The monster groups' frames.
struct MonsterFrameRow {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY;
};
inline constexpr MonsterFrameRow kMonsterFrames[] = {
    {1, 0, 0, 116, 103, 61, 104},      {2, 0, 104, 116, 206, 61, 103},    {3, 119, 0, 188, 209, 40, 209},
    {4, 190, 0, 325, 157, 58, 158},    {5, 0, 315, 148, 440, 59, 125},    {6, 156, 278, 298, 400, 49, 128},
    {7, 328, 0, 501, 143, 143, 143},   {8, 192, 159, 378, 277, 143, 118}, {9, 172, 414, 329, 549, 47, 136},
    {10, 298, 280, 374, 414, 30, 135}, {11, 490, 277, 612, 437, 77, 160}, {12, 613, 278, 763, 435, 155, 158},
    {13, 0, 209, 153, 312, 56, 104},   {14, 380, 145, 581, 262, 130, 118}, {15, 0, 444, 167, 583, 173, 139},
    {16, 585, 143, 734, 274, 193, 133}, {17, 507, 0, 587, 129, 37, 129},  {18, 590, 0, 682, 136, 42, 136},
    {19, 329, 437, 416, 516, 61, 80},
};

// The far field's three encounter actors' frames.
struct EncounterActorRow {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY;
};
// Actor 1's frame 6 (stepping out to watch her go) shows its standing row.
inline constexpr EncounterActorRow kEncounterActor1Frames[] = {
    {1, 78, 95, 97, 131, 8, 35},    {2, 99, 113, 122, 135, 2, 21},  {3, 125, 113, 151, 135, 22, 21},
    {4, 78, 136, 97, 156, 12, 18},  {5, 98, 136, 117, 156, 12, 18}, {6, 28, 157, 48, 177, 10, 20},
    {7, 28, 157, 48, 177, 10, 20},  {8, 0, 157, 27, 177, 17, 20},   {9, 78, 157, 96, 179, 9, 22},
    {10, 49, 157, 75, 179, 18, 22}, {11, 97, 157, 116, 177, 18, 20}, {12, 117, 157, 136, 177, 18, 20},
};
inline constexpr EncounterActorRow kEncounterActor2Frames[] = {
    {7, 30, 182, 50, 202, 10, 20},  {8, 0, 178, 29, 202, 19, 24},    {9, 82, 184, 101, 207, 9, 23},
    {10, 51, 180, 81, 206, 16, 27}, {11, 103, 181, 122, 204, 9, 20}, {12, 123, 181, 142, 204, 9, 20},
};
// Actor 3, empty-handed (look 1) and carrying a bomb (look 2).
inline constexpr EncounterActorRow kEncounterActor3Look1[] = {
    {7, 154, 138, 169, 158, 7, 20},
    {9, 154, 159, 169, 181, 7, 22},
    {11, 106, 208, 125, 228, 9, 20},
    {12, 126, 208, 145, 228, 9, 20},
};
inline constexpr EncounterActorRow kEncounterActor3Look2[] = {
    {1, 15, 207, 32, 234, 7, 27},   {2, 0, 213, 14, 234, 14, 21},  {3, 48, 207, 65, 235, 7, 28},
    {4, 33, 213, 47, 235, 14, 22},  {7, 170, 138, 185, 158, 7, 20}, {9, 170, 159, 185, 181, 7, 22},
    {11, 66, 208, 85, 228, 9, 20},  {12, 86, 208, 105, 228, 9, 20},
};

// The gatekeeper's frames 1 to 6: the left and right of its cell (every cell
// spans the sheet's height), the pivot x, and how far it stands from its
// place.
struct GatekeeperRow {
    std::int32_t left, right, centreX, dx;
};
inline constexpr std::int32_t kGatekeeperHeight = 137;
inline constexpr GatekeeperRow kGatekeeperFrames[6] = {{0, 53, 26, 0},    {54, 105, 26, 1},  {106, 158, 26, 0},
                                                       {159, 214, 26, 0}, {215, 274, 26, 0}, {275, 356, 52, 0}};

// Field enemy A's frame 8 and the arena enemy's frame 7 are two layers the
// pass places itself: the figure and a fainter copy behind it, each with
// its pivot x and how far above the feet its top stands.
struct LayerCell {
    std::int32_t left, top, right, bottom;
    float centreX;
    std::int32_t lift;
};
inline constexpr LayerCell kDashLayers[2] = {{658, 0, 710, 143, 32.0f, 144}, {527, 0, 626, 180, 49.0f, 180}};

}  // namespace era01_frames
