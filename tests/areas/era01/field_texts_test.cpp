// The field's lines as the text pass draws them: every value of every
// channel shows its number of lines at its layout, the notice bears the
// day's date, the seller's offer the heroine's gold, and the teacher's lines
// follow whether the later areas' events are unlocked.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "core/player.h"
#include "platform/platform.h"
#include "shell/shell_state.h"
#include "shell/trace_log.h"
#include "text/text_fixture.h"
#include "text/text_state.h"

namespace {

using Field = std::int32_t DialogueChannelsRecord::*;

// (channel, first value, last value, lines each shows).
struct Shows {
    Field channel;
    std::int32_t from, to, lines;
};
constexpr Field F = &DialogueChannelsRecord::fieldLine;
constexpr Field S = &DialogueChannelsRecord::storyLine;
constexpr Field G = &DialogueChannelsRecord::gateLine;
constexpr Field A = &DialogueChannelsRecord::arenaLine;
constexpr Field D = &DialogueChannelsRecord::sideLine;
const Shows kShows[] = {
    {F, 29, 29, 1}, {F, 30, 30, 1}, {F, 31, 31, 2},
    {F, 32, 32, 1}, {F, 33, 33, 2}, {F, 34, 34, 1}, {F, 35, 35, 1}, {F, 36, 36, 2},
    {F, 37, 37, 1}, {F, 38, 38, 2}, {F, 39, 39, 1}, {F, 40, 40, 2}, {F, 41, 41, 1}, {F, 42, 42, 2},
    {F, 43, 43, 1}, {F, 44, 44, 2}, {F, 45, 45, 1}, {F, 46, 46, 2}, {F, 47, 47, 1}, {F, 48, 48, 2},
    {F, 49, 49, 0}, {F, 50, 52, 1}, {F, 53, 53, 2}, {F, 54, 56, 1}, {F, 57, 57, 2}, {F, 58, 58, 1},
    {F, 59, 59, 2}, {F, 60, 60, 1}, {F, 61, 61, 2}, {F, 62, 63, 1}, {F, 64, 64, 2}, {F, 65, 66, 1},
    {F, 67, 67, 2}, {F, 68, 68, 1}, {F, 69, 69, 2}, {F, 70, 70, 1}, {F, 71, 71, 2}, {F, 72, 73, 1},
    {F, 74, 74, 2}, {F, 75, 76, 1}, {F, 77, 78, 2}, {F, 79, 79, 1}, {F, 80, 80, 2}, {F, 81, 81, 1},
    {F, 82, 100, 0}, {F, 101, 109, 1},
    {A, 1, 11, 1},
    {S, 20, 20, 1}, {S, 21, 23, 2}, {S, 24, 24, 1}, {S, 25, 25, 1}, {S, 26, 26, 2}, {S, 27, 27, 1},
    {S, 28, 28, 2}, {S, 29, 30, 1}, {S, 31, 31, 2}, {S, 32, 32, 1}, {S, 33, 33, 2}, {S, 34, 34, 1},
    {S, 35, 35, 2}, {S, 36, 36, 1}, {S, 37, 37, 2}, {S, 38, 38, 1}, {S, 39, 39, 2}, {S, 40, 40, 2},
    {S, 41, 41, 2}, {S, 42, 42, 1}, {S, 43, 43, 2}, {S, 44, 46, 1}, {S, 50, 50, 1}, {S, 51, 51, 2},
    {S, 52, 53, 1}, {S, 54, 54, 2}, {S, 55, 55, 1}, {S, 56, 56, 2}, {S, 57, 61, 1}, {S, 62, 62, 2},
    {S, 63, 64, 1}, {S, 65, 65, 2}, {S, 66, 66, 1}, {S, 67, 67, 2}, {S, 68, 68, 1}, {S, 69, 69, 2},
    {S, 70, 70, 1}, {S, 71, 71, 2}, {S, 72, 72, 1}, {S, 73, 73, 2}, {S, 74, 74, 1}, {S, 75, 75, 2},
    {S, 76, 76, 1}, {S, 77, 77, 2}, {S, 78, 78, 1}, {S, 79, 80, 2}, {S, 81, 82, 1}, {S, 83, 83, 2},
    {S, 84, 84, 1}, {S, 85, 85, 2}, {S, 86, 86, 1}, {S, 87, 87, 2}, {S, 88, 89, 1}, {S, 90, 90, 2},
    {S, 91, 92, 1}, {S, 1001, 1004, 1}, {S, 1005, 1005, 2}, {S, 1006, 1006, 1}, {S, 1007, 1007, 2},
    {S, 1008, 1010, 1}, {S, 1011, 1011, 2}, {S, 1012, 1012, 1}, {S, 1013, 1014, 2}, {S, 1015, 1016, 1},
    {S, 1017, 1017, 2}, {S, 1018, 1018, 1}, {S, 1021, 1034, 1}, {S, 1035, 1036, 2}, {S, 1037, 1057, 1},
    {S, 1058, 1058, 2}, {S, 1059, 1063, 1},
    {G, 1, 1, 1}, {G, 2, 2, 2}, {G, 3, 3, 1}, {G, 4, 4, 2}, {G, 5, 5, 1}, {G, 6, 7, 2}, {G, 8, 9, 1},
    {G, 10, 10, 2}, {G, 11, 11, 1}, {G, 12, 12, 2}, {G, 13, 13, 1}, {G, 14, 14, 2}, {G, 15, 16, 1},
    {G, 17, 17, 2}, {G, 18, 18, 1},
    {D, 1, 23, 1},
};

// (24 and 40 open the gatekeeper's talks: the stage moves each on to its
// first line, 25 or 41, before the text pass draws the frame.)
class FieldTexts : public TextScreenTest {
protected:
    void SetUp() override {
        TextScreenTest::SetUp();
        Begin(1);
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
    }
    // The lines of the dialogue box and the one above it.
    std::vector<plat::headless::TextDrawRecord> BoxLines(Field channel, std::int32_t value) {
        DialogueChannels = DialogueChannelsRecord{};
        DialogueChannels.*channel = value;
        std::vector<plat::headless::TextDrawRecord> out;
        for (const auto& t : DrawFrame())
            if (t.y == 545 || t.y == 700 || t.y == 725 || t.y == 735) out.push_back(t);
        return out;
    }
};

TEST_F(FieldTexts, EveryValueDrawsItsLinesAtItsLayout) {
    for (const Shows& row : kShows) {
        for (std::int32_t v = row.from; v <= row.to; ++v) {
            const auto lines = BoxLines(row.channel, v);
            ASSERT_EQ(static_cast<std::int32_t>(lines.size()), row.lines) << v;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const auto& t = lines[i];
                if (row.channel == D && v >= 2) {
                    EXPECT_EQ(t.y, 545) << v;
                    EXPECT_FLOAT_EQ(t.r, 1.0f) << "white above the box: " << v;
                    continue;
                }
                EXPECT_EQ(t.y, i == 0 ? 700 : (row.channel == S && v == 23 ? 735 : 725)) << v;
                EXPECT_FLOAT_EQ(t.r, 0.0f) << v;
                const bool notice = row.channel == S && v >= 21 && v <= 23;
                if (!notice) { EXPECT_EQ(t.x, 210) << v; }
            }
        }
    }
}

