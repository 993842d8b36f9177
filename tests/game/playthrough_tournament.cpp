// The tournament's stretch of the road: from the far field's end with the
// tower won, the lift and the arrival, rounds 1 to 4, the close and the walk
// out into Era03, where she saves, quits and continues.
//
// The fights are shortened by lowering the opponent's HP through the fight's
// HP word, as the arena's own runs do (support/roads/era02): round 1 to
// 100, where she stops blocking (the blows from there pay the EXP the grabs
// need), then to the final throw's mark; round 2 kept under the flight's
// end; rounds 3 and 4 each phase after its talk. When her HP falls below
// half she heals from the menu's items, as a player does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "playthrough.h"
#include "support/roads/era02.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = kArenaX;
// Where A at the lift starts the arrival (within 69 px).
constexpr std::int32_t kLiftCall = 46318;

constexpr Reward kTournamentReward = {
    // Rounds 1 and 2 each give 24 of the first and second item, round 3
    // three of the fourth; round 2 teaches F and G; the close pays 10000.
    // EXP: round 1's blows from 100 HP to the knockout, its mashes and the
    // final throw's 500, and the blows of the later rounds.
    "tournament", 1322, 10000, {24, 24, 0, 3, 0}, 0, 1, 1};

// The texture sets loaded on the way, in order (Pload trace lines): none
// while Era02 runs (its pictures are single textures); the Era03 plan's
// sets around the arena's east gate as she walks out.
const std::vector<int> kTournamentLoads = {2, 11, 42, 44, 51};


}  // namespace

RoadHands Playthrough::TournamentHands() {
    // A play that runs out of frames is no failure here (a bot tries
    // again); a soft-lock or a fall is. A game key pressed goes alone into
    // its frame: an Enter in the same frame would clear its flag.
    return {[this](const std::function<bool()>& until, int maxFrames) {
                bool held = false;
                int n = 0;
                RoadNoting(tournamentPart, [&] {
                    autoEnter = true;
                    if (PlayerState.hp > 0 && PlayerState.hp < PlayerState.maxHp / 2 && MessageBoxOpen == 0 &&
                        EventHoldsPlayer == 0 && PlayerKeysBlocked == 0 && MenuKeyBlocked == 0 &&
                        PlayerMoveState.jumpKind == 0 &&
                        GameFlow.phase == 1 && ItemCounts[0] + ItemCounts[1] > 0)
                        HealFromItems();
                    return (held = until()) || ++n >= maxFrames;
                }, maxFrames + 1);
                return held;
            },
            [this](int k) { Hold(k); }, [this](int k) { LetGo(k); },
            [this](int k) {
                Press(k);
                autoEnter = false;
            }};
}

// A round's start: the marker risen for it, A beside it (within 129 px),
// its entrance played until `entered`.
void Playthrough::EnterRound(const char* part, std::int32_t state, std::int32_t side,
                             const std::function<bool()>& entered) {
    tournamentPart = part;
    const std::string name = part;
    ASSERT_TRUE(RoadNoting((name + "'s marker").c_str(), [&] {
        return TournamentGauge.value == 98 && (state < 0 || TournamentState.state == state);
    }, 2000));
    ASSERT_TRUE(TournamentHands().WalkTo(O + 1458 + 100 * side, 20));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting((name + "'s entrance").c_str(), entered, 8000));
}

// A round's prize: A at the marker in the middle takes `count` of an item.
void Playthrough::TakePrize(int item, std::uint32_t count, std::int32_t x) {
    const std::uint32_t before = ItemCounts[item];
    ASSERT_TRUE(TournamentHands().WalkTo(x, 10));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("a prize taken", [&] { return ItemCounts[item] == before + count; }, 10));
}

// The lift: A beside it, the talk, the menu's pass (F2 back), the ride and
// the landing in the arena.
void Playthrough::TournamentArrival() {
    const RoadHands h = TournamentHands();
    tournamentPart = "the lift";
    ASSERT_TRUE(h.WalkTo(kLiftCall, 30));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("the lift's talk", [] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4 && MenuFlowState.introStep == 6; },
                           8000));
    Tap(VK_F2);
    ASSERT_TRUE(RoadNoting("the ride", [] { return ArrivalScene.step == 99; }, 30000));
    EXPECT_EQ(Era02AreaFlag, 1);
    EXPECT_EQ(TournamentBoundsLock, 1);
    EXPECT_EQ(PlayerHpHold, 0);
}

