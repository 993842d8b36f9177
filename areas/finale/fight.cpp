// The boss fight's driver and brain: one pattern at a time, the turn of the
// fight once the boss has taken enough, the reactions and effects under way,
// the arena's walls, the camera's drift, her gaze and the music.
#include <algorithm>

#include "areas/finale/boss.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "core/stage_step.h"

using namespace finale;

namespace {

struct BossFightDriver {
    std::int32_t state = 0;
};
BossFightDriver Driver;

struct BossBrainWords {
    std::int32_t state = 0;
    std::int32_t patternStep = 0;
    std::int32_t phaseLatch = 0;   // 0 not started, 1 scene running, 2 done
};
BossBrainWords Brain;

// Where the queen keeps: the two share the room's walls. No farther past the
// heroine's left wall (door 6 + 182) than her close dash reaches (0..69 px),
// and at the right, where the view ends 70 px past the heroine's wall (at
// the section's end), where the view shows her body whole (60 px either
// side of her x). Past them the heroine could come no nearer, the queen's
// blows would fall short of her and hers of the queen.
constexpr std::int32_t kQueenLeftmost = Era04Door6 + 182 - 69;
constexpr std::int32_t kQueenRightmost = Era04End - 60;

// Starts at 0 with the program; nothing resets it.
std::int32_t gKeyClearLatch = 0;

constexpr std::int32_t kBossMusic = 225;

// A running word that reads 2 goes back to 0 and lets the heroine go.
void StepReaction(std::int32_t& word, std::int32_t (*step)()) {
    if (word != 1) return;
    step();
    if (word == 2) {
        LetGoOfHeroine(kHoldKeys);
        word = 0;
    }
}

}  // namespace

void ClearKeysOnMessageBox() {
    if (MessageBoxOpen == 0) gKeyClearLatch = 1;
    if (gKeyClearLatch == 1 && MessageBoxOpen == 1) {
        gKeyClearLatch = 2;
        KeyDPressed = KeyFPressed = KeyGPressed = KeyQPressed = KeySPressed = KeyZPressed = 0;
        KeyUpPressed = KeyDownPressed = KeyXPressed = 0;
        PlayerMoveStateRecord& m = PlayerMoveState;
        m.comboS = m.comboD = m.comboF = m.comboG = m.comboQ = 0;
        m.walkLeft = m.walkRight = m.runX = m.runZ = 0;
    }
}

std::int32_t RunBossFight(std::int32_t mode) {
    if (mode == 0) {
        Driver.state = 1;
        GroundFallEnabled = 1;
        GroundFallSuppressed = 0;
        CameraMode = 1;
        BossFacing() = -1;
        for (int i = 1; i <= 20; ++i) BossReactionWords[i] = 0;
        return Driver.state;
    }
    if (mode != 2) return Driver.state;
    // The patterns, the reactions both ways, the turn and the defeat hold
    // her as one: the fight's.
    const HoldStep hold(kQueenFightHold);
    if (Driver.state == 1) {
        Driver.state = 2;
        RunBossBrain(0);
    }
    if (Driver.state == 2 && RunBossBrain(2) == kDone) Driver.state = kDone;
    float& depth = FinalActorSlots.depth[0];
    if (BossY() > 581 && depth > 0.7f) depth = 0.7f;
    if (depth <= 0.1f) depth = 0.101f;
    ClearKeysOnMessageBox();
    return Driver.state;
}

std::int32_t RunBossBrain(std::int32_t mode) {
    if (mode == 0) {
        Brain.state = 1;
        Brain.phaseLatch = 0;
        BossMusicFlag = 1;
        return Brain.state;
    }
    if (mode != 2) return Brain.state;
    BossFightStateRecord& w = BossFightState;
    if (Brain.state == 1) {
        Brain.state = 2;
        Brain.patternStep = 1;
    }
    if (Brain.state == 2) {
        if (Brain.patternStep == 1) {
            Brain.patternStep = 2;
            RunBossFirstPattern(0);
        }
        if (Brain.patternStep == 2) {
            const std::int32_t r = RunBossFirstPattern(1);
            if (r == 91) {
                Brain.patternStep = 3;
                RunBossEdgePattern(0);
            } else if (r > 90) {
                Brain.patternStep = 1;
            }
        }
        if (Brain.patternStep == 3 && RunBossEdgePattern(1) == kDone) Brain.patternStep = 1;
        if (Brain.patternStep == 4 && RunBossLastPattern(1) == kDone) {
            Brain.patternStep = 5;
            RunBossDefeatScene(0);
        }
        if (Brain.patternStep == 5 && RunBossDefeatScene(1) == kDone) {
            Brain.patternStep = 6;
            Brain.state = kDone;
        }
    }
    if (Brain.phaseLatch == 0 && BossDamage() > w.phaseThreshold) {
        Brain.phaseLatch = 1;
        RunBossPhaseChangeScene(0);
    }
    if (Brain.phaseLatch == 1) {
        const std::int32_t r = RunBossPhaseChangeScene(1);
        if (r >= 2) Brain.patternStep = 90;
        if (r == kDone) {
            Brain.phaseLatch = 2;
            Brain.patternStep = 4;
            RunBossLastPattern(0);
        }
    }
    StepReaction(w.hitSparkWord, [] { return RunBossHitSpark(1, 0, 0, 0, 0); });
    StepReaction(w.playerHitWord, [] { return RunPlayerHitReaction(1, 0); });
    StepReaction(w.bossHitWord, [] { return RunBossHitReaction(1, 0, 0); });
    if (w.debrisFlag == 1) RunBossDebrisBurst(1, 0);
    if (w.slot6Effect != 0) RunSwordGlow(4);

    // Whatever moved the queen (a walk, a push, a dash, a pattern placing
    // her beside the heroine), she ends the step within the room the
    // heroine has: the last pattern waits while she stands 221..499 px off,
    // the edge pattern's slashes are aimed from where it put her.
    std::int32_t& x = BossX();
    x = std::clamp(x, kQueenLeftmost, kQueenRightmost);
    const std::int32_t px = PlayerState.x;
    if (ScrollX + 812 < x && x - 600 < px) ScrollX += 1;
    if (x < ScrollX + 212 && px < x + 600) ScrollX -= 1;
    PlayerGazeTarget.x = x;
    PlayerGazeTarget.y = BossY();
    if (BossMusicFlag == 1) Sound(kBossMusic);
    return Brain.state;
}

void ResetBossFightWords() {
    Driver = {};
    Brain = {};
}
