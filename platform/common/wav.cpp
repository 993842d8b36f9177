// WAV checks and the volume scale shared by both backends.
#include "platform/common/internal.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat::detail {

namespace {

std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::uint16_t U16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

// The format chunk's first 16 bytes, checked.
bool ReadFormat(const std::uint8_t* body, WavInfo& info, std::string* error) {
    const std::uint16_t tag = U16(body);
    info.channels = U16(body + 2);
    info.samplesPerSecond = int(U32(body + 4));
    const std::uint16_t blockAlign = U16(body + 12);
    info.bitsPerSample = U16(body + 14);
    if (tag != 1) return Fail(error, "only PCM sound data is supported");
    if (info.channels < 1 || info.channels > 2) return Fail(error, "only mono and stereo sounds are supported");
    if (info.bitsPerSample != 8 && info.bitsPerSample != 16)
        return Fail(error, "only 8-bit and 16-bit samples are supported");
    if (info.samplesPerSecond < 1000 || info.samplesPerSecond > 192000)
        return Fail(error, "the sample rate is not usable");
    if (blockAlign != info.channels * info.bitsPerSample / 8) return Fail(error, "the block size is inconsistent");
    return true;
}

void SetSeconds(WavInfo& info) {
    const int frameBytes = info.channels * info.bitsPerSample / 8;
    info.seconds = double(info.dataBytes / std::uint32_t(frameBytes)) / double(info.samplesPerSecond);
}

}  // namespace

bool ParseWav(const std::uint8_t* data, std::size_t size, WavInfo& info, std::string* error) {
    info = WavInfo{};
    if (!data || size < 12) return Fail(error, "too short to be a WAV file");
    if (std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return Fail(error, "not a RIFF/WAVE file");
    bool haveFormat = false, haveData = false;
    std::size_t pos = 12;
    while (pos + 8 <= size && !(haveFormat && haveData)) {
        const std::uint32_t len = U32(data + pos + 4);
        const std::uint8_t* body = data + pos + 8;
        const std::size_t avail = size - pos - 8;
        if (std::memcmp(data + pos, "fmt ", 4) == 0) {
            if (len < 16 || len > avail) return Fail(error, "the format chunk is truncated");
            if (!ReadFormat(body, info, error)) return false;
            haveFormat = true;
        } else if (std::memcmp(data + pos, "data", 4) == 0) {
            if (!haveFormat) return Fail(error, "the sound data comes before its format");
            if (len > avail) return Fail(error, "the sound data is truncated");
            info.dataBytes = len;
            haveData = true;
        }
        const std::size_t step = 8 + std::size_t(len) + (len & 1u);
        if (step > size - pos) break;
        pos += step;
    }
    if (!haveFormat) return Fail(error, "the format chunk is missing");
    if (!haveData) return Fail(error, "the sound data is missing");
    SetSeconds(info);
    return true;
}

bool ReadWavLayout(std::FILE* f, WavInfo& info, long& dataOffset, std::string* error) {
    info = WavInfo{};
    struct stat st{};
    if (!f || ::fstat(::fileno(f), &st) != 0) return Fail(error, "the file cannot be read");
    const std::uint64_t size = std::uint64_t(st.st_size);
    std::uint8_t head[12];
    if (std::fseek(f, 0, SEEK_SET) != 0 || std::fread(head, 1, 12, f) != 12) return Fail(error, "too short to be a WAV file");
    if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
        return Fail(error, "not a RIFF/WAVE file");
    bool haveFormat = false;
    std::uint64_t pos = 12;
    while (pos + 8 <= size) {
        std::uint8_t chunk[8];
        if (std::fseek(f, long(pos), SEEK_SET) != 0 || std::fread(chunk, 1, 8, f) != 8) break;
        const std::uint32_t len = U32(chunk + 4);
        const std::uint64_t avail = size - pos - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            std::uint8_t body[16];
            if (len < 16 || len > avail || std::fread(body, 1, 16, f) != 16)
                return Fail(error, "the format chunk is truncated");
            if (!ReadFormat(body, info, error)) return false;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return Fail(error, "the sound data comes before its format");
            if (len > avail) return Fail(error, "the sound data is truncated");
            info.dataBytes = len;
            dataOffset = long(pos + 8);
            SetSeconds(info);
            return true;
        }
        pos += 8 + std::uint64_t(len) + (len & 1u);
    }
    return Fail(error, haveFormat ? "the sound data is missing" : "the format chunk is missing");
}

std::FILE* OpenRegularFile(const char* path, std::string* error) {
    if (!path) {
        Fail(error, "no file name");
        return nullptr;
    }
    int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Fail(error, errno == ENOENT ? "the file does not exist" : "the file cannot be opened");
        return nullptr;
    }
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        Fail(error, "it is not a regular file");
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        ::close(fd);
        Fail(error, "the file cannot be opened");
    }
    return f;
}

bool ReadWavFile(const char* path, WavInfo& info, std::string* error) {
    std::FILE* f = OpenRegularFile(path, error);
    if (!f) return false;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    const bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (readError) return Fail(error, "the file cannot be read");
    return ParseWav(bytes.data(), bytes.size(), info, error);
}

void SaySoundNotLoaded(const char* path, const std::string& why) {
    std::fprintf(stderr, "The sound '%s' was not loaded: %s.\n", path ? path : "", why.c_str());
}

bool CheckSoundFile(const char* path, WavInfo& info) {
    std::string why;
    if (ReadWavFile(path, info, &why)) return true;
    SaySoundNotLoaded(path, why);
    return false;
}

int VolumeFromMillibels(int volumeMb) {
    if (volumeMb <= -10000) return 0;
    if (volumeMb >= 0) return 128;
    const double v = 128.0 * std::pow(10.0, double(volumeMb) / 2000.0);
    return int(std::lround(v));
}

}  // namespace plat::detail
