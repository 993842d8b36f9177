// The numbers of the Era03 arena encounter that matter: when the encounter
// starts and what it loads, the post's reach, boss 1's choices, bullets and
// blows, enemy 2's bands and counter-throw, enemy 3's healing, shots and orb.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>

#include "areas/era03/arena.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"
#include "core/step_helpers.h"
#include "shell/graphics.h"
#include "text/game_over.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t A = kArenaAnchor;

// The generator state whose next Random0To99 is `value`.
std::uint32_t SeedForRoll(std::int32_t value) {
    std::uint32_t want = 0;
    while (static_cast<std::int32_t>(want / 32767.0 * 99.0) < value) ++want;
    const std::uint32_t a = 214013u;
    std::uint32_t inv = a;
    for (int i = 0; i < 5; ++i) inv *= 2u - a * inv;
    return ((want << 16) - 2531011u) * inv;
}
void NextRoll(std::int32_t value) { SeedRandom(SeedForRoll(value)); }

class ArenaNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEra03Area();
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        for (auto& f : TextureFlags) f = 0;
        GameClock.gameClock = 100.0;
        EndEveryHold();
        ScrollX = A - 60;
        // A body box the test moves with the heroine.
        PlaceHeroine(A, 640);
    }
    static void PlaceHeroine(std::int32_t x, std::int32_t y) {
        PlayerState.x = x;
        PlayerState.y = y;
        PlayerBodyBox = {x - 15, y - 120, x + 15, y, x};
    }
    static void Tick(double dt = 0.014) { GameClock.gameClock += dt; }
    // Boss 1 at A + 400 facing right starts `pattern` with her standing
    // wherever any box of a pattern reaches, and runs it until it strikes her
    // (or 3 s pass).
    static void StrikeWithBoss1Pattern(std::int32_t pattern) {
        Era03ArenaBoss1 = Era03ArenaBoss1Record{};
        Era03ArenaBoss1.x = A + 400;
        Era03ArenaBoss1.facing = 1;
        PlayerState.hp = 1000;
        PlaceHeroine(A + 400, 640);
        PlayerBodyBox = {A + 250, 500, A + 550, 700, A + 400};
        RunEra03ArenaBoss1Pattern(0);
        RunFor([&] { return PlayerState.hp < 1000 ? kArenaDone : RunEra03ArenaBoss1Pattern(pattern); }, 3.0);
    }
    // Steps `step` until it returns 99 or `seconds` pass.
    static std::int32_t RunFor(const std::function<std::int32_t()>& step, double seconds) {
        std::int32_t r = 0;
        for (double t = 0; t < seconds && r != kArenaDone; t += 0.014) {
            Tick();
            r = step();
        }
        return r;
    }
};

// ---- controller ------------------------------------------------------------

TEST_F(ArenaNumbers, TheEncounterStartsOnePixelPastItsMark) {
    // At its mark, or past its far wall, nothing starts.
    for (const std::int32_t x : {A - 500, A + kPostStandX}) {
        PlayerState.x = x;
        RunEra03ArenaEncounter();
        EXPECT_EQ(Era03ArenaEncounter.controllerState, 0) << x;
        EXPECT_EQ(PlayerState.x, x);
    }
    PlayerState.x = A - 499;
    RunEra03ArenaEncounter();
    EXPECT_EQ(Era03ArenaEncounter.controllerState, 1);
    EXPECT_EQ(PlayerState.x, A - 500) << "put back to the mark";
    EXPECT_EQ(Era03ArenaBoss1.pose, 101);
    EXPECT_FLOAT_EQ(Era03ArenaEncounter.sceneDepthOffset, 0.7f);
}

// Boss 1 talks from her seat with the big man on her right, then calls out
// to the heroine on her left and questions her: for those lines her seated
// cell, painted looking right, is turned to the heroine.
TEST_F(ArenaNumbers, Boss1LooksFromHerSeatAtWhomSheTalksTo) {
    const HoldStep step(kEra03ArenaHold);
    PlayerState.x = A - 499;
    RunEra03ArenaEncounter();
    std::map<std::int32_t, std::int32_t> facingAt;   // line: the mirror word of her seated cell
    for (int i = 0; i < 100 && DialogueChannels.eventLine < 25; ++i) {
        Tick();
        EnterConfirmState = kLineRead;
        RunEra03ArenaIntro(1);
        PlaceHeroine(A + 190, 640);   // where the walk in brings her
        SetEra03ArenaSceneSprite(2);
        if (Era03ArenaBoss1.pose <= 105) facingAt[DialogueChannels.eventLine] = PendingSprite.facing;
    }
    const std::map<std::int32_t, std::int32_t> want = {{16, 1}, {17, 1}, {19, 1}, {21, 1},
                                                       {22, -1}, {23, -1}, {24, -1}};
    for (const auto& [line, facing] : want) EXPECT_EQ(facingAt[line], facing) << "line " << line;
}

