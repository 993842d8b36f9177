// Burst pools, flash effects and gold pickups.

#include <gtest/gtest.h>

#include <vector>

#include "combat_support.h"
#include "core/bursts.h"
#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/pickups.h"
#include "core/player.h"

using namespace combat_test;

namespace {

struct EffectsFixture : ::testing::Test {
    void SetUp() override {
        ArmSounds();
        FreshStage();
        BurstPool = BurstPoolRecord<8>{.soundCounter = 42};
        BigBurstPool = BurstPoolRecord<50>{.soundCounter = 43};
        PickupPool = PickupPoolRecord{};
        FlashEffects[1] = FlashEffects[2] = FlashEffectRecord{};
        Gold = 0;
        // Keep the heroine and her body well away from the effects.
        PlaceHeroine(90000, 1);
        PlayerBodyBox = {89980, 540, 90020, 640, 90000};
    }
    static void Tick(double seconds = 0.014) {
        GameClock.gameClock += seconds;
        UpdatePickups();
        UpdateBursts();
        UpdateFlashEffects();
    }
};

}  // namespace

TEST_F(EffectsFixture, FullPoolsDropFurtherSpawns) {
    for (int i = 1; i <= 9; ++i) SpawnBurst(100 * i, 50 * i);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(BurstPool.state[i], 1);
        EXPECT_EQ(BurstPool.x[i], 100 * i);
        EXPECT_EQ(BurstPool.y[i], 50 * i);
    }
    for (int i = 1; i <= 51; ++i) SpawnBigBurst(i, -i);
    EXPECT_EQ(BigBurstPool.x[50], 50);
    EXPECT_EQ(BigBurstPool.y[50], -50);

    Tick();
    // Eight bursts sound on the six explosion copies in turn.
    std::vector<int> played = PlayedSlots();
    ASSERT_EQ(played.size(), 8u + 50u);
    EXPECT_EQ(std::vector<int>(played.begin(), played.begin() + 8),
              (std::vector<int>{43, 44, 45, 46, 47, 42, 43, 44}));
    EXPECT_EQ(played[8], 44);   // the big pool's own counter
}

TEST_F(EffectsFixture, BurstShowsFiveFramesAndFreesItsSlotForTheNextSpawn) {
    SpawnBurst(500, 300);
    SpawnBurst(600, 300);
    Tick();
    EXPECT_EQ(BurstPool.state[1], 2);   // spawned and stepped: only to state 2
    std::vector<int> states{BurstPool.state[1]};
    for (int i = 0; i < 12; ++i) {
        Tick();
        states.push_back(BurstPool.state[1]);
    }
    // Each frame lasts two steps at 0.014 s; then the slot is free.
    EXPECT_EQ(states, (std::vector<int>{2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 0, 0, 0}));
    SpawnBurst(700, 300);
    EXPECT_EQ(BurstPool.state[1], 1);
    EXPECT_EQ(BurstPool.x[1], 700);
    EXPECT_EQ(BurstPool.state[3], 0);
}

TEST_F(EffectsFixture, FlashRunsItsThreeFramesWithOneSound) {
    FlashEffects[1] = {1, 300, 400, 0.0};
    FlashEffects[2] = {1, 310, 410, 0.0};
    Tick();
    EXPECT_EQ(FlashEffects[1].state, 2);
    EXPECT_EQ(FlashEffects[2].state, 2);
    EXPECT_EQ(PlayedSlots(), (std::vector<int>{7, 7}));
    Tick();
    Tick();
    Tick();
    EXPECT_EQ(FlashEffects[1].state, 0);   // 0.01 s frames: one step each
    EXPECT_EQ(FlashEffects[2].state, 2);   // 0.06 s frames
    for (int i = 0; i < 30; ++i) Tick();
    EXPECT_EQ(FlashEffects[2].state, 0);
    EXPECT_EQ(PlayedSlots().size(), 2u);
}

