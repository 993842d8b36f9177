// The arena's four waves, run one after the other against the same enemy:
// the first lasts until she has heard the gate's talk, the second until the
// enemy drops the thing it carries, the third until she picks that up, the
// fourth until she has drained the enemy's EXP pool; then it collapses and
// leaves an item. Also the four slots of items lying on the ground.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/records.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kArenaOrigin = SectionAnchorX[23];   // 23445
constexpr std::int32_t kGround = 640;
constexpr std::int32_t kDone = 99;

ArenaEnemyRecord& Enemy = ArenaEnemy;
ArenaStateRecord& Arena = ArenaState;

// ---- the talks ----------------------------------------------------------------

struct TalkSet {
    std::int32_t first, last, pose;
};
constexpr TalkSet kTalkSets[4] = {{1, 2, 1}, {3, 4, 22}, {5, 9, 1}, {10, 11, 1}};
std::int32_t talkOpen = 0;

}  // namespace

std::int32_t RunArenaTalk(std::int32_t set) {
    std::int32_t& line = DialogueChannels.arenaLine;
    if (set == 0) {
        talkOpen = 0;
        return 0;
    }
    const TalkSet& t = kTalkSets[set - 1];
    if (talkOpen == 0) {
        talkOpen = 1;
        OpenLine(line, t.first);
        FieldTalkOpen = 1;
        if (set == 4) Enemy.y = TopFloorHeightAt(Enemy.x);
    }
    PlayerState.facing = 1;
    PlayerState.pose = t.pose;
    if (set == 4) Enemy.frame = line == 10 ? 17 : 18;
    if (StepLineGroup(line, t.last)) {
        FieldTalkOpen = 0;
        EnterConfirmState = kLineWaiting;
        talkOpen = 0;
        return kDone;
    }
    return 1;
}

namespace {

// ---- the fight shared by waves 1 to 3 --------------------------------------------

constexpr std::int32_t kFight = 3, kThrow = 10, kHit = 20;

struct Wave {
    std::int32_t step = 0;
    double stamp = 0.0;
    std::int32_t talk = 0;        // 0 not yet, 1 open, 2 done or skipped
    std::int32_t talkedTwice = 0;
    std::int32_t hits = 0, throws = 0;
    std::int32_t kind = 0;        // the reaction running
    std::int32_t throwKind = 1;
    std::int32_t dropped = 0;
    std::int32_t heldX = 0;
    // The first wave gives up its talk once a throw has come first.
    bool throwSkipsTalk = false;
};
Wave wave;

// She is within the enemy's grab from `near` px before it to 300 px past it,
// as within its strikes (RunArenaWave4): from further off, beyond the arena
// either way, nothing reaches her.
bool WithinGrab(std::int32_t near) {
    const std::int32_t x = PlayerState.x;
    return Enemy.x - near <= x && x < Enemy.x + 300;
}

void ArmWave(std::int32_t firstStep) {
    wave = Wave{};
    wave.step = firstStep;
    wave.stamp = FieldClock();
    RunArenaTalk(0);
}

void StartThrow() {
    RunArenaEnemyThrowA(0);
    wave.step = kThrow;
    if (wave.throwSkipsTalk && wave.talk == 0) wave.talk = 2;
}

// Steps 1 and 2 of waves 1 and 2: the enemy waits small, then rises.
void StepRise(double now) {
    if (wave.step == 1) {
        Enemy.frame = 1;
        Enemy.x = kArenaOrigin;
        Enemy.y = kGround;
        Arena.expPool = 700;
        Arena.propMode = 0;
        wave.stamp = now;
        if (kArenaOrigin - 400 <= PlayerState.x && PlayerState.x < kArenaOrigin + 400) {
            RunArenaEnemyEntrance(0);
            Arena.propMode = 1;
            wave.step = 2;
        }
    } else if (wave.step == 2 && RunArenaEnemyEntrance(1) == kDone) {
        wave.stamp = now;
        UpdateArenaEnemyIdle(0);
        wave.step = kFight;
    }
    if ((wave.step == 1 || wave.step == 2) && WithinGrab(100)) StartThrow();
}

void StepFight() {
    if (wave.step == kFight) {
        UpdateArenaEnemyIdle(1);
        const std::int32_t kind = TestArenaEnemyHit();
        if (kind != 0) {
            wave.kind = kind;
            RunArenaEnemyHitReaction(0);
            wave.step = kHit;
        } else if (WithinGrab(100)) {
            StartThrow();
        }
    }
    if (wave.step == kHit) {
        const std::int32_t r = RunArenaEnemyHitReaction(wave.kind);
        if (r == 98) {
            RunArenaEnemyHitReaction(0);
            wave.kind = 3;
        } else if (r == kDone) {
            Enemy.x = kArenaOrigin;
            ++wave.hits;
            if (wave.hits == 3) {
                wave.hits = 1;
                StartThrow();
            } else {
                wave.step = kFight;
            }
        }
    }
}

// After a throw she lies a while (pose 22) before the fight goes on.
bool StepRecover(double now, double seconds) {
    PlayerState.pose = 22;
    UpdateArenaEnemyIdle(1);
    if (!AtLeastElapsed(wave.stamp, now, seconds)) return false;
    LetGoOfHeroine();
    wave.step = kFight;
    return true;
}

}  // namespace

