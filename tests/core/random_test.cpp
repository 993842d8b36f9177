// Random numbers and animation tickers.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/anim_ticker.h"
#include "core/game_clock.h"
#include "core/random.h"

namespace {

// 0..99 from a generator output, as the game scales it.
int Scale(std::uint32_t r) { return static_cast<int>(r * 99u / 32767u); }

// The state whose next output is `want` (bits 16..30 of the next state).
std::uint32_t SeedGiving(std::uint32_t want) {
    // The multiplier is odd, so it has an inverse modulo 2^32 (Newton steps).
    const std::uint32_t a = 214013u;
    std::uint32_t inv = a;
    for (int i = 0; i < 5; ++i) inv *= 2u - a * inv;
    const std::uint32_t next = want << 16;
    return (next - 2531011u) * inv;
}

}  // namespace

TEST(Random, SeededSequenceMatchesTheClassicGenerator) {
    // The classic C library generator seeded with 1 yields these outputs.
    const std::uint32_t outputs[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    SeedRandom(1);
    for (std::uint32_t r : outputs) EXPECT_EQ(Random0To99(), Scale(r)) << "output " << r;
    EXPECT_EQ(RandomLastValue, Scale(24464));
}

TEST(Random, ADrawOfZeroDoesNotRestartTheSequence) {
    // Seeded with 1 the first draw is 0; the next must continue the sequence
    // rather than reseed from the clock (which within one second would
    // replay the same short run).
    SeedRandom(1);
    ASSERT_EQ(Random0To99(), 0);
    EXPECT_EQ(Random0To99(), 55);
    SeedRandom(1);
    std::vector<int> a, b;
    for (int i = 0; i < 200; ++i) a.push_back(Random0To99());
    SeedRandom(1);
    for (int i = 0; i < 200; ++i) b.push_back(Random0To99());
    EXPECT_EQ(a, b);
}

TEST(Random, TopOutputsGive99And98) {
    SeedRandom(SeedGiving(32767));
    EXPECT_EQ(Random0To99(), 99);
    SeedRandom(SeedGiving(32766));
    EXPECT_EQ(Random0To99(), 98);
    SeedRandom(SeedGiving(0));
    EXPECT_EQ(Random0To99(), 0);
}

TEST(Random, DrawsStayInRangeAndResetClearsTheLastValue) {
    std::vector<int> seen(100, 0);
    for (int i = 0; i < 20000; ++i) {
        const int v = Random0To99();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 99);
        ++seen[v];
    }
    for (int v = 0; v < 99; ++v) EXPECT_GT(seen[v], 100) << v;
    ResetRandomNumbers();
    EXPECT_EQ(RandomLastValue, 0);
    const int v = Random0To99();
    EXPECT_TRUE(v >= 0 && v <= 99);
}

TEST(Random, ADataResetReplaysAGivenSeedUntilItIsForgotten) {
    SeedRandom(SeedGiving(1234));
    const int first = Random0To99();
    const int second = Random0To99();
    ResetRandomNumbers();
    EXPECT_EQ(Random0To99(), first);
    EXPECT_EQ(Random0To99(), second);
    std::vector<int> seeded{first, second};
    for (int i = 0; i < 18; ++i) seeded.push_back(Random0To99());
    // Forgotten: the next reset seeds from the clock again.
    ForgetRandomSeed();
    ResetRandomNumbers();
    std::vector<int> clock;
    for (int i = 0; i < 20; ++i) clock.push_back(Random0To99());
    EXPECT_NE(clock, seeded);
}

TEST(AnimTicker, AdvancesAtMostOncePerPeriodAndWraps) {
    GameClock.realTime = 5.0;
    EXPECT_EQ(TickAnimFrame(8), 2);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(TickAnimFrame(8), 2);   // same frame
    GameClock.realTime = 5.015;
    EXPECT_EQ(TickAnimFrame(8), 2);                               // period not yet over
    GameClock.realTime = 5.025;
    EXPECT_EQ(TickAnimFrame(8), 3);

    // Selector 2 alternates 1, 2; 18 runs 1..7.
    std::vector<int> two, eighteen;
    for (int i = 1; i <= 8; ++i) {
        GameClock.realTime = 5.0 + 0.15 * i;
        two.push_back(TickAnimFrame(2));
        eighteen.push_back(TickAnimFrame(18));
    }
    EXPECT_EQ(two, (std::vector<int>{2, 1, 2, 1, 2, 1, 2, 1}));
    EXPECT_EQ(eighteen, (std::vector<int>{2, 3, 4, 5, 6, 7, 1, 2}));
}

TEST(AnimTicker, SelectorsRunApartAndUnknownOnesReturnTheLastValue) {
    GameClock.realTime = 2.0;
    EXPECT_EQ(TickAnimFrame(2), 2);
    EXPECT_EQ(TickAnimFrame(4), 2);
    GameClock.realTime = 2.2;
    EXPECT_EQ(TickAnimFrame(4), 3);   // 4 advances on its own calls only
    EXPECT_EQ(TickAnimFrame(3), 3);   // no such selector: the last value
    EXPECT_EQ(TickAnimFrame(2), 1);
    EXPECT_EQ(TickAnimFrame(99), 1);
    EXPECT_EQ(AnimTickers[0].frame, 1);
}

TEST(AnimTicker, ClockRestartLetsEveryTickerAdvanceAtOnce) {
    GameClock.realTime = 100.0;
    TickAnimFrame(2);
    TickAnimFrame(28);
    const int before28 = AnimTickers[5].frame;
    GameClock.realTime = 0.5;   // the real-time clock started again
    EXPECT_EQ(TickAnimFrame(28), before28 + 1);
    EXPECT_EQ(TickAnimFrame(2), 1);
}
