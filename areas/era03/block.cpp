// Era03's part of the stage step: its encounters, duel, arena and the camp's
// scene in a fixed order; then its limits (the arena's hazard posts and the
// arena gate behind her).
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/stage_step.h"

namespace {

void ClampInto(std::int32_t& v, std::int32_t lo, std::int32_t hi) {
    if (v < lo) v = lo;
    if (v > hi) v = hi;
}

}  // namespace

void RunEra03Block() {
    GroundFallEnabled = 1;
    UpdateSaveSpotMarker();
    RunEra03CreatureEncounter();
    UpdateEra03PlacedObjects();
    if (Era03Duel.state != 99)
        RunEra03Duel();
    else
        Era03Duel.frame = 0;
    RunEra03FighterEncounter();
    if (Era03ArenaEncounter.controllerState != 99) {
        RunEra03ArenaEncounter();
    } else if (Era02EventsUnlocked == 0) {
        XKeyBlocked = 1;
        ZKeyBlocked = 1;
    }
    RunEra03NpcScene(1);
    if (Era02EventsUnlocked != 0) RunEra02Events();
}

void LimitEra03() {
    constexpr std::int32_t R = Era03Anchor8;
    if (Era03ArenaEncounter.hazardPostFrame != 0 && R - 700 < ScrollX + 1100 && ScrollX - 200 < R + 908) {
        // The fighters share her walls: one thrown past a wall, or pushed
        // there by its own throw, would stand where her blows never reach.
        ClampInto(PlayerState.x, R - 640, R + 850);
        ClampInto(Era03ArenaBoss1.x, R - 640, R + 850);
        ClampInto(Era03ArenaEnemy2.x, R - 640, R + 850);
        if (Era03ArenaEncounter.showAll == 1) ClampInto(Era03ArenaEnemy3.x, R - 640, R + 850);
    }
    constexpr std::int32_t T = Era02Anchor1;
    if (ScrollX <= T + 2807) ScrollX = T + 2807;
    if (PlayerState.x <= T + 2911) PlayerState.x = T + 2911;
}
