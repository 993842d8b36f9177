// Fonts found through fontconfig, opened with SDL_ttf at the requested cell
// height, and texts drawn as cached textures tinted by vertex colour.
#include "platform/common/internal.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <unordered_map>

namespace plat::detail {

namespace {

struct FontRecord {
    bool used = false;
    TTF_Font* ttf = nullptr;
    int height = 0;
};

struct CachedText {
    SDL_Texture* texture = nullptr;
    int width = 0, height = 0;
    std::uint64_t lastUsed = 0;
};

struct TextCache {
    SDL_Renderer* renderer = nullptr;
    std::unordered_map<std::string, CachedText> entries;
};

struct FontState {
    std::vector<FontRecord> fonts;   // id = index + 1
    float scaleX = 1, scaleY = 1;
    std::vector<TextCache> caches;
    std::uint64_t frame = 0;
    std::string key;                 // reused lookup key
};

FontState& State() {
    // Never destroyed: the exit handlers that release SDL objects still need it.
    static FontState& s = *new FontState();
    return s;
}

FontRecord* Find(FontId id) {
    auto& f = State().fonts;
    if (id <= 0 || std::size_t(id) > f.size()) return nullptr;
    FontRecord& r = f[std::size_t(id) - 1];
    return r.used ? &r : nullptr;
}

// The installed families that stand in for the faces the game asks for, in
// order of preference, with a character each must be able to draw.
struct FaceChoice {
    const char* families[3];
    std::uint32_t probe;
};

FaceChoice ChoiceFor(const char* face) {
    if (std::strcmp(face, "Arial") == 0) return {{"Liberation Sans", nullptr, nullptr}, 'A'};
    if (std::strcmp(face, "ＭＳ Ｐゴシック") == 0 || std::strcmp(face, "MS PGothic") == 0)
        return {{"IPAPGothic", "VL PGothic", nullptr}, 0x3042};   // HIRAGANA A
    return {{face, nullptr, nullptr}, 'A'};
}

bool FamilyMatches(FcPattern* match, const char* family) {
    FcChar8* s = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &s) == FcResultMatch; ++i)
        if (strcasecmp(reinterpret_cast<const char*>(s), family) == 0) return true;
    return false;
}

// Finds the file of a family at the weight; fontconfig always answers
// something, so the answer's family and coverage are checked.
bool FindFontFile(const char* family, bool bold, std::uint32_t probe, std::string& file, int& index,
                  bool& boldFace) {
    static bool ready = false;
    if (!ready) {
        if (!FcInit()) return false;
        // Hand fontconfig's configuration back at exit, so leak checkers
        // see only real leaks.
        std::atexit([] { FcFini(); });
        ready = true;
    }
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    if (!match) return false;
    bool ok = FamilyMatches(match, family);
    FcCharSet* cs = nullptr;
    if (ok && FcPatternGetCharSet(match, FC_CHARSET, 0, &cs) == FcResultMatch)
        ok = FcCharSetHasChar(cs, probe);
    FcChar8* path = nullptr;
    if (ok) ok = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
    if (ok) {
        file = reinterpret_cast<const char*>(path);
        index = 0;
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        int weight = FC_WEIGHT_REGULAR;
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        boldFace = weight >= FC_WEIGHT_BOLD;
    }
    FcPatternDestroy(match);
    return ok;
}

// Opens the file so that its cell height (ascent + descent) is at most the
// requested height and as close to it as the font allows: the game gives
// cell heights, SDL_ttf takes em sizes.
TTF_Font* OpenAtCellHeight(const std::string& file, int index, int height) {
    unsigned dpi = 72;
    TTF_Font* f = TTF_OpenFontIndexDPI(file.c_str(), height, index, dpi, dpi);
    if (!f) return nullptr;
    while (TTF_FontHeight(f) > height && dpi > 36) {
        --dpi;
        if (TTF_SetFontSizeDPI(f, height, dpi, dpi) != 0) break;
    }
    return f;
}

TextCache& CacheFor(SDL_Renderer* renderer) {
    auto& caches = State().caches;
    for (auto& c : caches)
        if (c.renderer == renderer) return c;
    caches.push_back(TextCache{renderer, {}});
    return caches.back();
}

void DestroyCache(TextCache& c) {
    for (auto& e : c.entries)
        if (e.second.texture) SDL_DestroyTexture(e.second.texture);
    c.entries.clear();
}

