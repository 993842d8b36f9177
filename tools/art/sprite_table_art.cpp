#include "tools/art/sprite_table_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/art/figure_art.h"
#include "tools/art/picture_art.h"

#include "areas/era00_era01/era00/sheets.h"
#include "core/sprites/heroine_w1_table.h"
#include "core/sprites/heroine_w2_table.h"
#include "core/sprites/object_table.h"

namespace art {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

constexpr int kSheetW1 = 101, kSheetW1Second = 183, kSheetW2 = 197;
constexpr int kHomeActors = 187;
constexpr int kCoins = 132, kBursts = 133, kBigBursts = 134, kFlashes = 157, kSaveMarker = 138;

void Clip(Canvas& c, const SpriteRect& r) {
    const ClipBox box{r.left, r.top, r.right, r.bottom};
    SetClip(c, &box);
}

constexpr Rgb kSecondOutfitTrim{230, 236, 250};

// A streak or spark: a bright fading wedge filling the rectangle.
void DrawStreak(Canvas& c, const SpriteRect& r, Rgb colour) {
    Clip(c, r);
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const float l = float(std::min(r.left, r.right)), t = float(std::min(r.top, r.bottom));
    const float w = float(std::abs(r.Width())), hgt = float(std::abs(r.Height()));
    const int bands = 5;
    for (int k = 0; k < bands; ++k) {
        const float f = float(k) / float(bands);
        const float xy[] = {l + w * f * 0.5f, t + hgt * (0.5f - 0.45f * (1 - f)), l + w, t + hgt * 0.5f,
                            l + w * f * 0.5f, t + hgt * (0.5f + 0.45f * (1 - f))};
        FillPolygon(c, xy, 3, Mix(Scale(colour, 0.5f), colour, f));
    }
    SetClip(c, nullptr);
}

void DrawStarBurst(Canvas& c, const SpriteRect& r, int variant) {
    Clip(c, r);
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const float cx = float(r.left + r.right) * 0.5f, cy = float(r.top + r.bottom) * 0.5f;
    const float rad = float(std::min(r.Width(), r.Height())) * 0.48f;
    const Rgb hot = Hsv(30.0f + float(variant) * 9.0f, 0.8f - 0.1f * float(variant % 4), 1.0f);
    float star[40];
    for (int i = 0; i < 20; ++i) {
        const float a = float(i) * kPi / 10.0f + float(variant) * 0.3f;
        const float rr = (i % 2 == 0) ? rad : rad * (0.4f + 0.05f * float(variant % 3));
        star[2 * i] = cx + std::cos(a) * rr;
        star[2 * i + 1] = cy + std::sin(a) * rr;
    }
    FillPolygon(c, star, 20, hot);
    FillDisc(c, cx, cy, rad * 0.45f, Mix(hot, Rgb{255, 255, 220}, 0.6f));
    FillDisc(c, cx, cy, rad * 0.2f, Rgb{255, 255, 245});
    SetClip(c, nullptr);
}

void DrawCoin(Canvas& c, const SpriteRect& r) {
    Clip(c, r);
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const float cx = float(r.left + r.right) * 0.5f, cy = float(r.top + r.bottom) * 0.5f;
    const float rx = float(r.Width()) * 0.48f, ry = float(r.Height()) * 0.46f;
    FillEllipse(c, cx, cy, rx, ry, Rgb{200, 150, 30});
    FillEllipse(c, cx, cy, rx * 0.8f, ry * 0.85f, Rgb{250, 206, 60});
    if (rx > 5.0f) FillEllipse(c, cx - rx * 0.25f, cy - ry * 0.3f, rx * 0.25f, ry * 0.2f, Rgb{255, 245, 190});
    SetClip(c, nullptr);
}

// Her sheets' sparks, streaks and worn strip (she herself is painted from
// the cell list).
void DrawHeroineSheet(Canvas& c, int id) {
    using namespace heroine_w1_table;
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    const bool second = id == kSheetW1Second;
    if (!second) {
        for (const SparkFrame& s : kSparkA) DrawStreak(c, s.rect, Rgb{255, 240, 200});
        FillRect(c, kStripLeft, kStripTop, kStripRight, kStripBottom[1], Rgb{236, 60, 80});
        FillRect(c, kStripLeft + 3, kStripTop, kStripLeft + 5, kStripBottom[1], Rgb{255, 200, 120});
    } else {
        for (const SparkFrame& s : kSparkB) DrawStreak(c, s.rect, Rgb{200, 230, 255});
        for (const SpriteRect& t : kTrailRects) DrawStreak(c, t, Rgb{180, 220, 255});
    }
}

// The blade her back layer draws beside her frame in the stances that hold
// it: straight steel the length of its cell (down a tall cell, along a wide
// one), full to either end, a bright edge down one side. Her hand closes on
// whichever end lies nearer her (the cell's top in some stances, its foot
// in others), so neither end tapers away from the fist.
void DrawHeldBlade(Canvas& c, const SpriteRect& r) {
    Clip(c, r);
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const Rgb spine{176, 186, 206}, steel{214, 222, 236}, edge{246, 248, 255};
    const bool along = r.Width() > r.Height();
    // Across the blade: one see-through texel each side, at most four of steel.
    const int across = along ? r.Height() : r.Width();
    const int thick = std::min(4, across - 2), first = (along ? r.top : r.left) + (across - thick) / 2;
    const int from = along ? r.left : r.top, to = along ? r.right : r.bottom;
    for (int s = from; s < to; ++s) {
        // Only the very first and last texels along it are bevelled.
        const bool end = s == from || s == to - 1;
        for (int k = 0; k < thick; ++k) {
            if (end && (k == 0 || k == thick - 1)) continue;
            const Rgb p = k == 0 ? spine : k == thick - 1 ? edge : steel;
            if (along) c.Put(s, first + k, Solid(p));
            else c.Put(first + k, s, Solid(p));
        }
    }
    SetClip(c, nullptr);
}

void DrawSecondModeSheet(Canvas& c) {
    using namespace heroine_w2_table;
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    // The carried weapon: a long staff with a blade at its head.
    Clip(c, kWeapon);
    FillRect(c, kWeapon.left, kWeapon.top, kWeapon.right, kWeapon.bottom, kTransparent);
    const float mid = float(kWeapon.left + kWeapon.right) * 0.5f;
    Line(c, mid, float(kWeapon.top) + 14.0f, mid, float(kWeapon.bottom) - 1.0f, 3.0f, Rgb{150, 100, 60});
    const float blade[] = {mid, float(kWeapon.top), mid + 8.0f, float(kWeapon.top) + 16.0f, mid, float(kWeapon.top) + 20.0f,
                           mid - 8.0f, float(kWeapon.top) + 16.0f};
    FillPolygon(c, blade, 4, Rgb{220, 230, 245});
    SetClip(c, nullptr);
    for (const ComboRow& r : kBackCombo)
        if (BackLayerDrawsHerBlade(r.pose)) DrawHeldBlade(c, r.rect);
        else DrawStreak(c, r.rect, Rgb{230, 240, 255});
    for (const ComboRow& r : kFrontCombo) DrawStreak(c, r.rect, Rgb{210, 235, 255});
    for (const EffectRow& e : kEffects) DrawStreak(c, e.rect, Rgb{160, 210, 255});
    for (const PartRow& p : kParts) {
        Clip(c, p.rect);
        FillRect(c, p.rect.left, p.rect.top, p.rect.right, p.rect.bottom, kSecondOutfitTrim);
        SetClip(c, nullptr);
    }
    DrawStreak(c, kSlidePart, Rgb{200, 200, 210});
    DrawStreak(c, kLyingPart, Rgb{150, 100, 60});
}

// The home area's actors' sheet: the thrown thing, the ball and the flame
// (the people and the pet are painted from the cell list).
PictureRect ToPicture(const era00_sheet::SheetRect& r) { return PictureRect{r.left, r.top, r.right, r.bottom}; }

void DrawHomeActorsSheet(Canvas& c) {
    using namespace era00_sheet;
    std::vector<PictureRect> thrown;
    for (const FrameRow& r : kActorDFrames) thrown.push_back(PictureRect{r.left, r.top, r.right, r.bottom});
    DrawFiguresAt(c, thrown, FigureKind::Prop, {}, 4);
    // The pet's ball: red, with a white band round it.
    const PictureRect ball = ToPicture(kBall);
    const ClipBox box{ball.left, ball.top, ball.right, ball.bottom};
    SetClip(c, &box);
    const float bx = float(ball.left + ball.right) * 0.5f, by = float(ball.top + ball.bottom) * 0.5f;
    const float br = float(std::min(ball.Width(), ball.Height())) * 0.48f;
    FillDisc(c, bx, by, br, kBallRed);
    FillRect(c, ball.left, int(by) - 1, ball.right, int(by) + 1, kBallBand);
    FillDisc(c, bx - br * 0.35f, by - br * 0.4f, br * 0.2f, kBallShine);
    SetClip(c, nullptr);
    std::vector<PictureRect> flame;
    for (const SheetRect& e : kFlameEdges) {
        flame.push_back(PictureRect{e.left, kFlameTop, e.right, kFlameBottom});
        flame.push_back(PictureRect{e.left + kFlameLayerShift, kFlameTop, e.right + kFlameLayerShift, kFlameBottom});
    }
    DrawFiguresAt(c, flame, FigureKind::Effect);
}

// The graphic number the object table cuts a burst or flash picture under.
int BurstGraphic(int id) { return id == kBursts ? 514 : (id == kBigBursts ? 515 : 421); }

}  // namespace