TEST_F(ArenaNumbers, Enemy3WaitsForBothOfItsSheets) {
    struct Case {
        std::uint32_t fight, stand;
        std::int32_t state;
    };
    const Case cases[] = {{1, 0, 6}, {0, 1, 6}, {901, 1, 6}, {1, 1, 7}};
    for (const Case& c : cases) {
        Era03ArenaEncounter.controllerState = 6;
        TextureFlags[57] = c.fight;
        TextureFlags[50] = c.stand;
        RunEra03ArenaEncounter();
        EXPECT_EQ(Era03ArenaEncounter.controllerState, c.state) << c.fight << " " << c.stand;
        EXPECT_NE(TextureFlags[57], 0u);
        EXPECT_NE(TextureFlags[50], 0u);
    }
}

TEST_F(ArenaNumbers, AGameLoadedPastTheIntroFindsThePostStandingAtItsWall) {
    // The save keeps the controller's state only; the post comes back as
    // the data reset left it (its top at y 0, hidden) unless it was sunk.
    struct Case {
        std::int32_t state, postY, frame;
        std::int32_t wantY, wantFrame;
    };
    const Case cases[] = {{2, 0, 0, 180, 2}, {5, 0, 0, 180, 2}, {7, 0, 0, 180, 2},
                          {7, 676, 0, 676, -1},   // sunk by the closing scene: stays down
                          {1, 0, 0, 0, 0}};      // the intro still to throw it
    for (const Case& c : cases) {
        ResetEra03Area();
        Era03ArenaEncounter.controllerState = c.state;
        Era03ArenaHazardPost.y = c.postY;
        Era03ArenaEncounter.hazardPostFrame = c.frame;
        PlaceHeroine(A, 640);
        RunEra03ArenaEncounter();
        EXPECT_EQ(Era03ArenaHazardPost.y, c.wantY) << "state " << c.state;
        if (c.wantFrame >= 0) {
            EXPECT_EQ(Era03ArenaEncounter.hazardPostFrame, c.wantFrame) << "state " << c.state;
        }
        if (c.wantY == 180) {
            EXPECT_EQ(Era03ArenaHazardPost.x, A + 908) << "state " << c.state;
        }
    }
}

TEST_F(ArenaNumbers, AGameLoadedForEnemy3FindsTheBeatenTwoWatchingFromTheirPosts) {
    // Boss 1 keeps its pose once it has one; the data reset leaves it 0.
    // Loaded during enemy 3's fight, the fight begins again from state 6.
    struct Case {
        std::int32_t state, pose;
        std::int32_t wantPose, wantFigure, wantState;
    };
    for (const Case& c : {Case{6, 0, 108, 7, 6}, Case{7, 0, 108, 7, 6}, Case{7, 47, 47, 0, 7}, Case{5, 0, 0, 0, 5}}) {
        ResetEra03Area();
        Era03ArenaEncounter.controllerState = c.state;
        Era03ArenaBoss1.pose = c.pose;
        Era03ArenaHazardPost.y = 180;
        PlaceHeroine(A, 640);
        RunEra03ArenaEncounter();
        EXPECT_EQ(Era03ArenaBoss1.pose, c.wantPose) << "state " << c.state << " pose " << c.pose;
        EXPECT_EQ(Era03ArenaEncounter.controllerState, c.wantState) << "state " << c.state << " pose " << c.pose;
        if (c.wantFigure == 0) continue;
        EXPECT_EQ(Era03ArenaBoss1.preFightState, c.wantFigure) << "state " << c.state;
        EXPECT_TRUE(Era03ArenaBoss1.x >= A + 550 && Era03ArenaBoss1.x <= A + 600) << Era03ArenaBoss1.x - A;
        EXPECT_TRUE(Era03ArenaEnemy2.x >= A + 600 && Era03ArenaEnemy2.x <= A + 650) << Era03ArenaEnemy2.x - A;
        // The view enemy 2's end scene leaves, her walked into it.
        EXPECT_EQ(ScrollX, A + 24);
        EXPECT_EQ(PlayerState.x, A + 274);
    }
}

TEST_F(ArenaNumbers, OnceEveryoneIsShownEnemy3sSheetIsNoLongerAskedFor) {
    Era03ArenaEncounter.controllerState = 7;
    Era03ArenaBoss1.pose = 108;   // watching, as enemy 2's end scene leaves it
    Era03ArenaEncounter.showAll = 99;
    RunEra03ArenaEncounter();
    EXPECT_EQ(TextureFlags[57], 0u);
    EXPECT_EQ(TextureFlags[50], kGraphicRequested);
    Era03ArenaEncounter.showAll = 0;
    RunEra03ArenaEncounter();
    EXPECT_EQ(TextureFlags[57], kGraphicRequested);
}

