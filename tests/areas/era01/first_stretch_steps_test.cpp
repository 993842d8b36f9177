// The field's first stretch stepped by hand on a game clock of our own: what
// each blow does to the hopping creature, the walking and flying enemies and
// field enemy A, what their throws and projectiles cost, when they come back,
// and the trip over the low obstacle.
#include <gtest/gtest.h>

#include <functional>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/bursts.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

constexpr double kStep = 0.014;

// A blow of the heroine: its pose and combo word, and where its box stands
// (centre ahead of her x, height above her feet).
struct Blow {
    std::int32_t mode, kind, pose;
    std::int32_t PlayerMoveStateRecord::*word;
    std::int32_t dx, h;
};
constexpr Blow kBlows[2][5] = {
    {{1, 1, 21, &PlayerMoveStateRecord::comboS, 73, 76},
     {1, 2, 36, &PlayerMoveStateRecord::comboD, 69, 133},
     {1, 3, 122, &PlayerMoveStateRecord::comboF, 3, 142},
     {1, 4, 125, &PlayerMoveStateRecord::comboG, 66, 86},
     {1, 5, 102, &PlayerMoveStateRecord::comboQ, 89, 99}},
    {{2, 1, 202, &PlayerMoveStateRecord::comboS, 83, 81},
     {2, 2, 207, &PlayerMoveStateRecord::comboD, 94, 117},
     {2, 3, 221, &PlayerMoveStateRecord::comboF, 38, 106},
     {2, 4, 215, &PlayerMoveStateRecord::comboG, 143, 103},
     {2, 5, 223, &PlayerMoveStateRecord::comboQ, 89, 78}},
};

void Heroine(std::int32_t x, std::int32_t y = 640, std::int32_t facing = 1) {
    PlayerState.x = x;
    PlayerState.y = y;
    PlayerState.facing = facing;
    PlayerState.pose = 1;
    PlayerBodyBox.left = x - 20;
    PlayerBodyBox.right = x + 20;
    PlayerBodyBox.top = y - 120;
    PlayerBodyBox.bottom = y;
    PlayerBodyBox.centreX = x;
}

class FieldSteps : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(3);
        ResetEra00Era01Area();
        // (the reset leaves a flying enemy's HP as it is: it refills on perching anew)
        for (FlyingEnemyRecord& e : FlyingEnemyRecords) e.hp = 30;
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerAttackBox = PlayerAttackBoxRecord{};
        PlayerBodyBox = PlayerBodyBoxRecord{};
        DialogueChannels = DialogueChannelsRecord{};
        EnterConfirmState = 0;
        EndEveryHold();
        HitEffectState = 0;
        PickupPool = PickupPoolRecord{};
        BurstPool = BurstPoolRecord<8>{};
        BigBurstPool = BurstPoolRecord<50>{};
        FlashEffects[1] = FlashEffects[2] = FlashEffectRecord{};
        StageFrozenByMenu = 0;
        GameClock.gameClock = 100.0;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        ScrollX = 0;
    }
    static void Tick() { GameClock.gameClock += kStep; }
    // Puts her in the blow's pose with its box centred on (cx, cy).
    static void Strike(const Blow& b, std::int32_t cx, std::int32_t cy) {
        PlayerState.weaponMode1 = b.mode == 1 ? 1 : 0;
        PlayerState.weaponMode2 = b.mode == 2 ? 1 : 0;
        Heroine(cx - b.dx, cy + b.h);
        PlayerState.pose = b.pose;
        PlayerMoveState.*b.word = 1;
    }
    static void LetDown() {
        PlayerMoveState = PlayerMoveStateRecord{};
        PlayerState.pose = 1;
    }
    static int Coins() {
        int n = 0;
        for (int s = 1; s <= PickupPoolRecord::kSlots; ++s) n += PickupPool.active[s];
        return n;
    }
    static bool StepUntil(const std::function<void()>& step, const std::function<bool()>& until, int maxSteps) {
        for (int i = 0; i < maxSteps; ++i) {
            step();
            if (until()) return true;
            Tick();
        }
        return false;
    }
};

// ---- the hopping creature --------------------------------------------------------

