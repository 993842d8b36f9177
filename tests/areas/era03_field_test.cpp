// The Era03 field's numbers that matter: the scenery rows' cut-offs, the
// placed objects' wake spacing and payout, the duel's talk, hold, forced
// hit, special-attack ranges and end; and what the data reset starts afresh.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "areas/era03/calls.h"
#include "areas/era03/field.h"
#include "areas/era03/field_fighter.h"
#include "areas/era03/field_sheets.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/bursts.h"
#include "core/game_clock.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "text/text_state.h"

namespace {

class Era03Field : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(22);
        ResetEra03Area();
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        PickupPool = PickupPoolRecord{};
        BurstPool = BurstPoolRecord<8>{};
        GameClock.gameClock = 100.0;
        EndEveryHold();
        EnterConfirmState = 0;
        DialogueChannels = DialogueChannelsRecord{};
        HitEffectState = 0;
    }
    static void Place(std::int32_t x, std::int32_t y = 640) {
        PlayerState.x = x;
        PlayerState.y = y;
        PlayerBodyBox = {x - 15, y - 120, x + 15, y, x};
    }
    static void Tick(double dt = 0.014) { GameClock.gameClock += dt; }
};

// ---- scenery rows -------------------------------------------------------------

TEST_F(Era03Field, RowsAreCutAtMinus1000And1700AndRowsPast175NeverDraw) {
    // Row 21 stands at world x 54850 + 489.
    struct Case {
        std::int32_t screenX;
        bool drawn;
    };
    for (const Case c : {Case{-1000, true}, Case{-1001, false}, Case{1700, true}, Case{1701, false}}) {
        ScrollX = 54850 + 489 - c.screenX;
        SetEra03SceneryRow(21);
        EXPECT_EQ(PendingSprite.gno != 0, c.drawn) << c.screenX;
    }
    ScrollX = 55000;
    for (std::int32_t row = 176; row <= 200; ++row) {
        SetEra03SceneryRow(row);
        EXPECT_EQ(PendingSprite.gno, 0) << row;
    }
}

TEST_F(Era03Field, TheFlashRowShowsOnlyInTheThrowBackColourAndTheBodyKeepsItsPlaceAtAnyScale) {
    Era03CreatureParts.creatureX = 51750;
    ScrollX = 51400;
    for (const std::uint32_t colour : {0xFFAAFF00u, 0xFFFFFFFFu, 0xFFAAFF01u}) {
        Era03CreatureParts.bodyColour = colour;
        SetEra03SceneryRow(14);
        EXPECT_EQ(PendingSprite.gno != 0, colour == 0xFFAAFF00u);
    }
    Era03CreatureParts.bodyY = 400;
    Era03CreatureParts.bodyScale = 2.0f;
    SetEra03SceneryRow(8);
    EXPECT_EQ(PendingSprite.posX, (51750 - 50 + 53 - 51400) / 2);
    EXPECT_EQ(PendingSprite.posY, 200);
}

TEST_F(Era03Field, ObjectRowsFollowTheirObjectsAndAGoneObjectIsNotDrawn) {
    struct Case {
        std::int32_t row, object;
    };
    ScrollX = 54850;
    UpdateEra03PlacedObjects();   // lays the objects out
    for (const Case c : {Case{24, 1}, Case{38, 5}, Case{53, 6}, Case{129, 47}, Case{131, 48}, Case{133, 49},
                         Case{155, 60}, Case{171, 61}, Case{175, 65}}) {
        ScrollX = Era03PlacedObjects.x[c.object] - 500;
        SetEra03SceneryRow(c.row);
        ASSERT_NE(PendingSprite.gno, 0) << c.row;
        EXPECT_EQ(PendingSprite.posX, 500) << c.row;
        EXPECT_EQ(PendingSprite.posY, Era03PlacedObjects.y[c.object]) << c.row;
        Era03PlacedObjects.look[c.object] = 0;
        SetEra03SceneryRow(c.row);
        EXPECT_EQ(PendingSprite.gno, 0) << c.row;
    }
}

// ---- placed objects -----------------------------------------------------------

