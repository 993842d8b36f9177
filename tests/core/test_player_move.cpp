// Walking, running, sliding and the camera, driven through the stage step
// with held keys at a fixed step rate.
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "shell/reset.h"
#include "shell/transitions.h"
#include "core/holds.h"
#include "core/keys.h"
#include "movement_fixture.h"

#include <algorithm>

using PlayerMoveTest = MovementTest;

namespace {
struct Trace {
    std::vector<int> moves;   // non-zero x changes, in order
    std::vector<int> poses;   // pose after each step
    std::vector<double> moveTimes;
};
}  // namespace

class TracedMoveTest : public PlayerMoveTest {
protected:
    Trace Run(int steps) {
        Trace t;
        for (int i = 0; i < steps; ++i) {
            const int before = PlayerState.x;
            Step();
            if (PlayerState.x != before) {
                t.moves.push_back(PlayerState.x - before);
                t.moveTimes.push_back(GameClock.gameClock);
            }
            t.poses.push_back(PlayerState.pose);
        }
        return t;
    }
};

TEST_F(TracedMoveTest, RightHeldWalksByWholeStridesThroughTheWalkPoses) {
    const double start = GameClock.gameClock + step;
    KeyRightPressed = 1;
    Trace t = Run(100);
    ASSERT_GE(t.moves.size(), 12u);
    // Into states 2..11, then back into 2 (from 11) and on around the cycle.
    const std::vector<int> expected = {12, 9, 9, 11, 12, 11, 11, 11, 11, 14, 14, 9};
    EXPECT_EQ(std::vector<int>(t.moves.begin(), t.moves.begin() + 12), expected);
    EXPECT_GT(t.moveTimes[0] - start, 0.07) << "the first stride waits for its pose time";
    for (int p : t.poses) {
        EXPECT_GE(p, 2);
        EXPECT_LE(p, 7);
    }
    EXPECT_EQ(PlayerState.facing, 1);
    // Pose 7 is kept for the step that moves back into state 2.
    bool sawSeven = false;
    for (int p : t.poses) sawSeven |= (p == 7);
    EXPECT_TRUE(sawSeven);
}

TEST_F(TracedMoveTest, LeftWalkTurnsAndReleasingStands) {
    PlayerState.x = 2000;
    ScrollX = 1500;
    KeyLeftPressed = 1;
    Trace t = Run(40);
    EXPECT_EQ(PlayerState.facing, -1);
    int total = 0;
    for (int m : t.moves) {
        EXPECT_LT(m, 0);
        total += m;
    }
    EXPECT_EQ(PlayerState.x, 2000 + total);
    KeyLeftPressed = 0;
    Step();
    EXPECT_EQ(PlayerState.pose, 1);
    EXPECT_EQ(PlayerMoveState.walkLeft, 0);
}

TEST_F(TracedMoveTest, HeldCameraLetsThePosesCycleButMovesNothing) {
    CameraMode = 99;
    ScrollX = 40;
    KeyRightPressed = 1;
    Trace t = Run(60);
    EXPECT_TRUE(t.moves.empty());
    EXPECT_EQ(ScrollX, 40);
    EXPECT_NE(std::find(t.poses.begin(), t.poses.end(), 5), t.poses.end());
}

TEST_F(PlayerMoveTest, FacingFollowDriftsUntilTheHeroineStandsAtItsMark) {
    PlayerState.x = 1300;
    ScrollX = 1000;   // screen x 300, facing right
    Steps(100);
    EXPECT_EQ(PlayerState.x - ScrollX, 249);
    PlayerState.facing = -1;
    Steps(600);
    EXPECT_EQ(PlayerState.x - ScrollX, 775);
}

TEST_F(PlayerMoveTest, FacingFollowNeverDriftsBelowTheWorldStart) {
    PlayerState.x = 300;
    PlayerState.facing = -1;
    Steps(50);
    EXPECT_EQ(ScrollX, 0);
}

TEST_F(PlayerMoveTest, WindowFollowStepsByOneThenTen) {
    CameraMode = 1;
    PlayerState.x = 1000 + 150;
    ScrollX = 1000;   // inside 102..212 from the left edge
    Step();
    EXPECT_EQ(ScrollX, 999);
    PlayerState.x = 1000 + 50;
    ScrollX = 1000;   // below 102: both left tests hold
    Step();
    EXPECT_EQ(ScrollX, 989);
    PlayerState.x = 2000 + 950;
    ScrollX = 2000;   // beyond 912: both right tests hold
    Step();
    EXPECT_EQ(ScrollX, 2011);
}

