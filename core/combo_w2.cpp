// Weapon mode 2: combos that repeat their middle part while the key is held,
// break off into another key's air attack when that key is pressed, and a
// guard on Q. The combo word holds 11 (standing) or 21 (air) while an attack
// runs; the step lives in each machine's private phase.
//
// The eight attack machines share one stepper over constant phase rows; the
// decision and landing phases are row kinds. The guard is its own routine.

#include <cstdint>

#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

enum class Kind : std::uint8_t {
    Plain,      // out on expiry
    Decide,     // out while the machine's own key is held, else alt
    FLanding,   // F air: wait for the floor behind her, loop while F is held
    GLanding,   // G air: wait for the floor ahead, repeat while G is held
    GRelease,   // standing G: G repeats (out), F breaks off, else release (alt)
};

// What a phase's exit does, in this order: move, sounds, camera nudge, next.
struct Out {
    std::int16_t next;     // next phase; 0 ends the attack
    std::int16_t move;     // x += move * facing (the S machines: their start facing)
    std::int16_t sound1;   // 0 none
    std::int16_t sound2;
    std::int16_t nudge;    // camera nudge amount, 0 none
};

struct Row {
    std::int16_t phase;
    std::int16_t pose;
    std::int16_t mark;     // standing S: where the pose stands from the attack's start, * start facing
    double duration;
    Kind kind;
    Out out;
    Out alt;
};

struct Machine {
    const Row* rows;
    int count;
    std::int32_t PlayerMoveStateRecord::*word;
    const std::int32_t* key;   // the machine's own key flag
    int keyIndex;              // 0 S, 1 D, 2 F, 3 G
    bool air;
    std::int16_t firstPhase;
    std::int16_t chainPhase;   // air S, D, F: entry phase when chained (0: none)
    std::int16_t chainSound;
    std::int16_t startMove;    // air S: x += 51 * facing at the start
    bool startFacing;          // the S machines move by their start facing
    bool holdOnMarks;          // standing S
};

struct Run {
    std::uint32_t phase = 0;
    double stamp = 0.0;
    std::int32_t startFacing = 1;
    // The mark she stands on now: each pose moves her by its own mark less
    // this one, from wherever she stands, so a push or a scene that moved
    // her meanwhile is kept, not undone by a jump back to where the attack
    // began (a held S once put her back 800 px across a menu).
    std::int32_t markNow = 0;
};

constexpr Out kNone{0, 0, 0, 0, 0};
constexpr Out Go(std::int16_t next, std::int16_t move = 0, std::int16_t s1 = 0, std::int16_t s2 = 0,
                 std::int16_t nudge = 0) {
    return Out{next, move, s1, s2, nudge};
}
constexpr Out kEnd = Go(0);

