// Save spots: where the player may save.
#pragma once

#include <cstdint>

inline std::int32_t SaveSpotFlag = 0;

// 1 recomputes, 2 forces on, 3 forces off, 4 back to automatic.
std::int32_t UpdateSpotFlag(std::int32_t mode);
