// Every routine and word of the game has one ordinary definition, so that a
// second one anywhere fails the link. A weak definition would let another
// replace it unnoticed, and so would an inline one (or a template's) beside
// an ordinary one of the same name: the link keeps one of them and drops the
// other without a word, and a caller compiled with the dropped one inline
// keeps it. However it is spelled (an attribute, a pragma, a macro, an
// assembler directive), it shows in the built objects: a weak symbol outside
// the section groups the compiler gives inline functions, templates and
// inline variables, or a name defined weak in one object and ordinary in
// another. The check reads the objects that make the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "holds/command_run.h"

namespace {

namespace fs = std::filesystem;

// Each weak or shadowed definition in the objects (or archives of them)
// named, as what a reader should be told; `error` says why none could be
// read.
std::vector<std::string> WeakDefinitions(const std::vector<std::string>& files, std::string& error) {
    struct Definition {
        std::string object;
        bool weak;
    };
    std::map<std::string, std::vector<Definition>> byName;
    std::vector<std::string> found;
    const std::regex symbol(R"(^\s*\d+: [0-9a-f]+\s+\d+ \S+\s+(GLOBAL|WEAK|UNIQUE)\s+\S+\s+(\d+) (\S+))");
    const std::regex member(R"(^\s+\[\s*(\d+)\]\s+\S)");
    int symbols = 0;
    for (const std::string& file : files) {
        const auto [said, status] = RunCommand(std::string(QM_READELF) + " -gsW " + Quoted(file));
        if (status != 0) {
            error += said;
            continue;
        }
        std::string object = file;
        std::set<int> grouped;   // the sections of the object's section groups
        bool inGroup = false;
        std::istringstream lines(said);
        for (std::string line; std::getline(lines, line);) {
            std::smatch m;
            if (line.rfind("File: ", 0) == 0) {
                object = line.substr(6);
                grouped.clear();
            } else if (line.find("group section [") != std::string::npos) {
                inGroup = true;
            } else if (line.empty()) {
                inGroup = false;
            } else if (inGroup && std::regex_search(line, m, member)) {
                grouped.insert(std::stoi(m[1].str()));
            } else if (std::regex_search(line, m, symbol)) {
                ++symbols;
                const bool weak = m[1] == "WEAK";
                if (weak && grouped.count(std::stoi(m[2].str())) == 0)
                    found.push_back(m[3].str() + " is defined weak in " + object);
                byName[m[3].str()].push_back({object, weak});
            }
        }
    }
    for (const auto& [name, definitions] : byName) {
        const Definition* weak = nullptr;
        const Definition* ordinary = nullptr;
        for (const Definition& d : definitions) (d.weak ? weak : ordinary) = &d;
        if (weak != nullptr && ordinary != nullptr)
            found.push_back(name + " is defined in " + ordinary->object + " and again, weak, in " + weak->object);
    }
    if (symbols == 0) error += "no symbols read";
    return found;
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> out;
    std::istringstream s(list);
    for (std::string item; std::getline(s, item, '|');)
        if (!item.empty()) out.push_back(item);
    return out;
}

}  // namespace

TEST(OneDefinition, NoDefinitionOfTheGameIsWeakOrShadowed) {
    const std::vector<std::string> files = Split(QM_GAME_OBJECTS);
    ASSERT_GE(files.size(), 7u);
    std::string error;
    for (const std::string& weak : WeakDefinitions(files, error)) ADD_FAILURE() << weak;
    EXPECT_EQ(error, "");
}

// Each way of writing a weak or a shadowing definition is found, and what
// C++ gives every program (inline functions, templates, inline variables, a
// static inside an inline function) is not.
TEST(OneDefinition, EverySpellingOfAWeakOrShadowingDefinitionIsFound) {
    const std::string kHeader =
        "template <class T> struct View { int Read() const { return 1; } };\n"
        "inline int gInline = 1;\n"
        "inline int Counted() { static int n = 0; return ++n; }\n";
    const std::string kRoutine = "int Routine() { return 1; }\n";
    const std::string kUses = "int Uses() { return View<int>{}.Read() + gInline + Counted(); }\n";
    const std::string kUsesToo = "int UsesToo() { return View<int>{}.Read() + gInline + Counted(); }\n";
    struct Case {
        const char* what;
        std::vector<std::string> sources;
        bool found;
    };
    const Case cases[] = {
        {"an attribute", {"__attribute__((weak)) int Routine() { return 1; }\n"}, true},
        {"an attribute, reserved spelling", {"__attribute__ (( __weak__ )) int Routine() { return 1; }\n"}, true},
        {"an attribute among others", {"__attribute__((used, __weak__)) int Routine() { return 1; }\n"}, true},
        {"a standard attribute", {"[[gnu::weak]] int Routine() { return 1; }\n"}, true},
        {"a standard attribute, reserved spelling", {"[[__gnu__::__weak__]] int Routine() { return 1; }\n"}, true},
        {"a macro", {"#define LOOSE __attribute__((weak))\nLOOSE int Routine() { return 1; }\n"}, true},
        {"a pragma", {kRoutine + "#pragma weak Routine\n"}, true},
        {"a pragma operator", {kRoutine + "_Pragma(\"weak Routine\")\n"}, true},
        {"an assembler directive", {"__asm__(\".weak _Z7Routinev\");\n" + kRoutine}, true},
        {"a weak word", {"__attribute__((weak)) int gWord = 1;\n"}, true},
        {"an inline routine beside an ordinary one",
         {kRoutine, "inline int Routine() { return 2; }\nint Other() { return Routine(); }\n"}, true},
        {"a version for one type beside the template's own",
         {kHeader + "template <> int View<int>::Read() const { return 0; }\n", kHeader + kUses}, true},
        {"inline routines, templates and inline words", {kHeader + kUses + kRoutine, kHeader + kUsesToo}, false},
    };
    const fs::path folder = FreshFolder("one_definition");
    ASSERT_FALSE(folder.empty());
    for (const Case& c : cases) {
        std::vector<std::string> objects;
        for (std::size_t i = 0; i < c.sources.size(); ++i) {
            const fs::path source = folder / ("unit" + std::to_string(i) + ".cpp");
            std::ofstream(source) << c.sources[i];
            objects.push_back((folder / ("unit" + std::to_string(i) + ".o")).string());
            const auto [said, status] = RunCommand(std::string(QM_CXX_COMPILER) + " -std=c++20 -O0 -c " +
                                                   Quoted(source) + " -o " + Quoted(objects.back()));
            ASSERT_EQ(status, 0) << c.what << ": " << said;
        }
        std::string error;
        const std::vector<std::string> found = WeakDefinitions(objects, error);
        EXPECT_EQ(!found.empty(), c.found) << c.what << ": " << ::testing::PrintToString(found);
        EXPECT_EQ(error, "") << c.what;
    }
    fs::remove_all(folder);
}
