// The sound bank: 236 numbered sound slots, each loaded from a WAV file under
// Data/Wav, and the volume words that callers pass to PlaySoundEffect.
#pragma once

#include <cstdint>

constexpr int kSoundSlotCount = 236;
// Index 1..236 (0 unused): 1 = the slot holds a loaded sound, 0 = empty.
inline std::int32_t SoundTable[kSoundSlotCount + 1] = {};
// Volume words 0..1000 (1000 full): the first for menu and many effect
// sounds, the second for most effects and the music, the third for nothing
// that plays (the game over writes it).
inline std::int32_t SoundVolumes[3] = {1000, 1000, 1000};

// Loads slot id (1..236) from its file; a slot that is filled already is not
// loaded again. Returns 99 for every id 1..236, loaded or not; 0 (and does
// nothing) for any other id. A missing or unreadable file leaves the slot
// empty, reports one line on standard error and the game goes on silent.
std::int32_t LoadSound(std::int32_t id);
// The relative path of slot id's file ("Data/Wav/<name>.wav"), or null.
const char* SoundFileName(std::int32_t id);
// Deletes every loaded slot (at exit).
void DeleteAllSounds();
// Stop a slot (keeping its position) / rewind it; nothing on an empty slot.
void StopSound(std::int32_t id);
void RewindSound(std::int32_t id);
// True while any buffer of slot id plays; false for an empty slot.
bool IsSoundPlaying(std::int32_t id);
