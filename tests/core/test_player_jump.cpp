// Jumps and falls through the stage step: arcs, poses, landings, the sounds
// of take-off and landing, horizontal speeds, and falls off ledges.
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/stage_step.h"
#include "movement_fixture.h"
#include "text/menu_state.h"

#include <algorithm>

class PlayerJumpTest : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        LoadSlots({18});
        GroundFallEnabled = 1;
    }
    // Presses Up for one step (the key's event clears the other flags).
    void JumpNow() {
        KeyRightPressed = KeyLeftPressed = KeyZPressed = KeyXPressed = 0;
        KeyUpPressed = 1;
        Step();
        KeyUpPressed = 0;
    }
};

TEST_F(PlayerJumpTest, StandingJumpRisesToItsPeakAndLandsInPoseSixteenThenOne) {
    step = 1.0 / 60.0;
    const double takeOff = GameClock.gameClock + step;
    JumpNow();
    EXPECT_EQ(PlayerMoveState.jumpKind, 11);
    EXPECT_EQ(PlayerState.pose, 14);
    EXPECT_EQ(PlayCount(18), 1) << "take-off sound";
    int top = PlayerState.y;
    int firstSixteen = -1;
    std::vector<int> poses;
    for (int i = 1; i < 120 && PlayerMoveState.jumpKind != 0; ++i) {
        Step();
        top = std::min(top, PlayerState.y);
        poses.push_back(PlayerState.pose);
        if (PlayerState.pose == 16 && firstSixteen < 0) firstSixteen = i;
        EXPECT_EQ(PlayerState.x, 130);
    }
    EXPECT_EQ(top, 468);
    ASSERT_EQ(PlayerMoveState.jumpKind, 0);
    const double flight = GameClock.gameClock - takeOff;
    EXPECT_GT(flight, 0.921);
    EXPECT_LT(flight, 0.921 + 2 * step);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(PlayerState.pose, 1);
    EXPECT_EQ(PlayCount(18), 2) << "landing sound";
    // Pose 16 from the top of the arc (0.4612 s), 1018 before it.
    EXPECT_GE(firstSixteen * step, 0.4612546125461255 - 1e-9);
    EXPECT_LT((firstSixteen - 1) * step, 0.4612546125461255);
    EXPECT_EQ(poses[static_cast<std::size_t>(firstSixteen) - 2], 1018);
    ASSERT_GE(poses.size(), 2u);
    EXPECT_EQ(poses[poses.size() - 2], 16);
}

TEST_F(PlayerJumpTest, WalkingRunningAndDashJumpsMoveByTheirSpeeds) {
    struct Case {
        int key;
        int warmSteps;
        int kind;
        int perStep;   // speed x 1/64 s, truncated
    };
    const Case cases[] = {
        {'R', 10, 21, 4},    // 273 px/s
        {'Z', 30, 31, 7},    // 450 px/s
        {'X', 6, 41, 20},    // 1300 px/s
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        PlayerMoveState = {};
        PlayerState.x = 3000;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        ScrollX = 2500;
        int* key = c.key == 'R' ? &KeyRightPressed : c.key == 'Z' ? &KeyZPressed : &KeyXPressed;
        *key = 1;
        Steps(c.warmSteps);
        *key = 0;
        JumpNow();
        ASSERT_EQ(PlayerMoveState.jumpKind, c.kind);
        int flightSteps = 0;
        while (PlayerMoveState.jumpKind != 0 && flightSteps < 200) {
            const int before = PlayerState.x;
            const int slide = PlayerMoveState.runSlideState;
            Step();
            ++flightSteps;
            // The walking jump moves by its own speed alone; after a run the
            // armed slide glides along as well while it lasts.
            if (slide == 0 && PlayerMoveState.jumpKind != 0) {
                EXPECT_EQ(PlayerState.x - before, c.perStep);
            }
        }
        EXPECT_EQ(PlayerState.y, 640);
    }
}

TEST_F(PlayerJumpTest, WalkingJumpDragsTheViewOnlyPastItsMark) {
    PlayerState.x = 1100;
    ScrollX = 1000;   // screen x 100
    KeyRightPressed = 1;
    Steps(10);
    JumpNow();
    const int scroll = ScrollX;
    Steps(5);
    EXPECT_EQ(ScrollX, scroll) << "screen x below 250: the view stays";
    PlayerMoveState = {};
    PlayerState.x = 1400;
    ScrollX = 1000;
    KeyRightPressed = 1;
    Steps(10);
    JumpNow();
    const int x0 = PlayerState.x, s0 = ScrollX;
    Steps(5);
    // The view follows by the same distance, plus its own 1 px drift a step.
    EXPECT_EQ(ScrollX - s0, PlayerState.x - x0 + 5);
}

