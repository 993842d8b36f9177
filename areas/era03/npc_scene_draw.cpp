// How the camp is drawn: the character's frame table, the fixed scenery of
// Era03 with the night's pictures (overlay, stars, shooting star, tool, the
// prop and the shop's offer), and the character with the handed item.
#include "areas/era03/calls.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/npc_scene_frames.h"
#include "areas/era03/records.h"
#include "core/anim_ticker.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"
#include "platform/platform.h"

namespace {

using namespace npc_scene_frames;

constexpr std::uint32_t kOpaque = 0xFFFFFFFFu;

// Texture slots: single picture Dnnn sits in slot 37 + nnn.
constexpr int kCampSheet = 95;       // D058
constexpr int kNightOverlay = 96;    // D059
constexpr int kFirstItemSheet = 54;  // D017
constexpr int kSecondItemSheet = 60; // D023
constexpr int kHeroineSheet = 0;     // the knife's strip
constexpr std::int32_t kCampSheetGraphic = 458;

plat::Rect ToRect(const Cell& c) { return plat::Rect{c.left, c.top, c.right, c.bottom}; }

void Draw(int slot, const Cell& c, float x, float y, float depth, std::uint32_t colour, float cx = 0, float cy = 0) {
    DrawWithBaseTransform(slot, ToRect(c), cx, cy, x, y, depth, colour);
}
float Screen(std::int32_t worldX) { return static_cast<float>(worldX - ScrollX); }

// ---- the scenery pass's tables ------------------------------------------------

struct Twinkle {
    std::int32_t counter, valueA, valueB;
    Cell cell;
    float x, y;
    std::uint32_t colour;
};
constexpr Twinkle kTwinkles[] = {
    {18, 1, 4, kStarCells[0], 525, 110, 0x33FFFFFFu},
    {18, 1, 3, kStarCells[0], 325, 285, 0x33FFFFFFu},
    {4, 2, 4, kStarCells[1], 771, 239, kOpaque},
    {4, 3, 3, kStarCells[2], 771, 239, kOpaque},
    {2, 1, 1, kStarCells[3], 871, 411, 0xAAFFFFFFu},
};

// The second offer flickers through three cells, each with its own centre.
struct SpotCell {
    Cell cell;
    float cx;
    std::int32_t dx, y;
};
constexpr SpotCell kSecondOffer[5] = {
    {},
    {{0, 0, 18, 28}, 19, 21, 560},
    {{19, 0, 37, 19}, 9, 20, 567},
    {{38, 0, 56, 26}, 2, 20, 561},
    {{19, 0, 37, 19}, 9, 20, 567},
};
// The knife: a ten-pixel column that sweeps right and back.
constexpr std::int32_t kKnifeColumnLeft[9] = {0,
                                              kKnifeFirstColumn,
                                              kKnifeFirstColumn + kKnifeColumnStep,
                                              kKnifeFirstColumn + 2 * kKnifeColumnStep,
                                              kKnifeFirstColumn + 3 * kKnifeColumnStep,
                                              kKnifeFirstColumn + 3 * kKnifeColumnStep,
                                              kKnifeFirstColumn + 2 * kKnifeColumnStep,
                                              kKnifeFirstColumn + kKnifeColumnStep,
                                              kKnifeFirstColumn};

void DrawOffer(std::int32_t picture) {
    if (picture == 1) {
        const Cell c = TickAnimFrame(2) == 1 ? Cell{0, 0, 23, 24} : Cell{24, 0, 47, 24};
        Draw(kFirstItemSheet, c, Screen(kNpcAnchor + 9), 580, 0.7f, SceneTint);
    } else if (picture == 2) {
        const std::int32_t f = TickAnimFrame(4);
        if (f < 1 || f > 4) return;
        const SpotCell& s = kSecondOffer[f];
        Draw(kSecondItemSheet, s.cell, Screen(kNpcAnchor + s.dx), static_cast<float>(s.y), 0.7f, SceneTint, s.cx, 0);
    } else if (picture == 3) {
        const std::int32_t f = TickAnimFrame(8);
        if (f < 1 || f > 8) return;
        const std::int32_t left = kKnifeColumnLeft[f];
        Draw(kHeroineSheet, Cell{left, kKnifeTop, left + 10, kKnifeBottom}, Screen(kNpcAnchor + 12), 548, 0.7f, kOpaque);
    }
}

plat::Matrix ScreenMapping() {
    return plat::MatrixMultiply(plat::MatrixScaling(VirtualScreen.scale, VirtualScreen.scale, 1.0f),
                                plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f));
}

}  // namespace

