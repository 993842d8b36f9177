// Texture registry: ids handed to the game, the decoded texels and the SDL
// textures made from them on the renderers that draw them.
#include "platform/common/internal.h"

#include <SDL.h>

#include <cstdio>

namespace plat::detail {

namespace {

struct RendererTexture {
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
};

struct TextureRecord {
    bool used = false;
    int width = 0, height = 0;
    int paddedWidth = 0, paddedHeight = 0;
    std::vector<std::uint8_t> rgba;          // kept only while keepPixels is set
    std::vector<RendererTexture> uploads;
};

struct TextureState {
    std::vector<TextureRecord> records;      // id = index + 1
    bool keepPixels = true;
    SDL_Renderer* uploadRenderer = nullptr;
};

TextureState& State() {
    // Never destroyed: the exit handlers that release SDL objects still need it.
    static TextureState& s = *new TextureState();
    return s;
}

TextureRecord* Find(TextureId id) {
    auto& recs = State().records;
    if (id <= 0 || std::size_t(id) > recs.size()) return nullptr;
    TextureRecord& r = recs[std::size_t(id) - 1];
    return r.used ? &r : nullptr;
}

SDL_Texture* Upload(SDL_Renderer* renderer, const TextureRecord& rec) {
    if (rec.rgba.empty()) return nullptr;
    SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                       rec.paddedWidth, rec.paddedHeight);
    if (!t) {
        ReportOnce("texture-upload", std::string("A picture could not be made into a texture: ") + SDL_GetError());
        return nullptr;
    }
    SDL_UpdateTexture(t, nullptr, rec.rgba.data(), rec.paddedWidth * 4);
    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(t, SDL_ScaleModeLinear);
    return t;
}

void DestroyUploads(TextureRecord& rec) {
    for (auto& u : rec.uploads)
        if (u.texture) SDL_DestroyTexture(u.texture);
    rec.uploads.clear();
}

}  // namespace

void SetKeepTexturePixels(bool keep) { State().keepPixels = keep; }
void SetUploadRenderer(SDL_Renderer* renderer) { State().uploadRenderer = renderer; }

bool TextureFor(SDL_Renderer* renderer, TextureId id, TextureView& view) {
    TextureRecord* rec = Find(id);
    if (!rec || !renderer) return false;
    view.paddedWidth = rec->paddedWidth;
    view.paddedHeight = rec->paddedHeight;
    for (const auto& u : rec->uploads)
        if (u.renderer == renderer) {
            view.texture = u.texture;
            return u.texture != nullptr;
        }
    SDL_Texture* t = Upload(renderer, *rec);
    if (!t) return false;
    rec->uploads.push_back({renderer, t});
    view.texture = t;
    return true;
}

void ForgetRendererTextures(SDL_Renderer* renderer) {
    for (auto& rec : State().records)
        for (std::size_t i = 0; i < rec.uploads.size();) {
            if (rec.uploads[i].renderer == renderer) {
                if (rec.uploads[i].texture) SDL_DestroyTexture(rec.uploads[i].texture);
                rec.uploads.erase(rec.uploads.begin() + std::ptrdiff_t(i));
            } else {
                ++i;
            }
        }
}

void ReleaseAllTextures() {
    for (auto& rec : State().records) {
        DestroyUploads(rec);
        rec = TextureRecord{};
    }
    State().records.clear();
}

int LiveTextureCount() {
    int n = 0;
    for (const auto& rec : State().records) n += rec.used ? 1 : 0;
    return n;
}

}  // namespace plat::detail

namespace plat {

using namespace detail;

TextureId TextureCreateFromBmp(const std::uint8_t* bmp, std::size_t size, std::uint32_t colourKey) {
    DecodedPicture pic;
    std::string why;
    // The program's own pictures come compressed; they are unpacked only for
    // the moment the texture is made.
    std::vector<std::uint8_t> unpacked;
    if (bmp && LooksCompressed(bmp, size)) {
        if (!UnpackBmp(bmp, size, unpacked, &why)) {
            std::fprintf(stderr, "A picture could not be read: %s.\n", why.c_str());
            return 0;
        }
        bmp = unpacked.data();
        size = unpacked.size();
    }
    if (!DecodeBmp(bmp, size, colourKey, pic, &why)) {
        std::fprintf(stderr, "A picture could not be read: %s.\n", why.c_str());
        return 0;
    }
    auto& st = State();
    std::size_t slot = 0;
    while (slot < st.records.size() && st.records[slot].used) ++slot;
    if (slot == st.records.size()) st.records.emplace_back();
    TextureRecord& rec = st.records[slot];
    rec.used = true;
    rec.width = pic.width;
    rec.height = pic.height;
    rec.paddedWidth = pic.paddedWidth;
    rec.paddedHeight = pic.paddedHeight;
    rec.rgba = std::move(pic.rgba);
    rec.uploads.clear();
    if (st.uploadRenderer) {
        SDL_Texture* t = Upload(st.uploadRenderer, rec);
        if (!t) {
            rec = TextureRecord{};
            std::fprintf(stderr, "A picture could not be made into a texture.\n");
            return 0;
        }
        rec.uploads.push_back({st.uploadRenderer, t});
    }
    if (!st.keepPixels) {
        rec.rgba.clear();
        rec.rgba.shrink_to_fit();
    }
    return TextureId(slot + 1);
}

void TextureRelease(TextureId texture) {
    TextureRecord* rec = Find(texture);
    if (!rec) return;
    DestroyUploads(*rec);
    *rec = TextureRecord{};
}

int TextureWidth(TextureId texture) {
    const TextureRecord* rec = Find(texture);
    return rec ? rec->width : 0;
}

int TextureHeight(TextureId texture) {
    const TextureRecord* rec = Find(texture);
    return rec ? rec->height : 0;
}

}  // namespace plat
