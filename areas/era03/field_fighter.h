// The fighter encounter's own words and routines, shared by its driver and
// its moves.
#pragma once

#include <cstdint>

#include "core/floors.h"
#include "core/holds.h"

inline constexpr std::int32_t kEra03FighterAnchor = Era03Anchor(6);   // 60300

// The encounter holds her through its scenes, its grab and its knocks, and
// holds her move keys while she is in the air in its fight.
inline constexpr HoldOwner kEra03FighterHold{"the fighter under the ground"};

struct Era03FighterWords {
    std::int32_t action = 0;          // 0 none, 1 emerge, 2 sink, 3 burrow, 4 double throw
    double idleStamp = 0;
    std::int32_t stillSum = 0, lastHp = 0;
    std::int32_t check21 = 0, check36 = 0;   // 0 idle, 1 requested, 2 in test
    double hitStamp21 = 0, hitStamp36 = 0;
    std::int32_t defeatX = 0;
    // The scenes.
    std::int32_t introStep = 0, defeatStep = 0;
    double introStamp = 0, defeatStamp = 0;
    // The moves' step words and data.
    std::int32_t emerge = 0, emergeRise = 30;
    double emergeStamp = 0;
    std::int32_t sink = 0;
    double sinkStamp = 0;
    std::int32_t spin = 0;
    double spinStamp = 0;
    std::int32_t burrow = 0;
    std::int32_t rise = 0, riseSpeed = 0;
    double riseStamp = 0;
    std::int32_t fall = 0, fallStartY = 0;
    double fallStamp = 0;
    std::int32_t doubleThrow = 0;
    std::int32_t throwStep = 0;
    double throwStamp = 0;
    std::int32_t shot = 0, shotDir = 1, shotStartX = 0, shotStartY = 0, shotSlope = 99999;
    double shotFlightStamp = 0, shotLaunchStamp = 0;
    std::int32_t knockX = 0, knockY = 0;
    std::int32_t strike = 0;
    double strikeStamp = 0;
    std::int32_t knockBack = 0;
    double knockBackStamp = 0, knockBackFrameStamp = 0;
    std::int32_t toss = 0, tossStartX = 0, tossStartY = 0;
    double tossStamp = 0, tossFrameStamp = 0;
    std::int32_t reaction = 0, reactionDir = 0;
    double reactionStamp = 0, reactionStepStamp = 0;
    std::int32_t startX = 0, startY = 0;   // the shared start point of the moves
    std::int32_t grabCount = 0;
};
extern Era03FighterWords FighterWords;

void FighterSound(std::int32_t id);

std::int32_t RunEra03FighterIntro(std::int32_t arg);
void RunEra03FighterDefeat();
void TestEra03FighterHitByPose21();
void TestEra03FighterHitByPose36();
void BounceEra03FighterAtEdge(std::int32_t x, std::int32_t dx);
void UpdateEra03FighterEmerge();
void UpdateEra03FighterSink();
void UpdateEra03FighterSpin();
void RunEra03FighterBurrow();
void UpdateEra03FighterRise();
void UpdateEra03FighterFall();
void RunEra03FighterDoubleThrow();
void UpdateEra03FighterThrow();
void UpdateEra03FighterShot();
void UpdateEra03FighterStrike();
void TestEra03FighterContact();
void UpdateEra03FighterKnockBack();
void UpdateEra03FighterToss();
void ReleasePlayerFromEra03Fighter(std::int32_t arg);
void UpdateEra03FighterReaction();
