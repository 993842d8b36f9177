// Start values of the area's words, written by every data reset.
#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"


void ResetEra04EncountersArea() {
    // The figures go whole, their draw flag and layers too: a new game's
    // encounter C must not open with the last game's overlay on her.
    EncounterAFigure = EncounterAFigureRecord{};
    EncounterAPieceTable = EncounterAPieceTableRecord{};
    EncounterAHitCount = 0;
    FigureHitBox = FigureHitBoxRecord{};
    EncounterBFigure = EncounterBFigureRecord{};
    EncounterBShards = EncounterBShardsRecord{};
    EncounterCFigure = EncounterCFigureRecord{};
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
    ResetEncounterCFigureFrameWords();
    EncounterATrialTime = 0.0;
}
