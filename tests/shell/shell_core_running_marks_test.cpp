// The running marks: a second copy of the game makes both copies stop, and a
// mark left behind by a run that crashed does not stop the next start.
#include "core/game_flow.h"
#include "shell/frame.h"
#include "shell/settings_files.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr const char* kRunning = "1=on 2=off 1 \n";
constexpr const char* kStopped = "1=on 2=off 2 \n";
constexpr const char* kStopAsked = "W_open 1=on 2=off 1 \n";
constexpr const char* kStopServed = "W_open 1=on 2=off 2 \n";
constexpr const char* kDoubleStartText = "２重起動の為終了します。";

class ShellCoreRunningMarks : public GameHarness {
protected:
    // Stands in for another live copy: holds the running lock through a
    // descriptor of its own, as another process would.
    void HoldLockAsAnotherCopy() {
        WriteText("Data/Save/SaveS1.lock", "");
        otherCopy_ = ::open((Dir() / "Data/Save/SaveS1.lock").c_str(), O_RDWR);
        ASSERT_GE(otherCopy_, 0);
        ASSERT_EQ(::flock(otherCopy_, LOCK_EX | LOCK_NB), 0);
    }
    void TearDown() override {
        if (otherCopy_ >= 0) ::close(otherCopy_);
        GameHarness::TearDown();
    }
    bool MessageShown() const {
        for (const auto& frame : Frames())
            for (const std::string& text : frame.messageBoxes)
                if (text == kDoubleStartText) return true;
        return false;
    }
    int otherCopy_ = -1;
};

TEST_F(ShellCoreRunningMarks, ANormalRunMarksItselfRunningThenStopped) {
    StartGame();
    EXPECT_EQ(ReadText("Data/Save/SaveS1.txt"), kRunning);
    RunFrames(3);
    EXPECT_EQ(GameFlowExtra.instanceCheckArmed, 1);
    EXPECT_EQ(GameFlow.quitFlag, 0);
    StopGame();
    EXPECT_EQ(ReadText("Data/Save/SaveS1.txt"), kStopped);
}

TEST_F(ShellCoreRunningMarks, MarksReadBackTheirDigit) {
    EXPECT_EQ(ReadRunningFlag(), 3);   // no file
    WriteRunningFlag(1);
    EXPECT_EQ(ReadRunningFlag(), 1);
    WriteDoubleStartFlag(2);
    EXPECT_EQ(ReadText("Data/Save/SaveS2.txt"), kStopServed);
    EXPECT_EQ(ReadDoubleStartFlag(), 2);
    WriteText("Data/Save/SaveS1.txt", "1=on 2=off 27 \n");
    EXPECT_EQ(ReadRunningFlag(), 2);   // one character is read
    WriteText("Data/Save/SaveS1.txt", "1=on 2=off x \n");
    EXPECT_EQ(ReadRunningFlag(), 3);
    WriteText("Data/Save/SaveS2.txt", "1=on 2=off 1 \n");   // the other file's words
    EXPECT_EQ(ReadDoubleStartFlag(), 3);
}

TEST_F(ShellCoreRunningMarks, ASecondCopyStopsBeforeItsFirstFrameAndAsksTheFirstToStop) {
    WriteText("Data/Save/SaveS1.txt", kRunning);
    HoldLockAsAnotherCopy();
    StartGame();
    EXPECT_EQ(GameFlow.quitFlag, 1);
    EXPECT_EQ(ReadText("Data/Save/SaveS2.txt"), kStopAsked);
    // Its first frame writes the settings and closes; it never arms the check.
    RunFrames(1);
    EXPECT_TRUE(plat::headless::WindowClosed());
    EXPECT_EQ(GameFlowExtra.instanceCheckArmed, 0);
    EXPECT_TRUE(HasFile("Data/Save/SaveC0.txt"));
    EXPECT_EQ(ReadText("Data/Save/SaveS2.txt"), kStopAsked);
}

TEST_F(ShellCoreRunningMarks, ALiveCopyIsFoundWhateverItsMarkSays) {
    // The running copy's mark can be missing (not yet written), hold
    // something else, or be no file at all (it could not write one).
    const char* const marks[] = {"missing", "stopped", "damaged", "unwritable"};
    for (const std::string mark : marks) {
        SCOPED_TRACE(mark);
        std::filesystem::remove_all(Dir() / "Data");
        std::filesystem::create_directories(Dir() / "Data/Save");
        if (mark == "stopped") WriteText("Data/Save/SaveS1.txt", kStopped);
        if (mark == "damaged") WriteText("Data/Save/SaveS1.txt", "1=on 2");
        if (mark == "unwritable") std::filesystem::create_directories(Dir() / "Data/Save/SaveS1.txt");
        HoldLockAsAnotherCopy();
        // The second copy: stops before its first frame and asks the running
        // one to stop, as with a mark of 1.
        EXPECT_TRUE(AnotherCopyIsRunning());
        EXPECT_FALSE(ClaimRunningLock());
        ::close(otherCopy_);
        otherCopy_ = -1;
    }
    // And the whole start-up of the second copy, with the mark missing.
    std::filesystem::remove_all(Dir() / "Data/Save/SaveS1.txt");
    HoldLockAsAnotherCopy();
    StartGame();
    EXPECT_EQ(GameFlow.quitFlag, 1);
    EXPECT_EQ(ReadText("Data/Save/SaveS2.txt"), kStopAsked);
    RunFrames(1);
    EXPECT_TRUE(plat::headless::WindowClosed());
    EXPECT_EQ(GameFlowExtra.instanceCheckArmed, 0);
}

