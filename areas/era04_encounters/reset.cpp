// Start values of the area's words, written by every data reset.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/records.h"


void ResetEra04EncountersArea() {
    EncounterBFigure = EncounterBFigureRecord{};
    EncounterCFigure = EncounterCFigureRecord{};
}
