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
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = Era02Anchor1;
constexpr std::int32_t kTextureD048 = 48;
TournamentOpponentRecord& Opp = Round4Opponent;
std::int32_t& Msg() { return DialogueChannels.eventLine; }
void Restart(double& stamp) { stamp = GameNow(); }
void FaceHeroine() { Opp.facing = PlayerState.x > Opp.x ? 1 : -1; }

struct DriverState {
    std::int32_t step = 0;
};
DriverState Dr;

struct EntranceState {
    std::int32_t step = 0, rise = 200, leap = 0, heldScroll = 0, x0 = 0, y0 = 0;
    double stamp = 0, leapStamp = 0;
};
EntranceState En;

struct FightState {
    std::int32_t state = 0, roll = 0, busy = 0, knockback = 0, kind = 0;
    double stamp = 0, idleStamp = 0;
};
FightState F;

}  // namespace

void StartRound4Debris() {
    Era03Fighter.x = Opp.x;
    Era03Fighter.y = Opp.y;
    DebrisBurst.trigger = 1;
}

void ClampRound4OpponentX() {
    bool moved = false;
    if (Opp.x < O + 150) {
        Opp.x = O + 250;
        moved = true;
    }
    if (Opp.x > O + 2788) {
        Opp.x = O + 2788;
        moved = true;
    }
    if (moved) {
        Era03Fighter.x = Opp.x;
        Era03Fighter.y = Opp.y;
    }
}

std::int32_t RunRound4(std::int32_t mode) {
    if (mode == 0) {
        Dr.step = 0;
        RunRound4Entrance(0);
        return Dr.step;
    }
    TournamentBoundsLock = 1;
    if (Dr.step != kStepDone) RequestTexture(kTextureD048);
    if (Dr.step == 0) {
        Dr.step = 1;
        RunRound4Entrance(0);
    }
    if (Dr.step == 1 && RunRound4Entrance(1) == kStepDone) {
        Dr.step = 2;
        RunRound4Fight(0);
        Round3Scene.phase = 0;
        MessageBoxOpen = 0;
        KeyUpPressed = 1;
    }
    if (Dr.step == 2 && RunRound4Fight(1) == kStepDone) {
        TournamentBoundsLock = 0;
        Dr.step = kStepDone;
        if (TextureFlags[kTextureD048] != 0) FreeGraphic(9000 + kTextureD048);
    }
    if (Dr.step >= 2 && PlayerState.pose == 1) PlayerState.pose = 22;
    if (DebrisBurst.trigger != 0) UpdateDebrisBurst();
    return Dr.step;
}

