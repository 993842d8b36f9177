#include "support/picture_slot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "text/menu.h"
#include "text/menu_state.h"

void WritePictureSlot(const std::string& name, const std::function<void()>& setWords) {
    const char* out = std::getenv("QM_SLOT_DIR");
    ASSERT_NE(out, nullptr) << "QM_SLOT_DIR names the folder";
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
    setWords();
    MenuStageSnapshot = {PlayerState.facing, PlayerState.pose, ScrollX, ScrollY, PlayerState.x, PlayerState.y};
    std::error_code ec;
    std::filesystem::create_directories("Data/Save", ec);
    ASSERT_TRUE(SaveGdata(1)) << name;
    std::filesystem::copy_file("Data/Save/Save01.txt", std::filesystem::path(out) / (name + ".txt"),
                               std::filesystem::copy_options::overwrite_existing);
}
