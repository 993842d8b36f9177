#include "core/bursts.h"

#include "core/game_clock.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr double kBurstFrameTime = 0.02;

template <int N>
void Spawn(BurstPoolRecord<N>& pool, std::int32_t x, std::int32_t y) {
    for (int i = 1; i <= N; ++i) {
        if (pool.state[i] != 0) continue;
        pool.state[i] = 1;
        pool.x[i] = x;
        pool.y[i] = y;
        return;
    }
}

template <int N>
void Step(BurstPoolRecord<N>& pool, double now) {
    for (int i = 1; i <= N; ++i) {
        std::int32_t& state = pool.state[i];
        if (state == 0) continue;
        StampAheadToZero(pool.stepTime[i], now);   // clock rebuilt by a load
        if (state == 1) {
            state = 2;
            pool.stepTime[i] = now;
            // Six copies of one explosion (42..47), so overlapping bursts sound apart.
            pool.soundCounter = pool.soundCounter + 1 >= 48 ? 42 : pool.soundCounter + 1;
            PlaySoundEffect(pool.soundCounter, SoundVolumes[0]);
        } else if (now - pool.stepTime[i] > kBurstFrameTime) {
            state = state == 6 ? 0 : state + 1;
            pool.stepTime[i] = now;
        }
    }
}

}  // namespace

void SpawnBurst(std::int32_t x, std::int32_t y) { Spawn(BurstPool, x, y); }
void SpawnBigBurst(std::int32_t x, std::int32_t y) { Spawn(BigBurstPool, x, y); }

void UpdateBursts() {
    const double now = GameClock.gameClock;
    Step(BurstPool, now);
    Step(BigBurstPool, now);
}

void UpdateFlashEffects() {
    constexpr double kPeriod[3] = {0.0, 0.01, 0.06};
    const double now = GameClock.gameClock;
    for (int i = 1; i <= 2; ++i) {
        FlashEffectRecord& f = FlashEffects[i];
        if (f.state == 0) continue;
        StampAheadToZero(f.stepTime, now);
        if (f.state == 1) {
            f.state = 2;
            f.stepTime = now;
            PlaySoundEffect(7, SoundVolumes[0]);
        } else if (now - f.stepTime > kPeriod[i]) {
            f.state = f.state >= 4 ? 0 : f.state + 1;
            f.stepTime = now;
        }
    }
}
