// Round 2: the heroine's teacher flies. The driver, the entrance with its
// long talk, the loop that hands the fight over to the second phase, and the
// fight itself: glide under the ceiling, swoop on a cosine arc, claw, turn at
// the walls, answer hits, and three talks that lead to the last one.
#include <cstdlib>
#include <cmath>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = Era02Anchor1;
constexpr std::int32_t kTextureD046 = 46;
constexpr std::int32_t kCeiling = 150;
constexpr std::int32_t kTalking = 55;
TournamentOpponentRecord& Opp = Round2Opponent;
std::int32_t& Msg() { return DialogueChannels.fieldLine; }

std::int32_t D() { return std::abs(PlayerState.x - Opp.x); }
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }
void FaceHeroine() { Opp.facing = PlayerState.x > Opp.x ? 1 : -1; }

struct DriverState {
    std::int32_t step = 0;
};
DriverState Dr;

struct EntranceState {
    std::int32_t step = 0;
    std::int32_t rise = 200;
    double stamp = 0;
    std::int32_t heldScroll = 0;
};
EntranceState En;

struct LoopState {
    std::int32_t state = 0;
};
LoopState Lp;

struct FightState {
    std::int32_t state = 0, d = 1, baseX = 0, baseY = 0, r = 0, D0 = 0, Y0 = 0;
    std::int32_t claw = 0, catchKind = 0, result = 0, knockFacing = 1, knockBaseY = 0;
    double S = 0, S2 = 0, S3 = 0;
    bool done = false;
};
FightState F;

void Restart(double& stamp) { stamp = GameNow(); }

}  // namespace

std::int32_t RunRound2(std::int32_t mode) {
    if (mode == 0) {
        Dr.step = 0;
        RunRound2Entrance(0);
        return Dr.step;
    }
    RequestTexture(kTextureD046);
    if (Dr.step == 0) {
        RunRound2Entrance(0);
        Dr.step = 1;
    }
    if (Dr.step == 1 && RunRound2Entrance(1) == kStepDone) {
        RunRound2Loop(0);
        Dr.step = 2;
    }
    if (Dr.step == 2 && RunRound2Loop(1) == kStepDone) {
        if (TextureFlags[kTextureD046] != 0) FreeGraphic(9000 + kTextureD046);
        Dr.step = kStepDone;
    }
    if (Dr.step >= 2 && PlayerState.pose == 1) PlayerState.pose = 22;
    return Dr.step;
}

