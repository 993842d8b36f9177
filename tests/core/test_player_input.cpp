// Key flags to the heroine's requests and intents.
#include "areas/era00_era01/records.h"
#include "core/combos.h"
#include "core/keys.h"
#include "movement_fixture.h"
#include "text/menu_state.h"
#include "support/test_hold.h"

using PlayerInputTest = MovementTest;

TEST_F(PlayerInputTest, UpWhileWalkingRequestsAWalkingJumpAndEndsTheWalk) {
    PlayerMoveState.walkRight = 1;
    PlayerState.pose = 4;
    KeyUpPressed = 1;   // the Up key's event cleared the Right flag
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.jumpKind, 20);
    EXPECT_EQ(PlayerMoveState.walkRight, 0);
    EXPECT_EQ(PlayerState.pose, 1) << "the released walk writes the standing pose";
}

TEST_F(PlayerInputTest, UpWhileRunningRequestsRunningOrDashJump) {
    PlayerMoveState.runZ = 1;
    KeyUpPressed = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.jumpKind, 30);
    EXPECT_EQ(PlayerMoveState.runZ, 0);
    EXPECT_EQ(PlayerState.pose, 14);

    PlayerMoveState = {};
    PlayerMoveState.runX = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.jumpKind, 40);
}

TEST_F(PlayerInputTest, StandingJumpFromEitherStandingPoseOnly) {
    KeyUpPressed = 1;
    PlayerState.pose = 22;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.jumpKind, 10);
    EXPECT_EQ(PlayerState.pose, 14);
    EXPECT_DOUBLE_EQ(PlayerMoveState.poseStepTime, GameClock.gameClock);

    PlayerMoveState = {};
    PlayerState.pose = 26;   // crouching
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
}

TEST_F(PlayerInputTest, LowerRouteBarsWalkingJumpsPastItsLandmark) {
    Era01TerrainState.lowerRoute = 1;
    PlayerState.x = 20600;
    PlayerState.pose = 3;
    PlayerMoveState.walkRight = 1;
    KeyUpPressed = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
    EXPECT_EQ(PlayerState.pose, 1);
    // The Up flag is still held: from pose 1 the standing jump starts.
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.jumpKind, 10);

    PlayerMoveState = {};
    PlayerState.x = 20599;
    PlayerState.pose = 3;
    PlayerMoveState.walkRight = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.jumpKind, 20);
}

TEST_F(PlayerInputTest, AttackStartsByWhatTheHeroineIsDoing) {
    // Walking: busy, so S starts nothing, and the walk ends.
    PlayerMoveState.walkRight = 1;
    PlayerMoveState.busy = 1;
    KeySPressed = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboS, 0);
    EXPECT_EQ(PlayerMoveState.walkRight, 0);
    // Next step, S still held: standing attack.
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboS, 10);

    // With the Z run held the air variant starts, on the ground.
    PlayerMoveState = {};
    PlayerMoveState.runZ = 1;
    PlayerMoveState.busy = 1;
    KeySPressed = 0;
    KeyZPressed = 1;
    KeyGPressed = 1;
    LearnedMoveG = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboG, 20);
}

TEST_F(PlayerInputTest, UnlearnedMovesAndARunningAttackStartNothing) {
    KeyDPressed = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboD, 0);
    LearnedMoveD = 1;
    PlayerMoveState.comboQ = 12;   // another attack runs
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboD, 0);
    PlayerMoveState.comboQ = 0;
    Era01TerrainState.pitFallStartY = 500;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboD, 0);
    Era01TerrainState.pitFallStartY = 0;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboD, 10);
}

TEST_F(PlayerInputTest, QNeedsItsTechniqueInWeaponModeOneAndSetsItsDivisor) {
    KeyQPressed = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboQ, 0);

    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboQ, 10);
    EXPECT_EQ(AttackQSpeedDivisor, 1);

    PlayerMoveState = {};
    PlayerMoveState.jumpKind = 11;
    UpdatePlayerInput();
    EXPECT_EQ(AttackQSpeedDivisor, 3);

    PlayerMoveState = {};
    HoldForTest(kHoldMoves);
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboQ, 10);
    EXPECT_EQ(AttackQSpeedDivisor, 2);
}

TEST_F(PlayerInputTest, BlockedKeysGiveAirVariantsOfTheOtherAttacks) {
    HoldForTest(kHoldMoves);
    KeyFPressed = 1;
    LearnedMoveF = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.comboF, 20);
}

TEST_F(PlayerInputTest, RunKeyDuringASlideResumesTheArmedRun) {
    PlayerMoveState.runSlideState = 99;
    KeyZPressed = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.runZ, 1);
    EXPECT_EQ(PlayerMoveState.runSlideState, 1);

    PlayerMoveState = {};
    PlayerMoveState.runSlideState = 98;
    KeyZPressed = 0;
    KeyXPressed = 1;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.runSlideState, 2);
}

TEST_F(PlayerInputTest, OnlyTheSAttackBarsWalking) {
    KeyRightPressed = 1;
    PlayerMoveState.comboD = 12;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.walkRight, 1);
    PlayerMoveState = {};
    PlayerMoveState.comboS = 12;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.walkRight, 0);
}

TEST_F(PlayerInputTest, DownRequestsACrouchOnlyOnTheGroundAndOutsideS) {
    KeyDownPressed = 1;
    PlayerMoveState.jumpKind = 21;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.crouch, 0);
    PlayerMoveState.jumpKind = 0;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.crouch, 10);
}

TEST_F(PlayerInputTest, NothingGoingOnShowsTheStandingPose) {
    PlayerState.pose = 7;
    UpdatePlayerInput();
    EXPECT_EQ(PlayerMoveState.busy, 0);
    EXPECT_EQ(PlayerState.pose, 1);
}
