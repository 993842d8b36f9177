// The draw part of the frame and the two ways a sprite becomes a draw.
//
// Standard per-sprite pipeline: a draw site clears PendingSprite.GNo, calls a
// sprite-setup function, may overwrite single fields, then calls
// DrawPendingSprite: the sprite is rotated about its pivot by its angle,
// mirrored about the pivot's vertical when its facing is -1, scaled about the
// pivot, its pivot put on (PosX, PosY) of the virtual screen, and the virtual
// screen mapped to the back buffer.
//
// Base-transform draw: SetStageBaseTransform() once, then DrawWithBaseTransform
// for sprites placed directly in virtual-screen pixels (no rotation,
// mirroring or per-sprite scale).
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Device objects the device callbacks own (the fonts live in TextFontSet).
struct DeviceObjectsRecord {
    bool gameSprite = false;    // the sprite batch of the game's pictures
    bool textSprite = false;    // the sprite of the text pass
    bool effect = false;        // "Quillmarch.fx"
};
inline DeviceObjectsRecord DeviceObjects;

// The draw sub-pass running (its routine's name; null between frames): a
// test watching the sprites of a whole run reads it to tell which pass drew
// each one.
inline const char* DrawSubPassName = nullptr;

// The texture slot of a graphic number, or -1 when the number names none.
int TextureSlotOfGraphic(std::int32_t graphicNumber);

// The transform of the standard pipeline for the current PendingSprite and
// VirtualScreen (row-vector order: R x F x P x S x O, or R x P x S x O).
plat::Matrix PendingSpriteTransform();
// The same turned by the float angle (degrees) that the final section's
// setups write, or by any angle in radians.
plat::Matrix PendingSpriteFloatAngleTransform();
plat::Matrix PendingSpriteTransformAt(float angle);

// Draws PendingSprite through the standard pipeline when its GNo is not 0.
// fixedSlot >= 0 draws that texture slot (GNo is then only a switch);
// -1 takes the slot from GNo by the graphic-number table (a number without a
// slot draws nothing). Returns true when a draw was issued.
bool DrawPendingSprite(int fixedSlot = -1);

// Sets the stage base transform: the virtual-screen scale and side-bar offset.
void SetStageBaseTransform();
// Draws a sprite under the transform in force (the base transform after
// SetStageBaseTransform): src of the slot's texture with its point
// (centreX, centreY) at (x, y) in virtual pixels.
void DrawWithBaseTransform(int slot, const plat::Rect& src, float centreX, float centreY, float x, float y,
                           float depth, std::uint32_t colour);

// The draw part of RunFrame (clear, batch, sub-passes by phase, effect
// parameters, text pass, end of scene, previous pose).
void DrawFrame(double time, float elapsed);
