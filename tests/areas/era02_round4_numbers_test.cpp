// The last round's numbers that decide a fight: how long the opponent waits
// on its roll, when it leaps onto the platform, what its flurries, its big
// strike and the wall take from the heroine, what her blows take from it,
// the hurt boxes its frames give, the close's shortcut to the door and its
// quiet moment before line 64, and the debris burst's length.
#include <gtest/gtest.h>

#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t O = 47100;
constexpr double kFrame = 1.0 / 64;

void Tick(double seconds = kFrame) { GameClock.gameClock += seconds; }

// Seeds the generator so that its next draws are `first` (any value below
// `firstBelow` when `first` is -1) and then `second` (any when -1).
void NextRollsAre(std::int32_t first, std::int32_t second = -1, std::int32_t firstBelow = 100) {
    for (std::uint32_t seed = 1; seed < 200000; ++seed) {
        SeedRandom(seed);
        const std::int32_t a = Random0To99();
        const std::int32_t b = Random0To99();
        if ((first == -1 ? a < firstBelow : a == first) && (second == -1 || b == second)) {
            SeedRandom(seed);
            return;
        }
    }
    FAIL() << "no seed draws " << first << ", " << second;
}

// A line that waits is read on every other step, as a player tapping Enter
// would: a line is never answered in the step that puts it up.
void ConfirmWaitingLine() {
    static bool turn = false;
    turn = !turn;
    if (turn && EnterConfirmState == 1) EnterConfirmState = 2;
}

// Her Q blow (weapon 1) reaching about 60..120 px ahead of her.
void QBlow(bool on) {
    PlayerState.weaponMode1 = 1;
    PlayerState.pose = on ? 102 : 1;
    PlayerMoveState.comboQ = on ? 1 : 0;
}

class Round4Numbers : public ::testing::Test {
protected:
    void SetUp() override {
        GameClock.gameClock = 100.0;
        Era02AreaFlag = 1;
        Round4Opponent = TournamentOpponentRecord{};
        Round4Opponent.x = O + 1000;
        Round4Opponent.y = 640;
        Round4Opponent.facing = -1;
        Round4Opponent.frame = 4;
        PlayerState.x = O + 900;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerState.hp = 5000;
        PlayerState.exp = 0;
        PlayerState.weaponMode1 = PlayerState.weaponMode2 = 0;
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerBodyBox = PlayerBodyBoxRecord{};   // far from every box
        TournamentState.opponentHp = 0;
        TournamentState.platformHeight = 0;
        ScrollX = O + 500;
        DebrisBurst = DebrisBurstRecord{};
        ResetRound4AttackWords();
        ResetRound4HitWords();
    }
    // Runs the fight from its arming through the opening charge strike (it
    // touches nothing) until it is about to roll again (state 1).
    void FightUntilItRollsAgain() {
        RunRound4Fight(0);
        std::int32_t state = 0;
        for (int i = 0; i < 200 && state != 1; ++i) {
            Tick();
            state = RunRound4Fight(1);
        }
        ASSERT_EQ(state, 1);
    }
};

TEST_F(Round4Numbers, TheWaitFollowsTheRoll) {
    struct Row {
        std::int32_t roll;
        double wait;
    };
    constexpr Row rows[] = {{24, 0.0}, {25, 1.0}, {99, 3.0}};
    for (const Row& r : rows) {
        SetUp();
        FightUntilItRollsAgain();
        PlayerState.x = Round4Opponent.x - 300;   // out of the flurry's reach
        NextRollsAre(r.roll);
        const double start = GameClock.gameClock + kFrame;
        std::int32_t state = 2;
        for (int i = 0; i < 400 && state == 2; ++i) {
            Tick();
            state = RunRound4Fight(1);
        }
        const double waited = GameClock.gameClock - start;
        EXPECT_GE(waited, r.wait - 1e-9) << "roll " << r.roll;
        EXPECT_LT(waited, r.wait + kFrame) << "roll " << r.roll;
    }
}

