// The small files that carry state between runs: the settings file
// "Data/Save/SaveC0.txt" (display mode and back-buffer size for the next
// start, the heroine's equipment and weapon-mode words) and the two
// running-instance marks "Data/Save/SaveS1.txt" (a copy is running) and
// "Data/Save/SaveS2.txt" (a second copy asked the running one to stop).
#pragma once

#include <cstdint>
#include <string>

inline constexpr const char* kSettingsPath = "Data/Save/SaveC0.txt";
inline constexpr const char* kRunningMarkPath = "Data/Save/SaveS1.txt";
inline constexpr const char* kDoubleStartMarkPath = "Data/Save/SaveS2.txt";
// The OS lock held by the copy that is running (see AnotherCopyIsRunning).
inline constexpr const char* kRunningLockPath = "Data/Save/SaveS1.lock";

// The size the game starts with when the settings file gives none.
inline constexpr std::int32_t kDefaultBackBufferWidth = 1024;
inline constexpr std::int32_t kDefaultBackBufferHeight = 768;

struct GameSettingsRecord {
    std::int32_t windowed = 0;            // 1 window, 0 full screen
    std::int32_t backBufferWidth = 0;
    std::int32_t backBufferHeight = 0;
};
inline GameSettingsRecord GameSettings;

// Stores the current display mode and back-buffer size, then writes the
// settings file.
void WriteSettings();
// Reads the settings file into GameSettings, EquipmentFlags and the weapon
// modes, samples the trace values and writes trace code 4. A missing or
// damaged file changes no word, except that a display the file does not give
// becomes a 1024 x 768 window.
void ReadSettings();

void WriteRunningFlag(std::int32_t value);
// The running mark's digit; 3 when the file is missing or holds no digit.
std::int32_t ReadRunningFlag();
void WriteDoubleStartFlag(std::int32_t value);
std::int32_t ReadDoubleStartFlag();

// Reads the running mark, then asks the running lock: a live copy holds it,
// whatever the mark says (missing, unwritable or not yet written). A mark of 1
// left behind by a run that crashed (no live holder) counts as 2. When the
// lock cannot be checked the mark alone decides.
bool AnotherCopyIsRunning();
// Takes the running lock for this copy; false only when another copy holds
// it (true also when no lock can be made here: the marks then decide).
bool ClaimRunningLock();
void ReleaseRunningLock();

// The two lines of the settings file for the current words.
std::string FormatSettingsText();
// Applies settings text to the words. False (nothing changed) when the text
// is not two well-formed lines; errorOut then says why.
bool ApplySettingsText(const std::string& text, std::string* errorOut);