TEST_F(PlayerJumpTest, RunningJumpPosesAndLandingIntoAnArmedSlide) {
    KeyZPressed = 1;
    Steps(30);
    ASSERT_EQ(PlayerMoveState.runSlideState, 1);
    KeyZPressed = 0;
    const double takeOff = GameClock.gameClock + step;
    JumpNow();
    ASSERT_EQ(PlayerMoveState.jumpKind, 31);
    bool sawHigh = false;
    while (PlayerMoveState.jumpKind != 0) {
        Step();
        const double t = GameClock.gameClock - takeOff;
        if (PlayerMoveState.jumpKind == 0) break;
        int expected = 16;
        if (t < 0.06) {
            expected = 14;
        } else if (t < 0.15) {
            expected = 1018;
        } else if (640 - PlayerState.y > 50) {
            expected = 15;
        }
        EXPECT_EQ(PlayerState.pose, expected) << "t " << t;
        sawHigh |= PlayerState.pose == 15;
        ASSERT_LT(t, 2.0);
    }
    EXPECT_TRUE(sawHigh);
    EXPECT_EQ(PlayerState.pose, 8);
    EXPECT_EQ(PlayerMoveState.runSlideState, 1);
    EXPECT_EQ(PlayerMoveState.xSpeed, 450);
    Step();
    EXPECT_EQ(PlayerMoveState.runSlideState, 98) << "no run key: the slide starts";
}

TEST_F(PlayerJumpTest, DashJumpLandsIntoTheXSlideState) {
    KeyXPressed = 1;
    Steps(6);
    JumpNow();
    ASSERT_EQ(PlayerMoveState.jumpKind, 41);
    Steps(120);
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(PlayerMoveState.xSpeed, 1300);
}

TEST_F(PlayerJumpTest, FrozenOrHeldFlightKeepsItsArcButNotItsX) {
    KeyRightPressed = 1;
    Steps(10);
    JumpNow();
    const int x = PlayerState.x;
    CameraMode = 99;
    Steps(5);
    EXPECT_EQ(PlayerState.x, x);
    EXPECT_LT(PlayerState.y, 640);
    CameraMode = 0;
    StageFrozenByMenu = 1;
    Steps(5);
    EXPECT_EQ(PlayerState.x, x);
}

TEST_F(PlayerJumpTest, FallStartsOnlyWhenTheFloorIsMoreThanFivePixelsBelow) {
    PlayerState.y = 635;
    Step();
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
    EXPECT_EQ(PlayerState.y, 640) << "the feet snap down";
    PlayerState.y = 634;
    Step();
    EXPECT_EQ(PlayerMoveState.jumpKind, 11);
    EXPECT_EQ(PlayerState.jumpStartY, 634 + 172);
    EXPECT_EQ(PlayCount(18), 0) << "a fall starts silently";
    Steps(40);
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(PlayCount(18), 1) << "but lands with the landing sound";
}

TEST_F(PlayerJumpTest, FallKindFollowsWhatTheHeroineWasDoing) {
    struct Case {
        int walkRight, runZ, runX;
        int kind, rise;
    };
    for (const Case& c : {Case{1, 0, 0, 21, 187}, Case{0, 1, 0, 31, 106}, Case{1, 0, 1, 41, 109}}) {
        PlayerMoveState = {};
        PlayerMoveState.walkRight = c.walkRight;
        PlayerMoveState.runZ = c.runZ;
        PlayerMoveState.runX = c.runX;
        PlayerState.y = 500;
        UpdatePlayerGroundContact();
        EXPECT_EQ(PlayerMoveState.jumpKind, c.kind);
        EXPECT_EQ(PlayerState.jumpStartY, 500 + c.rise);
    }
}

TEST_F(PlayerJumpTest, RunningOffALedgeHopsUpBeforeFalling) {
    // The Era01 staircase: step of 290 at x in [21600, 21700), 315 after,
    // past the gatekeeper, whose first talk would hold her.
    Era01AreaFlag = 1;
    GatekeeperRecord.done = 1;
    PlayerState.x = 21690;
    PlayerState.y = 290;
    ScrollX = 21300;
    KeyZPressed = 1;
    int lowest = 290, highest = 290;
    bool fell = false;
    for (int i = 0; i < 150; ++i) {
        Step();
        if (PlayerMoveState.jumpKind == 31) fell = true;
        if (fell) {
            highest = std::min(highest, PlayerState.y);
            lowest = std::max(lowest, PlayerState.y);
        }
        if (fell && PlayerMoveState.jumpKind == 0) break;
    }
    ASSERT_TRUE(fell);
    EXPECT_LE(highest, 290 - 100);
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
    EXPECT_EQ(PlayerState.y, TopFloorHeightAt(PlayerState.x));
}

TEST_F(PlayerJumpTest, AttackInProgressSnapsToTheLowerFloorInsteadOfFalling) {
    PlayerMoveState.comboD = 12;
    PlayerState.y = 400;
    UpdatePlayerGroundContact();
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
    EXPECT_EQ(PlayerState.y, 640);
}
