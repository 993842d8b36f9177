// The prepared slots held against the whole game's road. A slot is a place
// in the game, and a game can be there only with the story words a game that
// got there has: each scene that runs once behind her once she is past it,
// each gain she makes on the way. Where the road passes a slot's place (on
// the same side of the home area's gate, within kReach px of her x) the words
// it holds are noted, pass by pass; a slot must agree with one pass word for
// word. A slot that agrees with none holds a word no game there has, and a
// game loaded from it meets a scene again, or the end of one never begun.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

class SlotPlaces {
public:
    static constexpr std::int32_t kReach = 500;

    // Takes every prepared slot's save words from the game's start values
    // (which it leaves in place).
    SlotPlaces();
    // After each frame of the road, `stretch` the road's stretch.
    void Look(const std::string& stretch);
    // One line for each slot no pass of the road agrees with (or whose place
    // it never came to), naming the words apart.
    std::vector<std::string> Apart() const;

private:
    struct Pass {
        std::string stretch;
        std::int32_t x = 0;
        std::vector<std::set<std::int32_t>> words;   // what each story word held
    };
    struct Place {
        std::string name;
        bool home = false;
        std::int32_t x = 0;
        std::vector<std::int32_t> words;
        std::vector<Pass> passes;
        bool near = false;
    };
    std::vector<Place> places_;
};
