// Filling the pending sprite for the encounters' frame tables: one sheet,
// a source rectangle with its centre, a world point and the rest as given.
#pragma once

#include <cstdint>

#include "core/pending_sprite.h"
#include "core/player.h"

template <typename Rect>
void PutFigureSprite(std::int32_t sheet, const Rect& r, float cx, float cy, std::int32_t x, std::int32_t y,
                     float depth, std::int32_t facing, std::int32_t angle, std::uint32_t colour, float scale) {
    PendingSpriteRecord& s = PendingSprite;
    s.gno = sheet;
    SetPendingSpriteSource(r);
    s.pivotX = cx;
    s.pivotY = cy;
    s.posX = x - ScrollX;
    s.posY = y;
    s.depth = depth;
    s.facing = facing;
    s.angle = angle;
    s.colour = colour;
    s.scale = scale;
}
