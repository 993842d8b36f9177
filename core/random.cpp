#include "core/random.h"

#include <ctime>

namespace {

std::uint32_t State = 0;
bool Seeded = false;
std::uint32_t KeptSeed = 0;
bool SeedKept = false;

void SeedFrom(std::uint32_t seed) {
    State = seed;
    Seeded = true;
}

// Linear congruential generator; the output is bits 16..30 of the new state.
std::int32_t NextRaw() {
    State = State * 214013u + 2531011u;
    return static_cast<std::int32_t>((State >> 16) & 0x7FFFu);
}

}  // namespace

void SeedRandom(std::uint32_t seed) {
    SeedFrom(seed);
    KeptSeed = seed;
    SeedKept = true;
}

void ForgetRandomSeed() {
    SeedKept = false;
    Seeded = false;
}

void ResetRandomNumbers() {
    RandomLastValue = 0;
    if (SeedKept) SeedFrom(KeptSeed);
    else Seeded = false;
}

std::int32_t Random0To99() {
    // Seeded once, not after every 0 drawn: reseeding from a clock with
    // whole-second resolution would replay one short run within a second.
    if (!Seeded) SeedFrom(static_cast<std::uint32_t>(std::time(nullptr)));
    const std::int32_t r = NextRaw();
    const std::int32_t value = static_cast<std::int32_t>(r / 32767.0 * 99.0);
    RandomLastValue = value;
    return value;
}
