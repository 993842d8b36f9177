// Round 3: the agile fighter who leaps, dashes and strikes. The driver, the
// entrance (gauge, talk, the rise out of the floor, the platform and the
// leap into the ring), the fight that picks its moves and answers hits, its
// two mid-fight talks, and the round end with the prize.
#include <cstdlib>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kTextureD039 = 39;
TournamentOpponentRecord& Opp = Round3Opponent;
std::int32_t& Msg() { return DialogueChannels.sideLine; }
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }
bool HeroineRightOf() { return PlayerState.x >= Opp.x; }
void Restart(double& stamp) { stamp = GameNow(); }

struct DriverState {
    std::int32_t step = 0;
};
DriverState Driver;

// The two-picture idle: sub-step 1 shows the first, 2 the second, each for
// 0.5 s. Arming leaves it as it was, so a round played again starts from it;
// a new game starts it afresh.
struct IdleState {
    std::int32_t sub = 0;
    double stamp = 0;
};
IdleState Idle;

}  // namespace

namespace {

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
EntranceState Entrance;

struct FightState {
    std::int32_t state = 0;
    std::int32_t hitFacing = 1;
    double lockStamp = 0;
};
FightState Fight;

struct TalkState {
    std::int32_t step = 0;
};
TalkState Talk;

struct EndState {
    std::int32_t step = 0;
    std::int32_t y0 = 0;
    double stamp = 0;
};
EndState End;

}  // namespace

void ResetRound3Words() {
    Driver = DriverState{};
    Idle = IdleState{};
    Entrance = EntranceState{};
    Fight = FightState{};
    Talk = TalkState{};
    End = EndState{};
}

std::int32_t RunRound3(std::int32_t mode) {
    static constexpr RoundRow kRound3 = {kTextureD047, RunRound3Entrance, RunRound3Fight,
                                         [] {
                                             TournamentState.opponentHp = 0;
                                             Round3Scene.phase = 0;
                                         },
                                         nullptr, kTextureD048};
    const HoldStep hold(kRound3Hold);
    return StepRound(kRound3, Driver.step, mode);
}