// The texture of one line of text (white, tinted when drawn); null when the
// line is empty or cannot be rendered.
const CachedText* LineTexture(SDL_Renderer* renderer, FontId id, TTF_Font* ttf, const char* text,
                              std::size_t len) {
    FontState& st = State();
    st.key.assign(reinterpret_cast<const char*>(&id), sizeof id);
    st.key.append(text, len);
    TextCache& cache = CacheFor(renderer);
    auto it = cache.entries.find(st.key);
    if (it == cache.entries.end()) {
        CachedText entry;
        std::string line(text, len);
        SDL_Surface* surf = line.empty() ? nullptr : TTF_RenderUTF8_Blended(ttf, line.c_str(), SDL_Color{255, 255, 255, 255});
        if (surf) {
            entry.texture = SDL_CreateTextureFromSurface(renderer, surf);
            entry.width = surf->w;
            entry.height = surf->h;
            SDL_FreeSurface(surf);
            if (entry.texture) {
                SDL_SetTextureBlendMode(entry.texture, SDL_BLENDMODE_BLEND);
                SDL_SetTextureScaleMode(entry.texture, SDL_ScaleModeLinear);
            }
        }
        it = cache.entries.emplace(st.key, entry).first;
    }
    it->second.lastUsed = st.frame;
    return it->second.texture ? &it->second : nullptr;
}

Uint8 Channel8(float v) {
    if (!(v > 0.0f)) return 0;
    if (v >= 1.0f) return 255;
    return Uint8(std::lround(v * 255.0f));
}

}  // namespace

bool FontValid(FontId font) { return Find(font) != nullptr; }

int FontLineHeight(FontId font) {
    const FontRecord* f = Find(font);
    return f ? f->height : 0;
}

void DrawTextItem(SDL_Renderer* renderer, const TextItem& item) {
    FontRecord* f = Find(item.font);
    if (!f || !f->ttf || !renderer) return;
    const SDL_Color col{Channel8(item.r), Channel8(item.g), Channel8(item.b), Channel8(item.a)};
    static const int kIndices[6] = {0, 1, 2, 1, 3, 2};
    const char* p = item.text.c_str();
    int line = 0;
    for (;;) {
        const char* nl = std::strchr(p, '\n');
        const std::size_t len = nl ? std::size_t(nl - p) : std::strlen(p);
        const CachedText* t = LineTexture(renderer, item.font, f->ttf, p, len);
        if (t) {
            const float x0 = float(item.x) * item.scaleX;
            const float y0 = float(item.y + line * f->height) * item.scaleY;
            const float x1 = x0 + float(t->width) * item.scaleX;
            const float y1 = y0 + float(t->height) * item.scaleY;
            SDL_Vertex v[4] = {
                {{x0, y0}, col, {0, 0}}, {{x1, y0}, col, {1, 0}},
                {{x0, y1}, col, {0, 1}}, {{x1, y1}, col, {1, 1}},
            };
            SDL_RenderGeometry(renderer, t->texture, v, 4, kIndices, 6);
        }
        if (!nl) break;
        p = nl + 1;
        ++line;
    }
}

void ForgetRendererText(SDL_Renderer* renderer) {
    auto& caches = State().caches;
    for (std::size_t i = 0; i < caches.size(); ++i)
        if (caches[i].renderer == renderer) {
            DestroyCache(caches[i]);
            caches.erase(caches.begin() + std::ptrdiff_t(i));
            return;
        }
}

void TextCacheEndFrame() {
    FontState& st = State();
    ++st.frame;
    // Texts change rarely; drop what has not been drawn for a few seconds
    // once the cache grows, so counters and timers do not pile up.
    constexpr std::size_t kKeep = 256;
    constexpr std::uint64_t kIdleFrames = 240;
    for (auto& c : st.caches) {
        if (c.entries.size() <= kKeep) continue;
        for (auto it = c.entries.begin(); it != c.entries.end();) {
            if (st.frame - it->second.lastUsed > kIdleFrames) {
                if (it->second.texture) SDL_DestroyTexture(it->second.texture);
                it = c.entries.erase(it);
            } else {
                ++it;
            }
        }
    }
}

void ReleaseAllFonts() {
    FontState& st = State();
    for (auto& c : st.caches) DestroyCache(c);
    st.caches.clear();
    for (auto& f : st.fonts)
        if (f.ttf) TTF_CloseFont(f.ttf);
    st.fonts.clear();
    st.scaleX = st.scaleY = 1;
}

}  // namespace plat::detail

