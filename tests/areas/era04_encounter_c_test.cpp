// The numbers of encounter C's entrance that matter: what the clerk's wares
// cost and what an unpaid ware or toll costs her, which keys an offer
// ignores, and that arming always starts on the first sheet.
#include <gtest/gtest.h>

#include <functional>

#include "areas/era04_encounters/calls.h"
#include "areas/era04_encounters/encounter_c.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "core/floors.h"
#include "core/movement_fixture.h"
#include "core/player.h"
#include "shell/graphics.h"
#include "shell/shell_state.h"
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
        EventHoldsPlayer = 0;
        MessageBoxOpen = 0;
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
