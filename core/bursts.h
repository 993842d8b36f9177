// Explosion bursts and the two flash effects that enemies and objects leave
// where they are struck or destroyed. Area code spawns and forgets; the stage
// step advances them; the object sprite table draws states 2..6.
#pragma once

#include <cstdint>

// Slots numbered from 1 (index 0 unused). State: 0 free, 1 new, 2..6 the five
// burst frames. stepTime: game-clock seconds of the last state change.
template <int Slots>
struct BurstPoolRecord {
    static constexpr int kSlots = Slots;
    std::int32_t state[Slots + 1] = {};
    std::int32_t x[Slots + 1] = {};
    std::int32_t y[Slots + 1] = {};
    double stepTime[Slots + 1] = {};
    std::int32_t soundCounter = 0;   // last explosion copy played (42..47)
};
inline BurstPoolRecord<8> BurstPool{.soundCounter = 42};
inline BurstPoolRecord<50> BigBurstPool{.soundCounter = 43};

// Flash records 1 and 2 (index 0 unused). State: 0 none, 1 armed by area
// code (which also writes x and y), 2..4 the three flash frames.
struct FlashEffectRecord {
    std::int32_t state = 0;
    std::int32_t x = 0, y = 0;
    double stepTime = 0.0;
};
inline FlashEffectRecord FlashEffects[3];

// Take the lowest free slot; a spawn into a full pool is dropped.
void SpawnBurst(std::int32_t x, std::int32_t y);
void SpawnBigBurst(std::int32_t x, std::int32_t y);
// One step of both pools; once per stage step.
void UpdateBursts();
// One step of both flashes; once per stage step, after UpdateBursts.
void UpdateFlashEffects();
