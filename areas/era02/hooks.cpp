// What the arena area answers the shared services (core/area_hooks.h).
#include "areas/era02/records.h"
#include "core/area_hooks.h"

namespace {

bool ArrivalSpotOpen() { return ArrivalScene.flag != 0; }

bool ArenaSpotOpen() { return TournamentGauge.shown != 0 && TournamentGauge.value == 98; }

bool ArrivedAtArena() { return ArrivalScene.step >= 99; }

[[maybe_unused]] const bool kHooksHandedIn = [] {
    AreaHooks.arrivalSpotOpen = ArrivalSpotOpen;
    AreaHooks.arenaSpotOpen = ArenaSpotOpen;
    AreaHooks.arrivedAtArena = ArrivedAtArena;
    return true;
}();

}  // namespace
