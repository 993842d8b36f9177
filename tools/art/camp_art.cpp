#include "tools/art/camp_art.h"
#include "tools/art/stage_backdrop_art.h"

#include <algorithm>
#include <cmath>

#include "areas/era03/npc_scene_frames.h"

namespace art {

namespace {

using namespace npc_scene_frames;

constexpr int kCampSheet = 195, kNightSky = 196;

constexpr Rgb kRobe{96, 120, 64}, kRobeDark{64, 84, 44}, kSkin{236, 200, 168}, kHat{128, 86, 44},
    kBeard{220, 220, 210}, kCanvasLight{196, 176, 128}, kCanvasDark{120, 100, 70}, kWood{110, 70, 40};

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

// A round hat with a brim, the head under it at (x, y) with radius r; the
// merchant looks left.
void Head(Canvas& c, float x, float y, float r) {
    FillDisc(c, x, y, r, Solid(kSkin));
    FillEllipse(c, x + r * 0.25f, y + r * 0.75f, r * 0.8f, r * 0.45f, Solid(kBeard));
    FillEllipse(c, x, y - r * 0.55f, r * 1.6f, r * 0.35f, Solid(kHat));
    FillEllipse(c, x, y - r * 0.95f, r * 0.85f, r * 0.6f, Solid(kHat));
    FillDisc(c, x - r * 0.45f, y - r * 0.1f, std::max(1.0f, r * 0.14f), Solid(Rgb{40, 30, 30}));
}

// How the merchant holds himself in a frame.
enum class Hold { Sit, Stand, Walk, Crouch, Lift, Carry, PutDown, Hand };

Hold HoldOf(int pose) {
    if (pose <= 11 || pose == 24) return Hold::Sit;
    if (pose == 12 || pose == 13) return Hold::Stand;
    if (pose >= 14 && pose <= 17) return Hold::Walk;
    if (pose == 18) return Hold::Crouch;
    if (pose == 19) return Hold::Lift;
    if (pose == 20 || pose == 21) return Hold::Carry;
    if (pose == 22) return Hold::PutDown;
    return Hold::Hand;
}

// The merchant in a cell, his feet at the cell's bottom; i varies the arms.
void Merchant(Canvas& c, const Box& b, Hold hold, int i) {
    const float h = b.H();
    const float cx = b.l + b.W() * (hold == Hold::Sit ? 0.45f : 0.5f);
    const float limb = std::max(2.0f, h * 0.05f);
    if (hold == Hold::Sit) {
        // Sitting on a log by the fire: legs forward (to the left).
        FillRect(c, int(cx - b.W() * 0.1f), int(b.b - h * 0.16f), int(cx + b.W() * 0.35f), int(b.b), Solid(kWood));
        const float hip = b.b - h * 0.2f;
        Line(c, cx, hip, cx - b.W() * 0.3f, hip + h * 0.02f, limb * 1.3f, Solid(kRobeDark));
        Line(c, cx - b.W() * 0.3f, hip, cx - b.W() * 0.32f, b.b - 1, limb, Solid(kRobeDark));
        const float body[] = {cx - b.W() * 0.14f, hip, cx + b.W() * 0.16f, hip, cx + b.W() * 0.1f, b.t + h * 0.42f,
                              cx - b.W() * 0.08f, b.t + h * 0.42f};
        FillPolygon(c, body, 4, Solid(kRobe));
        const float sy = b.t + h * 0.46f;
        const float reach = 0.15f + 0.08f * float(i % 4);
        Line(c, cx, sy, cx - b.W() * reach, sy + h * (0.12f - 0.05f * float(i % 3)), limb, Solid(kRobe));
        FillDisc(c, cx - b.W() * reach, sy + h * (0.12f - 0.05f * float(i % 3)), limb * 0.8f, Solid(kSkin));
        Head(c, cx, b.t + h * 0.3f, h * 0.13f);
        return;
    }
    float top = b.t + h * 0.05f;
    if (hold == Hold::Crouch || hold == Hold::PutDown) top = b.t + h * 0.02f;
    const float headR = std::min(b.W() * 0.22f, h * 0.08f);
    float hip = b.b - h * 0.42f;
    if (hold == Hold::Crouch) hip = b.b - h * 0.3f;
    // Legs.
    const float stride = hold == Hold::Walk || hold == Hold::Carry ? 0.2f * std::sin(float(i) * 1.6f) : 0.05f;
    for (int side = -1; side <= 1; side += 2) {
        const float footX = cx + b.W() * stride * float(side) * 1.5f;
        if (hold == Hold::Crouch) {
            Line(c, cx, hip, cx - b.W() * 0.25f * float(side), hip + h * 0.12f, limb * 1.2f, Solid(kRobeDark));
            Line(c, cx - b.W() * 0.25f * float(side), hip + h * 0.12f, footX, b.b - 1, limb, Solid(kRobeDark));
        } else {
            Line(c, cx, hip, footX, b.b - 1, limb * 1.2f, Solid(kRobeDark));
        }
    }
    // Body: a long robe.
    const float shoulderY = hold == Hold::PutDown ? hip - h * 0.18f : (hold == Hold::Crouch ? hip - h * 0.3f
                                                                                           : top + headR * 2.6f);
    const float lean = hold == Hold::PutDown ? -b.W() * 0.25f : 0.0f;
    const float body[] = {cx - b.W() * 0.2f, hip + h * 0.08f, cx + b.W() * 0.2f, hip + h * 0.08f,
                          cx + b.W() * 0.12f + lean, shoulderY, cx - b.W() * 0.12f + lean, shoulderY};
    FillPolygon(c, body, 4, Solid(kRobe));
    const float sx = cx + lean, sy = shoulderY + h * 0.02f;
    Head(c, sx, shoulderY - headR * 1.1f, headR);
    // Arms.
    switch (hold) {
        case Hold::Lift:
        case Hold::Carry:
            Line(c, sx, sy, sx - b.W() * 0.15f, b.t + h * 0.02f, limb, Solid(kRobe));
            Line(c, sx, sy, sx + b.W() * 0.15f, b.t + h * 0.02f, limb, Solid(kRobe));
            break;
        case Hold::PutDown:
        case Hold::Hand:
            Line(c, sx, sy, b.l + b.W() * 0.08f, sy + h * 0.12f, limb, Solid(kRobe));
            FillDisc(c, b.l + b.W() * 0.08f, sy + h * 0.12f, limb * 0.9f, Solid(kSkin));
            break;
        default: {
            const float swing = b.W() * 0.18f * std::sin(float(i) * 1.6f + 1.0f);
            Line(c, sx, sy, sx + swing, sy + h * 0.25f, limb, Solid(kRobe));
            FillDisc(c, sx + swing, sy + h * 0.25f, limb * 0.8f, Solid(kSkin));
        }
    }
}

// What the merchant holds up once delivered (the object he carries is drawn
// apart): a round mushroom-like morsel.
void Morsel(Canvas& c, float x, float y, float r) {
    FillEllipse(c, x, y + r * 0.5f, r * 0.45f, r * 0.7f, Solid(Rgb{240, 230, 200}));
    FillEllipse(c, x, y - r * 0.2f, r, r * 0.6f, Solid(Rgb{220, 90, 60}));
    FillDisc(c, x - r * 0.4f, y - r * 0.35f, r * 0.16f, Solid(Rgb{250, 240, 230}));
    FillDisc(c, x + r * 0.3f, y - r * 0.45f, r * 0.12f, Solid(Rgb{250, 240, 230}));
}

void Tent(Canvas& c, const Box& b, bool front) {
    const float apexX = b.l + b.W() * 0.45f;
    const float tent[] = {b.l + 4, b.b, apexX, b.t + 4, b.r - 4, b.b};
    FillPolygon(c, tent, 3, Solid(front ? kCanvasLight : kCanvasDark));
    if (front) {
        // The open flap: a darker triangle and the seams.
        const float flap[] = {apexX - b.W() * 0.12f, b.b, apexX, b.t + b.H() * 0.35f, apexX + b.W() * 0.12f, b.b};
        FillPolygon(c, flap, 3, Solid(Scale(kCanvasDark, 0.7f)));
        Line(c, apexX, b.t + 4, b.l + 4, b.b, 2, Solid(Scale(kCanvasLight, 0.8f)));
        Line(c, apexX, b.t + 4, b.r - 4, b.b, 2, Solid(Scale(kCanvasLight, 0.8f)));
    } else {
        FillRect(c, int(apexX - 2), int(b.t), int(apexX + 2), int(b.b), Solid(kWood));
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

void CampSheet(Canvas& c) {
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    for (const ActorFrame& f : kActorFrames) {
        Clip(c, f.cell);
        Merchant(c, BoxOf(f.cell), HoldOf(f.pose), f.pose);
    }
    // Pose 23: the upper cell holds the delivered morsel up, over the lifting body.
    Clip(c, kTwoCellUpper);
    {
        const Box b = BoxOf(kTwoCellUpper);
        Morsel(c, b.l + b.W() * 0.5f, b.t + b.H() * 0.45f, b.H() * 0.35f);
        Line(c, b.l + b.W() * 0.35f, b.b, b.l + b.W() * 0.42f, b.t + b.H() * 0.6f, 3, Solid(kRobe));
        Line(c, b.l + b.W() * 0.65f, b.b, b.l + b.W() * 0.58f, b.t + b.H() * 0.6f, 3, Solid(kRobe));
    }
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

}  // namespace

bool HasCampArt(int resourceId) { return resourceId == kCampSheet || resourceId == kNightSky; }

void DrawCampArt(Canvas& c, const PictureInfo& info) {
    if (info.id == kCampSheet) CampSheet(c);
    if (info.id == kNightSky) NightSky(c);
}

}  // namespace art
