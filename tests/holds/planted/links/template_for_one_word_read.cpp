// A read of a hold word replaced by the template's own version for that
// one word, written outside the holds. The line marked "planted" must be refused, by the compiler or the
// link (tests/holds/hold_words_test.cpp).
#include <cstdint>

#include "core/holds.h"

template <>
HoldWordView<HoldWordName::kKeys>::operator std::int32_t() const { return 0; }   // planted

int main() {
    TakeHoldOfHeroine();
    return MessageBoxOpen;
}
