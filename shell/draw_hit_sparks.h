// The weapon-mode-1 hit sparks and their trails, advanced by drawing: they
// step only in frames in which the weapon-mode-1 heroine is drawn.
#pragma once

#include <cstdint>

#include "core/sprites/sprite_rect.h"

// The spark of kinds 1, 10 and 50 (drawn from A001).
struct HitSparkARecord {
    std::int32_t shown = 0;
    SpriteRect rect;
    SpritePivot centre;
    std::int32_t dx = 0, dy = 0;
    float depthOffset = 0;
    std::uint32_t colour1 = 0, colour2 = 0;
    std::int32_t pose106Mark = 0;
    double stamp1 = 0, stamp10 = 0;
};
inline HitSparkARecord HitSparkA;

// The spark of kinds 30 and 40 (drawn from A004).
struct HitSparkBRecord {
    std::int32_t shown = 0;
    SpriteRect rect;
    SpritePivot centre;
    std::int32_t dx = 0, dy = 0;
    std::uint32_t colour1 = 0, colour2 = 0;
    std::int32_t pose128Mark = 0;
    double stamp = 0;
};
inline HitSparkBRecord HitSparkB;

// Two trails, left where kinds 30 and 40 end; world positions.
struct SparkTrailRecord {
    std::int32_t active = 0, started = 0;
    double startTime = 0;
    float mirrorX = 0;
    std::int32_t facing = 1;
    float x = 0, y = 0;
};
inline SparkTrailRecord SparkTrails[2];

// Steps and draws sparks A and B at the heroine's screen position (px, py),
// under the transform her weapon-mode-1 body was drawn with.
void DrawHitSparks(float px, float py);
// Draws the active trails.
void DrawSparkTrails();
