// Encounter C's own routines: the entrance (phase 1 and its pieces), the
// fight phases the driver chains, and the words they share. Step routines
// take 0 to arm and return their state, 99 when done.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kEncounterCDone = 99;
// The figure's place while it waits to be met, relative to door 5.
inline constexpr std::int32_t kEncounterCFigureOffset = 1500;
inline constexpr std::int32_t kEncounterCFigureY = 623;
inline constexpr float kEncounterCFigureDepth = 0.687f;
inline constexpr std::int32_t kEncounterCSlot = 51;

std::int32_t RunEncounterCPhase1(std::int32_t arg);
std::int32_t RunEncounterCArrival(std::int32_t arg);
std::int32_t RunEncounterCApproach(std::int32_t arg);
std::int32_t RunEncounterCBargain(std::int32_t arg);
std::int32_t RunEncounterCReveal(std::int32_t arg);
std::int32_t RunEncounterCPhase2(std::int32_t arg);
std::int32_t RunEncounterCPhase3(std::int32_t arg);
std::int32_t RunEncounterCPhase4(std::int32_t arg);
// Turns the platforms' codes while they float.
void CycleEncounterCPlatformCodes();
