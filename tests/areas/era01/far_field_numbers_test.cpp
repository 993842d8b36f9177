// The far field's numbers that matter: what the heroine's blows take from a
// monster, what its strikes and the encounter's projectiles take from her,
// where the encounter's examine starts, the actors' HP and pay, the door's
// reward, and what the far field's draw passes show and where.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>
#include <utility>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/era01/monsters.h"
#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/area_flags.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/step_helpers.h"
#include "core/random.h"
#include "shell/draw_pass_fixture.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t A = SectionAnchorX[55];
constexpr std::int32_t T = SectionAnchorX[56];

// The next roll of the generator after `seed`, without using it up.
std::int32_t NextRoll(std::uint32_t seed) {
    SeedRandom(seed);
    const std::int32_t r = Random0To99();
    SeedRandom(seed);
    return r;
}
// A seed whose next roll is a dodge (<= 10) or not.
void SeedForDodge(bool dodge) {
    // Small seeds all start with 0; spread them over the whole range.
    for (std::uint32_t s = 1; s < 1000; ++s)
        if ((NextRoll(s * 2654435761u) <= 10) == dodge) return;
}

void Tick(double seconds) { GameClock.gameClock += seconds; }

struct HitCase {
    std::int32_t power, dx, monsterY, reaction, taken;
};

TEST(MonsterHits, BlowsByPowerReachAndHalf) {
    // Frame 4 stands 158 px tall: its lower half is Y - 79 .. Y. Her low
    // point is her y - 70, her high point her y - 128.
    const HitCase cases[] = {
        {1, 100, 640, 1, 20},  {1, 100, 700, 2, 30},  {1, 130, 640, 1, 20}, {1, 131, 640, 0, 0},
        {1, 29, 640, 0, 0},    {1, 30, 640, 1, 20},   {10, 80, 560, 3, 40}, {10, 80, 640, 4, 50},
        {10, 81, 640, 0, 0},   {50, 120, 560, 5, 200}, {50, 120, 640, 6, 200}, {50, 121, 640, 0, 0},
    };
    for (const HitCase& c : cases) {
        MonsterGroupRecord& m = MonsterGroupRecords[0];
        m = MonsterGroupRecord{};
        m.phase = 2;
        m.frame = 4;
        m.hp = 200;
        m.x = 1000 + c.dx;
        m.y = c.monsterY;
        PlayerState.x = 1000;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        PlayerState.exp = 0;
        PlayerAttackBox.power = c.power;
        HitEffectState = 0;
        SeedForDodge(false);
        TestMonsterHit(0);
        EXPECT_EQ(m.reaction, c.reaction) << c.power << " at " << c.dx << " y " << c.monsterY;
        EXPECT_EQ(200 - m.hp, c.taken) << c.power << " at " << c.dx;
        EXPECT_EQ(PlayerState.exp, c.taken) << "paid as EXP";
        EXPECT_EQ(m.phase, c.reaction == 0 ? 2 : 97);
    }
    // A dodge pays nothing.
    MonsterGroupRecord& m = MonsterGroupRecords[0];
    m = MonsterGroupRecord{.phase = 2, .frame = 4, .hp = 200, .x = 1100, .y = 640};
    PlayerState.exp = 0;
    PlayerAttackBox.power = 1;
    SeedForDodge(true);
    TestMonsterHit(0);
    EXPECT_EQ(m.reaction, 7);
    EXPECT_EQ(m.hp, 200);
    EXPECT_EQ(PlayerState.exp, 0);
}

// One strike of group g armed and played out; the heroine's HP lost.
std::int32_t StrikeCost(int g, std::int32_t phase, std::int32_t pose, bool guarding = false) {
    MonsterGroupRecord& m = MonsterGroupRecords[g];
    m = MonsterGroupRecord{.phase = phase, .frame = 4, .facing = -1, .hp = 200, .x = 1100, .y = 640};
    m.homeX = 50000;
    MonsterPrivates[g] = MonsterPrivate{};
    MonsterPrivates[g].strikeStep = 1;
    PlayerState.x = 1000;
    PlayerState.y = 640;
    PlayerState.facing = 1;
    PlayerState.pose = pose;
    PlayerState.hp = PlayerState.maxHp = 500;
    PlayerState.weaponMode1 = guarding ? 0 : 1;
    PlayerState.weaponMode2 = guarding ? 1 : 0;
    PlayerMoveState.comboQ = guarding ? 1 : 0;
    PlayerAttackBox.power = 0;
    ScrollX = 500;
    for (int step = 0; step < 300 && m.phase != 2; ++step) {
        // She stays as she is for the strike's whole length.
        PlayerState.pose = pose;
        if (g == 0) UpdateMonsterGroup1();
        else UpdateMonsterGroup2();
        // The stand-off and the next strike are not part of this one.
        if (m.phase == 2) break;
        Tick(0.014);
    }
    for (int step = 0; step < 300 && m.attackKind != 0; ++step) {
        if (g == 0) UpdateMonsterGroup1();
        else UpdateMonsterGroup2();
        Tick(0.014);
    }
    return 500 - PlayerState.hp;
}

