// The numbers of encounter C's fight on the platform that matter: how far a
// blast throws the heroine, where bolts fly and whom their blasts strike,
// when the figure leaps out of reach instead of taking a blow, when the
// volleys turn sparse enough to close, and the figure's cells and hit box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/hud.h"
#include "core/movement_fixture.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "shell/draw_pass_fixture.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kFigureX = Era04Door5 + 1500;

class EncounterCFight : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        ResetEra04EncountersArea();
        StageObjectTable = StageObjectTableRecord{};
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerState.x = 81000;
        PlayerState.y = 640;
        PlayerBodyBox = PlayerBodyBoxRecord{80980, 510, 81020, 640, 81000};   // centre (81000, 575)
    }
    void Tick() { GameClock.gameClock += 0.021; }
    // The bolt pool stepped until slot 61 is free again (or n steps).
    void RunBolt(const std::function<void()>& each, int n = 400) {
        for (int i = 0; i < n && (i == 0 || StageObjectTable.stepState[61] != 0); ++i) {
            GameClock.gameClock += 0.014;
            UpdateEncounterCProjectiles(3, 0, 0, 0, 0);
            each();
        }
    }
};

TEST_F(EncounterCFight, ABlastThrowsHerAwayAndTheThrowDiesOnTheGround) {
    struct Case {
        float scale;
        int strikes;
        std::int32_t firstMove;
    };
    // From her left: one full-size strike pushes 200 (20 px in the first
    // tick), a half-size one 100, strikes add up, and over 400 it is 300.
    const Case cases[] = {{1.0f, 1, 20}, {0.5f, 1, 10}, {1.0f, 2, 40}, {1.0f, 3, 30}};
    for (const Case& c : cases) {
        PlayerState.x = 81000;
        PlayerState.hp = 100;
        StageObjectTable.scale[61] = c.scale;
        HandleEncounterCPlayerHit(0, 0, 0, 0);
        for (int i = 0; i < c.strikes; ++i) HandleEncounterCPlayerHit(1, 61, 80900, 575);
        EXPECT_EQ(PlayerState.hp, 100 - c.strikes);
        Tick();
        HandleEncounterCPlayerHit(2, 0, 0, 0);
        EXPECT_EQ(PlayerState.x - 81000, c.firstMove) << c.scale << " x" << c.strikes;
    }
    // On the ground friction takes 30 a tick: 200, 170, ... 50, then spent.
    PlayerState.x = 81000;
    StageObjectTable.scale[61] = 1.0f;
    HandleEncounterCPlayerHit(0, 0, 0, 0);
    HandleEncounterCPlayerHit(1, 61, 80900, 575);
    std::vector<std::int32_t> moves;
    std::int32_t state = 1;
    for (int i = 0; i < 20 && state != 99; ++i) {
        const std::int32_t before = PlayerState.x;
        Tick();
        state = HandleEncounterCPlayerHit(2, 0, 0, 0);
        moves.push_back(PlayerState.x - before);
    }
    EXPECT_EQ(moves, (std::vector<std::int32_t>{20, 17, 14, 11, 8, 5}));
    EXPECT_EQ(PlayerState.x, 81075);
    EXPECT_EQ(PlayerState.y, 640);
    // A throw into door 6 ends at once.
    PlayerState.x = Era04Door6 - 135;
    HandleEncounterCPlayerHit(1, 61, 80900, 575);
    Tick();
    EXPECT_EQ(HandleEncounterCPlayerHit(2, 0, 0, 0), 99);
    EXPECT_EQ(PlayerState.x, Era04Door6 - 135);
}

TEST_F(EncounterCFight, HerHurtPoseSaysWhereTheBlastWas) {
    struct Case {
        std::int32_t facing, x, y, pose;
    };
    const Case cases[] = {
        {1, 81050, 600, 84},    // in front, below her middle
        {1, 81050, 550, 85},    // in front, above
        {1, 80950, 600, 85},    // behind, below
        {1, 80950, 575, 84},    // behind, at the middle counts as above
        {-1, 81000, 600, 84},   // facing left, her own x is in front
        {-1, 81001, 600, 85},
    };
    for (const Case& c : cases) {
        PlayerState.facing = c.facing;
        HandleEncounterCPlayerHit(1, 61, c.x, c.y);
        EXPECT_EQ(PlayerHurtPoseRequest, c.pose) << c.facing << " " << c.x << "," << c.y;
    }
}

