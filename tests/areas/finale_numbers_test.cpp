// The numbers of the boss fight that matter: the hurt boxes by pose and
// facing, where the fight turns, the approach band, when stale keys are
// cleared, what a blow costs either side, the thresholds and choices of the
// last pattern, the arena's walls, what the debris word lets the frame draw,
// that a missed carry dash and the first step of a spin come out sound, and
// that a hold with nothing left to end it lets her go.
#include <gtest/gtest.h>

#include <algorithm>

#include "areas/era04_encounters/records.h"
#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "core/dialogue.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/movement_fixture.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"

namespace {

constexpr std::int32_t M = Era04Door6;   // the door-6 marker the final section is written from

class FinaleNumbers : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        ResetFinaleArea();
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerBodyBox = PlayerBodyBoxRecord{};
        EndEveryHold();
        ScrollX = M + 1000;
        PlaceBoss(M + 1500, 640, -1, 13);
        PlayerState.x = M + 1200;
    }
    static void PlaceBoss(std::int32_t x, std::int32_t y, std::int32_t facing, std::int32_t pose) {
        FinalActorSlots.x[0] = x;
        FinalActorSlots.y[0] = y;
        FinalActorSlots.facing[0] = facing;
        FinalActorSlots.frame[0] = pose;
        FinalActorSlots.depth[0] = 0.5f;
        FinalActorSlots.scale[0] = 1.0f;
    }
    static void Tick(double dt = 0.014) { GameClock.gameClock += dt; }
};

TEST_F(FinaleNumbers, HurtBoxesFollowPoseAndFacing) {
    struct Row {
        std::int32_t pose, facing, left, right, top, bottom;
    };
    const Row rows[] = {
        {1, 1, -11, 23, -143, -40}, {1, -1, -23, 11, -143, -40}, {31, 1, -28, 7, -92, 0},
        {38, -1, -64, 0, -48, 19},  {9, 1, -11, 11, -136, 0},    {9, -1, -11, 11, -136, 0},
        {15, -1, -15, 15, -126, 0}, {45, 1, -15, 15, -15, 15},   {33, -1, -27, 10, -127, -60},
    };
    for (const Row& r : rows) {
        PlaceBoss(M + 2000, 600, r.facing, r.pose);
        SetBossSlotSprite(0);
        EXPECT_EQ(FigureHitBox.left, M + 2000 + r.left) << "pose " << r.pose << " facing " << r.facing;
        EXPECT_EQ(FigureHitBox.right, M + 2000 + r.right) << "pose " << r.pose << " facing " << r.facing;
        EXPECT_EQ(FigureHitBox.top, 600 + r.top) << "pose " << r.pose;
        EXPECT_EQ(FigureHitBox.bottom, 600 + r.bottom) << "pose " << r.pose;
    }
}

TEST_F(FinaleNumbers, TheFightTurnsOnlyPastItsThreshold) {
    for (std::int32_t damage : {2200, 2201}) {
        SetUp();
        // A calm moment: the boss on screen, 400 px from her, both on the ground.
        PlaceBoss(ScrollX + 500, 640, -1, 13);
        PlayerState.x = ScrollX + 100;
        BossFightState.phaseThreshold = 2200;
        FinalActorSlots.damage[0] = damage;
        RunBossBrain(0);
        Tick();
        RunBossBrain(2);
        EXPECT_EQ(MessageBoxOpen, damage > 2200 ? 1 : 0) << damage;
    }
}

TEST_F(FinaleNumbers, ApproachWalksIntoAnOpenBand) {
    struct Row {
        std::int32_t distance, move;   // first stride: +19 towards her, -27 away
    };
    for (const Row& r : {Row{250, 19}, Row{230, 19}, Row{200, -27}, Row{180, -27}}) {
        PlaceBoss(M + 2000, 640, -1, 13);
        PlayerState.x = M + 2000 - r.distance;
        RunBossApproach(0, 200, 230);
        Tick();
        RunBossApproach(1, 200, 230);
        // Facing her (left), a stride towards her lowers x.
        EXPECT_EQ(FinalActorSlots.x[0], M + 2000 - r.move) << r.distance;
    }
}

