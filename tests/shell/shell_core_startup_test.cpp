// Start-up and shut-down: their order as the trace log tells it, the device
// callbacks' codes, and the folder and files a fresh installation lacks.
#include "core/area_hooks.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/texture_tables.h"
#include "core/textures.h"
#include "platform/common/internal.h"
#include "shell/frame.h"
#include "shell/save_slots.h"
#include "shell/settings_files.h"
#include "support/game_harness.h"
#include "text/menu_state.h"
#include "text/messages/area_texts.h"
#include "text/slot_services.h"
#include "text/text_state.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

class ShellCoreStartUp : public GameHarness {
protected:
    // Indices of the log lines that begin with the given label.
    std::vector<int> LinesStartingWith(const std::string& label) const {
        std::vector<int> found;
        const std::vector<std::string> lines = TraceLines();
        for (int i = 0; i < static_cast<int>(lines.size()); ++i)
            if (lines[i].rfind(label, 0) == 0) found.push_back(i);
        return found;
    }
    int FirstLine(const std::string& label) const {
        std::vector<int> found = LinesStartingWith(label);
        return found.empty() ? -1 : found.front();
    }
};

// A record of hooks, each named: the names must cover every hook, so a hook
// added to the record is added here too.
using Hook = void (*)();
template <typename Record, std::size_t N>
void ExpectEveryHookFilled(const Record& record, const std::array<const char*, N>& names) {
    static_assert(sizeof(Record) == N * sizeof(Hook), "a hook of the record is not named here");
    for (std::size_t i = 0; i < N; ++i) {
        Hook hook = nullptr;
        std::memcpy(&hook, reinterpret_cast<const char*>(&record) + i * sizeof(Hook), sizeof(Hook));
        EXPECT_NE(hook, nullptr) << names[i] << " was handed in by nobody";
    }
}

TEST_F(ShellCoreStartUp, EveryHookTheLayersBelowAskIsFilledAtStartUp) {
    StartGame();
    ExpectEveryHookFilled(AreaHooks, std::array{"attacksHeld", "movingJumpsBarred", "arrivalSpotOpen",
                                                "arenaSpotOpen", "areaMusicMuted", "arrivedAtArena", "endingStage",
                                                "bossHoldsHerWeapon", "flyingEnemyShot", "returnItemUsed",
                                                "hideStagePieces"});
    ExpectEveryHookFilled(SlotServices,
                          std::array{"save", "load", "holdsLoadableGame", "slotPath", "readSummaries", "resetGameData"});
    // Era03 walks on the default floor everywhere: it has no pieces.
    constexpr bool kHasFloorPieces[kFloorAreaCount] = {true, true, true, false, true};
    for (int area = 0; area < kFloorAreaCount; ++area) {
        SCOPED_TRACE(area);
        if (kHasFloorPieces[area]) ExpectEveryHookFilled(AreaFloors[area], std::array{"top", "under"});
        else EXPECT_TRUE(AreaFloors[area].top == nullptr && AreaFloors[area].under == nullptr);
    }
    for (int block = 0; block < static_cast<int>(MessageBlock::Count); ++block) {
        EXPECT_NE(AreaMessageTables[block].entries, nullptr) << "message block " << block;
        EXPECT_GT(AreaMessageTables[block].count, 0u) << "message block " << block;
    }
}

TEST_F(ShellCoreStartUp, ARunLogsItsStagesInOrder) {
    StartGame();
    RunFrames(3);
    Tap(VkLetter('a'));
    RunFrames(2);
    Tap(VK_ESCAPE);
    RunFrames(1);
    EXPECT_EQ(StopGame(), 0);

    const char* order[] = {
        "  1 A    App(", "  4 D    GcLoad(", "  5 E    [01] Font", "  6 F    [02] Sprite", "  7 G    [08] OnFrameMove",
        " 10 J    [06] Keyboard", " 98 Y    [03] OnLostDevice", " 99 Z    [04] OnDestroyDevice",
        " 11 K    DXUTMainLoop",
    };
    int previous = -1;
    for (const char* label : order) {
        SCOPED_TRACE(label);
        std::vector<int> found = LinesStartingWith(label);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_GT(found[0], previous);
        previous = found[0];
    }
    // The header comes first; the device loss writes its Esc line before 98;
    // the shut-down code follows the 99 line.
    EXPECT_EQ(TraceLines()[2], "os     Unknown Windows     ");
    const int esc = FirstLine("Esc             ");
    EXPECT_GT(esc, FirstLine(" 10 J"));
    EXPECT_LT(esc, FirstLine(" 98 Y"));
    EXPECT_EQ(TraceLines()[FirstLine(" 99 Z") + 1], "Direct3D Shutdown Code   0  It performed normally. ");
    EXPECT_EQ(LinesStartingWith("100 H_00 Memory").size(), 1u);
}

TEST_F(ShellCoreStartUp, AFreshInstallationGetsItsSaveFolder) {
    ASSERT_FALSE(std::filesystem::exists(Dir() / "Data/Save"));
    StartGame();
    EXPECT_TRUE(std::filesystem::is_directory(Dir() / "Data/Save"));
    EXPECT_TRUE(HasFile("Data/Save/SaveS0.txt"));
    // No settings file: a 1024 x 768 window.
    EXPECT_EQ(GameSettings.windowed, 1);
    EXPECT_EQ(GameSettings.backBufferWidth, 1024);
    EXPECT_EQ(GameSettings.backBufferHeight, 768);
    EXPECT_TRUE(plat::FrameworkIsWindowed());
}

