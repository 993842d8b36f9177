// The ending sequence and the full data reset.
#pragma once

#include <cstdint>

// The ending's step word (1, 2, 3, 99) and its step time (game clock).
struct EndingStateRecord {
    std::int32_t state = 1;
    double stepTime = 0;
};
inline EndingStateRecord EndingState;

// The data reset's step word (1, 2, 3, 99).
inline std::int32_t ResetStep = 1;

// 0 arms; 1 steps the staff roll; 99 when the player has confirmed its end.
std::int32_t RunEnding(std::int32_t arg);
// 0 arms (returns 1). 1 = full reset, 2 = reset before a load from the
// in-game menu (the menu stays open): one step per call, 99 when done. It
// takes at least two calls: the pictures are released first, then every word
// of game state gets its start value in one call.
std::int32_t ResetGameData(std::int32_t mode);
