// Floor heights: default ground, the Era01 windows (staircase, lift, tower,
// pit), the under-floors and the choice between them, Era04's platforms.
#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"

#include <gtest/gtest.h>

TEST(Floors, AnchorTableNamesAndCountedEntriesAgree) {
    EXPECT_EQ(SectionAnchorX[0], 250);
    EXPECT_EQ(SectionAnchorX[2], 2389);
    EXPECT_EQ(SectionAnchorX[18], 17549);
    EXPECT_EQ(SectionAnchorX[21], 20200);
    EXPECT_EQ(SectionAnchorX[23], 23445);
    EXPECT_EQ(SectionAnchorX[55], 42500);
    EXPECT_EQ(SectionAnchorX[56], 45250);
    EXPECT_EQ(Era01Anchor56, 45808);
    EXPECT_EQ(Era02Anchor1, 47100);
    EXPECT_EQ(Era03Anchor8, 61500);
    EXPECT_EQ(Era03Anchor9, 63750);
    EXPECT_EQ(Era04SectionMarkers[1], 70464);
    EXPECT_EQ(Era04SectionMarkers[6], 82595);
    EXPECT_EQ(Era04End, 87595);
}

TEST(Floors, OutsideEveryWindowAndInEra03TheGroundIsFlat) {
    Era03AreaFlag = 1;
    for (int x : {0, 130, 21700, 25100, 52000, 87000}) {
        EXPECT_EQ(TopFloorHeightAt(x), 640) << x;
        EXPECT_EQ(UnderFloorHeightAt(x), 0) << x;
        EXPECT_EQ(FloorHeightAt(x, 100), 640) << x;
    }
}

TEST(Floors, Era01StaircaseStepsDownEveryHundredPixels) {
    Era01AreaFlag = 1;
    const int K = Era01Anchor20;
    EXPECT_EQ(TopFloorHeightAt(K + 1399), 265);
    EXPECT_EQ(TopFloorHeightAt(K + 1400), 290);
    EXPECT_EQ(TopFloorHeightAt(K + 1499), 290);
    EXPECT_EQ(TopFloorHeightAt(K + 1500), 315);
    EXPECT_EQ(TopFloorHeightAt(K + 2799), 615);
    EXPECT_EQ(TopFloorHeightAt(K + 2800), 640);
    Era01AreaFlag = 2;   // leaving: its floors no longer count
    EXPECT_EQ(TopFloorHeightAt(K + 1500), 640);
}

TEST(Floors, LiftStopHasTheGroundBelowIt) {
    Era01AreaFlag = 1;
    const int x = Era01Anchor20 + 119;
    EXPECT_EQ(TopFloorHeightAt(x), 456);
    EXPECT_EQ(UnderFloorHeightAt(x), 640);
    EXPECT_EQ(FloorHeightAt(x, 470), 456);
    EXPECT_EQ(FloorHeightAt(x, 486), 456) << "30 px below the top is still lifted onto it";
    EXPECT_EQ(FloorHeightAt(x, 487), 640);
    EXPECT_EQ(FloorHeightAt(x, 300), 456);
    EXPECT_EQ(TopFloorHeightAt(Era01Anchor20 + 164), 640);
}

TEST(Floors, UpperRouteOverTheLowerOne) {
    Era01AreaFlag = 1;
    const int x = Era01Anchor20 + 500;
    EXPECT_EQ(FloorHeightAt(x, 265), 265);
    EXPECT_EQ(FloorHeightAt(x, 640), 740);
}

TEST(Floors, PitWindowFollowsItsAnchor) {
    Era01AreaFlag = 1;
    EXPECT_EQ(TopFloorHeightAt(0), 605);
    EXPECT_EQ(TopFloorHeightAt(60), 605);
    EXPECT_EQ(TopFloorHeightAt(61), 640);
    ActivePitAnchor = Era01Anchor09;
    EXPECT_EQ(TopFloorHeightAt(Era01Anchor09 + 60), 605);
    EXPECT_EQ(TopFloorHeightAt(30), 640);
}

