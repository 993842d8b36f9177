// The numbers of the defeat and the ending that matter: where she walks to
// face the queen (kept inside the room), the order and timing of the
// figure's break-apart, the shatter cloud's first steps and its twinkle,
// and what the ending sheet's setup draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "areas/era04_stage/records.h"
#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"

namespace {

constexpr std::int32_t M = Era04Door6;   // the door-6 marker the final section is written from

class FinaleEndingNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFinaleArea();
        StageObjectTable = StageObjectTableRecord{};
        PlayerState = PlayerStateRecord{};
        GameClock.gameClock = 100.0;
        SeedRandom(5);
    }
    static void Tick(double dt) { GameClock.gameClock += dt; }
};

TEST_F(FinaleEndingNumbers, TheWalkTargetStaysWhereSheCanStand) {
    struct Row {
        std::int32_t bossX, facing, target;
    };
    const Row rows[] = {
        {M + 1000, 1, M + 1200},  {M + 1000, -1, M + 800}, {M - 300, -1, M + 183}, {M + 100, 1, M + 300},
        {M + 5300, 1, M + 4929},  {M + 4800, 1, M + 4929}, {M + 5300, -1, M + 4929}, {M + 300, -1, M + 183},
    };
    for (const Row& r : rows) EXPECT_EQ(DefeatWalkTarget(r.bossX, r.facing), r.target) << r.bossX << " " << r.facing;

    // With the queen at the far wall the walk still ends at the wall.
    FinalActorSlots.x[0] = M + 5300;
    FinalActorSlots.facing[0] = 1;
    PlayerState.x = M + 4000;
    RunBossDefeatScene(0);
    Tick(3.05);
    EXPECT_EQ(RunBossDefeatScene(1), 3);
    EXPECT_EQ(KeyRightPressed, 1);
    PlayerState.x = M + 4930;   // as far as the room lets her go
    Tick(0.02);
    EXPECT_GE(RunBossDefeatScene(1), 5);
    EXPECT_EQ(PlayerState.facing, -1);
    EXPECT_EQ(KeyRightPressed, 0);
}

TEST_F(FinaleEndingNumbers, PiecesBurstOneEveryPointZeroSixSecondsFromPieceThirteen) {
    StageObjectTable.code[161] = 24;
    StageObjectTable.x[161] = M + 4781;
    StageObjectTable.y[161] = 452;
    PlayerState.x = M + 4400;
    PlayerState.y = 581;
    BreakEndingFigure(0);
    BreakEndingFigure(1);   // the figure shows
    EXPECT_EQ(FinalActorSlots.frame[5], 1);
    Tick(0.2);
    BreakEndingFigure(1);   // the flight starts
    const double start = GameClock.gameClock;
    std::vector<int> order;
    std::vector<double> at;
    double landed = 0;
    for (int i = 0; i < 2000 && BreakEndingFigure(1) == 3; ++i) {
        for (int k = 1; k <= 36; ++k)
            if (FinalActorSlots.frame[k + 4] == 0 && std::find(order.begin(), order.end(), k) == order.end()) {
                order.push_back(k);
                at.push_back(GameClock.gameClock - start);
            }
        if (landed == 0 && FinalActorSlots.frame[41] == 1) landed = GameClock.gameClock;
        Tick(0.004);
    }
    std::vector<int> want;
    for (int k = 13; k <= 36; ++k) want.push_back(k);
    for (int k = 1; k <= 12; ++k) want.push_back(k);
    EXPECT_EQ(order, want);
    ASSERT_EQ(at.size(), 36u);
    EXPECT_GT(at.front(), 0.2);
    EXPECT_LT(at.front(), 0.21);
    EXPECT_GE(at.back(), 2.28);
    EXPECT_LT(at.back(), 2.29);
    EXPECT_EQ(FinalActorSlots.y[41], 581);
    EXPECT_EQ(FinalActorSlots.x[41], M + 4781);
    EXPECT_NE(landed, 0);
    EXPECT_EQ(FinalSectionState.shatterActive, 1);

    // The little one rests 3 s after the later of the last burst and its
    // landing, looks up for 1 s, then walks 8 px every 0.1 s.
    const double settled = std::max(start + at.back(), landed);
    double frame2 = 0, walking = 0;
    std::int32_t walkFrom = 0;
    for (int i = 0; i < 3000 && walking == 0; ++i) {
        Tick(0.004);
        BreakEndingFigure(1);
        if (frame2 == 0 && FinalActorSlots.frame[41] == 2) frame2 = GameClock.gameClock;
        if (FinalActorSlots.frame[41] == 4) {
            walking = GameClock.gameClock;
            walkFrom = FinalActorSlots.x[41];
        }
    }
    EXPECT_NEAR(frame2 - settled, 3.0, 0.01);
    EXPECT_NEAR(walking - frame2, 1.0, 0.01);
    for (int i = 0; i < 55; ++i) {
        Tick(0.004);
        BreakEndingFigure(1);
    }
    EXPECT_EQ(FinalActorSlots.x[41], walkFrom - 16);
}

