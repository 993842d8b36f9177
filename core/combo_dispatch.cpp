// Which attack machine runs in a stage step: by weapon mode and by the range
// its combo word lies in. Every test reads the word as the machines before it
// left it, so an attack that hands over to a later machine runs on at once.

#include <cstdint>

#include "core/combos.h"
#include "core/player.h"

namespace {

using Machine = void (*)(std::int32_t);

struct Band {
    std::int32_t PlayerMoveStateRecord::*word;
    std::int32_t low;
    std::int32_t high;
    int slot;   // index into a mode's machine list
};

using PMS = PlayerMoveStateRecord;
constexpr Band kBands[] = {
    {&PMS::comboS, 10, 14, 0}, {&PMS::comboS, 20, 23, 1},
    {&PMS::comboD, 10, 16, 2}, {&PMS::comboD, 20, 26, 3},
    {&PMS::comboF, 10, 18, 4}, {&PMS::comboF, 20, 27, 5},
    {&PMS::comboG, 10, 19, 6}, {&PMS::comboG, 20, 29, 7},
};

constexpr Machine kW1[9] = {UpdateAttackSW1, UpdateAirAttackSW1, UpdateAttackDW1,
                            UpdateAirAttackDW1, UpdateAttackFW1, UpdateAirAttackFW1,
                            UpdateAttackGW1, UpdateAirAttackGW1, UpdateAttackQW1};
constexpr Machine kW2[9] = {UpdateAttackSW2, UpdateAirAttackSW2, UpdateAttackDW2,
                            UpdateAirAttackDW2, UpdateAttackFW2, UpdateAirAttackFW2,
                            UpdateAttackGW2, UpdateAirAttackGW2, UpdateAttackQW2};

void RunBlock(const Machine (&machines)[9]) {
    for (const Band& b : kBands) {
        const std::int32_t w = PlayerMoveState.*b.word;
        if (w >= b.low && w <= b.high) machines[b.slot](1);
    }
    // In the air the standing poses show as the jump pose.
    if ((PlayerState.pose == 1 || PlayerState.pose == 22) && PlayerMoveState.jumpKind != 0)
        PlayerState.pose = 1018;
    if (PlayerMoveState.comboQ >= 10 && PlayerMoveState.comboQ <= 16) machines[8](1);
}

}  // namespace

void EndOpenAttacks() {
    PlayerMoveStateRecord& m = PlayerMoveState;
    m.comboS = m.comboD = m.comboF = m.comboG = m.comboQ = 0;
}

void UpdateAttackCombos() {
    if (PlayerState.weaponMode1 == 1) RunBlock(kW1);
    if (PlayerState.weaponMode2 == 1) RunBlock(kW2);
}
