#include "tools/art/era04_scenery_art.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "areas/era04_encounters/encounter_c_frames.h"
#include "areas/era04_stage/final_section_frames.h"
#include "areas/finale/ending_frames.h"
#include "areas/era04_stage/scenery_pieces.h"

namespace art {

namespace {

using era04_pieces::Look;

constexpr float kPi = 3.14159265f;

struct Box {
    float l, t, r, b;
    float W() const { return r - l; }
    float H() const { return b - t; }
    float Cx() const { return (l + r) * 0.5f; }
    float Cy() const { return (t + b) * 0.5f; }
};

constexpr Rgb kStone{132, 128, 140}, kMortar{78, 74, 88}, kTimber{118, 80, 48}, kIron{70, 72, 84},
    kGold{232, 196, 96}, kLeaf{70, 150, 72}, kStemGreen{92, 132, 60}, kHall{62, 70, 104},
    kLampLight{250, 220, 140}, kBlueLight{110, 160, 255};

// What a piece of the final section shows besides the shared looks.
enum class FinalShape { None, Hedge, Crystal, Lintel, LintelEnd, Garland };

struct Cut {
    SpriteRect rect;
    Look look;
    int variant;
    Rgb glow = kLampLight;   // the colour of a Look::Glow piece
    FinalShape shape = FinalShape::None;
};

void StoneBlocks(Canvas& c, Box b, Rgb stone, int seed) {
    FillRect(c, int(b.l), int(b.t), int(b.r), int(b.b), kMortar);
    const float rowH = std::clamp(b.H() / 14.0f, 10.0f, 36.0f);
    int row = 0;
    for (float y = b.t; y < b.b; y += rowH, ++row) {
        const float blockW = std::max(8.0f, rowH * 2.2f);
        for (float x = b.l - (row % 2) * blockW * 0.5f; x < b.r; x += blockW) {
            const float shade = 0.85f + 0.3f * Noise(int(x), int(y), static_cast<std::uint32_t>(seed));
            FillRect(c, int(std::max(b.l, x + 1)), int(y + 1), int(std::min(b.r, x + blockW - 1)),
                     int(std::min(b.b, y + rowH - 1)), Solid(Scale(stone, shade)));
        }
    }
}

// The gate's upper storey stands out past the wall under it on the right:
// its lowest courses step back to that wall one after another, each course
// resting on the one below, the underside of every step in shadow.
void GateCorbels(Canvas& c, Box b, float wallRight) {
    const float over = b.r - wallRight;
    const float course = std::clamp(b.H() / 14.0f, 10.0f, 36.0f);   // the courses StoneBlocks lays
    constexpr int kSteps = 3;
    for (int k = 0; k < kSteps; ++k) {
        const float bottom = b.b - course * float(k), top = bottom - course;
        const float reach = wallRight + over * float(k + 1) / float(kSteps + 1);
        const float above = wallRight + over * float(k + 2) / float(kSteps + 1);
        FillRect(c, int(reach), int(top), int(b.r), int(bottom), kTransparent);
        FillRect(c, int(reach), int(top - 3), int(k + 1 < kSteps ? above : b.r), int(top), Rgb{88, 80, 74});
    }
}

void Planks(Canvas& c, Box b, bool across) {
    FillRect(c, int(b.l), int(b.t), int(b.r), int(b.b), kTimber);
    const float n = std::max(2.0f, (across ? b.H() : b.W()) / 14.0f);
    for (int i = 1; i < int(n); ++i) {
        const float f = float(i) / n;
        if (across)
            Line(c, b.l, b.t + b.H() * f, b.r, b.t + b.H() * f, 1.5f, Scale(kTimber, 0.6f));
        else
            Line(c, b.l + b.W() * f, b.t, b.l + b.W() * f, b.b, 1.5f, Scale(kTimber, 0.6f));
    }
    FrameRect(c, int(b.l), int(b.t), int(b.r), int(b.b), std::max(2, int(std::min(b.W(), b.H()) / 10)), kIron);
}

void Flame(Canvas& c, Box b, int frame, int layer) {
    const Rgb outer = layer == 0 ? Rgb{230, 90, 30} : layer == 1 ? Rgb{250, 160, 40} : Rgb{255, 236, 140};
    const float sway = std::sin(float(frame) * kPi / 4.0f) * b.W() * 0.15f;
    const float w = b.W() * (0.45f - 0.08f * float(layer));
    const float tip[] = {b.Cx() + sway, b.t + 2, b.Cx() + w, b.b - b.H() * 0.3f, b.Cx(), b.b - 1,
                         b.Cx() - w, b.b - b.H() * 0.3f};
    FillPolygon(c, tip, 4, outer);
    FillEllipse(c, b.Cx(), b.b - b.H() * 0.25f, w, b.H() * 0.22f, outer);
}

// A wall torch: the flame burns in the upper part of the cell, out of an
// iron cup on a wooden shaft held to the wall by a bracket (a ring and its
// plate). The game draws the three layers over each other, so the torch is
// the same in every layer and frame and only the flame moves.
void Torch(Canvas& c, Box b, int frame, int layer) {
    const float flameBottom = b.t + b.H() * 0.66f;
    Flame(c, Box{b.l + 2, b.t, b.r - 2, flameBottom}, frame, layer);
    const float x = b.Cx(), cup = flameBottom - 3;
    const Rgb wood{104, 70, 40}, ironLight{120, 122, 136};
    const float shaft[] = {x - 2.0f, cup, x + 2.0f, cup, x + 1.0f, b.b - 4, x - 1.0f, b.b - 4};
    FillPolygon(c, shaft, 4, wood);
    const float bowl[] = {x - 5.0f, cup - 1, x + 5.0f, cup - 1, x + 3.0f, cup + 4, x - 3.0f, cup + 4};
    FillPolygon(c, bowl, 4, kIron);
    FillRect(c, int(x - 5), int(cup - 1), int(x + 5), int(cup), ironLight);
    FillRect(c, int(x - 3), int(b.b - 9), int(x + 3), int(b.b - 7), kIron);     // the ring
    FillRect(c, int(x - 4), int(b.b - 5), int(x + 4), int(b.b - 1), kIron);     // the wall plate
    FillRect(c, int(x - 3), int(b.b - 4), int(x - 2), int(b.b - 3), ironLight);  // its rivets
    FillRect(c, int(x + 2), int(b.b - 4), int(x + 3), int(b.b - 3), ironLight);
}

// A round light, brightest in the middle and fading smoothly to its rim:
// the game draws some of them many times their size, where rings of
// stepped shades would show.
void Glow(Canvas& c, Box b, Rgb colour) {
    const float rx = b.W() * 0.5f, ry = b.H() * 0.5f;
    for (int y = int(b.t); y < int(b.b); ++y)
        for (int x = int(b.l); x < int(b.r); ++x) {
            const float dx = (float(x) + 0.5f - b.Cx()) / rx, dy = (float(y) + 0.5f - b.Cy()) / ry;
            const float f = std::sqrt(dx * dx + dy * dy);
            if (f >= 1.0f) continue;
            Plot(c, x, y, Solid(Scale(colour, 1.1f - f * 0.6f)));
        }
}

void Chain(Canvas& c, Box b) {
    const float link = std::max(6.0f, b.W() * 0.8f);
    for (float y = b.t; y < b.b; y += link * 0.8f)
        Ring(c, b.Cx(), y + link * 0.4f, std::min(b.W() * 0.4f, link * 0.4f), 2.0f, Rgb{150, 150, 160});
}

// A floor tile of the trap room, a stone slab on its hinge pin: a lit top
// face, the shaded front of the slab with its chisel marks, the iron pin at
// its middle it tips on. A broken one is cracked through, a corner gone.
// A floating platform: a slab of dressed stone whose lit top face is the
// cell's first rows (the rider's feet rest on the cell's top edge), two
// courses of blocks under it, and below the slab's foot a tapering carved
// keel that hangs in the air. The slab alone fills the shorter frame the
// platform drops in.
void FloatingPlatform(Canvas& c, Box b) {
    constexpr float kSlab = 40;   // the dropping frame's height
    const float foot = b.t + kSlab;
    FillRect(c, int(b.l), int(b.t), int(b.r), int(foot), kStone);
    VerticalGradient(c, int(b.l), int(b.t), int(b.r), int(b.t + 6), Rgb{206, 202, 216}, Rgb{170, 166, 182});
    FillRect(c, int(b.l), int(b.t + 6), int(b.r), int(b.t + 7), kMortar);
    const float course = b.t + 7 + (kSlab - 10) / 2;
    FillRect(c, int(b.l), int(course), int(b.r), int(course + 1), kMortar);
    for (float x = b.l + 30; x < b.r - 4; x += 30) FillRect(c, int(x), int(b.t + 7), int(x + 1), int(course), kMortar);
    for (float x = b.l + 15; x < b.r - 4; x += 30) FillRect(c, int(x), int(course), int(x + 1), int(foot - 3), kMortar);
    FillRect(c, int(b.l), int(b.t + 7), int(b.l + 2), int(foot), Scale(kStone, 1.15f));
    FillRect(c, int(b.r - 2), int(b.t + 7), int(b.r), int(foot), Scale(kStone, 0.75f));
    FillRect(c, int(b.l), int(foot - 3), int(b.r), int(foot), Scale(kStone, 0.6f));
    // The keel under the slab, narrowing to a rounded point.
    const float keel[] = {b.l + 6, foot, b.r - 6, foot, b.Cx() + 8, b.b - 3, b.Cx() - 8, b.b - 3};
    FillPolygon(c, keel, 4, Scale(kStone, 0.62f));
    const float lit[] = {b.l + 6, foot, b.Cx(), foot, b.Cx(), b.b - 3, b.Cx() - 8, b.b - 3};
    FillPolygon(c, lit, 4, Scale(kStone, 0.78f));
    FillDisc(c, b.Cx(), b.b - 4, 3, Rgb{150, 190, 255});
}

void Tile(Canvas& c, Box b, bool broken) {
    const float top = b.t + b.H() * 0.6f, face = top + 3;
    const Rgb stone{150, 140, 128};
    VerticalGradient(c, int(b.l), int(face), int(b.r), int(b.b), Scale(stone, 0.85f), Scale(stone, 0.6f));
    FillRect(c, int(b.l), int(top), int(b.r), int(face), Scale(stone, 1.3f));
    for (int x = int(b.l) + 3; x < int(b.r) - 2; x += 5) Plot(c, x, int(face) + 3 + (x % 3), Solid(Scale(stone, 0.55f)));
    FrameRect(c, int(b.l), int(top), int(b.r), int(b.b), 1, kMortar);
    FillDisc(c, b.Cx(), (face + b.b) * 0.5f, 2.0f, kIron);
    if (broken) {
        Line(c, b.l + b.W() * 0.3f, top, b.Cx() + 2, b.b - 1, 1.5f, kMortar);
        const float chip[] = {b.r - b.W() * 0.3f, top, b.r, top, b.r, top + 6};
        FillPolygon(c, chip, 3, kTransparent);
    }
}

void Plant(Canvas& c, Box b, Look look, int variant) {
    switch (look) {
        case Look::Foot: {
            const float pot[] = {b.l + b.W() * 0.15f, b.t + b.H() * 0.4f, b.r - b.W() * 0.15f, b.t + b.H() * 0.4f,
                                 b.r - b.W() * 0.25f, b.b - 1, b.l + b.W() * 0.25f, b.b - 1};
            FillPolygon(c, pot, 4, Rgb{150, 90, 60});
            FillEllipse(c, b.Cx(), b.t + b.H() * 0.35f, b.W() * 0.4f, b.H() * 0.3f, kLeaf);
            break;
        }
        case Look::Stem:
            FillRect(c, int(b.Cx() - b.W() * 0.15f), int(b.t), int(b.Cx() + b.W() * 0.15f), int(b.b), kStemGreen);
            break;
        case Look::Stalk:
            Line(c, b.Cx(), b.t, b.Cx() + std::sin(float(variant)) * b.W() * 0.2f, b.b, std::max(3.0f, b.W() * 0.18f),
                 kStemGreen);
            break;
        case Look::Fruit:
            FillDisc(c, b.Cx(), b.Cy(), std::min(b.W(), b.H()) * 0.46f, Rgb{210, 60, 50});
            FillDisc(c, b.Cx() - b.W() * 0.12f, b.Cy() - b.H() * 0.15f, std::min(b.W(), b.H()) * 0.12f,
                     Rgb{250, 170, 150});
            break;
        default: {
            const Rgb leaf = Mix(kLeaf, Hsv(90.0f + 12.0f * float(variant), 0.6f, 0.55f), 0.4f);
            FillEllipse(c, b.Cx(), b.Cy(), b.W() * 0.48f, b.H() * 0.45f, leaf);
            Line(c, b.l + 2, b.Cy(), b.r - 2, b.Cy(), 1.5f, Scale(leaf, 0.6f));
            break;
        }
    }
}

// A clipped hedge of the castle garden: a block of leaves with a level top
// along the cell's top row (the queen stands on it where she lands),
// shaded darker to its foot.
// The hedges grow in stone planters whose rim is the raised walk by the
// queen's place: 59 px above the floor, where she and the heroine fight.
constexpr float kPlanterRise = 59;

void Hedge(Canvas& c, Box b, int variant) {
    const Rgb leaf = Mix(kLeaf, Hsv(90.0f + 12.0f * float(variant), 0.6f, 0.55f), 0.4f);
    const float round = std::min(10.0f, b.W() * 0.1f);
    const float rim = b.b - 1 - kPlanterRise;
    VerticalGradient(c, int(b.l + round), int(b.t + 1), int(b.r - round), int(rim), Scale(leaf, 1.1f), Scale(leaf, 0.75f));
    VerticalGradient(c, int(b.l + 1), int(b.t + round), int(b.r - 1), int(rim), Scale(leaf, 1.05f), Scale(leaf, 0.75f));
    FillDisc(c, b.l + round, b.t + round, round - 1, Scale(leaf, 1.08f));
    FillDisc(c, b.r - round, b.t + round, round - 1, Scale(leaf, 1.08f));
    // The clipped top face, lit, and the leaves' texture.
    FillRect(c, int(b.l + round), int(b.t + 1), int(b.r - round), int(b.t + 5), Scale(leaf, 1.3f));
    for (int y = int(b.t + 7); y < int(rim) - 2; y += 5)
        for (int x = int(b.l + 4) + (y / 5 % 2) * 3; x < int(b.r) - 4; x += 7)
            if (Noise(x, y, static_cast<std::uint32_t>(variant)) < 0.5f) FillDisc(c, float(x), float(y), 1.6f, Scale(leaf, 0.8f));
    // The planter: a lit coping stone along the rim, then its face of
    // dressed blocks down to the floor.
    const Rgb stone{150, 144, 136};
    FillRect(c, int(b.l), int(rim), int(b.r), int(rim + 5), Scale(stone, 1.3f));
    FillRect(c, int(b.l), int(rim + 5), int(b.r), int(rim + 6), Scale(stone, 0.55f));
    VerticalGradient(c, int(b.l + 2), int(rim + 6), int(b.r - 2), int(b.b), Scale(stone, 0.95f), Scale(stone, 0.6f));
    for (float y = rim + 6 + 17; y < b.b - 3; y += 17) FillRect(c, int(b.l + 2), int(y), int(b.r - 2), int(y + 1), Scale(stone, 0.5f));
    int course = 0;
    for (float y = rim + 6; y < b.b - 3; y += 17, ++course)
        for (float x = b.l + 2 + (course % 2) * 18 + 18; x < b.r - 6; x += 36)
            FillRect(c, int(x), int(y), int(x + 1), int(std::min(y + 17, b.b - 1)), Scale(stone, 0.5f));
}

// The arbour over the garden's far end is a carved stone beam laid in
// pieces along the top of the room, ivy along its top edge; its end piece
// ends in a rounded capital.
void Lintel(Canvas& c, Box b, bool end) {
    const float top = b.t + b.H() * 0.35f, bottom = b.b - 2;
    const Rgb stone{176, 168, 156};
    VerticalGradient(c, int(b.l), int(top), int(b.r), int(bottom), Scale(stone, 1.1f), Scale(stone, 0.7f));
    FillRect(c, int(b.l), int(top), int(b.r), int(top + 3), Scale(stone, 1.3f));
    FillRect(c, int(b.l), int(bottom - 8), int(b.r), int(bottom - 6), Scale(stone, 0.6f));
    for (float x = b.l + 8; x < b.r - 6; x += 16) FillDisc(c, x, (top + bottom) * 0.5f - 2, 3.0f, Scale(stone, 0.8f));
    if (end) {
        FillEllipse(c, b.l + b.W() * 0.22f, (top + bottom) * 0.5f, b.W() * 0.2f, (bottom - top) * 0.55f, Scale(stone, 1.15f));
        Ring(c, b.l + b.W() * 0.22f, (top + bottom) * 0.5f, b.W() * 0.12f, 2.0f, Scale(stone, 0.7f));
    }
    // The ivy along its top, leaves on a trailing stem.
    for (float x = b.l + 3; x < b.r - 3; x += 7) {
        const float y = top - 3 - 3 * std::sin(x * 0.3f);
        FillEllipse(c, x, y, 5.0f, 3.5f, Scale(kLeaf, 0.8f + 0.3f * Noise(int(x), 3, 9)));
    }
}

// A garland hanging from the beam (the game turns these pieces upside down,
// so it hangs from the piece's bottom edge up): a trailing vine with pale
// flower clusters, longer by variant.
void Garland(Canvas& c, Box b, int variant) {
    const float len = b.H() * (0.6f + 0.08f * float(variant % 4));
    for (int k = 0; k < 3; ++k) {
        const float x0 = b.l + b.W() * (0.25f + 0.25f * float(k));
        const float l = len * (k == 1 ? 1.0f : 0.75f);
        float px = x0, py = b.b - 1;
        for (int i = 1; i <= 10; ++i) {
            const float t = float(i) / 10.0f;
            const float x = x0 + std::sin(t * 5.0f + float(k + variant)) * 4.0f, y = b.b - 1 - l * t;
            Line(c, px, py, x, y, 1.5f, kStemGreen);
            if (i % 2 == 0) {
                FillEllipse(c, x + 3, y, 3.0f, 2.0f, kLeaf);
                FillEllipse(c, x + 2, y - 0.5f, 1.5f, 1.0f, Scale(kLeaf, 1.35f));
            } else {
                FillEllipse(c, x - 3, y, 2.5f, 1.8f, Scale(kLeaf, 0.75f));
            }
            px = x;
            py = y;
        }
        // The flowers gather toward the free end.
        for (int i = 0; i < 5; ++i) {
            const float y = b.b - 1 - l * (0.65f + 0.07f * float(i));
            FillDisc(c, px + float(i % 2 * 4 - 2), y, 3.0f, Rgb{168, 132, 214});
            FillDisc(c, px + float(i % 2 * 4 - 2) - 0.5f, y - 0.5f, 2.2f, Rgb{214, 186, 240});
            FillDisc(c, px + float(i % 2 * 4 - 2) - 1, y - 1, 1.0f, Rgb{246, 236, 255});
        }
    }
}

// Encounter C's back pieces stand high over the dark hall with nothing
// under them, so they are banners: a long cloth of the queen's purple,
// gold-bordered, her crown on it, cut to a swallowtail, hung from an iron
// rod by two chains that rise to the cell's top and fade into the dark the
// hall's ceiling is lost in.
void HallBanner(Canvas& c, Box b) {
    const float rodY = b.t + b.H() * 0.17f, clothL = b.l + b.W() * 0.25f, clothR = b.r - b.W() * 0.25f;
    const float cx = b.Cx(), tail = b.b - 10, notch = tail - b.H() * 0.1f;
    // The chains, links face on and edge on in turn, darker the higher
    // they go.
    for (float x : {clothL - 8, clothR + 8}) {
        int k = 0;
        for (float y = rodY - 4; y > b.t - 4; y -= 5, ++k) {
            const float light = 0.2f + 0.8f * std::clamp((y - b.t) / (rodY - b.t), 0.0f, 1.0f);
            const Rgb iron = Solid(Scale(Rgb{150, 150, 168}, light));
            if (k % 2 == 0) Ring(c, x, y, 3.0f, 1.5f, iron);
            else Line(c, x, y - 3, x, y + 3, 2.0f, iron);
        }
    }
    // The cloth, its folds shaded, and its gold border.
    const float cloth[] = {clothL, rodY + 3, clothR, rodY + 3, clothR, tail, cx, notch, clothL, tail};
    constexpr Rgb kCloth{92, 50, 124}, kFold{74, 38, 102};
    FillPolygon(c, cloth, 5, kCloth);
    for (int x0 = int(clothL) + 6; x0 < int(clothR) - 6; x0 += 26)
        for (int y = int(rodY + 3); y < int(tail); ++y)
            for (int x = x0; x < x0 + 10; ++x)
                if (c.Inside(x, y) && c.At(x, y) == kCloth) c.Put(x, y, kFold);
    Line(c, clothL + 3, rodY + 3, clothL + 3, tail - 3, 4.0f, kGold);
    Line(c, clothR - 3, rodY + 3, clothR - 3, tail - 3, 4.0f, kGold);
    Line(c, clothL + 3, tail - 3, cx, notch - 2, 4.0f, kGold);
    Line(c, clothR - 3, tail - 3, cx, notch - 2, 4.0f, kGold);
    // The crown: a band, three points, a jewel on each.
    const float crownY = rodY + b.H() * 0.28f, w = (clothR - clothL) * 0.3f;
    FillRect(c, int(cx - w), int(crownY), int(cx + w), int(crownY + 12), kGold);
    const float points[] = {cx - w, crownY, cx - w, crownY - 22, cx - w * 0.5f, crownY - 8, cx, crownY - 30,
                            cx + w * 0.5f, crownY - 8, cx + w, crownY - 22, cx + w, crownY};
    FillPolygon(c, points, 7, kGold);
    for (float x : {cx - w, cx, cx + w}) FillDisc(c, x, crownY - (x == cx ? 30.0f : 22.0f), 3.5f, Rgb{220, 60, 80});
    FillDisc(c, cx, crownY + 6, 3.0f, Rgb{110, 170, 240});
    // The rod across the top, a gilt knob at each end.
    FillRect(c, int(clothL - 16), int(rodY - 3), int(clothR + 16), int(rodY + 3), kIron);
    FillRect(c, int(clothL - 16), int(rodY - 3), int(clothR + 16), int(rodY - 2), Rgb{128, 132, 150});
    for (float x : {clothL - 18, clothR + 18}) FillDisc(c, x, rodY, 5.0f, kGold);
}

// The crystal that floats in the light at the room's middle: a tall cut
// stone pointed at both ends, its facets pale blue and white.
void Crystal(Canvas& c, Box b) {
    const float x = b.Cx(), w = b.W() * 0.46f, top = b.t + 1, bottom = b.b - 1, h = bottom - top;
    const float shoulder = top + h * 0.28f, hip = bottom - h * 0.28f;
    // Its six faces: the long sides lit from the left, the two points
    // brighter still, split down the middle ridge.
    const float farSide[] = {x, top, x + w, shoulder, x + w, hip, x, bottom};
    FillPolygon(c, farSide, 4, Rgb{96, 160, 236});
    const float nearSide[] = {x, top, x, bottom, x - w, hip, x - w, shoulder};
    FillPolygon(c, nearSide, 4, Rgb{150, 208, 255});
    const float upperPoint[] = {x, top, x - w, shoulder, x, shoulder + h * 0.08f};
    FillPolygon(c, upperPoint, 3, Rgb{214, 240, 255});
    const float lowerPoint[] = {x, bottom, x + w, hip, x, hip - h * 0.08f};
    FillPolygon(c, lowerPoint, 3, Rgb{70, 130, 214});
    Line(c, x, top + 1, x, bottom - 1, 1.0f, Rgb{236, 248, 255});
    Line(c, x - w, shoulder, x, shoulder + h * 0.08f, 1.0f, Rgb{236, 248, 255});
    Line(c, x, shoulder + h * 0.08f, x + w, shoulder, 1.0f, Rgb{180, 220, 255});
    FillDisc(c, x - w * 0.45f, shoulder + h * 0.12f, std::max(1.5f, w * 0.14f), Rgb{255, 255, 255});
}

// ---------------------------------------------------------- the trap room --

constexpr Rgb kPlank{150, 104, 62}, kPlankDark{98, 64, 36}, kPlankLight{192, 146, 96}, kIronLight{128, 132, 150};

// A board of wood along the box, its grain in fine darker lines, lit along
// its top edge and shaded along its bottom one.
void Board(Canvas& c, Box b, Rgb wood, int seed) {
    VerticalGradient(c, int(b.l), int(b.t), int(b.r), int(b.b), Scale(wood, 1.08f), Scale(wood, 0.86f));
    for (int y = int(b.t) + 2; y < int(b.b) - 1; y += 3)
        for (int x = int(b.l) + 1; x < int(b.r) - 1; ++x)
            if (Noise(x / 6, y, static_cast<std::uint32_t>(seed)) < 0.22f) Plot(c, x, y, Solid(Scale(wood, 0.8f)));
    FillRect(c, int(b.l), int(b.t), int(b.r), int(b.t) + 1, Scale(wood, 1.25f));
    FillRect(c, int(b.l), int(b.b) - 1, int(b.r), int(b.b), Scale(wood, 0.6f));
}

void Rivet(Canvas& c, float x, float y) {
    FillDisc(c, x, y, 1.6f, kIron);
    Plot(c, int(x) - 1, int(y) - 1, kIronLight);
}

// A chain's top link: the chains hang in front of the bare wall, so each is
// held by an iron plate riveted to it, with an eye under the plate that the
// first link hangs from.
void ChainTop(Canvas& c, Box b) {
    const float x = b.Cx();
    FillRect(c, int(x - 8), int(b.t), int(x + 9), int(b.t + 6), Scale(kIron, 0.8f));
    FillRect(c, int(x - 8), int(b.t), int(x + 9), int(b.t + 1), kIronLight);
    FillRect(c, int(x - 8), int(b.t + 5), int(x + 9), int(b.t + 6), Scale(kIron, 0.55f));
    Rivet(c, x - 5.0f, b.t + 3.0f);
    Rivet(c, x + 6.0f, b.t + 3.0f);
    Ring(c, x + 0.5f, b.t + 8.5f, 3.5f, 2.0f, kIron);
    Chain(c, Box{b.l, b.t + 10, b.r, b.b});
}

// A wooden crate standing on the floor: planks across, a frame of darker
// battens round its face with a brace from corner to corner, iron corners.
void Crate(Canvas& c, Box b, int seed) {
    const float plank = std::max(8.0f, b.H() / 4.0f);
    int k = 0;
    for (float y = b.t; y < b.b; y += plank, ++k)
        Board(c, Box{b.l, y, b.r, std::min(b.b, y + plank - 1)}, Scale(kPlank, 0.94f + 0.08f * float(k % 2)), seed + k);
    const float bat = std::max(4.0f, b.W() * 0.07f);
    for (const Box& e : {Box{b.l, b.t, b.l + bat, b.b}, Box{b.r - bat, b.t, b.r, b.b}, Box{b.l, b.t, b.r, b.t + bat},
                         Box{b.l, b.b - bat, b.r, b.b}})
        Board(c, e, kPlankDark, seed + 7);
    Line(c, b.l + bat, b.b - bat - 1, b.r - bat, b.t + bat + 1, bat * 0.8f, Scale(kPlankDark, 1.1f));
    Line(c, b.l + bat, b.b - bat - 1 - bat * 0.3f, b.r - bat, b.t + bat + 1 - bat * 0.3f, 1.0f, kPlankLight);
    for (float x : {b.l, b.r - bat - 2})
        for (float y : {b.t, b.b - bat - 2}) {
            FillRect(c, int(x), int(y), int(x + bat + 2), int(y + bat + 2), kIron);
            Rivet(c, x + (bat + 2) * 0.5f, y + (bat + 2) * 0.5f);
        }
}

// The rack of spare discs, like the ones the room's guardian throws, fixed
// to the wall behind the floor: two posts and three open shelves, the discs
// standing on edge in rows, the wall showing between them. Wall furniture,
// it stands behind whoever crosses the room rather than about her feet, as
// a cart on its wheels on her own floor would.
void DiscRack(Canvas& c, Box b) {
    const float post = std::max(5.0f, b.W() * 0.05f);
    const float shelf = 4.0f;
    const float levels[3] = {b.t + b.H() * 0.36f, b.t + b.H() * 0.68f, b.b - shelf};
    // The discs first, each shelf's row on edge, the posts and boards over
    // their ends.
    for (int row = 0; row < 3; ++row) {
        const float top = row == 0 ? b.t + 6.0f : levels[row - 1] + shelf + 1.0f;
        const float r = (levels[row] - top) * 0.5f, cy = levels[row] - r;
        // Leaning one on the next: each disc's face half hidden by the one
        // in front of it, its rim and its hole showing.
        for (float x = b.l + post + r + float(row % 2) * 3.0f; x < b.r - post - r * 0.6f; x += r * 1.1f) {
            FillEllipse(c, x, cy, r * 0.8f, r, Rgb{52, 58, 72});
            FillEllipse(c, x, cy, r * 0.8f - 1.5f, r - 1.5f, Rgb{176, 184, 202});
            FillEllipse(c, x - r * 0.2f, cy - r * 0.35f, r * 0.25f, r * 0.2f, Rgb{236, 240, 250});
            FillEllipse(c, x, cy, r * 0.2f, r * 0.25f, Rgb{52, 58, 72});
        }
    }
    for (int row = 0; row < 3; ++row) {
        Board(c, Box{b.l, levels[row], b.r, levels[row] + shelf}, kPlank, 11 + row);
        FillRect(c, int(b.l), int(levels[row]), int(b.r), int(levels[row] + 1), kPlankLight);
    }
    for (const float x : {b.l, b.r - post}) {
        Board(c, Box{x, b.t, x + post, b.b}, kPlankDark, 7);
        for (const float y : {b.t + 4.0f, b.b - 6.0f}) Rivet(c, x + post * 0.5f, y);
    }
    // A board across the top, bolted to the wall.
    Board(c, Box{b.l, b.t, b.r, b.t + 5.0f}, kPlankDark, 3);
    for (float x = b.l + 12.0f; x < b.r - 8.0f; x += 30.0f) Rivet(c, x, b.t + 2.5f);
}

// The winch on the wall where the ceiling's chains are worked from: an
// iron plate bolted under the beam line, a wooden drum wound with chain on
// its bracket, and the crank.
void Winch(Canvas& c, Box b) {
    FillRect(c, int(b.l + 4), int(b.t), int(b.r - 4), int(b.t + 9), kIron);
    FillRect(c, int(b.l + 4), int(b.t), int(b.r - 4), int(b.t + 2), kIronLight);
    for (float x = b.l + 10; x < b.r - 8; x += 15) Rivet(c, x, b.t + 5);
    const float drumY = b.t + b.H() * 0.5f, drumR = b.H() * 0.24f;
    for (float x : {b.l + 12, b.r - 12}) FillRect(c, int(x - 3), int(b.t + 8), int(x + 3), int(drumY + 4), kIron);
    // The drum, a wooden cylinder lying across, lit along its top.
    VerticalGradient(c, int(b.l + 14), int(drumY - drumR), int(b.r - 14), int(drumY), kPlankLight, kPlank);
    VerticalGradient(c, int(b.l + 14), int(drumY), int(b.r - 14), int(drumY + drumR), kPlank, kPlankDark);
    FillRect(c, int(b.l + 14), int(drumY - drumR), int(b.l + 17), int(drumY + drumR), kIron);
    FillRect(c, int(b.r - 17), int(drumY - drumR), int(b.r - 14), int(drumY + drumR), kIron);
    // The chain wound round it, link beside link across its middle.
    for (float x = b.l + 20; x < b.r - 20; x += 5) Ring(c, x, drumY, 2.5f, 1.2f, Rgb{170, 172, 184});
    FillDisc(c, b.r - 12, drumY, 4.0f, kIron);
    Line(c, b.r - 12, drumY, b.r - 5, b.b - 12, 3.0f, kIron);
    FillRect(c, int(b.r - 8), int(b.b - 14), int(b.r - 2), int(b.b - 4), kPlankDark);
    // The line leaves the drum along the ceiling toward the chains.
    Line(c, b.r - 18, drumY + drumR, b.r - 1, drumY + drumR, 2.0f, Rgb{170, 172, 184});
}

// The guardian's workbench at the room's far end: a heavy top on square
// legs, a vice at its end, a great cogwheel stood on it beside a spare arm
// and the tools, and parts on the shelf below.
void Workbench(Canvas& c, Box b) {
    const float top = b.t + b.H() * 0.45f, thick = 12.0f, shelf = b.b - b.H() * 0.2f;
    // Under the top: legs, the shelf and what lies on it.
    for (float x : {b.l + 8, b.l + b.W() * 0.5f - 4, b.r - 20})
        Board(c, Box{x, top + thick, x + 12, b.b}, Scale(kPlankDark, 1.1f), int(x));
    Board(c, Box{b.l + 6, shelf, b.r - 6, shelf + 8}, kPlank, 5);
    for (float x = b.l + 26; x < b.r - 30; x += 22) {
        FillDisc(c, x, shelf - 7, 7.0f, Scale(kIron, 1.1f));
        FillDisc(c, x, shelf - 7, 2.5f, Scale(kIron, 0.7f));
    }
    // The cogwheel standing on the top, teeth all round.
    const float gr = std::min((top - b.t - 8.0f) * 0.5f, b.W() * 0.18f);
    const float gx = b.l + b.W() * 0.62f, gy = top - gr - 1;
    for (int k = 0; k < 12; ++k) {
        const float a = float(k) * kPi / 6.0f;
        Line(c, gx, gy, gx + std::cos(a) * (gr + 4), gy + std::sin(a) * (gr + 4), 6.0f, Scale(kIron, 1.2f));
    }
    FillDisc(c, gx, gy, gr, Scale(kIron, 1.25f));
    FillDisc(c, gx, gy, gr * 0.75f, Scale(kIron, 0.95f));
    for (int k = 0; k < 5; ++k) {
        const float a = float(k) * 2.0f * kPi / 5.0f;
        FillDisc(c, gx + std::cos(a) * gr * 0.45f, gy + std::sin(a) * gr * 0.45f, gr * 0.15f, Scale(kIron, 0.6f));
    }
    FillDisc(c, gx, gy, gr * 0.2f, kIronLight);
    // A spare arm of the guardian, brass plates and a jointed hand.
    const Rgb brass{188, 140, 76};
    Line(c, b.l + 22, top - 6, b.l + 70, top - 14, 9.0f, brass);
    Line(c, b.l + 70, top - 14, b.l + 92, top - 4, 7.0f, Scale(brass, 0.9f));
    FillDisc(c, b.l + 70, top - 14, 5.0f, Scale(brass, 0.7f));
    FillDisc(c, b.l + 94, top - 4, 4.0f, Scale(brass, 1.1f));
    // A hammer and a wrench at the far end.
    Line(c, b.r - 50, top - 3, b.r - 22, top - 3, 3.0f, kPlank);
    FillRect(c, int(b.r - 26), int(top - 10), int(b.r - 18), int(top), kIron);
    // The top, with a vice clamped at its left end.
    Board(c, Box{b.l + 2, top, b.r - 2, top + thick}, kPlankLight, 9);
    FillRect(c, int(b.l + 2), int(top - 14), int(b.l + 16), int(top), kIron);
    FillRect(c, int(b.l + 2), int(top - 14), int(b.l + 16), int(top - 12), kIronLight);
    Line(c, b.l, top - 8, b.l + 20, top - 8, 2.0f, kIronLight);
}

// A tall lever in an iron frame, its handle thrown forward.
void Lever(Canvas& c, Box b) {
    VerticalGradient(c, int(b.Cx() - 6), int(b.b - 30), int(b.Cx() + 6), int(b.b), kIronLight, Scale(kIron, 0.7f));
    FillRect(c, int(b.Cx() - 6), int(b.b - 30), int(b.Cx() + 6), int(b.b - 28), Scale(kIronLight, 1.2f));
    Line(c, b.Cx(), b.b - 26, b.r - 4, b.t + 10, 4.0f, kPlank);
    Line(c, b.Cx() - 1, b.b - 27, b.r - 5, b.t + 9, 1.0f, kPlankLight);
    FillDisc(c, b.r - 4, b.t + 8, 5.0f, Rgb{170, 40, 36});
    FillDisc(c, b.r - 5, b.t + 7, 2.0f, Rgb{236, 120, 110});
    Rivet(c, b.Cx(), b.b - 26);
}

// A low tool chest, iron-banded, its lid shut.
void ToolChest(Canvas& c, Box b) {
    Board(c, Box{b.l + 2, b.t + 10, b.r - 2, b.b}, kPlank, 3);
    Board(c, Box{b.l, b.t + 2, b.r, b.t + 12}, kPlankLight, 4);
    for (float x : {b.l + 10, b.r - 14}) FillRect(c, int(x), int(b.t + 2), int(x + 5), int(b.b), kIron);
    FillRect(c, int(b.Cx() - 5), int(b.t + 10), int(b.Cx() + 5), int(b.t + 20), Rgb{200, 170, 80});
}

// A post lamp's lantern: a peaked iron cap with its ring, glass panes lit
// from within between iron corner bars, and its base.
void LanternHead(Canvas& c, Box b) {
    const float x = b.Cx(), capBottom = b.t + b.H() * 0.32f, base = b.b - 4;
    FillDisc(c, x, b.t + 3, 2.5f, kIron);
    const float cap[] = {x, b.t + 4, b.r - 2, capBottom, b.l + 2, capBottom};
    FillPolygon(c, cap, 3, kIron);
    Line(c, x, b.t + 5, b.l + 4, capBottom - 1, 1.0f, kIronLight);
    VerticalGradient(c, int(b.l + 6), int(capBottom), int(b.r - 6), int(base), Rgb{255, 236, 170}, Rgb{232, 168, 70});
    FillRect(c, int(x - 3), int(capBottom + 4), int(x + 3), int(base - 3), Rgb{255, 250, 226});
    for (float bx : {b.l + 5, x - 0.5f, b.r - 6}) FillRect(c, int(bx), int(capBottom), int(bx + 2), int(base), kIron);
    FillRect(c, int(b.l + 4), int(base), int(b.r - 4), int(b.b), kIron);
    FillRect(c, int(b.l + 3), int(capBottom), int(b.r - 3), int(capBottom + 2), Scale(kIron, 1.2f));
}

// An upright iron bar, round: lit on its left, shaded on its right.
void IronBar(Canvas& c, float x0, float x1, float top, float bottom) {
    for (int x = int(x0); x < int(x1); ++x) {
        const float t = (float(x) + 0.5f - x0) / (x1 - x0);
        FillRect(c, x, int(top), x + 1, int(bottom), Scale(kIronLight, 1.05f - 0.7f * t));
    }
}

// A lamp post of encounter B's hall: an iron pole on its foot plate, its
// top rows left to the lantern piece the hall draws there.
void LampPost(Canvas& c, Box b) {
    const float head = float(era04_pieces::kHallBLamps[1].rect.Height());
    const float pw = std::max(3.0f, b.W() * 0.16f), x = b.Cx();
    IronBar(c, x - pw / 2, x + pw / 2, b.t + head, b.b);
    // The collar the lantern sits on, one a third of the way up, and the
    // foot plate, each lit along its top.
    for (float y : {b.t + head, b.b - (b.H() - head) * 0.33f}) {
        FillRect(c, int(x - pw), int(y), int(x + pw), int(y + 4), kIron);
        FillRect(c, int(x - pw), int(y), int(x + pw), int(y + 1), kIronLight);
        FillRect(c, int(x - pw), int(y + 3), int(x + pw), int(y + 4), Scale(kIron, 0.7f));
    }
    FillRect(c, int(x - pw * 1.8f), int(b.b - 6), int(x + pw * 1.8f), int(b.b), Scale(kIron, 0.85f));
    FillRect(c, int(x - pw * 1.8f), int(b.b - 6), int(x + pw * 1.8f), int(b.b - 5), kIronLight);
    FillRect(c, int(x - pw * 1.2f), int(b.b - 9), int(x + pw * 1.2f), int(b.b - 6), kIron);
}

// A street lamp (the castle's approach, encounter B's hall, encounter C's
// tilted lamps): a lantern on an iron post, the post lit on its left side
// and shaded on its right, a collar under the lantern and one low down, on
// a stepped plinth whose foot is the cell's bottom.
void Lamp(Canvas& c, Box b) {
    const float x = b.Cx(), pw = std::max(3.0f, b.W() * 0.16f);
    const float headBottom = b.t + b.H() * 0.22f, foot = b.b - std::max(3.0f, b.H() * 0.05f);
    const float headW = std::min(b.W() * 0.3f, b.H() * 0.2f);
    LanternHead(c, Box{x - headW, b.t + 1, x + headW, headBottom});
    IronBar(c, x - pw / 2, x + pw / 2, headBottom, foot);
    for (float y : {headBottom, b.t + b.H() * 0.7f}) {
        const float ring = std::max(2.0f, pw * 0.45f);
        FillRect(c, int(x - pw * 0.9f), int(y), int(x + pw * 0.9f), int(y + ring), kIron);
        FillRect(c, int(x - pw * 0.9f), int(y), int(x + pw * 0.9f), int(y + 1), kIronLight);
    }
    // The plinth: a narrower step on a wide one, their tops catching the light.
    const float step = (b.b - foot) * 0.5f;
    FillRect(c, int(x - pw * 1.3f), int(foot), int(x + pw * 1.3f), int(foot + step), Scale(kIron, 0.9f));
    FillRect(c, int(x - pw * 1.9f), int(foot + step), int(x + pw * 1.9f), int(b.b), Scale(kIron, 0.8f));
    FillRect(c, int(x - pw * 1.3f), int(foot), int(x + pw * 1.3f), int(foot + 1), kIronLight);
    FillRect(c, int(x - pw * 1.9f), int(foot + step), int(x + pw * 1.9f), int(foot + step + 1), Scale(kIronLight, 0.85f));
}

// ------------------------------------------------------------ the stall --

// A loaf on the shelf or held up: a round bun, crusty brown with red berries
// (red) or glazed with blue cream (blue).
void Bun(Canvas& c, float x, float y, float w, float h, bool blue) {
    const Rgb crust = blue ? Rgb{206, 160, 104} : Rgb{176, 104, 52};
    FillEllipse(c, x, y, w * 0.5f, h * 0.5f, Scale(crust, 0.75f));
    FillEllipse(c, x, y - h * 0.06f, w * 0.47f, h * 0.44f, crust);
    FillEllipse(c, x - w * 0.12f, y - h * 0.2f, w * 0.22f, h * 0.14f, Scale(crust, 1.25f));
    if (blue) {
        FillEllipse(c, x, y - h * 0.18f, w * 0.36f, h * 0.24f, Rgb{96, 140, 232});
        FillEllipse(c, x - w * 0.1f, y - h * 0.25f, w * 0.12f, h * 0.08f, Rgb{200, 222, 255});
    } else {
        for (int k = 0; k < 4; ++k)
            FillDisc(c, x + w * (-0.27f + 0.18f * float(k)), y - h * (0.1f + 0.12f * float(k % 2)), std::max(1.0f, w * 0.06f),
                     Rgb{214, 36, 52});
    }
}

// A cut crystal standing on its point: pale facets lit from the left (the
// game tints it blue or red, so every facet keeps its red light).
void Gem(Canvas& c, float x, float top, float bottom, float w, int glint) {
    const float h = bottom - top, shoulder = top + h * 0.3f;
    const float left[] = {x, top, x, bottom, x - w, shoulder};
    FillPolygon(c, left, 3, Rgb{140, 186, 255});
    const float right[] = {x, top, x + w, shoulder, x, bottom};
    FillPolygon(c, right, 3, Rgb{90, 130, 236});
    const float crown[] = {x - w, shoulder, x, top, x + w, shoulder, x, shoulder + h * 0.1f};
    FillPolygon(c, crown, 4, Rgb{196, 226, 255});
    Line(c, x, top + 1, x, bottom - 1, 1.0f, Rgb{244, 250, 255});
    if (glint > 0) {
        const float g = float(glint);
        FillDisc(c, x - w * 0.4f, shoulder - 1, 0.8f + 0.4f * g, Rgb{255, 255, 255});
        if (glint > 1) {
            Line(c, x - w * 0.4f - 2.5f, shoulder - 1, x - w * 0.4f + 2.5f, shoulder - 1, 1.0f, Rgb{255, 255, 255});
            Line(c, x - w * 0.4f, shoulder - 3.5f, x - w * 0.4f, shoulder + 1.5f, 1.0f, Rgb{255, 255, 255});
        }
    }
}

// The back of the stall behind the clerk: a wooden frame with two shelves,
// crystals set out on the upper and loaves on the lower. She stands before
// the shelf's middle and the heroine before its left end as they talk, so
// the two loaves she offers, a red one and a blue one, lie side by side at
// the right end, where neither of them hides them.
void WaresShelf(Canvas& c, Box b) {
    Board(c, Box{b.l + 4, b.t + 8, b.r - 4, b.b}, Scale(kPlankDark, 1.15f), 11);
    FillRect(c, int(b.l), int(b.t), int(b.l + 6), int(b.b), kPlank);
    FillRect(c, int(b.r - 6), int(b.t), int(b.r), int(b.b), kPlank);
    Board(c, Box{b.l, b.t, b.r, b.t + 9}, kPlankLight, 12);
    const float shelves[] = {b.t + b.H() * 0.4f, b.t + b.H() * 0.72f};
    for (int s = 0; s < 2; ++s) {
        const float y = shelves[s];
        if (s == 0)
            for (int k = 0; k < 4; ++k) Gem(c, b.l + 16 + float(k) * (b.W() - 32) / 3.0f, y - 22, y - 1, 5.0f, k % 3);
        else   // a row of small loaves from the right end leftwards: red, blue, red, ...
            for (int k = 0; k < 7; ++k) Bun(c, b.r - 12 - float(k) * 11.5f, y - 4, 11.0f, 8.0f, k % 2 == 1);
        Board(c, Box{b.l + 2, y, b.r - 2, y + 5}, kPlankLight, 13 + s);
    }
}

// A small lantern hung by the stall's post on a bracket from the right.
void HangingLantern(Canvas& c, Box b) {
    Line(c, b.r - 1, b.t + 4, b.Cx(), b.t + 4, 2.0f, kIron);
    Line(c, b.r - 1, b.t + 12, b.r - 10, b.t + 4, 1.5f, kIron);
    Line(c, b.Cx(), b.t + 4, b.Cx(), b.t + 12, 1.0f, kIron);
    LanternHead(c, Box{b.Cx() - 11, b.t + 11, b.Cx() + 11, b.b - 1});
}

// The pole the signboard hangs from: a round wooden pole, lit on one side.
void SignPole(Canvas& c, Box b) {
    const float x0 = b.Cx() - 5, x1 = b.Cx() + 5;
    for (int x = int(x0); x < int(x1); ++x) {
        const float t = (float(x) - x0) / (x1 - x0);
        FillRect(c, x, int(b.t), x + 1, int(b.b), Scale(kPlank, 1.2f - 0.5f * t));
    }
    for (float y = b.t + 20; y < b.b - 8; y += 37) FillRect(c, int(x0), int(y), int(x1), int(y + 2), kPlankDark);
    FillRect(c, int(x0 - 2), int(b.b - 6), int(x1 + 2), int(b.b), kIron);
}

// The old signboard over the stall, drawn upright on a canvas of its own:
// a weathered board in a frame, set on its pole by an iron bracket under
// its middle, its paint faded to a loaf and a crystal either side of a
// coin, and split by a crack.
Canvas SignboardFace(int w, int h) {
    Canvas s(w, h);
    const Box b{0, 0, float(w), float(h)};
    const Box board{b.l + 4, b.t + 4, b.r - 4, b.b - 8};
    FillRect(s, int(b.Cx() - 22), int(board.b - 4), int(b.Cx() + 22), int(b.b), kIron);
    FillRect(s, int(b.Cx() - 22), int(board.b - 4), int(b.Cx() + 22), int(board.b - 2), kIronLight);
    int k = 0;
    for (float y = board.t; y < board.b; y += 18, ++k)
        Board(s, Box{board.l, y, board.r, std::min(board.b, y + 17)}, Scale(Rgb{140, 100, 64}, 0.9f + 0.08f * float(k % 2)),
              30 + k);
    FrameRect(s, int(board.l), int(board.t), int(board.r), int(board.b), 5, kPlankDark);
    FrameRect(s, int(board.l), int(board.t), int(board.r), int(board.b), 1, Scale(kPlankDark, 0.7f));
    // The painting, faded: a panel of old cream paint, a loaf, a coin and a crystal.
    const Box panel{board.l + 14, board.t + 12, board.r - 14, board.b - 12};
    FillRect(s, int(panel.l), int(panel.t), int(panel.r), int(panel.b), Rgb{214, 196, 150});
    for (int y = int(panel.t); y < int(panel.b); ++y)
        for (int x = int(panel.l); x < int(panel.r); ++x)
            if (Noise(x / 3, y / 2, 77) < 0.18f) s.Put(x, y, Solid(Rgb{176, 150, 108}));
    const float cy = panel.Cy();
    Bun(s, panel.l + panel.W() * 0.2f, cy + 4, panel.H() * 0.75f, panel.H() * 0.52f, false);
    FillDisc(s, panel.Cx(), cy, panel.H() * 0.26f, Rgb{180, 134, 40});
    FillDisc(s, panel.Cx(), cy, panel.H() * 0.2f, Rgb{226, 186, 70});
    FillRect(s, int(panel.Cx() - 1), int(cy - panel.H() * 0.12f), int(panel.Cx() + 2), int(cy + panel.H() * 0.12f),
             Rgb{180, 134, 40});
    Gem(s, panel.r - panel.W() * 0.2f, panel.t + 6, panel.b - 6, panel.H() * 0.22f, 0);
    // The paint's border, and the crack through the board.
    FrameRect(s, int(panel.l), int(panel.t), int(panel.r), int(panel.b), 2, Rgb{150, 56, 44});
    const float crack[] = {board.l + board.W() * 0.62f, board.t, board.l + board.W() * 0.6f, board.t + 14,
                           board.l + board.W() * 0.64f, board.t + 26, board.l + board.W() * 0.61f, board.t + 40};
    for (int i = 0; i + 3 < 8; i += 2) Line(s, crack[i], crack[i + 1], crack[i + 2], crack[i + 3], 1.5f, Rgb{60, 38, 22});
    for (float x : {board.l + 9, board.r - 9})
        for (float y : {board.t + 9, board.b - 9}) Rivet(s, x, y);
    return s;
}

// The game turns the signboard's piece a quarter round clockwise over the
// stall: its face is laid into the piece turned back, the board's top edge
// along the piece's left side.
void Signboard(Canvas& c, const SpriteRect& r) {
    const int w = r.bottom - r.top, h = r.right - r.left;
    // The clip is the sheet's: the face is drawn on a canvas of its own.
    SetClip(c, nullptr);
    const Canvas face = SignboardFace(w, h);
    const ClipBox clip{r.left, r.top, r.right, r.bottom};
    SetClip(c, &clip);
    for (int v = 0; v < h; ++v)
        for (int u = 0; u < w; ++u) {
            const Rgb px = face.At(u, v);
            if (!(px == kTransparent)) c.Put(r.left + v, r.top + (w - 1 - u), px);
        }
}

void Piece(Canvas& c, const Cut& cut) {
    const SpriteRect& r = cut.rect;
    const Box b{float(r.left), float(r.top), float(r.right), float(r.bottom)};
    const ClipBox clip{r.left, r.top, r.right, r.bottom};
    SetClip(c, &clip);
    if (cut.shape != FinalShape::None) {
        if (cut.shape == FinalShape::Hedge) Hedge(c, b, cut.variant);
        else if (cut.shape == FinalShape::Crystal) Crystal(c, b);
        else if (cut.shape == FinalShape::Garland) Garland(c, b, cut.variant);
        else Lintel(c, b, cut.shape == FinalShape::LintelEnd);
        SetClip(c, nullptr);
        return;
    }
    switch (cut.look) {
        case Look::StoneWall: StoneBlocks(c, b, kStone, cut.variant); break;
        case Look::Doorway:
            StoneBlocks(c, b, Scale(kStone, 0.9f), cut.variant);
            FillRect(c, int(b.l + b.W() * 0.25f), int(b.t + b.H() * 0.35f), int(b.r - b.W() * 0.25f), int(b.b),
                     Rgb{24, 20, 30});
            FillEllipse(c, b.Cx(), b.t + b.H() * 0.35f, b.W() * 0.25f, b.W() * 0.25f, Rgb{24, 20, 30});
            break;
        case Look::HallWall:
        case Look::LitHallWall: {
            // One hall: the lit set is the same walls, block for block and
            // pillar for pillar, with the lamps lit on them.
            const Rgb base = cut.look == Look::HallWall ? kHall : Mix(Scale(kHall, 1.6f), kLampLight, 0.45f);
            VerticalGradient(c, int(b.l), int(b.t), int(b.r), int(b.b), Scale(base, 0.8f), Scale(base, 1.2f));
            const float course = 40.0f, block = 80.0f;
            for (float y = b.t + course; y < b.b; y += course) {
                FillRect(c, int(b.l), int(y), int(b.r), int(y + 2), Scale(base, 0.72f));
                const float shift = std::fmod((y - b.t) / course, 2.0f) < 1.0f ? 0.0f : block * 0.5f;
                for (float x = b.l + shift; x < b.r; x += block)
                    FillRect(c, int(x), int(y - course + 2), int(x + 2), int(y), Scale(base, 0.72f));
            }
            for (float x = b.l + b.W() * 0.1f; x < b.r; x += b.W() * 0.4f)
                FillRect(c, int(x), int(b.t), int(x + b.W() * 0.08f), int(b.b), Scale(base, 0.6f));
            break;
        }
        case Look::DoorPost: Planks(c, b, b.W() > b.H()); break;
        case Look::DoorLeaf: Planks(c, b, b.W() < b.H()); break;
        case Look::Gate:
            StoneBlocks(c, b, Rgb{150, 140, 130}, cut.variant);
            FillRect(c, int(b.l + b.W() * 0.3f), int(b.t + b.H() * 0.3f), int(b.r - b.W() * 0.3f), int(b.b),
                     Rgb{40, 30, 30});
            if (cut.rect.top == era04_pieces::kGateTop.rect.top && cut.rect.bottom == era04_pieces::kGateTop.rect.bottom)
                GateCorbels(c, b, float(era04_pieces::kGateBottom.rect.right));
            break;
        case Look::Fence:
            for (float x = b.l + 3; x < b.r; x += 18) FillRect(c, int(x), int(b.t + 8), int(x + 5), int(b.b), kIron);
            FillRect(c, int(b.l), int(b.t + b.H() * 0.3f), int(b.r), int(b.t + b.H() * 0.3f + 5), kIron);
            FillRect(c, int(b.l), int(b.t + b.H() * 0.75f), int(b.r), int(b.t + b.H() * 0.75f + 5), kIron);
            break;
        case Look::Lamp: Lamp(c, b); break;
        case Look::Booth: {
            // Counter, two posts and the sign board; open between them. The
            // posts are round, lit from the left; the board's grain and the
            // counter's iron band catch the light along their tops.
            const float counterTop = b.b - std::min(80.0f, b.H() * 0.3f);
            Planks(c, Box{b.l, counterTop, b.r, b.b}, true);
            FillRect(c, int(b.l), int(counterTop), int(b.r), int(counterTop + 1), kIronLight);
            for (float left : {b.l + 4, b.r - 14})
                for (int x = int(left); x < int(left + 10); ++x)
                    FillRect(c, x, int(b.t + 30), x + 1, int(counterTop),
                             Scale(kTimber, 1.25f - 0.5f * (float(x) - left) / 10.0f));
            Board(c, Box{b.l, b.t, b.r, b.t + 34}, Scale(kTimber, 0.8f), 41);
            FrameRect(c, int(b.l), int(b.t), int(b.r), int(b.t + 34), 3, kIron);
            FillRect(c, int(b.l), int(b.t), int(b.r), int(b.t + 1), kIronLight);
            break;
        }
        case Look::Flame: Torch(c, b, cut.variant % 8 + 1, cut.variant / 8); break;
        case Look::Fixture:
            FillRect(c, int(b.l + 1), int(b.t + 1), int(b.r - 1), int(b.b - 1), Rgb{120, 104, 90});
            FrameRect(c, int(b.l + 1), int(b.t + 1), int(b.r - 1), int(b.b - 1), 3, kIron);
            FillDisc(c, b.l + 6, b.t + 6, 2.5f, kGold);
            FillDisc(c, b.r - 6, b.b - 6, 2.5f, kGold);
            break;
        case Look::Winch: Winch(c, b); break;
        case Look::Crate: Crate(c, b, cut.variant); break;
        case Look::DiscRack: DiscRack(c, b); break;
        case Look::Workbench: Workbench(c, b); break;
        case Look::Lever: Lever(c, b); break;
        case Look::ToolChest: ToolChest(c, b); break;
        case Look::LanternHead: LanternHead(c, b); break;
        case Look::LampPost: LampPost(c, b); break;
        case Look::WaresShelf: WaresShelf(c, b); break;
        case Look::HangingLantern: HangingLantern(c, b); break;
        case Look::SignPole: SignPole(c, b); break;
        case Look::Signboard: Signboard(c, cut.rect); break;
        case Look::Tile: Tile(c, b, false); break;
        case Look::BrokenTile: Tile(c, b, true); break;
        case Look::Chain: Chain(c, b); break;
        case Look::ChainTop: ChainTop(c, b); break;
        case Look::Glow: Glow(c, b, cut.glow); break;
        case Look::Pillar:
            VerticalGradient(c, int(b.l + b.W() * 0.2f), int(b.t), int(b.r - b.W() * 0.2f), int(b.b),
                             Rgb{180, 176, 190}, Rgb{110, 106, 124});
            FillRect(c, int(b.l), int(b.t), int(b.r), int(b.t + b.H() * 0.08f), Rgb{190, 186, 200});
            FillRect(c, int(b.l), int(b.b - b.H() * 0.08f), int(b.r), int(b.b), Rgb{150, 146, 160});
            break;
        case Look::Grid:
            FrameRect(c, int(b.l), int(b.t), int(b.r), int(b.b), 3, Rgb{90, 96, 130});
            Line(c, b.l, b.t, b.r, b.b, 2, Rgb{70, 76, 110});
            Line(c, b.r, b.t, b.l, b.b, 2, Rgb{70, 76, 110});
            break;
        case Look::Floor:
            FillRect(c, int(b.l), int(b.t + b.H() * 0.3f), int(b.r), int(b.b), Rgb{120, 112, 130});
            FillRect(c, int(b.l), int(b.t + b.H() * 0.3f), int(b.r), int(b.t + b.H() * 0.45f), Rgb{170, 164, 180});
            break;
        case Look::FloatingPlatform: FloatingPlatform(c, b); break;
        case Look::HallBanner: HallBanner(c, b); break;
        case Look::Bomb:
            // A dark iron ball with its fuse spark.
            FillDisc(c, b.Cx(), b.Cy() + 1, std::min(b.W(), b.H()) * 0.4f, Rgb{50, 48, 60});
            FillDisc(c, b.Cx() - b.W() * 0.12f, b.Cy() - b.H() * 0.05f, std::max(1.0f, b.W() * 0.08f),
                     Rgb{120, 118, 130});
            FillDisc(c, b.Cx() + b.W() * 0.2f, b.t + 1.5f, 1.5f, Rgb{255, 200, 80});
            break;
        case Look::BombFlame:
            // Three layers of one flame, swaying from frame to frame.
            for (int layer = 0; layer < 3; ++layer) Flame(c, b, 2 * (cut.variant % 3) + 1, layer);
            break;
        case Look::Shot: Glow(c, b, Rgb{200, 120, 250}); break;
        case Look::Foot:
        case Look::Stem:
        case Look::Stalk:
        case Look::Fruit:
        case Look::Leaf: Plant(c, b, cut.look, cut.variant); break;
    }
    SetClip(c, nullptr);
}

// What the final section's frames show, by code.
Look FinalLook(int code) {
    if (code <= 8) return Look::Leaf;        // the arbour's beam and garlands (FinalShapeOf)
    if (code <= 10) return Look::Pillar;     // broken columns
    if (code <= 18) return Look::Leaf;       // hedges, bushes and ground plants
    if (code <= 22) return Look::Fruit;      // flowers
    if (code == 23 || code == 30) return Look::Glow;
    if (code == 24) return Look::Fixture;    // painted as the crystal (FinalShapeOf)
    if (code <= 26) return Look::Leaf;
    return Look::Shot;                       // the particles
}

// The far end's arbour: its beam's pieces and the garlands hung from it;
// the wide ground plants are the garden's clipped hedges (the queen lands
// on their level tops); the piece in the middle of the light is the crystal.
FinalShape FinalShapeOf(int code) {
    if (code == 8) return FinalShape::Lintel;
    if (code == 7) return FinalShape::LintelEnd;
    if (code <= 6) return FinalShape::Garland;
    if ((code >= 11 && code <= 15) || code == 18) return FinalShape::Hedge;
    if (code == 24) return FinalShape::Crystal;
    return FinalShape::None;
}

std::vector<Cut> CutsOf(int picture) {
    std::vector<Cut> cuts;
    int n = 0;
    for (const era04_pieces::Piece* p : era04_pieces::kAllPieces)
        if (p->picture == picture) cuts.push_back({p->rect, p->look, n++});
    if (picture == era04_pieces::kFlameSheet)
        for (int layer = 0; layer < era04_pieces::kFlameLayers; ++layer)
            for (int f = 1; f <= era04_pieces::kFlameFrames; ++f)
                cuts.push_back({era04_pieces::FlameRect(f, layer), Look::Flame, layer * 8 + f - 1});
    // Encounter C's props: standing pieces, lamps, fittings, small glowing
    // pieces and the two back pieces.
    if (picture == encounter_c_frames::kPropsResource)
        for (const encounter_c_frames::PropRow& p : encounter_c_frames::kPropKinds) {
            const Look look = p.first <= 14   ? Look::Pillar
                              : p.first <= 18 ? Look::Lamp
                              : p.first <= 22 ? Look::Fixture
                              : p.first <= 28 ? Look::Glow
                                              : Look::HallBanner;
            cuts.push_back({SpriteRect{p.src.left, p.src.top, p.src.right, p.src.bottom}, look, n++});
        }
    // The floating platforms' five turning frames and the glow under each.
    if (picture == era04_pieces::kHallCSheet)
        for (int code = 1; code <= 5; ++code) {
            const int left = 94 * code + 222;
            cuts.push_back({SpriteRect{left, 643, left + 91, 702}, Look::FloatingPlatform, n++});
            cuts.push_back({SpriteRect{left, 704, left + 91, 797}, Look::Glow, n++});
        }
    // The final section's two lights (the breathing light at the passage's
    // end and the one by the queen's place) are the blue light its lines
    // tell of.
    if (picture == era04_pieces::kFinalSheet)
        for (const final_section_frames::Frame& f : final_section_frames::kFrames)
            cuts.push_back({f.rect, FinalLook(f.code), f.code, f.code == 23 || f.code == 30 ? kBlueLight : kLampLight,
                            FinalShapeOf(f.code)});
    // What the queen leaves on the floor (stage object 248).
    if (picture == era04_pieces::kFinalSheet) cuts.push_back({ending_frames::kRemainsCell, Look::Glow, n++});
    // The largest first, so that a piece cut from inside another is drawn
    // over it.
    std::stable_sort(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) {
        return a.rect.Width() * a.rect.Height() > b.rect.Width() * b.rect.Height();
    });
    return cuts;
}

}  // namespace

