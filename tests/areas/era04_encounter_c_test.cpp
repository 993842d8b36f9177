// The numbers of encounter C's entrance that matter: what the clerk's wares
// cost and what an unpaid ware or toll costs her, which keys an offer
// ignores, and that arming always starts on the first sheet.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/game_clock.h"
#include "core/keys.h"
#include "core/movement_fixture.h"
#include "core/pending_sprite.h"
#include "core/holds.h"
#include "core/player.h"
#include "shell/graphics.h"
#include "text/menu_state.h"
#include "text/text_state.h"

namespace {

class EncounterCTest : public MovementTest {
protected:
    void SetUp() override {
        MovementTest::SetUp();
        ResetEra04EncountersArea();
        StageObjectTable = StageObjectTableRecord{};
        PlayerState = PlayerStateRecord{};
        DialogueChannels = DialogueChannelsRecord{};
        EnterConfirmState = 0;
        EndEveryHold();
        NumberKeysBlocked = 0;
        NumberKeyValue = 99;
        for (auto& n : ItemCounts) n = 0;
    }
    void Bargain(double dt = 1.0 / 64.0) {
        GameClock.gameClock += dt;
        RunEncounterCBargain(1);
    }
    // Steps the bargain, reading every line, until `until` holds.
    bool BargainUntil(const std::function<bool()>& until, int maxSteps = 4000) {
        for (int i = 0; i < maxSteps; ++i) {
            if (until()) return true;
            if (EnterConfirmState == 1) EnterConfirmState = 2;
            Bargain();
        }
        return until();
    }
    // Steps once with a number key pressed; no Enter.
    void Key(std::int32_t key) {
        NumberKeyValue = key;
        Bargain();
    }
    // The clerk's first offer, on screen and waiting for a number.
    void ToFirstOffer(std::int32_t gold) {
        Gold = gold;
        RunEncounterCBargain(0);
        PlayerState.x = Era04Door5 + 1457;
        ASSERT_TRUE(BargainUntil([] { return DialogueChannels.fieldLine == 209; }));
    }
    // Turns the offer down and reads the clerk's answer with one Enter; the
    // next offer then waits for a number, not for Enter.
    void Decline(std::int32_t next) {
        Key(2);
        Bargain();
        ASSERT_EQ(Field(), 213);
        EnterConfirmState = 2;
        for (int i = 0; i < 4 && Field() != next; ++i) Bargain();
        ASSERT_EQ(Field(), next);
    }
    std::int32_t& Field() { return DialogueChannels.fieldLine; }
};

TEST_F(EncounterCTest, WaresSellAtTheirPriceAndAnUnpaidOneCostsHerLife) {
    struct Case {
        std::int32_t gold;
        bool second;   // the second ware, after turning the first down
        std::int32_t goldAfter, fourth, fifth;
        bool dies;
    } const cases[] = {
        {5300, false, 0, 1, 0, false},
        {5299, false, 5299, 0, 0, true},
        {10300 + 40, true, 40, 0, 1, false},
        {10299, true, 10299, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gold);
        SetUp();
        ToFirstOffer(c.gold);
        if (c.second) Decline(210);
        const std::int32_t offer = Field();
        Key(1);
        EXPECT_EQ(Gold, c.goldAfter);
        EXPECT_EQ(ItemCounts[3], static_cast<std::uint32_t>(c.fourth));
        EXPECT_EQ(ItemCounts[4], static_cast<std::uint32_t>(c.fifth));
        if (c.dies) {
            Bargain();
            EXPECT_EQ(Field(), 214);
            EXPECT_EQ(PlayerState.hp, 100);
            EnterConfirmState = 2;
            Bargain();
            EXPECT_EQ(PlayerState.hp, 0);
            EXPECT_EQ(MessageBoxOpen, 0);
        } else {
            // Shown in her hands, then the same offer again.
            Bargain();
            EXPECT_EQ(Field(), 212);
            EXPECT_EQ(PlayerState.pose, 0);
            ASSERT_TRUE(BargainUntil([&] { return Field() == offer; }));
            EXPECT_EQ(NumberKeyValue, 99);
        }
    }
}

// An Enter pressed at an offer, which asks for a number, reads nothing: the
// line that 2 brings (the clerk's answer, or the toll with its price) stays
// up until an Enter of its own.
TEST_F(EncounterCTest, AnEnterPressedAtAnOfferLeavesTheLineTwoBringsWaiting) {
    struct Case {
        std::int32_t offer, line, next;
    } const cases[] = {{209, 213, 210}, {210, 213, 211}, {211, 220, 221}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offer);
        SetUp();
        ToFirstOffer(500);
        if (c.offer >= 210) Decline(210);
        if (c.offer == 211) Decline(211);
        ASSERT_EQ(Field(), c.offer);
        EnterConfirmState = 2;
        Key(2);
        for (int i = 0; i < 8; ++i) Bargain();
        EXPECT_EQ(Field(), c.line);
        EXPECT_EQ(EnterConfirmState, 1);
        EnterConfirmState = 2;
        for (int i = 0; i < 4 && Field() != c.next; ++i) Bargain();
        EXPECT_EQ(Field(), c.next);
    }
}

