#include "support/wav_folder.h"

#include "shell/sound_bank.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
}  // namespace

void WriteTinyWav(const std::string& path, int tone) {
    const int samples = 441;   // 20 ms
    std::vector<std::uint8_t> b;
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    Put32(b, 36 + samples * 2);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(b, 16);
    Put16(b, 1);         // PCM
    Put16(b, 1);         // mono
    Put32(b, 22050);
    Put32(b, 22050 * 2);
    Put16(b, 2);
    Put16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Put32(b, samples * 2);
    for (int i = 0; i < samples; ++i) {
        const double v = 8000.0 * std::sin(i * 0.05 * (1 + tone % 7));
        Put16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

void WriteTinyWavFolder(const std::string& folder) {
    for (int id = 1; id <= kSoundSlotCount; ++id) {
        const std::string path = folder + "/" + SoundFileName(id);
        if (!std::filesystem::exists(path)) WriteTinyWav(path, id);
    }
}
