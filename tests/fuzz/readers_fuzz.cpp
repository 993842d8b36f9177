// Feeds arbitrary bytes to the readers of the game's own files: the save
// slot reader, the settings reader and the two running-mark readers. None of
// them may crash, and whatever a reader accepts must come back unchanged
// when the game writes it out and reads it again.
//
// The target works in a folder of its own, so give the corpus folders (and,
// for -merge, the program itself) by absolute path.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include "shell/save_slots.h"
#include "shell/settings_files.h"
#include "shell/trace_log.h"
#include "core/player.h"
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

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Work in a folder of our own (in memory where there is one): the
    // readers open files under Data/Save.
    std::error_code ec;
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    std::filesystem::path dir = base / ("qm_fuzz_" + std::to_string(static_cast<long>(::getpid())));
    std::filesystem::create_directories(dir / "Data" / "Save");
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
    LoadGdata(1);
    ReadSaveSummaries();
    Require(SaveSummaries[1].year == kErasedSlotYear || (SaveSummaries[1].year >= 0 && SaveSummaries[1].year <= 9999),
            "a summary shows a plausible year or none");
    WriteBytes("Data/Save/SaveS1.txt", data, size);
    WriteBytes("Data/Save/SaveS2.txt", data, size);
    const std::int32_t running = ReadRunningFlag();
    const std::int32_t doubleStart = ReadDoubleStartFlag();
    Require(running >= 0 && running <= 9, "the running mark is one digit or 3");
    Require(doubleStart >= 0 && doubleStart <= 9, "the double-start mark is one digit or 3");
    // The refusals' notes would grow the trace log without end.
    std::remove("Data/Save/SaveS0.txt");
    return 0;
}
