#include "support/child_run.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

bool RunThisTestInAChild(const std::vector<std::string>& extraEnvironment) {
    std::error_code ec;
    std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) return false;
    const ::testing::TestInfo* me = ::testing::UnitTest::GetInstance()->current_test_info();
    if (me == nullptr) return false;
    std::string filter = std::string("--gtest_filter=") + me->test_suite_name() + "." + me->name();
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
    env.insert(env.end(), extraEnvironment.begin(), extraEnvironment.end());
    std::vector<char*> argv = {self.data(), filter.data(), nullptr};
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    return posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), envp.data()) == 0 &&
           waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