constexpr std::int32_t A = 4000;

// Its first hop (with the one line it ever shows) puts it at its second spot;
// the line is never up without the box it is read in.
void HopToSecondSpot() {
    Heroine(A - 100);
    for (int i = 0; i < 200 && !(HoppingObjectRecord.x == A + 90 && HoppingObjectRecord.y == 640); ++i) {
        UpdateHoppingObject(1);
        if (DialogueChannels.storyLine == 46) {
            EXPECT_EQ(EventHoldsPlayer, 1) << "step " << i;
        }
        if (EnterConfirmState == 1 && DialogueChannels.storyLine == 46) EnterConfirmState = 2;
        GameClock.gameClock += kStep;
    }
}

TEST_F(FieldSteps, TheHoppersFirstHopShowsItsLineOnceAGame) {
    HopToSecondSpot();
    EXPECT_EQ(HoppingObjectRecord.holdStep, 4);
    EXPECT_EQ(DialogueChannels.storyLine, 0);
    EXPECT_EQ(MessageBoxOpen, 0);
    // Chased back to its first spot and off it again: no line this time.
    Heroine(A + 200);
    StepUntil([] { UpdateHoppingObject(1); }, [] { return HoppingObjectRecord.x == A + 10; }, 200);
    Heroine(A - 100);
    int lines = 0;
    StepUntil([&] {
        UpdateHoppingObject(1);
        lines += DialogueChannels.storyLine == 46;
    }, [] { return HoppingObjectRecord.x == A + 90; }, 200);
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(HoppingObjectRecord.holdStep, 5);
}

TEST_F(FieldSteps, EachBlowOnTheHopperGivesItsReward) {
    struct Case {
        std::int32_t mode, kind;
        bool afterFirstHop;
        int coins;       // 0: untouched
        std::int32_t state;   // while it splits
    };
    const Case cases[] = {
        {1, 1, true, 1, 0}, {1, 3, true, 1, 0}, {1, 5, true, 1, 0},
        {2, 1, true, 2, 2}, {2, 2, true, 2, 2}, {2, 3, true, 2, 3}, {2, 4, true, 2, 3},
        {2, 5, true, 0, 1}, {1, 1, false, 0, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.afterFirstHop) {
            HopToSecondSpot();
        } else {
            HoppingObjectRecord.state = 1;   // resting at its first spot
            UpdateHoppingObject(1);
        }
        const std::int32_t exp = PlayerState.exp;
        const HoppingObjectStateRecord& r = HoppingObjectRecord;
        Strike(kBlows[c.mode - 1][c.kind - 1], r.x, r.y - 13);
        UpdateHoppingObject(1);
        LetDown();
        if (c.coins == 2) {
            EXPECT_EQ(r.state, c.state) << c.mode << "/" << c.kind;
            EXPECT_EQ(Coins(), 0) << "the halves fly for 0.3 s first";
            for (int i = 0; i < 30; ++i) {
                Tick();
                UpdateHoppingObject(1);
            }
        }
        EXPECT_EQ(Coins(), c.coins) << c.mode << "/" << c.kind;
        EXPECT_EQ(PlayerState.exp - exp, c.coins == 0 ? 0 : 10) << c.mode << "/" << c.kind;
        if (c.coins != 0) { EXPECT_EQ(r.state, 0) << "gone"; }
    }
}

TEST_F(FieldSteps, TheHopperComesBackOnceTheHeroineIsFarFromItsSpots) {
    HopToSecondSpot();
    Strike(kBlows[0][0], HoppingObjectRecord.x, HoppingObjectRecord.y - 13);
    UpdateHoppingObject(1);
    LetDown();
    ASSERT_EQ(HoppingObjectRecord.state, 0);
    Heroine(A + 1000);
    UpdateHoppingObject(1);
    EXPECT_EQ(HoppingObjectRecord.state, 0);
    Heroine(A + 1001);
    UpdateHoppingObject(1);
    UpdateHoppingObject(1);
    EXPECT_EQ(HoppingObjectRecord.state, 1);
    EXPECT_EQ(HoppingObjectRecord.x, A + 10);
}

