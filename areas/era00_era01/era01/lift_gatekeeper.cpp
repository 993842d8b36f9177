// Two field pieces that take hold of the heroine: the trap lift, which
// closes over her when she stands on its top and throws her off to the left,
// and the gatekeeper, who stops her for a long talk the first time she walks
// past, throws an object into the field below and so starts the collecting
// game; later the action key at him buys another game.
#include <algorithm>
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/records.h"
#include "core/bursts.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

// ---- the lift -------------------------------------------------------------------

constexpr std::int32_t kLiftAnchor = SectionAnchorX[21];   // 20200
constexpr std::int32_t kLiftTop = 456;

struct LiftPrivate {
    double stamp = 0.0;
    std::int32_t heldScrollX = 0;
};
LiftPrivate lift;

// How long each held state shows which frame before the next.
struct HeldFrame {
    std::int32_t state, frame;
    double seconds;
};
constexpr HeldFrame kHeldFrames[] = {
    {6, 117, 0.2}, {7, 118, 0.1}, {8, 119, 0.1}, {9, 117, 0.5}, {10, 118, 0.1}, {11, 119, 0.1}, {12, 120, 0.06},
};

bool StandsOnLiftTop(std::int32_t L) {
    return PlayerState.x >= L - 31 && PlayerState.x < L + 14 && PlayerState.y == kLiftTop;
}

void LiftPicture(std::int32_t frame, std::int32_t x, std::int32_t y) {
    LiftRecord.frame = frame;
    LiftRecord.pictureX = x;
    LiftRecord.pictureY = y;
}

void NextLiftState(std::int32_t state, double now) {
    LiftRecord.state = state;
    lift.stamp = now;
}

}  // namespace

void ResetLift() { lift = LiftPrivate{}; }

void UpdateLift() {
    LiftStateRecord& r = LiftRecord;
    const double now = FieldClock();
    StampAheadToZero(lift.stamp, now);
    if (ScrollX >= kLiftAnchor - 1500 && ScrollX <= kLiftAnchor + 1500) {
        r.x = kLiftAnchor + 150;
        r.baseY = 740;
    }
    const std::int32_t liftX = r.x;
    if (r.state == 1 || r.state == 2) LiftPicture(113, liftX, r.baseY - 175);
    if (r.state == 1 && StandsOnLiftTop(liftX)) NextLiftState(2, now);
    if (r.state == 2 && AtLeastElapsed(lift.stamp, now, 0.5)) {
        NextLiftState(3, now);
        PlayFieldSound(15);
    }
    if (r.state == 3) {
        LiftPicture(114, liftX + 21, 568);
        if (AtLeastElapsed(lift.stamp, now, 0.06)) NextLiftState(4, now);
    }
    if (r.state == 4) {
        LiftPicture(116, liftX + 5, 468);
        r.baseY = 640;
        if (AtLeastElapsed(lift.stamp, now, 0.06)) NextLiftState(5, now);
    }
    if (r.state == 5) {
        LiftPicture(117, liftX - 2, 468);
        r.baseY = 640;
        if (StandsOnLiftTop(liftX)) {
            NextLiftState(6, now);
            lift.heldScrollX = ScrollX;
        } else {
            r.state = 1;
        }
    }
    if (r.state >= 6 && r.state <= 12) {
        const HeldFrame& h = kHeldFrames[r.state - 6];
        ScrollX = lift.heldScrollX;
        PlayerState.x = liftX - 20;
        PlayerState.y = kLiftTop;
        PlayerState.pose = 0;
        r.baseY = 640;
        LiftPicture(h.frame, liftX - 2, 468);
        if (AtLeastElapsed(lift.stamp, now, h.seconds)) {
            NextLiftState(r.state + 1, now);
            if (r.state == 13) PlayFieldSound(20);
        }
    }
    if (r.state == 13) {
        LiftPicture(113, liftX, r.baseY - 175);
        const double t = now - lift.stamp;
        PlayerState.facing = 1;
        PlayerState.pose = 31;
        PlayerState.x = (liftX - 20) - RateMove(1500.0, t);
        PlayerState.y = kLiftTop + RateMove(900.0, t);
        ScrollX = std::min(ScrollX, PlayerState.x - 250);
        if (PlayerState.y >= 640) {
            // She lands on the ground, not under it.
            PlayerState.y = 640;
            NextLiftState(1, now);
            LowerHeroineHp(5);
            PlayFieldSound(19);
        }
    }
}

