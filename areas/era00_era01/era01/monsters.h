// The two monster groups of the far field: the values in which the groups
// differ, and the private words each group's routines keep. Shared by the
// group driver and its hit, reaction and knock-back routines.
#pragma once

#include <cstdint>

#include "areas/era00_era01/records.h"
#include "core/floors.h"
#include "core/holds.h"

struct MonsterGroupRow {
    std::int32_t spawnAnchor[6];   // SectionAnchorX entries where it shows up
    std::int32_t homeX;
    std::int32_t spawnY;
    bool farResetInAnyPhase;       // otherwise only while it hangs (phase 1)
    bool firstMeetingTalk;         // the talk 50..54 in the entrance
    std::int32_t dropDistance;     // the drop starts nearer than this
    std::int32_t stepInDistance;   // the step-in starts nearer than this
    std::int32_t launchRoll;       // kinds 3 and 4 land on a roll at most this
    std::int32_t strikeDamage[4];  // the heroine's HP lost to strikes A..D
    double comboLandingWait;       // after strike D's knock-back
    bool lastBurstInSlot7;         // the death's last spark goes to burst slot 7
    std::int32_t finishingBonusExp;   // more EXP for weapon mode 2's stagger finish
    // Who holds her: the group's knock-back of her, and its line (the first
    // group's meeting talk, the second's remark). Apart, so that the end of
    // a knock-back never lets go of a line still waiting.
    HoldOwner knockHold;
    HoldOwner lineHold;
};

// Group 2 starts its drop at 700 and steps in at 300 (both "at most"),
// written here as "nearer than" one more.
inline constexpr MonsterGroupRow kMonsterGroupRows[2] = {
    {{SectionAnchorX[35], SectionAnchorX[36], SectionAnchorX[37], SectionAnchorX[38], SectionAnchorX[39],
      SectionAnchorX[40]},
     SectionAnchorX[41], 189, true, true, 700, 400, 90, {5, 5, 5, 5}, 0.04, false, 0,
     {"the first monster group's knock-back"}, {"the first monster group's meeting talk"}},
    {{SectionAnchorX[42], SectionAnchorX[43], SectionAnchorX[44], SectionAnchorX[45], SectionAnchorX[46],
      SectionAnchorX[47]},
     SectionAnchorX[48], 289, false, false, 701, 301, 80, {10, 15, 15, 15}, 0.71, true, 200,
     {"the second monster group's knock-back"}, {"the second monster group's remark"}},
};

inline constexpr std::int32_t kMonsterDone = 99;
// How far a monster's body reaches either side of its x (its hit test's box).
inline constexpr std::int32_t kMonsterBodyReach = 58;

struct MonsterPrivate {
    // entrance
    std::int32_t entranceStep = 0, dropStartY = 0, talkStep = 0;
    double entranceStamp = 0.0;
    // dash
    std::int32_t hopStep = 0, dashDirection = 0;
    double dashStamp = 0.0;
    // strikes and death
    std::int32_t strikeStep = 0, strikeFrame = 0;
    double strikeStamp = 0.0;
    std::int32_t deathStep = 0, deathCycle = 0;
    double deathStamp = 0.0;
    std::int32_t remarkStep = 0;
    // Her step out of a monster the remark finds her inside: asked for, then
    // from where, to where, facing as she stood.
    bool clearAsked = false, clearing = false;
    std::int32_t clearFrom = 0, clearSpot = 0, clearFacing = 1;
    // knock-back of the heroine
    std::int32_t knockStep = 0, holdX = 0, pushDirection = 0;
    std::int32_t chosenPose = 0, frontPose = 0, backPose = 0;
    std::int32_t knockDamage = 0, hitHeight = 0, knockSpeed = 0, knockDeceleration = 0;
    double knockStamp = 0.0, preDelay = 0.0, landingWait = 0.0;
    // hit reaction
    std::int32_t reactionStep = 0, startX = 0, startY = 0, reactionDirection = 0, heldFacing = 0;
    std::int32_t chosenFrame = 0, frontFrame = 0, backFrame = 0;
    double verticalSpeed = 0.0, horizontalSpeed = 0.0, deceleration = 0.0, endWait = 0.0;
    double reactionStamp = 0.0, coinStamp = 0.0;
};
inline MonsterPrivate MonsterPrivates[2];

// The hit routines the group driver calls for each group (g = 0 or 1).
void TestMonsterHit(int g);
void ArmMonsterHitReaction(int g);
std::int32_t StepMonsterHitReaction(int g);
void ArmMonsterPlayerKnockback(int g);
std::int32_t StepMonsterPlayerKnockback(int g);
// The pivot y of a frame (its body height), 0 for a frame without a row.
std::int32_t MonsterBodyHeight(std::int32_t frame);
