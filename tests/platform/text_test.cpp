// Fonts and text: the faces the game names resolve to installed fonts at the
// asked cell height, texts are recorded with the text transform, and they
// rasterise to real pixels, Japanese included.
#include "platform/common/internal.h"
#include "platform/platform_fixture.h"

#include <algorithm>

using namespace plat_test;

namespace {

const char kGothic[] = "ＭＳ Ｐゴシック";

// Rows [first, last] and columns holding lit pixels in a box; -1 when none.
struct Lit {
    int top = -1, bottom = -1, left = -1, right = -1, count = 0;
};

Lit LitIn(const std::vector<std::uint8_t>& rgba, int width, int x0, int y0, int x1, int y1) {
    Lit l;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Pixel p = At(rgba, width, x, y);
            if (p.r + p.g + p.b < 60) continue;
            ++l.count;
            if (l.top < 0) l.top = y;
            l.bottom = y;
            l.left = l.left < 0 ? x : std::min(l.left, x);
            l.right = std::max(l.right, x);
        }
    return l;
}

}  // namespace

class PlatformTextTest : public PlatformTest {};

TEST_F(PlatformTextTest, GameFacesResolveToInstalledFontsAtTheirCellHeight) {
    const struct {
        const char* face;
        int height, weight;
    } fonts[] = {
        {"Arial", 15, 700}, {"Arial", 13, 400}, {kGothic, 21, 700}, {kGothic, 21, 100},
        {"Arial", 25, 100}, {kGothic, 17, 100}, {kGothic, 10, 100}, {kGothic, 14, 100},
    };
    std::vector<plat::FontId> ids;
    for (const auto& f : fonts) {
        const plat::FontId id = plat::FontCreate(f.face, f.height, f.weight);
        ASSERT_NE(id, 0) << f.face << " " << f.height;
        EXPECT_EQ(plat::detail::FontLineHeight(id), f.height);
        ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::unique(ids.begin(), ids.end()), ids.end());
    plat::FontRelease(ids[0]);
    EXPECT_FALSE(plat::detail::FontValid(ids[0]));
    EXPECT_TRUE(plat::detail::FontValid(ids[1]));
}

TEST_F(PlatformTextTest, UnknownFaceGivesNoFontAndItsTextsAreNotDrawn) {
    StartDevice(320, 240);
    EXPECT_EQ(plat::FontCreate("No Such Face Qm", 15, 400), 0);
    EXPECT_EQ(plat::FontCreate("Arial", 0, 400), 0);
    EXPECT_EQ(plat::FontCreate(nullptr, 15, 400), 0);
    DrawFrame(nullptr, [] {
        plat::TextDraw(0, "hidden", 10, 10, 1, 1, 1, 1);
        plat::TextDraw(57, "hidden", 10, 10, 1, 1, 1, 1);
    });
    EXPECT_TRUE(plat::headless::LastFrame().texts.empty());
    EXPECT_EQ(LitIn(pixels, width, 0, 0, 320, 240).count, 0);
}

TEST_F(PlatformTextTest, TextsAreRecordedInOrderWithTheTransformInForce) {
    StartDevice();
    const plat::FontId f = plat::FontCreate("Arial", 15, 700);
    ASSERT_NE(f, 0);
    DrawFrame(nullptr, [&] {
        plat::TextSetTransform(0.5f, 0.75f);
        plat::TextDraw(f, "HP 100", 170, 20, 1, 0, 0, 1);
        plat::TextSetTransform(1, 1);
        plat::TextDraw(f, "EXP", 5, 6, 0, 0, 1, 0.5f);
    });
    const auto& t = plat::headless::LastFrame().texts;
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "HP 100");
    EXPECT_EQ(t[0].x, 170);
    EXPECT_EQ(t[0].y, 20);
    EXPECT_FLOAT_EQ(t[0].r, 1);
    EXPECT_FLOAT_EQ(t[0].scaleX, 0.5f);
    EXPECT_FLOAT_EQ(t[0].scaleY, 0.75f);
    EXPECT_EQ(t[1].text, "EXP");
    EXPECT_FLOAT_EQ(t[1].scaleX, 1);
    EXPECT_FLOAT_EQ(t[1].a, 0.5f);
}

