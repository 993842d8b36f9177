// A bare SDL program for paired measurements beside the real game: the same
// window, renderer, sound and font set-up, then a 60 Hz loop that draws a
// list of textured quads from the game's own pictures, made with SDL's own
// loader. It prints its resident memory and writes each frame's interval.
//
//   quillmarch_bare_loop SECONDS SPRITES PICTURES [FRAME_LOG [SIDE]]
//
// SIDE is each quad's size in pixels (64 when not given).
//
// Three uses:
// - SPRITES 0, PICTURES 0: the idle bare program, which only clears and
//   presents;
// - SPRITES 1, PICTURES 0: the same drawing a trivial frame, one blended,
//   filtered quad from a small texture made here. The GL driver compiles its
//   drawing code (shaders, rasteriser) on the first textured draw, some ten
//   megabytes that any program drawing a picture carries: this is the fair
//   base for the game's memory;
// - the game's sprite and picture counts: the loop whose dropped frames the
//   game's are compared with.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/picture_resources.h"

namespace {

SDL_Texture* PictureTexture(SDL_Renderer* renderer, int id) {
    std::size_t size = 0;
    const std::uint8_t* packed = PictureResource(id, &size);
    if (!packed) return nullptr;
    std::vector<Bytef> bmp(std::size_t{8} << 20);
    uLongf length = bmp.size();
    if (uncompress(bmp.data(), &length, packed, uLong(size)) != Z_OK) return nullptr;
    SDL_Surface* surface = SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp.data(), int(length)), 1);
    if (!surface) return nullptr;
    SDL_SetColorKey(surface, SDL_TRUE, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_Texture* t = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    if (t) SDL_SetTextureScaleMode(t, SDL_ScaleModeLinear);   // drawn as the game draws
    return t;
}

// A small texture of the game's kind (RGBA, blended, filtered) made here.
SDL_Texture* SmallTexture(SDL_Renderer* renderer) {
    SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, 64, 64);
    if (!t) return nullptr;
    std::vector<Uint32> texels(64 * 64);
    for (int i = 0; i < 64 * 64; ++i) texels[std::size_t(i)] = ((i / 64 + i % 64) & 8) ? 0xFF8040C0u : 0x80FFFFFFu;
    SDL_UpdateTexture(t, nullptr, texels.data(), 64 * 4);
    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(t, SDL_ScaleModeLinear);
    return t;
}

long ResidentKb() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return 0;
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0) kb = std::atol(line + 6);
    std::fclose(f);
    return kb;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SECONDS SPRITES PICTURES [FRAME_LOG [SIDE]]\n", argv[0]);
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    const int sprites = std::atoi(argv[2]);
    const int pictures = std::atoi(argv[3]);
    const float side = argc > 5 ? float(std::atof(argv[5])) : 64.0f;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS | SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024, 768, 0);
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED) : nullptr;
    if (!renderer) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        SDL_InitSubSystem(SDL_INIT_AUDIO);
        Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024);
    }
    Mix_AllocateChannels(237);
    TTF_Init();
    std::vector<SDL_Texture*> textures;
    for (int id = 101; id <= 213 && int(textures.size()) < pictures; ++id)
        if (SDL_Texture* t = PictureTexture(renderer, id)) textures.push_back(t);
    if (pictures == 0 && sprites > 0)
        if (SDL_Texture* t = SmallTexture(renderer)) textures.push_back(t);

    const double freq = double(SDL_GetPerformanceFrequency());
    const Uint64 period = Uint64(freq / 60.0);
    Uint64 start = SDL_GetPerformanceCounter(), next = start, last = start;
    std::vector<float> intervals;
    static const int kIndices[6] = {0, 1, 2, 1, 3, 2};
    int frame = 0;
    for (bool running = true; running;) {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            if (e.type == SDL_QUIT) running = false;
        const Uint64 now = SDL_GetPerformanceCounter();
        intervals.push_back(float(double(now - last) * 1000.0 / freq));
        last = now;
        if (double(now - start) / freq > seconds) break;
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        for (int i = 0; i < sprites && !textures.empty(); ++i) {
            SDL_Texture* t = textures[std::size_t(i) % textures.size()];
            const float x = float((i * 37 + frame * 3) % 1024) - side / 2, y = float((i * 53) % 768) - side / 2;
            SDL_Vertex v[4];
            const float xs[4] = {x, x + side, x, x + side}, ys[4] = {y, y, y + side, y + side};
            const float us[4] = {0, 0.5f, 0, 0.5f}, vs[4] = {0, 0, 0.5f, 0.5f};
            for (int k = 0; k < 4; ++k) v[k] = {{xs[k], ys[k]}, {255, 255, 255, 255}, {us[k], vs[k]}};
            SDL_RenderGeometry(renderer, t, v, 4, kIndices, 6);
        }
        SDL_RenderPresent(renderer);
        ++frame;
        next += period;
        const Uint64 after = SDL_GetPerformanceCounter();
        if (after < next) {
            const double waitMs = double(next - after) * 1000.0 / freq;
            if (waitMs >= 1.0) SDL_Delay(Uint32(waitMs));
        } else if (after - next > 4 * period) {
            next = after;
        }
    }
    std::printf("resident %ld KiB, %d frames, %zu textures\n", ResidentKb(), frame, textures.size());
    if (argc > 4)
        if (std::FILE* f = std::fopen(argv[4], "w")) {
            for (float ms : intervals) std::fprintf(f, "%.3f\n", ms);
            std::fclose(f);
        }
    for (SDL_Texture* t : textures) SDL_DestroyTexture(t);
    TTF_Quit();
    Mix_CloseAudio();
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
