// The text pass's bookkeeping (clock, frame time, blink) and the area blocks'
// message entries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/headless.h"
#include "shell/shell_state.h"
#include "text/messages/area_texts.h"
#include "text/text_pass.h"
#include "text/text_state.h"
#include "text_fixture.h"

namespace {

void PassAt(double seconds) {
    plat::headless::SetTime(seconds);
    TextPassBookkeeping();
}

}  // namespace

TEST(TextPassBookkeepingTest, StallOfASecondOrMoreCountsAsAFiftiethFrame) {
    plat::headless::Reset();
    PassAt(10.0);
    PassAt(10.5);
    EXPECT_DOUBLE_EQ(GameClock.frameTime, 0.5);
    EXPECT_DOUBLE_EQ(GameClock.realTime, 10.5);
    EXPECT_DOUBLE_EQ(GameClock.prevRealTime, 10.5);
    PassAt(11.7);
    EXPECT_DOUBLE_EQ(GameClock.frameTime, 0.02);
    PassAt(12.7);   // exactly 1.0
    EXPECT_DOUBLE_EQ(GameClock.frameTime, 0.02);
    PassAt(12.72);
    EXPECT_NEAR(GameClock.frameTime, 0.02, 1e-9);
}

TEST(TextPassBookkeepingTest, BlinkFlipsOncePerTenthOfASecondNeverTwiceInOnePass) {
    plat::headless::Reset();
    PassAt(5.0);
    int flips = 0;
    double lastFlip = 5.0;
    for (int i = 1; i <= 200; ++i) {
        const double t = 5.0 + i * 0.01;
        const std::int32_t before = TextBlinkToggle;
        PassAt(t);
        if (TextBlinkToggle != before) {
            ++flips;
            EXPECT_GE(t - lastFlip, 0.1 - 1e-9);
            EXPECT_LT(t - lastFlip, 0.1 + 0.011);
            lastFlip = t;
        }
    }
    EXPECT_GE(flips, 18);
    EXPECT_LE(flips, 20);

    // A long gap flips it once, not back again in the same pass.
    const std::int32_t before = TextBlinkToggle;
    PassAt(20.0);
    EXPECT_NE(TextBlinkToggle, before);
}

TEST(TextHelperTest, LongLinesAreCutAtWholeCharacters) {
    std::string text;
    for (int i = 0; i < 600; ++i) text += "あ";
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    EXPECT_EQ(TextCutToCharacters(buffer.data(), 511), 511);
    EXPECT_EQ(std::strlen(buffer.data()), 511u * 3u);

    // A character cut off by a full buffer is dropped whole.
    char partial[] = {'a', char(0xE3), char(0x81), '\0'};
    EXPECT_EQ(TextCutToCharacters(partial, 511), 1);
    EXPECT_STREQ(partial, "a");
}
