// Round 1 after the knockout: she spins down and lies still while the crowd
// falls silent, then gets up, chases the heroine, leaps and grabs her. D
// presses break the grab; a struggle won below -2000 HP ends in the final
// throw and the prize, a squeeze that drains the heroine ends the game.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "text/game_over.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

TournamentOpponentRecord& Opp = Round1Opponent;
std::int32_t& Msg() { return DialogueChannels.fieldLine; }

std::int32_t DistanceToHeroine() {
    const std::int32_t d = PlayerState.x - Opp.x;
    return d < 0 ? -d : d;
}
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }

struct KnockoutState {
    std::int32_t step = 0;
    double stamp = 0;
    std::int32_t heldScroll = 0;
};
KnockoutState Knockout;

// Steps 2..8 of the lie: frame and wait; leaving each plays sound 111.
struct LieRow {
    std::int32_t frame;
    double wait;
};
constexpr LieRow kLie[10] = {{0, 0},    {17, 0},   {17, 5.0}, {16, 0.5}, {17, 0.1},
                             {18, 0.5}, {19, 0.5}, {20, 3.5}, {21, 1.0}, {22, 0.5}};

struct EndState {
    std::int32_t step = 0;
    double stamp = 0;        // the step's stamp
    double struggleStamp = 0;
    double frameStamp = 0;
    std::int32_t leapDistance = 0, baseX = 0, baseY = 0, direction = 1;
    bool leapHit = false;
    bool talking = false;
    bool dialogueArmed = false;
    bool struggling = false;
    bool prizeFrameB = false;
};
EndState End;

struct MashState {
    std::int32_t step = 0;
    double stamp = 0;
};
MashState GrabM, SqueezeM;

struct ShuffleState {
    double stamp = 0;
};
ShuffleState Shuffle;
double DrainStamp = 0;

}  // namespace

void ResetRound1EndWords() {
    Knockout = KnockoutState{};
    End = EndState{};
    GrabM = SqueezeM = MashState{};
    Shuffle = ShuffleState{};
    DrainStamp = 0;
}

