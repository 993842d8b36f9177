// The camp's numbers that matter: where the controller starts what, what the
// night costs and gives, the catching game's reach, timing and spot, and the
// conversation's menu and shop.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/calls.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"
#include "shell/graphics.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t A = kNpcAnchor;

void At(double t) { GameClock.gameClock = t; }

// A stage step later.
void Tick(double seconds = 0.014) { GameClock.gameClock += seconds; }

class NpcScene : public ::testing::Test {
protected:
    void SetUp() override {
        At(100.0);
        EndEveryHold();
        ScrollX = A - 311;
        PlayerState = PlayerStateRecord{};
        Era02EventsUnlocked = 0;
        ErrandState = 0;
        Era03NpcScene = Era03NpcSceneRecord{};
        // The script's pictures are in, so a step does not re-arm the game.
        TextureFlags[43] = TextureFlags[59] = kGraphicLoaded;
    }
};

// ---- controller -------------------------------------------------------------

TEST_F(NpcScene, TheSceneStandsStillOutsideTheViewWindow) {
    struct Case {
        std::int32_t scroll, state;
    } cases[] = {{A - 1201, 0}, {A - 1200, 1}, {A + 1200, 1}, {A + 1201, 0}};
    for (const Case& c : cases) {
        ScrollX = c.scroll;
        PlayerState.x = 0;
        RunEra03NpcScene(0);
        EXPECT_EQ(Era03NpcScene.controllerState, c.state) << c.scroll;
    }
}

TEST_F(NpcScene, WhereTheWalkInAndTheConversationStart) {
    struct Case {
        std::int32_t unlocked, x, keyA, state;
    } cases[] = {
        {0, 63688, 0, 1}, {0, 63689, 0, 2}, {0, 64111, 0, 2}, {0, 64112, 0, 1},
        {1, 63688, 1, 1}, {1, 63689, 1, 4}, {1, 63869, 1, 4}, {1, 63870, 1, 1}, {1, 63700, 0, 1},
    };
    for (const Case& c : cases) {
        Era02EventsUnlocked = c.unlocked;
        PlayerState.x = c.x;
        KeyAPressed = c.keyA;
        Era03NpcScene.controllerState = 1;
        RunEra03NpcScene(1);
        EXPECT_EQ(Era03NpcScene.controllerState, c.state) << c.unlocked << " " << c.x;
    }
}

TEST_F(NpcScene, StandingNearTheCharacterWhenTheFirstTwoSecondsEndSkipsTheWalk) {
    struct Case {
        std::int32_t x, step;
    } cases[] = {{63689, 3}, {63830, 3}, {63831, 2}, {64200, 2}};
    for (const Case& c : cases) {
        PlayerState.x = c.x;
        RunEra03NpcWalkIn(0);
        RunEra03NpcWalkIn(1);
        Tick(2.0);
        EXPECT_EQ(RunEra03NpcWalkIn(1), c.step) << c.x;
        if (c.step == 3) {
            EXPECT_EQ(PlayerState.x, A - 61);
        }
    }
}

// ---- the script ---------------------------------------------------------------

TEST_F(NpcScene, TheNightCostsThirtyWhenThereAreThirty) {
    for (std::int32_t gold : {30, 29, 50}) {
        Gold = gold;
        Era03NpcScript.step = 14;
        EnterConfirmState = 2;
        RunEra03NpcSceneScript(1);
        EXPECT_EQ(Era03NpcScript.step, 15);
        EXPECT_EQ(Gold, gold >= 30 ? gold - 30 : gold) << gold;
    }
}

