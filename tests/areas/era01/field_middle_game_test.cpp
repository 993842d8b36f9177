// The field's middle played through the real frame loop, from just short of
// the gatekeeper to the turret's first place: his talk and his collecting
// game, the gate's talk on the lower route, the lift and the upper floor to
// the arena, its waves 2 to 4, the arena's item used back at the gate, the
// teacher's lesson, the three turrets each stunned and blown up, and the
// walk over the landmark to short of the monsters' talk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "support/area_run.h"
#include "support/roads/field_middle.h"
#include "support/slot_words.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t G = SectionAnchorX[19];   // the gatekeeper's section
constexpr std::int32_t T = SectionAnchorX[21];   // the lift section
constexpr std::int32_t A = SectionAnchorX[23];   // the arena

class FieldMiddleGame : public AreaRun {
protected:
    std::vector<std::int32_t> story_, gate_, arena_;
    std::vector<std::int32_t> storyHp_;
    bool enterSent_ = false;

    static void Note(std::vector<std::int32_t>& seen, std::int32_t v) {
        if (v != 0 && (seen.empty() || seen.back() != v)) seen.push_back(v);
    }
    // Every frame: the lines shown are noted, and Enter goes to a line on
    // screen that waits for it, every other frame so each line shows.
    bool Play(const std::function<bool()>& until, int maxFrames) {
        autoEnter = false;
        return AreaRun::Play(
            [&] {
                const DialogueChannelsRecord& d = DialogueChannels;
                if (d.storyLine != 0 && (story_.empty() || story_.back() != d.storyLine))
                    storyHp_.push_back(PlayerState.hp);
                Note(story_, d.storyLine);
                Note(gate_, d.gateLine);
                Note(arena_, d.arenaLine);
                const bool shown = d.storyLine != 0 || d.gateLine != 0 || d.arenaLine != 0 || d.sideLine != 0 ||
                                   d.fieldLine != 0;
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
    void Frames(int n) { Play([] { return false; }, n); }
    bool Walk(int key, const std::function<bool()>& until, int maxFrames = 3000) {
        Hold(key);
        const bool ok = Play(until, maxFrames);
        LetGo(key);
        return ok;
    }
    // The shared roads drive with this fixture's own frame loop.
    // `watch` (if given) sees every frame the road plays.
    RoadHands Hands(std::function<void()> watch = nullptr) {
        return {[this, watch](const std::function<bool()>& until, int n) {
                    return Play([&] {
                        if (watch) watch();
                        return until();
                    }, n);
                },
            [this](int k) { Hold(k); }, [this](int k) { LetGo(k); }, [this](int k) { Press(k); },
            [this](int k) { Release(k); }};
    }
    bool pictured = false;
    // A picture of the last frame for the documentation, only when
    // QM_SCREENSHOT_DIR names a folder.
    void Picture(const std::string& name) {
        if (const char* dir = std::getenv("QM_SCREENSHOT_DIR")) {
            EXPECT_TRUE(plat::headless::SaveLastFramePng(std::string(dir) + "/era01_" + name + ".png"));
        }
    }
    static std::vector<std::int32_t> Range(std::int32_t a, std::int32_t b) {
        std::vector<std::int32_t> v;
        for (std::int32_t i = a; i <= b; ++i) v.push_back(i);
        return v;
    }
    static std::string Listed(const std::vector<std::int32_t>& seen) {
        std::string out;
        for (std::int32_t v : seen) out += std::to_string(v) + " ";
        return out;
    }
};

TEST_F(FieldMiddleGame, FromTheGatekeeperToTheTurret) {
    SeedRandom(11);
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        WordsShortOfTheGatekeeper();
        PlayerState.maxHp = PlayerState.hp = 900;
    }));
    HoldsEndedUnkept = 0;

    // ---- the gatekeeper's talk: held at his side, HP kept throughout.
    std::int32_t talkFromX = 0;
    ASSERT_TRUE(GatekeeperTalk(Hands([&] {
        if (DialogueChannels.storyLine == 25 && talkFromX == 0) talkFromX = PlayerState.x;
    })));
    EXPECT_GE(talkFromX, 18590);
    std::vector<std::int32_t> talk = Range(25, 28);
    for (std::int32_t v : Range(1001, 1018)) talk.push_back(v);
    for (std::int32_t v : Range(29, 39)) talk.push_back(v);
    EXPECT_EQ(story_, talk) << Listed(story_);
    for (std::int32_t hp : storyHp_) EXPECT_EQ(hp, 900);
    EXPECT_EQ(PlayerState.x, G + 1133);
    EXPECT_EQ(ScrollX, 17858);

    // ---- the collecting game: five good objects picked up.
    ASSERT_TRUE(CollectGame(Hands([&] {
        if (CollectGameObjects[0].state >= 17 && !pictured) {
            Picture("collect_game");
            pictured = true;
        }
    })));
    ASSERT_EQ(ItemCounts[1], 5u);

