// Round 2 after the fight: the teacher crawls, folds up when the heroine
// comes near, leaps off the walls and hops over a heroine who runs at her.
// Three contacts in the low hop open the finale: the lesson, the new F and
// G moves, her last dive met by both, the cheer, the prize, the arena reset.
#include <initializer_list>

#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/holds.h"
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

constexpr std::int32_t kTextureD004 = 4;
TournamentOpponentRecord& Opp = Round2Opponent;
std::int32_t& Msg() { return DialogueChannels.sideLine; }
std::int32_t DistanceToHeroine() { return std::abs(PlayerState.x - Opp.x); }
std::int32_t Floor() { return FloorHeightAt(Opp.x, Opp.y); }
bool InsideScreen(std::int32_t margin) {
    return Opp.x - ScrollX > margin && ScrollX + 1024 - Opp.x > margin;
}

struct EndDispatch {
    std::int32_t state = 1;
};
EndDispatch Dispatch;
TimedStep Roam, WallLeap, Hop, Fold, Unfold, Finale;

struct CrawlState {
    bool running = false;
    double stamp = 0;
};
CrawlState Crawl;

struct LeapArgs {
    std::int32_t dir = 1, target = 0, baseX = 0, baseY = 0;
};
LeapArgs WallLeapSetup;

struct HopArgs {
    std::int32_t startFacing = 1, roll = 0, baseY = 0;
    bool contact = false;
    double poseStamp = 0;
    std::int32_t pose = 0;
};
HopArgs HopSetup;

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

std::int32_t StepFolding(TimedStep& s, std::int32_t mode, const FoldPose (&poses)[4], std::int32_t skipMove) {
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
    if (DistanceToHeroine() < 120) s.stamp = GameNow() - 1.0;
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

void LandLikeLeap(TimedStep& s) {
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
    if (!HopSetup.contact) return;
    if (HopSetup.pose == 107) {
        PlayerState.pose = 107;
        if (AtLeastElapsed(HopSetup.poseStamp, GameNow(), 0.1)) {
            HopSetup.pose = 41;
            HopSetup.poseStamp = GameNow();
        }
        return;
    }
    if (AtLeastElapsed(HopSetup.poseStamp, GameNow(), 0.04)) {
        HopSetup.poseStamp = GameNow();
        HopSetup.pose = HopSetup.pose == 44 ? 41 : HopSetup.pose + 1;
        if (HopSetup.pose == 42) {
            PlayEra02Sound(48);
            LowerHeroineHp(1);
        }
    }
    PlayerState.pose = HopSetup.pose;
}

}  // namespace

void TickRound2CrawlFrames(std::int32_t mode) {
    StampAheadToZero(Crawl.stamp, GameNow());
    if (mode == 0) {
        Crawl.stamp = GameNow();
        return;
    }
    const std::int32_t distance = DistanceToHeroine();
    const double period = (mode == 1 && distance > 200) ? distance / 900.0 : GameClock.frameTime + 0.01;
    if (Opp.frame != 12 && Opp.frame != 13) Opp.frame = 12;
    if (AtLeastElapsed(Crawl.stamp, GameNow(), period)) {
        Crawl.stamp = GameNow();
        if (Opp.frame == 12) {
            Opp.frame = 13;
            PlayEra02Sound(67);
        } else {
            Opp.frame = 12;
            StopRound2Wings();
        }
    }
}

std::int32_t RunRound2End(std::int32_t mode) {
    if (mode == 0) {
        Dispatch.state = 1;
        RunRound2Roam(0);
        Opp.frame = 12;
        Opp.angle = 0;
        Opp.depth = 0.35f;
        return Dispatch.state;
    }
    if (Dispatch.state == 1) RunRound2Roam(1);
    if (Dispatch.state != 51) {
        bool leap = false;
        if (Opp.x < Era02Anchor1 + 350) {
            Opp.x = Era02Anchor1 + 350;
            leap = true;
        } else if (Opp.x > Era02Anchor1 + 2588) {
            Opp.x = Era02Anchor1 + 2588;
            leap = true;
        }
        if (leap) {
            RunRound2WallLeap(0);
            Dispatch.state = 51;
        }
    } else if (RunRound2WallLeap(1) == kStepDone) {
        RunRound2Roam(0);
        Dispatch.state = 1;
    }
    const std::int32_t px = PlayerState.x;
    if (Dispatch.state != 2 && Round2ContactCount >= 3 && Opp.frame == 12 && InsideScreen(100) &&
        DistanceToHeroine() > 300 && px >= Era02Anchor1 + 350 && px <= Era02Anchor1 + 2587) {
        RunRound2Finale(0);
        PlayerState.facing = Opp.x > px ? 1 : -1;
        Dispatch.state = 2;
    }
    if (Dispatch.state == 2 && RunRound2Finale(1) == kStepDone) Dispatch.state = kStepDone;
    return Dispatch.state;
}