TEST_F(FieldTexts, TheNoticeBearsTheDayAndTheOfferTheGold) {
    // The frame samples the local date itself: the notice shows that day.
    auto notice = BoxLines(S, 23);
    ASSERT_EQ(notice.size(), 2u);
    EXPECT_EQ(notice[0].x, 285);
    EXPECT_EQ(notice[1].x, 305);
    plat::LocalDateTime today;
    ASSERT_TRUE(plat::QueryLocalTime(today));
    char expected[64];
    std::snprintf(expected, sizeof expected, "%4d年%02d月%02d日 道の管理人より", today.year, today.month, today.day);
    EXPECT_EQ(notice[1].text, expected);
    EXPECT_EQ(TraceSample.day, today.day);
    Gold = 1234;
    auto offer = BoxLines(S, 41);
    ASSERT_EQ(offer.size(), 2u);
    EXPECT_EQ(offer[1].text, "　　　　　　やってく→　Y    所持金　      1234バル");
    EXPECT_EQ(BoxLines(S, 40).size(), 1u) << "40 shows the seller's line alone";
}

TEST_F(FieldTexts, TheTeacherTalksInHerSleepOnceTheLaterEventsAreUnlocked) {
    for (std::int32_t v : {89, 90, 91, 92}) {
        Era02EventsUnlocked = 0;
        const auto awake = BoxLines(S, v);
        Era02EventsUnlocked = 1;
        const auto asleep = BoxLines(S, v);
        ASSERT_EQ(awake.size(), asleep.size()) << v;
        EXPECT_NE(awake[0].text, asleep[0].text) << v;
        if (v == 90) { EXPECT_EQ(awake[1].text, asleep[1].text) << "her answer stays"; }
    }
    Era02EventsUnlocked = 0;
}

}  // namespace