TEST_F(PlayerMoveTest, OneStepHoldBlocksTheWalkAndReturnsToTheKeptMode) {
    CameraMode = 1;
    Step();   // the camera keeps mode 1
    KeyRightPressed = 1;
    Steps(20);   // the walk is under way
    const int x = PlayerState.x;
    CameraMode = 999;
    // Long enough that the walk's pose time is certainly up.
    Step(0.2);
    EXPECT_EQ(PlayerState.x, x);
    EXPECT_EQ(CameraMode, 1);
}

TEST_F(TracedMoveTest, ZRunStridesAndArmsItsSlideAtTheFourthPose) {
    PlayerState.x = 1000;
    ScrollX = 700;
    KeyZPressed = 1;
    Trace t = Run(40);
    ASSERT_GE(t.moves.size(), 5u);
    // The stride of the row that advanced last: from the fourth pose back to
    // the first the run moves by the fourth pose's stride.
    const std::vector<int> expected = {49, 61, 48, 48, 49};
    EXPECT_EQ(std::vector<int>(t.moves.begin(), t.moves.begin() + 5), expected);
    for (int p : t.poses) {
        EXPECT_GE(p, 8);
        EXPECT_LE(p, 11);
    }
    EXPECT_EQ(PlayerMoveState.runSlideState, 1);
    EXPECT_EQ(PlayerMoveState.xSpeed, 450);
    // The view is dragged along: the heroine stays on screen.
    EXPECT_LT(PlayerState.x - ScrollX, 1024);
}

TEST_F(TracedMoveTest, XRunAdvancesEveryStep) {
    KeyXPressed = 1;
    Step();   // pose 8, no move
    Trace t = Run(8);
    EXPECT_EQ(t.moves, (std::vector<int>{49, 61, 48, 48, 49, 61, 48, 48}));
    EXPECT_EQ(PlayerMoveState.runSlideState, 2);
    EXPECT_EQ(PlayerMoveState.xSpeed, 1300);
}

TEST_F(PlayerMoveTest, ReleasingZBeforeTheFourthPoseStandsWithoutSlide) {
    KeyZPressed = 1;
    Steps(3);
    ASSERT_LT(PlayerState.pose, 11);
    ASSERT_EQ(PlayerMoveState.runSlideState, 0);
    KeyZPressed = 0;
    const int x = PlayerState.x;
    Steps(3);
    EXPECT_EQ(PlayerState.pose, 1);
    EXPECT_EQ(PlayerState.x, x);
}

TEST_F(PlayerMoveTest, SlideAfterTheXRunGlidesForJustUnderASecond) {
    PlayerState.x = 5000;
    ScrollX = 4700;
    KeyXPressed = 1;
    Steps(5);
    ASSERT_EQ(PlayerMoveState.runSlideState, 2);
    KeyXPressed = 0;
    const int x0 = PlayerState.x;
    const double t0 = GameClock.gameClock + step;   // the slide starts in the next step
    std::vector<int> deltas;
    for (;;) {
        const int before = PlayerState.x;
        Step();
        deltas.push_back(PlayerState.x - before);
        if (PlayerMoveState.runSlideState == 0) break;
        EXPECT_TRUE(PlayerState.pose == 12 || PlayerState.pose == 13);
        ASSERT_LT(deltas.size(), 200u);
    }
    const double length = GameClock.gameClock - t0;
    EXPECT_GT(length, 0.95);
    EXPECT_LE(length, 1.0 + 1e-9);
    EXPECT_EQ(PlayerState.pose, 1);
    // 1300 px/s falling to nothing in a second: at most 650 px (less the
    // truncation of each step), each step no longer than the one before.
    EXPECT_GT(PlayerState.x - x0, 580);
    EXPECT_LE(PlayerState.x - x0, 650);
    EXPECT_EQ(deltas.front(), 20);   // 1300 px/s over a 1/64 s step
    for (std::size_t i = 1; i < deltas.size(); ++i) EXPECT_LE(deltas[i], deltas[i - 1]);
}

TEST_F(PlayerMoveTest, InterruptedSlideDoesNotCutShortALaterOne) {
    PlayerState.x = 5000;
    ScrollX = 4700;
    // A slide, broken off by Z after a short glide.
    KeyXPressed = 1;
    Steps(5);
    KeyXPressed = 0;
    Steps(5);
    ASSERT_GE(PlayerMoveState.runSlideState, 98);
    KeyZPressed = 1;
    Step();
    ASSERT_EQ(PlayerMoveState.runSlideState, 1);
    KeyZPressed = 0;
    PlayerMoveState.runSlideState = 0;   // a scene takes hold of her
    Step();
    // More than 3 s later, a new X slide must glide its full course.
    Step(3.5);
    KeyXPressed = 1;
    Steps(6);
    KeyXPressed = 0;
    int slideSteps = 0;
    Step();
    while (PlayerMoveState.runSlideState >= 98 && slideSteps < 200) {
        Step();
        ++slideSteps;
    }
    EXPECT_GT(slideSteps, 50) << "the slide ended on the stale 3 s cap";
}

