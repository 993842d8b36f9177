// The staff roll over the ending.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "areas/message_tables.h"
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

// The cast stands on lines 2 to 49, and every speaker the message tables
// give a label to stands in it under the name the label gives: a voice
// heard (a label ending in the voice's mark) under its owner's name, a
// shared label under each of its names; a label of question marks only
// keeps the speaker hidden and names nobody.
TEST(StaffRollLayoutTest, TheCastNamesEverySpeakerOfTheLines) {
    constexpr std::string_view kBlank = "　", kColon = "：", kVoice = "の声", kAnd = "＆", kQuestion = "？",
                               kSlash = "／";
    auto split = [](std::string_view text, std::string_view by) {
        std::vector<std::string> parts;
        for (std::size_t at = 0;;) {
            const std::size_t next = text.find(by, at);
            parts.emplace_back(text.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
            if (next == std::string_view::npos) return parts;
            at = next + by.size();
        }
    };
    std::set<int> castLines;
    std::set<std::string> castNames;
    for (const RollLine& line : kRollLines) {
        if (line.baseX != kRollCastBase || line.k < 2) continue;
        castLines.insert(line.k);
        for (const std::string& word : split(line.text, kBlank))
            for (const std::string& name : split(word, kSlash)) castNames.insert(name);
    }
    EXPECT_EQ(castLines.size(), 48u);
    EXPECT_EQ(*castLines.begin(), 2);
    EXPECT_EQ(*castLines.rbegin(), 49);

    const AreaMessageTable tables[] = {Era00MessageTable,      Era01MessageTable,          Era02MessageTable,
                                       Era03MessageTable,      Era03CampMessageTable,      Era04StageMessageTable,
                                       Era04EncounterMessageTable, FinaleMessageTable};
    std::set<std::string> speakers;
    for (const AreaMessageTable& table : tables)
        for (std::size_t e = 0; e < table.count; ++e)
            for (std::int32_t i = 0; i < table.entries[e].lineCount; ++i) {
                std::string_view text = table.entries[e].lines[i].text;
                const std::size_t colon = text.find(kColon);
                if (colon == std::string_view::npos) continue;
                std::string_view label = text.substr(0, colon);
                while (label.ends_with(" ") || label.ends_with(kBlank))
                    label.remove_suffix(label.ends_with(" ") ? 1 : kBlank.size());
                if (label.empty() || label.starts_with(kBlank)) continue;
                if (label.ends_with(kVoice)) label.remove_suffix(kVoice.size());
                for (const std::string& name : split(label, kAnd)) {
                    std::string_view rest = name;
                    while (rest.starts_with(kQuestion)) rest.remove_prefix(kQuestion.size());
                    if (!rest.empty()) speakers.insert(name);
                }
            }
    EXPECT_GE(speakers.size(), 30u) << "the labels were not found in the tables";
    for (const std::string& speaker : speakers) EXPECT_TRUE(castNames.count(speaker)) << speaker << " is not in the cast";
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
