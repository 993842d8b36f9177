// Shared animation frame numbers that advance on the real-time clock, so all
// sprites driven by one selector animate in step.
#pragma once

#include <cstdint>

struct AnimTickerRecord {
    std::int32_t frame = 1;
    double lastAdvance = 0.0;   // real-time seconds
};
// One ticker per selector 2, 4, 5, 8, 18, 28, in that order.
inline AnimTickerRecord AnimTickers[6];
// The value of the last TickAnimFrame call of any selector.
inline std::int32_t AnimTickLast = 1;

// Advances the ticker of selector n at most once per period (see the table in
// anim_ticker.cpp) and returns its frame; for an unknown selector nothing
// changes and the last value handed out is returned.
std::int32_t TickAnimFrame(std::int32_t n);
