// The frame driver: the fixed stage step on the game clock, the phase
// machine's changes and the per-frame bookkeeping.
#include "areas/era00_era01/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "shell/reset.h"
#include "shell/transitions.h"
#include "support/game_harness.h"
#include "text/menu_state.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ShellCoreFrameDriver : public GameHarness {
protected:
    // Starts the game and puts it on the stage, as a started game would be.
    void StartOnStage() {
        StartGame();
        RunFrames(2);
        GameFlow.phase = 1;
        GameFlow.bootFlag = 0;
        EndEveryHold();   // the boot holds the menu key until a game starts
        Era00AreaFlag = 1;
        Era00StoryPhase = 3;  // past the opening, which would take the menu key again
    }
    // Runs frames and tells, per frame, whether a stage step ran ('S') or not
    // ('.'): a step stamps the time of the last step.
    std::string StepPattern(int frames) {
        std::string pattern;
        for (int i = 0; i < frames; ++i) {
            const double before = GameClock.lastStepTime;
            RunFrames(1);
            pattern += GameClock.lastStepTime != before ? 'S' : '.';
        }
        return pattern;
    }
};

TEST_F(ShellCoreFrameDriver, FramesFartherApartThanAStepStepEveryFrame) {
    frameStep = 0.03;
    StartOnStage();
    RunFrames(2);
    EXPECT_EQ(StepPattern(12), "SSSSSSSSSSSS");
    EXPECT_NEAR(GameClock.stepLength, 0.03, 1e-9);
}

TEST_F(ShellCoreFrameDriver, FastFramesStepEverySecondFrame) {
    frameStep = 1.0 / 128.0;   // two frames make 0.0156 s > 0.014 s; one does not
    StartOnStage();
    RunFrames(3);
    const std::string pattern = StepPattern(12);
    EXPECT_TRUE(pattern == "S.S.S.S.S.S." || pattern == ".S.S.S.S.S.S") << pattern;
    EXPECT_NEAR(GameClock.stepLength, 2.0 / 128.0, 1e-9);
}

TEST_F(ShellCoreFrameDriver, ALongStallRunsOneStepNotACatchUp) {
    frameStep = 0.5;
    StartOnStage();
    RunFrames(2);
    EXPECT_EQ(StepPattern(4), "SSSS");
}

TEST_F(ShellCoreFrameDriver, AClockThatWentBackRestartsTheStepTiming) {
    frameStep = 0.03;
    StartOnStage();
    RunFrames(2);
    // A load set a new play start: the last step now lies in the future.
    GameClock.lastStepTime = GameClock.gameClock + 100.0;
    RunFrames(1);
    EXPECT_LE(GameClock.lastStepTime, GameClock.gameClock);
    EXPECT_EQ(StepPattern(3), "SSS");
}

// The clock runs on while the stage stands (a game over, the title and a new
// game): the stage's first step after it is timed from its return, or it
// carried a jump in flight through the whole minute (150,000 px).
TEST_F(ShellCoreFrameDriver, TimeTheStageStoodIsNotOneLongStep) {
    frameStep = 1.0 / 64.0;
    StartOnStage();
    RunFrames(2);
    GameClock.lastStepTime = GameClock.gameClock - 60.0;
    for (int i = 0; i < 4; ++i) {
        RunFrames(1);
        EXPECT_LT(GameClock.stepLength, 0.05) << "frame " << i;
    }
}

// The way back from the menu stands the stage for half a second: the steps
// after it are frames long, or a dash under way went 650 px in one step.
TEST_F(ShellCoreFrameDriver, TheWayBackFromTheMenuIsNotOneLongStep) {
    frameStep = 1.0 / 64.0;
    StartOnStage();
    RunFrames(2);
    GameFlow.phase = 901;
    RunMenuToStage(0);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
    for (int i = 0; i < 4; ++i) {
        RunFrames(1);
        EXPECT_LT(GameClock.stepLength, 0.05) << "frame " << i;
    }
}

TEST_F(ShellCoreFrameDriver, TheGameClockCarriesSavedTimeAndFollowsTheTextPass) {
    frameStep = 0.25;
    StartGame();
    RunFrames(4);
    GameClock.carriedTime = 100.0;
    GameClock.playStart = GameClock.realTime;
    RunFrames(1);
    // One frame later: the real time the previous text pass stored.
    EXPECT_NEAR(GameClock.gameClock, 100.0, 1e-9);
    RunFrames(1);
    EXPECT_NEAR(GameClock.gameClock, 100.25, 1e-9);
}

