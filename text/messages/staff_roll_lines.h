// The staff roll: section headings and credit lines. Every name in it is our
// own invention.
#pragma once

#include <cstdint>

// Approximate width in pixels of a line in the 17-pixel dialogue font:
// half-width characters (ASCII, half-width katakana) take half the height,
// every other character the full height. Good enough to centre a line
// under its heading.
constexpr int RollTextWidth(const char* utf8) {
    int width2 = 0;   // in half pixels
    for (int i = 0; utf8[i] != '\0';) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            width2 += 17;
            i += 1;
        } else if (lead >= 0xF0) {
            width2 += 34;
            i += 4;
        } else if (lead >= 0xE0) {
            // U+FF61..U+FF9F (EF BD A1 .. EF BE 9F) are half-width.
            const unsigned char b1 = static_cast<unsigned char>(utf8[i + 1]);
            const unsigned char b2 = static_cast<unsigned char>(utf8[i + 2]);
            const bool halfWidth = lead == 0xEF && ((b1 == 0xBD && b2 >= 0xA1) || b1 == 0xBE);
            width2 += halfWidth ? 17 : 34;
            i += 3;
        } else {
            width2 += 34;
            i += 2;
        }
    }
    return width2 / 2;
}

// The x offset (from the section's base x) that centres `line` under a
// heading drawn at `headingOffset`.
constexpr int CentredUnder(const char* heading, int headingOffset, const char* line) {
    return headingOffset + RollTextWidth(heading) / 2 - RollTextWidth(line) / 2;
}

struct RollLine {
    std::int16_t k;        // line number: y = roll offset + 30 k
    std::int16_t baseX;    // the section's base x
    std::int16_t offset;   // the line's own x offset from the base
    const char* text;
};

inline constexpr int kRollCastBase = 450;
inline constexpr int kRollArtBase = 435;
inline constexpr int kRollMakerBase = 465;

inline constexpr const char* kRollCastHeading = "--- 出演 ---";
inline constexpr int kRollCastHeadingOffset = 16;
inline constexpr const char* kRollStyleHeading = "----- スタイルアート -----";
inline constexpr const char* kRollBodyHeading = "----- ボディーアート -----";
inline constexpr int kRollArtHeadingOffset = -20;
inline constexpr const char* kRollStaffHeading = "----- スタッフ -----";
inline constexpr const char* kRollMakerHeading = "    制作      ";
inline constexpr int kRollMakerHeadingOffset = 8;

// The closing credit line, held in the middle of the screen at the end.
inline constexpr std::int16_t kRollClosingK = 113;
inline constexpr int kRollClosingMinY = 370;
inline constexpr const char* kRollClosingLine = "クィルマーチ製作室";
// Centred under the heading's word itself: its four leading blanks are
// narrower in the font than the estimate gives them.
inline constexpr int kRollClosingOffset = CentredUnder("制作", kRollMakerHeadingOffset + 19, kRollClosingLine);

// Cast lines: a role and, beside it, the name of whoever plays it, in two
// columns whose block stands centred under the heading; a role without a
// name is centred on its own.
inline constexpr int kRollCastRoleColumn = 12 * 17;   // twelve full-width characters
inline constexpr int kRollCastGap = 2 * 17;
inline constexpr int kRollCastNameColumn = 9 * 17;
inline constexpr int kRollCastRoleOffset =
    kRollCastHeadingOffset + RollTextWidth(kRollCastHeading) / 2 -
    (kRollCastRoleColumn + kRollCastGap + kRollCastNameColumn) / 2;
inline constexpr int kRollCastNameOffset = kRollCastRoleOffset + kRollCastRoleColumn + kRollCastGap;

#define QM_CAST(k, text) RollLine{k, kRollCastBase, CentredUnder(kRollCastHeading, kRollCastHeadingOffset, text), text}
#define QM_CAST2(k, role, name) \
    RollLine{k, kRollCastBase, kRollCastRoleOffset, role}, RollLine{k, kRollCastBase, kRollCastNameOffset, name}

