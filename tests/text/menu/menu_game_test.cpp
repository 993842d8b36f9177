// The menu side played through the real frame loop: the title, the in-game
// menu, saving, loading, quitting and the device settings.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "menu_game_fixture.h"
#include "platform/headless.h"
#include "shell/boot.h"
#include "shell/frame.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "shell/transitions.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/menu_texts.h"
#include "text/text_fixture.h"
#include "text/text_state.h"

namespace {

constexpr int kSaveSpotX = 2389;   // the home field's save spot

// A slot of the live words as a save in the home field writes it (Era00 left,
// Era01 active); the area flags of the live game stay as they were.
GdataImage HomeFieldSlot() {
    const std::int32_t era00 = Era00AreaFlag, era01 = Era01AreaFlag;
    Era00AreaFlag = 2;
    Era01AreaFlag = 1;
    GdataImage image;
    CollectGdata(image);
    Era00AreaFlag = era00;
    Era01AreaFlag = era01;
    return image;
}

using plat::headless::SoundOp;

bool PlayedDuringLastFrames(int slot, std::size_t frames) {
    const auto& all = plat::headless::Frames();
    for (std::size_t i = all.size() > frames ? all.size() - frames : 0; i < all.size(); ++i)
        for (const auto& call : all[i].sounds)
            if (call.op == SoundOp::Play && call.slot == slot) return true;
    return false;
}

TEST_F(MenuGame, BootShowsTheLogoThenTheTitleWithTheHeroineDroppingIn) {
    StartGame();
    std::set<int> logoFrames;
    bool noticeSeen = false;
    ASSERT_TRUE(RunFramesUntil(
        [&] {
            if (GameFlow.bootStep == 10) logoFrames.insert(MenuElementWords.titleLogoFrame);
            noticeSeen = noticeSeen || TitleNoticeShown == 1;
            return GameFlow.bootStep == 13;
        },
        2000));
    // Every frame of the logo animation was shown, then the notice under it.
    for (int f = 1; f <= 12; ++f) EXPECT_TRUE(logoFrames.count(f)) << "logo frame " << f;
    EXPECT_TRUE(noticeSeen);
    EXPECT_EQ(TitleNoticeShown, 0u);

    RunFrames(1);
    EXPECT_EQ(MenuElementWords.titleLogoFrame, 12);
    EXPECT_EQ(PlayerFigureShown, 1u);
    EXPECT_LT(PlayerState.y, 600) << "she starts above the labels";
    ASSERT_TRUE(RunFramesUntil([] { return TitleScreenState.step == 6; }, 200));
    EXPECT_EQ(PlayerState.y, 600);
    EXPECT_EQ(PlayerState.x, 282);
    // The new-game label is bright, the other two dim; the scenery glows.
    EXPECT_EQ(MenuElementWords.titleChoiceShown, 2);
    EXPECT_EQ(MenuElementWords.titleChoiceLabel, 1);
    EXPECT_EQ(MenuSpriteParams.titleChoiceVariant, 1);
    EXPECT_EQ(TitleScreenSprite.shown[1], 1);
    EXPECT_GT(TitleScreenSprite.colour[1], 0xFF111111u);
}

TEST_F(MenuGame, EnterOnNewGameStartsTheTransitionThenTheStage) {
    BootToTitle();
    Tap(VK_RETURN);
    std::set<std::int32_t> phases;
    ASSERT_TRUE(RunToStage(phases));
    EXPECT_TRUE(phases.count(901));
    EXPECT_EQ(GameFlow.bootFlag, 0);
    EXPECT_EQ(PlayerState.weaponMode1, 1);
}

TEST_F(MenuGame, TheIdleTitleHeroineWandersToTheNextEntry) {
    BootToTitle();
    ASSERT_EQ(TitleScreenState.station, 1);
    // Nobody touches the keyboard: after her routine at the first entry the
    // cursor moves on by itself and she walks there.
    ASSERT_TRUE(RunFramesUntil([] { return TitleScreenState.cursor == 2; }, 64 * 16));
    EXPECT_TRUE(PlayedDuringLastFrames(3, 1)) << "the wandering cursor sounds like a key";
    ASSERT_TRUE(RunFramesUntil([] { return TitleScreenState.station == 2 && TitleScreenState.walk == 0; }, 64));
    EXPECT_EQ(PlayerState.x, 478);
    EXPECT_EQ(MenuElementWords.titleChoiceLabel, 2);
}

TEST_F(MenuGame, F2OpensTheMenuOverTheStageAndF2AgainReturnsHerWhereSheWas) {
    StartAtHome();
    StandAt(kSaveSpotX + 300);
    PlayerState.facing = -1;
    RunFrames(1);
    // The stage frame that takes F2 is its last one.
    Tap(VK_F2);
    RunFrames(1);
    ASSERT_EQ(GameFlow.phase, 902);
    const std::int32_t x = PlayerState.x, y = PlayerState.y, scroll = ScrollX;
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4; }, 600));
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200));
    EXPECT_EQ(MenuStageSnapshot.x, x);
    EXPECT_EQ(MenuStageSnapshot.y, y);
    EXPECT_EQ(MenuStageSnapshot.facing, -1);
    EXPECT_EQ(MenuStageSnapshot.scrollX, scroll);
    EXPECT_EQ(StageFrozenByMenu, 1u);
    // The menu's own figure: at the first entry, labels up, heading shown.
    EXPECT_EQ(PlayerFigureShown, 1u);
    EXPECT_EQ(ScrollX, 0);
    EXPECT_EQ(MenuElementWords.element[2], 2);
    EXPECT_EQ(MenuElementWords.element[25], 1);
    EXPECT_EQ(MenuBackdropShown, 1u);
    EXPECT_EQ(TitleFigureSlots.wingedShown, 1);

    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
    EXPECT_EQ(PlayerState.x, x);
    EXPECT_EQ(PlayerState.facing, -1);
    EXPECT_EQ(ScrollX, scroll);
    EXPECT_EQ(StageFrozenByMenu, 0u);
}

