#include "menu_game_fixture.h"

#include <cmath>
#include <filesystem>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

void MenuGame::BootToTitle() {
    StartGame();
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13 && TitleScreenState.step == 6; }, 2000))
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

void MenuGame::StartAtHome() {
    // Saved after the home area's opening, which holds the heroine and F2.
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        Era00AreaFlag = 1;
        Era00StoryPhase = 3;
    }));
    // The menu tests save and load slots of their own: the prepared slot
    // goes once it is loaded (its load stays in the trace log).
    std::error_code ec;
    std::filesystem::remove(Dir() / "Data" / "Save" / "Save01.txt", ec);
    ASSERT_EQ(MenuKeyBlocked, 0);
    ASSERT_EQ(MessageBoxOpen, 0);
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
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4; }, 600))
        << "the menu did not open";
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200)) << "the heroine never landed";
}

void MenuGame::PressFor1Frame(int key) {
    Press(key);
    RunFrames(1);
    Release(key);
}

void MenuGame::RunSeconds(double seconds) { RunFrames(static_cast<int>(std::ceil(seconds / frameStep))); }

void MenuGame::ChooseEntry(int entry) {
    while (static_cast<int>(MenuFlowState.cursor) < entry) PressFor1Frame(VK_RIGHT);
    while (static_cast<int>(MenuFlowState.cursor) > entry) PressFor1Frame(VK_LEFT);
    ASSERT_EQ(static_cast<int>(MenuFlowState.cursor), entry);
    ASSERT_EQ(MenuFlowState.choiceStep, 1u) << "the menu does not wait for Enter";
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.active == 0 || MenuFlowState.choiceStep == 5; }, 120))
        << "entry " << entry << " did not open";
    RunFrames(2);
}

void MenuGame::SaveFromMenu(int slot) {
    OpenMenu();
    ChooseEntry(3);
    for (int s = 1; s < slot; ++s) PressFor1Frame(VK_DOWN);
    ASSERT_EQ(static_cast<int>(SaveScreenState.chosenSlot), slot);
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
