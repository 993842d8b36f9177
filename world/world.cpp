// The stage step: one call advances the whole playing world by one step, in
// a fixed order on which every routine relies. The controller sees the key
// flags first, the areas' actors see the heroine's position of this step,
// and the limits have the last word on x and ScrollX before drawing.
#include "core/stage_step.h"
#include "world/world.h"

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "core/area_flags.h"
#include "core/bursts.h"
#include "core/combos.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "core/trace_log.h"
#include "platform/platform.h"
#include "text/menu_state.h"

namespace {

WorldUpdateStateRecord& W = WorldUpdateState;

bool Between(std::int32_t lo, std::int32_t v, std::int32_t hi) { return lo < v && v < hi; }

// ---------------------------------------------------------------- controller

void RunJumps() {
    // Tested in this order: a kind moved into a later range by an earlier
    // routine runs in this step, one moved earlier waits for the next.
    struct JumpRange {
        std::int32_t lo, hi;
        void (*routine)();
    };
    static constexpr JumpRange kJumps[] = {
        {10, 11, UpdatePlayerJumpStand},
        {20, 21, UpdatePlayerJumpWalk},
        {30, 31, UpdatePlayerJumpRun},
        {40, 41, UpdatePlayerJumpDash},
    };
    if (PlayerMoveState.jumpKind == 0) return;
    for (const JumpRange& j : kJumps) {
        const std::int32_t k = PlayerMoveState.jumpKind;
        if (k >= j.lo && k <= j.hi) j.routine();
    }
}

void RunController() {
    if (GroundFallEnabled != 0 && GroundFallSuppressed == 0) UpdatePlayerGroundContact();
    UpdatePlayerLevel();
    UpdatePlayerInput();
    if (PlayerMoveState.walkRight == 1 || PlayerMoveState.walkLeft == 1) UpdatePlayerWalk(1);
    if (PlayerMoveState.runZ == 1 || PlayerMoveState.runX == 1) UpdatePlayerRun(1);
    if (StageFrozenByMenu != 1) UpdateCamera();
    if (PlayerJumpLock == 0)
        UpdatePlayerSlide(1);
    else
        PlayerMoveState.runSlideState = 0;
    RunJumps();
    UpdateAttackCombos();
    UpdatePlayerAttackBox();
    if (StageFrozenByMenu != 1) ClampPlayerAndScroll();
}

void RunFieldMusic() {
    if (GameFlow.gameOverRunning < 1 && FieldMusicFlag == 1) {
        if (SoundTable[2] != 0) plat::SoundStop(2);
        PlaySoundEffect(4, SoundVolumes[1]);
    }
}

// ---------------------------------------------------------------- area blocks

void RunEra00Block() {
    GroundFallEnabled = 1;
    if (Era00StoryPhase == 0) {
        Era00StoryPhase = 1;
        RunEra00Story(0);
    }
    if (Era00StoryPhase == 1) RunEra00Story(1);
    if (Era00StoryPhase == 2) RunEra00Story(2);
    UpdateSaveSpotMarker();
    if (Era00StoryPhase >= 2) RunEra00TalkEvents(1);
}

// The field's objects and enemies, stepped every Era01 step in this order.
using FieldRoutine = void (*)();
void StepHoppingObject() { UpdateHoppingObject(1); }
void StepGatekeeper() { UpdateGatekeeper(1); }
void StepFieldEnemyA() { UpdateFieldEnemyA(1); }
void StepFlyingEnemy1() { UpdateFlyingEnemy1(1); }
void StepPatrolCreature() { UpdatePatrolCreature(1); }
constexpr FieldRoutine kEra01Actors[] = {
    StepHoppingObject,    UpdateLift,          StepGatekeeper,       UpdateCollectGame,
    UpdateCollectGameRound, StepFieldEnemyA,   StepFlyingEnemy1,     UpdateFlyingEnemy2,
    UpdateFlyingEnemy3,   UpdateWalkingEnemy1, UpdateWalkingEnemy2,  UpdateWalkingEnemy3,
    StepPatrolCreature,   UpdateHangingPrizes,      UpdateEra01Terrain,
};
void StepColourPulseA() { UpdateEra01ColourPulseA(1); }
void StepSceneryLoopA() { UpdateEra01SceneryLoopA(1); }
void StepSceneryLoopB() { UpdateEra01SceneryLoopB(1); }
void StepColourPulseE() { UpdateEra01ColourPulseE(1); }
void StepColourPulseF() { UpdateEra01ColourPulseF(1); }
constexpr FieldRoutine kEra01Scenery[] = {
    StepColourPulseA, StepSceneryLoopA, StepSceneryLoopB, StepColourPulseE, StepColourPulseF,
    UpdateSaveSpotMarker,
};

constexpr std::int32_t kTexture49 = 49;

void RunEra01Block() {
    GroundFallEnabled = 1;
    const std::int32_t s = ScrollX;
    if (s < 1200 && TextureFlags[kTexture49] == 0) TextureFlags[kTexture49] = 901;
    if (s > 1400 && TextureFlags[kTexture49] == 1) FreeGraphic(9000 + kTexture49);

    if (ErrandState == 2) RunMovePracticeEvent();

    // The notice board: A in its window pins the heroine until it is read.
    if (W.examineRunning == 0 && KeyAPressed == 1 && PlayerState.x >= Era01Anchor05 + 1176 &&
        PlayerState.x <= Era01Anchor05 + 1276) {
        W.examineRunning = 1;
        RunEra01ExamineEvent(0);
        W.examineHoldX = PlayerState.x;
    }
    if (W.examineRunning == 1) {
        PlayerState.x = W.examineHoldX;
        if (RunEra01ExamineEvent(1) == 99) W.examineRunning = 0;
    }

    if (Era00StoryPhase == 2 && RunEra00Story(2) == 99) RunEra00Story(0);

    for (FieldRoutine r : kEra01Actors) r();

    if (Between(Era01Anchor20 - 2300, ScrollX, Era01Anchor20 + 2300)) UpdateEra01Npc(1);
    for (FieldRoutine r : kEra01Scenery) r();

    std::int32_t arenaDistance = ScrollX + 500 - Era01Anchor22;
    if (arenaDistance < 0) arenaDistance = -arenaDistance;
    if (arenaDistance < 2500) RunArenaWaves(2);
    if (ScrollX < Era01Anchor01) RunArenaWaves(1);

    if (Era01Progress < 3) UpdateEra01Gate();
    UpdateAnchorObstacle();

    if (ScrollX < Era01Anchor40 + 100) UpdateMonsterGroup1();
    if (ScrollX < Era01Anchor47 + 100) UpdateMonsterGroup2();
    if (Between(Era01Anchor33, ScrollX, Era01Anchor33 + 13650)) UpdateFieldSpawner();

    const bool nearEncounter = Between(Era01Anchor54 - 1000, ScrollX, Era01Anchor54 + 2500);
    if (Era02EventsUnlocked == 0) {
        if (EncounterPhase <= 4 && nearEncounter) UpdateEncounterIntro();
        if (EncounterPhase >= 5 && Between(Era01Anchor54 - 1000, ScrollX, Era01Anchor55 + 500))
            UpdateEncounterFight();
        if (ScrollX >= Era01Anchor55) RunEra02ArrivalScene();
    } else {
        FloorGateState.raised = 20;
        if (nearEncounter) {
            for (EncounterTrioActor& a : EncounterTrio.actor) a.frame = 0;
            FloorGateState.level1 = FloorGateState.level2 = FloorGateState.level3 = 1;
        }
    }
    if (PlayerState.x < 117) PlayerState.x = 117;
}

void RunEra02Block() {
    GroundFallEnabled = 1;
    UpdateSaveSpotMarker();
    if (Era02EventsUnlocked == 0) {
        if (ArrivalScene.step < 99) RunEra02ArrivalScene();
        if (ArrivalScene.step == 99) RunTournament();
        if (TournamentState.state == 5) {
            ArrivalScene.step = 100;
            TournamentBoundsLock = 0;
            Era02AreaFlag = 0;
            Era03AreaFlag = 1;
            WriteTraceLog(995);
        }
    } else {
        RunEra02Events();
    }
}

void RunEra03Block() {
    GroundFallEnabled = 1;
    UpdateSaveSpotMarker();
    RunEra03CreatureEncounter();
    UpdateEra03PlacedObjects();
    if (Era03Duel.state != 99)
        RunEra03Duel();
    else
        Era03Duel.frame = 0;
    RunEra03FighterEncounter();
    if (Era03ArenaEncounter.controllerState != 99) {
        RunEra03ArenaEncounter();
    } else if (Era02EventsUnlocked == 0) {
        XKeyBlocked = 1;
        ZKeyBlocked = 1;
    }
    RunEra03NpcScene(1);
    if (Era02EventsUnlocked != 0) RunEra02Events();
}

void RunSharedServices() {
    UpdatePickups();
    UpdateDropItemPickup();
    UpdateBursts();
    UpdateFlashEffects();
    ApplyHurtPose();
}

// ---------------------------------------------------------------- area limits

void LimitEra00House() {
    if (Era01AreaFlag != 0 || Era00IndoorState != 1) return;
    PlayerMoveState.jumpKind = 0;
    std::int32_t& x = PlayerState.x;
    if (x > Era00Anchor1 + 980) x = Era00Anchor1 + 980;
    if (x < Era00Anchor1 + 500) x = Era00Anchor1 + 500;
}

// A ledge pit: the heroine's feet are put on its floor; a jump in progress
// ends in a held fall costing 1 HP.
void PitFall(std::int32_t floorY, std::int32_t kindAfter) {
    PlayerState.y = floorY;
    if (W.pitFallState == 0 && PlayerMoveState.jumpKind != 0) {
        W.pitFallState = 1;
        W.pitFallTime = GameNow();
        PlaySoundEffect(19, SoundVolumes[0]);
        PlayerMoveState.jumpKind = kindAfter;
        PlayerState.hp -= 1;
    }
}

void LimitLedgeSection() {
    constexpr std::int32_t L = Era01Anchor24;
    std::int32_t& x = PlayerState.x;
    const std::int32_t y = PlayerState.y;
    const std::int32_t prev = W.previousStepX;
    if (!Between(L - 100, x, L + 2200)) return;
    if (267 < y && y < 503) {
        if (x > L - 30 && prev < L + 12) x = L - 30;
        if (prev > L - 30 && x < L + 55) x = L + 55;
        if (x > L + 2046 && prev < L + 2088) x = L + 2046;
        if (prev > L + 2046 && x < L + 2131) x = L + 2131;
    }
    if (y > 432) {
        if (x > L + 1008 && prev < L + 1050) x = L + 1008;
        if (prev > L + 1008 && x < L + 1093) x = L + 1093;
    }
    if (Between(L, x, L + 500) && 500 < PlayerState.y && PlayerState.y < 640) PitFall(631, 0);
    if (Between(L + 530, x, L + 1570) && 360 < PlayerState.y && PlayerState.y < 470) PitFall(468, 11);
}

constexpr std::int32_t kArrivalView = Era01Anchor56;

void ClampArrivalView(bool lowLimit) {
    constexpr std::int32_t V = kArrivalView;
    if (!Between(V - 428, PlayerState.x, V + 1403)) return;
    if (lowLimit && ScrollX < V - 428) ScrollX = V - 428;
    if (ScrollX > V + 379) ScrollX = V + 379;
}

void LimitEra01() {
    std::int32_t& x = PlayerState.x;
    // Holds by the field's events.
    if (HoppingObjectRecord.holdStep == 3) x = HoppingObjectRecord.holdX;
    // Only the first walking enemy teaches (and holds her for it); the
    // others never finish a lesson, so holding for them would pin her at 0.
    const WalkingEnemyRecord& teacher = WalkingEnemyRecords[0];
    if (teacher.state >= 2 && teacher.meetingStep != 6) {
        x = teacher.holdX;
        MessageBoxOpen = 1;
    }
    const std::int32_t lesson = FlyingEnemyRecords[0].lessonStep;
    if ((lesson >= 1 && lesson <= 4) || lesson == 6 || lesson == 7) x = FlyingEnemyRecords[0].lessonHoldX;

    constexpr std::int32_t A = Era01Anchor22;
    const std::int32_t hold = ArenaState.waveHold;
    if (hold == 1 && x >= A - 100) x = A - 100;
    if (hold == 2 && x >= A - 50) x = A - 50;
    if (hold >= 3 && A - 50 <= x && x < A + 200) x = A - 50;

    const std::int32_t meeting = FieldEnemyARecord.firstMeetingStep;
    if (meeting >= 1 && meeting <= 13) {
        MessageBoxOpen = 1;
        if (x > Era01Anchor17 - 150) x = Era01Anchor17 - 150;
    }
    if (MonsterGroupRecords[0].talkState == 1) {
        x = Era01Anchor34 - 700;
        MessageBoxOpen = 1;
    }
    if (EncounterPhase == 1) {
        x = Era01Anchor54 - 500;
        MessageBoxOpen = 1;
    }

    if (PlayerHpHold == -1) {
        PlayerHpHold = PlayerState.hp;
        W.heldExp = PlayerState.exp;
    }
    if (PlayerHpHold > 0) {
        PlayerState.hp = PlayerHpHold;
        PlayerState.exp = W.heldExp;
    }

    std::int32_t pitDistance = x - Era01Anchor09;
    if (pitDistance < 0) pitDistance = -pitDistance;
    if (pitDistance < 3000 || PitHazardTripping()) UpdatePitHazard();

    LimitLedgeSection();
    if (ArrivalViewLock == 1) ClampArrivalView(Era02EventsUnlocked == 0);
}

void LimitEra02() {
    if (ArrivalViewLock == 1 && Era02EventsUnlocked == 0) {
        ClampArrivalView(true);
        if (PlayerState.x > kArrivalView + 1303) PlayerState.x = kArrivalView + 1303;
    }
    if (TournamentBoundsLock == 1) {
        constexpr std::int32_t T = Era02Anchor1;
        std::int32_t& x = PlayerState.x;
        if (x <= T + 140) x = T + 140;
        if (x >= T + 2800) x = T + 2800;
        if (ScrollX < T + 123) ScrollX = T + 123;
        if (ScrollX > T + 1800) ScrollX = T + 1800;
    }
}

void ClampInto(std::int32_t& v, std::int32_t lo, std::int32_t hi) {
    if (v < lo) v = lo;
    if (v > hi) v = hi;
}

void LimitEra03() {
    constexpr std::int32_t R = Era03Anchor8;
    if (Era03ArenaEncounter.hazardPostFrame != 0 && R - 700 < ScrollX + 1100 && ScrollX - 200 < R + 908) {
        ClampInto(PlayerState.x, R - 640, R + 850);
        ClampInto(Era03ArenaBoss1.x, R - 640, R + 850);
        if (Era03ArenaEncounter.showAll == 1) ClampInto(Era03ArenaEnemy3.x, R - 640, R + 850);
    }
    constexpr std::int32_t T = Era02Anchor1;
    if (ScrollX <= T + 2807) ScrollX = T + 2807;
    if (PlayerState.x <= T + 2911) PlayerState.x = T + 2911;
}

// Closed doors of Era04: (lo, hi) margins on each side of door i.
struct DoorMargins {
    std::int32_t lo, hi;
};
constexpr DoorMargins kDoorMargins[7] = {
    {0, 0}, {135, 135}, {135, 135}, {135, 135}, {135, 155}, {155, 185}, {105, 182},
};

void LimitEra04CameraStage() {
    constexpr std::int32_t M2 = Era04Door2, M3 = Era04Door3, M4 = Era04Door4, M5 = Era04Door5;
    std::int32_t& S = ScrollX;
    std::int32_t& x = PlayerState.x;
    const std::int32_t stage = Era04CameraStage;
    if (stage >= 1 && stage <= 3) {
        if (S <= M2 + 160) S = M2 + 160;
        if (S >= M3 - 1024) S = M3 - 1024;
        if (x <= M2 + 180) x = M2 + 180;
    }
    if (stage == 1 && x <= M2 + 520) x = M2 + 520;
    if (stage == 3 && x >= M3 - 520) x = M3 - 520;
    if (stage == 4 && x < M3 && S >= M3 - 1024) S = M3 - 1024;
    if (stage == 5 && S > M3 - 1024) S = M3 - 1024;
    if (stage == 6) {
        if (S <= M3) S = M3;
        if (S > M4 - 1024) S = M4 - 1024;
    }
    if (stage == 7) {
        if (x < M4) {
            if (S >= M4 - 1024) S = M4 - 1024;
        } else if (S <= M4 + 53) {
            S = M4 + 53;
        }
    }
    if (stage == 8) {
        // The view leans toward whichever of the two is about to leave it.
        if (EncounterBFigure.bodyPose != 0) {
            if (x < S + 500 && EncounterBFigure.x < S + 200) S -= 1;
            if (x > S + 500 && EncounterBFigure.x > S - 200) S += 1;
        }
        if (S >= M5 - 1077) S = M5 - 1077;
        if (S <= M4 + 53) S = M4 + 53;
    }
}

void LimitEra04() {
    std::int32_t& S = ScrollX;
    std::int32_t& x = PlayerState.x;
    const std::int32_t prev = W.previousStepX;
    if (x - 100 < S) S = x - 100;
    if (S + 1024 < x + 100) S = x - 924;

    for (int i = 1; i <= 6; ++i) {
        if (Era04DoorLocks[i] != 1 || prev <= 1000) continue;
        const std::int32_t m = Era04SectionMarkers[i];
        const DoorMargins g = kDoorMargins[i];
        if (prev <= m - g.lo && x > m - g.lo) x = m - g.lo;
        if (prev >= m + g.hi && x <= m + g.hi) x = m + g.hi;
    }

    constexpr std::int32_t M1 = Era04Door1;
    if (W.doorOneSide == 0) W.doorOneSide = (x < M1) ? 1 : 2;
    if ((W.doorOneSide == 1 && x > M1) || (W.doorOneSide == 2 && x < M1)) {
        W.doorOneSide = 0;
        CameraMode = 0;
    }

    LimitEra04CameraStage();

    constexpr std::int32_t M3 = Era04Door3, M4 = Era04Door4, M5 = Era04Door5, M6 = Era04Door6;
    if (M3 <= x && x < M4 && S >= M4 - 1024) S = M4 - 1024;
    if (M4 <= x && x < M5) {
        if (S <= M4 + 58) S = M4 + 58;
        if (S >= M5 - 1077) S = M5 - 1077;
    }
    if (M5 <= x && x < M6) {
        if (S <= M5 + 58) S = M5 + 58;
        if (S >= M6 - 1024) S = M6 - 1024;
    }
    if (x >= M6) {
        if (S <= M6 + 58) S = M6 + 58;
        if (S >= Era04End - 1024) S = Era04End - 1024;
    }
    if (FinalSectionState.lock == 1 && S <= M6 + 58) S = M6 + 58;
}

void ApplyAreaLimits() {
    LimitEra00House();
    if (Era01AreaFlag == 1) LimitEra01();
    if (Era02AreaFlag == 1) LimitEra02();
    if (Era03AreaFlag == 1) LimitEra03();
    if (Era04AreaFlag == 1) LimitEra04();
}

// The heroine stays in pose 27, keys ignored, until more than 0.5 s have
// passed and she stands exactly on the floor.
void ApplyPitFallHold() {
    if (W.pitFallState == 2) {
        MessageBoxOpen = 0;
        W.pitFallState = 0;
    }
    if (W.pitFallState == 1) {
        PlayerState.pose = 27;
        MessageBoxOpen = 1;
        if (GameNow() - W.pitFallTime > 0.5 && PlayerState.y == FloorHeightAt(PlayerState.x, PlayerState.y))
            W.pitFallState = 2;
    }
}

}  // namespace

void UpdateWorld() {
    StampAheadToZero(W.pitFallTime, GameNow());
    PlayerState.xBeforeStep = PlayerState.x;
    UpdateLowHpWarning();
    RunController();
    RunFieldMusic();
    if (Era00AreaFlag == 1) RunEra00Block();
    if (Era01AreaFlag == 1) RunEra01Block();
    if (Era02AreaFlag == 1) RunEra02Block();
    if (Era03AreaFlag == 1) RunEra03Block();
    if (Era04AreaFlag == 1) UpdateEra04Events(1);
    RunSharedServices();
    ApplyAreaLimits();
    ApplyPitFallHold();
    W.previousStepX = PlayerState.x;
}
