// A fixture for the text pass: the whole game runs headless (the shell makes
// the fonts), the boot is held back and a quiet phase chosen, so a test sets
// the words a block reads, runs one frame and reads the recorded text draws.
#pragma once

#include <string>
#include <vector>

#include "support/game_harness.h"

class TextScreenTest : public GameHarness {
protected:
    // Starts the game in `phase` with the boot held back (phase 903 without
    // an ending or reset running is the quietest).
    void Begin(int phase = 903);
    // Runs one frame and returns its text draws.
    const std::vector<plat::headless::TextDrawRecord>& DrawFrame();
    // The first draw of the last frame whose text is `text`, or nullptr.
    const plat::headless::TextDrawRecord* Find(const std::string& text) const;
    // Draws of the last frame whose text contains `part`.
    std::vector<plat::headless::TextDrawRecord> FindAll(const std::string& part) const;
    bool Drawn(const std::string& text) const { return Find(text) != nullptr; }
};

// Expects a draw at (x, y) in colour (r, g, b, a).
void ExpectDrawAt(const plat::headless::TextDrawRecord* draw, int x, int y);
void ExpectColour(const plat::headless::TextDrawRecord* draw, float r, float g, float b, float a);