TEST_F(Round4Numbers, ThePlatformLeapWinsOverAnyRollFromBelow) {
    struct Row {
        std::int32_t heroineY, oppX, oppY, roll, state;
    };
    constexpr Row rows[] = {
        {482, O + 1315, 640, 10, 31}, {482, O + 1604, 640, 70, 31}, {400, O + 1450, 640, 99, 31},
        {482, O + 1605, 640, 10, 11}, {482, O + 1314, 640, 70, 21}, {483, O + 1450, 640, 10, 11},
        {400, O + 1450, 482, 70, 21},   // already on the platform
    };
    for (const Row& r : rows) {
        SetUp();
        TournamentState.platformHeight = 209;
        FightUntilItRollsAgain();
        Round4Opponent.x = r.oppX;
        Round4Opponent.y = r.oppY;
        PlayerState.x = r.oppX + 200;
        PlayerState.y = r.heroineY;
        NextRollsAre(25);   // a wait of one second, then the roll that decides
        Tick();
        ASSERT_EQ(RunRound4Fight(1), 2);
        NextRollsAre(r.roll);
        std::int32_t state = 2;
        for (int i = 0; i < 100 && state == 2; ++i) {
            Tick();
            state = RunRound4Fight(1);
        }
        EXPECT_EQ(state, r.state) << "opponent at O+" << r.oppX - O << " roll " << r.roll;
    }
}

TEST_F(Round4Numbers, AHitOnTheStrikeFrameIsNotTaken) {
    // The heroine's blow reaches the opponent's hurt box while its charge
    // strike shows frame 30, then while it recovers (frame 33).
    struct Row {
        std::int32_t frame, state;
    };
    constexpr Row rows[] = {{30, 12}, {33, 0}};
    for (const Row& r : rows) {
        SetUp();
        PlayerState.x = Round4Opponent.x - 100;
        RunRound4Fight(0);
        for (int i = 0; i < 200 && Round4Opponent.frame != r.frame; ++i) {
            Tick();
            RunRound4Fight(1);
        }
        ASSERT_EQ(Round4Opponent.frame, r.frame);
        PlayerState.x = Round4Opponent.x - 100;
        QBlow(true);
        ASSERT_NE(TestRound4Hit(), 0);
        EXPECT_EQ(RunRound4Fight(1), r.state) << "frame " << r.frame;
    }
}

TEST_F(Round4Numbers, PushedPastTheLeftEdgeComesBackFurther) {
    struct Row {
        std::int32_t x, kept;
    };
    constexpr Row rows[] = {{O + 149, O + 250}, {O + 150, O + 150}, {O + 2788, O + 2788}, {O + 2789, O + 2788}};
    for (const Row& r : rows) {
        Round4Opponent.x = r.x;
        Era03Fighter.x = 0;
        ClampRound4OpponentX();
        EXPECT_EQ(Round4Opponent.x, r.kept);
        EXPECT_EQ(Era03Fighter.x, r.kept == r.x ? 0 : r.kept) << "the debris follows a moved opponent";
    }
}

TEST_F(Round4Numbers, FlurriesTakeOnTheSecondAndFourthSwingAndEveryFifthIsTheBigStrike) {
    // Her body box covers the whole arena: every swing touches.
    PlayerBodyBox = PlayerBodyBoxRecord{O - 1000, 0, O + 4000, 1000, 0};
    struct Row {
        std::int32_t roll, frameSeen, hpTaken;   // hpTaken -1: 20 per touching step
    };
    constexpr Row rows[] = {{10, 38, 4}, {60, 41, 10}, {49, 38, 4}, {50, 41, 10}, {10, 18, -1}};
    RunRound4CloseFlurry(0);
    for (const Row& r : rows) {
        PlayerState.hp = 5000;
        PlayerState.x = Round4Opponent.x - 100;
        NextRollsAre(r.roll);
        bool seen = false;
        int strikeSteps = 0;
        std::int32_t result = RunRound4CloseFlurry(1);
        for (int i = 0; i < 400 && result != 0 && result != kStrikeTouched; ++i) {
            Tick();
            PlayerState.x = Round4Opponent.x - 100;
            result = RunRound4CloseFlurry(1);
            seen = seen || Round4Opponent.frame == r.frameSeen;
            if (Round4Opponent.frame == 30) ++strikeSteps;
        }
        EXPECT_TRUE(seen) << "roll " << r.roll;
        if (r.hpTaken >= 0) {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(PlayerState.hp, 5000 - r.hpTaken) << "roll " << r.roll;
        } else {
            EXPECT_EQ(result, kStrikeTouched);
            for (int i = 0; i < 40; ++i) {   // the rest of its 0.2 s window
                Tick();
                RunRound4CloseFlurry(1);
                if (Round4Opponent.frame == 30) ++strikeSteps;
            }
            EXPECT_GE(strikeSteps, 12);
            EXPECT_EQ(PlayerState.hp, 5000 - 20 * strikeSteps);
        }
    }
}

