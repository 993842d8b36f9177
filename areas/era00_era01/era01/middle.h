// The field's middle stretch, from the lift to the turret: the routines its
// own files call of each other and the sprite tables its draw passes call.
#pragma once

#include <cstdint>

#include "core/holds.h"

// The teacher's sequences: 0 arms, 1 steps; 99 when done.
std::int32_t RunEra01NpcLesson(std::int32_t arg);
std::int32_t RunEra01NpcTalk(std::int32_t arg);
std::int32_t RunEra01NpcReveal(std::int32_t arg);
// The two spots of the upper floor the action key reads once the gate is open.
void RunEra01ExamineSpots();
// The teacher's frame table: rectangle, pivotX and pivotY = minus the
// picture's height; gno 0 for a frame without a row.
void SetEra01NpcSprite(std::int32_t frame);

// One step of the gate's talk.
void RunGateTalk();
// Forgets an opening begun in an earlier game (the data reset).
void ResetEra01Gate();

// The arena's waves and its enemy's grabs, throws and strikes hold her
// through one owner, stepped with the waves.
inline constexpr HoldOwner kArenaHold{"the arena's waves and its enemy"};
// The arena enemy's routines: 0 arms, then steps; 99 when done (98: struck
// during its counter lunge, arm again with kind 3).
std::int32_t RunArenaEnemyEntrance(std::int32_t arg);
std::int32_t RunArenaEnemyHitReaction(std::int32_t kind);
std::int32_t RunArenaEnemyThrowA(std::int32_t kind);
std::int32_t RunArenaEnemyThrowB(std::int32_t arg);
std::int32_t RunArenaEnemyRandomAttack(std::int32_t arg);
std::int32_t RunArenaEnemyAttack(std::int32_t pattern);
void UpdateArenaEnemyIdle(std::int32_t arg);
// All the enemy's own steps back to the start (the arena's reset).
void ResetArenaEnemy();
// The reaction kind 0..7 her current attack gives on the enemy.
std::int32_t TestArenaEnemyHit();
void PlaceArenaEnemyProp(std::int32_t arg);
// The enemy's frame table: rectangle, pivotX, pivotY = the picture's height
// and Colour; gno 0 for a frame without a row (7 is drawn as two pieces).
void SetArenaEnemySprite(std::int32_t frame);
// The wave scripts and the arena's talks: 0 arms, then steps; 99 when done.
std::int32_t RunArenaWave1(std::int32_t arg);
std::int32_t RunArenaWave2(std::int32_t arg);
std::int32_t RunArenaWave3(std::int32_t arg);
std::int32_t RunArenaWave4(std::int32_t arg);
std::int32_t RunArenaEnding(std::int32_t arg);
std::int32_t RunArenaTalk(std::int32_t set);
// Lays an item on the ground in the first free dropped-item slot.
void SpawnDropItem(std::int32_t x, std::int32_t y);

// The turret's pieces: 1 base, 2 head, 3..5 its shots; gno 40 when drawn.
void SetAnchorObstacleSprite(std::int32_t part);
// A shot's push on a heroine in the first outfit.
void PushPlayerBack();

// The burst pictures of the spawner's objects (states 2..6): rectangle and
// pivotX = the half size; gno 0 for other states.
void SetSpawnerObjectSprite(std::int32_t state);
// Place and depth of the landmark's 33 upright parts (1..33).
void SetEra01LandmarkPartSprite(std::int32_t part);
