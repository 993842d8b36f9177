// The residency plans: which sets a camera position asks for and frees, and
// the trace lines of a build and of a release.
#include "core/player.h"
#include "core/residency.h"
#include "shell/graphics.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class Residency : public GameHarness {
protected:
    // Applies the plan at scroll s; returns the sets it marks needed.
    static std::set<int> NeededAt(std::uint32_t (*plan)(std::int32_t), int s, int limit) {
        ScrollX = s;
        EXPECT_EQ(plan(1), 99u);
        std::set<int> needed;
        for (int g = 1; g <= limit; ++g)
            if (PloadPlan.needed[g]) needed.insert(g);
        return needed;
    }
    static int CountLines(const std::string& log, const std::string& start) {
        int n = 0;
        for (const std::string& line : SplitLines(log))
            if (line.rfind(start, 0) == 0) ++n;
        return n;
    }
};

TEST_F(Residency, Era04SetsComeAndGoAtTheirWindowEdges) {
    EXPECT_EQ(UpdateEra04Pload(0), 1u);
    NeededAt(UpdateEra04Pload, 65094 - 1200, 99);
    EXPECT_EQ(PloadPlan.state[51], 0u);
    NeededAt(UpdateEra04Pload, 65094 - 1199, 99);
    EXPECT_EQ(PloadPlan.state[51], 2u);   // requested
    PloadPlan.state[51] = kGraphicLoaded;  // as the creation step does
    EXPECT_TRUE(NeededAt(UpdateEra04Pload, 67244 + 199, 99).count(51));
    EXPECT_EQ(PloadPlan.state[51], kGraphicLoaded);
    EXPECT_FALSE(NeededAt(UpdateEra04Pload, 67244 + 200, 99).count(51));
    EXPECT_EQ(PloadPlan.state[51], 0u);   // freed
    // Other modes change nothing and give the last result.
    EXPECT_EQ(UpdateEra04Pload(7), 99u);
}

TEST_F(Residency, Era01AtTwentyThousandKeepsExactlyItsThreeSets) {
    UpdateEra01Pload(0);
    for (int g : {3, 6}) PloadPlan.state[g] = kGraphicLoaded;
    EXPECT_EQ(NeededAt(UpdateEra01Pload, 20000, 45), (std::set<int>{27, 39, 41}));
    EXPECT_EQ(PloadPlan.state[3], 0u);
    EXPECT_EQ(PloadPlan.state[6], 0u);
    for (int g : {27, 39, 41}) EXPECT_EQ(PloadPlan.state[g], 2u) << g;
    // A row whose window is one point keeps its set from 1200 before to 200
    // after it: set 15 at 15900.
    EXPECT_TRUE(NeededAt(UpdateEra01Pload, 15900 + 199, 45).count(15));
    EXPECT_FALSE(NeededAt(UpdateEra01Pload, 15900 + 200, 45).count(15));
}

TEST_F(Residency, ThePlanBuiltLastOwnsTheSharedRows) {
    UpdateEra01Pload(0);
    EXPECT_EQ(PloadPlan.rowSet[13], 12);
    EXPECT_EQ(PloadPlan.rowFrom[36], 42500);
    EXPECT_EQ(PloadPlan.rowTo[36], 46750);
    UpdateEra03Pload(0);
    EXPECT_EQ(PloadPlan.rowSet[1], 42);
    EXPECT_EQ(PloadPlan.rowFrom[1], 49907);
    EXPECT_EQ(PloadPlan.rowSet[12], 2);
    EXPECT_EQ(PloadPlan.rowFrom[12], 63750);
    EXPECT_EQ(PloadPlan.rowSet[13], 12);   // left over from the Era01 plan
    EXPECT_EQ(PloadPlan.rowSet[36], 42);
    // The Era03 apply reads only its own twelve rows: at 42500 (row 36 of
    // the Era01 plan) it needs nothing.
    EXPECT_TRUE(NeededAt(UpdateEra03Pload, 42500, 99).empty());
    EXPECT_EQ(NeededAt(UpdateEra03Pload, 56800, 99), (std::set<int>{51, 52}));
}

TEST_F(Residency, BuildsAndReleasesLeaveTheirTraceLines) {
    StartGame();
    RunFrames(1);
    ASSERT_EQ(UpdateEra04Pload(0), 1u);
    std::string log = TraceLog();
    ASSERT_NE(log.find("Era04 Pload data new "), std::string::npos);
    EXPECT_NE(log.find("GNoA[  1]= 51 B[  1]= 65094 C[  1]= 67244 ( 63894 ->  68444)"), std::string::npos);
    EXPECT_NE(log.find("GNoA[  8]= 71 B[  8]= 83794 C[  8]= 87395 ( 82594 ->  88595)"), std::string::npos);
    ASSERT_EQ(UpdateEra01Pload(0), 1u);
    log = TraceLog();
    EXPECT_NE(log.find("Era01 Pload data new "), std::string::npos);
    EXPECT_NE(log.find("GNoA[ 36]= 42 B[ 36]= 42500 C[ 36]= 46750 ( 41300 ->  47950)"), std::string::npos);
    // A loaded set the camera has left is released with its line; a set
    // that is only requested is not.
    PloadPlan.state[9] = kGraphicLoaded;
    PloadPlan.state[10] = 2;
    const int freesBefore = CountLines(TraceLog(), "Pfree");
    NeededAt(UpdateEra01Pload, 30000, 45);
    EXPECT_EQ(PloadPlan.state[9], 0u);
    EXPECT_EQ(PloadPlan.state[10], 2u);
    EXPECT_EQ(CountLines(TraceLog(), "Pfree"), freesBefore + 1);
    EXPECT_EQ(CountLines(TraceLog(), "Pfree   GNo[  9]"), 1);
}

TEST_F(Residency, TheCreationStepLoadsAndFreesEra04SetsAsTheCameraMoves) {
    StartGame();
    RunFrames(1);
    GsFlags[kEra04Set] = kGraphicRequested;
    UpdateEra04Pload(0);
    ScrollX = 66000;
    CreateRequestedGraphics();
    EXPECT_EQ(PloadPlan.state[51], kGraphicLoaded);
    EXPECT_NE(TextureSlots[37 + 51], 0);
    EXPECT_EQ(PloadPlan.state[60], 0u);
    EXPECT_EQ(CountLines(TraceLog(), "Pload   GNo[ 51]=  1"), 1);
    ScrollX = 70000;
    CreateRequestedGraphics();
    EXPECT_EQ(PloadPlan.state[51], 0u);
    EXPECT_EQ(TextureSlots[37 + 51], 0);
    EXPECT_EQ(PloadPlan.state[60], kGraphicLoaded);
    EXPECT_EQ(CountLines(TraceLog(), "Pfree   GNo[ 51]"), 1);
    EXPECT_EQ(CountLines(TraceLog(), "Pload   GNo[ 60]=  1"), 1);
}

}  // namespace
