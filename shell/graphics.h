// The creation step of the textures: pending requests (core/textures.h)
// become textures from the pictures the program carries, once per frame.
#pragma once

#include <cstdint>

#include "core/textures.h"
#include "shell/picture_resources.h"

// Where the creation step reads a picture's BMP bytes: the pictures the
// program carries. Tests point it elsewhere to feed a damaged picture.
using PictureSourceFn = const std::uint8_t* (*)(int resourceId, std::size_t* size);
inline PictureSourceFn PictureSource = &PictureResource;

// The picture resource a slot is always created from, and its colour key
// (0xFF000000 black, 0xFFFFFFFF white, 0 none).
int SlotResourceId(int slot);
std::uint32_t SlotColourKey(int slot);

// The creation step: creates every graphic set, single texture and plan set
// whose request is pending and whose gate is open, in a fixed order, writes
// their words and trace lines. Run once per frame before drawing.
void CreateRequestedGraphics();
// The device's reset after a loss: every set, single texture and plan set
// the loss released (GraphicsLostWithTheDevice) is made again with the new
// device, whatever its gate, and its word reads loaded again, as before the
// loss; a plan whose word read loaded runs on. The note is spent. True when
// a loss was noted.
bool MakeAgainWhatTheDeviceLost();
// Keeps the heroine's sheets of her weapon mode and D075 requested.
void PlaceStandingTextureRequests();
// Creates a slot from its own picture with its own key (whatever it held is
// released first).
void CreateSlot(int slot);
