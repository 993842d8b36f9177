// The field's middle played through the real frame loop, from just short of
// the gatekeeper to the turret's first place: his talk and his collecting
// game, the gate's talk on the lower route, the lift and the upper floor to
// the arena, its waves 2 to 4, the arena's item used back at the gate, the
// teacher's lesson, the three turrets each stunned and blown up, and the
// walk over the landmark to short of the monsters' talk.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "areas/era00_era01/records.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/random.h"
#include "shell/shell_state.h"
#include "support/area_run.h"
#include "support/roads/field_middle.h"
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
    bool WalkTo(std::int32_t x, std::int32_t slack = 6) {
        const int key = PlayerState.x < x ? VK_RIGHT : VK_LEFT;
        return Walk(key, [&] { return std::abs(PlayerState.x - x) <= slack; });
    }
    // A jump while `key` (0 none) is held, until she stands again.
    bool Jump(int key) {
        if (key != 0) Hold(key);
        Hold(VK_UP);
        Frames(3);
        LetGo(VK_UP);
        const bool ok = Play([] { return PlayerMoveState.jumpKind == 0; }, 400);
        if (key != 0) LetGo(key);
        Frames(2);
        return ok;
    }
    // The shared roads drive with this fixture's own frame loop.
    RoadHands Hands() {
        return {[this](int k) { Hold(k); }, [this](int k) { LetGo(k); }, [this](int k) { Press(k); },
                [this](int k) { Release(k); },
                [this](const std::function<bool()>& until, int n) { return Play(until, n); }};
    }
    // A picture of the last frame for the documentation, only when
    // QM_SCREENSHOT_DIR names a folder.
    void Picture(const std::string& name) {
        if (const char* dir = std::getenv("QM_SCREENSHOT_DIR")) {
            EXPECT_TRUE(plat::headless::SaveLastFramePng(std::string(dir) + "/era01_" + name + ".png"));
        }
    }
    // A menu key: down for one frame, then up.
    void MenuKey(int key) {
        Press(key);
        Frames(1);
        Release(key);
        Frames(12);
    }
    void Crouch(int frames) {
        Hold(VK_DOWN);
        Frames(frames);
        LetGo(VK_DOWN);
        Frames(2);
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
    // The good object of the collecting game nearest to her, or -1.
    static int NearestGoodObject() {
        int best = -1;
        for (int k = 0; k < 5; ++k) {
            const CollectGameObject& o = CollectGameObjects[k];
            if (o.state != 17 && o.state != 18) continue;
            if (best < 0 || std::abs(o.x - PlayerState.x) < std::abs(CollectGameObjects[best].x - PlayerState.x))
                best = k;
        }
        return best;
    }
    static bool BadObjectNear() {
        for (int k = 5; k < 8; ++k) {
            const CollectGameObject& o = CollectGameObjects[k];
            if ((o.state == 17 || o.state == 18) && std::abs(o.x - PlayerState.x) <= 45) return true;
        }
        return false;
    }
};