TEST_F(FieldSteps, TheNoticeBoardShowsItsFourLinesEachTime) {
    for (int round = 0; round < 2; ++round) {
        Heroine(7200);
        RunEra01ExamineEvent(0);
        std::vector<std::int32_t> shown;
        std::int32_t result = 0;
        for (int i = 0; i < 20 && result != 99; ++i) {
            result = RunEra01ExamineEvent(1);
            if (DialogueChannels.storyLine != 0) shown.push_back(DialogueChannels.storyLine);
            if (EnterConfirmState == 1) EnterConfirmState = 2;
        }
        EXPECT_EQ(shown, (std::vector<std::int32_t>{20, 21, 22, 23})) << round;
        EXPECT_EQ(MessageBoxOpen, 0);
        EXPECT_EQ(EventHoldsPlayer, 0);
    }
}

// ---- the walking enemies ------------------------------------------------------------

// Walking enemy n (0 or 1) emerged in its first place with full HP.
void Emerge(int n) {
    ScrollX = 7400;   // inside both first places' windows
    WalkingEnemyRecords[0].meetingStep = 6;   // its lesson is over
    const std::int32_t home = n == 0 ? 7900 : 8400;
    Heroine(home - 150);
    auto step = n == 0 ? UpdateWalkingEnemy1 : UpdateWalkingEnemy2;
    for (int i = 0; i < 100 && WalkingEnemyRecords[n].state < 9; ++i) {
        step();
        GameClock.gameClock += kStep;
    }
}

TEST_F(FieldSteps, EveryWayOfBeatingAWalkerPaysItsHundredHpInExperience) {
    for (int n = 0; n < 2; ++n) {
        for (const auto& row : kBlows) {
            for (const Blow& b : row) {
                if (b.mode == 2 && b.kind == 5) continue;   // her guard does nothing to it
                SetUp();
                SeedRandom(10 + b.kind);
                Emerge(n);
                WalkingEnemyRecord& e = WalkingEnemyRecords[n];
                ASSERT_EQ(e.hp, 100);
                auto step = n == 0 ? UpdateWalkingEnemy1 : UpdateWalkingEnemy2;
                const std::int32_t exp = PlayerState.exp;
                for (int i = 0; i < 4000 && e.state != 94; ++i) {
                    if (e.state >= 9 && e.state <= 15) Strike(b, e.x, e.y - 66);
                    step();
                    if (e.state >= 20) LetDown();
                    Tick();
                }
                ASSERT_EQ(e.state, 94) << n << " " << b.mode << "/" << b.kind;
                EXPECT_EQ(PlayerState.exp - exp, 100) << n << " " << b.mode << "/" << b.kind;
                EXPECT_EQ(e.hp, 0);
            }
        }
    }
}

// Both walkers make for 160 px short of her; the one behind waits a body's
// width behind the other instead of walking onto it.
TEST_F(FieldSteps, TwoWalkersComeToStandOneBehindTheOther) {
    Emerge(0);
    Emerge(1);
    const WalkingEnemyRecord &first = WalkingEnemyRecords[0], &second = WalkingEnemyRecords[1];
    ASSERT_LT(first.x, second.x);
    for (int i = 0; i < 1500; ++i) {
        Heroine(9000);
        UpdateWalkingEnemy1();
        UpdateWalkingEnemy2();
        Tick();
    }
    EXPECT_GE(second.x, 9000 - 160 - 8) << "the one ahead walked up to her";
    EXPECT_GE(second.x - first.x, 64) << first.x << " " << second.x;
}

TEST_F(FieldSteps, AFendOffPaysNothingAndCostsNothing) {
    Emerge(0);
    WalkingEnemyRecord& e = WalkingEnemyRecords[0];
    e.state = 70;
    e.knockDir = 1;
    const std::int32_t exp = PlayerState.exp, hp = e.hp;
    StepUntil(UpdateWalkingEnemy1, [&] { return e.state < 20; }, 200);
    EXPECT_EQ(e.state, 9) << "walking again";
    EXPECT_EQ(PlayerState.exp, exp);
    EXPECT_EQ(e.hp, hp);
}

