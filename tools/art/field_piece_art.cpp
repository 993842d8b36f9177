#include "tools/art/field_piece_art.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {

namespace {

constexpr int kBridge = 154, kBracket = 155, kWater = 156, kMushroomShop = 160;
// The sealed gate in the cliff by the lift and the passage behind it.
constexpr int kGateWall = 165, kGateRightPost = 166, kGateSeal = 167, kGateLeftPost = 169, kPassageLantern = 173,
              kRuneStone = 174;

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

// The mushroom seller's shop behind the spot where he bars the way to his
// mushroom field: a house shaped like a mushroom, its red cap over a cream
// stem with a door and a window, a signboard with a mushroom on it and small
// mushrooms at its foot. The stage draws it from y 383, so the ground (y 640)
// is its row 257; its foot goes on to the bottom, under the ground's edge.
void MushroomShop(Canvas& c) {
    const int ground = 640 - 383;
    const Rgb stem{236, 222, 188}, stemShade{204, 186, 150}, cap{196, 54, 46}, capDark{150, 36, 34},
        spot{248, 240, 226}, wood{130, 86, 50}, woodDark{86, 56, 32}, glass{250, 226, 140};
    // The cap's dome first, its lower half cleared again: the stem stands in it.
    FillEllipse(c, 128.0f, 118.0f, 126.0f, 112.0f, capDark);
    FillEllipse(c, 128.0f, 114.0f, 121.0f, 106.0f, cap);
    for (const auto& [x, y, r] : {std::array<float, 3>{70, 52, 16}, {128, 30, 13}, {184, 58, 18},
                                  {110, 88, 11}, {226, 98, 9}, {30, 96, 9}, {156, 96, 8}})
        FillEllipse(c, x, y, r, r * 0.8f, spot);
    FillRect(c, 0, 118, c.width, c.height, kTransparent);
    // The stem: a little wider at its foot.
    const float wall[] = {70.0f, 118.0f, 188.0f, 118.0f, 204.0f, float(c.height), 54.0f, float(c.height)};
    FillPolygon(c, wall, 4, stem);
    const float shade[] = {170.0f, 118.0f, 188.0f, 118.0f, 204.0f, float(c.height), 184.0f, float(c.height)};
    FillPolygon(c, shade, 4, stemShade);
    // The door with a round top, and its knob and step.
    FillRect(c, 108, 196, 148, ground, woodDark);
    FillEllipse(c, 128.0f, 196.0f, 20.0f, 16.0f, woodDark);
    FillRect(c, 111, 198, 145, ground, wood);
    FillEllipse(c, 128.0f, 198.0f, 17.0f, 13.0f, wood);
    for (int x = 119; x < 145; x += 9) FillRect(c, x, 190, x + 1, ground, woodDark);
    FillDisc(c, 139.0f, 228.0f, 2.0f, Rgb{230, 196, 90});
    FillRect(c, 100, ground - 3, 156, c.height, Rgb{150, 142, 130});
    // A round window, lit.
    FillDisc(c, 84.0f, 172.0f, 15.0f, woodDark);
    FillDisc(c, 84.0f, 172.0f, 11.5f, glass);
    FillRect(c, 83, 160, 85, 184, woodDark);
    FillRect(c, 72, 171, 96, 173, woodDark);
    // The cap's rim, casting a shadow on the stem.
    FillRect(c, 70, 132, 188, 138, stemShade);
    const float rim[] = {2.0f, 114.0f, 254.0f, 114.0f, 236.0f, 132.0f, 20.0f, 132.0f};
    FillPolygon(c, rim, 4, capDark);
    // The signboard on a post, with a mushroom painted on it.
    FillRect(c, 225, 196, 230, ground + 2, woodDark);
    FillRect(c, 206, 170, 250, 200, woodDark);
    FillRect(c, 208, 172, 248, 198, Rgb{226, 204, 160});
    FillEllipse(c, 228.0f, 184.0f, 12.0f, 8.0f, cap);
    FillRect(c, 215, 184, 242, 190, Rgb{226, 204, 160});
    FillRect(c, 225, 184, 232, 194, stem);
    FillDisc(c, 223.0f, 180.0f, 2.0f, spot);
    // Small mushrooms at the foot.
    for (const auto& [x, r] : {std::array<float, 2>{22, 9}, {40, 6}, {238, 7}, {252, 5}}) {
        FillRect(c, int(x - r * 0.35f), int(float(ground) - r * 1.2f), int(x + r * 0.35f) + 1, ground + 1, stem);
        FillEllipse(c, x, float(ground) - r * 1.2f, r, r * 0.7f, cap);
        FillRect(c, int(x - r), int(float(ground) - r * 1.2f) + 1, int(x + r) + 1, int(float(ground) - r * 0.5f),
                 kTransparent);
        FillRect(c, int(x - r * 0.35f), int(float(ground) - r * 1.2f) + 1, int(x + r * 0.35f) + 1, ground + 1, stem);
    }
}


// ---- the sealed gate in the cliff

constexpr Rgb kGateStone{206, 204, 186}, kGateStoneLit{232, 230, 214}, kGateStoneDark{150, 146, 130},
    kGateJoint{96, 92, 84}, kGateCarve{70, 66, 62}, kRune{150, 236, 250}, kGateMoss{96, 150, 80};

// A course of dressed stone blocks over a rectangle.
void StoneCourses(Canvas& c, int l, int t, int r, int b, int course, int block, int seed) {
    FillRect(c, l, t, r, b, kGateStone);
    for (int y = t, row = 0; y < b; y += course, ++row) {
        FillRect(c, l, y, r, y + 1, kGateJoint);
        FillRect(c, l, y + 1, r, y + 2, kGateStoneLit);
        const int off = row % 2 ? block / 2 : 0;
        for (int x = l + off; x < r; x += block) FillRect(c, x, y, x + 1, std::min(b, y + course), kGateJoint);
    }
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            if (Noise(x / 2, y / 2, 40u + seed) > 0.9f) c.Put(x, y, Solid(Scale(c.At(x, y), 0.9f)));
}

// The wall of the passage through the cliff, four times side by side; the
// first stands in the gate's niche. The colour it is drawn in breathes
// between a fifth and three fifths of its light, so it is painted light
// and its carvings deep. A frieze of runes on top, a stone ledge along the
// wall at the height the field's teacher stands on (y 528, row 138), and
// under it a great sealed door of two stone leaves carved with a round
// seal across their seam; the rest plain courses of stone.
void GateWall(Canvas& c) {
    const int w = c.width, h = c.height, ledge = 138;
    StoneCourses(c, 0, 0, w, h, 26, 52, 1);
    // The frieze: a band of runes between two mouldings.
    FillRect(c, 0, 40, w, 44, kGateCarve);
    FillRect(c, 0, 100, w, 104, kGateCarve);
    FillRect(c, 0, 44, w, 100, kGateStoneDark);
    for (int k = 0; k * 34 + 10 < w; ++k) {
        const float x = float(k * 34 + 17), y = 72.0f;
        Ring(c, x, y, 12.0f, 2.5f, kGateCarve);
        const int g = k % 3;
        if (g == 0) Line(c, x - 7, y + 7, x + 7, y - 7, 2.5f, kRune);
        if (g == 1) { Line(c, x, y - 8, x, y + 8, 2.5f, kRune); Line(c, x - 6, y, x + 6, y, 2.5f, kRune); }
        if (g == 2) FillDisc(c, x, y, 4.0f, kRune);
    }
    // The ledge: a lit top, its face, and its shadow on the wall below.
    FillRect(c, 0, ledge, w, ledge + 4, kGateStoneLit);
    FillRect(c, 0, ledge + 4, w, ledge + 14, kGateStoneDark);
    FillRect(c, 0, ledge + 14, w, ledge + 20, kGateJoint);
    for (int x = 8; x < w; x += 44) FillRect(c, x, ledge + 4, x + 1, ledge + 14, kGateJoint);
    // The sealed door under the ledge, from its lintel down to the floor.
    const int dl = 14, dr = 166, dt = 164, mid = (dl + dr) / 2;
    FillRect(c, dl - 8, dt - 12, dr + 8, h, kGateStoneDark);
    FillRect(c, dl - 8, dt - 12, dr + 8, dt - 8, kGateStoneLit);
    FillRect(c, dl, dt, dr, h, Scale(kGateStone, 0.92f));
    for (const int x : {dl, mid - 1, dr - 2}) FillRect(c, x, dt, x + 2, h, kGateCarve);
    for (const int y : {dt + 30, h - 30}) {
        FillRect(c, dl + 8, y, mid - 8, y + 2, kGateCarve);
        FillRect(c, mid + 8, y, dr - 8, y + 2, kGateCarve);
    }
    // The seal across the seam: rings and a star of runes that glow.
    const float sx = float(mid), sy = float(dt + 86);
    Ring(c, sx, sy, 44.0f, 4.0f, kGateCarve);
    Ring(c, sx, sy, 32.0f, 2.5f, kRune);
    Ring(c, sx, sy, 14.0f, 3.0f, kGateCarve);
    for (int k = 0; k < 8; ++k) {
        const float a = float(k) * 0.7853982f;
        Line(c, sx + std::cos(a) * 16.0f, sy + std::sin(a) * 16.0f, sx + std::cos(a) * 30.0f,
             sy + std::sin(a) * 30.0f, 2.0f, kRune);
        FillDisc(c, sx + std::cos(a) * 38.0f, sy + std::sin(a) * 38.0f, 2.5f, kRune);
    }
    FillDisc(c, sx, sy, 6.0f, kRune);
    // Ring handles, one on each leaf.
    for (const float x : {float(mid - 24), float(mid + 24)}) {
        Ring(c, x, float(dt + 150), 7.0f, 2.0f, kGateCarve);
        FillDisc(c, x, float(dt + 143), 2.5f, kGateCarve);
    }
}

// A stone post of the gate's niche (or the cliff's edge beside it): dressed
// blocks with a lit and a shaded side, moss in its joints.
void GatePost(Canvas& c, bool litLeft) {
    const int w = c.width, h = c.height;
    StoneCourses(c, 0, 0, w, h, 30, 60, w);
    FillRect(c, litLeft ? 0 : w - 3, 0, litLeft ? 3 : w, h, kGateStoneLit);
    FillRect(c, litLeft ? w - 3 : 0, 0, litLeft ? w : 3, h, kGateStoneDark);
    for (int y = 30; y < h; y += 90) FillRect(c, 1, y - 2, w - 1, y + 1, kGateMoss);
}

// The seal plate on the gate (its upper cell): a bronze disc with a glowing
// rune; under it a small iron lamp of the passage.
void GateSeal(Canvas& c) {
    const Rgb bronze{190, 140, 70}, bronzeDark{120, 84, 40};
    FillDisc(c, 12.5f, 13.0f, 11.5f, bronzeDark);
    FillDisc(c, 12.5f, 13.0f, 9.5f, bronze);
    Ring(c, 12.5f, 13.0f, 6.0f, 1.5f, bronzeDark);
    Line(c, 12.5f, 8.0f, 12.5f, 18.0f, 2.0f, kRune);
    Line(c, 8.5f, 13.0f, 16.5f, 13.0f, 2.0f, kRune);
    // The lamp: a bracket from the wall and a lit lantern.
    const Rgb iron{70, 70, 80};
    FillRect(c, 2, 30, 17, 32, iron);
    FillRect(c, 8, 32, 10, 36, iron);
    FillRect(c, 4, 36, 15, 50, iron);
    FillRect(c, 6, 38, 13, 48, Rgb{255, 214, 110});
    FillRect(c, 3, 50, 16, 53, iron);
}

// The passage's great lantern. The stage hangs this picture from the upper
// walk's ledge (its rows 9 to 23 lie over the ledge's edge, y 528 to 542) and
// its foot comes 150 px short of the floor, so it is a lantern on a chain: an
// iron bracket bolted to the ledge's face, a hook and a chain down from it,
// and the lantern at the chain's end, lit from within.
void PassageLantern(Canvas& c) {
    const Rgb iron{60, 60, 70}, ironLit{104, 104, 118}, glass{255, 214, 110}, flame{255, 248, 214};
    const float cx = 29.5f;
    // The bracket on the ledge's face, two bolts in it.
    FillRect(c, 23, 9, 36, 22, iron);
    FillRect(c, 23, 9, 36, 10, ironLit);
    FillDisc(c, 26.0f, 15.5f, 1.2f, ironLit);
    FillDisc(c, 33.0f, 15.5f, 1.2f, ironLit);
    // The hook under it and the chain's links, one across, one edge on.
    FillRect(c, 28, 22, 31, 26, iron);
    FillRect(c, 29, 26, 30, 46, iron);
    Ring(c, cx, 28.0f, 2.2f, 1.2f, iron);
    for (int y = 31; y < 44; y += 6) {
        Ring(c, cx, float(y) + 1.5f, 1.8f, 1.0f, iron);
        FillRect(c, 29, y + 3, 30, y + 6, ironLit);
    }
    // The lantern: a ring and a hood, the lit panes in their frame, a foot.
    Ring(c, cx, 45.0f, 1.6f, 1.0f, iron);
    const float hood[] = {26.0f, 46.0f, 33.0f, 46.0f, 40.0f, 52.0f, 19.0f, 52.0f};
    FillPolygon(c, hood, 4, iron);
    FillRect(c, 19, 51, 40, 53, ironLit);
    FillRect(c, 20, 53, 39, 70, iron);
    FillRect(c, 22, 55, 38, 68, glass);
    FillEllipse(c, cx, 62.5f, 2.6f, 4.2f, flame);
    for (const int x : {25, 34}) FillRect(c, x, 55, x + 1, 68, Scale(iron, 1.2f));
    const float foot[] = {19.0f, 70.0f, 40.0f, 70.0f, 36.0f, 73.0f, 23.0f, 73.0f};
    FillPolygon(c, foot, 4, iron);
    FillRect(c, 28, 73, 31, 75, iron);
}

// A standing rune stone of the passage: a rough slab with a glowing rune in
// its upper left, which the niche's wall shows again on its own.
void RuneStone(Canvas& c) {
    const int w = c.width, h = c.height;
    const float slab[] = {2, float(h), 3, 10, 10, 2, float(w - 10), 3, float(w - 2), 12, float(w - 1), float(h)};
    FillPolygon(c, slab, 6, kGateStoneDark);
    const float face[] = {5, float(h), 6, 12, 12, 5, float(w - 12), 6, float(w - 5), 14, float(w - 4), float(h)};
    FillPolygon(c, face, 6, kGateStone);
    Ring(c, 12.0f, 24.0f, 8.0f, 2.0f, kGateCarve);
    Line(c, 12.0f, 17.0f, 12.0f, 31.0f, 2.0f, kRune);
    Line(c, 6.0f, 24.0f, 18.0f, 24.0f, 2.0f, kRune);
    FillDisc(c, 12.0f, 42.0f, 3.0f, kRune);
    for (int y = 52; y < h - 4; y += 7) Line(c, 10.0f, float(y), float(w - 10), float(y + 1), 1.5f, kGateCarve);
}

}  // namespace

bool HasFieldPieceArt(int resourceId) {
    return resourceId == kBridge || resourceId == kBracket || resourceId == kWater || resourceId == kMushroomShop ||
           resourceId == kGateWall || resourceId == kGateRightPost || resourceId == kGateSeal ||
           resourceId == kGateLeftPost || resourceId == kPassageLantern || resourceId == kRuneStone;
}

void DrawFieldPieceArt(Canvas& c, const PictureInfo& info) {
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    if (info.id == kBridge) Bridge(c);
    if (info.id == kBracket) Bracket(c);
    if (info.id == kWater) Water(c);
    if (info.id == kMushroomShop) MushroomShop(c);
    if (info.id == kGateWall) GateWall(c);
    if (info.id == kGateRightPost) GatePost(c, false);
    if (info.id == kGateLeftPost) GatePost(c, true);
    if (info.id == kGateSeal) GateSeal(c);
    if (info.id == kPassageLantern) PassageLantern(c);
    if (info.id == kRuneStone) RuneStone(c);
}

}  // namespace art
