// The field's middle draw passes: the teacher and the lift section with the
// barrier that stands until the gate is open and the pulsing scenery behind
// it; then the far part of that section, the arena with its enemy and prop,
// the turret's section, the large structure with its upright parts and the
// spawner's falling objects.
#include <cstdint>
#include <initializer_list>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"

namespace {

constexpr std::int32_t a21 = SectionAnchorX[21];   // 20200
constexpr std::int32_t a24 = SectionAnchorX[24];   // 24660
constexpr std::int32_t a25 = SectionAnchorX[25];   // 25000
constexpr std::int32_t a34 = SectionAnchorX[34];   // 27350

bool InWindow(std::int32_t lo, std::int32_t hi) { return lo <= ScrollX && ScrollX <= hi; }

void Piece(int slot, plat::Rect src, std::int32_t worldX, std::int32_t y, float depth,
           std::uint32_t colour = SceneTint, float centreX = 0.0f) {
    DrawWithBaseTransform(slot, src, centreX, 0.0f, static_cast<float>(worldX - ScrollX), static_cast<float>(y),
                          depth, colour);
}

plat::Rect PendingRect() {
    return plat::Rect{PendingSprite.srcLeft, PendingSprite.srcTop, PendingSprite.srcRight, PendingSprite.srcBottom};
}

// ---- the lift section ------------------------------------------------------------

struct LoopCut {
    std::int32_t left = 0, right = 0, shift = 0;
};
LoopCut loopCuts[2];

void DrawLoopPiece(int k, std::uint32_t colour) {
    const SceneryLoopRecord& loop = SceneryLoops[k];
    if (loop.frame == 0) return;
    constexpr LoopCut kCuts[4] = {{}, {0, 67, 0}, {68, 134, 0}, {135, 203, 1}};
    if (loop.frame >= 1 && loop.frame <= 3) loopCuts[k] = kCuts[loop.frame];
    const LoopCut& c = loopCuts[k];
    Piece(76, {c.left, 0, c.right, 79}, loop.x - c.shift, loop.y - 79, 0.8f, colour, 34.0f);
}

void DrawTeacher() {
    const Era01NpcStateRecord& npc = Era01NpcRecord;
    if (npc.frame == 0 || !InWindow(npc.x - 1200, npc.x + 500)) return;
    SetEra01NpcSprite(npc.frame);
    if (PendingSprite.gno == 0) return;
    DrawWithBaseTransform(65, PendingRect(), PendingSprite.pivotX, 0.0f, static_cast<float>(npc.x - ScrollX),
                          static_cast<float>(npc.y) + PendingSprite.pivotY, 0.7f, 0xFFFFFFFFu);
}

// The scenery that shows once the gate is open, with three of its colour
// words stepped here.
void DrawOpenedSection() {
    const std::uint32_t* colour = Era01SceneryColours;   // colour n is colour[n - 1]
    Piece(69, {0, 0, 70, 163}, a21 + 402, 575, 0.7f);
    DrawLoopPiece(0, colour[1]);
    DrawLoopPiece(1, colour[2]);
    UpdateEra01ColourPulseB(1);
    Piece(76, {80, 80, 123, 125}, a21 + 1322, 694, 0.8f, colour[3], 22.0f);
    Piece(76, {80, 80, 123, 125}, a21 + 6716, 694, 0.8f, colour[3], 22.0f);
    UpdateEra01ColourPulseC(1);
    UpdateEra01ColourPulseD(1);
    Piece(76, {0, 80, 79, 136}, a21 + 777, 684, 0.8f, colour[4], 39.0f);
    Piece(76, {0, 80, 79, 136}, a21 + 1277, 684, 0.8f, colour[5], 39.0f);
    Piece(76, {0, 80, 79, 136}, a21 + 1323, 684, 0.1f, colour[5]);
    Piece(74, {0, 0, 59, 76}, a21 + 892, 519, 0.8f, colour[6], 29.0f);
    Piece(75, {0, 0, 44, 73}, a21 + 971, 667, 0.8f, colour[7], 22.0f);
    Piece(68, {0, 27, 19, 53}, a21 + 629, 511, 0.8f);
    Piece(71, {0, 0, 200, 101}, a21 + 562, 639, 0.8f);
    Piece(72, {0, 0, 76, 93}, a21 + 818, 648, 0.8f);
    Piece(73, {0, 0, 29, 34}, a21 + 820, 614, 0.8f);
}

}  // namespace

