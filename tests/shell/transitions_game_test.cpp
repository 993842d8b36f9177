// The whole game headless: F2 from the stage to the menu side and back, the
// end of the game after the final section, and a game over handed to the
// data reset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "platform/common/internal.h"
#include "shell/graphics.h"
#include "core/texture_tables.h"
#include "shell/reset.h"
#include "shell/transitions.h"
#include "support/game_harness.h"
#include "text/game_over.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

class StageMenuGameTest : public GameHarness {
protected:
    // Starts a game as the title's "new game" does and runs it onto the stage.
    void EnterStage() {
        StartGame();
        RunFrames(2);
        GameFlow.bootFlag = 0;
        GameFlow.phase = 901;
        // The home area's opening is over: it would hold the heroine and
        // the menu key.
        Era00StoryPhase = 3;
        RunMenuToStage(0);
        ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 400)) << "never reached the stage";
        // The boot blocks F2 until the opening scenes lift it.
        EndEveryHold();
        RunFrames(3);
    }
    // Runs one frame at a time, collecting the phase after each distinct
    // change, until pred() holds.
    template <typename Pred>
    bool RunRecordingPhases(std::vector<std::int32_t>& phases, Pred pred, int maxFrames) {
        for (int i = 0; i < maxFrames; ++i) {
            if (RunFrames(1) == 0) return false;
            if (phases.empty() || phases.back() != GameFlow.phase) phases.push_back(GameFlow.phase);
            if (pred()) return true;
        }
        return false;
    }
    static std::size_t Find(const std::string& text, const std::string& what, std::size_t from = 0) {
        return text.find(what, from);
    }
};

TEST_F(StageMenuGameTest, F2GoesToTheMenuSideAndBackToTheSamePlace) {
    EnterStage();
    PlayerState.x = 3300;
    PlayerState.facing = -1;
    ScrollX = 2900;
    RunFrames(1);
    std::vector<std::int32_t> phases = {GameFlow.phase};

    Tap(VK_F2);
    const PlayerPrevFrameRecord left = [&] {
        RunFrames(1);   // the stage frame that takes F2 ends in phase 902
        phases.push_back(GameFlow.phase);
        return PlayerPrevFrame;
    }();
    ASSERT_EQ(GameFlow.phase, 902);
    ASSERT_TRUE(RunRecordingPhases(phases, [] { return GameFlow.phase == 0; }, 400));
    EXPECT_EQ(MenuFlowState.active, 1u);

    // The in-game menu opens; then it asks to go back to the stage.
    RunFramesUntil([] { return MenuFlowState.enterStep == 4; }, 60);
    MenuFlowState.enterStep = 4;
    MenuFlowState.leaveStep = 0;
    MenuFlowState.active = 1;
    PhaseChangeRequest = 1;
    ASSERT_TRUE(RunRecordingPhases(phases, [] { return GameFlow.phase == 1; }, 400));
    EXPECT_EQ(phases, (std::vector<std::int32_t>{1, 902, 0, 901, 1}));

    // Back in the first stage frame, before any stage step has run.
    EXPECT_EQ(ScrollX, left.scrollX);
    EXPECT_EQ(PlayerState.x, left.x);
    EXPECT_EQ(PlayerState.y, left.y);
    EXPECT_EQ(PlayerState.facing, left.facing);
    EXPECT_EQ(PlayerState.pose, 0);

    const std::string log = TraceLog();
    const std::size_t toMenu = Find(log, "Stage  --> Menu");
    ASSERT_NE(toMenu, std::string::npos);
    EXPECT_NE(Find(log, "Menu   --> Stage", toMenu), std::string::npos);
}

TEST_F(StageMenuGameTest, TheEndingBeginsInTheFrameTheStageIsLeft) {
    EnterStage();
    GameFlow.endingReached = 1;
    PhaseChangeRequest = 1;
    std::vector<std::int32_t> phases;
    ASSERT_TRUE(RunRecordingPhases(phases, [] { return GameFlow.phase != 902 && GameFlow.phase != 1; }, 400));
    // 902 -> 0 -> 903 within one frame: no frame ends on the menu side, and
    // the ending has already taken its first step.
    EXPECT_EQ(phases, (std::vector<std::int32_t>{902, 903}));
    EXPECT_EQ(EndingState.state, 2);
    EXPECT_EQ(DialogueChannels.rollText, 2);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicAbsent) << "no menu pictures after the ending";

    RunFrames(5);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 0; }, 100));
    EXPECT_EQ(GameFlow.bootFlag, 1);
    EXPECT_EQ(GameFlow.endingReached, 0);
    EXPECT_EQ(PlayerState.x, 130);
    const std::string log = TraceLog();
    const std::size_t ending = Find(log, "Ending");
    ASSERT_NE(ending, std::string::npos);
    EXPECT_NE(Find(log, " Reset Data 1 ", ending), std::string::npos);
}

TEST_F(StageMenuGameTest, AGameOverEndsInTheFullReset) {
    frameStep = 0.05;
    EnterStage();
    ASSERT_EQ(GsFlags[kGsMenu], kGraphicAbsent);
    const std::size_t madeFrom = plat::detail::PictureMakings().size();
    PlayerState.hp = 0;
    bool reset = false;
    double menuAskedAt = -1;
    for (int i = 0; i < 3000 && !reset; ++i) {
        // Y answers the prompt (a letter's flag lasts until the next key event).
        if (i % 6 == 0) Press(VkLetter('y'));
        if (i % 6 == 1) Release(VkLetter('y'));
        RunFrames(1);
        if (menuAskedAt < 0 && GsFlags[kGsMenu] != kGraphicAbsent) menuAskedAt = plat::TimerGetTime();
        reset = GameFlow.phase == 0 && GameFlow.bootFlag == 1 && ResetStep == 99;
    }
    ASSERT_TRUE(reset) << "phase " << GameFlow.phase << ", game-over step " << GameOverState.step;
    // The menu's pictures were made while she fell, before the menu asked
    // for them.
    const double madeAt = FirstMakingOfSlot(kGraphicSets[kGsMenu].createSlots[0], madeFrom);
    EXPECT_GE(madeAt, 0.0);
    EXPECT_LT(madeAt, menuAskedAt);
    EXPECT_EQ(GameFlowExtra.gameOverReturn, 1) << "the title load screen is told of the game over";
    EXPECT_EQ(PlayerState.hp, 100);
    EXPECT_EQ(GameFlow.gameOverRunning, 0);
    const std::string log = TraceLog();
    const std::size_t gameOver = Find(log, "Gameover");
    ASSERT_NE(gameOver, std::string::npos);
    EXPECT_NE(Find(log, " Reset Data 1 ", gameOver), std::string::npos);
}

}  // namespace
