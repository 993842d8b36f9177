// The second half of encounter C's third phase: she and her nine riders fly
// into a slanting line high over the far end of the hall; once the heroine
// has come up, the riders dive at her one by one, firing and dropping fire
// bombs, and return to a line on her left, then her right. A blow knocks a
// platform or rider away; a rider that has taken too much is destroyed.
#include <cmath>
#include <cstdlib>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kFigure = kEncounterCSlot;
constexpr std::int32_t kLineX = Era04Door5 + 2000, kLineY = 230;
constexpr std::int32_t kDestroyed = 99;
constexpr std::int32_t kDropping = 81;   // a platform whose bomb falls or burns

StageObjectTableRecord& Objects() { return StageObjectTable; }
void Sound(std::int32_t id, std::int32_t divisor = 1) { PlaySoundEffect(id, SoundVolumes[1] / divisor); }

// ---- the formation --------------------------------------------------------------
struct FormationWords {
    std::int32_t state = 0, arrived[11] = {}, counter = 40, launchDone = 0, result = 1;
    double stamp = 0;
};
FormationWords Formation;

// ---- the waves --------------------------------------------------------------------
struct DiveWords {
    std::int32_t dive = 0, platformHit = 0, riderHit = 0, knocked = 0;
    std::int32_t platformRegroup = 0, riderRegroup = 0, hover = 0, attack = 0, lastRiderX = 0;
    double tickStamp = 0;
};
DiveWords Dive[11];

// ---- knocks ------------------------------------------------------------------------
struct KnockWords {
    std::int32_t state = 0, kind = 0, direction = 1, angleCounter = 0, yDirection = -1, rockSign = 1;
    double x = 0, y = 0, amplitude = 0, vx = 0, vy = 0, stamp = 0, burstStamp = 0;
};
KnockWords PlatformKnocks[11], RiderKnocks[11];

struct KnockRow {
    std::int32_t kind, amplitude, vx, vy, yDirection, rockSign;   // rockSign multiplies the direction
};
constexpr KnockRow kPlatformKnocks[] = {
    {1, 25, 10, 5, -1, -1},
    {2, 35, 10, 40, -1, 1},
    {3, 30, 20, 20, -1, 1},
    {4, 45, 10, 40, 1, -1},
};
constexpr KnockRow kRiderKnocks[] = {
    {1, 5, 20, 5, -1, -1},
    {2, 5, 10, 20, -1, 1},
    {3, 20, 5, 20, -1, 1},
    {4, 15, 10, 20, 1, -1},
};

// ---- bombs -------------------------------------------------------------------------
struct BombWords {
    std::int32_t state = 0, startX = 0, startY = 0, dropX = 0, dropY = 0, vx = 0, vy = 0;
    double stamp = 0;
};
BombWords Bombs[11];
double BoltStamps[11] = {};

// The point of the line that servant i takes: to the right of her during the
// flight in and the right-hand waves, to the left in the left-hand waves.
std::int32_t LineX(std::int32_t i, std::int32_t side) { return kLineX + 40 * i * side; }
std::int32_t LineY(std::int32_t i) { return kLineY - 10 * i; }

// Starts a knock of `slot` by a blow of `kind`: damage and EXP grow by
// `worth` × kind on the rider `rider`.
void StartKnock(KnockWords& w, const KnockRow* rows, std::int32_t slot, std::int32_t rider, std::int32_t worth) {
    StageObjectTableRecord& t = Objects();
    w.state = 2;
    w.x = t.x[slot];
    w.y = t.y[slot];
    w.stamp = w.burstStamp = GameNow();
    w.direction = PlayerState.facing;
    w.angleCounter = 0;
    t.damage[rider] += worth * w.kind;
    PlayerState.exp += worth * w.kind;
    const KnockRow& row = rows[w.kind - 1];
    w.amplitude = row.amplitude;
    w.vx = row.vx;
    w.vy = row.vy;
    w.yDirection = row.yDirection;
    w.rockSign = row.rockSign * w.direction;
}

