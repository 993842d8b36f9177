// The screens' own rules, stepped frame by frame on a hand-driven clock:
// title cursor and walks, the quit prompt, the equipment and technique
// lists, the item screen and the title figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "areas/era00_era01/records.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr double kFrame = 1.0 / 64.0;

class MenuScreens : public ::testing::Test {
protected:
    void SetUp() override {
        GameClock.realTime = 100.0;
        SeedRandom(7);
    }
    // Steps `frames` frames of `step`, advancing the real-time clock first.
    template <typename Step>
    void Run(int frames, Step step) {
        for (int i = 0; i < frames; ++i) {
            GameClock.realTime += kFrame;
            step();
        }
    }
    template <typename Step>
    void RunSeconds(double seconds, Step step) {
        Run(static_cast<int>(seconds / kFrame) + 1, step);
    }
    template <typename Step, typename Pred>
    bool RunUntil(Step step, Pred pred, int maxFrames) {
        for (int i = 0; i < maxFrames; ++i) {
            GameClock.realTime += kFrame;
            step();
            if (pred()) return true;
        }
        return false;
    }
};

// ------------------------------------------------------------------ title
class TitleScreen : public MenuScreens {
protected:
    static void Step() { RunTitleScreen(1); }
};

TEST_F(TitleScreen, AKeyDuringTheDropInMovesTheCursorAtOnceAndTheWalkWaitsForTheLanding) {
    EXPECT_EQ(RunTitleScreen(0), 1);
    Run(3, Step);
    ASSERT_LT(TitleScreenState.step, 6);
    KeyRightPressed = 1;
    Run(1, Step);
    EXPECT_EQ(TitleScreenState.cursor, 2);
    EXPECT_EQ(KeyRightPressed, 0);
    EXPECT_EQ(MenuElementWords.titleChoiceLabel, 2);
    EXPECT_EQ(MenuElementWords.titleChoiceShown, 1);
    EXPECT_EQ(TitleScreenState.walk, 0) << "she is still in the air";
    ASSERT_TRUE(RunUntil(Step, [] { return TitleScreenState.step == 6; }, 200));
    ASSERT_TRUE(RunUntil(Step, [] { return TitleScreenState.walk != 0; }, 5));
    ASSERT_TRUE(RunUntil(Step, [] { return TitleScreenState.station == 2; }, 60));
    EXPECT_EQ(PlayerState.x, 478);
}

TEST_F(TitleScreen, KeysPastTheEndsAreLeftSetAndChangeNothing) {
    RunTitleScreen(0);
    Run(2, Step);
    KeyLeftPressed = 1;
    Run(1, Step);
    EXPECT_EQ(TitleScreenState.cursor, 1);
    EXPECT_EQ(KeyLeftPressed, 1);
    KeyLeftPressed = 0;
    for (int i = 0; i < 2; ++i) {
        KeyRightPressed = 1;
        Run(1, Step);
    }
    KeyRightPressed = 1;
    Run(1, Step);
    EXPECT_EQ(TitleScreenState.cursor, 3);
    EXPECT_EQ(KeyRightPressed, 1);
    EXPECT_EQ(MenuSpriteParams.titleChoiceVariant, 2);
}

TEST_F(TitleScreen, TheSeatedRoutineStandsUpWhenAKeyIsPressed) {
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 0;
    RunTitleScreen(0);
    ASSERT_TRUE(RunUntil(Step, [] { return TitleScreenState.step == 6 && TitleScreenState.idle == 2; }, 200));
    RunSeconds(7.0, Step);
    EXPECT_GE(TitleScreenState.idleSub, 1) << "she sways while seated";
    EXPECT_EQ(PlayerState.y, 646);
    KeyRightPressed = 1;
    Run(1, Step);
    EXPECT_EQ(TitleScreenState.cursor, 2);
    // The stand-up is cut short by the walk to the next entry.
    ASSERT_TRUE(RunUntil(Step, [] { return TitleScreenState.walk == 11; }, 3));
    EXPECT_EQ(PlayerState.y, 600);
}

