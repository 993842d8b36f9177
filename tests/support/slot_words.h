// The prepared save slots' words: places in the game as a player who got
// there would have them. The slot writer (tools/writer) saves them for the
// documentation's pictures; the random-key soak starts from them.
#pragma once

#include <cstdint>
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

// What a player who got to x in the field has played on the way: the first
// walker's and the first flyer's lessons, each held at its first place (left
// unplayed, a lesson starts at whichever place she comes to next, where it
// cannot end or meets another scene holding her), enemy A's first meeting
// and the first monster's talk.
void FieldBehindHer(std::int32_t x);
// What a player who got to Era04 has played in Era03: its field's fights,
// the arena and the camp's night (left unplayed, a scene made for her
// coming from the left holds her when she walks back in from the right).
void Era03BehindHer();
