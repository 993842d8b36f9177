// The blow's strength and box by pose, the crouch, and the world's bounds.
#include "core/floors.h"
#include "core/keys.h"
#include "movement_fixture.h"
#include "text/menu_state.h"

using PlayerBoundsTest = MovementTest;

TEST_F(PlayerBoundsTest, KickBoxFacingRight) {
    PlayerState.pose = 21;
    PlayerState.x = 1000;
    UpdatePlayerAttackBox();
    EXPECT_EQ(PlayerAttackBox.power, 1);
    EXPECT_EQ(PlayerAttackBox.left, 1050);
    EXPECT_EQ(PlayerAttackBox.right, 1115);
    EXPECT_EQ(PlayerAttackBox.top, 557);
    EXPECT_EQ(PlayerAttackBox.bottom, 570);
}

TEST_F(PlayerBoundsTest, BoxesMirrorWhenFacingLeft) {
    PlayerState.pose = 36;
    PlayerState.x = 1000;
    PlayerState.facing = -1;
    UpdatePlayerAttackBox();
    EXPECT_EQ(PlayerAttackBox.power, 10);
    EXPECT_EQ(PlayerAttackBox.left, 905);
    EXPECT_EQ(PlayerAttackBox.right, 946);
    EXPECT_EQ(PlayerAttackBox.top, 447);
    EXPECT_EQ(PlayerAttackBox.bottom, 522);
    PlayerState.pose = 103;
    UpdatePlayerAttackBox();
    EXPECT_EQ(PlayerAttackBox.power, 50);
    EXPECT_EQ(PlayerAttackBox.left, 885);
    EXPECT_EQ(PlayerAttackBox.right, 925);
}

TEST_F(PlayerBoundsTest, LungePosesStrikeOnlyDuringTheirAttackAndKeepTheLastBox) {
    PlayerState.pose = 21;
    PlayerState.x = 1000;
    UpdatePlayerAttackBox();
    PlayerState.pose = 125;
    PlayerState.x = 1200;
    PlayerMoveState.comboG = 15;
    UpdatePlayerAttackBox();
    EXPECT_EQ(PlayerAttackBox.power, 40);
    EXPECT_EQ(PlayerAttackBox.left, 1050) << "the box words stay those of the last box pose";
    PlayerState.pose = 123;   // comboF is 0: a scene's pose, not a blow
    UpdatePlayerAttackBox();
    EXPECT_EQ(PlayerAttackBox.power, 0);
    PlayerMoveState.comboF = 14;
    UpdatePlayerAttackBox();
    EXPECT_EQ(PlayerAttackBox.power, 30);
    PlayerState.pose = 201;   // weapon mode 2's poses give no power
    UpdatePlayerAttackBox();
    EXPECT_EQ(PlayerAttackBox.power, 0);
}

TEST_F(PlayerBoundsTest, HeldDownCrouchesAndReleasingStandsAfterOneMoreStep) {
    step = 0.015;
    KeyDownPressed = 1;
    for (int i = 0; i < 60; ++i) {
        Step();
        ASSERT_EQ(PlayerState.pose, 26) << "step " << i;
    }
    const int x = PlayerState.x;
    KeyDownPressed = 0;
    Step();
    EXPECT_EQ(PlayerState.pose, 26);
    Step();
    EXPECT_EQ(PlayerState.pose, 1);
    EXPECT_EQ(PlayerState.x, x);
    EXPECT_EQ(PlayerMoveState.busy, 0);
}

TEST_F(PlayerBoundsTest, WorldBoundsHoldXAndTheView) {
    PlayerState.x = 120800;
    ScrollX = -5;
    ClampPlayerAndScroll();
    EXPECT_EQ(PlayerState.x, 120700);
    EXPECT_EQ(ScrollX, 0);
    PlayerState.x = 69;
    ScrollX = 119727;
    ClampPlayerAndScroll();
    EXPECT_EQ(PlayerState.x, 70);
    EXPECT_EQ(ScrollX, 119726);
}

TEST_F(PlayerBoundsTest, WalkingAndRunningStayInsideTheWorld) {
    PlayerState.x = 90;
    KeyLeftPressed = 1;
    Steps(60);
    EXPECT_EQ(PlayerState.x, 70);
    EXPECT_EQ(ScrollX, 0);
    KeyLeftPressed = 0;
    PlayerState.x = 120650;
    ScrollX = 119700;
    PlayerState.facing = 1;
    KeyXPressed = 1;
    for (int i = 0; i < 60; ++i) {
        Step();
        ASSERT_LE(PlayerState.x, 120700);
        ASSERT_LE(ScrollX, 119726);
    }
    EXPECT_EQ(PlayerState.x, 120700);
}

TEST_F(PlayerBoundsTest, NoClampWhileTheMenuFreezesTheStage) {
    StageFrozenByMenu = 1;
    PlayerState.x = 20;
    ScrollX = -40;
    Step();
    EXPECT_EQ(PlayerState.x, 20);
    EXPECT_EQ(ScrollX, -40);
}
