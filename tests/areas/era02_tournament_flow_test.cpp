// The arena from the lift at the end of Era01 through the first round and
// into the second, played through the real frame loop: Enter whenever a line
// waits, held keys sent again after every other key event, seeded random
// numbers, a heroine with plenty of HP. The opponent's HP is lowered through
// the test's hook to keep the fights short.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <functional>
#include <set>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"
#include "shell/graphics.h"
#include "support/area_run.h"
#include "support/roads/era02.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t A = 45808;   // the lift
constexpr std::int32_t O = 47100;   // the arena

class ArenaFlow : public AreaRun {
protected:
    std::vector<std::int32_t> fieldLines_, sideLines_;

    // A game key pressed once: its flag stands until the next key event.
    void Letter(char c) { Press(VkLetter(c)); }
    void Note(std::vector<std::int32_t>& seen, std::int32_t v) {
        if (v != 0 && (seen.empty() || seen.back() != v)) seen.push_back(v);
    }
    bool enterSent_ = false;
    // The driver's frames, noting every line shown on the way. Enter goes
    // only to a line that is on screen, every other frame, so that every
    // line shows at least one frame.
    bool Play(const std::function<bool()>& until, int maxFrames) {
        autoEnter = false;
        return AreaRun::Play(
            [&] {
                const DialogueChannelsRecord& d = DialogueChannels;
                Note(fieldLines_, d.fieldLine);
                Note(sideLines_, d.sideLine);
                const bool shown = d.fieldLine != 0 || d.sideLine != 0 || d.storyLine != 0;
                if (!enterSent_ && EnterConfirmState == 1 && shown) {
                    Tap(VK_RETURN);
                    enterSent_ = true;
                } else {
                    enterSent_ = false;
                }
                return until();
            },
            maxFrames);
    }
    void Step() { Play([] { return true; }, 1); }
    // The shared fights play through these hands, noting lines as they go.
    RoadHands Hands() {
        return {[this](const std::function<bool()>& until, int n) { return Play(until, n); },
                [this](int k) { Hold(k); }, [this](int k) { LetGo(k); }, [this](int k) { Press(k); }};
    }
    // Walks the heroine until her x is within `slack` px of x.
    bool WalkTo(std::int32_t x, std::int32_t slack = 8) { return Hands().WalkTo(x, slack); }
    // A picture of the last frame for the documentation, only when
    // QM_SCREENSHOT_DIR names a folder.
    void Picture(const std::string& name) {
        if (const char* dir = std::getenv("QM_SCREENSHOT_DIR")) {
            EXPECT_TRUE(plat::headless::SaveLastFramePng(std::string(dir) + "/era02_" + name + ".png"));
        }
    }
    static std::string Listed(const std::vector<std::int32_t>& seen) {
        std::string out;
        for (std::int32_t v : seen) out += std::to_string(v) + " ";
        return out;
    }
    bool Seen(const std::vector<std::int32_t>& seen, std::int32_t from, std::int32_t to) const {
        std::int32_t next = from;
        for (std::int32_t v : seen)
            if (v == next && ++next > to) return true;
        return false;
    }
};

