#include "tools/art/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace art {

namespace {

const ClipBox* gClip = nullptr;
ClipBox gClipStore{};

int Clamp(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

// Visible bounds of the canvas under the current clip box.
void Bounds(const Canvas& c, int& left, int& top, int& right, int& bottom) {
    left = 0;
    top = 0;
    right = c.width;
    bottom = c.height;
    if (gClip) {
        left = std::max(left, gClip->left);
        top = std::max(top, gClip->top);
        right = std::min(right, gClip->right);
        bottom = std::min(bottom, gClip->bottom);
    }
}

// 5 x 7 glyphs, one byte per row, bit 4 the leftmost pixel.
struct Glyph {
    char ch;
    std::uint8_t rows[7];
};
constexpr Glyph kFont[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}}, {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}}, {'/', {0x01, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10}},
    {'!', {0x04, 0x04, 0x04, 0x04, 0x04, 0x00, 0x04}}, {'+', {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}},
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
};

const Glyph* FindGlyph(char ch) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    for (const Glyph& g : kFont)
        if (g.ch == ch) return &g;
    return nullptr;
}

}  // namespace

Canvas::Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}

Rgb Solid(Rgb c) {
    if (c.r < 8 && c.g < 8 && c.b < 8) return Rgb{8, 8, 10};
    return c;
}

Rgb Mix(Rgb a, Rgb b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    auto lerp = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return Rgb{lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}

Rgb Scale(Rgb c, float k) {
    auto s = [k](std::uint8_t v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v * k), 0L, 255L)); };
    return Rgb{s(c.r), s(c.g), s(c.b)};
}

Rgb Hsv(float hue, float sat, float val) {
    hue = std::fmod(hue, 360.0f);
    if (hue < 0) hue += 360.0f;
    const float c = val * sat;
    const float x = c * (1.0f - std::fabs(std::fmod(hue / 60.0f, 2.0f) - 1.0f));
    const float m = val - c;
    float r = 0, g = 0, b = 0;
    switch (static_cast<int>(hue / 60.0f)) {
        case 0: r = c; g = x; break;
        case 1: r = x; g = c; break;
        case 2: g = c; b = x; break;
        case 3: g = x; b = c; break;
        case 4: r = x; b = c; break;
        default: r = c; b = x; break;
    }
    auto q = [m](float v) { return static_cast<std::uint8_t>(std::clamp(std::lround((v + m) * 255.0f), 0L, 255L)); };
    return Rgb{q(r), q(g), q(b)};
}

void SetClip(Canvas&, const ClipBox* box) {
    if (box) {
        gClipStore = *box;
        gClip = &gClipStore;
    } else {
        gClip = nullptr;
    }
}

void Plot(Canvas& c, int x, int y, Rgb colour) {
    int l, t, r, b;
    Bounds(c, l, t, r, b);
    if (x >= l && x < r && y >= t && y < b) c.pixels[static_cast<std::size_t>(y) * c.width + x] = colour;
}

void FillRect(Canvas& c, int left, int top, int right, int bottom, Rgb colour) {
    int l, t, r, b;
    Bounds(c, l, t, r, b);
    left = Clamp(left, l, r);
    right = Clamp(right, l, r);
    top = Clamp(top, t, b);
    bottom = Clamp(bottom, t, b);
    for (int y = top; y < bottom; ++y)
        std::fill(c.pixels.begin() + static_cast<std::ptrdiff_t>(y) * c.width + left,
                  c.pixels.begin() + static_cast<std::ptrdiff_t>(y) * c.width + right, colour);
}

void FrameRect(Canvas& c, int left, int top, int right, int bottom, int th, Rgb colour) {
    FillRect(c, left, top, right, std::min(bottom, top + th), colour);
    FillRect(c, left, std::max(top, bottom - th), right, bottom, colour);
    FillRect(c, left, top, std::min(right, left + th), bottom, colour);
    FillRect(c, std::max(left, right - th), top, right, bottom, colour);
}

void VerticalGradient(Canvas& c, int left, int top, int right, int bottom, Rgb a, Rgb b) {
    const int h = std::max(1, bottom - top - 1);
    for (int y = top; y < bottom; ++y) FillRect(c, left, y, right, y + 1, Mix(a, b, float(y - top) / float(h)));
}

void FillEllipse(Canvas& c, float cx, float cy, float rx, float ry, Rgb colour) {
    if (rx <= 0 || ry <= 0) return;
    const int y0 = static_cast<int>(std::floor(cy - ry));
    const int y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y) {
        const float dy = (y + 0.5f - cy) / ry;
        if (dy * dy > 1.0f) continue;
        const float half = rx * std::sqrt(1.0f - dy * dy);
        FillRect(c, static_cast<int>(std::lround(cx - half)), y, static_cast<int>(std::lround(cx + half)), y + 1,
                 colour);
    }
}

void FillDisc(Canvas& c, float cx, float cy, float r, Rgb colour) { FillEllipse(c, cx, cy, r, r, colour); }

