// The pictures a frame of the game made, for the tests that press F6 (a
// device loss and reset) in the frame after one is made.
#pragma once

#include <filesystem>
#include <ios>
#include <set>
#include <string>
#include <vector>

// The picture sets, single pictures and plan sets loaded now, by name:
// "Gs[4]" (the area words too: "Gs[7]" is Era03's set), "D048", "plan set 56".
std::set<std::string> LoadedPictures();

// The words that name what each texture slot holds, as LoadedPictures names
// them: a single texture, a graphic set, a plan set's state word.
const std::vector<std::vector<std::string>>& WordsOfSlot();

// A picture marked loaded that is not where it is drawn from: a slot of its
// empty, or holding another slot's picture. A word alone does not show a
// picture made again into the wrong slot.
struct PictureOutOfPlace {
    std::string picture;   // as LoadedPictures names it
    int slot = 0;
    std::string holds;     // "nothing", "picture 110", ...
    // "D072 marked made, slot 109 holds nothing"
    std::string Words() const;
};
std::vector<PictureOutOfPlace> PicturesOutOfPlace();

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
