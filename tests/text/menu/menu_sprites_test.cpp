// The menu side's sprite setups: element words to pictures, the counter
// digits, the logo, cursor, markers and title scenery, and the mushrooms.
#include <gtest/gtest.h>

#include <string>

#include "core/pending_sprite.h"
#include "core/player.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/sprites/menu_sprite_tables.h"
#include "tools/picture_catalogue.h"

namespace {

// The picture a texture number of the menu side is cut from.
int PictureOfTexture(int texture) {
    if (texture >= 201 && texture <= 215) return texture - 200 + 104;   // menu sheets
    if (texture == 423) return 159;                                      // D023
    if (texture == 439) return 175;                                      // D039
    if (texture == 443) return 179;                                      // D043
    return 0;
}

const PictureInfo* Picture(int id) {
    for (const PictureInfo& p : kPictures)
        if (p.id == id) return &p;
    return nullptr;
}

void ExpectInsidePicture(int texture, const MenuRect& r, const std::string& what) {
    const PictureInfo* p = Picture(PictureOfTexture(texture));
    ASSERT_NE(p, nullptr) << what << ": texture " << texture;
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom) << what;
    // Textures are padded with see-through texels, and a few cuts reach a
    // little past their picture's edge (the save-slot labels, the last logo
    // frame); a cut that misses its picture by more is a wrong row.
    constexpr int kPadding = 16;
    EXPECT_LT(r.left, p->width) << what << " on picture " << p->id;
    EXPECT_LT(r.top, p->height) << what << " on picture " << p->id;
    EXPECT_LE(r.right, p->width + kPadding) << what << " on picture " << p->id;
    EXPECT_LE(r.bottom, p->height + kPadding) << what << " on picture " << p->id;
}

TEST(MenuSpriteTables, EveryRectangleLiesInsideItsPicture) {
    for (const MenuElementRow& row : kMenuElementRows) {
        for (const MenuElementVariant& v : row.v)
            if (v.sheet != 0) ExpectInsidePicture(200 + v.sheet, v.rect, "element " + std::to_string(row.element));
        for (const MenuElementVariant& v : row.mode2)
            if (v.sheet != 0) ExpectInsidePicture(200 + v.sheet, v.rect, "element " + std::to_string(row.element));
    }
    int rows = 0;
    for (const MenuSpriteRow& row : kMenuSpriteRows) {
        ASSERT_NE(row.id, 0) << "a row of the menu sprite table was left empty";
        ExpectInsidePicture(row.texture, row.rect, "sprite " + std::to_string(row.id));
        ++rows;
    }
    EXPECT_EQ(rows, kMenuSpriteRowCount);
    for (int family = 0; family < 2; ++family)
        for (const TitleFigureFrame& f : kTitleFigureFrames[family])
            ExpectInsidePicture(kTitleFigureTexture, f.rect, "mushroom frame");
    // The mushroom cluster's last frame and the digit strips.
    ExpectInsidePicture(439, {static_cast<std::int16_t>(2 * kMushroomFrameWidth), 0,
                              static_cast<std::int16_t>(3 * kMushroomFrameWidth - 1), 79},
                        "mushroom cluster frame 3");
    ExpectInsidePicture(208, {108, 40, 119, 59}, "digit 9 of the third strip");
}

TEST(MenuElementSprite, WordsPickVariantsAndUnlistedWordsDrawNothing) {
    MenuElementWords.element[4] = 2;   // the save label under the cursor
    PendingSprite.gno = 99;
    SetMenuElementSprite(4);
    EXPECT_EQ(PendingSprite.gno, 202);
    EXPECT_EQ(PendingSprite.srcTop, 300);
    EXPECT_EQ(PendingSprite.srcBottom, 329);
    EXPECT_EQ(PendingSprite.posX, 362);
    EXPECT_EQ(PendingSprite.posY, 600);
    EXPECT_EQ(PendingSprite.colour, 0xFFFFFFFFu);
    EXPECT_EQ(PendingSprite.pivotX, 0.0f);

    // A value the row does not list, and a hidden element: nothing, whatever
    // the record held before.
    MenuElementWords.element[4] = 4;
    SetMenuElementSprite(4);
    EXPECT_EQ(PendingSprite.gno, 0);
    MenuElementWords.element[25] = 0;
    PendingSprite.gno = 99;
    SetMenuElementSprite(25);
    EXPECT_EQ(PendingSprite.gno, 0);

    // The dim first variant of the marked labels.
    MenuElementWords.element[2] = 1;
    SetMenuElementSprite(2);
    EXPECT_EQ(PendingSprite.colour, 0xCCCCCCCCu);
    MenuElementWords.element[2] = 2;
    SetMenuElementSprite(2);
    EXPECT_EQ(PendingSprite.colour, 0xFFFFFFFFu);
}

