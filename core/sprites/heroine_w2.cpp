// The weapon-mode-2 heroine: body, back layer, front layer and the four
// one-second effects. The combo machines only set poses; the timing of the
// slash streaks lives here.
#include "core/area_hooks.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/heroine_w2_table.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

using namespace heroine_w2_table;

namespace {

// Layer timers 1..7 (front 1..5, back 6..7): game-clock start stamps, 0 =
// not running.
double LayerTimers[8] = {};
// Whether the body pass of this frame drew (the blade rows follow it).
bool BodyDrew = false;

struct EffectRun {
    double start = 0;
    std::int32_t x = 0, y = 0, facing = 1;
};
EffectRun Effects[4];


// Starts the timer on the first frame that reads it; seconds it has run.
double TimerElapsed(int timer) {
    if (LayerTimers[timer] == 0.0) LayerTimers[timer] = GameNow();
    return GameNow() - LayerTimers[timer];
}

template <std::size_t N>
void ApplyTimerResets(const TimerReset (&resets)[N], std::int32_t pose) {
    for (const TimerReset& r : resets)
        if (r.pose == pose) LayerTimers[r.timer] = 0.0;
}

// When the clock has run back past a layer's first stamp, all its stamps
// start again.
void GuardClock(int first, int last) {
    if (GameNow() < LayerTimers[first])
        for (int t = first; t <= last; ++t) LayerTimers[t] = 0.0;
}

// Fills a combo row; returns false when its gate keeps it hidden.
bool DrawCombo(const ComboRow& row) {
    const std::int32_t f = PlayerState.facing;
    bool shown = true;
    switch (row.gate) {
        case Gate::Always: break;
        case Gate::TimerAfter: shown = TimerElapsed(row.timer) > row.limit; break;
        case Gate::TimerWithin: shown = TimerElapsed(row.timer) <= row.limit; break;
        case Gate::FacingLeftOnly: shown = f == -1; break;
        case Gate::FacingRightOnly: shown = f == 1; break;
        case Gate::WithBody: shown = BodyDrew; break;
    }
    if (!shown) return false;
    if (row.raisesEffect != 0) TimedEffectTriggers[row.raisesEffect - 1] = 1;
    PendingSprite.gno = 1;
    SetPendingSpriteSource(row.rect);
    PendingSprite.scale = row.scale;
    if (row.angle != kKeepAngle) PendingSprite.angle = row.angle;
    PendingSprite.colour = row.colour == kTint ? PlayerTint : row.colour;
    PendingSprite.posX = PlayerState.x + row.dx * f - ScrollX;
    PendingSprite.posY = PlayerState.y + row.dy;
    PendingSprite.depth = PlayerState.depth + row.depthOffset * (row.depthByFacing ? static_cast<float>(f) : 1.0f);
    PendingSprite.pivotX = row.pivot.x;
    PendingSprite.pivotY = row.pivot.y;
    return true;
}

bool GazeUp() {
    const PlayerGazeTargetRecord& t = PlayerGazeTarget;
    if (t.y == 0) return false;
    const std::int32_t ahead = (t.x - PlayerState.x) * PlayerState.facing;
    const std::int32_t dx = t.x - PlayerState.x;
    return t.y <= PlayerState.y - kGazeMinHeight && dx < kGazeMaxDistance && dx > -kGazeMaxDistance && ahead >= 0;
}

void WriteBodyBox(std::int32_t pose, const SpriteRect& frame) {
    if (KeepsBox(pose)) return;
    const PlayerStateRecord& p = PlayerState;
    std::int32_t top = p.y - frame.Height();
    std::int32_t bottom = p.y;
    if (pose >= 41 && pose <= 44) {
        bottom = p.y - kTumble[pose - 41].boxBottomUp;
        top = p.y - kTumble[pose - 41].boxTopUp;
    } else if (TallBox(pose)) {
        top = p.y - 128;
    }
    const ReachRow reach = ReachOf(pose);
    const std::int32_t a = -p.facing * reach.back, b = p.facing * reach.front;
    PlayerBodyBox.left = p.x + (a < b ? a : b);
    PlayerBodyBox.right = p.x + (a < b ? b : a);
    PlayerBodyBox.top = top;
    PlayerBodyBox.bottom = bottom;
}

void LayerDefaults(float depth) {
    PendingSprite.scale = 1.0f;
    PendingSprite.colour = PlayerTint;
    PendingSprite.facing = PlayerState.facing;
    PendingSprite.depth = depth;
}

void StepEffect(int e, std::int32_t n) {
    EffectRun& run = Effects[e];
    std::int32_t& trigger = TimedEffectTriggers[e];
    if (n == 0) {
        trigger = 0;
        return;
    }
    if (n != 1) return;
    EffectRow row = kEffects[e];
    if (e == 2) {
        const std::int32_t stage = AskArea(AreaHooks.endingStage);
        if (stage >= 4) {
            // Late in the ending the big streak has no effect of its own.
            PendingSprite.gno = 0;
            return;
        }
        if (stage == 2 || stage == 3) row = kEffect3Ending;
    }
    StampAheadToZero(run.start, GameNow());
    if (trigger == 1) {
        run.start = GameNow();
        run.x = PlayerState.x;
        run.y = PlayerState.y;
        run.facing = PlayerState.facing;
        trigger = 2;
    }
    const double elapsed = GameNow() - run.start;
    if (trigger == 2 && elapsed <= kEffectLife) {
        PendingSprite.gno = 1;
    } else {
        trigger = 0;
        PendingSprite.gno = 0;
    }
    PendingSprite.facing = run.facing;
    PendingSprite.angle = row.angle;
    PendingSprite.depth = e == 0 ? PlayerState.depth + 0.01f
                                 : PlayerState.depth - 0.01f * static_cast<float>(run.facing);
    SetPendingSpriteSource(row.rect);
    PendingSprite.posX = run.x + run.facing * row.dx - ScrollX;
    PendingSprite.posY = run.y - row.dy;
    PendingSprite.pivotX = row.pivot.x;
    PendingSprite.pivotY = row.pivot.y;
    PendingSprite.scale = row.scale;
    std::int32_t alpha = 85 - static_cast<std::int32_t>(elapsed * 77.0);
    if (alpha < 0) alpha = 0;
    PendingSprite.colour = (static_cast<std::uint32_t>(alpha) << 24) | 0x00FFFFFFu;
}

}  // namespace

