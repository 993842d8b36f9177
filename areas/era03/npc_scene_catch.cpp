// The catching game of the night scene: the player steers the character,
// which crouches beside a resting object, lifts it, carries it and puts it
// down; an object put down on the spot beside the camp is delivered and
// later becomes a serving. The four objects bounce across the screen in the
// records of the title figures, which the overlay pass draws in every phase.
#include "areas/era02/records.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t kDelivered = 99;
constexpr std::int32_t kTimeUp = 990;

// Poses of the character in the game.
constexpr std::int32_t kCrouch = 18, kLift = 19, kCarryA = 20, kCarryB = 21, kPutDown = 22, kDeliveredPose = 23;

Era03NpcSceneRecord& Scene = Era03NpcScene;
Era03NpcCatcherRecord& Catcher = Era03NpcCatcher;

// One walking move every 0.07 s in the direction of each intent, within the
// character's reach of the camp.
void Walk(std::int32_t pixels, std::int32_t firstFrame, std::int32_t lastFrame) {
    PlayerMoveStateRecord& m = PlayerMoveState;
    struct Side {
        std::int32_t* intent;
        const std::int32_t* key;
        std::int32_t sign;
    };
    const Side sides[2] = {{&m.walkRight, &KeyRightPressed, 1}, {&m.walkLeft, &KeyLeftPressed, -1}};
    for (const Side& side : sides) {
        if (*side.intent != 1) continue;
        if (MoreThanElapsed(Catcher.stamp, GameNow(), 0.07)) {
            Catcher.stamp = GameNow();
            if (side.sign > 0 && Scene.actorX <= kNpcAnchor + 578) Scene.actorX += pixels;
            if (side.sign < 0 && Scene.actorX >= kNpcAnchor - 311) Scene.actorX -= pixels;
            // A frame from elsewhere restarts the cycle: empty-handed at 13 so
            // the first step shows 14, carrying at 20 so it shows 21.
            if (Catcher.walkFrame < firstFrame || Catcher.walkFrame > lastFrame)
                Catcher.walkFrame = firstFrame == 14 ? 13 : firstFrame;
            Catcher.walkFrame = Catcher.walkFrame >= lastFrame ? firstFrame : Catcher.walkFrame + 1;
        }
        Scene.actorPose = Catcher.walkFrame;
        if (*side.key == 0) *side.intent = 0;
    }
}

// ---- the objects ------------------------------------------------------------

struct CatchMember {
    std::int32_t spawnX, spawnY, vx, vy;
    std::uint32_t spawnColour;
    std::int32_t offsetsRight[4];   // character poses 18, 19, 20, 21; facing not -1
    std::int32_t offsetsLeft[4];    // facing -1
    std::int32_t carryY20, carryY21;
    std::int32_t deliveredX, deliveredY;
    std::int32_t drift;
};
constexpr CatchMember kMembers[5] = {
    {},
    {400, 400, 4, 8, 0x00FFFFFFu, {107, 124, 110, 110}, {29, 10, 44, 40}, 586, 586, kNpcAnchor - 5, 650, 3},
    {1050, 400, -9, 4, 0x00FF5555u, {107, 124, 110, 110}, {29, 10, 44, 40}, 586, 586, kNpcAnchor + 5, 650, 3},
    {400, 400, 19, 3, 0x00FFFFFFu, {107, 124, 100, 110}, {29, 10, 35, 30}, 565, 568, kNpcAnchor + 5, 610, 2},
    {400, 950, 9, 15, 0x00FFFFFFu, {107, 124, 100, 110}, {29, 10, 35, 30}, 565, 568, kNpcAnchor + 5, 610, 3},
};

void Advance(std::int32_t& frame) { frame = frame >= 1 && frame < 5 ? frame + 1 : 1; }

void Spawn(std::int32_t k, TitleFigureRecord& o, Era03CatchObjectRecord& w) {
    const CatchMember& m = kMembers[k];
    o.x = m.spawnX;
    o.y = m.spawnY;
    o.colour = m.spawnColour;
    w.fade = 0;
    w.vx = m.vx;
    w.vy = m.vy;
    w.interval = 0.3;
}

