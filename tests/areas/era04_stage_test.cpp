// The numbers of the Era04 stage that matter: where the driver arms, frees,
// tints and caps; where doors sound and fruits drop; how tiles tip and
// chains swing; when the barrier talks; what the scenery lists draw; and
// the reset of the barrier's talk.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/records.h"
#include "areas/message_tables.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/movement_fixture.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/stage_step.h"
#include "shell/draw_pass_fixture.h"
#include "shell/graphics.h"
#include "text/messages/area_texts.h"
#include "text/text_fixture.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t S0 = Era04Start, D1 = Era04Door1, D2 = Era04Door2, D3 = Era04Door3, D4 = Era04Door4,
                       D5 = Era04Door5, D6 = Era04Door6;

class Era04StageTest : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        ResetEra04StageArea();
        Era04AreaFlag = 1;
        PlayerState = PlayerStateRecord{};
        FieldMusicFlag = 0;
        DialogueChannels = DialogueChannelsRecord{};
        EnterConfirmState = 0;
        EndEveryHold();
        EndEveryHold();
        EndEveryHold();
        // Soldier fight 1 would stop her short of its rows wherever she is
        // put further on; its own tests play it.
        Era04Progress.soldierFight1Done = 1;
    }
    void TearDown() override { Era04AreaFlag = 0; }
    // One driver step `dt` seconds later.
    void Drive(double dt = 1.0 / 64.0) {
        GameClock.gameClock += dt;
        UpdateEra04Events(1);
    }
    void At(std::int32_t x, std::int32_t scroll) {
        PlayerState.x = x;
        ScrollX = scroll;
    }
};

// ---------------------------------------------------------------- driver

TEST_F(Era04StageTest, FirstStepAfterAResetArmsFruitsTalksAndTheFirstFightWhereverSheIs) {
    Era04Progress.soldierFight1Done = 0;
    At(D5 + 500, D5);
    Drive();
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(FallingObjects.state[i], 1) << "fruit " << i;
    EXPECT_EQ(Era04Progress.dialogueTriggerState, 1);
    EXPECT_EQ(Era04SoldierSlots.drawFlag, 1) << "soldier fight 1 armed";
}

TEST_F(Era04StageTest, StageSetsSwapAtTheSecondDoorAndPendingRequestsAreLeftAlone) {
    struct Row {
        std::int32_t scroll;
        std::uint32_t set4, set6, set4After, set6After;
    };
    const Row rows[] = {
        {D2 + 148, 0, 1, 901, 0},   {D2 + 148, 1, 901, 1, 901}, {D2 + 149, 1, 0, 0, 901},
        {D2 + 149, 901, 1, 901, 1}, {D2 + 148, 901, 901, 901, 901},
    };
    for (const Row& r : rows) {
        GsFlags[kGsStage1] = r.set4;
        GsFlags[kGsStage2] = r.set6;
        At(D2 + 500, r.scroll);
        Drive();
        EXPECT_EQ(GsFlags[kGsStage1], r.set4After) << r.scroll << " " << r.set4 << "/" << r.set6;
        EXPECT_EQ(GsFlags[kGsStage2], r.set6After) << r.scroll << " " << r.set4 << "/" << r.set6;
    }
    // The second fight's latch keeps set 6 whatever the camera.
    StageSet2Latch = 1;
    GsFlags[kGsStage1] = 0;
    GsFlags[kGsStage2] = 0;
    At(S0, S0 - 500);
    Drive();
    EXPECT_EQ(GsFlags[kGsStage1], 0u);
    EXPECT_EQ(GsFlags[kGsStage2], 901u);
}

TEST_F(Era04StageTest, AreaMusicStopsPastDoorOnePlusHundredAndComesBackOnlyBelowMinusHundredEighty) {
    Era04Progress.dialogueTriggerState = 2;
    FieldMusicFlag = 1;
    struct Row {
        std::int32_t x;
        std::uint8_t music;
    };
    const Row walk[] = {{D1 + 100, 1}, {D1 + 101, 0}, {D1 - 179, 0}, {D1 - 180, 0}, {D1 - 181, 1}, {D1 + 50, 1}};
    for (const Row& r : walk) {
        At(r.x, r.x - 500);
        Drive();
        EXPECT_EQ(FieldMusicFlag, r.music) << "x " << r.x;
    }
}