TEST_F(MenuGame, FiveQuickRightPressesWalkTheFigureEntryByEntryToTheLast) {
    StartAtHome();
    OpenMenu();
    for (int i = 0; i < 5; ++i) PressFor1Frame(VK_RIGHT);
    EXPECT_EQ(MenuFlowState.cursor, 6u);
    EXPECT_LE(MenuFlowState.figureEntry, 2u) << "she walks, she does not jump ahead";
    EXPECT_EQ(MenuSpriteParams.titleChoiceVariant, 2) << "the quit label is under the cursor";
    std::set<std::uint32_t> entries;
    ASSERT_TRUE(RunFramesUntil(
        [&] {
            entries.insert(MenuFlowState.figureEntry);
            return MenuFlowState.figureEntry == 6 && MenuFlowState.walkStep == 0;
        },
        200));
    EXPECT_EQ(entries.size(), 6u) << "every entry on the way is passed";
    RunFrames(1);
    EXPECT_EQ(PlayerState.facing, -1);
    EXPECT_EQ(PlayerState.x, 80 + 5 * 165 + 40);
    // A sixth press at the end of the row changes nothing.
    PressFor1Frame(VK_RIGHT);
    EXPECT_EQ(MenuFlowState.cursor, 6u);
}

TEST_F(MenuGame, SavingAtASpotWritesTheSlotAndItsTraceLineAwayFromOneEnterIsIgnored) {
    StartAtHome();
    StandAt(kSaveSpotX + 500);   // no save spot here
    OpenMenu();
    ASSERT_EQ(SaveSpotFlag, 0);
    ChooseEntry(3);
    ASSERT_EQ(MenuFlowState.saveOpen, 1u);
    RunFrames(2);
    EXPECT_EQ(EnterConfirmState, 0) << "the prompt refuses here";
    Tap(VK_RETURN);
    RunFrames(3);
    EXPECT_FALSE(HasFile("Data/Save/Save01.txt"));
    EXPECT_EQ(CountTraceLines("Save Gdata01"), 0);

    // Back to the stage, to the spot, and save into slot 2.
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.saveOpen == 0 && MenuFlowState.enterStep == 4; }, 200));
    RunFrames(2);
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
    StandAt(kSaveSpotX);
    Gold = 345;
    SaveFromMenu(2);
    EXPECT_TRUE(HasFile("Data/Save/Save02.txt"));
    EXPECT_EQ(CountTraceLines("Save Gdata02"), 1);
    EXPECT_TRUE(PlayedDuringLastFrames(1, 3)) << "the save chimes";
    GdataImage image;
    ASSERT_TRUE(ParseGdata(ReadText("Data/Save/Save02.txt"), image, nullptr));
    EXPECT_EQ(image.At(2, 6), kSaveSpotX) << "the stage x, not the menu figure's";
    // The screen stays; the summaries are read again.
    EXPECT_EQ(MenuFlowState.saveOpen, 1u);
    EXPECT_EQ(SaveScreenState.saveSummaryShown, 1u);
}

