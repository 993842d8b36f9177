// The scenery round the lift breathes: eight colour words pulse slowly
// between a dark and a light grey, and two small pieces run four-step frame
// loops. Also the burst pictures of the spawner's falling objects.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/records.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"

namespace {

// One colour word: its period, step and range, and which way it goes first.
struct Pulse {
    double period;
    std::uint32_t step, low, high;
    bool upFirst;
};
constexpr Pulse kPulses[8] = {
    {0.1, 0x010101u, 0xFF333333u, 0xFF999999u, true},
    {0.02, 0x010101u, 0xFFAAAAAAu, 0xFFFFFFFFu, true},
    {0.02, 0x010101u, 0xFFAAAAAAu, 0xFFFFFFFFu, true},
    {0.03, 0x01010101u, 0xAAAAAAAAu, 0xFFFFFFFFu, false},
    {0.04, 0x01010101u, 0xAAAAAAAAu, 0xFFFFFFFFu, false},
    {0.02, 0x01010101u, 0xAAAAAAAAu, 0xFFFFFFFFu, false},
    {0.05, 0x010101u, 0xFFAAAAAAu, 0xFFFFFFFFu, false},
    {0.01, 0x010101u, 0xFFAAAAAAu, 0xFFFFFFFFu, false},
};

struct PulseState {
    bool up = true;
    double stamp = 0.0;
};
PulseState pulses[8];

// Word n (1..8): 0 arms it, any other value takes one step. A turn at either
// end of the range costs one period without a change.
void StepPulse(int n, std::int32_t arg) {
    const Pulse& p = kPulses[n - 1];
    PulseState& s = pulses[n - 1];
    std::uint32_t& word = Era01SceneryColours[n - 1];
    const double now = FieldClock();
    if (arg == 0) {
        s.up = p.upFirst;
        s.stamp = 0.0;
        return;
    }
    StampAheadToZero(s.stamp, now);
    if (!AtLeastElapsed(s.stamp, now, p.period)) return;
    s.stamp = now;
    if (s.up) {
        if (word < p.high) word += p.step;
        else s.up = false;
    } else {
        if (word > p.low) word -= p.step;
        else s.up = true;
    }
}

// The two frame loops: frames and the time each is held.
struct LoopStep {
    std::int32_t frame;
    double seconds;
};
constexpr LoopStep kLoops[2][4] = {
    {{1, 0.2}, {2, 0.2}, {3, 0.2}, {2, 0.2}},
    {{1, 0.25}, {2, 0.2}, {3, 0.23}, {2, 0.23}},
};
constexpr std::int32_t kLoopX[2] = {SectionAnchorX[21] + 525, SectionAnchorX[21] + 1079};
constexpr std::int32_t kLoopY[2] = {704, 740};

struct LoopState {
    int step = 0;   // 0..3
    double stamp = 0.0;
};
LoopState loops[2];

void StepLoop(int k, std::int32_t arg) {
    LoopState& s = loops[k];
    SceneryLoopRecord& r = SceneryLoops[k];
    const double now = FieldClock();
    StepPulse(k + 2, arg);
    if (arg == 0) {
        s.step = 0;
        s.stamp = 0.0;
        return;
    }
    StampAheadToZero(s.stamp, now);
    r.x = kLoopX[k];
    r.y = kLoopY[k];
    const LoopStep& step = kLoops[k][s.step];
    r.frame = step.frame;
    if (AtLeastElapsed(s.stamp, now, step.seconds)) {
        s.stamp = now;
        s.step = (s.step + 1) % 4;
    }
}

}  // namespace

void UpdateEra01ColourPulseA(std::int32_t arg) { StepPulse(1, arg); }
void UpdateEra01SceneryLoopA(std::int32_t arg) { StepLoop(0, arg); }
void UpdateEra01SceneryLoopB(std::int32_t arg) { StepLoop(1, arg); }
void UpdateEra01ColourPulseB(std::int32_t arg) { StepPulse(4, arg); }
void UpdateEra01ColourPulseC(std::int32_t arg) { StepPulse(5, arg); }
void UpdateEra01ColourPulseD(std::int32_t arg) { StepPulse(6, arg); }
void UpdateEra01ColourPulseE(std::int32_t arg) { StepPulse(7, arg); }
void UpdateEra01ColourPulseF(std::int32_t arg) { StepPulse(8, arg); }

void SetSpawnerObjectSprite(std::int32_t state) {
    struct BurstRow {
        std::int32_t state, left, top, right, bottom, c;
    };
    constexpr BurstRow kRows[] = {
        {2, 0, 0, 44, 44, 22},     {3, 45, 0, 140, 96, 48},  {4, 141, 0, 236, 96, 48},
        {5, 237, 0, 332, 96, 48},  {6, 333, 0, 418, 86, 43},
    };
    PendingSprite.gno = 0;
    const BurstRow* row = FindRow(kRows, &BurstRow::state, state);
    if (row == nullptr) return;
    PendingSprite.gno = 114;
    PendingSprite.srcLeft = row->left;
    PendingSprite.srcTop = row->top;
    PendingSprite.srcRight = row->right;
    PendingSprite.srcBottom = row->bottom;
    PendingSprite.pivotX = static_cast<float>(row->c);
    PendingSprite.pivotY = static_cast<float>(-row->c);
}
