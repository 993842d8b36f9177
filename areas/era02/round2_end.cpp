// Round 2 after the fight: the teacher crawls, folds up when the heroine
// comes near, leaps off the walls and hops over a heroine who runs at her.
// Three contacts in the low hop open the finale: the lesson, the new F and
// G moves, her last dive met by both, the cheer, the prize, the arena reset.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = Era02Anchor1;
constexpr std::int32_t kTextureD004 = 4;
constexpr std::int32_t kTextureD046 = 46;
TournamentOpponentRecord& Opp = Round2Opponent;
std::int32_t& Msg() { return DialogueChannels.sideLine; }
std::int32_t D() { return std::abs(PlayerState.x - Opp.x); }
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }
bool InsideScreen(std::int32_t margin) {
    return Opp.x - ScrollX > margin && ScrollX + 1024 - Opp.x > margin;
}
void StopWings() {
    StopSound(67);
    RewindSound(67);
}

struct Step {
    std::int32_t step = 0;
    double stamp = 0;
    void Go(std::int32_t next) {
        step = next;
        stamp = GameNow();
    }
    double T() { return SinceStamp(stamp); }
    bool After(double s) { return T() >= s; }
};

struct EndDispatch {
    std::int32_t state = 1;
};
EndDispatch Ed;
Step Roam, WallLeap, Hop, Fold, Unfold, Finale;

struct CrawlState {
    bool running = false;
    double stamp = 0;
};
CrawlState Cr;

struct LeapArgs {
    std::int32_t dir = 1, target = 0, baseX = 0, baseY = 0;
};
LeapArgs WL;

struct HopArgs {
    std::int32_t F0 = 1, r = 0, baseY = 0;
    bool contact = false;
    double poseStamp = 0;
    std::int32_t pose = 0;
};
HopArgs HA;

// A fold or unfold: its poses with their waits and the distance moved back
// on leaving each; the first pose is skipped when it already shows.
struct FoldPose {
    std::int32_t frame;
    double wait;
    std::int32_t move;
};
constexpr FoldPose kFold[4] = {{14, 0.23, 58}, {15, 0.215, 8}, {16, 0.215, 28}, {17, 0.23, 0}};
constexpr FoldPose kUnfold[4] = {{17, 0.23, 52}, {16, 0.215, 18}, {15, 0.215, 34}, {14, 0.23, 0}};
constexpr std::int32_t kFoldSkipMove = 52, kUnfoldSkipMove = 58;

void MoveBack(std::int32_t px) {
    Opp.x -= Opp.facing * px;
    Opp.y = Floor();
}

std::int32_t StepFolding(Step& s, std::int32_t mode, const FoldPose (&poses)[4], std::int32_t skipMove) {
    if (mode == 0) {
        s.Go(0);
        return s.step;
    }
    if (s.step == 0) {
        if (Opp.frame == poses[0].frame) {
            MoveBack(skipMove);
            s.Go(2);
        } else {
            s.Go(1);
        }
    }
    // Near the heroine every wait passes at once.
    if (D() < 120) s.stamp = GameNow() - 1.0;
    if (s.step >= 1 && s.step <= 4) {
        const FoldPose& p = poses[s.step - 1];
        Opp.frame = p.frame;
        if (s.After(p.wait)) {
            if (s.step == 4) {
                s.step = kStepDone;
            } else {
                MoveBack(p.move);
                s.Go(s.step + 1);
            }
        }
    }
    return s.step;
}

void LandLikeLeap(Step& s) {
    if (Floor() - Opp.y < 100) {
        PlayEra02Sound(18);
        Opp.frame = 12;
        Opp.angle = 0;
        Opp.y = Floor();
        s.step = kStepDone;
    }
}

// The heroine in the low hop's wake: pose 107, then 41..44 in turn.
void HeroineBuffeted() {
    if (!HA.contact) return;
    if (HA.pose == 107) {
        PlayerState.pose = 107;
        if (AtLeastElapsed(HA.poseStamp, GameNow(), 0.1)) {
            HA.pose = 41;
            HA.poseStamp = GameNow();
        }
        return;
    }
    if (AtLeastElapsed(HA.poseStamp, GameNow(), 0.04)) {
        HA.poseStamp = GameNow();
        HA.pose = HA.pose == 44 ? 41 : HA.pose + 1;
        if (HA.pose == 42) {
            PlayEra02Sound(48);
            PlayerState.hp -= 1;
        }
    }
    PlayerState.pose = HA.pose;
}

}  // namespace

