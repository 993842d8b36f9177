// The records of the Era04 encounters that the rest of the game reads, writes
// or saves.
#pragma once

#include <cstdint>

// Encounter A's figure: what the stage reads of it. While treadsTraps is 1
// the figure tips the trap room's tiles and swings its chains as the heroine
// does; drawn is 1 while its passes draw it.
struct EncounterAFigureRecord {
    std::int32_t drawn = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t facing = 0;
    std::int32_t treadsTraps = 0;
};
inline EncounterAFigureRecord EncounterAFigure;

struct EncounterBFigureRecord {
    std::int32_t bodyPose = 0;   // 0 = not shown
    std::int32_t x = 0;
};
inline EncounterBFigureRecord EncounterBFigure;

struct EncounterCFigureRecord {
    std::int32_t platformFlag = 0;   // non-zero: stage-object slots 31..40 are floors
    std::int32_t sheetFlag = 0;
    std::int32_t drawFlag = 0;         // non-zero while the figure is drawn
    std::int32_t projectileMode = 0;   // 1: the Era04 scenery list draws slots 61..200
    std::int32_t birdCallVariant = 0;
};
inline EncounterCFigureRecord EncounterCFigure;

// Encounter C's hall as the Era04 scenery list draws it. A tint of 0 leaves
// its items out; propsLaidOut is 1 once the props are laid out (the stage
// background then leaves out the sky over the section).
struct EncounterCSceneryTintsRecord {
    std::uint32_t hallTint = 0;
    std::uint32_t pillarTint = 0;
    std::uint32_t gridTint = 0;
    std::uint32_t wallTint = 0;
    std::uint32_t glowColour = 0;
    std::int32_t propAlpha = 0;        // 0: the props are not drawn
    std::int32_t platformsShown = 0;
    std::int32_t propsLaidOut = 0;
};
inline EncounterCSceneryTintsRecord EncounterCSceneryTints;

// Encounter A's pool of flying pieces, slots 1..20 (entry 0 takes a spawn
// that finds no free slot and is never visited). Soldier fight 2 borrows
// slot 1 for its spinning disc: state is then the disc's frame 1..3.
constexpr int kEncounterAPieces = 20;
struct EncounterAPieceTableRecord {
    std::int32_t state[kEncounterAPieces + 1] = {};   // 0 free; 1..3 spin frames; 4 broken
    std::int32_t kind[kEncounterAPieces + 1] = {};    // 0 = not live
    std::int32_t facing[kEncounterAPieces + 1] = {};
    std::int32_t vx[kEncounterAPieces + 1] = {};
    std::int32_t vy[kEncounterAPieces + 1] = {};
    std::int32_t hitPoints[kEncounterAPieces + 1] = {};
    std::int32_t sizeRow[kEncounterAPieces + 1] = {};
    std::int32_t x[kEncounterAPieces + 1] = {};
    std::int32_t y[kEncounterAPieces + 1] = {};
    std::uint32_t colour[kEncounterAPieces + 1] = {};
    float scale[kEncounterAPieces + 1] = {};
    float depth[kEncounterAPieces + 1] = {};
    std::int32_t angle[kEncounterAPieces + 1] = {};
    std::int32_t fragmentX[kEncounterAPieces + 1] = {};
    std::int32_t fragmentY[kEncounterAPieces + 1] = {};
    std::int32_t fragmentAngle[kEncounterAPieces + 1] = {};
};
inline EncounterAPieceTableRecord EncounterAPieceTable;
