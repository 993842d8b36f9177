// Rectangles of the HUD gauge and frames, the pulsing markers, the loading
// screen, the fifth title figure and the item spinner.
#pragma once

#include "core/sprites/sprite_rect.h"

namespace hud_table {

// Graphic 103 (picture 103): gauge frame (cut at max HP + 3 px, or a tenth of
// it above 500), its end cap, the normal fill and the one-in-ten fill.
inline constexpr SpriteRect kGaugeFrame{0, 0, 503, 12};
inline constexpr SpriteRect kGaugeCap{503, 0, 506, 12};
inline constexpr SpriteRect kGaugeFill{0, 12, 500, 18};
inline constexpr SpriteRect kGaugeTenthFill{0, 19, 500, 24};
// Graphic 102 (picture 102): the low-HP fill (30 px), the HUD text frame and
// the three lamps of the frame-time meter (slow, middling, smooth).
inline constexpr SpriteRect kLowFill{55, 16, 85, 22};
inline constexpr SpriteRect kHudFrame{0, 0, 142, 14};
inline constexpr std::int32_t kMeterColumns[3] = {0, 18, 36};
inline constexpr SpriteRect kMeterLamps[3] = {{0, 14, 13, 27}, {18, 14, 31, 27}, {36, 14, 49, 27}};
// The five HUD frames' y, top to bottom (x 43).
inline constexpr std::int32_t kHudFrameY[5] = {29, 43, 57, 71, 85};

// Graphic 439 (D039): the pulsing marker's dim and bright columns.
inline constexpr SpriteRect kMarkerDim{127, 79, 144, 103};
inline constexpr SpriteRect kMarkerBright{146, 79, 163, 103};
inline constexpr SpritePivot kMarkerPivot{10, 24};

// Graphic 301 (C001): the two loading panels and the ten letter strips.
inline constexpr SpriteRect kLoadingFirstPanel{0, 58, 376, 115};
inline constexpr SpriteRect kLoadingSecondPanel{0, 0, 376, 57};
inline constexpr SpriteRect kLoadingLetters[10] = {
    {22, 120, 49, 153},   {55, 120, 86, 153},   {90, 120, 127, 153},  {148, 120, 172, 153},
    {175, 120, 206, 153}, {210, 120, 240, 153}, {244, 120, 272, 153}, {276, 120, 286, 153},
    {291, 120, 318, 153}, {324, 120, 354, 153},
};
inline constexpr std::int32_t kLoadingPanelX = 322, kLoadingPanelY = 342, kLoadingLetterY = 352;

// Graphic 213: the title figure's ten frames, 53 px apart, standing on (26, 67).
constexpr SpriteRect TitleFigureFrame(int n) { return {53 * (n - 1), 0, 53 * n - 1, 67}; }
inline constexpr SpritePivot kTitleFigurePivot{26, 67};

// Graphic 417 (D017): the item spinner's two frames.
inline constexpr SpriteRect kSpinner[2] = {{0, 0, 23, 24}, {24, 0, 47, 24}};
inline constexpr std::int32_t kSpinnerX = 253, kSpinnerY = 203;

}  // namespace hud_table