TEST_F(TitleScreen, CrystalsPulseBetweenTheirBoundsAndTheMushroomBlinks) {
    RunTitleScreen(0);
    bool sawFrame3 = false;
    // The first rise from the dark start takes about 2.4 s.
    Run(64 * 3, [] { RunTitleScreen(1); });
    std::uint32_t lowest = 0xFFFFFFFFu, highest = 0;
    Run(64 * 6, [&] {
        RunTitleScreen(1);
        const std::uint32_t c = TitleScreenSprite.colour[1];
        lowest = c < lowest ? c : lowest;
        highest = c > highest ? c : highest;
        sawFrame3 = sawFrame3 || TitleScreenSprite.mushroomFrame == 3;
        ASSERT_GE(TitleScreenSprite.mushroomFrame, 1);
        ASSERT_LE(TitleScreenSprite.mushroomFrame, 3);
    });
    EXPECT_EQ(highest, 0xFFFFFFFFu);
    EXPECT_EQ(lowest, 0xFF333333u);
    EXPECT_TRUE(sawFrame3);
}

TEST_F(TitleScreen, ResetMenuFlagsClearsOnlyItsGroup) {
    MenuElementWords.element[25] = 1;
    MenuElementWords.loadingScreenFrame = 3;
    PlayerFigureShown = 1;
    MenuFlowState.hudUpdateOn = 1;
    EXPECT_EQ(ResetMenuFlags(2), 2);
    EXPECT_EQ(MenuFlowState.hudUpdateOn, 0u);
    EXPECT_EQ(MenuElementWords.element[25], 1);
    EXPECT_EQ(PlayerFigureShown, 1u);
    ResetMenuFlags(1);
    EXPECT_EQ(MenuElementWords.element[25], 0);
    EXPECT_EQ(MenuElementWords.loadingScreenFrame, 3);
    ResetMenuFlags(0);
    EXPECT_EQ(MenuElementWords.loadingScreenFrame, 0);
    EXPECT_EQ(PlayerFigureShown, 0u);
    EXPECT_EQ(ResetMenuFlags(7), 7);
}

// ------------------------------------------------------------------- quit
class QuitScreen : public MenuScreens {
protected:
    std::int32_t result = 0;
    void Step() { result = RunQuitScreen(1); }
    void ToPrompt() {
        RunQuitScreen(0);
        ASSERT_TRUE(RunUntil([&] { Step(); }, [] { return QuitScreenState.step == 11; }, 400));
    }
};

TEST_F(QuitScreen, AnswersGivenBeforeThePromptAreForgotten) {
    RunQuitScreen(0);
    KeyNPressed = 1;
    ASSERT_TRUE(RunUntil([&] { Step(); }, [] { return QuitScreenState.step == 11; }, 400));
    EXPECT_EQ(KeyNPressed, 0);
    Run(10, [&] { Step(); });
    EXPECT_EQ(QuitScreenState.step, 11);
    EXPECT_EQ(DialogueChannels.promptLine, 1);
}

// Only an Enter after the answer yes closes the game: one pressed as she
// jumps in or lands, at the question or after no is no answer, whatever the
// screen that opened this one left armed (the game over's prompt leaves
// Enter waiting, and such an Enter closed the game unasked).
TEST_F(QuitScreen, AnEnterBeforeTheAnswerYesIsNoAnswer) {
    GameFlow.quitFlag = 0;
    for (const std::int32_t at : {2, 6, 11, 21}) {
        SCOPED_TRACE(at);
        RunQuitScreen(0);
        EnterConfirmState = 1;
        KeyNPressed = 0;
        ASSERT_TRUE(RunUntil([&] {
            if (QuitScreenState.step == 11 && at == 21) KeyNPressed = 1;
            Step();
        }, [at] { return QuitScreenState.step == at; }, 400));
        EnterConfirmState = 2;
        Step();
        EXPECT_EQ(GameFlow.quitFlag, 0);
    }
    ToPrompt();
    KeyYPressed = 1;
    Step();
    EnterConfirmState = 2;
    Step();
    EXPECT_EQ(GameFlow.quitFlag, 1);
}

