// The two ways a sprite becomes a draw: the pending sprite under its own
// transform, and a sprite placed under the stage base transform.
#include "core/sprite_draw.h"

#include <cmath>

#include "core/pending_sprite.h"
#include "core/textures.h"

namespace {

// Graphic numbers that name a texture slot: slot = number + offset.
struct GraphicRange {
    std::int32_t first, last, offset;
};
constexpr GraphicRange kGraphicSlots[] = {
    {40, 75, 37},      // pictures D040 to D075
    {102, 103, -101},  // slots 1, 2
    {114, 114, -80},   // slot 34
    {117, 117, -80},   // slot 37
    {201, 215, -196},  // slots 5 to 19
    {301, 301, -281},  // slot 20
    {401, 475, -363},  // pictures D001 to D075
    {512, 517, -480},  // slots 32 to 37
};

plat::TextureId TextureInSlot(int slot) {
    if (slot < 0 || slot >= kTextureSlotCount) return 0;
    return TextureSlots[slot];
}

}  // namespace

int TextureSlotOfGraphic(std::int32_t graphicNumber) {
    for (const auto& r : kGraphicSlots)
        if (graphicNumber >= r.first && graphicNumber <= r.last) return graphicNumber + r.offset;
    return -1;
}

plat::Matrix PendingSpriteTransform() {
    // Degrees to radians in double precision, kept as a float.
    return PendingSpriteTransformAt(static_cast<float>(PendingSprite.angle * 0.01745329238474369));
}

plat::Matrix PendingSpriteFloatAngleTransform() {
    return PendingSpriteTransformAt(static_cast<float>(PendingSprite.floatAngle * 0.01745329238474369));
}

namespace {

bool Finite(float v) { return std::isfinite(v); }

// The unturned transform written out: the same sums the products below make,
// term by term. Each sum there starts at +0 and gains at most one term that
// is not a zero (with finite numbers a zero term leaves a sum as it is, and
// a sum that is zero is +0), so each entry is that one term added to +0, and
// the last row's x adds the offset. Entries that could be infinite or not
// numbers take the products' way instead (false).
bool UnturnedTransform(float k, float tx, float ty, float xOffset, bool mirrored, plat::Matrix& r) {
    const float kx = 0.0f + (mirrored ? -1.0f * k : k);
    const float ky = 0.0f + k;
    const float u0 = 0.0f + (0.0f + tx) * k;
    const float u1 = 0.0f + (0.0f + ty) * k;
    if (!Finite(kx) || !Finite(ky) || !Finite(u0) || !Finite(u1) || !Finite(xOffset)) return false;
    r = plat::Matrix{};
    r.m[0][0] = kx;
    r.m[1][1] = ky;
    r.m[2][2] = 1.0f;
    r.m[3][0] = u0 + xOffset;
    r.m[3][1] = u1;
    r.m[3][3] = 1.0f;
    return true;
}

}  // namespace

plat::Matrix PendingSpriteTransformAt(float angle) {
    const PendingSpriteRecord& s = PendingSprite;
    const float k = VirtualScreen.scale * s.scale;
    // Most sprites are not turned: then the four products are written out.
    if (angle == 0.0f) {
        plat::Matrix r;
        if (UnturnedTransform(k, static_cast<float>(s.posX) / s.scale, static_cast<float>(s.posY) / s.scale,
                              VirtualScreen.xOffset, s.facing == -1, r))
            return r;
    }
    plat::Matrix S = plat::MatrixScaling(k, k, 1.0f);
    plat::Matrix P = plat::MatrixTranslation(static_cast<float>(s.posX) / s.scale, static_cast<float>(s.posY) / s.scale, 0.0f);
    plat::Matrix R = plat::MatrixRotationZ(angle);
    plat::Matrix O = plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f);
    plat::Matrix m = R;
    if (s.facing == -1) m = plat::MatrixMultiply(m, plat::MatrixReflectX());
    m = plat::MatrixMultiply(m, P);
    m = plat::MatrixMultiply(m, S);
    return plat::MatrixMultiply(m, O);
}

bool DrawPendingSprite(int fixedSlot) {
    const PendingSpriteRecord& s = PendingSprite;
    if (s.gno == 0) return false;
    // A zero scale would divide the position by zero; such a sprite has no
    // size on screen anyway.
    if (s.scale == 0.0f) return false;
    const int slot = fixedSlot >= 0 ? fixedSlot : TextureSlotOfGraphic(s.gno);
    if (slot < 0) return false;
    plat::SpriteSetTransform(PendingSpriteTransform());
    plat::Rect src{s.srcLeft, s.srcTop, s.srcRight, s.srcBottom};
    plat::SpriteDraw(TextureInSlot(slot), src, s.pivotX, s.pivotY, 0.0f, 0.0f, s.depth, s.colour);
    return true;
}

void SetStageBaseTransform() {
    plat::Matrix m = plat::MatrixMultiply(plat::MatrixScaling(VirtualScreen.scale, VirtualScreen.scale, 1.0f),
                                          plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f));
    plat::SpriteSetTransform(m);
}

void DrawWithBaseTransform(int slot, const plat::Rect& src, float centreX, float centreY, float x, float y,
                           float depth, std::uint32_t colour) {
    plat::SpriteDraw(TextureInSlot(slot), src, centreX, centreY, x, y, depth, colour);
}

void DrawPendingFromSlots(std::span<const GraphicSlot> slots, bool floatAngle) {
    const PendingSpriteRecord& s = PendingSprite;
    if (s.gno == 0 || s.scale == 0.0f) return;
    plat::SpriteSetTransform(floatAngle ? PendingSpriteFloatAngleTransform() : PendingSpriteTransform());
    for (const GraphicSlot& g : slots)
        if (g.gno == s.gno) {
            plat::SpriteDraw(TextureSlots[g.slot], plat::Rect{s.srcLeft, s.srcTop, s.srcRight, s.srcBottom}, s.pivotX,
                             s.pivotY, 0.0f, 0.0f, s.depth, s.colour);
            return;
        }
}
