// The draw pass of the Era04 encounters: encounter A's figure in its layers,
// then its twenty pieces and their broken halves.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "core/area_flags.h"
#include "core/pending_sprite.h"
#include "core/sprite_draw.h"

namespace {

constexpr GraphicSlot kEncounterASlots[] = {{65, 102}};

void DrawA(void (*setup)(std::int32_t), std::int32_t arg) {
    PendingSprite.gno = 0;
    setup(arg);
    DrawPendingFromSlots(kEncounterASlots);
}

}  // namespace

void DrawEra04Encounters() {
    if (Era04AreaFlag != 1) return;
    const EncounterAFigureRecord& f = EncounterAFigure;
    if (f.drawn == 1) {
        if (f.bodyCode != 0) DrawA(SetEncounterAFigureSprite, f.bodyCode);
        // The body pass has just rewritten the layer codes for this frame.
        if (f.layerCode[1] != 0) DrawA(SetEncounterAFigureSprite, f.layerCode[1] + 100);
        for (int i = 2; i <= 8; ++i)
            if (f.layerCode[i] != 0) DrawA(SetEncounterAFigureSprite, f.layerCode[i]);
        for (int j = 1; j <= kEncounterAPieces; ++j)
            if (EncounterAPieceTable.kind[j] != 0) DrawA(SetEncounterAPieceSprite, j);
        for (int j = 1; j <= kEncounterAPieces; ++j)
            if (EncounterAPieceTable.state[j] == 4) DrawA(SetEncounterAPieceDebrisSprite, j);
    }
    DrawEncounterB();
    DrawEncounterCFigurePasses();
    DrawEncounterCServantParts();
}