TEST(MonsterHits, StrikesByGroupAndPose) {
    struct Case {
        int group;
        std::int32_t phase, pose, cost;
    };
    const Case cases[] = {
        {0, 3, 1, 5},  {0, 4, 1, 5},  {0, 5, 1, 5},  {0, 6, 1, 20},   // combo D: three jabs and the blow
        {1, 3, 1, 10}, {1, 4, 1, 15}, {1, 5, 1, 15}, {1, 6, 1, 30},
        {0, 3, 26, 0}, {0, 4, 26, 5}, {0, 5, 26, 0}, {0, 6, 26, 0},   // the Down pose escapes all but B
    };
    for (const Case& c : cases) {
        SeedRandom(5);
        EXPECT_EQ(StrikeCost(c.group, c.phase, c.pose), c.cost)
            << "group " << c.group + 1 << " strike " << c.phase << " pose " << c.pose;
    }
    EXPECT_EQ(StrikeCost(0, 3, 1, true), 0) << "a guard in weapon mode 2";
    EXPECT_EQ(PlayerGuardStruck, 1u);
}

TEST(MonsterHits, AKnockBackOutsideBothPoseBandsTakesTheNearerOnes) {
    struct Case {
        std::int32_t heroineY, front;
    };
    // Strike A hits 92 px above the monster's feet (y 548): her bands are
    // y - 70 .. y - 10 (84) and y - 137 .. y - 70 (85).
    const Case cases[] = {{600, 84}, {640, 85}, {300, 84}, {900, 85}};
    for (const Case& c : cases) {
        MonsterGroupRecord& m = MonsterGroupRecords[0];
        m = MonsterGroupRecord{.phase = 3, .frame = 7, .facing = -1, .attackKind = 1, .x = 1100, .y = 640};
        PlayerState.x = 1000;
        PlayerState.y = c.heroineY;
        PlayerState.facing = 1;
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
        ArmMonsterPlayerKnockback(0);
        EXPECT_EQ(MonsterPrivates[0].chosenPose, c.front) << c.heroineY;
    }
}

TEST(MonsterGroups, HomeTakesAHangingMonsterAwayAndKillsAnyOtherWithoutCoins) {
    MonsterGroupRecord& m = MonsterGroupRecords[0];
    ScrollX = 20000;   // no spawn window
    PlayerState.x = SectionAnchorX[41] - 100;
    m = MonsterGroupRecord{.phase = 1, .frame = 1, .hp = 200, .x = SectionAnchorX[41], .y = 189};
    m.homeX = SectionAnchorX[41];
    UpdateMonsterGroup1();
    EXPECT_EQ(m.phase, 0);
    EXPECT_EQ(m.frame, 0);
    m = MonsterGroupRecord{.phase = 2, .frame = 4, .hp = 200, .x = SectionAnchorX[41], .y = 640};
    m.homeX = SectionAnchorX[41];
    const std::int32_t goldBefore = Gold;
    for (int step = 0; step < 400 && m.frame != 0; ++step) {
        PlayerState.x = SectionAnchorX[41] - 100;
        UpdateMonsterGroup1();
        Tick(0.014);
    }
    EXPECT_EQ(m.frame, 0) << "it died";
    for (int step = 0; step < 400; ++step) UpdatePickups();
    EXPECT_EQ(Gold, goldBefore) << "and dropped no coins";
}

