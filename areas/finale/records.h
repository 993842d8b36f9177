// The records of the final section and the ending that the rest of the game
// reads, writes or saves.
#pragma once

#include <cstdint>

struct FinalSectionStateRecord {
    std::int32_t lock = 0;         // 1: ScrollX stays at least door 6 + 58
    std::int32_t musicMute = 0;    // 1: the area music (sound 4) is not played
    std::int32_t endingStage = 0;
    std::int32_t lightFlag = 0;    // 1 while the light of the section cross-fades
};
inline FinalSectionStateRecord FinalSectionState;

// Words of the boss fight that other parts read: the debris flag and the
// word of actor slot 6's effect (non-zero while it plays).
struct BossFightStateRecord {
    std::int32_t debrisFlag = 0;
    std::int32_t slot6Effect = 0;
};
inline BossFightStateRecord BossFightState;

// 1 while the boss music (sound 225) is to play; the frame driver also plays
// it on the menu side while it is 1.
inline std::uint8_t BossMusicFlag = 0;

// The final section's actor table: the Era04 driver writes slot 0's depth
// (the boss body) while the heroine stands on the high props.
constexpr int kFinalActorSlots = 42;
struct FinalActorSlotsRecord {
    float depth[kFinalActorSlots] = {};
};
inline FinalActorSlotsRecord FinalActorSlots;