TEST_F(NpcScene, EatingRaisesHpToItsMaximumOnlyThenExperience) {
    PlayerState.maxHp = 140;
    PlayerState.hp = 139;
    PlayerState.exp = 0;
    Era03NpcScript.step = 52;
    Era03NpcScript.savedX = 110;
    Era03NpcScript.t0 = Era03NpcScript.t1 = 100.0;
    while (Era03NpcScript.step == 52) {
        Tick();
        RunEra03NpcSceneScript(1);
    }
    EXPECT_EQ(PlayerState.hp, 140);
    // A bite every other 0.07 s for 4 s: about 28, the first one went to HP.
    EXPECT_GE(PlayerState.exp, 20);
    EXPECT_LE(PlayerState.exp, 28);
}

TEST_F(NpcScene, TheMorningRestHealsUpToTheMaximumOrGivesExperience) {
    struct Case {
        std::int32_t hp, hpAfter, expAfter;
    } cases[] = {{90, 120, 0}, {100, 120, 0}, {119, 120, 0}, {120, 120, 30}};
    for (const Case& c : cases) {
        PlayerState.maxHp = 120;
        PlayerState.hp = c.hp;
        PlayerState.exp = 0;
        Era03NpcScript.step = 70;
        RunEra03NpcSceneScript(1);
        EXPECT_EQ(PlayerState.hp, c.hpAfter) << c.hp;
        EXPECT_EQ(PlayerState.exp, c.expAfter) << c.hp;
    }
}

TEST_F(NpcScene, NothingCaughtLeadsBackToTheGame) {
    Era03NpcScene.deliveredCount = 0;
    Era03NpcScene.actorX = A + 400;
    Era03NpcScript.step = 31;
    std::vector<std::int32_t> steps;
    for (int i = 0; i < 400 && Era03NpcScript.step != 22; ++i) {
        EnterConfirmState = 2;
        KeyLeftPressed = 1;   // the walk back left takes the arrow as held
        Tick();
        RunEra03NpcSceneScript(1);
        if (steps.empty() || steps.back() != Era03NpcScript.step) steps.push_back(Era03NpcScript.step);
    }
    EXPECT_EQ(steps, (std::vector<std::int32_t>{32, 33, 34, 35, 22}));   // 36 passes at once
    EXPECT_GT(Era03NpcScene.actorX, A - 53);
    EXPECT_LT(Era03NpcScene.actorX, A + 352);
    EXPECT_EQ(Era03NpcScene.catchSignal, 0);
}

TEST_F(NpcScene, AReplayAnsweredNoEndsAtOnceWithTheLinesDown) {
    Era02EventsUnlocked = 1;
    RunEra03NpcSceneScript(0);
    Tick(0.2);
    RunEra03NpcSceneScript(1);   // 0 -> 1, a line waits
    EnterConfirmState = 2;
    RunEra03NpcSceneScript(1);   // 1 -> 2 -> the question
    EXPECT_EQ(Era03NpcScript.step, -1);
    EXPECT_EQ(DialogueChannels.shopLineB, 100);
    KeyNPressed = 1;
    EXPECT_EQ(RunEra03NpcSceneScript(1), 99);
    EXPECT_EQ(DialogueChannels.shopLineA, 0);
    EXPECT_EQ(DialogueChannels.shopLineB, 0);
    EXPECT_EQ(Era02EventsUnlocked, 1);
}

// ---- the catching game -----------------------------------------------------------

class CatchGame : public NpcScene {
protected:
    void SetUp() override {
        NpcScene::SetUp();
        UpdateEra03CatchObject1(0);
        UpdateEra03CatchObject2(0);
        UpdateEra03CatchObject3(0);
        UpdateEra03CatchObject4(0);
        UpdateEra03NpcCatcher(0);
        Era03NpcScene.actorX = A;
        Era03NpcScene.actorFacing = -1;
    }
    // Object k resting where the crouching character's hand reaches.
    static void RestInReach(int k) {
        Era03CatchObjects[k].state = 2;
        Era03CatchObjects[k].restStamp = GameClock.gameClock;
        TitleFigureSlots.figure[k].x = Era03NpcScene.actorX - ScrollX + 29;
        TitleFigureSlots.figure[k].y = 640;
    }
    static void Step(int k) {
        void (*routines[5])(std::int32_t) = {nullptr, UpdateEra03CatchObject1, UpdateEra03CatchObject2,
                                             UpdateEra03CatchObject3, UpdateEra03CatchObject4};
        routines[k](1);
    }
};

