// Encounter C's last phase on its own, from a save just short of door 5:
// once the hall is entered the encounter is put where the riders' waves
// leave it, and the servants split, die, talk and fade with the hall. The
// whole encounter from door 5 is the encounter's run; this one starts a
// second encounter in the same program, as a player loading an earlier save
// after a long session would.
#include <gtest/gtest.h>

#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sprites/sprites.h"
#include "era04_encounter_c_flow.h"
#include "shell/graphics.h"
#include "text/text_state.h"

namespace {

class EncounterCFights : public EncounterCFlow {
protected:
    // Walks in through door 5, which arms the encounter.
    void EnterTheHall() {
        ASSERT_TRUE(Play([] { return Era04AreaFlag == 1; }, 200)) << "never reached Era04";
        Hold(VK_RIGHT);
        ASSERT_TRUE(Watch([] { return EncounterCFigure.drawFlag == 1; }, 600));
        LetGo(VK_RIGHT);
        ASSERT_TRUE(Watch([] { return PlayerMoveState.walkRight == 0; }, 100));
    }

    // What the riders' waves leave: the figure on her platform at the head
    // of the line over the far end with every rider destroyed, the bolts
    // drawn, the doors shut, the heroine on the floor below.
    static void HandOverFromWaves() {
        StageObjectTableRecord& t = StageObjectTable;
        EncounterCFigureRecord& f = EncounterCFigure;
        f.sheetFlag = 1;
        f.platformFlag = 1;
        f.projectileMode = 1;
        f.speechNumber = 1;
        f.voiceLoop = 1;
        EncounterCSceneryTints.platformsShown = 1;
        EncounterCSceneryTints.propsLaidOut = 1;
        EncounterCSceneryTints.wallTint = 0xFF333333u;
        SceneTint = 0xFFCCCCCCu;
        for (std::int32_t n : {31, 51}) {
            t.x[n] = Era04Door5 + 2000;
            t.y[n] = 230;
            t.scale[n] = 1.0f;
            t.depth[n] = kEncounterCFigureDepth;
        }
        t.code[31] = 1;
        t.colour[31] = 0xFFFFFFFFu;
        t.colour[51] = 0xFFCCCCCCu;
        t.code[51] = 28;
        t.facing[51] = -1;
        t.damage[51] = 0;
        for (int i = 2; i <= 10; ++i) {
            t.code[30 + i] = 0;
            t.code[50 + i] = 0;
            t.stepState[50 + i] = 99;
            t.damage[50 + i] = 330;
        }
        Era04DoorLocks[5] = 1;
        Era04DoorLocks[6] = 1;
        PlayerState.x = Era04Door5 + 1300;
        PlayerState.facing = 1;
        EncounterCDriverState = 4;
        RunEncounterCPhase4(0);
    }
};

TEST_F(EncounterCFights, TheFigureSplitsIntoTenServantsAndTheLastTalksTwiceAndDies) {
    SeedRandom(28);
    StartFromSlot(EncounterCSlotWords);
    EnterTheHall();
    HandOverFromWaves();
    ASSERT_NO_FATAL_FAILURE(Servants());
}

}  // namespace