TEST(MonsterGroups, TheTalkStateAloneSurvivesInTheRecordOfASpawn) {
    // A killed monster comes back at once while the view is in its window.
    for (int g = 0; g < 2; ++g) {
        MonsterGroupRecord& m = MonsterGroupRecords[g];
        m = MonsterGroupRecord{.talkState = 2};
        const std::int32_t anchor = g == 0 ? SectionAnchorX[36] : SectionAnchorX[43];
        ScrollX = anchor - 500;
        PlayerState.x = anchor - 300;
        if (g == 0) UpdateMonsterGroup1();
        else UpdateMonsterGroup2();
        EXPECT_EQ(m.phase, 1);
        EXPECT_EQ(m.hp, 200);
        EXPECT_EQ(m.x, anchor);
        EXPECT_EQ(m.talkState, 2);
        EXPECT_EQ(m.homeX, g == 0 ? SectionAnchorX[41] : SectionAnchorX[48]);
    }
    // Both hang at their height and, she being near, start their drop.
    EXPECT_EQ(MonsterGroupRecords[0].y, 189 + 106);
    EXPECT_EQ(MonsterGroupRecords[1].y, 289 + 106);
}

// The second group's remark stops her where it finds her (a dash going on
// under it would carry her out of the group's stretch, where nothing reads
// the line), holds her until it is read whatever the other group's
// knock-back lets go of, and once the stage step has ended its hold (the
// group left unstepped) it is over: she is not held again without a line.
TEST(MonsterGroups, BothOnScreenTheRemarkHoldsHerUnhurtUntilItIsRead) {
    auto bothOnScreenMidDash = [] {
        EndEveryHold();
        ScrollX = 30000;
        PlayerState.x = 30100;
        MonsterGroupRecords[0] = MonsterGroupRecord{.talkState = 2, .phase = 7, .frame = 4, .hp = 200, .x = 30400,
                                                    .y = 640, .homeX = SectionAnchorX[41]};
        MonsterGroupRecords[1] = MonsterGroupRecord{.phase = 2, .frame = 4, .hp = 200, .x = 30700, .y = 640,
                                                    .homeX = SectionAnchorX[48]};
        MonsterPrivates[1] = MonsterPrivate{};
        PlayerMoveState = PlayerMoveStateRecord{.xSpeed = 1300, .runSlideState = 2, .runX = 1};
    };
    bothOnScreenMidDash();
    UpdateMonsterGroup2();
    ASSERT_EQ(DialogueChannels.fieldLine, 55);
    EXPECT_EQ(PlayerHpHold, -1) << "her HP waits while the line holds her";
    EXPECT_EQ(PlayerMoveState.runX + PlayerMoveState.runSlideState + PlayerMoveState.xSpeed, 0)
        << "her dash ends where the remark finds her";
    // The other group's knock-back ends meanwhile and lets go of its hold.
    TakeHoldOfHeroine(kMonsterGroupRows[0].knockHold);
    LetGoOfHeroine(kMonsterGroupRows[0].knockHold);
    UpdateMonsterGroup2();
    EXPECT_EQ(MessageBoxOpen, 1) << "the line still holds her";
    EnterConfirmState = 2;
    UpdateMonsterGroup2();
    EXPECT_EQ(DialogueChannels.fieldLine, 0);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(PlayerHpHold, 0);

    bothOnScreenMidDash();
    const std::uint32_t endedBefore = HoldsEndedUnkept;
    UpdateMonsterGroup2();
    EndHoldsNotKept();
    EndHoldsNotKept();   // a stage step without the group
    EXPECT_EQ(HoldsEndedUnkept, endedBefore + 1);
    EXPECT_EQ(DialogueChannels.fieldLine, 0) << "its line closes with its hold";
    UpdateMonsterGroup2();
    EXPECT_EQ(MessageBoxOpen, 0) << "no hold again without its line";
    EXPECT_EQ(MonsterGroupRecords[1].talkState, 2);
    EXPECT_EQ(PlayerHpHold, 0);
    HoldsEndedUnkept = endedBefore;
}

// A remark that finds her inside a monster (the first group's, in its
// stand-off on her) walks her out beside it, to the nearer side clear of
// both, and lets go of the walk with the line.
TEST(MonsterGroups, TheRemarkFindingHerInsideAMonsterWalksHerOutBesideIt) {
    EndEveryHold();
    ScrollX = 30000;
    PlayerState.x = 30420;
    PlayerState.facing = 1;
    KeyLeftPressed = KeyRightPressed = 0;
    PlayerMoveState = PlayerMoveStateRecord{};
    MonsterGroupRecords[0] = MonsterGroupRecord{.talkState = 2, .phase = 7, .frame = 4, .hp = 200, .x = 30400,
                                                .y = 640, .homeX = SectionAnchorX[41]};
    MonsterGroupRecords[1] = MonsterGroupRecord{.phase = 2, .frame = 4, .hp = 200, .x = 30700, .y = 640,
                                                .homeX = SectionAnchorX[48]};
    MonsterPrivates[1] = MonsterPrivate{};
    UpdateMonsterGroup2();
    ASSERT_EQ(DialogueChannels.fieldLine, 55);
    const MonsterPrivate& p = MonsterPrivates[1];
    EXPECT_EQ(p.clearSpot, 30400 + kMonsterBodyReach + kHeroineHalfWidth) << "beside it, on her side of it";
    EXPECT_EQ(KeyRightPressed, 1);
    EXPECT_EQ(KeyLeftPressed, 0);
    EnterConfirmState = 2;
    UpdateMonsterGroup2();
    EXPECT_EQ(KeyLeftPressed + KeyRightPressed, 0) << "the walk ends with the line";
    EXPECT_EQ(MessageBoxOpen, 0);
}

