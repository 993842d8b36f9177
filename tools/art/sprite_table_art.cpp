#include "tools/art/sprite_table_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

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

// How a pose holds her body.
enum class Stance { Stand, Walk, Run, Jump, Crouch, Attack, Kick, Lying, Tumble, Hurt };

Stance StanceOf(int pose, bool second) {
    if (second) return Stance::Attack;
    if (pose >= 2 && pose <= 7) return Stance::Walk;
    if (pose >= 8 && pose <= 11) return Stance::Run;
    if (pose == 12 || pose == 13 || pose == 26) return Stance::Crouch;
    if (pose >= 14 && pose <= 16) return Stance::Jump;
    if (pose >= 41 && pose <= 44) return Stance::Tumble;
    if (pose >= 72 && pose <= 77) return Stance::Lying;
    if (pose == 84 || pose == 85) return Stance::Hurt;
    if ((pose >= 17 && pose <= 21) || (pose >= 45 && pose <= 56)) return Stance::Kick;
    if (pose == 1 || pose == 22 || pose == 23 || pose == 24 || pose == 25 || pose == 27 || pose == 96 ||
        (pose >= 29 && pose <= 35) || pose == 90)
        return Stance::Stand;
    return Stance::Attack;
}

struct Outfit {
    Rgb dress, trim, skin, hair;
};
constexpr Outfit kFirstOutfit{{206, 64, 96}, {250, 214, 120}, {250, 214, 180}, {110, 60, 32}};
constexpr Outfit kSecondOutfit{{48, 128, 170}, {230, 236, 250}, {250, 214, 180}, {110, 60, 32}};

void Clip(Canvas& c, const SpriteRect& r) {
    const ClipBox box{r.left, r.top, r.right, r.bottom};
    SetClip(c, &box);
}

// The heroine facing right, her feet at (fx, fy), h px tall.
void DrawHeroine(Canvas& c, float fx, float fy, float h, Stance stance, int pose, const Outfit& o) {
    const float u = h / 8.0f;                      // one head height
    const float limb = std::max(1.5f, u * 0.42f);
    const float phase = float(pose) * 1.1f;
    float hip = fy - u * 3.6f;
    float lean = 0.0f;                             // shoulders ahead of hips
    float stride = 0.35f, armFwd = 0.3f;
    switch (stance) {
        case Stance::Walk: stride = 0.35f + 0.3f * std::sin(phase); armFwd = -stride; break;
        case Stance::Run: stride = 0.9f; armFwd = -0.8f; lean = u * 0.8f; break;
        case Stance::Jump: stride = 0.6f; hip = fy - u * 4.2f; armFwd = 1.2f; break;
        case Stance::Crouch: hip = fy - u * 2.0f; stride = 1.0f; lean = u * 0.5f; break;
        case Stance::Attack: stride = 0.8f; armFwd = 1.5f; lean = u * 0.6f; break;
        case Stance::Kick: stride = 1.5f; armFwd = -0.6f; lean = -u * 0.4f; break;
        case Stance::Hurt: stride = 0.3f; armFwd = -1.0f; lean = -u * 0.9f; break;
        default: break;
    }
    const float neck = hip - u * 2.6f;
    const float sx = fx + lean;                   // shoulder x
    // Legs: the front leg swings forward by stride.
    for (int side = -1; side <= 1; side += 2) {
        // A kick stands on the back leg, planted under her.
        const float a = (stance == Stance::Kick && side == -1) ? -0.15f : stride * float(side) * 0.8f;
        const float kneeX = fx + std::sin(a) * u * 1.8f, kneeY = hip + std::cos(a) * u * 1.7f;
        const float footX = fx + std::sin(a) * u * 3.2f;
        const float footY = (stance == Stance::Kick && side == 1) ? hip - u * 0.2f : fy - limb * 0.5f;
        Line(c, fx, hip, kneeX, kneeY, limb * 1.15f, Scale(o.dress, 0.7f));
        Line(c, kneeX, kneeY, footX, footY, limb, o.skin);
        Line(c, footX, footY, footX + u * 0.55f, footY, limb, Scale(o.hair, 0.8f));
    }
    // Hair streaming behind, then the dress and its trim.
    const float headR = u * 0.5f, headX = sx + u * 0.1f, headY = neck - headR * 1.1f;
    FillEllipse(c, headX - headR * 0.6f, headY + headR * 0.7f, headR * 1.1f, headR * 1.7f, o.hair);
    const float body[] = {sx - u * 0.55f, neck, sx + u * 0.55f, neck, fx + u * 1.15f, hip + u * 0.9f,
                          fx - u * 1.15f, hip + u * 0.9f};
    FillPolygon(c, body, 4, o.dress);
    Line(c, fx - u * 1.1f, hip + u * 0.8f, fx + u * 1.1f, hip + u * 0.8f, std::max(1.0f, u * 0.18f), o.trim);
    Line(c, sx - u * 0.4f, hip - u * 0.3f, sx + u * 0.4f, hip - u * 0.3f, std::max(1.0f, u * 0.2f), o.trim);
    // Arms.
    for (int side = -1; side <= 1; side += 2) {
        const float a = (side == 1 ? armFwd : -armFwd * 0.6f) + 0.2f;
        const float handX = sx + std::sin(a) * u * 2.2f, handY = neck + std::cos(a) * u * 2.2f;
        Line(c, sx, neck + u * 0.2f, handX, handY, limb * 0.9f, Scale(o.dress, 1.15f));
        FillDisc(c, handX, handY, limb * 0.6f, o.skin);
    }
    // Head, fringe and eye (looking ahead).
    FillDisc(c, headX, headY, headR, o.skin);
    FillEllipse(c, headX - headR * 0.2f, headY - headR * 0.55f, headR * 1.05f, headR * 0.5f, o.hair);
    FillDisc(c, headX + headR * 0.45f, headY, std::max(0.7f, headR * 0.16f), Rgb{40, 30, 60});
}

