// Graphic-set residency plans of Era01, Era03 and Era04.
#pragma once

#include <cstdint>

// 0 builds the plan and returns 1; 1 requests and frees sets by the camera
// and returns 99.
std::uint32_t UpdateEra01Pload(std::int32_t mode);
std::uint32_t UpdateEra03Pload(std::int32_t mode);
std::uint32_t UpdateEra04Pload(std::int32_t mode);
