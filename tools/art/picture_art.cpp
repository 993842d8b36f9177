#include "tools/art/picture_art.h"
#include "tools/art/arena_rects.h"
#include "tools/art/field_middle_rects.h"
#include "tools/art/era04_scenery_art.h"
#include "tools/art/arena_scene_art.h"
#include "tools/art/arena_effect_art.h"
#include "tools/art/camp_art.h"
#include "tools/art/tournament_art.h"
#include "tools/art/stage_backdrop_art.h"
#include "tools/art/arena_stand_art.h"
#include "tools/art/field_piece_art.h"
#include "tools/art/figure_art.h"
#include "tools/art/sprite_table_art.h"
#include "tools/art/table_piece_art.h"
#include "areas/era03/arena_sheets.h"
#include "areas/era04_stage/soldier_frames.h"
#include "areas/era04_encounters/encounter_a_frames.h"
#include "areas/era04_encounters/encounter_b_frames.h"
#include "areas/era04_encounters/encounter_c_frames.h"
#include "areas/finale/boss_frames.h"
#include "areas/era04_encounters/encounter_c_parts.h"
#include "areas/finale/ending_frames.h"
#include "areas/era03/field_sheets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <utility>

namespace art {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kEra03FieldPiecesSheet = 188;

// ------------------------------------------------------------ palettes --

struct Palette {
    Rgb dark, mid, light, accent, ground;
};

Palette ThemePalette(PictureTheme t) {
    switch (t) {
        case PictureTheme::Menu: return {{30, 34, 70}, {70, 84, 150}, {190, 200, 240}, {236, 196, 90}, {60, 60, 90}};
        case PictureTheme::Stage: return {{40, 70, 50}, {90, 150, 90}, {200, 230, 190}, {240, 200, 120}, {110, 80, 50}};
        case PictureTheme::Home: return {{80, 50, 36}, {160, 110, 70}, {240, 214, 170}, {220, 90, 60}, {120, 90, 60}};
        case PictureTheme::Field: return {{36, 80, 40}, {80, 150, 70}, {190, 230, 160}, {230, 210, 80}, {110, 86, 50}};
        case PictureTheme::Arena: return {{90, 50, 30}, {180, 120, 70}, {245, 220, 170}, {200, 40, 40}, {170, 140, 90}};
        case PictureTheme::Ruins: return {{40, 40, 80}, {90, 90, 160}, {200, 200, 240}, {160, 90, 220}, {80, 80, 110}};
        case PictureTheme::Castle: return {{50, 50, 56}, {110, 110, 120}, {210, 210, 220}, {200, 60, 60}, {90, 86, 84}};
    }
    return {{60, 60, 60}, {120, 120, 120}, {220, 220, 220}, {240, 200, 80}, {100, 100, 100}};
}

// A hue that changes clearly from one index to the next.
Rgb VariantColour(int i, float sat = 0.55f, float val = 0.85f) {
    return Hsv(static_cast<float>(i) * 137.5f + 20.0f, sat, val);
}

struct Box {
    float l, t, r, b;
    float W() const { return r - l; }
    float H() const { return b - t; }
    float Cx() const { return (l + r) * 0.5f; }
};

Box BoxOf(const PictureRect& s) {
    return {float(s.left), float(s.top), float(s.right), float(s.bottom)};
}

void ClipTo(Canvas& c, const PictureRect& s) {
    const ClipBox box{s.left, s.top, s.right, s.bottom};
    SetClip(c, &box);
}

// ------------------------------------------------------------ figures --

// A person standing on the bottom of the box; phase turns the limbs
// through a walk or fight cycle.
void DrawPerson(Canvas& c, Box bx, Rgb body, Rgb skin, Rgb hair, float phase, bool heroine, int variant) {
    const float h = bx.H() * 0.92f;
    const float unit = std::min(h / 8.0f, bx.W() / 3.2f);
    const float cx = bx.Cx();
    const float feet = bx.b - 1.0f;
    const float hip = feet - unit * 3.6f;
    const float neck = hip - unit * 2.8f;
    const float headR = unit * 0.8f;
    const float headY = neck - headR * 0.9f;
    const float limb = std::max(1.5f, unit * 0.55f);
    const float swing = std::sin(phase) * 0.6f;

    // Legs and feet.
    for (int side = -1; side <= 1; side += 2) {
        const float a = swing * float(side);
        const float kneeX = cx + std::sin(a) * unit * 1.8f;
        const float kneeY = hip + std::cos(a) * unit * 1.8f;
        const float footX = kneeX + std::sin(a * 0.5f) * unit * 1.8f;
        Line(c, cx, hip, kneeX, kneeY, limb, Scale(body, 0.75f));
        Line(c, kneeX, kneeY, footX, feet - limb * 0.5f, limb, Scale(body, 0.7f));
        Line(c, footX, feet - limb * 0.5f, footX + unit * 0.6f, feet - limb * 0.5f, limb, Scale(hair, 0.6f));
    }
    // Hair behind the head.
    if (heroine) {
        FillEllipse(c, cx - unit * 0.2f, headY + headR * 0.4f, headR * 1.25f, headR * 1.5f, hair);
        Line(c, cx - headR, headY, cx - headR * 2.2f - swing * unit, headY + unit * 2.2f, limb * 1.2f, hair);
    }
    // Torso: a tunic, and a skirt for the heroine.
    const float torso[] = {cx - unit * 0.9f, neck, cx + unit * 0.9f, neck, cx + unit * 0.7f, hip, cx - unit * 0.7f, hip};
    FillPolygon(c, torso, 4, body);
    if (heroine) {
        const float skirt[] = {cx - unit * 0.7f, hip - unit * 0.3f, cx + unit * 0.7f, hip - unit * 0.3f,
                               cx + unit * 1.4f, hip + unit * 1.2f, cx - unit * 1.4f, hip + unit * 1.2f};
        FillPolygon(c, skirt, 4, Scale(body, 0.8f));
    } else {
        FillRect(c, int(cx - unit * 0.8f), int(hip - unit * 0.5f), int(cx + unit * 0.8f), int(hip), Scale(hair, 0.8f));
    }
    // Arms; every fourth pose holds a weapon out.
    for (int side = -1; side <= 1; side += 2) {
        const float a = -swing * float(side) * 1.2f;
        const float handX = cx + float(side) * unit * 0.6f + std::sin(a) * unit * 2.4f;
        const float handY = neck + std::cos(a) * unit * 2.4f;
        Line(c, cx + float(side) * unit * 0.8f, neck + unit * 0.2f, handX, handY, limb * 0.9f, Scale(body, 1.15f));
        FillDisc(c, handX, handY, limb * 0.6f, skin);
    }
    if (variant % 4 == 3) {
        const float reach = heroine ? unit * 4.5f : unit * 3.5f;
        Line(c, cx + unit, neck + unit, cx + unit + reach, neck - unit * 0.5f, std::max(1.0f, limb * 0.5f),
             Rgb{220, 226, 240});
    }
    // Head and eyes.
    FillDisc(c, cx, headY, headR, skin);
    if (heroine) FillEllipse(c, cx, headY - headR * 0.5f, headR * 1.05f, headR * 0.6f, hair);
    if (headR >= 3.0f) {
        FillDisc(c, cx + headR * 0.35f, headY, std::max(0.7f, headR * 0.15f), Rgb{30, 30, 60});
        FillDisc(c, cx - headR * 0.25f, headY, std::max(0.7f, headR * 0.15f), Rgb{30, 30, 60});
    }
}

void DrawCreatureShape(Canvas& c, Box bx, Rgb body, int variant) {
    const float w = bx.W() * 0.8f, h = bx.H() * 0.8f;
    const float cx = bx.Cx(), base = bx.b - 1.0f;
    const float bodyRy = std::min(h * 0.3f, w * 0.25f);
    const float bodyY = base - h * 0.3f - bodyRy * 0.6f;
    const float legW = std::max(1.5f, w * 0.06f);
    switch (variant % 4) {
        case 0:  // four-legged beast
            for (int i = 0; i < 4; ++i) {
                const float lx = cx - w * 0.3f + float(i) * w * 0.2f;
                Line(c, lx, bodyY, lx + std::sin(float(variant + i)) * w * 0.05f, base - legW * 0.5f, legW,
                     Scale(body, 0.7f));
            }
            FillEllipse(c, cx, bodyY, w * 0.38f, bodyRy, body);
            FillDisc(c, cx + w * 0.38f, bodyY - bodyRy * 0.8f, bodyRy * 0.7f, Scale(body, 1.1f));
            FillDisc(c, cx + w * 0.45f, bodyY - bodyRy, std::max(1.0f, bodyRy * 0.14f), Rgb{250, 240, 120});
            Line(c, cx - w * 0.38f, bodyY, cx - w * 0.48f, bodyY - bodyRy, legW, body);
            break;
        case 1: {  // winged flyer
            const float wing[] = {cx, bodyY, cx - w * 0.5f, bodyY - h * 0.35f, cx - w * 0.2f, bodyY + h * 0.05f};
            const float wing2[] = {cx, bodyY, cx + w * 0.5f, bodyY - h * 0.35f, cx + w * 0.2f, bodyY + h * 0.05f};
            FillPolygon(c, wing, 3, Scale(body, 0.8f));
            FillPolygon(c, wing2, 3, Scale(body, 0.8f));
            FillEllipse(c, cx, bodyY, w * 0.16f, bodyRy * 0.9f, body);
            FillDisc(c, cx, bodyY - bodyRy, bodyRy * 0.5f, Scale(body, 1.2f));
            break;
        }
        case 2:  // blob with eyes
            FillEllipse(c, cx, base - h * 0.3f, w * 0.4f, h * 0.3f, body);
            FillEllipse(c, cx, base - h * 0.36f, w * 0.25f, h * 0.14f, Scale(body, 1.3f));
            FillDisc(c, cx - w * 0.1f, base - h * 0.38f, std::max(1.0f, w * 0.05f), Rgb{20, 20, 40});
            FillDisc(c, cx + w * 0.1f, base - h * 0.38f, std::max(1.0f, w * 0.05f), Rgb{20, 20, 40});
            break;
        default: {  // tall armoured golem
            FillRect(c, int(cx - w * 0.25f), int(base - h * 0.85f), int(cx + w * 0.25f), int(base - h * 0.3f), body);
            FillRect(c, int(cx - w * 0.22f), int(base - h * 0.3f), int(cx - w * 0.05f), int(base), Scale(body, 0.7f));
            FillRect(c, int(cx + w * 0.05f), int(base - h * 0.3f), int(cx + w * 0.22f), int(base), Scale(body, 0.7f));
            FillRect(c, int(cx - w * 0.4f), int(base - h * 0.8f), int(cx - w * 0.26f), int(base - h * 0.4f),
                     Scale(body, 0.85f));
            FillRect(c, int(cx + w * 0.26f), int(base - h * 0.8f), int(cx + w * 0.4f), int(base - h * 0.4f),
                     Scale(body, 0.85f));
            FillDisc(c, cx, base - h * 0.9f, std::min(w, h) * 0.12f, Scale(body, 1.2f));
            FillRect(c, int(cx - w * 0.08f), int(base - h * 0.92f), int(cx + w * 0.08f), int(base - h * 0.89f),
                     Rgb{255, 120, 60});
            break;
        }
    }
}

void DrawPropShape(Canvas& c, Box bx, Palette p, int variant) {
    const float w = bx.W(), h = bx.H();
    const float cx = bx.Cx(), base = bx.b;
    const Rgb tint = Mix(p.mid, VariantColour(variant), 0.35f);
    switch (variant % 6) {
        case 0: {  // crate
            const float s = std::min(w, h) * 0.8f;
            const int l = int(cx - s / 2), t = int(base - s), r = int(cx + s / 2), b = int(base);
            FillRect(c, l, t, r, b, Mix(tint, Rgb{170, 120, 70}, 0.6f));
            FrameRect(c, l, t, r, b, std::max(1, int(s / 12)), Rgb{110, 70, 40});
            Line(c, float(l), float(t), float(r), float(b), std::max(1.0f, s / 14), Rgb{120, 80, 44});
            break;
        }
        case 1: {  // barrel
            const float rx = std::min(w * 0.4f, h * 0.3f), top = base - std::min(h * 0.9f, rx * 3.0f);
            FillRect(c, int(cx - rx), int(top), int(cx + rx), int(base), Mix(tint, Rgb{150, 90, 50}, 0.6f));
            for (int i = 1; i <= 2; ++i) {
                const int y = int(top + (base - top) * float(i) / 3.0f);
                FillRect(c, int(cx - rx), y, int(cx + rx), y + std::max(1, int(rx / 6)), Rgb{90, 90, 100});
            }
            break;
        }
        case 2: {  // pillar
            const float pw = std::max(2.0f, std::min(w * 0.35f, h * 0.25f));
            FillRect(c, int(cx - pw / 2), int(bx.t + h * 0.1f), int(cx + pw / 2), int(base), p.light);
            FillRect(c, int(cx - pw * 0.8f), int(bx.t + h * 0.05f), int(cx + pw * 0.8f), int(bx.t + h * 0.12f),
                     p.mid);
            FillRect(c, int(cx - pw * 0.8f), int(base - h * 0.07f), int(cx + pw * 0.8f), int(base), p.mid);
            for (float x = cx - pw / 2 + pw / 4; x < cx + pw / 2; x += pw / 4)
                FillRect(c, int(x), int(bx.t + h * 0.14f), int(x) + 1, int(base - h * 0.08f), Scale(p.light, 0.8f));
            break;
        }
        case 3: {  // tree
            const float tw = std::max(2.0f, w * 0.12f);
            FillRect(c, int(cx - tw / 2), int(base - h * 0.45f), int(cx + tw / 2), int(base), Rgb{110, 76, 44});
            const Rgb leaf = Mix(Rgb{50, 140, 60}, tint, 0.25f);
            FillDisc(c, cx, base - h * 0.62f, std::min(w * 0.38f, h * 0.3f), leaf);
            FillDisc(c, cx - w * 0.18f, base - h * 0.5f, std::min(w * 0.25f, h * 0.2f), Scale(leaf, 0.85f));
            FillDisc(c, cx + w * 0.18f, base - h * 0.52f, std::min(w * 0.25f, h * 0.2f), Scale(leaf, 1.1f));
            break;
        }
        case 4: {  // rock
            const float rock[] = {cx - w * 0.42f, base,          cx - w * 0.35f, base - h * 0.4f,
                                  cx - w * 0.05f, base - h * 0.6f, cx + w * 0.3f,  base - h * 0.45f,
                                  cx + w * 0.42f, base};
            FillPolygon(c, rock, 5, Mix(p.ground, Rgb{150, 150, 150}, 0.5f));
            Line(c, cx - w * 0.05f, base - h * 0.58f, cx + w * 0.05f, base - h * 0.2f, std::max(1.0f, w / 40),
                 Rgb{90, 90, 96});
            break;
        }
        default: {  // lantern on a post
            const float pw = std::max(1.5f, w * 0.08f);
            FillRect(c, int(cx - pw / 2), int(bx.t + h * 0.3f), int(cx + pw / 2), int(base), Rgb{80, 80, 90});
            FillRect(c, int(cx - w * 0.2f), int(bx.t + h * 0.08f), int(cx + w * 0.2f), int(bx.t + h * 0.32f),
                     Rgb{250, 220, 120});
            FrameRect(c, int(cx - w * 0.2f), int(bx.t + h * 0.08f), int(cx + w * 0.2f), int(bx.t + h * 0.32f),
                      std::max(1, int(w / 30)), Rgb{90, 80, 70});
            break;
        }
    }
}

void DrawEffectShape(Canvas& c, Box bx, int variant) {
    const float cx = bx.Cx(), cy = (bx.t + bx.b) * 0.5f;
    const float r = std::min(bx.W(), bx.H()) * 0.45f;
    const Rgb hot = Hsv(float(variant) * 47.0f + 30.0f, 0.7f, 1.0f);
    // A cell a few pixels across is too small for rays or rings: a point of
    // light, its core at the middle.
    if (std::min(bx.W(), bx.H()) < 4.0f) {
        FillRect(c, int(bx.l), int(bx.t), int(bx.r), int(bx.b), hot);
        Plot(c, int(cx), int(cy), Rgb{255, 255, 230});
        return;
    }
    switch (variant % 5) {
        case 0: {  // star burst
            float star[32];
            for (int i = 0; i < 16; ++i) {
                const float a = float(i) * kPi / 8.0f + float(variant) * 0.2f;
                const float rr = (i % 2 == 0) ? r : r * 0.45f;
                star[2 * i] = cx + std::cos(a) * rr;
                star[2 * i + 1] = cy + std::sin(a) * rr;
            }
            FillPolygon(c, star, 16, hot);
            FillDisc(c, cx, cy, r * 0.3f, Rgb{255, 255, 230});
            break;
        }
        case 1:  // rings
            Ring(c, cx, cy, r, std::max(1.0f, r * 0.18f), hot);
            Ring(c, cx, cy, r * 0.6f, std::max(1.0f, r * 0.12f), Mix(hot, Rgb{255, 255, 255}, 0.5f));
            break;
        case 2:  // sparks
            for (int i = 0; i < 8; ++i) {
                const float a = float(i) * kPi / 4.0f + float(variant);
                Line(c, cx + std::cos(a) * r * 0.25f, cy + std::sin(a) * r * 0.25f, cx + std::cos(a) * r,
                     cy + std::sin(a) * r, std::max(1.0f, r * 0.08f), hot);
            }
            break;
        case 3:  // coin
            FillEllipse(c, cx, cy, r * 0.75f, r, Rgb{240, 200, 60});
            FillEllipse(c, cx, cy, r * 0.5f, r * 0.75f, Rgb{255, 230, 120});
            FillRect(c, int(cx - r * 0.1f), int(cy - r * 0.45f), int(cx + r * 0.1f), int(cy + r * 0.45f),
                     Rgb{200, 150, 40});
            break;
        default:  // smoke puffs
            FillDisc(c, cx - r * 0.35f, cy + r * 0.15f, r * 0.5f, Rgb{170, 170, 180});
            FillDisc(c, cx + r * 0.3f, cy + r * 0.1f, r * 0.55f, Rgb{200, 200, 210});
            FillDisc(c, cx, cy - r * 0.3f, r * 0.5f, Rgb{225, 225, 232});
            break;
    }
}

void DrawIconShape(Canvas& c, Box bx, int variant) {
    const float cx = bx.Cx(), cy = (bx.t + bx.b) * 0.5f;
    const float r = std::min(bx.W(), bx.H()) * 0.42f;
    const Rgb col = VariantColour(variant, 0.6f, 0.95f);
    switch (variant % 5) {
        case 0:  // potion
            FillDisc(c, cx, cy + r * 0.25f, r * 0.65f, col);
            FillRect(c, int(cx - r * 0.2f), int(cy - r), int(cx + r * 0.2f), int(cy - r * 0.2f),
                     Rgb{210, 220, 230});
            break;
        case 1:  // sword
            Line(c, cx - r * 0.8f, cy + r * 0.8f, cx + r * 0.8f, cy - r * 0.8f, std::max(1.0f, r * 0.2f),
                 Rgb{220, 225, 240});
            Line(c, cx - r * 0.7f, cy + r * 0.2f, cx - r * 0.2f, cy + r * 0.7f, std::max(1.0f, r * 0.18f), col);
            break;
        case 2: {  // gem
            const float gem[] = {cx, cy - r, cx + r * 0.8f, cy - r * 0.2f, cx, cy + r, cx - r * 0.8f, cy - r * 0.2f};
            FillPolygon(c, gem, 4, col);
            break;
        }
        case 3: {  // arrow cursor
            const float arrow[] = {cx - r * 0.6f, cy - r, cx + r * 0.8f, cy, cx - r * 0.6f, cy + r};
            FillPolygon(c, arrow, 3, Rgb{250, 240, 200});
            break;
        }
        default:  // shield
            FillEllipse(c, cx, cy, r * 0.75f, r, col);
            FillRect(c, int(cx - r * 0.1f), int(cy - r * 0.8f), int(cx + r * 0.1f), int(cy + r * 0.8f),
                     Rgb{240, 230, 180});
            break;
    }
}

// The big letters of the loading panel, lit or unlit, at panel y.
void DrawLoadingLetters(Canvas& c, int panelTop, Rgb colour) {
    for (std::size_t i = 0; i < kLoadingLetterRects.size(); ++i) {
        const PictureRect& s = kLoadingLetterRects[i];
        const int top = panelTop + kLoadingLetterPanelY;
        const int pad = std::min(2, s.Width() / 8);
        DrawGlyphInBox(c, kLoadingLetters[i], s.left + pad, top + 2, s.right - pad, top + s.Height() - 2, colour);
    }
}

void DrawLoadingPanel(Canvas& c, const PictureRect& s, bool lit) {
    FillRect(c, s.left, s.top, s.right, s.bottom, Rgb{24, 30, 64});
    FrameRect(c, s.left, s.top, s.right, s.bottom, 2, Rgb{150, 170, 230});
    DrawLoadingLetters(c, s.top, lit ? Rgb{255, 230, 140} : Rgb{70, 80, 120});
    const int barTop = s.bottom - 9;
    FillRect(c, s.left + 20, barTop, s.right - 20, barTop + 4, Rgb{50, 56, 90});
    if (lit) FillRect(c, s.left + 20, barTop, s.right - 20, barTop + 4, Rgb{120, 220, 140});
}

}  // namespace

