// HUD numbers and key hints, drawn by the text pass in a headless frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "text/hud_text.h"
#include "text/menu_state.h"
#include "text/text_pass.h"
#include "text/text_state.h"
#include "text_fixture.h"
#include "support/area_run.h"
#include "support/slot_words.h"
#include "support/test_hold.h"

namespace {

class HudTextTest : public TextScreenTest {
protected:
    void ShowHud() {
        MenuFlowState.hudUpdateOn = 0;   // the words below stand as set
        HudState.shown = 1;
        HudState.hpTextState = 1;
        HudState.expTextState = 1;
        HudState.hudX = 53;
        HudState.hudY = 28;
        PlayerState.hp = 85;
        PlayerState.maxHp = 120;
        PlayerState.exp = 1234;
        Gold = 56789;
        EndEveryHold();
        WindowModeLock = 0;
    }
};

}  // namespace

TEST(HudDigitShiftTest, FourPixelsPerMissingDigit) {
    EXPECT_EQ(HudDigitShift(0, 7), 24);
    EXPECT_EQ(HudDigitShift(9, 7), 24);
    EXPECT_EQ(HudDigitShift(10, 7), 20);
    EXPECT_EQ(HudDigitShift(999, 7), 16);
    EXPECT_EQ(HudDigitShift(1000, 7), 12);
    EXPECT_EQ(HudDigitShift(99999, 7), 8);
    EXPECT_EQ(HudDigitShift(100000, 7), 4);
    EXPECT_EQ(HudDigitShift(9999999, 7), 0);
    EXPECT_EQ(HudDigitShift(-1, 7), 7);   // no row: the previous shift stays
}

TEST_F(HudTextTest, LinesStandAtTheirPlacesWithHpExpAndGold) {
    Begin();
    ShowHud();
    DrawFrame();
    const plat::FontId hudFont = TextFontSet.font[1];
    ASSERT_NE(hudFont, 0);

    ExpectDrawAt(Find("HP"), 53, 28);
    ExpectDrawAt(Find("        85"), 63 + 20, 28);
    ExpectDrawAt(Find("/"), 123, 28);
    ExpectDrawAt(Find("       120"), 119 + 16, 28);
    ExpectDrawAt(Find("EP"), 53, 42);
    ExpectDrawAt(Find("      1234"), 119 + 12, 42);
    ExpectDrawAt(Find("Vall"), 53, 56);
    ExpectDrawAt(Find("     56789"), 119 + 8, 56);
    ExpectDrawAt(Find("Menu"), 53, 70);
    ExpectDrawAt(Find("→ F2"), 108, 70);
    ExpectDrawAt(Find("Wmode"), 53, 84);
    ExpectDrawAt(Find("→ F6"), 108, 84);

    ExpectColour(Find("        85"), 1, 1, 1, 1);
    ExpectColour(Find("Menu"), 0.9f, 0.9f, 0.9f, 0.9f);
    for (const auto& t : LastFrame().texts) EXPECT_EQ(t.font, hudFont) << t.text;
}

TEST_F(HudTextTest, LargeValuesAreCappedAndNegativeHpKeepsItsShift) {
    Begin();
    ShowHud();
    Gold = 12345678;
    DrawFrame();
    ExpectDrawAt(Find("   9999999"), 119 + 0, 56);

    PlayerState.hp = -5;   // a deadly blow before the HUD update clamps it
    DrawFrame();
    ExpectDrawAt(Find("        -5"), 63 + 20, 28);
}

TEST_F(HudTextTest, StatesHideLinesAndHintsSeparately) {
    Begin();
    ShowHud();
    HudState.hpTextState = 0;
    HoldForTest(kHoldMenu);
    DrawFrame();
    EXPECT_FALSE(Drawn("HP"));
    EXPECT_TRUE(Drawn("Vall"));
    EXPECT_FALSE(Drawn("Menu"));
    EXPECT_TRUE(Drawn("Wmode"));

    EndEveryHold();
    WindowModeLock = 1;
    HudState.hpTextState = 3;
    HudState.expTextState = 2;
    DrawFrame();
    EXPECT_TRUE(Drawn("Menu"));
    EXPECT_FALSE(Drawn("Wmode"));
    ExpectColour(Find("HP"), 0.5f, 0.78f, 1, 1);
    ExpectColour(Find("EP"), 0.5f, 0.78f, 1, 1);

    HudState.shown = 0;
    DrawFrame();
    EXPECT_FALSE(Drawn("Vall"));
}

