// The sprite tables of the menu side, as constant data: the menu elements
// (labels, headings, rows and markers on the menu sheets), the other menu
// sprites (title logo, item cursor, row markers, title scenery, item marker)
// and the four title mushrooms. Header-only so the art generator can draw
// its pictures at the same rectangles.
#pragma once

#include <array>
#include <cstdint>

struct MenuRect {
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
};

// ------------------------------------------------------------ menu elements
// The element sheets are menu bitmaps: sheet k is texture number 200 + k.
constexpr std::int32_t kMenuSheetTextureBase = 200;
constexpr std::uint32_t kMenuDimColour = 0xCCCCCCCCu;

// Where an element's position comes from.
enum class MenuElementPlace : std::uint8_t {
    Fixed,        // the row's x, y
    EndLabel,     // element 1: its x, y words
    ItemsLabel,   // element 3: its x, y words
    ActionList,   // x of the technique list, the row's y
    EquipList,    // x of the equipment list, the row's y
};

// Which pictures an element's variants come from.
enum class MenuElementKind : std::uint8_t {
    Plain,        // variants 1..5 of the row
    ByWeaponMode, // variants 1..2 of the row in weapon mode 1, of mode2 in weapon mode 2
    SlotRow,      // shown by the slot-rows word; colour of its row
};

struct MenuElementVariant {
    std::int8_t sheet = 0;   // 0: the word selects nothing
    MenuRect rect;
    // Variant drawn elsewhere (element 6 on the settings screen).
    bool moved = false;
    std::int16_t x = 0, y = 0;
    float depth = 0;
};

struct MenuElementRow {
    std::int16_t element = 0;
    MenuElementPlace place = MenuElementPlace::Fixed;
    std::int16_t x = 0, y = 0;
    float depth = 0.7f;
    bool dim = false;   // variant 1 drawn in kMenuDimColour
    MenuElementKind kind = MenuElementKind::Plain;
    std::int8_t slotRow = 0;   // SlotRow: 0..2
    MenuElementVariant v[5];   // variants 1..5
    MenuElementVariant mode2[2];
};

namespace menu_tables {

// A strip of a label sheet (2 to 5): every picture there is 0..132 wide.
constexpr MenuElementVariant Strip(int sheet, int top, int bottom) {
    return {static_cast<std::int8_t>(sheet),
            {0, static_cast<std::int16_t>(top), 132, static_cast<std::int16_t>(bottom)}};
}
constexpr MenuElementVariant Pic(int sheet, int l, int t, int r, int b) {
    return {static_cast<std::int8_t>(sheet),
            {static_cast<std::int16_t>(l), static_cast<std::int16_t>(t), static_cast<std::int16_t>(r),
             static_cast<std::int16_t>(b)}};
}
// A heading of sheet 7 (0..245 wide).
constexpr MenuElementVariant Head(int top, int bottom) { return Pic(7, 0, top, 245, bottom); }

constexpr MenuElementRow Row(int element, int x, int y, float depth, MenuElementVariant a,
                             MenuElementVariant b = {}, MenuElementVariant c = {}, MenuElementVariant d = {},
                             MenuElementVariant e = {}) {
    MenuElementRow r;
    r.element = static_cast<std::int16_t>(element);
    r.x = static_cast<std::int16_t>(x);
    r.y = static_cast<std::int16_t>(y);
    r.depth = depth;
    r.v[0] = a;
    r.v[1] = b;
    r.v[2] = c;
    r.v[3] = d;
    r.v[4] = e;
    return r;
}
constexpr MenuElementRow Placed(MenuElementRow r, MenuElementPlace place) {
    r.place = place;
    return r;
}
constexpr MenuElementRow Dim(MenuElementRow r) {
    r.dim = true;
    return r;
}
// Technique rows 20..24: two strips of sheet 4 per weapon mode.
constexpr MenuElementRow ModeRow(int element, int y, int top1, int top2) {
    MenuElementRow r = Placed(Row(element, 0, y, 0.7f, Strip(4, top1, top1 + 29), Strip(4, top1 + 30, top1 + 59)),
                              MenuElementPlace::ActionList);
    r.kind = MenuElementKind::ByWeaponMode;
    r.mode2[0] = Strip(4, top2, top2 + 29);
    r.mode2[1] = Strip(4, top2 + 30, top2 + 59);
    return r;
}
constexpr MenuElementRow SlotBar(int element, int y, int index) {
    MenuElementRow r = Row(element, 200, y, 0.09f, Pic(10, 0, 0, 780, 80));
    r.kind = MenuElementKind::SlotRow;
    r.slotRow = static_cast<std::int8_t>(index);
    return r;
}
// Item rows 37, 38, 39, 100 on sheet 6 (k = 0..3).
constexpr MenuElementRow ItemRow(int element, int y, int k) {
    const int base = 90 + 90 * k;
    return Row(element, 303, y, 0.7f, Pic(6, 0, base, 299, base + 29), Pic(6, 0, base + 30, 299, base + 59),
               Pic(6, 0, base + 60, 299, base + 89));
}
// Technique rows 12..19 on sheet 4 (k = 0..7).
constexpr MenuElementRow TechniqueRow(int element, int y) {
    const int k = element - 12;
    return Placed(Row(element, 0, y, 0.7f, Strip(4, 60 + 60 * k, 89 + 60 * k), Strip(4, 90 + 60 * k, 119 + 60 * k)),
                  MenuElementPlace::ActionList);
}
constexpr MenuElementRow Settings6() {
    MenuElementRow r = Row(6, 692, 600, 0.9f, Strip(2, 630, 659), Strip(2, 660, 689), Strip(2, 690, 719),
                           Strip(2, 660, 689));
    r.v[3].moved = true;
    r.v[3].x = 65;
    r.v[3].y = 453;
    r.v[3].depth = 0.7f;
    return r;
}

}  // namespace menu_tables