    // ---- down into the lower route; the gate holds her for its talk.
    ASSERT_TRUE(DownToTheGate(Hands())) << "x " << PlayerState.x << " y " << PlayerState.y;
    EXPECT_EQ(PlayerState.x, T + 419);
    ASSERT_TRUE(Play([] { return Era01Progress == 1; }, 4000)) << Listed(gate_);
    std::vector<std::int32_t> gateTalk = Range(1, 6);
    for (std::int32_t v : {5, 7}) gateTalk.push_back(v);
    for (std::int32_t v : Range(8, 18)) gateTalk.push_back(v);
    EXPECT_EQ(gate_, gateTalk) << Listed(gate_);
    Frames(4);

    // ---- out of the lower route with a jump, onto the lift, up to the
    // upper floor and down its stairs.
    ASSERT_TRUE(OutOfTheLowerRoute(Hands()));
    // A walking jump lands her on the lift's top, a second from there
    // reaches the upper floor before the lift takes her.
    ASSERT_TRUE(UpOverTheLift(Hands())) << "x " << PlayerState.x << " y " << PlayerState.y;
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return PlayerState.x >= A - 300; }, 4000))
        << "x " << PlayerState.x << " y " << PlayerState.y;
    EXPECT_EQ(PlayerState.y, 640) << "down the stairs";
    EXPECT_EQ(Era01TerrainState.lowerRoute, 0);

    // ---- wave 2: its talk, then throws until the fourth after the talk
    // drops the prop, with two more lines.
    ASSERT_TRUE(ArenaWave2(Hands()));
    ASSERT_EQ(ArenaState.clearedWaves, 1);
    EXPECT_EQ(arena_, Range(5, 11)) << Listed(arena_);
    EXPECT_EQ(ArenaState.propMode, 2);

    // ---- wave 3: crouching by the prop takes it.
    ASSERT_TRUE(ArenaWave3(Hands()));
    EXPECT_EQ(ItemCounts[2], 1u);
    EXPECT_EQ(ArenaState.clearedWaves, 2);

    // ---- wave 4: its pool lowered, one landed jump kick drains it; the
    // enemy collapses and leaves an item.
    ASSERT_TRUE(ArenaWave4(Hands())) << "waves " << ArenaState.clearedWaves;
    EXPECT_EQ(ArenaState.waveHold, 0);
    EXPECT_EQ(ItemCounts[3], 1u);
    EXPECT_EQ(DropItemSlots.flag[0], 0);

    // ---- back over the stairs and the upper floor, whose lip drops her into
    // the pit; on the lower route the gate holds her again.
    ASSERT_TRUE(BackToTheGate(Hands())) << "x " << PlayerState.x << " y " << PlayerState.y;
    EXPECT_EQ(PlayerState.x, T + 419);

    // ---- the arena's prop used from the item screen at the gate: progress
    // 2, and a second later the gate opens.
    double usedAt = 0.0;
    ASSERT_TRUE(UseThePropAtTheGate(Hands([&] {
        if (Era01Progress == 2 && usedAt == 0.0 && GameFlow.phase == 1) usedAt = GameClock.gameClock;
    })));
    EXPECT_EQ(ItemCounts[2], 0u);
    EXPECT_NEAR(GameClock.gameClock - usedAt, 1.0, 0.1);
    EXPECT_EQ(MessageBoxOpen, 0);

    // ---- the teacher's lesson on the lower route: D pressed as soon as
    // line 78 asks for it, in both tries.
    const std::size_t lessonFrom = story_.size();
    std::int32_t lessonX = 0;
    std::uint32_t lessonLock = 0;
    int dPresses = 0;
    ASSERT_TRUE(TeachersLesson(Hands([&] {
        if (DialogueChannels.storyLine == 50 && lessonX == 0) {
            lessonX = PlayerState.x;
            lessonLock = NpcSceneLock;
        }
    }), &dPresses)) << Listed(story_);
    EXPECT_EQ(lessonLock, 1u);
    EXPECT_EQ(lessonX, T + 866);
    EXPECT_EQ(dPresses, 2);
    std::vector<std::int32_t> lesson(story_.begin() + static_cast<std::ptrdiff_t>(lessonFrom), story_.end());
    std::vector<std::int32_t> expectedLesson = Range(50, 78);
    for (std::int32_t v : {79, 78, 80}) expectedLesson.push_back(v);
    for (std::int32_t v : Range(81, 87)) expectedLesson.push_back(v);
    EXPECT_EQ(lesson, expectedLesson) << Listed(lesson);
    EXPECT_EQ(NpcSceneLock, 0u);
    EXPECT_EQ(AttackDTimeScale, 1.0);
    EXPECT_EQ(Era01NpcRecord.y, 528) << "back on her ledge";

    // ---- out of the lower route again and on along the upper floor, past
    // the arena (done: no wave, no hold), to the turret's first place.
    ASSERT_TRUE(OutOfTheLowerRoute(Hands()));
    ASSERT_TRUE(UpOverTheLift(Hands())) << "x " << PlayerState.x << " y " << PlayerState.y;
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return AnchorObstacleState.state == 2; }, 4000)) << "x " << PlayerState.x;
    EXPECT_EQ(AnchorObstacleState.x, SectionAnchorX[24]);
    EXPECT_GE(PlayerState.x, SectionAnchorX[24] - 504);
    EXPECT_EQ(ArenaState.waveHold, 0);
    // It rises, sways and fires; its barrier keeps her 120 px off.
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return AnchorObstacleState.state == 3 && AnchorObstacleState.shots[0].state != 0; },
                     400));
    const std::int32_t hpBefore = PlayerState.hp;
    Walk(VK_RIGHT, [] { return false; }, 120);
    EXPECT_LT(PlayerState.hp, hpBefore) << "its shots hurt";
    EXPECT_LT(PlayerState.x, SectionAnchorX[24] - 119) << "its barrier holds";

    // ---- each turret stunned with its own shot sent back by D, kicked and
    // blown up (250 EXP each); over the landmark to short of the monsters.
    std::int32_t paid = 0;
    ASSERT_TRUE(StunAndDestroyTurret(Hands(), &paid)) << "turret state " << AnchorObstacleState.state << " action "
                                               << AnchorObstacleState.action << " x " << PlayerState.x;
    EXPECT_EQ(paid, 250);
    ASSERT_TRUE(WalkOverTheLandmark(Hands(), 28000, &paid))
        << "x " << PlayerState.x << " y " << PlayerState.y << " turret " << AnchorObstacleState.state;
    EXPECT_EQ(paid, 500) << "the second and third turrets";
    EXPECT_GT(PlayerState.hp, 0);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

