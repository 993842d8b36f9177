// The texts of the menu side: the quit prompt, item and equipment texts, the
// save and load prompts, the game-over narrations and the title notice.
#pragma once

#include "text/messages/message_table.h"

// ------------------------------------------------------- quit prompt --
// By promptLine 1..10 (font 6, cyan, line height 80).
inline constexpr MessageLine kQuit1[] = {
    {450, 214, "もっとあそぼうよ。"},
    {420, 244, "ほんとうに  やめちゃうの？"},
    {430, 274, "やめる→Ｙ　やめない→Ｎ"},
};
inline constexpr MessageLine kQuit2[] = {{330, 274, "　　　　やったー！！"}};
inline constexpr MessageLine kQuit3[] = {{530, 294, "　　　　やったー！！"}};
inline constexpr MessageLine kQuit4[] = {{330, 274, "そう・・・やめるんだ・・"}};
inline constexpr MessageLine kQuit5[] = {{530, 294, "　　　　またあそぼうね、"}};
inline constexpr MessageLine kQuit6[] = {{530, 294, "　　　　きっとだよ～！！"}};
inline constexpr MessageLine kQuit7[] = {{530, 294, "　Enter　おすと、終了するよ！"}};
inline constexpr MessageLine kQuit8[] = {{530, 294, "　　　　おつかれさまでした！！"}};
inline constexpr MessageLine kQuit9[] = {{530, 294, "　Enter　おすと、終了いたします！！"}};
inline constexpr MessageLine kQuit10[] = {{530, 294, "　　　　はい続行します！！"}};
inline constexpr MessageGroup kQuitPrompt[] = {
    Group(1, kQuit1), Group(2, kQuit2), Group(3, kQuit3), Group(4, kQuit4), Group(5, kQuit5),
    Group(6, kQuit6), Group(7, kQuit7), Group(8, kQuit8), Group(9, kQuit9), Group(10, kQuit10),
};

// ------------------------------------------------- item descriptions --
// By ItemTextNo (font 6, cyan, line height 80).
inline constexpr MessageLine kItem1[] = {
    {50, 230, "クィルマーチ名産の、あまいりんご！！"},
    {70, 252, "ＨＰ回復 +20"},
};
inline constexpr MessageLine kItem2[] = {
    {50, 230, "新鮮なキノコは動く！！"},
    {70, 252, "ＨＰ回復 +40"},
};
inline constexpr MessageLine kItem3[] = {   // the two lines at swapped x
    {70, 230, "ひろった　かぎ"},
    {50, 252, "あけたい場所でつかおう"},
};
inline constexpr MessageLine kItem4[] = {
    {50, 230, "クリスタルをつかうと"},
    {70, 252, "ＨＰ回復 +100！！"},
};
inline constexpr MessageLine kItem5[] = {
    {50, 230, "赤水晶をつかうと"},
    {70, 252, "ＨＰ完全回復！！"},
};
inline constexpr MessageLine kItem9[] = {
    {50, 230, "いま　アイテムはもってないよ！！"},
    {70, 252, "まずは、りんご　でもとってね。"},
};
inline constexpr MessageGroup kItemTexts[] = {
    Group(1, kItem1), Group(2, kItem2), Group(3, kItem3),
    Group(4, kItem4), Group(5, kItem5), Group(9, kItem9),
};

// By ItemUsable.
inline constexpr MessageLine kItemUse1[] = {{50, 275, "Enter で、つかえるよ。"}};
inline constexpr MessageLine kItemUse2[] = {{50, 275, "いまは、つかえないよ。"}};
inline constexpr MessageGroup kItemUseTexts[] = {Group(1, kItemUse1), Group(2, kItemUse2)};

// --------------------------------------------- equipment descriptions --
// By EquipTextNo. On the equipment page the list's row markers stand from
// x 266 and its rows from x 303, level with these lines: every line ends
// before the markers.
inline constexpr MessageLine kEquip1[] = {
    {50, 225, "軽くてうごきやすい！！"},
    {70, 247, "お気に入りの、狩人の服。"},
};
inline constexpr MessageLine kEquip2[] = {
    {50, 225, "小型で頑丈、！！"},
    {70, 247, "クィルマーチ製のナイフ。"},
};
inline constexpr MessageLine kEquip3[] = {
    {50, 225, "かっこいい！！"},
    {70, 247, "攻撃型のよろい。"},
};
inline constexpr MessageGroup kEquipTexts[] = {Group(1, kEquip1), Group(2, kEquip2), Group(3, kEquip3)};

