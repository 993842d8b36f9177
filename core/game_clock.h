// The game's clocks, formed once per frame by the frame driver.
#pragma once

#include <cstdint>

// Seconds. gameClock = carriedTime + realTime - playStart, formed once per
// frame; realTime is stored by the text pass.
struct GameClockRecord {
    double realTime = 0;
    double prevRealTime = 0;
    double frameTime = 0;
    double carriedTime = 0;
    double playStart = 0;
    // Play time carried by the loaded save (its hours, minutes, seconds);
    // the next save adds the game clock to it.
    std::int32_t savedPlayHours = 0, savedPlayMinutes = 0, savedPlaySeconds = 0;
    double gameClock = 0;
    // realTime the clock was last formed from: the frame's own length is
    // the real time since.
    double formedAt = 0;
    double lastStepTime = 0;
    double stepLength = 0;
    // 1 from the stage step that leaves the stage for the menu until the
    // stage's next frame: the clock stands all that while.
    std::int32_t standsForMenu = 0;
};
inline GameClockRecord GameClock;

// Far longer than a frame takes at the game's rate, even on a slow machine
// (fifteen of them at 60 Hz): a frame longer than this was a stall (the
// machine suspended, the process stopped, a long hitch), no play.
inline constexpr double kLongestFrame = 0.25;
// What a stall counts as, for the game clock and for whatever scales with
// the frame time: one frame, the fiftieth of a second a stall of a second
// or more always counted as.
inline constexpr double kStallFrame = 0.02;
