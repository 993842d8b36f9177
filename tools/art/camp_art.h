// The Era03 camp's two pictures: the sheet of the merchant who camps there
// (his frames, his cooking pot, the tent, the fire place, the stars, the
// shooting star and the bowl he hands over), cut by the camp's frame table,
// and the night sky that fades in over the stage.
#pragma once

#include "tools/art/canvas.h"
#include "tools/picture_catalogue.h"

namespace art {

bool HasCampArt(int resourceId);
// Draws the whole picture (nothing of the base pattern stays).
void DrawCampArt(Canvas& c, const PictureInfo& info);

}  // namespace art
