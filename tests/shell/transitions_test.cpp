// The stage/menu transitions and the area switch, driven step by step with
// the texture creation step stood in for by ServeRequests.
#include <gtest/gtest.h>

#include <string>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "shell/graphics.h"
#include "shell/save_dir_fixture.h"
#include "shell/transitions.h"
#include "text/menu_state.h"
#include "text/menu.h"
#include "support/test_hold.h"

namespace {

class TransitionTest : public SaveDirTest {
protected:
    // The area switch follows the stage's camera: the game is on the stage.
    void SetUp() override {
        SaveDirTest::SetUp();
        GameFlow.phase = 1;
    }
    // What the creation step does for the tests: every pending request is
    // served.
    static void ServeRequests() {
        for (std::uint32_t& w : GsFlags)
            if (w == kGraphicRequested) w = kGraphicLoaded;
        for (std::uint32_t& w : TextureFlags)
            if (w == kGraphicRequested) w = kGraphicLoaded;
    }
    // Steps a transition like the frame driver: one call and one creation
    // step per frame; returns the frames taken (0 when it never finished).
    template <typename Step>
    static int RunToEnd(Step step, int maxFrames = 50) {
        for (int frame = 1; frame <= maxFrames; ++frame) {
            GameClock.realTime += 1.0 / 64.0;
            if (step(1) == 99) return frame;
            ServeRequests();
        }
        return 0;
    }
};

TEST_F(TransitionTest, StageToMenuAndBackPutsTheHeroineWhereSheWas) {
    Era01AreaFlag = 1;
    GsFlags[kGsStage1] = kGraphicLoaded;
    GsFlags[kEra01Set] = kGraphicLoaded;
    TextureFlags[49] = kGraphicLoaded;
    ScrollX = 8200;
    PlayerState.x = 8650;
    PlayerState.y = 560;
    PlayerState.facing = -1;
    PlayerState.pose = 9;
    PlayerPrevFrame = {ScrollX, PlayerState.x, PlayerState.y, PlayerState.facing};
    PlayerTint = 0xFF808080u;
    HoldForTest(kHoldKeys);

    RunStageToMenu(0);
    ASSERT_GT(RunToEnd(RunStageToMenu), 0);
    EXPECT_EQ(GsFlags[kGsStage1], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kEra01Set], kGraphicAbsent);
    EXPECT_EQ(TextureFlags[49], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicLoaded);
    EXPECT_EQ(MenuFlowState.active, 1u);
    EXPECT_EQ(MenuFlowState.enterStep, 1u);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(PlayerTint, 0xFFFFFFFFu);
    EXPECT_EQ(PlayerState.pose, 0);

    // The menu moves the figure and the view about.
    ScrollX = 0;
    PlayerState.x = 100;
    PlayerState.y = 450;
    PlayerState.facing = 1;
    PlayerState.pose = 22;

    RunMenuToStage(0);
    ASSERT_GT(RunToEnd(RunMenuToStage), 0);
    EXPECT_EQ(ScrollX, 8200);
    EXPECT_EQ(PlayerState.x, 8650);
    EXPECT_EQ(PlayerState.y, 560);
    EXPECT_EQ(PlayerState.facing, -1);
    EXPECT_EQ(PlayerState.pose, 0);
    EXPECT_EQ(PlayerTint, 0xFF808080u);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kGsLoading], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kEra01Set], kGraphicLoaded);
    EXPECT_EQ(MenuElementWords.loadingScreenFrame, 0);
    EXPECT_EQ(MenuFlowState.hudUpdateOn, 1u);
    EXPECT_EQ(HudState.gaugeShown, 1);
    EXPECT_EQ(WalkingEnemyDrawFlags[2], 1);

    const std::string log = TraceLog();
    const std::size_t toMenu = log.find("Stage  --> Menu");
    const std::size_t toStage = log.find("Menu   --> Stage");
    ASSERT_NE(toMenu, std::string::npos);
    ASSERT_NE(toStage, std::string::npos);
    EXPECT_LT(toMenu, toStage);
}