TEST_F(MenuGame, AFailedSaveNeitherChimesNorLogsASave) {
    StartAtHome();
    StandAt(kSaveSpotX);
    // A folder where the slot file should go: the slot cannot be written.
    std::filesystem::create_directories(Dir() / "Data/Save/Save01.txt/blocked");
    SaveFromMenu(1);
    EXPECT_EQ(CountTraceLines("Save Gdata01"), 0);
    EXPECT_FALSE(PlayedDuringLastFrames(1, 3));
    EXPECT_EQ(MenuFlowState.saveOpen, 1u) << "the game goes on";
}

// The recorded frame's draw of `text`, or nullptr.
const plat::headless::TextDrawRecord* DrawnText(const std::string& text) {
    for (const auto& t : plat::headless::LastFrame().texts)
        if (t.text == text) return &t;
    return nullptr;
}

TEST_F(MenuGame, ASaveOverAReadOnlySlotSaysSoOnTheScreenUntilTheNextKey) {
    StartAtHome();
    StandAt(kSaveSpotX);
    SaveFromMenu(1);
    const std::string kept = ReadText("Data/Save/Save01.txt");
    ASSERT_FALSE(kept.empty());
    std::filesystem::permissions(Dir() / "Data/Save/Save01.txt", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const std::string failed = "ごめんね、保存できなかったよ・・・";
    const std::string prompt = "Enterで、\n保存するよ。";
    ASSERT_NE(DrawnText(prompt), nullptr);

    Tap(VK_RETURN);
    RunFrames(30);
    const plat::headless::TextDrawRecord* line = DrawnText(failed);
    ASSERT_NE(line, nullptr) << "the failure is on the screen";
    // In the prompt's place beside the heroine on slot 1, in the menu's font and cyan.
    ExpectDrawAt(line, 180, 250 - 110);
    ExpectColour(line, 0, 1, 1, 1);
    EXPECT_EQ(line->font, TextFontSet.font[6]);
    EXPECT_EQ(DrawnText(prompt), nullptr);
    EXPECT_EQ(ReadText("Data/Save/Save01.txt"), kept);

    PressFor1Frame(VK_DOWN);
    EXPECT_EQ(DrawnText(failed), nullptr) << "gone with the next key";
    ExpectDrawAt(DrawnText(prompt), 180, 450 - 110);
}

TEST_F(MenuGame, LoadingFromTheMenuRestoresTheSavedGame) {
    StartAtHome();
    const int loadsBefore = CountTraceLines("Load Gdata01");   // the start's own load
    StandAt(kSaveSpotX);
    Gold = 345;
    PlayerState.hp = 77;
    ItemCounts[1] = 4;
    SaveFromMenu(1);
    ASSERT_TRUE(HasFile("Data/Save/Save01.txt"));
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.enterStep == 4 && MenuFlowState.active == 1; }, 200));
    RunFrames(2);
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));

    // Play on a little: the game changes, then load from the same spot.
    StandAt(kSaveSpotX + 40);
    Gold = 999;
    ItemCounts[1] = 0;
    OpenMenu();
    ChooseEntry(4);
    ASSERT_EQ(MenuFlowState.loadOpen, 1u);
    RunFrames(2);
    ASSERT_EQ(EnterConfirmState, 1) << "slot 1 holds a game and the heroine is at a spot";
    Tap(VK_RETURN);
    std::set<std::int32_t> phases;
    ASSERT_TRUE(RunToStage(phases));
    EXPECT_TRUE(phases.count(901));
    EXPECT_EQ(Gold, 345);
    EXPECT_EQ(PlayerState.hp, 77);
    EXPECT_EQ(ItemCounts[1], 4u);
    EXPECT_EQ(PlayerState.x, kSaveSpotX);
    EXPECT_EQ(CountTraceLines("Load Gdata01"), loadsBefore + 1);
    EXPECT_EQ(MenuFlowState.loadOpen, 0u);
}

