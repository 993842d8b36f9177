// The home area's two draw passes: the scene actors with the ball and the
// hearth's flame, and the gate out of the area with the practice post's
// marker beside it. Each sprite gets its own transform: some actors turn,
// some are mirrored about their own feet, and the flame is drawn five times
// its size.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era00/scenes.h"
#include "areas/era00_era01/era00/sheets.h"
#include "areas/era00_era01/records.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "platform/platform.h"

namespace {

constexpr int kActorSheetSlot = 87;   // single texture 50
constexpr int kGateSheetSlot = 86;    // single texture 49
constexpr double kDegreesToRadians = 0.01745329238474369;

const Era00SceneActorsRecord& Actors = Era00SceneActors;
namespace Sheet = era00_sheet;

plat::Rect RectOf(const Sheet::SheetRect& r) { return plat::Rect{r.left, r.top, r.right, r.bottom}; }

plat::Matrix Mul(const plat::Matrix& a, const plat::Matrix& b) { return plat::MatrixMultiply(a, b); }

// The virtual screen onto the back buffer: scale, then the side bar.
plat::Matrix ToScreen(float extraScale = 1.0f) {
    const float k = VirtualScreen.scale * extraScale;
    return Mul(plat::MatrixScaling(k, k, 1.0f), plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f));
}
plat::Matrix Rotation(std::int32_t degrees, double factor = kDegreesToRadians) {
    return plat::MatrixRotationZ(static_cast<float>(degrees * factor));
}
plat::Matrix Move(float x, float y) { return plat::MatrixTranslation(x, y, 0.0f); }
// The reflection in the vertical line through screen x `x`.
plat::Matrix MirrorAbout(float x) { return Mul(Mul(Move(-x, 0.0f), plat::MatrixReflectX()), Move(x, 0.0f)); }

plat::Rect PendingRect() {
    return plat::Rect{PendingSprite.srcLeft, PendingSprite.srcTop, PendingSprite.srcRight, PendingSprite.srcBottom};
}

void DrawPending(int slot, float x, float y, float depth, std::uint32_t colour) {
    DrawWithBaseTransform(slot, PendingRect(), PendingSprite.pivotX, PendingSprite.pivotY, x, y, depth, colour);
}

// An actor placed at its screen position and mirrored about its own x when
// asked, or about the middle of its frame for a figure that turns on the
// spot (`inPlace`): it then covers the same ground either way round.
void DrawStandingActor(void (*setup)(std::int32_t), std::int32_t frame, std::int32_t worldX, std::int32_t y,
                       bool mirrored, float depth, bool inPlace = false) {
    const float sx = static_cast<float>(worldX - ScrollX);
    setup(frame);
    const float middle =
        inPlace ? 0.5f * static_cast<float>(PendingSprite.srcRight - PendingSprite.srcLeft) - PendingSprite.pivotX
                : 0.0f;
    plat::SpriteSetTransform(mirrored ? Mul(MirrorAbout(sx + middle), ToScreen()) : ToScreen());
    DrawPending(kActorSheetSlot, sx, static_cast<float>(y), depth, SceneTint);
}

// An actor that turns about its pivot: the frame table runs first, then the
// rotation (and mirror) carry the sprite to its place.
void DrawTurningActor(void (*setup)(std::int32_t), std::int32_t frame, std::int32_t angle, bool mirrored,
                      std::int32_t worldX, std::int32_t y, float depth) {
    setup(frame);
    plat::Matrix m = Rotation(angle);
    if (mirrored) m = Mul(m, plat::MatrixReflectX());
    m = Mul(Mul(m, Move(static_cast<float>(worldX - ScrollX), static_cast<float>(y))), ToScreen());
    plat::SpriteSetTransform(m);
    DrawPending(kActorSheetSlot, 0.0f, 0.0f, depth, SceneTint);
}

// The hearth's flame, two layers at five times their size: its bottom-left
// stands at (720, 640) of the virtual screen.
void DrawFlame(std::int32_t frame) {
    if (frame >= 1 && frame <= 3) {
        PendingSprite.srcLeft = Sheet::kFlameEdges[frame - 1].left;
        PendingSprite.srcRight = Sheet::kFlameEdges[frame - 1].right;
    }
    plat::SpriteSetTransform(ToScreen(5.0f));
    const std::int32_t l = PendingSprite.srcLeft, r = PendingSprite.srcRight, t = Sheet::kFlameTop,
                       b = Sheet::kFlameBottom;
    const std::int32_t shift = Sheet::kFlameLayerShift;
    DrawWithBaseTransform(kActorSheetSlot, plat::Rect{l, t, r, b}, 0.0f, 61.0f, 144.0f, 128.0f, 0.1f, 0xAAFFFFFFu);
    DrawWithBaseTransform(kActorSheetSlot, plat::Rect{l + shift, t, r + shift, b}, 0.0f, 61.0f, 145.0f, 128.0f,
                          0.09f, 0xCCFFFFFFu);
}