std::vector<PictureRect> SpriteTablePieceRects(int id) {
    using namespace object_table;
    std::vector<PictureRect> out;
    auto add = [&](const SpriteRect& r) { out.push_back(PictureRect{r.left, r.top, r.right, r.bottom}); };
    if (id == kCoins)
        for (const CoinFrame& f : kCoinFrames) add(f.rect);
    if (id == kBursts || id == kBigBursts || id == kFlashes)
        for (const Row& r : kRows)
            if (r.gno == BurstGraphic(id)) add(r.rect);
    if (id == kSaveMarker)
        for (int n = 1; n <= 4; ++n) add(SaveSpotFrame(n));
    return out;
}

bool BackLayerDrawsHerBlade(int pose) {
    using namespace heroine_w2_table;
    const ComboRow* row = FindCombo(kBackCombo, pose);
    if (row == nullptr) return false;
    const bool bladeCell = row->rect == FindCombo(kBackCombo, 217)->rect;
    return (bladeCell && row->gate == Gate::WithBody) || (row->colour == kTint && row->gate == Gate::Always);
}

bool HasSpriteTableArt(int id) {
    return id == kSheetW1 || id == kSheetW1Second || id == kSheetW2 || id == kCoins || id == kBursts ||
           id == kBigBursts || id == kFlashes || id == kSaveMarker || id == kHomeActors;
}

