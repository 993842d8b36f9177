// The lines of the Era04 stage: the entrance talks, the two soldier fights
// and the barrier, on the field-and-fight word. Every line is font 6 in
// black in the dialogue box; a second line is a reply with its own label or
// an unlabelled continuation.
#include <cstddef>

#include "areas/message_tables.h"
#include "text/messages/area_texts.h"

namespace {

constexpr std::int8_t kDialogueFont = 6;
constexpr std::int16_t kLineHeight = 80;

constexpr MessageLine kLine1[] = {{210, 700, "リシェル　　：　この先が　お城の入り口ね……。　だれも　いないみたい。"}};
constexpr MessageLine kLine2[] = {{210, 700, "ﾅﾚｰﾀ　：　門番の姿は　どこにも　見あたりません。"}};
constexpr MessageLine kLine3[] = {{210, 700, "リシェル　　：　しずかすぎるわ。　なにか　あったのかしら。"}};
constexpr MessageLine kLine4[] = {{210, 700, "ﾅﾚｰﾀ　：　この先の　門をくぐれば　城の中庭です。"}};
constexpr MessageLine kLine5[] = {{210, 700, "リシェル　　：　あれが　城の門ね。　ひらいているみたい。"}};
constexpr MessageLine kLine6[] = {{210, 700, "ﾅﾚｰﾀ　：　門の向こうから　かすかに　足音が　聞こえます。"}};
constexpr MessageLine kLine7[] = {{210, 700, "リシェル　　：　だれか　いるのね。　気をつけて　進みましょう。"}};
constexpr MessageLine kLine8[] = {{210, 700, "ﾅﾚｰﾀ　：　城を守る兵たちが　待ちかまえているかも　しれません。"}};
constexpr MessageLine kLine18[] = {{210, 700, "隊長の声　：　止まれ！　ここから先は　王宮の守備隊の持ち場だ。"}, {210, 725, "　　　　　　許しのない者は　ひとりも　通さん！"}};
constexpr MessageLine kLine19[] = {{210, 700, "リシェル　　：　わたしは　この国の姫です。　通してください。"}};
constexpr MessageLine kLine20[] = {{210, 700, "リシェル　　：　わたしは　この国の姫です。　通してください。"}, {210, 725, "隊長の声　：　姫だと？　姫様が　ひとりで　来られるはずがない。"}};
constexpr MessageLine kLine21[] = {{210, 700, "リシェル　　：　本当です。　城で　なにが　起きているの？"}};
constexpr MessageLine kLine22[] = {{210, 700, "隊長の声　：　問答無用！　にせものなら　腕で　たしかめるまでだ。"}};
constexpr MessageLine kLine23[] = {{210, 700, "隊長の声　：　かかれ！　この娘を　取りおさえろ！"}};
constexpr MessageLine kLine24[] = {{210, 700, "リシェル　　：　待って！　わたしは　戦いに来たんじゃないわ！"}};
constexpr MessageLine kLine25[] = {{210, 700, "リシェル　　：　待って！　わたしは　戦いに来たんじゃないわ！"}, {210, 725, "隊長の声　：　問答無用と　言ったはずだ！"}};
constexpr MessageLine kLine26[] = {{210, 700, "リシェル　　：　しかたないわね……。　少しだけ　相手を　してあげる！"}};
constexpr MessageLine kLine27[] = {{210, 700, "隊長の声　：　な、なんと……　あの突進を　けりだけで　しりぞけるとは。"}};
constexpr MessageLine kLine28[] = {{210, 700, "隊長の声　：　ええい、ひるむな！　何者で　あろうと　この門は　通さん！"}};
constexpr MessageLine kLine29[] = {{210, 700, "リシェル　　：　もう　やめて！　わたしは　ほんとうに　この国の姫なの。"}, {265, 725, "お城で　なにが　起きているのか　教えて！"}};
constexpr MessageLine kLine30[] = {{210, 700, "兵士Ａ　：　槍を　むけても　ひるまない……。　隊長、この方は　本物の　姫様です！"}};
constexpr MessageLine kLine31[] = {{210, 700, "兵士Ｂ　：　Ａ、槍を　おさめろ……　う……　からだが　光に　のまれる……！"}};
constexpr MessageLine kLine32[] = {{210, 700, "隊長の声　：　Ｂ！？　……また　ひとり、光に　さらわれたか。"}, {265, 725, "姫様、とんだ　ご無礼を。　城は　いま　このありさまなのです。"}};
constexpr MessageLine kLine33[] = {{210, 700, "兵士Ａ　：　三日前から　城の奥に　黒い光が　満ちているのです。"}};
constexpr MessageLine kLine34[] = {{210, 700, "兵士Ａ　：　あの光に　のまれた者は　消えるか、心を　うばわれて　しまいます。"}};
constexpr MessageLine kLine35[] = {{210, 700, "隊長の声　：　ゆえに　門は　とざした。　姫様とて　その服では　お通しできませぬ。"}};
constexpr MessageLine kLine36[] = {{210, 700, "兵士Ａ　：　光を　はね返せるのは、いにしえの　永遠の鎧だけと　聞きます。"}};
constexpr MessageLine kLine37[] = {{210, 700, "隊長の声　：　永遠の鎧を　まとって　来られたなら、そのときは　門を　ひらきましょう。"}};
constexpr MessageLine kLine38[] = {{210, 700, "兵士Ａ　：　鎧の　ありかは、西の森で　野宿する　行商人が　知っているやも　しれません。"}};
constexpr MessageLine kLine39[] = {{210, 700, "隊長の声　：　きょうから　おまえが　副長だ。　わしは　奥へ　仲間を　さがしに　ゆく。"}};
constexpr MessageLine kLine40[] = {{210, 700, "兵士Ａ　：　はっ！　姫様、永遠の鎧を　まとわれるまで　ここは　一歩も　通しませぬ。"}};
constexpr MessageLine kLine41[] = {{210, 700, "兵士Ａ　：　お止まりを、姫様！　まことに　永遠の鎧を　まとって　来られたのですね。"}};
constexpr MessageLine kLine42[] = {{210, 700, "リシェル　　：　ええ。　約束どおり　門を　あけてくれるわね？"}};
constexpr MessageLine kLine43[] = {{210, 700, "兵士Ａ　：　もうしわけ　ありません。　いまは　姫様でも　ここを　通せぬのです。"}};
constexpr MessageLine kLine44[] = {{210, 700, "リシェル　　：　どうして！？　隊長さんは？"}};
constexpr MessageLine kLine45[] = {{210, 700, "兵士Ａ　：　隊長は　仲間を　さがしに　奥の兵舎へ　入ったきり、もどりません。"}};
constexpr MessageLine kLine46[] = {{210, 700, "リシェル　　：　そんな……。　それで、あなたは？"}};
constexpr MessageLine kLine47[] = {{210, 700, "兵士Ａ　：　その夜、門まで　あふれた　黒い光を　わたしも　浴びました。"}};
constexpr MessageLine kLine48[] = {{210, 700, "リシェル　　：　まさか……　あなたも　あやつられて？"}};
constexpr MessageLine kLine49[] = {{210, 700, "兵士Ａ　：　槍が　手から　はなれないのです。　いまは　ひざを　つくのが　やっと……。"}};
constexpr MessageLine kLine50[] = {{210, 700, "リシェル　　：　しっかりして！　どうすれば　いいの？"}};
constexpr MessageLine kLine51[] = {{210, 700, "兵士Ａ　：　その鎧の　ちからで、わたしを　打ってください。"}, {266, 725, "光ごと　打ちはらえば　門は　ひらきます。"}};
constexpr MessageLine kLine52[] = {{210, 700, "リシェル　　：　そんな……！　あなたを　打つなんて　できないわ。"}};
constexpr MessageLine kLine53[] = {{210, 700, "兵士Ａ　：　このままでは　姫様に　槍を　むけつづけます。　それだけは　たえられませぬ。"}};
constexpr MessageLine kLine54[] = {{210, 700, "リシェル　　：　……ほかに　道は　ないの？"}};
constexpr MessageLine kLine55[] = {{210, 700, "兵士Ａ　：　ありません。　副長として　最後の　おねがいです。"}};
constexpr MessageLine kLine56[] = {{210, 700, "リシェル　　：　……わかったわ。"}};
constexpr MessageLine kLine57[] = {{210, 700, "兵士Ａ　：　兵舎の　奥に　隊長と　仲間たちが　いるはずです。　どうか　みんなを……。"}};
constexpr MessageLine kLine58[] = {{210, 700, "リシェル　　：　まかせて。　みんな　かならず　助けだすわ。"}};
constexpr MessageLine kLine59[] = {{210, 700, "リシェル　　：　……いくわよ。　すこしだけ　がまんしてね。"}};
constexpr MessageLine kLine60[] = {{210, 700, "兵士Ａ　：　う……　光が……　また　からだを……！"}};
constexpr MessageLine kLine61[] = {{210, 700, "兵士Ａ　：　姫様、いまです！"}, {266, 725, "ためらわずに　打ちこんでください！"}};
constexpr MessageLine kLine62[] = {{210, 700, "兵士Ａ　：　……おみごと……。　門は　ひらきました。　どうか　みんなを　光から……。"}};
constexpr MessageLine kLine65[] = {{210, 700, "ﾅﾚｰﾀ　：　兵舎の中は　うす暗く、ひんやりとしています。"}, {266, 725, "だれかが　ひそんでいる　気配がします。"}};
constexpr MessageLine kLine66[] = {{210, 700, "リシェル　　：　だれか　いるの？　助けに来たわ！"}};
constexpr MessageLine kLine67[] = {{210, 700, "ﾅﾚｰﾀ　：　奥の暗がりで　なにかが　動きました。"}};
constexpr MessageLine kLine68[] = {{210, 700, "リシェル　　：　あなたたち……　門の兵士たちの　仲間ね？"}};
constexpr MessageLine kLine69[] = {{210, 700, "ﾅﾚｰﾀ　：　兵たちは　うつろな目で　武器を　かまえています。"}};
constexpr MessageLine kLine70[] = {{210, 700, "隊長の声　：　ふふふ……　よく来たな、姫。"}};
constexpr MessageLine kLine71[] = {{210, 700, "リシェル　　：　隊長さん！　やっぱり　兵舎に　いたのね。"}, {266, 725, "……でも、なにか　ようすが　へん。"}};
constexpr MessageLine kLine72[] = {{210, 700, "リシェル　　：　その声……　いつもの　隊長さんじゃない！"}, {266, 725, "みんな　黒い光に　あやつられているのね。"}};
constexpr MessageLine kLine73[] = {{210, 700, "隊長の声　：　この者たちは　もう　わしの言いなりよ。"}};
constexpr MessageLine kLine74[] = {{210, 700, "隊長の声　：　さあ、かつての仲間に　討たれるがいい！"}};
constexpr MessageLine kLine75[] = {{210, 700, "リシェル　　：　みんなを　黒い光から　ときはなってみせる！"}};
constexpr MessageLine kLine76[] = {{210, 700, "隊長の声　：　かかれ！"}};
constexpr MessageLine kLine78[] = {{210, 700, "兵士Ｃ　：　う……　姫……様……？"}, {266, 725, "からだが……　かってに……。"}};
constexpr MessageLine kLine79[] = {{210, 700, "隊長の声　：　なにを　ためらう！　その娘を　討て！"}, {266, 725, "わしの　命令が　きけぬのか！"}};
constexpr MessageLine kLine80[] = {{210, 700, "兵士Ｃ　：　いやだ……！　姫様に　槍は　むけられない……！"}};
constexpr MessageLine kLine81[] = {{210, 700, "隊長の声　：　ならば　光を　もっと　浴びるがいい。"}, {266, 725, "おまえの　心など　のこらず　のみこんでくれる。"}};
constexpr MessageLine kLine82[] = {{210, 700, "兵士Ｃ　：　う……　あ……　光が……　また……！"}};
constexpr MessageLine kLine83[] = {{210, 700, "兵士Ｃ　：　姫様……　のまれる　まえに……　わたしを　打って……！"}};
constexpr MessageLine kLine84[] = {{210, 700, "リシェル　　：　隊長さん！　もう　やめて！　目を　さまして！"}};
constexpr MessageLine kLine85[] = {{210, 700, "隊長の声　：　う……　姫……様……？　わしは　いったい　なにを……。"}};
constexpr MessageLine kLine86[] = {{210, 700, "ﾅﾚｰﾀ　：　隊長の目に　わずかに　光が　もどりました。"}};
constexpr MessageLine kLine87[] = {{210, 700, "隊長の声　：　奥の部屋の　あるじが　黒い光で　わしらを　あやつったのです。"}};
constexpr MessageLine kLine88[] = {{210, 700, "隊長の声　：　部下たちを　この手で……　なんと　おわびを　すれば……。"}};
constexpr MessageLine kLine89[] = {{210, 700, "リシェル　　：　あなたの　せいじゃないわ。　かならず　みんなを　取りもどす。"}};
constexpr MessageLine kLine90[] = {{210, 700, "隊長の声　：　姫様、奥の部屋には　からくりの　番人が　おります。"}, {266, 725, "くれぐれも　ご用心を。"}};
constexpr MessageLine kLine91[] = {{210, 700, "リシェル　　：　ええ。　かならず　城を　取りもどしてみせる。"}};
constexpr MessageLine kLine92[] = {{210, 700, "隊長の声　：　さあ、お進みください。　扉は　すぐに　ひらきます。"}};
constexpr MessageLine kLine93[] = {{210, 700, "隊長の声　：　ぐっ……！　あの　円盤……　からくりの……。　姫様、ご武運を……！"}};
constexpr MessageLine kLine300[] = {{210, 700, "リシェル　　：　あれ？　扉の前で　足が　止まってしまう……。"}};
constexpr MessageLine kLine301[] = {{210, 700, "ﾅﾚｰﾀ　：　"}};
constexpr MessageLine kLine302[] = {{210, 700, "ﾅﾚｰﾀ　：　扉の前には　見えない壁が　はられています。"}};
constexpr MessageLine kLine303[] = {{210, 700, "ﾅﾚｰﾀ　：　狩人の服の　ままでは　この壁は　こえられないようです。"}};
constexpr MessageLine kLine304[] = {{210, 700, "リシェル　　：　そういえば……　門の兵士さんが　言っていたわね。"}};
constexpr MessageLine kLine305[] = {{210, 700, "ﾅﾚｰﾀ　：　Ｆ２の　メニューで　永遠の鎧に　着がえれば　通れるはずです。"}};
constexpr MessageLine kLine306[] = {{210, 700, "リシェル　　：　鎧に　着がえて　出直しましょう。"}};
constexpr MessageLine kLine307[] = {{210, 700, "ﾅﾚｰﾀ　：　いったん　うしろへ　さがります。"}};
constexpr MessageLine kLine308[] = {{210, 700, "リシェル　　：　ここで　あせっても　しかたないわ。"}};
constexpr MessageLine kLine309[] = {{210, 700, "リシェル　　：　準備が　できたら　また　来ましょう。"}};
constexpr MessageLine kLine320[] = {{210, 700, "リシェル　　：　隊長さん！　もう　やめて！　目を　さまして！"}};
constexpr MessageLine kLine321[] = {{210, 700, "隊長の声　：　う……　姫……様……？　わしは　いったい　なにを……。"}};
constexpr MessageLine kLine322[] = {{210, 700, "ﾅﾚｰﾀ　：　隊長の目に　わずかに　光が　もどりました。"}};
constexpr MessageLine kLine323[] = {{210, 700, "隊長の声　：　奥の部屋の　あるじが　黒い光で　わしらを　あやつったのです。"}};
constexpr MessageLine kLine324[] = {{210, 700, "隊長の声　：　その先には　からくりの　番人も　おります。"}};
constexpr MessageLine kLine325[] = {{210, 700, "リシェル　　：　わかったわ。　かならず　みんなを　取りもどす。"}};
constexpr MessageLine kLine326[] = {{210, 700, "隊長の声　：　姫様、くれぐれも　ご用心を。"}, {266, 725, "さあ、お進みください。　扉は　すぐに　ひらきます。"}};

// The entry counts its rows from the array, so a line given a second row
// shows it.
template <std::size_t N>
constexpr AreaMessageEntry Line(std::int32_t value, const MessageLine (&lines)[N]) {
    return AreaMessageEntry{&DialogueChannelsRecord::fieldLine, value, value, nullptr, kDialogueFont,
                            kLineHeight, kTextBlack, lines, static_cast<std::int32_t>(N)};
}

constexpr AreaMessageEntry kEntries[] = {
    Line(1, kLine1),
    Line(2, kLine2),
    Line(3, kLine3),
    Line(4, kLine4),
    Line(5, kLine5),
    Line(6, kLine6),
    Line(7, kLine7),
    Line(8, kLine8),
    Line(18, kLine18),
    Line(19, kLine19),
    Line(20, kLine20),
    Line(21, kLine21),
    Line(22, kLine22),
    Line(23, kLine23),
    Line(24, kLine24),
    Line(25, kLine25),
    Line(26, kLine26),
    Line(27, kLine27),
    Line(28, kLine28),
    Line(29, kLine29),
    Line(30, kLine30),
    Line(31, kLine31),
    Line(32, kLine32),
    Line(33, kLine33),
    Line(34, kLine34),
    Line(35, kLine35),
    Line(36, kLine36),
    Line(37, kLine37),
    Line(38, kLine38),
    Line(39, kLine39),
    Line(40, kLine40),
    Line(41, kLine41),
    Line(42, kLine42),
    Line(43, kLine43),
    Line(44, kLine44),
    Line(45, kLine45),
    Line(46, kLine46),
    Line(47, kLine47),
    Line(48, kLine48),
    Line(49, kLine49),
    Line(50, kLine50),
    Line(51, kLine51),
    Line(52, kLine52),
    Line(53, kLine53),
    Line(54, kLine54),
    Line(55, kLine55),
    Line(56, kLine56),
    Line(57, kLine57),
    Line(58, kLine58),
    Line(59, kLine59),
    Line(60, kLine60),
    Line(61, kLine61),
    Line(62, kLine62),
    Line(65, kLine65),
    Line(66, kLine66),
    Line(67, kLine67),
    Line(68, kLine68),
    Line(69, kLine69),
    Line(70, kLine70),
    Line(71, kLine71),
    Line(72, kLine72),
    Line(73, kLine73),
    Line(74, kLine74),
    Line(75, kLine75),
    Line(76, kLine76),
    Line(78, kLine78),
    Line(79, kLine79),
    Line(80, kLine80),
    Line(81, kLine81),
    Line(82, kLine82),
    Line(83, kLine83),
    Line(84, kLine84),
    Line(85, kLine85),
    Line(86, kLine86),
    Line(87, kLine87),
    Line(88, kLine88),
    Line(89, kLine89),
    Line(90, kLine90),
    Line(91, kLine91),
    Line(92, kLine92),
    Line(93, kLine93),
    Line(300, kLine300),
    Line(301, kLine301),
    Line(302, kLine302),
    Line(303, kLine303),
    Line(304, kLine304),
    Line(305, kLine305),
    Line(306, kLine306),
    Line(307, kLine307),
    Line(308, kLine308),
    Line(309, kLine309),
    Line(320, kLine320),
    Line(321, kLine321),
    Line(322, kLine322),
    Line(323, kLine323),
    Line(324, kLine324),
    Line(325, kLine325),
    Line(326, kLine326),
};

}  // namespace

const AreaMessageTable Era04StageMessageTable = MessageTableOf(kEntries);
