// The link itself can replace a routine of the game with no second
// definition in any object: --wrap sends every call of it to another,
// --defsym makes its name another's address, --allow-multiple-definition
// (-z muldefs) keeps whichever of two definitions comes first, and a linker
// script can do any of these. None of it shows in the objects the
// one-definition check reads, and a program linked so passes its tests
// while MessageBoxOpen reads 0 in the game. So no command the build runs may
// hand the linker one of them, however it is spelled: the check reads the
// commands the generator wrote (link lines, compile flags, custom commands),
// after every property, variable, generator expression, library linked in
// and rule has had its say, and the options files they name; a driver
// options file (-specs), a launcher or a linker of one's own, whose options
// no line shows, is refused as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "holds/command_run.h"

namespace {

namespace fs = std::filesystem;

// One line of the build: the commands in it (split at && || ; |), the
// folder it starts in, and where it was written.
struct Line {
    std::string where;
    fs::path directory;
    std::string text;
    bool flags = false;   // the words of a compiler's command, without the compiler
};

struct Reading {
    fs::path build;                     // the build folder read
    std::vector<std::string> refused;   // "where: why: word"
    std::set<std::string> linked;       // the file name of each program linked
    std::string error;
};

// A shell line's commands, each as its words with the quotes taken off.
std::vector<std::vector<std::string>> Commands(const std::string& line) {
    std::vector<std::vector<std::string>> commands(1);
    std::string word;
    bool inWord = false;
    char quote = 0;
    const auto endWord = [&] {
        if (inWord) commands.back().push_back(word);
        word.clear();
        inWord = false;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            } else if (c == '\\' && quote == '"' && i + 1 < line.size()) {
                word += line[++i];
            } else {
                word += c;
            }
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            endWord();
        } else if (c == '&' || c == '|' || c == ';') {
            endWord();
            if (i + 1 < line.size() && line[i + 1] == c) ++i;
            if (!commands.back().empty()) commands.emplace_back();
        } else {
            word += c;
            inWord = true;
        }
    }
    endWord();
    return commands;
}

std::vector<std::string> WordsOf(const std::string& text) {
    std::vector<std::string> words;
    for (const auto& command : Commands(text)) words.insert(words.end(), command.begin(), command.end());
    return words;
}

bool StartsWith(const std::string& s, const std::string& head) { return s.rfind(head, 0) == 0; }

fs::path At(const fs::path& directory, const std::string& word) {
    return fs::path(word).is_absolute() ? fs::path(word) : directory / word;
}

// The words of an options file named "@file", false when it cannot be read
// (what it would hand on is unknown).
bool OptionsFile(const std::string& word, const fs::path& directory, int depth, std::vector<std::string>& words) {
    const fs::path file = At(directory, word.substr(1));
    if (depth > 4 || !fs::is_regular_file(file)) return false;
    words = WordsOf(ReadAll(file));
    return true;
}

// Why a word the linker reads as an input, naming a file, is refused ("" when
// it is not): whatever is no object, archive or source is taken for a linker
// script; only the system's own libraries may be one. The objects and
// archives the build makes are taken for what their names say: their
// commands are judged, and one may be half written while the build runs.
std::string InputFault(const std::string& word, const fs::path& directory, const fs::path& build) {
    const fs::path path = At(directory, word);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return "";
    const std::string real = fs::canonical(path, ec).string();
    if (StartsWith(real, build.string() + "/") && (path.extension() == ".o" || path.extension() == ".a")) return "";
    static const std::set<std::string> kSources = {".c", ".cc", ".cpp", ".cxx", ".c++", ".h", ".hpp", ".S", ".s", ".i", ".ii"};
    if (kSources.count(path.extension().string()) != 0) return "";
    std::string head(8, '\0');
    std::ifstream(path, std::ios::binary).read(head.data(), 8);
    if (StartsWith(head, "\x7f" "ELF") || head == "!<arch>\n" || head == "!<thin>\n") return "";
    const std::string name = path.filename().string();
    if ((StartsWith(real, "/usr/") || StartsWith(real, "/lib")) && StartsWith(name, "lib") &&
        name.find(".so") != std::string::npos)
        return "";
    return "a linker script (an input that is no object or library)";
}

