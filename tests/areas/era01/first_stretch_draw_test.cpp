// The field's first draw passes as recorded draws: the first section's
// scenery and tile grid by the view's window, field enemy A's pictures, and
// the walking enemies with their second pieces.
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

class FieldDraw : public DrawPassTest {
protected:
    void SetUp() override {
        DrawPassTest::SetUp();
        OpenDevice();
        GameFlow.phase = 1;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        FieldEnemyARecord = FieldEnemyAStateRecord{};
        for (WalkingEnemyRecord& e : WalkingEnemyRecords) e = WalkingEnemyRecord{};
        for (std::int32_t& f : WalkingEnemyDrawFlags) f = 1;
    }
    // The slots of the first section's pieces and grid among the draws.
    std::set<int> Slots(const Sprites& s) const {
        static const std::set<int> kFirstSection = {31, 49, 52, 55, 56, 57};
        std::set<int> out;
        for (const auto& r : s)
            if (kFirstSection.count(SlotOf(r)) != 0) out.insert(SlotOf(r));
        return out;
    }
};

TEST_F(FieldDraw, TheFirstSectionFollowsItsWindows) {
    struct Case {
        std::int32_t scroll;
        std::set<int> slots;
    };
    const Case cases[] = {
        {16901, {}},                                   // past the section
        {16900, {49, 52, 31, 55, 56, 57}},             // its last view, the grid still in its window
        {15099, {49, 52, 31, 55, 56}},                 // in view, the grid not yet
        {15100, {49, 52, 31, 55, 56, 57}},
        {14280, {49, 52, 31, 55, 56}},
        {14279, {}},
    };
    for (const Case& c : cases) {
        ScrollX = c.scroll;
        EXPECT_EQ(Slots(DrawOnce(DrawEra01FirstFieldSections)), c.slots) << c.scroll;
    }
    ScrollX = 16000;
    const Sprites s = DrawOnce(DrawEra01FirstFieldSections);
    EXPECT_EQ(FromSlot(s, 31).size(), 6u);
    EXPECT_EQ(FromSlot(s, 57).size(), 16u);
}

TEST_F(FieldDraw, TheGridRunsItsFourPhasesIn0Point8Seconds) {
    ScrollX = 16000;
    auto tops = [&] {
        std::vector<std::int32_t> t;
        for (const auto& r : FromSlot(DrawOnce(DrawEra01FirstFieldSections), 57)) t.push_back(r.src.top);
        return t;
    };
    GameClock.gameClock = 50.0;
    tops();   // starts the cycle
    std::vector<std::vector<std::int32_t>> phases;
    for (double d : {0.05, 0.25, 0.45, 0.65}) {
        GameClock.gameClock = 50.0 + d;
        phases.push_back(tops());
    }
    EXPECT_EQ(phases[0][0], 0);
    EXPECT_EQ(phases[1][0], 26);
    EXPECT_EQ(phases[2][0], 52);
    EXPECT_EQ(phases[3][1], 0);
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) EXPECT_NE(phases[i], phases[j]) << i << " " << j;
    // At 0.8 s the cycle starts again from phase 1.
    GameClock.gameClock = 50.81;
    tops();
    GameClock.gameClock = 50.86;
    EXPECT_EQ(tops(), phases[0]);
}

TEST_F(FieldDraw, FieldEnemyAFrameEightIsTwoFixedPicturesAndAnUnknownFrameNothing) {
    FieldEnemyAStateRecord& e = FieldEnemyARecord;
    e.x = 17549;
    e.y = 640;
    ScrollX = 17000;
    e.frame = 8;
    Sprites s = FromSlot(DrawOnce(DrawEra01FirstFieldSections), 59);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].src.left, 658);
    EXPECT_EQ(s[0].colour, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(s[0].y, 640 - 144);
    EXPECT_EQ(s[1].src.left, 527);
    EXPECT_EQ(s[1].colour, 0xBBBBBBBBu);
    EXPECT_FLOAT_EQ(s[1].y, 640 - 180);
    e.frame = 16;
    s = FromSlot(DrawOnce(DrawEra01FirstFieldSections), 59);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].colour, 0xDDDDDDDDu);
    EXPECT_FLOAT_EQ(s[0].x, 549.0f);
    EXPECT_FLOAT_EQ(s[0].y, 640 - 144);
    EXPECT_FLOAT_EQ(s[0].centreX, 32.0f);
    for (std::int32_t unknown : {0, 21, 99}) {
        e.frame = unknown;
        EXPECT_TRUE(FromSlot(DrawOnce(DrawEra01FirstFieldSections), 59).empty()) << unknown;
    }
    e.frame = 1;
    ScrollX = e.x + 501;
    EXPECT_TRUE(FromSlot(DrawOnce(DrawEra01FirstFieldSections), 59).empty());
}

TEST_F(FieldDraw, AWalkerIsDrawnOnlyWhileTheViewIsNearIt) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[0];
    e.x = 9000;
    e.y = 640;
    e.frame = 5;
    e.facing = 1;
    for (std::int32_t scroll : {9000 - 1201, 9000 - 1200, 9000 + 500, 9000 + 501}) {
        ScrollX = scroll;
        const bool inside = scroll >= 9000 - 1200 && scroll <= 9000 + 500;
        EXPECT_EQ(FromSlot(DrawOnce(DrawEra01EnemiesAndEncounterActors), 36).size(), inside ? 1u : 0u) << scroll;
    }
    WalkingEnemyDrawFlags[0] = WalkingEnemyDrawFlags[1] = 0;
    ScrollX = 8800;
    EXPECT_TRUE(DrawOnce(DrawEra01EnemiesAndEncounterActors).empty());
}

TEST_F(FieldDraw, ASplittingWalkerShowsItsSecondHalfTurnedTheOtherWay) {
    WalkingEnemyRecord& e = WalkingEnemyRecords[1];
    e.x = 9000;
    e.y = 600;
    e.frame = 22;
    e.facing = 1;
    e.angle = -20;
    e.pieceOffset = 9050;
    ScrollX = 8800;
    const Sprites s = FromSlot(DrawOnce(DrawEra01EnemiesAndEncounterActors), 36);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].src.left, 0);    // frame 22, the first half
    EXPECT_EQ(s[1].src.left, 33);   // frame 23
    float x0, y0, x1, y1;
    Land(s[0], s[0].centreX, s[0].centreY, &x0, &y0);
    Land(s[1], s[1].centreX, s[1].centreY, &x1, &y1);
    EXPECT_NEAR(x0, 200.0f, 0.5f);
    EXPECT_NEAR(x1, 250.0f, 0.5f);
    EXPECT_NEAR(y1, 600.0f, 0.5f);
    // Turned against each other: a point above each pivot leans opposite ways.
    float ax, ay, bx, by;
    Land(s[0], s[0].centreX, s[0].centreY - 100, &ax, &ay);
    Land(s[1], s[1].centreX, s[1].centreY - 100, &bx, &by);
    EXPECT_LT((ax - x0) * (bx - x1), 0.0f);
}

}  // namespace
