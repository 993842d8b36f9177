#include "core/anim_ticker.h"

#include "core/game_clock.h"

namespace {

struct TickerRow {
    std::int32_t selector;
    double period;      // seconds
    std::int32_t wrap;  // last frame before it starts again at 1
};

// Selector 18 runs 1..7: the coin, the pulsing markers and the object loops
// are drawn for exactly those frames.
constexpr TickerRow kTickers[6] = {
    {2, 0.1, 2}, {4, 0.1, 4}, {5, 0.05, 4}, {8, 0.02, 8}, {18, 0.1, 7}, {28, 0.02, 8},
};

}  // namespace

std::int32_t TickAnimFrame(std::int32_t n) {
    const double now = GameClock.realTime;
    // The real-time clock restarted: let every ticker advance at its next call.
    if (now - AnimTickers[0].lastAdvance < 0.0) {
        for (AnimTickerRecord& t : AnimTickers) t.lastAdvance = 0.0;
    }
    for (int i = 0; i < 6; ++i) {
        if (kTickers[i].selector != n) continue;
        AnimTickerRecord& t = AnimTickers[i];
        if (now - t.lastAdvance > kTickers[i].period) {
            t.lastAdvance = now;
            t.frame = t.frame >= kTickers[i].wrap ? 1 : t.frame + 1;
        }
        AnimTickLast = t.frame;
        break;
    }
    return AnimTickLast;
}