TEST_F(Era03Field, ObjectsRestBeforeTheDuelWakeApartAfterItAndPayOutWhenAllAreGone) {
    ScrollX = 54850;
    Place(54850 + 450);   // objects 1..4 lie within 300 px
    for (int i = 0; i < 100; ++i, Tick()) UpdateEra03PlacedObjects();
    for (std::int32_t i = 1; i <= 65; ++i) ASSERT_EQ(Era03PlacedObjects.state[i], 0) << i;
    EXPECT_EQ(Era03PlacedObjects.x[1], 55244);
    EXPECT_EQ(Era03PlacedObjects.x[61], 56138);

    Era03Duel.state = 99;
    std::vector<double> wakes;
    std::int32_t awake = 0;
    for (int i = 0; i < 80; ++i, Tick(0.01)) {
        UpdateEra03PlacedObjects();
        std::int32_t now = 0;
        for (std::int32_t k = 1; k <= 65; ++k) now += Era03PlacedObjects.state[k] != 0;
        if (now > awake) wakes.push_back(GameClock.gameClock);
        awake = now;
    }
    ASSERT_GE(wakes.size(), 2u);
    for (std::size_t k = 1; k < wakes.size(); ++k) EXPECT_GT(wakes[k] - wakes[k - 1], 0.2);

    // All gone: HP back to the maximum and 65 coins at their places.
    PlayerState.hp = 10;
    for (std::int32_t i = 1; i <= 65; ++i) Era03PlacedObjects.look[i] = 0, Era03PlacedObjects.state[i] = 99;
    UpdateEra03PlacedObjects();
    EXPECT_EQ(PlayerState.hp, PlayerState.maxHp);
    for (std::int32_t i = 1; i <= 65; ++i) ASSERT_EQ(PickupPool.active[i], 1) << i;
    EXPECT_EQ(PickupPool.x[1], 55244);
    EXPECT_EQ(PickupPool.y[1], 344);
    EXPECT_EQ(PickupPool.x[61], 56138);
    EXPECT_EQ(PickupPool.y[61], 344);

    // A new game finds them resting in their places again, not a payout.
    ResetEra03Area();
    PickupPool = PickupPoolRecord{};
    PlayerState.hp = 10;
    Era03Duel.state = 99;
    UpdateEra03PlacedObjects();
    EXPECT_EQ(PlayerState.hp, 10);
    EXPECT_EQ(PickupPool.active[1], 0);
    EXPECT_EQ(Era03PlacedObjects.look[2], 1);
}

TEST_F(Era03Field, TheArenaBulletsNeverTouchTheObjects) {
    ScrollX = 54850;
    UpdateEra03PlacedObjects();
    const Era03PlacedObjectTable before = Era03PlacedObjects;
    for (int i = 1; i <= kEra03ArenaBulletSlots; ++i) {
        Era03ArenaBullets.active[i] = 0;
        Era03ArenaBullets.hit[i] = 1;
        Era03ArenaBullets.x[i] = 1;
    }
    for (std::int32_t i = 1; i <= 65; ++i) {
        EXPECT_EQ(Era03PlacedObjects.look[i], before.look[i]);
        EXPECT_EQ(Era03PlacedObjects.x[i], before.x[i]);
    }
}

// ---- the duel ---------------------------------------------------------------------

class Era03DuelTest : public Era03Field {
protected:
    void SetUp() override {
        Era03Field::SetUp();
        ScrollX = 56800 - 700;
    }
    // Steps the duel, reading each waiting line; collects the duel word's lines.
    std::vector<std::int32_t> Run(double seconds, std::int32_t untilState = -1) {
        std::vector<std::int32_t> lines;
        for (double t = 0; t < seconds && Era03Duel.state != untilState; t += 0.014) {
            Tick();
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            RunEra03Duel();
            const std::int32_t line = DialogueChannels.duelLine;
            if (line != 0 && (lines.empty() || lines.back() != line)) lines.push_back(line);
        }
        return lines;
    }
    // Into the fight as a loaded game after the talk does.
    void Fighting() {
        Era03Duel.state = 1;
        Place(56800 - 40);
        RunEra03Duel();
        ASSERT_EQ(Era03DuelStep(), 44);
        Place(56800 - 40);
    }
};

