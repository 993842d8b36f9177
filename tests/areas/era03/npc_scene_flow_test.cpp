// The night at the Era03 camp, played through the real frame loop: the
// walk-in, the talk and the price of the stay, nightfall, the catching game
// with one object delivered, the servings, dawn and the last serving; then,
// with the errand taken in Era04, the conversation, its errand lines and a
// purchase at the shop.
#include <cstdlib>
#include <functional>
#include <set>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "support/area_run.h"
#include "support/roads/era03.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t A = kNpcAnchor;

class Era03NightRun : public AreaRun {
protected:
    // Every value a channel showed while the game ran.
    std::set<std::int32_t> seenA, seenB, seenC, seenField;

    bool PlayWatching(const std::function<bool()>& until, int maxFrames) {
        return Play(
            [&] {
                const DialogueChannelsRecord& d = DialogueChannels;
                seenA.insert(d.shopLineA);
                seenB.insert(d.shopLineB);
                seenC.insert(d.shopLineC);
                seenField.insert(d.fieldLine);
                return until();
            },
            maxFrames);
    }
    // Times sound slot `slot` was played since the start.
    static int Played(int slot) {
        int n = 0;
        for (const auto& call : plat::headless::AllSoundCalls())
            if (call.op == plat::headless::SoundOp::Play && call.slot == slot) ++n;
        return n;
    }
    static bool Contains(const std::set<std::int32_t>& seen, std::int32_t from, std::int32_t to) {
        for (std::int32_t v = from; v <= to; ++v)
            if (!seen.count(v)) return false;
        return true;
    }

    Era03Catcher catcher{{[this](const std::function<bool()>& until, int n) { return Play(until, n); },
                          [this](int key) { Hold(key); }, [this](int key) { LetGo(key); }}};
};

