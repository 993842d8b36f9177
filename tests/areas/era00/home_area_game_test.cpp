// A new game played through the real frame loop from the title to the leap
// through the gate into the field: the lines come in story order, the
// sparring and the flame behave, and the areas switch once.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "text/menu.h"
#include "text/menu/menu_game_fixture.h"
#include "text/text_state.h"

namespace {

class HomeAreaGame : public MenuGame {
protected:
    // Keys the player holds; sent again after every other key event, since
    // each key event clears all key flags.
    std::vector<int> held;
    std::vector<std::int32_t> promptSeen;
    int poseShownInOpening = 0;
    int facedAwayInTalk = 0;
    bool scrolledInOpening = false;
    std::int32_t lastPrompt = 0;
    double menuKeyBackAt = -1, line47ClosedAt = -1, flameOutAt = -1, line48At = -1;

    void Hold(int key) {
        if (std::find(held.begin(), held.end(), key) == held.end()) held.push_back(key);
        Press(key);
    }
    void LetGo(int key) {
        held.erase(std::remove(held.begin(), held.end(), key), held.end());
        Release(key);
    }
    void TapKey(int key) {
        Tap(key);
        for (int k : held) Press(k);
    }
    // A game key is read from its flag in the next step, and the key-up
    // event clears every flag: it goes down for one frame.
    void Strike(int key) {
        Press(key);
        Frame();
        Release(key);
        for (int k : held) Press(k);
    }
    // One frame of play: Enter on a waiting line, then the words noted.
    void Frame() {
        const std::int32_t line = DialogueChannels.promptLine != 0 ? DialogueChannels.promptLine
                                                                   : DialogueChannels.storyLine;
        if (EnterConfirmState == 1 && line != 0 && line == lastShown_) {
            if (++waitFrames_ >= 2) {
                TapKey(VK_RETURN);
                waitFrames_ = -6;   // let the word change before tapping again
            }
        } else {
            waitFrames_ = 0;
        }
        lastShown_ = line;
        // A held walk key that a message box swallowed is sent again once
        // the box has closed, as the keyboard's repeat would.
        if (MessageBoxOpen == 0) {
            if (KeyRightPressed == 0 && std::count(held.begin(), held.end(), VK_RIGHT) != 0) Press(VK_RIGHT);
            if (KeyLeftPressed == 0 && std::count(held.begin(), held.end(), VK_LEFT) != 0) Press(VK_LEFT);
        }
        RunFrames(1);
        const std::int32_t p = DialogueChannels.promptLine;
        if (p != 0 && p != lastPrompt) promptSeen.push_back(p);
        // When the flame may go out: 3 s after the later of the intruder's
        // leaving (the menu key comes back) and the close of line 47.
        const double now = GameClock.gameClock;
        if (MenuKeyBlocked == 0 && menuKeyBackAt < 0 && Era00StoryPhase == 1) menuKeyBackAt = now;
        if (lastPrompt == 47 && p == 0 && Era00SceneActors.closeUpFrame != 0) line47ClosedAt = now;
        if (flameWasOn_ && Era00SceneActors.closeUpFrame == 0) flameOutAt = now;
        flameWasOn_ = Era00SceneActors.closeUpFrame != 0;
        if (p == 48 && lastPrompt != 48) line48At = now;
        lastPrompt = p;
        if (Era00StoryPhase == 1) {
            // From her "what is that" to her answer she faces the intruder.
            const Era00SceneActorsRecord& a = Era00SceneActors;
            if (p >= 5 && p <= 11 && a.actorAFrame != 0 && Era03ArenaEnemy3.x > a.actorAX && a.actorAMirror != 1)
                ++facedAwayInTalk;
            if (ScrollX != 0 || ScrollY != 0) scrolledInOpening = true;
            // Before the sparring she is drawn only while she walks in: the
            // step her walk ends hands her to the scene's figure of her.
            if (XKeyBlocked == 0 && PlayerState.pose != 0 && KeyLeftPressed == 0) ++poseShownInOpening;
        }
    }
    template <typename Pred>
    bool PlayUntil(Pred pred, int maxFrames) {
        for (int i = 0; i < maxFrames; ++i) {
            Frame();
            if (pred()) return true;
        }
        return false;
    }

private:
    std::int32_t lastShown_ = 0;
    int waitFrames_ = 0;
    bool flameWasOn_ = false;
};

TEST_F(HomeAreaGame, NewGamePlaysTheHomeAreaThroughTheGateIntoTheField) {
    SeedRandom(7);
    BootToTitle();
    ASSERT_EQ(TitleScreenState.cursor, 1);
    Tap(VK_RETURN);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 900)) << "never reached the stage";
    // A new game lets go of the boot's hold of the menu key; the opening
    // holds the menu in its own name from its first step.
    Frame();
    EXPECT_EQ(MenuKeyBlocked, 1);
    ASSERT_TRUE(PlayUntil([] { return DialogueChannels.promptLine == 30; }, 2000));
    HoldsEndedUnkept = 0;

    // The opening runs by itself; lines are read as they come.
    ASSERT_TRUE(PlayUntil([] { return XKeyBlocked == 1 && MessageBoxOpen == 0; }, 20000))
        << "the sparring never began; last line " << DialogueChannels.promptLine;
    // Sparring: step up to her friend and kick; she gives ground on a dodge
    // or a block, until the heroine is through.
    EXPECT_EQ(poseShownInOpening, 0);
    EXPECT_EQ(facedAwayInTalk, 0) << "frames she turned her back on the intruder";
    const std::int32_t expBefore = PlayerState.exp;
    int dodges = 0;
    std::int32_t friendFrame = 0;
    for (int i = 0; i < 20000 && DialogueChannels.promptLine != 12; ++i) {
        const bool far = PlayerState.x < Era00SceneActors.actorEX - 80;
        if (far && MessageBoxOpen == 0) {
            Hold(VK_RIGHT);
        } else {
            LetGo(VK_RIGHT);
            if (i % 10 == 0 && MessageBoxOpen == 0) Strike(VkLetter('s'));
        }
        Frame();
        if (Era00SceneActors.actorEFrame == 12 && friendFrame != 12) ++dodges;
        friendFrame = Era00SceneActors.actorEFrame;
    }
    ASSERT_EQ(DialogueChannels.promptLine, 12)
        << "the sparring never ended at x " << PlayerState.x << " friend at " << Era00SceneActors.actorEX
        << " lines " << ::testing::PrintToString(promptSeen) << " phase " << GameFlow.phase << " hp "
        << PlayerState.hp;
    LetGo(VK_RIGHT);
    EXPECT_GE(PlayerState.x, 450);
    EXPECT_EQ(PlayerState.exp - expBefore, 10 * dodges) << "each dodge pays 10 EXP";

    // The intruder leaves, the hearth flares, the flame dies down.
    ASSERT_TRUE(PlayUntil([] { return Era00StoryPhase == 2; }, 20000)) << "the opening never ended";
    EXPECT_EQ(MenuKeyBlocked, 0);
    EXPECT_NE(Era00Gateway.glowFrame, 0u);
    ASSERT_GT(line47ClosedAt, 0);
    ASSERT_GT(flameOutAt, 0);
    const double burnFrom = std::max(menuKeyBackAt, line47ClosedAt);
    EXPECT_NEAR(flameOutAt - burnFrom, 3.0, 2 * frameStep) << "the flame burns 3 s";
    EXPECT_NEAR(line48At, flameOutAt, frameStep) << "48 opens as soon as the flame is out";
    EXPECT_FALSE(scrolledInOpening);

    // Out to the gate: stopped at its lines, then on to the leap.
    Hold(VK_RIGHT);
    ASSERT_TRUE(PlayUntil([] { return DialogueChannels.promptLine == 15; }, 20000)) << "x " << PlayerState.x;
    EXPECT_EQ(PlayerState.x, 2555);
    ASSERT_TRUE(PlayUntil([] { return DialogueChannels.promptLine == 18; }, 20000)) << "x " << PlayerState.x;
    EXPECT_EQ(PlayerState.x, 2705);
    LetGo(VK_RIGHT);
    ASSERT_TRUE(PlayUntil([] { return Era00StoryPhase == 3; }, 20000)) << "the hand-over never ended";

    EXPECT_EQ(Era00AreaFlag, 0);
    EXPECT_EQ(Era01AreaFlag, 1);
    EXPECT_EQ(Era00Gateway.passed, 1u);
    EXPECT_EQ(CountTraceLines("Era00 --> Era01"), 1);

    // The lines in story order; the narrator's hints may come during the
    // sparring, between 11 and 12.
    std::vector<std::int32_t> main;
    bool sparring = false;
    for (std::int32_t v : promptSeen) {
        if (v == 11) sparring = true;
        if (v == 12) sparring = false;
        if (sparring && ((v >= 38 && v <= 45) || v == 47)) continue;
        main.push_back(v);
    }
    const std::vector<std::int32_t> expected = {30, 31, 32, 33, 34, 35, 36, 1,  37, 2,  3,  4,  5,  6,  7,  8,
                                                9,  10, 11, 12, 13, 46, 47, 48, 49, 15, 16, 17, 18, 19, 20, 21,
                                                22, 23};
    EXPECT_EQ(main, expected);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << "a hold left by " << LastHoldEndedUnkept;
}

}  // namespace
