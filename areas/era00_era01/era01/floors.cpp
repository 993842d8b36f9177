// The field's floors: fixed windows by its anchors, the stair, the ledge
// section, the pit's trip obstacle and the tower's switching floors.
#include "areas/era00_era01/calls.h"
#include "core/floors.h"

namespace {

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

constexpr std::int32_t kStairLo = Era01Anchor20 + 1400;
constexpr std::int32_t kStairHi = Era01Anchor20 + 2800;
constexpr std::int32_t kTowerX = Era01Anchor55;

bool In(std::int32_t x, std::int32_t a, std::int32_t b) { return FloorWindowHolds(x, a, b); }

std::int32_t Era01Top(std::int32_t x, std::int32_t h) {
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
    return h;
}

std::int32_t Era01Under(std::int32_t x, std::int32_t h) {
    for (const FloorWindow& w : kEra01UnderWindows)
        if (In(x, w.anchor + w.from, w.anchor + w.to)) h = w.height;
    if (In(x, kTowerX, kTowerX + 50)) {
        const FloorGateStateRecord& g = FloorGateState;
        if (g.level3 == 1 && g.level2 == 1) h = 451;
        if (g.level3 == 1 && g.level2 == 0 && g.level1 == 0) h = 615;
    }
    if (FloorGateState.raised == 20 && In(x, kTowerX + 150, kTowerX + 1780)) h = 451;
    return h;
}

[[maybe_unused]] const bool kFloorsHandedIn = RegisterAreaFloors(1, {Era01Top, Era01Under});

}  // namespace

std::int32_t PitAnchorSeenFrom(std::int32_t scrollX) {
    constexpr std::int32_t pit = Era01Anchor09;
    return (pit - 1100 < scrollX && scrollX < pit + 100) ? pit : 0;
}
