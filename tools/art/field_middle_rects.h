// Rectangles of the field's middle pictures as its draw passes cut them: the
// arena enemy's prop and the turret with its shot (the figures are painted
// from the game's frame tables through the cell list).
#pragma once

#include <array>

#include "tools/hud_sprite_rects.h"

namespace art {

// Resource 162 (D026): the small thing it carries, held and lying, and its seed.
constexpr std::array<PictureRect, 3> kArenaFoePropRects{{{0, 110, 9, 135}, {10, 110, 35, 119}, {0, 81, 17, 101}}};
// Resource 176 (D040): the turret's base, head frames and its shot.
constexpr std::array<PictureRect, 6> kTurretRects{{
    {0, 0, 25, 48}, {26, 0, 51, 48}, {52, 0, 82, 58}, {83, 0, 114, 56}, {115, 0, 145, 57}, {146, 0, 218, 70}}};
constexpr std::array<PictureRect, 1> kTurretShotRects{{{0, 49, 20, 70}}};

// Resource 178 (D042): the two openings in the tower's tall piece where its
// lookouts stand once inside (the lower one shows the first on its floor at
// 616 and, in the piece's upper copy, the second at 451; the upper one the
// third at 287); see-through, so who shoots from the tower is seen.
constexpr std::array<PictureRect, 2> kTowerOpenings{{{227, 42, 265, 71}, {227, 206, 265, 235}}};

}  // namespace art
