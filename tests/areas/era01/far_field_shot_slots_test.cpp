// Not a check: writes the prepared slots from which the far field's
// screenshots are taken with the real executable (run with
// --gtest_also_run_disabled_tests and QM_SHOT_DIR set; each slot lands in
// QM_SHOT_DIR/<scene>/Save01.txt).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "support/area_run.h"
#include "text/menu_state.h"

namespace {

class FarFieldShotSlots : public AreaRun {};

TEST_F(FarFieldShotSlots, DISABLED_WriteSlots) {
    const char* out = std::getenv("QM_SHOT_DIR");
    if (out == nullptr) GTEST_SKIP() << "QM_SHOT_DIR names where the slots go";
    constexpr std::int32_t A = SectionAnchorX[55], T = SectionAnchorX[56];
    struct Scene {
        const char* name;
        std::int32_t x, scroll, phase, floors;
    };
    // The monster's talk a step away; the door's examine spot in the
    // warning shots' phase; the tower with all three floors out.
    const Scene scenes[] = {{"monster_talk", 28100, 27700, 0, 0},
                            {"warning_shot", A + 120, A - 300, 4, 0},
                            {"tower", T - 250, T - 700, 5, 1}};
    for (const Scene& s : scenes) {
        ResetGameData(0);
        for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
        }
        Era00StoryPhase = 3;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        Era01Progress = 3;
        GatekeeperRecord.done = 1;
        LearnedMoveD = 1;
        PlayerState.x = s.x;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerState.maxHp = PlayerState.hp = 900;
        ScrollX = s.scroll;
        EncounterPhase = s.phase;
        FloorGateState.level1 = FloorGateState.level2 = FloorGateState.level3 = s.floors;
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