// What the linker is handed: its words in order, each option judged.
void JudgeLinkerWords(const std::vector<std::string>& words, const fs::path& directory, const std::string& where,
                      Reading& reading, int depth);

// The words after a command's program: options files opened and, when the
// program is a compiler, its words judged and those it hands the linker
// (-Wl, -Xlinker, -z) gathered for the linker's judging.
void JudgeWords(const std::vector<std::string>& words, bool compiler, const fs::path& directory,
                const std::string& where, Reading& reading, int depth) {
    const auto refuse = [&](const std::string& why, const std::string& word) {
        reading.refused.push_back(where + ": " + why + ": " + word);
    };
    // Options whose next word is theirs, not an input.
    static const std::set<std::string> kTakesNext = {"-o", "-MF", "-MT", "-MQ", "-x", "-include", "-imacros",
                                                     "-isystem", "-iquote", "-idirafter", "-I", "-L", "-D",
                                                     "-U", "--param", "-aux-info", "-arch", "-target"};
    std::vector<std::string> linker;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        const bool hasNext = i + 1 < words.size();
        std::vector<std::string> inFile;
        if (StartsWith(w, "@")) {
            if (OptionsFile(w, directory, depth, inFile))
                JudgeWords(inFile, compiler, directory, where, reading, depth + 1);
            else
                refuse("an options file the check cannot read", w);
        } else if (!compiler) {
            continue;
        } else if (StartsWith(w, "-Wl,")) {
            std::istringstream parts(w.substr(4));
            for (std::string part; std::getline(parts, part, ',');) linker.push_back(part);
        } else if ((w == "-Xlinker" || w == "-z") && hasNext) {
            if (w == "-z") linker.push_back(w);
            linker.push_back(words[++i]);
        } else if (StartsWith(w, "-specs") || StartsWith(w, "--specs")) {
            refuse("a driver options file, which hands the linker what no line shows", w);
        } else if (StartsWith(w, "-fuse-ld") || StartsWith(w, "--ld-path") || StartsWith(w, "-B")) {
            refuse("a linker of the build's own choosing, which may do what no line shows",
                   w + (w == "-B" && hasNext ? " " + words[i + 1] : ""));
        } else if (StartsWith(w, "-T") || w == "-dT") {
            refuse("a linker script", w + (w.size() <= 3 && hasNext ? " " + words[i + 1] : ""));
        } else if (kTakesNext.count(w) != 0) {
            ++i;
        } else if (!StartsWith(w, "-") && !InputFault(w, directory, reading.build).empty()) {
            refuse(InputFault(w, directory, reading.build), w);
        }
    }
    if (!linker.empty()) JudgeLinkerWords(linker, directory, where, reading, depth);
}

void JudgeLinkerWords(const std::vector<std::string>& words, const fs::path& directory, const std::string& where,
                      Reading& reading, int depth) {
    const auto refuse = [&](const std::string& why, const std::string& word) {
        reading.refused.push_back(where + ": " + why + ": " + word);
    };
    // The linker takes any unambiguous start of a long option's name, with
    // one dash or two.
    static const struct {
        const char* name;
        const char* why;
        bool takesNext;   // its argument, when no '=' gives it
    } kRefused[] = {
        {"wrap", "sends a routine's calls to another", true},
        {"defsym", "gives a routine's name another address", true},
        {"allow-multiple-definition", "keeps one of two definitions without a word", false},
        {"script", "a linker script", true},
        {"default-script", "a linker script", true},
        {"mri-script", "a linker script", true},
        {"just-symbols", "takes symbols' addresses from another file", true},
    };
    static const std::set<std::string> kTakesNext = {"-o", "-Map", "-rpath", "-rpath-link", "-soname", "-h", "-e",
                                                     "-u", "-y", "-m", "-L", "-l", "--version-script"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        const std::string next = i + 1 < words.size() ? words[i + 1] : "";
        std::vector<std::string> inFile;
        if (StartsWith(w, "@")) {
            if (OptionsFile(w, directory, depth, inFile))
                JudgeLinkerWords(inFile, directory, where, reading, depth + 1);
            else
                refuse("an options file the check cannot read", w);
            continue;
        }
        if (!StartsWith(w, "-")) {
            if (!InputFault(w, directory, reading.build).empty()) refuse(InputFault(w, directory, reading.build), w);
            continue;
        }
        if (w == "-zmuldefs" || (w == "-z" && next == "muldefs")) {
            refuse("keeps one of two definitions without a word", w == "-z" ? "-z muldefs" : w);
        }
        if (w == "-z") {
            ++i;
            continue;
        }
        if ((StartsWith(w, "-T") && !StartsWith(w, "--")) || w == "-dT" || w == "-c") {
            const bool alone = w == "-T" || w == "-dT" || w == "-c";
            refuse("a linker script", alone ? w + " " + next : w);
            if (alone) ++i;
            continue;
        }
        std::string name = w.substr(StartsWith(w, "--") ? 2 : 1);
        const bool given = name.find('=') != std::string::npos;
        name = name.substr(0, name.find('='));
        bool takesNext = kTakesNext.count(w) != 0;
        for (const auto& option : kRefused) {
            if (name.size() < 2 || std::string(option.name).compare(0, name.size(), name) != 0) continue;
            takesNext = option.takesNext && !given;
            refuse(option.why, takesNext ? w + " " + next : w);
        }
        if (takesNext) ++i;
    }
}

bool IsCompilerOrLinker(const std::string& word) {
    static const std::regex compiler(R"((.*-)?(c\+\+|g\+\+|gcc|cc|clang|clang\+\+|ld|ld\.[a-z]+|mold)(-[0-9.]+)?)");
    return std::regex_match(fs::path(word).filename().string(), compiler);
}

// Judges one line of the build.
void JudgeLine(const Line& line, Reading& reading) {
    fs::path directory = line.directory;
    if (line.flags) {
        JudgeWords(WordsOf(line.text), true, directory, line.where, reading, 0);
        return;
    }
    for (std::vector<std::string> words : Commands(line.text)) {
        if (words.empty()) continue;
        // A word that is a command line of its own (sh -c "...") is read as one.
        for (const std::string& word : words)
            if (word.find(' ') != std::string::npos) JudgeLine({line.where, directory, word}, reading);
        if (words[0] == "cd" && words.size() >= 2) {
            directory = At(directory, words[1]);
            continue;
        }
        // The compiler, and what runs it: a compiler cache alone may.
        std::size_t program = 0;
        while (program + 1 < words.size() && !IsCompilerOrLinker(words[program])) ++program;
        if (!IsCompilerOrLinker(words[program])) program = 0;
        static const std::set<std::string> kCompilerCaches = {"ccache", "sccache"};
        if (program > 1 || (program == 1 && kCompilerCaches.count(fs::path(words[0]).filename().string()) == 0))
            reading.refused.push_back(line.where + ": the compiler run through a program that can hand the linker anything: " +
                                      words[0]);
        const bool compiler = IsCompilerOrLinker(words[program]);
        const std::string programName = fs::path(words[program]).filename().string();
        const std::vector<std::string> rest(words.begin() + program + 1, words.end());
        if (compiler && (StartsWith(programName, "ld") || programName == "mold"))
            JudgeLinkerWords(rest, directory, line.where, reading, 0);
        else
            JudgeWords(rest, compiler, directory, line.where, reading, 0);
        const auto has = [&rest](const char* w) { return std::find(rest.begin(), rest.end(), w) != rest.end(); };
        const auto out = std::find(rest.begin(), rest.end(), "-o");
        if (compiler && !has("-c") && !has("-E") && !has("-S") && out != rest.end() && out + 1 != rest.end())
            reading.linked.insert(fs::path(*(out + 1)).filename().string());
    }
}

