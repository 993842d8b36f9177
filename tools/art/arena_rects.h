// Rectangles of the arena's pictures as the arena's draw passes and frame
// tables cut them: the stands, the centre stage, the crowd, the banners and
// the lift on the arena sheet, and the first opponent's frames on hers.
#pragma once

#include <array>

#include "tools/hud_sprite_rects.h"

namespace art {

// Resource 180 (D044): seats, seat rows, the empty seats and the railings.
constexpr std::array<PictureRect, 4> kArenaStandRects{{
    {249, 219, 336, 301}, {46, 133, 133, 193}, {0, 162, 35, 193}, {46, 195, 132, 218}}};
// The centre stage, its lintel and floor, and the platform's pieces.
constexpr std::array<PictureRect, 4> kArenaStageRects{{
    {338, 0, 627, 482}, {338, 482, 627, 520}, {0, 387, 253, 472}, {0, 473, 253, 485}}};
// The crowd: four poses of three kinds of spectator.
constexpr std::array<PictureRect, 12> kArenaCrowdRects{{
    {321, 303, 337, 332}, {303, 303, 317, 338}, {280, 303, 303, 338}, {258, 303, 279, 331},
    {321, 339, 337, 365}, {303, 339, 317, 374}, {280, 339, 303, 374}, {258, 339, 279, 364},
    {321, 377, 337, 406}, {303, 377, 317, 411}, {280, 377, 303, 411}, {258, 377, 279, 405}}};
// The four round banners, the lift's platform halves, rail, wheel and
// latches, its signs and the gate pieces.
constexpr std::array<PictureRect, 4> kArenaBannerRects{{
    {301, 0, 327, 32}, {301, 34, 327, 64}, {301, 66, 327, 102}, {301, 106, 327, 142}}};
constexpr std::array<PictureRect, 8> kArenaLiftRects{{
    {196, 109, 292, 211}, {59, 94, 290, 108}, {221, 1, 248, 27}, {212, 1, 220, 28},
    {61, 111, 119, 132}, {120, 111, 188, 127}, {0, 132, 20, 159}, {22, 132, 43, 159}}};
// Resource 181 (D045): the first opponent, one figure per frame.
constexpr std::array<PictureRect, 33> kRound1OpponentRects{{
    {0, 0, 49, 136},     {50, 0, 111, 136},    {112, 0, 161, 136},   {162, 0, 271, 121},   {272, 0, 342, 134},
    {343, 0, 406, 134},  {407, 0, 460, 127},   {461, 0, 525, 120},   {254, 137, 436, 183}, {438, 128, 520, 239},
    {115, 228, 189, 327}, {0, 228, 113, 331},  {190, 228, 237, 309}, {253, 185, 386, 259}, {243, 290, 367, 333},
    {387, 240, 496, 267}, {387, 271, 491, 346}, {0, 332, 115, 384},  {116, 328, 214, 399}, {216, 334, 329, 416},
    {330, 347, 447, 426}, {0, 401, 120, 524},  {121, 419, 285, 518}, {448, 348, 516, 491}, {615, 317, 683, 460},
    {526, 0, 651, 146},  {517, 310, 615, 425}, {441, 492, 602, 587}, {286, 428, 419, 502}, {286, 503, 440, 559},
    {288, 560, 419, 585}, {224, 587, 281, 623}, {283, 587, 340, 623}}};

}  // namespace art
