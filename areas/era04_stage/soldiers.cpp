// The soldiers' moves and attacks: a step forward or back, keeping a distance
// from the heroine, the march, the thrust and the leap, the strike that lands
// on her, and the fighting behaviour that picks among them.
#include "areas/era04_stage/soldiers.h"

#include "areas/era04_stage/records.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t kGround = 640;
constexpr std::int32_t kStepSound = 84;
constexpr std::int32_t kDone = 99;

std::int32_t Vol() { return SoundVolumes[1]; }
Era04SoldierSlotsRecord& Soldiers() { return Era04SoldierSlots; }

// A phase word and its start time, one per slot.
struct SlotPhases {
    std::int32_t phase[kSoldierSlots + 1] = {};
    double stamp[kSoldierSlots + 1] = {};
    // The stamp of a slot, put back to 0 when a load left it ahead.
    double& Stamp(std::int32_t slot) {
        StampAheadToZero(stamp[slot], GameNow());
        return stamp[slot];
    }
    bool After(std::int32_t slot, double seconds) { return MoreThanElapsed(Stamp(slot), GameNow(), seconds); }
};

// Each slot's own pace of stepping.
struct StepTimes {
    double forward[3];
    double back[3];
};
constexpr StepTimes kStepTimes[kSoldierSlots + 1] = {
    {{0, 0, 0}, {0, 0, 0}},
    {{0.02, 0.03, 0.02}, {0.05, 0.05, 0.05}},
    {{0.05, 0.05, 0.1}, {0.05, 0.05, 0.1}},
    {{0.03, 0.04, 0.05}, {0.05, 0.05, 0.1}},
    {{0.05, 0.05, 0.1}, {0.05, 0.05, 0.1}},
    {{0.05, 0.05, 0.05}, {0.05, 0.05, 0.12}},
    {{0.02, 0.02, 0.02}, {0.02, 0.02, 0.02}},
    {{0.05, 0.05, 0.1}, {0.05, 0.05, 0.1}},
    {{0.03, 0.02, 0.05}, {0.03, 0.02, 0.35}},
};

// Thrust pauses per slot (before the draw, the draw, the lunge, after the
// strike); slots 3..5 thrust without pauses.
struct ThrustTimes {
    double beforeDraw, draw, lunge, afterStrike;
};
constexpr ThrustTimes kThrustTimes[kSoldierSlots + 1] = {
    {0, 0, 0, 0},          {0.06, 0.1, 0.02, 0.6}, {0.05, 0.5, 0.02, 0.2}, {0, 0, 0, 0}, {0, 0, 0, 0},
    {0, 0, 0, 0},          {0.01, 0.01, 0.01, 0.01}, {0.05, 0.5, 0.02, 0.2}, {0.05, 0.3, 0.02, 0.9},
};

SlotPhases gForward, gBack, gMarch, gThrust, gLeap;
std::int32_t gDistanceState[kSoldierSlots + 1] = {};
std::int32_t gLeapX0[kSoldierSlots + 1] = {};
std::int32_t gLeapFacing[kSoldierSlots + 1] = {};

// One step: three phases with the frames 4, 5, 3 and a move at the end of
// each (dx in px toward the facing); the bell of the feet ends phase 1.
std::int32_t RunStep(SlotPhases& P, const double (&times)[3], const std::int32_t (&dx)[3], std::int32_t arg,
                     std::int32_t slot) {
    std::int32_t& phase = P.phase[slot];
    if (arg == 0) {
        phase = 0;   // the start time is kept: phase 0 counts from the last step
        return phase;
    }
    auto& s = Soldiers();
    if (phase == 0) {
        s.frame[slot] = 4;
        if (P.After(slot, times[0])) {
            phase = 1;
            P.stamp[slot] = GameNow();
            s.x[slot] += dx[0] * s.facing[slot];
        }
    }
    if (phase == 1) {
        s.frame[slot] = 5;
        if (P.After(slot, times[1])) {
            phase = 2;
            P.stamp[slot] = GameNow();
            s.x[slot] += dx[1] * s.facing[slot];
            PlaySoundEffect(kStepSound, Vol());
        }
    }
    if (phase == 2) {
        s.frame[slot] = 3;
        if (P.After(slot, times[2])) {
            phase = 3;
            P.stamp[slot] = GameNow();
            s.x[slot] += dx[2] * s.facing[slot];
        }
    }
    return phase;
}

