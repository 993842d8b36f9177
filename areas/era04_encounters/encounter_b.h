// Encounter B's own routines: the blade figure's entrance, fight, talks and
// attacks, its moves, the shard volley and the throws that hold the heroine,
// its hit intake and defeat, and its frame table. Step routines take 0 to
// arm and a non-zero mode to step and return their state, 99 when done.
#pragma once

#include <cstdint>

#include "core/holds.h"
#include "core/step_helpers.h"

inline constexpr std::int32_t kEncounterBSheet = 67;
inline constexpr std::int32_t kEncounterBMusic = 207;

// The entrance, the talks, the holds and throws of the fight and the fall
// hold her; all of it is the encounter's, stepped by its driver. Its first
// hold is the meeting.
inline constexpr HoldOwner kEncounterBHold{"encounter B (the blade figure)"};

// Moves a step routine to `step` and starts that step's clock.
template <class State>
void GoToStep(State& s, std::int32_t step) {
    s.step = step;
    s.start = GameNow();
}

// The arena between doors 4 and 5.
std::int32_t RunEncounterBIntro(std::int32_t arg);
std::int32_t RunEncounterBFight(std::int32_t arg);
// Returns 50 when talks 1..3 are over (the figure then waits to be struck)
// and 99 when talk 4 is.
std::int32_t RunEncounterBTalk(std::int32_t arg);
std::int32_t RunEncounterBStrikeAttack(std::int32_t arg);
std::int32_t RunEncounterBSpinAttack(std::int32_t arg);
// The talk counter and the hold scene's shown-once flag belong to one play
// of the encounter; the driver's arming clears both.
void ForgetEncounterBTalks();
void ForgetEncounterBHold();

// Moves. Walk: 1 forward, 2 back; stagger: 2 back. Both cycles never end.
std::int32_t StepEncounterBWalk(std::int32_t mode);
std::int32_t StepEncounterBStagger(std::int32_t mode);
// 1 the strike (ends 90: recovery next, 91: the hold scene next), 2 the
// recovery turn, 3 the hold scene.
std::int32_t RunEncounterBStrike(std::int32_t mode);
inline constexpr std::int32_t kStrikeRecovers = 90;
inline constexpr std::int32_t kStrikeHolds = 91;
// 1 the slash with n extra loops, 2 the recovery.
std::int32_t RunEncounterBSpinSlash(std::int32_t mode, std::int32_t n);

// What the figure does to her: the volley (0 launches from x, 1 steps), the
// knock-back of a shard that met her and the two throws.
void UpdateEncounterBShards(std::int32_t arg, std::int32_t x);
void RunEncounterBShardKnockback(std::int32_t arg, std::int32_t slot);
void RunEncounterBStrikeThrow(std::int32_t arg);
void RunEncounterBSpinThrow(std::int32_t arg);

// Her blows on the figure: 0 nothing, 1 hurt, 2 parried, 97 the defeat is
// earned, 99 the reaction is over (until re-armed).
std::int32_t UpdateEncounterBHits(std::int32_t arg);
inline constexpr std::int32_t kHitsDefeat = 97;
std::int32_t RunEncounterBDefeat(std::int32_t arg);
// Zone 1 head, 2 body: the box of the pose into FigureHitBox.
void SetEncounterBBodyHitBox(std::int32_t zone, std::int32_t pose);

// The frame table: body poses 1..36, layer codes 101..501, shards 1001..1030.
void SetEncounterBFigureSprite(std::int32_t code);
// The figure's 37 passes on the Era04 list.
void DrawEncounterB();

// The private words of each of encounter B's files back to their start
// values, by every data reset: a new game meets the encounter as the
// program's first game does.
void ResetEncounterBPhaseWords();
void ResetEncounterBHitWords();
void ResetEncounterBMoveWords();
void ResetEncounterBShardWords();
