// Words of Era03 that the data reset clears and the save slots carry,
// beside those of world_hooks.h.
#pragma once

#include <cstdint>

#include "areas/era03/world_hooks.h"

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
