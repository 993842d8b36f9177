// The cost of one stage step (UpdateWorld) in the field with the heroine
// running and attacking, and standing idle for comparison.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/stage_step.h"
#include "world/world.h"

namespace {

void PrepareField() {
    PlayerState = {};
    PlayerMoveState = {};
    ScrollX = 2700;
    PlayerState.x = 3000;
    CameraMode = 0;
    Era01AreaFlag = 1;
    GroundFallEnabled = 1;
    GameFlow.phase = 1;
    GameClock.gameClock = 10.0;
    GameClock.lastStepTime = 10.0;
    GameClock.stepLength = 1.0 / 64.0;
    KeyRightPressed = KeyLeftPressed = KeyUpPressed = KeyDownPressed = 0;
    KeySPressed = KeyXPressed = KeyZPressed = 0;
}

void AdvanceStep() {
    GameClock.gameClock += 1.0 / 64.0;
    UpdateWorld();
    GameClock.stepLength = GameClock.gameClock - GameClock.lastStepTime;
    GameClock.lastStepTime = GameClock.gameClock;
    // Keep her inside the field: a long run would otherwise stand at its end.
    if (PlayerState.x > 9000) {
        PlayerState.x = 3000;
        ScrollX = 2700;
    }
}

void BM_StageStepRunningAndAttacking(benchmark::State& state) {
    PrepareField();
    KeyXPressed = 1;   // the X run first, then S during it: the running
    for (int i = 0; i < 8; ++i) AdvanceStep();   // attack restarts whenever it ends
    KeySPressed = 1;
    std::int64_t attacking = 0, running = 0;
    for (auto _ : state) {
        AdvanceStep();
        attacking += PlayerMoveState.comboS != 0;
        running += PlayerMoveState.runX != 0;
        benchmark::DoNotOptimize(PlayerState.x);
    }
    // Shares of the steps in which an attack and the run were under way.
    const double steps = static_cast<double>(state.iterations());
    state.counters["attacking"] = static_cast<double>(attacking) / steps;
    state.counters["running"] = static_cast<double>(running) / steps;
}
BENCHMARK(BM_StageStepRunningAndAttacking);

void BM_StageStepStanding(benchmark::State& state) {
    PrepareField();
    for (auto _ : state) {
        AdvanceStep();
        benchmark::DoNotOptimize(PlayerState.pose);
    }
}
BENCHMARK(BM_StageStepStanding);

}  // namespace
