// The lift, the gatekeeper and his collecting game stepped by hand on a game
// clock of our own: the throw off the lift, the talk's 33 lines at constant
// HP, the paid and refused offers, the game's pick-ups and its end, and a
// load in the middle of a throw.
#include <gtest/gtest.h>

#include <vector>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "shell/save_layout.h"
#include "shell/save_slots.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr double kStep = 0.014;
constexpr std::int32_t G = 17500;
constexpr std::int32_t L = 20350;

class FieldMiddleSteps : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(5);
        GameClock.gameClock = 100.0;
        ResetEra00Era01Area();
        PlayerState = PlayerStateRecord{};
        PlayerState.hp = PlayerState.maxHp = 80;
        PlayerState.y = 640;
        DialogueChannels = DialogueChannelsRecord{};
        EnterConfirmState = 0;
        EndEveryHold();
        KeyAPressed = KeyYPressed = 0;
        BigBurstPool = BurstPoolRecord<50>{};
        StageFrozenByMenu = 0;
        Gold = 0;
        for (auto& c : ItemCounts) c = 0;
        ScrollX = G + 800;
    }
    void Step() {
        GameClock.gameClock += kStep;
        UpdateLift();
        UpdateGatekeeper(1);
        UpdateCollectGame();
        UpdateCollectGameRound();
    }
    // Steps until `done` holds; false after `limit` steps.
    template <class F>
    bool StepUntil(F done, int limit = 2000) {
        for (int i = 0; i < limit; ++i) {
            if (done()) return true;
            Step();
        }
        return done();
    }
    // Where the objects wander depends on the games played before (their
    // wander steps are never reset): the others are moved out of her reach
    // so that one pick-up takes one object.
    static void SpreadOthers(int k) {
        for (int j = 0; j < 8; ++j) {
            CollectGameObject& o = CollectGameObjects[j];
            if (j == k || (o.state != 17 && o.state != 18)) continue;
            if (o.x > PlayerState.x - 40 && o.x < PlayerState.x + 40) o.x = PlayerState.x + (o.x < PlayerState.x ? -60 : 60);
        }
    }
    void Enter() {
        EnterConfirmState = 2;
        Step();
    }
};

TEST_F(FieldMiddleSteps, LiftThrowsHerLeftForFiveHp) {
    GatekeeperRecord.done = 1;   // past the gatekeeper, who would hold her
    ScrollX = L - 400;
    PlayerState.x = L - 10;
    PlayerState.y = 456;
    Step();
    ASSERT_EQ(LiftRecord.state, 2);
    // Stepping off before the top closes ends the ride harmlessly.
    PlayerState.x = L + 14;
    ASSERT_TRUE(StepUntil([] { return LiftRecord.state == 1; }));
    EXPECT_EQ(PlayerState.hp, 80);

    PlayerState.x = L - 31;
    const double start = GameClock.gameClock;
    ASSERT_TRUE(StepUntil([] { return LiftRecord.state == 6; }));
    EXPECT_NEAR(GameClock.gameClock - start, 0.5 + 0.06 + 0.06, 0.05);
    ScrollX = L - 300;
    ASSERT_TRUE(StepUntil([] { return LiftRecord.state == 9; }));
    EXPECT_EQ(PlayerState.x, L - 20);
    EXPECT_EQ(PlayerState.pose, 0);
    EXPECT_EQ(ScrollX, L - 400);   // the view stays where it was when she was caught
    ASSERT_TRUE(StepUntil([] { return LiftRecord.state == 13; }));
    ASSERT_TRUE(StepUntil([] { return LiftRecord.state == 1; }));
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_NEAR(PlayerState.x, L - 20 - 307, 25);
    EXPECT_EQ(PlayerState.hp, 75);
    EXPECT_LE(ScrollX, PlayerState.x - 250);
}