// ---- the post ----------------------------------------------------------------

TEST_F(ArenaNumbers, ThePostStandsAtTheWallInView) {
    // The two walls are 1608 px apart and the window 1300 px wide, so one
    // wall at most is in it.
    struct Case {
        std::int32_t scrollX, postX;
    };
    for (const Case& c : {Case{A - 600, A - 700}, Case{A, A + 908}, Case{A - 191, A + 908}, Case{A - 192, 0}}) {
        ScrollX = c.scrollX;
        Era03ArenaHazardPost.x = 0;
        PlaceHeroine(A, 640);
        UpdateEra03ArenaHazardOnPlayer(0);
        UpdateEra03ArenaHazardOnPlayer(1);
        EXPECT_EQ(Era03ArenaHazardPost.x, c.postX) << "scroll " << c.scrollX;
    }
}

TEST_F(ArenaNumbers, ThePostThrowsWhoeverComesWithinReach) {
    ScrollX = A;
    const std::int32_t post = A + 908;
    struct Case {
        std::int32_t distance, hpLost;
    };
    for (const Case& c : {Case{69, 50}, Case{70, 0}}) {
        PlaceHeroine(post - c.distance, 640);
        PlayerState.hp = 100;
        UpdateEra03ArenaHazardOnPlayer(0);
        const std::int32_t r = UpdateEra03ArenaHazardOnPlayer(1);
        EXPECT_EQ(100 - PlayerState.hp, c.hpLost) << c.distance;
        EXPECT_EQ(r != 0, c.hpLost != 0) << c.distance;
    }
    for (const Case& c : {Case{74, 50}, Case{75, 0}}) {
        Era03ArenaHazardPost.x = post;
        Era03ArenaBoss1.x = post - c.distance;
        Era03ArenaBoss1.hp = 1000;
        PlayerState.exp = 0;
        UpdateEra03ArenaHazardOnBoss1(0);
        UpdateEra03ArenaHazardOnBoss1(1);
        EXPECT_EQ(1000 - Era03ArenaBoss1.hp, c.hpLost) << c.distance;
        EXPECT_EQ(PlayerState.exp, c.hpLost) << "her EXP grows by what boss 1 loses";
    }
}

// ---- boss 1 ------------------------------------------------------------------

TEST_F(ArenaNumbers, Boss1sRollsPickThePatternOfTheirBand) {
    struct Case {
        std::int32_t roll, distance, state;   // state 3: a pattern was chosen
    };
    const Case cases[] = {
        {0, 100, 2}, {30, 100, 2}, {29, 100, 3}, {50, 130, 2}, {51, 130, 3}, {1, 130, 3}, {0, 130, 2},
    };
    for (const Case& c : cases) {
        RunEra03ArenaBoss1Phase(0);
        StepEra03ArenaBoss1Walk(0, 1.0f);
        PlaceHeroine(Era03ArenaBoss1.x - c.distance, 640);
        NextRoll(c.roll);
        EXPECT_EQ(RunEra03ArenaBoss1Phase(1), c.state) << "roll " << c.roll << " at " << c.distance;
    }
}

TEST_F(ArenaNumbers, Boss1FiresEverySeventhCallAndAtMostTen) {
    RunEra03ArenaBoss1Phase(0);
    UpdateEra03ArenaBoss1Bullets(0);
    PlaceHeroine(A, 640);
    std::vector<int> fired;
    for (int call = 1; call <= 90; ++call) {
        const std::int32_t before = Era03ArenaBoss1.bulletCount;
        UpdateEra03ArenaBoss1Bullets(1);
        if (Era03ArenaBoss1.bulletCount != before) fired.push_back(call);
    }
    ASSERT_EQ(fired.size(), 10u);
    for (std::size_t i = 1; i < fired.size(); ++i) EXPECT_EQ(fired[i] - fired[i - 1], 7);

    // Each bullet that meets her takes 10 HP, once.
    Era03ArenaBullets.startX[1] = PlayerState.x;
    Era03ArenaBullets.startY[1] = PlayerState.y - 60;
    Era03ArenaBullets.vx[1] = 0;
    Era03ArenaBullets.vy[1] = 0;
    PlayerState.hp = 100;
    UpdateEra03ArenaBoss1Bullets(2);
    UpdateEra03ArenaBoss1Bullets(2);
    EXPECT_EQ(PlayerState.hp, 90);
}

TEST_F(ArenaNumbers, Boss1FallsOnlyBelowZero) {
    for (std::int32_t hp : {0, -1}) {
        RunEra03ArenaBoss1Phase(0);
        StepEra03ArenaBoss1Walk(0, 1.0f);
        Era03ArenaBoss1.hp = hp;
        PlaceHeroine(Era03ArenaBoss1.x - 300, 640);
        NextRoll(0);
        EXPECT_EQ(RunEra03ArenaBoss1Phase(1) == 4, hp < 0) << "HP " << hp;
    }
}

