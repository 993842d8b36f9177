// The far field as a player drives it, shared by the far field's own run and
// the whole-game playthrough: the fight with the encounter's three actors
// until each has fled into the tower, and the climb up its floors.
#pragma once

#include "support/roads/field_middle.h"

// One blow after another (`key`: G, or the S kick) at whichever actor is
// still in the field, walking up to it first; true once all three have fled
// into the tower.
bool ChaseTheActors(const RoadHands& h, int key);

// East to the tower's foot and standing there until the fled actors have
// gone in: walking on she would leave the field for the tournament's area
// before the last of them, where they no longer move. True once all three
// floors are out.
bool SeeThemIntoTheTower(const RoadHands& h);

// From the tower's foot: standing jumps up its three floors between the
// shots from its first floor that push her back; true on the top floor.
bool ClimbTheTower(const RoadHands& h);

// East over the tower once the tournament's events have raised its floors
// together: from the ground onto the lowest, up to the top, and on over its
// crown down to the raised floor beyond. True past the crown.
bool OverTheRaisedTower(const RoadHands& h);
