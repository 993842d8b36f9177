// Not a check: writes the prepared slots from which the field's screenshots
// are taken with the real executable (run with
// --gtest_also_run_disabled_tests and QM_SHOT_DIR set; each slot lands in
// QM_SHOT_DIR/<scene>/Save01.txt).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "support/area_run.h"
#include "text/menu_state.h"

namespace {

class FieldShotSlots : public AreaRun {};

void FullReset() {
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
}

TEST_F(FieldShotSlots, DISABLED_WriteSlots) {
    const char* out = std::getenv("QM_SHOT_DIR");
    if (out == nullptr) GTEST_SKIP() << "QM_SHOT_DIR names where the slots go";
    struct Scene {
        const char* name;
        std::int32_t x, scroll;
    };
    const Scene scenes[] = {{"walker", 7760, 7300}, {"flight", 12010, 11500}, {"enemy_a", 17200, 16700}};
    for (const Scene& s : scenes) {
        FullReset();
        Era00StoryPhase = 3;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        PlayerState.x = s.x;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerState.maxHp = PlayerState.hp = 900;
        ScrollX = s.scroll;
        HoppingObjectRecord.holdStep = 4;   // its line already read
        MenuStageSnapshot = {PlayerState.facing, PlayerState.pose, ScrollX, ScrollY, PlayerState.x, PlayerState.y};
        std::filesystem::create_directories(Dir() / "Data" / "Save");
        ASSERT_TRUE(SaveGdata(1));
        const std::filesystem::path to = std::filesystem::path(out) / s.name;
        std::filesystem::create_directories(to);
        std::filesystem::copy_file(Dir() / "Data" / "Save" / "Save01.txt", to / "Save01.txt",
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

}  // namespace
