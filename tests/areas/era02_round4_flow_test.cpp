// The last round played through the real frame loop from the sequencer's
// fourth state: the entrance with its long talk and the leap down, a fight
// cut short through the HP hook, and the close: the prize, the walk out
// through the arena door, the trio's talk above the exit and the switch of
// the game to Era03.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/residency.h"
#include "era02_flow.h"
#include "shell/graphics.h"
#include "support/slot_words.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = 47100;

class Round4Flow : public TournamentFlow {};

TEST_F(Round4Flow, EntranceFightCloseAndTheWayIntoEra03) {
    StartAtRound(4);
    HoldsEndedUnkept = 0;
    SeedRandom(1904);
    ResetRound4AttackWords();
    ResetRound4HitWords();
    const std::int64_t goldBefore = Gold;

    // The entrance: the marker rises (an A during its rise is not taken),
    // A near it, the talk, the rise, the platform, the long talk, the leap.
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98; }, 600));
    Step();
    PlayerState.x = O + 1458 + 129;
    Press(VkLetter('a'));
    ASSERT_TRUE(Play([] { return DialogueChannels.eventLine == 4; }, 2000)) << EventsListed();
    EXPECT_EQ(ScrollX, O + 948);
    ASSERT_TRUE(Play([] { return Round4Opponent.frame != 0 && MessageBoxOpen == 0 && EventHoldsPlayer == 0 &&
                                 DialogueChannels.eventLine == 0; },
                     6000))
        << EventsListed();
    EXPECT_TRUE(SeenEvent(1, 20)) << EventsListed();
    EXPECT_EQ(TournamentState.platformHeight, 209);
    EXPECT_EQ(Round4Opponent.y, 640);

    // The fight: beaten at once through the hook, the HP stays at 5 until
    // both stand on the floor in the middle of the view. The fight's start
    // leaves the up key taken (she hops on the platform) until she walks.
    TournamentState.opponentHp = 1;
    Step();
    EXPECT_EQ(TournamentState.opponentHp, 5) << "held while she stands on the platform";
    Round4ToTheMiddle(Hands());
    ASSERT_EQ(DialogueChannels.eventLine, 27) << EventsListed();
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(Round4Opponent.y, 640);

    // The close: the talk, the prize, the walk out, the trio, Era03.
    ASSERT_TRUE(Play([] { return DialogueChannels.eventLine == 47; }, 3000)) << EventsListed();
    EXPECT_TRUE(SeenEvent(27, 46)) << EventsListed();
    EXPECT_EQ(Gold, goldBefore + 10000);
    ASSERT_TRUE(Play([] { return DialogueChannels.eventLine == 52; }, 3000)) << EventsListed();
    EXPECT_TRUE(SeenEvent(47, 50)) << EventsListed();
    EXPECT_GE(PlayerState.x, O + 3256);
    EXPECT_EQ(ScrollX, O + 2807);
    EXPECT_EQ(Era02ArenaDoor.openingOffset, 0);
    ASSERT_TRUE(Play([] { return TournamentState.state == 5 || Era03AreaFlag == 1; }, 5000)) << EventsListed();
    EXPECT_TRUE(SeenEvent(52, 66)) << EventsListed();
    Play([] { return false; }, 20);
    EXPECT_EQ(TournamentState.state, 5);
    EXPECT_EQ(Era03AreaFlag, 1);
    EXPECT_EQ(Era02AreaFlag, 0);
    EXPECT_EQ(TraceCount("Era02 --> Era03"), 1);
    EXPECT_EQ(GsFlags[kGsD042], kGraphicAbsent);
    EXPECT_EQ(GsFlags[kEra03Set], kGraphicLoaded);
    EXPECT_EQ(Gold, goldBefore + 10000);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_GE(PlayerState.x, O + 3256);
    EXPECT_EQ(PlayerState.facing, -1);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

// F2 and A pressed in one frame at a round's marker: the entrance takes her,
// and the menu key, in the step the menu was asked for. The menu does not
// open, or F2 gives the game back; either way the entrance's talk comes up.
struct MarkerRow {
    const char* slot;
    std::int32_t DialogueChannelsRecord::*line;
    std::int32_t firstLine;
};

void PrintTo(const MarkerRow& r, std::ostream* os) { *os << r.slot; }

class MarkerWithTheMenuKey : public TournamentFlow, public ::testing::WithParamInterface<MarkerRow> {};

TEST_P(MarkerWithTheMenuKey, F2AndAInOneFrameLeaveHerTheGame) {
    const MarkerRow row = GetParam();
    StartFromSlot(SlotWordsOf(row.slot));
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98; }, 600));
    Step();
    ASSERT_LT(std::abs(PlayerState.x - (O + 1458)), 129) << "the slot stands her at the marker";
    Press(VK_F2);
    Press(VkLetter('a'));
    int menuFrames = 0;
    ASSERT_TRUE(Play(
        [&] {
            if (GameFlow.phase == 0 && ++menuFrames % 32 == 0) Tap(VK_F2);
            return GameFlow.phase == 1 && DialogueChannels.*row.line == row.firstLine;
        },
        3000))
        << "phase " << GameFlow.phase << ", menu key blocked " << MenuKeyBlocked;
}

INSTANTIATE_TEST_SUITE_P(Era02, MarkerWithTheMenuKey,
                         ::testing::Values(MarkerRow{"round3", &DialogueChannelsRecord::sideLine, 50},
                                           MarkerRow{"round4", &DialogueChannelsRecord::eventLine, 1}),
                         [](const ::testing::TestParamInfo<MarkerRow>& info) { return std::string(info.param.slot); });

}  // namespace
