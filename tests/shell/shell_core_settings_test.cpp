// The settings file: what it keeps, how it reads back, and what a missing or
// damaged file leaves.
#include "core/player.h"
#include "core/trace_log.h"
#include "shell/settings_files.h"
#include "support/game_harness.h"
#include "text/menu_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

class ShellCoreSettings : public GameHarness {};

TEST_F(ShellCoreSettings, TextRoundTripsEveryWord) {
    TraceSample.year = 2026;
    TraceSample.month = 3;
    TraceSample.day = 4;
    TraceSample.hour = 5;
    TraceSample.minute = 6;
    TraceSample.second = 7;
    GameSettings = {0, 1920, 1080};
    EquipmentFlags.base = 1;
    EquipmentFlags.acquiredA = 1;
    EquipmentFlags.acquiredB = 0;
    EquipmentFlags.worn = 1;
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;

    const std::string text = FormatSettingsText();
    EXPECT_EQ(text,
              "01   2026      3      4      5      6      7      0   1920   1080      0\n"
              "02      1      0      1      1      0      1      0      0      0      0\n");

    GameSettings = {};
    EquipmentFlags = EquipmentFlagsRecord{};
    PlayerState = PlayerStateRecord{};
    std::string error;
    ASSERT_TRUE(ApplySettingsText(text, &error)) << error;
    EXPECT_EQ(GameSettings.windowed, 0);
    EXPECT_EQ(GameSettings.backBufferWidth, 1920);
    EXPECT_EQ(GameSettings.backBufferHeight, 1080);
    EXPECT_EQ(EquipmentFlags.acquiredA, 1);
    EXPECT_EQ(EquipmentFlags.worn, 1);
    EXPECT_EQ(PlayerState.weaponMode1, 0);
    EXPECT_EQ(PlayerState.weaponMode2, 1);
    EXPECT_EQ(TraceSample.minute, 6);
}

TEST_F(ShellCoreSettings, AcceptsWindowsLineEndsAndWideFields) {
    std::string error;
    EXPECT_TRUE(ApplySettingsText("01 2026 1 2 3 4 5 1 1280 720 0\r\n02 1 1 0 0 0 0 0 0 0 0\r\n", &error)) << error;
    EXPECT_EQ(GameSettings.backBufferWidth, 1280);
    EXPECT_EQ(GameSettings.windowed, 1);
}

TEST_F(ShellCoreSettings, DamagedTextChangesNothing) {
    GameSettings = {1, 800, 600};
    EquipmentFlags.worn = 1;
    const char* damaged[] = {
        "",
        "hello\n",
        "01 2026 1 2 3 4 5 0 1920 1080 0\n",                                       // line 02 missing
        "01 2026 1 2 3 4 5 0 1920 1080 0\n02 1 1 0 0 0\n",                          // line 02 cut short
        "02 1 1 0 0 0 0 0 0 0 0\n01 2026 1 2 3 4 5 0 1920 1080 0\n",               // lines swapped
        "01 2026 1 2 3 4 5 0 1920 x 0\n02 1 1 0 0 0 0 0 0 0 0\n",                  // not a number
        "01 2026 1 2 3 4 5 0 1920 1080 0\n02 1 1 0 7 0 0 0 0 0 0\n",               // worn word 7
        "01 2026 1 2 3 4 5 0 99999999999 1080 0\n02 1 1 0 0 0 0 0 0 0 0\n",        // beyond 32 bits
        "01 2026 1 2 3 4 5 0 1920 1080 \n0 02 1 1 0 0 0 0 0 0 0 0\n",             // a field on the next line
    };
    for (const char* text : damaged) {
        SCOPED_TRACE(text);
        std::string error;
        EXPECT_FALSE(ApplySettingsText(text, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(GameSettings.backBufferWidth, 800);
        EXPECT_EQ(EquipmentFlags.worn, 1);
    }
}

TEST_F(ShellCoreSettings, MissingFileStartsInA1024By768Window) {
    ReadSettings();
    EXPECT_EQ(GameSettings.windowed, 1);
    EXPECT_EQ(GameSettings.backBufferWidth, 1024);
    EXPECT_EQ(GameSettings.backBufferHeight, 768);
    // The read is logged even when there was nothing to read.
    EXPECT_NE(TraceLog().find("  4 D    GcLoad(              "), std::string::npos);
}

TEST_F(ShellCoreSettings, UnusableSizeFromTheFileFallsBackButKeepsTheEquipment) {
    WriteText("Data/Save/SaveC0.txt", "01 2026 1 2 3 4 5 0 0 0 0\n02 1 0 1 1 1 1 0 0 0 0\n");
    ReadSettings();
    EXPECT_EQ(GameSettings.windowed, 1);
    EXPECT_EQ(GameSettings.backBufferWidth, 1024);
    EXPECT_EQ(GameSettings.backBufferHeight, 768);
    EXPECT_EQ(EquipmentFlags.acquiredB, 1);
    EXPECT_EQ(PlayerState.weaponMode2, 1);
    // The date of the file never survives: the sampling after the read replaces it.
    EXPECT_GE(TraceSample.year, 2024);
}

// The desktop here is 1920 x 1080: a size that does not fit on it starts the
// default window, with one line on standard error.
TEST_F(ShellCoreSettings, SizesBeyondTheDesktopStartTheDefaultWindow) {
    struct Row {
        int width, height, windowed;
        int wantWidth, wantHeight, wantWindowed;
        bool reported;
    };
    const Row rows[] = {
        {16384, 16384, 1, 1024, 768, 1, true}, {16384, 16384, 0, 1024, 768, 1, true},
        {1921, 1080, 1, 1024, 768, 1, true},   {1920, 1081, 0, 1024, 768, 1, true},
        {1920, 1080, 0, 1920, 1080, 0, false}, {800, 600, 1, 800, 600, 1, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.width << " x " << r.height);
        char text[160];
        std::snprintf(text, sizeof text, "01 2026 1 2 3 4 5 %d %d %d 0\n02 1 0 0 0 0 0 0 0 0 0\n", r.windowed, r.width,
                      r.height);
        WriteText("Data/Save/SaveC0.txt", text);
        testing::internal::CaptureStderr();
        ReadSettings();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(GameSettings.backBufferWidth, r.wantWidth);
        EXPECT_EQ(GameSettings.backBufferHeight, r.wantHeight);
        EXPECT_EQ(GameSettings.windowed, r.wantWindowed);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), r.reported ? 1 : 0) << err;
    }
}

