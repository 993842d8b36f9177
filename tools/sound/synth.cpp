#include "tools/sound/synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace synth {

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kSr = static_cast<float>(kSampleRate);

// ------------------------------------------------------------- helpers --

struct Rng {
    std::uint32_t state;
    explicit Rng(std::uint32_t seed) : state(seed ? seed : 0x12345678u) {}
    std::uint32_t Bits() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    float Unit() { return static_cast<float>(Bits() & 0xFFFFFF) / 16777216.0f; }  // [0, 1)
    float Range(float a, float b) { return a + (b - a) * Unit(); }
    float Noise() { return Unit() * 2.0f - 1.0f; }
    int Int(int n) { return static_cast<int>(Bits() % static_cast<std::uint32_t>(n)); }
};

using Mono = std::vector<float>;

Mono Silence(float seconds) { return Mono(static_cast<std::size_t>(std::max(1.0f, seconds * kSr)), 0.0f); }

float Env(float t, float attack, float decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

struct OnePole {
    float y = 0, a = 1;
    void Cutoff(float hz) { a = 1.0f - std::exp(-kTwoPi * std::clamp(hz, 10.0f, kSr * 0.45f) / kSr); }
    float Low(float x) { return y += a * (x - y); }
    float High(float x) { return x - Low(x); }
};

// Chamberlin state-variable filter: band-pass output.
struct Svf {
    float low = 0, band = 0, f = 0.1f, q = 0.5f;
    void Set(float hz, float damping) {
        f = 2.0f * std::sin(std::numbers::pi_v<float> * std::clamp(hz, 20.0f, kSr * 0.2f) / kSr);
        q = damping;
    }
    float Band(float x) {
        low += f * band;
        const float high = x - low - q * band;
        band += f * high;
        return band;
    }
};

// Adds a sine whose frequency follows f(t) and amplitude a(t) from start.
template <class Freq, class Amp>
void AddTone(Mono& out, float start, float length, Freq freq, Amp amp, float phase0 = 0) {
    float phase = phase0;
    const std::size_t s0 = static_cast<std::size_t>(std::max(0.0f, start) * kSr);
    const std::size_t n = static_cast<std::size_t>(length * kSr);
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        out[s0 + i] += std::sin(phase) * amp(t);
        phase += kTwoPi * freq(t) / kSr;
        if (phase > kTwoPi) phase -= kTwoPi;
    }
}

// Inharmonic partials of struck metal or a bell.
void AddStrike(Mono& out, float start, float base, const float* ratios, int count, float decay, float level,
               Rng& rng) {
    for (int k = 0; k < count; ++k) {
        const float f = base * ratios[k] * rng.Range(0.99f, 1.01f);
        if (f > kSr * 0.45f) continue;
        const float d = decay / (1.0f + 0.35f * static_cast<float>(k));
        const float a = level / (1.0f + 0.6f * static_cast<float>(k));
        AddTone(out, start, std::min(d * 6.0f, 4.0f), [f](float) { return f; },
                [a, d](float t) { return a * Env(t, 0.002f, d); }, rng.Range(0, kTwoPi));
    }
}

void AddNoise(Mono& out, float start, float length, float lowHz, float highHz, float attack, float decay, float level,
              Rng& rng) {
    OnePole lp, hp;
    lp.Cutoff(highHz);
    hp.Cutoff(lowHz);
    const std::size_t s0 = static_cast<std::size_t>(std::max(0.0f, start) * kSr);
    const std::size_t n = static_cast<std::size_t>(length * kSr);
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        out[s0 + i] += hp.High(lp.Low(rng.Noise())) * level * Env(t, attack, decay);
    }
}

// Noise through a band-pass whose centre moves from f0 to f1 (a swoosh).
void AddSweptNoise(Mono& out, float start, float length, float f0, float f1, float level, Rng& rng) {
    Svf svf;
    const std::size_t s0 = static_cast<std::size_t>(std::max(0.0f, start) * kSr);
    const std::size_t n = static_cast<std::size_t>(length * kSr);
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        const float u = static_cast<float>(i) / static_cast<float>(n);
        svf.Set(f0 * std::pow(f1 / f0, u), 0.35f);
        out[s0 + i] += svf.Band(rng.Noise()) * level * std::sin(std::numbers::pi_v<float> * u);
    }
}

// A buzzy source (saw) through two formant resonators: a voice or a growl.
void AddFormantVoice(Mono& out, float start, float length, float f0Start, float f0End, float form1, float form2,
                     float level, Rng& rng) {
    Svf a, b;
    a.Set(form1, 0.12f);
    b.Set(form2, 0.15f);
    float phase = 0;
    const std::size_t s0 = static_cast<std::size_t>(std::max(0.0f, start) * kSr);
    const std::size_t n = static_cast<std::size_t>(length * kSr);
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        const float u = static_cast<float>(i) / static_cast<float>(n);
        const float f0 = (f0Start + (f0End - f0Start) * u) * (1.0f + 0.01f * rng.Noise());
        phase += f0 / kSr;
        if (phase >= 1) phase -= 1;
        const float src = 2.0f * phase - 1.0f;
        const float env = std::sin(std::numbers::pi_v<float> * std::min(1.0f, u * 1.3f));
        out[s0 + i] += (a.Band(src) + 0.6f * b.Band(src)) * level * env;
    }
}

