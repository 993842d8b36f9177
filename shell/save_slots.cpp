// Save slot files: text format, reading, writing and the slot summaries.
// Which live word goes into which field is the layout table of
// shell/save_layout.cpp.
#include "shell/save_slots.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/file_io.h"
#include "core/holds.h"
#include "core/save_report.h"

namespace {

// A slot is about 3 KB; anything far larger is not one of ours.
constexpr std::size_t kMaxSlotBytes = 64 * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits one line into blank-separated tokens; at most maxTokens are kept,
// count receives how many there were.
int Tokenise(std::string_view line, std::string_view* tokens, int maxTokens) {
    int count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size()) break;
        std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (count < maxTokens) tokens[count] = line.substr(start, i - start);
        ++count;
    }
    return count;
}

// A signed decimal integer that fits 32 bits, the whole token.
bool ParseInt32(std::string_view token, std::int32_t& out) {
    if (token.empty()) return false;
    std::size_t i = 0;
    bool negative = false;
    if (token[0] == '-' || token[0] == '+') {
        negative = token[0] == '-';
        i = 1;
    }
    if (i >= token.size()) return false;
    std::int64_t value = 0;
    for (; i < token.size(); ++i) {
        char c = token[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return false;
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return false;
    out = static_cast<std::int32_t>(value);
    return true;
}

bool Fail(std::string* why, const std::string& text) {
    if (why) *why = text;
    return false;
}

void PrintOpenStatus(const std::string& path, bool opened) {
    std::printf("The file '%s' was %s\n", path.c_str(), opened ? "opened" : "not opened");
}

// Reads and checks a slot file completely. On failure says why.
bool ReadSlotFile(std::int32_t slot, GdataImage& image, std::string& why, bool& missing) {
    missing = false;
    std::string path = SaveSlotPath(slot);
    if (path.empty()) {
        why = "there is no save slot " + std::to_string(slot);
        return false;
    }
    std::string text;
    if (!ReadWholeFile(path, text, kMaxSlotBytes, &why)) {
        PrintOpenStatus(path, false);
        std::error_code ec;
        missing = !std::filesystem::exists(std::filesystem::symlink_status(path, ec));
        why = "the file " + why;
        return false;
    }
    PrintOpenStatus(path, true);
    if (!ParseGdata(text, image, &why)) return false;
    return CheckGdataRanges(image, &why);
}

// A save killed half-way leaves its temporary file beside the slot (the slot
// itself is whole). The next save of that slot clears such leftovers.
void RemoveLeftoverTemporaries(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path slot(path);
    const std::string prefix = slot.filename().string() + ".tmp";
    std::error_code ec;
    fs::directory_iterator it(slot.parent_path(), ec);
    if (ec) return;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0) fs::remove(entry.path(), ec);
    }
}

}  // namespace

std::string SaveSlotPath(std::int32_t slot) {
    if (slot < 0 || slot > 3) return std::string();
    return "Data/Save/Save0" + std::to_string(slot) + ".txt";
}

std::string FormatGdata(const GdataImage& in) {
    std::string out;
    out.reserve(kGdataLineCount * 80);
    char buffer[160];
    for (int line = 1; line <= kGdataLineCount; ++line) {
        const std::int32_t* f = in.v[line - 1];
        int n = std::snprintf(buffer, sizeof buffer,
                              "%02d %6" PRId32 " %6" PRId32 " %6" PRId32 " %6" PRId32 " %6" PRId32
                              " %6" PRId32 " %6" PRId32 " %6" PRId32 " %6" PRId32 " %6" PRId32 "\r\n",
                              line, f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]);
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return out;
}

