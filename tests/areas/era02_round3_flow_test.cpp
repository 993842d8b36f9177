// The third round played through the real frame loop from the sequencer's
// third state: the entrance, a fight of six phases with both talks, the
// round end and the prize. Enter goes to every line on screen; the
// opponent's HP is lowered through the test's hook to keep the fight short.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/player.h"
#include "core/random.h"
#include "shell/graphics.h"
#include "shell/shell_state.h"
#include "era02_flow.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = 47100;

class Round3Flow : public TournamentFlow {};

TEST_F(Round3Flow, EntranceSixPhasesBothTalksAndThePrize) {
    StartAtRound(3);
    SeedRandom(1903);
    ResetRound3BurstCounterForTests();
    Round3Scene.talkTrigger = 0;
    const std::uint32_t itemsBefore = ItemCounts[3];

    // The entrance: A near the marker, then its lines and the leap in.
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98; }, 600));
    PlayerState.x = O + 1458 + 129;
    Press(VkLetter('a'));
    ASSERT_TRUE(Play([] { return Round3Opponent.depth == 0.3f && MessageBoxOpen == 0 && EventHoldsPlayer == 0 &&
                                 Round3Opponent.y == 640; },
                     6000))
        << Listed();
    EXPECT_TRUE(Seen(50, 62)) << Listed();
    EXPECT_EQ(ScrollX, O + 948);
    EXPECT_EQ(TournamentState.platformHeight, 209);

    // The fight: she lands three bursts on the heroine standing right of her
    // (the first talk), then the heroine's own blows three times (the second),
    // the hook making every phase after each talk.
    int frames = 0;
    for (; frames < 60000 && Round3Scene.phase < 6; ++frames) {
        const std::int32_t trigger = Round3Scene.talkTrigger;
        if (MessageBoxOpen == 0 && EventHoldsPlayer == 0) {
            if (trigger == 2 && Round3Scene.phase < 3) TournamentState.opponentHp = -301;
            if (trigger == 2 && Round3Scene.phase >= 3 && frames % 40 == 0) Press(VkLetter('s'));
            const std::int32_t p = PlayerState.pose;
            if (trigger == 2 && Round3Scene.phase >= 3 && (p == 21 || p == 36 || p == 123 || p == 125))
                TournamentState.opponentHp -= 1;
            if (trigger == 4) TournamentState.opponentHp = -301;
        }
        Step();
    }
    ASSERT_EQ(Round3Scene.phase, 6) << "trigger " << Round3Scene.talkTrigger << " " << Listed();
    EXPECT_EQ(Round3Scene.talkTrigger, 4);
    EXPECT_TRUE(Seen(63, 68)) << Listed();
    EXPECT_TRUE(Seen(69, 73)) << Listed();

    // The end waits until the opponent stands clear of her. Standing still
    // she may be beaten back to a rope beside its hops for good, so, like a
    // player, she keeps her distance (toward the middle near a rope) until
    // its first line shows.
    int held = 0;
    for (int i = 0; i < 20000 && DialogueChannels.sideLine != 74; ++i) {
        const std::int32_t x = PlayerState.x, ox = Round3Opponent.x;
        int want = 0;
        if (MessageBoxOpen == 0 && std::abs(x - ox) < 200)
            want = x < O + 600 ? VK_RIGHT : x > O + 2300 ? VK_LEFT : x < ox ? VK_LEFT : VK_RIGHT;
        if (want != held) {
            if (held != 0) LetGo(held);
            if (want != 0) Hold(want);
            held = want;
        }
        Step();
    }
    if (held != 0) LetGo(held);

    // The end: its lines, the walk to the middle, the prize.
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98 && Round3Scene.endFlag == 1; }, 20000)) << Listed();
    EXPECT_TRUE(Seen(74, 87)) << Listed();
    ASSERT_TRUE(WalkTo(O + 1462, 10));
    Press(VkLetter('a'));
    ASSERT_TRUE(Play([&] { return ItemCounts[3] == itemsBefore + 3; }, 10));
    ASSERT_TRUE(Play([] { return TournamentState.state == 4; }, 1200)) << "round 3 never ended";
    EXPECT_EQ(TournamentState.platformHeight, 0);
    EXPECT_EQ(TextureFlags[47], 0u) << "the third opponent's sheet is freed and not asked for again";
    Play([] { return false; }, 30);
    EXPECT_EQ(TextureFlags[47], 0u);
    EXPECT_EQ(ItemCounts[3], itemsBefore + 3);
}

}  // namespace