constexpr float kMetalRatios[] = {1.0f, 2.76f, 5.40f, 8.93f, 13.34f, 2.0f};
constexpr float kBellRatios[] = {1.0f, 2.0f, 2.4f, 3.0f, 4.2f, 5.4f};

// --------------------------------------------------------------- effects --

Mono Hit(Rng& r, float weight) {
    Mono m = Silence(0.3f + 0.15f * weight);
    const float f0 = r.Range(110, 200) * (1.4f - 0.5f * weight);
    AddTone(m, 0, 0.3f, [f0](float t) { return 45.0f + f0 * std::exp(-t / 0.03f); },
            [weight](float t) { return (0.6f + 0.5f * weight) * Env(t, 0.001f, 0.06f); });
    AddNoise(m, 0, 0.2f, 200, r.Range(2500, 6000) * (1.3f - 0.5f * weight), 0.001f, r.Range(0.02f, 0.05f), 0.9f, r);
    AddNoise(m, 0, 0.01f, 2000, 9000, 0.0005f, 0.004f, 0.6f, r);  // the click of contact
    return m;
}

Mono Swoosh(Rng& r, float length) {
    Mono m = Silence(length + 0.05f);
    AddSweptNoise(m, 0, length, r.Range(300, 700), r.Range(1800, 4200), 1.0f, r);
    return m;
}

Mono Slash(Rng& r) {
    Mono m = Swoosh(r, r.Range(0.16f, 0.24f));
    const float f = r.Range(2500, 3500);
    AddTone(m, 0.1f, 0.3f, [f](float) { return f; }, [](float t) { return 0.15f * Env(t, 0.002f, 0.08f); });
    return m;
}

Mono Clang(Rng& r, float base, float decay) {
    Mono m = Silence(decay * 3.5f + 0.1f);
    AddStrike(m, 0, base, kMetalRatios, 6, decay, 0.6f, r);
    AddNoise(m, 0, 0.05f, 1500, 8000, 0.0005f, 0.01f, 0.5f, r);
    return m;
}

Mono Bell(Rng& r, float base) {
    Mono m = Silence(2.2f);
    AddStrike(m, 0, base, kBellRatios, 6, 0.6f, 0.6f, r);
    return m;
}

Mono Coin(Rng& r) {
    Mono m = Silence(0.5f);
    const float a = r.Range(950, 1100), b = a * 1.335f;
    AddTone(m, 0, 0.07f, [a](float) { return a; }, [](float) { return 0.4f; });
    AddTone(m, 0.07f, 0.42f, [b](float) { return b; }, [](float t) { return 0.45f * Env(t, 0.002f, 0.12f); });
    AddTone(m, 0.07f, 0.42f, [b](float) { return 2 * b; }, [](float t) { return 0.12f * Env(t, 0.002f, 0.06f); });
    return m;
}

Mono Chime(Rng& r) {
    Mono m = Silence(2.0f);
    const float base = r.Range(600, 800);
    const float steps[] = {1.0f, 1.25f, 1.5f, 2.0f};
    for (int k = 0; k < 4; ++k) AddStrike(m, 0.12f * float(k), base * steps[k], kBellRatios, 4, 0.35f, 0.35f, r);
    return m;
}

Mono Explosion(Rng& r, float length) {
    Mono m = Silence(length + 0.1f);
    OnePole lp;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        lp.Cutoff(200.0f + 2500.0f * std::exp(-t / (length * 0.25f)));
        float v = lp.Low(r.Noise()) * 2.0f * Env(t, 0.004f, length * 0.3f);
        if (r.Unit() < 0.002f * std::exp(-t / length)) v += r.Noise() * 0.6f;  // crackle
        m[i] += v;
    }
    const float f = r.Range(40, 60);
    AddTone(m, 0, length, [f](float t) { return f * (1.0f - 0.3f * t); },
            [length](float t) { return 0.6f * Env(t, 0.005f, length * 0.35f); });
    return m;
}

Mono Rumble(Rng& r) {
    Mono m = Silence(1.2f);
    OnePole lp;
    lp.Cutoff(160);
    const float wob = r.Range(5, 9);
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        m[i] = lp.Low(r.Noise()) * 3.0f * (0.6f + 0.4f * std::sin(kTwoPi * wob * t)) * Env(t, 0.05f, 0.45f);
    }
    return m;
}

