// Words of the Era04 stage that the data reset clears and the save slots
// carry, beside those of world_hooks.h.
#pragma once

#include <cstdint>

#include "areas/era04_stage/world_hooks.h"

// Completion words of Era04.
struct Era04ProgressRecord {
    std::int32_t soldierFight1Done = 0;
    std::int32_t soldierFight2Done = 0;
    std::int32_t encounterADone = 0;
    std::int32_t encounterBDone = 0;
    std::int32_t encounterCDone = 0;
    std::int32_t endingReached = 0;
    std::int32_t dialogueTriggerState = 0;   // 0 not started, 1 running, 2 finished
    std::int32_t barrierTalkDone = 0;        // 2 once shown
};
inline Era04ProgressRecord Era04Progress;
