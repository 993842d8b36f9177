// Round 3: the agile fighter who leaps, dashes and strikes. The driver, the
// entrance (gauge, talk, the rise out of the floor, the platform and the
// leap into the ring), the fight that picks its moves and answers hits, its
// two mid-fight talks, and the round end with the prize.
#include <cstdlib>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = Era02Anchor1;
constexpr std::int32_t kTextureD047 = 47;
constexpr std::int32_t kTextureD039 = 39;
TournamentOpponentRecord& Opp = Round3Opponent;
Round3SceneRecord& Sc = Round3Scene;
std::int32_t& Msg() { return DialogueChannels.sideLine; }
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }
bool HeroineRightOf() { return PlayerState.x >= Opp.x; }
void Restart(double& stamp) { stamp = GameNow(); }

struct DriverState {
    std::int32_t step = 0;
};
DriverState Dr;

// The two-picture idle: sub-step 1 shows the first, 2 the second, each for
// 0.5 s. Arming leaves it as it was, so a round played again starts from it.
struct IdleState {
    std::int32_t sub = 0;
    double stamp = 0;
};
IdleState Idle;

void StartIdle() {
    Idle.sub = 1;
    Restart(Idle.stamp);
}
void StepIdle(std::int32_t first, std::int32_t second) {
    StampAheadToZero(Idle.stamp, GameNow());
    if (Idle.sub == 1) {
        Opp.frame = first;
        if (MoreThanElapsed(Idle.stamp, GameNow(), 0.5)) {
            Idle.sub = 2;
            Restart(Idle.stamp);
        }
    } else if (Idle.sub == 2) {
        Opp.frame = second;
        if (MoreThanElapsed(Idle.stamp, GameNow(), 0.5)) {
            Idle.sub = 1;
            Restart(Idle.stamp);
        }
    }
}

struct EntranceState {
    std::int32_t step = 0;
    std::int32_t rise = 200;
    std::int32_t heldScroll = 0;
    double stamp = 0, stamp2 = 0;
};
EntranceState En;

struct FightState {
    std::int32_t state = 0;
    std::int32_t hitFacing = 1;
    double lockStamp = 0;
};
FightState F;

struct TalkState {
    std::int32_t step = 0;
};
TalkState Tk;

struct EndState {
    std::int32_t step = 0;
    std::int32_t y0 = 0;
    double stamp = 0;
};
EndState Ed;

void ScrollToward(std::int32_t target) {
    if (ScrollX <= target - 1) ++ScrollX;
    else if (ScrollX >= target + 1) --ScrollX;
}

}  // namespace

std::int32_t RunRound3(std::int32_t mode) {
    if (mode == 0) {
        Dr.step = 0;
        RunRound3Entrance(0);
        return Dr.step;
    }
    // Once the fight is over the sheet is no longer wanted: asking for it
    // again would load it back after it was freed and the round would never end.
    if (Dr.step != kStepDone) RequestTexture(kTextureD047);
    if (Dr.step == 0) {
        Dr.step = 1;
        RunRound3Entrance(0);
    }
    if (Dr.step == 1 && RunRound3Entrance(1) == kStepDone) {
        Dr.step = 2;
        RunRound3Fight(0);
        TournamentState.opponentHp = 0;
        Sc.phase = 0;
    }
    if (Dr.step == 2 && RunRound3Fight(1) == kStepDone) {
        if (TextureFlags[kTextureD047] != 0) FreeGraphic(9000 + kTextureD047);
        Dr.step = kStepDone;
    }
    if (Dr.step >= 2 && PlayerState.pose == 1) PlayerState.pose = 22;
    return Dr.step;
}

