// The menu side as pixels: the title, the in-game menu and the save screen
// rasterised from the real frame loop. With QM_SCREENSHOT_DIR set, each
// picture is also kept there as a PNG.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/player.h"
#include "menu_game_fixture.h"
#include "platform/headless.h"
#include "text/menu_state.h"

namespace {

struct Picture {
    std::vector<std::uint8_t> rgba;
    int width = 0, height = 0;
    // Mean brightness (r + g + b) of a rectangle.
    double Brightness(int x0, int y0, int x1, int y1) const {
        double sum = 0;
        int n = 0;
        for (int y = y0; y < y1 && y < height; ++y)
            for (int x = x0; x < x1 && x < width; ++x) {
                const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
                sum += p[0] + p[1] + p[2];
                ++n;
            }
        return n ? sum / n : 0;
    }
};

class MenuPixels : public MenuGame {
protected:
    Picture Render(const char* keepAs) {
        Picture p;
        EXPECT_TRUE(plat::headless::RenderLastFrame(p.rgba, p.width, p.height));
        if (const char* dir = std::getenv("QM_SCREENSHOT_DIR"))
            plat::headless::SaveLastFramePng(std::string(dir) + "/" + keepAs);
        return p;
    }
};

TEST_F(MenuPixels, TitleShowsLogoLabelsAndTheHeroine) {
    BootToTitle();
    RunSeconds(0.5);
    const Picture p = Render("title.png");
    ASSERT_EQ(p.width, 1024);
    // Logo in the middle, the three labels along the bottom, the heroine at
    // the first label; the corners stay dark.
    EXPECT_GT(p.Brightness(300, 320, 720, 380), 60);
    EXPECT_GT(p.Brightness(202, 600, 334, 630), 60);
    EXPECT_GT(p.Brightness(423, 600, 555, 630), 60);
    EXPECT_GT(p.Brightness(662, 600, 794, 630), 60);
    EXPECT_GT(p.Brightness(240, 480, 330, 600), 10);
    EXPECT_LT(p.Brightness(0, 0, 100, 100), 5);
}

TEST_F(MenuPixels, TheInGameMenuShowsItsBackdropLabelsAndHeading) {
    StartAtHome();
    OpenMenu();
    RunSeconds(0.5);
    const Picture p = Render("menu.png");
    // The tiled backdrop lights the whole screen a little; the six labels
    // and the heading stand out.
    EXPECT_GT(p.Brightness(0, 0, 200, 100), 10);
    for (int x : {32, 197, 362, 527, 692, 857}) EXPECT_GT(p.Brightness(x, 600, x + 132, 630), 60) << x;
    EXPECT_GT(p.Brightness(730, 10, 975, 40), 60);
}

TEST_F(MenuPixels, TheSaveScreenShowsThreeSlotRowsTheChosenBrightest) {
    StartAtHome();
    StandAt(2389);   // at the home field's save spot
    OpenMenu();
    ChooseEntry(3);
    Tap(VK_RETURN);   // a save in slot 1, so its row has a summary
    RunFrames(2);
    PressFor1Frame(VK_DOWN);
    RunSeconds(0.3);
    const Picture p = Render("save.png");
    const double row1 = p.Brightness(220, 205, 960, 275);
    const double row2 = p.Brightness(220, 405, 960, 475);
    const double row3 = p.Brightness(220, 605, 960, 675);
    EXPECT_GT(row2, row1);
    EXPECT_GT(row2, row3);
    EXPECT_GT(row1, 20);
    EXPECT_GT(p.Brightness(730, 10, 975, 40), 60) << "the save heading";
}

}  // namespace
