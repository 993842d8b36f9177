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

struct Cut {
    SpriteRect rect;
    Look look;
    int variant;
    Rgb glow = kLampLight;   // the colour of a Look::Glow piece
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

void Glow(Canvas& c, Box b, Rgb colour) {
    for (int k = 6; k >= 1; --k) {
        const float f = float(k) / 6.0f;
        FillEllipse(c, b.Cx(), b.Cy(), b.W() * 0.5f * f, b.H() * 0.5f * f, Solid(Scale(colour, 1.1f - f * 0.6f)));
    }
}

void Lamp(Canvas& c, Box b) {
    const float pw = std::max(3.0f, b.W() * 0.18f);
    FillRect(c, int(b.Cx() - pw / 2), int(b.t + b.H() * 0.2f), int(b.Cx() + pw / 2), int(b.b), kIron);
    FillRect(c, int(b.Cx() - pw * 1.5f), int(b.b - b.H() * 0.05f), int(b.Cx() + pw * 1.5f), int(b.b), kIron);
    FillEllipse(c, b.Cx(), b.t + b.H() * 0.12f, std::min(b.W() * 0.45f, b.H() * 0.1f), b.H() * 0.1f, kGold);
    FrameRect(c, int(b.Cx() - b.W() * 0.3f), int(b.t + 1), int(b.Cx() + b.W() * 0.3f), int(b.t + b.H() * 0.22f), 2,
              kIron);
}

void Chain(Canvas& c, Box b) {
    const float link = std::max(6.0f, b.W() * 0.8f);
    for (float y = b.t; y < b.b; y += link * 0.8f)
        Ring(c, b.Cx(), y + link * 0.4f, std::min(b.W() * 0.4f, link * 0.4f), 2.0f, Rgb{150, 150, 160});
}

void Tile(Canvas& c, Box b, bool broken) {
    FillRect(c, int(b.l), int(b.t + b.H() * 0.6f), int(b.r), int(b.b), Rgb{110, 100, 96});
    FillRect(c, int(b.l), int(b.t + b.H() * 0.6f), int(b.r), int(b.t + b.H() * 0.7f), Rgb{160, 150, 140});
    FrameRect(c, int(b.l), int(b.t + b.H() * 0.6f), int(b.r), int(b.b), 1, kMortar);
    if (broken) {
        Line(c, b.l + 2, b.t + b.H() * 0.65f, b.Cx(), b.b - 2, 1.5f, kMortar);
        Line(c, b.Cx(), b.b - 2, b.r - 3, b.t + b.H() * 0.7f, 1.5f, kMortar);
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

void Piece(Canvas& c, const Cut& cut) {
    const SpriteRect& r = cut.rect;
    const Box b{float(r.left), float(r.top), float(r.right), float(r.bottom)};
    const ClipBox clip{r.left, r.top, r.right, r.bottom};
    SetClip(c, &clip);
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
            const Rgb base = cut.look == Look::HallWall ? kHall : Rgb{200, 180, 140};
            VerticalGradient(c, int(b.l), int(b.t), int(b.r), int(b.b), Scale(base, 0.8f), Scale(base, 1.2f));
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
            break;
        case Look::Fence:
            for (float x = b.l + 3; x < b.r; x += 18) FillRect(c, int(x), int(b.t + 8), int(x + 5), int(b.b), kIron);
            FillRect(c, int(b.l), int(b.t + b.H() * 0.3f), int(b.r), int(b.t + b.H() * 0.3f + 5), kIron);
            FillRect(c, int(b.l), int(b.t + b.H() * 0.75f), int(b.r), int(b.t + b.H() * 0.75f + 5), kIron);
            break;
        case Look::Lamp: Lamp(c, b); break;
        case Look::Booth: {
            // Counter, two posts and the sign board; open between them.
            const float counterTop = b.b - std::min(80.0f, b.H() * 0.3f);
            Planks(c, Box{b.l, counterTop, b.r, b.b}, true);
            FillRect(c, int(b.l + 4), int(b.t + 30), int(b.l + 14), int(counterTop), kTimber);
            FillRect(c, int(b.r - 14), int(b.t + 30), int(b.r - 4), int(counterTop), kTimber);
            FillRect(c, int(b.l), int(b.t), int(b.r), int(b.t + 34), Scale(kTimber, 0.8f));
            FrameRect(c, int(b.l), int(b.t), int(b.r), int(b.t + 34), 3, kIron);
            break;
        }
        case Look::Flame: Torch(c, b, cut.variant % 8 + 1, cut.variant / 8); break;
        case Look::Fixture:
            FillRect(c, int(b.l + 1), int(b.t + 1), int(b.r - 1), int(b.b - 1), Rgb{120, 104, 90});
            FrameRect(c, int(b.l + 1), int(b.t + 1), int(b.r - 1), int(b.b - 1), 3, kIron);
            FillDisc(c, b.l + 6, b.t + 6, 2.5f, kGold);
            FillDisc(c, b.r - 6, b.b - 6, 2.5f, kGold);
            break;
        case Look::Tile: Tile(c, b, false); break;
        case Look::BrokenTile: Tile(c, b, true); break;
        case Look::Chain: Chain(c, b); break;
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
    if (code <= 8) return Look::Fixture;     // hanging ornaments of the far end
    if (code <= 10) return Look::Pillar;     // broken columns
    if (code <= 18) return Look::Leaf;       // bushes and ground plants
    if (code <= 22) return Look::Fruit;      // flowers
    if (code == 23 || code == 30) return Look::Glow;
    if (code == 24) return Look::Fixture;
    if (code <= 26) return Look::Leaf;
    return Look::Shot;                       // the particles
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
                                              : Look::HallWall;
            cuts.push_back({SpriteRect{p.src.left, p.src.top, p.src.right, p.src.bottom}, look, n++});
        }
    // The floating platforms' five turning frames and the glow under each.
    if (picture == era04_pieces::kHallCSheet)
        for (int code = 1; code <= 5; ++code) {
            const int left = 94 * code + 222;
            cuts.push_back({SpriteRect{left, 643, left + 91, 702}, Look::Floor, n++});
            cuts.push_back({SpriteRect{left, 704, left + 91, 797}, Look::Glow, n++});
        }
    // The final section's two lights (the breathing light at the passage's
    // end and the one by the queen's place) are the blue light its lines
    // tell of.
    if (picture == era04_pieces::kFinalSheet)
        for (const final_section_frames::Frame& f : final_section_frames::kFrames)
            cuts.push_back({f.rect, FinalLook(f.code), f.code, f.code == 23 || f.code == 30 ? kBlueLight : kLampLight});
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
        FillRect(c, int(footX - 6), int(bottom - 4), int(footX + 3), int(bottom), Scale(kIron, 0.9f));
        Line(c, footX, bottom - 3, footX, top + 2, 3.0f, kIron);
        Line(c, footX, top + 3, lanternX + 4, top + 3, 2.0f, kIron);
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