TEST_F(Era04StageTest, HeroineTintByPlaceAndEncounterC) {
    Era04Progress.dialogueTriggerState = 2;
    struct Row {
        std::int32_t x, cDone;
        std::uint32_t tint;
    };
    const Row rows[] = {{D2 + 179, 0, 0xFFFFFFFF}, {D2 + 180, 0, 0xFFAAAAAA}, {D4, 0, 0xFFCCCCCC},
                        {D5, 0, 0xFFFFFFFF},       {D5, 1, 0xFFCCCCCC}};
    for (const Row& r : rows) {
        Era04Progress.encounterCDone = r.cDone;
        At(r.x, r.x - 500);
        Drive();
        EXPECT_EQ(PlayerTint, r.tint) << "x " << r.x;
    }
}

TEST_F(Era04StageTest, SheGoesNoFurtherThanTheEndOfTheFinalSection) {
    Era04Progress.dialogueTriggerState = 2;
    // Past encounter C, which would otherwise hold her behind door 5, and
    // past the final section's script, which would hold her at its door.
    Era04Progress.encounterCDone = 1;
    Era04Progress.endingReached = 1;
    At(D6 + 4931, D6 + 4000);
    Drive();
    EXPECT_EQ(PlayerState.x, 87525);
    At(D6 + 4930, D6 + 4000);
    Drive();
    EXPECT_EQ(PlayerState.x, 87525);
}

TEST_F(Era04StageTest, HighPropsComeInFrontOfHerOnceSheWasUpThereUntilSheIsDownAgain) {
    Era04Progress.dialogueTriggerState = 2;
    // The final section lies past the encounters and the barrier, which
    // would otherwise hold her or send her back.
    Era04Progress.encounterADone = 1;
    Era04Progress.encounterBDone = 1;
    Era04Progress.encounterCDone = 1;
    // Nor does the final section's script hold her at its door.
    Era04Progress.endingReached = 1;
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    const float front = PlayerState.depth - 0.011f;
    struct Row {
        std::int32_t x, y;
        float depth132;
    };
    const Row rows[] = {
        {86912, 530, 0.7991f}, {86911, 500, 0.7991f}, {86912, 519, front}, {87436, 585, front},
        {87437, 585, 0.7991f}, {87000, 586, front},   {87000, 585, 0.7991f},
    };
    for (const Row& r : rows) {
        PlayerState.y = r.y;
        At(r.x, D6 + 4000);
        Drive();
        EXPECT_FLOAT_EQ(StageObjectTable.depth[132], r.depth132) << r.x << ", " << r.y;
    }
    PlayerState.y = 400;
    At(87000, D6 + 4000);
    Drive();
    EXPECT_FLOAT_EQ(FinalActorSlots.depth[0], PlayerState.depth - 0.013f);
    FinalSectionState.endingStage = 1;
    StageObjectTable.depth[133] = 0.5f;
    Drive();
    EXPECT_FLOAT_EQ(StageObjectTable.depth[133], 0.5f) << "left alone once the ending has begun";
    FinalSectionState.endingStage = 0;
}

// ---------------------------------------------------------------- doors

