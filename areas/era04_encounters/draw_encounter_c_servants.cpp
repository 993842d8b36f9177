// The loose parts of encounter C's last-phase servants, drawn after the
// figure and its servants' bodies while slots 61..80 hold parts.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c_parts.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"

namespace {

constexpr std::int32_t kSecondSheet = 70;
constexpr GraphicSlot kPartSlots[] = {{kSecondSheet, 107}};
constexpr std::int32_t kPartsDrawMode = 2;

}  // namespace

void SetEncounterCPartSprite(std::int32_t slot) {
    const StageObjectTableRecord& t = StageObjectTable;
    const std::int32_t code = t.code[slot];
    PendingSprite.gno = 0;
    if (code < 1 || code > 4) return;
    const encounter_c_parts::PartCell& cell = encounter_c_parts::kCells[code];
    PendingSprite.gno = kSecondSheet;
    PendingSprite.srcLeft = cell.left;
    PendingSprite.srcTop = cell.top;
    PendingSprite.srcRight = cell.right;
    // The part's trim cuts its cell from the bottom.
    PendingSprite.srcBottom = cell.bottom - t.stepState[slot];
    PendingSprite.pivotX = cell.centreX;
    PendingSprite.pivotY = cell.centreY;
    PendingSprite.posX = t.x[slot] - ScrollX;
    PendingSprite.posY = t.y[slot];
    PendingSprite.scale = t.scale[slot];
    PendingSprite.depth = t.depth[slot];
    PendingSprite.angle = t.rotation[slot];
    PendingSprite.facing = t.facing[slot] == -1 ? -1 : 1;
    PendingSprite.colour = t.colour[slot];
}

void DrawEncounterCServantParts() {
    if (EncounterCFigure.drawFlag == 0 || EncounterCFigure.projectileMode != kPartsDrawMode) return;
    for (std::int32_t slot = 61; slot <= 80; ++slot) {
        if (StageObjectTable.code[slot] == 0) continue;
        SetEncounterCPartSprite(slot);
        DrawPendingFromSlots(kPartSlots);
    }
}