// --------------------------------------------------------- rect figures --

void DrawFiguresAt(Canvas& c, std::span<const PictureRect> rects, FigureKind kind, std::string_view glyphs,
                   int firstVariant) {
    for (std::size_t n = 0; n < rects.size(); ++n) {
        const PictureRect& s = rects[n];
        const int i = firstVariant + static_cast<int>(n);
        ClipTo(c, s);
        const Box bx = BoxOf(s);
        switch (kind) {
            case FigureKind::HudFrame:
                FillRect(c, s.left, s.top, s.right, s.bottom, Rgb{26, 32, 60});
                FrameRect(c, s.left, s.top, s.right, s.bottom, 1, Rgb{170, 180, 220});
                FillRect(c, s.left + 2, s.top + 2, s.left + 4, s.bottom - 2, Rgb{236, 196, 90});
                break;
            case FigureKind::HudLowFill:
                VerticalGradient(c, s.left, s.top, s.right, s.bottom, Rgb{255, 110, 90}, Rgb{170, 20, 20});
                break;
            case FigureKind::Lamp: {
                static constexpr Rgb kLamps[] = {{230, 50, 40}, {240, 190, 40}, {60, 210, 90}};
                const Rgb lamp = kLamps[n % 3];
                FillDisc(c, bx.Cx(), (bx.t + bx.b) * 0.5f, std::min(bx.W(), bx.H()) * 0.5f, Scale(lamp, 0.6f));
                FillDisc(c, bx.Cx(), (bx.t + bx.b) * 0.5f, std::min(bx.W(), bx.H()) * 0.35f, lamp);
                FillDisc(c, bx.Cx() - 1.5f, (bx.t + bx.b) * 0.5f - 1.5f, 1.2f, Rgb{255, 255, 240});
                break;
            }
            case FigureKind::GaugeFrame:
                FillRect(c, s.left, s.top, s.right, s.bottom, Rgb{30, 30, 44});
                FillRect(c, s.left, s.top, s.right, s.top + 2, Rgb{220, 210, 170});
                FillRect(c, s.left, s.bottom - 2, s.right, s.bottom, Rgb{150, 130, 90});
                FillRect(c, s.left, s.top, s.left + 3, s.bottom, Rgb{200, 190, 150});
                break;
            case FigureKind::GaugeCap:
                FillRect(c, s.left, s.top, s.right, s.bottom, Rgb{200, 190, 150});
                break;
            case FigureKind::GaugeFill:
                VerticalGradient(c, s.left, s.top, s.right, s.bottom, Rgb{150, 250, 150}, Rgb{30, 150, 60});
                break;
            case FigureKind::GaugeTenthFill:
                VerticalGradient(c, s.left, s.top, s.right, s.bottom, Rgb{150, 220, 255}, Rgb{30, 100, 200});
                break;
            case FigureKind::LoadingPanel:
            case FigureKind::LoadingPanelLit:
                SetClip(c, nullptr);
                DrawLoadingPanel(c, s, kind == FigureKind::LoadingPanelLit);
                break;
            case FigureKind::Letter: {
                const char ch = n < glyphs.size() ? glyphs[n] : '?';
                const int pad = std::min(2, s.Width() / 8);
                FillRect(c, s.left, s.top, s.right, s.bottom, kTransparent);
                DrawGlyphInBox(c, ch, s.left + pad, s.top + 2, s.right - pad, s.bottom - 2, Rgb{255, 246, 170});
                break;
            }
            case FigureKind::Walker: {
                // A quarter step off zero, so no two frames of the cycle share a pose.
                const float phase = (float(n) + 0.25f) * 2.0f * kPi / float(std::max<std::size_t>(rects.size(), 1));
                DrawPerson(c, bx, Rgb{200, 80, 110}, Rgb{250, 214, 180}, Rgb{90, 50, 30}, phase, true, 0);
                break;
            }
            case FigureKind::Heroine:
                DrawPerson(c, bx, Mix(Rgb{210, 70, 100}, VariantColour(i), 0.15f), Rgb{250, 214, 180},
                           Rgb{100, 56, 30}, float(i) * 0.9f, true, i);
                break;
            case FigureKind::Character:
                DrawPerson(c, bx, VariantColour(i, 0.45f, 0.75f), Rgb{235, 200, 170}, VariantColour(i + 3, 0.5f, 0.5f),
                           float(i) * 1.3f, false, i);
                break;
            case FigureKind::Creature:
                DrawCreatureShape(c, bx, VariantColour(i, 0.5f, 0.7f), i);
                break;
            case FigureKind::Prop:
                DrawPropShape(c, bx, ThemePalette(PictureTheme::Stage), i);
                break;
            case FigureKind::Effect:
                DrawEffectShape(c, bx, i);
                break;
            case FigureKind::Debris: {
                // A chip broken out of the floor: a stone with a lit face and
                // a dark underside, each piece turned a little its own way.
                const float cx = bx.Cx(), cy = (bx.t + bx.b) * 0.5f;
                const float rx = std::max(1.5f, bx.W() * 0.5f), ry = std::max(1.5f, bx.H() * 0.5f);
                float chip[12];
                for (int k = 0; k < 6; ++k) {
                    const float a = float(k) * kPi / 3.0f + float(i) * 0.7f;
                    const float reach = (k + i) % 2 == 0 ? 1.0f : 0.78f;
                    chip[2 * k] = cx + std::cos(a) * rx * reach;
                    chip[2 * k + 1] = cy + std::sin(a) * ry * reach;
                }
                const Rgb stone = Mix(Rgb{132, 122, 108}, Rgb{120, 96, 70}, float(i % 3) * 0.35f);
                FillPolygon(c, chip, 6, Scale(stone, 0.7f));
                FillEllipse(c, cx - rx * 0.12f, cy - ry * 0.12f, rx * 0.7f, ry * 0.62f, stone);
                FillEllipse(c, cx - rx * 0.3f, cy - ry * 0.35f, std::max(0.8f, rx * 0.28f), std::max(0.8f, ry * 0.22f),
                            Mix(stone, Rgb{230, 222, 206}, 0.45f));
                break;
            }
            case FigureKind::Icon:
                DrawIconShape(c, bx, i);
                break;
            case FigureKind::Spinner: {
                const float cx = bx.Cx(), cy = (bx.t + bx.b) * 0.5f, r = std::min(bx.W(), bx.H()) * 0.36f;
                for (int k = 0; k < 8; ++k) {
                    const float a = float(k) * kPi / 4.0f + float(i) * kPi / 8.0f;
                    const float bright = 0.35f + 0.65f * float(k) / 7.0f;
                    FillDisc(c, cx + std::cos(a) * r, cy + std::sin(a) * r, std::max(1.2f, r * 0.22f),
                             Scale(Rgb{250, 250, 250}, bright));
                }
                break;
            }
            case FigureKind::ThrownDisc: {
                // Edge-on rows are flat ellipses. A dark rim against the
                // stone wall, a bright face, and three grooves and a glint
                // that turn a third of the way each step.
                const float cx = bx.Cx(), cy = (bx.t + bx.b) * 0.5f;
                const float rx = bx.W() * 0.46f, ry = std::max(2.0f, bx.H() * 0.46f);
                const float turn = float(n % 3) * 2.0f * kPi / 9.0f;
                FillEllipse(c, cx, cy, rx, ry, Rgb{46, 52, 66});
                FillEllipse(c, cx, cy, rx * 0.84f, ry * 0.8f, Rgb{196, 204, 218});
                FillEllipse(c, cx, cy, rx * 0.6f, ry * 0.56f, Rgb{158, 168, 186});
                for (int k = 0; k < 3; ++k) {
                    const float a = turn + float(k) * 2.0f * kPi / 3.0f;
                    Line(c, cx + std::cos(a) * rx * 0.2f, cy + std::sin(a) * ry * 0.2f, cx + std::cos(a) * rx * 0.8f,
                         cy + std::sin(a) * ry * 0.76f, std::max(1.0f, ry * 0.08f), Rgb{80, 88, 104});
                }
                const float g = turn + kPi * 1.25f;
                FillEllipse(c, cx + std::cos(g) * rx * 0.62f, cy + std::sin(g) * ry * 0.6f, rx * 0.14f,
                            std::max(1.0f, ry * 0.14f), Rgb{250, 252, 255});
                FillEllipse(c, cx, cy, rx * 0.16f, std::max(1.0f, ry * 0.18f), Rgb{60, 66, 80});
                break;
            }
            case FigureKind::Marker: {
                // A crystal standing on its base, point up, two smaller
                // shards at its foot; the bright cell glints. Pale ice, so
                // the game's tint is its colour: grey-white for the crystal
                // (and the list rows it marks), red for the red crystal.
                const bool glint = n % 2 == 1;
                const auto shard = [&](float cx, float top, float half, float lean, float k) {
                    const float shoulder = top + half * 1.3f, tip = cx + lean;
                    const Rgb lit = Scale(Rgb{190, 240, 255}, k), dark = Scale(Rgb{128, 190, 228}, k);
                    const float left[] = {tip, top, cx, bx.b, cx - half, bx.b, cx - half + lean, shoulder};
                    const float right[] = {tip, top, cx + half + lean, shoulder, cx + half, bx.b, cx, bx.b};
                    FillPolygon(c, left, 4, glint ? Mix(lit, Rgb{255, 255, 255}, 0.4f) : lit);
                    FillPolygon(c, right, 4, glint ? Mix(dark, Rgb{255, 255, 255}, 0.3f) : dark);
                    Line(c, cx - half * 0.5f + lean * 0.5f, shoulder + 1, cx - half * 0.5f, bx.b - 2, 1.0f,
                         Rgb{255, 255, 255});
                };
                shard(bx.l + bx.W() * 0.22f, bx.t + bx.H() * 0.4f, bx.W() * 0.17f, -1.5f, 0.85f);
                shard(bx.l + bx.W() * 0.84f, bx.t + bx.H() * 0.55f, bx.W() * 0.13f, 1.0f, 0.8f);
                shard(bx.l + 10.0f, bx.t + 1.0f, bx.W() * 0.24f, 0.0f, 1.0f);
                if (glint) {
                    const float gx = bx.r - 2.5f, gy = bx.t + 4.5f;
                    Line(c, gx - 2, gy, gx + 2, gy, 1.0f, Rgb{255, 255, 255});
                    Line(c, gx, gy - 3, gx, gy + 3, 1.0f, Rgb{255, 255, 255});
                }
                break;
            }
        }
    }
    SetClip(c, nullptr);
}