std::int32_t RunRound2Roam(std::int32_t mode) {
    TimedStep& s = Roam;
    if (mode == 0) {
        s.Go(1);
        Crawl.running = false;
        TickRound2CrawlFrames(0);
        return s.step;
    }
    const std::int32_t feetAbove = FloorHeightAt(PlayerState.x, PlayerState.y) - PlayerState.y;
    if (s.step != 4 && PlayerMoveState.runX == 1 && DistanceToHeroine() < 301 && feetAbove < 20) {
        RunRound2HopOver(0);
        Crawl.running = false;
        s.Go(4);
    }
    if (s.step == 1) {
        if (DistanceToHeroine() >= 300) Crawl.running = true;
        if (DistanceToHeroine() < 130 && (Opp.frame == 12 || Opp.frame == 13)) {
            Crawl.running = false;
            RunRound2Fold(0);
            s.Go(2);
        } else if (DistanceToHeroine() < 100) {
            Crawl.running = false;
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
    if (Crawl.running) TickRound2CrawlFrames(1);
    return s.step;
}

std::int32_t RunRound2Fold(std::int32_t mode) { return StepFolding(Fold, mode, kFold, kFoldSkipMove); }
std::int32_t RunRound2Unfold(std::int32_t mode) { return StepFolding(Unfold, mode, kUnfold, kUnfoldSkipMove); }

std::int32_t RunRound2WallLeap(std::int32_t mode) {
    TimedStep& s = WallLeap;
    if (mode == 0) {
        WallLeapSetup.dir = Opp.x >= Era02Anchor1 + 500 ? 1 : -1;
        WallLeapSetup.target = WallLeapSetup.dir == 1 ? Era02Anchor1 + 2703 : Era02Anchor1 + 235;
        s.Go(1);
        return s.step;
    }
    if (s.step == 1) {
        Opp.frame = 3;
        Opp.facing = WallLeapSetup.dir;
        if (s.After(0.05)) {
            Opp.y -= 170;
            WallLeapSetup.baseX = Opp.x + 30 * WallLeapSetup.dir;
            WallLeapSetup.baseY = Opp.y;
            s.Go(2);
        }
    }
    if (s.step == 2) {
        const double t = s.Elapsed();
        Opp.frame = 9;
        Opp.facing = WallLeapSetup.dir;
        PlayEra02Sound(67);
        Opp.x = WallLeapSetup.baseX + TruncToInt(500.0 * WallLeapSetup.dir * t);
        Opp.y = WallLeapSetup.baseY - RateMove(700, t);
        Opp.angle = std::abs(WallLeapSetup.target - Opp.x) * 270 / 130 + 45;
        if ((WallLeapSetup.target - Opp.x) * WallLeapSetup.dir <= 0) {
            StopRound2Wings();
            PlayEra02Sound(41);
            s.Go(3);
        }
    }
    if (s.step == 3) {
        Opp.frame = 7;
        Opp.facing = -WallLeapSetup.dir;
        Opp.x = WallLeapSetup.target;
        Opp.angle = 195;
        if (s.After(0.06)) {
            WallLeapSetup.baseX = Opp.x;
            WallLeapSetup.baseY = Opp.y;
            s.Go(4);
        }
    }
    if (s.step == 4) {
        const double t = s.Elapsed();
        Opp.frame = 9;
        Opp.facing = -WallLeapSetup.dir;
        PlayEra02Sound(67);
        Opp.y = WallLeapSetup.baseY - TruncToInt(1200 * t - 980 * t * t);
        Opp.x = WallLeapSetup.baseX - TruncToInt(700.0 * WallLeapSetup.dir * t);
        Opp.angle = TruncToInt(3600 * t) + 195;
        LandLikeLeap(s);
    }
    return s.step;
}

std::int32_t RunRound2HopOver(std::int32_t mode) {
    TimedStep& s = Hop;
    if (mode == 0) {
        HopSetup.contact = false;
        s.Go(0);
        return s.step;
    }
    if (s.step == 0) {
        Opp.frame = 3;
        HopSetup.startFacing = Opp.facing;
        HopSetup.roll = Random0To99();
        s.Go(1);
    }
    if (s.step == 1) {
        Opp.frame = 3;
        Opp.facing = -HopSetup.startFacing;
        if (s.After(0.05)) {
            HopSetup.baseY = Opp.y - 170;
            s.Go(HopSetup.roll >= 30 ? 2 : 3);
        }
    }
    if (s.step == 2 || s.step == 3) {
        const double t = s.Elapsed();
        Opp.frame = 8;
        Opp.facing = -HopSetup.startFacing;
        Opp.y = HopSetup.baseY - TruncToInt(200 * t - 300 * t * t);
        if (s.step == 2) {
            Opp.angle = TruncToInt(360 * t);
            if (Opp.angle > 180) Opp.frame = 7;
        } else {
            Opp.angle = TruncToInt(3600 * t);
            if ((PlayerState.x - Opp.x) * HopSetup.startFacing < 0) {
                Opp.frame = 7;
                Opp.angle = 0;
                if (!HopSetup.contact && std::abs(PlayerState.y - Opp.y) < 200 && DistanceToHeroine() < 130) {
                    HopSetup.contact = true;
                    PlayEra02Sound(36);
                    Round2ContactCount += 1;
                    HopSetup.pose = 107;
                    HopSetup.poseStamp = GameNow();
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
    std::int32_t baseX = 0, baseY = 0, direction = 1;
    bool stepped11 = false, stepped14 = false, sound14 = false, sound15 = false, gStarted = false;
    std::int32_t demo = 0;
    double frameStamp = 0;
    std::int32_t prizeIndex = 0;
    bool prizeTaken = false;
};
FinaleWords FinaleProgress;

}  // namespace

void ResetRound2EndWords() {
    Dispatch = EndDispatch{};
    for (TimedStep* s : {&Roam, &WallLeap, &Hop, &Fold, &Unfold, &Finale}) *s = TimedStep{};
    Crawl = CrawlState{};
    WallLeapSetup = LeapArgs{};
    HopSetup = HopArgs{};
    FinaleProgress = FinaleWords{};
}

namespace {

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

void Lesson(TimedStep& s) {
    PlayerStateRecord& p = PlayerState;
    const std::int32_t m = Msg();
    if (m == 4 || m == 6) TickRound2CrawlFrames(2);
    if (m >= 11 && !FinaleProgress.stepped11) {
        FinaleProgress.stepped11 = true;
        p.x += 32 * p.facing;
    }
    if (m >= 11 && m <= 12) p.pose = 120;
    if (m == 13) p.pose = 121;
    if (m == 14) {
        if (!FinaleProgress.sound14) {
            FinaleProgress.sound14 = true;
            PlayEra02Sound(5);
            s.stamp = GameNow();
        }
        p.pose = 122;
        if (s.After(0.03)) {
            if (!FinaleProgress.stepped14) {
                FinaleProgress.stepped14 = true;
                p.x += 16 * p.facing;
            }
            p.pose = 123;
        }
    }
    if (m >= 15 && m <= 19) {
        p.pose = 124;
        if (!FinaleProgress.sound15) {
            FinaleProgress.sound15 = true;
            PlayEra02Sound(5);
        }
    }
    if (m == 20) p.pose = 123;
    if (LineRead()) {
        if (m < 20) {
            NextMessage();
        } else {
            EnterConfirmState = 1;
            FinaleProgress.demo = 0;
            p.x -= 16 * p.facing;
            s.Go(2);
        }
    }
}

void Demonstration(TimedStep& s) {
    const DemoPose& d = kDemo[FinaleProgress.demo];
    PlayerState.pose = d.pose;
    if (!s.After(d.wait)) return;
    if (d.pose == 121) PlayEra02Sound(5);
    PlayerState.x += d.moveOnLeaving * PlayerState.facing;
    if (FinaleProgress.demo < 8) {
        FinaleProgress.demo += 1;
        s.stamp = GameNow();
        return;
    }
    PlayerState.x -= 28 * PlayerState.facing;
    AdvanceLine(Msg(), 21);
    s.Go(3);
}

void WalkToPrizeView() {
    KeyLeftPressed = KeyRightPressed = 0;
    constexpr std::int32_t view = Era02Anchor1 + 948;
    if (ScrollX < view) ScrollX += 1;
    else if (ScrollX > view) ScrollX -= 1;
    const std::int32_t px = PlayerState.x;
    if (px - 400 < view) {
        KeyRightPressed = 1;
        PlayerState.facing = 1;
    }
    if (px + 400 > Era02Anchor1 + 1972) {
        KeyLeftPressed = 1;
        PlayerState.facing = -1;
    }
}

// Steps 0 to 7: the lesson, the demonstration of the new move, the two
// moves learned and the talk after them.
void StepFinaleLesson() {
    TimedStep& s = Finale;
    PlayerStateRecord& p = PlayerState;
    if (s.step == 0) {
        Msg() = 1;
        TakeHoldOfHeroine(kHoldKeys | kHoldLine);
        NoteHoldLine(Msg());
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
        LetGoOfHeroine(kHoldLine);
        if (s.After(11.7)) {
            EnterConfirmState = 1;
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(Msg());
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
}

// Steps 8 to 13: her last dive, met by the F and G moves.
void StepFinaleDive() {
    TimedStep& s = Finale;
    PlayerStateRecord& p = PlayerState;
    if (s.step == 8) {
        Opp.frame = 3;
        if (s.After(0.13)) {
            Opp.x += 50 * Opp.facing;
            Opp.y -= 200;
            FinaleProgress.baseX = Opp.x;
            FinaleProgress.baseY = Opp.y;
            FinaleProgress.direction = Opp.facing;
            PlayEra02Sound(18);
            s.Go(9);
        }
    }
    if (s.step == 9) {
        Opp.frame = 9;
        Opp.angle = TruncToInt(3600 * s.Elapsed());
        PlayEra02Sound(67);
        Opp.y = FinaleProgress.baseY;
        if (s.After(1.03)) s.Go(10);
    }
    if (s.step == 10) {
        const double t = s.Elapsed();
        Opp.frame = 5;
        Opp.angle = 0;
        Opp.facing = FinaleProgress.direction;
        const std::int32_t reach = std::abs(p.x - FinaleProgress.baseX);
        Opp.x = FinaleProgress.baseX + TruncToInt(reach * FinaleProgress.direction * t / 0.5);
        Opp.y = FinaleProgress.baseY + TruncToInt((p.y - 125 - FinaleProgress.baseY) * t / 0.5);
        if (DistanceToHeroine() <= 100) {
            PlayerMoveState.comboF = 10;
            HitEffectState = 30;
            FinaleProgress.baseX = p.x - 50 * FinaleProgress.direction;
            FinaleProgress.baseY = p.y - 163;
            s.Go(11);
        }
    }
    if (s.step == 11) {
        p.pose = 124;
        Opp.frame = 7;
        Opp.x = FinaleProgress.baseX;
        Opp.y = FinaleProgress.baseY;
        FinaleProgress.direction = Opp.facing;
        Opp.angle = 15;
        PlayEra02Sound(36);
        HitEffectState = 30;
        p.exp += 50;
        s.Go(12);
    }
    if (s.step == 12) {
        const double t = s.Elapsed();
        Opp.frame = 7;
        Opp.angle = TruncToInt(360 * t * 0.3 + 15);
        Opp.y = FinaleProgress.baseY - TruncToInt(500 * t - 500 * t * t);
        Opp.x = FinaleProgress.baseX - TruncToInt(60 * t) * FinaleProgress.direction;
        if (t < 1.0 && PlayerMoveState.comboG == 0) p.pose = 124;
        if (t >= 0.5 && !FinaleProgress.gStarted && Opp.y > FinaleProgress.baseY - 75) {
            FinaleProgress.gStarted = true;
            PlayerMoveState.comboG = 10;
            HitEffectState = 40;
        }
        if (p.pose == 128) {
            PlayEra02Sound(36);
            FinaleProgress.baseX = Opp.x;
            FinaleProgress.baseY = Opp.y;
            s.Go(13);
        }
    }
    if (s.step == 13) {
        Opp.frame = 19;
        Opp.angle = 0;
        Opp.x = p.x + 160 * p.facing;
        Opp.y = FloorHeightAt(p.x, p.y);
        if (s.After(3.0)) {
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(Msg());
            EnterConfirmState = 1;
            PlayEra02Sound(6);
            Msg() = 34;
            s.Go(14);
        }
    }
}

// Steps 14 to 18: the talk, the cheer as she sinks away, the last lines.
void StepFinaleCheer() {
    TimedStep& s = Finale;
    PlayerStateRecord& p = PlayerState;
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
                FinaleProgress.baseY = Opp.y;
                s.Go(15);
            }
        }
    }
    if (s.step == 15) {
        Opp.frame = 18;
        if (Opp.y < FinaleProgress.baseY + 75) Opp.y = FinaleProgress.baseY + RateMove(23.659305993690854, s.Elapsed());
        if (Opp.y > FinaleProgress.baseY + 75) Opp.y = FinaleProgress.baseY + 75;
        if (RunCrowdCheer(1) == kStepDone && Opp.y >= FinaleProgress.baseY + 75) {
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
                p.facing = p.x < Era02Anchor1 + 948 ? 1 : -1;
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
        LetGoOfHeroine(kHoldLine | kHoldKeys);
        Msg() = 0;
        s.Go(19);
    }
}

// Steps 19 to 21: the walk to the prize, which rises and is taken.
void StepFinalePrize() {
    TimedStep& s = Finale;
    PlayerStateRecord& p = PlayerState;
    TournamentGaugeRecord& g = TournamentGauge;
    if (s.step == 19) {
        TakeHoldOfHeroine();
        WalkToPrizeView();
        if (ScrollX == Era02Anchor1 + 948 && p.x >= Era02Anchor1 + 1248 && p.x <= Era02Anchor1 + 1672) {
            PlayEra02Sound(108);
            FinaleProgress.prizeIndex = 0;
            FinaleProgress.frameStamp = GameNow();
            s.Go(20);
        }
    }
    if (s.step == 20 || s.step == 21) {
        Opp.x = Era02Anchor1 + 1460;
        Opp.angle = 0;
        Opp.facing = 1;
        if (MoreThanElapsed(FinaleProgress.frameStamp, GameNow(), 0.2)) {
            FinaleProgress.frameStamp = GameNow();
            FinaleProgress.prizeIndex = (FinaleProgress.prizeIndex + 1) % 8;
        }
        Opp.frame = kPrizeFrames[FinaleProgress.prizeIndex];
    }
    if (s.step == 20) {
        ScrollX = Era02Anchor1 + 948;
        g.shown = 0;
        g.value = RateMove(53.57142857142858, s.Elapsed()) - 50;
        if (g.value >= 98) {
            g.value = 98;
            s.Go(21);
        }
        Opp.y = 655 - g.value;
    }
    if (s.step == 21) {
        Opp.y = 655 - g.value;
        LetGoOfHeroine(kHoldKeys);
        CameraMode = 1;
        if (std::abs(p.x - (Era02Anchor1 + 1460)) <= 39 && KeyAPressed == 1) {
            KeyAPressed = 0;
            PlayEra02Sound(10);
            ItemCounts[1] += 24;
            Opp.frame = 0;
            s.Go(40);
        }
    }
}

// Steps 40 to 43: the arena put back, the platform down and the gauge full.
void StepFinaleReset() {
    TimedStep& s = Finale;
    TournamentGaugeRecord& g = TournamentGauge;
    if (s.step == 40 && s.After(1.0)) {
        PlayEra02Sound(108);
        s.step = 41;   // the pickup's stamp stays in use
    }
    if (s.step == 41) {
        Round1Opponent.frame = 0;
        g.value = 98 - RateMove(47.31861198738171, s.Elapsed());
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
        const double t = s.Elapsed();
        h = 209 - RateMove(kPlatformRisePerSecond, t);
        if (h < 1) h = 0;
        if (g.value < 98) g.value = RateMove(35.35714285714286, t);
        if (g.value >= 98) g.value = 98;
        if (h == 0 && g.value == 98) {
            if (TextureFlags[kTextureD046] == 1) FreeGraphic(9000 + kTextureD046);
            s.step = kStepDone;
        }
    }
}

}  // namespace

std::int32_t RunRound2Finale(std::int32_t mode) {
    TimedStep& s = Finale;
    StampAheadToZero(FinaleProgress.frameStamp, GameNow());
    if (mode == 0) {
        s.Go(0);
        FinaleProgress = FinaleWords{};
        return s.step;
    }
    RequestTexture(kTextureD004);
    // A step entered in one phase runs on in the next in the same call.
    StepFinaleLesson();
    StepFinaleDive();
    StepFinaleCheer();
    StepFinalePrize();
    StepFinaleReset();
    return s.step;
}
