// The hands of a road shared between an area's own run and the playthrough:
// keys held across key events, a bot asked for its keys every frame, and the
// caller's own watch (its notes, its soft-lock guard) around every frame
// played.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <utility>

class AreaRun;

class KeyHands {
public:
    // Plays frames until `until` holds or maxFrames ran; true when it held.
    using Watch = std::function<bool(const std::function<bool()>& until, int maxFrames)>;

    KeyHands(AreaRun& run, Watch watch) : run_(run), watch_(std::move(watch)) {}

    // The caller's watch with the bot at the keys each frame.
    bool Play(const std::function<bool()>& until, int maxFrames);
    void PlayFrames(int n);

    // Holds or lets go of one key (a no-op when it already is so).
    void Key(int key, bool down);
    void LetAllGo();
    // Holds exactly these keys, letting go of the rest.
    void Only(std::initializer_list<int> keys);
    // A key down for this frame's events only (a game key is read from its
    // flag in the next step).
    void Tap(int key);
    void Press(int key);
    void Release(int key);
    // Whether Enter is tapped whenever a line waits.
    void AutoEnter(bool on);
    // She is neither in a blow nor in the air.
    static bool Idle();

    std::function<void()> bot;

private:
    AreaRun& run_;
    Watch watch_;
    std::map<int, bool> held_;
};
