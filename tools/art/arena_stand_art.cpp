#include "tools/art/arena_stand_art.h"

#include <algorithm>
#include <cmath>

#include "tools/art/arena_rects.h"
#include "tools/art/cell_registry.h"
#include "tools/art/figure_art.h"

namespace art {

namespace {

constexpr int kArenaSheet = 180;

constexpr Rgb kStone{178, 162, 140}, kStoneDark{128, 114, 98}, kMortar{104, 92, 80}, kTimber{134, 94, 58},
    kTimberLit{170, 124, 78}, kTimberDark{92, 62, 38}, kShade{88, 76, 70}, kRed{188, 60, 52}, kCloth{238, 230, 212},
    kGold{226, 186, 86};

// The stands repeat every 85 px with 87-px parts: each part starts with a
// post, and the next column's post covers this one's last two pixels.
constexpr int kPost = 5;

void Post(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.left + kPost, r.bottom, kTimberDark);
    FillRect(c, r.left + 1, r.top, r.left + 2, r.bottom, kTimber);
}

// Courses of stone blocks; `course` rows each, joints staggered by row.
void Masonry(Canvas& c, int l, int t, int r, int b, int course, int block, Rgb stone, int seed) {
    FillRect(c, l, t, r, b, kMortar);
    for (int y = t, row = 0; y < b; y += course, ++row) {
        const int shift = (row % 2) * (block / 2);
        for (int x = l - shift; x < r; x += block) {
            const float k = 0.9f + 0.2f * Noise(x, y, static_cast<std::uint32_t>(seed));
            FillRect(c, std::max(x + 1, l), y + 1, std::min(x + block - 1, r), std::min(y + course, b), Scale(stone, k));
        }
    }
}

// The stands' part 1, the top of a column: a pennant on a pole above a striped awning,
// the shaded back wall of the top tier under it.
void StandTop(Canvas& c, const PictureRect& r) {
    const int l = r.left, t = r.top, w = r.right - r.left;
    FillRect(c, l, t, r.right, r.bottom, kTransparent);
    FillRect(c, l + 42, t + 2, l + 45, t + 26, kTimberDark);
    const float flag[] = {float(l + 45), float(t + 3), float(l + 66), float(t + 9), float(l + 45), float(t + 15)};
    FillPolygon(c, flag, 3, kRed);
    FillRect(c, l, t + 24, r.right, r.bottom, kShade);
    for (int x = l + kPost, k = 0; x < r.right; x += 14, ++k)
        FillRect(c, x, t + 24, std::min(x + 14, r.right), t + 42, k % 2 ? kCloth : kRed);
    for (int x = l + kPost, k = 0; x < r.right; x += 14, ++k)   // scalloped edge
        FillEllipse(c, float(x) + 7.0f, float(t + 42), 7.0f, 5.0f, k % 2 ? kCloth : kRed);
    FillRect(c, l, t + 22, r.right, t + 25, kTimberDark);
    VerticalGradient(c, l, t + 48, l + w, r.bottom, Scale(kShade, 0.8f), kShade);
    FillRect(c, l + kPost, t + 47, r.right, t + 48, Scale(kShade, 0.7f));
    Post(c, {r.left, r.top + 22, r.right, r.bottom});
}

// The stands' parts 2..7, the back of a tier, where the spectators sit.
void TierBack(Canvas& c, const PictureRect& r) {
    Masonry(c, r.left, r.top, r.right, r.bottom, 15, 29, kStoneDark, 180);
    VerticalGradient(c, r.left, r.top, r.right, r.top + 12, Scale(kShade, 0.85f), Scale(kStoneDark, 0.9f));
    FillRect(c, r.left, r.bottom - 18, r.right, r.bottom - 12, kTimber);   // the bench, behind the rail
    Post(c, r);
}

// The stands' parts 14..19, the rail at the front of each tier.
void TierRail(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTimber);
    FillRect(c, r.left, r.top, r.right, r.top + 4, kTimberLit);
    FillRect(c, r.left, r.top + 9, r.right, r.top + 13, kRed);
    FillRect(c, r.left, r.bottom - 2, r.right, r.bottom, kTimberDark);
    Post(c, r);
}

