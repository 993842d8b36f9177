// Weapon mode 1: one fixed attack per key, a timed run of poses with one
// swing sound and, for F and G, short lunges. Once started an attack runs to
// its end whatever keys are pressed.
//
// All nine machines share one stepper that reads constant rows of
// (word, pose, duration, exit actions).

#include <cstdint>

#include "core/combos.h"
#include "core/game_clock.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int16_t kAny = -1;   // row matches whatever the sub-phase; exit leaves it

enum class Timing : std::uint8_t {
    Plain,      // durations as written
    DScaled,    // times the D time factor taken at the start
    QDivided,   // divided by AttackQSpeedDivisor, read at every test
};

struct W1Step {
    std::int16_t word;
    std::int16_t phase;        // sub-phase of the word (standing G's step 19); kAny elsewhere
    std::int16_t pose;         // 0: the step writes no pose
    double duration;
    std::int16_t nextWord;     // 0 ends the attack
    std::int16_t nextPhase;    // kAny: unchanged
    std::int16_t move;         // x += move * facing on exit
    bool sound;                // sound 5 on exit
    std::int16_t follow;       // camera follow amount set on exit (0 none)
    bool windUp;               // sets the wind-up flag on exit
};

struct W1Machine {
    const W1Step* steps;
    int count;
    std::int32_t PlayerMoveStateRecord::*word;
    std::int16_t startValue;   // 10 standing, 20 air
    std::int16_t firstWord;    // word after the start
    std::int16_t startPose;    // 0: none
    bool startStamp;
    bool startSound;
    bool windUpSkip;           // standing F and G: previous pose 22 skips the wind-up
    Timing timing;
    bool endStandPose;         // air S, D, F: pose 16 while jumping, else 1, at the end
    std::int16_t closeMove;    // closing step forward after a wind-up (0 none)
    std::int16_t closeFollow;
    bool followCamera;         // standing G moves the view with its lunges
};

// Private record of one machine, kept from attack to attack.
struct W1Run {
    double stamp = 0.0;
    double factor = 1.0;
    std::uint32_t windUp = 0;
    std::int32_t follow = 0;
    std::int32_t phase = 0;
};

