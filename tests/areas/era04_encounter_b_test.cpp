// The numbers of encounter B that matter: which attack a roll picks, how
// often her blows land, when heavy blows are parried, when a talk starts,
// where the arena holds her, what the shards and throws cost and pay, and
// what it takes to fell the figure.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/movement_fixture.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t D4 = Era04Door4, D5 = Era04Door5;

class EncounterBTest : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        EncounterBFigure = EncounterBFigureRecord{};
        EncounterBShards = EncounterBShardsRecord{};
        PickupPool = PickupPoolRecord{};
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        PlayerState.hp = PlayerState.maxHp = 5000;
        DialogueChannels = DialogueChannelsRecord{};
        SeedRandom(11);
        GameClock.gameClock = 1000.0;
        // The figure stands in the middle of the arena, facing left.
        EncounterBFigureRecord& f = EncounterBFigure;
        f.bodyPose = 11;
        f.x = D4 + 1000;
        f.y = 640;
        f.direction = 1;
        f.depth = 0.3f;
    }
    // Her standing `d` px left of the figure, facing it, her body box on her.
    void PlaceHeroine(std::int32_t d, std::int32_t y = 640) {
        PlayerState.x = EncounterBFigure.x - d;
        PlayerState.y = y;
        PlayerState.facing = 1;
        PlayerBodyBox = {PlayerState.x - 20, y - 100, PlayerState.x + 20, y, PlayerState.x};
    }
    // Her attack under way: S (kind 1) or G (kind 4) of the second weapon.
    static void Swing(std::int32_t kind) {
        PlayerMoveState = PlayerMoveStateRecord{};
        if (kind == 1) PlayerMoveState.comboS = 11, PlayerState.pose = 202;
        if (kind == 4) PlayerMoveState.comboG = 11, PlayerState.pose = 215;
    }
    // One blow met by the hit intake, armed anew: 1 hurt, 2 parried, 97 felled.
    static std::int32_t Blow(std::int32_t kind) {
        Swing(kind);
        UpdateEncounterBHits(0);
        return UpdateEncounterBHits(1);
    }
    // A seed whose first draw is `roll`.
    static std::uint32_t SeedDrawing(std::int32_t roll) {
        for (std::uint32_t s = 1;; ++s) {
            SeedRandom(s);
            if (Random0To99() == roll) return s;
        }
    }
};

TEST_F(EncounterBTest, ARollUpToFiftyPicksTheStrikeAndAboveItTheSpin) {
    PlaceHeroine(600);
    const struct {
        std::int32_t roll, state;
    } rows[] = {{0, 11}, {50, 11}, {51, 21}, {98, 21}};
    for (const auto& r : rows) {
        RunEncounterBFight(0);
        SeedRandom(SeedDrawing(r.roll));
        EXPECT_EQ(RunEncounterBFight(1), r.state) << "roll " << r.roll;
    }
}

TEST_F(EncounterBTest, BlowsLandByStageAndNeverInTheFirstWeapon) {
    // Her S blow reaches the body zone only: 100 px off, the head is above it.
    PlaceHeroine(100);
    const struct {
        std::int32_t stage, weaponMode1, lowPercent, highPercent;
    } rows[] = {{0, 0, 20, 40}, {1, 0, 0, 0}, {2, 0, 100, 100}, {3, 0, 12, 28}, {2, 1, 0, 0}, {0, 1, 0, 0}};
    for (const auto& r : rows) {
        EncounterBFigure.stage = r.stage;
        PlayerState.weaponMode1 = r.weaponMode1;
        PlayerState.weaponMode2 = 1 - r.weaponMode1;
        int landed = 0;
        const int tries = 400;
        for (int i = 0; i < tries; ++i) {
            EncounterBFigure.bodyPose = 11;
            EncounterBFigure.x = D4 + 1000;
            PlaceHeroine(100);
            if (r.weaponMode1 == 1) {
                // The first weapon's G blow, from where it reaches the body.
                PlayerMoveState = PlayerMoveStateRecord{};
                PlayerMoveState.comboG = 11;
                PlayerState.pose = 125;
                PlaceHeroine(80);
                UpdateEncounterBHits(0);
                const std::int32_t h = UpdateEncounterBHits(1);
                ASSERT_NE(h, 0);
                landed += h == 1;
                continue;
            }
            const std::int32_t h = Blow(1);
            ASSERT_NE(h, 0) << "stage " << r.stage;
            landed += h == 1;
        }
        EXPECT_GE(landed * 100, r.lowPercent * tries) << "stage " << r.stage << " mode1 " << r.weaponMode1;
        EXPECT_LE(landed * 100, r.highPercent * tries) << "stage " << r.stage << " mode1 " << r.weaponMode1;
    }
}

