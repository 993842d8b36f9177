// Weapon mode 2: combos that repeat while held, break off into one another,
// wait for the landing, and the guard.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "combat_support.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/player.h"

using namespace combat_test;

namespace {

struct W2Fixture : ::testing::Test {
    void SetUp() override {
        ArmSounds();
        FreshStage();
        PlaceHeroine(5000, 2);
    }
    // Key flags as the keyboard leaves them: one key held, the others clear.
    static void Hold(std::int32_t* key) {
        KeySPressed = KeyDPressed = KeyFPressed = KeyGPressed = KeyQPressed = 0;
        if (key != nullptr) *key = 1;
    }
};

}  // namespace

TEST_F(W2Fixture, HeldSSwingsOnItsMarksAndReturnsToTheOrigin) {
    Hold(&KeySPressed);
    PlayerMoveState.comboS = 10;
    UpdateAttackCombos();
    std::set<int> offsets;
    for (int i = 0; i < 96; ++i) {   // 1.5 s held
        StageStep();
        ASSERT_EQ(PlayerMoveState.comboS, 11);
        EXPECT_EQ(CameraMode, 999);
        offsets.insert(PlayerState.x - 5000);
    }
    EXPECT_EQ(offsets, (std::set<int>{0, 51, 94, 109}));
    EXPECT_GE(CountOf(PlayedSlots(), 130), 4);   // one per repeated swing
    EXPECT_EQ(CountOf(PlayedSlots(), 157), 1);
    EXPECT_EQ(CountOf(PlayedSlots(), 158), 0);

    Hold(nullptr);
    std::vector<int> poses;
    while (PlayerMoveState.comboS != 0 && poses.size() < 200) {
        StageStep();
        NotePose(poses);
    }
    ASSERT_GE(poses.size(), 2u);
    EXPECT_EQ(std::vector<int>(poses.end() - 2, poses.end()), (std::vector<int>{204, 205}));
    EXPECT_EQ(PlayerState.x, 5000);
    EXPECT_EQ(CountOf(PlayedSlots(), 158), 1);
    EXPECT_EQ(ReadyStanceStamp, GameClock.gameClock);   // ready stance from now on
}

// The marks are steps from where she stands: what else moved her while S
// was held stays (she was once put back 610 px in one step, where a scene
// had carried her); a wall she swings into leaves her no further back than
// the swing's longest step; and the menu ends the attack where she stands.
TEST_F(W2Fixture, HeldSKeepsWhatElseMovedHerAndStopsAtAWall) {
    struct Case {
        const char* what;
        std::int32_t pushEachStep;   // px added after every attack step while held
        std::int32_t wallAhead;      // px ahead where the bounds stop her (0: none)
        std::int32_t endOffset;      // x at the end, from the start
    };
    const Case cases[] = {
        {"carried 5 px a step", 5, 0, 5 * 96},
        {"pushed back 3 px a step", -3, 0, -3 * 96},
        {"a wall 60 px ahead", 0, 60, -49},    // the last swing from the wall: 60 - 109
        {"a wall 120 px ahead", 0, 120, 0},    // out of the swing's reach
    };
    for (const Case& c : cases) {
        SetUp();
        Hold(&KeySPressed);
        PlayerMoveState.comboS = 10;
        UpdateAttackCombos();
        const auto bounds = [&c] {
            if (c.wallAhead != 0 && PlayerState.x > 5000 + c.wallAhead) PlayerState.x = 5000 + c.wallAhead;
        };
        for (int i = 0; i < 96; ++i) {
            StageStep();
            PlayerState.x += c.pushEachStep;
            bounds();
        }
        Hold(nullptr);
        for (int i = 0; i < 200 && PlayerMoveState.comboS != 0; ++i) {
            StageStep();
            bounds();
        }
        ASSERT_EQ(PlayerMoveState.comboS, 0) << c.what;
        EXPECT_EQ(PlayerState.x - 5000, c.endOffset) << c.what;
    }
    SetUp();
    Hold(&KeySPressed);
    PlayerMoveState.comboS = 10;
    for (int i = 0; i < 20; ++i) StageStep();
    const std::int32_t x = PlayerState.x;
    EndOpenAttacks();   // the menu came between
    StageStep();
    EXPECT_EQ(PlayerMoveState.comboS, 0);
    EXPECT_EQ(PlayerState.x, x);
}

