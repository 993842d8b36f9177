// The Era04 scenery lists of one frame: the 150 entrance items and the 400
// items of the rooms' list, set up one after another as the draw pass does
// (without the drawing), in each of the four rooms the camera can be in.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/player.h"

namespace {

void BM_Era04SceneryListSetups(benchmark::State& state) {
    constexpr std::int32_t kCameras[4] = {Era04Door2 + 300, Era04Door4 + 500, Era04Door5 + 500, Era04Door6 + 500};
    ResetEra04StageArea();
    UpdateTrapRoom(0);
    LayoutFinalSectionScenery(0);
    Era04Progress.encounterCDone = 1;
    ScrollX = kCameras[state.range(0)];
    PlayerState.x = ScrollX + 500;
    std::int64_t drawn = 0;
    for (auto _ : state) {
        GameClock.gameClock += 0.016;
        for (std::int32_t n = 1; n <= 150; ++n) {
            PendingSprite.gno = 0;
            SetEra04EntranceSprite(n);
            drawn += PendingSprite.gno != 0;
        }
        for (std::int32_t n = 1; n <= 400; ++n) {
            PendingSprite.gno = 0;
            SetEra04ScenerySprite(n);
            drawn += PendingSprite.gno != 0;
        }
    }
    benchmark::DoNotOptimize(drawn);
    state.counters["items"] = static_cast<double>(drawn) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Era04SceneryListSetups)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
