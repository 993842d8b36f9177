// The numbers of the field's middle that matter, stepped by hand on a game
// clock of our own: the turret's push, stun and blast chain, the gate's hold
// and opening, the lower route and the pit, the arena's third wave, its
// replay and the dropped-item slots, the answer to a guard in the second
// outfit, the spawner's strike, and the fastest colour pulse.
#include <gtest/gtest.h>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "shell/graphics.h"
#include "shell/sound_bank.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr double kStep = 0.014;
constexpr std::int32_t T = 20200;
constexpr std::int32_t A = 23445;
constexpr std::int32_t P = 24660;   // the turret's first place

class FieldMiddleNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(3);
        GameClock.gameClock = 100.0;
        Era01AreaFlag = 1;
        ResetEra00Era01Area();
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerState.hp = PlayerState.maxHp = 100;
        DialogueChannels = DialogueChannelsRecord{};
        EnterConfirmState = 0;
        EndEveryHold();
        KeyRightPressed = KeyZPressed = KeyXPressed = 0;
        for (auto& c : ItemCounts) c = 0;
        PickupPool.state[1] = 0;
    }
    void TearDown() override { Era01AreaFlag = 0; }
    void Tick() { GameClock.gameClock += kStep; }
    // Her body box as a standing heroine's at x.
    void StandAt(std::int32_t x, std::int32_t y = 640) {
        PlayerState.x = PlayerState.xBeforeStep = x;
        PlayerState.y = y;
        PlayerBodyBox = {x - 15, y - 140, x + 15, y, x};
    }
    // The turret risen and swaying at its first place, the view on it.
    void TurretSwaying() {
        ScrollX = P - 500;
        StandAt(P - 300);
        UpdateAnchorObstacle();
        for (int i = 0; i < 20 && AnchorObstacleState.state != 3; ++i) {
            Tick();
            UpdateAnchorObstacle();
        }
        ASSERT_EQ(AnchorObstacleState.state, 3);
    }
};

TEST_F(FieldMiddleNumbers, AShotPushesHerByTheKeysSheHolds) {
    struct Case {
        std::int32_t *key;
        std::int32_t push, hp;
    };
    const Case cases[] = {{nullptr, 25, 1}, {&KeyRightPressed, 50, 2}, {&KeyZPressed, 150, 2}, {&KeyXPressed, 150, 2}};
    for (const Case& c : cases) {
        SetUp();
        TurretSwaying();
        StandAt(P - 300);
        PlayerState.hp = 50;
        if (c.key != nullptr) *c.key = 1;
        AnchorObstacleShot& shot = AnchorObstacleState.shots[0];
        shot.state = 1;
        shot.y = PlayerState.y - 100;
        shot.launchTime = GameClock.gameClock - 0.3;   // it is level with her
        AnchorObstacleState.action = 0;
        UpdateAnchorObstacle();
        EXPECT_EQ(P - 300 - PlayerState.x, c.push);
        EXPECT_EQ(50 - PlayerState.hp, c.hp);
        if (c.key != nullptr) *c.key = 0;
    }
}

