// Floor heights of the world. Windows are half-open [a, b); rules apply in
// order and a later rule that holds wins; each area's rules apply only while
// its area flag is 1.
#include "core/floors.h"

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"

namespace {

constexpr bool In(std::int32_t x, std::int32_t a, std::int32_t b) { return a <= x && x < b; }

// A fixed floor window: [from, to) relative to an anchor gives height.
struct FloorWindow {
    std::int32_t anchor;
    std::int32_t from;
    std::int32_t to;
    std::int32_t height;
};

// Era01's fixed top windows, in the order they apply.
constexpr FloorWindow kEra01TopWindows[] = {
    {Era01Anchor15, 0, 100, 615},
    {Era01Anchor15, 100, 700, 590},
    {Era01Anchor15, 700, 800, 615},
    {Era01Anchor18, 100, 1000, 665},
    {Era01Anchor20, 119, 164, 456},     // the lift's stop
    {Era01Anchor20, 300, 1400, 265},
};
constexpr FloorWindow kEra01LedgeTopWindows[] = {
    {Era01Anchor24, 0, 500, 475},
    {Era01Anchor24, 500, 1600, 310},
    {Era01Anchor24, 1600, 2100, 475},
};
// Era01's fixed under-floor windows, in order.
constexpr FloorWindow kEra01UnderWindows[] = {
    {Era01Anchor20, 300, 1400, 740},
    {Era01Anchor20, 119, 164, 640},
    {Era01Anchor24, 0, 2100, 640},
};

constexpr std::int32_t kEra00Lo = Era00Anchor1 + 64;
constexpr std::int32_t kEra00Hi = Era00Anchor1 + 1061;
constexpr std::int32_t kStairLo = Era01Anchor20 + 1400;
constexpr std::int32_t kStairHi = Era01Anchor20 + 2800;
constexpr std::int32_t kTowerX = Era01Anchor55;
constexpr std::int32_t kRingLo = Era02Anchor1 + 1315;
constexpr std::int32_t kRingHi = Era02Anchor1 + 1605;
constexpr std::int32_t kEra04LedgeLo = 86912;
constexpr std::int32_t kEra04LedgeHi = 87437;
constexpr int kPlatformFirstSlot = 31;
constexpr int kPlatformLastSlot = 40;

bool TournamentPlatformStands() { return TournamentState.platformHeight == 209; }

bool Era04PlatformsOn(std::int32_t x) {
    return EncounterCFigure.platformFlag != 0 && In(x, Era04Door5, Era04Door6);
}

// The last stage-object platform slot within 45 px of x; 0 when none.
int Era04PlatformSlotAt(std::int32_t x) {
    int found = 0;
    for (int slot = kPlatformFirstSlot; slot <= kPlatformLastSlot; ++slot) {
        if (StageObjectTable.code[slot] == 0) continue;
        std::int32_t d = StageObjectTable.x[slot] - x;
        if (d < 0) d = -d;
        if (d < 45) found = slot;
    }
    return found;
}

}  // namespace

std::int32_t TopFloorHeightAt(std::int32_t x) {
    std::int32_t h = 640;
    if (Era00AreaFlag == 1 && In(x, kEra00Lo, kEra00Hi)) h = (Era00IndoorState == 1) ? 555 : 560;
    if (Era01AreaFlag == 1) {
        for (const FloorWindow& w : kEra01TopWindows)
            if (In(x, w.anchor + w.from, w.anchor + w.to)) h = w.height;
        // Fourteen steps of 100 px from 290 down to 615.
        if (In(x, kStairLo, kStairHi)) h = 640 - (14 - (x - kStairLo) / 100) * 25;
        for (const FloorWindow& w : kEra01LedgeTopWindows)
            if (In(x, w.anchor + w.from, w.anchor + w.to)) h = w.height;
        if (In(x, ActivePitAnchor, ActivePitAnchor + 61)) h = 605;
        if (In(x, kTowerX + 50, kTowerX + 150)) h = 238;
        if (In(x, kTowerX, kTowerX + 50)) {
            if (FloorGateState.level1 == 1) h = 615;
            if (FloorGateState.level2 == 1) h = 451;
            if (FloorGateState.level3 == 1) h = 287;
        }
        if (FloorGateState.raised == 20 && In(x, kTowerX + 150, kTowerX + 178)) h = 287;
    }
    if (Era02AreaFlag == 1 && TournamentPlatformStands() && In(x, kRingLo, kRingHi)) h = 482;
    if (Era04AreaFlag == 1) {
        if (Era04PlatformsOn(x)) {
            int slot = Era04PlatformSlotAt(x);
            if (slot != 0) h = StageObjectTable.y[slot];
        }
        if (In(x, kEra04LedgeLo, kEra04LedgeHi)) h = 581;
    }
    return h;
}

std::int32_t UnderFloorHeightAt(std::int32_t x) {
    std::int32_t h = 0;
    if (Era00AreaFlag == 1 && In(x, kEra00Lo, kEra00Hi)) h = 640;
    if (Era01AreaFlag == 1) {
        for (const FloorWindow& w : kEra01UnderWindows)
            if (In(x, w.anchor + w.from, w.anchor + w.to)) h = w.height;
        if (In(x, kTowerX, kTowerX + 50)) {
            const FloorGateStateRecord& g = FloorGateState;
            if (g.level3 == 1 && g.level2 == 1) h = 451;
            if (g.level3 == 1 && g.level2 == 0 && g.level1 == 0) h = 615;
        }
        if (FloorGateState.raised == 20 && In(x, kTowerX + 150, kTowerX + 1780)) h = 451;
    }
    if (Era02AreaFlag == 1 && TournamentPlatformStands() && In(x, kRingLo, kRingHi)) h = 640;
    if (Era04AreaFlag == 1) {
        if (Era04PlatformsOn(x) && Era04PlatformSlotAt(x) != 0) h = 640;
        if (In(x, kEra04LedgeLo, kEra04LedgeHi)) h = 640;
    }
    return h;
}

std::int32_t FloorHeightAt(std::int32_t x, std::int32_t y) {
    const std::int32_t under = UnderFloorHeightAt(x);
    const std::int32_t top = TopFloorHeightAt(x);
    if (under == 0) return top;
    if (y <= top) return top;
    // Feet up to 30 px below the top surface are still lifted onto it.
    if (top < y - 30) return under;
    return top;
}