namespace plat {

using namespace detail;

FontId FontCreate(const char* utf8Face, int height, int weight) {
    if (!utf8Face || height <= 0) return 0;
    if (!TTF_WasInit() && TTF_Init() != 0) {
        ReportOnce("ttf-init", std::string("Text cannot be drawn: ") + SDL_GetError());
        return 0;
    }
    const bool bold = weight >= 700;
    const FaceChoice choice = ChoiceFor(utf8Face);
    for (const char* family : choice.families) {
        if (!family) break;
        std::string file;
        int index = 0;
        bool boldFace = false;
        if (!FindFontFile(family, bold, choice.probe, file, index, boldFace)) continue;
        TTF_Font* ttf = OpenAtCellHeight(file, index, height);
        if (!ttf) continue;
        if (!TTF_GlyphIsProvided32(ttf, choice.probe)) {
            TTF_CloseFont(ttf);
            continue;
        }
        // A family without a bold face is emboldened by the rasteriser.
        if (bold && !boldFace) TTF_SetFontStyle(ttf, TTF_STYLE_BOLD);
        auto& fonts = State().fonts;
        std::size_t slot = 0;
        while (slot < fonts.size() && fonts[slot].used) ++slot;
        if (slot == fonts.size()) fonts.emplace_back();
        fonts[slot] = FontRecord{true, ttf, height};
        return FontId(slot + 1);
    }
    ReportOnce(std::string("font:") + utf8Face,
               std::string("No installed font can stand in for \"") + utf8Face + "\"; its texts are not drawn.");
    return 0;
}

void FontRelease(FontId font) {
    FontRecord* f = Find(font);
    if (!f) return;
    // Cached texts of this font go with it (a new font may reuse the id).
    FontState& st = State();
    for (auto& c : st.caches)
        for (auto it = c.entries.begin(); it != c.entries.end();) {
            FontId owner = 0;
            std::memcpy(&owner, it->first.data(), sizeof owner);
            if (owner == font) {
                if (it->second.texture) SDL_DestroyTexture(it->second.texture);
                it = c.entries.erase(it);
            } else {
                ++it;
            }
        }
    if (f->ttf) TTF_CloseFont(f->ttf);
    *f = FontRecord{};
}

int TextWidth(FontId font, const char* utf8) {
    const FontRecord* f = Find(font);
    if (!f || !f->ttf || !utf8) return 0;
    int widest = 0;
    std::string line;
    for (const char* p = utf8;;) {
        const char* nl = std::strchr(p, '\n');
        line.assign(p, nl ? std::size_t(nl - p) : std::strlen(p));
        int w = 0, h = 0;
        if (!line.empty() && TTF_SizeUTF8(f->ttf, line.c_str(), &w, &h) == 0 && w > widest) widest = w;
        if (!nl) break;
        p = nl + 1;
    }
    return widest;
}

Rect TextInkBox(FontId font, const char* utf8) {
    Rect box;
    const FontRecord* f = Find(font);
    if (!f || !f->ttf || !utf8) return box;
    bool any = false;
    const int ascent = TTF_FontAscent(f->ttf);
    std::string prefix;
    int line = 0;
    std::size_t lineStart = 0;
    const std::size_t n = std::strlen(utf8);
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c == '\n') {
            ++line;
            lineStart = ++i;
            continue;
        }
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        std::uint32_t cp = len == 1 ? c : len == 2 ? c & 0x1F : len == 3 ? c & 0x0F : c & 0x07;
        for (std::size_t k = 1; k < len && i + k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        // Where the glyph stands: the width of the line before it.
        prefix.assign(utf8 + lineStart, i - lineStart);
        int penX = 0, h = 0;
        if (!prefix.empty()) TTF_SizeUTF8(f->ttf, prefix.c_str(), &penX, &h);
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (TTF_GlyphMetrics32(f->ttf, cp, &minx, &maxx, &miny, &maxy, &advance) == 0 && maxx > minx && maxy > miny) {
            const Rect g{penX + minx, line * f->height + ascent - maxy, penX + maxx, line * f->height + ascent - miny};
            if (!any) {
                box = g;
                any = true;
            } else {
                box.left = std::min(box.left, g.left);
                box.top = std::min(box.top, g.top);
                box.right = std::max(box.right, g.right);
                box.bottom = std::max(box.bottom, g.bottom);
            }
        }
        i += len;
    }
    return box;
}

void TextSetTransform(float sx, float sy) {
    State().scaleX = sx;
    State().scaleY = sy;
}

void TextDraw(FontId font, const char* utf8, int x, int y, float r, float g, float b, float a) {
    if (!utf8 || !FontValid(font)) return;
    DrawList& dl = CurrentDrawList();
    if (dl.texts.size() <= dl.textCount) dl.texts.emplace_back();
    TextItem& t = dl.texts[dl.textCount];
    t.font = font;
    t.text.assign(utf8);
    t.x = x;
    t.y = y;
    t.r = r;
    t.g = g;
    t.b = b;
    t.a = a;
    t.scaleX = State().scaleX;
    t.scaleY = State().scaleY;
    dl.commands.push_back({true, int(dl.textCount)});
    ++dl.textCount;
}

}  // namespace plat
