// HUD flashes, the low-HP warning and the hurt pose.
#pragma once

#include <cstdint>

struct HudStateRecord {
    std::int32_t shown = 0;          // 1 = HUD texts shown
    std::int32_t hpTextState = 0;    // 1 normal, 2 hurt flash, 3 gain flash
    std::int32_t expTextState = 0;   // 1 normal, 2 EXP flash
    std::int32_t hudX = 0, hudY = 0; // 53, 28 once the HUD update has run
    std::int32_t gaugeShown = 0;     // 1 = the renderer draws the HUD gauges
    std::int32_t hurtFlash = 0;      // 0 none, 1 HP dropped, 2 max HP rose
    std::int32_t lastHp = 0, lastMaxHp = 0, lastExp = 0;
    double hpFlashTime = 0, expFlashTime = 0;   // real-time seconds
    std::int32_t expFlash = 0;       // 0 none, 2 running
};
inline HudStateRecord HudState;

// The low-HP warning: warning1 0 idle, 1 start, 2 first beep done, 3 done;
// warning2 0 idle, 1 start, 2, 3, 4 done; one shared game-clock time.
struct LowHpWarningRecord {
    std::int32_t warning1 = 0;
    std::int32_t warning2 = 0;
    double time = 0;
};
inline LowHpWarningRecord LowHpWarning;

// The hurt pose (84 or 85) that whatever hurt the heroine asks for.
inline std::int32_t PlayerHurtPoseRequest = 0;

inline constexpr std::int32_t kLowHpBeepSound = 89;

// 0 resets the flash state; 1 keeps the HUD numbers' flash states and clamps
// HP at 0; other values do nothing.
void UpdateHud(std::int32_t arg);
// Once per stage step: the beeps when HP enters the low bands.
void UpdateLowHpWarning();
// Once per stage step: the requested hurt pose while the hurt flash lasts.
void ApplyHurtPose();