// Every element that draws a picture (the digit rows 49..92 are drawn by
// SetCounterDigitSprite from CounterDigits).
inline constexpr MenuElementRow kMenuElementRows[] = {
    menu_tables::Placed(menu_tables::Row(1, 0, 0, 0.7f, menu_tables::Strip(2, 0, 29), menu_tables::Strip(2, 30, 59),
                                         menu_tables::Strip(2, 60, 89)),
                        MenuElementPlace::EndLabel),
    menu_tables::Dim(menu_tables::Row(2, 32, 600, 0.7f, menu_tables::Strip(2, 90, 119),
                                      menu_tables::Strip(2, 120, 149), menu_tables::Strip(2, 150, 179))),
    menu_tables::Placed(menu_tables::Row(3, 0, 0, 0.7f, menu_tables::Strip(2, 180, 209),
                                         menu_tables::Strip(2, 210, 239), menu_tables::Strip(2, 240, 269)),
                        MenuElementPlace::ItemsLabel),
    menu_tables::Row(4, 362, 600, 0.7f, menu_tables::Strip(2, 270, 299), menu_tables::Strip(2, 300, 329),
                     menu_tables::Strip(2, 330, 359)),
    menu_tables::Row(5, 527, 600, 0.7f, menu_tables::Strip(2, 360, 389), menu_tables::Strip(2, 390, 419),
                     menu_tables::Strip(2, 420, 449)),
    menu_tables::Settings6(),
    menu_tables::Dim(menu_tables::Row(7, 60, 250, 0.7f, menu_tables::Strip(3, 0, 29), menu_tables::Strip(3, 30, 59),
                                      menu_tables::Strip(3, 60, 89))),
    menu_tables::Dim(menu_tables::Row(8, 60, 450, 0.7f, menu_tables::Strip(3, 90, 119),
                                      menu_tables::Strip(3, 120, 149), menu_tables::Strip(3, 150, 179))),
    menu_tables::Dim(menu_tables::Row(9, 60, 650, 0.7f, menu_tables::Strip(3, 180, 209),
                                      menu_tables::Strip(3, 210, 239), menu_tables::Strip(3, 240, 269))),
    menu_tables::Row(10, 65, 452, 0.7f, menu_tables::Strip(4, 0, 29), menu_tables::Strip(4, 30, 59)),
    menu_tables::Placed(menu_tables::Row(11, 0, 100, 0.7f, menu_tables::Strip(4, 0, 29), menu_tables::Strip(4, 30, 59)),
                        MenuElementPlace::ActionList),
    menu_tables::TechniqueRow(12, 200),
    menu_tables::TechniqueRow(13, 235),
    menu_tables::TechniqueRow(14, 270),
    menu_tables::TechniqueRow(15, 305),
    menu_tables::TechniqueRow(16, 340),
    menu_tables::TechniqueRow(17, 375),
    menu_tables::TechniqueRow(18, 410),
    menu_tables::TechniqueRow(19, 445),
    menu_tables::ModeRow(20, 480, 540, 840),
    menu_tables::ModeRow(21, 515, 600, 900),
    menu_tables::ModeRow(22, 620, 660, 1080),
    menu_tables::ModeRow(23, 550, 720, 960),
    menu_tables::ModeRow(24, 585, 780, 1020),
    menu_tables::Row(25, 730, 10, 0.7f, menu_tables::Head(60, 89), menu_tables::Head(90, 120)),
    menu_tables::Row(26, 730, 10, 0.7f, menu_tables::Head(0, 29), menu_tables::Head(30, 59)),
    menu_tables::Row(27, 730, 10, 0.7f, menu_tables::Head(180, 209), menu_tables::Head(210, 239)),
    menu_tables::Row(28, 730, 10, 0.7f, menu_tables::Head(240, 269), menu_tables::Head(270, 299)),
    menu_tables::Row(29, 730, 10, 0.7f, menu_tables::Head(300, 329), menu_tables::Head(330, 359)),
    menu_tables::Row(30, 730, 10, 0.7f, menu_tables::Head(120, 149), menu_tables::Head(150, 180)),
    menu_tables::Row(31, 303, 100, 0.7f, menu_tables::Strip(2, 180, 209), menu_tables::Strip(2, 210, 239),
                     menu_tables::Strip(2, 240, 269)),
    menu_tables::Row(32, 65, 452, 0.7f, menu_tables::Strip(5, 0, 29), menu_tables::Strip(5, 240, 269),
                     menu_tables::Strip(5, 270, 299), menu_tables::Strip(5, 300, 329),
                     menu_tables::Strip(5, 330, 359)),
    menu_tables::Placed(menu_tables::Row(33, 0, 100, 0.7f, menu_tables::Strip(5, 0, 29), menu_tables::Strip(5, 30, 59)),
                        MenuElementPlace::EquipList),
    menu_tables::Placed(menu_tables::Row(34, 0, 200, 0.7f, menu_tables::Strip(5, 60, 89), menu_tables::Strip(5, 90, 119),
                                         menu_tables::Strip(5, 120, 149)),
                        MenuElementPlace::EquipList),
    menu_tables::Placed(menu_tables::Row(35, 0, 235, 0.7f, menu_tables::Strip(5, 150, 179),
                                         menu_tables::Strip(5, 180, 209), menu_tables::Strip(5, 210, 239)),
                        MenuElementPlace::EquipList),
    menu_tables::Row(36, 303, 200, 0.7f, menu_tables::Pic(6, 0, 0, 299, 29), menu_tables::Pic(6, 0, 30, 299, 59),
                     menu_tables::Pic(6, 0, 60, 138, 89)),
    menu_tables::ItemRow(37, 250, 0),
    menu_tables::ItemRow(38, 300, 1),
    menu_tables::ItemRow(39, 350, 2),
    menu_tables::Row(40, 574, 305, 0.7f, menu_tables::Pic(8, 0, 11, 23, 19), menu_tables::Pic(8, 0, 11, 23, 39),
                     menu_tables::Pic(8, 12, 0, 23, 19), menu_tables::Pic(8, 12, 20, 23, 39)),
    menu_tables::Row(41, 38, 500, 0.7f, menu_tables::Pic(12, 0, 0, 179, 179), menu_tables::Pic(12, 0, 180, 179, 249),
                     menu_tables::Pic(12, 180, 0, 359, 179)),
    menu_tables::SlotBar(42, 200, 0),
    menu_tables::SlotBar(43, 400, 1),
    menu_tables::SlotBar(44, 600, 2),
    menu_tables::Row(45, 363, 143, 0.7f, menu_tables::Pic(14, 0, 0, 11, 41), menu_tables::Pic(14, 12, 0, 23, 41)),
    menu_tables::Row(46, 363, 143, 0.7f, menu_tables::Pic(14, 24, 0, 35, 41), menu_tables::Pic(14, 36, 0, 47, 41)),
    menu_tables::Row(47, 450, 110, 0.7f, menu_tables::Pic(15, 0, 0, 41, 11), menu_tables::Pic(15, 0, 12, 41, 23)),
    menu_tables::Row(48, 450, 110, 0.7f, menu_tables::Pic(15, 0, 24, 41, 35), menu_tables::Pic(15, 0, 36, 41, 47)),
    menu_tables::Row(93, 0, 0, 0.8f, menu_tables::Pic(9, 0, 0, 300, 29), menu_tables::Pic(9, 0, 30, 300, 60)),
    menu_tables::Row(94, 0, 0, 0.8f, menu_tables::Pic(9, 0, 0, 300, 29), menu_tables::Pic(9, 0, 30, 300, 60)),
    menu_tables::Row(95, 0, 0, 0.8f, menu_tables::Pic(9, 0, 0, 300, 29), menu_tables::Pic(9, 0, 30, 300, 60)),
    menu_tables::Row(96, 202, 600, 0.9f, menu_tables::Strip(2, 540, 569), menu_tables::Strip(2, 570, 599),
                     menu_tables::Strip(2, 600, 629)),
    menu_tables::Row(97, 423, 600, 0.9f, menu_tables::Strip(2, 450, 479), menu_tables::Strip(2, 480, 509),
                     menu_tables::Strip(2, 510, 539)),
    menu_tables::Row(98, 730, 10, 0.9f, menu_tables::Head(0, 29), menu_tables::Head(30, 59)),
    menu_tables::Placed(menu_tables::Row(99, 0, 270, 0.7f, menu_tables::Strip(5, 360, 389),
                                         menu_tables::Strip(5, 390, 419), menu_tables::Strip(5, 420, 449)),
                        MenuElementPlace::EquipList),
    menu_tables::ItemRow(100, 400, 3),
};