namespace {

double SinceEndStamp() { return SinceStamp(End.stamp); }
void Go(std::int32_t step) {
    End.step = step;
    End.stamp = GameNow();
}

void Grab() {
    PlayerState.facing = -End.direction;
    Opp.x = PlayerState.x;
    Opp.y = Floor();
    Opp.frame = 26;
    RunRound1GrabMash(0);
    End.frameStamp = GameNow();
    End.struggleStamp = GameNow();
    End.talking = Era02RunWords.firstGrabDone == 0;
    End.dialogueArmed = false;
    End.struggling = !End.talking;
    Go(5);
}

// The narrator's D hint stands while a mash takes D presses (it lets D
// through the message-box lock); it goes when the heroine is free or lost.
constexpr std::int32_t kDHintLine = 78;
void ShowDHint() { DialogueChannels.storyLine = kDHintLine; }
void ClearDHint() {
    if (DialogueChannels.storyLine == kDHintLine) DialogueChannels.storyLine = 0;
}

void Leap() {
    const double t = SinceEndStamp();
    Opp.frame = End.leapHit ? 25 : 24;
    Opp.y = End.baseY - TruncToInt(423 * t - 713 * t * t);
    Opp.x = End.baseX + TruncToInt((End.leapDistance + 605) * End.direction * t);
    const std::int32_t P = Opp.x + 100 * End.direction;
    std::int32_t dp = P - PlayerState.x;
    if (dp < 0) dp = -dp;
    const std::int32_t py = PlayerState.y;
    std::int32_t hitGap = Opp.y - 80 - py + 35, grabGap = Opp.y - 80 - py + 100;
    if (hitGap < 0) hitGap = -hitGap;
    if (grabGap < 0) grabGap = -grabGap;
    if (!End.leapHit && dp < 30 && hitGap < 35) {
        End.leapHit = true;
        PlayEra02Sound(60);
        LowerHeroineHp(40);
    }
    if (End.leapHit) {
        PlayerState.pose = 84;
        PlayerState.facing = -End.direction;
        Opp.frame = 25;
    }
    if (dp < 30 && grabGap < 40) {
        Grab();
        return;
    }
    if (t > 0 && Floor() <= Opp.y) {
        Opp.y = Floor();
        Go(4);
    }
}

void GrabStep() {
    PlayerState.pose = 0;
    PlayerState.facing = End.direction;
    TakeHoldOfHeroine();
    if (AtLeastElapsed(End.frameStamp, GameNow(), 0.1)) {
        End.frameStamp = GameNow();
        Opp.frame = Opp.frame == 26 ? 27 : 26;
        if (Opp.frame == 26) PlayEra02Sound(111);
        else if (End.struggling) DrainPlayerHpTick(1);
    }
    std::int32_t mash = 0;
    const bool struggled = End.struggling;
    if (End.talking) {
        // The first grab of the run: the heroine talks, then breaks free.
        if (AtLeastElapsed(End.stamp, GameNow(), 2.0)) {
            if (!End.dialogueArmed) {
                End.dialogueArmed = true;
                RunRound1Dialogue(0);
            }
            if (RunRound1Dialogue(2) == kStepDone) {
                End.talking = false;
                Era02RunWords.firstGrabDone = 1;
                End.struggleStamp = GameNow();
                End.struggling = true;
                mash = RunRound1GrabMash(2);
            }
        }
    } else {
        ShowDHint();
        mash = RunRound1GrabMash(1);
    }
    if (mash == kStepDone) {
        End.struggling = false;
        ClearDHint();
        End.baseX = Opp.x - 90 * End.direction;
        End.baseY = Opp.y - 70;
        End.direction = Opp.facing;
        if (TournamentState.opponentHp < -2000) {
            Go(30);
        } else {
            KeyDPressed = 1;
            Go(6);
        }
    }
    // Checked last: a squeeze overrides a throw made in the same step.
    if (struggled && (AtLeastElapsed(End.struggleStamp, GameNow(), 3.05) || PlayerState.hp <= 150)) {
        End.struggling = false;
        Go(16);
    }
}

void Squeeze() {
    if (End.step == 16) {
        PlayerState.pose = 0;
        Opp.frame = 31;
        Opp.facing = End.direction;
        if (AtLeastElapsed(End.stamp, GameNow(), 0.05)) Go(17);
    }
    if (End.step == 17) {
        Opp.frame = 33;
        if (AtLeastElapsed(End.stamp, GameNow(), 1.05)) {
            RunRound1SqueezeMash(0);
            Go(18);
        }
    }
    if (End.step == 18) {
        Opp.frame = 33;
        if (PlayerState.hp < 101) {
            PlayerState.hp = 100;
            ClearDHint();
            Go(19);
            return;
        }
        DrainPlayerHpTick(3);
        PlayEra02Sound(111);
        ShowDHint();
        if (RunRound1SqueezeMash(1) == kStepDone) Grab();
    }
}

void Loss() {
    if (End.step == 19) {
        Opp.frame = 32;
        if (PlayerState.hp > 3) {
            DrainPlayerHpTick(3);
            PlayEra02Sound(111);
        }
        if (AtLeastElapsed(End.stamp, GameNow(), 1.05) && PlayerState.hp <= 3) {
            PlayerState.hp = 3;
            Go(20);
        }
    }
    if (End.step == 20) {
        Opp.frame = 33;
        if (AtLeastElapsed(End.stamp, GameNow(), 1.05)) {
            RunCrowdCheer(0);
            Go(21);
        }
    }
    if (End.step == 21) {
        PlayerState.pose = 32;
        TickRound1OpponentIdle(1);
        if (AtLeastElapsed(End.stamp, GameNow(), 1.05)) {
            RunCrowdCheer(0);
            Go(22);
        }
    }
    if (End.step == 22) {
        PlayerState.pose = 32;
        TickRound1OpponentIdle(1);
        if (RunCrowdCheer(1) == kStepDone) {
            PlayerState.hp = 0;
            RunGameOver(-1);
            Go(23);
        }
    }
}

void FinalThrow() {
    if (End.step == 30) {
        const double t = SinceEndStamp();
        LetGoOfHeroine(kHoldKeys);
        Opp.frame = t >= 1.0 ? 35 : 30;
        Opp.y = End.baseY - TruncToInt(2320 * t - 2200 * t * t);
        Opp.x = End.baseX - TruncToInt(100 * End.direction * t);
        if (t > 0 && Floor() <= Opp.y) {
            Opp.y = Floor();
            PlayEra02Sound(92);
            End.baseY = Opp.y - 1;
            Go(31);
        }
    }
    if (End.step == 31) {
        const double t = SinceEndStamp();
        Opp.frame = t >= 1.0 ? 35 : 36;
        Opp.y = End.baseY - TruncToInt(232 * t - 2200 * t * t);
        if (t > 0 && Floor() <= Opp.y) {
            Opp.y = Floor();
            Go(32);
        }
    }
    if (End.step == 32) {
        const double t = SinceEndStamp();
        Opp.frame = 36;
        if (t >= 0.03 && t <= 3.0) {
            Opp.frame = 35;
            PlayEra02Sound(111);
        }
        if (t >= 8.05) {
            RunCrowdCheer(0);
            End.baseY = Floor();
            RunRound1Dialogue(0);
            Go(33);
        }
    }
    if (End.step == 33) {
        EnterConfirmState = 1;
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(Msg());
        PlayEra02Sound(6);
        Go(34);
    }
    if (End.step == 34) {
        Msg() = 68;
        if (EnterConfirmState == 2) {
            EnterConfirmState = 0;
            PlayEra02Sound(108);
            End.baseY = Opp.y;
            RunCrowdCheer(2);
            PlayerState.exp += 500;
            Go(35);
        }
    }
    if (End.step == 35) {
        Opp.frame = 36;
        if (Opp.y < End.baseY + 30) Opp.y = End.baseY + RateMove(9.779179810725552, SinceEndStamp());
        const bool cheered = RunCrowdCheer(1) == kStepDone;
        if (cheered && Opp.y >= End.baseY + 30) {
            Opp.frame = 0;
            EnterConfirmState = 1;
            PlayEra02Sound(6);
            Go(36);
        }
    }
}

void Prize() {
    TournamentGaugeRecord& g = TournamentGauge;
    if (End.step == 36) {
        Msg() = 69;
        TakeHoldOfHeroine();
        KeyLeftPressed = KeyRightPressed = 0;
        constexpr std::int32_t view = Era02Anchor1 + 948;
        if (ScrollX < view) ScrollX += 1;
        else if (ScrollX > view) ScrollX -= 1;
        const std::int32_t px = PlayerState.x;
        if (px - 300 < view) {
            KeyRightPressed = 1;
            PlayerState.facing = 1;
        }
        if (px + 300 > Era02Anchor1 + 1972) {
            KeyLeftPressed = 1;
            PlayerState.facing = -1;
        }
        if (ScrollX == view && px >= Era02Anchor1 + 1248 && px <= Era02Anchor1 + 1672) {
            PlayEra02Sound(108);
            Go(38);
        }
    }
    if (End.step == 38 || End.step == 39) {
        Opp.x = Era02Anchor1 + 1460;
        if (AtLeastElapsed(End.frameStamp, GameNow(), 0.1)) {
            End.frameStamp = GameNow();
            End.prizeFrameB = !End.prizeFrameB;
        }
        Opp.frame = End.prizeFrameB ? 38 : 37;
    }
    if (End.step == 38) {
        ScrollX = Era02Anchor1 + 948;
        g.shown = 0;
        g.value = RateMove(53.57142857142858, SinceEndStamp()) - 50;
        if (g.value >= 98) {
            g.value = 98;
            Go(39);
        }
        Opp.y = 655 - g.value;
    }
    if (End.step == 39) {
        Opp.y = 655 - g.value;
        LetGoOfHeroine(kHoldKeys);
        CameraMode = 1;
        if (DistanceToHeroine() < 40 && KeyAPressed == 1) {
            KeyAPressed = 0;
            Msg() = 0;
            LetGoOfHeroine(kHoldLine);
            PlayEra02Sound(10);
            ItemCounts[0] += 24;
            Go(40);
        }
    }
    if (End.step == 40 && AtLeastElapsed(End.stamp, GameNow(), 1.0)) {
        PlayEra02Sound(108);
        End.step = 41;   // the pickup's stamp stays in use
    }
    if (End.step == 41) {
        Opp.frame = 0;
        g.value = 98 - RateMove(47.31861198738171, SinceEndStamp());
        if (g.value < -50) {
            g.value = -50;
            End.step = 42;
        }
    }
    if (End.step == 42 && MoreThanElapsed(End.stamp, GameNow(), 1.0)) {
        g.shown = 1;
        PlayEra02Sound(108);
        g.value = 0;
        PlayEra02Sound(110);
        Go(43);
    }
    if (End.step == 43) {
        TournamentBanner = 2;
        const bool levelWasUp = g.value >= 98;
        std::int32_t& h = TournamentState.platformHeight;
        const double t = SinceEndStamp();
        h = 209 - RateMove(kPlatformRisePerSecond, t);
        if (h < 1) h = 0;
        if (g.value < 98) g.value = RateMove(35.35714285714286, t);
        if (g.value >= 98) g.value = 98;
        if ((levelWasUp && h <= 1) || (h == 0 && g.value == 98)) {
            h = 0;
            End.step = kStepDone;
            ClearDHint();
        }
    }
}

}  // namespace

