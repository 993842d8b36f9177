// The road's sweeps: the whole game's road played with a player's own doing
// between its frames, in a process forked from the road's, and the game
// given what the game that went on was given, the two compared second by
// second. The save sweep saves and loads the save from the title; the
// device-loss sweep presses F6 (the full screen on or off, a device loss and
// reset) in the next frame.
//
// The save sweep:
// Where the road goes on, the sweep tries the save screen's Enter (slot 3)
// through the menu: at every place the game opens the menu itself, as the
// road passes each save spot, and (the whole sweep) every 10 s of play
// wherever F2 opens the menu, inside scenes and fights too. Each try runs in
// a process forked from the road's at that frame, so the road itself goes
// on as if nobody had saved (its bots play the fights the seed gives them).
// Away from a save spot the save screen refuses, as it does for a player;
// such a try ends there and is counted by place. A save that is written
// starts a window: the 20 s of play after the menu has closed, from the
// first stage frame, with the keys the road pressed, the words its test
// hooks wrote (an opponent's HP lowered) and what each second showed. The
// save is then loaded from the title in a new game of that process and (a
// sample) of a new run of the test program, the same keys and hooks are
// given frame by frame, and each second is compared: the area flags and the
// picture sets loaded, the pictures drawn (by picture and cell), the lines
// shown, the story and step words the save holds, and where she stands.
//
// The save keeps no state of the random numbers, nor of the animation
// counters, which run on the real-time clock: the loaded game is given the
// state the game that went on had at the window's first frame, so a draw
// decides alike in both and a position that still differs was decided by
// something the save lost.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <sys/types.h>
#include <set>
#include <string>
#include <vector>

#include "playthrough.h"
#include "support/pictures_made.h"

// What a second of play showed, each kind a set of named items.
struct SecondLook {
    static constexpr int kKinds = 7;
    // area flags, picture sets loaded, pictures drawn, lines shown, the
    // save's story and step words (each over the whole second), her place
    // (at its end) and her poses (over the second).
    std::array<std::set<std::string>, kKinds> kinds;
    // The frames of the second in which something held her on the stage.
    int heldFrames = 0;
    bool operator==(const SecondLook&) const = default;
};
extern const char* const kLookKindNames[SecondLook::kKinds];

// What the game that went on was given before a frame of its window.
struct WindowEvent {
    enum class Kind { Key, Write, Alike };
    Kind kind = Kind::Key;
    int frame = 0;
    int key = 0;            // Key: the key and whether it went down
    bool down = false;
    int region = 0;         // Write: bytes of a watched record
    int offset = 0;
    std::string bytes;
    // Alike: the random generator's state and last draw, and the animation
    // counters (frame, seconds since their last advance).
    std::uint32_t seed = 0;
    std::int32_t lastDraw = 0;
    std::array<std::int32_t, 6> tickerFrame{};
    std::array<double, 6> tickerSince{};
    std::int32_t tickLast = 1;
};

// A save the sweep made, or an F6 it pressed, and the window that followed.
struct SweepSave {
    std::string how;        // "asked by the game", "at a save spot", "every 10 s", "a picture made"
    std::string where;      // the road's stretch, the area and her x
    int area = 0;           // the active area (0 .. 4)
    bool gameAsked = false;
    bool deviceLoss = false;  // F6 in the window's first frame, not a save
    std::string made;         // the pictures the frame before the window made
    std::string slotText;
    std::vector<WindowEvent> events;
    long startFrame = 0;
    int frames = 0;                   // frames of the window recorded
    bool open = false;
    std::string cutShort;             // why it ended before its 20 s
    std::vector<SecondLook> seconds;  // the game that went on
    // The words each frame left (FrameWordValues), to find where two games
    // part.
    std::vector<std::vector<std::int64_t>> frameWords;
};

// One difference of a loaded game from the game that went on.
struct SweepDifference {
    int second = 0;
    int kind = 0;
    std::vector<std::string> onlyWentOn, onlyLoaded;
};