// The lines a Makefiles build runs: each target's link.txt (its link),
// build.make (its compiles and custom commands) and flags.make (the flags of
// its compiles), in the folder each runs in.
void MakefileLines(const fs::path& build, std::vector<Line>& lines) {
    for (auto e = fs::recursive_directory_iterator(build); e != fs::recursive_directory_iterator(); ++e) {
        const fs::path& p = e->path();
        if (e->is_directory() && p != build && fs::exists(p / "CMakeCache.txt")) {
            e.disable_recursion_pending();   // a build of its own
            continue;
        }
        const std::string name = p.filename().string();
        if (!e->is_regular_file() || (name != "link.txt" && name != "build.make" && name != "flags.make")) continue;
        if (p.parent_path().parent_path().filename() != "CMakeFiles") continue;
        const fs::path directory = p.parent_path().parent_path().parent_path();
        const std::string file = fs::relative(p, build).generic_string();
        std::istringstream text(ReadAll(p));
        std::string rule;
        for (std::string l; std::getline(text, l);) {
            if (name == "link.txt") {
                lines.push_back({file, directory, l});
            } else if (name == "flags.make") {
                if (!StartsWith(l, "#")) lines.push_back({file, directory, l.substr(l.find('=') + 1), true});
            } else if (StartsWith(l, "\t")) {
                lines.push_back({file + " (" + rule + ")", directory, l});
            } else if (!l.empty() && !StartsWith(l, "#") && l.find(':') != std::string::npos) {
                rule = l.substr(0, l.find(':'));
            }
        }
    }
}

// Every command the build in `build` runs, judged.
Reading ReadBuild(const fs::path& build) {
    Reading reading;
    reading.build = fs::canonical(build);
    std::string generator;
    std::istringstream cache(ReadAll(build / "CMakeCache.txt"));
    for (std::string l; std::getline(cache, l);) {
        if (StartsWith(l, "CMAKE_GENERATOR:INTERNAL=")) generator = l.substr(l.find('=') + 1);
    }
    // The game is built with CMake's default generator, as the README's
    // commands and CI build it; another would write lines this check does
    // not read, so it says so rather than pass.
    std::vector<Line> lines;
    if (generator == "Unix Makefiles")
        MakefileLines(build, lines);
    else
        reading.error = "the check reads Unix Makefiles builds, not \"" + generator + "\" (" + build.string() + ")";
    for (const Line& line : lines) JudgeLine(line, reading);
    return reading;
}

}  // namespace

TEST(OneDefinition, NoCommandOfTheBuildHandsTheLinkerAReplacement) {
    const Reading reading = ReadBuild(QM_BINARY_DIR);
    ASSERT_EQ(reading.error, "");
    for (const std::string& refused : reading.refused) ADD_FAILURE() << refused;
    for (const char* program : {"quillmarch", "quillmarch_tests"})
        EXPECT_EQ(reading.linked.count(program), 1u) << "the link of " << program << " was not read";
}

// Each program of planted/link_options/ named planted_* is handed a
// replacement its own way, and must be refused; fair_program is not.
TEST(OneDefinition, EveryWayToHandTheLinkerAReplacementIsRefused) {
    const fs::path planted = fs::path(QM_SOURCE_DIR) / "tests/holds/planted/link_options";
    std::set<std::string> programs;
    const std::regex name(R"(\bplanted_[a-z_]+\b)");
    for (const auto& e : fs::recursive_directory_iterator(planted)) {
        if (e.path().filename() != "CMakeLists.txt") continue;
        const std::string text = ReadAll(e.path());
        for (std::sregex_iterator m(text.begin(), text.end(), name), end; m != end; ++m) programs.insert(m->str());
    }
    ASSERT_GE(programs.size(), 17u);
    programs.insert("fair_program");
    const fs::path build = FreshFolder("link_check");
    ASSERT_FALSE(build.empty());
    const auto [said, status] =
        RunCommand(std::string(QM_CMAKE) + " -S " + Quoted(planted) + " -B " + Quoted(build) +
                   " -G 'Unix Makefiles' -DCMAKE_CXX_COMPILER=" + Quoted(QM_CXX_COMPILER));
    ASSERT_EQ(status, 0) << said;
    const Reading reading = ReadBuild(build);
    EXPECT_EQ(reading.error, "");
    EXPECT_EQ(reading.linked.count("fair_program"), 1u) << "the fair program's link was not read";
    for (const std::string& program : programs) {
        const std::regex named("(^|\\W)" + program + "(\\W|$)");
        std::vector<std::string> refused;
        for (const std::string& r : reading.refused)
            if (std::regex_search(r.substr(0, r.find(": ")), named)) refused.push_back(r);
        EXPECT_EQ(refused.empty(), program == "fair_program") << program << " " << ::testing::PrintToString(refused);
    }
    fs::remove_all(build);
}
