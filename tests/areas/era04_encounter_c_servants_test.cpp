// The numbers of encounter C's riders, servants and lights that matter: the
// glow's and lamps' values, the platforms' frame timing, the glide, the
// summoning on a second run, riders that were never summoned, a blow on a
// circling rider, the servants' parts and their drawing, the first split and
// the answers picked at the edges of their bands.
#include <gtest/gtest.h>

#include <vector>

#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_parts.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/movement_fixture.h"
#include "core/pending_sprite.h"
#include "core/holds.h"
#include "core/player.h"
#include "core/random.h"
#include "text/text_state.h"

namespace {

class EncounterCServantsTest : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        ResetEra04EncountersArea();
        StageObjectTable = StageObjectTableRecord{};
        PlayerState = PlayerStateRecord{};
        EndEveryHold();
        GameClock.gameClock = 100.0;
    }
    StageObjectTableRecord& T() { return StageObjectTable; }
    void Tick(double dt) { GameClock.gameClock += dt; }
    static std::uint32_t Alpha(std::uint32_t colour) { return colour >> 24; }
};

TEST_F(EncounterCServantsTest, TheGlowFallsByFourToItsFloorAndClimbsByThreeHoldingItsTop) {
    UpdateEncounterCGlow(0);
    std::vector<std::uint32_t> seen;
    for (int tick = 0; tick < 62; ++tick) {
        Tick(0.021);
        UpdateEncounterCGlow(150);
        seen.push_back(Alpha(EncounterCSceneryTints.glowColour));
    }
    // 251 .. 151 falling (26 ticks), then 153 .. 252 climbing (34), 255 twice.
    EXPECT_EQ(seen[0], 251u);
    EXPECT_EQ(seen[1], 247u);
    EXPECT_EQ(seen[25], 151u);
    EXPECT_EQ(seen[26], 153u);
    EXPECT_EQ(seen[27], 156u);
    EXPECT_EQ(seen[59], 252u);
    EXPECT_EQ(seen[60], 255u);
    EXPECT_EQ(seen[61], 255u);
    Tick(0.021);
    UpdateEncounterCGlow(150);
    EXPECT_EQ(Alpha(EncounterCSceneryTints.glowColour), 251u);
    EXPECT_EQ(EncounterCSceneryTints.glowColour & 0xFFFFFFu, 0xFFFFFFu);
}

TEST_F(EncounterCServantsTest, LampsTakeThePropAlphaUnderTheirCaps) {
    struct Row {
        std::int32_t propAlpha;
        int slot;
        std::uint32_t colour;
    };
    const Row rows[] = {
        {255, 17, 0x77FF2222u}, {255, 15, 0x88FF1111u}, {255, 16, 0xAAFF1111u}, {255, 18, 0x88FF3333u},
        {255, 19, 0xAAFFFFFFu}, {255, 22, 0xAAFFFFFFu}, {255, 1, 0xFFFFFFFFu},  {255, 30, 0xFFFFFFFFu},
        {100, 17, 0x64FF2222u}, {100, 20, 0x64FFFFFFu}, {100, 2, 0x64FFFFFFu},
    };
    for (const Row& r : rows) {
        EncounterCSceneryTints.propAlpha = r.propAlpha;
        UpdateEncounterCLamps(1);
        EXPECT_EQ(T().colour[r.slot], r.colour) << "alpha " << r.propAlpha << " slot " << r.slot;
    }
    // Stepped right after a reset the first lamps show 254.
    UpdateEncounterCLamps(0);
    Tick(0.021);
    UpdateEncounterCLamps(2);
    EXPECT_EQ(Alpha(T().colour[2]), 254u);
    EXPECT_EQ(Alpha(T().colour[3]), 253u);
    EXPECT_EQ(T().colour[20], 0x64FFFFFFu) << "slots 19..28 keep their colour";
}

TEST_F(EncounterCServantsTest, PlatformFramesTurnEveryEightHundredthsExactly) {
    T().code[31] = 5;
    T().code[33] = 0;
    GameClock.gameClock = 0.5;
    CycleEncounterCPlatformCodes();   // a stamp ahead of the clock starts over at 1.0
    GameClock.gameClock = 1.0;
    CycleEncounterCPlatformCodes();
    const std::int32_t after = T().code[31];
    GameClock.gameClock = 1.079;
    CycleEncounterCPlatformCodes();
    EXPECT_EQ(T().code[31], after) << "not before 0.08 s";
    GameClock.gameClock = 1.08;
    CycleEncounterCPlatformCodes();
    EXPECT_EQ(T().code[31], after == 5 ? 1 : after + 1) << "exactly 0.08 s counts";
    EXPECT_EQ(T().code[33], 0) << "an empty slot stays empty";
    T().code[34] = 5;
    Tick(0.08);
    CycleEncounterCPlatformCodes();
    EXPECT_EQ(T().code[34], 1);
}

TEST_F(EncounterCServantsTest, AGlideLeavesAThirdEachTickThenSnaps) {
    T().x[35] = 1100;
    GlideObjectX(0, 35, 1000);
    std::vector<std::int32_t> left;
    for (int i = 0; i < 9; ++i) {
        Tick(0.021);
        const std::int32_t s = GlideObjectX(1, 35, 1000);
        left.push_back(T().x[35] - 1000);
        if (i < 8) {
            EXPECT_NE(s, kEncounterCDone) << i;
        }
    }
    EXPECT_EQ(left, (std::vector<std::int32_t>{67, 45, 30, 20, 14, 10, 7, 5, 0}));
}

TEST_F(EncounterCServantsTest, EverySummoningFillsSlots32To40EvenOnASecondRun) {
    T().x[51] = 81000;
    T().y[51] = 400;
    for (int run = 0; run < 2; ++run) {
        for (int n = 32; n <= 60; ++n) T().code[n] = 0;
        RunServantSummoning(0);
        std::vector<int> order;
        for (int step = 0; step < 1000 && RunServantSummoning(1) != kEncounterCDone; ++step) {
            Tick(0.014);
            for (int n = 32; n <= 50; ++n)
                if (T().code[n] != 0 && (order.empty() || order.back() < n)) order.push_back(n);
        }
        EXPECT_EQ(order, (std::vector<int>{32, 33, 34, 35, 36, 37, 38, 39, 40})) << "run " << run;
        EXPECT_EQ(T().code[41], 0) << "run " << run;
        EXPECT_EQ(T().x[40], 81000 - 100);
        EXPECT_EQ(T().y[40], 400 - 80);
        EXPECT_EQ(T().code[60], 37);
    }
}

TEST_F(EncounterCServantsTest, RidersNeverSummonedCountAsDestroyedWhenTheLineForms) {
    T().code[32] = 1;   // one summoned before her damage ended the circle
    T().code[52] = 21;
    RunPhase3Formation(0);
    EXPECT_EQ(T().stepState[52], 0);
    EXPECT_EQ(T().code[52], 21);
    for (int r = 53; r <= 60; ++r) {
        EXPECT_EQ(T().stepState[r], 99) << r;
        EXPECT_EQ(T().code[r], 0) << r;
    }
}

TEST_F(EncounterCServantsTest, PartsFollowTheBodyAndHideForCodesWithoutARow) {
    T().x[53] = 1000;
    T().y[53] = 600;
    T().depth[53] = 0.5f;
    T().facing[53] = 1;
    struct Row {
        std::int32_t body, facing;
        std::int32_t first, second;   // part codes, 0 hidden
    };
    const Row rows[] = {{43, 1, 2, 1}, {45, -1, 2, 1}, {55, 1, 3, 4}, {28, -1, 1, 2}, {13, 1, 2, 1},
                        {48, -1, 4, 4}, {33, 1, 0, 0}, {51, 1, 0, 0},  {54, 1, 0, 0}, {56, 1, 0, 0},
                        {12, 1, 0, 0},  {1, -1, 0, 0}};
    for (const Row& r : rows) {
        T().colour[63] = 0x12345678u;
        T().code[53] = r.body;
        T().facing[53] = r.facing;
        PoseCompositeServant(2, 53);
        EXPECT_EQ(T().code[63], r.first) << r.body;
        EXPECT_EQ(T().code[73], r.second) << r.body;
        if (r.body <= 12) {
            EXPECT_EQ(T().colour[63], 0x12345678u) << "colours left alone";
        }
    }
    // Stance 43 facing right, to the pixel.
    T().code[53] = 43;
    T().facing[53] = 1;
    PoseCompositeServant(2, 53);
    EXPECT_EQ(T().x[63], 1000 - 35);
    EXPECT_EQ(T().y[63], 600 - 152);
    EXPECT_EQ(T().rotation[73], 93);
    EXPECT_FLOAT_EQ(T().depth[73], 0.5f - 0.001f);
    // Codes 13, 21..25 and 37..42 sit the same whichever way she faces.
    for (std::int32_t body : {13, 21, 25, 37, 42}) {
        const auto* a = encounter_c_parts::FindPlacement(body, 1);
        const auto* b = encounter_c_parts::FindPlacement(body, -1);
        ASSERT_TRUE(a && b) << body;
        EXPECT_EQ(a, b) << body;
    }
}