// The stands' parts 8..13, shown while the crowd is not up cheering: two spectators
// sitting on the bench, their heads and shoulders over the tier's rail (the
// rail covers the piece's rows from 23 down), a head lower than the crowd
// standing. The stands are never empty, the crowd only sits down.
void SeatedSpectators(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const ClipBox box{r.left, r.top, r.right, r.bottom};
    SetClip(c, &box);
    FillRect(c, r.left, r.bottom - 9, r.right, r.bottom, kTimber);   // the bench
    FillRect(c, r.left, r.bottom - 9, r.right, r.bottom - 7, kTimberLit);
    constexpr float kHeight = 29.0f;
    PersonPose sitting;
    sitting.stance = Stance::Seat;
    sitting.seat = 2.2f;
    // Two of the crowd's three kinds, facing the way the crowd stands.
    PaintPerson(c, float(r.left) + 7.0f, float(r.bottom) - 1.0f, kHeight, 1, sitting, LookOf(Subject::Spectators, 1));
    PaintPerson(c, float(r.left) + 23.0f, float(r.bottom) - 1.0f, kHeight, 1, sitting,
                LookOf(Subject::Spectators, 11));
    SetClip(c, nullptr);
}

// The centre stage, from the top of the screen to its lintel: stone piers
// on both sides, a deep arch between them where the platform comes down.
void StageGate(Canvas& c, const PictureRect& r) {
    const int l = r.left, t = r.top, w = r.right - r.left;
    Masonry(c, l, t, r.right, r.bottom, 24, 48, kStone, 181);
    const int pier = 24;
    const float archTop = float(t + 150), cx = float(l) + w / 2.0f, rx = w / 2.0f - float(pier);
    FillEllipse(c, cx, archTop, rx + 6.0f, rx * 0.55f + 6.0f, kGold);
    FillEllipse(c, cx, archTop, rx, rx * 0.55f, Rgb{60, 56, 70});
    VerticalGradient(c, l + pier, int(archTop), r.right - pier, r.bottom, Rgb{60, 56, 70}, Rgb{96, 84, 80});
    for (const int x : {l, r.right - pier}) {
        FillRect(c, x, t, x + pier, r.bottom, Scale(kStone, 1.08f));
        FillRect(c, x + 3, t, x + 5, r.bottom, Scale(kStone, 0.85f));
        FillRect(c, x - 3, int(archTop) - 8, x + pier + 3, int(archTop), kStoneDark);   // capitals
    }
    // The crest above the arch.
    FillDisc(c, cx, float(t + 60), 34.0f, kGold);
    FillDisc(c, cx, float(t + 60), 26.0f, kRed);
    FillDisc(c, cx, float(t + 60), 10.0f, kGold);
}

// Under the gate: a cornice, then courses of 20 rows that the base repeats
// down to the ground (its last 20 rows are drawn again and again).
void StageBase(Canvas& c, const PictureRect& r) {
    const int courseTop = r.bottom - 20;
    FillRect(c, r.left, r.top, r.right, courseTop, Scale(kStone, 1.1f));
    FillRect(c, r.left, courseTop - 5, r.right, courseTop, kStoneDark);
    FillRect(c, r.left, r.top, r.right, r.top + 3, kGold);
    Masonry(c, r.left, courseTop, r.right, r.bottom, 20, 48, kStone, 182);
}