// Round 1: A at the marker, the entrance, her first catch, the fight to
// the knockout, the grabs, the final throw and the prize.
void Playthrough::TournamentRound1() {
    const RoadHands h = TournamentHands();
    ASSERT_NO_FATAL_FAILURE(EnterRound("round 1", -1, -1, [] {
        return Round1Opponent.depth == 0.3f && MessageBoxOpen == 0 && TournamentState.state == 1 &&
               DialogueChannels.fieldLine == 0 && Round1Opponent.frame != 0 && EventHoldsPlayer == 0 &&
               PlayerState.pose != 40;
    }));
    ASSERT_TRUE(h.WalkTo(Round1Opponent.x + 100 * (PlayerState.x >= Round1Opponent.x ? 1 : -1), 20));
    ASSERT_TRUE(RoadNoting("round 1's first catch", [] { return Era02RunWords.firstCatchDone == 1; }, 2000));
    ASSERT_TRUE(RoadNoting("round 1's catch talk", [] { return MessageBoxOpen == 0; }, 400));
    // The hook takes her only to where she stops blocking (100): the blows
    // from there to the knockout's mark pay the EXP that lifts the heroine
    // above 150 HP, without which every grab squeezes her out.
    TournamentState.opponentHp = 100;
    ASSERT_TRUE(Round1KnockOut(h, 200)) << "the knockout blow never landed";
    ASSERT_TRUE(RoadNoting("round 1's first grab", [] { return Era02RunWords.firstGrabDone == 1; }, 6000));
    ASSERT_TRUE(Round1Struggles(h)) << "the final throw never came";
    ASSERT_TRUE(RoadNoting("round 1's prize", [] {
        return MessageBoxOpen == 0 && TournamentGauge.value == 98 && Round1Opponent.frame >= 37;
    }, 8000));
    ASSERT_NO_FATAL_FAILURE(TakePrize(0, 24, O + 1460));
}

// Round 2: the entrance, the flight, the crawl, the lesson, the prize.
void Playthrough::TournamentRound2() {
    const RoadHands h = TournamentHands();
    ASSERT_NO_FATAL_FAILURE(EnterRound("round 2", 2, 1, [] {
        return Round2Opponent.depth == 0.3f && EventHoldsPlayer == 0 && MessageBoxOpen == 0 &&
               Round2Opponent.frame != 0 && TournamentGauge.value == 0;
    }));
    ASSERT_TRUE(Round2Flight(h)) << "round 2's last talk never came";
    // Her fall and its talk; she may land on the platform (the crawl's bot
    // crowds her off it). Landed 100 to 300 px from the folded opponent, she
    // would keep it folded: she steps 380 px clear so it crawls again.
    const auto crawling = [] {
        return (Round2Opponent.frame == 12 || Round2Opponent.frame == 13 || Round2Opponent.y < 600) &&
               EventHoldsPlayer == 0 && MessageBoxOpen == 0 && DialogueChannels.fieldLine == 0;
    };
    for (int tries = 0; tries < 20 && !crawling(); ++tries) {
        const std::int32_t ox = Round2Opponent.x;
        if (Round2Opponent.frame == 17 && MessageBoxOpen == 0 && EventHoldsPlayer == 0) {
            std::int32_t target = ox + 380 * (PlayerState.x >= ox ? 1 : -1);
            if (target < O + 400 || target > O + 2500) target = 2 * ox - target;
            h.WalkTo(target, 20, true);
        }
        h.play(crawling, 300);
    }
    ASSERT_TRUE(RoadNoting("round 2's fall", crawling, 600))
        << "opponent x " << Round2Opponent.x << " y " << Round2Opponent.y << " frame " << Round2Opponent.frame;
    ASSERT_TRUE(Round2Crawl(h)) << "three hop contacts never came";
    // The lesson begins when she stands more than 300 px clear of the
    // crawling opponent, inside the ring's floor, with her well on the screen. Off the screen, she
    // walks up to her (the view follows); too near, she walks 380 px away
    // inside the ring (the other way by a wall).
    for (int tries = 0; tries < 40 && LearnedMoveF == 0; ++tries) {
        const std::int32_t ox = Round2Opponent.x, gap = std::abs(PlayerState.x - ox);
        const bool onScreen = ox - ScrollX > 104 && ScrollX + 1024 - ox > 104;
        std::int32_t target = ox + 380 * (PlayerState.x >= ox ? 1 : -1);
        if (target < O + 400 || target > O + 2500) target = 2 * ox - target;
        if (MessageBoxOpen == 0 && EventHoldsPlayer == 0) {
            // She must stand inside the ring's floor (O + 350 .. O + 2587) too.
            const bool inside = PlayerState.x >= O + 360 && PlayerState.x <= O + 2577;
            if (!onScreen) h.WalkTo(ox, 160, true);
            else if (gap < 320 || !inside) h.WalkTo(target, 20, true);
        }
        h.play([] { return LearnedMoveF == 1; }, 120);
    }
    ASSERT_TRUE(RoadNoting("round 2's lesson", [] { return LearnedMoveF == 1 && LearnedMoveG == 1; }, 4000))
        << "opponent x " << Round2Opponent.x << " y " << Round2Opponent.y << " frame " << Round2Opponent.frame
        << " scroll " << ScrollX;
    ASSERT_TRUE(RoadNoting("round 2's prize", [] {
        return TournamentGauge.value == 98 && TournamentGauge.shown == 0 && MessageBoxOpen == 0;
    }, 24000));
    ASSERT_NO_FATAL_FAILURE(TakePrize(1, 24, O + 1460));
}

