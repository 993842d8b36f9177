// The sound bank: loading slots from Data/Wav, the fallback name, missing
// and damaged files, and the clean-up.
#include "shell/sound_bank.h"

#include "core/game_flow.h"
#include "platform/headless.h"
#include "shell/boot.h"
#include "shell/trace_codes.h"
#include "support/wav_folder.h"
#include "support/game_harness.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

using plat::headless::SoundOp;

int CountOps(SoundOp op, int slot) {
    int n = 0;
    for (const auto& c : plat::headless::AllSoundCalls())
        if (c.op == op && c.slot == slot) ++n;
    return n;
}

int CountOccurrences(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class SoundBank : public GameHarness {
protected:
    void SetUp() override {
        linkSounds = false;   // each test lays out its own Data/Wav
        GameHarness::SetUp();
    }
};

}  // namespace

TEST(SoundBankTable, NamesItsFilesUnderDataWav) {
    EXPECT_STREQ(SoundFileName(1), "Data/Wav/freeze07.wav");
    EXPECT_STREQ(SoundFileName(55), "Data/Wav/byoro00.wav");
    EXPECT_STREQ(SoundFileName(236), "Data/Wav/Zelk011.wav");
    // Copies share one file: the bank of metal22 and the coin copies.
    EXPECT_STREQ(SoundFileName(162), SoundFileName(165));
    EXPECT_STREQ(SoundFileName(34), SoundFileName(145));
    EXPECT_STRNE(SoundFileName(33), SoundFileName(34));
    EXPECT_EQ(SoundFileName(0), nullptr);
    EXPECT_EQ(SoundFileName(237), nullptr);
    std::vector<std::string> names;
    for (int id = 1; id <= kSoundSlotCount; ++id) names.push_back(SoundFileName(id));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    EXPECT_EQ(names.size(), 149u);
}

TEST_F(SoundBank, LoadsOnceAndAnswersOnlyForItsSlots) {
    WriteTinyWavFolder(Dir().string());
    StartGame();
    const std::size_t before = TraceCodesOf(TraceLines()).size();

    EXPECT_EQ(LoadSound(0), 0);
    EXPECT_EQ(LoadSound(237), 0);
    EXPECT_EQ(LoadSound(-3), 0);
    EXPECT_EQ(LoadSound(2), 99);
    EXPECT_EQ(LoadSound(2), 99);
    EXPECT_EQ(SoundTable[2], 1);
    EXPECT_EQ(SoundTable[0], 0);
    EXPECT_EQ(CountOps(SoundOp::Load, 2), 1);
    // Slot 2 reports the start of the boot's loading on every call.
    EXPECT_EQ(CodesAfter(TraceCodesOf(TraceLines()), before), (std::vector<int>{8, 8}));

    EXPECT_EQ(LoadSound(236), 99);
    EXPECT_EQ(CodesAfter(TraceCodesOf(TraceLines()), before).back(), 9);
}

TEST_F(SoundBank, Slot55FallsBackToItsSecondName) {
    WriteTinyWav((Dir() / "Data/Wav/byoro00_a.wav").string(), 3);
    StartGame();
    EXPECT_EQ(LoadSound(55), 99);
    EXPECT_EQ(SoundTable[55], 1);
    EXPECT_EQ(CountOps(SoundOp::Load, 55), 1);
}

TEST_F(SoundBank, AnUnusableFileLeavesTheSlotEmptyAndSaysWhatHappenedOnce) {
    // Slot 2 plays Data/Wav/010.wav.
    struct Case {
        const char* what;
        void (*lay)(const std::filesystem::path& file);
        const char* said;
    };
    const Case cases[] = {
        {"missing", [](const std::filesystem::path&) {}, "Data/Wav/010.wav not found; continuing without sound."},
        {"damaged", [](const std::filesystem::path& f) { std::ofstream(f) << std::string("RIFF\x10\0\0\0WAVEjunk", 16); },
         "The sound 'Data/Wav/010.wav' was not loaded: the format chunk is missing."},
        {"a FIFO", [](const std::filesystem::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); },
         "Data/Wav/010.wav is not a regular file; continuing without sound."},
    };
    std::filesystem::create_directories(Dir() / "Data/Wav");
    StartGame();
    for (const Case& c : cases) {
        std::filesystem::remove(Dir() / "Data/Wav/010.wav");
        c.lay(Dir() / "Data/Wav/010.wav");
        testing::internal::CaptureStderr();
        EXPECT_EQ(LoadSound(2), 99);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(SoundTable[2], 0) << c.what;
        EXPECT_EQ(CountOccurrences(err, "010.wav"), 1) << c.what << ": " << err;
        EXPECT_NE(err.find(c.said), std::string::npos) << c.what << ": " << err;
    }
    // An empty slot stays silent and takes no platform call.
    StopSound(2);
    RewindSound(2);
    EXPECT_EQ(CountOps(SoundOp::Stop, 2) + CountOps(SoundOp::Reset, 2), 0);
}

