// The frame's draw list, the sprite batch that feeds it, and the drawing of
// a list on an SDL renderer (one textured quad per sprite).
#include "platform/common/internal.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

namespace plat::detail {

namespace {

struct BatchState {
    DrawList current;
    std::vector<SpriteItem> batch;
    bool inBatch = false;
    Matrix transform = MatrixIdentity();
    SpriteDrawWatcher watcher = nullptr;
};

BatchState& Batch() {
    // Never destroyed: the exit handlers that release SDL objects still need it.
    static BatchState& s = *new BatchState();
    return s;
}

float SortDepth(float d) { return std::isnan(d) ? 0.0f : d; }

bool Whole(float v) { return std::fabs(v - std::round(v)) < 1.0e-4f; }

// Texels land on pixels one to one: no turn, no scale other than a mirror,
// whole-pixel places. Then every pixel samples a texel's centre.
bool OneToOne(const SpriteItem& s) {
    const Matrix& m = s.transform;
    return std::fabs(std::fabs(m.m[0][0]) - 1.0f) < 1.0e-4f && std::fabs(std::fabs(m.m[1][1]) - 1.0f) < 1.0e-4f &&
           std::fabs(m.m[0][1]) < 1.0e-4f && std::fabs(m.m[1][0]) < 1.0e-4f && Whole(m.m[3][0]) && Whole(m.m[3][1]) &&
           Whole(s.x - s.centreX) && Whole(s.y - s.centreY);
}

}  // namespace

void DrawList::Reset() {
    cleared = false;
    clearColour = 0;
    sprites.clear();
    textCount = 0;
    commands.clear();
}

void DrawList::CopyFrom(const DrawList& other) {
    cleared = other.cleared;
    clearColour = other.clearColour;
    sprites.assign(other.sprites.begin(), other.sprites.end());
    if (texts.size() < other.textCount) texts.resize(other.textCount);
    for (std::size_t i = 0; i < other.textCount; ++i) texts[i] = other.texts[i];
    textCount = other.textCount;
    commands.assign(other.commands.begin(), other.commands.end());
}

DrawList& CurrentDrawList() { return Batch().current; }

void SetSpriteDrawWatcher(SpriteDrawWatcher watcher) { Batch().watcher = watcher; }

void BeginFrameDrawing() {
    BatchState& b = Batch();
    b.current.Reset();
    b.batch.clear();
    b.inBatch = false;
}

void SortBatch(std::vector<SpriteItem>& batch) {
    // Back to front: the larger depth is drawn first; ties keep the order
    // in which they were submitted (the order field makes the sort stable
    // without the temporary buffer std::stable_sort would allocate).
    std::sort(batch.begin(), batch.end(), [](const SpriteItem& a, const SpriteItem& b) {
        const float da = SortDepth(a.depth), db = SortDepth(b.depth);
        if (da != db) return da > db;
        return a.order < b.order;
    });
}

bool ComputeSpriteQuad(const SpriteItem& s, int paddedWidth, int paddedHeight, SpriteQuad& quad) {
    const Rect& r = s.src;
    if (r.right <= r.left || r.bottom <= r.top || paddedWidth <= 0 || paddedHeight <= 0) return false;
    const int cl = std::max(r.left, 0), ct = std::max(r.top, 0);
    const int cr = std::min(r.right, paddedWidth), cb = std::min(r.bottom, paddedHeight);
    if (cr <= cl || cb <= ct) return false;
    const float x0 = s.x - s.centreX + float(cl - r.left);
    const float y0 = s.y - s.centreY + float(ct - r.top);
    const float x1 = x0 + float(cr - cl);
    const float y1 = y0 + float(cb - ct);
    const float lx[4] = {x0, x1, x0, x1};
    const float ly[4] = {y0, y0, y1, y1};
    // A scaled or turned sprite is filtered: a pixel near its edge would
    // blend in the sheet's neighbouring texels, which shows as dark seams
    // between tiles. Sampling stops half a texel inside the rectangle then.
    const float inset = OneToOne(s) ? 0.0f : 0.5f;
    const float insetU = std::min(inset, float(cr - cl) / 2.0f), insetV = std::min(inset, float(cb - ct) / 2.0f);
    const float u0 = (float(cl) + insetU) / float(paddedWidth), u1 = (float(cr) - insetU) / float(paddedWidth);
    const float v0 = (float(ct) + insetV) / float(paddedHeight), v1 = (float(cb) - insetV) / float(paddedHeight);
    const float lu[4] = {u0, u1, u0, u1};
    const float lv[4] = {v0, v0, v1, v1};
    // Corners that are not numbers, or absurdly far away, come from a broken
    // transform; rasterisers convert them to integers, so such a sprite is
    // left out rather than handed on.
    constexpr float kFar = 1.0e6f;
    for (int i = 0; i < 4; ++i) {
        MatrixTransformPoint(s.transform, lx[i], ly[i], &quad.x[i], &quad.y[i]);
        if (!(std::fabs(quad.x[i]) < kFar) || !(std::fabs(quad.y[i]) < kFar)) return false;
        quad.u[i] = lu[i];
        quad.v[i] = lv[i];
    }
    return true;
}

void RenderDrawList(SDL_Renderer* renderer, const DrawList& list) {
    if (!renderer) return;
    const std::uint32_t c = list.cleared ? list.clearColour : 0u;
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer, Uint8(c >> 16), Uint8(c >> 8), Uint8(c), 255);
    SDL_RenderClear(renderer);
    static const int kIndices[6] = {0, 1, 2, 1, 3, 2};
    for (const DrawCommand& cmd : list.commands) {
        if (cmd.isText) {
            if (std::size_t(cmd.index) < list.textCount) DrawTextItem(renderer, list.texts[std::size_t(cmd.index)]);
            continue;
        }
        const SpriteItem& s = list.sprites[std::size_t(cmd.index)];
        TextureView view;
        if (!TextureFor(renderer, s.texture, view)) continue;
        SpriteQuad q;
        if (!ComputeSpriteQuad(s, view.paddedWidth, view.paddedHeight, q)) continue;
        const SDL_Color col{Uint8(s.colour >> 16), Uint8(s.colour >> 8), Uint8(s.colour), Uint8(s.colour >> 24)};
        SDL_Vertex v[4];
        for (int i = 0; i < 4; ++i) {
            v[i].position = SDL_FPoint{q.x[i], q.y[i]};
            v[i].color = col;
            v[i].tex_coord = SDL_FPoint{q.u[i], q.v[i]};
        }
        SDL_RenderGeometry(renderer, view.texture, v, 4, kIndices, 6);
    }
}

}  // namespace plat::detail

