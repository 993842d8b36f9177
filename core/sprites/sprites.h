// The shared sprite-setup functions: each fills PendingSprite for one sprite
// and returns; the renderer draws the record at once. An id or pose that no
// row knows draws nothing (gno 0).
#pragma once

#include <cstdint>

// ---- words the tables read and write ----------------------------------------

// Colour of the scenery, set by the scenes of every area.
inline std::uint32_t SceneTint = 0xFFFFFFFFu;
// Colours of the small and the big bursts.
inline std::uint32_t BurstColour1 = 0xAAFFFFFFu;
inline std::uint32_t BurstColour2 = 0xAAFFFFFFu;
// The frame-time meter's class: 1 slow, 2 middling, 3 smooth.
inline std::int32_t FrameRateClass = 0;

// Rotation of the weapon-mode-2 body in degrees (scenes tilt her).
inline std::int32_t PlayerSpriteAngle = 0;
// A point the weapon-mode-2 heroine looks up at when it is high in front of
// her (y 0 = none); world px.
struct PlayerGazeTargetRecord {
    std::int32_t x = 0, y = 0;
};
inline PlayerGazeTargetRecord PlayerGazeTarget;

// The four one-second effects of the weapon-mode-2 streaks: 0 idle,
// 1 requested (by the back and front layers), 2 playing.
inline std::int32_t TimedEffectTriggers[4] = {0, 0, 0, 0};

// The worn strip of weapon mode 1: [0] for facing +1, [1] for facing -1.
struct PlayerAttachmentRecord {
    std::int32_t shown = 0;      // 0 hidden; 1, 2, 3 long, middle, short strip
    std::int32_t dx = 0, dy = 0; // from her screen position (Dy up is negative)
    std::int32_t angleDeg = 0;
};
inline PlayerAttachmentRecord PlayerAttachment[2];

// ---- stage objects -------------------------------------------------------------
void SetObjectSprite(std::int32_t id, std::int32_t slot);

// ---- the heroine ---------------------------------------------------------------
// Weapon mode 1: the frame's rectangle, and its anchor in posX/posY.
void SetPlayerW1Sprite();
// Fills both PlayerAttachment records for the current pose.
void SetPlayerAttachmentPose();
// Weapon mode 2: body (also writes PlayerBodyBox), back and front layers.
void SetPlayerW2BodySprite(std::int32_t pose);
void SetPlayerW2BackLayerSprite(std::int32_t pose);
void SetPlayerW2FrontLayerSprite(std::int32_t pose);
// n 0 clears the effect's trigger; 1 steps and fills it.
void SetTimedEffectSprite1(std::int32_t n);
void SetTimedEffectSprite2(std::int32_t n);
void SetTimedEffectSprite3(std::int32_t n);
void SetTimedEffectSprite4(std::int32_t n);
// Every timed effect idle, its last start forgotten, and the layers' streak
// timers stopped: the data reset's, so that a game ended in mid-streak does
// not show it on a new game's first frame, nor time a new game's streaks
// from the last game's stamps.
void ResetTimedEffects();
