// Round 4: the heavy last opponent. The driver, the entrance (marker, talk,
// the rise, the platform, the long talk and the leap down) and the fight
// that picks between its flurry and three charge attacks, answers hits and
// holds its last 5 HP until both fighters stand in the middle of the view.
#include <cstdlib>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

TournamentOpponentRecord& Opp = Round4Opponent;
std::int32_t& Msg() { return DialogueChannels.eventLine; }
void Restart(double& stamp) { stamp = GameNow(); }
void FaceHeroine() { Opp.facing = PlayerState.x > Opp.x ? 1 : -1; }

struct DriverState {
    std::int32_t step = 0;
};
DriverState Driver;

struct EntranceState {
    std::int32_t step = 0, rise = 200, leap = 0, heldScroll = 0, x0 = 0, y0 = 0;
    double stamp = 0, leapStamp = 0;
};
EntranceState Entrance;

struct FightState {
    std::int32_t state = 0, roll = 0, busy = 0, knockback = 0, kind = 0;
    double stamp = 0, idleStamp = 0;
};
FightState Fight;

}  // namespace

void ResetRound4Words() {
    Driver = DriverState{};
    Entrance = EntranceState{};
    Fight = FightState{};
}

namespace {

// Step 10: the leap down from the platform, the debris where she lands,
// and her next line.
void StepLeapDown() {
    if (Entrance.leap == 1) {
        Opp.frame = 21;
        if (MoreThanElapsed(Entrance.leapStamp, GameNow(), 0.1)) {
            Entrance.leap = 2;
            Restart(Entrance.leapStamp);
            Opp.x += Opp.facing * 105;
            Entrance.x0 = Opp.x;
            Entrance.y0 = Opp.y;
            Opp.depth = 0.3f;
            PlayerState.facing = Opp.facing;
        }
    }
    const double t = 1.5 * (GameNow() - Entrance.leapStamp);
    if (Entrance.leap == 2) {
        Opp.frame = 32;
        Opp.x = Entrance.x0 + Opp.facing * TruncToInt(200 * t);
        Opp.y = Entrance.y0 + TruncToInt(350 * t * t);
        if (Opp.y > 640) {
            Entrance.leap = 3;
            PlayEra02Sound(123);
            Restart(Entrance.leapStamp);
            Era03Fighter.x = Opp.x + Opp.facing * 30;
            Era03Fighter.y = Opp.y;
            DebrisBurst.trigger = 1;
        }
    }
    if (Entrance.leap == 3) {
        Opp.frame = 31;
        Opp.y = 640;
        if (MoreThanElapsed(Entrance.leapStamp, GameNow(), 0.1)) {
            Entrance.leap = 4;
            FaceHeroine();
        }
    }
    if (Entrance.leap == 4) {
        Opp.frame = 3;
        OpenLine(Msg(), 17);
        Entrance.step = 11;
        Entrance.leap = 0;
    }
}

}  // namespace

void StartRound4Debris() {
    Era03Fighter.x = Opp.x;
    Era03Fighter.y = Opp.y;
    DebrisBurst.trigger = 1;
}

void ClampRound4OpponentX() {
    bool moved = false;
    if (Opp.x < Era02Anchor1 + 150) {
        Opp.x = Era02Anchor1 + 250;
        moved = true;
    }
    if (Opp.x > Era02Anchor1 + 2788) {
        Opp.x = Era02Anchor1 + 2788;
        moved = true;
    }
    if (moved) {
        Era03Fighter.x = Opp.x;
        Era03Fighter.y = Opp.y;
    }
}

std::int32_t RunRound4(std::int32_t mode) {
    static constexpr RoundRow kRound4 = {kTextureD048, RunRound4Entrance, RunRound4Fight,
                                         [] {
                                             Round3Scene.phase = 0;
                                             LetGoOfHeroine(kHoldKeys);
                                             KeyUpPressed = 1;
                                         },
                                         [] { TournamentBoundsLock = 0; }};
    const HoldStep hold(kRound4Hold);
    if (mode == 0) return StepRound(kRound4, Driver.step, mode);
    TournamentBoundsLock = 1;
    StepRound(kRound4, Driver.step, mode);
    if (DebrisBurst.trigger != 0) UpdateDebrisBurst();
    return Driver.step;
}

