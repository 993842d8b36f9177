// The Era04 soldiers' numbers: where a strike reaches and what it costs, what
// a blow on a soldier earns, the defeat, the guards and blockers, fight 2's
// moves, and the soldier sheet's frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

#include "areas/era00_era01/records.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/area_flags.h"
#include "core/combos.h"
#include "core/dialogue.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/movement_fixture.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"
#include "core/stage_step.h"
#include "text/menu_state.h"

namespace {

class Era04SoldiersTest : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        LoadSlots({19, 22, 23, 24, 25, 71});
        ResetEra04StageArea();
        PlayerState = PlayerStateRecord{};
        PlayerState.hp = PlayerState.maxHp = 1000;
        EquipmentFlags.worn = 0;
        EndEveryHold();
        PlayerMoveState = PlayerMoveStateRecord{};
        for (int i = 1; i <= kSoldierSlots; ++i) {
            Era04SoldierSlots.y[i] = 640;
            Era04SoldierSlots.hp[i] = 300;
            Era04SoldierSlots.facing[i] = 1;
        }
    }
    void Tick(double dt = 1.0 / 64.0) { GameClock.gameClock += dt; }
    // Soldier fight 2's opening in the first weapon, her S blow landing on
    // soldier 1 of the row from `dx` px left of it once a step, until the
    // row's first remark (line 65) opens; with viewDx, the view stands that
    // far left of the soldier.
    void StrikeTheRowsFirstSoldierUntilTheRemark(std::int32_t dx, std::optional<std::int32_t> viewDx = {}) {
        auto& s = Era04SoldierSlots;
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        RunSoldierFight2(0);
        RunSoldierFight2(1);
        PlayerState.x = s.x[1] - dx;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerState.pose = 21;
        PlayerMoveState.comboS = 1;
        if (viewDx) ScrollX = s.x[1] - *viewDx;
        for (int i = 0; i < 100 && DialogueChannels.fieldLine == 0; ++i) {
            Tick();
            RunSoldierFight2(1);
        }
    }
    // Runs a thrust of slot 3 (no pauses) to its strike frame.
    void ThrustToStrike(std::int32_t facing) {
        Era04SoldierSlots.x[3] = 10000;
        Era04SoldierSlots.facing[3] = facing;
        RunSoldierThrust(0, 3);
        for (int i = 0; i < 3; ++i) {
            Tick();
            RunSoldierThrust(1, 3);
        }
        ASSERT_EQ(Era04SoldierSlots.frame[3], 9);
    }
    // Steps the strike under way to its end; returns the HP it cost.
    std::int32_t FinishStrike() {
        const std::int32_t hp = PlayerState.hp;
        for (int i = 0; i < 200 && SoldierStrikeKind != 0; ++i) {
            Tick();
            if (RunSoldierStrike(1, 0) == 99) SoldierStrikeKind = 0;
        }
        EXPECT_EQ(SoldierStrikeKind, 0);
        EXPECT_EQ(MessageBoxOpen, 0) << "her keys are given back";
        return hp - PlayerState.hp;
    }
};

TEST_F(Era04SoldiersTest, AThrustReachesOnlyItsBandOnTheGroundAndNotADuckingHeroine) {
    struct Row {
        std::int32_t facing, dx, y, pose;
        bool hits;
    };
    const Row rows[] = {
        {-1, -200, 640, 1, true}, {-1, -113, 640, 1, true}, {-1, -201, 640, 1, false}, {-1, -112, 640, 1, false},
        {1, 120, 640, 1, true},   {1, 190, 640, 1, true},   {1, 119, 640, 1, false},   {1, 191, 640, 1, false},
        {1, 150, 590, 1, true},   {1, 150, 589, 1, false},  {1, 150, 640, 26, false},
    };
    for (const Row& r : rows) {
        SoldierStrikeKind = 0;
        PlayerState.x = 10000 + r.dx;
        PlayerState.y = r.y;
        PlayerState.pose = r.pose;
        ThrustToStrike(r.facing);
        EXPECT_EQ(SoldierStrikeKind, r.hits ? 1 : 0) << r.facing << " " << r.dx << " " << r.y << " " << r.pose;
        SoldierStrikeKind = 0;
    }
    // No strike while one runs.
    SoldierStrikeKind = 3;
    PlayerState = PlayerStateRecord{};
    PlayerState.x = 10150;
    ThrustToStrike(1);
    EXPECT_EQ(SoldierStrikeKind, 3);
}

