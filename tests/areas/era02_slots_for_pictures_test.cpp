// Save slots for the arena's pictures, written with the game's own slot
// writer. Not part of the ordinary run; make them with
//   quillmarch_tests --gtest_also_run_disabled_tests --gtest_filter='*Era02PictureSlots*'
// (QM_SLOT_OUT names the folder the slot files go to).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "core/player.h"
#include "shell/save_slots.h"
#include "shell/shell_state.h"
#include "support/game_harness.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t A = 45808, O = 47100;

class Era02PictureSlots : public GameHarness {
protected:
    void Stand(std::int32_t x, std::int32_t y, std::int32_t scroll) {
        MenuStageSnapshot.x = x;
        MenuStageSnapshot.y = y;
        MenuStageSnapshot.scrollX = scroll;
        MenuStageSnapshot.facing = 1;
        MenuStageSnapshot.pose = 1;
        Era02AreaFlag = 1;
        LearnedMoveD = 1;
        PlayerState.maxHp = PlayerState.hp = 300;
        EncounterDoneFlag = 1;
    }
    void Write(const std::string& name) {
        WriteText("Data/Save/.keep", "");
        ASSERT_TRUE(SaveGdata(1));
        const char* out = std::getenv("QM_SLOT_OUT");
        const std::string dir = out ? out : std::string(QM_BINARY_DIR);
        const std::string text = ReadText("Data/Save/Save01.txt");
        ASSERT_FALSE(text.empty());
        FILE* f = std::fopen((dir + "/" + name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
};

// On the lift, riding east.
TEST_F(Era02PictureSlots, DISABLED_OnTheLift) {
    Stand(A + 516, 609, A + 12);
    ArrivalScene.step = 28;
    ArrivalScene.drawing = 1;
    ArrivalScene.liftX = A + 509;
    ArrivalScene.platformY = 509;
    ArrivalScene.counter = 27;
    ArrivalScene.signWord = 2;
    ArrivalScene.drawFlag = 1;
    ArrivalViewLock = 1;
    Write("Save01_lift.txt");
}

// In the arena before the first round, beside the marker.
TEST_F(Era02PictureSlots, DISABLED_BeforeTheFirstRound) {
    Stand(O + 1458, 640, O + 948);
    ArrivalScene.step = 99;
    ArrivalScene.drawFlag = 1;
    ArrivalScene.liftX = O + 1000;
    ArrivalScene.platformY = 640;
    Write("Save01_round1.txt");
}

}  // namespace