// Every colour a HUD line takes reads on the panel the HUD paints under it
// (the navy of its frames): a flash shown through a whole talk must not sink
// into it. The panel is read from the drawn frame, under each line.
class HudTextColours : public AreaRun {};

TEST_F(HudTextColours, EveryLineReadsOnTheNavyPanel) {
    ASSERT_NO_FATAL_FAILURE(StartFromSlot(SlotWordsOf("gate")));
    RunFrames(30);
    std::vector<std::uint8_t> rgba;
    int width = 0, height = 0;
    ASSERT_TRUE(plat::headless::RenderLastFrame(rgba, width, height));
    const auto luminance = [](float r, float g, float b) {
        const auto lin = [](float c) { return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f); };
        return 0.2126f * lin(r) + 0.7152f * lin(g) + 0.0722f * lin(b);
    };
    // The colour most of the line's box is painted in: the panel, as the
    // letters over it cover far less.
    const auto panelUnder = [&](const plat::headless::TextDrawRecord& t) {
        std::map<std::uint32_t, int> counts;
        int pixels = 0;
        for (int y = t.y; y < t.y + 12 && y < height; ++y)
            for (int x = t.x; x < t.x + 120 && x < width; ++x, ++pixels) {
                const std::uint8_t* p = &rgba[(std::size_t(y) * width + x) * 4];
                ++counts[std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2]];
            }
        const auto most = std::max_element(counts.begin(), counts.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
        EXPECT_GT(most->second * 2, pixels) << t.text << ": no one colour under most of it";
        return most->first;
    };
    struct Row {
        const char* line;
        std::vector<TextColour> colours;   // the numbers, the HP lost and the gain flashes, the hints
    };
    const Row rows[] = {{"HP", {kTextWhite, kTextRed, kTextBlue}}, {"EP", {kTextWhite, kTextBlue}},
                        {"Vall", {kTextWhite}}, {"Menu", {kTextHintGrey}}, {"Wmode", {kTextHintGrey}}};
    const auto& texts = plat::headless::LastFrame().texts;
    for (const Row& row : rows) {
        const auto drawn = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.text == row.line; });
        ASSERT_NE(drawn, texts.end()) << row.line;
        const std::uint32_t under = panelUnder(*drawn);
        const float r = (under >> 16) / 255.0f, g = ((under >> 8) & 255) / 255.0f, b = (under & 255) / 255.0f;
        const float panel = luminance(r, g, b);
        for (const TextColour& c : row.colours) {
            // A see-through colour shows the panel through it.
            const float text = luminance(c.a * c.r + (1 - c.a) * r, c.a * c.g + (1 - c.a) * g, c.a * c.b + (1 - c.a) * b);
            EXPECT_GE((text + 0.05f) / (panel + 0.05f), 4.5f)
                << row.line << " in " << c.r << "," << c.g << "," << c.b << " over the panel's " << std::hex << under;
        }
    }
}

TEST_F(HudTextTest, HpDropTurnsTheHpLineRedForATenthOfASecond) {
    Begin();
    ShowHud();
    MenuFlowState.hudUpdateOn = 1;
    RunFrames(20);   // the first update's gain flash passes
    DrawFrame();
    ExpectColour(Find("HP"), 1, 1, 1, 1);

    PlayerState.hp = 60;
    DrawFrame();
    const double redFrom = LastFrame().time;
    ExpectColour(Find("HP"), 1, 0.45f, 0.45f, 1);
    ExpectColour(Find("        60"), 1, 0.45f, 0.45f, 1);
    ExpectColour(Find("EP"), 1, 1, 1, 1);
    double whiteAt = 0;
    for (int i = 0; i < 30 && whiteAt == 0; ++i) {
        DrawFrame();
        const auto* hp = Find("HP");
        ASSERT_NE(hp, nullptr);
        if (hp->g == 1.0f) whiteAt = LastFrame().time;
    }
    EXPECT_GT(whiteAt - redFrom, 0.1);
    EXPECT_LE(whiteAt - redFrom, 0.1 + 3.0 / 64.0);
}

class HudSideBarTest : public HudTextTest {
protected:
    HudSideBarTest() {
        backBufferWidth = 1600;   // wider than 4:3: black bars of 288 px each side
        backBufferHeight = 768;
    }
};

TEST_F(HudSideBarTest, EveryTextMovesRightByTheBarWidth) {
    Begin();
    ShowHud();
    DrawFrame();
    ASSERT_EQ(VirtualScreen.xOffsetVirtual, 288);
    ExpectDrawAt(Find("HP"), 53 + 288, 28);
    ExpectDrawAt(Find("→ F6"), 108 + 288, 84);
}
