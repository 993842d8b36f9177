// The field's river crossing: the bridge the heroine walks over at the
// height of the banks, the stone bracket that carries its east end out of
// the bank, and the water far below, whose animated tiles show its ripples;
// and the mushroom seller's shop where he bars the way.
#pragma once

#include "tools/art/canvas.h"
#include "tools/picture_catalogue.h"

namespace art {

bool HasFieldPieceArt(int resourceId);
// Paints the whole picture (its base pattern does not stay).
void DrawFieldPieceArt(Canvas& c, const PictureInfo& info);

}  // namespace art
