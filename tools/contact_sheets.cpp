// Contact sheets of the figures, for review:
//   contact_sheets <folder>
// draws every picture as the generator does and writes one PNG per figure
// (<folder>/<figure>.png): each cell the game cuts for that figure side by
// side at its own size, on a grey ground, the point its frame places on the
// floor marked red, the body box its table gives outlined green, and
// "picture:pose" over it. One figure should look like itself in every cell.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <zlib.h>

#include "tools/art/canvas.h"
#include "tools/art/cell_registry.h"
#include "tools/art/picture_art.h"
#include "tools/picture_catalogue.h"

namespace fs = std::filesystem;
using namespace art;

namespace {

void Be32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(std::uint8_t(v >> s));
}

void Chunk(std::vector<std::uint8_t>& png, const char* type, const std::vector<std::uint8_t>& data) {
    Be32(png, std::uint32_t(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    Be32(png, std::uint32_t(crc32(0, png.data() + start, uInt(png.size() - start))));
}

bool WritePng(const fs::path& path, const Canvas& c) {
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(c.height) * (std::size_t(c.width) * 3 + 1));
    for (int y = 0; y < c.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < c.width; ++x) {
            const Rgb p = c.At(x, y);
            raw.insert(raw.end(), {p.r, p.g, p.b});
        }
    }
    uLongf size = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> z(size);
    if (compress2(z.data(), &size, raw.data(), uLong(raw.size()), 6) != Z_OK) return false;
    z.resize(size);
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Be32(header, std::uint32_t(c.width));
    Be32(header, std::uint32_t(c.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    return bool(out);
}

std::string FileName(Subject s) {
    std::string n(SubjectName(s));
    for (char& ch : n)
        if (ch == ' ') ch = '_';
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: contact_sheets <folder>\n");
        return 2;
    }
    const fs::path folder = argv[1];
    fs::create_directories(folder);
    std::map<int, Canvas> pictures;
    std::map<Subject, std::vector<const Cell*>> bySubject;
    for (const Cell& c : Cells())
        if (IsFigure(c.subject) && !c.region) bySubject[c.subject].push_back(&c);
    for (const auto& [s, cells] : bySubject)
        for (const Cell* c : cells)
            if (!pictures.count(c->picture)) pictures.emplace(c->picture, DrawPicture(*FindPicture(c->picture)));

    constexpr int kWidth = 1400, kGap = 6, kLabel = 10;
    const Rgb ground{96, 100, 108}, text{235, 235, 235};
    for (const auto& [s, cells] : bySubject) {
        // Lay the cells out in rows first, to know the sheet's height.
        struct Spot {
            const Cell* cell;
            int x, y;
        };
        std::vector<Spot> spots;
        int x = kGap, y = kGap, rowH = 0;
        for (const Cell* c : cells) {
            const int w = std::max(c->rect.Width(), 40), h = c->rect.Height() + kLabel;
            if (x + w + kGap > kWidth && x > kGap) {
                x = kGap;
                y += rowH + kGap;
                rowH = 0;
            }
            spots.push_back({c, x, y});
            x += w + kGap;
            rowH = std::max(rowH, h);
        }
        Canvas sheet(kWidth, y + rowH + kGap);
        FillRect(sheet, 0, 0, sheet.width, sheet.height, ground);
        for (const Spot& sp : spots) {
            const Cell& c = *sp.cell;
            const Canvas& pic = pictures.at(c.picture);
            const int top = sp.y + kLabel;
            DrawText(sheet, sp.x, sp.y, std::to_string(c.picture) + ":" + std::to_string(c.pose), 1, text);
            FillRect(sheet, sp.x, top, sp.x + c.rect.Width(), top + c.rect.Height(), Rgb{70, 74, 82});
            for (int v = 0; v < c.rect.Height(); ++v)
                for (int u = 0; u < c.rect.Width(); ++u) {
                    const int px = c.rect.left + u, py = c.rect.top + v;
                    if (!pic.Inside(px, py)) continue;
                    const Rgb p = pic.At(px, py);
                    if (!(p == kTransparent)) sheet.Put(sp.x + u, top + v, p);
                }
            if (c.HasBody())
                FrameRect(sheet, sp.x + c.body.left, top + c.body.top, sp.x + c.body.right, top + c.body.bottom, 1,
                          Rgb{80, 220, 110});
            if (c.pivotX >= 0 && c.pivotY >= 0) {
                const float px = float(sp.x) + c.pivotX, py = float(top) + c.pivotY;
                Line(sheet, px - 4, py, px + 4, py, 1.5f, Rgb{240, 40, 40});
                Line(sheet, px, py - 4, px, py + 4, 1.5f, Rgb{240, 40, 40});
            }
        }
        const fs::path file = folder / (FileName(s) + ".png");
        if (!WritePng(file, sheet)) {
            std::fprintf(stderr, "could not write %s\n", file.string().c_str());
            return 1;
        }
    }
    return 0;
}
