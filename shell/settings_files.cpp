#include "shell/settings_files.h"

#include "core/file_io.h"
#include "core/player.h"
#include "core/trace_log.h"
#include "platform/platform.h"
#include "text/menu_state.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// A mark is one short line; anything far larger is not one of ours.
constexpr std::size_t kMarkMaxBytes = 4096;
constexpr std::size_t kSettingsMaxBytes = 64 * 1024;

bool FileExistsAtAll(const char* path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

void PrintOpenStatus(const char* path, bool opened) {
    std::printf("The file '%s' was %s\n", path, opened ? "opened" : "not opened");
}

// Stores what the framework's device runs with now; a device that is not
// there (size 0) leaves the stored size alone.
void StoreCurrentDisplay() {
    GameSettings.windowed = plat::FrameworkIsWindowed() ? 1 : 0;
}

void StoreCurrentBackBuffer() {
    plat::BackBufferDesc bb = plat::FrameworkBackBufferDesc();
    if (bb.width > 0 && bb.height > 0) {
        GameSettings.backBufferWidth = bb.width;
        GameSettings.backBufferHeight = bb.height;
    }
}

bool WriteText(const char* path, const std::string& text) {
    std::string error;
    bool ok = WriteFileAtomically(path, text, &error);
    PrintOpenStatus(path, ok);
    if (!ok) std::fprintf(stderr, "Quillmarch: %s could not be written (%s)\n", path, error.c_str());
    return ok;
}

void WriteMark(const char* path, const char* prefix, std::int32_t value) {
    char line[64];
    std::snprintf(line, sizeof line, "%s1=on 2=off %1d \n", prefix, static_cast<int>(value));
    WriteText(path, line);
}

// The digit after the fixed words, read as one character; 3 when the file is
// missing or does not hold the words and a digit. The double-start mark is
// polled every frame: its status line is printed only when it changes, so a
// terminal is not flooded. Only a regular file is read (a FIFO in its place
// would block the start).
std::int32_t ReadMark(const char* path, const char* prefix, int* lastStatus) {
    std::string text;
    const bool opened = ReadWholeFile(path, text, kMarkMaxBytes);
    const int status = opened ? 1 : 0;
    if (!lastStatus || *lastStatus != status) PrintOpenStatus(path, opened);
    if (lastStatus) *lastStatus = status;
    if (!opened) return 3;
    const std::size_t prefixLength = std::strlen(prefix);
    const char* words = "1=on 2=off ";
    const std::size_t wordsLength = std::strlen(words);
    if (text.size() <= prefixLength + wordsLength) return 3;
    if (text.compare(0, prefixLength, prefix) != 0 || text.compare(prefixLength, wordsLength, words) != 0)
        return 3;
    char digit = text[prefixLength + wordsLength];
    if (digit < '0' || digit > '9') return 3;
    return digit - '0';
}

int g_doubleStartReadStatus = -1;

// One numbered line: the two-digit number, then ten integers.
bool ParseLine(const char*& p, int number, long (&fields)[10]) {
    while (*p == '\r' || *p == '\n') ++p;
    if (p[0] != '0' + number / 10 || p[1] != '0' + number % 10) return false;
    p += 2;
    for (long& field : fields) {
        if (*p != ' ' && *p != '\t') return false;
        while (*p == ' ' || *p == '\t') ++p;
        if (*p != '-' && *p != '+' && (*p < '0' || *p > '9')) return false;   // a field never spans lines
        char* end = nullptr;
        errno = 0;
        field = std::strtol(p, &end, 10);
        if (end == p || errno == ERANGE || field < INT32_MIN || field > INT32_MAX) return false;
        p = end;
    }
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\r') ++p;
    if (*p != '\n' && *p != '\0') return false;
    if (*p == '\n') ++p;
    return true;
}

bool IsFlag(long v) { return v == 0 || v == 1; }

}  // namespace

std::string FormatSettingsText() {
    char text[256];
    std::snprintf(text, sizeof text,
                  "01 %6d %6d %6d %6d %6d %6d %6d %6d %6d %6d\n"
                  "02 %6d %6d %6d %6d %6d %6d %6d %6d %6d %6d\n",
                  TraceSample.year, TraceSample.month, TraceSample.day, TraceSample.hour, TraceSample.minute,
                  TraceSample.second, GameSettings.windowed, GameSettings.backBufferWidth,
                  GameSettings.backBufferHeight, 0, EquipmentFlags.base, PlayerState.weaponMode1,
                  EquipmentFlags.acquiredA, EquipmentFlags.worn, EquipmentFlags.acquiredB, PlayerState.weaponMode2,
                  0, 0, 0, 0);
    return text;
}