TEST_F(EncounterCFight, BoltsFlyTheirAngleAndAStruckHeroineIsStruckOnce) {
    StageObjectTableRecord& o = StageObjectTable;
    o.x[31] = 81000;
    o.y[31] = 300;
    o.depth[31] = 0.5f;
    UpdateEncounterCProjectiles(0, 0, 0, 0, 0);
    UpdateEncounterCProjectiles(1, 31, 0, 750, 0.2);
    UpdateEncounterCProjectiles(1, 31, 0, 750, 0.2);
    EXPECT_EQ(o.stepState[61], 1);
    EXPECT_EQ(o.stepState[62], 1);
    EXPECT_EQ(o.stepState[63], 0);

    struct Case {
        std::int32_t angle, dx, dy;   // signs of the way it goes
    };
    const Case cases[] = {{0, 0, 1}, {90, -1, 0}, {-90, 1, 0}};
    for (const Case& c : cases) {
        UpdateEncounterCProjectiles(0, 0, 0, 0, 0);
        UpdateEncounterCProjectiles(1, 31, c.angle, 750, 1.0);
        GameClock.gameClock += 0.014;
        UpdateEncounterCProjectiles(3, 0, 0, 0, 0);
        const std::int32_t x0 = o.x[61], y0 = o.y[61];
        EXPECT_FLOAT_EQ(o.depth[61], 0.49f);
        for (int i = 0; i < 10; ++i) {
            GameClock.gameClock += 0.014;
            UpdateEncounterCProjectiles(3, 0, 0, 0, 0);
        }
        const std::int32_t dx = o.x[61] - x0, dy = o.y[61] - y0;
        EXPECT_EQ((dx > 2) - (dx < -2), c.dx) << c.angle;
        EXPECT_EQ((dy > 2) - (dy < -2), c.dy) << c.angle;
        EXPECT_GT(std::abs(dx) + std::abs(dy), 90) << c.angle;
    }

    // Straight down onto her: the blast strikes her once, whatever its length.
    o.y[31] = 400;
    PlayerState.hp = 100;
    UpdateEncounterCProjectiles(0, 0, 0, 0, 0);
    UpdateEncounterCProjectiles(1, 31, 0, 750, 0.15);
    bool blast = false;
    RunBolt([&] { blast = blast || o.code[61] == 4; });
    EXPECT_TRUE(blast);
    EXPECT_EQ(PlayerState.hp, 99);
    EXPECT_EQ(EncounterCFigure.knockBackFlag, 1);

    // While the volleys are harmless the bolt just goes out.
    Phase2Stage = 2;
    UpdateEncounterCProjectiles(0, 0, 0, 0, 0);
    UpdateEncounterCProjectiles(1, 31, 0, 750, 0.15);
    bool burst = false;
    RunBolt([&] { burst = burst || o.code[61] >= 2; });
    EXPECT_FALSE(burst);
    EXPECT_EQ(o.code[61], 0);
    EXPECT_EQ(PlayerState.hp, 99);
}

TEST_F(EncounterCFight, StruckFromTooFarBelowTheFigureLeaps) {
    struct Case {
        std::int32_t kind, below;
        bool leaps;
        std::int32_t damage, pose;
    };
    const Case cases[] = {
        {1, 39, true, 0, 17},   {1, 38, false, 50, 35},  {2, 91, true, 0, 17},   {2, 90, false, 50, 35},
        {2, 27, false, 50, 34}, {3, 124, false, 100, 34}, {3, 125, true, 0, 17}, {4, 93, false, 150, 36},
        {4, 94, true, 0, 17},
    };
    StageObjectTableRecord& o = StageObjectTable;
    for (const Case& c : cases) {
        o.x[51] = o.x[31] = kFigureX;
        o.y[51] = o.y[31] = 450;
        o.damage[51] = 0;
        PlayerState.exp = 0;
        PlayerState.y = 450 + c.below;
        RunFigureHitReaction(0, 0, 51);
        const std::int32_t state = RunFigureHitReaction(1, c.kind, 51);
        EXPECT_EQ(state, c.leaps ? 21 : 11) << c.kind << " " << c.below;
        EXPECT_EQ(o.damage[51], c.damage) << c.kind << " " << c.below;
        EXPECT_EQ(PlayerState.exp, c.damage) << c.kind << " " << c.below;
        EXPECT_EQ(o.code[51], c.pose) << c.kind << " " << c.below;
    }
}

