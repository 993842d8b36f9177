// The game-over sequence.
#pragma once

#include <cstdint>

// 0 arms; 1 steps one frame and returns 98 when the player has declined to
// go on.
std::int32_t RunGameOver(std::int32_t arg);