void SetPlayerW2BodySprite(std::int32_t pose) {
    const PlayerStateRecord& p = PlayerState;
    BodyDrew = false;
    PendingSprite.scale = 1.0f;
    PendingSprite.colour = PlayerTint;
    PendingSprite.facing = p.facing;
    PendingSprite.angle = PlayerSpriteAngle;
    PendingSprite.depth = p.depth;
    PendingSprite.posX = p.x - ScrollX;
    PendingSprite.posY = p.y;
    pose = BodyAlias(pose);
    if (pose == 22 && GazeUp()) pose = 23;
    if (pose >= 41 && pose <= 44) {
        const TumbleRow& t = kTumble[pose - 41];
        PendingSprite.gno = 1;
        SetPendingSpriteSource(kTumbleFrame);
        PendingSprite.angle = t.angle;
        PendingSprite.pivotX = t.pivot.x;
        PendingSprite.pivotY = t.pivot.y;
        WriteBodyBox(pose, kTumbleFrame);
        BodyDrew = true;
        return;
    }
    const BodyRow* row = FindBody(pose, p.facing);
    if (row == nullptr) {
        // No frame of its own: nothing is drawn, rather than the last frame.
        PendingSprite.gno = 0;
        return;
    }
    PendingSprite.gno = 1;
    SetPendingSpriteSource(row->rect);
    PendingSprite.pivotX = static_cast<float>(row->pivotX);
    PendingSprite.pivotY = static_cast<float>(row->rect.Height());
    WriteBodyBox(pose, row->rect);
    BodyDrew = true;
}

