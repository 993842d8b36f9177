// The sound files the build writes into the game folder: one for every name
// of the sound table (and the fallback of slot 55), each a 22050 Hz 16-bit
// PCM WAV that is not empty, does not clip, differs from the others, and
// (for music) runs on from its end into its start without a jump.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/sound_bank.h"
#include "tools/sound_catalogue.h"

namespace {

const std::string kWavDir = std::string(QM_GAME_DIR) + "/Data/Wav/";

struct Wav {
    bool ok = false;
    std::string why;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;  // interleaved
    std::size_t Frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
};

std::uint32_t Le32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

Wav ReadWav(const std::string& path) {
    Wav w;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        w.why = "missing";
        return w;
    }
    in.seekg(0, std::ios::end);
    std::vector<std::uint8_t> b(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(b.data()), static_cast<std::streamsize>(b.size()));
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        w.why = "not a RIFF WAVE file";
        return w;
    }
    if (Le32(&b[4]) + 8 != b.size()) {
        w.why = "RIFF size does not match the file";
        return w;
    }
    bool haveFmt = false, haveData = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at) + 4);
        const std::size_t len = Le32(&b[at + 4]);
        if (at + 8 + len > b.size()) {
            w.why = "chunk runs past the end";
            return w;
        }
        const std::uint8_t* c = &b[at + 8];
        if (id == "fmt " && len >= 16) {
            w.format = Le16(c);
            w.channels = Le16(c + 2);
            w.rate = static_cast<int>(Le32(c + 4));
            w.bits = Le16(c + 14);
            if (Le32(c + 8) != static_cast<std::uint32_t>(w.rate * w.channels * w.bits / 8) ||
                Le16(c + 12) != w.channels * w.bits / 8) {
                w.why = "byte rate or block align inconsistent";
                return w;
            }
            haveFmt = true;
        } else if (id == "data" && haveFmt && w.bits == 16) {
            if (len % (2u * static_cast<unsigned>(w.channels)) != 0) {
                w.why = "data is not whole frames";
                return w;
            }
            w.samples.resize(len / 2);
            std::memcpy(w.samples.data(), c, len / 2 * 2);  // little-endian, as the machine
            haveData = true;
        }
        at += 8 + len + (len & 1);
    }
    w.ok = haveFmt && haveData;
    if (!w.ok) w.why = "fmt or data chunk missing";
    return w;
}

std::set<std::string> AllNames() {
    std::set<std::string> names;
    for (const SoundFileRow& row : kSoundFileRows) names.insert(row.name);
    names.insert(kSoundFallbackName);
    return names;
}

// Slots the game plays as music (re-issued every frame or step) and the
// cricket chorus, which it keeps playing the same way.
const int kLoopingIds[] = {2, 4, 12, 62, 176, 207, 225, 236};

}  // namespace

TEST(GeneratedSounds, CoversEverySlotOnceWithTheSharedFiles) {
    std::vector<int> seen(kSoundIdCount + 1, 0);
    for (const SoundFileRow& row : kSoundFileRows)
        for (int id = row.firstId; id <= row.lastId; ++id) ++seen[static_cast<std::size_t>(id)];
    for (int id = 1; id <= kSoundIdCount; ++id) EXPECT_EQ(seen[static_cast<std::size_t>(id)], 1) << id;
    EXPECT_EQ(SoundFileBaseName(0), nullptr);
    EXPECT_EQ(SoundFileBaseName(237), nullptr);

    std::set<std::string> names;
    for (const SoundFileRow& row : kSoundFileRows) names.insert(row.name);
    EXPECT_EQ(names.size(), 149u);

    // The round-robin banks rotate over copies of one file each.
    struct Bank {
        int first, last;
        const char* name;
    };
    const Bank banks[] = {{162, 165, "metal22"},   {166, 169, "metal14"},   {171, 172, "swing08"},
                          {178, 180, "metal34_b"}, {181, 184, "metal33_b"}, {185, 188, "metal40_a"},
                          {189, 192, "metal36_c"}, {195, 198, "hit_s02"},   {226, 229, "metal36_b"},
                          {232, 235, "crash28"}};
    for (const Bank& b : banks)
        for (int id = b.first; id <= b.last; ++id) EXPECT_STREQ(SoundFileBaseName(id), b.name) << id;
    // Files that also serve slots away from their run.
    const std::map<int, const char*> shared = {{7, "bom20_S"},  {5, "hit_p01_b"},  {34, "coin04"},  {142, "coin04"},
                                               {69, "don07"},   {73, "don07"},     {76, "burst00"}, {109, "burst00"},
                                               {36, "hit59_c"}, {126, "hit59_c"},  {112, "swing25_a"},
                                               {130, "swing25_a"}, {154, "metal14"}, {60, "hit_s02"},
                                               {217, "metal36_b"}};
    for (const auto& [id, name] : shared) EXPECT_STREQ(SoundFileBaseName(id), name) << id;
    EXPECT_STREQ(SoundFileBaseName(1), "freeze07");
    EXPECT_STREQ(SoundFileBaseName(55), "byoro00");
    EXPECT_STREQ(SoundFileBaseName(236), "Zelk011");
}

