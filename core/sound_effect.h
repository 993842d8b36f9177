// The one entry through which the game plays its sounds, the sound slots'
// words and the volumes callers pass to it.
#pragma once

#include <cstdint>

constexpr int kSoundSlotCount = 236;
// Index 1..236 (0 unused): 1 = the slot holds a loaded sound, 0 = empty. The
// sound bank of the shell loads them.
inline std::int32_t SoundTable[kSoundSlotCount + 1] = {};
// Volume words 0..1000 (1000 full): the first for menu and many effect
// sounds, the second for most effects and the music, the third for nothing
// that plays (the game over writes it).
inline std::int32_t SoundVolumes[3] = {1000, 1000, 1000};

// id 1..236: a sound slot; 901..910: the next slot of a round-robin bank;
// other ids do nothing. volume 0..1000 (1000 full, 0 or less silent).
void PlaySoundEffect(std::int32_t id, std::int32_t volume);
// The sound a slot holds, named by its slot: a bank's copies all hold the
// sound of the bank's first slot (which copy plays next is the bank's own
// business for the whole run), any other slot its own.
std::int32_t SoundOfSlot(std::int32_t slot);
// The platform attenuation (hundredths of a dB, 0 full, -10000 silent) of a
// volume on the game's 0..1000 scale: 1000 full, 900 -1 dB, 0 -10 dB (still
// heard), -9000 and below silent.
std::int32_t SoundVolumeToMillibels(std::int32_t volume);
// Stop a slot (keeping its position) / rewind it; nothing on an empty slot.
void StopSound(std::int32_t id);
void RewindSound(std::int32_t id);
// True while any buffer of slot id plays; false for an empty slot.
bool IsSoundPlaying(std::int32_t id);
