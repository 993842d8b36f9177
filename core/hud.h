// HUD flashes and the low-HP warning.
#pragma once

#include <cstdint>

// 0 resets the flash state; 1 keeps the HUD numbers' flash states.
void UpdateHud(std::int32_t arg);