// One tick of a knock: the slot rocks, slides and rises or sinks, bounces off
// the hall's ends and drops a coin `coinDy` below itself. True once spent.
bool KnockTick(KnockWords& w, std::int32_t slot, std::int32_t coinDy) {
    StageObjectTableRecord& t = Objects();
    w.angleCounter = w.angleCounter < 360 ? w.angleCounter + 10 : 0;
    t.rotation[slot] = TruncToInt(std::sin(w.angleCounter * 3.14159265358979 / 180.0) * w.amplitude) * w.rockSign;
    w.amplitude -= 0.5;
    if (w.amplitude <= 0) {
        w.amplitude = 0;
        t.rotation[slot] = 0;
    }
    w.vx = w.vx > 0 ? w.vx - 1 : 0;
    w.vy = w.vy > 0 ? w.vy - 1 : 0;
    w.x += w.direction * w.vx;
    w.y += w.yDirection * w.vy;
    if (w.y > 580) w.y = 580;
    t.x[slot] = TruncToInt(w.x);
    t.y[slot] = TruncToInt(w.y);
    SpawnPickup(t.x[slot], t.y[slot] + coinDy);
    if (w.x < Era04Door5 + 150) {
        w.direction = 1;
        w.yDirection = -1;
    }
    if (w.x > Era04Door6 - 150) {
        w.direction = -1;
        w.yDirection = -1;
    }
    return w.vx + w.vy + w.amplitude == 0;
}

std::int32_t TestKnock(KnockWords& w, std::int32_t testMode, std::int32_t slot, std::int32_t below,
                       std::int32_t above) {
    StageObjectTableRecord& t = Objects();
    const float s = t.scale[slot];
    const std::int32_t x = t.x[slot], y = t.y[slot];
    const std::int32_t half = TruncToInt(46 * s);
    w.kind = TestPlayerAttackHit(testMode, x - half, x + half, y + TruncToInt(below * s), y - TruncToInt(above * s));
    // Her guard meets a servant without knocking it anywhere.
    if (w.kind < 1 || w.kind > 4) w.kind = 0;
    w.state = 1;
    return w.kind;
}

// Flies a knocked slot back to its place in the line; true on arrival.
bool Regroup(std::int32_t& regroup, std::int32_t hit, std::int32_t slot, std::int32_t i, std::int32_t side) {
    if (regroup == 0 && hit != 1) {
        regroup = 1;
        TweenObjectTwoLeg(0, slot, LineX(i, side), LineY(i));
    }
    if (regroup == 1 && TweenObjectTwoLeg(1, slot, LineX(i, side), LineY(i)) == kEncounterCDone) regroup = 2;
    return regroup == 2;
}

