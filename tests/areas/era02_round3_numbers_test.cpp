// The third round's numbers that decide a fight: what each of the heroine's
// blows takes on which roll, the dive's one hit window, the burst count
// that outlives a new round, and the blows this opponent has no answer to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"

namespace {

constexpr std::int32_t O = 47100;

// Seeds the generator so that its next draw is `roll`.
void NextRollIs(std::int32_t roll) {
    for (std::uint32_t seed = 1; seed < 100000; ++seed) {
        SeedRandom(seed);
        if (Random0To99() == roll) {
            SeedRandom(seed);
            return;
        }
    }
    FAIL() << "no seed draws " << roll;
}

void Tick(double seconds = 1.0 / 64) { GameClock.gameClock += seconds; }

class Round3Numbers : public ::testing::Test {
protected:
    void SetUp() override {
        GameClock.gameClock = 100.0;
        Round3Opponent = TournamentOpponentRecord{};
        Round3Opponent.x = O + 800;
        Round3Opponent.y = 640;
        Round3Opponent.frame = 13;
        PlayerState.x = O + 700;
        PlayerState.y = 640;
        PlayerState.hp = 1000;
        PlayerState.exp = 0;
        TournamentState.opponentHp = 0;
        PickupPool = PickupPoolRecord{};
        Round3Scene = Round3SceneRecord{};
        ResetRound3GlowWords();
    }
};

TEST_F(Round3Numbers, WhatEachBlowTakesOnItsRoll) {
    struct Row {
        std::int32_t kind, facing, roll, damage;
    };
    constexpr Row rows[] = {
        {11, 1, 50, 0},  {11, 1, 51, 5},  {12, -1, 50, 0}, {12, 1, 51, 1}, {12, -1, 51, 5},
        {21, 1, 29, 6},  {21, 1, 30, 0},  {21, 1, 60, 0},  {21, -1, 30, 6}, {21, -1, 99, 6},
        {22, 1, 0, 6},   {40, -1, 0, 10},
    };
    for (const Row& r : rows) {
        SetUp();
        RunRound3Reaction(0, 0);
        NextRollIs(r.roll);
        std::int32_t step = 0, steps = 0;
        for (; steps < 2000 && step != kStepDone; ++steps) {
            step = RunRound3Reaction(r.kind, r.facing);
            Tick();
        }
        EXPECT_EQ(step, kStepDone) << "kind " << r.kind << " roll " << r.roll;
        if (r.kind == 11 && r.damage > 0) {
            int coins = 0;
            for (int slot = 1; slot <= PickupPoolRecord::kSlots; ++slot) coins += PickupPool.active[slot];
            EXPECT_EQ(coins, steps) << "the thrown fighter sheds a coin on every step, the landing's too";
        }
        EXPECT_EQ(TournamentState.opponentHp, -r.damage) << "kind " << r.kind << " roll " << r.roll;
        EXPECT_EQ(PlayerState.exp, r.damage) << "kind " << r.kind << " roll " << r.roll;
    }
}

TEST_F(Round3Numbers, TheDiveHitsOnlyInItsWindow) {
    // A heroine whose body fills the whole arena: the window alone decides.
    PlayerState.x = O + 900;
    PlayerBodyBox = PlayerBodyBoxRecord{-100000, 0, 100000, 100000, 0};
    RunRound3LeapAttack1(0);
    RunRound3LeapAttack1(1);   // the heroine is within reach: it leaps at once
    const double takeOff = GameClock.gameClock;
    double hitAt = -1;
    for (int i = 0; i < 1000 && hitAt < 0; ++i) {
        Tick(0.002);
        RunRound3LeapAttack1(1);
        if (PlayerState.hp < 1000) hitAt = 1.5 * (GameClock.gameClock - takeOff);
    }
    ASSERT_GE(hitAt, 1.12);
    EXPECT_LT(hitAt, 1.35);
    EXPECT_EQ(PlayerState.hp, 990);
}

// The drill dive drags a heroine it strikes along at its point, 90 px ahead
// of it; one behind it is not struck, nor carried there in a step: no step
// moves her further than the drill reaches.
TEST_F(Round3Numbers, TheDrillDiveStrikesOnlyAheadOfItself) {
    struct Row {
        std::int32_t fromOpponent;   // her x less the opponent's as it takes off
        bool struck;
    };
    for (const Row r : {Row{-300, false}, Row{-60, false}, Row{150, true}}) {
        Round3Opponent = TournamentOpponentRecord{13, O + 800, 640, 1, 0.3f, 0};
        PlayerState.hp = 1000;
        PlayerState.facing = 1;
        PlayerState.x = O + 800 + r.fromOpponent;
        std::int32_t widestStep = 0, step = RunRound3LeapAttack3(0);
        for (int i = 0; i < 400 && step != kStepDone; ++i) {
            const std::int32_t x = PlayerState.x;
            PlayerBodyBox = PlayerBodyBoxRecord{x - 20, 0, x + 20, 100000, x};
            Tick();
            step = RunRound3LeapAttack3(1);
            widestStep = std::max(widestStep, std::abs(PlayerState.x - x));
        }
        EXPECT_EQ(step, kStepDone) << r.fromOpponent;
        EXPECT_EQ(PlayerState.hp < 1000, r.struck) << r.fromOpponent;
        EXPECT_LE(widestStep, 90) << r.fromOpponent;
    }
}

TEST_F(Round3Numbers, TheBurstCountOutlivesANewRoundButNotANewGame) {
    const auto burst = [] {
        Round3Opponent.frame = 15;
        PlayerState.hp -= 5;
        RunRound3HitGlows(1);
        Round3Opponent.frame = 13;
        for (int i = 0; i < 200 && RunRound3HitGlows(1) != 0; ++i) Tick();
    };
    RunRound3HitGlows(0);
    burst();
    burst();
    EXPECT_EQ(Round3Scene.talkTrigger, 0);
    RunRound3HitGlows(0);   // the round played again
    burst();
    EXPECT_EQ(Round3Scene.talkTrigger, 1) << "the third burst counts across the arming";

    // ... but not across games: a new game's round counts from none.
    ResetRound3GlowWords();
    Round3Scene.talkTrigger = 0;
    RunRound3HitGlows(0);
    burst();
    burst();
    const Round3SceneRecord scene = Round3Scene;
    const TournamentOpponentRecord opponent = Round3Opponent;
    ResetEra02Area();
    Round3Scene = scene;
    Round3Opponent = opponent;
    RunRound3HitGlows(0);
    burst();
    EXPECT_EQ(Round3Scene.talkTrigger, 0) << "the data reset starts the count afresh";

    // A drop while she shows no striking frame starts nothing.
    ResetRound3GlowWords();
    Round3Scene.talkTrigger = 0;
    RunRound3HitGlows(0);
    for (int i = 0; i < 3; ++i) {
        PlayerState.hp -= 5;
        EXPECT_EQ(RunRound3HitGlows(1), 0);
    }
    EXPECT_EQ(Round3Scene.talkTrigger, 0);
}

TEST_F(Round3Numbers, BlowsWithoutAnAnswerAreNoHit) {
    // Her Q blow of the first weapon (kind 50) and the second weapon's S blow
    // (kind 1) reach the opponent, yet count as no hit: the fight has no
    // answer to them and would stall or restart a move.
    struct Row {
        std::int32_t weapon, pose, kind;
    };
    constexpr Row rows[] = {{1, 102, 50}, {2, 202, 1}};
    for (const Row& r : rows) {
        SetUp();
        PlayerState.facing = 1;
        PlayerState.weaponMode1 = r.weapon == 1 ? 1 : 0;
        PlayerState.weaponMode2 = r.weapon == 2 ? 1 : 0;
        PlayerState.pose = r.pose;
        PlayerMoveState.comboQ = PlayerMoveState.comboS = 1;
        Round3Opponent.x = O + 790;
        SetRound3OpponentFrame(Round3Opponent.frame);
        const PendingSpriteRecord& p = PendingSprite;
        const std::int32_t left = Round3Opponent.x - static_cast<std::int32_t>(p.pivotX);
        const std::int32_t top = Round3Opponent.y - static_cast<std::int32_t>(p.pivotY);
        ASSERT_EQ(TestPlayerAttackHitZone(left, left + p.srcRight - p.srcLeft, top, top + p.srcBottom - p.srcTop, 110),
                  r.kind);
        EXPECT_EQ(TestRound3Hit(), 0) << "kind " << r.kind;
    }
}

}  // namespace
