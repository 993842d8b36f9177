// The prepared save slots' words: places in the game as a player who got
// there would have them. The slot writer (tools/writer) saves them for the
// documentation's pictures; the random-key soak starts from them.
#pragma once

#include <span>
#include <string_view>

using SlotWordsFn = void (*)();

struct SlotWords {
    const char* name;    // as the writer's command line names it
    const char* what;    // one line for its list
    SlotWordsFn words;   // written into the game's start values
};

// Every slot, in the order the writer writes them.
std::span<const SlotWords> PreparedSlots();
// The words of slot `name`; nullptr when no slot has that name.
SlotWordsFn SlotWordsOf(std::string_view name);
