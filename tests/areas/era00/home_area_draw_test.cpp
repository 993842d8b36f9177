// The home area's draw passes as recorded draws: the gate's leaves, glow and
// sparks, the practice marker, and the hearth's flame.
#include <gtest/gtest.h>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "shell/draw_pass_fixture.h"

namespace {

using Sprites = std::vector<plat::headless::SpriteDrawRecord>;

class HomeAreaDraw : public DrawPassTest {
protected:
    void SetUp() override {
        DrawPassTest::SetUp();
        OpenDevice();
        GameFlow.phase = 1;
        ScrollX = 0;
        Era00AreaFlag = 1;
        Era01AreaFlag = 0;
        Era00SceneActors = Era00SceneActorsRecord{};
        Era00Gateway = Era00GatewayRecord{};
        MovePracticeState = MovePracticeStateRecord{};
    }
};

TEST_F(HomeAreaDraw, TheGateLeavesSwapDepthsOnceSheHasPassed) {
    Era00Gateway.glowFrame = 1;
    Era00Gateway.x = 500;
    struct Case {
        std::uint32_t passed;
        float left, right;
    };
    for (const Case& c : {Case{0, 0.3f, 0.1f}, Case{1, 0.1f, 0.3f}}) {
        Era00Gateway.passed = c.passed;
        const Sprites s = DrawOnce(DrawEra00GatewayAndPracticeMarker);
        ASSERT_EQ(s.size(), 4u);
        for (const auto& r : s) EXPECT_EQ(SlotOf(r), 86);
        EXPECT_FLOAT_EQ(s[0].depth, c.left);
        EXPECT_FLOAT_EQ(s[1].depth, c.right);
        EXPECT_FLOAT_EQ(s[2].depth, 0.33f);
        EXPECT_FLOAT_EQ(s[3].depth, 0.34f);
    }
}

TEST_F(HomeAreaDraw, SparksShowOnlyWhileTheGateGlows) {
    Era00Gateway.x = 500;
    Era00Gateway.sparkKind1 = 2;
    Era00Gateway.sparkKind2 = 4;
    EXPECT_TRUE(DrawOnce(DrawEra00GatewayAndPracticeMarker).empty());
    Era00Gateway.glowFrame = 3;
    const Sprites s = DrawOnce(DrawEra00GatewayAndPracticeMarker);
    ASSERT_EQ(s.size(), 6u);
    EXPECT_FLOAT_EQ(s[4].depth, 0.32f);
    EXPECT_EQ(s[4].src.top, 344);
    EXPECT_EQ(s[5].src.top, 349);
    // Nothing at all once neither area is active.
    Era00AreaFlag = 0;
    EXPECT_TRUE(DrawOnce(DrawEra00GatewayAndPracticeMarker).empty());
}

TEST_F(HomeAreaDraw, ThePracticeMarkerIsDrawnThreeTimesAtItsDepth) {
    Era00AreaFlag = 0;
    Era01AreaFlag = 1;
    MovePracticeState.shown = 1;
    const Sprites s = DrawOnce(DrawEra00GatewayAndPracticeMarker);
    ASSERT_EQ(s.size(), 3u);
    for (const auto& r : s) {
        EXPECT_FLOAT_EQ(r.depth, 0.72f);
        float x = 0, y = 0;
        Land(r, 90, 19, &x, &y);   // its pivot stands at the post
        EXPECT_NEAR(x, 68, 0.01);
        EXPECT_NEAR(y, 632, 0.01);
    }
}

TEST_F(HomeAreaDraw, ThePostStaysUnderThePracticesRaisedPieceWhileItIsRaised) {
    // The transformation clears the marker's flag while the piece stays 92
    // pixels up: the post must still hold it, in the field only.
    struct Case {
        std::int32_t era01, height;
        std::uint32_t shown;
        std::size_t draws;
    };
    for (const Case& c : {Case{1, 92, 0, 3}, Case{1, 0, 0, 0}, Case{0, 92, 0, 0}, Case{1, 0, 1, 3}}) {
        Era00AreaFlag = 1 - c.era01;
        Era01AreaFlag = c.era01;
        MovePracticeState.height = c.height;
        MovePracticeState.shown = c.shown;
        EXPECT_EQ(DrawOnce(DrawEra00GatewayAndPracticeMarker).size(), c.draws)
            << "era01 " << c.era01 << " height " << c.height << " shown " << c.shown;
    }
}

TEST_F(HomeAreaDraw, TheFlameStandsFiveTimesItsSizeWithItsBottomLeftAt720_640) {
    for (std::int32_t frame : {1, 2, 3}) {
        Era00SceneActors.closeUpFrame = frame;
        const Sprites s = DrawOnce(DrawEra00HomeAreaActors);
        ASSERT_EQ(s.size(), 2u);
        EXPECT_EQ(SlotOf(s[0]), 87);
        float x = 0, y = 0, x2 = 0, y2 = 0;
        Land(s[0], 0, 61, &x, &y);
        EXPECT_NEAR(x, 720, 0.01);
        EXPECT_NEAR(y, 640, 0.01);
        Land(s[0], 10, 0, &x2, &y2);
        EXPECT_NEAR(x2 - x, 50, 0.01) << "five times its size";
        EXPECT_NEAR(y - y2, 305, 0.01);
        Land(s[1], 0, 61, &x, &y);
        EXPECT_NEAR(x, 725, 0.01) << "the second layer five pixels to the right";
        EXPECT_LT(s[1].depth, s[0].depth);
    }
}

TEST_F(HomeAreaDraw, ActorsStandOnTheirFeetAndMirrorByTheirOwnWords) {
    Era00SceneActors.npcFrame = 1;
    Era00SceneActors.npcX = 400;
    Era00SceneActors.npcY = 640;
    ScrollX = 100;
    for (std::int32_t facing : {1, -1}) {
        Era00SceneActors.npcFacing = facing;
        const Sprites s = DrawOnce(DrawEra00HomeAreaActors);
        ASSERT_EQ(s.size(), 1u);
        float x = 0, y = 0;
        Land(s[0], 8, 44, &x, &y);   // frame 1's pivot
        EXPECT_NEAR(x, 300, 0.01);
        EXPECT_NEAR(y, 640, 0.01);
        Land(s[0], 92, 44, &x, &y);  // its right edge lies right of the pivot unless mirrored
        if (facing == 1) EXPECT_GT(x, 300);
        else EXPECT_LT(x, 300);
    }
    // Her own figure (frame 21: 47 wide, pivot 39) turns on the spot: turned,
    // its edges swap ends over the same ground.
    Era00SceneActors.npcFrame = 0;
    Era00SceneActors.actorAFrame = 21;
    Era00SceneActors.actorAX = 400;
    Era00SceneActors.actorAY = 640;
    for (std::int32_t mirror : {0, 1}) {
        Era00SceneActors.actorAMirror = mirror;
        const Sprites s = DrawOnce(DrawEra00HomeAreaActors);
        ASSERT_EQ(s.size(), 1u);
        float left = 0, right = 0, y = 0;
        Land(s[0], 0, 135, &left, &y);
        Land(s[0], 47, 135, &right, &y);
        EXPECT_NEAR(mirror == 1 ? right : left, 261, 0.01) << "mirror " << mirror;
        EXPECT_NEAR(mirror == 1 ? left : right, 308, 0.01) << "mirror " << mirror;
    }
}

}  // namespace
