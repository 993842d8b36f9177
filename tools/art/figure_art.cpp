#include "tools/art/figure_art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <numbers>
#include <vector>

#include "areas/era03/field_sheets.h"
#include "areas/era04_encounters/encounter_b_frames.h"
#include "areas/finale/ending_frames.h"

namespace art {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// ------------------------------------------------------------------ pen --

// Draws in a figure's own frame: x forward, y down, its feet at (0, 0) and
// its standing height 8 units. The pen scales, mirrors and turns that frame
// onto the canvas; with no canvas it only measures what would be drawn.
class Pen {
public:
    Pen(Canvas* c, float ox, float oy, float unit, int dir, float angle, float squeeze = 1.0f)
        : c_(c), ox_(ox), oy_(oy), s_(unit), q_(squeeze), dir_(dir), cos_(std::cos(angle)), sin_(std::sin(angle)) {}

    // What is drawn while this is off (a held weapon, wings) may reach past
    // the cell and is cut there; only the body must fit.
    bool measured = true;

    void Map(float x, float y, float& X, float& Y) const {
        const float lx = float(dir_) * x * s_ * q_, ly = y * s_;
        X = ox_ + cos_ * lx - sin_ * ly;
        Y = oy_ + sin_ * lx + cos_ * ly;
    }
    void Limb(float x0, float y0, float x1, float y1, float width, Rgb colour) {
        float X0, Y0, X1, Y1;
        Map(x0, y0, X0, Y0);
        Map(x1, y1, X1, Y1);
        const float w = std::max(1.2f, width * s_);
        if (c_) Line(*c_, X0, Y0, X1, Y1, w, Solid(colour));
        Grow(X0, Y0, w * 0.5f);
        Grow(X1, Y1, w * 0.5f);
    }
    void Dot(float x, float y, float r, Rgb colour) {
        float X, Y;
        Map(x, y, X, Y);
        const float R = std::max(0.6f, r * s_);
        if (c_) FillDisc(*c_, X, Y, R, Solid(colour));
        Grow(X, Y, R);
    }
    // An ellipse in the figure's frame, turned with it.
    void Blob(float x, float y, float rx, float ry, Rgb colour) {
        float xy[2 * 20];
        for (int i = 0; i < 20; ++i) {
            const float a = float(i) * 2.0f * kPi / 20.0f;
            Map(x + std::cos(a) * rx, y + std::sin(a) * ry, xy[2 * i], xy[2 * i + 1]);
        }
        Fill(xy, 20, colour);
    }
    void Poly(std::initializer_list<float> pts, Rgb colour) {
        std::vector<float> xy;
        for (auto it = pts.begin(); it + 1 < pts.end(); it += 2) {
            float X, Y;
            Map(*it, *(it + 1), X, Y);
            xy.push_back(X);
            xy.push_back(Y);
        }
        Fill(xy.data(), int(xy.size() / 2), colour);
    }

    float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;

private:
    void Fill(const float* xy, int n, Rgb colour) {
        if (c_) FillPolygon(*c_, xy, n, Solid(colour));
        for (int i = 0; i < n; ++i) Grow(xy[2 * i], xy[2 * i + 1], 0.5f);
    }
    void Grow(float X, float Y, float r) {
        if (!measured) return;
        minX = std::min(minX, X - r);
        maxX = std::max(maxX, X + r);
        minY = std::min(minY, Y - r);
        maxY = std::max(maxY, Y + r);
    }

