// Menu-side texts: prompts, item and equipment texts, slot summaries, the
// game-over narration, and the Enter handshake the pass arms and disarms.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/area_flags.h"
#include "core/keys.h"
#include "core/menu_words.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "shell/save_slots.h"
#include "text/game_over.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "text_fixture.h"
#include "tools/art/picture_art.h"
#include "tools/art/table_piece_art.h"
#include "tools/picture_catalogue.h"

namespace {

class MenuTextsTest : public TextScreenTest {
protected:
    void BeginMenuSide() {
        Begin(0);
        PlayerState.y = 450;   // the figure beside the slot rows
    }
    void ExpectCyanDialogueFont(const plat::headless::TextDrawRecord* draw) {
        ASSERT_NE(draw, nullptr);
        EXPECT_EQ(draw->font, TextFontSet.font[6]) << draw->text;
        ExpectColour(draw, 0, 1, 1, 1);
    }
    static SaveSummaryRecord Summary(std::int32_t year, std::int32_t hp) {
        SaveSummaryRecord s;
        s.year = year;
        s.month = 12;
        s.day = 7;
        s.hour = 10;
        s.minute = 5;
        s.second = 9;
        s.gold = 1234;
        s.playHours = 1;
        s.playMinutes = 2;
        s.playSeconds = 3;
        s.maxHp = 150;
        s.hp = hp;
        s.exp = 4321;
        return s;
    }
};

}  // namespace

TEST_F(MenuTextsTest, QuitPromptLinesByStep) {
    BeginMenuSide();
    DialogueChannels.promptLine = 1;
    DrawFrame();
    ExpectDrawAt(Find("もっとあそぼうよ。"), 450, 214);
    ExpectDrawAt(Find("ほんとうに  やめちゃうの？"), 420, 244);
    ExpectDrawAt(Find("やめる→Ｙ　やめない→Ｎ"), 430, 274);
    ExpectCyanDialogueFont(Find("もっとあそぼうよ。"));

    DialogueChannels.promptLine = 9;
    DrawFrame();
    ExpectDrawAt(Find("　Enter　おすと、終了いたします！！"), 530, 294);
    EXPECT_FALSE(Drawn("もっとあそぼうよ。"));

    DialogueChannels.promptLine = 11;   // no such step
    DrawFrame();
    EXPECT_TRUE(FindAll("！").empty());
}

TEST_F(MenuTextsTest, NothingOfTheMenuSideInTheStagePhase) {
    Begin(1);
    DialogueChannels.promptLine = 1;
    ItemTextNo = 9;
    TitleNoticeShown = 1;
    DrawFrame();
    EXPECT_FALSE(Drawn("もっとあそぼうよ。"));
    EXPECT_FALSE(Drawn("いま　アイテムはもってないよ！！"));
    EXPECT_TRUE(FindAll("体験版").empty());
}

TEST_F(MenuTextsTest, ItemAndEquipmentTexts) {
    BeginMenuSide();
    ItemTextNo = 3;
    ItemUsable = 2;
    EquipTextNo = 3;
    EquipStateText = 3;
    DrawFrame();
    // Item 3 has its two lines at swapped x.
    ExpectDrawAt(Find("ひろった　かぎ"), 70, 230);
    ExpectDrawAt(Find("あけたい場所でつかおう"), 50, 252);
    ExpectDrawAt(Find("いまは、つかえないよ。"), 50, 275);
    ExpectDrawAt(Find("かっこいい！！"), 50, 225);
    ExpectDrawAt(Find("攻撃型のよろい。"), 70, 247);
    ExpectDrawAt(Find("狩人の服じゃないと"), 50, 270);
    ExpectDrawAt(Find("装備できないよ。"), 90, 290);

    ItemTextNo = 2;
    ItemUsable = 1;
    EquipTextNo = 0;
    EquipStateText = 0;
    DrawFrame();
    ExpectDrawAt(Find("新鮮なキノコは動く！！"), 50, 230);
    ExpectDrawAt(Find("ＨＰ回復 +40"), 70, 252);
    ExpectDrawAt(Find("Enter で、つかえるよ。"), 50, 275);
    EXPECT_FALSE(Drawn("かっこいい！！"));
}

