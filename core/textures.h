// Texture slots, graphic sets and single textures: the words by which code
// anywhere asks for a picture, and the releases.
//
// Code anywhere asks for a picture by writing 901 into its request word; the
// creation step of the frame (shell/graphics.h) turns every request whose
// gate is open into textures and writes 1. Releases write 0 again.
#pragma once

#include <cstdint>

#include "core/picture_table.h"
#include "core/residency.h"
#include "platform/platform.h"

// Values of the request words.
constexpr std::uint32_t kGraphicAbsent = 0;
constexpr std::uint32_t kGraphicLoaded = 1;
constexpr std::uint32_t kGraphicRequested = 901;

// GsFlags: index 1..6 the graphic sets Gs[1]..Gs[6], then the four area-set
// words; index 0 exists and is never used.
constexpr int kGsFlagCount = 11;
constexpr int kGsLoading = 1;     // "C001", the loading screen
constexpr int kGsConst = 2;       // HUD and constant pictures
constexpr int kGsMenu = 3;        // menu pictures
constexpr int kGsStage1 = 4;      // stage constants 1
constexpr int kGsD042 = 5;        // D042, D044, D002
constexpr int kGsStage2 = 6;      // stage constants 2 (part of Gs[4])
constexpr int kEra03Set = 7;      // 1 = the Era03 plan runs
constexpr int kEra04Set = 8;      // 1 = the Era04 plan runs
constexpr int kEra00Set = 9;      // 1 = D001..D010 loaded
constexpr int kEra01Set = 10;     // 1 = the Era01 plan runs
inline std::uint32_t GsFlags[kGsFlagCount] = {};

// Single textures: word 1, 4 and 5 are A001, A004 and A005 (slots 0, 3, 4);
// any other word n is Dn (slot 37 + n). Index 0 is never used.
constexpr int kTextureFlagCount = 76;
inline std::uint32_t TextureFlags[kTextureFlagCount] = {};

// The texture slots, one per picture the executable carries; 0 = empty.
constexpr int kTextureSlotCount = kPictureCount;
inline plat::TextureId TextureSlots[kTextureSlotCount] = {};

// The slot of single texture word n (A001/A004/A005 or Dn), or -1.
int SingleTextureSlot(int word);

// Single textures wanted soon but not asked for yet: code anywhere marks one
// every frame while it is near, and the creation step has the platform make
// its picture ahead, so that the frame which asks for it only hands it over.
// Only the platform's picture keeper sees this: no request word, trace line
// or texture changes.
inline bool TextureWantedSoon[kTextureFlagCount] = {};
inline void WantTextureSoon(int word) {
    if (word > 0 && word < kTextureFlagCount) TextureWantedSoon[word] = true;
}

// Releases one single texture (9000 + n) or an area's plan sets (71 Era03,
// 72 Era04, 81 Era00, 91 Era01); other codes do nothing.
void FreeGraphic(std::int32_t code);
// Releases a graphic set (901..906) or a loaded plan set (its set number).
void FreeGraphicSet(std::uint32_t setNumber);
// 0 arms (result 0); 1 releases everything loaded, 2 everything but Gs[1..3];
// returns 99 once nothing is left, and keeps 99 until armed again.
std::uint32_t FreeAllGraphics(std::int32_t mode);

// A device loss (F6, the settings screen's device change) releases every
// texture. A scene that asked once for a picture and waits for it, or draws
// a figure from it, would wait or stay blank for ever: so what read loaded
// is noted before the release, and the reset that brings the new device
// makes it again (shell/graphics.h), each word reading what it read before.
struct LostGraphicsNote {
    bool taken = false;
    bool sets[kGsFlagCount] = {};          // GsFlags words, the area words too
    bool singles[kTextureFlagCount] = {};  // TextureFlags words
    bool planStates[kPloadSetCount] = {};  // plan-set state words
};
inline LostGraphicsNote GraphicsLostWithTheDevice;
// The device-lost callback's release: notes what is loaded, then
// FreeAllGraphics(1). A loss within the end of a game's data reset (phase
// 903) notes nothing: the reset gives everything back anyway, and pictures
// made again would come into the next game.
void ReleaseGraphicsForDeviceLoss();