// The platform lowered inside the gate: its floor and decked front on rows
// 387..472, then the post under it, whose 11-row segment (rows 473..484)
// the arena stacks below the platform.
void StagePlatform(Canvas& c, const PictureRect& deck, const PictureRect& post) {
    FillRect(c, deck.left, deck.top, deck.right, post.bottom, kTransparent);
    const int l = deck.left, r = deck.right;
    FillRect(c, l, deck.top, r, deck.top + 10, kTimberLit);
    FillRect(c, l, deck.top + 10, r, deck.bottom, kTimber);
    for (int x = l + 20; x < r; x += 40) FillRect(c, x, deck.top + 10, x + 3, deck.bottom, kTimberDark);
    FillRect(c, l, deck.top + 26, r, deck.top + 32, kGold);
    FillRect(c, l, deck.bottom - 4, r, deck.bottom, kTimberDark);
    const int cx = (l + r) / 2;
    FillRect(c, cx - 40, deck.bottom, cx + 40, post.bottom, kStoneDark);
    for (int y = post.top; y < post.bottom; y += 11) FillRect(c, cx - 40, y, cx + 40, y + 1, kMortar);
    FillRect(c, cx - 40, deck.bottom, cx - 36, post.bottom, Scale(kStoneDark, 1.2f));
}

// The crowns of the arena's two gates, each on a picture as wide as the roof
// line it ends (the west one at the arena's start, the east one, drawn in
// Era03 too, at its end). Each crown stands on its gate's stone column,
// `left`..`right` inside the picture; beside it the picture stays clear, so
// the stands' own tops show there and nothing hangs over open ground.
void GateCrown(Canvas& c, const PictureRect& r, int left, int right) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const int l = r.left + left, rr = r.left + right, t = r.top, b = r.bottom;
    Masonry(c, l, t + 40, rr, b, 16, 26, Rgb{150, 138, 120}, 183);
    FillRect(c, l - 4, t + 36, rr + 4, t + 44, kStoneDark);   // the cornice over the column
    const int merlon = (rr - l) / 5;
    for (int k = 0; k < 5; k += 2)
        Masonry(c, l + k * merlon, t + 16, l + (k + 1) * merlon, t + 37, 10, 13, Rgb{150, 138, 120}, 184 + k);
    const int mid = (l + rr) / 2;
    FillRect(c, mid - 1, t, mid + 2, t + 37, kTimberDark);
    const float flag[] = {float(mid + 2), float(t + 1), float(mid + 26), float(t + 8), float(mid + 2), float(t + 15)};
    FillPolygon(c, flag, 3, kRed);
}

// The round banners hung on the stage: cloth with one to four gold marks.
void RoundBanners(Canvas& c) {
    int round = 1;
    for (const PictureRect& r : kArenaBannerRects) {
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        FillRect(c, r.left, r.top, r.right, r.top + 3, kTimberDark);
        const float cloth[] = {float(r.left + 2), float(r.top + 3), float(r.right - 2), float(r.top + 3),
                               float(r.right - 2), float(r.bottom - 1), float((r.left + r.right) / 2),
                               float(r.bottom - 7), float(r.left + 2), float(r.bottom - 1)};
        FillPolygon(c, cloth, 5, kRed);
        const float step = float(r.bottom - r.top - 14) / float(round + 1);
        for (int k = 1; k <= round; ++k)
            FillDisc(c, (r.left + r.right) / 2.0f, float(r.top + 4) + step * float(k), 3.5f, kGold);
        ++round;
    }
}

// The west door, a stack of oak slabs bound in iron that the arena lifts as
// one: the cap, a slab that joins the next one above and below it (its
// first row is the seam), and the iron-shod foot on the ground.
constexpr Rgb kIron{74, 76, 86}, kIronLit{120, 124, 136};

void DoorPlanks(Canvas& c, int l, int t, int r, int b) {
    FillRect(c, l, t, r, b, kTimber);
    for (int x = l; x < r; x += 10) {
        FillRect(c, x, t, x + 1, b, kTimberDark);
        FillRect(c, x + 2, t, x + 3, b, kTimberLit);
    }
    FillRect(c, l, t, l + 2, b, kTimberDark);
    FillRect(c, r - 2, t, r, b, kTimberDark);
}

