#include "tools/art/stage_backdrop_art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace art {

namespace {

constexpr int kSkyBottom = 765;  // the sky picture's height, drawn from the top of the screen

Rgb Ramp(float t, std::initializer_list<std::pair<float, Rgb>> stops) {
    auto prev = *stops.begin();
    for (const auto& s : stops) {
        if (t <= s.first) {
            if (s.first <= prev.first) return s.second;
            return Mix(prev.second, s.second, (t - prev.first) / (s.first - prev.first));
        }
        prev = s;
    }
    return prev.second;
}

float Smooth(float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// A cumulus: a row of round tops over a flat, shaded underside.
void Cumulus(Canvas& c, float cx, float base, float w, std::uint32_t seed) {
    const Rgb shade{206, 214, 232}, body{240, 243, 250}, lit{252, 253, 255};
    FillEllipse(c, cx, base - w * 0.06f, w * 0.5f, w * 0.09f, shade);
    const int puffs = 5;
    for (int k = 0; k < puffs; ++k) {
        const float f = (float(k) + 0.5f) / float(puffs) - 0.5f;   // -0.4 .. 0.4
        const float r = w * (0.2f - 0.22f * f * f + 0.05f * Noise(k, 3, seed));
        FillDisc(c, cx + f * w * 0.78f, base - w * 0.1f - r * 0.55f, r, k % 2 ? body : lit);
    }
    FillEllipse(c, cx, base - w * 0.09f, w * 0.44f, w * 0.06f, body);
    FillEllipse(c, cx, base - w * 0.02f, w * 0.4f, w * 0.03f, shade);
}

// The lone peak: a tall mountain with a lower shoulder to its right, lit
// from the left, snow on both tops. Its picture ends 14 rows below the
// horizon, so its foot stands on the far plain; towards that foot it takes
// on the plain's hazy colour row by row and meets it without an edge.
void DrawPeak(Canvas& c) {
    const float w = float(c.width), h = float(c.height);
    struct Peak {
        float ax, ay, leftFoot, rightFoot, haze;
    };
    const Peak peaks[] = {{w * 0.42f, 4.0f, 0.0f, w, 0.0f}, {w * 0.74f, h * 0.4f, w * 0.46f, w - 1.0f, 0.22f}};
    const Rgb litFace{132, 144, 182}, darkFace{90, 102, 142}, snowLit{242, 245, 251}, snowDark{196, 206, 228};
    for (int x = 0; x < c.width; ++x) {
        for (int y = 0; y < c.height; ++y) {
            // The main peak stands in front of the hazier shoulder.
            const Peak* hit = nullptr;
            for (int k = 0; k < 2 && !hit; ++k) {
                const Peak& p = peaks[k];
                const float fx = float(x);
                const float edge = fx < p.ax ? p.ay + (h - p.ay) * (p.ax - fx) / (p.ax - p.leftFoot)
                                             : p.ay + (h - p.ay) * (fx - p.ax) / (p.rightFoot - p.ax);
                const float jag = 3.0f * Noise(x / 3, k, 121);
                if (float(y) >= edge + jag) hit = &p;
            }
            if (!hit) continue;
            const bool lit = float(x) < hit->ax + (float(y) - hit->ay) * 0.12f;
            Rgb col = lit ? litFace : darkFace;
            const float snowLine = hit->ay + (h - hit->ay) * (0.2f + 0.05f * Noise(x / 5, 9, 121));
            if (float(y) < snowLine) col = lit ? snowLit : snowDark;
            col = Scale(col, 0.96f + 0.08f * Noise(x / 2, y / 2, 122));
            const int screenY = kPeakTopY + y;
            col = Mix(col, SkyRowColour(std::max(screenY, kHorizonY)), hit->haze);
            // The foot: into the plain's colour by the picture's last row.
            const float foot = Smooth(float(screenY - 372) / float(kPeakTopY + c.height - 1 - 372));
            c.Put(x, y, Solid(Mix(col, SkyRowColour(std::max(screenY, kHorizonY)), foot)));
        }
    }
}

// The sun high in the sky, its glow well above the horizon.
void DrawSun(Canvas& c) {
    const float cx = c.width / 2.0f, cy = 128.0f;
    for (int k = 5; k >= 1; --k)
        FillDisc(c, cx, cy, 52.0f + 11.0f * float(k), Mix(Rgb{255, 236, 196}, Rgb{250, 212, 150}, float(k) / 5.0f));
    FillDisc(c, cx, cy, 52.0f, Rgb{255, 250, 222});
}

// A bank of clouds hanging along the top of the sky.
void DrawCloudBank(Canvas& c) {
    const float w = float(c.width);
    static constexpr float kPlace[][3] = {
        // x share, underside y, width
        {0.09f, 112.0f, 170.0f}, {0.27f, 78.0f, 230.0f}, {0.45f, 150.0f, 150.0f},
        {0.62f, 96.0f, 250.0f},  {0.8f, 140.0f, 180.0f}, {0.93f, 70.0f, 120.0f},
    };
    std::uint32_t seed = 127;
    for (const auto& p : kPlace) Cumulus(c, w * p[0], p[1], p[2], seed++);
}

}  // namespace

Rgb SkyRowColour(int screenY) {
    if (screenY < kHorizonY)
        return Ramp(float(screenY) / float(kHorizonY),
                    {{0.0f, {36, 76, 166}}, {0.6f, {104, 154, 226}}, {0.9f, {170, 198, 232}}, {1.0f, {200, 214, 228}}});
    // The far plain: hazy at the horizon, greener and darker nearer, with
    // faint bands of fields that crowd together towards the horizon.
    const float d = float(screenY - kHorizonY);
    const Rgb ground = Ramp(d / float(kSkyBottom - kHorizonY),
                            {{0.0f, {112, 132, 146}}, {0.012f, {140, 162, 160}}, {0.06f, {124, 156, 132}},
                             {0.3f, {98, 144, 96}}, {0.65f, {84, 132, 76}}, {1.0f, {72, 116, 62}}});
    return Scale(ground, 1.0f + 0.03f * std::sin(std::sqrt(d) * 3.1f));
}

void DrawStageSky(Canvas& c) {
    for (int y = 0; y < c.height; ++y) FillRect(c, 0, y, c.width, y + 1, Solid(SkyRowColour(y)));
}

void DrawStageFarShape(Canvas& c, const PictureInfo& info) {
    const std::string name = info.name;
    const float w = float(c.width), h = float(c.height);
    if (name == "CLOUD") {
        FillEllipse(c, w * 0.5f, h * 0.62f, w * 0.46f, h * 0.3f, Rgb{240, 244, 250});
        FillDisc(c, w * 0.35f, h * 0.48f, h * 0.3f, Rgb{250, 252, 255});
        FillDisc(c, w * 0.6f, h * 0.4f, h * 0.36f, Rgb{246, 248, 255});
        FillEllipse(c, w * 0.5f, h * 0.8f, w * 0.4f, h * 0.1f, Rgb{210, 218, 232});
    } else if (name == "SUN") {
        DrawSun(c);
    } else if (name == "CLOUD BANK") {
        DrawCloudBank(c);
    } else {
        DrawPeak(c);
    }
}

}  // namespace art