std::int32_t RunRound4Entrance(std::int32_t mode) {
    StampAheadToNow(Entrance.stamp, GameNow());
    StampAheadToNow(Entrance.leapStamp, GameNow());
    if (mode == 0) {
        Entrance.step = 0;
        Entrance.rise = 200;
        ArmEntrance(Opp, Era02Anchor1 + 1448, 3400, Msg());
        return Entrance.step;
    }
    TournamentGaugeRecord& g = TournamentGauge;
    if (Entrance.step == 0) {
        FaceHeroine();
        StartEntranceGauge(Entrance.stamp);
        PlayerState.facing = PlayerState.x >= Era02Anchor1 + 1448 ? -1 : 1;
        Entrance.step = 1;
    }
    if (Entrance.step == 1) {
        KeyAPressed = 0;
        g.shown = 1;
        if (g.value >= 98) {
            g.value = 98;
            Restart(Entrance.stamp);
            Entrance.step = 2;
        } else {
            g.value = RateMove(35.35714285714286, GameNow() - Entrance.stamp);
        }
    }
    if (Entrance.step == 2 && KeyAPressed == 1 && std::abs(Era02Anchor1 + 1458 - PlayerState.x) < 130) {
        HoldAtTheMarker(Opp.x);
        Entrance.step = 3;
    }
    if (Entrance.step == 3) {
        PlayerState.pose = 40;
        ScrollToward(Era02Anchor1 + 948);
        if (ScrollX == Era02Anchor1 + 948) {
            KeyAPressed = 0;
            Entrance.heldScroll = ScrollX;
            OpenLine(Msg(), 1);
            Entrance.step = 4;
        }
    }
    if (Entrance.step == 4) {
        PlayerState.pose = 40;
        if (StepLineGroup(Msg(), 3)) {
            Entrance.rise = 200;
            Restart(Entrance.stamp);
            PlayEra02Sound(110);
            Entrance.step = 5;
        }
    }
    if (Entrance.step == 5) {
        PlayerState.pose = 40;
        Opp.frame = 1;
        if (RiseOntoRingLagged(Opp.y, Entrance.rise, GameNow() - Entrance.stamp)) {
            OpenLine(Msg(), 4);
            Entrance.step = 6;
        }
    }
    if (Entrance.step == 6) {
        PlayerState.pose = 40;
        TournamentBanner = 4;
        if (LineRead()) {
            CloseLine(Msg());
            PlayEra02Sound(108);
            Restart(Entrance.stamp);
            Entrance.step = 7;
        }
    }
    if (Entrance.step == 7) {
        PlayerState.pose = 40;
        TournamentBanner = 3;
        if (DrainGaugeLagged(GameNow() - Entrance.stamp)) {
            Restart(Entrance.stamp);
            Entrance.step = 8;
        }
    }
    if (Entrance.step == 8) {
        PlayerState.pose = 40;
        TournamentBanner = 2;
        const std::int32_t h = RaisePlatform(GameNow() - Entrance.stamp);
        if (h == 209 && g.value == 0) {
            OpenLine(Msg(), 5);
            Round3Scene.afterimageA.shown = Round3Scene.afterimageB.shown = 0;
            Entrance.step = 9;
        }
    }
    if (Entrance.step == 9) {
        PlayerState.pose = 40;
        Opp.frame = 2;
        if (StepLineGroup(Msg(), 16)) {
            Entrance.leap = 1;
            Restart(Entrance.leapStamp);
            Opp.x += Opp.facing * 105;
            Entrance.step = 10;
        }
    }
    if (Entrance.step == 10) StepLeapDown();
    if (Entrance.step == 11 && LineRead()) {
        if (Msg() < 20) {
            AdvanceLine(Msg(), Msg() + 1);
            if (Msg() == 19) Opp.frame = 4;
        } else {
            CloseLine(Msg());
            Entrance.step = kStepDone;
        }
    }
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (Entrance.step >= 4 && Entrance.step <= 9) ScrollX = Entrance.heldScroll;
    CopyCrowdIndexToFigures();
    return Entrance.step;
}

