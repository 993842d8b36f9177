// The heroine's attack combos of both weapon modes.
//
// Each attack is a step machine driven by its key's combo word of
// PlayerMoveState (comboS, comboD, comboF, comboG, comboQ). The player input
// starts an attack by writing 10 (standing) or 20 (air); the world step calls
// the machine of the current weapon mode once per stage step while the word
// lies in the machine's range, and the machine writes 0 when the attack ends.
//
// World-step ranges (inclusive), the same for both weapon modes:
//   S 10..14 standing, 20..23 air     D 10..16, 20..26
//   F 10..18, 20..27                  G 10..19, 20..29      Q 10..16
// Call order inside a mode: S, S air, D, D air, F, F air, G, G air,
// (the jump-pose fix), Q.
#pragma once

#include <cstdint>

// ---- shared words -------------------------------------------------------

// Multiplies every step duration of the weapon-mode-1 D attacks; taken when
// an attack starts. 1.0 normally; a lesson scene slows it to 3.0.
inline double AttackDTimeScale = 1.0;
// Divides every step duration of the weapon-mode-1 Q attack; written by the
// player input when it starts the Q word (1 standing, 3 airborne or running,
// 2 while the player's keys are blocked).
inline std::int32_t AttackQSpeedDivisor = 1;
// Game-clock time at which the last weapon-mode-2 attack or guard ended; for
// 10 s after it the standing pose is drawn as the ready stance (pose 22).
// A game begun or loaded has had none: its clock starts near 0, so the start
// value lies far back.
inline constexpr double kNoReadyStance = -1.0e9;
inline double ReadyStanceStamp = kNoReadyStance;
// The weapon-mode-2 guard's recoil: 0 none; 1 written by an attacker whose
// blow met the guard; 2 and 3 the recoil phases stepped by the guard.
inline std::uint32_t PlayerGuardStruck = 0;

// ---- weapon mode 1 (argument: the world step passes 1; unused) ----------
void UpdateAttackSW1(std::int32_t arg);
void UpdateAirAttackSW1(std::int32_t arg);
void UpdateAttackDW1(std::int32_t arg);
void UpdateAirAttackDW1(std::int32_t arg);
void UpdateAttackFW1(std::int32_t arg);
void UpdateAirAttackFW1(std::int32_t arg);
void UpdateAttackGW1(std::int32_t arg);
void UpdateAirAttackGW1(std::int32_t arg);
void UpdateAttackQW1(std::int32_t arg);

// ---- weapon mode 2 ------------------------------------------------------
// The air machines take 0 to mark (stamp the game clock, nothing else: a
// breaking-off attack marks the machine it hands over to); any other value
// steps. The standing machines and the guard ignore the argument.
void UpdateAttackSW2(std::int32_t arg);
void UpdateAirAttackSW2(std::int32_t arg);
void UpdateAttackDW2(std::int32_t arg);
void UpdateAirAttackDW2(std::int32_t arg);
void UpdateAttackFW2(std::int32_t arg);
void UpdateAirAttackFW2(std::int32_t arg);
void UpdateAttackGW2(std::int32_t arg);
void UpdateAirAttackGW2(std::int32_t arg);
void UpdateAttackQW2(std::int32_t arg);

// The machines' own stamps and phases back to their start, for the data
// reset: a new game's first attack and guard play as the program's first.
void ResetComboMachinesW1();
void ResetComboMachinesW2();

// Ends every attack under way where she stands: the menu does not hand an
// attack back to the stage (a held attack would go on from the marks it had
// before the menu, whatever moved her since).
void EndOpenAttacks();

// Runs the attack machines of the weapon modes that are on, for the combo
// words' current ranges, in the world step's order (weapon mode 1 first),
// including the jump-pose fix before Q. The world step calls this once.
void UpdateAttackCombos();