TEST_F(ArenaNumbers, Boss1sBlowsTakeTheirShare) {
    struct Case {
        std::int32_t pattern, lost;
    };
    for (const Case& c : {Case{1, 10}, Case{2, 15}, Case{3, 10}, Case{5, 30}}) {
        StrikeWithBoss1Pattern(c.pattern);
        EXPECT_EQ(1000 - PlayerState.hp, c.lost) << "pattern " << c.pattern;
        RunFor([&] { return RunEra03ArenaBoss1Pattern(c.pattern); }, 5.0);   // her struck timing ends
    }
    // The thrown shot.
    Era03ArenaBoss1 = Era03ArenaBoss1Record{};
    Era03ArenaBoss1.x = A + 400;
    Era03ArenaBoss1.facing = 1;
    Era03ArenaBoss1.effectB = 99;
    PlayerState.hp = 1000;
    PlaceHeroine(A + 200, 640);
    UpdateEra03ArenaBoss1Shot(0);
    RunFor([&] { return PlayerState.hp < 1000 ? kArenaDone : UpdateEra03ArenaBoss1Shot(1); }, 2.0);
    EXPECT_EQ(1000 - PlayerState.hp, 50);
}

// A rush cut short while it throws her (her blow lands, and the phase arms
// the next pattern) leaves nothing of that blow: the next rush, chosen with
// her 800 px away, neither puts her back where the first one struck her nor
// holds her.
TEST_F(ArenaNumbers, Boss1sNextPatternKeepsNothingOfABlowCutShort) {
    const HoldStep step(kEra03ArenaHold);
    StrikeWithBoss1Pattern(5);
    ASSERT_LT(PlayerState.hp, 1000) << "the rush never struck her";
    Tick();
    RunEra03ArenaBoss1Pattern(5);
    ASSERT_EQ(MessageBoxOpen, 1) << "the rush throws her";

    // Her blow lands: the phase cuts the pattern short and lets her go.
    RunEra03ArenaBoss1Pattern(0);
    LetGoOfHeroine(kHoldKeys);
    // She walks away while boss 1 reels; then it rushes again.
    const std::int32_t away = A - 400;
    PlaceHeroine(away, 640);
    Tick(2.0);
    RunEra03ArenaBoss1Pattern(0);
    RunEra03ArenaBoss1Pattern(5);
    EXPECT_EQ(PlayerState.x, away);
    EXPECT_EQ(MessageBoxOpen, 0);
}

// ---- enemy 2 -----------------------------------------------------------------

using Reaction = std::int32_t (*)(std::int32_t);

class Enemy2Numbers : public ArenaNumbers {
protected:
    void SetUp() override {
        ArenaNumbers::SetUp();
        ResetEra03ArenaEnemy2Bands();
        Era03ArenaEnemy2.x = A + 300;
        Era03ArenaEnemy2.pose = 1;
        PlayerState.maxHp = PlayerState.hp = 1000;
        PlaceHeroine(A + 200, 640);
    }
    // One reaction with the given roll, run to its end.
    static std::int32_t Run(Reaction r, std::int32_t kind, std::int32_t roll, double seconds = 6.0) {
        NextRoll(roll);
        r(0);
        Tick();
        const std::int32_t first = r(kind);
        RunFor([&] { return r(kind); }, seconds);
        return first;
    }
};

TEST_F(Enemy2Numbers, EachFamilysFirstBlowLandsAndPaysItsDamageAsExp) {
    struct Case {
        Reaction reaction;
        std::int32_t kind, lost;
    };
    const Case cases[] = {{RunEra03ArenaEnemy2ReactionS, 12, 10},
                          {RunEra03ArenaEnemy2ReactionD, 22, 50},
                          {RunEra03ArenaEnemy2ReactionF, 30, 50},
                          {RunEra03ArenaEnemy2ReactionG, 40, 90}};
    for (const Case& c : cases) {
        Era03ArenaEnemy2.hp = 2000;
        const std::int32_t exp = PlayerState.exp;
        Run(c.reaction, c.kind, 99);
        EXPECT_EQ(2000 - Era03ArenaEnemy2.hp, c.lost) << "kind " << c.kind;
        EXPECT_EQ(PlayerState.exp - exp, c.lost) << "kind " << c.kind << ": what it loses she gains as EXP";
    }
    EXPECT_EQ(Era03ArenaEnemy2FamilyBands(1).hit, 5) << "D narrows its hit band in every step";
}