TEST_F(QuitScreen, NoInWeaponModeTwoReturnsAfterItsNod) {
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    ToPrompt();
    KeyNPressed = 1;
    EnterConfirmState = 0;
    Step();
    EXPECT_EQ(QuitScreenState.step, 21);
    bool sawThanks = false;
    int frames = 0;
    while (result != 98 && frames < 400) {
        GameClock.realTime += kFrame;
        Step();
        sawThanks = sawThanks || DialogueChannels.promptLine == 10;
        ++frames;
    }
    EXPECT_EQ(result, 98);
    EXPECT_TRUE(sawThanks);
    EXPECT_NEAR(frames * kFrame, 1.3, 0.1);
    EXPECT_EQ(DialogueChannels.promptLine, 0);
    EXPECT_EQ(GameFlow.quitFlag, 0);
    Run(3, [&] { Step(); });
    EXPECT_EQ(result, 98) << "it keeps answering until armed again";
}

TEST_F(QuitScreen, YesPlaysTheFarewellAndEnterAtAnyMomentQuits) {
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 0;
    ToPrompt();
    KeyYPressed = 1;
    Step();
    EXPECT_EQ(EnterConfirmState, 1);
    RunSeconds(1.3, [&] { Step(); });
    EXPECT_EQ(DialogueChannels.promptLine, 0) << "between the farewell's lines";
    EXPECT_EQ(GameFlow.quitFlag, 0);
    EnterConfirmState = 2;
    Step();
    EXPECT_EQ(GameFlow.quitFlag, 1);
    EXPECT_EQ(result, 1);
}

// -------------------------------------------------------------- equipment
class EquipmentScreen : public MenuScreens {
protected:
    void SetUp() override {
        MenuScreens::SetUp();
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        PlayerPrevFrame.x = 5000;
        MenuFlowState.equipmentOpen = 1;
        MenuFlowState.equipmentStart = 1;
        MenuFlowState.equipmentIntro = 0;
        ASSERT_TRUE(RunUntil(Step, [] { return MenuFlowState.equipmentIntro == 6; }, 400));
        Run(2, Step);
        ASSERT_EQ(EquipmentScreenState.cursor, 1);
    }
    static void Step() { UpdateEquipmentScreen(); }
    void Key(std::int32_t& flag) {
        flag = 1;
        Run(1, Step);
    }
    void ToEquipmentRow(int row) {
        Key(KeyRightPressed);
        ASSERT_EQ(EquipmentScreenState.page, 2);
        while (EquipmentScreenState.cursor < row) Key(KeyDownPressed);
        ASSERT_EQ(EquipmentScreenState.cursor, row);
    }
    // Enter on the armed switch, then the change's wait.
    void ConfirmSwitch() {
        ASSERT_EQ(EnterConfirmState, 1);
        EnterConfirmState = 2;
        Run(1, Step);
        RunSeconds(1.4, Step);
    }
};

TEST_F(EquipmentScreen, RightFlipsThePageOnlyFromTheHeadingRow) {
    EXPECT_EQ(MenuSpriteParams.actionListX, 303);
    Key(KeyDownPressed);
    Key(KeyRightPressed);
    EXPECT_EQ(EquipmentScreenState.page, 1);
    Key(KeyUpPressed);
    Key(KeyRightPressed);
    EXPECT_EQ(EquipmentScreenState.page, 2);
    EXPECT_EQ(MenuSpriteParams.actionListX, 503);
    EXPECT_EQ(MenuSpriteParams.equipListX, 303);
    EXPECT_EQ(EquipmentScreenState.cursor, 1);
}

TEST_F(EquipmentScreen, DownSkipsToLearnedMovesAndUpComesBack) {
    for (int i = 0; i < 12; ++i) Key(KeyDownPressed);
    EXPECT_EQ(EquipmentScreenState.cursor, 10) << "nothing learned below row 10";
    LearnedMoveG = 1;
    Key(KeyDownPressed);
    EXPECT_EQ(EquipmentScreenState.cursor, 13);
    EXPECT_EQ(MenuElementWords.element[24], 2);
    EXPECT_EQ(MenuElementWords.rowMarker[12], 2);
    Key(KeyUpPressed);
    EXPECT_EQ(EquipmentScreenState.cursor, 10);
}