TEST_F(TransitionTest, TheLoadingPictureStaysUpForFourTenthsOfASecond) {
    Era02AreaFlag = 1;
    RunMenuToStage(0);
    GameClock.realTime = 10.0;
    int frames = 0;
    double readyAt = 0;
    while (RunMenuToStage(1) != 99 && frames < 200) {
        if (readyAt == 0 && TransitionState.menuToStage == 4) readyAt = GameClock.realTime;
        ServeRequests();
        GameClock.realTime += 0.05;
        ++frames;
    }
    ASSERT_EQ(TransitionState.menuToStage, 99);
    EXPECT_GE(GameClock.realTime - readyAt, 0.4);
    EXPECT_EQ(GsFlags[kGsD042], kGraphicLoaded);
}

TEST_F(TransitionTest, LeavingAfterTheEndingSkipsTheMenuPictures) {
    Era04AreaFlag = 1;
    GsFlags[kGsStage2] = kGraphicLoaded;
    GsFlags[kEra04Set] = kGraphicLoaded;
    GameFlow.endingReached = 1;
    RunStageToMenu(0);
    ASSERT_GT(RunToEnd(RunStageToMenu), 0);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kEra04Set], kGraphicAbsent);
    EXPECT_EQ(MenuFlowState.active, 1u);
}

TEST_F(TransitionTest, WithNoActiveAreaTheStageSideWaits) {
    RunStageToMenu(0);
    EXPECT_EQ(RunToEnd(RunStageToMenu, 20), 0);
    EXPECT_EQ(TransitionState.stageToMenu, 2);
}

TEST_F(TransitionTest, ThePlayStartsInEra00AndEra01FollowsItsStory) {
    ScrollX = 0;
    EXPECT_EQ(UpdateEraSwitch(), 99);
    EXPECT_EQ(Era00AreaFlag, 1);
    EXPECT_EQ(UpdateEraSwitch(), 0);
    Era00AreaFlag = 2;   // the home area's story leaves it
    EXPECT_EQ(UpdateEraSwitch(), 99);
    EXPECT_EQ(Era01AreaFlag, 1);
}

TEST_F(TransitionTest, Era01StaysActiveUntilTheEra02PicturesAreIn) {
    Era01AreaFlag = 1;
    GsFlags[kEra01Set] = kGraphicLoaded;
    ScrollX = Era01Anchor55 + 501;
    EXPECT_EQ(UpdateEraSwitch(), 0);
    EXPECT_EQ(Era01AreaFlag, 1);
    EXPECT_EQ(GsFlags[kEra01Set], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kGsD042], kGraphicRequested);
    EXPECT_EQ(UpdateEraSwitch(), 0);
    EXPECT_EQ(Era02AreaFlag, 0);
    ServeRequests();
    EXPECT_EQ(UpdateEraSwitch(), 99);
    EXPECT_EQ(Era01AreaFlag, 0);
    EXPECT_EQ(Era02AreaFlag, 1);
    UpdateEraSwitch();
    const std::string log = TraceLog();
    const std::size_t first = log.find("Era01 --> Era02");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("Era01 --> Era02", first + 1), std::string::npos) << "written once";

    // Walking back: Era02 is left (2) once the Era01 pictures are in again.
    ScrollX = Era01Anchor55 + 400;
    UpdateEraSwitch();
    EXPECT_EQ(GsFlags[kGsD042], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kEra01Set], kGraphicRequested);
    ServeRequests();
    EXPECT_EQ(UpdateEraSwitch(), 99);
    EXPECT_EQ(Era01AreaFlag, 1);
    EXPECT_EQ(Era02AreaFlag, 2);
    EXPECT_NE(TraceLog().find("Era02 --> Era01"), std::string::npos);
}

