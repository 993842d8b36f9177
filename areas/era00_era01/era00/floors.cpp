// The home area's floor: the house's floor inside, its porch outside, and
// the ground under it.
#include "areas/era00_era01/records.h"
#include "core/floors.h"

namespace {

constexpr std::int32_t kEra00Lo = Era00Anchor1 + 64;
constexpr std::int32_t kEra00Hi = Era00Anchor1 + 1061;

std::int32_t Era00Top(std::int32_t x, std::int32_t h) {
    if (FloorWindowHolds(x, kEra00Lo, kEra00Hi)) h = (Era00IndoorState == 1) ? 555 : 560;
    return h;
}

std::int32_t Era00Under(std::int32_t x, std::int32_t h) {
    if (FloorWindowHolds(x, kEra00Lo, kEra00Hi)) h = 640;
    return h;
}

[[maybe_unused]] const bool kFloorsHandedIn = RegisterAreaFloors(0, {Era00Top, Era00Under});

}  // namespace
