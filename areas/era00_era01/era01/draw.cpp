// The field's first draw passes: the scenery of the first sections with the
// animated tile grid, field enemy A (beside the collecting game's section),
// and the walking enemies with the second piece each shows as it breaks up.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/collect_sheet.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"

namespace {

constexpr std::int32_t a16 = SectionAnchorX[16];   // 16100
constexpr std::int32_t a19 = SectionAnchorX[19];   // 17500

bool InWindow(std::int32_t lo, std::int32_t hi) { return lo <= ScrollX && ScrollX <= hi; }

void Piece(int slot, plat::Rect src, std::int32_t worldX, std::int32_t y, float depth,
           std::uint32_t colour = SceneTint, float centreX = 0.0f) {
    DrawWithBaseTransform(slot, src, centreX, 0.0f, static_cast<float>(worldX - ScrollX), static_cast<float>(y),
                          depth, colour);
}

// ---- the tile grid ----------------------------------------------------------------
// Four phases of 0.2 s; each tile shows one of three bands of its texture.
// The top row's bands start at 0, 26, 52, the other rows' at 6, 32, 58; all
// end at 25, 51, 77.
double FieldGridStart = 0.0;
std::int32_t FieldGridTop[16] = {}, FieldGridBottom[16] = {};

constexpr std::int8_t kGridBands[4][16] = {
    {0, 1, 2, 1, 1, 1, 1, 2, 2, 1, 0, 1, 0, 1, 2, 1},
    {1, 2, 1, 2, 0, 1, 0, 1, 0, 1, 0, 1, 1, 2, 1, 2},
    {2, 1, 0, 1, 2, 1, 0, 1, 2, 1, 0, 1, 2, 1, 0, 1},
    {1, 0, 1, 0, 1, 0, 1, 0, 2, 0, 2, 0, 1, 0, 1, 0},
};

void StepGrid() {
    const double clock = GameClock.gameClock;
    double d = clock - FieldGridStart;
    if (d < 0) {
        FieldGridStart = 0.0;
        d = clock - FieldGridStart;
    }
    if (d >= 0 && d < 0.8) {
        const int phase = static_cast<int>(d / 0.2) > 3 ? 3 : static_cast<int>(d / 0.2);
        for (int t = 0; t < 16; ++t) {
            const std::int32_t band = kGridBands[phase][t];
            FieldGridTop[t] = (t < 4 ? 0 : 6) + 26 * band;
            FieldGridBottom[t] = 25 + 26 * band;
        }
    }
    if (d < 0 || d >= 0.8) FieldGridStart = clock;
}

void DrawGrid() {
    StepGrid();
    constexpr std::int32_t kRowY[4] = {690, 714, 733, 752};
    for (int t = 0; t < 16; ++t)
        Piece(57, plat::Rect{0, FieldGridTop[t], 100, FieldGridBottom[t]}, a16 + 200 + 100 * (t % 4), kRowY[t / 4],
              0.7f);
}

void DrawFieldEnemyA() {
    const FieldEnemyAStateRecord& e = FieldEnemyARecord;
    if (!InWindow(e.x - 1200, e.x + 500)) return;
    SetFieldEnemyASprite(e.frame, e.y);
    if (e.frame == 8) {
        const std::uint32_t colours[2] = {0xFFFFFFFFu, 0xBBBBBBBBu};
        for (int k = 0; k < 2; ++k) {
            const era01_frames::LayerCell& l = era01_frames::kDashLayers[k];
            DrawWithBaseTransform(59, plat::Rect{l.left, l.top, l.right, l.bottom}, l.centreX, 0.0f,
                                  static_cast<float>(e.x - ScrollX), static_cast<float>(e.y - l.lift), 0.7f, colours[k]);
        }
        return;
    }
    // A frame the table does not know draws nothing.
    if (PendingSprite.gno == 0) return;
    DrawWithBaseTransform(59,
                          plat::Rect{PendingSprite.srcLeft, PendingSprite.srcTop, PendingSprite.srcRight,
                                     PendingSprite.srcBottom},
                          PendingSprite.pivotX, 0.0f, static_cast<float>(e.x - ScrollX),
                          static_cast<float>(PendingSprite.posY), 0.7f, PendingSprite.colour);
}

// Bad objects take their pictures from the sheet's second row, 29 px lower.
void DrawCollectGameAndGatekeeper() {
    for (int k = 0; k < 8; ++k) {
        const CollectGameObject& o = CollectGameObjects[k];
        if (o.frame == 0) continue;
        SetCollectObjectSprite(o.frame);
        if (PendingSprite.gno == 0) continue;
        const std::int32_t T = k < 5 ? 0 : kCollectBadRowTop;
        DrawWithBaseTransform(60, plat::Rect{PendingSprite.srcLeft, T, PendingSprite.srcRight, PendingSprite.srcBottom + T},
                              PendingSprite.pivotX, 0.0f, static_cast<float>(o.x - ScrollX),
                              static_cast<float>(o.y + static_cast<std::int32_t>(PendingSprite.pivotY)), 0.8f, SceneTint);
    }
    const GatekeeperStateRecord& g = GatekeeperRecord;
    if (g.frame == 0) return;
    if (g.frame >= 1 && g.frame <= 6) {
        using era01_frames::kGatekeeperHeight;
        const era01_frames::GatekeeperRow& r = era01_frames::kGatekeeperFrames[g.frame - 1];
        Piece(62, {r.left, 0, r.right, kGatekeeperHeight}, g.blockX + r.dx, g.y - kGatekeeperHeight, 0.8f, SceneTint,
              static_cast<float>(r.centreX));
    }
    // The thrown object: x, and the word after it as its y.
    if (g.state == 13)
        DrawWithBaseTransform(60, plat::Rect{0, 29, 19, 57}, 9.0f, 14.0f, static_cast<float>(g.x - ScrollX),
                              static_cast<float>(g.objectX), 0.8f, SceneTint);
}

void DrawWalkingEnemies();

}  // namespace

