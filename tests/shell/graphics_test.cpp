// Texture slots, graphic sets, single textures and plan sets: what the
// creation step makes, in which order, and what the releases give back.
#include "core/texture_tables.h"
#include "shell/graphics.h"

#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "core/residency.h"
#include "platform/common/internal.h"
#include "shell/trace_codes.h"
#include "support/game_harness.h"
#include "text/menu_state.h"

#include <algorithm>
#include <set>

namespace {

class Graphics : public GameHarness {
protected:
    void SetUp() override {
        GameHarness::SetUp();
        StartGame();
        before_ = TraceCodesOf(TraceLines()).size();
    }
    // Trace codes written since the start-up (or the last call).
    std::vector<int> NewCodes() {
        std::vector<int> all = TraceCodesOf(TraceLines());
        std::vector<int> fresh = CodesAfter(all, before_);
        before_ = all.size();
        return fresh;
    }
    std::size_t before_ = 0;
};

bool PicturesCarried() {
    std::size_t size = 0;
    return PictureResource(101, &size) != nullptr && size > 0;
}

}  // namespace

TEST(GraphicTables, EveryPictureHasExactlyOneSlot) {
    std::set<int> ids;
    for (int s = 0; s < kTextureSlotCount; ++s) ids.insert(SlotResourceId(s));
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(kPictureCount));
    EXPECT_EQ(*ids.begin(), kFirstPictureId);
    EXPECT_EQ(*ids.rbegin(), kLastPictureId);
    // Named pictures land where the game's tables draw them from.
    EXPECT_EQ(SlotResourceId(20), 104);    // the loading screen
    EXPECT_EQ(SlotResourceId(3), 183);     // A004
    EXPECT_EQ(SlotResourceId(4), 197);     // A005
    EXPECT_EQ(SlotResourceId(37 + 17), 153);   // D017
    EXPECT_EQ(SlotResourceId(37 + 75), 213);   // D075
    EXPECT_EQ(SingleTextureSlot(1), 0);
    EXPECT_EQ(SingleTextureSlot(49), 86);
    EXPECT_EQ(SlotColourKey(0), 0xFF000000u);
    EXPECT_EQ(SlotColourKey(2), 0u);
    EXPECT_EQ(SlotColourKey(46), 0u);
    EXPECT_EQ(SlotColourKey(112), 0xFFFFFFFFu);
}

TEST(GraphicTables, PlanSetRunsCoverTheirPictures) {
    // Set 27 of the Era01 list loads D027..D038 and reports the last one.
    const PlanSetDef* set27 = nullptr;
    for (const PlanSetDef& d : kEra01List)
        if (d.set == 27) set27 = &d;
    ASSERT_NE(set27, nullptr);
    ASSERT_EQ(set27->count, 12);
    EXPECT_EQ(set27->pieces[0].slot, 64);
    EXPECT_EQ(set27->pieces[11].slot, 75);
    EXPECT_EQ(set27->pieces[11].state, 38);
    EXPECT_EQ(set27->traceCode, 99038);
}

