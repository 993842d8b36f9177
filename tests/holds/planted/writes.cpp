// Writes of the hold words spelled as plain statements. Each line marked
// "planted" must fail to compile (tests/holds/hold_words_test.cpp).
#include <cstdint>
#include <utility>

#include "core/holds.h"

%:define HOLD EventHoldsPlayer

void PlantedWrites(std::int32_t x) {
    MessageBoxOpen = 1;   // planted
    MessageBoxOpen /* held */ |= 1;   // planted
    ++PlayerKeysBlocked;   // planted
    MenuKeyBlocked--;   // planted
    x = EventHoldsPlayer = 0;   // planted
    Message\
BoxOpen = 1;   // planted
    HOLD = 1;   // planted
    std::swap(x, PlayerKeysBlocked);   // planted
    (void)std::exchange(MenuKeyBlocked, 0);   // planted
}