namespace {

// ---- the gatekeeper -----------------------------------------------------------------

constexpr std::int32_t kGatekeeperOrigin = SectionAnchorX[19];   // 17500
constexpr std::int32_t kHeldX = kGatekeeperOrigin + 1133;
constexpr std::int32_t kViewX = kGatekeeperOrigin + 358;   // the view over the field below

struct GatekeeperPrivate {
    std::int32_t storedHp = 0;
    std::int32_t steer = 0;
    double stamp = 1.0;
};
GatekeeperPrivate keeper;

constexpr HoldOwner kGatekeeperHold{"the gatekeeper's talks and throw"};
// The gatekeeper rings his lines' bell at the general word.
constexpr int kGeneral = 0;

// The first talk's lines in the order Enter shows them.
constexpr std::int32_t NextFirstTalkLine(std::int32_t line) {
    if (line == 28) return 1001;
    if (line == 1018) return 29;
    return line + 1;
}

// Every line of the first talk, its middle part (1001..1018) included: she
// is held at his side until the last of them, not only through the lines
// numbered around it.
constexpr bool InFirstTalk(std::int32_t line) { return (line >= 24 && line <= 39) || (line >= 1001 && line <= 1018); }

void HoldForTalk(std::int32_t& line, std::int32_t first) {
    TakeHoldOfHeroine();
    KeyAPressed = 0;
    OpenLine(line, first, kGeneral);
    keeper.storedHp = PlayerState.hp;
    PlayerHpHold = -1;
}

void StartThrow(double now) {
    GatekeeperRecord.state = 10;
    keeper.stamp = now;
    EnterConfirmState = kLineWaiting;
    // The line goes; the keys stay held through the throw.
    LetGoOfHeroine(kHoldLine);
    PlayFieldSound(6);
    DialogueChannels.storyLine = 0;
    PlayerState.facing = -1;
    PlayerHpHold = 0;
}

void RunFirstTalk(double now) {
    GatekeeperStateRecord& r = GatekeeperRecord;
    std::int32_t& line = DialogueChannels.storyLine;
    // He stops her as she walks up to him, not from the far side of the field.
    if (r.done == 0 && r.blockX + 40 <= PlayerState.x && PlayerState.x < r.blockX + 300) {
        r.done = 99;
        line = 24;
        PlayerState.x = kHeldX;
    }
    if (InFirstTalk(line)) {
        PlayerState.x = kHeldX;
        FieldTalkOpen = 1;
    }
    if (line == 24) HoldForTalk(line, 25);
    if (!InFirstTalk(line) || line == 24 || EnterConfirmState != kLineRead) return;
    if (line == 39) {
        StartThrow(now);
        return;
    }
    // Line 32 points at the tree the game is played under: a line read
    // before the view has come over the field below waits for it (the tree
    // is then in the picture), and the next line follows as it arrives.
    if (NextFirstTalkLine(line) == 32 && ScrollX > kViewX) return;
    line = NextFirstTalkLine(line);
    EnterConfirmState = kLineWaiting;
    PlayerState.hp = keeper.storedHp;
    PlayerState.facing = -1;
    PlayFieldSound(3);
}

void RunOffer(double now) {
    GatekeeperStateRecord& r = GatekeeperRecord;
    std::int32_t& line = DialogueChannels.storyLine;
    if (r.done == 1 && CollectGameObjects[0].state < 10 && KeyAPressed == 1 && PlayerState.x >= r.blockX + 20 &&
        PlayerState.x < r.blockX + 60) {
        r.done = 99;
        line = 40;
        PlayerState.x = kHeldX;
        PlayerState.facing = -1;
    }
    if (line < 40 || line > 45) return;
    if (line <= 44) {
        PlayerState.x = kHeldX;
        r.state = 1;
    }
    auto moveTo = [&](std::int32_t next) {
        TakeHoldOfHeroine();
        OpenLine(line, next, kGeneral);
    };
    if (line == 40) {
        HoldForTalk(line, 41);
        // Line 41 asks Y: a Y still down from before it is no answer.
        ForgetEarlierAnswers();
    } else if (line == 41) {
        if (KeyYPressed == 1) {
            KeyYPressed = 0;
            moveTo(42);
        } else if (EnterConfirmState == kLineRead) {
            moveTo(44);
        }
    } else if (EnterConfirmState != kLineRead) {
        return;
    } else if (line == 42) {
        // Too little money ends the offer without taking any.
        if (Gold < 100) {
            moveTo(45);
        } else {
            Gold -= 100;
            moveTo(43);
        }
    } else if (line == 45) {
        moveTo(44);
    } else if (line == 43) {
        StartThrow(now);
    } else if (line == 44) {
        LetGoOfHeroine();
        r.done = 1;
        r.state = 0;   // it stands still until the next talk
        keeper.stamp = now;
        line = 0;
        PlayerHpHold = 0;
    }
}

void RunThrow(double now) {
    GatekeeperStateRecord& r = GatekeeperRecord;
    if (r.state >= 10 && r.state <= 12) {
        TakeHoldOfHeroine();
        PlayerState.x = kHeldX;
        PlayerState.facing = -1;
    }
    if (r.state == 10) {
        r.frame = 4;
        keeper.steer = 1;
        if (AtLeastElapsed(keeper.stamp, now, 1.0) && ScrollX >= kGatekeeperOrigin + 355 &&
            ScrollX <= kGatekeeperOrigin + 360) {
            r.state = 11;
            keeper.stamp = now;
            PlayFieldSound(5);
        }
    }
    if (r.state == 11) {
        r.frame = 5;
        ScrollX = kViewX;
        if (AtLeastElapsed(keeper.stamp, now, 0.06)) {
            r.state = 12;
            keeper.stamp = now;
        }
    }
    if (r.state == 12) {
        r.frame = 6;
        ScrollX = kViewX;
        if (AtLeastElapsed(keeper.stamp, now, 0.06)) {
            r.state = 13;
            keeper.stamp = now;
        }
    }
    if (r.state == 13) {
        TakeHoldOfHeroine();
        ScrollX = kViewX;
        PlayerState.x = kHeldX;
        PlayerState.facing = -1;
        const double t = now - keeper.stamp;
        r.x = kGatekeeperOrigin + 995 - RateMove(1500.0, t);
        r.objectX = 505 - TruncToInt(1500.0 * t / 250.0 * 243.0);
        // The keys stay held while the view is steered (keeper.steer) until
        // the collecting game has its objects.
        if (r.x < kGatekeeperOrigin + 765) {
            r.state = 14;
            keeper.stamp = now;
            BigBurstPool.state[1] = 1;
            BigBurstPool.x[1] = r.x;
            BigBurstPool.y[1] = r.objectX;
        }
    }
    if (r.state == 14 && AtLeastElapsed(keeper.stamp, now, 0.2)) {
        r.state = 15;
        r.done = 1;
        CollectGameObjects[0].state = 10;
        keeper.stamp = now;
    }
    if (r.state == 15 && CollectGameObjects[0].state == 11) {
        LetGoOfHeroine();
        r.state = 1;
        keeper.steer = 0;
    }
    if (r.state >= 10 && r.state <= 15 && keeper.storedHp != 0) {
        PlayerState.hp = keeper.storedHp;
        PlayerState.x = kHeldX;
    }
}

}  // namespace