std::int32_t RunRound4Entrance(std::int32_t mode) {
    StampAheadToNow(En.stamp, GameNow());
    StampAheadToNow(En.leapStamp, GameNow());
    if (mode == 0) {
        En.step = 0;
        En.rise = 200;
        Opp.x = O + 1448;
        Opp.y = 481;
        Opp.frame = 0;
        Opp.depth = 0.72f;
        Msg() = 0;
        EventHoldsPlayer = MessageBoxOpen = MenuKeyBlocked = KeyAPressed = 0;
        EnterConfirmState = 0;
        TournamentState.opponentHp = 3400;
        TournamentState.platformHeight = 0;
        TournamentBanner = 1;
        RunCrowdCheer(0);
        return En.step;
    }
    TournamentGaugeRecord& g = TournamentGauge;
    if (En.step == 0) {
        FaceHeroine();
        KeyAPressed = 0;
        Restart(En.stamp);
        PlayerState.facing = PlayerState.x >= O + 1448 ? -1 : 1;
        if (g.value < 98) {
            PlayEra02Sound(108);
            CameraMode = 1;
        }
        En.step = 1;
    }
    if (En.step == 1) {
        KeyAPressed = 0;
        g.shown = 1;
        if (g.value >= 98) {
            g.value = 98;
            Restart(En.stamp);
            En.step = 2;
        } else {
            g.value = RateMove(35.35714285714286, GameNow() - En.stamp);
        }
    }
    if (En.step == 2 && KeyAPressed == 1 && std::abs(O + 1458 - PlayerState.x) < 130) {
        KeyAPressed = 0;
        MessageBoxOpen = MenuKeyBlocked = 1;
        En.step = 3;
    }
    if (En.step == 3) {
        PlayerState.pose = 40;
        if (ScrollX <= O + 947) ++ScrollX;
        else if (ScrollX >= O + 949) --ScrollX;
        if (ScrollX == O + 948) {
            Msg() = 1;
            KeyAPressed = 0;
            PlayEra02Sound(6);
            En.heldScroll = ScrollX;
            EnterConfirmState = kLineWaiting;
            EventHoldsPlayer = 1;
            En.step = 4;
        }
    }
    if (En.step == 4) {
        PlayerState.pose = 40;
        if (LineRead()) {
            if (Msg() < 3) {
                ++Msg();
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
            } else {
                EnterConfirmState = 0;
                En.rise = 200;
                EventHoldsPlayer = 0;
                Msg() = 0;
                Restart(En.stamp);
                PlayEra02Sound(110);
                En.step = 5;
            }
        }
    }
    if (En.step == 5) {
        PlayerState.pose = 40;
        Opp.y = 483 + En.rise;
        Opp.frame = 1;
        if (En.rise < 0) {
            Opp.y = 483;
            En.rise = 0;
            EnterConfirmState = kLineWaiting;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
            En.step = 6;
        } else {
            En.rise = 200 - RateMove(kRingRisePerSecond, GameNow() - En.stamp);
        }
    }
    if (En.step == 6) {
        PlayerState.pose = 40;
        Msg() = 4;
        TournamentBanner = 4;
        if (LineRead()) {
            EnterConfirmState = 0;
            PlayEra02Sound(108);
            EventHoldsPlayer = 0;
            Msg() = 0;
            Restart(En.stamp);
            En.step = 7;
        }
    }
    if (En.step == 7) {
        PlayerState.pose = 40;
        TournamentBanner = 3;
        if (g.value < 0) {
            g.value = 0;
            g.shown = 1;
            PlayEra02Sound(110);
            Restart(En.stamp);
            En.step = 8;
        } else {
            g.value = 98 - RateMove(kGaugeDrainPerSecond, GameNow() - En.stamp);
        }
    }
    if (En.step == 8) {
        PlayerState.pose = 40;
        TournamentBanner = 2;
        const std::int32_t h = RaisePlatform(GameNow() - En.stamp);
        if (h == 209 && g.value == 0) {
            EnterConfirmState = kLineWaiting;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
            Msg() = 5;
            Round3Scene.afterimageA.shown = Round3Scene.afterimageB.shown = 0;
            En.step = 9;
        }
    }
    if (En.step == 9) {
        PlayerState.pose = 40;
        Opp.frame = 2;
        if (LineRead()) {
            if (Msg() > 15) {
                CloseLine(Msg());
                En.leap = 1;
                Restart(En.leapStamp);
                Opp.x += Opp.facing * 105;
                En.step = 10;
            } else {
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
                ++Msg();
            }
        }
    }
    if (En.step == 10) {
        if (En.leap == 1) {
            Opp.frame = 21;
            if (MoreThanElapsed(En.leapStamp, GameNow(), 0.1)) {
                En.leap = 2;
                Restart(En.leapStamp);
                Opp.x += Opp.facing * 105;
                En.x0 = Opp.x;
                En.y0 = Opp.y;
                Opp.depth = 0.3f;
                PlayerState.facing = Opp.facing;
            }
        }
        const double t = 1.5 * (GameNow() - En.leapStamp);
        if (En.leap == 2) {
            Opp.frame = 32;
            Opp.x = En.x0 + Opp.facing * TruncToInt(200 * t);
            Opp.y = En.y0 + TruncToInt(350 * t * t);
            if (Opp.y > 640) {
                En.leap = 3;
                PlayEra02Sound(123);
                Restart(En.leapStamp);
                Era03Fighter.x = Opp.x + Opp.facing * 30;
                Era03Fighter.y = Opp.y;
                DebrisBurst.trigger = 1;
            }
        }
        if (En.leap == 3) {
            Opp.frame = 31;
            Opp.y = 640;
            if (MoreThanElapsed(En.leapStamp, GameNow(), 0.1)) {
                En.leap = 4;
                FaceHeroine();
            }
        }
        if (En.leap == 4) {
            Msg() = 17;
            Opp.frame = 3;
            EventHoldsPlayer = 1;
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
            En.step = 11;
            En.leap = 0;
        }
    }
    if (En.step == 11 && LineRead()) {
        if (Msg() < 20) {
            ++Msg();
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
            if (Msg() == 19) Opp.frame = 4;
        } else {
            CloseLine(Msg());
            En.step = kStepDone;
        }
    }
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (En.step >= 4 && En.step <= 9) ScrollX = En.heldScroll;
    CopyCrowdIndexToFigures();
    return En.step;
}

