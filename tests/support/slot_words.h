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

// What a player has played on the way to a place, as the whole game's road
// plays it: each scene that runs once is behind her once she is past its
// place (left unplayed, it would start wherever she came to it next, where
// it meets another scene holding her or cannot end).
//
// The field walked east from the home area's gate up to x: the lessons, the
// first meetings and talks, the gate and the arena, the encounter and the
// tower.
void FieldBehindHer(std::int32_t x);
// The field and the tournament behind her, and Era03's field up to x.
void Era03FieldBehindHer(std::int32_t x);
// All of Era03: its field's fights, the arena and the camp's night.
void Era03BehindHer();
// Era03 and Era04 up to x: past door 2, the errand fight 1 gives (the
// envoy's errand, the move practice at the field's west end, the arena's
// gift) and fight 1; past each later door, the fight or encounter before it.
void Era04BehindHer(std::int32_t x);
