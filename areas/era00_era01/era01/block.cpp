// The field's part of the stage step: its events, actors and scenery in a
// fixed order, then its limits on x and ScrollX (holds by its events, the
// ledge section's walls and pits, the arrival view).
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "core/floors.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "core/sound_effect.h"
#include "core/stage_step.h"
#include "core/step_helpers.h"
#include "core/textures.h"

namespace {


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
// The view over the tower, where the arrival scene begins.
constexpr std::int32_t kArrivalView = Era01Anchor56;

// A ledge pit: the heroine's feet are put on its floor; a jump in progress
// ends in a held fall costing 1 HP (the stage step holds her).
void PitFall(std::int32_t floorY, std::int32_t kindAfter) {
    PlayerState.y = floorY;
    if (WorldUpdateState.pitFallState == 0 && PlayerMoveState.jumpKind != 0) {
        WorldUpdateState.pitFallState = 1;
        WorldUpdateState.pitFallTime = GameNow();
        PlaySoundEffect(19, SoundVolumes[0]);
        PlayerMoveState.jumpKind = kindAfter;
        LowerHeroineHp(1);
    }
}

void LimitLedgeSection() {
    constexpr std::int32_t ledge = Era01Anchor24;
    std::int32_t& x = PlayerState.x;
    const std::int32_t y = PlayerState.y;
    const std::int32_t prev = WorldUpdateState.previousStepX;
    if (!StrictlyBetween(ledge - 100, x, ledge + 2200)) return;
    if (267 < y && y < 503) {
        if (x > ledge - 30 && prev < ledge + 12) x = ledge - 30;
        if (prev > ledge - 30 && x < ledge + 55) x = ledge + 55;
        if (x > ledge + 2046 && prev < ledge + 2088) x = ledge + 2046;
        if (prev > ledge + 2046 && x < ledge + 2131) x = ledge + 2131;
    }
    if (y > 432) {
        if (x > ledge + 1008 && prev < ledge + 1050) x = ledge + 1008;
        if (prev > ledge + 1008 && x < ledge + 1093) x = ledge + 1093;
    }
    if (StrictlyBetween(ledge, x, ledge + 500) && 500 < PlayerState.y && PlayerState.y < 640) PitFall(631, 0);
    if (StrictlyBetween(ledge + 530, x, ledge + 1570) && 360 < PlayerState.y && PlayerState.y < 470) PitFall(468, 11);
}

}  // namespace

