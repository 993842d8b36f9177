// The mapping of the 1024 x 768 virtual screen onto back buffers of other
// sizes, and what it does to a drawn frame.
#include "core/sprite_draw.h"
#include "shell/frame.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace {

struct ScreenCase {
    int width, height;
    float scale;
    float xOffset;
    int xOffsetVirtual;
};

TEST(ShellCoreVirtualScreen, ScaleAndSideBarsForCommonBackBuffers) {
    const ScreenCase cases[] = {
        {1024, 768, 1.0f, 0.0f, 0},
        {800, 600, 0.781f, 0.0f, 0},
        {1280, 720, 0.937f, 160.0f, 170},
        {1920, 1080, 1.406f, 240.0f, 170},
        {1280, 960, 1.25f, 0.0f, 0},
        // Taller than wide for its height class: the picture is cut at both sides.
        {1280, 1024, 1.333f, -42.0f, -31},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        ComputeVirtualScreen(c.width, c.height);
        EXPECT_FLOAT_EQ(VirtualScreen.scale, c.scale);
        EXPECT_FLOAT_EQ(VirtualScreen.xOffset, c.xOffset);
        EXPECT_EQ(VirtualScreen.xOffsetVirtual, c.xOffsetVirtual);
    }
}

TEST(ShellCoreVirtualScreen, ScreensLowerThan768FillTheHeight) {
    // 1024 x 700 is narrower than its height allows at scale 1 only through
    // the integer height class: it fills the height and gets side bars.
    ComputeVirtualScreen(1024, 700);
    EXPECT_FLOAT_EQ(VirtualScreen.scale, 0.911f);
    EXPECT_FLOAT_EQ(VirtualScreen.xOffset, 46.0f);   // (1024 - 932) / 2
}

TEST(ShellCoreVirtualScreen, NoBackBufferKeepsTheLastMapping) {
    ComputeVirtualScreen(1280, 720);
    ComputeVirtualScreen(0, 0);
    EXPECT_FLOAT_EQ(VirtualScreen.scale, 0.937f);
    EXPECT_FLOAT_EQ(VirtualScreen.xOffset, 160.0f);
}

class ShellCoreVirtualScreenGame : public GameHarness {};

TEST_F(ShellCoreVirtualScreenGame, StartUpAndEveryFrameFollowTheBackBuffer) {
    backBufferWidth = 1280;
    backBufferHeight = 720;
    StartGame();
    EXPECT_FLOAT_EQ(VirtualScreen.scale, 0.937f);
    EXPECT_EQ(VirtualScreen.xOffsetVirtual, 170);

    // A device change to another size is picked up by the next frame.
    ASSERT_TRUE(plat::FrameworkChangeDevice(1920, 1080, true));
    RunFrames(1);
    EXPECT_FLOAT_EQ(VirtualScreen.scale, 1.406f);
    EXPECT_FLOAT_EQ(VirtualScreen.xOffset, 240.0f);
}

}  // namespace