std::int32_t RunRound2Entrance(std::int32_t mode) {
    StampAheadToZero(En.stamp, GameNow());
    if (mode == 0) {
        En.step = 0;
        En.rise = 200;
        Opp.x = O + 1455;
        Opp.y = 481;
        Opp.frame = 0;
        Opp.depth = 0.72f;
        Opp.angle = 0;
        TournamentState.opponentHp = 700;
        TournamentState.platformHeight = 0;
        TournamentBanner = 1;
        Msg() = 0;
        EnterConfirmState = 0;
        EventHoldsPlayer = MessageBoxOpen = MenuKeyBlocked = 0;
        KeyAPressed = 0;
        RunCrowdCheer(0);
        return En.step;
    }
    TournamentGaugeRecord& g = TournamentGauge;
    // Each step times itself from the stamp as it stands when the step runs,
    // so a step entered in this call starts at t = 0.
    auto T = [] { return GameNow() - En.stamp; };
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (En.step >= 3 && En.step <= 9) ScrollX = En.heldScroll;
    if (En.step == 0) {
        KeyAPressed = 0;
        En.stamp = GameNow();
        if (g.value < 98) {
            PlayEra02Sound(108);
            CameraMode = 1;
        }
        PlayerState.facing = PlayerState.x >= O + 1455 ? -1 : 1;
        En.step = 1;
    }
    if (En.step == 1) {
        KeyAPressed = 0;
        g.shown = 1;
        g.value = RateMove(35.35714285714286, T());
        if (g.value >= 98) {
            g.value = 98;
            En.stamp = GameNow();
            En.step = 2;
        }
    }
    if (En.step == 2) {
        if (KeyAPressed == 1 && std::abs(PlayerState.x - (O + 1458)) < 129) {
            KeyAPressed = 0;
            EnterConfirmState = 1;
            EventHoldsPlayer = MessageBoxOpen = MenuKeyBlocked = 1;
            PlayEra02Sound(6);
            En.heldScroll = ScrollX;
            En.step = 3;
        }
    }
    if (En.step == 3) {
        PlayerState.pose = 40;
        Msg() = 70;
        if (LineRead()) {
            EnterConfirmState = 0;
            En.rise = 200;
            EventHoldsPlayer = 0;
            En.stamp = GameNow();
            Msg() = 0;
            PlayEra02Sound(110);
            En.step = 4;
        }
    }
    if (En.step == 4) {
        PlayerState.pose = 40;
        Opp.frame = 1;
        if (RiseOntoRing(Opp.y, En.rise, T())) {
            EnterConfirmState = 1;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
            En.step = 5;
        }
    }
    if (En.step == 5) {
        PlayerState.pose = 40;
        Msg() = 71;
        TournamentBanner = 4;
        if (LineRead()) {
            EnterConfirmState = 0;
            PlayEra02Sound(108);
            EventHoldsPlayer = 0;
            Msg() = 0;
            RunCrowdCheer(2);
            En.stamp = GameNow();
            En.step = 7;
        }
    }
    if (En.step == 7) {
        PlayerState.pose = 40;
        RunCrowdCheer(1);
        TournamentBanner = 3;
        if (DrainGauge(T())) {
            En.stamp = GameNow();
            En.step = 8;
        }
    }
    if (En.step == 8) {
        PlayerState.pose = 40;
        TournamentBanner = 2;
        const std::int32_t h = RaisePlatform(T());
        if (RunCrowdCheer(1) == kStepDone && h == 209 && g.value == 0) {
            OpenLine(Msg(), 72);
            En.step = 9;
        }
    }
    if (En.step == 9) {
        Opp.frame = (Msg() == 75 || Msg() >= 85) ? 2 : 1;
        if (LineRead()) {
            if (Msg() < 86) {
                Msg() += 1;
                EnterConfirmState = 1;
                PlayEra02Sound(6);
            } else {
                CloseLine(Msg());
                MessageBoxOpen = MenuKeyBlocked = 0;
                Opp.depth = 0.3f;
                En.step = kStepDone;
            }
        }
    }
    CopyCrowdIndexToFigures();
    return En.step;
}

std::int32_t RunRound2Loop(std::int32_t mode) {
    if (mode == 0) {
        Lp.state = 0;
        Opp.depth = 0.3f;
        return Lp.state;
    }
    TournamentBanner = PlayerState.x >= O + 1447 ? 2 : 1;
    FaceHeroine();
    if (Lp.state < 10) {
        if (Lp.state == 0) {
            RunRound2Fight(0);
            Lp.state = 1;
        }
        if (Lp.state == 1 && RunRound2Fight(1) == kStepDone) {
            RunRound2End(0);
            Lp.state = 2;
        }
        if (Lp.state == 2 && RunRound2End(1) == kStepDone) Lp.state = kStepDone;
        UpdateCrowdReactions();
        const std::int32_t px = PlayerState.x;
        if (ScrollX > px - 100) ScrollX = px - 100;
        if (ScrollX < px - 924) ScrollX = px - 924;
    }
    return Lp.state;
}

