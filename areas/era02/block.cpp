// The arena area's part of the stage step: the arrival scene, the tournament
// and, once it is won, the events; then its limits (the arrival view and the
// tournament's bounds).
#include "areas/era00_era01/calls.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/stage_step.h"
#include "core/trace_log.h"

void RunEra02Block() {
    GroundFallEnabled = 1;
    UpdateSaveSpotMarker();
    if (Era02EventsUnlocked == 0) {
        if (ArrivalScene.step < 99) RunEra02ArrivalScene();
        if (ArrivalScene.step == 99) RunTournament();
        if (TournamentState.state == 5) {
            ArrivalScene.step = 100;
            TournamentBoundsLock = 0;
            Era02AreaFlag = 0;
            Era03AreaFlag = 1;
            WriteTraceLog(995);
        }
    } else {
        RunEra02Events();
    }
}

void LimitEra02() {
    if (ArrivalViewLock == 1 && Era02EventsUnlocked == 0) {
        ClampArrivalView(true);
        // The arrival view's east edge.
        if (PlayerState.x > Era01Anchor56 + 1303) PlayerState.x = Era01Anchor56 + 1303;
    }
    if (TournamentBoundsLock == 1) {
        constexpr std::int32_t T = Era02Anchor1;
        std::int32_t& x = PlayerState.x;
        if (x <= T + kRingLeft) x = T + kRingLeft;
        if (x >= T + kRingRight) x = T + kRingRight;
        if (ScrollX < T + kRingViewLeft) ScrollX = T + kRingViewLeft;
        if (ScrollX > T + kRingViewRight) ScrollX = T + kRingViewRight;
    }
}
