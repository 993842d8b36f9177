// The draw pass of the Era04 scenery: the entrance list while the camera is
// near the entrance, the rooms' list from just before it to the end of the
// area, and the soldiers while a soldier fight runs.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"

namespace {

// The entrance list names no sheet: items 1..52 are the plants' sheet,
// the rest the gate's.
constexpr int kPlantSlot = 88, kGateSlot = 97;
constexpr int kLastPlantItem = 52;
constexpr GraphicSlot kScenerySlots[] = {{62, 99}, {63, 100}, {64, 101}, {66, 103}, {68, 105}, {71, 108}};
constexpr GraphicSlot kSoldierSheetSlots[] = {{61, 98}};

}  // namespace

void DrawEra04SceneryAndSoldiers() {
    if (Era04AreaFlag != 1) return;
    const std::int32_t s = ScrollX;
    if (Era04Start - 1098 <= s && s <= Era04Start + 9420)
        for (std::int32_t n = 1; n <= 150; ++n) {
            PendingSprite.gno = 0;
            SetEra04EntranceSprite(n);
            DrawPendingSprite(n <= kLastPlantItem ? kPlantSlot : kGateSlot);
        }
    if (s >= Era04Start - 1098)
        for (std::int32_t n = 1; n <= 400; ++n) {
            PendingSprite.gno = 0;
            SetEra04ScenerySprite(n);
            DrawPendingFromSlots(kScenerySlots);
        }
    if (Era04SoldierSlots.drawFlag == 1)
        for (std::int32_t n = 1; n <= 9; ++n) {
            PendingSprite.gno = 0;
            SetSoldierSprite(n);
            DrawPendingFromSlots(kSoldierSheetSlots);
        }
}
