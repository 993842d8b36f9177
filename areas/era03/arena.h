// The arena encounter's routines as its files call one another: the intro,
// the wall hazard, the three enemies, their scenes and their frame tables.
// Step routines take 0 to arm and another value to step; 99 means done.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "areas/era03/arena_sheets.h"
#include "core/floors.h"
#include "core/holds.h"

// The arena's anchor: every position of the encounter is taken from it.
inline constexpr std::int32_t kArenaAnchor = Era03Anchor8;   // 61500
inline constexpr std::int32_t kArenaDone = 99;
// The encounter's controller steps every piece of it, every stage step until
// it is done, and its pieces hand her from one to the next (the intro to
// boss 1, enemy 2's end scene to enemy 3's entrance, the closing scene to the
// ending): the holds of all of them are the controller's.
inline constexpr HoldOwner kEra03ArenaHold{"the arena encounter"};
// Where the intro leaves the hazard post standing: at the east wall, its top
// at y 180.
inline constexpr std::int32_t kPostStandX = 908, kPostStandTop = 180;
// Where boss 1 and enemy 2 stand watching once enemy 2's end scene has
// walked them back (inside its spans 550..600 and 600..650).
inline constexpr std::int32_t kBoss1PostX = 575, kEnemy2PostX = 625;
// The view that scene leaves (its right edge at the anchor + 1048) and how
// far inside its edges it walks the heroine.
inline constexpr std::int32_t kWatchViewLeft = 24, kWatchViewMargin = 250;

// ---- shared pieces --------------------------------------------------------------
// The effects-and-music volume and the general one.
void ArenaSound(std::int32_t id);
void ArenaSoundGeneral(std::int32_t id);
// The world box of a hurt box read back from PendingSpriteHitBox, mirrored
// for facing >= 0, tested against the heroine's attack (h = 100).
std::int32_t TestArenaHurtBox(std::int32_t x, std::int32_t y, std::int32_t facing);
// -1 when the heroine's body centre is at or right of x, else +1.
std::int32_t FacingTowardHeroine(std::int32_t x);
std::int32_t HeroineCentreX();

// ---- the wall hazard and the bullets ------------------------------------------------
std::int32_t UpdateEra03ArenaHazardOnPlayer(std::int32_t arg);
std::int32_t UpdateEra03ArenaHazardOnBoss1(std::int32_t arg);
std::int32_t UpdateEra03ArenaHazardOnEnemy2(std::int32_t arg);
std::int32_t UpdateEra03ArenaHazardOnEnemy3(std::int32_t arg);
void SetEra03ArenaBulletSprite(std::int32_t slot);

// ---- controller, intro, ending ------------------------------------------------------
std::int32_t RunEra03ArenaIntro(std::int32_t arg);
std::int32_t RunEra03ArenaEnding(std::int32_t arg);
void SetEra03ArenaSceneSprite(std::int32_t part);

// ---- boss 1 -----------------------------------------------------------------------
std::int32_t RunEra03ArenaBoss1Phase(std::int32_t arg);
std::int32_t StepEra03ArenaBoss1Walk(std::int32_t kind, float speed);
std::int32_t RunEra03ArenaBoss1Pattern(std::int32_t pattern);
void UpdateEra03ArenaBoss1Bullets(std::int32_t mode);
std::int32_t FindEra03BulletAngle(std::int32_t vx, std::int32_t vy);
std::int32_t UpdateEra03ArenaBoss1Shot(std::int32_t arg);
std::int32_t TestEra03ArenaBoss1Hit();
std::int32_t DispatchEra03ArenaBoss1Hit(std::int32_t kind);
std::int32_t RunEra03ArenaBoss1Defeat(std::int32_t arg);
void SetEra03ArenaBoss1Frame(std::int32_t pose);
void SetEra03ArenaBoss1EffectSprite(std::int32_t kind);