TEST_F(EquipmentScreen, TheSecondOutfitClearsTheWornPieceOnlyThroughItsOwnRow) {
    EquipmentFlags.acquiredA = 1;
    EquipmentFlags.acquiredB = 1;
    EquipmentFlags.worn = 1;
    ToEquipmentRow(4);
    EXPECT_EQ(EquipTextNo, 3u);
    ConfirmSwitch();
    EXPECT_EQ(PlayerState.weaponMode2, 1);
    EXPECT_EQ(PlayerState.weaponMode1, 0);
    EXPECT_EQ(EquipmentFlags.worn, 0);
    EXPECT_EQ(MoveQEnabled, 1);

    // Back to the first outfit through row 2 clears the worn word too, but
    // arriving there through row 2 with it worn leaves it.
    // Leaving it through row 2 clears the worn word; entering it through
    // row 2 leaves the word alone.
    Key(KeyUpPressed);
    Key(KeyUpPressed);
    ASSERT_EQ(EquipmentScreenState.cursor, 2);
    EquipmentFlags.worn = 1;
    ConfirmSwitch();
    EXPECT_EQ(PlayerState.weaponMode1, 1);
    EXPECT_EQ(EquipmentFlags.worn, 0);
    EquipmentFlags.worn = 1;
    ConfirmSwitch();
    EXPECT_EQ(PlayerState.weaponMode2, 1);
    EXPECT_EQ(EquipmentFlags.worn, 1);
}

TEST_F(EquipmentScreen, OutfitsAreRefusedNearTheEndButTheWornPieceStillChanges) {
    EquipmentFlags.acquiredA = 1;
    EquipmentFlags.acquiredB = 1;
    PlayerPrevFrame.x = 77281 - 150;
    ToEquipmentRow(2);
    EXPECT_EQ(EquipStateText, 5u);
    EXPECT_EQ(EnterConfirmState, 0) << "Enter is not taken";
    Key(KeyDownPressed);
    ASSERT_EQ(EquipmentScreenState.cursor, 3);
    ConfirmSwitch();
    EXPECT_EQ(EquipmentFlags.worn, 1);
    EXPECT_EQ(MoveQEnabled, 1);
}

TEST_F(EquipmentScreen, MovingTheCursorCancelsAPendingSwitch) {
    EquipmentFlags.acquiredB = 1;
    ToEquipmentRow(2);
    EnterConfirmState = 2;
    Run(1, Step);
    Run(10, Step);
    EXPECT_EQ(MenuElementWords.element[32], 3) << "the switch runs";
    Key(KeyUpPressed);
    RunSeconds(2.0, Step);
    EXPECT_EQ(PlayerState.weaponMode1, 1);
    EXPECT_EQ(PlayerState.weaponMode2, 0);
}

TEST_F(EquipmentScreen, TheAttackRowDemonstratesItsPosesInALoop) {
    for (int i = 0; i < 9; ++i) Key(KeyDownPressed);
    ASSERT_EQ(EquipmentScreenState.cursor, 10);
    std::vector<std::int32_t> poses;
    Run(64 * 2, [&] {
        UpdateEquipmentScreen();
        if (poses.empty() || poses.back() != PlayerState.pose) poses.push_back(PlayerState.pose);
    });
    // 19, 20, 21, 22, then again from 19: each pose of the attack in turn.
    ASSERT_GE(poses.size(), 5u);
    const std::size_t at = std::find(poses.begin(), poses.end(), 19) - poses.begin();
    ASSERT_LT(at + 4, poses.size());
    EXPECT_EQ((std::vector<std::int32_t>(poses.begin() + at, poses.begin() + at + 5)),
              (std::vector<std::int32_t>{19, 20, 21, 22, 19}));
    EXPECT_EQ(PlayerState.y, 450);
    EXPECT_EQ(PlayerState.x, 138);
}

