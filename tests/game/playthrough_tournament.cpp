// The tournament's stretch of the road: from the far field's end with the
// tower won, the lift and the arrival, rounds 1 to 4, the close and the walk
// out into Era03, where she saves, quits and continues.
//
// The fights are shortened by lowering the opponent's HP through the fight's
// HP word, as the arena's own runs do (support/roads/era02): round 1 to the
// knockout's and the final throw's marks, round 2 kept under the flight's
// end, rounds 3 and 4 each phase after its talk.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/random.h"
#include "playthrough.h"
#include "shell/shell_state.h"
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
    "tournament", 0, 10000, {24, 24, 0, 3, 0}, 0, 1, 1};

// The texture sets loaded on the way, in order (Pload trace lines).
const std::vector<int> kTournamentLoads = {};

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

// The lift: A beside it, the talk, the menu's pass (F2 back), the ride and
// the landing in the arena.
void Playthrough::TournamentArrival() {
    const RoadHands h = TournamentHands();
    tournamentPart = "the lift";
    ASSERT_TRUE(h.WalkTo(kLiftCall, 30));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("the lift's talk", [] { return GameFlow.phase == 0 && MenuFlowState.IntroStep == 6; },
                           8000));
    Tap(VK_F2);
    ASSERT_TRUE(RoadNoting("the ride", [] { return ArrivalScene.step == 99; }, 30000));
    EXPECT_EQ(Era02AreaFlag, 1);
    EXPECT_EQ(TournamentBoundsLock, 1);
    EXPECT_EQ(PlayerHpHold, 0);
}

void Playthrough::TournamentRounds1And2() {
    const RoadHands h = TournamentHands();
    // Round 1: A at the marker, the entrance, her first catch.
    tournamentPart = "round 1";
    ASSERT_TRUE(RoadNoting("round 1's marker", [] { return TournamentGauge.value == 98; }, 600));
    ASSERT_TRUE(h.WalkTo(O + 1458 - 100, 20));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("round 1's entrance", [] {
        return Round1Opponent.depth == 0.3f && MessageBoxOpen == 0 && TournamentState.state == 1 &&
               DialogueChannels.fieldLine == 0 && Round1Opponent.frame != 0 && EventHoldsPlayer == 0 &&
               PlayerState.pose != 40;
    }, 6000));
    ASSERT_TRUE(h.WalkTo(Round1Opponent.x + 100 * (PlayerState.x >= Round1Opponent.x ? 1 : -1), 20));
    ASSERT_TRUE(RoadNoting("round 1's first catch", [] { return Era02RunWords.firstCatchDone == 1; }, 2000));
    ASSERT_TRUE(RoadNoting("round 1's catch talk", [] { return MessageBoxOpen == 0; }, 400));
    // The hook takes her only to where she stops blocking (100): the blows
    // from there to the knockout's mark pay the EXP that lifts the heroine
    // above 150 HP, without which every grab squeezes her out.
    TournamentState.opponentHp = 100;
    ASSERT_TRUE(Round1KnockOut(h, 200)) << "the knockout blow never landed";
    fprintf(stderr, "DBG ko hp %d/%d exp %d ohp %d\n", PlayerState.hp, PlayerState.maxHp, PlayerState.exp, TournamentState.opponentHp);
    ASSERT_TRUE(RoadNoting("round 1's first grab", [] { return Era02RunWords.firstGrabDone == 1; }, 6000));
    ASSERT_TRUE(Round1Struggles(h)) << "the final throw never came";
    ASSERT_TRUE(RoadNoting("round 1's prize", [] {
        return MessageBoxOpen == 0 && TournamentGauge.value == 98 && Round1Opponent.frame >= 37;
    }, 8000));
    const std::uint32_t firstItems = ItemCounts[0];
    ASSERT_TRUE(h.WalkTo(O + 1460, 10));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("round 1's prize taken", [&] { return ItemCounts[0] == firstItems + 24; }, 10));

    // Round 2: the entrance, the flight, the crawl, the lesson, the prize.
    tournamentPart = "round 2";
    ASSERT_TRUE(RoadNoting("round 2's marker", [] {
        return TournamentState.state == 2 && TournamentGauge.value == 98;
    }, 2000));
    ASSERT_TRUE(h.WalkTo(O + 1458 + 100, 20));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("round 2's entrance", [] {
        return Round2Opponent.depth == 0.3f && EventHoldsPlayer == 0 && MessageBoxOpen == 0 &&
               Round2Opponent.frame != 0 && TournamentGauge.value == 0;
    }, 4000));
    ASSERT_TRUE(Round2Flight(h)) << "round 2's last talk never came";
    ASSERT_TRUE(RoadNoting("round 2's fall", [] { return Round2Opponent.frame == 12 && EventHoldsPlayer == 0; },
                           3000));
    ASSERT_TRUE(Round2Crawl(h)) << "three hop contacts never came";
    const std::int32_t away = Round2Opponent.x < O + 1460 ? 1 : -1;
    h.WalkTo(Round2Opponent.x + 420 * away, 30);
    ASSERT_TRUE(RoadNoting("round 2's lesson", [] { return LearnedMoveF == 1 && LearnedMoveG == 1; }, 4000));
    ASSERT_TRUE(RoadNoting("round 2's prize", [] {
        return TournamentGauge.value == 98 && TournamentGauge.shown == 0 && MessageBoxOpen == 0;
    }, 24000));
    const std::uint32_t secondItems = ItemCounts[1];
    ASSERT_TRUE(h.WalkTo(O + 1460, 10));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("round 2's prize taken", [&] { return ItemCounts[1] == secondItems + 24; }, 10));
}

