// The shared step pieces at their edges: exact thresholds, stamps ahead of
// the clock, truncation of negative values, the line handshake and walks.
#include <gtest/gtest.h>

#include <vector>

#include "core/keys.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "shell/graphics.h"
#include "text/text_state.h"

TEST(StepHelpers, TimersTellReachedFromPassed) {
    struct Case { double stamp, now, seconds; bool atLeast, moreThan; };
    const Case cases[] = {
        {1.0, 3.0, 2.0, true, false},    // exactly reached
        {1.0, 3.001, 2.0, true, true},
        {1.0, 2.999, 2.0, false, false},
        {0.0, 0.0, 0.0, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AtLeastElapsed(c.stamp, c.now, c.seconds), c.atLeast) << c.now;
        EXPECT_EQ(MoreThanElapsed(c.stamp, c.now, c.seconds), c.moreThan) << c.now;
    }
}

TEST(StepHelpers, StampsAheadOfTheClockGoBack) {
    double stamp = 50.0;
    StampAheadToZero(stamp, 10.0);
    EXPECT_EQ(stamp, 0.0);
    stamp = 50.0;
    StampAheadToNow(stamp, 10.0);
    EXPECT_EQ(stamp, 10.0);
    stamp = 10.0;   // equal is not ahead
    StampAheadToZero(stamp, 10.0);
    EXPECT_EQ(stamp, 10.0);
}

TEST(StepHelpers, MotionTruncatesTowardZero) {
    struct Case { double rate, t; std::int32_t move; };
    for (const Case& c : {Case{100.0, 0.027, 2}, Case{-100.0, 0.027, -2}, Case{-360.0 / 2.78, 1.0, -129}})
        EXPECT_EQ(RateMove(c.rate, c.t), c.move) << c.rate;
    EXPECT_EQ(ArcRise(400.0, 0.1), 31);      // 40 - 8.13
    EXPECT_EQ(ArcRise(400.0, 0.6), -52);     // 240 - 292.68: below the base, truncated up
    EXPECT_EQ(ArcRise(400.0, 0.0), 0);
    EXPECT_EQ(FallDrop(0.1), 8);             // 8.13
    EXPECT_EQ(FallDrop(0.0), 0);
}

TEST(StepHelpers, FadesClampAndKeepWhite) {
    EXPECT_EQ(FadeColour(255), 0xFFFFFFFFu);
    EXPECT_EQ(FadeColour(128), 0x80FFFFFFu);
    EXPECT_EQ(FadeColour(-3), 0x00FFFFFFu);
    EXPECT_EQ(FadeColour(300), 0xFFFFFFFFu);
    EXPECT_EQ(FadeAlpha(255, -200.0, 0.5), 155);
    EXPECT_EQ(FadeAlpha(255, -200.0, 2.0), 0);
    EXPECT_EQ(FadeAlpha(0, 100.0, 0.019), 1);
}

TEST(StepHelpers, LineGroupAdvancesOnEnterAndClosesPastTheLast) {
    std::int32_t word = 0;
    OpenLine(word, 3);
    EXPECT_EQ(word, 3);
    EXPECT_EQ(EnterConfirmState, 1);
    EXPECT_EQ(EventHoldsPlayer, 1);
    EXPECT_FALSE(StepLineGroup(word, 4));   // not read yet
    EXPECT_EQ(word, 3);
    EnterConfirmState = 2;
    EXPECT_FALSE(StepLineGroup(word, 4));
    EXPECT_EQ(word, 4);
    EXPECT_EQ(EnterConfirmState, 1);
    EnterConfirmState = 2;
    EXPECT_TRUE(StepLineGroup(word, 4));
    EXPECT_EQ(word, 0);
    EXPECT_EQ(EnterConfirmState, 0);
    EXPECT_EQ(EventHoldsPlayer, 0);
}

TEST(StepHelpers, WalkHoldsTheKeyTowardTheTargetUntilThere) {
    const PlayerStateRecord saved = PlayerState;
    PlayerState.x = 100;
    EXPECT_FALSE(WalkHeroineTo(300));
    EXPECT_EQ(KeyRightPressed, 1);
    EXPECT_EQ(KeyLeftPressed, 0);
    PlayerState.x = 400;
    EXPECT_FALSE(WalkHeroineTo(300));
    EXPECT_EQ(KeyLeftPressed, 1);
    PlayerState.x = 300;
    EXPECT_TRUE(WalkHeroineTo(300));
    EXPECT_EQ(KeyLeftPressed + KeyRightPressed, 0);
    PlayerState = saved;
}

// Her body (14 px either side) against bodies across the world: the
// nearest x clear of every one, within the limits.
TEST(StepHelpers, AClearSpotIsTheNearestOutsideEveryBody) {
    struct Row {
        std::int32_t x;
        std::vector<FigureBody> bodies;
        std::int32_t minX, maxX, spot;
    };
    const Row rows[] = {
        {100, {{200, 260}}, 0, 1000, 100},              // clear already
        {215, {{200, 260}}, 0, 1000, 186},              // nearer the left side
        {250, {{200, 260}}, 0, 1000, 274},              // nearer the right side
        {186, {{200, 260}}, 0, 1000, 186},              // touching, not inside
        {215, {{200, 260}, {150, 190}}, 0, 1000, 274},  // the gap to the left is too narrow
        {215, {{200, 260}}, 190, 1000, 274},            // the left side lies past the limit
        {215, {{200, 260}}, 190, 270, 215},             // nowhere clear within the limits
    };
    for (const Row& r : rows)
        EXPECT_EQ(ClearSpot(r.x, r.bodies.data(), r.bodies.size(), r.minX, r.maxX), r.spot) << "at " << r.x;
}

// The walk out waits for her blow to end, then holds the key toward the
// spot and turns her back to the facing she stood in once there.
TEST(StepHelpers, TheWalkClearWaitsForHerBlowAndTurnsHerBack) {
    PlayerMoveState = PlayerMoveStateRecord{.comboS = 3};
    PlayerState.x = 215;
    PlayerState.facing = 1;
    KeyLeftPressed = 1;
    EXPECT_FALSE(WalkHeroineClear(215, 186, 1));
    EXPECT_EQ(KeyLeftPressed, 0) << "no walk during her blow";
    PlayerMoveState.comboS = 0;
    EXPECT_FALSE(WalkHeroineClear(215, 186, 1));
    EXPECT_EQ(KeyLeftPressed, 1);
    PlayerState.x = 180;   // a stride past the spot
    PlayerState.facing = -1;
    EXPECT_TRUE(WalkHeroineClear(215, 186, 1));
    EXPECT_EQ(KeyLeftPressed + KeyRightPressed, 0);
    EXPECT_EQ(PlayerState.facing, 1);
}

TEST(StepHelpers, TexturesAreAskedForOnceAndOutOfRangeIsRefused) {
    TextureFlags[40] = 0;
    EXPECT_FALSE(RequestTexture(40));
    EXPECT_EQ(TextureFlags[40], kGraphicRequested);
    TextureFlags[40] = kGraphicLoaded;
    EXPECT_TRUE(RequestTexture(40));
    EXPECT_FALSE(RequestTexture(kTextureFlagCount));
    EXPECT_FALSE(RequestTexture(-1));
    TextureFlags[40] = 0;
}

TEST(StepHelpers, FindRowFindsTheFirstMatch) {
    struct Row { int frame; int left; };
    constexpr Row rows[] = {{1, 10}, {2, 20}, {2, 30}};
    static_assert(FindRow(rows, &Row::frame, 2)->left == 20);
    EXPECT_EQ(FindRow(rows, &Row::frame, 9), nullptr);
}