std::int32_t RunArenaWave1(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        ArmWave(1);
        wave.throwSkipsTalk = true;
        return 0;
    }
    Arena.waveHold = 1;
    StepRise(now);
    if (wave.step >= kFight) PlaceArenaEnemyProp(1);
    if (wave.step == kFight && Era01Progress == 1) return kDone;
    if (wave.step == kFight && wave.talk == 0 && AtLeastElapsed(wave.stamp, now, 0.5)) {
        wave.talk = 1;
        TakeHoldOfHeroine();
    }
    if (wave.talk == 1) {
        if (RunArenaTalk(1) == kDone) {
            wave.talk = 2;
            LetGoOfHeroine();
        }
        return wave.step;
    }
    StepFight();
    if (wave.step == kThrow && RunArenaEnemyThrowA(1) == kDone) {
        ++wave.throws;
        wave.stamp = now;
        wave.step = 11;
    }
    if (wave.step == 11) {
        if (wave.talkedTwice == 0 && wave.hits != 0 && wave.throws >= 3) {
            TakeHoldOfHeroine();
            wave.step = 12;
        } else {
            StepRecover(now, 1.0);
        }
    }
    if (wave.step == 12) {
        PlayerState.pose = 22;
        PlayerState.facing = 1;
        UpdateArenaEnemyIdle(1);
        if (RunArenaTalk(2) == kDone) {
            wave.talkedTwice = 1;
            LetGoOfHeroine();
            wave.step = kFight;
        }
    }
    return wave.step;
}

std::int32_t RunArenaWave2(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        ArmWave(1);
        return 0;
    }
    Arena.waveHold = 1;
    StepRise(now);
    if (wave.step >= kFight && wave.dropped == 0) PlaceArenaEnemyProp(1);
    if (wave.step == kFight && wave.talk == 0 && AtLeastElapsed(wave.stamp, now, 0.5)) {
        wave.talk = 1;
        TakeHoldOfHeroine();
        wave.heldX = PlayerState.x;
    }
    if (wave.talk == 1) {
        PlayerState.x = wave.heldX;
        if (RunArenaTalk(3) == kDone) {
            wave.talk = 2;
            wave.throws = 0;
            LetGoOfHeroine();
        }
        return wave.step;
    }
    StepFight();
    if (wave.step == kThrow) {
        // The fourth throw after its talk is the one that drops the prop.
        wave.throwKind = wave.talk == 2 && wave.throws >= 3 ? 2 : 1;
        if (wave.throwKind == 2 && wave.talk == 2) wave.dropped = 1;
        wave.step = 11;
    }
    if (wave.step == 11 && RunArenaEnemyThrowA(wave.throwKind) == kDone) {
        ++wave.throws;
        wave.stamp = now;
        wave.step = wave.throwKind == 2 ? 13 : 12;
        if (wave.step == 13) TakeHoldOfHeroine();
    }
    if (wave.step == 12) StepRecover(now, 1.0);
    if (wave.step == 13) {
        PlayerState.pose = 22;
        PlayerState.facing = 1;
        if (RunArenaTalk(4) == kDone) {
            LetGoOfHeroine();
            return kDone;
        }
    }
    return wave.step;
}

