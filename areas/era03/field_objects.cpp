// The 65 placed objects of the stretch behind the duel: they rest until the
// heroine comes near, twitch awake one at a time, and leap at her in ever
// higher bounces until she has knocked each twice. Once all are gone the
// stretch refills her HP and lays out 65 coins.
#include "areas/era03/calls.h"
#include "areas/era03/field.h"
#include "areas/era03/records.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/hud.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kStretchLeft = Era03Anchor(3);    // 54850, the stretch's left wall
constexpr std::int32_t kStretchRight = Era03Anchor(5);    // 58350, its right wall

struct ControllerState {
    std::int32_t state = 0;     // 0 new, 1 waiting, 2 live, 3 paying out, 4 coins out, 5 paid
    std::int32_t goneCount = 0;
    double lastWakeTime = 0;
    std::int32_t touchLatch = 0;
    std::int32_t bounced = 0;
};
ControllerState Ctl;

void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

bool ScrollOutsideStretch() { return ScrollX < kStretchLeft - 1200 || ScrollX > kStretchRight; }

}  // namespace

Era03PlacedObjectPlace Era03PlacedObjectLayout(std::int32_t i) {
    if (i == 1) return {kStretchLeft + 394, 315, 2, 0};
    if (i == 2) return {kStretchLeft + 470, 310, 1, 0};
    if (i == 3) return {kStretchLeft + 434, 321, 2, 0};
    if (i == 4) return {kStretchLeft + 557, 329, 1, 0};
    if (i == 5) return {kStretchLeft + 704, 587, 2, 0};
    if (i <= 12) return {kStretchLeft + 694 + 400 * (i - 6), 449, 2, 2};
    if (i <= 19) return {kStretchLeft + 706 + 400 * (i - 13), 473, 2, 2};
    if (i <= 26) return {kStretchLeft + 727 + 400 * (i - 20), 488, 2, 2};
    if (i <= 33) return {kStretchLeft + 848 + 400 * (i - 27), 446, 2, 5};
    if (i <= 40) return {kStretchLeft + 836 + 400 * (i - 34), 467, 2, 5};
    if (i <= 47) return {kStretchLeft + 819 + 400 * (i - 41), 483, 2, 5};
    if (i == 48) return {kStretchLeft + 890, 595, 1, 0};
    if (i == 49) return {kStretchLeft + 1006, 572, 2, 5};
    if (i <= 60) return {kStretchLeft + 1257 + 200 * (i - 50), 589, 2, 5};
    return {kStretchLeft + 1288 + 400 * (i - 61), 315, 2, 5};
}

void ResetEra03PlacedObjectSteps() { Ctl = ControllerState{}; }

void LayOutEra03PlacedObjects() {
    Era03PlacedObjectTable& o = Era03PlacedObjects;
    for (std::int32_t i = 1; i <= kEra03PlacedObjectSlots; ++i) {
        const Era03PlacedObjectPlace p = Era03PlacedObjectLayout(i);
        o.state[i] = 0;
        o.colour[i] = 0xFFFFFFFFu;
        o.x[i] = o.originX[i] = p.x;
        o.y[i] = o.originY[i] = p.y;
        o.look[i] = p.look;
        o.angle[i] = p.angle;
        // An object hit before the heroine left comes back whole.
        o.hits[i] = 0;
    }
}

void LaunchEra03PlacedObject(std::int32_t i) {
    Era03PlacedObjectTable& o = Era03PlacedObjects;
    const std::int32_t dx = PlayerState.x - o.x[i];
    o.vx[i] = 3 * (dx < 0 ? -dx : dx);
    if (PlayerState.x < o.x[i]) o.vx[i] = -o.vx[i];
    o.vy[i] = 980;
}

void PlaceEra03RewardCoins() {
    for (std::int32_t i = 1; i <= kEra03PlacedObjectSlots; ++i) {
        const Era03PlacedObjectPlace p = Era03PlacedObjectLayout(i);
        PickupPool.x[i] = p.x;
        PickupPool.y[i] = p.y + 29;
    }
}

