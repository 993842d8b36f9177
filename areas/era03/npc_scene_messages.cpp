// The Era03 lines other than the arena encounter's: the creature encounter,
// the closed gate, the camp (walk-in, errand, talks, shop, the night's stay),
// the duel and the fighter. Every line is font 6, black, in the dialogue box.

#include "areas/era03/gate_lines.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "areas/message_tables.h"
#include "core/player.h"
#include "text/messages/area_texts.h"
#include "text/messages/message_table.h"

namespace {

// The shop's menu line under an offer: what the heroine owns of it and her
// money, each in ten places.
void PrintShopMenuLine(TextHelper& helper) {
    TextHelperSetInsertionPos(helper, 255, 725);
    TextHelperPrintf(helper, "　　所持数%10d　　　かう→Y   次→Enter 　買物終了→Ｎ　  所持金　%10dバル",
                     Era03NpcScene.ownedCount, Gold);
}

// eventLine: the creature encounter (1..12) and the closed gate (111..114).
constexpr MessageLine kEvent1[] = {{210, 700, "リシェル　　：　なにか　いる・・・！"}};
constexpr MessageLine kEvent2[] = {{210, 700, "ﾅﾚｰﾀ　：　目の前に　大きな　生き物が　あらわれた！"}, {255, 725, "いくつもの　かたまりが　うごめいている。"}};
constexpr MessageLine kEvent3[] = {{210, 700, "ﾅﾚｰﾀ　：　生き物は　道を　ふさいでいる。"}, {255, 725, "先へ　進むには　たおすしか　ない。"}};
constexpr MessageLine kEvent4[] = {{210, 700, "リシェル　　：　おおきい・・・　でも　負けない！"}};
constexpr MessageLine kEvent5[] = {{210, 700, "ﾅﾚｰﾀ　：　生き物の　からだは　いくつかに　わかれている。"}};
constexpr MessageLine kEvent6[] = {{210, 700, "ﾅﾚｰﾀ　：　ひとつずつ　ねらって　攻撃しよう。"}};
constexpr MessageLine kEvent7[] = {{210, 700, "リシェル　　：　よーし、いくよ！"}};
constexpr MessageLine kEvent8[] = {{210, 700, "ﾅﾚｰﾀ　：　Ｓキーや　Ｄキーで　攻撃だ！"}};
constexpr MessageLine kEvent9[] = {{210, 700, "リシェル　　：　モモ、まっててね！"}};
constexpr MessageLine kEvent10[] = {{210, 700, "ﾅﾚｰﾀ　：　生き物が　うなり声を　あげた！"}};
constexpr MessageLine kEvent11[] = {{210, 700, "リシェル　　：　かかってきなさい！"}};
constexpr MessageLine kEvent12[] = {{210, 700, "リシェル　　：　まだまだ！"}};

// shopLineC: the walk-in (1..18), the errand (19..32), the extra lines (33..36).
constexpr MessageLine kShopC1[] = {{210, 700, "リシェル　　：　あれ？　あそこに　テントが　ある・・・"}};
constexpr MessageLine kShopC2[] = {{210, 700, "ベルン　　　：　おや、そこに　いるのは　リシェルじゃないか！"}};
constexpr MessageLine kShopC3[] = {{210, 700, "リシェル　　：　ベルンさん！？　こんなところで　なにしてるの？"}};
constexpr MessageLine kShopC4[] = {{210, 700, "リシェル　　：　（街で　いつも　りんごを　売ってる　行商人さんだ）"}};
constexpr MessageLine kShopC5[] = {{210, 700, "ベルン　　　：　見てのとおり、野宿しながら　商いの旅さ。"}};
constexpr MessageLine kShopC6[] = {{210, 700, "リシェル　　：　わたし、カーラって人を　追いかけてるの。　モモが　つれていかれて・・・"}};
constexpr MessageLine kShopC7[] = {{210, 700, "ベルン　　　：　カーラ・・・　あの　むらさきの　服の　女か。"}};
constexpr MessageLine kShopC8[] = {{210, 700, "リシェル　　：　知ってるの！？"}};
constexpr MessageLine kShopC9[] = {{210, 700, "ベルン　　　：　ああ、この先の　城へ　向かうのを　見たよ。"}};
constexpr MessageLine kShopC10[] = {{210, 700, "リシェル　　：　お城・・・　すぐに　いかなきゃ！"}};
constexpr MessageLine kShopC11[] = {{210, 700, "ベルン　　　：　まあ待て。　もうすぐ　日が暮れる。"}, {255, 725, "夜の森は　あぶないぞ。"}};
constexpr MessageLine kShopC12[] = {{210, 700, "リシェル　　：　でも・・・"}};
constexpr MessageLine kShopC13[] = {{210, 700, "ベルン　　　：　腹が　へっては　戦は　できぬ、って言うだろう？"}};
constexpr MessageLine kShopC14[] = {{210, 700, "リシェル　　：　・・・たしかに　おなか　ぺこぺこ・・・"}};
constexpr MessageLine kShopC15[] = {{210, 700, "ベルン　　　：　はっはっは。　正直で　よろしい。"}};
constexpr MessageLine kShopC16[] = {{210, 700, "ベルン　　　：　うちは　宿屋も　やってるんだ。"}, {255, 725, "テントだけどな。"}};
constexpr MessageLine kShopC17[] = {{210, 700, "ベルン　　　：　食事つきで　一晩　泊まっていくと　いい。"}};
constexpr MessageLine kShopC18[] = {{210, 700, "ベルン　　　：　さあ、火の　そばへ　おいで。"}};
constexpr MessageLine kShopC19[] = {{210, 700, "リシェル　　：　ベルンさん、お城の　兵士さんが　通して　くれないの。"}, {255, 725, "永遠の鎧を　まとって　こいって。"}};
constexpr MessageLine kShopC20[] = {{210, 700, "リシェル　　：　永遠の鎧って、どこに　あるのかな・・・"}, {255, 725, "ベルンさんなら　知ってるかと　おもって。"}};
constexpr MessageLine kShopC21[] = {{210, 700, "ベルン　　　：　ふむ・・・　永遠の鎧なら　心あたりが　ある。"}};
constexpr MessageLine kShopC22[] = {{210, 700, "リシェル　　：　ほんとう！？"}};
constexpr MessageLine kShopC23[] = {{210, 700, "ベルン　　　：　最初の　野原の　西の　はしに、技の　練習場が　あるだろう？"}};
constexpr MessageLine kShopC24[] = {{210, 700, "ベルン　　　：　あそこで　修行を　やりとげた者が　永遠の鎧を　さずかるそうだ。"}};
constexpr MessageLine kShopC25[] = {{210, 700, "リシェル　　：　野原まで・・・　ずいぶん　もどらないと　いけないね。"}};
constexpr MessageLine kShopC26[] = {{210, 700, "ベルン　　　：　急がば　回れ、さ。"}};
constexpr MessageLine kShopC27[] = {{210, 700, "リシェル　　：　わかった。　やってみる！"}};
constexpr MessageLine kShopC28[] = {{210, 700, "ベルン　　　：　古い　はしらの　まえで　Ａキーを　おせば、修行が　はじまるそうだ。"}};
constexpr MessageLine kShopC29[] = {{210, 700, "ベルン　　　：　闘技場を　とおりぬけて、西へ　もどると　いい。"}};
constexpr MessageLine kShopC30[] = {{210, 700, "リシェル　　：　ありがとう、ベルンさん。"}};
constexpr MessageLine kShopC31[] = {{210, 700, "ベルン　　　：　礼は　強くなってからで　いい。"}, {255, 725, "気をつけて　いっておいで。"}};
constexpr MessageLine kShopC32[] = {{210, 700, "リシェル　　：　うん、いってきます！"}};
constexpr MessageLine kShopC33[] = {{210, 700, "ベルン　　　：　おや、その鎧は・・・　まさか　永遠の鎧じゃないか！"}};
constexpr MessageLine kShopC34[] = {{210, 700, "リシェル　　：　わかるの？　野原の　練習場で　手に　いれたの。"}};
constexpr MessageLine kShopC35[] = {{210, 700, "ベルン　　　：　その鎧なら　お城の　兵士も　きっと　道を　あけるさ。"}};
constexpr MessageLine kShopC36[] = {{210, 700, "リシェル　　：　うん！　さっそく　お城へ　いってみる！"}};

// shopLineA: the camp: talks, shop and the night's stay.
constexpr MessageLine kShopA20[] = {{210, 725, "リシェル　　：　ありがとう。　いってきます！"}};
constexpr MessageLine kShopA21[] = {{210, 700, "リシェル　　：　ベルンさーん、こんにちは！"}};
constexpr MessageLine kShopA22[] = {{210, 700, "リシェル　　：　ベルンさーん、こんにちは！"}, {210, 725, "ベルン　　　：　やあ、リシェル。　よく来たね。"}};
constexpr MessageLine kShopA23[] = {{210, 700, "リシェル　　：　なにか　いい物　ある？"}};
constexpr MessageLine kShopA24[] = {{210, 700, "リシェル　　：　なにか　いい物　ある？"}, {210, 725, "ベルン　　　：　ああ、いろいろ　そろってるよ。"}};
constexpr MessageLine kShopA26[] = {{210, 725, "リシェル　　：　それじゃ、いってきます！"}};
constexpr MessageLine kShopA27[] = {{255, 725, "いらっしゃい！　ゆっくり　見ていっておくれ。"}};
constexpr MessageLine kShopA29[] = {{255, 725, "            バルがたりません。"}};
constexpr MessageLine kShopA30[] = {{255, 725, "            ありがとうございます。"}};
constexpr MessageLine kShopA31[] = {{210, 700, "ベルン　　　：　今夜は　泊まっていくかい？　食事２回つきで　30バルだよ。"}};
constexpr MessageLine kShopA32[] = {{210, 700, "ベルン　　　：　よし、決まりだ。　いま　したくを　するからね。"}};
constexpr MessageLine kShopA33[] = {{210, 700, "リシェル　　：　ベルンさんは　ずっと　旅を　してるの？"}};
constexpr MessageLine kShopA34[] = {{210, 700, "リシェル　　：　（なにか　取り出してる・・・）"}};
constexpr MessageLine kShopA35[] = {{210, 700, "リシェル　　：　へえー、べんり！"}};
constexpr MessageLine kShopA36[] = {{210, 700, "リシェル　　：　あ、お代を　はらわなきゃ。"}};
constexpr MessageLine kShopA37[] = {{210, 700, "リシェル　　：　（テントの　中から）　ふわあ・・・　おなか　すいたなあ・・・"}};
constexpr MessageLine kShopA38[] = {{210, 700, "リシェル　　：　え？　ごはん　まだなの？"}};
constexpr MessageLine kShopA39[] = {{210, 700, "ベルン　　　：　あっ、にげていく・・・　まあ、今夜は　これまでだ。"}};
constexpr MessageLine kShopA41[] = {{210, 725, "リシェル　　：　ええーっ！？　もう一回　がんばって！"}};
constexpr MessageLine kShopA42[] = {{210, 725, "リシェル　　：　（テントの　中から）　やったあ！　たのしみ！"}};
constexpr MessageLine kShopA44[] = {{210, 700, "ベルン　　　：　はい、できたよ。　めしあがれ。"}};
constexpr MessageLine kShopA45[] = {{210, 700, "リシェル　　：　もぐもぐ・・・"}};
constexpr MessageLine kShopA46[] = {{210, 700, "リシェル　　：　おいしい！"}};
constexpr MessageLine kShopA47[] = {{210, 700, "リシェル　　：　ごちそうさま！　元気が　出てきた！"}};
constexpr MessageLine kShopA48[] = {{210, 700, "リシェル　　：　ごちそうさま！　おなか　いっぱい！"}};
constexpr MessageLine kShopA49[] = {{210, 700, "ベルン　　　：　さて、今夜は　もう　休むと　いい。"}};
constexpr MessageLine kShopA51[] = {{210, 700, "リシェル　　：　おやすみなさい、ベルンさん。"}};
constexpr MessageLine kShopA53[] = {{210, 700, "リシェル　　：　ん～・・・　おはよう、ベルンさん。"}};
constexpr MessageLine kShopA54[] = {{210, 700, "リシェル　　：　わあ、朝ごはんまで！　いただきます！"}};
constexpr MessageLine kShopA55[] = {{210, 725, "ベルン　　　：　元気いっぱいだな。"}};
constexpr MessageLine kShopA56[] = {{210, 700, "リシェル　　：　ありがとう。　わたし、もう　いくね。"}};

// shopLineB: the camp, second word.
constexpr MessageLine kShopB1[] = {{210, 700, "ベルン　　　：　出発は１　セーブは ２、　お買い物なら ３　お泊まりなら ４  を押してくださいね。"}};
constexpr MessageLine kShopB2[] = {{210, 700, "ベルン　　　：　クィルマーチの　あまい　りんご、ひとつ　14バルだよ。"}};
constexpr MessageLine kShopB3[] = {{210, 700, "ベルン　　　：　とれたての　キノコ、ひとつ　20バルだよ。"}};
constexpr MessageLine kShopB4[] = {{210, 700, "ベルン　　　：　よく切れる　ナイフ、500バルだよ。"}};
constexpr MessageLine kShopB19[] = {{210, 700, "ベルン　　　：　気をつけてな。　無理は　禁物だぞ。"}};
constexpr MessageLine kShopB31[] = {{210, 725, "リシェル　　：　うん、おねがいします！"}};
constexpr MessageLine kShopB33[] = {{210, 725, "ベルン　　　：　ああ。　この　テントが　わたしの　家さ。"}};
constexpr MessageLine kShopB34[] = {{210, 725, "ベルン　　　：　これは　料理に　つかう　なべだよ。"}};
constexpr MessageLine kShopB35[] = {{210, 725, "ベルン　　　：　旅の　必需品さ。"}};
constexpr MessageLine kShopB36[] = {{210, 725, "ベルン　　　：　たしかに　30バル、いただくよ。"}};
constexpr MessageLine kShopB37[] = {{210, 725, "ベルン　　　：　おっと、まだ　食材が　たりないんだった。"}};
constexpr MessageLine kShopB38[] = {{210, 700, "ベルン　　　：　夜は　森の　めぐみが　飛びまわる。　あつめるから　待っててくれ。"}};
constexpr MessageLine kShopB39[] = {{210, 725, "ベルン　　　：　待たせたね。　そろそろ　火に　もどろうか。"}};
constexpr MessageLine kShopB40[] = {{210, 700, "リシェル　　：　それで、なにか　とれた？"}};
constexpr MessageLine kShopB41[] = {{210, 700, "ベルン　　　：　すまん・・・　ひとつも　とれなかった。"}};
constexpr MessageLine kShopB42[] = {{210, 700, "ベルン　　　：　ちゃんと　とれたぞ！　すぐに　料理してやるからな。"}};
constexpr MessageLine kShopB43[] = {{210, 700, "ベルン　　　：　さあ、料理を　はじめるぞ。"}};
constexpr MessageLine kShopB44[] = {{210, 725, "リシェル　　：　いただきまーす！"}};
constexpr MessageLine kShopB46[] = {{210, 725, "ベルン　　　：　もう　ひと皿　あるぞ。"}};
constexpr MessageLine kShopB47[] = {{210, 725, "ベルン　　　：　それで　最後だ。"}};
constexpr MessageLine kShopB48[] = {{255, 725, "もう　食べられないよ～。"}};
constexpr MessageLine kShopB49[] = {{210, 725, "リシェル　　：　うん、まだ　ちょっと　つかれてる・・・"}};
constexpr MessageLine kShopB50[] = {{210, 725, "リシェル　　：　うん、あしたに　そなえて　ねるね。"}};
constexpr MessageLine kShopB52[] = {{210, 725, "ベルン　　　：　ああ、おやすみ。"}};
constexpr MessageLine kShopB53[] = {{210, 725, "ベルン　　　：　おはよう。　朝ごはんも　できてるよ。"}};
constexpr MessageLine kShopB54[] = {{210, 700, "リシェル　　：　ふう、ごちそうさまでした！"}};
constexpr MessageLine kShopB56[] = {{210, 725, "ベルン　　　：　ああ。　また　いつでも　寄っておくれ。"}};
constexpr MessageLine kShopB100[] = {{255, 725, "　　　　　　 　　泊まる→Ｙ　泊まらない→Ｎ"}};

// duelLine: the duel.
constexpr MessageLine kDuel1[] = {{210, 700, "？？？　　　：　そこの　娘、止まれ！"}};
constexpr MessageLine kDuel2[] = {{210, 700, "リシェル　　：　だれ！？"}};
constexpr MessageLine kDuel3[] = {{210, 700, "？？？　　　：　ここから先は　王国の　領地だ。"}};
constexpr MessageLine kDuel4[] = {{210, 700, "リシェル　　：　わたし、とおらなきゃ　いけないの！"}};
constexpr MessageLine kDuel5[] = {{210, 700, "リシェル　　：　大事な　友達が　つれていかれたの！"}};
constexpr MessageLine kDuel6[] = {{210, 700, "？？？　　　：　ならぬ。　引き返せ。"}};
constexpr MessageLine kDuel7[] = {{210, 700, "リシェル　　：　いやだ！"}};
constexpr MessageLine kDuel8[] = {{210, 700, "？？？　　　：　強情な　娘だ・・・"}};
constexpr MessageLine kDuel9[] = {{210, 700, "リシェル　　：　あなたは　だれなの？"}};
constexpr MessageLine kDuel10[] = {{210, 700, "？？？　　　：　・・・名乗るほどの　者ではない。"}};
constexpr MessageLine kDuel11[] = {{210, 700, "ガルド　　　：　だが、しいて言うなら　ガルド。　歩兵隊の　隊長だ。"}};
constexpr MessageLine kDuel12[] = {{210, 700, "リシェル　　：　隊長さん・・・"}};
constexpr MessageLine kDuel13[] = {{210, 700, "ガルド　　　：　この先へ　行きたくば、"}, {210, 725, "　　　　　　　　わたしを　たおしてから　行け！"}};
constexpr MessageLine kDuel14[] = {{210, 700, "ガルド　　　：　手加減は　せんぞ。"}, {210, 725, "　　　　　　　　わが盾は　そうかんたんには　やぶれぬ！"}};
constexpr MessageLine kDuel15[] = {{210, 700, "リシェル　　：　のぞむところよ！"}};
constexpr MessageLine kDuel16[] = {{210, 700, "ガルド　　　：　いい目だ。"}};
constexpr MessageLine kDuel17[] = {{210, 700, "リシェル　　：　いくよ！"}};
constexpr MessageLine kDuel18[] = {{210, 700, "ガルド　　　：　来い！"}};
constexpr MessageLine kDuel19[] = {{210, 700, "リシェル　　：　・・・すきが　ない。"}};
constexpr MessageLine kDuel20[] = {{210, 700, "ガルド　　　：　どうした、かかって　こぬのか。"}};
constexpr MessageLine kDuel21[] = {{210, 700, "ガルド　　　：　ならば　こちらから　ゆくぞ！"}};
constexpr MessageLine kDuel22[] = {{210, 700, "リシェル　　：　来るっ・・・！"}};
constexpr MessageLine kDuel25[] = {{210, 700, "ガルド　　　：　どうした、それまでか！"}};
constexpr MessageLine kDuel26[] = {{210, 700, "ガルド　　　：　隙だらけだぞ！"}};
constexpr MessageLine kDuel27[] = {{210, 700, "リシェル　　：　まだまだ！"}};
constexpr MessageLine kDuel28[] = {{210, 700, "ガルド　　　：　ぐっ・・・　見事だ・・・"}};
constexpr MessageLine kDuel29[] = {{210, 700, "ガルド　　　：　わたしの　負けだ。"}};
constexpr MessageLine kDuel30[] = {{210, 700, "リシェル　　：　通して　もらうわ。"}};
constexpr MessageLine kDuel31[] = {{210, 700, "ガルド　　　：　行くがいい。　だが、この先は　もっと　きびしいぞ。"}};

// fighterLine: the fighter encounter.
constexpr MessageLine kFighter1[] = {{210, 700, "？？？の声　：　あら、かわいい　おじょうさん。"}};
constexpr MessageLine kFighter2[] = {{210, 700, "リシェル　　：　あなた、だれ？"}};
constexpr MessageLine kFighter3[] = {{210, 700, "リシェル　　：　あなた、だれ？"}, {210, 725, "ミレイユ　　：　わたしは　ミレイユ。　魔法使いよ。"}};
constexpr MessageLine kFighter4[] = {{210, 700, "ミレイユ　　：　この先には　行かせないわ。"}};
constexpr MessageLine kFighter5[] = {{210, 700, "ミレイユ　　：　この先には　行かせないわ。"}, {210, 725, "リシェル　　：　どうして　じゃまを　するの！？"}};
constexpr MessageLine kFighter6[] = {{210, 700, "ミレイユ　　：　カーラさまの　ご命令なの。"}, {210, 725, "　　　　　　　　わるく　思わないでね。"}};
constexpr MessageLine kFighter7[] = {{210, 700, "ミレイユ　　：　さあ、わたしの　魔法を　受けてみなさい！"}};
constexpr MessageLine kFighter8[] = {{210, 700, "ミレイユ　　：　さあ、わたしの　魔法を　受けてみなさい！"}, {210, 725, "　　　　　　　　手加減は　しないわよ！"}};
constexpr MessageLine kFighter9[] = {{210, 700, "リシェル　　：　負けないんだから！"}};
constexpr MessageLine kFighter10[] = {{210, 700, "リシェル　　：　負けないんだから！"}, {210, 725, "ﾅﾚｰﾀ　：　ミレイユが　かまえた！"}};
constexpr MessageLine kFighter12[] = {{210, 700, "？？？の声　：　あら、かわいい　おじょうさん。"}, {210, 725, "　　　　　　　　ふふ、こんな　ところで　ひとり？"}};
constexpr MessageLine kFighter13[] = {{210, 700, "ミレイユ　　：　きゃあっ！"}};
constexpr MessageLine kFighter14[] = {{210, 700, "ミレイユ　　：　う、うそ・・・　わたしの　魔法が・・・"}};
constexpr MessageLine kFighter15[] = {{210, 700, "ミレイユ　　：　なかなか　やるわね。"}};
constexpr MessageLine kFighter16[] = {{210, 700, "ミレイユ　　：　でも、これで　おわりじゃ　ないわよ。"}};
constexpr MessageLine kFighter17[] = {{210, 700, "ミレイユ　　：　・・・なーんてね。"}};
constexpr MessageLine kFighter18[] = {{210, 700, "ミレイユ　　：　・・・なーんてね。"}, {210, 725, "　　　　　　　　いまのは　ただの　目くらまし！"}};
constexpr MessageLine kFighter19[] = {{210, 700, "リシェル　　：　あっ、にげる　つもり！？"}};
constexpr MessageLine kFighter20[] = {{210, 700, "ミレイユ　　：　ふふふ、こっちよ！"}};
constexpr MessageLine kFighter21[] = {{210, 700, "ミレイユ　　：　ふふふ、こっちよ！"}, {210, 725, "　　　　　　　　つかまえて　ごらんなさい！"}};
constexpr MessageLine kFighter22[] = {{210, 700, "リシェル　　：　もう、ずるい！"}};
constexpr MessageLine kFighter23[] = {{210, 700, "リシェル　　：　もう、ずるい！"}, {210, 725, "ミレイユ　　：　くやしかったら　追いかけて　いらっしゃい！"}};
constexpr MessageLine kFighter24[] = {{210, 700, "リシェル　　：　はあ、はあ・・・　にげられちゃった。"}};
constexpr MessageLine kFighter25[] = {{210, 700, "リシェル　　：　はあ、はあ・・・　にげられちゃった。"}, {210, 725, "　　　　　　　　でも、この先に　いるのは　まちがいない。"}};
constexpr MessageLine kFighter26[] = {{210, 700, "ミレイユ　　：　（遠くから）また　会いましょう、おじょうさん。"}};
constexpr MessageLine kFighter27[] = {{210, 700, "ミレイユ　　：　今度は　本気で　いくわよ！"}};
constexpr MessageLine kFighter28[] = {{210, 700, "リシェル　　：　のぞむところよ！"}};
constexpr MessageLine kFighter29[] = {{210, 700, "リシェル　　：　モモ、もうすぐ　いくからね！"}};

// fieldLine: the night's stay.
constexpr MessageLine kField27[] = {{210, 700, "ﾅﾚｰﾀ　：　満天の　星空の下、リシェルは　テントで　ゆっくりと　休んだ。"}};
constexpr MessageLine kField28[] = {{210, 700, "ﾅﾚｰﾀ　：　満天の　星空の下、リシェルは　テントで　ゆっくりと　休んだ。"}, {210, 725, "リシェル　　：　テントの　すきまから　星が　見える・・・"}};

constexpr AreaMessageEntry kCampEntries[] = {
    {&DialogueChannelsRecord::eventLine, 1, 1, nullptr, 6, 80, kTextBlack, kEvent1, 1},
    {&DialogueChannelsRecord::eventLine, 2, 2, nullptr, 6, 80, kTextBlack, kEvent2, 2},
    {&DialogueChannelsRecord::eventLine, 3, 3, nullptr, 6, 80, kTextBlack, kEvent3, 2},
    {&DialogueChannelsRecord::eventLine, 4, 4, nullptr, 6, 80, kTextBlack, kEvent4, 1},
    {&DialogueChannelsRecord::eventLine, 5, 5, nullptr, 6, 80, kTextBlack, kEvent5, 1},
    {&DialogueChannelsRecord::eventLine, 6, 6, nullptr, 6, 80, kTextBlack, kEvent6, 1},
    {&DialogueChannelsRecord::eventLine, 7, 7, nullptr, 6, 80, kTextBlack, kEvent7, 1},
    {&DialogueChannelsRecord::eventLine, 8, 8, nullptr, 6, 80, kTextBlack, kEvent8, 1},
    {&DialogueChannelsRecord::eventLine, 9, 9, nullptr, 6, 80, kTextBlack, kEvent9, 1},
    {&DialogueChannelsRecord::eventLine, 10, 10, nullptr, 6, 80, kTextBlack, kEvent10, 1},
    {&DialogueChannelsRecord::eventLine, 11, 11, nullptr, 6, 80, kTextBlack, kEvent11, 1},
    {&DialogueChannelsRecord::eventLine, 12, 12, nullptr, 6, 80, kTextBlack, kEvent12, 1},
    {&DialogueChannelsRecord::eventLine, 111, 111, nullptr, 6, 80, kTextBlack, kGateLine111, 1},
    {&DialogueChannelsRecord::eventLine, 112, 112, nullptr, 6, 80, kTextBlack, kGateLine112, 1},
    {&DialogueChannelsRecord::eventLine, 113, 113, nullptr, 6, 80, kTextBlack, kGateLine113, 1},
    {&DialogueChannelsRecord::eventLine, 114, 114, nullptr, 6, 80, kTextBlack, kGateLine114, 1},
    {&DialogueChannelsRecord::shopLineC, 1, 1, nullptr, 6, 80, kTextBlack, kShopC1, 1},
    {&DialogueChannelsRecord::shopLineC, 2, 2, nullptr, 6, 80, kTextBlack, kShopC2, 1},
    {&DialogueChannelsRecord::shopLineC, 3, 3, nullptr, 6, 80, kTextBlack, kShopC3, 1},
    {&DialogueChannelsRecord::shopLineC, 4, 4, nullptr, 6, 80, kTextBlack, kShopC4, 1},
    {&DialogueChannelsRecord::shopLineC, 5, 5, nullptr, 6, 80, kTextBlack, kShopC5, 1},
    {&DialogueChannelsRecord::shopLineC, 6, 6, nullptr, 6, 80, kTextBlack, kShopC6, 1},
    {&DialogueChannelsRecord::shopLineC, 7, 7, nullptr, 6, 80, kTextBlack, kShopC7, 1},
    {&DialogueChannelsRecord::shopLineC, 8, 8, nullptr, 6, 80, kTextBlack, kShopC8, 1},
    {&DialogueChannelsRecord::shopLineC, 9, 9, nullptr, 6, 80, kTextBlack, kShopC9, 1},
    {&DialogueChannelsRecord::shopLineC, 10, 10, nullptr, 6, 80, kTextBlack, kShopC10, 1},
    {&DialogueChannelsRecord::shopLineC, 11, 11, nullptr, 6, 80, kTextBlack, kShopC11, 2},
    {&DialogueChannelsRecord::shopLineC, 12, 12, nullptr, 6, 80, kTextBlack, kShopC12, 1},
    {&DialogueChannelsRecord::shopLineC, 13, 13, nullptr, 6, 80, kTextBlack, kShopC13, 1},
    {&DialogueChannelsRecord::shopLineC, 14, 14, nullptr, 6, 80, kTextBlack, kShopC14, 1},
    {&DialogueChannelsRecord::shopLineC, 15, 15, nullptr, 6, 80, kTextBlack, kShopC15, 1},
    {&DialogueChannelsRecord::shopLineC, 16, 16, nullptr, 6, 80, kTextBlack, kShopC16, 2},
    {&DialogueChannelsRecord::shopLineC, 17, 17, nullptr, 6, 80, kTextBlack, kShopC17, 1},
    {&DialogueChannelsRecord::shopLineC, 18, 18, nullptr, 6, 80, kTextBlack, kShopC18, 1},
    {&DialogueChannelsRecord::shopLineC, 19, 19, nullptr, 6, 80, kTextBlack, kShopC19, 2},
    {&DialogueChannelsRecord::shopLineC, 20, 20, nullptr, 6, 80, kTextBlack, kShopC20, 2},
    {&DialogueChannelsRecord::shopLineC, 21, 21, nullptr, 6, 80, kTextBlack, kShopC21, 1},
    {&DialogueChannelsRecord::shopLineC, 22, 22, nullptr, 6, 80, kTextBlack, kShopC22, 1},
    {&DialogueChannelsRecord::shopLineC, 23, 23, nullptr, 6, 80, kTextBlack, kShopC23, 1},
    {&DialogueChannelsRecord::shopLineC, 24, 24, nullptr, 6, 80, kTextBlack, kShopC24, 1},
    {&DialogueChannelsRecord::shopLineC, 25, 25, nullptr, 6, 80, kTextBlack, kShopC25, 1},
    {&DialogueChannelsRecord::shopLineC, 26, 26, nullptr, 6, 80, kTextBlack, kShopC26, 1},
    {&DialogueChannelsRecord::shopLineC, 27, 27, nullptr, 6, 80, kTextBlack, kShopC27, 1},
    {&DialogueChannelsRecord::shopLineC, 28, 28, nullptr, 6, 80, kTextBlack, kShopC28, 1},
    {&DialogueChannelsRecord::shopLineC, 29, 29, nullptr, 6, 80, kTextBlack, kShopC29, 1},
    {&DialogueChannelsRecord::shopLineC, 30, 30, nullptr, 6, 80, kTextBlack, kShopC30, 1},
    {&DialogueChannelsRecord::shopLineC, 31, 31, nullptr, 6, 80, kTextBlack, kShopC31, 2},
    {&DialogueChannelsRecord::shopLineC, 32, 32, nullptr, 6, 80, kTextBlack, kShopC32, 1},
    {&DialogueChannelsRecord::shopLineC, 33, 33, nullptr, 6, 80, kTextBlack, kShopC33, 1},
    {&DialogueChannelsRecord::shopLineC, 34, 34, nullptr, 6, 80, kTextBlack, kShopC34, 1},
    {&DialogueChannelsRecord::shopLineC, 35, 35, nullptr, 6, 80, kTextBlack, kShopC35, 1},
    {&DialogueChannelsRecord::shopLineC, 36, 36, nullptr, 6, 80, kTextBlack, kShopC36, 1},
    {&DialogueChannelsRecord::shopLineA, 20, 20, nullptr, 6, 80, kTextBlack, kShopA20, 1},
    {&DialogueChannelsRecord::shopLineA, 21, 21, nullptr, 6, 80, kTextBlack, kShopA21, 1},
    {&DialogueChannelsRecord::shopLineA, 22, 22, nullptr, 6, 80, kTextBlack, kShopA22, 2},
    {&DialogueChannelsRecord::shopLineA, 23, 23, nullptr, 6, 80, kTextBlack, kShopA23, 1},
    {&DialogueChannelsRecord::shopLineA, 24, 24, nullptr, 6, 80, kTextBlack, kShopA24, 2},
    {&DialogueChannelsRecord::shopLineA, 26, 26, nullptr, 6, 80, kTextBlack, kShopA26, 1},
    {&DialogueChannelsRecord::shopLineA, 27, 27, nullptr, 6, 80, kTextBlack, kShopA27, 1},
    {&DialogueChannelsRecord::shopLineA, 28, 28, nullptr, 6, 80, kTextBlack, nullptr, 0, PrintShopMenuLine},
    {&DialogueChannelsRecord::shopLineA, 29, 29, nullptr, 6, 80, kTextBlack, kShopA29, 1},
    {&DialogueChannelsRecord::shopLineA, 30, 30, nullptr, 6, 80, kTextBlack, kShopA30, 1},
    {&DialogueChannelsRecord::shopLineA, 31, 31, nullptr, 6, 80, kTextBlack, kShopA31, 1},
    {&DialogueChannelsRecord::shopLineA, 32, 32, nullptr, 6, 80, kTextBlack, kShopA32, 1},
    {&DialogueChannelsRecord::shopLineA, 33, 33, nullptr, 6, 80, kTextBlack, kShopA33, 1},
    {&DialogueChannelsRecord::shopLineA, 34, 34, nullptr, 6, 80, kTextBlack, kShopA34, 1},
    {&DialogueChannelsRecord::shopLineA, 35, 35, nullptr, 6, 80, kTextBlack, kShopA35, 1},
    {&DialogueChannelsRecord::shopLineA, 36, 36, nullptr, 6, 80, kTextBlack, kShopA36, 1},
    {&DialogueChannelsRecord::shopLineA, 37, 37, nullptr, 6, 80, kTextBlack, kShopA37, 1},
    {&DialogueChannelsRecord::shopLineA, 38, 38, nullptr, 6, 80, kTextBlack, kShopA38, 1},
    {&DialogueChannelsRecord::shopLineA, 39, 39, nullptr, 6, 80, kTextBlack, kShopA39, 1},
    {&DialogueChannelsRecord::shopLineA, 41, 41, nullptr, 6, 80, kTextBlack, kShopA41, 1},
    {&DialogueChannelsRecord::shopLineA, 42, 42, nullptr, 6, 80, kTextBlack, kShopA42, 1},
    {&DialogueChannelsRecord::shopLineA, 44, 44, nullptr, 6, 80, kTextBlack, kShopA44, 1},
    {&DialogueChannelsRecord::shopLineA, 45, 45, nullptr, 6, 80, kTextBlack, kShopA45, 1},
    {&DialogueChannelsRecord::shopLineA, 46, 46, nullptr, 6, 80, kTextBlack, kShopA46, 1},
    {&DialogueChannelsRecord::shopLineA, 47, 47, nullptr, 6, 80, kTextBlack, kShopA47, 1},
    {&DialogueChannelsRecord::shopLineA, 48, 48, nullptr, 6, 80, kTextBlack, kShopA48, 1},
    {&DialogueChannelsRecord::shopLineA, 49, 49, nullptr, 6, 80, kTextBlack, kShopA49, 1},
    {&DialogueChannelsRecord::shopLineA, 51, 51, nullptr, 6, 80, kTextBlack, kShopA51, 1},
    {&DialogueChannelsRecord::shopLineA, 53, 53, nullptr, 6, 80, kTextBlack, kShopA53, 1},
    {&DialogueChannelsRecord::shopLineA, 54, 54, nullptr, 6, 80, kTextBlack, kShopA54, 1},
    {&DialogueChannelsRecord::shopLineA, 55, 55, nullptr, 6, 80, kTextBlack, kShopA55, 1},
    {&DialogueChannelsRecord::shopLineA, 56, 56, nullptr, 6, 80, kTextBlack, kShopA56, 1},
    {&DialogueChannelsRecord::shopLineB, 1, 1, nullptr, 6, 80, kTextBlack, kShopB1, 1},
    {&DialogueChannelsRecord::shopLineB, 2, 2, nullptr, 6, 80, kTextBlack, kShopB2, 1},
    {&DialogueChannelsRecord::shopLineB, 3, 3, nullptr, 6, 80, kTextBlack, kShopB3, 1},
    {&DialogueChannelsRecord::shopLineB, 4, 4, nullptr, 6, 80, kTextBlack, kShopB4, 1},
    {&DialogueChannelsRecord::shopLineB, 19, 19, nullptr, 6, 80, kTextBlack, kShopB19, 1},
    {&DialogueChannelsRecord::shopLineB, 31, 31, nullptr, 6, 80, kTextBlack, kShopB31, 1},
    {&DialogueChannelsRecord::shopLineB, 33, 33, nullptr, 6, 80, kTextBlack, kShopB33, 1},
    {&DialogueChannelsRecord::shopLineB, 34, 34, nullptr, 6, 80, kTextBlack, kShopB34, 1},
    {&DialogueChannelsRecord::shopLineB, 35, 35, nullptr, 6, 80, kTextBlack, kShopB35, 1},
    {&DialogueChannelsRecord::shopLineB, 36, 36, nullptr, 6, 80, kTextBlack, kShopB36, 1},
    {&DialogueChannelsRecord::shopLineB, 37, 37, nullptr, 6, 80, kTextBlack, kShopB37, 1},
    {&DialogueChannelsRecord::shopLineB, 38, 38, nullptr, 6, 80, kTextBlack, kShopB38, 1},
    {&DialogueChannelsRecord::shopLineB, 39, 39, nullptr, 6, 80, kTextBlack, kShopB39, 1},
    {&DialogueChannelsRecord::shopLineB, 40, 40, nullptr, 6, 80, kTextBlack, kShopB40, 1},
    {&DialogueChannelsRecord::shopLineB, 41, 41, nullptr, 6, 80, kTextBlack, kShopB41, 1},
    {&DialogueChannelsRecord::shopLineB, 42, 42, nullptr, 6, 80, kTextBlack, kShopB42, 1},
    {&DialogueChannelsRecord::shopLineB, 43, 43, nullptr, 6, 80, kTextBlack, kShopB43, 1},
    {&DialogueChannelsRecord::shopLineB, 44, 44, nullptr, 6, 80, kTextBlack, kShopB44, 1},
    {&DialogueChannelsRecord::shopLineB, 46, 46, nullptr, 6, 80, kTextBlack, kShopB46, 1},
    {&DialogueChannelsRecord::shopLineB, 47, 47, nullptr, 6, 80, kTextBlack, kShopB47, 1},
    {&DialogueChannelsRecord::shopLineB, 48, 48, nullptr, 6, 80, kTextBlack, kShopB48, 1},
    {&DialogueChannelsRecord::shopLineB, 49, 49, nullptr, 6, 80, kTextBlack, kShopB49, 1},
    {&DialogueChannelsRecord::shopLineB, 50, 50, nullptr, 6, 80, kTextBlack, kShopB50, 1},
    {&DialogueChannelsRecord::shopLineB, 52, 52, nullptr, 6, 80, kTextBlack, kShopB52, 1},
    {&DialogueChannelsRecord::shopLineB, 53, 53, nullptr, 6, 80, kTextBlack, kShopB53, 1},
    {&DialogueChannelsRecord::shopLineB, 54, 54, nullptr, 6, 80, kTextBlack, kShopB54, 1},
    {&DialogueChannelsRecord::shopLineB, 56, 56, nullptr, 6, 80, kTextBlack, kShopB56, 1},
    {&DialogueChannelsRecord::shopLineB, 100, 100, nullptr, 6, 80, kTextBlack, kShopB100, 1},
    {&DialogueChannelsRecord::duelLine, 1, 1, nullptr, 6, 80, kTextBlack, kDuel1, 1},
    {&DialogueChannelsRecord::duelLine, 2, 2, nullptr, 6, 80, kTextBlack, kDuel2, 1},
    {&DialogueChannelsRecord::duelLine, 3, 3, nullptr, 6, 80, kTextBlack, kDuel3, 1},
    {&DialogueChannelsRecord::duelLine, 4, 4, nullptr, 6, 80, kTextBlack, kDuel4, 1},
    {&DialogueChannelsRecord::duelLine, 5, 5, nullptr, 6, 80, kTextBlack, kDuel5, 1},
    {&DialogueChannelsRecord::duelLine, 6, 6, nullptr, 6, 80, kTextBlack, kDuel6, 1},
    {&DialogueChannelsRecord::duelLine, 7, 7, nullptr, 6, 80, kTextBlack, kDuel7, 1},
    {&DialogueChannelsRecord::duelLine, 8, 8, nullptr, 6, 80, kTextBlack, kDuel8, 1},
    {&DialogueChannelsRecord::duelLine, 9, 9, nullptr, 6, 80, kTextBlack, kDuel9, 1},
    {&DialogueChannelsRecord::duelLine, 10, 10, nullptr, 6, 80, kTextBlack, kDuel10, 1},
    {&DialogueChannelsRecord::duelLine, 11, 11, nullptr, 6, 80, kTextBlack, kDuel11, 1},
    {&DialogueChannelsRecord::duelLine, 12, 12, nullptr, 6, 80, kTextBlack, kDuel12, 1},
    {&DialogueChannelsRecord::duelLine, 13, 13, nullptr, 6, 80, kTextBlack, kDuel13, 2},
    {&DialogueChannelsRecord::duelLine, 14, 14, nullptr, 6, 80, kTextBlack, kDuel14, 2},
    {&DialogueChannelsRecord::duelLine, 15, 15, nullptr, 6, 80, kTextBlack, kDuel15, 1},
    {&DialogueChannelsRecord::duelLine, 16, 16, nullptr, 6, 80, kTextBlack, kDuel16, 1},
    {&DialogueChannelsRecord::duelLine, 17, 17, nullptr, 6, 80, kTextBlack, kDuel17, 1},
    {&DialogueChannelsRecord::duelLine, 18, 18, nullptr, 6, 80, kTextBlack, kDuel18, 1},
    {&DialogueChannelsRecord::duelLine, 19, 19, nullptr, 6, 80, kTextBlack, kDuel19, 1},
    {&DialogueChannelsRecord::duelLine, 20, 20, nullptr, 6, 80, kTextBlack, kDuel20, 1},
    {&DialogueChannelsRecord::duelLine, 21, 21, nullptr, 6, 80, kTextBlack, kDuel21, 1},
    {&DialogueChannelsRecord::duelLine, 22, 22, nullptr, 6, 80, kTextBlack, kDuel22, 1},
    {&DialogueChannelsRecord::duelLine, 25, 25, nullptr, 6, 80, kTextBlack, kDuel25, 1},
    {&DialogueChannelsRecord::duelLine, 26, 26, nullptr, 6, 80, kTextBlack, kDuel26, 1},
    {&DialogueChannelsRecord::duelLine, 27, 27, nullptr, 6, 80, kTextBlack, kDuel27, 1},
    {&DialogueChannelsRecord::duelLine, 28, 28, nullptr, 6, 80, kTextBlack, kDuel28, 1},
    {&DialogueChannelsRecord::duelLine, 29, 29, nullptr, 6, 80, kTextBlack, kDuel29, 1},
    {&DialogueChannelsRecord::duelLine, 30, 30, nullptr, 6, 80, kTextBlack, kDuel30, 1},
    {&DialogueChannelsRecord::duelLine, 31, 31, nullptr, 6, 80, kTextBlack, kDuel31, 1},
    {&DialogueChannelsRecord::fighterLine, 1, 1, nullptr, 6, 80, kTextBlack, kFighter1, 1},
    {&DialogueChannelsRecord::fighterLine, 2, 2, nullptr, 6, 80, kTextBlack, kFighter2, 1},
    {&DialogueChannelsRecord::fighterLine, 3, 3, nullptr, 6, 80, kTextBlack, kFighter3, 2},
    {&DialogueChannelsRecord::fighterLine, 4, 4, nullptr, 6, 80, kTextBlack, kFighter4, 1},
    {&DialogueChannelsRecord::fighterLine, 5, 5, nullptr, 6, 80, kTextBlack, kFighter5, 2},
    {&DialogueChannelsRecord::fighterLine, 6, 6, nullptr, 6, 80, kTextBlack, kFighter6, 2},
    {&DialogueChannelsRecord::fighterLine, 7, 7, nullptr, 6, 80, kTextBlack, kFighter7, 1},
    {&DialogueChannelsRecord::fighterLine, 8, 8, nullptr, 6, 80, kTextBlack, kFighter8, 2},
    {&DialogueChannelsRecord::fighterLine, 9, 9, nullptr, 6, 80, kTextBlack, kFighter9, 1},
    {&DialogueChannelsRecord::fighterLine, 10, 10, nullptr, 6, 80, kTextBlack, kFighter10, 2},
    {&DialogueChannelsRecord::fighterLine, 12, 12, nullptr, 6, 80, kTextBlack, kFighter12, 2},
    {&DialogueChannelsRecord::fighterLine, 13, 13, nullptr, 6, 80, kTextBlack, kFighter13, 1},
    {&DialogueChannelsRecord::fighterLine, 14, 14, nullptr, 6, 80, kTextBlack, kFighter14, 1},
    {&DialogueChannelsRecord::fighterLine, 15, 15, nullptr, 6, 80, kTextBlack, kFighter15, 1},
    {&DialogueChannelsRecord::fighterLine, 16, 16, nullptr, 6, 80, kTextBlack, kFighter16, 1},
    {&DialogueChannelsRecord::fighterLine, 17, 17, nullptr, 6, 80, kTextBlack, kFighter17, 1},
    {&DialogueChannelsRecord::fighterLine, 18, 18, nullptr, 6, 80, kTextBlack, kFighter18, 2},
    {&DialogueChannelsRecord::fighterLine, 19, 19, nullptr, 6, 80, kTextBlack, kFighter19, 1},
    {&DialogueChannelsRecord::fighterLine, 20, 20, nullptr, 6, 80, kTextBlack, kFighter20, 1},
    {&DialogueChannelsRecord::fighterLine, 21, 21, nullptr, 6, 80, kTextBlack, kFighter21, 2},
    {&DialogueChannelsRecord::fighterLine, 22, 22, nullptr, 6, 80, kTextBlack, kFighter22, 1},
    {&DialogueChannelsRecord::fighterLine, 23, 23, nullptr, 6, 80, kTextBlack, kFighter23, 2},
    {&DialogueChannelsRecord::fighterLine, 24, 24, nullptr, 6, 80, kTextBlack, kFighter24, 1},
    {&DialogueChannelsRecord::fighterLine, 25, 25, nullptr, 6, 80, kTextBlack, kFighter25, 2},
    {&DialogueChannelsRecord::fighterLine, 26, 26, nullptr, 6, 80, kTextBlack, kFighter26, 1},
    {&DialogueChannelsRecord::fighterLine, 27, 27, nullptr, 6, 80, kTextBlack, kFighter27, 1},
    {&DialogueChannelsRecord::fighterLine, 28, 28, nullptr, 6, 80, kTextBlack, kFighter28, 1},
    {&DialogueChannelsRecord::fighterLine, 29, 29, nullptr, 6, 80, kTextBlack, kFighter29, 1},
    {&DialogueChannelsRecord::fieldLine, 27, 27, nullptr, 6, 80, kTextBlack, kField27, 1},
    {&DialogueChannelsRecord::fieldLine, 28, 28, nullptr, 6, 80, kTextBlack, kField28, 2},
};

}  // namespace

const AreaMessageTable Era03CampMessageTable = MessageTableOf(kCampEntries);
