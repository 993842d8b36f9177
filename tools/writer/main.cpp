// quillmarch_writer: writes the prepared save slots the documentation's
// pictures are taken from with the real program (tools/screenshots/drive.sh
// loads them), takes the pictures the headless game draws itself, and draws
// the storyboard of the whole game.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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
    "       quillmarch_writer storyboard <folder>       play the whole game and write every line's\n"
    "                                                   first frame, a frame a second between lines\n"
    "                                                   and one contact sheet per area\n"
    "       quillmarch_writer list                      name the slots and the picture sets\n"
    "A slot is placed as Data/Save/Save01.txt (or Save02, Save03) of the built game.\n";

int Usage(const std::string& why) {
    std::cerr << "quillmarch_writer: " << why << "\n" << kUsage;
    return 2;
}

bool IsPictureSet(const std::string& name) {
    for (const WriterJobName& n : PictureSetNames())
        if (name == n.name) return true;
    return false;
}

void List(const char* heading, const std::vector<WriterJobName>& names) {
    std::cout << heading << ":\n";
    for (const WriterJobName& n : names) std::cout << "  " << n.name << std::string(18 - std::string(n.name).size(), ' ') << n.what << "\n";
}

// Runs each job as a program of its own (this one, with one job's command
// line): a few of the game's words outlast its data reset, as they outlast a
// new game in the running program, so a job played after another would start
// from what that one left. Returns 0 when every job succeeded.
int RunApart(const std::vector<std::vector<std::string>>& jobs) {
    std::error_code ec;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) {
        std::cerr << "quillmarch_writer: cannot find its own program: " << ec.message() << "\n";
        return 1;
    }
    int failed = 0;
    for (const std::vector<std::string>& job : jobs) {
        std::vector<std::string> words = {self};
        words.insert(words.end(), job.begin(), job.end());
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::cerr << "quillmarch_writer:";
            for (const std::string& w : job) std::cerr << " " << w;
            std::cerr << " failed\n";
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
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
        std::vector<std::vector<std::string>> jobs;
        for (const WriterJobName& n : SlotNames())
            jobs.push_back({"slot", n.name, (std::filesystem::path(args[1]) / (std::string(n.name) + ".txt")).string()});
        return RunApart(jobs);
    } else if (command == "pictures") {
        if (args.size() < 2) return Usage("pictures takes a folder");
        std::vector<std::string> sets(args.begin() + 2, args.end());
        if (sets.empty())
            for (const WriterJobName& n : PictureSetNames()) sets.emplace_back(n.name);
        if (sets.size() > 1) {
            std::vector<std::vector<std::string>> jobs;
            for (const std::string& set : sets) {
                if (!IsPictureSet(set)) return Usage("no picture set is named \"" + set + "\" (see list)");
                jobs.push_back({"pictures", args[1], set});
            }
            return RunApart(jobs);
        }
        if (!AddPictureJob(sets[0], args[1])) return Usage("no picture set is named \"" + sets[0] + "\" (see list)");
    } else if (command == "storyboard") {
        if (args.size() != 2) return Usage("storyboard takes a folder");
        AddStoryboardJob(args[1]);
    } else {
        return Usage("unknown command \"" + command + "\"");
    }
    return RUN_ALL_TESTS() == 0 ? 0 : 1;
}