TEST_F(MenuGame, ADamagedSlotIsRefusedBeforeAnythingIsResetAndTheScreenStays) {
    StartAtHome();
    const int loadsBefore = CountTraceLines("Load Gdata01");
    StandAt(kSaveSpotX);
    SaveFromMenu(1);
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.enterStep == 4 && MenuFlowState.active == 1; }, 200));
    RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200);
    Gold = 4321;
    ChooseEntry(4);
    RunFrames(2);
    ASSERT_EQ(EnterConfirmState, 1) << "slot 1 holds a game";
    // The slot is damaged behind the game's back, after its summary was read.
    std::string text = ReadText("Data/Save/Save01.txt");
    WriteText("Data/Save/Save01.txt", text.substr(0, text.size() / 2));
    Tap(VK_RETURN);
    RunFrames(60);
    EXPECT_EQ(GameFlow.phase, 0) << "no load was entered";
    EXPECT_EQ(MenuFlowState.loadOpen, 1u);
    EXPECT_EQ(Gold, 4321) << "nothing was reset";
    EXPECT_EQ(SaveSummaries[1].year, kErasedSlotYear);
    EXPECT_EQ(LoadPromptNoData, 2) << "the prompt says there is no data";
    EXPECT_EQ(EnterConfirmState, 0);
    EXPECT_EQ(CountTraceLines("Load Gdata01"), loadsBefore);
}

TEST_F(MenuGame, ContinueOnTheTitleLoadsASaveEvenOnTheFirstStart) {
    // A slot left by an earlier session.
    MenuStageSnapshot = {-1, 1, kSaveSpotX - 400, 0, kSaveSpotX, 640};
    Gold = 222;
    const GdataImage image = HomeFieldSlot();
    WriteText("Data/Save/Save02.txt", FormatGdata(image));
    MenuStageSnapshot = MenuStageSnapshotRecord{};
    Gold = 0;

    BootToTitle();
    ASSERT_EQ(SaveSpotFlag, 0) << "nothing has visited the menu yet";
    PressFor1Frame(VK_RIGHT);
    ASSERT_EQ(TitleScreenState.cursor, 2);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return TitleLogoState.loadStep == 3; }, 200));
    PressFor1Frame(VK_DOWN);
    RunFrames(2);
    ASSERT_EQ(SaveScreenState.chosenSlot, 2u);
    ASSERT_EQ(EnterConfirmState, 1) << "the title's load screen takes Enter at the first start";
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
    EXPECT_EQ(Gold, 222);
    EXPECT_EQ(PlayerState.x, kSaveSpotX);
    EXPECT_EQ(PlayerState.facing, -1);
    EXPECT_EQ(CountTraceLines("Load Gdata02"), 1);
}

TEST_F(MenuGame, F2OnTheTitleLoadScreenBringsTheTitleBack) {
    BootToTitle();
    PressFor1Frame(VK_RIGHT);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return TitleLogoState.loadStep == 3; }, 200));
    EXPECT_EQ(MenuElementWords.element[28], 1);
    // Up on the first row changes nothing and leaves the key set.
    Press(VK_UP);
    RunFrames(1);
    EXPECT_EQ(SaveScreenState.chosenSlot, 1u);
    EXPECT_EQ(KeyUpPressed, 1);
    Release(VK_UP);
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13; }, 200));
    RunFrames(1);
    EXPECT_EQ(TitleScreenState.cursor, 1);
    EXPECT_EQ(MenuElementWords.element[28], 0);
    EXPECT_EQ(GameFlow.phase, 0);
}

TEST_F(MenuGame, TheQuitScreenNoGoesBackAndYesWithEnterQuits) {
    StartAtHome();
    OpenMenu();
    ChooseEntry(6);
    ASSERT_EQ(MenuFlowState.choiceStep, 5u);
    // Y before the prompt is up does not count.
    PressFor1Frame(VkLetter('Y'));
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step == 11; }, 200));
    EXPECT_EQ(DialogueChannels.promptLine, 1);
    EXPECT_EQ(GameFlow.quitFlag, 0);
    PressFor1Frame(VkLetter('N'));
    EXPECT_EQ(QuitScreenState.step, 21);
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.choiceStep == 0; }, 200));
    EXPECT_EQ(MenuFlowState.enterStep, 3u) << "the menu is rebuilt";
    RunFrames(2);
    EXPECT_EQ(MenuFlowState.cursor, 1u);
    EXPECT_EQ(GameFlow.quitFlag, 0);

    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200));
    ChooseEntry(6);
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step == 11; }, 200));
    PressFor1Frame(VkLetter('Y'));
    EXPECT_EQ(QuitScreenState.step, 31);
    RunFrames(30);
    EXPECT_EQ(GameFlow.quitFlag, 0) << "yes alone does not quit";
    EXPECT_NE(DialogueChannels.promptLine, 1);
    Tap(VK_RETURN);
    RunFrames(3);
    EXPECT_EQ(GameFlow.quitFlag, 1);
    EXPECT_TRUE(plat::headless::WindowClosed());
}