// She comes back to the counter walking left, past the clerk's place; by
// the first offer the two face each other, the clerk drawn so, holding the
// ware out toward her.
TEST_F(EncounterCTest, ByTheFirstOfferSheAndTheClerkFaceEachOther) {
    PlayerState.facing = -1;
    const StageObjectTableRecord& o = StageObjectTable;
    ToFirstOffer(500);
    EXPECT_LT(PlayerState.x, o.x[kEncounterCSlot]);
    EXPECT_EQ(PlayerState.facing, 1);
    EXPECT_EQ(o.facing[kEncounterCSlot], -1);
    EXPECT_LT(EncounterCFigure.layer3X, o.x[kEncounterCSlot]);
    SetEncounterCFigureSprite(o.code[kEncounterCSlot], o.facing[kEncounterCSlot]);
    EXPECT_EQ(PendingSprite.gno, 69);
    EXPECT_EQ(PendingSprite.facing, -1);
}

TEST_F(EncounterCTest, AnOfferIgnoresKeysThreeToSix) {
    ToFirstOffer(500);
    for (std::int32_t key = 3; key <= 6; ++key) {
        Key(key);
        EXPECT_EQ(Field(), 209) << key;
        EXPECT_EQ(NumberKeyValue, 99) << key;
    }
    EXPECT_EQ(Gold, 500);
}

TEST_F(EncounterCTest, TheTollTakes120OrHerLife) {
    for (std::int32_t gold : {120, 119}) {
        SCOPED_TRACE(gold);
        SetUp();
        ToFirstOffer(gold);
        Decline(210);
        Decline(211);
        Key(2);
        ASSERT_EQ(Field(), 220);
        ASSERT_TRUE(BargainUntil([] { return DialogueChannels.fieldLine >= 237; }));
        if (gold == 119) {
            ASSERT_TRUE(BargainUntil([] { return DialogueChannels.fieldLine == 238; }));
            EnterConfirmState = 2;
            Bargain();
            EXPECT_EQ(PlayerState.hp, 0);
            EXPECT_EQ(Gold, 119);
            continue;
        }
        Key(2);
        EXPECT_EQ(Gold, 0);
        EXPECT_EQ(NumberKeysBlocked, 1);
    }
}

TEST_F(EncounterCTest, ChoiceOneWorksBothBreadsChoiceTwoOnlyTheBlue) {
    for (std::int32_t choice : {1, 2}) {
        SCOPED_TRACE(choice);
        SetUp();
        ToFirstOffer(500);
        Decline(210);
        Decline(211);
        Key(2);
        ASSERT_TRUE(BargainUntil([] { return DialogueChannels.fieldLine == 237; }));
        Key(choice);
        std::vector<std::int32_t> lines;
        ASSERT_TRUE(BargainUntil([&] {
            if (Field() != 0 && (lines.empty() || lines.back() != Field())) lines.push_back(Field());
            return RunEncounterCBargain(3) == 99;
        }));
        std::vector<std::int32_t> want = {242, 243, 244};
        if (choice == 1) want = {239, 240, 241, 245, 246, 247, 248, 249, 250, 251, 252, 253, 242, 243, 244};
        EXPECT_EQ(lines, want);
        EXPECT_EQ(EncounterCFigure.layerCode[2], 209);
        EXPECT_EQ(EncounterCFigure.birdCallVariant, 0);
        EXPECT_EQ(Gold, 380);
    }
}

