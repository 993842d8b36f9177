// The records of the arena tournament area (Era02) that the rest of the game
// reads, writes or saves.
// A word a save slot keeps has its row in the slot layout
// (shell/save_layout.cpp); every word gets its start value in this area's
// reset.cpp, and the area's step calls its routines from block.cpp.
#pragma once

#include <cstdint>

// The arrival at the arena. drawFlag is the talk indicator beside the lift
// (1 or 2); drawing 1 draws the lift from liftX, liftPart (how far its two
// halves stand apart), platformY, turnAngle (the wheels), counter (the latch
// height) and signWord (which of its two signs shows). flag 1 makes world
// x 46321 a save spot.
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
    // The one HP word of all four opponents; each entrance fills it, blows
    // may drive it far below 0.
    std::int32_t opponentHp = 0;
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
// The bounds of ScrollX it keeps, from the arena's origin (Era02Anchor1).
inline constexpr std::int32_t kRingViewLeft = 123, kRingViewRight = 1800;
// The bounds of her x it keeps, from the same origin.
inline constexpr std::int32_t kRingLeft = 140, kRingRight = 2800;
// 1 while the arrival scene holds the view.
inline std::int32_t ArrivalViewLock = 0;
// Non-zero once the Era03 talking-character scene has ended.
inline std::int32_t Era02EventsUnlocked = 0;

// A tournament opponent. angle is the sprite's turn in degrees (the spin
// of the flying second opponent).
struct TournamentOpponentRecord {
    std::int32_t frame = 0;   // 0 = hidden
    std::int32_t x = 0, y = 0, facing = 0;
    float depth = 0.0f;
    std::int32_t angle = 0;
};
inline TournamentOpponentRecord Round1Opponent;
inline TournamentOpponentRecord Round2Opponent;
inline TournamentOpponentRecord Round3Opponent;
inline TournamentOpponentRecord Round4Opponent;

// The banner of the tournament (0 none, 1..4 image) and its sideways shake.
inline std::int32_t TournamentBanner = 1;
inline std::int32_t BannerShakeX = 0;
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

// The flying second opponent's three talk events: 6 untouched, 3 due,
// 2 running, 9 done; and the contacts of its low hop after it falls.
inline std::int32_t Round2TalkEvents[3] = {6, 6, 6};
inline std::int32_t Round2ContactCount = 0;

// Words that live for a whole game: no arming clears them (a round 1 fought
// again skips the first catch's and first grab's talks, and the arrival's
// menu pass is made once); the data reset does, so that a new game, or a
// load, meets them as the program's first game does.
struct Era02RunWordsRecord {
    std::int32_t firstCatchDone = 0, firstGrabDone = 0;
    std::int32_t menuPassDone = 0;
    // The crowd watcher's baselines, taken on its first call.
    std::int32_t watcherArmed = 0, watchedPlayerHp = 0, watchedOpponentHp = 0;
};
inline Era02RunWordsRecord Era02RunWords;

// The third opponent's words beside its sprite: the two afterimage flashes
// (drawn white with their alpha), the prize flag of the round end, the phase
// counter (each 301 HP taken is a phase, six end the fight) and the talk
// trigger (1 first talk due, 2 done, 3 second due, 4 done).
struct Round3AfterimageRecord {
    std::int32_t shown = 0, x = 0, y = 0;
    std::uint32_t colour = 0;
};
struct Round3SceneRecord {
    Round3AfterimageRecord afterimageA, afterimageB;
    std::int32_t endFlag = 0;
    std::int32_t phase = 0;
    std::int32_t talkTrigger = 0;
};
inline Round3SceneRecord Round3Scene;
