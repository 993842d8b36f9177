// Minimal PNG writer (RGBA, 8 bits, no filtering) on zlib.
#include "platform/common/internal.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>

namespace plat::detail {

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v >> 24));
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

void PutChunk(std::vector<std::uint8_t>& out, const char type[4], const std::uint8_t* body, std::size_t len) {
    PutU32(out, std::uint32_t(len));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    if (len) out.insert(out.end(), body, body + len);
    const uLong crc = crc32(0L, out.data() + start, uInt(out.size() - start));
    PutU32(out, std::uint32_t(crc));
}

}  // namespace

bool EncodePng(const std::uint8_t* rgba, int width, int height, std::vector<std::uint8_t>& out) {
    out.clear();
    if (!rgba || width <= 0 || height <= 0) return false;
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.insert(out.end(), kSignature, kSignature + 8);
    std::vector<std::uint8_t> ihdr;
    PutU32(ihdr, std::uint32_t(width));
    PutU32(ihdr, std::uint32_t(height));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});   // 8 bits, RGBA, deflate, no filter, no interlace
    PutChunk(out, "IHDR", ihdr.data(), ihdr.size());

    const std::size_t rowBytes = std::size_t(width) * 4;
    std::vector<std::uint8_t> raw((rowBytes + 1) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = raw.data() + (rowBytes + 1) * std::size_t(y);
        row[0] = 0;
        std::memcpy(row + 1, rgba + rowBytes * std::size_t(y), rowBytes);
    }
    uLongf packedLen = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> packed(packedLen);
    if (compress2(packed.data(), &packedLen, raw.data(), uLong(raw.size()), 6) != Z_OK) return false;
    PutChunk(out, "IDAT", packed.data(), packedLen);
    PutChunk(out, "IEND", nullptr, 0);
    return true;
}

bool WritePng(const std::string& path, const std::uint8_t* rgba, int width, int height) {
    std::vector<std::uint8_t> bytes;
    if (!EncodePng(rgba, width, height, bytes)) return false;
    // Written under a temporary name and renamed, so a reader never sees half a file.
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!ok || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace plat::detail