// The words a frame leaves: hers, her moves', the keys', the holds', the
// lines', the view's, the clock's waits and the save's, and (with
// `records`) a print of each record the road's hooks write.
const std::vector<std::string>& FrameWordNames();
std::vector<std::int64_t> FrameWordValues(bool records = false);
// The first frame at which two games' words part, and those words ("" when
// they never do over the frames both played).
std::string FirstFrameApart(const std::vector<std::vector<std::int64_t>>& wentOn,
                            const std::vector<std::vector<std::int64_t>>& loaded);

// Writes a window's slot, keys, hooks and alike-words for a replay
// elsewhere, and reads them back; false (with why) when the file is not one.
bool WriteSweepCase(const SweepSave& save, const std::string& path);
bool ReadSweepCase(const std::string& path, SweepSave& save, std::string* why);
void WriteSweepLooks(const std::vector<SecondLook>& looks, const std::string& path);
bool ReadSweepLooks(const std::string& path, std::vector<SecondLook>& looks);

// The seconds the two games showed differently (over the seconds both
// played), each kind of each second.
std::vector<SweepDifference> CompareLooks(const std::vector<SecondLook>& wentOn, const std::vector<SecondLook>& loaded);
// Those a rule of the game does not explain; the rules that explained the
// others are added to `rules`. A rule that sends the two games apart ends
// the comparison at its second, which `partsAt` is given (else the seconds
// compared).
std::vector<SweepDifference> Unexplained(const SweepSave& save, const std::vector<SweepDifference>& all,
                                         std::set<std::string>& rules, int* partsAt = nullptr);

class RoadSweep : public Playthrough {
protected:
    // What a try does in its forked process.
    enum class Fork {
        // Saves through the menu and loads the save from the title.
        SaveAndLoad,
        // Presses F6 in the next frame, in a second process forked at the
        // same frame, which plays the window with the keys the first was
        // given.
        DeviceLoss,
    };
    Fork forking = Fork::SaveAndLoad;
    // The save sweep's sample: also a save at the first spot passed in each
    // of the road's stretches named here (a part of the stretch's name).
    std::vector<std::string> spotSampleParts;

    enum class Breadth {
        // The saves the game asks for and a save at a spot in each area
        // that has one. For F6, over the whole road: for each making of a
        // picture, the first frame at which nothing would ask for it again
        // were it lost while it is drawn or waited for (AskedForOnce: a scene
        // asked for it once), and the first frame of each kind of switch
        // between areas that makes the new area's set (CI).
        Sample,
        // Every 10 s of play, every spot passed and every save the game asks
        // for; for F6, every frame that makes a picture on the stage, every
        // 10 s of play and the sample's frames; over `stretches` stretches of
        // the road (0: all of it).
        Whole,
    };
    void SetUp() override;

    // What one try gave: made in a forked process, compared there.
    struct Try {
        std::string how, where;
        int area = 0;
        bool gameAsked = false, written = false, comparedApart = false;
        std::string made;
        // Frames she was held on the stage over the seconds compared: in the
        // game that went on and in the one given F6.
        int heldWentOn = 0, heldAfterF6 = 0;
        // False when a scene took F2 back in the step that read it.
        bool menuOpened = true;
        int frames = 0;
        std::string cutShort, firstApart;
        std::vector<std::string> differences, differencesApart, rules;
        // Set when the try's process went wrong: what it printed last.
        std::string broke;
    };
    std::vector<Try> tries;

    // The breadth the environment word `var` asks for: unset, the sample;
    // "whole", all of the road; a number, that many of its stretches. False
    // (with a failure) for anything else.
    bool BreadthAsked(const char* var, Breadth& breadth, int& stretches);
    // Plays the road with the sweep's tries.
    void SweepTheRoad(Breadth breadth, int stretches);
    // Loads `save` from the title of a new game in this process and gives
    // it the window's keys, hooks and alike-words; what each second showed
    // (and, when asked, the words of each frame).
    std::vector<SecondLook> ReplayFromTheTitle(const SweepSave& save,
                                               std::vector<std::vector<std::int64_t>>* frameWords = nullptr);

private:
    // The hooks on the harness's frames and keys.
    void BeforeFrame();
    void AfterFrame();
    void KeyQueued(int key, bool down);

