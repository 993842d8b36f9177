// The stage step's own rules: the ledge pits and their hold, the ledge
// walls, the area limits, the end of the tournament, the field music, and
// the world that a scene's hold leaves running.
#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/dialogue.h"
#include "core/pickups.h"
#include "core/stage_step.h"
#include "movement_fixture.h"
#include "support/slot_words.h"
#include "support/test_hold.h"

#include <algorithm>
#include <filesystem>

class WorldStepTest : public MovementTest {
protected:
    // The field's pieces past the gatekeeper: his first talk is heard, or he
    // would hold her at his side, and the lessons on the way are behind her,
    // or the view that comes to her would start one where she stands.
    void SetUp() override {
        MovementTest::SetUp();
        GatekeeperRecord.done = 1;
        FieldBehindHer(Era01Anchor24);
        // The gate open and no arena wave begun: the field's own holds stay
        // out of the limits tested here.
        Era01Progress = 3;
        ArenaState.clearedWaves = 0;
    }
    // Places the heroine, standing, as if she had stood there in the
    // previous step too.
    void PlaceAt(int x, int y) {
        PlayerMoveState.jumpKind = 0;
        PlayerState.x = x;
        PlayerState.y = y;
        WorldUpdateState.previousStepX = x;
        Era01TerrainState = Era01TerrainStateRecord{};   // no fall of the field's own
    }
};

constexpr int L = Era01Anchor24;   // the ledge section

TEST_F(WorldStepTest, LandingInTheFirstPitWithoutAJumpOnlySetsTheFeet) {
    LoadSlots({19});
    Era01AreaFlag = 1;
    PlaceAt(L + 100, 600);
    Step();
    EXPECT_EQ(PlayerState.y, 631);
    EXPECT_EQ(WorldUpdateState.pitFallState, 0);
    EXPECT_EQ(PlayerState.hp, 100);
    EXPECT_EQ(PlayCount(19), 0);
    EXPECT_EQ(MessageBoxOpen, 0);
}

TEST_F(WorldStepTest, JumpIntoTheSecondPitIsHeldUntilStandingAfterHalfASecond) {
    LoadSlots({19});
    Era01AreaFlag = 1;
    PlaceAt(L + 600, 400);
    // Coming down from the top of a standing jump.
    PlayerMoveState.jumpKind = 11;
    PlayerMoveState.jumpStartTime = GameClock.gameClock - 0.47;
    PlayerState.jumpStartY = 572;
    Step();
    EXPECT_EQ(PlayerState.y, 468);
    EXPECT_EQ(WorldUpdateState.pitFallState, 1);
    EXPECT_EQ(PlayerMoveState.jumpKind, 11) << "the second pit turns it into a standing fall";
    EXPECT_EQ(PlayerState.hp, 99);
    EXPECT_EQ(PlayCount(19), 1);
    const double fellAt = GameClock.gameClock;

    KeyRightPressed = 1;   // keys change nothing during the hold
    int steps = 0;
    while (WorldUpdateState.pitFallState == 1 && steps < 200) {
        Step();
        ++steps;
        if (WorldUpdateState.pitFallState == 1) {
            EXPECT_EQ(PlayerState.pose, 27);
            EXPECT_EQ(MessageBoxOpen, 1);
        }
    }
    ASSERT_EQ(WorldUpdateState.pitFallState, 2);
    EXPECT_GT(GameClock.gameClock - fellAt, 0.5);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(PlayerState.hp, 99) << "one HP for the whole fall";
    EXPECT_EQ(PlayCount(19), 1);
    Step();
    EXPECT_EQ(WorldUpdateState.pitFallState, 0);
    EXPECT_EQ(MessageBoxOpen, 0);
}

