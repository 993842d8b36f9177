// The tournament arena's standing structure on its sheet (resource 180): the
// stands' parts, which the arena stacks column by column into tiers from the
// roof down to the ground, and the centre stage, a tall gate from the top of
// the screen down to its base, with the platform that is lowered inside it.
// Every part is painted edge to edge, so the stacked columns stand as one
// solid structure. Also the sheet's other pieces: the west door's slabs, the
// marker pole, the round banners, the lift with its railing, beam, wheels,
// latches and signs, the gate's bar holder, and the approach east of the far
// field's tower (its landing, lamps, hedge and clipped tree).
#pragma once

#include "tools/art/canvas.h"
#include "tools/picture_catalogue.h"

namespace art {

bool HasArenaStandArt(int resourceId);
// Paints the stand and stage parts over whatever the sheet holds there.
void DrawArenaStandArt(Canvas& c, const PictureInfo& info);

}  // namespace art
