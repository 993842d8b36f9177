// The tournament's pictures that show two at once or a prize: the first
// opponent holding the heroine (her grab, the blow that frees the heroine,
// the squeeze on the floor), and the prizes the first two rounds raise on
// the marker pole, a basket of apples and one of mushrooms.
#pragma once

#include "tools/art/canvas.h"
#include "tools/picture_catalogue.h"

namespace art {

bool HasTournamentArt(int resourceId);
// Paints its cells over what the figure painter left in them.
void DrawTournamentArt(Canvas& c, const PictureInfo& info);

}  // namespace art
