// The hands that play Era04's fights: the soldier fights, encounter A's
// trial and fight and encounter B. Each Step routine is called once a frame
// from the caller's own watch (an area's run or the whole-game run) and
// presses keys the way a player would; the fights are shortened only where a
// routine says so, by lowering an opponent's HP (or a figure's damage word).
#pragma once

#include <cstdint>
#include <functional>

#include "areas/era04_encounters/records.h"

class AreaRun;

class Era04Hands {
public:
    explicit Era04Hands(AreaRun& run) : run_(run) {}

    // A quick tap of one key (down for one frame).
    void TapKey(int key);
    // Turns her to face `dir` (+1 right, -1 left) with a tap of the arrow.
    void Face(std::int32_t dir);
    // Holds the arrow toward `dir` (+1 right, -1 left, 0 none).
    void Walk(int dir);
    // Lets go of every key these hands hold.
    void LetGoAll();

    // Soldier fight 1's duel: soldier 4, resting at the left end, raises
    // its sword half a second before it charges right; she jumps then,
    // lands as it passes under her and launches it from behind with D.
    void DuelStep();
    // Soldier fight 2's opening: she strikes soldier 4 as it comes at her
    // (its frame 20) so that it flies.
    void FlightStep();
    // Soldier fight 2's melee: the nearest fighter still standing; she waits
    // for it to come within reach (they close in to thrust) and strikes.
    void FighterStep();

    // Encounter A's test hook, every frame: each piece breaks at the first
    // blow. Counts the pieces thrown.
    void WeakenPieces();
    // The trial: strike what is near, else go after what is far; once all
    // twenty are thrown she goes back toward the middle of the view.
    void BreakPiecesStep();
    // The fight: strike the figure whenever it is within reach.
    void StrikeFigureAStep();
    // After the fight she walks back to the left door, a key pressed anew
    // now and then, as a player would. `watch` plays up to n frames.
    bool WalkBackToDoor3(const std::function<bool(const std::function<bool()>&, int)>& watch);
    int PiecesThrown() const { return thrown_; }

    // Encounter B, the talks: resting after a talk (pose 35) she walks up
    // and strikes it; otherwise she backs off toward the roomier side.
    void BladeTalksStep();
    // Encounter B's last stage: a step away she jumps and swings the heavy
    // blow while it walks or stands, the swing's delay varied from try to
    // try so that one of them meets the head.
    void BladeLeapStep();

private:
    void Strike();
    bool FacePieceWithinReach();
    void FollowPiece();
    void Press(int key, int& clock);

    AreaRun& run_;
    int walking_ = 0;   // the arrow key held
    // Soldier fights.
    int restFrames_ = 0;
    bool airborne_ = false;
    int flightTries_ = 0;
    // Encounter A.
    bool wasLive_[kEncounterAPieces + 1] = {};
    int thrown_ = 0;
    int strikeClock_ = 0;
    // Encounter B.
    int leap_ = 0;
    int leapTries_ = 0;
};
