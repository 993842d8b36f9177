// Era04's floors: the platforms of the last section (stage-object slots 31 to
// 40) while encounter C raises them, and the ledge before the end.
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"

namespace {

constexpr std::int32_t kEra04LedgeLo = 86912;
constexpr std::int32_t kEra04LedgeHi = 87437;
constexpr int kPlatformFirstSlot = 31;
constexpr int kPlatformLastSlot = 40;

bool In(std::int32_t x, std::int32_t a, std::int32_t b) { return FloorWindowHolds(x, a, b); }

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

std::int32_t Era04Top(std::int32_t x, std::int32_t h) {
    if (Era04PlatformsOn(x)) {
        int slot = Era04PlatformSlotAt(x);
        if (slot != 0) h = StageObjectTable.y[slot];
    }
    if (In(x, kEra04LedgeLo, kEra04LedgeHi)) h = 581;
    return h;
}

std::int32_t Era04Under(std::int32_t x, std::int32_t h) {
    if (Era04PlatformsOn(x) && Era04PlatformSlotAt(x) != 0) h = 640;
    if (In(x, kEra04LedgeLo, kEra04LedgeHi)) h = 640;
    return h;
}

[[maybe_unused]] const bool kFloorsHandedIn = RegisterAreaFloors(4, {Era04Top, Era04Under});

}  // namespace