TEST_F(EffectsFixture, CoinPopsRisesAndPaysOnceWhenBodyAndAttackTouchIt) {
    SpawnPickup(1000, 500);
    Tick();
    EXPECT_EQ(PickupPool.state[1], 2);
    EXPECT_EQ(PlayedSlots(), std::vector<int>{101});
    for (int i = 0; i < 40 && PickupPool.state[1] != 0; ++i) Tick();
    ASSERT_EQ(PickupPool.state[1], 0);
    // The arc tops out about 110 px up.
    EXPECT_GE(PickupPool.y[1], 386);
    EXPECT_LE(PickupPool.y[1], 392);

    // Resting, it drifts up 1 px on every second step.
    const int rest = PickupPool.y[1];
    for (int i = 0; i < 10; ++i) Tick();
    EXPECT_EQ(PickupPool.y[1], rest - 5);

    // The heroine stands on it and strikes it with S in the same step.
    const int y = PickupPool.y[1];
    PlayerBodyBox = {990, y - 100, 1030, y + 10, 1010};
    PlaceHeroine(1000 - 60, 1);
    PlayerState.y = y + 70;          // the S blow spans y - 86 .. y - 67 of her feet
    PlayerMoveState.comboS = 13;
    PlayerState.pose = 21;
    ASSERT_NE(TestPlayerAttackHit(0, 1000 - 16, 1000 + 16, y - 32, y), 0);
    ASSERT_EQ(TestBoxAgainstPlayer(1000 - 16, y - 32, 1000 + 16, y), 2);
    const int goldBefore = Gold;
    Tick();
    Tick();
    EXPECT_EQ(Gold, goldBefore + 10);
    EXPECT_EQ(PickupPool.active[1], 0);
    EXPECT_EQ(CountOf(PlayedSlots(), 34), 1);
}

TEST_F(EffectsFixture, PoppingCoinCannotBeCollected) {
    PlayerBodyBox = {0, 0, 5000, 1000, 2500};   // she covers everything
    SpawnPickup(1000, 500);
    Tick();
    EXPECT_EQ(PickupPool.active[1], 1);
    EXPECT_EQ(Gold, 0);
    for (int i = 0; i < 100 && PickupPool.state[1] != 0; ++i) Tick();
    Tick();
    EXPECT_EQ(PickupPool.active[1], 0);
    EXPECT_EQ(Gold, 10);
}

TEST_F(EffectsFixture, CoinSoundsRotateAndTheSeventyFirstCoinIsLost) {
    for (int i = 1; i <= 71; ++i) SpawnPickup(1000 + i, 600);
    EXPECT_EQ(PickupPool.x[70], 1070);
    Tick();
    const std::vector<int> played = PlayedSlots();
    ASSERT_EQ(played.size(), 70u);
    EXPECT_EQ(std::vector<int>(played.begin(), played.begin() + 9),
              (std::vector<int>{101, 102, 103, 142, 143, 144, 145, 100, 101}));
}

TEST_F(EffectsFixture, CoinThatRisesOutOfTheWorldIsGoneUncollected) {
    SpawnPickup(1000, 3);
    PickupPool.state[1] = 0;   // resting just under the top
    PickupPool.y[1] = 1;
    PlayerBodyBox = {0, -100, 5000, 1000, 2500};
    GameClock.gameClock += 0.05;
    UpdatePickups();
    EXPECT_EQ(PickupPool.active[1], 0);
    EXPECT_EQ(Gold, 0);
    EXPECT_TRUE(PlayedSlots().empty());
}

TEST_F(EffectsFixture, EffectsKeepRunningAfterALoadRewindsTheClock) {
    const double late = GameClock.gameClock + 800.0;
    GameClock.gameClock = late;
    SpawnBurst(10, 10);
    SpawnPickup(1000, 500);
    Tick();
    GameClock.gameClock = late - 770.0;   // a save with less play time was loaded
    const int y = PickupPool.y[1];
    for (int i = 0; i < 60; ++i) Tick();
    EXPECT_EQ(BurstPool.state[1], 0);
    EXPECT_LT(PickupPool.y[1], y);
}