bool HasEra04SceneryArt(int resourceId) {
    using namespace era04_pieces;
    for (int id : {kEntrancePlants, kEntranceGate, kRoomSheet, kFlameSheet, kTrapSheet, kHallBSheet, kHallCSheet,
                   kFinalSheet})
        if (id == resourceId) return true;
    return false;
}

std::vector<PictureRect> Era04SceneryPieceRects(int resourceId) {
    std::vector<PictureRect> out;
    for (const Cut& cut : CutsOf(resourceId))
        out.push_back(PictureRect{cut.rect.left, cut.rect.top, cut.rect.right, cut.rect.bottom});
    return out;
}

namespace {

// Encounter C's pulsing light, drawn at its own size round the clerk (the
// light's pivot stands 62 px left of her feet) and behind her: a small soft
// light about her shoulders, not a disc over the hall. The picture has no
// alpha, so it thins out to its rim in a fine stipple that reads as a fade
// at 1:1, and the rest of the cell stays see-through.
void HallCLight(Canvas& c) {
    constexpr era04_pieces::Piece p = era04_pieces::kHallCGlow;
    FillRect(c, p.rect.left, p.rect.top, p.rect.right, p.rect.bottom, kTransparent);
    const float cx = float(p.rect.left + p.pivot.x + 62), cy = float(p.rect.top + p.pivot.y - 95);
    constexpr float kCore = 16.0f, kRim = 84.0f;
    constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = p.rect.top; y < p.rect.bottom; ++y)
        for (int x = p.rect.left; x < p.rect.right; ++x) {
            const float d = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy);
            if (d >= kRim) continue;
            const float f = d <= kCore ? 1.0f : 1.0f - (d - kCore) / (kRim - kCore);
            if (d > kCore && (float(kBayer[y & 3][x & 3]) + 0.5f) / 16.0f >= f * f * 0.85f) continue;
            c.Put(x, y, Solid(Mix(Rgb{255, 246, 214}, Rgb{214, 172, 96}, 1.0f - f)));
        }
}