TEST_F(Graphics, OneFrameServesEveryOpenRequestInItsFixedOrder) {
    Era00AreaFlag = 1;
    TextureFlags[75] = kGraphicRequested;
    TextureFlags[1] = kGraphicRequested;
    TextureFlags[46] = kGraphicRequested;
    TextureFlags[50] = kGraphicRequested;
    GsFlags[kGsMenu] = kGraphicRequested;
    GsFlags[kGsLoading] = kGraphicRequested;
    GsFlags[kGsD042] = kGraphicRequested;
    GsFlags[kEra00Set] = kGraphicRequested;
    CreateRequestedGraphics();

    const std::vector<int> expected = {1075, 101, 105, 109, 1001, 1050, 1046,
                                       99001, 99002, 99003, 99006, 99009, 99010};
    EXPECT_EQ(NewCodes(), expected);
    EXPECT_EQ(GsFlags[kGsLoading], kGraphicLoaded);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicLoaded);
    EXPECT_EQ(GsFlags[kGsD042], kGraphicLoaded);
    EXPECT_EQ(GsFlags[kEra00Set], kGraphicLoaded);
    EXPECT_EQ(TextureFlags[1], kGraphicLoaded);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(PloadPlan.state[n], kGraphicLoaded) << n;

    if (PicturesCarried()) {
        // Each slot holds its own picture: sizes of resources 104 and 119.
        ASSERT_NE(TextureSlots[20], 0);
        EXPECT_EQ(plat::TextureWidth(TextureSlots[20]), 376);
        EXPECT_EQ(plat::TextureHeight(TextureSlots[20]), 156);
        ASSERT_NE(TextureSlots[19], 0);
        EXPECT_EQ(plat::TextureWidth(TextureSlots[19]), 41);
        for (int s = 38; s <= 47; ++s) EXPECT_NE(TextureSlots[s], 0) << s;
    }

    // Nothing is left pending, so a second pass does nothing.
    CreateRequestedGraphics();
    EXPECT_TRUE(NewCodes().empty());
}

TEST_F(Graphics, ClosedGateKeepsRequestUntilTheAreaIsActive) {
    Era03AreaFlag = 2;   // leaving
    TextureFlags[17] = kGraphicRequested;
    GsFlags[kEra00Set] = kGraphicRequested;   // Era00 is not active
    CreateRequestedGraphics();
    EXPECT_EQ(TextureFlags[17], kGraphicRequested);
    EXPECT_EQ(GsFlags[kEra00Set], kGraphicRequested);
    EXPECT_EQ(TextureSlots[54], 0);
    EXPECT_TRUE(NewCodes().empty());

    Era03AreaFlag = 1;
    CreateRequestedGraphics();
    EXPECT_EQ(TextureFlags[17], kGraphicLoaded);
    EXPECT_EQ(GsFlags[kEra00Set], kGraphicRequested);
    EXPECT_EQ(NewCodes(), std::vector<int>{1017});

    // The home area's set waits the same way; once active, all ten pictures
    // come at once whatever their state words read.
    PloadPlan.state[9] = 1;
    Era00AreaFlag = 1;
    CreateRequestedGraphics();
    EXPECT_EQ(GsFlags[kEra00Set], kGraphicLoaded);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(PloadPlan.state[n], kGraphicLoaded) << n;
}

TEST_F(Graphics, Era01SetLoadsAndFreesPlanSetsWithTheirCodes) {
    GsFlags[kEra01Set] = kGraphicRequested;
    PloadPlan.state[27] = 2;
    PloadPlan.state[42] = 2;
    PloadPlan.state[1] = 2;    // not on the Era01 list: never created here
    PloadPlan.state[19] = 2;   // part of run 18, not a set of its own
    CreateRequestedGraphics();
    // (The plan may ask for more sets at this camera position; those come
    // in the list's order too.)
    const std::vector<int> codes = NewCodes();
    const auto at = [&](int code) { return std::find(codes.begin(), codes.end(), code) - codes.begin(); };
    EXPECT_LT(at(99038), at(99042));
    EXPECT_LT(at(99042), static_cast<long>(codes.size()));
    EXPECT_EQ(at(99001), static_cast<long>(codes.size()));
    EXPECT_EQ(at(99019), static_cast<long>(codes.size()));
    EXPECT_EQ(GsFlags[kEra01Set], kGraphicLoaded);
    for (int w = 27; w <= 38; ++w) EXPECT_EQ(PloadPlan.state[w], kGraphicLoaded) << w;
    EXPECT_EQ(PloadPlan.state[42], kGraphicLoaded);
    EXPECT_EQ(PloadPlan.state[45], kGraphicLoaded);   // D044's word in this list
    EXPECT_EQ(PloadPlan.state[44], 0u);
    EXPECT_EQ(PloadPlan.state[1], 2u);
    EXPECT_EQ(PloadPlan.state[19], 2u);
    if (PicturesCarried()) {
        for (int s = 64; s <= 75; ++s) EXPECT_NE(TextureSlots[s], 0) << s;
        EXPECT_NE(TextureSlots[79], 0);
        EXPECT_NE(TextureSlots[81], 0);
    }

    FreeGraphicSet(27);
    EXPECT_EQ(NewCodes(), std::vector<int>{77027});
    for (int w = 27; w <= 38; ++w) EXPECT_EQ(PloadPlan.state[w], 0u) << w;
    for (int s = 64; s <= 75; ++s) EXPECT_EQ(TextureSlots[s], 0) << s;

    // The Era01 group release takes set 42 with both its words.
    FreeGraphic(91);
    EXPECT_EQ(NewCodes(), std::vector<int>{77042});
    EXPECT_EQ(PloadPlan.state[42], 0u);
    EXPECT_EQ(PloadPlan.state[45], 0u);
    EXPECT_EQ(TextureSlots[79], 0);
    EXPECT_EQ(TextureSlots[81], 0);
    EXPECT_EQ(GsFlags[kEra01Set], 0u);
}

