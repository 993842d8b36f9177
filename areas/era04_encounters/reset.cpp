// Start values of the area's words, written by every data reset.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/records.h"


void ResetEra04EncountersArea() {
    // The figure's draw flag outlives the reset; everything else of it goes.
    const std::int32_t drawn = EncounterAFigure.drawn;
    EncounterAFigure = EncounterAFigureRecord{};
    EncounterAFigure.drawn = drawn;
    EncounterBFigure = EncounterBFigureRecord{};
    EncounterCFigure = EncounterCFigureRecord{};
    EncounterCSceneryTints = EncounterCSceneryTintsRecord{};
    EncounterAPieceTable = EncounterAPieceTableRecord{};
}
