// Save spots: where saving is allowed, the override, and the marker.
#include <gtest/gtest.h>

#include "areas/era02/records.h"
#include "core/game_clock.h"
#include "core/save_spots.h"

#include "core/player.h"

namespace {

std::int32_t FlagAt(std::int32_t x) {
    PlayerPrevFrame.x = x;
    UpdateSpotFlag(1);
    return SaveSpotFlag;
}

}  // namespace

TEST(SaveSpotFlagTest, OneWithinAHundredPixelsOfASpot) {
    EXPECT_EQ(FlagAt(2389), 1);
    EXPECT_EQ(FlagAt(2488), 1);   // distance 99
    EXPECT_EQ(FlagAt(2489), 0);   // distance 100
    EXPECT_EQ(FlagAt(2290), 1);
    EXPECT_EQ(FlagAt(2289), 0);
    EXPECT_EQ(FlagAt(130), 0);
    EXPECT_EQ(FlagAt(51000), 1);
    EXPECT_EQ(FlagAt(60500 + 99), 1);
    EXPECT_EQ(FlagAt(63750 - 99), 1);
    EXPECT_EQ(FlagAt(63750 - 100), 0);
}

TEST(SaveSpotFlagTest, ArrivalSpotWaitsForTheArrivalScene) {
    ArrivalScene.flag = 0;
    EXPECT_EQ(FlagAt(46321), 0);
    ArrivalScene.flag = 1;
    EXPECT_EQ(FlagAt(46321), 1);
    EXPECT_EQ(FlagAt(46321 + 99), 1);
}

TEST(SaveSpotFlagTest, ArenaSpotOnlyWhileTheGaugeStandsFull) {
    const std::int32_t arena = 47100 + 1447;
    TournamentGauge.shown = 0;
    TournamentGauge.value = 98;
    EXPECT_EQ(FlagAt(arena), 0);
    TournamentGauge.shown = 1;
    TournamentGauge.value = 97;
    EXPECT_EQ(FlagAt(arena), 0);
    TournamentGauge.value = 98;
    EXPECT_EQ(FlagAt(arena), 1);
}

TEST(SaveSpotFlagTest, ForcedOnAtTheTitleButSpotsDecideOncePlayResumes) {
    PlayerPrevFrame.x = 9000;   // nowhere near a spot
    UpdateSpotFlag(2);          // back to the title
    EXPECT_EQ(SaveSpotFlag, 1);
    // Played again, the menu is opened from the stage far from any spot.
    EXPECT_EQ(FlagAt(9000), 0);
    EXPECT_EQ(FlagAt(9000), 0);
    EXPECT_EQ(FlagAt(2389), 1);
}

TEST(SaveSpotFlagTest, ForcedOffUntilBackToAutomatic) {
    EXPECT_EQ(UpdateSpotFlag(3), 2);
    EXPECT_EQ(FlagAt(2389), 0);   // leaving the stage keeps a force-off
    EXPECT_EQ(UpdateSpotFlag(4), 0);
    EXPECT_EQ(SaveSpotFlag, 1);
}

TEST(SaveSpotMarkerTest, ShownWhileTheViewIsNearASpot) {
    GameClock.gameClock = 5.0;
    ScrollX = 1188;
    UpdateSaveSpotMarker();
    EXPECT_EQ(SaveSpotMarker.frame, 0);
    ScrollX = 1189;
    UpdateSaveSpotMarker();
    EXPECT_EQ(SaveSpotMarker.frame, 1);
    EXPECT_EQ(SaveSpotMarker.x, 2389);
    EXPECT_EQ(SaveSpotMarker.y, 587);
    ScrollX = 2589;
    UpdateSaveSpotMarker();
    EXPECT_NE(SaveSpotMarker.frame, 0);
    ScrollX = 2590;
    UpdateSaveSpotMarker();
    EXPECT_EQ(SaveSpotMarker.frame, 0);

    ScrollX = 45808;
    UpdateSaveSpotMarker();
    EXPECT_EQ(SaveSpotMarker.x, 46304);
    EXPECT_EQ(SaveSpotMarker.y, 569);
}

TEST(SaveSpotMarkerTest, FramesRunOneToFourOnePerStep) {
    ScrollX = 51000;
    double t = 20.0;
    GameClock.gameClock = t;
    UpdateSaveSpotMarker();
    std::vector<int> frames{SaveSpotMarker.frame};
    for (int i = 0; i < 8; ++i) {
        t += 0.014;
        GameClock.gameClock = t;
        UpdateSaveSpotMarker();
        frames.push_back(SaveSpotMarker.frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 1, 2, 3, 4, 1}));
    // No time passed: the frame stays.
    UpdateSaveSpotMarker();
    EXPECT_EQ(SaveSpotMarker.frame, 1);
}
