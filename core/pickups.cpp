#include "core/pickups.h"

#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

void SpawnPickup(std::int32_t x, std::int32_t y) {
    PickupPoolRecord& p = PickupPool;
    for (int i = 1; i <= PickupPoolRecord::kSlots; ++i) {
        if (p.active[i] != 0) continue;
        p.state[i] = 1;
        p.active[i] = 1;
        p.x[i] = x;
        p.y[i] = y;
        return;
    }
}

void UpdatePickupPop(std::int32_t slot) {
    if (slot < 1 || slot > PickupPoolRecord::kSlots) return;
    PickupPoolRecord& p = PickupPool;
    const double now = GameClock.gameClock;
    if (p.state[slot] == 1) {
        p.state[slot] = 2;
        p.popStartY[slot] = p.y[slot];
        p.popStartTime[slot] = now;
        // Eight copies of one coin sample: 100..103 and 142..145.
        if (p.soundCounter > 144) {
            p.soundCounter = 100;
        } else {
            p.soundCounter += 1;
            if (p.soundCounter == 104) p.soundCounter = 142;
        }
        PlaySoundEffect(p.soundCounter, SoundVolumes[1]);
    }
    if (p.state[slot] == 2) {
        const double t = now - p.popStartTime[slot];
        const double rise = 600.0 * t - kArcGravity * t * t;   // not truncated before it is taken off
        const std::int32_t newY = static_cast<std::int32_t>(p.popStartY[slot] - rise);
        if (newY > p.y[slot]) {
            p.state[slot] = 0;   // past the top of the arc: rest there
        } else {
            p.y[slot] = newY;
        }
    }
}

void UpdatePickups() {
    PickupPoolRecord& p = PickupPool;
    const double now = GameClock.gameClock;
    for (int i = 1; i <= PickupPoolRecord::kSlots; ++i) {
        if (p.state[i] == 1 || p.state[i] == 2) UpdatePickupPop(i);
    }
    StampAheadToZero(p.riseTickTime, now);   // clock rebuilt by a load
    const bool tick = now - p.riseTickTime >= 0.02;
    if (tick) p.riseTickTime = now;

    for (int i = 1; i <= PickupPoolRecord::kSlots; ++i) {
        if (p.active[i] != 1) continue;
        if (tick) p.y[i] -= 1;
        if (p.y[i] < 1) p.active[i] = 0;
        if (p.active[i] != 1 || p.state[i] != 0) continue;
        const std::int32_t x = p.x[i], y = p.y[i];
        const bool touched = TestBoxAgainstPlayer(x - 16, y - 32, x + 16, y) == 2 ||
                             TestPlayerAttackHit(0, x - 16, x + 16, y - 32, y) != 0;
        if (touched) {
            p.active[i] = 0;
            Gold += 10;
            PlaySoundEffect(34, SoundVolumes[1]);
        }
    }
}
