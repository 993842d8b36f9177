// Words the menu writes and the stage reads: whether the menu holds the
// stage still, and the moves learned (the technique list shows them, the
// controller lets their keys attack).
#pragma once

#include <cstdint>

// 1 while the menu is open over a stage (the stage's camera stands still).
inline std::uint32_t StageFrozenByMenu = 0;

// Special moves the heroine has learned (non-zero = learned).
inline std::int32_t LearnedMoveD = 0;
inline std::int32_t LearnedMoveF = 0;
inline std::int32_t LearnedMoveG = 0;
// Non-zero while the Q attack is available in weapon mode 1.
inline std::int32_t MoveQEnabled = 0;