TEST_F(EncounterBTest, TheFifthHeavyBlowInQuickSuccessionIsParried) {
    EncounterBFigure.stage = 2;   // every blow lands unless the heavy rule parries it
    // Gaps before each blow and whether it is parried.
    const struct {
        double gap;
        bool parried;
    } rows[] = {{10.0, false}, {3.9, false}, {3.9, false}, {3.9, false}, {3.9, true},
                {1.0, true},   {4.0, false}, {0.5, false}, {0.5, false}, {0.5, false}, {0.5, true}};
    int n = 0;
    for (const auto& r : rows) {
        GameClock.gameClock += r.gap;
        EncounterBFigure.bodyPose = 11;
        EncounterBFigure.x = D4 + 1000;
        PlaceHeroine(150);
        EXPECT_EQ(Blow(4), r.parried ? 2 : 1) << "blow " << ++n;
    }
}

TEST_F(EncounterBTest, ATalkNeedsDamageTheFigureInViewHerAwayAndNothingInFlight) {
    struct Row {
        const char* what;
        std::int32_t damage, distance, screenOffset, shards, seize, stage;
        bool talks;
    };
    const Row rows[] = {
        {"all met", 2001, 201, 500, 0, 0, 0, true},
        {"damage of exactly 2000", 2000, 201, 500, 0, 0, 0, false},
        {"her 200 px away", 2001, 200, 500, 0, 0, 0, false},
        {"figure at the view's left margin", 2001, 201, 100, 0, 0, 0, false},
        {"figure just inside it", 2001, 201, 101, 0, 0, 0, true},
        {"figure at the right margin", 2001, 201, 900, 0, 0, 0, false},
        {"shards in the air", 2001, 201, 500, 1, 0, 0, false},
        {"her held", 2001, 201, 500, 0, 2, 0, false},
        {"the last stage", 2001, 201, 500, 0, 0, 3, false},
    };
    for (const Row& r : rows) {
        RunEncounterBFight(0);
        EncounterBFigureRecord& f = EncounterBFigure;
        f.x = D4 + 1000;
        PlaceHeroine(r.distance);
        ScrollX = f.x - r.screenOffset;
        f.damageTotal = r.damage;
        f.shardsFlying = r.shards;
        f.seizeKind = r.seize;
        f.stage = r.stage;
        // The shards and the hold are not stepped here: they only block.
        const std::int32_t state = RunEncounterBFight(1);
        EXPECT_EQ(state == 31, r.talks) << r.what;
    }
}

TEST_F(EncounterBTest, TheArenaHoldsHerBetweenItsWalls) {
    const struct {
        std::int32_t x, held;
    } rows[] = {{D4, D4 + 158}, {D4 + 158, D4 + 158}, {D4 + 700, D4 + 700}, {D5 - 155, D5 - 155}, {D5, D5 - 155}};
    for (const auto& r : rows) {
        RunEncounterBFight(0);
        PlayerState.x = r.x;
        ScrollX = D4;
        RunEncounterBFight(1);
        EXPECT_EQ(PlayerState.x, r.held) << r.x;
        EXPECT_GE(ScrollX, D4 + 58);
        EXPECT_LE(ScrollX, D5 - 1024);
    }
}