    Canvas* c_;
    float ox_, oy_, s_, q_;
    int dir_;
    float cos_, sin_;
};

// --------------------------------------------------------------- people --

// Where a pose puts the body, in units (the feet at 0, head top near -8).
struct Body {
    float hip = -3.6f, lean = 0.0f;
    float bow = 0.0f;                           // radians the body tips forward at the hips
    float frontKnee[2], frontFoot[2], backKnee[2], backFoot[2];
    float frontArm = 0.3f, backArm = -0.2f;   // radians from hanging straight down, forward positive
    float frontElbow = 0.2f, backElbow = 0.1f;
    bool reach = false;                         // a weapon held out ahead
    bool restsBehind = false;                   // a pole at rest in the back hand, at the body's back
};

void Leg(float hip, float angle, float kneeBend, float (&knee)[2], float (&foot)[2]) {
    knee[0] = std::sin(angle) * 1.75f;
    knee[1] = hip + std::cos(angle) * 1.75f;
    const float lower = angle - kneeBend;
    foot[0] = knee[0] + std::sin(lower) * 1.85f;
    foot[1] = std::min(0.0f, knee[1] + std::cos(lower) * 1.85f);
}

// A leg standing on the floor with its foot at x: the knee bends forward by
// as much as the leg is longer than the reach from the hip.
void Plant(float hip, float footX, float (&knee)[2], float (&foot)[2]) {
    constexpr float kThigh = 1.8f, kShin = 1.9f;
    const float down = -hip, reach = kThigh + kShin - 0.02f;
    if (std::hypot(footX, down) > reach) footX = std::copysign(std::sqrt(std::max(0.0f, reach * reach - down * down)), footX);
    const float d = std::hypot(footX, down);
    const float toFoot = std::atan2(footX, down);
    const float bend = std::acos(std::clamp((kThigh * kThigh + d * d - kShin * kShin) / (2.0f * kThigh * d), -1.0f, 1.0f));
    const float a = toFoot + bend;
    knee[0] = std::sin(a) * kThigh;
    knee[1] = hip + std::cos(a) * kThigh;
    foot[0] = footX;
    foot[1] = 0.0f;
}

// Both arms at once: each from hanging straight down, and its elbow.
void Arms(Body& b, float front, float frontElbow, float back, float backElbow) {
    b.frontArm = front;
    b.frontElbow = frontElbow;
    b.backArm = back;
    b.backElbow = backElbow;
}

// The arm from a shoulder at (sx, sy) bent so that its hand comes to
// (tx, ty), the elbow dropped below the reach (the lengths are Arm's).
void ReachFor(float sx, float sy, float tx, float ty, float& angle, float& elbowBend) {
    constexpr float kUpper = 1.3f, kFore = 1.2f;
    const float dx = tx - sx, dy = ty - sy;
    const float d = std::clamp(std::hypot(dx, dy), 0.2f, kUpper + kFore - 0.05f);
    const float toHand = std::atan2(dx, dy);   // from hanging down, forward positive
    const float open = std::acos(std::clamp((kUpper * kUpper + d * d - kFore * kFore) / (2.0f * kUpper * d), -1.0f, 1.0f));
    angle = toHand >= 0 ? toHand - open : toHand + open;
    const float ex = sx + std::sin(angle) * kUpper, ey = sy + std::cos(angle) * kUpper;
    elbowBend = std::atan2(tx - ex, ty - ey) - angle;
}

// What is held ahead of the shoulders, or across the chest within their
// width, is in the front hand (drawn over the body); further behind, in the
// back hand. A blade's grip over the body itself (within three quarters of
// its width of the middle) is in the front hand too: the far one would hold
// it hidden behind her.
bool HeldInFront(float holdX, float shoulderX, float width, bool grips) {
    return holdX >= shoulderX - 0.62f * width || (grips && std::abs(holdX) < 0.75f * width);
}

// How far the body bows at the hips for a hand to come to (tx, ty): as it
// stands when the arm reaches there already, else the least bow forward (to
// about fifty degrees) that brings the shoulder within an arm's length, or
// the one that brings it nearest. A body never leans back to reach.
float BowToReach(const Body& b, float width, float tx, float ty, bool grips) {
    constexpr float kReach = 1.3f + 1.2f - 0.05f;
    const auto gap = [&](float bow) {
        const float neck = b.hip - 2.6f * std::cos(bow), sx = b.lean + 2.6f * std::sin(bow);
        const float shoulder = HeldInFront(tx, sx, width, grips) ? sx + 0.15f : sx - 0.15f;
        return std::hypot(tx - shoulder, ty - (neck + 0.25f)) - kReach;
    };
    float best = b.bow, bestGap = gap(b.bow);
    for (int i = 1; i <= 18 && bestGap > 0; ++i)
        if (const float bow = b.bow + 0.05f * float(i); bow <= 0.9f && gap(bow) < bestGap) {
            best = bow;
            bestGap = gap(bow);
        }
    return best;
}

Body BodyOf(const PersonPose& p) {
    Body b;
    const float s = std::sin(p.phase);
    switch (p.stance) {
        case Stance::Walk: {
            const float a = 0.42f * s;
            Plant(b.hip, 1.5f * a + 0.1f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -1.5f * a + 0.1f, b.backKnee, b.backFoot);
            b.frontArm = -0.5f * s;
            b.backArm = 0.5f * s;
            break;
        }
        case Stance::Leap:
            // Stretched out flat: arms ahead over the head, legs together behind.
            Leg(b.hip, -0.12f, 0.0f, b.frontKnee, b.frontFoot);
            Leg(b.hip, -0.2f, 0.05f, b.backKnee, b.backFoot);
            b.frontArm = kPi - 0.15f;
            b.backArm = kPi - 0.3f;
            b.frontElbow = 0.0f;
            b.backElbow = 0.0f;
            break;
        case Stance::Run:
            b.hip = -3.4f;
            b.lean = 0.7f;
            Plant(b.hip, 1.2f, b.frontKnee, b.frontFoot);
            Leg(b.hip, -0.6f, -0.5f, b.backKnee, b.backFoot);
            b.frontArm = -0.9f;
            b.backArm = 0.9f;
            b.frontElbow = -0.9f;
            break;
        case Stance::Jump:
            // Knees drawn up under her, the feet on the point the frame
            // places (her place in the air), arms thrown up.
            b.hip = -2.9f;
            Plant(b.hip, 0.7f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -0.3f, b.backKnee, b.backFoot);
            b.frontArm = 2.4f;
            b.backArm = 2.0f;
            break;
        case Stance::Crouch:
            b.hip = -1.9f;
            b.lean = 0.6f;
            Plant(b.hip, 0.9f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -0.2f, b.backKnee, b.backFoot);
            b.frontArm = 0.7f;
            b.backArm = 0.3f;
            b.frontElbow = 0.8f;
            break;
        case Stance::Attack:
            b.lean = 0.5f;
            Plant(b.hip, 1.1f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -0.9f, b.backKnee, b.backFoot);
            b.frontArm = 1.55f;
            b.frontElbow = 0.0f;
            b.backArm = -0.6f;
            b.reach = true;
            break;
        case Stance::Lunge:
            b.hip = -2.7f;
            b.lean = 1.1f;
            Plant(b.hip, 2.2f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -2.1f, b.backKnee, b.backFoot);
            b.frontArm = 1.45f;
            b.frontElbow = 0.0f;
            b.backArm = -1.0f;
            b.reach = true;
            break;
        case Stance::Kick:
            b.lean = -0.5f;
            Leg(b.hip, 1.5f, 0.05f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -0.2f, b.backKnee, b.backFoot);
            b.frontFoot[1] = std::min(b.frontFoot[1], b.hip - 0.2f);
            b.frontArm = -0.5f;
            b.backArm = 0.9f;
            break;
        case Stance::Lift:
            // Both hands raised over the head, holding something up.
            Plant(b.hip, 0.5f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -0.4f, b.backKnee, b.backFoot);
            b.frontArm = kPi - 0.35f;
            b.backArm = kPi - 0.15f;
            b.frontElbow = 0.1f;
            b.backElbow = -0.1f;
            break;
        case Stance::Block:
            Plant(b.hip, 0.6f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -0.5f, b.backKnee, b.backFoot);
            b.frontArm = 2.2f;
            b.frontElbow = 1.9f;
            b.backArm = 1.6f;
            b.backElbow = 1.6f;
            break;
        case Stance::Hurt:
            b.lean = -0.9f;
            Plant(b.hip, 0.6f, b.frontKnee, b.frontFoot);
            Plant(b.hip, -0.5f, b.backKnee, b.backFoot);
            b.frontArm = -1.3f;
            b.backArm = -2.0f;
            break;
        case Stance::Kneel:
            // The front foot planted, the back knee and shin on the floor,
            // the shoulders sunk forward over the knee, the free arm hanging.
            b.hip = -1.75f;
            b.bow = 0.35f;
            Plant(b.hip, 1.3f, b.frontKnee, b.frontFoot);
            b.backKnee[0] = -0.35f;
            b.backKnee[1] = -0.2f;
            b.backFoot[0] = -1.85f;
            b.backFoot[1] = 0.0f;
            Arms(b, 0.9f, 0.6f, 0.05f, 0.1f);
            break;
        case Stance::Heels:
            // Both knees on the floor before the hips, the shins flat under
            // the thighs to the heels he sits on: no wider than his knees
            // reach, the hands resting on the thighs.
            b.hip = -1.0f;
            b.frontKnee[0] = 1.7f;
            b.frontKnee[1] = -0.35f;
            b.frontFoot[0] = -0.1f;
            b.frontFoot[1] = 0.0f;
            b.backKnee[0] = 1.55f;
            b.backKnee[1] = -0.35f;
            b.backFoot[0] = -0.25f;
            b.backFoot[1] = 0.0f;
            Arms(b, 0.33f, 0.05f, -0.3f, 2.5f);
            b.restsBehind = true;
            break;
        case Stance::Knees:
            // The thighs straight down from the hips to the knees on the
            // floor, the shins back along it; the hands before the thighs.
            b.hip = -1.9f;
            b.frontKnee[0] = 0.12f;
            b.frontKnee[1] = -0.12f;
            b.backKnee[0] = -0.08f;
            b.backKnee[1] = -0.12f;
            b.frontFoot[0] = -1.7f;
            b.frontFoot[1] = 0.0f;
            b.backFoot[0] = -1.85f;
            b.backFoot[1] = 0.0f;
            Arms(b, 0.55f, 0.5f, 0.1f, 0.2f);
            break;
        case Stance::Hunch:
            // Low on the heels, the shoulders over the knees, the hands out
            // before him (at a fire, or for what he catches).
            b.hip = -0.9f;
            b.bow = 0.6f;
            Plant(b.hip, 1.0f, b.frontKnee, b.frontFoot);
            Plant(b.hip, 0.55f, b.backKnee, b.backFoot);
            Arms(b, 0.75f, 0.9f, 0.55f, 0.9f);
            break;
        case Stance::Seat: {
            // On a seat: the thighs level before the hips, the shins down
            // to the floor, the hands on the knees (a hand raised when she
            // speaks with it).
            b.hip = -(p.seat > 0 ? p.seat : 1.9f);
            Plant(b.hip, 1.75f, b.frontKnee, b.frontFoot);
            Plant(b.hip, 1.45f, b.backKnee, b.backFoot);
            if (p.windup) Arms(b, 2.3f, -0.9f, 0.7f, 0.6f);
            else Arms(b, 0.95f, 0.55f, 0.75f, 0.6f);
            break;
        }
        case Stance::Sit:
            // On the ground, knees drawn up, the feet close in front.
            b.hip = -0.9f;
            Plant(b.hip, 1.9f, b.frontKnee, b.frontFoot);
            Plant(b.hip, 1.55f, b.backKnee, b.backFoot);
            b.frontArm = 0.6f;
            b.backArm = -0.4f;
            break;
        default: {
            // Standing, weight shifting a little with the phase.
            const float a = 0.12f + 0.06f * s;
            Plant(b.hip, 2.5f * a, b.frontKnee, b.frontFoot);
            Plant(b.hip, -2.5f * a, b.backKnee, b.backFoot);
            b.frontArm = 0.18f + 0.1f * s;
            b.backArm = -0.12f;
            break;
        }
    }
    if (p.windup && (p.stance == Stance::Attack || p.stance == Stance::Lunge)) {
        b.frontArm = -2.2f;
        b.frontElbow = -0.4f;
        b.backArm = 0.8f;
        b.lean = -0.2f;
    }
    return b;
}

// The home area's pet, the same wherever it is painted.
constexpr Rgb kPetFur{246, 196, 120}, kPetBelly{255, 240, 214};

// The ball hugged to a body: red, its white band across, a glint.
void HuggedBall(Pen& pen, float x, float y, float r) {
    pen.Dot(x, y, r, kBallRed);
    pen.Limb(x - r * 0.92f, y, x + r * 0.92f, y, r * 0.22f, kBallBand);
    pen.Dot(x - r * 0.35f, y - r * 0.4f, r * 0.2f, kBallShine);
}

void Arm(Pen& pen, float sx, float sy, float angle, float elbowBend, const Look& k, float limb, float& hx, float& hy) {
    const float ex = sx + std::sin(angle) * 1.3f, ey = sy + std::cos(angle) * 1.3f;
    const float a2 = angle + elbowBend;
    hx = ex + std::sin(a2) * 1.2f;
    hy = ey + std::cos(a2) * 1.2f;
    pen.Limb(sx, sy, ex, ey, limb, Scale(k.top, 1.08f));
    const bool plated = k.garment == Garment::Armour || k.garment == Garment::Plate;
    pen.Limb(ex, ey, hx, hy, limb * 0.9f, plated ? Scale(k.trim, 0.9f) : Scale(k.top, 1.08f));
    pen.Dot(hx, hy, limb * 0.62f, k.skin);
}

// The grip of a blade the game draws apart from the frame, from the hand
// to where the blade begins: steel, as the blade is, so hand and blade read
// as one; cut at the cell's side like any held weapon. The hand closes over
// it.
void Grip(Pen& pen, const Look& k, float limb, float hx, float hy, float tx, float ty) {
    const bool was = pen.measured;
    pen.measured = false;
    pen.Limb(hx, hy, tx, ty, 0.26f, Rgb{214, 222, 236});
    pen.Dot(hx, hy, limb * 0.62f, k.skin);
    pen.measured = was;
}

void Weapon(Pen& pen, const Look& k, float hx, float hy, float angle, bool reach) {
    // At rest a pole stands upright in the hand and a blade hangs down.
    if (!reach && k.carry == Carry::Spear) angle = kPi * 0.94f;
    // A staff stands upright in the hand, leaning forward only as far as
    // keeps its orb clear before the face; held so from behind her, the
    // hand grips it near its foot, which stays at her back.
    const float lean = std::clamp((1.4f - hx) / 2.7f, 0.0f, 0.6f);
    if (!reach && k.carry == Carry::Staff) angle = kPi - std::asin(lean);
    const float staffFoot = !reach ? 2.0f * (1.0f - lean) : 2.0f;
    if (!reach && (k.carry == Carry::Sword || k.carry == Carry::BigBlade)) angle = 0.25f;
    const bool was = pen.measured;
    pen.measured = false;
    struct Restore {
        Pen& p;
        bool v;
        ~Restore() { p.measured = v; }
    } restore{pen, was};
    const float dx = std::sin(angle), dy = std::cos(angle);
    const Rgb steel{214, 222, 236};
    switch (k.carry) {
        case Carry::Sword: {
            const float len = reach ? 3.6f : 2.9f;
            pen.Limb(hx - dx * 0.35f, hy - dy * 0.35f, hx + dx * 0.3f, hy + dy * 0.3f, 0.28f, k.trim);
            pen.Limb(hx + dy * 0.45f, hy - dx * 0.45f, hx - dy * 0.45f, hy + dx * 0.45f, 0.22f, k.trim);
            pen.Limb(hx + dx * 0.3f, hy + dy * 0.3f, hx + dx * len, hy + dy * len, 0.3f, steel);
            break;
        }
        case Carry::BigBlade:
            pen.Limb(hx - dx * 0.5f, hy - dy * 0.5f, hx + dx * 0.4f, hy + dy * 0.4f, 0.34f, k.trim);
            pen.Poly({hx + dx * 0.4f + dy * 0.35f, hy + dy * 0.4f - dx * 0.35f, hx + dx * 4.6f + dy * 0.5f,
                      hy + dy * 4.6f - dx * 0.5f, hx + dx * 5.1f, hy + dy * 5.1f, hx + dx * 0.4f - dy * 0.35f,
                      hy + dy * 0.4f + dx * 0.35f},
                     steel);
            break;
        case Carry::Spear:
            pen.Limb(hx - dx * 2.2f, hy - dy * 2.2f, hx + dx * 3.4f, hy + dy * 3.4f, 0.24f, Rgb{130, 90, 54});
            pen.Poly({hx + dx * 3.3f + dy * 0.3f, hy + dy * 3.3f - dx * 0.3f, hx + dx * 4.3f, hy + dy * 4.3f,
                      hx + dx * 3.3f - dy * 0.3f, hy + dy * 3.3f + dx * 0.3f},
                     steel);
            break;
        case Carry::Staff:
            pen.Limb(hx - dx * staffFoot, hy - dy * staffFoot, hx + dx * 2.6f, hy + dy * 2.6f, 0.26f, Rgb{120, 84, 50});
            pen.Dot(hx + dx * 2.7f, hy + dy * 2.7f, 0.42f, k.trim);
            break;
        case Carry::Claws:
            for (int i = -1; i <= 1; ++i)
                pen.Limb(hx, hy, hx + dx * 1.0f + dy * 0.25f * float(i), hy + dy * 1.0f - dx * 0.25f * float(i), 0.12f,
                         steel);
            break;
        case Carry::Gun:
            pen.Limb(hx - dx * 0.2f, hy - dy * 0.2f, hx + dx * 1.6f, hy + dy * 1.6f, 0.45f, Rgb{70, 70, 80});
            break;
        case Carry::Pet: {
            // The pet caught up in the hand, as big as it is on its own:
            // round and honey-coloured, its ears up and its face forward,
            // the hand round its middle.
            const float r = 1.25f, cx = hx + r * 0.4f, cy = hy - r * 0.1f;
            pen.Blob(cx - r * 0.47f, cy - r * 0.95f, r * 0.25f, r * 0.32f, Scale(kPetFur, 0.9f));
            pen.Blob(cx + r * 0.37f, cy - r * 0.95f, r * 0.25f, r * 0.32f, Scale(kPetFur, 0.9f));
            pen.Blob(cx - r * 0.37f, cy + r * 0.9f, r * 0.32f, r * 0.19f, Scale(kPetFur, 0.8f));   // its feet
            pen.Blob(cx + r * 0.37f, cy + r * 0.9f, r * 0.32f, r * 0.19f, Scale(kPetFur, 0.8f));
            pen.Blob(cx, cy, r * 1.12f, r, kPetFur);
            pen.Blob(cx + r * 0.12f, cy + r * 0.28f, r * 0.7f, r * 0.55f, kPetBelly);
            pen.Dot(cx + r * 0.45f, cy - r * 0.25f, r * 0.15f, Rgb{36, 28, 40});
            pen.Dot(cx + r * 0.85f, cy - r * 0.22f, r * 0.13f, Rgb{36, 28, 40});
            pen.Dot(cx + r * 0.68f, cy + r * 0.05f, r * 0.11f, Rgb{230, 110, 120});
            pen.Dot(hx, hy, 0.3f, k.skin);
            break;
        }
        default: break;
    }
}

void Hairdo(Pen& pen, const Look& k, float hx, float hy, float r, bool behind) {
    const Rgb hair = k.hair;
    switch (k.hairStyle) {
        case Hair::Long:
        case Hair::Crown:
            if (behind) pen.Blob(hx - r * 0.55f, hy + r * 0.9f, r * 1.05f, r * 1.9f, hair);
            else pen.Blob(hx - r * 0.15f, hy - r * 0.55f, r * 1.08f, r * 0.55f, hair);
            if (!behind && k.hairStyle == Hair::Crown)
                pen.Poly({hx - r * 0.8f, hy - r * 0.85f, hx - r * 0.75f, hy - r * 1.65f, hx - r * 0.3f, hy - r * 1.2f,
                          hx, hy - r * 1.8f, hx + r * 0.3f, hy - r * 1.2f, hx + r * 0.75f, hy - r * 1.65f,
                          hx + r * 0.8f, hy - r * 0.85f},
                         Rgb{246, 206, 70});
            break;
        case Hair::Ponytail:
            if (behind) pen.Limb(hx - r * 0.8f, hy - r * 0.4f, hx - r * 2.0f, hy + r * 1.6f, r * 0.7f, hair);
            else pen.Blob(hx - r * 0.15f, hy - r * 0.5f, r * 1.06f, r * 0.6f, hair);
            break;
        case Hair::Short:
            if (!behind) pen.Blob(hx - r * 0.2f, hy - r * 0.45f, r * 1.08f, r * 0.7f, hair);
            break;
        case Hair::Bun:
            if (behind) pen.Dot(hx - r * 0.7f, hy - r * 0.9f, r * 0.55f, hair);
            else pen.Blob(hx - r * 0.1f, hy - r * 0.5f, r * 1.05f, r * 0.58f, hair);
            break;
        case Hair::Hood:
            if (behind) pen.Blob(hx - r * 0.2f, hy - r * 0.05f, r * 1.3f, r * 1.35f, Scale(k.top, 0.7f));
            else pen.Poly({hx - r * 1.25f, hy + r * 0.4f, hx - r * 1.1f, hy - r * 0.9f, hx, hy - r * 1.3f, hx + r * 0.9f,
                           hy - r * 0.75f, hx + r * 0.55f, hy - r * 0.35f, hx - r * 0.5f, hy - r * 0.4f},
                          Scale(k.top, 0.72f));
            break;
        case Hair::Helmet:
            if (!behind) {
                pen.Blob(hx - r * 0.1f, hy - r * 0.4f, r * 1.15f, r * 0.85f, k.trim);
                pen.Limb(hx - r * 1.0f, hy + r * 0.05f, hx + r * 1.0f, hy + r * 0.05f, r * 0.25f, Scale(k.trim, 0.75f));
                pen.Limb(hx - r * 0.2f, hy - r * 1.2f, hx - r * 0.6f, hy - r * 1.9f, r * 0.35f, k.hair);
            }
            break;
        case Hair::Hat:
            if (!behind) {
                pen.Blob(hx, hy - r * 0.55f, r * 1.7f, r * 0.32f, hair);
                pen.Blob(hx, hy - r * 0.95f, r * 0.9f, r * 0.6f, hair);
            }
            break;
        case Hair::Bald: break;
    }
}

// A person facing forward (+x) in the pen's frame.
void Person(Pen& pen, const Look& k, const PersonPose& pose) {
    Body b = BodyOf(pose);
    if (pose.holds) b.bow = BowToReach(b, k.width, pose.holdX, pose.holdY, pose.grips);
    const float w = k.width;
    const float limb = 0.42f * std::sqrt(w);
    const float neck = b.hip - 2.6f * std::cos(b.bow);
    const float sx = b.lean + 2.6f * std::sin(b.bow);   // shoulders ahead of the hips
    if (pose.holds && HeldInFront(pose.holdX, sx, w, pose.grips))
        ReachFor(sx + 0.15f, neck + 0.25f, pose.holdX, pose.holdY, b.frontArm, b.frontElbow);
    else if (pose.holds)
        ReachFor(sx - 0.15f, neck + 0.25f, pose.holdX, pose.holdY, b.backArm, b.backElbow);
    const float headR = 0.56f, headX = sx + 0.1f, headY = neck - headR * 1.05f;
    const bool skirt = k.garment == Garment::Dress || k.garment == Garment::Gown || k.garment == Garment::Robe;
    const Rgb legColour = skirt && k.garment == Garment::Dress ? k.skin : k.bottom;

    if (k.carry == Carry::Wings) {
        pen.measured = false;
        pen.Poly({sx - 0.3f, neck + 0.3f, sx - 3.2f, neck - 2.2f, sx - 2.6f, neck + 0.6f, sx - 0.4f, neck + 1.6f},
                 Scale(k.trim, 0.9f));
        pen.Poly({sx - 0.1f, neck + 0.2f, sx - 2.4f, neck - 2.6f, sx - 1.6f, neck + 0.2f}, k.trim);
        pen.measured = true;
    }
    if (k.carry == Carry::FoldedWings) {
        // Laid down along her back, their tips over her shoulder and at her
        // knees, no wider than she is.
        pen.measured = false;
        pen.Poly({sx - 0.2f, neck + 0.2f, sx - 0.95f, neck - 0.7f, sx - 1.05f, neck + 2.9f, sx - 0.45f, neck + 2.2f},
                 Scale(k.trim, 0.9f));
        pen.Poly({sx - 0.1f, neck + 0.1f, sx - 0.7f, neck - 0.9f, sx - 0.75f, neck + 1.9f}, k.trim);
        pen.measured = true;
    }
    Hairdo(pen, k, headX, headY, headR, true);
    // The back arm, then the legs.
    float bhx, bhy, fhx, fhy;
    Arm(pen, sx - 0.15f, neck + 0.25f, b.backArm, b.backElbow, k, limb, bhx, bhy);
    // Set upright at his back, leaning back a little against his shoulder,
    // clear of whoever stands before him.
    if (b.restsBehind) Weapon(pen, k, bhx, bhy, kPi + 0.12f, true);
    const bool frontHolds = pose.holds && HeldInFront(pose.holdX, sx, w, pose.grips);
    if (pose.grips && !frontHolds) Grip(pen, k, limb, bhx, bhy, pose.gripToX, pose.gripToY);
    auto leg = [&](const float (&knee)[2], const float (&foot)[2], float shade) {
        pen.Limb(0, b.hip, knee[0], knee[1], limb * 1.2f, Scale(legColour, shade));
        pen.Limb(knee[0], knee[1], foot[0], foot[1] - 0.2f, limb * 1.05f, Scale(legColour, shade));
        pen.Limb(foot[0] - 0.15f, foot[1] - 0.22f, foot[0] + 0.55f, foot[1] - 0.22f, limb * 0.95f,
                 Scale(k.bottom, 0.55f * shade));
    };
    leg(b.backKnee, b.backFoot, 0.82f);
    leg(b.frontKnee, b.frontFoot, 1.0f);
    // The body and what it wears.
    const float sh = 0.62f * w, waist = 0.48f * w;
    switch (k.garment) {
        case Garment::Dress:
            pen.Poly({sx - sh, neck, sx + sh, neck, 1.15f * w, b.hip + 0.95f, -1.15f * w, b.hip + 0.95f}, k.top);
            pen.Limb(-1.1f * w, b.hip + 0.85f, 1.1f * w, b.hip + 0.85f, 0.2f, k.trim);
            pen.Limb(sx - waist, b.hip - 0.35f, sx + waist, b.hip - 0.35f, 0.22f, k.trim);
            break;
        case Garment::Gown:
        case Garment::Robe: {
            const float hem = std::min(-0.35f, b.hip + 3.1f);
            const float flare = k.garment == Garment::Gown ? 1.55f * w : 1.0f * w;
            // Down low the skirt lies over the knees drawn up before the
            // body: its hem reaches past the front knee, so no leg shows
            // through beside it.
            const bool low = pose.stance == Stance::Sit || pose.stance == Stance::Crouch || pose.stance == Stance::Hunch ||
                             pose.stance == Stance::Kneel;
            const float front = low ? std::max(flare + 0.3f * b.lean, b.frontKnee[0] + 0.5f) : flare + 0.3f * b.lean;
            const float back = low ? -0.75f * w : -flare + 0.3f * b.lean;
            if (low)
                pen.Poly({sx - sh, neck, sx + sh, neck, b.frontKnee[0] + 0.45f, b.frontKnee[1] - 0.4f, front, hem, back, hem},
                         k.top);
            else
                pen.Poly({sx - sh, neck, sx + sh, neck, front, hem, back, hem}, k.top);
            pen.Limb(back, hem - 0.1f, front, hem - 0.1f, 0.25f, k.trim);
            pen.Limb(sx - waist, b.hip - 0.4f, sx + waist, b.hip - 0.4f, 0.22f, k.trim);
            break;
        }
        case Garment::Tunic:
        case Garment::Armour:
            pen.Poly({sx - sh, neck, sx + sh, neck, waist + 0.1f, b.hip + 0.35f, -waist - 0.1f, b.hip + 0.35f}, k.top);
            pen.Limb(-waist, b.hip + 0.1f, waist, b.hip + 0.1f, 0.3f, k.trim);
            if (k.garment == Garment::Armour) {
                pen.Blob(sx - sh * 0.2f, neck + 0.2f, sh * 1.0f, 0.42f, k.trim);
                pen.Limb(sx - sh * 0.6f, neck + 1.0f, sx + sh * 0.6f, neck + 1.0f, 0.16f, Scale(k.trim, 0.8f));
            }
            break;
        case Garment::Plate: {
            // Her armour: a breastplate lit down its middle, round shoulder
            // plates and a short skirt of plates edged in gold over steel
            // greaves with knee guards.
            const float hem = b.hip + 1.15f;
            pen.Poly({sx - sh, neck, sx + sh, neck, 1.05f * w + 0.2f * b.lean, hem, -1.05f * w + 0.2f * b.lean, hem},
                     Scale(k.top, 0.85f));
            pen.Limb(-0.95f * w + 0.2f * b.lean, hem - 0.1f, 0.95f * w + 0.2f * b.lean, hem - 0.1f, 0.22f, k.trim);
            pen.Limb(-0.75f * w, b.hip + 0.55f, 0.75f * w, b.hip + 0.55f, 0.12f, Scale(k.top, 0.6f));
            pen.Poly({sx - sh, neck, sx + sh, neck, sx + waist, b.hip - 0.2f, sx - waist, b.hip - 0.2f}, k.top);
            pen.Limb(sx + 0.05f, neck + 0.35f, sx + 0.05f, b.hip - 0.45f, 0.28f, Scale(k.top, 1.25f));
            pen.Limb(sx - sh * 0.8f, neck + 0.08f, sx + sh * 0.8f, neck + 0.08f, 0.2f, k.trim);
            pen.Limb(sx - waist, b.hip - 0.25f, sx + waist, b.hip - 0.25f, 0.2f, k.trim);
            pen.Blob(sx - sh * 0.1f, neck + 0.3f, 0.42f, 0.36f, Scale(k.top, 1.1f));
            pen.Dot(b.frontKnee[0], b.frontKnee[1], 0.3f, Scale(k.top, 1.15f));
            break;
        }
    }
    // Head and face.
    pen.Limb(sx, neck + 0.1f, headX, headY + headR * 0.8f, 0.4f, k.skin);
    pen.Dot(headX, headY, headR, k.skin);
    Hairdo(pen, k, headX, headY, headR, false);
    if (k.beard) pen.Blob(headX + headR * 0.25f, headY + headR * 0.75f, headR * 0.75f, headR * 0.5f, Rgb{226, 226, 218});
    if (k.hairStyle != Hair::Helmet) pen.Dot(headX + headR * 0.5f, headY + headR * 0.02f, headR * 0.15f, Rgb{40, 30, 56});
    if (pose.talking) pen.Blob(headX + headR * 0.62f, headY + headR * 0.55f, headR * 0.2f, headR * 0.14f, Rgb{110, 40, 40});
    // A shield on the far arm, held before the body (the sword arm in front
    // of it): up before the chest when that arm is raised, at the side else.
    if (k.shield) {
        const float x = std::max(bhx, sx + 0.25f) + 0.35f, y = std::clamp(bhy - 0.3f, neck + 0.9f, b.hip + 0.1f);
        pen.Poly({x - 0.85f, y - 1.05f, x + 0.85f, y - 1.05f, x + 0.8f, y + 0.2f, x, y + 1.3f, x - 0.8f, y + 0.2f},
                 Scale(k.trim, 0.55f));
        pen.Poly({x - 0.68f, y - 0.88f, x + 0.68f, y - 0.88f, x + 0.63f, y + 0.12f, x, y + 1.05f, x - 0.63f, y + 0.12f},
                 k.trim);
        pen.Limb(x, y - 0.75f, x, y + 0.8f, 0.22f, Scale(k.bottom, 1.1f));
        pen.Limb(x - 0.5f, y - 0.25f, x + 0.5f, y - 0.25f, 0.22f, Scale(k.bottom, 1.1f));
    }
    // The front arm and what it holds; a pet is cradled against the chest.
    const bool cradle = k.carry == Carry::Pet;
    Arm(pen, sx + 0.15f, neck + 0.25f, cradle ? 0.35f : b.frontArm, cradle ? 1.55f : b.frontElbow, k, limb, fhx, fhy);
    if (!b.restsBehind) Weapon(pen, k, fhx, fhy, b.frontArm + b.frontElbow * 0.5f, b.reach);
    if (pose.grips && frontHolds) Grip(pen, k, limb, fhx, fhy, pose.gripToX, pose.gripToY);
}

// The round little pet: a plump ball with ears, feet and a tail; pose 0..
// vary how it holds itself.
void Pet(Pen& pen, const Look& k, int pose) {
    const float bob = (pose % 2) ? 0.15f : 0.0f;
    const bool kick = pose == 7 || pose == 4, hold = pose >= 11 && pose <= 13, scared = pose == 14;
    // One body in every pose: frightened, it sweats.
    const float bodyR = 2.0f, cy = -2.05f - bob, earY = cy - bodyR * 0.95f;
    pen.Blob(-2.1f, cy + 0.3f, 0.55f, 0.35f, Scale(k.top, 0.85f));   // tail
    const float f = kick ? 1.3f : 0.55f;
    pen.Limb(-0.7f, cy + 1.4f, -0.8f - 0.25f * float(pose % 3), -0.2f, 0.55f, Scale(k.top, 0.8f));
    pen.Limb(0.7f, cy + 1.4f, 0.7f + f, kick ? -0.9f : -0.2f, 0.55f, Scale(k.top, 0.8f));
    pen.Blob(0, cy, bodyR * 1.12f, bodyR, k.top);
    pen.Blob(0.25f, cy + 0.55f, bodyR * 0.7f, bodyR * 0.55f, k.trim);   // pale belly
    pen.Blob(-0.9f, earY, 0.45f, 0.55f, Scale(k.top, 0.9f));
    pen.Blob(0.7f, earY, 0.45f, 0.55f, Scale(k.top, 0.9f));
    pen.Dot(0.9f, cy - 0.45f, 0.3f, Rgb{36, 28, 40});
    pen.Dot(1.7f, cy - 0.4f, 0.26f, Rgb{36, 28, 40});
    pen.Dot(1.35f, cy + 0.1f, 0.22f, Rgb{230, 110, 120});
    // Where the scene hides the ball it hugs it, its paws round it.
    if (hold || scared) {
        const float bx = 0.95f, by = cy + 1.0f, r = 0.9f;
        HuggedBall(pen, bx, by, r);
        pen.Dot(bx - r * 0.85f, by - r * 0.35f, 0.36f, Scale(k.top, 0.9f));
        pen.Dot(bx + r * 0.8f, by - r * 0.45f, 0.36f, Scale(k.top, 0.9f));
    }
    if (scared) {
        pen.Blob(-0.3f, cy - 1.1f, 0.22f, 0.32f, Rgb{150, 200, 250});
        pen.Dot(0.9f, cy - 0.45f, 0.12f, Rgb{250, 250, 250});   // the eyes' glint, wide open
        pen.Dot(1.7f, cy - 0.4f, 0.1f, Rgb{250, 250, 250});
    }
}

// A little imp (the far field's trio, a fifth of her height): a big round
// head with pointed ears under a pointed cap, wide eyes and a grin, a round
// little body on short legs, short arms; it moves its limbs as a person does.
void Imp(Pen& pen, const Look& k, const PersonPose& pose) {
    const Body b = BodyOf(pose);
    constexpr float kLegs = 0.55f;            // its legs against a person's
    const float hip = b.hip * kLegs, belly = hip - 1.2f, neck = hip - 2.2f;
    const float hx = 0.35f + 0.4f * b.lean, hy = neck - 1.9f, hr = 1.95f;
    const Rgb dark = Scale(k.top, 0.7f);
    auto leg = [&](const float (&foot)[2], float shade) {
        const float fx = foot[0] * 0.8f, fy = foot[1] * kLegs;
        pen.Limb(0, hip, fx, fy - 0.3f, 0.8f, Scale(k.bottom, shade));
        pen.Blob(fx + 0.35f, fy - 0.3f, 0.6f, 0.32f, Scale(k.bottom, 0.55f * shade));
    };
    leg(b.backFoot, 0.8f);
    // The back arm, the body, the front leg.
    auto arm = [&](float angle, float shade) {
        const float sx = 0.1f, sy = neck + 0.5f;
        const float ex = sx + std::sin(angle) * 1.5f, ey = sy + std::cos(angle) * 1.5f;
        pen.Limb(sx, sy, ex, ey, 0.65f, Scale(k.top, shade));
        pen.Dot(ex, ey, 0.42f, k.skin);
    };
    arm(b.backArm, 0.8f);
    pen.Blob(0.1f, belly, 1.25f, 1.45f, k.top);
    pen.Blob(0.45f, belly + 0.25f, 0.6f, 0.8f, Scale(k.top, 1.2f));
    pen.Limb(-1.0f, hip - 0.15f, 1.1f, hip - 0.15f, 0.35f, k.trim);   // its belt
    leg(b.frontFoot, 1.0f);
    // The head: ears out behind and before, the face, the cap's point
    // flopping back.
    pen.Poly({hx - 1.6f, hy - 0.2f, hx - 3.0f, hy - 1.3f, hx - 1.3f, hy + 0.7f}, Scale(k.skin, 0.85f));
    pen.Dot(hx, hy, hr, k.skin);
    pen.Poly({hx + 1.3f, hy - 0.1f, hx + 2.5f, hy - 1.0f, hx + 1.6f, hy + 0.6f}, Scale(k.skin, 0.9f));
    pen.Poly({hx - 1.9f, hy - 0.5f, hx - 1.4f, hy - 1.6f, hx + 0.2f, hy - 2.1f, hx + 1.6f, hy - 1.5f, hx + 1.9f,
              hy - 0.6f},
             dark);
    pen.Poly({hx - 1.4f, hy - 1.5f, hx - 0.2f, hy - 2.0f, hx - 2.6f, hy - 3.4f}, dark);
    pen.Dot(hx - 2.5f, hy - 3.3f, 0.4f, k.trim);
    pen.Dot(hx + 0.9f, hy - 0.1f, 0.55f, Rgb{250, 250, 240});   // the eye, wide open
    pen.Dot(hx + 1.1f, hy - 0.05f, 0.3f, Rgb{30, 24, 30});
    pen.Limb(hx + 0.5f, hy + 1.0f, hx + 1.5f, hy + 0.8f, 0.3f, Rgb{120, 40, 40});   // the grin
    arm(b.frontArm, 1.05f);
}

// A big horned beast on four legs with bat wings (the field's monsters):
// it hangs in the air on them before it drops on the heroine, so they are
// spread wide in the frames it hovers in (1 to 3) and half folded on its
// back in the others.
void Beast(Pen& pen, const Look& k, const PersonPose& pose, int frame) {
    const float s = std::sin(pose.phase);
    const bool rear = pose.stance == Stance::Attack || pose.stance == Stance::Lunge || pose.stance == Stance::Jump;
    const float bodyY = rear ? -4.2f : -3.4f;
    const bool hovering = frame >= 1 && frame <= 3;
    const Rgb wing = Scale(k.top, 0.62f), wingWeb = Scale(k.trim, 0.95f);
    {
        const float rise = hovering ? 2.8f : 1.7f, reach = hovering ? 2.6f : 1.9f;
        const float sx = 0.2f, sy = bodyY - 1.1f;   // the shoulder the wing grows from
        const float tipX = sx - reach * 0.5f, tipY = sy - rise, farX = sx - reach, farY = sy - rise * 0.45f;
        pen.Poly({sx, sy, tipX, tipY, farX, farY, sx - reach * 0.75f, sy + 0.5f, sx - reach * 0.35f, sy + 0.2f,
                  sx - 0.2f, sy + 0.7f},
                 wing);
        pen.Limb(sx, sy, tipX, tipY, 0.24f, wingWeb);
        pen.Limb(tipX, tipY, farX, farY, 0.18f, wingWeb);
        pen.Limb(tipX, tipY, sx - reach * 0.75f, sy + 0.5f, 0.12f, wingWeb);
    }
    for (int i = 0; i < 4; ++i) {
        const float x = -1.8f + 1.2f * float(i), swing = 0.4f * s * float(i % 2 ? 1 : -1);
        const float fy = rear && i >= 2 ? -2.2f : 0.0f;
        pen.Limb(x, bodyY + 0.6f, x + swing, fy - 0.2f, 0.75f, Scale(k.top, i % 2 ? 0.78f : 0.9f));
    }
    pen.Blob(0, bodyY, 2.9f, 1.55f, k.top);
    pen.Blob(-0.2f, bodyY + 0.5f, 2.1f, 0.8f, k.trim);
    const float hx = rear ? 3.0f : 2.8f, hy = bodyY - (rear ? 1.6f : 1.0f);
    pen.Blob(hx, hy, 1.05f, 0.9f, Scale(k.top, 1.08f));
    pen.Poly({hx - 0.4f, hy - 0.7f, hx - 1.0f, hy - 2.1f, hx + 0.1f, hy - 0.9f}, k.hair);
    pen.Poly({hx + 0.3f, hy - 0.8f, hx + 0.6f, hy - 2.2f, hx + 0.8f, hy - 0.6f}, k.hair);
    pen.Dot(hx + 0.5f, hy - 0.1f, 0.2f, Rgb{250, 230, 90});
    pen.Limb(-2.8f, bodyY - 0.3f, -3.8f, bodyY - 1.3f - 0.4f * s, 0.4f, k.top);
}

// ----------------------------------------------------------------- looks --

constexpr Rgb kSkin{246, 212, 180};

Look Person(Rgb top, Rgb bottom, Rgb hair, Rgb trim, Hair style, Garment g, Carry carry = Carry::None,
            float width = 1.0f, Rgb skin = kSkin) {
    Look k;
    k.top = top;
    k.bottom = bottom;
    k.hair = hair;
    k.trim = trim;
    k.skin = skin;
    k.hairStyle = style;
    k.garment = g;
    k.carry = carry;
    k.width = width;
    return k;
}

// Encounter B's body frames that carry the great blade in their own
// picture: not those whose every pose brings the blade as a layer (planted
// beside him, over his shoulder, swung), nor his layered limbs.
bool BladeFighterFrameHoldsBlade(int frame) {
    namespace b = encounter_b_frames;
    if (frame > 100) return false;
    bool shown = false;
    for (const b::PoseRow& p : b::kPoses) {
        if (p.frame != frame) continue;
        shown = true;
        const bool bladeLayer = p.layer2 == 204 || (p.layer2 >= 201 && p.layer2 <= 208 && p.layer2 != 203);
        if (!bladeLayer) return true;
    }
    return !shown;
}

// An imp's look: a person's colours on its build, its skin a goblin's green.
Look AsImp(Look k) {
    k.build = Build::Imp;
    k.skin = Rgb{156, 196, 112};
    return k;
}

}  // namespace

