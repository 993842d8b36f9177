#include "menu_game_fixture.h"

#include <cmath>

#include "core/player.h"
#include "shell/shell_state.h"
#include "shell/wav_folder.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

void MenuGame::SetUp() {
    // Tiny sounds of our own: the boot loads every slot, one per frame.
    linkSounds = false;
    GameHarness::SetUp();
    WriteTinyWavFolder(Dir().string());
}

void MenuGame::BootToTitle() {
    StartGame();
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13 && TitleScreenState.Step == 6; }, 2000))
        << "the title never came up (boot step " << GameFlow.bootStep << ")";
}

bool MenuGame::RunToStage(std::set<std::int32_t>& phases) {
    return RunFramesUntil(
        [&] {
            phases.insert(GameFlow.phase);
            return GameFlow.phase == 1;
        },
        600);
}

void MenuGame::NewGameToStage() {
    ASSERT_EQ(TitleScreenState.Cursor, 1);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 901; }, 120)) << "new game did not start";
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 600)) << "never reached the stage";
    // The boot holds F2 until the home area's story lets it go; a new game
    // must hand it back without help, or the menu could never be opened.
    ASSERT_TRUE(RunFramesUntil([] { return MenuKeyBlocked == 0; }, 60)) << "F2 stays blocked in a new game";
    ASSERT_EQ(MessageBoxOpen, 0);
    // She drops onto the ground where the game begins.
    ASSERT_TRUE(RunFramesUntil([] { return PlayerMoveState.jumpKind == 0 && PlayerState.y == 640; }, 300));
}

void MenuGame::StandAt(int x) {
    PlayerState.x = x;
    PlayerState.y = 640;
    PlayerState.facing = 1;
    ScrollX = x - 400;
    RunFrames(4);
}

void MenuGame::OpenMenu() {
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 0 && MenuFlowState.EnterStep == 4; }, 600))
        << "the menu did not open";
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.IntroStep == 6; }, 200)) << "the heroine never landed";
}

void MenuGame::PressFor1Frame(int key) {
    Press(key);
    RunFrames(1);
    Release(key);
}

void MenuGame::RunSeconds(double seconds) { RunFrames(static_cast<int>(std::ceil(seconds / frameStep))); }

void MenuGame::ChooseEntry(int entry) {
    while (static_cast<int>(MenuFlowState.Cursor) < entry) PressFor1Frame(VK_RIGHT);
    while (static_cast<int>(MenuFlowState.Cursor) > entry) PressFor1Frame(VK_LEFT);
    ASSERT_EQ(static_cast<int>(MenuFlowState.Cursor), entry);
    ASSERT_EQ(MenuFlowState.ChoiceStep, 1u) << "the menu does not wait for Enter";
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.Active == 0 || MenuFlowState.ChoiceStep == 5; }, 120))
        << "entry " << entry << " did not open";
    RunFrames(2);
}

void MenuGame::SaveFromMenu(int slot) {
    OpenMenu();
    ChooseEntry(3);
    for (int s = 1; s < slot; ++s) PressFor1Frame(VK_DOWN);
    ASSERT_EQ(static_cast<int>(SaveScreenState.ChosenSlot), slot);
    ASSERT_EQ(EnterConfirmState, 1) << "the save prompt does not take Enter here";
    Tap(VK_RETURN);
    RunFrames(2);
}

int MenuGame::CountTraceLines(const std::string& what) const {
    int n = 0;
    for (const std::string& line : TraceLines())
        if (line.find(what) != std::string::npos) ++n;
    return n;
}
