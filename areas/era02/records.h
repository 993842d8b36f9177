// The records of the arena tournament area (Era02) that the rest of the game
// reads, writes or saves.
#pragma once

#include <cstdint>

struct ArrivalSceneRecord {
    std::int32_t step = 0;   // below 99 the scene runs, 99 the tournament, 100 after it
    std::int32_t flag = 0;
    std::int32_t drawFlag = 0, drawing = 0, liftX = 0, liftPart = 0, platformY = 0;
    std::int32_t turnAngle = 0, counter = 0, signWord = 0;
};
inline ArrivalSceneRecord ArrivalScene;

struct TournamentStateRecord {
    std::int32_t state = 0;            // sequencer 0..5; 5 = over
    std::int32_t platformHeight = 0;   // 0..209; 209 = the raised platform stands
};
inline TournamentStateRecord TournamentState;

// The opponent gauge of the tournament fights: value 0..98 and shown flag.
struct TournamentGaugeRecord {
    std::int32_t value = 0;
    std::int32_t shown = 0;
};
inline TournamentGaugeRecord TournamentGauge;

// 1 while a tournament fight keeps x and ScrollX inside the ring.
inline std::int32_t TournamentBoundsLock = 0;
// 1 while the arrival scene holds the view.
inline std::int32_t ArrivalViewLock = 0;
// Non-zero once the Era03 talking-character scene has ended.
inline std::int32_t Era02EventsUnlocked = 0;

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
