// Save slots at the Era03 camp for the documentation's pictures, written by
// the game's own slot writer: slot 1 before the night (the heroine walking
// in from the left), slot 2 after it (beside the character, for the shop).
// Not part of the ordinary run; make them with
//   QM_SLOT_DIR=<game>/Data/Save quillmarch_tests --gtest_also_run_disabled_tests --gtest_filter='CampSlots.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "text/menu_state.h"

namespace {

void WriteCampSlot(std::int32_t slot, std::int32_t unlocked, std::int32_t x) {
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
    Era00AreaFlag = Era01AreaFlag = Era02AreaFlag = Era04AreaFlag = 0;
    Era03AreaFlag = 1;
    // The field's encounters and the arena behind her.
    Era03CreatureOnceFlag = 1;
    Era03Duel.state = 99;
    Era03Fighter.encounterState = 99;
    Era03ArenaEncounter.controllerState = 99;
    Era02EventsUnlocked = unlocked;
    Era03NpcScene.meetingMark = unlocked != 0 ? 2 : 0;
    Gold = 50;
    PlayerState.x = x;
    PlayerState.facing = 1;
    MenuStageSnapshot = {1, 1, x - 400, 0, x, 640};
    ASSERT_TRUE(SaveGdata(slot));
}

TEST(CampSlots, DISABLED_WriteTheCampSlots) {
    const char* dir = std::getenv("QM_SLOT_DIR");
    ASSERT_NE(dir, nullptr) << "QM_SLOT_DIR names the game's Data/Save folder";
    const std::filesystem::path saveDir(dir);
    std::filesystem::create_directories(saveDir);
    // The slot writer works in Data/Save of the working folder.
    const std::filesystem::path work = saveDir.parent_path().parent_path();
    std::filesystem::current_path(work);
    WriteCampSlot(1, 0, 63500);
    WriteCampSlot(2, 1, 63700);
}

}  // namespace