void ResetEra01FirstSectionsDrawWords() {
    FieldGridStart = 0.0;
    for (std::int32_t& top : FieldGridTop) top = 0;
    for (std::int32_t& bottom : FieldGridBottom) bottom = 0;
}

void DrawEra01FirstFieldSections() {
    if (Era01AreaFlag != 1) return;
    SetStageBaseTransform();
    if (InWindow(a16 - 1820, a16 + 800)) {
        Piece(49, {0, 0, 42, 29}, a16 - 800, 611, 0.9f);
        Piece(52, {0, 0, 58, 56}, a16 - 200, 584, 0.09f);
        struct Small {
            std::int32_t left, right, dx, y;
        };
        constexpr Small kSmall[6] = {{0, 10, -10, 615},  {0, 10, 90, 590},  {10, 19, 200, 590},
                                     {0, 10, 590, 590},  {10, 19, 700, 590}, {10, 19, 800, 615}};
        for (const Small& s : kSmall) Piece(31, {s.left, 0, s.right, 19}, a16 + s.dx, s.y, 0.1f);
        Piece(55, {0, 0, 483, 94}, a16 + 158, 508, 0.1f);
        Piece(56, {0, 0, 100, 80}, a16 + 530, 580, 0.09f);
        if (InWindow(a16 - 1000, a16 + 1000)) DrawGrid();
    }
    DrawFieldEnemyA();
    if (InWindow(a19 - 837, a19 + 1370)) {
        Piece(40, {0, 0, 128, 170}, a19 + 513, 498, 0.9f);
        Piece(41, {0, 0, 158, 106}, a19 + 483, 393, 0.9f);
        Piece(42, {0, 0, 644, 345}, a19 + 242, 49, 0.9f);
        // The collecting game's objects and the gatekeeper stand in front of
        // these three and behind the last piece.
        DrawCollectGameAndGatekeeper();
        Piece(61, {0, 0, 257, 261}, a19 + 1100, 383, 0.9f);
    }
}

void DrawEra01EnemiesAndEncounterActors() {
    if (Era01AreaFlag == 1) {
        DrawWalkingEnemies();
        DrawMonsterGroups();
        DrawEncounterActorsAndPieces();
    }
    DrawRound2OpponentEverywhere();
}

namespace {

void DrawWalkingEnemies() {
    if (WalkingEnemyDrawFlags[0] != 1 && WalkingEnemyDrawFlags[1] != 1) return;
    for (int k = 1; k <= 6; ++k) {
        PendingSprite.gno = 0;
        const int n = (k + 1) / 2 - 1;
        const WalkingEnemyRecord& e = WalkingEnemyRecords[n];
        if (WalkingEnemyDrawFlags[n] != 1 || !InWindow(e.x - 1200, e.x + 500)) continue;
        std::int32_t sx = e.x - ScrollX, sy = e.y, angle = e.angle;
        if (k % 2 == 1) {
            SetWalkingEnemySprite(e.frame);
        } else if (e.frame == 20) {
            SetWalkingEnemySprite(21);
            sy = FloorHeightAt(e.x, e.y);
        } else if (e.frame == 22) {
            SetWalkingEnemySprite(23);
            sx = e.pieceOffset - ScrollX;
            angle = -e.angle;
        } else if (e.frame == 24) {
            SetWalkingEnemySprite(25);
            sy = e.y + e.pieceOffset;
            if (n != 0) angle = -e.angle;
        } else {
            continue;
        }
        PendingSprite.scale = 1.0f;
        PendingSprite.colour = 0xFFFFFFFFu;
        PendingSprite.facing = e.facing;
        PendingSprite.angle = angle;
        PendingSprite.depth = 0.6f;
        PendingSprite.posX = sx;
        PendingSprite.posY = sy;
        if (PendingSprite.gno != 0) DrawPendingSprite(36);
    }
}

}  // namespace