void IronBand(Canvas& c, int l, int t, int r, int b) {
    FillRect(c, l, t, r, b, kIron);
    FillRect(c, l, t, r, t + 1, kIronLit);
    for (int x = l + 4; x < r - 2; x += 11) FillDisc(c, float(x) + 0.5f, (t + b) * 0.5f, 1.2f, kIronLit);
}

void Door(Canvas& c) {
    const PictureRect cap = kArenaDoorCap, slab = kArenaDoorSlab, foot = kArenaDoorFoot;
    FillRect(c, cap.left, cap.top, cap.right, foot.bottom, kTransparent);
    IronBand(c, cap.left, cap.top, cap.right, cap.bottom);
    FillRect(c, cap.left, cap.bottom - 2, cap.right, cap.bottom, Scale(kIron, 0.7f));
    DoorPlanks(c, slab.left, slab.top, slab.right, slab.bottom);
    FillRect(c, slab.left, slab.top, slab.right, slab.top + 1, Scale(kTimberDark, 0.8f));
    IronBand(c, slab.left, slab.top + 6, slab.right, slab.top + 11);
    IronBand(c, slab.left, slab.bottom - 12, slab.right, slab.bottom - 7);
    DoorPlanks(c, foot.left, foot.top, foot.right, foot.bottom);
    IronBand(c, foot.left, foot.bottom - 8, foot.right, foot.bottom);
}

// The marker pole the tournament raises out of the ground round by round:
// a gold knob over a pennant on a banded pole.
void MarkerPole(Canvas& c) {
    const PictureRect r = kArenaMarkerPole;
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const int cx = r.left + 15;
    FillRect(c, cx - 3, r.top + 10, cx + 3, r.bottom, kTimberDark);
    FillRect(c, cx - 2, r.top + 10, cx, r.bottom, kTimberLit);
    for (int y = r.top + 40; y < r.bottom; y += 14) FillRect(c, cx - 3, y, cx + 3, y + 3, kRed);
    const float flag[] = {float(cx + 3), float(r.top + 14), float(r.right - 1), float(r.top + 22), float(cx + 3),
                          float(r.top + 31)};
    FillPolygon(c, flag, 3, kRed);
    FillDisc(c, float(cx), float(r.top + 7), 6.5f, Scale(kGold, 0.8f));
    FillDisc(c, float(cx) - 1.5f, float(r.top + 5), 3.0f, kGold);
}

// The lift: a railing half with a lantern post at its outer end (its inner
// end a latch where the halves meet), standing on
// the deck where the riders' feet are (100 rows down); the beam under the
// deck, its wheels, the latch bolts that drop into the deck, and the signs
// on its side (up, then east).
void LiftHalf(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const int deck = r.top + 100, railTop = deck - 42;
    FillRect(c, r.left, deck - 4, r.right, r.bottom, kTimber);
    FillRect(c, r.left, deck - 4, r.right, deck - 2, kTimberLit);
    FillRect(c, r.left, r.bottom - 2, r.right, r.bottom, kTimberDark);
    FillRect(c, r.left, railTop, r.right, railTop + 5, kTimberLit);
    FillRect(c, r.left, railTop + 4, r.right, railTop + 6, kTimberDark);
    for (int x = r.left + 6; x < r.right - 8; x += 10) FillRect(c, x, railTop + 6, x + 3, deck - 4, kTimberDark);
    // The two halves close round the riders and meet at their inner ends
    // in front of the heroine: a slim iron latch there, no post to stand in
    // front of her legs.
    FillRect(c, r.left, railTop, r.left + 2, deck - 4, kIron);
    const int post = r.right - 9;
    FillRect(c, post, r.top + 16, r.right, deck - 4, kTimberDark);
    FillRect(c, post + 2, r.top + 16, post + 4, deck - 4, kTimber);
    FillRect(c, post - 2, r.top + 12, r.right, r.top + 16, kIron);
    FillDisc(c, float(post) + 4.5f, float(r.top + 7), 5.0f, Rgb{250, 214, 120});
    FillDisc(c, float(post) + 4.5f, float(r.top + 7), 2.5f, Rgb{255, 246, 210});
    FillRect(c, post, r.top, r.right, r.top + 2, kIron);
}