TEST(MenuElementSprite, WordsKeptElsewhereAndMovedVariants) {
    // Element 6 in its settings-screen variant sits beside the heroine.
    MenuElementWords.element[6] = 4;
    SetMenuElementSprite(6);
    EXPECT_EQ(PendingSprite.gno, 202);
    EXPECT_EQ(PendingSprite.posX, 65);
    EXPECT_EQ(PendingSprite.posY, 453);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.7f);
    MenuElementWords.element[6] = 1;
    SetMenuElementSprite(6);
    EXPECT_EQ(PendingSprite.posX, 692);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.9f);

    // The end label takes its word and place from the sprite parameters.
    MenuSpriteParams.titleChoiceVariant = 3;
    MenuSpriteParams.endLabelX = 446;
    MenuSpriteParams.endLabelY = 450;
    SetMenuElementSprite(1);
    EXPECT_EQ(PendingSprite.srcTop, 60);
    EXPECT_EQ(PendingSprite.posX, 446);
    EXPECT_EQ(PendingSprite.posY, 450);
    EXPECT_EQ(&MenuElementWord(96), &MenuElementWords.titleChoiceShown);

    // The list columns swap places with the page.
    MenuElementWords.element[34] = 2;
    MenuSpriteParams.equipListX = 303;
    SetMenuElementSprite(34);
    EXPECT_EQ(PendingSprite.posX, 303);

    // Save-slot bars: one word, the colour of each row.
    MenuSpriteParams.slotRowsShown = 1;
    MenuSpriteParams.slotRowColour[1] = 0x99999999u;
    SetMenuElementSprite(43);
    EXPECT_EQ(PendingSprite.gno, 210);
    EXPECT_EQ(PendingSprite.posY, 400);
    EXPECT_EQ(PendingSprite.colour, 0x99999999u);
}