// Row index of each element 0..100 in kMenuElementRows, -1 for none.
inline constexpr std::array<std::int8_t, 101> kMenuElementIndex = [] {
    std::array<std::int8_t, 101> index{};
    for (std::int8_t& i : index) i = -1;
    std::int8_t n = 0;
    for (const MenuElementRow& r : kMenuElementRows) index[r.element] = n++;
    return index;
}();

// The element's row, or null for an element without pictures.
constexpr const MenuElementRow* FindMenuElementRow(int element) {
    if (element < 0 || element > 100 || kMenuElementIndex[element] < 0) return nullptr;
    return &kMenuElementRows[kMenuElementIndex[element]];
}

// The digit rows: elements [first, first + 8] are places 1..9 of row r.
// Element 75 belongs to rows 3 and 4; row 4 is set up last and wins.
inline constexpr std::int16_t kCounterDigitFirstElement[6] = {0, 49, 58, 67, 75, 84};
constexpr std::int32_t kCounterDigitSheet = 8;
constexpr std::int32_t kCounterDigitWidth = 12;
constexpr std::int32_t kCounterDigitHeight = 20;

// -------------------------------------------------------- other menu sprites
enum class MenuSpriteRule : std::uint8_t {
    ItemMarker,     // the item-3 icon: dark while its word is 1
    Logo,           // a title-logo frame
    Cursor,         // the item-2 icon, at the cursor's x, y words
    RowMarker,      // a list marker, while its word is 1 (grey) or 2 (white)
    TitleScenery,   // a title scenery piece, while shown
    TitleMushroom,  // the mushroom cluster, by its frame
};