TEST_F(FieldMiddleNumbers, ItsOwnShotStunsItAndABlowBlowsItUp) {
    TurretSwaying();
    AnchorObstacleStateRecord& t = AnchorObstacleState;
    // Pose 36 sends the shot back from where she stands; close in it stuns.
    StandAt(P - 130);
    PlayerState.pose = 36;
    t.shots[2].state = 1;
    t.shots[2].y = t.y - 96;
    t.shots[2].launchTime = GameClock.gameClock - 0.13;
    t.action = 0;
    UpdateAnchorObstacle();
    ASSERT_EQ(t.shots[2].state, 3);
    PlayerState.pose = 1;
    for (int i = 0; i < 20 && t.state != 4; ++i) {
        Tick();
        UpdateAnchorObstacle();
    }
    ASSERT_EQ(t.state, 4);
    EXPECT_EQ(t.headFrame, 3);
    // A kick within reach (no shot of its own still on the way) sets off
    // the chain: ten links, 250 EXP.
    for (AnchorObstacleShot& shot : t.shots) shot.state = 0;
    StandAt(P - 60);
    PlayerState.pose = 21;
    PlayerMoveState.comboS = 20;
    const std::int32_t exp = PlayerState.exp;
    Tick();
    UpdateAnchorObstacle();
    ASSERT_GE(t.action, 6) << t.x << "," << t.y << " st " << t.state;
    PlayerState.pose = 1;
    PlayerMoveState.comboS = 0;
    int links = 0;
    while (t.state != 99 && links < 100) {
        Tick();
        UpdateAnchorObstacle();
        ++links;
    }
    EXPECT_EQ(t.state, 99);
    EXPECT_EQ(PlayerState.exp - exp, 250);
    EXPECT_EQ(t.baseFrame, 0);
    // Away and back: it stands there again.
    ScrollX = P - 1200;
    UpdateAnchorObstacle();
    EXPECT_EQ(t.state, 0);
    ScrollX = P - 500;
    StandAt(P - 600);
    UpdateAnchorObstacle();
    EXPECT_EQ(t.state, 1);
    EXPECT_EQ(t.x, P);
}

TEST_F(FieldMiddleNumbers, TheGateHoldsAndOpensASecondAfterTheItem) {
    Era01Progress = 1;
    struct Case {
        std::int32_t x, y, heldAt;
    };
    const Case cases[] = {{T + 418, 740, T + 418}, {T + 500, 740, T + 419}, {T + 719, 740, T + 419},
                          {T + 720, 740, T + 720}, {T + 500, 269, T + 500}};
    for (const Case& c : cases) {
        StandAt(c.x, c.y);
        UpdateEra01Gate();
        EXPECT_EQ(PlayerState.x, c.heldAt) << c.x << "," << c.y;
        EXPECT_EQ(DialogueChannels.gateLine, 0);
    }
    Era01Progress = 2;
    StandAt(T + 500, 740);
    UpdateEra01Gate();
    const double from = GameClock.gameClock;
    while (Era01Progress == 2 && GameClock.gameClock - from < 2.0) {
        Tick();
        StandAt(T + 500, 740);
        UpdateEra01Gate();
    }
    EXPECT_EQ(Era01Progress, 3);
    EXPECT_NEAR(GameClock.gameClock - from, 1.0, kStep);
    EXPECT_EQ(MessageBoxOpen, 0);
}

TEST_F(FieldMiddleNumbers, LowerRouteAndPit) {
    struct Case {
        std::int32_t x, y, flag;
    };
    const Case cases[] = {{T + 300, 740, 0}, {T + 301, 740, 1}, {T + 500, 271, 1}, {T + 500, 270, 0}, {T + 501, 740, 0}};
    for (const Case& c : cases) {
        Era01TerrainState = Era01TerrainStateRecord{};
        StandAt(c.x, c.y);
        UpdateEra01Terrain();
        EXPECT_EQ(Era01TerrainState.lowerRoute, c.flag) << c.x << "," << c.y;
    }
    // Off the lower route the upper floor keeps her at 270 at most.
    Era01TerrainState = Era01TerrainStateRecord{};
    StandAt(T + 900, 300);
    UpdateEra01Terrain();
    EXPECT_EQ(PlayerState.y, 270);
    // Into the pit: put at its edge, 1 HP, down to the ground.
    Era01TerrainState = Era01TerrainStateRecord{};
    Era01TerrainState.lowerRoute = 1;
    StandAt(T + 601, 400);
    UpdateEra01Terrain();
    EXPECT_EQ(Era01TerrainState.pitFallStartY, 0) << "past the pit's x";
    StandAt(T + 600, 400);
    UpdateEra01Terrain();
    EXPECT_EQ(PlayerState.x, T + 260);
    EXPECT_EQ(PlayerState.hp, 99);
    for (int i = 0; i < 200 && Era01TerrainState.pitFallStartY != 0; ++i) {
        Tick();
        UpdateEra01Terrain();
    }
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(PlayerState.hp, 99);
}

