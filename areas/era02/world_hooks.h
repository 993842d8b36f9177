// What the stage step calls of the arena tournament area, and the words it
// reads and writes of it.
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

void RunEra02ArrivalScene();
void RunTournament();
void RunEra02Events();
