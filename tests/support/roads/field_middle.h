// The field's middle as a player drives it, shared by the field's own run and
// the whole-game playthrough: up over the lift onto the upper floor, a turret
// stunned with its own shot and blown up, and the walk over the landmark.
#pragma once

#include <cstdint>
#include <functional>

// The hands a road is driven with: the fixture's own key calls and its frame
// loop (which may watch for soft-locks or note lines as it goes).
struct RoadHands {
    std::function<void(int)> hold, letGo, press, release;
    std::function<bool(const std::function<bool()>&, int)> play;
};

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
