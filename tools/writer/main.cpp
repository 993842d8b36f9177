// quillmarch_writer: writes the prepared save slots the documentation's
// pictures are taken from with the real program (tools/screenshots/drive.sh
// loads them), and takes the pictures the headless game draws itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "writer.h"

namespace {

constexpr const char* kUsage =
    "usage: quillmarch_writer slot <name> <file>       write the save slot <name> into <file>\n"
    "       quillmarch_writer slots <folder>            write every slot as <folder>/<name>.txt\n"
    "       quillmarch_writer pictures <folder> [<set>...]\n"
    "                                                   take the pictures of each set (every set\n"
    "                                                   when none is named) as <folder>/*.png\n"
    "       quillmarch_writer list                      name the slots and the picture sets\n"
    "A slot is placed as Data/Save/Save01.txt (or Save02, Save03) of the built game.\n";

int Usage(const std::string& why) {
    std::cerr << "quillmarch_writer: " << why << "\n" << kUsage;
    return 2;
}

void List(const char* heading, const std::vector<WriterJobName>& names) {
    std::cout << heading << ":\n";
    for (const WriterJobName& n : names) std::cout << "  " << n.name << std::string(18 - std::string(n.name).size(), ' ') << n.what << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage("no command given");
    const std::string& command = args[0];
    if (command == "list") {
        if (args.size() != 1) return Usage("list takes no arguments");
        List("slots", SlotNames());
        List("picture sets", PictureSetNames());
        return 0;
    }
    // The runner first: the jobs are added to it.
    int runnerArgc = 2;
    char brief[] = "--gtest_brief=1";
    char* runnerArgv[] = {argv[0], brief, nullptr};
    ::testing::InitGoogleTest(&runnerArgc, runnerArgv);
    if (command == "slot") {
        if (args.size() != 3) return Usage("slot takes a name and a file");
        if (std::filesystem::is_directory(args[2])) return Usage(args[2] + " is a folder; slot writes a file");
        if (!AddSlotJob(args[1], args[2])) return Usage("no slot is named \"" + args[1] + "\" (see list)");
    } else if (command == "slots") {
        if (args.size() != 2) return Usage("slots takes a folder");
        for (const WriterJobName& n : SlotNames()) AddSlotJob(n.name, std::filesystem::path(args[1]) / (std::string(n.name) + ".txt"));
    } else if (command == "pictures") {
        if (args.size() < 2) return Usage("pictures takes a folder");
        std::vector<std::string> sets(args.begin() + 2, args.end());
        if (sets.empty())
            for (const WriterJobName& n : PictureSetNames()) sets.emplace_back(n.name);
        for (const std::string& set : sets)
            if (!AddPictureJob(set, args[1])) return Usage("no picture set is named \"" + set + "\" (see list)");
    } else {
        return Usage("unknown command \"" + command + "\"");
    }
    return RUN_ALL_TESTS() == 0 ? 0 : 1;
}