std::int32_t RunRound1Knockout(std::int32_t mode) {
    StampAheadToZero(Knockout.stamp, GameNow());
    if (mode == 0) {
        Knockout.step = 0;
        return Knockout.step;
    }
    if (Knockout.step >= 1 && Knockout.step <= 7) ScrollX = Knockout.heldScroll;
    if (Knockout.step == 0 && RunRound1OpponentHitReaction(1, kKnockout) == kStepDone) {
        FieldMusicFlag = 0;
        StopSound(4);
        PlayEra02Sound(92);
        TakeHoldOfHeroine();
        Knockout.heldScroll = ScrollX;
        Knockout.step = 1;
        Knockout.stamp = GameNow();
    }
    if (Knockout.step == 1) {
        Opp.frame = 17;
        const std::int32_t left = Opp.x - ScrollX, right = ScrollX + 1024 - Opp.x;
        if (left < 100) Knockout.heldScroll -= 1;
        else if (right < 100) Knockout.heldScroll += 1;
        ScrollX = Knockout.heldScroll;
        if (left >= 100 && right >= 100) {
            Knockout.step = 2;
            Knockout.stamp = GameNow();
        }
    }
    if (Knockout.step >= 2 && Knockout.step <= 9) {
        const LieRow& row = kLie[Knockout.step];
        Opp.frame = row.frame;
        if (Knockout.step == 8 && AtLeastElapsed(Knockout.stamp, GameNow(), 0.3) && Era02Crowd.frameIndex != 0) {
            // The crowd sits down.
            PlayEra02Sound(69);
            Era02Crowd.frameIndex = 0;
            for (std::int32_t& f : Era02Crowd.figureFrame) f = 0;
        }
        if (AtLeastElapsed(Knockout.stamp, GameNow(), row.wait)) {
            if (Knockout.step == 9) {
                FieldMusicFlag = 1;
                PlayEra02Sound(4);
                LetGoOfHeroine(kHoldKeys);
                TournamentState.opponentHp = -600;
                Knockout.step = kStepDone;
            } else {
                PlayEra02Sound(111);
                Knockout.step += 1;
                Knockout.stamp = GameNow();
            }
        }
    }
    return Knockout.step;
}

