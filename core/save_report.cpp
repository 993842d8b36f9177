#include "core/save_report.h"

#include <cstdio>

#include "core/file_io.h"

void ReportSaveProblem(const std::string& text, bool toTraceLog) {
    std::fprintf(stderr, "Quillmarch: %s\n", text.c_str());
    if (!toTraceLog) return;
    // The trace log is appended to by every entry; a failed open writes
    // nothing (the log may not exist in an unusual working folder).
    std::FILE* log = OpenForAppend("Data/Save/SaveS0.txt");
    if (!log) return;
    std::fprintf(log, "Save data: %s\n", text.c_str());
    std::fclose(log);
}
