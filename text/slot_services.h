// What the save and load screens ask of the program's saves, which sit in
// the shell above the menus: the slot files and the data reset. The shell
// hands them in when the program starts (shell/save_slots.cpp, reset.cpp).
#pragma once

#include <cstdint>
#include <string>

// The slot summaries the save and load screens print, per slot 1..3 (index 0
// unused). A slot without a loadable game shows year 9999 (no data).
struct SaveSummaryRecord {
    std::int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::int32_t gold = 0;
    std::int32_t playHours = 0, playMinutes = 0, playSeconds = 0;
    std::int32_t menuPage = 0, facing = 0, pose = 0;
    std::int32_t maxHp = 0, hp = 0, exp = 0;
};
inline SaveSummaryRecord SaveSummaries[4];

constexpr std::int32_t kErasedSlotYear = 9999;

// The erase cursor of the save screen (0..4), moved by Left and Right while
// MenuPage reads 88.
inline std::int32_t SlotEraseCursor = 0;

struct SlotServicesRecord {
    // SaveGdata, LoadGdata, SlotHoldsLoadableGame, SaveSlotPath and
    // ReadSaveSummaries of shell/save_slots.h.
    bool (*save)(std::int32_t slot) = nullptr;
    bool (*load)(std::int32_t slot) = nullptr;
    bool (*holdsLoadableGame)(std::int32_t slot, std::string* why) = nullptr;
    std::string (*slotPath)(std::int32_t slot) = nullptr;
    void (*readSummaries)() = nullptr;
    // ResetGameData of shell/reset.h.
    std::int32_t (*resetGameData)(std::int32_t mode) = nullptr;
};
inline SlotServicesRecord SlotServices;