std::int32_t RunRound3Entrance(std::int32_t mode) {
    StampAheadToZero(En.stamp, GameNow());
    StampAheadToZero(En.stamp2, GameNow());
    if (mode == 0) {
        En.step = 0;
        En.rise = 200;
        Opp.x = O + 1448;
        Opp.y = 481;
        Opp.frame = 0;
        Opp.angle = 0;
        Opp.depth = 0.72f;
        Msg() = 0;
        EventHoldsPlayer = 0;
        RunCrowdCheer(0);
        MessageBoxOpen = MenuKeyBlocked = KeyAPressed = 0;
        TournamentState.opponentHp = 700;
        EnterConfirmState = 0;
        TournamentState.platformHeight = 0;
        TournamentBanner = 1;
        return En.step;
    }
    TournamentGaugeRecord& g = TournamentGauge;
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (En.step >= 4 && En.step <= 9) ScrollX = En.heldScroll;
    CopyCrowdIndexToFigures();
    if (En.step == 0) {
        KeyAPressed = 0;
        Restart(En.stamp);
        PlayerState.facing = PlayerState.x >= O + 1448 ? -1 : 1;
        if (g.value < 98) {
            PlayEra02Sound(108);
            CameraMode = 1;
        }
        En.step = 1;
    }
    // Each step times itself from the stamp as it stands when the step runs,
    // so a step entered in this call starts at t = 0.
    if (En.step == 1) {
        const double t = GameNow() - En.stamp;
        KeyAPressed = 0;
        g.shown = 1;
        // A gauge already full (the last round's end refilled it) passes at
        // once, as step 0's silence says; it is not emptied and filled again.
        if (g.value < 98) g.value = RateMove(35.35714285714286, t);
        if (g.value >= 98) {
            g.value = 98;
            Restart(En.stamp);
            En.step = 2;
        }
    }
    if (En.step == 2) {
        if (KeyAPressed == 1 && std::abs(O + 1458 - PlayerState.x) < 130) {
            En.step = 3;
            KeyAPressed = 0;
            MessageBoxOpen = MenuKeyBlocked = 1;
        }
    }
    if (En.step == 3) {
        PlayerState.pose = 40;
        ScrollToward(O + 948);
        if (ScrollX == O + 948) {
            En.step = 4;
            KeyAPressed = 0;
            PlayEra02Sound(6);
            En.heldScroll = ScrollX;
            EnterConfirmState = kLineWaiting;
            EventHoldsPlayer = 1;
        }
    }
    if (En.step == 4) {
        PlayerState.pose = 40;
        Msg() = 50;
        if (LineRead()) {
            En.step = 5;
            StartIdle();
            EnterConfirmState = 0;
            En.rise = 200;
            EventHoldsPlayer = 0;
            Restart(En.stamp);
            Msg() = 0;
            PlayEra02Sound(110);
        }
    }
    if (En.step == 5) {
        PlayerState.pose = 40;
        const double t = GameNow() - En.stamp;
        Opp.y = En.rise + 483;
        if (En.rise < 0) {
            Opp.y = 483;
            En.rise = 0;
            En.step = 6;
            EnterConfirmState = kLineWaiting;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
        } else {
            En.rise = 200 - RateMove(kRingRisePerSecond, t);
        }
    }
    if (En.step == 6) {
        PlayerState.pose = 40;
        Msg() = 51;
        TournamentBanner = 4;
        if (LineRead()) {
            En.step = 7;
            EnterConfirmState = 0;
            PlayEra02Sound(108);
            EventHoldsPlayer = 0;
            Msg() = 0;
            RunCrowdCheer(2);
            Restart(En.stamp);
        }
    }
    if (En.step == 7) {
        PlayerState.pose = 40;
        const double t = GameNow() - En.stamp;
        RunCrowdCheer(1);
        TournamentBanner = 3;
        if (g.value < 0) {
            g.value = 0;
            g.shown = 1;
            En.step = 8;
            PlayEra02Sound(110);
            Restart(En.stamp);
            Restart(En.stamp2);
        } else {
            g.value = 98 - RateMove(kGaugeDrainPerSecond, t);
        }
    }
    if (En.step == 8) {
        PlayerState.pose = 40;
        const double t = GameNow() - En.stamp;
        TournamentBanner = 2;
        const std::int32_t h = RaisePlatform(t);
        if (t < 3.0) StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        else StepRound3AfterimagePair(0);
        if (RunCrowdCheer(1) == kStepDone && h == 209 && g.value == 0) {
            En.step = 9;
            EnterConfirmState = kLineWaiting;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
            Msg() = 52;
            Sc.afterimageA.shown = Sc.afterimageB.shown = 0;
            StepRound3AfterimagePair(0);
        }
    }
    if (En.step == 9) {
        PlayerState.pose = 40;
        if (Msg() < 54) {
            Restart(En.stamp2);
            Sc.afterimageA.shown = Sc.afterimageB.shown = 0;
        } else if (GameNow() - En.stamp2 < 2.0) {
            StepRound3AfterimageDiagonal(Opp.x, Opp.y - 100);
        } else {
            Sc.afterimageA.shown = Sc.afterimageB.shown = 0;
        }
        if (LineRead()) {
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
            if (Msg() > 60) {
                En.step = 10;
                StepRound3AfterimagePair(0);
                StartIdle();
                Restart(En.stamp);
                Restart(En.stamp2);
            } else {
                ++Msg();
            }
        }
    }
    if (En.step == 10) {
        PlayerState.pose = 40;
        const double t = GameNow() - En.stamp;
        Msg() = 62;
        if (t < 1.0) StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        else StepRound3AfterimagePair(0);
        // The gesture: two pictures of 0.2 s, then the third held. An Enter
        // read before it is held waits for it.
        Opp.frame = t < 0.2 ? 5 : t < 0.4 ? 6 : 7;
        if (Opp.frame == 7 && LineRead()) {
            En.step = 11;
            Opp.frame = 1;
            Msg() = 0;
            EnterConfirmState = 0;
            EventHoldsPlayer = MessageBoxOpen = MenuKeyBlocked = 0;
            Opp.depth = 0.3f;
            RunRound3LeapIn(0);
            Sc.afterimageA.shown = Sc.afterimageB.shown = 0;
            StepRound3AfterimagePair(0);
        }
    }
    if (En.step == 11) {
        if (RunRound3LeapIn(1) == kStepDone) return kStepDone;
    }
    if (En.step >= 4 && En.step <= 9) {
        if (En.step == 9 && Msg() >= 54) StepIdle(3, 4);
        else StepIdle(1, 2);
    }
    return En.step;
}