TEST_F(FieldMiddleNumbers, WaveThreeEndsOnlyByTheProp) {
    ArenaState.clearedWaves = 1;
    ArenaState.objectX = A - 300;
    ArenaState.objectY = 640;
    ScrollX = A - 600;
    StandAt(A - 360);
    RunArenaWaves(2);
    struct Case {
        std::int32_t x, pose;
        bool ends;
    };
    const Case cases[] = {{A - 360, 26, false}, {A - 351, 26, false}, {A - 250, 1, false}, {A - 250, 26, true}};
    for (const Case& c : cases) {
        StandAt(c.x);
        PlayerState.pose = c.pose;
        Tick();
        RunArenaWaves(2);
        EXPECT_EQ(ArenaState.clearedWaves == 2, c.ends) << c.x << " pose " << c.pose;
    }
    EXPECT_EQ(ItemCounts[2], 1u);
    EXPECT_EQ(ArenaState.propMode, 0);
}

// The arena reaches her only from its room: come from the east with a wave
// still to fight, 2,000 px past it, she is neither grabbed nor put back into
// it; at its wall the enemy's grab takes her.
TEST_F(FieldMiddleNumbers, TheArenaReachesHerOnlyFromItsRoom) {
    struct Case {
        const char* wave;
        std::int32_t cleared, x;
        bool grabbed;
    };
    const Case cases[] = {
        {"wave 1", 0, A + 2000, false},
        {"wave 4", 2, A + 2000, false},
        {"wave 1 at its wall", 0, A - 100, true},
    };
    for (const Case& c : cases) {
        SetUp();
        ArenaState.clearedWaves = c.cleared;
        ScrollX = c.x - 500;
        StandAt(c.x);
        for (int i = 0; i < 3; ++i) {
            Tick();
            RunArenaWaves(2);
            LimitEra01();
        }
        EXPECT_EQ(HoldsHeroine(kArenaHold), c.grabbed) << c.wave;
        if (!c.grabbed) { EXPECT_EQ(PlayerState.x, c.x) << c.wave; }
        EndEveryHold();
    }
}

TEST_F(FieldMiddleNumbers, TheLastWaveReplaysOnceSheWasBackAtTheStart) {
    ArenaState.clearedWaves = 2;
    ScrollX = A - 600;
    StandAt(A - 300);
    RunArenaWaves(2);
    ArenaState.expPool = -1;   // drained
    for (int i = 0; i < 400 && ArenaState.clearedWaves != 3; ++i) {
        Tick();
        RunArenaWaves(2);
    }
    ASSERT_EQ(ArenaState.clearedWaves, 3);
    for (int i = 0; i < 400 && ArenaEnemy.frame != 0; ++i) {
        Tick();
        RunArenaWaves(2);
    }
    EXPECT_EQ(DropItemSlots.flag[0], 1);
    EXPECT_EQ(ArenaState.waveHold, 0);
    // Done until she is back at the field's start.
    Tick();
    RunArenaWaves(2);
    EXPECT_EQ(ArenaState.waveHold, 0);
    RunArenaWaves(1);
    RunArenaWaves(2);
    EXPECT_EQ(ArenaState.waveHold, 3) << "the replay holds her clear of the enemy's place";
}

TEST_F(FieldMiddleNumbers, AFifthDroppedItemIsLost) {
    for (int k = 0; k < 5; ++k) SpawnDropItem(1000 + 100 * k, 640);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(DropItemSlots.x[k], 1000 + 100 * k);
    // Picked up only crouching, and not while a coin pops.
    StandAt(1000);
    PlayerState.pose = 26;
    PickupPool.state[1] = 1;
    UpdateDropItemPickup();
    EXPECT_EQ(ItemCounts[3], 0u);
    PickupPool.state[1] = 0;
    UpdateDropItemPickup();
    EXPECT_EQ(ItemCounts[3], 1u);
    EXPECT_EQ(DropItemSlots.flag[0], 0);
}

