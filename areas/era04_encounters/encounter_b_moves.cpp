// Encounter B's figure on the move: its walk and stagger cycles, the
// overhead strike with its recovery and its hold scene, and the spinning
// slash. Each step of a move shows a pose until its time has come, then
// moves the figure and goes on.
#include <cstdlib>

#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "core/floors.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

std::int32_t& Line() { return DialogueChannels.fieldLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
EncounterBFigureRecord& Fig() { return EncounterBFigure; }
float Lunging() { return PlayerState.depth - 0.05f; }

// One cycle of three steps: the pose shown, how long, and the move after it
// in direction units (negative is forward).
struct Cycle {
    std::int32_t pose[3];
    std::int32_t move[3];
    double time[3], hurriedTime[3];   // the hurried times at stage 3
};
constexpr Cycle kWalkForward{{11, 13, 12}, {-55, -35, -35}, {0.61, 0.51, 0.31}, {0.2, 0.1, 0.1}};
constexpr Cycle kWalkBack{{11, 12, 13}, {31, 35, 49}, {0.61, 0.51, 0.31}, {0.2, 0.1, 0.1}};
constexpr Cycle kStaggerBack{{14, 22, 21}, {31, 35, 49}, {0.31, 0.31, 0.31}, {0.31, 0.31, 0.31}};

struct CycleState {
    std::int32_t step = 0;
    double start = 0;
};
CycleState Walk, Stagger;

std::int32_t StepCycle(CycleState& c, const Cycle* cycle) {
    EncounterBFigureRecord& f = Fig();
    if (cycle == nullptr) {
        c.step = 0;
        c.start = GameNow();
        return c.step;
    }
    StampAheadToZero(c.start, GameNow());
    const int i = c.step;
    f.bodyPose = cycle->pose[i];
    const double wait = f.stage == 3 ? cycle->hurriedTime[i] : cycle->time[i];
    if (AtLeastElapsed(c.start, GameNow(), wait)) {
        f.x += f.direction * cycle->move[i];
        Sound(i == 2 ? 203 : 202);
        c.step = i == 2 ? 0 : i + 1;
        c.start = GameNow();
        if (i == 2) f.bodyPose = 11;
    }
    return c.step;
}

struct StrikeState {
    std::int32_t step = 0, hit = 0, volleyX = 0, heldX = 0;
    std::int32_t heldOnce = 0;   // the hold scene's lines are shown once per play
    double start = 0;
};
StrikeState Strike;

bool StrikeAfter(double seconds) { return AtLeastElapsed(Strike.start, GameNow(), seconds); }

void StrikeBlow() {
    EncounterBFigureRecord& f = Fig();
    if (Strike.step <= 2) f.depth = Lunging();
    if (Strike.step == 0) {
        f.bodyPose = 14;
        if (StrikeAfter(0.31)) {
            GoToStep(Strike, 1);
            Strike.hit = 0;
            Sound(204);
            Strike.volleyX = f.x - f.direction * 220;
        }
    }
    if (Strike.step == 1) {
        f.bodyPose = 15;
        if (Strike.hit == 0) {
            const std::int32_t a = TestBoxAgainstPlayer(f.x - f.direction * 206, f.y - 279, f.x - f.direction * 115,
                                                         f.y - 193);
            const std::int32_t b = TestBoxAgainstPlayer(f.x - f.direction * 262, f.y - 194, f.x - f.direction * 120,
                                                         f.y - 1);
            if (a == 2 || b == 2) {
                Strike.hit = 1;
                f.seizeKind = 2;
                f.throwVariant = PlayerState.y >= 640 ? 1 : 2;
                RunEncounterBStrikeThrow(0);
            }
        }
        if (StrikeAfter(0.02)) {
            GoToStep(Strike, 2);
            PlaySoundEffect(205, SoundVolumes[1] / 2);
            // A blow that met nothing shatters on the floor.
            if (Strike.hit == 0) UpdateEncounterBShards(0, Strike.volleyX);
        }
    }
    if (Strike.hit == 1) {
        Strike.hit = 2;
        const std::int32_t r = Random0To99();
        if (r < f.catchChance && PlayerState.weaponMode2 == 1 && std::abs(f.x - 186 - PlayerState.x) < 55) {
            f.catchChance = 30;
            PlayerState.pose = 0;
            f.bodyPose = 16;
            f.layerCode[3] = 301;
            f.seizeKind = 0;
            f.throwVariant = 0;
            GoToStep(Strike, kStrikeHolds);
            Sound(1);
        }
    }
    if (Strike.step == 2) {
        f.bodyPose = 17;
        if (StrikeAfter(2.01)) {
            GoToStep(Strike, kStrikeRecovers);
            f.depth = 0.3f;
        }
    }
}

// The recovery turn: its four waits, hurried at stage 3.
void StrikeRecovery() {
    EncounterBFigureRecord& f = Fig();
    const bool hurried = f.stage == 3;
    if (Strike.step == 0) {
        GoToStep(Strike, 1);
        f.bodyPose = 17;
        f.x -= f.direction * 52;
        Sound(201);
    }
    if (Strike.step == 1) {
        f.bodyPose = 19;
        if (StrikeAfter(hurried ? 0.05 : 0.11)) {
            GoToStep(Strike, 2);
            f.x -= f.direction * 87;
        }
    }
    if (Strike.step == 2) {
        f.bodyPose = 20;
        if (StrikeAfter(hurried ? 0.2 : 0.51)) {
            GoToStep(Strike, 3);
            f.direction = -f.direction;
            f.x += f.direction * 28;
        }
    }
    if (Strike.step == 3) {
        f.bodyPose = 14;
        if (StrikeAfter(hurried ? 0.21 : 0.31)) GoToStep(Strike, 4);
    }
    if (Strike.step == 4) {
        f.bodyPose = 11;
        if (StrikeAfter(hurried ? 0.31 : 0.81)) GoToStep(Strike, kEncounterDone);
    }
}

// Once she is let go the figure steps back until she stands 300 px off.
void LetGoOrStepBack() {
    if (std::abs(PlayerState.x - Fig().x) >= 300) {
        GoToStep(Strike, kEncounterDone);
        LetGoOfHeroine(kHoldKeys);
    } else {
        StepEncounterBWalk(2);
    }
}

// The hold scene: the figure holds her up; the first time it speaks.
void StrikeHold() {
    EncounterBFigureRecord& f = Fig();
    const auto held = [&f] {
        PlayerState.pose = 0;
        f.bodyPose = 16;
        f.layerCode[3] = 301;
    };
    const std::int32_t away = f.x - f.direction * 247;
    if (Strike.step == 0) {
        held();
        TakeHoldOfHeroine();
        if (StrikeAfter(1.11)) {
            GoToStep(Strike, 1);
            f.layerCode[3] = 0;
        }
    }
    if (Strike.step == 1) {
        held();
        PlayerState.x = f.x - f.direction * 234;
        if (StrikeAfter(0.05)) {
            if (Strike.heldOnce == 1) {
                GoToStep(Strike, 7);
                Sound(157);
            } else {
                GoToStep(Strike, 2);
                OpenLine(Line(), 171);
            }
            Strike.heldOnce = 1;
        }
    }
    if (Strike.step == 2) {
        held();
        Line() = 171;
        if (LineRead()) {
            GoToStep(Strike, 3);
            AdvanceLine(Line(), 172);
            PlayerState.facing = f.direction;
        }
    }
    if (Strike.step == 3) {
        held();
        Line() = 172;
        if (LineRead()) {
            GoToStep(Strike, 4);
            AdvanceLine(Line(), 173);
        }
    }
    if (Strike.step == 4) {
        held();
        Line() = 173;
        if (LineRead()) {
            GoToStep(Strike, 5);
            CloseLine(Line());
            Sound(kLineBellSound);
        }
    }
    if (Strike.step == 5) {
        PlayerState.pose = 0;
        f.bodyPose = 16;
        PlayerState.x = away;
        Strike.heldX = away;
        if (StrikeAfter(0.02)) {
            GoToStep(Strike, 6);
            StepEncounterBWalk(0);
        }
    }
    if (Strike.step == 6) {
        PlayerState.pose = 0;
        f.bodyPose = 16;
        PlayerState.x = Strike.heldX;
        LetGoOfHeroine(kHoldKeys);
        KeyUpPressed = 1;
        if (StrikeAfter(0.02)) {
            KeyGPressed = 1;
            GoToStep(Strike, kEncounterDone);
            LetGoOfHeroine(kHoldKeys);
            f.layerCode[3] = 0;
            PlayerState.pose = 22;
            LetGoOrStepBack();
        }
    }
    // Later holds: she twists free in three poses.
    if (Strike.step == 8) {
        PlayerState.pose = 221;
        f.bodyPose = 11;
        f.layerCode[3] = 0;
        PlayerState.x = Strike.heldX = away;
        if (StrikeAfter(0.02)) {
            GoToStep(Strike, 9);
            StepEncounterBWalk(0);
        }
    }
    if (Strike.step == 9) {
        PlayerState.pose = 222;
        f.bodyPose = 14;
        PlayerState.x = Strike.heldX = away;
        if (StrikeAfter(0.02)) {
            GoToStep(Strike, 10);
            StepEncounterBWalk(0);
        }
    }
    if (Strike.step == 10) {
        PlayerState.pose = 22;
        PlayerState.x = Strike.heldX;
        LetGoOrStepBack();
    }
    if (Strike.step == 7) {
        PlayerState.pose = 220;
        GoToStep(Strike, 8);
    }
}

// The spinning slash: pose, time (0 = the frame period) and what follows.
struct SpinStep {
    std::int32_t pose;
    double time;
};
constexpr SpinStep kSpinSteps[] = {{11, 0.31}, {21, 0}, {20, 0}, {23, 0}, {24, 0}, {26, 0}, {27, 0},
                                   {28, 0},    {27, 0}, {26, 0}, {25, 0}, {29, 0}, {25, 0}};
constexpr std::int32_t kSpinRecoveryPoses[] = {24, 23, 10};

struct SpinState {
    std::int32_t step = 0, hit = 0, loops = 0, saved = 0;
    double start = 0, period = 0.02;
};
SpinState Spin;

void SpinAfterStep(std::int32_t n) {
    EncounterBFigureRecord& f = Fig();
    const std::int32_t step = Spin.step;
    std::int32_t next = step + 1;
    if (step == 0) {
        f.x += f.direction * 26;
        Spin.saved = f.direction;
    }
    if (step == 1) {
        f.x -= f.direction * 12;
        f.direction = -Spin.saved;
    }
    if (step == 4) {
        Sound(204);
        f.x += f.direction * 62;
    }
    if (step == 6) f.direction = Spin.saved;
    if (step == 7) f.x += f.direction * 62;
    if (step == 9 && n <= Spin.loops) {
        next = kEncounterDone;
        f.layerCode[3] = 0;
    }
    if (step == 10) {
        if (Spin.loops < n) {
            ++Spin.loops;
            f.x -= f.direction * 50;
        }
        f.layerCode[3] = 0;
    }
    if (step == 11) {
        f.x -= f.direction * 50;
        f.direction = -Spin.saved;
    }
    if (step == 12) {
        f.layerCode[3] = 0;
        f.x += f.direction * 79;
        Sound(204);
        next = 5;
    }
    GoToStep(Spin, next);
}

}  // namespace

