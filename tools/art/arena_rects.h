// Rectangles of the arena's pictures as the arena's draw passes cut them:
// the stands, the centre stage, the banners, the door, the lift and the
// approach's pieces on the arena sheet,
// and the things on the opponents' sheets (the opponents themselves and the
// crowd are painted from the game's frame tables through the cell list).
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
// The four round banners.
constexpr std::array<PictureRect, 4> kArenaBannerRects{{
    {301, 0, 327, 32}, {301, 34, 327, 64}, {301, 66, 327, 102}, {301, 106, 327, 142}}};
// The lift that carries the heroine to the arena: a railing half (drawn
// twice, once mirrored), the beam under them, a wheel, a latch bolt, its two
// signs, and the two pieces of the gate's bar holder.
constexpr std::array<PictureRect, 8> kArenaLiftRects{{
    {196, 109, 292, 211}, {59, 94, 290, 108}, {221, 1, 248, 27}, {212, 1, 220, 28},
    {61, 111, 119, 132}, {120, 111, 188, 127}, {0, 132, 20, 159}, {22, 132, 43, 159}}};
// The west door's stack: its cap, a slab (drawn four times, a 9-row strip of
// it once more) and its foot; and the marker pole the tournament raises.
constexpr PictureRect kArenaDoorCap{253, 0, 294, 11}, kArenaDoorSlab{253, 11, 294, 55},
    kArenaDoorFoot{253, 56, 294, 74}, kArenaMarkerPole{133, 134, 168, 218};
// The crowns over the west gate's column and, mirrored at the gate, over the
// east gate's.
constexpr std::array<PictureRect, 2> kArenaGateCrownRects{{{0, 219, 247, 301}, {0, 303, 246, 385}}};
// The approach east of the far field's tower: the landing the lamps stand
// on, a hedge, a clipped tree, and the lamps (unlit, then the lit pair).
constexpr PictureRect kApproachLanding{46, 35, 253, 92}, kApproachHedge{46, 0, 190, 33},
    kApproachTree{0, 0, 45, 91};
constexpr std::array<PictureRect, 3> kApproachLamps{{{0, 93, 13, 131}, {15, 93, 34, 131}, {36, 93, 55, 131}}};

// Resource 184 (D047): the glow of the third opponent's afterimages, and the
// point of it the draw places on the afterimage (blown up 10 and 30 times).
constexpr std::array<PictureRect, 1> kRound3GlowRects{{{964, 753, 1022, 811}}};
constexpr float kRound3GlowCentreX = 30, kRound3GlowCentreY = 31;
// Resource 178 (D042): the floor slab that slides out of the far field's
// tower and of the arena's gate; its top row is drawn on the line the small
// actors stand on (the tower's floors, the gate's ledge).
constexpr PictureRect kTowerFloorSlab{0, 237, 75, 262};
// Resource 185 (D048): the five pieces of the fourth opponent's debris burst.
constexpr std::array<PictureRect, 5> kRound4DebrisRects{{
    {782, 0, 786, 5}, {782, 7, 789, 12}, {782, 14, 790, 20}, {782, 22, 790, 30}, {782, 32, 792, 40}}};

}  // namespace art