TEST_F(FieldMiddleNumbers, AGuardInTheSecondOutfitIsNoBlow) {
    ArenaEnemy.x = A;
    ArenaEnemy.y = 640;
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    StandAt(A - 85);
    struct Case {
        std::int32_t pose;
        std::int32_t PlayerMoveStateRecord::*combo;
        std::int32_t kind;
    };
    const Case cases[] = {{223, &PlayerMoveStateRecord::comboQ, 0}, {202, &PlayerMoveStateRecord::comboS, 1}};
    for (const Case& c : cases) {
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerMoveState.*c.combo = 1;
        PlayerState.pose = c.pose;
        EXPECT_EQ(TestArenaEnemyHit(), c.kind) << c.pose;
    }
}

// Her kick (the first outfit) meets its guard from the ground; only from
// 10 to 70 px above its feet is it a jump hit, the one blow that pays.
TEST_F(FieldMiddleNumbers, HerKickIsAJumpHitOnlyInTheAir) {
    ArenaEnemy.x = A;
    ArenaEnemy.y = 640;
    struct Case {
        std::int32_t y, kind;
    };
    const Case cases[] = {{640, 1}, {631, 1}, {630, 2}, {575, 2}};
    for (const Case& c : cases) {
        StandAt(A - 130, c.y);
        PlayerState.facing = 1;
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerMoveState.comboS = 22;
        PlayerState.pose = 21;
        EXPECT_EQ(TestArenaEnemyHit(), c.kind) << "y " << c.y;
    }
}

TEST_F(FieldMiddleNumbers, SpawnerObjectFallsNearHerAndStrikes) {
    struct Case {
        std::int32_t weapon2, hpLost;
    };
    for (const Case c : {Case{0, 1}, Case{1, 0}}) {
        SetUp();
        FieldSpawnerSlots = FieldSpawnerSlotsRecord{};
        PlayerState.weaponMode2 = c.weapon2;
        ScrollX = SectionAnchorX[49] - 500;
        StandAt(SectionAnchorX[49] - 101);
        UpdateFieldSpawner();
        ASSERT_EQ(FieldSpawnerSlots.step[1], 1);
        EXPECT_EQ(FieldSpawnerSlots.y[1], 250);
        Tick();
        UpdateFieldSpawner();
        EXPECT_EQ(FieldSpawnerSlots.step[1], 1) << "101 px away it hangs";
        StandAt(SectionAnchorX[49] - 99);
        UpdateFieldSpawner();
        ASSERT_EQ(FieldSpawnerSlots.step[1], 2);
        // Under it: it strikes her on the way down and bursts.
        StandAt(SectionAnchorX[49]);
        for (int i = 0; i < 100 && FieldSpawnerSlots.step[1] == 2; ++i) {
            Tick();
            UpdateFieldSpawner();
        }
        EXPECT_EQ(100 - PlayerState.hp, c.hpLost);
        EXPECT_GE(FieldSpawnerSlots.step[1], 4);
    }
}

TEST_F(FieldMiddleNumbers, TheFastestColourChangesOncePerStep) {
    UpdateEra01ColourPulseF(0);
    std::uint32_t last = Era01SceneryColours[7];
    for (int i = 0; i < 20; ++i) {
        Tick();
        UpdateEra01ColourPulseF(1);
        EXPECT_NE(Era01SceneryColours[7], last) << i;
        last = Era01SceneryColours[7];
    }
    EXPECT_EQ(last, 0xFFFFFFFFu - 20 * 0x010101u) << "going down from white";
}