std::int32_t RunRound4Fight(std::int32_t mode) {
    StampAheadToZero(F.stamp, GameNow());
    StampAheadToZero(F.idleStamp, GameNow());
    if (mode == 0) {
        F.state = 11;
        F.busy = 0;
        Restart(F.stamp);
        return F.state;
    }
    Opp.y = FloorHeightAt(Opp.x, Opp.y);
    if (F.state == 1) {
        F.state = 2;
        F.roll = Random0To99();
        Restart(F.stamp);
    }
    if (F.state == 2) {
        FaceHeroine();
        if (AtLeastElapsed(F.stamp, GameNow(), F.roll / 25)) {
            F.roll = Random0To99();
            F.state = 3;
            Restart(F.stamp);
        }
    }
    if (F.state == 3) {
        F.busy = RunRound4CloseFlurry(1);
        if (F.busy == kStrikeTouched && F.knockback == 0) {
            F.knockback = 1;
            F.busy = 1;
        }
        if (F.busy == 0) {
            F.state = F.roll < 50 ? 11 : 21;
            Restart(F.stamp);
            if (PlayerState.y <= 482 && O + 1315 <= Opp.x && Opp.x < O + 1605 && Opp.y >= 483) {
                F.state = 31;
                Restart(F.stamp);
            }
        }
    }
    if ((F.state == 11 || F.state == 21 || F.state == 31)) {
        Opp.frame = 4;
        if (AtLeastElapsed(F.stamp, GameNow(), 0.2)) {
            if (F.state == 11) RunRound4ChargeStrike(0);
            if (F.state == 21) RunRound4ChargeCombo(0);
            if (F.state == 31) RunRound4PlatformLeap(0);
            ++F.state;
        }
    }
    if (F.state == 12 || F.state == 22) {
        const std::int32_t r = F.state == 12 ? RunRound4ChargeStrike(1) : RunRound4ChargeCombo(1);
        if (r == kStepDone) F.state = 1;
        else if (r == kStrikeTouched && F.knockback == 0) F.knockback = 1;
    } else if (F.state == 32 && RunRound4PlatformLeap(1) == kStepDone) {
        F.state = 1;
    }
    if (F.state == 0) {
        Opp.frame = 4;
        // A reaction with no end of its own (or one that runs too long) is
        // cut off by the charge strike.
        if (AtLeastElapsed(F.idleStamp, GameNow(), 5.2)) {
            F.state = 12;
            RunRound4ChargeStrike(0);
            F.knockback = 0;
            F.busy = 0;
        }
    }
    if (F.state != 0 || Msg() != 0) Restart(F.idleStamp);
    if (F.knockback == 1) {
        F.knockback = 2;
        KnockBackPlayerByRound4(0);
    } else if (F.knockback == 2 && KnockBackPlayerByRound4(1) == kStepDone) {
        F.knockback = 0;
        RunRound4CloseFlurry(0);
    }
    if (F.busy == 0 && F.knockback == 0) {
        F.kind = TestRound4Hit();
        if (F.kind != 0 && Opp.frame != 30) {
            F.busy = 1;
            RunRound4Reaction(0);
            RunRound4ChargeStrike(0);
            RunRound4ChargeCombo(0);
        }
    }
    if (F.busy == 1 && F.knockback == 0) {
        F.state = 0;
        Restart(F.stamp);
        if (RunRound4Reaction(F.kind) == kStepDone) {
            F.busy = F.knockback = F.kind = 0;
            F.state = 1;
        }
    }
    if (F.state < 50 && TournamentState.opponentHp <= 5) {
        const std::int32_t mid = ScrollX + 500;
        if (std::abs(mid - PlayerState.x) < 300 && std::abs(mid - Opp.x) < 300 && Opp.y == 640 &&
            PlayerState.y == 640 && ScrollX < O + 1315 && O + 1605 < ScrollX + 1024) {
            F.state = 50;
            F.knockback = F.busy = 0;
            RunTournamentClose(0);
        } else {
            TournamentState.opponentHp = 5;
        }
    }
    if (F.state == 50 && RunTournamentClose(1) == kStepDone) {
        F.state = kStepDone;
        TournamentBoundsLock = 0;
    }
    ClampRound4OpponentX();
    return F.state;
}