void DrawGate() {
    const Era00GatewayRecord& g = Era00Gateway;
    const float sx = static_cast<float>(g.x - ScrollX);
    plat::SpriteSetTransform(ToScreen());
    constexpr float kGlowCentreX[3] = {71.0f, 71.0f, 73.0f};
    if (g.glowFrame >= 1 && g.glowFrame <= 3) {
        const Sheet::SheetRect& f = Sheet::kGlowFrames[g.glowFrame - 1];
        PendingSprite.pivotX = kGlowCentreX[g.glowFrame - 1];
        PendingSprite.pivotY = 295.0f;
        PendingSprite.srcLeft = f.left;
        PendingSprite.srcRight = f.right;
        PendingSprite.srcBottom = f.bottom;
    }
    // Once she has passed, the leaves change which stands in front.
    const float leftLeaf = g.passed == 0 ? 0.3f : 0.1f;
    const float rightLeaf = g.passed == 0 ? 0.1f : 0.3f;
    DrawWithBaseTransform(kGateSheetSlot, RectOf(Sheet::kLeftLeaf), 54.0f, 270.0f, sx, 600.0f, leftLeaf,
                          g.leafColour);
    DrawWithBaseTransform(kGateSheetSlot, RectOf(Sheet::kRightLeaf), 0.0f, 270.0f, sx, 600.0f, rightLeaf,
                          g.leafColour);
    DrawWithBaseTransform(kGateSheetSlot,
                          plat::Rect{PendingSprite.srcLeft, 0, PendingSprite.srcRight, PendingSprite.srcBottom},
                          PendingSprite.pivotX, PendingSprite.pivotY, sx, 600.0f, 0.33f, g.glowColour);
    // The glow's third frame again, faint, over the rest.
    const Sheet::SheetRect& overlay = Sheet::kGlowFrames[2];
    PendingSprite.pivotX = 73.0f;
    PendingSprite.pivotY = 295.0f;
    PendingSprite.srcLeft = overlay.left;
    PendingSprite.srcRight = overlay.right;
    PendingSprite.srcBottom = overlay.bottom;
    DrawWithBaseTransform(kGateSheetSlot, RectOf(overlay), 73.0f, 295.0f, sx, 600.0f, 0.34f, 0x33FFFFFFu);

    const std::uint32_t kinds[2] = {g.sparkKind1, g.sparkKind2};
    const std::int32_t angles[2] = {g.sparkAngle1, g.sparkAngle2};
    for (int i = 0; i < 2; ++i) {
        if (kinds[i] == 0 || kinds[i] > 4) continue;
        const std::uint32_t k = kinds[i] - 1;
        PendingSprite.pivotX = Sheet::kSparkCentre[k][0];
        PendingSprite.pivotY = Sheet::kSparkCentre[k][1];
        SetPendingSpriteSource(Sheet::kSparks[k]);
        plat::SpriteSetTransform(Mul(Mul(Rotation(angles[i], 0.0174533), Move(sx, 465.0f)), ToScreen()));
        DrawPending(kGateSheetSlot, 0.0f, 0.0f, 0.32f, SceneTint);
    }
}

void DrawPracticeMarker() {
    PendingSprite.pivotX = 90.0f;
    PendingSprite.pivotY = 19.0f;
    SetPendingSpriteSource(Sheet::kPracticeMarker);
    plat::SpriteSetTransform(
        Mul(Mul(plat::MatrixRotationZ(1.5708f), Move(static_cast<float>(68 - ScrollX), 632.0f)), ToScreen()));
    for (int i = 0; i < 3; ++i) DrawPending(kGateSheetSlot, 0.0f, 0.0f, 0.72f, SceneTint);
}

}  // namespace

void DrawEra00HomeAreaActors() {
    if (Era00AreaFlag != 1) return;
    if (Actors.npcFrame != 0)
        DrawStandingActor(SetEra00NpcSprite, Actors.npcFrame, Actors.npcX, Actors.npcY, Actors.npcFacing == -1, 0.19f);
    if (Actors.itemShown != 0) {
        plat::SpriteSetTransform(Mul(Mul(Rotation(Actors.itemAngle), Move(static_cast<float>(Actors.itemX - ScrollX),
                                                                          static_cast<float>(Actors.itemY))),
                                     ToScreen()));
        DrawWithBaseTransform(kActorSheetSlot, RectOf(Sheet::kBall), 7.0f, 7.0f, 0.0f, 0.0f, 0.18f, SceneTint);
    }
    if (Actors.actorBFrame != 0)
        DrawStandingActor(SetEra00ActorSpriteB, Actors.actorBFrame, Era03ArenaEnemy3.x, Era03ArenaEnemy3.y, false,
                          0.19f);
    if (Actors.actorDFrame != 0)
        DrawTurningActor(SetEra00ActorSpriteD, Actors.actorDFrame, Actors.actorDAngle, false, Actors.actorDX,
                         Actors.actorDY, Actors.actorDDepth);
    if (Actors.actorCFrame != 0)
        DrawStandingActor(SetEra00ActorSpriteC, Actors.actorCFrame, Actors.actorCX, Actors.actorCY, false, 0.2f);
    if (Actors.actorEFrame != 0)
        DrawTurningActor(SetEra00ActorSpriteE, Actors.actorEFrame, Actors.actorEAngle, Actors.actorEMirror == 1,
                         Actors.actorEX, Actors.actorEY, 0.21f);
    if (Actors.closeUpFrame != 0) DrawFlame(Actors.closeUpFrame);
    // Her figure's frames all face left and the scene places them by that:
    // turned toward the intruder she stays where she stands.
    if (Actors.actorAFrame != 0)
        DrawStandingActor(SetEra00ActorSpriteA, Actors.actorAFrame, Actors.actorAX, Actors.actorAY,
                          Actors.actorAMirror == 1, 0.2f, true);
}

void DrawEra00GatewayAndPracticeMarker() {
    if (Era00AreaFlag != 1 && Era01AreaFlag != 1) return;
    if (Era00Gateway.glowFrame != 0) DrawGate();
    // The post stays under the practice's raised piece for as long as it is
    // raised, after the marker's own showing ends, so the piece never hangs.
    const bool holdsRaisedPiece = Era01AreaFlag == 1 && MovePracticeState.height > 0;
    if (MovePracticeState.shown == 1 || holdsRaisedPiece) DrawPracticeMarker();
}
