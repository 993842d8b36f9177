// The frame's draw list, the sprite batch that feeds it, and the drawing of
// a list on an SDL renderer (one textured quad per sprite).
#include "platform/common/internal.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat::detail {

namespace {

// The open batch's sprites go straight into the frame's list, in the order
// they come; its end adds the draw commands in depth order.
struct BatchState {
    DrawList current;
    std::size_t batchStart = 0;     // the open batch's first sprite in current
    std::vector<SortEntry> order, spare;
    bool inBatch = false;
    Matrix transform = MatrixIdentity();
    // The transform is already the last of current's transforms.
    bool transformListed = false;
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
bool OneToOne(const SpriteItem& s, const Matrix& m) {
    return std::fabs(std::fabs(m.m[0][0]) - 1.0f) < 1.0e-4f && std::fabs(std::fabs(m.m[1][1]) - 1.0f) < 1.0e-4f &&
           std::fabs(m.m[0][1]) < 1.0e-4f && std::fabs(m.m[1][0]) < 1.0e-4f && Whole(m.m[3][0]) && Whole(m.m[3][1]) &&
           Whole(s.x - s.centreX) && Whole(s.y - s.centreY);
}

// How many pieces a side a quad is drawn in: a sprite blown up several
// times over goes in pieces no longer than 512 pixels (the software
// rasteriser keeps its place in the texture over a screen's width); others,
// the backdrops among them, stay whole quads.
int QuadPieces(const SpriteQuad& q, int texelsAcross, int texelsDown) {
    constexpr float kLongest = 512.0f, kBlownUp = 4.0f;
    const float across = std::hypot(q.x[1] - q.x[0], q.y[1] - q.y[0]);
    const float down = std::hypot(q.x[2] - q.x[0], q.y[2] - q.y[0]);
    const float side = std::max(across, down);
    const bool blownUp = across > kBlownUp * float(texelsAcross) || down > kBlownUp * float(texelsDown);
    if (!blownUp || side <= kLongest) return 1;
    return std::min(int(std::ceil(side / kLongest)), 64);
}

}  // namespace

void DrawList::Reset() {
    cleared = false;
    clearColour = 0;
    sprites.clear();
    transforms.clear();
    textCount = 0;
    commands.clear();
    // Whichever list this is, the batch's transform is listed again.
    Batch().transformListed = false;
}

DrawList& CurrentDrawList() { return Batch().current; }

void SetSpriteDrawWatcher(SpriteDrawWatcher watcher) { Batch().watcher = watcher; }

void BeginFrameDrawing() {
    BatchState& b = Batch();
    b.current.Reset();
    b.batchStart = 0;
    b.inBatch = false;
}

namespace {

// Sorts by key, keeping the order of equal keys. A batch holds few
// distinct depths (a layer each), so the sprites are counted into one bucket
// per distinct key; many distinct keys are sorted as 64-bit numbers.
void SortByKey(std::vector<SortEntry>& v, std::vector<SortEntry>& spare) {
    constexpr std::size_t kMaxDistinct = 64;
    std::uint32_t distinct[kMaxDistinct];
    std::uint32_t bucketOf[kMaxDistinct];
    std::size_t count[kMaxDistinct + 1] = {};
    std::size_t nDistinct = 0, last = 0;
    bool few = v.size() < (std::size_t{1} << 24);
    for (SortEntry& e : v) {
        if (!few) break;
        if (nDistinct == 0 || distinct[last] != e.key) {
            last = 0;
            while (last < nDistinct && distinct[last] != e.key) ++last;
            if (last == nDistinct) {
                if (nDistinct == kMaxDistinct) {
                    few = false;
                    break;
                }
                distinct[nDistinct++] = e.key;
            }
        }
        ++count[last];
        e.index |= std::uint32_t(last) << 24;   // the bucket rides in the top bits for now
    }
    if (!few) {
        std::vector<std::uint64_t> keys(v.size());
        for (std::size_t i = 0; i < v.size(); ++i) keys[i] = std::uint64_t(v[i].key) << 32 | (v[i].index & 0xFFFFFFu);
        std::sort(keys.begin(), keys.end());
        for (std::size_t i = 0; i < v.size(); ++i) v[i] = {std::uint32_t(keys[i] >> 32), std::uint32_t(keys[i])};
        return;
    }
    // Buckets in key order, then each sprite to its place, in the order seen.
    std::uint32_t rank[kMaxDistinct];
    for (std::size_t i = 0; i < nDistinct; ++i) rank[i] = std::uint32_t(i);
    std::sort(rank, rank + nDistinct, [&](std::uint32_t a, std::uint32_t b) { return distinct[a] < distinct[b]; });
    std::size_t at = 0;
    for (std::size_t r = 0; r < nDistinct; ++r) {
        bucketOf[rank[r]] = std::uint32_t(at);
        at += count[rank[r]];
    }
    spare.resize(v.size());
    for (const SortEntry& e : v) {
        const std::uint32_t bucket = e.index >> 24;
        spare[bucketOf[bucket]++] = {e.key, e.index & 0xFFFFFFu};
    }
    v.swap(spare);
}

void SortedRange(const SpriteItem* items, std::size_t n, std::vector<SortEntry>& order,
                 std::vector<SortEntry>& spare) {
    // Back to front: the larger depth is drawn first; ties keep the order
    // in which they were submitted. Small keys are sorted, not the sprites.
    order.resize(n);
    bool sorted = true;
    for (std::size_t i = 0; i < n; ++i) {
        float d = SortDepth(items[i].depth);
        if (d == 0.0f) d = 0.0f;   // -0 sorts with +0
        std::uint32_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        // An unsigned number that grows with the depth, turned round so
        // that the larger depth comes first.
        const std::uint32_t ascending = (bits & 0x80000000u) ? ~bits : (bits | 0x80000000u);
        order[i] = {~ascending, std::uint32_t(i)};
        sorted = sorted && (i == 0 || order[i - 1].key <= order[i].key);
    }
    if (!sorted) SortByKey(order, spare);
}

}  // namespace

void SortedOrder(const std::vector<SpriteItem>& batch, std::vector<SortEntry>& order) {
    std::vector<SortEntry> spare;
    SortedRange(batch.data(), batch.size(), order, spare);
}

void SortBatch(std::vector<SpriteItem>& batch) {
    std::vector<SortEntry> order;
    SortedOrder(batch, order);
    std::vector<SpriteItem> sorted;
    sorted.reserve(batch.size());
    for (const SortEntry& e : order) sorted.push_back(batch[e.index]);
    batch.swap(sorted);
}

bool ComputeSpriteQuad(const SpriteItem& s, const Matrix& transform, int textureWidth, int textureHeight,
                       SpriteQuad& quad) {
    const Rect& r = s.src;
    if (r.right <= r.left || r.bottom <= r.top || textureWidth <= 0 || textureHeight <= 0) return false;
    const int cl = std::max(r.left, 0), ct = std::max(r.top, 0);
    const int cr = std::min(r.right, textureWidth), cb = std::min(r.bottom, textureHeight);
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
    const float inset = OneToOne(s, transform) ? 0.0f : 0.5f;
    const float insetU = std::min(inset, float(cr - cl) / 2.0f), insetV = std::min(inset, float(cb - ct) / 2.0f);
    const float u0 = (float(cl) + insetU) / float(textureWidth), u1 = (float(cr) - insetU) / float(textureWidth);
    const float v0 = (float(ct) + insetV) / float(textureHeight), v1 = (float(cb) - insetV) / float(textureHeight);
    const float lu[4] = {u0, u1, u0, u1};
    const float lv[4] = {v0, v0, v1, v1};
    // Corners that are not numbers, or absurdly far away, come from a broken
    // transform; rasterisers convert them to integers, so such a sprite is
    // left out rather than handed on.
    constexpr float kFar = 1.0e6f;
    for (int i = 0; i < 4; ++i) {
        MatrixTransformPoint(transform, lx[i], ly[i], &quad.x[i], &quad.y[i]);
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
        if (std::size_t(s.transform) >= list.transforms.size() ||
            !ComputeSpriteQuad(s, list.transforms[s.transform], view.width, view.height, q))
            continue;
        const SDL_Color col{Uint8(s.colour >> 16), Uint8(s.colour >> 8), Uint8(s.colour), Uint8(s.colour >> 24)};
        // The software rasteriser loses its place in the texture across a
        // triangle much wider than the screen (a glow blown up thirty times
        // showed the sheet's neighbouring figures): such a quad goes in
        // pieces. The quad is a parallelogram, so the pieces cut it exactly.
        const int pieces = QuadPieces(q, s.src.right - s.src.left, s.src.bottom - s.src.top);
        for (int i = 0; i < pieces; ++i)
            for (int j = 0; j < pieces; ++j) {
                const float a[4] = {float(i) / pieces, float(i + 1) / pieces, float(i) / pieces, float(i + 1) / pieces};
                const float b[4] = {float(j) / pieces, float(j) / pieces, float(j + 1) / pieces, float(j + 1) / pieces};
                SDL_Vertex v[4];
                for (int k = 0; k < 4; ++k) {
                    auto at = [&](const float (&c)[4]) { return c[0] + (c[1] - c[0]) * a[k] + (c[2] - c[0]) * b[k]; };
                    v[k].position = SDL_FPoint{at(q.x), at(q.y)};
                    v[k].color = col;
                    v[k].tex_coord = SDL_FPoint{at(q.u), at(q.v)};
                }
                SDL_RenderGeometry(renderer, view.texture, v, 4, kIndices, 6);
            }
    }
}

}  // namespace plat::detail