TEST_F(CatchGame, AnObjectHeldExactlyThreeSecondsIsNotYetLifted) {
    RestInReach(1);
    Era03NpcScene.actorPose = 18;
    Step(1);
    ASSERT_EQ(Era03CatchObjects[1].state, 3);
    At(103.0);
    Step(1);
    EXPECT_EQ(Era03CatchObjects[1].state, 3);
    EXPECT_EQ(Era03NpcScene.catchSignal, 0);
    Tick();
    Step(1);
    EXPECT_EQ(Era03CatchObjects[1].state, 4);
    EXPECT_EQ(Era03NpcScene.catchSignal, 1);
}

TEST_F(CatchGame, TheCrouchEndsWithoutDownUnlessAnObjectWasJustLifted) {
    for (std::int32_t signal : {0, 2}) {
        UpdateEra03NpcCatcher(0);
        KeyDownPressed = 1;
        UpdateEra03NpcCatcher(1);
        ASSERT_EQ(Era03NpcCatcher.step, 1);
        // The object that is lifted clears Down in the same step.
        KeyDownPressed = 0;
        Era03NpcScene.catchSignal = signal;
        Tick(0.3);
        UpdateEra03NpcCatcher(1);
        EXPECT_EQ(Era03NpcCatcher.step, signal != 0 ? 2 : 0);
        EXPECT_EQ(Era03NpcScene.actorPose, signal != 0 ? 19 : 18);
    }
}

TEST_F(CatchGame, ThePutDownSpotIsStrictlyWithin35OfTheCamp) {
    struct Case {
        std::int32_t worldX;
        bool delivered;
    } cases[] = {{A - 35, false}, {A - 34, true}, {A + 34, true}, {A + 35, false}};
    for (const Case& c : cases) {
        Era03NpcScene.deliveredCount = 0;
        Era03NpcScene.catchSignal = 0;
        Era03CatchObjects[2].state = 4;
        TitleFigureSlots.figure[2].x = c.worldX - ScrollX;
        TitleFigureSlots.figure[2].colour = 0xDDFFDDDDu;
        Era03NpcScene.actorPose = 22;
        Step(2);
        EXPECT_EQ(Era03NpcScene.deliveredCount, c.delivered ? 1 : 0) << c.worldX;
        EXPECT_EQ(Era03CatchObjects[2].state, c.delivered ? 5 : 1) << c.worldX;
        EXPECT_EQ(Era03NpcScene.catchSignal, c.delivered ? 99 : 0) << c.worldX;
    }
}

TEST_F(CatchGame, TwoObjectsInReachAreLiftedCarriedAndDeliveredTogether) {
    RestInReach(1);
    RestInReach(3);
    Era03NpcScene.actorPose = 18;
    for (int i = 0; i < 230; ++i) {
        Tick();
        Step(1);
        Step(3);
    }
    ASSERT_EQ(Era03CatchObjects[1].state, 4);
    ASSERT_EQ(Era03CatchObjects[3].state, 4);
    Era03NpcScene.actorX = A - 40;   // facing -1: carried about 35..44 px ahead
    Era03NpcScene.actorPose = 20;
    Step(1);
    Step(3);
    Era03NpcScene.actorPose = 22;
    Step(1);
    Step(3);
    EXPECT_EQ(Era03NpcScene.deliveredCount, 2);
}