// ---- tables ------------------------------------------------------------
//  phase pose mark  dur   kind          out                 alt
constexpr Row kSStand[] = {
    {1, 22, 0, 0.02, Kind::Plain, Go(2), kNone},
    {2, 201, 51, 0.1, Kind::Plain, Go(3, 0, 157, 130), kNone},
    {3, 202, 94, 0.05, Kind::Plain, Go(4), kNone},
    {4, 203, 109, 0.05, Kind::Decide, Go(5), Go(8)},
    {5, 201, 51, 0.05, Kind::Plain, Go(6, 0, 130), kNone},
    {6, 202, 94, 0.04, Kind::Plain, Go(7), kNone},
    {7, 203, 109, 0.03, Kind::Decide, Go(4), Go(8)},
    {8, 204, 55, 0.1, Kind::Plain, Go(9, 0, 158), kNone},
    {9, 205, 0, 0.15, Kind::Plain, kEnd, kNone},
};
constexpr Row kSAir[] = {
    {2, 201, 0, 0.08, Kind::Plain, Go(3, 43, 157, 130), kNone},
    {3, 202, 0, 0.05, Kind::Plain, Go(4, 15), kNone},
    {4, 203, 0, 0.05, Kind::Decide, Go(5, -58), Go(8, -54)},
    {5, 201, 0, 0.05, Kind::Plain, Go(6, 43, 130), kNone},
    {6, 202, 0, 0.04, Kind::Plain, Go(7, 15), kNone},
    {7, 203, 0, 0.03, Kind::Decide, Go(4), Go(8)},
    {8, 204, 0, 0.1, Kind::Plain, Go(9, 0, 158), kNone},
    {9, 205, 0, 0.15, Kind::Plain, kEnd, kNone},
};
// Standing and air D share their phases.
constexpr Row kD[] = {
    {1, 22, 0, 0.01, Kind::Plain, Go(2), kNone},
    {2, 206, 0, 0.02, Kind::Plain, Go(3, 0, 157, 130), kNone},
    {3, 207, 0, 0.05, Kind::Plain, Go(4), kNone},
    {4, 208, 0, 0.09, Kind::Decide, Go(5, 0, 130), Go(8, 0, 158)},
    {5, 209, 0, 0.05, Kind::Plain, Go(6), kNone},
    {6, 210, 0, 0.09, Kind::Decide, Go(3, 0, 130), Go(8, 0, 158)},
    {8, 206, 0, 0.1, Kind::Plain, kEnd, kNone},
};
constexpr Row kFStand[] = {
    {1, 22, 0, 0.02, Kind::Plain, Go(2, 0, 157), kNone},
    {2, 211, 0, 0.1, Kind::Plain, Go(3), kNone},
    {3, 212, 0, 0.1, Kind::Plain, Go(4), kNone},
    {4, 217, 0, 0.3, Kind::Plain, Go(5, 0, 160), kNone},
    {5, 218, 0, 0.04, Kind::Plain, Go(6), kNone},
    {6, 219, 0, 0.04, Kind::Plain, Go(7, 85), kNone},
    {7, 220, 0, 0.02, Kind::Plain, Go(8), kNone},
    {8, 221, 0, 0.02, Kind::Plain, Go(9, -13), kNone},
    {9, 222, 0, 0.02, Kind::Plain, Go(10, -22), kNone},
    {10, 217, 0, 0.1, Kind::Decide, Go(5, 0, 160, 0, 50), Go(11)},
    {11, 212, 0, 0.1, Kind::Plain, Go(12, 0, 158), kNone},
    {12, 211, 0, 0.1, Kind::Plain, Go(13, -36), kNone},
    {13, 22, 0, 0.5, Kind::Plain, kEnd, kNone},
};
constexpr Row kFAir[] = {
    {1, 22, 0, 0.01, Kind::Plain, Go(2, 0, 157), kNone},
    {2, 211, 0, 0.01, Kind::Plain, Go(3), kNone},
    {3, 212, 0, 0.01, Kind::Plain, Go(4), kNone},
    {4, 217, 0, 0.01, Kind::Plain, Go(5, 0, 160), kNone},
    {5, 218, 0, 0.02, Kind::Plain, Go(6), kNone},
    {6, 219, 0, 0.02, Kind::Plain, Go(7, 85), kNone},
    {7, 220, 0, 0.02, Kind::Plain, Go(8), kNone},
    {8, 221, 0, 0.02, Kind::Plain, Go(9, -13), kNone},
    {9, 222, 0, 0.02, Kind::Plain, Go(10, -22), kNone},
    {10, 217, 0, 0.01, Kind::FLanding, Go(5, 0, 160, 0, 50), Go(11)},
    {11, 212, 0, 0.1, Kind::Plain, Go(12, 0, 158), kNone},
    {12, 211, 0, 0.1, Kind::Plain, Go(13, -36), kNone},
    {13, 22, 0, 0.5, Kind::Plain, kEnd, kNone},
};
constexpr Row kGStand[] = {
    {1, 22, 0, 0.02, Kind::Plain, Go(2, 0, 157), kNone},
    {2, 211, 0, 0.1, Kind::Plain, Go(3), kNone},
    {3, 212, 0, 0.1, Kind::Plain, Go(4), kNone},
    {4, 213, 0, 0.2, Kind::Plain, Go(5, 0, 159), kNone},
    {5, 214, 0, 0.02, Kind::Plain, Go(6), kNone},
    {6, 215, 0, 0.2, Kind::Plain, Go(7), kNone},
    {7, 216, 0, 0.05, Kind::GRelease, Go(4, 22, 0, 0, 22), Go(8, 122)},
    {8, 212, 0, 0.1, Kind::Plain, Go(9), kNone},
    {9, 211, 0, 0.1, Kind::Plain, Go(10, -119, 158), kNone},
    {10, 22, 0, 0.5, Kind::Plain, kEnd, kNone},
};
constexpr Row kGAir[] = {
    {1, 22, 0, 0.01, Kind::Plain, Go(2, 0, 157), kNone},
    {2, 211, 0, 0.01, Kind::Plain, Go(3), kNone},
    {3, 212, 0, 0.02, Kind::Plain, Go(4), kNone},
    {4, 213, 0, 0.1, Kind::Plain, Go(5, 0, 159), kNone},
    {5, 214, 0, 0.02, Kind::Plain, Go(6), kNone},
    {6, 215, 0, 0.04, Kind::Plain, Go(7), kNone},
    {7, 215, 0, 0.04, Kind::GLanding, Go(4, 22, 0, 0, 22), Go(8, 122)},
    {8, 212, 0, 0.1, Kind::Plain, Go(9), kNone},
    {9, 211, 0, 0.1, Kind::Plain, Go(10, -119, 158), kNone},
    {10, 22, 0, 0.5, Kind::Plain, kEnd, kNone},
};

