// Knocked or thrown out of the picture where the camera's own rules look the
// other way, the view comes back to her: enemy 3's shot and the creature's
// throw-back carry her out behind her back in the facing follow, and round
// 4's thrown opponent would take the view across the arena away from her.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/arena.h"
#include "areas/era03/calls.h"
#include "areas/era03/field.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/player.h"

namespace {

void Tick() { GameClock.gameClock += 0.014; }

void Stand(std::int32_t x, std::int32_t facing) {
    PlayerState = PlayerStateRecord{};
    PlayerMoveState = PlayerMoveStateRecord{};
    PlayerState.x = x;
    PlayerState.facing = facing;
    PlayerBodyBox = {x - 15, 520, x + 15, 640, x};
}

bool InView() { return ScrollX <= PlayerState.x && PlayerState.x < ScrollX + kViewWidth; }

struct ViewLoss {
    const char* place;
    void (*knock)();   // sets the place up and lands the blow
    void (*step)();    // the place's own routine, after the camera
};
void PrintTo(const ViewLoss& v, std::ostream* os) { *os << v.place; }

constexpr std::int32_t A = kArenaAnchor;
constexpr std::int32_t O = Era02Anchor1;

const ViewLoss kLosses[] = {
    {"enemy 3's shot",
     [] {
         ResetEra03Area();
         CameraMode = 0;
         ScrollX = A;
         Stand(A + 10, 1);   // at the view's left edge, facing into it
         StepEra03ArenaEnemy3Shots(0);
         SpawnEra03ArenaEnemy3Shot(2, A + 10, 580, 0, 0);
         StepEra03ArenaEnemy3Shots(1);   // 30 px back, out of the view
     },
     [] {}},
    {"the creature's throw-back",
     [] {
         ResetEra03Area();
         CameraMode = 0;
         Era03CreatureParts.creatureX = Era03Anchor(2);
         Stand(Era03Anchor(2) - 110, 1);
         ScrollX = PlayerState.x - 40;
         RunEra03CreatureContact(0);
     },
     [] { RunEra03CreatureContact(1); }},
    {"round 4's opponent thrown across the arena",
     [] {
         CameraMode = 1;
         Round4Opponent = TournamentOpponentRecord{};
         Round4Opponent.x = O + 1400;
         Round4Opponent.y = 640;
         Round4Opponent.frame = 4;
         Stand(O + 1500, -1);
         ScrollX = O + 1000;
         PlayerMoveState.comboS = 20;   // an air S landed on the ground throws him her way
         RunRound4Reaction(0);
     },
     [] { RunRound4Reaction(11); }},
};

class ViewReturns : public ::testing::TestWithParam<ViewLoss> {};

// Steps of the camera and the place's routine, in the stage step's order;
// she may end a step out of the picture where a blow carries her out of it,
// but the next step brings the view back.
TEST_P(ViewReturns, OutOfThePictureTheViewComesBackToHer) {
    const ViewLoss& v = GetParam();
    GameClock.gameClock = 100.0;
    v.knock();
    int stepsOut = InView() ? 0 : 1;
    for (int i = 0; i < 150; ++i) {
        Tick();
        UpdateCamera();
        v.step();
        if (!InView()) ++stepsOut;
    }
    EXPECT_LE(stepsOut, 2) << v.place;
    EXPECT_TRUE(InView()) << v.place << ": x " << PlayerState.x << ", ScrollX " << ScrollX;
}

INSTANTIATE_TEST_SUITE_P(Places, ViewReturns, ::testing::ValuesIn(kLosses),
                         [](const ::testing::TestParamInfo<ViewLoss>& info) {
                             return "Place" + std::to_string(info.index);
                         });

}  // namespace