TEST_F(WorldStepTest, LedgeWallsStopTheHeroineFromEitherSide) {
    Era01AreaFlag = 1;
    // Coming from between the wall's two faces: both rules hold, she ends
    // on its far side.
    PlaceAt(L + 20, 400);
    WorldUpdateState.previousStepX = L;
    Step();
    EXPECT_EQ(PlayerState.x, L + 55);
    // From the left she stops at the near face.
    PlaceAt(L - 10, 400);
    WorldUpdateState.previousStepX = L - 50;
    Step();
    EXPECT_EQ(PlayerState.x, L - 30);
    // The lower wall only stands below y 432.
    PlaceAt(L + 1020, 600);
    WorldUpdateState.previousStepX = L + 990;
    Step();
    EXPECT_EQ(PlayerState.x, L + 1008);
    PlaceAt(L + 1020, 420);
    WorldUpdateState.previousStepX = L + 990;
    Step();
    EXPECT_EQ(PlayerState.x, L + 1020);
}

TEST_F(WorldStepTest, Era01HoldsAndLimits) {
    Era01AreaFlag = 1;
    PlaceAt(100, 640);
    Step();
    EXPECT_EQ(PlayerState.x, 117);

    constexpr int A = Era01Anchor22;
    ArenaState.waveHold = 1;
    PlaceAt(A, 640);
    Step();
    EXPECT_EQ(PlayerState.x, A - 100);
    ArenaState.waveHold = 3;
    PlaceAt(A + 199, 640);
    Step();
    EXPECT_EQ(PlayerState.x, A - 50);
    PlaceAt(A + 200, 640);
    Step();
    EXPECT_EQ(PlayerState.x, A + 200);
    ArenaState.waveHold = 0;

    // Only the first walking enemy holds her for its lesson: the second one
    // emerging never pins her (it has no lesson, so its hold x stays 0).
    WalkingEnemyRecords[1].state = 2;
    WalkingEnemyRecords[1].patrolRight = SectionAnchorX[10];
    ScrollX = SectionAnchorX[8] - 600;
    PlaceAt(9000, 640);   // out of the first one's reach
    Step();
    ASSERT_GE(WalkingEnemyRecords[1].state, 2);
    EXPECT_EQ(PlayerState.x, 9000);
    EXPECT_EQ(MessageBoxOpen, 0);
    // (in the first one's place, so it stays where it emerged)
    WalkingEnemyRecords[0].state = 2;
    WalkingEnemyRecords[0].meetingStep = 0;
    WalkingEnemyRecords[0].holdX = 4321;
    WalkingEnemyRecords[0].patrolRight = SectionAnchorX[10];
    ScrollX = SectionAnchorX[7] - 600;
    Step();
    EXPECT_EQ(PlayerState.x, 4321);
    EXPECT_EQ(MessageBoxOpen, 1);
    WalkingEnemyRecords[0].meetingStep = 6;
    EndEveryHold();
    PlaceAt(5000, 640);
    Step();
    EXPECT_EQ(PlayerState.x, 5000);
    EXPECT_EQ(MessageBoxOpen, 0);
}

TEST_F(WorldStepTest, HpHoldKeepsHpAndExpUntilReleased) {
    Era01AreaFlag = 1;
    PlayerState.hp = 80;
    PlayerState.exp = 300;
    PlayerHpHold = -1;
    Step();
    EXPECT_EQ(PlayerHpHold, 80);
    PlayerState.hp = 10;
    PlayerState.exp = 999;   // would level up within the step
    Step();
    EXPECT_EQ(PlayerState.hp, 80);
    EXPECT_EQ(PlayerState.exp, 300);
    PlayerHpHold = 0;
    PlayerState.hp = 10;
    Step();
    EXPECT_EQ(PlayerState.hp, 10);
}