TEST_F(CatchGame, TheCharacterWalksOnlyWithinItsReachOfTheCamp) {
    struct Case {
        std::int32_t x;
        bool right, carrying;
        std::int32_t after;
    } cases[] = {
        {A + 578, true, false, A + 597}, {A + 579, true, false, A + 579},
        {A - 311, false, false, A - 330}, {A - 312, false, false, A - 312},
        {A + 578, true, true, A + 598},  {A - 311, false, true, A - 331},
    };
    for (const Case& c : cases) {
        UpdateEra03NpcCatcher(0);
        Era03NpcCatcher.step = c.carrying ? 3 : 0;
        Era03NpcScene.actorX = c.x;
        PlayerMoveState.walkRight = c.right ? 1 : 0;
        PlayerMoveState.walkLeft = c.right ? 0 : 1;
        KeyRightPressed = c.right ? 1 : 0;
        KeyLeftPressed = c.right ? 0 : 1;
        Tick(0.1);
        UpdateEra03NpcCatcher(1);
        EXPECT_EQ(Era03NpcScene.actorX, c.after) << c.x << (c.carrying ? " carrying" : "");
        EXPECT_EQ(Era03NpcScene.actorFacing, c.right ? 1 : -1);
    }
}

TEST_F(CatchGame, AtTheEndEveryObjectDriftsOffTheScreen) {
    RestInReach(1);
    Era03CatchObjects[2].state = 4;      // carried
    Era03CatchObjects[3].state = 3;      // held in the crouch
    Era03CatchObjects[4].state = 0;      // not started yet
    Era03NpcScene.actorPose = 18;
    for (int i = 0; i < 2000; ++i) {
        Era03NpcScene.catchSignal = 990;   // as the script writes it every step
        Tick();
        for (int k = 1; k <= 4; ++k) Step(k);
    }
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(TitleFigureSlots.figure[k].frame, 0) << k;
        EXPECT_EQ(Era03CatchObjects[k].state, 99) << k;
    }
}

TEST_F(CatchGame, ADroppedObjectFadesInToOpaqueAndNoFurther) {
    Era03CatchObjects[1].state = 4;
    TitleFigureSlots.figure[1].x = 900;   // far from the spot: dropped
    Era03NpcScene.actorPose = 22;
    Step(1);
    ASSERT_EQ(TitleFigureSlots.figure[1].colour, 0xDDFFFFFFu);
    Era03NpcScene.actorPose = 13;
    for (int i = 0; i < 300; ++i) {
        Tick(0.05);
        Step(1);
        EXPECT_EQ(TitleFigureSlots.figure[1].colour & 0x00FFFFFFu, 0x00FFFFFFu);
        EXPECT_GE(TitleFigureSlots.figure[1].colour >> 24, 0xDDu);
    }
    EXPECT_EQ(TitleFigureSlots.figure[1].colour, 0xFFFFFFFFu);
}

// ---- the conversation and the shop ---------------------------------------------

class Conversation : public NpcScene {
protected:
    void SetUp() override {
        NpcScene::SetUp();
        Era02EventsUnlocked = 1;
        NumberKeysBlocked = 1;
        NumberKeyValue = 99;
        EquipmentFlags = EquipmentFlagsRecord{};
        ItemCounts[0] = ItemCounts[1] = 0;
        DialogueChannels = DialogueChannelsRecord{};
    }
    // Steps with Enter pressed every call until `until` holds; counts the
    // calls that leave the talk's box with no line in it.
    int emptyBoxes = 0;
    template <class Until>
    std::set<std::int32_t> ReadLines(Until until) {
        std::set<std::int32_t> shown;
        for (int i = 0; i < 200 && !until(); ++i) {
            EnterConfirmState = 2;
            Tick();
            RunEra03NpcConversation(1);
            const DialogueChannelsRecord& d = DialogueChannels;
            if (d.shopLineC != 0) shown.insert(d.shopLineC);
            emptyBoxes += d.shopLineA == 0 && d.shopLineB == 0 && d.shopLineC == 0;
        }
        return shown;
    }
};

