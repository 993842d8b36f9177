// The final fight as a player drives it, shared by the final section's own
// run and the playthrough: a small bot that closes in and strikes, the blow
// that turns the fight, the last pattern and the jumping blow on the queen's
// spinning leap. Each stretch plays from where the one before it leaves off
// and asserts only that its road goes on; the callers check the rest.
#pragma once

#include <cstdint>

#include "support/roads/key_hands.h"

// The words of a slot just short of door 6 after encounter C: encounter C's
// slot words with the encounter done and a seasoned heroine. The area switch
// takes her on from Era03 on the way in.
void FinalSectionSlotWords();

class FinaleRoad : public KeyHands {
public:
    using KeyHands::KeyHands;

    // Her distance to the queen.
    static std::int32_t Distance();
    int Toward() const;
    int Away() const;
    // One frame of the fighting bot: closes in and strikes with `attack`
    // while the queen is in reach.
    void Fight(int attack, std::int32_t reach);

    // The queen one blow short of the first phase's end (the damage hook),
    // fought until a real blow turns the fight; she steps back until the
    // queen has room to speak (line 115), leaping over her toward the room
    // where a wall stops her.
    void TurnTheFight();
    // The last pattern: again one blow short (the hook), fought past the
    // defeat threshold. `each` runs every frame of the fight (nullptr: none).
    void LastPattern(const std::function<void()>& each);
    // She keeps away until the queen leaps, then meets the spin with a
    // jumping blow; ends on the decisive blow (the queen's frame 43).
    void LeapBlow();
};
