// Random numbers 0..99 for enemy decisions, spawn choices and effects.
#pragma once

#include <cstdint>

// The value of the last draw (0 at start and after the data reset).
inline std::int32_t RandomLastValue = 0;

// Draws an integer 0..99; 0..98 about equally likely, 99 only for the
// generator's top output. The generator seeds itself from the calendar clock
// at the first draw after start and after ResetRandomNumbers.
std::int32_t Random0To99();

// Seeds the generator with a fixed value (its state becomes the seed). The
// seed is kept: every data reset after it starts the sequence from it again
// instead of from the clock, so a seeded run replays exactly.
void SeedRandom(std::uint32_t seed);
// The generator's state now: seeding another game with it (SeedRandom) makes
// it draw the numbers this one draws next. Only tests ask.
std::uint32_t RandomState();
// Forgets the kept seed: the next reset seeds from the clock again.
void ForgetRandomSeed();

// The data reset's part: clears RandomLastValue and starts the sequence
// again, from the kept seed or else from the clock at the next draw.
void ResetRandomNumbers();