TEST_F(Enemy2Numbers, TenGuardsBreakTheGuardOnce) {
    for (int i = 0; i < 10; ++i) Run(RunEra03ArenaEnemy2ReactionS, 12, 0);
    ASSERT_EQ(Era03ArenaEnemy2FamilyBands(0).hit, 5);
    for (int i = 0; i < 10; ++i) Run(RunEra03ArenaEnemy2ReactionS, 12, 40);
    EXPECT_EQ(Era03ArenaEnemy2FamilyBands(0).counter, 49);
    EXPECT_EQ(Era03ArenaEnemy2.guardBreaks, 1);
    Run(RunEra03ArenaEnemy2ReactionS, 12, 40);
    EXPECT_EQ(Era03ArenaEnemy2FamilyBands(0).counter, 44);
    EXPECT_EQ(Era03ArenaEnemy2.guardBreaks, 1) << "a family counts once";
}

TEST_F(Enemy2Numbers, HighBlowsAreNeverCounterThrown) {
    // Bands at hit 5, counter 49: a roll of 99 is above both.
    for (int i = 0; i < 10; ++i) Run(RunEra03ArenaEnemy2ReactionS, 12, 0);
    for (int i = 0; i < 10; ++i) Run(RunEra03ArenaEnemy2ReactionS, 12, 40);
    Run(RunEra03ArenaEnemy2ReactionD, 22, 0);
    for (int i = 0; i < 10; ++i) Run(RunEra03ArenaEnemy2ReactionD, 22, 40);
    struct Case {
        Reaction reaction;
        std::int32_t kind, state;   // 32 guarded, 42 counter-throw under way
    };
    const Case cases[] = {{RunEra03ArenaEnemy2ReactionS, 11, 32},
                          {RunEra03ArenaEnemy2ReactionS, 12, 42},
                          {RunEra03ArenaEnemy2ReactionD, 21, 32},
                          {RunEra03ArenaEnemy2ReactionD, 22, 42}};
    for (const Case& c : cases) {
        PlaceHeroine(A + 200, 640);
        EXPECT_EQ(Run(c.reaction, c.kind, 99), c.state) << "kind " << c.kind;
    }
}

// Past the post at her wall (where its counter-throw at the wall takes it),
// the post throws enemy 2 outward; it shares her walls, so it comes back
// within her reach instead of being thrown out again whenever it returns.
TEST_F(Enemy2Numbers, ThePostNeverLeavesItPastHerWall) {
    const HoldStep step(kEra03ArenaHold);
    Era03ArenaEncounter.controllerState = 5;
    TextureFlags[56] = kGraphicLoaded;
    RunEra03ArenaEnemy2Phase(0);
    Era03ArenaHazardPost = Era03ArenaHazardPostRecord{A + kPostStandX, kPostStandTop, 0, 1.0f};
    Era03ArenaEncounter.hazardPostFrame = 2;
    Era03ArenaEnemy2.x = A + kPostStandX + 20;
    Era03ArenaEnemy2.pose = 1;
    PlaceHeroine(A, 640);
    std::int32_t furthest = 0;
    for (double t = 0; t < 6.0; t += 0.014) {
        Tick();
        RunEra03ArenaEncounter();
        LimitEra03();
        furthest = std::max(furthest, Era03ArenaEnemy2.x);
    }
    EXPECT_LE(Era03ArenaEnemy2.x, A + 850);
    EXPECT_LE(furthest, A + 850);
}

TEST_F(Enemy2Numbers, ACounterThrowToOneHpEndsTheGame) {
    for (int i = 0; i < 10; ++i) Run(RunEra03ArenaEnemy2ReactionS, 12, 0);
    for (int i = 0; i < 10; ++i) Run(RunEra03ArenaEnemy2ReactionS, 12, 40);
    PlayerState.hp = 40;
    NextRoll(99);
    RunEra03ArenaEnemy2ReactionS(0);
    std::int32_t r = 0;
    double lyingFrom = -1;
    for (double t = 0; t < 8.0 && r != kArenaDone; t += 0.014) {
        Tick();
        r = RunEra03ArenaEnemy2ReactionS(12);
        if (r == 52 && lyingFrom < 0) lyingFrom = GameClock.gameClock;
        if (r == 52) {
            EXPECT_EQ(PlayerState.pose, 32);
            EXPECT_EQ(PlayerState.hp, 1);
        }
    }
    ASSERT_GT(lyingFrom, 0) << "she never lay at 1 HP";
    EXPECT_NEAR(GameClock.gameClock - lyingFrom, 3.2, 0.03);
    EXPECT_EQ(PlayerState.hp, 0);
    EXPECT_EQ(GameOverState.step, 4) << "the game over starts at its fourth step";
}

