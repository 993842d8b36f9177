// Encounter A's own routines: its phases, the figure's moves, its pieces and
// its frame tables. Step routines take 0 to arm and 1 to step and return
// their state, 99 when done.
#pragma once

#include <cstdint>

#include "core/holds.h"

inline constexpr std::int32_t kEncounterDone = 99;

// The intro's talk, the verdict and the end hold her; all of it is the
// encounter's, stepped by its driver. Its first hold is the meeting.
inline constexpr HoldOwner kEncounterAHold{"encounter A (the wheeled figure)"};

std::int32_t RunEncounterAIntro(std::int32_t arg);
std::int32_t RunEncounterATrial(std::int32_t arg);
std::int32_t RunEncounterAVerdict(std::int32_t arg);
std::int32_t RunEncounterAFight(std::int32_t arg);
std::int32_t RunEncounterAEnd(std::int32_t arg);
// 0 arms with `flash` (1 also whitens the figure for 0.1 s), 1 steps.
void StepEncounterAFlash(std::int32_t arg, std::int32_t flash);
// The attack kind 1..5 of her attack on the figure's body box, else 0.
std::int32_t TestEncounterAFigureHit(std::int32_t mode);

// mode 0 arms; 1 dashes toward facing until past targetX; 2 brakes and turns.
std::int32_t MoveEncounterAFigureDash(std::int32_t mode, std::int32_t targetX, std::int32_t topSpeed);
std::int32_t RunEncounterAChase(std::int32_t arg);
std::int32_t RunEncounterAThrow(std::int32_t arg);
std::int32_t RunEncounterAFightThrow(std::int32_t arg);
// 0 arms; 1..5 steps with the attack kind that struck.
std::int32_t RunEncounterAHitReaction(std::int32_t kind);

// speed 0 re-arms; otherwise spawns one piece, 99 once placed (or dropped).
std::int32_t SpawnEncounterAPiece(std::int32_t speed, std::int32_t hitPoints, std::int32_t x, std::int32_t y);
std::int32_t UpdateEncounterAPiece(std::int32_t arg, std::int32_t slot);

void SetEncounterAFigureSprite(std::int32_t code);
void SetEncounterAPieceSprite(std::int32_t slot);
void SetEncounterAPieceDebrisSprite(std::int32_t slot);

// The head's turn by the heroine's side: 1 when she stands at or right of
// the figure, else 5.
void AimEncounterAFigureBySide();
// +1 when she stands at or right of the figure, else -1.
std::int32_t EncounterAPlayerSide();

// The private words of each of encounter A's files back to their start
// values, by every data reset: a new game meets the encounter as the
// program's first game does.
void ResetEncounterAPhaseWords();
void ResetEncounterAEndWords();
void ResetEncounterAMoveWords();
void ResetEncounterAPieceWords();