TEST_F(Round4Numbers, TheWallCosts70AndTalksOnTheFirstFourthAndEighthHit) {
    // The ninth comes in a new game, which counts from its own first.
    const std::vector<std::vector<std::int32_t>> linesByWall = {{21, 22}, {}, {}, {23}, {}, {}, {}, {24}, {21, 22}};
    for (const std::vector<std::int32_t>& expected : linesByWall) {
        if (&expected == &linesByWall.back()) {
            const TournamentOpponentRecord opponent = Round4Opponent;
            ResetEra02Area();
            Round4Opponent = opponent;
        }
        PlayerState.x = O + 600;
        PlayerState.y = 640;
        PlayerState.hp = 5000;
        Round4Opponent.facing = -1;
        DialogueChannels.eventLine = 0;
        KnockBackPlayerByRound4(0);
        std::vector<std::int32_t> lines;
        std::int32_t atWall = 0, hpAtWall = 0, phase = 0;
        for (int i = 0; i < 2000 && phase != kStepDone; ++i) {
            Tick();
            phase = KnockBackPlayerByRound4(1);
            if (PlayerState.hp != 5000 && atWall == 0) {
                atWall = PlayerState.x;
                hpAtWall = PlayerState.hp;
            }
            const std::int32_t l = DialogueChannels.eventLine;
            if (l != 0 && (lines.empty() || lines.back() != l)) lines.push_back(l);
            ConfirmWaitingLine();
        }
        EXPECT_EQ(phase, kStepDone);
        EXPECT_EQ(atWall, O + 180);
        EXPECT_EQ(hpAtWall, 5000 - 70);
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(MessageBoxOpen, 0);
    }
}

// A game that ends while its charge strike throws her leaves nothing of
// the throw to the next game's round 4, which starts with her where she is.
TEST_F(Round4Numbers, ANewGamesFightMeetsNoThrowLeftByTheLast) {
    PlayerBodyBox = PlayerBodyBoxRecord{O - 1000, 0, O + 4000, 1000, 0};
    PlayerState.x = Round4Opponent.x - 100;
    RunRound4Fight(0);
    const auto thrown = [] { return PlayerState.pose >= 41 && PlayerState.pose <= 44; };
    for (int i = 0; i < 200 && !thrown(); ++i) {
        Tick();
        RunRound4Fight(1);
    }
    ASSERT_TRUE(thrown()) << "the charge strike never threw her";
    Tick(0.1);
    RunRound4Fight(1);

    // The next game: the data reset, and both back where the fixture puts
    // them, out of each other's reach.
    ResetEra02Area();
    Round4Opponent = TournamentOpponentRecord{4, O + 1000, 640, -1, 0.3f, 0};
    PlayerState.x = O + 600;
    PlayerState.y = 640;
    PlayerState.pose = 1;
    PlayerBodyBox = PlayerBodyBoxRecord{};
    const std::int32_t x = PlayerState.x;
    RunRound4Fight(0);
    for (int i = 0; i < 3; ++i) {
        Tick();
        RunRound4Fight(1);
        EXPECT_EQ(PlayerState.x, x) << "step " << i;
        EXPECT_FALSE(thrown()) << "step " << i;
    }
}

TEST_F(Round4Numbers, TheSecondWeaponsThrowTalksAtTheWallOnceAGame) {
    // Her D combo throws it into the east wall; the third throw comes in a
    // new game.
    const std::vector<std::vector<std::int32_t>> linesByThrow = {{25, 26}, {}, {25, 26}};
    for (const std::vector<std::int32_t>& expected : linesByThrow) {
        if (&expected == &linesByThrow.back()) ResetEra02Area();
        Round4Opponent.x = O + 2600;
        Round4Opponent.y = 640;
        PlayerState.facing = 1;
        PlayerMoveState.comboD = 20;
        RunRound4Reaction(0);
        std::vector<std::int32_t> lines;
        std::int32_t step = 0;
        for (int i = 0; i < 2000 && step != kStepDone; ++i) {
            Tick();
            step = RunRound4Reaction(21);
            const std::int32_t l = DialogueChannels.eventLine;
            if (l != 0 && (lines.empty() || lines.back() != l)) lines.push_back(l);
            ConfirmWaitingLine();
        }
        EXPECT_EQ(step, kStepDone);
        EXPECT_EQ(lines, expected);
    }
}

