// The test harness itself: every test gets a fresh folder, the game's files
// land there, and nothing is left behind.
#include "support/game_harness.h"
#include "text/text_state.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class ShellCoreHarness : public GameHarness {};

TEST_F(ShellCoreHarness, EachTestRunsInAFreshFolderThatIsRemovedAfterwards) {
    const std::filesystem::path dir = Dir();
    EXPECT_EQ(std::filesystem::current_path(), dir);
    EXPECT_TRUE(ListFiles().empty());
    StartGame();
    RunFrames(2);
    EXPECT_TRUE(HasFile("Data/Save/SaveS0.txt"));
    // The linked sound folder is not one of the game's own files.
    for (const std::string& f : ListFiles()) EXPECT_EQ(f.rfind("Data/Wav", 0), std::string::npos) << f;
    TearDown();
    EXPECT_FALSE(std::filesystem::exists(dir));
    EXPECT_NE(std::filesystem::current_path(), dir);
    SetUp();   // leave a fixture for the framework's own tear-down
}

TEST_F(ShellCoreHarness, ScriptedKeysArriveBeforeTheFramesTheyName) {
    StartGame();
    RunFrames(1);
    const int before = plat::headless::FramesRun();
    // A key named for a frame the script does not reach is never sent; one
    // named for frame 0 reaches the game before that frame.
    EnterConfirmState = 1;
    std::vector<int> states;
    RunScript({{2, VK_RETURN, true}, {2, VK_RETURN, false}}, 2);
    states.push_back(EnterConfirmState);
    RunScript({{0, VK_RETURN, true}, {0, VK_RETURN, false}}, 1);
    states.push_back(EnterConfirmState);
    EXPECT_EQ(plat::headless::FramesRun() - before, 3);
    EXPECT_EQ(states[0], 1);
    EXPECT_EQ(states[1], 2);
}

TEST_F(ShellCoreHarness, StoppingTwiceIsHarmless) {
    StartGame();
    RunFrames(1);
    EXPECT_EQ(StopGame(), 0);
    EXPECT_EQ(StopGame(), 0);
    EXPECT_EQ(RunFrames(1), 0);
}

}  // namespace