TEST_F(Conversation, TheArmourLinesComeOnceAndTakeTheErrandInstead) {
    ErrandState = 1;
    PlayerState.weaponMode2 = 1;
    Era03NpcTalk.step = 8;
    const auto shown = ReadLines([] { return Era03NpcTalk.step == 13; });
    EXPECT_EQ(shown, (std::set<std::int32_t>{33, 34, 35, 36}));
    EXPECT_EQ(emptyBoxes, 0) << "the box stands empty between the last line and the choice";
    EXPECT_EQ(Era03NpcScene.extraLinesHeard, 1);
    EXPECT_EQ(ErrandState, 2);
}

TEST_F(Conversation, TheStoryAgainTakesTheErrandWhateverItWas) {
    ErrandState = 3;
    Era03NpcTalk.step = 12;
    RunEra03NpcConversation(1);
    ASSERT_EQ(Era03NpcTalk.step, 13);
    NumberKeyValue = 5;
    RunEra03NpcConversation(1);
    ASSERT_EQ(Era03NpcTalk.step, 60);
    const auto shown = ReadLines([] { return Era03NpcTalk.step == 13; });
    EXPECT_EQ(shown.size(), 32u);
    EXPECT_EQ(ErrandState, 2);
}

TEST_F(Conversation, NumberKeysCountOnlyWhileTheMenuWaits) {
    Era03NpcTalk.step = 11;
    EnterConfirmState = 1;
    NumberKeyValue = 3;
    RunEra03NpcConversation(1);
    EXPECT_EQ(Era03NpcTalk.step, 11);
    EnterConfirmState = 2;
    RunEra03NpcConversation(1);   // 11 -> 12 -> 13: the keys open, the value cleared
    EXPECT_EQ(Era03NpcTalk.step, 13);
    EXPECT_EQ(NumberKeysBlocked, 0);
    NumberKeyValue = 6;
    RunEra03NpcConversation(1);
    EXPECT_EQ(Era03NpcTalk.step, 13);
    EXPECT_EQ(NumberKeyValue, 99);
    NumberKeyValue = 3;
    RunEra03NpcConversation(1);
    EXPECT_EQ(Era03NpcTalk.step, 41);
    EXPECT_EQ(NumberKeysBlocked, 1);
}

TEST_F(Conversation, ExactGoldBuysEachOfferAndTooLittleSaysSo) {
    struct Case {
        std::int32_t offerStep, gold, stepAfter, goldAfter, lineA;
    } cases[] = {
        {11, 14, 13, 0, 30}, {21, 20, 23, 0, 30}, {31, 500, 33, 0, 30},
        {11, 13, 12, 13, 29}, {21, 19, 22, 19, 29}, {31, 499, 32, 499, 29},
    };
    for (const Case& c : cases) {
        SetUp();
        Gold = c.gold;
        Era03NpcTalk.shopStep = c.offerStep;
        KeyYPressed = 1;
        EnterConfirmState = 1;
        RunEra03NpcShop(1);
        EXPECT_EQ(Era03NpcTalk.shopStep, c.stepAfter) << c.offerStep << " " << c.gold;
        EXPECT_EQ(Gold, c.goldAfter);
        EXPECT_EQ(DialogueChannels.shopLineA, c.lineA);
        const bool bought = c.lineA == 30;
        EXPECT_EQ(ItemCounts[0], bought && c.offerStep == 11 ? 1u : 0u);
        EXPECT_EQ(ItemCounts[1], bought && c.offerStep == 21 ? 1u : 0u);
        EXPECT_EQ(EquipmentFlags.acquiredA, bought && c.offerStep == 31 ? 1 : 0);
    }
}

TEST_F(Conversation, AnOwnedKnifeIsNotOfferedAgain) {
    for (std::int32_t owned : {0, 1}) {
        EquipmentFlags.acquiredA = owned;
        Era03NpcTalk.shopStep = 21;
        EnterConfirmState = 2;   // Enter: the next offer
        RunEra03NpcShop(1);
        EXPECT_EQ(Era03NpcTalk.shopStep, owned ? 10 : 30);
    }
}

}  // namespace
