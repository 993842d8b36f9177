// Graphic-set residency plans of Era01, Era03 and Era04.
#pragma once

#include <cstdint>

// The residency plans: rows (set number, x from, x to) shared by the three
// plans (only the plan built last is valid), and per set number 1..99 a needed
// flag and a load state: 0 absent, 2 load requested, 1 loaded. The creation
// step turns 2 into 1; FreeGraphicSet turns 1 into 0.
constexpr int kPloadRowCapacity = 40;     // rows 1..37 are used
constexpr int kPloadSetCount = 101;       // set numbers 0..100
struct PloadPlanRecord {
    std::int32_t rowSet[kPloadRowCapacity] = {};
    std::int32_t rowFrom[kPloadRowCapacity] = {};
    std::int32_t rowTo[kPloadRowCapacity] = {};
    std::int32_t rowCount = 0;
    std::int32_t setLimit = 0;
    std::int32_t rowCursor = 0;
    std::uint32_t result = 0;
    std::uint32_t needed[kPloadSetCount] = {};
    std::uint32_t state[kPloadSetCount] = {};
};
inline PloadPlanRecord PloadPlan;

// 0 builds the plan and returns 1; 1 requests and frees sets by the camera
// and returns 99.
std::uint32_t UpdateEra01Pload(std::int32_t mode);
std::uint32_t UpdateEra03Pload(std::int32_t mode);
std::uint32_t UpdateEra04Pload(std::int32_t mode);

// Whether the camera, or the place the camera takes when it follows the
// heroine, is within `margin` px of a window in which the plan built last
// keeps `set` (it only reads the plan): sets near the camera have their
// pictures made ahead, so that their loads cost a frame nothing.
bool PlanSetNear(std::int32_t set, std::int32_t margin);