void StepDiver(std::int32_t i, std::int32_t side, std::int32_t& result) {
    StageObjectTableRecord& t = Objects();
    DiveWords& w = Dive[i];
    const std::int32_t p = 30 + i, r = 50 + i;
    const double now = GameNow();
    StampAheadToZero(w.tickStamp, now);
    if (t.stepState[r] == kDestroyed) {
        t.code[r] = 0;
        return;
    }
    if (w.platformHit == 0 && KnockServantPlatform(1, p) != 0) w.platformHit = 1;
    if (w.platformHit == 1 && KnockServantPlatform(2, p) == kEncounterCDone) w.platformHit = 2;
    if (w.riderHit == 0 && KnockServantRider(1, r) != 0) {
        w.riderHit = 1;
        w.knocked = 1;
    }
    if (w.riderHit == 1 && KnockServantRider(2, r) == kEncounterCDone) w.riderHit = 2;
    if (t.stepState[r] == kDestroyed) return;
    if (w.knocked == 0 && (w.platformHit != 0 || w.riderHit != 0)) {
        w.knocked = 1;
        w.platformRegroup = w.riderRegroup = 0;
        w.hover = 1;
    }
    const std::int32_t hx = PlayerState.x, hy = PlayerState.y;
    if (w.knocked == 0) {
        if (w.dive == 1 && t.stepState[p] == 1) {
            w.dive = 2;
            w.tickStamp = now;
            TweenObjectY(0, p, LineY(i));
        }
        if (w.dive == 2) {
            t.code[r] = 13;
            t.y[r] = t.y[p];
            if (TweenObjectY(1, p, 330 - 10 * i) == kEncounterCDone) {
                w.dive = 3;
                t.rotation[p] = t.rotation[kFigure] = 0;
                TweenObjectTwoLeg(0, p, 0, 0);
                t.stepState[kFigure] = 0;
                w.attack = 1;
            }
        }
        if (w.dive == 3 && TweenObjectTwoLeg(1, p, hx - side * 100 + 20 * i, hy - 220) == kEncounterCDone) {
            w.dive = 4;
            t.rotation[p] = t.rotation[kFigure] = 0;
            TweenObjectTwoLeg(0, p, 0, 0);
        }
        if (w.dive == 4 && TweenObjectTwoLeg(2, p, LineX(i, side), LineY(i)) == kEncounterCDone) {
            w.dive = 5;
            t.rotation[kFigure] = 0;
        }
        if ((w.dive == 3 || w.dive == 4) && w.attack == 1) {
            if (t.stepState[p] != kDropping) FireServantBolts(p);
            if (std::abs(hx + 250 - 5 * i * PlayerState.facing - t.x[p]) < 50) {
                w.attack = 2;
                RunServantBombs(0, p);
            }
        }
        // The rider hovers at a fixed height while its platform dives below it.
        const std::int32_t hoverY = 10 * i + 250;
        if (t.y[p] >= hoverY) {
            t.y[r] = hoverY;
            w.hover = 1;
            t.facing[r] = t.x[p] - w.lastRiderX > 5 ? 1 : -1;
        } else {
            t.y[r] = t.y[p];
            w.hover = 0;
            if (t.code[r] == 26 || t.code[r] == 27) t.code[r] = 40;
        }
        t.x[r] = t.x[p];
        w.lastRiderX = t.x[r];
    }
    if (w.hover == 1 && MoreThanElapsed(w.tickStamp, now, 0.02)) {
        w.tickStamp = now;
        Sound(215, 2);
        t.code[r] = t.code[r] == 26 ? 27 : 26;
    }
    if (w.knocked == 1) {
        // One struck again on its way back finishes that knock first: cutting
        // it short would also cut short the burning of a rider past 300,
        // which is then never destroyed and holds the waves for ever.
        const bool platformBack = w.platformHit != 1 && Regroup(w.platformRegroup, w.platformHit, p, i, side);
        if (platformBack) w.platformHit = 0;
        const bool riderBack = w.riderHit != 1 && Regroup(w.riderRegroup, w.riderHit, r, i, side);
        if (riderBack) w.riderHit = 0;
        if (platformBack && riderBack) {
            w.knocked = 0;
            w.hover = 0;
            w.dive = 4;
            t.rotation[p] = t.rotation[r] = t.rotation[kFigure] = 0;
            TweenObjectTwoLeg(0, p, 0, 0);
        }
    }
    // A rider knocked while already back in the line holds the wave until its
    // knock is spent: the next wave clears the hit words, and a rider past
    // 300 would lose its burning and never be destroyed.
    if (w.knocked == 1 || !(w.dive == 5 && t.stepState[p] != kDropping)) result = 0;
}

}  // namespace

std::int32_t RunPhase3Formation(std::int32_t mode) {
    FormationWords& w = Formation;
    StageObjectTableRecord& t = Objects();
    EncounterCFigureRecord& f = EncounterCFigure;
    const double now = GameNow();
    StampAheadToZero(w.stamp, now);
    if (mode == 0) {
        w.state = 1;
        w.result = 1;
        // Riders that were never summoned (her damage ended the circle first)
        // count as destroyed, or the waves would wait for them for ever.
        for (std::int32_t i = 2; i <= 10; ++i) {
            if (t.code[30 + i] != 0) continue;
            t.stepState[50 + i] = kDestroyed;
            t.code[50 + i] = 0;
        }
        return w.state;
    }
    if (w.state == 1) {
        w.state = 3;
        for (std::int32_t i = 1; i <= 10; ++i) {
            w.arrived[i] = 0;
            TweenObjectTwoLeg(0, 30 + i, 0, 0);
        }
    }
    if (w.state == 3) {
        f.speechNumber = 0;
        bool all = true;
        for (std::int32_t i = 1; i <= 10; ++i) {
            const std::int32_t p = 30 + i, r = 50 + i;
            t.stepState[p] = 0;
            const std::int32_t tx = i == 1 ? kLineX : LineX(i, 1), ty = i == 1 ? kLineY : LineY(i);
            if (w.arrived[i] == 0 && TweenObjectTwoLeg(2, p, tx, ty) == kEncounterCDone) {
                w.arrived[i] = 1;
                t.code[kFigure] = 28;
                if (i != 1) {
                    t.facing[r] = -1;
                    if (t.stepState[r] != kDestroyed) t.code[r] = 21;
                }
            }
            t.x[r] = t.x[p];
            t.y[r] = t.y[p];
            if (w.arrived[i] == 0) all = false;
        }
        if (all) {
            w.state = 4;
            f.speechNumber = 0;
            w.stamp = now;
            t.rotation[kFigure] = 0;
        }
    }
    if (w.state == 4) {
        t.code[kFigure] = 28;
        if (ScrollX >= Era04Door5 + 1428) {
            w.state = 5;
            w.stamp = now;
            Sound(112, 2);
        }
    }
    if (w.state == 5 && MoreThanElapsed(w.stamp, now, 0.06)) {
        w.stamp = now;
        if (++t.code[kFigure] >= 33) {
            w.state = 6;
            t.code[kFigure] = 32;
        }
    }
    if (w.state == 6 && MoreThanElapsed(w.stamp, now, 0.06)) {
        w.stamp = now;
        if (--t.code[kFigure] < 28) {
            w.state = 7;
            t.code[kFigure] = 28;
            w.counter = 40;
            RunServantDiveWave(0);
            w.launchDone = 0;
        }
    }
    if ((w.state == 7 || w.state == 8) && w.launchDone == 0 && MoreThanElapsed(w.stamp, now, 0.8)) {
        w.stamp = now;
        t.stepState[w.counter] = 1;
        if (--w.counter < 32) w.launchDone = 1;
    }
    if (w.state == 7 && RunServantDiveWave(1) == kEncounterCDone) {
        w.state = 8;
        w.launchDone = 0;
        w.counter = 40;
        w.stamp = now;
        for (std::int32_t i = 2; i <= 10; ++i) {
            if (t.stepState[50 + i] != kDestroyed) t.code[50 + i] = 28;
            t.facing[50 + i] = 1;
            t.stepState[30 + i] = 0;
        }
        RunServantDiveWave(0);
    }
    if (w.state == 8 && RunServantDiveWave(2) == kEncounterCDone) {
        w.state = 7;
        t.code[kFigure] = 28;
        w.counter = 40;
        RunServantDiveWave(0);
        w.launchDone = 0;
    }
    if (w.state >= 7) {
        w.result = kEncounterCDone;
        for (std::int32_t k = 32; k <= 40; ++k)
            if (t.code[k] != 0 || t.code[k + 20] != 0) w.result = 1;
    }
    return w.result;
}

