// The cost of the attack machines inside a stage step: a weapon-mode-1 G
// attack and a held weapon-mode-2 S combo running continuously, plus a full
// stage step with a weapon-mode-2 combo for comparison with the idle step.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/combos.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/hit_tests.h"
#include "core/keys.h"
#include "core/pickups.h"
#include "core/player.h"
#include "world/world.h"

namespace {

void Prepare(int weaponMode) {
    PlayerState = {};
    PlayerMoveState = {};
    PlayerState.weaponMode1 = weaponMode == 1 ? 1 : 0;
    PlayerState.weaponMode2 = weaponMode == 2 ? 1 : 0;
    PlayerState.x = 3000;
    ScrollX = 2500;
    CameraMode = 0;
    GameFlow.phase = 1;
    GameClock.gameClock = 10.0;
    GameClock.lastStepTime = 10.0;
    GameClock.stepLength = 1.0 / 64.0;
    KeySPressed = KeyDPressed = KeyFPressed = KeyGPressed = KeyQPressed = 0;
}

// The combo machines alone: a weapon-mode-1 G attack, restarted when it ends.
void BM_CombosW1GAttack(benchmark::State& state) {
    Prepare(1);
    std::int64_t active = 0;
    for (auto _ : state) {
        if (PlayerMoveState.comboG == 0) {
            PlayerMoveState.comboG = 10;
            PlayerState.x = 3000;
            ScrollX = 2500;
        }
        GameClock.gameClock += 1.0 / 64.0;
        UpdateAttackCombos();
        PlayerState.previousPose = PlayerState.pose;
        active += PlayerMoveState.comboG != 0;
        benchmark::DoNotOptimize(PlayerState.pose);
    }
    state.counters["attacking"] = static_cast<double>(active) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CombosW1GAttack);

// A held weapon-mode-2 S combo: the repeat loop with its break-off tests.
void BM_CombosW2HeldS(benchmark::State& state) {
    Prepare(2);
    KeySPressed = 1;
    for (auto _ : state) {
        if (PlayerMoveState.comboS == 0) PlayerMoveState.comboS = 10;
        GameClock.gameClock += 1.0 / 64.0;
        UpdateAttackCombos();
        benchmark::DoNotOptimize(PlayerState.x);
    }
}
BENCHMARK(BM_CombosW2HeldS);

// A whole stage step while the held weapon-mode-2 S combo runs, with a coin
// pool in use so the pickup tests against the attack run too.
void BM_StageStepWithW2Combo(benchmark::State& state) {
    Prepare(2);
    KeySPressed = 1;
    for (int i = 0; i < 20; ++i) SpawnPickup(2900 + 30 * i, 500);
    for (auto _ : state) {
        GameClock.gameClock += 1.0 / 64.0;
        UpdateWorld();
        GameClock.stepLength = GameClock.gameClock - GameClock.lastStepTime;
        GameClock.lastStepTime = GameClock.gameClock;
        if (PlayerMoveState.comboS == 0) PlayerMoveState.comboS = 10;
        benchmark::DoNotOptimize(PlayerState.x);
    }
}
BENCHMARK(BM_StageStepWithW2Combo);

// One attack hit test, as every enemy makes it once per step.
void BM_TestPlayerAttackHit(benchmark::State& state) {
    Prepare(1);
    PlayerMoveState.comboS = 13;
    PlayerState.pose = 21;
    std::int32_t left = 3000;
    for (auto _ : state) {
        left = left >= 3100 ? 3000 : left + 1;
        benchmark::DoNotOptimize(TestPlayerAttackHit(0, left, left + 40, 540, 600));
    }
}
BENCHMARK(BM_TestPlayerAttackHit);

}  // namespace