std::int32_t RunArenaWave3(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        ArmWave(1);
        return 0;
    }
    Arena.waveHold = 1;
    if (wave.step == 1) {
        Enemy.frame = 1;
        Enemy.x = kArenaOrigin;
        Enemy.y = kGround;
        Arena.expPool = 700;
        Arena.propMode = 2;
        UpdateArenaEnemyIdle(0);
        wave.step = kFight;
    }
    if (Distance(PlayerState.x, Arena.objectX) <= 50 && PlayerState.pose == 26) {
        PlayFieldEffect(10);
        ++ItemCounts[2];
        Arena.propMode = 0;
        return kDone;
    }
    StepFight();
    if (wave.step == kThrow && RunArenaEnemyThrowA(1) == kDone) {
        wave.stamp = now;
        wave.step = 12;
    }
    if (wave.step == 12) StepRecover(now, 0.5);
    return wave.step;
}

namespace {

struct Wave4 {
    std::int32_t step = 0, kind = 0;
    double stamp = 0.0;
};
Wave4 last;

void Wave4Attack() {
    RunArenaEnemyRandomAttack(0);
    last.step = 20;
}

}  // namespace

std::int32_t RunArenaWave4(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        last = Wave4{};
        last.step = 1;
        Arena.expPool = 300;
        return 0;
    }
    Arena.waveHold = Arena.clearedWaves == 3 ? 3 : 2;
    if (last.step == 1 && Arena.clearedWaves == 2) last.step = 3;
    if (last.step == 1) {
        Enemy.frame = 1;
        Enemy.x = kArenaOrigin;
        Enemy.y = kGround;
        Arena.propMode = 0;
        if (kArenaOrigin - 400 <= PlayerState.x && PlayerState.x < kArenaOrigin) {
            RunArenaEnemyEntrance(0);
            last.step = 2;
        }
    }
    if (last.step == 2 && RunArenaEnemyEntrance(1) == kDone) last.step = 3;
    if (last.step == 3) {
        Enemy.frame = 14;
        Enemy.x = kArenaOrigin;
        Enemy.y = kGround;
        last.stamp = now;
        UpdateArenaEnemyIdle(0);
        last.step = 4;
    }
    if (last.step == 4) {
        if (Arena.expPool < 0) return kDone;
        UpdateArenaEnemyIdle(1);
        const std::int32_t kind = TestArenaEnemyHit();
        if (kind != 0) {
            last.kind = kind;
            RunArenaEnemyHitReaction(0);
            last.step = 30;
        }
        const std::int32_t px = PlayerState.x;
        if (last.step == 4 && Enemy.x - 120 <= px && px < Enemy.x + 300 && PlayerMoveState.comboF == 0 &&
            PlayerMoveState.comboG == 0)
            Wave4Attack();
        if (last.step == 4 && WithinGrab(50)) {
            RunArenaEnemyThrowB(0);
            last.step = 10;
        }
    }
    if (last.step == 10 && RunArenaEnemyThrowB(1) == kDone) {
        last.stamp = now;
        last.step = 12;
    }
    if (last.step == 12) {
        PlayerState.pose = 22;
        UpdateArenaEnemyIdle(1);
        if (AtLeastElapsed(last.stamp, now, 0.5)) {
            LetGoOfHeroine();
            last.step = 4;
        }
    }
    if (last.step == 20 && RunArenaEnemyRandomAttack(1) == kDone) last.step = 4;
    if (last.step == 30) {
        const std::int32_t r = RunArenaEnemyHitReaction(last.kind);
        if (r == 98) {
            last.kind = 3;
            RunArenaEnemyHitReaction(0);
        } else if (r == kDone) {
            Enemy.x = kArenaOrigin;
            last.step = 4;
            if (Random0To99() < 30) Wave4Attack();
        }
    }
    return last.step;
}