TEST_F(Graphics, Era03ListTreatsD042AndD044AsTwoSets) {
    GsFlags[kEra03Set] = kGraphicRequested;
    PloadPlan.state[44] = 2;
    PloadPlan.state[27] = 2;   // an Era01 set: not on this list
    CreateRequestedGraphics();
    EXPECT_EQ(NewCodes(), std::vector<int>{99044});
    EXPECT_EQ(PloadPlan.state[44], kGraphicLoaded);
    EXPECT_EQ(PloadPlan.state[45], 0u);
    EXPECT_EQ(PloadPlan.state[27], 2u);
    // The group release of Era03 frees every loaded plan set.
    FreeGraphic(71);
    EXPECT_EQ(NewCodes(), std::vector<int>{77044});
    EXPECT_EQ(GsFlags[kEra03Set], 0u);
}

namespace {
const std::uint8_t kGarbage[] = {'B', 'M', 0xFF, 0xFF, 0, 0, 1, 2, 3};
const std::uint8_t* DamagedLoadingScreen(int id, std::size_t* size) {
    if (id == 104) {
        *size = sizeof kGarbage;
        return kGarbage;
    }
    return PictureResource(id, size);
}
}  // namespace

TEST_F(Graphics, FailedCreationStillMarksLoadedAndDrawsNothing) {
    PictureSource = DamagedLoadingScreen;
    GsFlags[kGsLoading] = kGraphicRequested;
    CreateRequestedGraphics();
    PictureSource = &PictureResource;
    EXPECT_EQ(GsFlags[kGsLoading], kGraphicLoaded);   // never retried
    EXPECT_EQ(TextureSlots[20], 0);
    EXPECT_EQ(NewCodes(), std::vector<int>{101});
    CreateRequestedGraphics();
    EXPECT_TRUE(NewCodes().empty());
}

TEST_F(Graphics, SingleTextureReleaseCancelsAndAlwaysReports) {
    // Not loaded: the line is still written, the slot stays empty.
    FreeGraphic(9049);
    EXPECT_EQ(NewCodes(), std::vector<int>{2049});
    EXPECT_EQ(TextureFlags[49], 0u);
    EXPECT_EQ(TextureSlots[86], 0);

    // A pending request is cancelled.
    TextureFlags[49] = kGraphicRequested;
    FreeGraphic(9049);
    EXPECT_EQ(TextureFlags[49], 0u);
    CreateRequestedGraphics();
    EXPECT_EQ(TextureSlots[86], 0);
    EXPECT_EQ(NewCodes(), std::vector<int>{2049});

    // Loaded: released.
    TextureFlags[49] = kGraphicRequested;
    CreateRequestedGraphics();
    FreeGraphic(9049);
    EXPECT_EQ(TextureSlots[86], 0);
    EXPECT_EQ(NewCodes(), (std::vector<int>{1049, 2049}));

    // Codes without a row, and words without a texture of their own.
    TextureFlags[2] = 7;
    FreeGraphic(1234);
    FreeGraphic(9002);
    FreeGraphicSet(0);
    FreeGraphicSet(907);
    EXPECT_TRUE(NewCodes().empty());
    EXPECT_EQ(TextureFlags[2], 7u);
}

