// The game writes its status lines to standard output as it runs ("The file
// 'Data/Save/SaveS0.txt' was opened", a line for every file it opens): a long
// test prints thousands. Each test's standard output is kept aside and shown
// only when the test fails or is skipped, where it tells what the game did
// up to the failure, in order with the failure messages; a passing test
// leaves gtest's own lines alone.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

namespace {

class GameOutputAside : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        std::fflush(stdout);
        kept_ = std::tmpfile();
        if (kept_ == nullptr) return;   // nowhere to keep it: it goes by as it comes
        screen_ = dup(STDOUT_FILENO);
        if (screen_ < 0 || dup2(fileno(kept_), STDOUT_FILENO) < 0) Close();
    }
    void OnTestEnd(const ::testing::TestInfo& info) override {
        if (screen_ < 0) return;
        std::fflush(stdout);
        dup2(screen_, STDOUT_FILENO);
        const ::testing::TestResult& result = *info.result();
        if (result.Failed() || result.Skipped()) {
            std::rewind(kept_);
            char buffer[4096];
            std::size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, kept_)) > 0) std::fwrite(buffer, 1, n, stdout);
            std::fflush(stdout);
        }
        Close();
    }
    void Close() {
        if (screen_ >= 0) close(screen_);
        screen_ = -1;
        if (kept_ != nullptr) std::fclose(kept_);
        kept_ = nullptr;
    }
    std::FILE* kept_ = nullptr;
    int screen_ = -1;
};

const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new GameOutputAside);
    return true;
}();

}  // namespace
