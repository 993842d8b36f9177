// Encounter C's figure as the frame draws it: its body pose, its three
// layers, then the servants in slots 52..60 at their own place; a servant
// that fell apart is left to its parts on the floor.
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"

namespace {

// The figure's two sheets.
constexpr GraphicSlot kEncounterCSlots[] = {{69, 106}, {70, 107}};

void DrawC(std::int32_t code, std::int32_t facing) {
    PendingSprite.gno = 0;
    SetEncounterCFigureSprite(code, facing);
    DrawPendingFromSlots(kEncounterCSlots);
}

}  // namespace

void DrawEncounterCFigurePasses() {
    const EncounterCFigureRecord& f = EncounterCFigure;
    const StageObjectTableRecord& o = StageObjectTable;
    if (f.drawFlag == 0) return;
    const std::int32_t facing = o.facing[kEncounterCSlot];
    if (!Phase4ServantFallenApart(kEncounterCSlot)) DrawC(o.code[kEncounterCSlot], facing);
    for (int i = 1; i <= 3; ++i)
        if (f.layerCode[i] != 0) DrawC(f.layerCode[i], facing);
    // Servants: the figure's pose at the servant's own place. A half-size
    // servant is the same cell at scale 0.5, from the figure's own sheet:
    // texture 112, where a half-size sheet would sit, is the all-black
    // picture of the side bars, and would draw her as a black block.
    for (int s = 52; s <= 60; ++s) {
        if (o.code[s] == 0 || Phase4ServantFallenApart(s)) continue;
        PendingSprite.gno = 70;
        SetEncounterCFigureSprite(o.code[s], o.facing[s]);
        PendingSpriteRecord& p = PendingSprite;
        p.scale = o.scale[s];
        p.colour = o.colour[s];
        p.angle = o.rotation[s];
        p.posX = o.x[s] - ScrollX;
        p.posY = o.y[s];
        p.depth = o.depth[s];
        DrawPendingFromSlots(kEncounterCSlots);
    }
}