TEST_F(PlatformTextTest, LatinTextRastersWithinItsCellInItsColour) {
    StartDevice(400, 200);
    const plat::FontId f = plat::FontCreate("Arial", 15, 700);
    ASSERT_NE(f, 0);
    DrawFrame(nullptr, [&] { plat::TextDraw(f, "AH 123", 50, 100, 1, 0, 0, 1); });
    const Lit l = LitIn(pixels, width, 0, 0, 400, 200);
    ASSERT_GT(l.count, 30);
    EXPECT_GE(l.top, 100);
    EXPECT_LT(l.bottom, 115);            // capitals and digits sit inside the 15-pixel cell
    EXPECT_GE(l.bottom - l.top, 9);      // and are not tiny
    EXPECT_GE(l.left, 50);
    // Pure red text on black: no green or blue anywhere.
    for (int y = 100; y < 115; ++y)
        for (int x = 50; x < 150; ++x) {
            const Pixel p = Px(x, y);
            ASSERT_EQ(p.g, 0);
            ASSERT_EQ(p.b, 0);
        }
}

TEST_F(PlatformTextTest, JapaneseTextRendersWithPixelsAndLineBreaksGoOneHeightDown) {
    StartDevice(600, 300);
    const plat::FontId f = plat::FontCreate(kGothic, 17, 100);
    ASSERT_NE(f, 0);
    DrawFrame(nullptr, [&] {
        plat::TextDraw(f, "２重起動の為終了します。", 10, 20, 0, 1, 1, 1);
        plat::TextDraw(f, "あ\nいう", 10, 100, 1, 1, 1, 1);
    });
    const Lit first = LitIn(pixels, width, 0, 20, 600, 20 + 17);
    EXPECT_GT(first.count, 200);
    EXPECT_GT(first.right - first.left, 150);   // twelve wide characters, not one box
    // Cyan text: no red channel.
    EXPECT_EQ(LitIn(pixels, width, 0, 0, 600, 90).count, first.count);
    for (int y = 20; y < 37; ++y)
        for (int x = 0; x < 600; ++x) ASSERT_EQ(Px(x, y).r, 0);
    const Lit line1 = LitIn(pixels, width, 0, 100, 600, 117);
    const Lit line2 = LitIn(pixels, width, 0, 117, 600, 134);
    EXPECT_GT(line1.count, 20);
    EXPECT_GT(line2.right - line2.left, line1.right - line1.left + 8);   // two characters below one
    EXPECT_EQ(LitIn(pixels, width, 0, 134, 600, 300).count, 0);
}

TEST_F(PlatformTextTest, ScaledTextShrinksWithTheVirtualScreen) {
    StartDevice(600, 200);
    const plat::FontId f = plat::FontCreate("Arial", 25, 100);
    ASSERT_NE(f, 0);
    DrawFrame(nullptr, [&] { plat::TextDraw(f, "WWWW", 100, 40, 1, 1, 1, 1); });
    const Lit full = LitIn(pixels, width, 0, 0, 600, 200);
    DrawFrame(nullptr, [&] {
        plat::TextSetTransform(0.5f, 0.5f);
        plat::TextDraw(f, "WWWW", 100, 40, 1, 1, 1, 1);
    });
    const Lit half = LitIn(pixels, width, 0, 0, 600, 200);
    ASSERT_GT(full.count, 0);
    ASSERT_GT(half.count, 0);
    EXPECT_NEAR(half.left, 50, 2);   // the position scales too
    EXPECT_NEAR(half.top, 20 + (full.top - 40) / 2, 2);
    EXPECT_NEAR(half.right - half.left, (full.right - full.left) / 2, 3);
}
