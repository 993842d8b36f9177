// The boss's effect slots: the sword glow (slot 6) that blinks over the
// sword and fades, and the slash flashes of four kinds (slots 8, 11, 12, 13)
// that show a picture and fade out.
#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "core/player.h"

using namespace finale;

namespace {

struct SwordGlowWords {
    std::int32_t state = 0;
    double blink = 0, fade = 0;
    std::int32_t lastPose = 0;
};
SwordGlowWords Glow;

struct FlashWords {
    std::int32_t state[5] = {};
    double stamp[5] = {};
};
FlashWords Flash;

constexpr int kFlashSlot[5] = {0, 8, 11, 12, 13};

// The glow on poses that carry the sword in their own picture.
struct GlowRow {
    std::int32_t pose, rotation, dx, dy;
    float depthOffset;
    bool rotationLessBody;
};
constexpr GlowRow kGlowRows[] = {
    {1, 138, -2, -88, -0.001f, false}, {2, 64, 35, -78, -0.001f, false}, {18, 90, 8, -70, -0.001f, false},
    {43, 124, -9, 7, 0.001f, true},    {44, 23, 21, 47, 0.001f, false},
};

void Blink(double now) {
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (Glow.state == 1) {
        Glow.state = 2;
        a.frame[6] = 1;
        a.scale[6] = 1.0f;
        a.facing[6] = a.facing[1];
    }
    if (Glow.state == 2 && AtLeastElapsed(Glow.blink, now, 0.02)) {
        Glow.state = 3;
        a.frame[6] = 2;
        Glow.blink = now;
    }
    if (Glow.state == 3 && AtLeastElapsed(Glow.blink, now, 0.02)) {
        Glow.state = 2;
        a.frame[6] = 1;
        Glow.blink = now;
    }
}

}  // namespace

void PlaceSwordGlow() {
    FinalActorSlotsRecord& a = FinalActorSlots;
    const std::int32_t pose = a.frame[0], facing = a.facing[0];
    const float depth = a.depth[0];
    const GlowRow* row = FindRow(kGlowRows, &GlowRow::pose, pose);
    if (row != nullptr) {
        const float r = row->rotationLessBody ? row->rotation - a.rotation[0] : static_cast<float>(row->rotation);
        a.rotation[6] = r * static_cast<float>(facing);
        a.x[6] = a.x[0] + row->dx * facing;
        a.y[6] = a.y[0] + row->dy;
        a.depth[6] = depth + row->depthOffset;
    } else {
        a.rotation[6] = a.rotation[1];
        a.x[6] = a.x[1];
        a.y[6] = a.y[1];
        a.depth[6] = depth - 0.001f;
    }
    if (pose == 15 || pose == 16 || pose == 23 || pose == 32 || pose == 42 || pose == 45) a.depth[6] = depth + 0.001f;
}

std::int32_t RunSwordGlow(std::int32_t mode) {
    const double now = GameNow();
    if (now - Glow.blink < 0) Glow.blink = Glow.fade = 0;
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (mode == 0) {
        Glow.state = 1;
        Glow.blink = now;
        Sound(224);
        a.colour[6] = 0xAAFFFFFFu;
        return Glow.state;
    }
    if (mode == 1) {
        Glow.fade = now;
        return Glow.state;
    }
    if (mode == 2 || mode == 3) {
        a.depth[4] = a.depth[0] + 0.001f;
        Blink(now);
        if (a.frame[0] >= 3 && a.frame[0] <= 8) {
            a.rotation[6] = a.rotation[1];
            a.x[6] = a.x[1];
            a.y[6] = a.y[1];
            a.depth[6] = a.depth[0] - 0.001f;
        }
    }
    if (mode == 3) {
        std::int32_t alpha = 170 - TruncToInt((now - Glow.fade) * 170.0);
        if (alpha <= 0) {
            alpha = 0;
            Glow.state = kDone;
            a.frame[6] = 0;
        }
        a.colour[6] = FadeColour(alpha);
    }
    if (mode == 4) {
        Blink(now);
        if (a.frame[0] != Glow.lastPose) SetBossSlotSprite(0);
        Glow.lastPose = a.frame[0];
        PlaceSwordGlow();
        if (BossFightState.slot6Effect == 2) {
            std::int32_t alpha = 170 - TruncToInt((now - Glow.fade) * 85.0);
            if (alpha <= 0) {
                alpha = 0;
                BossFightState.slot6Effect = 0;
                a.frame[6] = 0;
            }
            a.colour[6] = FadeColour(alpha);
        }
    }
    return Glow.state;
}

void RunBossFlashes(std::int32_t mode, std::int32_t kind, std::int32_t x, std::int32_t y, std::int32_t facing) {
    const double now = GameNow();
    FinalActorSlotsRecord& a = FinalActorSlots;
    if (mode == 0) {
        if (kind < 1 || kind > 4) return;
        BossFightState.flashBusy = 1;
        const int s = kFlashSlot[kind];
        Flash.state[kind] = 1;
        Flash.stamp[kind] = now;
        a.frame[s] = 1;
        a.scale[s] = 2.0f;
        a.rotation[s] = 0;
        a.facing[s] = facing;
        a.colour[s] = 0xFFFFFFFFu;
        a.x[s] = x;
        a.y[s] = y;
        a.depth[s] = PlayerState.depth - 0.002f;
        return;
    }
    if (mode != 1) return;
    bool running = false;
    for (int k = 1; k <= 4; ++k) {
        const int s = kFlashSlot[k];
        if (Flash.state[k] != 0) running = true;
        StampAheadToZero(Flash.stamp[k], now);
        if (Flash.state[k] == 1) {
            Flash.stamp[k] = now;
            Flash.state[k] = 2;
        }
        if (Flash.state[k] == 2 && MoreThanElapsed(Flash.stamp[k], now, 0.1)) {
            Flash.state[k] = 3;
            a.frame[s] = 2;
            Flash.stamp[k] = now;
        }
        if (Flash.state[k] == 3) {
            std::int32_t alpha = 85 - TruncToInt((now - Flash.stamp[k]) * 85.0);
            if (alpha <= 0) {
                alpha = 0;
                Flash.state[k] = 0;
                a.frame[s] = 0;
            }
            a.colour[s] = FadeColour(alpha);
        }
    }
    if (!running) BossFightState.flashBusy = 0;
}

void ResetBossEffectWords() {
    Glow = {};
    Flash = {};
}
