// The home area's part of the stage step: its story and talks, and the
// house's walls while she is inside.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/stage_step.h"

void RunEra00Block() {
    GroundFallEnabled = 1;
    if (Era00StoryPhase == 0) {
        Era00StoryPhase = 1;
        RunEra00Story(0);
    }
    if (Era00StoryPhase == 1) RunEra00Story(1);
    if (Era00StoryPhase == 2) RunEra00Story(2);
    UpdateSaveSpotMarker();
    if (Era00StoryPhase >= 2) RunEra00TalkEvents(1);
}

void LimitEra00House() {
    if (Era01AreaFlag != 0 || Era00IndoorState != 1) return;
    PlayerMoveState.jumpKind = 0;
    std::int32_t& x = PlayerState.x;
    if (x > Era00Anchor1 + 980) x = Era00Anchor1 + 980;
    if (x < Era00Anchor1 + 500) x = Era00Anchor1 + 500;
}
