// Draw pass of the arena's stands, crowd and stage: the west gate structure
// and the door stack, both stands of fifteen columns, the centre stage with
// its platform, the six rows of the crowd, the banner and the marker light.
// Every piece is placed straight in virtual-screen pixels.
#include "areas/era02/calls.h"
#include "areas/era02/opponent_frames.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "platform/platform.h"

namespace {

constexpr int kSlot79 = 79, kSlot81 = 81, kSlot39 = 39, kSlot85 = 85;
constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFFu;

// Where a piece `offset` px into the arena stands on the screen.
float ArenaScreenX(std::int32_t offset) { return static_cast<float>(Era02Anchor1 + offset - ScrollX); }

void Piece(int slot, int l, int t, int r, int b, float x, float y, float depth, float cx = 0, float cy = 0,
           std::uint32_t colour = SceneTint) {
    DrawWithBaseTransform(slot, plat::Rect{l, t, r, b}, cx, cy, x, y, depth, colour);
}

void DrawPendingPiece(int slot) {
    const PendingSpriteRecord& s = PendingSprite;
    Piece(slot, s.srcLeft, s.srcTop, s.srcRight, s.srcBottom, static_cast<float>(s.posX),
          static_cast<float>(s.posY), s.depth, 0, 0, s.colour);
}

// One column of a stand at screen x; `extraDepth` pushes the end column back.
void StandColumn(float x, float extraDepth) {
    const bool noCrowd = Era02Crowd.frameIndex == 0;
    Piece(kSlot81, 249, 219, 336, 301, x, 159, 0.69f + extraDepth);
    for (int p = 2; p <= 7; ++p) Piece(kSlot81, 46, 133, 133, 193, x, 241 + 67.0f * (p - 2), 0.72f + extraDepth);
    if (noCrowd)
        for (int p = 8; p <= 13; ++p) Piece(kSlot81, 0, 162, 35, 193, x + 3, 262 + 67.0f * (p - 8), 0.72f + extraDepth);
    for (int p = 14; p <= 19; ++p) Piece(kSlot81, 46, 195, 132, 218, x, 285 + 67.0f * (p - 14), 0.7f + extraDepth);
}

void CentreStage() {
    const std::int32_t shake = BannerShakeX;
    const float x = ArenaScreenX(1315 + shake);
    const std::int32_t h = TournamentState.platformHeight;
    for (int k = 0; k <= 6; ++k) Piece(kSlot81, 338, 500, 627, 520, x, 520 + 20.0f * k, 0.7f);
    Piece(kSlot81, 338, 0, 627, 482, x, 0, 0.73f);
    Piece(kSlot81, 338, 482, 627, 520, x, 482, 0.7f);
    // The platform's top piece shortens from the top while it rises to 98,
    // then the strips below it slide down.
    if (h < 98) Piece(kSlot81, 0, h + 387, 253, 485, ArenaScreenX(1332 + shake), h + 273.0f, 0.71f);
    const std::int32_t slide = h > 98 ? h - 98 : 0;
    for (int k = 10; k <= 20; ++k) Piece(kSlot81, 0, 473, 253, 484, x + 17, 369.0f + 11 * (k - 10) + slide, 0.71f);
}

using era02_frames::CrowdFrame;
using era02_frames::kCrowdFrames;
constexpr int kRowKinds[6] = {0, 1, 2, 1, 2, 0};   // A, B, C, B, C, A

struct FigureFrame {
    std::int32_t pivotX = 0, pivotY = 0, left = 0, top = 0, right = 0, bottom = 0;
};
// What each row shows; kept from frame to frame for the whole game.
FigureFrame CrowdFigureFrames[6];
std::int32_t GaugeMarkerFrame = 0;
double GaugeMarkerTime = 0;

void UpdateCrowdFigureFrames() {
    for (int r = 0; r < 6; ++r) {
        const std::int32_t f = Era02Crowd.figureFrame[r];
        if (f < 1 || f > 4) continue;
        const CrowdFrame& c = kCrowdFrames[f - 1];
        const int kind = kRowKinds[r];
        CrowdFigureFrames[r] = {c.pivotX, c.pivotY, c.left, c.top[kind], c.right, c.bottom[kind]};
    }
}

void DrawCrowd() {
    for (int c = 1; c <= 14; ++c) {
        for (int r = 0; r < 6; ++r) {
            const FigureFrame& f = CrowdFigureFrames[r];
            const float y = 301.0f + 67 * r;
            const auto cx = static_cast<float>(f.pivotX), cy = static_cast<float>(f.pivotY);
            if (c >= 2) Piece(kSlot81, f.left, f.top, f.right, f.bottom, ArenaScreenX(63 + 85 * c), y, 0.72f, cx, cy);
            Piece(kSlot81, f.left, f.top, f.right, f.bottom, ArenaScreenX(1542 + 85 * c), y, 0.72f, cx, cy);
        }
    }
}

struct BannerRows {
    std::int32_t top, bottom;
};
constexpr BannerRows kBanners[5] = {{0, 0}, {0, 32}, {34, 64}, {66, 102}, {106, 142}};

void DrawGaugeMarker() {
    std::int32_t& f = GaugeMarkerFrame;
    const double now = GameClock.gameClock;
    if (f == 0) {
        f = 1;
        GaugeMarkerTime = now;
    }
    if (now - GaugeMarkerTime < 0) GaugeMarkerTime = 0;
    if (f >= 1 && f <= 4 && now - GaugeMarkerTime >= 0.01) {
        GaugeMarkerTime = now;
        f += 1;
    }
    if (f >= 5) f = 1;
    Piece(kSlot39, 0, 15 * (f - 1), 17, 15 * (f - 1) + 14, ArenaScreenX(1447), 641.0f - TournamentGauge.value, 0.69f,
          0, 0, kOpaqueWhite);
}

// The pieces of the debris burst, from the fourth opponent's sheet.
void DrawDebris() {
    constexpr plat::Rect kPieces[5] = {
        {782, 0, 786, 5}, {782, 7, 789, 12}, {782, 14, 790, 20}, {782, 22, 790, 30}, {782, 32, 792, 40},
    };
    for (int k = 0; k < 5; ++k) {
        if (DebrisBurst.shown[k] != 1) continue;
        const plat::Rect& r = kPieces[k];
        Piece(kSlot85, r.left, r.top, r.right, r.bottom, static_cast<float>(DebrisBurst.x[k] - ScrollX),
              static_cast<float>(DebrisBurst.y[k]), 0.2f, 0, 0, kOpaqueWhite);
    }
}

}  // namespace

