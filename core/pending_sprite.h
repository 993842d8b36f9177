// The one sprite description that every sprite-setup function fills and the
// shell's renderer turns into a draw at once.
#pragma once

#include <cstdint>

struct PendingSpriteRecord {
    std::int32_t GNo = 0;                      // graphic number; 0 = draw nothing
    std::int32_t SrcLeft = 0, SrcTop = 0;      // source rectangle, texels
    std::int32_t SrcRight = 0, SrcBottom = 0;  // right and bottom exclusive
    std::int32_t PosX = 0, PosY = 0;           // virtual-screen position of the pivot
    float PivotX = 0, PivotY = 0;              // pivot inside the rectangle
    float Scale = 1.0f;
    float Depth = 0.0f;                        // 0 front .. 1 back
    std::int32_t Angle = 0;                    // whole degrees, clockwise on screen
    std::int32_t Facing = 1;                   // -1 mirrors about the pivot
    std::uint32_t Colour = 0xFFFFFFFFu;        // ARGB modulation
    float FloatAngle = 0.0f;                   // degrees; only the final section's setups write it
};
inline PendingSpriteRecord PendingSprite;

// Copies a table's source rectangle (any record with left, top, right and
// bottom) into PendingSprite.
template <typename Rect>
void SetPendingSpriteSource(const Rect& r) {
    PendingSprite.SrcLeft = r.left;
    PendingSprite.SrcTop = r.top;
    PendingSprite.SrcRight = r.right;
    PendingSprite.SrcBottom = r.bottom;
}

// Hurt-box offsets of the last frame set up (facing +1); all 0 when none.
struct PendingSpriteHitBoxRecord {
    std::int32_t HitLeft = 0, HitTop = 0, HitRight = 0, HitBottom = 0;
};
inline PendingSpriteHitBoxRecord PendingSpriteHitBox;
