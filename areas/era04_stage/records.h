// The records of the Era04 stage that the rest of the game reads, writes or
// saves.
// A word a save slot keeps has its row in the slot layout
// (shell/save_layout.cpp); every word gets its start value in this area's
// reset.cpp; the stage step calls UpdateEra04Events (era04_events.cpp) and
// the limits in block.cpp.
#pragma once

#include <cstdint>

// One word per door 1..6 (entry 0 unused); 1 = closed.
inline std::int32_t Era04DoorLocks[7] = {};
// 1..11: which part of Era04 the camera is held to.
inline std::int32_t Era04CameraStage = 0;
// 1 while a scripted sequence forbids the slide.
inline std::int32_t PlayerJumpLock = 0;
// 1 (set by soldier fight 2) keeps the second stage set resident wherever
// the camera is; not saved.
inline std::int32_t StageSet2Latch = 0;

// Scenery and objects of encounter C's hall and of the final section, slots
// 0..300 (slot 0 is never a live object). Encounter C's props (slots 1..30)
// keep x relative to door 5; every other slot keeps world x. Slots 31..40 are
// platforms while encounter C raises them.
constexpr int kStageObjectSlots = 300;
struct StageObjectTableRecord {
    std::int32_t code[kStageObjectSlots + 1] = {};   // 0 = empty
    std::int32_t facing[kStageObjectSlots + 1] = {};
    std::int32_t rotation[kStageObjectSlots + 1] = {};
    std::uint32_t colour[kStageObjectSlots + 1] = {};
    float scale[kStageObjectSlots + 1] = {};
    std::int32_t rectLeft[kStageObjectSlots + 1] = {};
    std::int32_t rectTop[kStageObjectSlots + 1] = {};
    std::int32_t rectRight[kStageObjectSlots + 1] = {};
    std::int32_t rectBottom[kStageObjectSlots + 1] = {};
    float pivotX[kStageObjectSlots + 1] = {};
    float pivotY[kStageObjectSlots + 1] = {};
    std::int32_t x[kStageObjectSlots + 1] = {};
    std::int32_t y[kStageObjectSlots + 1] = {};
    float depth[kStageObjectSlots + 1] = {};
    std::int32_t stepState[kStageObjectSlots + 1] = {};
    std::int32_t damage[kStageObjectSlots + 1] = {};
};
inline StageObjectTableRecord StageObjectTable;

// Completion words of Era04, all saved.
struct Era04ProgressRecord {
    std::int32_t soldierFight1Done = 0;
    std::int32_t soldierFight2Done = 0;
    std::int32_t encounterADone = 0;
    std::int32_t encounterBDone = 0;
    std::int32_t encounterCDone = 0;
    std::int32_t endingReached = 0;
    std::int32_t dialogueTriggerState = 0;   // 0 not started, 1 running, 2 finished
    std::int32_t barrierTalkDone = 0;        // 2 once shown
};
inline Era04ProgressRecord Era04Progress;

// The five fruits of the entrance plants that drop on the heroine (entry 0
// unused). state: 0 gone, 1 hanging, 3 falling, 4 landed or struck (one step).
struct FallingObjectsRecord {
    std::int32_t state[6] = {};
    std::int32_t angle[6] = {};   // degrees as drawn
    std::int32_t x[6] = {};
    std::int32_t y[6] = {};
    std::int32_t y0[6] = {};
    double fallStart[6] = {};
};
inline FallingObjectsRecord FallingObjects;

// The leaves of doors 1..6 (entry 0 unused): 1 = drawn open.
inline std::int32_t DoorLeftOpen[7] = {};
inline std::int32_t DoorRightOpen[7] = {};