Mono Thud(Rng& r, float f0, float decay) {
    Mono m = Silence(decay * 5 + 0.05f);
    AddTone(m, 0, decay * 5, [f0](float t) { return f0 * (0.6f + 0.4f * std::exp(-t / 0.05f)); },
            [decay](float t) { return 0.9f * Env(t, 0.002f, decay); });
    AddNoise(m, 0, 0.1f, 60, 900, 0.001f, 0.03f, 0.8f, r);
    return m;
}

Mono Door(Rng& r) {
    Mono m = Silence(0.9f);
    // The creak: a slow buzz through a resonance, then the latch.
    Svf svf;
    svf.Set(r.Range(700, 1100), 0.1f);
    float phase = 0;
    const float f0 = r.Range(70, 110);
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.55f * kSr); ++i) {
        const float t = static_cast<float>(i) / kSr;
        phase += f0 * (1.0f + 0.3f * std::sin(kTwoPi * 2.5f * t) + 0.05f * r.Noise()) / kSr;
        if (phase >= 1) phase -= 1;
        m[i] += svf.Band(phase < 0.1f ? 1.0f : -0.1f) * 0.8f * std::sin(std::numbers::pi_v<float> * t / 0.55f);
    }
    const Mono slam = Thud(r, r.Range(70, 100), 0.06f);
    for (std::size_t i = 0; i < slam.size() && i + static_cast<std::size_t>(0.55f * kSr) < m.size(); ++i)
        m[i + static_cast<std::size_t>(0.55f * kSr)] += slam[i];
    return m;
}

Mono Gun(Rng& r) {
    Mono m = Silence(0.5f);
    AddNoise(m, 0, 0.45f, 400, 7000, 0.0005f, r.Range(0.03f, 0.07f), 1.2f, r);
    AddTone(m, 0, 0.3f, [](float t) { return 60.0f + 140.0f * std::exp(-t / 0.02f); },
            [](float t) { return 0.7f * Env(t, 0.001f, 0.05f); });
    return m;
}

Mono Voice(Rng& r) {
    Mono m = Silence(0.6f);
    static constexpr float kVowels[][2] = {{800, 1200}, {350, 2200}, {500, 1000}, {450, 1800}, {300, 900}};
    const int syllables = 1 + r.Int(3);
    float t = 0;
    const float pitch = r.Range(220, 330);
    for (int k = 0; k < syllables; ++k) {
        const auto& v = kVowels[r.Int(5)];
        const float len = r.Range(0.1f, 0.16f);
        AddFormantVoice(m, t, len, pitch * r.Range(0.95f, 1.15f), pitch * r.Range(0.8f, 1.0f), v[0], v[1], 1.0f, r);
        t += len + 0.03f;
    }
    return m;
}

Mono Shh(Rng& r) {
    Mono m = Silence(0.5f);
    AddNoise(m, 0, 0.5f, r.Range(2500, 4000), 9000, 0.04f, 0.12f, 1.0f, r);
    return m;
}

Mono Zap(Rng& r) {
    Mono m = Silence(0.45f);
    float f = 300, phase = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        if (i % 300 == 0) f = r.Range(150, 900);
        phase += f / kSr;
        if (phase >= 1) phase -= 1;
        m[i] = ((phase < 0.5f ? 0.5f : -0.5f) + 0.3f * r.Noise()) * Env(t, 0.003f, 0.15f);
    }
    return m;
}

Mono Blip(Rng& r, float freq, float length, bool square) {
    Mono m = Silence(length + 0.02f);
    float phase = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        phase += freq / kSr;
        if (phase >= 1) phase -= 1;
        const float w = square ? (phase < 0.5f ? 0.4f : -0.4f) : std::sin(kTwoPi * phase);
        m[i] = w * Env(t, 0.002f, length * 0.4f);
    }
    (void)r;
    return m;
}

Mono Click(Rng& r, int clicks) {
    Mono m = Silence(0.05f + 0.06f * float(clicks));
    for (int k = 0; k < clicks; ++k) {
        AddNoise(m, 0.06f * float(k), 0.02f, 1500, 8000, 0.0003f, 0.003f, 1.0f, r);
        const float f = r.Range(500, 900);
        AddTone(m, 0.06f * float(k), 0.05f, [f](float) { return f; },
                [](float t) { return 0.3f * Env(t, 0.001f, 0.01f); });
    }
    return m;
}

Mono ChordBlip(Rng& r) {
    Mono m = Silence(0.5f);
    const float root = r.Range(500, 650);
    for (float ratio : {1.0f, 1.26f, 1.5f})
        AddTone(m, 0, 0.5f, [root, ratio](float) { return root * ratio; },
                [](float t) { return 0.3f * Env(t, 0.003f, 0.12f); });
    return m;
}

// A sine gliding from f0 to f1, with a wobble: pops, whistles and warbles.
Mono Glide(Rng& r, float f0, float f1, float length, float vibrato) {
    Mono m = Silence(length + 0.03f);
    const float rate = r.Range(8, 13);
    AddTone(m, 0, length,
            [=](float t) { return (f0 * std::pow(f1 / f0, t / length)) * (1.0f + vibrato * std::sin(kTwoPi * rate * t)); },
            [length](float t) { return 0.8f * Env(t, 0.005f, length * 0.45f); });
    return m;
}