std::int32_t RunServantDiveWave(std::int32_t mode) {
    if (mode == 0) {
        for (DiveWords& w : Dive) {
            w.dive = 1;
            w.platformHit = w.riderHit = 0;
        }
        return 0;
    }
    EncounterCFigure.speechNumber = 1;
    const std::int32_t side = mode == 1 ? -1 : 1;
    std::int32_t result = kEncounterCDone;
    for (std::int32_t i = 2; i <= 10; ++i) StepDiver(i, side, result);
    return result;
}

std::int32_t KnockServantPlatform(std::int32_t mode, std::int32_t slot) {
    KnockWords& w = PlatformKnocks[slot - 30];
    if (mode == 0) {
        w.state = 0;
        return 0;
    }
    // The band from y - 56 s down to y must lie inside the blow's box.
    if (mode == 1) return TestKnock(w, 0, slot, 0, 56);
    StampAheadToZero(w.stamp, GameNow());
    if (w.state == 1) StartKnock(w, kPlatformKnocks, slot, slot + 20, 5);
    if (w.state == 2 && MoreThanElapsed(w.stamp, GameNow(), 0.02)) {
        w.stamp = GameNow();
        if (KnockTick(w, slot, 20)) {
            w.kind = kEncounterCDone;
            Objects().rotation[slot] = 0;
        }
    }
    return w.kind;
}

std::int32_t KnockServantRider(std::int32_t mode, std::int32_t slot) {
    KnockWords& w = RiderKnocks[slot - 50];
    StageObjectTableRecord& t = Objects();
    if (mode == 0) {
        w.state = 0;
        return 0;
    }
    // A blow on a rider sparks and sounds; its band runs from y up 150 s.
    if (mode == 1) return TestKnock(w, 2, slot, 150, 0);
    const double now = GameNow();
    StampAheadToZero(w.stamp, now);
    StampAheadToZero(w.burstStamp, now);
    const std::int32_t p = slot - 20;
    if (w.state == 1) StartKnock(w, kRiderKnocks, slot, slot, 10);
    if (w.state == 2) {
        if (t.damage[slot] > 300 && MoreThanElapsed(w.burstStamp, now, 0.1)) {
            w.burstStamp = now;
            SpawnBigBurst(t.x[slot], t.y[slot] - TruncToInt(100 * t.scale[slot]));
            SpawnBigBurst(t.x[p], t.y[p] - TruncToInt(50 * t.scale[p]));
        }
        if (MoreThanElapsed(w.stamp, now, 0.02)) {
            w.stamp = now;
            if (KnockTick(w, slot, -50)) {
                if (t.damage[slot] <= 300) {
                    w.kind = kEncounterCDone;
                    t.rotation[slot] = 0;
                } else {
                    w.state = 3;
                    w.stamp = w.burstStamp = now;
                }
            }
        }
    }
    if (w.state == 3) {
        const std::int32_t e = TruncToInt((now - w.stamp) * 100);
        t.code[slot] = 34;
        if (MoreThanElapsed(w.burstStamp, now, 0.08)) {
            w.burstStamp = now;
            SpawnBurst(t.x[slot], t.y[slot] - e);
            SpawnBurst(t.x[p], t.y[p] + e / 4);
        }
        if (MoreThanElapsed(w.stamp, now, 1.05)) {
            t.stepState[slot] = kDestroyed;
            t.code[slot] = 0;
            t.code[p] = 0;
        }
    }
    return w.kind;
}

