// One busy frame of sprites: 400 rotated, tinted, half-transparent sprites
// at mixed depths, drawn through the platform layer's batch (record, depth
// sort, transform, one SDL_RenderGeometry per sprite) against a bare loop of
// the same SDL_RenderGeometry calls with the vertices worked out beforehand.
// Both run on SDL's software renderer on a surface; with a display (DISPLAY
// set) both also run on a window renderer.
#include "platform/common/internal.h"
#include "platform/platform.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kSprites = 400;
constexpr int kSide = 96;   // 400 sprites of 96x96: about the 3.7 Mpx of the heaviest scenes

struct SceneSprite {
    plat::TextureId texture;
    plat::Matrix transform;
    float depth;
    std::uint32_t colour;
};

// A 24-bit BMP of kSide x kSide with a pattern and a keyed corner.
std::vector<std::uint8_t> PatternBmp(int seed) {
    const int w = kSide, h = kSide;
    const int stride = (w * 3 + 3) & ~3;
    std::vector<std::uint8_t> v(54 + std::size_t(stride) * h, 0);
    auto put32 = [&](std::size_t at, std::uint32_t x) {
        for (int i = 0; i < 4; ++i) v[at + std::size_t(i)] = std::uint8_t(x >> (8 * i));
    };
    v[0] = 'B';
    v[1] = 'M';
    put32(2, std::uint32_t(v.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h));
    v[26] = 1;
    v[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = v.data() + 54 + std::size_t(y) * std::size_t(stride) + std::size_t(x) * 3;
            const bool keyed = x + y < 20;
            p[0] = keyed ? 0xFF : std::uint8_t(x * 2 + seed * 40);
            p[1] = keyed ? 0x00 : std::uint8_t(y * 2 + seed * 10);
            p[2] = keyed ? 0xFF : std::uint8_t(255 - x - seed * 30);
        }
    return v;
}

struct Scene {
    std::vector<plat::TextureId> textures;
    std::vector<SceneSprite> sprites;
};

Scene& TheScene() {
    static Scene scene = [] {
        Scene s;
        for (int i = 0; i < 4; ++i) {
            const auto bmp = PatternBmp(i);
            s.textures.push_back(plat::TextureCreateFromBmp(bmp.data(), bmp.size(), 0xFFFF00FF));
        }
        std::srand(7);
        for (int i = 0; i < kSprites; ++i) {
            const float angle = float(i * 7 % 360) * 0.0174532924f;
            const float x = float(std::rand() % 1024), y = float(std::rand() % 768);
            const float scale = 0.8f + float(i % 5) * 0.1f;
            plat::Matrix m = plat::MatrixRotationZ(angle);
            if (i % 3 == 0) m = plat::MatrixMultiply(m, plat::MatrixReflectX());
            m = plat::MatrixMultiply(m, plat::MatrixTranslation(x / scale, y / scale, 0));
            m = plat::MatrixMultiply(m, plat::MatrixScaling(scale, scale, 1));
            const std::uint32_t alpha = 0x80u + std::uint32_t(i % 8) * 0x10u;
            const std::uint32_t tint = 0x00FFFFFFu & (0x9FBFDFu + std::uint32_t(i) * 0x010203u);
            s.sprites.push_back({s.textures[std::size_t(i) % 4], m, float(std::rand() % 1000) / 1000.0f,
                                 (alpha << 24) | tint | 0x404040u});
        }
        return s;
    }();
    return scene;
}

const plat::Rect kSrc{0, 0, kSide, kSide};

void DrawThroughPlatform(SDL_Renderer* renderer) {
    plat::detail::BeginFrameDrawing();
    plat::DeviceClear(0xFF000000);
    plat::SpriteBegin();
    for (const SceneSprite& s : TheScene().sprites) {
        plat::SpriteSetTransform(s.transform);
        plat::SpriteDraw(s.texture, kSrc, kSide / 2.0f, kSide / 2.0f, 0, 0, s.depth, s.colour);
    }
    plat::SpriteEnd();
    plat::detail::RenderDrawList(renderer, plat::detail::CurrentDrawList());
}

struct BareSprite {
    SDL_Texture* texture;
    SDL_Vertex v[4];
};

// The same quads, sorted and transformed once up front.
std::vector<BareSprite> BareQuads(SDL_Renderer* renderer) {
    std::vector<plat::detail::SpriteItem> items;
    std::vector<plat::Matrix> transforms;
    int order = 0;
    for (const SceneSprite& s : TheScene().sprites) {
        plat::detail::SpriteItem it;
        it.texture = s.texture;
        it.src = kSrc;
        it.centreX = it.centreY = kSide / 2.0f;
        it.depth = s.depth;
        it.colour = s.colour;
        it.transform = std::uint32_t(transforms.size());
        transforms.push_back(s.transform);
        it.order = order++;
        items.push_back(it);
    }
    plat::detail::SortBatch(items);
    std::vector<BareSprite> out;
    for (const auto& it : items) {
        plat::detail::TextureView view;
        plat::detail::SpriteQuad q;
        if (!plat::detail::TextureFor(renderer, it.texture, view) ||
            !plat::detail::ComputeSpriteQuad(it, transforms[it.transform], view.width, view.height, q))
            continue;
        BareSprite b;
        b.texture = view.texture;
        const SDL_Color c{Uint8(it.colour >> 16), Uint8(it.colour >> 8), Uint8(it.colour), Uint8(it.colour >> 24)};
        for (int i = 0; i < 4; ++i) b.v[i] = SDL_Vertex{{q.x[i], q.y[i]}, c, {q.u[i], q.v[i]}};
        out.push_back(b);
    }
    return out;
}

