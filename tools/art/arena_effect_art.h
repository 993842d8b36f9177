// The Era03 arena's fight effects on the fighters' own sheets: the shooter's
// (D092) slashes, wind-up and thrust streaks, the dust of her rush, the trail
// of her leap, the iron shot she throws and the bottle she tosses the heroine
// at the end; the third enemy's (D094) slash flashes, the glow round her
// muzzle, her glowing shot and the orb she charges, sends and bursts. The
// figure painter leaves these cells to the sheet's own painter.
#pragma once

#include "tools/art/canvas.h"
#include "tools/picture_catalogue.h"

namespace art {

bool HasArenaEffectArt(int resourceId);
// Clears and paints every effect cell of the sheet; the rest stays as it is.
void DrawArenaEffectArt(Canvas& c, const PictureInfo& info);

}  // namespace art
