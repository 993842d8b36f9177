// Inside Era03: the talking character's camp, its night scene with the
// catching game, and the conversation with its shop. The controller in
// calls.h runs these. The routines' own words are records (none is saved),
// so that a test can set a routine up at any step and follow it.
#pragma once

#include <cstdint>

#include "core/floors.h"
#include "core/holds.h"
#include "text/messages/message_table.h"

// The camp's anchor: the character stands beside it.
inline constexpr std::int32_t kNpcAnchor = Era03Anchor9;   // 63750

// The camp's scenes hold her through the controller that steps them: the
// walk-in, the night with its catching game, the conversation and the shop.
inline constexpr HoldOwner kEra03CampHold{"the talking character's camp scenes"};

// Step routines: 99 = finished.
void RunEra03NpcActorIdle(std::int32_t arg);
std::int32_t RunEra03NpcWalkIn(std::int32_t arg);
std::int32_t RunEra03NpcSceneScript(std::int32_t arg);
std::int32_t RunEra03NpcConversation(std::int32_t arg);
std::int32_t RunEra03NpcShop(std::int32_t arg);
// Walks the heroine back to the character by keyframes from `start`.
void PlayEra03NpcWalkBack(double start);

// The catching game: the character steered by the player and the four
// bouncing objects (title figure records 1..4). Arg 0 arms, 1 steps.
void UpdateEra03NpcCatcher(std::int32_t arg);
void UpdateEra03CatchObject1(std::int32_t arg);
void UpdateEra03CatchObject2(std::int32_t arg);
void UpdateEra03CatchObject3(std::int32_t arg);
void UpdateEra03CatchObject4(std::int32_t arg);

// The character's frame: source rectangle and the screen point of its top
// left corner in PendingSprite (posX, posY). A pose without a row writes
// nothing.
void SetEra03NpcActorFrame(std::int32_t pose);

// The script's own words.
struct Era03NpcScriptRecord {
    std::int32_t step = 0;            // -1, 0..87, 99 done
    double t0 = 0, t1 = 0, t2 = 0, t3 = 0;
    std::int32_t openingSubStep = 0;  // 1..9 taking out the tool; 10 after the first serving
    std::int32_t talkSubStep = 0;     // the lines while lying down; only the data reset clears it
    std::int32_t duskBudget = 0;
    std::int32_t dialogueVolume = 1000;
    std::int32_t cricketVolume = 0;
    std::int32_t starPhase = 0;       // shooting star: 0 idle, 1 or 2 its path
    std::int32_t savedX = 0, savedY = 0;   // savedX also serves as the eating pose
    std::int32_t secondAnim = 0;      // 0, 1 armed, 2 running
};
inline Era03NpcScriptRecord Era03NpcScript;

// The catcher: the character as the player steers it.
struct Era03NpcCatcherRecord {
    std::int32_t step = 0;            // 0 free, 1 crouch, 2 lift, 3 carry, 4 put down, 5 delivered
    std::int32_t walkFrame = 0;
    double stamp = 0;
};
inline Era03NpcCatcherRecord Era03NpcCatcher;

// One bouncing object's own words; its frame, colour and screen position are
// its title figure record.
struct Era03CatchObjectRecord {
    std::int32_t state = 0;           // 0 spawn, 1 flying, 2 resting, 3 held, 4 carried, 5 delivered, 99 gone
    std::int32_t vx = 0, vy = 0;
    double interval = 0.3;
    std::int32_t fade = 0;
    double stamp = 0, restStamp = 0;
};
inline Era03CatchObjectRecord Era03CatchObjects[5];   // 1..4

// The conversation and the shop.
struct Era03NpcTalkRecord {
    std::int32_t step = 0;
    double stamp = 0;
    std::int32_t shopStep = 0;
    double shopStamp = 0;
};
inline Era03NpcTalkRecord Era03NpcTalk;

// Prices at the camp; the lines that name them must say the same.
inline constexpr std::int32_t kNightStayPrice = 30;
inline constexpr std::int32_t kShopPrices[3] = {14, 20, 500};