Look LookOf(Subject s, int pose, int picture) {
    switch (s) {
        case Subject::Heroine: {
            Look k = Person({206, 64, 96}, {206, 64, 96}, {110, 60, 32}, {250, 214, 120}, Hair::Long, Garment::Dress);
            // Encounter C's scene draws her from the clerk's sheet in the
            // outfit she walks in and fights it in, the second; the ending
            // draws her from its own sheet in the second weapon mode's
            // blows, so in that outfit too.
            if (picture == 207 || picture == ending_frames::kSheetResource) return HeroineSecondOutfit();
            return k;
        }
        case Subject::Pet: {
            Look k;
            k.build = Build::Pet;
            k.top = kPetFur;   // a round, honey-coloured little thing
            k.trim = kPetBelly;
            return k;
        }
        case Subject::Intruder:   // the woman in the black mantle
            return Person({70, 44, 96}, {44, 30, 60}, {34, 22, 40}, {206, 160, 236}, Hair::Bun, Garment::Robe,
                          picture == 181 ? Carry::Claws : Carry::None);
        case Subject::Friend:
            return Person({236, 150, 40}, {120, 80, 40}, {196, 70, 40}, {255, 230, 150}, Hair::Short, Garment::Tunic);
        case Subject::Companion:   // the intruder's helper, who leaps in and snatches the pet
            return Person({40, 150, 150}, {40, 80, 100}, {240, 220, 120}, {220, 236, 236}, Hair::Ponytail,
                          Garment::Tunic, SnatchedPet(pose) ? Carry::Pet : Carry::None);
        case Subject::WalkingEnemy:
            return Person({120, 90, 60}, {90, 70, 50}, {60, 110, 60}, {160, 130, 90}, Hair::Bald, Garment::Tunic,
                          Carry::None, 1.15f, Rgb{120, 170, 100});
        case Subject::FieldEnemyA:
            return Person({110, 80, 60}, {70, 60, 50}, {60, 50, 40}, {190, 160, 110}, Hair::Hood, Garment::Tunic,
                          Carry::Claws);
        case Subject::Gatekeeper:
            return Person({130, 140, 160}, {80, 80, 96}, {180, 40, 40}, {200, 206, 220}, Hair::Helmet, Garment::Armour,
                          Carry::Spear, 1.1f);
        case Subject::FieldArenaFoe:
            return Person({170, 50, 50}, {70, 40, 40}, {40, 30, 30}, {230, 180, 90}, Hair::Hood, Garment::Tunic,
                          Carry::Claws, 1.05f);
        case Subject::Teacher:
            return Person({60, 90, 170}, {40, 60, 120}, {200, 200, 210}, {240, 220, 150}, Hair::Bun, Garment::Robe,
                          Carry::Staff);
        case Subject::Monsters: {
            Look k = Person({120, 96, 140}, {90, 70, 110}, {236, 226, 200}, {180, 160, 196}, Hair::Bald, Garment::Tunic);
            k.build = Build::Beast;
            return k;
        }
        // The trio are little imps in red, blue and yellow.
        case Subject::EncounterActor1:
            return AsImp(Person({200, 60, 50}, {90, 50, 40}, {50, 40, 30}, {240, 200, 80}, Hair::Hood, Garment::Tunic));
        case Subject::EncounterActor2:
            return AsImp(Person({50, 90, 200}, {40, 50, 90}, {50, 40, 30}, {240, 200, 80}, Hair::Hood, Garment::Tunic));
        case Subject::EncounterActor3:
            return AsImp(Person({220, 190, 50}, {90, 80, 40}, {50, 40, 30}, {120, 80, 40}, Hair::Hood, Garment::Tunic));
        case Subject::Spectators: {
            static const Rgb shirts[3] = {{210, 80, 70}, {70, 120, 200}, {90, 170, 90}};
            static const Rgb hairs[3] = {{80, 50, 30}, {230, 200, 110}, {40, 30, 30}};
            const int kind = std::clamp(pose / 10, 0, 2);
            return Person(shirts[kind], {70, 70, 90}, hairs[kind], {240, 240, 240}, Hair::Short, Garment::Tunic);
        }
        case Subject::Round2Opponent:   // the teacher herself, winged for her round
            // Standing (frame 1) her wings are folded: she rises into the
            // arena through its lift, which hides all of her but spread wings,
            // and spreads them (frame 2) when she means to fly.
            return Person({60, 90, 170}, {40, 60, 120}, {200, 200, 210}, {240, 220, 150}, Hair::Bun, Garment::Robe,
                          pose == 1 ? Carry::FoldedWings : Carry::Wings);
        case Subject::Round3Opponent:
            return Person({40, 44, 80}, {30, 30, 60}, {20, 20, 36}, {190, 40, 60}, Hair::Hood, Garment::Tunic,
                          Carry::Sword);
        case Subject::Round4Opponent:   // the envoy from the next kingdom, in heavy armour
            return Person({150, 110, 60}, {90, 64, 44}, {200, 90, 40}, {220, 190, 120}, Hair::Ponytail, Garment::Armour,
                          Carry::None, 1.35f);
        case Subject::Duellist: {   // the knight who guards with his shield
            Look k = Person({180, 186, 200}, {90, 90, 110}, {60, 60, 150}, {230, 236, 246}, Hair::Helmet,
                            Garment::Armour, Carry::Sword, 1.15f);
            k.shield = true;
            return k;
        }
        case Subject::Fighter:   // the sorceress of the field, in her robe with her staff
            return Person({110, 50, 130}, {70, 30, 90}, {40, 30, 50}, {230, 200, 110}, Hair::Long, Garment::Robe,
                          Carry::Staff);
        case Subject::ArenaBoss1:   // the woman soldier who shoots
            return Person({150, 140, 90}, {90, 86, 60}, {150, 60, 40}, {210, 200, 150}, Hair::Ponytail, Garment::Tunic,
                          Carry::Gun);
        case Subject::ArenaEnemy2:   // the big man who seizes her
            return Person({60, 130, 70}, {50, 70, 50}, {200, 80, 30}, {220, 200, 120}, Hair::Short, Garment::Tunic,
                          Carry::None, 1.35f);
        case Subject::Merchant: {   // the old man of the camp, in his hat and beard
            Look k = Person({96, 120, 64}, {64, 84, 44}, {128, 86, 44}, {220, 220, 210}, Hair::Hat, Garment::Robe);
            k.beard = true;
            return k;
        }
        case Subject::Soldier:
            return Person({70, 90, 140}, {50, 56, 80}, {200, 40, 40}, {200, 210, 224}, Hair::Helmet, Garment::Armour,
                          Carry::Spear, 1.1f);
        case Subject::PieceFigure: {
            Look k = Person({176, 128, 70}, {120, 86, 50}, {90, 60, 40}, {230, 190, 110}, Hair::Helmet,
                            Garment::Armour, Carry::None, 1.3f, Rgb{200, 160, 110});
            k.build = Build::Construct;
            return k;
        }
        case Subject::BladeFighter:
            // His great blade is a sprite of its own in the frames that draw
            // it beside him, over his shoulder or swung from his hand.
            return Person({150, 30, 40}, {40, 30, 36}, {230, 230, 240}, {60, 50, 60}, Hair::Ponytail, Garment::Tunic,
                          BladeFighterFrameHoldsBlade(pose) ? Carry::BigBlade : Carry::None, 1.05f);
        case Subject::Sorceress:
            return Person({40, 110, 110}, {20, 60, 70}, {200, 210, 230}, {160, 230, 220}, Hair::Long, Garment::Robe);
        case Subject::Queen:
            // Her sword is a sprite of its own, except in the poses that
            // carry it in their picture.
            return Person({120, 20, 40}, {80, 10, 30}, {250, 240, 230}, {240, 200, 80}, Hair::Crown, Garment::Gown,
                          pose == 1 || pose == 2 || pose == 18 || pose == 43 || pose == 44 ? Carry::Sword : Carry::None,
                          1.05f);
        case Subject::LittleOne: {
            Look k = Person({250, 250, 210}, {230, 230, 180}, {250, 220, 140}, {255, 255, 255}, Hair::Short,
                            Garment::Robe, Carry::None, 0.9f);
            k.build = Build::Spirit;
            return k;
        }
        default: return Person({150, 150, 150}, {100, 100, 100}, {60, 60, 60}, {200, 200, 200}, Hair::Short,
                               Garment::Tunic);
    }
}

