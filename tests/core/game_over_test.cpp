// The game-over sequence, stepped call by call on a game clock the test
// moves forward.
#include <gtest/gtest.h>

#include <vector>

#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "platform/headless.h"
#include "shell/sound_bank.h"
#include "text/game_over.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

class GameOverTest : public ::testing::Test {
protected:
    double clock = 100.0;

    void SetUp() override {
        plat::headless::Reset();
        GameFlow.phase = 1;
        GameClock.gameClock = clock;
        PlayerState.x = 1000;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        ScrollX = 800;   // screen x 200
        PlayerState.hp = 0;
        RunGameOver(0);
        GameOverState.fallPose = 72;   // as the frame driver arms it
    }

    // One frame: the game clock and the real time move on together.
    std::int32_t Step(double dt = 1.0 / 64.0) {
        clock += dt;
        GameClock.gameClock = clock;
        GameClock.realTime += dt;
        return RunGameOver(1);
    }

    // Steps until the sequence reaches `step` (or gives up).
    bool StepUntil(std::int32_t step, int maxCalls = 20000) {
        for (int i = 0; i < maxCalls; ++i) {
            if (GameOverState.step == step) return true;
            Step();
        }
        return GameOverState.step == step;
    }
};

}  // namespace

TEST_F(GameOverTest, CollapsesThenHandsTheStageToTheMenuSide) {
    Step();
    EXPECT_EQ(GameOverState.step, 2);
    EXPECT_EQ(PlayerState.pose, 27);
    EXPECT_EQ(MessageBoxOpen, 1);
    EXPECT_EQ(SoundVolumes[0], 0);

    // Lies at pose 27 for 2.1 s, then 29, 30, 31 a tenth of a second each.
    std::vector<std::int32_t> poses;
    while (GameOverState.step < 6) {
        Step();
        if (poses.empty() || poses.back() != PlayerState.pose) poses.push_back(PlayerState.pose);
        if (GameOverState.step < 6) {
            EXPECT_EQ(GameFlow.phase, 1);
        }
        ASSERT_LT(clock, 110.0);
    }
    EXPECT_EQ(GameFlow.phase, 902);   // handed over as the collapse ends
    EXPECT_EQ(poses, (std::vector<std::int32_t>{27, 29, 30, 31, 32}));
    EXPECT_NEAR(clock - 100.0, 2.4, 0.1);
}

TEST_F(GameOverTest, HandOverHappensAtTheEndOfTheCollapse) {
    ASSERT_TRUE(StepUntil(6));
    EXPECT_EQ(GameFlow.phase, 902);
    EXPECT_EQ(MenuFlowState.hudUpdateOn, 1u);
    EXPECT_EQ(PlayerFigureShown, 1u);
    MenuPage = 7;
    GameFlow.phase = 0;   // the stage-to-menu transition has run
    ASSERT_TRUE(StepUntil(7));
    EXPECT_EQ(SavedMenuPage, 7u);
    EXPECT_EQ(MenuPage, 0u);
    EXPECT_EQ(GameFlow.phase, 0);   // handed over once only
}

TEST_F(GameOverTest, WalksToItsPlaceOnePixelPerCall) {
    ASSERT_TRUE(StepUntil(7));
    const std::int32_t start = PlayerState.x - ScrollX;
    int calls = 0;
    while (GameOverState.step == 7) {
        Step();
        ++calls;
        ASSERT_LT(calls, 2000);
    }
    EXPECT_EQ(PlayerState.x - ScrollX, 570);
    EXPECT_GE(calls, 570 - start);
    EXPECT_LE(calls, 570 - start + 3);
    EXPECT_EQ(SoundVolumes[0], 900);
}

TEST_F(GameOverTest, FacingLeftWalksTo420AndStartingThereEndsAtOnce) {
    PlayerState.facing = -1;
    ASSERT_TRUE(StepUntil(7));
    PlayerState.x = ScrollX + 420;
    Step();
    EXPECT_EQ(GameOverState.step, 8);
    EXPECT_EQ(GameOverState.walkOffset, -150);
    EXPECT_EQ(PlayerState.x - ScrollX, 420);
}

TEST_F(GameOverTest, NarrationLinesEveryTwoSecondsThenYFinishes) {
    ASSERT_TRUE(StepUntil(8));
    EXPECT_EQ(MessageBoxOpen, 0);
    const double start = clock;
    std::vector<double> lineTimes;
    std::int32_t last = GameOverState.textStep1;
    while (GameOverState.textStep1 < 5) {
        Step();
        if (GameOverState.textStep1 != last) {
            last = GameOverState.textStep1;
            lineTimes.push_back(clock - start);
        }
        ASSERT_LT(clock - start, 20.0);
    }
    ASSERT_EQ(lineTimes.size(), 5u);
    // One line every 2.0 s (strictly more, so within a frame after).
    double previous = 0;
    for (double at : lineTimes) {
        EXPECT_GT(at - previous, 2.0);
        EXPECT_LE(at - previous, 2.0 + 1.0 / 64.0 + 1e-9);
        previous = at;
    }

    KeyYPressed = 1;
    EXPECT_EQ(Step(), 98);
    EXPECT_EQ(GameOverState.step, 98);
    EXPECT_EQ(KeyYPressed, 0);
}

