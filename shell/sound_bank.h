// The sound bank: 236 numbered sound slots, each loaded from a WAV file under
// Data/Wav. The slot words and the effect player are the game's own
// (core/sound_effect.h).
#pragma once

#include <cstdint>

#include "core/sound_effect.h"

// Loads slot id (1..236) from its file; a slot that is filled already is not
// loaded again. Returns 99 for every id 1..236, loaded or not; 0 (and does
// nothing) for any other id. A missing or unreadable file leaves the slot
// empty, reports one line on standard error and the game goes on silent.
std::int32_t LoadSound(std::int32_t id);
// The relative path of slot id's file ("Data/Wav/<name>.wav"), or null.
const char* SoundFileName(std::int32_t id);
// Deletes every loaded slot (at exit).
void DeleteAllSounds();