void ForgetEncounterBHold() { Strike.heldOnce = 0; }

std::int32_t StepEncounterBWalk(std::int32_t mode) {
    if (mode == 0) return StepCycle(Walk, nullptr);
    return StepCycle(Walk, mode == 1 ? &kWalkForward : &kWalkBack);
}

std::int32_t StepEncounterBStagger(std::int32_t mode) {
    return StepCycle(Stagger, mode == 0 ? nullptr : &kStaggerBack);
}

std::int32_t RunEncounterBStrike(std::int32_t mode) {
    if (mode == 0) {
        GoToStep(Strike, 0);
        return Strike.step;
    }
    StampAheadToZero(Strike.start, GameNow());
    if (mode == 1) StrikeBlow();
    if (mode == 2) StrikeRecovery();
    if (mode == 3) StrikeHold();
    return Strike.step;
}

std::int32_t RunEncounterBSpinSlash(std::int32_t mode, std::int32_t n) {
    EncounterBFigureRecord& f = Fig();
    if (mode == 0) {
        Spin.hit = 0;
        Spin.loops = 0;
        GoToStep(Spin, 0);
        Spin.period = 0.02;
        return Spin.step;
    }
    StampAheadToZero(Spin.start, GameNow());
    f.depth = Lunging();
    if (mode == 2) {
        if (Spin.step >= 0 && Spin.step <= 2) {
            f.bodyPose = kSpinRecoveryPoses[Spin.step];
            if (AtLeastElapsed(Spin.start, GameNow(), Spin.period + 0.1))
                GoToStep(Spin, Spin.step == 2 ? kEncounterDone : Spin.step + 1);
            if (Spin.step == kEncounterDone) f.bodyPose = 11;
        }
        return Spin.step;
    }
    if (Spin.step >= 0 && Spin.step <= 12) {
        const SpinStep& s = kSpinSteps[Spin.step];
        f.bodyPose = s.pose;
        if (AtLeastElapsed(Spin.start, GameNow(), s.time == 0 ? Spin.period : s.time)) SpinAfterStep(n);
    }
    // The walls turn it back only while it moves toward them.
    if (f.x <= Era04Door4 + Spin.loops + 160 && Spin.saved >= 1) {
        f.x = Era04Door4 + Spin.loops + 147;
        Spin.saved = -Spin.saved;
        f.direction = -f.direction;
    }
    if (Era04Door5 - 160 - Spin.loops <= f.x && Spin.saved < 0) {
        f.x = Era04Door5 - 147 - Spin.loops;
        Spin.saved = -Spin.saved;
        f.direction = -f.direction;
    }
    if (Spin.hit == 0 && f.bodyPose == 26) {
        const std::int32_t near = f.direction > 0 ? f.x + 59 : f.x - 192;
        const std::int32_t far = f.direction > 0 ? f.x + 192 : f.x - 59;
        if (TestBoxAgainstPlayer(near, f.y - 111, far, f.y - 95) == 2) {
            Spin.hit = 1;
            f.seizeKind = 3;
            f.throwVariant = PlayerState.y >= 600 ? 1 : 2;
            RunEncounterBSpinThrow(0);
        }
    }
    return Spin.step;
}

void ResetEncounterBMoveWords() {
    Walk = {};
    Stagger = {};
    Strike = {};
    Spin = {};
}