// ------------------------------------------------------- rect registry --

namespace {
const std::array<PictureRect, 1> kHudFrame{kHudFrameRect};
const std::array<PictureRect, 1> kHudLowFill{kHudLowFillRect};
const std::array<PictureRect, 1> kGaugeFrame{kGaugeFrameRect};
const std::array<PictureRect, 1> kGaugeCap{kGaugeCapRect};
const std::array<PictureRect, 1> kGaugeFill{kGaugeFillRect};
const std::array<PictureRect, 1> kGaugeTenthFill{kGaugeTenthFillRect};
const std::array<PictureRect, 1> kLoadingFirst{kLoadingFirstPanelRect};
const std::array<PictureRect, 1> kLoadingSecond{kLoadingSecondPanelRect};

// Encounter A's sheet: the pieces' spin frames by size row (the figure's
// own cells are painted from the cell list).
constexpr auto kEncounterAPieceRects = [] {
    namespace a = encounter_a_frames;
    std::array<PictureRect, std::size(a::kPieceRows) * std::size(a::kPieceColumns)> out{};
    std::size_t i = 0;
    for (const auto& row : a::kPieceRows)
        for (const auto& col : a::kPieceColumns) out[i++] = PictureRect{col[0], row.top, col[1], row.bottom};
    return out;
}();

// The boss sheet's sword, rays, overlays, glow, flashes, streaks and shards,
// then the crystal fragments.
constexpr auto kBossEffectRects = [] {
    namespace b = boss_frames;
    std::array<PictureRect, std::size(b::kCells) + std::size(b::kFragments)> out{};
    std::size_t n = 0;
    for (const auto& c : b::kCells) out[n++] = PictureRect{c.rect.left, c.rect.top, c.rect.right, c.rect.bottom};
    for (const auto& r : b::kFragments) out[n++] = PictureRect{r.left, r.top, r.right, r.bottom};
    return out;
}();

// The ending sheet: the strike's effects and the shatter cloud's points.
template <class Pick>
constexpr std::size_t CountEndingCells(Pick pick) {
    std::size_t n = 0;
    for (const auto& c : ending_frames::kSlotCells) n += pick(c.slot) ? 1 : 0;
    return n;
}
constexpr bool EndingEffectSlot(std::int32_t slot) { return slot >= 1 && slot <= 4; }
template <std::size_t N, class Pick>
constexpr std::array<PictureRect, N> EndingCells(Pick pick) {
    std::array<PictureRect, N> out{};
    std::size_t n = 0;
    for (const auto& c : ending_frames::kSlotCells)
        if (pick(c.slot)) out[n++] = PictureRect{c.rect.left, c.rect.top, c.rect.right, c.rect.bottom};
    return out;
}
constexpr auto kEndingEffectRects = [] {
    constexpr std::size_t effects = CountEndingCells(EndingEffectSlot);
    std::array<PictureRect, effects + std::size(ending_frames::kPointCells)> out{};
    const auto cells = EndingCells<effects>(EndingEffectSlot);
    std::size_t n = 0;
    for (const PictureRect& r : cells) out[n++] = r;
    for (const auto& c : ending_frames::kPointCells) out[n++] = PictureRect{c.rect.left, c.rect.top, c.rect.right, c.rect.bottom};
    return out;
}();

// Encounter B's sheet: the layers that are not the figure's own limbs (its
// blades, glows, slash and breath) and the shards, cut at the sheet's edge
// (923 x 907).
constexpr bool EncounterBThingLayer(const encounter_b_frames::LayerRow& l) {
    namespace b = encounter_b_frames;
    return !(l.tint == b::Tint::Figure || (l.turn == b::Turn::Figure && l.code < 200));
}
constexpr auto kEncounterBThingRects = [] {
    namespace b = encounter_b_frames;
    constexpr std::size_t layers = [] {
        std::size_t n = 0;
        for (const auto& l : b::kLayers) n += EncounterBThingLayer(l) ? 1 : 0;
        return n;
    }();
    std::array<PictureRect, layers + std::size(b::kShardRows)> out{};
    std::size_t i = 0;
    auto put = [&](const b::Rect& r) {
        out[i++] = PictureRect{r.left, r.top, std::min<std::int32_t>(r.right, 923), std::min<std::int32_t>(r.bottom, 907)};
    };
    for (const auto& l : b::kLayers)
        if (EncounterBThingLayer(l)) put(l.src);
    for (const auto& r : b::kShardRows) put({b::kShardLeft, r.top, r.right, r.bottom});
    return out;
}();

// Encounter C's last-phase servants' loose parts (blades and wings) on the
// figure's second sheet.
constexpr auto kServantPartRects = [] {
    namespace c = encounter_c_parts;
    std::array<PictureRect, 4> out{};
    for (int code = 1; code <= 4; ++code) {
        const c::PartCell& cell = c::kCells[code];
        out[code - 1] = PictureRect{cell.left, cell.top, cell.right, cell.bottom};
    }
    return out;
}();

// The cells of the Era03 arena's sheets, from the game's own tables; a cell
// that runs past its picture's edge is cut at the edge.
template <std::size_t N, typename Row>
constexpr std::array<PictureRect, N> CellsOf(const Row* rows, int width, int height) {
    std::array<PictureRect, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto& r = rows[i].rect;
        out[i] = {r.left, r.top, std::min<int>(r.right, width), std::min<int>(r.bottom, height)};
    }
    return out;
}
constexpr PictureRect kArenaBoss1BulletCell[] = {
    {kBoss1BulletCell.left, kBoss1BulletCell.top, kBoss1BulletCell.right, kBoss1BulletCell.bottom}};
constexpr auto kArenaEnemy3OrbCells = CellsOf<std::size(kEnemy3OrbCells)>(kEnemy3OrbCells, 1024, 803);

// The soldier sheet: a soldier in every frame, the thrown steel disc in
// every cell of the disc's rows. Row 4's cells reach past the sheet's foot; only what
// lies inside is drawn.
constexpr std::array<PictureRect, 3 * std::size(soldier_frames::kDiscRows)> DiscCellRects() {
    std::array<PictureRect, 3 * std::size(soldier_frames::kDiscRows)> out{};
    std::size_t n = 0;
    for (const auto& row : soldier_frames::kDiscRows)
        for (int f = 0; f < 3; ++f) out[n++] = {row.left[f], row.top, row.right[f], std::min(row.bottom, 778)};
    return out;
}
constexpr auto kDiscCells = DiscCellRects();

// The cells of the Era03 field's sheets: the creature's parts, shots and
// stem; the fighter's debris. Cut at their picture's edge like the arena's.
constexpr PictureRect CutCell(const Era03SheetRect& r, int width, int height) {
    return {r.left, r.top, std::min<int>(r.right, width), std::min<int>(r.bottom, height)};
}
constexpr std::array<PictureRect, 45> FieldCreatureCells() {
    std::array<PictureRect, 45> out{};
    std::size_t n = 0;
    for (std::int32_t code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                              24, 25, 26, 27, 28, 29, 30, 31, 32, 61, 62, 63, 64, 65, 66, 67, 68, 111, 121, 131, 141})
        out[n++] = CutCell(Era03CreatureCellOf(code).src, 424, 330);
    out[n] = CutCell(kEra03CreatureStem.src, 424, 330);
    return out;
}
constexpr std::array<PictureRect, 5> FieldDebrisCells() {
    std::array<PictureRect, 5> out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = CutCell(kEra03DebrisCells[i].src, 740, 631);
    return out;
}
constexpr auto kFieldCreatureCells = FieldCreatureCells();
constexpr auto kFieldDebrisCells = FieldDebrisCells();

