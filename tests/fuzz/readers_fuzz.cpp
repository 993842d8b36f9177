// Feeds arbitrary bytes to the readers of the game's own files: the save
// slot reader, the settings reader and the two running-mark readers. None of
// them may crash, and whatever a reader accepts must come back unchanged
// when the game writes it out and reads it again.
//
// A slot that the load screen takes (its own checks included) is then loaded
// into the running game the way the in-game menu loads it, and the game plays
// on: it must reach the stage (a slot that freezes the loading picture is a
// slot the checks should have refused), take some keys and go back to the
// menu, all under the sanitizers.
//
// The target works in a folder of its own; the folders and files its command
// line names are taken from where it was started, and so are the inputs of a
// failure unless -artifact_prefix says otherwise. libFuzzer keeps the program
// as it was started, so give it by absolute path for -merge, which runs it
// again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>
#include <unistd.h>

#include "core/game_flow.h"
#include "core/player.h"
#include "core/trace_log.h"
#include "platform/headless.h"
#include "shell/frame.h"
#include "shell/reset.h"
#include "shell/save_slots.h"
#include "shell/settings_files.h"
#include "text/menu.h"
#include "text/menu_state.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool SameImage(const GdataImage& a, const GdataImage& b) {
    for (int line = 1; line <= kGdataLineCount; ++line)
        for (int field = 1; field <= kGdataFieldCount; ++field)
            if (a.At(line, field) != b.At(line, field)) return false;
    return true;
}

void WriteBytes(const char* path, const std::uint8_t* data, std::size_t size) {
    // A new file rather than a truncated one: the file system then does not
    // flush it to disk on close, which would slow every run down.
    std::remove(path);
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

void FuzzSlotText(std::string_view text) {
    GdataImage image;
    std::string why;
    if (!ParseGdata(text, image, &why)) return;
    // The game's own writing of what was read parses back identically.
    GdataImage again;
    Require(ParseGdata(FormatGdata(image), again, &why), "a formatted slot parses");
    Require(SameImage(image, again), "a formatted slot reads back exactly");
    if (!CheckGdataRanges(image, &why)) return;
    // A slot the game accepts, once applied, saves into one it accepts too.
    ApplyGdata(image);
    GdataImage saved;
    CollectGdata(saved);
    Require(CheckGdataRanges(saved, &why), "a loaded game saves into an acceptable slot");
}

void FuzzSettingsText(const std::string& text) {
    std::string error;
    if (!ApplySettingsText(text, &error)) return;
    const std::string written = FormatSettingsText();
    const GameSettingsRecord settings = GameSettings;
    const EquipmentFlagsRecord equipment = EquipmentFlags;
    Require(ApplySettingsText(written, &error), "written settings read back");
    Require(GameSettings.windowed == settings.windowed &&
                GameSettings.backBufferWidth == settings.backBufferWidth &&
                GameSettings.backBufferHeight == settings.backBufferHeight,
            "settings survive a write and read");
    Require(EquipmentFlags.base == equipment.base && EquipmentFlags.worn == equipment.worn,
            "equipment words survive a write and read");
}

// Frames the menu-to-stage change may take: the loading picture shows for
// 0.4 s and the area's pictures load in a few frames.
constexpr int kFramesToReachTheStage = 600;

// The game started once, booted to its title and then playing: each input
// that loads starts from wherever the previous one left the game.
bool g_gameUp = false;

void StartTheGame() {
    plat::headless::Reset();
    plat::headless::SetFrameStep(1.0 / 32.0);
    plat::headless::SetFrameHistory(1);
    Require(GameStartUp() == 0, "the game starts");
    for (int i = 0; i < 2000 && GameFlow.bootStep != 13; ++i) plat::headless::RunFrames(1);
    Require(GameFlow.bootStep == 13, "the title comes up");
    g_gameUp = true;
}

// What the in-game load screen does once the player confirmed slot 1.
void PlaySlotOne(const std::uint8_t* data, std::size_t size) {
    if (!SlotCanBeLoaded(1)) return;
    if (!g_gameUp) StartTheGame();
    // The player stands in the in-game menu of a game under way.
    GameFlow.bootFlag = 0;
    GameFlow.gameOverRunning = 0;
    ResetGameData(0);
    int guard = 0;
    while (ResetGameData(2) != 99) Require(++guard < 100, "the reset before a load ends");
    Require(LoadGdata(1), "a slot the load screen takes loads");
    PutHeroineBackOnStage();
    ResumeLoadedGame();
    MenuFlowState.loadOpen = 0;
    PhaseChangeRequest = 1;
    MenuFlowState.active = 1;
    MenuFlowState.enterStep = 4;
    GameFlow.phase = 901;

    bool onStage = false;
    for (int i = 0; i < kFramesToReachTheStage && !onStage; ++i) {
        plat::headless::RunFrames(1);
        onStage = GameFlow.phase == 1 || GameFlow.gameOverRunning == 1;
    }
    Require(onStage, "a loaded game reaches the stage");

    // Some play: keys taken from the input, then back to the menu.
    static constexpr int kKeys[] = {37, 38, 39, 40, 'S', 'D', 'F', 'G', 'X', 'Z', 'Q', 'A', 13};
    for (std::size_t i = 0; i < 24; ++i) {
        const std::uint8_t b = size ? data[(i * 131) % size] : 0;
        plat::headless::QueueKey(kKeys[b % (sizeof kKeys / sizeof kKeys[0])], (b & 0x80) == 0);
        plat::headless::RunFrames(2);
    }
    plat::headless::TapKey(113);   // F2
    plat::headless::RunFrames(60);
    Require(!plat::headless::WindowClosed(), "play does not close the window");
}

}  // namespace

