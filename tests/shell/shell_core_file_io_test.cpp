// Whole-file reads and the write-then-rename that never leaves a file half
// written.
#include "core/file_io.h"
#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ShellCoreFileIo : public GameHarness {};

TEST_F(ShellCoreFileIo, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    ASSERT_TRUE(WriteFileAtomically("Data/Save/a.txt", std::string("old")));
    // Folders where the temporary file would go make the write fail. The
    // temporary names count up over the whole run, so every name the next
    // write could take is blocked.
    for (int n = 0; n < 1024; ++n) ASSERT_TRUE(EnsureDirectory("Data/Save/a.txt.tmp" + std::to_string(n)));
    std::string error;
    EXPECT_FALSE(WriteFileAtomically("Data/Save/a.txt", std::string("new"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadText("Data/Save/a.txt"), "old");
    // Writing over a folder fails too and reports it.
    EXPECT_FALSE(WriteFileAtomically("Data/Save", std::string("x")));
    for (const std::string& f : ListFiles()) EXPECT_EQ(f.find(".tmp"), std::string::npos) << f;
}

TEST_F(ShellCoreFileIo, WritesCreateTheirFoldersAndReadBackExactly) {
    const std::string bytes("line 1\r\nline 2\0end", 18);
    ASSERT_TRUE(WriteFileAtomically("new/deep/file.bin", bytes));
    std::string back;
    ASSERT_TRUE(ReadWholeFile("new/deep/file.bin", back));
    EXPECT_EQ(back, bytes);
    std::vector<std::uint8_t> raw;
    EXPECT_FALSE(ReadWholeFile("new/deep/file.bin", raw, 10));   // larger than allowed
    EXPECT_TRUE(raw.empty());
    EXPECT_FALSE(ReadWholeFile("new/deep", back));               // a folder
    EXPECT_FALSE(ReadWholeFile("missing.txt", back));
    EXPECT_TRUE(back.empty());
}

}  // namespace
