// Gold coins that defeated enemies and broken objects drop: a coin pops up in
// an arc, rests where the arc turns, drifts slowly upward and pays 10 gold
// when the heroine's body or attack touches it.
#pragma once

#include <cstdint>

#include "core/player.h"   // Gold, the player's money, which a collected coin raises

// Slots 1..70 (index 0 unused).
struct PickupPoolRecord {
    static constexpr int kSlots = 70;
    std::int32_t active[kSlots + 1] = {};   // 1: the coin exists and is drawn
    std::int32_t state[kSlots + 1] = {};    // 1 new, 2 popping, 0 resting
    std::int32_t x[kSlots + 1] = {};
    std::int32_t y[kSlots + 1] = {};        // the coin's bottom
    std::int32_t popStartY[kSlots + 1] = {};
    double popStartTime[kSlots + 1] = {};
    std::int32_t soundCounter = 100;        // last coin copy played
    double riseTickTime = 0.0;
};
inline PickupPoolRecord PickupPool;

// Takes the lowest slot whose active word is 0; dropped when all are active.
void SpawnPickup(std::int32_t x, std::int32_t y);
// One step of the pop of a new or popping coin.
void UpdatePickupPop(std::int32_t slot);
// One step of the whole pool; once per stage step, before UpdateBursts.
void UpdatePickups();

// The four dropped-item slots (1 = an item lies there): the field's arena
// waves drop them, the HUD marks them and the title clears them.
struct DropItemSlotsRecord {
    std::int32_t flag[4] = {0, 0, 0, 0};
    std::int32_t x[4] = {0, 0, 0, 0};   // world px where each item lies
    std::int32_t y[4] = {0, 0, 0, 0};
};
inline DropItemSlotsRecord DropItemSlots;
