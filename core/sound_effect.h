// The one entry through which the game plays its sounds.
#pragma once

#include <cstdint>

// id 1..236: a sound slot; 901..910: the next slot of a round-robin bank.
// volume 0..1000 (1000 full).
void PlaySoundEffect(std::int32_t id, std::int32_t volume);