void TickRound2CrawlFrames(std::int32_t mode) {
    StampAheadToZero(Cr.stamp, GameNow());
    if (mode == 0) {
        Cr.stamp = GameNow();
        return;
    }
    const double period = (mode == 1 && D() > 200) ? D() / 900.0 : GameClock.frameTime + 0.01;
    if (Opp.frame != 12 && Opp.frame != 13) Opp.frame = 12;
    if (AtLeastElapsed(Cr.stamp, GameNow(), period)) {
        Cr.stamp = GameNow();
        if (Opp.frame == 12) {
            Opp.frame = 13;
            PlayEra02Sound(67);
        } else {
            Opp.frame = 12;
            StopWings();
        }
    }
}

std::int32_t RunRound2End(std::int32_t mode) {
    if (mode == 0) {
        Ed.state = 1;
        RunRound2Roam(0);
        Opp.frame = 12;
        Opp.angle = 0;
        Opp.depth = 0.35f;
        return Ed.state;
    }
    if (Ed.state == 1) RunRound2Roam(1);
    if (Ed.state != 51) {
        bool leap = false;
        if (Opp.x < O + 350) {
            Opp.x = O + 350;
            leap = true;
        } else if (Opp.x > O + 2588) {
            Opp.x = O + 2588;
            leap = true;
        }
        if (leap) {
            RunRound2WallLeap(0);
            Ed.state = 51;
        }
    } else if (RunRound2WallLeap(1) == kStepDone) {
        RunRound2Roam(0);
        Ed.state = 1;
    }
    const std::int32_t px = PlayerState.x;
    if (Ed.state != 2 && Round2ContactCount >= 3 && Opp.frame == 12 && InsideScreen(100) && D() > 300 &&
        px >= O + 350 && px <= O + 2587) {
        RunRound2Finale(0);
        PlayerState.facing = Opp.x > px ? 1 : -1;
        Ed.state = 2;
    }
    if (Ed.state == 2 && RunRound2Finale(1) == kStepDone) Ed.state = kStepDone;
    return Ed.state;
}

std::int32_t RunRound2Roam(std::int32_t mode) {
    Step& s = Roam;
    if (mode == 0) {
        s.Go(1);
        Cr.running = false;
        TickRound2CrawlFrames(0);
        return s.step;
    }
    const std::int32_t feetAbove = FloorHeightAt(PlayerState.x, PlayerState.y) - PlayerState.y;
    if (s.step != 4 && PlayerMoveState.runX == 1 && D() < 301 && feetAbove < 20) {
        RunRound2HopOver(0);
        Cr.running = false;
        s.Go(4);
    }
    if (s.step == 1) {
        if (D() >= 300) Cr.running = true;
        if (D() < 130 && (Opp.frame == 12 || Opp.frame == 13)) {
            Cr.running = false;
            RunRound2Fold(0);
            s.Go(2);
        } else if (D() < 100) {
            Cr.running = false;
            if (Opp.frame == 17) {
                RunRound2Unfold(0);
                s.Go(3);
            } else {
                RunRound2Fold(0);
                s.Go(2);
            }
        }
    }
    if (s.step == 2 && RunRound2Fold(1) == kStepDone) s.Go(1);
    if (s.step == 3 && RunRound2Unfold(1) == kStepDone) s.Go(1);
    if (s.step == 4 && RunRound2HopOver(1) == kStepDone) s.Go(1);
    if (Cr.running) TickRound2CrawlFrames(1);
    return s.step;
}

std::int32_t RunRound2Fold(std::int32_t mode) { return StepFolding(Fold, mode, kFold, kFoldSkipMove); }
std::int32_t RunRound2Unfold(std::int32_t mode) { return StepFolding(Unfold, mode, kUnfold, kUnfoldSkipMove); }

