// Encounter C's own routines: the entrance (phase 1 and its pieces), the
// fight phases the driver chains, and the words they share. Step routines
// take 0 to arm and return their state, 99 when done.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kEncounterCDone = 99;
// The figure's place while it waits to be met, relative to door 5.
inline constexpr std::int32_t kEncounterCFigureOffset = 1500;
inline constexpr std::int32_t kEncounterCFigureY = 623;
inline constexpr float kEncounterCFigureDepth = 0.687f;
inline constexpr std::int32_t kEncounterCSlot = 51;

std::int32_t RunEncounterCPhase1(std::int32_t arg);
std::int32_t RunEncounterCArrival(std::int32_t arg);
std::int32_t RunEncounterCApproach(std::int32_t arg);
std::int32_t RunEncounterCBargain(std::int32_t arg);
std::int32_t RunEncounterCReveal(std::int32_t arg);
std::int32_t RunEncounterCPhase2(std::int32_t arg);
std::int32_t RunEncounterCPhase3(std::int32_t arg);
std::int32_t RunEncounterCPhase4(std::int32_t arg);
// Turns the platforms' codes while they float.
void CycleEncounterCPlatformCodes();
// While the bargain or the reveal draws her from the clerk's sheet, her own
// figure stays hidden, whichever step left that layer on.
void HideHerWhileTheClerkSheetDrawsHer();

// The figure's face along the voice clip: the frame (pose, signed by the
// facing) of timeline kind 1..5 started at `start` for clip time `t`.
std::int32_t SpeechFrameAt(std::int32_t kind, double start, double t);
// mode 0 returns the last frame; 1 applies it to the figure, 2 to the
// servants whose step state is 1.
std::int32_t UpdateEncounterCSpeech(std::int32_t mode, double t);
// Eased moves of slots 31..40 and 51..60: mode 0 arms, 1 steps; 99 arrived,
// timed out or stopped at an edge.
std::int32_t TweenObjectX(std::int32_t mode, std::int32_t slot, std::int32_t target);
std::int32_t TweenObjectY(std::int32_t mode, std::int32_t slot, std::int32_t target);
double TweenSpeedX(std::int32_t slot);
// Puts every tween and steering of slots 31..40 and 51..60 at rest (the
// data reset).
void ResetEncounterCMovers();
// The data reset of each part of the encounter's own step words: a new or a
// loaded game starts them as the program does.
void ResetEncounterCBargainWords();
void ResetEncounterCBoltWords();
void ResetEncounterCDriverWords();
void ResetEncounterCLightWords();
void ResetEncounterCPhase2Words();
void ResetEncounterCPhase2MoveWords();
void ResetEncounterCPhase3Words();
void ResetEncounterCWaveWords();
void ResetEncounterCPhase4Words();
void ResetEncounterCPhase4MoveWords();
void ResetEncounterCRevealWords();
void ResetEncounterCServantFrameWords();
// The hit box offsets the figure's last pose set, which a pose that sets
// none keeps.
void ResetEncounterCFigureFrameWords();
// Keeps a platform slot (and the rider 20 slots above) 250 px from her.
std::int32_t SteerServant(std::int32_t mode, std::int32_t slot);

// The heroine struck by a bolt's blast: mode 0 resets, 1 registers a strike
// at (x, y) by `slot`, 2 steps the knock-back (99 when it is spent).
std::int32_t HandleEncounterCPlayerHit(std::int32_t mode, std::int32_t slot, std::int32_t x, std::int32_t y);
// The bolts in stage-object slots 61..200: mode 0 resets, 1 spawns a
// full-size bolt from `parent`, 2 a half-size one, 3 steps them all.
std::int32_t UpdateEncounterCProjectiles(std::int32_t mode, std::int32_t parent, std::int32_t angle,
                                         std::int32_t speed, double life);

// The figure's moves of the second phase (mode 0 arms; 99 done).
std::int32_t RunLaunchPose(std::int32_t mode, std::int32_t slot, std::int32_t tempo);
std::int32_t RunFigureHitReaction(std::int32_t mode, std::int32_t kind, std::int32_t slot);
std::int32_t RunPlatformKnock(std::int32_t mode, std::int32_t kind, std::int32_t slot);
std::int32_t RunPhase2Fire(std::int32_t mode, std::int32_t slot);
// Mode 1 steps the first-hit scene (arg = the figure's hit pose), 2 the
// closing scene.
std::int32_t RunEncounterCPhase2Scene(std::int32_t mode, std::int32_t arg);

// One figure code set up as a sprite; also measures FigureHitBox at slot 51.
void SetEncounterCFigureSprite(std::int32_t code, std::int32_t facing);

// The frame's encounter-C passes for the figure, its layers and the
// servants in slots 52..60 (drawn while the draw flag is set).
void DrawEncounterCFigurePasses();