std::int32_t RunRound1End(std::int32_t mode) {
    StampAheadToZero(End.stamp, GameNow());
    StampAheadToZero(End.struggleStamp, GameNow());
    StampAheadToZero(End.frameStamp, GameNow());
    if (mode == 0) {
        End = EndState{};
        return End.step;
    }
    if (End.step == 0) {
        Opp.frame = 22;
        CameraMode = 1;
        Go(1);
    }
    if (End.step == 1 && AtLeastElapsed(End.stamp, GameNow(), 1.0)) Go(2);
    if (End.step == 2) {
        StepRound1OpponentShuffle(Opp.facing, 0.05);
        if (DistanceToHeroine() < 300) {
            End.leapDistance = DistanceToHeroine();
            End.baseX = Opp.x;
            End.baseY = Opp.y;
            End.direction = Opp.facing;
            End.leapHit = false;
            PlayEra02Sound(14);
            Go(3);
        }
    }
    if (End.step == 3) Leap();
    if (End.step == 4) {
        StepRound1OpponentShuffle(End.direction, 0.03);
        if (DistanceToHeroine() >= 501 || Opp.x <= Era02Anchor1 + 200 || Opp.x >= Era02Anchor1 + 2750) {
            Opp.frame = 22;
            Go(2);
        }
    }
    if (End.step == 5) GrabStep();
    if (End.step == 6) {
        const double t = SinceEndStamp();
        Opp.frame = 30;
        LetGoOfHeroine(kHoldKeys);
        Opp.y = End.baseY - TruncToInt(2320 * t - 2200 * t * t);
        Opp.x = End.baseX - TruncToInt(500 * End.direction * t);
        if (t > 0 && Floor() <= Opp.y) {
            Opp.y = Floor();
            Go(0);
        }
    }
    if (End.step >= 16 && End.step <= 18) Squeeze();
    if (End.step >= 19 && End.step <= 23) Loss();
    if (End.step >= 30 && End.step <= 35) FinalThrow();
    if (End.step >= 36 && End.step <= 43) Prize();
    if (Opp.x < Era02Anchor1 + 200) Opp.x = Era02Anchor1 + 200;
    if (Opp.x > Era02Anchor1 + 2750) Opp.x = Era02Anchor1 + 2750;
    return End.step;
}