// Resource 178 (D042): the far field's encounter sheet: the shots, pieces
// and bombs of its three small actors, and the scenery round the idle spot,
// the perch tiles and the tower with its floors and doors.
constexpr PictureRect kEncounterMissileRects[] = {
    {137, 157, 146, 165}, {140, 160, 144, 164}, {145, 208, 156, 220}, {145, 221, 156, 233}, {143, 183, 156, 190}, {143, 191, 158, 198},
};
constexpr PictureRect kEncounterPropRects[] = {
    {0, 0, 30, 94},       {32, 0, 65, 94},      {68, 0, 103, 94},     {103, 0, 188, 5},     {105, 6, 186, 20},
    {104, 22, 128, 33},   {130, 23, 141, 30},   {142, 22, 149, 27},   {150, 22, 163, 44},   {164, 23, 184, 38},
    {105, 33, 130, 53},   {182, 41, 185, 63},   {107, 56, 180, 89},   {109, 90, 178, 110},  {0, 101, 75, 156},
    {189, 0, 292, 258},   kTowerFloorSlab,      {98, 237, 145, 281},  {78, 229, 97, 264},   {107, 91, 126, 111},
    {153, 114, 176, 136}, {123, 122, 135, 136},
};
// Encounter C's shop things and the flash on sheet 69 (594 x 442).
namespace ec = encounter_c_frames;
constexpr PictureRect CutC(const ec::Rect& r, int width, int height) {
    return {r.left, r.top, std::min<int>(r.right, width), std::min<int>(r.bottom, height)};
}
constexpr auto kEncounterCThings = [] {
    std::array<PictureRect, std::size(ec::kLayers) + 2 + 3 + 1> out{};
    std::size_t n = 0;
    for (const ec::Layer& l : ec::kLayers) out[n++] = CutC(l.src, 594, 442);
    for (const ec::Rect& r : ec::kWorkpieces) out[n++] = CutC(r, 594, 442);
    for (std::int32_t left : ec::kSparkLefts) out[n++] = {left, 90, left + 16, 114};
    out[n] = CutC(ec::kFlash, 594, 442);
    return out;
}();

const std::array<RectSource, 30> kRectSources{{
    {102, FigureKind::HudFrame, kHudFrame, {}},
    {102, FigureKind::HudLowFill, kHudLowFill, {}},
    {102, FigureKind::Lamp, kHudMeterRects, {}},
    {103, FigureKind::GaugeFrame, kGaugeFrame, {}},
    {103, FigureKind::GaugeCap, kGaugeCap, {}},
    {103, FigureKind::GaugeFill, kGaugeFill, {}},
    {103, FigureKind::GaugeTenthFill, kGaugeTenthFill, {}},
    {104, FigureKind::LoadingPanelLit, kLoadingFirst, {}},
    {104, FigureKind::LoadingPanel, kLoadingSecond, {}},
    {104, FigureKind::Letter, kLoadingLetterRects, kLoadingLetters},
    {153, FigureKind::Spinner, kSpinnerRects, {}},
    {175, FigureKind::Marker, kMarkerRects, {}},
    {184, FigureKind::Effect, kRound3GlowRects, {}},
    {185, FigureKind::Debris, kRound4DebrisRects, {}},
    {192, FigureKind::Effect, kArenaBoss1BulletCell, {}},
    {194, FigureKind::Effect, kArenaEnemy3OrbCells, {}},
    {199, FigureKind::ThrownDisc, kDiscCells, {}},
    {encounter_a_frames::kSheetResource, FigureKind::Prop, kEncounterAPieceRects, {}},
    {encounter_c_parts::kSheetResource, FigureKind::Prop, kServantPartRects, {}},
    {188, FigureKind::Effect, kFieldCreatureCells, {}},
    {190, FigureKind::Debris, kFieldDebrisCells, {}},
    {162, FigureKind::Prop, kArenaFoePropRects, {}},
    {176, FigureKind::Prop, kTurretRects, {}},
    {176, FigureKind::Effect, kTurretShotRects, {}},
    {178, FigureKind::Prop, kEncounterPropRects, {}},
    {178, FigureKind::Effect, kEncounterMissileRects, {}},
    {encounter_b_frames::kSheetResource, FigureKind::Effect, kEncounterBThingRects, {}},
    {ec::kSheet69Resource, FigureKind::Effect, kEncounterCThings, {}},
    {boss_frames::kSheetResource, FigureKind::Effect, kBossEffectRects, {}},
    {ending_frames::kSheetResource, FigureKind::Effect, kEndingEffectRects, {}},
}};
}  // namespace

std::span<const RectSource> RectSources() { return kRectSources; }

// ------------------------------------------------------- base patterns --

namespace {

std::uint32_t SeedOf(const PictureInfo& info) { return static_cast<std::uint32_t>(info.id) * 2654435761u; }

// A grid of cells of about the given size, each with a figure.
void DrawSheet(Canvas& c, const PictureInfo& info, float cellTarget, FigureKind first, FigureKind second) {
    const int cols = std::max(1, static_cast<int>(std::lround(c.width / cellTarget)));
    const int rows = std::max(1, static_cast<int>(std::lround(c.height / (cellTarget * 1.2f))));
    std::vector<PictureRect> a, b;
    for (int r = 0; r < rows; ++r)
        for (int k = 0; k < cols; ++k) {
            const PictureRect cell{k * c.width / cols, r * c.height / rows, (k + 1) * c.width / cols,
                                  (r + 1) * c.height / rows};
            const int pad = std::max(1, std::min(cell.Width(), cell.Height()) / 12);
            const PictureRect inner{cell.left + pad, cell.top + pad, cell.right - pad, cell.bottom - pad};
            ((r * cols + k) % 3 == 2 ? b : a).push_back(inner);
        }
    DrawFiguresAt(c, a, first, {}, info.id);
    DrawFiguresAt(c, b, second, {}, info.id + 1);
}

void DrawScenery(Canvas& c, const PictureInfo& info) {
    const Palette p = ThemePalette(info.theme);
    const int bandH = std::clamp(c.height / std::max(1, c.height / 300), 60, 420);
    const int bands = std::max(1, c.height / bandH);
    for (int band = 0; band < bands; ++band) {
        const int top = band * c.height / bands, bottom = (band + 1) * c.height / bands;
        const int groundTop = bottom - std::max(6, (bottom - top) / 6);
        // Ground with a lighter rim and speckles.
        for (int y = groundTop; y < bottom; ++y)
            for (int x = 0; x < c.width; ++x) {
                const float n = Noise(x / 3, y / 3, SeedOf(info) + band);
                Plot(c, x, y, Solid(Scale(y < groundTop + 3 ? p.light : p.ground, 0.85f + 0.3f * n)));
            }
        // A building, an arch and props along the ground.
        const int h = groundTop - top;
        int x = 8 + band * 37 % 60;
        int variant = band * 5 + info.id;
        while (x < c.width - 20) {
            const int w = std::clamp(static_cast<int>(h * (0.35f + 0.4f * Noise(x, band, SeedOf(info)))), 12, 260);
            const PictureRect cell{x, top + h / 8, std::min(c.width, x + w), groundTop};
            if (variant % 4 == 0 && w > 30) {
                // House or tower with windows and a roof.
                const int roofH = cell.Height() / 4;
                FillRect(c, cell.left, cell.top + roofH, cell.right, cell.bottom, Solid(p.mid));
                const float roof[] = {float(cell.left - 4), float(cell.top + roofH), float(cell.Width()) / 2 + cell.left,
                                      float(cell.top), float(cell.right + 4), float(cell.top + roofH)};
                FillPolygon(c, roof, 3, Solid(p.accent));
                for (int wy = cell.top + roofH + 8; wy + 12 < cell.bottom - 10; wy += 24)
                    for (int wx = cell.left + 6; wx + 10 < cell.right - 4; wx += 20)
                        FillRect(c, wx, wy, wx + 10, wy + 12, Solid(Rgb{250, 230, 150}));
                FillRect(c, cell.left + cell.Width() / 2 - 6, cell.bottom - 22, cell.left + cell.Width() / 2 + 6,
                         cell.bottom, Solid(p.dark));
            } else if (variant % 4 == 1 && w > 30) {
                // Arch of stone.
                ClipTo(c, cell);
                FillRect(c, cell.left, cell.top + cell.Height() / 5, cell.right, cell.bottom, Solid(p.light));
                FillEllipse(c, float(cell.left + cell.right) / 2, float(cell.bottom), cell.Width() * 0.3f,
                            cell.Height() * 0.55f, kTransparent);
                FrameRect(c, cell.left, cell.top + cell.Height() / 5, cell.right, cell.bottom, 2, Solid(p.mid));
                SetClip(c, nullptr);
            } else {
                DrawPropShape(c, BoxOf(cell), p, variant);
            }
            x += w + 10 + static_cast<int>(30 * Noise(x, 7, SeedOf(info)));
            ++variant;
        }
    }
}

void DrawBackdrop(Canvas& c, const PictureInfo& info) {
    const Palette p = ThemePalette(info.theme);
    VerticalGradient(c, 0, 0, c.width, c.height, Solid(p.mid), Solid(p.dark));
    // Stone courses with offset joints.
    const int course = std::clamp(c.height / 6, 6, 26);
    for (int y = 0; y < c.height; y += course) {
        FillRect(c, 0, y, c.width, y + 1, Solid(Scale(p.dark, 0.7f)));
        const int off = (y / course) % 2 ? course : 0;
        for (int x = off; x < c.width; x += course * 2) FillRect(c, x, y, x + 1, y + course, Solid(Scale(p.dark, 0.7f)));
    }
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (Noise(x, y, SeedOf(info)) > 0.93f) c.Put(x, y, Solid(Scale(c.At(x, y), 1.2f)));
}

void DrawSky(Canvas& c) { DrawStageSky(c); }

void DrawFarBand(Canvas& c, const PictureInfo& info) {
    const Palette p = ThemePalette(PictureTheme::Field);
    const float seed = float(info.id % 7);
    const float w = float(c.width);
    // The three bands stand on one bottom line and follow one another across
    // the stage: every band's crest meets its edges at the same height above
    // its bottom, level, so neighbouring panels join without a step.
    for (int x = 0; x < c.width; ++x) {
        const float t = float(x) / w * 2.0f * kPi;
        const float edgeFade = 0.5f - 0.5f * std::cos(t);
        const float rise = 110.0f + edgeFade * (26.0f * std::sin(2 * t + seed) + 14.0f * std::sin(5 * t + 2 * seed) +
                                                6.0f * std::sin(11 * t + seed));
        const float crest = float(c.height) - rise;
        for (int y = static_cast<int>(crest); y < c.height; ++y) {
            const float depth = float(y - crest) / 190.0f;  // in pixels, the same shading in every band
            Plot(c, x, y, Solid(Mix(Scale(p.mid, 0.9f + 0.1f * Noise(x / 4, y / 4, SeedOf(info))), p.dark, depth * 1.6f)));
        }
        if (x % 37 == 11) {  // trees on the crest
            FillDisc(c, float(x), crest - 6, 7, Solid(Scale(p.dark, 1.2f)));
            FillRect(c, x - 1, static_cast<int>(crest - 2), x + 1, static_cast<int>(crest + 4), Solid(Rgb{80, 60, 40}));
        }
    }
}

void DrawFarShape(Canvas& c, const PictureInfo& info) { DrawStageFarShape(c, info); }

void DrawGroundTiles(Canvas& c, const PictureInfo& info) {
    // Four tile bands: meadow, dry earth, sand, dark stone.
    static constexpr int kBandTop[] = {0, 24, 51, 76, 101};
    static constexpr Rgb kTop[] = {{90, 190, 70}, {170, 150, 70}, {230, 210, 140}, {130, 130, 140}};
    static constexpr Rgb kBody[] = {{120, 86, 50}, {140, 100, 60}, {200, 170, 110}, {80, 80, 90}};
    for (int band = 0; band < 4; ++band)
        for (int y = kBandTop[band]; y < std::min(c.height, kBandTop[band + 1]); ++y)
            for (int x = 0; x < c.width; ++x) {
                const int dy = y - kBandTop[band];
                const float n = Noise(x / 2, y / 2, SeedOf(info) + band);
                const Rgb base = dy < 7 + static_cast<int>(3 * Noise(x, band, 5)) ? kTop[band] : kBody[band];
                c.Put(x, y, Solid(Scale(base, 0.85f + 0.3f * n)));
            }
}

void DrawGroundColumns(Canvas& c, const PictureInfo& info) {
    static constexpr Rgb kBody[] = {{120, 86, 50}, {100, 96, 100}, {140, 100, 60}};
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const int col = std::min(2, x / 25);
            const float n = Noise(x / 3, y / 3, SeedOf(info) + col);
            Rgb px = Scale(kBody[col], 0.8f + 0.35f * n);
            if (Noise(x / 5, y / 5, 99 + col) > 0.9f) px = Rgb{150, 140, 130};  // pebbles
            c.Put(x, y, Solid(px));
        }
}

void DrawEdgePiece(Canvas& c) {
    const float left[] = {0, 19, 1, 4, 6, 0, 10, 3, 10, 19};
    FillPolygon(c, left, 5, Rgb{110, 100, 90});
    const float right[] = {10, 19, 10, 2, 15, 0, 19, 5, 19, 19};
    FillPolygon(c, right, 5, Rgb{130, 118, 100});
    FillRect(c, 0, 0, 20, 3, Rgb{90, 170, 70});
}

void DrawMenuPanel(Canvas& c, const PictureInfo& info) {
    const Palette p = ThemePalette(PictureTheme::Menu);
    const int th = std::max(1, std::min(c.width, c.height) / 30);
    VerticalGradient(c, 0, 0, c.width, c.height, p.mid, p.dark);
    FrameRect(c, 0, 0, c.width, c.height, th + 1, p.accent);
    FrameRect(c, th + 2, th + 2, c.width - th - 2, c.height - th - 2, 1, p.light);
    // Placeholder rows where the menu texts go.
    const int rowH = std::clamp(c.height / 8, 10, 40);
    for (int y = rowH + th * 3; y + rowH / 2 < c.height - th * 3; y += rowH)
        FillRect(c, th * 4 + 6, y, c.width - th * 4 - 6, y + std::max(2, rowH / 6), Scale(p.light, 0.55f));
    (void)info;
}