TEST_F(ArenaFlow, FromTheLiftThroughTheFirstRoundIntoTheSecond) {
    // Era01 at its end, the tower won, a heroine who can take a beating.
    StartFromSlot([] {
        Era00AreaFlag = 2;
        Era01AreaFlag = 1;
        EncounterDoneFlag = 1;
        GatekeeperRecord.done = 1;   // his talk was heard on the way
        LearnedMoveD = 1;
        PlayerState.maxHp = PlayerState.hp = 9999;
        PlayerState.x = A + 400;
        PlayerState.y = 640;
        ScrollX = Era01Anchor55 + 100;
    });
    SeedRandom(18);
    HoldsEndedUnkept = 0;
    Era02RunWords = Era02RunWordsRecord{};
    Play([] { return false; }, 10);

    // A too far from the lift does nothing.
    PlayerState.x = A + 510 + 70;
    Letter('a');
    Play([] { return false; }, 3);
    EXPECT_EQ(ArrivalScene.step, 0);

    ASSERT_TRUE(WalkTo(A + 510, 30));
    Letter('a');
    ASSERT_TRUE(Play([] { return ArrivalScene.step == -1; }, 5));
    const std::int32_t viewBefore = ScrollX;
    Play([] { return false; }, 1);
    EXPECT_EQ(std::abs(ScrollX - viewBefore), 2) << "the view slides 2 px a step";
    ASSERT_TRUE(Play([] { return ArrivalScene.step >= 1; }, 2000));
    EXPECT_EQ(ScrollX, A + 12);
    EXPECT_EQ(PlayerHpHold, -1);

    // The talk at the lift ends in the pass through the menu side.
    ASSERT_TRUE(Play([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4; }, 3000))
        << "the menu pass never came (step " << ArrivalScene.step << ")";
    ASSERT_TRUE(Play([] { return MenuFlowState.introStep == 6; }, 600));
    Tap(VK_F2);
    ASSERT_TRUE(Play([] { return GameFlow.phase == 1 && ArrivalScene.step >= 10; }, 1200));
    EXPECT_EQ(ArrivalScene.flag, 1) << "the arrival's save spot opens";

    // The ride: one pixel a stage step.
    ASSERT_TRUE(Play([] { return ArrivalScene.step == 28; }, 6000)) << "stuck at " << ArrivalScene.step;
    ASSERT_TRUE(Play([] { return EncounterTrio.actor[0].x > A + 700; }, 3000));
    Picture("lift_ride");
    const std::int32_t liftX = ArrivalScene.liftX, heroineX = PlayerState.x;
    Play([] { return false; }, 1);
    EXPECT_EQ(ArrivalScene.liftX - liftX, 1);
    EXPECT_EQ(PlayerState.x - heroineX, 1);

    ASSERT_TRUE(Play([] { return ArrivalScene.step == 99; }, 20000)) << "stuck at " << ArrivalScene.step;
    EXPECT_TRUE(Seen(fieldLines_, 1, 50)) << "the arrival's lines 1 to 50 in order";
    EXPECT_EQ(Era02AreaFlag, 1);
    EXPECT_EQ(TournamentBoundsLock, 1);
    EXPECT_EQ(PlayerHpHold, 0) << "the HP hold ends with the scene";
    Play([] { return false; }, 5);
    EXPECT_EQ(PlayerState.y, 640);

    // Round 1: the marker rises, A near it starts the talk.
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98; }, 400));
    ASSERT_TRUE(WalkTo(O + 1458 - 100, 20));
    Letter('a');
    ASSERT_TRUE(Play([] { return Era02Crowd.frameIndex >= 2 && TournamentBanner == 3 && Round1Opponent.frame != 0; },
                     2000));
    Picture("round1_crowd");
    ASSERT_TRUE(Play([] { return Round1Opponent.depth == 0.3f && MessageBoxOpen == 0 && TournamentState.state == 1 &&
                                 DialogueChannels.fieldLine == 0 && Round1Opponent.frame != 0 &&
                                 EventHoldsPlayer == 0 && PlayerState.pose != 40; },
                     4000));
    EXPECT_TRUE(Seen(fieldLines_, 54, 62)) << Listed(fieldLines_);
    EXPECT_EQ(TournamentState.platformHeight, 209);

    // Her first catch: stand in front of her and let the lunge come.
    const auto inFront = [] { return Round1Opponent.x + 100 * (PlayerState.x >= Round1Opponent.x ? 1 : -1); };
    ASSERT_TRUE(WalkTo(inFront(), 20));
    ASSERT_TRUE(Play([] { return Era02RunWords.firstCatchDone == 1; }, 2000));
    EXPECT_TRUE(Seen(fieldLines_, 63, 64));

    // The knockout: an upper D blow below -500 HP.
    TournamentState.opponentHp = -501;
    ASSERT_TRUE(Play([] { return MessageBoxOpen == 0; }, 400));
    const bool knockedOut = Round1KnockOut(Hands());
    ASSERT_TRUE(knockedOut) << "the knockout blow never landed";
    EXPECT_EQ(TournamentState.opponentHp, -501) << "the knockout blow does no damage";

    // She gets up and grabs; the first grab talks, the heroine breaks free.
    ASSERT_TRUE(Play([] { return Era02RunWords.firstGrabDone == 1; }, 6000));
    EXPECT_TRUE(Seen(fieldLines_, 65, 67));
    const bool thrown = Round1Struggles(Hands());
    ASSERT_TRUE(thrown) << "the final throw never came";
    ASSERT_TRUE(Play([] { return DialogueChannels.fieldLine == 69; }, 4000));
    EXPECT_TRUE(Seen(fieldLines_, 68, 69));
    const std::uint32_t itemsBefore = ItemCounts[0];
    ASSERT_TRUE(Play([] { return MessageBoxOpen == 0 && TournamentGauge.value == 98 && Round1Opponent.frame >= 37; },
                     3000));
    ASSERT_TRUE(WalkTo(O + 1460, 10));
    Letter('a');
    ASSERT_TRUE(Play([&] { return ItemCounts[0] == itemsBefore + 24; }, 10));
    EXPECT_EQ(DialogueChannels.storyLine, 0) << "the narrator's D hint is gone";

    // Round 2: its entrance talk, then the flight.
    ASSERT_TRUE(Play([] { return TournamentState.state == 2; }, 1000));
    EXPECT_EQ(TextureFlags[45], 0u) << "the first opponent's sheet is freed";
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98; }, 600));
    ASSERT_TRUE(WalkTo(O + 1458 + 100, 20));
    Letter('a');
    ASSERT_TRUE(Play([] { return Round2Opponent.depth == 0.3f && EventHoldsPlayer == 0 && MessageBoxOpen == 0 &&
                                 Round2Opponent.frame != 0 && TournamentGauge.value == 0; },
                     4000));
    EXPECT_TRUE(Seen(fieldLines_, 70, 86));
    ASSERT_TRUE(Play([] { return Round2Opponent.y <= 200; }, 600)) << "she never took off";
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