namespace plat {

using namespace detail;

void DeviceClear(std::uint32_t argb) {
    // A clear wipes whatever the frame drew before it; an open batch's
    // sprites are still to come, so they stay. The vectors keep their room:
    // a clear comes every frame.
    BatchState& b = Batch();
    DrawList& dl = b.current;
    std::vector<SpriteItem> sprites = std::move(dl.sprites);
    std::vector<Matrix> transforms = std::move(dl.transforms);   // the open sprites' indices stay good
    if (b.inBatch) {
        sprites.erase(sprites.begin(), sprites.begin() + std::ptrdiff_t(b.batchStart));
    } else {
        sprites.clear();
        transforms.clear();
    }
    dl.Reset();
    dl.sprites = std::move(sprites);
    dl.transforms = std::move(transforms);
    b.batchStart = 0;
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
    b.batchStart = b.current.sprites.size();
    b.inBatch = true;
}

void SpriteSetTransform(const Matrix& transform) {
    BatchState& b = Batch();
    b.transform = transform;
    b.transformListed = false;
}

namespace {

// Whether any of a sprite's rectangle lands on the back buffer (an unknown
// back buffer counts as hit).
bool LandsOnTarget(const Matrix& transform, const Rect& src, float centreX, float centreY, float x, float y) {
    const BackBufferDesc target = FrameworkBackBufferDesc();
    if (target.width <= 0 || target.height <= 0) return true;
    const float x0 = x - centreX, y0 = y - centreY;
    const float lx[4] = {x0, x0 + float(src.right - src.left), x0, x0 + float(src.right - src.left)};
    const float ly[4] = {y0, y0, y0 + float(src.bottom - src.top), y0 + float(src.bottom - src.top)};
    float minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < 4; ++i) {
        float tx = 0, ty = 0;
        MatrixTransformPoint(transform, lx[i], ly[i], &tx, &ty);
        minX = i == 0 ? tx : std::min(minX, tx);
        maxX = i == 0 ? tx : std::max(maxX, tx);
        minY = i == 0 ? ty : std::min(minY, ty);
        maxY = i == 0 ? ty : std::max(maxY, ty);
    }
    return maxX > 0 && maxY > 0 && minX < float(target.width) && minY < float(target.height);
}

}  // namespace

