// Sounds: WAV files are checked before a slot takes them, the volume scale,
// and the headless slots that follow the virtual clock like a real voice.
#include "platform/common/internal.h"
#include "platform/platform_fixture.h"

using namespace plat_test;
using plat::detail::ParseWav;
using plat::detail::WavInfo;

TEST(PlatformWavTest, AcceptsPcmAndMeasuresItsLength) {
    const auto wav = MakeWav(2, 22050, 16, 11025);
    WavInfo info;
    std::string why;
    ASSERT_TRUE(ParseWav(wav.data(), wav.size(), info, &why)) << why;
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.samplesPerSecond, 22050);
    EXPECT_EQ(info.bitsPerSample, 16);
    EXPECT_DOUBLE_EQ(info.seconds, 0.5);
    // Unknown chunks before the data (and an odd-sized one, padded) are skipped.
    auto withList = wav;
    const std::uint8_t list[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    withList.insert(withList.begin() + 36, std::begin(list), std::end(list));
    ASSERT_TRUE(ParseWav(withList.data(), withList.size(), info, &why)) << why;
    EXPECT_DOUBLE_EQ(info.seconds, 0.5);
    const auto mono8 = MakeWav(1, 11025, 8, 11025);
    ASSERT_TRUE(ParseWav(mono8.data(), mono8.size(), info, &why)) << why;
    EXPECT_DOUBLE_EQ(info.seconds, 1.0);
}

TEST(PlatformWavTest, RejectsDamagedFilesWithAReason) {
    const auto good = MakeWav(2, 22050, 16, 100);
    auto patched = [&](std::size_t at, std::uint8_t value) {
        auto v = good;
        v[at] = value;
        return v;
    };
    auto cut = [&](std::size_t len) { return std::vector<std::uint8_t>(good.begin(), good.begin() + std::ptrdiff_t(len)); };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"not RIFF", patched(0, 'X')},
        {"not WAVE", patched(8, 'X')},
        {"compressed (tag 2)", patched(20, 2)},
        {"float (tag 3)", patched(20, 3)},
        {"no channels", patched(22, 0)},
        {"24-bit", patched(34, 24)},
        {"block size lies", patched(32, 3)},
        {"rate zero", [&] { auto v = good; v[24] = v[25] = v[26] = v[27] = 0; return v; }()},
        {"data chunk longer than the file", patched(43, 0x7F)},
        {"format chunk longer than the file", patched(19, 0x7F)},
        {"cut in the data", cut(good.size() - 1)},
        {"cut before the data", cut(40)},
        {"cut in the format", cut(30)},
        {"data before format", [&] {
             std::vector<std::uint8_t> v(good.begin(), good.begin() + 12);
             v.insert(v.end(), good.begin() + 36, good.end());
             v.insert(v.end(), good.begin() + 12, good.begin() + 36);
             return v;
         }()},
    };
    for (const auto& c : cases) {
        WavInfo info;
        std::string why;
        EXPECT_FALSE(ParseWav(c.bytes.empty() ? nullptr : c.bytes.data(), c.bytes.size(), info, &why)) << c.what;
        EXPECT_FALSE(why.empty()) << c.what;
    }
}

TEST(PlatformWavTest, MillibelsMapToMixerVolume) {
    using plat::detail::VolumeFromMillibels;
    EXPECT_EQ(VolumeFromMillibels(0), 128);
    EXPECT_EQ(VolumeFromMillibels(-100), 114);
    EXPECT_EQ(VolumeFromMillibels(-600), 64);
    EXPECT_EQ(VolumeFromMillibels(-1000), 40);
    EXPECT_EQ(VolumeFromMillibels(-4000), 1);
    EXPECT_EQ(VolumeFromMillibels(-5000), 0);
    EXPECT_EQ(VolumeFromMillibels(-9999), 0);
    EXPECT_EQ(VolumeFromMillibels(-10000), 0);
    EXPECT_EQ(VolumeFromMillibels(-30000), 0);
    EXPECT_EQ(VolumeFromMillibels(250), 128);   // no amplification
    int previous = 129;
    for (int mb = 0; mb >= -10000; mb -= 50) {   // never louder for a lower value
        const int v = VolumeFromMillibels(mb);
        EXPECT_LE(v, previous) << mb;
        previous = v;
    }
}

class PlatformHeadlessSoundTest : public PlatformTest {
protected:
    // A one-second stereo sound in slot `slot`.
    void LoadOneSecond(int slot) {
        const std::string path = WriteTempFile("one_second.wav", MakeWav(2, 22050, 16, 22050));
        ASSERT_TRUE(plat::SoundLoad(slot, path.c_str()));
    }
};