void StepForwardOnce(std::int32_t slot) {
    if (StepSoldierForward(1, slot) == 3) StepSoldierForward(0, slot);
}
void StepBackOnce(std::int32_t slot) {
    if (StepSoldierBack(1, slot) == 3) StepSoldierBack(0, slot);
}

// Whether the heroine stands in a strike's reach in front of the soldier.
bool InReach(std::int32_t slot, std::int32_t nearLeft, std::int32_t farLeft) {
    const auto& s = Soldiers();
    const std::int32_t px = PlayerState.x, x = s.x[slot];
    if (s.facing[slot] == -1) return px >= x - farLeft && px <= x - nearLeft;
    if (s.facing[slot] == 1) return px >= x + 120 && px <= x + 190;
    return false;
}

// ---- the strike on the heroine ----------------------------------------------
// One set for the single strike under way: her facing, x and y and the
// striking soldier's slot, facing, x and y, all copied at arming. state 0:
// none armed (never armed, or ended from outside); 99: played to its end.
struct StrikeRecord {
    std::int32_t state = 0;
    double stamp = 0;
    std::int32_t pFacing = 0, px0 = 0, py0 = 0;
    std::int32_t slot = 0, sFacing = 0, sx0 = 0, sy0 = 0;
    std::int32_t result = 0;
};
StrikeRecord gStrike;

bool StrikeUnderWay() { return gStrike.state != 0 && gStrike.state != kDone; }

void ArmStrike(std::int32_t slot, std::int32_t state) {
    StrikeRecord& k = gStrike;
    k.state = state;
    k.stamp = GameNow();
    k.pFacing = PlayerState.facing;
    k.px0 = PlayerState.x;
    k.py0 = PlayerState.y;
    k.slot = slot;
    const std::int32_t i = slot >= 1 && slot <= kSoldierSlots ? slot : 0;
    k.sFacing = Soldiers().facing[i];
    k.sx0 = Soldiers().x[i];
    k.sy0 = Soldiers().y[i];
}

void Lock() {
    TakeHoldOfHeroine(kSoldierStrikeHold);
    PlayerMoveState.runSlideState = 0;
}
void Finish() {
    LetGoOfHeroine(kSoldierStrikeHold);
    gStrike.state = kDone;
}
void NextState(std::int32_t state) {
    gStrike.state = state;
    gStrike.stamp = GameNow();
}
bool StrikeAfter(double seconds) {
    StampAheadToZero(gStrike.stamp, GameNow());
    return MoreThanElapsed(gStrike.stamp, GameNow(), seconds);
}
double StrikeT() { return GameNow() - gStrike.stamp; }

// Weapon mode 1 lets a worn strip turn a strike aside: 7 in 10 when she and
// the soldier face each other. A guarded strike costs nothing.
void StepGuard() {
    StrikeRecord& k = gStrike;
    const std::int32_t f = k.sFacing;
    if (k.state == 1) {
        const bool facingEachOther = k.pFacing * k.sFacing == -1;
        if (EquipmentFlags.worn == 1 && facingEachOther && Random0To99() < 70)
            NextState(10);
        else
            NextState(20);
    }
    if (k.state == 10) {
        PlayerState.pose = 95;
        PlayerState.x = k.px0 + 26 * f;
        PlaySoundEffect(61, Vol());
        NextState(11);
    }
    if (k.state == 11) {
        PlayerState.pose = 95;
        PlayerState.x = k.px0 + f * (26 + RateMoveFor(800, StrikeT(), 0.1));
        Lock();
        if (StrikeAfter(0.1)) NextState(12);
    }
    if (k.state == 12) {
        PlayerState.pose = 95;
        if (StrikeAfter(0.2)) Finish();
    }
}

// A thrust: thrown back sliding at `slide` px/s.
std::int32_t StepThrustHurt(std::int32_t sound, std::int32_t damage, double slide) {
    StrikeRecord& k = gStrike;
    const std::int32_t f = k.sFacing;
    if (k.state == 20) {
        PlayerState.x = k.px0 + 30 * f;
        PlaySoundEffect(sound, Vol());
        LowerHeroineHp(damage);
        NextState(21);
    }
    if (k.state == 21) {
        PlayerState.pose = 85;
        PlayerState.x = k.px0 + f * (30 + RateMoveFor(slide, StrikeT(), 0.23));
        Lock();
        if (StrikeAfter(0.23)) NextState(22);
    }
    if (k.state == 22) {
        PlayerState.pose = 85;
        if (StrikeAfter(0.2)) Finish();
    }
    return k.state;
}