// ---- enemy 2 ----------------------------------------------------------------------
std::int32_t RunEra03ArenaEnemy2Phase(std::int32_t arg);
std::int32_t RunEra03ArenaEnemy2Entrance(std::int32_t arg);
std::int32_t TestEra03ArenaEnemy2Hit();
std::int32_t DispatchEra03ArenaEnemy2Hit(std::int32_t kind);
void UpdateEra03ArenaEnemy2Ai();
std::int32_t StepEra03ArenaEnemy2Gait(std::int32_t kind, double period);
std::int32_t RunEra03ArenaEnemy2Backstep(std::int32_t arg);
// Forgets the gait, back-step, push, bands and latches, so that a retry
// after a game over can latch every family again.
void ResetEra03ArenaEnemy2Moves();
void ResetEra03ArenaEnemy2Bands();
// The arena's own step words, as the program starts them: a new game or a
// load after another game meets the encounter as the first one did.
void ResetEra03ArenaBoss1Words();
void ResetEra03ArenaBoss1HitWords();
void ResetEra03ArenaEndingWords();
void ResetEra03ArenaEnemy2Words();
void ResetEra03ArenaEnemy2EndWords();
void ResetEra03ArenaEnemy2HitWords();
void ResetEra03ArenaEnemy3Words();
void ResetEra03ArenaEnemy3AttackWords();
void ResetEra03ArenaEnemy3OrbWords();
void ResetEra03ArenaEnemy3SceneWords();
void ResetEra03ArenaHazardWords();
void ResetEra03ArenaIntroWords();
std::int32_t RunEra03ArenaEnemy2ReactionS(std::int32_t kind);
std::int32_t RunEra03ArenaEnemy2ReactionD(std::int32_t kind);
std::int32_t RunEra03ArenaEnemy2ReactionF(std::int32_t kind);
std::int32_t RunEra03ArenaEnemy2ReactionG(std::int32_t kind);
std::int32_t RunEra03ArenaEnemy2EndScene(std::int32_t arg);
void StepEra03ArenaEnemy2Walk(std::int32_t arg);
void StepEra03ArenaBoss1SceneWalk(std::int32_t arg);
void SetEra03ArenaEnemy2Frame(std::int32_t frame);

// Bands of one attack family of enemy 2, for the checks of the numbers.
struct Era03ArenaEnemy2Bands {
    std::int32_t hit = 0, counter = 0, latch = 0;
};
// family 0 S, 1 D, 2 F, 3 G
Era03ArenaEnemy2Bands Era03ArenaEnemy2FamilyBands(int family);

// ---- enemy 3 ----------------------------------------------------------------------
std::int32_t RunEra03ArenaEnemy3Phase(std::int32_t arg);
std::int32_t ChooseEra03ArenaEnemy3Attack();
void StepEra03ArenaEnemy3Gait(std::int32_t kind);
std::int32_t TestEra03ArenaEnemy3Hit();
std::int32_t DispatchEra03ArenaEnemy3Hit(std::int32_t kind);
std::int32_t RunEra03ArenaEnemy3HitReaction(std::int32_t kind);
std::int32_t RunEra03ArenaEnemy3AttackLeft(std::int32_t kind);
std::int32_t RunEra03ArenaEnemy3AttackRight(std::int32_t kind);
std::int32_t RunEra03ArenaEnemy3Combo(std::int32_t kind);
void StepEra03ArenaEnemy3SlashFlash(std::int32_t kind);
std::int32_t ThrowEra03ArenaEnemy3Shot(std::int32_t arg);
void SpawnEra03ArenaEnemy3Shot(std::int32_t mode, std::int32_t x, std::int32_t y, std::int32_t vx,
                               std::int32_t vy);
void StepEra03ArenaEnemy3Shots(std::int32_t step);
void StartEra03ArenaTimedEffect(double duration, std::uint32_t colour, std::int32_t x, std::int32_t y,
                                float depth, float scale);
std::int32_t RunEra03ArenaCaptureOrb(std::int32_t step);
// The orb's knock-back speeds for its radius r (px/s): sideways, and upward.
std::int32_t Era03OrbSideSpeed(std::int32_t r);
std::int32_t Era03OrbUpSpeed(std::int32_t r);
std::int32_t RunEra03ArenaEnemy3Entrance(std::int32_t arg);
std::int32_t RunEra03ArenaClosingScene(std::int32_t arg);
// The heroine's scripted steps forward: 0 arms at the short walk's start,
// 5 at the long walk's second row; 1 steps the short walk, 2 the long one.
std::int32_t WalkEra03ArenaHeroine(std::int32_t kind);
void SetEra03ArenaEnemy3Frame(std::int32_t pose);
void SetEra03ArenaEnemy3ShotSprite(std::int32_t frame);
void SetEra03ArenaCaptureOrbSprite(std::int32_t kind);
