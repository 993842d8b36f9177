// Round 1 after the knockout: she spins down and lies still while the crowd
// falls silent, then gets up, chases the heroine, leaps and grabs her. D
// presses break the grab; a struggle won below -2000 HP ends in the final
// throw and the prize, a squeeze that drains the heroine ends the game.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
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

constexpr std::int32_t O = Era02Anchor1;
TournamentOpponentRecord& Opp = Round1Opponent;
std::int32_t& Msg() { return DialogueChannels.fieldLine; }

std::int32_t D() {
    const std::int32_t d = PlayerState.x - Opp.x;
    return d < 0 ? -d : d;
}
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }

struct KnockoutState {
    std::int32_t step = 0;
    double stamp = 0;
    std::int32_t heldScroll = 0;
};
KnockoutState K;

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
    std::int32_t leapDistance = 0, baseX = 0, baseY = 0, F = 1;
    bool leapHit = false;
    bool talking = false;
    bool dialogueArmed = false;
    bool struggling = false;
    bool prizeFrameB = false;
};
EndState E;

struct MashState {
    std::int32_t step = 0;
    double stamp = 0;
};
MashState GrabM, SqueezeM;

struct ShuffleState {
    double stamp = 0;
};
ShuffleState Sh;
double DrainStamp = 0;

double Te() { return SinceStamp(E.stamp); }
void Go(std::int32_t step) {
    E.step = step;
    E.stamp = GameNow();
}