TEST_F(FieldSteps, AThrownObjectCostsFiveHpOrOneInWeaponModeTwo) {
    for (int mode : {1, 2}) {
        SetUp();
        Heroine(5000);
        PlayerState.weaponMode1 = mode == 1;
        PlayerState.weaponMode2 = mode == 2;
        WalkingEnemyRecord& e = WalkingEnemyRecords[0];
        e.x = 5300;
        e.objectShown = 1;
        e.objectStep = -30;
        e.objectX = 5040;
        e.objectY = 640 - 60;
        UpdateWalkingEnemyObject1(1);
        EXPECT_EQ(PlayerState.hp, 100 - (mode == 1 ? 5 : 1));
        EXPECT_EQ(e.objectShown, 0);
        EXPECT_EQ(PlayerState.x, 4990) << "pushed along the throw";
        EXPECT_EQ(PlayerHurtPoseRequest, mode == 1 ? 84 : 0);
        PlayerHurtPoseRequest = 0;
    }
}

TEST_F(FieldSteps, AThrowAtEqualXFliesLeft) {
    Emerge(1);
    WalkingEnemyRecord& e = WalkingEnemyRecords[1];
    Heroine(e.x);
    e.state = 12;
    GameClock.gameClock += 1.0;
    UpdateWalkingEnemy2();
    EXPECT_EQ(e.objectStep, -30);
    EXPECT_EQ(PlayerState.x, e.x - 10) << "it met her at once and pushed her left";
}

// The first walker holds her from the moment it comes up for its lesson, and
// only the end of its emergence moves the lesson on: a blow still swinging
// then (or one long enough to reach the mound) must leave it on that path,
// or she is held for good.
TEST_F(FieldSteps, ABlowAsTheFirstWalkerComesUpLeavesItsLessonToRun) {
    struct Row {
        std::int32_t mode, kind;   // the blow, as in kBlows
        std::int32_t state;        // the walker's state when it lands
        std::int32_t reach;        // her x behind the walker's; 0: the blow's box on it
    };
    constexpr Row rows[] = {
        {1, 1, 2, 0}, {1, 2, 4, 0}, {1, 3, 6, 0}, {1, 4, 8, 0}, {1, 5, 3, 0},
        {2, 1, 5, 0}, {2, 4, 7, 0},
        {2, 4, 1, 230},   // weapon mode 2's G reaches the mound from beyond where it wakes
    };
    for (const Row& r : rows) {
        SetUp();
        SeedRandom(5);
        ScrollX = 7400;
        WalkingEnemyRecord& e = WalkingEnemyRecords[0];
        Heroine(7000);
        UpdateWalkingEnemy1();   // its place found, lying in wait
        if (r.state > 1) {
            Heroine(e.x - 150);
            ASSERT_TRUE(StepUntil(UpdateWalkingEnemy1, [&] { return e.state == r.state; }, 100));
            Tick();
        }
        const Blow& b = kBlows[r.mode - 1][r.kind - 1];
        Strike(b, e.x, e.y - 66);
        if (r.reach != 0) PlayerState.x = e.x - r.reach;
        UpdateWalkingEnemy1();
        LetDown();
        Heroine(e.x - 150);
        const bool lesson = StepUntil(
            UpdateWalkingEnemy1, [&] { return e.meetingStep == 1 && DialogueChannels.fieldLine == 29; }, 200);
        EXPECT_TRUE(lesson) << "blow " << r.mode << "/" << r.kind << " in state " << r.state << ": walker state "
                            << e.state;
        EXPECT_EQ(e.hp, 100) << "blow " << r.mode << "/" << r.kind << " in state " << r.state;
    }
}

// ---- the flying enemies ---------------------------------------------------------------

// Flying enemy 2 in the air at a fixed place, in the window of its first perch.
void Airborne(std::int32_t x, std::int32_t y) {
    ScrollX = 12000;
    FlyingEnemyRecord& e = FlyingEnemyRecords[1];
    e.state = 2;
    e.x = x;
    e.y = y;
}