TEST_F(ShellCoreRunningMarks, TheRunningCopyStopsWithAMessageEvenWithoutItsMark) {
    StartGame();
    RunFrames(2);
    // Its mark is gone (deleted, or never written on a full disk); the
    // second copy's request reaches it all the same.
    std::filesystem::remove(Dir() / "Data/Save/SaveS1.txt");
    WriteText("Data/Save/SaveS2.txt", kStopAsked);
    RunFrames(1);
    EXPECT_TRUE(MessageShown());
    RunFrames(1);
    EXPECT_TRUE(plat::headless::WindowClosed());
}

TEST_F(ShellCoreRunningMarks, FifosInPlaceOfTheMarksDoNotHoldUpTheStart) {
    std::filesystem::create_directories(Dir() / "Data/Save");
    ASSERT_EQ(::mkfifo((Dir() / "Data/Save/SaveS1.txt").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((Dir() / "Data/Save/SaveS2.txt").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((Dir() / "Data/Save/SaveC0.txt").c_str(), 0644), 0);
    EXPECT_EQ(ReadRunningFlag(), 3);
    EXPECT_EQ(ReadDoubleStartFlag(), 3);
    StartGame();
    RunFrames(3);
    EXPECT_EQ(GameFlow.quitFlag, 0);
    EXPECT_FALSE(MessageShown());
    StopGame();
    // The game's own writes put regular files in their place.
    EXPECT_EQ(ReadText("Data/Save/SaveS1.txt"), kStopped);
}

TEST_F(ShellCoreRunningMarks, TheRunningCopyStopsWithAMessageWhenAskedTo) {
    StartGame();
    RunFrames(2);
    WriteText("Data/Save/SaveS2.txt", kStopAsked);
    RunFrames(1);
    EXPECT_EQ(GameFlow.quitFlag, 1);
    EXPECT_EQ(ReadText("Data/Save/SaveS2.txt"), kStopServed);
    ASSERT_EQ(LastFrame().messageBoxes.size(), 1u);
    EXPECT_EQ(LastFrame().messageBoxes[0], kDoubleStartText);
    EXPECT_FALSE(plat::headless::WindowClosed());
    // The next frame writes the settings and closes the window.
    RunFrames(1);
    EXPECT_TRUE(plat::headless::WindowClosed());
    EXPECT_TRUE(HasFile("Data/Save/SaveC0.txt"));
}

TEST_F(ShellCoreRunningMarks, AMarkLeftByACrashedRunDoesNotStopTheNextStarts) {
    // The crashed run never got to write "stopped", and no copy holds the lock.
    WriteText("Data/Save/SaveS1.txt", kRunning);
    StartGame();
    EXPECT_EQ(GameFlow.quitFlag, 0);
    RunFrames(5);
    EXPECT_FALSE(plat::headless::WindowClosed());
    EXPECT_FALSE(MessageShown());
    EXPECT_NE(ReadText("Data/Save/SaveS2.txt"), kStopAsked);
}

TEST_F(ShellCoreRunningMarks, AStopRequestNobodyServedIsDroppedAtAStartWithNoOtherCopy) {
    WriteText("Data/Save/SaveS1.txt", kStopped);
    WriteText("Data/Save/SaveS2.txt", kStopAsked);
    StartGame();
    RunFrames(3);
    EXPECT_EQ(GameFlow.quitFlag, 0);
    EXPECT_FALSE(MessageShown());
    EXPECT_EQ(ReadText("Data/Save/SaveS2.txt"), kStopServed);
}

TEST_F(ShellCoreRunningMarks, WhileACopyRunsAnotherCopySeesItRunning) {
    StartGame();
    RunFrames(1);
    // This process holds the lock; a probe through another descriptor (as a
    // second process would make) finds it taken.
    int probe = ::open((Dir() / "Data/Save/SaveS1.lock").c_str(), O_RDWR);
    ASSERT_GE(probe, 0);
    EXPECT_NE(::flock(probe, LOCK_EX | LOCK_NB), 0);
    ::close(probe);
    StopGame();
    probe = ::open((Dir() / "Data/Save/SaveS1.lock").c_str(), O_RDWR);
    ASSERT_GE(probe, 0);
    EXPECT_EQ(::flock(probe, LOCK_EX | LOCK_NB), 0);   // released at shut-down
    ::close(probe);
}

}  // namespace
