// The key map: which key events set which flags under which blocks.
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/sound_effect.h"
#include "shell/graphics.h"
#include "shell/keyboard.h"
#include "shell/save_slots.h"
#include "shell/settings_files.h"
#include "support/game_harness.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "support/test_hold.h"

#include <gtest/gtest.h>

namespace {

// The keyboard callback writes its trace line and, on Esc, the settings into
// the working folder: run it in the harness's fresh folder.
class ShellCoreKeyboard : public GameHarness {
protected:
    void SetUp() override {
        GameHarness::SetUp();
        // A game's start blocks the number keys until a scene asks for one.
        NumberKeysBlocked = 0;
    }
    static void Down(int key) { OnKeyboard(key, true, false); }
    static void Up(int key) { OnKeyboard(key, false, false); }
};

TEST_F(ShellCoreKeyboard, FlagsHoldOnlyTheLastKeyEvent) {
    Down(VkLetter('x'));
    EXPECT_EQ(KeyXPressed, 1);
    Up(VkLetter('x'));                 // pressed and released between frames
    EXPECT_EQ(KeyXPressed, 0);

    Down(VkLetter('x'));
    Down(VK_RIGHT);                    // another key's event clears X ...
    EXPECT_EQ(KeyXPressed, 0);
    EXPECT_EQ(KeyRightPressed, 1);
    Down(VkLetter('x'));               // ... and the held key's repeat sets it again
    EXPECT_EQ(KeyXPressed, 1);
    EXPECT_EQ(KeyRightPressed, 0);

    // N and the number key outlive later events until a reader takes them.
    Down(VkLetter('n'));
    Down(VkDigit(4));
    Up(VkDigit(4));
    Up(VkLetter('n'));
    EXPECT_EQ(KeyNPressed, 1);
    EXPECT_EQ(NumberKeyValue, 4);
}

TEST_F(ShellCoreKeyboard, MessageBoxLetsOnlyAnswersThrough) {
    HoldForTest(kHoldKeys);
    for (int key : std::initializer_list<int>{VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VkLetter('a'), VkLetter('d'), VkLetter('f'), VkLetter('g'),
                    VkLetter('q'), VkLetter('s'), VkLetter('x'), VkLetter('z')}) {
        Down(key);
        SCOPED_TRACE(key);
        EXPECT_EQ(NoGameKey, 1);
    }
    EXPECT_EQ(KeyLeftPressed + KeyUpPressed + KeyRightPressed + KeyDownPressed + KeyAPressed + KeyDPressed +
                  KeyFPressed + KeyGPressed + KeyQPressed + KeySPressed + KeyXPressed + KeyZPressed,
              0);

    Down(VkLetter('y'));
    EXPECT_EQ(KeyYPressed, 1);
    EXPECT_EQ(NoGameKey, 0);
    Down(VkLetter('n'));
    EXPECT_EQ(KeyNPressed, 1);
    Down(VkDigit(2));
    EXPECT_EQ(NumberKeyValue, 2);

    // The scene waiting on story line 78 takes D through the box.
    DialogueChannels.storyLine = 78;
    Down(VkLetter('d'));
    EXPECT_EQ(KeyDPressed, 1);
}

TEST_F(ShellCoreKeyboard, PlayerBlocksStopMovementButNotAttacks) {
    HoldForTest(kHoldMoves);
    Down(VK_LEFT);
    EXPECT_EQ(KeyLeftPressed, 0);
    Down(VkLetter('z'));
    EXPECT_EQ(KeyZPressed, 0);
    Down(VkLetter('s'));
    EXPECT_EQ(KeySPressed, 1);

    EndEveryHold();
    XKeyBlocked = 1;
    Down(VkLetter('x'));
    EXPECT_EQ(KeyXPressed, 0);
    Down(VkLetter('z'));
    EXPECT_EQ(KeyZPressed, 1);

    KeyQBlocked = 1;
    Down(VkLetter('q'));
    EXPECT_EQ(KeyQPressed, 0);

    NumberKeysBlocked = 1;
    Down(VkDigit(6));
    EXPECT_EQ(NumberKeyValue, 99);
    EXPECT_EQ(NoGameKey, 1);
}

TEST_F(ShellCoreKeyboard, F2AsksForTheMenuUnlessBlocked) {
    HoldForTest(kHoldMenu);
    Down(VK_F2);
    EXPECT_EQ(PhaseChangeRequest, 0);

    EndEveryHold();
    HoldForTest(kHoldKeys);
    Down(VK_F2);
    EXPECT_EQ(PhaseChangeRequest, 0);

    // Story line 19 opens the way even through the box and the menu block.
    HoldForTest(kHoldMenu);
    DialogueChannels.storyLine = 19;
    Down(VK_F2);
    EXPECT_EQ(PhaseChangeRequest, 1);

    // The request is not cleared by later key events.
    Up(VK_F2);
    Down(VkLetter('a'));
    EXPECT_EQ(PhaseChangeRequest, 1);
}

TEST_F(ShellCoreKeyboard, EnterConfirmsOnlyAWaitingMessage) {
    Down(VK_RETURN);
    EXPECT_EQ(EnterConfirmState, 0);
    EnterConfirmState = 1;
    Down(VK_RETURN);
    EXPECT_EQ(EnterConfirmState, 2);
    Up(VK_RETURN);
    Down(VK_RETURN);
    EXPECT_EQ(EnterConfirmState, 2);
}

TEST_F(ShellCoreKeyboard, NoGameKeyMarksEventsTheGameDidNotTake) {
    Down(VkLetter('b'));            // not a key of the game
    EXPECT_EQ(NoGameKey, 1);
    Down(VkLetter('a'));
    EXPECT_EQ(NoGameKey, 0);
    Up(VkLetter('a'));              // key-ups are never game keys
    EXPECT_EQ(NoGameKey, 1);
    Down(VK_F1);
    EXPECT_EQ(NoGameKey, 0);
    HoldForTest(kHoldKeys);
    Down(VK_F5);
    EXPECT_EQ(NoGameKey, 1);
    Down(VK_F7);
    EXPECT_EQ(NoGameKey, 0);
}

TEST_F(ShellCoreKeyboard, EraseCursorMovesWithinItsFivePlacesOnPage88) {
    Down(VK_RIGHT);
    EXPECT_EQ(SlotEraseCursor, 0);   // only on menu page 88

    MenuPage = 88;
    for (int i = 0; i < 6; ++i) Down(VK_RIGHT);
    EXPECT_EQ(SlotEraseCursor, 4);
    Down(VK_LEFT);
    EXPECT_EQ(SlotEraseCursor, 3);
    for (int i = 0; i < 6; ++i) Down(VK_LEFT);
    EXPECT_EQ(SlotEraseCursor, 0);
    EXPECT_EQ(KeyLeftPressed, 1);
}

TEST_F(ShellCoreKeyboard, FirstKeyEventIsLoggedOnce) {
    Down(VkLetter('a'));
    Up(VkLetter('a'));
    Down(VkLetter('s'));
    int lines = 0;
    for (const std::string& line : TraceLines())
        if (line.rfind(" 10 J    [06] Keyboard        ", 0) == 0) ++lines;
    EXPECT_EQ(lines, 1);
}

TEST_F(ShellCoreKeyboard, EscWritesTheSettingsAndClosesInTheSameEvent) {
    StartGame();
    RunFrames(2);
    ASSERT_FALSE(HasFile("Data/Save/SaveC0.txt"));
    Press(VK_ESCAPE);
    // The close comes from the key event: no further frame runs.
    EXPECT_EQ(RunFrames(1), 0);
    EXPECT_EQ(GameFlow.quitFlag, 1);
    EXPECT_TRUE(plat::headless::WindowClosed());
    EXPECT_TRUE(HasFile("Data/Save/SaveC0.txt"));
}

TEST_F(ShellCoreKeyboard, F6TogglesTheWindowAndAsksForTheGraphicsAgain) {
    StartGame();
    RunFrames(2);
    const bool windowedBefore = plat::FrameworkIsWindowed();

    WindowModeLock = 1;
    Down(VK_F6);
    EXPECT_EQ(plat::FrameworkIsWindowed(), windowedBefore);
    WindowModeLock = 0;
    MenuFlowState.settingsOpen = 1;
    Down(VK_F6);
    EXPECT_EQ(plat::FrameworkIsWindowed(), windowedBefore);
    MenuFlowState.settingsOpen = 0;

    GameFlow.phase = 0;
    Down(VK_F6);
    EXPECT_NE(plat::FrameworkIsWindowed(), windowedBefore);
    // The device change released everything; the menu side needs its sets back.
    EXPECT_EQ(GsFlags[kGsConst], kGraphicRequested);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicRequested);
}