// Font matching in the platform's text drawing runs the first time a font is
// drawn, and fontconfig keeps a little memory from it that it never frees:
// not ours to mend, and it would end every run as a leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
// libFuzzer checks for leaks after every input that freed less than it took,
// and each check that used the suppression would list it ("Suppressions
// used"), hundreds of times a minute, burying the fuzzer's own lines.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

namespace {

// The command line with every path made absolute from the starting folder,
// read by libFuzzer after this returns.
void AnchorPaths(int* argc, char*** argv) {
    static std::vector<std::string> words;
    static std::vector<char*> pointers;
    const std::filesystem::path start = std::filesystem::current_path();
    const auto anchored = [&](std::string_view path) {
        return path.empty() || path.front() == '/' ? std::string(path) : (start / path).string();
    };
    bool artifactPrefix = false;
    for (int i = 0; i < *argc; ++i) {
        std::string word = (*argv)[i];
        if (!word.starts_with('-')) {
            // libFuzzer refuses a program name changed here.
            if (i > 0) word = anchored(word);
        } else {
            for (std::string_view flag : {"-artifact_prefix=", "-exact_artifact_path=", "-dict="}) {
                if (word.starts_with(flag)) {
                    artifactPrefix = artifactPrefix || flag == "-artifact_prefix=";
                    // An empty prefix means the starting folder itself.
                    const std::string value = word.substr(flag.size());
                    word = std::string(flag) + (value.empty() ? start.string() + "/" : anchored(value));
                }
            }
        }
        words.push_back(word);
    }
    if (!artifactPrefix) words.push_back("-artifact_prefix=" + start.string() + "/");
    for (std::string& w : words) pointers.push_back(w.data());
    pointers.push_back(nullptr);
    *argc = static_cast<int>(words.size());
    *argv = pointers.data();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    AnchorPaths(argc, argv);
    // Work in a folder of our own (in memory where there is one): the
    // readers open files under Data/Save.
    std::error_code ec;
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    std::filesystem::path dir = base / ("qm_fuzz_" + std::to_string(static_cast<long>(::getpid())));
    std::filesystem::create_directories(dir / "Data" / "Save");
    std::filesystem::copy_file(QM_EFFECT_FILE, dir / "Quillmarch.fx", ec);
    std::filesystem::current_path(dir);
    static std::filesystem::path folder = dir;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FuzzSlotText(text);
    FuzzSettingsText(text);

    // The same bytes as files, through the readers the game calls.
    WriteBytes("Data/Save/Save01.txt", data, size);
    ReadSaveSummaries();
    Require(SaveSummaries[1].year == kErasedSlotYear || (SaveSummaries[1].year >= 0 && SaveSummaries[1].year <= 9999),
            "a summary shows a plausible year or none");
    PlaySlotOne(data, size);
    WriteBytes("Data/Save/SaveS1.txt", data, size);
    WriteBytes("Data/Save/SaveS2.txt", data, size);
    const std::int32_t running = ReadRunningFlag();
    const std::int32_t doubleStart = ReadDoubleStartFlag();
    Require(running >= 0 && running <= 9, "the running mark is one digit or 3");
    Require(doubleStart >= 0 && doubleStart <= 9, "the double-start mark is one digit or 3");
    // The running game polls the double-start mark: a fuzzed one would stop it.
    std::remove("Data/Save/SaveS1.txt");
    std::remove("Data/Save/SaveS2.txt");
    // The refusals' notes would grow the trace log without end.
    std::remove("Data/Save/SaveS0.txt");
    return 0;
}
