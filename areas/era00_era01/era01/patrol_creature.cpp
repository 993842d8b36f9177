// The creature that creeps along its band only while the heroine looks away,
// charges her when she crouches facing it from afar, and, kicked into the
// air, can knock down the four prizes hanging above the ground; the prizes
// fall, are picked up for an item and hang again ten seconds later.
#include <cstdint>
#include <cstdlib>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/game_flow.h"
#include "core/hit_tests.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t kPatrolOrigin = SectionAnchorX[6];   // 6000

// The record's words by what they mean here.
std::int32_t& Mode() { return PatrolCreatureRecord.step; }
std::int32_t& Frame() { return PatrolCreatureRecord.state; }
std::int32_t& CreepStep() { return PatrolCreatureRecord.flag; }

struct CreaturePrivate {
    double stamp = 0.0, chargeStamp = 0.0;
    std::int32_t savedFacing = 0, savedX = 0, lastHitKind = 0;
};
CreaturePrivate creature;

struct Prize {
    std::int32_t x, hangY, fallOrigin, frame;
    std::int32_t strikeLo, strikeHi;   // struck when lo < creature x + 20 and creature x < hi
};
constexpr Prize kPrizes[4] = {
    {kPatrolOrigin + 705, 250, 200, 1, kPatrolOrigin + 705, kPatrolOrigin + 729},
    {kPatrolOrigin + 500, 200, 150, 2, kPatrolOrigin + 500, kPatrolOrigin + 524},
    {kPatrolOrigin + 837, 200, 150, 1, kPatrolOrigin + 837, kPatrolOrigin + 871},
    {kPatrolOrigin + 600, 300, 200, 2, kPatrolOrigin + 600, kPatrolOrigin + 624},
};
// Prize 0 has a second window just right of its own: through it the creature
// bounces on along the other prizes.
constexpr std::int32_t kPrize0BounceLo = kPatrolOrigin + 729, kPrize0BounceHi = kPatrolOrigin + 753;
double prizeSwayStamp[4] = {}, prizeStamp[4] = {};

// Prize words: pit[k].position is its y, .state its picture, .frame its state.
constexpr std::int32_t kHanging = 1, kSwaying = 2, kFalling = 3, kLying = 4, kTaken = 5;

void Sway(int k, double now) {
    PatrolCreatureRecord.pit[k].frame = kSwaying;
    prizeSwayStamp[k] = prizeStamp[k] = now;
}

void Burst(std::int32_t x, std::int32_t y) {
    BigBurstPool.state[1] = 1;
    BigBurstPool.x[1] = x;
    BigBurstPool.y[1] = y;
}

void Vanish(double now) {
    Mode() = 6;
    creature.stamp = now;
}

void MoveTo(std::int32_t x, std::int32_t y, std::int32_t mode, double now) {
    PatrolCreatureRecord.x = x;
    PatrolCreatureRecord.y = y;
    Mode() = mode;
    creature.stamp = now;
}

bool Overlaps(int k) {
    const std::int32_t py = PatrolCreatureRecord.pit[k].position, y = PatrolCreatureRecord.y;
    return py < y + 21 && y < py + 24;
}
bool InWindow(std::int32_t lo, std::int32_t hi) {
    const std::int32_t x = PatrolCreatureRecord.x;
    return lo < x + 20 && x < hi;
}

void Creep(double now) {
    PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    const std::int32_t hx = PlayerState.x;
    const bool lookingAway =
        (PlayerState.facing == 1 && hx > r.x + 50) || (PlayerState.facing == -1 && hx < r.x - 50);
    Mode() = lookingAway ? 1 : 0;
    if (Mode() == 1) {
        if (r.x < kPatrolOrigin + 795) CreepStep() = 2;
        if (r.x > kPatrolOrigin + 950) CreepStep() = -2;
        if (MoreThanElapsed(creature.stamp, now, 0.06)) {
            Frame() = Frame() == 1 ? 2 : 1;
            r.x += CreepStep();
            creature.stamp = now;
        }
    }
    if (PlayerState.pose != 26 || hx <= kPatrolOrigin + 650 || hx >= kPatrolOrigin + 1095 || std::abs(hx - r.x) <= 100)
        return;
    std::int32_t charge = 0;
    if (PlayerState.facing == -1 && r.x < hx) charge = 2;
    if (PlayerState.facing == 1 && hx <= r.x) charge = 3;
    if (charge == 0) return;
    Mode() = charge;
    creature.savedFacing = PlayerState.facing;
    creature.savedX = r.x;
    creature.chargeStamp = now;
}

