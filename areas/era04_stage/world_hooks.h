// What the stage step calls of the Era04 stage, and the words it reads of it.
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

// One step of the Era04 stage events (arg 1).
void UpdateEra04Events(std::int32_t arg);