// A load of a game saved past the arena runs its last wave again, which holds
// her: walking back west from east of its room she crosses it at her own
// pace (a hold at the room's east side once carried her 260 px through it in
// one step), and once out of it on the west the hold keeps her out as ever.
// A dash jump under way as his talk goes on (one that began in the frame
// she came within his reach, with Enter pressed as fast as lines come): it
// carries her nowhere through any of the talk's lines, its middle part
// (1001..1018) too, so she is never put back at his side in one frame. The
// jump is started where the middle part begins, as the frame order of the
// real window can leave it under way there.
TEST_F(FieldMiddleGame, ADashJumpUnderWayInHisTalkLeavesHerAtHisSideThroughEveryLine) {
    ASSERT_NO_FATAL_FAILURE(StartFromSlot(WordsShortOfTheGatekeeper));
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return DialogueChannels.storyLine == 25; }));
    bool jumped = false;
    std::int32_t before = PlayerState.x, largestStep = 0;
    ASSERT_TRUE(Play([&] {
        if (DialogueChannels.storyLine == 1001 && !jumped) {
            PlayerMoveState.jumpKind = 40;
            jumped = true;
        }
        largestStep = std::max(largestStep, std::abs(PlayerState.x - before));
        before = PlayerState.x;
        return GatekeeperRecord.state == 10;
    }, 4000)) << Listed(story_);
    ASSERT_TRUE(jumped);
    EXPECT_EQ(largestStep, 0);
    EXPECT_EQ(PlayerState.x, G + 1133);
}

TEST_F(FieldMiddleGame, PastTheArenaSheWalksBackThroughItsRoomAndIsHeldOnlyFromTheWest) {
    ASSERT_NO_FATAL_FAILURE(StartFromSlot(SlotWordsOf("turret")));
    ASSERT_GE(PlayerState.x, A + 200);
    std::int32_t last = PlayerState.x, longest = 0;
    const auto stepWatched = [&] {
        longest = std::max(longest, std::abs(PlayerState.x - last));
        last = PlayerState.x;
    };
    ASSERT_TRUE(Walk(VK_LEFT, [&] {
        stepWatched();
        return PlayerState.x < A - 150;
    })) << "x " << PlayerState.x;
    EXPECT_EQ(ArenaState.waveHold, 3);
    EXPECT_LE(longest, 20) << "a walking stride is 9 to 14 px";
    // Back east, into the replay's fight: never past its line.
    std::int32_t furthest = PlayerState.x;
    Walk(VK_RIGHT, [&] {
        furthest = std::max(furthest, PlayerState.x);
        return false;
    }, 300);
    EXPECT_EQ(ArenaState.waveHold, 3);
    EXPECT_LE(furthest, A - 50);
}

}  // namespace