TEST_F(ShellCoreSettings, GarbageFileIsIgnoredAndReported) {
    WriteText("Data/Save/SaveC0.txt", std::string("\x01\x02garbage\0\xff", 11));
    EquipmentFlags.worn = 1;
    ReadSettings();
    EXPECT_EQ(EquipmentFlags.worn, 1);
    EXPECT_EQ(GameSettings.backBufferWidth, 1024);
}

TEST_F(ShellCoreSettings, AFileTooLargeToBeOursIsIgnoredWithOneLine) {
    // A well-formed file padded past 64 KB: the size alone refuses it.
    std::string text = "01 2026 1 2 3 4 5 1 1280 720 0\n02 1 0 1 1 1 1 0 0 0 0\n";
    text += std::string(64 * 1024, '\n');
    WriteText("Data/Save/SaveC0.txt", text);
    EquipmentFlags.worn = 0;
    testing::internal::CaptureStderr();
    ReadSettings();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "Quillmarch: Data/Save/SaveC0.txt is ignored: it is larger than 64 KB\n");
    EXPECT_EQ(EquipmentFlags.worn, 0);
    EXPECT_EQ(GameSettings.backBufferWidth, 1024);
}

TEST_F(ShellCoreSettings, TheNextStartUsesTheSizeAndModeOfTheLastRun) {
    backBufferWidth = 1280;
    backBufferHeight = 720;
    StartGame();
    RunFrames(2);
    EquipmentFlags.acquiredA = 1;
    Tap(VK_ESCAPE);
    RunFrames(1);
    StopGame();

    const std::vector<std::string> lines = SplitLines(ReadText("Data/Save/SaveC0.txt"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 2), "01");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 28), "      1   1280    720      0");
    EXPECT_EQ(lines[1].substr(0, 2), "02");
    EXPECT_EQ(lines[1].substr(16, 7), "      1");   // field 3: the first equipment item

    GameSettings = {};
    EquipmentFlags = EquipmentFlagsRecord{};
    ReadSettings();
    EXPECT_EQ(GameSettings.windowed, 1);
    EXPECT_EQ(GameSettings.backBufferWidth, 1280);
    EXPECT_EQ(GameSettings.backBufferHeight, 720);
    EXPECT_EQ(EquipmentFlags.acquiredA, 1);
}

TEST_F(ShellCoreSettings, WritingLeavesNoTemporaryFilesBehind) {
    WriteSettings();
    WriteSettings();
    for (const std::string& f : ListFiles()) EXPECT_EQ(f.find(".tmp"), std::string::npos) << f;
    EXPECT_TRUE(HasFile("Data/Save/SaveC0.txt"));
}

}  // namespace