TEST_F(Era04StageTest, DoorThreeSoundsAtEachLeafEdgeAndALockedDoorIsSilent) {
    LoadSlots({35});
    std::vector<std::int32_t> at;
    for (std::int32_t x = D3 - 300; x <= D3 + 300; ++x) {
        PlayerState.x = x;
        const std::size_t before = PlayedSlots().size();
        UpdateDoorSound(3);
        if (PlayedSlots().size() > before) at.push_back(x);
    }
    EXPECT_EQ(at, (std::vector<std::int32_t>{75233, 75417, 75426, 75614}));
    // Both band edges crossed in one step sound once.
    PlayerState.x = D3 - 100;
    UpdateDoorSound(3);
    const int plays = PlayCount(35);
    PlayerState.x = D3 + 100;
    UpdateDoorSound(3);
    EXPECT_EQ(PlayCount(35), plays + 1);

    Era04DoorLocks[3] = 1;
    const int beforeLocked = PlayCount(35);
    for (std::int32_t x = D3 - 300; x <= D3 + 300; ++x) {
        PlayerState.x = x;
        UpdateDoorSound(3);
    }
    EXPECT_EQ(PlayCount(35), beforeLocked + 1) << "once, for the leaf open before the lock; then silent";

    // A game ended in the doorway: the next one's first step there sounds
    // as the program's first game's does.
    Era04DoorLocks[3] = 0;
    PlayerState.x = D3 - 100;
    UpdateDoorSound(3);
    ResetEra04StageArea();
    const int afterReset = PlayCount(35);
    UpdateDoorSound(3);
    EXPECT_EQ(PlayCount(35), afterReset + 1);
}

TEST_F(Era04StageTest, ALockedDoorStopsHerOnTheLeftAt135Short) {
    Era04Progress.dialogueTriggerState = 2;
    Era04DoorLocks[3] = 1;
    PlayerState.x = D3 - 200;
    ScrollX = D3 - 700;
    WorldUpdateState.previousStepX = D3 - 140;
    PlayerState.x = D3 - 120;
    Step();
    EXPECT_EQ(PlayerState.x, 75298);
}

TEST_F(Era04StageTest, TalksPendingInALoadedSlotStartFromTheirBeginning) {
    // A game left in the middle of the first talk ...
    At(S0 + 2200, S0 + 1500);
    Drive();
    ASSERT_EQ(DialogueChannels.fieldLine, 1);
    ASSERT_EQ(PlayerState.x, S0 + 2100);
    // ... then a slot saved before the talks (its word reads 1: armed) is
    // loaded; the load path resets first.
    ResetEra04StageArea();
    DialogueChannels = DialogueChannelsRecord{};
    EnterConfirmState = 0;
    EndEveryHold();
    Era04Progress.dialogueTriggerState = 1;
    At(S0 + 500, S0);
    Drive();
    EXPECT_EQ(PlayerState.x, S0 + 500) << "not held where the last game's talk stood";
    EXPECT_EQ(DialogueChannels.fieldLine, 0);
    At(S0 + 2101, S0 + 1500);
    Drive();
    EXPECT_EQ(DialogueChannels.fieldLine, 1);
    EXPECT_EQ(PlayerState.x, S0 + 2100);
}

// ---------------------------------------------------------------- fruits

TEST_F(Era04StageTest, AFruitFallsWhenSheIsNearerThanAHundred) {
    struct Row {
        std::int32_t dx, state;
    };
    for (const Row& r : {Row{99, 3}, Row{-99, 3}, Row{100, 1}, Row{-100, 1}}) {
        UpdateFallingObjects(0);
        PlayerState.x = FallingObjects.x[1] + r.dx;
        GameClock.gameClock += 0.01;
        UpdateFallingObjects(1);
        EXPECT_EQ(FallingObjects.state[1], r.state) << "dx " << r.dx;
    }
}

class FruitHitTest : public Era04StageTest {
protected:
    // Fruit 1 strikes her where she stands; returns the clock of the hit.
    double StrikeHer() {
        UpdateFallingObjects(0);
        PlayerState.x = FallingObjects.x[1];
        PlayerState.y = 640;
        PlayerBodyBox = {PlayerState.x - 20, 500, PlayerState.x + 20, 640, PlayerState.x};
        for (int i = 0; i < 200 && PlayerState.hp == 100; ++i) {
            GameClock.gameClock += 1.0 / 64.0;
            UpdateFallingObjects(1);
        }
        EXPECT_EQ(PlayerState.hp, 90);
        EXPECT_EQ(FallingObjects.state[1], 0) << "burst where it struck";
        return GameClock.gameClock;
    }
    // She tries to walk away; true when she was put back.
    bool Pinned(double dt) {
        const std::int32_t x = PlayerState.x;
        PlayerState.x = x + 30;
        GameClock.gameClock += dt;
        UpdateFallingObjects(1);
        const bool held = PlayerState.x == x;
        PlayerState.x = x;
        return held;
    }
};

