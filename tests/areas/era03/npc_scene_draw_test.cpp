// How the camp is drawn and its lines are shown: the view window of the
// camp's pictures, the screen-fixed shooting star, the shop's offer, the
// character's mirror and two-cell pose, the handed item's transform, and
// the Era03 lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "areas/era03/calls.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "platform/platform.h"
#include "shell/draw_pass_fixture.h"
#include "text/text_fixture.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t A = kNpcAnchor;
constexpr int kCampSheet = 95;
using Sprites = std::vector<plat::headless::SpriteDrawRecord>;

class CampDraw : public DrawPassTest {
protected:
    void SetUp() override {
        DrawPassTest::SetUp();
        OpenDevice();
        GameFlow.phase = 1;
        Era03AreaFlag = 1;
        Era03NpcScene = Era03NpcSceneRecord{};
        Era03NpcSceneDraw = Era03NpcSceneDrawRecord{};
    }
};

TEST_F(CampDraw, TheCampsPicturesShowOnlyWhileTheViewIsNearIt) {
    struct Case {
        std::int32_t scroll;
        std::size_t campSprites;   // the fire place and the prop's back
    } cases[] = {{A - 1099, 0}, {A - 1098, 2}, {A + 320, 2}, {A + 321, 0}};
    for (const Case& c : cases) {
        ScrollX = c.scroll;
        EXPECT_EQ(FromSlot(DrawOnce(DrawEra03SceneryAndScenePictures), kCampSheet).size(), c.campSprites) << c.scroll;
    }
}

TEST_F(CampDraw, TheShootingStarKeepsItsScreenPlace) {
    Era03NpcSceneDraw.floaterShown = 1;
    Era03NpcSceneDraw.floaterX = 300;
    Era03NpcSceneDraw.floaterY = 200;
    for (std::int32_t scroll : {A - 311, A + 100, 10000}) {
        ScrollX = scroll;
        const Sprites s = FromSlot(DrawOnce(DrawEra03SceneryAndScenePictures), kCampSheet);
        ASSERT_FALSE(s.empty());
        float x = 0, y = 0;
        Land(s[0], 0, 0, &x, &y);
        EXPECT_NEAR(x, 300, 0.01) << scroll;
        EXPECT_NEAR(y, 200, 0.01);
    }
}

TEST_F(CampDraw, OnlyOfferPicturesOneToThreeAreDrawn) {
    ScrollX = A - 311;
    struct Case {
        std::int32_t picture;
        int slot;   // -1: none
    } cases[] = {{0, -1}, {1, 54}, {2, 60}, {3, 0}, {4, -1}, {-1, -1}};
    for (const Case& c : cases) {
        Era03NpcScene.offeredPicture = c.picture;
        const Sprites s = DrawOnce(DrawEra03SceneryAndScenePictures);
        for (int slot : {54, 60, 0})
            EXPECT_EQ(FromSlot(s, slot).size(), slot == c.slot ? 1u : 0u) << c.picture << " slot " << slot;
    }
}

TEST_F(CampDraw, FacingRightMirrorsTheCharacterAboutALineThroughIt) {
    ScrollX = A - 311;
    Era03NpcScene.actorPose = 1;
    Era03NpcScene.actorX = ScrollX + 100;
    Era03NpcScene.actorY = 640;
    for (std::int32_t facing : {-1, 1}) {
        Era03NpcScene.actorFacing = facing;
        const Sprites s = DrawOnce(DrawEra03NpcActorAndMarker);
        ASSERT_EQ(s.size(), 1u);
        float x = 0, y = 0;
        Land(s[0], 0, 0, &x, &y);   // the cell's top-left corner
        EXPECT_NEAR(x, facing == 1 ? 2 * 170 - 100 : 100, 0.01);
        EXPECT_NEAR(y, 640 - 76, 0.01);
    }
}

