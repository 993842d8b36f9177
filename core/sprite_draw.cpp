// The two ways a sprite becomes a draw: the pending sprite under its own
// transform, and a sprite placed under the stage base transform.
#include "core/sprite_draw.h"

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

plat::Matrix PendingSpriteTransformAt(float angle) {
    const PendingSpriteRecord& s = PendingSprite;
    const float k = VirtualScreen.scale * s.scale;
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
