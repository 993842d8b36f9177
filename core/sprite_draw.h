// The two ways a sprite becomes a draw, for every draw pass.
//
// Standard per-sprite pipeline: a draw site clears PendingSprite.gno, calls a
// sprite-setup function, may overwrite single fields, then calls
// DrawPendingSprite: the sprite is rotated about its pivot by its angle,
// mirrored about the pivot's vertical when its facing is -1, scaled about the
// pivot, its pivot put on (posX, posY) of the virtual screen, and the virtual
// screen mapped to the back buffer.
//
// Base-transform draw: SetStageBaseTransform() once, then DrawWithBaseTransform
// for sprites placed directly in virtual-screen pixels (no rotation,
// mirroring or per-sprite scale).
#pragma once

#include <cstdint>
#include <span>

#include "platform/platform.h"

// The mapping of the virtual screen (1024 x 768) onto the back buffer: its
// scale and the side-bar offset, set by the device reset.
struct VirtualScreenRecord {
    float scale = 1.0f;
    float xOffset = 0.0f;
    std::int32_t xOffsetVirtual = 0;
};
inline VirtualScreenRecord VirtualScreen;

// The texture slot of a graphic number, or -1 when the number names none.
int TextureSlotOfGraphic(std::int32_t graphicNumber);

// The transform of the standard pipeline for the current PendingSprite and
// VirtualScreen (row-vector order: R x F x P x S x O, or R x P x S x O).
plat::Matrix PendingSpriteTransform();
// The same turned by the float angle (degrees) that the final section's
// setups write, or by any angle in radians.
plat::Matrix PendingSpriteFloatAngleTransform();
plat::Matrix PendingSpriteTransformAt(float angle);

// Draws PendingSprite through the standard pipeline when its gno is not 0.
// fixedSlot >= 0 draws that texture slot (gno is then only a switch);
// -1 takes the slot from gno by the graphic-number table (a number without a
// slot draws nothing). Returns true when a draw was issued.
bool DrawPendingSprite(int fixedSlot = -1);

// Sets the stage base transform: the virtual-screen scale and side-bar offset.
void SetStageBaseTransform();
// Draws a sprite under the transform in force (the base transform after
// SetStageBaseTransform): src of the slot's texture with its point
// (centreX, centreY) at (x, y) in virtual pixels.
void DrawWithBaseTransform(int slot, const plat::Rect& src, float centreX, float centreY, float x, float y,
                           float depth, std::uint32_t colour);

// Sub-passes that draw a fixed set of pictures name them by graphic number;
// each graphic number's picture sits in one texture slot.
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
