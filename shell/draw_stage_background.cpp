// The stage background: the stage base transform, the sky, a far landscape
// moving at a tenth of the camera's speed, and the ground of the whole world
// shaped around its landmarks. Everything is worked out from ScrollX.
#include "areas/era04_encounters/records.h"
#include "core/player.h"
#include "core/sprites/sprites.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/draw_passes.h"
#include "shell/graphics.h"
#include "text/menu_state.h"

namespace {

constexpr int kSkySlot = 21, kSurfaceSlot = 29, kBodySlot = 30, kEdgeSlot = 31;
constexpr float kGroundDepth = 0.1f;

// Landmarks of the world (world x).
constexpr std::int32_t kSkyEnd = 73326 + 149;          // past the second Era04 door
constexpr std::int32_t kOpenSkyFrom = 79595, kOpenSkyTo = 82595;

struct FarPiece {
    int slot;
    plat::Rect src;
    std::int32_t dx, y;
    float depth;
};
// By panel j mod 3.
constexpr FarPiece kFar0[] = {{24, {0, 0, 1024, 187}, 0, 539, 0.99f},
                              {22, {0, 0, 296, 287}, 106, 120, 0.993f},
                              {23, {0, 0, 214, 107}, 712, 34, 0.993f}};
constexpr FarPiece kFar1[] = {{25, {0, 0, 1024, 173}, 0, 553, 0.99f}, {26, {0, 0, 426, 426}, 326, 32, 0.993f}};
constexpr FarPiece kFar2[] = {{27, {0, 0, 1024, 198}, 0, 528, 0.99f}, {28, {0, 0, 942, 206}, 81, 0, 0.993f}};

void Draw(int slot, const plat::Rect& src, std::int32_t x, std::int32_t y, float depth) {
    DrawWithBaseTransform(slot, src, 0, 0, static_cast<float>(x), static_cast<float>(y), depth, SceneTint);
}

template <std::size_t N>
void DrawPanel(const FarPiece (&pieces)[N], std::int32_t X) {
    for (const FarPiece& p : pieces) Draw(p.slot, p.src, X + p.dx, p.y, p.depth);
}

std::int32_t SurfaceY(std::int32_t t) {
    if (t == 161 || t == 168) return 615;
    if (t == 162 || t == 167) return 590;
    if (t >= 163 && t <= 166) return 790;
    if (t >= 176 && t <= 184) return 665;
    if (t >= 205 && t <= 215) return 265;
    if (t >= 216 && t <= 229) return 265 + 25 * (t - 215);
    return 640;
}

plat::Rect SurfaceBand(std::int32_t t) {
    if (t >= 732) return {0, 24, 100, 50};
    if (t >= 500) return {0, 51, 100, 75};
    if (t >= 472) return {0, 76, 100, 100};
    return {0, 0, 100, 24};
}

// The staircase columns' y, from column 864 on.
std::int32_t StairY(std::int32_t k, std::int32_t base) { return 664 - 25 * (15 - (k - base) / 4); }

std::int32_t BodyY(std::int32_t k) {
    if (k >= 644 && k <= 647) return 639;
    if (k >= 648 && k <= 651) return 614;
    if (k >= 652 && k <= 667) return 814;
    if (k >= 668 && k <= 671) return 614;
    if (k >= 672 && k <= 675) return 639;
    if (k >= 704 && k <= 739) return 689;
    if (k >= 820 && k <= 863) return 289;
    if (k >= 864 && k <= 919) return StairY(k, 860);
    return 664;
}

plat::Rect BodyColumns(std::int32_t k) {
    if (k >= 2928) return {24, 0, 50, 104};
    if (k >= 2000) return {0, 0, 25, 104};
    if (k >= 1888) return {50, 0, 75, 104};
    return {0, 0, 25, 104};
}

struct FillRun {
    std::int32_t first, last, y;   // y < 0: below the staircase by -y
};

void DrawSkyAndLandscape() {
    for (int i = 0; i <= 20; ++i) Draw(kSkySlot, {0, 0, 50, 765}, 50 * i, 0, 1.0f);
    for (int j = 0; j <= 8; ++j) {
        const std::int32_t X = 1024 * j - ScrollX / 10 - 1;
        if (j % 3 == 0) DrawPanel(kFar0, X);
        else if (j % 3 == 1) DrawPanel(kFar1, X);
        else DrawPanel(kFar2, X);
    }
}

void DrawGround() {
    const std::int32_t s = ScrollX;
    for (std::int32_t t = s / 100 - 5; t <= s / 100 + 14; ++t)
        Draw(kSurfaceSlot, SurfaceBand(t), 100 * t - s, SurfaceY(t), kGroundDepth);
    Draw(kEdgeSlot, {10, 0, 19, 19}, 7100 - s, 640, kGroundDepth);
    Draw(kEdgeSlot, {0, 0, 10, 19}, 7990 - s, 640, kGroundDepth);
    for (std::int32_t k = s / 25 - 20; k <= s / 25 + 59; ++k)
        Draw(kBodySlot, BodyColumns(k), 25 * k - s, BodyY(k), kGroundDepth);
    // Fills under the raised parts, down to the bottom of the screen.
    const plat::Rect fill{0, 0, 25, 104};
    constexpr FillRun kFills[] = {{644, 647, 743}, {648, 651, 718}, {668, 671, 718},
                                  {672, 675, 743}, {820, 863, 740}};
    for (const FillRun& f : kFills)
        for (std::int32_t k = f.first; k <= f.last; ++k) Draw(kBodySlot, fill, 25 * k - s, f.y, kGroundDepth);
    constexpr FillRun kStairFills[] = {{864, 919, 129}, {864, 915, 233}, {864, 887, 337}, {864, 875, 441}};
    for (const FillRun& f : kStairFills)
        for (std::int32_t k = f.first; k <= f.last; ++k)
            Draw(kBodySlot, fill, 25 * k - s, StairY(k, 864) + f.y, kGroundDepth);
}

}  // namespace

void DrawStageBackground() {
    SetStageBaseTransform();
    const bool openSky = EncounterCSceneryTints.propsLaidOut == 0 && kOpenSkyFrom < ScrollX && ScrollX < kOpenSkyTo;
    if (ScrollX < kSkyEnd || openSky) DrawSkyAndLandscape();
    if (MenuElementWords.groundShown == 1) DrawGround();
}