// The field's events that hold her where they meet her start as she comes up
// to their place, not from past it: come back from the east with one still
// to meet, she is not fetched back to it.
TEST(FieldEvents, AnEventStartsAsSheComesUpToItsPlaceNotFromPastIt) {
    constexpr std::int32_t M = SectionAnchorX[35], G = SectionAnchorX[19];
    struct Case {
        const char* what;
        std::int32_t x, scroll;
        void (*step)();
        bool (*started)();
        bool starts;
    };
    const Case cases[] = {
        {"the first monster talk", M - 650, M - 1000, UpdateMonsterGroup1,
         [] { return MonsterGroupRecords[0].talkState == 1; }, true},
        {"the first monster talk", M + 1177, M - 300, UpdateMonsterGroup1,
         [] { return MonsterGroupRecords[0].talkState == 1; }, false},
        {"the encounter", A - 450, A - 800, UpdateEncounterIntro, [] { return EncounterPhase == 1; }, true},
        {"the encounter", A + 2000, A + 1500, UpdateEncounterIntro, [] { return EncounterPhase == 1; }, false},
        {"the gatekeeper", G + 1100, G + 700, [] { UpdateGatekeeper(1); },
         [] { return GatekeeperRecord.done == 99; }, true},
        {"the gatekeeper", G + 3000, G + 2600, [] { UpdateGatekeeper(1); },
         [] { return GatekeeperRecord.done == 99; }, false},
    };
    for (const Case& c : cases) {
        ResetEra00Era01Area();
        EndEveryHold();
        PlayerState.x = c.x;
        PlayerState.y = 640;
        ScrollX = c.scroll;
        c.step();
        EXPECT_EQ(c.started(), c.starts) << c.what << " from " << c.x;
    }
    ResetEra00Era01Area();
    EndEveryHold();
}

// An event that holds her is not undone by where she or the view stands: its
// own steps move it on (the first walking enemy's lesson mid-line, the first
// monster group's talk with the group far from her).
TEST(FieldEvents, AnEventUnderWayIsNotUndoneByWhereTheViewStands) {
    ResetEra00Era01Area();
    EndEveryHold();
    WalkingEnemyRecord& walker = WalkingEnemyRecords[0];
    walker.state = 8;
    walker.meetingStep = 1;
    ScrollX = 40000;   // far outside its walking window
    PlayerState.x = 40300;
    UpdateWalkingEnemy1();
    EXPECT_EQ(walker.state, 8) << "the lesson's line still up";
    MonsterGroupRecords[0] = MonsterGroupRecord{.talkState = 1, .phase = 1, .frame = 1, .x = SectionAnchorX[36],
                                                .y = 295, .homeX = SectionAnchorX[41]};
    MonsterPrivates[0] = MonsterPrivate{.talkStep = 1};
    ScrollX = 26000;   // no place of the group's in view
    PlayerState.x = SectionAnchorX[35] - 700;
    UpdateMonsterGroup1();
    EXPECT_EQ(DialogueChannels.fieldLine, 50) << "its talk goes on";
    ResetEra00Era01Area();
    EndEveryHold();
}