TEST_F(Enemy2Numbers, ARetryStartsFromFreshBands) {
    for (int i = 0; i < 5; ++i) Run(RunEra03ArenaEnemy2ReactionF, 30, 0);
    ASSERT_EQ(Era03ArenaEnemy2FamilyBands(2).latch, 1);
    ASSERT_EQ(Era03ArenaEnemy2.guardBreaks, 1);
    RunEra03ArenaEnemy2Phase(0);   // the fight again after a game over
    EXPECT_EQ(Era03ArenaEnemy2FamilyBands(2).hit, 0);
    EXPECT_EQ(Era03ArenaEnemy2.guardBreaks, 0);
    for (int i = 0; i < 5; ++i) Run(RunEra03ArenaEnemy2ReactionF, 30, 0);
    EXPECT_EQ(Era03ArenaEnemy2.guardBreaks, 1) << "the family latches again";
}

// ---- enemy 3 -----------------------------------------------------------------

TEST_F(ArenaNumbers, HerBlowsOnEnemy3HealHer) {
    struct Case {
        std::int32_t kind, enemyY, hpBefore, hpAfter, maxHp;
    };
    const Case cases[] = {
        {12, 640, 100, 130, 500}, {12, 600, 100, 180, 500}, {22, 640, 100, 155, 500},
        {30, 600, 100, 245, 500}, {40, 640, 190, 200, 200},   // capped at her max
    };
    for (const Case& c : cases) {
        PlayerState.maxHp = c.maxHp;
        PlayerState.hp = c.hpBefore;
        Era03ArenaEnemy3.y = c.enemyY;
        Era03ArenaEnemy3.x = A;
        Era03ArenaEnemy3.hp = 5000;
        RunEra03ArenaEnemy3HitReaction(0);
        RunEra03ArenaEnemy3HitReaction(c.kind);
        EXPECT_EQ(PlayerState.hp, c.hpAfter) << "kind " << c.kind << " y " << c.enemyY;
    }
}

TEST_F(ArenaNumbers, Enemy3sShotsHitAndTheFiftyFirstIsLost) {
    PlaceHeroine(A, 640);
    PlayerState.hp = 100;
    StepEra03ArenaEnemy3Shots(0);
    SpawnEra03ArenaEnemy3Shot(2, A, 580, 0, 0);
    StepEra03ArenaEnemy3Shots(1);
    EXPECT_EQ(PlayerState.hp, 80);
    EXPECT_EQ(PlayerState.x, A - 30);

    StepEra03ArenaEnemy3Shots(0);
    for (int i = 0; i < 50; ++i) SpawnEra03ArenaEnemy3Shot(1, A + 500, 300, 0, 0);
    ASSERT_EQ(Era03ArenaBoss1.bulletCount, 50);
    SpawnEra03ArenaEnemy3Shot(1, A + 500, 300, 0, 0);
    EXPECT_EQ(Era03ArenaBoss1.bulletCount, 50);
    EXPECT_EQ(Era03ArenaBullets.active[0], 0) << "nothing is written outside slots 1..60";
    EXPECT_EQ(Era03ArenaBullets.active[51], 0);
}

TEST_F(ArenaNumbers, TheOrbHurtsAndThrowsByItsSize) {
    struct Case {
        float size;
        std::int32_t radius, hpLost, side, up;
    };
    for (const Case& c : {Case{1.5f, 52, 165, 2648, 1103}, Case{0.8f, 28, 88, 768, 320}}) {
        EXPECT_EQ(Era03OrbSideSpeed(c.radius), c.side);
        EXPECT_EQ(Era03OrbUpSpeed(c.radius), c.up);
        PlaceHeroine(A, 640);
        PlayerState.hp = 1000;
        Era03ArenaCaptureOrb = Era03ArenaCaptureOrbRecord{};
        Era03ArenaCaptureOrb.state = 3;   // held, then let go beside her
        Era03ArenaCaptureOrb.x = A + 10;
        Era03ArenaCaptureOrb.y = 600;
        Era03ArenaCaptureOrb.size = c.size;
        RunEra03ArenaCaptureOrb(1);
        Era03ArenaCaptureOrb.state = 2;
        RunFor([&] { return PlayerState.hp < 1000 ? kArenaDone : RunEra03ArenaCaptureOrb(1); }, 1.0);
        EXPECT_EQ(1000 - PlayerState.hp, c.hpLost) << "size " << c.size;
    }
}

}  // namespace