TEST_F(EncounterCTest, TheFaceFollowsTheVoiceClip) {
    struct Case {
        double t;
        std::int32_t pose, facing;
    } const cases[] = {{0.2, 37, 1}, {0.21, 38, 1}, {4.05, 37, -1}, {4.65, 32, -1}, {4.85, 32, 1}, {5.3, 37, 1}};
    for (const Case& c : cases) {
        const std::int32_t f = UpdateEncounterCSpeech(1, c.t);
        EXPECT_EQ(StageObjectTable.code[51], c.pose) << c.t;
        EXPECT_EQ(StageObjectTable.facing[51], c.facing) << c.t;
        EXPECT_EQ(UpdateEncounterCSpeech(0, 99.0), f) << "mode 0 keeps the last frame";
    }
    // A servant that is not speaking keeps its face.
    StageObjectTable.code[52] = 44;
    StageObjectTable.stepState[52] = 2;
    StageObjectTable.stepState[53] = 1;
    UpdateEncounterCSpeech(2, 0.3);
    EXPECT_EQ(StageObjectTable.code[52], 44);
    EXPECT_EQ(StageObjectTable.code[53], 38);
}

TEST_F(EncounterCTest, APlatformSpeedsUpToHalfWayThenSwingsBackAndSettles) {
    const std::int32_t start = Era04Door5 + 1000, target = Era04Door5 + 1400;
    // A move keeps the speed the last one left: settle one rightward move
    // first, whatever an earlier fight left behind.
    StageObjectTable.x[31] = start - 300;
    TweenObjectX(0, 31, start);
    for (int i = 0; i < 2000 && TweenObjectX(1, 31, start) != 99; ++i) GameClock.gameClock += 0.021;
    StageObjectTable.x[31] = start;
    TweenObjectX(0, 31, target);
    double last = TweenSpeedX(31);
    std::int32_t maxX = start, state = 0;
    bool passedHalf = false, reversed = false;
    for (int i = 0; i < 2000 && state != 99; ++i) {
        GameClock.gameClock += 0.021;   // one tick per call
        state = TweenObjectX(1, 31, target);
        const double v = TweenSpeedX(31);
        const std::int32_t x = StageObjectTable.x[31];
        if (state == 5 && v != last) {
            // Up by 1.5 until half way (200 px), then down by 1 per tick.
            if (!passedHalf && v < last) {
                passedHalf = true;
                EXPECT_GE(x - start, 200);
                EXPECT_LT(x - start, 200 + 40);
            }
            EXPECT_DOUBLE_EQ(v - last, passedHalf ? -1.0 : 1.5) << x;
        }
        reversed = reversed || v < -5.0;
        if (x > maxX) maxX = x;
        last = v;
    }
    EXPECT_EQ(state, 99);
    EXPECT_TRUE(reversed);
    EXPECT_GT(maxX, target) << "passes the target before swinging back";
    EXPECT_GE(TweenSpeedX(31), 0.0);
    EXPECT_LT(TweenSpeedX(31), 0.1 + 1e-9);
    // The next move from rest skips the brake; at the edge it stops inside.
    TweenObjectX(0, 31, Era04Door6 + 500);
    state = 0;
    for (int i = 0; i < 2000 && state != 99; ++i) {
        GameClock.gameClock += 0.021;
        state = TweenObjectX(1, 31, Era04Door6 + 500);
    }
    EXPECT_EQ(StageObjectTable.x[31], Era04Door6 - 151);
}

TEST_F(EncounterCTest, ANewOrLoadedGameStartsEveryPlatformAtRest) {
    // A move cut off mid-way keeps its speed for the next one; the data
    // reset of a new or a loaded game must not hand it on.
    StageObjectTable.x[31] = Era04Door5 + 1000;
    TweenObjectX(0, 31, Era04Door5 + 1400);
    for (int i = 0; i < 10; ++i) {
        GameClock.gameClock += 0.021;
        TweenObjectX(1, 31, Era04Door5 + 1400);
    }
    ASSERT_GT(TweenSpeedX(31), 0.0);
    ResetEra04EncountersArea();
    EXPECT_EQ(TweenSpeedX(31), 0.0);
}

TEST_F(EncounterCTest, ArmingStartsOnTheFirstSheetWhateverWasSaved) {
    EncounterCFigure.sheetFlag = 1;
    TextureFlags[69] = 0;
    RunEncounterC(0);
    EXPECT_EQ(EncounterCFigure.sheetFlag, 0);
    EXPECT_EQ(TextureFlags[69], kGraphicRequested);
    EXPECT_EQ(Era04DoorLocks[5], 0);
    EXPECT_EQ(Era04DoorLocks[6], 1);
    EXPECT_EQ(StageObjectTable.x[51], Era04Door5 + 1500);
    EXPECT_EQ(StageObjectTable.code[51], 1);
}

}  // namespace