TEST_F(MenuGame, TheDeviceSettingsScreenChangesTheWindowSizeAndF2LeavesIt) {
    StartAtHome();
    OpenMenu();
    ChooseEntry(5);
    ASSERT_EQ(MenuFlowState.settingsOpen, 1u);
    EXPECT_FALSE(SettingsDialogIsActive()) << "the dialog waits its 100 frames";
    ASSERT_TRUE(RunFramesUntil([] { return SettingsDialogIsActive(); }, 200));
    EXPECT_EQ(MenuElementWords.element[6], 4);
    EXPECT_EQ(MenuElementWords.element[29], 1);
    ASSERT_GT(SettingsDialogState.modeCount, 1);
    // While the dialog is shown the frame draws only it: the desktop's full
    // screen and the window sizes that fit on it, the one in use marked.
    RunFrames(1);
    EXPECT_TRUE(LastFrame().sprites.empty());
    bool listed = false, marked = false, fullScreen = false, tooLarge = false;
    for (const auto& t : LastFrame().texts) {
        listed = listed || t.text.find("800 × 600　ウィンドウ") != std::string::npos;
        marked = marked || t.text.find("▶ 1024 × 768　ウィンドウ") != std::string::npos;
        fullScreen = fullScreen || t.text.find("1920 × 1080　フルスクリーン") != std::string::npos;
        tooLarge = tooLarge || t.text.find("1920 × 1080　ウィンドウ") != std::string::npos ||
                   t.text.find("1600 × 1200") != std::string::npos;
    }
    EXPECT_TRUE(listed);
    EXPECT_TRUE(marked);
    EXPECT_TRUE(fullScreen);
    EXPECT_FALSE(tooLarge) << "a window as large as the desktop or larger is not offered";

    // F2 closes the dialog and leaves the screen without a change.
    Tap(VK_F2);
    RunFrames(1);
    EXPECT_FALSE(SettingsDialogIsActive());
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.settingsOpen == 0; }, 100));
    EXPECT_EQ(MenuFlowState.active, 1u);
    RunFrames(1);
    EXPECT_EQ(MenuElementWords.element[6], 1) << "the rebuilt menu shows its label again";
    EXPECT_EQ(plat::FrameworkBackBufferDesc().width, 1024);

    // Again: this time a smaller size is applied.
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200));
    ChooseEntry(5);
    ASSERT_TRUE(RunFramesUntil([] { return SettingsDialogIsActive(); }, 200));
    const int row = SettingsDialogState.row;
    PressFor1Frame(VK_DOWN);
    ASSERT_EQ(SettingsDialogState.row, row + 1);
    const int width = SettingsDialogState.width[row + 1];
    const int height = SettingsDialogState.height[row + 1];
    Tap(VK_RETURN);
    RunFrames(1);
    EXPECT_EQ(plat::FrameworkBackBufferDesc().width, width);
    EXPECT_EQ(plat::FrameworkBackBufferDesc().height, height);
    // The device reset closes the menu to the stage, as any device loss does.
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
    EXPECT_EQ(MenuFlowState.settingsOpen, 0u);
}

}  // namespace