std::int32_t RunRound2WallLeap(std::int32_t mode) {
    Step& s = WallLeap;
    if (mode == 0) {
        WL.dir = Opp.x >= O + 500 ? 1 : -1;
        WL.target = WL.dir == 1 ? O + 2703 : O + 235;
        s.Go(1);
        return s.step;
    }
    if (s.step == 1) {
        Opp.frame = 3;
        Opp.facing = WL.dir;
        if (s.After(0.05)) {
            Opp.y -= 170;
            WL.baseX = Opp.x + 30 * WL.dir;
            WL.baseY = Opp.y;
            s.Go(2);
        }
    }
    if (s.step == 2) {
        const double t = s.T();
        Opp.frame = 9;
        Opp.facing = WL.dir;
        PlayEra02Sound(67);
        Opp.x = WL.baseX + TruncToInt(500.0 * WL.dir * t);
        Opp.y = WL.baseY - RateMove(700, t);
        Opp.angle = std::abs(WL.target - Opp.x) * 270 / 130 + 45;
        if ((WL.target - Opp.x) * WL.dir <= 0) {
            StopWings();
            PlayEra02Sound(41);
            s.Go(3);
        }
    }
    if (s.step == 3) {
        Opp.frame = 7;
        Opp.facing = -WL.dir;
        Opp.x = WL.target;
        Opp.angle = 195;
        if (s.After(0.06)) {
            WL.baseX = Opp.x;
            WL.baseY = Opp.y;
            s.Go(4);
        }
    }
    if (s.step == 4) {
        const double t = s.T();
        Opp.frame = 9;
        Opp.facing = -WL.dir;
        PlayEra02Sound(67);
        Opp.y = WL.baseY - TruncToInt(1200 * t - 980 * t * t);
        Opp.x = WL.baseX - TruncToInt(700.0 * WL.dir * t);
        Opp.angle = TruncToInt(3600 * t) + 195;
        LandLikeLeap(s);
    }
    return s.step;
}

std::int32_t RunRound2HopOver(std::int32_t mode) {
    Step& s = Hop;
    if (mode == 0) {
        HA.contact = false;
        s.Go(0);
        return s.step;
    }
    if (s.step == 0) {
        Opp.frame = 3;
        HA.F0 = Opp.facing;
        HA.r = Random0To99();
        s.Go(1);
    }
    if (s.step == 1) {
        Opp.frame = 3;
        Opp.facing = -HA.F0;
        if (s.After(0.05)) {
            HA.baseY = Opp.y - 170;
            s.Go(HA.r >= 30 ? 2 : 3);
        }
    }
    if (s.step == 2 || s.step == 3) {
        const double t = s.T();
        Opp.frame = 8;
        Opp.facing = -HA.F0;
        Opp.y = HA.baseY - TruncToInt(200 * t - 300 * t * t);
        if (s.step == 2) {
            Opp.angle = TruncToInt(360 * t);
            if (Opp.angle > 180) Opp.frame = 7;
        } else {
            Opp.angle = TruncToInt(3600 * t);
            if ((PlayerState.x - Opp.x) * HA.F0 < 0) {
                Opp.frame = 7;
                Opp.angle = 0;
                if (!HA.contact && std::abs(PlayerState.y - Opp.y) < 200 && D() < 130) {
                    HA.contact = true;
                    PlayEra02Sound(36);
                    Round2ContactCount += 1;
                    HA.pose = 107;
                    HA.poseStamp = GameNow();
                }
            }
            HeroineBuffeted();
        }
        LandLikeLeap(s);
    }
    return s.step;
}