void DrawBare(SDL_Renderer* renderer, const std::vector<BareSprite>& quads) {
    static const int kIndices[6] = {0, 1, 2, 1, 3, 2};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    for (const BareSprite& b : quads) SDL_RenderGeometry(renderer, b.texture, b.v, 4, kIndices, 6);
}

// A software renderer drawing into a surface: no display needed.
struct SoftwareTarget {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    ~SoftwareTarget() {
        plat::detail::ForgetRendererTextures(renderer);
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }
};

// A real window with the renderer the game asks for.
struct WindowTarget {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    WindowTarget() {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
        SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
        window = SDL_CreateWindow("bench", 0, 0, 1024, 768, SDL_WINDOW_SHOWN);
        if (!window) return;
        for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
            SDL_RendererInfo info;
            if (SDL_GetRenderDriverInfo(i, &info) == 0 && SDL_strcmp(info.name, "opengl") == 0)
                renderer = SDL_CreateRenderer(window, i, SDL_RENDERER_ACCELERATED);
        }
        if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
    }
    ~WindowTarget() {
        if (renderer) {
            plat::detail::ForgetRendererTextures(renderer);
            SDL_DestroyRenderer(renderer);
        }
        if (window) SDL_DestroyWindow(window);
    }
    // Makes the GPU finish the frame (reading a pixel waits for it), then shows it.
    void Finish() {
        Uint32 pixel = 0;
        SDL_Rect one{0, 0, 1, 1};
        SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_RGBA32, &pixel, 4);
        SDL_RenderPresent(renderer);
    }
};

void BM_SoftwarePlatformBatch(benchmark::State& state) {
    SoftwareTarget t;
    DrawThroughPlatform(t.renderer);   // uploads the textures outside the timing
    for (auto _ : state) {
        DrawThroughPlatform(t.renderer);
        SDL_RenderPresent(t.renderer);
    }
    state.SetItemsProcessed(state.iterations() * kSprites);
}
BENCHMARK(BM_SoftwarePlatformBatch)->Unit(benchmark::kMillisecond);

void BM_SoftwareBareGeometry(benchmark::State& state) {
    SoftwareTarget t;
    const auto quads = BareQuads(t.renderer);
    for (auto _ : state) {
        DrawBare(t.renderer, quads);
        SDL_RenderPresent(t.renderer);
    }
    state.SetItemsProcessed(state.iterations() * kSprites);
}
BENCHMARK(BM_SoftwareBareGeometry)->Unit(benchmark::kMillisecond);

void BM_WindowPlatformBatch(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY: window renderer not measured");
        return;
    }
    WindowTarget t;
    if (!t.renderer) {
        state.SkipWithError("no window renderer");
        return;
    }
    DrawThroughPlatform(t.renderer);
    t.Finish();
    for (auto _ : state) {
        DrawThroughPlatform(t.renderer);
        t.Finish();
    }
    state.SetItemsProcessed(state.iterations() * kSprites);
}
BENCHMARK(BM_WindowPlatformBatch)->Unit(benchmark::kMillisecond);

void BM_WindowBareGeometry(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY: window renderer not measured");
        return;
    }
    WindowTarget t;
    if (!t.renderer) {
        state.SkipWithError("no window renderer");
        return;
    }
    const auto quads = BareQuads(t.renderer);
    t.Finish();
    for (auto _ : state) {
        DrawBare(t.renderer, quads);
        t.Finish();
    }
    state.SetItemsProcessed(state.iterations() * kSprites);
}
BENCHMARK(BM_WindowBareGeometry)->Unit(benchmark::kMillisecond);

// The batch alone (record, sort, transform into the draw list), no pixels.
void BM_BatchRecordAndSort(benchmark::State& state) {
    TheScene();
    for (auto _ : state) {
        plat::detail::BeginFrameDrawing();
        plat::SpriteBegin();
        for (const SceneSprite& s : TheScene().sprites) {
            plat::SpriteSetTransform(s.transform);
            plat::SpriteDraw(s.texture, kSrc, kSide / 2.0f, kSide / 2.0f, 0, 0, s.depth, s.colour);
        }
        plat::SpriteEnd();
        benchmark::DoNotOptimize(plat::detail::CurrentDrawList().sprites.data());
    }
    state.SetItemsProcessed(state.iterations() * kSprites);
}
BENCHMARK(BM_BatchRecordAndSort)->Unit(benchmark::kMicrosecond);

}  // namespace
