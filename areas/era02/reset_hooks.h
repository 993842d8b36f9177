// Words of the arena tournament area that the data reset clears and the save
// slots carry, beside those of world_hooks.h.
#pragma once

#include <cstdint>

#include "areas/era02/world_hooks.h"

// A tournament opponent.
struct TournamentOpponentRecord {
    std::int32_t frame = 0;   // 0 = hidden
    std::int32_t x = 0, y = 0, facing = 0;
    float depth = 0.0f;
};
inline TournamentOpponentRecord Round1Opponent;
inline TournamentOpponentRecord Round2Opponent;
inline TournamentOpponentRecord Round3Opponent;
inline TournamentOpponentRecord Round4Opponent;

// The banner of the tournament (0 none, 1..4 image).
inline std::int32_t TournamentBanner = 1;
// A state word of the Era02 events.
inline std::int32_t Era02EventsState = 0;

// The arena gate.
struct Era02ArenaDoorRecord {
    std::uint32_t gateSelector = 0;   // 0..4
    std::int32_t openingOffset = 0;   // 0..170 px
};
inline Era02ArenaDoorRecord Era02ArenaDoor;

// The crowd.
struct Era02CrowdRecord {
    std::int32_t frameIndex = 0;      // 0 = no crowd
    std::int32_t figureFrame[6] = {0, 0, 0, 0, 0, 0};
};
inline Era02CrowdRecord Era02Crowd;
