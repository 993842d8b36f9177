// Weapon mode 1: the fixed attacks of S, D, F, G and Q.

#include <gtest/gtest.h>

#include <vector>

#include "combat_support.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/player.h"

using namespace combat_test;

namespace {

struct W1Fixture : ::testing::Test {
    void SetUp() override {
        ArmSounds();
        FreshStage();
        PlaceHeroine(1000, 1);
    }
};

}  // namespace

TEST_F(W1Fixture, StandingSSwingsOnceThroughItsPosesAndStrikesOnPose21) {
    PlayerMoveState.comboS = 10;
    const double start = GameClock.gameClock;
    std::vector<int> poses;
    bool checkedBlow = false;
    UpdateAttackCombos();   // the start runs in the step the input wrote 10
    NotePose(poses);
    while (PlayerMoveState.comboS != 0 && GameClock.gameClock - start < 1.0) {
        StageStep();
        NotePose(poses);
        if (PlayerState.pose == 21 && !checkedBlow) {
            checkedBlow = true;
            UpdatePlayerAttackBox();
            EXPECT_EQ(PlayerAttackBox.power, 1);
            EXPECT_EQ(PlayerAttackBox.left, 1050);
            EXPECT_EQ(PlayerAttackBox.top, 557);
            EXPECT_EQ(PlayerAttackBox.right, 1115);
            EXPECT_EQ(PlayerAttackBox.bottom, 570);
            EXPECT_EQ(TestPlayerAttackHit(0, 1100, 1110, 560, 565), 1);
        }
    }
    EXPECT_TRUE(checkedBlow);
    EXPECT_EQ(PlayerMoveState.comboS, 0);
    EXPECT_LE(GameClock.gameClock - start, 0.3);
    EXPECT_EQ(poses, (std::vector<int>{19, 20, 21, 22}));
    EXPECT_EQ(PlayerState.pose, 22);   // the last pose stays
    EXPECT_EQ(PlayedSlots(), std::vector<int>{5});
    EXPECT_EQ(PlayerState.x, 1000);
}

TEST_F(W1Fixture, ShortStepsLastExactlyOneStageStep) {
    // The air D runs 34, 35, 36 (0.06 s) and 38: every 0.01 s step one stage
    // step, and the next pose is set in the step the previous one ends.
    PlayerMoveState.comboD = 20;
    std::vector<int> perStep;
    UpdateAttackCombos();
    perStep.push_back(PlayerState.pose);
    while (PlayerMoveState.comboD != 0 && perStep.size() < 50) {
        StageStep();
        perStep.push_back(PlayerState.pose);
    }
    // 0.06 s at 1/64 s per step ends in the fourth step of pose 36.
    EXPECT_EQ(perStep, (std::vector<int>{34, 35, 36, 36, 36, 36, 38, 1}));
}

struct LungeCase {
    const char* name;
    std::int32_t PlayerMoveStateRecord::*word;
    int previousPose;
    std::int32_t facing;
    int expectedMove;
};

class W1Lunges : public W1Fixture, public ::testing::WithParamInterface<LungeCase> {};

