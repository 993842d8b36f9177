// The lines of the field: the heroine's first words as she lands in the
// field through the gate, the notice board, the mushroom seller and his
// collecting game, her teacher, the lessons around the field's enemies, the
// gate, the arena, the encounter at the tower, the armour scene and the lines
// drawn above the box. Font 6, black, first line at (210, 700), a second at
// (210, 725), unless an entry says otherwise; a reply under a line repeats
// that line through an entry gated on both values.
#include <cstdint>
#include <iterator>

#include "areas/era02/records.h"
#include "areas/message_tables.h"
#include "core/player.h"
#include "core/trace_log.h"
#include "text/messages/area_texts.h"

namespace {

constexpr MessageLine kArrival19[] = {
    {210, 700, "リシェル　　：　ここが　お屋敷の　外・・・　ひろーい！"},
};
constexpr MessageLine kArrival20[] = {
    {210, 700, "リシェル　　：　カーラは　どっちへ　いったのかしら。"},
};
constexpr MessageLine kArrival21[] = {
    {210, 700, "リシェル　　：　モモ、きっと　こわがってる・・・"},
};
constexpr MessageLine kArrival22[] = {
    {210, 700, "リシェル　　：　ううん、くよくよ　してられない！"},
};
constexpr MessageLine kArrival23[] = {
    {210, 700, "リシェル　　：　さあ、右へ　すすもう！"},
};

constexpr MessageLine kField29_0[] = {
    {210, 700, "リシェル　　：　あっ、なにか　こっちへ　なげてくる！"},
};
constexpr MessageLine kField30_1[] = {
    {210, 700, "リシェル　　：　いたたた・・・　ぶつかると　いたいのね。"},
};
constexpr MessageLine kField31_2[] = {
    {210, 725, "　　　　　　　　よけるか、けって　はじきかえさなくちゃ！"},
};
constexpr MessageLine kArena1_3[] = {
    {210, 700, "リシェル　　：　ここは・・・　まるい　広場？"},
};
constexpr MessageLine kArena2_4[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様、草むらに　ねころんでいた　男の人が　おきあがりました！"},
};
constexpr MessageLine kArena3_5[] = {
    {210, 700, "リシェル　　：　なんて　ちから・・・　ぜんぜん　かなわない！"},
};
constexpr MessageLine kArena4_6[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様、いまは　かないません。　下の　道へ　もどって　みましょう。"},
};
constexpr MessageLine kArena5_7[] = {
    {210, 700, "リシェル　　：　いた！　あなたが　この　広場の　ぬしね！"},
};
constexpr MessageLine kArena6_8[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様、あの　手に　もっているのが　かぎでは？"},
};
constexpr MessageLine kArena7_9[] = {
    {210, 700, "リシェル　　：　その　かぎ、わたしに　ちょうだい！"},
};
constexpr MessageLine kArena8_10[] = {
    {210, 700, "？？　：　ふふ・・・　ほしければ　わしを　たのしませて　みよ。"},
};
constexpr MessageLine kArena9_11[] = {
    {210, 700, "リシェル　　：　まけないわよ！"},
};
constexpr MessageLine kArena10_12[] = {
    {210, 700, "？？　：　ふふ・・・　なかなか　たのしかったぞ。"},
};
constexpr MessageLine kArena11_13[] = {
    {210, 700, "？？　：　おちた　かぎを　ひろい、門の　まえで　つかうが　よい・・・"},
};
constexpr MessageLine kStory20_14[] = {
    {210, 700, "おしらせ！　：　ここより　左に　はねる　いきもの　あり！"},
};
constexpr MessageLine kStory21_15[] = {
    {265, 700, "ちいさな　いきものが　ぴょんぴょん　はねています。"},
    {265, 725, "ちかづくと　にげて　いきます。"},
};
constexpr MessageLine kStory22_16[] = {
    {265, 700, "むりに　おいかけると　ころびますので、"},
    {265, 725, "足もとに　ごちゅういください。"},
};
constexpr MessageLine kStory23_17[] = {
    {285, 700, "以上、よろしく　おねがいいたします。"},
};
constexpr MessageLine kStory25_18[] = {
    {210, 700, "きのこ屋　：　ちょっと　まった！　ここは　とおせないよ。"},
};
constexpr MessageLine kStory26_19[] = {
    {210, 725, "　　　　　　　ここは　わたしの　きのこばたけ　だからね。"},
};
constexpr MessageLine kStory27_20[] = {
    {210, 700, "リシェル　　：　え？　わたし、いそいでるの。"},
};
constexpr MessageLine kStory28_21[] = {
    {210, 725, "　　　　　　　　おねがい、とおして？"},
};
constexpr MessageLine kStory29_22[] = {
    {210, 700, "きのこ屋　：　そうこなくちゃ。"},
};
constexpr MessageLine kStory30_23[] = {
    {210, 700, "リシェル　　：　それで、なにを　すれば　いいの？"},
};
constexpr MessageLine kStory31_24[] = {
    {210, 725, "　　　　　　　　むずかしいのは　いやよ。"},
};
constexpr MessageLine kStory32_25[] = {
    {210, 700, "きのこ屋　：　あの　木の　きのこを　あつめる　ゲームさ。"},
};
constexpr MessageLine kStory33_26[] = {
    {210, 725, "　　　　　　　ひろった　きのこは　あんたに　あげよう。"},
};
constexpr MessageLine kStory34_27[] = {
    {210, 700, "リシェル　　：　きのこを　あつめる？"},
};
constexpr MessageLine kStory35_28[] = {
    {210, 725, "　　　　　　　　どうやって　とるの？"},
};
constexpr MessageLine kStory36_29[] = {
    {210, 700, "きのこ屋　：　いまから　木の　きのこを　おとすから、"},
};
constexpr MessageLine kStory37_30[] = {
    {210, 725, "　　　　　　　下で　しゃがんで　ひろうのさ。"},
};
constexpr MessageLine kStory38_31[] = {
    {210, 700, "きのこ屋　：　むらさきの　きのこは　どくだから　ひろわない　ことだね。"},
};
constexpr MessageLine kStory39_32[] = {
    {210, 725, "　　　　　　　さいしょの　いっかいは　ただに　しておくよ。"},
};
constexpr MessageLine kStory40_33[] = {
    {210, 700, "きのこ屋　：　もう　いっかい、１００バルで　どうだい？"},
};
constexpr MessageLine kStory42_35[] = {
    {210, 700, "きのこ屋　：　それじゃ、１００バル　いただくよ。"},
};
constexpr MessageLine kStory43_36[] = {
    {210, 725, "　　　　　　　さあ、はじめるよ！"},
};
constexpr MessageLine kStory44_37[] = {
    {210, 700, "きのこ屋　：　また　おいで。"},
};
constexpr MessageLine kStory45_38[] = {
    {210, 700, "きのこ屋　：　おや、お金が　たりないようだね。"},
};
constexpr MessageLine kStory46_39[] = {
    {210, 700, "リシェル　　：　あっ、にげた！　まって～！"},
};
constexpr MessageLine kStory50_40[] = {
    {210, 700, "リシェル　　：　あっ、セシル先生！"},
};
constexpr MessageLine kStory51_41[] = {
    {210, 725, "セシル　：　あら、姫様。　こんな　ところで　どうしたの？"},
};
constexpr MessageLine kStory53_42[] = {
    {210, 700, "セシル　：　お屋敷の　そとに　でるなんて　めずらしいわね。"},
};
constexpr MessageLine kStory54_43[] = {
    {210, 725, "リシェル　　：　モモが　さらわれちゃったの！"},
};
constexpr MessageLine kStory55_44[] = {
    {210, 700, "セシル　：　なんですって！？"},
};
constexpr MessageLine kStory56_45[] = {
    {210, 725, "リシェル　　：　カーラって　ひとが　つれていったの。"},
};
constexpr MessageLine kStory57_46[] = {
    {210, 700, "セシル　：　それは　たいへん。　でも　ひとりでは　あぶないわ。"},
};
constexpr MessageLine kStory58_47[] = {
    {210, 700, "リシェル　　：　だいじょうぶ、わたし　つよいもの！"},
};
constexpr MessageLine kStory59_48[] = {
    {210, 700, "セシル　：　ふふ、それなら　ひとつ　わざを　おしえてあげる。"},
};
constexpr MessageLine kStory60_49[] = {
    {210, 700, "リシェル　　：　ほんとう！？"},
};
constexpr MessageLine kStory61_50[] = {
    {210, 700, "セシル　：　まっていて。　いま　そっちへ　おりるわね。"},
};
constexpr MessageLine kStory62_51[] = {
    {210, 725, "リシェル　　：　うん！"},
};
constexpr MessageLine kStory63_52[] = {
    {210, 700, "セシル　：　よいしょ、と。　おまたせ、姫様。"},
};
constexpr MessageLine kStory64_53[] = {
    {210, 700, "セシル　：　これから　おしえるのは　Ｄキーの　わざよ。"},
};
constexpr MessageLine kStory65_54[] = {
    {210, 725, "リシェル　　：　Ｄキーの　わざ？"},
};
constexpr MessageLine kStory66_55[] = {
    {210, 700, "セシル　：　からだの　ちからを　ためて、いっきに　はなつの。"},
};
constexpr MessageLine kStory67_56[] = {
    {210, 725, "　　　　　　これで　とおくの　てきにも　とどくわ。"},
};
constexpr MessageLine kStory68_57[] = {
    {210, 700, "セシル　：　まずは　わたしが　やってみせるわね。"},
};
constexpr MessageLine kStory69_58[] = {
    {210, 725, "　　　　　　よく　見ていて。"},
};
constexpr MessageLine kStory70_59[] = {
    {210, 700, "セシル　：　まず　こしを　おとして、ちからを　ためるの・・・"},
};
constexpr MessageLine kStory71_60[] = {
    {210, 725, "　　　　　　たまったら　いっきに　ときはなつ！　・・・いくわよ！"},
};
constexpr MessageLine kStory72_61[] = {
    {210, 700, "セシル　：　いまのが　Ｄキーの　わざよ。"},
};
constexpr MessageLine kStory73_62[] = {
    {210, 725, "リシェル　　：　すごい・・・！"},
};
constexpr MessageLine kStory74_63[] = {
    {210, 700, "セシル　：　こつは、ためらわずに　いっきに　おすこと。"},
};
constexpr MessageLine kStory75_64[] = {
    {210, 725, "　　　　　　つぎは　姫様の　ばんよ。"},
};
constexpr MessageLine kStory76_65[] = {
    {210, 700, "セシル　：　わたしが　あいずを　したら、すぐに　おすのよ。"},
};
constexpr MessageLine kStory77_66[] = {
    {210, 725, "リシェル　　：　よーし！"},
};
constexpr MessageLine kStory78_67[] = {
    {210, 700, "セシル　：　さあ、いまよ！　Ｄキーを　おして！"},
};
constexpr MessageLine kStory79_68[] = {
    {210, 725, "　　　　　　もう　いちど。　こんどは　もっと　すばやく！"},
};
constexpr MessageLine kStory80_69[] = {
    {210, 725, "　　　　　　おみごと！　それが　Ｄキーの　わざよ。"},
};
constexpr MessageLine kStory81_70[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様は　Ｄキーの　わざを　おぼえました！　とおくの　てきにも　とどきます。"},
};
constexpr MessageLine kStory82_71[] = {
    {210, 700, "セシル　：　・・・姫様、ひとつだけ　おぼえておいて。"},
};
constexpr MessageLine kStory83_72[] = {
    {210, 725, "　　　　　　この先で　なにが　あっても、あきらめないこと。"},
};
constexpr MessageLine kStory84_73[] = {
    {210, 700, "リシェル　　：　先生・・・？　なにか　しってるの？"},
};
constexpr MessageLine kStory85_74[] = {
    {210, 725, "セシル　：　ふふ、いまは　まだ　ないしょよ。"},
};
constexpr MessageLine kStory86_75[] = {
    {210, 700, "リシェル　　：　もう、先生ったら！"},
};
constexpr MessageLine kStory87_76[] = {
    {210, 725, "セシル　：　さあ、いってらっしゃい。　モモが　まってるわ。"},
};
constexpr MessageLine kStory88_77[] = {
    {210, 700, "ﾅﾚｰﾀ　：　どこからか　セシル先生の　声が　します。"},
};
constexpr MessageLine kStory89_78[] = {
    {210, 700, "セシル　：　あら、姫様。　きょうは　どうしたの？"},
};
constexpr MessageLine kStory89_79[] = {
    {210, 700, "セシル　：　むにゃむにゃ・・・　もう　たべられない・・・"},
};
constexpr MessageLine kStory90_80[] = {
    {210, 725, "リシェル　　：　先生、またね！"},
};
constexpr MessageLine kStory91_81[] = {
    {210, 700, "セシル　：　気をつけて　いってらっしゃい。"},
};
constexpr MessageLine kStory91_82[] = {
    {210, 700, "セシル　：　すやすや・・・"},
};
constexpr MessageLine kStory92_83[] = {
    {210, 700, "セシル　：　いつでも　ここで　まっているわ。"},
};
constexpr MessageLine kStory92_84[] = {
    {210, 700, "セシル　：　ぐう・・・　姫様・・・　むにゃ・・・"},
};
constexpr MessageLine kStory1001_85[] = {
    {210, 700, "きのこ屋　：　わたしは　この　きのこ屋の　あるじ。　番も　じぶんで　するのさ。"},
};
constexpr MessageLine kStory1002_86[] = {
    {210, 700, "リシェル　　：　きのこ屋さん？　だから　やりを　もってるの？"},
};
constexpr MessageLine kStory1003_87[] = {
    {210, 700, "きのこ屋　：　そうとも。　きのこどろぼうが　おおくてね。"},
};
constexpr MessageLine kStory1004_88[] = {
    {210, 700, "リシェル　　：　わたし、どろぼうじゃ　ないわ！"},
};
constexpr MessageLine kStory1005_89[] = {
    {210, 700, "きのこ屋　：　どうだかねえ。"},
    {210, 725, "　　　　　　　さいきんは　あやしい　ものが　おおいのさ。"},
};
constexpr MessageLine kStory1006_90[] = {
    {210, 700, "リシェル　　：　あやしい　もの？"},
};
constexpr MessageLine kStory1007_91[] = {
    {210, 700, "きのこ屋　：　じつは　この先で"},
    {210, 725, "　　　　　　　あやしい　おんなを　見かけたよ。"},
};
constexpr MessageLine kStory1008_92[] = {
    {210, 700, "リシェル　　：　それ、カーラだわ！"},
};
constexpr MessageLine kStory1009_93[] = {
    {210, 700, "きのこ屋　：　ちいさな　いきものを　だいて　いたよ。"},
};
constexpr MessageLine kStory1010_94[] = {
    {210, 700, "リシェル　　：　モモだわ！　どっちへ　いったの？"},
};
constexpr MessageLine kStory1011_95[] = {
    {210, 700, "きのこ屋　：　右のほうへ　いったよ。"},
    {210, 725, "　　　　　　　あんたの　ともだち　かい？"},
};
constexpr MessageLine kStory1012_96[] = {
    {210, 700, "リシェル　　：　ええ、大切な　家族なの。"},
};
constexpr MessageLine kStory1013_97[] = {
    {210, 700, "きのこ屋　：　そりゃあ　たいへんだ。"},
    {210, 725, "　　　　　　　あんたを　うたがって　わるかったね。"},
};
constexpr MessageLine kStory1014_98[] = {
    {210, 700, "きのこ屋　：　おわびに　ひとつ"},
    {210, 725, "　　　　　　　ゲームに　さそって　あげよう。"},
};
constexpr MessageLine kStory1015_99[] = {
    {210, 700, "きのこ屋　：　きのこが　もらえる　ゲームだよ。"},
};
constexpr MessageLine kStory1016_100[] = {
    {210, 700, "リシェル　　：　ゲーム？　でも　わたし、いそいでるの。"},
};
constexpr MessageLine kStory1017_101[] = {
    {210, 700, "きのこ屋　：　そう　いわずに。"},
    {210, 725, "　　　　　　　すぐ　おわるからさ。"},
};
constexpr MessageLine kStory1018_102[] = {
    {210, 700, "リシェル　　：　もう、しかたないなあ。"},
};
constexpr MessageLine kStory1021_103[] = {
    {210, 700, "リシェル　　：　先生、ちょっと　いい？"},
};
constexpr MessageLine kStory1022_104[] = {
    {210, 700, "セシル　：　なあに、姫様。"},
};
constexpr MessageLine kStory1023_105[] = {
    {210, 700, "リシェル　　：　あたらしい　わざを　おぼえたいの。"},
};
constexpr MessageLine kStory1024_106[] = {
    {210, 700, "セシル　：　それなら　野原の　西の　はしの　はしらを　おぼえておきなさい。"},
};
constexpr MessageLine kStory1025_107[] = {
    {210, 700, "リシェル　　：　西の　はしの　はしらね。　おぼえておく！"},
};
constexpr MessageLine kStory1026_108[] = {
    {210, 700, "リシェル　　：　ここが　ベルンさんの　言ってた　練習場ね。"},
};
constexpr MessageLine kStory1027_109[] = {
    {210, 700, "リシェル　　：　はしらに　よろいの　絵が　ほってある・・・"},
};
constexpr MessageLine kStory1028_110[] = {
    {210, 700, "リシェル　　：　これが　永遠の鎧の　しるし　かしら。"},
};
constexpr MessageLine kStory1030_111[] = {
    {210, 700, "リシェル　　：　わざを　ためせって　書いてある・・・？"},
};
constexpr MessageLine kStory1031_112[] = {
    {210, 700, "リシェル　　：　わたしの　わざ、見せてあげる！"},
};
constexpr MessageLine kStory1032_113[] = {
    {210, 700, "リシェル　　：　さいごは　この　はしらを　Ｇキーで　けりあげるのね。"},
};
constexpr MessageLine kStory1033_114[] = {
    {210, 700, "リシェル　　：　うごいた！　もっと　けりあげよう！"},
};
constexpr MessageLine kStory1034_115[] = {
    {210, 700, "リシェル　　：　あれ？　はしらが　しずんじゃった。"},
};
constexpr MessageLine kStory1037_116[] = {
    {210, 700, "リシェル　　：　すごい、ちからが　みなぎってくる！"},
};
constexpr MessageLine kStory1038_117[] = {
    {210, 700, "リシェル　　：　もう　いっかい！"},
};
constexpr MessageLine kStory1039_118[] = {
    {210, 700, "リシェル　　：　たあっ！"},
};
constexpr MessageLine kStory1040_119[] = {
    {210, 700, "リシェル　　：　きまった！"},
};
constexpr MessageLine kStory1041_120[] = {
    {210, 700, "リシェル　　：　つぎは　もっと　つよく！"},
};
constexpr MessageLine kStory1042_121[] = {
    {210, 700, "リシェル　　：　それっ！"},
};
constexpr MessageLine kStory1044_122[] = {
    {210, 700, "リシェル　　：　まだまだ！"},
};
constexpr MessageLine kStory1046_123[] = {
    {210, 700, "リシェル　　：　わっ、まぶしい・・・！"},
};
constexpr MessageLine kStory1048_124[] = {
    {210, 700, "リシェル　　：　これが　永遠の鎧・・・！　ぴったり！"},
};
constexpr MessageLine kStory1049_125[] = {
    {210, 700, "リシェル　　：　これなら　黒い光も　はね返せるわ。"},
};
constexpr MessageLine kStory1051_126[] = {
    {210, 700, "リシェル　　：　ベルンさんの　言った　とおりだったわ。"},
};
constexpr MessageLine kStory1053_127[] = {
    {210, 700, "リシェル　　：　もらっちゃって　いいのかしら。"},
};
constexpr MessageLine kStory1055_128[] = {
    {210, 700, "リシェル　　：　ありがとう！　たいせつに　するわ。"},
};
constexpr MessageLine kStory1057_129[] = {
    {210, 700, "リシェル　　：　よし、これで　お城の　門を　通れるわ！"},
};
constexpr MessageLine kStory1059_130[] = {
    {210, 700, "リシェル　　：　まってなさい、カーラ！"},
};
constexpr MessageLine kStory1063_131[] = {
    {210, 700, "リシェル　　：　いくわよ！"},
};
constexpr MessageLine kStory1029_132[] = {
    {210, 700, "ﾅﾚｰﾀ　：　はしらには　古い　文字も　ほられています。"},
};
constexpr MessageLine kStory1043_133[] = {
    {210, 700, "ﾅﾚｰﾀ　：　はしらに　にぶい　音が　ひびきました。"},
};
constexpr MessageLine kStory1045_134[] = {
    {210, 700, "ﾅﾚｰﾀ　：　はしらから　ふしぎな　ちからが　ながれこんで　きます・・・！"},
};
constexpr MessageLine kStory1047_135[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様は　永遠の鎧を　身に　まとっていました。"},
};
constexpr MessageLine kStory1050_136[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様の　わざが　ひとつ　ふえました。"},
};
constexpr MessageLine kStory1052_137[] = {
    {210, 700, "ﾅﾚｰﾀ　：　よろいは　からだに　よく　なじんでいます。"},
};
constexpr MessageLine kStory1054_138[] = {
    {210, 700, "ﾅﾚｰﾀ　：　どこからか　声が　きこえた　気がしました。"},
};
constexpr MessageLine kStory1056_139[] = {
    {210, 700, "ﾅﾚｰﾀ　：　よろいは　姫様を　えらんだ　ようです。"},
};
constexpr MessageLine kStory1060_140[] = {
    {210, 700, "ﾅﾚｰﾀ　：　これで　お城の　門も　ひらくはずです。"},
};
constexpr MessageLine kStory1061_141[] = {
    {210, 700, "ﾅﾚｰﾀ　：　東へ　もどって、お城の　門へ　むかいましょう。"},
};
constexpr MessageLine kStory1062_142[] = {
    {210, 700, "ﾅﾚｰﾀ　：　さあ、先へ　すすみましょう。"},
};
constexpr MessageLine kStory1035_143[] = {
    {210, 700, "リシェル　　：　はしらの　まえに　たつと、"},
    {210, 725, "　　　　　　　　からだが　かってに　うごくみたい！"},
};
constexpr MessageLine kStory1036_144[] = {
    {210, 700, "リシェル　　：　Ｇキーで　けりあげる　わざ、"},
    {210, 725, "　　　　　　　　からだが　おぼえたわ！"},
};
constexpr MessageLine kStory1058_145[] = {
    {210, 700, "ﾅﾚｰﾀ　：　こうして　姫様は　永遠の鎧と"},
    {210, 725, "　　　　　あたらしい　わざを　手に　いれたのでした。"},
};
constexpr MessageLine kGate1_146[] = {
    {210, 700, "リシェル　　：　おおきな　門が　しまってる。"},
};
constexpr MessageLine kGate2_147[] = {
    {210, 725, "ﾅﾚｰﾀ　：　姫様、だれかが　まもっているようです。"},
};
constexpr MessageLine kGate3_148[] = {
    {210, 700, "リシェル　　：　あけて　ください！"},
};
constexpr MessageLine kGate4_149[] = {
    {210, 725, "ﾅﾚｰﾀ　：　へんじが　ありませんね。"},
};
constexpr MessageLine kGate5_150[] = {
    {210, 700, "ﾅﾚｰﾀ　：　門には　ふしぎな　もようが　ほられています。"},
};
constexpr MessageLine kGate6_151[] = {
    {210, 725, "リシェル　　：　なにか　アイテムで　ひらくのかしら。"},
};
constexpr MessageLine kGate7_152[] = {
    {210, 725, "リシェル　　：　いまは　とおれない　みたい。"},
};
constexpr MessageLine kGate8_153[] = {
    {210, 700, "リシェル　　：　どうしよう・・・"},
};
constexpr MessageLine kGate9_154[] = {
    {210, 700, "？？？　：　この門を　とおりたくば　かぎを　もって　まいれ。"},
};
constexpr MessageLine kGate10_155[] = {
    {210, 725, "ﾅﾚｰﾀ　：　姫様、門が　しゃべりました！"},
};
constexpr MessageLine kGate11_156[] = {
    {210, 700, "リシェル　　：　かぎ？　どこに　あるの？"},
};
constexpr MessageLine kGate12_157[] = {
    {210, 725, "？？？　：　まるい　広場の　ぬしが　もっておる。"},
};
constexpr MessageLine kGate13_158[] = {
    {210, 700, "リシェル　　：　その　ぬしから　かぎを　もらえば　いいのね？"},
};
constexpr MessageLine kGate14_159[] = {
    {210, 725, "？？？　：　さよう。　手に　いれたら　この門の　まえで　つかえ。"},
};
constexpr MessageLine kGate15_160[] = {
    {210, 700, "リシェル　　：　この門の　まえで・・・　おぼえておくわ。"},
};
constexpr MessageLine kGate16_161[] = {
    {210, 700, "リシェル　　：　でも、広場って　どこに　あるの？"},
};
constexpr MessageLine kGate17_162[] = {
    {210, 725, "？？？　：　この先だ。　上の　道を　ゆくが　よい。"},
};
constexpr MessageLine kGate18_163[] = {
    {210, 700, "リシェル　　：　よーし、広場を　さがしに　いこう！"},
};
constexpr MessageLine kField32_164[] = {
    {210, 700, "リシェル　　：　あれ？　あそこに　とまってる　こうもり、なにかしら。"},
};
constexpr MessageLine kField33_165[] = {
    {210, 725, "ﾅﾚｰﾀ　：　姫様、あれは　空から　おそってくる　魔物です。"},
};
constexpr MessageLine kField34_166[] = {
    {210, 700, "リシェル　　：　ちかづいたら　とんで　くるのかしら。"},
};
constexpr MessageLine kField35_167[] = {
    {210, 700, "リシェル　　：　とびたった！"},
};
constexpr MessageLine kField36_168[] = {
    {210, 725, "ﾅﾚｰﾀ　：　姫様、おちてくる　たまに　気をつけて！"},
};
constexpr MessageLine kField37_169[] = {
    {210, 700, "リシェル　　：　な、なに？　地面から　なにか　出てきた！"},
};
constexpr MessageLine kField38_170[] = {
    {210, 725, "ﾅﾚｰﾀ　：　姫様、大きな　魔物です！　ごようじんを！"},
};
constexpr MessageLine kField39_171[] = {
    {210, 700, "リシェル　　：　すごく　大きい・・・　それに　かたそう。"},
};
constexpr MessageLine kField40_172[] = {
    {210, 725, "ﾅﾚｰﾀ　：　ちかづくと　つきとばされますよ。"},
};
constexpr MessageLine kField41_173[] = {
    {210, 700, "リシェル　　：　わたしの　キック、きくかしら。"},
};
constexpr MessageLine kField42_174[] = {
    {210, 725, "ﾅﾚｰﾀ　：　いろいろな　わざを　ためして　みては？"},
};
constexpr MessageLine kField43_175[] = {
    {210, 700, "リシェル　　：　あいつ、コインを　もってるかしら。"},
};
constexpr MessageLine kField44_176[] = {
    {210, 725, "ﾅﾚｰﾀ　：　たたくたびに　ひろえるかも　しれません。"},
};
constexpr MessageLine kField45_177[] = {
    {210, 700, "リシェル　　：　よし、きめた！　あいつを　たおして　すすむ！"},
};
constexpr MessageLine kField46_178[] = {
    {210, 725, "ﾅﾚｰﾀ　：　あぶなくなったら　さがって　くださいね。"},
};
constexpr MessageLine kField47_179[] = {
    {210, 700, "リシェル　　：　モモ、もうすこし　まっててね！"},
};
constexpr MessageLine kField48_180[] = {
    {210, 725, "ﾅﾚｰﾀ　：　では、いざ！"},
};
constexpr MessageLine kField50_181[] = {
    {210, 700, "リシェル　　：　あら？　あんな　ところに　魔物が　いる。"},
};
constexpr MessageLine kField51_182[] = {
    {210, 700, "リシェル　　：　わっ、おりてきた！"},
};
constexpr MessageLine kField54_183[] = {
    {210, 700, "リシェル　　：　やるって　いうのね！"},
};
constexpr MessageLine kField55_184[] = {
    {210, 700, "リシェル　　：　えっ、もう　一匹！？　二匹も　いるなんて！"},
};
constexpr MessageLine kField62_185[] = {
    {210, 700, "リシェル　　：　よーし、そっと　ちかづいて　みよう。"},
};
constexpr MessageLine kField65_186[] = {
    {210, 700, "リシェル　　：　なにか　おとして　いったみたい。"},
};
constexpr MessageLine kField72_187[] = {
    {210, 700, "リシェル　　：　いたっ！　あたった・・・"},
};
constexpr MessageLine kField75_188[] = {
    {210, 700, "リシェル　　：　あっ、にげた！　塔の　ほうへ　はしっていったわ。"},
};
constexpr MessageLine kField52_189[] = {
    {210, 700, "リシェル　　：　ちょっと、そこの　あなた！"},
};
constexpr MessageLine kField53_190[] = {
    {210, 725, "？？？　：　だれだ！　じゃまを　するな！"},
};
constexpr MessageLine kField56_191[] = {
    {210, 700, "リシェル　　：　あら？　あそこに　小さな　なにかが　いる。"},
};
constexpr MessageLine kField57_192[] = {
    {210, 725, "ﾅﾚｰﾀ　：　姫様、あれは　塔を　まもる　小鬼の　見はりです。"},
};
constexpr MessageLine kField58_193[] = {
    {210, 700, "リシェル　　：　塔？　この　道の　先に　塔が　あるの？"},
};
constexpr MessageLine kField59_194[] = {
    {210, 725, "ﾅﾚｰﾀ　：　はい。　カーラは　その塔に　いるようです。"},
};
constexpr MessageLine kField60_195[] = {
    {210, 700, "リシェル　　：　見はりは　あの　一匹だけ？"},
};
constexpr MessageLine kField61_196[] = {
    {210, 725, "ﾅﾚｰﾀ　：　いいえ、三匹　いると　ききました。"},
};
constexpr MessageLine kField63_197[] = {
    {210, 700, "リシェル　　：　あっ、見つかった！"},
};
constexpr MessageLine kField64_198[] = {
    {210, 725, "　　　　　　　　あの　とびらの　中へ　にげこんだわ！"},
};
constexpr MessageLine kField66_199[] = {
    {210, 700, "リシェル　　：　これ・・・　見はりの　おとしもの？"},
};
constexpr MessageLine kField67_200[] = {
    {210, 725, "？？？　：　それに　さわるな！"},
};
constexpr MessageLine kField68_201[] = {
    {210, 700, "リシェル　　：　きゃっ！　とびらから　なにか　とんできた！"},
};
constexpr MessageLine kField69_202[] = {
    {210, 725, "　　　　　　　　あの　とびらの　中から　だれかが　うってくるのね！"},
};
constexpr MessageLine kField70_203[] = {
    {210, 700, "リシェル　　：　あぶないじゃない！　やめなさい！"},
};
constexpr MessageLine kField71_204[] = {
    {210, 725, "？？？　：　塔には　ちかづかせないぞ！"},
};
constexpr MessageLine kField73_205[] = {
    {210, 700, "リシェル　　：　もう　おこったわ！　出てきなさい！"},
};
constexpr MessageLine kField74_206[] = {
    {210, 725, "？？？　：　ひえっ！"},
};
constexpr MessageLine kField76_207[] = {
    {210, 700, "ﾅﾚｰﾀ　：　見はりたちは　塔の　中に　にげこむ　つもりです。"},
};
constexpr MessageLine kField77_208[] = {
    {210, 700, "ﾅﾚｰﾀ　：　見はりが　塔に　にげこむと、"},
};
constexpr MessageLine kField77_209[] = {
    {210, 725, "　　　　　塔の　かべから　足場が　ひとつ　せりだすようです。"},
};
constexpr MessageLine kField78_210[] = {
    {210, 725, "　　　　　三匹とも　おいこめば、塔を　のぼれます！"},
};
constexpr MessageLine kField79_211[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様は　とびらの　中を　のぞきこみました・・・"},
};
constexpr MessageLine kField80_212[] = {
    {210, 700, "ﾅﾚｰﾀ　：　なにも　ないようです。"},
    {210, 725, "リシェル　　：　先へ　いきましょう！"},
};
constexpr MessageLine kField81_213[] = {
    {210, 700, "ﾅﾚｰﾀ　：　とびらの　おくに　３００バルが　かくしてありました！"},
};
constexpr MessageLine kField101_214[] = {
    {210, 700, "リシェル　　：　どうやって　たたかえば　いいの？"},
};
constexpr MessageLine kField102_215[] = {
    {210, 700, "ﾅﾚｰﾀ　：　とびあがった　ところを　ねらうのです。"},
};
constexpr MessageLine kField103_216[] = {
    {210, 700, "リシェル　　：　とまってる　ときは？"},
};
constexpr MessageLine kField104_217[] = {
    {210, 700, "ﾅﾚｰﾀ　：　とまっている　あいだは　こうげきが　とどきません。"},
};
constexpr MessageLine kField105_218[] = {
    {210, 700, "リシェル　　：　上から　なにか　おとして　くるのね。"},
};
constexpr MessageLine kField106_219[] = {
    {210, 700, "リシェル　　：　よーし、しっかり　見てるわ！"},
};
constexpr MessageLine kField107_220[] = {
    {210, 700, "ﾅﾚｰﾀ　：　頭の　上に　おきをつけて！"},
};
constexpr MessageLine kField108_221[] = {
    {210, 700, "リシェル　　：　わかった！　いってくる！"},
};
constexpr MessageLine kField109_222[] = {
    {210, 700, "リシェル　　：　来たわね！　かかってきなさい！"},
};
constexpr MessageLine kSide1_223[] = {
    {210, 700, "リシェル　　：　ん？　いま　なにか　うごいた？"},
};
constexpr MessageLine kSide2_224[] = {
    {210, 545, "リシェル　　：　あっ・・・！　先生！？"},
};
constexpr MessageLine kSide3_225[] = {
    {210, 545, "リシェル　　：　ご、ごめんなさい！　けがは　ない！？"},
};
constexpr MessageLine kSide4_226[] = {
    {210, 545, "リシェル　　：　どうしよう、先生に　あてちゃった・・・"},
};
constexpr MessageLine kSide5_227[] = {
    {210, 545, "セシル　：　いたた・・・　ふふ、へいきよ。"},
};
constexpr MessageLine kSide6_228[] = {
    {210, 545, "セシル　：　いまの　一撃、ずいぶん　つよく　なったわね。"},
};
constexpr MessageLine kSide7_229[] = {
    {210, 545, "セシル　：　あたらしい　よろいも　手に　いれたのね。"},
};
constexpr MessageLine kSide8_230[] = {
    {210, 545, "リシェル　　：　先生、こんな　ところで　なにを　してたの？"},
};
constexpr MessageLine kSide9_231[] = {
    {210, 545, "セシル　：　姫様の　たびを　見まもって　いたのよ。"},
};
constexpr MessageLine kSide10_232[] = {
    {210, 545, "リシェル　　：　ずっと　見てて　くれたの？"},
};
constexpr MessageLine kSide11_233[] = {
    {210, 545, "セシル　：　ええ。　いつも　かげから　ね。"},
};
constexpr MessageLine kSide12_234[] = {
    {210, 545, "セシル　：　たくさんの　わざを　おぼえたわね。"},
};
constexpr MessageLine kSide13_235[] = {
    {210, 545, "セシル　：　もう　わたしが　おしえる　ことは　ないわ。"},
};
constexpr MessageLine kSide14_236[] = {
    {210, 545, "セシル　：　でも　この先の　たびは　もっと　きびしく　なる。"},
};
constexpr MessageLine kSide15_237[] = {
    {210, 545, "リシェル　　：　うん・・・　でも　まけない！"},
};
constexpr MessageLine kSide16_238[] = {
    {210, 545, "セシル　：　その　意気よ。　ゆだんは　きんもつ。"},
};
constexpr MessageLine kSide17_239[] = {
    {210, 545, "セシル　：　わたしの　赤水晶を　あなたに　あずけるわ。"},
};
constexpr MessageLine kSide18_240[] = {
    {210, 545, "リシェル　　：　先生の　赤水晶を・・・　わたしに？"},
};
constexpr MessageLine kSide19_241[] = {
    {210, 545, "セシル　：　こまった　ときに　きっと　やくに　たつわ。"},
};
constexpr MessageLine kSide20_242[] = {
    {210, 545, "セシル　：　モモを　かならず　たすけだしてね。"},
};
constexpr MessageLine kSide21_243[] = {
    {210, 545, "ﾅﾚｰﾀ　：　姫様は　赤水晶を　うけとりました。"},
};
constexpr MessageLine kSide22_244[] = {
    {210, 545, "セシル　：　また　会いましょう、姫様。"},
};
constexpr MessageLine kSide23_245[] = {
    {210, 545, "リシェル　　：　先生、ありがとう！"},
};

constexpr MessageLine kStory52[] = {
    {210, 700, "リシェル　　：　先生も　おさんぽ？"},
};

// The teacher speaks awake until the later areas' events are unlocked, then
// talks in her sleep.
bool Era02Locked() { return Era02EventsUnlocked == 0; }
bool Era02Open() { return Era02EventsUnlocked != 0; }

// The notice always bears the day the game runs on.
void DrawNoticeDate(TextHelper& helper) {
    TextHelperSetInsertionPos(helper, 305, 735);
    TextHelperPrintf(helper, "%4d年%02d月%02d日 道の管理人より", static_cast<int>(TraceSample.year),
                     static_cast<int>(TraceSample.month), static_cast<int>(TraceSample.day));
}

// The seller's offer with the heroine's gold.
void DrawSellerOffer(TextHelper& helper) {
    TextHelperSetInsertionPos(helper, 210, 725);
    TextHelperPrintf(helper, "　　　　　　やってく→　Y    所持金　%10dバル", static_cast<int>(Gold));
}

constexpr AreaMessageEntry kEntries[] = {
    {&DialogueChannelsRecord::promptLine, 19, 19, nullptr, 6, 80, kTextBlack, kArrival19, std::size(kArrival19)},
    {&DialogueChannelsRecord::promptLine, 20, 20, nullptr, 6, 80, kTextBlack, kArrival20, std::size(kArrival20)},
    {&DialogueChannelsRecord::promptLine, 21, 21, nullptr, 6, 80, kTextBlack, kArrival21, std::size(kArrival21)},
    {&DialogueChannelsRecord::promptLine, 22, 22, nullptr, 6, 80, kTextBlack, kArrival22, std::size(kArrival22)},
    {&DialogueChannelsRecord::promptLine, 23, 23, nullptr, 6, 80, kTextBlack, kArrival23, std::size(kArrival23)},
    {&DialogueChannelsRecord::fieldLine, 29, 29, nullptr, 6, 80, kTextBlack, kField29_0, 1},
    {&DialogueChannelsRecord::fieldLine, 30, 31, nullptr, 6, 80, kTextBlack, kField30_1, 1},
    {&DialogueChannelsRecord::fieldLine, 31, 31, nullptr, 6, 80, kTextBlack, kField31_2, 1},
    {&DialogueChannelsRecord::arenaLine, 1, 1, nullptr, 6, 80, kTextBlack, kArena1_3, 1},
    {&DialogueChannelsRecord::arenaLine, 2, 2, nullptr, 6, 80, kTextBlack, kArena2_4, 1},
    {&DialogueChannelsRecord::arenaLine, 3, 3, nullptr, 6, 80, kTextBlack, kArena3_5, 1},
    {&DialogueChannelsRecord::arenaLine, 4, 4, nullptr, 6, 80, kTextBlack, kArena4_6, 1},
    {&DialogueChannelsRecord::arenaLine, 5, 5, nullptr, 6, 80, kTextBlack, kArena5_7, 1},
    {&DialogueChannelsRecord::arenaLine, 6, 6, nullptr, 6, 80, kTextBlack, kArena6_8, 1},
    {&DialogueChannelsRecord::arenaLine, 7, 7, nullptr, 6, 80, kTextBlack, kArena7_9, 1},
    {&DialogueChannelsRecord::arenaLine, 8, 8, nullptr, 6, 80, kTextBlack, kArena8_10, 1},
    {&DialogueChannelsRecord::arenaLine, 9, 9, nullptr, 6, 80, kTextBlack, kArena9_11, 1},
    {&DialogueChannelsRecord::arenaLine, 10, 10, nullptr, 6, 80, kTextBlack, kArena10_12, 1},
    {&DialogueChannelsRecord::arenaLine, 11, 11, nullptr, 6, 80, kTextBlack, kArena11_13, 1},
    {&DialogueChannelsRecord::storyLine, 20, 20, nullptr, 6, 80, kTextBlack, kStory20_14, 1},
    {&DialogueChannelsRecord::storyLine, 21, 21, nullptr, 6, 80, kTextBlack, kStory21_15, 2},
    {&DialogueChannelsRecord::storyLine, 22, 22, nullptr, 6, 80, kTextBlack, kStory22_16, 2},
    {&DialogueChannelsRecord::storyLine, 23, 23, nullptr, 6, 80, kTextBlack, kStory23_17, 1, DrawNoticeDate},
    {&DialogueChannelsRecord::storyLine, 25, 26, nullptr, 6, 80, kTextBlack, kStory25_18, 1},
    {&DialogueChannelsRecord::storyLine, 26, 26, nullptr, 6, 80, kTextBlack, kStory26_19, 1},
    {&DialogueChannelsRecord::storyLine, 27, 28, nullptr, 6, 80, kTextBlack, kStory27_20, 1},
    {&DialogueChannelsRecord::storyLine, 28, 28, nullptr, 6, 80, kTextBlack, kStory28_21, 1},
    {&DialogueChannelsRecord::storyLine, 29, 29, nullptr, 6, 80, kTextBlack, kStory29_22, 1},
    {&DialogueChannelsRecord::storyLine, 30, 31, nullptr, 6, 80, kTextBlack, kStory30_23, 1},
    {&DialogueChannelsRecord::storyLine, 31, 31, nullptr, 6, 80, kTextBlack, kStory31_24, 1},
    {&DialogueChannelsRecord::storyLine, 32, 33, nullptr, 6, 80, kTextBlack, kStory32_25, 1},
    {&DialogueChannelsRecord::storyLine, 33, 33, nullptr, 6, 80, kTextBlack, kStory33_26, 1},
    {&DialogueChannelsRecord::storyLine, 34, 35, nullptr, 6, 80, kTextBlack, kStory34_27, 1},
    {&DialogueChannelsRecord::storyLine, 35, 35, nullptr, 6, 80, kTextBlack, kStory35_28, 1},
    {&DialogueChannelsRecord::storyLine, 36, 37, nullptr, 6, 80, kTextBlack, kStory36_29, 1},
    {&DialogueChannelsRecord::storyLine, 37, 37, nullptr, 6, 80, kTextBlack, kStory37_30, 1},
    {&DialogueChannelsRecord::storyLine, 38, 39, nullptr, 6, 80, kTextBlack, kStory38_31, 1},
    {&DialogueChannelsRecord::storyLine, 39, 39, nullptr, 6, 80, kTextBlack, kStory39_32, 1},
    {&DialogueChannelsRecord::storyLine, 40, 41, nullptr, 6, 80, kTextBlack, kStory40_33, 1},
    {&DialogueChannelsRecord::storyLine, 41, 41, nullptr, 6, 80, kTextBlack, nullptr, 0, DrawSellerOffer},
    {&DialogueChannelsRecord::storyLine, 42, 43, nullptr, 6, 80, kTextBlack, kStory42_35, 1},
    {&DialogueChannelsRecord::storyLine, 43, 43, nullptr, 6, 80, kTextBlack, kStory43_36, 1},
    {&DialogueChannelsRecord::storyLine, 44, 44, nullptr, 6, 80, kTextBlack, kStory44_37, 1},
    {&DialogueChannelsRecord::storyLine, 45, 45, nullptr, 6, 80, kTextBlack, kStory45_38, 1},
    {&DialogueChannelsRecord::storyLine, 46, 46, nullptr, 6, 80, kTextBlack, kStory46_39, 1},
    {&DialogueChannelsRecord::storyLine, 50, 51, nullptr, 6, 80, kTextBlack, kStory50_40, 1},
    {&DialogueChannelsRecord::storyLine, 51, 51, nullptr, 6, 80, kTextBlack, kStory51_41, 1},
    {&DialogueChannelsRecord::storyLine, 52, 52, nullptr, 6, 80, kTextBlack, kStory52, 1},
    {&DialogueChannelsRecord::storyLine, 53, 54, nullptr, 6, 80, kTextBlack, kStory53_42, 1},
    {&DialogueChannelsRecord::storyLine, 54, 54, nullptr, 6, 80, kTextBlack, kStory54_43, 1},
    {&DialogueChannelsRecord::storyLine, 55, 56, nullptr, 6, 80, kTextBlack, kStory55_44, 1},
    {&DialogueChannelsRecord::storyLine, 56, 56, nullptr, 6, 80, kTextBlack, kStory56_45, 1},
    {&DialogueChannelsRecord::storyLine, 57, 57, nullptr, 6, 80, kTextBlack, kStory57_46, 1},
    {&DialogueChannelsRecord::storyLine, 58, 58, nullptr, 6, 80, kTextBlack, kStory58_47, 1},
    {&DialogueChannelsRecord::storyLine, 59, 59, nullptr, 6, 80, kTextBlack, kStory59_48, 1},
    {&DialogueChannelsRecord::storyLine, 60, 60, nullptr, 6, 80, kTextBlack, kStory60_49, 1},
    {&DialogueChannelsRecord::storyLine, 61, 62, nullptr, 6, 80, kTextBlack, kStory61_50, 1},
    {&DialogueChannelsRecord::storyLine, 62, 62, nullptr, 6, 80, kTextBlack, kStory62_51, 1},
    {&DialogueChannelsRecord::storyLine, 63, 63, nullptr, 6, 80, kTextBlack, kStory63_52, 1},
    {&DialogueChannelsRecord::storyLine, 64, 65, nullptr, 6, 80, kTextBlack, kStory64_53, 1},
    {&DialogueChannelsRecord::storyLine, 65, 65, nullptr, 6, 80, kTextBlack, kStory65_54, 1},
    {&DialogueChannelsRecord::storyLine, 66, 67, nullptr, 6, 80, kTextBlack, kStory66_55, 1},
    {&DialogueChannelsRecord::storyLine, 67, 67, nullptr, 6, 80, kTextBlack, kStory67_56, 1},
    {&DialogueChannelsRecord::storyLine, 68, 69, nullptr, 6, 80, kTextBlack, kStory68_57, 1},
    {&DialogueChannelsRecord::storyLine, 69, 69, nullptr, 6, 80, kTextBlack, kStory69_58, 1},
    {&DialogueChannelsRecord::storyLine, 70, 71, nullptr, 6, 80, kTextBlack, kStory70_59, 1},
    {&DialogueChannelsRecord::storyLine, 71, 71, nullptr, 6, 80, kTextBlack, kStory71_60, 1},
    {&DialogueChannelsRecord::storyLine, 72, 73, nullptr, 6, 80, kTextBlack, kStory72_61, 1},
    {&DialogueChannelsRecord::storyLine, 73, 73, nullptr, 6, 80, kTextBlack, kStory73_62, 1},
    {&DialogueChannelsRecord::storyLine, 74, 75, nullptr, 6, 80, kTextBlack, kStory74_63, 1},
    {&DialogueChannelsRecord::storyLine, 75, 75, nullptr, 6, 80, kTextBlack, kStory75_64, 1},
    {&DialogueChannelsRecord::storyLine, 76, 77, nullptr, 6, 80, kTextBlack, kStory76_65, 1},
    {&DialogueChannelsRecord::storyLine, 77, 77, nullptr, 6, 80, kTextBlack, kStory77_66, 1},
    {&DialogueChannelsRecord::storyLine, 78, 80, nullptr, 6, 80, kTextBlack, kStory78_67, 1},
    {&DialogueChannelsRecord::storyLine, 79, 79, nullptr, 6, 80, kTextBlack, kStory79_68, 1},
    {&DialogueChannelsRecord::storyLine, 80, 80, nullptr, 6, 80, kTextBlack, kStory80_69, 1},
    {&DialogueChannelsRecord::storyLine, 81, 81, nullptr, 6, 80, kTextBlack, kStory81_70, 1},
    {&DialogueChannelsRecord::storyLine, 82, 83, nullptr, 6, 80, kTextBlack, kStory82_71, 1},
    {&DialogueChannelsRecord::storyLine, 83, 83, nullptr, 6, 80, kTextBlack, kStory83_72, 1},
    {&DialogueChannelsRecord::storyLine, 84, 85, nullptr, 6, 80, kTextBlack, kStory84_73, 1},
    {&DialogueChannelsRecord::storyLine, 85, 85, nullptr, 6, 80, kTextBlack, kStory85_74, 1},
    {&DialogueChannelsRecord::storyLine, 86, 87, nullptr, 6, 80, kTextBlack, kStory86_75, 1},
    {&DialogueChannelsRecord::storyLine, 87, 87, nullptr, 6, 80, kTextBlack, kStory87_76, 1},
    {&DialogueChannelsRecord::storyLine, 88, 88, nullptr, 6, 80, kTextBlack, kStory88_77, 1},
    {&DialogueChannelsRecord::storyLine, 89, 90, Era02Locked, 6, 80, kTextBlack, kStory89_78, 1},
    {&DialogueChannelsRecord::storyLine, 89, 90, Era02Open, 6, 80, kTextBlack, kStory89_79, 1},
    {&DialogueChannelsRecord::storyLine, 90, 90, nullptr, 6, 80, kTextBlack, kStory90_80, 1},
    {&DialogueChannelsRecord::storyLine, 91, 91, Era02Locked, 6, 80, kTextBlack, kStory91_81, 1},
    {&DialogueChannelsRecord::storyLine, 91, 91, Era02Open, 6, 80, kTextBlack, kStory91_82, 1},
    {&DialogueChannelsRecord::storyLine, 92, 92, Era02Locked, 6, 80, kTextBlack, kStory92_83, 1},
    {&DialogueChannelsRecord::storyLine, 92, 92, Era02Open, 6, 80, kTextBlack, kStory92_84, 1},
    {&DialogueChannelsRecord::storyLine, 1001, 1001, nullptr, 6, 80, kTextBlack, kStory1001_85, 1},
    {&DialogueChannelsRecord::storyLine, 1002, 1002, nullptr, 6, 80, kTextBlack, kStory1002_86, 1},
    {&DialogueChannelsRecord::storyLine, 1003, 1003, nullptr, 6, 80, kTextBlack, kStory1003_87, 1},
    {&DialogueChannelsRecord::storyLine, 1004, 1004, nullptr, 6, 80, kTextBlack, kStory1004_88, 1},
    {&DialogueChannelsRecord::storyLine, 1005, 1005, nullptr, 6, 80, kTextBlack, kStory1005_89, 2},
    {&DialogueChannelsRecord::storyLine, 1006, 1006, nullptr, 6, 80, kTextBlack, kStory1006_90, 1},
    {&DialogueChannelsRecord::storyLine, 1007, 1007, nullptr, 6, 80, kTextBlack, kStory1007_91, 2},
    {&DialogueChannelsRecord::storyLine, 1008, 1008, nullptr, 6, 80, kTextBlack, kStory1008_92, 1},
    {&DialogueChannelsRecord::storyLine, 1009, 1009, nullptr, 6, 80, kTextBlack, kStory1009_93, 1},
    {&DialogueChannelsRecord::storyLine, 1010, 1010, nullptr, 6, 80, kTextBlack, kStory1010_94, 1},
    {&DialogueChannelsRecord::storyLine, 1011, 1011, nullptr, 6, 80, kTextBlack, kStory1011_95, 2},
    {&DialogueChannelsRecord::storyLine, 1012, 1012, nullptr, 6, 80, kTextBlack, kStory1012_96, 1},
    {&DialogueChannelsRecord::storyLine, 1013, 1013, nullptr, 6, 80, kTextBlack, kStory1013_97, 2},
    {&DialogueChannelsRecord::storyLine, 1014, 1014, nullptr, 6, 80, kTextBlack, kStory1014_98, 2},
    {&DialogueChannelsRecord::storyLine, 1015, 1015, nullptr, 6, 80, kTextBlack, kStory1015_99, 1},
    {&DialogueChannelsRecord::storyLine, 1016, 1016, nullptr, 6, 80, kTextBlack, kStory1016_100, 1},
    {&DialogueChannelsRecord::storyLine, 1017, 1017, nullptr, 6, 80, kTextBlack, kStory1017_101, 2},
    {&DialogueChannelsRecord::storyLine, 1018, 1018, nullptr, 6, 80, kTextBlack, kStory1018_102, 1},
    {&DialogueChannelsRecord::storyLine, 1021, 1021, nullptr, 6, 80, kTextBlack, kStory1021_103, 1},
    {&DialogueChannelsRecord::storyLine, 1022, 1022, nullptr, 6, 80, kTextBlack, kStory1022_104, 1},
    {&DialogueChannelsRecord::storyLine, 1023, 1023, nullptr, 6, 80, kTextBlack, kStory1023_105, 1},
    {&DialogueChannelsRecord::storyLine, 1024, 1024, nullptr, 6, 80, kTextBlack, kStory1024_106, 1},
    {&DialogueChannelsRecord::storyLine, 1025, 1025, nullptr, 6, 80, kTextBlack, kStory1025_107, 1},
    {&DialogueChannelsRecord::storyLine, 1026, 1026, nullptr, 6, 80, kTextBlack, kStory1026_108, 1},
    {&DialogueChannelsRecord::storyLine, 1027, 1027, nullptr, 6, 80, kTextBlack, kStory1027_109, 1},
    {&DialogueChannelsRecord::storyLine, 1028, 1028, nullptr, 6, 80, kTextBlack, kStory1028_110, 1},
    {&DialogueChannelsRecord::storyLine, 1030, 1030, nullptr, 6, 80, kTextBlack, kStory1030_111, 1},
    {&DialogueChannelsRecord::storyLine, 1031, 1031, nullptr, 6, 80, kTextBlack, kStory1031_112, 1},
    {&DialogueChannelsRecord::storyLine, 1032, 1032, nullptr, 6, 80, kTextBlack, kStory1032_113, 1},
    {&DialogueChannelsRecord::storyLine, 1033, 1033, nullptr, 6, 80, kTextBlack, kStory1033_114, 1},
    {&DialogueChannelsRecord::storyLine, 1034, 1034, nullptr, 6, 80, kTextBlack, kStory1034_115, 1},
    {&DialogueChannelsRecord::storyLine, 1037, 1037, nullptr, 6, 80, kTextBlack, kStory1037_116, 1},
    {&DialogueChannelsRecord::storyLine, 1038, 1038, nullptr, 6, 80, kTextBlack, kStory1038_117, 1},
    {&DialogueChannelsRecord::storyLine, 1039, 1039, nullptr, 6, 80, kTextBlack, kStory1039_118, 1},
    {&DialogueChannelsRecord::storyLine, 1040, 1040, nullptr, 6, 80, kTextBlack, kStory1040_119, 1},
    {&DialogueChannelsRecord::storyLine, 1041, 1041, nullptr, 6, 80, kTextBlack, kStory1041_120, 1},
    {&DialogueChannelsRecord::storyLine, 1042, 1042, nullptr, 6, 80, kTextBlack, kStory1042_121, 1},
    {&DialogueChannelsRecord::storyLine, 1044, 1044, nullptr, 6, 80, kTextBlack, kStory1044_122, 1},
    {&DialogueChannelsRecord::storyLine, 1046, 1046, nullptr, 6, 80, kTextBlack, kStory1046_123, 1},
    {&DialogueChannelsRecord::storyLine, 1048, 1048, nullptr, 6, 80, kTextBlack, kStory1048_124, 1},
    {&DialogueChannelsRecord::storyLine, 1049, 1049, nullptr, 6, 80, kTextBlack, kStory1049_125, 1},
    {&DialogueChannelsRecord::storyLine, 1051, 1051, nullptr, 6, 80, kTextBlack, kStory1051_126, 1},
    {&DialogueChannelsRecord::storyLine, 1053, 1053, nullptr, 6, 80, kTextBlack, kStory1053_127, 1},
    {&DialogueChannelsRecord::storyLine, 1055, 1055, nullptr, 6, 80, kTextBlack, kStory1055_128, 1},
    {&DialogueChannelsRecord::storyLine, 1057, 1057, nullptr, 6, 80, kTextBlack, kStory1057_129, 1},
    {&DialogueChannelsRecord::storyLine, 1059, 1059, nullptr, 6, 80, kTextBlack, kStory1059_130, 1},
    {&DialogueChannelsRecord::storyLine, 1063, 1063, nullptr, 6, 80, kTextBlack, kStory1063_131, 1},
    {&DialogueChannelsRecord::storyLine, 1029, 1029, nullptr, 6, 80, kTextBlack, kStory1029_132, 1},
    {&DialogueChannelsRecord::storyLine, 1043, 1043, nullptr, 6, 80, kTextBlack, kStory1043_133, 1},
    {&DialogueChannelsRecord::storyLine, 1045, 1045, nullptr, 6, 80, kTextBlack, kStory1045_134, 1},
    {&DialogueChannelsRecord::storyLine, 1047, 1047, nullptr, 6, 80, kTextBlack, kStory1047_135, 1},
    {&DialogueChannelsRecord::storyLine, 1050, 1050, nullptr, 6, 80, kTextBlack, kStory1050_136, 1},
    {&DialogueChannelsRecord::storyLine, 1052, 1052, nullptr, 6, 80, kTextBlack, kStory1052_137, 1},
    {&DialogueChannelsRecord::storyLine, 1054, 1054, nullptr, 6, 80, kTextBlack, kStory1054_138, 1},
    {&DialogueChannelsRecord::storyLine, 1056, 1056, nullptr, 6, 80, kTextBlack, kStory1056_139, 1},
    {&DialogueChannelsRecord::storyLine, 1060, 1060, nullptr, 6, 80, kTextBlack, kStory1060_140, 1},
    {&DialogueChannelsRecord::storyLine, 1061, 1061, nullptr, 6, 80, kTextBlack, kStory1061_141, 1},
    {&DialogueChannelsRecord::storyLine, 1062, 1062, nullptr, 6, 80, kTextBlack, kStory1062_142, 1},
    {&DialogueChannelsRecord::storyLine, 1035, 1035, nullptr, 6, 80, kTextBlack, kStory1035_143, 2},
    {&DialogueChannelsRecord::storyLine, 1036, 1036, nullptr, 6, 80, kTextBlack, kStory1036_144, 2},
    {&DialogueChannelsRecord::storyLine, 1058, 1058, nullptr, 6, 80, kTextBlack, kStory1058_145, 2},
    {&DialogueChannelsRecord::gateLine, 1, 2, nullptr, 6, 80, kTextBlack, kGate1_146, 1},
    {&DialogueChannelsRecord::gateLine, 2, 2, nullptr, 6, 80, kTextBlack, kGate2_147, 1},
    {&DialogueChannelsRecord::gateLine, 3, 4, nullptr, 6, 80, kTextBlack, kGate3_148, 1},
    {&DialogueChannelsRecord::gateLine, 4, 4, nullptr, 6, 80, kTextBlack, kGate4_149, 1},
    {&DialogueChannelsRecord::gateLine, 5, 7, nullptr, 6, 80, kTextBlack, kGate5_150, 1},
    {&DialogueChannelsRecord::gateLine, 6, 6, nullptr, 6, 80, kTextBlack, kGate6_151, 1},
    {&DialogueChannelsRecord::gateLine, 7, 7, nullptr, 6, 80, kTextBlack, kGate7_152, 1},
    {&DialogueChannelsRecord::gateLine, 8, 8, nullptr, 6, 80, kTextBlack, kGate8_153, 1},
    {&DialogueChannelsRecord::gateLine, 9, 10, nullptr, 6, 80, kTextBlack, kGate9_154, 1},
    {&DialogueChannelsRecord::gateLine, 10, 10, nullptr, 6, 80, kTextBlack, kGate10_155, 1},
    {&DialogueChannelsRecord::gateLine, 11, 12, nullptr, 6, 80, kTextBlack, kGate11_156, 1},
    {&DialogueChannelsRecord::gateLine, 12, 12, nullptr, 6, 80, kTextBlack, kGate12_157, 1},
    {&DialogueChannelsRecord::gateLine, 13, 14, nullptr, 6, 80, kTextBlack, kGate13_158, 1},
    {&DialogueChannelsRecord::gateLine, 14, 14, nullptr, 6, 80, kTextBlack, kGate14_159, 1},
    {&DialogueChannelsRecord::gateLine, 15, 15, nullptr, 6, 80, kTextBlack, kGate15_160, 1},
    {&DialogueChannelsRecord::gateLine, 16, 17, nullptr, 6, 80, kTextBlack, kGate16_161, 1},
    {&DialogueChannelsRecord::gateLine, 17, 17, nullptr, 6, 80, kTextBlack, kGate17_162, 1},
    {&DialogueChannelsRecord::gateLine, 18, 18, nullptr, 6, 80, kTextBlack, kGate18_163, 1},
    {&DialogueChannelsRecord::fieldLine, 32, 33, nullptr, 6, 80, kTextBlack, kField32_164, 1},
    {&DialogueChannelsRecord::fieldLine, 33, 33, nullptr, 6, 80, kTextBlack, kField33_165, 1},
    {&DialogueChannelsRecord::fieldLine, 34, 34, nullptr, 6, 80, kTextBlack, kField34_166, 1},
    {&DialogueChannelsRecord::fieldLine, 35, 36, nullptr, 6, 80, kTextBlack, kField35_167, 1},
    {&DialogueChannelsRecord::fieldLine, 36, 36, nullptr, 6, 80, kTextBlack, kField36_168, 1},
    {&DialogueChannelsRecord::fieldLine, 37, 38, nullptr, 6, 80, kTextBlack, kField37_169, 1},
    {&DialogueChannelsRecord::fieldLine, 38, 38, nullptr, 6, 80, kTextBlack, kField38_170, 1},
    {&DialogueChannelsRecord::fieldLine, 39, 40, nullptr, 6, 80, kTextBlack, kField39_171, 1},
    {&DialogueChannelsRecord::fieldLine, 40, 40, nullptr, 6, 80, kTextBlack, kField40_172, 1},
    {&DialogueChannelsRecord::fieldLine, 41, 42, nullptr, 6, 80, kTextBlack, kField41_173, 1},
    {&DialogueChannelsRecord::fieldLine, 42, 42, nullptr, 6, 80, kTextBlack, kField42_174, 1},
    {&DialogueChannelsRecord::fieldLine, 43, 44, nullptr, 6, 80, kTextBlack, kField43_175, 1},
    {&DialogueChannelsRecord::fieldLine, 44, 44, nullptr, 6, 80, kTextBlack, kField44_176, 1},
    {&DialogueChannelsRecord::fieldLine, 45, 46, nullptr, 6, 80, kTextBlack, kField45_177, 1},
    {&DialogueChannelsRecord::fieldLine, 46, 46, nullptr, 6, 80, kTextBlack, kField46_178, 1},
    {&DialogueChannelsRecord::fieldLine, 47, 48, nullptr, 6, 80, kTextBlack, kField47_179, 1},
    {&DialogueChannelsRecord::fieldLine, 48, 48, nullptr, 6, 80, kTextBlack, kField48_180, 1},
    {&DialogueChannelsRecord::fieldLine, 50, 50, nullptr, 6, 80, kTextBlack, kField50_181, 1},
    {&DialogueChannelsRecord::fieldLine, 51, 51, nullptr, 6, 80, kTextBlack, kField51_182, 1},
    {&DialogueChannelsRecord::fieldLine, 54, 54, nullptr, 6, 80, kTextBlack, kField54_183, 1},
    {&DialogueChannelsRecord::fieldLine, 55, 55, nullptr, 6, 80, kTextBlack, kField55_184, 1},
    {&DialogueChannelsRecord::fieldLine, 62, 62, nullptr, 6, 80, kTextBlack, kField62_185, 1},
    {&DialogueChannelsRecord::fieldLine, 65, 65, nullptr, 6, 80, kTextBlack, kField65_186, 1},
    {&DialogueChannelsRecord::fieldLine, 72, 72, nullptr, 6, 80, kTextBlack, kField72_187, 1},
    {&DialogueChannelsRecord::fieldLine, 75, 75, nullptr, 6, 80, kTextBlack, kField75_188, 1},
    {&DialogueChannelsRecord::fieldLine, 52, 53, nullptr, 6, 80, kTextBlack, kField52_189, 1},
    {&DialogueChannelsRecord::fieldLine, 53, 53, nullptr, 6, 80, kTextBlack, kField53_190, 1},
    {&DialogueChannelsRecord::fieldLine, 56, 57, nullptr, 6, 80, kTextBlack, kField56_191, 1},
    {&DialogueChannelsRecord::fieldLine, 57, 57, nullptr, 6, 80, kTextBlack, kField57_192, 1},
    {&DialogueChannelsRecord::fieldLine, 58, 59, nullptr, 6, 80, kTextBlack, kField58_193, 1},
    {&DialogueChannelsRecord::fieldLine, 59, 59, nullptr, 6, 80, kTextBlack, kField59_194, 1},
    {&DialogueChannelsRecord::fieldLine, 60, 61, nullptr, 6, 80, kTextBlack, kField60_195, 1},
    {&DialogueChannelsRecord::fieldLine, 61, 61, nullptr, 6, 80, kTextBlack, kField61_196, 1},
    {&DialogueChannelsRecord::fieldLine, 63, 64, nullptr, 6, 80, kTextBlack, kField63_197, 1},
    {&DialogueChannelsRecord::fieldLine, 64, 64, nullptr, 6, 80, kTextBlack, kField64_198, 1},
    {&DialogueChannelsRecord::fieldLine, 66, 67, nullptr, 6, 80, kTextBlack, kField66_199, 1},
    {&DialogueChannelsRecord::fieldLine, 67, 67, nullptr, 7, 80, kTextBlack, kField67_200, 1},
    {&DialogueChannelsRecord::fieldLine, 68, 69, nullptr, 6, 80, kTextBlack, kField68_201, 1},
    {&DialogueChannelsRecord::fieldLine, 69, 69, nullptr, 6, 80, kTextBlack, kField69_202, 1},
    {&DialogueChannelsRecord::fieldLine, 70, 71, nullptr, 6, 80, kTextBlack, kField70_203, 1},
    {&DialogueChannelsRecord::fieldLine, 71, 71, nullptr, 7, 80, kTextBlack, kField71_204, 1},
    {&DialogueChannelsRecord::fieldLine, 73, 74, nullptr, 6, 80, kTextBlack, kField73_205, 1},
    {&DialogueChannelsRecord::fieldLine, 74, 74, nullptr, 7, 80, kTextBlack, kField74_206, 1},
    {&DialogueChannelsRecord::fieldLine, 76, 76, nullptr, 6, 80, kTextBlack, kField76_207, 1},
    {&DialogueChannelsRecord::fieldLine, 77, 78, nullptr, 6, 80, kTextBlack, kField77_208, 1},
    {&DialogueChannelsRecord::fieldLine, 77, 77, nullptr, 6, 80, kTextBlack, kField77_209, 1},
    {&DialogueChannelsRecord::fieldLine, 78, 78, nullptr, 6, 80, kTextBlack, kField78_210, 1},
    {&DialogueChannelsRecord::fieldLine, 79, 79, nullptr, 6, 80, kTextBlack, kField79_211, 1},
    {&DialogueChannelsRecord::fieldLine, 80, 80, nullptr, 6, 80, kTextBlack, kField80_212, 2},
    {&DialogueChannelsRecord::fieldLine, 81, 81, nullptr, 6, 80, kTextBlack, kField81_213, 1},
    {&DialogueChannelsRecord::fieldLine, 101, 101, nullptr, 6, 80, kTextBlack, kField101_214, 1},
    {&DialogueChannelsRecord::fieldLine, 102, 102, nullptr, 6, 80, kTextBlack, kField102_215, 1},
    {&DialogueChannelsRecord::fieldLine, 103, 103, nullptr, 6, 80, kTextBlack, kField103_216, 1},
    {&DialogueChannelsRecord::fieldLine, 104, 104, nullptr, 6, 80, kTextBlack, kField104_217, 1},
    {&DialogueChannelsRecord::fieldLine, 105, 105, nullptr, 6, 80, kTextBlack, kField105_218, 1},
    {&DialogueChannelsRecord::fieldLine, 106, 106, nullptr, 6, 80, kTextBlack, kField106_219, 1},
    {&DialogueChannelsRecord::fieldLine, 107, 107, nullptr, 6, 80, kTextBlack, kField107_220, 1},
    {&DialogueChannelsRecord::fieldLine, 108, 108, nullptr, 6, 80, kTextBlack, kField108_221, 1},
    {&DialogueChannelsRecord::fieldLine, 109, 109, nullptr, 6, 80, kTextBlack, kField109_222, 1},
    {&DialogueChannelsRecord::sideLine, 1, 1, nullptr, 6, 80, kTextBlack, kSide1_223, 1},
    {&DialogueChannelsRecord::sideLine, 2, 2, nullptr, 6, 80, kTextWhite, kSide2_224, 1},
    {&DialogueChannelsRecord::sideLine, 3, 3, nullptr, 6, 80, kTextWhite, kSide3_225, 1},
    {&DialogueChannelsRecord::sideLine, 4, 4, nullptr, 6, 80, kTextWhite, kSide4_226, 1},
    {&DialogueChannelsRecord::sideLine, 5, 5, nullptr, 6, 80, kTextWhite, kSide5_227, 1},
    {&DialogueChannelsRecord::sideLine, 6, 6, nullptr, 6, 80, kTextWhite, kSide6_228, 1},
    {&DialogueChannelsRecord::sideLine, 7, 7, nullptr, 6, 80, kTextWhite, kSide7_229, 1},
    {&DialogueChannelsRecord::sideLine, 8, 8, nullptr, 6, 80, kTextWhite, kSide8_230, 1},
    {&DialogueChannelsRecord::sideLine, 9, 9, nullptr, 6, 80, kTextWhite, kSide9_231, 1},
    {&DialogueChannelsRecord::sideLine, 10, 10, nullptr, 6, 80, kTextWhite, kSide10_232, 1},
    {&DialogueChannelsRecord::sideLine, 11, 11, nullptr, 6, 80, kTextWhite, kSide11_233, 1},
    {&DialogueChannelsRecord::sideLine, 12, 12, nullptr, 6, 80, kTextWhite, kSide12_234, 1},
    {&DialogueChannelsRecord::sideLine, 13, 13, nullptr, 6, 80, kTextWhite, kSide13_235, 1},
    {&DialogueChannelsRecord::sideLine, 14, 14, nullptr, 6, 80, kTextWhite, kSide14_236, 1},
    {&DialogueChannelsRecord::sideLine, 15, 15, nullptr, 6, 80, kTextWhite, kSide15_237, 1},
    {&DialogueChannelsRecord::sideLine, 16, 16, nullptr, 6, 80, kTextWhite, kSide16_238, 1},
    {&DialogueChannelsRecord::sideLine, 17, 17, nullptr, 6, 80, kTextWhite, kSide17_239, 1},
    {&DialogueChannelsRecord::sideLine, 18, 18, nullptr, 6, 80, kTextWhite, kSide18_240, 1},
    {&DialogueChannelsRecord::sideLine, 19, 19, nullptr, 6, 80, kTextWhite, kSide19_241, 1},
    {&DialogueChannelsRecord::sideLine, 20, 20, nullptr, 6, 80, kTextWhite, kSide20_242, 1},
    {&DialogueChannelsRecord::sideLine, 21, 21, nullptr, 6, 80, kTextWhite, kSide21_243, 1},
    {&DialogueChannelsRecord::sideLine, 22, 22, nullptr, 6, 80, kTextWhite, kSide22_244, 1},
    {&DialogueChannelsRecord::sideLine, 23, 23, nullptr, 6, 80, kTextWhite, kSide23_245, 1},
};

}  // namespace

const AreaMessageTable Era01MessageTable = MessageTableOf(kEntries);
