// The cells of the camp's picture D058 that the game cuts out: the
// character's frames, its tool, the prop, the fire place, the stars, the
// shooting star and the handed item. The draw passes place them; the picture
// generator draws a figure into each.
#pragma once

#include <cstdint>

namespace npc_scene_frames {

struct Cell {
    std::int32_t left, top, right, bottom;
};

// The character's frames: cell of D058 and the offset of its top-left
// corner from the character's feet (x + dx, y - dy).
struct ActorFrame {
    std::int32_t pose;
    Cell cell;
    std::int32_t dx, dy;
};
inline constexpr ActorFrame kActorFrames[] = {
    {1, {0, 0, 90, 77}, 0, 76},         {2, {0, 78, 90, 154}, 0, 74},
    {3, {0, 155, 90, 231}, 0, 74},      {4, {0, 232, 90, 308}, 0, 74},
    {5, {0, 309, 90, 385}, 0, 74},      {6, {0, 386, 90, 462}, 0, 74},
    {7, {90, 0, 180, 77}, 0, 74},       {8, {90, 78, 180, 154}, 0, 74},
    {9, {90, 155, 180, 231}, 0, 74},    {10, {90, 232, 180, 308}, 0, 73},
    {11, {90, 309, 180, 385}, 0, 74},   {12, {186, 0, 240, 99}, 26, 99},
    {13, {345, 252, 387, 408}, 26, 155}, {14, {185, 99, 254, 252}, 26, 153},
    {15, {399, 252, 438, 408}, 36, 155}, {16, {185, 252, 248, 408}, 26, 155},
    {17, {442, 252, 485, 408}, 36, 155}, {18, {245, 0, 341, 72}, 3, 72},
    {19, {264, 77, 358, 245}, 3, 168},  {20, {360, 118, 460, 248}, 37, 130},
    {21, {257, 251, 338, 386}, 32, 135}, {22, {370, 0, 457, 111}, 22, 111},
    {24, {90, 386, 180, 462}, 0, 75},   {25, {380, 411, 486, 507}, -23, 97},
};
// Pose 23 (the delivered object held up) is two cells, drawn by the pass.
inline constexpr std::int32_t kTwoCellPose = 23;
inline constexpr Cell kTwoCellUpper{264, 414, 358, 462};
inline constexpr Cell kTwoCellLower{264, 144, 358, 245};
inline constexpr std::int32_t kTwoCellDx = 3, kTwoCellUpperDy = 147, kTwoCellLowerDy = 100;

// The other pieces of the camp.
inline constexpr Cell kToolCell{181, 414, 237, 461};
inline constexpr Cell kFirePlaceCell{490, 243, 539, 279};
inline constexpr Cell kPropBackCell{490, 0, 716, 120};
inline constexpr Cell kPropFrontCell{490, 120, 716, 239};
inline constexpr Cell kShootingStarCell{623, 244, 656, 287};
inline constexpr Cell kHandedItemCell{471, 0, 486, 12};
// The shop's knife, on the heroine's sheet: four 10-px columns side by side,
// the last one the knife she wears (the strip of her sheet).
inline constexpr std::int32_t kKnifeFirstColumn = 428, kKnifeColumnStep = 12, kKnifeColumnCount = 4;
inline constexpr std::int32_t kKnifeTop = 863, kKnifeBottom = 906;
inline constexpr Cell kStarCells[4] = {
    {545, 244, 567, 258}, {592, 244, 601, 252}, {602, 244, 622, 252}, {545, 260, 564, 278},
};

}  // namespace npc_scene_frames
