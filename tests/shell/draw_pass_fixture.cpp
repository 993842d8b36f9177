#include "draw_pass_fixture.h"

#include "core/sprite_draw.h"
#include "shell/frame.h"
#include "shell/graphics.h"

#include <algorithm>
#include <cstring>

namespace {

std::function<void()> g_draw;
bool g_ownBatch = true;

void RenderInBatch(double, float) {
    if (!g_ownBatch) {
        if (g_draw) g_draw();
        return;
    }
    plat::DeviceClear(0x00000000u);
    if (!plat::DeviceBeginScene()) return;
    plat::SpriteBegin();
    if (g_draw) g_draw();
    plat::SpriteEnd();
    plat::DeviceEndScene();
}

// A 2 x 2 grey 24-bit BMP.
std::vector<std::uint8_t> TinyBmp() {
    std::vector<std::uint8_t> b(54 + 16, 0x80);
    auto put32 = [&](int o, std::uint32_t v) { std::memcpy(&b[o], &v, 4); };
    auto put16 = [&](int o, std::uint16_t v) { std::memcpy(&b[o], &v, 2); };
    std::memset(b.data(), 0, 54);
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    put16(26, 1);
    put16(28, 24);
    put32(34, 16);
    return b;
}

}  // namespace

void DrawPassTest::SetUp() { GameHarness::SetUp(); }

void DrawPassTest::TearDown() {
    g_draw = nullptr;
    for (plat::TextureId& t : TextureSlots) {
        if (t != 0) plat::TextureRelease(t);
        t = 0;
    }
    GameHarness::TearDown();
}

void DrawPassTest::OpenDevice(int width, int height) {
    plat::Callbacks callbacks;
    callbacks.onFrameRender = RenderInBatch;
    plat::FrameworkSetCallbacks(callbacks);
    plat::headless::SetBackBuffer(width, height);
    ASSERT_TRUE(plat::FrameworkInit());
    ASSERT_TRUE(plat::FrameworkCreateWindow("draw passes"));
    ASSERT_EQ(plat::FrameworkCreateDevice(width, height, true), 0);
    ComputeVirtualScreen(width, height);
    const std::vector<std::uint8_t> bmp = TinyBmp();
    for (int s = 0; s < kTextureSlotCount; ++s) {
        TextureSlots[s] = plat::TextureCreateFromBmp(bmp.data(), bmp.size(), 0);
        ASSERT_NE(TextureSlots[s], 0);
        if (static_cast<int>(slotOfTexture_.size()) <= TextureSlots[s]) slotOfTexture_.resize(TextureSlots[s] + 1, -1);
        slotOfTexture_[TextureSlots[s]] = s;
    }
}

std::vector<plat::headless::SpriteDrawRecord> DrawPassTest::DrawOnce(const std::function<void()>& draw) {
    g_draw = draw;
    RunFrames(1);
    g_draw = nullptr;
    std::vector<plat::headless::SpriteDrawRecord> out = LastFrame().sprites;
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.order < b.order; });
    return out;
}

std::vector<plat::headless::SpriteDrawRecord> DrawPassTest::RenderOnce(const std::function<void()>& render) {
    g_ownBatch = false;
    std::vector<plat::headless::SpriteDrawRecord> out = DrawOnce(render);
    g_ownBatch = true;
    return out;
}

int DrawPassTest::SlotOf(const plat::headless::SpriteDrawRecord& r) const {
    if (r.texture <= 0 || r.texture >= static_cast<int>(slotOfTexture_.size())) return -1;
    return slotOfTexture_[r.texture];
}

std::vector<plat::headless::SpriteDrawRecord> DrawPassTest::FromSlot(
    const std::vector<plat::headless::SpriteDrawRecord>& all, int slot) const {
    std::vector<plat::headless::SpriteDrawRecord> out;
    for (const auto& r : all)
        if (SlotOf(r) == slot) out.push_back(r);
    return out;
}

void DrawPassTest::Land(const plat::headless::SpriteDrawRecord& r, float u, float v, float* x, float* y) const {
    float bx = 0, by = 0;
    plat::MatrixTransformPoint(r.transform, u - r.centreX + r.x, v - r.centreY + r.y, &bx, &by);
    *x = (bx - VirtualScreen.xOffset) / VirtualScreen.scale;
    *y = by / VirtualScreen.scale;
}
