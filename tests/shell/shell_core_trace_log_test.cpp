// The trace log: its header, the event lines and the entries of the other
// codes, and how the file is created and appended to.
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/player.h"
#include "core/residency.h"
#include "core/trace_log.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

class ShellCoreTraceLog : public GameHarness {
protected:
    void SetUp() override {
        GameHarness::SetUp();
        TraceSample.year = 2026;
        TraceSample.month = 12;
        TraceSample.day = 7;
        TraceSample.hour = 10;
        TraceSample.minute = 20;
        TraceSample.second = 5;
        TraceSample.totalMb = 8000;
        TraceSample.availableMb = 900;
        TraceSample.firstAvailableMb = 1000;
        TraceSample.lowestAvailableMb = 850;
        GameClock.gameClock = 12.3456;
        GameClock.frameTime = 0.0156;
    }
};

TEST_F(ShellCoreTraceLog, EventLinePrintsTimeMemoryClockAndCheckValue) {
    // taken 1000 - 900, most taken 1000 - 850, check 10 + 20 - 5 - 900.
    EXPECT_EQ(TraceEntryText(1), "  1 A    App(                 10:20: 5    100    150 12.346  0.016 cc      -875\n");
    // Memory given back after the first sampling makes "taken" negative while
    // "most taken" keeps the worst seen.
    TraceSample.availableMb = 1100;
    EXPECT_EQ(TraceEntryText(10), " 10 J    [06] Keyboard        10:20: 5   -100    150 12.346  0.016 cc     -1075\n");
}

TEST_F(ShellCoreTraceLog, EveryEventCodeHasItsThirtyCharacterLabel) {
    const std::pair<int, const char*> labels[] = {
        {2, "  2 B    [05] Mes Recive      "}, {8, "  8 s    Sund2(wave           "},
        {9, "  9 e    Sund2(wave           "}, {12, " Reset Data 1 -------------   "},
        {98, " 98 Y    [03] OnLostDevice    "}, {107, "107 Gs[4] Load  Stconst Gazo1 "},
        {112, "112 Gs[6] Free  Stconst Gazo2 "},
    };
    for (const auto& [code, label] : labels) {
        SCOPED_TRACE(code);
        std::string text = TraceEntryText(code);
        ASSERT_GE(text.size(), 30u);
        EXPECT_EQ(text.substr(0, 30), label);
        EXPECT_EQ(text.substr(30), "10:20: 5    100    150 12.346  0.016 cc      -875\n");
    }
}

TEST_F(ShellCoreTraceLog, ShutdownEntryEndsWithTheFrameworksExitCode) {
    // The framework has not failed: exit code 0.
    std::string text = TraceEntryText(99);
    EXPECT_EQ(text.substr(0, 30), " 99 Z    [04] OnDestroyDevice ");
    EXPECT_NE(text.find("\nDirect3D Shutdown Code   0  It performed normally. \n"), std::string::npos);
}

TEST_F(ShellCoreTraceLog, OtherEntries) {
    EXPECT_EQ(TraceEntryText(100), "100 H_00 Memory 2026/12/ 7    10:20: 5   8000    900  cc      9120\n");
    Era00AreaFlag = 0;
    Era01AreaFlag = 1;
    Era02AreaFlag = 2;
    EXPECT_EQ(TraceEntryText(952),
              "Save Gdata02  0  1  2  0  0 --------------------------------------------------------\n");
    EXPECT_EQ(TraceEntryText(956),
              "Load Gdata03  0  1  2  0  0 --------------------------------------------------------\n");
    EXPECT_EQ(TraceEntryText(991), "Stage  --> Menu  \n");
    EXPECT_EQ(TraceEntryText(999), "Esc             \n");
    ScrollX = 4321;
    EXPECT_EQ(TraceEntryText(1017), " load D017              4321              100    150  \n");
    EXPECT_EQ(TraceEntryText(2004), " free A004              4321              100    150  \n");
    PloadPlan.state[42] = 2;
    EXPECT_EQ(TraceEntryText(99042), "Pload   GNo[ 42]=  2    4321              100    150  \n");
    EXPECT_EQ(TraceEntryText(77042), "Pfree   GNo[ 42]=  2    4321              100    150  \n");
    // Codes without an entry write nothing.
    for (int code : {14, 97, 950, 1002, 2100, 77101, 123456}) EXPECT_EQ(TraceEntryText(code), "") << code;
}