// A leap: knocked down where she stood.
std::int32_t StepLeapHurt(std::int32_t sound, std::int32_t damage) {
    StrikeRecord& k = gStrike;
    if (k.state == 20) {
        PlayerState.x = k.px0 + 30 * k.sFacing;
        PlaySoundEffect(sound, Vol());
        LowerHeroineHp(damage);
        NextState(21);
    }
    if (k.state == 21) {
        PlayerState.pose = 84;
        Lock();
        if (StrikeAfter(0.02)) NextState(22);
    }
    if (k.state == 22) {
        PlayerState.pose = 45;
        Lock();
        if (StrikeAfter(0.3)) NextState(23);
    }
    if (k.state == 23) {
        PlayerState.pose = 87;
        Lock();
        if (StrikeAfter(0.05)) Finish();
    }
    return k.state;
}

// ---- the fighting behaviour ---------------------------------------------------
struct FighterRecord {
    std::int32_t state[kSoldierSlots + 1] = {};
    std::int32_t moveStep[kSoldierSlots + 1] = {};
    std::int32_t passes[kSoldierSlots + 1] = {};
    double stamp[kSoldierSlots + 1] = {};
};
FighterRecord gFighter;

bool Keep(std::int32_t slot, std::int32_t d) { return KeepSoldierDistance(1, slot, d, d) == kDone; }
void RearmDistance(std::int32_t slot) { KeepSoldierDistance(0, slot, 0, 0); }

}  // namespace

std::int32_t StepSoldierForward(std::int32_t arg, std::int32_t slot) {
    const StepTimes& t = kStepTimes[slot];
    constexpr std::int32_t kMoves[3] = {0, 41, 0};
    return RunStep(gForward, t.forward, kMoves, arg, slot);
}

std::int32_t StepSoldierBack(std::int32_t arg, std::int32_t slot) {
    const StepTimes& t = kStepTimes[slot];
    constexpr std::int32_t kMoves[3] = {-22, -30, -8};
    return RunStep(gBack, t.back, kMoves, arg, slot);
}

std::int32_t KeepSoldierDistance(std::int32_t arg, std::int32_t slot, std::int32_t distFacing, std::int32_t distAway) {
    std::int32_t& state = gDistanceState[slot];
    if (arg == 0) {
        state = 0;
        return state;
    }
    auto& s = Soldiers();
    if (s.y[slot] != kGround) return state;   // off the ground: no step, the last answer
    state = kDone;
    const std::int32_t px = PlayerState.x, x = s.x[slot];
    if (px <= x) {   // she is on the left
        const std::int32_t d = PlayerState.facing == 1 ? distFacing : distAway;
        if (px + d <= x) {
            state = 1;
            StepForwardOnce(slot);
        }
        if (px + d - 20 >= x) {
            state = 1;
            StepBackOnce(slot);
        }
    }
    if (x <= px) {   // she is on the right
        const std::int32_t d = PlayerState.facing == -1 ? distFacing : distAway;
        if (px - d <= x) {
            state = 1;
            StepBackOnce(slot);
        }
        if (px - d - 20 >= x) {
            state = 1;
            StepForwardOnce(slot);
        }
    }
    return state;
}

void MarchSoldier(std::int32_t stepPx, std::int32_t slot) {
    std::int32_t& phase = gMarch.phase[slot];
    if (stepPx == 0) {
        phase = 1;
        gMarch.stamp[slot] = GameNow();
        return;
    }
    auto& s = Soldiers();
    if (phase == 1) {
        s.frame[slot] = 12;
        if (gMarch.After(slot, 0.04)) {
            phase = 2;
            gMarch.stamp[slot] = GameNow();
            PlaySoundEffect(kStepSound, Vol() / 2);
        }
    }
    if (phase == 2) {
        s.frame[slot] = 11;
        if (gMarch.After(slot, 0.04)) {
            phase = 1;
            gMarch.stamp[slot] = GameNow();
            s.x[slot] += stepPx;
        }
    }
}