TEST_F(Graphics, SetReleasesFollowTheirRules) {
    // A graphic set is released (and reported) even when absent.
    FreeGraphicSet(904);
    EXPECT_EQ(NewCodes(), std::vector<int>{108});

    // A plan set that is only requested keeps its request.
    PloadPlan.state[11] = 2;
    FreeGraphicSet(11);
    EXPECT_EQ(PloadPlan.state[11], 2u);
    EXPECT_TRUE(NewCodes().empty());

    // The Era00 release frees D001..D010 whatever their states; the second
    // and third words of runs 3 and 6 have no release of their own.
    FreeGraphic(81);
    EXPECT_EQ(NewCodes(), (std::vector<int>{77001, 77002, 77003, 77006, 77009, 77010}));
    for (int n : {1, 2, 3, 6, 9, 10}) EXPECT_EQ(PloadPlan.state[n], 0u) << n;
    for (int n : {4, 5, 7, 8}) EXPECT_EQ(PloadPlan.state[n], 1u) << n;
    EXPECT_EQ(GsFlags[kEra00Set], 0u);
}

TEST_F(Graphics, FreeAllKeepsMenuPicturesInMode2AndStaysFinished) {
    GsFlags[kGsConst] = kGraphicRequested;
    GsFlags[kGsMenu] = kGraphicRequested;
    CreateRequestedGraphics();
    NewCodes();

    EXPECT_EQ(FreeAllGraphics(0), 0u);
    EXPECT_EQ(FreeAllGraphics(2), 99u);
    EXPECT_EQ(GsFlags[kGsConst], kGraphicLoaded);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicLoaded);
    EXPECT_TRUE(NewCodes().empty());

    // Once finished it reports 99 until armed again, whatever is pending.
    TextureFlags[1] = kGraphicRequested;
    EXPECT_EQ(FreeAllGraphics(1), 99u);
    EXPECT_EQ(NewCodes(), (std::vector<int>{104, 106}));
    EXPECT_EQ(GsFlags[kGsConst], 0u);
    EXPECT_EQ(GsFlags[kGsMenu], 0u);

    // Armed again: the pending A001 holds the result back until the
    // creation step has served it and a later call released it.
    EXPECT_EQ(FreeAllGraphics(0), 0u);
    EXPECT_EQ(FreeAllGraphics(1), 0u);
    CreateRequestedGraphics();
    EXPECT_EQ(FreeAllGraphics(1), 99u);
    EXPECT_EQ(NewCodes(), (std::vector<int>{1001, 2001}));
    EXPECT_EQ(TextureSlots[0], 0);
}

