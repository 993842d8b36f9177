// The trace log "Data/Save/SaveS0.txt": the machine the game runs on, the
// stages of start-up and shut-down, graphic loads and releases, saves and
// loads, and flow changes between stage, menu and areas. Every entry carries
// the time of day, two memory figures, the game clock and the frame time.
#pragma once

#include <cstdint>
#include <string>

inline constexpr const char* kTraceLogPath = "Data/Save/SaveS0.txt";

// Appends the line of an event code to the trace log Data/Save/SaveS0.txt.
void WriteTraceLog(int code);
// Refreshes the date, time and memory readings that trace lines print.
void SampleTraceValues();

// Things done once per run of the program, not once per game: the
// start-up's one-time trace lines, the first key event's line, the first
// trace sample's entry 100 and the report of a failing clock.
struct RunOnceMarksRecord {
    bool setUpDone = false;
    bool messageLogged = false;
    bool frameMoveLogged = false;
    bool lostLogged = false;
    bool destroyLogged = false;
    bool mainLoopEndLogged = false;
    bool markedRunning = false;   // this copy is the running one the mark speaks of
    bool firstKeyLogged = false;
    bool entry100Written = false;
    bool clockFailureReported = false;
};
inline RunOnceMarksRecord RunOnceMarks;

// The readings of the last sampling. Memory figures are in MB.
struct TraceSampleRecord {
    std::int32_t year = 0, month = 0, day = 0;
    std::int32_t hour = 0, minute = 0, second = 0;
    std::int32_t totalMb = 0;
    std::int32_t availableMb = 0;
    std::int32_t firstAvailableMb = 0;    // available memory of the first sampling
    std::int32_t lowestAvailableMb = 0;   // lowest available memory seen
};
inline TraceSampleRecord TraceSample;

// The readings alone (memory, date and time), without entry 100. When the
// clock cannot be read the last date and time are kept.
void TakeTraceReadings();
// The date and time alone: what the text pass takes on every frame (saves
// and the settings file are stamped with it). It costs no file reads.
void TakeClockReading();
// The memory figures alone. Reading them means reading and parsing files of
// the system, so they are taken only when an entry is written.
void TakeMemoryReadings();

// The text a code appends to the log (empty for a code without an entry),
// from the current TraceSample, GameClock and game words.
std::string TraceEntryText(int code);
// The header that code 0 writes.
std::string TraceHeaderText();
