// The Era04 scenery sheets drawn piece by piece from the stage's own tables:
// walls, doors, lamps and flames, the trap room's tiles and chains, the two
// halls, the entrance plants and gate, and the final section's frames.
#pragma once

#include <vector>

#include "tools/art/canvas.h"
#include "tools/hud_sprite_rects.h"
#include "tools/picture_catalogue.h"

namespace art {

// True for the sheets the Era04 scenery lists cut.
bool HasEra04SceneryArt(int resourceId);
// Draws every piece of the sheet into a cleared picture.
void DrawEra04SceneryArt(Canvas& c, const PictureInfo& info);
// The rectangles of the stage's pieces on the picture, each painted as one
// thing.
std::vector<PictureRect> Era04SceneryPieceRects(int resourceId);

// The clerk's wares on her own sheet (encounter C): the red and the blue
// loaf she hands over, and the crystal she offers in its three twinkles.
void DrawEncounterCWares(Canvas& c);

}  // namespace art
