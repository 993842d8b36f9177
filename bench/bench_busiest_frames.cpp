// Whole frames (the stage step and the draw list, on the recorded-draw
// backend) in the busiest scene of each built area, and the simulated frames
// per second of a long stretch of play.
//
// Each scene starts as its area's own run starts it: the words written, saved
// into slot 1 with the game's slot writer, the program started, the title's
// continue and slot 1 chosen. Then a simple player walks right, reads every
// line with Enter and kicks now and then, so the scene plays itself out. One
// benchmark iteration is one frame of that stretch, plan-set and scene
// picture loads included; mean_ms, p99_ms and max_ms are the frames' CPU
// times (logic, draw list and texture making on the main thread; the
// picture helper gets a frame's real time per frame, as in play),
// making_max_ms the most one frame spent making textures, and sprites_max
// the fullest draw list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>
#include <system_error>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/encounter_c_servants.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/random.h"
#include "core/save_spots.h"
#include "platform/common/internal.h"
#include "platform/headless.h"
#include "shell/boot.h"
#include "shell/frame.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

namespace fs = std::filesystem;

constexpr int kEnter = 13, kRight = 39, kKickS = 'S';

void ResetAllGameData() {
    ResetGameData(0);
    for (int i = 0; i < 10 && ResetGameData(1) != 99; ++i) {
    }
}

bool RunUntil(const std::function<bool()>& pred, int maxFrames) {
    for (int i = 0; i < maxFrames; ++i) {
        if (plat::headless::RunFrames(1) == 0) return false;
        if (pred()) return true;
    }
    return false;
}

void Tap(int key) {
    plat::headless::QueueKey(key, true);
    plat::headless::QueueKey(key, false);
}

// The thread's own CPU time: on a shared machine the wall clock's worst
// frame is the scheduler's, not the game's.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

bool started = false;

void StopProgram() {
    if (!started) return;
    plat::FrameworkCloseWindow();
    plat::headless::SetMainLoopFrameLimit(1);
    plat::FrameworkMainLoop();
    GameShutDown();
    started = false;
}

// The game continued from a slot holding the words setWords writes; false
// when the stage never came.
bool StartFromSlot(const std::function<void()>& setWords, const char* name = nullptr) {
    StopProgram();
    std::error_code ec;
    const fs::path dir = fs::temp_directory_path() / "quillmarch_bench_busiest";
    fs::create_directories(dir / "Data" / "Save", ec);
    const fs::path game(QM_GAME_DIR);
    if (!fs::exists(dir / "Data" / "Wav", ec)) fs::create_directory_symlink(game / "Data" / "Wav", dir / "Data" / "Wav", ec);
    fs::copy_file(game / "Quillmarch.fx", dir / "Quillmarch.fx", fs::copy_options::overwrite_existing, ec);
    fs::current_path(dir, ec);

    SeedRandom(1);
    ResetAllGameData();
    setWords();
    MenuStageSnapshot = {PlayerState.facing, PlayerState.pose, ScrollX, ScrollY, PlayerState.x, PlayerState.y};
    SavedMenuPage = MenuPage;
    if (!SaveGdata(1)) return false;
    // QM_SLOT_DIR: the scene's slot is also kept there as <name>.txt, for
    // the real program to continue from (bench/real_window.sh).
    if (const char* out = std::getenv("QM_SLOT_DIR"); out && name)
        fs::copy_file(dir / "Data" / "Save" / "Save01.txt", fs::path(out) / (std::string(name) + ".txt"),
                      fs::copy_options::overwrite_existing, ec);
    ResetAllGameData();
    GameFlow = GameFlowRecord{};
    GameFlowExtra = GameFlowExtraRecord{};
    BootState = BootStateRecord{};
    SaveSpotFlag = 0;

    plat::headless::Reset();
    plat::headless::SetFrameHistory(1);
    plat::headless::SetFrameStep(1.0 / 64.0);
    if (GameStartUp() != 0) return false;
    started = true;
    if (!RunUntil([] { return GameFlow.bootStep == 13 && TitleScreenState.step == 6; }, 4000)) return false;
    plat::headless::QueueKey(kRight, true);
    plat::headless::RunFrames(1);
    plat::headless::QueueKey(kRight, false);
    Tap(kEnter);
    if (!RunUntil([] { return TitleLogoState.loadStep == 3; }, 200)) return false;
    plat::headless::RunFrames(2);
    Tap(kEnter);
    return RunUntil([] { return GameFlow.phase == 1; }, 600);
}

bool AnyLine() {
    const DialogueChannelsRecord& d = DialogueChannels;
    for (std::int32_t w : {d.storyLine, d.promptLine, d.rollText, d.shopLineA, d.shopLineB, d.shopLineC, d.gateLine,
                           d.duelLine, d.fighterLine, d.arenaLine, d.fieldLine, d.finaleLine, d.sideLine,
                           d.roundLine, d.eventLine})
        if (w != 0) return true;
    return false;
}