TEST_F(Graphics, DataResetIsNotStalledByARequestOfAnInactiveArea) {
    // A device loss keeps the request for when the area is active.
    TextureFlags[17] = kGraphicRequested;
    TextureFlags[61] = kGraphicRequested;
    EXPECT_EQ(FreeAllGraphics(1), 0u);
    EXPECT_EQ(TextureFlags[17], kGraphicRequested);
    EXPECT_TRUE(NewCodes().empty());

    // The data reset of the end of a game cancels it and finishes.
    GameFlow.phase = 903;
    EXPECT_EQ(FreeAllGraphics(0), 0u);
    EXPECT_EQ(FreeAllGraphics(1), 99u);
    EXPECT_EQ(TextureFlags[17], 0u);
    EXPECT_EQ(TextureFlags[61], 0u);
    EXPECT_EQ(NewCodes(), (std::vector<int>{2017, 2061}));

    // So does the reset before a load (mode 2), on the menu side; a request
    // whose area is active is served and released as usual instead.
    GameFlow.phase = 0;
    Era02AreaFlag = 1;
    TextureFlags[23] = kGraphicRequested;
    TextureFlags[39] = kGraphicRequested;
    EXPECT_EQ(FreeAllGraphics(0), 0u);
    EXPECT_EQ(FreeAllGraphics(2), 0u);
    EXPECT_EQ(TextureFlags[23], 0u);
    EXPECT_EQ(TextureFlags[39], kGraphicRequested);
    CreateRequestedGraphics();
    EXPECT_EQ(FreeAllGraphics(2), 99u);
    EXPECT_EQ(NewCodes(), (std::vector<int>{2023, 1039, 2039}));
}

TEST_F(Graphics, StandingRequestsFollowTheWeaponMode) {
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 0;
    PlaceStandingTextureRequests();
    EXPECT_EQ(TextureFlags[1], kGraphicRequested);
    EXPECT_EQ(TextureFlags[4], 0u);   // no special move learned yet
    EXPECT_EQ(TextureFlags[75], kGraphicRequested);
    LearnedMoveG = 1;
    PlaceStandingTextureRequests();
    EXPECT_EQ(TextureFlags[4], kGraphicRequested);
    CreateRequestedGraphics();   // A001 and D075 load; A004 too
    NewCodes();

    // Weapon mode 2: A001 goes in this frame; A005 only once A001 and A004
    // both read 0.
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    TextureFlags[4] = kGraphicRequested;   // still pending: not released yet
    PlaceStandingTextureRequests();
    EXPECT_EQ(TextureFlags[1], 0u);
    EXPECT_EQ(TextureFlags[4], kGraphicRequested);
    EXPECT_EQ(TextureFlags[5], 0u);
    CreateRequestedGraphics();
    PlaceStandingTextureRequests();
    EXPECT_EQ(TextureFlags[4], 0u);
    EXPECT_EQ(TextureFlags[5], kGraphicRequested);
    EXPECT_EQ(NewCodes(), (std::vector<int>{2001, 1004, 2004}));

    // Back in weapon mode 1, A005 stays until everything is released.
    CreateRequestedGraphics();
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 0;
    PlaceStandingTextureRequests();
    EXPECT_EQ(TextureFlags[5], kGraphicLoaded);
}

TEST_F(Graphics, ASharedSlotHoldsOneTextureAndItsReleaseLeavesNothingToDraw) {
    if (!PicturesCarried()) GTEST_SKIP() << "the build carries no pictures";
    const int live = plat::detail::LiveTextureCount();
    GsFlags[kGsMenu] = kGraphicRequested;   // holds D017 in slot 54
    CreateRequestedGraphics();
    EXPECT_EQ(plat::detail::LiveTextureCount(), live + 19);
    // D017 asked for again as a single texture: the slot's old texture is
    // given back before the new one is made, so nothing leaks.
    Era03AreaFlag = 1;
    TextureFlags[17] = kGraphicRequested;
    CreateRequestedGraphics();
    EXPECT_EQ(plat::detail::LiveTextureCount(), live + 19);
    EXPECT_NE(TextureSlots[54], 0);
    // Releasing one owner empties the slot for both: the menu set still
    // reads loaded, and its D017 now draws nothing rather than a texture
    // that was given back.
    FreeGraphic(9017);
    EXPECT_EQ(TextureSlots[54], 0);
    EXPECT_EQ(GsFlags[kGsMenu], kGraphicLoaded);
    EXPECT_EQ(plat::detail::LiveTextureCount(), live + 18);
    FreeGraphicSet(903);
    EXPECT_EQ(plat::detail::LiveTextureCount(), live);
}