// Each row of the equipment screen is drawn as what it is. A technique row
// names, in either outfit, what the figure shows while the cursor is on it
// (the cursor's rows 11 to 14 are the D, F, G and Q moves, whose elements
// do not run in that order). On the equipment list the word on the row, the
// picture the screen shows beside the list and the description all name the
// one thing, and no line of text runs under anything the screen draws.
TEST_F(MenuTextsTest, EachTechniqueAndGearRowIsNamedPicturedAndDescribedAsWhatItIs) {
    // What the picture is made of, and whether the thing lies along its frame
    // or stands in it.
    const auto steel = [](art::Rgb c) {
        return std::min({c.r, c.g, c.b}) > 150 && std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) < 40;
    };
    const auto red = [](art::Rgb c) { return c.r > c.g + 80 && c.r > c.b + 60; };
    struct Row {
        std::int32_t element;
        std::string_view word;   // on its label
        const char* noun;        // in its description
        bool (*material)(art::Rgb);
        bool lying;
    };
    const Row rows[] = {{34, "DRESS", "服", red, false},
                        {35, "KNIFE", "ナイフ", steel, true},
                        {99, "ARMOUR", "よろい", steel, false}};

    // By the cursor's row 2..14: the word in the first outfit, in the second.
    const std::string_view techniques[][2] = {
        {"STAND", "STAND"},          {"WALK RIGHT", "WALK RIGHT"}, {"WALK LEFT", "WALK LEFT"},
        {"JUMP", "JUMP"},            {"CROUCH", "CROUCH"},         {"A EXAMINE", "A EXAMINE"},
        {"Z RUN", "Z RUN"},          {"X DASH", "X DASH"},         {"S KICK", "S SLASH"},
        {"D BLAST", "D FLURRY"},     {"F LAUNCH", "F UPSWING"},    {"G KICK UP", "G LUNGE"},
        {"Q KNIFE", "Q GUARD"}};

    BeginMenuSide();
    EquipmentFlags.acquiredA = EquipmentFlags.acquiredB = 1;
    LearnedMoveD = LearnedMoveF = LearnedMoveG = MoveQEnabled = 1;
    MenuFlowState.equipmentOpen = MenuFlowState.equipmentStart = 1;
    for (int i = 0; i < 200 && MenuFlowState.equipmentIntro < 6; ++i) DrawFrame();
    for (int cursorRow = 2; cursorRow <= 14; ++cursorRow) {
        KeyDownPressed = 1;
        DrawFrame();
        ASSERT_EQ(EquipmentScreenState.cursor, cursorRow);
        std::int32_t element = 12;
        while (element < 24 && MenuElementWord(element) != 2) ++element;
        ASSERT_EQ(MenuElementWord(element), 2) << "a technique row is under the cursor";
        for (const int mode : {1, 2}) {
            PlayerState.weaponMode1 = mode == 1;
            PlayerState.weaponMode2 = mode == 2;
            PendingSprite.gno = 0;
            SetMenuElementSprite(element);
            EXPECT_EQ(art::TechniqueStripWord(PendingSprite.srcTop), techniques[cursorRow - 2][mode - 1])
                << "row " << cursorRow << ", weapon mode " << mode;
        }
        PlayerState.weaponMode1 = 1;
        PlayerState.weaponMode2 = 0;
    }
    for (int i = 0; i < 13; ++i) {
        KeyUpPressed = 1;
        DrawFrame();
    }
    ASSERT_EQ(EquipmentScreenState.cursor, 1);
    KeyRightPressed = 1;   // to the equipment page
    DrawFrame();
    const PictureInfo* sheet = FindPicture(116);   // element 41's pictures
    ASSERT_NE(sheet, nullptr);
    const art::Canvas pictures = art::DrawPicture(*sheet);

    for (const Row& row : rows) {
        SCOPED_TRACE(row.word);
        KeyDownPressed = 1;
        DrawFrame();
        ASSERT_EQ(MenuElementWord(row.element), 2) << "the cursor is on the row";
        EXPECT_EQ(art::GearRowWord(row.element), row.word);

        // The picture beside the list is this row's thing.
        PendingSprite.gno = 0;
        SetMenuElementSprite(41);
        ASSERT_EQ(PendingSprite.gno, 212);
        int count = 0, left = pictures.width, top = pictures.height, right = 0, bottom = 0;
        for (int y = PendingSprite.srcTop; y < PendingSprite.srcBottom && y < pictures.height; ++y)
            for (int x = PendingSprite.srcLeft; x < PendingSprite.srcRight && x < pictures.width; ++x) {
                if (!row.material(pictures.At(x, y))) continue;
                ++count;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        EXPECT_GT(count, 300) << "the picture is not made of what the thing is";
        EXPECT_EQ(right - left > 2 * (bottom - top), row.lying) << (right - left) << " x " << (bottom - top);

        EXPECT_FALSE(FindAll(row.noun).empty()) << "the description names " << row.noun;

        // Every line stands clear of every label, row, marker and picture.
        std::vector<plat::Rect> drawn;
        const auto keep = [&] {
            if (PendingSprite.gno == 0) return;
            const int left = PendingSprite.posX - static_cast<int>(PendingSprite.pivotX);
            const int top = PendingSprite.posY - static_cast<int>(PendingSprite.pivotY);
            drawn.push_back({left, top, left + PendingSprite.srcRight - PendingSprite.srcLeft,
                             top + PendingSprite.srcBottom - PendingSprite.srcTop});
        };
        for (std::int32_t n = 1; n <= 100; ++n) {
            PendingSprite.gno = 0;
            SetMenuElementSprite(n);
            keep();
        }
        for (std::int32_t marker = 439001; marker <= 439013; ++marker) {
            PendingSprite.gno = 0;
            SetMenuSprite(marker);
            keep();
        }
        for (const auto& t : LastFrame().texts) {
            plat::Rect ink = plat::TextInkBox(t.font, t.text.c_str());
            ink = {ink.left + t.x, ink.top + t.y, ink.right + t.x, ink.bottom + t.y};
            for (const plat::Rect& b : drawn)
                EXPECT_FALSE(ink.left < b.right && b.left < ink.right && ink.top < b.bottom && b.top < ink.bottom)
                    << "\"" << t.text << "\" ends at x " << ink.right << " over the sprite at " << b.left << ", "
                    << b.top;
        }
    }
}

