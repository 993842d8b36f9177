// The staff roll drawn over the ending (phase 903 while rollText is 2).
#pragma once

#include <cstdint>

// The y of roll line k at the given roll offset; the closing line is held at
// y 370 once it gets there.
std::int32_t StaffRollLineY(std::int32_t k, std::int32_t rollOffset);

void DrawStaffRoll();
