// The staff roll: section headings and credit lines. The cast names the
// game's people as its lines name them, in the order the player meets them;
// every other name in it is our own invention.
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

// Cast lines: a character's name as its lines give it (a role for those
// without one) and, where the game gives them another name (a title, or the
// label they speak under before they are named), that name beside it. A
// lone name stands centred under the heading; a pair meets at the heading's
// middle, the name ending a character's width before it and the other name
// starting a character's width after it.
inline constexpr int kRollCastMiddle = kRollCastHeadingOffset + RollTextWidth(kRollCastHeading) / 2;
inline constexpr int kRollCastHalfGap = 17;

#define QM_CAST(k, text) RollLine{k, kRollCastBase, CentredUnder(kRollCastHeading, kRollCastHeadingOffset, text), text}
#define QM_CAST2(k, name, second)                                                              \
    RollLine{k, kRollCastBase, kRollCastMiddle - kRollCastHalfGap - RollTextWidth(name), name}, \
        RollLine{k, kRollCastBase, kRollCastMiddle + kRollCastHalfGap, second}

inline constexpr RollLine kRollLines[] = {
    {1, kRollCastBase, kRollCastHeadingOffset, kRollCastHeading},
    QM_CAST(2, "ﾅﾚｰﾀ"),
    QM_CAST(3, "モモ"),
    QM_CAST2(4, "リシェル", "姫様"),
    QM_CAST(5, "カーラ"),
    QM_CAST(6, "カーラの　手下　その一"),
    QM_CAST(7, "カーラの　手下　その二"),
    QM_CAST(8, "野原を　歩く　魔物たち"),
    QM_CAST(9, "広場の　魔物たち"),
    QM_CAST(10, "広場の　なぞの　男"),
    QM_CAST2(11, "道の管理人", "おしらせ！"),
    QM_CAST(12, "ぴょんぴょん　はねる　いきもの"),
    QM_CAST(13, "きのこ屋"),
    QM_CAST2(14, "セシル", "セシル先生"),
    QM_CAST(15, "永遠の　鎧"),
    QM_CAST(16, "門の　声"),
    QM_CAST(17, "空から　おそう　鳥の　魔物"),
    QM_CAST(18, "地面から　出てくる　大きな　魔物"),
    QM_CAST(19, "あつまる　魔物たち"),
    QM_CAST(20, "ガロ"),
    QM_CAST(21, "ベス"),
    QM_CAST(22, "ポポ"),
    QM_CAST(23, "闘技場の　兵士"),
    QM_CAST2(24, "ドルム王", "王様"),
    QM_CAST(25, "闘技場の　観客"),
    QM_CAST(26, "ミヅハ"),
    QM_CAST(27, "エルザ"),
    QM_CAST(28, "いくつにも　わかれた　生き物"),
    QM_CAST2(29, "ベルン", "行商人"),
    QM_CAST2(30, "ガルド", "歩兵隊の　隊長"),
    QM_CAST(31, "ミレイユ"),
    QM_CAST2(32, "ヴェラ", "あやしい女"),
    QM_CAST2(33, "ゴルド", "あやしい男"),
    QM_CAST(34, "守備隊の　隊長"),
    QM_CAST2(35, "兵士Ａ", "副長"),
    QM_CAST(36, "兵士Ｂ"),
    QM_CAST(37, "門の　兵士たち"),
    QM_CAST(38, "兵士Ｃ"),
    QM_CAST(39, "兵舎の　兵士たち"),
    QM_CAST2(40, "機兵", "部屋の　番人"),
    QM_CAST2(41, "剣士", "もと　騎士"),
    QM_CAST(42, "まぼろしの　鳥たち"),
    QM_CAST2(43, "魔女", "店員／ただの店員"),
    QM_CAST(44, "魔女の　しもべ"),
    QM_CAST(45, "光に　かえられた　人びと"),
    QM_CAST(46, "女王"),
    QM_CAST(47, "光の像"),
    QM_CAST(48, "光から　もどった　子"),
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
