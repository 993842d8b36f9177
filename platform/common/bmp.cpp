// BMP pictures into RGBA texels with the colour key made transparent.
#include "platform/common/internal.h"

#include <algorithm>
#include <cstring>

#include <libdeflate.h>
#include <zlib.h>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace plat::detail {

namespace {

constexpr int kMaxSide = 16384;   // the largest texture a renderer here takes

std::uint32_t ReadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::uint16_t ReadU16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

// One channel of a bit-field pixel: where it sits and how wide it is.
struct Channel {
    int shift = 0;
    int bits = 0;
};

Channel ChannelOf(std::uint32_t mask) {
    Channel c;
    if (mask == 0) return c;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++c.shift;
    }
    while (mask & 1u) {
        mask >>= 1;
        ++c.bits;
    }
    return c;
}

// Raw channel value (c.bits wide).
std::uint32_t RawOf(std::uint32_t pixel, Channel c) {
    return c.bits == 0 ? 0 : (pixel >> c.shift) & ((1u << c.bits) - 1u);
}

// Widens a channel to 8 bits by repeating its top bits, so full scale maps to 255.
std::uint8_t Expand(std::uint32_t raw, int bits) {
    if (bits <= 0) return 0;
    if (bits >= 8) return std::uint8_t(raw >> (bits - 8));
    std::uint32_t v = raw << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits) v |= v >> bits;
    return std::uint8_t(v);
}

// Four 24-bit texels at a time with a byte shuffle, where the processor has
// one: returns how many texels of the row it did (the rest are left to the
// plain loop). Each step reads 16 bytes, so it stops 6 texels short of the
// row's end to stay inside it.
#if defined(__x86_64__) && defined(__GNUC__)
bool HasByteShuffle() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

__attribute__((target("ssse3"))) std::int32_t ConvertRow24Wide(const std::uint8_t* src, std::uint8_t* dst,
                                                               std::int32_t width, std::uint32_t key) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    const __m128i keyed = _mm_set1_epi32(int(key));
    std::int32_t x = 0;
    for (; x + 6 <= width; x += 4, src += 12, dst += 16) {
        const __m128i rgb = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src)), order);
        const __m128i isKey = _mm_cmpeq_epi32(rgb, keyed);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_andnot_si128(isKey, _mm_or_si128(rgb, opaque)));
    }
    return x;
}
#else
bool HasByteShuffle() { return false; }
std::int32_t ConvertRow24Wide(const std::uint8_t*, std::uint8_t*, std::int32_t, std::uint32_t) { return 0; }
#endif

}  // namespace

bool ReadBmpLayout(const std::uint8_t* data, std::size_t size, BmpLayout& out, std::string* error) {
    out = BmpLayout{};
    if (!data || size < 14 + 12) return Fail(error, "too short to be a BMP picture");
    if (data[0] != 'B' || data[1] != 'M') return Fail(error, "not a BMP picture (no BM signature)");
    const std::uint32_t pixelOffset = ReadU32(data + 10);
    const std::uint32_t headerSize = ReadU32(data + 14);
    if (headerSize < 40 || headerSize > size - 14)
        return Fail(error, "unsupported or truncated BMP header");
    const std::int32_t width = std::int32_t(ReadU32(data + 18));
    const std::int32_t rawHeight = std::int32_t(ReadU32(data + 22));
    const std::uint16_t planes = ReadU16(data + 26);
    const std::uint16_t bits = ReadU16(data + 28);
    const std::uint32_t compression = ReadU32(data + 30);
    if (planes != 1) return Fail(error, "BMP header names more than one plane");
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN)
        return Fail(error, "BMP picture has no size");
    const bool topDown = rawHeight < 0;
    const std::int32_t height = topDown ? -rawHeight : rawHeight;
    if (width > kMaxSide || height > kMaxSide) return Fail(error, "BMP picture is too large");
    if (bits != 24 && bits != 16) return Fail(error, "BMP picture is neither 24-bit nor 16-bit");

    // 16-bit pictures are X1R5G5B5 unless bit fields say otherwise.
    std::uint32_t masks[3] = {0x7C00u, 0x03E0u, 0x001Fu};
    if (compression == 3 && bits == 16) {   // BI_BITFIELDS
        const std::size_t maskAt = 14 + 40;   // after the 40-byte header or inside a longer one
        if (maskAt + 12 > size) return Fail(error, "BMP bit fields are missing");
        for (int i = 0; i < 3; ++i) masks[i] = ReadU32(data + maskAt + 4 * i);
        for (std::uint32_t m : masks)
            if (m == 0 || (m >> 16) != 0) return Fail(error, "BMP bit fields are not usable");
    } else if (compression != 0) {
        return Fail(error, "compressed BMP pictures are not supported");
    }

    const std::uint64_t stride = ((std::uint64_t(width) * bits + 31) / 32) * 4;
    const std::uint64_t needed = std::uint64_t(pixelOffset) + stride * std::uint64_t(height);
    if (pixelOffset < 14 + headerSize || needed > size)
        return Fail(error, "BMP picture is truncated");
    out = BmpLayout{data, width, height, bits, topDown, {masks[0], masks[1], masks[2]}, stride, pixelOffset};
    return true;
}

