// Program entry of the game on the desktop: hands over to the game's WinMain.
#include "platform/platform.h"

#include <SDL.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>

int main() {
    // The game finds its sounds and effect file and keeps its saves beside
    // the program, wherever it was started from.
    if (char* base = SDL_GetBasePath()) {
        if (chdir(base) != 0)
            std::fprintf(stderr, "Quillmarch: cannot work in the program's folder %s; staying where started.\n", base);
        SDL_free(base);
    } else {
        std::fprintf(stderr, "Quillmarch: the program's folder is unknown (%s); staying where started.\n",
                     SDL_GetError());
    }
    // Keep freed buffers instead of returning them to the system each frame;
    // the GL driver frees and refaults a few megabytes every frame otherwise.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    return WinMain();
}