void StepObject(std::int32_t k, std::int32_t arg) {
    TitleFigureRecord& o = TitleFigureSlots.figure[k];
    Era03CatchObjectRecord& w = Era03CatchObjects[k];
    const CatchMember& m = kMembers[k];
    const double now = GameNow();
    if (arg == 0) {
        w.state = 0;
        if (k != 4) o.frame = 1;
        Spawn(k, o, w);
        return;
    }
    MenuFigureDepth = 0.09f;
    const std::int32_t* offsets = Scene.actorFacing == -1 ? m.offsetsLeft : m.offsetsRight;
    const std::int32_t reachX = Scene.actorX - ScrollX;

    if (w.state == 0) {
        w.state = 1;
        w.stamp = now;
        o.frame = 1;
        Spawn(k, o, w);
        if (k == 3 && Era02EventsUnlocked != 0) {
            o.x = 500;
            o.y = 600;
            w.vx = -19;
        }
    }
    if (w.state == 1 && MoreThanElapsed(w.stamp, now, w.interval)) {
        w.stamp = now;
        if (w.fade < 221) {
            ++w.fade;
            // A dropped object starts again from a strong alpha; it stops at
            // opaque instead of wrapping into the colour bits.
            if ((o.colour >> 24) < 0xFFu) o.colour += 0x01000000u;
        }
        Advance(o.frame);
        o.x += w.vx;
        o.y += w.vy;
        if (o.x < -100 || o.x > 1100) w.vx = -w.vx;
        if (o.y < 0) w.vy = -w.vy;
        if (o.y >= 640) {
            w.state = 2;
            w.restStamp = now;
        }
    }
    if (w.state == 2) {
        o.frame = 1;
        o.y = 640;
        if (MoreThanElapsed(w.restStamp, now, 2.1)) {
            w.state = 1;
            w.vy = -8;
            o.y = 630;
            w.stamp = now;
            if (w.interval > 0.02) w.interval /= 2;
        } else if (Scene.actorPose == kCrouch) {
            const std::int32_t hand = reachX + offsets[0];
            if (hand >= o.x - 23 && hand <= o.x + 23) {
                w.state = 3;
                w.stamp = now;
            }
        }
    }
    if (w.state == 3) {
        if (Scene.actorPose == kCrouch) {
            o.x = reachX + offsets[0];
            Advance(o.frame);
            o.colour = 0xDDFFAAAAu;
            if (MoreThanElapsed(w.stamp, now, 3.0)) {
                Scene.catchSignal = k;
                w.state = 4;
                w.stamp = now;
                KeyDownPressed = 0;
            }
        } else {
            // Let go: on its next step it springs up from the ground.
            w.restStamp = now - 3.0;
            w.state = 2;
        }
    }
    if (w.state == 4) {
        o.y = 640;
        o.colour = 0xDDFFDDDDu;
        const std::int32_t pose = Scene.actorPose;
        if (pose == kLift) {
            o.x = reachX + offsets[1];
            o.y = 486;
            o.frame = 1;
        } else if (pose == kCarryA) {
            o.x = reachX + offsets[2];
            o.y = m.carryY20;
        } else if (pose == kCarryB) {
            o.x = reachX + offsets[3];
            o.y = m.carryY21;
        }
        if (pose >= kLift && pose <= kCarryB) Advance(o.frame);
        if (pose == kPutDown) {
            const std::int32_t worldX = o.x + ScrollX;
            if (worldX > kNpcAnchor - 35 && worldX < kNpcAnchor + 35) {
                w.state = 5;
                Scene.catchSignal = kDelivered;
                w.stamp = now;
                PlaySoundEffect(64, SoundVolumes[1]);
                ++Scene.deliveredCount;
            } else {
                KeyUpPressed = 0;
                w.state = 1;
                w.vy = -12;
                w.interval = 0.02;
                o.colour = 0xDDFFFFFFu;
                w.fade = 0;
            }
        }
    }
    if (w.state == 5) {
        o.frame = 6;
        o.x = m.deliveredX - ScrollX;
        o.y = m.deliveredY;
        o.colour = 0x77FFFFFFu;
        if (k == 1) MenuFigureDepth = 0.093f;
        if (MoreThanElapsed(w.stamp, now, 0.5)) {
            w.state = 0;
            if (k == 1) MenuFigureDepth = 0.09f;
        }
    }
    if (Scene.catchSignal == kTimeUp) {
        w.state = 1;
        if (o.x <= -100) {
            w.state = 99;
            o.frame = 0;
        } else {
            o.x -= m.drift;
            o.y -= 2;
            w.vx = w.vy = 0;
        }
    }
}

}  // namespace