    // Forks a process for one try: true in that process (the road goes on
    // there with the window), false here once it has ended and reported.
    bool Branch(const std::string& how, bool fromStage, const std::string& made = "");
    // The road's process, for F6: a try at the sample's frames, and (the
    // whole sweep) where the frame made a picture on the stage and every
    // 10 s.
    void TryF6AfterFrame();
    // The pictures loaded now, drawn in this frame or made in it (`made`),
    // that read absent a frame after F6 in a process forked here whose
    // device loss notes nothing to make again: nothing asks for them again,
    // so a scene that waits for one or draws a figure from it has them back
    // only as the pictures the loss took, made again. Those lost for good
    // only when lost alone (the loss making every other again) ask on
    // another's absence. Those the loss made again when another was lost
    // alone, but not into their own slots, are lost as surely: marked made,
    // nothing asks for them again.
    struct AskedOnce {
        std::set<std::string> whenAllLost, whenLostAlone, madeAstray;
    };
    AskedOnce AskedForOnce(const std::set<std::string>& made);
    // In a try's process: forks the second game, which waits until the
    // window is recorded, then plays it with F6 (ReplayWithF6) and ends.
    void ForkTheGameGivenF6();
    [[noreturn]] void ReplayWithF6();
    // Plays a window's frames with its keys, hooks and alike-words from
    // here (with F6 tapped before its first frame, the held keys pressed
    // again after it, as a held key repeats).
    std::vector<SecondLook> PlayTheWindow(const SweepSave& save, std::vector<std::vector<std::int64_t>>* frameWords,
                                          bool f6First);
    // Before a device-loss window's first frame, in both games: `key` down
    // and up (F6, or in the game that goes on a key the game gives no
    // meaning), then the held keys down again, as a held key repeats.
    void TapBeforeTheWindow(int key);
    // In the forked process: the window has ended; compares, reports and
    // ends the process.
    [[noreturn]] void FinishTheTry();
    [[noreturn]] void ReportAndExit(const Try& t);

    void LookAtTheFrame();
    void CloseWindow(const std::string& why);
    void SnapshotWatchedWords();
    // From the stage: F2, the save screen's Enter, back to the stage.
    bool SaveFromTheStage(const std::string& how);
    // In the built menu: the save screen, its Enter in slot 3, back to the
    // entries; true when the slot was written (the window then pending).
    bool TrySaveScreen(const std::string& how);
    void StartWindow();
    int ActiveArea() const;

    Breadth breadth_ = Breadth::Sample;
    // In a try's process: its save and window.
    bool inTry_ = false, inSequence_ = false, windowPending_ = false, freshToo_ = false, menuRefused_ = false;
    SweepSave save_;
    std::string resultPath_;
    // The road's process: where tries are due.
    bool f2Queued_ = false, askedPending_ = false;
    std::int32_t lastPhase_ = 0;
    long stageFrames_ = 0, nextTick_ = 0;
    std::set<int> spotsTried_;            // spots tried in the current pass
    std::map<int, long> spotLastTry_;     // stage frame of each spot's last try
    std::set<int> sampledAreas_;          // areas with a whole sample window
    std::set<std::string> spotPartsTried_;  // spotSampleParts tried
    std::set<int> areasApart_;            // areas compared in a new process
    int triesForked_ = 0;
    // The watched records as the last frame left them, and the save's words.
    std::vector<std::string> watched_;
    bool watchedValid_ = false;
    std::vector<std::int32_t> wordsAfterFrame_;
    // For F6: what each frame made, the second game and the pipe that
    // starts it.
    PicturesMade picturesMade_;
    // The keys the road has down, for F6's repeats.
    std::set<int> keysDown_;
    // The sample's frames tried: each making of a picture asked for once,
    // each kind of switch; how often each picture was made so far; the
    // frame of the next look for pictures asked for once.
    std::set<std::string> askedOnceTried_;
    // The sets of pictures in use (with the road's part, the area and the
    // phase) whose pictures a look has lost one at a time.
    std::set<std::string> aloneLooked_;
    std::map<std::string, int> makings_;
    long framesPlayed_ = 0, nextLook_ = 0;
    pid_t twin_ = -1;
    int twinGo_ = -1;
};

class SaveSweep : public RoadSweep {};

class DeviceLossSweep : public RoadSweep {
protected:
    void SetUp() override {
        RoadSweep::SetUp();
        forking = Fork::DeviceLoss;
    }
};