TEST_F(MenuTextsTest, LoadPromptWithoutSaveFilesSaysNoDataAndRefusesEnter) {
    BeginMenuSide();
    SaveSpotFlag = 1;
    SlotSummaryShown = 1;
    SaveScreenState.chosenSlot = 2;
    SaveScreenState.cursorRow = 2;
    SaveScreenState.slotPromptShown = 1;
    EnterConfirmState = 1;
    DrawFrame();
    // No slot file in this folder: every slot reads as holding no data.
    ExpectDrawAt(Find("データが、\n保存されてないよ。"), 180, 450 - 110);
    EXPECT_EQ(EnterConfirmState, 0);
    EXPECT_EQ(LoadSummaryLatch, 1);
    const auto noData = FindAll("データなし");
    ASSERT_EQ(noData.size(), 3u);
    EXPECT_TRUE(FindAll("年").empty());
    EXPECT_TRUE(FindAll("トータル").empty());
}

TEST_F(MenuTextsTest, LoadPromptFollowsTheSpotFlagAndNoSlotLeavesEnterAlone) {
    BeginMenuSide();
    LoadSummaryLatch = 1;   // summaries already read
    SaveSummaries[1] = Summary(2026, 90);
    SlotSummaryShown = 1;
    SaveScreenState.chosenSlot = 1;

    SaveSpotFlag = 1;
    DrawFrame();
    ExpectDrawAt(Find("Enterで、\nよみこむよ。"), 180, 340);
    EXPECT_EQ(EnterConfirmState, 1);

    SaveSpotFlag = 0;
    DrawFrame();
    ExpectDrawAt(Find("ここでは、\nよみこめないよ。"), 180, 340);
    EXPECT_EQ(EnterConfirmState, 0);

    SaveScreenState.chosenSlot = 0;
    EnterConfirmState = 2;
    DrawFrame();
    EXPECT_TRUE(FindAll("よみこ").empty());
    EXPECT_EQ(EnterConfirmState, 2);
}

