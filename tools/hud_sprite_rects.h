// Source rectangles of the HUD, the loading screen, the title figures, the
// item spinner and the pulsing markers, in picture pixels (right and bottom
// exclusive). The sprite setups cut exactly these pieces out of the pictures,
// so the picture generator draws one figure into each of them.
//
// Plain constexpr data with no dependencies, so the game's own sprite table
// can include it (or take it over) later.
#pragma once

#include <array>

struct PictureRect {
    int left;
    int top;
    int right;
    int bottom;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool operator==(const PictureRect&) const = default;
};

// Picture 102 (graphic 102): five HUD frames share one frame picture; the
// low-HP gauge fill (up to 30 HP, one pixel per HP); the frame-time meter
// lamps of the three frame-rate classes (slow, middling, smooth).
constexpr PictureRect kHudFrameRect{0, 0, 142, 14};
constexpr PictureRect kHudLowFillRect{55, 16, 85, 22};
constexpr std::array<PictureRect, 3> kHudMeterRects{{{0, 14, 13, 27}, {18, 14, 31, 27}, {36, 14, 49, 27}}};

// Picture 103 (graphic 103): the gauge frame, cut at max HP + 3 pixels, its
// right end cap, the normal fill (one pixel per HP up to 500) and the fill of
// the one-in-ten gauge used above 500 max HP.
constexpr PictureRect kGaugeFrameRect{0, 0, 503, 12};
constexpr PictureRect kGaugeCapRect{503, 0, 506, 12};
constexpr PictureRect kGaugeFillRect{0, 12, 500, 18};
constexpr PictureRect kGaugeTenthFillRect{0, 19, 500, 24};

// Picture 104 (graphic 301): the loading panels and the ten letter strips
// that light up in turn over the second panel (at panel x = strip left,
// panel y = 10).
constexpr PictureRect kLoadingFirstPanelRect{0, 58, 376, 115};
constexpr PictureRect kLoadingSecondPanelRect{0, 0, 376, 57};
constexpr int kLoadingLetterPanelY = 10;
constexpr std::array<PictureRect, 10> kLoadingLetterRects{{
    {22, 120, 49, 153}, {55, 120, 86, 153}, {90, 120, 127, 153}, {148, 120, 172, 153},
    {175, 120, 206, 153}, {210, 120, 240, 153}, {244, 120, 272, 153}, {276, 120, 286, 153},
    {291, 120, 318, 153}, {324, 120, 354, 153},
}};
// The strips spell this, one letter each.
constexpr char kLoadingLetters[] = "NOWLOADING";

// Picture 117 (graphic 213): ten frames of the small title figure, 53 pixels
// apart, each standing on its bottom edge (pivot 26, 67).
constexpr std::array<PictureRect, 10> kTitleFigureRects{{
    {0, 0, 52, 67}, {53, 0, 105, 67}, {106, 0, 158, 67}, {159, 0, 211, 67}, {212, 0, 264, 67},
    {265, 0, 317, 67}, {318, 0, 370, 67}, {371, 0, 423, 67}, {424, 0, 476, 67}, {477, 0, 529, 67},
}};

// Picture 153 (D017, graphic 417): the two frames of the item spinner.
constexpr std::array<PictureRect, 2> kSpinnerRects{{{0, 0, 23, 24}, {24, 0, 47, 24}}};

// Picture 175 (D039, graphic 439): the pulsing marker, dim and bright frames
// (pivot 10, 24: the marker points down at its place).
constexpr std::array<PictureRect, 2> kMarkerRects{{{127, 79, 144, 103}, {146, 79, 163, 103}}};
