// Box tests by which enemies, objects and pickups meet the heroine.
#pragma once

#include <cstdint>

// Whether her current attack (taken from the combo word and pose she is in)
// reaches the target box (world px, edges touching count). Returns the kind
// 1..5 (S, D, F, G, Q), or 0.
// mode 0 only tests; 1 also arms the hit spark; 2 arms the spark and plays
// the hit sound; 3 plays weapon mode 2's bank sound (weapon mode 1: tests only).
std::int32_t TestPlayerAttackHit(std::int32_t mode, std::int32_t left, std::int32_t right,
                                 std::int32_t top, std::int32_t bottom);

// The quiet variant for targets that tell an upper blow from a lower one.
// Weapon mode 1 gives 11, 12, 21, 22, 30, 40 or 50 (12 and 22 become 11 and
// 21 when the blow lands above the target's lowest h px); weapon mode 2
// gives 1..5; 0 for a miss.
std::int32_t TestPlayerAttackHitZone(std::int32_t left, std::int32_t right, std::int32_t top,
                                     std::int32_t bottom, std::int32_t h);

// A box given by two corners in any order against her body box: 0 no overlap
// in x, 1 overlap in x only, 2 overlap in x and y.
std::int32_t TestBoxAgainstPlayer(std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                  std::int32_t y1);
