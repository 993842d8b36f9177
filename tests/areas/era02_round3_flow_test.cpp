// The third round played through the real frame loop from the sequencer's
// third state: the entrance, a fight of six phases with both talks, the
// round end and the prize. Enter goes to every line on screen; the
// opponent's HP is lowered through the test's hook to keep the fight short.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "era02_flow.h"
#include "platform/platform.h"
#include "support/game_harness.h"
#include "shell/graphics.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = 47100;

class Round3Flow : public TournamentFlow {};

TEST_F(Round3Flow, EntranceSixPhasesBothTalksAndThePrize) {
    StartAtRound(3);
    SeedRandom(1903);
    HoldsEndedUnkept = 0;
    ResetRound3GlowWords();
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
    ASSERT_TRUE(Round3Fight(Hands())) << "trigger " << Round3Scene.talkTrigger << " " << Listed();
    EXPECT_EQ(Round3Scene.talkTrigger, 4);
    EXPECT_TRUE(Seen(63, 68)) << Listed();
    EXPECT_TRUE(Seen(69, 73)) << Listed();

    // The end waits until the opponent stands clear of her. Standing still
    // she may be beaten back to a rope beside its hops for good, so, like a
    // player, she keeps her distance (toward the middle near a rope) until
    // its first line shows.
    ASSERT_TRUE(Round3KeepClear(Hands())) << Listed();

    // The end: its lines, the walk to the middle, the prize. She stands
    // facing the heroine through the talk (her last line, the heroine's
    // thanks and cheer, 74 to 81) and only then falls and sinks away.
    ASSERT_GE(DialogueChannels.sideLine, 74) << Listed();
    std::set<std::int32_t> talkFrames, laterFrames;
    bool cheered = false, over = false;
    ASSERT_TRUE(Play(
        [&] {
            const std::int32_t line = DialogueChannels.sideLine;
            cheered = cheered || line == 81;
            over = over || (cheered && line != 81);
            if (!over) talkFrames.insert(Round3Opponent.frame);
            if (over && Round3Opponent.frame != 0) laterFrames.insert(Round3Opponent.frame);
            return TournamentGauge.value == 98 && Round3Scene.endFlag == 1;
        },
        20000))
        << Listed();
    EXPECT_TRUE(Seen(74, 87)) << Listed();
    const std::set<std::int32_t> standing{1, 2, 24, 27};
    for (const std::int32_t frame : talkFrames) EXPECT_TRUE(standing.count(frame)) << "frame " << frame << " in the talk";
    EXPECT_TRUE(laterFrames.count(70)) << "she falls after the talk";
    ASSERT_TRUE(WalkTo(O + 1462, 10));
    Press(VkLetter('a'));
    ASSERT_TRUE(Play([&] { return ItemCounts[3] == itemsBefore + 3; }, 10));
    double round4AskedAt = -1;
    ASSERT_TRUE(Play(
        [&] {
            if (round4AskedAt < 0 && TextureFlags[48] != 0) round4AskedAt = plat::TimerGetTime();
            return TournamentState.state == 4;
        },
        1200))
        << "round 3 never ended";
    // The fourth opponent's sheet, asked for as round 3 ends, was made
    // while round 3 ran, not in that frame.
    const double round4MadeAt = FirstMakingOfSlot(SingleTextureSlot(48), 0);
    EXPECT_GE(round4MadeAt, 0.0);
    EXPECT_LT(round4MadeAt, round4AskedAt);
    EXPECT_EQ(TournamentState.platformHeight, 0);
    EXPECT_EQ(TextureFlags[47], 0u) << "the third opponent's sheet is freed and not asked for again";
    Play([] { return false; }, 30);
    EXPECT_EQ(TextureFlags[47], 0u);
    EXPECT_EQ(ItemCounts[3], itemsBefore + 3);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

// At either end of the ring the opponent keeps a heroine who stays there,
// struck again and again (close combat's hops and strikes at the west end,
// the leap attacks at the east) for as long as she stays; whenever it lets
// her go (her hurt served, a leap landed), a walk toward it takes her out.
struct RingEnd {
    const char* what;
    int walkTo;          // the end she is taken to
    bool walksOut;       // the walk key toward the middle each time she is let go
    bool keptThere;      // within 50 px of that end for the next 20 s
};

TEST_F(Round3Flow, AtEitherEndOfTheRingSheIsKeptThereUntilSheWalksOut) {
    const RingEnd ends[] = {
        {"stays at the west end", VK_LEFT, false, true},
        {"walks out of the west end", VK_LEFT, true, false},
        {"stays at the east end", VK_RIGHT, false, true},
        {"walks out of the east end", VK_RIGHT, true, false},
    };
    bool first = true;
    for (const RingEnd& e : ends) {
        SCOPED_TRACE(e.what);
        if (!first) AnotherGame();
        first = false;
        ASSERT_TRUE(IntoRound3Fight(5));
        // Walked to the end, and 10 s of the fight there.
        const std::int32_t end = O + (e.walkTo == VK_LEFT ? kRingLeft : kRingRight);
        const int out = e.walkTo == VK_LEFT ? VK_RIGHT : VK_LEFT;
        Hold(e.walkTo);
        Play([&] { return PlayerState.x == end; }, 1200);
        LetGo(e.walkTo);
        Play([] { return false; }, 640);
        const std::int32_t hpBefore = PlayerState.hp;
        std::int32_t farthest = 0;
        bool held = false;
        Play(
            [&] {
                const bool free = MessageBoxOpen == 0;
                if (e.walksOut && free != held) {
                    if (free) Hold(out);
                    else LetGo(out);
                    held = free;
                }
                farthest = std::max(farthest, std::abs(PlayerState.x - end));
                return false;
            },
            64 * 20);
        if (held) LetGo(out);
        EXPECT_EQ(farthest <= 50, e.keptThere) << "at most " << farthest << " px from the end";
        if (e.keptThere) {
            EXPECT_LT(PlayerState.hp, hpBefore) << "not struck";
        }
    }
}

// A dash slide still running as she presses A at the marker stops there.
// Carried on, it takes her out of the view the first two entrances hold
// where she pressed; in the later two, past the view's right margin while
// the entrance moves the view back to the ring a pixel a step, and the
// camera pulls each pixel back: her keys locked, neither ever moves on.
struct MarkerSlide {
    std::int32_t round;
    std::int32_t DialogueChannelsRecord::*channel;
    std::int32_t firstLine;    // shown at the marker, or once the view has settled on the ring
    std::int32_t ringView;     // ScrollX - O the view settles on first; 0 = held where she pressed
};
void PrintTo(const MarkerSlide& s, std::ostream* os) { *os << "round " << s.round; }

class EntranceSlide : public TournamentFlow, public ::testing::WithParamInterface<MarkerSlide> {};

TEST_P(EntranceSlide, ADashSlideIntoTheMarkerStopsThereAndTheViewSettles) {
    const MarkerSlide& r = GetParam();
    StartAtRound(r.round);
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98; }, 600));
    PlayerState.x = O + 1100;
    PlayerState.facing = 1;
    Hold(VkLetter('x'));
    ASSERT_TRUE(Play([] { return PlayerMoveState.runSlideState == 2 && PlayerState.x >= O + 1340; }, 600));
    ASSERT_LT(PlayerState.x, O + 1458 + 100) << "the run passed the marker before its slide was armed";
    ScrollX = O + 1250;   // the view left where an earlier run to the right took it
    LetGo(VkLetter('x'));
    Press(VkLetter('a'));
    const std::int32_t pressedAt = PlayerState.x;
    ASSERT_TRUE(Play([&] { return DialogueChannels.*r.channel == r.firstLine; }, 2000))
        << "round " << r.round << ": x " << PlayerState.x << ", ScrollX " << ScrollX;
    if (r.ringView != 0) {
        EXPECT_EQ(ScrollX, O + r.ringView);
    }
    Play([] { return false; }, 96);   // longer than any slide lasts
    EXPECT_LT(std::abs(PlayerState.x - pressedAt), 40) << "stopped where she pressed A";
    EXPECT_TRUE(ScrollX + 100 < PlayerState.x && PlayerState.x < ScrollX + 924)
        << "x " << PlayerState.x << ", ScrollX " << ScrollX;
}