// A dash past her ends 300 px beyond her, on the hop that passes that mark;
// where the other group's monster stands there, it hops on until the two
// stand 110 px apart, so they never stand on one spot as one picture.
// Group 1's monster standing at `x`, its talk behind it, beside `other`,
// stepped while she stands at `herX` until a dash of its has ended (at most
// `steps` steps); whether it dashed.
bool StepUntilItsDashEnds(std::int32_t x, std::int32_t herX, std::int32_t scroll, const MonsterGroupRecord& other,
                          int steps) {
    ScrollX = scroll;
    PlayerState.x = herX;
    PlayerMoveState = PlayerMoveStateRecord{};
    MonsterPrivates[0] = MonsterPrivate{};
    MonsterGroupRecords[0] = MonsterGroupRecord{.talkState = 2, .phase = 2, .frame = 4, .hp = 200, .x = x, .y = 640,
                                                .homeX = SectionAnchorX[41]};
    MonsterGroupRecords[1] = other;
    const MonsterGroupRecord& m = MonsterGroupRecords[0];
    bool dashed = false;
    for (int step = 0; step < steps && !(dashed && m.dashing == 0); ++step) {
        UpdateMonsterGroup1();
        dashed = dashed || m.dashing == 1;
        PlayerState.x = herX;
        Tick(0.014);
    }
    return dashed;
}

TEST(MonsterGroups, ADashDoesNotEndOnTheOtherMonster) {
    struct Case {
        std::int32_t otherX, endX;
    };
    for (const Case c : {Case{29733, 29850}, Case{29000, 29750}, Case{29860, 29750}}) {
        const MonsterGroupRecord other{.talkState = 2, .phase = 2, .frame = 4, .hp = 200, .x = c.otherX, .y = 640,
                                       .homeX = SectionAnchorX[48]};
        ASSERT_TRUE(StepUntilItsDashEnds(28800, 29400, 29000, other, 400)) << c.otherX;
        const MonsterGroupRecord& m = MonsterGroupRecords[0];
        EXPECT_EQ(m.dashing, 0) << c.otherX;
        EXPECT_EQ(m.x, c.endX) << c.otherX;
    }
}

// At the field's west end a dash that passed her ends in the post she reads
// at: a monster standing in it dashes out past her; one beside it, or off
// the world's edge out of sight, stays.
TEST(MonsterGroups, AMonsterStandingInTheWestPostDashesOutPastHer) {
    struct Case {
        std::int32_t x;
        bool dashesOut;
    };
    for (const Case c : {Case{20, true}, Case{140, true}, Case{-60, true}, Case{160, false}, Case{-120, false}}) {
        EXPECT_EQ(StepUntilItsDashEnds(c.x, 200, 0, MonsterGroupRecord{}, 200), c.dashesOut) << c.x;
        if (c.dashesOut) {
            EXPECT_GT(MonsterGroupRecords[0].x, 200 + 300) << c.x;
        }
    }
}

// Nor does a monster drop from its hanging place onto the other one: it
// hangs on until the other has gone from under it.
TEST(MonsterGroups, AMonsterHangsOnWhileTheOtherStandsUnderIt) {
    ScrollX = 29000;
    PlayerState.x = 29400;
    MonsterPrivates[1] = MonsterPrivate{};
    MonsterGroupRecords[0] = MonsterGroupRecord{.talkState = 2, .phase = 2, .frame = 4, .hp = 200, .x = 29700,
                                                .y = 640, .homeX = SectionAnchorX[41]};
    MonsterGroupRecords[1] = MonsterGroupRecord{.phase = 1, .frame = 1, .hp = 200, .x = 29765, .y = 289,
                                                .homeX = SectionAnchorX[48]};
    for (int step = 0; step < 100; ++step) {
        UpdateMonsterGroup2();
        Tick(0.014);
    }
    EXPECT_EQ(MonsterGroupRecords[1].y, 289) << "still hanging";
    MonsterGroupRecords[0].x = 29400;
    UpdateMonsterGroup2();
    EXPECT_EQ(MonsterGroupRecords[1].y, 289 + 106) << "the drop starts";
}

TEST(EncounterNumbers, TheExamineStartsBetweenAPlus82And167) {
    struct Case {
        std::int32_t x;
        bool starts;
    };
    const Case cases[] = {{A + 81, false}, {A + 82, true}, {A + 167, true}, {A + 168, false}};
    for (const Case& c : cases) {
        EncounterIntroWords = EncounterIntroWordsRecord{};
        EncounterPhase = 4;
        EnterConfirmState = 0;
        EndEveryHold();
        PlayerState.x = c.x;
        KeyAPressed = 1;
        UpdateEncounterIntro();
        EXPECT_EQ(EnterConfirmState == 1 && EventHoldsPlayer == 1, c.starts) << c.x - A;
        // A phase-4 start shows the dropped object and hides actor 1.
        EXPECT_EQ(EncounterIntroWords.droppedShown, 1);
        EXPECT_EQ(EncounterIntroWords.droppedX, A + 68);
        EXPECT_EQ(EncounterTrio.actor[0].frame, 0);
    }
}