TEST(GeneratedSounds, EveryFileIsAWellFormedQuietEnoughPcmWav) {
    for (const std::string& name : AllNames()) {
        SCOPED_TRACE(name);
        const Wav w = ReadWav(kWavDir + name + ".wav");
        ASSERT_TRUE(w.ok) << w.why;
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.rate, 22050);
        EXPECT_EQ(w.bits, 16);
        EXPECT_TRUE(w.channels == 1 || w.channels == 2);
        EXPECT_GE(w.Frames(), 22050u / 20) << "shorter than 50 ms";
        int peak = 0;
        for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LT(peak, 32767 * 95 / 100) << "too close to clipping";
        EXPECT_GT(peak, 32767 / 4) << "too quiet to hear";
    }
}

TEST(GeneratedSounds, FilesDifferFromEachOther) {
    std::map<std::vector<std::int16_t>, std::string> seen;
    for (const std::string& name : AllNames()) {
        const Wav w = ReadWav(kWavDir + name + ".wav");
        ASSERT_TRUE(w.ok) << name << ": " << w.why;
        const auto [it, fresh] = seen.emplace(w.samples, name);
        EXPECT_TRUE(fresh) << name << " sounds exactly like " << it->second;
    }
}

TEST(GeneratedSounds, MusicIsALongSeamlessLoopAndEffectsStartAndEndQuietly) {
    std::set<std::string> looping;
    for (int id : kLoopingIds) looping.insert(SoundFileBaseName(id));
    for (const std::string& name : AllNames()) {
        SCOPED_TRACE(name);
        const Wav w = ReadWav(kWavDir + name + ".wav");
        ASSERT_TRUE(w.ok) << w.why;
        const std::size_t frames = w.Frames();
        const auto ch = static_cast<std::size_t>(w.channels);
        if (looping.count(name)) {
            EXPECT_GE(frames, 22050u * 3) << "a loop this short repeats too audibly";
            // The step from the last frame into the first is no bigger than
            // the steps inside the sound.
            int biggestStep = 0;
            for (std::size_t i = ch; i < w.samples.size(); ++i)
                biggestStep = std::max(biggestStep, std::abs(w.samples[i] - w.samples[i - ch]));
            for (std::size_t c = 0; c < ch; ++c)
                EXPECT_LE(std::abs(w.samples[c] - w.samples[(frames - 1) * ch + c]), biggestStep);
        } else if (name == SoundFileBaseName(216)) {
            // The figure's voice clip: long enough for its whole face timeline.
            EXPECT_GE(frames, static_cast<std::size_t>(22050 * 28.4));
        } else {
            EXPECT_LT(frames, 22050u * 5) << "an effect should be short";
            EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), 1000);
            EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), 1000);
        }
    }
    for (int id : {2, 4, 12, 176, 207, 225, 236}) {
        const Wav w = ReadWav(kWavDir + SoundFileBaseName(id) + ".wav");
        EXPECT_GE(w.Frames(), 22050u * 10) << "music slot " << id;
    }
}

TEST(GeneratedSounds, PlatformLoadsEverySlot) {
    for (int id = 1; id <= kSoundIdCount; ++id) {
        const std::string path = kWavDir + SoundFileBaseName(id) + ".wav";
        EXPECT_TRUE(plat::SoundLoad(id, path.c_str())) << id;
    }
    EXPECT_TRUE(plat::SoundLoad(55, (kWavDir + kSoundFallbackName + ".wav").c_str()));
}

TEST(GeneratedSounds, TheGamesSoundBankFindsItsFilesInTheGameFolder) {
    // The sound bank names each slot's file by its own table; every one of
    // those files must be among the ones we write, under the same name.
    for (int id = 1; id <= kSoundIdCount; ++id) {
        const char* relative = SoundFileName(id);
        ASSERT_NE(relative, nullptr) << id;
        EXPECT_EQ(std::string(relative), std::string("Data/Wav/") + SoundFileBaseName(id) + ".wav") << id;
        EXPECT_TRUE(std::ifstream(std::string(QM_GAME_DIR) + "/" + relative).good()) << relative;
    }
}
