// The hall's lights around encounter C: hanging lamps that flicker and swing,
// a glow over the scenery that pulses, and the floating platforms' frames
// with their hum.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kFalling = 1, kRising = 2;
constexpr std::uint32_t kWhiteRgb = 0xFFFFFFu;

// One flickering group of lamps: its range, its step per tick and the slots
// it colours (0 ends a list).
struct Flicker {
    std::int32_t top, low, step;
    std::uint32_t rgb[7];
    std::int32_t slots[7];
};
constexpr Flicker kFlickers[6] = {
    {255, 20, 1, {kWhiteRgb, kWhiteRgb, kWhiteRgb, kWhiteRgb, kWhiteRgb, kWhiteRgb, kWhiteRgb}, {2, 4, 6, 8, 10, 12, 14}},
    {255, 20, 2, {kWhiteRgb, kWhiteRgb, kWhiteRgb, kWhiteRgb, kWhiteRgb, kWhiteRgb}, {3, 5, 7, 9, 11, 13}},
    {136, 10, 1, {0xFF1111u, 0xFF3333u}, {15, 18}},
    {170, 20, 1, {0xFF1111u}, {16}},
    {119, 30, 1, {0xFF2222u}, {17}},
    {255, 100, 2, {kWhiteRgb, kWhiteRgb}, {29, 30}},
};

// How far each lamp of slots 15..28 swings, in degrees.
struct SwingBounds {
    std::int32_t low, high;
};
constexpr SwingBounds kSwing[14] = {{-50, 25}, {-20, 20}, {-50, 25}, {-55, 15}, {-15, 30}, {-5, 45}, {-1, 60},
                                    {-30, 70}, {-10, 10}, {-35, 5},  {-5, 10},  {-15, 5},  {-25, 25}, {-30, 1}};

// The prop alpha's caps and tints for the red lamps of slots 15..18.
constexpr std::int32_t kRedCaps[4] = {136, 170, 119, 136};
constexpr std::uint32_t kRedTints[4] = {0xFF1111u, 0xFF1111u, 0xFF2222u, 0xFF3333u};

struct LampWords {
    std::int32_t value[6] = {255, 255, 136, 170, 119, 255};
    std::int32_t direction[6] = {kFalling, kFalling, kFalling, kFalling, kFalling, kFalling};
    std::int32_t swingUp[14] = {};   // 0 swinging down, 1 up; the first swing goes down
    double colourStamp = 0, swingStamp = 0;
};
LampWords Lamps;

struct GlowWords {
    std::int32_t value = 255, direction = kFalling;
    double stamp = 0;
};
GlowWords Glow;

double PlatformStamp = 0;

std::uint32_t Tinted(std::int32_t alpha, std::uint32_t rgb) {
    return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) | rgb;
}

// One tick of a value that falls to its low end and climbs back to its top;
// the turn at the bottom climbs again in the same tick. The lights hold their
// top for a tick (they turn only once a step would pass it); the swings turn
// as soon as they reach their bound.
void Oscillate(std::int32_t& value, std::int32_t& direction, std::int32_t low, std::int32_t top, std::int32_t down,
               std::int32_t up, bool holdTop = true) {
    if (direction == kFalling) {
        value -= down;
        if (value <= low) {
            direction = kRising;
            value = low;
        }
    }
    if (direction == kRising) {
        value += up;
        if (holdTop ? value > top : value >= top) {
            direction = kFalling;
            value = top;
        }
    }
}

}  // namespace

void UpdateEncounterCLamps(std::int32_t mode) {
    StageObjectTableRecord& t = StageObjectTable;
    const double now = GameNow();
    if (now < Lamps.colourStamp) {
        Lamps.colourStamp = 0;
        Lamps.swingStamp = 0;
    }
    if (mode == 0) {
        for (int k = 0; k < 6; ++k) {
            Lamps.direction[k] = kFalling;
            Lamps.value[k] = kFlickers[k].top;
        }
        return;
    }
    if (mode == 1) {
        const std::int32_t p = EncounterCSceneryTints.propAlpha & 0xFF;
        for (int n = 1; n <= 30; ++n) t.colour[n] = Tinted(p, kWhiteRgb);
        for (int k = 0; k < 4; ++k) t.colour[15 + k] = Tinted(p < kRedCaps[k] ? p : kRedCaps[k], kRedTints[k]);
        for (int n = 19; n <= 22; ++n) t.colour[n] = Tinted(p < 170 ? p : 170, kWhiteRgb);
        return;
    }
    if (mode != 2) return;
    if (MoreThanElapsed(Lamps.colourStamp, now, 0.02)) {
        Lamps.colourStamp = now;
        for (int k = 0; k < 6; ++k) {
            const Flicker& f = kFlickers[k];
            Oscillate(Lamps.value[k], Lamps.direction[k], f.low, f.top, f.step, f.step);
            for (int j = 0; j < 7 && f.slots[j] != 0; ++j) t.colour[f.slots[j]] = Tinted(Lamps.value[k], f.rgb[j]);
        }
    }
    if (MoreThanElapsed(Lamps.swingStamp, now, 0.02)) {
        Lamps.swingStamp = now;
        for (int k = 0; k < 14; ++k) {
            std::int32_t& angle = t.rotation[15 + k];
            std::int32_t going = Lamps.swingUp[k] == 0 ? kFalling : kRising;
            Oscillate(angle, going, kSwing[k].low, kSwing[k].high, 1, 1, false);
            Lamps.swingUp[k] = going == kRising ? 1 : 0;
        }
    }
}

void UpdateEncounterCGlow(std::int32_t n) {
    const double now = GameNow();
    StampAheadToZero(Glow.stamp, now);
    if (n == 0) {
        Glow.direction = kFalling;
        Glow.value = 255;
        Glow.stamp = now;
        return;
    }
    if (n < 0) return;
    if (MoreThanElapsed(Glow.stamp, now, 0.02)) {
        Glow.stamp = now;
        Oscillate(Glow.value, Glow.direction, n, 255, 4, 3);
    }
    EncounterCSceneryTints.glowColour = Tinted(Glow.value, kWhiteRgb);
}

void CycleEncounterCPlatformCodes() {
    PlaySoundEffect(903, SoundVolumes[1] / 5);
    const double now = GameNow();
    if (now < PlatformStamp) PlatformStamp = 1.0;
    if (!AtLeastElapsed(PlatformStamp, now, 0.08)) return;
    PlatformStamp = now;
    for (int n = 31; n <= 40; ++n) {
        std::int32_t& code = StageObjectTable.code[n];
        if (code == 0) continue;
        code = code + 1 == 6 ? 1 : code + 1;
    }
}

void ResetEncounterCLightWords() {
    Lamps = {};
    Glow = {};
    PlatformStamp = 0;
}