TEST_F(FruitHitTest, HitPinsHerUntilFourTenthsAfterLanding) {
    StrikeHer();
    PlayerState.y = 500;   // thrown up: the hold waits for her to land
    for (int i = 0; i < 60; ++i) ASSERT_TRUE(Pinned(1.0 / 64.0));
    PlayerState.y = 640;
    EXPECT_TRUE(Pinned(0.39));
    EXPECT_EQ(PlayerState.pose, 26);
    EXPECT_TRUE(Pinned(0.02)) << "the step the hold ends in still pins her";
    EXPECT_FALSE(Pinned(0.01));
}

TEST_F(FruitHitTest, HoldStampAheadOfTheClockCountsFromNow) {
    StrikeHer();
    GameClock.gameClock -= 100.0;   // a load with a shorter play time
    EXPECT_TRUE(Pinned(0.1));
    EXPECT_TRUE(Pinned(0.29));
    EXPECT_TRUE(Pinned(0.2));
    EXPECT_FALSE(Pinned(0.01));
}

TEST_F(FruitHitTest, DataResetEndsTheHold) {
    StrikeHer();
    ResetEra04StageArea();
    EXPECT_FALSE(Pinned(0.01));
}

TEST_F(Era04StageTest, FruitsAreReArmedPastTheEntranceAndSteppedOnlyNearIt) {
    Era04Progress.dialogueTriggerState = 2;
    PlayerState.x = FallingObjects.x[1];
    struct Row {
        std::int32_t scroll, state;
    };
    // Fruit 1 gone, then the camera moves: re-armed past S + 2496, and
    // stepped (so it falls, she being under it) only below S + 2596.
    const Row rows[] = {{S0 + 2496, 0}, {S0 + 2497, 3}, {S0 + 2595, 3}, {S0 + 2596, 1}};
    Drive();
    for (const Row& r : rows) {
        FallingObjects.state[1] = 0;
        PlayerState.x = S0 + 149;
        ScrollX = r.scroll;
        Drive();
        EXPECT_EQ(FallingObjects.state[1], r.state) << "camera " << r.scroll;
    }
}

// ---------------------------------------------------------------- trap room

TEST_F(Era04StageTest, TrapRoomIsReArmedOnEachEntryOfTheCamera) {
    Era04Progress.dialogueTriggerState = 2;
    PlayerState.x = D3 + 2000;   // nowhere near a tile
    struct Row {
        std::int32_t scroll;
        bool reArmed;
    };
    const Row rows[] = {{74310, true}, {74310, false}, {74309, false}, {74310, true}, {77380, false},
                        {77381, false}, {77380, true}};
    for (const Row& r : rows) {
        TrapRoomTiles.state[5] = 2;
        TrapRoomTiles.tilt[5] = 30;
        TrapRoomTiles.tipDir[5] = 1;
        TrapRoomTiles.startTime[5] = GameClock.gameClock - 0.5;
        ScrollX = r.scroll;
        Drive();
        if (r.reArmed)
            EXPECT_EQ(TrapRoomTiles.tilt[5], 0) << r.scroll;
        else
            EXPECT_NE(TrapRoomTiles.tilt[5], 0) << r.scroll;
    }
}

TEST_F(Era04StageTest, ATileTipsOnlyUnderFeetWithinFourteenPixelsAfterAGameKeyOrASlide) {
    LoadSlots({173});
    struct Row {
        std::int32_t dx, y, noGameKey, slide;
        bool tips;
    };
    const Row rows[] = {{14, 640, 0, 0, true},  {-14, 640, 0, 0, true}, {15, 640, 0, 0, false},
                        {0, 639, 0, 0, false},  {0, 640, 1, 0, false},  {0, 640, 1, 1, true}};
    for (const Row& r : rows) {
        UpdateTrapRoom(0);
        PlayerState.x = TrapRoomTiles.x[40] + r.dx;
        PlayerState.y = r.y;
        NoGameKey = r.noGameKey;
        PlayerMoveState.runSlideState = r.slide;
        const int plays = PlayCount(173);
        GameClock.gameClock += 0.01;
        UpdateTrapRoom(1);
        EXPECT_EQ(TrapRoomTiles.state[40] == 2, r.tips) << r.dx << " " << r.y << " " << r.noGameKey;
        EXPECT_EQ(PlayCount(173), plays + (r.tips ? 1 : 0));
    }
}