namespace {

// A whole session and the next: new game, walk, save in slot 1, quit; the
// program starts again and continues from the title.
TEST_F(MenuGame, RoundTripSaveQuitStartAgainContinue) {
    StartAtHome();
    StandAt(kSaveSpotX - 60);
    const std::int32_t before = PlayerState.x;
    Press(VK_RIGHT);
    RunSeconds(0.15);
    Release(VK_RIGHT);
    RunFrames(3);
    const std::int32_t savedX = PlayerState.x;
    ASSERT_GT(savedX, before) << "she walked";
    ASSERT_LT(savedX, kSaveSpotX + 100) << "still at the save spot";
    SaveFromMenu(1);
    ASSERT_EQ(CountTraceLines("Save Gdata01"), 1);

    // Quit from the menu.
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.enterStep == 4 && MenuFlowState.active == 1; }, 200));
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200));
    ChooseEntry(6);
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step == 11; }, 200));
    PressFor1Frame(VkLetter('Y'));
    Tap(VK_RETURN);
    RunFrames(3);
    ASSERT_TRUE(plat::headless::WindowClosed());
    StopGame();

    // The program starts again: every word of the game at its start value
    // (the game's own full reset), the platform from nothing, the same folder.
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
    GameFlow = GameFlowRecord{};
    GameFlowExtra = GameFlowExtraRecord{};
    BootState = BootStateRecord{};
    PlayerState = PlayerStateRecord{};
    SaveSpotFlag = 0;
    plat::headless::Reset();
    plat::headless::SetFrameStep(frameStep);
    ASSERT_EQ(GameStartUp(), 0);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13 && TitleScreenState.step == 6; }, 2000));
    ASSERT_NE(PlayerState.x, savedX);

    PressFor1Frame(VK_RIGHT);   // continue
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return TitleLogoState.loadStep == 3; }, 200));
    RunFrames(2);
    ASSERT_EQ(EnterConfirmState, 1);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
    RunFrames(2);
    EXPECT_EQ(PlayerState.x, savedX) << "she stands where she was saved";
    EXPECT_EQ(PlayerState.facing, 1);

    plat::FrameworkCloseWindow();
    plat::headless::SetMainLoopFrameLimit(1);
    plat::FrameworkMainLoop();
    GameShutDown();
}

}  // namespace

namespace {

// The stage's clock does not run on while the menu is open over it, and a
// menu visit does not count the time played twice.
TEST_F(MenuGame, TheGameClockStandsStillWhileTheMenuIsOpen) {
    StartAtHome();
    RunSeconds(2.0);
    const double before = GameClock.gameClock;
    const double realBefore = GameClock.realTime;
    OpenMenu();
    RunSeconds(4.0);
    const double inMenu = GameClock.gameClock;
    RunSeconds(1.0);
    EXPECT_NEAR(GameClock.gameClock, inMenu, 0.05) << "frozen while the menu is open";
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
    const double realSpent = GameClock.realTime - realBefore;
    const double gameSpent = GameClock.gameClock - before;
    EXPECT_GT(realSpent, 5.0);
    EXPECT_LT(gameSpent, realSpent - 4.0) << "the menu's seconds are not stage seconds";
    EXPECT_GE(gameSpent, 0.0);
}

// From an entry chosen until the quit screen is answered, F2 stays in the
// menu. F2 just after Enter once left the choice under way, and the next
// menu opened its screen at once, unbuilt: the quit screen quit on the Enter
// the stage had left. F2 on the quit screen left the menu opening on it
// again, with the stage's clock running all the while it stood.
TEST_F(MenuGame, F2FromAChosenEntryOrTheQuitScreenStaysInTheMenu) {
    StartAtHome();
    OpenMenu();
    while (MenuFlowState.cursor < 6u) PressFor1Frame(VK_RIGHT);
    ASSERT_EQ(MenuFlowState.choiceStep, 1u);
    Tap(VK_RETURN);
    RunFrames(2);
    ASSERT_EQ(MenuFlowState.choiceStep, 3u);
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step == 11; }, 200)) << "the quit screen never came";
    EXPECT_EQ(GameFlow.phase, 0) << "F2 left the menu with an entry chosen";
    EXPECT_EQ(GameFlow.quitFlag, 0);
    Tap(VK_F2);
    RunSeconds(1.0);
    EXPECT_EQ(GameFlow.phase, 0) << "F2 left the menu from its quit screen";
    EXPECT_EQ(MenuFlowState.choiceStep, 5u);
    PressFor1Frame(VkLetter('N'));
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.choiceStep == 0; }, 200));
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200));
    EXPECT_EQ(GameFlow.phase, 0) << "an F2 from the quit screen acted later";
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600));
    OpenMenu();
    const double inMenu = GameClock.gameClock;
    RunSeconds(2.0);
    EXPECT_NEAR(GameClock.gameClock, inMenu, 0.05) << "the stage's clock runs while the menu is open";
    EXPECT_EQ(GameFlow.quitFlag, 0);
}

