// Texture slots, graphic sets and single textures, created on request.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Request words: 0 absent, 901 requested, 1 loaded.
// Graphic sets 0..6 and the four area sets (Era00Set .. Era04Set).
constexpr int kGsFlagCount = 11;
inline std::int32_t GsFlags[kGsFlagCount] = {};
// Single textures: words 1, 4 and 5 are A001, A004, A005; word n otherwise Dn.
constexpr int kTextureFlagCount = 76;
inline std::int32_t TextureFlags[kTextureFlagCount] = {};
// The 113 texture slots; 0 = empty.
constexpr int kTextureSlotCount = 113;
inline plat::TextureId TextureSlots[kTextureSlotCount] = {};

// Creates every graphic set and texture whose request word reads 901.
void CreateRequestedGraphics();
// Requests that stand while playing (the heroine's sheets by weapon mode, D075).
void PlaceStandingTextureRequests();
void FreeGraphic(std::int32_t code);
void FreeGraphicSet(std::int32_t setNumber);
void FreeAllGraphics(std::int32_t code);
