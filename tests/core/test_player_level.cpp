// Level-ups from experience and the busy flag.
#include "movement_fixture.h"

class PlayerLevelTest : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        LoadSlots({10});
    }
};

TEST_F(PlayerLevelTest, SeveralThresholdsInOneStepFireEveryLevelBetween) {
    PlayerState.exp = 1600;
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerState.maxHp, 180);
    EXPECT_EQ(PlayerState.hp, 180);
    // Three level-up sounds at 0.6 of the first volume word (600 -> -4 dB).
    EXPECT_EQ(PlayVolumes(10), (std::vector<int>{-400, -400, -400}));
    UpdatePlayerLevel();
    EXPECT_EQ(PlayCount(10), 3) << "levels already reached fire again";
}

TEST_F(PlayerLevelTest, ThresholdIsExactAndRefillsHp) {
    PlayerState.exp = 499;
    PlayerState.hp = 50;
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerState.maxHp, 100);
    EXPECT_EQ(PlayerState.hp, 50);
    PlayerState.exp = 500;
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerState.maxHp, 140);
    EXPECT_EQ(PlayerState.hp, 140);
    EXPECT_EQ(PlayCount(10), 1);
}

TEST_F(PlayerLevelTest, RaisedMaximumIsNeverLoweredAndWaitsForAHigherLevel) {
    PlayerState.maxHp = 300;
    PlayerState.hp = 20;
    PlayerState.exp = 4999;   // level 9 is worth 300
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerState.maxHp, 300);
    EXPECT_EQ(PlayerState.hp, 20);
    EXPECT_EQ(PlayCount(10), 0);
    PlayerState.exp = 5000;   // level 10: 320
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerState.maxHp, 320);
    EXPECT_EQ(PlayCount(10), 1);
    // Between two levels' values only the higher one fires.
    PlayerState.maxHp = 150;
    PlayerState.exp = 1000;
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerState.maxHp, 160);
    EXPECT_EQ(PlayCount(10), 2);
}

TEST_F(PlayerLevelTest, TopLevelCapsTheMaximum) {
    PlayerState.maxHp = 4280;   // level 208
    PlayerState.exp = 2000000;
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerState.maxHp, 4300);
    EXPECT_EQ(PlayCount(10), 1);
}

TEST_F(PlayerLevelTest, BusyCountsMovementAndTheSAttackOnly) {
    PlayerMoveState.comboD = 12;
    PlayerMoveState.crouch = 11;
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerMoveState.busy, 0);
    PlayerMoveState.runSlideState = 2;   // armed, not sliding
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerMoveState.busy, 0);
    PlayerMoveState.runSlideState = 98;
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerMoveState.busy, 1);
    PlayerMoveState.runSlideState = 0;
    PlayerMoveState.comboS = 10;
    UpdatePlayerLevel();
    EXPECT_EQ(PlayerMoveState.busy, 1);
}
