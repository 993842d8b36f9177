// What the stage step calls of the home area and the field, and the words it
// reads and writes of them.
#pragma once

#include <cstdint>

// ---- Era00 -----------------------------------------------------------------
// 0 not armed, 1 opening phase, 2 exit phase.
inline std::int32_t Era00StoryPhase = 0;
// 1 while the heroine is inside the house.
inline std::int32_t Era00IndoorState = 0;

// 0 arms, 1 runs the opening phase, 2 the exit phase; 99 when the exit is done.
std::int32_t RunEra00Story(std::int32_t arg);
// One step of the talk and door events of the house (arg 1).
void RunEra00TalkEvents(std::int32_t arg);

// ---- Era01 -----------------------------------------------------------------
// Story errand progress; 2 runs the move-practice event.
inline std::int32_t ErrandState = 0;
inline std::int32_t Era01Progress = 0;
// Era01 encounter: 0..4 intro, 5 and up the fight.
inline std::int32_t EncounterPhase = 0;

struct EncounterTrioActor {
    std::int32_t frame = 0;   // 0 = not drawn
    std::int32_t x = 0, y = 0;
    std::int32_t facing = 0;
    float depth = 0.0f;
};
struct EncounterTrioRecord {
    EncounterTrioActor actor[3] = {{0, 0, 0, -1, 0.0f}, {}, {}};
};
inline EncounterTrioRecord EncounterTrio;

struct HoppingObjectStateRecord {
    std::int32_t state = 0;
    std::int32_t holdStep = 0;   // 3 holds the heroine at holdX
    std::int32_t holdX = 0;
    std::int32_t x = 0, y = 0;
    // How far its pieces have flown apart once split: vertical a, horizontal b.
    std::int32_t splitA = 0, splitB = 0;
};
inline HoppingObjectStateRecord HoppingObjectRecord;

// The move-practice event's figure: its step sprite (0 none, 1..18), the
// height word of its raised piece, and the marker's shown flag.
struct MovePracticeStateRecord {
    std::int32_t stepSprite = 0;
    std::int32_t height = 0;
    std::uint32_t shown = 0;
};
inline MovePracticeStateRecord MovePracticeState;

struct WalkingEnemyRecord {
    std::int32_t state = 0;
    std::int32_t meetingStep = 0;
    std::int32_t holdX = 0;
    std::int32_t knockDir = 0, frame = 0, facing = 0, x = 0, y = 0;
    std::int32_t angle = 0, pieceOffset = 0;   // the two side words
    // The object it carries: shown 1 = drawn, at world x, y.
    std::int32_t objectShown = 0, objectX = 0, objectY = 0;
};
inline WalkingEnemyRecord WalkingEnemyRecords[3];

struct FlyingEnemyRecord {
    std::int32_t lessonStep = 0;   // the flight lesson of the first one
    std::int32_t lessonHoldX = 0;
    std::int32_t state = 0, frame = 0, xSpeed = 0, ySpeed = 0, x = 0, y = 0;
    // The experience the last one defeated gave (10, 15, 20 or 25); kept in
    // the first record.
    std::int32_t expAward = 0;
    // The projectile (state 2 = drawn) and the effect layer of the body.
    std::int32_t projectileState = 0, projectileX = 0, projectileY = 0;
    std::int32_t effectX = 0, effectY = 0;
};
inline FlyingEnemyRecord FlyingEnemyRecords[3];

struct FieldEnemyAStateRecord {
    std::int32_t firstMeetingStep = 0;
    std::int32_t state = 0, frame = 0, latch1 = 0, latch2 = 0, hp = 0;
    std::int32_t rememberedX = 0, x = 0, y = 0;
};
inline FieldEnemyAStateRecord FieldEnemyARecord;

struct MonsterGroupRecord {
    std::int32_t scriptedHold = 0;   // group 1: 1 holds the heroine
    std::int32_t phase = 0, frame = 0, facing = 0, flag = 0, attackKind = 0, hp = 0, action = 0;
    std::int32_t x = 0, y = 0;
    float depth = 0.0f;
};
inline MonsterGroupRecord MonsterGroupRecords[2];

struct ArenaStateRecord {
    std::int32_t waveHold = 0;   // 0..3
    std::int32_t clearedWaves = 0, objectX = 0, objectY = 0;
};
inline ArenaStateRecord ArenaState;

// -1 asks the stage step to hold HP and EXP; above 0 the held HP; 0 releases.
inline std::int32_t PlayerHpHold = 0;

struct Era01TerrainStateRecord {
    std::int32_t lowerRoute = 0;     // 1 while on the lower route
    std::int32_t pitFallStartY = 0;  // non-zero while falling into the pit
    std::int32_t stepDown25 = 0, stepDown50 = 0, fallWord = 0;
};
inline Era01TerrainStateRecord Era01TerrainState;

void RunMovePracticeEvent();
// 0 arms; 1 steps the notice-board messages; 99 when done.
std::int32_t RunEra01ExamineEvent(std::int32_t arg);
void UpdateHoppingObject(std::int32_t arg);
void UpdateLift();
void UpdateGatekeeper(std::int32_t arg);
void UpdateCollectGame();
void UpdateCollectGameRound();
void UpdateFieldEnemyA(std::int32_t arg);
void UpdateFlyingEnemy1(std::int32_t arg);
void UpdateFlyingEnemy2();
void UpdateFlyingEnemy3();
void UpdateWalkingEnemy1();
void UpdateWalkingEnemy2();
void UpdateWalkingEnemy3();
void UpdatePatrolCreature(std::int32_t arg);
void UpdatePitTraps();
void UpdateEra01Terrain();
void UpdateEra01Npc(std::int32_t arg);
void UpdateEra01ColourPulseA(std::int32_t arg);
void UpdateEra01SceneryLoopA(std::int32_t arg);
void UpdateEra01SceneryLoopB(std::int32_t arg);
void UpdateEra01ColourPulseE(std::int32_t arg);
void UpdateEra01ColourPulseF(std::int32_t arg);
// 1 turns a finished sequence back to idle; 2 runs the next wave.
void RunArenaWaves(std::int32_t arg);
void UpdateEra01Gate();
void UpdateAnchorObstacle();
void UpdateMonsterGroup1();
void UpdateMonsterGroup2();
void UpdateFieldSpawner();
void UpdateEncounterIntro();
void UpdateEncounterFight();
void UpdatePitHazard();
// The four dropped-item slots, collected in pose 26; runs in every area.
void UpdateDropItemPickup();
