// The barrier at door 4: after encounter A the way on is barred to the
// heroine in weapon mode 1. The first time a talk tells her why and she is
// walked back; later times the door just stays shut until she has gone back.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t D4 = Era04Door4;
constexpr std::int32_t kDone = 99;
constexpr std::int32_t kFirstLine = 300;
constexpr std::int32_t kLastLine = 309;
constexpr double kTalkWait = 10.0;

struct BarrierRecord {
    std::int32_t state = 0;
    double startTime = 0;
    std::int32_t stopX = 0;
};
BarrierRecord B;


}  // namespace

std::int32_t RunBarrierEvent(std::int32_t mode) {
    if (mode == 0) {
        B.state = 1;
        B.startTime = GameNow();
        MenuKeyBlocked = 1;
        return B.state;
    }
    if (mode != 1) return B.state;
    std::int32_t& x = PlayerState.x;
    if (Era04Progress.barrierTalkDone != 0) B.state = 5;
    if (B.state == 1) {
        if (x > D4 - 150) {
            x = D4 - 150;
            MenuKeyBlocked = 1;
        }
        // After a load with a shorter play time the wait counts from now.
        StampAheadToNow(B.startTime, GameNow());
        if (x < D4 - 200 || MoreThanElapsed(B.startTime, GameNow(), kTalkWait)) {
            B.stopX = x;
            MessageBoxOpen = 1;
            B.state = 2;
        }
    }
    if (B.state == 2) {
        B.state = 3;
        x = B.stopX - PlayerState.facing * 10;
        OpenLine(DialogueChannels.fieldLine, kFirstLine);
    }
    if (B.state == 3) {
        PlayerState.pose = 39;
        if (StepLineGroup(DialogueChannels.fieldLine, kLastLine)) B.state = 4;
    }
    if (B.state == 4) {
        KeyLeftPressed = 1;
        if (x < D4 - 250) {
            KeyLeftPressed = 0;
            MessageBoxOpen = 0;
            MenuKeyBlocked = 0;
            Era04Progress.barrierTalkDone = 2;
            B.state = kDone;
        }
    }
    if (B.state == 5 && x < D4 - 250) {
        MenuKeyBlocked = 0;
        B.state = kDone;
    }
    return B.state;
}