TEST_F(MenuGame, TheTitleLoadScreenRefusesASlotDamagedAfterItsSummaryWasRead) {
    MenuStageSnapshot = {1, 1, 1989, 0, kSaveSpotX, 640};
    const GdataImage image = HomeFieldSlot();
    const std::string text = FormatGdata(image);
    WriteText("Data/Save/Save01.txt", text);
    MenuStageSnapshot = MenuStageSnapshotRecord{};
    BootToTitle();
    PressFor1Frame(VK_RIGHT);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return TitleLogoState.loadStep == 3; }, 200));
    RunFrames(2);
    ASSERT_EQ(EnterConfirmState, 1);
    WriteText("Data/Save/Save01.txt", text.substr(0, 100));
    Tap(VK_RETURN);
    RunFrames(60);
    EXPECT_EQ(TitleLogoState.loadStep, 3) << "still choosing";
    EXPECT_EQ(GameFlow.phase, 0);
    EXPECT_EQ(LoadPromptNoData, 2);
    EXPECT_EQ(CountTraceLines("Load Gdata01"), 0);
}

}  // namespace

namespace {

// Slots damaged in words no running game holds: the load screens must not
// list one as a saved game that loading then refuses.
TEST_F(MenuGame, ADamagedSlotIsNeitherListedNorLoadable) {
    MenuStageSnapshot = {1, 22, 1989, 0, kSaveSpotX, 640};
    ItemCounts[3] = 2;
    const GdataImage good = HomeFieldSlot();
    WriteText("Data/Save/Save01.txt", FormatGdata(good));
    ReadSaveSummaries();
    ASSERT_NE(SaveSummaries[1].year, kErasedSlotYear) << "a whole slot is listed";
    ASSERT_TRUE(SlotCanBeLoaded(1));
    EXPECT_FALSE(SlotCanBeLoaded(4)) << "no such slot";

    struct Damage {
        int line, field;
        std::int32_t value;
        const char* what;
    };
    const Damage damages[] = {
        {2, 3, -1, "pose"},
        {2, 4, 500000, "camera past the world's end"},
        {2, 5, -6000, "camera far above"},
        {2, 6, 500000, "heroine past the world's end"},
        {2, 6, 0, "heroine left of the world"},
        {2, 7, 99999, "heroine far below"},
        {2, 9, 0, "no HP left"},
        {6, 4, -5, "a negative item count"},
    };
    for (const Damage& d : damages) {
        GdataImage image = good;
        image.At(d.line, d.field) = d.value;
        WriteText("Data/Save/Save01.txt", FormatGdata(image));
        ReadSaveSummaries();
        EXPECT_EQ(SaveSummaries[1].year, kErasedSlotYear) << d.what << ": listed as a saved game";
        EXPECT_FALSE(SlotCanBeLoaded(1)) << d.what;
        EXPECT_FALSE(LoadGdata(1)) << d.what;
    }
    EXPECT_NE(TraceLog().find("line 2 field 6 holds 500000"), std::string::npos) << "the reason is reported";
}

}  // namespace

namespace {

TEST_F(MenuGame, NoOnTheTitlesQuitScreenGivesTheTitleBackWithoutTheMenuBackdrop) {
    BootToTitle();
    PressFor1Frame(VK_RIGHT);
    PressFor1Frame(VK_RIGHT);
    ASSERT_EQ(TitleScreenState.cursor, 3);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step == 11; }, 300));
    EXPECT_EQ(MenuBackdropShown, 1u);
    PressFor1Frame(VkLetter('N'));
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13; }, 300));
    RunFrames(2);
    EXPECT_EQ(MenuBackdropShown, 0u);
    EXPECT_EQ(MenuSpriteParams.endLabelX, 662);
    EXPECT_EQ(GameFlow.quitFlag, 0);
}

}  // namespace

namespace {

TEST_F(MenuGame, F2BeforeTheMenuIsBuiltWaitsForTheBuild) {
    StartAtHome();
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 0; }, 600));
    ASSERT_LT(MenuFlowState.enterStep, 4u);
    Tap(VK_F2);
    RunFrames(1);
    EXPECT_EQ(GameFlow.phase, 0) << "the menu is still being built";
    EXPECT_EQ(PhaseChangeRequest, 1) << "the request waits";
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase != 0; }, 10));
    EXPECT_EQ(GameFlow.phase, 901);
    EXPECT_EQ(MenuFlowState.enterStep, 4u);
}

}  // namespace