void DrawEra01LiftSection() {
    if (Era01AreaFlag != 1) return;
    SetStageBaseTransform();
    DrawTeacher();
    if (!InWindow(a21 - 959, a21 + 1400)) return;
    const std::uint32_t* colour = Era01SceneryColours;
    Piece(31, {0, 0, 10, 19}, a21 + 290, 265, 0.1f);
    Piece(64, {625, 212, 678, 389}, LiftRecord.x - 23, LiftRecord.baseY - 176, 0.8f);
    if (LiftRecord.frame != 0) {
        SetLiftSprite(LiftRecord.frame);
        if (PendingSprite.gno != 0)
            DrawWithBaseTransform(64, PendingRect(), 0.0f, 0.0f, static_cast<float>(PendingSprite.posX),
                                  static_cast<float>(PendingSprite.posY), PendingSprite.depth, SceneTint);
    }
    for (int i = 0; i < 4; ++i) Piece(66, {0, 0, 275, 350}, a21 + 300 + 275 * i, 390, 0.9f, colour[0]);
    Piece(70, {0, 0, 9, 352}, a21 + 291, 288, 0.9f);
    Piece(67, {0, 0, 23, 351}, a21 + 453, 389, 0.8f);
    Piece(68, {0, 0, 25, 26}, a21 + 428, 511, 0.8f);
    Piece(75, {0, 0, 23, 52}, a21 + 353, 433, 0.8f, colour[7]);
    Piece(75, {22, 51, 59, 76}, a21 + 296, 715, 0.8f, colour[7]);
    if (Era01Progress != 3) {
        // The barrier: columns of four pieces every 25 px.
        const std::int32_t firstColumn = (a21 + 300) / 25;
        for (std::int32_t k = firstColumn + 7; k <= firstColumn + 43; ++k)
            for (std::int32_t y : {705, 601, 497, 393}) Piece(30, {0, 0, 25, 104}, 25 * k, y, 0.1f);
        return;
    }
    DrawOpenedSection();
}