TEST_F(W2Fixture, FDuringSBreaksIntoTheFAirAttackInTheSameStep) {
    Hold(&KeySPressed);
    PlayerMoveState.comboS = 10;
    UpdateAttackCombos();
    for (int i = 0; i < 5; ++i) StageStep();
    const std::size_t soundsBefore = PlayedSlots().size();

    Hold(&KeyFPressed);
    StageStep();
    EXPECT_EQ(PlayerMoveState.comboS, 0);
    EXPECT_EQ(PlayerMoveState.comboF, 21);
    EXPECT_EQ(PlayerState.pose, 217);   // chained: no opening
    EXPECT_EQ(ReadyStanceStamp, GameClock.gameClock);
    EXPECT_EQ(PlayedSlots().size(), soundsBefore);   // a chained F opens silently

    // On level ground the F air closes at its first landing test.
    Hold(nullptr);
    const std::int32_t x0 = PlayerState.x;
    StepUntilIdle(PlayerMoveState.comboF, 200);
    EXPECT_EQ(PlayerMoveState.comboF, 0);
    EXPECT_EQ(PlayerState.x - x0, 85 - 13 - 22 - 36);
}

TEST_F(W2Fixture, SDuringDStartsTheChainedSAirInTheNextStep) {
    Hold(&KeyDPressed);
    PlayerMoveState.comboD = 10;
    UpdateAttackCombos();
    for (int i = 0; i < 4; ++i) StageStep();

    Hold(&KeySPressed);
    StageStep();   // S runs before D: the handover waits one step
    EXPECT_EQ(PlayerMoveState.comboD, 0);
    EXPECT_EQ(PlayerMoveState.comboS, 20);
    const std::size_t soundsBefore = PlayedSlots().size();
    const std::int32_t x0 = PlayerState.x;

    StageStep();
    EXPECT_EQ(PlayerMoveState.comboS, 21);
    EXPECT_EQ(PlayerState.pose, 202);
    EXPECT_EQ(PlayerState.x - x0, 51);
    const std::vector<int> played = PlayedSlots();
    ASSERT_EQ(played.size(), soundsBefore + 1);
    EXPECT_EQ(played.back(), 130);
}

TEST_F(W2Fixture, SAirCarriesHerForwardAndSkipsItsOpeningRightAfterTheLast) {
    Hold(nullptr);
    PlayerMoveState.comboS = 20;
    UpdateAttackCombos();
    StepUntilIdle(PlayerMoveState.comboS);
    EXPECT_EQ(PlayerState.x - 5000, 55);
    EXPECT_EQ(CountOf(PlayedSlots(), 157), 1);

    // Again at once: the first swing is skipped.
    const std::int32_t x0 = PlayerState.x;
    PlayerMoveState.comboS = 20;
    StageStep();
    EXPECT_EQ(PlayerState.pose, 202);
    StepUntilIdle(PlayerMoveState.comboS);
    EXPECT_EQ(PlayerState.x - x0, 12);
    EXPECT_EQ(CountOf(PlayedSlots(), 157), 1);

    // Half a second later it opens in full again.
    GameClock.gameClock += 0.5;
    PlayerMoveState.comboS = 20;
    StageStep();
    EXPECT_EQ(PlayerState.pose, 201);
}

TEST_F(W2Fixture, GChargeRepeatsWhileHeldAndLungesAtTheRelease) {
    Hold(&KeyGPressed);
    PlayerMoveState.comboG = 10;
    UpdateAttackCombos();
    // Hold through one repeat of the charge (pose 216 twice).
    int releases = 0;
    int last = 0;
    for (int i = 0; i < 500 && releases < 2 && PlayerMoveState.comboG != 0; ++i) {
        StageStep();
        if (PlayerState.pose == 216 && last != 216) ++releases;
        last = PlayerState.pose;
    }
    ASSERT_EQ(releases, 2);
    EXPECT_EQ(PlayerState.x - 5000, 22);
    Hold(nullptr);
    StepUntilIdle(PlayerMoveState.comboG);
    EXPECT_EQ(PlayerState.x - 5000, 22 + 122 - 119);
    const std::vector<int> played = PlayedSlots();
    EXPECT_EQ(CountOf(played, 157), 1);
    EXPECT_EQ(CountOf(played, 159), 2);
    EXPECT_EQ(CountOf(played, 158), 1);
}

