// The area-run fixture itself: a game started from a prepared slot lands
// where the slot says, and the driver walks, reads lines and answers.
#include <gtest/gtest.h>

#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "support/area_run.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

class AreaRunTest : public AreaRun {};

constexpr std::int32_t kFieldX = 3600;   // in the field, past the home area

void StartInTheField() {
    Era00AreaFlag = 2;
    Era01AreaFlag = 1;
    PlayerState.x = kFieldX;
    PlayerState.y = 640;
    PlayerState.facing = -1;
    ScrollX = kFieldX - 400;
    Gold = 345;
}

TEST_F(AreaRunTest, StartsInTheFieldFromASlotAndWalksToAGivenX) {
    ASSERT_NO_FATAL_FAILURE(StartFromSlot(StartInTheField));
    EXPECT_EQ(Era01AreaFlag, 1);
    EXPECT_EQ(Era00AreaFlag, 2);
    EXPECT_EQ(Gold, 345);
    EXPECT_EQ(PlayerState.x, kFieldX);
    EXPECT_EQ(PlayerState.facing, -1);
    EXPECT_EQ(MenuKeyBlocked, 0) << "a loaded game can open the menu";

    // Another key event between the steps must not stop her: the held key
    // is sent again after it.
    Hold(VK_RIGHT);
    ASSERT_TRUE(Play([] { return PlayerState.x >= kFieldX + 150; }, 400));
    Tap(VkLetter('N'));
    ASSERT_TRUE(Play([] { return PlayerState.x >= kFieldX + 300; }, 400)) << "she stopped at the other key";
    EXPECT_EQ(PlayerState.facing, 1);
    LetGo(VK_RIGHT);
    PlayFrames(30);
    const std::int32_t x = PlayerState.x;
    PlayFrames(30);
    EXPECT_EQ(PlayerState.x, x) << "she stands once the key is let go";
    EXPECT_GE(ScrollX, kFieldX - 400) << "the view followed her";
}

TEST_F(AreaRunTest, EnterIsGivenOnlyWhileALineWaits) {
    ASSERT_NO_FATAL_FAILURE(StartFromSlot(StartInTheField));
    PlayFrames(10);
    EXPECT_EQ(EntersGiven(), 0);
    // A line shown by a scene: the driver reads it.
    DialogueChannels.fieldLine = 3;
    EnterConfirmState = 1;
    PlayFrames(1);
    EXPECT_EQ(EnterConfirmState, 2);
    EXPECT_EQ(EntersGiven(), 1);
    // Without a line the handshake is left alone.
    DialogueChannels.fieldLine = 0;
    EnterConfirmState = 1;
    PlayFrames(3);
    EXPECT_EQ(EnterConfirmState, 1);
    EXPECT_EQ(EntersGiven(), 1);
}

TEST_F(AreaRunTest, AScriptedNoAnswersTheQuitPrompt) {
    ASSERT_NO_FATAL_FAILURE(StartFromSlot(StartInTheField));
    Tap(VK_F2);
    ASSERT_TRUE(Play([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4 && MenuFlowState.introStep == 6; }, 800));
    // To the quit entry and into it.
    for (int i = 0; i < 6 && MenuFlowState.cursor < 6; ++i) {
        Press(VK_RIGHT);
        RunFrames(1);
        Release(VK_RIGHT);
    }
    ASSERT_EQ(MenuFlowState.cursor, 6u);
    Tap(VK_RETURN);
    // The answer is pressed until the prompt takes it.
    AnswerNo();
    ASSERT_TRUE(Play([] { return QuitScreenState.step >= 21; }, 600)) << "the prompt took no answer";
    EXPECT_LT(QuitScreenState.step, 31) << "answered yes";
    EXPECT_EQ(AnswersLeft(), 0u);
    EXPECT_EQ(GameFlow.quitFlag, 0);
}

}  // namespace