std::int32_t RunRound3Entrance(std::int32_t mode) {
    StampAheadToZero(Entrance.stamp, GameNow());
    StampAheadToZero(Entrance.stamp2, GameNow());
    if (mode == 0) {
        Entrance.step = 0;
        Entrance.rise = 200;
        Opp.angle = 0;
        ArmEntrance(Opp, Era02Anchor1 + 1448, 700, Msg());
        return Entrance.step;
    }
    TournamentGaugeRecord& g = TournamentGauge;
    if (PlayerState.pose == 1) PlayerState.pose = 22;
    if (Entrance.step >= 4 && Entrance.step <= 9) ScrollX = Entrance.heldScroll;
    CopyCrowdIndexToFigures();
    if (Entrance.step == 0) {
        StartEntranceGauge(Entrance.stamp);
        PlayerState.facing = PlayerState.x >= Era02Anchor1 + 1448 ? -1 : 1;
        Entrance.step = 1;
    }
    // Each step times itself from the stamp as it stands when the step runs,
    // so a step entered in this call starts at t = 0.
    if (Entrance.step == 1) {
        const double t = GameNow() - Entrance.stamp;
        KeyAPressed = 0;
        // A gauge already full (the last round's end refilled it) passes at
        // once, as step 0's silence says; it is not emptied and filled again.
        if (g.value >= 98 || FillGauge(t)) {
            g.shown = 1;
            g.value = 98;
            Restart(Entrance.stamp);
            Entrance.step = 2;
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
            Entrance.step = 4;
            KeyAPressed = 0;
            Entrance.heldScroll = ScrollX;
            OpenLine(Msg(), 50);
        }
    }
    if (Entrance.step == 4) {
        PlayerState.pose = 40;
        if (LineRead()) {
            Entrance.step = 5;
            StartIdle();
            StartRise(Msg(), Entrance.rise, Entrance.stamp);
        }
    }
    if (Entrance.step == 5) {
        PlayerState.pose = 40;
        if (RiseOntoRingLagged(Opp.y, Entrance.rise, GameNow() - Entrance.stamp)) {
            Entrance.step = 6;
            OpenLine(Msg(), 51);
        }
    }
    if (Entrance.step == 6) {
        PlayerState.pose = 40;
        TournamentBanner = 4;
        if (LineRead()) {
            Entrance.step = 7;
            StartCrowdCheer(Msg(), Entrance.stamp);
        }
    }
    if (Entrance.step == 7) {
        PlayerState.pose = 40;
        RunCrowdCheer(1);
        TournamentBanner = 3;
        if (DrainGaugeLagged(GameNow() - Entrance.stamp)) {
            Entrance.step = 8;
            Restart(Entrance.stamp);
            Restart(Entrance.stamp2);
        }
    }
    if (Entrance.step == 8) {
        PlayerState.pose = 40;
        const double t = GameNow() - Entrance.stamp;
        TournamentBanner = 2;
        const std::int32_t h = RaisePlatform(t);
        if (t < 3.0) StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        else StepRound3AfterimagePair(0);
        if (RunCrowdCheer(1) == kStepDone && h == 209 && g.value == 0) {
            Entrance.step = 9;
            OpenLine(Msg(), 52);
            Round3Scene.afterimageA.shown = Round3Scene.afterimageB.shown = 0;
            StepRound3AfterimagePair(0);
        }
    }
    if (Entrance.step == 9) {
        PlayerState.pose = 40;
        if (Msg() < 54) {
            Restart(Entrance.stamp2);
            Round3Scene.afterimageA.shown = Round3Scene.afterimageB.shown = 0;
        } else if (GameNow() - Entrance.stamp2 < 2.0) {
            StepRound3AfterimageDiagonal(Opp.x, Opp.y - 100);
        } else {
            Round3Scene.afterimageA.shown = Round3Scene.afterimageB.shown = 0;
        }
        if (LineRead()) {
            if (Msg() > 60) {
                AdvanceLine(Msg(), 62);
                Entrance.step = 10;
                StepRound3AfterimagePair(0);
                StartIdle();
                Restart(Entrance.stamp);
                Restart(Entrance.stamp2);
            } else {
                AdvanceLine(Msg(), Msg() + 1);
            }
        }
    }
    if (Entrance.step == 10) {
        PlayerState.pose = 40;
        const double t = GameNow() - Entrance.stamp;
        Msg() = 62;
        if (t < 1.0) StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        else StepRound3AfterimagePair(0);
        // The gesture: two pictures of 0.2 s, then the third held. An Enter
        // read before it is held waits for it.
        Opp.frame = t < 0.2 ? 5 : t < 0.4 ? 6 : 7;
        if (Opp.frame == 7 && LineRead()) {
            Entrance.step = 11;
            Opp.frame = 1;
            CloseLine(Msg());
            LetGoOfHeroine(kHoldKeys | kHoldMenu);
            Opp.depth = 0.3f;
            RunRound3LeapIn(0);
            Round3Scene.afterimageA.shown = Round3Scene.afterimageB.shown = 0;
            StepRound3AfterimagePair(0);
        }
    }
    if (Entrance.step == 11) {
        if (RunRound3LeapIn(1) == kStepDone) return kStepDone;
    }
    if (Entrance.step >= 4 && Entrance.step <= 9) {
        if (Entrance.step == 9 && Msg() >= 54) StepIdle(3, 4);
        else StepIdle(1, 2);
    }
    return Entrance.step;
}

