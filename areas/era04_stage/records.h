// The records of the Era04 stage that the rest of the game reads, writes or
// saves.
#pragma once

#include <cstdint>

// One word per door 1..6 (entry 0 unused); 1 = closed.
inline std::int32_t Era04DoorLocks[7] = {};
// 1..11: which part of Era04 the camera is held to.
inline std::int32_t Era04CameraStage = 0;
// 1 while a scripted sequence forbids the slide.
inline std::int32_t PlayerJumpLock = 0;

// Scenery and objects of Era04 and the final section, slots 1..200 (entry 0
// unused). Slots 31..40 are platforms while encounter C raises them.
constexpr int kStageObjectSlots = 200;
struct StageObjectTableRecord {
    std::int32_t code[kStageObjectSlots + 1] = {};   // 0 = empty
    std::int32_t x[kStageObjectSlots + 1] = {};
    std::int32_t y[kStageObjectSlots + 1] = {};
};
inline StageObjectTableRecord StageObjectTable;

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
