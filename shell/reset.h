#pragma once
#include <cstdint>
// The ending sequence and the full data reset (99 when done).
std::int32_t RunEnding(std::int32_t arg);
std::int32_t ResetGameData(std::int32_t mode);