TEST_F(Era04SoldiersTest, StrikesCostByKindAndWeaponModeAndAWornGuardCostsNothing) {
    struct Row {
        std::int32_t mode, kind, cost;
    };
    const Row rows[] = {{1, 1, 70}, {1, 2, 90}, {2, 1, 35}, {2, 2, 40}};
    for (const Row& r : rows) {
        PlayerState.weaponMode1 = r.mode == 1;
        PlayerState.weaponMode2 = r.mode == 2;
        PlayerState.facing = 1;   // back to the soldier: no guard
        Era04SoldierSlots.facing[2] = 1;
        SoldierStrikeKind = r.kind;
        RunSoldierStrike(0, 2);
        EXPECT_EQ(FinishStrike(), r.cost) << r.mode << " " << r.kind;
    }
    // Worn, face to face, and a roll below 70: turned aside.
    std::uint32_t seed = 1;
    for (;; ++seed) {
        SeedRandom(seed);
        if (Random0To99() < 70) break;
    }
    SeedRandom(seed);
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 0;
    EquipmentFlags.worn = 1;
    PlayerState.facing = -1;
    SoldierStrikeKind = 1;
    RunSoldierStrike(0, 2);
    EXPECT_EQ(FinishStrike(), 0);
    EquipmentFlags.worn = 0;
}

TEST_F(Era04SoldiersTest, ABlowEarnsItsDamageAsExpByKindAndWeaponMode) {
    const std::int32_t w1[] = {5, 10, 15, 20, 40};
    const std::int32_t w2[] = {45, 55, 65, 80, 5};
    for (int mode = 1; mode <= 2; ++mode)
        for (std::int32_t kind = 1; kind <= 5; ++kind) {
            PlayerState.weaponMode1 = mode == 1;
            PlayerState.weaponMode2 = mode == 2;
            const std::int32_t damage = (mode == 1 ? w1 : w2)[kind - 1];
            Era04SoldierSlots.hp[1] = 300;
            Era04SoldierSlots.y[1] = 640;
            const std::int32_t exp = PlayerState.exp;
            RunSoldierHit(0, 1);
            int calls = 0;
            while (RunSoldierHit(kind, 1) != 99 && calls < 1000) {
                Tick();
                ++calls;
            }
            EXPECT_EQ(Era04SoldierSlots.hp[1], 300 - damage) << mode << " " << kind;
            EXPECT_EQ(PlayerState.exp - exp, damage) << mode << " " << kind;
            EXPECT_EQ(Era04SoldierSlots.y[1], 640);
            EXPECT_EQ(Era04SoldierSlots.angle[1], 0);
        }
}

TEST_F(Era04SoldiersTest, AFiveHpSoldierLandsAfterItsFlightAndBurstsInTheSameUpdate) {
    auto& s = Era04SoldierSlots;
    s.hp[1] = 5;
    s.x[1] = 10000;
    s.frame[1] = 3;
    PlayerState.x = 5000;   // far away: nothing of hers lands again
    s.reaction[1] = 1;
    RunSoldierHit(0, 1);
    const double start = GameClock.gameClock;
    const std::int32_t exp = PlayerState.exp;
    const std::size_t before = PlayedSlots().size();
    double landed = 0;
    for (int i = 0; i < 100 && s.reaction[1] != 99; ++i) {
        Tick(0.01);
        UpdateFightingSoldier(1, 1);
        if (landed == 0 && s.hp[1] <= 0) {
            landed = GameClock.gameClock - start;
            EXPECT_EQ(s.reaction[1], 98) << "its defeat starts in the update it lands";
        }
    }
    EXPECT_GT(landed, 0.23);
    EXPECT_EQ(s.frame[1], 0);
    EXPECT_EQ(s.reaction[1], 99);
    EXPECT_EQ(PlayerState.exp - exp, 5 + 120);
    // The first sound of each burst, in order.
    const std::vector<int> all = PlayedSlots();
    std::vector<int> bursts;
    for (std::size_t i = before; i < all.size(); ++i)
        if (all[i] >= 22 && all[i] <= 25) bursts.push_back(all[i]);
    std::vector<int> firsts;
    int prev = 0;
    for (std::size_t i = 0; i < bursts.size(); ++i) {
        // Each state sounds once per call; with 0.01-s calls it lasts three.
        if (i % 3 == 0 || bursts[i] != prev) firsts.push_back(bursts[i]);
        prev = bursts[i];
    }
    EXPECT_EQ(firsts, (std::vector<int>{22, 23, 24, 22, 23, 24, 24, 25}));
}

