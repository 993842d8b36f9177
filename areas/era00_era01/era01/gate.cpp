// The closed gate on the lower route: the first time she reaches it a long
// talk runs and the field's progress becomes 1; it opens (progress 3) only
// after she has used the arena's item, one second after she is back at it.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kGateLeft = SectionAnchorX[21] + 419;
constexpr std::int32_t kGateRight = SectionAnchorX[21] + 719;
constexpr std::int32_t kOpening = 99;

struct GatePrivate {
    std::int32_t latch = 0;
    double openStamp = 0.0, talkStamp = 0.0;
};
GatePrivate gate;

// The gate's talk, and its opening, hold her before it.
constexpr HoldOwner kGateHold{"the gate's talk and opening"};

// What each step of the talk shows: the gate line and her pose.
struct GateTalkRow {
    std::int32_t step, line, pose;
};
constexpr GateTalkRow kGateTalk[] = {
    {3, 1, 1},   {4, 2, 39},  {5, 3, 1},   {6, 4, 39},  {7, 5, 39},  {8, 6, 1},   {9, 0, 1},   {10, 5, 1},
    {11, 7, 90}, {12, 0, 1},  {13, 8, 1},  {14, 9, 1},  {15, 10, 1}, {16, 11, 1}, {17, 12, 1}, {18, 13, 1},
    {19, 14, 1}, {20, 15, 1}, {21, 16, 1}, {22, 17, 1}, {23, 18, 1},
};

}  // namespace

void RunGateTalk() {
    const double now = FieldClock();
    StampAheadToZero(gate.talkStamp, now);
    std::int32_t& step = Era01GateStep;
    PlayerState.x = kGateLeft;
    if (step == 1) {
        step = 2;
        gate.talkStamp = now;
        TakeHoldOfHeroine();
        return;
    }
    if (step == 2) {
        EnterConfirmState = kLineWaiting;
        if (AtLeastElapsed(gate.talkStamp, now, 0.1)) {
            step = 3;
            TakeHoldOfHeroine(kHoldLine);
            NoteHoldLine(DialogueChannels.gateLine);
            PlayerState.facing = 1;
            PlayerState.pose = 1;
            PlayFieldEffect(6);
        }
        return;
    }
    if (step == 24) {
        step = 25;
        // Nothing waits for Enter any more.
        EnterConfirmState = 0;
        LetGoOfHeroine();
        Era01Progress = 1;
        return;
    }
    const GateTalkRow* row = FindRow(kGateTalk, &GateTalkRow::step, step);
    if (row == nullptr) return;
    DialogueChannels.gateLine = row->line;
    PlayerState.pose = row->pose;
    if (step == 13) {
        TakeHoldOfHeroine(kHoldLine);
        NoteHoldLine(DialogueChannels.gateLine);
    }
    if (row->line == 0) {
        // The two pauses.
        if (AtLeastElapsed(gate.talkStamp, now, 1.0)) {
            ++step;
            EnterConfirmState = kLineWaiting;
        }
        return;
    }
    if (!LineRead()) return;
    EnterConfirmState = kLineWaiting;
    ++step;
    if (step == 9) gate.talkStamp = now;
    if (step == 12) {
        EnterConfirmState = 0;
        LetGoOfHeroine(kHoldLine);
        PlayFieldEffect(33);
        gate.talkStamp = now;
        DialogueChannels.gateLine = 0;
        return;
    }
    PlayFieldEffect(6);
    if (step == 24) DialogueChannels.gateLine = 0;
}

void ResetEra01Gate() { gate = GatePrivate{}; }

void UpdateEra01Gate() {
    const HoldStep hold(kGateHold);
    const double now = FieldClock();
    StampAheadToZero(gate.openStamp, now);
    std::int32_t& step = Era01GateStep;
    if (Era01Progress == 0 && step >= 1 && step <= 24) RunGateTalk();
    const std::int32_t x = PlayerState.x;
    if (x < kGateLeft || x > kGateRight || PlayerState.y < 270) return;
    PlayerState.x = kGateLeft;
    if (Era01Progress == 0 && step == 0) {
        step = 1;
        TakeHoldOfHeroine();
    }
    if (Era01Progress == 2 && gate.latch != kOpening) {
        gate.latch = kOpening;
        TakeHoldOfHeroine();
        gate.openStamp = now;
    } else if (Era01Progress == 2 && AtLeastElapsed(gate.openStamp, now, 1.0)) {
        Era01Progress = 3;
        PlayFieldEffect(35);
        LetGoOfHeroine();
    }
}
