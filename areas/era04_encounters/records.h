// The records of the Era04 encounters that the rest of the game reads, writes
// or saves.
#pragma once

#include <cstdint>

struct EncounterBFigureRecord {
    std::int32_t bodyPose = 0;   // 0 = not shown
    std::int32_t x = 0;
};
inline EncounterBFigureRecord EncounterBFigure;

struct EncounterCFigureRecord {
    std::int32_t platformFlag = 0;   // non-zero: stage-object slots 31..40 are floors
    std::int32_t sheetFlag = 0;
};
inline EncounterCFigureRecord EncounterCFigure;

// Encounter C's scenery: 1 once its props are laid out (the stage background
// then leaves out the sky over its section).
struct EncounterCSceneryTintsRecord {
    std::int32_t propsLaidOut = 0;
};
inline EncounterCSceneryTintsRecord EncounterCSceneryTints;