TEST(EncounterNumbers, TheFightsHpAndThePayOfLightHits) {
    EncounterPhase = 5;
    PlayerState.x = A + 700;
    PlayerState.y = 640;
    PlayerState.facing = 1;
    ScrollX = A + 400;
    UpdateEncounterFight();
    EXPECT_EQ(EncounterTrio.actor[0].hp, 300);
    EXPECT_EQ(EncounterTrio.actor[1].hp, 600);
    EXPECT_EQ(EncounterTrio.actor[2].hp, 500);
    EXPECT_EQ(EncounterTrio.actor[0].floorOffset, 50);
    EXPECT_FLOAT_EQ(EncounterPieceDepths[0], 0.21f);

    // Light hits with S on actor 1, each from beside it.
    EncounterTrioActor& a = EncounterTrio.actor[0];
    PlayerState.exp = 0;
    std::int32_t hits = 0;
    for (; hits < 8; ++hits) {
        const std::int32_t hpBefore = a.hp;
        PlayerState.x = a.x - 60;
        PlayerState.y = a.y + 51;   // her S box reaches its feet line
        PlayerState.facing = 1;
        PlayerState.pose = 21;
        PlayerMoveState.comboS = 20;
        RunEncounterActor(1, 1);
        PlayerState.pose = 1;
        PlayerMoveState.comboS = 0;
        for (int step = 0; step < 200 && a.hp == hpBefore; ++step) {
            Tick(0.014);
            RunEncounterActor(1, 1);
        }
        if (hits == 0) {
            EXPECT_EQ(a.hp, 260);
            EXPECT_EQ(PlayerState.exp, 40);
        }
    }
    EXPECT_LE(a.hp, 0);
    // The eighth hit sends it off; the flight's start pays what is left.
    for (int step = 0; step < 20; ++step) {
        Tick(0.014);
        RunEncounterActor(1, 1);
    }
    EXPECT_EQ(PlayerState.exp, 300);

    // It waits by the tower until the tower's right edge comes into view.
    ScrollX = 44425;
    for (int step = 0; step < 1500; ++step) {
        Tick(0.014);
        RunEncounterActor(1, 1);
    }
    EXPECT_EQ(a.x, T - 50);
    EXPECT_EQ(a.floorOffset, 50);
    ScrollX = 44426;
    for (int step = 0; step < 600 && FloorGateState.level1 == 0; ++step) {
        Tick(0.014);
        RunEncounterActor(1, 1);
    }
    EXPECT_EQ(a.floorOffset, 0);
    EXPECT_EQ(FloorGateState.level1, 1);
    EXPECT_EQ(a.x, T + 112);
    EXPECT_EQ(a.y, 616);
}

// The heroine against the tower's walls, step by step: where she ends.
TEST(EncounterNumbers, TheTowerWallsHoldHerUntilSheStandsOnTop) {
    EncounterPhase = 5;
    ScrollX = T - 600;
    struct Case {
        std::int32_t x, y, jumpKind;
        std::int32_t endX, topReached, endJumpKind;
    };
    const Case cases[] = {
        {T + 40, 640, 0, T + 40, 0, 0}, {T + 60, 640, 0, T + 49, 0, 0},     // the left wall
        {T + 50, 451, 0, T + 49, 0, 0},                                     // a stride onto its edge
        {T + 40, 287, 0, T + 40, 1, 0}, {T + 60, 238, 0, T + 60, 1, 0},     // on top she passes
        {T + 100, 250, 21, T + 100, 1, 11},                                 // a walking jump comes down
        {T + 160, 400, 0, T + 160, 0, 0}, {T + 140, 640, 0, T + 149, 0, 0}, // the right wall
        {T + 160, 287, 0, T + 160, 1, 0}, {T + 140, 287, 0, T + 140, 1, 0},
    };
    for (const Case& c : cases) {
        PlayerState.x = c.x;
        PlayerState.y = c.y;
        PlayerState.pose = 1;
        PlayerMoveState.jumpKind = c.jumpKind;
        UpdateEncounterFight();
        EXPECT_EQ(PlayerState.x, c.endX) << c.x - T << ", " << c.y;
        EXPECT_EQ(EncounterDoneFlag, c.topReached) << c.x - T << ", " << c.y;
        EXPECT_EQ(PlayerMoveState.jumpKind, c.endJumpKind) << c.x - T;
    }
}