// One frame of the simple player: Enter on a waiting line, right held, a
// kick every 12 frames.
int frameNo = 0;
void PlayOneFrame() {
    bool sent = false;
    if (EnterConfirmState == 1 && (EventHoldsPlayer == 1 || MessageBoxOpen == 1 || AnyLine())) {
        Tap(kEnter);
        sent = true;
    }
    if (++frameNo % 12 == 0 && MessageBoxOpen == 0) {
        Tap(kKickS);
        sent = true;
    }
    // Right is held: sent again after every other key event (each clears
    // all key flags), as a held key repeats, but not every frame, or a
    // scene's own keys (a forced run) would be cleared before they act.
    if (sent || frameNo == 1) plat::headless::QueueKey(kRight, true);
    plat::headless::RunFrames(1);
}

struct Scene {
    const char* name;
    std::function<void()> setWords;
    int framesBefore;   // played before the measured stretch
    // Written after the slot is loaded, where the busy moment lies behind
    // scenes the simple player cannot play (none when empty).
    std::function<void()> arm = {};
    // The busy moment: the measured stretch begins once it holds (the
    // frames before it are played unmeasured, for at most five minutes of
    // game time), and its frames are counted apart.
    std::function<bool()> busy = {};
};

// Encounter C's servants on their feet (slots 51..60).
int ServantsStanding() {
    int n = 0;
    for (int slot = 51; slot <= 60; ++slot)
        n += StageObjectTable.stepState[slot] >= 1 && StageObjectTable.stepState[slot] <= 98;
    return n;
}

// Era04 reached at x in the second outfit, past the soldiers' fights and
// the entrance's talks: what every Era04 scene below starts from.
void InEra04At(std::int32_t x) {
    Era03AreaFlag = 1;
    PlayerState.x = x;
    ScrollX = x - 400;
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    PlayerState.maxHp = PlayerState.hp = 9999;
    Era04Progress.soldierFight1Done = 1;
    Era04Progress.soldierFight2Done = 1;
    Era04Progress.dialogueTriggerState = 2;
}

// Short of door 5 with encounters A and B behind her.
void ShortOfEncounterC() {
    InEra04At(79500);
    Gold = 500;
    LearnedMoveG = 1;
    Era04Progress.encounterADone = 1;
    Era04Progress.encounterBDone = 1;
    Era04Progress.barrierTalkDone = 2;
}

const Scene kScenes[] = {
    // Three flyers diving with their drops over the field's first stretch.
    {"field_flyers", [] {
         Era00StoryPhase = 3;
         Era00AreaFlag = 0;
         Era01AreaFlag = 1;
         PlayerState.x = 12000;
         ScrollX = 11600;
         PlayerState.maxHp = PlayerState.hp = 9999;
     }, 60},
    // The tournament's round 4: the opponent's flurries.
    {"tournament_round4", [] {
         Era00AreaFlag = 0;
         Era02AreaFlag = 1;
         ArrivalScene.step = 99;
         TournamentState.state = 4;
         PlayerState.maxHp = PlayerState.hp = 9999;
         PlayerState.x = 47100 + 1558;
         PlayerState.y = 640;
         ScrollX = 47100 + 948;
     }, 0},
    // The Era03 arena: enemy 3's volleys, with boss 1 and enemy 2 looking
    // on. The controller is put at enemy 3's arming (its textures, its
    // entrance and the fight follow as in play), past the intro and the first
    // two fights, which the simple player cannot win.
    {"arena_enemy3", [] {
         Era03AreaFlag = 1;
         PlayerState.x = 60990;
         PlayerState.y = 640;
         PlayerState.facing = 1;
         ScrollX = 60990 - 400;
         PlayerState.maxHp = PlayerState.hp = 9999;
         LearnedMoveF = LearnedMoveG = LearnedMoveD = 1;
         Era03Duel.state = 99;
         Era03CreatureOnceFlag = 1;
         Era03Fighter.encounterState = 99;
         Era03ArenaEncounter.controllerState = 0;
     }, 0,
     [] {
         PlayerState.x = kArenaAnchor - 300;
         ScrollX = kArenaAnchor - 700;
         Era03ArenaEncounter.controllerState = 6;
     },
     [] {
         return Era03ArenaEncounter.controllerState == 7 && Era03ArenaEnemy3.pose >= 38 && Era03ArenaEnemy3.pose <= 40;
     }},
    // Era04's encounter A: its pieces.
    {"encounter_a", [] {
         InEra04At(75300);
     }, 0},
    // Encounter B: its shard volleys.
    {"encounter_b", [] {
         InEra04At(Era04Door4 - 300);
         LearnedMoveG = 1;
         Era04Progress.encounterADone = 1;
     }, 0},
    // Encounter C: its bolts.
    {"encounter_c", ShortOfEncounterC, 0},
    // Encounter C's last phase with all ten servants about her. The hall's
    // phases before it need the bargain's answers and a fight the simple
    // player cannot make, so once the encounter is armed (she walks in
    // through door 5) its driver is put at the last phase's arming, and the
    // split requests of nine blows on the first servant bring the others.
    {"encounter_c_servants", ShortOfEncounterC, 0,
     [] {
         EncounterCDriverState = 0;
         for (int i = 0; i < 64 * 60 && EncounterCDriverState == 0; ++i) PlayOneFrame();
         if (EncounterCDriverState == 0) return;
         EncounterCDriverState = 4;
         RunEncounterCPhase4(0);
         // Once its opening has run the loop takes the requests (the
         // opening's end clears any made before).
         for (int i = 0; i < 64 * 60 && ServantsStanding() < 10; ++i) {
             if (i % 8 == 0) ServantSplitRequest = {1, 51};
             PlayOneFrame();
         }
     },
     [] { return ServantsStanding() >= 8; }},
    // The final section: its entrance and the boss's fight.
    {"finale", [] {
         InEra04At(82500);
         Era04Progress.encounterADone = 1;
         Era04Progress.encounterBDone = 1;
         Era04Progress.encounterCDone = 1;
         Era04Progress.barrierTalkDone = 2;
         EncounterCFigure.sheetFlag = 1;
         LearnedMoveD = LearnedMoveF = LearnedMoveG = 1;
     }, 0, {}, [] { return BossMusicFlag == 1; }},
};