TEST_F(ShellCoreFrameDriver, EveryStageFrameCopiesTheHeroinesPlace) {
    frameStep = 1.0 / 128.0;
    StartOnStage();
    RunFrames(1);
    for (int i = 0; i < 2; ++i) {   // a frame with a step and one without
        RunFrames(1);
        EXPECT_EQ(PlayerPrevFrame.x, PlayerState.x);
        EXPECT_EQ(PlayerPrevFrame.y, PlayerState.y);
        EXPECT_EQ(PlayerPrevFrame.facing, PlayerState.facing);
        EXPECT_EQ(PlayerPrevFrame.scrollX, ScrollX);
    }
}

TEST_F(ShellCoreFrameDriver, ARequestOnTheStageLeavesForTheMenuInTheSameFrame) {
    StartOnStage();
    RunFrames(2);
    Tap(VK_F2);
    RunFrames(1);
    EXPECT_NE(GameFlow.phase, 1);
    EXPECT_EQ(PhaseChangeRequest, 0);
    // The transition ran its first step in that frame already.
    EXPECT_NE(TraceLog().find("Stage  --> Menu  \n"), std::string::npos);
}

TEST_F(ShellCoreFrameDriver, TheStageIsEnteredWithoutAStepInTheSameFrame) {
    frameStep = 0.03;
    StartOnStage();
    RunFrames(2);
    GameFlow.phase = 901;
    RunMenuToStage(0);
    double lastStep = GameClock.lastStepTime;
    bool entered = false;
    for (int i = 0; i < 600 && !entered; ++i) {
        lastStep = GameClock.lastStepTime;
        RunFrames(1);
        entered = GameFlow.phase == 1;
    }
    ASSERT_TRUE(entered);
    // Phase 1 is reached after the stage step's place in the frame.
    EXPECT_EQ(GameClock.lastStepTime, lastStep);
    EXPECT_EQ(StepPattern(1), "S");
}

TEST_F(ShellCoreFrameDriver, TheMenuSideServesARequestOnlyFromAnOpenMenu) {
    StartGame();
    RunFrames(2);
    GameFlow.bootFlag = 0;
    MenuFlowState.active = 0;
    PhaseChangeRequest = 1;
    RunFrames(1);
    EXPECT_EQ(GameFlow.phase, 0);
    EXPECT_EQ(PhaseChangeRequest, 1);
}

TEST_F(ShellCoreFrameDriver, NoHitPointsStartTheGameOverOnAnySide) {
    StartGame();
    RunFrames(2);
    ASSERT_EQ(GameFlow.phase, 0);
    PlayerState.hp = 0;
    RunFrames(1);
    EXPECT_EQ(GameFlow.gameOverRunning, 1);
    EXPECT_NE(TraceLog().find("Gameover        \n"), std::string::npos);
}

TEST_F(ShellCoreFrameDriver, TheEndOfAGameResetsAndBootsAgain) {
    StartOnStage();
    RunFrames(2);
    SaveSpotFlag = 0;
    Era03Fighter.x = 5;
    GameFlow.phase = 903;
    GameFlow.endSubStep = 2;
    ResetGameData(0);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 0; }, 600));
    EXPECT_EQ(GameFlow.bootFlag, 1);
    EXPECT_EQ(GameFlowExtra.firstFrameDone, 0);
    EXPECT_EQ(SaveSpotFlag, 1);
    // The next frame initialises again, as the first frame of a run does.
    RunFrames(1);
    EXPECT_EQ(GameFlowExtra.firstFrameDone, 1);
    EXPECT_EQ(Era03Fighter.x, 60300);
    EXPECT_EQ(Era03Fighter.pose, 0);
}

TEST_F(ShellCoreFrameDriver, HeldItemsAreMarkedOwnedAndStaySo) {
    StartGame();
    RunFrames(1);
    ItemCounts[2] = 3;
    RunFrames(1);
    EXPECT_EQ(ItemOwnedFlags[2], 1);
    EXPECT_EQ(ItemOwnedFlags[0], 0);
    ItemCounts[2] = 0;
    RunFrames(1);
    EXPECT_EQ(ItemOwnedFlags[2], 1);
}

TEST_F(ShellCoreFrameDriver, FirstFrameSetsTheCollectingGameAndTheRequestWords) {
    StartGame();
    RunFrames(1);
    EXPECT_EQ(GameFlowExtra.firstFrameDone, 1);
    for (const auto& object : CollectGameObjects) {
        EXPECT_EQ(object.state, 1);
        EXPECT_EQ(object.frame, 128);
        EXPECT_EQ(object.x, 250);
        EXPECT_EQ(object.y, 250);
    }
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(TitleFigureSlots.figure[n].frame, 0);
        EXPECT_EQ(TitleFigureSlots.figure[n].colour, 0xFFFFFFFFu);
    }
}

}  // namespace
