// The home area's routines stepped by hand on a game clock of our own: the
// sparring's roll, the house's talk events, the gate's lines, the leap's
// rebase, the knock-back and the move practice.
#include <gtest/gtest.h>

#include <functional>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era00/scenes.h"
#include "areas/era00_era01/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "platform/headless.h"
#include "shell/graphics.h"
#include "shell/reset.h"
#include "shell/sound_bank.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "support/test_hold.h"

namespace {

constexpr double kStep = 0.014;

class HomeAreaSteps : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEra00Era01Area();
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        DialogueChannels = DialogueChannelsRecord{};
        EnterConfirmState = 0;
        EndEveryHold();
        HudState = HudStateRecord{};
        EquipmentFlags = EquipmentFlagsRecord{};
        GameClock.gameClock = 100.0;
        ScrollX = 0;
        Era00AreaFlag = 1;
        Era01AreaFlag = 0;
    }
    static void Tick() { GameClock.gameClock += kStep; }
    static void Enter() {
        if (EnterConfirmState == 1) EnterConfirmState = 2;
    }
    // The message chime (sound 6) counts from here on.
    static void CountChimes() {
        plat::headless::Reset();
        SoundTable[6] = 1;
    }
    static int Chimes() {
        int n = 0;
        for (const auto& c : plat::headless::AllSoundCalls())
            n += c.op == plat::headless::SoundOp::Play && c.slot == 6 ? 1 : 0;
        return n;
    }
    static void Heroine(std::int32_t x, std::int32_t facing = 1) {
        PlayerState.x = x;
        PlayerState.y = 640;
        PlayerState.facing = facing;
        PlayerState.pose = 1;
        PlayerMoveState.jumpKind = 0;
    }
};

// ---- sparring: the roll picks the reaction -----------------------------------

// A seed whose first roll is `roll`.
std::uint32_t SeedForRoll(std::int32_t roll) {
    for (std::uint32_t s = 1; s < 100000; ++s) {
        SeedRandom(s);
        if (Random0To99() == roll) return s;
    }
    return 0;
}

TEST_F(HomeAreaSteps, AKickInReachIsPushedDodgedOrBlockedByTheRoll) {
    struct Case {
        std::int32_t roll;
        std::int32_t friendFrame;   // 6 push, 12 dodge, 13 block
    };
    const Case cases[] = {{0, 6}, {29, 6}, {30, 12}, {59, 12}, {60, 13}, {99, 13}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roll);
        const std::uint32_t seed = SeedForRoll(c.roll);
        ASSERT_NE(seed, 0u);
        Era00SceneActors.actorAX = 100;
        Era00SceneActors.actorEX = 355;
        RunEra00SparringScene(0);
        Heroine(355 - 80);
        PlayerState.pose = 21;   // the kick
        SeedRandom(seed);
        Tick();
        RunEra00SparringScene(1);
        EXPECT_EQ(Era00SceneActors.actorEFrame, c.friendFrame);
    }
}

TEST_F(HomeAreaSteps, EachReactionCostsPaysOrGivesGroundAsItShould) {
    // Push: one HP at each hit frame, none while the hurt flash is on.
    for (int flash : {0, 1}) {
        Era00SceneActors.actorEX = 355;
        Heroine(300);
        PlayerState.hp = 100;
        HudState.hurtFlash = flash;
        RunEra00SparringReaction(0);
        int hitFrames = 0;
        for (int i = 0; i < 100; ++i) {
            const std::int32_t before = PlayerState.x;
            if (RunEra00SparringReaction(1) == 99) break;
            if (before != 355 - 95 && PlayerState.x == 355 - 95) ++hitFrames;
            // She steps in again between the two blows.
            if (Era00SceneActors.actorEFrame == 8) PlayerState.x = 300;
            Tick();
        }
        EXPECT_EQ(hitFrames, 2);
        EXPECT_EQ(PlayerState.hp, flash == 1 ? 100 : 98);
    }
    // Dodge: 10 EXP, her x held.
    Heroine(280);
    PlayerState.exp = 5;
    RunEra00SparringReaction(0);
    for (int i = 0; i < 100 && RunEra00SparringReaction(2) != 99; ++i) {
        PlayerState.x += 3;
        Tick();
    }
    EXPECT_EQ(PlayerState.exp, 15);
    EXPECT_EQ(PlayerState.x, 280);
    // Block: her friend gives two pixels a step.
    Era00SceneActors.actorEX = 355;
    RunEra00SparringReaction(0);
    int steps = 0;
    while (RunEra00SparringReaction(3) != 99 && steps < 100) {
        ++steps;
        Tick();
    }
    EXPECT_EQ(Era00SceneActors.actorEX, 355 + 2 * (steps + 1));
}