TEST_F(ShellCoreKeyboard, F6OnTheStageAsksForTheActiveAreasGraphics) {
    StartGame();
    RunFrames(1);
    WindowModeLock = 0;   // the boot holds it while it loads
    GameFlow.phase = 1;
    Era02AreaFlag = 1;
    ScrollX = Era02Anchor1 + 948;   // in the tournament's arena
    for (auto& word : GsFlags) word = kGraphicAbsent;
    Down(VK_F6);
    EXPECT_EQ(GsFlags[kGsConst], kGraphicRequested);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kGsStage1], kGraphicRequested);
    EXPECT_EQ(GsFlags[kGsD042], kGraphicRequested);

    // Far into Era04 the stage needs the second constant set, not the first.
    Era02AreaFlag = 0;
    Era04AreaFlag = 1;
    ScrollX = 80000;
    for (auto& word : GsFlags) word = kGraphicAbsent;
    Down(VK_F6);
    EXPECT_EQ(GsFlags[kEra04Set], kGraphicRequested);
    EXPECT_EQ(GsFlags[kGsStage2], kGraphicRequested);
    EXPECT_EQ(GsFlags[kGsStage1], kGraphicAbsent);
}

// What the device's loss took comes back with the new device, each word as
// it read and its pictures made, though the area that asked for them is
// left; at the end of a game, whose data reset gives everything back,
// nothing does.
TEST_F(ShellCoreKeyboard, F6GivesBackEveryPictureItsDeviceLossTook) {
    StartGame();
    RunFrames(1);
    WindowModeLock = 0;
    GameFlow.phase = 1;
    Era03AreaFlag = 1;
    ScrollX = Era03Anchor8;   // the Era03 plan keeps set 54 (D054) here
    GsFlags[kGsStage1] = kGraphicRequested;
    TextureFlags[56] = kGraphicRequested;
    GsFlags[kEra03Set] = kGraphicRequested;
    UpdateEra03Pload(0);
    CreateRequestedGraphics();
    Era03AreaFlag = 2;   // leaving: D056's gate is shut
    struct Picture {
        const char* what;
        std::uint32_t& word;
        int slot;
    };
    const Picture pictures[] = {
        {"a set", GsFlags[kGsStage1], 21},
        {"a single picture of a shut gate", TextureFlags[56], 37 + 56},
        {"a plan's set", PloadPlan.state[54], 37 + 54},
        {"the plan's word", GsFlags[kEra03Set], -1},
    };
    for (const Picture& p : pictures) ASSERT_EQ(p.word, kGraphicLoaded) << p.what;

    Down(VK_F6);
    for (const Picture& p : pictures) {
        EXPECT_EQ(p.word, kGraphicLoaded) << p.what;
        if (p.slot >= 0) EXPECT_NE(TextureSlots[p.slot], 0u) << p.what;
    }

    GameFlow.phase = 903;
    Down(VK_F6);
    for (const Picture& p : pictures) EXPECT_EQ(p.word, kGraphicAbsent) << p.what;
}

}  // namespace
