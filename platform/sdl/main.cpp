// Program entry of the game on the desktop: hands over to the game's WinMain.
#include "shell/frame.h"

#include <malloc.h>

int main() {
    // Keep freed buffers instead of returning them to the system each frame;
    // the GL driver frees and refaults a few megabytes every frame otherwise.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    return WinMain();
}