TEST_F(Era03DuelTest, TheTalkHoldsHerAt56680AndShowsItsLinesInOrder) {
    Place(56900);
    const std::vector<std::int32_t> lines = Run(60.0, 1);
    EXPECT_EQ(Era03Duel.state, 1);
    std::vector<std::int32_t> want;
    for (std::int32_t l = 1; l <= 22; ++l) want.push_back(l);
    for (std::int32_t l = 25; l <= 27; ++l) want.push_back(l);
    EXPECT_EQ(lines, want);
    EXPECT_EQ(Era03Duel.hp, 2000);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(EventHoldsPlayer, 0);
}

TEST_F(Era03DuelTest, ALoadAfterTheTalkFightsAtOnceFromFullHp) {
    Era03Duel.state = 1;   // as the slot gives it; the reset left hp 0
    Place(56900);
    RunEra03Duel();
    EXPECT_EQ(Era03DuelStep(), 44);
    EXPECT_EQ(Era03Duel.hp, 2000);
    // Held at 120 px in that first step, at 40 px once fighting.
    EXPECT_EQ(PlayerState.x, 56680);
    Place(56900);
    RunEra03Duel();
    EXPECT_EQ(PlayerState.x, 56760);
}

TEST_F(Era03DuelTest, TheFirstQuickAttackAtItsHeightLandsAndTheSpecialLandsOnlyFrom60To70) {
    Fighting();
    PlayerState.pose = 21;
    RunEra03Duel();
    EXPECT_EQ(Era03Duel.hp, 2000 - 5);
    EXPECT_EQ(PlayerState.exp, 5);

    struct Case {
        std::int32_t dist;
        std::int32_t duelHpLoss, herHpLoss;
    };
    for (const Case c : {Case{65, 40, 0}, Case{60, 40, 0}, Case{59, 0, 30}, Case{70, 40, 0}, Case{71, 0, 30}, Case{90, 0, 30}, Case{108, 0, 0}}) {
        SetUp();
        Fighting();
        Place(Era03Duel.x - c.dist);
        PlayerState.pose = 126;
        const std::int32_t hp = PlayerState.hp;
        Tick();
        RunEra03Duel();
        for (int i = 0; i < 40; ++i) {
            Tick(0.014);
            PlayerState.pose = 126;
            HitEffectState = 40;   // her move's spark: it lands once
            RunEra03Duel();
        }
        EXPECT_EQ(2000 - Era03Duel.hp, c.duelHpLoss) << c.dist;
        EXPECT_EQ(hp - PlayerState.hp, c.herHpLoss) << c.dist;
    }
}

TEST_F(Era03DuelTest, BeatenItTalksVanishesAndPaysOnceAndANewGameMeetsItAgain) {
    Fighting();
    BurstPool.x[8] = 1234;
    Era03Duel.hp = 0;
    const std::int32_t exp = PlayerState.exp;
    std::vector<std::int32_t> lines;
    for (int i = 0; i < 400 && Era03Duel.state != 99; ++i) {
        Tick();
        if (EnterConfirmState == 1) EnterConfirmState = 2;
        RunEra03Duel();
        if (DialogueChannels.duelLine != 0 && (lines.empty() || lines.back() != DialogueChannels.duelLine))
            lines.push_back(DialogueChannels.duelLine);
    }
    EXPECT_EQ(lines, (std::vector<std::int32_t>{28, 29, 30, 31}));
    EXPECT_EQ(Era03Duel.state, 99);
    EXPECT_EQ(PlayerState.exp - exp, 55);
    EXPECT_EQ(BurstPool.x[8], 1234);   // the eighth burst slot is not the duel's
    EXPECT_EQ(MessageBoxOpen, 0);

    // A new game: the talk runs again rather than holding her for good.
    ResetEra03Area();
    EXPECT_EQ(Era03DuelStep(), 0);
    Place(56900);
    ScrollX = 56100;
    RunEra03Duel();
    EXPECT_EQ(Era03DuelStep(), 1);
    EXPECT_EQ(PlayerState.x, 56680);
}

}  // namespace

