#include "tools/art/camp_art.h"
#include "tools/art/stage_backdrop_art.h"

#include <algorithm>
#include <cmath>

#include "areas/era03/npc_scene_frames.h"

namespace art {

namespace {

using namespace npc_scene_frames;

constexpr int kCampSheet = 195, kNightSky = 196, kHeroineSheet = 101;

constexpr Rgb kCanvasLight{196, 176, 128}, kCanvasDark{120, 100, 70}, kWood{110, 70, 40};

struct Box {
    float l, t, r, b;
    float W() const { return r - l; }
    float H() const { return b - t; }
};
Box BoxOf(const Cell& c) {
    return Box{float(c.left) + 1, float(c.top) + 1, float(c.right) - 1, float(c.bottom) - 1};
}
void Clip(Canvas& c, const Cell& cell) {
    const ClipBox box{cell.left, cell.top, cell.right, cell.bottom};
    SetClip(c, &box);
}

// From the top of its cell to the ground at its foot, its sides bowed out
// under the peak as canvas over a ridge rope: the heroine inside it, on her
// knees or lying down, stays hidden under the roof.
void Tent(Canvas& c, const Box& b, bool front) {
    const float apexX = b.l + b.W() * 0.45f, ground = b.b + 1;
    constexpr int kSteps = 12;
    float outline[2 * (2 * kSteps + 1)];
    int n = 0;
    // Along one side, k steps from its foot towards the peak.
    const auto side = [&](float footX, int k) {
        const float t = 1.0f - float(k) / kSteps;
        outline[n++] = apexX + (footX - apexX) * t;
        outline[n++] = b.t + (ground - b.t) * std::pow(t, 1.4f);
    };
    for (int k = 0; k <= kSteps; ++k) side(b.l + 4, k);
    for (int k = kSteps - 1; k >= 0; --k) side(b.r - 4, k);
    FillPolygon(c, outline, n / 2, Solid(front ? kCanvasLight : kCanvasDark));
    if (front) {
        // The open flap: a darker triangle, and the seams along the sides.
        const float flap[] = {apexX - b.W() * 0.12f, ground, apexX, b.t + b.H() * 0.35f, apexX + b.W() * 0.12f, ground};
        FillPolygon(c, flap, 3, Solid(Scale(kCanvasDark, 0.7f)));
        for (int k = 0; k + 1 < n / 2; ++k)
            Line(c, outline[2 * k], outline[2 * k + 1], outline[2 * k + 2], outline[2 * k + 3], 2,
                 Solid(Scale(kCanvasLight, 0.8f)));
    } else {
        FillRect(c, int(apexX - 2), int(b.t), int(apexX + 2), int(ground), Solid(kWood));
    }
}

void FirePlace(Canvas& c, const Box& b) {
    Line(c, b.l + 2, b.b - 3, b.r - 2, b.b - 6, 4, Solid(kWood));
    Line(c, b.l + 2, b.b - 6, b.r - 2, b.b - 3, 4, Solid(Scale(kWood, 0.8f)));
    const float flame[] = {b.l + b.W() * 0.25f, b.b - 6, b.l + b.W() * 0.5f, b.t + 1, b.l + b.W() * 0.75f, b.b - 6};
    FillPolygon(c, flame, 3, Solid(Rgb{250, 150, 40}));
    const float core[] = {b.l + b.W() * 0.38f, b.b - 6, b.l + b.W() * 0.5f, b.t + b.H() * 0.4f, b.l + b.W() * 0.62f,
                          b.b - 6};
    FillPolygon(c, core, 3, Solid(Rgb{255, 230, 120}));
}

void Pot(Canvas& c, const Box& b) {
    Line(c, b.l + 3, b.b, b.l + b.W() * 0.5f, b.t + 2, 2, Solid(kWood));
    Line(c, b.r - 3, b.b, b.l + b.W() * 0.5f, b.t + 2, 2, Solid(kWood));
    FillEllipse(c, b.l + b.W() * 0.5f, b.t + b.H() * 0.62f, b.W() * 0.3f, b.H() * 0.25f, Solid(Rgb{70, 70, 80}));
    FillEllipse(c, b.l + b.W() * 0.5f, b.t + b.H() * 0.42f, b.W() * 0.3f, b.H() * 0.07f, Solid(Rgb{120, 120, 130}));
}

void Star(Canvas& c, const Box& b) {
    const float x = b.l + b.W() * 0.5f, y = b.t + b.H() * 0.5f;
    Line(c, b.l, y, b.r, y, 1.2f, Solid(Rgb{250, 250, 255}));
    Line(c, x, b.t, x, b.b, 1.2f, Solid(Rgb{250, 250, 255}));
    FillDisc(c, x, y, std::max(1.5f, std::min(b.W(), b.H()) * 0.18f), Solid(Rgb{255, 255, 230}));
}

void ShootingStar(Canvas& c, const Box& b) {
    // It falls down to the left: the head at the lower left, the tail behind.
    for (int k = 0; k < 12; ++k) {
        const float t = float(k) / 11.0f;
        FillDisc(c, b.l + 4 + (b.W() - 8) * t, b.b - 4 - (b.H() - 8) * t, 3.0f * (1.0f - t) + 0.6f,
                 Solid(Mix(Rgb{255, 255, 230}, Rgb{120, 140, 220}, t)));
    }
}

void Bowl(Canvas& c, const Box& b) {
    FillEllipse(c, b.l + b.W() * 0.5f, b.b - b.H() * 0.3f, b.W() * 0.5f, b.H() * 0.3f, Solid(Rgb{170, 110, 60}));
    FillEllipse(c, b.l + b.W() * 0.5f, b.b - b.H() * 0.5f, b.W() * 0.42f, b.H() * 0.15f, Solid(Rgb{230, 200, 120}));
    Line(c, b.l + b.W() * 0.4f, b.t, b.l + b.W() * 0.45f, b.b - b.H() * 0.6f, 1, Solid(Rgb{230, 230, 230}));
}

// The camp's things (the merchant himself is painted from the cell list).
void CampSheet(Canvas& c) {
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    Clip(c, kToolCell);
    Pot(c, BoxOf(kToolCell));
    Clip(c, kPropBackCell);
    Tent(c, BoxOf(kPropBackCell), false);
    Clip(c, kPropFrontCell);
    Tent(c, BoxOf(kPropFrontCell), true);
    Clip(c, kFirePlaceCell);
    FirePlace(c, BoxOf(kFirePlaceCell));
    for (const Cell& s : kStarCells) {
        Clip(c, s);
        Star(c, BoxOf(s));
    }
    Clip(c, kShootingStarCell);
    ShootingStar(c, BoxOf(kShootingStarCell));
    Clip(c, kHandedItemCell);
    Bowl(c, BoxOf(kHandedItemCell));
    SetClip(c, nullptr);
}

// Drawn from the top of the screen over the day's sky: stars above the
// horizon, the plain dark under it, so the night keeps the day's horizon and
// runs on into the darkened plain below the picture.
void NightSky(Canvas& c) {
    VerticalGradient(c, 0, 0, c.width, kHorizonY, Solid(Rgb{8, 12, 40}), Solid(Rgb{52, 44, 92}));
    VerticalGradient(c, 0, kHorizonY, c.width, kHorizonY + 6, Solid(Rgb{40, 40, 70}), Solid(Rgb{30, 38, 50}));
    VerticalGradient(c, 0, kHorizonY + 6, c.width, c.height, Solid(Rgb{30, 38, 50}), Solid(Rgb{24, 36, 26}));
    for (int k = 0; k < 140; ++k) {
        const int x = int(Noise(k, 1, 0x51A7u) * float(c.width));
        const int y = int(Noise(k, 2, 0x51A7u) * float(kHorizonY - 12));
        const float bright = 0.5f + 0.5f * Noise(k, 3, 0x51A7u);
        FillDisc(c, float(x), float(y), bright > 0.9f ? 1.4f : 0.8f, Solid(Scale(Rgb{220, 220, 255}, bright)));
    }
}

// The knife the camp's shop sells, on the heroine's sheet: the shop shows
// it in four 10-px columns, a glint running down its blade from one to the
// next; the last column is also the knife she wears once it is hers.
void ShopKnife(Canvas& c) {
    for (int k = 0; k < kKnifeColumnCount; ++k) {
        const int l = kKnifeFirstColumn + kKnifeColumnStep * k, t = kKnifeTop;
        FillRect(c, l, t, l + 10, kKnifeBottom, kTransparent);
        const ClipBox box{l, t, l + 10, kKnifeBottom};
        SetClip(c, &box);
        const float cx = float(l) + 4.5f;
        FillRect(c, int(cx - 1.5f), t + 1, int(cx + 2.5f), t + 13, Solid(Rgb{96, 58, 36}));   // the grip
        for (int y = t + 3; y < t + 13; y += 3) FillRect(c, int(cx - 1.5f), y, int(cx + 2.5f), y + 1, Solid(Rgb{140, 96, 60}));
        FillDisc(c, cx + 0.5f, float(t + 1), 1.8f, Solid(Rgb{200, 166, 90}));               // the pommel
        FillRect(c, l + 1, t + 13, l + 9, t + 16, Solid(Rgb{200, 166, 90}));                // the guard
        const float blade[] = {cx - 2.0f, float(t + 16), cx + 3.0f, float(t + 16), cx + 3.0f, float(kKnifeBottom - 8),
                               cx + 0.5f, float(kKnifeBottom - 1), cx - 2.0f, float(kKnifeBottom - 8)};
        FillPolygon(c, blade, 5, Solid(Rgb{196, 204, 220}));
        Line(c, cx - 1.0f, float(t + 17), cx - 1.0f, float(kKnifeBottom - 8), 1.0f, Solid(Rgb{236, 242, 252}));
        const float gy = float(t + 19 + 6 * k);
        Line(c, cx - 3.0f, gy, cx + 4.0f, gy, 1.0f, Solid(Rgb{255, 255, 255}));
        Line(c, cx + 0.5f, gy - 3.0f, cx + 0.5f, gy + 3.0f, 1.0f, Solid(Rgb{255, 255, 255}));
        SetClip(c, nullptr);
    }
}

}  // namespace

bool HasCampArt(int resourceId) {
    return resourceId == kCampSheet || resourceId == kNightSky || resourceId == kHeroineSheet;
}

void DrawCampArt(Canvas& c, const PictureInfo& info) {
    if (info.id == kCampSheet) CampSheet(c);
    if (info.id == kNightSky) NightSky(c);
    if (info.id == kHeroineSheet) ShopKnife(c);
}

}  // namespace art