bool ParseGdata(std::string_view text, GdataImage& out, std::string* why) {
    int line = 0;   // lines read so far
    std::size_t pos = 0;
    int physical = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view row = text.substr(pos, end - pos);
        pos = end + 1;
        ++physical;

        std::string_view tokens[kGdataFieldCount + 1];
        int count = Tokenise(row, tokens, kGdataFieldCount + 1);
        if (count == 0) continue;   // blank lines carry nothing
        if (line == kGdataLineCount)
            return Fail(why, "there is more text after line 42 (file line " +
                                 std::to_string(physical) + ")");
        const int expected = line + 1;
        std::int32_t number = 0;
        if (tokens[0].size() > 2 || !ParseInt32(tokens[0], number) || tokens[0][0] == '-' ||
            tokens[0][0] == '+' || number != expected)
            return Fail(why, "line " + std::to_string(expected) + " is missing or out of order");
        if (count != kGdataFieldCount + 1)
            return Fail(why, "line " + std::to_string(expected) + " has " +
                                 std::to_string(count - 1) + " numbers instead of 10");
        for (int field = 1; field <= kGdataFieldCount; ++field) {
            if (!ParseInt32(tokens[field], out.At(expected, field)))
                return Fail(why, "line " + std::to_string(expected) + " field " +
                                     std::to_string(field) + " is not a whole number");
        }
        line = expected;
    }
    if (line < kGdataLineCount)
        return Fail(why, line == 0 ? std::string("the file is empty")
                                   : "the file ends after line " + std::to_string(line) +
                                         " of 42 (truncated)");
    return true;
}

bool SaveGdata(std::int32_t slot) {
    std::string path = SaveSlotPath(slot);
    if (path.empty()) {
        ReportSaveProblem("Save slot " + std::to_string(slot) + " does not exist; nothing was saved.");
        return false;
    }
    GdataImage image;
    CollectGdata(image);
    std::string text = FormatGdata(image);
    RemoveLeftoverTemporaries(path);
    std::string error;
    bool ok = WriteFileAtomically(path, text, &error);
    PrintOpenStatus(path, ok);
    if (!ok) {
        ReportSaveProblem("The game could not be saved to '" + path + "' (" + error +
                          "); the slot keeps its previous contents.");
        return false;
    }
    return true;
}

bool LoadGdata(std::int32_t slot) {
    GdataImage image;
    std::string why;
    bool missing = false;
    if (!ReadSlotFile(slot, image, why, missing)) {
        std::string path = SaveSlotPath(slot);
        ReportSaveProblem("Save slot " + std::to_string(slot) +
                          (path.empty() ? std::string() : " ('" + path + "')") +
                          " was not loaded: " + why + ". Nothing was changed.");
        return false;
    }
    ApplyGdata(image);
    // Whatever held her in the game left behind has no say in this one.
    EndEveryHold();
    return true;
}

bool SlotHoldsLoadableGame(std::int32_t slot, std::string* why) {
    GdataImage image;
    std::string reason;
    bool missing = false;
    if (ReadSlotFile(slot, image, reason, missing)) return true;
    if (why) *why = reason;
    return false;
}

void ReadSaveSummaries() {
    for (std::int32_t slot = 1; slot <= 3; ++slot) {
        GdataImage image;
        std::string why;
        bool missing = false;
        SaveSummaryRecord summary;
        if (!ReadSlotFile(slot, image, why, missing)) {
            // No loadable game in this slot: the screens show it as empty.
            if (!missing)
                ReportSaveProblem("Save slot " + std::to_string(slot) + " ('" + SaveSlotPath(slot) +
                                      "') cannot be loaded: " + why + ".",
                                  /*toTraceLog=*/false);
            summary.year = kErasedSlotYear;
            SaveSummaries[slot] = summary;
            continue;
        }
        summary.year = image.At(1, 1);
        summary.month = image.At(1, 2);
        summary.day = image.At(1, 3);
        summary.hour = image.At(1, 4);
        summary.minute = image.At(1, 5);
        summary.second = image.At(1, 6);
        summary.gold = image.At(1, 7);
        summary.playHours = image.At(1, 8);
        summary.playMinutes = image.At(1, 9);
        summary.playSeconds = image.At(1, 10);
        summary.menuPage = image.At(2, 1);
        summary.facing = image.At(2, 2);
        summary.pose = image.At(2, 3);
        summary.maxHp = image.At(2, 8);
        summary.hp = image.At(2, 9);
        summary.exp = image.At(2, 10);
        SaveSummaries[slot] = summary;
    }
}

namespace {

// The menus' save and load screens reach the slots through these.
[[maybe_unused]] const bool kSlotServicesHandedIn = [] {
    SlotServices.save = SaveGdata;
    SlotServices.load = LoadGdata;
    SlotServices.holdsLoadableGame = SlotHoldsLoadableGame;
    SlotServices.slotPath = SaveSlotPath;
    SlotServices.readSummaries = ReadSaveSummaries;
    return true;
}();

}  // namespace
