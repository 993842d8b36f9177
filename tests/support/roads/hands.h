// The hands a shared road plays with: the caller's own frames (so what it
// notes or watches every frame goes on) and keys.
#pragma once

#include <cstdint>
#include <functional>

// The fixture's hands: frames until `until` holds (true when it did) or
// maxFrames ran; a key held until let go; a game key pressed once.
struct RoadHands {
    std::function<bool(const std::function<bool()>&, int)> play;
    std::function<void(int)> hold, letGo;
    // A game key pressed once (the fights that need one).
    std::function<void(int)> press = [](int) {};
    // Its key let go again (the roads that press and release apart).
    std::function<void(int)> release = [](int) {};

    void Step() const { play([] { return true; }, 1); }
    void Frames(int n) const { play([] { return false; }, n); }
    // Walks until she is within `slack` of x (or a line opens, with
    // stopForScenes); true when she got there.
    bool WalkTo(std::int32_t x, std::int32_t slack, bool stopForScenes = false) const;
    void FaceTowards(std::int32_t x) const;
};