// Walked past the marker, she turns back to the opponent's place as she
// presses A there: each entrance's talk is with the one rising in the gate.
TEST_P(EntranceSlide, PressedPastTheMarkerSheTalksFacingTheGate) {
    const MarkerSlide& r = GetParam();
    StartAtRound(r.round);
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98; }, 600));
    PlayFrames(10);   // the entrance waits at the marker
    PlayerState.x = O + 1540;
    PlayerState.facing = 1;
    Press(VkLetter('a'));
    ASSERT_TRUE(Play([&] { return DialogueChannels.*r.channel == r.firstLine; }, 2000))
        << "round " << r.round << ": x " << PlayerState.x << ", ScrollX " << ScrollX << ", line " << DialogueChannels.*r.channel;
    EXPECT_EQ(PlayerState.facing, -1) << "round " << r.round;
}

INSTANTIATE_TEST_SUITE_P(Rounds, EntranceSlide,
                         ::testing::Values(MarkerSlide{1, &DialogueChannelsRecord::fieldLine, 54, 0},
                                           MarkerSlide{2, &DialogueChannelsRecord::fieldLine, 70, 0},
                                           MarkerSlide{3, &DialogueChannelsRecord::sideLine, 50, 948},
                                           MarkerSlide{4, &DialogueChannelsRecord::eventLine, 1, 948}),
                         [](const ::testing::TestParamInfo<MarkerSlide>& info) {
                             return "Round" + std::to_string(info.param.round);
                         });

}  // namespace