void ConvertBmpRows(const BmpLayout& bmp, std::uint32_t colourKey, int firstRow, int rows, std::uint8_t* rgba) {
    const std::uint8_t keyR = std::uint8_t(colourKey >> 16);
    const std::uint8_t keyG = std::uint8_t(colourKey >> 8);
    const std::uint8_t keyB = std::uint8_t(colourKey);
    const Channel cr = ChannelOf(bmp.masks[0]), cg = ChannelOf(bmp.masks[1]), cb = ChannelOf(bmp.masks[2]);
    // A 16-bit picture cannot hold the key's full precision: compare at the
    // picture's own precision, as the key would be stored in that format.
    auto keyRaw = [](std::uint8_t v, Channel c) -> std::uint32_t {
        return c.bits >= 8 ? std::uint32_t(v) << (c.bits - 8) : std::uint32_t(v) >> (8 - c.bits);
    };
    const std::uint32_t keyR16 = keyRaw(keyR, cr), keyG16 = keyRaw(keyG, cg), keyB16 = keyRaw(keyB, cb);
    const std::uint32_t key24 = std::uint32_t(keyR) | std::uint32_t(keyG) << 8 | std::uint32_t(keyB) << 16;
    const std::int32_t width = bmp.width;

    // Every texel is written (a keyed one as transparent black), so the
    // buffer needs no clearing first.
    const bool wide = HasByteShuffle();
    for (std::int32_t row = firstRow; row < firstRow + rows; ++row) {
        const std::int32_t srcRow = bmp.topDown ? row : bmp.height - 1 - row;
        const std::uint8_t* src = bmp.data + bmp.pixelOffset + bmp.stride * std::uint64_t(srcRow);
        std::uint8_t* dst = rgba + std::size_t(row - firstRow) * std::size_t(width) * 4;
        if (bmp.bits == 24) {
            std::int32_t x = wide ? ConvertRow24Wide(src, dst, width, key24) : 0;
            for (src += 3 * x, dst += 4 * x; x < width; ++x, src += 3, dst += 4) {
                const std::uint32_t rgb = std::uint32_t(src[2]) | std::uint32_t(src[1]) << 8 | std::uint32_t(src[0]) << 16;
                // Little-endian RGBA: r in the lowest byte, alpha in the highest.
                const std::uint32_t texel = rgb == key24 ? 0u : rgb | 0xFF000000u;
                std::memcpy(dst, &texel, 4);
            }
            continue;
        }
        for (std::int32_t x = 0; x < width; ++x, dst += 4) {
            const std::uint32_t p = ReadU16(src + x * 2);
            const std::uint32_t rr = RawOf(p, cr), gg = RawOf(p, cg), bb = RawOf(p, cb);
            if (rr == keyR16 && gg == keyG16 && bb == keyB16) {
                std::memset(dst, 0, 4);
                continue;
            }
            dst[0] = Expand(rr, cr.bits);
            dst[1] = Expand(gg, cg.bits);
            dst[2] = Expand(bb, cb.bits);
            dst[3] = 255;
        }
    }
}

bool DecodeBmp(const std::uint8_t* data, std::size_t size, std::uint32_t colourKey,
               DecodedPicture& out, std::string* error) {
    out.width = out.height = 0;
    out.rgba.Forget();
    BmpLayout bmp;
    if (!ReadBmpLayout(data, size, bmp, error)) return false;
    out.width = bmp.width;
    out.height = bmp.height;
    out.rgba.Allocate(std::size_t(bmp.width) * std::size_t(bmp.height) * 4);
    ConvertBmpRows(bmp, colourKey, 0, bmp.height, out.rgba.data());
    return true;
}