void Playthrough::TournamentRounds3And4() {
    const RoadHands h = TournamentHands();
    // Round 3: the entrance, six phases, the end, the prize.
    ASSERT_NO_FATAL_FAILURE(EnterRound("round 3", 3, 1, [] {
        return Round3Opponent.depth == 0.3f && MessageBoxOpen == 0 && EventHoldsPlayer == 0 &&
               Round3Opponent.y == 640;
    }));
    ASSERT_TRUE(Round3Fight(h)) << "round 3 never reached its sixth phase";
    ASSERT_TRUE(Round3KeepClear(h)) << "round 3's end never began";
    ASSERT_TRUE(RoadNoting("round 3's end", [] {
        return TournamentGauge.value == 98 && Round3Scene.endFlag == 1;
    }, 20000));
    ASSERT_NO_FATAL_FAILURE(TakePrize(3, 3, O + 1462));

    // Round 4: the entrance, the fight ended through the hook, the close
    // (the purse, the walk out, the trio above the exit) and Era03.
    ASSERT_NO_FATAL_FAILURE(EnterRound("round 4", 4, 1, [] {
        return Round4Opponent.frame != 0 && MessageBoxOpen == 0 && EventHoldsPlayer == 0 &&
               DialogueChannels.eventLine == 0 && TournamentState.platformHeight == 209;
    }));
    TournamentState.opponentHp = 1;   // the hook: beaten at once
    ASSERT_TRUE(Round4ToTheMiddle(h)) << "the close never began";
    tournamentPart = "the close";
    ASSERT_TRUE(RoadNoting("the close", [] { return TournamentState.state == 5 && Era03AreaFlag == 1; }, 12000));
}

void Playthrough::Tournament() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    ASSERT_NO_FATAL_FAILURE(TournamentArrival());
    ASSERT_NO_FATAL_FAILURE(TournamentRound1());
    ASSERT_NO_FATAL_FAILURE(TournamentRound2());
    ASSERT_NO_FATAL_FAILURE(TournamentRounds3And4());
    // What the road paid: the items healing took are counted back.
    Tally paidFrom = from;
    for (int i = 0; i < 5; ++i) paidFrom.items[i] -= remediesUsed[i];
    CheckReward(kTournamentReward, paidFrom);
    CheckTrace("tournament", mark, {"Era01 --> Era02 ", "Era02 --> Era03 "}, kTournamentLoads);

    // Into Era03 to its first save spot; the words ride through the save.
    ASSERT_TRUE(TournamentHands().WalkTo(Era03Anchor1, 30));
    const std::int32_t savedX = PlayerState.x, savedExp = PlayerState.exp, savedHp = PlayerState.hp;
    const std::int64_t savedGold = Gold;
    ASSERT_NO_FATAL_FAILURE(SaveQuitAndContinue());
    NoteAreaFlags();
    EXPECT_EQ(PlayerState.x, savedX);
    EXPECT_EQ(PlayerState.exp, savedExp);
    EXPECT_EQ(PlayerState.hp, savedHp);
    EXPECT_EQ(Gold, savedGold);
    EXPECT_EQ(TournamentState.state, 5);
    EXPECT_EQ(Era03AreaFlag, 1);
    EXPECT_EQ(Era02AreaFlag, 0);
    EXPECT_EQ(LearnedMoveF, 1);
    EXPECT_EQ(LearnedMoveG, 1);
}
