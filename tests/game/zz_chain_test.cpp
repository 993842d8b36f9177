#include <gtest/gtest.h>
#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "core/player.h"
#include "core/random.h"
#include "playthrough.h"
#include "shell/shell_state.h"
#include "text/menu_state.h"
TEST_F(Playthrough, ZzChainFromTheTournament) {
    SeedRandom(7);
    ASSERT_NO_FATAL_FAILURE(StartFromSlot([] {
        Era00StoryPhase = 3;
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        Era01Progress = 3;
        EncounterDoneFlag = 1;
        GatekeeperRecord.done = 1;
        LearnedMoveD = 1;
        PlayerState.exp = 420;
        PlayerState.maxHp = PlayerState.hp = 120;
        PlayerState.x = 45700;
        PlayerState.y = 640;
        PlayerState.facing = 1;
        ScrollX = 45250;
        EquipmentFlags.acquiredB = 1;
    }));
    NoteAreaFlags();
    ASSERT_NO_FATAL_FAILURE(Tournament());
    std::printf("CHAIN after tournament x %d hp %d/%d exp %d gold %d items %u %u\n", PlayerState.x, PlayerState.hp, PlayerState.maxHp, PlayerState.exp, Gold, ItemCounts[0], ItemCounts[1]);
    ASSERT_NO_FATAL_FAILURE(Era03());
    std::printf("CHAIN after era03 x %d hp %d/%d exp %d gold %d items %u %u\n", PlayerState.x, PlayerState.hp, PlayerState.maxHp, PlayerState.exp, Gold, ItemCounts[0], ItemCounts[1]);
    ASSERT_NO_FATAL_FAILURE(Era04StageAndSoldiers());
    ASSERT_NO_FATAL_FAILURE(EncountersAAndB());
    std::printf("CHAIN after AB x %d hp %d/%d exp %d gold %d items %u %u\n", PlayerState.x, PlayerState.hp, PlayerState.maxHp, PlayerState.exp, Gold, ItemCounts[0], ItemCounts[1]);
    ASSERT_NO_FATAL_FAILURE(EncounterC());
    std::printf("CHAIN after C x %d hp %d/%d exp %d gold %d items %u %u\n", PlayerState.x, PlayerState.hp, PlayerState.maxHp, PlayerState.exp, Gold, ItemCounts[0], ItemCounts[1]);
    ASSERT_NO_FATAL_FAILURE(FinalSectionAndEnding());
    std::printf("CHAIN after end x %d hp %d/%d\n", PlayerState.x, PlayerState.hp, PlayerState.maxHp);
    for (auto& s : areaFlagsSeen) std::printf("FLAGS %s\n", s.c_str());
}