void LiftBeam(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTimberDark);
    FillRect(c, r.left, r.top, r.right, r.top + 3, kTimber);
    for (const int x : {r.left, r.right - 14, (r.left + r.right) / 2 - 7}) {
        FillRect(c, x, r.top + 3, x + 14, r.bottom, kIron);
        FillDisc(c, float(x) + 4.0f, float(r.top + 8), 1.3f, kIronLit);
        FillDisc(c, float(x) + 10.0f, float(r.top + 8), 1.3f, kIronLit);
    }
}

void LiftWheel(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const float cx = float(r.left + 13), cy = float(r.top + 13);
    Ring(c, cx, cy, 11.5f, 3.0f, kIron);
    for (int k = 0; k < 6; ++k) {
        const float a = float(k) * 3.14159f / 3.0f;
        Line(c, cx, cy, cx + std::cos(a) * 10.5f, cy + std::sin(a) * 10.5f, 2.0f, kTimberDark);
    }
    FillDisc(c, cx, cy, 3.5f, kIronLit);
    Line(c, cx + 3.0f, cy, cx + 10.5f, cy, 2.0f, kRed);   // one spoke painted, so the turning shows
}

void LiftLatch(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    FillRect(c, r.left + 2, r.top + 4, r.right - 2, r.bottom, kIron);
    FillRect(c, r.left + 2, r.top + 4, r.left + 3, r.bottom, kIronLit);
    FillRect(c, r.left, r.top, r.right, r.top + 5, kIronLit);
}

void Sign(Canvas& c, const PictureRect& r, bool up) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTimberDark);
    FillRect(c, r.left + 2, r.top + 2, r.right - 2, r.bottom - 2, kCloth);
    const float cx = (r.left + r.right) * 0.5f, cy = (r.top + r.bottom) * 0.5f, h = float(r.bottom - r.top) - 6.0f;
    if (up) {
        const float arrow[] = {cx, cy - h / 2, cx + h / 2, cy, cx - h / 2, cy};
        FillPolygon(c, arrow, 3, kRed);
        FillRect(c, int(cx - h / 6), int(cy), int(cx + h / 6) + 1, int(cy + h / 2) + 1, kRed);
    } else {
        const float arrow[] = {cx + h, cy, cx + h / 4, cy - h / 2, cx + h / 4, cy + h / 2};
        FillPolygon(c, arrow, 3, kRed);
        FillRect(c, int(cx - h), int(cy - h / 6), int(cx + h / 4), int(cy + h / 6) + 1, kRed);
    }
}

// The holder the gate's bar slides into: an open hook, and the closed clasp.
void BarHolder(Canvas& c, const PictureRect& r, bool open) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    FillRect(c, r.left, r.top, r.left + 6, r.bottom, kIron);
    FillRect(c, r.left + 1, r.top, r.left + 2, r.bottom, kIronLit);
    FillRect(c, r.left, r.bottom - 6, r.right, r.bottom, kIron);
    if (!open) FillRect(c, r.left, r.top, r.right, r.top + 6, kIron);
    FillRect(c, r.right - 5, open ? r.bottom - 14 : r.top, r.right, r.bottom, kIron);
    FillDisc(c, float(r.left) + 3.0f, float(r.top + 5), 1.2f, kIronLit);
}