namespace {

void StartSwoop() {
    F.claw = 0;
    F.result = 0;
    RunRound2OpponentClaw(0);
    Restart(F.S);
    F.baseX = Opp.x;
    F.baseY = Opp.y;
    F.Y0 = PlayerState.y;
    Opp.facing = F.d;
    F.r = Random0To99();
    F.D0 = std::abs(PlayerState.x - F.baseX);
    F.state = 7;
}

// The swoop: a cosine dip toward the heroine's feet and back up, the body
// spinning down and up again. A swoop that starts right above her (D0 0)
// counts as one pixel away.
void Swoop() {
    const double t = SinceStamp(F.S);
    const double theta = 6.28 * t * 0.3;
    const std::int32_t d0 = F.D0 > 0 ? F.D0 : 1;
    Opp.x = F.baseX + TruncToInt((2.0 * F.d * F.D0) / 3.14 * t);
    const std::int32_t H = (F.Y0 - 10 - F.r - F.baseY) / 2;
    Opp.y = F.baseY + TruncToInt((std::cos(theta + 3.140000104904175) + 1) * H);
    if (theta < 3.14) Opp.frame = 5;
    else UpdateRound2OpponentSwingFrames(0.01);
    if (theta < 1.57) {
        Opp.angle = 360 - TruncToInt(31.84713375796178 * theta) * 300 / d0;
    } else if (theta < 4.71) {
        Opp.angle = 360 - 15000 / d0 + TruncToInt((theta - 1.57) * 38.216560509554135) * 300 / d0;
    }
    const std::int32_t dx = PlayerState.x - Opp.x, dy = PlayerState.y - Opp.y - 70;
    if (F.claw == 0 && dx * dx + dy * dy < 32400) {
        F.claw = 1;
        F.catchKind = 0;
        RunRound2OpponentClaw(0);
        MessageBoxOpen = 0;
    }
    if (theta > 6.28) F.state = 0;
    if (Opp.y <= kCeiling && t > 0.1) {
        F.state = 0;
        Opp.depth = 0.3f;
    }
    if (dx * F.d < 0) F.claw = 0;
}

void StepStates() {
    const std::int32_t px = PlayerState.x;
    if (F.state == 0) {
        Opp.frame = 3;
        Restart(F.S);
        F.d = Opp.facing;
        if (Floor() - 10 <= Opp.y) {
            F.d = -Opp.facing;
            Opp.y = Floor();
            F.state = 1;
        } else {
            F.state = 2;
        }
    }
    if (F.state == 1) {
        Opp.frame = 3;
        Opp.facing = F.d;
        if (AtLeastElapsed(F.S, GameNow(), 0.1)) {
            Opp.x += 100 * F.d;
            Opp.y -= 100;
            F.state = 2;
        }
    }
    if (F.state == 2) {
        Opp.frame = 3;
        Opp.facing = F.d;
        Restart(F.S);
        Restart(F.S2);
        F.baseX = Opp.x;
        F.baseY = Opp.y;
        F.r = Random0To99();
        F.state = 3;
    }
    if (F.state == 3) {
        const double t = SinceStamp(F.S);
        Opp.facing = F.d;
        Opp.angle = 30;
        Opp.x = F.baseX + TruncToInt(500.0 * F.d * t);
        const std::int32_t y = F.baseY - TruncToInt(300 * t + 100 * t * t);
        const bool atCeiling = y <= kCeiling;
        Opp.y = atCeiling ? kCeiling : y;
        UpdateRound2OpponentSwingFrames(atCeiling ? 0.04 : 0.01);
        if ((atCeiling && std::abs(px - Opp.x) > 300 + 10 * F.r) || AtLeastElapsed(F.S2, GameNow(), 10.0)) F.state = 4;
    }
    if (F.state == 4) {
        if ((px - Opp.x) * F.d >= 0) {
            Restart(F.S);
            F.state = 6;
        } else {
            RunRound2OpponentTurn(0);
            F.state = 5;
        }
    }
    if (F.state == 5 && RunRound2OpponentTurn(F.d) == kStepDone) {
        RunRound2OpponentTurn(0);
        F.d = -F.d;
        Restart(F.S);
        F.state = 6;
    }
    if (F.state == 6) StartSwoop();
    if (F.state == 7) Swoop();
}

void StepClaw() {
    if (F.claw == 1 && F.catchKind == 0) {
        const std::int32_t c = RunRound2OpponentClaw(1);
        if (c >= 97) {
            F.catchKind = c - 96;
            RunRound2Catch(0, F.D0);
        }
    }
    if ((F.catchKind == 1 || F.catchKind == 2) && RunRound2Catch(F.catchKind, F.D0) == kStepDone)
        F.catchKind = 5;
}

// A talk event becomes due once, and only while the other two are not.
void MakeDue(int k) {
    std::int32_t* E = Round2TalkEvents;
    if (E[k] == 6 && E[(k + 1) % 3] > 4 && E[(k + 2) % 3] > 4) E[k] = 3;
}

void StepDamage() {
    if (F.state == 19 || F.state == 20 || F.state == kTalking) return;
    if (F.result == 0) {
        F.result = CheckRound2OpponentDamage(1);
        if (F.result != 0) {
            Restart(F.S3);
            F.knockBaseY = Opp.y;
            F.knockFacing = Opp.facing;
            if (F.result == 3) MakeDue(0);
            if (F.result == 4) MakeDue(1);
            if (F.result == 9) MakeDue(2);
        }
    }
    const double t3 = SinceStamp(F.S3);
    if (F.result == 1) {
        F.state = 0;
        F.claw = 0;
        if (t3 >= 0.1) F.result = 0;
    }
    if (F.result == 3 || F.result == 4) {
        if (t3 < 1.0) {
            F.state = 0;
            F.claw = 0;
            Opp.frame = 5;
            Opp.angle = TruncToInt(3600 * t3);
            SpawnPickup(Opp.x, Opp.y);
            const std::int32_t arc = TruncToInt(100 * t3 - 100 * t3 * t3);
            if (F.result == 3) {
                Opp.y = F.knockBaseY + arc;
                Opp.x += TruncToInt(F.knockFacing * 600 * GameClock.frameTime);
                if (Floor() - 10 <= Opp.y) {
                    Opp.y = Floor();
                    F.state = 0;
                    F.result = 0;
                }
            } else {
                Opp.y = F.knockBaseY - arc;
                Opp.x += TruncToInt(PlayerState.facing * 800 * GameClock.frameTime);
            }
        } else {
            F.result = 0;
        }
    }
    if (F.result == 9 && t3 >= 0.1) F.result = 0;
}

void StepLimits() {
    if (Opp.y < 151) {
        Opp.y = kCeiling;
        F.result = 0;
    }
    if (Opp.frame != 3 && Opp.y >= 630) {
        Opp.y = 630;
        F.result = 0;
    }
    if (Opp.x < O + 200) Opp.x = O + 200;
    if (Opp.x > O + 2730) Opp.x = O + 2730;
    if (F.state == 19 || F.state == 20 || F.state == kTalking) return;
    if (F.d == -1 && Opp.x <= O + 400 && RunRound2OpponentTurn(-1) == kStepDone) {
        RunRound2OpponentTurn(0);
        F.d = 1;
        F.baseX = Opp.x;
        F.baseY = Opp.y;
        Restart(F.S);
        F.state = 0;
    } else if (F.d == 1 && Opp.x >= O + 2530 && RunRound2OpponentTurn(1) == kStepDone) {
        RunRound2OpponentTurn(0);
        F.d = -1;
        F.baseX = Opp.x;
        F.baseY = Opp.y;
        Restart(F.S);
    }
}

void StepTalks() {
    std::int32_t* E = Round2TalkEvents;
    for (int k = 0; k < 3; ++k) {
        if (E[k] == 3 && Opp.y < 151) {
            RunRound2Talk(0);
            UpdateRound2OpponentSpinFrames(0);
            F.state = kTalking;
            F.claw = F.catchKind = F.result = 0;
            E[k] = 2;
        }
        if (E[k] == 2) {
            UpdateRound2OpponentSpinFrames(1);
            if (RunRound2Talk(k + 1) == kStepDone) {
                E[k] = 9;
                F.state = 0;
            }
            break;
        }
    }
}

void StepFinal() {
    std::int32_t* E = Round2TalkEvents;
    if (F.state != 19 && F.state != 20 && TournamentState.opponentHp < 650 && Opp.frame == 3 &&
        E[0] + E[1] + E[2] == 27) {
        F.state = 19;
        F.claw = F.catchKind = F.result = 0;
        E[0] = 6;
        RunRound2Talk(0);
    }
    if (F.state == 19) {
        if (D() < 99) Opp.x += PlayerState.x > Opp.x ? -100 : 100;
        F.state = 20;
    }
    if (F.state == 20) {
        Opp.frame = 2;
        Opp.angle = 0;
        Opp.y = Floor();
        if (RunRound2Talk(4) == kStepDone) F.done = true;
    }
}

}  // namespace

std::int32_t RunRound2Fight(std::int32_t mode) {
    StampAheadToZero(F.S, GameNow());
    StampAheadToZero(F.S2, GameNow());
    StampAheadToZero(F.S3, GameNow());
    if (mode == 0) {
        F = FightState{};
        F.d = Opp.facing != 0 ? Opp.facing : 1;
        return F.state;
    }
    if (F.done) return kStepDone;
    StepStates();
    StepClaw();
    StepDamage();
    StepLimits();
    StepTalks();
    StepFinal();
    return F.done ? kStepDone : F.state;
}