TEST_F(WorldStepTest, EndOfTheTournamentSwitchesToEra03WithinTheSameStep) {
    const auto previous = std::filesystem::current_path();
    const auto dir = std::filesystem::temp_directory_path() /
                     ("qm_world_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);   // the trace log goes here

    Era02AreaFlag = 1;
    ArrivalScene.step = 99;
    TournamentState.state = 5;
    TournamentBoundsLock = 1;
    PlaceAt(Era02Anchor1 + 1000, 640);
    ScrollX = Era02Anchor1 + 500;
    Step();
    EXPECT_EQ(Era02AreaFlag, 0);
    EXPECT_EQ(Era03AreaFlag, 1);
    EXPECT_EQ(ArrivalScene.step, 100);
    EXPECT_EQ(TournamentBoundsLock, 0);
    // Era03's limits already apply.
    EXPECT_EQ(ScrollX, Era02Anchor1 + 2807);
    EXPECT_EQ(PlayerState.x, Era02Anchor1 + 2911);

    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}

TEST_F(WorldStepTest, TournamentRingKeepsHeroineAndView) {
    Era02AreaFlag = 1;
    ArrivalScene.step = 99;
    TournamentBoundsLock = 1;
    constexpr int T = Era02Anchor1;
    // Past either end, with the view beyond its own end around her.
    PlaceAt(T + 2900, 640);
    ScrollX = T + 2000;
    Step();
    EXPECT_EQ(PlayerState.x, T + 2800);
    EXPECT_EQ(ScrollX, T + 1800);
    PlaceAt(T + 100, 640);
    ScrollX = T;
    Step();
    EXPECT_EQ(PlayerState.x, T + 140);
    EXPECT_EQ(ScrollX, T + 123);
}

TEST_F(WorldStepTest, Era03ArenaKeepsItsFightersInside) {
    Era03AreaFlag = 1;
    constexpr int R = Era03Anchor8;
    // The encounter's own scenes stay out of it: only the walls are tested.
    Era03ArenaEncounter.controllerState = 99;
    // The field's creature and fighter before the arena are behind her.
    Era03Fighter.encounterState = 99;
    Era03CreatureOnceFlag = 1;
    Era03ArenaEncounter.hazardPostFrame = 1;
    ScrollX = R - 500;
    PlaceAt(R + 900, 640);
    Era03ArenaBoss1.x = R - 700;
    Era03ArenaEnemy3.x = R + 1000;
    Step();
    EXPECT_EQ(PlayerState.x, R + 850);
    EXPECT_EQ(Era03ArenaBoss1.x, R - 640);
    EXPECT_EQ(Era03ArenaEnemy3.x, R + 1000) << "only while all are shown";
    Era03ArenaEncounter.showAll = 1;
    Step();
    EXPECT_EQ(Era03ArenaEnemy3.x, R + 850);
}

TEST_F(WorldStepTest, Era04ViewFollowsWithMarginsBeforeTheStageLimits) {
    Era04AreaFlag = 1;
    Era04Progress.dialogueTriggerState = 2;  // past the entrance talks, which hold her
    constexpr int M1 = Era04Door1, M3 = Era04Door3;
    PlaceAt(M1 + 1000, 640);
    ScrollX = M1;
    Step();
    EXPECT_EQ(ScrollX, PlayerState.x - 924);
    ScrollX = PlayerState.x;
    Step();
    EXPECT_EQ(ScrollX, PlayerState.x - 100);
    // Stage 6 overrides the follow.
    Era04CameraStage = 6;
    PlaceAt(M3 + 100, 640);
    ScrollX = M3 - 300;
    Step();
    EXPECT_EQ(ScrollX, M3);
}

TEST_F(WorldStepTest, ClosedEra04DoorStopsTheHeroineOnHerSide) {
    Era04AreaFlag = 1;
    Era04Progress.dialogueTriggerState = 2;  // past the entrance talks, which hold her
    constexpr int M1 = Era04Door1;
    Era04DoorLocks[1] = 1;
    PlaceAt(M1 - 100, 640);
    WorldUpdateState.previousStepX = M1 - 200;
    Step();
    EXPECT_EQ(PlayerState.x, M1 - 135);
    PlaceAt(M1 + 100, 640);
    WorldUpdateState.previousStepX = M1 + 200;
    Step();
    EXPECT_EQ(PlayerState.x, M1 + 135);
    Era04DoorLocks[1] = 0;
    PlaceAt(M1 + 100, 640);
    WorldUpdateState.previousStepX = M1 + 200;
    Step();
    EXPECT_EQ(PlayerState.x, M1 + 100);
}

TEST_F(WorldStepTest, CrossingTheFirstDoorReturnsTheCameraToFacingFollow) {
    Era04AreaFlag = 1;
    Era04Progress.dialogueTriggerState = 2;  // past the entrance talks, which hold her
    constexpr int M1 = Era04Door1;
    PlaceAt(M1 - 300, 640);
    Step();
    EXPECT_EQ(WorldUpdateState.doorOneSide, 1);
    CameraMode = 1;
    PlayerState.x = M1 + 5;
    Step();
    EXPECT_EQ(CameraMode, 0);
}

TEST_F(WorldStepTest, FieldMusicKeepsPlayingUnlessTheGameIsOver) {
    LoadSlots({2, 4});
    FieldMusicFlag = 1;
    Steps(3);
    EXPECT_EQ(PlayVolumes(4), (std::vector<int>{0, 0, 0}));
    int stops = 0;
    for (const auto& c : plat::headless::AllSoundCalls())
        stops += (c.op == plat::headless::SoundOp::Stop && c.slot == 2);
    EXPECT_EQ(stops, 3);
    GameFlow.gameOverRunning = 1;
    Steps(3);
    EXPECT_EQ(PlayCount(4), 3);
    GameFlow.gameOverRunning = 0;
    FieldMusicFlag = 0;
    Steps(3);
    EXPECT_EQ(PlayCount(4), 3);
}

TEST_F(WorldStepTest, HouseKeepsTheHeroineIndoorsAndOnTheGround) {
    Era00IndoorState = 1;
    PlaceAt(Era00Anchor1 + 1000, 555);
    PlayerMoveState.jumpKind = 11;
    Step();
    EXPECT_EQ(PlayerState.x, Era00Anchor1 + 980);
    EXPECT_EQ(PlayerMoveState.jumpKind, 0);
}

// A scene's hold keeps the heroine, never the world around her: a coin
// dropped as the talk opens still pops and rises, and the field's hopping
// walker by the sealed gate goes up and comes down again, whichever hold
// word the scene has set.
TEST_F(WorldStepTest, ThingsInFlightKeepMovingUnderEveryHold) {
    struct Hold {
        const char* what;
        std::uint32_t kind;
    };
    const Hold kHolds[] = {
        {"a line's hold", kHoldLine},
        {"the message box", kHoldKeys},
        {"the heroine's keys blocked", kHoldMoves},
        {"the menu key blocked", kHoldMenu},
    };
    constexpr std::int32_t kWall = SectionAnchorX[21];   // the third walker's stretch, by the sealed gate
    for (const Hold& hold : kHolds) {
        SCOPED_TRACE(hold.what);
        Era01AreaFlag = 1;
        ScrollX = kWall + 178;
        PlaceAt(kWall + 419, 640);
        PickupPool = PickupPoolRecord{};
        SpawnPickup(kWall - 300, 500);
        WalkingEnemyRecord& walker = WalkingEnemyRecords[2];
        walker = WalkingEnemyRecord{.state = 10, .x = kWall + 197, .y = 640, .hp = 200};
        walker.homeX = kWall - 700;
        walker.patrolLeft = kWall - 750;
        walker.patrolRight = kWall + 200;
        walker.walkStep = 12;
        std::int32_t highest = 640;
        bool downAgain = false;
        for (int i = 0; i < 128; ++i) {
            HoldForTest(hold.kind);
            Step();
            highest = std::min(highest, walker.y);
            downAgain = downAgain || (highest < 400 && walker.y == 640);
        }
        LetGoForTest();
        EXPECT_EQ(PickupPool.active[1], 1);
        EXPECT_EQ(PickupPool.state[1], 0) << "its pop is over";
        EXPECT_LT(PickupPool.y[1], 500 - 110) << "it popped and rose on";
        EXPECT_LT(highest, 640 - 300) << "the walker hopped";
        EXPECT_TRUE(downAgain) << "and came down again";
    }
}
