// The whole game over, run by the frame driver: HP 0 on the stage, the
// collapse, the walk, the narration and its prompt, and Y back to the title.
#include <gtest/gtest.h>

#include "core/game_flow.h"
#include "core/player.h"
#include "support/game_harness.h"
#include "text/game_over.h"
#include "text/menu.h"
#include "text/text_state.h"

namespace {

class GameOverFlowTest : public GameHarness {
protected:
    bool Shown(const std::string& part) const {
        for (const auto& t : LastFrame().texts)
            if (t.text.find(part) != std::string::npos) return true;
        return false;
    }
    // A game over from the stage, played on to its prompt.
    void ToThePrompt() {
        StartGame();
        GameFlow.bootFlag = 0;
        GameFlow.phase = 1;
        RunFrames(10);
        PlayerState.hp = 0;
        ASSERT_TRUE(RunFramesUntil([] { return GameOverState.textStep1 == 5; }, 64 * 40));
        RunFrames(1);
    }
};

}  // namespace

TEST_F(GameOverFlowTest, HpZeroRunsTheSequenceAndYReturnsToTheTitle) {
    StartGame();
    GameFlow.bootFlag = 0;
    GameFlow.phase = 1;
    RunFrames(10);
    ASSERT_EQ(GameFlow.phase, 1);

    PlayerState.hp = 0;
    RunFrames(1);
    EXPECT_EQ(GameFlow.gameOverRunning, 1);
    EXPECT_EQ(PlayerState.pose, 27);

    // The stage is handed to the menu side once the collapse is over.
    bool sawHandOver = false;
    ASSERT_TRUE(RunFramesUntil(
        [&] {
            if (GameFlow.phase == 902) sawHandOver = true;
            return GameOverState.step >= 7;
        },
        64 * 10));
    EXPECT_TRUE(sawHandOver);

    // She walks to her place, then the narration comes line by line.
    ASSERT_TRUE(RunFramesUntil([] { return GameOverState.step == 8; }, 2000));
    EXPECT_EQ(PlayerState.x - ScrollX, 570);
    ASSERT_TRUE(RunFramesUntil([] { return GameOverState.textStep1 == 3; }, 64 * 10));
    EXPECT_TRUE(Shown("ﾅﾚｰﾀ ： "));
    EXPECT_FALSE(Shown("続行なら"));
    EXPECT_EQ(EnterConfirmState, 0);
    ASSERT_TRUE(RunFramesUntil([] { return GameOverState.textStep1 == 5; }, 64 * 10));
    RunFrames(1);
    EXPECT_TRUE(Shown("続行なら"));
    EXPECT_EQ(EnterConfirmState, 1);
    EXPECT_EQ(GameFlow.phase, 0);

    // Y held down into the next frame (its release clears the flag).
    Press(VkLetter('y'));
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 903; }, 4));
    Release(VkLetter('y'));
    EXPECT_EQ(GameFlow.gameOverRunning, 0);
    EXPECT_EQ(GameFlowExtra.gameOverReturn, 1);
    // The data reset runs, then the menu side boots again to the title.
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 0 && GameFlow.bootFlag == 1; }, 64 * 20));
    EXPECT_NE(TraceLog().find("Gameover"), std::string::npos);
}

// N at the prompt opens the quit screen while the prompt's Enter is still
// armed: the quit screen drops it as it opens, so an Enter as she jumps in,
// or at the question, is read by nobody and is no answer (it used to close
// the game unasked); only Y and then Enter quit.
TEST_F(GameOverFlowTest, AfterNOnlyAnEnterAfterTheAnswerYesQuits) {
    ASSERT_NO_FATAL_FAILURE(ToThePrompt());
    ASSERT_EQ(EnterConfirmState, 1) << "the prompt arms Enter";
    // A letter is held into the next frame: its release clears its flag.
    Press(VkLetter('n'));
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step >= 2 && QuitScreenState.step < 11; }, 64));
    Release(VkLetter('n'));
    EXPECT_EQ(EnterConfirmState, 0) << "the prompt's Enter is still armed on the quit screen";
    Tap(VK_RETURN);
    RunFrames(2);
    EXPECT_EQ(EnterConfirmState, 0) << "an Enter as she jumps in was read";
    EXPECT_EQ(GameFlow.quitFlag, 0) << "an Enter as she jumps in quit";
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step == 11; }, 64 * 5));
    Tap(VK_RETURN);
    RunFrames(2);
    EXPECT_EQ(GameFlow.quitFlag, 0) << "an Enter at the question quit";
    Press(VkLetter('y'));
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step >= 31; }, 8));
    Release(VkLetter('y'));
    EXPECT_EQ(GameFlow.quitFlag, 0);
    Tap(VK_RETURN);
    RunFrames(2);
    EXPECT_EQ(GameFlow.quitFlag, 1);
}