TEST_F(FieldMiddleSteps, FirstTalkThrowAndGame) {
    PlayerState.x = G + 1089;
    Step();
    EXPECT_EQ(GatekeeperRecord.done, 0);
    PlayerState.x = G + 1090;
    Step();
    EXPECT_EQ(DialogueChannels.storyLine, 25);
    EXPECT_EQ(PlayerState.x, G + 1133);
    EXPECT_EQ(FieldTalkOpen, 1);
    std::vector<std::int32_t> shown{25};
    // Line 32 points at the tree the game is played under: the view, which
    // moves over the field below while he talks, shows its trunk by then,
    // however fast the lines are read.
    std::int32_t viewAt32 = -1;
    for (int i = 0; i < 2000 && GatekeeperRecord.state < 10; ++i) {
        PlayerState.hp = 3;   // a blow meanwhile: the talk puts it back
        Enter();
        const std::int32_t line = DialogueChannels.storyLine;
        if (line == shown.back()) continue;   // waiting for the view
        EXPECT_EQ(PlayerState.hp, 80);
        if (line != 0) shown.push_back(line);
        if (line == 32) viewAt32 = ScrollX;
    }
    EXPECT_LE(viewAt32, G + 483) << "the trunk's left edge";
    EXPECT_GE(viewAt32 + kViewWidth, G + 641) << "the trunk's right edge";
    std::vector<std::int32_t> expected{25, 26, 27, 28};
    for (std::int32_t m = 1001; m <= 1018; ++m) expected.push_back(m);
    for (std::int32_t m = 29; m <= 39; ++m) expected.push_back(m);
    EXPECT_EQ(shown, expected);
    ASSERT_EQ(GatekeeperRecord.state, 10);

    ASSERT_TRUE(StepUntil([] { return GatekeeperRecord.state == 13; }));
    EXPECT_EQ(ScrollX, G + 358);
    EXPECT_EQ(GatekeeperRecord.frame, 6);
    ASSERT_TRUE(StepUntil([] { return GatekeeperRecord.state == 14; }));
    EXPECT_EQ(BigBurstPool.state[1], 1);
    EXPECT_LT(BigBurstPool.x[1], G + 765);
    ASSERT_TRUE(StepUntil([] { return CollectGameObjects[0].state == 11; }));
    EXPECT_EQ(GatekeeperRecord.done, 1);
    Step();
    EXPECT_EQ(GatekeeperRecord.state, 1);
    EXPECT_EQ(PlayerState.x, G + 1133);
    ASSERT_TRUE(StepUntil([] {
        for (const auto& o : CollectGameObjects)
            if (o.state != 12) return false;
        return true;
    }));
    for (const auto& o : CollectGameObjects) EXPECT_EQ(o.y, TopFloorHeightAt(o.x));

    // She walks in: one hop together, then they wander on the ground.
    PlayerState.x = G + 999;
    ASSERT_TRUE(StepUntil([] { return CollectGameObjects[0].state >= 17; }));
    EXPECT_EQ(ScrollX, G + 80);
    // A bad one at 5 HP leaves her at 0.
    PlayerState.hp = 5;
    PlayerState.pose = 26;
    PlayerState.x = CollectGameObjects[6].x + 5;
    SpreadOthers(6);
    Step();
    EXPECT_EQ(CollectGameObjects[6].state, 0);
    EXPECT_EQ(CollectGameObjects[6].y, 700);
    EXPECT_EQ(PlayerState.hp, 0);
    PlayerState.hp = 80;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(ItemCounts[1], static_cast<std::uint32_t>(k));
        PlayerState.x = CollectGameObjects[k].x + 5;
        SpreadOthers(k);
        Step();
    }
    // The fifth good one ends the game; the bad ones come back too.
    EXPECT_EQ(ItemCounts[1], 5u);
    EXPECT_EQ(PlayerState.hp, 80);
    for (const auto& o : CollectGameObjects) EXPECT_GE(o.state, 1);
    for (const auto& o : CollectGameObjects) EXPECT_LE(o.state, 4);
}

// The second talk: gold and the answer decide whether a game is bought.
TEST_F(FieldMiddleSteps, OfferTakesGoldOnlyForAPaidGame) {
    struct Case {
        std::int32_t gold;
        bool yes;
        std::vector<std::int32_t> lines;
        std::int32_t goldAfter, stateAfter;
    };
    const Case cases[] = {
        {250, true, {41, 42, 43}, 150, 10},
        {99, true, {41, 42, 45, 44}, 99, 0},
        {250, false, {41, 44}, 250, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        GatekeeperRecord.done = 1;
        Gold = c.gold;
        PlayerState.x = G + 1070;
        KeyAPressed = 1;
        Step();
        std::vector<std::int32_t> shown{DialogueChannels.storyLine};
        if (c.yes) {
            KeyYPressed = 1;
            Step();
            shown.push_back(DialogueChannels.storyLine);
        }
        while (DialogueChannels.storyLine != 0 && shown.size() < 8) {
            Enter();
            if (DialogueChannels.storyLine != 0) shown.push_back(DialogueChannels.storyLine);
        }
        EXPECT_EQ(shown, c.lines) << c.gold;
        EXPECT_EQ(Gold, c.goldAfter) << c.gold;
        EXPECT_EQ(GatekeeperRecord.state, c.stateAfter) << c.gold;
        EXPECT_EQ(MessageBoxOpen, c.stateAfter == 10 ? 1 : 0) << c.gold;
    }
}

// The game is not saved: a load mid-throw must not leave the gatekeeper
// waiting for objects that are back on their spots.
TEST_F(FieldMiddleSteps, LoadMidThrowLeavesNoGatekeeperWaiting) {
    GatekeeperRecord.done = 1;
    PlayerState.x = G + 1133;
    GatekeeperRecord.state = 13;
    UpdateGatekeeper(1);   // stores nothing, but runs the throw
    GdataImage image;
    CollectGdata(image);
    GatekeeperRecord.state = 15;
    for (auto& o : CollectGameObjects) o.state = 12;
    ApplyGdata(image);
    EndEveryHold();   // as the load does after the slot's words
    for (const auto& o : CollectGameObjects) EXPECT_EQ(o.state, 1);
    EXPECT_LT(GatekeeperRecord.state, 10);
    PlayerState.hp = 33;
    PlayerState.x = G + 200;
    for (int i = 0; i < 10; ++i) Step();
    EXPECT_EQ(PlayerState.hp, 33);
    EXPECT_EQ(PlayerState.x, G + 200);
    EXPECT_EQ(MessageBoxOpen, 0);
}

}  // namespace

