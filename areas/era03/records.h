// The records of Era03 that the rest of the game reads, writes or saves.
#pragma once

#include <cstdint>

struct Era03DuelRecord {
    std::int32_t state = 0;   // 99 when done
    std::int32_t frame = 0;
    std::int32_t movingX = 0;
    // The duel opponent: where it stands, its facing word (-1 mirrors) and
    // its depth.
    std::int32_t x = 56800, y = 640, facing = -1;
    float depth = 0.3f;
};
inline Era03DuelRecord Era03Duel;

struct Era03ArenaEncounterRecord {
    std::int32_t controllerState = 0;   // 99 when done
    std::int32_t hazardPostFrame = 0;
    std::int32_t showAll = 0;
};
inline Era03ArenaEncounterRecord Era03ArenaEncounter;

struct Era03ArenaActorRecord {
    std::int32_t x = 0;
    // Enemy 3's feet; the home area's opening also stands its actor 2 here.
    std::int32_t y = 0;
};
inline Era03ArenaActorRecord Era03ArenaBoss1;
inline Era03ArenaActorRecord Era03ArenaEnemy3;

// The talking-character scene.
struct Era03NpcSceneObject {
    std::int32_t frame = 0;
    std::uint32_t colour = 0xFFFFFFFFu;
    std::int32_t x = 0, y = 0, word5 = 0, word6 = 0;
};
struct Era03NpcSceneRecord {
    Era03NpcSceneObject objects[4];
    std::int32_t actorPose = 0, actorFacing = 0, actorX = 0, actorY = 0;
    float actorDepth = 0.0f;
    std::int32_t state = 0;      // 2 when done
    std::int32_t onceFlag = 0;
    std::uint32_t colour = 0xFFFFFFFFu;
};
inline Era03NpcSceneRecord Era03NpcScene;

// The fighter encounter.
struct Era03FighterRecord {
    std::int32_t pose = 0;       // 0 = not drawn
    std::int32_t x = 60300, y = 0, facing = 0;
    std::uint32_t colour = 0;
    std::int32_t encounterState = 0;
};
inline Era03FighterRecord Era03Fighter;

// The creature encounter's once-flag.
inline std::int32_t Era03CreatureOnceFlag = 0;