void Grab() {
    PlayerState.facing = -E.F;
    Opp.x = PlayerState.x;
    Opp.y = Floor();
    Opp.frame = 26;
    RunRound1GrabMash(0);
    E.frameStamp = GameNow();
    E.struggleStamp = GameNow();
    E.talking = Era02RunWords.firstGrabDone == 0;
    E.dialogueArmed = false;
    E.struggling = !E.talking;
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
    const double t = Te();
    Opp.frame = E.leapHit ? 25 : 24;
    Opp.y = E.baseY - TruncToInt(423 * t - 713 * t * t);
    Opp.x = E.baseX + TruncToInt((E.leapDistance + 605) * E.F * t);
    const std::int32_t P = Opp.x + 100 * E.F;
    std::int32_t dp = P - PlayerState.x;
    if (dp < 0) dp = -dp;
    const std::int32_t py = PlayerState.y;
    std::int32_t hitGap = Opp.y - 80 - py + 35, grabGap = Opp.y - 80 - py + 100;
    if (hitGap < 0) hitGap = -hitGap;
    if (grabGap < 0) grabGap = -grabGap;
    if (!E.leapHit && dp < 30 && hitGap < 35) {
        E.leapHit = true;
        PlayEra02Sound(60);
        PlayerState.hp -= 40;
    }
    if (E.leapHit) {
        PlayerState.pose = 84;
        PlayerState.facing = -E.F;
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
    PlayerState.facing = E.F;
    MessageBoxOpen = 1;
    if (AtLeastElapsed(E.frameStamp, GameNow(), 0.1)) {
        E.frameStamp = GameNow();
        Opp.frame = Opp.frame == 26 ? 27 : 26;
        if (Opp.frame == 26) PlayEra02Sound(111);
        else if (E.struggling) DrainPlayerHpTick(1);
    }
    std::int32_t mash = 0;
    const bool struggled = E.struggling;
    if (E.talking) {
        // The first grab of the run: the heroine talks, then breaks free.
        if (AtLeastElapsed(E.stamp, GameNow(), 2.0)) {
            if (!E.dialogueArmed) {
                E.dialogueArmed = true;
                RunRound1Dialogue(0);
            }
            if (RunRound1Dialogue(2) == kStepDone) {
                E.talking = false;
                Era02RunWords.firstGrabDone = 1;
                E.struggleStamp = GameNow();
                E.struggling = true;
                mash = RunRound1GrabMash(2);
            }
        }
    } else {
        ShowDHint();
        mash = RunRound1GrabMash(1);
    }
    if (mash == kStepDone) {
        E.struggling = false;
        ClearDHint();
        E.baseX = Opp.x - 90 * E.F;
        E.baseY = Opp.y - 70;
        E.F = Opp.facing;
        if (TournamentState.opponentHp < -2000) {
            Go(30);
        } else {
            KeyDPressed = 1;
            Go(6);
        }
    }
    // Checked last: a squeeze overrides a throw made in the same step.
    if (struggled && (AtLeastElapsed(E.struggleStamp, GameNow(), 3.05) || PlayerState.hp <= 150)) {
        E.struggling = false;
        Go(16);
    }
}

void Squeeze() {
    if (E.step == 16) {
        PlayerState.pose = 0;
        Opp.frame = 31;
        Opp.facing = E.F;
        if (AtLeastElapsed(E.stamp, GameNow(), 0.05)) Go(17);
    }
    if (E.step == 17) {
        Opp.frame = 33;
        if (AtLeastElapsed(E.stamp, GameNow(), 1.05)) {
            RunRound1SqueezeMash(0);
            Go(18);
        }
    }
    if (E.step == 18) {
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
    if (E.step == 19) {
        Opp.frame = 32;
        if (PlayerState.hp > 3) {
            DrainPlayerHpTick(3);
            PlayEra02Sound(111);
        }
        if (AtLeastElapsed(E.stamp, GameNow(), 1.05) && PlayerState.hp <= 3) {
            PlayerState.hp = 3;
            Go(20);
        }
    }
    if (E.step == 20) {
        Opp.frame = 33;
        if (AtLeastElapsed(E.stamp, GameNow(), 1.05)) {
            RunCrowdCheer(0);
            Go(21);
        }
    }
    if (E.step == 21) {
        PlayerState.pose = 32;
        TickRound1OpponentIdle(1);
        if (AtLeastElapsed(E.stamp, GameNow(), 1.05)) {
            RunCrowdCheer(0);
            Go(22);
        }
    }
    if (E.step == 22) {
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
    if (E.step == 30) {
        const double t = Te();
        MessageBoxOpen = 0;
        Opp.frame = t >= 1.0 ? 35 : 30;
        Opp.y = E.baseY - TruncToInt(2320 * t - 2200 * t * t);
        Opp.x = E.baseX - TruncToInt(100 * E.F * t);
        if (t > 0 && Floor() <= Opp.y) {
            Opp.y = Floor();
            PlayEra02Sound(92);
            E.baseY = Opp.y - 1;
            Go(31);
        }
    }
    if (E.step == 31) {
        const double t = Te();
        Opp.frame = t >= 1.0 ? 35 : 36;
        Opp.y = E.baseY - TruncToInt(232 * t - 2200 * t * t);
        if (t > 0 && Floor() <= Opp.y) {
            Opp.y = Floor();
            Go(32);
        }
    }
    if (E.step == 32) {
        const double t = Te();
        Opp.frame = 36;
        if (t >= 0.03 && t <= 3.0) {
            Opp.frame = 35;
            PlayEra02Sound(111);
        }
        if (t >= 8.05) {
            RunCrowdCheer(0);
            E.baseY = Floor();
            RunRound1Dialogue(0);
            Go(33);
        }
    }
    if (E.step == 33) {
        EnterConfirmState = 1;
        EventHoldsPlayer = 1;
        PlayEra02Sound(6);
        Go(34);
    }
    if (E.step == 34) {
        Msg() = 68;
        if (EnterConfirmState == 2) {
            EnterConfirmState = 0;
            PlayEra02Sound(108);
            E.baseY = Opp.y;
            RunCrowdCheer(2);
            PlayerState.exp += 500;
            Go(35);
        }
    }
    if (E.step == 35) {
        Opp.frame = 36;
        if (Opp.y < E.baseY + 30) Opp.y = E.baseY + RateMove(9.779179810725552, Te());
        const bool cheered = RunCrowdCheer(1) == kStepDone;
        if (cheered && Opp.y >= E.baseY + 30) {
            Opp.frame = 0;
            EnterConfirmState = 1;
            PlayEra02Sound(6);
            Go(36);
        }
    }
}

void Prize() {
    TournamentGaugeRecord& g = TournamentGauge;
    if (E.step == 36) {
        Msg() = 69;
        MessageBoxOpen = 1;
        KeyLeftPressed = KeyRightPressed = 0;
        constexpr std::int32_t view = O + 948;
        if (ScrollX < view) ScrollX += 1;
        else if (ScrollX > view) ScrollX -= 1;
        const std::int32_t px = PlayerState.x;
        if (px - 300 < view) {
            KeyRightPressed = 1;
            PlayerState.facing = 1;
        }
        if (px + 300 > O + 1972) {
            KeyLeftPressed = 1;
            PlayerState.facing = -1;
        }
        if (ScrollX == view && px >= O + 1248 && px <= O + 1672) {
            PlayEra02Sound(108);
            Go(38);
        }
    }
    if (E.step == 38 || E.step == 39) {
        Opp.x = O + 1460;
        if (AtLeastElapsed(E.frameStamp, GameNow(), 0.1)) {
            E.frameStamp = GameNow();
            E.prizeFrameB = !E.prizeFrameB;
        }
        Opp.frame = E.prizeFrameB ? 38 : 37;
    }
    if (E.step == 38) {
        ScrollX = O + 948;
        g.shown = 0;
        g.value = RateMove(53.57142857142858, Te()) - 50;
        if (g.value >= 98) {
            g.value = 98;
            Go(39);
        }
        Opp.y = 655 - g.value;
    }
    if (E.step == 39) {
        Opp.y = 655 - g.value;
        MessageBoxOpen = 0;
        CameraMode = 1;
        if (D() < 40 && KeyAPressed == 1) {
            KeyAPressed = 0;
            Msg() = 0;
            EventHoldsPlayer = 0;
            PlayEra02Sound(10);
            ItemCounts[0] += 24;
            Go(40);
        }
    }
    if (E.step == 40 && AtLeastElapsed(E.stamp, GameNow(), 1.0)) {
        PlayEra02Sound(108);
        E.step = 41;   // the pickup's stamp stays in use
    }
    if (E.step == 41) {
        Opp.frame = 0;
        g.value = 98 - RateMove(47.31861198738171, Te());
        if (g.value < -50) {
            g.value = -50;
            E.step = 42;
        }
    }
    if (E.step == 42 && MoreThanElapsed(E.stamp, GameNow(), 1.0)) {
        g.shown = 1;
        PlayEra02Sound(108);
        g.value = 0;
        PlayEra02Sound(110);
        Go(43);
    }
    if (E.step == 43) {
        TournamentBanner = 2;
        const bool levelWasUp = g.value >= 98;
        std::int32_t& h = TournamentState.platformHeight;
        const double t = Te();
        h = 209 - RateMove(kPlatformRisePerSecond, t);
        if (h < 1) h = 0;
        if (g.value < 98) g.value = RateMove(35.35714285714286, t);
        if (g.value >= 98) g.value = 98;
        if ((levelWasUp && h <= 1) || (h == 0 && g.value == 98)) {
            h = 0;
            E.step = kStepDone;
            ClearDHint();
        }
    }
}

}  // namespace

std::int32_t RunRound1Knockout(std::int32_t mode) {
    StampAheadToZero(K.stamp, GameNow());
    if (mode == 0) {
        K.step = 0;
        return K.step;
    }
    if (K.step >= 1 && K.step <= 7) ScrollX = K.heldScroll;
    if (K.step == 0 && RunRound1OpponentHitReaction(1, kKnockout) == kStepDone) {
        FieldMusicFlag = 0;
        StopSound(4);
        PlayEra02Sound(92);
        MessageBoxOpen = 1;
        K.heldScroll = ScrollX;
        K.step = 1;
        K.stamp = GameNow();
    }
    if (K.step == 1) {
        Opp.frame = 17;
        const std::int32_t left = Opp.x - ScrollX, right = ScrollX + 1024 - Opp.x;
        if (left < 100) K.heldScroll -= 1;
        else if (right < 100) K.heldScroll += 1;
        ScrollX = K.heldScroll;
        if (left >= 100 && right >= 100) {
            K.step = 2;
            K.stamp = GameNow();
        }
    }
    if (K.step >= 2 && K.step <= 9) {
        const LieRow& row = kLie[K.step];
        Opp.frame = row.frame;
        if (K.step == 8 && AtLeastElapsed(K.stamp, GameNow(), 0.3) && Era02Crowd.frameIndex != 0) {
            // The crowd sits down.
            PlayEra02Sound(69);
            Era02Crowd.frameIndex = 0;
            for (std::int32_t& f : Era02Crowd.figureFrame) f = 0;
        }
        if (AtLeastElapsed(K.stamp, GameNow(), row.wait)) {
            if (K.step == 9) {
                FieldMusicFlag = 1;
                PlayEra02Sound(4);
                MessageBoxOpen = 0;
                TournamentState.opponentHp = -600;
                K.step = kStepDone;
            } else {
                PlayEra02Sound(111);
                K.step += 1;
                K.stamp = GameNow();
            }
        }
    }
    return K.step;
}

std::int32_t RunRound1End(std::int32_t mode) {
    StampAheadToZero(E.stamp, GameNow());
    StampAheadToZero(E.struggleStamp, GameNow());
    StampAheadToZero(E.frameStamp, GameNow());
    if (mode == 0) {
        E = EndState{};
        return E.step;
    }
    if (E.step == 0) {
        Opp.frame = 22;
        CameraMode = 1;
        Go(1);
    }
    if (E.step == 1 && AtLeastElapsed(E.stamp, GameNow(), 1.0)) Go(2);
    if (E.step == 2) {
        StepRound1OpponentShuffle(Opp.facing, 0.05);
        if (D() < 300) {
            E.leapDistance = D();
            E.baseX = Opp.x;
            E.baseY = Opp.y;
            E.F = Opp.facing;
            E.leapHit = false;
            PlayEra02Sound(14);
            Go(3);
        }
    }
    if (E.step == 3) Leap();
    if (E.step == 4) {
        StepRound1OpponentShuffle(E.F, 0.03);
        if (D() >= 501 || Opp.x <= O + 200 || Opp.x >= O + 2750) {
            Opp.frame = 22;
            Go(2);
        }
    }
    if (E.step == 5) GrabStep();
    if (E.step == 6) {
        const double t = Te();
        Opp.frame = 30;
        MessageBoxOpen = 0;
        Opp.y = E.baseY - TruncToInt(2320 * t - 2200 * t * t);
        Opp.x = E.baseX - TruncToInt(500 * E.F * t);
        if (t > 0 && Floor() <= Opp.y) {
            Opp.y = Floor();
            Go(0);
        }
    }
    if (E.step >= 16 && E.step <= 18) Squeeze();
    if (E.step >= 19 && E.step <= 23) Loss();
    if (E.step >= 30 && E.step <= 35) FinalThrow();
    if (E.step >= 36 && E.step <= 43) Prize();
    if (Opp.x < O + 200) Opp.x = O + 200;
    if (Opp.x > O + 2750) Opp.x = O + 2750;
    return E.step;
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
    StampAheadToZero(Sh.stamp, GameNow());
    Opp.y = Floor();
    if (MoreThanElapsed(Sh.stamp, GameNow(), period)) {
        Sh.stamp = GameNow();
        Opp.frame = Opp.frame != 22 ? 22 : 23;
        Opp.x += 10 * direction;
        PlayEra02Sound(111);
    }
}

void DrainPlayerHpTick(std::int32_t n) {
    StampAheadToZero(DrainStamp, GameNow());
    if (AtLeastElapsed(DrainStamp, GameNow(), 0.03)) {
        DrainStamp = GameNow();
        PlayerState.hp -= n;
    }
}