TEST_F(HomeAreaSteps, TheSparringEndsInTheStepTheHeroineReaches450) {
    Era00SceneActors.actorAX = 100;
    Era00SceneActors.actorEX = 800;
    RunEra00SparringScene(0);
    Heroine(449);
    Tick();
    EXPECT_NE(RunEra00SparringScene(1), 99);
    PlayerState.x = 450;
    Tick();
    EXPECT_EQ(RunEra00SparringScene(1), 99);
}

// Kara's lines after the sparring hold both henchmen: the partner, wherever
// the sparring left him, stands clear of his fellow (landed at 554), of her
// and of Kara, at the nearest such place.
TEST_F(HomeAreaSteps, TheSparringPartnerStandsApartFromHisFellowForKarasLines) {
    struct Row {
        std::int32_t partnerX, standsAt;
    };
    const Row rows[] = {
        {480, 480},   // between her and his fellow already
        {535, 491},   // inside his fellow: to his left
        {600, 491},   // inside his fellow's pet: to his left still
        {700, 767},   // inside Kara: past her, the nearer way
    };
    for (const Row& r : rows) {
        Era00SceneActors.actorAX = 100;
        Era00SceneActors.actorCX = 554;
        Era03ArenaEnemy3.x = 700;
        RunEra00SparringScene(0);
        Era00SceneActors.actorEX = r.partnerX;
        Heroine(450);
        Tick();
        ASSERT_EQ(RunEra00SparringScene(1), 99);
        EXPECT_EQ(Era00SceneActors.actorEX, r.standsAt) << "from " << r.partnerX;
    }
}

// ---- the house's talk events -------------------------------------------------

TEST_F(HomeAreaSteps, TheActionKeyStartsEachEventOnlyInsideItsWindow) {
    struct Case {
        std::int32_t lo, hi, facing, line;
    };
    const Case cases[] = {
        {320, 360, 1, 7},    {626, 666, 1, 8},    {895, 935, 1, 9},   {965, 1005, 1, 10},
        {1253, 1293, 1, 11}, {70, 75, -1, 12},    {1500, 1635, 1, 14}, {1705, 1815, 1, 16},
        {2379, 2419, 1, 18},
    };
    auto StartsAt = [](std::int32_t x, std::int32_t facing, std::function<void()> also = nullptr) {
        DialogueChannels.storyLine = 0;
        EndEveryHold();
        RunEra00TalkEvents(0);
        Heroine(x, facing);
        if (also) also();
        KeyAPressed = 1;
        RunEra00TalkEvents(1);
        return DialogueChannels.storyLine;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lo);
        EXPECT_EQ(StartsAt(c.lo, c.facing), c.line);
        EXPECT_EQ(StartsAt(c.hi, c.facing), c.line);
        EXPECT_EQ(PlayerState.pose, c.line == 9 || c.line == 10 ? 18 : (c.line == 11 || c.line == 12 ? 39 : 40));
        if (c.lo > 70) { EXPECT_EQ(StartsAt(c.lo - 1, c.facing), 0); }
        EXPECT_EQ(StartsAt(c.hi + 1, c.facing), 0);
        EXPECT_EQ(StartsAt(c.lo, c.facing, [] { PlayerMoveState.jumpKind = 11; }), 0) << "while jumping";
        EXPECT_EQ(StartsAt(c.lo, c.facing, [] { PlayerState.pose = 0; }), 0) << "in pose 0";
    }
    EXPECT_EQ(StartsAt(70, 1), 0) << "the edge wants her facing left";
}

TEST_F(HomeAreaSteps, TheDoorWantsTheHeroineExactlyOnThePorch) {
    for (std::int32_t y : {559, 561, 640}) {
        Era00IndoorState = 0;
        Heroine(800);
        PlayerState.y = y;
        KeyAPressed = 1;
        RunEra00TalkEvents(1);
        EXPECT_EQ(Era00IndoorState, 0) << y;
    }
    Heroine(785);
    PlayerState.y = 560;
    KeyAPressed = 1;
    RunEra00TalkEvents(1);
    EXPECT_EQ(Era00IndoorState, 4);
    for (int i = 0; i < 80; ++i) {
        Tick();
        RunEra00TalkEvents(1);
    }
    EXPECT_EQ(Era00IndoorState, 1);
    KeyDownPressed = 1;
    RunEra00TalkEvents(1);
    EXPECT_EQ(Era00IndoorState, 0);
    EXPECT_EQ(PlayerState.y, 640);
}

