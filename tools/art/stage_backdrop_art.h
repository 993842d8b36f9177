// The stage's far backdrop: the sky with the far plain under its horizon,
// the lone peak standing on that plain, the sun, the clouds and the cloud
// bank that hang above it. The stage draws them at fixed heights (the sky at
// the top of the screen, the peak from y 120, the cloud bank from y 0), so
// each picture is painted for the screen rows it covers.
#pragma once

#include "tools/art/canvas.h"
#include "tools/picture_catalogue.h"

namespace art {

// The screen row where the sky meets the far plain.
inline constexpr int kHorizonY = 392;
// Where the stage draws the peak's picture (its top row on the screen).
inline constexpr int kPeakTopY = 120;

// The sky picture's colour at a screen row: sky above the horizon, the far
// plain below it.
Rgb SkyRowColour(int screenY);

void DrawStageSky(Canvas& c);
// The far shapes: "PEAK", "SUN", "CLOUD" and "CLOUD BANK".
void DrawStageFarShape(Canvas& c, const PictureInfo& info);

}  // namespace art