// The second round from its start: the flight with its three talks, the
// crawl and the hops, the lesson, the new moves and the prize.
class Round2Flow : public ArenaFlow {};

TEST_F(Round2Flow, FlightTalksHopsLessonAndPrize) {
    // The arena after the first round.
    StartFromSlot([] {
        Era00AreaFlag = 0;
        Era02AreaFlag = 1;
        ArrivalScene.step = 99;
        TournamentState.state = 2;
        LearnedMoveD = 1;
        PlayerState.maxHp = PlayerState.hp = 9999;
        PlayerState.x = O + 1558;
        PlayerState.y = 640;
        ScrollX = O + 948;
    });
    SeedRandom(1802);
    HoldsEndedUnkept = 0;
    Era02RunWords = Era02RunWordsRecord{};
    Era02RunWords.firstCatchDone = Era02RunWords.firstGrabDone = 1;
    const std::uint32_t itemsBefore = ItemCounts[1];

    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98; }, 600));
    Letter('a');
    ASSERT_TRUE(Play([] { return Round2Opponent.depth == 0.3f && EventHoldsPlayer == 0 && MessageBoxOpen == 0 &&
                                 Round2Opponent.frame != 0 && TournamentGauge.value == 0; },
                     4000));
    EXPECT_TRUE(Seen(fieldLines_, 70, 86));

    // The flight: D blows timed on her dives, one kind of hit for each talk.
    const bool finalTalk = Round2Flight(Hands());
    ASSERT_TRUE(finalTalk) << "the last talk never came";
    for (std::int32_t talk : {87, 88, 89})
        EXPECT_EQ(std::count(fieldLines_.begin(), fieldLines_.end(), talk), 1) << "talk " << talk << " once";
    ASSERT_TRUE(Play([] { return Round2Opponent.frame == 12 && EventHoldsPlayer == 0; }, 3000));
    EXPECT_TRUE(Seen(fieldLines_, 90, 93));

    // The crawl: run at her with X until three of her low hops have met the
    // heroine; two are not enough.
    ASSERT_TRUE(Round2Crawl(Hands()));
    ASSERT_GE(Round2ContactCount, 3);

    // The finale: walk off, the lesson, the new moves, the last dive, the prize.
    const std::int32_t away = Round2Opponent.x < O + 1460 ? 1 : -1;
    WalkTo(Round2Opponent.x + 420 * away, 30);
    ASSERT_TRUE(Play([] { return LearnedMoveF == 1 && LearnedMoveG == 1; }, 4000));
    ASSERT_TRUE(Play([] { return TournamentGauge.shown == 0 && TournamentGauge.value > 40; }, 12000));
    Picture("round2_prize");
    ASSERT_TRUE(Play([] { return TournamentGauge.value == 98 && TournamentGauge.shown == 0 && MessageBoxOpen == 0; },
                     12000))
        << "the prize never rose";
    EXPECT_TRUE(Seen(sideLines_, 1, 44));
    ASSERT_TRUE(WalkTo(O + 1460, 10));
    Letter('a');
    ASSERT_TRUE(Play([&] { return ItemCounts[1] == itemsBefore + 24; }, 10));
    ASSERT_TRUE(Play([] { return TournamentState.state == 3; }, 1200)) << "round 2 never ended";
    EXPECT_EQ(TournamentGauge.value, 98);
    EXPECT_EQ(TournamentState.platformHeight, 0);
    EXPECT_EQ(TextureFlags[46], 0u) << "the second opponent's sheet is freed";
    EXPECT_EQ(DialogueChannels.storyLine, 0);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

}  // namespace