TEST_F(EquipmentScreen, F2LeavesAfterTheHeadingsDelayAndRebuildsTheMenu) {
    PhaseChangeRequest = 1;
    Run(1, Step);
    EXPECT_EQ(PhaseChangeRequest, 0);
    EXPECT_EQ(MenuElementWords.element[26], 2);
    ASSERT_TRUE(RunUntil(Step, [] { return MenuFlowState.equipmentOpen == 0; }, 64));
    EXPECT_EQ(MenuFlowState.active, 1u);
    EXPECT_EQ(MenuFlowState.enterStep, 3u);
    EXPECT_EQ(MenuElementWords.element[26], 0);
    EXPECT_EQ(MenuElementWords.rowMarker[1], 0);
}

// ------------------------------------------------------------------ items
class ItemScreen : public MenuScreens {
protected:
    void Open() {
        MenuFlowState.itemOpen = 1;
        MenuFlowState.itemIntro = 0;
        ASSERT_TRUE(RunUntil(Step, [] { return MenuFlowState.itemIntro == 6; }, 400));
    }
    static void Step() {
        for (int k = 0; k < 5; ++k)
            if (ItemCounts[k] != 0) ItemOwnedFlags[k] = 1;
        UpdateItemScreen();
        SplitItemCountDigits();
    }
    void Key(std::int32_t& flag) {
        flag = 1;
        Run(1, Step);
    }
};

TEST_F(ItemScreen, NoItemHeldKeepsTheCursorOnTheHeading) {
    Open();
    Run(1, Step);
    EXPECT_EQ(ItemTextNo, 9u);
    Key(KeyDownPressed);
    EXPECT_EQ(MenuFlowState.itemCursor, 0u);
    EXPECT_EQ(MenuElementWords.element[45], 0);
}

TEST_F(ItemScreen, HealingStopsAtMaximumAndAFullHeroineIsRefused) {
    ItemCounts[1] = 2;   // item 2: 40 HP
    ItemCounts[4] = 1;
    PlayerState.maxHp = 100;
    PlayerState.hp = 90;
    Open();
    Key(KeyDownPressed);
    ASSERT_EQ(MenuFlowState.itemCursor, 2u) << "item 1 is not owned";
    EXPECT_EQ(ItemTextNo, 2u);
    EXPECT_EQ(ItemUsable, 1u);
    ASSERT_EQ(EnterConfirmState, 1);
    EnterConfirmState = 2;
    Run(1, Step);
    EXPECT_EQ(PlayerState.hp, 100);
    EXPECT_EQ(ItemCounts[1], 1u);
    EXPECT_EQ(MenuElementWords.element[37], 3);
    EXPECT_EQ(CounterDigits.row[2].digit[1], 1);
    Run(1, Step);
    EXPECT_EQ(ItemUsable, 2u);
    EXPECT_EQ(EnterConfirmState, 0);
    // Enter on a refused item takes nothing.
    EnterConfirmState = 2;
    Run(1, Step);
    EXPECT_EQ(ItemCounts[1], 1u);
    // Down from the last owned item stays; Up from the first goes to the heading.
    Key(KeyDownPressed);
    EXPECT_EQ(MenuFlowState.itemCursor, 5u);
    Key(KeyDownPressed);
    EXPECT_EQ(MenuFlowState.itemCursor, 5u);
    Key(KeyUpPressed);
    Key(KeyUpPressed);
    EXPECT_EQ(MenuFlowState.itemCursor, 0u);
    EXPECT_EQ(ItemTextNo, 0u);
}

