#include "core/random.h"

#include "platform/platform.h"

namespace {

std::uint32_t State = 0;
bool Seeded = false;
std::uint32_t KeptSeed = 0;
bool SeedKept = false;

// The calendar's moment as a number of seconds: the platform's local time, so
// a headless run, whose calendar runs on its virtual clock, draws the same
// numbers every time.
std::uint32_t CalendarSeconds() {
    plat::LocalDateTime t;
    if (!plat::QueryLocalTime(t)) return 0;
    const std::uint32_t days = (static_cast<std::uint32_t>(t.year) * 12u + static_cast<std::uint32_t>(t.month)) * 31u +
                               static_cast<std::uint32_t>(t.day);
    return ((days * 24u + static_cast<std::uint32_t>(t.hour)) * 60u + static_cast<std::uint32_t>(t.minute)) * 60u +
           static_cast<std::uint32_t>(t.second);
}

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

std::uint32_t RandomState() {
    if (!Seeded) SeedFrom(CalendarSeconds());
    return State;
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
    if (!Seeded) SeedFrom(CalendarSeconds());
    const std::int32_t r = NextRaw();
    const std::int32_t value = static_cast<std::int32_t>(r / 32767.0 * 99.0);
    RandomLastValue = value;
    return value;
}