TEST_F(Era04SoldiersTest, EndGuardsStrikeInTheirZoneOnTheGroundAndBlockersNeverFall) {
    struct Row {
        bool left;
        std::int32_t dx, y, cost;
    };
    const std::int32_t post = 20000;
    const Row rows[] = {
        {true, 223, 640, 40}, {true, 224, 640, 0}, {true, 100, 630, 0},
        {false, -190, 640, 50}, {false, -191, 640, 0},
    };
    for (const Row& r : rows) {
        SoldierStrikeKind = 0;
        Era04SoldierSlots.x[4] = post;
        PlayerState.x = post + r.dx;
        PlayerState.y = r.y;
        const std::int32_t hp = PlayerState.hp;
        if (r.left) {
            RunLeftEndGuard(0, 4, post);
            Tick();
            RunLeftEndGuard(1, 4, post);
        } else {
            RunRightEndGuard(0, 4, post);
            Tick();
            RunRightEndGuard(1, 4, post);
        }
        EXPECT_EQ(hp - PlayerState.hp, r.cost) << r.left << " " << r.dx << " " << r.y;
        for (int i = 0; i < 200; ++i) {
            Tick();
            PlayerState.y = 640;
            if (r.left)
                RunLeftEndGuard(1, 4, post);
            else
                RunRightEndGuard(1, 4, post);
            if (SoldierStrikeKind == 0) break;
        }
        PlayerState.x = post + (r.left ? 1000 : -1000);
        EXPECT_EQ(MessageBoxOpen, 0);
    }
    // Worn: nine in ten turned aside.
    EquipmentFlags.worn = 1;
    SeedRandom(7);
    int costly = 0;
    for (int n = 0; n < 200; ++n) {
        PlayerState.x = post + 100;
        PlayerState.y = 640;
        const std::int32_t hp = PlayerState.hp;
        RunLeftEndGuard(1, 4, post);
        costly += PlayerState.hp < hp;
        for (int i = 0; i < 300 && SoldierStrikeKind != 0; ++i) {
            Tick();
            RunLeftEndGuard(1, 4, post);
        }
    }
    EXPECT_GT(costly, 5);
    EXPECT_LT(costly, 40);
    EquipmentFlags.worn = 0;

    // A blocker: a touch costs 5 and it never loses hp (her HP, run down to
    // nothing by the guards' 200 strikes, filled again).
    PlayerState.hp = PlayerState.maxHp;
    Era04SoldierSlots.x[3] = post;
    Era04SoldierSlots.hp[3] = 300;
    RunLeftBlocker(0, 3, post);
    PlayerState.x = post + 130;
    const std::int32_t hp = PlayerState.hp;
    Tick();
    RunLeftBlocker(1, 3, post);
    EXPECT_EQ(hp - PlayerState.hp, 5);
    EXPECT_EQ(PlayCount(19), 1);
    for (int i = 0; i < 10; ++i) {
        Tick();
        RunLeftBlocker(1, 3, post);
    }
    EXPECT_EQ(PlayerState.x, post + 180);
    EXPECT_EQ(Era04SoldierSlots.hp[3], 300);
}

TEST_F(Era04SoldiersTest, MovesSnapWithin50StepTheirPostAndTheChargeStrikesInItsWindow) {
    auto& s = Era04SoldierSlots;
    // Within 50 px: placed at once.
    s.x[2] = 5050;
    PlayerState.x = 9000;
    MoveSoldierTo(0, 2, 5000);
    EXPECT_EQ(MoveSoldierTo(1, 2, 5000), 99);
    EXPECT_EQ(s.x[2], 5000);
    s.x[2] = 5051;
    EXPECT_EQ(MoveSoldierTo(1, 2, 5000), -1);

    // 120 px left of its post: stage posts +50 each 0.3 s, then the post.
    s.x[6] = 6000;
    PlayerState.x = 8000;
    HoldSoldierPost(0, 6, 6120);
    HoldSoldierPost(1, 6, 6120);
    std::vector<std::int32_t> xs;
    for (int i = 0; i < 200; ++i) {
        Tick(0.01);
        HoldSoldierPost(1, 6, 6120);
        if (xs.empty() || xs.back() != s.x[6]) xs.push_back(s.x[6]);
    }
    EXPECT_EQ(s.x[6], 6120);
    EXPECT_NE(std::find(xs.begin(), xs.end(), 6050), xs.end());
    EXPECT_NE(std::find(xs.begin(), xs.end(), 6100), xs.end());

    // The charge's window: 101..199 px in front on the ground, -20 HP;
    // 285 px once a charge has been parried.
    struct Row {
        std::int32_t dx, bonus;
        bool hits;
    };
    const Row rows[] = {{100, 0, false}, {101, 0, true}, {199, 0, true}, {200, 0, false},
                        {284, 85, true}, {285, 85, false}};
    for (const Row& r : rows) {
        ChargeReachBonus = r.bonus;
        SoldierStrikeKind = 0;
        s.x[7] = 7000;
        s.facing[7] = 1;
        PlayerState.x = 7000 + r.dx;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        const std::int32_t hp = PlayerState.hp;
        RunSoldierCharge(0, 7, 9000);
        Tick(0.001);
        RunSoldierCharge(1, 7, 9000);
        EXPECT_EQ(hp - PlayerState.hp, r.hits ? 20 : 0) << r.dx << " " << r.bonus;
    }
    // A parried charge: the soldier lands 200 px in front of her.
    ChargeReachBonus = 0;
    SoldierStrikeKind = 0;
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    PlayerState.facing = -1;
    PlayerState.x = 7150;
    PlayerMoveState.comboQ = 1;
    s.x[7] = 7000;
    s.facing[7] = 1;
    RunSoldierCharge(0, 7, 9000);
    Tick(0.001);
    RunSoldierCharge(1, 7, 9000);
    EXPECT_EQ(s.x[7], 7150 - 200);
    EXPECT_EQ(ChargeReachBonus, 85);
    PlayerMoveState.comboQ = 0;
}

