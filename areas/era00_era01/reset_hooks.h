// Words of the home area and the field that the data reset clears and the
// save slots carry, beside those of world_hooks.h, and the routines the reset
// arms (called with 0; Era00's story with 3).
#pragma once

#include <cstdint>

#include "areas/era00_era01/world_hooks.h"

// 1 while a scripted event holds the heroine (the message box is drawn).
inline std::int32_t EventHoldsPlayer = 0;

// The objects of the field's collecting game: state, frame (0 = nothing
// drawn, else 128..132), world x and y.
struct CollectGameObject {
    std::int32_t state = 0, frame = 0, x = 0, y = 0;
};
inline CollectGameObject CollectGameObjects[8];

// The Era00 story actors.
struct Era00SceneActorsRecord {
    std::int32_t NpcFrame = 0, NpcX = 0, NpcY = 0, NpcFacing = 0;
    std::int32_t ItemShown = 0, ItemX = 0, ItemY = 0, ItemAngle = 0;
    std::int32_t ActorAFrame = 0, ActorAX = 0, ActorAY = 0, ActorAMirror = 0;
    std::int32_t ActorBFrame = 0;
    std::int32_t ActorCFrame = 0, ActorCX = 0, ActorCY = 0;
    std::int32_t ActorDFrame = 0, ActorDX = 0, ActorDY = 0, ActorDAngle = 0;
    float ActorDDepth = 0.0f;
    std::int32_t ActorEFrame = 0, ActorEX = 0, ActorEY = 0, ActorEAngle = 0, ActorEMirror = 0;
    std::int32_t CloseUpFrame = 0;
};
inline Era00SceneActorsRecord Era00SceneActors;

// The Era00 gateway's glow and sparks.
struct Era00GatewayRecord {
    std::uint32_t glowFrame = 0;
    std::int32_t x = 0;
    std::uint32_t leafColour = 0, glowColour = 0;
    std::uint32_t passed = 0;
    std::uint32_t sparkKind1 = 0, sparkKind2 = 0;
    std::int32_t sparkAngle1 = 0, sparkAngle2 = 0;
};
inline Era00GatewayRecord Era00Gateway;

// The Era01 lift.
struct LiftStateRecord {
    std::int32_t x = 20200;
    std::int32_t baseY = 640;        // 740 or 640
    std::int32_t word3 = 0;
    std::int32_t platformTop = 0;
    std::int32_t state = 1;
    std::int32_t frame = 0;          // 0 = no lift picture
};
inline LiftStateRecord LiftRecord;

// The Era01 gatekeeper.
struct GatekeeperStateRecord {
    std::int32_t state = 1;
    std::int32_t frame = 0;          // 0 = hidden, 1..6
    std::int32_t x = 250;
    std::int32_t objectX = 0;        // the small object's position
    std::int32_t blockX = 250;
    std::int32_t y = 640;
    std::int32_t done = 0;           // 99 once its sequence has run
};
inline GatekeeperStateRecord GatekeeperRecord;

// The Era01 talking character.
struct Era01NpcStateRecord {
    std::int32_t x = 0, y = 0;
    std::int32_t frame = 0;          // 0 hidden, 175..188
    std::int32_t onceFlag = 0;
};
inline Era01NpcStateRecord Era01NpcRecord;

// The patrol creature and its four pit spots.
struct PatrolPitSpot {
    std::int32_t position = 0, state = 0, frame = 0;
};
struct PatrolCreatureStateRecord {
    std::int32_t state = 0, step = 0, flag = 0;
    PatrolPitSpot pit[4];
    std::int32_t x = 6836, y = 0;
};
inline PatrolCreatureStateRecord PatrolCreatureRecord;

// Done word of the move-practice errand (2 when done).
inline std::int32_t MovePracticeDone = 0;
// Animation step of the Era01 gate.
inline std::int32_t Era01GateStep = 0;
// The Era01 encounter's once-flag and done flag (beside EncounterPhase).
inline std::int32_t EncounterOnceFlag = 0;
inline std::int32_t EncounterDoneFlag = 0;
// The three walking enemies' draw switches (1 = drawn).
inline std::int32_t WalkingEnemyDrawFlags[3] = {0, 0, 0};
// The four dropped-item slots (1 = an item lies there).
struct DropItemSlotsRecord {
    std::int32_t flag[4] = {0, 0, 0, 0};
    std::int32_t x[4] = {0, 0, 0, 0};   // world px where each item lies
    std::int32_t y[4] = {0, 0, 0, 0};
};
inline DropItemSlotsRecord DropItemSlots;
// Thrown pieces of encounter actor 2: 0 none, 1 and 2 its two pictures.
inline std::uint32_t EncounterPieceStates[3] = {0, 0, 0};
// The scenery colour words of Era01.
inline std::uint32_t Era01SceneryColours[8] = {0xFF333333u, 0xFFEEEEEEu, 0xFFEEEEEEu, 0xFFFFFFFFu,
                                              0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
// The Era01 arena enemy.
struct ArenaEnemyRecord {
    std::int32_t x = 23445, y = 519, frame = 0;
};
inline ArenaEnemyRecord ArenaEnemy;

// Arming calls of the reset (each resets its own step words).
void RunFieldEnemyAReaction(std::int32_t arg);
void UpdateWalkingEnemyObject1(std::int32_t arg);
void UpdateWalkingEnemyObject2(std::int32_t arg);
void UpdateEra01ColourPulseB(std::int32_t arg);
void UpdateEra01ColourPulseC(std::int32_t arg);
void UpdateEra01ColourPulseD(std::int32_t arg);