void SetPlayerW2BackLayerSprite(std::int32_t pose) {
    const PlayerStateRecord& p = PlayerState;
    LayerDefaults(p.depth + 0.01f * static_cast<float>(p.facing));
    if (pose == 96) pose = 1;
    GuardClock(6, 7);
    ApplyTimerResets(kBackTimerResets, pose);
    PendingSprite.gno = 0;
    if (const WeaponRow* w = FindWeapon(pose, p.facing)) {
        // The weapon in the boss's hands replaces hers in pose 31.
        if (pose == 31 && AskArea(AreaHooks.bossHoldsHerWeapon)) return;
        PendingSprite.gno = 1;
        SetPendingSpriteSource(kWeapon);
        PendingSprite.pivotX = kWeaponPivot.x;
        PendingSprite.pivotY = kWeaponPivot.y;
        PendingSprite.angle = w->angle;
        PendingSprite.posX = p.x - p.facing * w->k - ScrollX;
        PendingSprite.posY = p.y - w->h;
        return;
    }
    if (const ComboRow* row = FindCombo(kBackCombo, pose)) DrawCombo(*row);
}

void SetPlayerW2FrontLayerSprite(std::int32_t pose) {
    const PlayerStateRecord& p = PlayerState;
    LayerDefaults(p.depth - 0.02f);
    PendingSprite.angle = 0;
    if (pose == 96) pose = 1;
    if (pose == 32 || pose == 83) pose = 72;
    GuardClock(1, 5);
    ApplyTimerResets(kFrontTimerResets, pose);
    PendingSprite.gno = 0;
    if (const PartRow* part = FindPart(pose)) {
        if (pose == 1018 && p.facing != -1) return;
        PendingSprite.gno = 1;
        SetPendingSpriteSource(part->rect);
        PendingSprite.pivotX = 0;
        PendingSprite.pivotY = 0;
        PendingSprite.angle = part->angle;
        PendingSprite.posX = p.x + part->dx - ScrollX;
        PendingSprite.posY = p.y - part->dy;
        return;
    }
    if (pose == 13) {
        PendingSprite.gno = 1;
        SetPendingSpriteSource(kSlidePart);
        PendingSprite.pivotX = kSlidePartPivot.x;
        PendingSprite.pivotY = kSlidePartPivot.y;
        PendingSprite.posX = p.x - ScrollX;
        PendingSprite.posY = p.y - kSlidePartDy;
        PendingSprite.depth = p.depth;
        return;
    }
    if (pose >= 72 && pose <= 77) {
        PendingSprite.gno = 1;
        SetPendingSpriteSource(kLyingPart);
        PendingSprite.pivotX = kLyingPivotX[pose - 72];
        PendingSprite.pivotY = kLyingPivotY;
        PendingSprite.posX = p.x - kLyingReach * p.facing - ScrollX;
        PendingSprite.posY = p.y;
        return;
    }
    if (pose == 215) {
        const std::int32_t stage = AskArea(AreaHooks.endingStage);
        if (stage >= 3) return;
        DrawCombo(stage == 2 ? kFront215Ending : *FindCombo(kFrontCombo, 215));
        return;
    }
    if (const ComboRow* row = FindCombo(kFrontCombo, pose)) DrawCombo(*row);
}

void SetTimedEffectSprite1(std::int32_t n) { StepEffect(0, n); }
void ResetTimedEffects() {
    for (int e = 0; e < 4; ++e) {
        Effects[e] = EffectRun{};
        TimedEffectTriggers[e] = 0;
    }
    // A stamp left running would time the next game's streaks from the last
    // game's clock: the clock-back rule stops a layer's stamps only when its
    // first timer is ahead of the clock, and that one is often stopped while
    // the others still run.
    for (double& stamp : LayerTimers) stamp = 0.0;
    BodyDrew = false;
}
void SetTimedEffectSprite2(std::int32_t n) { StepEffect(1, n); }
void SetTimedEffectSprite3(std::int32_t n) { StepEffect(2, n); }
void SetTimedEffectSprite4(std::int32_t n) { StepEffect(3, n); }