TEST_F(EncounterCFight, VolleysTurnHarmlessAt500DamageNearTheMiddle) {
    struct Case {
        std::int32_t damageBefore, x, stage;
    };
    const Case cases[] = {
        {449, kFigureX, 1},          // 499 after the blow
        {450, kFigureX, 2},          // 500
        {450, kFigureX + 999, 2},
        {450, kFigureX + 1000, 1},   // too far from the middle
        {450, kFigureX - 999, 2},
        {450, kFigureX - 1000, 1},
    };
    StageObjectTableRecord& o = StageObjectTable;
    for (const Case& c : cases) {
        Phase2Stage = 1;
        o.x[51] = o.x[31] = c.x;
        o.y[51] = o.y[31] = 620;   // level enough for an S blow to count
        o.damage[51] = c.damageBefore;
        PlayerState.y = 640;
        RunFigureHitReaction(0, 0, 51);
        std::int32_t state = 0;
        for (int i = 0; i < 100 && state != 99; ++i) {
            Tick();
            state = RunFigureHitReaction(1, 1, 51);
        }
        EXPECT_EQ(state, 99);
        EXPECT_EQ(Phase2Stage, c.stage) << c.damageBefore << " at " << c.x - kFigureX;
    }
}

TEST_F(EncounterCFight, SparseVolleysCloseTheFightFromThe25thShotIfSheIsNear) {
    StageObjectTableRecord& o = StageObjectTable;
    struct Case {
        std::int32_t distance;
        bool closes;
    };
    const Case cases[] = {{299, true}, {-299, true}, {300, false}};
    for (const Case& c : cases) {
        o.x[31] = 81000;
        PlayerState.x = 81000 + c.distance;
        Phase2Stage = 2;
        RunPhase2Fire(0, 31);
        int shots = 0;
        for (int i = 0; i < 20000 && Phase2Stage == 2 && shots < 40; ++i) {
            GameClock.gameClock += 0.001;
            RunPhase2Fire(1, 31);
            shots = 0;
            for (int s = 61; s <= 200; ++s) shots += o.stepState[s] != 0;
        }
        if (c.closes) {
            EXPECT_EQ(Phase2Stage, 3) << c.distance;
            EXPECT_EQ(shots, 25) << c.distance;
        } else {
            EXPECT_EQ(Phase2Stage, 2);
        }
    }
}

TEST_F(EncounterCFight, ALaunchGesturePosesTheRiderOfItsPlatform) {
    struct Case {
        std::int32_t platform, rider;
    };
    // A servant's platform poses the servant standing on it, never the bomb
    // slot ten above.
    const Case cases[] = {{31, 51}, {33, 53}, {40, 60}};
    StageObjectTableRecord& o = StageObjectTable;
    for (const Case& c : cases) {
        o.y[c.rider] = 300;
        o.code[c.platform + 10] = 0;
        RunLaunchPose(0, c.platform, 100);
        std::vector<std::int32_t> poses;
        std::int32_t state = 1;
        for (int i = 0; i < 400 && state != 99; ++i) {
            GameClock.gameClock += 0.014;
            state = RunLaunchPose(1, c.platform, 100);
            if (poses.empty() || poses.back() != o.code[c.rider]) poses.push_back(o.code[c.rider]);
            if (o.code[c.rider] == 24) {
                EXPECT_EQ(o.y[c.platform], 316);
            }
        }
        EXPECT_EQ(poses, (std::vector<std::int32_t>{13, 23, 24, 23, 22})) << c.platform;
        EXPECT_EQ(o.y[c.platform], 300);
        EXPECT_EQ(o.code[c.platform + 10], 0) << c.platform;
    }
}

