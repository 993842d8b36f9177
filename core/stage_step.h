// The words of the stage step that the areas' scenes and limits share with
// it: the pit fall it holds, the ground contact switches and the field music.
#pragma once

#include <cstdint>

// The stage step's own words, kept from step to step.
struct WorldUpdateStateRecord {
    std::int32_t pitFallState = 0;   // 0 none; 1 fell into a ledge pit, held; 2 release now
    double pitFallTime = 0;          // game clock when the pit fall began
    std::int32_t previousStepX = 0;  // x at the end of the previous step
    std::int32_t heldExp = 0;        // EXP kept while PlayerHpHold holds the HP
    std::int32_t examineRunning = 0; // 1 while the Era01 examine event runs
    std::int32_t examineHoldX = 0;
    std::int32_t doorOneSide = 0;    // Era04: 0 unknown, 1 left of door 1, 2 right of it
    std::int32_t backOnStage = 0;    // 1: the game came back onto the stage (menu, load)
};
inline WorldUpdateStateRecord WorldUpdateState;

// 1: the stage step keeps the heroine's feet on the floor and starts falls
// (set by the stage step in Era00..Era03 and by scenes).
inline std::int32_t GroundFallEnabled = 0;
// Non-zero (duels, boss and arena-wave scenes): no ground contact.
inline std::int32_t GroundFallSuppressed = 0;
// 1: every stage step stops sound 2 and keeps sound 4 (the field music) playing.
inline std::uint8_t FieldMusicFlag = 0;
