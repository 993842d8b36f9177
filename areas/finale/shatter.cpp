// The shatter cloud: each burst piece of the figure lights up along its
// outline for a tenth of a second, then bursts into points that hang almost
// still, sink slowly and twinkle, each at its own rhythm.
#include <cmath>

#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "core/sound_effect.h"
#include "areas/finale/ending_frames.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"

using namespace finale;
using namespace ending_frames;

namespace {

struct ShatterFlags {
    std::int32_t anyShape = 0;
    std::int32_t anyPoint = 0;
};
ShatterFlags Shatter;

// Points an outline places; the others take no part.
bool gPlaced[kShatterShapes][kShatterPoints] = {};

struct Offset {
    std::int32_t dx, dy;
};
constexpr Offset kCentreOffsets[37] = {
    {0, 0},    {-3, 33},  {-10, -24}, {19, 0},  {0, -15}, {24, -11}, {-18, -8}, {0, 0},   {-17, 8},
    {0, -8},   {8, -6},   {15, -6},   {0, -3},  {16, 9},  {-15, -29}, {-11, -8}, {9, 8},  {0, 0},
    {0, 26},   {-13, 12}, {-6, 5},    {10, -22}, {-7, 4}, {-3, -3}, {4, -15},  {0, 0},   {2, -18},
    {7, -1},   {0, 0},    {8, -4},    {0, 0},   {0, 0},   {0, 0},   {-8, 4},   {4, -2},  {2, -20},
    {-1, 36},
};

// Shape 1's outline: points first..first + count - 1 at base + i * step from the
// centre (i = 1..count); an anchor or a single point is a run of one with no step.
struct Run {
    std::int32_t first, count, baseX, baseY, stepX, stepY;
};
constexpr Run kShapeOne[] = {
    {2, 1, -20, -100, 0, 0}, {3, 1, 23, 34, 0, 0},  {4, 1, -10, 25, 0, 0},  {29, 1, -10, -57, 0, 0},
    {30, 1, 17, 25, 0, 0},   {31, 1, -3, 20, 0, 0}, {6, 10, -20, -100, 4, 12}, {17, 3, 23, 34, -7, -2},
    {20, 9, -20, -100, 1, 13}, {32, 5, -10, -57, 4, 13}, {37, 5, -10, -57, 1, 12}, {42, 1, 13, 17, 0, 0},
    {43, 1, 10, 24, 0, 0},   {44, 1, 6, 22, 0, 0},  {45, 1, -5, 14, 0, 0},  {46, 1, 2, -10, 0, 0},
    {47, 1, 7, 17, 0, 0},    {48, 1, 2, 12, 0, 0},  {49, 1, 7, 3, 0, 0},    {50, 1, -10, -2, 0, 0},
};

constexpr std::int32_t kMinX = -59, kMaxX = 52, kMinY = -100, kMaxY = 94;

std::int32_t Clamp(std::int32_t v, std::int32_t lo, std::int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

void PlacePoint(std::int32_t shape, std::int32_t p, std::int32_t x, std::int32_t y) {
    ShatterEffect.x[shape][p] = x;
    ShatterEffect.y[shape][p] = y;
    gPlaced[shape][p] = true;
}

// The other shapes trace their piece: its four corners, as it stands turned
// in the figure, are anchors 2..5, and points 6..50 run along the edges
// between them, shared out by the edges' lengths.
void TracePiece(std::int32_t shape) {
    const Piece& piece = kPieces[shape - 1];
    const double a = piece.rotation * 3.14159265358979323846 / 180.0;
    const double hw = piece.rect.Width() / 2.0, hh = piece.rect.Height() / 2.0;
    const double corner[4][2] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
    const std::int32_t cx = ShatterEffect.x[shape][0], cy = ShatterEffect.y[shape][0];
    const Offset off = kCentreOffsets[shape];
    std::int32_t ax[4], ay[4];
    double len[4], total = 0;
    for (int i = 0; i < 4; ++i) {
        const double x = corner[i][0] * std::cos(a) - corner[i][1] * std::sin(a);
        const double y = corner[i][0] * std::sin(a) + corner[i][1] * std::cos(a);
        ax[i] = cx + Clamp(static_cast<std::int32_t>(x) - off.dx, kMinX, kMaxX);
        ay[i] = cy + Clamp(static_cast<std::int32_t>(y) - off.dy, kMinY, kMaxY);
        PlacePoint(shape, 2 + i, ax[i], ay[i]);
    }
    for (int i = 0; i < 4; ++i) {
        const int j = (i + 1) % 4;
        len[i] = std::hypot(ax[j] - ax[i], ay[j] - ay[i]);
        total += len[i];
    }
    std::int32_t p = 6;
    for (int i = 0; i < 4; ++i) {
        const int j = (i + 1) % 4;
        const std::int32_t n = i == 3 ? 51 - p : static_cast<std::int32_t>(45 * len[i] / (total > 0 ? total : 1));
        for (std::int32_t k = 1; k <= n; ++k, ++p)
            PlacePoint(shape, p, ax[i] + (ax[j] - ax[i]) * k / (n + 1), ay[i] + (ay[j] - ay[i]) * k / (n + 1));
    }
}

std::uint32_t FlashCell() { return static_cast<std::uint32_t>(Random0To99() / 15.4) + 21; }

void LightOutline(std::int32_t s) {
    ShatterEffectRecord& e = ShatterEffect;
    e.state[s][0] = 2;
    e.shapeTime[s] = GameNow();
    for (int p = 1; p < kShatterPoints; ++p) {
        e.state[s][p] = gPlaced[s][p] ? FlashCell() : 0;
        e.savedX[s][p] = e.x[s][p];
        e.savedY[s][p] = e.y[s][p];
    }
}

void Burst(std::int32_t s) {
    ShatterEffectRecord& e = ShatterEffect;
    const double now = GameNow();
    e.state[s][0] = 4;
    e.shapeTime[s] = now;
    for (int p = 1; p < kShatterPoints; ++p) {
        const std::uint32_t frame = static_cast<std::uint32_t>(Random0To99() / 5.4);
        e.state[s][p] = gPlaced[s][p] ? frame : 0;
        e.savedFrame[s][p] = e.state[s][p];
        const std::int32_t dx = e.x[s][p] - e.x[s][0], dy = e.y[s][p] - e.y[s][0];
        const double dist = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
        if (dx * dy == 0 || dist == 0) {
            e.vx[s][p] = 0;
            e.vy[s][p] = 400;
        } else {
            const std::int32_t r1 = Random0To99(), r2 = Random0To99();
            e.vx[s][p] = TruncToInt((r1 / 5) * dx / dist);
            e.vy[s][p] = TruncToInt((r2 / 10) * 6 * dy / dist);
        }
        e.pointTime[s][p] = now;
    }
}

void Drift(std::int32_t s) {
    ShatterEffectRecord& e = ShatterEffect;
    const double now = GameNow();
    Shatter.anyPoint = 0;
    const double T = (now - e.shapeTime[s]) / 50.0;
    for (int p = 1; p < kShatterPoints; ++p) {
        if (!gPlaced[s][p]) continue;
        std::uint32_t& frame = e.state[s][p];
        if (frame != 0) {
            Shatter.anyPoint = 1;
            e.x[s][p] = e.savedX[s][p] + TruncToInt(10.0 * e.vx[s][p] * T);
            e.y[s][p] = e.savedY[s][p] + TruncToInt(e.vy[s][p] * T) + TruncToInt(10.0 * T * T);
            if (e.y[s][p] >= 640) frame = 0;
        }
        double elapsed = now - e.pointTime[s][p];
        if (frame < 20 && elapsed >= 0.3 + 0.05 * p) {
            e.savedFrame[s][p] = frame;
            frame = FlashCell();
            e.pointTime[s][p] = now;
            elapsed = 0;
        }
        if (frame >= 21 && elapsed >= 0.1) {
            frame = e.savedFrame[s][p];
            e.pointTime[s][p] = now;
        }
    }
    if (Shatter.anyPoint == 0) e.state[s][0] = 0;
}

}  // namespace

void PlaceShatterCentre(std::int32_t shape, std::int32_t x, std::int32_t y) {
    ShatterEffect.x[shape][0] = x + kCentreOffsets[shape].dx;
    ShatterEffect.y[shape][0] = y + kCentreOffsets[shape].dy;
}

void BuildShatterOutline(std::int32_t shape) {
    for (bool& placed : gPlaced[shape]) placed = false;
    const std::int32_t cx = ShatterEffect.x[shape][0], cy = ShatterEffect.y[shape][0];
    PlacePoint(shape, 1, cx, cy);
    if (shape != 1) {
        TracePiece(shape);
        return;
    }
    for (const Run& r : kShapeOne)
        for (std::int32_t i = 1; i <= r.count; ++i) {
            const std::int32_t k = r.stepX == 0 && r.stepY == 0 ? 0 : i;
            PlacePoint(shape, r.first + i - 1, cx + r.baseX + k * r.stepX, cy + r.baseY + k * r.stepY);
        }
}

std::int32_t RunShatterEffect(std::int32_t mode, std::int32_t shape, std::int32_t x, std::int32_t y) {
    ShatterEffectRecord& e = ShatterEffect;
    if (mode == 0) {
        if (shape < 1 || shape > 36) return 0;
        FinalSectionState.shatterActive = 1;
        e.state[shape][0] = 1;
        PlaceShatterCentre(shape, x, y);
        BuildShatterOutline(shape);
        return 0;
    }
    if (mode == 1) {
        for (int s = 1; s < kShatterShapes; ++s)
            for (std::uint32_t& w : e.state[s]) w = 0;
        return 0;
    }
    if (mode != 2) return 0;
    Shatter.anyShape = 0;
    const double now = GameNow();
    for (int s = 1; s < kShatterShapes; ++s) {
        if (e.state[s][0] == 1) {
            Shatter.anyShape = 1;
            LightOutline(s);
        }
        if (e.state[s][0] == 2) {
            Shatter.anyShape = 1;
            if (now - e.shapeTime[s] > 0.1) e.state[s][0] = 3;
        }
        if (e.state[s][0] == 3) {
            Shatter.anyShape = 1;
            Burst(s);
        }
        if (e.state[s][0] == 4) {
            Shatter.anyShape = 1;
            Drift(s);
        }
    }
    return Shatter.anyShape == 0 ? kDone : 0;
}

void SetShatterPointSprite(std::int32_t shape, std::int32_t point) {
    PendingSpriteRecord& ps = PendingSprite;
    ps.gno = kSheet;
    ps.srcLeft = ps.srcTop = ps.srcRight = ps.srcBottom = 0;
    ps.scale = 1.0f;
    ps.facing = 1;
    ps.floatAngle = 0.0f;
    ps.posX = ShatterEffect.x[shape][point] - ScrollX;
    ps.posY = ShatterEffect.y[shape][point];
    ps.depth = 0.9f;
    const std::uint32_t frame = ShatterEffect.state[shape][point];
    for (const PointCell& c : kPointCells)
        if (static_cast<std::uint32_t>(c.frame) == frame) {
            SetPendingSpriteSource(c.rect);
            ps.pivotX = c.cx;
            ps.pivotY = c.cy;
            ps.colour = 0xFFFFFFFFu;
            return;
        }
}

void ResetShatterWords() {
    Shatter = {};
}