bool ApplySettingsText(const std::string& text, std::string* errorOut) {
    long line1[10], line2[10];
    const char* p = text.c_str();
    if (text.size() != std::strlen(text.c_str()) || !ParseLine(p, 1, line1) || !ParseLine(p, 2, line2)) {
        if (errorOut) *errorOut = "it is not two numbered lines of ten numbers";
        return false;
    }
    // Line 02 carries only on/off words (the first one starts at 1); a file
    // with anything else in them was not written by the game.
    if (line2[0] < 0 || line2[0] > 9 || !IsFlag(line2[1]) || !IsFlag(line2[2]) || !IsFlag(line2[3]) ||
        !IsFlag(line2[4]) || !IsFlag(line2[5])) {
        if (errorOut) *errorOut = "its equipment words are out of range";
        return false;
    }
    TraceSample.year = static_cast<std::int32_t>(line1[0]);
    TraceSample.month = static_cast<std::int32_t>(line1[1]);
    TraceSample.day = static_cast<std::int32_t>(line1[2]);
    TraceSample.hour = static_cast<std::int32_t>(line1[3]);
    TraceSample.minute = static_cast<std::int32_t>(line1[4]);
    TraceSample.second = static_cast<std::int32_t>(line1[5]);
    GameSettings.windowed = static_cast<std::int32_t>(line1[6]);
    GameSettings.backBufferWidth = static_cast<std::int32_t>(line1[7]);
    GameSettings.backBufferHeight = static_cast<std::int32_t>(line1[8]);
    EquipmentFlags.base = static_cast<std::int32_t>(line2[0]);
    PlayerState.weaponMode1 = static_cast<std::int32_t>(line2[1]);
    EquipmentFlags.acquiredA = static_cast<std::int32_t>(line2[2]);
    EquipmentFlags.worn = static_cast<std::int32_t>(line2[3]);
    EquipmentFlags.acquiredB = static_cast<std::int32_t>(line2[4]);
    PlayerState.weaponMode2 = static_cast<std::int32_t>(line2[5]);
    return true;
}

void WriteSettings() {
    StoreCurrentDisplay();
    StoreCurrentBackBuffer();
    WriteText(kSettingsPath, FormatSettingsText());
}

void ReadSettings() {
    std::string text;
    std::string error;
    bool opened = ReadWholeFile(kSettingsPath, text, kSettingsMaxBytes, &error);
    PrintOpenStatus(kSettingsPath, opened);
    // A missing file is the first start; anything else the player may want
    // to know about.
    if (!opened && FileExistsAtAll(kSettingsPath))
        std::fprintf(stderr, "Quillmarch: %s is ignored: it %s\n", kSettingsPath, error.c_str());
    if (opened && !ApplySettingsText(text, &error))
        std::fprintf(stderr, "Quillmarch: %s is ignored: %s\n", kSettingsPath, error.c_str());
    // Without a usable size from the file the device could not be made:
    // start in a window of the virtual screen's own size instead.
    const bool sizeUsable = GameSettings.backBufferWidth >= 320 && GameSettings.backBufferWidth <= 16384 &&
                            GameSettings.backBufferHeight >= 240 && GameSettings.backBufferHeight <= 16384;
    // A size larger than the desktop cannot be shown whole and costs a huge
    // back buffer for nothing: the default window instead.
    const plat::DisplayMode desktop = plat::DesktopSize();
    const bool beyondDesktop = sizeUsable && desktop.width > 0 && desktop.height > 0 &&
                               (GameSettings.backBufferWidth > desktop.width ||
                                GameSettings.backBufferHeight > desktop.height);
    if (beyondDesktop)
        std::fprintf(stderr, "Quillmarch: %s asks for %d x %d, larger than the desktop's %d x %d; using a %d x %d window.\n",
                     kSettingsPath, GameSettings.backBufferWidth, GameSettings.backBufferHeight, desktop.width,
                     desktop.height, kDefaultBackBufferWidth, kDefaultBackBufferHeight);
    if (!sizeUsable || beyondDesktop || !IsFlag(GameSettings.windowed)) {
        GameSettings.windowed = 1;
        GameSettings.backBufferWidth = kDefaultBackBufferWidth;
        GameSettings.backBufferHeight = kDefaultBackBufferHeight;
    }
    SampleTraceValues();
    WriteTraceLog(4);
}

void WriteRunningFlag(std::int32_t value) {
    StoreCurrentDisplay();
    WriteMark(kRunningMarkPath, "", value);
}

std::int32_t ReadRunningFlag() { return ReadMark(kRunningMarkPath, "", nullptr); }

void WriteDoubleStartFlag(std::int32_t value) {
    StoreCurrentDisplay();
    WriteMark(kDoubleStartMarkPath, "W_open ", value);
}

std::int32_t ReadDoubleStartFlag() { return ReadMark(kDoubleStartMarkPath, "W_open ", &g_doubleStartReadStatus); }

bool AnotherCopyIsRunning() {
    const std::int32_t mark = ReadRunningFlag();
    EnsureDirectory("Data/Save");
    switch (plat::RunningLockState(kRunningLockPath)) {
        case plat::LockState::HeldByOther: return true;   // whatever the mark says
        case plat::LockState::Free: return false;         // a 1 without a holder is a crash's
        case plat::LockState::Unknown: break;
    }
    return mark == 1;
}

bool ClaimRunningLock() {
    EnsureDirectory("Data/Save");
    if (plat::RunningLockAcquire(kRunningLockPath)) return true;
    // Lost to a copy that started at the same moment, or no lock can be made
    // here at all (then the marks alone decide, as without the lock).
    return plat::RunningLockState(kRunningLockPath) != plat::LockState::HeldByOther;
}

void ReleaseRunningLock() { plat::RunningLockRelease(); }