TEST_F(FinaleNumbers, StaleKeysClearOncePerRiseOfTheLock) {
    struct Row {
        std::int32_t lock;
        bool cleared;
    };
    const Row rows[] = {{0, false}, {1, true}, {1, false}, {1, false}, {0, false}, {1, true}};
    for (const Row& r : rows) {
        if (r.lock == 1) TakeHoldOfHeroine(finale::kQueenFightHold);
        else LetGoOfHeroine(finale::kQueenFightHold);
        KeySPressed = KeyDPressed = KeyZPressed = 1;
        KeyLeftPressed = KeyRightPressed = 1;
        PlayerMoveState.comboS = 5;
        ClearKeysOnMessageBox();
        EXPECT_EQ(KeySPressed == 0 && KeyDPressed == 0 && KeyZPressed == 0 && PlayerMoveState.comboS == 0, r.cleared);
        EXPECT_EQ(KeyLeftPressed, 1);
        EXPECT_EQ(KeyRightPressed, 1);
    }
    EndEveryHold();
}

TEST_F(FinaleNumbers, WhatTheBossesBlowsCost) {
    struct Row {
        std::int32_t kind;
        bool guarded;
        std::int32_t hpLoss;
        int word;   // the counter that goes up
    };
    const Row rows[] = {{1, true, 0, 1}, {1, false, 30, 2}, {2, false, 30, 2}, {3, true, 10, 3}, {3, false, 50, 4}};
    for (const Row& r : rows) {
        SetUp();
        PlayerState.hp = 500;
        PlayerState.x = M + 1400;   // left of the boss, facing it
        PlayerState.facing = 1;
        PlayerMoveState.comboQ = r.guarded ? 11 : 0;
        for (std::uint32_t& w : BossReactionWords) w = 0;
        RunPlayerHitReaction(0, r.kind);
        Tick();
        RunPlayerHitReaction(1, 0);
        EXPECT_EQ(PlayerState.hp, 500 - r.hpLoss) << "kind " << r.kind << (r.guarded ? " guarded" : "");
        EXPECT_EQ(BossReactionWords[r.word], 1u) << "kind " << r.kind;
    }
}

TEST_F(FinaleNumbers, AnAirBlowIsWorthItsKindThenTheLanding) {
    for (std::int32_t kind = 1; kind <= 4; ++kind) {
        SetUp();
        PlaceBoss(M + 2000, 640, -1, 13);
        FinalActorSlots.damage[0] = 1000;
        PlayerState.exp = 0;
        RunBossHitReaction(0, 4, kind);
        Tick();
        RunBossHitReaction(1, 0, 0);
        // The first step of the spin has no time behind it: no turn yet.
        EXPECT_EQ(FinalActorSlots.rotation[0], 0.0f) << kind;
        for (int i = 0; i < 400 && BossFightState.bossHitWord == 1; ++i) {
            Tick();
            RunBossHitReaction(1, 0, 0);
        }
        EXPECT_EQ(BossFightState.bossHitWord, 2) << kind;
        EXPECT_EQ(FinalActorSlots.damage[0], 1000 + (kind + 2) * 10 + 60) << kind;
        EXPECT_EQ(PlayerState.exp, (kind + 2) * 10 + 50) << kind;
        BossFightState.bossHitWord = 0;
    }
}

TEST_F(FinaleNumbers, LastPatternThresholdsAndChoices) {
    FinalActorSlots.damage[0] = 2250;
    RunBossLastPattern(0);
    EXPECT_EQ(BossFightState.phaseThreshold, 2250);
    EXPECT_EQ(BossFightState.defeatThreshold, 4250);
    struct Row {
        std::int32_t distance;
        std::int32_t low, high;   // the state chosen
    };
    for (const Row& r : {Row{160, 4, 5}, Row{221, 1, 1}, Row{499, 1, 1}, Row{500, 2, 2}, Row{100, 3, 3}}) {
        PlaceBoss(M + 2000, 640, -1, 15);
        PlayerState.x = M + 2000 - r.distance;
        RunBossLastPattern(0);
        Tick();
        const std::int32_t state = RunBossLastPattern(1);
        EXPECT_GE(state, r.low) << r.distance;
        EXPECT_LE(state, r.high) << r.distance;
    }
}

// The two share the room's walls: the queen ends every step of the fight no
// farther past the heroine's left wall (M + 182) than her close dash reaches
// (69 px), nor past the right one (M + 4930) than 10 px, where the view ends.
TEST_F(FinaleNumbers, TheQueenKeepsWithinTheHeroinesWalls) {
    struct Row {
        std::int32_t x, heroine, kept;
    };
    // (Her first step toward the heroine, 19 px, is taken before the walls.)
    for (const Row& r : {Row{M - 301, M + 400, M + 113}, Row{M + 50, M + 400, M + 113},
                         Row{M + 4990, M + 4500, M + 4940}, Row{M + 5301, M + 4930, M + 4940}}) {
        PlaceBoss(r.x, 640, 1, 13);
        PlayerState.x = r.heroine;
        RunBossBrain(0);
        Tick();
        RunBossBrain(2);
        EXPECT_EQ(FinalActorSlots.x[0], r.kept);
    }
}