bool LooksCompressed(const std::uint8_t* data, std::size_t size) {
    // A zlib header: deflate method, and the check bits of the first two bytes.
    return data && size >= 2 && (data[0] & 0x0F) == 8 && ((data[0] << 8) | data[1]) % 31 == 0;
}

bool UnpackBmp(const std::uint8_t* data, std::size_t size, ByteBuffer& out, std::string* error) {
    out.Forget();
    if (!LooksCompressed(data, size)) return Fail(error, "not a compressed picture");
    // First the file header, whose size field bounds what may follow: a
    // damaged or hostile stream cannot unpack into more than that.
    std::uint8_t header[14];
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return Fail(error, "the unpacker could not start");
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size < 0xFFFFFFFFu ? size : 0xFFFFFFFFu);
    z.next_out = header;
    z.avail_out = sizeof header;
    inflate(&z, Z_SYNC_FLUSH);
    const bool gotHeader = z.avail_out == 0;
    inflateEnd(&z);
    if (!gotHeader || header[0] != 'B' || header[1] != 'M') return Fail(error, "the compressed data is not a BMP file");
    const std::uint64_t fileSize = ReadU32(header + 2);
    // Far above any picture of the game (the largest is some 4 MB).
    constexpr std::uint64_t kMaxFile = std::uint64_t{256} << 20;
    if (fileSize < 54 || fileSize > kMaxFile) return Fail(error, "the compressed BMP gives an impossible size");

    // The whole stream at once, with its checksum, into a buffer of exactly
    // that size: a stream that holds more is damaged. One unpacker per
    // thread, as pictures are also made ahead on a helper thread.
    struct Unpacker {
        libdeflate_decompressor* d = libdeflate_alloc_decompressor();
        ~Unpacker() { libdeflate_free_decompressor(d); }
    };
    thread_local Unpacker unpacker;
    if (!unpacker.d) return Fail(error, "the unpacker could not start");
    out.Allocate(std::size_t(fileSize));
    std::size_t written = 0;
    const libdeflate_result rc =
        libdeflate_zlib_decompress(unpacker.d, data, size, out.data(), out.size(), &written);
    if (rc != LIBDEFLATE_SUCCESS || written != out.size()) {
        out.Forget();
        return Fail(error, "the compressed picture is damaged or cut short");
    }
    return true;
}

namespace {
// The unpacked file is only read on the way to the texels: each thread
// keeps one buffer for it, so that its pages are not faulted in afresh for
// every picture.
thread_local ByteBuffer unpackedScratch;

// The BMP bytes of a picture as TextureCreateFromBmp takes it: unpacked when
// it is compressed.
bool PlainBmp(const std::uint8_t*& data, std::size_t& size, std::string* error) {
    if (!data || !LooksCompressed(data, size)) return true;
    if (!UnpackBmp(data, size, unpackedScratch, error)) return false;
    data = unpackedScratch.data();
    size = unpackedScratch.size();
    return true;
}
}  // namespace

void ReleaseThreadScratch() { unpackedScratch.Clear(); }

bool MakePicture(const std::uint8_t* data, std::size_t size, std::uint32_t colourKey, DecodedPicture& out,
                 std::string* error) {
    return PlainBmp(data, size, error) && DecodeBmp(data, size, colourKey, out, error);
}

bool MakePictureInBands(const std::uint8_t* data, std::size_t size, std::uint32_t colourKey, BandTarget& target,
                        std::string* error) {
    BmpLayout bmp;
    if (!PlainBmp(data, size, error) || !ReadBmpLayout(data, size, bmp, error)) return false;
    if (!target.Start(bmp.width, bmp.height)) return false;
    // Bands of about 256 KB: the buffer stays in the cache and is kept.
    thread_local ByteBuffer band;
    const int rowsPerBand = std::max(1, int((std::size_t{256} << 10) / (std::size_t(bmp.width) * 4)));
    band.Allocate(std::size_t(rowsPerBand) * std::size_t(bmp.width) * 4);
    for (int row = 0; row < bmp.height; row += rowsPerBand) {
        const int rows = std::min(rowsPerBand, bmp.height - row);
        ConvertBmpRows(bmp, colourKey, row, rows, band.data());
        target.Band(row, rows, band.data());
    }
    return true;
}

}  // namespace plat::detail