TEST_F(Era04StageTest, ATileTipsToFortyFiveInAboutASecondAndComesBackInAboutPointNine) {
    UpdateTrapRoom(0);
    PlayerState.x = TrapRoomTiles.x[25];   // a row of sign -1
    PlayerState.facing = 1;
    NoGameKey = 0;
    UpdateTrapRoom(1);
    PlayerState.x = D3 - 500;
    const double start = GameClock.gameClock;
    while (TrapRoomTiles.state[25] == 2) {
        GameClock.gameClock += 1.0 / 64.0;
        UpdateTrapRoom(1);
    }
    EXPECT_NEAR(GameClock.gameClock - start, 1.0, 0.04);
    EXPECT_EQ(TrapRoomTiles.tilt[25], -45);
    const double back = GameClock.gameClock;
    while (TrapRoomTiles.state[25] == 3) {
        GameClock.gameClock += 1.0 / 64.0;
        UpdateTrapRoom(1);
    }
    EXPECT_NEAR(GameClock.gameClock - back, 0.9, 0.03);
    EXPECT_EQ(TrapRoomTiles.tilt[25], 0);
}

TEST_F(Era04StageTest, AChainSwingsOnlyForAJumpWithinFourteenPixelsOfItsAnchor) {
    struct Row {
        std::int32_t dx, y;
        bool swings;
    };
    const Row rows[] = {{14, 599, true}, {-14, 599, true}, {15, 599, false}, {0, 600, false}};
    for (const Row& r : rows) {
        UpdateTrapRoom(0);
        PlayerState.x = TrapRoomChains[3].jointX[0] + r.dx;
        PlayerState.y = r.y;
        PlayerState.facing = 1;
        GameClock.gameClock += 0.01;
        UpdateTrapRoom(1);
        EXPECT_EQ(TrapRoomChains[3].chainState == 2, r.swings) << r.dx << " " << r.y;
        if (r.swings) {
            EXPECT_EQ(TrapRoomChains[3].swingDir, -1);
        }
    }
    // A swing dies down and the chain hangs straight again.
    for (int i = 0; i < 64 * 60 && TrapRoomChains[3].chainState != 1; ++i) {
        PlayerState.y = 640;
        GameClock.gameClock += 1.0 / 64.0;
        UpdateTrapRoom(1);
    }
    EXPECT_EQ(TrapRoomChains[3].chainState, 1);
    EXPECT_EQ(TrapRoomChains[3].jointX[6], TrapRoomChains[3].jointX[0]);
}

TEST_F(Era04StageTest, EncounterAFigureTreadsTheTrapsOnlyWhileItsFlagIsSet) {
    for (std::int32_t treads : {0, 1}) {
        UpdateTrapRoom(0);
        PlayerState.x = D3 - 500;
        EncounterAFigure = {1, TrapRoomTiles.x[10], 640, -1, treads};
        GameClock.gameClock += 0.01;
        UpdateTrapRoom(1);
        EXPECT_EQ(TrapRoomTiles.state[10] == 2, treads == 1);
        EncounterAFigure.x = TrapRoomChains[7].jointX[0];
        EncounterAFigure.y = 450;
        UpdateTrapRoom(1);
        EXPECT_EQ(TrapRoomChains[7].chainState == 2, treads == 1);
        if (treads == 1) {
            EXPECT_EQ(TrapRoomChains[7].swingDir, 1);
        }
    }
    EncounterAFigure = EncounterAFigureRecord{};
}

// ---------------------------------------------------------------- barrier