TEST_F(PlayerMoveTest, JumpLockClearsTheSlideInsteadOfRunningIt) {
    KeyXPressed = 1;
    Steps(5);
    KeyXPressed = 0;
    PlayerJumpLock = 1;
    const int x = PlayerState.x;
    Steps(5);
    EXPECT_EQ(PlayerMoveState.runSlideState, 0);
    EXPECT_EQ(PlayerState.x, x);
}

// A scene that takes hold of her while she dashes or slides stops her where
// it took her: the X key down from before it comes to nothing, and the slide
// does not run on under the scene (the tournament's entrance once slid her
// 1,300 px out of the view it held).
TEST_F(PlayerMoveTest, ASceneTakingHoldStopsHerDashAndSlide) {
    struct Case {
        const char* what;
        bool letGoFirst;   // the slide after the dash, or the dash with X still down
    };
    constexpr HoldOwner kScene{"a scene"};
    for (const Case c : {Case{"dash", false}, Case{"slide", true}}) {
        SetUp();
        EndEveryHold();
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerState.x = 5000;
        ScrollX = 4700;
        KeyXPressed = 1;
        Steps(5);
        ASSERT_EQ(PlayerMoveState.runSlideState, 2) << c.what;
        if (c.letGoFirst) {
            KeyXPressed = 0;
            Step();
            ASSERT_GE(PlayerMoveState.runSlideState, 98) << c.what;
        }
        TakeHoldOfHeroine(kScene);
        const int takenAt = PlayerState.x;
        for (int i = 0; i < 64; ++i) {
            Step();
            TakeHoldOfHeroine(kScene);   // the scene holds her in every step
        }
        EXPECT_EQ(PlayerState.x, takenAt) << c.what;
        EndEveryHold();
    }
}

// Put back on the stage with pose 0 (the menu's way back, which a load takes
// too) or after the data reset, her moves start afresh: a walk kept from
// before would set her first pose and stride from where it was left, a
// slide its speed from a start the clock has since left behind. A slide
// whose speed has run out ends where it is.
TEST_F(TracedMoveTest, PutBackOnTheStageHerMovesStartAfresh) {
    enum class Back { Menu, Reset, LongPause };
    struct Row {
        const char* name;
        std::int32_t* key;
        bool released;   // let go, so the run's slide goes on
        Back back;
    };
    const Row rows[] = {
        {"a walk through the menu", &KeyRightPressed, false, Back::Menu},
        {"a slide through the menu", &KeyXPressed, true, Back::Menu},
        {"a walk through the data reset", &KeyRightPressed, false, Back::Reset},
        {"a slide after a long pause", &KeyXPressed, true, Back::LongPause},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        RestartHerMoveCycles();
        Era01AreaFlag = 1;
        PlayerState.x = 5000;
        ScrollX = 4700;
        *r.key = 1;
        Steps(9);
        if (r.released) {
            *r.key = 0;
            Steps(4);
            ASSERT_TRUE(PlayerMoveState.runSlideState == 98 || PlayerMoveState.runSlideState == 99);
        }
        if (r.back == Back::Menu) {
            // The clock stood still in the menu; the way back runs 0.6 s.
            PlayerPrevFrame = {ScrollX, PlayerState.x, PlayerState.y, PlayerState.facing};
            GameClock.gameClock += 0.6;
            RunMenuToStage(0);
            RunMenuToStage(1);
        }
        if (r.back == Back::Reset) {
            const std::int32_t x = PlayerState.x, scroll = ScrollX;
            ResetGameData(0);
            for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
            }
            Era01AreaFlag = 1;
            PlayerState.x = x;
            ScrollX = scroll;
            PlayerState.pose = 0;
            *r.key = 1;   // the reset let go of the keys: held again
        }
        const std::int32_t x = PlayerState.x;
        Step(r.back == Back::LongPause ? 5.0 : step);
        if (r.released) {
            EXPECT_GE(PlayerState.x, x) << "the slide carried her backward";
            if (r.back != Back::LongPause) { EXPECT_EQ(PlayerState.x, x) << "the slide went on"; }
            EXPECT_EQ(PlayerMoveState.runSlideState, 0);
        } else {
            EXPECT_EQ(PlayerState.x, x) << "a stride of the walk from before";
            EXPECT_EQ(PlayerState.pose, 2) << "the walk's first pose";
        }
        *r.key = 0;
    }
}