TEST_F(ItemScreen, TheArenaItemWorksOnlyAtItsPlaceAndEndsTheMenu) {
    ItemCounts[2] = 1;
    PlayerState.xBeforeStep = 20200 + 300;
    MenuStageSnapshot.y = 640;
    Era01Progress = 1;
    Open();
    Key(KeyDownPressed);
    ASSERT_EQ(MenuFlowState.itemCursor, 3u);
    EXPECT_EQ(ItemUsable, 2u);
    PlayerState.xBeforeStep = 20200 + 500;
    Run(1, Step);
    EXPECT_EQ(ItemUsable, 1u);
    EnterConfirmState = 2;
    Run(1, Step);
    EXPECT_EQ(ItemCounts[2], 0u);
    EXPECT_EQ(ItemUseReturn, 1u);
    EXPECT_EQ(Era01Progress, 2);
    // The use closes the screen through its own back sequence.
    ASSERT_TRUE(RunUntil(Step, [] { return MenuFlowState.itemOpen == 0; }, 64));
    EXPECT_EQ(MenuFlowState.active, 1u);
    EXPECT_EQ(PhaseChangeRequest, 0);
}

// ---------------------------------------------------------- title figures
TEST_F(MenuScreens, AMushroomTakesOffFromTheHeroinesEntryAndLandsOnlyOverALabel) {
    TitleFigureSlots.figure[1] = {1, 0xAAAAAAAAu, 100, 600, 0, 1};
    MenuFlowState.figureEntry = 2;
    Run(64 * 3, UpdateTitleFigure1);
    EXPECT_LE(TitleFigureSlots.figure[1].state, 2) << "not its entry: it stays";
    MenuFlowState.figureEntry = 1;
    ASSERT_TRUE(RunUntil(UpdateTitleFigure1, [] { return TitleFigureSlots.figure[1].state == 3; }, 64 * 4));
    EXPECT_LE(TitleFigureSlots.figure[1].y, 590) << "it hops up off the label";
    Run(1, UpdateTitleFigure1);
    EXPECT_EQ(TitleFigureSlots.figure[1].column, 0) << "in flight";
    EXPECT_FLOAT_EQ(MenuFigureDepth, 0.9f);

    // In flight across the label row between two labels: it flies on.
    TitleFigureSlots.figure[1].x = 180;
    TitleFigureSlots.figure[1].y = 603;
    Run(1, UpdateTitleFigure1);
    EXPECT_GE(TitleFigureSlots.figure[1].state, 3);
    // Over a label: it lands there.
    TitleFigureSlots.figure[1].x = 370;
    TitleFigureSlots.figure[1].y = 603;
    Run(1, UpdateTitleFigure1);
    EXPECT_EQ(TitleFigureSlots.figure[1].state, 1);
    EXPECT_EQ(TitleFigureSlots.figure[1].column, 3);
    EXPECT_EQ(TitleFigureSlots.figure[1].y, 600);
}

TEST_F(MenuScreens, TheBluePairTurnsOnlyWhileItsStepPointsOutward) {
    TitleFigureSlots.figure[3] = {3, 0xBBBBBBBBu, -60, 300, 4, 0};
    TitleFigureMotions.m[3].dx = 1;   // already heading back in
    TitleFigureMotions.m[3].dy = -1;
    TitleFigureMotions.m[3].move = GameClock.realTime;
    TitleFigureMotions.m[3].state = GameClock.realTime;
    Run(4, UpdateTitleFigure3);
    EXPECT_GT(TitleFigureMotions.m[3].dx, 0);
}

TEST_F(MenuScreens, TheWingedFigureRisesOffTheHeroinesLabelAndStopsAt399) {
    TitleFigureSlots.wingedShown = 1;
    TitleFigureSlots.wingedX = 700;
    TitleFigureSlots.wingedY = 420;
    TitleFigureMotions.wingedState = 1;
    TitleFigureMotions.wingedColumn = 5;
    MenuFlowState.figureEntry = 5;
    // Held in its first state, it only sinks on movement ticks and rises on
    // every call.
    Run(200, [] {
        TitleFigureMotions.m[5].state = GameClock.realTime;
        UpdateTitleFigure5();
    });
    EXPECT_LT(TitleFigureSlots.wingedY, 420);
    EXPECT_GE(TitleFigureSlots.wingedY, 399);
    EXPECT_EQ(TitleFigureSlots.wingedFrame, 1);
}

}  // namespace
