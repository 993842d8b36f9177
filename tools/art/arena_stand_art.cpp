#include "tools/art/arena_stand_art.h"

#include <algorithm>
#include <cmath>

#include "tools/art/arena_rects.h"

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

// Part 1, the top of a column: a pennant on a pole above a striped awning,
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

// Parts 2..7, the back of a tier, where the spectators sit.
void TierBack(Canvas& c, const PictureRect& r) {
    Masonry(c, r.left, r.top, r.right, r.bottom, 15, 29, kStoneDark, 180);
    VerticalGradient(c, r.left, r.top, r.right, r.top + 12, Scale(kShade, 0.85f), Scale(kStoneDark, 0.9f));
    FillRect(c, r.left, r.bottom - 18, r.right, r.bottom - 12, kTimber);   // the bench, behind the rail
    Post(c, r);
}

// Parts 14..19, the rail at the front of each tier.
void TierRail(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTimber);
    FillRect(c, r.left, r.top, r.right, r.top + 4, kTimberLit);
    FillRect(c, r.left, r.top + 9, r.right, r.top + 13, kRed);
    FillRect(c, r.left, r.bottom - 2, r.right, r.bottom, kTimberDark);
    Post(c, r);
}

// Parts 8..13, an empty seat, shown while no crowd sits there.
void EmptySeat(Canvas& c, const PictureRect& r) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTimberDark);
    for (int y = r.top + 2; y < r.top + 20; y += 6) FillRect(c, r.left + 2, y, r.right - 2, y + 4, kTimber);
    FillRect(c, r.left, r.top + 22, r.right, r.bottom, kTimberLit);
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

}  // namespace

bool HasArenaStandArt(int resourceId) { return resourceId == kArenaSheet; }

void DrawArenaStandArt(Canvas& c, const PictureInfo& info) {
    if (info.id != kArenaSheet) return;
    const auto& stand = kArenaStandRects;   // top, tier back, empty seat, rail
    StandTop(c, stand[0]);
    TierBack(c, stand[1]);
    EmptySeat(c, stand[2]);
    TierRail(c, stand[3]);
    const auto& stage = kArenaStageRects;   // gate, its base, the platform's deck and post
    StageGate(c, stage[0]);
    StageBase(c, stage[1]);
    StagePlatform(c, stage[2], stage[3]);
    GateCrown(c, {0, 219, 247, 301}, 35, 146);    // over the west gate's column (O + 50 .. O + 153)
    GateCrown(c, {0, 303, 246, 385}, 100, 211);   // over the east gate's column, mirrored at the gate
    RoundBanners(c);
}

}  // namespace art
