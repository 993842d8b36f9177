// Reads the event codes back out of the trace log's lines, so tests can
// compare the order of loads and releases.
#pragma once

#include <string>
#include <vector>

// The code each line of the log stands for; lines that stand for no code
// (header, plan dumps, shutdown text) are skipped.
std::vector<int> TraceCodesOf(const std::vector<std::string>& lines);
// The codes of `all` that come after the first `skip` codes.
std::vector<int> CodesAfter(const std::vector<int>& all, std::size_t skip);