TEST_F(W2Fixture, FAtTheGReleaseEndsTheChargeWithoutItsLunge) {
    Hold(&KeyGPressed);
    PlayerMoveState.comboG = 10;
    UpdateAttackCombos();
    for (int i = 0; i < 500 && PlayerState.pose != 216; ++i) StageStep();
    ASSERT_EQ(PlayerState.pose, 216);
    Hold(&KeyFPressed);
    StageStep();
    EXPECT_EQ(PlayerMoveState.comboG, 0);
    EXPECT_EQ(PlayerMoveState.comboF, 20);
    EXPECT_EQ(PlayerState.x, 5000);
    StageStep();
    EXPECT_EQ(PlayerMoveState.comboF, 21);
    EXPECT_EQ(PlayerState.pose, 217);   // the marked F air takes its chained entry
}

TEST_F(W2Fixture, FAirWaitsInTheAirUntilHerFeetAreOnTheFloor) {
    const std::int32_t floorY = FloorHeightAt(5000 - 33, 640);
    PlayerState.y = floorY - 200;
    PlayerMoveState.jumpKind = 10;
    Hold(nullptr);
    PlayerMoveState.comboF = 20;
    UpdateAttackCombos();
    for (int i = 0; i < 60; ++i) StageStep();
    EXPECT_EQ(PlayerMoveState.comboF, 21);
    EXPECT_EQ(PlayerState.pose, 217);
    EXPECT_EQ(PlayerState.x - 5000, 85 - 13 - 22);

    // Held F in the air thrusts again (with its sound) instead of waiting.
    const int thrusts = CountOf(PlayedSlots(), 160);
    Hold(&KeyFPressed);
    StageStep();
    StageStep();
    EXPECT_EQ(PlayerState.pose, 218);
    EXPECT_EQ(CountOf(PlayedSlots(), 160), thrusts + 1);
    Hold(nullptr);
    for (int i = 0; i < 20; ++i) StageStep();
    EXPECT_EQ(PlayerState.pose, 217);

    PlayerState.y = floorY;   // landed
    PlayerMoveState.jumpKind = 0;
    StageStep();
    EXPECT_EQ(PlayerState.pose, 212);
    StepUntilIdle(PlayerMoveState.comboF);
    EXPECT_EQ(PlayerState.x - 5000, 2 * (85 - 13 - 22) - 36);
}

TEST_F(W2Fixture, GuardStandsWhileHeldAndRecoilsFromABlow) {
    Hold(&KeyQPressed);
    PlayerMoveState.comboQ = 10;
    UpdateAttackCombos();
    EXPECT_EQ(PlayerState.pose, 223);
    EXPECT_EQ(PlayedSlots(), std::vector<int>{84});
    for (int i = 0; i < 30; ++i) StageStep();
    EXPECT_EQ(PlayerMoveState.comboQ, 11);
    EXPECT_EQ(PlayerState.pose, 223);
    EXPECT_NE(CameraMode, 999);

    PlayerGuardStruck = 1;   // an enemy's blow met the guard
    std::vector<int> poses;
    int steps = 0;
    while (PlayerMoveState.comboQ != 0 && steps < 50) {
        StageStep();
        NotePose(poses);
        ++steps;
    }
    EXPECT_EQ(poses, (std::vector<int>{224, 223}));
    EXPECT_EQ(PlayerMoveState.comboQ, 0);   // dropped although Q is still held
    EXPECT_EQ(PlayerGuardStruck, 0u);
    EXPECT_EQ(ReadyStanceStamp, GameClock.gameClock);

    // Raised again at once: no second guard sound.
    PlayerMoveState.comboQ = 10;
    StageStep();
    EXPECT_EQ(PlayerMoveState.comboQ, 11);
    EXPECT_EQ(CountOf(PlayedSlots(), 84), 1);

    Hold(nullptr);
    StageStep();
    EXPECT_EQ(PlayerMoveState.comboQ, 0);   // released: the guard drops
}

TEST_F(W2Fixture, DRepeatsWhileHeldAndClosesOnRelease) {
    Hold(&KeyDPressed);
    PlayerMoveState.comboD = 10;
    UpdateAttackCombos();
    for (int i = 0; i < 64; ++i) StageStep();
    EXPECT_EQ(PlayerMoveState.comboD, 11);
    EXPECT_GE(CountOf(PlayedSlots(), 130), 4);
    Hold(nullptr);
    StepUntilIdle(PlayerMoveState.comboD);
    EXPECT_EQ(PlayerState.pose, 206);
    EXPECT_EQ(CountOf(PlayedSlots(), 158), 1);
    EXPECT_EQ(PlayerState.x, 5000);   // D never moves her
}
