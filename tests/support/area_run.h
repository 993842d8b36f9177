// Area runs: the real game started from a save slot written for the test,
// then played by a small driver that stands in for the player's hands.
//
//   class Era01Run : public AreaRun {};
//   TEST_F(Era01Run, WalksToTheLift) {
//       StartFromSlot([] {
//           Era00AreaFlag = 2;
//           Era01AreaFlag = 1;
//           PlayerState.x = 1500;
//           ScrollX = 1100;
//       });
//       Hold(VK_RIGHT);
//       ASSERT_TRUE(Play([] { return PlayerState.x >= 2000; }, 600));
//       LetGo(VK_RIGHT);
//   }
//
// StartFromSlot starts from the game's start values, lets setWords write the
// words the test needs, saves them into slot 1 with the game's own slot
// writer (the heroine's place is taken from PlayerState and ScrollX as the
// menu takes it), starts the game, continues from the title and loads the
// slot. Only what a save keeps survives, as in a real game: words a slot does
// not hold are written after StartFromSlot returns.
//
// The driver, every frame that Play runs:
//  - taps Enter when a line waits for it (EnterConfirmState 1 while a scene
//    shows a line or holds the heroine), unless autoEnter is false;
//  - gives the next scripted answer (AnswerYes, AnswerNo, AnswerNumber), in
//    turn with Enter, until a prompt has taken it. Y and N are pressed while
//    a line is on screen and count as taken when the game has cleared their
//    key flag and the lines or the Enter handshake changed in that frame; a
//    number is pressed while the number keys are open and counts as taken
//    when the game has set NumberKeyValue back;
//  - re-sends the keys held with Hold after every other key event, since
//    every key event clears all key flags (a real key held down repeats).
//
// The random generator is seeded once per test (SeedRandom, seed 1 unless
// the test seeds it again); the game's data reset keeps that seed.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <set>

#include "support/game_harness.h"

// The line words of every dialogue channel (0 where no line is shown).
std::array<std::int32_t, 15> DialogueLineWords();
// The flag a held key sets, or nullptr for a key without one.
std::int32_t* FlagOfKey(int key);

class AreaRun : public GameHarness {
    // The hands that play an area's fights for its own run and for the
    // whole-game run alike.
    friend class Era04Hands;
    // A road shared between tests drives the keys and frames of its run.
    friend class KeyHands;

protected:
    // Tap Enter whenever a line waits (set before Play).
    bool autoEnter = true;

    void SetUp() override;
    void TearDown() override;
    // The next game in this process, as fresh as the next test's: for the
    // rows of a table that each play a game of their own.
    void AnotherGame();

    void StartFromSlot(std::function<void()> setWords);
    // From the title (waited for): continue, slot 1, on to the stage.
    void ContinueFromTitle();
    // The program ends and starts again in the same folder, every word of
    // the game at its start value.
    void StartProgramAgain();

    // Runs frames with the driver until `until` holds (checked after every
    // frame) or maxFrames have run; true when it held.
    bool Play(std::function<bool()> until, int maxFrames);
    // Runs n frames with the driver.
    void PlayFrames(int n);

    // Keys held down until LetGo.
    void Hold(int key);
    void LetGo(int key);
    const std::set<int>& HeldKeys() const { return held_; }

    // Scripted answers, given in order to the prompts as they come.
    void AnswerYes();
    void AnswerNo();
    void AnswerNumber(int n);
    std::size_t AnswersLeft() const { return answers_.size(); }

    // Enter taps the driver has given since the start.
    int EntersGiven() const { return entersGiven_; }

private:
    struct Answer {
        int key = 0;
    };
    // One frame: the driver's key events, the frame, what the game took.
    bool DriveOneFrame();
    void SendKey(int key, bool down);

    std::set<int> held_;
    std::deque<Answer> answers_;
    int answerKeyDown_ = 0;
    bool enterTurn_ = false;
    int entersGiven_ = 0;
};
