// The tournament's fights as a player plays them: the small bots the arena's
// own runs and the whole-game playthrough share. Each plays through the hands
// it is given (the fixture's frames and keys), so a run that notes the lines
// on the way, or watches for a soft-lock, keeps doing so.
//
// Where a fight is shortened the bot lowers the opponent's HP through the
// fight's HP word (the tests' hook), never a story word; each says where.
#pragma once

#include <cstdint>

#include "support/roads/hands.h"

// The arena's origin in the world.
inline constexpr std::int32_t kArenaX = 47100;


// Round 1: up to her, turned to her, an upper D blow, at most `tries`
// times, until one knocks her out (once her HP is below the knockout's
// mark; every blow before takes HP and pays EXP).
bool Round1KnockOut(const RoadHands& h, int tries = 20);
// Round 1 after her first grab: D through every struggle until she is
// thrown for good. The HP is lowered to the final throw's mark.
bool Round1Struggles(const RoadHands& h);
// Round 2's flight: D blows timed on her dives, one kind of hit for each of
// her three talks, then the blow that brings her down; her HP is kept below
// the flight's end so that the talks decide it. True at the last talk.
bool Round2Flight(const RoadHands& h);
// Round 2's crawl: runs at her with X until three of her low hops met the
// heroine.
bool Round2Crawl(const RoadHands& h);
// Round 3 from the fight's start to its sixth phase: she lands three bursts
// on the heroine (the first talk), then the heroine's blows count three
// times (the second); the hook ends each phase after a talk.
bool Round3Fight(const RoadHands& h);
// Round 3's end waits for the opponent to stand clear: she keeps her
// distance, toward the middle near a rope, until the end's first line.
bool Round3KeepClear(const RoadHands& h);
// Round 4 with the opponent beaten through the hook: to the middle of the
// view until both stand on the floor and the close's first line shows.
bool Round4ToTheMiddle(const RoadHands& h);
// From the field's end (the writer's `lift` place) up to the lift, A on it,
// through the arrival's own opening of the menu: true once the menu stands
// ready with the arrival at its step 9 (the save the game asks for).
bool ToTheArrivalsMenu(const RoadHands& h);