void Charge(double now) {
    PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    const std::int32_t hx = PlayerState.x;
    const std::int32_t run = RateMove(400.0, now - creature.chargeStamp);
    if (Mode() == 2) {
        if (r.x < hx - 20) {
            r.x = creature.savedX + run;
            Frame() = Frame() == 1 ? 2 : 1;
        } else {
            Mode() = 4;
            r.x = hx - 20;
        }
    } else if (Mode() == 3) {
        if (r.x >= hx + 20) {
            r.x = creature.savedX - run;
            Frame() = Frame() == 1 ? 2 : 1;
        } else {
            Mode() = 5;
            r.x = hx - 15;
        }
    }
}

void Strikes(double now) {
    PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    const std::int32_t hx = PlayerState.x, hy = PlayerState.y;
    if (PlayerState.weaponMode1 == 1) {
        const bool kickHeight = r.y < hy - 34 && hy - 82 < r.y + 21;
        const bool left = PlayerState.facing == -1 && hx - 100 < r.x + 20 && r.x < hx - 30;
        const bool right = PlayerState.facing == 1 && hx + 30 < r.x + 20 && r.x < hx + 100;
        if (PlayerState.pose == 21 && kickHeight && (left || right)) {
            Mode() = left ? 10 : 20;
            HitEffectState = 1;
            PlayFieldSound(7);
            PlayerState.exp += 5;
        } else if (PlayerState.pose == 103 && kickHeight && (left || right)) {
            Mode() = 22;
            PlayFieldSound(60);
            PlayerState.exp += 5;
        }
    }
    if (PlayerState.weaponMode2 == 1 && Mode() >= 2 && Mode() <= 5) {
        creature.lastHitKind = TestPlayerAttackHit(2, r.x - 20, r.x + 20, r.y - 20, r.y + 20);
        if (creature.lastHitKind != 0) {
            SpawnBigBurst(r.x, r.y);
            SpawnPickup(r.x, r.y);
            PlayerState.exp += 10;
            Vanish(now);
        }
    }
}

void Contact(double now) {
    PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    Vanish(now);
    PlayFieldSound(7);
    const std::int32_t hx = PlayerState.x;
    if (r.y < PlayerState.y && hx - 50 < r.x + 20 && r.x < hx + 50) {
        PlayerState.x -= creature.savedFacing;
        // Her guard in weapon mode 2 takes the whole blow.
        if (PlayerState.weaponMode2 == 1)
            PlayFieldEffect(902);
        else
            LowerHeroineHp(1);
    }
    SpawnBigBurst(r.x + 10, r.y + 10);
}

void HitPrizes(double now) {
    PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    if (Overlaps(0) && InWindow(kPrize0BounceLo, kPrize0BounceHi)) {
        Mode() = 30;
        Sway(0, now);
        Burst(r.x, r.y + 10);
    } else if (Overlaps(0) && InWindow(kPrizes[0].strikeLo, kPrizes[0].strikeHi)) {
        Sway(0, now);
        Vanish(now);
        Burst(r.x + 10, r.y + 10);
    }
    for (int k = 1; k <= 3; ++k) {
        if (Mode() < 10 || Mode() > 20) return;
        if (Overlaps(k) && InWindow(kPrizes[k].strikeLo, kPrizes[k].strikeHi)) {
            Sway(k, now);
            Vanish(now);
            Burst(r.x + 10, r.y + 10);
        }
    }
}

// Knocks prize k down if it still hangs; true if it did.
bool KnockDown(int k, double now) {
    if (PatrolCreatureRecord.pit[k].frame != kHanging) return false;
    Sway(k, now);
    PlayFieldSound(11);
    return true;
}