// A frame of the heroine: feet on the anchor, as tall as the frame allows.
void DrawFrame(Canvas& c, const SpriteRect& r, float ax, float ay, int pose, bool second, const Outfit& o) {
    Clip(c, r);
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const Stance stance = StanceOf(pose, second);
    const float fx = float(r.left) + ax, fy = std::min(float(r.top) + ay, float(r.bottom)) - 1.0f;
    if (stance == Stance::Lying) {
        // Lying along the frame, head away from the anchor.
        const float cy = float(r.top + r.bottom) * 0.5f, len = float(r.Width()) * 0.8f;
        const float x0 = fx - len;
        FillEllipse(c, x0 + len * 0.5f, cy, len * 0.4f, float(r.Height()) * 0.3f, o.dress);
        FillDisc(c, x0 + len * 0.08f, cy, float(r.Height()) * 0.3f, o.skin);
        FillEllipse(c, x0, cy, float(r.Height()) * 0.2f, float(r.Height()) * 0.35f, o.hair);
        Line(c, x0 + len * 0.85f, cy, fx - 2.0f, cy, std::max(1.5f, float(r.Height()) * 0.15f), o.skin);
        SetClip(c, nullptr);
        return;
    }
    const float h = std::min(fy - float(r.top), 150.0f) * 0.96f;
    DrawHeroine(c, fx, fy, h, stance == Stance::Tumble ? Stance::Crouch : stance, pose, o);
    // Attacks reach forward: a weapon or a kick's arc ahead of her.
    if (stance == Stance::Attack && float(r.right) - fx > h * 0.35f) {
        const float y = fy - h * 0.62f;
        Line(c, fx + h * 0.12f, y, float(r.right) - 3.0f, y - h * 0.12f, std::max(1.5f, h * 0.025f),
             Rgb{225, 232, 250});
        Line(c, fx + h * 0.12f, y + 2.0f, float(r.right) - 6.0f, y + h * 0.1f, 1.5f, Rgb{160, 200, 250});
    }
    SetClip(c, nullptr);
}

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