struct MenuSpriteRow {
    std::int32_t id = 0;
    std::int16_t texture = 0;
    MenuRect rect;
    float pivotX = 0, pivotY = 0;
    std::int16_t x = 0, y = 0;
    float depth = 0;        // < 0: the shared figure depth
    std::uint32_t colour = 0xFFFFFFFFu;
    MenuSpriteRule rule = MenuSpriteRule::Logo;
    std::int8_t param = 0;  // marker number, scenery piece or logo frame
};

// The item marker, 12 logo frames, 6 cursor frames, 13 row markers and the
// three title scenery pieces.
constexpr int kMenuSpriteRowCount = 35;

namespace menu_tables {

constexpr float kFigureDepth = -1.0f;

constexpr std::array<MenuSpriteRow, kMenuSpriteRowCount> BuildMenuSpriteRows() {
    std::array<MenuSpriteRow, kMenuSpriteRowCount> rows{};
    int i = 0;
    rows[i++] = {443001, 443, {0, 69, 27, 79}, 35, 0, 288, 310, 0.7f, 0xFFFFFFFFu, MenuSpriteRule::ItemMarker, 0};
    for (int n = 1; n <= 12; ++n)
        rows[i++] = {201000 + n, 201,
                     {0, static_cast<std::int16_t>(82 * (n - 1)), 586, static_cast<std::int16_t>(82 * n - 1)},
                     293, 41, 512, 350, kFigureDepth, 0xFFFFFFFFu, MenuSpriteRule::Logo, static_cast<std::int8_t>(n)};
    constexpr MenuRect kCursor[3] = {{0, 0, 18, 28}, {19, 0, 37, 19}, {38, 0, 56, 26}};
    constexpr float kCursorPivot[6][2] = {{19, 28}, {9, 19}, {2, 26}, {19, 28}, {9, 29}, {2, 26}};
    for (int f = 1; f <= 6; ++f)
        rows[i++] = {423000 + f, 423, kCursor[(f - 1) % 3], kCursorPivot[f - 1][0], kCursorPivot[f - 1][1], 0, 0,
                     kFigureDepth, f <= 3 ? 0xFFFFFFFFu : 0xFF333333u, MenuSpriteRule::Cursor, 0};
    for (int n = 1; n <= 13; ++n)
        rows[i++] = {439000 + n, 439, {127, 79, 144, 103}, 22, 0, 288, static_cast<std::int16_t>(200 + 35 * (n - 1)),
                     0.7f, 0xFFFFFFFFu, MenuSpriteRule::RowMarker, static_cast<std::int8_t>(n)};
    // The title scenery comes after the markers: the large crystal replaces
    // marker 13 while it is shown.
    rows[i++] = {439013, 439, {0, 80, 79, 136}, 39, 0, 500, 544, 0.8f, 0, MenuSpriteRule::TitleScenery, 1};
    rows[i++] = {439014, 439, {80, 80, 123, 125}, 39, 0, 250, 554, 0.8f, 0, MenuSpriteRule::TitleScenery, 2};
    rows[i++] = {439015, 439, {0, 0, 67, 79}, 34, 0, 776, 522, 0.8f, 0, MenuSpriteRule::TitleMushroom, 3};
    return rows;
}

}  // namespace menu_tables