namespace plat {

using namespace detail;

void DeviceClear(std::uint32_t argb) {
    // A clear wipes whatever the frame drew before it.
    DrawList& dl = Batch().current;
    dl.Reset();
    dl.cleared = true;
    dl.clearColour = argb;
}

bool DeviceBeginScene() { return true; }
void DeviceEndScene() {}

void SpriteBegin() {
    BatchState& b = Batch();
    if (b.inBatch) {
        ReportOnce("sprite-begin-twice", "SpriteBegin called inside a sprite batch; the call is ignored.");
        return;
    }
    b.batch.clear();
    b.inBatch = true;
}

void SpriteSetTransform(const Matrix& transform) { Batch().transform = transform; }

void SpriteDraw(TextureId texture, const Rect& src, float centreX, float centreY, float x, float y,
                float depth, std::uint32_t colour) {
    BatchState& b = Batch();
    if (!b.inBatch) {
        ReportOnce("sprite-draw-outside", "SpriteDraw called outside a sprite batch; the sprite is not drawn.");
        return;
    }
    if (texture == 0) return;
    if (b.watcher) b.watcher(texture, src);
    SpriteItem s;
    s.texture = texture;
    s.src = src;
    s.centreX = centreX;
    s.centreY = centreY;
    s.x = x;
    s.y = y;
    s.depth = depth;
    s.colour = colour;
    s.transform = b.transform;
    s.order = int(b.batch.size());
    b.batch.push_back(s);
}

void SpriteEnd() {
    BatchState& b = Batch();
    if (!b.inBatch) return;
    b.inBatch = false;
    SortBatch(b.batch);
    DrawList& dl = b.current;
    for (const SpriteItem& s : b.batch) {
        dl.commands.push_back({false, int(dl.sprites.size())});
        dl.sprites.push_back(s);
    }
    b.batch.clear();
}

}  // namespace plat
