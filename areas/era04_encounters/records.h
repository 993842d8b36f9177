// The records of the Era04 encounters that the rest of the game reads, writes
// or saves.
// A word a save slot keeps has its row in the slot layout
// (shell/save_layout.cpp); every word gets its start value in this area's
// reset.cpp; the Era04 stage's events (areas/era04_stage/era04_events.cpp)
// step its routines.
#pragma once

#include <cstdint>

// Encounter A's figure: what the stage reads of it. While treadsTraps is 1
// the figure tips the trap room's tiles and swings its chains as the heroine
// does; drawn is 1 while its passes draw it.
struct EncounterAFigureRecord {
    std::int32_t drawn = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t facing = 0;        // -1 its resting facing, toward the door it is met from
    std::int32_t treadsTraps = 0;
    std::int32_t bodyCode = 0;      // 1..21, 0 = no body drawn
    // layerCode[1] is the head's turn 1..7 (drawn as code + 100); 2..8 the
    // arms, legs, feet and wheels, rewritten by the body's frame table.
    std::int32_t layerCode[9] = {};
    std::int32_t angle = 0;
    float depth = 0.0f;
    std::uint32_t colour = 0;
    std::int32_t musicOn = 0;
    std::int32_t piecesOff = 0;     // 1: the pieces rest and slots 1..12 draw as beams
    std::int32_t hitPoints = 0;
    std::int32_t speed = 0;         // px/s, signed
    std::int32_t wheelAngle = 0;
};
inline EncounterAFigureRecord EncounterAFigure;

// Strikes counted in encounter A's trial, and the time the trial took to its
// twentieth throw (kept over the data reset; the figure reads both out).
inline std::int32_t EncounterAHitCount = 0;
inline double EncounterATrialTime = 0.0;

// Encounter A's twenty pieces (slots 1..20; entry 0 takes a spawn that finds
// no free slot and is never visited). Slot 1 is also soldier fight 2's disc.
// A slot is free while state is 0 and live while kind is not 0. For the end's
// beams state is the top source row and scale the bottom one.
constexpr int kEncounterAPieces = 20;
struct EncounterAPieceTableRecord {
    std::int32_t state[kEncounterAPieces + 1] = {};
    std::int32_t kind[kEncounterAPieces + 1] = {};
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

// The world box a figure's frame table set up last; the hit tests of the
// later figures read it.
struct FigureHitBoxRecord {
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
};
inline FigureHitBoxRecord FigureHitBox;

// Encounter B's blade figure. A forward move is toward smaller x while
// direction is +1 (it is also the sprite's facing, -1 drawn mirrored).
struct EncounterBFigureRecord {
    std::int32_t bodyPose = 0;   // 0 = not shown
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t direction = 0;
    float depth = 0.0f;
    std::int32_t angle = 0;
    std::uint32_t colour = 0;
    // [1..6]: the layers drawn after the body; 1 and 2 follow the body pose,
    // 3 (301 held heroine, 302 blade), 4 (401) and 5 (501) come from moves
    // and the defeat; 6 stays 0.
    std::int32_t layerCode[7] = {};
    std::int32_t shardsFlying = 0;   // 1 while a shard is in its first flight
    // What holds her: 0 nothing, 1 shard knock-back, 2 the strike's throw,
    // 3 the spinning slash's throw.
    std::int32_t seizeKind = 0;
    std::int32_t throwVariant = 0;   // 1 struck on the ground, 2 in the air
    std::int32_t catchChance = 0;    // percent
    std::int32_t damageTotal = 0;
    std::int32_t stage = 0;          // 0..3, raised by the talks
    // The falling blade and the figure's last breath, written by the defeat.
    std::int32_t layer209X = 0, layer209Y = 0, layer209Angle = 0;
    float layer209Depth = 0.0f;
    float layer302Scale = 0.0f;
    std::int32_t layer302Angle = 0;
    std::uint32_t layer302Colour = 0;
    float layer401Depth = 0.0f;
    std::uint32_t layer501Colour = 0;
};
inline EncounterBFigureRecord EncounterBFigure;

// Encounter B's shard volley, slots 1..30 (0 unused). state: 0 gone, 1 first
// flight, 2..6 struck back with attack kind 1..5. Once struck, originX is
// where it was struck, speedY the y there and speedX her facing.
constexpr int kEncounterBShards = 30;
struct EncounterBShardsRecord {
    std::int32_t state[kEncounterBShards + 1] = {};
    std::int32_t code[kEncounterBShards + 1] = {};
    double launchTime[kEncounterBShards + 1] = {};
    std::int32_t x[kEncounterBShards + 1] = {};
    std::int32_t y[kEncounterBShards + 1] = {};
    std::int32_t originX[kEncounterBShards + 1] = {};
    std::int32_t speedY[kEncounterBShards + 1] = {};
    std::int32_t speedX[kEncounterBShards + 1] = {};
    std::int32_t rotation[kEncounterBShards + 1] = {};
    double pickupStamp = 0.0;   // the whole volley drops one coin per 0.02 s at most
};
inline EncounterBShardsRecord EncounterBShards;

// Encounter C's figure and the words its phases share. The figure's body
// pose and facing are the code and facing of stage-object slot 51.
struct EncounterCFigureRecord {
    std::int32_t platformFlag = 0;   // non-zero: stage-object slots 31..40 are floors
    std::int32_t sheetFlag = 0;      // 0: sheet 69 is the figure's, 1: sheet 70
    std::int32_t drawFlag = 0;         // non-zero while the figure is drawn
    std::int32_t projectileMode = 0;   // 1: the Era04 scenery list draws slots 61..200
    std::int32_t birdCallVariant = 0;  // 0 no calls; 1 or 2: the next is sound 210 or 211
    std::int32_t layerCode[4] = {};    // [1] 105..107, [2] her overlay 201..209, [3] held things 301..305
    std::int32_t layer3X = 0, layer3Y = 0;
    std::int32_t layer3SourceOffset = 0;   // slides the workpiece down its sheet, 0..14
    std::uint32_t flashColour = 0;
    std::int32_t poseAlternation = 0;   // 1: 19/20, 2: 26/27
    std::int32_t knockBackFlag = 0;
    std::int32_t voiceLoop = 0;
    std::int32_t speechNumber = 0;
    std::int32_t gazeSlot = 0;
};
inline EncounterCFigureRecord EncounterCFigure;
// The figure's face along the voice clip (pose signed by facing).
inline std::int32_t EncounterCSpeechFrame = 37;
// Encounter C's driver state (1..4 the phase, 99 done); arming sets it, the
// data reset leaves it.
inline std::int32_t EncounterCDriverState = 0;

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

// Encounter C's second phase: 0 before the fight has started, 1 volleys of
// bursting bolts, 2 thinning volleys of harmless bolts, 3 ready to close.
inline std::int32_t Phase2Stage = 0;
// 1 while a knocked platform flies across the hall (the camera follows it).
inline std::int32_t PlatformKnockActive = 0;