namespace {
// One mash: `blow` then `rest` frames for their times after a counted press.
std::int32_t StepMash(MashState& m, std::int32_t mode, std::int32_t blowFrame, double blowTime,
                      std::int32_t restFrame, double restTime) {
    StampAheadToZero(m.stamp, GameNow());
    if (mode == 0) {
        m.step = 0;
        return m.step;
    }
    if (mode == 2) {
        PlayEra02Sound(36);
        PlayerState.exp += 40;
        TournamentState.opponentHp -= 40;
        m.step = kStepDone;
        return m.step;
    }
    PlayerState.pose = 0;
    if (m.step == 0 && KeyDPressed == 1) {
        KeyDPressed = 0;
        if (Random0To99() > 10) {
            PlayEra02Sound(7);
            PlayerState.exp += 10;
            TournamentState.opponentHp -= 10;
            m.step = 1;
            m.stamp = GameNow();
        } else {
            PlayEra02Sound(36);
            PlayerState.exp += 40;
            TournamentState.opponentHp -= 40;
            m.step = kStepDone;
        }
    }
    if (m.step == 1) {
        Opp.frame = blowFrame;
        if (AtLeastElapsed(m.stamp, GameNow(), blowTime)) {
            m.step = 2;
            m.stamp = GameNow();
        }
    }
    if (m.step == 2) {
        Opp.frame = restFrame;
        if (AtLeastElapsed(m.stamp, GameNow(), restTime)) m.step = 0;
    }
    return m.step;
}
}  // namespace

std::int32_t RunRound1GrabMash(std::int32_t mode) { return StepMash(GrabM, mode, 28, 0.06, 26, 0.2); }
std::int32_t RunRound1SqueezeMash(std::int32_t mode) { return StepMash(SqueezeM, mode, 32, 0.06, 33, 0.1); }

void StepRound1OpponentShuffle(std::int32_t direction, double period) {
    StampAheadToZero(Shuffle.stamp, GameNow());
    Opp.y = Floor();
    if (MoreThanElapsed(Shuffle.stamp, GameNow(), period)) {
        Shuffle.stamp = GameNow();
        Opp.frame = Opp.frame != 22 ? 22 : 23;
        Opp.x += 10 * direction;
        PlayEra02Sound(111);
    }
}

void DrainPlayerHpTick(std::int32_t n) {
    StampAheadToZero(DrainStamp, GameNow());
    if (AtLeastElapsed(DrainStamp, GameNow(), 0.03)) {
        DrainStamp = GameNow();
        LowerHeroineHp(n);
    }
}