void UpdateEra03PlacedObjectFlight(std::int32_t i) {
    Era03PlacedObjectTable& o = Era03PlacedObjects;
    const double t = GameClock.gameClock;
    PlayerStateRecord& h = PlayerState;

    // 1. Along the current arc.
    Ctl.bounced = 0;
    double s = t - o.launchTime[i];
    o.x[i] = o.originX[i] + TruncToInt(o.vx[i] * s);
    o.y[i] = o.originY[i] - TruncToInt(o.vy[i] * s - 980.0 * s * s);
    // 2. Above the top: a start time ahead sends it far below the floor next
    // step, where the landing catches it.
    if (o.y[i] < -10) {
        o.vy[i] = 10;
        o.launchTime[i] = t + 1.0;
    }
    // 3. Landing: each bounce higher until about 2000 px/s.
    if (o.y[i] > 636) {
        o.originX[i] = o.x[i];
        const std::int32_t r = Random0To99();
        if (o.vy[i] >= 2000) o.vy[i] -= r;
        else o.vy[i] += r;
        o.originY[i] = o.y[i] = 633;
        o.launchTime[i] = t;
        Ctl.bounced = 1;
    }
    // 4. Walls.
    const auto offWall = [&](std::int32_t wallX) {
        o.vx[i] = -o.vx[i];
        o.originX[i] = wallX;
        o.vy[i] = 980;
        o.originY[i] = o.y[i];
        o.launchTime[i] = t;
        Ctl.bounced = 1;
        if (o.vx[i] > 1000) o.vx[i] = 100;
    };
    if (o.x[i] < kStretchLeft + 50) offWall(kStretchLeft + 50);
    if (o.x[i] > kStretchRight - 50) offWall(kStretchRight - 50);
    // 5. Heard only on screen.
    if (Ctl.bounced != 0 && ScrollX <= o.x[i] && o.x[i] <= ScrollX + 1024) Sound(128);
    // 6. Her attack.
    const std::int32_t k = TestPlayerAttackHit(2, o.x[i] - 8, o.x[i] + 8, o.y[i] - 8, o.y[i] + 8);
    // 7. Her body.
    if (k == 0 && Ctl.touchLatch == 0) {
        if (TestBoxAgainstPlayer(o.x[i] - 4, o.y[i] - 4, o.x[i] + 4, o.y[i] + 4) == 2) {
            Ctl.touchLatch = 1;
            if (h.weaponMode2 == 1) {
                Sound(902);
                if (Random0To99() < 5) LowerHeroineHp(1);
            } else if (Random0To99() < 15) {
                LowerHeroineHp(1);
                PlayerHurtPoseRequest = o.y[i] >= h.y - 70 ? 85 : 84;
                Sound(9);
            }
        }
    }
    if (Ctl.touchLatch != 0) {
        Ctl.touchLatch = 0;
        o.vx[i] = -o.vx[i];
        o.originX[i] = o.x[i];
        o.originY[i] = o.y[i];
        o.launchTime[i] = t;
    }
    // 8. Knocked away from her front.
    if (k >= 1 && k <= 5) {
        const std::int32_t f = h.facing;
        o.x[i] = o.originX[i] = h.x + 100 * f;
        o.originY[i] = o.y[i];
        h.exp += 10;
        SpawnPickup(o.x[i], o.y[i] - 50);
        const std::int32_t avx = o.vx[i] < 0 ? -o.vx[i] : o.vx[i];
        if (k == 1) {
            o.hits[i] += 1, o.vx[i] = 5 * avx * f, o.vy[i] = 100, o.launchTime[i] = t;
        } else if (k == 2) {
            o.hits[i] += 1, o.vx[i] = 1200 * f, o.vy[i] = 1200, o.launchTime[i] = t;
        } else if (k == 3) {
            o.hits[i] += 1, o.vx[i] = 10 * f, o.vy[i] = 1700, o.launchTime[i] = t;
        } else if (k == 4) {
            o.hits[i] += 1, o.vx[i] = 10 * f, o.vy[i] = 1700, o.launchTime[i] = t + 1.0;
        } else if (h.weaponMode2 == 1) {
            o.hits[i] += 1, o.vx[i] = 10 * f, o.vy[i] = 100, o.launchTime[i] = t + 1.0;
            h.exp += 10;
            Sound(901);
            PlayerGuardStruck = 1;
        } else {
            o.hits[i] += 2, o.vx[i] = 10 * f, o.vy[i] = 10, o.launchTime[i] = t + 1.0;
        }
    }
    // 9. One hit shows red.
    if (o.hits[i] == 0) o.colour[i] = 0xFFFFFFFFu;
    else if (o.hits[i] == 1) o.colour[i] = 0xFFFF1111u;
    // 10. Two hits finish it once it is high or away from her.
    const std::int32_t away = o.x[i] - h.x;
    if (o.hits[i] >= 2 && (o.y[i] < 100 || away > 300 || away < -300)) {
        SpawnPickup(o.x[i], o.y[i] - 50);
        SpawnBurst(o.x[i], o.y[i]);
        o.look[i] = 0;
        o.state[i] = 99;
        h.exp += 50;
    }
}

