// The objects that hang in the air along the far field: each falls once the
// heroine comes within 100 px, costs her 1 HP if it strikes her, and bursts.
// Eight slots serve the whole stretch; rules on six places hang them up again
// while the view stays near.
#include <cstdint>
#include <cstdlib>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/records.h"
#include "core/combos.h"
#include "core/hit_tests.h"
#include "core/hud.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

FieldSpawnerSlotsRecord& Spawners = FieldSpawnerSlots;

// Where each slot hangs near a place: the view window (place - low, place +
// high, strict), the offset and the height.
struct SpawnRule {
    std::int32_t low, high, dx, y;
};
constexpr SpawnRule kNearRules[8] = {
    {1100, 100, 0, 250}, {1000, 200, 100, 300}, {950, 250, 150, 200}, {930, 250, 170, 100},
    {900, 250, 200, 350}, {830, 250, 270, 240}, {750, 250, 350, 120}, {700, 250, 400, 240},
};
constexpr SpawnRule kFarRules[8] = {
    {1100, 100, 0, 250}, {920, 200, 180, 150}, {850, 250, 250, 200}, {730, 250, 370, 100},
    {650, 250, 450, 190}, {530, 250, 570, 200}, {400, 250, 700, 150}, {300, 250, 800, 270},
};
// Each place with its rules, the hold of the last burst picture and the fall
// factor that its slots 1 and 8 set for all.
struct Place {
    std::int32_t x;
    const SpawnRule* rules;
    double lastFrameHold;
    std::int32_t fallFactor;
};
constexpr Place kPlaces[6] = {
    {SectionAnchorX[49], kNearRules, 0.52, 83},  {SectionAnchorX[50], kNearRules, 0.42, 93},
    {SectionAnchorX[51], kFarRules, 0.12, 103},  {SectionAnchorX[52], kFarRules, 0.01, 183},
    {SectionAnchorX[53], kFarRules, 0.01, 153},  {SectionAnchorX[54], kFarRules, 0.01, 183},
};

std::int32_t fallFactor = kPlaces[0].fallFactor;
double lastFrameHold = kPlaces[0].lastFrameHold;

void FreeSlot(int i) {
    Spawners.step[i] = 0;
    Spawners.state[i] = 0;
    Spawners.y[i] = 700;
}

void SpawnByRules() {
    for (const Place& p : kPlaces) {
        for (int i = 1; i <= 8; ++i) {
            const SpawnRule& rule = p.rules[i - 1];
            if (Spawners.step[i] != 0 || !(p.x - rule.low < ScrollX && ScrollX < p.x + rule.high)) continue;
            Spawners.step[i] = 1;
            Spawners.state[i] = 1;
            Spawners.x[i] = p.x + rule.dx;
            Spawners.y[i] = rule.y;
            if (i == 1 || i == 8) {
                lastFrameHold = p.lastFrameHold;
                fallFactor = p.fallFactor;
            }
        }
    }
}

void StepFalling(int i, double now) {
    const double t = now - Spawners.stepTime[i];
    Spawners.y[i] = Spawners.startY[i] + TruncToInt(fallFactor * 9.8 * t * t);
    const std::int32_t floor = FloorHeightAt(Spawners.x[i], Spawners.startY[i]);
    if (floor <= Spawners.y[i]) {
        Spawners.step[i] = 3;
        Spawners.y[i] = floor;
    }
    if (TestBoxAgainstPlayer(Spawners.x[i] - 8, Spawners.y[i] - 20, Spawners.x[i] + 5, Spawners.y[i] + 20) != 2) return;
    Spawners.step[i] = 3;
    if (PlayerState.weaponMode2 == 1) {
        PlayFieldEffect(902);
        ReadyStanceStamp = now;
        PlayerHurtPoseRequest = 0;
        return;
    }
    LowerHeroineHp(1);
    PlayerHurtPoseRequest = 84;
}

}  // namespace

void ResetFieldSpawner() {
    Spawners = FieldSpawnerSlotsRecord{};
    // The fall and burst timing the program starts with: the first place's.
    fallFactor = kPlaces[0].fallFactor;
    lastFrameHold = kPlaces[0].lastFrameHold;
}

void UpdateFieldSpawner() {
    const double now = FieldClock();
    for (int i = 1; i <= 8; ++i) {
        if (now - Spawners.stepTime[i] < 0) Spawners.stepTime[i] = now;
        if (Spawners.x[i] < ScrollX || Spawners.x[i] > ScrollX + 1024) FreeSlot(i);
    }
    SpawnByRules();
    for (int i = 1; i <= 8; ++i) {
        std::int32_t& step = Spawners.step[i];
        if (step == 1 && std::abs(PlayerState.x - Spawners.x[i]) < 100) {
            step = 2;
            Spawners.startY[i] = Spawners.y[i];
            Spawners.stepTime[i] = now;
        } else if (step == 2) {
            StepFalling(i, now);
        }
        if (step == 3) {
            step = 4;
            Spawners.stepTime[i] = now;
            PlayFieldEffect(43);
        } else if (step >= 4 && step <= 8) {
            Spawners.state[i] = step - 2;
            if (AtLeastElapsed(Spawners.stepTime[i], now, 0.02)) {
                ++step;
                Spawners.stepTime[i] = now;
            }
        } else if (step == 9) {
            Spawners.state[i] = 7;
            if (AtLeastElapsed(Spawners.stepTime[i], now, lastFrameHold)) step = 0;
        }
    }
}