TEST_P(W1Lunges, StandingFAndGMoveTheirWholeDistance) {
    const LungeCase& c = GetParam();
    PlaceHeroine(3000, 1, c.facing);
    PlayerState.previousPose = c.previousPose;
    PlayerMoveState.*c.word = 10;
    UpdateAttackCombos();
    PlayerState.previousPose = PlayerState.pose;
    StepUntilIdle(PlayerMoveState.*c.word);
    EXPECT_EQ(PlayerMoveState.*c.word, 0);
    EXPECT_EQ(PlayerState.x - 3000, c.expectedMove);
    EXPECT_EQ(CountOf(PlayedSlots(), 5), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Distances, W1Lunges,
    ::testing::Values(LungeCase{"FWindUp", &PlayerMoveStateRecord::comboF, 1, 1, 55},
                      LungeCase{"FFromReadyStance", &PlayerMoveStateRecord::comboF, 22, 1, 22},
                      LungeCase{"GWindUp", &PlayerMoveStateRecord::comboG, 1, 1, 71},
                      LungeCase{"GFromReadyStance", &PlayerMoveStateRecord::comboG, 22, 1, 32},
                      LungeCase{"FWindUpFacingLeft", &PlayerMoveStateRecord::comboF, 1, -1, -55},
                      LungeCase{"GFromReadyStanceFacingLeft", &PlayerMoveStateRecord::comboG, 22, -1, -32}),
    [](const ::testing::TestParamInfo<LungeCase>& info) { return std::string(info.param.name); });

TEST_F(W1Fixture, FRightAfterSSkipsItsWindUp) {
    PlayerMoveState.comboS = 10;
    UpdateAttackCombos();
    StepUntilIdle(PlayerMoveState.comboS);
    ASSERT_EQ(PlayerState.previousPose, 22);
    // The input starts F in the next step; the drawn pose is still 22.
    PlayerMoveState.comboF = 10;
    GameClock.gameClock += kStep;
    UpdateAttackCombos();
    EXPECT_EQ(PlayerState.x, 1032);          // straight to the swing, 32 px at once
    EXPECT_EQ(PlayerState.pose, 120);
    PlayerState.previousPose = PlayerState.pose;
    StepUntilIdle(PlayerMoveState.comboF);
    EXPECT_EQ(PlayerState.x, 1022);
}

TEST_F(W1Fixture, WindUpOfAnAbortedFIsClosedByTheNextRun) {
    PlayerMoveState.comboF = 10;
    UpdateAttackCombos();
    while (PlayerMoveState.comboF == 11) StageStep();   // past the wind-up: +32
    ASSERT_EQ(PlayerState.x, 1032);
    PlayerMoveState.comboF = 0;                        // a scene takes the heroine
    StageStep();
    EXPECT_EQ(PlayerState.x, 1032);
    // A later run from the ready stance still adds the closing step once.
    PlayerState.previousPose = 22;
    PlayerMoveState.comboF = 10;
    GameClock.gameClock += kStep;
    UpdateAttackCombos();
    StepUntilIdle(PlayerMoveState.comboF);
    EXPECT_EQ(PlayerState.x, 1032 + 32 + 16 - 26 + 33);
    // ... and only once: the run after that is a plain skipped one.
    PlayerState.previousPose = 22;
    const std::int32_t before = PlayerState.x;
    PlayerMoveState.comboF = 10;
    StageStep();
    StepUntilIdle(PlayerMoveState.comboF);
    EXPECT_EQ(PlayerState.x - before, 22);
}

TEST_F(W1Fixture, DTimeScaleIsTakenAtTheStart) {
    PlayerMoveState.comboD = 10;
    UpdateAttackCombos();
    const int normal = StepUntilIdle(PlayerMoveState.comboD);

    AttackDTimeScale = 3.0;
    PlayerMoveState.comboD = 10;
    UpdateAttackCombos();
    AttackDTimeScale = 1.0;   // the lesson scene restores it mid-attack
    const int slowed = StepUntilIdle(PlayerMoveState.comboD);
    // 0.01 s steps take 1 stage step, 0.03 s take 2; 0.1 s takes 7, 0.3 s 20.
    EXPECT_EQ(normal, 5 + 7);
    EXPECT_EQ(slowed, 5 * 2 + 20);
    EXPECT_EQ(PlayerState.pose, 38);
}

TEST_F(W1Fixture, QDivisorSpeedsTheAttackUp) {
    PlayerMoveState.comboQ = 10;
    AttackQSpeedDivisor = 1;
    UpdateAttackCombos();
    const int standing = StepUntilIdle(PlayerMoveState.comboQ);
    PlayerMoveState.comboQ = 10;
    AttackQSpeedDivisor = 3;
    UpdateAttackCombos();
    const int airborne = StepUntilIdle(PlayerMoveState.comboQ);
    // Every step lasts whole stage steps of 1/64 s: 0.077, 0.035 and 0.07 s
    // take 5, 3 and 5 of them; divided by 3 they take 2, 1 and 2.
    EXPECT_EQ(standing, 5 + 3 + 3 + 5 + 3 + 3);
    EXPECT_EQ(airborne, 2 + 1 + 1 + 2 + 1 + 1);
    EXPECT_EQ(PlayerState.pose, 106);
    EXPECT_EQ(CountOf(PlayedSlots(), 5), 2);

    // A divisor nobody set sensibly must not leave the attack running forever.
    PlayerMoveState.comboQ = 10;
    AttackQSpeedDivisor = 0;
    UpdateAttackCombos();
    EXPECT_LT(StepUntilIdle(PlayerMoveState.comboQ, 200), 200);
}

TEST_F(W1Fixture, AirAttacksEndInTheJumpPoseOrStanding) {
    PlayerMoveState.jumpKind = 10;
    PlayerMoveState.comboF = 20;
    UpdateAttackCombos();
    StepUntilIdle(PlayerMoveState.comboF);
    EXPECT_EQ(PlayerState.pose, 16);

    PlayerMoveState.jumpKind = 10;
    PlayerMoveState.comboS = 20;
    UpdateAttackCombos();
    StageStep();
    PlayerMoveState.jumpKind = 0;   // she lands while the attack runs on
    StepUntilIdle(PlayerMoveState.comboS);
    EXPECT_EQ(PlayerState.pose, 1);

    // The air G writes no pose at its end.
    PlayerMoveState.comboG = 20;
    UpdateAttackCombos();
    StepUntilIdle(PlayerMoveState.comboG);
    EXPECT_EQ(PlayerState.pose, 128);
}

TEST_F(W1Fixture, StandingPosesShowAsTheJumpPoseInTheAir) {
    PlayerMoveState.jumpKind = 20;
    PlayerState.pose = 22;
    UpdateAttackCombos();
    EXPECT_EQ(PlayerState.pose, 1018);
    PlayerMoveState.jumpKind = 0;
    PlayerState.pose = 1;
    UpdateAttackCombos();
    EXPECT_EQ(PlayerState.pose, 1);
}

TEST_F(W1Fixture, StandingGDragsTheViewOnlyNearTheEdgeItFaces) {
    // Facing left, close to the view's left edge: the view follows.
    PlaceHeroine(3000, 1, -1);
    ScrollX = 2900;   // 100 px from the left edge
    PlayerMoveState.comboG = 10;
    UpdateAttackCombos();
    StepUntilIdle(PlayerMoveState.comboG);
    EXPECT_EQ(PlayerState.x, 3000 - 71);
    EXPECT_EQ(ScrollX, 2900 - (32 + 16 + 12 + 39));

    // Facing left in the middle of the view: the view stays.
    PlaceHeroine(3000, 1, -1);
    ScrollX = 2500;
    PlayerMoveState.comboG = 10;
    UpdateAttackCombos();
    StepUntilIdle(PlayerMoveState.comboG);
    EXPECT_EQ(ScrollX, 2500);
}

TEST_F(W1Fixture, AirSStartedAfterALoadRewoundTheClockStillEnds) {
    const double late = GameClock.gameClock + 500.0;
    GameClock.gameClock = late;
    PlayerMoveState.comboS = 20;
    UpdateAttackCombos();
    StepUntilIdle(PlayerMoveState.comboS);
    // A saved game with less play time is loaded: the clock is now far behind
    // the stamp the machine took. The air S takes no stamp at its start, so
    // it must not wait for the clock to catch up (comboS would bar walking).
    GameClock.gameClock = late - 480.0;
    PlayerMoveState.comboS = 20;
    UpdateAttackCombos();
    EXPECT_LT(StepUntilIdle(PlayerMoveState.comboS, 100), 100);
    EXPECT_EQ(CountOf(PlayedSlots(), 5), 2);
}

TEST_F(W1Fixture, ModeTwoMachinesDoNotRunInModeOne) {
    PlayerMoveState.comboS = 10;
    UpdateAttackCombos();
    EXPECT_EQ(PlayerState.pose, 19);       // weapon mode 1's first pose
    EXPECT_EQ(PlayerMoveState.comboS, 11);
    EXPECT_NE(CameraMode, 999);            // only weapon mode 2 holds the view
}
