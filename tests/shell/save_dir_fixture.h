// Each test runs in a fresh folder of its own holding an empty Data/Save, so
// save slots and the trace log are written there and never into the real
// ones; the folder is left and removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

inline std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class SaveDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "qm_save_XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        ASSERT_NE(mkdtemp(buffer.data()), nullptr);
        dir_ = buffer.data();
        std::filesystem::current_path(dir_);
        std::filesystem::create_directories("Data/Save");
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ec;
        if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
    }
    static std::string TraceLog() { return FileText("Data/Save/SaveS0.txt"); }

    std::filesystem::path previous_, dir_;
};
