// HUD flashes (real-time clock), the low-HP warning (game clock) and the hurt
// pose.
#include "core/hud.h"

#include "core/game_clock.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

constexpr double kFlashLength = 0.1;
constexpr double kBeepInterval = 0.72;

}  // namespace

void UpdateHud(std::int32_t arg) {
    if (arg == 0) {
        HudState.lastHp = 0;
        HudState.lastMaxHp = 0;
        HudState.lastExp = 0;
        HudState.expFlash = 0;
        HudState.hpFlashTime = 0;
        HudState.expFlashTime = 0;
        return;
    }
    if (arg != 1) return;

    const double now = GameClock.realTime;
    if (PlayerState.hp <= 0) PlayerState.hp = 0;
    HudState.hpTextState = 1;
    HudState.expTextState = 1;

    // A drop is tested first, so a drop and a max-HP rise in one frame show
    // the hurt flash.
    if (HudState.hurtFlash == 0 && PlayerState.hp < HudState.lastHp) {
        HudState.hpFlashTime = now;
        HudState.hurtFlash = 1;
    }
    if (HudState.hurtFlash == 0 && HudState.lastMaxHp < PlayerState.maxHp) {
        HudState.hpFlashTime = now;
        HudState.hurtFlash = 2;
    }
    if (HudState.hurtFlash == 1 || HudState.hurtFlash == 2) {
        HudState.hpTextState = HudState.hurtFlash == 1 ? 2 : 3;
        if (now - HudState.hpFlashTime > kFlashLength) HudState.hurtFlash = 0;
    }

    if (HudState.expFlash == 0 && HudState.lastExp < PlayerState.exp) {
        HudState.expFlashTime = now;
        HudState.expFlash = 2;
    }
    if (HudState.expFlash == 2) {
        HudState.expTextState = 2;
        if (now - HudState.expFlashTime > kFlashLength) HudState.expFlash = 0;
    }

    HudState.shown = 1;
    HudState.hudX = 53;
    HudState.hudY = 28;
    HudState.gaugeShown = 1;

    HudState.lastHp = PlayerState.hp;
    HudState.lastMaxHp = PlayerState.maxHp;
    HudState.lastExp = PlayerState.exp;
}

void UpdateLowHpWarning() {
    const double clock = GameClock.gameClock;
    LowHpWarningRecord& w = LowHpWarning;
    StampAheadToZero(w.time, clock);   // the clock went back (a load)

    const std::int32_t hp = PlayerState.hp;
    const std::int32_t maxHp = PlayerState.maxHp;
    bool armed = true;
    double first = 0;
    double second = 0;
    if (maxHp <= 500) {
        first = 30;
        second = 15;
    } else if (maxHp <= 5000) {
        first = maxHp * 0.2;
        second = maxHp * 0.1;
    } else {
        armed = false;   // above 5000 nothing is armed or reset
    }

    if (armed) {
        if (hp > first) {
            w.warning1 = 0;
            w.warning2 = 0;
        }
        if (w.warning1 == 0 && second < hp && hp <= first) {
            w.warning1 = 1;
            w.time = clock;
        }
        if (w.warning2 == 0 && 0 < hp && hp <= second) {
            w.warning2 = 1;
            w.time = clock;
        }
    }

    const std::int32_t loud = SoundVolumes[1];
    const std::int32_t quiet = loud / 10;
    if (w.warning1 == 1) {
        PlaySoundEffect(kLowHpBeepSound, quiet);
        w.warning1 = 2;
        w.time = clock;
    } else if (w.warning1 == 2 && clock - w.time > kBeepInterval) {
        PlaySoundEffect(kLowHpBeepSound, quiet);
        w.warning1 = 3;
        w.time = clock;
    }

    if (w.warning2 == 1) {
        PlaySoundEffect(kLowHpBeepSound, loud);
        w.warning2 = 2;
        w.time = clock;
    } else if (w.warning2 == 2 && clock - w.time > kBeepInterval) {
        PlaySoundEffect(kLowHpBeepSound, loud);
        w.warning2 = 3;
        w.time = clock;
    } else if (w.warning2 == 3 && clock - w.time > kBeepInterval) {
        PlaySoundEffect(kLowHpBeepSound, loud);
        w.warning2 = 4;
        w.time = clock;
    }
}

void ApplyHurtPose() {
    if (HudState.hurtFlash != 1) return;
    if (PlayerHurtPoseRequest == 84 || PlayerHurtPoseRequest == 85) {
        PlayerState.pose = PlayerHurtPoseRequest;
    }
}