// Encounter C's four further lamps (props 19..22) stand in the front of the
// hall, some leaning, each turning about the foot of its pole at the
// cell's bottom right: a pole up the right edge, an arm out to the left and
// a lantern hanging from it, see-through between them.
void HallCFrontLamp(Canvas& c) {
    for (const encounter_c_frames::PropRow& row : encounter_c_frames::kPropKinds) {
        if (row.first != 19) continue;
        const auto& r = row.src;
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const float footX = float(r.left) + row.cx - 2.0f, bottom = float(r.bottom), top = float(r.top) + 4.0f;
        const float lanternX = float(r.left) + 16.0f;
        // The pole and the arm as thick as the lantern's frame and lit along
        // their edges: in the dark hall a thinner dark pole is lost and the
        // lantern seems to float.
        FillRect(c, int(footX - 7), int(bottom - 4), int(footX + 4), int(bottom), Scale(kIron, 1.1f));
        Line(c, footX, bottom - 3, footX, top + 2, 5.0f, kIron);
        Line(c, footX - 2, bottom - 3, footX - 2, top + 2, 1.5f, Scale(kIronLight, 1.3f));
        Line(c, footX + 2, bottom - 3, footX + 2, top + 2, 1.0f, kIronLight);
        Line(c, footX, top + 3, lanternX + 4, top + 3, 3.0f, kIron);
        Line(c, footX, top + 2, lanternX + 4, top + 2, 1.0f, Scale(kIronLight, 1.3f));
        FillDisc(c, footX, top + 2, 2.5f, Scale(kIron, 1.3f));
        Line(c, lanternX, top + 3, lanternX, top + 9, 1.0f, Scale(kIron, 1.3f));
        // The lantern: an iron cap and floor round its lit glass.
        const float lt = top + 9, lb = top + 31;
        FillRect(c, int(lanternX - 6), int(lt + 2), int(lanternX + 7), int(lb - 2), Scale(kLampLight, 0.9f));
        FillRect(c, int(lanternX - 3), int(lt + 5), int(lanternX + 4), int(lb - 5), Rgb{255, 244, 200});
        FillRect(c, int(lanternX - 8), int(lt), int(lanternX + 9), int(lt + 3), kIron);
        FillRect(c, int(lanternX - 7), int(lb - 3), int(lanternX + 8), int(lb), kIron);
        Line(c, lanternX - 7, lt + 2, lanternX - 7, lb - 2, 1.0f, kIron);
        Line(c, lanternX + 8, lt + 2, lanternX + 8, lb - 2, 1.0f, kIron);
    }
}

}  // namespace

void DrawEncounterCWares(Canvas& c) {
    namespace e = encounter_c_frames;
    for (std::size_t k = 0; k < std::size(e::kWorkpieces); ++k) {
        const e::Rect& r = e::kWorkpieces[k];
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const float w = float(r.right - r.left), h = float(r.bottom - r.top);
        Bun(c, float(r.left) + w * 0.5f, float(r.top) + h * 0.5f, w - 1.0f, h - 1.0f, k == 1);
    }
    // Its twinkle rises to a star of light in the middle frame.
    int glint = 1;
    for (std::int32_t left : e::kSparkLefts) {
        FillRect(c, left, 90, left + 16, 114, kTransparent);
        Gem(c, float(left) + 8.0f, 91.0f, 113.0f, 5.5f, glint);
        glint = glint == 1 ? 2 : 0;
    }
}

void DrawEra04SceneryArt(Canvas& c, const PictureInfo& info) {
    // Nothing but the pieces is ever shown: the rest stays see-through.
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    for (const Cut& cut : CutsOf(info.id)) Piece(c, cut);
    if (info.id == era04_pieces::kHallCSheet) {
        HallCLight(c);
        HallCFrontLamp(c);
    }
}

}  // namespace art
