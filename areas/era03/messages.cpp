// The lines of Era03: every message its scenes show, by channel and value.
// Each line sits in the dialogue box: font 6, black, the first line at
// (210, 700) with its speaker, a continuation of the same speaker under it.
#include <cstddef>

#include "areas/message_tables.h"
#include "text/messages/area_texts.h"

namespace {

// The arena encounter: the intro, the three enemies' talks and the ending.

constexpr MessageLine kArena13[] = {{210, 700, "リシェル　　：　ここは・・・　さくに　かこまれた　広場？　だれかの　陣地　みたい。"}};
constexpr MessageLine kArena14[] = {{210, 700, "ﾅﾚｰﾀ　：　広場の　おくから　だれかの　話し声が　きこえる。"}};
constexpr MessageLine kArena15[] = {{210, 700, "リシェル　　：　あやしいわね。　ちょっと　ようすを　見てみよう。"}};
constexpr MessageLine kArena16[] = {{210, 700, "あやしい男　：　おい、だれか　きたぞ。"}};
constexpr MessageLine kArena17[] = {{210, 700, "あやしい女　：　見て、ゴルド。　小娘が　ひとりよ。　道に　まよったのかしら？"}};
constexpr MessageLine kArena18[] = {{210, 700, "ゴルド　　　：　まて、あの顔・・・　見おぼえが　あるぞ。"}};
constexpr MessageLine kArena19[] = {
    {210, 700, "あやしい女　：　まさか。　こんな　ところに　いるはずが　ないわ。"},
    {255, 725, "・・・でも　たしかに　にている。"},
};
constexpr MessageLine kArena20[] = {{210, 700, "ゴルド　　　：　カーラさまに　お知らせ　するか？"}};
constexpr MessageLine kArena21[] = {
    {210, 700, "あやしい女　：　まだよ。　まずは　わたしが　たしかめる。"},
    {255, 725, "あなたは　下がっていなさい。"},
};
constexpr MessageLine kArena22[] = {
    {210, 700, "あやしい女　：　そこの　娘！　ここは　わたしたちの　陣地よ。"},
    {255, 725, "なにを　しに　きたの？"},
};
constexpr MessageLine kArena23[] = {{210, 700, "ゴルド　　　：　こたえによっては　ただでは　かえさんぞ。"}};
constexpr MessageLine kArena24[] = {
    {210, 700, "あやしい女　：　だまっていても　むだよ。"},
    {255, 725, "その　目つき、ただの　旅人じゃ　ないわね。"},
};
constexpr MessageLine kArena25[] = {
    {210, 700, "あやしい女　：　いいわ。　すこし　あそんで　あげる。"},
    {255, 725, "まずは　あいさつ　がわりよ！"},
};
constexpr MessageLine kArena26[] = {{210, 700, "あやしい女　：　ふふ、見た？　ゴルド。　これが　この　ヴェラさまの　うでまえよ。"}};
constexpr MessageLine kArena27[] = {{210, 700, "ヴェラ　　　：　でも　こんな　せまい　ところじゃ　つまらないわね。"}};
constexpr MessageLine kArena28[] = {{210, 700, "ヴェラ　　　：　広場で　しょうぶよ。　にげるなら　いまのうちよ。"}};
constexpr MessageLine kArena29[] = {{210, 700, "ゴルド　　　：　ヴェラ、やりすぎるなよ。"}};
constexpr MessageLine kArena30[] = {{210, 700, "ヴェラ　　　：　わかってるわ。　すこし　ためすだけ。"}};
constexpr MessageLine kArena31[] = {{210, 700, "ﾅﾚｰﾀ　：　ヴェラは　さくの　内がわで　まちかまえている。"}};
constexpr MessageLine kArena32[] = {{210, 700, "リシェル　　：　のぞむところよ！　とびこえて　いくわ！"}};
constexpr MessageLine kArena33[] = {{210, 700, "リシェル　　：　さあ、かかってきなさい！"}};
constexpr MessageLine kArena34[] = {
    {210, 700, "ヴェラ　　　：　その　いきやよし。"},
    {255, 725, "でも　まずは　この　しかけを　見てもらうわ。"},
};
constexpr MessageLine kArena35[] = {
    {210, 700, "リシェル　　：　しかけ？"},
    {255, 725, "なにを　するつもり？"},
};
constexpr MessageLine kArena36[] = {{210, 700, "ヴェラ　　　：　この　はしらを　たてるわ。　ふれたら　しびれて　ふきとぶわよ。"}};
constexpr MessageLine kArena37[] = {
    {210, 700, "ヴェラ　　　：　にげばは　ないわ。"},
    {255, 725, "かべぎわには　気をつけることね。"},
};
constexpr MessageLine kArena38[] = {{210, 700, "ヴェラ　　　：　さあ、はじめましょう！"}};
constexpr MessageLine kArena39[] = {{210, 700, "ヴェラ　　　：　くっ・・・　まさか　わたしが　まけるなんて。"}};
constexpr MessageLine kArena40[] = {{210, 700, "ヴェラ　　　：　あなた、なかなか　やるわね。　みとめて　あげる。"}};
constexpr MessageLine kArena41[] = {{210, 700, "ヴェラ　　　：　それは　おれいよ。　つぎは　まけないからね。"}};
constexpr MessageLine kArena42[] = {{210, 700, "ゴルド　　　：　ヴェラを　たおすとは　たいした　ものだ。"}};
constexpr MessageLine kArena43[] = {{210, 700, "リシェル　　：　こんどは　あなたが　あいて？"}};
constexpr MessageLine kArena44[] = {{210, 700, "ゴルド　　　：　そうだ。　だが　おれは　自分から　手は　ださん。"}};
constexpr MessageLine kArena45[] = {{210, 700, "リシェル　　：　どういう　こと？"}};
constexpr MessageLine kArena46[] = {{210, 700, "ゴルド　　　：　おれの　まもりを　くずして　みろ。　それが　しょうぶだ。"}};
constexpr MessageLine kArena47[] = {{210, 700, "リシェル　　：　まもりを　くずす・・・？"}};
constexpr MessageLine kArena48[] = {{210, 700, "リシェル　　：　ずっと　かまえてる　だけ　なの？"}};
constexpr MessageLine kArena49[] = {{210, 700, "ゴルド　　　：　同じ　わざばかりでは　すぐに　見きられるぞ。"}};
constexpr MessageLine kArena50[] = {{210, 700, "ゴルド　　　：　ちがう　わざを　いくつも　ためして　みることだ。"}};
constexpr MessageLine kArena51[] = {{210, 700, "ゴルド　　　：　ただし　うかつに　ちかづけば　なげとばす。"}};
constexpr MessageLine kArena52[] = {{210, 700, "ゴルド　　　：　なげられて　たおれれば　おまえの　まけだ。"}};
constexpr MessageLine kArena53[] = {{210, 700, "ゴルド　　　：　はしらにも　気をつけろ。　あれは　おれにも　ききめが　ある。"}};
constexpr MessageLine kArena54[] = {{210, 700, "ゴルド　　　：　まけた　ときに　いいわけ　されたく　ないからな。"}};
constexpr MessageLine kArena55[] = {{210, 700, "リシェル　　：　わかったわ。　ぜったいに　くずしてみせる！"}};
constexpr MessageLine kArena56[] = {{210, 700, "ゴルド　　　：　いい　へんじだ。"}};
constexpr MessageLine kArena57[] = {{210, 700, "リシェル　　：　いくわよ！"}};
constexpr MessageLine kArena58[] = {{210, 700, "ゴルド　　　：　こい！"}};
constexpr MessageLine kArena59[] = {{210, 700, "ゴルド　　　：　まいった。　おれの　まもりが　ここまで　くずされるとは。"}};
constexpr MessageLine kArena60[] = {{210, 700, "ゴルド　　　：　ヴェラ、この娘は　ほんものだ。"}};
constexpr MessageLine kArena61[] = {{210, 700, "ヴェラ　　　：　ええ、わたしも　そう　おもうわ。"}};
constexpr MessageLine kArena62[] = {{210, 700, "ヴェラ　　　：　まさか　ほんとうに　あの　お方の・・・"}};
constexpr MessageLine kArena63[] = {{210, 700, "ゴルド　　　：　とにかく、カーラさまに　お会い　いただこう。"}};
constexpr MessageLine kArena64[] = {{210, 700, "ヴェラ　　　：　その前に、はい。　つかれたでしょう？"}};
constexpr MessageLine kArena65[] = {{210, 700, "リシェル　　：　ありがとう。　げんきが　でたわ。"}};
constexpr MessageLine kArena66[] = {{210, 700, "リシェル　　：　・・・カーラさま？　まさか、あの　カーラ！？"}};
constexpr MessageLine kArena67[] = {{210, 700, "カーラ　　　：　よっと。　さわがしいと　おもったら・・・　あなただったのね、お姫様。"}};
constexpr MessageLine kArena68[] = {{210, 700, "リシェル　　：　はしらの　上から　とびおりてきた・・・！　やっぱり　あの　カーラ　だわ！"}};
constexpr MessageLine kArena69[] = {{210, 700, "リシェル　　：　カーラ！　モモを　かえして！"}};
constexpr MessageLine kArena70[] = {{210, 700, "カーラ　　　：　ふふ、あたしが　この　ふたりの　あるじよ。"}};
constexpr MessageLine kArena71[] = {{210, 700, "カーラ　　　：　ヴェラと　ゴルドを　たおすなんて　おどろいたわ。"}};
constexpr MessageLine kArena72[] = {{210, 700, "カーラ　　　：　でも　あたしは　そう　かんたんには　いかないわよ。"}};
constexpr MessageLine kArena73[] = {
    {210, 700, "カーラ　　　：　あたしは　ひかる　たまを　うって　あいてを　するわ。"},
    {275, 725, "よけきれるかしら？"},
};
constexpr MessageLine kArena74[] = {
    {210, 700, "カーラ　　　：　それに　あたしは　あなたの　こうげきを"},
    {275, 725, "ちからに　かえる　すべを　しっているの。"},
};
constexpr MessageLine kArena75[] = {{210, 700, "カーラ　　　：　あなたが　あたしを　うつたび、あなたは　いやされる。"}};
constexpr MessageLine kArena76[] = {
    {210, 700, "カーラ　　　：　ふしぎ　でしょう？"},
    {275, 725, "でも　それが　あたしの　たたかい方。"},
};
constexpr MessageLine kArena77[] = {
    {210, 700, "カーラ　　　：　同じ　わざを　くりかえすと"},
    {275, 725, "すぐに　しかえしを　するわよ。"},
};
constexpr MessageLine kArena78[] = {{210, 700, "カーラ　　　：　さあ、どうする？"}};
constexpr MessageLine kArena79[] = {{210, 700, "リシェル　　：　なにを　いわれても　まけないわ。"}};
constexpr MessageLine kArena80[] = {
    {210, 700, "カーラ　　　：　いい　へんじね。"},
    {275, 725, "その目、だれかに　よく　にている。"},
};
constexpr MessageLine kArena81[] = {{210, 700, "リシェル　　：　だれかって？"}};
constexpr MessageLine kArena82[] = {{210, 700, "カーラ　　　：　いいえ、なんでも　ないわ。"}};
constexpr MessageLine kArena83[] = {
    {210, 700, "カーラ　　　：　あなたが　ほんものか　どうか、"},
    {275, 725, "この　あたしが　たしかめて　あげる。"},
};
constexpr MessageLine kArena84[] = {{210, 700, "カーラ　　　：　まけたら　おとなしく　かえりなさい。"}};
constexpr MessageLine kArena85[] = {
    {210, 700, "リシェル　　：　のぞむところよ。"},
    {275, 725, "かったら　モモの　いばしょを　はいて　もらうわ！"},
};
constexpr MessageLine kArena86[] = {{210, 700, "カーラ　　　：　ふふ、それは　あなたしだいね。"}};
constexpr MessageLine kArena87[] = {{210, 700, "リシェル　　：　いくわよ！"}};
constexpr MessageLine kArena88[] = {{210, 700, "カーラ　　　：　ヴェラ、ゴルド、手を　ださないでね。"}};
constexpr MessageLine kArena89[] = {{210, 700, "カーラ　　　：　これは　あたしと　この子の　しょうぶ。"}};
constexpr MessageLine kArena90[] = {{210, 700, "リシェル　　：　かくごしなさい！"}};
constexpr MessageLine kArena91[] = {{210, 700, "カーラ　　　：　さあ、いくわよ！"}};
constexpr MessageLine kArena92[] = {
    {210, 700, "カーラ　　　：　・・・おみごと。　あたしの　まけよ。"},
    {255, 725, "でも　さいごに　もう　ひとつだけ　ためさせて。"},
};
constexpr MessageLine kArena93[] = {{210, 700, "リシェル　　：　まだ　やるの？"}};
constexpr MessageLine kArena94[] = {
    {210, 700, "カーラ　　　：　これで　じゅうぶん。　あなたは　ほんものだわ。"},
    {255, 725, "また　いつか　会いましょう。"},
};
constexpr MessageLine kArena95[] = {{210, 700, "ヴェラ　　　：　カーラさまは　さきに　いってしまわれたわ。"}};
constexpr MessageLine kArena96[] = {{210, 700, "ヴェラ　　　：　わたしたちも　いくわ。　さいごに、これを　うけとって。"}};
constexpr MessageLine kArena97[] = {{210, 700, "ﾅﾚｰﾀ　：　三人は　どこかへ　さっていった。"}};
constexpr MessageLine kArena98[] = {{210, 700, "リシェル　　：　ふう・・・　つかれた。"}};
constexpr MessageLine kArena99[] = {{210, 700, "ﾅﾚｰﾀ　：　広場に　しずけさが　もどった。"}};
constexpr MessageLine kArena100[] = {{210, 700, "リシェル　　：　あの人たち、わたしの　ことを　しってるみたい　だった。"}};
constexpr MessageLine kArena101[] = {{210, 700, "ﾅﾚｰﾀ　：　リシェルは　からだを　ほぐして　おくことにした。"}};
constexpr MessageLine kArena102[] = {{210, 700, "リシェル　　：　とにかく　からだを　うごかして　おこう。"}};
constexpr MessageLine kArena103[] = {{210, 700, "リシェル　　：　ぐっと　ちからを　ためて・・・　いくわよ！"}};
constexpr MessageLine kArena104[] = {{210, 700, "リシェル　　：　うん、からだは　かるいわ。"}};
constexpr MessageLine kArena105[] = {{210, 700, "リシェル　　：　もうすこし　さきまで　いってみよう。"}};
constexpr MessageLine kArena106[] = {{210, 700, "リシェル　　：　このちょうしなら　だいじょうぶ。"}};
constexpr MessageLine kArena107[] = {{210, 700, "ﾅﾚｰﾀ　：　すこし　風が　出てきた。"}};
constexpr MessageLine kArena108[] = {{210, 700, "ﾅﾚｰﾀ　：　このさきに　ひとの　気配が　する。"}};
constexpr MessageLine kArena109[] = {{210, 700, "リシェル　　：　だれか　いるのかな？"}};
constexpr MessageLine kArena110[] = {{210, 700, "リシェル　　：　いってみよう！"}};

// One entry per value of the scene word.
template <std::size_t N>
constexpr AreaMessageEntry Arena(std::int32_t value, const MessageLine (&lines)[N]) {
    return AreaMessageEntry{&DialogueChannelsRecord::eventLine, value, value, nullptr, 6, 80, kTextBlack, lines,
                            static_cast<std::int32_t>(N)};
}

constexpr AreaMessageEntry kEra03Entries[] = {
    Arena(13, kArena13),
    Arena(14, kArena14),
    Arena(15, kArena15),
    Arena(16, kArena16),
    Arena(17, kArena17),
    Arena(18, kArena18),
    Arena(19, kArena19),
    Arena(20, kArena20),
    Arena(21, kArena21),
    Arena(22, kArena22),
    Arena(23, kArena23),
    Arena(24, kArena24),
    Arena(25, kArena25),
    Arena(26, kArena26),
    Arena(27, kArena27),
    Arena(28, kArena28),
    Arena(29, kArena29),
    Arena(30, kArena30),
    Arena(31, kArena31),
    Arena(32, kArena32),
    Arena(33, kArena33),
    Arena(34, kArena34),
    Arena(35, kArena35),
    Arena(36, kArena36),
    Arena(37, kArena37),
    Arena(38, kArena38),
    Arena(39, kArena39),
    Arena(40, kArena40),
    Arena(41, kArena41),
    Arena(42, kArena42),
    Arena(43, kArena43),
    Arena(44, kArena44),
    Arena(45, kArena45),
    Arena(46, kArena46),
    Arena(47, kArena47),
    Arena(48, kArena48),
    Arena(49, kArena49),
    Arena(50, kArena50),
    Arena(51, kArena51),
    Arena(52, kArena52),
    Arena(53, kArena53),
    Arena(54, kArena54),
    Arena(55, kArena55),
    Arena(56, kArena56),
    Arena(57, kArena57),
    Arena(58, kArena58),
    Arena(59, kArena59),
    Arena(60, kArena60),
    Arena(61, kArena61),
    Arena(62, kArena62),
    Arena(63, kArena63),
    Arena(64, kArena64),
    Arena(65, kArena65),
    Arena(66, kArena66),
    Arena(67, kArena67),
    Arena(68, kArena68),
    Arena(69, kArena69),
    Arena(70, kArena70),
    Arena(71, kArena71),
    Arena(72, kArena72),
    Arena(73, kArena73),
    Arena(74, kArena74),
    Arena(75, kArena75),
    Arena(76, kArena76),
    Arena(77, kArena77),
    Arena(78, kArena78),
    Arena(79, kArena79),
    Arena(80, kArena80),
    Arena(81, kArena81),
    Arena(82, kArena82),
    Arena(83, kArena83),
    Arena(84, kArena84),
    Arena(85, kArena85),
    Arena(86, kArena86),
    Arena(87, kArena87),
    Arena(88, kArena88),
    Arena(89, kArena89),
    Arena(90, kArena90),
    Arena(91, kArena91),
    Arena(92, kArena92),
    Arena(93, kArena93),
    Arena(94, kArena94),
    Arena(95, kArena95),
    Arena(96, kArena96),
    Arena(97, kArena97),
    Arena(98, kArena98),
    Arena(99, kArena99),
    Arena(100, kArena100),
    Arena(101, kArena101),
    Arena(102, kArena102),
    Arena(103, kArena103),
    Arena(104, kArena104),
    Arena(105, kArena105),
    Arena(106, kArena106),
    Arena(107, kArena107),
    Arena(108, kArena108),
    Arena(109, kArena109),
    Arena(110, kArena110),
};

}  // namespace

const AreaMessageTable Era03MessageTable = MessageTableOf(kEra03Entries);