std::int32_t RunSoldierThrust(std::int32_t arg, std::int32_t slot) {
    std::int32_t& phase = gThrust.phase[slot];
    if (arg == 0) {
        phase = 0;
        gThrust.stamp[slot] = GameNow();
        return phase;
    }
    auto& s = Soldiers();
    const ThrustTimes& t = kThrustTimes[slot];
    auto next = [&](std::int32_t p) {
        phase = p;
        gThrust.stamp[slot] = GameNow();
    };
    if (phase == 0) {
        s.frame[slot] = 3;
        if (gThrust.After(slot, t.beforeDraw)) {
            next(1);
            PlaySoundEffect(83, Vol());
        }
    }
    if (phase == 1) {
        s.frame[slot] = 7;
        if (gThrust.After(slot, t.draw)) {
            next(2);
            PlaySoundEffect(86, Vol());
        }
    }
    if (phase == 2) {
        s.frame[slot] = 8;
        if (gThrust.After(slot, t.lunge)) next(3);
    }
    if (phase == 3) {
        s.frame[slot] = 9;
        if (NoSoldierStrikes() && PlayerState.y >= 590 && PlayerState.pose != 26 && InReach(slot, 113, 200)) {
            SoldierStrikeKind = 1;
            RunSoldierStrike(0, slot);
        }
        if (gThrust.After(slot, 0.02)) next(4);
    }
    if (phase == 4) {
        s.frame[slot] = 6;
        if (gThrust.After(slot, t.afterStrike)) {
            next(5);
            return phase;
        }
    }
    if (phase == 5) phase = kDone;
    return phase;
}

std::int32_t RunSoldierLeap(std::int32_t arg, std::int32_t slot) {
    std::int32_t& phase = gLeap.phase[slot];
    if (arg == 0) {
        phase = 1;
        return phase;
    }
    auto& s = Soldiers();
    auto next = [&](std::int32_t p) {
        phase = p;
        gLeap.stamp[slot] = GameNow();
    };
    if (phase == 1) {
        next(2);
        gLeapX0[slot] = s.x[slot];
        gLeapFacing[slot] = s.facing[slot];
        PlaySoundEffect(14, Vol());
    }
    if (phase == 2) {
        s.frame[slot] = 10;
        const double t = GameNow() - gLeap.Stamp(slot);
        s.x[slot] = gLeapX0[slot] + gLeapFacing[slot] * TruncToInt(200 * t + 20);
        s.y[slot] = 540 - TruncToInt(940 * t - 813 * t * t);
        if (t > 0.1 && s.y[slot] >= 580) {
            next(3);
            s.y[slot] = 585;
            s.x[slot] += 100 * s.facing[slot];
            PlaySoundEffect(86, Vol());
        }
    }
    if (phase == 3) {
        s.frame[slot] = 9;
        s.y[slot] = 585;
        if (gLeap.After(slot, 0.02)) {
            next(4);
            s.x[slot] += 20 * s.facing[slot];
        }
    }
    if (phase == 4) {
        s.frame[slot] = 11;
        s.y[slot] = 600;
        if (NoSoldierStrikes() && PlayerState.y >= 590 && InReach(slot, 113, 178)) {
            SoldierStrikeKind = 2;
            RunSoldierStrike(0, slot);
        }
        if (gLeap.After(slot, 0.02)) {
            next(5);
            s.x[slot] += 20 * s.facing[slot];
        }
    }
    if (phase == 5) {
        s.frame[slot] = 19;
        s.y[slot] = kGround;
        if (gLeap.After(slot, 0.12)) phase = kDone;
    }
    return phase;
}

std::int32_t RunSoldierStrike(std::int32_t arg, std::int32_t slot) {
    // Only a strike armed and not yet over is stepped: one ended from outside,
    // or left from an earlier fight or game, is never taken up again.
    if (arg != 0 && !StrikeUnderWay()) return kDone;
    const bool thrust = SoldierStrikeKind == 1;
    if (PlayerState.weaponMode1 == 1)
        gStrike.result = thrust ? HurtPlayerByThrustW1(arg, slot) : HurtPlayerByLeapW1(arg, slot);
    else
        gStrike.result = thrust ? HurtPlayerByThrustW2(arg, slot) : HurtPlayerByLeapW2(arg, slot);
    return gStrike.result;
}

void EndSoldierStrike() {
    LetGoOfHeroine(kSoldierStrikeHold);
    gStrike.state = 0;
    gStrike.stamp = 0;
    SoldierStrikeKind = 0;
    SoldierChargeHold = 0;
}

bool NoSoldierStrikes() { return SoldierStrikeKind == 0 && SoldierChargeHold == 0; }

std::int32_t HurtPlayerByLeapW1(std::int32_t arg, std::int32_t slot) {
    if (arg == 0) {
        ArmStrike(slot, 1);
        return gStrike.state;
    }
    StepGuard();
    return StepLeapHurt(87, 90);
}