TEST_F(HomeAreaSteps, TheMenuKeyHintClosesOnlyAfterTheMenuKeyWasTried) {
    Heroine(2400);
    KeyAPressed = 1;
    RunEra00TalkEvents(1);
    ASSERT_EQ(DialogueChannels.storyLine, 18);
    Enter();
    RunEra00TalkEvents(1);
    EXPECT_EQ(DialogueChannels.storyLine, 19);
    for (int i = 0; i < 3; ++i) {
        Enter();
        RunEra00TalkEvents(1);
        EXPECT_EQ(DialogueChannels.storyLine, 19) << "Enter alone must not close it";
    }
    CountChimes();
    const std::int32_t phase = GameFlow.phase;
    GameFlow.phase = 1;
    PhaseChangeRequest = 1;
    RunEra00TalkEvents(1);
    EXPECT_EQ(PhaseChangeRequest, 1) << "the menu the hint asked for opens";
    PhaseChangeRequest = 0;
    GameFlow.phase = phase;
    EXPECT_EQ(Chimes(), 1) << "the close chimes, the hint back in the same step does not";
    EXPECT_EQ(DialogueChannels.storyLine, 19);
    EXPECT_EQ(EnterConfirmState, 1);
    Enter();
    RunEra00TalkEvents(1);
    EXPECT_EQ(DialogueChannels.storyLine, 0);
    EXPECT_EQ(EnterConfirmState, 1) << "the house's talks close with 1";
    EXPECT_EQ(MessageBoxOpen, 0);
}

// ---- the gate ------------------------------------------------------------------

TEST_F(HomeAreaSteps, TheGateStopsHerWithItsLinesAndAgainAfterSheWalksBack) {
    RunEra00Story(3);
    RunEra00Story(0);
    Era00StoryPhase = 2;
    Era00Gateway.x = 3080;
    auto Step = [] {
        Tick();
        RunEra00Story(2);
    };
    auto ReadAll = [&](std::vector<std::int32_t>& seen) {
        for (int i = 0; i < 20 && DialogueChannels.promptLine != 0; ++i) {
            seen.push_back(DialogueChannels.promptLine);
            Enter();
            Step();
        }
    };
    Heroine(2000);
    Step();
    EXPECT_EQ(DialogueChannels.promptLine, 0);
    PlayerState.x = 2560;
    Step();
    EXPECT_EQ(PlayerState.x, 2555);
    // Carried back west while line 15 waits: it is still read.
    PlayerState.x = 2549;
    Step();
    EXPECT_EQ(PlayerState.x, 2555);
    std::vector<std::int32_t> first;
    ReadAll(first);
    EXPECT_EQ(first, (std::vector<std::int32_t>{15, 16, 17}));

    PlayerState.x = 2549;
    Step();
    PlayerState.x = 2551;
    Step();
    std::vector<std::int32_t> again;
    ReadAll(again);
    EXPECT_EQ(again, (std::vector<std::int32_t>{16, 17}));

    PlayerState.x = 2700;
    Step();
    EXPECT_EQ(DialogueChannels.promptLine, 18);
    EXPECT_EQ(PlayerState.x, 2705);
}

TEST_F(HomeAreaSteps, TheLeapFlipsBothAreasAndRebasesGateAndHeroineByOneScroll) {
    Era00Gateway.x = 3080;
    Heroine(2705);
    ScrollX = 2200;
    RunEra00ToEra01Handover(0);
    std::int32_t beforeGap = 0;
    for (int i = 0; i < 200 && Era01AreaFlag == 0; ++i) {
        beforeGap = PlayerState.x - Era00Gateway.x;
        Tick();
        RunEra00ToEra01Handover(1);
    }
    ASSERT_EQ(Era01AreaFlag, 1);
    EXPECT_EQ(Era00AreaFlag, 0);
    EXPECT_EQ(Era00Gateway.passed, 1u);
    EXPECT_EQ(ScrollX, 0);
    EXPECT_EQ(Era00Gateway.x, 3080 - 2200);
    // One step of the leap moves her 550 px/s at most.
    EXPECT_GT(PlayerState.x, Era00Gateway.x);
    EXPECT_LE(PlayerState.x - Era00Gateway.x - beforeGap, 8);
}

TEST_F(HomeAreaSteps, TheFieldsFirstLineWaitsForTheFieldsPictures) {
    Era00Gateway.x = 3080;
    Heroine(2705);
    RunEra00ToEra01Handover(0);
    for (int i = 0; i < 400 && DialogueChannels.promptLine != 19; ++i) {
        Tick();
        RunEra00ToEra01Handover(1);
    }
    ASSERT_EQ(DialogueChannels.promptLine, 19);
    GsFlags[kEra01Set] = kGraphicRequested;
    Enter();
    RunEra00ToEra01Handover(1);
    EXPECT_EQ(DialogueChannels.promptLine, 19);
    GsFlags[kEra01Set] = kGraphicLoaded;
    RunEra00ToEra01Handover(1);
    EXPECT_EQ(DialogueChannels.promptLine, 20);
}

