// The house and its surroundings after the opening: the door, the remark
// inside, and nine places where the action key A makes the narrator comment.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era00/scenes.h"
#include "areas/era00_era01/records.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

std::int32_t& Event = DialogueChannels.storyLine;

// One talk event: where A starts it, its lines and the heroine's pose while
// each shows. Event 6 wants her facing left at the very edge.
struct TalkEventRow {
    std::int32_t event;
    std::int32_t lo, hi;          // heroine x, inclusive
    bool facingLeft;
    std::int32_t lines[2];
    std::int32_t poses[2];
    std::int32_t lineCount;
};
constexpr TalkEventRow kTalkEvents[9] = {
    {1, Era00Anchor1 + 70, Era00Anchor1 + 110, false, {7, 0}, {40, 40}, 1},
    {2, Era00Anchor1 + 376, Era00Anchor1 + 416, false, {8, 0}, {40, 40}, 1},
    {3, Era00Anchor1 + 645, Era00Anchor1 + 685, false, {9, 0}, {18, 18}, 1},
    {4, Era00Anchor1 + 715, Era00Anchor1 + 755, false, {10, 0}, {18, 18}, 1},
    {5, Era00Anchor1 + 1003, Era00Anchor1 + 1043, false, {11, 0}, {39, 39}, 1},
    {6, 0, 75, true, {12, 13}, {39, 39}, 2},
    {7, Era00Anchor2, Era00Anchor2 + 135, false, {14, 15}, {40, 40}, 2},
    {8, Era00Anchor2 + 205, Era00Anchor2 + 315, false, {16, 17}, {40, 39}, 2},
    {9, Era01Anchor01 - 10, Era01Anchor01 + 30, false, {18, 19}, {40, 40}, 2},
};

struct TalkEventsRecord {
    std::int32_t running = 0;   // 0 none, 1..9
    std::int32_t heldX = 0;
    double stamp = 0;
    // Each event's step: 1 armed, 2.. its lines, 99 done.
    std::int32_t step[10] = {};
    std::int32_t line[10] = {};
};
TalkEventsRecord Talk;

// The door, the remark inside and the talks hold her in one name.
constexpr HoldOwner kHouseTalksHold{"the house's door and talks"};

const TalkEventRow& RowOf(std::int32_t event) { return kTalkEvents[event - 1]; }

void CloseEvent(std::int32_t event) {
    // The house's talks leave EnterConfirmState at 1.
    EnterConfirmState = 1;
    PlayEra00Sound(6);
    Event = 0;
    LetGoOfHeroine(kHoldKeys | kHoldLine);
    if (event >= 6) PlayerState.facing = 1;
}

void StepDoor() {
    const std::int32_t x = PlayerState.x;
    std::int32_t& indoor = Era00IndoorState;
    // The second the door takes (4) holds her and is counted wherever she
    // stands: nothing else would let go.
    if ((x < Era00Anchor1 + 535 || x > Era00Anchor1 + 595) && indoor != 4) return;
    const double now = Era00Clock();
    if (indoor == 0 && KeyAPressed == 1 && PlayerState.y == 560) {
        indoor = 4;
        Talk.stamp = now;
        PlayerState.pose = 40;
        TakeHoldOfHeroine();
        PlayEra00Sound(6);
    }
    if (indoor == 4) {
        PlayerState.pose = 40;
        if (AtLeastElapsed(Talk.stamp, now, 1.0)) {
            indoor = 1;
            LetGoOfHeroine(kHoldKeys);
            KeyAPressed = 0;
            PlayEra00Sound(35);
        }
    } else if (indoor == 1 && KeyAPressed == 1) {
        indoor = 0;
        LetGoOfHeroine(kHoldKeys);
        KeyAPressed = 0;
        PlayEra00Sound(35);
    }
    if (KeyDownPressed == 1 && PlayerState.y < 561) {
        PlayerState.y = 640;
        KeyDownPressed = 0;
        if (indoor == 1) {
            indoor = 0;
            KeyAPressed = 0;
            PlayEra00Sound(35);
        }
    }
}

void StepIndoorMessage() {
    const double now = Era00Clock();
    if (Era00IndoorState == 1 && PlayerState.pose == 14 && Event == 0) {
        TakeHoldOfHeroine();
        OpenLine(Event, 6, kGeneralVolume);
        Talk.stamp = now;
    }
    if (Event != 6 || Talk.running != 0) return;
    KeyAPressed = 0;
    PlayerState.pose = AtLeastElapsed(Talk.stamp, now, 0.5) ? 39 : 14;
    if (LineRead()) {
        PlayerState.pose = 14;
        EnterConfirmState = 1;
        PlayEra00Sound(6);
        Event = 0;
        LetGoOfHeroine(kHoldKeys | kHoldLine);
    }
}

}  // namespace

std::int32_t RunEra00TalkEvent(std::int32_t event, std::int32_t arg) {
    if (event < 1 || event > 9) return 99;
    const TalkEventRow& row = RowOf(event);
    std::int32_t& step = Talk.step[event];
    std::int32_t& at = Talk.line[event];
    if (arg == 0) {
        step = 1;
        at = 0;
        return step;
    }
    if (step == 1) {
        TakeHoldOfHeroine();
        KeyAPressed = 0;
        OpenLine(Event, row.lines[0], kGeneralVolume);
        step = 2;
    }
    if (step == 2 || step == 3) {
        Event = row.lines[at];
        PlayerState.pose = row.poses[at];
        if (step == 3) {
            // The key hint stays until the menu key has been tried once.
            if (PhaseChangeRequest == 1) {
                // The hint comes straight back under the close's chime, so
                // it does not chime again. Its hold is kept, not taken
                // anew: a hold taken in this step would keep the menu from
                // opening, and the way to the menu lets go of her keys.
                EnterConfirmState = 1;
                PlayEra00Sound(6);
                PlayerState.facing = 1;
                Event = 19;
                step = 4;
            }
        } else if (LineRead()) {
            if (at + 1 < row.lineCount) {
                ++at;
                Event = row.lines[at];
                EnterConfirmState = 1;
                PlayEra00Sound(3);
                if (event == 9) step = 3;
            } else {
                CloseEvent(event);
                step = 99;
            }
        }
    }
    if (step == 4) {
        Event = 19;
        PlayerState.pose = row.poses[1];
        if (LineRead()) {
            CloseEvent(event);
            step = 99;
        }
    }
    return step;
}

void ResetEra00TalkEvents() { Talk = TalkEventsRecord{}; }

void RunEra00TalkEvents(std::int32_t arg) {
    if (arg == 0) {
        Talk.running = 0;
        return;
    }
    const HoldStep hold(kHouseTalksHold);
    StampAheadToZero(Talk.stamp, Era00Clock());
    StepIndoorMessage();
    StepDoor();
    if (Era00IndoorState == 1) return;
    if (Talk.running == 0 && KeyAPressed == 1 && PlayerState.pose != 0 && PlayerMoveState.jumpKind == 0) {
        const std::int32_t x = PlayerState.x;
        for (const TalkEventRow& row : kTalkEvents) {
            const bool inside = row.facingLeft ? (x >= row.lo && x <= row.hi && PlayerState.facing == -1)
                                               : (x >= row.lo && x <= row.hi);
            if (inside) Talk.running = row.event;
        }
        if (Talk.running != 0) {
            RunEra00TalkEvent(Talk.running, 0);
            Talk.heldX = x;
        }
    }
    if (Talk.running != 0) {
        PlayerState.x = Talk.heldX;
        if (RunEra00TalkEvent(Talk.running, 1) == 99) Talk.running = 0;
    }
}