void DrawMenuColumn(Canvas& c, const PictureInfo& info) {
    const Palette p = ThemePalette(PictureTheme::Menu);
    const int rowH = std::clamp(c.width / 4, 24, 40);
    int i = 0;
    for (int y = 0; y + rowH <= c.height; y += rowH, ++i) {
        const Rgb face = Mix(p.mid, VariantColour(i + info.id), 0.25f);
        FillRect(c, 2, y + 2, c.width - 2, y + rowH - 2, face);
        FrameRect(c, 2, y + 2, c.width - 2, y + rowH - 2, 1, p.light);
        DrawIconShape(c, Box{4.0f, float(y + 4), float(4 + rowH - 8), float(y + rowH - 4)}, i);
        DrawText(c, rowH + 2, y + rowH / 2 - 3, std::to_string(i + 1), 1, p.light);
    }
}

void DrawMenuTile(Canvas& c) {
    FillRect(c, 0, 0, c.width, c.height, Rgb{120, 110, 150});
    FrameRect(c, 0, 0, c.width, c.height, 2, Rgb{60, 56, 84});
    FillRect(c, 2, 2, c.width - 2, 4, Rgb{170, 160, 200});
}

void DrawPanorama(Canvas& c, const PictureInfo& info) {
    // A night view: starry sky, a moon, two ranges of hills and a lit field.
    VerticalGradient(c, 0, 0, c.width, c.height * 2 / 3, Rgb{12, 14, 48}, Rgb{70, 60, 120});
    for (int y = 0; y < c.height * 2 / 3; ++y)
        for (int x = 0; x < c.width; ++x)
            if (Noise(x, y, SeedOf(info)) > 0.9985f) c.Put(x, y, Rgb{250, 250, 220});
    FillDisc(c, c.width * 0.78f, c.height * 0.2f, c.height * 0.08f, Rgb{250, 244, 210});
    for (int layer = 0; layer < 2; ++layer) {
        const Rgb hill = layer == 0 ? Rgb{50, 50, 100} : Rgb{30, 40, 70};
        for (int x = 0; x < c.width; ++x) {
            const float t = float(x) / float(c.width) * 2.0f * kPi;
            const float crest = c.height * (0.5f + 0.12f * float(layer) + 0.06f * std::sin(3 * t + float(layer) * 2) +
                                            0.03f * std::sin(7 * t + 1));
            FillRect(c, x, static_cast<int>(crest), x + 1, c.height, hill);
        }
    }
    VerticalGradient(c, 0, c.height * 5 / 6, c.width, c.height, Rgb{40, 70, 60}, Rgb{20, 36, 30});
}

void DrawMessageBox(Canvas& c) {
    // Opaque edge to edge: the dialogue lines are printed over it in black,
    // so it is a pale parchment, its fibres faint enough to keep every pixel
    // under the lines light, in a dark wooden frame.
    VerticalGradient(c, 0, 0, c.width, c.height, Rgb{248, 241, 220}, Rgb{234, 222, 192});
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) {
            const float fibre = Noise(x / 9, y, 131u) * 0.5f + Noise(x, y, 977u) * 0.5f;
            c.Put(x, y, Scale(c.At(x, y), 0.975f + 0.035f * fibre));
        }
    FrameRect(c, 0, 0, c.width, c.height, 3, Rgb{92, 64, 36});
    FrameRect(c, 4, 4, c.width - 4, c.height - 4, 2, Rgb{176, 136, 72});
    for (int k = 0; k < 4; ++k) {  // corner studs
        const float x = (k % 2) ? float(c.width - 10) : 10.0f, y = (k / 2) ? float(c.height - 10) : 10.0f;
        FillDisc(c, x, y, 3.5f, Rgb{150, 104, 48});
        FillDisc(c, x - 1.0f, y - 1.0f, 1.5f, Rgb{222, 184, 112});
    }
}

void DrawLogo(Canvas& c) {
    constexpr int kStrip = 82;
    const char* word = "QUILLMARCH";
    const int scale = 6;
    const int textW = TextWidth(word, scale);
    for (int frame = 1; frame * kStrip <= c.height + kStrip - 1; ++frame) {
        const int top = (frame - 1) * kStrip;
        const float reveal = std::min(1.0f, float(frame) / 12.0f);
        const int x0 = (c.width - textW) / 2;
        const int y0 = top + 14;
        const Rgb glow = Mix(Rgb{60, 40, 90}, Rgb{120, 90, 200}, reveal);
        FillEllipse(c, c.width / 2.0f, top + 36.0f, textW * 0.6f * reveal + 10, 30, Solid(Scale(glow, 0.6f)));
        // Shadow, then the letters in gold, lit from left to right.
        DrawText(c, x0 + 3, y0 + 3, word, scale, Rgb{40, 30, 60});
        for (int k = 0; k < 10; ++k) {
            const float lit = std::clamp(reveal * 10.0f - float(k), 0.0f, 1.0f);
            const Rgb col = Mix(Rgb{90, 80, 120}, Rgb{255, 214, 90}, lit);
            DrawText(c, x0 + k * 6 * scale, y0, std::string_view(word + k, 1), scale, col);
        }
        if (frame >= 12) {  // the quill's stroke under the full logo
            Line(c, float(x0), top + 66.0f, float(x0 + textW), top + 60.0f, 3, Rgb{240, 240, 255});
            FillDisc(c, float(x0 + textW), top + 60.0f, 4, Rgb{255, 230, 150});
        }
    }
}

// The queen's sword, hilt up as the cell hangs from her grip (the pivot):
// a gold pommel and a wrapped grip above the pivot, a gold crossguard just
// below it, and a steel blade lit on one side with a fuller down its middle,
// tapering to the point at the cell's foot. The narrow cell is the same sword
// seen edge on.
void DrawBossSword(Canvas& c, const SpriteRect& r, float pivotX, float pivotY) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const ClipBox cellBox{r.left, r.top, r.right, r.bottom};
    SetClip(c, &cellBox);
    const Rgb gold{206, 166, 64}, goldDark{138, 100, 34}, grip{92, 44, 40};
    const Rgb steelLight{232, 236, 246}, steel{184, 192, 208}, steelDark{112, 120, 140};
    const float mid = static_cast<float>(r.left) + pivotX + 0.5f;
    const float width = static_cast<float>(r.right - r.left);
    const bool edgeOn = width < 12;
    const float guardY = static_cast<float>(r.top) + pivotY - 3;
    const float guardH = edgeOn ? 4.0f : 6.0f;
    const float bladeHalf = edgeOn ? 1.5f : 5.0f;
    const float gripHalf = edgeOn ? 1.0f : 2.5f;
    const float top = static_cast<float>(r.top), foot = static_cast<float>(r.bottom);
    // Pommel and grip.
    FillDisc(c, mid, top + 4, edgeOn ? 1.8f : 4.0f, gold);
    FillDisc(c, mid - 0.8f, top + 3.2f, edgeOn ? 0.8f : 1.6f, Mix(gold, Rgb{255, 240, 190}, 0.6f));
    FillRect(c, static_cast<int>(mid - gripHalf), static_cast<int>(top + 7), static_cast<int>(mid + gripHalf + 0.5f),
             static_cast<int>(guardY), grip);
    for (float y = top + 9; y < guardY - 1; y += 4)
        FillRect(c, static_cast<int>(mid - gripHalf), static_cast<int>(y), static_cast<int>(mid + gripHalf + 0.5f),
                 static_cast<int>(y) + 1, goldDark);
    // Blade: two faces, lit and shaded, meeting at the point.
    const float bladeTop = guardY + guardH;
    const float left[] = {mid - bladeHalf, bladeTop, mid, bladeTop, mid, foot - 1, mid - bladeHalf, foot - 4 - bladeHalf * 2};
    const float right[] = {mid, bladeTop, mid + bladeHalf, bladeTop, mid + bladeHalf, foot - 4 - bladeHalf * 2, mid, foot - 1};
    FillPolygon(c, left, 4, steelLight);
    FillPolygon(c, right, 4, steel);
    if (!edgeOn) {
        Line(c, mid, bladeTop + 2, mid, foot - 14, 1.2f, steelDark);
        Line(c, mid + bladeHalf - 0.5f, bladeTop, mid + bladeHalf - 0.5f, foot - 4 - bladeHalf * 2, 1.0f, steelDark);
    }
    // Crossguard over the blade's root, with rounded ends.
    const float guardHalf = edgeOn ? width / 2 - 0.5f : width / 2 - 3;
    FillRect(c, static_cast<int>(mid - guardHalf), static_cast<int>(guardY), static_cast<int>(mid + guardHalf + 0.5f),
             static_cast<int>(guardY + guardH), gold);
    FillRect(c, static_cast<int>(mid - guardHalf), static_cast<int>(guardY + guardH) - 2,
             static_cast<int>(mid + guardHalf + 0.5f), static_cast<int>(guardY + guardH), goldDark);
    if (!edgeOn) {
        FillDisc(c, mid - guardHalf, guardY + guardH / 2, 2.6f, gold);
        FillDisc(c, mid + guardHalf, guardY + guardH / 2, 2.6f, gold);
    }
    SetClip(c, nullptr);
}

// The boss sheet's light: the rays and the sword's glow are pale beams that
// fade towards their ends, the streaks of the slashes thin bright bands.
void DrawBossLights(Canvas& c) {
    namespace b = boss_frames;
    for (const b::Cell& cell : b::kCells) {
        const SpriteRect& r = cell.rect;
        const bool beam = cell.slot == 2 || cell.slot == 3 || cell.slot == 6;
        const bool streak = cell.slot == 9 || cell.slot == 10;
        if (cell.slot == 1) {
            DrawBossSword(c, r, cell.cx, cell.cy);
            continue;
        }
        if (!beam && !streak) continue;
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        if (beam) {
            const int mid = (r.top + r.bottom) / 2;
            VerticalGradient(c, r.left, r.top, r.right, mid, Rgb{120, 160, 255}, Rgb{255, 255, 255});
            VerticalGradient(c, r.left, mid, r.right, r.bottom, Rgb{255, 255, 255}, Rgb{120, 160, 255});
        } else {
            const int mid = (r.top + r.bottom) / 2;
            VerticalGradient(c, r.left, r.top, r.right, mid + 1, Rgb{150, 200, 255}, Rgb{255, 255, 255});
            VerticalGradient(c, r.left, mid, r.right, r.bottom, Rgb{255, 255, 255}, Rgb{150, 200, 255});
        }
    }
    // The defeat's light bars, each cell as long as its bar grows: a white
    // core fading to pale blue at the edges. Where a pose or a cell shares
    // the sheet's rows, its pixels stay its own.
    const auto taken = [&](int x, int y) {
        const auto in = [&](const SpriteRect& r) { return r.left <= x && x < r.right && r.top <= y && y < r.bottom; };
        for (const auto& pose : b::kPoses)
            if (in(pose.rect)) return true;
        for (const b::Cell& cell : b::kCells)
            if (in(cell.rect)) return true;
        for (const SpriteRect& r : b::kFragments)
            if (in(r)) return true;
        return false;
    };
    for (const b::Bar& bar : b::kBars) {
        const float half = (bar.bottom - bar.top) / 2.0f;
        for (int y = bar.top; y < bar.bottom; ++y) {
            const float edge = std::abs(y + 0.5f - (bar.top + half)) / half;
            const Rgb colour = Mix(Rgb{255, 255, 255}, Rgb{140, 190, 255}, edge * edge);
            for (int x = bar.left; x < bar.left + bar.full; ++x)
                if (!taken(x, y)) c.Put(x, y, colour);
        }
    }
}

// Encounter A's beams lie on their side along the floor: across each cell's
// width a band of pale light, brightest along its middle line.
void DrawEncounterABeams(Canvas& c) {
    for (const auto& r : encounter_a_frames::kBeams) {
        const int w = r.right - r.left;
        for (int x = r.left; x < r.right; ++x) {
            const float edge = std::abs(2.0f * float(x - r.left) + 1.0f - float(w)) / float(w);   // 0 middle, 1 edge
            const auto v = [&](int far, int near) { return std::uint8_t(float(near) + (float(far) - float(near)) * edge); };
            FillRect(c, x, r.top, x + 1, r.bottom, Rgb{v(150, 255), v(200, 255), 255});
        }
    }
}