namespace {

struct FinaleWords {
    std::int32_t baseX = 0, baseY = 0, F = 1;
    bool stepped11 = false, stepped14 = false, sound14 = false, sound15 = false, gStarted = false;
    std::int32_t demo = 0;
    double frameStamp = 0;
    std::int32_t prizeIndex = 0;
    bool prizeTaken = false;
};
FinaleWords FW;

// The demonstration of the new move: pose, time, and the move on leaving.
struct DemoPose {
    std::int32_t pose;
    double wait;
    std::int32_t moveOnLeaving;
};
constexpr DemoPose kDemo[9] = {{123, 0.13, 0}, {121, 0.13, 0}, {122, 0.13, 16}, {123, 0.13, 12}, {125, 0.13, 0},
                               {126, 0.13, 0}, {127, 0.13, 0},  {128, 0.13, 0},  {129, 1.03, 0}};
constexpr std::int32_t kPrizeFrames[8] = {20, 21, 20, 22, 20, 23, 20, 24};

void NextMessage() {
    Msg() += 1;
    EnterConfirmState = 1;
    PlayEra02Sound(6);
}

void Lesson(Step& s) {
    PlayerStateRecord& p = PlayerState;
    const std::int32_t m = Msg();
    if (m == 4 || m == 6) TickRound2CrawlFrames(2);
    if (m >= 11 && !FW.stepped11) {
        FW.stepped11 = true;
        p.x += 32 * p.facing;
    }
    if (m >= 11 && m <= 12) p.pose = 120;
    if (m == 13) p.pose = 121;
    if (m == 14) {
        if (!FW.sound14) {
            FW.sound14 = true;
            PlayEra02Sound(5);
            s.stamp = GameNow();
        }
        p.pose = 122;
        if (s.After(0.03)) {
            if (!FW.stepped14) {
                FW.stepped14 = true;
                p.x += 16 * p.facing;
            }
            p.pose = 123;
        }
    }
    if (m >= 15 && m <= 19) {
        p.pose = 124;
        if (!FW.sound15) {
            FW.sound15 = true;
            PlayEra02Sound(5);
        }
    }
    if (m == 20) p.pose = 123;
    if (LineRead()) {
        if (m < 20) {
            NextMessage();
        } else {
            EnterConfirmState = 1;
            FW.demo = 0;
            p.x -= 16 * p.facing;
            s.Go(2);
        }
    }
}

void Demonstration(Step& s) {
    const DemoPose& d = kDemo[FW.demo];
    PlayerState.pose = d.pose;
    if (!s.After(d.wait)) return;
    if (d.pose == 121) PlayEra02Sound(5);
    PlayerState.x += d.moveOnLeaving * PlayerState.facing;
    if (FW.demo < 8) {
        FW.demo += 1;
        s.stamp = GameNow();
        return;
    }
    PlayerState.x -= 28 * PlayerState.facing;
    AdvanceLine(Msg(), 21);
    s.Go(3);
}

void WalkToPrizeView() {
    KeyLeftPressed = KeyRightPressed = 0;
    constexpr std::int32_t view = O + 948;
    if (ScrollX < view) ScrollX += 1;
    else if (ScrollX > view) ScrollX -= 1;
    const std::int32_t px = PlayerState.x;
    if (px - 400 < view) {
        KeyRightPressed = 1;
        PlayerState.facing = 1;
    }
    if (px + 400 > O + 1972) {
        KeyLeftPressed = 1;
        PlayerState.facing = -1;
    }
}

}  // namespace

