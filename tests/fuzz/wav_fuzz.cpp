// Feeds arbitrary bytes to the WAV reader the sound bank loads every sound
// through: it may refuse them, never crash, and what it accepts must describe
// sound data that lies inside the bytes it was given. Reading the same bytes
// from a file gives the same answer.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/common/internal.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::string g_file;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    g_file = (base / ("qm_wav_fuzz_" + std::to_string(static_cast<long>(::getpid())) + ".wav")).string();
    std::atexit([] { std::remove(g_file.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using plat::detail::WavInfo;
    WavInfo info;
    std::string why;
    const bool accepted = plat::detail::ParseWav(data, size, info, &why);
    if (accepted) {
        Require(info.channels == 1 || info.channels == 2, "one or two channels");
        Require(info.bitsPerSample == 8 || info.bitsPerSample == 16, "8 or 16 bits");
        Require(info.samplesPerSecond >= 1000 && info.samplesPerSecond <= 192000, "a usable rate");
        Require(info.dataBytes <= size, "the sound data lies inside the file");
        Require(std::isfinite(info.seconds) && info.seconds >= 0, "a length in seconds");
    } else {
        Require(!why.empty(), "a refusal says why");
    }

    std::FILE* f = std::fopen(g_file.c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    WavInfo fromFile;
    std::string fileWhy;
    const bool fileAccepted = plat::detail::ReadWavFile(g_file.c_str(), fromFile, &fileWhy);
    Require(fileAccepted == accepted, "the file reads as the bytes do");
    if (accepted) Require(fromFile.dataBytes == info.dataBytes && fromFile.channels == info.channels, "same sound");
    return 0;
}