// The far field's sheet: the tower's tall piece is also the arena's east
// gate frame seen from Era03 (its lower part), so it is laid stone, courses
// of blocks with mortar lines, rather than a figure.
void DrawEncounterTowerStone(Canvas& c) {
    constexpr PictureRect r{189, 0, 292, 258};
    constexpr Rgb stone{150, 138, 120}, mortar{92, 82, 70};
    FillRect(c, r.left, r.top, r.right, r.bottom, mortar);
    constexpr int course = 16, block = 26;
    for (int row = 0, y = r.top; y < r.bottom; ++row, y += course) {
        const int shift = (row % 2) * (block / 2);
        for (int x = r.left - shift; x < r.right; x += block) {
            const int l = std::max(x + 1, r.left), t = y + 1, rr = std::min(x + block - 1, r.right);
            const int b = std::min(y + course - 1, r.bottom);
            const float k = 0.85f + 0.3f * Noise(x, y, 178);
            VerticalGradient(c, l, t, rr, b, Scale(stone, k * 1.1f), Scale(stone, k * 0.9f));
        }
    }
    FrameRect(c, r.left, r.top, r.right, r.bottom, 2, Scale(mortar, 0.8f));
    // Openings where the three actors stand inside once they have fled into
    // it, so whoever shoots from the tower is seen doing it.
    for (const PictureRect& o : kTowerOpenings) {
        const int kWindowLeft = o.left, kWindowRight = o.right, top = o.top, bottom = o.bottom;
        FillRect(c, kWindowLeft - 4, top - 6, kWindowRight + 4, top, Scale(stone, 0.7f));        // lintel
        FillRect(c, kWindowLeft - 4, bottom, kWindowRight + 4, bottom + 4, Scale(stone, 1.25f)); // sill
        FillRect(c, kWindowLeft - 4, top, kWindowLeft, bottom, Scale(stone, 0.8f));
        FillRect(c, kWindowRight, top, kWindowRight + 4, bottom, Scale(stone, 0.8f));
        FillRect(c, kWindowLeft, top, kWindowRight, bottom, kTransparent);
    }
}

// A small piece painted pixel by pixel from rows of letters ('.' leaves the
// sheet see-through), for cells too small for shapes to read.
struct PixelInk {
    char key;
    Rgb colour;
};
void PaintPixels(Canvas& c, int left, int top, std::initializer_list<const char*> rows,
                 std::initializer_list<PixelInk> inks) {
    int y = top;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x)
            for (const PixelInk& ink : inks)
                if (ink.key == row[x]) c.Put(left + x, y, ink.colour);
        ++y;
    }
}

// The three lookouts' missiles. The first one's shots: a glowing ember in
// flight (its small cell, inside the impact's) and the burst it makes where
// it strikes. The second one's spinning knife, level in one cell and turned
// in the other, bright steel outlined dark with a gilt guard, so it reads
// against sky, grass and the tower's stone alike. The third one's bomb: a
// black iron ball with its fuse, the second cell the same bomb flashing red
// as its fuse burns down.
void DrawEncounterShots(Canvas& c) {
    constexpr PictureRect impact = kEncounterMissileRects[0], flight = kEncounterMissileRects[1];
    FillRect(c, impact.left, impact.top, impact.right, impact.bottom, kTransparent);
    const float cx = float(impact.left + impact.right) * 0.5f, cy = float(impact.top + impact.bottom) * 0.5f;
    for (int k = 0; k < 8; ++k) {
        const float a = float(k) * 0.7853982f;
        Line(c, cx, cy, cx + std::cos(a) * 4.2f, cy + std::sin(a) * 3.6f, 1.2f, Rgb{255, 150, 60});
    }
    FillRect(c, flight.left, flight.top, flight.right, flight.bottom, Rgb{230, 80, 40});
    FillRect(c, flight.left + 1, flight.top + 1, flight.right - 1, flight.bottom - 1, Rgb{255, 236, 120});

    const std::initializer_list<PixelInk> knife = {
        {'o', Rgb{40, 34, 48}},    {'w', Rgb{250, 252, 255}}, {'s', Rgb{168, 182, 204}},
        {'g', Rgb{236, 190, 60}},  {'h', Rgb{170, 96, 40}},   {'H', Rgb{110, 58, 24}}};
    constexpr PictureRect level = kEncounterMissileRects[4], turned = kEncounterMissileRects[5];
    FillRect(c, level.left, level.top, level.right, level.bottom, kTransparent);
    PaintPixels(c, level.left, level.top,
                {".............",
                 "........g....",
                 ".ooooooog....",
                 "owwwwwwwghhhh",
                 ".sssssssgHHHH",
                 "..oooooog....",
                 "............."},
                knife);
    FillRect(c, turned.left, turned.top, turned.right, turned.bottom, kTransparent);
    PaintPixels(c, turned.left, turned.top,
                {"ow.............",
                 ".owws..........",
                 "..owwss........",
                 "....owwsg......",
                 "......ossgh....",
                 ".......g.HhhH..",
                 "...........HHh."},
                knife);

    constexpr PictureRect flashing = kEncounterMissileRects[2], lying = kEncounterMissileRects[3];
    for (const PictureRect& r : {lying, flashing}) {
        const bool lit = r.top == flashing.top;
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const ClipBox cell{r.left, r.top, r.right, r.bottom};
        SetClip(c, &cell);
        // The ball rests on the cell's last row, where the game sets it down.
        const float bx = float(r.left) + 5.0f, by = float(r.bottom) - 4.0f;
        FillDisc(c, bx, by, 4.0f, Rgb{28, 26, 34});
        FillDisc(c, bx, by, 3.2f, lit ? Rgb{210, 44, 32} : Rgb{64, 62, 78});
        FillDisc(c, bx - 1.2f, by - 1.2f, 1.1f, lit ? Rgb{255, 176, 120} : Rgb{156, 156, 172});
        // The fuse out of its cap, and the spark at its end.
        FillRect(c, int(bx) - 1, int(by) - 5, int(bx) + 2, int(by) - 3, Rgb{28, 26, 34});
        Line(c, bx + 1.0f, by - 5.0f, bx + 2.5f, by - 6.5f, 1.0f, Rgb{196, 170, 120});
        const int sx = int(bx + 3.5f), sy = r.top + 1;
        if (lit)
            for (const auto& [dx, dy] : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}})
                c.Put(sx + dx, sy + dy, Rgb{255, 220, 100});
        c.Put(sx, sy, Rgb{255, 255, 220});
        SetClip(c, nullptr);
    }
}

// The lookouts' hut at the encounter's idle spot (its set piece 22, standing on
// the ground at A + 485) with the small door the first lookout leaps in
// through (A + 492 .. 515, the lowest 22 rows), the door standing open (a
// piece of its own, drawn over the closed one) and the pouch it drops.
void DrawEncounterHut(Canvas& c) {
    constexpr PictureRect hut{0, 101, 75, 156}, open{153, 114, 176, 136}, pouch{123, 122, 135, 136};
    const Rgb stone{150, 140, 124}, stoneDark{104, 96, 86}, thatch{176, 146, 80}, thatchDark{130, 104, 56},
        wood{130, 86, 50}, woodDark{86, 56, 32};
    FillRect(c, hut.left, hut.top, hut.right, hut.bottom, kTransparent);
    const ClipBox hutBox{hut.left, hut.top, hut.right, hut.bottom};
    SetClip(c, &hutBox);
    FillEllipse(c, float(hut.left) + 37.5f, float(hut.bottom) + 4.0f, 36.0f, 38.0f, stoneDark);
    FillEllipse(c, float(hut.left) + 36.0f, float(hut.bottom) + 4.0f, 33.0f, 35.0f, stone);
    for (int y = hut.top + 24; y < hut.bottom; y += 8) {
        const float dy = (float(y) - float(hut.bottom) - 4.0f) / 35.0f;
        const float half = 33.0f * std::sqrt(std::max(0.0f, 1.0f - dy * dy));
        FillRect(c, int(float(hut.left) + 36.0f - half), y, int(float(hut.left) + 36.0f + half), y + 1, stoneDark);
    }
    const float roof[] = {float(hut.left) + 2, float(hut.top) + 26, float(hut.left) + 37.5f, float(hut.top),
                          float(hut.right) - 2, float(hut.top) + 26};
    FillPolygon(c, roof, 3, thatch);
    for (int k = 0; k < 6; ++k)
        Line(c, float(hut.left) + 37.5f, float(hut.top) + 2, float(hut.left) + 8 + 12.0f * float(k),
             float(hut.top) + 25, 1.0f, thatchDark);
    // Its small door, closed, and a lit window.
    FillRect(c, hut.left + 7, hut.bottom - 22, hut.left + 30, hut.bottom, woodDark);
    FillRect(c, hut.left + 9, hut.bottom - 20, hut.left + 28, hut.bottom, wood);
    FillDisc(c, float(hut.left) + 25.0f, float(hut.bottom) - 10.0f, 1.5f, Rgb{230, 196, 90});
    FillRect(c, hut.left + 45, hut.top + 32, hut.left + 57, hut.top + 42, Rgb{250, 220, 130});
    FrameRect(c, hut.left + 45, hut.top + 32, hut.left + 57, hut.top + 42, 1, woodDark);
    SetClip(c, nullptr);
    // The door standing open: the dark doorway, the leaf swung against the jamb.
    FillRect(c, open.left, open.top, open.right, open.bottom, woodDark);
    FillRect(c, open.left + 2, open.top + 2, open.right - 5, open.bottom, Rgb{40, 30, 26});
    FillRect(c, open.right - 5, open.top + 1, open.right, open.bottom, wood);
    // The pouch: a small leather bag tied at its neck.
    FillRect(c, pouch.left, pouch.top, pouch.right, pouch.bottom, kTransparent);
    FillEllipse(c, float(pouch.left) + 6.0f, float(pouch.bottom) - 5.0f, 5.5f, 5.0f, Rgb{150, 100, 54});
    FillEllipse(c, float(pouch.left) + 4.5f, float(pouch.bottom) - 6.5f, 2.0f, 2.0f, Rgb{186, 132, 74});
    FillRect(c, pouch.left + 4, pouch.top + 2, pouch.left + 8, pouch.top + 5, Rgb{120, 80, 44});
    FillRect(c, pouch.left + 3, pouch.top + 4, pouch.left + 9, pouch.top + 5, Rgb{230, 196, 90});
}

// The tower's floor slab: a stone slab whose top is the cell's top row, where
// the actors' feet are placed, its free end on the cell's left (the part that
// slides out of the wall; the gate seen from Era03 mirrors it).
void DrawTowerFloorSlab(Canvas& c) {
    constexpr PictureRect r = kTowerFloorSlab;
    constexpr Rgb stone{150, 138, 120}, mortar{92, 82, 70};
    constexpr int thick = 11;
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    for (int y = r.top; y < r.top + thick; ++y) {
        // The underside of the free end is bevelled up.
        const int from = r.left + std::max(0, y - (r.top + thick - 5)) * 2;
        for (int x = from; x < r.right; ++x) {
            const float k = 0.9f + 0.2f * Noise(x / 3, y / 3, 237);
            Rgb px = Scale(stone, k);
            if (y < r.top + 2) px = Scale(stone, 1.22f);                 // the lit top face
            else if (y == r.top + thick - 1 || x == from) px = mortar;    // the shadowed edge
            else if ((x - r.left) % 25 == 24) px = Scale(mortar, 1.1f);  // the joints
            c.Put(x, y, Solid(px));
        }
    }
}

// The third opponent's afterimage glow, drawn 10 and 30 times its size over
// the arena with the vertex colour's alpha: only the few texels round the
// placed point are lit, white at the middle and warm gold round it, so the
// magnified texture's filtering turns them into a soft round light on the
// afterimage (some 60 and 180 px across) and the rest of the scene and the
// message box stay clear. A whole lit circle would be blown up into a disc
// over the whole screen, its edge stepped by the 10- and 30-px texels.
void DrawRound3Glow(Canvas& c) {
    for (const PictureRect& r : kRound3GlowRects) {
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const float cx = float(r.left) + kRound3GlowCentreX, cy = float(r.top) + kRound3GlowCentreY;
        constexpr float kRadius = 2.0f;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const float d = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy) / kRadius;
                if (d >= 1.0f) continue;
                c.Put(x, y, Solid(Mix(Rgb{255, 255, 250}, Rgb{255, 222, 160}, d)));
            }
    }
}