TEST_F(Era03NightRun, NightAtTheCampThenTheErrandAndTheShop) {
    StartFromSlot([] {
        Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era04AreaFlag = 0;
        Era03AreaFlag = 1;
        Era03ArenaEncounter.controllerState = 99;
        // The field before the camp is behind her: the creature, the duel, the fighter.
        Era03CreatureOnceFlag = 1;
        Era03Duel.state = 99;
        Era03Fighter.encounterState = 99;
        Era02EventsUnlocked = 0;
        ErrandState = 0;
        Gold = 50;
        PlayerState.x = 63500;
        PlayerState.facing = 1;
        ScrollX = 63500 - 500;
    });
    ASSERT_EQ(Era03AreaFlag, 1);
    ASSERT_EQ(Gold, 50);
    HoldsEndedUnkept = 0;

    // ---- walk-in: she walks right into the camp and is led to the character
    Hold(VK_RIGHT);
    ASSERT_TRUE(PlayWatching([] { return Era03NpcScene.controllerState == 2; }, 600));
    EXPECT_GE(PlayerState.x, A - 61);
    LetGo(VK_RIGHT);
    ASSERT_TRUE(PlayWatching([] { return Era03NpcScene.controllerState == 3; }, 3000));
    EXPECT_TRUE(Contains(seenC, 1, 18));
    EXPECT_EQ(Era03NpcScene.meetingMark, 2);

    // ---- the talk, the payment and nightfall, up to the catching game
    ASSERT_TRUE(PlayWatching([] { return Era03NpcScript.step == 25; }, 6000));
    EXPECT_TRUE(Contains(seenA, 31, 38));
    EXPECT_TRUE(Contains(seenB, 33, 38));
    EXPECT_TRUE(seenB.count(31));
    EXPECT_TRUE(Contains(seenField, 27, 28));
    EXPECT_EQ(Gold, 20);
    EXPECT_EQ(Played(59), 1) << "the coin rings once for the night";
    EXPECT_EQ(SceneTint, 0xFF333333u);
    EXPECT_EQ(Era03NpcSceneDraw.pictureColour, 0xFFFFFFFFu);
    EXPECT_EQ(Era03NpcSceneDraw.twinklesShown, 1);

    // ---- the catching game: one object crouched for, lifted, carried and
    // put down on the spot
    std::set<std::int32_t> catcherSteps;
    for (int frame = 0; frame < 6000 && Era03NpcScene.deliveredCount < 1 && Era03NpcScript.step == 25; ++frame) {
        catcher.Steer();
        PlayFrames(1);
        catcherSteps.insert(Era03NpcCatcher.step);
    }
    catcher.HoldOnly(0);
    ASSERT_EQ(Era03NpcScene.deliveredCount, 1);
    EXPECT_TRUE(catcherSteps.count(1) && catcherSteps.count(2) && catcherSteps.count(3) && catcherSteps.count(4));

    // ---- the game runs out, the servings, dawn and the last serving
    ASSERT_TRUE(PlayWatching([] { return Era03NpcScript.step >= 40; }, 8000));
    ASSERT_EQ(Era03NpcScript.step, 40) << "one delivered object leads to the servings";
    ASSERT_TRUE(PlayWatching([] { return Era03NpcScene.controllerState != 3; }, 12000));
    EXPECT_TRUE(Contains(seenA, 53, 56));
    EXPECT_EQ(Era02EventsUnlocked, 1);
    EXPECT_EQ(SceneTint, 0xFFFFFFFFu);
    EXPECT_EQ(Era03NpcSceneDraw.panelColour, 0xFFFFFFFFu);
    EXPECT_EQ(XKeyBlocked, 0);
    EXPECT_EQ(ZKeyBlocked, 0);
    EXPECT_EQ(EventHoldsPlayer, 0);

    // ---- the errand from Era04: the conversation tells of it
    ErrandState = 1;
    Era03NpcScene.meetingMark = 0;
    seenA.clear();
    seenC.clear();
    PlayFrames(5);
    PlayerState.x = 63700;
    Hold(VkLetter('A'));
    ASSERT_TRUE(PlayWatching([] { return Era03NpcScene.controllerState == 4; }, 200));
    LetGo(VkLetter('A'));
    ASSERT_TRUE(PlayWatching([] { return Era03NpcTalk.step == 13; }, 3000));
    EXPECT_TRUE(Contains(seenA, 21, 22)) << ::testing::PrintToString(seenA);
    EXPECT_TRUE(Contains(seenC, 19, 32));
    EXPECT_EQ(ErrandState, 2);

    // ---- the menu's 3: the shop; the first offer bought, then N. An N
    // pressed at the menu, where it does nothing, leaves the offers to come.
    autoEnter = false;
    Tap(VkLetter('N'));
    AnswerNumber(3);
    ASSERT_TRUE(PlayWatching([] { return Era03NpcTalk.shopStep == 2; }, 200));
    Tap(VK_RETURN);
    ASSERT_TRUE(PlayWatching([] { return Era03NpcTalk.shopStep == 11; }, 200));
    EXPECT_EQ(Era03NpcScene.offeredPicture, 1);
    AnswerYes();
    ASSERT_TRUE(PlayWatching([] { return Era03NpcTalk.shopStep == 13; }, 200));
    EXPECT_EQ(Gold, 20 - 14);
    EXPECT_EQ(ItemCounts[0], 1u);
    EXPECT_EQ(Played(59), 2);
    EXPECT_EQ(DialogueChannels.shopLineA, 30);
    Tap(VK_RETURN);
    ASSERT_TRUE(PlayWatching([] { return Era03NpcTalk.shopStep == 21; }, 200));
    AnswerNo();
    ASSERT_TRUE(PlayWatching([] { return Era03NpcScene.controllerState != 4; }, 200));
    EXPECT_EQ(Era03NpcScene.meetingMark, 2);
    EXPECT_EQ(Gold, 6);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(NumberKeysBlocked, 1);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

}  // namespace