// A slide stepped late (the game held up for 2 s in the middle of it) still
// ends where its own length ends: 30 + 800 x 0.23 px for a weapon-mode-1
// thrust, 30 + 300 x 0.23 for weapon mode 2, and 800 x 0.23 beyond where an
// end guard seized her.
TEST_F(Era04SoldiersTest, ASlideSteppedLateCarriesHerNoFurtherThanItsOwnLength) {
    constexpr std::int32_t kPost = 20000;
    struct Row {
        const char* what;
        std::int32_t mode, from, length;
        std::function<void()> step;
    };
    const Row rows[] = {
        {"thrust, weapon mode 1", 1, 10000, 214, [] { RunSoldierStrike(1, 0); }},
        {"thrust, weapon mode 2", 2, 10000, 99, [] { RunSoldierStrike(1, 0); }},
        {"left end guard", 1, kPost + 197, 184, [] { RunLeftEndGuard(1, 4, kPost); }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ResetEra04StageArea();
        PlayerState.weaponMode1 = r.mode == 1;
        PlayerState.weaponMode2 = r.mode == 2;
        PlayerState.facing = 1;   // her back to the soldier: no guard
        PlayerState.y = 640;
        Era04SoldierSlots.facing[2] = 1;
        Era04SoldierSlots.x[4] = kPost;
        if (r.from == 10000) {
            PlayerState.x = 10000;
            SoldierStrikeKind = 1;
            RunSoldierStrike(0, 2);
        } else {
            PlayerState.x = kPost + 100;
            RunLeftEndGuard(0, 4, kPost);
        }
        for (double dt : {1.0 / 64, 0.11, 2.0}) {
            Tick(dt);
            r.step();
        }
        EXPECT_GT(PlayerState.x, r.from);
        EXPECT_LE(PlayerState.x - r.from, r.length);
    }
}

// A strike that a routine other than its own ends (a blocker letting her go,
// a phase waiting for the camera, the fight's watchdog, a new game) gives her
// keys back at once and is over: a charging soldier's push long after, with
// the fight stepping strikes as it does, never takes the old strike up again
// and throws her across the hall.
TEST_F(Era04SoldiersTest, AStrikeEndedFromOutsideLetsHerGoAndIsNeverTakenUpAgain) {
    auto& s = Era04SoldierSlots;
    constexpr std::int32_t kPost = Era04Door3 - 400;
    struct Row {
        const char* who;
        std::function<void()> before, end;
    };
    auto waiting = [&](std::int32_t (*phase)(std::int32_t, std::int32_t)) {
        return [&, phase] {
            ScrollX = 0;   // the room's end is not in view
            phase(0, 1);
            Tick();
            phase(1, 1);
        };
    };
    const Row rows[] = {
        {"a right blocker lets her go", {}, [&] {
             s.x[5] = kPost;
             PlayerState.x = kPost - 120;
             RunRightBlocker(0, 5, kPost);
             for (int i = 0; i < 6; ++i) {
                 Tick();
                 RunRightBlocker(1, 5, kPost);
             }
         }},
        {"the melee waits", {}, waiting(RunSoldierFight2Melee)},
        {"the second wave waits", {}, waiting(RunSoldierFight2SecondWave)},
        {"the finale waits", {}, waiting(RunSoldierFight2Finale)},
        {"the fight's watchdog", [] { RunSoldierFight2(0); }, [&] {
             for (int i = 0; i < 140; ++i) {
                 Tick();
                 RunSoldierFight2(1);
             }
         }},
        {"a new game", {}, [] {
             ResetEra04StageArea();
             EndEveryHold();   // the shell's part of the reset
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.who);
        ResetEra04StageArea();
        EndEveryHold();
        DialogueChannels = DialogueChannelsRecord{};
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        PlayerState.x = 10150;
        PlayerState.y = 640;
        if (r.before) r.before();
        ThrustToStrike(1);
        for (int i = 0; i < 2; ++i) {
            Tick();
            RunSoldierStrike(1, 0);
        }
        ASSERT_EQ(MessageBoxOpen, 1) << "the strike has her";
        r.end();
        EXPECT_EQ(MessageBoxOpen, 0) << "her keys are given back";

        Tick(30.0);
        const std::int32_t x0 = PlayerState.x, hp = PlayerState.hp;
        PlayerState.y = 640;
        s.x[7] = x0 - 150;
        s.facing[7] = 1;
        s.hp[7] = 300;
        RunSoldierCharge(0, 7, x0 + 5000);
        std::int32_t farthest = 0;
        for (int i = 0; i < 20; ++i) {
            Tick();
            RunSoldierCharge(1, 7, x0 + 5000);
            if ((SoldierStrikeKind == 1 || SoldierStrikeKind == 2) && RunSoldierStrike(1, 0) == 99)
                SoldierStrikeKind = 0;
            farthest = std::max(farthest, std::abs(PlayerState.x - x0));
        }
        EXPECT_LE(farthest, 214) << "never further than a strike's own slide";
        EXPECT_EQ(hp - PlayerState.hp, 20) << "the push struck her, nothing else";
        EXPECT_EQ(MessageBoxOpen, 0);
    }
}

// Fight 2 moves on from a phase while its guard's post rings her: the next
// phase waits for her to bring the room's end into view, and nothing of the
// fight may hold her meanwhile. The ring is ended by the phase, not left for
// the stage step to find with nobody stepping it.
TEST_F(Era04SoldiersTest, APhaseWaitingForHerPlaceEndsTheRingOfAPostNoLongerStepped) {
    auto& s = Era04SoldierSlots;
    constexpr std::int32_t kPost = Era04Door3 - 400;
    struct Row {
        const char* phase;
        std::int32_t (*run)(std::int32_t, std::int32_t);
    };
    const Row rows[] = {
        {"the melee", RunSoldierFight2Melee},
        {"the second wave", RunSoldierFight2SecondWave},
        {"the finale", RunSoldierFight2Finale},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.phase);
        ResetEra04StageArea();
        EndEveryHold();
        HoldsEndedUnkept = 0;
        s.x[5] = kPost;
        s.y[5] = 640;
        PlayerState.x = kPost - 120;
        PlayerState.y = 640;
        HoldSoldierPost(0, 5, kPost);
        Tick();
        HoldSoldierPost(1, 5, kPost);
        EndHoldsNotKept();
        ASSERT_EQ(MessageBoxOpen, 1) << "the post rings her";
        ScrollX = 0;   // the room's end is not in view
        r.run(0, 1);
        Tick();
        r.run(1, 1);
        EXPECT_EQ(MessageBoxOpen, 0) << "she is free to walk to the end";
        EndHoldsNotKept();
        EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
    }
}

// The row's remark waits for Enter wherever she is carried while it shows:
// left of door 2 the opening forgets a talk's step, but not the step of the
// one showing, whose Enter would otherwise never be read, her keys dead.
TEST_F(Era04SoldiersTest, TheRowsRemarkClosesWhereverSheIsCarriedWhileItShows) {
    // Her 70th blow on the row opens line 65.
    StrikeTheRowsFirstSoldierUntilTheRemark(70);
    ASSERT_EQ(DialogueChannels.fieldLine, 65);
    ASSERT_EQ(MessageBoxOpen, 1);
    PlayerMoveState.comboS = 0;
    PlayerState.pose = 22;
    PlayerState.x = Era04Door2 - 100;   // carried west past door 2
    for (std::int32_t next : {66, 0}) {
        Tick();
        RunSoldierFight2(1);
        EnterConfirmState = 2;   // Enter
        Tick();
        RunSoldierFight2(1);
        EXPECT_EQ(DialogueChannels.fieldLine, next);
    }
    EXPECT_EQ(MessageBoxOpen, 0);
}

// A remark that finds her inside a soldier of the row (her blows landing
// from within it) walks her out beside it, once her blow has ended, and
// lets go of the walk with its last line.
TEST_F(Era04SoldiersTest, TheRowsRemarkWalksHerOutOfTheSoldierSheStandsIn) {
    KeyLeftPressed = KeyRightPressed = 0;
    StrikeTheRowsFirstSoldierUntilTheRemark(40, 300);
    ASSERT_EQ(DialogueChannels.fieldLine, 65);
    EXPECT_EQ(KeyLeftPressed + KeyRightPressed, 0) << "no walk while her blow lasts";
    PlayerMoveState.comboS = 0;
    PlayerState.pose = 22;
    Tick();
    RunSoldierFight2(1);
    EXPECT_EQ(KeyLeftPressed, 1) << "out of soldier 1 on her side of it";
    EXPECT_EQ(KeyRightPressed, 0);
    for (int i = 0; i < 2; ++i) {
        EnterConfirmState = 2;
        Tick();
        RunSoldierFight2(1);
    }
    EXPECT_EQ(DialogueChannels.fieldLine, 0);
    EXPECT_EQ(KeyLeftPressed + KeyRightPressed, 0);
    EXPECT_EQ(PlayerState.facing, 1);
}

// In the second weapon a blow on any soldier of the row but the fourth costs
// the fourth's reward (line 69, full HP, 500 gold) until she stands left of
// door 2 again. It never steps the remarks: counted in their step, such
// blows brought lines 66 and 68 up with no hold, an Enter left over from
// the menu reading them, and a further blow left 68 up for good.
TEST_F(Era04SoldiersTest, BlowsOnTheRowsOthersCostTheRewardAndBringNoRemark) {
    auto& s = Era04SoldierSlots;
    struct Row {
        bool backPastDoor2;
        std::int32_t lineAfterTheFourth;
    };
    for (const Row row : {Row{false, 70}, Row{true, 69}}) {
        SCOPED_TRACE(row.backPastDoor2 ? "back past door 2" : "stayed in the room");
        ResetEra04StageArea();
        EndEveryHold();
        DialogueChannels = DialogueChannelsRecord{};
        PlayerState.weaponMode1 = 0;
        PlayerState.weaponMode2 = 1;
        RunSoldierFight2(0);
        RunSoldierFight2(1);
        EnterConfirmState = 2;   // an Enter the menu left, read by nobody
        // Her S blow (pose 202) on soldier 2, once a step.
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerState.pose = 202;
        PlayerMoveState.comboS = 1;
        for (int i = 0; i < 6; ++i) {
            PlayerState.x = s.x[2] - 70;
            Tick();
            RunSoldierFight2(1);
            ASSERT_EQ(DialogueChannels.fieldLine, 0) << "blow " << i;
            ASSERT_EQ(MessageBoxOpen, 0) << "blow " << i;
        }
        if (row.backPastDoor2) {
            PlayerState.pose = 22;
            PlayerState.x = Era04Door2 - 100;
            Tick();
            RunSoldierFight2(1);
            PlayerState.pose = 202;
        }
        // The fourth flies; its line comes 0.8 s later.
        PlayerState.x = s.x[4] - 70;
        for (int i = 0; i < 100 && DialogueChannels.fieldLine == 0; ++i) {
            Tick();
            RunSoldierFight2(1);
            PlayerMoveState.comboS = 0;
            PlayerState.pose = 22;
        }
        EXPECT_EQ(DialogueChannels.fieldLine, row.lineAfterTheFourth);
        EXPECT_EQ(MessageBoxOpen, 1);
    }
}

// A scripted step that waits for her to stand somewhere takes her there,
// for she is held and cannot walk there herself: fight 1's last talk waits
// for her 200 px into the view, and the finale's blow for her to take her
// distance from the guard, by a run that goes her facing's way (toward the
// guard it ended at the room's wall short of the distance, for good).
TEST_F(Era04SoldiersTest, AScriptedStepThatWaitsForHerPlaceTakesHerThere) {
    auto& s = Era04SoldierSlots;
    struct Row {
        const char* what;
        std::function<void()> setUp;
        std::function<std::int32_t()> step;   // the scene's part of a stage step
        std::int32_t reached;                  // its state once she is there
    };
    auto finale = [](std::int32_t side) {
        return [side] {
            const HoldStep hold(kSoldierFight2Hold);
            const std::int32_t state = RunSoldierFight2Finale(1, side);
            LimitEra04();
            return state;
        };
    };
    const Row rows[] = {
        {"fight 1's last talk", [&] {
             ErrandState = 1;
             PlayerState.weaponMode2 = 1;
             ScrollX = Era04Start + 5963;
             PlayerState.x = Era04Start + 6100;
             RunSoldierFight1(0);
         }, [] { return RunSoldierFight1(1); }, 26},
        {"the finale at the right end, first weapon", [&] {
             PlayerState.weaponMode1 = 1;
             Era04CameraStage = 3;
             ScrollX = Era04Door3 - 1000;
             s.x[5] = Era04Door3 - 400;
             PlayerState.x = Era04Door3 - 540;
             RunSoldierFight2Finale(0, 1);
         }, finale(1), 11},
        {"the finale at the left end, second weapon", [&] {
             PlayerState.weaponMode2 = 1;
             Era04CameraStage = 1;
             ScrollX = Era04Door2 + 100;
             s.x[3] = Era04Door2 + 460;
             PlayerState.x = Era04Door2 + 530;
             RunSoldierFight2Finale(0, -1);
         }, finale(-1), 11},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ResetEra04StageArea();
        EndEveryHold();
        Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era03AreaFlag = Era04AreaFlag = 0;
        GroundFallEnabled = 0;
        PlayerState.weaponMode1 = PlayerState.weaponMode2 = 0;
        PlayerState.y = 640;
        PlayerState.pose = 1;
        PlayerMoveState = PlayerMoveStateRecord{};
        r.setUp();
        std::int32_t state = 0;
        for (int i = 0; i < 64 * 6 && state < r.reached; ++i) {
            if (EnterConfirmState == 1) EnterConfirmState = 2;   // every line read
            state = r.step();
            Step();
        }
        EXPECT_GE(state, r.reached) << "she stands at " << PlayerState.x;
    }
    ErrandState = 0;
}

// Fight 1's melee sends its right end guard to fight once the four are down.
// A grab that guard has her in is stepped no more from then on: it lets her
// go, or her keys stay dead while the guard fights her.
TEST_F(Era04SoldiersTest, TheMeleeLetsHerGoWhenItSendsItsRightGuardToFight) {
    auto& s = Era04SoldierSlots;
    RunSoldierFight1Melee(0);
    const std::int32_t places[] = {0, 5000, 5100, 5948, 5888, 6803, 6863, 5200, 5300};
    for (std::int32_t n = 1; n <= kSoldierSlots; ++n) {
        s.x[n] = Era04Start + places[n];
        s.frame[n] = 1;
    }
    PlayerState.x = Era04Start + 6700;
    PlayerState.y = 640;
    for (int i = 0; i < 30; ++i) {
        Tick();
        RunSoldierFight1Melee(1);
    }
    ASSERT_EQ(PlayerState.pose, 26) << "the right guard has thrown her down";
    ASSERT_EQ(MessageBoxOpen, 1);
    for (std::int32_t n : {1, 2, 7, 8}) s.frame[n] = 0;
    Tick();
    RunSoldierFight1Melee(1);
    EXPECT_EQ(MessageBoxOpen, 0);
}

// A guard at its post pushes her back into the room whichever way it has
// turned: the right end's guard turns to her once she has got behind it, and
// pushing her on toward the wall kept her in its reach for good (the room's
// limit put her back every step, five HP a touch).
TEST_F(Era04SoldiersTest, AGuardAtItsPostPushesHerIntoTheRoomWhicheverWayItFaces) {
    auto& s = Era04SoldierSlots;
    struct Row {
        std::int32_t post, facing, dx;
    };
    constexpr std::int32_t kRightEnd = Era04Door3 - 400, kLeftEnd = Era04Door2 + 460;
    const Row rows[] = {
        {kRightEnd, -1, -120}, {kRightEnd, 1, -120}, {kLeftEnd, 1, 120}, {kLeftEnd, -1, 120},
    };
    for (const Row& r : rows) {
        EndEveryHold();
        s.x[5] = r.post;
        PlayerState.x = r.post + r.dx;
        HoldSoldierPost(0, 5, r.post);
        s.facing[5] = r.facing;
        for (int i = 0; i < 20; ++i) {
            Tick();
            HoldSoldierPost(1, 5, r.post);
        }
        const std::int32_t inward = r.post == kRightEnd ? -1 : 1;
        EXPECT_GT(inward * (PlayerState.x - r.post), 0) << "post " << r.post << " facing " << r.facing;
        EXPECT_EQ(MessageBoxOpen, 0) << "post " << r.post << " facing " << r.facing;
    }
}

TEST_F(Era04SoldiersTest, TheSheetsFramesAndTheDiscsRowsDrawFromSheet61) {
    auto& s = Era04SoldierSlots;
    ScrollX = 1000;
    s.x[2] = 1500;
    s.y[2] = 640;
    s.frame[2] = 10;
    s.facing[2] = -1;
    s.colour[2] = 0xFFFFFFFFu;
    PendingSprite.gno = 0;
    SetSoldierSprite(2);
    EXPECT_EQ(PendingSprite.gno, 61);
    EXPECT_EQ(PendingSprite.srcLeft, 487);
    EXPECT_EQ(PendingSprite.posX, 500);
    EXPECT_EQ(PendingSpriteHitBox.hitBottom, -41) << "the leap's flight ends above the feet";
    s.frame[2] = 0;
    PendingSprite.gno = 0;
    SetSoldierSprite(2);
    EXPECT_EQ(PendingSprite.gno, 0);

    auto& d = EncounterAPieceTable;
    d.state[1] = 2;
    d.sizeRow[1] = 4;
    d.x[1] = 1300;
    d.y[1] = 520;
    d.scale[1] = 1.0f;
    PendingSprite.gno = 0;
    SetSoldierSprite(9);
    EXPECT_EQ(PendingSprite.gno, 61);
    EXPECT_EQ(PendingSprite.srcLeft, 258);
    // Row 4 reads below the 778-px sheet into the texture's padding (1024
    // rows once padded to a power of two), which is transparent.
    EXPECT_EQ(PendingSprite.srcBottom, 782);
    d.state[1] = 0;
    PendingSprite.gno = 0;
    SetSoldierSprite(9);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST_F(Era04SoldiersTest, FightOneWaitsShortOfItsRowsAndALoadAfterTheErrandShowsTwoSoldiers) {
    auto& s = Era04SoldierSlots;
    ErrandState = 0;
    PlayerState.x = 72189;
    RunSoldierFight1(0);
    for (int i = 0; i < 20; ++i) {
        Tick();
        EXPECT_EQ(RunSoldierFight1(1), 2);
    }
    EXPECT_EQ(MessageBoxOpen, 0);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(s.frame[n], 1) << n;

    // A game saved after the errand was given.
    ErrandState = 1;
    ScrollX = Era04Start + 5863;
    RunSoldierFight1(0);
    Tick();
    EXPECT_EQ(RunSoldierFight1(1), 24);
    for (int n : {1, 2, 3, 6, 7, 8}) EXPECT_EQ(s.frame[n], 0) << n;
    EXPECT_EQ(s.frame[4], 18);
    EXPECT_NE(s.frame[5], 0);
    // Soldier 4 goes for good once the camera is 1200 px left of it.
    ScrollX = s.x[4] - 1200;
    PlayerState.x = ScrollX + 300;
    Tick();
    RunSoldierFight1(1);
    EXPECT_EQ(s.frame[4], 18);
    ScrollX -= 1;
    Tick();
    RunSoldierFight1(1);
    EXPECT_EQ(s.frame[4], 0);
    ErrandState = 0;
}

TEST_F(Era04SoldiersTest, TheDiscSpinsEveryTwoHundredthsSwellsEveryHalfSecondAndWhirs) {
    LoadSlots({171, 172});   // the whirr's bank
    auto& d = EncounterAPieceTable;
    d.state[1] = 0;
    UpdateFight2Disc(0, 1);
    EXPECT_EQ(d.sizeRow[1], 1);
    std::vector<std::int32_t> frames, rows;
    const std::size_t before = PlayedSlots().size();
    for (int i = 0; i < 500; ++i) {   // 5 s in 0.01-s steps
        Tick(0.01);
        UpdateFight2Disc(1, 1);
        if (frames.size() < 7 && (frames.empty() || frames.back() != d.state[1])) frames.push_back(d.state[1]);
        if (rows.empty() || rows.back() != d.sizeRow[1]) rows.push_back(d.sizeRow[1]);
    }
    EXPECT_EQ(frames, (std::vector<std::int32_t>{0, 1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(rows, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 4, 3, 2, 1, 2}));
    int whirs = 0;
    const std::vector<int> all = PlayedSlots();
    for (std::size_t i = before; i < all.size(); ++i) whirs += all[i] == 171 || all[i] == 172;
    EXPECT_GE(whirs, 38);
    EXPECT_LE(whirs, 42);
    EXPECT_EQ(d.colour[1], 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(d.scale[1], 1.0f);
}

}  // namespace