// Encounter C's last-phase servants carry two loose parts each, held at the
// part's turning point: parts 1 and 2 are her wings, spread up and out from
// their root at the shoulder; part 3 a curved blade and part 4 a straight
// sword, each held by its hilt at the turning point. A part whose bottom the
// game trims loses its lowest feathers or the end of its grip first.
void DrawServantParts(Canvas& c) {
    namespace p = encounter_c_parts;
    const Rgb plume{96, 74, 128}, quill{62, 48, 86}, edge{184, 166, 214};
    const Rgb steel{196, 204, 220}, shine{242, 246, 255}, spine{116, 122, 140}, guard{206, 166, 74},
        grip{96, 62, 40};
    for (int code = 1; code <= 4; ++code) {
        const p::PartCell& r = p::kCells[code];
        const ClipBox box{r.left, r.top, r.right, r.bottom};
        SetClip(c, &box);
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const float x0 = float(r.left), y0 = float(r.top), w = float(r.right - r.left), h = float(r.bottom - r.top);
        const float rx = x0 + r.centreX, ry = y0 + r.centreY;   // the turning point
        if (code <= 2) {
            // A wing: the leading edge sweeps from the root up to the tip at
            // the top right; the feathers hang from it back to the root.
            const float tipX = x0 + w - 3, tipY = y0 + 3;
            const float wing[] = {rx - 3, ry + 4, rx - 2, ry - 8, x0 + w * 0.45f, y0 + h * 0.12f, tipX, tipY,
                                  x0 + w - 6, y0 + h * 0.42f, x0 + w * 0.62f, y0 + h - 4, x0 + w * 0.3f, y0 + h - 2};
            FillPolygon(c, wing, 7, plume);
            // The feathers' ends scalloped along the trailing edge, and their quills.
            for (int k = 0; k < 6; ++k) {
                const float t = float(k) / 5.0f;
                const float fx = x0 + w * (0.28f + 0.66f * t), fy = y0 + h * (0.92f - 0.55f * t);
                FillEllipse(c, fx, fy, 5.0f, 3.5f, Scale(plume, 0.9f + 0.1f * float(k % 2)));
                Line(c, rx + 2, ry - 4, fx, fy, 1.2f, quill);
            }
            Line(c, rx - 2, ry - 6, x0 + w * 0.45f, y0 + h * 0.12f + 1, 2.5f, edge);
            Line(c, x0 + w * 0.45f, y0 + h * 0.12f + 1, tipX, tipY + 1, 2.0f, edge);
            FillDisc(c, rx, ry, 4.0f, Scale(plume, 0.8f));
        } else if (code == 3) {
            // A curved blade: hilt at the turning point, the edge bowed out
            // as it rises to the point at the top left.
            const float gx = rx - 4, gy = ry - 5;   // the guard
            Line(c, rx + 2, ry + 6, gx, gy, 3.5f, grip);
            Line(c, gx - 6, gy + 5, gx + 6, gy - 5, 3.0f, guard);
            const float blade[] = {gx - 2, gy - 1, gx - 14, y0 + h * 0.45f, x0 + 4, y0 + 3,
                                   x0 + w * 0.42f, y0 + h * 0.38f, gx + 3, gy - 4};
            FillPolygon(c, blade, 5, steel);
            Line(c, gx - 2, gy - 2, gx - 14, y0 + h * 0.45f, 1.5f, shine);
            Line(c, gx - 14, y0 + h * 0.45f, x0 + 4, y0 + 3, 1.5f, shine);
            Line(c, gx + 2, gy - 5, x0 + w * 0.42f, y0 + h * 0.38f, 1.2f, spine);
            FillDisc(c, rx + 2, ry + 6, 2.0f, guard);
        } else {
            // A straight sword standing on its hilt: the grip under the
            // guard at the turning point, the blade up to its point.
            const float cx = rx, top = y0 + 2, guardY = ry - 2;
            const float blade[] = {cx - 2.5f, guardY, cx - 2.5f, top + 8, cx, top, cx + 2.5f, top + 8, cx + 2.5f, guardY};
            FillPolygon(c, blade, 5, steel);
            Line(c, cx - 1.5f, guardY - 1, cx - 1.5f, top + 8, 1.0f, shine);
            Line(c, cx + 0.5f, guardY - 1, cx + 0.5f, top + 6, 1.0f, spine);
            FillRect(c, int(cx - 6), int(guardY), int(cx + 7), int(guardY + 3), guard);
            FillRect(c, int(cx - 1), int(guardY + 3), int(cx + 2), int(y0 + h - 3), grip);
            FillDisc(c, cx + 0.5f, y0 + h - 2.5f, 2.0f, guard);
        }
    }
    SetClip(c, nullptr);
}

// Encounter B's great blade, longer than he is tall: pommel, grip and a
// broad guard at the top of its cell, the straight blade down to the point
// at the bottom, where it stands planted beside him and from where it turns
// when he swings it by the pommel. The strip its broken lower half falls as
// is the middle of that blade. Over his shoulder while he walks it rises
// behind his head: its lower part in the walking frame, its upper part in
// the piece above. His quick flourish leaves a pale streak, and the shards
// it breaks into are slivers of its steel. Besides the blade: his layers
// over his chest and fists.
struct BladeColours {
    Rgb steel{214, 222, 236}, shine{246, 248, 255}, shade{150, 160, 182}, fuller{176, 186, 206};
    Rgb guard{206, 166, 74}, guardDark{140, 104, 40}, grip{88, 56, 40}, wrap{60, 38, 28};
};

// A blade along the unit direction (dx, dy) from its guard at (gx, gy):
// `length` px to the point, `half` px wide either side of its spine.
void PaintBladeFrom(Canvas& c, float gx, float gy, float dx, float dy, float length, float half) {
    const BladeColours k;
    const float nx = -dy, ny = dx;   // across the blade
    const float taper = std::min(length * 0.1f, half * 2.2f);
    const float sx = gx + dx * (length - taper), sy = gy + dy * (length - taper);
    const float px = gx + dx * length, py = gy + dy * length;
    const float body[] = {gx + nx * half, gy + ny * half, sx + nx * half, sy + ny * half, px, py,
                          sx - nx * half, sy - ny * half, gx - nx * half, gy - ny * half};
    FillPolygon(c, body, 5, Solid(k.steel));
    // The lit edge on one side, the shaded one on the other, the fuller
    // down the middle.
    const float lit[] = {gx + nx * half, gy + ny * half, sx + nx * half, sy + ny * half, px, py,
                         sx + nx * half * 0.45f, sy + ny * half * 0.45f, gx + nx * half * 0.45f, gy + ny * half * 0.45f};
    FillPolygon(c, lit, 5, Solid(k.shine));
    const float shaded[] = {gx - nx * half, gy - ny * half, sx - nx * half, sy - ny * half, px, py,
                            sx - nx * half * 0.5f, sy - ny * half * 0.5f, gx - nx * half * 0.5f, gy - ny * half * 0.5f};
    FillPolygon(c, shaded, 5, Solid(k.shade));
    Line(c, gx + dx * 4, gy + dy * 4, gx + dx * (length - taper - 6), gy + dy * (length - taper - 6), 1.6f,
         Solid(k.fuller));
}

// Its hilt behind the guard at (gx, gy), away from the point's direction.
void PaintBladeHilt(Canvas& c, float gx, float gy, float dx, float dy, float guardHalf) {
    const BladeColours k;
    const float nx = -dy, ny = dx;
    Line(c, gx - dx * 3, gy - dy * 3, gx - dx * 26, gy - dy * 26, 6.0f, Solid(k.grip));
    for (int w = 0; w < 4; ++w) {
        const float t = 7.0f + 5.0f * float(w);
        Line(c, gx - dx * t + nx * 3, gy - dy * t + ny * 3, gx - dx * (t + 2) - nx * 3, gy - dy * (t + 2) - ny * 3, 1.2f,
             Solid(k.wrap));
    }
    FillDisc(c, gx - dx * 29, gy - dy * 29, 4.5f, Solid(k.guard));
    FillDisc(c, gx - dx * 29.5f, gy - dy * 29.5f, 2.0f, Solid(k.guardDark));
    const float bar[] = {gx + nx * guardHalf, gy + ny * guardHalf, gx + nx * guardHalf + dx * 3, gy + ny * guardHalf + dy * 3,
                         gx + dx * 4, gy + dy * 4, gx - nx * guardHalf + dx * 3, gy - ny * guardHalf + dy * 3,
                         gx - nx * guardHalf, gy - ny * guardHalf, gx - dx * 3, gy - dy * 3};
    FillPolygon(c, bar, 6, Solid(k.guard));
    Line(c, gx + nx * (guardHalf - 1), gy + ny * (guardHalf - 1), gx - nx * (guardHalf - 1), gy - ny * (guardHalf - 1), 1.2f,
         Solid(k.guardDark));
}

void DrawEncounterBBlade(Canvas& c) {
    namespace b = encounter_b_frames;
    const b::LayerRow* planted = nullptr;
    const b::LayerRow* broken = nullptr;
    const b::LayerRow* shouldered = nullptr;
    const b::LayerRow* streak = nullptr;
    for (const b::LayerRow& l : b::kLayers) {
        if (l.code == 201) planted = &l;
        if (l.code == 209) broken = &l;
        if (l.code == 204) shouldered = &l;
        if (l.code == 203) streak = &l;
    }
    // The whole blade, its point on the pivot at the foot of the cell. The
    // cell's lower right corner is also the corner of a body frame, left as
    // that frame is painted.
    const b::Rect& r = planted->src;
    const float cx = float(r.left) + planted->cx;
    FillRect(c, r.left, r.top, r.right - 5, r.bottom, kTransparent);
    FillRect(c, r.right - 5, r.top, r.right, r.bottom - 25, kTransparent);
    const ClipBox whole{r.left, r.top, r.right, r.bottom};
    SetClip(c, &whole);
    const float guardY = float(r.top) + 36.0f;
    // As wide as the strip its broken half falls as.
    const float half = float(broken->src.right - broken->src.left) * 0.5f;
    PaintBladeFrom(c, cx, guardY, 0.0f, 1.0f, float(r.bottom) - 1.0f - guardY, half);
    PaintBladeHilt(c, cx, guardY, 0.0f, 1.0f, cx - float(r.left) - 7.0f);

    // Over the shoulder: the walking frame shows him from the feet up; the
    // piece above his head takes the blade on. Both measured from his feet.
    const b::FrameRow* walk = nullptr;
    for (const b::FrameRow& f : b::kFrames)
        if (f.frame == 9) walk = &f;
    const b::Rect& w = walk->src;
    const float feetX = float(w.left) + walk->cx, feetY = float(w.top) + walk->cy;
    // His head and his back at the shoulder, as the figure painter left them.
    int headTop = w.bottom;
    for (int y = w.top; y < w.bottom && headTop == w.bottom; ++y)
        for (int x = w.left; x < w.right; ++x)
            if (!(c.At(x, y) == kTransparent)) {
                headTop = y;
                break;
            }
    const float height = feetY - float(headTop);
    const int shoulderY = int(float(headTop) + height * 0.2f);
    // His fist at his chest, the blade leant back a little against his
    // shoulder (he faces left on the sheet), its point within the piece
    // above his head. It leaves the frame close behind his head: the piece
    // above is turned a little about his feet, and further out its lower
    // edge would lift off the frame's top.
    const b::Rect& up = shouldered->src;
    const float ox = float(up.left) + shouldered->cx - feetX, oy = float(up.top) + shouldered->cy - feetY;
    const float lean = 0.12f, crossX = feetX + 3.0f;
    const float handY = float(shoulderY) + height * 0.15f, handX = crossX - (handY - float(w.top)) * std::tan(lean);
    const float dx = std::sin(lean), dy = -std::cos(lean);
    const float guardX = handX + dx * 14.0f, guardYW = handY + dy * 14.0f;
    const float length = std::min(150.0f, (guardYW + oy - float(up.top) - 2.0f) / -dy);
    std::vector<Rgb> figure;
    for (int y = w.top; y < w.bottom; ++y)
        for (int x = w.left; x < w.right; ++x) figure.push_back(c.At(x, y));
    const ClipBox walkBox{w.left, w.top, w.right, w.bottom};
    SetClip(c, &walkBox);
    PaintBladeFrom(c, guardX, guardYW, dx, dy, length, half);
    PaintBladeHilt(c, guardX, guardYW, dx, dy, 16.0f);
    // Behind him: where the figure was painted it stays; his fist on the grip.
    std::size_t i = 0;
    for (int y = w.top; y < w.bottom; ++y)
        for (int x = w.left; x < w.right; ++x, ++i)
            if (!(figure[i] == kTransparent)) c.Put(x, y, figure[i]);
    FillDisc(c, handX, handY, 4.0f, Solid(Rgb{250, 214, 180}));
    // The piece above his head: the same blade, moved to that cell's place
    // and turned against the fixed turn the game gives the piece about his
    // feet, so that the two meet.
    SetClip(c, nullptr);
    FillRect(c, up.left, up.top, up.right, up.bottom, kTransparent);
    const ClipBox upBox{up.left, up.top, up.right, up.bottom};
    SetClip(c, &upBox);
    const float turn = -float(shouldered->angle) * kPi / 180.0f, ct = std::cos(turn), st = std::sin(turn);
    const float px = float(up.left) + shouldered->cx, py = float(up.top) + shouldered->cy;
    const float gx = guardX + ox - px, gy = guardYW + oy - py;
    PaintBladeFrom(c, px + ct * gx - st * gy, py + st * gx + ct * gy, ct * dx - st * dy, st * dx + ct * dy, length, half);

    // The flourish: a crescent, thick in the middle, fading to its ends.
    const b::Rect& s = streak->src;
    SetClip(c, nullptr);
    FillRect(c, s.left, s.top, s.right, s.bottom, kTransparent);
    const ClipBox streakBox{s.left, s.top, s.right, s.bottom};
    SetClip(c, &streakBox);
    const float sw = float(s.right - s.left), sh = float(s.bottom - s.top);
    for (int k = 0; k <= 24; ++k) {
        const float t = float(k) / 24.0f;
        const float x = float(s.left) + 2.0f + t * (sw - 4.0f);
        const float y = float(s.top) + sh * 0.35f + std::sin(t * kPi) * sh * 0.3f;
        const float thick = 1.0f + std::sin(t * kPi) * sh * 0.22f;
        FillDisc(c, x, y, thick, Solid(Mix(Rgb{150, 180, 230}, Rgb{246, 248, 255}, std::sin(t * kPi))));
    }

    // The layers his standing frames bring over his chest (breathing) and
    // over his raised fists (readying the blade) show him as the frame under
    // them does, so that they lie on him without a seam.
    for (const b::PoseRow& pose : b::kPoses) {
        const b::LayerRow* layer = nullptr;
        const b::FrameRow* under = nullptr;
        for (const b::LayerRow& l : b::kLayers)
            if (l.code == pose.layer1 && l.code >= 101 && l.code <= 104) layer = &l;
        for (const b::FrameRow& f : b::kFrames)
            if (f.frame == pose.frame) under = &f;
        if (layer == nullptr || under == nullptr) continue;
        const b::Rect& lr = layer->src;
        const b::Rect& fr = under->src;
        SetClip(c, nullptr);
        for (int v = lr.top; v < lr.bottom; ++v)
            for (int u = lr.left; u < lr.right; ++u) {
                const int fx = int(float(fr.left) + under->cx + (float(u - lr.left) - layer->cx));
                const int fy = int(float(fr.top) + under->cy + (float(v - lr.top) - layer->cy) + float(layer->dy));
                const bool inside = fx >= fr.left && fx < fr.right && fy >= fr.top && fy < fr.bottom;
                c.Put(u, v, inside ? c.At(fx, fy) : kTransparent);
            }
    }

    // The shards the blade breaks into and throws: slivers of its steel,
    // each a long splinter from corner to corner with a lit edge.
    const BladeColours k;
    int n = 0;
    for (const b::ShardRow& row : b::kShardRows) {
        const float l = float(b::kShardLeft), t = float(row.top), rr = float(row.right), bb = float(row.bottom);
        SetClip(c, nullptr);
        FillRect(c, b::kShardLeft, row.top, row.right, row.bottom, kTransparent);
        const ClipBox shardBox{b::kShardLeft, row.top, row.right, row.bottom};
        SetClip(c, &shardBox);
        const bool flip = (n++ % 2) == 1;
        const float ax = flip ? rr - 1 : l + 1, bx = flip ? l + 1 : rr - 1;
        const float sliver[] = {ax, t + 1, (l + rr) * 0.5f + (flip ? -2.0f : 2.0f), (t + bb) * 0.5f - 2.0f, bx, bb - 1,
                                (l + rr) * 0.5f + (flip ? 2.0f : -2.0f), (t + bb) * 0.5f + 2.0f};
        FillPolygon(c, sliver, 4, Solid(k.steel));
        Line(c, ax, t + 1, bx, bb - 1, 1.0f, Solid(k.shine));
        Line(c, (l + rr) * 0.5f + (flip ? 2.0f : -2.0f), (t + bb) * 0.5f + 2.0f, bx, bb - 1, 1.0f, Solid(k.shade));
    }
    SetClip(c, nullptr);
}