Mono Fanfare(Rng& r) {
    Mono m = Silence(1.8f);
    const float root = r.Range(260, 330);
    const float notes[] = {1.0f, 1.26f, 1.5f, 2.0f};
    for (int k = 0; k < 4; ++k) {
        const float f = root * notes[k];
        const float start = 0.13f * float(k), len = k == 3 ? 1.4f : 0.13f;
        for (int h = 1; h <= 5; ++h)  // a brassy stack of harmonics
            AddTone(m, start, len, [f, h](float) { return f * float(h); },
                    [h, len](float t) { return 0.35f / float(h) * Env(t, 0.01f, len * 0.6f); });
    }
    return m;
}

Mono Crash(Rng& r) {
    Mono m = Silence(1.4f);
    AddNoise(m, 0, 1.4f, 800, 9000, 0.001f, 0.35f, 0.9f, r);
    AddStrike(m, 0, r.Range(350, 600), kMetalRatios, 6, 0.4f, 0.4f, r);
    return m;
}

Mono Open(Rng& r) {
    Mono m = Swoosh(r, 0.3f);
    Mono c = Click(r, 1);
    for (std::size_t i = 0; i < c.size() && i + 6000 < m.size(); ++i) m[i + 6000] += c[i];
    return m;
}

Mono Cricket(Rng& r) {
    // Chirps placed on a 4 s circle, so the loop runs on without a seam.
    Mono m = Silence(4.0f);
    const float carrier = r.Range(4200, 4800);
    for (float chirp = 0.1f; chirp < 4.0f; chirp += r.Range(0.35f, 0.6f)) {
        for (int p = 0; p < 4; ++p) {
            const float start = chirp + 0.033f * float(p);
            const std::size_t s0 = static_cast<std::size_t>(start * kSr);
            const std::size_t n = static_cast<std::size_t>(0.022f * kSr);
            for (std::size_t i = 0; i < n; ++i) {
                const float t = static_cast<float>(i) / kSr;
                m[(s0 + i) % m.size()] += 0.4f * std::sin(kTwoPi * carrier * t) * std::sin(3.14159f * t / 0.022f);
            }
        }
    }
    return m;
}

Mono Fm(Rng& r) {
    Mono m = Silence(0.9f);
    const float fc = r.Range(300, 500), ratio = r.Range(1.4f, 3.5f);
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        const float index = 4.0f * std::exp(-t / 0.2f);
        m[i] = 0.6f * std::sin(kTwoPi * fc * t + index * std::sin(kTwoPi * fc * ratio * t)) * Env(t, 0.005f, 0.3f);
    }
    return m;
}

Mono Fire(Rng& r) {
    Mono m = Silence(0.8f);
    AddSweptNoise(m, 0, 0.8f, 200, 900, 1.0f, r);
    for (int k = 0; k < 14; ++k) AddNoise(m, r.Range(0, 0.7f), 0.02f, 2000, 9000, 0.0005f, 0.004f, 0.7f, r);
    return m;
}

Mono Growl(Rng& r, float length) {
    Mono m = Silence(length + 0.05f);
    AddFormantVoice(m, 0, length, r.Range(60, 90), r.Range(45, 70), r.Range(350, 500), r.Range(900, 1200), 2.0f, r);
    AddNoise(m, 0, length, 100, 1200, 0.1f, length * 0.5f, 0.3f, r);
    return m;
}

Mono Alarm(Rng& r) {
    Mono m = Silence(1.2f);
    const float a = r.Range(650, 750), b = a * 1.3f;
    float phase = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        phase += (static_cast<int>(t * 8) % 2 ? b : a) / kSr;
        if (phase >= 1) phase -= 1;
        m[i] = (phase < 0.5f ? 0.35f : -0.35f) * std::min(1.0f, (1.2f - t) * 20.0f);
    }
    return m;
}

Mono Buzz(Rng& r) {
    Mono m = Silence(0.9f);
    const float f = r.Range(160, 220);
    float phase = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        phase += f * (1.0f + 0.05f * std::sin(kTwoPi * 3 * t)) / kSr;
        if (phase >= 1) phase -= 1;
        m[i] = (2 * phase - 1) * 0.5f * (0.6f + 0.4f * std::sin(kTwoPi * 30 * t)) * std::sin(3.14159f * t / 0.9f);
    }
    return m;
}

Mono Mecha(Rng& r) {
    Mono m = Click(r, 3);
    m.resize(static_cast<std::size_t>(0.7f * kSr), 0.0f);
    float phase = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        phase += (300.0f + 500.0f * t) / kSr;
        if (phase >= 1) phase -= 1;
        m[i] += (2 * phase - 1) * 0.15f * std::sin(3.14159f * t / 0.7f);
    }
    return m;
}

