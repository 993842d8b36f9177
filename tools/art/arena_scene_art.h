// The Era03 arena's intro sheet (D054): the camp where the arena's first two
// enemies wait, cut by the scene sprite table of the arena's intro. The woman
// who shoots and the big man sit facing each other on their seats and stand
// up from them, the camp's things stand between them, a palisade fences the
// camp in at its back, and the hazard post rises from its foot crackling.
#pragma once

#include "tools/art/canvas.h"
#include "tools/picture_catalogue.h"

namespace art {

bool HasArenaSceneArt(int resourceId);
// Draws the whole picture: nothing outside the cells the table cuts stays.
void DrawArenaSceneArt(Canvas& c, const PictureInfo& info);

}  // namespace art
