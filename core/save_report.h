// Reports a problem with a save slot where a player or maintainer will find
// it: on standard error and as a line of the trace log.
#pragma once

#include <string>

void ReportSaveProblem(const std::string& text, bool toTraceLog = true);
