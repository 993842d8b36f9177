// The arena's later events: a second return of the run is short, the errand
// waits for the opponent's sheet, and the gift is given once, on line 164.
#include <gtest/gtest.h>

#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"
#include "shell/graphics.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = 47100;

void Tick() { GameClock.gameClock += 1.0 / 64; }

// Steps `run` until it reports 99 (or `limit` steps), reading every line a
// step after it shows; the lines seen in turn.
template <typename Run>
std::vector<std::int32_t> PlayThrough(Run run, int limit = 5000) {
    std::vector<std::int32_t> lines;
    bool turn = false;
    for (int i = 0; i < limit && run() != 99; ++i) {
        const std::int32_t l = DialogueChannels.eventLine;
        if (l != 0 && (lines.empty() || lines.back() != l)) lines.push_back(l);
        turn = !turn;
        if (turn && EnterConfirmState == 1) EnterConfirmState = 2;
        Tick();
    }
    return lines;
}

class Era02EventsNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        GameClock.gameClock = 50.0;
        ResetEra02EventWords();
        TextureFlags[48] = kGraphicLoaded;
    }
};

// The trio greet her from the tower's ledge and are still there while she
// answers them; they go in once the talk is read.
TEST_F(Era02EventsNumbers, OnlyTheFirstReturnOfAGameHasTheLongTalk) {
    // The last return comes in a new game.
    const std::vector<std::vector<std::int32_t>> expected = {
        {111, 112, 113, 114, 115, 116}, {114, 115}, {114, 115}, {111, 112, 113, 114, 115, 116}};
    for (const std::vector<std::int32_t>& lines : expected) {
        if (&lines == &expected.back()) ResetEra02Area();
        PlayerState.x = O + 3207;
        RunEra02ReturnFromEra03(0);
        int greetedFromAnEmptyLedge = 0, trioGoneAtTheEnd = 0;
        const auto seen = PlayThrough([&] {
            // Nobody walks her in a unit run: the walk out is done for her.
            if (KeyLeftPressed == 1) PlayerState.x -= 8;
            const std::int32_t step = RunEra02ReturnFromEra03(1);
            const std::int32_t line = DialogueChannels.eventLine;
            for (const EncounterTrioActor& a : EncounterTrio.actor) {
                greetedFromAnEmptyLedge += (line == 115 || line == 116) && a.frame == 0;
                trioGoneAtTheEnd += step == 99 && a.frame == 0;
            }
            return step;
        });
        EXPECT_EQ(seen, lines);
        EXPECT_EQ(greetedFromAnEmptyLedge, 0);
        EXPECT_EQ(trioGoneAtTheEnd, 3);
        EXPECT_EQ(Era02AreaFlag, 1);
    }
}

TEST_F(Era02EventsNumbers, TheErrandWaitsForTheOpponentsSheet) {
    TextureFlags[48] = kGraphicAbsent;
    RunEra02ErrandEvent(0);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(RunEra02ErrandEvent(1), 1);
        Tick();
    }
    EXPECT_EQ(TextureFlags[48], kGraphicRequested);
    EXPECT_EQ(DialogueChannels.eventLine, 0);
    TextureFlags[48] = kGraphicLoaded;
    EXPECT_EQ(RunEra02ErrandEvent(1), 3);
    EXPECT_EQ(DialogueChannels.eventLine, 117);
}

TEST_F(Era02EventsNumbers, TheGiftIsGivenOnceOnLine164) {
    ItemCounts[4] = 2;
    RunEra02GiftTalk(0);
    std::int32_t givenOn = 0;
    const auto seen = PlayThrough([&] {
        const std::int32_t line = DialogueChannels.eventLine;
        const bool read = EnterConfirmState == 2;
        const std::int32_t step = RunEra02GiftTalk(1);
        if (ItemCounts[4] != 2 && givenOn == 0) givenOn = read ? line : -1;
        return step;
    });
    EXPECT_EQ(seen.front(), 158);
    EXPECT_EQ(seen.back(), 173);
    EXPECT_EQ(givenOn, 164);
    EXPECT_EQ(ItemCounts[4], 3u);
    EXPECT_EQ(MessageBoxOpen, 0);
}

}  // namespace