namespace {

// ---- the far field and the arena -------------------------------------------------

double farBlinkStart = 0.0, turretBlinkStart = 0.0;

// A 0.4 s cycle: true in its first half. The start restarts when the clock
// has gone back or the cycle is over.
bool FirstHalf(double& start) {
    const double clock = GameClock.gameClock;
    if (clock - start < 0 || clock - start >= 0.4) start = clock;
    return clock - start < 0.2;
}

void DrawFarLiftSection() {
    if (GameClock.gameClock - farBlinkStart < 0) farBlinkStart = 0.0;
    Piece(50, {0, 0, 87, 75}, a21 + 1409, 215, 0.8f);
    Piece(50, {0, 0, 87, 75}, a21 + 1805, 315, 0.8f);
    const bool first = FirstHalf(farBlinkStart);
    constexpr plat::Rect kLeftHalf{0, 0, 49, 42}, kRightHalf{50, 0, 98, 42};
    Piece(51, first ? kLeftHalf : kRightHalf, a21 + 2650, 548, 0.8f);
    Piece(51, first ? kRightHalf : kLeftHalf, a21 + 3332, 598, 0.8f);
    struct Copy {
        std::int32_t dx, y;
    };
    constexpr Copy kCopies[6] = {{1553, 315}, {1757, 365}, {1950, 415}, {2040, 440}, {2449, 540}, {2559, 565}};
    for (const Copy& c : kCopies)
        DrawWithBaseTransform(52, {0, 0, 58, 56}, 29.0f, 56.0f, static_cast<float>(a21 + c.dx - ScrollX),
                              static_cast<float>(c.y), 0.09f, SceneTint);
    Piece(48, {0, 0, 61, 35}, a21 + 3028, 605, 0.9f);
    Piece(40, {0, 0, 128, 170}, a21 + 3430, 473, 0.9f);
    Piece(41, {0, 0, 158, 106}, a21 + 3400, 368, 0.9f);
    Piece(42, {0, 0, 644, 345}, a21 + 3159, 24, 0.9f);
}

void DrawArena() {
    const ArenaStateRecord& s = ArenaState;
    if (InWindow(s.objectX - 1200, s.objectX + 500)) {
        if (s.propMode == 1) Piece(63, {0, 110, 9, 135}, s.objectX - 3, s.objectY - 16, 0.1f, 0xFFFFFFFFu);
        if (s.propMode == 2) Piece(63, {10, 110, 35, 119}, s.objectX - 3, s.objectY - 9, 0.1f, 0xFFFFFFFFu);
    }
    const ArenaEnemyRecord& e = ArenaEnemy;
    if (!InWindow(e.x - 1200, e.x + 500)) return;
    SetArenaEnemySprite(e.frame);
    if (e.frame == 7) {
        const std::uint32_t colours[2] = {0xCCFFFFFFu, 0xBBBBBBBBu};
        for (int k = 0; k < 2; ++k) {
            const era01_frames::LayerCell& l = era01_frames::kDashLayers[k];
            Piece(63, {l.left, l.top, l.right, l.bottom}, e.x, e.y - l.lift, 0.7f, colours[k], l.centreX);
        }
        return;
    }
    // Frame 0, and a frame the table does not know, draw nothing.
    if (e.frame == 0 || PendingSprite.gno == 0) return;
    DrawWithBaseTransform(63, PendingRect(), PendingSprite.pivotX, 0.0f, static_cast<float>(e.x - ScrollX),
                          static_cast<float>(e.y) - PendingSprite.pivotY, 0.7f, PendingSprite.colour);
}

void DrawPendingFrom(int slot, float centreX, float centreY) {
    DrawWithBaseTransform(slot, PendingRect(), centreX, centreY, static_cast<float>(PendingSprite.posX),
                          static_cast<float>(PendingSprite.posY), PendingSprite.depth, PendingSprite.colour);
}

void DrawTurretSection() {
    const bool first = FirstHalf(turretBlinkStart);
    Piece(51, first ? plat::Rect{0, 0, 49, 42} : plat::Rect{50, 0, 98, 42}, a24 + 553, 598, 0.8f);
    const AnchorObstacleStateRecord& t = AnchorObstacleState;
    if (t.baseFrame != 0 || t.headFrame != 0 || t.shots[0].state != 0 || t.shots[1].state != 0 ||
        t.shots[2].state != 0) {
        for (std::int32_t part = 1; part <= 5; ++part) {
            SetAnchorObstacleSprite(part);
            if (PendingSprite.gno == 40) DrawPendingFrom(77, PendingSprite.pivotX, PendingSprite.pivotY);
        }
    }
    Piece(50, {0, 0, 87, 75}, a24 - 50, 565, 0.8f);
}

void DrawLandmark() {
    for (std::int32_t i = 0; i <= 20; ++i) {
        const std::int32_t y = (i >= 5 && i <= 15) ? 310 : 475;
        Piece(29, {0, 24, 100, 49}, a25 + 100 * i, y, 0.89f);
    }
    for (std::int32_t part = 1; part <= 33; ++part) {
        SetEra01LandmarkPartSprite(part);
        DrawPendingFrom(30, 0.0f, 0.0f);
    }
}

void DrawSpawner() {
    const FieldSpawnerSlotsRecord& r = FieldSpawnerSlots;
    for (int i = 1; i <= 8; ++i) {
        const std::int32_t state = r.state[i];
        const float x = static_cast<float>(r.x[i] - ScrollX), y = static_cast<float>(r.y[i]);
        if (state == 1) {
            DrawWithBaseTransform(37, {179, 0, 191, 21}, 6.0f, 10.0f, x, y, 0.09f, 0xFFFFFFFFu);
        } else if (state >= 2 && state <= 6) {
            SetSpawnerObjectSprite(state);
            DrawWithBaseTransform(34, PendingRect(), PendingSprite.pivotX, PendingSprite.pivotX, x, y, 0.09f,
                                  0xAAFFFFFFu);
        }
    }
}

}  // namespace

void ResetEra01MiddleDrawWords() {
    for (LoopCut& cut : loopCuts) cut = LoopCut{};
    farBlinkStart = turretBlinkStart = 0.0;
}

void DrawEra01FarFieldAndArena() {
    if (Era01AreaFlag != 1) return;
    SetStageBaseTransform();
    if (InWindow(a21 + 378, a21 + 4473)) DrawFarLiftSection();
    DrawArena();
    if (InWindow(a24 - 547, a24 + 753)) DrawTurretSection();
    if (InWindow(a25 - 1124, a25 + 3276)) DrawLandmark();
    if (a34 < ScrollX && ScrollX < a34 + 13650) DrawSpawner();
}
