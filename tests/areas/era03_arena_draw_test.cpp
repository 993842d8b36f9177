// The arena encounter's draw entries: which sheet draws which actor, in
// which controller states.
#include <gtest/gtest.h>

#include "areas/era03/arena.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "shell/draw_pass_fixture.h"

namespace {

using Sprites = std::vector<plat::headless::SpriteDrawRecord>;
constexpr std::int32_t A = kArenaAnchor;

class ArenaDraw : public DrawPassTest {
protected:
    void SetUp() override {
        DrawPassTest::SetUp();
        OpenDevice();
        ResetEra03Area();
        GameFlow.phase = 1;
        Era03AreaFlag = 1;
        ScrollX = A - 60;
        // Nothing of the scene pieces or the actors unless a test says so.
        Era03ArenaEncounter.controllerState = 99;
        Era03ArenaBoss1.pose = 19;
        Era03ArenaBoss1.x = A + 400;
        Era03ArenaEnemy2.pose = 1;
        Era03ArenaEnemy2.x = A + 600;
        Era03ArenaEnemy3.pose = 0;
        Era03ArenaEnemy3.x = A + 300;
    }
    std::size_t Count(int slot) { return FromSlot(DrawOnce(DrawEra03ArenaEncounterEntries), slot).size(); }
};

TEST_F(ArenaDraw, EachActorIsDrawnInItsOwnStatesFromItsOwnSheet) {
    struct Case {
        std::int32_t state, showAll, enemy3Pose;
        std::size_t boss1, enemy2, enemy3Fight, enemy3Stand;
    };
    const Case cases[] = {
        {3, 0, 0, 1, 0, 0, 0},      // boss 1's phase, no bullets: its frame alone
        {5, 0, 0, 0, 1, 0, 0},      // enemy 2's phase
        {7, 0, 1, 0, 0, 1, 0},      // enemy 3 fighting
        {7, 0, 100, 0, 0, 1, 0},    // 100 is still a fight pose
        {7, 0, 101, 0, 0, 0, 1},    // standing poses come from the other sheet
        {4, 0, 101, 0, 0, 0, 1},    // in any state
        {7, 99, 1, 1, 1, 1, 0},     // everyone shown again
        {1, 99, 0, 1, 1, 0, 0},
    };
    for (const Case& c : cases) {
        Era03ArenaEncounter.controllerState = c.state;
        Era03ArenaEncounter.showAll = c.showAll;
        Era03ArenaEnemy3.pose = c.enemy3Pose;
        const Sprites s = DrawOnce(DrawEra03ArenaEncounterEntries);
        EXPECT_EQ(FromSlot(s, 92).size(), c.boss1) << "state " << c.state << " pose " << c.enemy3Pose;
        EXPECT_EQ(FromSlot(s, 93).size(), c.enemy2) << "state " << c.state;
        EXPECT_EQ(FromSlot(s, 94).size(), c.enemy3Fight) << "state " << c.state << " pose " << c.enemy3Pose;
        EXPECT_EQ(FromSlot(s, 87).size(), c.enemy3Stand) << "state " << c.state << " pose " << c.enemy3Pose;
    }
}

TEST_F(ArenaDraw, Boss1sEffectsAndBulletsFollowItsFrame) {
    Era03ArenaEncounter.controllerState = 3;
    Era03ArenaBoss1.effectA = 51;
    Era03ArenaBoss1.effectB = 99;
    Era03ArenaBoss1.bulletCount = 3;
    Era03ArenaBullets.active[1] = Era03ArenaBullets.active[3] = 1;
    EXPECT_EQ(Count(92), 5u) << "frame, two effects and the two live bullets";
    Era03ArenaBoss1.pose = 101;
    EXPECT_EQ(Count(92), 4u) << "a scene pose is the scene pieces' to draw";
}

TEST_F(ArenaDraw, ThePostAndItsCrackleShowOnlyWhileItStands) {
    Era03ArenaEncounter.controllerState = 2;
    Era03ArenaHazardPost = {A + 908, 180, 0, 1.0f};
    struct Case {
        std::int32_t frame;
        std::size_t pieces;
    };
    // The fixed pieces (parts 1, 3, 4, 7, 8), the post (9, 10) and its chain
    // of crackle segments (11..23).
    for (const Case& c : {Case{0, 5}, Case{1, 7}, Case{2, 20}, Case{3, 20}}) {
        Era03ArenaEncounter.hazardPostFrame = c.frame;
        Era03ArenaBoss1.preFightState = 99;
        Era03ArenaBoss1.pose = 19;
        EXPECT_EQ(Count(91), c.pieces) << "frame " << c.frame;
    }
}

// Enemy 3 is set down on the ground line (y 640) when she lands from the
// post, runs and stands: each of those poses has her feet on it.
TEST(ArenaEnemy3Frames, ThePosesSheTakesOnTheGroundStandOnIt) {
    for (const std::int32_t pose : {10, 11, 12, 13, 18, 101, 118}) {
        Era03ArenaEnemy3.y = 640;
        SetEra03ArenaEnemy3Frame(pose);
        const PendingSpriteRecord& s = PendingSprite;
        const float feet = float(s.posY) - s.pivotY + float(s.srcBottom - s.srcTop);
        EXPECT_NEAR(feet, 640.0f, 3.0f) << "pose " << pose;
    }
}

}  // namespace
