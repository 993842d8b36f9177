// Start values of the area's words, written by every data reset.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"


void ResetEra04EncountersArea() {
    // The figure's draw flag outlives the reset; everything else of it goes.
    const std::int32_t drawn = EncounterAFigure.drawn;
    EncounterAFigure = EncounterAFigureRecord{};
    EncounterAFigure.drawn = drawn;
    EncounterAPieceTable = EncounterAPieceTableRecord{};
    EncounterAHitCount = 0;
    FigureHitBox = FigureHitBoxRecord{};
    EncounterBFigure = EncounterBFigureRecord{};
    EncounterBShards = EncounterBShardsRecord{};
    // Layer codes 1 and 2 outlive the reset; the rest of the figure goes.
    const std::int32_t layer1 = EncounterCFigure.layerCode[1], layer2 = EncounterCFigure.layerCode[2];
    EncounterCFigure = EncounterCFigureRecord{};
    EncounterCFigure.layerCode[1] = layer1;
    EncounterCFigure.layerCode[2] = layer2;
    EncounterCSceneryTints = EncounterCSceneryTintsRecord{};
    Phase2Stage = 0;
    PlatformKnockActive = 0;
    EncounterAPieceTable = EncounterAPieceTableRecord{};
    ShockRunning = 0;
    BombsRunning = 0;
    ServantSplitRequest = ServantSplitRequestRecord{};
    ResetEncounterAPhaseWords();
    ResetEncounterAEndWords();
    ResetEncounterAMoveWords();
    ResetEncounterAPieceWords();
    ResetEncounterBPhaseWords();
    ResetEncounterBHitWords();
    ResetEncounterBMoveWords();
    ResetEncounterBShardWords();
    ResetEncounterCMovers();
    ResetEncounterCBargainWords();
    ResetEncounterCBoltWords();
    ResetEncounterCDriverWords();
    ResetEncounterCLightWords();
    ResetEncounterCPhase2Words();
    ResetEncounterCPhase2MoveWords();
    ResetEncounterCPhase3Words();
    ResetEncounterCWaveWords();
    ResetEncounterCPhase4Words();
    ResetEncounterCPhase4MoveWords();
    ResetEncounterCRevealWords();
    ResetEncounterCServantFrameWords();
}
