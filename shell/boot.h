// The boot sequence: the loading screen and its animation while the sound
// bank loads one slot per frame, the constant and menu pictures, the title
// logo and the title screen with its three entries.
#pragma once

#include <cstdint>

// The boot's own words (its step is GameFlow.bootStep).
struct BootStateRecord {
    // Sub-step of the loading steps, then the next sound slot to load
    // (2..237), then the title entry chosen (1 new game, 2 load, 3 quit).
    std::int32_t counter = 0;
    double stepTime = 0;           // clock time at which the step began
    double soundLoadingTime = 0;   // clock at the start of loading, then its length
    double animationTime = 0;      // RunLoadingAnimation's own time
};
inline BootStateRecord BootState;

// 0 arms (step 0); any other value performs one step. Returns the step
// (99 when a game has been started or loaded).
std::int32_t RunBoot(std::int32_t arg);
// 0 arms (frame 2) and returns 0; 1 steps the frames 2..12 every 0.05 s and
// returns 1, or 99 after frame 12 (starting again at 2); any other value is
// returned unchanged.
std::int32_t RunLoadingAnimation(std::int32_t arg);
