// The first sub-pass of every frame: the black side bars, then the heroine's
// figure in weapon mode 1 (one frame, her sparks and worn strip) and in
// weapon mode 2 (seven layers). The pass also writes what the next stage step
// reads of the drawn frame: her weapon-mode-1 body box and the weapon-mode-2
// ready stance.
#include "core/combos.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/heroine_w1_table.h"
#include "core/sprites/sprites.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/draw_hit_sparks.h"
#include "shell/draw_passes.h"
#include "shell/graphics.h"
#include "text/menu_state.h"

#include <numbers>

namespace {

constexpr int kBarSlot = 112;        // D075, all black
constexpr float kBarScale = 10.0f;   // 100 px squares cover 1000 virtual px
constexpr int kW1FirstSheet = 0, kW1SecondSheet = 3, kW2Sheet = 4;
constexpr double kReadyStanceSeconds = 10.0;

plat::Matrix ScreenToBackBuffer() {
    return plat::MatrixMultiply(plat::MatrixScaling(VirtualScreen.scale, VirtualScreen.scale, 1.0f),
                                plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f));
}

void DrawSideBar(std::int32_t x, std::int32_t facing) {
    PendingSprite.posX = x;
    PendingSprite.posY = 0;
    PendingSprite.scale = kBarScale;
    PendingSprite.facing = facing;
    // The standard transform at angle 0 (the record's angle is left alone).
    plat::Matrix m = plat::MatrixTranslation(static_cast<float>(x) / kBarScale, 0.0f, 0.0f);
    if (facing == -1) m = plat::MatrixMultiply(plat::MatrixReflectX(), m);
    m = plat::MatrixMultiply(m, plat::MatrixScaling(VirtualScreen.scale * kBarScale, VirtualScreen.scale * kBarScale, 1.0f));
    m = plat::MatrixMultiply(m, plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f));
    plat::SpriteSetTransform(m);
    plat::SpriteDraw(TextureSlots[kBarSlot], plat::Rect{0, 0, 100, 100}, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0xFFFFFFFFu);
}

// Mirror about the vertical line x = px when she faces -1, then the virtual
// screen's mapping.
plat::Matrix AnchoredTransform(float px) {
    plat::Matrix m = plat::MatrixIdentity();
    if (PlayerState.facing == -1) {
        m = plat::MatrixMultiply(plat::MatrixTranslation(-px, 0, 0), plat::MatrixReflectX());
        m = plat::MatrixMultiply(m, plat::MatrixTranslation(px, 0, 0));
    }
    return plat::MatrixMultiply(m, ScreenToBackBuffer());
}

void WriteW1BodyBox(std::int32_t cx, std::int32_t cy) {
    const PendingSpriteRecord& s = PendingSprite;
    const std::int32_t w = s.srcRight - s.srcLeft, h = s.srcBottom - s.srcTop;
    const heroine_w1_table::InsetRow inset = heroine_w1_table::InsetsOf(PlayerState.pose);
    const std::int32_t x = PlayerState.x, y = PlayerState.y;
    PlayerBodyBoxRecord& box = PlayerBodyBox;
    if (PlayerState.facing == 1) {
        box.left = x - cx + inset.back;
        box.right = x - cx + w;
    } else if (PlayerState.facing == -1) {
        box.left = x + cx - w;
        box.right = x + cx - inset.back;
    }
    box.top = y - cy + inset.top;
    box.bottom = box.top + h;
    box.centreX = (box.left + box.right) / 2;
}

void DrawAttachment(float px, float py) {
    SetPlayerAttachmentPose();
    const bool left = PlayerState.facing == -1;
    const PlayerAttachmentRecord& a = PlayerAttachment[left ? 1 : 0];
    if (a.shown < 1 || a.shown > 3) return;
    const float radians = static_cast<float>(a.angleDeg) * 3.1415927410125732f / 180.0f;
    plat::Matrix m = plat::MatrixRotationZ(radians);
    if (left) m = plat::MatrixMultiply(m, plat::MatrixReflectX());
    m = plat::MatrixMultiply(m, plat::MatrixTranslation(px + static_cast<float>(a.dx), py + static_cast<float>(a.dy), 0));
    m = plat::MatrixMultiply(m, ScreenToBackBuffer());
    plat::SpriteSetTransform(m);
    using namespace heroine_w1_table;
    const plat::Rect src{kStripLeft, kStripTop, kStripRight, kStripBottom[a.shown]};
    plat::SpriteDraw(TextureSlots[kW1FirstSheet], src, 0, 0, 0, 0, left ? 0.21f : 0.19f,
                     left ? 0xFFAAAAAAu : 0xFFFFFFFFu);
}

void DrawWeaponMode1() {
    SetPlayerW1Sprite();
    // A pose without a frame is not drawn at all.
    if (PendingSprite.gno == 0) return;
    const std::int32_t cx = PendingSprite.posX, cy = PendingSprite.posY;
    const float px = static_cast<float>(PlayerState.x - ScrollX);
    const float py = static_cast<float>(PlayerState.y);
    PendingSprite.pivotX = px;
    PendingSprite.pivotY = py;
    plat::SpriteSetTransform(AnchoredTransform(px));
    const int slot = heroine_w1_table::OnSecondSheet(PlayerState.pose) ? kW1SecondSheet : kW1FirstSheet;
    const PendingSpriteRecord& s = PendingSprite;
    plat::SpriteDraw(TextureSlots[slot], plat::Rect{s.srcLeft, s.srcTop, s.srcRight, s.srcBottom},
                     static_cast<float>(cx), static_cast<float>(cy), px, py, PlayerState.depth, PlayerTint);
    WriteW1BodyBox(cx, cy);
    DrawHitSparks(px, py);
    if (EquipmentFlags.worn == 1) DrawAttachment(px, py);
    DrawSparkTrails();
}

void DrawWeaponMode2() {
    if (GameClock.gameClock - ReadyStanceStamp < kReadyStanceSeconds && PlayerState.pose == 1) PlayerState.pose = 22;
    const std::int32_t pose = PlayerState.pose;
    SetPlayerW2BodySprite(pose);
    DrawPendingSprite(kW2Sheet);
    SetPlayerW2BackLayerSprite(pose);
    DrawPendingSprite(kW2Sheet);
    SetPlayerW2FrontLayerSprite(pose);
    DrawPendingSprite(kW2Sheet);
    void (*const effects[4])(std::int32_t) = {SetTimedEffectSprite1, SetTimedEffectSprite2, SetTimedEffectSprite3,
                                               SetTimedEffectSprite4};
    for (int e = 0; e < 4; ++e) {
        if (TimedEffectTriggers[e] != 0) effects[e](1);
        else PendingSprite.gno = 0;
        DrawPendingSprite(kW2Sheet);
    }
}

}  // namespace

void DrawSideBarsAndHeroine() {
    DrawSideBar(1024, 1);
    DrawSideBar(0, -1);
    if (PlayerFigureShown != 1 || PlayerState.pose == 0) return;
    if (PlayerState.weaponMode1 == 1) DrawWeaponMode1();
    if (PlayerState.weaponMode2 == 1) DrawWeaponMode2();
}