namespace {

// ---- blows no reaction takes, and scenes that must not wait for ever ----------

TEST_F(ArenaNumbers, BlowsWithoutAReactionEndTheDispatchAtOnce) {
    using Dispatch = std::int32_t (*)(std::int32_t);
    for (Dispatch d : {DispatchEra03ArenaBoss1Hit, DispatchEra03ArenaEnemy2Hit, DispatchEra03ArenaEnemy3Hit}) {
        for (std::int32_t kind : {50, 1, 2, 3, 4, 5}) {
            d(0);
            EXPECT_EQ(d(kind), kArenaDone) << "kind " << kind;
        }
    }
}

TEST_F(ArenaNumbers, Enemy2sEndSceneGoesOnWhenTheGiftFliesOutOfView) {
    TextureFlags[55] = kGraphicLoaded;
    Era03ArenaBoss1.x = A + 575;
    Era03ArenaBoss1.pose = 108;
    Era03ArenaEnemy2.x = A + 300;
    PlaceHeroine(A + 100, 640);
    PlayerState.maxHp = 500;
    PlayerState.hp = 200;
    RunEra03ArenaEnemy2EndScene(0);
    bool thrown = false;
    std::int32_t state = 0;
    for (double t = 0; t < 30.0 && state < 18; t += 0.014) {
        Tick();
        if (EnterConfirmState == 1) EnterConfirmState = 2;
        state = RunEra03ArenaEnemy2EndScene(1);
        // The gift is in the air: the view jumps away before it reaches her.
        if (state == 15 && !thrown) {
            ScrollX += 5000;
            thrown = true;
        }
    }
    ASSERT_TRUE(thrown);
    EXPECT_GE(state, 18) << "the scene went on";
    EXPECT_EQ(PlayerState.hp, PlayerState.maxHp);
}

// Boss 1 beaten at or past the edge of the view throws its gift where it is
// gone in the frame it is made: the scene ends without it.
TEST_F(ArenaNumbers, Boss1sDefeatSceneEndsWhereverItsGiftGoes) {
    struct Case {
        std::int32_t bossX;
        bool refilled;
    };
    const Case cases[] = {
        {A + 500, true},     // in view: the gift reaches her
        {A + 1400, false},   // past the right edge: the gift starts out of view
    };
    for (const Case& c : cases) {
        SetUp();
        PlaceHeroine(A + 100, 640);
        PlayerState.maxHp = 500;
        PlayerState.hp = 200;
        Era03ArenaBoss1.x = c.bossX;
        RunEra03ArenaBoss1Defeat(0);
        std::int32_t step = 1;
        for (double t = 0; t < 30.0 && step != kArenaDone; t += 0.014) {
            Tick();
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            step = RunEra03ArenaBoss1Defeat(1);
        }
        EXPECT_EQ(step, kArenaDone) << "boss at " << c.bossX - A;
        EXPECT_EQ(MessageBoxOpen, 0) << "boss at " << c.bossX - A;
        EXPECT_EQ(PlayerState.hp == PlayerState.maxHp, c.refilled) << "boss at " << c.bossX - A;
    }
}

// Enemy 2's end scene walks her in from an edge of the view with the arrow
// keys; a key event on the way clears them, and the walk must go on.
TEST_F(ArenaNumbers, Enemy2sEndSceneWalksHerInPastAKeyEvent) {
    struct Case {
        std::int32_t inside;   // px inside the view's left (> 0) or right (< 0) edge
    };
    const Case cases[] = {{10}, {-10}};
    for (const Case& c : cases) {
        SetUp();
        const std::int32_t dir = c.inside > 0 ? 1 : -1;
        const std::int32_t edge = dir > 0 ? ScrollX : ScrollX + 1024;
        TextureFlags[55] = kGraphicLoaded;
        Era03ArenaBoss1.x = A + 575;
        Era03ArenaBoss1.pose = 108;
        Era03ArenaEnemy2.x = A + 300;
        PlaceHeroine(edge + c.inside, 640);
        DialogueChannels = DialogueChannelsRecord{};
        EnterConfirmState = 0;
        RunEra03ArenaEnemy2EndScene(0);
        bool keyEvent = false;
        for (double t = 0; t < 30.0 && DialogueChannels.eventLine != 60; t += 0.014) {
            Tick();
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            RunEra03ArenaEnemy2EndScene(1);
            // The heroine's controller walks her while an arrow is down.
            const std::int32_t step = KeyRightPressed ? 4 : KeyLeftPressed ? -4 : 0;
            PlaceHeroine(PlayerState.x + step, 640);
            // 200 px inside, any key event clears the arrows.
            if (!keyEvent && (PlayerState.x - edge) * dir >= 200) {
                KeyRightPressed = KeyLeftPressed = 0;
                keyEvent = true;
            }
        }
        ASSERT_TRUE(keyEvent) << "inside " << c.inside;
        EXPECT_EQ(DialogueChannels.eventLine, 60) << "inside " << c.inside;
        EXPECT_GE((PlayerState.x - edge) * dir, 250) << "inside " << c.inside;
    }
}

}  // namespace