TEST_F(FieldMiddleGame, FromTheGatekeeperToTheTurret) {
    SeedRandom(11);
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        Era00StoryPhase = 3;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        PlayerState.x = 18400;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        ScrollX = 18000;
        PlayerState.maxHp = PlayerState.hp = 900;
        // The first stretch's lessons were read on the way.
        WalkingEnemyRecords[0].meetingStep = 6;
        FlyingEnemyRecords[0].lessonStep = 8;
        // Field enemy A was met and beaten on the first stretch.
        FieldEnemyARecord.firstMeetingStep = 14;
        FieldEnemyARecord.state = FieldEnemyARecord.frame = 0;
        FieldEnemyARecord.latch1 = FieldEnemyARecord.latch2 = 0;
    }));

    // ---- the gatekeeper's talk: held at his side, HP kept throughout.
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return DialogueChannels.storyLine == 25; }));
    EXPECT_GE(PlayerState.x, 18590);
    ASSERT_TRUE(Play([] { return GatekeeperRecord.state == 13; }, 4000));
    std::vector<std::int32_t> talk = Range(25, 28);
    for (std::int32_t v : Range(1001, 1018)) talk.push_back(v);
    for (std::int32_t v : Range(29, 39)) talk.push_back(v);
    EXPECT_EQ(story_, talk) << Listed(story_);
    for (std::int32_t hp : storyHp_) EXPECT_EQ(hp, 900);
    EXPECT_EQ(PlayerState.x, G + 1133);
    EXPECT_EQ(ScrollX, 17858);

    // ---- the collecting game: five good objects picked up.
    ASSERT_TRUE(Play([] { return CollectGameObjects[0].state == 12; }, 2000));
    ASSERT_TRUE(Walk(VK_LEFT, [] { return PlayerState.x < G + 990; }, 200));
    ASSERT_TRUE(Play([] { return CollectGameObjects[0].state >= 17; }, 400));
    Frames(30);
    Picture("collect_game");
    // She keeps to the pit and crouches as a good one comes within reach
    // (a bad one met on the way costs 10 HP).
    for (int tries = 0; tries < 600 && ItemCounts[1] < 5; ++tries) {
        const int k = NearestGoodObject();
        if (k < 0) break;
        const std::int32_t d = CollectGameObjects[k].x - PlayerState.x;
        if (std::abs(d) <= 25) {
            Crouch(6);
        } else if ((d < 0 && PlayerState.x > G + 130) || (d > 0 && PlayerState.x < G + 960)) {
            Walk(d > 0 ? VK_RIGHT : VK_LEFT, [k] {
                return std::abs(CollectGameObjects[k].x - PlayerState.x) <= 15 || PlayerState.x <= G + 120 ||
                       PlayerState.x >= G + 970;
            }, 12);
        } else {
            Crouch(6);
        }
    }
    ASSERT_EQ(ItemCounts[1], 5u);

    // ---- down into the lower route; the gate holds her for its talk.
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return Era01TerrainState.lowerRoute == 1 && PlayerState.y == 740; }, 3000))
        << "x " << PlayerState.x << " y " << PlayerState.y;
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return DialogueChannels.gateLine == 1; }, 600));
    EXPECT_EQ(PlayerState.x, T + 419);
    ASSERT_TRUE(Play([] { return Era01Progress == 1; }, 4000)) << Listed(gate_);
    std::vector<std::int32_t> gateTalk = Range(1, 6);
    for (std::int32_t v : {5, 7}) gateTalk.push_back(v);
    for (std::int32_t v : Range(8, 18)) gateTalk.push_back(v);
    EXPECT_EQ(gate_, gateTalk) << Listed(gate_);
    Frames(4);

    // ---- out of the lower route with a jump, onto the lift, up to the
    // upper floor and down its stairs.
    ASSERT_TRUE(WalkTo(T + 330));
    ASSERT_TRUE(Jump(VK_LEFT));
    EXPECT_EQ(Era01TerrainState.lowerRoute, 0);
    // A running jump lands her on the lift's top, a walking one from there
    // reaches the upper floor before the lift takes her.
    ASSERT_TRUE(UpOverTheLift(Hands())) << "x " << PlayerState.x << " y " << PlayerState.y;
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return PlayerState.x >= A - 300; }, 4000))
        << "x " << PlayerState.x << " y " << PlayerState.y;
    EXPECT_EQ(PlayerState.y, 640) << "down the stairs";
    EXPECT_EQ(Era01TerrainState.lowerRoute, 0);

    // ---- wave 2: its talk, then throws until the fourth after the talk
    // drops the prop, with two more lines.
    ASSERT_TRUE(Play([] { return DialogueChannels.arenaLine == 5; }, 600));
    for (int round = 0; round < 12 && ArenaState.clearedWaves < 1; ++round) {
        Walk(VK_RIGHT, [] { return MessageBoxOpen == 1 || ArenaState.clearedWaves >= 1; }, 400);
        Play([] { return MessageBoxOpen == 0; }, 800);
    }
    ASSERT_EQ(ArenaState.clearedWaves, 1);
    EXPECT_EQ(arena_, Range(5, 11)) << Listed(arena_);
    EXPECT_EQ(ArenaState.propMode, 2);

    // ---- wave 3: crouching by the prop takes it.
    ASSERT_TRUE(WalkTo(ArenaState.objectX, 20));
    Crouch(8);
    EXPECT_EQ(ItemCounts[2], 1u);
    EXPECT_EQ(ArenaState.clearedWaves, 2);

    // ---- wave 4: its pool lowered, one G blow drains it; the enemy
    // collapses and leaves an item.
    LearnedMoveG = 1;
    ASSERT_TRUE(Play([] { return ArenaState.waveHold == 2; }, 200));
    ArenaState.expPool = 5;
    // Within 120 px it strikes first unless an F or G combo already runs, so
    // the blow starts just outside that reach.
    for (int tries = 0; tries < 20 && ArenaState.clearedWaves < 3; ++tries) {
        Play([] { return MessageBoxOpen == 0; }, 600);
        WalkTo(A - 135, 6);
        Hold(VK_RIGHT);
        Frames(2);
        LetGo(VK_RIGHT);
        Press(VkLetter('g'));
        Frames(40);
    }
    ASSERT_EQ(ArenaState.clearedWaves, 3);
    ASSERT_TRUE(Play([] { return ArenaEnemy.frame == 0 && DropItemSlots.flag[0] == 1; }, 600));
    EXPECT_EQ(ArenaState.waveHold, 0);
    ASSERT_TRUE(WalkTo(DropItemSlots.x[0], 6));
    Crouch(8);
    EXPECT_EQ(ItemCounts[3], 1u);
    EXPECT_EQ(DropItemSlots.flag[0], 0);

    // ---- back over the stairs and the upper floor, whose lip drops her into
    // the pit; on the lower route the gate holds her again.
    ASSERT_TRUE(Walk(VK_LEFT, [] { return PlayerState.x < T + 300; }, 4000)) << "x " << PlayerState.x;
    ASSERT_TRUE(Play([] { return PlayerState.y == 640 && Era01TerrainState.pitFallStartY == 0; }, 300));
    EXPECT_EQ(PlayerState.x, T + 260) << "the pit puts her at its edge";
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return PlayerState.x == T + 419 && PlayerState.y == 740; }, 600))
        << "x " << PlayerState.x << " y " << PlayerState.y;
    Frames(4);
    EXPECT_EQ(PlayerState.x, T + 419);

    // ---- the arena's prop used from the item screen at the gate: progress
    // 2, and a second later the gate opens.
    Tap(VK_F2);
    ASSERT_TRUE(Play([] { return GameFlow.phase == 0 && MenuFlowState.IntroStep == 6; }, 600));
    MenuKey(VK_RIGHT);
    ASSERT_EQ(MenuFlowState.Cursor, 2u);
    MenuKey(VK_RETURN);
    ASSERT_TRUE(Play([] { return MenuFlowState.ItemOpen == 1 && MenuFlowState.ItemIntro == 6; }, 600));
    for (int i = 0; i < 4 && MenuFlowState.ItemCursor != 3; ++i) {
        MenuKey(VK_DOWN);
    }
    ASSERT_EQ(MenuFlowState.ItemCursor, 3u);
    MenuKey(VK_RETURN);
    ASSERT_TRUE(Play([] { return Era01Progress == 2; }, 100));
    EXPECT_EQ(ItemCounts[2], 0u);
    ASSERT_TRUE(Play([] { return GameFlow.phase == 1; }, 1200));
    const double usedAt = GameClock.gameClock;
    ASSERT_TRUE(Play([] { return Era01Progress == 3; }, 400));
    EXPECT_NEAR(GameClock.gameClock - usedAt, 1.0, 0.1);
    EXPECT_EQ(MessageBoxOpen, 0);

    // ---- the teacher's lesson on the lower route: D pressed as soon as
    // line 78 asks for it, in both tries.
    const std::size_t lessonFrom = story_.size();
    ASSERT_TRUE(Walk(VK_RIGHT, [] { return DialogueChannels.storyLine == 50; }, 600)) << "x " << PlayerState.x;
    EXPECT_EQ(NpcSceneLock, 1u);
    EXPECT_EQ(PlayerState.x, T + 866);
    int dPresses = 0;
    ASSERT_TRUE(Play([&] {
        if (DialogueChannels.storyLine == 78 && KeyDPressed == 0 && MessageBoxOpen == 0) {
            Press(VkLetter('d'));
            ++dPresses;
        }
        return LearnedMoveD == 1;
    }, 6000)) << Listed(story_);
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
    ASSERT_TRUE(WalkTo(T + 330));
    ASSERT_TRUE(Jump(VK_LEFT));
    ASSERT_EQ(Era01TerrainState.lowerRoute, 0);
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
}

}  // namespace
