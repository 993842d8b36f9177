// The numbers of encounter A that matter: how its pieces bounce, hurt, shove,
// pay and break, how many it can hold, and the verdict on the trial.
#include <gtest/gtest.h>

#include <cstdint>

#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/movement_fixture.h"
#include "core/player.h"
#include "core/random.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t D3 = Era04Door3, D4 = Era04Door4;

class EncounterATest : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        EncounterAPieceTable = EncounterAPieceTableRecord{};
        EncounterAFigure = EncounterAFigureRecord{};
        EncounterAFigure.x = D3 + 1200;
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        SeedRandom(7);
        GameClock.gameClock = 100.0;
    }
    // A piece thrown at `speed` from (x, y); returns its slot.
    int Throw(std::int32_t x, std::int32_t y, std::int32_t speed = 1, std::int32_t hp = 300) {
        SpawnEncounterAPiece(0, 0, 0, 0);
        SpawnEncounterAPiece(speed, hp, x, y);
        for (int j = kEncounterAPieces; j >= 1; --j)
            if (EncounterAPieceTable.x[j] == x && EncounterAPieceTable.kind[j] != 0) return j;
        return 0;
    }
    // One update of slot j, a motion tick later.
    void Tick(int j) {
        GameClock.gameClock += 0.021;
        UpdateEncounterAPiece(1, j);
    }
    void PlaceHeroine(std::int32_t x) {
        PlayerState.x = x;
        PlayerBodyBox = {x - 20, 540, x + 20, 640, x};
    }
};

TEST_F(EncounterATest, ABounceSendsAPieceAwayFromTheWallAtARandomSpeed) {
    PlaceHeroine(D3 + 600);
    struct Row {
        std::int32_t x, y;
        int vxSign, vySign;   // 0: that speed is not changed
    };
    const Row rows[] = {
        {D3 + 50, 400, +1, 0}, {D4 - 50, 400, -1, 0}, {D3 + 600, 100, 0, +1}, {D3 + 600, 630, 0, -1},
    };
    for (const Row& r : rows) {
        for (int round = 0; round < 20; ++round) {
            EncounterAPieceTable = EncounterAPieceTableRecord{};
            const int j = Throw(r.x, r.y);
            ASSERT_NE(j, 0);
            EncounterAPieceTable.vx[j] = 0;
            Tick(j);
            const std::int32_t vx = EncounterAPieceTable.vx[j], vy = EncounterAPieceTable.vy[j];
            if (r.vxSign != 0) {
                EXPECT_GE(vx * r.vxSign, 1) << r.x;
                EXPECT_LE(vx * r.vxSign, 10) << r.x;
            }
            if (r.vySign != 0) {
                EXPECT_GE(vy * r.vySign, 1) << r.y;
                EXPECT_LE(vy * r.vySign, 5) << r.y;
            }
        }
    }
}

TEST_F(EncounterATest, AContactCutsHerInTheFirstWeaponModeAndOnlyAPieceOnHerLeftShovesHer) {
    struct Row {
        int mode;
        std::int32_t hp, side;   // side: where the piece is, -1 left of her, +1 right
        std::int32_t hpAfter, xShift;
    };
    const Row rows[] = {
        {1, 100, +1, 30, 0}, {1, 11, +1, 3, 0}, {1, 10, +1, 0, 0},
        {2, 100, +1, 100, 0}, {2, 100, -1, 99, -1}, {1, 100, -1, 29, -1},
    };
    for (const Row& r : rows) {
        EncounterAPieceTable = EncounterAPieceTableRecord{};
        const std::int32_t x = D3 + 600;
        PlaceHeroine(x);
        PlayerState.weaponMode1 = r.mode == 1;
        PlayerState.weaponMode2 = r.mode == 2;
        PlayerState.hp = r.hp;
        const int j = Throw(x + r.side * 10, 600);
        EncounterAPieceTable.vx[j] = -1;
        Tick(j);
        EXPECT_EQ(PlayerState.hp, r.hpAfter) << "mode " << r.mode << " hp " << r.hp << " side " << r.side;
        EXPECT_EQ(PlayerState.x, x + r.xShift) << "mode " << r.mode << " side " << r.side;
    }
}

