#pragma once
#include <cstdint>
// Sound slots 1..236 loaded from Data/Wav.
constexpr int kSoundSlotCount = 236;
// 1 = the slot holds a loaded sound (index 1..236; 0 unused).
inline std::int32_t SoundTable[kSoundSlotCount + 1] = {};
// Volume settings (0..1000); the first word is used by menu sounds, the
// second by most effects and music.
inline std::int32_t SoundVolumes[2] = {1000, 1000};
// Loads sound slot n from its file under Data/Wav.
void LoadSound(std::int32_t n);