namespace {

constexpr std::int32_t B = 6000;

class PatrolSteps : public FieldMiddleSteps {
protected:
    void SetUp() override {
        FieldMiddleSteps::SetUp();
        PatrolCreatureRecord = PatrolCreatureStateRecord{};
        UpdatePatrolCreature(0);
        GatekeeperRecord.done = 1;
        ScrollX = B + 300;
    }
    void Step() {
        GameClock.gameClock += kStep;
        UpdatePatrolCreature(1);
        UpdateHangingPrizes();
    }
};

// It creeps only while she looks away, and only within its band.
TEST_F(PatrolSteps, CreepsOnlyWhileSheLooksAway) {
    struct Case {
        std::int32_t heroineX, facing;
        bool creeps;
    };
    const Case cases[] = {{B + 1000, 1, true}, {B + 1000, -1, false}, {B + 600, -1, true}, {B + 600, 1, false},
                          {B + 870, 1, false}};
    for (const Case& c : cases) {
        PatrolCreatureRecord = PatrolCreatureStateRecord{};
        PlayerState.x = c.heroineX;
        PlayerState.facing = c.facing;
        PlayerState.pose = 1;
        for (int i = 0; i < 100; ++i) Step();
        EXPECT_EQ(PatrolCreatureRecord.x != B + 836, c.creeps) << c.heroineX << " " << c.facing;
    }
    PatrolCreatureRecord = PatrolCreatureStateRecord{};
    PlayerState.x = B + 1090;
    PlayerState.facing = 1;
    for (int i = 0; i < 3000; ++i) {
        Step();
        ASSERT_GE(PatrolCreatureRecord.x, B + 795 - 2);
        ASSERT_LE(PatrolCreatureRecord.x, B + 950 + 2);
    }
}

// A kick up-right from below prize 0's right side bounces it along prizes
// 2, 1 and 3; each falls, is picked up for the first item, and hangs again.
TEST_F(PatrolSteps, KickedCreatureKnocksThePrizesDownAndTheyHangAgain) {
    PatrolCreatureStateRecord& r = PatrolCreatureRecord;
    r.step = 20;
    r.x = B + 715;   // at prize 0's height, overlapping its right window
    r.y = 270;
    for (int i = 0; i < 200 && r.step != 7; ++i) Step();
    for (int k = 0; k < 4; ++k) EXPECT_GE(r.pit[k].frame, 2) << k;
    for (int i = 0; i < 300; ++i) Step();
    PlayerState.pose = 26;
    for (int k = 0; k < 4; ++k) {
        ASSERT_EQ(r.pit[k].frame, 4) << k;
        EXPECT_EQ(r.pit[k].position, 616);
    }
    const std::int32_t xs[4] = {B + 705, B + 500, B + 837, B + 600};
    for (int k = 0; k < 4; ++k) {
        PlayerState.x = xs[k] + 24;
        Step();
        EXPECT_EQ(r.pit[k].frame, 5) << k;
    }
    EXPECT_EQ(ItemCounts[0], 4u);
    PlayerState.pose = 1;
    for (int i = 0; i < static_cast<int>(9.9 / kStep); ++i) Step();
    EXPECT_EQ(r.pit[3].frame, 5);
    for (int i = 0; i < 20; ++i) Step();
    const std::int32_t hangY[4] = {250, 200, 200, 300};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(r.pit[k].frame, 1) << k;
        EXPECT_EQ(r.pit[k].position, hangY[k]) << k;
    }
}

// A charge that reaches her costs 1 HP, none behind the second weapon's guard.
TEST_F(PatrolSteps, ChargeCostsOneHpUnlessGuarded) {
    for (std::int32_t mode2 : {0, 1}) {
        PatrolCreatureRecord = PatrolCreatureStateRecord{};
        PlayerState.hp = 50;
        PlayerState.weaponMode2 = mode2;
        PlayerState.weaponMode1 = 1 - mode2;
        PlayerState.x = B + 1000;
        PlayerState.facing = -1;
        PlayerState.pose = 26;
        Step();
        ASSERT_EQ(PatrolCreatureRecord.step, 2);
        PlayerState.pose = 1;
        for (int i = 0; i < 100 && PatrolCreatureRecord.step != 7; ++i) Step();
        EXPECT_EQ(PlayerState.hp, 50 - (mode2 == 1 ? 0 : 1)) << mode2;
    }
    // From 100 px or nearer it does not charge.
    PatrolCreatureRecord = PatrolCreatureStateRecord{};
    PlayerState.x = B + 936;
    PlayerState.pose = 26;
    Step();
    EXPECT_LT(PatrolCreatureRecord.step, 2);
}

}  // namespace
