// What the arena area hands the layers below: its answers to the shared
// services (core/area_hooks.h) and its message table for the text pass.
#include "areas/era02/records.h"
#include "areas/message_tables.h"
#include "core/area_hooks.h"

namespace {

bool ArrivalSpotOpen() { return ArrivalScene.flag != 0; }

bool ArenaSpotOpen() { return TournamentGauge.shown != 0 && TournamentGauge.value == 98; }

bool ArrivedAtArena() { return ArrivalScene.step >= 99; }

[[maybe_unused]] const bool kHooksHandedIn = [] {
    AreaHooks.arrivalSpotOpen = ArrivalSpotOpen;
    AreaHooks.arenaSpotOpen = ArenaSpotOpen;
    AreaHooks.arrivedAtArena = ArrivedAtArena;
    RegisterMessageTable(MessageBlock::Era02, Era02MessageTable);
    return true;
}();

}  // namespace
