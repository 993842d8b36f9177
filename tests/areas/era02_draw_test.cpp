// The arena's stands, stage and crowd as the draw pass lays them out.
#include <gtest/gtest.h>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/player.h"
#include "shell/draw.h"
#include "shell/shell_state.h"
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

}  // namespace