TEST_F(MenuTextsTest, SlotSummariesInTheirRowsWithTheCursorRowInBlack) {
    BeginMenuSide();
    SaveSummaries[1] = Summary(2026, 99);
    SaveSummaries[2] = Summary(kErasedSlotYear, 0);
    SaveSummaries[3] = Summary(2027, 5);
    SaveScreenState.slotPromptShown = 1;
    SaveScreenState.cursorRow = 2;
    DrawFrame();

    const auto* date1 = Find("　　　　　   2026年 12月  7日 10:  5:  9");
    ExpectDrawAt(date1, 340, 215);
    ExpectColour(date1, 0.4f, 0.4f, 0.4f, 1);
    ExpectDrawAt(Find("トータル     1:  2:  3"), 650, 215);
    ExpectDrawAt(Find("Hp     99/    150     Ep   4321        1234バル "), 470, 240);

    const auto* empty2 = Find("　　　　  データなし");
    ExpectDrawAt(empty2, 340, 415);
    ExpectColour(empty2, 0, 0, 0, 1);
    EXPECT_EQ(FindAll("トータル").size(), 2u);   // slot 2 shows no summary

    ExpectDrawAt(Find("　　　　    2027年 12月  7日 10:  5:  9"), 340, 615);
    ExpectDrawAt(Find("Hp      5/    150     Ep   4321        1234バル "), 470, 640);
}

TEST_F(MenuTextsTest, SavePromptReadsTheSlotsAgainAfterASave) {
    BeginMenuSide();
    SaveSpotFlag = 1;
    SaveScreenState.saveSummaryShown = 1;
    SaveScreenState.saveSummaryRead = 0;
    SaveScreenState.slotPromptShown = 1;
    SaveScreenState.cursorRow = 1;
    DrawFrame();
    ExpectDrawAt(Find("Enterで、\n保存するよ。"), 180, 340);
    EXPECT_EQ(EnterConfirmState, 1);
    EXPECT_EQ(SaveScreenState.saveSummaryRead, 1u);
    EXPECT_EQ(FindAll("データなし").size(), 3u);

    // The save screen saves into slot 1 (the stage as the menu found it, in
    // the home area) and clears the latch.
    Era00AreaFlag = 1;
    MenuStageSnapshot.x = 130;
    PlayerState.hp = 77;
    PlayerState.maxHp = 140;
    ASSERT_TRUE(SaveGdata(1));
    SaveScreenState.saveSummaryRead = 0;
    DrawFrame();
    EXPECT_EQ(FindAll("データなし").size(), 2u);
    EXPECT_EQ(FindAll("Hp     77/    140").size(), 1u);

    SaveSpotFlag = 0;
    DrawFrame();
    ExpectDrawAt(Find("ここでは、\n保存できないよ。"), 180, 340);
    EXPECT_EQ(EnterConfirmState, 0);
}

TEST_F(MenuTextsTest, GameOverNarrationLineByLineArmsEnterWithThePrompt) {
    BeginMenuSide();
    GameOverState.textStep1 = 3;
    EnterConfirmState = 1;
    DrawFrame();
    const auto narrator = FindAll("ﾅﾚｰﾀ ： ");
    ASSERT_EQ(narrator.size(), 1u);
    ExpectDrawAt(&narrator[0], 340, 300);
    ExpectCyanDialogueFont(&narrator[0]);
    EXPECT_EQ(LastFrame().texts.size(), 3u);
    EXPECT_EQ(EnterConfirmState, 0);

    GameOverState.textStep1 = 5;
    DrawFrame();
    EXPECT_EQ(LastFrame().texts.size(), 5u);
    ExpectDrawAt(Find("  続行なら　Ｙ、　終了なら　Ｅｓｃ をおしてあげて下さい。"), 320, 465);
    EXPECT_EQ(EnterConfirmState, 1);

    GameOverState.textStep1 = 0;
    GameOverState.textStep2 = 5;
    DrawFrame();
    ExpectDrawAt(Find("おこすなら　Ｙ、　ほっとくなら　Ｅｓｃ をおしてしまって下さい。"), 320, 465);
}

TEST_F(MenuTextsTest, NoticeLineUnderTheTitleLogo) {
    BeginMenuSide();
    TitleNoticeShown = 1;
    DrawFrame();
    ASSERT_EQ(LastFrame().texts.size(), 1u);
    const auto& notice = LastFrame().texts[0];
    EXPECT_EQ(notice.font, TextFontSet.font[3]);
    ExpectDrawAt(&notice, 273, 420);
    ExpectColour(&notice, 0.9f, 0.9f, 0.9f, 0.9f);
}
