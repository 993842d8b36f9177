// Encounter C as a player drives it, shared by the encounter's own run and
// the playthrough: the clerk's bargain, the fight on her floating platform,
// the riders on their circle and in their dive waves, and the servants she
// splits into. Each stretch plays from where the one before it leaves off and
// asserts only that its road goes on; the callers check the rest.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "support/roads/key_hands.h"

// The words of a slot just short of door 5 after encounter B, in the second
// weapon mode with her D, F and G blows and 500 gold. The area switch takes
// her on from Era03 on the way in.
void EncounterCSlotWords();

class EncounterCRoad : public KeyHands {
public:
    using KeyHands::KeyHands;

    // From the clerk's first question (field line 209): neither crystal,
    // then the blue bread; on to the reveal's last line (scene line 30).
    void Bargain();
    // From the reveal to the riders' summoning (driver state 3 with slot 32
    // summoned); the figure's damage is set short of 500 before the blow
    // that turns its volleys (the damage hook).
    void PlatformFight();
    // From the summoning to the last rider destroyed (driver state 4).
    void Riders();
    // From the waves' end to encounterCDone.
    void Servants();

    // What the platform fight saw, for the encounter's own checks.
    struct PlatformNotes {
        bool platformKnocked = false;
        int boltsBeforeHit = 0;
        std::int32_t firstBlowDamage = 0, firstBlowExp = 0;
    } platformNotes;
    // The leader of the servants (the last one left), once nine are dead.
    std::int32_t leader = 0;

    // One step of the bot that strikes servant n (phase 4) with G: on the
    // floor it closes in; up on the stairs it runs, jumps onto the lowest
    // step and climbs until level with it.
    void Strike(int n);
    // A jumping G blow at a thing hovering at (x, y): she takes off at a
    // distance it needs and holds G in the air (the distance varies with
    // the jumps made so far).
    void JumpAt(std::int32_t x, std::int32_t y);

private:
    static std::int32_t ToPlatform();
    void Stalk(std::int32_t reach);
    bool WalkTo(std::int32_t x, std::int32_t slack);
    // A jumping G blow at the platform (or the figure on it) until `landed`.
    void JumpBlow(const std::function<bool()>& landed);
    int climbing = 0, jumpFrames = 0, jumps = 0;
    bool jumpBlow = false;
    // Set while jumping at a hovering rider: G waits until her blow can span
    // the rider's band below its feet (a blow meeting only its platform never
    // brings it down).
    std::int32_t riderBandY = 0;
};