class BarrierTest : public Era04StageTest {
protected:
    void SetUp() override {
        Era04StageTest::SetUp();
        LoadSlots({93});
        Era04Progress.dialogueTriggerState = 2;
        Era04Progress.soldierFight1Done = 1;
        Era04Progress.soldierFight2Done = 1;
        Era04Progress.encounterADone = 1;
    }
    void Approach() {
        At(D4 - 140, D4 - 1100);
        Drive();
    }
};

TEST_F(BarrierTest, TalkStartsAfterMoreThanTenSecondsOrAStepBack) {
    Approach();
    EXPECT_EQ(PlayerState.x, 77131);
    EXPECT_EQ(Era04DoorLocks[4], 1);
    EXPECT_EQ(PlayCount(93), 1);
    EXPECT_EQ(MenuKeyBlocked, 1);
    PlayerState.x = 77200;   // pushing on: snapped back
    Drive(5.0);
    EXPECT_EQ(PlayerState.x, 77131);
    Drive(5.0);
    EXPECT_EQ(DialogueChannels.fieldLine, 0) << "ten seconds is not yet more than ten";
    Drive(0.01);
    EXPECT_EQ(DialogueChannels.fieldLine, 300);

    ResetEra04StageArea();
    SetUp();
    Approach();
    PlayerState.x = 77080;
    Drive();
    EXPECT_EQ(DialogueChannels.fieldLine, 300);
    EXPECT_EQ(PlayerState.x, 77070) << "a step back against her facing";
}

TEST_F(BarrierTest, LaterApproachesShowNoTalkAndTheDoorOpensOnceSheIsBack) {
    Era04Progress.barrierTalkDone = 2;
    Approach();
    EXPECT_EQ(Era04DoorLocks[4], 1);
    for (int i = 0; i < 64 * 12; ++i) Drive();
    EXPECT_EQ(DialogueChannels.fieldLine, 0);
    PlayerState.x = 77031;
    Drive();
    EXPECT_EQ(Era04DoorLocks[4], 1);
    PlayerState.x = 77030;
    Drive();
    EXPECT_EQ(Era04DoorLocks[4], 0);
    EXPECT_EQ(MenuKeyBlocked, 0);
    // Door 4 already shut: no sound for the next approach.
    Era04DoorLocks[4] = 1;
    const int plays = PlayCount(93);
    Approach();
    EXPECT_EQ(PlayCount(93), plays);
}

TEST_F(BarrierTest, InTheOtherWeaponModeNothingHappens) {
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    At(D4 - 100, D4 - 1100);
    Drive();
    EXPECT_EQ(PlayerState.x, D4 - 100);
    EXPECT_EQ(Era04DoorLocks[4], 0);
    // Through in that mode and changed back in the hall: the barrier stands
    // at the door's west side and takes nobody back from the east.
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 0;
    Era04Progress.encounterBDone = 1;   // its own tests play the hall's fight
    At(D4 + 400, D4 + 100);
    Drive();
    EXPECT_EQ(PlayerState.x, D4 + 400);
    EXPECT_EQ(MenuKeyBlocked, 0);
}

TEST_F(BarrierTest, ANewGameShowsTheTalkAgain) {
    Era04Progress.barrierTalkDone = 2;
    ResetEra04StageArea();   // the data reset's part for this area
    EXPECT_EQ(Era04Progress.barrierTalkDone, 0);
    SetUp();
    Approach();
    Drive(10.5);
    EXPECT_EQ(DialogueChannels.fieldLine, 300);
}

TEST_F(Era04StageTest, ANewGameDoesNotInheritTheFinalesSlideLock) {
    // Fight 2's finale sets the lock while she runs in; a game over there
    // must not leave the next game without its slide.
    PlayerJumpLock = 1;
    ResetEra04StageArea();   // the data reset's part for this area
    EXPECT_EQ(PlayerJumpLock, 0);
}

// ---------------------------------------------------------------- lists

