// Writes the prepared slot the gate's screenshot starts from (run by hand:
// QM_SLOT_OUT=<folder> quillmarch_tests --gtest_also_run_disabled_tests
// --gtest_filter='*WriteGateSlot*'), then the real game loads it under Xvfb.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/player.h"
#include "support/area_run.h"

namespace {

class HomeAreaScreens : public AreaRun {};

TEST_F(HomeAreaScreens, DISABLED_WriteGateSlot) {
    const char* out = std::getenv("QM_SLOT_OUT");
    if (out == nullptr) GTEST_SKIP() << "QM_SLOT_OUT names the folder to write Save01.txt into";
    StartFromSlot([] {
        Era00AreaFlag = 1;
        Era00StoryPhase = 2;
        PlayerState.x = 2500;
        PlayerState.facing = 1;
        ScrollX = 2250;
    });
    std::filesystem::copy_file(Dir() / "Data" / "Save" / "Save01.txt", std::filesystem::path(out) / "Save01.txt",
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace
