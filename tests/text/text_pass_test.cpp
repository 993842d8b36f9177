// The text pass's bookkeeping (clock, frame time, blink) and the area blocks'
// message entries.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>

#include "core/game_clock.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/frame.h"
#include "shell/keyboard.h"
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

TEST(TextPassBookkeepingTest, AStallCountsAsAFiftiethFrameASlowFrameAsItself) {
    plat::headless::Reset();
    PassAt(10.0);
    PassAt(10.25);   // slow, but no stall
    EXPECT_DOUBLE_EQ(GameClock.frameTime, 0.25);
    PassAt(10.75);   // a hitch: a knock back would jump by all of it
    EXPECT_DOUBLE_EQ(GameClock.frameTime, 0.02);
    EXPECT_DOUBLE_EQ(GameClock.realTime, 10.75);
    EXPECT_DOUBLE_EQ(GameClock.prevRealTime, 10.75);
    PassAt(11.7);
    EXPECT_DOUBLE_EQ(GameClock.frameTime, 0.02);
    PassAt(12.7);   // a whole second
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

namespace {

// Entries of a made-up area block: two channels, a value range, a gate.
bool gateOpen = true;
bool TestGate() { return gateOpen; }

constexpr MessageLine kStoryLines[] = {{210, 700, "ﾃｽﾄ　：　はじめの行"}, {255, 725, "つづきの行 100%"}};
constexpr MessageLine kFieldLines[] = {{210, 700, "べつの行"}};
constexpr MessageLine kGatedLines[] = {{300, 600, "とくべつな行"}};
constexpr AreaMessageEntry kTestEntries[] = {
    {&DialogueChannelsRecord::storyLine, 6, 7, nullptr, 6, 80, kTextBlack, kStoryLines, 1},
    {&DialogueChannelsRecord::storyLine, 7, 7, nullptr, 6, 80, kTextBlack, kStoryLines + 1, 1},
    {&DialogueChannelsRecord::fieldLine, 30, 30, nullptr, 8, 80, kTextWhite, kFieldLines, 1},
    {&DialogueChannelsRecord::fieldLine, 31, 31, TestGate, 7, 80, kTextBlack, kGatedLines, 1},
};

// The game's own frame, then the test block drawn in the same frame, the
// way an area block is drawn by the text pass.
void FrameWithTestBlock(double time, float elapsed) {
    RunFrame(time, elapsed);
    DrawAreaMessageEntries(kTestEntries, std::size(kTestEntries));
}

// The game's callbacks with the render callback set to `render`.
void RenderWith(void (*render)(double, float)) {
    plat::Callbacks callbacks;
    callbacks.onCreateDevice = [] { return OnCreateDeviceResources(); };
    callbacks.onResetDevice = [](const plat::BackBufferDesc& bb) {
        return OnResetDeviceResources(bb.width, bb.height);
    };
    callbacks.onLostDevice = OnLostDevice;
    callbacks.onDestroyDevice = OnDestroyDevice;
    callbacks.onMessage = OnMessage;
    callbacks.onKeyboard = OnKeyboard;
    callbacks.onFrameRender = render;
    callbacks.onFrameMove = OnFrameMove;
    plat::FrameworkSetCallbacks(callbacks);
}

class AreaTextsTest : public TextScreenTest {
protected:
    void SetUp() override {
        TextScreenTest::SetUp();
        Begin(1);
        RenderWith(FrameWithTestBlock);
    }
    void TearDown() override {
        RenderWith(RunFrame);
        gateOpen = true;
        TextScreenTest::TearDown();
    }
};

}  // namespace

TEST_F(AreaTextsTest, EntriesShowWhileTheirValuesAndGatesHold) {
    DialogueChannels.storyLine = 6;
    DrawFrame();
    ExpectDrawAt(Find("ﾃｽﾄ　：　はじめの行"), 210, 700);
    ExpectColour(Find("ﾃｽﾄ　：　はじめの行"), 0, 0, 0, 1);
    EXPECT_FALSE(Drawn("つづきの行 100%"));

    // The next value reveals the second line under the first (a range holds
    // both); a '%' in a line is drawn as it stands.
    DialogueChannels.storyLine = 7;
    DialogueChannels.fieldLine = 30;
    DrawFrame();
    EXPECT_TRUE(Drawn("ﾃｽﾄ　：　はじめの行"));
    ExpectDrawAt(Find("つづきの行 100%"), 255, 725);
    const auto* field = Find("べつの行");
    ExpectDrawAt(field, 210, 700);   // two channels at once, overlapping
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->font, TextFontSet.font[8]);

    DialogueChannels.storyLine = 8;   // past the range: nothing
    DialogueChannels.fieldLine = 31;
    gateOpen = false;
    DrawFrame();
    EXPECT_FALSE(Drawn("ﾃｽﾄ　：　はじめの行"));
    EXPECT_FALSE(Drawn("とくべつな行"));
    gateOpen = true;
    DrawFrame();
    ExpectDrawAt(Find("とくべつな行"), 300, 600);
}