// ---- tables ------------------------------------------------------------
//                 word  phase  pose  dur    next phase  move  snd    follow windUp
constexpr W1Step kSStand[] = {
    {11, kAny, 19, 0.01, 12, kAny, 0, false, 0, false},
    {12, kAny, 20, 0.01, 13, kAny, 0, true, 0, false},
    {13, kAny, 21, 0.2, 14, kAny, 0, false, 0, false},
    {14, kAny, 22, 0.01, 0, kAny, 0, false, 0, false},
};
constexpr W1Step kSAir[] = {
    {21, kAny, 20, 0.01, 22, kAny, 0, false, 0, false},
    {22, kAny, 21, 0.09, 23, kAny, 0, true, 0, false},
    {23, kAny, 20, 0.01, 0, kAny, 0, false, 0, false},
};
constexpr W1Step kDStand[] = {
    {11, kAny, 33, 0.01, 12, kAny, 0, false, 0, false},
    {12, kAny, 34, 0.01, 13, kAny, 0, true, 0, false},
    {13, kAny, 35, 0.01, 14, kAny, 0, false, 0, false},
    {14, kAny, 36, 0.1, 15, kAny, 0, false, 0, false},
    {15, kAny, 37, 0.01, 16, kAny, 0, false, 0, false},
    {16, kAny, 38, 0.01, 0, kAny, 0, false, 0, false},
};
constexpr W1Step kDAir[] = {
    {22, kAny, 34, 0.01, 23, kAny, 0, true, 0, false},
    {23, kAny, 35, 0.01, 24, kAny, 0, false, 0, false},
    {24, kAny, 36, 0.06, 26, kAny, 0, false, 0, false},
    {26, kAny, 38, 0.01, 0, kAny, 0, false, 0, false},
};
constexpr W1Step kFStand[] = {
    {11, kAny, 22, 0.02, 12, kAny, 32, false, 0, true},
    {12, kAny, 120, 0.02, 13, kAny, 0, false, 0, false},
    {13, kAny, 121, 0.22, 14, kAny, 0, true, 0, false},
    {14, kAny, 122, 0.02, 16, kAny, 16, false, 0, false},
    {16, kAny, 123, 0.02, 17, kAny, 0, false, 0, false},
    {17, kAny, 124, 0.3, 0, kAny, -26, false, 0, false},
};
constexpr W1Step kFAir[] = {
    {24, kAny, 122, 0.01, 26, kAny, 0, false, 0, false},
    {26, kAny, 123, 0.01, 27, kAny, 0, false, 0, false},
    {27, kAny, 124, 0.06, 0, kAny, 0, false, 0, false},
};
constexpr W1Step kGStand[] = {
    {11, kAny, 22, 0.02, 12, kAny, 32, false, 32, true},
    {12, kAny, 120, 0.02, 13, kAny, 0, false, 0, false},
    {13, kAny, 121, 0.02, 14, kAny, 0, false, 0, false},
    {14, kAny, 122, 0.02, 16, kAny, 16, false, 16, false},
    {16, kAny, 123, 0.02, 17, kAny, 12, false, 12, false},
    {17, kAny, 125, 0.03, 18, kAny, 0, true, 0, false},
    {18, kAny, 126, 0.03, 19, 0, 0, false, 0, false},
    {19, 0, 127, 0.03, 19, 1, 0, false, 0, false},
    {19, 1, 128, 0.06, 19, 2, 0, false, 0, false},
    {19, 2, 120, 0.02, 0, 0, -28, false, 0, false},
};
constexpr W1Step kGAir[] = {
    {21, kAny, 122, 0.01, 22, kAny, 0, false, 0, false},
    {22, kAny, 123, 0.01, 23, kAny, 0, false, 0, false},
    {23, kAny, 125, 0.01, 24, kAny, 0, true, 0, false},
    {24, kAny, 126, 0.03, 25, kAny, 0, false, 0, false},
    {25, kAny, 127, 0.03, 26, kAny, 0, false, 0, false},
    {26, kAny, 128, 0.06, 0, kAny, 0, false, 0, false},
};
constexpr W1Step kQ[] = {
    {11, kAny, 101, 0.077, 12, kAny, 0, false, 0, false},
    {12, kAny, 102, 0.035, 13, kAny, 0, true, 0, false},
    {13, kAny, 103, 0.035, 14, kAny, 0, false, 0, false},
    {14, kAny, 104, 0.07, 15, kAny, 0, false, 0, false},
    {15, kAny, 105, 0.035, 16, kAny, 0, false, 0, false},
    {16, kAny, 106, 0.035, 0, kAny, 0, false, 0, false},
};

template <int N>
constexpr int Count(const W1Step (&)[N]) { return N; }

using PMS = PlayerMoveStateRecord;
//   steps, count, word, start, first, startPose, stamp, sound, skip, timing, endStand, close, closeFollow, camera
constexpr W1Machine kMachines[] = {
    {kSStand, Count(kSStand), &PMS::comboS, 10, 11, 0, true, false, false, Timing::Plain, false, 0, 0, false},
    // The S air start takes no stamp: its first step is timed from the last one.
    {kSAir, Count(kSAir), &PMS::comboS, 20, 21, 0, false, false, false, Timing::Plain, true, 0, 0, false},
    {kDStand, Count(kDStand), &PMS::comboD, 10, 11, 33, true, false, false, Timing::DScaled, false, 0, 0, false},
    {kDAir, Count(kDAir), &PMS::comboD, 20, 22, 34, true, false, false, Timing::DScaled, true, 0, 0, false},
    {kFStand, Count(kFStand), &PMS::comboF, 10, 11, 0, true, false, true, Timing::Plain, false, 33, 0, false},
    {kFAir, Count(kFAir), &PMS::comboF, 20, 24, 0, true, true, false, Timing::Plain, true, 0, 0, false},
    {kGStand, Count(kGStand), &PMS::comboG, 10, 11, 0, true, false, true, Timing::Plain, false, 39, 39, true},
    {kGAir, Count(kGAir), &PMS::comboG, 20, 21, 0, true, false, false, Timing::Plain, false, 0, 0, false},
    {kQ, Count(kQ), &PMS::comboQ, 10, 11, 0, true, false, false, Timing::QDivided, false, 0, 0, false},
};
enum MachineIndex { kSW, kSAirW, kDW, kDAirW, kFW, kFAirW, kGW, kGAirW, kQW, kMachineCount };
static_assert(sizeof(kMachines) / sizeof(kMachines[0]) == kMachineCount);