TEST_F(ShellCoreTraceLog, PlanEntriesListTheirRows) {
    PloadPlan.rowSet[1] = 3;
    PloadPlan.rowFrom[1] = 250;
    PloadPlan.rowTo[1] = 1940;
    std::vector<std::string> lines = SplitLines(TraceEntryText(972));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "Era04 Pload data new ");
    EXPECT_EQ(lines[1], "GNoA[  1]=  3 B[  1]=   250 C[  1]=  1940 (  -950 ->   3140)");
    EXPECT_EQ(SplitLines(TraceEntryText(989)).size(), 38u);
    EXPECT_EQ(SplitLines(TraceEntryText(971)).size(), 13u);
}

TEST_F(ShellCoreTraceLog, HeaderDescribesTheMachine) {
    std::vector<std::string> lines = SplitLines(TraceHeaderText());
    ASSERT_GE(lines.size(), 15u);
    EXPECT_FALSE(lines[0].empty());
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "os     Unknown Windows     ");
    EXPECT_EQ(lines[3].rfind("cpu    ", 0), 0u);
    const char* labels[] = {"dwPageSize              ", "dwActiveProcessorMask   ", "dwNumberOfProcessors    ",
                            "dwProcessorType         ", "dwAllocationGranularity ", "wProcessorLevel         ",
                            "wProcessorRevision      "};
    for (int i = 0; i < 7; ++i) {
        std::regex line("       " + std::string(labels[i]) + "= -?\\d+, ");
        EXPECT_TRUE(std::regex_match(lines[4 + i], line)) << lines[4 + i];
    }
    EXPECT_EQ(lines[11], "");
    EXPECT_TRUE(std::regex_match(lines[12], std::regex("memory Physical\\(Total [ \\d]{5,}\\d Mb    Avail [ \\d]{5,}\\d Mb\\)")))
        << lines[12];
    EXPECT_TRUE(std::regex_match(lines[13], std::regex("       Virtual \\(Total [ \\d]{5,}\\d Mb    Avail [ \\d]{5,}\\d Mb\\)")))
        << lines[13];
    // Physical memory of a real machine is never 0 MB.
    EXPECT_EQ(lines[12].find("Total      0 Mb"), std::string::npos);
}

TEST_F(ShellCoreTraceLog, CodeZeroStartsTheFileAndOtherCodesAppend) {
    WriteTraceLog(0);
    const std::string header = ReadText("Data/Save/SaveS0.txt");
    ASSERT_FALSE(header.empty());
    WriteTraceLog(1);
    // Each entry reads the memory figures as it is written: its text is
    // taken before the next entry reads them again.
    const std::string entry1 = TraceEntryText(1);
    WriteTraceLog(97);   // no entry: the file is left as it was
    WriteTraceLog(992);
    EXPECT_EQ(ReadText("Data/Save/SaveS0.txt"), header + entry1 + "Menu   --> Stage \n");
    WriteTraceLog(0);
    EXPECT_EQ(TraceLines().size(), SplitLines(header).size());
}

TEST_F(ShellCoreTraceLog, FirstSamplingSetsTheBaselineAndWritesEntry100Once) {
    TraceSample = TraceSampleRecord{};
    SampleTraceValues();
    EXPECT_GT(TraceSample.availableMb, 0);
    EXPECT_EQ(TraceSample.firstAvailableMb, TraceSample.availableMb);
    EXPECT_EQ(TraceSample.lowestAvailableMb, TraceSample.availableMb);
    EXPECT_GE(TraceSample.year, 2024);
    EXPECT_GE(TraceSample.month, 1);
    EXPECT_LE(TraceSample.month, 12);
    SampleTraceValues();
    TakeTraceReadings();
    int entries = 0;
    for (const std::string& line : TraceLines())
        if (line.rfind("100 H_00 Memory ", 0) == 0) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(ShellCoreTraceLog, ReadingsKeepTheLowestAvailableMemory) {
    TraceSample.firstAvailableMb = 1;
    TraceSample.lowestAvailableMb = 1;   // lower than any real reading
    TakeTraceReadings();
    EXPECT_EQ(TraceSample.firstAvailableMb, 1);
    EXPECT_EQ(TraceSample.lowestAvailableMb, 1);
    TraceSample.lowestAvailableMb = 1 << 30;   // higher than any real reading
    TakeTraceReadings();
    EXPECT_EQ(TraceSample.lowestAvailableMb, TraceSample.availableMb);
}

}  // namespace