std::int32_t RunRound3Fight(std::int32_t mode) {
    StampAheadToZero(F.lockStamp, GameNow());
    if (mode == 0) {
        F.state = 1;
        F.lockStamp = 0;
        RunRound3HitGlows(0);
        return F.state;
    }
    // 1. Talks and the end interrupt only a decision.
    if (F.state == 1) {
        if (Sc.talkTrigger == 1) {
            F.state = 90;
            RunRound3Talk(0);
        } else if (Sc.talkTrigger == 3) {
            F.state = 91;
            RunRound3Talk(0);
        } else if (Sc.phase >= 6 && ScrollX + 100 < Opp.x && Opp.x < ScrollX + 924 &&
                   std::abs(PlayerState.x - Opp.x) >= 101 && Opp.y == 640) {
            F.state = 92;
            RunRound3End(0);
        }
    }
    // 2. The decision.
    if (F.state == 1) {
        if (Opp.frame == 37 && PlayerState.x < Opp.x) Opp.frame = 24;
        const std::int32_t f = Opp.frame;
        if (f == 13 || f == 24 || f == 60 || f == 61 || f == 63) {
            if (PlayerState.x < Opp.x - 300) {
                F.state = 2;
                RunRound3LeapAt(0);
            } else if (PlayerState.x < Opp.x) {
                F.state = 3;
                RunRound3CloseCombat(0);
            } else {
                Opp.frame = 37;
            }
        } else if (f == 37) {
            const std::int32_t r = Random0To99();
            if (r < 40) {
                F.state = 4;
                RunRound3LeapAttack1(0);
            } else if (r < 80) {
                F.state = 5;
                RunRound3LeapAttack2(0);
            } else {
                F.state = 6;
                RunRound3LeapAttack3(0);
            }
            if (Sc.phase == 0) {
                F.state = 4;
                RunRound3LeapAttack1(0);
            } else if (Sc.phase <= 3 && F.state == 6) {
                F.state = 5;
                RunRound3LeapAttack2(0);
            }
        }
    }
    // 3. The actions.
    std::int32_t (*const actions[])(std::int32_t) = {RunRound3LeapAt, RunRound3CloseCombat, RunRound3LeapAttack1,
                                                     RunRound3LeapAttack2, RunRound3LeapAttack3};
    if (F.state >= 2 && F.state <= 6 && actions[F.state - 2](1) == kStepDone) F.state = 1;
    // 4. The heroine's blow.
    const std::int32_t kind = F.state < 80 ? TestRound3Hit() : 0;
    if (kind != 0 && F.state < 11) {
        F.state = kind;
        F.hitFacing = PlayerState.facing;
        RunRound3LeapAt(0);
        RunRound3CloseCombat(0);
        RunRound3LeapAttack1(0);
        RunRound3Reaction(0, 0);
        MessageBoxOpen = 0;
    }
    // 5. The reaction.
    if (F.state >= 11 && F.state <= 79 && RunRound3Reaction(F.state, F.hitFacing) == kStepDone) {
        F.state = 1;
        MessageBoxOpen = 0;
    }
    // 6. The walls of the ring.
    if (Opp.x < O + 150) {
        Opp.x = O + 250;
        if (F.state != 3) {
            F.state = 3;
            RunRound3CloseCombat(0);
            MessageBoxOpen = 0;
        }
    }
    if (Opp.x > O + 2788) {
        Opp.x = O + 2788;
        if (F.state != 2) {
            F.state = 2;
            RunRound3LeapAt(0);
            MessageBoxOpen = 0;
            if (Opp.y < 160) Opp.y = 160;
        }
    }
    // 7., 8. The crowd and the bursts.
    UpdateCrowdReactions();
    RunRound3HitGlows(Sc.phase > 2 ? 2 : 1);
    // 9. Talks and the end.
    if (F.state == 90) {
        Restart(F.lockStamp);
        if (RunRound3Talk(1) == kStepDone) {
            Sc.talkTrigger = 2;
            F.state = 1;
        }
    } else if (F.state == 91) {
        Restart(F.lockStamp);
        if (RunRound3Talk(2) == kStepDone) {
            Sc.talkTrigger = 4;
            F.state = 1;
            Sc.phase = 4;
            TournamentState.opponentHp = 0;
        }
    } else if (F.state == 92) {
        Restart(F.lockStamp);
        if (RunRound3End(1) == kStepDone) F.state = kStepDone;
    }
    // 10. A lock left on by a move lets go after 3 s.
    if (MessageBoxOpen == 0) {
        F.lockStamp = 0;
    } else if (F.lockStamp == 0) {
        Restart(F.lockStamp);
    } else if (MoreThanElapsed(F.lockStamp, GameNow(), 3.0)) {
        MessageBoxOpen = 0;
    }
    // 11. Phases.
    if (TournamentState.opponentHp < -300) {
        TournamentState.opponentHp = 0;
        if (++Sc.phase == 3) RunRound3HitGlows(3);
    }
    return F.state;
}