std::int32_t RunRound3Fight(std::int32_t mode) {
    StampAheadToZero(Fight.lockStamp, GameNow());
    if (mode == 0) {
        Fight.state = 1;
        Fight.lockStamp = 0;
        RunRound3HitGlows(0);
        return Fight.state;
    }
    // 1. Talks and the end interrupt only a decision.
    if (Fight.state == 1) {
        if (Round3Scene.talkTrigger == 1) {
            Fight.state = 90;
            RunRound3Talk(0);
        } else if (Round3Scene.talkTrigger == 3) {
            Fight.state = 91;
            RunRound3Talk(0);
        } else if (Round3Scene.phase >= 6 && ScrollX + 100 < Opp.x && Opp.x < ScrollX + 924 &&
                   std::abs(PlayerState.x - Opp.x) >= 101 && Opp.y == 640) {
            Fight.state = 92;
            RunRound3End(0);
        }
    }
    // 2. The decision.
    if (Fight.state == 1) {
        if (Opp.frame == 37 && PlayerState.x < Opp.x) Opp.frame = 24;
        const std::int32_t f = Opp.frame;
        if (f == 13 || f == 24 || f == 60 || f == 61 || f == 63) {
            if (PlayerState.x < Opp.x - 300) {
                Fight.state = 2;
                RunRound3LeapAt(0);
            } else if (PlayerState.x < Opp.x) {
                Fight.state = 3;
                RunRound3CloseCombat(0);
            } else {
                Opp.frame = 37;
            }
        } else if (f == 37) {
            const std::int32_t r = Random0To99();
            if (r < 40) {
                Fight.state = 4;
                RunRound3LeapAttack1(0);
            } else if (r < 80) {
                Fight.state = 5;
                RunRound3LeapAttack2(0);
            } else {
                Fight.state = 6;
                RunRound3LeapAttack3(0);
            }
            if (Round3Scene.phase == 0) {
                Fight.state = 4;
                RunRound3LeapAttack1(0);
            } else if (Round3Scene.phase <= 3 && Fight.state == 6) {
                Fight.state = 5;
                RunRound3LeapAttack2(0);
            }
        }
    }
    // 3. The actions.
    std::int32_t (*const actions[])(std::int32_t) = {RunRound3LeapAt, RunRound3CloseCombat, RunRound3LeapAttack1,
                                                     RunRound3LeapAttack2, RunRound3LeapAttack3};
    if (Fight.state >= 2 && Fight.state <= 6 && actions[Fight.state - 2](1) == kStepDone) Fight.state = 1;
    // 4. The heroine's blow.
    const std::int32_t kind = Fight.state < 80 ? TestRound3Hit() : 0;
    if (kind != 0 && Fight.state < 11) {
        Fight.state = kind;
        Fight.hitFacing = PlayerState.facing;
        RunRound3LeapAt(0);
        RunRound3CloseCombat(0);
        RunRound3LeapAttack1(0);
        RunRound3Reaction(0, 0);
        LetGoOfHeroine(kHoldKeys);
    }
    // 5. The reaction.
    if (Fight.state >= 11 && Fight.state <= 79 && RunRound3Reaction(Fight.state, Fight.hitFacing) == kStepDone) {
        Fight.state = 1;
        LetGoOfHeroine(kHoldKeys);
    }
    // 6. The walls of the ring.
    if (Opp.x < Era02Anchor1 + 150) {
        Opp.x = Era02Anchor1 + 250;
        if (Fight.state != 3) {
            Fight.state = 3;
            RunRound3CloseCombat(0);
            LetGoOfHeroine(kHoldKeys);
        }
    }
    if (Opp.x > Era02Anchor1 + 2788) {
        Opp.x = Era02Anchor1 + 2788;
        if (Fight.state != 2) {
            Fight.state = 2;
            RunRound3LeapAt(0);
            LetGoOfHeroine(kHoldKeys);
            if (Opp.y < 160) Opp.y = 160;
        }
    }
    // 7., 8. The crowd and the bursts.
    UpdateCrowdReactions();
    RunRound3HitGlows(Round3Scene.phase > 2 ? 2 : 1);
    // 9. Talks and the end.
    if (Fight.state == 90) {
        Restart(Fight.lockStamp);
        if (RunRound3Talk(1) == kStepDone) {
            Round3Scene.talkTrigger = 2;
            Fight.state = 1;
        }
    } else if (Fight.state == 91) {
        Restart(Fight.lockStamp);
        if (RunRound3Talk(2) == kStepDone) {
            Round3Scene.talkTrigger = 4;
            Fight.state = 1;
            Round3Scene.phase = 4;
            TournamentState.opponentHp = 0;
        }
    } else if (Fight.state == 92) {
        Restart(Fight.lockStamp);
        if (RunRound3End(1) == kStepDone) Fight.state = kStepDone;
    }
    // 10. A lock left on by a move lets go after 3 s.
    if (!HoldsHeroine(kRound3Hold, kHoldKeys)) {
        Fight.lockStamp = 0;
    } else if (Fight.lockStamp == 0) {
        Restart(Fight.lockStamp);
    } else if (MoreThanElapsed(Fight.lockStamp, GameNow(), 3.0)) {
        LetGoOfHeroine(kHoldKeys);
    }
    // 11. Phases.
    if (TournamentState.opponentHp < -300) {
        TournamentState.opponentHp = 0;
        if (++Round3Scene.phase == 3) RunRound3HitGlows(3);
    }
    return Fight.state;
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

// Steps 0 to 8: its talk, its flashes and its last words. Each step times
// itself from the stamp as it stands when the step runs, so a step entered
// in this call starts at t = 0.
//
// She stands facing the heroine through the whole exchange, her warning,
// the heroine's thanks and her cheer, flashes flickering about her in the
// pauses, and only then sinks to the floor and is lowered away: dropped flat
// after her warning and up again for the heroine's cheer, she would lie down
// and stand again between two lines of one talk.
void StepEndFarewell() {
    const bool right = HeroineRightOf();
    const std::int32_t facingHer = right ? 27 : 24;
    if (End.step == 0) {
        End.step = 1;
        TakeHoldOfHeroine();
        Restart(End.stamp);
        PlayerState.facing = right ? -1 : 1;
        OpenLine(Msg(), 74);
    }
    if (End.step == 1) {
        Opp.frame = facingHer;
        if (LineRead()) {
            if (Msg() < 79) {
                ++Msg();
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
            } else {
                End.step = 2;
                StepRound3AfterimagePair(0);
                CloseLine(Msg());
                Restart(End.stamp);
            }
        }
    }
    if (End.step == 2) {
        Opp.frame = facingHer;
        StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        if (MoreThanElapsed(End.stamp, GameNow(), 0.1)) {
            End.step = 3;
            Restart(End.stamp);
            StepRound3AfterimagePair(0);
        }
    }
    if (End.step == 3) {
        Opp.frame = facingHer;
        if (MoreThanElapsed(End.stamp, GameNow(), 2.0)) {
            End.step = 4;
            Restart(End.stamp);
            StepRound3AfterimagePair(0);
            OpenLine(Msg(), 80);
        }
    }
    if (End.step == 4) {
        Msg() = 80;
        Opp.frame = facingHer;
        if (LineRead()) {
            End.step = 5;
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
            Restart(End.stamp);
        }
    }
    if (End.step == 5) {
        Msg() = 80;
        Opp.frame = facingHer;
        StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        if (MoreThanElapsed(End.stamp, GameNow(), 2.0)) {
            End.step = 6;
            Restart(End.stamp);
            StepRound3AfterimagePair(0);
            StartIdle();
            // An Enter given to line 80 during the pause would otherwise
            // answer line 81 before it is ever on screen.
            EnterConfirmState = kLineWaiting;
            Msg() = 81;
        }
    }
    if (End.step == 6) {
        Msg() = 81;
        StepIdle(1, 2);
        StepRound3AfterimagePair(1, Opp.x, Opp.y - 100);
        if (LineRead()) {
            End.step = 7;
            Msg() = 0;
            LetGoOfHeroine(kHoldLine);
            Restart(End.stamp);
            StepRound3AfterimagePair(0);
        }
    }
    if (End.step == 7) {
        Opp.frame = 68;
        if (MoreThanElapsed(End.stamp, GameNow(), 0.05)) {
            End.step = 8;
            Restart(End.stamp);
            PlayEra02Sound(9);
        }
    }
    if (End.step == 8) {
        Opp.frame = 70;
        if (MoreThanElapsed(End.stamp, GameNow(), 5.5)) {
            End.step = 9;
            Restart(End.stamp);
            End.y0 = Opp.y;
            PlayEra02Sound(108);
            RunCrowdCheer(0);
        }
    }
}

// Step 9: it sinks away while the crowd cheers.
void StepEndSinking() {
    if (End.step == 9) {
        const double t = GameNow() - End.stamp;
        Opp.frame = 70;
        RunCrowdCheer(1);
        if (Opp.y < End.y0 + 75) Opp.y = End.y0 + RateMove(23.659305993690854, t);
        if (t < 1.5) StepRound3AfterimagePair(1, PlayerState.x, PlayerState.y - 100);
        else StepRound3AfterimagePair(0);
        if (Opp.y >= End.y0 + 75) {
            Opp.frame = 0;
            End.step = 10;
        }
    }
}

// Steps 10 to 13: the walk to the prize, the talk, the prize rising and
// taken.
void StepEndPrize() {
    TournamentGaugeRecord& g = TournamentGauge;
    if (End.step == 10) {
        DialogueChannels.fieldLine = 0;
        TakeHoldOfHeroine();
        KeyRightPressed = KeyLeftPressed = 0;
        const std::int32_t cheer = RunCrowdCheer(1);
        RequestTexture(kTextureD039);
        ScrollToward(Era02Anchor1 + 948);
        if (PlayerState.x - 400 < Era02Anchor1 + 948) {
            KeyRightPressed = 1;
            PlayerState.facing = 1;
        }
        if (Era02Anchor1 + 1972 < PlayerState.x + 400) {
            KeyLeftPressed = 1;
            PlayerState.facing = -1;
        }
        if (ScrollX == Era02Anchor1 + 948 && Era02Anchor1 + 948 <= PlayerState.x - 300 &&
            PlayerState.x + 300 <= Era02Anchor1 + 1972 && cheer == kStepDone) {
            End.step = 11;
            PlayerState.pose = 40;
            OpenLine(Msg(), 82);
        }
    }
    if (End.step == 11) {
        PlayerState.pose = Msg() >= 84 ? 22 : 40;
        if (LineRead()) {
            if (Msg() < 87) {
                ++Msg();
                EnterConfirmState = kLineWaiting;
                PlayEra02Sound(6);
            } else {
                End.step = 12;
                StepRound3AfterimagePair(0);
                CloseLine(Msg());
                Restart(End.stamp);
                PlayEra02Sound(108);
            }
        }
    }
    if (End.step == 12) {
        const double t = GameNow() - End.stamp;
        ScrollX = Era02Anchor1 + 948;
        g.shown = 0;
        Round3Scene.endFlag = 1;
        g.value = RateMove(53.57142857142858, t) - 50;
        if (g.value >= 98) {
            g.value = 98;
            Restart(End.stamp);
            End.step = 13;
        }
    }
    if (End.step == 13) {
        LetGoOfHeroine(kHoldKeys);
        CameraMode = 1;
        if (std::abs(Era02Anchor1 + 1462 - PlayerState.x) < 40 && KeyAPressed == 1) {
            DialogueChannels.fieldLine = 0;
            LetGoOfHeroine(kHoldLine);
            PlayEra02Sound(10);
            ItemCounts[3] += 3;
            End.step = 14;
            Restart(End.stamp);
            Round3Scene.endFlag = 0;
        }
    }
}

// Steps 14 to 17: the arena put back, the platform down and the gauge full.
void StepEndReset() {
    TournamentGaugeRecord& g = TournamentGauge;
    if (End.step == 14) {
        if (MoreThanElapsed(End.stamp, GameNow(), 1.0)) {
            End.step = 15;
            PlayEra02Sound(108);
        }
    }
    if (End.step == 15) {
        const double t = GameNow() - End.stamp;
        g.value = 98 - RateMove(47.31861198738171, t);
        if (g.value < -50) {
            g.value = -50;
            End.step = 16;
        }
    }
    if (End.step == 16) {
        if (MoreThanElapsed(End.stamp, GameNow(), 1.0)) {
            End.step = 17;
            g.shown = 1;
            PlayEra02Sound(108);
            g.value = 0;
            Restart(End.stamp);
            PlayEra02Sound(110);
        }
    }
    if (End.step == 17) {
        const double t = GameNow() - End.stamp;
        TournamentBanner = 2;
        std::int32_t& h = TournamentState.platformHeight;
        h = 209 - RateMove(kPlatformRisePerSecond, t);
        if (h <= 0) h = 0;
        g.value = RateMove(35.35714285714286, t);
        if (g.value >= 98) g.value = 98;
        if (h == 0 && g.value == 98) {
            End.step = kStepDone;
            if (TextureReady(kTextureD047)) {
                ReleaseTexture(kTextureD047);
                ReleaseTexture(kTextureD039);
            }
        }
    }
}

}  // namespace