void Ring(Canvas& c, float cx, float cy, float r, float th, Rgb colour) {
    const int y0 = static_cast<int>(std::floor(cy - r - 1));
    const int y1 = static_cast<int>(std::ceil(cy + r + 1));
    const int x0 = static_cast<int>(std::floor(cx - r - 1));
    const int x1 = static_cast<int>(std::ceil(cx + r + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            if (d <= r && d >= r - th) Plot(c, x, y, colour);
        }
}

void Line(Canvas& c, float x0, float y0, float x1, float y1, float th, Rgb colour) {
    const float len = std::hypot(x1 - x0, y1 - y0);
    const int steps = std::max(1, static_cast<int>(std::ceil(len * 2)));
    const float rad = std::max(0.5f, th * 0.5f);
    for (int i = 0; i <= steps; ++i) {
        const float t = float(i) / float(steps);
        FillDisc(c, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, rad, colour);
    }
}

void FillPolygon(Canvas& c, const float* xy, int n, Rgb colour) {
    if (n < 3) return;
    float minY = xy[1], maxY = xy[1];
    for (int i = 1; i < n; ++i) {
        minY = std::min(minY, xy[2 * i + 1]);
        maxY = std::max(maxY, xy[2 * i + 1]);
    }
    std::vector<float> xs;
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
        const float sy = y + 0.5f;
        xs.clear();
        for (int i = 0; i < n; ++i) {
            const float ax = xy[2 * i], ay = xy[2 * i + 1];
            const float bx = xy[2 * ((i + 1) % n)], by = xy[2 * ((i + 1) % n) + 1];
            if ((ay <= sy && by > sy) || (by <= sy && ay > sy)) xs.push_back(ax + (sy - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            FillRect(c, static_cast<int>(std::lround(xs[i])), y, static_cast<int>(std::lround(xs[i + 1])), y + 1,
                     colour);
    }
}

int TextWidth(std::string_view text, int scale) {
    if (text.empty()) return 0;
    return static_cast<int>(text.size()) * 6 * scale - scale;
}

void DrawText(Canvas& c, int x, int y, std::string_view text, int scale, Rgb colour) {
    for (char ch : text) {
        if (const Glyph* g = FindGlyph(ch)) {
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g->rows[row] & (0x10 >> col))
                        FillRect(c, x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale,
                                 colour);
        }
        x += 6 * scale;
    }
}

void DrawGlyphInBox(Canvas& c, char ch, int left, int top, int right, int bottom, Rgb colour) {
    const Glyph* g = FindGlyph(ch);
    if (!g || right <= left || bottom <= top) return;
    const int w = right - left, h = bottom - top;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int col = x * 5 / w, row = y * 7 / h;
            if (g->rows[row] & (0x10 >> col)) Plot(c, left + x, top + y, colour);
        }
}

float Noise(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFF) / 16777216.0f;
}

namespace {
void PutLe16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void PutLe32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    PutLe16(out, at, v & 0xFFFF);
    PutLe16(out, at + 2, v >> 16);
}
}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& c, int bits) {
    const std::size_t rowBytes = (static_cast<std::size_t>(c.width) * (bits / 8) + 3) & ~std::size_t{3};
    const std::size_t dataBytes = rowBytes * static_cast<std::size_t>(c.height);
    std::vector<std::uint8_t> out(54 + dataBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutLe32(out, 2, static_cast<std::uint32_t>(out.size()));
    PutLe32(out, 10, 54);
    PutLe32(out, 14, 40);
    PutLe32(out, 18, static_cast<std::uint32_t>(c.width));
    PutLe32(out, 22, static_cast<std::uint32_t>(c.height));  // positive: bottom-up rows
    PutLe16(out, 26, 1);
    PutLe16(out, 28, static_cast<std::uint32_t>(bits));
    PutLe32(out, 30, 0);  // no compression
    PutLe32(out, 34, static_cast<std::uint32_t>(dataBytes));
    PutLe32(out, 38, 2835);  // 72 dpi
    PutLe32(out, 42, 2835);
    for (int y = 0; y < c.height; ++y) {
        std::uint8_t* row = out.data() + 54 + rowBytes * static_cast<std::size_t>(c.height - 1 - y);
        for (int x = 0; x < c.width; ++x) {
            const Rgb p = c.At(x, y);
            if (bits == 24) {
                row[3 * x] = p.b;
                row[3 * x + 1] = p.g;
                row[3 * x + 2] = p.r;
            } else {
                std::uint32_t r = p.r >> 3, g = p.g >> 3, b = p.b >> 3;
                if (r == 0 && g == 0 && b == 0 && !(p == kTransparent)) r = g = b = 1;
                const std::uint32_t v = (r << 10) | (g << 5) | b;
                row[2 * x] = static_cast<std::uint8_t>(v);
                row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
            }
        }
    }
    return out;
}

}  // namespace art
