// The field's middle as a player drives it, shared by the field's own run and
// the whole-game playthrough: up over the lift onto the upper floor, a turret
// stunned with its own shot and blown up, and the walk over the landmark.
#pragma once

#include <cstdint>
#include <functional>

#include "support/roads/hands.h"


// A jump while walking towards `key`: the walk's intent from one frame of
// the key still stands when Up comes alone in the next. True once she has
// landed.
bool WalkingJump(const RoadHands& h, int key);

// The words of a slot as the field's first stretch leaves her (its lessons
// read, field enemy A beaten, in the field), for a run that starts from a
// prepared slot further on.
void WordsPastTheFirstStretch();
// Those words with her standing just short of the gatekeeper (x 18400).
void WordsShortOfTheGatekeeper();

// The gatekeeper's talk, from short of him until he throws.
bool GatekeeperTalk(const RoadHands& h);
// His collecting game: she keeps to the pit and crouches as a good object
// comes within reach, until five more are in the second item count.
bool CollectGame(const RoadHands& h);
// Right into the lower route and on until the gate stops her for its talk
// (its first line shown).
bool DownToTheGate(const RoadHands& h);
// Out of the lower route with a jump back to the left.
bool OutOfTheLowerRoute(const RoadHands& h);
// The arena's wave 2 from its first line: throws until the fourth after the
// talk drops the prop. Wave 3: crouching by the prop takes it.
bool ArenaWave2(const RoadHands& h);
bool ArenaWave3(const RoadHands& h);
// Wave 4: its pool lowered to one landed blow (the test hook), jump kicks
// until one lands and the enemy collapses, then its dropped item picked up.
// Also the rematch each return from the field's start brings.
bool ArenaWave4(const RoadHands& h);
// Back over the stairs and the upper floor into the pit, and right to the
// gate again on the lower route.
bool BackToTheGate(const RoadHands& h);
// The prop used from the item screen (F2, items, its row) at the gate; true
// once the gate stands open.
bool UseThePropAtTheGate(const RoadHands& h);
// The teacher's lesson on the lower route: D as soon as her line asks for
// it, until the move is learned. `dPresses` counts the D presses.
bool TeachersLesson(const RoadHands& h, int* dPresses);

// From the ground left of the lift: a running jump onto its top, then at
// once (before the lift takes her) a walking jump onto the upper floor's
// lip. True when she stands on the upper floor off the lower route.
bool UpOverTheLift(const RoadHands& h);

// At the turret standing in her way: she waits at its barrier, turns a shot
// back with D (pose 36) until one stuns it, walks up to it and kicks it, and
// waits out the blast chain. True when it is destroyed; `paid` (if given)
// gets the EXP of the chain's last step.
bool StunAndDestroyTurret(const RoadHands& h, std::int32_t* paid);

// From past the first turret over the landmark to world x `to`: the second
// turret fought from the ground under its high floor, up its first step
// from below and onto the high floor, a dash jump over its far column, the
// third turret, then on. `turretsPaid` (if given) gets what the two paid.
bool WalkOverTheLandmark(const RoadHands& h, std::int32_t to, std::int32_t* turretsPaid);

// From east of the landmark back west over it: onto its east step from
// below, onto the high floor, and a dash jump over its near column down to
// the ground west of it.
bool WalkWestOverTheLandmark(const RoadHands& h);