void DrawHeroineSheet(Canvas& c, int id) {
    using namespace heroine_w1_table;
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    const bool second = id == kSheetW1Second;
    for (const FrameRow& f : kFrames)
        if (OnSecondSheet(f.pose) == second)
            DrawFrame(c, f.rect, float(f.anchorX), float(f.anchorY), f.pose, second, kFirstOutfit);
    if (!second) {
        for (const SparkFrame& s : kSparkA) DrawStreak(c, s.rect, Rgb{255, 240, 200});
        FillRect(c, kStripLeft, kStripTop, kStripRight, kStripBottom[1], Rgb{236, 60, 80});
        FillRect(c, kStripLeft + 3, kStripTop, kStripLeft + 5, kStripBottom[1], Rgb{255, 200, 120});
    } else {
        for (const SparkFrame& s : kSparkB) DrawStreak(c, s.rect, Rgb{200, 230, 255});
        for (const SpriteRect& t : kTrailRects) DrawStreak(c, t, Rgb{180, 220, 255});
    }
}

void DrawSecondModeSheet(Canvas& c) {
    using namespace heroine_w2_table;
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    for (const BodyRow& b : kBody)
        DrawFrame(c, b.rect, float(b.pivotX), float(b.rect.Height()), b.pose, false, kSecondOutfit);
    // The tumble frame: curled up in a ball.
    Clip(c, kTumbleFrame);
    FillDisc(c, float(kTumbleFrame.left + kTumbleFrame.right) * 0.5f, float(kTumbleFrame.top + kTumbleFrame.bottom) * 0.5f,
             float(kTumbleFrame.Width()) * 0.42f, kSecondOutfit.dress);
    SetClip(c, nullptr);
    // The carried weapon: a long staff with a blade at its head.
    Clip(c, kWeapon);
    FillRect(c, kWeapon.left, kWeapon.top, kWeapon.right, kWeapon.bottom, kTransparent);
    const float mid = float(kWeapon.left + kWeapon.right) * 0.5f;
    Line(c, mid, float(kWeapon.top) + 14.0f, mid, float(kWeapon.bottom) - 1.0f, 3.0f, Rgb{150, 100, 60});
    const float blade[] = {mid, float(kWeapon.top), mid + 8.0f, float(kWeapon.top) + 16.0f, mid, float(kWeapon.top) + 20.0f,
                           mid - 8.0f, float(kWeapon.top) + 16.0f};
    FillPolygon(c, blade, 4, Rgb{220, 230, 245});
    SetClip(c, nullptr);
    for (const ComboRow& r : kBackCombo) DrawStreak(c, r.rect, Rgb{230, 240, 255});
    for (const ComboRow& r : kFrontCombo) DrawStreak(c, r.rect, Rgb{210, 235, 255});
    for (const EffectRow& e : kEffects) DrawStreak(c, e.rect, Rgb{160, 210, 255});
    for (const PartRow& p : kParts) {
        Clip(c, p.rect);
        FillRect(c, p.rect.left, p.rect.top, p.rect.right, p.rect.bottom, kSecondOutfit.trim);
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
    const PictureRect ball[] = {ToPicture(kBall)};
    DrawFiguresAt(c, ball, FigureKind::Icon);
    std::vector<PictureRect> flame;
    for (const SheetRect& e : kFlameEdges) {
        flame.push_back(PictureRect{e.left, kFlameTop, e.right, kFlameBottom});
        flame.push_back(PictureRect{e.left + kFlameLayerShift, kFlameTop, e.right + kFlameLayerShift, kFlameBottom});
    }
    DrawFiguresAt(c, flame, FigureKind::Effect);
}

}  // namespace

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
            const int gno = info.id == kBursts ? 514 : (info.id == kBigBursts ? 515 : 421);
            int n = 0;
            for (const Row& r : kRows)
                if (r.gno == gno) DrawStarBurst(c, r.rect, n++);
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