// ---- the fighter ---------------------------------------------------------------------

namespace {

constexpr std::int32_t kA = 60300;

// The generator state whose next Random0To99 is `value`.
std::uint32_t SeedForRoll(std::int32_t value) {
    std::uint32_t want = 0;
    while (static_cast<std::int32_t>(want / 32767.0 * 99.0) < value) ++want;
    const std::uint32_t a = 214013u;
    std::uint32_t inv = a;
    for (int i = 0; i < 5; ++i) inv *= 2u - a * inv;
    return ((want << 16) - 2531011u) * inv;
}

class Era03FighterTest : public Era03Field {
protected:
    void SetUp() override {
        Era03Field::SetUp();
        Era03AreaFlag = 1;
        ScrollX = kA - 912;
    }
    std::vector<std::int32_t> Run(double seconds, std::int32_t untilState) {
        std::vector<std::int32_t> lines;
        for (double t = 0; t < seconds && Era03Fighter.encounterState != untilState; t += 0.014) {
            Tick();
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            RunEra03FighterEncounter();
            const std::int32_t line = DialogueChannels.fighterLine;
            if (line != 0 && (lines.empty() || lines.back() != line)) lines.push_back(line);
        }
        return lines;
    }
    // The fight under way with the fighter standing at x on his floor.
    void Fighting(std::int32_t x) {
        Era03Fighter.encounterState = 2;
        Era03Fighter.hp = 2500;
        Era03Fighter.x = x;
        Era03Fighter.y = 640;
        Era03Fighter.pose = 4;
        FighterWords.idleStamp = GameClock.gameClock;
    }
};

TEST_F(Era03FighterTest, TheIntroStartsAt59640HoldsTheCameraAndTalksInOrder) {
    ScrollX = kA - 1000;
    // Short of its mark, or past him, nothing starts and she stays put.
    for (const std::int32_t x : {kA - 661, kA + 1}) {
        Place(x);
        RunEra03FighterEncounter();
        EXPECT_EQ(Era03Fighter.encounterState, 0) << x;
        EXPECT_EQ(PlayerState.x, x);
    }
    Place(kA - 660);
    const std::vector<std::int32_t> lines = Run(30.0, 2);
    EXPECT_EQ(Era03Fighter.encounterState, 2);
    EXPECT_EQ(Era03Fighter.hp, 2500);
    EXPECT_EQ(ScrollX, kA - 912);
    EXPECT_EQ(Era03Fighter.y, 640);   // out of the ground
    EXPECT_EQ(lines, (std::vector<std::int32_t>{1, 12, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(MessageBoxOpen, 0);
}

TEST_F(Era03FighterTest, AfterASecondStillARollChoosesSinkBurrowOrDoubleThrow) {
    struct Case {
        std::int32_t roll, action;
    };
    for (const Case c : {Case{0, 2}, Case{19, 2}, Case{20, 3}, Case{69, 3}, Case{70, 4}, Case{99, 4}}) {
        SetUp();
        Place(kA - 500);
        Fighting(kA - 200);
        Tick(0.5);
        RunEra03FighterEncounter();   // he last moved now
        Tick(0.99);
        RunEra03FighterEncounter();
        EXPECT_EQ(FighterWords.action, 0) << c.roll;
        Tick(0.02);
        SeedRandom(SeedForRoll(c.roll));
        RunEra03FighterEncounter();
        EXPECT_EQ(FighterWords.action, c.action) << c.roll;
    }
}

TEST_F(Era03FighterTest, TheEdgesSetHerBackAndHisQuickHitLandsOncePer0_2SecondsAndNeverUnderground) {
    Fighting(kA - 300);
    Place(kA - 70);
    RunEra03FighterEncounter();
    // Set back 150 px, and his knock-back carries her on from there.
    EXPECT_EQ(Era03Fighter.x, kA);
    EXPECT_EQ(PlayerState.x, kA - 170);
    EXPECT_NE(FighterWords.knockBack, 0);

    // The first band: her blow 110..158 px above his feet.
    SetUp();
    Fighting(kA - 300);
    Place(kA - 300 - 100, 640 - 50);
    PlayerState.pose = 21;
    const std::int32_t hp = Era03Fighter.hp;
    RunEra03FighterEncounter();
    EXPECT_EQ(hp - Era03Fighter.hp, 30);
    EXPECT_EQ(PlayerState.exp, 30);
    FighterWords.reaction = 0;
    Tick(0.1);
    PlayerState.pose = 21;
    Era03Fighter.x = kA - 300, Era03Fighter.y = 640;
    RunEra03FighterEncounter();
    EXPECT_EQ(hp - Era03Fighter.hp, 30);

    SetUp();
    Fighting(kA - 300);
    Era03Fighter.y = 640 + 170;
    Place(kA - 300 - 100, 640 - 50);
    PlayerState.pose = 21;
    RunEra03FighterEncounter();
    EXPECT_EQ(Era03Fighter.hp, 2500);
}

TEST_F(Era03FighterTest, BeatenOnlyWithHerWellClearAndEveryDefeatPlaysItsScene) {
    Fighting(kA - 300);
    Era03Fighter.hp = -1;
    Place(kA - 300 - 100);
    RunEra03FighterEncounter();
    EXPECT_EQ(Era03Fighter.encounterState, 2);
    Place(kA - 300 - 101);
    FighterWords.check21 = 0;
    RunEra03FighterEncounter();
    EXPECT_EQ(Era03Fighter.encounterState, 98);
    EXPECT_EQ(Era03Fighter.hp, 0);
    const std::vector<std::int32_t> lines = Run(30.0, 99);
    EXPECT_EQ(Era03Fighter.encounterState, 99);
    std::vector<std::int32_t> want;
    for (std::int32_t l = 13; l <= 23; ++l) want.push_back(l);
    EXPECT_EQ(lines, want);
    EXPECT_EQ(MessageBoxOpen, 0);

    // A second defeat in the same run (after a load) plays the scene again.
    Fighting(kA - 300);
    Era03Fighter.hp = -1;
    Place(kA - 500);
    RunEra03FighterEncounter();
    ASSERT_EQ(Era03Fighter.encounterState, 98);
    EXPECT_EQ(Run(30.0, 99).size(), 11u);
}

TEST_F(Era03FighterTest, KeysBlockedInTheAirAreFreedOnceTheCameraLeaves) {
    Fighting(kA - 300);
    Place(kA - 500, 500);
    RunEra03FighterEncounter();
    EXPECT_EQ(PlayerKeysBlocked, 1);
    EXPECT_TRUE(HoldsHeroine(kEra03FighterHold, kHoldMoves));
    ScrollX = kA - 1300;
    RunEra03FighterEncounter();
    EXPECT_EQ(PlayerKeysBlocked, 0);
    EXPECT_FALSE(HoldsHeroine(kEra03FighterHold));
}

}  // namespace

// ---- the creature and the trap ------------------------------------------------------

namespace {

class Era03CreatureTest : public Era03Field {
protected:
    void SetUp() override {
        Era03Field::SetUp();
        Era03AreaFlag = 1;
    }
    static void Step(double dt = 0.021) {
        Tick(dt);
        if (EnterConfirmState == 1) EnterConfirmState = 2;
        RunEra03CreatureEncounter();
    }
};

TEST_F(Era03CreatureTest, TheIntroRunsOnceFrom51300AndTheFightStartsWithin456) {
    ScrollX = 50800;
    // Short of its mark, or past the creature's reach, nothing starts.
    for (const std::int32_t x : {51299, 52201}) {
        Place(x);
        Step();
        EXPECT_EQ(DialogueChannels.eventLine, 0) << x;
        EXPECT_EQ(PlayerState.x, x);
    }
    Place(51300);
    std::vector<std::int32_t> lines;
    for (int i = 0; i < 200 && Era03CreatureOnceFlag == 0; ++i) {
        Step();
        if (DialogueChannels.eventLine != 0 && (lines.empty() || lines.back() != DialogueChannels.eventLine))
            lines.push_back(DialogueChannels.eventLine);
    }
    EXPECT_EQ(lines, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(Era03CreatureOnceFlag, 1);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(Era03CreatureParts.partCount, 38);
    // No creature while the view is between its places.
    ScrollX = 52700;
    Step();
    EXPECT_EQ(Era03CreatureParts.creatureX, 0);
    ScrollX = 56000;
    Step();
    EXPECT_EQ(Era03CreatureParts.creatureX, 0);
}

TEST_F(Era03CreatureTest, AStrikeNearTheBodyBringsItDownForEXP200AndItShrinksTo0_35) {
    struct Case {
        std::int32_t startY;   // where the body hangs when it starts to tip
    };
    for (const Case c : {Case{117}, Case{700}}) {
        SetUp();
        Era03CreatureOnceFlag = 1;
        ScrollX = 51750 - 500;
        Place(51750 - 300);
        Step();
        Step();
        const std::int32_t cx = Era03CreatureParts.creatureX;
        ASSERT_EQ(cx, 51750);
        Era03CreatureParts.bodyHp = 1;
        Era03CreatureParts.bodyY = c.startY;
        // A part batted straight up past the body: leaves the band at y < 100, 0 px from its x.
        Era03CreatureParts.partClass[1] = 50;
        Era03CreatureParts.x[1] = cx;
        Era03CreatureParts.y[1] = 150;
        Era03CreatureParts.vx[1] = 0;
        Era03CreatureParts.vy[1] = -60;
        const std::int32_t exp = PlayerState.exp;
        bool hitMinus360 = false;
        for (int i = 0; i < 600; ++i) {
            Step();
            hitMinus360 = hitMinus360 || Era03CreatureParts.bodyTilt <= -359;
        }
        EXPECT_EQ(Era03CreatureParts.bodyHp, 0) << c.startY;
        EXPECT_EQ(PlayerState.exp - exp, 100 + 200) << c.startY;   // the strike's part, then the body
        EXPECT_TRUE(hitMinus360) << c.startY;
        EXPECT_GE(Era03CreatureParts.bodyScale, 0.35f) << c.startY;
        EXPECT_LT(Era03CreatureParts.bodyScale, 0.35f + 0.021f + 0.001f) << c.startY;
        EXPECT_EQ(Era03CreatureParts.bodyY, 800) << c.startY;
        for (std::int32_t i = 1; i <= 38; ++i) ASSERT_EQ(Era03CreatureParts.code[i], 0) << i;
    }
}

TEST_F(Era03CreatureTest, ThePartCycleWrapsAndACodeWithoutACellHasNone) {
    struct Case {
        std::int32_t code, next;
    };
    for (const Case c : {Case{1, 2}, Case{8, 1}, Case{16, 9}, Case{24, 17}, Case{32, 25}, Case{61, 61}, Case{37, 37}})
        EXPECT_EQ(NextEra03CycleCode(c.code), c.next) << c.code;
    EXPECT_EQ(Era03CreatureCellOf(37).code, 0);
    EXPECT_EQ(Era03CreatureCellOf(68).src.left, 66 + 24 * 7);
    EXPECT_EQ(Era03CreatureCellOf(141).src.top, 168);
}

TEST_F(Era03CreatureTest, TheTrapComesOutAheadOnlyBetween52400And54200AndSpringsUnderHer) {
    Era03CreatureOnceFlag = 1;
    ScrollX = 52700;   // the creature is away
    Place(52400);
    Step();
    EXPECT_EQ(Era03CreatureParts.trapFrame, 0);
    for (std::int32_t seedRoll : {0, 99}) {
        SetUp();
        Era03CreatureOnceFlag = 1;
        ScrollX = 52700;
        Place(53000);
        SeedRandom(SeedForRoll(seedRoll));
        Step();
        const std::int32_t ahead = Era03CreatureParts.trapX - 53000;
        EXPECT_GE(ahead, 0);
        EXPECT_LE(ahead, 198);
    }
    // Walk onto it: caught, HP -2, tipped 70 degrees.
    const std::int32_t hp = PlayerState.hp;
    Place(Era03CreatureParts.trapX);
    Step();
    Step();
    EXPECT_EQ(hp - PlayerState.hp, 2);
    EXPECT_EQ(Era03CreatureParts.trapAngle, 70);
}

}  // namespace