// A second game in one run meets the defeat as the first does: its first
// light bar grows from nothing (it stood at its full 46 px at once, kept
// from the last game's defeat).
TEST_F(FinaleNumbers, EachGamesDefeatGrowsItsFirstBarFromNothing) {
    const HoldStep fight(finale::kQueenFightHold);
    for (int game = 1; game <= 2; ++game) {
        SetUp();
        PlaceBoss(M + 2000, 640, -1, 15);
        PlayerState.x = M + 1500;
        PlayerState.y = 640;
        RunBossDefeatScene(0);
        float firstLength = -1;
        for (int i = 0; i < 64 * 40 && FinalActorSlots.pivotX[18] < 46.0f; ++i) {
            Tick(1.0 / 64);
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            // Her walk up to the queen, as her keys would carry her.
            PlayerState.x += 4 * (KeyRightPressed - KeyLeftPressed);
            RunBossDefeatScene(1);
            if (firstLength < 0 && FinalActorSlots.frame[18] != 0) firstLength = FinalActorSlots.pivotX[18];
        }
        EXPECT_GE(firstLength, 0.0f) << "game " << game << ": the first bar never came";
        EXPECT_LT(firstLength, 46.0f) << "game " << game;
    }
    EndEveryHold();
}

TEST_F(FinaleNumbers, DebrisSlotsDrawOnlyWhileTheDebrisWordIsSet) {
    for (int slot = 16; slot <= 34; ++slot) FinalActorSlots.frame[slot] = 1;
    FinalActorSlots.frame[3] = 1;
    FinalActorSlots.scale[3] = 1.0f;
    for (std::int32_t word : {0, 1}) {
        BossFightState.debrisFlag = word;
        for (int slot = 16; slot <= 34; ++slot) {
            SetBossSlotSprite(slot);
            EXPECT_EQ(PendingSprite.gno, word == 1 ? 72 : 0) << slot;
        }
        SetBossSlotSprite(3);
        EXPECT_EQ(PendingSprite.gno, 72);
    }
}

TEST_F(FinaleNumbers, AMissedCarryDashLandsAndEnds) {
    // She stands clear of the flight's line (no body box): the boss passes her.
    PlaceBoss(M + 2000, 640, 1, 37);
    PlayerState.x = M + 2400;
    PlayerBodyBox = PlayerBodyBoxRecord{0, 0, 0, 0, 0};
    RunBossCarryDash(0);
    std::int32_t state = 0;
    for (int i = 0; i < 200 && state != finale::kDone; ++i) {
        Tick();
        state = RunBossCarryDash(1);
    }
    EXPECT_EQ(state, finale::kDone);
    EXPECT_EQ(FinalActorSlots.y[0], 640);
    EXPECT_EQ(FinalActorSlots.frame[0], 15);
    EXPECT_EQ(FinalActorSlots.frame[14], 0);
    EXPECT_EQ(FinalActorSlots.frame[15], 0);
    EXPECT_GT(FinalActorSlots.x[0], M + 2400);
}

TEST_F(FinaleNumbers, AMissedOverheadSlashAtTheRoomsEndLetsHerGo) {
    // She stands past the fight zone where no blow can reach her (no body
    // box): the edge pattern's holds must still end, or she is held for good.
    PlaceBoss(M + 4700, 640, 1, 15);
    PlayerState.x = M + 4950;
    PlayerBodyBox = PlayerBodyBoxRecord{0, 0, 0, 0, 0};
    RunBossEdgePattern(0);
    bool held = false, letGoAfterHold = false;
    for (int i = 0; i < 64 * 90 && !letGoAfterHold; ++i) {
        Tick();
        PlayerState.x = M + 4950;
        PlayerBodyBox = PlayerBodyBoxRecord{0, 0, 0, 0, 0};
        RunBossEdgePattern(1);
        if (MessageBoxOpen == 1) held = true;
        if (held && MessageBoxOpen == 0) letGoAfterHold = true;
    }
    EXPECT_TRUE(held) << "the edge pattern never held her";
    EXPECT_TRUE(letGoAfterHold) << "a missed overhead slash kept her held";
}