void UpdateEra03PlacedObjects() {
    Era03PlacedObjectTable& o = Era03PlacedObjects;
    const double t = GameClock.gameClock;
    // 1.
    if (t - Ctl.lastWakeTime < 0) Ctl.lastWakeTime = 0;
    // 2.
    if (Ctl.state == 0) {
        Ctl.state = 1;
        LayOutEra03PlacedObjects();
    }
    // 3. Live only once the duel is won.
    if (Ctl.state == 1 && Era03Duel.state == 99 && ScrollX >= kStretchLeft - 1200 && ScrollX <= kStretchRight)
        Ctl.state = 2;
    // 4.
    if (Ctl.state == 2) {
        Ctl.goneCount = 0;
        if (ScrollOutsideStretch()) {
            LayOutEra03PlacedObjects();
            Ctl.state = 1;
        }
        for (std::int32_t i = 1; i <= kEra03PlacedObjectSlots; ++i) {
            const std::int32_t dx = PlayerState.x - o.x[i];
            if (o.state[i] == 0 && (dx < 0 ? -dx : dx) < 300 && t - Ctl.lastWakeTime > 0.2) {
                o.state[i] = 1;
                o.launchTime[i] = t;
                Sound(127);
                Ctl.lastWakeTime = t;
            }
            if (o.state[i] == 1) {
                o.angle[i] += TruncToInt((t - o.launchTime[i]) * 90);
                if (t - o.launchTime[i] > 0.1) {
                    o.state[i] = 2;
                    o.launchTime[i] = t;
                    o.look[i] = 3;
                }
            }
            if (o.state[i] == 2 && t - o.launchTime[i] >= 1.0) {
                o.launchTime[i] = t;
                LaunchEra03PlacedObject(i);
                o.state[i] = 3;
            }
            if (o.state[i] == 3) UpdateEra03PlacedObjectFlight(i);
            if (o.look[i] == 0) Ctl.goneCount += 1;
        }
        if (Ctl.goneCount >= kEra03PlacedObjectSlots) Ctl.state = 3;
    }
    // 5. The payout.
    if (Ctl.state == 3) {
        Ctl.state = 4;
        Ctl.goneCount = 0;
        PlaceEra03RewardCoins();
        Sound(63);
        PlayerState.hp = PlayerState.maxHp;
        for (std::int32_t i = 1; i <= kEra03PlacedObjectSlots; ++i) PickupPool.active[i] = 1;
    }
    // 6. The coins are held at their places until all are taken.
    if (Ctl.state == 4) {
        PlaceEra03RewardCoins();
        bool anyLeft = false;
        for (std::int32_t i = 1; i <= kEra03PlacedObjectSlots; ++i) anyLeft = anyLeft || PickupPool.active[i] != 0;
        if (!anyLeft) Ctl.state = 5;
    }
    // 7. Coming back pays out again.
    if (Ctl.state == 5 && ScrollOutsideStretch()) Ctl.state = 1;
}
