// The lines of Era03: every message its scenes show, by channel and value.
// Each line sits in the dialogue box: font 6, black, the first line at
// (210, 700) with its speaker, a continuation of the same speaker under it.
#include <cstddef>

#include "text/messages/area_texts.h"

namespace {

// The arena encounter: the intro, the three enemies' talks and the ending.

constexpr MessageLine kArena13[] = {{210, 700, "リシェル　　：　あれは・・・　テント？　だれかが　ここで　野営してる。"}};
constexpr MessageLine kArena14[] = {{210, 700, "ﾅﾚｰﾀ　：　広場の　おくに　三つの　人かげが　見える。"}};
constexpr MessageLine kArena15[] = {{210, 700, "リシェル　　：　あやしいわね。　ちょっと　ようすを　見てみよう。"}};
constexpr MessageLine kArena16[] = {{210, 700, "大男：　おい、だれか　きたぞ。"}};
constexpr MessageLine kArena17[] = {{210, 700, "女兵士：　あら、小娘が　ひとり。　道に　まよったのかしら？"}};
constexpr MessageLine kArena18[] = {{210, 700, "ゴルド：　ヴェラ、あの顔・・・　見おぼえが　あるぞ。"}};
constexpr MessageLine kArena19[] = {
    {210, 700, "女兵士：　まさか。　こんな　ところに　いるはずが　ないわ。"},
    {255, 725, "・・・でも　たしかに　にている。"},
};
constexpr MessageLine kArena20[] = {{210, 700, "ゴルド：　姫さまに　お知らせ　するか？"}};
constexpr MessageLine kArena21[] = {
    {210, 700, "女兵士：　まだよ。　まずは　わたしが　たしかめる。"},
    {255, 725, "あなたは　下がっていなさい。"},
};
constexpr MessageLine kArena22[] = {
    {210, 700, "女兵士：　そこの　娘！　ここは　わたしたちの　陣地よ。"},
    {255, 725, "なにを　しに　きたの？"},
};
constexpr MessageLine kArena23[] = {{210, 700, "ゴルド：　こたえによっては　ただでは　かえさんぞ。"}};
constexpr MessageLine kArena24[] = {
    {210, 700, "女兵士：　だまっていても　むだよ。"},
    {255, 725, "その　目つき、ただの　旅人じゃ　ないわね。"},
};
constexpr MessageLine kArena25[] = {
    {210, 700, "女兵士：　いいわ。　すこし　あそんで　あげる。"},
    {255, 725, "このヴェラさまの　うでまえ、見せてあげるわ！"},
};
constexpr MessageLine kArena26[] = {{210, 700, "女兵士：　ふふ、おどろいた？　これが　わたしの　剣さばきよ。"}};
constexpr MessageLine kArena27[] = {{210, 700, "ヴェラ：　でも　こんな　せまい　ところじゃ　つまらないわね。"}};
constexpr MessageLine kArena28[] = {{210, 700, "ヴェラ：　広場で　しょうぶよ。　にげるなら　いまのうちよ。"}};
constexpr MessageLine kArena29[] = {{210, 700, "ゴルド：　ヴェラ、やりすぎるなよ。"}};
constexpr MessageLine kArena30[] = {{210, 700, "ヴェラ：　わかってるわ。　すこし　ためすだけ。"}};
constexpr MessageLine kArena31[] = {{210, 700, "ﾅﾚｰﾀ　：　ヴェラは　広場の　まんなかへ　とびだした。"}};
constexpr MessageLine kArena32[] = {{210, 700, "リシェル　　：　のぞむところよ！　とびこえて　いくわ！"}};
constexpr MessageLine kArena33[] = {{210, 700, "リシェル　　：　さあ、かかってきなさい！"}};
constexpr MessageLine kArena34[] = {
    {210, 700, "ヴェラ：　その　いきやよし。"},
    {255, 725, "でも　まずは　この　しかけを　見てもらうわ。"},
};
constexpr MessageLine kArena35[] = {
    {210, 700, "リシェル　　：　しかけ？"},
    {255, 725, "なにを　するつもり？"},
};
constexpr MessageLine kArena36[] = {{210, 700, "ヴェラ：　あの　はしらに　ふれたら　しびれて　ふきとぶわよ。"}};
constexpr MessageLine kArena37[] = {
    {210, 700, "ヴェラ：　にげばは　ないわ。"},
    {255, 725, "かべぎわには　気をつけることね。"},
};
constexpr MessageLine kArena38[] = {{210, 700, "ヴェラ：　さあ、はじめましょう！"}};
constexpr MessageLine kArena39[] = {{210, 700, "ヴェラ：　くっ・・・　まさか　わたしが　まけるなんて。"}};
constexpr MessageLine kArena40[] = {{210, 700, "ヴェラ：　あなた、なかなか　やるわね。　みとめて　あげる。"}};
constexpr MessageLine kArena41[] = {{210, 700, "ヴェラ：　それは　おれいよ。　つぎは　まけないからね。"}};
constexpr MessageLine kArena42[] = {{210, 700, "ゴルド：　ヴェラを　たおすとは　たいした　ものだ。"}};
constexpr MessageLine kArena43[] = {{210, 700, "リシェル　　：　こんどは　あなたが　あいて？"}};
constexpr MessageLine kArena44[] = {{210, 700, "ゴルド：　そうだ。　だが　おれは　自分から　手は　ださん。"}};
constexpr MessageLine kArena45[] = {{210, 700, "リシェル　　：　どういう　こと？"}};
constexpr MessageLine kArena46[] = {{210, 700, "ゴルド：　おれの　まもりを　くずして　みろ。　それが　しょうぶだ。"}};
constexpr MessageLine kArena47[] = {{210, 700, "リシェル　　：　まもりを　くずす・・・？"}};
constexpr MessageLine kArena48[] = {{210, 700, "リシェル　　：　ずっと　かまえてる　だけ　なの？"}};
constexpr MessageLine kArena49[] = {{210, 700, "ゴルド：　同じ　わざばかりでは　すぐに　見きられるぞ。"}};
constexpr MessageLine kArena50[] = {{210, 700, "ゴルド：　ちがう　わざを　いくつも　ためして　みることだ。"}};
constexpr MessageLine kArena51[] = {{210, 700, "ゴルド：　ただし　うかつに　ちかづけば　なげとばす。"}};
constexpr MessageLine kArena52[] = {{210, 700, "ゴルド：　なげられて　たおれれば　おまえの　まけだ。"}};
constexpr MessageLine kArena53[] = {{210, 700, "ゴルド：　はしらにも　気をつけろ。　あれは　おれにも　ききめが　ある。"}};
constexpr MessageLine kArena54[] = {{210, 700, "ゴルド：　まけた　ときに　いいわけ　されたく　ないからな。"}};
constexpr MessageLine kArena55[] = {{210, 700, "リシェル　　：　わかったわ。　ぜったいに　くずしてみせる！"}};
constexpr MessageLine kArena56[] = {{210, 700, "ゴルド：　いい　へんじだ。"}};
constexpr MessageLine kArena57[] = {{210, 700, "リシェル　　：　いくわよ！"}};
constexpr MessageLine kArena58[] = {{210, 700, "ゴルド：　こい！"}};
constexpr MessageLine kArena59[] = {{210, 700, "ゴルド：　まいった。　おれの　まもりが　ここまで　くずされるとは。"}};
constexpr MessageLine kArena60[] = {{210, 700, "ゴルド：　ヴェラ、この娘は　ほんものだ。"}};
constexpr MessageLine kArena61[] = {{210, 700, "ヴェラ：　ええ、わたしも　そう　おもうわ。"}};
constexpr MessageLine kArena62[] = {{210, 700, "ヴェラ：　まさか　ほんとうに　あの　お方の・・・"}};
constexpr MessageLine kArena63[] = {{210, 700, "ゴルド：　とにかく、姫さまに　お会い　いただこう。"}};
constexpr MessageLine kArena64[] = {{210, 700, "ヴェラ：　その前に、はい。　つかれたでしょう？"}};
constexpr MessageLine kArena65[] = {{210, 700, "リシェル　　：　ありがとう。　げんきが　でたわ。"}};
constexpr MessageLine kArena66[] = {{210, 700, "リシェル　　：　・・・姫さま？　だれの　ことだろう。"}};
constexpr MessageLine kArena67[] = {{210, 700, "セレスティア：　さわがしいと　おもったら・・・　あなたが　原因ね。"}};
constexpr MessageLine kArena68[] = {{210, 700, "リシェル　　：　あなたは　だれ？"}};
constexpr MessageLine kArena69[] = {{210, 700, "リシェル　　：　はしらの　上から　とびおりてきた・・・！"}};
constexpr MessageLine kArena70[] = {{210, 700, "セレスティア：　わたしは　セレスティア。　この　ふたりの　あるじよ。"}};
constexpr MessageLine kArena71[] = {{210, 700, "セレスティア：　ヴェラと　ゴルドを　たおすなんて　おどろいたわ。"}};
constexpr MessageLine kArena72[] = {{210, 700, "セレスティア：　でも　わたしは　そう　かんたんには　いかないわよ。"}};
constexpr MessageLine kArena73[] = {
    {210, 700, "セレスティア：　この　剣と　たまで　あいてを　するわ。"},
    {275, 725, "よけきれるかしら？"},
};
constexpr MessageLine kArena74[] = {
    {210, 700, "セレスティア：　それに　わたしは　あなたの　こうげきを"},
    {275, 725, "ちからに　かえる　すべを　しっているの。"},
};
constexpr MessageLine kArena75[] = {{210, 700, "セレスティア：　あなたが　わたしを　うつたび、あなたは　いやされる。"}};
constexpr MessageLine kArena76[] = {
    {210, 700, "セレスティア：　ふしぎ　でしょう？"},
    {275, 725, "でも　それが　わたしの　たたかい方。"},
};
constexpr MessageLine kArena77[] = {
    {210, 700, "セレスティア：　同じ　わざを　くりかえすと"},
    {275, 725, "すぐに　しかえしを　するわよ。"},
};
constexpr MessageLine kArena78[] = {{210, 700, "セレスティア：　さあ、どうする？"}};
constexpr MessageLine kArena79[] = {{210, 700, "リシェル　　：　なにを　いわれても　まけないわ。"}};
constexpr MessageLine kArena80[] = {
    {210, 700, "セレスティア：　いい　へんじね。"},
    {275, 725, "その目、だれかに　よく　にている。"},
};
constexpr MessageLine kArena81[] = {{210, 700, "リシェル　　：　だれかって？"}};
constexpr MessageLine kArena82[] = {{210, 700, "セレスティア：　いいえ、なんでも　ないわ。"}};
constexpr MessageLine kArena83[] = {
    {210, 700, "セレスティア：　わたしに　かったら"},
    {275, 725, "すこし　お話を　してあげる。"},
};
constexpr MessageLine kArena84[] = {{210, 700, "セレスティア：　まけたら　おとなしく　かえりなさい。"}};
constexpr MessageLine kArena85[] = {
    {210, 700, "リシェル　　：　やくそくよ。"},
    {275, 725, "わたしが　かったら　ぜんぶ　おしえてもらうわ！"},
};
constexpr MessageLine kArena86[] = {{210, 700, "セレスティア：　ええ、やくそくするわ。"}};
constexpr MessageLine kArena87[] = {{210, 700, "リシェル　　：　いくわよ！"}};
constexpr MessageLine kArena88[] = {{210, 700, "セレスティア：　ヴェラ、ゴルド、手を　ださないでね。"}};
constexpr MessageLine kArena89[] = {{210, 700, "セレスティア：　これは　わたしと　この子の　しょうぶ。"}};
constexpr MessageLine kArena90[] = {{210, 700, "リシェル　　：　かくごしなさい！"}};
constexpr MessageLine kArena91[] = {{210, 700, "セレスティア：　では　まいります！"}};
constexpr MessageLine kArena92[] = {
    {210, 700, "セレスティア：　・・・おみごと。　わたしの　まけよ。"},
    {255, 725, "でも　さいごに　もう　ひとつだけ　ためさせて。"},
};
constexpr MessageLine kArena93[] = {{210, 700, "リシェル　　：　まだ　やるの？"}};
constexpr MessageLine kArena94[] = {
    {210, 700, "セレスティア：　これで　じゅうぶん。　あなたは　ほんものだわ。"},
    {255, 725, "また　いつか　会いましょう。"},
};
constexpr MessageLine kArena95[] = {{210, 700, "ヴェラ：　姫さまは　さきに　いってしまわれたわ。"}};
constexpr MessageLine kArena96[] = {{210, 700, "ヴェラ：　わたしたちも　いくわ。　さいごに、これを　うけとって。"}};
constexpr MessageLine kArena97[] = {{210, 700, "ﾅﾚｰﾀ　：　三人は　どこかへ　さっていった。"}};
constexpr MessageLine kArena98[] = {{210, 700, "リシェル　　：　ふう・・・　つかれた。"}};
constexpr MessageLine kArena99[] = {{210, 700, "ﾅﾚｰﾀ　：　広場に　しずけさが　もどった。"}};
constexpr MessageLine kArena100[] = {{210, 700, "リシェル　　：　あの人たち、わたしの　ことを　しってるみたい　だった。"}};
constexpr MessageLine kArena101[] = {{210, 700, "ﾅﾚｰﾀ　：　リシェルは　からだを　ほぐして　おくことにした。"}};
constexpr MessageLine kArena102[] = {{210, 700, "リシェル　　：　とにかく　からだを　うごかして　おこう。"}};
constexpr MessageLine kArena103[] = {{210, 700, "リシェル　　：　よし、いくわよ！"}};
constexpr MessageLine kArena104[] = {{210, 700, "リシェル　　：　うん、からだは　かるいわ。"}};
constexpr MessageLine kArena105[] = {{210, 700, "リシェル　　：　もうすこし　さきまで　いってみよう。"}};
constexpr MessageLine kArena106[] = {{210, 700, "リシェル　　：　このちょうしなら　だいじょうぶ。"}};
constexpr MessageLine kArena107[] = {{210, 700, "ﾅﾚｰﾀ　：　だいぶ　日が　かたむいてきた。"}};
constexpr MessageLine kArena108[] = {{210, 700, "ﾅﾚｰﾀ　：　このさきに　ひとの　気配が　する。"}};
constexpr MessageLine kArena109[] = {{210, 700, "リシェル　　：　だれか　いるのかな？"}};
constexpr MessageLine kArena110[] = {{210, 700, "リシェル　　：　いってみよう！"}};


// The duel at the gate of the objects' stretch: its talk and its last words.

constexpr MessageLine kDuel1[] = {{210, 700, "剣士：　まて。　ここから　さきへは　とおさん。"}};
constexpr MessageLine kDuel2[] = {{210, 700, "リシェル　　：　どうして？　わたしは　さきを　いそいでるの。"}};
constexpr MessageLine kDuel3[] = {{210, 700, "剣士：　この道を　ゆく者は　わが剣を　こえねば　ならぬ。"}};
constexpr MessageLine kDuel4[] = {{210, 700, "リシェル　　：　・・・たたかえって　こと？"}};
constexpr MessageLine kDuel5[] = {{210, 700, "剣士：　そうだ。　だが　いまの　おまえでは　あいてに　ならん。"}};
constexpr MessageLine kDuel6[] = {{210, 700, "リシェル　　：　やってみなきゃ　わからないでしょ！"}};
constexpr MessageLine kDuel7[] = {{210, 700, "剣士：　ほう、いい　目を　している。"}};
constexpr MessageLine kDuel8[] = {{210, 700, "剣士：　わが剣は　まもりの剣。　たやすくは　とおらぬぞ。"}};
constexpr MessageLine kDuel9[] = {{210, 700, "リシェル　　：　まもりの　剣？"}};
constexpr MessageLine kDuel10[] = {{210, 700, "剣士：　おまえの　一撃を　うけ、かわし、はねかえす。"}};
constexpr MessageLine kDuel11[] = {{210, 700, "剣士：　すきを　見せれば　かならず　かえしてやろう。"}};
constexpr MessageLine kDuel12[] = {{210, 700, "リシェル　　：　じゃあ　すきを　見せなければ　いいのね。"}};
constexpr MessageLine kDuel13[] = {{210, 700, "剣士：　口では　なんとでも　いえる。"}};
constexpr MessageLine kDuel14[] = {{210, 700, "剣士：　つづけて　うちこまれれば　わしとて　まもりきれぬ。"}};
constexpr MessageLine kDuel15[] = {{210, 700, "剣士：　だが　うちこみすぎれば　わしの　れんげきが　まっている。"}};
constexpr MessageLine kDuel16[] = {{210, 700, "リシェル　　：　・・・おぼえておくわ。"}};
constexpr MessageLine kDuel17[] = {{210, 700, "剣士：　とびこみ斬りは　まあいが　いのちだ。"}};
constexpr MessageLine kDuel18[] = {{210, 700, "剣士：　ちかすぎても　とおすぎても　はねかえす。"}};
constexpr MessageLine kDuel19[] = {{210, 700, "リシェル　　：　ずいぶん　おしえてくれるのね。"}};
constexpr MessageLine kDuel20[] = {{210, 700, "剣士：　知ったうえで　やぶれるなら　あきらめも　つこう。"}};
constexpr MessageLine kDuel21[] = {{210, 700, "剣士：　まずは　わしの　剣を　見せてやろう。"}};
constexpr MessageLine kDuel22[] = {{210, 700, "リシェル　　：　いつでも　いいわよ！"}};
constexpr MessageLine kDuel25[] = {{210, 700, "剣士：　これが　わしの　剣だ。　まだ　やるか？"}};
constexpr MessageLine kDuel26[] = {{210, 700, "リシェル　　：　もちろん！　このくらいで　まけないわ！"}};
constexpr MessageLine kDuel27[] = {{210, 700, "剣士：　よかろう。　かかってこい！"}};
constexpr MessageLine kDuel28[] = {{210, 700, "剣士：　・・・みごとだ。"}};
constexpr MessageLine kDuel29[] = {{210, 700, "剣士：　わしの　まもりを　やぶるとは。"}};
constexpr MessageLine kDuel30[] = {{210, 700, "リシェル　　：　あなたも　つよかったわ。"}};
constexpr MessageLine kDuel31[] = {{210, 700, "剣士：　この道を　ゆけ。　おまえなら　とおれよう。"}};


// The fighter under the ground: his intro, his defeat and the grab scene.

constexpr MessageLine kFighter1[] = {{210, 700, "ﾅﾚｰﾀ　：　足もとの　地面が　ゆれている・・・"}};
constexpr MessageLine kFighter2[] = {{210, 700, "格闘家：　よう、ここまで　よく　きたな。"}};
constexpr MessageLine kFighter3[] = {{210, 700, "リシェル　　：　地面の　なかから・・・！？　あなた　だれ？"}};
constexpr MessageLine kFighter4[] = {{210, 700, "格闘家：　おれは　この　あたりを　まもる　もんだ。"}};
constexpr MessageLine kFighter5[] = {{210, 700, "格闘家：　さっきの　剣士を　たおしたのは　おまえか。"}};
constexpr MessageLine kFighter6[] = {{210, 700, "リシェル　　：　そうよ。　ここも　とおして　もらうわ。"}};
constexpr MessageLine kFighter7[] = {{210, 700, "格闘家：　へっ、そう　かんたんに　いくかな。"}};
constexpr MessageLine kFighter8[] = {{210, 700, "格闘家：　おれは　地面の　なかを　じゆうに　うごける。"}};
constexpr MessageLine kFighter9[] = {{210, 700, "格闘家：　どこから　でてくるか　わからねえぞ。"}};
constexpr MessageLine kFighter10[] = {{210, 700, "格闘家：　さあ、こい！"}};
constexpr MessageLine kFighter12[] = {{210, 700, "格闘家：　ふう・・・　ひさしぶりの　地上だぜ。"}};
constexpr MessageLine kFighter13[] = {{210, 700, "格闘家：　ぐっ・・・　や、やるじゃねえか。"}};
constexpr MessageLine kFighter14[] = {{210, 700, "格闘家：　おれの　うごきを　見きるとは。"}};
constexpr MessageLine kFighter15[] = {{210, 700, "リシェル　　：　もう　おしまい？"}};
constexpr MessageLine kFighter16[] = {{210, 700, "格闘家：　・・・ああ、おれの　まけだ。"}};
constexpr MessageLine kFighter17[] = {{210, 700, "格闘家：　だが　この　さきは　もっと　きびしいぞ。"}};
constexpr MessageLine kFighter18[] = {{210, 700, "格闘家：　ひろばには　三人の　つわものが　いる。"}};
constexpr MessageLine kFighter19[] = {{210, 700, "リシェル　　：　三人・・・？"}};
constexpr MessageLine kFighter20[] = {{210, 700, "格闘家：　せいぜい　気を　つけるんだな。"}};
constexpr MessageLine kFighter21[] = {{210, 700, "格闘家：　じゃあな！　おれは　これで　ひきあげるぜ。"}};
constexpr MessageLine kFighter22[] = {{210, 700, "リシェル　　：　ちょっと　まって！"}};
constexpr MessageLine kFighter23[] = {{210, 700, "格闘家：　あばよ！"}};
constexpr MessageLine kFighter24[] = {{210, 700, "格闘家：　つかまえたぜ！"}};
constexpr MessageLine kFighter25[] = {{210, 700, "リシェル　　：　は、はなして！"}};
constexpr MessageLine kFighter26[] = {{210, 700, "格闘家：　おれの　とっておきを　くらいな！"}};
constexpr MessageLine kFighter27[] = {{210, 700, "リシェル　　：　いたた・・・　やったわね！"}};
constexpr MessageLine kFighter28[] = {{210, 700, "格闘家：　へっ、まだまだ　あまいな。"}};
constexpr MessageLine kFighter29[] = {{210, 700, "格闘家：　またか。　こりねえ　やつだ。"}};


// The hanging creature's intro and the ground trap.

constexpr MessageLine kField1[] = {{210, 700, "ﾅﾚｰﾀ　：　頭上に　なにかが　ぶらさがっている・・・"}};
constexpr MessageLine kField2[] = {{210, 700, "リシェル　　：　なに、あれ・・・　いきもの？"}};
constexpr MessageLine kField3[] = {{210, 700, "ﾅﾚｰﾀ　：　いくつもの　つぼみが　ゆらゆらと　ゆれている。"}};
constexpr MessageLine kField4[] = {{210, 700, "リシェル　　：　つぼみが　うごいてる！"}};
constexpr MessageLine kField5[] = {{210, 700, "ﾅﾚｰﾀ　：　つぼみが　ひらくと　ちいさな　虫が　とびだしてくる。"}};
constexpr MessageLine kField6[] = {{210, 700, "リシェル　　：　ちかづいたら　はじきとばされそうね。"}};
constexpr MessageLine kField7[] = {{210, 700, "ﾅﾚｰﾀ　：　とびだした　虫を　うちかえせば　本体に　あたるかもしれない。"}};
constexpr MessageLine kField8[] = {{210, 700, "リシェル　　：　なるほど。　虫を　はねかえして　ぶつければ　いいのね。"}};
constexpr MessageLine kField9[] = {{210, 700, "ﾅﾚｰﾀ　：　虫の　なかには　たまを　はくものも　いる。"}};
constexpr MessageLine kField10[] = {{210, 700, "リシェル　　：　気を　つけなきゃ。"}};
constexpr MessageLine kField11[] = {{210, 700, "リシェル　　：　よし、いくわよ！"}};
constexpr MessageLine kField12[] = {{210, 700, "リシェル　　：　きゃっ！　足もとから　なにか　でてきた！　こうげきで　こわせそうね。"}};

// One entry per value of the scene word.
template <std::size_t N>
constexpr AreaMessageEntry Arena(std::int32_t value, const MessageLine (&lines)[N]) {
    return AreaMessageEntry{&DialogueChannelsRecord::eventLine, value, value, nullptr, 6, 80, kTextBlack, lines,
                            static_cast<std::int32_t>(N)};
}


// One entry per value of the duel word.
template <std::size_t N>
constexpr AreaMessageEntry Duel(std::int32_t value, const MessageLine (&lines)[N]) {
    return AreaMessageEntry{&DialogueChannelsRecord::duelLine, value, value, nullptr, 6, 80, kTextBlack, lines,
                            static_cast<std::int32_t>(N)};
}

// One entry per value of the fighter word.
template <std::size_t N>
constexpr AreaMessageEntry Fighter(std::int32_t value, const MessageLine (&lines)[N]) {
    return AreaMessageEntry{&DialogueChannelsRecord::fighterLine, value, value, nullptr, 6, 80, kTextBlack, lines,
                            static_cast<std::int32_t>(N)};
}

constexpr AreaMessageEntry kEra03Entries[] = {
    Arena(1, kField1),
    Arena(2, kField2),
    Arena(3, kField3),
    Arena(4, kField4),
    Arena(5, kField5),
    Arena(6, kField6),
    Arena(7, kField7),
    Arena(8, kField8),
    Arena(9, kField9),
    Arena(10, kField10),
    Arena(11, kField11),
    Arena(12, kField12),
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
    Duel(1, kDuel1),
    Duel(2, kDuel2),
    Duel(3, kDuel3),
    Duel(4, kDuel4),
    Duel(5, kDuel5),
    Duel(6, kDuel6),
    Duel(7, kDuel7),
    Duel(8, kDuel8),
    Duel(9, kDuel9),
    Duel(10, kDuel10),
    Duel(11, kDuel11),
    Duel(12, kDuel12),
    Duel(13, kDuel13),
    Duel(14, kDuel14),
    Duel(15, kDuel15),
    Duel(16, kDuel16),
    Duel(17, kDuel17),
    Duel(18, kDuel18),
    Duel(19, kDuel19),
    Duel(20, kDuel20),
    Duel(21, kDuel21),
    Duel(22, kDuel22),
    Duel(25, kDuel25),
    Duel(26, kDuel26),
    Duel(27, kDuel27),
    Duel(28, kDuel28),
    Duel(29, kDuel29),
    Duel(30, kDuel30),
    Duel(31, kDuel31),
    Fighter(1, kFighter1),
    Fighter(2, kFighter2),
    Fighter(3, kFighter3),
    Fighter(4, kFighter4),
    Fighter(5, kFighter5),
    Fighter(6, kFighter6),
    Fighter(7, kFighter7),
    Fighter(8, kFighter8),
    Fighter(9, kFighter9),
    Fighter(10, kFighter10),
    Fighter(12, kFighter12),
    Fighter(13, kFighter13),
    Fighter(14, kFighter14),
    Fighter(15, kFighter15),
    Fighter(16, kFighter16),
    Fighter(17, kFighter17),
    Fighter(18, kFighter18),
    Fighter(19, kFighter19),
    Fighter(20, kFighter20),
    Fighter(21, kFighter21),
    Fighter(22, kFighter22),
    Fighter(23, kFighter23),
    Fighter(24, kFighter24),
    Fighter(25, kFighter25),
    Fighter(26, kFighter26),
    Fighter(27, kFighter27),
    Fighter(28, kFighter28),
    Fighter(29, kFighter29),
};

}  // namespace

const AreaMessageTable Era03MessageTable = MessageTableOf(kEra03Entries);
