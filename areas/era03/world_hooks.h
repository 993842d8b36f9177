// What the stage step calls of Era03, and the words it reads of it.
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

void RunEra03CreatureEncounter();
void UpdateEra03PlacedObjects();
void RunEra03Duel();
void RunEra03FighterEncounter();
void RunEra03ArenaEncounter();
void RunEra03NpcScene(std::int32_t arg);