inline constexpr RollLine kRollLines[] = {
    {1, kRollCastBase, kRollCastHeadingOffset, kRollCastHeading},
    QM_CAST2(2, "ヒロイン", "ミナセ　ユウ"),
    QM_CAST2(3, "相棒のちいさな獣", "コダマ　ヒナ"),
    QM_CAST2(4, "家にしのびこんだ男", "タカツキ　ゲン"),
    QM_CAST2(5, "きのこ売り", "アマノ　シズク"),
    QM_CAST2(6, "門番", "クロガネ　ジョウ"),
    QM_CAST2(7, "師匠", "ヨモギ　セツ"),
    QM_CAST(8, "はねる草玉"),
    QM_CAST2(9, "飛びトカゲ", "ハヤセ　ミツル"),
    QM_CAST(10, "歩きキノコ"),
    QM_CAST(11, "見回りイモムシ"),
    QM_CAST(12, "野の魔物たち"),
    QM_CAST2(13, "旅の三人組　長兄", "イワサキ　トウマ"),
    QM_CAST2(14, "旅の三人組　次兄", "イワサキ　リク"),
    QM_CAST2(15, "旅の三人組　末弟", "イワサキ　ソラ"),
    QM_CAST2(16, "闘技場の司会", "ヒビキ　マモル"),
    QM_CAST2(17, "一回戦の相手", "ガロウ"),
    QM_CAST2(18, "二回戦の相手", "ツバキ　レン"),
    QM_CAST2(19, "三回戦の相手", "ドウマル"),
    QM_CAST2(20, "決勝の相手", "シラヌイ　カエデ"),
    QM_CAST(21, "観客のみなさん"),
    QM_CAST2(22, "闘技場の王", "オオトリ　ケンザン"),
    QM_CAST(23, "目をさます石像"),
    QM_CAST(24, "いくつもの頭をもつもの"),
    QM_CAST2(25, "盾の剣士", "ハガネ　イツキ"),
    QM_CAST2(26, "拳の武闘家", "リュウザキ　タケル"),
    QM_CAST2(27, "旅の商人", "モリノ　ポポ"),
    QM_CAST2(28, "宿の主人", "モリノ　ココ"),
    QM_CAST(29, "つかまえっこの小鳥たち"),
    QM_CAST2(30, "洞窟の番人", "ゴウライ"),
    QM_CAST2(31, "洞窟の双子", "ミギリ　ヒダリ"),
    QM_CAST2(32, "洞窟のあるじ", "オボロ"),
    QM_CAST2(33, "城の兵士　その一", "カゲヤマ　ジン"),
    QM_CAST2(34, "城の兵士　その二", "カゲヤマ　ライ"),
    QM_CAST(35, "かたむく像"),
    QM_CAST(36, "くずれる床と鎖"),
    QM_CAST(37, "ばらばらの巨人"),
    QM_CAST2(38, "刃の巨人", "ヤイバ"),
    QM_CAST(39, "町の人びと"),
    QM_CAST2(40, "城下の店主", "フクベ　トク"),
    QM_CAST2(41, "仮面の女王", "ミカゲ　ヨル"),
    QM_CAST2(42, "女王のしもべ", "ツキシロ　ナギ"),
    QM_CAST(43, "女王の影"),
    QM_CAST2(44, "最後の扉の主", "クオン"),
    QM_CAST(45, "砕ける偶像"),
    QM_CAST(46, "村のこどもたち"),
    QM_CAST2(47, "村の長老", "フルカワ　ゲンジ"),
    QM_CAST2(48, "ナレーター", "シノノメ　アカリ"),
    QM_CAST(49, "そして　あなた"),

    {59, kRollArtBase, kRollArtHeadingOffset, kRollStyleHeading},
    {60, kRollArtBase, CentredUnder(kRollStyleHeading, kRollArtHeadingOffset, "アトリエ・ハルカゼ"),
     "アトリエ・ハルカゼ"},
    {61, kRollArtBase, -40, "ヒロインの服"}, {61, kRollArtBase, 146, "ハルカゼ　ミオ"},
    {62, kRollArtBase, -40, "狩人の服"},     {62, kRollArtBase, 146, "ハルカゼ　ミオ"},
    {63, kRollArtBase, -40, "永遠の鎧"},     {63, kRollArtBase, 146, "ヤナギ　トオル"},
    {64, kRollArtBase, -40, "ナイフと鞘"},   {64, kRollArtBase, 146, "ヤナギ　トオル"},
    {65, kRollArtBase, -40, "闘技場の旗"},   {65, kRollArtBase, 146, "サクラバ　ユイ"},
    {66, kRollArtBase, -40, "女王の仮面"},   {66, kRollArtBase, 146, "サクラバ　ユイ"},
    {67, kRollArtBase, -40, "村の衣装"},     {67, kRollArtBase, 146, "アトリエ一同"},

    {77, kRollArtBase, kRollArtHeadingOffset, kRollBodyHeading},
    {78, kRollArtBase, CentredUnder(kRollBodyHeading, kRollArtHeadingOffset, "工房ミズカゲ"),
     "工房ミズカゲ"},
    {79, kRollArtBase, -70, "ヒロインの動き"}, {79, kRollArtBase, 100, "ミズカゲ　ソウ"},
    {80, kRollArtBase, -70, "闘技場の戦士たち"}, {80, kRollArtBase, 100, "ミズカゲ　ソウ"},
    {81, kRollArtBase, -70, "野の魔物たち"}, {81, kRollArtBase, 100, "オトワ　カナメ"},
    {82, kRollArtBase, -70, "洞窟の住人たち"}, {82, kRollArtBase, 100, "オトワ　カナメ"},
    {83, kRollArtBase, -70, "城の兵士たち"}, {83, kRollArtBase, 100, "キサラギ　ルイ"},
    {84, kRollArtBase, -70, "巨人たち"}, {84, kRollArtBase, 100, "キサラギ　ルイ"},
    {85, kRollArtBase, -70, "仮面の女王"}, {85, kRollArtBase, 100, "工房一同"},

    {95, kRollArtBase, 0, kRollStaffHeading},
    {96, kRollArtBase, 0, "　絵"}, {96, kRollArtBase, 90, "アオバ　チヒロ"},
    {97, kRollArtBase, 0, "　音楽"}, {97, kRollArtBase, 90, "スズネ　カイ"},
    {98, kRollArtBase, 0, "　造形"}, {98, kRollArtBase, 90, "ミズカゲ　ソウ"},
    {99, kRollArtBase, 0, "　脚本"}, {99, kRollArtBase, 90, "ツヅリ　ハル"},
    {100, kRollArtBase, 0, "　監督"}, {100, kRollArtBase, 90, "クロサワ　ノゾム"},

    {112, kRollMakerBase, kRollMakerHeadingOffset, kRollMakerHeading},
};

#undef QM_CAST
#undef QM_CAST2