void ResetEra02StandsDrawing() {
    for (FigureFrame& frame : CrowdFigureFrames) frame = FigureFrame{};
    GaugeMarkerFrame = 0;
    GaugeMarkerTime = 0;
}

void DrawEra02StandsCrowdAndStage() {
    if (Era02AreaFlag != 1) return;
    SetStageBaseTransform();
    for (int i = 1; i <= 7; ++i) {
        SetEra02SetPieceSpriteC(i);
        if (PendingSprite.gno == 42) DrawPendingPiece(kSlot79);
    }
    for (int i = 1; i <= 11; ++i) {
        SetEra02SetPieceSpriteB(i);
        if (PendingSprite.gno == 44) DrawPendingPiece(kSlot81);
    }
    for (int c = 1; c <= 15; ++c) StandColumn(ArenaScreenX(40 + 85 * c), c == 15 ? 0.2f : 0.0f);
    for (int c = 1; c <= 15; ++c) StandColumn(ArenaScreenX(1434 + 85 * c), c == 1 ? 0.2f : 0.0f);
    CentreStage();
    if (Era02Crowd.frameIndex != 0) {
        UpdateCrowdFigureFrames();
        DrawCrowd();
    }
    const std::int32_t b = TournamentBanner;
    if (b >= 1 && b <= 4)
        Piece(kSlot81, 301, kBanners[b].top, 327, kBanners[b].bottom, ArenaScreenX(1447 + BannerShakeX),
              192.0f - (kBanners[b].bottom - kBanners[b].top), 0.6f);
    if (TournamentGauge.shown != 0) DrawGaugeMarker();
    DrawDebris();
}
