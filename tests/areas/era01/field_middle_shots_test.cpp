// Not a check: writes the prepared slots from which the screenshots of the
// field's middle are taken with the real executable (run with
// --gtest_also_run_disabled_tests and QM_SHOT_DIR set; each slot lands in
// QM_SHOT_DIR/<scene>/Save01.txt).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/player.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "support/area_run.h"
#include "text/menu_state.h"

namespace {

class FieldMiddleShotSlots : public AreaRun {};

TEST_F(FieldMiddleShotSlots, DISABLED_WriteSlots) {
    const char* out = std::getenv("QM_SHOT_DIR");
    if (out == nullptr) GTEST_SKIP() << "QM_SHOT_DIR names where the slots go";
    struct Scene {
        const char* name;
        std::int32_t x, scroll;
        std::function<void()> words;
    };
    const Scene scenes[] = {
        // At the gatekeeper's side with money for a game.
        {"collect", 18575, 18100, [] { Gold = 500; }},
        // On the way into the arena after the gate's talk.
        {"arena", 23000, 22600, [] {
             Era01Progress = 1;
             Era01GateStep = 25;
         }},
        // In the second outfit before the turret's first place.
        {"turret", 24000, 23700, [] {
             Era01Progress = 3;
             ArenaState.clearedWaves = 3;
             EquipmentFlags.acquiredB = 1;
             EquipmentFlags.worn = 1;
             PlayerState.weaponMode1 = 0;
             PlayerState.weaponMode2 = 1;
         }},
    };
    for (const Scene& s : scenes) {
        ResetGameData(0);
        for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
        }
        Era00StoryPhase = 3;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        PlayerState.x = s.x;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        PlayerState.maxHp = PlayerState.hp = 900;
        ScrollX = s.scroll;
        HoppingObjectRecord.holdStep = 4;
        GatekeeperRecord.done = 1;
        FieldEnemyARecord.firstMeetingStep = 14;
        FieldEnemyARecord.state = FieldEnemyARecord.frame = 0;
        FieldEnemyARecord.latch1 = FieldEnemyARecord.latch2 = 0;
        s.words();
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