void RunEra01Block() {
    GroundFallEnabled = 1;
    const std::int32_t s = ScrollX;
    if (s < 1200 && TextureFlags[kTexture49] == 0) TextureFlags[kTexture49] = 901;
    if (s > 1400 && TextureFlags[kTexture49] == 1) FreeGraphic(9000 + kTexture49);

    if (ErrandState == 2) RunMovePracticeEvent();

    // The notice board: A in its window pins the heroine until it is read.
    if (WorldUpdateState.examineRunning == 0 && KeyAPressed == 1 && PlayerState.x >= Era01Anchor05 + 1176 &&
        PlayerState.x <= Era01Anchor05 + 1276) {
        WorldUpdateState.examineRunning = 1;
        RunEra01ExamineEvent(0);
        WorldUpdateState.examineHoldX = PlayerState.x;
    }
    if (WorldUpdateState.examineRunning == 1) {
        PlayerState.x = WorldUpdateState.examineHoldX;
        if (RunEra01ExamineEvent(1) == 99) WorldUpdateState.examineRunning = 0;
    }

    if (Era00StoryPhase == 2 && RunEra00Story(2) == 99) RunEra00Story(0);

    for (FieldRoutine r : kEra01Actors) r();

    if (StrictlyBetween(Era01Anchor20 - 2300, ScrollX, Era01Anchor20 + 2300)) UpdateEra01Npc(1);
    for (FieldRoutine r : kEra01Scenery) r();

    std::int32_t arenaDistance = ScrollX + 500 - Era01Anchor22;
    if (arenaDistance < 0) arenaDistance = -arenaDistance;
    if (arenaDistance < 2500) RunArenaWaves(2);
    if (ScrollX < Era01Anchor01) RunArenaWaves(1);

    if (Era01Progress < 3) UpdateEra01Gate();
    UpdateAnchorObstacle();

    if (ScrollX < Era01Anchor40 + 100) UpdateMonsterGroup1();
    if (ScrollX < Era01Anchor47 + 100) UpdateMonsterGroup2();
    if (StrictlyBetween(Era01Anchor33, ScrollX, Era01Anchor33 + 13650)) UpdateFieldSpawner();

    const bool nearEncounter = StrictlyBetween(Era01Anchor54 - 1000, ScrollX, Era01Anchor54 + 2500);
    if (Era02EventsUnlocked == 0) {
        if (EncounterPhase <= 4 && nearEncounter) UpdateEncounterIntro();
        if (EncounterPhase >= 5 && StrictlyBetween(Era01Anchor54 - 1000, ScrollX, Era01Anchor55 + 500))
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

void ClampArrivalView(bool lowLimit) {
    constexpr std::int32_t view = kArrivalView;
    if (!StrictlyBetween(view - 428, PlayerState.x, view + 1403)) return;
    if (lowLimit && ScrollX < view - 428) ScrollX = view - 428;
    if (ScrollX > view + 379) ScrollX = view + 379;
}

void LimitEra01() {
    std::int32_t& x = PlayerState.x;
    // Where the field's events keep her while they hold her (each event
    // takes and ends its hold in its own step).
    if (HoppingObjectRecord.holdStep == 3) x = HoppingObjectRecord.holdX;
    // Only the first walking enemy teaches (and holds her for it); the
    // others never finish a lesson, so holding for them would pin her at 0.
    const WalkingEnemyRecord& teacher = WalkingEnemyRecords[0];
    if (teacher.state >= 2 && teacher.meetingStep != 6) x = teacher.holdX;
    const std::int32_t lesson = FlyingEnemyRecords[0].lessonStep;
    if ((lesson >= 1 && lesson <= 4) || lesson == 6 || lesson == 7) x = FlyingEnemyRecords[0].lessonHoldX;

    // The arena's waves keep her out of its room, from their line up to
    // A + 199, as the replay's hold does. Come from the east she is past the
    // arena: the hold never moves her through the room to its west side. She
    // walks through it as she would with no wave running (a replay waits for
    // her west of its enemy, so a wall on the east would shut the field's
    // west end off), and is held once she is out of it on the west.
    constexpr std::int32_t arena = Era01Anchor22;
    const std::int32_t hold = ArenaState.waveHold;
    const std::int32_t line = hold == 1 ? arena - 100 : arena - 50;
    const bool inTheRoom = line <= x && x < arena + 200;
    if (!inTheRoom) ArenaState.heroineEast = x >= arena + 200 ? 1 : 0;
    if (hold != 0 && inTheRoom && ArenaState.heroineEast == 0) x = line;

    const std::int32_t meeting = FieldEnemyARecord.firstMeetingStep;
    if (meeting >= 1 && meeting <= 13 && x > Era01Anchor17 - 150) x = Era01Anchor17 - 150;
    if (MonsterGroupRecords[0].talkState == 1) x = Era01Anchor34 - 700;
    if (EncounterPhase == 1) x = Era01Anchor54 - 500;

    if (PlayerHpHold == -1) {
        PlayerHpHold = PlayerState.hp;
        WorldUpdateState.heldExp = PlayerState.exp;
    }
    if (PlayerHpHold > 0) {
        PlayerState.hp = PlayerHpHold;
        PlayerState.exp = WorldUpdateState.heldExp;
    }

    std::int32_t pitDistance = x - Era01Anchor09;
    if (pitDistance < 0) pitDistance = -pitDistance;
    if (pitDistance < 3000 || PitHazardTripping()) UpdatePitHazard();

    LimitLedgeSection();
    if (ArrivalViewLock == 1) ClampArrivalView(Era02EventsUnlocked == 0);
    // With the camera settled for this step, the floors learn whether the
    // pit's obstacle stands.
    ActivePitAnchor = PitAnchorSeenFrom(ScrollX);
}
