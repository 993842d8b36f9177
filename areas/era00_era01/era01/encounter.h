// The encounter at the field's end: the pieces its sequencer, its three
// actors and their projectiles share.
#pragma once

#include <cstdint>

#include "areas/era00_era01/records.h"
#include "core/floors.h"
#include "core/player.h"

inline constexpr std::int32_t kEncounterA = SectionAnchorX[55];   // 42500, the idle spot
inline constexpr std::int32_t kTowerT = SectionAnchorX[56];       // 45250, the tower
// The stretch the actors roam.
inline constexpr std::int32_t kRoamLeft = kEncounterA + 628;
inline constexpr std::int32_t kRoamRight = kEncounterA + 2528;
inline constexpr std::int32_t kEncounterDone = 99;

// Actor n = 1..3.
inline EncounterTrioActor& TrioActor(int n) { return EncounterTrio.actor[n - 1]; }
// Actor 3's floor words are the ones the Era02 gate draws from.
inline std::int32_t& TowerFloorOffset(int n) {
    return n == 3 ? EncounterTrio.barOffset : TrioActor(n).floorOffset;
}
inline std::int32_t& TowerDoorOpen(int n) { return n == 3 ? EncounterPieceShown : TrioActor(n).doorOpen; }
inline float& TowerFloorDepth(int n) {
    return n == 1 ? TrioActor(1).floorDepth : EncounterPieceDepths[n - 2];
}
inline std::int32_t& TowerFloorWord(int n) {
    return n == 1 ? FloorGateState.level1 : n == 2 ? FloorGateState.level2 : FloorGateState.level3;
}

// Sounds of the encounter, at the effects word.
void PlayEncounterSound(std::int32_t id);
// On screen for the projectiles: ScrollX - 100 <= x <= ScrollX + 1100.
inline bool EncounterOnScreen(std::int32_t x) { return x >= ScrollX - 100 && x <= ScrollX + 1100; }

// The actors (mode 0 wait, 1 step, 99 stand in the tower) and their
// reactions (0 reset, 1 step, 99 end pose in the tower).
void RunEncounterActor(int n, std::int32_t mode);
// Their own steps, and the projectiles', as the program's first game finds
// them (the data reset, through ResetEncounter).
void ResetEncounterActors();
void ResetEncounterProjectiles();
std::int32_t RunEncounterActorReaction(int n, std::int32_t mode);

// Projectiles.
void HurtPlayerFromEncounter(std::int32_t damage, std::int32_t push, std::int32_t side, std::int32_t impactY);
void UpdateEncounterShots(std::int32_t mode);
void UpdateEncounterPieces(std::int32_t mode);
void UpdateEncounterBombs(std::int32_t mode);
