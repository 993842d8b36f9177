// The field's gate and its talk: which values of the gate's lines it shows
// at each contact, against the values its message table has lines for.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/player.h"
#include "message_rows.h"

namespace {

using R = DialogueChannelsRecord;

class Era01GateTalk : public MessageRowsTest {};

}  // namespace

// The gate's talk belongs to her first contact with it, the gate shut and
// its key not yet used: the gate shows every value the table has lines for
// then, and none at her next contact nor as it opens. So no line of the
// talk is ever up with the gate open or the key brought, whatever it says.
TEST_F(Era01GateTalk, TheGatesTalkBelongsToTheFirstContactWithTheGateShut) {
    BeginArea(Era01AreaFlag);
    std::set<std::int32_t> tabled;
    for (std::int32_t v = 1; v <= 60; ++v)
        if (!LinesOf(&R::gateLine, v).empty()) tabled.insert(v);

    // The gate stepped by hand, Enter given to a line that waits every other
    // frame, so that each line shows; she stands at it, and each value it
    // shows is noted with the gate's progress (0 before the talk, 1 after
    // it, 2 with the key used, 3 open).
    ResetEra00Era01Area();
    EndEveryHold();
    GameClock.gameClock = 100.0;
    std::map<std::int32_t, std::set<std::int32_t>> shownAt;
    const auto atTheGate = [&](const auto& until) {
        for (int frame = 0; frame < 3000 && !until(); ++frame) {
            GameClock.gameClock += 0.014;
            PlayerState.x = SectionAnchorX[21] + 500;
            PlayerState.y = 740;
            if (EnterConfirmState == 1 && frame % 2 == 1) EnterConfirmState = 2;
            const std::int32_t progress = Era01Progress;
            UpdateEra01Gate();
            if (DialogueChannels.gateLine != 0) shownAt[progress].insert(DialogueChannels.gateLine);
        }
    };
    atTheGate([] { return Era01Progress == 1; });
    ASSERT_EQ(Era01Progress, 1) << "the first contact's talk did not end";
    int frames = 0;
    atTheGate([&] { return ++frames > 300; });
    Era01Progress = 2;   // the key used from the item screen
    atTheGate([] { return Era01Progress == 3; });
    EXPECT_EQ(Era01Progress, 3) << "the gate did not open";
    EndEveryHold();

    EXPECT_EQ(shownAt[0], tabled) << "the first contact shows other values than the table has lines for";
    EXPECT_TRUE(shownAt[1].empty()) << "a value shown at the contact after the talk";
    EXPECT_TRUE(shownAt[2].empty()) << "a value shown as the gate opens";
    EXPECT_EQ(DialogueChannels.gateLine, 0);
}