TEST_F(EncounterCServantsTest, TheWarpInFadesThePartsInOverASecond) {
    T().facing[51] = -1;
    PoseCompositeServant(0, 51);
    EXPECT_EQ(EncounterCFigure.projectileMode, 2);
    Tick(0.5);
    EXPECT_EQ(PoseCompositeServant(1, 51), 2);
    EXPECT_EQ(T().colour[61], 127u * 0x01010101u);
    Tick(0.5);
    EXPECT_EQ(PoseCompositeServant(1, 51), 2);
    EXPECT_EQ(T().colour[61], 0xFFFFFFFFu) << "full at one second";
    Tick(1.0 / 255.0 + 0.0005);
    EXPECT_EQ(PoseCompositeServant(1, 51), kEncounterCDone);
    EXPECT_EQ(T().code[51], 43);
}

TEST_F(EncounterCServantsTest, PartsAreDrawnOnlyInPartModeWithTheirTrimCut) {
    T().code[61] = 3;
    T().stepState[61] = 10;
    T().x[61] = 5000;
    T().y[61] = 500;
    T().scale[61] = 1.0f;
    T().facing[61] = -1;
    ScrollX = 4800;
    SetEncounterCPartSprite(61);
    EXPECT_EQ(PendingSprite.gno, 70);
    EXPECT_EQ(PendingSprite.srcLeft, 587);
    EXPECT_EQ(PendingSprite.srcBottom, 684 - 10);
    EXPECT_EQ(PendingSprite.posX, 200);
    EXPECT_EQ(PendingSprite.facing, -1);
    for (std::int32_t code : {0, 5, -1}) {
        T().code[61] = code;
        SetEncounterCPartSprite(61);
        EXPECT_EQ(PendingSprite.gno, 0) << code;
    }
}

TEST_F(EncounterCServantsTest, TheFirstBlowSplitsAServantOffBehindAndAbove) {
    T().x[51] = 81000;
    T().y[51] = 640;
    T().facing[51] = -1;
    T().code[51] = 45;
    T().colour[51] = 0xFFFFFFFFu;
    UpdatePhase4Servants(0);
    ServantSplitRequest = {1, 51};
    PlayerState.x = 80000;
    UpdatePhase4Servants(1);
    EXPECT_EQ(T().stepState[52], 1);
    EXPECT_EQ(T().x[52], 81000 + 100);
    EXPECT_EQ(T().y[52], 600);
    EXPECT_EQ(T().facing[52], -1);
    EXPECT_EQ(T().stepState[53], 0);
}

TEST_F(EncounterCServantsTest, AnswersPickedAtTheEdgesOfTheirBands) {
    struct Row {
        std::uint32_t pose;
        std::int32_t dx, dy;
        std::int32_t moved;   // how far the servant has gone once its answer has started
    };
    // Pose 201 at 112 px: the dart, 35 px along; at 113 the stand or the
    // parry, in place. A D strike at dy 17 leaves pose 35, at 16 pose 34.
    const Row rows[] = {{201, 112, 0, -35}, {201, 113, 0, 0}};
    for (const Row& r : rows) {
        SetUp();
        T().x[51] = 81000;
        T().y[51] = 640;
        T().facing[51] = -1;
        T().code[51] = 45;
        UpdatePhase4Servants(0);
        PlayerState.x = 81000 - r.dx;
        PlayerState.y = 640 + r.dy;
        PlayerState.facing = 1;
        PlayerState.pose = r.pose;
        Tick(0.014);
        UpdatePhase4Servants(1);
        Tick(0.03);
        UpdatePhase4Servants(1);
        EXPECT_EQ(T().x[51] - 81000, r.moved) << r.dx;
    }
    SeedRandom(5);
    for (std::int32_t dy : {17, 16}) {
        SetUp();
        T().x[55] = 81000;
        T().y[55] = 600;
        T().facing[55] = -1;
        ServantAnswerDAttack(0, 55);
        PlayerState.x = 80950;
        PlayerState.y = 600 + dy;
        PlayerState.pose = 207;
        // Step until the roll lets her stand and the strike lands.
        for (int i = 0; i < 20000 && T().damage[55] == 0; ++i) {
            Tick(0.014);
            if (ServantAnswerDAttack(1, 55) == kEncounterCDone) ServantAnswerDAttack(0, 55);
        }
        EXPECT_EQ(T().code[55], dy == 17 ? 35 : 34) << dy;
        EXPECT_EQ(T().damage[55], 10);
        EXPECT_EQ(ServantSplitRequest.source, 55);
    }
}