void FireServantBolts(std::int32_t slot) {
    EncounterCFigure.projectileMode = 1;
    double& stamp = BoltStamps[slot - 30];
    StampAheadToZero(stamp, GameNow());
    if (!MoreThanElapsed(stamp, GameNow(), 0.05)) return;
    stamp = GameNow();
    FireHalfSizeBolt(slot);
}

std::int32_t RunServantBombs(std::int32_t mode, std::int32_t slot) {
    StageObjectTableRecord& t = Objects();
    const double now = GameNow();
    if (mode == 0) {
        BombWords& w = Bombs[slot - 30];
        w.state = 1;
        w.startX = t.x[slot];
        w.startY = t.y[slot] + TruncToInt(70 * t.scale[slot]);
        w.stamp = now;
        BombsRunning = 1;
        return 0;
    }
    bool allOut = true;
    for (std::int32_t i = 2; i <= 10; ++i) {
        BombWords& w = Bombs[i];
        const std::int32_t p = 30 + i, b = 40 + i;
        StampAheadToZero(w.stamp, now);
        if (w.state == 1 && AtLeastElapsed(w.stamp, now, 0.1)) {
            w.state = 2;
            w.dropX = t.x[p];
            w.dropY = t.y[p] + TruncToInt(70 * t.scale[p]);
            Sound(218, 4);
            Sound(14, 4);
        }
        if (w.state == 2) {
            w.state = 3;
            w.stamp = now;
            t.stepState[p] = kDropping;
            t.stepState[b] = 1;
            t.scale[b] = t.scale[p];
            t.rotation[b] = 0;
            t.x[b] = w.dropX;
            t.y[b] = w.dropY;
            // Thrown along the platform's last 0.1 s, but always falling at
            // least 200 px/s and never flatter than one in five.
            w.vx = w.dropX - w.startX;
            w.vy = w.dropY - w.startY;
            if (w.vy < 20) w.vy = 20;
            if (w.vy < std::abs(5 * w.vx)) w.vx = (w.vx < 0 ? -w.vy : w.vy) / 5;
        }
        if (w.state == 3) {
            const double s = now - w.stamp;
            t.x[b] = w.dropX + TruncToInt(10.0 * w.vx * s);
            t.y[b] = TruncToInt(10.0 * w.vy * s) + w.dropY;
            if (t.y[b] >= 640) {
                w.state = 4;
                t.y[b] = 640;
                w.stamp = now;
                Sound(147, 4);
                Sound(122);
            }
        }
        if (w.state == 4) {
            t.stepState[b] = 2;
            t.scale[b] = t.scale[p];
            const float s = t.scale[b];
            const std::int32_t x = t.x[b], y = t.y[b];
            if (TestBoxAgainstPlayer(x - TruncToInt(50 * s), y - TruncToInt(100 * s), x + TruncToInt(50 * s), y + 3) ==
                2)
                RunPlayerShock(0);
            if (MoreThanElapsed(w.stamp, now, 5.89)) {
                w.state = 5;
                t.stepState[b] = 0;
                t.stepState[p] = 0;
                Sound(104, 4);
            }
        }
        if (w.state != 5) allOut = false;
    }
    return allOut ? kEncounterCDone : 0;
}

void ResetEncounterCWaveWords() {
    Formation = {};
    for (auto& w : Dive) w = {};
    for (auto& w : PlatformKnocks) w = {};
    for (auto& w : RiderKnocks) w = {};
    for (auto& w : Bombs) w = {};
    for (auto& w : BoltStamps) w = {};
}