void UpdateEra03NpcCatcher(std::int32_t arg) {
    PlayerMoveStateRecord& m = PlayerMoveState;
    if (arg == 0) {
        Catcher.step = 0;
        m.walkRight = m.walkLeft = 0;
        return;
    }
    const double now = GameNow();
    StampAheadToZero(Catcher.stamp, now);
    if (m.walkRight == 1) Scene.actorFacing = 1;
    if (m.walkLeft == 1) Scene.actorFacing = -1;
    if (Catcher.step == 0 && Catcher.walkFrame == 0) Catcher.walkFrame = 13;
    if (Catcher.step == 3) Scene.actorPose = Catcher.walkFrame;
    if (Catcher.step == 0) Walk(19, 14, 17);
    if (Catcher.step == 3) Walk(20, 20, 21);
    if (Catcher.step == 0 && KeyDownPressed == 1) {
        Catcher.step = 1;
        Catcher.stamp = now;
        KeyDownPressed = 0;
    }
    if (Catcher.step == 1) {
        Scene.actorPose = kCrouch;
        if (MoreThanElapsed(Catcher.stamp, now, 0.2) && KeyDownPressed == 0) Catcher.step = 0;
        // A lift is never lost: the object that signals it cleared the Down
        // flag itself in the step before.
        if (Scene.catchSignal != 0) {
            Catcher.step = 2;
            Scene.catchSignal = 0;
            Catcher.stamp = now;
            TakeHoldOfHeroine();
            PlaySoundEffect(63, SoundVolumes[0]);
        }
    }
    if (Catcher.step == 2) {
        KeyDownPressed = 0;
        Scene.actorPose = kLift;
        if (MoreThanElapsed(Catcher.stamp, now, 1.0)) {
            Catcher.step = 3;
            LetGoOfHeroine(kHoldKeys);
            Catcher.walkFrame = kCarryA;
        }
    }
    if (Catcher.step == 3 && KeyDownPressed == 1) {
        TakeHoldOfHeroine();
        Catcher.step = 4;
        Catcher.stamp = now;
        KeyDownPressed = 0;
    }
    if (Catcher.step == 4) {
        Scene.actorPose = kPutDown;
        if (MoreThanElapsed(Catcher.stamp, now, 2.0) && KeyDownPressed == 0) {
            Catcher.step = 0;
            LetGoOfHeroine(kHoldKeys);
        }
        if (Scene.catchSignal == kDelivered) {
            Catcher.step = 5;
            Scene.catchSignal = 0;
            Catcher.stamp = now;
            TakeHoldOfHeroine();
            PlaySoundEffect(64, SoundVolumes[0]);
            PlaySoundEffect(63, SoundVolumes[0]);
        }
    }
    if (Catcher.step == 5) {
        KeyDownPressed = 0;
        Scene.actorX = kNpcAnchor;
        Scene.actorPose = kDeliveredPose;
        Scene.actorFacing = 1;
        if (MoreThanElapsed(Catcher.stamp, now, 1.0)) {
            Catcher.step = 0;
            LetGoOfHeroine(kHoldKeys);
            Catcher.walkFrame = 0;
        }
    }
}

void UpdateEra03CatchObject1(std::int32_t arg) { StepObject(1, arg); }
void UpdateEra03CatchObject2(std::int32_t arg) { StepObject(2, arg); }
void UpdateEra03CatchObject3(std::int32_t arg) { StepObject(3, arg); }
void UpdateEra03CatchObject4(std::int32_t arg) { StepObject(4, arg); }