void Playthrough::TournamentRounds3And4() {
    const RoadHands h = TournamentHands();
    // Round 3: A within 129 px of the marker, the entrance, six phases.
    tournamentPart = "round 3";
    ASSERT_TRUE(RoadNoting("round 3's marker", [] {
        return TournamentState.state == 3 && TournamentGauge.value == 98;
    }, 2000));
    ASSERT_TRUE(h.WalkTo(O + 1458 + 100, 20));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("round 3's entrance", [] {
        return Round3Opponent.depth == 0.3f && MessageBoxOpen == 0 && EventHoldsPlayer == 0 &&
               Round3Opponent.y == 640;
    }, 6000));
    ASSERT_TRUE(Round3Fight(h)) << "round 3 never reached its sixth phase";
    ASSERT_TRUE(Round3KeepClear(h)) << "round 3's end never began";
    ASSERT_TRUE(RoadNoting("round 3's end", [] {
        return TournamentGauge.value == 98 && Round3Scene.endFlag == 1;
    }, 20000));
    const std::uint32_t fourthItems = ItemCounts[3];
    ASSERT_TRUE(h.WalkTo(O + 1462, 10));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("round 3's prize taken", [&] { return ItemCounts[3] == fourthItems + 3; }, 10));

    // Round 4: the entrance, the fight ended through the hook, the close
    // (the purse, the walk out, the trio above the exit) and Era03.
    tournamentPart = "round 4";
    ASSERT_TRUE(RoadNoting("round 4's marker", [] {
        return TournamentState.state == 4 && TournamentGauge.value == 98;
    }, 2000));
    ASSERT_TRUE(h.WalkTo(O + 1458 + 100, 20));
    Press(VkLetter('a'));
    ASSERT_TRUE(RoadNoting("round 4's entrance", [] {
        return Round4Opponent.frame != 0 && MessageBoxOpen == 0 && EventHoldsPlayer == 0 &&
               DialogueChannels.eventLine == 0 && TournamentState.platformHeight == 209;
    }, 8000));
    TournamentState.opponentHp = 1;   // the hook: beaten at once
    ASSERT_TRUE(Round4ToTheMiddle(h)) << "the close never began";
    tournamentPart = "the close";
    ASSERT_TRUE(RoadNoting("the close", [] { return TournamentState.state == 5 && Era03AreaFlag == 1; }, 12000));
}

void Playthrough::Tournament() {
    const Tally from = Tally::Now();
    const std::size_t mark = TraceMark();
    ASSERT_NO_FATAL_FAILURE(TournamentArrival());
    ASSERT_NO_FATAL_FAILURE(TournamentRounds1And2());
    ASSERT_NO_FATAL_FAILURE(TournamentRounds3And4());
    CheckReward(kTournamentReward, from);
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

namespace {

TEST_F(Playthrough, TournamentFromItsStart) {
    SeedRandom(7);
    // Era01 at the far field's end, the tower won: what the road before
    // leaves her with.
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        Era00StoryPhase = 3;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        Era01Progress = 3;
        EncounterDoneFlag = 1;
        GatekeeperRecord.done = 1;
        LearnedMoveD = 1;
        PlayerState.exp = 420;
        PlayerState.maxHp = PlayerState.hp = 120;
        PlayerState.x = 45700;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        ScrollX = 45250;
    }));
    NoteAreaFlags();
    ASSERT_NO_FATAL_FAILURE(Tournament());
    EXPECT_EQ(areaFlagsSeen, (std::vector<std::string>{"01000", "00100", "00010"}));
}

}  // namespace
