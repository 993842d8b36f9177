// The boot's costs: memory with every picture made into a texture, and the
// time from start-up to the first frame of the title with frames driven as
// fast as the headless backend runs them.
//
// Each measurement runs in a child process of its own, so the game's global
// state starts fresh and the memory high-water mark is the child's alone.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/game_flow.h"
#include "core/texture_tables.h"
#include "platform/headless.h"
#include "shell/boot.h"
#include "shell/frame.h"
#include "shell/graphics.h"

namespace fs = std::filesystem;

namespace {

struct ChildResult {
    double seconds = 0;      // measured span
    double rssBeforeMb = 0;  // high-water mark before the measured part
    double rssPeakMb = 0;    // high-water mark at the end
    double count = 0;        // textures made, or frames run
};

double PeakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;   // kB on Linux
}

// A working folder like the game's: Data/Wav from the built game folder.
fs::path MakeGameFolder() {
    char pattern[] = "/tmp/quillmarch_bench_XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) std::abort();
    const fs::path dir = made;
    std::error_code ec;
    fs::create_directories(dir / "Data", ec);
    const fs::path wav = fs::path(QM_GAME_DIR) / "Data" / "Wav";
    if (fs::is_directory(wav, ec)) fs::create_directory_symlink(wav, dir / "Data" / "Wav", ec);
    const fs::path effect = fs::path(QM_GAME_DIR) / "Quillmarch.fx";
    if (fs::exists(effect, ec)) fs::copy_file(effect, dir / "Quillmarch.fx", ec);
    return dir;
}

// Runs body in a child process with the game started in a fresh folder.
ChildResult RunInChild(ChildResult (*body)()) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        const fs::path dir = MakeGameFolder();
        fs::current_path(dir);
        plat::headless::Reset();
        ChildResult r = body();
        std::error_code ec;
        fs::current_path("/", ec);
        fs::remove_all(dir, ec);
        if (write(pipeFds[1], &r, sizeof r) != static_cast<ssize_t>(sizeof r)) _exit(2);
        _exit(0);
    }
    close(pipeFds[1]);
    ChildResult r{};
    const ssize_t got = read(pipeFds[0], &r, sizeof r);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (got != static_cast<ssize_t>(sizeof r) || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        r.seconds = -1;
    return r;
}

ChildResult CreateEveryPicture() {
    ChildResult r;
    if (GameStartUp() != 0) return r;
    r.rssBeforeMb = PeakRssMb();
    const auto start = std::chrono::steady_clock::now();
    for (int slot = 0; slot < kTextureSlotCount; ++slot) {
        CreateSlot(slot);
        if (TextureSlots[slot] != 0) r.count += 1;
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.rssPeakMb = PeakRssMb();
    return r;
}

ChildResult BootToTitle() {
    ChildResult r;
    r.rssBeforeMb = PeakRssMb();
    const auto start = std::chrono::steady_clock::now();
    if (GameStartUp() != 0) return r;
    while (GameFlow.bootStep < 13 && r.count < 100000) {
        if (plat::headless::RunFrames(1) == 0) break;
        r.count += 1;
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.rssPeakMb = PeakRssMb();
    return r;
}

void Report(benchmark::State& state, ChildResult (*body)(), const char* countName) {
    ChildResult last;
    for (auto _ : state) {
        last = RunInChild(body);
        if (last.seconds < 0) {
            state.SkipWithError("the child process failed");
            return;
        }
        state.SetIterationTime(last.seconds);
    }
    state.counters["peak_rss_MB"] = last.rssPeakMb;
    state.counters["rss_before_MB"] = last.rssBeforeMb;
    state.counters[countName] = last.count;
}

// Every one of the 113 pictures made into a texture at once.
void BM_CreateAll113Textures(benchmark::State& state) {
    Report(state, CreateEveryPicture, "textures");
}
BENCHMARK(BM_CreateAll113Textures)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Start-up, the loading screen with all 235 sounds and the menu pictures,
// up to the first frame of the title.
void BM_StartToFirstTitleFrame(benchmark::State& state) {
    Report(state, BootToTitle, "frames");
}
BENCHMARK(BM_StartToFirstTitleFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