void DrawSpriteTableArt(Canvas& c, const PictureInfo& info) {
    using namespace object_table;
    // Every part of these pictures the game shows is a table rectangle; the
    // rest stays see-through.
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    switch (info.id) {
        case kSheetW1:
        case kSheetW1Second: DrawHeroineSheet(c, info.id); break;
        case kSheetW2: DrawSecondModeSheet(c); break;
        case kHomeActors: DrawHomeActorsSheet(c); break;
        case kCoins:
            for (const CoinFrame& f : kCoinFrames) DrawCoin(c, f.rect);
            break;
        case kBursts:
        case kBigBursts:
        case kFlashes: {
            int n = 0;
            for (const Row& r : kRows)
                if (r.gno == BurstGraphic(info.id)) DrawStarBurst(c, r.rect, n++);
            break;
        }
        case kSaveMarker:
            for (int n = 1; n <= 4; ++n) {
                const SpriteRect r = SaveSpotFrame(n);
                Clip(c, r);
                FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
                const float cx = float(r.left + r.right) * 0.5f;
                const float tri[] = {float(r.left) + 1.0f, float(r.top) + 1.0f, float(r.right) - 1.0f, float(r.top) + 1.0f,
                                     cx, float(r.bottom) - 1.0f};
                FillPolygon(c, tri, 3, Hsv(50.0f + 15.0f * float(n), 0.6f, 1.0f));
                SetClip(c, nullptr);
            }
            break;
        default: break;
    }
}

}  // namespace art