Mono BlipSequence(Rng& r) {
    Mono m = Silence(0.6f);
    const int notes = 3 + r.Int(3);
    for (int k = 0; k < notes; ++k) {
        const float f = r.Range(500, 1500);
        AddTone(m, 0.09f * float(k), 0.12f, [f](float) { return f; },
                [](float t) { return 0.4f * Env(t, 0.002f, 0.04f); });
    }
    return m;
}

Mono Bubbles(Rng& r) {
    Mono m = Silence(0.9f);
    for (int k = 0; k < 7; ++k) {
        const float f = r.Range(400, 1000), start = r.Range(0, 0.75f);
        AddTone(m, start, 0.08f, [f](float t) { return f * (1.0f + 8.0f * t); },
                [](float t) { return 0.5f * Env(t, 0.002f, 0.025f); });
    }
    return m;
}

Mono Step(Rng& r) {
    Mono m = Silence(0.15f);
    AddNoise(m, 0, 0.12f, 80, r.Range(900, 1500), 0.001f, 0.025f, 1.5f, r);
    AddNoise(m, 0.035f, 0.05f, 1500, 6000, 0.001f, 0.01f, 0.25f, r);  // grit under the sole
    return m;
}

Mono Chain(Rng& r) {
    Mono m = Silence(0.7f);
    for (int k = 0; k < 7; ++k) AddStrike(m, r.Range(0, 0.5f), r.Range(1800, 3200), kMetalRatios, 3, 0.05f, 0.3f, r);
    return m;
}

Mono Paper(Rng& r) {
    Mono m = Silence(0.45f);
    OnePole hp;
    hp.Cutoff(2500);
    float amp = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
        if (i % 200 == 0) amp = r.Unit();
        const float t = static_cast<float>(i) / kSr;
        m[i] = hp.High(r.Noise()) * amp * std::sin(3.14159f * t / 0.45f);
    }
    return m;
}

Mono Stab(Rng& r) {
    Mono m = Silence(0.3f);
    AddSweptNoise(m, 0, 0.12f, 3000, 900, 1.2f, r);
    AddNoise(m, 0.04f, 0.2f, 150, 2500, 0.001f, 0.04f, 0.8f, r);
    return m;
}

Mono Birds(Rng& r) {
    Mono m = Silence(0.9f);
    const int chirps = 3 + r.Int(3);
    for (int k = 0; k < chirps; ++k) {
        const float f0 = r.Range(2200, 3000), f1 = f0 * r.Range(1.2f, 1.6f), start = 0.14f * float(k);
        AddTone(m, start, 0.08f, [f0, f1](float t) { return f0 + (f1 - f0) * t / 0.08f; },
                [](float t) { return 0.5f * std::sin(3.14159f * t / 0.08f); });
    }
    return m;
}

Mono Sizzle(Rng& r) {
    Mono m = Silence(1.0f);
    OnePole hp;
    hp.Cutoff(3000);
    for (std::size_t i = 0; i < m.size(); ++i) {
        const float t = static_cast<float>(i) / kSr;
        m[i] = hp.High(r.Noise()) * (0.5f + 0.5f * r.Unit()) * Env(t, 0.02f, 0.4f);
    }
    return m;
}

Mono Warp(Rng& r) {
    Mono m = Glide(r, r.Range(200, 300), r.Range(1500, 2200), 0.7f, 0.03f);
    for (std::size_t i = m.size() - 1; i >= 2500; --i) m[i] += 0.4f * m[i - 2500];  // an echo
    return m;
}

// The figure of the hall talking for 29 s: phrases of murmured syllables
// where its face moves (short ones of 0.6 s, long ones of 1.4 s), quiet
// between them.
Mono SpokenClip(Rng& r) {
    Mono m = Silence(29.0f);
    static constexpr float kPhrases[][2] = {
        {0.0f, 0.6f},  {0.6f, 0.6f},  {2.8f, 0.6f},  {3.4f, 0.6f},  {4.0f, 1.4f},  {6.0f, 0.6f},
        {6.6f, 0.6f},  {7.6f, 1.4f},  {9.0f, 1.4f},  {11.0f, 0.6f}, {11.6f, 0.6f}, {12.2f, 1.4f},
        {14.0f, 0.6f}, {14.6f, 0.6f}, {15.2f, 1.4f}, {17.4f, 0.6f}, {18.0f, 0.6f}, {18.6f, 1.4f},
        {21.2f, 1.4f}, {22.6f, 1.4f}, {24.2f, 1.4f}, {25.6f, 1.4f}, {27.0f, 1.4f},
    };
    static constexpr float kVowels[][2] = {{800, 1200}, {350, 2200}, {500, 1000}, {450, 1800}, {300, 900}};
    const float pitch = r.Range(180, 240);
    for (const auto& p : kPhrases) {
        for (float t = p[0] + 0.05f; t < p[0] + p[1] - 0.1f;) {
            const auto& v = kVowels[r.Int(5)];
            const float len = r.Range(0.1f, 0.18f);
            AddFormantVoice(m, t, len, pitch * r.Range(0.95f, 1.2f), pitch * r.Range(0.8f, 1.0f), v[0], v[1], 1.0f, r);
            t += len + 0.04f;
        }
    }
    return m;
}