TEST_F(EncounterCServantsTest, ARiderOfTheCircleIsKnockedByKindAndPaysInDamage) {
    struct Row {
        std::int32_t PlayerMoveStateRecord::*combo;
        std::uint32_t pose;
        std::int32_t dx, dy;          // where the rider's platform stands from her feet
        std::int32_t damage;
        std::int32_t movedX, movedY;  // after the first tick of the knock
    };
    const Row rows[] = {
        {&PlayerMoveStateRecord::comboS, 202, 80, -85, 50, 39, 0},
        {&PlayerMoveStateRecord::comboG, 215, 120, -100, 150, 19, 19},
    };
    for (const Row& r : rows) {
        SetUp();
        PlayerState.weaponMode2 = 1;
        PlayerState.x = 80000;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerMoveState.*r.combo = 11;
        PlayerState.pose = r.pose;
        T().x[51] = 80000 + r.dx + 500;
        T().y[51] = 640;
        UpdatePhase3Servants(0);
        for (int k = 32; k <= 40; ++k) {
            T().stepState[k] = 9;
            T().x[k] = 70000;
        }
        // Steered toward her after an earlier knock, still hittable.
        T().stepState[36] = 6;
        T().scale[36] = 0.5f;
        T().x[36] = 80000 + r.dx;
        T().y[36] = 640 + r.dy;
        Tick(0.001);
        UpdatePhase3Servants(1);
        EXPECT_EQ(T().stepState[36], 7) << r.pose;
        EXPECT_EQ(T().damage[36], r.damage) << r.pose;
        EXPECT_EQ(T().damage[56], r.damage) << r.pose;
        PlayerState.pose = 22;
        PlayerMoveState = PlayerMoveStateRecord{};
        const std::int32_t x0 = T().x[36], y0 = T().y[36];
        Tick(0.021);
        UpdatePhase3Servants(1);
        EXPECT_EQ(T().x[36] - x0, r.movedX) << r.pose;
        EXPECT_EQ(T().y[36] - y0, r.movedY) << r.pose;
        EXPECT_EQ(T().x[56], T().x[36]) << "the rider rides along";
    }
}

// A rider knocked past 300 while back in the line burns out before the wave
// turns: the turn clears the hit words, and one cut short was never destroyed.
TEST_F(EncounterCServantsTest, ARiderKnockedPast300InTheLineBurnsOutBeforeTheWaveTurns) {
    for (int r = 52; r <= 60; ++r) T().stepState[r] = 99;
    T().stepState[53] = 0;
    T().code[33] = 1;
    T().code[53] = 21;
    T().scale[33] = T().scale[53] = 0.5f;
    T().damage[53] = 295;
    PlayerState.weaponMode2 = 1;
    PlayerState.x = 70000;
    PlayerState.y = 640;
    PlayerState.facing = 1;
    RunServantDiveWave(0);
    T().stepState[33] = 1;
    int ticks = 0;
    while (RunServantDiveWave(1) != kEncounterCDone && ++ticks < 20000) Tick(0.02);
    ASSERT_LT(ticks, 20000) << "the rider never came back to the line";
    // A jumping G blow meets it in the line.
    PlayerState.x = T().x[53] - 120;
    PlayerState.y = T().y[53] + 140;
    PlayerMoveState = PlayerMoveStateRecord{};
    PlayerMoveState.comboG = 11;
    PlayerState.pose = 215;
    Tick(0.02);
    EXPECT_NE(RunServantDiveWave(1), kEncounterCDone);
    ASSERT_GT(T().damage[53], 300);
    PlayerMoveState = PlayerMoveStateRecord{};
    PlayerState.pose = 22;
    PlayerState.x = 70000;
    PlayerState.y = 640;
    for (ticks = 0; T().stepState[53] != 99 && ticks < 2000; ++ticks) {
        Tick(0.02);
        const std::int32_t wave = RunServantDiveWave(1);
        if (T().stepState[53] != 99) {
            ASSERT_NE(wave, kEncounterCDone) << "the wave turned while it burned";
        }
    }
    EXPECT_EQ(T().stepState[53], 99);
    EXPECT_EQ(T().code[53], 0);
}

TEST_F(EncounterCServantsTest, AShockCostsOneHpEveryThreeTenthsWhileSheHops) {
    PlayerState.x = 80000;
    PlayerState.y = 640;
    PlayerState.hp = 50;
    RunPlayerShock(0);
    EXPECT_EQ(PlayerState.pose, 1018u);
    int steps = 0;
    double hopsEnd = 0;
    while (RunPlayerShock(1) != kEncounterCDone && steps < 1000) {
        Tick(0.014);
        ++steps;
        if (hopsEnd == 0 && PlayerState.pose == 12) hopsEnd = GameClock.gameClock - 100.0;
    }
    ASSERT_GT(hopsEnd, 0.0);
    EXPECT_NEAR(50 - PlayerState.hp, hopsEnd / 0.3, 1.0) << hopsEnd;
    EXPECT_GE(50 - PlayerState.hp, 2);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(MessageBoxOpen, 0u);
    EXPECT_EQ(RunPlayerShock(0), 1) << "a new shock starts once the last is over";
}

}  // namespace