W1Run Runs[kMachineCount];

void PlaySwing() { PlaySoundEffect(5, SoundVolumes[0]); }

double Limit(const W1Machine& m, const W1Run& run, double duration) {
    switch (m.timing) {
    case Timing::DScaled:
        return duration * run.factor;
    case Timing::QDivided: {
        // A divisor below 1 would stretch the attack forever; treat it as 1.
        const std::int32_t d = AttackQSpeedDivisor < 1 ? 1 : AttackQSpeedDivisor;
        return duration / d;
    }
    case Timing::Plain:
        break;
    }
    return duration;
}

void RunMachine(int index) {
    const W1Machine& m = kMachines[index];
    W1Run& run = Runs[index];
    std::int32_t& word = PlayerMoveState.*m.word;
    const double now = GameClock.gameClock;

    // A stamp ahead of the clock (a game was loaded) would freeze the attack
    // until the clock caught up; let the current step expire instead.
    StampAheadToZero(run.stamp, now);

    if (word == m.startValue) {
        if (m.startStamp) run.stamp = now;
        if (m.timing == Timing::DScaled) run.factor = AttackDTimeScale;
        if (m.startSound) PlaySwing();
        if (m.startPose != 0) PlayerState.pose = m.startPose;
        if (m.windUpSkip && PlayerState.previousPose == 22) {
            // Already in the ready stance: straight to the swing, one step forward.
            word = 12;
            PlayerState.x += 32 * PlayerState.facing;
        } else {
            word = m.firstWord;
        }
    }

    // Steps are tested in increasing order, so a move to the next step sets
    // its pose in the same call; its own duration starts now.
    for (int i = 0; i < m.count; ++i) {
        const W1Step& s = m.steps[i];
        if (word != s.word) continue;
        if (s.phase != kAny && run.phase != s.phase) continue;
        if (s.pose != 0) PlayerState.pose = s.pose;
        if (!(now - run.stamp > Limit(m, run, s.duration))) continue;

        const std::int32_t facing = PlayerState.facing;
        PlayerState.x += s.move * facing;
        if (s.windUp) run.windUp = 1;
        if (s.follow != 0) run.follow = s.follow;
        if (s.sound) PlaySwing();
        word = s.nextWord;
        if (s.nextPhase != kAny) run.phase = s.nextPhase;
        run.stamp = now;

        if (word == 0) {
            if (m.closeMove != 0 && run.windUp == 1) {
                run.windUp = 0;
                PlayerState.x += m.closeMove * facing;
                if (m.closeFollow != 0) run.follow = m.closeFollow;
            }
            if (m.endStandPose) PlayerState.pose = PlayerMoveState.jumpKind != 0 ? 16 : 1;
            break;
        }
    }

    if (m.followCamera && run.follow != 0) {
        if (PlayerState.facing == 1) {
            if (PlayerState.x > ScrollX + 812) ScrollX += run.follow;
        } else if (PlayerState.x < ScrollX + 212) {
            ScrollX -= run.follow;
        }
        run.follow = 0;
    }
}

}  // namespace

void UpdateAttackSW1(std::int32_t) { RunMachine(kSW); }
void UpdateAirAttackSW1(std::int32_t) { RunMachine(kSAirW); }
void UpdateAttackDW1(std::int32_t) { RunMachine(kDW); }
void UpdateAirAttackDW1(std::int32_t) { RunMachine(kDAirW); }
void UpdateAttackFW1(std::int32_t) { RunMachine(kFW); }
void UpdateAirAttackFW1(std::int32_t) { RunMachine(kFAirW); }
void UpdateAttackGW1(std::int32_t) { RunMachine(kGW); }
void UpdateAirAttackGW1(std::int32_t) { RunMachine(kGAirW); }
void UpdateAttackQW1(std::int32_t) { RunMachine(kQW); }

void ResetComboMachinesW1() {
    for (W1Run& run : Runs) run = W1Run{};
}
