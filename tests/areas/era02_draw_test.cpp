// The arena's stands, stage and crowd as the draw pass lays them out.
#include <gtest/gtest.h>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/player.h"
#include "shell/draw.h"
#include "shell/draw_pass_fixture.h"

namespace {

class Era02DrawTest : public DrawPassTest {
protected:
    std::vector<plat::headless::SpriteDrawRecord> Stands() {
        return DrawOnce([] { DrawEra02StandsCrowdAndStage(); });
    }
    static int Count(const std::vector<plat::headless::SpriteDrawRecord>& all, int l, int t, int r, int b) {
        int n = 0;
        for (const auto& s : all) n += (s.src.left == l && s.src.top == t && s.src.right == r && s.src.bottom == b);
        return n;
    }
};

TEST_F(Era02DrawTest, ThePlatformsTopPieceShortensUntil98ThenTheStripsSlide) {
    OpenDevice();
    Era02AreaFlag = 1;
    ScrollX = 47100 + 948;
    struct Case {
        std::int32_t height;
        int topPieces;
        float firstStripY;
    };
    for (const Case c : {Case{0, 1, 369}, Case{97, 1, 369}, Case{98, 0, 369}, Case{150, 0, 421}, Case{209, 0, 480}}) {
        TournamentState.platformHeight = c.height;
        const auto all = Stands();
        EXPECT_EQ(Count(all, 0, c.height + 387, 253, 485), c.topPieces) << "height " << c.height;
        float firstStrip = -1;
        for (const auto& s : all)
            if (s.src.left == 0 && s.src.top == 473 && s.src.bottom == 484 && (firstStrip < 0 || s.y < firstStrip))
                firstStrip = s.y;
        EXPECT_FLOAT_EQ(firstStrip, c.firstStripY) << "height " << c.height;
    }
}

TEST_F(Era02DrawTest, TheCrowdStandsInPlaceOfTheEmptySeats) {
    OpenDevice();
    Era02AreaFlag = 1;
    ScrollX = 47100 + 948;
    Era02Crowd.frameIndex = 0;
    EXPECT_EQ(Count(Stands(), 0, 162, 35, 193), 2 * 15 * 6) << "empty seats in every column of both stands";
    Era02Crowd.frameIndex = 1;
    for (std::int32_t& f : Era02Crowd.figureFrame) f = 1;
    const auto crowd = Stands();
    EXPECT_EQ(Count(crowd, 0, 162, 35, 193), 0);
    // Row 1 shows kind A of pose 1: 13 columns on the left, 14 on the right.
    EXPECT_EQ(Count(crowd, 321, 303, 337, 332), 2 * (13 + 14));
    Era02AreaFlag = 2;
    EXPECT_TRUE(Stands().empty()) << "nothing while the area is being left";
}

TEST_F(Era02DrawTest, LaterRoundsGlowsDebrisAndTheEastGate) {
    OpenDevice();
    Era02AreaFlag = 1;
    ScrollX = 47100 + 948;
    Round3Scene.afterimageA = Round3AfterimageRecord{1, 47100 + 1307, 515, 0x80FFFFFFu};
    Round4Opponent = TournamentOpponentRecord{16, 47100 + 1400, 600, 1, 0.21f, 90};
    Era02ArenaDoor.gateSelector = 4;
    const auto arena = DrawOnce([] { DrawEra02Arena(); });
    // The glow: blown up 10 and 30 times from positions cut to whole steps.
    const auto glows = FromSlot(arena, 84);
    ASSERT_EQ(glows.size(), 2u);
    float x = 0, y = 0;
    Land(glows[0], 30, 31, &x, &y);
    EXPECT_NEAR(x, 350, 0.5f) << "359 px cut to 350";
    EXPECT_NEAR(y, 510, 0.5f);
    Land(glows[1], 30, 31, &x, &y);
    EXPECT_NEAR(x, 330, 0.5f) << "359 px cut to 330";
    EXPECT_NEAR(y, 510, 0.5f);
    // The fourth opponent thrown: frame 16 turned about its feet point.
    const auto opponent = FromSlot(arena, 85);
    ASSERT_EQ(opponent.size(), 1u);
    EXPECT_EQ(opponent[0].src.left, 315);
    Land(opponent[0], 12, 44, &x, &y);
    EXPECT_NEAR(x, 452, 0.5f);
    EXPECT_NEAR(y, 600, 0.5f);
    // Gate 4: the door frame at the west end and its mirror at the east.
    const auto frames = FromSlot(arena, 79);
    int doorFrames = 0;
    for (const auto& r : frames) doorFrames += r.src.left == 78 && r.src.top == 229;
    EXPECT_EQ(doorFrames, 2);

    // Debris: only pieces whose shown word is exactly 1.
    DebrisBurst.shown[0] = 1;
    DebrisBurst.shown[2] = 2;
    DebrisBurst.x[0] = 47100 + 1000;
    DebrisBurst.y[0] = 630;
    const auto debris = FromSlot(DrawOnce([] { DrawEra02StandsCrowdAndStage(); }), 85);
    ASSERT_EQ(debris.size(), 1u);
    EXPECT_EQ(debris[0].src.left, 782);
    EXPECT_FLOAT_EQ(debris[0].y, 630);

    // From Era03 the gate shows until the view has passed it.
    Era02AreaFlag = 0;
    Era03AreaFlag = 1;
    struct Row {
        std::int32_t scroll;
        std::size_t grillePieces;
    };
    for (const Row r : {Row{50106, 7}, Row{50107, 0}}) {
        ScrollX = r.scroll;
        EXPECT_EQ(FromSlot(DrawOnce([] { DrawEra02GateFromEra03(); }), 81).size(), r.grillePieces) << r.scroll;
    }
}

}  // namespace