// The approach to the lift: a stone landing the two lamps stand on (its top
// at row 0 of the lamps' feet), a hedge and a clipped tree on the ground.
void Approach(Canvas& c) {
    const PictureRect land = kApproachLanding, hedge = kApproachHedge, tree = kApproachTree;
    Masonry(c, land.left, land.top + 6, land.right, land.bottom, 13, 34, kStone, 185);
    FillRect(c, land.left, land.top, land.right, land.top + 6, Scale(kStone, 1.12f));
    FillRect(c, land.left, land.top + 6, land.right, land.top + 8, kStoneDark);
    FillRect(c, hedge.left, hedge.top, hedge.right, hedge.bottom, kTransparent);
    const Rgb leaf{70, 132, 64}, leafDark{46, 96, 48}, leafLit{110, 170, 90};
    FillRect(c, hedge.left, hedge.top + 14, hedge.right, hedge.bottom, leafDark);
    for (int x = hedge.left + 10; x < hedge.right; x += 18) {
        FillDisc(c, float(x), float(hedge.top + 14), 10.0f, leaf);
        FillDisc(c, float(x) - 3.0f, float(hedge.top + 10), 4.0f, leafLit);
    }
    FillRect(c, tree.left, tree.top, tree.right, tree.bottom, kTransparent);
    const float tx = float(tree.left + 22);
    FillRect(c, int(tx) - 2, tree.top + 40, int(tx) + 3, tree.bottom - 10, kTimberDark);
    FillDisc(c, tx, float(tree.top + 24), 20.0f, leafDark);
    FillDisc(c, tx - 1.0f, float(tree.top + 22), 17.0f, leaf);
    FillDisc(c, tx - 6.0f, float(tree.top + 15), 6.0f, leafLit);
    const float pot[] = {tx - 12, float(tree.bottom - 11), tx + 12, float(tree.bottom - 11), tx + 9,
                         float(tree.bottom), tx - 9, float(tree.bottom)};
    FillPolygon(c, pot, 4, Rgb{176, 96, 62});
    // The lamps on the landing: dark while the lift waits, lit for the talk.
    for (std::size_t k = 0; k < kApproachLamps.size(); ++k) {
        const PictureRect& r = kApproachLamps[k];
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const float cx = (r.left + r.right) * 0.5f;
        const bool lit = k > 0;
        FillRect(c, int(cx) - 1, r.top + 12, int(cx) + 2, r.bottom, kIron);
        FillRect(c, int(cx) - 4, r.bottom - 3, int(cx) + 5, r.bottom, kIron);
        if (lit) FillDisc(c, cx, float(r.top + 7), 9.0f, Rgb{250, 220, 130});
        FillRect(c, int(cx) - 4, r.top + 2, int(cx) + 5, r.top + 12, kIron);
        FillRect(c, int(cx) - 3, r.top + 4, int(cx) + 4, r.top + 11, lit ? Rgb{255, 244, 190} : Rgb{96, 92, 84});
    }
}

}  // namespace

bool HasArenaStandArt(int resourceId) { return resourceId == kArenaSheet; }

void DrawArenaStandArt(Canvas& c, const PictureInfo& info) {
    if (info.id != kArenaSheet) return;
    const auto& stand = kArenaStandRects;   // top, tier back, the crowd sitting, rail
    StandTop(c, stand[0]);
    TierBack(c, stand[1]);
    SeatedSpectators(c, stand[2]);
    TierRail(c, stand[3]);
    const auto& stage = kArenaStageRects;   // gate, its base, the platform's deck and post
    StageGate(c, stage[0]);
    StageBase(c, stage[1]);
    StagePlatform(c, stage[2], stage[3]);
    GateCrown(c, kArenaGateCrownRects[0], 35, 146);    // over the west gate's column (O + 50 .. O + 153)
    GateCrown(c, kArenaGateCrownRects[1], 100, 211);   // over the east gate's column, mirrored at the gate
    RoundBanners(c);
    Door(c);
    MarkerPole(c);
    const auto& lift = kArenaLiftRects;   // half, beam, wheel, latch, signs, bar holder
    LiftHalf(c, lift[0]);
    LiftBeam(c, lift[1]);
    LiftWheel(c, lift[2]);
    LiftLatch(c, lift[3]);
    Sign(c, lift[4], true);
    Sign(c, lift[5], false);
    BarHolder(c, lift[6], true);
    BarHolder(c, lift[7], false);
    Approach(c);
}

}  // namespace art