TEST_F(PlatformHeadlessSoundTest, BadOrMissingFilesLeaveTheSlotEmpty) {
    ASSERT_TRUE(plat::SoundManagerInit());
    ASSERT_TRUE(plat::SoundSetPrimaryFormat(2, 22050, 16));
    EXPECT_FALSE(plat::SoundLoad(5, "/nonexistent/Data/Wav/none.wav"));
    EXPECT_FALSE(plat::SoundLoaded(5));
    const std::string bad = WriteTempFile("bad.wav", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '});
    EXPECT_FALSE(plat::SoundLoad(6, bad.c_str()));
    EXPECT_FALSE(plat::SoundLoaded(6));
    // A slot that held a sound is emptied by a failed load into it.
    LoadOneSecond(7);
    EXPECT_FALSE(plat::SoundLoad(7, bad.c_str()));
    EXPECT_FALSE(plat::SoundLoaded(7));
    // Slots outside 1..236 never hold anything; calls on them are harmless.
    const std::string ok = WriteTempFile("ok.wav", MakeWav(1, 22050, 16, 10));
    EXPECT_FALSE(plat::SoundLoad(0, ok.c_str()));
    EXPECT_FALSE(plat::SoundLoad(237, ok.c_str()));
    EXPECT_TRUE(plat::SoundLoad(236, ok.c_str()));
    plat::SoundPlay(237, 0);
    plat::SoundPlay(5, 0);
    plat::SoundStop(-1);
    plat::SoundReset(999);
    EXPECT_FALSE(plat::SoundIsPlaying(5));
    EXPECT_FALSE(plat::SoundIsPlaying(237));
}

TEST_F(PlatformHeadlessSoundTest, PlayingFollowsTheClockAndReplayOnlyChangesVolume) {
    LoadOneSecond(3);
    plat::headless::SetTime(10.0);
    plat::SoundPlay(3, -600);
    EXPECT_TRUE(plat::SoundIsPlaying(3));
    plat::headless::SetTime(10.6);
    plat::SoundPlay(3, -100);   // still playing: goes on, louder
    EXPECT_NEAR(plat::headless::SoundPosition(3), 0.6, 1e-9);
    EXPECT_EQ(plat::headless::SoundVolume(3), -100);
    plat::headless::SetTime(10.99);
    EXPECT_TRUE(plat::SoundIsPlaying(3));
    plat::headless::SetTime(11.01);
    EXPECT_FALSE(plat::SoundIsPlaying(3));   // one second after the first play, not the second
    // Ended: the next play starts from the beginning.
    plat::SoundPlay(3, 0);
    plat::headless::SetTime(11.5);
    EXPECT_NEAR(plat::headless::SoundPosition(3), 0.49, 1e-9);
    const auto& calls = plat::headless::AllSoundCalls();
    ASSERT_EQ(calls.size(), 4u);   // load, play, play, play
    EXPECT_EQ(calls[0].op, plat::headless::SoundOp::Load);
    EXPECT_FALSE(calls[1].wasPlaying);
    EXPECT_TRUE(calls[2].wasPlaying);
    EXPECT_EQ(calls[2].volumeMb, -100);
    EXPECT_FALSE(calls[3].wasPlaying);
}

// A long run plays a sound nearly every frame: the record of all calls keeps
// the latest ones and stays bounded.
TEST_F(PlatformHeadlessSoundTest, TheRecordOfAllCallsStaysBoundedAndKeepsTheLatest) {
    LoadOneSecond(3);
    for (int i = 0; i < 300000; ++i) plat::SoundPlay(3, -(i % 5000));
    const auto& calls = plat::headless::AllSoundCalls();
    EXPECT_GE(calls.size(), 65536u);
    EXPECT_LE(calls.size(), 131072u);
    EXPECT_EQ(calls.back().volumeMb, -(299999 % 5000));
    EXPECT_EQ(calls[calls.size() - 2].volumeMb, -(299998 % 5000));
}

TEST_F(PlatformHeadlessSoundTest, StopKeepsThePositionAndResetRewinds) {
    LoadOneSecond(9);
    plat::SoundPlay(9, 0);
    plat::headless::SetTime(0.4);
    plat::SoundStop(9);
    EXPECT_FALSE(plat::SoundIsPlaying(9));
    plat::headless::SetTime(5.0);
    EXPECT_NEAR(plat::headless::SoundPosition(9), 0.4, 1e-9);
    plat::SoundPlay(9, 0);   // resumes where it stopped: 0.6 s left
    plat::headless::SetTime(5.55);
    EXPECT_TRUE(plat::SoundIsPlaying(9));
    plat::headless::SetTime(5.65);
    EXPECT_FALSE(plat::SoundIsPlaying(9));

    // Stop, rewind, play: a full second again.
    plat::headless::SetTime(20.0);
    plat::SoundPlay(9, 0);
    plat::headless::SetTime(20.7);
    plat::SoundStop(9);
    plat::SoundReset(9);
    EXPECT_FALSE(plat::SoundIsPlaying(9));   // rewinding does not start it
    plat::headless::SetTime(30.0);
    plat::SoundPlay(9, 0);
    plat::headless::SetTime(30.9);
    EXPECT_TRUE(plat::SoundIsPlaying(9));

    // Rewinding a sounding slot plays it on from the start.
    plat::SoundReset(9);
    plat::headless::SetTime(31.8);
    EXPECT_TRUE(plat::SoundIsPlaying(9));
    EXPECT_NEAR(plat::headless::SoundPosition(9), 0.9, 1e-9);

    // Rewinding a finished sound does not bring it back.
    plat::headless::SetTime(40.0);
    EXPECT_FALSE(plat::SoundIsPlaying(9));
    plat::SoundReset(9);
    EXPECT_FALSE(plat::SoundIsPlaying(9));

    plat::SoundDelete(9);
    EXPECT_FALSE(plat::SoundLoaded(9));
    plat::SoundPlay(9, 0);
    EXPECT_FALSE(plat::SoundIsPlaying(9));
}
