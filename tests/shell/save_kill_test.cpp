// A save killed at any moment leaves the slot holding either the old game or
// the new one, complete: never a mixture, never a cut-off file.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "core/area_flags.h"
#include "core/player.h"
#include "core/trace_log.h"
#include "shell/save_dir_fixture.h"
#include "shell/save_slots.h"
#include "text/menu_state.h"

namespace fs = std::filesystem;

namespace {

std::string SlotTextWithGold(std::int32_t gold) {
    Gold = gold;
    GdataImage image;
    CollectGdata(image);
    return FormatGdata(image);
}

class SaveKillTest : public SaveDirTest {};

TEST_F(SaveKillTest, AKilledSaveLeavesTheOldOrTheNewSlotWhole) {
    TraceSample.year = 2026;
    TraceSample.month = 1;
    TraceSample.day = 2;
    Era00AreaFlag = 1;
    MenuStageSnapshot.x = 130;
    const std::string oldText = SlotTextWithGold(111111);
    const std::string newText = SlotTextWithGold(2222222);
    ASSERT_NE(oldText, newText);

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> waitMicros(0, 2500);
    int sawOld = 0, sawNew = 0;
    const int kRounds = 150;
    for (int round = 0; round < kRounds; ++round) {
        {
            std::ofstream out("Data/Save/Save01.txt", std::ios::binary | std::ios::trunc);
            out << oldText;
        }
        std::fflush(nullptr);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // The child saves the new game again and again until it is killed.
            int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, 1);
            dup2(quiet, 2);
            Gold = 2222222;
            for (;;) SaveGdata(1);
        }
        // Every tenth kill lands at once, before the child's first save can
        // finish; every tenth waits until a save has finished (each save is
        // flushed to disk, which can take long on a busy machine); the others
        // land anywhere in its run of saves.
        if (round % 10 == 5) {
            for (int polls = 0; polls < 4000 && FileText("Data/Save/Save01.txt") != newText; ++polls) {
                timespec poll{0, 500 * 1000L};
                nanosleep(&poll, nullptr);
            }
        } else {
            const long micros = round % 10 == 0 ? 0 : waitMicros(random);
            timespec wait{0, micros * 1000L};
            nanosleep(&wait, nullptr);
        }
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        const std::string now = FileText("Data/Save/Save01.txt");
        if (now == oldText) ++sawOld;
        else if (now == newText) ++sawNew;
        else FAIL() << "round " << round << ": the slot holds " << now.size() << " bytes of neither game";
        // Whatever is there loads.
        Gold = 0;
        EXPECT_TRUE(LoadGdata(1));
        EXPECT_TRUE(Gold == 111111 || Gold == 2222222);
    }
    // Both outcomes occur, so the kills did land at different moments.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
    EXPECT_EQ(sawOld + sawNew, kRounds);
    // The next save clears what the killed ones left beside the slot.
    ASSERT_TRUE(SaveGdata(1));
    for (const auto& entry : fs::directory_iterator("Data/Save"))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

}  // namespace
