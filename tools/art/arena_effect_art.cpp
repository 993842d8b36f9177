#include "tools/art/arena_effect_art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

#include "areas/era03/arena_sheets.h"

namespace art {

namespace {

constexpr int kShooterSheet = 192, kThirdSheet = 194;
constexpr float kPi = std::numbers::pi_v<float>;

// The shooter's light: pale gold round a white core.
constexpr Rgb kGoldEdge{236, 206, 128}, kGoldCore{255, 251, 232};
// The dust her rush kicks up, darkest at the foot.
constexpr Rgb kDust[3] = {{150, 128, 104}, {184, 164, 136}, {200, 194, 184}};
// The third enemy's light: violet round a white core.
constexpr Rgb kVioletEdge{168, 92, 220}, kVioletMid{218, 158, 246}, kVioletCore{255, 244, 255};

struct Box {
    float l, t, r, b;
    float W() const { return r - l; }
    float H() const { return b - t; }
};

Box Begin(Canvas& c, const ArenaRect& r) {
    const ClipBox box{r.left, r.top, r.right, r.bottom};
    SetClip(c, &box);
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    return Box{float(r.left), float(r.top), float(r.right), float(r.bottom)};
}

// A stroke along the curve from (x0, y0) to (x2, y2) pulled toward (x1, y1),
// thickest at its middle: a coloured rim, then the bright core inside it.
void Swoosh(Canvas& c, float x0, float y0, float x1, float y1, float x2, float y2, float width, Rgb edge, Rgb core) {
    constexpr int kSteps = 24;
    const auto at = [&](float t, float a, float m, float b) { return (1 - t) * (1 - t) * a + 2 * (1 - t) * t * m + t * t * b; };
    for (const auto& [colour, share] : {std::pair{edge, 1.0f}, std::pair{core, 0.45f}}) {
        for (int i = 0; i < kSteps; ++i) {
            const float t0 = float(i) / kSteps, t1 = float(i + 1) / kSteps;
            const float w = std::max(1.0f, width * share * std::sin(kPi * (t0 + t1) * 0.5f));
            Line(c, at(t0, x0, x1, x2), at(t0, y0, y1, y2), at(t1, x0, x1, x2), at(t1, y0, y1, y2), w, Solid(colour));
        }
    }
}

// A ball of light: rings from the rim in to the core.
void Glow(Canvas& c, float cx, float cy, float r, Rgb edge, Rgb mid, Rgb core) {
    FillDisc(c, cx, cy, r, Solid(edge));
    FillDisc(c, cx, cy, r * 0.75f, Solid(mid));
    FillDisc(c, cx, cy, r * 0.42f, Solid(core));
}

// A star of `points` rays round (cx, cy), its inner corners at `inner` of r.
void Star(Canvas& c, float cx, float cy, float r, int points, float inner, float turn, Rgb colour) {
    float xy[2 * 2 * 24];
    const int n = std::min(points, 24) * 2;
    for (int i = 0; i < n; ++i) {
        const float a = turn + float(i) * kPi / float(n / 2);
        const float rr = i % 2 == 0 ? r : r * inner;
        xy[2 * i] = cx + std::cos(a) * rr;
        xy[2 * i + 1] = cy + std::sin(a) * rr;
    }
    FillPolygon(c, xy, n, Solid(colour));
}

// Dust that rests on the cell's foot and piles up toward its top: the big
// puffs low, so any strip cut from the cell's foot holds dust too.
void Dust(Canvas& c, const Box& b) {
    struct Puff {
        float x, y, r;   // fractions of the cell: centre across, centre up from the foot, radius of the height
        int shade;
    };
    constexpr Puff kPuffs[] = {
        {0.22f, 0.2f, 0.2f, 0}, {0.55f, 0.18f, 0.22f, 0}, {0.82f, 0.2f, 0.18f, 0}, {0.34f, 0.44f, 0.17f, 1},
        {0.68f, 0.46f, 0.16f, 1}, {0.5f, 0.68f, 0.13f, 2}, {0.26f, 0.3f, 0.12f, 2}, {0.74f, 0.3f, 0.12f, 2},
    };
    const float unit = std::min(b.H(), b.W() * 1.6f);
    for (const Puff& p : kPuffs) {
        const float r = p.r * unit;
        FillDisc(c, b.l + p.x * b.W(), b.b - std::max(r, p.y * b.H()), r, Solid(kDust[p.shade]));
    }
}

// A streak pointed at both ends, widest toward its front (the right end).
void Streak(Canvas& c, const Box& b, Rgb edge, Rgb core) {
    const float my = (b.t + b.b) * 0.5f, h = b.H() * 0.42f;
    const float outer[] = {b.l + 1, my, b.r - b.W() * 0.18f, my - h, b.r - 1, my, b.r - b.W() * 0.18f, my + h};
    FillPolygon(c, outer, 4, Solid(edge));
    const float inner[] = {b.l + b.W() * 0.2f, my, b.r - b.W() * 0.2f, my - h * 0.4f, b.r - 3, my,
                           b.r - b.W() * 0.2f, my + h * 0.4f};
    FillPolygon(c, inner, 4, Solid(core));
}

// ---- the shooter ------------------------------------------------------------------

ArenaRect EffectCell(std::int32_t kind) {
    for (const Boss1Effect& e : kBoss1Effects)
        if (e.kind == kind) return e.rect;
    return kBoss1Effects[0].rect;
}

// The slash of her strike: a crescent standing up from her reach (51, and
// the fainter 52 after it).
void Slash(Canvas& c, const ArenaRect& cell) {
    const Box b = Begin(c, cell);
    Swoosh(c, b.l + 5, b.t + 4, b.r + b.W() * 0.3f, (b.t + b.b) * 0.5f, b.l + 5, b.b - 4, b.W() * 0.32f, kGoldEdge,
           kGoldCore);
}

// The wind-up of her throw: streaks drawn in toward her hand, the brightest
// at their front, where the glow of the gathered throw sits (53 is that front).
void WindUp(Canvas& c, const ArenaRect& cell) {
    const Box b = Begin(c, cell);
    for (int k = 0; k < 4; ++k) {
        const float y = b.t + b.H() * (0.2f + 0.2f * float(k));
        Swoosh(c, b.l + 2, y + 4, (b.l + b.r) * 0.5f, y - 3, b.r - 6, b.t + b.H() * 0.5f, 5.0f, kGoldEdge, kGoldCore);
    }
    Glow(c, b.r - 10, b.t + b.H() * 0.5f, std::min(9.0f, b.H() * 0.2f), kGoldEdge, Mix(kGoldEdge, kGoldCore, 0.5f),
         kGoldCore);
}

// The upswing of her uppercut, from low behind to high in front.
void Upswing(Canvas& c, const ArenaRect& cell) {
    const Box b = Begin(c, cell);
    Swoosh(c, b.l + 3, b.b - 5, b.r - 4, b.b - 3, b.r - 6, b.t + 3, std::min(b.W(), b.H()) * 0.28f, kGoldEdge,
           kGoldCore);
}

// The spin of her leap, a low arc behind her.
void SpinTrail(Canvas& c, const ArenaRect& cell) {
    const Box b = Begin(c, cell);
    Swoosh(c, b.l + 2, b.b - 3, (b.l + b.r) * 0.5f, b.t - b.H() * 0.6f, b.r - 2, b.b - 4, b.H() * 0.45f, kGoldEdge,
           kGoldCore);
}

// The iron shot she throws, flying toward her front with the air streaming
// off behind it.
void IronShot(Canvas& c, const ArenaRect& cell) {
    const Box b = Begin(c, cell);
    const float r = std::min(b.W() * 0.36f, b.H() * 0.3f), cx = b.l + r + 2, cy = (b.t + b.b) * 0.5f + 4;
    for (int k = -1; k <= 1; ++k)
        Line(c, cx + r * 0.6f, cy + float(k) * r * 0.55f, b.r - 1 - float(std::abs(k)) * 5, cy + float(k) * r * 0.7f,
             1.6f, Solid(Rgb{206, 208, 218}));
    FillDisc(c, cx, cy, r, Solid(Rgb{66, 68, 80}));
    FillDisc(c, cx - r * 0.1f, cy - r * 0.1f, r * 0.78f, Solid(Rgb{92, 96, 112}));
    FillDisc(c, cx - r * 0.38f, cy - r * 0.38f, r * 0.25f, Solid(Rgb{176, 182, 200}));
}

// The bottle she tosses the heroine to drink: cork, neck and a round glass
// with the red drink in it. Its cell runs past the sheet's foot, where the
// texels are see-through: the bottle stands in the rows the sheet holds.
void Bottle(Canvas& c, const ArenaRect& cell) {
    Box b = Begin(c, cell);
    b.b = std::min(b.b, float(c.height));
    const float cx = (b.l + b.r) * 0.5f, w = b.W(), h = b.H();
    const Rgb glass{176, 220, 232}, drink{206, 48, 62}, cork{156, 108, 62};
    const float neckTop = b.t + h * 0.14f, shoulder = b.t + h * 0.38f;
    FillRect(c, int(cx - w * 0.2f), int(b.t), int(cx + w * 0.2f + 1), int(neckTop), Solid(cork));
    FillRect(c, int(cx - w * 0.16f), int(neckTop), int(cx + w * 0.16f + 1), int(shoulder), Solid(glass));
    FillEllipse(c, cx, shoulder + 1, w * 0.46f, h * 0.1f, Solid(glass));
    FillRect(c, int(b.l + w * 0.04f), int(shoulder + 1), int(b.r - w * 0.04f), int(b.b), Solid(glass));
    FillRect(c, int(b.l + w * 0.12f), int(shoulder + h * 0.2f), int(b.r - w * 0.12f), int(b.b - 1), Solid(drink));
    Line(c, b.l + w * 0.22f, shoulder + 2, b.l + w * 0.22f, b.b - 3, 1.2f, Solid(Rgb{236, 250, 255}));
}

void Shooter(Canvas& c) {
    for (std::int32_t kind : {51, 52}) Slash(c, EffectCell(kind));
    WindUp(c, EffectCell(54));   // holds 53, its front
    for (std::int32_t kind : {55, 56}) {
        const Box b = Begin(c, EffectCell(kind));
        Streak(c, b, kGoldEdge, kGoldCore);
    }
    for (std::int32_t kind : {58, 59}) Upswing(c, EffectCell(kind));
    for (std::int32_t kind : {62, 63}) Dust(c, Begin(c, EffectCell(kind)));   // 63 holds 61 and 64 at its foot
    SpinTrail(c, EffectCell(67));
    Bottle(c, EffectCell(98));
    IronShot(c, EffectCell(99));
}

// ---- the third enemy ----------------------------------------------------------------

// Her slash: a tall thin flash rising from the point she strikes from,
// thinner in each of its three frames.
void SlashFlash(Canvas& c, const Enemy3Cell& cell, int frame) {
    const Box b = Begin(c, cell.rect);
    const float x = b.l + cell.cx, width = b.W() * (0.62f - 0.14f * float(frame - 1));
    Swoosh(c, x, b.b - 2, b.r + b.W() * 0.4f, (b.t + b.b) * 0.5f, x, b.t + 2, width, kVioletEdge, kVioletCore);
}

Box PlaceAround(const Enemy3Cell& cell, float& cx, float& cy, float& reach) {
    const Box b{float(cell.rect.left), float(cell.rect.top), float(cell.rect.right), float(cell.rect.bottom)};
    cx = b.l + cell.cx;
    cy = b.t + cell.cy;
    reach = std::min({cx - b.l, b.r - cx, cy - b.t, b.b - cy}) - 1;
    return b;
}

// The orb's seven cells: its core, its spinning halo, its aura, and the
// four frames of its burst, each wider and more broken than the last.
void OrbCell(Canvas& c, const Enemy3Cell& cell) {
    Begin(c, cell.rect);
    float cx = 0, cy = 0, r = 0;
    PlaceAround(cell, cx, cy, r);
    switch (cell.key) {
        case 1:
            Glow(c, cx, cy, r, kVioletEdge, kVioletMid, kVioletCore);
            for (int k = 0; k < 3; ++k) {
                const float a = float(k) * 2.0f * kPi / 3.0f;
                Swoosh(c, cx + std::cos(a) * r * 0.7f, cy + std::sin(a) * r * 0.7f, cx + std::cos(a + 1.2f) * r * 0.2f,
                       cy + std::sin(a + 1.2f) * r * 0.2f, cx, cy, 3.0f, kVioletEdge, kVioletMid);
            }
            break;
        case 2:
            Ring(c, cx, cy, r * 0.88f, std::max(2.0f, r * 0.1f), Solid(kVioletMid));
            for (int k = 0; k < 6; ++k) {
                const float a = float(k) * kPi / 3.0f;
                Swoosh(c, cx + std::cos(a) * r * 0.88f, cy + std::sin(a) * r * 0.88f, cx + std::cos(a + 0.4f) * r * 1.1f,
                       cy + std::sin(a + 0.4f) * r * 1.1f, cx + std::cos(a + 0.7f) * r * 0.7f,
                       cy + std::sin(a + 0.7f) * r * 0.7f, 4.0f, kVioletEdge, kVioletCore);
            }
            break;
        case 3: Star(c, cx, cy, r, 12, 0.72f, 0.0f, kVioletMid); break;
        case 4:
            Star(c, cx, cy, r, 10, 0.5f, 0.2f, kVioletEdge);
            Star(c, cx, cy, r * 0.7f, 10, 0.5f, 0.5f, kVioletMid);
            FillDisc(c, cx, cy, r * 0.3f, Solid(kVioletCore));
            break;
        case 5:
            Star(c, cx, cy, r, 14, 0.45f, 0.1f, kVioletEdge);
            FillDisc(c, cx, cy, r * 0.5f, Solid(kVioletMid));
            FillDisc(c, cx, cy, r * 0.32f, Solid(kVioletCore));
            break;
        case 6:
            Ring(c, cx, cy, r * 0.8f, std::max(3.0f, r * 0.14f), Solid(kVioletMid));
            Star(c, cx, cy, r, 16, 0.86f, 0.0f, kVioletEdge);
            FillDisc(c, cx, cy, r * 0.7f, kTransparent);
            break;
        default:
            for (int k = 0; k < 16; ++k) {
                const float a = float(k) * kPi / 8.0f + 0.2f;
                const float d = r * (0.7f + 0.2f * float(k % 3) / 2.0f);
                FillDisc(c, cx + std::cos(a) * d, cy + std::sin(a) * d, std::max(2.0f, r * 0.08f),
                         Solid(k % 2 == 0 ? kVioletMid : kVioletCore));
            }
            break;
    }
}

void Third(Canvas& c) {
    for (const Enemy3Cell& cell : kEnemy3SlashCells) SlashFlash(c, cell, cell.key);
    // The glow round her muzzle, drawn large and faint while she shoots.
    {
        Begin(c, kTimedEffectCell.rect);
        float cx = 0, cy = 0, r = 0;
        PlaceAround(kTimedEffectCell, cx, cy, r);
        Star(c, cx, cy, r, 12, 0.4f, 0.0f, kVioletMid);
        FillDisc(c, cx, cy, r * 0.4f, Solid(kVioletCore));
    }
    // Her shot, a ball of light.
    {
        Begin(c, kEnemy3ShotCell.rect);
        float cx = 0, cy = 0, r = 0;
        PlaceAround(kEnemy3ShotCell, cx, cy, r);
        Glow(c, cx, cy, r, kVioletEdge, kVioletMid, kVioletCore);
    }
    for (const Enemy3Cell& cell : kEnemy3OrbCells) OrbCell(c, cell);
}

}  // namespace

bool HasArenaEffectArt(int resourceId) { return resourceId == kShooterSheet || resourceId == kThirdSheet; }

void DrawArenaEffectArt(Canvas& c, const PictureInfo& info) {
    if (info.id == kShooterSheet) Shooter(c);
    if (info.id == kThirdSheet) Third(c);
    SetClip(c, nullptr);
}

}  // namespace art