namespace {

class Enemy3Fight : public ArenaNumbers {
protected:
    // Through the entrance and the opening throw, every line read at once.
    void ReachTheFight() {
        PlayerState.maxHp = PlayerState.hp = 5000;
        PlaceHeroine(A - 200, 640);
        RunEra03ArenaEnemy3Phase(0);
        std::int32_t state = 1;
        for (double t = 0; t < 60.0 && state != 4 && state != 5 && state != 6; t += 0.014) {
            Tick();
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            PlaceHeroine(A - 200, 640);
            state = RunEra03ArenaEnemy3Phase(1);
        }
        ASSERT_GE(state, 4) << "the fight never began";
        previous_ = state;
    }
    // Her S blow meets it; its reaction runs to its end. Returns the state
    // of the step in which the reaction ended (0 when it never did).
    std::int32_t OneReaction() {
        for (double t = 0; t < 10.0; t += 0.014) {
            Tick();
            const bool strike = previous_ != 0 && Era03ArenaEnemy3.y == 640;
            PlaceHeroine(Era03ArenaEnemy3.x - 60, 640);
            PlayerState.facing = 1;
            PlayerState.pose = strike ? 21 : 22;
            PlayerMoveState.comboS = strike ? 13 : 0;
            const std::int32_t state = RunEra03ArenaEnemy3Phase(1);
            const bool ended = previous_ == 0 && state != 0;
            previous_ = state;
            if (ended) return state;
        }
        return 0;
    }
    std::int32_t previous_ = 0;
};

TEST_F(Enemy3Fight, ItCounterAttacksAfterTheThirdBlowOfOneKindInARow) {
    ReachTheFight();
    const std::int32_t first = OneReaction(), second = OneReaction(), third = OneReaction();
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 3);
    EXPECT_TRUE(third == 5 || third == 6) << "state " << third;
}

TEST_F(Enemy3Fight, ItGivesUpOnlyBelowZeroHpWithBothWellInside) {
    struct Case {
        std::int32_t hp, scrollX, heroineX, enemyX;
        bool givesUp;
    };
    const Case cases[] = {
        {-1, A - 300, A + 100, A + 300, true},
        {0, A - 300, A + 100, A + 300, false},    // HP 0 fights on
        {-1, A - 300, A + 300, A + 100, false},   // she must be on its left
        {-1, A - 300, A + 150, A + 240, false},   // more than 100 px apart
        {-1, A - 300, A + 100, A + 700, false},   // it is too far from the middle of the view
        {-1, A - 700, A - 250, A + 100, false},   // she is too far from the arena's middle
    };
    for (const Case& c : cases) {
        SetUp();
        ReachTheFight();
        // A third blow of one kind in a row would be answered by a
        // counter-attack; the blow after it ends plainly again.
        std::int32_t ended = OneReaction();
        for (int i = 0; i < 2 && ended != 3; ++i) ended = OneReaction();
        ASSERT_EQ(ended, 3);
        // The step after a reaction chooses anew, and first asks whether
        // the fight is over.
        Era03ArenaEnemy3.hp = c.hp;
        ScrollX = c.scrollX;
        PlaceHeroine(c.heroineX, 640);
        PlayerState.pose = 22;
        PlayerMoveState.comboS = 0;
        Era03ArenaEnemy3.x = c.enemyX;
        Tick();
        EXPECT_EQ(RunEra03ArenaEnemy3Phase(1) == 90, c.givesUp)
            << "HP " << c.hp << " heroine " << c.heroineX - A << " enemy " << c.enemyX - A;
    }
}

// Its closing barrage, which she watches without her hands, costs her HP
// but never kills her, however low she came into it.
TEST_F(Enemy3Fight, TheClosingBarrageLeavesHerStanding) {
    // 40 shots at one HP each: from 15 she would reach 0 at the fifteenth,
    // from 40 at the last; its shots in flight strike for 20.
    for (const std::int32_t hpBefore : {15, 40, 200}) {
        SetUp();
        ReachTheFight();
        std::int32_t ended = OneReaction();
        for (int i = 0; i < 2 && ended != 3; ++i) ended = OneReaction();
        ASSERT_EQ(ended, 3);
        ScrollX = A - 300;
        PlaceHeroine(A + 100, 640);
        PlayerState.pose = 22;
        PlayerMoveState.comboS = 0;
        PlayerState.hp = hpBefore;
        Era03ArenaEnemy3.x = A + 300;
        Era03ArenaEnemy3.hp = -1;
        std::int32_t lowest = hpBefore;
        Tick();
        ASSERT_EQ(RunEra03ArenaEnemy3Phase(1), 90) << "it never gave up";
        for (double t = 0; t < 8.0 && DialogueChannels.eventLine != 92; t += 0.014) {
            Tick();
            PlaceHeroine(A + 100, 640);
            RunEra03ArenaEnemy3Phase(1);
            lowest = std::min(lowest, PlayerState.hp);
        }
        EXPECT_EQ(DialogueChannels.eventLine, 92) << "the barrage never ended";
        EXPECT_GE(lowest, 1) << "came in with " << hpBefore;
        EXPECT_LT(PlayerState.hp, hpBefore) << "came in with " << hpBefore;
    }
}

}  // namespace