std::int32_t RunRound3Talk(std::int32_t kind) {
    if (kind == 0) {
        Talk.step = 0;
        Opp.y = Floor();
        return Talk.step;
    }
    if (Talk.step == 0) {
        Talk.step = 1;
        TakeHoldOfHeroine(kHoldKeys | kHoldLine);
        NoteHoldLine(Msg());
        EnterConfirmState = kLineWaiting;
        PlayEra02Sound(6);
        if (kind == 1) PlayerState.x -= 40;
    }
    const bool right = HeroineRightOf();
    PlayerState.facing = right ? -1 : 1;
    const std::int32_t facingFrame = right ? 27 : 24;
    const TalkRow* row = FindTalkRow(kind, Talk.step);
    if (row == nullptr) return Talk.step;
    Msg() = row->message;
    PlayerState.pose = row->pose;
    Opp.frame = row->frame == 0 ? facingFrame : row->frame;
    if (LineRead()) {
        if (kind == 2 && Talk.step == 3) PlayerState.x -= 40;
        if (FindTalkRow(kind, Talk.step + 1) == nullptr) {
            Talk.step = kStepDone;
            Opp.frame = 37;
            CloseLine(Msg());
            LetGoOfHeroine(kHoldKeys);
        } else {
            ++Talk.step;
            EnterConfirmState = kLineWaiting;
            PlayEra02Sound(6);
        }
    }
    return Talk.step;
}

std::int32_t RunRound3End(std::int32_t mode) {
    StampAheadToZero(End.stamp, GameNow());
    if (mode == 0) {
        End.step = 0;
        Opp.y = Floor();
        return End.step;
    }
    // A step entered in one phase runs on in the next in the same call.
    StepEndFarewell();
    StepEndSinking();
    StepEndPrize();
    StepEndReset();
    return End.step;
}
