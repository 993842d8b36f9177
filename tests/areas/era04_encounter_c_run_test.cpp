// Encounter C played from a save just short of door 5, after encounter B:
// she is held behind the door, turned back from door 6, meets the clerk,
// declines both crystals and pays for the blue bread; the clerk shows her
// true shape, and on her floating platform she is knocked, struck, rains
// bolts and closes the fight with a bomb; the riders are summoned, beaten on
// their circle and brought down in their dive waves; the figure splits into
// ten servants, the last talks twice and dies, and the room's lights run.
#include <gtest/gtest.h>

#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/holds.h"
#include "core/player.h"
#include "core/random.h"
#include "era04_encounter_c_flow.h"

namespace {

class EncounterCRun : public EncounterCFlow {};

TEST_F(EncounterCRun, FromDoor5ThroughTheBargainAndTheFourFightsToTheLitRoom) {
    SeedRandom(27);
    StartFromSlot([] {
        EncounterCSlotWords();
        // Saved past the reveal once: the entrance must still use the first sheet.
        EncounterCFigure.sheetFlag = 1;
    });
    HoldsEndedUnkept = 0;
    ASSERT_NO_FATAL_FAILURE(DoorsAndBargain());
    ASSERT_NO_FATAL_FAILURE(PlatformFight());
    ASSERT_NO_FATAL_FAILURE(Riders());
    ASSERT_NO_FATAL_FAILURE(Servants());
    EXPECT_EQ(Era04Progress.encounterCDone, 1);
    // Every hold on the road was let go by the encounter that took it.
    EXPECT_EQ(HoldsEndedUnkept, 0u) << LastHoldEndedUnkept;
}

}  // namespace
