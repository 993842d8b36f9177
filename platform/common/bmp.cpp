// BMP pictures into padded RGBA texels with the colour key made transparent.
#include "platform/common/internal.h"

#include <cstring>

#include <zlib.h>

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

}  // namespace

int NextPowerOfTwo(int v) {
    int p = 1;
    while (p < v) p <<= 1;
    return p;
}

bool DecodeBmp(const std::uint8_t* data, std::size_t size, std::uint32_t colourKey,
               DecodedPicture& out, std::string* error) {
    out = DecodedPicture{};
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

    out.width = width;
    out.height = height;
    out.paddedWidth = NextPowerOfTwo(width);
    out.paddedHeight = NextPowerOfTwo(height);
    out.rgba.assign(std::size_t(out.paddedWidth) * std::size_t(out.paddedHeight) * 4, 0);

    const std::uint8_t keyR = std::uint8_t(colourKey >> 16);
    const std::uint8_t keyG = std::uint8_t(colourKey >> 8);
    const std::uint8_t keyB = std::uint8_t(colourKey);
    const Channel cr = ChannelOf(masks[0]), cg = ChannelOf(masks[1]), cb = ChannelOf(masks[2]);
    // A 16-bit picture cannot hold the key's full precision: compare at the
    // picture's own precision, as the key would be stored in that format.
    auto keyRaw = [](std::uint8_t v, Channel c) -> std::uint32_t {
        return c.bits >= 8 ? std::uint32_t(v) << (c.bits - 8) : std::uint32_t(v) >> (8 - c.bits);
    };
    const std::uint32_t keyR16 = keyRaw(keyR, cr), keyG16 = keyRaw(keyG, cg), keyB16 = keyRaw(keyB, cb);

    for (std::int32_t row = 0; row < height; ++row) {
        const std::int32_t srcRow = topDown ? row : height - 1 - row;
        const std::uint8_t* src = data + pixelOffset + stride * std::uint64_t(srcRow);
        std::uint8_t* dst = out.rgba.data() + std::size_t(row) * std::size_t(out.paddedWidth) * 4;
        for (std::int32_t x = 0; x < width; ++x, dst += 4) {
            std::uint8_t r, g, b;
            bool keyed;
            if (bits == 24) {
                b = src[x * 3 + 0];
                g = src[x * 3 + 1];
                r = src[x * 3 + 2];
                keyed = r == keyR && g == keyG && b == keyB;
            } else {
                const std::uint32_t p = ReadU16(src + x * 2);
                const std::uint32_t rr = RawOf(p, cr), gg = RawOf(p, cg), bb = RawOf(p, cb);
                r = Expand(rr, cr.bits);
                g = Expand(gg, cg.bits);
                b = Expand(bb, cb.bits);
                keyed = rr == keyR16 && gg == keyG16 && bb == keyB16;
            }
            if (keyed) continue;   // stays transparent black
            dst[0] = r;
            dst[1] = g;
            dst[2] = b;
            dst[3] = 255;
        }
    }
    return true;
}

bool LooksCompressed(const std::uint8_t* data, std::size_t size) {
    // A zlib header: deflate method, and the check bits of the first two bytes.
    return data && size >= 2 && (data[0] & 0x0F) == 8 && ((data[0] << 8) | data[1]) % 31 == 0;
}

bool UnpackBmp(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out, std::string* error) {
    out.clear();
    if (!LooksCompressed(data, size)) return Fail(error, "not a compressed picture");
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return Fail(error, "the unpacker could not start");
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size < 0xFFFFFFFFu ? size : 0xFFFFFFFFu);
    // First the file header, whose size field bounds what may follow: a
    // damaged or hostile stream cannot unpack into more than that.
    out.resize(14);
    z.next_out = out.data();
    z.avail_out = 14;
    int rc = inflate(&z, Z_SYNC_FLUSH);
    if (z.avail_out != 0 || out[0] != 'B' || out[1] != 'M') {
        inflateEnd(&z);
        return Fail(error, "the compressed data is not a BMP file");
    }
    const std::uint64_t fileSize = ReadU32(out.data() + 2);
    // Far above any picture of the game (the largest is some 4 MB).
    constexpr std::uint64_t kMaxFile = std::uint64_t{256} << 20;
    if (fileSize < 54 || fileSize > kMaxFile) {
        inflateEnd(&z);
        return Fail(error, "the compressed BMP gives an impossible size");
    }
    out.resize(std::size_t(fileSize));
    z.next_out = out.data() + 14;
    z.avail_out = static_cast<uInt>(fileSize - 14);
    rc = rc == Z_STREAM_END ? rc : inflate(&z, Z_FINISH);
    const bool whole = rc == Z_STREAM_END && z.avail_out == 0;
    inflateEnd(&z);
    if (!whole) {
        out.clear();
        return Fail(error, "the compressed picture is damaged or cut short");
    }
    return true;
}

}  // namespace plat::detail