inline constexpr std::array<MenuSpriteRow, kMenuSpriteRowCount> kMenuSpriteRows = menu_tables::BuildMenuSpriteRows();
// Width of one frame of the mushroom cluster (frame k starts at (k - 1) * 68).
constexpr std::int32_t kMushroomFrameWidth = 68;

// ----------------------------------------------------------- title mushrooms
struct TitleFigureFrame {
    MenuRect rect;
    float pivotX = 0, pivotY = 0;
};
constexpr std::int32_t kTitleFigureTexture = 443;
// [family][frame - 1]: family 0 the green pair (figures 1, 2), 1 the blue pair.
inline constexpr TitleFigureFrame kTitleFigureFrames[2][6] = {
    {{{0, 0, 55, 60}, 28, 60},
     {{56, 0, 106, 62}, 25, 62},
     {{107, 0, 155, 79}, 24, 79},
     {{156, 0, 201, 90}, 23, 79},
     {{202, 0, 245, 104}, 22, 79},
     {{36, 65, 81, 104}, 22, 79}},
    {{{0, 105, 40, 139}, 20, 35},
     {{41, 105, 81, 139}, 20, 35},
     {{41, 105, 81, 139}, 20, 35},
     {{82, 105, 110, 148}, 14, 44},
     {{111, 105, 148, 155}, 19, 51},
     {{149, 105, 189, 155}, 19, 51}},
};
