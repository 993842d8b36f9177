// The routines of the final section that call one another: the scenes before
// the fight, the fight's driver, patterns, attacks, reactions and effects.
// Step routines: 0 arms, the step mode steps, the state comes back (99 done).
#pragma once

#include <cstdint>

#include "areas/finale/records.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace finale {

inline constexpr std::int32_t kDone = 99;

// Who holds her in the room behind door 6. The script hands her from one to
// the next where a scene ends with her still held: scene three to its run,
// the fight (its defeat) to the ending.
inline constexpr HoldOwner kFinalScriptHold{"the final section's script (the door, the run to the crystal)"};
inline constexpr HoldOwner kBackdropSceneHold{"the voices' scene past door 6"};
inline constexpr HoldOwner kPreFightScenesHold{"the scenes before the queen's fight"};
inline constexpr HoldOwner kQueenFightHold{"the queen's fight, its turn and her defeat"};
inline constexpr HoldOwner kEndingHold{"the ending on the raised floor"};

// The effects volume.
inline std::int32_t Vol() { return SoundVolumes[1]; }
void Sound(std::int32_t id);

// The boss is slot 0.
inline std::int32_t& BossX() { return FinalActorSlots.x[0]; }
inline std::int32_t& BossY() { return FinalActorSlots.y[0]; }
inline std::int32_t& BossFacing() { return FinalActorSlots.facing[0]; }
inline std::int32_t& BossPose() { return FinalActorSlots.frame[0]; }
inline std::int32_t& BossDamage() { return FinalActorSlots.damage[0]; }
// +1 when the heroine stands at or right of x, else -1.
std::int32_t TowardHeroine(std::int32_t x);
// The boss turns to the heroine.
void FaceHeroine();
// |heroine x - boss x|.
std::int32_t BossDistance();
// The two crystal shards trailing a dash at (X + 32 dir, Y - 15). The first
// call lays them (and the boss jumps 25 px ahead: xs moves on).
void TrailShards(std::int32_t dir, std::int32_t& xs, std::int32_t& laid);

}  // namespace finale

// Actor table.
void ResetFinalActorSlots(std::int32_t mode);

// Scenes before the fight.
std::int32_t RunFinalBackdropScene(std::int32_t mode);
std::int32_t RunFinalDialogueScenes(std::int32_t mode);
std::int32_t RunBossEntrySequence(std::int32_t mode);
std::int32_t RunBossThrowSequence(std::int32_t mode);

// The fight.
std::int32_t RunBossFight(std::int32_t mode);
std::int32_t RunBossBrain(std::int32_t mode);
void ClearKeysOnMessageBox();

// Blows both ways.
std::int32_t TestPlayerAttackOnBoss(std::int32_t mode, std::int32_t x1 = 0, std::int32_t x2 = 0,
                                    std::int32_t y1 = 0, std::int32_t y2 = 0);
std::int32_t RunBossHitSpark(std::int32_t mode, std::int32_t show, std::int32_t x, std::int32_t y,
                             std::int32_t angle);
std::int32_t RunPlayerHitReaction(std::int32_t mode, std::int32_t kind);
std::int32_t RunBossHitReaction(std::int32_t mode, std::int32_t how, std::int32_t kind);
std::int32_t RunBossDebrisBurst(std::int32_t mode, std::int32_t kind);

// Movement.
std::int32_t RunBossApproach(std::int32_t mode, std::int32_t nearDist, std::int32_t farDist);
std::int32_t RunBossWalk(std::int32_t mode, double pace);
std::int32_t RunBossClosingStep(std::int32_t mode, std::int32_t direction);

// Slashes (0 arms, 1 or 2 steps).
std::int32_t RunBossFirstSlash(std::int32_t mode);
std::int32_t RunBossSecondSlash(std::int32_t mode);
std::int32_t RunBossHeavySlash(std::int32_t mode);
std::int32_t RunBossOverheadSlash(std::int32_t mode);

// Patterns.
std::int32_t RunBossFirstPattern(std::int32_t mode);
std::int32_t RunBossEdgePattern(std::int32_t mode);
std::int32_t RunBossLastPattern(std::int32_t mode);

// The turn of the fight.
std::int32_t RunBossPhaseChangeScene(std::int32_t mode);
std::int32_t RunBossCarryDash(std::int32_t mode);

// Dashes, the strike at a point and the final leap.
std::int32_t RunBossDash(std::int32_t mode, std::int32_t distance);
std::int32_t RunBossDashStrike(std::int32_t mode);
std::int32_t RunBossStrikeAt(std::int32_t mode, std::int32_t x, std::int32_t y);
std::int32_t RunBossFinalLeap(std::int32_t mode);

// Effects.
void PlaceSwordGlow();
std::int32_t RunSwordGlow(std::int32_t mode);
void RunBossFlashes(std::int32_t mode, std::int32_t kind, std::int32_t x, std::int32_t y, std::int32_t facing);

// What follows the fight: the defeat, the ending, the figure and its shatter.
std::int32_t RunBossDefeatScene(std::int32_t mode);
std::int32_t DefeatWalkTarget(std::int32_t bossX, std::int32_t facing);
std::int32_t RunEndingScene(std::int32_t mode);
void StepEndingEffects(std::int32_t mode);
void LayoutEndingFigure(std::int32_t mode);
std::int32_t BreakEndingFigure(std::int32_t mode);
std::int32_t RunShatterEffect(std::int32_t mode, std::int32_t shape, std::int32_t x, std::int32_t y);
void PlaceShatterCentre(std::int32_t shape, std::int32_t x, std::int32_t y);
void BuildShatterOutline(std::int32_t shape);

// The private words of each of the section's files back to their start
// values, by every data reset: a new game meets the room as the program's
// first game does.
void ResetFinalScriptWords();
void ResetFinalBackdropWords();
void ResetPreFightSceneWords();
void ResetBossEntranceWords();
void ResetBossFightWords();
void ResetBossPatternWords();
void ResetBossHitWords();
void ResetBossMovementWords();
void ResetBossSlashWords();
void ResetBossDashWords();
void ResetBossPhaseChangeWords();
void ResetBossDefeatWords();
void ResetEndingSceneWords();
void ResetEndingFigureWords();
void ResetShatterWords();
void ResetBossEffectWords();