namespace {

struct EndingRow {
    std::int32_t frame;
    double seconds;
};
constexpr EndingRow kEnding[] = {{12, 0.11}, {13, 0.11}, {6, 0.51}, {7, 0.14}, {8, 0.06},
                                 {9, 0.06},  {10, 0.06}, {11, 0.06}};
struct EndingPrivate {
    std::int32_t step = 0;
    double stamp = 0.0;
};
EndingPrivate ending;

}  // namespace

std::int32_t RunArenaEnding(std::int32_t arg) {
    const double now = FieldClock();
    if (arg == 0) {
        ending.step = 0;
        ending.stamp = now;
        return 0;
    }
    StampAheadToZero(ending.stamp, now);
    if (ending.step == 0) {
        TakeHoldOfHeroine();
        Enemy.y = kGround;
    }
    const EndingRow& row = kEnding[ending.step];
    Enemy.frame = row.frame;
    if (!AtLeastElapsed(ending.stamp, now, row.seconds)) return ending.step + 1;
    ending.stamp = now;
    if (row.frame == 13) Enemy.y = FloorHeightAt(Enemy.x, Enemy.y);
    if (row.frame == 6) PlayFieldEffect(32);
    if (row.frame == 10) SpawnDropItem(Enemy.x, FloorHeightAt(Enemy.x, Enemy.y));
    if (++ending.step < static_cast<std::int32_t>(sizeof(kEnding) / sizeof(kEnding[0]))) return ending.step + 1;
    Enemy.frame = 0;
    LetGoOfHeroine();
    return kDone;
}

namespace {

struct Sequencer {
    std::int32_t state = 0;   // 0 idle, 1 a wave runs, 2 the collapse, 3 done
    std::int32_t wave = 0;
};
Sequencer sequencer;

using WaveScript = std::int32_t (*)(std::int32_t);
constexpr WaveScript kWaves[5] = {nullptr, RunArenaWave1, RunArenaWave2, RunArenaWave3, RunArenaWave4};

}  // namespace

void RunArenaWaves(std::int32_t mode) {
    Sequencer& q = sequencer;
    if (mode == 0) {
        // The data reset: every wave's and the enemy's own steps as the
        // program's first game finds them.
        q = Sequencer{};
        talkOpen = 0;
        wave = Wave{};
        last = Wave4{};
        ending = EndingPrivate{};
        ResetArenaEnemy();
        return;
    }
    if (mode == 1) {
        if (q.state == 3) q.state = 0;
        return;
    }
    const HoldStep hold(kArenaHold);
    if (q.state == 0) {
        std::int32_t next = 0;
        if (Arena.clearedWaves == 0 && Era01Progress == 0) next = 1;
        if (Arena.clearedWaves == 0 && Era01Progress == 1) next = 2;
        if (Arena.clearedWaves == 1) next = 3;
        if (Arena.clearedWaves >= 2) next = 4;
        if (next != 0) {
            kWaves[next](0);
            q.wave = next;
            q.state = 1;
        }
    }
    if (q.state == 1 && kWaves[q.wave](1) == kDone) {
        q.state = 0;
        if (q.wave == 2) Arena.clearedWaves = 1;
        if (q.wave == 3) Arena.clearedWaves = 2;
        if (q.wave == 4) {
            q.state = 2;
            RunArenaEnding(0);
            Arena.clearedWaves = 3;
        }
    }
    if (q.state == 2 && RunArenaEnding(1) == kDone) {
        q.state = 3;
        Arena.waveHold = 0;
    }
}

void SpawnDropItem(std::int32_t x, std::int32_t y) {
    for (int k = 0; k < 4; ++k) {
        if (DropItemSlots.flag[k] != 0) continue;
        DropItemSlots.flag[k] = 1;
        DropItemSlots.x[k] = x;
        DropItemSlots.y[k] = y;
        return;
    }
}

void UpdateDropItemPickup() {
    for (int k = 0; k < 4; ++k) {
        if (DropItemSlots.flag[k] != 1 || PlayerState.pose != 26 || PickupPool.state[1] != 0) continue;
        const std::int32_t x = DropItemSlots.x[k], y = DropItemSlots.y[k];
        if (TestBoxAgainstPlayer(x - 16, y - 32, x + 16, y) != 2) continue;
        DropItemSlots.flag[k] = 0;
        ++ItemCounts[3];
        PlayFieldEffect(34);
    }
}