TEST_F(EncounterBTest, AStrikeThatMissesReleasesThirtyShardsFromItsPoint) {
    PlaceHeroine(600);
    const std::int32_t v = EncounterBFigure.x - 220;
    RunEncounterBStrike(0);
    for (int i = 0; i < 40 && EncounterBFigure.shardsFlying == 0; ++i) {
        GameClock.gameClock += 1.0 / 64.0;
        RunEncounterBStrike(1);
    }
    ASSERT_EQ(EncounterBFigure.shardsFlying, 1);
    for (int j = 1; j <= kEncounterBShards; ++j) {
        EXPECT_EQ(EncounterBShards.state[j], 1) << j;
        EXPECT_EQ(EncounterBShards.code[j], j);
        EXPECT_EQ(EncounterBShards.y[j], 641);
        EXPECT_GE(EncounterBShards.originX[j], v - 19) << j;
        EXPECT_LE(EncounterBShards.originX[j], v + 20) << j;
        EXPECT_GE(EncounterBShards.speedY[j], 300);
        EXPECT_LE(EncounterBShards.speedY[j], 1833);
    }
}

TEST_F(EncounterBTest, WhatShardsAndThrowsCostByWeapon) {
    LoadSlots({92, 208});
    const struct {
        std::int32_t weaponMode1, shardCost, throwCost, throwSound;
    } rows[] = {{0, 2, 100, 208}, {1, 200, 500, 92}};
    for (const auto& r : rows) {
        PlayerState.weaponMode1 = r.weaponMode1;
        PlayerState.weaponMode2 = 1 - r.weaponMode1;
        PlaceHeroine(300);
        EncounterBFigure.seizeKind = 0;
        EncounterBShards.launchTime[1] = GameClock.gameClock;
        EncounterBShards.x[1] = PlayerState.x;
        std::int32_t hp = PlayerState.hp;
        RunEncounterBShardKnockback(0, 1);
        EXPECT_EQ(hp - PlayerState.hp, r.shardCost);
        EXPECT_EQ(EncounterBFigure.seizeKind, 1);
        // On the ground the push dies away and lets her go.
        GameClock.frameTime = 1.0 / 64.0;
        for (int i = 0; i < 200 && EncounterBFigure.seizeKind == 1; ++i) {
            GameClock.gameClock += 1.0 / 64.0;
            RunEncounterBShardKnockback(1, 0);
        }
        EXPECT_EQ(EncounterBFigure.seizeKind, 0);
        EXPECT_EQ(MessageBoxOpen, 0);

        // Struck on the ground by the strike: one blow of 100 as she falls.
        hp = PlayerState.hp;
        const int before = PlayCount(r.throwSound);
        EncounterBFigure.seizeKind = 2;
        EncounterBFigure.throwVariant = 1;
        RunEncounterBStrikeThrow(0);
        RunEncounterBStrikeThrow(1);
        EXPECT_EQ(hp - PlayerState.hp, r.throwCost);
        EXPECT_EQ(PlayCount(r.throwSound) - before, 1);
    }
}

// A shard that meets her in the air pushes her on a few px a step through
// her landing until the push dies away: the step she lands in times her slide
// along the floor from that landing (timed from none, it flung her
// 1,150 px at once).
TEST_F(EncounterBTest, AShardInTheAirPushesHerOnAStepAtATimeThroughHerLanding) {
    PlaceHeroine(300, 560);
    EncounterBFigure.seizeKind = 0;
    EncounterBShards.launchTime[1] = GameClock.gameClock;
    EncounterBShards.x[1] = PlayerState.x - 30;
    RunEncounterBShardKnockback(0, 1);
    GameClock.frameTime = 1.0 / 64.0;
    const std::int32_t struckAt = PlayerState.x;
    for (int i = 0; i < 400 && EncounterBFigure.seizeKind == 1; ++i) {
        const std::int32_t x = PlayerState.x;
        GameClock.gameClock += 1.0 / 64.0;
        RunEncounterBShardKnockback(1, 0);
        ASSERT_LE(std::abs(PlayerState.x - x), 10) << "step " << i << ", y " << PlayerState.y;
    }
    EXPECT_EQ(EncounterBFigure.seizeKind, 0);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_LT(std::abs(PlayerState.x - struckAt), 100);
}