void UpdateGatekeeper(std::int32_t arg) {
    GatekeeperStateRecord& r = GatekeeperRecord;
    if (arg == 0) {
        keeper.storedHp = 0;
        keeper.steer = 0;
        keeper.stamp = 1.0;
        return;
    }
    const HoldStep hold(kGatekeeperHold);
    const double now = FieldClock();
    if (now - keeper.stamp < 0) keeper.stamp = 1.0;
    r.y = 640;
    r.blockX = kGatekeeperOrigin + 1050;
    if (r.state >= 1 && r.state <= 3) {
        r.state = PlayerState.x <= r.blockX ? 2 : 3;
        const double t = now - keeper.stamp;
        if (t >= 3.0 && t < 3.5) r.state = 1;
        if (t >= 3.5) keeper.stamp = now;
        r.frame = r.state;
    }
    RunFirstTalk(now);
    RunOffer(now);
    RunThrow(now);
    const std::int32_t line = DialogueChannels.storyLine;
    if (line >= 26 && line <= 39 && ScrollX > kViewX) ScrollX = std::max(kViewX, ScrollX - 2);
    if (keeper.steer == 1) {
        TakeHoldOfHeroine();
        if (ScrollX < kGatekeeperOrigin + 357) ++ScrollX;
        if (ScrollX > kGatekeeperOrigin + 359) --ScrollX;
    }
    if (MessageBoxOpen == 0) FieldTalkOpen = 0;
}

void SettleCollectGameAfterLoad() {
    // The collecting game is not saved: a game caught between the throw and
    // the drop would wait forever for objects that are back on their spots.
    for (CollectGameObject& object : CollectGameObjects) object.state = 1;
    if (GatekeeperRecord.state >= 10 && GatekeeperRecord.state <= 15) GatekeeperRecord.state = 1;
    keeper.storedHp = 0;
    keeper.steer = 0;
}

namespace {

struct LiftRow {
    std::int32_t frame, left, top, right, bottom, pivotX, pivotY;
    float depth;
};
// Frames 116 and 117 close over the heroine, so they stand nearer than her.
constexpr LiftRow kLiftRows[] = {
    {113, 0, 0, 165, 115, 88, 115, 0.8f},     {114, 167, 0, 302, 111, 89, 111, 0.8f},
    {116, 303, 0, 530, 211, 114, 211, 0.1f},  {117, 531, 0, 670, 194, 70, 194, 0.1f},
    {118, 0, 213, 185, 388, 69, 169, 0.8f},   {119, 186, 213, 382, 388, 116, 176, 0.8f},
    {120, 383, 213, 576, 380, 136, 167, 0.8f},
};

}  // namespace

void SetLiftSprite(std::int32_t frame) {
    PendingSprite.gno = 0;
    const LiftRow* row = FindRow(kLiftRows, &LiftRow::frame, frame);
    if (row == nullptr) return;
    PendingSprite.gno = 64;
    PendingSprite.srcLeft = row->left;
    PendingSprite.srcTop = row->top;
    PendingSprite.srcRight = row->right;
    PendingSprite.srcBottom = row->bottom;
    PendingSprite.posX = LiftRecord.pictureX - ScrollX - row->pivotX;
    PendingSprite.posY = LiftRecord.pictureY - row->pivotY;
    PendingSprite.depth = row->depth;
    PendingSprite.colour = 0xFFFFFFFFu;
}