TEST(EncounterNumbers, TheThirdExamineOfTheDoorPays300GoldOncePerGame) {
    EncounterPhase = 5;
    ScrollX = A;
    Gold = 0;
    std::vector<std::int32_t> paid;
    for (int examine = 1; examine <= 4; ++examine) {
        PlayerState.x = A + 512;
        PlayerState.y = 640;
        KeyAPressed = 1;
        const std::int32_t before = Gold;
        bool started = false;
        for (int step = 0; step < 2000; ++step) {
            UpdateEncounterFight();
            started = started || MessageBoxOpen == 1;
            if (started && MessageBoxOpen == 0) break;
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            Tick(0.014);
        }
        EXPECT_EQ(MessageBoxOpen, 0);
        paid.push_back(Gold - before);
    }
    EXPECT_EQ(paid, (std::vector<std::int32_t>{0, 0, 300, 0}));
    EXPECT_EQ(EncounterOnceFlag, 1);
}

TEST(EncounterNumbers, ProjectilesHurtByKind) {
    struct Case {
        std::int32_t damage, push, side, hp, x;
    };
    PlayerState.y = 640;
    PlayerState.facing = 1;
    const Case cases[] = {{1, 5, -1, 99, 995}, {10, 15, -1, 90, 985}, {10, 15, 1, 90, 1015}};
    for (const Case& c : cases) {
        PlayerState.hp = 100;
        PlayerState.x = 1000;
        HurtPlayerFromEncounter(c.damage, c.push, c.side, 600);
        EXPECT_EQ(PlayerState.hp, c.hp);
        EXPECT_EQ(PlayerState.x, c.x);
    }
}

// A bomb picked up, thrown from the top of the jump and left to go off with
// the heroine `gap` px from it; her HP lost.
std::int32_t BombBlast(std::int32_t gap) {
    EncounterTrio = EncounterTrioRecord{};
    UpdateEncounterBombs(1);
    EncounterTrioActor& a3 = EncounterTrio.actor[2];
    a3.x = A + 645;
    a3.y = 640;
    a3.facing = 1;
    PlayerState.x = A + 2000;
    PlayerState.y = 640;
    PlayerState.hp = 100;
    UpdateEncounterBombs(2);
    EXPECT_EQ(EncounterTrio.actor3Kind, 1) << "picked up";
    a3.y = 200;
    // Thrown, falling, bouncing, resting: she waits beside where it lies
    // until it goes off and lies at home again.
    const std::int32_t home = A + 645;
    bool thrown = false;
    for (int step = 0; step < 600; ++step) {
        PlayerState.x = EncounterTrio.shotX[7] + gap;
        Tick(0.014);
        UpdateEncounterBombs(2);
        thrown = thrown || EncounterTrio.shotX[7] != home;
        if (thrown && EncounterTrio.shotX[7] == home && EncounterTrio.shotShown[7] == 1) break;
    }
    EXPECT_TRUE(thrown);
    return 100 - PlayerState.hp;
}

TEST(EncounterNumbers, ABombHurtsWithin29Px) {
    EXPECT_EQ(BombBlast(29), 10);
    EXPECT_EQ(BombBlast(-29), 10);
    EXPECT_EQ(BombBlast(30), 0);
}

TEST(EncounterNumbers, ShotsIdleByTheTowerWhileActor1StandsInIt) {
    struct Case {
        std::int32_t x, y;
        bool idle;
    };
    FloorGateState.level1 = 1;
    const Case cases[] = {{T - 200, 640, true},  {T - 199, 640, false}, {T + 20, 487, true},
                          {T + 20, 488, false}, {T + 400, 640, true},  {T + 399, 640, false}};
    for (const Case& c : cases) {
        PlayerState.x = c.x;
        PlayerState.y = c.y;
        EncounterTrio.actor[0] = EncounterTrioActor{.frame = 7, .x = T + 100, .y = 616, .facing = 1};
        ScrollX = T - 500;
        UpdateEncounterShots(0);
        UpdateEncounterShots(1);
        EXPECT_EQ(EncounterTrio.shotShown[1] == 0, c.idle) << c.x - T << ", " << c.y;
    }
}

// ---- the draw passes ------------------------------------------------------------------

using Sprites = std::vector<plat::headless::SpriteDrawRecord>;

class FarFieldDraw : public DrawPassTest {
protected:
    void SetUp() override {
        DrawPassTest::SetUp();
        OpenDevice();
        GameFlow.phase = 1;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
    }
};

