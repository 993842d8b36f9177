// The first stretch of the field: the pieces its own files share and the
// sprite tables the draw passes call.
#pragma once

#include <cstdint>

#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"

inline double FieldClock() { return GameClock.gameClock; }
// Sounds at the general word and at the effects word of SoundVolumes.
inline void PlayFieldSound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }
inline void PlayFieldEffect(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
inline std::int32_t Distance(std::int32_t a, std::int32_t b) { return a > b ? a - b : b - a; }

// Field enemy A's frame table: source rectangle, pivotX, posY = the screen y
// of the picture's top (y - lift) and its colour; gno 0 for a frame without
// a row (frame 8 is drawn by the pass as two fixed layers).
void SetFieldEnemyASprite(std::int32_t frame, std::int32_t y);
// The walking enemies' frame table: rectangle and centre, gno 1; gno 0 for a
// frame outside the table.
void SetWalkingEnemySprite(std::int32_t frame);

// The far field's monsters' frame table: rectangle and pivot; nothing for a
// frame without a row.
void SetFieldMonsterSprite(std::int32_t frame);
// The encounter actors' frame tables: rectangle and pivot; nothing for a
// frame without a row. Actor 3's look is 1 empty-handed, 2 carrying.
void SetEncounterActor1Frame(std::int32_t frame);
void SetEncounterActor2Frame(std::int32_t frame);
void SetEncounterActor3Frame(std::int32_t look, std::int32_t frame);
// The encounter's fixed pieces: gno 42 (44 for D) with rectangle, pivot,
// screen position and depth for an item the table knows, else gno 0.
void SetEra01SetPieceSpriteA(std::int32_t item);
void SetEra01SetPieceSpriteB(std::int32_t item, std::int32_t group);
void SetEra01SetPieceSpriteC(std::int32_t item);
void SetEra01SetPieceSpriteD(std::int32_t item);
// The enemies' pass in three pieces: the monster groups and the encounter's actors
// with the thrown pieces (Era01 only), and the tournament's second opponent,
// who is drawn in every area.
void DrawMonsterGroups();
void DrawEncounterActorsAndPieces();
void DrawRound2OpponentEverywhere();
