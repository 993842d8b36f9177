// The staff roll over the ending.
#include <gtest/gtest.h>

#include "core/game_flow.h"
#include "text/messages/staff_roll_lines.h"
#include "text/staff_roll.h"
#include "text/text_state.h"
#include "text_fixture.h"

namespace {

class StaffRollTest : public TextScreenTest {
protected:
    void Roll(std::int32_t offset) {
        CreditsRoll = offset;
        DrawFrame();
    }
    int VisibleLines() const {
        int n = 0;
        for (const auto& t : LastFrame().texts)
            if (t.y > -20 && t.y < 768) ++n;
        return n;
    }
};

}  // namespace

TEST(StaffRollLayoutTest, ClosingLineHoldsAt370FromMinus3020) {
    EXPECT_EQ(StaffRollLineY(kRollClosingK, 850), 850 + 30 * 113);
    EXPECT_EQ(StaffRollLineY(kRollClosingK, -3019), 371);
    EXPECT_EQ(StaffRollLineY(kRollClosingK, -3020), 370);
    EXPECT_EQ(StaffRollLineY(kRollClosingK, -3450), 370);
    // Lines above it keep moving.
    EXPECT_EQ(StaffRollLineY(112, -3450), -3450 + 30 * 112);
}

TEST(StaffRollLayoutTest, EveryLineFitsOnTheScreen) {
    for (const RollLine& line : kRollLines) {
        const int x = line.baseX + line.offset;
        EXPECT_GE(x, 0) << line.text;
        EXPECT_LE(x + RollTextWidth(line.text), 1024) << line.text;
    }
}

TEST_F(StaffRollTest, RollsUpInYellowAndHoldsTheClosingLine) {
    Begin(903);
    DialogueChannels.rollText = 2;

    Roll(850);
    EXPECT_FALSE(LastFrame().texts.empty());
    EXPECT_EQ(VisibleLines(), 0);

    Roll(738);   // 112 lowerings: the cast heading reaches the bottom
    const auto* heading = Find("--- 出演 ---");
    ExpectDrawAt(heading, 450 + 16, 768);
    ExpectColour(heading, 1, 1, 0, 1);
    EXPECT_EQ(heading->font, TextFontSet.font[6]);

    Roll(-3020);
    ExpectDrawAt(Find(kRollClosingLine), kRollMakerBase + kRollClosingOffset, 370);
    ExpectDrawAt(Find("    制作      "), 465 + 8, -3020 + 30 * 112);
    Roll(-3450);
    ExpectDrawAt(Find(kRollClosingLine), kRollMakerBase + kRollClosingOffset, 370);
    EXPECT_EQ(VisibleLines(), 1);
}

TEST_F(StaffRollTest, NothingOutsideTheEndingOrWithoutTheRollWord) {
    Begin(903);
    DialogueChannels.rollText = 0;
    Roll(0);
    EXPECT_TRUE(LastFrame().texts.empty());

    GameFlow.phase = 0;
    DialogueChannels.rollText = 2;
    Roll(0);
    EXPECT_FALSE(Drawn("--- 出演 ---"));
}
