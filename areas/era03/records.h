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
};
inline Era03ArenaActorRecord Era03ArenaBoss1;
inline Era03ArenaActorRecord Era03ArenaEnemy3;

// The talking-character scene: the character, the controller's state, the
// two saved marks and the words the catching game and the shop leave for the
// draw and text passes.
struct Era03NpcSceneRecord {
    std::int32_t actorPose = 0;       // 0 = not drawn; 1..25 frames of the character
    std::int32_t actorFacing = 0;     // +1 mirrors the left-facing cells
    std::int32_t actorX = 0, actorY = 0;
    float actorDepth = 0.0f;
    std::int32_t controllerState = 0; // 0 unarmed, 1 idle, 2 walk-in, 3 script, 4 conversation
    std::int32_t idleStep = 0;
    double idleStamp = 0.0;
    std::int32_t walkInStep = 0;
    double walkInStamp = 0.0;
    std::int32_t meetingMark = 0;     // 2 once met; saved
    std::int32_t extraLinesHeard = 0; // saved; the data reset keeps it
    std::int32_t catchSignal = 0;     // 0, 1..4 object lifted, 99 delivered, 990 time over
    std::int32_t deliveredCount = 0;
    std::int32_t offeredPicture = 0;  // the shop's offer drawn at the camp: 0 none, 1..3
    std::int32_t ownedCount = 0;      // shown beside an offer
};
inline Era03NpcSceneRecord Era03NpcScene;

// What the scene switches on and off for the draw passes (colours ARGB).
struct Era03NpcSceneDrawRecord {
    std::int32_t PictureShown = 0;            // the night overlay
    std::uint32_t PictureColour = 0;
    std::int32_t TwinklesShown = 0;           // the stars
    std::int32_t FloaterShown = 0;            // the shooting star, screen x and y
    std::int32_t FloaterX = 0, FloaterY = 0;
    std::uint32_t FloaterColour = 0;
    std::int32_t ActorShown = 0;              // the tool, world x
    std::int32_t ActorX = 0, ActorY = 0;
    float ActorDepth = 0.0f;
    std::int32_t FrontPanelShown = 0;         // the front of the prop
    std::uint32_t PanelColour = 0xFFFFFFFFu;  // the scenery colour
    std::int32_t MarkerShown = 0;             // the handed item, world x
    std::int32_t MarkerX = 0, MarkerY = 0;
    float MarkerDepth = 0.0f;
};
inline Era03NpcSceneDrawRecord Era03NpcSceneDraw;

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
