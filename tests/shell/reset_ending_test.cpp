// The staff roll and the data reset, called as the frame driver calls them.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/save_spots.h"
#include "core/sprites/sprites.h"
#include "core/stage_step.h"
#include "shell/draw_hit_sparks.h"
#include "shell/graphics.h"
#include "shell/reset.h"
#include "shell/save_dir_fixture.h"
#include "shell/save_slots.h"
#include "shell/transitions.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "support/test_hold.h"

namespace {

class ResetTest : public SaveDirTest {
protected:
    // Calls the reset until it reports 99; returns the number of calls.
    static int RunReset(std::int32_t mode, int maxCalls = 20) {
        ResetGameData(0);
        for (int call = 1; call <= maxCalls; ++call)
            if (ResetGameData(mode) == 99) return call;
        return 0;
    }
};

// A game well under way: many words away from their start values.
void PlayLate() {
    GameFlow.phase = 903;
    GameFlow.bootFlag = 0;
    GameFlow.endingReached = 1;
    PhaseChangeRequest = 1;
    StageFrozenByMenu = 1;
    Era03AreaFlag = 1;
    Era04AreaFlag = 2;
    EraSwitchState = 1;
    Era04DoorLocks[5] = 1;
    GameClock.carriedTime = 5000;
    GameClock.playStart = 20;
    GameClock.savedPlayHours = 3;
    PlayerState = {0, 1, 4300, 12, 104500, -1, 84, 84, 77000, 300, 77000, 300};
    PlayerMoveState.comboG = 14;
    PlayerMoveState.xSpeed = 600;
    ScrollX = 76000;
    CameraMode = 999;
    PlayerTint = 0x80FFFFFFu;
    Gold = 999999;
    LearnedMoveG = 1;
    ItemCounts[4] = 9;
    ItemOwnedFlags[4] = 1;
    EquipmentFlags.base = 0;
    NumberKeysBlocked = 0;
    NumberKeyValue = 3;
    HoldForTest(kHoldKeys);
    EnterConfirmState = 2;
    CreditsRoll = -20;
    DialogueChannels.rollText = 2;
    MenuStageSnapshot.scrollX = 76000;
    SlotEraseCursor = 4;
    LiftRecord.x = 1;
    FieldEnemyARecord.x = 2;
    WalkingEnemyRecords[2].x = 3;
    PatrolCreatureRecord.x = 4;
    ArenaEnemy.x = 5;
    Era01SceneryColours[0] = 0;
    ArrivalScene.step = 100;
    TournamentState.state = 5;
    Era03Duel.state = 99;
    Era03Duel.x = 57000;
    Era03Duel.y = 500;
    Era04Progress.encounterCDone = 1;
    PloadPlan.state[27] = 2;
    HoldForTest(kHoldLine);
}

TEST_F(ResetTest, AFullResetBringsBackTheStartOfTheGame) {
    PlayLate();
    EXPECT_EQ(RunReset(1), 2) << "the pictures first, then the words in one call";

    EXPECT_EQ(GameFlow.phase, 0);
    EXPECT_EQ(GameFlow.bootFlag, 1);
    EXPECT_EQ(GameFlow.endingReached, 0);
    EXPECT_EQ(PhaseChangeRequest, 0);
    EXPECT_EQ(StageFrozenByMenu, 0u);
    EXPECT_EQ(Era03AreaFlag, 0);
    EXPECT_EQ(Era04AreaFlag, 0);
    EXPECT_EQ(EraSwitchState, 0);
    EXPECT_EQ(Era04DoorLocks[5], 0);
    EXPECT_EQ(GameClock.carriedTime, 0);
    EXPECT_EQ(GameClock.playStart, 0);
    EXPECT_EQ(GameClock.savedPlayHours, 0);
    // The heroine as at the first start: 100 of 100 HP at x 130 on the
    // ground, facing right, weapon mode 1 only.
    EXPECT_EQ(PlayerState.hp, 100);
    EXPECT_EQ(PlayerState.maxHp, 100);
    EXPECT_EQ(PlayerState.exp, 0);
    EXPECT_EQ(PlayerState.x, 130);
    EXPECT_EQ(PlayerState.y, 640);
    EXPECT_EQ(PlayerState.facing, 1);
    EXPECT_EQ(PlayerState.pose, 1);
    EXPECT_EQ(PlayerState.weaponMode1, 1);
    EXPECT_EQ(PlayerState.weaponMode2, 0);
    EXPECT_EQ(PlayerMoveState.comboG, 0);
    EXPECT_EQ(ScrollX, 0);
    EXPECT_EQ(CameraMode, 0);
    EXPECT_EQ(PlayerTint, 0xFFFFFFFFu);
    EXPECT_EQ(Gold, 0);
    EXPECT_EQ(LearnedMoveG, 0);
    EXPECT_EQ(ItemCounts[4], 0u);
    EXPECT_EQ(ItemOwnedFlags[4], 0);
    EXPECT_EQ(EquipmentFlags.base, 1);
    EXPECT_EQ(NumberKeysBlocked, 1);
    EXPECT_EQ(NumberKeyValue, 99);
    EXPECT_EQ(MessageBoxOpen, 0);
    EXPECT_EQ(EnterConfirmState, 0);
    EXPECT_EQ(CreditsRoll, 850);
    EXPECT_EQ(DialogueChannels.rollText, 0);
    EXPECT_EQ(MenuStageSnapshot.scrollX, 0);
    EXPECT_EQ(SlotEraseCursor, 0);
    EXPECT_EQ(PloadPlan.state[27], 0u);
    EXPECT_EQ(EventHoldsPlayer, 0);
    // Start positions placed from the section anchors.
    EXPECT_EQ(LiftRecord.x, 20200);
    EXPECT_EQ(FieldEnemyARecord.x, 17549);
    EXPECT_EQ(FieldEnemyARecord.rememberedX, 17549);
    EXPECT_EQ(WalkingEnemyRecords[2].x, 20200);
    EXPECT_EQ(PatrolCreatureRecord.x, 6836);
    EXPECT_EQ(ArenaEnemy.x, 23445);
    EXPECT_EQ(Era01SceneryColours[0], 0xFF333333u);
    // The arrival waits at its first step with its talk indicator shown.
    EXPECT_EQ(ArrivalScene.step, 0);
    EXPECT_EQ(ArrivalScene.drawFlag, 1);
    EXPECT_EQ(TournamentState.state, 0);
    EXPECT_EQ(Era03Duel.state, 0);
    EXPECT_EQ(Era03Duel.x, 56800);
    EXPECT_EQ(Era03Duel.y, 640);
    EXPECT_EQ(Era04Progress.encounterCDone, 0);
    EXPECT_EQ(ResetStep, 99);
    EXPECT_NE(TraceLog().find(" Reset Data 1 "), std::string::npos);
}

// Words a game leaves behind that once outlasted the reset, so that a new
// game after a lost one told another story than the program's first.
struct LeftWord {
    const char* what;
    std::int32_t& word;
    std::int32_t played, start;
};

TEST_F(ResetTest, ANewGameMeetsWhatTheFirstGameMet) {
    const LeftWord words[] = {
        {"the arrival's save spot open", ArrivalScene.flag, 1, 0},
        {"round 1's first catch talked", Era02RunWords.firstCatchDone, 1, 0},
        {"round 1's first grab talked", Era02RunWords.firstGrabDone, 1, 0},
        {"the arrival's menu pass made", Era02RunWords.menuPassDone, 1, 0},
        {"the camp's extra lines heard", Era03NpcScene.extraLinesHeard, 1, 0},
        {"the camp's lines lying down heard", Era03NpcScript.talkSubStep, 3, 0},
        {"a charging soldier's longer reach", ChargeReachBonus, 85, 0},
        {"a trap room tile ruined", TrapRoomTiles.ruin[5], 2, 0},
        {"a trap room chain swinging", TrapRoomChains[3].chainState, 2, 0},
        {"a flyer knocked but not away", FlyingEnemyRecords[1].hp, 10, 30},
        {"encounter C's overlay on her", EncounterCFigure.layerCode[2], 209, 0},
        {"a streak's effect playing", TimedEffectTriggers[1], 2, 0},
        {"a hurt pose asked for", PlayerHurtPoseRequest, 84, 0},
        {"the ground fall on", GroundFallEnabled, 1, 0},
        {"her look up at encounter C's figure", PlayerGazeTarget.y, 480, 0},
        {"her tilt from encounter B's throw", PlayerSpriteAngle, 50, 0},
        {"a spark's trail just left", SparkTrails[1].active, 1, 0},
        {"a spark's last pose passed", HitSparkB.pose128Mark, 1, 0},
        {"her x of the last step", WorldUpdateState.previousStepX, 86995, 0},
        {"the side of door 1 she was last on", WorldUpdateState.doorOneSide, 2, 0},
        {"the pit obstacle the floors raised", ActivePitAnchor, 9100, 0},
        {"a falling object's slot falling", FieldSpawnerSlots.step[2], 2, 0},
        {"an entrance fruit hanging", FallingObjects.state[1], 1, 0},
        {"the title's crystal shown", TitleScreenSprite.shown[1], 1, 0},
        {"the save-spot marker's frame", SaveSpotMarker.frame, 3, 0},
        {"the menu's winged figure shown", TitleFigureSlots.wingedShown, 1, 0},
    };
    for (const LeftWord& w : words) w.word = w.played;
    ASSERT_EQ(RunReset(1), 2);
    for (const LeftWord& w : words) EXPECT_EQ(w.word, w.start) << w.what;
}

// Words a routine keeps to itself: what its first call in a new game shows
// is what it showed in the program's first game.
struct KeptWord {
    const char* what;
    void (*play)();   // leaves the routine's words as a game would
    std::array<std::int32_t, 4> (*shown)();
};

TEST_F(ResetTest, ANewGameMeetsWhatTheFirstGameMetInTheRoutinesOwnWords) {
    const KeptWord words[] = {
        {"a weapon-mode-2 streak's timer left running",
         [] {
             GameClock.gameClock = 0.5;
             SetPlayerW2FrontLayerSprite(220);
             SetPlayerW2FrontLayerSprite(221);
         },
         [] {
             GameClock.gameClock = 2.0;
             SetPlayerW2FrontLayerSprite(221);
             return std::array<std::int32_t, 4>{PendingSprite.gno};
         }},
        {"the camera mode an attack puts back",
         [] {
             CameraMode = 1;
             UpdateCamera();
         },
         [] {
             CameraMode = 999;
             UpdateCamera();
             return std::array<std::int32_t, 4>{CameraMode};
         }},
        {"encounter C's hit box of its last pose", [] { SetEncounterCFigureSprite(12, 1); },
         [] {
             SetEncounterCFigureSprite(305, 1);
             const FigureHitBoxRecord& b = FigureHitBox;
             return std::array<std::int32_t, 4>{b.left, b.right, b.top, b.bottom};
         }},
    };
    for (const KeptWord& w : words) {
        ASSERT_EQ(RunReset(1), 2);
        const std::array<std::int32_t, 4> first = w.shown();
        w.play();
        ASSERT_EQ(RunReset(1), 2);
        EXPECT_EQ(w.shown(), first) << w.what;
    }
}

TEST_F(ResetTest, AResetBeforeALoadKeepsTheMenuOpenAndTheBootDone) {
    PlayLate();
    GameFlow.phase = 0;
    MenuFlowState.active = 1;
    MenuFlowState.hudUpdateOn = 1;
    MenuFlowState.loadOpen = 1;
    MenuFlowState.enterStep = 4;
    MenuElementWords.loadingScreenFrame = 2;
    PlayerFigureShown = 1;
    ASSERT_GT(RunReset(2), 0);
    EXPECT_EQ(GameFlow.bootFlag, 0);
    EXPECT_EQ(MenuFlowState.active, 1u);
    EXPECT_EQ(MenuFlowState.hudUpdateOn, 1u);
    EXPECT_EQ(MenuFlowState.loadOpen, 1u);
    EXPECT_EQ(MenuFlowState.enterStep, 0u);
    EXPECT_EQ(MenuElementWords.loadingScreenFrame, 2);
    EXPECT_EQ(PlayerFigureShown, 1u);
    EXPECT_EQ(PlayerState.hp, 100);
    EXPECT_NE(TraceLog().find(" Reset Data 2 "), std::string::npos);

    // The full reset closes the menu and starts the boot again.
    ASSERT_GT(RunReset(1), 0);
    EXPECT_EQ(GameFlow.bootFlag, 1);
    EXPECT_EQ(MenuFlowState.active, 0u);
    EXPECT_EQ(MenuElementWords.loadingScreenFrame, 0);
}

TEST_F(ResetTest, TheResetWaitsUntilEveryPictureIsReleased) {
    GsFlags[kGsMenu] = kGraphicLoaded;
    TextureFlags[46] = kGraphicRequested;   // pending: served later by the creation step
    ResetGameData(0);
    for (int call = 0; call < 5; ++call) EXPECT_EQ(ResetGameData(1), 2);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicAbsent);
    TextureFlags[46] = kGraphicLoaded;       // the creation step served it
    EXPECT_EQ(ResetGameData(1), 3);
    EXPECT_EQ(TextureFlags[46], kGraphicAbsent);
    EXPECT_EQ(ResetGameData(1), 99);
}