TEST_F(EncounterBTest, AShardStruckBackPaysTenExpAndACoin) {
    // Her S blow reaches y 547..570 from her feet: feet at 720 meet a shard
    // at its launch height, her body box kept clear of it.
    PlaceHeroine(300, 720);
    PlayerBodyBox = {0, 0, 10, 10, 5};
    Swing(1);
    EncounterBShardsRecord& s = EncounterBShards;
    s.state[1] = 1;
    s.code[1] = 1;
    s.launchTime[1] = GameClock.gameClock;
    s.originX[1] = PlayerState.x + 80;
    EncounterBFigure.shardsFlying = 1;
    const std::int32_t exp = PlayerState.exp;
    UpdateEncounterBShards(1, 0);
    EXPECT_EQ(s.state[1], 2);
    EXPECT_EQ(PlayerState.exp - exp, 10);
    int coins = 0;
    for (int i = 1; i <= PickupPoolRecord::kSlots; ++i) coins += PickupPool.active[i];
    EXPECT_GE(coins, 1);
}

TEST_F(EncounterBTest, TheStrikeEndDoesNotMoveTheNextApproachsWall) {
    // A strike started at the left wall after a forward walk (margin 70),
    // carried to its end (90) and its recovery.
    EncounterBFigure.x = D4 + 200;
    PlaceHeroine(-800);
    RunEncounterBStrikeAttack(0);
    for (int i = 0; i < 2000 && RunEncounterBStrikeAttack(1) != 99; ++i) GameClock.gameClock += 1.0 / 64.0;
    // The next approach: she stands in its band, the figure 240 px off the
    // door, inside a margin of 70 but not of 90.
    RunEncounterBStrikeAttack(0);
    const std::int32_t band = RandomLastValue * 2 + 25;
    EncounterBFigure.x = D4 + 240;
    EncounterBFigure.direction = 1;
    PlayerState.x = EncounterBFigure.x - band;
    RunEncounterBStrikeAttack(1);
    EXPECT_EQ(EncounterBFigure.x, D4 + 240);
}

TEST_F(EncounterBTest, AThrowInTheAirStartsFromHerHeight) {
    PlaceHeroine(300, 400);
    const std::int32_t hp = PlayerState.hp;
    EncounterBFigure.seizeKind = 2;
    EncounterBFigure.throwVariant = 2;
    RunEncounterBStrikeThrow(0);
    RunEncounterBStrikeThrow(1);
    RunEncounterBStrikeThrow(1);
    EXPECT_EQ(PlayerState.y, 330);
    EXPECT_EQ(PlayerState.hp, hp);
}

TEST_F(EncounterBTest, ASecondPlayTalksFromTheFirstTalkAgain) {
    for (int play = 1; play <= 2; ++play) {
        RunEncounterB(0);
        for (int talk = 1; talk <= 4; ++talk) {
            RunEncounterBTalk(0);
            std::int32_t shown = 0;
            for (int i = 0; i < 200 && shown == 0; ++i) {
                GameClock.gameClock += 0.05;
                RunEncounterBTalk(1);
                shown = DialogueChannels.fieldLine;
            }
            EXPECT_EQ(shown, talk == 1 ? 174 : 185 + talk) << "play " << play << " talk " << talk;
            DialogueChannels = DialogueChannelsRecord{};
        }
    }
}

TEST_F(EncounterBTest, OnlyAHeavyBlowToTheHeadFromAStepAwayInTheAirFellsIt) {
    struct Row {
        const char* what;
        std::int32_t stage, damage, distance, y;
        bool fells;
    };
    const Row rows[] = {
        {"all met", 3, 11, 200, 510, true},
        {"165 px", 3, 11, 165, 510, true},
        {"221 px", 3, 11, 221, 510, true},
        {"164 px", 3, 11, 164, 510, false},
        {"222 px", 3, 11, 222, 510, false},
        {"her feet at 517", 3, 11, 200, 517, false},
        {"damage 10", 3, 10, 200, 510, false},
        {"stage 2", 2, 11, 200, 510, false},
    };
    for (const Row& r : rows) {
        // Far apart in time: the heavy-blow rule stays out of it.
        GameClock.gameClock += 10.0;
        EncounterBFigureRecord& f = EncounterBFigure;
        f.bodyPose = 11;
        f.x = D4 + 1000;
        f.stage = r.stage;
        f.damageTotal = r.damage;
        PlaceHeroine(r.distance, r.y);
        EXPECT_EQ(Blow(4) == kHitsDefeat, r.fells) << r.what;
    }
}

}  // namespace
