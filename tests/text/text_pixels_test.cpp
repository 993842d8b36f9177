// Texts rasterised by the software renderer land at their places in their
// colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/hud.h"
#include "core/player.h"
#include "text/game_over.h"
#include "text/menu_state.h"
#include "text_fixture.h"

namespace {

struct Picture {
    std::vector<std::uint8_t> rgba;
    int width = 0, height = 0;
    // Pixels in [x0, x1) x [y0, y1) for which pred(r, g, b) holds.
    template <typename Pred>
    int Count(int x0, int y0, int x1, int y1, Pred pred) const {
        int n = 0;
        for (int y = y0; y < y1 && y < height; ++y)
            for (int x = x0; x < x1 && x < width; ++x) {
                const std::uint8_t* p = &rgba[(std::size_t(y) * width + x) * 4];
                if (pred(p[0], p[1], p[2])) ++n;
            }
        return n;
    }
};

bool Cyan(int r, int g, int b) { return r < 80 && g > 180 && b > 180; }
bool White(int r, int g, int b) { return r > 200 && g > 200 && b > 200; }
bool Lit(int r, int g, int b) { return r + g + b > 60; }

class TextPixelsTest : public TextScreenTest {
protected:
    Picture Render() {
        Picture p;
        EXPECT_TRUE(plat::headless::RenderLastFrame(p.rgba, p.width, p.height));
        return p;
    }
};

}  // namespace

TEST_F(TextPixelsTest, HudNumbersAreDrawnTopLeft) {
    Begin(1);
    RunFrames(3);
    MenuFlowState.hudUpdateOn = 1;
    PlayerState.maxHp = 180;
    PlayerState.hp = 152;
    PlayerState.exp = 2480;
    Gold = 315;
    RunFrames(20);
    Picture p = Render();
    ASSERT_EQ(p.width, 1024);
    // "HP" label and the numbers in white in the HUD's corner.
    EXPECT_GT(p.Count(53, 28, 75, 43, White), 10);
    EXPECT_GT(p.Count(150, 28, 190, 100, White), 20);
    // The key hints in grey under them.
    EXPECT_GT(p.Count(53, 70, 100, 100, Lit), 10);
}

TEST_F(TextPixelsTest, NarrationLinesAreDrawnInCyanWhereTheyStand) {
    Begin(0);
    PlayerState.y = 640;
    GameOverState.textStep1 = 5;
    DrawFrame();
    Picture p = Render();
    const int rows[5][2] = {{340, 300}, {402, 340}, {402, 375}, {392, 415}, {320, 465}};
    for (const auto& row : rows) {
        EXPECT_GT(p.Count(row[0], row[1], row[0] + 300, row[1] + 20, Cyan), 100)
            << "line at " << row[0] << ", " << row[1];
    }
    EXPECT_EQ(p.Count(0, 0, 1024, 290, Cyan), 0);
    EXPECT_EQ(p.Count(0, 500, 1024, 768, Cyan), 0);
}