TEST_F(FieldSteps, APerchedFlyerCannotBeHit) {
    // Away from its perches the second one sits at x 0 and never takes off.
    ScrollX = 3000;
    Heroine(100);
    UpdateFlyingEnemy2();
    FlyingEnemyRecord& e = FlyingEnemyRecords[1];
    ASSERT_EQ(e.state, 1);
    ASSERT_EQ(e.x, 0);
    Strike(kBlows[0][0], e.x + 32, e.y - 41);
    UpdateFlyingEnemy2();
    EXPECT_EQ(e.state, 1);
    EXPECT_EQ(HitEffectState, 0);
    // In the air the same blow knocks it.
    Airborne(12300, 400);
    Strike(kBlows[0][0], e.x + 32, e.y - 41);
    UpdateFlyingEnemy2();
    EXPECT_EQ(e.state, 10);
}

// Two flyers that reach the top of their climb together do not set out
// across the view together: one hovers lower until the other is across, so
// the two never fly on as one picture.
TEST_F(FieldSteps, TwoFlyersCrossTheViewOneAfterTheOther) {
    ScrollX = 12000;
    Heroine(12400);
    FlyingEnemyRecord &a = FlyingEnemyRecords[1], &b = FlyingEnemyRecords[2];
    a.state = b.state = 2;
    a.x = 12100;
    b.x = 12104;
    a.y = b.y = 125;
    int together = 0, crossings = 0;
    for (int i = 0; i < 1200; ++i) {
        Heroine(12400);
        const bool wasCrossing = a.state == 3 || b.state == 3;
        UpdateFlyingEnemy2();
        UpdateFlyingEnemy3();
        if (a.state == 3 && b.state == 3) ++together;
        if (!wasCrossing && (a.state == 3 || b.state == 3)) ++crossings;
        Tick();
    }
    EXPECT_EQ(together, 0);
    EXPECT_GE(crossings, 2) << "both crossed in turn";
}

TEST_F(FieldSteps, FlyerHpFallsToThreeLightOrTwoHeavyKnocks) {
    for (int kind = 1; kind <= 4; ++kind) {
        SetUp();
        FlyingEnemyRecord& e = FlyingEnemyRecords[1];
        int knocks = 0;
        const std::int32_t exp = PlayerState.exp;
        while (knocks < 5 && e.state != 20 && e.state != 21) {
            Airborne(12300, 400);
            Strike(kBlows[0][kind - 1], e.x + 32, e.y - 41);
            UpdateFlyingEnemy2();
            LetDown();
            ASSERT_EQ(e.state, 10) << kind;
            ++knocks;
            StepUntil(UpdateFlyingEnemy2, [&] { return e.state == 12 || e.state == 20; }, 100);
        }
        EXPECT_EQ(knocks, kind == 1 ? 3 : 2) << kind;
        const int damage[5] = {0, 10, 15, 20, 25};
        EXPECT_EQ(PlayerState.exp - exp, damage[kind] * knocks) << kind;
    }
}

TEST_F(FieldSteps, ABreakApartDefeatsWithoutExperienceAndItPerchesAgainLater) {
    FlyingEnemyRecord& e = FlyingEnemyRecords[1];
    Airborne(12300, 400);
    Strike(kBlows[0][4], e.x + 32, e.y - 41);   // weapon mode 1, Q
    UpdateFlyingEnemy2();
    LetDown();
    const std::int32_t exp = PlayerState.exp;
    ASSERT_TRUE(StepUntil(UpdateFlyingEnemy2, [&] { return e.state == 21; }, 200));
    EXPECT_EQ(PlayerState.exp, exp);
    EXPECT_EQ(e.hp, 30);
    // Defeated by damage, it perches again 3.12 s later.
    SetUp();
    e.hp = 10;
    Airborne(12300, 400);
    Strike(kBlows[0][0], e.x + 32, e.y - 41);
    UpdateFlyingEnemy2();
    LetDown();
    ASSERT_TRUE(StepUntil(UpdateFlyingEnemy2, [&] { return e.state == 20; }, 100));
    const double defeated = GameClock.gameClock;
    Heroine(11000);
    ASSERT_TRUE(StepUntil(UpdateFlyingEnemy2, [&] { return e.state == 1; }, 400));
    EXPECT_NEAR(GameClock.gameClock - defeated, 3.12, 2 * kStep);
    EXPECT_EQ(e.hp, 30);
}

