// The draw part of one stage frame (the update left out): side bars, the
// heroine, the HUD overlay, the stage background, the object table and the
// Era01 field objects, then the text pass. Measured on the recorded-draw
// backend alone and with the frame rasterised by SDL's software renderer;
// and the whole frame (its logic and its draw list) on the recorded backend.
// The game is started headless in a scratch folder and walked onto the
// field as a new game does; then only the draw part runs per frame.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/hud.h"
#include "core/player.h"
#include "core/residency.h"
#include "platform/headless.h"
#include "shell/draw.h"
#include "shell/frame.h"
#include "shell/graphics.h"
#include "shell/transitions.h"
#include "text/menu_state.h"

namespace {

namespace fs = std::filesystem;

void DrawPartOnly(double time, float elapsed) { DrawFrame(time, elapsed); }

// The heroine mid-attack in the field with the HUD up; every picture the
// frame needs is loaded.
bool PrepareStage(int weaponMode) {
    static bool started = false;
    if (!started) {
        std::error_code ec;
        const fs::path dir = fs::temp_directory_path() / "quillmarch_bench_draw";
        fs::create_directories(dir / "Data", ec);
        // The game's sounds and effect file, as the built game folder has them.
        const fs::path game(QM_GAME_DIR);
        if (!fs::exists(dir / "Data" / "Wav", ec)) fs::create_directory_symlink(game / "Data" / "Wav", dir / "Data" / "Wav", ec);
        fs::copy_file(game / "Quillmarch.fx", dir / "Quillmarch.fx", fs::copy_options::overwrite_existing, ec);
        fs::current_path(dir, ec);
        plat::headless::Reset();
        plat::headless::SetFrameHistory(1);
        if (GameStartUp() != 0) {
            std::fprintf(stderr, "start-up failed\n");
            return false;
        }
        plat::headless::RunFrames(2);
        GameFlow.bootFlag = 0;
        GameFlow.phase = 901;
        RunMenuToStage(0);
        for (int i = 0; i < 400 && GameFlow.phase != 1; ++i) plat::headless::RunFrames(1);
        if (GameFlow.phase != 1) {
            std::fprintf(stderr, "phase %d\n", GameFlow.phase);
            return false;
        }
        Era00AreaFlag = 0;
        Era01AreaFlag = 1;
        GsFlags[kEra01Set] = kGraphicRequested;
        UpdateEra01Pload(0);
        started = true;
    }
    PlayerState.weaponMode1 = weaponMode == 1 ? 1 : 0;
    PlayerState.weaponMode2 = weaponMode == 2 ? 1 : 0;
    PlayerState.x = 3000;
    PlayerState.y = 640;
    ScrollX = 2600;
    // Let the update part load what this weapon mode and place need.
    plat::Callbacks callbacks;
    callbacks.onFrameRender = RunFrame;
    plat::FrameworkSetCallbacks(callbacks);
    plat::headless::RunFrames(30);
    PlayerState.x = 3000;
    PlayerState.y = 640;
    PlayerState.pose = weaponMode == 1 ? 21 : 203;
    ScrollX = 2600;
    PlayerFigureShown = 1;
    HudState.gaugeShown = 1;
    MenuElementWords.groundShown = 1;
    // From here on only the draw part runs.
    callbacks.onFrameRender = DrawPartOnly;
    plat::FrameworkSetCallbacks(callbacks);
    plat::headless::RunFrames(1);
    return TextureSlots[weaponMode == 1 ? 0 : 4] != 0;
}

void Report(benchmark::State& state) {
    state.counters["sprites"] = static_cast<double>(plat::headless::LastFrame().sprites.size());
    state.counters["texts"] = static_cast<double>(plat::headless::LastFrame().texts.size());
}

void BM_DrawPartRecorded(benchmark::State& state) {
    if (!PrepareStage(static_cast<int>(state.range(0)))) {
        state.SkipWithError("the game did not reach the stage");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(plat::headless::RunFrames(1));
    Report(state);
}
BENCHMARK(BM_DrawPartRecorded)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_DrawPartSoftwareRendered(benchmark::State& state) {
    if (!PrepareStage(static_cast<int>(state.range(0)))) {
        state.SkipWithError("the game did not reach the stage");
        return;
    }
    std::vector<std::uint8_t> pixels;
    int width = 0, height = 0;
    for (auto _ : state) {
        plat::headless::RunFrames(1);
        benchmark::DoNotOptimize(plat::headless::RenderLastFrame(pixels, width, height));
    }
    Report(state);
}
BENCHMARK(BM_DrawPartSoftwareRendered)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The whole frame as the main loop runs it: update part, texture requests
// and draw list, with the stage stepping.
void BM_WholeFrameRecorded(benchmark::State& state) {
    if (!PrepareStage(static_cast<int>(state.range(0)))) {
        state.SkipWithError("the game did not reach the stage");
        return;
    }
    plat::Callbacks callbacks;
    callbacks.onFrameRender = RunFrame;
    plat::FrameworkSetCallbacks(callbacks);
    for (auto _ : state) benchmark::DoNotOptimize(plat::headless::RunFrames(1));
    Report(state);
}
BENCHMARK(BM_WholeFrameRecorded)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