TEST_F(ResetTest, EnterDuringTheRollEndsTheEndingAtOnce) {
    GameClock.gameClock = 100.0;
    RunEnding(0);
    EXPECT_EQ(RunEnding(1), 2);
    EXPECT_EQ(CreditsRoll, 850);
    EXPECT_EQ(EnterConfirmState, 1);
    EXPECT_EQ(DialogueChannels.rollText, 2);
    GameClock.gameClock += 0.05;
    RunEnding(1);
    EXPECT_EQ(CreditsRoll, 849);
    EnterConfirmState = 2;   // Enter
    GameClock.gameClock += 0.05;
    EXPECT_EQ(RunEnding(1), 99);
    EXPECT_EQ(EnterConfirmState, 0);
    EXPECT_EQ(DialogueChannels.rollText, 0);
    EXPECT_NE(TraceLog().find("Ending"), std::string::npos);
}

TEST_F(ResetTest, TheRollMovesAtMostOnePixelPerFrameAndThenWaitsForEnter) {
    GameClock.gameClock = 10.0;
    RunEnding(0);
    RunEnding(1);
    // A very slow frame still moves the roll by one pixel only.
    GameClock.gameClock += 30.0;
    RunEnding(1);
    EXPECT_EQ(CreditsRoll, 849);
    // Frames closer together than 0.04 s do not move it.
    GameClock.gameClock += 0.01;
    RunEnding(1);
    EXPECT_EQ(CreditsRoll, 849);
    int frames = 0;
    while (EndingState.state == 2 && frames < 10000) {
        GameClock.gameClock += 0.05;
        RunEnding(1);
        ++frames;
    }
    EXPECT_EQ(CreditsRoll, -3451);
    EXPECT_EQ(frames, 4300);
    // The roll has run out: the last picture stays until Enter.
    for (int i = 0; i < 10; ++i) {
        GameClock.gameClock += 0.05;
        EXPECT_EQ(RunEnding(1), 3);
    }
    EnterConfirmState = 2;
    EXPECT_EQ(RunEnding(1), 99);
}

TEST_F(ResetTest, AStepTimeAheadOfTheClockDoesNotStallTheRoll) {
    GameClock.gameClock = 500.0;
    RunEnding(0);
    RunEnding(1);
    GameClock.gameClock = 2.0;   // the clock restarted lower
    RunEnding(1);
    GameClock.gameClock = 2.05;
    RunEnding(1);
    EXPECT_LT(CreditsRoll, 850);
}

}  // namespace
