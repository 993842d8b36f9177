// The ways through Era03's fights and scenes that more than one run plays:
// the arena encounter's three enemies and the catching game at the camp.
// Each drives the game through the hands its caller lends it (frames played
// by the caller's own driver, so what the caller notes every frame is noted
// here too), and fails with the words that show where it stuck.
#pragma once

#include <cstdint>
#include <functional>

#include "support/roads/hands.h"

// The arena encounter once its intro has ended, fought as a player would:
// each routine plays until its stretch is over (false, with a failure added,
// when it never was).
class Era03ArenaBot {
public:
    explicit Era03ArenaBot(RoadHands hands) : h_(std::move(hands)) {}

    // Boss 1: she walks away from it, and past it when a wall is at her
    // back, until it falls (its HP is the caller's to lower).
    bool OutlastBoss1();
    // Enemy 2: three families break its guard (F and G land until their hit
    // bands fall to 49, S lands and then is guarded until its counter band
    // does); then she steps back and stands still until it yields. With
    // `topUp` her HP is filled before each blow: its counter-throws grow with
    // every S it guards, and they take 50 HP each (a heroine of a few hundred
    // HP falls to them before its counter band is worn down).
    bool BreakEnemy2(bool topUp);
    // Enemy 3: she keeps left of it in the middle of the arena, strikes it
    // with D from afar and jumps its volleys toward it, until it gives up.
    // With `topUp` her HP is filled whenever it falls below 1000 (dodging
    // is not what a run with it is about).
    bool OutlastEnemy3(bool topUp);

private:
    void Walk(int key);
    void Stop();
    bool Walking(int key) const;
    // An attack key held for one frame: the controller reads its flag in
    // the stage step.
    void Strike(int key);
    bool Frame() { return h_.play([] { return true; }, 1); }

    RoadHands h_;
    int walking_ = 0;
};

// The catching game at the camp: the character's hand reaches a resting
// object within 23 px: crouch; else walk toward the nearest resting object.
// Carrying: walk until the object is over the spot, then put it down.
class Era03Catcher {
public:
    explicit Era03Catcher(RoadHands hands) : h_(std::move(hands)) {}

    // The keys for this frame.
    void Steer();
    // Only `key` held of Left, Right and Down (0: none of them).
    void HoldOnly(int key);

private:
    RoadHands h_;
    int carried_ = 0;
};