Mono Shimmer(Rng& r) {
    Mono m = Silence(1.0f);
    for (int k = 0; k < 6; ++k) {
        const float f = r.Range(1800, 4500), rate = r.Range(6, 14), start = 0.04f * float(k);
        AddTone(m, start, 0.9f, [f](float) { return f; },
                [rate](float t) { return 0.18f * (0.6f + 0.4f * std::sin(kTwoPi * rate * t)) * Env(t, 0.01f, 0.25f); });
    }
    return m;
}

// ----------------------------------------------------------------- music --

struct MusicStyle {
    float bpm;
    int bars;
    bool minor;
    bool drums;
    float rootHz;
};

float NoteHz(float root, int semitones) { return root * std::pow(2.0f, static_cast<float>(semitones) / 12.0f); }

// Writes a note into a circular stereo buffer, so tails wrap to the start.
void AddNote(std::vector<float>& st, float start, float length, float hz, float level, float pan, int timbre) {
    const std::size_t frames = st.size() / 2;
    const std::size_t s0 = static_cast<std::size_t>(start * kSr);
    const float release = 0.08f;
    const std::size_t n = static_cast<std::size_t>((length + release) * kSr);
    const float left = level * (1.0f - pan) * 0.5f, right = level * (1.0f + pan) * 0.5f;
    float phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / kSr;
        float env = std::min(1.0f, t / 0.01f);
        if (t > length) env *= std::max(0.0f, 1.0f - (t - length) / release);
        float v;
        switch (timbre) {
            case 0: v = std::sin(kTwoPi * phase) * Env(t, 0.005f, 0.6f); break;  // plucked lead
            case 1: v = 0.6f * std::sin(kTwoPi * phase) + 0.25f * std::sin(2 * kTwoPi * phase); break;  // pad
            case 2: v = (phase < 0.5f ? 0.5f : -0.5f) * 0.6f + 0.4f * std::sin(kTwoPi * phase); break;  // bass
            default: v = std::sin(kTwoPi * phase + 1.5f * std::sin(2 * kTwoPi * phase)) * Env(t, 0.005f, 0.3f); break;
        }
        phase += hz / kSr;
        if (phase >= 1) phase -= 1;
        const std::size_t f = (s0 + i) % frames;
        st[2 * f] += v * env * left;
        st[2 * f + 1] += v * env * right;
    }
}

void AddDrum(std::vector<float>& st, float start, int kind, Rng& r) {
    const std::size_t frames = st.size() / 2;
    const std::size_t s0 = static_cast<std::size_t>(start * kSr);
    const std::size_t n = static_cast<std::size_t>(0.25f * kSr);
    float phase = 0;
    OnePole hp;
    hp.Cutoff(6000);
    for (std::size_t i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / kSr;
        float v;
        if (kind == 0) {  // kick
            phase += (50.0f + 90.0f * std::exp(-t / 0.03f)) / kSr;
            v = std::sin(kTwoPi * phase) * Env(t, 0.001f, 0.09f) * 0.5f;
        } else if (kind == 1) {  // snare
            v = (0.6f * r.Noise() + 0.3f * std::sin(kTwoPi * 190 * t)) * Env(t, 0.001f, 0.06f) * 0.4f;
        } else {  // hat
            v = hp.High(r.Noise()) * Env(t, 0.001f, 0.02f) * 0.15f;
        }
        const std::size_t f = (s0 + i) % frames;
        st[2 * f] += v;
        st[2 * f + 1] += v;
    }
}

