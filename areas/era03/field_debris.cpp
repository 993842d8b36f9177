// Five fragments thrown out of the ground where the fighter breaks out or is
// set back at an arena edge: each flies its own arc for 2 s, then all vanish.
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

// Launch speed and sideways drift of each fragment: x = origin + offset + drift·t.
struct Fragment {
    double speed;
    std::int32_t offset;
    double drift;
};
constexpr Fragment kFragments[5] = {
    {450, 30, 150}, {650, -70, -50}, {600, 30, 100}, {580, -90, -70}, {500, 10, 90},
};

}  // namespace

void UpdateDebrisBurst() {
    DebrisBurstRecord& b = DebrisBurst;
    const double now = GameClock.gameClock;
    StampAheadToZero(b.startTime, now);
    if (b.trigger == 1) {
        b.trigger = 2;
        b.startTime = now;
        PlaySoundEffect(7, SoundVolumes[1]);
    }
    const double t = now - b.startTime;
    const std::int32_t ox = Era03Fighter.x, oy = Era03Fighter.y;
    const std::int32_t floor = FloorHeightAt(ox, oy);
    for (int k = 0; k < 5; ++k) {
        const Fragment& f = kFragments[k];
        b.shown[k] = 1;
        b.y[k] = floor - ArcRise(f.speed, t);
        b.x[k] = ox + f.offset + TruncToInt(f.drift * t);
    }
    if (t >= 2.0) {
        b.trigger = 0;
        for (int k = 0; k < 5; ++k) b.shown[k] = 0;
    }
}
