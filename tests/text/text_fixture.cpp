#include "text_fixture.h"

#include "core/game_flow.h"
#include "text/text_state.h"

void TextScreenTest::Begin(int phase) {
    StartGame();
    GameFlow.bootFlag = 0;
    GameFlow.phase = phase;
    GameFlow.endSubStep = 0;
}

const std::vector<plat::headless::TextDrawRecord>& TextScreenTest::DrawFrame() {
    RunFrames(1);
    return LastFrame().texts;
}

const plat::headless::TextDrawRecord* TextScreenTest::Find(const std::string& text) const {
    for (const auto& t : LastFrame().texts)
        if (t.text == text) return &t;
    return nullptr;
}

std::vector<plat::headless::TextDrawRecord> TextScreenTest::FindAll(const std::string& part) const {
    std::vector<plat::headless::TextDrawRecord> found;
    for (const auto& t : LastFrame().texts)
        if (t.text.find(part) != std::string::npos) found.push_back(t);
    return found;
}

void ExpectDrawAt(const plat::headless::TextDrawRecord* draw, int x, int y) {
    ASSERT_NE(draw, nullptr);
    EXPECT_EQ(draw->x, x) << draw->text;
    EXPECT_EQ(draw->y, y) << draw->text;
}

void ExpectColour(const plat::headless::TextDrawRecord* draw, float r, float g, float b, float a) {
    ASSERT_NE(draw, nullptr);
    EXPECT_FLOAT_EQ(draw->r, r) << draw->text;
    EXPECT_FLOAT_EQ(draw->g, g) << draw->text;
    EXPECT_FLOAT_EQ(draw->b, b) << draw->text;
    EXPECT_FLOAT_EQ(draw->a, a) << draw->text;
}
