// The arena's floor: the raised platform of the ring while it stands.
#include "areas/era02/records.h"
#include "core/floors.h"

namespace {

constexpr std::int32_t kRingLo = Era02Anchor1 + 1315;
constexpr std::int32_t kRingHi = Era02Anchor1 + 1605;

bool PlatformStandsAt(std::int32_t x) {
    return TournamentState.platformHeight == 209 && FloorWindowHolds(x, kRingLo, kRingHi);
}

std::int32_t Era02Top(std::int32_t x, std::int32_t h) { return PlatformStandsAt(x) ? 482 : h; }
std::int32_t Era02Under(std::int32_t x, std::int32_t h) { return PlatformStandsAt(x) ? 640 : h; }

[[maybe_unused]] const bool kFloorsHandedIn = RegisterAreaFloors(2, {Era02Top, Era02Under});

}  // namespace