SoundClip Music(Rng& r, const MusicStyle& style) {
    const float beat = 60.0f / style.bpm;
    const float length = beat * 4.0f * static_cast<float>(style.bars);
    SoundClip clip;
    clip.channels = 2;
    clip.loops = true;
    clip.samples.assign(static_cast<std::size_t>(length * kSr) * 2, 0.0f);

    static constexpr int kMajor[] = {0, 2, 4, 5, 7, 9, 11};
    static constexpr int kMinor[] = {0, 2, 3, 5, 7, 8, 10};
    const int* scale = style.minor ? kMinor : kMajor;
    // Chord progressions as scale degrees (0-based), one chord per bar.
    static constexpr int kProgMajor[][4] = {{0, 4, 5, 3}, {0, 5, 3, 4}, {3, 4, 0, 5}, {0, 3, 4, 4}};
    static constexpr int kProgMinor[][4] = {{0, 5, 2, 6}, {0, 3, 4, 0}, {0, 6, 5, 4}, {5, 6, 0, 0}};
    const int* prog = style.minor ? kProgMinor[r.Int(4)] : kProgMajor[r.Int(4)];
    auto degree = [&](int d) {  // semitones of a scale degree, any octave
        const int oct = d >= 0 ? d / 7 : -((6 - d) / 7);
        return scale[((d % 7) + 7) % 7] + 12 * oct;
    };

    int melody = 7 + r.Int(3);  // degree of the tune, starting above the root
    for (int bar = 0; bar < style.bars; ++bar) {
        const int chord = prog[bar % 4];
        const float t0 = static_cast<float>(bar) * beat * 4.0f;
        // Pad: the chord held for the bar.
        for (int k = 0; k < 3; ++k)
            AddNote(clip.samples, t0, beat * 3.9f, NoteHz(style.rootHz, degree(chord + 2 * k)), 0.07f,
                    -0.4f + 0.4f * float(k), 1);
        // Bass on every beat, root and fifth.
        for (int b = 0; b < 4; ++b)
            AddNote(clip.samples, t0 + beat * float(b), beat * 0.8f,
                    NoteHz(style.rootHz, degree(chord + (b % 2 ? 4 : 0)) - 12), 0.16f, 0.0f, 2);
        // Tune: a walk on the scale in eighths and quarters, landing on the chord.
        float t = 0;
        while (t < 4.0f - 0.01f) {
            const float len = (r.Unit() < 0.6f || t > 3.4f) ? 0.5f : 1.0f;
            if (r.Unit() < 0.85f) {
                AddNote(clip.samples, t0 + beat * t, beat * len * 0.9f, NoteHz(style.rootHz, degree(melody)), 0.16f,
                        0.25f, style.drums ? 3 : 0);
            }
            melody += r.Int(5) - 2;
            if (t + len >= 4.0f - 0.01f) melody = chord + 7;  // resolve to the chord at the bar's end
            melody = std::clamp(melody, 4, 13);
            t += len;
        }
        if (style.drums)
            for (int e = 0; e < 8; ++e) {
                const float at = t0 + beat * 0.5f * float(e);
                if (e % 4 == 0) AddDrum(clip.samples, at, 0, r);
                if (e % 4 == 2) AddDrum(clip.samples, at, 1, r);
                AddDrum(clip.samples, at, 2, r);
            }
    }
    return clip;
}

// --------------------------------------------------------------- kinds --

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

bool Starts(const std::string& s, std::string_view prefix) { return s.rfind(prefix, 0) == 0; }

struct MusicRow {
    const char* name;
    MusicStyle style;
};
constexpr MusicRow kMusic[] = {
    {"010", {112, 8, false, false, 262}},     // the title logo's tune
    {"zelk016", {104, 16, false, true, 220}},  // title, menus and fields
    {"r012", {72, 8, true, false, 196}},      // game over
    {"zelk002", {140, 16, true, true, 220}},   // a large figure's fight
    {"zelk001", {150, 16, true, true, 233}},   // the blade figure's fight
    {"zelk007", {162, 16, true, true, 208}},   // the final boss
    {"zelk011", {84, 16, false, false, 247}},  // the ending
};

Mono EffectOf(const std::string& n, Rng& r) {
    if (n.find("kotori") != std::string::npos) return Birds(r);
    if (Starts(n, "freeze")) return Shimmer(r);
    if (Starts(n, "cut")) return Slash(r);
    if (Starts(n, "hit_ss")) return Hit(r, 0.1f);
    if (Starts(n, "hit_s")) return Hit(r, 0.4f);
    if (Starts(n, "hit_p")) return Hit(r, 0.9f);
    if (Starts(n, "hit")) return Hit(r, r.Range(0.3f, 1.0f));
    if (Starts(n, "bell")) return Bell(r, r.Range(700, 1000));
    if (Starts(n, "bom")) return Explosion(r, r.Range(0.8f, 1.5f));
    if (Starts(n, "burst")) return Explosion(r, r.Range(0.4f, 0.6f));
    if (Starts(n, "c01")) return ChordBlip(r);
    if (Starts(n, "cursor")) return Blip(r, r.Range(1200, 1700), 0.06f, true);
    if (Starts(n, "puu")) return Glide(r, r.Range(700, 900), r.Range(150, 250), r.Range(0.2f, 0.35f), 0.0f);
    if (Starts(n, "goro")) return Rumble(r);
    if (Starts(n, "pyoro")) return Glide(r, r.Range(400, 600), r.Range(1200, 1800), r.Range(0.3f, 0.5f), 0.06f);
    if (Starts(n, "byoro")) return Glide(r, r.Range(900, 1300), r.Range(200, 350), r.Range(0.4f, 0.7f), 0.08f);
    if (Starts(n, "beep")) return Blip(r, r.Range(850, 950), 0.12f, true);
    if (Starts(n, "kon")) return Clang(r, r.Range(350, 500), 0.05f);  // a wooden knock
    if (Starts(n, "bosu")) return Thud(r, r.Range(60, 95), r.Range(0.05f, 0.09f));
    if (Starts(n, "push")) return Click(r, 1);
    if (Starts(n, "kachi")) return Click(r, 2);
    if (Starts(n, "fanfare")) return Fanfare(r);
    if (Starts(n, "crash")) return Crash(r);
    if (Starts(n, "chime")) return Chime(r);
    if (Starts(n, "coin")) return Coin(r);
    if (Starts(n, "door")) return Door(r);
    if (Starts(n, "gun")) return Gun(r);
    if (Starts(n, "voice")) return Voice(r);
    if (Starts(n, "sha")) return Shh(r);
    if (Starts(n, "biri")) return Zap(r);
    if (Starts(n, "pi")) return Blip(r, r.Range(1900, 2200), 0.14f, false);
    if (Starts(n, "open")) return Open(r);
    if (Starts(n, "fm")) return Fm(r);
    if (Starts(n, "metal")) return Clang(r, r.Range(300, 900), r.Range(0.2f, 0.6f));
    if (Starts(n, "swing")) return Swoosh(r, r.Range(0.18f, 0.4f));
    if (Starts(n, "fire")) return Fire(r);
    if (Starts(n, "don")) return Thud(r, r.Range(70, 90), 0.14f);
    if (Starts(n, "unari")) return Growl(r, 1.0f);
    if (Starts(n, "dranwel")) return Growl(r, 1.5f);
    if (Starts(n, "alarm")) return Alarm(r);
    if (Starts(n, "insect")) return Buzz(r);
    if (Starts(n, "mecha")) return Mecha(r);
    if (Starts(n, "buble")) return Bubbles(r);
    if (Starts(n, "step")) return Step(r);
    if (Starts(n, "chari")) return Chain(r);
    if (Starts(n, "paper")) return Paper(r);
    if (Starts(n, "saku")) return Stab(r);
    if (Starts(n, "jyu")) return Sizzle(r);
    if (Starts(n, "warp")) return Warp(r);
    if (Starts(n, "tamberi")) return SpokenClip(r);
    if (Starts(n, "noise")) return Swoosh(r, 0.5f);
    return BlipSequence(r);  // se-..., and anything else
}

}  // namespace