void Bounce(double now) {
    PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    if (!MoreThanElapsed(creature.stamp, now, 0.03)) {
        if (Mode() == 30) {
            Frame() = 1;
            r.x += 20;
            r.y -= 20;
            PlayFieldSound(11);
        }
        return;
    }
    // Later hops first, so each change shows on the next step.
    switch (Mode()) {
        case 37:
            MoveTo(kPatrolOrigin + 595, 243, 37, now);
            KnockDown(3, now);
            Vanish(now);
            Burst(r.x + 10, r.y + 10);
            break;
        case 36: MoveTo(kPatrolOrigin + 559, 200, 37, now); break;
        case 35:
            if (KnockDown(1, now)) {
                MoveTo(kPatrolOrigin + 520, 163, 36, now);
            } else {
                Vanish(now);
                Burst(r.x + 10, r.y + 10);
            }
            break;
        case 34: MoveTo(kPatrolOrigin + 600, 163, 35, now); break;
        case 33: MoveTo(kPatrolOrigin + 670, 163, 34, now); break;
        case 32:
            if (KnockDown(2, now)) {
                MoveTo(kPatrolOrigin + 755, 163, 33, now);
            } else {
                Vanish(now);
                Burst(r.x + 10, r.y + 10);
            }
            break;
        case 31: MoveTo(kPatrolOrigin + 822, 159, 32, now); break;
        default: MoveTo(kPatrolOrigin + 775, 179, 31, now); break;   // 30
    }
}

}  // namespace

void UpdatePatrolCreature(std::int32_t arg) {
    PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    if (arg == 0) {
        creature = CreaturePrivate{};
        for (int k = 0; k < 4; ++k) prizeSwayStamp[k] = prizeStamp[k] = 0.0;
        return;
    }
    const double now = FieldClock();
    StampAheadToZero(creature.stamp, now);
    StampAheadToZero(creature.chargeStamp, now);
    if (Mode() < 2) Creep(now);
    Charge(now);
    if (Mode() >= 2 && Mode() <= 5) Strikes(now);
    if (Mode() == 4 || Mode() == 5) Contact(now);
    if (Mode() == 6 && AtLeastElapsed(creature.stamp, now, 0.06)) {
        Mode() = 7;
        creature.stamp = now;
        Frame() = 0;
    }
    if (Mode() == 7 && AtLeastElapsed(creature.stamp, now, 1.0)) {
        Mode() = 0;
        Frame() = 1;
        r.x = kPatrolOrigin + 836;
        r.y = 557;
        if (GameFlow.gameOverRunning == 0) PlayFieldSound(8);
    }
    if (Mode() >= 10 && Mode() <= 20) HitPrizes(now);
    if (Mode() == 10 || Mode() == 20) {
        if (r.y < 100) {
            Vanish(now);
            Burst(r.x + 10, r.y + 10);
        } else {
            Frame() = 1;
            r.x += Mode() == 10 ? -20 : 20;
            r.y -= 20;
        }
    }
    if (Mode() == 22) {
        Frame() = 1;
        Vanish(now);
        Burst(r.x + 10, r.y + 10);
        SpawnPickup(r.x, r.y - 30);
        PlayFieldSound(60);
    }
    if (Mode() >= 30 && Mode() <= 37) Bounce(now);
}

void UpdateHangingPrizes() {
    const double now = FieldClock();
    for (int k = 0; k < 4; ++k) {
        PatrolPitSpot& p = PatrolCreatureRecord.pit[k];
        const Prize& spot = kPrizes[k];
        StampAheadToZero(prizeSwayStamp[k], now);
        StampAheadToZero(prizeStamp[k], now);
        if (p.frame == kSwaying) {
            if (AtLeastElapsed(prizeSwayStamp[k], now, 0.1)) {
                p.state = p.state == 1 ? 2 : 1;
                prizeSwayStamp[k] = now;
            }
            if (AtLeastElapsed(prizeStamp[k], now, 1.0)) p.frame = kFalling;
        }
        if (p.frame == kFalling) {
            if (p.position < 616) {
                const std::int32_t fall = p.position - spot.fallOrigin;
                p.position += fall * fall / 500 + 1;
            }
            if (p.position >= 616) {
                p.position = 616;
                p.state = 1;
                p.frame = kLying;
                PlayFieldSound(9);
            }
        }
        if (p.frame == kLying && PlayerState.pose == 26 && PlayerState.x >= spot.x && PlayerState.x <= spot.x + 24) {
            p.state = 0;
            p.frame = kTaken;
            prizeStamp[k] = now;
            PlayFieldSound(10);
            ++ItemCounts[0];
        }
        if (p.frame == kTaken && AtLeastElapsed(prizeStamp[k], now, 10.0)) {
            p.frame = kHanging;
            p.position = spot.hangY;
            p.state = spot.frame;
            if (ScrollX < kPatrolOrigin + 1000) PlayFieldSound(11);
        }
    }
}
