// The records of the final section and the ending that the rest of the game
// reads, writes or saves.
// A word a save slot keeps has its row in the slot layout
// (shell/save_layout.cpp); every word gets its start value in this area's
// reset.cpp; the Era04 stage's events (areas/era04_stage/era04_events.cpp)
// step its routines.
#pragma once

#include <cstdint>

struct FinalSectionStateRecord {
    std::int32_t lock = 0;          // 1: ScrollX stays at least door 6 + 58
    std::int32_t musicMute = 0;     // 1: the area music (sound 4) is not played
    std::int32_t endingStage = 0;
    std::int32_t lightFlag = 0;     // 1 while the light of the section cross-fades
    std::int32_t bossDrawFlag = 0;  // 1: the frame draws the boss slots 0..15
    std::int32_t renderMode = 0;    // 0 boss sheet, 1 after the defeat, 2 ending sheet
    std::int32_t shatterActive = 0; // 1 while the shatter effect runs
};
inline FinalSectionStateRecord FinalSectionState;

// Words of the boss fight. The running words of the reactions read 0 idle,
// 1 running, 2 finished (the brain puts 2 back to 0 and lets the heroine go).
struct BossFightStateRecord {
    std::int32_t debrisFlag = 0;       // 1 a debris burst flies, 2 the defeat's light bars
    std::int32_t slot6Effect = 0;      // the sword glow: 0 off, 1 with the fight, 2 fading
    std::int32_t flashBusy = 0;        // 1 while a slash flash plays
    std::int32_t playerHitWord = 0;    // the heroine's reaction to a boss blow
    std::int32_t hitSparkWord = 0;     // the spark of a boss blow
    std::int32_t bossHitWord = 0;      // the boss's reaction to her blow
    std::int32_t phaseThreshold = 0;   // damage above which the fight turns
    std::int32_t defeatThreshold = 0;  // damage past which the final leap may come
};
inline BossFightStateRecord BossFightState;

// Counters of the boss's blows, index 1..20 (0 unused): 1 quick slashes she
// guarded, 2 quick slashes that struck her, 3 and 4 the same for the heavy
// slash.
inline std::uint32_t BossReactionWords[21] = {};
inline std::uint32_t& BossGuardedHits = BossReactionWords[1];
inline std::uint32_t& BossTakenHits = BossReactionWords[2];

// 1 while the boss music (sound 225) is to play; the frame driver also plays
// it on the menu side while it is 1.
inline std::uint8_t BossMusicFlag = 0;

// The final section's actor table, slots 0..41: the boss body (0), its sword
// and overlays, effects and debris; in the ending the heroine's figure and
// the pieces of the ending figure. A slot is live while its frame is not 0.
// Slot 0's damage is the boss damage counter.
constexpr int kFinalActorSlots = 42;
struct FinalActorSlotsRecord {
    std::int32_t frame[kFinalActorSlots] = {};
    std::int32_t facing[kFinalActorSlots] = {};
    std::int32_t x[kFinalActorSlots] = {};
    std::int32_t y[kFinalActorSlots] = {};
    float depth[kFinalActorSlots] = {};
    float scale[kFinalActorSlots] = {};
    float rotation[kFinalActorSlots] = {};
    std::uint32_t colour[kFinalActorSlots] = {};
    std::int32_t rectLeft[kFinalActorSlots] = {};
    std::int32_t rectTop[kFinalActorSlots] = {};
    std::int32_t rectRight[kFinalActorSlots] = {};
    std::int32_t rectBottom[kFinalActorSlots] = {};
    float pivotX[kFinalActorSlots] = {};
    float pivotY[kFinalActorSlots] = {};
    std::int32_t damage[kFinalActorSlots] = {};
};
inline FinalActorSlotsRecord FinalActorSlots;

// The glittering points the burst pieces of the ending figure turn into:
// shape s (1..36), point p (0..50). Point 0 holds the shape itself (its state
// 0 dead, 1 armed, 2 lit, 3 bursting, 4 drifting, and its centre); points
// 1..50 are particles (frame 0 none, 1..18 particle cells, 21..27 flashes).
constexpr int kShatterShapes = 37, kShatterPoints = 51;
struct ShatterEffectRecord {
    std::uint32_t state[kShatterShapes][kShatterPoints] = {};
    std::int32_t x[kShatterShapes][kShatterPoints] = {};
    std::int32_t y[kShatterShapes][kShatterPoints] = {};
    std::int32_t savedX[kShatterShapes][kShatterPoints] = {};
    std::int32_t savedY[kShatterShapes][kShatterPoints] = {};
    std::uint32_t savedFrame[kShatterShapes][kShatterPoints] = {};
    std::int32_t vx[kShatterShapes][kShatterPoints] = {};
    std::int32_t vy[kShatterShapes][kShatterPoints] = {};
    double pointTime[kShatterShapes][kShatterPoints] = {};
    double shapeTime[kShatterShapes] = {};
};
inline ShatterEffectRecord ShatterEffect;
