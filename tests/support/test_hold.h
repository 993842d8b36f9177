// A test's own hold on her, taken and let go through the holds as a
// scene's would be. Like an owner's step, the test takes it again before
// each stage step it should last through; the stage step ends it otherwise.
#pragma once

#include <cstdint>

#include "core/holds.h"

inline constexpr HoldOwner kTestHold{"the test"};

// Holds her for the coming stage step without ending a move of hers, as
// the words the test sets used to.
inline void HoldForTest(std::uint32_t kinds) {
    HoldStep step(kTestHold);
    TakeHoldAsSheMovesOn(kinds);
}

inline void LetGoForTest(std::uint32_t kinds = kEveryHoldKind) { LetGoOfHeroine(kTestHold, kinds); }
