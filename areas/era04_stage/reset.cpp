// Start values of the area's words, written by every data reset.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"


void ResetEra04StageArea() {
    // Routines that keep step words of their own are armed first.
    UpdateEra04Events(0);

    Era04Progress = Era04ProgressRecord{};
    Era04CameraStage = 0;
    for (std::int32_t& lock : Era04DoorLocks) lock = 0;
}
