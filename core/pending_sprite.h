// The one sprite description that every sprite-setup function fills and the
// shell's renderer turns into a draw at once.
#pragma once

#include <cstdint>

struct PendingSpriteRecord {
    std::int32_t gno = 0;                      // graphic number; 0 = draw nothing
    std::int32_t srcLeft = 0, srcTop = 0;      // source rectangle, texels
    std::int32_t srcRight = 0, srcBottom = 0;  // right and bottom exclusive
    std::int32_t posX = 0, posY = 0;           // virtual-screen position of the pivot
    float pivotX = 0, pivotY = 0;              // pivot inside the rectangle
    float scale = 1.0f;
    float depth = 0.0f;                        // 0 front .. 1 back
    std::int32_t angle = 0;                    // whole degrees, clockwise on screen
    std::int32_t facing = 1;                   // -1 mirrors about the pivot
    std::uint32_t colour = 0xFFFFFFFFu;        // ARGB modulation
    float floatAngle = 0.0f;                   // degrees; only the final section's setups write it
};
inline PendingSpriteRecord PendingSprite;

// Copies a table's source rectangle (any record with left, top, right and
// bottom) into PendingSprite.
template <typename Rect>
void SetPendingSpriteSource(const Rect& r) {
    PendingSprite.srcLeft = r.left;
    PendingSprite.srcTop = r.top;
    PendingSprite.srcRight = r.right;
    PendingSprite.srcBottom = r.bottom;
}

// Hurt-box offsets of the last frame set up (facing +1); all 0 when none.
struct PendingSpriteHitBoxRecord {
    std::int32_t hitLeft = 0, hitTop = 0, hitRight = 0, hitBottom = 0;
};
inline PendingSpriteHitBoxRecord PendingSpriteHitBox;