std::int32_t RunRound2Finale(std::int32_t mode) {
    Step& s = Finale;
    StampAheadToZero(FW.frameStamp, GameNow());
    if (mode == 0) {
        s.Go(0);
        FW = FinaleWords{};
        return s.step;
    }
    RequestTexture(kTextureD004);
    PlayerStateRecord& p = PlayerState;
    TournamentGaugeRecord& g = TournamentGauge;
    if (s.step == 0) {
        Msg() = 1;
        MessageBoxOpen = 1;
        EventHoldsPlayer = 1;
        EnterConfirmState = 1;
        PlayEra02Sound(6);
        p.facing = Opp.x >= p.x ? 1 : -1;
        s.Go(1);
    }
    if (s.step == 1) Lesson(s);
    if (s.step == 2) Demonstration(s);
    if (s.step == 3 || s.step == 4) {
        p.pose = 22;
        if (LineRead()) {
            if (Msg() < 22) {
                NextMessage();
                s.Go(4);
            } else {
                EnterConfirmState = 0;
                FieldMusicFlag = 0;
                StopSound(4);
                PlayEra02Sound(21);
                s.Go(5);
            }
        }
    }
    if (s.step == 5) {
        p.pose = 39;
        Opp.frame = 1;
        Msg() = 0;
        EventHoldsPlayer = 0;
        if (s.After(11.7)) {
            EnterConfirmState = 1;
            EventHoldsPlayer = 1;
            PlayEra02Sound(6);
            LearnedMoveF = 1;
            LearnedMoveG = 1;
            Msg() = 23;
            s.Go(6);
        }
    }
    if (s.step == 6) {
        Msg() = 23;
        if (LineRead()) {
            NextMessage();
            FieldMusicFlag = 0;
            s.Go(7);
        }
    }
    if (s.step == 7) {
        const std::int32_t m = Msg();
        p.pose = m == 29 ? 1 : m >= 32 ? 22 : 39;
        Opp.frame = m == 28 ? 12 : 1;
        if (m >= 32) TickRound2CrawlFrames(2);
        if (LineRead()) {
            if (m < 33) {
                NextMessage();
            } else {
                CloseLine(Msg());
                s.Go(8);
            }
        }
    }
    if (s.step == 8) {
        Opp.frame = 3;
        if (s.After(0.13)) {
            Opp.x += 50 * Opp.facing;
            Opp.y -= 200;
            FW.baseX = Opp.x;
            FW.baseY = Opp.y;
            FW.F = Opp.facing;
            PlayEra02Sound(18);
            s.Go(9);
        }
    }
    if (s.step == 9) {
        Opp.frame = 9;
        Opp.angle = TruncToInt(3600 * s.T());
        PlayEra02Sound(67);
        Opp.y = FW.baseY;
        if (s.After(1.03)) s.Go(10);
    }
    if (s.step == 10) {
        const double t = s.T();
        Opp.frame = 5;
        Opp.angle = 0;
        Opp.facing = FW.F;
        Opp.x = FW.baseX + TruncToInt(std::abs(p.x - FW.baseX) * FW.F * t / 0.5);
        Opp.y = FW.baseY + TruncToInt((p.y - 125 - FW.baseY) * t / 0.5);
        if (D() <= 100) {
            PlayerMoveState.comboF = 10;
            HitEffectState = 30;
            FW.baseX = p.x - 50 * FW.F;
            FW.baseY = p.y - 163;
            s.Go(11);
        }
    }
    if (s.step == 11) {
        p.pose = 124;
        Opp.frame = 7;
        Opp.x = FW.baseX;
        Opp.y = FW.baseY;
        FW.F = Opp.facing;
        Opp.angle = 15;
        PlayEra02Sound(36);
        HitEffectState = 30;
        p.exp += 50;
        s.Go(12);
    }
    if (s.step == 12) {
        const double t = s.T();
        Opp.frame = 7;
        Opp.angle = TruncToInt(360 * t * 0.3 + 15);
        Opp.y = FW.baseY - TruncToInt(500 * t - 500 * t * t);
        Opp.x = FW.baseX - TruncToInt(60 * t) * FW.F;
        if (t < 1.0 && PlayerMoveState.comboG == 0) p.pose = 124;
        if (t >= 0.5 && !FW.gStarted && Opp.y > FW.baseY - 75) {
            FW.gStarted = true;
            PlayerMoveState.comboG = 10;
            HitEffectState = 40;
        }
        if (p.pose == 128) {
            PlayEra02Sound(36);
            FW.baseX = Opp.x;
            FW.baseY = Opp.y;
            s.Go(13);
        }
    }
    if (s.step == 13) {
        Opp.frame = 19;
        Opp.angle = 0;
        Opp.x = p.x + 160 * p.facing;
        Opp.y = FloorHeightAt(p.x, p.y);
        if (s.After(3.0)) {
            EventHoldsPlayer = 1;
            EnterConfirmState = 1;
            PlayEra02Sound(6);
            Msg() = 34;
            s.Go(14);
        }
    }
    if (s.step == 14) {
        p.pose = 26;
        Opp.frame = (Msg() == 38 || Msg() == 39) ? 18 : 19;
        if (Msg() == 39) TournamentBanner = 4;
        if (LineRead()) {
            if (Msg() < 39) {
                NextMessage();
            } else {
                EnterConfirmState = 0;
                PlayEra02Sound(108);
                RunCrowdCheer(0);
                FW.baseY = Opp.y;
                s.Go(15);
            }
        }
    }
    if (s.step == 15) {
        Opp.frame = 18;
        if (Opp.y < FW.baseY + 75) Opp.y = FW.baseY + RateMove(23.659305993690854, s.T());
        if (Opp.y > FW.baseY + 75) Opp.y = FW.baseY + 75;
        if (RunCrowdCheer(1) == kStepDone && Opp.y >= FW.baseY + 75) {
            Opp.frame = 0;
            AdvanceLine(Msg(), 40);
            s.Go(16);
        }
    }
    if (s.step == 16) {
        p.pose = 39;
        if (LineRead()) {
            NextMessage();
            if (Msg() == 43) {
                p.facing = p.x < O + 948 ? 1 : -1;
                s.Go(17);
            }
        }
    }
    if (s.step == 17) {
        p.pose = 22;
        if (LineRead()) {
            NextMessage();
            s.Go(18);
        }
    }
    if (s.step == 18 && LineRead()) {
        EnterConfirmState = 0;
        EventHoldsPlayer = 0;
        MessageBoxOpen = 0;
        Msg() = 0;
        s.Go(19);
    }
    if (s.step == 19) {
        MessageBoxOpen = 1;
        WalkToPrizeView();
        if (ScrollX == O + 948 && p.x >= O + 1248 && p.x <= O + 1672) {
            PlayEra02Sound(108);
            FW.prizeIndex = 0;
            FW.frameStamp = GameNow();
            s.Go(20);
        }
    }
    if (s.step == 20 || s.step == 21) {
        Opp.x = O + 1460;
        Opp.angle = 0;
        Opp.facing = 1;
        if (MoreThanElapsed(FW.frameStamp, GameNow(), 0.2)) {
            FW.frameStamp = GameNow();
            FW.prizeIndex = (FW.prizeIndex + 1) % 8;
        }
        Opp.frame = kPrizeFrames[FW.prizeIndex];
    }
    if (s.step == 20) {
        ScrollX = O + 948;
        g.shown = 0;
        g.value = RateMove(53.57142857142858, s.T()) - 50;
        if (g.value >= 98) {
            g.value = 98;
            s.Go(21);
        }
        Opp.y = 655 - g.value;
    }
    if (s.step == 21) {
        Opp.y = 655 - g.value;
        MessageBoxOpen = 0;
        CameraMode = 1;
        if (std::abs(p.x - (O + 1460)) <= 39 && KeyAPressed == 1) {
            KeyAPressed = 0;
            PlayEra02Sound(10);
            ItemCounts[1] += 24;
            Opp.frame = 0;
            s.Go(40);
        }
    }
    if (s.step == 40 && s.After(1.0)) {
        PlayEra02Sound(108);
        s.step = 41;   // the pickup's stamp stays in use
    }
    if (s.step == 41) {
        Round1Opponent.frame = 0;
        g.value = 98 - RateMove(47.31861198738171, s.T());
        if (g.value < -50) {
            g.value = -50;
            s.step = 42;
        }
    }
    if (s.step == 42 && MoreThanElapsed(s.stamp, GameNow(), 1.0)) {
        g.shown = 1;
        PlayEra02Sound(108);
        g.value = 0;
        PlayEra02Sound(110);
        s.Go(43);
    }
    if (s.step == 43) {
        TournamentBanner = 2;
        std::int32_t& h = TournamentState.platformHeight;
        const double t = s.T();
        h = 209 - RateMove(kPlatformRisePerSecond, t);
        if (h < 1) h = 0;
        if (g.value < 98) g.value = RateMove(35.35714285714286, t);
        if (g.value >= 98) g.value = 98;
        if (h == 0 && g.value == 98) {
            if (TextureFlags[kTextureD046] == 1) FreeGraphic(9000 + kTextureD046);
            s.step = kStepDone;
        }
    }
    return s.step;
}