class Era04ListTest : public Era04StageTest {
protected:
    // Sets up item n of the rooms' list; its sheet (0 = nothing).
    static std::int32_t Scenery(std::int32_t n) {
        PendingSprite.gno = 0;
        SetEra04ScenerySprite(n);
        return PendingSprite.gno;
    }
};

TEST_F(Era04ListTest, FrontWallFromOutsideBackWallsAndLampsFromInside) {
    ScrollX = D2 - 200;
    PlayerState.x = 73505;
    for (int n = 2; n <= 6; ++n) EXPECT_EQ(Scenery(n), 62) << n;
    for (int n : {7, 34, 35, 121, 202, 214, 287}) EXPECT_EQ(Scenery(n), 0) << n;
    PlayerState.x = 73506;
    for (int n = 2; n <= 6; ++n) EXPECT_EQ(Scenery(n), 0) << n;
    for (int n : {7, 8, 34}) EXPECT_EQ(Scenery(n), 62) << n;
    for (int n : {35, 63, 64, 92, 93, 121}) EXPECT_EQ(Scenery(n), 63) << n;
    EXPECT_EQ(Scenery(1), 62) << "door 2's frame is always there";
}

TEST_F(Era04ListTest, HallBLightRisesByFivePerTickToHundredFiftyBetweenTenSecondHolds) {
    ScrollX = D4 + 100;
    // Dark from the start until more than 10.03 s after the cycle's stamp
    // (0 at start).
    GameClock.gameClock = 10.02;
    EXPECT_EQ(Scenery(7), 0) << "the lit walls are not drawn in the dark";
    EXPECT_EQ(Scenery(1), 66);
    GameClock.gameClock = 10.04;
    Scenery(1);
    EXPECT_EQ(Scenery(7), 66) << "brightening";
    // One step of 5 per call more than 0.02 s after the last.
    int steps = 0;
    while (Scenery(1) != 0 && steps < 100) {
        GameClock.gameClock += 0.021;
        Scenery(18);
        ++steps;
        EXPECT_EQ(PendingSprite.colour & 0xFF, std::uint32_t(5 * steps)) << steps;
    }
    EXPECT_EQ(steps, 30);
    EXPECT_EQ(Scenery(18), 66);
    EXPECT_EQ(PendingSprite.colour, 0x96969696u) << "level 150 in every byte";
    Scenery(19);
    EXPECT_EQ(PendingSprite.colour, 0u) << "the fading glow is out";
    const double lit = GameClock.gameClock;
    GameClock.gameClock = lit + 10.02;
    EXPECT_EQ(Scenery(1), 0) << "lit hold";
    GameClock.gameClock = lit + 10.04;
    Scenery(1);
    GameClock.gameClock += 0.021;
    EXPECT_EQ(Scenery(1), 66) << "darkening again";
    Scenery(18);
    EXPECT_EQ(PendingSprite.colour & 0xFF, 145u);

    // A new game finds the hall as the program's first game does: dark, its
    // cycle from the start.
    ResetEra04StageArea();
    GameClock.gameClock = 10.02;
    EXPECT_EQ(Scenery(7), 0) << "dark after the data reset";
    EXPECT_EQ(Scenery(1), 66);
}

TEST_F(Era04ListTest, FinalLayoutFillsItsSlotsAndClearsTheFirstTwoHundredButTheirY) {
    for (int n = 0; n <= kStageObjectSlots; ++n) {
        StageObjectTable.code[n] = 9;
        StageObjectTable.y[n] = 77;
    }
    LayoutFinalSectionScenery(0);
    EXPECT_EQ(StageObjectTable.code[0], 0);
    EXPECT_EQ(StageObjectTable.y[0], 77);
    for (int n = 1; n <= 247; ++n) EXPECT_NE(StageObjectTable.code[n], 0) << n;
    for (int n = 248; n <= kStageObjectSlots; ++n) EXPECT_EQ(StageObjectTable.code[n], 9) << n;
    // Plants sink 63 px into the ground; particle rows scatter 0..19 px.
    EXPECT_EQ(StageObjectTable.rectBottom[1], 309 - 63);
    EXPECT_FLOAT_EQ(StageObjectTable.pivotY[1], 101 - 63);
    EXPECT_EQ(StageObjectTable.x[32], D6 + 315 + 1024);
    for (int n = 177; n <= 186; ++n) EXPECT_TRUE(StageObjectTable.y[n] >= 440 && StageObjectTable.y[n] <= 459);
    EXPECT_EQ(StageObjectTable.colour[177], 0x11FFFFFFu);
    EXPECT_EQ(StageObjectTable.colour[178], 0u);
    EXPECT_EQ(StageObjectTable.code[247], 30);
}