TEST(MenuElementSprite, TechniqueRowsFollowTheWeaponMode) {
    MenuElementWords.element[20] = 2;
    PlayerState.weaponMode1 = 1;
    PlayerState.weaponMode2 = 0;
    SetMenuElementSprite(20);
    EXPECT_EQ(PendingSprite.srcTop, 570);
    PlayerState.weaponMode1 = 0;
    PlayerState.weaponMode2 = 1;
    SetMenuElementSprite(20);
    EXPECT_EQ(PendingSprite.srcTop, 870);
    PlayerState.weaponMode2 = 0;
    SetMenuElementSprite(20);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(CounterDigits, SplitsCountsAndDrawsOnlyShownPlaces) {
    CounterDigitRowRecord& row = CounterDigits.row[2];
    row.shown = 1;
    row.count = 105;
    row.x = 574;
    row.y = 255;
    SplitItemCountDigits();
    EXPECT_EQ(row.digit[1], 5);
    EXPECT_EQ(row.digit[2], 0);
    EXPECT_EQ(row.digit[3], 1);
    for (int place = 4; place <= 9; ++place) EXPECT_EQ(row.digit[place], 10) << place;

    // The ones digit (element 58) at the row's x, the tens 12 px to its left.
    SetMenuElementSprite(58);
    EXPECT_EQ(PendingSprite.gno, 208);
    EXPECT_EQ(PendingSprite.srcLeft, 60);
    EXPECT_EQ(PendingSprite.posX, 574);
    SetMenuElementSprite(59);
    EXPECT_EQ(PendingSprite.srcLeft, 0);
    EXPECT_EQ(PendingSprite.posX, 562);
    SetMenuElementSprite(61);   // a blank place
    EXPECT_EQ(PendingSprite.gno, 0);

    // Zero shows one 0; a count past nine digits shows nine nines; the group
    // under the cursor reads the bright strip.
    row.count = 0;
    row.shown = 2;
    SplitItemCountDigits();
    EXPECT_EQ(row.digit[1], 0);
    EXPECT_EQ(row.digit[2], 10);
    EXPECT_EQ(row.stripTop, 20);
    row.count = 1000000000u;
    SplitItemCountDigits();
    for (int place = 1; place <= 9; ++place) EXPECT_EQ(row.digit[place], 9) << place;

    row.shown = 0;
    SetMenuElementSprite(58);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(CounterDigits, RowFourWinsTheSharedElementUnlessItsOnesPlaceIsBlank) {
    CounterDigitRowRecord& r3 = CounterDigits.row[3];
    CounterDigitRowRecord& r4 = CounterDigits.row[4];
    r3.shown = r4.shown = 1;
    r3.x = r4.x = 574;
    r3.y = 305;
    r4.y = 355;
    for (int p = 1; p <= 9; ++p) r3.digit[p] = r4.digit[p] = 10;
    r3.digit[9] = 7;
    r4.digit[1] = 3;
    SetMenuElementSprite(75);
    EXPECT_EQ(PendingSprite.posY, 355);
    EXPECT_EQ(PendingSprite.srcLeft, 36);
    r4.digit[1] = 10;
    SetMenuElementSprite(75);
    EXPECT_EQ(PendingSprite.posY, 305);
    EXPECT_EQ(PendingSprite.srcLeft, 84);
}

TEST(MenuSprite, LogoCursorMarkersAndScenery) {
    PendingSprite.gno = 5;
    SetMenuSprite(123456);
    EXPECT_EQ(PendingSprite.gno, 0);

    MenuFigureDepth = 0.9f;
    SetMenuSprite(201003);
    EXPECT_EQ(PendingSprite.gno, 201);
    EXPECT_EQ(PendingSprite.srcTop, 164);
    EXPECT_EQ(PendingSprite.srcBottom, 245);
    EXPECT_FLOAT_EQ(PendingSprite.depth, 0.9f);

    // The dimmed cursor frame 5 hangs 10 px lower than its bright twin.
    MenuSpriteParams.menuCursorX = 265;
    MenuSpriteParams.menuCursorY = 277;
    SetMenuSprite(423002);
    const float bright = PendingSprite.pivotY;
    EXPECT_EQ(PendingSprite.colour, 0xFFFFFFFFu);
    SetMenuSprite(423005);
    EXPECT_FLOAT_EQ(PendingSprite.pivotY - bright, 10.0f);
    EXPECT_EQ(PendingSprite.colour, 0xFF333333u);
    EXPECT_EQ(PendingSprite.posX, 265);

    // Row markers draw only with a word, grey or white.
    SetMenuSprite(439004);
    EXPECT_EQ(PendingSprite.gno, 0);
    MenuElementWords.rowMarker[4] = 1;
    SetMenuSprite(439004);
    EXPECT_EQ(PendingSprite.colour, 0xFF777777u);
    EXPECT_EQ(PendingSprite.posY, 305);

    // The large crystal replaces marker 13 while it is shown.
    MenuElementWords.rowMarker[13] = 2;
    SetMenuSprite(439013);
    EXPECT_EQ(PendingSprite.posY, 620);
    TitleScreenSprite.shown[1] = 1;
    TitleScreenSprite.colour[1] = 0xFF555555u;
    SetMenuSprite(439013);
    EXPECT_EQ(PendingSprite.posX, 500);
    EXPECT_EQ(PendingSprite.colour, 0xFF555555u);

    // The mushroom cluster cuts its frame out of one strip.
    TitleScreenSprite.shown[3] = 1;
    TitleScreenSprite.mushroomFrame = 2;
    SetMenuSprite(439015);
    EXPECT_EQ(PendingSprite.srcLeft, 68);
    EXPECT_EQ(PendingSprite.srcRight, 135);

    // The item marker is dark on word 1.
    MenuElementWords.itemScreenMarker = 1;
    SetMenuSprite(443001);
    EXPECT_EQ(PendingSprite.colour, 0xFF333333u);
}

TEST(TitleFigureSprite, FramesOfBothPairsAndNothingForFrameZero) {
    TitleFigureSlots.figure[1] = {2, 0xAAAAAAAAu, 100, 600, 1, 1};
    TitleFigureSlots.figure[3] = {2, 0xBBBBBBBBu, 450, 600, 1, 3};
    SetTitleFigureSprite(1);
    EXPECT_EQ(PendingSprite.gno, 443);
    EXPECT_EQ(PendingSprite.srcLeft, 56);
    EXPECT_EQ(PendingSprite.colour, 0xAAAAAAAAu);
    SetTitleFigureSprite(3);
    EXPECT_EQ(PendingSprite.srcTop, 105);
    EXPECT_EQ(PendingSprite.posX, 450);
    TitleFigureSlots.figure[3].frame = 0;
    SetTitleFigureSprite(3);
    EXPECT_EQ(PendingSprite.gno, 0);
    SetTitleFigureSprite(5);
    EXPECT_EQ(PendingSprite.gno, 0);
}

TEST(TitleFigureColumn, InclusiveBoundsOfTheSixLabels) {
    EXPECT_EQ(TitleFigureColumn(31), 0);
    EXPECT_EQ(TitleFigureColumn(32), 1);
    EXPECT_EQ(TitleFigureColumn(165), 1);
    EXPECT_EQ(TitleFigureColumn(166), 0);
    EXPECT_EQ(TitleFigureColumn(229), 2);
    EXPECT_EQ(TitleFigureColumn(560), 0);
    EXPECT_EQ(TitleFigureColumn(889), 6);
    EXPECT_EQ(TitleFigureColumn(890), 0);
}

}  // namespace

namespace {

TEST(MenuSpriteTables, EveryElementRowIsFoundByItsNumber) {
    int found = 0;
    for (int n = 0; n <= 100; ++n) {
        const MenuElementRow* row = FindMenuElementRow(n);
        if (!row) continue;
        EXPECT_EQ(row->element, n);
        ++found;
    }
    EXPECT_EQ(found, static_cast<int>(sizeof kMenuElementRows / sizeof kMenuElementRows[0]));
    EXPECT_EQ(FindMenuElementRow(49), nullptr) << "digits have no row of their own";
    EXPECT_EQ(FindMenuElementRow(101), nullptr);
}

}  // namespace