// By EquipStateText.
inline constexpr MessageLine kEquipUse1[] = {{50, 270, "Enter で、装備するよ。"}};
inline constexpr MessageLine kEquipUse2[] = {{50, 270, "装備中だよ。"}};
inline constexpr MessageLine kEquipUse3[] = {
    {50, 270, "狩人の服じゃないと"},
    {90, 290, "装備できないよ。"},
};
inline constexpr MessageLine kEquipUse4[] = {{50, 270, "永遠の鎧を着なきゃ装備できないよ。"}};
inline constexpr MessageLine kEquipUse5[] = {{50, 270, "ここで着替えられないよ。"}};
inline constexpr MessageGroup kEquipUseTexts[] = {
    Group(1, kEquipUse1), Group(2, kEquipUse2), Group(3, kEquipUse3),
    Group(4, kEquipUse4), Group(5, kEquipUse5),
};

// ----------------------------------------------- save and load prompts --
// Beside the heroine's figure, two lines each.
inline constexpr const char* kLoadNoData = "データが、\n保存されてないよ。";
inline constexpr const char* kLoadAllowed = "Enterで、\nよみこむよ。";
inline constexpr const char* kLoadRefused = "ここでは、\nよみこめないよ。";
inline constexpr const char* kSaveAllowed = "Enterで、\n保存するよ。";
inline constexpr const char* kSaveRefused = "ここでは、\n保存できないよ。";
// In place of the save prompt after a save that failed, until the next key.
inline constexpr const char* kSaveFailed = "ごめんね、保存できなかったよ・・・";

// ------------------------------------------------------ slot summaries --
inline constexpr const char* kSlotNoData = "　　　　  データなし";
// The date of slot 1 stands one blank further right than slots 2 and 3.
inline constexpr const char* kSlotDateFormat1 = "　　　　　 %6d年 %2d月 %2d日 %2d: %2d: %2d";
inline constexpr const char* kSlotDateFormat23 = "　　　　  %6d年 %2d月 %2d日 %2d: %2d: %2d";
inline constexpr const char* kSlotPlayTimeFormat = "トータル  %4d: %2d: %2d";
inline constexpr const char* kSlotValuesFormat = "Hp%7d/%7d     Ep%7d     %7dバル ";

// ------------------------------------------------- game-over narration --
// Line n of a variant is shown while its step is n or more. Line 1 opens
// with the narrator's label; lines 2 to 4 continue the narrator's words.
// Y leads to the title, where the journey begins again from the start or
// from a save, not from where she fell: the words say so.
inline constexpr MessageLine kGameOverNarration1[] = {
    {340, 300, "ﾅﾚｰﾀ ： ああ、なんということでしょう・・・"},
    {402, 340, "旅は　ここで　とぎれてしまいました。"},
    {402, 375, "けれど、あきらめるには　まだ早すぎます。"},
    {392, 415, "タイトルにもどって、はじめからか　記録から　やりなおしましょう。"},
    {320, 465, "  続行なら　Ｙ、　終了なら　Ｅｓｃ をおしてあげて下さい。"},
};
inline constexpr MessageLine kGameOverNarration2[] = {
    {340, 300, "ﾅﾚｰﾀ ： ああ、なんということでしょう・・・"},
    {402, 340, "・・・おや、すっかり　ねむってしまったようです。"},
    {402, 375, "このまま　そっとしておきますか？"},
    {392, 415, "おこせば、タイトルから　また　旅に　出られます。"},
    {320, 465, "おこすなら　Ｙ、　ほっとくなら　Ｅｓｃ をおしてしまって下さい。"},
};

// ---------------------------------------------------------- the notice --
// Under the title logo (font 3, hint grey).
inline constexpr MessageLine kTitleNotice = {273, 420, "このゲームは体験版です。最初の章を　おたのしみください。"};