TEST_F(Round4Numbers, WhatHerBlowsTakeFromIt) {
    struct Row {
        std::int32_t kind, roll, comboS, comboD, damage;
    };
    constexpr Row rows[] = {
        {11, 29, 0, 0, 0},    {11, 30, 0, 0, 10},  {12, 99, 0, 0, 10},  {21, 9, 0, 0, 0},
        {21, 10, 0, 0, 20},   {12, 0, 20, 0, 120},  // thrown to the wall from a jump attack
        {22, 0, 0, 20, 190},
    };
    for (const Row& r : rows) {
        SetUp();
        Round4Opponent.x = O + 400;
        PlayerState.x = O + 500;
        PlayerState.facing = -1;
        PlayerMoveState.comboS = r.comboS;
        PlayerMoveState.comboD = r.comboD;
        NextRollsAre(r.roll);
        RunRound4Reaction(0);
        std::int32_t step = 0;
        for (int i = 0; i < 2000 && step != kStepDone; ++i) {
            step = RunRound4Reaction(r.kind);
            ConfirmWaitingLine();
            Tick();
        }
        EXPECT_EQ(step, kStepDone) << "kind " << r.kind << " roll " << r.roll;
        EXPECT_EQ(TournamentState.opponentHp, -r.damage) << "kind " << r.kind << " roll " << r.roll;
        EXPECT_EQ(PlayerState.exp, r.damage);
        if (r.damage > 100) {
            EXPECT_EQ(Round4Opponent.x, O + 180);
        }
    }
}

TEST_F(Round4Numbers, EveryJuggleCostsFiftyMore) {
    // Her rising F blow stays out until the opponent has been juggled n
    // times, then it is withdrawn and the opponent falls.
    for (std::int32_t juggles = 0; juggles <= 2; ++juggles) {
        SetUp();
        Round4Opponent.frame = 16;
        PlayerState.x = Round4Opponent.x;
        PlayerState.weaponMode1 = 1;
        RunRound4Reaction(0);
        std::int32_t step = 0;
        for (int i = 0; i < 3000 && step != kStepDone; ++i) {
            const bool more = -TournamentState.opponentHp < 50 * (juggles + 1);
            PlayerState.pose = more ? 122 : 1;
            PlayerMoveState.comboF = more ? 1 : 0;
            PlayerState.x = Round4Opponent.x;
            step = RunRound4Reaction(30);
            Tick();
        }
        EXPECT_EQ(step, kStepDone);
        EXPECT_EQ(TournamentState.opponentHp, -50 * (juggles + 1)) << juggles << " juggles";
    }
}

TEST_F(Round4Numbers, TheStaggerCostsOnlyAtItsFirstHitAndOnceFull) {
    // G blows in a row; the opponent is kept just ahead of her.
    struct Row {
        std::int32_t hits, taken;
    };
    constexpr Row rows[] = {{1, 40}, {3, 40}, {4, 40}, {5, 80}, {6, 120}};
    for (const Row& r : rows) {
        SetUp();
        PlayerState.weaponMode1 = 1;
        PlayerState.x = Round4Opponent.x - 60;
        RunRound4Reaction(0);
        RunRound4Reaction(40);   // the first hit
        for (std::int32_t hit = 2; hit <= r.hits; ++hit) {
            const std::int32_t before = TournamentState.opponentHp;
            bool landed = false;
            for (int i = 0; i < 64 && !landed; ++i) {
                Tick();
                PlayerState.x = Round4Opponent.x - 60;
                PlayerState.pose = 125;
                PlayerMoveState.comboG = 1;
                RunRound4Reaction(40);
                landed = Round4Opponent.x != PlayerState.x + 60 || before != TournamentState.opponentHp;
            }
            ASSERT_TRUE(landed) << "hit " << hit;
            PlayerState.pose = 1;
            PlayerMoveState.comboG = 0;
            Tick();
            RunRound4Reaction(40);
        }
        EXPECT_EQ(TournamentState.opponentHp, -r.taken) << r.hits << " hits";
    }
}