std::int32_t RunRound4Fight(std::int32_t mode) {
    StampAheadToZero(Fight.stamp, GameNow());
    StampAheadToZero(Fight.idleStamp, GameNow());
    if (mode == 0) {
        Fight.state = 11;
        Fight.busy = 0;
        Restart(Fight.stamp);
        return Fight.state;
    }
    Opp.y = FloorHeightAt(Opp.x, Opp.y);
    if (Fight.state == 1) {
        Fight.state = 2;
        Fight.roll = Random0To99();
        Restart(Fight.stamp);
    }
    if (Fight.state == 2) {
        FaceHeroine();
        if (AtLeastElapsed(Fight.stamp, GameNow(), Fight.roll / 25)) {
            Fight.roll = Random0To99();
            Fight.state = 3;
            Restart(Fight.stamp);
        }
    }
    if (Fight.state == 3) {
        Fight.busy = RunRound4CloseFlurry(1);
        if (Fight.busy == kStrikeTouched && Fight.knockback == 0) {
            Fight.knockback = 1;
            Fight.busy = 1;
        }
        if (Fight.busy == 0) {
            Fight.state = Fight.roll < 50 ? 11 : 21;
            Restart(Fight.stamp);
            if (PlayerState.y <= 482 && Era02Anchor1 + 1315 <= Opp.x && Opp.x < Era02Anchor1 + 1605 && Opp.y >= 483) {
                Fight.state = 31;
                Restart(Fight.stamp);
            }
        }
    }
    if ((Fight.state == 11 || Fight.state == 21 || Fight.state == 31)) {
        Opp.frame = 4;
        if (AtLeastElapsed(Fight.stamp, GameNow(), 0.2)) {
            if (Fight.state == 11) RunRound4ChargeStrike(0);
            if (Fight.state == 21) RunRound4ChargeCombo(0);
            if (Fight.state == 31) RunRound4PlatformLeap(0);
            ++Fight.state;
        }
    }
    if (Fight.state == 12 || Fight.state == 22) {
        const std::int32_t r = Fight.state == 12 ? RunRound4ChargeStrike(1) : RunRound4ChargeCombo(1);
        if (r == kStepDone) Fight.state = 1;
        else if (r == kStrikeTouched && Fight.knockback == 0) Fight.knockback = 1;
    } else if (Fight.state == 32 && RunRound4PlatformLeap(1) == kStepDone) {
        Fight.state = 1;
    }
    if (Fight.state == 0) {
        Opp.frame = 4;
        // A reaction with no end of its own (or one that runs too long) is
        // cut off by the charge strike.
        if (AtLeastElapsed(Fight.idleStamp, GameNow(), 5.2)) {
            Fight.state = 12;
            RunRound4ChargeStrike(0);
            Fight.knockback = 0;
            Fight.busy = 0;
        }
    }
    if (Fight.state != 0 || Msg() != 0) Restart(Fight.idleStamp);
    if (Fight.knockback == 1) {
        Fight.knockback = 2;
        KnockBackPlayerByRound4(0);
    } else if (Fight.knockback == 2 && KnockBackPlayerByRound4(1) == kStepDone) {
        Fight.knockback = 0;
        RunRound4CloseFlurry(0);
    }
    if (Fight.busy == 0 && Fight.knockback == 0) {
        Fight.kind = TestRound4Hit();
        if (Fight.kind != 0 && Opp.frame != 30) {
            Fight.busy = 1;
            RunRound4Reaction(0);
            RunRound4ChargeStrike(0);
            RunRound4ChargeCombo(0);
        }
    }
    if (Fight.busy == 1 && Fight.knockback == 0) {
        Fight.state = 0;
        Restart(Fight.stamp);
        if (RunRound4Reaction(Fight.kind) == kStepDone) {
            Fight.busy = Fight.knockback = Fight.kind = 0;
            Fight.state = 1;
        }
    }
    if (Fight.state < 50 && TournamentState.opponentHp <= 5) {
        const std::int32_t mid = ScrollX + 500;
        if (std::abs(mid - PlayerState.x) < 300 && std::abs(mid - Opp.x) < 300 && Opp.y == 640 &&
            PlayerState.y == 640 && ScrollX < Era02Anchor1 + 1315 && Era02Anchor1 + 1605 < ScrollX + 1024) {
            Fight.state = 50;
            Fight.knockback = Fight.busy = 0;
            RunTournamentClose(0);
        } else {
            TournamentState.opponentHp = 5;
        }
    }
    if (Fight.state == 50 && RunTournamentClose(1) == kStepDone) {
        Fight.state = kStepDone;
        TournamentBoundsLock = 0;
    }
    ClampRound4OpponentX();
    return Fight.state;
}
