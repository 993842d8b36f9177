// Hit sparks and trails of weapon mode 1.
#include "shell/draw_hit_sparks.h"

#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/heroine_w1_table.h"
#include "core/step_helpers.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/draw_passes.h"
#include "shell/graphics.h"

namespace {

using heroine_w1_table::kSparkA;
using heroine_w1_table::kSparkB;
using heroine_w1_table::SparkFrame;

constexpr int kFirstSheetSlot = 0;   // A001
constexpr int kSecondSheetSlot = 3;  // A004
constexpr double kShortStep = 0.01, kLongStep = 0.1, kTailStep = 0.02, kTrailLife = 0.4;
constexpr float kTrailRise = 10.0f;  // px per second
constexpr std::uint32_t kTrailColour1 = 0x33FFFFFFu, kTrailColour2 = 0x44FFFFFFu;


// Shows a spark with the picture, offset and colours of one of its frames.
template <typename Spark>
void Show(Spark& spark, const SparkFrame& f) {
    spark.shown = 1;
    spark.rect = f.rect;
    spark.centre = f.centre;
    spark.dx = f.dx;
    spark.dy = f.dy;
    spark.colour1 = f.colour1;
    spark.colour2 = f.colour2;
}

void ShowA(int frame) {
    const SparkFrame& f = kSparkA[frame - 1];
    Show(HitSparkA, f);
    HitSparkA.depthOffset = f.depthOffset;
}

void ShowB(int frame) { Show(HitSparkB, kSparkB[frame - 1]); }

void StepSparkA() {
    HitSparkARecord& a = HitSparkA;
    std::int32_t& s = HitEffectState;
    const std::int32_t pose = PlayerState.pose;
    const double now = GameNow();
    a.shown = 0;
    StampAheadToZero(a.stamp10, now);
    // Each row sees the state the rows above it left.
    if (s == 1 && pose == 21) { a.stamp1 = now; s = 2; }
    if (s == 2 && pose == 21) {
        ShowA(1);
        if (now - a.stamp1 > kShortStep) { s = 3; a.stamp1 = now; }
    }
    if (s == 3) {
        ShowA(2);
        if (now - a.stamp1 > kShortStep) { s = 0; a.stamp1 = now; }
    }
    if (s == 10 && pose == 36) { s = 12; a.stamp10 = now; }
    if (s == 12 && pose == 36) {
        ShowA(3);
        if (now - a.stamp10 > kShortStep) { s = 13; a.stamp10 = now; }
    }
    if (s == 13) {
        ShowA(4);
        if (now - a.stamp10 > kShortStep) s = 0;
    }
    if (s == 50) {
        switch (pose) {
            case 102: ShowA(5); a.pose106Mark = 0; break;
            case 103: ShowA(6); break;
            case 104: ShowA(7); break;
            case 105: ShowA(8); break;
            case 106: ShowA(9); a.pose106Mark = 1; break;
            default: break;
        }
        if (pose != 106 && a.pose106Mark == 1) s = 0;
    }
}

void ArmTrail(int k, float px, float py) {
    SparkTrailRecord& t = SparkTrails[k];
    t.active = 1;
    t.mirrorX = px + static_cast<float>(ScrollX);
    t.facing = PlayerState.facing;
    t.x = px + (k == 0 ? 5.0f : 45.0f) + static_cast<float>(ScrollX);
    t.y = py - (k == 0 ? 143.0f : 141.0f);
}

void StepSparkB(float px, float py) {
    HitSparkBRecord& b = HitSparkB;
    std::int32_t& s = HitEffectState;
    const std::int32_t pose = PlayerState.pose;
    const double now = GameNow();
    b.shown = 0;
    StampAheadToZero(b.stamp, now);
    if (s == 30 && pose == 124) { s = 31; b.stamp = now; }
    if (s == 31 && pose == 124) {
        ShowB(1);
        if (now - b.stamp > kLongStep) { s = 32; b.stamp = now; }
    }
    if (s == 32) {
        ShowB(2);
        if (now - b.stamp > kTailStep) { s = 0; ArmTrail(0, px, py); }
    }
    if (s == 40 && pose == 126) { s = 41; b.pose128Mark = 0; b.stamp = now; }
    if (s == 41) {
        if (pose == 126) ShowB(3);
        else if (pose == 127) ShowB(4);
        else if (pose == 128) { ShowB(5); b.pose128Mark = 1; }
        if (pose != 128 && b.pose128Mark == 1) { s = 42; b.stamp = now; }
    }
    if (s == 42) {
        ShowB(6);
        if (now - b.stamp > kTailStep) { s = 0; ArmTrail(1, px, py); }
    }
}

// Sparks and trails are one picture laid twice, the second colour over the
// first.
void DrawTwoTone(int sheetSlot, const SpriteRect& r, const SpritePivot& c, float x, float y, float z1, float z2,
                 std::uint32_t colour1, std::uint32_t colour2) {
    const plat::Rect src{r.left, r.top, r.right, r.bottom};
    plat::SpriteDraw(TextureSlots[sheetSlot], src, c.x, c.y, x, y, z1, colour1);
    plat::SpriteDraw(TextureSlots[sheetSlot], src, c.x, c.y, x, y, z2, colour2);
}

}  // namespace

