// Writes of the hold words through a cast, an address or a reference taken
// to a view. Each line marked "planted" must fail to compile
// (tests/holds/hold_words_test.cpp).
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <functional>

#include "core/holds.h"

struct Watch {
    const std::int32_t* word;
};

void PlantedAddresses() {
    const_cast<std::int32_t&>(MessageBoxOpen) = 1;   // planted
    *const_cast<std::int32_t*>(&EventHoldsPlayer) = 1;   // planted
    *reinterpret_cast<std::int32_t*>(const_cast<std::int32_t*>(&MessageBoxOpen)) = 1;   // planted
    *(std::int32_t*)&MenuKeyBlocked = 1;   // planted
    std::memset((void*)&PlayerKeysBlocked, 1, sizeof(std::int32_t));   // planted
    std::fill_n((std::int32_t*)&MessageBoxOpen, 1, 1);   // planted
    std::int32_t* p = &EventHoldsPlayer;   // planted
    std::int32_t& r = MenuKeyBlocked;   // planted
    Watch watch{&PlayerKeysBlocked};   // planted
    std::ref(MessageBoxOpen).get() = 1;   // planted
    (void)p, (void)r, (void)watch;
}