void SetEra03NpcActorFrame(std::int32_t pose) {
    const ActorFrame* f = FindRow(kActorFrames, &ActorFrame::pose, pose);
    if (f == nullptr) return;
    const Era03NpcSceneRecord& a = Era03NpcScene;
    PendingSprite.gno = kCampSheetGraphic;
    SetPendingSpriteSource(f->cell);
    PendingSprite.pivotX = static_cast<float>(a.actorX - ScrollX + f->dx);
    PendingSprite.pivotY = static_cast<float>(a.actorY - f->dy);
}

void DrawEra03SceneryAndScenePictures() {
    if (Era03AreaFlag != 1) return;
    const Era03NpcSceneDrawRecord& d = Era03NpcSceneDraw;
    SetStageBaseTransform();
    // Fixed scenery: a far landmark and two posts.
    Draw(81, {0, 303, 246, 385}, Screen(Era01Anchor(55) + 4530), 159, 0.68f, SceneTint);
    Draw(48, {0, 0, 61, 35}, Screen(Era03Anchor1 - 17), 610, 0.8f, SceneTint);
    Draw(48, {0, 0, 61, 35}, Screen(Era03Anchor7 - 17), 610, 0.8f, SceneTint);
    if (d.pictureShown == 1) Draw(kNightOverlay, {0, 0, 1023, 639}, 0, 0, 0.992f, d.pictureColour);
    if (d.twinklesShown == 1) {
        for (const Twinkle& t : kTwinkles) {
            const std::int32_t v = TickAnimFrame(t.counter);
            if (v == t.valueA || v == t.valueB) Draw(kCampSheet, t.cell, t.x, t.y, 0.98f, t.colour);
        }
    }
    if (d.floaterShown == 1)
        Draw(kCampSheet, kShootingStarCell, static_cast<float>(d.floaterX), static_cast<float>(d.floaterY), 0.98f,
             d.floaterColour);
    // The camp's pictures only while the view is near it.
    if (ScrollX < kNpcAnchor - 1098 || ScrollX > kNpcAnchor + 320) return;
    Draw(kCampSheet, kFirePlaceCell, Screen(kNpcAnchor - 26), 604, 0.89f, kOpaque);
    if (d.actorShown == 1)
        Draw(kCampSheet, kToolCell, Screen(d.actorX), static_cast<float>(d.actorY), d.actorDepth, kOpaque);
    DrawOffer(Era03NpcScene.offeredPicture);
    Draw(kCampSheet, kPropBackCell, Screen(kNpcAnchor + 74), 521, 0.97f, d.panelColour);
    if (d.frontPanelShown == 1) Draw(kCampSheet, kPropFrontCell, Screen(kNpcAnchor + 74), 521, 0.17f, d.panelColour);
}

void DrawEra03NpcActorAndMarker() {
    if (Era03AreaFlag != 1) return;
    const Era03NpcSceneRecord& a = Era03NpcScene;
    const Era03NpcSceneDrawRecord& d = Era03NpcSceneDraw;
    const plat::Matrix plain = ScreenMapping();
    // The marker follows the character's transform when the character is
    // drawn; without the character it is drawn plainly, not with whatever
    // transform an earlier entry left behind.
    plat::SpriteSetTransform(plain);
    if (a.actorPose != 0) {
        plat::Matrix m = plain;
        if (a.actorFacing == 1) {
            // The cells face left; facing right mirrors them about a line
            // through the character.
            const float mx = Screen(a.actorX + 70);
            m = plat::MatrixMultiply(plat::MatrixTranslation(-mx, 0, 0), plat::MatrixReflectX());
            m = plat::MatrixMultiply(m, plat::MatrixTranslation(mx, 0, 0));
            m = plat::MatrixMultiply(m, plain);
        }
        plat::SpriteSetTransform(m);
        if (a.actorPose == kTwoCellPose) {
            const float x = Screen(a.actorX + kTwoCellDx);
            Draw(kCampSheet, kTwoCellUpper, x, static_cast<float>(a.actorY - kTwoCellUpperDy), a.actorDepth, kOpaque);
            Draw(kCampSheet, kTwoCellLower, x, static_cast<float>(a.actorY - kTwoCellLowerDy), a.actorDepth, kOpaque);
        } else {
            PendingSprite.gno = 0;
            SetEra03NpcActorFrame(a.actorPose);
            if (PendingSprite.gno != 0) {
                const PendingSpriteRecord& s = PendingSprite;
                Draw(kCampSheet, {s.srcLeft, s.srcTop, s.srcRight, s.srcBottom}, s.pivotX, s.pivotY, a.actorDepth,
                     kOpaque);
            }
        }
    }
    if (d.markerShown == 1)
        Draw(kCampSheet, kHandedItemCell, Screen(d.markerX - 7), static_cast<float>(d.markerY - 12), d.markerDepth,
             kOpaque);
}
