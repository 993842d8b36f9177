// The draw part of the frame: the device objects it owns and the sub-passes
// it runs. The two ways a sprite becomes a draw are in core/sprite_draw.h.
#pragma once

#include "core/sprite_draw.h"
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

// The draw part of RunFrame (clear, batch, sub-passes by phase, effect
// parameters, text pass, end of scene, previous pose).
void DrawFrame(double time, float elapsed);