namespace {

struct TalkRow {
    std::int32_t kind, step, message, pose, frame;   // frame 0: facing the heroine
};
constexpr TalkRow kTalkRows[] = {
    {1, 1, 63, 63, 0}, {1, 2, 64, 63, 0}, {1, 3, 65, 22, 0}, {1, 4, 66, 22, 5}, {1, 5, 67, 63, 7}, {1, 6, 68, 64, 7},
    {2, 1, 69, 22, 7}, {2, 2, 70, 39, 7}, {2, 3, 71, 39, 5}, {2, 4, 72, 63, 0}, {2, 5, 73, 22, 0},
};

const TalkRow* FindTalkRow(std::int32_t kind, std::int32_t step) {
    for (const TalkRow& r : kTalkRows)
        if (r.kind == kind && r.step == step) return &r;
    return nullptr;
}

}  // namespace

std::int32_t RunRound3Talk(std::int32_t kind) {
    if (kind == 0) {
        Tk.step = 0;
        Opp.y = Floor();
        return Tk.step;
    }
    if (Tk.step == 0) {
        Tk.step = 1;
        MessageBoxOpen = 1;
        EnterConfirmState = kLineWaiting;
        EventHoldsPlayer = 1;
        PlayEra02Sound(6);
        if (kind == 1) PlayerState.x -= 40;
    }
    const bool right = HeroineRightOf();
    PlayerState.facing = right ? -1 : 1;
    const std::int32_t facingFrame = right ? 27 : 24;
    const TalkRow* row = FindTalkRow(kind, Tk.step);
    if (row == nullptr) return Tk.step;
    Msg() = row->message;
    PlayerState.pose = row->pose;
    Opp.frame = row->frame == 0 ? facingFrame : row->frame;
    if (LineRead()) {
        if (kind == 2 && Tk.step == 3) PlayerState.x -= 40;
        if (FindTalkRow(kind, Tk.step + 1) == nullptr) {
            Tk.step = kStepDone;
            Opp.frame = 37;
            Msg() = 0;
            MessageBoxOpen = 0;
            EnterConfirmState = 0;
            EventHoldsPlayer = 0;
        } else {
            ++Tk.step;
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
        }
    }
    return Tk.step;
}

