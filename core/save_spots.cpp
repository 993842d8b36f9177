// Save spots and their marker.
#include "core/save_spots.h"

#include <cstdlib>

#include "core/area_hooks.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

// A spot is reached within this distance of its centre (strictly less).
constexpr std::int32_t kSpotReach = 100;

bool Near(std::int32_t x, std::int32_t centre) {
    return std::abs(x - centre) < kSpotReach;
}

constexpr std::int32_t kHomeFieldSpot = Era01Anchor01;   // 2389
// The lift's spot is the place where its marker stands (46304).
constexpr std::int32_t kLiftSpot = Era01Anchor56 + 496;
// Where the arrival scene opens the menu; saving there waits for that scene.
constexpr std::int32_t kArrivalSpot = 46321;
// The arena floor; saving there only once the tournament gauge stands full.
constexpr std::int32_t kArenaSpot = Era02Anchor1 + 1447;
constexpr std::int32_t kPlainSpots[] = {Era03Anchor1, Era03Anchor7, Era03Anchor9};

struct MarkerSpot {
    std::int32_t anchor;
    std::int32_t windowFrom, windowTo;   // ScrollX window, both ends included
    std::int32_t x, y;
};
constexpr MarkerSpot kMarkerSpots[] = {
    {Era01Anchor01, Era01Anchor01 - 1200, Era01Anchor01 + 200, Era01Anchor01, 587},
    {Era01Anchor56, Era01Anchor56 - 704, Era01Anchor56 + 696, Era01Anchor56 + 496, 569},
    {Era03Anchor1, Era03Anchor1 - 1200, Era03Anchor1 + 200, Era03Anchor1, 596},
    {Era03Anchor7, Era03Anchor7 - 1200, Era03Anchor7 + 200, Era03Anchor7, 596},
    {Era03Anchor9, Era03Anchor9 - 1200, Era03Anchor9 + 200, Era03Anchor9, 625},
};

}  // namespace

std::int32_t UpdateSpotFlag(std::int32_t mode) {
    if (mode == 1 && SaveSpotOverride == 1) {
        // The force-on of a return to the title served the title's load
        // screen; once the stage has been played again, spots decide.
        SaveSpotOverride = 0;
    }
    if (mode == 2) SaveSpotOverride = 1;
    if (mode == 3) SaveSpotOverride = 2;
    if (mode == 4) SaveSpotOverride = 0;

    const std::int32_t x = PlayerPrevFrame.x;
    SaveSpotFlag = 0;
    if (Near(x, kHomeFieldSpot)) SaveSpotFlag = 1;
    if (Near(x, kLiftSpot)) SaveSpotFlag = 1;
    if (Near(x, kArrivalSpot)) {
        SaveSpotFlag = 1;
        if (!AskArea(AreaHooks.arrivalSpotOpen)) SaveSpotFlag = 0;
    }
    if (Near(x, kArenaSpot)) {
        SaveSpotFlag = 0;
        if (AskArea(AreaHooks.arenaSpotOpen)) SaveSpotFlag = 1;
    }
    for (std::int32_t centre : kPlainSpots) {
        if (Near(x, centre)) SaveSpotFlag = 1;
    }
    if (SaveSpotOverride == 1) SaveSpotFlag = 1;
    if (SaveSpotOverride == 2) SaveSpotFlag = 0;
    return SaveSpotOverride;
}

void UpdateSaveSpotMarker() {
    const double clock = GameClock.gameClock;
    StampAheadToZero(SaveSpotMarker.frameTime, clock);

    bool held = false;
    for (const MarkerSpot& spot : kMarkerSpots) {
        if (ScrollX >= spot.windowFrom && ScrollX <= spot.windowTo) {
            SaveSpotMarker.x = spot.x;
            SaveSpotMarker.y = spot.y;
            held = true;
        }
    }
    if (!held) {
        SaveSpotMarker.frame = 0;
        return;
    }
    if (SaveSpotMarker.frame == 0) {
        SaveSpotMarker.frame = 1;
        SaveSpotMarker.frameTime = clock;
    } else if (clock - SaveSpotMarker.frameTime >= 0.01) {
        SaveSpotMarker.frame += 1;
        SaveSpotMarker.frameTime = clock;
    }
    if (SaveSpotMarker.frame >= 5) SaveSpotMarker.frame = 1;
}