// States that held her for good: a hold no reaction will end (every blow
// misses: she has no body box) must be let go once the boss waits for her.
TEST_F(FinaleNumbers, AHoldWithNoReactionToEndItLetsHerGo) {
    struct Row {
        const char* lock;
        bool lastPattern;             // else the brain from the first pattern, her held at the room's end first
        std::int32_t outside, queen;  // where she is held (first pattern), where the queen stands
        std::int32_t heroine;         // where she stands when the wait begins
    };
    const Row rows[] = {
        {"edge pattern's hold at the left end, she is pushed back in", false, M + 100, M + 400, M + 230},
        {"edge pattern's hold at the right end, she is pushed back in", false, M + 4950, M + 4700, M + 4837},
        {"last pattern after the carry dash to the right wall", true, 0, M + 4846, M + 4930},
        {"last pattern, the queen 416 px away", true, 0, M + 4514, M + 4930},
    };
    // Stepped as the fight steps them: their holds are the fight's.
    const HoldStep fight(finale::kQueenFightHold);
    for (const Row& r : rows) {
        SetUp();
        PlayerBodyBox = PlayerBodyBoxRecord{0, 0, 0, 0, 0};
        if (r.lastPattern) {
            PlaceBoss(r.queen, 640, 1, 15);
            PlayerState.x = r.heroine;
            TakeHoldOfHeroine(finale::kQueenFightHold);
            FinalActorSlots.damage[0] = 2300;
            RunBossLastPattern(0);
        } else {
            PlaceBoss(r.queen, 640, -1, 13);
            PlayerState.x = r.outside;
            RunBossBrain(0);
            for (int i = 0; i < 64 * 30 && MessageBoxOpen == 0; ++i) {
                Tick();
                RunBossBrain(2);
            }
            ASSERT_EQ(MessageBoxOpen, 1) << r.lock << ": never held";
            PlayerState.x = r.heroine;
        }
        int heldFor = 0;
        while (heldFor < 64 * 10 && MessageBoxOpen == 1) {
            Tick();
            if (r.lastPattern) RunBossLastPattern(1);
            else RunBossBrain(2);
            ++heldFor;
        }
        EXPECT_EQ(MessageBoxOpen, 0) << r.lock << ": held for good";
        EXPECT_LT(heldFor, 64 * 3) << r.lock;
    }
    EndEveryHold();
}

// The throw before the fight ends, and its leap lands her on the floor and
// never under it, whatever else moves her y (her own jump at its top) and
// however long one frame takes.
TEST_F(FinaleNumbers, TheThrowsLeapEndsOnTheFloor) {
    struct Row {
        const char* what;
        std::int32_t heldY;   // her y written before every step (0: none)
        double longFrame;     // one frame this long as the leap rises (0: none)
    };
    for (const Row& r : {Row{"her own jump at its top", 453, 0}, Row{"one long frame", 0, 1.0}}) {
        SetUp();
        PlayerState.x = M + 4000;
        PlayerState.y = 640;
        RunBossThrowSequence(0);
        std::int32_t state = 0, lowest = 640;
        std::int32_t landed = 640;   // the last height the throw itself gave her
        for (int i = 0; i < 64 * 10 && state != finale::kDone; ++i) {
            Tick(i == 20 && r.longFrame > 0 ? r.longFrame : 1.0 / 64);
            if (r.heldY != 0) PlayerState.y = r.heldY;
            const std::int32_t before = PlayerState.y;
            state = RunBossThrowSequence(1);
            if (PlayerState.y != before) landed = PlayerState.y;
            lowest = std::max(lowest, PlayerState.y);
        }
        EXPECT_EQ(state, finale::kDone) << r.what;
        EXPECT_LE(lowest, 640) << r.what << ": under the floor";
        EXPECT_EQ(landed, 640) << r.what << ": the throw left her in the air";
    }
}

TEST_F(FinaleNumbers, TheFourthBlowWithANewKindEscalates) {
    GameClock.gameClock = 500.0;   // long after any earlier blow or heavy blow
    PlaceBoss(M + 2000, 640, -1, 13);
    const auto blow = [](std::int32_t kind) {
        BossFightState.bossHitWord = 0;
        RunBossHitReaction(0, 1, kind);
        Tick(0.01);
        return RunBossHitReaction(1, 0, 0) != 1;   // escalated: not a plain flinch
    };
    for (int i = 0; i < 5; ++i) blow(4);   // whatever came before, kind 4 escalates at most once here
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(blow(4)) << "the same kind again, blow " << i + 1;
    EXPECT_TRUE(blow(3));
    // A heavy blow: every blow in the next 5 s escalates.
    EXPECT_TRUE(blow(1));
    Tick(5.1);
    EXPECT_FALSE(blow(2));
    BossFightState.bossHitWord = 0;
}

}  // namespace
