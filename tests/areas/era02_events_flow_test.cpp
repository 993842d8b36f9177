// The arena after the tournament played through the real frame loop from
// Era03 at the east gate: the return with the trio on the ledge, the errand
// event out through the west door, the way back in, the gift talk in the
// second weapon mode and the exit to Era03 again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/opponent_frames.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/area_flags.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "era02_flow.h"
#include "shell/graphics.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = 47100;

class Era02EventsFlow : public TournamentFlow {};

TEST_F(Era02EventsFlow, ReturnErrandWestDoorGiftAndExit) {
    StartFromSlot([] {
        Era00AreaFlag = 0;
        Era03AreaFlag = 1;
        Era02EventsUnlocked = 1;
        ErrandState = 2;
        ArrivalScene.step = 100;
        TournamentState.state = 5;
        PlayerState.x = O + 3300;
        PlayerState.y = 640;
        PlayerState.facing = -1;
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        ScrollX = O + 2807;
    });
    SeedRandom(1905);
    HoldsEndedUnkept = 0;
    ResetEra02EventWords();
    const std::uint32_t items = ItemCounts[4];

    // The return through the east gate: the first of the run has the long
    // greeting, the trio on the ledge and the parting line.
    ASSERT_TRUE(Play([] { return Era02AreaFlag == 1 && MessageBoxOpen == 0; }, 4000)) << EventsListed();
    EXPECT_TRUE(SeenEvent(111, 116)) << EventsListed();
    EXPECT_EQ(TraceCount("Era03 --> Era02"), 1);
    EXPECT_EQ(Era03AreaFlag, 0);
    EXPECT_LE(PlayerState.x, O + 2707);
    EXPECT_EQ(GsFlags[kGsD042], kGraphicLoaded) << "the set pieces' pictures are back";
    EXPECT_EQ(TextureFlags[48], kGraphicLoaded);

    // The errand event: walking west sets it off; the loop counts 1..5 on
    // the round channel; she leaves through the west door.
    // She turns back to thank the opponent, striking the banner for her
    // send-off, whole in the picture (then walks off, the view with her).
    WalkTo(O + 1850, 20, true);
    int farewellFrames = 0;
    std::string cutOff;
    ASSERT_TRUE(Play(
        [&] {
            const std::int32_t line = DialogueChannels.eventLine;
            const era02_frames::Round4Row* r =
                FindRow(era02_frames::kRound4Frames, &era02_frames::Round4Row::frame, Round4Opponent.frame);
            if (line == 153 && r != nullptr) {
                ++farewellFrames;
                const std::int32_t left = Round4Opponent.x - r->pivotX, right = left + r->right - r->left;
                if (left < ScrollX || right > ScrollX + kViewWidth)
                    cutOff += std::to_string(line) + ":" + std::to_string(Round4Opponent.frame) + " ";
            }
            return Era02EventsState == 2;
        },
        20000))
        << EventsListed();
    EXPECT_GT(farewellFrames, 0);
    EXPECT_EQ(cutOff, "") << "lines and frames with the opponent cut by the picture's edge";
    EXPECT_TRUE(SeenEvent(117, 142)) << EventsListed();
    EXPECT_TRUE(SeenEvent(144, 157)) << EventsListed();
    EXPECT_NE(EventsListed().find("140 141 134 135 136 137 138 139 142 "), std::string::npos)
        << "the sixth counted Enter moves on once more, then 142 takes over: " << EventsListed();
    EXPECT_EQ(ListOf(roundLines_), "1 2 3 4 5 ");
    EXPECT_LE(PlayerState.x, O - 100);
    EXPECT_EQ(ArrivalViewLock, 1);

    // In again through the west door (the way out started the tournament's
    // sequencer afresh), then the gift in the second weapon mode.
    WalkTo(O - 60, 5, true);
    ASSERT_TRUE(Play([] { return MessageBoxOpen == 0 && PlayerState.x >= O + 250; }, 3000));
    EXPECT_EQ(TournamentState.state, 0);
    EXPECT_EQ(TournamentBoundsLock, 1);
    WalkTo(O + 1300, 5, true);
    ASSERT_TRUE(Play([] { return Era02EventsState == 4; }, 3000)) << EventsListed();
    EXPECT_TRUE(SeenEvent(158, 173)) << EventsListed();
    EXPECT_EQ(ItemCounts[4], items + 1);

    // Out through the east gate into Era03 again.
    WalkTo(O + 2650, 5, true);
    ASSERT_TRUE(Play([] { return Era03AreaFlag == 1 && MessageBoxOpen == 0; }, 3000));
    EXPECT_EQ(TraceCount("Era02 --> Era03"), 1);
    EXPECT_EQ(Era02AreaFlag, 0);
    EXPECT_GE(PlayerState.x, O + 3050);
    EXPECT_EQ(Era02ArenaDoor.openingOffset, 0);
    EXPECT_EQ(GsFlags[kEra03Set], kGraphicLoaded);
    EXPECT_EQ(ItemCounts[4], items + 1);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

}  // namespace