// The teacher's lesson stepped on its own: Enter on every line that waits,
// D as the test says.
class TeacherSteps : public FieldMiddleNumbers {
protected:
    void SetUp() override {
        FieldMiddleNumbers::SetUp();
        Era01TerrainState.lowerRoute = 1;
        StandAt(T + 866, 740);
        ScrollX = T + 616;
        LearnedMoveD = 0;
        KeyDPressed = 0;
    }
    void Step() {
        Tick();
        UpdateEra01Npc(1);
    }
    // Steps with Enter on every waiting line until `line` shows.
    bool ReadUntil(std::int32_t line, int limit = 3000) {
        for (int i = 0; i < limit; ++i) {
            if (DialogueChannels.storyLine == line) return true;
            if (EnterConfirmState == 1 && DialogueChannels.storyLine != 0) EnterConfirmState = 2;
            Step();
        }
        return false;
    }
    void Wait(double seconds) {
        const double until = GameClock.gameClock + seconds;
        while (GameClock.gameClock < until) Step();
    }
    void PressD() {
        KeyDPressed = 1;
        Step();
    }
};

TEST_F(TeacherSteps, ALateDGetsAnotherTry) {
    ASSERT_TRUE(ReadUntil(78));
    EXPECT_EQ(NpcSceneLock, 1u);
    EXPECT_EQ(MessageBoxOpen, 0) << "78 lets her act";
    // Later than 1.0 s: line 79 and a new try.
    Wait(1.05);
    EXPECT_EQ(DialogueChannels.storyLine, 78);
    PressD();
    EXPECT_EQ(DialogueChannels.storyLine, 79);
    EXPECT_EQ(LearnedMoveD, 0);
    ASSERT_TRUE(ReadUntil(78));
    PressD();
    EXPECT_EQ(LearnedMoveD, 2);
    EXPECT_EQ(AttackDTimeScale, 3.0);
    // The second try wants it within 0.8 s.
    ASSERT_TRUE(ReadUntil(79));
    EXPECT_EQ(AttackDTimeScale, 1.0);
    ASSERT_TRUE(ReadUntil(78));
    Wait(0.85);
    PressD();
    EXPECT_EQ(DialogueChannels.storyLine, 79) << "too slow: shown again at once";
    ASSERT_TRUE(ReadUntil(78));
    PressD();
    ASSERT_TRUE(ReadUntil(80, 200));
    ASSERT_TRUE(ReadUntil(81, 2000)) << "the twelve silent seconds";
    EXPECT_EQ(SoundVolumes[0], 1000);
    ASSERT_TRUE(ReadUntil(0, 3000));
    for (int i = 0; i < 400 && LearnedMoveD != 1; ++i) Step();
    EXPECT_EQ(LearnedMoveD, 1);
    EXPECT_EQ(NpcSceneLock, 0u);
}

TEST_F(TeacherSteps, NoLessonFromTheUpperFloor) {
    Era01TerrainState.lowerRoute = 0;
    StandAt(T + 1000, 265);
    for (int i = 0; i < 100; ++i) Step();
    EXPECT_EQ(DialogueChannels.storyLine, 0);
    EXPECT_EQ(NpcSceneLock, 0u);
}

TEST_F(TeacherSteps, TheRevealGivesItsItemOnce) {
    EquipmentFlags.acquiredB = 1;
    TextureFlags[46] = kGraphicLoaded;
    Step();
    const std::int32_t n = Era01NpcRecord.x;
    // A kick that reaches her ledge.
    StandAt(n - 60, 640);
    PlayerState.pose = 21;
    PlayerMoveState.comboS = 20;
    Step();
    PlayerState.pose = 1;
    PlayerMoveState.comboS = 0;
    for (int i = 0; i < 6000 && Era01NpcRecord.onceFlag == 0; ++i) {
        if (EnterConfirmState == 1 && DialogueChannels.sideLine != 0) EnterConfirmState = 2;
        Step();
    }
    EXPECT_EQ(Era01NpcRecord.onceFlag, 1);
    EXPECT_EQ(ItemCounts[4], 1u);
    EXPECT_EQ(CameraMode, 0);
    EXPECT_EQ(MessageBoxOpen, 0);
    // Struck again: nothing more.
    PlayerState.pose = 21;
    PlayerMoveState.comboS = 20;
    for (int i = 0; i < 200; ++i) Step();
    EXPECT_EQ(ItemCounts[4], 1u);
    TextureFlags[46] = 0;
    EquipmentFlags.acquiredB = 0;
}

}  // namespace