TEST_F(EncounterATest, AStrikePaysAndBreaksAndTheBrokenPieceIsFreedLater) {
    struct Row {
        std::int32_t pose, comboWord;   // weapon mode 2: 202 is kind 1, 215 kind 4
        std::int32_t hp, hpAfter, exp;
        double freedAfter;
    };
    const Row rows[] = {
        {202, 1, 30, 0, 30, 1.1},
        {215, 4, 60, 0, 50, 1.5},
        {215, 4, 300, 240, 50, 0},   // survives: reels for 3.5 s
    };
    for (const Row& r : rows) {
        EncounterAPieceTable = EncounterAPieceTableRecord{};
        const std::int32_t x = D3 + 600;
        PlaceHeroine(x);
        PlayerState.facing = 1;
        const int j = Throw(x + 100, 560, 1, r.hp);
        PlayerState.pose = r.pose;
        if (r.comboWord == 1) PlayerMoveState.comboS = 3;
        else PlayerMoveState.comboG = 3;
        PlayerState.exp = 0;
        Tick(j);
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerState.pose = 1;
        EXPECT_EQ(EncounterAPieceTable.hitPoints[j], r.hpAfter);
        EXPECT_EQ(PlayerState.exp, r.exp);
        if (r.freedAfter == 0) continue;
        EXPECT_EQ(EncounterAPieceTable.state[j], 4);
        const double struck = GameClock.gameClock;
        while (GameClock.gameClock - struck < r.freedAfter - 0.03) Tick(j);
        EXPECT_NE(EncounterAPieceTable.kind[j], 0) << "freed too soon";
        for (int k = 0; k < 4; ++k) Tick(j);
        EXPECT_EQ(EncounterAPieceTable.kind[j], 0);
        EXPECT_EQ(EncounterAPieceTable.state[j], 0);
    }
}

TEST_F(EncounterATest, ATwentyFirstPieceIsDropped) {
    PlaceHeroine(D3 + 100);
    for (int n = 1; n <= 21; ++n) {
        SpawnEncounterAPiece(0, 0, 0, 0);
        EXPECT_EQ(SpawnEncounterAPiece(1, 300, D3 + 1000 + n, 538), kEncounterDone);
    }
    for (int j = 1; j <= kEncounterAPieces; ++j) EXPECT_EQ(EncounterAPieceTable.x[j], D3 + 1000 + j);
    EXPECT_EQ(EncounterAPieceTable.kind[0], 0) << "entry 0 is never live";
}

TEST_F(EncounterATest, TheVerdictRewardsAQuickBusyTrialAndOtherwiseTakesAQuarterOfHerHp) {
    struct Row {
        double time;
        std::int32_t strikes, hp;
        std::int32_t hpAfter;
        std::int32_t lastLine;
    };
    const Row rows[] = {
        {150.0, 50, 40, 100, 113}, {150.001, 50, 40, 30, 111}, {90.0, 49, 41, 30, 111}, {200.0, 0, 1, 0, 111},
    };
    for (const Row& r : rows) {
        EncounterATrialTime = r.time;
        EncounterAHitCount = r.strikes;
        PlayerState.hp = r.hp;
        DialogueChannels = DialogueChannelsRecord{};
        RunEncounterAVerdict(0);
        std::int32_t last = 0;
        for (int step = 0; step < 20 && DialogueChannels.fieldLine != 151; ++step) {
            if (DialogueChannels.fieldLine != 151 && DialogueChannels.fieldLine != 0) last = DialogueChannels.fieldLine;
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            GameClock.gameClock += 0.02;
            RunEncounterAVerdict(1);
        }
        EXPECT_EQ(PlayerState.hp, r.hpAfter) << r.time << " s, " << r.strikes;
        EXPECT_EQ(last, r.lastLine) << r.time << " s, " << r.strikes;
    }
}

}  // namespace

namespace {

TEST_F(EncounterATest, HerGuardEndsTheFiguresReactionAtOnce) {
    RunEncounterAHitReaction(0);
    const std::int32_t x = EncounterAFigure.x, hp = EncounterAFigure.hitPoints = 7000;
    EXPECT_EQ(RunEncounterAHitReaction(5), kEncounterDone);
    EXPECT_EQ(EncounterAFigure.x, x);
    EXPECT_EQ(EncounterAFigure.hitPoints, hp);
}

TEST_F(EncounterATest, AFigurePushedOutOfTheRoomIsPutBackAtItsEdges) {
    struct Row {
        std::int32_t x, after;
    };
    const Row rows[] = {{D3 - 100, D3 - 100}, {D3 - 101, D3 - 300}, {D4 + 500, D4 + 500}, {D4 + 501, D4 + 500}};
    for (const Row& r : rows) {
        PlaceHeroine(D3 - 500);   // far from the figure: the intro waits
        ScrollX = D3 - 900;
        RunEncounterA(0);
        RunEncounterA(1);
        EncounterAFigure.x = r.x;
        RunEncounterA(1);
        EXPECT_EQ(EncounterAFigure.x, r.after) << r.x;
    }
}

}  // namespace
