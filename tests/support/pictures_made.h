// The pictures a frame of the game made, for the tests that press F6 (a
// device loss and reset) in the frame after one is made.
#pragma once

#include <filesystem>
#include <ios>
#include <set>
#include <string>

// The picture sets, single pictures and plan sets loaded now, by name:
// "Gs[4]" (the area words too: "Gs[7]" is Era03's set), "D048", "plan set 56".
std::set<std::string> LoadedPictures();

// What each frame made, told after it: the words that turned loaded, and
// those the frame's trace lines (in the game folder `dir`) show asked for
// again and made in the one frame, which read loaded before and after it.
class PicturesMade {
public:
    std::set<std::string> AfterFrame(const std::filesystem::path& dir);

private:
    std::set<std::string> loadedBefore_;
    std::streamoff traceRead_ = 0;
};
