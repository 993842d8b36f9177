// Pictures of the heroine on the stage for the documentation, made through
// the game's own frame loop and the software rasteriser. Not part of the
// ordinary run: ctest leaves disabled cases out. Make them with
//   quillmarch_tests --gtest_also_run_disabled_tests --gtest_filter='*HeroineScreenshots*'
// (QM_SCREENSHOT_DIR names the folder; docs/ of the source tree by default).
#include "core/area_flags.h"
#include "core/combos.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/residency.h"
#include "shell/graphics.h"
#include "shell/transitions.h"
#include "support/game_harness.h"
#include "text/menu_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class HeroineScreenshots : public GameHarness {
protected:
    std::string OutDir() const {
        const char* dir = std::getenv("QM_SCREENSHOT_DIR");
        return dir ? dir : std::string(QM_SOURCE_DIR) + "/docs";
    }
    void EnterStage(int weaponMode) {
        StartGame();
        RunFrames(2);
        GameFlow.bootFlag = 0;
        GameFlow.phase = 901;
        RunMenuToStage(0);
        ASSERT_TRUE(RunFramesUntil([] { return GameFlow.phase == 1; }, 400));
        MenuKeyBlocked = 0;
        PlayerKeysBlocked = 0;
        PlayerState.weaponMode1 = weaponMode == 1 ? 1 : 0;
        PlayerState.weaponMode2 = weaponMode == 2 ? 1 : 0;
        ReadyStanceStamp = -100.0;
        // Out in the field, where the stage's own scenery stands.
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        GsFlags[kEra01Set] = kGraphicRequested;
        UpdateEra01Pload(0);
        PlayerState.x = 2700;
        ScrollX = 2400;
        // She enters from above: wait until she stands on the ground.
        ASSERT_TRUE(RunFramesUntil([] { return PlayerState.y >= 600 && PlayerMoveState.jumpKind == 0 && PlayerState.pose == 1; }, 400))
            << "pose " << PlayerState.pose << " jump " << PlayerMoveState.jumpKind << " y " << PlayerState.y;
        RunFrames(10);
    }
    void Series(const std::string& m, int attackFrames) {
        Shot(m + "standing");
        Press(VkLetter('Z'));
        ASSERT_TRUE(RunFramesUntil([] { return PlayerState.x > 3300; }, 600));
        Shot(m + "running");
        Release(VkLetter('Z'));
        // A run ends in a slide; wait until she stands again.
        ASSERT_TRUE(RunFramesUntil([] { return PlayerMoveState.runSlideState == 0 && PlayerState.pose == 1; }, 400));
        RunFrames(5);
        // A key release clears every key flag, so each key is held a moment.
        Press(VK_UP);
        RunFrames(2);
        Release(VK_UP);
        ASSERT_TRUE(RunFramesUntil([] { return PlayerState.y < 580; }, 200));
        Shot(m + "jumping");
        ASSERT_TRUE(RunFramesUntil([] { return PlayerMoveState.jumpKind == 0 && PlayerMoveState.busy == 0; }, 400));
        RunFrames(5);
        Press(VkLetter('S'));
        RunFrames(attackFrames);
        Shot(m + "attacking");
        Release(VkLetter('S'));
    }
    // Counts the heroine's sprites in the last frame.
    int HeroineSprites() const {
        int n = 0;
        for (const auto& s : LastFrame().sprites)
            for (int slot : {0, 3, 4})
                if (TextureSlots[slot] != 0 && s.texture == TextureSlots[slot]) ++n;
        return n;
    }
    void Shot(const std::string& name) {
        EXPECT_GE(HeroineSprites(), 1) << name << ": pose " << PlayerState.pose;
        EXPECT_TRUE(plat::headless::SaveLastFramePng(OutDir() + "/heroine_" + name + ".png")) << name;
    }
};

TEST_F(HeroineScreenshots, DISABLED_WeaponModeOne) {
    EnterStage(1);
    Series("w1_", 6);
}

TEST_F(HeroineScreenshots, DISABLED_WeaponModeTwo) {
    EnterStage(2);
    Series("w2_", 11);
}

}  // namespace