template <int N>
constexpr int Count(const Row (&)[N]) { return N; }

using PMS = PlayerMoveStateRecord;
//  rows, count, word, key, keyIndex, air, first, chain, chainSound, startMove, startFacing, marks
constexpr Machine kMachines[] = {
    {kSStand, Count(kSStand), &PMS::comboS, &KeySPressed, 0, false, 1, 0, 0, 0, true, true},
    {kSAir, Count(kSAir), &PMS::comboS, &KeySPressed, 0, true, 2, 3, 130, 51, true, false},
    {kD, Count(kD), &PMS::comboD, &KeyDPressed, 1, false, 1, 0, 0, 0, false, false},
    {kD, Count(kD), &PMS::comboD, &KeyDPressed, 1, true, 1, 3, 130, 0, false, false},
    {kFStand, Count(kFStand), &PMS::comboF, &KeyFPressed, 2, false, 1, 0, 0, 0, false, false},
    {kFAir, Count(kFAir), &PMS::comboF, &KeyFPressed, 2, true, 1, 4, 0, 0, false, false},
    {kGStand, Count(kGStand), &PMS::comboG, &KeyGPressed, 3, false, 1, 0, 0, 0, false, false},
    {kGAir, Count(kGAir), &PMS::comboG, &KeyGPressed, 3, true, 1, 0, 0, 0, false, false},
};
enum MachineIndex { kSW, kSAirW, kDW, kDAirW, kFW, kFAirW, kGW, kGAirW, kAttackCount };
static_assert(sizeof(kMachines) / sizeof(kMachines[0]) == kAttackCount);

// The air machine each key hands over to when it breaks another attack off.
constexpr int kAirMachineOfKey[4] = {kSAirW, kDAirW, kFAirW, kGAirW};
constexpr std::int32_t PMS::*kWordOfKey[4] = {&PMS::comboS, &PMS::comboD, &PMS::comboF, &PMS::comboG};
constexpr const std::int32_t* kFlagOfKey[4] = {&KeySPressed, &KeyDPressed, &KeyFPressed, &KeyGPressed};

Run Runs[kAttackCount];

struct GuardRun {
    double stamp = 0.0;
};
GuardRun Guard;

void Play(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

// Keeps the heroine inside the view's middle during the F and G loops.
void CameraNudge(std::int32_t n) {
    if (PlayerState.x < ScrollX + 212) ScrollX -= n;
    if (PlayerState.x > ScrollX + 812) ScrollX += n;
}

std::int32_t MoveFacing(const Machine& m, const Run& run) {
    return m.startFacing ? run.startFacing : PlayerState.facing;
}

void EndAttack(std::int32_t& word, Run& run, double now) {
    word = 0;
    run.stamp = now;
    ReadyStanceStamp = now;
}

void Apply(const Machine& m, Run& run, std::int32_t& word, const Out& out, double now) {
    PlayerState.x += out.move * MoveFacing(m, run);
    if (out.sound1 != 0) Play(out.sound1);
    if (out.sound2 != 0) Play(out.sound2);
    if (out.nudge != 0) CameraNudge(out.nudge);
    if (out.next == 0) {
        EndAttack(word, run, now);
        return;
    }
    run.phase = static_cast<std::uint32_t>(out.next);
    run.stamp = now;
}

void Mark(int index) { Runs[index].stamp = GameClock.gameClock; }

void RunAttack(int index, std::int32_t arg) {
    const Machine& m = kMachines[index];
    Run& run = Runs[index];
    if (m.air && arg == 0) {
        Mark(index);
        return;
    }
    std::int32_t& word = PlayerMoveState.*m.word;
    const double now = GameClock.gameClock;
    // A stamp ahead of the clock (a game was loaded): start over from 0.
    StampAheadToZero(run.stamp, now);

    const std::int32_t startValue = m.air ? 20 : 10;
    const std::int32_t runningValue = m.air ? 21 : 11;

    if (word == startValue) {
        run.phase = static_cast<std::uint32_t>(m.firstPhase);
        word = runningValue;
        if (m.startFacing) run.startFacing = PlayerState.facing;
        run.markNow = 0;
        // Chained entry: marked by a breaking-off attack, or its own last run
        // ended moments ago; the opening is skipped.
        if (m.chainPhase != 0 && now - run.stamp < 0.5) {
            run.phase = static_cast<std::uint32_t>(m.chainPhase);
            if (m.chainSound != 0) Play(m.chainSound);
        }
        run.stamp = now;
        if (m.startMove != 0) PlayerState.x += m.startMove * run.startFacing;
    }
    if (word != runningValue) return;

    CameraMode = 999;

    for (int i = 0; i < m.count && word == runningValue; ++i) {
        const Row& r = m.rows[i];
        if (run.phase != static_cast<std::uint32_t>(r.phase)) continue;
        PlayerState.pose = r.pose;
        if (m.holdOnMarks) {
            PlayerState.x += (r.mark - run.markNow) * run.startFacing;
            run.markNow = r.mark;
        }
        if (!(now - run.stamp > r.duration)) continue;

        const std::int32_t f = PlayerState.facing;
        const std::int32_t y = PlayerState.y;
        switch (r.kind) {
        case Kind::Plain:
            Apply(m, run, word, r.out, now);
            break;
        case Kind::Decide:
            Apply(m, run, word, *m.key == 1 ? r.out : r.alt, now);
            break;
        case Kind::GRelease:
            if (KeyGPressed == 1) {
                Apply(m, run, word, r.out, now);
            } else if (KeyFPressed == 1) {
                // F at the release: no lunge; the break-off below starts F.
                word = 0;
                ReadyStanceStamp = now;
            } else {
                Apply(m, run, word, r.alt, now);
            }
            break;
        case Kind::FLanding:
            if (y <= FloorHeightAt(PlayerState.x + 33 * f, y)) run.stamp = now;
            if (KeyFPressed == 1) {
                run.phase = static_cast<std::uint32_t>(r.out.next);
                run.stamp = now;
                Play(r.out.sound1);
                CameraNudge(r.out.nudge);
            } else if (y == FloorHeightAt(PlayerState.x - 33 * f, y)) {
                // Timed from the stamp's last restart.
                run.phase = static_cast<std::uint32_t>(r.alt.next);
            }
            break;
        case Kind::GLanding:
            if (y <= FloorHeightAt(PlayerState.x + 22 * f, y)) run.stamp = now;
            if (KeyGPressed == 1) {
                run.phase = static_cast<std::uint32_t>(r.out.next);
                PlayerState.x += r.out.move * f;
                CameraNudge(r.out.nudge);
            } else if (y == FloorHeightAt(PlayerState.x + 22 * f, y)) {
                run.phase = static_cast<std::uint32_t>(r.alt.next);
                PlayerState.x += r.alt.move * f;
                run.stamp = now;
            }
            break;
        }
    }

    // Breaking off: another attack key hands over to that key's air attack.
    for (int k = 0; k < 4; ++k) {
        if (k == m.keyIndex || *kFlagOfKey[k] != 1) continue;
        word = 0;
        ReadyStanceStamp = now;
        Mark(kAirMachineOfKey[k]);
        PlayerMoveState.*kWordOfKey[k] = 20;
    }
}

}  // namespace

void UpdateAttackSW2(std::int32_t arg) { RunAttack(kSW, arg); }
void UpdateAirAttackSW2(std::int32_t arg) { RunAttack(kSAirW, arg); }
void UpdateAttackDW2(std::int32_t arg) { RunAttack(kDW, arg); }
void UpdateAirAttackDW2(std::int32_t arg) { RunAttack(kDAirW, arg); }
void UpdateAttackFW2(std::int32_t arg) { RunAttack(kFW, arg); }
void UpdateAirAttackFW2(std::int32_t arg) { RunAttack(kFAirW, arg); }
void UpdateAttackGW2(std::int32_t arg) { RunAttack(kGW, arg); }
void UpdateAirAttackGW2(std::int32_t arg) { RunAttack(kGAirW, arg); }

// The guard: stands while Q is held; a blow against it shows the recoil pose
// for 0.05 s and the guard pose for 0.05 s more, then drops the guard.
void UpdateAttackQW2(std::int32_t) {
    std::int32_t& word = PlayerMoveState.comboQ;
    const double now = GameClock.gameClock;
    StampAheadToZero(Guard.stamp, now);

    if (word == 10) {
        word = 11;
        if (now - Guard.stamp > 0.2) Play(84);
        Guard.stamp = now;
    }
    if (word != 11) return;

    PlayerState.pose = 223;
    if (KeyQPressed != 1 && PlayerGuardStruck == 0) {
        word = 0;
        ReadyStanceStamp = now;
    }
    if (PlayerGuardStruck == 1) {
        Guard.stamp = now;
        PlayerGuardStruck = 2;
    }
    if (PlayerGuardStruck == 2) {
        PlayerState.pose = 224;
        if (now - Guard.stamp > 0.05) {
            PlayerGuardStruck = 3;
            Guard.stamp = now;
        }
    }
    if (PlayerGuardStruck == 3) {
        PlayerState.pose = 223;
        if (now - Guard.stamp > 0.05) {
            PlayerGuardStruck = 0;
            word = 0;
            ReadyStanceStamp = now;
            Guard.stamp = now;
        }
    }
}

void ResetComboMachinesW2() {
    for (Run& run : Runs) run = Run{};
    Guard = GuardRun{};
}
