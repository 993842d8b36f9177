// The barrier at door 4: after encounter A the way on is barred to the
// heroine in weapon mode 1. The first time a talk tells her why and she is
// walked back; later times the door just stays shut until she has gone back.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kDone = 99;
constexpr std::int32_t kFirstLine = 300;
constexpr std::int32_t kLastLine = 309;
constexpr double kTalkWait = 10.0;

struct BarrierRecord {
    std::int32_t state = 0;
    double startTime = 0;
    std::int32_t stopX = 0;
};
BarrierRecord Barrier;
constexpr HoldOwner kBarrierHold{"the barrier at door 4"};

}  // namespace

std::int32_t RunBarrierEvent(std::int32_t mode) {
    // Armed in the step that first steps it: both hold in its name.
    const HoldStep hold(kBarrierHold);
    if (mode == 0) {
        Barrier.state = 1;
        Barrier.startTime = GameNow();
        TakeHoldOfHeroine(kHoldMenu);
        return Barrier.state;
    }
    if (mode != 1) return Barrier.state;
    std::int32_t& x = PlayerState.x;
    if (Era04Progress.barrierTalkDone != 0) Barrier.state = 5;
    if (Barrier.state == 1) {
        if (x > Era04Door4 - 150) {
            x = Era04Door4 - 150;
            TakeHoldOfHeroine(kHoldMenu);
        }
        // After a load with a shorter play time the wait counts from now.
        StampAheadToNow(Barrier.startTime, GameNow());
        if (x < Era04Door4 - 200 || MoreThanElapsed(Barrier.startTime, GameNow(), kTalkWait)) {
            Barrier.stopX = x;
            TakeHoldOfHeroine();
            Barrier.state = 2;
        }
    }
    if (Barrier.state == 2) {
        Barrier.state = 3;
        x = Barrier.stopX - PlayerState.facing * 10;
        OpenLine(DialogueChannels.fieldLine, kFirstLine);
    }
    if (Barrier.state == 3) {
        PlayerState.pose = 39;
        if (StepLineGroup(DialogueChannels.fieldLine, kLastLine)) Barrier.state = 4;
    }
    if (Barrier.state == 4) {
        KeyLeftPressed = 1;
        if (x < Era04Door4 - 250) {
            KeyLeftPressed = 0;
            LetGoOfHeroine(kHoldKeys | kHoldMenu);
            Era04Progress.barrierTalkDone = 2;
            Barrier.state = kDone;
        }
    }
    if (Barrier.state == 5 && x < Era04Door4 - 250) {
        LetGoOfHeroine(kHoldMenu);
        Barrier.state = kDone;
    }
    return Barrier.state;
}
