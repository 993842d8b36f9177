// The field's middle draw passes as recorded draws: the barrier that stands
// until the gate is open, the lift section's window, the arena enemy's
// two-piece frame, and the spawner's strict window.
#include <gtest/gtest.h>

#include <set>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "shell/draw_pass_fixture.h"

namespace {

using Sprites = std::vector<plat::headless::SpriteDrawRecord>;

class FieldMiddleDraw : public DrawPassTest {
protected:
    void SetUp() override {
        DrawPassTest::SetUp();
        OpenDevice();
        GameFlow.phase = 1;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        Era01NpcRecord = Era01NpcStateRecord{};
        ArenaEnemy = ArenaEnemyRecord{};
        ArenaState = ArenaStateRecord{};
        AnchorObstacleState = AnchorObstacleStateRecord{};
        FieldSpawnerSlots = FieldSpawnerSlotsRecord{};
    }
};

TEST_F(FieldMiddleDraw, TheBarrierStandsUntilTheGateIsOpen) {
    ScrollX = 20300;
    struct Case {
        std::int32_t progress;
        std::size_t barrierPieces, openedPieces;
    };
    const Case cases[] = {{0, 148, 0}, {1, 148, 0}, {2, 148, 0}, {3, 0, 1}};
    for (const Case& c : cases) {
        Era01Progress = c.progress;
        const Sprites s = DrawOnce(DrawEra01LiftSection);
        const Sprites barrier = FromSlot(s, 30);
        EXPECT_EQ(barrier.size(), c.barrierPieces) << c.progress;
        EXPECT_EQ(FromSlot(s, 69).size(), c.openedPieces) << c.progress;
        if (barrier.empty()) continue;
        // 37 columns of four, 25 px apart, from x 20675 to 21575.
        std::set<float> xs;
        for (const auto& r : barrier) xs.insert(r.x + static_cast<float>(ScrollX));
        EXPECT_EQ(xs.size(), 37u);
        EXPECT_EQ(*xs.begin(), 20675.0f);
        EXPECT_EQ(*xs.rbegin(), 21575.0f);
    }
}

TEST_F(FieldMiddleDraw, TheLiftSectionEndsAtItsWindow) {
    Era01Progress = 3;
    ScrollX = 21600;
    EXPECT_FALSE(DrawOnce(DrawEra01LiftSection).empty());
    ScrollX = 21601;
    EXPECT_TRUE(DrawOnce(DrawEra01LiftSection).empty()) << "none of its pieces past a21 + 1400";
    // Colours 4 to 6 are stepped only while the opened section is drawn.
    Era01SceneryColours[3] = 0xFFFFFFFFu;
    GameClock.gameClock += 1.0;
    DrawOnce(DrawEra01LiftSection);
    EXPECT_EQ(Era01SceneryColours[3], 0xFFFFFFFFu);
    ScrollX = 21000;
    DrawOnce(DrawEra01LiftSection);
    EXPECT_EQ(Era01SceneryColours[3], 0xFEFEFEFEu);
}

TEST_F(FieldMiddleDraw, ArenaEnemyFrameSevenIsTwoFixedPieces) {
    ScrollX = 23000;
    ArenaEnemy.x = 23445;
    ArenaEnemy.y = 640;
    struct Case {
        std::int32_t frame;
        std::size_t pieces;
    };
    const Case cases[] = {{0, 0}, {7, 2}, {14, 1}, {20, 0}};
    for (const Case& c : cases) {
        ArenaEnemy.frame = c.frame;
        const Sprites s = FromSlot(DrawOnce(DrawEra01FarFieldAndArena), 63);
        ASSERT_EQ(s.size(), c.pieces) << c.frame;
        if (c.frame != 7) continue;
        EXPECT_EQ(s[0].colour, 0xCCFFFFFFu);
        EXPECT_EQ(s[0].src.left, 658);
        EXPECT_EQ(s[1].colour, 0xBBBBBBBBu);
        EXPECT_EQ(s[1].src.left, 527);
    }
}

TEST_F(FieldMiddleDraw, SpawnerObjectsOnlyInsideTheStrictWindow) {
    FieldSpawnerSlots.state[1] = 1;
    FieldSpawnerSlots.x[1] = 27600;
    FieldSpawnerSlots.y[1] = 250;
    FieldSpawnerSlots.state[2] = 3;
    FieldSpawnerSlots.x[2] = 27700;
    FieldSpawnerSlots.y[2] = 600;
    ScrollX = 27350;
    const Sprites at = DrawOnce(DrawEra01FarFieldAndArena);
    EXPECT_TRUE(FromSlot(at, 37).empty());
    EXPECT_TRUE(FromSlot(at, 34).empty());
    ScrollX = 27351;
    const Sprites in = DrawOnce(DrawEra01FarFieldAndArena);
    EXPECT_EQ(FromSlot(in, 37).size(), 1u);
    ASSERT_EQ(FromSlot(in, 34).size(), 1u);
    EXPECT_EQ(FromSlot(in, 34)[0].colour, 0xAAFFFFFFu);
}

}  // namespace