TEST_F(FinaleEndingNumbers, TheCloudLightsBurstsAndTwinklesAtEachPointsRhythm) {
    RunShatterEffect(0, 1, M + 4700, 400);
    const ShatterEffectRecord& e = ShatterEffect;
    EXPECT_EQ(e.x[1][0], M + 4700 - 3);
    EXPECT_EQ(e.y[1][0], 400 + 33);
    EXPECT_EQ(e.x[1][2], e.x[1][0] - 20);   // the outline's first anchor
    EXPECT_EQ(e.y[1][2], e.y[1][0] - 100);
    EXPECT_EQ(e.x[1][15], e.x[1][0] - 20 + 40);
    EXPECT_EQ(e.y[1][15], e.y[1][0] - 100 + 120);
    EXPECT_EQ(RunShatterEffect(2, 0, 0, 0), 0u);   // lit
    for (int p = 1; p <= 50; ++p) {
        if (p == 5 || p == 16) {
            EXPECT_EQ(e.state[1][p], 0u) << p;   // not on the outline: no part
        } else {
            EXPECT_GE(e.state[1][p], 21u) << p;
        }
    }
    Tick(0.1);
    RunShatterEffect(2, 0, 0, 0);
    EXPECT_EQ(e.state[1][0], 2u);   // not yet: a tenth of a second is not more than itself
    Tick(0.001);
    RunShatterEffect(2, 0, 0, 0);   // bursts and takes its first drift step
    EXPECT_EQ(e.state[1][0], 4u);
    EXPECT_EQ(e.vx[1][1], 0);       // the centre itself sinks straight down
    EXPECT_EQ(e.vy[1][1], 400);
    for (int p = 1; p <= 50; ++p) {
        EXPECT_LT(e.state[1][p], 19u) << p;
        EXPECT_EQ(e.x[1][p], e.savedX[1][p]) << p;
        EXPECT_EQ(e.y[1][p], e.savedY[1][p]) << p;
    }
    // Point p is lit for 0.1 s, then dark for 0.3 + 0.05 p s.
    for (int p : {1, 10, 50}) {
        const double dark = 0.3 + 0.05 * p;
        double onAt = -1, offAt = -1, onAgain = -1;
        bool seenDark = false;   // a flash under way when we start is not counted
        const double t0 = GameClock.gameClock;
        for (int i = 0; i < 2000 && onAgain < 0; ++i) {
            Tick(0.002);
            RunShatterEffect(2, 0, 0, 0);
            const bool lit = e.state[1][p] >= 21;
            const double t = GameClock.gameClock - t0;
            if (!lit) seenDark = true;
            if (lit && seenDark && onAt < 0) onAt = t;
            else if (!lit && onAt >= 0 && offAt < 0) offAt = t;
            else if (lit && offAt >= 0) onAgain = t;
        }
        ASSERT_GE(onAgain, 0) << p;
        EXPECT_NEAR(offAt - onAt, 0.1, 0.003) << p;
        EXPECT_NEAR(onAgain - offAt, dark, 0.003) << p;
    }
    // Cleared, the next step finds nothing alive.
    RunShatterEffect(1, 0, 0, 0);
    EXPECT_EQ(RunShatterEffect(2, 0, 0, 0), 99u);
}

TEST_F(FinaleEndingNumbers, PointCellsAndTheSparksOwnPivot) {
    struct Row {
        std::uint32_t frame;
        std::int32_t left, top, right, bottom;
        float cx, cy;
    };
    const Row rows[] = {
        {1, 569, 29, 573, 33, 2, 2},    {9, 613, 29, 615, 31, 1, 1},   {14, 598, 38, 602, 44, 2, 3},
        {18, 610, 33, 614, 37, 2, 2},   {19, 0, 0, 0, 0, 0, 0},        {20, 0, 0, 0, 0, 0, 0},
        {21, 569, 0, 591, 22, 11, 11},  {26, 637, 29, 644, 40, 3, 4},  {27, 0, 0, 0, 0, 0, 0},
    };
    ShatterEffect.x[3][7] = M + 4500;
    ShatterEffect.y[3][7] = 500;
    ScrollX = M + 3976;
    for (const Row& r : rows) {
        ShatterEffect.state[3][7] = r.frame;
        PendingSprite = PendingSpriteRecord{};
        SetShatterPointSprite(3, 7);
        EXPECT_EQ(PendingSprite.gno, 73);
        EXPECT_EQ(PendingSprite.posX, 524);
        EXPECT_FLOAT_EQ(PendingSprite.depth, 0.9f);
        EXPECT_EQ(PendingSprite.srcLeft, r.left) << r.frame;
        EXPECT_EQ(PendingSprite.srcRight, r.right) << r.frame;
        EXPECT_EQ(PendingSprite.srcBottom, r.bottom) << r.frame;
        if (r.right != 0) {
            EXPECT_FLOAT_EQ(PendingSprite.pivotY, r.cy) << r.frame;
        }
    }
    FinalActorSlots.frame[4] = 1;
    FinalActorSlots.pivotX[4] = -10.0f;
    FinalActorSlots.pivotY[4] = -151.0f;
    FinalActorSlots.rotation[4] = 128.0f;
    SetEndingSlotSprite(4);
    EXPECT_EQ(PendingSprite.srcLeft, 275);
    EXPECT_FLOAT_EQ(PendingSprite.pivotX, -10.0f);
    EXPECT_FLOAT_EQ(PendingSprite.pivotY, -151.0f);
    EXPECT_FLOAT_EQ(PendingSprite.floatAngle, 128.0f);
    // The heroine's frames 6..8 stand at slot 0's own x.
    PlayerState.x = M + 4400;
    FinalActorSlots.x[0] = M + 4559;
    FinalActorSlots.frame[0] = 7;
    SetEndingSlotSprite(0);
    EXPECT_EQ(PendingSprite.posX, M + 4559 - ScrollX);
    EXPECT_EQ(PendingSprite.srcLeft, 112);
    FinalActorSlots.frame[0] = 2;
    SetEndingSlotSprite(0);
    EXPECT_EQ(PendingSprite.posX, M + 4400 - ScrollX);
}

}  // namespace