// The second outfit is the eternal armour: steel plates edged with gold,
// steel greaves, her long hair as ever.
Look HeroineSecondOutfit() {
    Look look = LookOf(Subject::Heroine);
    look.garment = Garment::Plate;
    look.top = Rgb{170, 186, 212};
    look.bottom = Rgb{92, 104, 140};
    look.trim = Rgb{232, 200, 110};
    return look;
}

void PaintPerson(Canvas& c, float feetX, float feetY, float height, int dir, const PersonPose& pose,
                 const Look& look) {
    Pen pen(&c, feetX, feetY, height / 8.0f, dir, 0.0f);
    Person(pen, look, pose);
}

void PaintPersonTransformed(Canvas& c, float feetX, float feetY, float height, int dir, const PersonPose& pose,
                            const Look& look, float squeeze, float angle) {
    Pen pen(&c, feetX, feetY, height / 8.0f, dir, angle, squeeze);
    Person(pen, look, pose);
}


namespace {

// The Era03 arena's intro sheet keeps a painter of its own for its figures:
// they sit on seats drawn apart from them and stand up from them, and the
// big man seated is built of cells that share his place (arena_scene_art).
bool OwnPainter(int picture) { return picture == 191; }

// The home area's scene sheet, where the story draws her as one of its actors.
constexpr int kHomeSceneSheet = 187;

// Her sheets: the first outfit on the weapon-mode-1 sheets, the second on
// the weapon-mode-2 sheet.
bool HeroineSheet(int picture) { return picture == 101 || picture == 183 || picture == 197; }

bool FeetAtPivot(const Cell& c) {
    if (c.onPoint) return true;
    const float h = float(c.rect.Height());
    return c.pivotY >= 0.78f * h && c.pivotY <= h + 4.0f && c.pivotX > -4.0f && c.pivotX < float(c.rect.Width()) + 4.0f;
}

// The sheets that show a figure facing left (the game mirrors them to face
// right). Figures the game never mirrors face the way the heroine meets
// them, from the right.
bool FacesLeft(Subject s, int picture) {
    switch (s) {
        case Subject::Heroine: return picture == 187;
        case Subject::Intruder:
        case Subject::Friend:
        case Subject::Companion:
        case Subject::FieldEnemyA:
        case Subject::FieldArenaFoe:
        case Subject::Gatekeeper:
        case Subject::Teacher:
        case Subject::Round2Opponent:
        case Subject::Round4Opponent:
        case Subject::ArenaBoss1:
        case Subject::ArenaEnemy2:
        case Subject::Merchant:
        case Subject::EncounterActor1:
        case Subject::EncounterActor2:
        case Subject::EncounterActor3:
        case Subject::Monsters:
        case Subject::Duellist:
        // The sorceress of the field looks toward smaller x unmirrored: she
        // throws that way and strikes that way, and the game mirrors her
        // only when the heroine is on her right.
        case Subject::Fighter:
        case Subject::BladeFighter:
        case Subject::Queen: return true;
        default: return false;
    }
}

// Figures whose sheets hold each facing apart with nothing to tell them.
bool FacingFromShape(Subject s) { return s == Subject::Round3Opponent; }

// The height a subject stands at on a picture: what its standing frames
// measure from the feet to the top of the head.
float StandingHeight(const std::vector<const Cell*>& cells) {
    std::vector<float> heights;
    for (const Cell* c : cells) {
        if (c->stance == Stance::Upper || c->stance == Stance::Lower) continue;   // a part of the figure
        if (c->HasBody() && c->body.Height() >= 0.55f * float(c->rect.Height()) && c->body.bottom >= c->pivotY - 4)
            heights.push_back(float(c->body.Height()) * 1.03f);
        else if (FeetAtPivot(*c)) heights.push_back(std::min(c->pivotY, float(c->rect.Height())) - float(c->sink));
    }
    if (heights.empty())
        for (const Cell* c : cells) heights.push_back(float(c->rect.Height()) * 0.9f);
    std::sort(heights.begin(), heights.end());
    return heights[std::min(heights.size() - 1, heights.size() * 3 / 4)];
}

// Figures the game draws at one size in every frame: their hurt boxes
// measure only what can be struck, a row of them stands on one ground
// line, and a taller box is not a taller man.
bool OneSize(Subject s) { return s == Subject::Soldier; }

bool Upright(Stance s) {
    return s == Stance::Stand || s == Stance::Walk || s == Stance::Attack || s == Stance::Lunge || s == Stance::Block;
}

struct Placement {
    PersonPose pose;
    float angle = 0;      // radians, the turn of the whole figure
    bool anchored = true; // the feet stay on the given point
    float fx = 0, fy = 0; // the feet, in cell pixels
    float height = 0;
    int dir = 1;
    bool part = false;    // the cell shows only a part: clipped, never shrunk
};

Placement Place(const Cell& c, const Look& look, float H) {
    Placement p;
    const float w = float(c.rect.Width()), h = float(c.rect.Height());
    const int defaultDir = c.facing != 0 ? c.facing : FacesLeft(c.subject, c.picture) ? -1 : 1;
    p.height = H;
    p.pose.phase = float(c.pose) * 1.3f;
    p.dir = defaultDir;
    // Facing the side of the cell with more room, where the sheet does not
    // say; else the sheet's own way.
    auto toward = [&](float x) {
        if (!FacingFromShape(c.subject)) return defaultDir;
        const float left = x, right = w - x;
        if (std::abs(right - left) > 0.22f * w) return right > left ? 1 : -1;
        return defaultDir;
    };
    Stance st = c.stance;
    if (c.turnedOntoLeft) {
        // Standing straight along the left column, facing away from it: the
        // game's turn lays her on her back on the floor.
        p.fx = std::max(0.0f, c.pivotX);
        p.fy = h - 1.0f;
        p.dir = 1;
        p.pose.stance = Stance::Stand;
        return p;
    }
    // A body box shorter than most of the figure is a hurt zone on part of
    // it, not the figure: then the pivot places it.
    const bool bodyPlaces = c.HasBody() && c.body.Height() >= 0.7f * H;
    if (bodyPlaces) {
        const PictureRect& b = c.body;
        // A box that stops short of a standing point on the cell's floor
        // covers the body, not the legs: the feet stay on the point's line
        // unless the frame is a leap.
        const bool onFloor = float(b.bottom) < c.pivotY && FeetAtPivot(c) && st != Stance::Jump && st != Stance::Leap;
        p.fy = onFloor ? std::min(c.pivotY, h) - float(c.sink) : float(b.bottom);
        const float bh = onFloor ? p.fy - float(b.top) : float(b.Height()), bw = float(b.Width());
        p.fx = (float(b.left) + float(b.right)) * 0.5f;
        p.dir = toward(p.fx);
        const bool airborne = !onFloor && c.pivotY >= 0 && float(b.bottom) < c.pivotY - 0.15f * H;
        if (st == Stance::Auto) {
            if (airborne) st = bw > bh * 1.2f ? Stance::Leap : Stance::Jump;
            else if (bh < 0.45f * H) st = bw > bh * 1.3f ? Stance::Lying : Stance::Crouch;
            else if (bh < 0.8f * H) st = Stance::Crouch;
            else if (w - bw > 0.55f * bh) st = (w - bw > 0.9f * bh) ? Stance::Lunge : Stance::Attack;
            else st = (c.pose % 3 == 0) ? Stance::Stand : Stance::Walk;
        }
        if (!OneSize(c.subject) &&
            (st == Stance::Stand || st == Stance::Walk || st == Stance::Attack || st == Stance::Lunge))
            p.height = bh;
    } else if (c.pivotY > h + 4.0f) {
        // The cell is the upper part of a figure standing below it.
        p.fx = c.pivotX;
        p.fy = c.pivotY;
        p.part = true;
        p.dir = toward(c.pivotX);
        if (st == Stance::Auto || st == Stance::Upper) st = Stance::Stand;
    } else if (FeetAtPivot(c)) {
        p.fx = c.pivotX;
        p.fy = std::min(c.pivotY, h - 1.0f) - float(c.sink);
        p.dir = toward(c.pivotX);
        // The legs under a body drawn from another cell: cut at the top.
        p.part = st == Stance::Lower && h < 0.75f * H;
        if (st == Stance::Auto) {
            const float tall = c.pivotY / H;
            if (tall < 0.5f) st = w > 1.4f * h ? Stance::Lying : Stance::Crouch;
            else if (tall < 0.82f) st = w > 0.95f * H ? Stance::Lunge : Stance::Crouch;
            else if (w > 0.8f * H) st = Stance::Attack;
            else st = (c.pose % 3 == 0) ? Stance::Stand : Stance::Walk;
        }
    } else {
        // Turned about a point inside: in the air, centred in the cell.
        p.anchored = false;
        p.dir = c.pivotX >= 0 ? toward(c.pivotX) : defaultDir;
        if (st == Stance::Auto) {
            if (w > 1.45f * h) st = Stance::Leap;
            else if (h > 0.75f * H) st = Stance::Jump;
            else st = Stance::Tumble;
        }
    }
    if (st == Stance::Upper || st == Stance::Lower) st = Stance::Stand;
    p.pose.stance = st;
    if (st == Stance::Attack || st == Stance::Lunge) {
        const float ahead = p.dir > 0 ? w - p.fx : p.fx, behind = w - ahead;
        p.pose.windup = behind > ahead * 1.6f && behind > 0.35f * H;
    }
    // A jump's box is most of its drawn-up body; a small box on a figure in
    // the air is only where it can be hit.
    if (st == Stance::Jump && !OneSize(c.subject) && c.HasBody() && c.body.Height() >= 0.5f * H)
        p.height = float(c.body.Height()) / 0.8f;
    if (st == Stance::Leap) {
        // Stretched out along the cell: a cell much taller than wide holds
        // it upright, the game turning it.
        p.anchored = false;
        p.angle = h > 1.5f * w ? 0.0f : float(p.dir) * kPi * 0.5f;
    } else if (st == Stance::Lying) {
        p.anchored = false;
        p.angle = -float(p.dir) * kPi * 0.5f;
        p.pose.stance = Stance::Stand;
    } else if (st == Stance::Tumble && w > 1.6f * h) {
        p.anchored = false;
        p.angle = float(p.dir) * kPi * 0.5f;
        p.pose.stance = Stance::Leap;
    } else if (st == Stance::Tumble) {
        p.anchored = false;
        p.angle = float(c.pose % 4) * kPi * 0.5f;
        p.pose.stance = Stance::Crouch;
    }
    (void)look;
    return p;
}

void Draw(Pen& pen, const Look& look, const PersonPose& pose, int poseNumber) {
    switch (look.build) {
        case Build::Pet: Pet(pen, look, poseNumber); break;
        case Build::Beast: Beast(pen, look, pose, poseNumber); break;
        case Build::Imp: Imp(pen, look, pose); break;
        default: Person(pen, look, pose); break;
    }
}

// The creature of Era03 hangs its parts on stems: open parts are ripe red
// pods, closed parts green buds, the stem a green stalk.
void PlantPart(Canvas& c, const Cell& cell) {
    const PictureRect& r = cell.rect;
    const float cx = (float(r.left) + float(r.right)) * 0.5f, cy = (float(r.top) + float(r.bottom)) * 0.5f;
    const float rw = float(r.Width()) * 0.5f, rh = float(r.Height()) * 0.5f;
    if (cell.pose == 0) {   // the stem
        FillRect(c, r.left + r.Width() / 3, r.top, r.right - r.Width() / 3, r.bottom, Solid(Rgb{80, 150, 60}));
    } else if (cell.pose >= 61) {   // a closed bud
        FillEllipse(c, cx, cy + rh * 0.1f, rw * 0.8f, rh * 0.85f, Solid(Rgb{70, 140, 60}));
        Line(c, cx, float(r.top) + 1, cx, cy, 1.5f, Solid(Rgb{50, 110, 40}));
        FillEllipse(c, cx - rw * 0.25f, cy - rh * 0.1f, rw * 0.2f, rh * 0.35f, Solid(Rgb{120, 190, 100}));
    } else {   // an open pod, ripening through its cycle
        const int k = (cell.pose - 1) % 8;
        const Rgb red = Mix(Rgb{230, 120, 60}, Rgb{214, 40, 44}, float(k) / 7.0f);
        const float rad = std::min(rw, rh) * (0.78f + 0.02f * float(k));
        FillDisc(c, cx, cy, rad, Solid(red));
        FillDisc(c, cx - rad * 0.35f, cy - rad * 0.35f, rad * 0.3f, Solid(Mix(red, Rgb{255, 240, 230}, 0.6f)));
        for (int i = -1; i <= 1; i += 2)
            FillEllipse(c, cx + float(i) * rw * 0.65f, cy, rw * 0.28f, rh * 0.25f, Solid(Rgb{80, 150, 60}));
    }
}

// Encounter A's machine soldier is built of parts the game places one by
// one: heads (layers 101..199), arms (201..399), the hips (401..499), feet
// (501..699), wheels (701..899) and the upper body of each frame; its
// whole-figure frames are drawn like every figure.
void MachinePart(Canvas& c, const Cell& cell, const Look& k) {
    const PictureRect& r = cell.rect;
    const float L = float(r.left) + 1, T = float(r.top) + 1, R = float(r.right) - 1, B = float(r.bottom) - 1;
    const float w = R - L, h = B - T, cx = (L + R) * 0.5f, cy = (T + B) * 0.5f;
    const Rgb bronze = k.top, dark = k.bottom, light = k.trim, eye{120, 220, 255};
    const int code = cell.pose;
    auto plate = [&](float l, float t, float rr, float b) {
        FillRect(c, int(l), int(t), int(rr), int(b), Solid(bronze));
        FrameRect(c, int(l), int(t), int(rr), int(b), std::max(1, int(std::min(w, h) / 12)), Solid(dark));
        for (float x = l + 4; x < rr - 3; x += std::max(6.0f, (rr - l) / 4))
            FillDisc(c, x, t + 3, 1.0f, Solid(light));
    };
    if (code >= 101 && code < 200) {   // the head: a dome with a visor
        FillEllipse(c, cx, cy + h * 0.1f, w * 0.42f, h * 0.45f, Solid(bronze));
        FillRect(c, int(cx - w * 0.3f), int(cy), int(cx + w * 0.3f), int(cy + h * 0.12f), Solid(dark));
        FillDisc(c, cx + w * 0.12f, cy + h * 0.06f, std::max(1.2f, h * 0.06f), Solid(eye));
        Line(c, cx, T + 1, cx - w * 0.1f, cy - h * 0.3f, 1.5f, Solid(light));
    } else if (code >= 201 && code < 400) {   // an arm along its longer side, the fist at its far end
        const bool across = w >= h;
        const float th = std::max(3.0f, std::min(w, h) * 0.5f);
        float x0 = across ? L + th * 0.5f : cx, y0 = across ? cy : T + th * 0.5f;
        float x1 = across ? R - th * 0.6f : cx, y1 = across ? cy : B - th * 0.6f;
        if (across && cell.pivotX > w * 0.5f) std::swap(x0, x1);
        if (!across && cell.pivotY > h * 0.5f) std::swap(y0, y1);
        Line(c, x0, y0, x1, y1, th, Solid(bronze));
        FillDisc(c, (x0 + x1) * 0.5f, (y0 + y1) * 0.5f, th * 0.45f, Solid(dark));
        FillDisc(c, x1, y1, th * 0.6f, Solid(light));
    } else if (code >= 401 && code < 500) {   // the hips: a wide skirt of plates
        const float top[] = {L + w * 0.15f, T, R - w * 0.15f, T, R, B, L, B};
        FillPolygon(c, top, 4, Solid(bronze));
        for (int i = 1; i < 4; ++i) Line(c, L + w * float(i) / 4, T + 2, L + w * float(i) / 4, B - 1, 1.5f, Solid(dark));
    } else if (code >= 501 && code < 700) {   // a foot
        FillEllipse(c, cx, cy + h * 0.15f, w * 0.48f, h * 0.38f, Solid(dark));
    } else if (code >= 701 && code < 900) {   // a wheel with spokes
        const float rad = std::min(w, h) * 0.48f;
        FillDisc(c, cx, cy, rad, Solid(dark));
        FillDisc(c, cx, cy, rad * 0.7f, Solid(bronze));
        for (int i = 0; i < 4; ++i) {
            const float a = float(i) * kPi / 4.0f;
            Line(c, cx - std::cos(a) * rad * 0.7f, cy - std::sin(a) * rad * 0.7f, cx + std::cos(a) * rad * 0.7f,
                 cy + std::sin(a) * rad * 0.7f, 1.5f, Solid(dark));
        }
        FillDisc(c, cx, cy, rad * 0.2f, Solid(light));
    } else {   // the upper body of a frame: chest, shoulders and the core's light
        plate(L + w * 0.12f, T + h * 0.1f, R - w * 0.12f, B);
        FillEllipse(c, L + w * 0.14f, T + h * 0.16f, w * 0.14f, h * 0.12f, Solid(light));
        FillEllipse(c, R - w * 0.14f, T + h * 0.16f, w * 0.14f, h * 0.12f, Solid(light));
        FillDisc(c, cx, cy + h * 0.1f, std::min(w, h) * 0.1f, Solid(eye));
    }
}

// The ending's statue of light, cut into 36 pieces that the game turns and
// places to stand as one figure: a slab of pale crystal with a woman's
// figure shining inside it. Each piece shows the part of the statue its
// placement puts it over.
void EndingFigurePieces(Canvas& c) {
    using ending_frames::kPieces;
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (const auto& p : kPieces) {
        minX = std::min(minX, float(p.x));
        maxX = std::max(maxX, float(p.x));
        minY = std::min(minY, float(p.y));
        maxY = std::max(maxY, float(p.y));
    }
    constexpr int kMargin = 80;
    Canvas statue(int(maxX - minX) + 2 * kMargin, int(maxY - minY) + 2 * kMargin);
    const float ox = minX - kMargin, oy = minY - kMargin;
    Look light;
    light.top = {236, 246, 255};
    light.bottom = {220, 236, 255};
    light.skin = {255, 250, 236};
    light.hair = {250, 240, 200};
    light.trim = {255, 230, 150};
    light.hairStyle = Hair::Long;
    light.garment = Garment::Gown;
    PersonPose pose;
    pose.stance = Stance::Lift;
    PaintPerson(statue, float(statue.width) * 0.5f, maxY - oy + 30.0f, maxY - minY + 20.0f, 1, pose, light);
    auto crystal = [&](float x, float y) {
        const float shade = 0.75f + 0.25f * std::sin((x + y) * 0.08f) * std::cos((x - y) * 0.05f);
        return Scale(Rgb{150, 190, 240}, shade);
    };
    for (const auto& p : kPieces) {
        const SpriteRect& r = p.rect;
        const float cx = float(r.Width() / 2), cy = float(r.Height() / 2);
        const float a = p.rotation * kPi / 180.0f, ca = std::cos(a), sa = std::sin(a);
        for (int v = 0; v < r.Height(); ++v)
            for (int u = 0; u < r.Width(); ++u) {
                const float dx = float(u) - cx, dy = float(v) - cy;
                const float X = float(p.x) + ca * dx - sa * dy - ox, Y = float(p.y) + sa * dx + ca * dy - oy;
                const int sx = int(X), sy = int(Y);
                Rgb px = crystal(X, Y);
                if (statue.Inside(sx, sy) && !(statue.At(sx, sy) == kTransparent)) px = statue.At(sx, sy);
                // A bright rim along the cut edges.
                if (u == 0 || v == 0 || u == r.Width() - 1 || v == r.Height() - 1) px = Mix(px, Rgb{255, 255, 255}, 0.6f);
                c.Put(r.left + u, r.top + v, Solid(px));
            }
    }
}

// A limb or weapon a figure's table draws apart (an arm thrown out, a
// held blade): in the figure's colours, from the side nearer its pivot.
void LoosePart(Canvas& c, const Cell& cell, const Look& look) {
    const PictureRect& r = cell.rect;
    const float w = float(r.Width()), h = float(r.Height());
    const bool across = w >= h;
    const float th = std::max(2.0f, std::min(w, h) * 0.45f);
    float x0 = float(r.left) + 2, y0 = (float(r.top) + float(r.bottom)) * 0.5f, x1 = float(r.right) - 2, y1 = y0;
    if (!across) {
        x0 = x1 = (float(r.left) + float(r.right)) * 0.5f;
        y0 = float(r.top) + 2;
        y1 = float(r.bottom) - 2;
    }
    if (cell.pivotX > w * 0.5f && across) std::swap(x0, x1);
    if (cell.pivotY > h * 0.5f && !across) std::swap(y0, y1);
    if (look.carry == Carry::Claws) {
        // The swipe of the claws: three bright curved streaks.
        for (int i = 0; i < 3; ++i) {
            const float off = (float(i) - 1.0f) * std::min(w, h) * 0.25f;
            float prevX = 0, prevY = 0;
            for (int k = 0; k <= 12; ++k) {
                const float t = float(k) / 12.0f, bow = std::sin(t * kPi) * std::min(w, h) * 0.2f;
                const float x = x0 + (x1 - x0) * t + (across ? 0.0f : bow + off);
                const float y = y0 + (y1 - y0) * t + (across ? bow + off : 0.0f);
                if (k > 0)
                    Line(c, prevX, prevY, x, y, std::max(1.2f, th * 0.25f * (1.0f - std::abs(t - 0.5f))),
                         Solid(Mix(look.trim, Rgb{255, 250, 230}, 0.7f)));
                prevX = x;
                prevY = y;
            }
        }
        return;
    }
    Line(c, x0, y0, x0 + (x1 - x0) * 0.55f, y0 + (y1 - y0) * 0.55f, th, Solid(Scale(look.top, 1.05f)));
    Line(c, x0 + (x1 - x0) * 0.55f, y0 + (y1 - y0) * 0.55f, x1, y1, th * 0.8f, Solid(look.skin));
}



// Field enemy A: the big, hard thing that comes up out of the field's
// ground. A hulking beast of rock, wider than the heroine is tall is
// slender: a boulder of a body with plates and moss, a crest of rock spikes
// along its back, a small head sunk between its shoulders with glowing eyes,
// short thick legs and two arms that end in great pale digging claws. One
// size in every frame; each frame's cell says how it holds itself.
enum class RockHold { Stand, StepA, StepB, Spread, Raise, Hurt, Compact, Emerge, Rise };

RockHold RockHoldOf(int frame) {
    switch (frame) {
        case 2: return RockHold::Emerge;
        case 3: return RockHold::Rise;
        case 5: case 19: return RockHold::StepA;
        case 6: case 20: return RockHold::StepB;
        case 12: case 13: return RockHold::Spread;
        case 14: return RockHold::Raise;
        case 9: case 10: return RockHold::Hurt;
        case 7: case 8: case 15: case 16: case 17: case 18: return RockHold::Compact;
        default: return RockHold::Stand;
    }
}

void RockBeastBody(Pen& pen, RockHold hold) {
    const Rgb rock{136, 122, 106}, rockDark{92, 82, 72}, rockLit{176, 162, 140}, moss{100, 134, 72},
        claw{234, 228, 210}, clawDark{170, 160, 140}, eye{255, 206, 70};
    const bool stepA = hold == RockHold::StepA, stepB = hold == RockHold::StepB;
    const bool up = hold == RockHold::Raise || hold == RockHold::Rise;
    // Legs, the far one darker.
    pen.Limb(-0.9f, -2.3f, stepA ? -1.4f : -1.0f, -0.1f, 1.35f, rockDark);
    pen.Blob(stepA ? -1.3f : -0.9f, -0.25f, 0.8f, 0.34f, Scale(rockDark, 0.8f));
    pen.Limb(1.0f, -2.3f, stepB ? 1.6f : 1.1f, -0.1f, 1.4f, Scale(rock, 0.9f));
    pen.Blob(stepB ? 1.8f : 1.3f, -0.25f, 0.85f, 0.34f, rockDark);
    // The far arm, behind the body.
    const float backHandX = up ? -0.7f : -2.5f, backHandY = up ? -9.6f : -2.9f;
    pen.Limb(-1.3f, -5.4f, backHandX, backHandY, 1.1f, rockDark);
    for (int k = -1; k <= 1; ++k)
        pen.Limb(backHandX, backHandY, backHandX - 0.3f + 0.3f * float(k), backHandY + (up ? -0.75f : 0.75f), 0.3f,
                 clawDark);
    // The crest of spikes along the back, then the boulder of the body.
    for (int k = 0; k < 5; ++k) {
        const float x = -2.4f + 0.8f * float(k), y = -7.0f + 0.25f * std::abs(float(k) - 1.5f);
        pen.Poly({x - 0.38f, y + 0.6f, x, y - 1.0f, x + 0.38f, y + 0.6f}, rockDark);
    }
    pen.Blob(0.0f, -4.6f, 2.7f, 2.6f, rock);
    pen.Blob(-0.6f, -5.6f, 1.6f, 1.2f, rockLit);
    pen.Blob(1.0f, -3.8f, 1.4f, 1.6f, Scale(rock, 1.08f));
    for (int k = 0; k < 3; ++k) pen.Limb(0.1f, -3.0f - 0.9f * float(k), 2.1f, -3.3f - 0.8f * float(k), 0.13f, rockDark);
    pen.Blob(-1.7f, -3.1f, 0.75f, 0.38f, moss);
    pen.Blob(-0.2f, -7.0f, 0.65f, 0.27f, moss);
    pen.Limb(-1.5f, -5.3f, -0.6f, -2.7f, 0.13f, rockDark);   // a crack
    // The head, sunk between the shoulders, with a horned brow.
    pen.Blob(2.1f, -6.6f, 1.1f, 0.9f, rockDark);
    pen.Poly({1.8f, -7.2f, 2.6f, -8.3f, 2.75f, -7.1f}, Scale(rockDark, 0.8f));
    pen.Dot(2.7f, -6.7f, 0.21f, eye);
    pen.Dot(2.15f, -6.75f, 0.18f, eye);
    pen.Poly({2.95f, -6.3f, 3.5f, -6.1f, 2.95f, -5.9f}, claw);
    // The near arm and its great claws.
    float hx = 2.8f, hy = -2.7f;
    if (hold == RockHold::Spread) { hx = 5.0f; hy = -5.3f; }
    if (up) { hx = 2.4f; hy = -10.6f; }
    if (hold == RockHold::Hurt) { hx = 3.4f; hy = -6.9f; }
    if (hold == RockHold::Compact) { hx = 1.7f; hy = -2.8f; }
    pen.Limb(1.4f, -5.6f, hx, hy, 1.25f, Scale(rock, 1.05f));
    pen.Blob(1.4f, -5.6f, 0.8f, 0.75f, rockLit);
    const float dir = hy < -7.0f ? -1.0f : 1.0f;   // claws point up when the arm is raised
    for (int k = -1; k <= 1; ++k) {
        const float ex = hx + 0.6f + 0.1f * float(k), ey = hy + dir * (1.0f + 0.25f * float(k));
        pen.Limb(hx, hy, ex, ey, 0.36f, claw);
        pen.Limb(ex, ey, ex + 0.38f, ey + dir * 0.38f, 0.24f, clawDark);
    }
}

// The seed it waits as: a small cracked rock on the ground with two eyes
// glinting under it.
void RockBeastSeed(Canvas& c, const PictureRect& r) {
    const float cx = float(r.left + r.right) * 0.5f, b = float(r.bottom);
    const float w = float(r.Width()), h = float(r.Height());
    FillEllipse(c, cx, b - h * 0.35f, w * 0.48f, h * 0.35f, Solid(Rgb{110, 84, 58}));
    FillEllipse(c, cx, b - h * 0.55f, w * 0.36f, h * 0.42f, Solid(Rgb{136, 122, 106}));
    FillEllipse(c, cx - w * 0.1f, b - h * 0.7f, w * 0.16f, h * 0.14f, Solid(Rgb{176, 162, 140}));
    FillDisc(c, cx - w * 0.15f, b - h * 0.28f, 1.1f, Solid(Rgb{255, 206, 70}));
    FillDisc(c, cx + w * 0.12f, b - h * 0.28f, 1.1f, Solid(Rgb{255, 206, 70}));
}

void RockBeast(Canvas& canvas, const Cell& cell) {
    const PictureRect& r = cell.rect;
    const RockHold hold = RockHoldOf(cell.pose);
    constexpr float kUnit = 136.0f / 8.4f;   // its crest at the top of its upright frames
    const float feetX = float(r.left) + std::clamp(cell.pivotX, 0.0f, float(r.Width()));
    const float feetY = float(r.bottom) - 1.0f;
    // Measured first: narrower cells draw it narrower, never smaller in height.
    Pen probe(nullptr, 0, 0, kUnit, -1, 0.0f);
    RockBeastBody(probe, hold);
    const float span = probe.maxX - probe.minX;
    const float squeeze = std::min(1.0f, (float(r.Width()) - 2.0f) / span);
    // A cell lower than it stands (a hurt frame) takes it whole, a little smaller.
    const float fit = std::min(1.0f, (float(r.Height()) - 2.0f) / std::max(1.0f, -probe.minY));
    if (hold == RockHold::Emerge) {
        // Only its back and head out of a mound of earth.
        Pen pen(&canvas, feetX, feetY + kUnit * 5.2f, kUnit, -1, 0.0f, std::min(1.0f, squeeze * 1.1f));
        RockBeastBody(pen, RockHold::Stand);
        FillEllipse(canvas, feetX, float(r.bottom) + 2.0f, float(r.Width()) * 0.5f, float(r.Height()) * 0.32f,
                    Solid(Rgb{120, 88, 56}));
        FillEllipse(canvas, feetX - float(r.Width()) * 0.15f, float(r.bottom) - float(r.Height()) * 0.18f,
                    float(r.Width()) * 0.12f, float(r.Height()) * 0.08f, Solid(Rgb{150, 112, 74}));
        return;
    }
    if (hold == RockHold::Hurt) {
        Pen pen(&canvas, feetX, feetY, kUnit * 0.95f * fit, -1, 0.18f, squeeze);
        RockBeastBody(pen, hold);
        return;
    }
    if (hold == RockHold::Rise) {
        // Flung up out of the ground, stretched tall with both claws high.
        Pen pen(&canvas, feetX, feetY, kUnit * fit, -1, 0.0f, squeeze);
        RockBeastBody(pen, hold);
        return;
    }
    Pen pen(&canvas, feetX, feetY, kUnit * fit, -1, 0.0f, squeeze);
    RockBeastBody(pen, hold);
}

// Paints a placed figure into its cell. Measured at its standing size, it
// is fitted by the numbers: feet on the point the frame stands on, the whole
// body inside; a body too wide for its cell is drawn narrower before it is
// drawn smaller, and a figure whose pivot lies at an edge stands with its
// back foot there and its body in the cell.
void PaintPlaced(Canvas& canvas, const Cell& cell, const Look& look, const Placement& pl) {
    const PictureRect& r = cell.rect;
    const float unit = pl.height / 8.0f;
    Pen probe(nullptr, 0, 0, unit, pl.dir, pl.angle);
    Draw(probe, look, pl.pose, cell.pose);
    const float bx0 = probe.minX, bx1 = probe.maxX, by0 = probe.minY, by1 = probe.maxY;
    const float L = float(r.left) + 1, T = float(r.top) + 1, R = float(r.right) - 1, B = float(r.bottom) - 1;
    float ox, oy, k = 1.0f, q = 1.0f;
    if (look.build == Build::Pet) {
        // Its one size (PetUnit), feet on the frame's standing point.
        oy = float(r.top) + std::min(cell.pivotY, float(r.Height())) - by1;
        ox = float(r.left) + std::max(0.0f, cell.pivotX) - (pl.dir > 0 ? bx0 : bx1);
        ox = std::clamp(ox, L - bx0, R - bx1);
    } else if (pl.anchored) {
        ox = float(r.left) + pl.fx;
        oy = std::min(float(r.top) + pl.fy, pl.part ? 1e9f : B);
        if (!pl.part) {
            // Height first: the figure is as tall as it stands unless the
            // cell is lower.
            if (by0 < 0 && T - oy > by0) k = (T - oy) / by0;
            k = std::clamp(k, 0.3f, 1.0f);
            // Then its width: narrower down to 60 % and a little smaller.
            const float span = (bx1 - bx0) * k, room = R - L;
            if (span > room) {
                q = std::max(0.6f, room / span);
                if (span * q > room) k *= std::max(0.85f, room / (span * q));
            }
            // Inside the cell, the feet moving off the pivot no more than
            // half the body's width.
            const float left = ox + bx0 * k * q, right = ox + bx1 * k * q;
            const float limit = (bx1 - bx0) * k * q * 0.5f;
            if (left < L) ox += std::min(L - left, limit);
            else if (right > R) ox -= std::min(right - R, limit);
            // What still reaches past a side is not cut there (the game shows
            // the whole cell, and a hand or a shoulder sliced off by its edge
            // reads as a figure cut in two): a figure wider than the cell is
            // drawn as wide as it, and the feet move on until it is inside.
            const float width = (bx1 - bx0) * k * q;
            if (width > room) k *= room / width;
            const float reachL = ox + bx0 * k * q, reachR = ox + bx1 * k * q;
            if (reachL < L) ox += L - reachL;
            else if (reachR > R) ox -= reachR - R;
        }
    } else if (pl.angle != 0) {
        k = std::min({1.0f, (B - T) / (by1 - by0), (R - L) / (bx1 - bx0)});
        ox = (L + R) * 0.5f - (bx0 + bx1) * 0.5f * k;
        oy = (T + B) * 0.5f - (by0 + by1) * 0.5f * k;
        // Lying on the floor, or curled up on it.
        if (pl.pose.stance == Stance::Stand || pl.pose.stance == Stance::Crouch) oy = B - by1 * k;
    } else {
        k = std::min({1.0f, (B - T) / (by1 - by0)});
        const float span = (bx1 - bx0) * k;
        if (span > R - L) {
            q = std::max(0.7f, (R - L) / span);
            if (span * q > R - L) k *= (R - L) / (span * q);
        }
        ox = (L + R) * 0.5f - (bx0 + bx1) * 0.5f * k * q;
        oy = (T + B) * 0.5f - (by0 + by1) * 0.5f * k;
    }
    PersonPose pose = pl.pose;
    if (cell.HoldsSomething()) {
        // The hand goes where the game shows what it holds, in the pen's
        // units from the feet.
        pose.holds = true;
        pose.holdX = float(pl.dir) * (float(r.left) + cell.holdX - ox) / (unit * k * q);
        pose.holdY = (float(r.top) + cell.holdY - oy) / (unit * k);
        if (cell.GripsOn()) {
            pose.grips = true;
            pose.gripToX = float(pl.dir) * (float(r.left) + cell.gripToX - ox) / (unit * k * q);
            pose.gripToY = (float(r.top) + cell.gripToY - oy) / (unit * k);
        }
    }
    Pen pen(&canvas, ox, oy, unit * k, pl.dir, pl.angle, q);
    Draw(pen, look, pose, cell.pose);
}

// The pet is the same size in every frame: the largest size at which each
// of its poses fits its cell above the frame's standing point. Returned as
// the standing height PaintPlaced takes (8 units).
float PetHeight(const std::vector<const Cell*>& cells, const Look& look) {
    // Measured near the size it is drawn at: a pen keeps its thinnest line
    // a pixel or so wide at any scale.
    constexpr float kProbeUnit = 8.0f;
    float k = 1e9f;
    for (const Cell* c : cells) {
        Pen probe(nullptr, 0, 0, kProbeUnit, 1, 0.0f);
        Draw(probe, look, PersonPose{}, c->pose);
        const float room = std::min(c->pivotY, float(c->rect.Height())) - 1.0f;
        k = std::min({k, room / (probe.maxY - probe.minY), float(c->rect.Width() - 2) / (probe.maxX - probe.minX)});
    }
    return kProbeUnit * k * 8.0f;
}

// A figure of one size stands as tall as its lowest upright cell lets it:
// each upright pose measured from its feet to the top of its head, fitted
// under the top of its cell. Returned as the standing height PaintPlaced
// takes (8 units).
float OneSizeHeight(const std::vector<const Cell*>& cells, const Look& look) {
    constexpr float kProbe = 100.0f;
    float k = 1e9f;
    for (const Cell* c : cells) {
        const Placement pl = Place(*c, look, kProbe);
        if (!Upright(pl.pose.stance) || !pl.anchored || pl.part) continue;
        Pen probe(nullptr, 0, 0, kProbe / 8.0f, pl.dir, 0.0f);
        Draw(probe, look, pl.pose, c->pose);
        const float room = pl.fy - 1.0f;
        if (probe.minY < 0) k = std::min(k, room / -probe.minY);
    }
    return k < 1e8f ? kProbe * k : StandingHeight(cells);
}

// A cell reaching into the rows another cell keeps empty under the floor
// it stands on (those rows show under the floor whenever that frame is
// drawn) is painted in its part beside them.
Cell BesideRowsUnderFloors(const Cell& cell, const std::vector<const Cell*>& sheet) {
    Cell fitted = cell;
    PictureRect& r = fitted.rect;
    for (const Cell* o : sheet) {
        if (o == &cell || !o->onPoint) continue;
        const PictureRect under{o->rect.left, o->rect.top + int(o->pivotY), o->rect.right, o->rect.bottom};
        if (std::min(r.right, under.right) <= std::max(r.left, under.left) ||
            std::min(r.bottom, under.bottom) <= std::max(r.top, under.top))
            continue;
        if (under.left > r.left) {
            r.right = std::min(r.right, under.left);
        } else if (under.right < r.right) {
            fitted.pivotX -= float(under.right - r.left);
            r.left = under.right;
        }
    }
    return fitted;
}

// The duellist's ready stance (frame 8) is drawn as a small cell of its own
// over two pieces cut out of frame 7, each where frame 7 has it. So frame 7
// is painted as that stance, facing her with his sword low before him,
// kept to what frame 8 draws (the two pieces and the small cell's place),
// and the small cell holds what frame 7 shows there: both frames show the
// same whole man.
void DuelReadyStance(Canvas& canvas, float standingHeight) {
    const Era03SheetCell* base = FindEra03DuelCell(7);
    const Era03SheetCell* head = FindEra03DuelCell(8);
    if (base == nullptr || head == nullptr) return;
    const Era03SheetRect& b = base->src;
    const Era03SheetRect& h = head->src;
    // The small cell's place in frame 7, from both frames' offsets.
    const int hx = b.left + (head->ox - base->ox), hy = b.top + (head->oy - base->oy);
    auto drawn = [&](int x, int y) {
        for (const Era03SheetRect& r : kEra03DuelBodyCells)
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
        return x >= hx && x < hx + (h.right - h.left) && y >= hy && y < hy + (h.bottom - h.top);
    };
    const ClipBox box{b.left, b.top, b.right, b.bottom};
    SetClip(canvas, &box);
    FillRect(canvas, b.left, b.top, b.right, b.bottom, kTransparent);
    Cell cell;
    cell.picture = 189;
    cell.rect = PictureRect{b.left, b.top, b.right, b.bottom};
    cell.subject = Subject::Duellist;
    cell.pose = 7;
    const Look look = LookOf(Subject::Duellist, 7, 189);
    Placement pl;
    pl.pose.stance = Stance::Stand;
    pl.height = standingHeight;
    pl.dir = -1;
    // Under the upper piece, where all of him stays inside what frame 8 draws.
    pl.fx = float(b.right - b.left) * 0.68f;
    pl.fy = float(b.bottom - b.top) - 1.0f;
    PaintPlaced(canvas, cell, look, pl);
    SetClip(canvas, nullptr);
    for (int y = b.top; y < b.bottom; ++y)
        for (int x = b.left; x < b.right; ++x)
            if (!drawn(x, y)) canvas.Put(x, y, kTransparent);
    for (int y = h.top; y < h.bottom; ++y)
        for (int x = h.left; x < h.right; ++x) canvas.Put(x, y, canvas.At(hx + (x - h.left), hy + (y - h.top)));
}

}  // namespace