TEST_F(EncounterCFight, ShopCellsPinTheFigureAtTheCounter) {
    struct Case {
        std::int32_t code, y, sheet;
    };
    const Case cases[] = {{1, 300, 69}, {2, 623, 69}, {4, 623, 69}, {5, 617, 69}, {9, 617, 69}, {12, 617, 69}};
    StageObjectTableRecord& o = StageObjectTable;
    for (const Case& c : cases) {
        o.x[51] = 80000;
        o.y[51] = 300;
        o.scale[51] = 0.5f;
        o.depth[51] = 0.1f;
        SetEncounterCFigureSprite(c.code, 1);
        EXPECT_EQ(PendingSprite.gno, c.sheet) << c.code;
        const bool pinned = c.y != 300;
        EXPECT_EQ(o.x[51], pinned ? kFigureX : 80000) << c.code;
        EXPECT_EQ(o.y[51], c.y) << c.code;
        EXPECT_FLOAT_EQ(o.depth[51], pinned ? 0.687f : 0.1f) << c.code;
        EXPECT_FLOAT_EQ(PendingSprite.scale, pinned ? 1.0f : 0.5f) << c.code;
    }
    // Pose 7 sets the layer over it; the layer shows once and is gone.
    SetEncounterCFigureSprite(7, 1);
    EXPECT_EQ(EncounterCFigure.layerCode[1], 106);
    SetEncounterCFigureSprite(106, 1);
    EXPECT_EQ(PendingSprite.gno, 69);
    EXPECT_EQ(PendingSprite.srcLeft, 447);
    EXPECT_EQ(EncounterCFigure.layerCode[1], 0);
}

TEST_F(EncounterCFight, TheHitBoxFollowsTheFigureEvenForCodesThatDrawNothing) {
    struct Case {
        std::int32_t code, facing, left, right, top, bottom, sheet;
    };
    const Case cases[] = {
        {37, 1, -10, 10, -157, 0, 70},
        {60, 1, -10, 10, -157, 0, 0},     // nothing drawn: the last offsets stand
        {14, 1, -13, 17, -145, 0, 70},
        {14, -1, -13, 17, -145, 0, 70},
        {17, 1, 27, 52, -148, 0, 70},
        {33, 1, 11, 30, -155, 0, 69},     // sides given backwards still box her
        {34, -1, -23, 18, -148, 0, 70},
        {43, -1, -10, 10, -157, 0, 70},
        {52, 1, -20, 31, -144, -53, 70},
        {0, 1, -20, 31, -144, -53, 0},
    };
    StageObjectTableRecord& o = StageObjectTable;
    o.x[51] = kFigureX;
    o.y[51] = 354;
    for (const Case& c : cases) {
        o.x[51] += 7;
        SetEncounterCFigureSprite(c.code, c.facing);
        EXPECT_EQ(PendingSprite.gno, c.sheet) << c.code;
        EXPECT_EQ(FigureHitBox.left, o.x[51] + c.left) << c.code << " " << c.facing;
        EXPECT_EQ(FigureHitBox.right, o.x[51] + c.right) << c.code << " " << c.facing;
        EXPECT_EQ(FigureHitBox.top, 354 + c.top) << c.code;
        EXPECT_EQ(FigureHitBox.bottom, 354 + c.bottom) << c.code;
    }
}

class EncounterCDraw : public DrawPassTest {
protected:
    void SetUp() override {
        DrawPassTest::SetUp();
        OpenDevice();
        ResetEra04EncountersArea();
        StageObjectTable = StageObjectTableRecord{};
        ScrollX = 80800;
        EncounterCFigure.drawFlag = 1;
    }
};

