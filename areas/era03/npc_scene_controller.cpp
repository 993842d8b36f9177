// The talking character's controller: its idle loop beside the camp, the
// walk-in that brings the heroine to it the first time, then the night scene
// once, and afterwards the conversation whenever she presses A beside it.
#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/calls.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t kDone = 99;

// The idle loop: pose and how long it lasts, step 1..7.
struct IdleRow {
    std::int32_t pose;
    double wait;
};
constexpr IdleRow kIdle[8] = {{0, 0}, {1, 3.0}, {10, 0.1}, {11, 0.5}, {10, 0.5}, {11, 1.0}, {10, 0.5}, {11, 0.1}};

void Bell() { PlaySoundEffect(6, SoundVolumes[1]); }

// The walk-in's line: the next one with the bell.
void NextLine(std::int32_t line) {
    EnterConfirmState = 1;
    DialogueChannels.shopLineC = line;
    Bell();
}

}  // namespace

void RunEra03NpcActorIdle(std::int32_t arg) {
    Era03NpcSceneRecord& n = Era03NpcScene;
    if (arg == 0) {
        n.idleStep = 1;
        n.idleStamp = GameNow();
        n.actorX = kNpcAnchor - 3;
        n.actorY = 640;
        n.actorDepth = 0.8f;
        return;
    }
    if (n.idleStep < 1 || n.idleStep > 7) n.idleStep = 1;
    n.actorPose = kIdle[n.idleStep].pose;
    if (AtLeastElapsed(n.idleStamp, GameNow(), kIdle[n.idleStep].wait)) {
        n.idleStep = n.idleStep == 7 ? 1 : n.idleStep + 1;
        n.idleStamp = GameNow();
    }
}

std::int32_t RunEra03NpcWalkIn(std::int32_t arg) {
    Era03NpcSceneRecord& n = Era03NpcScene;
    PlayerStateRecord& p = PlayerState;
    if (arg == 0) {
        n.walkInStep = 0;
        return n.walkInStep;
    }
    const double now = GameNow();
    if (n.walkInStep == 0) {
        n.walkInStep = 1;
        n.walkInStamp = now;
    }
    if (n.walkInStep == 1) {
        TakeHoldOfHeroine();
        if (p.x > kNpcAnchor + 361) p.x = kNpcAnchor + 361;
        if (AtLeastElapsed(n.walkInStamp, now, 2.0)) {
            n.walkInStamp = now;
            n.walkInStep = p.x >= kNpcAnchor + 81 ? 2 : 3;
        }
    }
    if (n.walkInStep == 2) {
        TakeHoldOfHeroine();
        if (p.x >= kNpcAnchor - 61) {
            KeyLeftPressed = 1;
            p.facing = -1;
        } else {
            n.walkInStep = 3;
            p.facing = 1;
            KeyLeftPressed = 0;
        }
    }
    if (n.walkInStep == 3) {
        p.x = kNpcAnchor - 61;
        p.pose = 86;
        if (AtLeastElapsed(n.walkInStamp, now, 0.5)) {
            n.walkInStep = 4;
            n.walkInStamp = now;
            OpenLine(DialogueChannels.shopLineC, 1);
        }
    }
    if (n.walkInStep == 4) {
        p.pose = 86;
        if (EnterConfirmState == 2) {
            n.walkInStep = 5;
            NextLine(2);
        }
    }
    if (n.walkInStep == 5) {
        p.pose = 86;
        n.actorPose = 5;
        if (EnterConfirmState == 2) {
            n.walkInStep = 6;
            NextLine(3);
            n.walkInStamp = now;
        }
    }
    if (n.walkInStep == 6) {
        p.pose = 87;
        if (AtLeastElapsed(n.walkInStamp, now, 0.1)) {
            n.walkInStep = 7;
            n.walkInStamp = now;
        }
    }
    if (n.walkInStep == 7) {
        p.pose = 88;
        if (AtLeastElapsed(n.walkInStamp, now, 0.1)) {
            n.walkInStep = 8;
            n.walkInStamp = now;
        }
    }
    if (n.walkInStep == 8) {
        p.pose = 89;
        n.actorPose = 6;
        if (AtLeastElapsed(n.walkInStamp, now, 0.1)) n.walkInStep = 9;
    }
    if (n.walkInStep == 9) {
        p.pose = 89;
        n.actorPose = 6;
        if (EnterConfirmState == 2) {
            n.walkInStep = 10;
            NextLine(4);
        }
    }
    if (n.walkInStep == 10) {
        p.pose = 89;
        n.actorPose = DialogueChannels.shopLineC == 5 ? 5 : 6;
        if (EnterConfirmState == 2) {
            EnterConfirmState = 1;
            if (DialogueChannels.shopLineC <= 17) {
                NextLine(DialogueChannels.shopLineC + 1);
            } else {
                n.walkInStep = 19;
                DialogueChannels.shopLineC = 0;
            }
        }
    }
    if (n.walkInStep == 19) {
        n.walkInStep = kDone;
        n.meetingMark = 2;
        // The wait for Enter stays for the night scene that follows.
        LetGoOfHeroine(kHoldLine);
        DialogueChannels.shopLineC = 0;
    }
    // From the first line on the view drifts to frame the camp.
    if (n.walkInStep >= 3) {
        if (ScrollX < kNpcAnchor - 311) ++ScrollX;
        else if (ScrollX > kNpcAnchor - 311) --ScrollX;
    }
    return n.walkInStep;
}

void RunEra03NpcScene(std::int32_t arg) {
    Era03NpcSceneRecord& n = Era03NpcScene;
    if (arg == 0) n.controllerState = 0;
    // Far from the camp the scene stands still, wherever it is.
    if (ScrollX < kNpcAnchor - 1200 || ScrollX > kNpcAnchor + 1200) return;
    const HoldStep hold(kEra03CampHold);
    if (n.controllerState == 0) {
        n.controllerState = 1;
        RunEra03NpcActorIdle(0);
    }
    if (n.controllerState == 1) {
        RunEra03NpcActorIdle(1);
        const std::int32_t x = PlayerState.x;
        // The walk-in brings her from no further than it lets her stand.
        if (Era02EventsUnlocked == 0 && x >= kNpcAnchor - 61 && x <= kNpcAnchor + 361) {
            n.controllerState = 2;
            RunEra03NpcWalkIn(0);
        } else if (Era02EventsUnlocked != 0 && x >= kNpcAnchor - 61 && x <= kNpcAnchor + 119 && KeyAPressed == 1) {
            n.controllerState = 4;
            RunEra03NpcConversation(0);
        }
    }
    if (n.controllerState == 2 && RunEra03NpcWalkIn(1) == kDone) {
        n.controllerState = 3;
        RunEra03NpcSceneScript(0);
    }
    if (n.controllerState == 3 && RunEra03NpcSceneScript(1) == kDone) {
        n.controllerState = 0;
        XKeyBlocked = 0;
        ZKeyBlocked = 0;
    }
    if (n.controllerState == 4 && RunEra03NpcConversation(1) == kDone) n.controllerState = 0;
}