// The trap room's 70 floor tiles (entry 0 unused). state: 0 before the first
// arming, 1 flat, 2 tipping, 3 returning. ruin 1 and 2 (encounter A's end)
// pick the broken frames.
constexpr int kTrapTiles = 70;
struct TrapRoomTilesRecord {
    std::int32_t state[kTrapTiles + 1] = {};
    std::int32_t x[kTrapTiles + 1] = {};
    std::int32_t y[kTrapTiles + 1] = {};
    std::int32_t tilt[kTrapTiles + 1] = {};
    std::int32_t sign[kTrapTiles + 1] = {};
    std::int32_t ruin[kTrapTiles + 1] = {};
    std::uint32_t colour[kTrapTiles + 1] = {};
    std::int32_t tipDir[kTrapTiles + 1] = {};
    double startTime[kTrapTiles + 1] = {};
};
inline TrapRoomTilesRecord TrapRoomTiles;

// The trap room's ten chains (entry 0 unused) of seven segments (1..7) hung
// from seven joints (0 = the anchor .. 6). chainState: 1 still, 2 swinging
// out, 3 swinging back, 4 settling.
constexpr int kTrapChains = 10;
struct TrapRoomChain {
    std::int32_t chainState = 0;
    std::int32_t segState[8] = {};
    std::int32_t segAngle[8] = {};
    std::int32_t jointX[7] = {};
    std::int32_t jointY[7] = {};
    std::uint32_t segColour[7] = {};
    std::int32_t swingDir = 0;
    std::int32_t swingSpeed = 0;
    std::int32_t segStep = 0;
    double amplitude = 0;
    std::int32_t backSign = 0;
    double swingStart = 0;
};
inline TrapRoomChain TrapRoomChains[kTrapChains + 1];

// The soldiers of the two soldier fights, slots 1..8 (entry 0 unused). A
// fight treats a soldier whose frame is 0 as gone. reaction: 0 none, 1..5 a
// hit of that attack kind plays, 98 falling, 99 defeated.
constexpr int kSoldierSlots = 8;
struct Era04SoldierSlotsRecord {
    std::int32_t x[kSoldierSlots + 1] = {};
    std::int32_t y[kSoldierSlots + 1] = {};
    std::int32_t facing[kSoldierSlots + 1] = {};
    std::int32_t frame[kSoldierSlots + 1] = {};   // 1..20 of sheet 61; 0 = not drawn
    std::uint32_t colour[kSoldierSlots + 1] = {};
    float depth[kSoldierSlots + 1] = {};
    std::int32_t angle[kSoldierSlots + 1] = {};
    std::int32_t hp[kSoldierSlots + 1] = {};
    std::int32_t reaction[kSoldierSlots + 1] = {};
    // 1 = the nine soldier passes draw; set while a fight runs and never
    // cleared, so a finished fight stays invisible through frame 0.
    std::int32_t drawFlag = 0;
};
inline Era04SoldierSlotsRecord Era04SoldierSlots;

// The one strike on the heroine under way, so that no two soldiers strike
// at once: 0 none, 1 thrust (or fight 1's charging soldier holding her), 2
// leap, 3 the left end guard's push, 4 the right end guard's. A thrust's or a
// leap's strike is ended from outside only through EndSoldierStrike, which
// lets her go as well.
inline std::int32_t SoldierStrikeKind = 0;
// Fight 2's charging soldier that holds her for a moment after its push: its
// slot, 0 none. A word of its own, so that the push never passes for a
// thrust's strike and no stepping of the strike resumes an old one for it;
// no soldier strikes her meanwhile.
inline std::int32_t SoldierChargeHold = 0;

// Soldier fight 1: the posts of blocker 3 (left) and blocker 5 (right).
inline std::int32_t Fight1BlockerPosts[2] = {};
// Soldier fight 2: +1 when soldier 4 and the guard hold the right end of the
// room, -1 the left end.
inline std::int32_t Fight2Side = 0;
// Extra reach of a charging soldier's strike once she has parried a charge;
// kept for the rest of the game.
inline std::int32_t ChargeReachBonus = 0;
