// Start values of the area's words, written by every data reset.
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"


void ResetEra04StageArea() {
    // Routines that keep step words of their own are armed first.
    UpdateEra04Events(0);
    ResetEra04EntranceWords();
    // A slot saved while the entrance talks were pending brings back
    // dialogueTriggerState 1, and the driver then steps them without arming
    // them: they must start from their beginning, not where the last game
    // left them (held at door 1 with no line to read).
    RunEra04DialogueTriggers(0);

    // Whole records: a new game shows the barrier talk again; a load brings
    // back the saved completion words afterwards.
    Era04Progress = Era04ProgressRecord{};
    StageSet2Latch = 0;
    Era04CameraStage = 0;
    for (std::int32_t& lock : Era04DoorLocks) lock = 0;
    StageObjectTable = StageObjectTableRecord{};
    // The trap room is armed again on every entry, but its tiles and chains
    // are drawn before that from the next room: as a first game finds them.
    TrapRoomTiles = TrapRoomTilesRecord{};
    for (TrapRoomChain& chain : TrapRoomChains) chain = TrapRoomChain{};
    // The entrance's fruits hang again from the first step past it; until
    // then they stay where the last game's fell.
    FallingObjects = FallingObjectsRecord{};
    ResetFinalSectionShimmer();
    ResetHallLight();
    ChargeReachBonus = 0;
    Fight2Side = 0;
    // The soldiers' draw flag with them: a game that never meets a fight (a
    // load past both) draws no soldier pass, as in the program's first game,
    // where fight 2's disc pass would show encounter A's pieces.
    Era04SoldierSlots = Era04SoldierSlotsRecord{};
    SoldierStrikeKind = 0;
    SoldierChargeHold = 0;
    // The soldiers' routines keep step words and stamps of their own; the
    // last game's strike, grab or fighting move must not play on into this
    // one.
    ResetSoldierMoveWords();
    ResetSoldierHitWords();
    ResetSoldierGuardWords();
    ResetSoldierFight1Words();
    ResetSoldierFight2Words();
    ResetSoldierFight2MoveWords();
    ResetSoldierFight2FinaleWords();
    Fight1BlockerPosts[0] = Fight1BlockerPosts[1] = 0;
    // Fight 2's finale forbids the slide for a moment; a game ended or left
    // in that moment must not carry the lock into the next one.
    PlayerJumpLock = 0;
}
