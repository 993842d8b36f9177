// A blow bigger than the HP she has left leaves the heroine at 0, whichever
// area's routine lands it: the game over takes her from there, and the HUD
// never shows a count below 0.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "areas/era00_era01/era01/encounter.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/player.h"
#include "text/text_state.h"

namespace {

void Tick() { GameClock.gameClock += 0.014; }

void StandAt(std::int32_t x) {
    PlayerState.x = x;
    PlayerState.y = 640;
    PlayerBodyBox = {x - 20, 520, x + 20, 640, x};
}

struct Route {
    const char* name;
    std::int32_t hpBefore;   // less than the blow takes
    std::function<void()> land;
};

class HeroineHpRoutes : public ::testing::TestWithParam<Route> {
protected:
    void SetUp() override {
        GameClock.gameClock = 100.0;
        PlayerState = PlayerStateRecord{};
        PlayerMoveState = PlayerMoveStateRecord{};
        DialogueChannels = DialogueChannelsRecord{};
        EnterConfirmState = 0;
        EndEveryHold();
    }
};

TEST_P(HeroineHpRoutes, ABlowBiggerThanWhatIsLeftStopsAtZero) {
    const Route& r = GetParam();
    PlayerState.hp = r.hpBefore;
    r.land();
    EXPECT_EQ(PlayerState.hp, 0) << r.name;
}

const Route kRoutes[] = {
    {"the field encounter's shot (10)", 4, [] { HurtPlayerFromEncounter(10, 15, -1, 600); }},
    {"the field arena's throw (15)", 10,
     [] {
         RunArenaEnemyThrowA(0);
         for (int i = 0; i < 4; ++i, Tick()) RunArenaEnemyThrowA(1);
     }},
    {"round 4's wall (70)", 30,
     [] {
         StandAt(Era02Anchor1 + 600);
         Round4Opponent.facing = -1;
         KnockBackPlayerByRound4(0);
         for (int i = 0; i < 400 && PlayerState.hp == 30; ++i, Tick()) KnockBackPlayerByRound4(1);
     }},
    {"the Era03 arena's post (50)", 30,
     [] {
         ScrollX = kArenaAnchor;
         StandAt(kArenaAnchor + 908 - 10);
         UpdateEra03ArenaHazardOnPlayer(0);
         UpdateEra03ArenaHazardOnPlayer(1);
     }},
    {"enemy 3's shot (20)", 5,
     [] {
         StandAt(kArenaAnchor);
         StepEra03ArenaEnemy3Shots(0);
         SpawnEra03ArenaEnemy3Shot(2, kArenaAnchor, 580, 0, 0);
         StepEra03ArenaEnemy3Shots(1);
     }},
    {"encounter B's shard in the first weapon (200)", 150,
     [] {
         StandAt(Era04Door4 + 700);
         EncounterBFigure = EncounterBFigureRecord{};
         EncounterBShards = EncounterBShardsRecord{};
         EncounterBShards.launchTime[1] = GameClock.gameClock;
         EncounterBShards.x[1] = PlayerState.x;
         RunEncounterBShardKnockback(0, 1);
     }},
};

INSTANTIATE_TEST_SUITE_P(Areas, HeroineHpRoutes, ::testing::ValuesIn(kRoutes),
                         [](const ::testing::TestParamInfo<Route>& info) { return "Route" + std::to_string(info.index); });

}  // namespace