void SpriteDraw(TextureId texture, const Rect& src, float centreX, float centreY, float x, float y,
                float depth, std::uint32_t colour) {
    BatchState& b = Batch();
    if (!b.inBatch) {
        ReportOnce("sprite-draw-outside", "SpriteDraw called outside a sprite batch; the sprite is not drawn.");
        return;
    }
    if (texture == 0) return;
    if (b.watcher) b.watcher(texture, src, colour, LandsOnTarget(b.transform, src, centreX, centreY, x, y));
    std::vector<SpriteItem>& sprites = b.current.sprites;
    std::vector<Matrix>& transforms = b.current.transforms;
    if (!b.transformListed || transforms.empty()) {
        transforms.push_back(b.transform);
        b.transformListed = true;
    }
    // Every field given at once: the item is not cleared first.
    const int order = int(sprites.size() - b.batchStart);
    sprites.push_back(SpriteItem{texture, src, centreX, centreY, x, y, depth, colour,
                                 std::uint32_t(transforms.size() - 1), order});
}

void SpriteEnd() {
    BatchState& b = Batch();
    if (!b.inBatch) return;
    b.inBatch = false;
    DrawList& dl = b.current;
    const std::size_t n = dl.sprites.size() - b.batchStart;
    if (n == 0) return;
    SortedRange(dl.sprites.data() + b.batchStart, n, b.order, b.spare);
    for (const SortEntry& e : b.order) dl.commands.push_back({false, int(b.batchStart + e.index)});
}

}  // namespace plat
