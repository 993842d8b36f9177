// The pictures the executable carries (their rows are the game's own,
// core/picture_table.h), and the BMP file sizes the generator writes them in.
//
// Shared by the picture generator and the tests; it holds data only.
#pragma once

#include <cstddef>

#include "core/picture_table.h"

// Bytes of a BMP file of that size and depth: both headers, then rows padded
// to whole 32-bit words.
constexpr std::size_t BmpRowBytes(int width, int bits) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits / 8) + 3u) & ~std::size_t{3};
}
constexpr std::size_t kBmpHeaderBytes = 14 + 40;
constexpr std::size_t BmpFileBytes(const PictureInfo& p) {
    return kBmpHeaderBytes + BmpRowBytes(p.width, p.bits) * static_cast<std::size_t>(p.height);
}