TEST_F(EncounterCDraw, ServantsDrawFromTheSecondSheetAtTheirOwnPlace) {
    StageObjectTableRecord& o = StageObjectTable;
    o.code[51] = 37;
    o.facing[51] = 1;
    o.x[51] = 81280;
    o.y[51] = 354;
    o.scale[51] = 1.0f;
    o.colour[51] = 0xFFFFFFFFu;
    o.depth[51] = 0.5f;
    for (int s : {52, 53}) {
        o.code[s] = 37;
        o.facing[s] = 1;
        o.x[s] = 81000 + 100 * (s - 51);
        o.y[s] = 400;
        o.colour[s] = 0xFFFFFFFFu;
        o.depth[s] = 0.4f;
    }
    o.scale[52] = 1.0f;
    o.scale[53] = 0.5f;
    // A servant in a shop pose pins the figure to the counter.
    o.code[54] = 2;
    o.facing[54] = 1;
    o.scale[54] = 1.0f;
    o.x[54] = 81500;
    const auto all = DrawOnce(DrawEncounterCFigurePasses);
    const auto second = FromSlot(all, 107);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(FromSlot(all, 106).size(), 1u);
    EXPECT_EQ(o.x[51], kFigureX);
    EXPECT_EQ(o.y[51], 623);
    EXPECT_FLOAT_EQ(o.depth[51], 0.687f);
    EXPECT_TRUE(FromSlot(all, 112).empty()) << "the side bars' black picture is no sheet";
    // The half-size servant keeps the cell and its centre, drawn at half scale.
    for (const auto& r : second) {
        EXPECT_EQ(r.src.left, 0);
        EXPECT_EQ(r.src.top, 620);
        EXPECT_EQ(r.src.right, 78);
        EXPECT_EQ(r.src.bottom, 777);
        EXPECT_FLOAT_EQ(r.centreX, 35);
        EXPECT_FLOAT_EQ(r.centreY, 157);
    }
    float x0, y0, x1, y1;
    Land(second[2], 0, 0, &x0, &y0);
    Land(second[2], 78, 157, &x1, &y1);
    EXPECT_NEAR(x1 - x0, 39, 1);
    EXPECT_NEAR(y1 - y0, 78.5, 1);
    EXPECT_NEAR(x0, 81200 - 80800 - 17.5, 1);
    EXPECT_NEAR(y0, 400 - 78.5, 1);
}

// The last two servants fall apart together: the first to go makes nine
// dead, the story takes a leader and breaks off the other's death. Through
// the talk that follows only the leader is drawn; what is left of the other
// lies on the floor as its parts.
TEST_F(EncounterCDraw, AServantWhoseFallTheStoryBrokeOffIsNotDrawnThroughTheTalk) {
    StageObjectTableRecord& o = StageObjectTable;
    GameClock.gameClock = 100.0;
    for (int s = 51; s <= 60; ++s) {
        o.code[s] = 45;
        o.facing[s] = 1;
        o.x[s] = 81000 + 10 * (s - 51);
        o.y[s] = 640;
        o.scale[s] = 1.0f;
        o.colour[s] = 0xFFFFFFFFu;
        o.depth[s] = 0.5f;
    }
    UpdatePhase4Servants(0);
    for (int s = 51; s <= 60; ++s) {
        o.damage[s] = 600;
        o.stepState[s] = s >= 59 ? 1 : 0;
        if (s < 59) o.code[s] = 0;
    }
    PlayerState.x = 81500;
    PlayerState.y = 640;
    PlayerState.facing = 1;
    for (int i = 0; i < 400 && DialogueChannels.finaleLine == 0; ++i) {
        GameClock.gameClock += 0.014;
        UpdatePhase4Servants(1);
    }
    ASSERT_EQ(DialogueChannels.finaleLine, 49);
    const std::int32_t leader = EncounterCFigure.gazeSlot;
    ASSERT_EQ(o.stepState[60], 99) << "its death was broken off";
    ASSERT_NE(o.code[60], 0);
    const auto bodies = FromSlot(DrawOnce(DrawEncounterCFigurePasses), 107);
    ASSERT_EQ(bodies.size(), 1u);
    float x, y;
    Land(bodies[0], bodies[0].centreX, bodies[0].centreY, &x, &y);
    EXPECT_NEAR(x, o.x[leader] - ScrollX, 1);
}

}  // namespace
