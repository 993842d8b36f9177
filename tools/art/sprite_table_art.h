// Figures drawn at the rectangles of the game's own sprite tables (the
// heroine's frames of both weapon modes, her sparks, streaks and worn strip,
// coins, bursts, flashes and the save-spot marker), so that every sprite the
// game cuts out shows what it stands for.
#pragma once

#include <vector>

#include "tools/art/canvas.h"
#include "tools/hud_sprite_rects.h"
#include "tools/picture_catalogue.h"

namespace art {

// True when the picture's figures come from the sprite tables.
bool HasSpriteTableArt(int resourceId);
// Draws the picture's table figures over what is there (a heroine sheet is
// cleared first: every part of it that the game shows is a table rectangle).
void DrawSpriteTableArt(Canvas& c, const PictureInfo& info);
// The rectangles the tables cut from the coins', bursts', flashes' and save
// marker's pictures, each painted as one thing (the heroine's and the home
// actors' sheets are listed cell by cell elsewhere).
std::vector<PictureRect> SpriteTablePieceRects(int resourceId);
// Whether the second outfit's back layer draws her blade beside the frame
// of this pose (the blade's cell drawn with the body, or her S thrust's
// blade in her own colour): that frame holds it in her hand.
bool BackLayerDrawsHerBlade(int pose);

}  // namespace art