// What Era03's field cuts from the creature's sheet besides the creature:
// the trees the placed objects rest in. The rows stand the poles up as
// trunks, lean the stakes out of them as branches in pairs (the shorter
// cuts are a branch's outer part, so each branch's leaves are in its outer
// part, its inner part bare), the peg is a short leafy sprig and the posts
// young trees leaning out of the ground; and the seeds the creature shoots.
void DrawEra03FieldPieces(Canvas& c) {
    const Rgb bark{112, 80, 50}, barkLit{150, 112, 72}, barkDark{74, 52, 34};
    const Rgb leaf{74, 138, 62}, leafLit{116, 176, 84}, leafDark{46, 98, 48};
    // A trunk lying along the cell (the rows turn it upright: its left end
    // on the ground, its top rows on the left): bark lit on one side, a knot
    // now and then. The rows stand a second pole on the first some 8 px
    // further left, so the trunk leans toward it across the cell, its foot
    // along the bottom edge and its head along the top, and the pole stood
    // on it goes on from there; it narrows from 8 px to 6 as it rises.
    auto clip = [&](const Era03SheetRect& r) {
        const ClipBox box{r.left, r.top, r.right, r.bottom};
        SetClip(c, &box);   // the canvas keeps its own copy
    };
    auto trunk = [&](const Era03SheetRect& r) {
        clip(r);
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const int w = r.right - r.left;
        const float footMid = float(r.bottom) - 4.0f, headMid = float(r.top) + 3.0f;
        auto at = [&](float x, float foot, float head) { return foot + (head - foot) * (x - float(r.left)) / float(w - 1); };
        auto mid = [&](float x) { return at(x, footMid, headMid); };
        for (int x = r.left; x < r.right; ++x)
            for (int y = r.top; y < r.bottom; ++y) {
                const float half = at(float(x), 4.0f, 3.0f);
                const float across = (float(y) + 0.5f - (mid(float(x)) - half)) / (2.0f * half);
                if (across < 0.0f || across > 1.0f) continue;
                const Rgb base = across < 0.3f ? barkLit : across > 0.7f ? barkDark : bark;
                Plot(c, x, y, Solid(Scale(base, 0.88f + 0.2f * Noise(x / 4, y, 0xB4A2u))));
            }
        for (int x = r.left + 11; x < r.right - 6; x += 29)
            FillEllipse(c, float(x), mid(float(x)), 2.0f, 1.2f, Solid(barkDark));
    };
    // Leaves in clusters over the part of the cell from `from` (0 the
    // top) to `to` of its height, round a stem up its axis at column `stem`.
    auto foliage = [&](const Era03SheetRect& r, float stem, float from, float to, std::uint32_t seed) {
        const float w = float(r.right - r.left), h = float(r.bottom - r.top);
        for (int k = 0; k < 26; ++k) {
            const float v = from + (to - from) * Noise(k, 1, seed);
            const float u = 0.18f + 0.64f * Noise(k, 2, seed);
            const float rad = 3.0f + 2.5f * Noise(k, 3, seed);
            const Rgb tone = k % 3 == 0 ? leafDark : k % 3 == 1 ? leaf : leafLit;
            FillDisc(c, float(r.left) + u * w, float(r.top) + v * h, rad, Solid(tone));
        }
        (void)stem;
    };
    auto branch = [&](const Era03SheetRect& r, float stemX, float leafFrom, std::uint32_t seed) {
        clip(r);
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const float h = float(r.bottom - r.top);
        // The bare wood from the trunk, thinning out toward its tip.
        Line(c, float(r.left) + stemX, float(r.bottom) - 1, float(r.left) + stemX + 6, float(r.top) + h * 0.25f, 3.0f,
             Solid(bark));
        Line(c, float(r.left) + stemX + 6, float(r.top) + h * 0.25f, float(r.left) + stemX + 9, float(r.top) + 2, 1.6f,
             Solid(barkLit));
        foliage(r, stemX, 0.04f, leafFrom, seed);
    };
    for (const Era03FieldPiece& p : {kEra03Pole, kEra03ShortPole}) trunk(p.src);
    // The stake is one branch, cut at three lengths from its tip: its leaves
    // fill its outer half, so even the shortest cut is a crown of leaves.
    branch(kEra03Stakes[2].src, kEra03Stakes[2].cx, 0.5f, 0x5EA1u);
    branch(kEra03Peg.src, kEra03Peg.cx, 0.6f, 0x9E61u);
    // The posts: young trees, a thin trunk up from their point to a crown.
    for (const Era03FieldPiece& p : kEra03Posts) {
        const Era03SheetRect& r = p.src;
        clip(r);
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const float h = float(r.bottom - r.top);
        Line(c, float(r.left) + p.cx, float(r.top) + p.cy, float(r.left) + p.cx - 4, float(r.top) + h * 0.3f, 3.0f,
             Solid(bark));
        foliage(r, p.cx - 4, 0.02f, 0.42f, 0x7051u + std::uint32_t(r.left));
    }
    SetClip(c, nullptr);
    // The placed objects that wake and leap at her: a small round beast,
    // resting (1), twitching (2) and in its leap (3).
    for (const Era03FieldPiece& p : kEra03PlacedObjectLooks) {
        const Era03SheetRect& r = p.src;
        const float cx = float(r.left + r.right) * 0.5f, w = float(r.right - r.left), h = float(r.bottom - r.top);
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        FillEllipse(c, cx, float(r.top) + h * 0.55f, w * 0.47f, h * 0.44f, Solid(Rgb{150, 92, 52}));
        FillEllipse(c, cx, float(r.top) + h * 0.42f, w * 0.3f, h * 0.2f, Solid(Rgb{196, 138, 84}));
        for (const float side : {-1.0f, 1.0f})
            FillDisc(c, cx + side * w * 0.17f, float(r.top) + h * 0.45f, 1.0f, Solid(Rgb{24, 16, 12}));
    }
    for (std::int32_t code : {111, 121, 131, 141}) {
        const Era03SheetRect r = Era03CreatureCellOf(code).src;
        const float cx = float(r.left + r.right) * 0.5f, cy = float(r.top + r.bottom) * 0.5f;
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        FillDisc(c, cx, cy, float(r.right - r.left) * 0.45f, Solid(Rgb{120, 80, 40}));
        FillDisc(c, cx - 1.0f, cy - 1.0f, 1.0f, Solid(Rgb{230, 200, 150}));
    }
}

}  // namespace

Canvas DrawPicture(const PictureInfo& info) {
    Canvas c(info.width, info.height);
    switch (info.kind) {
        case PictureKind::Black: break;
        case PictureKind::Heroine: DrawSheet(c, info, 128.0f, FigureKind::Heroine, FigureKind::Heroine); break;
        case PictureKind::Figures: DrawSheet(c, info, 150.0f, FigureKind::Character, FigureKind::Creature); break;
        case PictureKind::Scenery: DrawScenery(c, info); break;
        case PictureKind::Panorama: DrawPanorama(c, info); break;
        case PictureKind::Props:
            DrawSheet(c, info, std::max(24.0f, std::min<float>(info.width, info.height) * 0.9f), FigureKind::Prop,
                      FigureKind::Effect);
            break;
        case PictureKind::Backdrop: DrawBackdrop(c, info); break;
        case PictureKind::Sky: DrawSky(c); break;
        case PictureKind::FarBand: DrawFarBand(c, info); break;
        case PictureKind::FarShape: DrawFarShape(c, info); break;
        case PictureKind::GroundTiles: DrawGroundTiles(c, info); break;
        case PictureKind::GroundColumns: DrawGroundColumns(c, info); break;
        case PictureKind::EdgePiece: DrawEdgePiece(c); break;
        case PictureKind::Effects:
            DrawSheet(c, info, std::max(24.0f, std::min<float>(info.height, 64.0f)), FigureKind::Effect,
                      FigureKind::Effect);
            break;
        case PictureKind::Icons:
            DrawSheet(c, info, std::max(20.0f, std::min<float>(info.height, 48.0f)), FigureKind::Icon,
                      FigureKind::Icon);
            break;
        case PictureKind::MenuPanel: DrawMenuPanel(c, info); break;
        case PictureKind::MenuColumn: DrawMenuColumn(c, info); break;
        case PictureKind::MenuTile: DrawMenuTile(c); break;
        case PictureKind::MessageBox: DrawMessageBox(c); break;
        case PictureKind::Logo: DrawLogo(c); break;  // every strip is a logo frame
        case PictureKind::TitleFigures:
        case PictureKind::Hud:
        case PictureKind::Loading: break;
        case PictureKind::Gauge: FillRect(c, 0, 0, c.width, c.height, Rgb{20, 20, 28}); break;
    }
    // Rect-source figures go over the base pattern, each on a cleared rectangle.
    for (const RectSource& r : RectSources()) {
        if (r.resourceId != info.id) continue;
        for (const PictureRect& s : r.rects)
            FillRect(c, s.left, s.top, s.right, s.bottom, info.keyed ? kTransparent : Rgb{20, 20, 28});
        DrawFiguresAt(c, r.rects, r.kind, r.glyphs);
    }
    // Pictures the menu and scenery tables cut up hold nothing but their
    // pieces, each a whole figure of its own.
    const bool menuPieces = HasMenuSheetArt(info.id), sceneryPieces = HasSceneryPieceArt(info.id);
    if ((menuPieces || (sceneryPieces && SceneryPiecesFillPicture(info.id))) && info.keyed)
        FillRect(c, 0, 0, c.width, c.height, kTransparent);
    if (sceneryPieces) DrawSceneryPieceArt(c, info);  // first: it clears what lies outside its pieces
    if (menuPieces) DrawMenuSheetArt(c, info);
    // Pictures the game's sprite tables cut up get a figure in every piece.
    if (HasSpriteTableArt(info.id)) DrawSpriteTableArt(c, info);
    // The Era04 scenery sheets are nothing but the stage's pieces.
    if (HasEra04SceneryArt(info.id)) DrawEra04SceneryArt(c, info);
    if (HasCampArt(info.id)) DrawCampArt(c, info);
    if (info.id == kEra03FieldPiecesSheet) DrawEra03FieldPieces(c);
    // Every figure over what the pictures' own painters left: one look per
    // figure in every cell its tables cut.
    DrawFigureCells(c, info);
    if (info.id == boss_frames::kSheetResource) DrawBossLights(c);
    if (info.id == encounter_a_frames::kSheetResource) DrawEncounterABeams(c);
    if (info.id == 178) {
        DrawEncounterShots(c);
        DrawEncounterHut(c);
        DrawEncounterTowerStone(c);
        DrawTowerFloorSlab(c);
    }
    if (info.id == 184) DrawRound3Glow(c);
    if (info.id == encounter_c_parts::kSheetResource) DrawServantParts(c);
    if (info.id == encounter_b_frames::kSheetResource) DrawEncounterBBlade(c);
    if (info.id == encounter_c_frames::kSheet69Resource) DrawEncounterCWares(c);
    if (HasArenaStandArt(info.id)) DrawArenaStandArt(c, info);
    if (HasArenaSceneArt(info.id)) DrawArenaSceneArt(c, info);
    if (HasArenaEffectArt(info.id)) DrawArenaEffectArt(c, info);
    if (HasTournamentArt(info.id)) DrawTournamentArt(c, info);
    if (HasFieldPieceArt(info.id)) DrawFieldPieceArt(c, info);
    return c;
}

}  // namespace art