TEST_F(GameOverTest, UnansweredPromptLeadsToTheSecondNarrationWhichWaits) {
    ASSERT_TRUE(StepUntil(8));
    while (GameOverState.textStep1 < 5) Step();
    const double promptAt = clock;
    ASSERT_TRUE(StepUntil(9));
    EXPECT_NEAR(clock - promptAt, 7.0, 0.05);
    EXPECT_EQ(GameOverState.textStep1, 0);
    ASSERT_TRUE(StepUntil(10));
    EXPECT_EQ(GameFlow.phase, 0);

    // The second prompt has no time limit.
    while (GameOverState.textStep2 < 5) {
        Step();
        ASSERT_LT(clock - promptAt, 40.0);
    }
    for (int i = 0; i < 64 * 30; ++i) Step();
    EXPECT_EQ(GameOverState.step, 10);
    EXPECT_EQ(GameOverState.textStep2, 5);
    EXPECT_EQ(PlayerState.pose, 83);
    KeyYPressed = 1;
    EXPECT_EQ(Step(), 98);
}

TEST_F(GameOverTest, WeaponModeOneFallRunsThroughItsPoses) {
    PlayerState.weaponMode2 = 0;
    ASSERT_TRUE(StepUntil(10));
    std::vector<std::int32_t> poses;
    while (GameOverState.textStep2 < 3) {
        Step();
        if (GameOverState.textStep2 == 2 && (poses.empty() || poses.back() != PlayerState.pose))
            poses.push_back(PlayerState.pose);
        ASSERT_LT(clock, 200.0);
    }
    const std::vector<std::int32_t> expected{72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82};
    ASSERT_GE(poses.size(), expected.size());
    EXPECT_EQ(std::vector<std::int32_t>(poses.begin(), poses.begin() + expected.size()), expected);
    EXPECT_EQ(PlayerState.pose, 83);
}

TEST_F(GameOverTest, WeaponModeTwoSinksAndRisesTwiceBeforeLyingStill) {
    PlayerState.weaponMode2 = 1;
    ASSERT_TRUE(StepUntil(10));
    std::vector<std::int32_t> poses;
    double lyingSince = 0;
    while (GameOverState.textStep2 < 3) {
        Step();
        if (GameOverState.textStep2 == 2 && (poses.empty() || poses.back() != PlayerState.pose)) {
            poses.push_back(PlayerState.pose);
            if (PlayerState.pose == 72 && poses.size() > 1) lyingSince = clock;
        }
        ASSERT_LT(clock, 200.0);
    }
    const std::vector<std::int32_t> expected{72, 73, 74, 75, 76, 77, 76, 77, 76, 75, 74, 73, 72};
    EXPECT_EQ(poses, expected);
    EXPECT_NEAR(clock - lyingSince, 2.2, 0.05);
    EXPECT_EQ(PlayerState.pose, 83);
}

TEST_F(GameOverTest, NAtThePromptRunsTheQuitScreenAndItsNoFinishes) {
    ASSERT_TRUE(StepUntil(8));
    while (GameOverState.textStep1 < 5) Step();
    KeyNPressed = 1;
    std::int32_t result = Step();
    EXPECT_EQ(KeyNPressed, 0);
    EXPECT_EQ(GameOverState.textStep1, 0);
    // Answer no on the quit screen until it gives up; the menu volume word
    // stays turned down (0: ten decibels down) while it runs.
    for (int i = 0; i < 64 * 60 && result != 98; ++i) {
        KeyNPressed = 1;
        result = Step();
        if (result != 98) {
            EXPECT_EQ(GameOverState.step, 21);
            EXPECT_EQ(SoundVolumes[0], 0);
        }
    }
    EXPECT_EQ(GameFlow.quitFlag, 0);
    EXPECT_EQ(result, 98);
    EXPECT_EQ(GameOverState.step, 98);
}

TEST_F(GameOverTest, AKeyPressedBeforeThePromptDoesNotAnswerIt) {
    ASSERT_TRUE(StepUntil(8));
    KeyNPressed = 1;   // pressed during the stage, never read since
    while (GameOverState.textStep1 < 5) Step();
    for (int i = 0; i < 64; ++i) Step();
    EXPECT_EQ(GameOverState.step, 8);
    KeyNPressed = 1;
    Step();
    EXPECT_EQ(GameOverState.step, 21);
}

TEST_F(GameOverTest, ImmediateEntryHandsOverOnlyOnce) {
    // An encounter ends the game at once: HP 0 and the negative entry, then
    // the frame driver arms the sequence in the same frame.
    RunGameOver(-1);
    EXPECT_EQ(GameFlow.phase, 902);
    EXPECT_EQ(MessageBoxOpen, 1);
    RunGameOver(0);
    GameFlow.phase = 0;   // the stage-to-menu transition has run
    ASSERT_TRUE(StepUntil(7));
    EXPECT_EQ(GameFlow.phase, 0);
}

TEST_F(GameOverTest, ClockGoingBackEndsTheTimedStepAtOnce) {
    Step();
    ASSERT_EQ(GameOverState.step, 2);
    clock = 3.0;   // a load put the clock behind the step's stamp
    Step();
    EXPECT_EQ(GameOverState.step, 3);
}