TEST_F(FarFieldDraw, SetPiecesAndTheBorderByTheirWindows) {
    struct Case {
        std::int32_t era01, era02, scroll;
        std::size_t from79, from81;
    };
    // Steps 1..4: 23 + 63 + 14 (doors shut: 11) from sheet 79; steps 5..9:
    // six pieces from 79, five from 81.
    const Case cases[] = {
        {1, 0, 41400, 0, 0},  {1, 0, 41401, 23 + 63 + 11, 0}, {1, 0, 45549, 97 + 6, 5},
        {1, 0, 45550, 6, 5},  {0, 1, 45550, 6, 5},             {0, 1, 44550, 0, 0},
        {0, 1, 44551, 6, 5},  {0, 1, 47100, 0, 0},
    };
    ArrivalScene.drawFlag = 0;
    for (const Case& c : cases) {
        Era01AreaFlag = c.era01;
        Era02AreaFlag = c.era02;
        ScrollX = c.scroll;
        const Sprites s = DrawOnce(DrawEra01SetPiecesAndEra02Border);
        EXPECT_EQ(FromSlot(s, 79).size(), c.from79) << c.scroll << " era02 " << c.era02;
        EXPECT_EQ(FromSlot(s, 81).size(), c.from81) << c.scroll << " era02 " << c.era02;
    }
    // The arrival scene's two pictures, by its draw flag.
    ScrollX = 45000;
    for (std::int32_t flag : {1, 2, 3}) {
        ArrivalScene.drawFlag = flag;
        EXPECT_EQ(FromSlot(DrawOnce(DrawEra01SetPiecesAndEra02Border), 81).size(), flag == 3 ? 5u : 7u) << flag;
    }
}

TEST_F(FarFieldDraw, ActorsByTheirWindowAndPiecesThatStop) {
    for (EncounterTrioActor& a : EncounterTrio.actor) a = EncounterTrioActor{.frame = 7, .x = A + 900, .y = 589};
    for (std::int32_t scroll : {41400, 41401, 45749, 45750}) {
        ScrollX = scroll;
        const std::size_t n = FromSlot(DrawOnce(DrawEra01EnemiesAndEncounterActors), 79).size();
        EXPECT_EQ(n, scroll == 41400 || scroll == 45750 ? 0u : 3u) << scroll;
    }
    ScrollX = A + 500;
    EncounterPieceStates[0] = 1;
    EncounterTrio.pieceX[0] = A + 800;
    EXPECT_EQ(FromSlot(DrawOnce(DrawEra01EnemiesAndEncounterActors), 79).size(), 4u);
    EXPECT_EQ(EncounterPieceStates[0], 1u);
    EXPECT_EQ(FromSlot(DrawOnce(DrawEra01EnemiesAndEncounterActors), 79).size(), 4u);
    EXPECT_EQ(EncounterPieceStates[0], 0u) << "it did not move between two draws";
    // In Era02 the arena's pass draws them wherever they stand.
    Era01AreaFlag = 0;
    Era02AreaFlag = 1;
    ScrollX = 48000;
    std::set<std::pair<int, int>> standing;
    for (const auto& r : FromSlot(DrawOnce(DrawEra02Arena), 79)) standing.insert({r.src.left, r.src.top});
    for (std::pair<int, int> frame7 : {std::pair{28, 157}, std::pair{30, 182}, std::pair{154, 138}})
        EXPECT_EQ(standing.count(frame7), 1u) << frame7.first;
}

TEST_F(FarFieldDraw, MonstersAreMirroredAboutTheirOwnXWhenFacingRight) {
    ScrollX = 30000;
    MonsterGroupRecord& m = MonsterGroupRecords[0];
    m = MonsterGroupRecord{.phase = 2, .frame = 4, .x = 30400, .y = 640};
    m.depth = 0.31f;
    for (std::int32_t facing : {-1, 1}) {
        m.facing = facing;
        const Sprites s = FromSlot(DrawOnce(DrawEra01EnemiesAndEncounterActors), 78);
        ASSERT_EQ(s.size(), 1u);
        // The pivot (58, 158) lands on the monster's feet either way; the
        // picture's left edge lies left of it facing -1 and right facing +1.
        float px = 0, py = 0, lx = 0, ly = 0;
        Land(s[0], 58, 158, &px, &py);
        Land(s[0], 0, 158, &lx, &ly);
        EXPECT_NEAR(px, 400.0f, 0.5f);
        EXPECT_NEAR(py, 640.0f, 0.5f);
        EXPECT_NEAR(lx, facing == 1 ? 458.0f : 342.0f, 0.5f) << facing;
    }
}

}  // namespace