TEST_F(ShellCoreStartUp, UnderAFileSizeLimitASaveIsRefusedAndTheGameLives) {
    // A slot is about 3 KB; the limit lets the trace log start but no slot through.
    constexpr rlim_t kLimit = 2048;
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        const rlimit limit{kLimit, kLimit};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
        if (TryStartGame() != 0) _exit(2);
        _exit(SaveGdata(1) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save went through, 2: no start, 3: no limit";
    EXPECT_FALSE(HasFile("Data/Save/Save01.txt"));
    EXPECT_LE(ReadText("Data/Save/SaveS0.txt").size(), kLimit);
}

TEST_F(ShellCoreStartUp, WhereTheSystemRefusesAThreadTheGamePlaysOnAndSaysSoOnce) {
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int said = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(said, 2);
        plat::detail::RefuseHelperThread(true);
        // What escapes would end the program (and must not reach the test
        // runner, which would carry on in this child).
        try {
            if (TryStartGame() != 0) _exit(2);
            // The title's pictures, made ahead but for the first, are made here.
            const GraphicSetDef& menu = kGraphicSets[kGsMenu];
            const bool shown = RunFramesUntil([] { return GsFlags[kGsMenu] == kGraphicLoaded; }, 2000);
            for (int i = 0; i < menu.createCount; ++i)
                if (TextureSlots[menu.createSlots[i]] == 0) _exit(3);
            _exit(shown && menu.createCount > 1 ? 0 : 1);
        } catch (...) {
            _exit(4);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no title of several pictures, 2: no start, 3: a picture missing, 4: the refusal escaped";
    const std::string said = ReadText("stderr.txt");
    const std::string refused = "The system refused a thread to make pictures ahead";
    const std::size_t at = said.find(refused);
    EXPECT_NE(at, std::string::npos) << said;
    EXPECT_EQ(said.find(refused, at + 1), std::string::npos) << said;
}

TEST_F(ShellCoreStartUp, FontsAndEffectLiveFromCreationToDestruction) {
    StartGame();
    for (int i = 1; i <= 8; ++i) EXPECT_NE(TextFontSet.font[i], 0) << i;
    EXPECT_TRUE(plat::headless::EffectLoaded());
    StopGame();
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(TextFontSet.font[i], 0) << i;
    EXPECT_FALSE(plat::headless::EffectLoaded());
}

TEST_F(ShellCoreStartUp, WithoutItsEffectFileTheDeviceIsNotCreated) {
    // The harness puts the effect file in place; take it away first.
    TryStartGame();   // creates the folder layout and copies the file
    StopGame();
    std::filesystem::remove(Dir() / "Quillmarch.fx");
    plat::headless::Reset();
    // A second start-up in the same process is what this case needs; the
    // first run's words do not matter for it.
    EXPECT_NE(GameStartUp(), 0);
    EXPECT_EQ(FirstLine("  5 E"), -1);
}

TEST_F(ShellCoreStartUp, ARefusedStartLeavesTheRunningMarkStopped) {
    // Something that is not an effect file where the effect file should be:
    // the device is not created and the start is refused.
    std::filesystem::create_directories(Dir() / "Quillmarch.fx");
    EXPECT_NE(TryStartGame(), 0);
    // So the next start is not taken for a second copy.
    EXPECT_EQ(ReadText("Data/Save/SaveS1.txt"), "1=on 2=off 2 \n");
}

TEST_F(ShellCoreStartUp, EveryDeviceResetLogsAgainButTheFirstLossOnlyOnce) {
    StartGame();
    RunFrames(2);
    WindowModeLock = 0;
    Tap(VK_F6);
    RunFrames(1);
    WindowModeLock = 0;
    Tap(VK_F6);
    RunFrames(1);
    EXPECT_EQ(LinesStartingWith("  6 F    [02] Sprite").size(), 3u);
    EXPECT_EQ(LinesStartingWith("  5 E    [01] Font").size(), 1u);
    EXPECT_EQ(LinesStartingWith("Esc             ").size(), 2u);
    EXPECT_EQ(LinesStartingWith(" 98 Y").size(), 1u);
}

TEST_F(ShellCoreStartUp, ADeviceLossUnderTheSettingsScreenLeavesTheMenu) {
    StartGame();
    RunFrames(2);
    MenuFlowState.settingsOpen = 1;
    PlayerFigureShown = 1;
    ASSERT_TRUE(plat::FrameworkChangeDevice(800, 600, true));
    EXPECT_EQ(PhaseChangeRequest, 1);
    EXPECT_EQ(DeviceLostReturn, 99u);
    EXPECT_EQ(PlayerFigureShown, 0u);
}

TEST_F(ShellCoreStartUp, ADeviceLossElsewhereRequestsNothing) {
    StartGame();
    RunFrames(2);
    PhaseChangeRequest = 0;
    ASSERT_TRUE(plat::FrameworkChangeDevice(800, 600, true));
    EXPECT_EQ(PhaseChangeRequest, 0);
    EXPECT_EQ(DeviceLostReturn, 0u);
}

}  // namespace
