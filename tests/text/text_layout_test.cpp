// The fixed layouts drawn with the fonts we ship: the HUD lines and the save
// slot summaries stand at fixed places, so the fonts must be small enough
// that no two of their strings overlap, whatever the numbers in them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "shell/save_slots.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "text_fixture.h"

namespace {

struct Ink {
    std::string text;
    plat::Rect box;   // on the virtual screen
};

std::vector<Ink> InkOfLastFrame(const std::vector<plat::headless::TextDrawRecord>& texts) {
    std::vector<Ink> out;
    for (const auto& t : texts) {
        plat::Rect b = plat::TextInkBox(t.font, t.text.c_str());
        if (b.right <= b.left) continue;   // blanks alone
        b.left += t.x;
        b.right += t.x;
        b.top += t.y;
        b.bottom += t.y;
        out.push_back({t.text, b});
    }
    return out;
}

// Every pair of inked boxes is apart (touching is allowed).
void ExpectNoOverlap(const std::vector<Ink>& inks) {
    for (std::size_t i = 0; i < inks.size(); ++i)
        for (std::size_t j = i + 1; j < inks.size(); ++j) {
            const plat::Rect& a = inks[i].box;
            const plat::Rect& b = inks[j].box;
            const bool overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
            EXPECT_FALSE(overlap) << "\"" << inks[i].text << "\" [" << a.left << ".." << a.right << "] and \""
                                  << inks[j].text << "\" [" << b.left << ".." << b.right << "] at y " << a.top
                                  << ".." << a.bottom << " / " << b.top << ".." << b.bottom;
        }
}

class TextLayoutTest : public TextScreenTest {};

}  // namespace

TEST_F(TextLayoutTest, HudStringsNeverOverlapForAnyNumberOfDigits) {
    Begin();
    MenuFlowState.hudUpdateOn = 0;
    HudState.shown = 1;
    HudState.hpTextState = 1;
    HudState.expTextState = 1;
    HudState.hudX = 53;
    HudState.hudY = 28;
    EndEveryHold();
    WindowModeLock = 0;
    // Every digit count of HP against every digit count of the maximum, the
    // widest digits and the narrowest; EXP and gold follow along. (An HP of
    // 0 or less would start the game over.)
    const std::int32_t values[] = {1, 8, 11, 88, 100, 888, 1000, 8888, 10000, 88888,
                                   100000, 888888, 1000000, 8888888, 9999999};
    int frames = 0;
    for (std::int32_t hp : values)
        for (std::int32_t maxHp : values) {
            SCOPED_TRACE(testing::Message() << "HP " << hp << " / " << maxHp);
            PlayerState.hp = hp;
            PlayerState.maxHp = maxHp;
            PlayerState.exp = maxHp;
            Gold = hp;
            const auto& texts = DrawFrame();
            ASSERT_GE(texts.size(), 12u);
            ExpectNoOverlap(InkOfLastFrame(texts));
            ++frames;
        }
    EXPECT_GT(frames, 200);
}

TEST_F(TextLayoutTest, SlotSummaryStringsNeverOverlap) {
    Begin(0);
    SaveScreenState.slotPromptShown = 1;
    SaveScreenState.cursorRow = 2;
    // Two-digit fields at their widest, play time of four-digit hours, values
    // of seven digits: the longest lines the formats make for a real save.
    SaveSummaryRecord widest;
    widest.year = 2088;
    widest.month = 12;
    widest.day = 28;
    widest.hour = 23;
    widest.minute = 58;
    widest.second = 58;
    widest.playHours = 8888;
    widest.playMinutes = 58;
    widest.playSeconds = 58;
    widest.hp = 8888888;
    widest.maxHp = 8888888;
    widest.exp = 8888888;
    widest.gold = 8888888;
    SaveSummaryRecord narrow = widest;
    narrow.month = 1;
    narrow.day = 1;
    narrow.hour = 1;
    narrow.minute = 1;
    narrow.second = 1;
    narrow.playHours = 1;
    for (const SaveSummaryRecord& s : {widest, narrow}) {
        SaveSummaries[1] = s;
        SaveSummaries[2] = s;
        SaveSummaries[3] = s;
        const auto& texts = DrawFrame();
        ASSERT_EQ(FindAll("トータル").size(), 3u);
        ExpectNoOverlap(InkOfLastFrame(texts));
    }
}
