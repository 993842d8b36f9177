// The field's lines that hang on more than the channel: the notice bears the
// day's date, the seller's offer the heroine's gold, and the teacher's lines
// follow whether the later areas' events are unlocked.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "core/area_flags.h"
#include "core/player.h"
#include "core/trace_log.h"
#include "platform/platform.h"
#include "text/text_fixture.h"
#include "text/text_state.h"

namespace {

using Field = std::int32_t DialogueChannelsRecord::*;

constexpr Field S = &DialogueChannelsRecord::storyLine;

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
