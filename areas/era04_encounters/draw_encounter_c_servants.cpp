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
    PendingSprite.GNo = 0;
    if (code < 1 || code > 4) return;
    const encounter_c_parts::PartCell& cell = encounter_c_parts::kCells[code];
    PendingSprite.GNo = kSecondSheet;
    PendingSprite.SrcLeft = cell.left;
    PendingSprite.SrcTop = cell.top;
    PendingSprite.SrcRight = cell.right;
    // The part's trim cuts its cell from the bottom.
    PendingSprite.SrcBottom = cell.bottom - t.stepState[slot];
    PendingSprite.PivotX = cell.centreX;
    PendingSprite.PivotY = cell.centreY;
    PendingSprite.PosX = t.x[slot] - ScrollX;
    PendingSprite.PosY = t.y[slot];
    PendingSprite.Scale = t.scale[slot];
    PendingSprite.Depth = t.depth[slot];
    PendingSprite.Angle = t.rotation[slot];
    PendingSprite.Facing = t.facing[slot] == -1 ? -1 : 1;
    PendingSprite.Colour = t.colour[slot];
}

void DrawEncounterCServantParts() {
    if (EncounterCFigure.drawFlag == 0 || EncounterCFigure.projectileMode != kPartsDrawMode) return;
    for (std::int32_t slot = 61; slot <= 80; ++slot) {
        if (StageObjectTable.code[slot] == 0) continue;
        SetEncounterCPartSprite(slot);
        DrawPendingFromSlots(kPartSlots);
    }
}