std::int32_t HurtPlayerByThrustW1(std::int32_t arg, std::int32_t slot) {
    if (arg == 0) {
        ArmStrike(slot, 1);
        return gStrike.state;
    }
    StepGuard();
    return StepThrustHurt(87, 70, 800);
}

std::int32_t HurtPlayerByLeapW2(std::int32_t arg, std::int32_t slot) {
    if (arg == 0) {
        ArmStrike(slot, 20);
        return gStrike.state;
    }
    return StepLeapHurt(170, 40);
}

std::int32_t HurtPlayerByThrustW2(std::int32_t arg, std::int32_t slot) {
    if (arg == 0) {
        ArmStrike(slot, 20);
        return gStrike.state;
    }
    return StepThrustHurt(170, 35, 300);
}

std::int32_t RunSoldierFighter(std::int32_t mode, std::int32_t slot) {
    auto& s = Soldiers();
    s.facing[slot] = PlayerState.x > s.x[slot] ? 1 : -1;
    std::int32_t& st = gFighter.state[slot];
    std::int32_t& r = gFighter.moveStep[slot];
    if (mode == 0) {
        st = 0;
        gFighter.stamp[slot] = GameNow();
        StepSoldierForward(0, slot);
        StepSoldierBack(0, slot);
        return st;
    }
    StampAheadToZero(gFighter.stamp[slot], GameNow());
    if (st == 0 && Keep(slot, 300)) {
        st = 1;
        gFighter.stamp[slot] = GameNow();
    }
    if (st == 1) {
        Keep(slot, 300);
        if (MoreThanElapsed(gFighter.stamp[slot], GameNow(), 1.0)) st = 2;
    }
    if (st == 2) {
        const std::int32_t r0 = Random0To99();
        st = 0;
        if (mode == 1) {
            if (r0 < 20) {
                st = 3;
                RearmDistance(slot);
            } else if (r0 < 40) {
                st = 4;
                r = 1;
                RearmDistance(slot);
                RunSoldierThrust(0, slot);
            } else if (r0 < 60) {
                st = 5;
                r = 1;
                RearmDistance(slot);
                RunSoldierLeap(0, slot);
            }
        } else if (r0 < 50) {
            st = 4;
            gFighter.passes[slot] = 0;
            r = 1;
            RearmDistance(slot);
            RunSoldierThrust(0, slot);
        }
    }
    if (st == 3 && Keep(slot, 150)) st = 0;
    if (mode == 1) {
        if (st == 4) {
            if (r == 1 && Keep(slot, 150)) r = 2;
            if (r == 2 && RunSoldierThrust(1, slot) == kDone) st = 0;
        }
        if (st == 5) {
            if (r == 1 && Keep(slot, 550)) r = 2;
            if (r == 2 && RunSoldierLeap(1, slot) == kDone) st = 0;
        }
        return st;
    }
    // The thrust series: one thrust from 250 px, then up to 16 passes of
    // closing in, thrusting and backing off, with a leap after any pass that
    // leaves her ducking.
    if (st == 4) {
        std::int32_t& n = gFighter.passes[slot];
        if (r == 1 && Keep(slot, 250)) {
            r = 2;
            RunSoldierThrust(0, slot);
        }
        if (r == 2 && RunSoldierThrust(1, slot) == kDone) {
            r = 3;
            RearmDistance(slot);
        }
        if (r == 3 && Keep(slot, 200 - n)) {
            r = 4;
            RunSoldierThrust(0, slot);
        }
        if (r == 4 && RunSoldierThrust(1, slot) == kDone) {
            r = 5;
            RearmDistance(slot);
        }
        if (r == 5 && Keep(slot, 250)) {
            RearmDistance(slot);
            if (n < 15) {
                n += 1;
                r = 3;
            } else {
                st = 0;
            }
            if (PlayerState.pose == 26) r = 6;
        }
        if (st == 4 && r == 6 && Keep(slot, 550)) {
            r = 7;
            RunSoldierLeap(0, slot);
        }
        if (st == 4 && r == 7 && RunSoldierLeap(1, slot) == kDone) {
            r = 3;
            RearmDistance(slot);
        }
    }
    return st;
}

void ResetSoldierMoveWords() {
    gForward = gBack = gMarch = gThrust = gLeap = SlotPhases{};
    for (std::int32_t slot = 0; slot <= kSoldierSlots; ++slot) {
        gDistanceState[slot] = 0;
        gLeapX0[slot] = 0;
        gLeapFacing[slot] = 0;
    }
    gStrike = StrikeRecord{};
    gFighter = FighterRecord{};
}
