// A fixture for tests that run the whole game headless.
//
// Every test gets a fresh temporary working folder (the game writes its files
// under Data/Save there), the headless backend starts from nothing, and
// StartGame() runs the game's start-up. Frames then run on the virtual clock
// with scripted key events; the recorded frames, the trace log and every file
// the game wrote can be inspected. Tear-down closes the window, lets the
// framework release the device, runs the game's shut-down and removes the
// folder.
//
//   class MyTest : public GameHarness {};
//   TEST_F(MyTest, Something) {
//       StartGame();
//       RunFrames(10);
//       Tap(VK_RETURN);
//       RunFrames(1);
//       EXPECT_NE(TraceLog().find("..."), std::string::npos);
//   }
//
// Options (set before StartGame): linkSounds (link Data/Wav of the built game
// folder; default true), frameStep (seconds per frame; default 1/64),
// backBufferWidth/Height (default 1024x768), frameHistory (recorded frames
// kept; default 64, 1 for a long run that reads none).
#pragma once

#include "platform/headless.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The virtual keys the game maps (classic desktop codes).
enum HarnessKey : int {
    VK_RETURN = 13, VK_ESCAPE = 27,
    VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
    VK_F1 = 112, VK_F2 = 113, VK_F5 = 116, VK_F6 = 117, VK_F7 = 118, VK_F9 = 120,
};
constexpr int VkLetter(char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }
constexpr int VkDigit(int d) { return '0' + d; }

// One scripted key event: before frame `frame` (counted from the first frame
// RunScript runs, 0-based), key goes down (down = true) or up.
struct ScriptedKey {
    int frame = 0;
    int key = 0;
    bool down = true;
};

// When texture slot `slot`'s picture was first made, or asked for ahead
// (platform clock), among the platform's makings from index `from` on; -1
// when it was not.
double FirstMakingOfSlot(int slot, std::size_t from);

class GameHarness : public ::testing::Test {
protected:
    // ---- options, set before StartGame
    bool linkSounds = true;
    double frameStep = 1.0 / 64.0;
    int frameHistory = 64;
    int backBufferWidth = 1024;
    int backBufferHeight = 768;
    // Called after every frame the fixture runs, when set (the storyboard
    // takes its pictures through it), and before every frame.
    std::function<void()> afterEachFrame;
    std::function<void()> beforeEachFrame;
    // Told of every key event the fixture queues, as it is queued (the save
    // sweep records the keys a game was given).
    std::function<void(int key, bool down)> onKeyEvent;

    void SetUp() override;
    void TearDown() override;

    // Runs the game's start-up (GameStartUp) and expects it to succeed.
    // Returns its result (0 = device created).
    int StartGame();
    // Start-up without expecting success (for tests of failing start-ups).
    int TryStartGame();
    // Closes the window, lets the framework end its loop (device lost and
    // destroyed) and runs the game's shut-down; returns the exit code. Called
    // by TearDown when a test has not done it.
    int StopGame();
    bool GameStarted() const { return started_; }
    // Stops the game, runs betweenRuns (what a new process would start
    // from), then starts the game again in the same folder.
    int RestartGame(const std::function<void()>& betweenRuns);

    // Runs n frames; returns how many ran (fewer when the window closed).
    int RunFrames(int n);
    // Frames the fixture has run since the test began, over every start of
    // the game.
    long FramesRunSoFar() const { return framesRun_; }
    // Runs frames until pred() holds (checked after every frame) or maxFrames
    // have run; returns true when pred() held.
    template <typename Pred>
    bool RunFramesUntil(Pred pred, int maxFrames) {
        for (int i = 0; i < maxFrames; ++i) {
            if (RunFrames(1) == 0) return pred();
            if (pred()) return true;
        }
        return false;
    }
    // Runs `frames` frames delivering the scripted key events before the
    // frames they name.
    int RunScript(const std::vector<ScriptedKey>& script, int frames);

    // Key events delivered before the next frame.
    void Press(int key);
    void Release(int key);
    void Tap(int key);

    // ---- what the game did
    const std::vector<plat::headless::FrameRecord>& Frames() const;
    const plat::headless::FrameRecord& LastFrame() const;
    // Text of the trace log Data/Save/SaveS0.txt ("" when absent).
    std::string TraceLog() const;
    // The trace log's lines.
    std::vector<std::string> TraceLines() const;

    // ---- files of the working folder (paths relative to it)
    std::filesystem::path Dir() const { return dir_; }
    // Goes on in a copy of the working folder (the game's files too): a run
    // forked from this test keeps its files apart. False when it could not
    // be made. The copy is the test's folder from then on.
    bool MoveToACopyOfTheFolder();
    std::string ReadText(const std::string& relPath) const;   // "" when absent
    bool HasFile(const std::string& relPath) const;
    void WriteText(const std::string& relPath, const std::string& text) const;
    // Every regular file below the working folder, relative paths, sorted
    // (the linked sound folder is not listed).
    std::vector<std::string> ListFiles() const;

private:
    std::filesystem::path dir_;
    std::filesystem::path previousDir_;
    bool started_ = false;
    bool stopped_ = false;
    long framesRun_ = 0;
    int exitCode_ = 0;
};

// Splits text into lines (a trailing "\r" is dropped from each line).
std::vector<std::string> SplitLines(const std::string& text);
