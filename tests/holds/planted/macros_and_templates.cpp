// Writes of the hold words hidden in a macro or a template. Each line
// marked "planted" must fail to compile (tests/holds/hold_words_test.cpp).
#include <cstdint>

#include "core/holds.h"

#define GLUE(a, b) a##b

// The record behind the words, named as if it were still the game's.
extern HoldWordsRecord gHoldWords;   // planted

template <class T>
void Clear(const T& word) {
    const_cast<T&>(word) = 0;   // planted
}

template <class T>
void Set(T& word) {
    word = 1;   // planted
}

struct Watched {
    std::int32_t& word;
};

void PlantedMacrosAndTemplates() {
    GLUE(gHold, Words).keys = 1;   // planted
    GLUE(Message, BoxOpen) = 1;   // planted
    Clear(MenuKeyBlocked);
    Set(PlayerKeysBlocked);
    [](const auto& word) { const_cast<std::int32_t&>(word) = 1; }(EventHoldsPlayer);   // planted
    Watched watched{MessageBoxOpen};   // planted
    (void)watched;
}