float StandingHeightOn(Subject s, int picture) {
    std::vector<const Cell*> cells;
    for (const Cell& c : Cells())
        if (c.picture == picture && !c.region && c.subject == s) cells.push_back(&c);
    return cells.empty() ? 0.0f : StandingHeight(cells);
}

void DrawFigureCells(Canvas& canvas, const PictureInfo& info) {
    if (OwnPainter(info.id)) return;
    // A sheet of figures keeps nothing outside the cells the game cuts.
    if (info.kind == PictureKind::Figures || info.kind == PictureKind::TitleFigures) {
        std::vector<const Cell*> mine;
        bool whole = HoldsSceneryAround(info.id);
        for (const Cell& c : Cells())
            if (c.picture == info.id) {
                mine.push_back(&c);
                whole = whole || (c.region && c.rect.left < 0 && c.rect.top < 0);
            }
        if (!whole && !mine.empty())
            for (int y = 0; y < canvas.height; ++y)
                for (int x = 0; x < canvas.width; ++x) {
                    bool kept = false;
                    for (const Cell* c : mine)
                        if (x >= c->rect.left && x < c->rect.right && y >= c->rect.top && y < c->rect.bottom) {
                            kept = true;
                            break;
                        }
                    if (!kept) canvas.Put(x, y, kTransparent);
                }
    }
    std::map<Subject, std::vector<const Cell*>> bySubject;
    std::vector<const Cell*> cells;
    for (const Cell& c : Cells())
        if (c.picture == info.id && !c.region && IsFigure(c.subject)) {
            cells.push_back(&c);
            bySubject[c.subject].push_back(&c);
        }
    if (cells.empty()) return;
    std::map<Subject, float> height;
    for (const auto& [s, list] : bySubject) {
        const Look look = LookOf(s, 0, info.id);
        height[s] = look.build == Build::Pet ? PetHeight(list, look)
                    : OneSize(s)                ? OneSizeHeight(list, look)
                                                : StandingHeight(list);
    }
    // The home area's scene draws her from its own sheet while the story
    // moves her: there she stands as tall as on her own sheet.
    if (info.id == kHomeSceneSheet && height.count(Subject::Heroine)) {
        std::vector<Cell> own = CellsOf(101);
        std::vector<const Cell*> hers;
        for (const Cell& c : own)
            if (c.subject == Subject::Heroine && !c.region) hers.push_back(&c);
        if (!hers.empty()) height[Subject::Heroine] = StandingHeight(hers);
    }
    // The largest first: a cell inside a larger cell of the same figure is
    // a part of the picture painted there.
    std::stable_sort(cells.begin(), cells.end(), [](const Cell* a, const Cell* b) {
        return a->rect.Width() * a->rect.Height() > b->rect.Width() * b->rect.Height();
    });
    std::vector<const Cell*> painted;
    for (const Cell* cell : cells) {
        const PictureRect& r = cell->rect;
        bool inside = false;
        for (const Cell* p : painted)
            inside = inside || (p->subject == cell->subject && p->rect.left <= r.left && p->rect.top <= r.top &&
                                r.right <= p->rect.right && r.bottom <= p->rect.bottom);
        if (inside) continue;
        painted.push_back(cell);
        const ClipBox cellBox{r.left, r.top, r.right, r.bottom};
        SetClip(canvas, &cellBox);
        FillRect(canvas, r.left, r.top, r.right, r.bottom, kTransparent);
        const Cell fitted = BesideRowsUnderFloors(*cell, cells);
        const PictureRect& fr = fitted.rect;
        const ClipBox box{fr.left, fr.top, fr.right, fr.bottom};
        SetClip(canvas, &box);
        Look look = LookOf(cell->subject, cell->pose, cell->picture);
        if (cell->subject == Subject::Heroine && (cell->picture == 197 || cell->picture == 205))
            look = HeroineSecondOutfit();
        if (cell->subject == Subject::Creature) {
            PlantPart(canvas, *cell);
            continue;
        }
        if (cell->subject == Subject::EndingFigure) continue;   // painted as one statue below
        if (cell->subject == Subject::PieceFigure &&
            (cell->stance == Stance::Upper || (cell->pose >= 1 && cell->pose <= 13))) {
            MachinePart(canvas, *cell, look);
            continue;
        }
        if (cell->subject == Subject::FieldEnemyA && cell->picture == 158) {
            RockBeast(canvas, *cell);
            continue;
        }
        if (cell->subject == Subject::WalkingEnemy && cell->pose == 1) {
            // Lying in wait: a mound of earth with its eyes peeping out.
            const float cx = float(r.left + r.right) * 0.5f, w = float(r.Width()), h = float(r.Height());
            FillEllipse(canvas, cx, float(r.bottom), w * 0.48f, h * 0.8f, Solid(Rgb{120, 90, 60}));
            FillEllipse(canvas, cx - w * 0.1f, float(r.bottom) - h * 0.45f, w * 0.25f, h * 0.15f, Solid(Rgb{150, 116, 80}));
            FillDisc(canvas, cx - w * 0.12f, float(r.bottom) - h * 0.3f, 1.2f, Solid(Rgb{250, 240, 120}));
            FillDisc(canvas, cx + w * 0.12f, float(r.bottom) - h * 0.3f, 1.2f, Solid(Rgb{250, 240, 120}));
            continue;
        }
        if (cell->stance == Stance::Upper && (look.carry == Carry::Claws || !(cell->pivotY > float(r.Height()) + 4.0f))) {
            LoosePart(canvas, *cell, look);
            continue;
        }
        const float H = height[cell->subject];
        Placement pl = Place(fitted, look, H);
        PaintPlaced(canvas, fitted, look, pl);
        if (cell->subject == Subject::Merchant && cell->pose == 23 && cell->pivotY > float(r.Height())) {
            // What he caught, held up over his head.
            const float x = float(r.left + r.right) * 0.5f, y = float(r.top) + 9.0f, rad = 8.0f;
            FillEllipse(canvas, x, y + rad * 0.5f, rad * 0.45f, rad * 0.7f, Solid(Rgb{240, 230, 200}));
            FillEllipse(canvas, x, y - rad * 0.2f, rad, rad * 0.6f, Solid(Rgb{220, 90, 60}));
            FillDisc(canvas, x - rad * 0.4f, y - rad * 0.35f, rad * 0.16f, Solid(Rgb{250, 240, 230}));
        }
        // On her own sheets her attacks reach forward: the swing's streak
        // ahead of her, where no blade of the game's is in her hand (a
        // painted streak beside it reads as a second blade).
        if (cell->subject == Subject::Heroine && HeroineSheet(cell->picture) && pl.pose.stance == Stance::Attack &&
            !cell->GripsOn()) {
            const float fx = float(r.left) + pl.fx, fy = float(r.top) + pl.fy, h = pl.height;
            const float end = pl.dir > 0 ? float(r.right) - 3.0f : float(r.left) + 3.0f;
            if (std::abs(end - fx) > h * 0.35f) {
                const float y = fy - h * 0.62f, start = fx + float(pl.dir) * h * 0.12f;
                Line(canvas, start, y, end, y - h * 0.12f, std::max(1.5f, h * 0.025f), Rgb{225, 232, 250});
                Line(canvas, start, y + 2.0f, end - float(pl.dir) * 3.0f, y + h * 0.1f, 1.5f, Rgb{160, 200, 250});
            }
        }
    }
    SetClip(canvas, nullptr);
    // The seed field enemy A waits as (a thing cell of its sheet).
    for (const Cell& c : Cells())
        if (c.picture == 158 && c.subject == Subject::Prop && bySubject.count(Subject::FieldEnemyA)) {
            const ClipBox box{c.rect.left, c.rect.top, c.rect.right, c.rect.bottom};
            SetClip(canvas, &box);
            FillRect(canvas, c.rect.left, c.rect.top, c.rect.right, c.rect.bottom, kTransparent);
            RockBeastSeed(canvas, c.rect);
            SetClip(canvas, nullptr);
        }
    if (bySubject.count(Subject::EndingFigure)) EndingFigurePieces(canvas);
    if (bySubject.count(Subject::Duellist)) DuelReadyStance(canvas, height[Subject::Duellist]);
}

}  // namespace art