std::int32_t RunRound3End(std::int32_t mode) {
    StampAheadToZero(Ed.stamp, GameNow());
    if (mode == 0) {
        Ed.step = 0;
        Opp.y = Floor();
        return Ed.step;
    }
    const bool right = HeroineRightOf();
    if (Ed.step == 0) {
        Ed.step = 1;
        MessageBoxOpen = 1;
        Restart(Ed.stamp);
        PlayerState.facing = right ? -1 : 1;
        EnterConfirmState = kLineWaiting;
        EventHoldsPlayer = 1;
        PlayEra02Sound(6);
        Msg() = 74;
    }
    // Each step times itself from the stamp as it stands when the step runs,
    // so a step entered in this call starts at t = 0.
    TournamentGaugeRecord& g = TournamentGauge;
    if (Ed.step == 1) {
        Opp.frame = right ? 27 : 24;
        if (LineRead()) {
            if (Msg() < 79) {
                ++Msg();
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
            } else {
                Ed.step = 2;
                StepRound3AfterimagePair(0);
                Msg() = 0;
                EventHoldsPlayer = 0;
                EnterConfirmState = 0;
                Restart(Ed.stamp);
            }
        }
    }
    if (Ed.step == 2) {
        Opp.frame = right ? 62 : 53;
        StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        if (MoreThanElapsed(Ed.stamp, GameNow(), 0.1)) {
            Ed.step = 3;
            Restart(Ed.stamp);
            StepRound3AfterimagePair(0);
            PlayEra02Sound(9);
        }
    }
    if (Ed.step == 3) {
        Opp.frame = right ? 72 : 71;
        if (MoreThanElapsed(Ed.stamp, GameNow(), 2.0)) {
            Ed.step = 4;
            Restart(Ed.stamp);
            StepRound3AfterimagePair(0);
            EnterConfirmState = kLineWaiting;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
        }
    }
    if (Ed.step == 4) {
        Msg() = 80;
        Opp.frame = right ? 72 : 71;
        if (LineRead()) {
            Ed.step = 5;
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
            Restart(Ed.stamp);
        }
    }
    if (Ed.step == 5) {
        Msg() = 80;
        Opp.frame = right ? 63 : 60;
        StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        if (MoreThanElapsed(Ed.stamp, GameNow(), 2.0)) {
            Ed.step = 6;
            Restart(Ed.stamp);
            StepRound3AfterimagePair(0);
            StartIdle();
            // An Enter given to line 80 during the pause would otherwise
            // answer line 81 before it is ever on screen.
            EnterConfirmState = kLineWaiting;
            Msg() = 81;
        }
    }
    if (Ed.step == 6) {
        Msg() = 81;
        StepIdle(1, 2);
        StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        if (LineRead()) {
            Ed.step = 7;
            Msg() = 0;
            EventHoldsPlayer = 0;
            Restart(Ed.stamp);
            StepRound3AfterimagePair(0);
        }
    }
    if (Ed.step == 7) {
        Opp.frame = 68;
        if (MoreThanElapsed(Ed.stamp, GameNow(), 0.05)) {
            Ed.step = 8;
            Restart(Ed.stamp);
            PlayEra02Sound(9);
        }
    }
    if (Ed.step == 8) {
        Opp.frame = 70;
        if (MoreThanElapsed(Ed.stamp, GameNow(), 5.5)) {
            Ed.step = 9;
            Restart(Ed.stamp);
            Ed.y0 = Opp.y;
            PlayEra02Sound(108);
            RunCrowdCheer(0);
        }
    }
    if (Ed.step == 9) {
        const double t = GameNow() - Ed.stamp;
        Opp.frame = 70;
        RunCrowdCheer(1);
        if (Opp.y < Ed.y0 + 75) Opp.y = Ed.y0 + RateMove(23.659305993690854, t);
        if (t < 1.5) StepRound3AfterimagePair(1, PlayerState.x, PlayerState.y - 100);
        else StepRound3AfterimagePair(0);
        if (Opp.y >= Ed.y0 + 75) {
            Opp.frame = 0;
            Ed.step = 10;
        }
    }
    if (Ed.step == 10) {
        DialogueChannels.fieldLine = 0;
        MessageBoxOpen = 1;
        KeyRightPressed = KeyLeftPressed = 0;
        const std::int32_t cheer = RunCrowdCheer(1);
        RequestTexture(kTextureD039);
        ScrollToward(O + 948);
        if (PlayerState.x - 400 < O + 948) {
            KeyRightPressed = 1;
            PlayerState.facing = 1;
        }
        if (O + 1972 < PlayerState.x + 400) {
            KeyLeftPressed = 1;
            PlayerState.facing = -1;
        }
        if (ScrollX == O + 948 && O + 948 <= PlayerState.x - 300 && PlayerState.x + 300 <= O + 1972 &&
            cheer == kStepDone) {
            Ed.step = 11;
            Msg() = 82;
            PlayerState.pose = 40;
            EventHoldsPlayer = 1;
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
        }
    }
    if (Ed.step == 11) {
        PlayerState.pose = Msg() >= 84 ? 22 : 40;
        if (LineRead()) {
            if (Msg() < 87) {
                ++Msg();
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
            } else {
                Ed.step = 12;
                StepRound3AfterimagePair(0);
                Msg() = 0;
                EventHoldsPlayer = 0;
                EnterConfirmState = 0;
                Restart(Ed.stamp);
                PlayEra02Sound(108);
            }
        }
    }
    if (Ed.step == 12) {
        const double t = GameNow() - Ed.stamp;
        ScrollX = O + 948;
        g.shown = 0;
        Sc.endFlag = 1;
        g.value = RateMove(53.57142857142858, t) - 50;
        if (g.value >= 98) {
            g.value = 98;
            Restart(Ed.stamp);
            Ed.step = 13;
        }
    }
    if (Ed.step == 13) {
        MessageBoxOpen = 0;
        CameraMode = 1;
        if (std::abs(O + 1462 - PlayerState.x) < 40 && KeyAPressed == 1) {
            DialogueChannels.fieldLine = 0;
            EventHoldsPlayer = 0;
            PlayEra02Sound(10);
            ItemCounts[3] += 3;
            Ed.step = 14;
            Restart(Ed.stamp);
            Sc.endFlag = 0;
        }
    }
    if (Ed.step == 14) {
        if (MoreThanElapsed(Ed.stamp, GameNow(), 1.0)) {
            Ed.step = 15;
            PlayEra02Sound(108);
        }
    }
    if (Ed.step == 15) {
        const double t = GameNow() - Ed.stamp;
        g.value = 98 - RateMove(47.31861198738171, t);
        if (g.value < -50) {
            g.value = -50;
            Ed.step = 16;
        }
    }
    if (Ed.step == 16) {
        if (MoreThanElapsed(Ed.stamp, GameNow(), 1.0)) {
            Ed.step = 17;
            g.shown = 1;
            PlayEra02Sound(108);
            g.value = 0;
            Restart(Ed.stamp);
            PlayEra02Sound(110);
        }
    }
    if (Ed.step == 17) {
        const double t = GameNow() - Ed.stamp;
        TournamentBanner = 2;
        std::int32_t& h = TournamentState.platformHeight;
        h = 209 - RateMove(kPlatformRisePerSecond, t);
        if (h <= 0) h = 0;
        g.value = RateMove(35.35714285714286, t);
        if (g.value >= 98) g.value = 98;
        if (h == 0 && g.value == 98) {
            Ed.step = kStepDone;
            if (TextureReady(kTextureD047)) {
                ReleaseTexture(kTextureD047);
                ReleaseTexture(kTextureD039);
            }
        }
    }
    return Ed.step;
}
