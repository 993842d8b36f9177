// Jumps and falls. Every flight follows one parabola: the height above the
// arc's base line is v*t - 813*t*t px, t s after the arc's time origin, with
// a take-off speed v per kind. The heroine lands only in pose 16.
#include "core/player.h"

#include "core/floors.h"
#include "core/game_clock.h"
#include "core/menu_words.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kJumpSound = 18;

struct JumpKindRow {
    std::int32_t request;       // jumpKind written by the input
    std::int32_t flight;        // jumpKind while in the air
    double takeOffSpeed;        // v, px/s
    std::int32_t xSpeed;        // set by the request; 0 = none (no horizontal motion)
    bool fast;                  // running and dash jumps: poses 15/16 by height
    double airPoseTime;         // 1018 from this t on
    double topTime;             // standing/walking: pose 16 from the top of the arc
    std::int32_t landingPose;
};

constexpr JumpKindRow kStand = {10, 11, 750, 0, false, 0.05, 0.4612546125461255, 1};
constexpr JumpKindRow kWalk = {20, 21, 780, 273, false, 0.05, 0.4797047970479705, 1};
constexpr JumpKindRow kRun = {30, 31, 830, 450, true, 0.06, 0, 8};
constexpr JumpKindRow kDash = {40, 41, 850, 1300, true, 0.06, 0, 8};


void Land(const JumpKindRow& k) {
    PlayerMoveStateRecord& m = PlayerMoveState;
    PlayerState.pose = k.landingPose;
    m.jumpKind = 0;
    switch (k.request) {
        case 10: m.jumpStartTime = GameNow(); break;
        case 20: m.jumpStartTime = GameNow(); m.xSpeed = 0; break;
        case 30: m.poseStepTime = GameNow(); m.runSlideState = 1; break;
        case 40: m.poseStepTime = GameNow(); m.runSlideState = 2; break;
        default: break;
    }
    PlayerState.y = FloorHeightAt(PlayerState.x, PlayerState.y);
    PlaySoundEffect(kJumpSound, SoundVolumes[0]);
}

void RunJump(const JumpKindRow& k) {
    PlayerMoveStateRecord& m = PlayerMoveState;
    if (m.jumpKind == k.request) {
        if (k.xSpeed != 0) m.xSpeed = k.xSpeed;
        PlayerState.jumpStartY = PlayerState.y;
        m.jumpKind = k.flight;
        m.jumpStartTime = GameNow();
        PlaySoundEffect(kJumpSound, SoundVolumes[0]);
    }
    if (m.jumpKind != k.flight) return;

    const double t = GameNow() - m.jumpStartTime;
    PlayerState.pose = 14;
    PlayerState.y = PlayerState.jumpStartY - ArcRise(k.takeOffSpeed, t);
    if (!k.fast) {
        if (t >= k.airPoseTime) PlayerState.pose = 1018;
        if (t >= k.topTime) PlayerState.pose = 16;
    } else {
        if (t >= k.airPoseTime) PlayerState.pose = 1018;
        if (t >= 0.15) {
            PlayerState.pose = 15;
            if (FloorHeightAt(PlayerState.x, PlayerState.y) - PlayerState.y <= 50) PlayerState.pose = 16;
        }
    }
    if (k.xSpeed != 0 && StageFrozenByMenu != 1 &&
        (PlayerState.facing == 1 || PlayerState.facing == -1)) {
        const std::int32_t d = static_cast<std::int32_t>(m.xSpeed * GameClock.stepLength);
        MovePlayerWithFollow(d, PlayerState.facing);
    }
    if (PlayerState.pose == 16 && FloorHeightAt(PlayerState.x, PlayerState.y) <= PlayerState.y) Land(k);
}

}  // namespace

void UpdatePlayerJumpStand() { RunJump(kStand); }
void UpdatePlayerJumpWalk() { RunJump(kWalk); }
void UpdatePlayerJumpRun() { RunJump(kRun); }
void UpdatePlayerJumpDash() { RunJump(kDash); }

namespace {

// A fall is the descending part of the arc of the jump kind the heroine was
// moving in, placed so that it passes through her feet.
void StartFall() {
    PlayerMoveStateRecord& m = PlayerMoveState;
    struct FallRow {
        std::int32_t kind;
        double arcTime;
        double v;
    };
    FallRow fall = {11, 0.461, kStand.takeOffSpeed};
    if (m.walkRight == 1 || m.walkLeft == 1) fall = {21, 0.479, kWalk.takeOffSpeed};
    if (m.runZ == 1) fall = {31, 0.15, kRun.takeOffSpeed};
    if (m.runX == 1) fall = {41, 0.15, kDash.takeOffSpeed};
    m.jumpKind = fall.kind;
    m.jumpStartTime = GameNow() - fall.arcTime;
    const double t = GameNow() - m.jumpStartTime;
    PlayerState.jumpStartY = PlayerState.y + ArcRise(fall.v, t);
}

bool AboveHerFloor() { return PlayerState.y + 5 < FloorHeightAt(PlayerState.x, PlayerState.y); }

}  // namespace

void UpdatePlayerGroundContact() {
    PlayerMoveStateRecord& m = PlayerMoveState;
    if (m.jumpKind != 0) return;
    const bool attacking =
        m.comboS != 0 || m.comboD != 0 || m.comboF != 0 || m.comboG != 0 || m.comboQ != 0;
    if (!attacking && AboveHerFloor()) {
        StartFall();
        return;
    }
    PlayerState.y = FloorHeightAt(PlayerState.x, PlayerState.y);
}

void FallIfLeftInTheAir() {
    if (PlayerMoveState.jumpKind == 0 && AboveHerFloor()) StartFall();
}