std::uint32_t NameSeed(std::string_view name) {
    std::uint32_t h = 2166136261u;
    for (char ch : name) {
        h ^= static_cast<std::uint8_t>(ch);
        h *= 16777619u;
    }
    return h;
}

bool IsMusicName(std::string_view name) {
    const std::string n = Lower(name);
    for (const MusicRow& row : kMusic)
        if (n == row.name) return true;
    return false;
}

SoundClip SynthesiseSound(std::string_view name) {
    Rng rng(NameSeed(name));
    const std::string n = Lower(name);
    for (const MusicRow& row : kMusic)
        if (n == row.name) {
            SoundClip clip = Music(rng, row.style);
            Normalise(clip, 0.6f);
            return clip;
        }
    SoundClip clip;
    if (Starts(n, "kourogi")) {
        clip.samples = Cricket(rng);
        clip.loops = true;
        Normalise(clip, 0.5f);
        return clip;
    }
    clip.samples = EffectOf(n, rng);
    // Soft edges, so no effect starts or stops with a click.
    const std::size_t fade = std::min<std::size_t>(clip.samples.size() / 4, 66);
    for (std::size_t i = 0; i < fade; ++i) {
        const float k = static_cast<float>(i) / static_cast<float>(fade);
        clip.samples[i] *= k;
        clip.samples[clip.samples.size() - 1 - i] *= k;
    }
    Normalise(clip, 0.7f);
    return clip;
}

void Normalise(SoundClip& clip, float peak) {
    float top = 0;
    for (float v : clip.samples) top = std::max(top, std::fabs(v));
    if (top <= 0) return;
    const float k = peak / top;
    for (float& v : clip.samples) v *= k;
}

std::vector<std::uint8_t> EncodeWav(const SoundClip& clip) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(clip.samples.size() * 2);
    // Sized once and written in place: the header and the samples fill it exactly.
    std::vector<std::uint8_t> out(44 + std::size_t{dataBytes});
    std::size_t at = 0;
    auto tag = [&](const char* s) {
        for (int k = 0; k < 4; ++k) out[at++] = static_cast<std::uint8_t>(s[k]);
    };
    auto u32 = [&](std::uint32_t v) {
        for (int k = 0; k < 4; ++k) out[at++] = static_cast<std::uint8_t>(v >> (8 * k));
    };
    auto u16 = [&](std::uint32_t v) {
        out[at++] = static_cast<std::uint8_t>(v);
        out[at++] = static_cast<std::uint8_t>(v >> 8);
    };
    const std::uint32_t channels = static_cast<std::uint32_t>(clip.channels);
    tag("RIFF");
    u32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(channels);
    u32(kSampleRate);
    u32(kSampleRate * channels * 2);
    u16(channels * 2);
    u16(16);
    tag("data");
    u32(dataBytes);
    for (float v : clip.samples) {
        const long s = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        u16(static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(s))));
    }
    return out;
}

}  // namespace synth