void DrawHitSparks(float px, float py) {
    const float depth = PlayerState.depth;
    if (HitEffectState != 0) {
        StepSparkA();
        const HitSparkARecord& a = HitSparkA;
        if (a.shown) {
            const float z = depth + a.depthOffset;
            const float x = px + static_cast<float>(a.dx), y = py + static_cast<float>(a.dy);
            DrawTwoTone(kFirstSheetSlot, a.rect, a.centre, x, y, z, z, a.colour1, a.colour2);
        }
    }
    if (HitEffectState != 0) {
        StepSparkB(px, py);
        const HitSparkBRecord& b = HitSparkB;
        if (b.shown) {
            const float x = px + static_cast<float>(b.dx), y = py + static_cast<float>(b.dy);
            DrawTwoTone(kSecondSheetSlot, b.rect, b.centre, x, y, depth - 0.01f, depth + 0.01f, b.colour1, b.colour2);
        }
    }
}

void DrawSparkTrails() {
    const double now = GameNow();
    for (int k = 0; k < 2; ++k) {
        SparkTrailRecord& t = SparkTrails[k];
        if (t.active != 1) continue;
        StampAheadToNow(t.startTime, now);
        plat::Matrix m = plat::MatrixIdentity();
        if (t.facing == -1) {
            const float mx = t.mirrorX - static_cast<float>(ScrollX);
            m = plat::MatrixMultiply(plat::MatrixTranslation(-mx, 0, 0), plat::MatrixReflectX());
            m = plat::MatrixMultiply(m, plat::MatrixTranslation(mx, 0, 0));
        }
        m = plat::MatrixMultiply(m, plat::MatrixScaling(VirtualScreen.scale, VirtualScreen.scale, 1.0f));
        m = plat::MatrixMultiply(m, plat::MatrixTranslation(VirtualScreen.xOffset, 0, 0));
        plat::SpriteSetTransform(m);
        if (t.started == 0) {
            t.started = 1;
            t.startTime = now;
        }
        const double age = now - t.startTime;
        if (age > kTrailLife) {
            t.active = 0;
            t.started = 0;
        }
        const float x = t.x - static_cast<float>(ScrollX);
        const float y = k == 0 ? t.y - kTrailRise * static_cast<float>(age) : t.y;
        const float z = PlayerState.depth + 0.01f;
        DrawTwoTone(kSecondSheetSlot, heroine_w1_table::kTrailRects[k], heroine_w1_table::kTrailCentres[k], x, y, z, z,
                    kTrailColour1, kTrailColour2);
    }
}

// The sparks need the heroine's screen position, which the weapon-mode-1 pass
// leaves in the record's centre fields.
void DrawHitSparksAndTrails() {
    DrawHitSparks(PendingSprite.pivotX, PendingSprite.pivotY);
    DrawSparkTrails();
}
