// The one entry through which the game plays its sounds.
#pragma once

#include <cstdint>

// id 1..236: a sound slot; 901..910: the next slot of a round-robin bank;
// other ids do nothing. volume 0..1000 (1000 full, 0 or less silent).
void PlaySoundEffect(std::int32_t id, std::int32_t volume);
// The platform attenuation (hundredths of a dB, 0 full, -10000 silent) of a
// volume on the game's 0..1000 scale: 1000 full, 900 -1 dB, 0 -10 dB (still
// heard), -9000 and below silent.
std::int32_t SoundVolumeToMillibels(std::int32_t volume);
