// The stage step: one call advances the whole playing world by one step, in
// a fixed order on which every routine relies. The controller sees the key
// flags first, the areas' actors see the heroine's position of this step,
// and the limits have the last word on x and ScrollX before drawing.
#include "world/world.h"

#include "areas/era00_era01/calls.h"
#include "areas/era02/calls.h"
#include "areas/era03/calls.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"   // PlayerJumpLock
#include "core/area_flags.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/menu_words.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "platform/platform.h"

namespace {

WorldUpdateStateRecord& worldStep = WorldUpdateState;

// ---------------------------------------------------------------- controller

void RunJumps() {
    // Tested in this order: a kind moved into a later range by an earlier
    // routine runs in this step, one moved earlier waits for the next.
    struct JumpRange {
        std::int32_t lo, hi;
        void (*routine)();
    };
    static constexpr JumpRange kJumps[] = {
        {10, 11, UpdatePlayerJumpStand},
        {20, 21, UpdatePlayerJumpWalk},
        {30, 31, UpdatePlayerJumpRun},
        {40, 41, UpdatePlayerJumpDash},
    };
    if (PlayerMoveState.jumpKind == 0) return;
    for (const JumpRange& j : kJumps) {
        const std::int32_t k = PlayerMoveState.jumpKind;
        if (k >= j.lo && k <= j.hi) j.routine();
    }
}

void RunController() {
    if (worldStep.backOnStage == 1) {
        worldStep.backOnStage = 0;
        FallIfLeftInTheAir();
    }
    if (GroundFallEnabled != 0 && GroundFallSuppressed == 0) UpdatePlayerGroundContact();
    UpdatePlayerLevel();
    UpdatePlayerInput();
    if (PlayerMoveState.walkRight == 1 || PlayerMoveState.walkLeft == 1) UpdatePlayerWalk(1);
    if (PlayerMoveState.runZ == 1 || PlayerMoveState.runX == 1) UpdatePlayerRun(1);
    if (StageFrozenByMenu != 1) UpdateCamera();
    if (PlayerJumpLock == 0)
        UpdatePlayerSlide(1);
    else
        PlayerMoveState.runSlideState = 0;
    RunJumps();
    UpdateAttackCombos();
    UpdatePlayerAttackBox();
    if (StageFrozenByMenu != 1) ClampPlayerAndScroll();
}

void RunFieldMusic() {
    if (GameFlow.gameOverRunning < 1 && FieldMusicFlag == 1) {
        if (SoundTable[2] != 0) plat::SoundStop(2);
        PlaySoundEffect(4, SoundVolumes[1]);
    }
}

// ---------------------------------------------------------------- shared services

void RunSharedServices() {
    UpdatePickups();
    UpdateDropItemPickup();
    UpdateBursts();
    UpdateFlashEffects();
    ApplyHurtPose();
}

// ---------------------------------------------------------------- area limits

void ApplyAreaLimits() {
    LimitEra00House();
    if (Era01AreaFlag == 1) LimitEra01();
    if (Era02AreaFlag == 1) LimitEra02();
    if (Era03AreaFlag == 1) LimitEra03();
    if (Era04AreaFlag == 1) LimitEra04();
}

constexpr HoldOwner kPitFallHold{"the fall into a ledge pit"};

// The heroine stays in pose 27, keys ignored, until more than 0.5 s have
// passed and she stands exactly on the floor.
void ApplyPitFallHold() {
    const HoldStep hold(kPitFallHold);
    if (worldStep.pitFallState == 2) {
        LetGoOfHeroine();
        worldStep.pitFallState = 0;
    }
    if (worldStep.pitFallState == 1) {
        PlayerState.pose = 27;
        // The fall brings her down; a run key still down from before it
        // would run her on through the air.
        DropHerHeldMoveKeys();
        TakeHoldOfHeroine();
        if (GameNow() - worldStep.pitFallTime > 0.5 && PlayerState.y == FloorHeightAt(PlayerState.x, PlayerState.y))
            worldStep.pitFallState = 2;
    }
}

}  // namespace

void UpdateWorld() {
    StampAheadToZero(worldStep.pitFallTime, GameNow());
    PlayerState.xBeforeStep = PlayerState.x;
    UpdateLowHpWarning();
    RunController();
    RunFieldMusic();
    if (Era00AreaFlag == 1) RunEra00Block();
    if (Era01AreaFlag == 1) RunEra01Block();
    if (Era02AreaFlag == 1) RunEra02Block();
    if (Era03AreaFlag == 1) RunEra03Block();
    if (Era04AreaFlag == 1) UpdateEra04Events(1);
    RunSharedServices();
    ApplyAreaLimits();
    ApplyPitFallHold();
    worldStep.previousStepX = PlayerState.x;
    // Last: a hold whose owner was not stepped in this step has nobody to
    // let her go.
    EndHoldsNotKept();
}
