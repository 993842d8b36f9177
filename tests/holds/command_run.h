// Running the build's own tools from a test: a command's output and status,
// a path quoted for the shell, a file's bytes, a folder of the test's own.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

// What a command printed (stdout and stderr) and its exit status.
inline std::pair<std::string, int> RunCommand(const std::string& command) {
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return {"could not start: " + command, -1};
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    return {out, pclose(pipe)};
}

inline std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

inline std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A new empty folder under the system's temporary one, named `name` and a
// suffix of its own: two runs of a case at once (CI runs the cases in one
// process beside ctest) never share one.
inline std::filesystem::path FreshFolder(const std::string& name) {
    std::string pattern = (std::filesystem::temp_directory_path() / (name + "_XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return pattern;
}