void BM_SceneFrame(benchmark::State& state) {
    const Scene& scene = kScenes[state.range(0)];
    state.SetLabel(scene.name);
    if (!StartFromSlot(scene.setWords, scene.name)) {
        state.SkipWithError("the scene's slot never reached the stage");
        return;
    }
    frameNo = 0;
    for (int i = 0; i < scene.framesBefore; ++i) PlayOneFrame();
    if (scene.arm) scene.arm();
    if (scene.busy) {
        for (int i = 0; i < 64 * 300 && !scene.busy(); ++i) PlayOneFrame();
        if (!scene.busy()) {
            state.SkipWithError("the busy moment never came");
            StopProgram();
            return;
        }
    }
    double maxMs = 0, busyMaxMs = 0, makingMaxMs = 0;
    int busyFrames = 0;
    std::size_t spritesMax = 0;
    std::vector<double> frameMs;
    frameMs.reserve(std::size_t(state.max_iterations));
    for (auto _ : state) {
        const double k0 = plat::detail::TextureMakingCpuMs();
        const double t0 = ThreadCpuMs();
        PlayOneFrame();
        const double ms = ThreadCpuMs() - t0;
        // The frames run far faster than real time; the picture helper
        // works in real time and gets what one frame at 60 a second gives
        // it (a wait costs the main thread no processor time).
        plat::detail::WaitForPicturesAhead(1.0 / 60.0);
        frameMs.push_back(ms);
        maxMs = std::max(maxMs, ms);
        makingMaxMs = std::max(makingMaxMs, plat::detail::TextureMakingCpuMs() - k0);
        if (scene.busy && scene.busy()) {
            ++busyFrames;
            busyMaxMs = std::max(busyMaxMs, ms);
        }
        spritesMax = std::max(spritesMax, plat::headless::LastFrame().sprites.size());
    }
    // The slowest frame, the 99th percentile and the mean, all frames of the
    // stretch counted: the set loads it crosses included.
    std::sort(frameMs.begin(), frameMs.end());
    double sum = 0;
    for (double ms : frameMs) sum += ms;
    state.counters["mean_ms"] = frameMs.empty() ? 0 : sum / double(frameMs.size());
    state.counters["p99_ms"] = frameMs.empty() ? 0 : frameMs[frameMs.size() * 99 / 100];
    state.counters["max_ms"] = maxMs;
    state.counters["making_max_ms"] = makingMaxMs;
    if (scene.busy) {
        state.counters["busy_frames"] = busyFrames;
        state.counters["busy_max_ms"] = busyMaxMs;
    }
    state.counters["sprites_max"] = static_cast<double>(spritesMax);
    state.counters["hp_left"] = PlayerState.hp;
    StopProgram();
}
// 6400 frames: the scene's first 100 s of game time at 64 frames a second.
BENCHMARK(BM_SceneFrame)->DenseRange(0, 7)->Iterations(6400)->Unit(benchmark::kMicrosecond);

// A long stretch of play: the field's first stretch from its start, walked
// and fought by the simple player; frames/s is the simulated rate.
void BM_LongStretch(benchmark::State& state) {
    if (!StartFromSlot([] {
            Era00StoryPhase = 3;
            Era00AreaFlag = 0;
            Era01AreaFlag = 1;
            PlayerState.x = 420;
            ScrollX = 0;
            PlayerState.maxHp = PlayerState.hp = 9999;
        })) {
        state.SkipWithError("the slot never reached the stage");
        return;
    }
    frameNo = 0;
    for (auto _ : state) PlayOneFrame();
    state.SetItemsProcessed(state.iterations());
    state.counters["x_reached"] = PlayerState.x;
    StopProgram();
}
BENCHMARK(BM_LongStretch)->Iterations(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