TEST(Floors, TowerLevelsTheHighestOpenOneCounts) {
    Era01AreaFlag = 1;
    const int G = Era01Anchor55;
    EXPECT_EQ(TopFloorHeightAt(G), 640);
    FloorGateState.level1 = 1;
    EXPECT_EQ(TopFloorHeightAt(G + 10), 615);
    EXPECT_EQ(UnderFloorHeightAt(G + 10), 0);
    FloorGateState.level3 = 1;
    EXPECT_EQ(TopFloorHeightAt(G + 10), 287);
    EXPECT_EQ(UnderFloorHeightAt(G + 10), 0) << "level 1 is open under level 3";
    FloorGateState.level1 = 0;
    EXPECT_EQ(UnderFloorHeightAt(G + 10), 615);
    FloorGateState.level2 = 1;
    EXPECT_EQ(UnderFloorHeightAt(G + 10), 451);
    EXPECT_EQ(TopFloorHeightAt(G + 50), 238);
    EXPECT_EQ(TopFloorHeightAt(G + 160), 640);
    FloorGateState.raised = 20;
    EXPECT_EQ(TopFloorHeightAt(G + 160), 287);
    EXPECT_EQ(UnderFloorHeightAt(G + 1779), 451);
    EXPECT_EQ(TopFloorHeightAt(G + 1779), 640);
}

TEST(Floors, HouseFloorDependsOnBeingIndoors) {
    Era00AreaFlag = 1;
    EXPECT_EQ(TopFloorHeightAt(Era00Anchor1 + 64), 560);
    Era00IndoorState = 1;
    EXPECT_EQ(TopFloorHeightAt(Era00Anchor1 + 1060), 555);
    EXPECT_EQ(TopFloorHeightAt(Era00Anchor1 + 1061), 640);
    EXPECT_EQ(FloorHeightAt(Era00Anchor1 + 100, 640), 640) << "below the house floor";
}

TEST(Floors, TournamentPlatformOnlyOnceRaised) {
    Era02AreaFlag = 1;
    const int x = Era02Anchor1 + 1400;
    TournamentState.platformHeight = 208;
    EXPECT_EQ(TopFloorHeightAt(x), 640);
    TournamentState.platformHeight = 209;
    EXPECT_EQ(TopFloorHeightAt(x), 482);
    EXPECT_EQ(UnderFloorHeightAt(x), 640);
}

TEST(Floors, Era04PlatformsCountWithinFortyFourPixels) {
    Era04AreaFlag = 1;
    const int px = Era04Door5 + 500;
    StageObjectTable.code[33] = 7;
    StageObjectTable.x[33] = px;
    StageObjectTable.y[33] = 420;
    EXPECT_EQ(TopFloorHeightAt(px + 44), 640) << "platforms are down";
    EncounterCFigure.platformFlag = 1;
    EXPECT_EQ(TopFloorHeightAt(px + 44), 420);
    EXPECT_EQ(TopFloorHeightAt(px - 44), 420);
    EXPECT_EQ(UnderFloorHeightAt(px - 44), 640);
    EXPECT_EQ(TopFloorHeightAt(px + 45), 640);
    EXPECT_EQ(UnderFloorHeightAt(px + 45), 0);
    // The later slot wins where two reach.
    StageObjectTable.code[38] = 7;
    StageObjectTable.x[38] = px + 60;
    StageObjectTable.y[38] = 380;
    EXPECT_EQ(TopFloorHeightAt(px + 30), 380);
    // Outside the doors' section no slot counts.
    StageObjectTable.x[34] = Era04Door6;
    StageObjectTable.code[34] = 7;
    StageObjectTable.y[34] = 300;
    EXPECT_EQ(TopFloorHeightAt(Era04Door6), 640);
    EXPECT_EQ(TopFloorHeightAt(86912), 581);
    EXPECT_EQ(UnderFloorHeightAt(87436), 640);
}