TEST_F(SoundBank, StopRewindAndCleanUpTouchOnlyLoadedSlots) {
    WriteTinyWavFolder(Dir().string());
    StartGame();
    LoadSound(3);
    LoadSound(40);
    StopSound(3);
    RewindSound(40);
    StopSound(4);   // never loaded
    EXPECT_EQ(CountOps(SoundOp::Stop, 3), 1);
    EXPECT_EQ(CountOps(SoundOp::Reset, 40), 1);
    EXPECT_EQ(CountOps(SoundOp::Stop, 4), 0);

    DeleteAllSounds();
    for (int id = 1; id <= kSoundSlotCount; ++id) {
        const bool loaded = SoundTable[id] != 0;
        EXPECT_EQ(CountOps(SoundOp::Delete, id), loaded ? 1 : 0) << id;
    }
    EXPECT_EQ(CountOps(SoundOp::Delete, 3), 1);
}

TEST_F(SoundBank, MissingWavFolderGivesOneMessagePerSlotAndASilentTitle) {
    testing::internal::CaptureStderr();
    StartGame();
    const bool reached = RunFramesUntil([] { return GameFlow.bootStep == 13; }, 2000);
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(reached) << "boot step " << GameFlow.bootStep;
    EXPECT_EQ(CountOccurrences(err, " not found; continuing without sound.\n"), kSoundSlotCount);
    EXPECT_NE(err.find("Data/Wav/freeze07.wav not found; continuing without sound."), std::string::npos);
    EXPECT_NE(err.find("Data/Wav/byoro00_a.wav not found; continuing without sound."), std::string::npos);
    for (int id = 1; id <= kSoundSlotCount; ++id) ASSERT_EQ(SoundTable[id], 0) << id;
    // The title plays its music every frame; nothing reaches the platform.
    RunFrames(5);
    for (const auto& c : plat::headless::AllSoundCalls()) EXPECT_NE(c.op, SoundOp::Play);
}

TEST_F(SoundBank, EverySlotLoadsFromTheBuiltSounds) {
    const std::filesystem::path built = std::filesystem::path(QM_GAME_DIR) / "Data" / "Wav";
    std::error_code ec;
    if (!std::filesystem::exists(built / "freeze07.wav", ec))
        GTEST_SKIP() << "the build has not generated the sounds in " << built;
    std::filesystem::create_directories(Dir() / "Data", ec);
    std::filesystem::create_directory_symlink(built, Dir() / "Data" / "Wav", ec);
    StartGame();
    plat::headless::SetFrameHistory(400);
    ASSERT_TRUE(RunFramesUntil([] { return GameFlow.bootStep == 13; }, 2000));
    for (int id = 1; id <= kSoundSlotCount; ++id) EXPECT_EQ(SoundTable[id], 1) << SoundFileName(id);

    // Slots load in order, one per frame after slot 1.
    std::vector<int> order;
    for (const auto& c : plat::headless::AllSoundCalls())
        if (c.op == SoundOp::Load) order.push_back(c.slot);
    ASSERT_EQ(order.size(), static_cast<std::size_t>(kSoundSlotCount));
    for (int i = 0; i < kSoundSlotCount; ++i) EXPECT_EQ(order[i], i + 1);
    for (const auto& frame : plat::headless::Frames()) {
        int loads = 0;
        for (const auto& c : frame.sounds) loads += c.op == SoundOp::Load;
        EXPECT_LE(loads, 1) << "frame " << frame.index;
    }

    // 3 after slot 1 at start-up, 8 before slot 2, 9 after slot 236.
    const std::vector<int> codes = TraceCodesOf(TraceLines());
    const auto at = [&](int code) { return std::find(codes.begin(), codes.end(), code) - codes.begin(); };
    EXPECT_LT(at(3), at(8));
    EXPECT_LT(at(8), at(9));
    EXPECT_LT(at(9), at(990));
    EXPECT_LT(at(990), static_cast<long>(codes.size()));
}