TEST_F(FieldSteps, ALessonCutOffByALoadResumesAtTheTakeOff) {
    for (std::int32_t step = 1; step <= 8; ++step) {
        SetUp();
        FlyingEnemyRecords[0].lessonStep = step;
        for (FlyingEnemyRecord& e : FlyingEnemyRecords) e.state = 41;
        ScrollX = 20000;
        Heroine(19000);
        UpdateFlyingEnemy1(1);
        const bool resumes = step >= 2 && step <= 7;
        EXPECT_EQ(FlyingEnemyRecords[0].lessonStep, resumes ? 5 : (step == 1 ? 2 : step)) << step;
        for (const FlyingEnemyRecord& e : FlyingEnemyRecords) EXPECT_EQ(e.state == 1, resumes) << step;
    }
}

TEST_F(FieldSteps, AProjectileCostsFiveHpOrOneInWeaponModeTwo) {
    for (int mode : {1, 2}) {
        SetUp();
        Heroine(12300);
        PlayerState.weaponMode1 = mode == 1;
        PlayerState.weaponMode2 = mode == 2;
        FlyingEnemyRecord& e = FlyingEnemyRecords[1];
        e.state = 21;   // away, so only its projectile acts
        e.x = 12300;
        e.y = 581;
        e.projectileState = 1;   // dropped at 21 px above its body
        e.projectileDX = e.projectileDY = 0;
        UpdateFlyingEnemy2();
        EXPECT_EQ(PlayerState.hp, 100 - (mode == 1 ? 5 : 1)) << mode;
        EXPECT_EQ(e.projectileState, 0);
    }
}

// ---- field enemy A -----------------------------------------------------------------

constexpr std::int32_t H = 17549;

// Field enemy A standing guard at home, met long ago.
void StandingGuard() {
    FieldEnemyARecord.firstMeetingStep = 14;
    ScrollX = H - 600;
    Heroine(H - 350);
    for (int i = 0; i < 200 && FieldEnemyARecord.state != 8; ++i) {
        UpdateFieldEnemyA(1);
        GameClock.gameClock += kStep;
    }
}

TEST_F(FieldSteps, FieldEnemyAAnswersEachBlowOfWeaponModeOne) {
    struct Case {
        std::int32_t kind, heightAboveFeet;
        std::int32_t hpLost;
    };
    const Case cases[] = {{1, 0, 10}, {1, 40, 20}, {3, 0, 50}, {4, 0, 50}};
    for (const Case& c : cases) {
        SetUp();
        StandingGuard();
        ASSERT_EQ(FieldEnemyARecord.state, 8);
        FieldEnemyAStateRecord& e = FieldEnemyARecord;
        const std::int32_t hp = e.hp, exp = PlayerState.exp;
        const Blow& b = kBlows[0][c.kind - 1];
        Strike(b, e.x, e.y - 70);
        PlayerState.y = e.y - c.heightAboveFeet;
        UpdateFieldEnemyA(1);
        LetDown();
        Heroine(H - 400);
        StepUntil([] { UpdateFieldEnemyA(1); }, [&] { return e.state == 8; }, 1000);
        EXPECT_EQ(hp - e.hp, c.hpLost) << c.kind << " at " << c.heightAboveFeet;
        EXPECT_EQ(PlayerState.exp - exp, c.hpLost) << c.kind;
    }
}

TEST_F(FieldSteps, FieldEnemyAIsBlownAwayByAGuardOnALowRoll) {
    int blown = 0, knocked = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SetUp();
        StandingGuard();
        SeedRandom(seed);
        FieldEnemyAStateRecord& e = FieldEnemyARecord;
        Strike(kBlows[0][4], e.x, e.y - 70);
        UpdateFieldEnemyA(1);
        LetDown();
        const std::int32_t roll = RandomLastValue;
        EXPECT_EQ(e.state, roll < 30 ? 70 : 80) << roll;
        (roll < 30 ? blown : knocked) += 1;
    }
    EXPECT_GT(blown, 0);
    EXPECT_GT(knocked, 0);
}

