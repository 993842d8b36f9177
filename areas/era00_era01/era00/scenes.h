// The home area's scenes as the story controller chains them. Each is a step
// routine: 0 arms it, another argument runs one step, 99 when it is over.
#pragma once

#include <cstdint>

#include "core/game_clock.h"
#include "core/sound_effect.h"

// ---- the opening: the pet plays with its ball, the intruder comes
std::int32_t RunEra00NpcIdleFrames(std::int32_t arg);
std::int32_t StepEra00NpcWalk(double arg);
void StepEra00Actor2Walk(std::int32_t phase);
std::int32_t RunEra00NpcKickScene(std::int32_t arg);
std::int32_t RunEra00OpeningScene(std::int32_t arg);
// 0 arms, 1 hops left, 2 hops right.
std::int32_t StepEra00Actor5Hop(std::int32_t arg);

// ---- the sparring, the throw and the flame, the knock-back, the gate
// 0 arms; 1 push, 2 dodge, 3 block.
std::int32_t RunEra00SparringReaction(std::int32_t arg);
std::int32_t RunEra00SparringScene(std::int32_t arg);
std::int32_t RunEra00Actor2Scene(std::int32_t arg);
std::int32_t RunEra00KnockBackScene(std::int32_t arg);
void RunEra00ExitEffect(std::int32_t arg);

// The house's talk events 1..9, one routine over the table of their places
// and lines: 0 arms, 1 steps, 99 when closed.
std::int32_t RunEra00TalkEvent(std::int32_t event, std::int32_t arg);
// The talks' words as the program's first game finds them (none running,
// none held), for the data reset: a game left in a talk must not carry it
// into the next one, which steps the talks without arming them.
void ResetEra00TalkEvents();

// The leap through the gate into the field: 0 arms, 1 steps, 99 when done.
std::int32_t RunEra00ToEra01Handover(std::int32_t arg);

// Frame tables of the scene actors' sheet: each writes the frame's source
// rectangle and pivot into PendingSprite (a frame without a row leaves them).
void SetEra00NpcSprite(std::int32_t frame);
void SetEra00ActorSpriteA(std::int32_t frame);
void SetEra00ActorSpriteB(std::int32_t frame);
void SetEra00ActorSpriteC(std::int32_t frame);
void SetEra00ActorSpriteD(std::int32_t frame);
void SetEra00ActorSpriteE(std::int32_t frame);

// The story's bell and most of its sounds use the general volume word; the
// footfalls, kicks and blows use the effects word.
inline constexpr int kGeneralVolume = 0;
inline void PlayEra00Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[0]); }
inline void PlayEra00Effect(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
inline double Era00Clock() { return GameClock.gameClock; }