TEST_F(Round4Numbers, HurtBoxesOfItsFrames) {
    struct Row {
        std::int32_t frame, facing, left, right, top, bottom;
    };
    // Boxes in world px for an opponent standing at (O + 1000, 640).
    constexpr Row rows[] = {
        {4, 1, O + 980, O + 1018, 501, 627},  {4, -1, O + 982, O + 1020, 501, 627},
        {26, -1, O + 1008, O + 1047, 501, 601},  {26, 1, O + 953, O + 992, 501, 601},
        {17, -1, O + 1000, O + 1000, 640, 640},
    };
    for (const Row& r : rows) {
        Round4Opponent.frame = r.frame;
        Round4Opponent.facing = r.facing;
        // A blow box the size of the arena finds the hurt box; edges are
        // then told apart by blows that end one pixel short of them.
        SetRound4OpponentFrame(r.frame);
        const PendingSpriteHitBoxRecord& h = PendingSpriteHitBox;
        EXPECT_LE(h.hitLeft, h.hitRight) << "frame " << r.frame;
        const std::int32_t f = r.facing;
        const std::int32_t left = f == 1 ? 1000 - h.hitRight : 1000 + h.hitLeft;
        const std::int32_t right = f == 1 ? 1000 - h.hitLeft : 1000 + h.hitRight;
        EXPECT_EQ(O + left, r.left) << "frame " << r.frame << " facing " << f;
        EXPECT_EQ(O + right, r.right) << "frame " << r.frame << " facing " << f;
        EXPECT_EQ(640 + h.hitTop, r.top) << "frame " << r.frame;
        EXPECT_EQ(640 + h.hitBottom, r.bottom) << "frame " << r.frame;
    }
    // Frame 26 can be hit: a blow reaching into its box counts.
    Round4Opponent.frame = 26;
    Round4Opponent.facing = -1;
    PlayerState.x = O + 1000 - 57 + 10;
    PlayerState.y = 640;
    QBlow(true);
    EXPECT_NE(TestRound4Hit(), 0);
    // Frame 16 turns by the spin.
    Round4Opponent.angle = 90;
    SetRound4OpponentFrame(16);
    EXPECT_EQ(PendingSprite.angle, 90);
}

TEST_F(Round4Numbers, TheCloseGoesStraightToTheDoorFromFarRight) {
    struct Row {
        std::int32_t heroineX, stepAfterTalk;
    };
    constexpr Row rows[] = {{O + 2456, 8}, {O + 2455, 7}};
    for (const Row& r : rows) {
        SetUp();
        Round4Opponent.x = r.heroineX - 300;
        PlayerState.x = r.heroineX;
        RunTournamentClose(0);
        std::int32_t step = 0;
        for (int i = 0; i < 2000 && step < 7; ++i) {
            Tick();
            PlayerState.x = r.heroineX;
            step = RunTournamentClose(1);
            ConfirmWaitingLine();
        }
        EXPECT_EQ(step, r.stepAfterTalk) << "heroine at O+" << r.heroineX - O;
        EXPECT_EQ(KeyRightPressed, r.stepAfterTalk == 7 ? 1 : 0);
    }
}

// Their last line stays in the box while the trio go in (the box is never
// left empty), and an Enter meanwhile does not answer line 64.
TEST_F(Round4Numbers, AnEnterWhileTheTrioLeavesDoesNotAnswerLine64) {
    PlayerState.x = O + 3300;
    RunTournamentClose(0);
    std::int32_t step = 0;
    for (int i = 0; i < 20000 && step != 24; ++i) {
        Tick();
        step = RunTournamentClose(1);
        ConfirmWaitingLine();
        if (step == 9 || step == 7) PlayerState.x += 10;   // she walks out
    }
    ASSERT_EQ(step, 24);
    for (int i = 0; i < 64 && step == 24; ++i) {
        EnterConfirmState = 2;   // tapped while the trio go in
        Tick();
        step = RunTournamentClose(1);
        if (step == 24) {
            EXPECT_EQ(DialogueChannels.eventLine, 63);
        }
    }
    ASSERT_EQ(step, 25);
    EXPECT_EQ(DialogueChannels.eventLine, 64);
    EXPECT_EQ(EnterConfirmState, 1);
    Tick();
    EXPECT_EQ(RunTournamentClose(1), 25) << "line 64 waits for its own Enter";
}

TEST_F(Round4Numbers, TheDebrisBurstLastsTwoSecondsAndRestarts) {
    DebrisBurst.trigger = 1;
    UpdateDebrisBurst();
    EXPECT_EQ(DebrisBurst.trigger, 2);
    const double start = GameClock.gameClock;
    int calls = 0;
    while (DebrisBurst.trigger != 0 && calls < 1000) {
        Tick();
        UpdateDebrisBurst();
        ++calls;
    }
    EXPECT_DOUBLE_EQ(GameClock.gameClock - start, 2.0) << "it ends at the first call 2.0 s on";
    EXPECT_EQ(DebrisBurst.shown[0], 0);
    // A burst asked for again while one runs starts over.
    DebrisBurst.trigger = 1;
    UpdateDebrisBurst();
    Tick(1.5);
    DebrisBurst.trigger = 1;
    UpdateDebrisBurst();
    EXPECT_EQ(DebrisBurst.startTime, GameClock.gameClock);
    EXPECT_EQ(DebrisBurst.shown[0], 1);
}

}  // namespace
