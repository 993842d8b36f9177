#include "tools/art/field_piece_art.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr int kBridge = 154, kBracket = 155, kWater = 156;

constexpr Rgb kPlank{150, 106, 64}, kPlankLit{186, 138, 86}, kPlankDark{96, 64, 38}, kRope{196, 176, 128},
    kStone{150, 142, 130}, kStoneDark{104, 98, 90};

// The stage draws the bridge from y 508; the heroine walks over it at y 590,
// the height of the two banks it rests on, so its deck starts at row 82.
constexpr int kDeckTop = 590 - 508;

void Bridge(Canvas& c) {
    const int w = c.width, deckBottom = c.height;
    // Deck: the plank ends facing us, a beam under them.
    FillRect(c, 0, kDeckTop, w, deckBottom, kPlank);
    FillRect(c, 0, kDeckTop, w, kDeckTop + 3, kPlankLit);
    for (int x = 0; x < w; x += 12) FillRect(c, x, kDeckTop + 3, x + 1, deckBottom - 4, kPlankDark);
    FillRect(c, 0, deckBottom - 4, w, deckBottom, kPlankDark);
    // Posts along the deck with a hand rope between their tops.
    const int railTop = kDeckTop - 40;
    for (int x = 4; x < w; x += 53) {
        FillRect(c, x, railTop, x + 6, kDeckTop, kPlankDark);
        FillRect(c, x + 1, railTop, x + 3, kDeckTop, kPlank);
    }
    for (int x = 0; x < w; ++x) {
        const float sag = 6.0f * std::sin(float((x - 4) % 53) / 53.0f * 3.14159f);
        Plot(c, x, railTop + 3 + int(sag), kRope);
        Plot(c, x, railTop + 4 + int(sag), Scale(kRope, 0.8f));
        Plot(c, x, railTop + 21 + int(sag * 0.6f), kRope);
    }
}

// Under the bridge's east end (drawn from y 580, 70 px of it over the
// river and 30 over the bank): a stone bracket that runs from the deck's
// underside back into the bank, narrowing as it goes down.
void Bracket(Canvas& c) {
    const float deck = float(590 - 580 + 12), bank = 70.0f;
    const float wedge[] = {0.0f, deck, float(c.width), deck, float(c.width), float(c.height), bank, float(c.height)};
    FillPolygon(c, wedge, 4, kStone);
    for (float y = deck + 14; y < float(c.height); y += 14) {
        const float left = (y - deck) / (float(c.height) - deck) * bank;
        FillRect(c, int(left), int(y), c.width, int(y) + 1, kStoneDark);
    }
    FillRect(c, 0, int(deck), c.width, int(deck) + 3, kStoneDark);
}

// The river's tiles: three bands of 26 rows, the phases of its ripple. The
// top row of tiles shows a band whole, with the bright surface along its
// first rows; the rows below show each band from its seventh row on.
void Water(Canvas& c) {
    for (int band = 0; band < 3; ++band) {
        const int top = 26 * band;
        VerticalGradient(c, 0, top, c.width, top + 26, Rgb{70, 136, 196}, Rgb{44, 100, 168});
        for (int x = 0; x < c.width; ++x) {
            // Waves of 25 px, so side by side tiles meet.
            const float phase = float(band) * 2.1f;
            const int crest = 2 + int(2.0f * std::sin(float(x) / 25.0f * 6.2832f + phase));
            FillRect(c, x, top, x + 1, top + crest, Rgb{150, 200, 236});
            FillRect(c, x, top + crest, x + 1, top + crest + 1, Rgb{214, 236, 250});
            if ((x + band * 8) % 25 < 7) Plot(c, x, top + 12 + (x / 25 + band) % 3 * 4, Rgb{120, 176, 222});
        }
    }
    FillRect(c, 0, 78, c.width, c.height, Rgb{44, 100, 168});
}

}  // namespace

bool HasFieldPieceArt(int resourceId) {
    return resourceId == kBridge || resourceId == kBracket || resourceId == kWater;
}

void DrawFieldPieceArt(Canvas& c, const PictureInfo& info) {
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    if (info.id == kBridge) Bridge(c);
    if (info.id == kBracket) Bracket(c);
    if (info.id == kWater) Water(c);
}

}  // namespace art
