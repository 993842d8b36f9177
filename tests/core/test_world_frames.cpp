// The stage step inside the running game: the frame driver runs it at most
// once per frame and only after more than 0.014 s of game time, and key
// presses reach the heroine through the keyboard handler.
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "shell/sound_bank.h"
#include "support/game_harness.h"

#include <algorithm>

namespace {

class WorldFramesTest : public GameHarness {
protected:
    // Starts the game and puts it straight into the stage phase in the field.
    void StartInField() {
        linkSounds = false;
        StartGame();
        GameFlow.phase = 1;
        GameFlow.bootFlag = 0;
        Era01AreaFlag = 1;
        PlayerState.x = 3000;
        PlayerState.y = 640;
        ScrollX = 2700;
        RunFrames(2);
    }
    // Runs n frames and counts the frames in which a stage step ran.
    int CountSteps(int n) {
        int steps = 0;
        for (int i = 0; i < n; ++i) {
            const double last = GameClock.lastStepTime;
            RunFrames(1);
            steps += GameClock.lastStepTime != last;
        }
        return steps;
    }
};

TEST_F(WorldFramesTest, SlowFramesStepOnceEachFastFramesEverySecondFrame) {
    frameStep = 0.03;
    StartInField();
    EXPECT_EQ(CountSteps(20), 20);
    EXPECT_NEAR(GameClock.stepLength, 0.03, 1e-6) << "no catch-up: one longer step";
}

TEST_F(WorldFramesTest, FramesOf1Over128StepEverySecondFrame) {
    frameStep = 1.0 / 128.0;
    StartInField();
    EXPECT_EQ(CountSteps(40), 20);
    EXPECT_NEAR(GameClock.stepLength, 1.0 / 64.0, 1e-6);
}

TEST_F(WorldFramesTest, HeldRightKeyWalksTheHeroineInStrides) {
    frameStep = 1.0 / 60.0;
    StartInField();
    Press(VK_RIGHT);
    std::vector<int> moves;
    for (int i = 0; i < 90; ++i) {
        const int x = PlayerState.x;
        RunFrames(1);
        if (PlayerState.x != x) moves.push_back(PlayerState.x - x);
        EXPECT_GE(PlayerState.pose, 2);
        EXPECT_LE(PlayerState.pose, 7);
    }
    ASSERT_GE(moves.size(), 10u);
    EXPECT_EQ(std::vector<int>(moves.begin(), moves.begin() + 10),
              (std::vector<int>{12, 9, 9, 11, 12, 11, 11, 11, 11, 14}));
    Release(VK_RIGHT);
    RunFrames(2);
    EXPECT_EQ(PlayerState.pose, 1);
    EXPECT_EQ(PlayerPrevFrame.x, PlayerState.x);
}

TEST_F(WorldFramesTest, TappedUpJumpsAndLandsWithTheJumpSound) {
    frameStep = 1.0 / 60.0;
    linkSounds = true;
    StartGame();
    GameFlow.phase = 1;
    GameFlow.bootFlag = 0;
    Era01AreaFlag = 1;
    LoadSound(18);
    ASSERT_NE(SoundTable[18], 0) << "the jump sound's file is part of the game";
    RunFrames(2);
    Press(VK_UP);
    RunFrames(1);
    Release(VK_UP);
    EXPECT_EQ(PlayerMoveState.jumpKind, 11);
    int top = PlayerState.y;
    for (int i = 0; i < 90 && PlayerMoveState.jumpKind != 0; ++i) {
        RunFrames(1);
        top = std::min(top, PlayerState.y);
    }
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
    EXPECT_EQ(top, 468);
    EXPECT_EQ(PlayerState.y, 640);
    int jumpSounds = 0;
    for (const auto& c : plat::headless::AllSoundCalls())
        jumpSounds += (c.op == plat::headless::SoundOp::Play && c.slot == 18);
    EXPECT_EQ(jumpSounds, 2) << "take-off and landing";
}

}  // namespace