TEST_F(TransitionTest, TheMenuSidesViewSwitchesNoArea) {
    // The menu over the stage, and the title's and the menu's loads in the
    // frame between the slot's read and the heroine's view put back: the
    // view at ScrollX 0 is the menu's own.
    struct Row {
        std::int32_t* flag;
        std::int32_t phase;
        std::uint32_t frozen;
    };
    const Row rows[] = {{&Era02AreaFlag, 0, 1}, {&Era04AreaFlag, 0, 1}, {&Era02AreaFlag, 901, 1},
                        {&Era02AreaFlag, 0, 0}, {&Era03AreaFlag, 0, 0}, {&Era04AreaFlag, 0, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "phase " << r.phase << " frozen " << r.frozen);
        Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era03AreaFlag = Era04AreaFlag = 0;
        *r.flag = 1;
        GsFlags[kGsD042] = GsFlags[kEra01Set] = GsFlags[kEra03Set] = kGraphicAbsent;
        GameFlow.phase = r.phase;
        StageFrozenByMenu = r.frozen;
        ScrollX = 0;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(UpdateEraSwitch(), 0);
            ServeRequests();
        }
        EXPECT_EQ(*r.flag, 1);
        EXPECT_EQ(Era00AreaFlag + Era01AreaFlag + Era02AreaFlag + Era03AreaFlag + Era04AreaFlag, 1);
        EXPECT_EQ(GsFlags[kEra01Set], kGraphicAbsent);
        EXPECT_EQ(GsFlags[kEra03Set], kGraphicAbsent);
    }
    StageFrozenByMenu = 0;
    // A new game's first frame on its way onto the stage starts play.
    Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era03AreaFlag = Era04AreaFlag = 0;
    GameFlow.phase = 901;
    EXPECT_EQ(UpdateEraSwitch(), 99);
    EXPECT_EQ(Era00AreaFlag, 1);
}

TEST_F(TransitionTest, Era03IsEnteredOnlyAfterTheTournament) {
    Era02AreaFlag = 1;
    ScrollX = Era02Anchor1 + 2808;
    TournamentState.state = 4;
    UpdateEraSwitch();
    EXPECT_EQ(Era03AreaFlag, 0);
    TournamentState.state = 5;
    EXPECT_EQ(UpdateEraSwitch(), 99);
    EXPECT_EQ(Era03AreaFlag, 1);
}

TEST_F(TransitionTest, Era03AndEra04SwitchBothWaysAtTheBorder) {
    Era03AreaFlag = 1;
    GsFlags[kEra03Set] = kGraphicLoaded;
    GsFlags[kGsD042] = kGraphicLoaded;
    TextureFlags[55] = kGraphicLoaded;
    ScrollX = Era03Anchor9 + 901;
    UpdateEraSwitch();
    EXPECT_EQ(Era03AreaFlag, 0);
    EXPECT_EQ(Era04AreaFlag, 1);
    EXPECT_EQ(GsFlags[kEra03Set], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kGsD042], kGraphicAbsent);
    EXPECT_EQ(TextureFlags[55], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kEra04Set], kGraphicRequested);
    ServeRequests();

    // Back below the border while the arena encounter stands at state 7.
    Era03ArenaEncounter.controllerState = 7;
    ScrollX = Era03Anchor9 + 900;
    UpdateEraSwitch();
    EXPECT_EQ(EraSwitchState, 2);
    EXPECT_EQ(Era04AreaFlag, 1) << "Era04 runs until Era03's pictures are in";
    EXPECT_EQ(GsFlags[kEra04Set], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kEra03Set], kGraphicRequested);
    EXPECT_EQ(TextureFlags[57], kGraphicRequested);
    EXPECT_EQ(TextureFlags[50], kGraphicRequested);
    EXPECT_EQ(TextureFlags[55], kGraphicAbsent);
    ServeRequests();
    UpdateEraSwitch();
    EXPECT_EQ(Era03AreaFlag, 1);
    EXPECT_EQ(Era04AreaFlag, 0);
    EXPECT_EQ(EraSwitchState, 0);
}

}  // namespace

namespace {

// The way back to the stage stops the menu's walking figures, which the
// overlay pass would go on drawing over the stage; the catching game's
// objects, drawn through the same records, stay.
TEST_F(TransitionTest, TheWayBackToTheStageStopsTheMenusFigures) {
    struct Row {
        const char* name;
        std::uint32_t menuArmed;
        std::int32_t framesAfter;
    };
    const Row rows[] = {{"the menu's figures", 1, 0}, {"the catching game's objects", 0, 2}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        MenuFlowState.figureOpen1 = MenuFlowState.figureOpen2 = MenuFlowState.figureOpen3 = r.menuArmed;
        MenuFlowState.figureOpen4 = MenuFlowState.figureOpen5 = r.menuArmed;
        for (int n = 1; n <= 4; ++n) TitleFigureSlots.figure[n].frame = 2;
        Era01AreaFlag = 1;
        RunMenuToStage(0);
        RunMenuToStage(1);
        for (int n = 1; n <= 4; ++n) EXPECT_EQ(TitleFigureSlots.figure[n].frame, r.framesAfter) << "figure " << n;
    }
}

}  // namespace