TEST_F(FieldSteps, InWeaponModeTwoOnlyItsTwoHeavyReactionsCostFieldEnemyAHp) {
    for (int kind = 1; kind <= 4; ++kind) {
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            SetUp();
            StandingGuard();
            SeedRandom(seed);
            FieldEnemyAStateRecord& e = FieldEnemyARecord;
            const std::int32_t hp = e.hp;
            Strike(kBlows[1][kind - 1], e.x, e.y - 70);
            UpdateFieldEnemyA(1);
            LetDown();
            const bool heavy = e.state == 25 || e.state == 26;
            Heroine(H - 400);
            StepUntil([] { UpdateFieldEnemyA(1); }, [&] { return e.state == 8 || e.state == 0; }, 1000);
            if (e.state == 0) {
                EXPECT_FALSE(heavy) << "blown away, it left (its HP word becomes 300)";
                continue;
            }
            EXPECT_EQ(hp - e.hp, heavy ? 50 : 0) << kind << " seed " << seed;
            if (kind <= 2) { EXPECT_FALSE(heavy); }
        }
    }
}

TEST_F(FieldSteps, FieldEnemyAReturnsOnlyAfterTheHeroineHasGoneFarAndComeBack) {
    StandingGuard();
    FieldEnemyAStateRecord& e = FieldEnemyARecord;
    e.hp = 0;
    ASSERT_TRUE(StepUntil([] { UpdateFieldEnemyA(1); }, [&] { return e.state == 0; }, 2000));
    EXPECT_EQ(e.hp, 300);
    // Back at home without going far: still gone.
    Heroine(H - 700);
    ScrollX = H - 1000;
    for (int i = 0; i < 5; ++i) UpdateFieldEnemyA(1);
    EXPECT_EQ(e.state, 0);
    // Past 20500, then back left of 17000 with the view left of 17600.
    Heroine(20501);
    ScrollX = 20000;
    UpdateFieldEnemyA(1);
    EXPECT_EQ(e.state, 0);
    Heroine(17100);
    ScrollX = 17550;
    UpdateFieldEnemyA(1);
    EXPECT_EQ(e.state, 0) << "not yet left of 17000";
    Heroine(16999);
    UpdateFieldEnemyA(1);
    EXPECT_EQ(e.state, 1);
    EXPECT_EQ(e.hp, 500);
}

// ---- the trip over the low obstacle ----------------------------------------------------

TEST_F(FieldSteps, RunningIntoTheObstacleTripsOnceForOneHp) {
    struct Case {
        std::int32_t x, y;
        bool running;
        bool trips;
    };
    const Case cases[] = {
        {11330, 640, true, true}, {11231, 640, true, true}, {11230, 640, true, false},
        {11330, 609, true, false}, {11330, 640, false, false},
    };
    for (const Case& c : cases) {
        SetUp();
        UpdatePitHazard();   // settle any trip of an earlier case
        GameClock.gameClock += 5.0;
        UpdatePitHazard();
        Heroine(c.x, c.y);
        PlayerMoveState.runSlideState = c.running ? 98 : 0;
        UpdatePitHazard();
        EXPECT_EQ(PlayerState.hp, c.trips ? 99 : 100) << c.x << "," << c.y;
        EXPECT_EQ(MessageBoxOpen, c.trips ? 1 : 0) << c.x << "," << c.y;
        if (!c.trips) continue;
        // Still sliding: the tumble ends after at most 1 s; keys back 1 s later.
        const double tripped = GameClock.gameClock;
        double tumbleEnd = 0, keysBack = 0;
        for (int i = 0; i < 400 && keysBack == 0; ++i) {
            Tick();
            UpdatePitHazard();
            if (tumbleEnd == 0 && PlayerState.pose == 26) tumbleEnd = GameClock.gameClock;
            if (MessageBoxOpen == 0) keysBack = GameClock.gameClock;
        }
        EXPECT_LE(tumbleEnd - tripped, 1.0 + 2 * kStep);
        EXPECT_NEAR(keysBack - tumbleEnd, 1.0, 2 * kStep);
        EXPECT_EQ(PlayerState.hp, 99) << "one HP however long it lasts";
        EndEveryHold();
    }
}

}  // namespace