TEST_F(CampDraw, PoseTwentyThreeIsTwoFixedCells) {
    ScrollX = A - 311;
    Era03NpcScene.actorPose = 23;
    Era03NpcScene.actorFacing = -1;
    Era03NpcScene.actorX = ScrollX + 200;
    Era03NpcScene.actorY = 640;
    const Sprites s = DrawOnce(DrawEra03NpcActorAndMarker);
    ASSERT_EQ(s.size(), 2u);
    const std::int32_t tops[2] = {414, 144};
    const float ys[2] = {640 - 147, 640 - 100};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(s[i].src.left, 264);
        EXPECT_EQ(s[i].src.top, tops[i]);
        float x = 0, y = 0;
        Land(s[i], 0, 0, &x, &y);
        EXPECT_NEAR(x, 203, 0.01);
        EXPECT_NEAR(y, ys[i], 0.01);
    }
}

TEST_F(CampDraw, TheHandedItemIsDrawnPlainlyWithoutTheCharacter) {
    ScrollX = A - 311;
    Era03NpcScene.actorPose = 0;
    Era03NpcSceneDraw.markerShown = 1;
    Era03NpcSceneDraw.markerX = ScrollX + 50;
    Era03NpcSceneDraw.markerY = 600;
    const Sprites s = DrawOnce([] {
        // Whatever an earlier entry left in force must not carry over.
        plat::SpriteSetTransform(plat::MatrixScaling(3.0f, 3.0f, 1.0f));
        DrawEra03NpcActorAndMarker();
    });
    ASSERT_EQ(s.size(), 1u);
    float x = 0, y = 0;
    Land(s[0], 0, 0, &x, &y);
    EXPECT_NEAR(x, 43, 0.01);
    EXPECT_NEAR(y, 588, 0.01);
}

// ---- the lines ---------------------------------------------------------------

class Era03Lines : public TextScreenTest {
protected:
    void SetUp() override {
        TextScreenTest::SetUp();
        Begin(1);
        Era03AreaFlag = 1;
        ScrollX = 0;   // far from the camp: no scene writes a line
        DialogueChannels = DialogueChannelsRecord{};
    }
    // The dialogue box's lines, upper first.
    std::vector<plat::headless::TextDrawRecord> DialogueLines() {
        std::vector<plat::headless::TextDrawRecord> lines;
        for (const auto& t : DrawFrame())
            if (t.y == 700 || t.y == 725) lines.push_back(t);
        std::stable_sort(lines.begin(), lines.end(), [](const auto& p, const auto& q) { return p.y < q.y; });
        return lines;
    }
};

TEST_F(Era03Lines, AnOfferShowsTheItemAndTheMenuLineWithCountAndGold) {
    DialogueChannels.shopLineB = 2;
    DialogueChannels.shopLineA = 28;
    Era03NpcScene.ownedCount = 3;
    Gold = 1234;
    const auto lines = DialogueLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].y, 700);
    EXPECT_NE(lines[0].text.find("14バル"), std::string::npos) << lines[0].text;
    ExpectDrawAt(&lines[1], 255, 725);
    EXPECT_NE(lines[1].text.find("所持数         3　"), std::string::npos) << lines[1].text;
    EXPECT_NE(lines[1].text.find("所持金　      1234バル"), std::string::npos) << lines[1].text;
}

TEST_F(Era03Lines, ValuesWithoutLinesShowNothing) {
    struct Case {
        std::int32_t a, b, duel;
        std::size_t lines;
    } cases[] = {{99, 99, 0, 0}, {25, 0, 0, 0}, {0, 0, 23, 0}, {99, 1, 0, 1}, {22, 0, 0, 2}, {21, 0, 0, 1}};
    for (const Case& c : cases) {
        DialogueChannels.shopLineA = c.a;
        DialogueChannels.shopLineB = c.b;
        DialogueChannels.duelLine = c.duel;
        EXPECT_EQ(DialogueLines().size(), c.lines) << c.a << " " << c.b << " " << c.duel;
    }
}

TEST_F(Era03Lines, NothingShowsWhileTheAreaIsBeingLeft) {
    DialogueChannels.shopLineC = 1;
    EXPECT_EQ(DialogueLines().size(), 1u);
    Era03AreaFlag = 2;
    EXPECT_TRUE(DialogueLines().empty());
}

}  // namespace
