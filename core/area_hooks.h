// What the shared services (and the menus) ask of the areas. The services
// sit below the areas and never read an area's records; each area answers
// the questions about its own words by handing in a hook when the program
// starts (areas/*/hooks.cpp). The floors take their pieces the same way
// (AreaFloors in core/floors.h).
//
// A hook no area has handed in answers "no" (0, or does nothing).
#pragma once

#include <cstdint>

struct AreaPoint {
    std::int32_t x = 0, y = 0;
};

struct AreaHooksRecord {
    // ---- the heroine's controller (the field)
    // Her attacks wait while she falls into the field's pit.
    bool (*attacksHeld)() = nullptr;
    // Only the standing jump is left to her under the lower route's roof.
    bool (*movingJumpsBarred)() = nullptr;

    // ---- save spots that wait for an area's scene (the arena area)
    // The spot where the arrival scene opens the menu takes a save once the
    // scene allows it; the arena floor's once the tournament gauge is full.
    bool (*arrivalSpotOpen)() = nullptr;
    bool (*arenaSpotOpen)() = nullptr;

    // ---- sounds (the finale)
    // The area music (sound 4) stays silent while the final section mutes it.
    bool (*areaMusicMuted)() = nullptr;

    // ---- sprites of the heroine and the objects
    // She wears the attachment strip again once she has arrived at the arena.
    bool (*arrivedAtArena)() = nullptr;
    // The stage of the ending (0 before it), which changes her streaks.
    std::int32_t (*endingStage)() = nullptr;
    // In pose 31 the boss holds her weapon, so she draws none.
    bool (*bossHoldsHerWeapon)() = nullptr;
    // Where flying enemy n's (1..3) shot is, in world px.
    AreaPoint (*flyingEnemyShot)(std::int32_t n) = nullptr;

    // ---- the menu side
    // Item 3 (the way back) was used from the in-game menu.
    void (*returnItemUsed)() = nullptr;
    // The title hides the stage's pieces it drew over the menu.
    void (*hideStagePieces)() = nullptr;
};
inline AreaHooksRecord AreaHooks;

inline bool AskArea(bool (*question)()) { return question != nullptr && question(); }
inline std::int32_t AskArea(std::int32_t (*question)()) { return question != nullptr ? question() : 0; }
inline void TellArea(void (*event)()) {
    if (event != nullptr) event();
}