TEST_F(Era04ListTest, FarPlantsShimmerBetweenFiftyAndHundredTwoByAtMostFourPerTick) {
    LayoutFinalSectionScenery(0);
    UpdateFinalSectionShimmer(0);
    std::vector<std::uint32_t> last;
    const int slots[] = {25, 31, 56, 124};
    for (int s : slots) last.push_back(StageObjectTable.colour[s] >> 24);
    for (int tick = 0; tick < 400; ++tick) {
        GameClock.gameClock += 0.11;
        UpdateFinalSectionShimmer(1);
        for (std::size_t i = 0; i < last.size(); ++i) {
            const std::uint32_t a = StageObjectTable.colour[slots[i]] >> 24;
            ASSERT_GE(a, 50u);
            ASSERT_LE(a, 102u);
            ASSERT_LE(std::abs(int(a) - int(last[i])), 4);
            last[i] = a;
        }
    }
    // No tick within 0.1 s of the last.
    const std::uint32_t before = StageObjectTable.colour[25];
    GameClock.gameClock += 0.09;
    for (int i = 0; i < 20; ++i) UpdateFinalSectionShimmer(1);
    EXPECT_EQ(StageObjectTable.colour[25], before);
}

class Era04DrawPassTest : public DrawPassTest {};

TEST_F(Era04DrawPassTest, ListsAreDrawnByTheCameraWindow) {
    OpenDevice();
    Era04AreaFlag = 1;
    struct Row {
        std::int32_t scroll;
        bool entrance, rooms;
    };
    const Row rows[] = {{64745, false, false}, {64746, true, true}, {75264, true, true}, {75265, false, true}};
    for (const Row& r : rows) {
        ScrollX = r.scroll;
        PlayerState.x = r.scroll + 500;
        const auto sprites = DrawOnce([] { DrawEra04SceneryAndSoldiers(); });
        const bool entrance = !FromSlot(sprites, 88).empty() || !FromSlot(sprites, 97).empty();
        bool rooms = false;
        for (int slot : {99, 100, 101, 103, 105, 108}) rooms = rooms || !FromSlot(sprites, slot).empty();
        EXPECT_EQ(entrance, r.entrance) << r.scroll;
        EXPECT_EQ(rooms, r.rooms) << r.scroll;
    }
    Era04AreaFlag = 2;
    EXPECT_TRUE(DrawOnce([] { DrawEra04SceneryAndSoldiers(); }).empty());
    Era04AreaFlag = 0;
}

// ---------------------------------------------------------------- texts

const AreaMessageEntry* EntryOf(std::int32_t value) {
    const AreaMessageTable& t = Era04StageMessageTable;
    for (std::size_t i = 0; i < t.count; ++i)
        if (t.entries[i].from <= value && value <= t.entries[i].to) return &t.entries[i];
    return nullptr;
}

class Era04TextScreenTest : public TextScreenTest {};

TEST_F(Era04TextScreenTest, NothingOfTheBlockWhileTheAreaIsBeingLeft) {
    Begin(1);
    DrawFrame();
    const std::string reply = EntryOf(20)->lines[1].text;
    Era04AreaFlag = 1;
    DialogueChannels.fieldLine = 20;
    DrawFrame();
    EXPECT_TRUE(Drawn(reply));
    ExpectDrawAt(Find(reply), 210, 725);
    Era04AreaFlag = 2;
    DialogueChannels.fieldLine = 20;
    DrawFrame();
    EXPECT_FALSE(Drawn(reply));
}

}  // namespace