// ---- the flame's knock-back -----------------------------------------------------

TEST_F(HomeAreaSteps, TheFlameThrowsHerBackOntoTheGroundUntilSheReadsTheLine) {
    Heroine(760);
    RunEra00KnockBackScene(0);
    std::int32_t highest = 640;
    int i = 0;
    for (; i < 400 && PlayerState.pose != 26; ++i) {
        Tick();
        RunEra00KnockBackScene(1);
        if (PlayerState.y < highest) highest = PlayerState.y;
    }
    EXPECT_EQ(DialogueChannels.promptLine, 14);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_LT(PlayerState.x, 760);
    EXPECT_LT(highest, 640);
    const std::int32_t landed = PlayerState.x;
    Tick();
    EXPECT_NE(RunEra00KnockBackScene(1), 99);
    EXPECT_EQ(PlayerState.x, landed);
    Enter();
    EXPECT_EQ(RunEra00KnockBackScene(1), 99);
    EXPECT_EQ(DialogueChannels.promptLine, 0);
    EXPECT_EQ(EnterConfirmState, 0) << "a closed line must not stay read";
    EXPECT_EQ(MessageBoxOpen, 0);
}

// ---- the move practice ------------------------------------------------------------

// Plays the controller's part for the practice: walks by the held keys,
// answers a started combo with its striking pose and then stands, lands a
// jump, reads lines, and makes the G move when the post is to be raised.
void PlayPractice() {
    PlayerMoveStateRecord& m = PlayerMoveState;
    static int phase = 0;   // 0 standing, 1 striking
    if (EnterConfirmState == 1 && DialogueChannels.storyLine != 0) {
        EnterConfirmState = 2;
        return;
    }
    if (KeyRightPressed == 1) PlayerState.x += 4;
    if (KeyLeftPressed == 1) PlayerState.x -= 4;
    if (phase == 1) {
        PlayerState.pose = 1;
        m.comboS = m.comboD = m.comboG = 0;
        m.jumpKind = 0;
        phase = 0;
        return;
    }
    if (m.comboS == 20) {
        PlayerState.pose = 21;
        phase = 1;
    } else if (m.comboD == 10) {
        PlayerState.pose = 36;
        phase = 1;
    } else if (MessageBoxOpen == 0 && MovePracticeState.height < 30 && m.comboG == 0) {
        // The post waits for the G move at its foot.
        PlayerState.x = 140;
        PlayerState.facing = -1;
        m.comboG = 20;
        PlayerState.pose = 125;
        phase = 1;
    }
}

TEST_F(HomeAreaSteps, TheMovePracticeCountsItsMovesAndGivesTheSecondOutfit) {
    ErrandState = 2;
    Era00AreaFlag = 0;
    Era01AreaFlag = 1;
    Heroine(120, -1);
    KeyAPressed = 1;
    RunMovePracticeEvent();
    EXPECT_EQ(MessageBoxOpen, 1);
    int sHits = 0, dHits = 0, raises = 0, chimesAtLastLine = -1;
    CountChimes();
    for (int i = 0; i < 40000 && MovePracticeDone != 2; ++i) {
        HitEffectState = 0;
        Tick();
        RunMovePracticeEvent();
        if (DialogueChannels.storyLine == 1061 && chimesAtLastLine < 0) chimesAtLastLine = Chimes();
        if (HitEffectState == 1) ++sHits;
        if (HitEffectState == 10) ++dHits;
        if (HitEffectState == 40) ++raises;
        PlayPractice();
    }
    ASSERT_EQ(MovePracticeDone, 2);
    EXPECT_EQ(Chimes(), chimesAtLastLine + 1) << "the last line is read with a chime like every other";
    EXPECT_EQ(sHits, 10 + 1) << "ten kicks, then the jump kick";
    EXPECT_EQ(dHits, 15);
    EXPECT_EQ(raises, 3) << "three raises of 10 px";
    EXPECT_EQ(EquipmentFlags.acquiredB, 1);
    EXPECT_EQ(PlayerState.weaponMode1, 0);
    EXPECT_EQ(PlayerState.weaponMode2, 1);
    EXPECT_EQ(MovePracticeState.stepSprite, 0);

    // A later talk on the same word is left alone.
    DialogueChannels.storyLine = 50;
    HoldForTest(kHoldLine);
    HoldForTest(kHoldKeys);
    for (int i = 0; i < 5; ++i) {
        Tick();
        RunMovePracticeEvent();
    }
    EXPECT_EQ(DialogueChannels.storyLine, 50);
    EXPECT_EQ(EventHoldsPlayer, 1);
    EXPECT_EQ(MessageBoxOpen, 1);
}

}  // namespace
