// The soldiers' routines shared by the two soldier fights: steps, marches,
// attacks and strikes on the heroine, hits and defeat, guards and blockers,
// and fight 2's own moves. Every step routine takes arg 0 to arm and any
// other value to step once, and returns its state (99 finished).
#pragma once

#include <cstdint>

#include "core/holds.h"

// The soldiers' holds on her. A strike is stepped by whichever fighter steps
// it, not every stage step: the fight that lets soldiers strike keeps its
// hold (a HoldStep of this owner in the fight's step) and ends it through
// EndSoldierStrike. The fights' own scenes, lines and locks are held by
// their drivers.
inline constexpr HoldOwner kSoldierStrikeHold{"a soldier's strike on her"};
inline constexpr HoldOwner kSoldierFight1Hold{"soldier fight 1"};
inline constexpr HoldOwner kSoldierFight2Hold{"soldier fight 2"};

// ---- moves and attacks ----------------------------------------------------
std::int32_t StepSoldierForward(std::int32_t arg, std::int32_t slot);
std::int32_t StepSoldierBack(std::int32_t arg, std::int32_t slot);
std::int32_t KeepSoldierDistance(std::int32_t arg, std::int32_t slot, std::int32_t distFacing,
                                 std::int32_t distAway);
// stepPx 0 arms; any other value marches that far per cycle.
void MarchSoldier(std::int32_t stepPx, std::int32_t slot);
std::int32_t RunSoldierThrust(std::int32_t arg, std::int32_t slot);
std::int32_t RunSoldierLeap(std::int32_t arg, std::int32_t slot);
// The strike on the heroine under way; the slot matters only when arming.
// Stepping finds nothing to do (99) unless a strike is armed and not over.
std::int32_t RunSoldierStrike(std::int32_t arg, std::int32_t slot);
// Ends the strike under way from outside: lets her go if it holds her and
// forgets it, so that nothing takes it up again; clears SoldierStrikeKind and
// SoldierChargeHold. Every routine that clears a strike not its own calls it.
void EndSoldierStrike();
// True while no soldier strikes her or holds her (SoldierStrikeKind and
// SoldierChargeHold both 0): only then may a new strike begin.
bool NoSoldierStrikes();
std::int32_t HurtPlayerByLeapW1(std::int32_t arg, std::int32_t slot);
std::int32_t HurtPlayerByThrustW1(std::int32_t arg, std::int32_t slot);
std::int32_t HurtPlayerByLeapW2(std::int32_t arg, std::int32_t slot);
std::int32_t HurtPlayerByThrustW2(std::int32_t arg, std::int32_t slot);
// mode 0 arms, 1 the mixed behaviour, 2 the thrust series.
std::int32_t RunSoldierFighter(std::int32_t mode, std::int32_t slot);

// ---- hits and defeat ----------------------------------------------------------
std::int32_t TestSoldierHit(std::int32_t mode, std::int32_t slot);
std::int32_t RunSoldierHit(std::int32_t kind, std::int32_t slot);
std::int32_t RunSoldierHitW1(std::int32_t kind, std::int32_t slot);
std::int32_t RunSoldierHitW2(std::int32_t kind, std::int32_t slot);
std::int32_t RunSoldierDefeat(std::int32_t arg, std::int32_t slot);
void UpdateFightingSoldier(std::int32_t mode, std::int32_t slot);

// ---- guards and blockers (postX given anew each call) ---------------------------
std::int32_t RunLeftEndGuard(std::int32_t arg, std::int32_t slot, std::int32_t postX);
std::int32_t RunRightEndGuard(std::int32_t arg, std::int32_t slot, std::int32_t postX);
void RunLeftBlocker(std::int32_t arg, std::int32_t slot, std::int32_t postX);
void RunRightBlocker(std::int32_t arg, std::int32_t slot, std::int32_t postX);
// Ends the end guard's grab under way (side +1 the left end's, -1 the right
// end's) and lets her go: for a fight that stops stepping the guard.
void ReleaseEndGuardGrab(std::int32_t side);
// Ends both blockers' rings under way and lets her go: for a fight that
// stops stepping its blockers or posts, which would otherwise hold her with
// nobody left to let go.
void ReleaseBlockers();

// ---- fight 1's phases ------------------------------------------------------------
std::int32_t RunSoldierFight1Intro(std::int32_t arg);
std::int32_t RunSoldierFight1Melee(std::int32_t arg);
std::int32_t RunSoldierFight1Squeeze(std::int32_t arg);
std::int32_t RunSoldierFight1Charge(std::int32_t arg);
std::int32_t RunSoldierFight1Duel(std::int32_t arg);
std::int32_t RunSoldierChargeScene(std::int32_t arg);
std::int32_t RunSoldierChargeLoop(std::int32_t arg);

// ---- fight 2's moves and phases ---------------------------------------------------
std::int32_t MoveSoldierTo(std::int32_t arg, std::int32_t slot, std::int32_t targetX);
std::int32_t HoldSoldierPost(std::int32_t arg, std::int32_t slot, std::int32_t postX);
std::int32_t RunSoldierCharge(std::int32_t arg, std::int32_t slot, std::int32_t endX);
std::int32_t RunSoldierFight2Opening(std::int32_t arg);
std::int32_t RunSoldierFight2Alert(std::int32_t arg);
std::int32_t RunSoldierFight2Charges(std::int32_t arg, std::int32_t side);
std::int32_t RunSoldierFight2Melee(std::int32_t arg, std::int32_t side);
std::int32_t RunSoldierFight2SecondWave(std::int32_t arg, std::int32_t side);
std::int32_t RunSoldierFight2Finale(std::int32_t arg, std::int32_t side);
// arg 0 arms the disc's spin, any other value steps it; returns the row
// direction.
std::int32_t UpdateFight2Disc(std::int32_t arg, std::int32_t n);

// ---- the data reset ------------------------------------------------------------------
// The routines' own step words and stamps back to what the program starts
// with, so a new or a loaded game meets the soldiers as a first game does.
void ResetSoldierMoveWords();
void ResetSoldierHitWords();
void ResetSoldierGuardWords();
void ResetSoldierFight1Words();
void ResetSoldierFight2Words();
void ResetSoldierFight2MoveWords();
void ResetSoldierFight2FinaleWords();
