// A small RGB canvas with the drawing primitives our picture generator
// needs, a 5 x 7 pixel font, and the BMP encoder (24-bit and 16-bit
// X1R5G5B5, bottom-up rows, the layout the texture loader reads).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace art {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb kTransparent{0, 0, 0};

// Never pure black: pictures keyed on black would lose such pixels.
Rgb Solid(Rgb c);
Rgb Mix(Rgb a, Rgb b, float t);          // a at t = 0, b at t = 1
Rgb Scale(Rgb c, float k);               // brighter above 1, darker below
Rgb Hsv(float hueDegrees, float sat, float val);

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row 0 at the top

    Canvas() = default;
    Canvas(int w, int h);

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void Put(int x, int y, Rgb c) {
        if (Inside(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = c;
    }
};

// Every primitive clips to the canvas and, where a clip box is set, to it.
struct ClipBox {
    int left, top, right, bottom;  // right and bottom exclusive
};

void SetClip(Canvas& c, const ClipBox* box);  // null clears it
void Plot(Canvas& c, int x, int y, Rgb colour);
void FillRect(Canvas& c, int left, int top, int right, int bottom, Rgb colour);
void FrameRect(Canvas& c, int left, int top, int right, int bottom, int thickness, Rgb colour);
void VerticalGradient(Canvas& c, int left, int top, int right, int bottom, Rgb topColour, Rgb bottomColour);
void FillEllipse(Canvas& c, float cx, float cy, float rx, float ry, Rgb colour);
void FillDisc(Canvas& c, float cx, float cy, float r, Rgb colour);
void Ring(Canvas& c, float cx, float cy, float r, float thickness, Rgb colour);
void Line(Canvas& c, float x0, float y0, float x1, float y1, float thickness, Rgb colour);
// Convex or simple polygon, filled by even-odd scanlines.
void FillPolygon(Canvas& c, const float* xy, int points, Rgb colour);

// Pixel text in the 5 x 7 font, each font pixel drawn as scale x scale.
// Letters, digits, space and - . : / ! + ; lower case draws as upper case.
int TextWidth(std::string_view text, int scale);
void DrawText(Canvas& c, int x, int y, std::string_view text, int scale, Rgb colour);
// One glyph stretched to fill a box (for the big loading letters).
void DrawGlyphInBox(Canvas& c, char ch, int left, int top, int right, int bottom, Rgb colour);

// A deterministic hash noise in [0, 1) of a position and a seed.
float Noise(int x, int y, std::uint32_t seed);

// BMP bytes of the canvas: 24-bit, or 16-bit X1R5G5B5. A pixel that is not
// black keeps at least one lit bit in 16 bits, so no see-through holes appear.
std::vector<std::uint8_t> EncodeBmp(const Canvas& c, int bits);

}  // namespace art
