// Runs draw sub-passes inside one sprite batch of a headless frame, with a
// distinct small texture in every texture slot, so a test can tell from the
// recorded draws which slot each sprite came from.
#pragma once

#include "platform/headless.h"
#include "support/game_harness.h"

#include <functional>
#include <vector>

class DrawPassTest : public GameHarness {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens a device of that back buffer (the virtual screen follows it) and
    // fills every texture slot.
    void OpenDevice(int width = 1024, int height = 768);
    // One frame whose sprite batch runs draw(); returns its sprites in
    // submission order.
    std::vector<plat::headless::SpriteDrawRecord> DrawOnce(const std::function<void()>& draw);
    // The same without a batch of the fixture's own (for the frame's whole
    // draw part, which opens its own batch).
    std::vector<plat::headless::SpriteDrawRecord> RenderOnce(const std::function<void()>& render);
    // The texture slot a recorded sprite was drawn from (-1 when none).
    int SlotOf(const plat::headless::SpriteDrawRecord& r) const;
    // The sprites of one slot.
    std::vector<plat::headless::SpriteDrawRecord> FromSlot(const std::vector<plat::headless::SpriteDrawRecord>& all,
                                                           int slot) const;
    // Where the point (u, v) of the sprite's source lands in virtual-screen
    // pixels (the back buffer mapping undone).
    void Land(const plat::headless::SpriteDrawRecord& r, float u, float v, float* x, float* y) const;

private:
    std::vector<int> slotOfTexture_;
};
