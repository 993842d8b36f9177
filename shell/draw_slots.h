// Sub-passes that draw a fixed set of pictures name them by graphic number;
// each graphic number's picture sits in one texture slot.
#pragma once

#include <cstdint>
#include <span>

struct GraphicSlot {
    std::int32_t gno;
    int slot;
};

// Draws PendingSprite under its own transform from the texture slot its
// graphic number has in slots. Nothing is drawn for an empty or zero-scale
// sprite, nor for a graphic number the list lacks (the transform is set all
// the same). With floatAngle the sprite turns by its float angle (the final
// section's setups) instead of its whole-degree angle.
void DrawPendingFromSlots(std::span<const GraphicSlot> slots, bool floatAngle = false);
