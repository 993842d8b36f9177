// The lines of the final section on the scene word: the captive voices and
// the light, the crystal and the queen, the turn of the fight, her defeat
// and the ending.
#include "areas/message_tables.h"
#include "text/messages/area_texts.h"

namespace {

constexpr std::int8_t kDialogueFont = 6;
constexpr std::int16_t kLineHeight = 80;

#define HEROINE "リシェル　　：　"
#define NARRATOR "ﾅﾚｰﾀ　：　"
#define VOICES "？？？　　：　"
#define QUEEN "女王　　：　"

constexpr MessageLine k60[] = {{210, 700, NARRATOR "扉の奥は　しずまりかえった　広い部屋だった。"}};
constexpr MessageLine k61[] = {{210, 700, HEROINE "……なにか　いる。　空気が　ちがう。"}};
constexpr MessageLine k62[] = {{210, 700, NARRATOR "闇の中に　なにかの　気配が　する。"}};
constexpr MessageLine k63[] = {{210, 700, HEROINE "だれか　いるなら　出てきて！"}};
constexpr MessageLine k64[] = {{210, 700, HEROINE "……返事は　ない、か。"}};
constexpr MessageLine k65[] = {{210, 700, NARRATOR "光の粒が　ひとつ、またひとつと　集まっていく。"}};
constexpr MessageLine k66[] = {{210, 700, HEROINE "きれい……。　でも　なんだか　悲しい光。"}};
constexpr MessageLine k67[] = {{210, 700, VOICES "……たすけて……。"}};
constexpr MessageLine k68[] = {{210, 700, HEROINE "いまの　声……？　光の中から？"}};
constexpr MessageLine k69[] = {{210, 700, VOICES "ここから　出られないの……。"}};
constexpr MessageLine k70[] = {{210, 700, HEROINE "あなたたちは　だれ？　どうして　こんなところに？"}};
constexpr MessageLine k71[] = {{210, 700, VOICES "女王に　つかまって　光に　かえられたの……。"}};
constexpr MessageLine k72[] = {{210, 700, HEROINE "女王……！　この城の　あるじね。"}};
constexpr MessageLine k73[] = {{210, 700, VOICES "もう　なんねんも　ここに　いるの……。"}};
constexpr MessageLine k74[] = {{210, 700, HEROINE "ひどい……。　いま　たすけるから！"}};
constexpr MessageLine k75[] = {{210, 700, VOICES "だめ……　女王を　たおさないと　わたしたちは　もどれない。"}};
constexpr MessageLine k76[] = {{210, 700, VOICES "あの人は　わたしたちの　ちからを　すいとっているの。"}};
constexpr MessageLine k77[] = {{210, 700, HEROINE "ちからを……？　それで　あんなに　強い魔法を。"}};
constexpr MessageLine k78[] = {{210, 700, VOICES "奥に　大きな　クリスタルが　あるわ。"}};
constexpr MessageLine k79[] = {{210, 700, VOICES "あれが　女王の　ちからの　みなもと。"}};
constexpr MessageLine k80[] = {{210, 700, HEROINE "クリスタルを　こわせば　みんな　自由に　なれるのね。"}};
constexpr MessageLine k81[] = {{210, 700, VOICES "でも　気をつけて……　女王は　すぐ近くに　いる。"}};
constexpr MessageLine k82[] = {{210, 700, HEROINE "わかった。　かならず　もどってくるから。"}};
constexpr MessageLine k83[] = {{210, 700, VOICES "……まってる。"}};
constexpr MessageLine k84[] = {{210, 700, VOICES "……あなたに　光の　まもりが　ありますように。"}};
constexpr MessageLine k85[] = {{210, 700, VOICES "……。"}};
constexpr MessageLine k86[] = {{210, 700, HEROINE "奥から　風が　ふいてくる……。"}};
constexpr MessageLine k87[] = {{210, 700, NARRATOR "部屋の　さらに奥へ　通路が　のびている。"}};
constexpr MessageLine k88[] = {{210, 700, HEROINE "急がなきゃ。"}};
constexpr MessageLine k89[] = {{210, 700, NARRATOR "通路の先に　青い光が　ゆれている。"}, {275, 725, "まるで　呼吸を　しているようだ。"}};
constexpr MessageLine k90[] = {{210, 700, HEROINE "あれが　クリスタル……？"}};
constexpr MessageLine k91[] = {{210, 700, NARRATOR "光は　近づくほどに　強くなる。"}, {275, 725, "足もとが　かすかに　ふるえている。"}};
constexpr MessageLine k92[] = {{210, 700, HEROINE "みんなの　声が　きこえる気がする。"}};
constexpr MessageLine k93[] = {{210, 700, NARRATOR "通路の　むこうで　なにかが　うごいた。"}};
constexpr MessageLine k94[] = {{210, 700, HEROINE "……行こう。"}};
constexpr MessageLine k95[] = {{210, 700, HEROINE "ここが　いちばん奥……。"}};
constexpr MessageLine k96[] = {{210, 700, NARRATOR "部屋の　奥に　大きな　青い　光が　うかんでいる。"}};
constexpr MessageLine k97[] = {{210, 700, HEROINE "光の　なかに……　クリスタルが　見える！"}};
constexpr MessageLine k98[] = {{210, 700, HEROINE "……！　いつのまに　そこに……！？"}};
constexpr MessageLine k99[] = {{210, 700, QUEEN "よくぞ　ここまで　来たものだ、小娘。"}};
constexpr MessageLine k100[] = {{210, 700, HEROINE "あなたが　女王ね！"}};
constexpr MessageLine k101[] = {{210, 700, QUEEN "わらわの　城を　荒らしたのは　そなたか。"}, {275, 725, "兵も　番人も　みな　たおされたと　きく。"}};
constexpr MessageLine k102[] = {{210, 700, HEROINE "みんなを　光から　もとに　もどして！"}};
constexpr MessageLine k103[] = {{210, 700, QUEEN "もどす？　あれらは　わらわの　ちからの　糧。"}, {275, 725, "手ばなす　理由が　どこにある。"}};
constexpr MessageLine k104[] = {{210, 700, QUEEN "それに　そなたも　よい光を　もっておる。"}, {275, 725, "わらわの　クリスタルに　くわえてやろう。"}};
constexpr MessageLine k105[] = {{210, 700, QUEEN "さあ、ひざまずくがよい。"}, {275, 725, "いまなら　いたみも　なく　眠らせてやる。"}};
constexpr MessageLine k106[] = {{210, 700, HEROINE "おことわりよ！"}};
constexpr MessageLine k107[] = {{210, 700, QUEEN "威勢だけは　よいな。"}, {275, 725, "だが　それも　ここまでだ。"}};
constexpr MessageLine k108[] = {{210, 700, QUEEN "わらわの　剣を　うけてみよ。"}, {275, 725, "この城で　わらわに　勝てる者など　おらぬ。"}};
constexpr MessageLine k109[] = {{210, 700, HEROINE "……まだ　たてる。　まだ　たたかえる！"}};
constexpr MessageLine k110[] = {{210, 700, HEROINE "みんなの　ために、ここで　負けられない！"}};
constexpr MessageLine k111[] = {{210, 700, QUEEN "ならば　その身で　思い知るがよい。"}};
constexpr MessageLine k112[] = {{210, 700, HEROINE "いくわよ……！"}};
constexpr MessageLine k113[] = {{210, 700, HEROINE "クリスタルの　声が　きこえる。"}, {275, 725, "みんなが　背中を　おしてくれている。"}};
constexpr MessageLine k114[] = {{210, 700, QUEEN "こい、小娘！"}};
constexpr MessageLine k115[] = {{210, 700, QUEEN "……ほう、ここまで　わらわに　傷を　つけるとは。"}, {275, 725, "少しは　本気を　出さねばならぬようだ。"}};
constexpr MessageLine k116[] = {{210, 700, HEROINE "はぁ、はぁ……　まだまだ　これからよ！"}, {275, 725, "みんなの　光は　わたしが　とりもどす！"}};
constexpr MessageLine k117[] = {{210, 700, QUEEN "わらわの　剣に　光よ　やどれ……！"}};
constexpr MessageLine k118[] = {{210, 700, QUEEN "消えよ！"}};

constexpr MessageLine k119[] = {{210, 700, HEROINE "おわりよ、女王。　みんなを　かえして！"}};
constexpr MessageLine k120[] = {{210, 700, QUEEN "……ばかな。　わらわが　小娘ごときに……。"}};
constexpr MessageLine k121[] = {{210, 700, QUEEN "かえせ、だと……？"}, {275, 725, "あれらは　もう　わらわの　一部。"}};
constexpr MessageLine k122[] = {{210, 700, QUEEN "だれにも　わたさぬ……　わらわの　光じゃ……。"}};
constexpr MessageLine k123[] = {{210, 700, HEROINE "ちがう！　みんなは　みんなの　ものよ！"}, {275, 725, "だれかの　ちからに　される　光じゃない！"}};
constexpr MessageLine k124[] = {{210, 700, HEROINE "みんな、かえろう。　もう　だいじょうぶだから！"}};
constexpr MessageLine k125[] = {{210, 700, QUEEN "……光が　さわぐ。　わらわの　中で。"}};
constexpr MessageLine k126[] = {{210, 700, QUEEN "やめよ……　出ていくな……！"}};
constexpr MessageLine k127[] = {{210, 700, QUEEN "あ……あぁ……　わらわの　ちからが……。"}};
constexpr MessageLine k128[] = {{210, 700, QUEEN "光が……　つぎつぎに　ぬけていく……。"}};
constexpr MessageLine k129[] = {{210, 700, QUEEN "わらわは　ただ……　ひとりに　なりたく　なかった……　だけ……。"}};
constexpr MessageLine k130[] = {{210, 700, QUEEN "……これが　そなたの　光か……　まぶしい、のう……。"}};
constexpr MessageLine k131[] = {{210, 700, HEROINE "あれが　みんなを　とじこめている　青い光……。"}};
constexpr MessageLine k132[] = {{210, 700, HEROINE "いま　自由に　してあげる。"}};
constexpr MessageLine k133[] = {{210, 700, HEROINE "もうすこし……！"}};
constexpr MessageLine k134[] = {{210, 700, HEROINE "とどいて……！"}};
constexpr MessageLine k135[] = {{210, 700, HEROINE "これで　最後よ！"}};
constexpr MessageLine k136[] = {{400, 715, "……ありがとう。"}};
constexpr MessageLine k137[] = {{400, 715, "やっと　おうちに　かえれる。"}};
constexpr MessageLine k138[] = {{400, 715, "あなたの　こと、ずっと　わすれない。"}};

#undef HEROINE
#undef NARRATOR
#undef VOICES
#undef QUEEN

template <std::size_t N>
constexpr AreaMessageEntry Line(std::int32_t value, const MessageLine (&lines)[N]) {
    return AreaMessageEntry{&DialogueChannelsRecord::finaleLine, value, value, nullptr, kDialogueFont,
                            kLineHeight, kTextBlack, lines, static_cast<std::int32_t>(N)};
}

constexpr AreaMessageEntry kEntries[] = {
    Line(60, k60),   Line(61, k61),   Line(62, k62),   Line(63, k63),   Line(64, k64),   Line(65, k65),
    Line(66, k66),   Line(67, k67),   Line(68, k68),   Line(69, k69),   Line(70, k70),   Line(71, k71),
    Line(72, k72),   Line(73, k73),   Line(74, k74),   Line(75, k75),   Line(76, k76),   Line(77, k77),
    Line(78, k78),   Line(79, k79),   Line(80, k80),   Line(81, k81),   Line(82, k82),   Line(83, k83),
    Line(84, k84),   Line(85, k85),   Line(86, k86),   Line(87, k87),   Line(88, k88),   Line(89, k89),
    Line(90, k90),   Line(91, k91),   Line(92, k92),   Line(93, k93),   Line(94, k94),   Line(95, k95),
    Line(96, k96),   Line(97, k97),   Line(98, k98),   Line(99, k99),   Line(100, k100), Line(101, k101),
    Line(102, k102), Line(103, k103), Line(104, k104), Line(105, k105), Line(106, k106), Line(107, k107),
    Line(108, k108), Line(109, k109), Line(110, k110), Line(111, k111), Line(112, k112), Line(113, k113),
    Line(114, k114), Line(115, k115), Line(116, k116), Line(117, k117), Line(118, k118),
    Line(119, k119), Line(120, k120), Line(121, k121), Line(122, k122), Line(123, k123), Line(124, k124),
    Line(125, k125), Line(126, k126), Line(127, k127), Line(128, k128), Line(129, k129), Line(130, k130),
    Line(131, k131), Line(132, k132), Line(133, k133), Line(134, k134), Line(135, k135), Line(136, k136),
    Line(137, k137), Line(138, k138),
};

}  // namespace

const AreaMessageTable FinaleMessageTable = MessageTableOf(kEntries);
