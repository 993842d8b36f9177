// The lines of the arena area (Era02): the arrival, the four rounds of the
// tournament and the throne-room scenes after it. Each entry shows its lines
// while its channel holds one of its values; a reply drawn under the line
// before it repeats that line through a two-value entry.
#include "areas/message_tables.h"
#include "core/player.h"
#include "text/messages/area_texts.h"

namespace {

bool WeaponMode2Worn() { return PlayerState.weaponMode2 == 1; }
bool WeaponMode2NotWorn() { return PlayerState.weaponMode2 != 1; }
// The side remarks stand under the argument's lines only.
bool EventLineShown() { return DialogueChannels.eventLine != 0; }

constexpr MessageLine kF1_1[] = {{210, 700, "リシェル　　： すみませーん、この昇降機はどこへ行くんですか？"}};
constexpr MessageLine kF2_2[] = {{210, 725, "兵士の声　 ： 闘技場だ。今日は年に一度の大会でな、関係者以外は乗せられん。"}};
constexpr MessageLine kF3_3[] = {{210, 700, "リシェル　　： えっ、闘技場！？　そんなの、この先にあったんだ。"}};
constexpr MessageLine kF4_4[] = {{210, 725, "兵士の声　 ： 知らんのか。王様が自ら見物にいらっしゃる大会だぞ。"}};
constexpr MessageLine kF5_5[] = {{210, 700, "リシェル　　： へぇ……ちょっとだけ、見てみたいかも。"}};
constexpr MessageLine kF6_6[] = {{210, 725, "兵士の声　 ： 出場者なら乗ってよし。見物だけなら帰った帰った。"}};
constexpr MessageLine kF7_7[] = {{210, 700, "リシェル　　： 出場者かぁ……。うーん、どうしよう。"}};
constexpr MessageLine kF8_8[] = {{210, 700, "リシェル　　： とりあえず、支度を整えてから考えよう。"}};
constexpr MessageLine kF9_9[] = {{210, 700, "リシェル　　： わっ、床から昇降機がせり上がってきた！"}};
constexpr MessageLine kF10_10[] = {{210, 700, "？？？　 ： いたぞー！　あの娘だ！"}};
constexpr MessageLine kF11_11[] = {{210, 700, "？？？　 ： 塔でオレたちをコケにした、あの娘だ！"}};
constexpr MessageLine kF12_12[] = {{210, 700, "？？？　 ： 今度こそ逃がさないんだな！"}};
constexpr MessageLine kF13_13[] = {{210, 700, "？？？　 ： さあ、おとなしく一緒に来てもらおうか！"}};
constexpr MessageLine kF14_14[] = {{210, 725, "？？？　 ： そうだそうだ！　来てもらうんだな！"}};
constexpr MessageLine kF15_15[] = {{210, 700, "リシェル　　： あなたたち、塔の……！　しつこいなあ。"}};
constexpr MessageLine kF16_16[] = {{210, 700, "？？？　 ： ふっふっふ、この昇降機は闘技場行きの特別便だ。"}};
constexpr MessageLine kF17_17[] = {{210, 725, "？？？　 ： 出場者を一名、ご案内～！"}};
constexpr MessageLine kF18_18[] = {{210, 700, "リシェル　　： ちょっと！　わたし出るなんて言ってない！"}};
constexpr MessageLine kF19_19[] = {{210, 700, "？？？　 ： 門番さーん、開けてくださーい！"}};
constexpr MessageLine kF20_20[] = {{210, 725, "？？？　 ： 出場者を連れてきましたー！"}};
constexpr MessageLine kF21_21[] = {{210, 700, "リシェル　　： うわぁ……なんて大きな闘技場……。"}};
constexpr MessageLine kF22_22[] = {{210, 700, "？？？　 ： 陛下のおなーりー！"}};
constexpr MessageLine kF23_23[] = {{210, 700, "王様の声　 ： うむ。よくぞ参った、飛び入りの挑戦者よ。"}, {210, 725, "　　　　余の大会へようこそ。"}};
constexpr MessageLine kF24_24[] = {{210, 700, "王様の声　 ： して、そなたを連れてきたのは誰じゃ？"}};
constexpr MessageLine kF25_25[] = {{210, 700, "ガロ　 ： ははっ！　ガロにございます！"}};
constexpr MessageLine kF26_26[] = {{210, 700, "ベス　 ： ベスでございます！"}};
constexpr MessageLine kF27_27[] = {{210, 700, "ポポ　 ： ポ、ポポなんだな！"}};
constexpr MessageLine kF28_28[] = {{210, 700, "ガロ　 ： 三人そろって、陛下の忠実なしもべ！"}};
constexpr MessageLine kF29_29[] = {{210, 700, "リシェル　　： しもべって……あなたたち、王様の家来だったの？"}};
constexpr MessageLine kF30_30[] = {{210, 700, "リシェル　　： わたしはただ通りかかっただけなんですけど！"}};
constexpr MessageLine kF31_31[] = {{210, 700, "王様の声　 ： ほっほっほ。通りかかったのも何かの縁。"}, {210, 725, "　　　　腕に覚えがあるのであろう？"}};
constexpr MessageLine kF32_32[] = {{210, 700, "王様の声　 ： 塔の番人を退けたと聞いておるぞ。"}};
constexpr MessageLine kF33_33[] = {{210, 700, "ガロ＆ベス＆ポポ　 ： そうなんです！　こいつ、めちゃくちゃ強いんです！"}};
constexpr MessageLine kF34_34[] = {{210, 700, "リシェル　　： だからって、いきなり大会なんて……。"}};
constexpr MessageLine kF35_35[] = {{210, 725, "王様の声　 ： 勝ち抜けば褒美は思いのままじゃ。どうじゃ？"}};
constexpr MessageLine kF36_36[] = {{110, 700, "ドルム王の声　 ： では改めて名乗ろう。余はこの国の王、ドルム。年に一度の大武闘会を開く者である！"}, {160, 725, "四人の闘士を打ち破った者には、国一番の栄誉と褒美を与えようぞ！"}};
constexpr MessageLine kF37_37[] = {{210, 700, "観客　 ： わあああ！"}};
constexpr MessageLine kF38_38[] = {{210, 700, "観客　 ： わああああああっ！！"}};
constexpr MessageLine kF39_39[] = {{210, 700, "観客　 ： うおおおおおおおおっ！！！"}};
constexpr MessageLine kF40_40[] = {{210, 700, "リシェル　　： す、すごい歓声……。"}};
constexpr MessageLine kF41_41[] = {{210, 700, "ドルム王の声　 ： 皆の者、今年は飛び入りの挑戦者がおるぞ！"}};
constexpr MessageLine kF42_42[] = {{210, 700, "リシェル　　： ちょっと待ってください、わたしはまだ……！"}};
constexpr MessageLine kF43_43[] = {{210, 700, "リシェル　　： ……もう、引き返せる雰囲気じゃないよね。"}};
constexpr MessageLine kF44_44[] = {{160, 700, "ドルム王の声　 ： ルールは簡単じゃ。相手を倒すか、参ったと言わせれば勝ちである！"}};
constexpr MessageLine kF45_45[] = {{210, 700, "ドルム王の声　 ： 武器も技も自由。ただし観客席への攻撃は禁止じゃ。"}};
constexpr MessageLine kF46_46[] = {{210, 700, "ドルム王の声　 ： 勝者には賞品も用意しておるぞ。"}};
constexpr MessageLine kF47_47[] = {{210, 700, "ドルム王の声　 ： さあ、挑戦者を闘技場へ！"}};
constexpr MessageLine kF48_48[] = {{210, 700, "リシェル　　： わかりました、やります！　やればいいんでしょ！"}};
constexpr MessageLine kF49_49[] = {{210, 700, "ドルム王の声　 ： よう言うた！　それでこそ挑戦者じゃ。"}};
constexpr MessageLine kF50_50[] = {{210, 700, "ドルム王の声　 ： では、第一試合の準備をいたせ！"}};
constexpr MessageLine kF54_51[] = {{210, 700, "ドルム王の声　 ： 第一試合！　挑戦者リシェル対、カーラ！"}};
constexpr MessageLine kF55_52[] = {{210, 700, "ドルム王の声　 ： カーラは昨年の準優勝者じゃ。手強いぞ。"}};
constexpr MessageLine kF56_53[] = {{210, 700, "ドルム王の声　 ： 両者、前へ！"}};
constexpr MessageLine kF57_54[] = {{210, 700, "カーラ　 ： あら、またお姫様が相手なのね。"}};
constexpr MessageLine kF58_55[] = {{210, 725, "リシェル　　： カーラ！？　モモをどこへやったの！"}};
constexpr MessageLine kF59_56[] = {{210, 700, "カーラ　 ： ふふっ、さあ、どうかしらね。"}};
constexpr MessageLine kF60_57[] = {{210, 725, "リシェル　　： じゃあ、こっちも本気でいきます！"}};
constexpr MessageLine kF61_58[] = {{210, 700, "カーラ　 ： いい目ね。噛みつきがいがありそう。"}, {210, 725, "　　　　　……さあ、始めましょうか！"}};
constexpr MessageLine kF62_59[] = {{210, 700, "リシェル　　： 来いっ！"}};
constexpr MessageLine kF63_60[] = {{210, 700, "リシェル　　： いったぁ～い！　いま、噛んだ！？"}, {210, 725, "　　　　　噛みつくなんて反則じゃないの！？"}};
constexpr MessageLine kF64_61[] = {{210, 700, "カーラ　 ： 武器も技も自由、って言ってたでしょ？"}};
constexpr MessageLine kF65_62[] = {{210, 700, "リシェル　　： く、苦しい……放してっ！"}};
constexpr MessageLine kF66_63[] = {{210, 700, "カーラ　 ： ふふっ、逃がさないわよ。"}};
constexpr MessageLine kF67_64[] = {{210, 700, "リシェル　　： こうなったら……Ｄで振りほどく！"}};
constexpr MessageLine kF68_65[] = {{210, 700, "ドルム王の声　 ： そこまで！　勝者、リシェル！"}};
constexpr MessageLine kF69_66[] = {{210, 700, "ドルム王の声　 ： 見事であった。柱がのぼったら、上のかごを取るがよい。"}};
constexpr MessageLine kF70_67[] = {{210, 700, "ドルム王の声　 ： 第二試合！　挑戦者リシェル対、セシル！"}, {210, 725, "　　　　　　セシルは空を舞う闘士じゃ。"}};
constexpr MessageLine kF71_68[] = {{210, 700, "ドルム王の声　 ： 両者、前へ！"}};
constexpr MessageLine kF72_69[] = {{210, 700, "リシェル　　： えっ……その姿……セシル先生！？"}};
constexpr MessageLine kF73_70[] = {{210, 700, "セシル　 ： また会ったわね、リシェル。"}, {210, 725, "　　　　　まさかこんな所で会うなんて。"}};
constexpr MessageLine kF74_71[] = {{210, 700, "リシェル　　： 先生こそ、どうして大会に？"}};
constexpr MessageLine kF75_72[] = {{210, 700, "セシル　 ： 王様に頼まれて、毎年出ているのよ。"}};
constexpr MessageLine kF76_73[] = {{210, 700, "セシル　 ： あなたがどれだけ強くなったか、見せてもらうわ。"}};
constexpr MessageLine kF77_74[] = {{210, 700, "リシェル　　： はい……でも、先生と戦うなんて。"}};
constexpr MessageLine kF78_75[] = {{210, 700, "セシル　 ： 遠慮はいらないわ。わたしも手加減しない。"}};
constexpr MessageLine kF79_76[] = {{210, 700, "リシェル　　： わかりました。全力でいきます！"}};
constexpr MessageLine kF80_77[] = {{210, 700, "セシル　 ： いい返事ね。空からの攻撃、よけられるかしら。"}};
constexpr MessageLine kF81_78[] = {{210, 700, "リシェル　　： 先生の動きは、もう覚えてます！"}};
constexpr MessageLine kF82_79[] = {{210, 700, "セシル　 ： ふふ、それはどうかしら。"}};
constexpr MessageLine kF83_80[] = {{210, 700, "セシル　 ： 昔とは違うのよ。"}};
constexpr MessageLine kF84_81[] = {{210, 700, "ドルム王の声　 ： では、始めい！"}};
constexpr MessageLine kF85_82[] = {{210, 700, "セシル　 ： いくわよ、リシェル！"}};
constexpr MessageLine kF86_83[] = {{210, 700, "リシェル　　： はいっ！"}};
constexpr MessageLine kF87_84[] = {{210, 700, "セシル　 ： やるわね。でも、まだまだよ。"}, {210, 725, "　　　　　相手の動きをよく見なさい。"}};
constexpr MessageLine kF88_85[] = {{210, 700, "セシル　 ： 真ん中ばかり狙っても当たらないわよ。"}};
constexpr MessageLine kF89_86[] = {{210, 700, "セシル　 ： 今のは効いたわ。その調子よ。"}};
constexpr MessageLine kF90_87[] = {{210, 700, "セシル　 ： もう十分ね。あなたの力はわかったわ。"}, {210, 725, "　　　　　……でも、本番はここからよ。"}};
constexpr MessageLine kF91_88[] = {{210, 700, "セシル　 ： 最後に、あなたに伝えたいことがあるの。"}};
constexpr MessageLine kF92_89[] = {{210, 700, "リシェル　　： 先生……？"}};
constexpr MessageLine kF93_90[] = {{210, 700, "セシル　 ： さあ、かかってきなさい！"}};
constexpr MessageLine kS1_91[] = {{210, 700, "セシル　 ： まいったわ、リシェル。本当に強くなったのね。"}};
constexpr MessageLine kS2_92[] = {{210, 700, "リシェル　　： 先生、大丈夫ですか！？"}};
constexpr MessageLine kS3_93[] = {{210, 700, "セシル　 ： ええ、平気よ。それより……"}, {210, 725, "　　　　　あなたに新しい技を教えてあげる。"}};
constexpr MessageLine kS4_94[] = {{180, 700, "セシル　 ： わたしが長い旅の間に身につけた、とっておきの技。"}, {210, 725, "　　　　　今のあなたなら、きっと使いこなせるわ。"}};
constexpr MessageLine kS5_95[] = {{180, 700, "リシェル　　： とっておきの技……！　ぜひ教えてください！"}};
constexpr MessageLine kS6_96[] = {{210, 700, "セシル　 ： まずは言葉で教えるわ。"}, {210, 725, "　　　　　足を開いて、腰を落として。"}};
constexpr MessageLine kS7_97[] = {{210, 700, "リシェル　　： 足を開いて、腰を落として……。"}};
constexpr MessageLine kS8_98[] = {{210, 700, "セシル　 ： そう。そこから前へ踏み込むの。"}};
constexpr MessageLine kS9_99[] = {{210, 700, "リシェル　　： 前へ、踏み込む……。"}};
constexpr MessageLine kS10_100[] = {{210, 700, "セシル　 ： 相手を浮かせるつもりで。さあ、やってごらん。"}};
constexpr MessageLine kS11_101[] = {{210, 700, "リシェル　　： やあっ！"}};
constexpr MessageLine kS12_102[] = {{210, 700, "セシル　 ： 上出来よ。"}};
constexpr MessageLine kS13_103[] = {{210, 700, "セシル　 ： そこから体をひねって……"}};
constexpr MessageLine kS14_104[] = {{210, 700, "セシル　 ： 一気に振り抜く！"}};
constexpr MessageLine kS15_105[] = {{210, 700, "セシル　 ： これが一つ目の技よ。"}};
constexpr MessageLine kS16_106[] = {{210, 700, "リシェル　　： すごい……体が勝手に動くみたい。"}};
constexpr MessageLine kS17_107[] = {{210, 700, "セシル　 ： 二つ目は、浮いた相手を叩き落とす技。"}};
constexpr MessageLine kS18_108[] = {{210, 700, "リシェル　　： 浮かせて、落とす……。"}};
constexpr MessageLine kS19_109[] = {{210, 700, "セシル　 ： 浮かせたら、そのまま上から叩き落とすの。"}};
constexpr MessageLine kS20_110[] = {{210, 700, "セシル　 ： さあ、二つ続けてやってごらん！"}};
constexpr MessageLine kS21_111[] = {{210, 700, "リシェル　　： ……できた！　今の、わたしが……？"}};
constexpr MessageLine kS22_112[] = {{210, 700, "セシル　 ： ええ。一度体が覚えたら、もう忘れないわ。"}};
constexpr MessageLine kS23_113[] = {{210, 700, "ﾅﾚｰﾀ　 ： ――リシェルは新しい技を覚えた！"}};
constexpr MessageLine kS24_114[] = {{210, 700, "リシェル　　： やった、覚えた！"}};
constexpr MessageLine kS25_115[] = {{210, 700, "ﾅﾚｰﾀ　 ： はい、ここで新技の説明をいたします。"}};
constexpr MessageLine kS26_116[] = {{210, 700, "リシェル　　： えっ、誰！？"}};
constexpr MessageLine kS27_117[] = {{210, 700, "ﾅﾚｰﾀ　 ： はい、新技の起動ボタンは　ＦとＧ ですので、お役だてください。"}};
constexpr MessageLine kS28_118[] = {{210, 700, "リシェル　　： ＦとＧ……よし、覚えた。"}, {210, 725, "　　　　　って、今の声はどこから……？"}};
constexpr MessageLine kS29_119[] = {{210, 700, "セシル　 ： 気にしないで。よくあることよ。"}};
constexpr MessageLine kS30_120[] = {{210, 700, "ﾅﾚｰﾀ　 ： お気になさらず。"}};
constexpr MessageLine kS31_121[] = {{210, 700, "リシェル　　： は、はあ……。"}};
constexpr MessageLine kS32_122[] = {{210, 700, "セシル　 ： 最後の仕上げよ。今の技で、わたしを受け止めてみなさい。"}};
constexpr MessageLine kS33_123[] = {{210, 700, "リシェル　　： えっ、今からですか！？"}};
constexpr MessageLine kS34_124[] = {{210, 700, "リシェル　　： ……い、今の、受け止められた……？"}};
constexpr MessageLine kS35_125[] = {{210, 700, "セシル　 ： ええ。空から来る相手には、その技で応じるの。"}};
constexpr MessageLine kS36_126[] = {{210, 700, "セシル　 ： わたしも手加減はしなかったわ。"}};
constexpr MessageLine kS37_127[] = {{210, 700, "セシル　 ： ……できたわね。"}};
constexpr MessageLine kS38_128[] = {{210, 700, "セシル　 ： もう教えることはないわ。行きなさい、リシェル。"}};
constexpr MessageLine kS39_129[] = {{210, 700, "ドルム王の声　 ： そこまで！　勝者、リシェル！"}};
constexpr MessageLine kS40_130[] = {{210, 700, "リシェル　　： 先生ーっ！　……ありがとうございました！"}};
constexpr MessageLine kS41_131[] = {{210, 700, "ﾅﾚｰﾀ　 ： 観客の拍手は、いつまでも鳴りやまなかった。"}};
constexpr MessageLine kS42_132[] = {{210, 700, "リシェル　　： よーし、次も勝つぞ！"}};
constexpr MessageLine kS43_133[] = {{210, 700, "ドルム王の声　 ： 見事であった。柱がのぼったら、上のかごを取るがよい。"}};
constexpr MessageLine kS44_134[] = {{210, 700, "リシェル　　： はい！　ありがたく頂きます！"}, {210, 725, "　　　　　……先生、また会えますよね。"}};
constexpr MessageLine kS50_135[] = {{210, 700, "ドルム王の声　 ： 第三試合！　挑戦者リシェル対、ミヅハ！"}, {210, 725, "　　　　　　ミヅハは目にも止まらぬ速さの闘士じゃ。"}};
constexpr MessageLine kS51_136[] = {{210, 700, "ドルム王の声　 ： 両者、前へ！"}};
constexpr MessageLine kS52_137[] = {{210, 700, "ミヅハ　 ： ……あなたが噂の挑戦者？"}};
constexpr MessageLine kS53_138[] = {{210, 700, "リシェル　　： 噂になってるの？"}};
constexpr MessageLine kS54_139[] = {{210, 700, "リシェル　　： なんだか照れるなあ。"}};
constexpr MessageLine kS55_140[] = {{210, 700, "ミヅハ　 ： 褒めてない。"}};
constexpr MessageLine kS56_141[] = {{210, 700, "リシェル　　： あ、そうですか……。"}};
constexpr MessageLine kS57_142[] = {{210, 700, "ミヅハ　 ： わたしの速さについてこられた者はいない。"}, {210, 725, "　　　　　あなたも同じ。"}};
constexpr MessageLine kS58_143[] = {{210, 700, "ミヅハ　 ： 一瞬で終わらせる。"}, {210, 725, "　　　　　覚悟して。"}};
constexpr MessageLine kS59_144[] = {{210, 700, "リシェル　　： やってみなきゃわからないよ！"}};
constexpr MessageLine kS60_145[] = {{210, 700, "リシェル　　： いくよ！"}};
constexpr MessageLine kS61_146[] = {{210, 700, "ミヅハ　 ： ……遅い。"}};
constexpr MessageLine kS62_147[] = {{210, 700, "ミヅハ　 ： 始める。"}};
constexpr MessageLine kS63_148[] = {{210, 700, "リシェル　　： は、速い……！"}};
constexpr MessageLine kS64_149[] = {{210, 700, "ミヅハ　 ： 見えていないでしょう。"}};
constexpr MessageLine kS65_150[] = {{210, 700, "リシェル　　： 見えなくても、感じればいい！"}};
constexpr MessageLine kS66_151[] = {{210, 700, "ミヅハ　 ： ……やるわね。"}};
constexpr MessageLine kS67_152[] = {{210, 700, "ﾅﾚｰﾀ　 ： ミヅハが仕掛けてくる！"}};
constexpr MessageLine kS68_153[] = {{210, 700, "リシェル　　： 光がちらついて……どこ！？"}};
constexpr MessageLine kS69_154[] = {{210, 700, "ミヅハ　 ： 光はわたしの残したあと。追ってもむだよ。"}};
constexpr MessageLine kS70_155[] = {{210, 700, "リシェル　　： むだかどうか、やってみなきゃ！"}};
constexpr MessageLine kS71_156[] = {{210, 700, "ﾅﾚｰﾀ　 ： 観客は固唾をのんで見守っている。"}};
constexpr MessageLine kS72_157[] = {{210, 700, "リシェル　　： そこだっ！"}};
constexpr MessageLine kS73_158[] = {{210, 700, "ミヅハ　 ： くっ……！"}};
constexpr MessageLine kS74_159[] = {{210, 700, "ミヅハ　 ： ……わたしの負け。"}};
constexpr MessageLine kS75_160[] = {{210, 700, "リシェル　　： やった……！"}};
constexpr MessageLine kS76_161[] = {{210, 700, "ミヅハ　 ： あなたは強い。"}, {210, 725, "　　　　　わたしの速さを、初めて越えた。"}};
constexpr MessageLine kS77_162[] = {{210, 700, "リシェル　　： ミヅハさんも、すごく速かったよ。"}};
constexpr MessageLine kS78_163[] = {{210, 700, "ミヅハ　 ： 次の相手は、わたしよりずっと強い。"}};
constexpr MessageLine kS79_164[] = {{210, 700, "ミヅハ　 ： 気をつけて。"}};
constexpr MessageLine kS80_165[] = {{210, 700, "リシェル　　： うん、ありがとう。"}};
constexpr MessageLine kS81_166[] = {{210, 700, "リシェル　　： もうひと勝負、がんばるぞ！"}};
constexpr MessageLine kS82_167[] = {{210, 700, "ドルム王の声　 ： そこまで！　勝者、リシェル！"}};
constexpr MessageLine kS83_168[] = {{210, 700, "ドルム王の声　 ： いま賞品を出そう。柱がのぼったら、上にかがやくものを取るがよい。"}};
constexpr MessageLine kS84_169[] = {{210, 700, "ミヅハの声　 ： わたしの分も、あなたが持っていって。"}};
constexpr MessageLine kS85_170[] = {{210, 700, "リシェル　　： いいの？"}};
constexpr MessageLine kS86_171[] = {{210, 700, "ミヅハの声　 ： ……勝った人のものだから。"}};
constexpr MessageLine kS87_172[] = {{210, 700, "リシェル　　： ミヅハさーん、ありがとう！"}};
constexpr MessageLine kE1_173[] = {{210, 700, "ドルム王の声　 ： いよいよ決勝じゃ！　挑戦者リシェル対、エルザ！"}, {210, 725, "　　　　　　エルザは隣国より参った使者である。"}};
constexpr MessageLine kE2_174[] = {{210, 700, "リシェル　　： 使者？　どうして使者が大会に？"}};
constexpr MessageLine kE3_175[] = {{210, 700, "ドルム王の声　 ： 隣国との約束でな、毎年腕自慢を一人よこすのじゃ。"}};
constexpr MessageLine kE4_176[] = {{210, 700, "ドルム王の声　 ： 今年はエルザが来てくれた。"}};
constexpr MessageLine kE5_177[] = {{210, 700, "エルザ　 ： あなたが、ここまで勝ち上がった挑戦者ね。"}};
constexpr MessageLine kE6_178[] = {{210, 700, "リシェル　　： はい、リシェルです。よろしくお願いします。"}};
constexpr MessageLine kE7_179[] = {{210, 700, "エルザ　 ： 礼儀正しいのね。でも、勝負は勝負。"}};
constexpr MessageLine kE8_180[] = {{210, 700, "リシェル　　： もちろんです！"}};
constexpr MessageLine kE9_181[] = {{210, 700, "エルザ　 ： わたしは国の名誉を背負っているの。"}, {265, 725, "負けるわけにはいかないわ。"}};
constexpr MessageLine kE10_182[] = {{210, 700, "ドルム王の声　 ： ほっほっほ、どちらも気合十分じゃな。"}, {265, 725, "余も楽しみじゃ。"}};
constexpr MessageLine kE11_183[] = {{210, 700, "エルザ　 ： この闘技場の床は、わたしの蹴りに耐えられるかしら。"}, {215, 725, "壊れても知らないわよ。"}};
constexpr MessageLine kE12_184[] = {{210, 700, "エルザ　 ： 本気を出すのは久しぶり。"}, {255, 725, "楽しませてちょうだい。"}};
constexpr MessageLine kE13_185[] = {{210, 700, "リシェル　　： 負けませんよ！"}};
constexpr MessageLine kE14_186[] = {{210, 700, "エルザ　 ： いい度胸ね。"}};
constexpr MessageLine kE15_187[] = {{210, 700, "リシェル　　： ここまで来たら、優勝あるのみ！"}};
constexpr MessageLine kE16_188[] = {{210, 700, "エルザ　 ： その言葉、後悔させてあげる。"}};
constexpr MessageLine kE17_189[] = {{210, 700, "エルザ　 ： さあ、来なさい！"}};
constexpr MessageLine kE18_190[] = {{210, 700, "ドルム王の声　 ： 決勝戦、始めい！"}};
constexpr MessageLine kE19_191[] = {{210, 700, "エルザ　 ： はあっ！"}};
constexpr MessageLine kE20_192[] = {{210, 700, "リシェル　　： やあっ！"}};
constexpr MessageLine kE21_193[] = {{210, 700, "リシェル　　： なんて力……！"}};
constexpr MessageLine kE22_194[] = {{210, 700, "リシェル　　： まともに受けたら、ひとたまりもない！"}};
constexpr MessageLine kE23_195[] = {{210, 700, "リシェル　　： 壁まで飛ばされた……！"}};
constexpr MessageLine kE24_196[] = {{210, 700, "リシェル　　： まだまだ、これから！"}};
constexpr MessageLine kE25_197[] = {{210, 700, "エルザ　 ： いい蹴りね……効いたわ。"}};
constexpr MessageLine kE26_198[] = {{210, 700, "リシェル　　： 先生に教わった技だもん！"}};
constexpr MessageLine kE27_199[] = {{210, 700, "エルザ　 ： ……まいったわ。"}};
constexpr MessageLine kE28_200[] = {{210, 700, "エルザ　 ： まさか、わたしが負けるなんて。"}, {255, 725, "あなた、本当に強いのね。"}};
constexpr MessageLine kE29_201[] = {{210, 700, "リシェル　　： エルザさんこそ。"}, {255, 725, "何度も負けるかと思いました。"}};
constexpr MessageLine kE30_202[] = {{210, 700, "エルザ　 ： ふふ、国に帰ったら笑われるわね。"}, {255, 725, "でも、いい勝負だった。"}};
constexpr MessageLine kE31_203[] = {{210, 700, "リシェル　　： はい、とっても！"}};
constexpr MessageLine kE32_204[] = {{210, 700, "エルザ　 ： ひとつ、あなたに頼みたいことがあるの。"}};
constexpr MessageLine kE33_205[] = {{210, 700, "リシェル　　： わたしに、ですか？"}, {255, 725, "なんでしょう。"}};
constexpr MessageLine kE34_206[] = {{210, 700, "エルザ　 ： この先の地で、不穏な噂があるの。"}};
constexpr MessageLine kE35_207[] = {{210, 700, "エルザ　 ： あなたほどの腕なら、きっと力になれるわ。"}};
constexpr MessageLine kE36_208[] = {{210, 700, "リシェル　　： 不穏な噂……。"}};
constexpr MessageLine kE37_209[] = {{210, 700, "リシェル　　： わかりました。"}, {255, 725, "行ってみます。"}};
constexpr MessageLine kE38_210[] = {{210, 700, "ドルム王の声　 ： うむ、話はまとまったようじゃな。"}};
constexpr MessageLine kE39_211[] = {{210, 700, "エルザ　 ： 陛下、この娘を先の地へ通してあげてください。"}};
constexpr MessageLine kE40_212[] = {{210, 700, "ドルム王の声　 ： よかろう。東の門を開けさせよう。"}};
constexpr MessageLine kE41_213[] = {{210, 700, "エルザ　 ： ありがとうございます。"}};
constexpr MessageLine kE42_214[] = {{210, 700, "ドルム王の声　 ： さて、優勝の褒美じゃ。"}};
constexpr MessageLine kE43_215[] = {{210, 700, "エルザ　 ： 陛下、太っ腹なところを見せてくださいね。"}};
constexpr MessageLine kE44_216[] = {{210, 700, "ドルム王の声　 ： わかっておる、わかっておる。"}, {210, 725, "　　　　　　受け取るがよい、リシェル！"}};
constexpr MessageLine kE45_217[] = {{210, 700, "リシェル　　： ありがとうございます！"}};
constexpr MessageLine kE46_218[] = {{210, 700, "ドルム王の声　 ： これは余からの気持ちじゃ。"}};
constexpr MessageLine kE47_219[] = {{210, 700, "ﾅﾚｰﾀ　 ： リシェルは賞金 10,000 バルを手に入れた！"}};
constexpr MessageLine kE48_220[] = {{210, 700, "リシェル　　： こんなにたくさん……！"}};
constexpr MessageLine kE49_221[] = {{210, 700, "エルザ　 ： 旅の支度に使いなさい。"}, {255, 725, "道中、気をつけてね。"}};
constexpr MessageLine kE50_222[] = {{210, 700, "リシェル　　： はい！"}};
constexpr MessageLine kE52_223[] = {{210, 700, "ガロ　 ： ま、待ってくだせえ！"}};
constexpr MessageLine kE53_224[] = {{210, 700, "ベス　 ： あっしらも連れてってくだせえ！"}};
constexpr MessageLine kE54_225[] = {{210, 700, "ポポ　 ： お、置いていかないでほしいんだな！"}};
constexpr MessageLine kE55_226[] = {{210, 700, "ガロ＆ベス　 ： あねさんについていきやす！"}};
constexpr MessageLine kE56_227[] = {{210, 700, "リシェル　　： あねさんって……わたしのこと！？"}};
constexpr MessageLine kE57_228[] = {{210, 700, "ポポ　 ： あねさんは強いんだな！"}};
constexpr MessageLine kE58_229[] = {{210, 700, "ガロ　 ： 塔でも闘技場でも、あねさんにはかなわねえ！"}};
constexpr MessageLine kE59_230[] = {{210, 700, "ベス　 ： 弟子にしてくだせえ！"}};
constexpr MessageLine kE60_231[] = {{210, 700, "リシェル　　： ええっ、困るよ～！"}};
constexpr MessageLine kE61_232[] = {{210, 700, "ガロ＆ベス＆ポポ　 ： お願いしやす！"}};
constexpr MessageLine kE62_233[] = {{210, 700, "ドルム王の声　 ： ほっほっほ、人気者じゃな。"}};
constexpr MessageLine kE63_234[] = {{210, 700, "ガロ＆ベス＆ポポ　 ： 陛下もそう思いやすよね！"}};
constexpr MessageLine kE64_235[] = {{210, 700, "ドルム王の声　 ： そなたらは城の留守番じゃ。"}};
constexpr MessageLine kE65_236[] = {{210, 700, "ガロ＆ベス＆ポポの声　 ： そ、そんなあ～！"}};
constexpr MessageLine kE66_237[] = {{210, 700, "リシェル　　： あはは……じゃあ、行ってきます！"}};
constexpr MessageLine kE115_238[] = {{210, 700, "ガロ＆ベス＆ポポ　 ： あねさん、おかえりなせえ！"}};
constexpr MessageLine kE116_239[] = {{210, 700, "リシェル　　： ただいま。この装備、似合ってるかな？"}};
constexpr MessageLine kE116_240[] = {{210, 700, "リシェル　　： ただいま。みんな、元気にしてた？"}};
constexpr MessageLine kE117_241[] = {{210, 700, "ドルム王の声　 ： おお、リシェル。よくぞ戻った。"}};
constexpr MessageLine kE118_242[] = {{210, 700, "ドルム王の声　 ： おお、リシェル。よくぞ戻った。して、先の地の様子は……"}};
constexpr MessageLine kE118_243[] = {{210, 725, "エルザ　 ： 陛下、それはわたしからお話しします。"}};
constexpr MessageLine kE119_244[] = {{210, 700, "リシェル　　： エルザさん！"}};
constexpr MessageLine kE120_245[] = {{210, 700, "エルザ　 ： 久しぶりね、リシェル。"}};
constexpr MessageLine kE121_246[] = {{210, 700, "ドルム王の声　 ： 余の話の途中であったのだが……。"}};
constexpr MessageLine kE122_247[] = {{210, 700, "リシェル　　： あはは……。"}};
constexpr MessageLine kE123_248[] = {{210, 700, "ドルム王の声　 ： まあよい。エルザ、話すがよい。"}};
constexpr MessageLine kE124_249[] = {{210, 700, "エルザ　 ： 東のお城に、黒い光が満ちているそうね。"}, {255, 725, "門の兵士から、もう聞いたのでしょう？"}};
constexpr MessageLine kE125_250[] = {{210, 700, "エルザ　 ： あの光をはね返せるのは、永遠の鎧だけ。"}, {255, 725, "それを探しに戻ってきたのね？"}};
constexpr MessageLine kE126_251[] = {{210, 700, "リシェル　　： はい！　野原の練習場で、さずかれるそうです！"}};
constexpr MessageLine kE127_252[] = {{210, 700, "ドルム王の声　 ： うむ、頼もしいのう。"}};
constexpr MessageLine kE128_253[] = {{210, 700, "ドルム王の声　 ： うむ、頼もしいのう。余からも褒美を……"}};
constexpr MessageLine kE128_254[] = {{210, 725, "エルザ　 ： 陛下、褒美の話は後にしてください。"}};
constexpr MessageLine kE129_255[] = {{210, 700, "エルザ　 ： 野原は、西の門を出た先よ。"}, {255, 725, "鎧をまとったら、お城の門へ向かいなさい。"}};
constexpr MessageLine kE130_256[] = {{210, 700, "リシェル　　： はい。"}};
constexpr MessageLine kE131_257[] = {{210, 700, "ドルム王の声　 ： 余の立場がないのう。"}};
constexpr MessageLine kE132_258[] = {{210, 700, "ドルム王の声　 ： 余の立場がないのう。まったく近頃の若い者は……"}};
constexpr MessageLine kE132_259[] = {{210, 725, "エルザ　 ： 陛下、聞こえていますよ。"}};
constexpr MessageLine kE133_260[] = {{210, 700, "ドルム王の声　 ： う、うむ。"}};
constexpr MessageLine kE134_261[] = {{210, 700, "エルザ　 ： 陛下はいつもこうなのよ。"}};
constexpr MessageLine kE135_262[] = {{210, 700, "エルザ　 ： 大事な話になると、すぐ脱線するの。"}};
constexpr MessageLine kE136_263[] = {{210, 700, "ドルム王の声　 ： 脱線などしておらん！"}};
constexpr MessageLine kE137_264[] = {{210, 700, "エルザ　 ： していますわ。"}};
constexpr MessageLine kE138_265[] = {{210, 700, "ドルム王の声　 ： しておらんと言うに！"}};
constexpr MessageLine kE139_266[] = {{210, 700, "エルザ　 ： しています。"}};
constexpr MessageLine kE140_267[] = {{210, 700, "ドルム王の声　 ： しておらん！"}};
constexpr MessageLine kE141_268[] = {{210, 700, "エルザ　 ： しています！"}};
constexpr MessageLine kR1_269[] = {{210, 725, "リシェル　　： （また始まった……）"}};
constexpr MessageLine kR2_270[] = {{210, 725, "ﾅﾚｰﾀ　 ： 王と使者の言い合いは続く。"}};
constexpr MessageLine kR3_271[] = {{210, 725, "リシェル　　： （いつ終わるんだろう……）"}};
constexpr MessageLine kR4_272[] = {{210, 725, "リシェル　　： （もう行ってもいいかな……）"}};
constexpr MessageLine kR5_273[] = {{210, 725, "ﾅﾚｰﾀ　 ： リシェルはそっとため息をついた。"}};
constexpr MessageLine kE142_274[] = {{210, 700, "エルザ　 ： ……とにかく、気をつけて行ってらっしゃい。"}};
constexpr MessageLine kE142_275[] = {{210, 725, "リシェル　　： はい、行ってきます！"}};
constexpr MessageLine kE144_276[] = {{210, 700, "ドルム王の声　 ： リシェルよ、ちょっと待つのじゃ。"}};
constexpr MessageLine kE145_277[] = {{210, 700, "エルザ　 ： まだ何かあるのですか、陛下。"}};
constexpr MessageLine kE146_278[] = {{210, 700, "ドルム王の声　 ： 門出の祝いじゃ。エルザ、景気よく送ってやれ。"}};
constexpr MessageLine kE147_279[] = {{210, 700, "エルザ　 ： まあ、陛下にしては気が利きますこと。"}};
constexpr MessageLine kE148_280[] = {{210, 700, "ドルム王の声　 ： ひと言多いのじゃ。"}};
constexpr MessageLine kE149_281[] = {{210, 700, "エルザ　 ： 失礼しました。"}};
constexpr MessageLine kE150_282[] = {{210, 700, "ドルム王の声　 ： ほっほっほ、よい音じゃ。もっと鳴らすがよい！"}};
constexpr MessageLine kE151_283[] = {{210, 700, "エルザ　 ： あなたの門出よ、リシェル。もう一度！"}};
constexpr MessageLine kE152_284[] = {{210, 700, "リシェル　　： ありがとうございます！"}};
constexpr MessageLine kE153_285[] = {{210, 700, "リシェル　　： あの音、忘れません。"}};
constexpr MessageLine kE154_286[] = {{210, 700, "リシェル　　： それじゃあ、西の野原へ行ってきます！"}};
constexpr MessageLine kE155_287[] = {{210, 700, "ﾅﾚｰﾀ　 ： こうしてリシェルは、"}, {210, 725, "　　　　　　永遠の鎧を求めて、西の野原へ向かうのであった。"}};
constexpr MessageLine kE156_288[] = {{210, 700, "リシェル　　： よーし、がんばるぞ！"}};
constexpr MessageLine kE157_289[] = {{210, 700, "ﾅﾚｰﾀ　 ： 西の門を抜けて、野原の西のはしを目指そう。"}};
constexpr MessageLine kE158_290[] = {{210, 700, "ドルム王の声　 ： おお、リシェル。永遠の鎧を手に入れて戻ったか。"}};
constexpr MessageLine kE159_291[] = {{210, 700, "ドルム王の声　 ： お城へ向かう前に、渡したい物があるのじゃ。"}};
constexpr MessageLine kE160_292[] = {{210, 700, "リシェル　　： わたしに、ですか？"}};
constexpr MessageLine kE161_293[] = {{210, 700, "リシェル　　： なんだろう……。"}};
constexpr MessageLine kE162_294[] = {{210, 700, "ドルム王の声　 ： これは代々王家に伝わる品じゃ。"}};
constexpr MessageLine kE163_295[] = {{210, 700, "ドルム王の声　 ： 黒い光の満ちる城へ向かうそなたにこそふさわしい。"}};
constexpr MessageLine kE164_296[] = {{210, 700, "ドルム王の声　 ： 受け取るがよい。"}};
constexpr MessageLine kE165_297[] = {{210, 700, "ﾅﾚｰﾀ　 ： リシェルは「赤水晶」を受け取った！"}};
constexpr MessageLine kE166_298[] = {{210, 700, "ドルム王の声　 ： その水晶を使えば、どんな傷もたちまち癒えるという。"}};
constexpr MessageLine kE167_299[] = {{210, 700, "ドルム王の声　 ： 危ない時には、きっと力になってくれるじゃろう。"}};
constexpr MessageLine kE168_300[] = {{210, 700, "ドルム王の声　 ： くれぐれも無理はせぬようにな。"}};
constexpr MessageLine kE169_301[] = {{210, 700, "ドルム王の声　 ： 皆、そなたの帰りを待っておるぞ。"}};
constexpr MessageLine kE170_302[] = {{210, 700, "リシェル　　： はい、必ず戻ってきます！"}};
constexpr MessageLine kE171_303[] = {{210, 700, "ドルム王の声　 ： うむ。東の門から、お城へ行ってまいれ！"}};
constexpr MessageLine kE172_304[] = {{210, 700, "リシェル　　： 行ってきます！"}};
constexpr MessageLine kE173_305[] = {{210, 700, "リシェル　　： ……赤水晶、きれいだなあ。"}};

constexpr AreaMessageEntry kEra02Entries[] = {
    {&DialogueChannelsRecord::fieldLine, 1, 2, nullptr, 6, 80, kTextBlack, kF1_1, 1},
    {&DialogueChannelsRecord::fieldLine, 2, 2, nullptr, 8, 80, kTextBlack, kF2_2, 1},
    {&DialogueChannelsRecord::fieldLine, 3, 4, nullptr, 6, 80, kTextBlack, kF3_3, 1},
    {&DialogueChannelsRecord::fieldLine, 4, 4, nullptr, 8, 80, kTextBlack, kF4_4, 1},
    {&DialogueChannelsRecord::fieldLine, 5, 6, nullptr, 6, 80, kTextBlack, kF5_5, 1},
    {&DialogueChannelsRecord::fieldLine, 6, 6, nullptr, 8, 80, kTextBlack, kF6_6, 1},
    {&DialogueChannelsRecord::fieldLine, 7, 7, nullptr, 6, 80, kTextBlack, kF7_7, 1},
    {&DialogueChannelsRecord::fieldLine, 8, 8, nullptr, 6, 80, kTextBlack, kF8_8, 1},
    {&DialogueChannelsRecord::fieldLine, 9, 9, nullptr, 6, 80, kTextBlack, kF9_9, 1},
    {&DialogueChannelsRecord::fieldLine, 10, 10, nullptr, 7, 80, kTextBlack, kF10_10, 1},
    {&DialogueChannelsRecord::fieldLine, 11, 11, nullptr, 7, 80, kTextBlack, kF11_11, 1},
    {&DialogueChannelsRecord::fieldLine, 12, 12, nullptr, 7, 80, kTextBlack, kF12_12, 1},
    {&DialogueChannelsRecord::fieldLine, 13, 14, nullptr, 7, 80, kTextBlack, kF13_13, 1},
    {&DialogueChannelsRecord::fieldLine, 14, 14, nullptr, 7, 80, kTextBlack, kF14_14, 1},
    {&DialogueChannelsRecord::fieldLine, 15, 15, nullptr, 6, 80, kTextBlack, kF15_15, 1},
    {&DialogueChannelsRecord::fieldLine, 16, 17, nullptr, 7, 80, kTextBlack, kF16_16, 1},
    {&DialogueChannelsRecord::fieldLine, 17, 17, nullptr, 7, 80, kTextBlack, kF17_17, 1},
    {&DialogueChannelsRecord::fieldLine, 18, 18, nullptr, 6, 80, kTextBlack, kF18_18, 1},
    {&DialogueChannelsRecord::fieldLine, 19, 20, nullptr, 7, 80, kTextBlack, kF19_19, 1},
    {&DialogueChannelsRecord::fieldLine, 20, 20, nullptr, 7, 80, kTextBlack, kF20_20, 1},
    {&DialogueChannelsRecord::fieldLine, 21, 21, nullptr, 6, 80, kTextBlack, kF21_21, 1},
    {&DialogueChannelsRecord::fieldLine, 22, 22, nullptr, 8, 80, kTextBlack, kF22_22, 1},
    {&DialogueChannelsRecord::fieldLine, 23, 23, nullptr, 8, 80, kTextBlack, kF23_23, 2},
    {&DialogueChannelsRecord::fieldLine, 24, 24, nullptr, 8, 80, kTextBlack, kF24_24, 1},
    {&DialogueChannelsRecord::fieldLine, 25, 25, nullptr, 7, 80, kTextBlack, kF25_25, 1},
    {&DialogueChannelsRecord::fieldLine, 26, 26, nullptr, 7, 80, kTextBlack, kF26_26, 1},
    {&DialogueChannelsRecord::fieldLine, 27, 27, nullptr, 7, 80, kTextBlack, kF27_27, 1},
    {&DialogueChannelsRecord::fieldLine, 28, 28, nullptr, 8, 80, kTextBlack, kF28_28, 1},
    {&DialogueChannelsRecord::fieldLine, 29, 29, nullptr, 6, 80, kTextBlack, kF29_29, 1},
    {&DialogueChannelsRecord::fieldLine, 30, 30, nullptr, 6, 80, kTextBlack, kF30_30, 1},
    {&DialogueChannelsRecord::fieldLine, 31, 31, nullptr, 8, 80, kTextBlack, kF31_31, 2},
    {&DialogueChannelsRecord::fieldLine, 32, 32, nullptr, 8, 80, kTextBlack, kF32_32, 1},
    {&DialogueChannelsRecord::fieldLine, 33, 33, nullptr, 7, 80, kTextBlack, kF33_33, 1},
    {&DialogueChannelsRecord::fieldLine, 34, 35, nullptr, 6, 80, kTextBlack, kF34_34, 1},
    {&DialogueChannelsRecord::fieldLine, 35, 35, nullptr, 8, 80, kTextBlack, kF35_35, 1},
    {&DialogueChannelsRecord::fieldLine, 36, 36, nullptr, 8, 80, kTextBlack, kF36_36, 2},
    {&DialogueChannelsRecord::fieldLine, 37, 37, nullptr, 8, 80, kTextBlack, kF37_37, 1},
    {&DialogueChannelsRecord::fieldLine, 38, 38, nullptr, 8, 80, kTextBlack, kF38_38, 1},
    {&DialogueChannelsRecord::fieldLine, 39, 39, nullptr, 8, 80, kTextBlack, kF39_39, 1},
    {&DialogueChannelsRecord::fieldLine, 40, 40, nullptr, 6, 80, kTextBlack, kF40_40, 1},
    {&DialogueChannelsRecord::fieldLine, 41, 41, nullptr, 8, 80, kTextBlack, kF41_41, 1},
    {&DialogueChannelsRecord::fieldLine, 42, 42, nullptr, 6, 80, kTextBlack, kF42_42, 1},
    {&DialogueChannelsRecord::fieldLine, 43, 43, nullptr, 6, 80, kTextBlack, kF43_43, 1},
    {&DialogueChannelsRecord::fieldLine, 44, 44, nullptr, 8, 80, kTextBlack, kF44_44, 1},
    {&DialogueChannelsRecord::fieldLine, 45, 45, nullptr, 8, 80, kTextBlack, kF45_45, 1},
    {&DialogueChannelsRecord::fieldLine, 46, 46, nullptr, 8, 80, kTextBlack, kF46_46, 1},
    {&DialogueChannelsRecord::fieldLine, 47, 47, nullptr, 8, 80, kTextBlack, kF47_47, 1},
    {&DialogueChannelsRecord::fieldLine, 48, 48, nullptr, 8, 80, kTextBlack, kF48_48, 1},
    {&DialogueChannelsRecord::fieldLine, 49, 49, nullptr, 8, 80, kTextBlack, kF49_49, 1},
    {&DialogueChannelsRecord::fieldLine, 50, 50, nullptr, 6, 80, kTextBlack, kF50_50, 1},
    {&DialogueChannelsRecord::fieldLine, 54, 54, nullptr, 8, 80, kTextBlack, kF54_51, 1},
    {&DialogueChannelsRecord::fieldLine, 55, 55, nullptr, 8, 80, kTextBlack, kF55_52, 1},
    {&DialogueChannelsRecord::fieldLine, 56, 56, nullptr, 8, 80, kTextBlack, kF56_53, 1},
    {&DialogueChannelsRecord::fieldLine, 57, 58, nullptr, 6, 80, kTextBlack, kF57_54, 1},
    {&DialogueChannelsRecord::fieldLine, 58, 58, nullptr, 6, 80, kTextBlack, kF58_55, 1},
    {&DialogueChannelsRecord::fieldLine, 59, 60, nullptr, 6, 80, kTextBlack, kF59_56, 1},
    {&DialogueChannelsRecord::fieldLine, 60, 60, nullptr, 6, 80, kTextBlack, kF60_57, 1},
    {&DialogueChannelsRecord::fieldLine, 61, 61, nullptr, 6, 80, kTextBlack, kF61_58, 2},
    {&DialogueChannelsRecord::fieldLine, 62, 62, nullptr, 6, 80, kTextBlack, kF62_59, 1},
    {&DialogueChannelsRecord::fieldLine, 63, 63, nullptr, 6, 80, kTextBlack, kF63_60, 2},
    {&DialogueChannelsRecord::fieldLine, 64, 64, nullptr, 6, 80, kTextBlack, kF64_61, 1},
    {&DialogueChannelsRecord::fieldLine, 65, 65, nullptr, 6, 80, kTextBlack, kF65_62, 1},
    {&DialogueChannelsRecord::fieldLine, 66, 66, nullptr, 6, 80, kTextBlack, kF66_63, 1},
    {&DialogueChannelsRecord::fieldLine, 67, 67, nullptr, 6, 80, kTextBlack, kF67_64, 1},
    {&DialogueChannelsRecord::fieldLine, 68, 68, nullptr, 8, 80, kTextBlack, kF68_65, 1},
    {&DialogueChannelsRecord::fieldLine, 69, 69, nullptr, 8, 80, kTextBlack, kF69_66, 1},
    {&DialogueChannelsRecord::fieldLine, 70, 70, nullptr, 8, 80, kTextBlack, kF70_67, 2},
    {&DialogueChannelsRecord::fieldLine, 71, 71, nullptr, 8, 80, kTextBlack, kF71_68, 1},
    {&DialogueChannelsRecord::fieldLine, 72, 72, nullptr, 6, 80, kTextBlack, kF72_69, 1},
    {&DialogueChannelsRecord::fieldLine, 73, 73, nullptr, 6, 80, kTextBlack, kF73_70, 2},
    {&DialogueChannelsRecord::fieldLine, 74, 74, nullptr, 6, 80, kTextBlack, kF74_71, 1},
    {&DialogueChannelsRecord::fieldLine, 75, 75, nullptr, 6, 80, kTextBlack, kF75_72, 1},
    {&DialogueChannelsRecord::fieldLine, 76, 76, nullptr, 6, 80, kTextBlack, kF76_73, 1},
    {&DialogueChannelsRecord::fieldLine, 77, 77, nullptr, 6, 80, kTextBlack, kF77_74, 1},
    {&DialogueChannelsRecord::fieldLine, 78, 78, nullptr, 6, 80, kTextBlack, kF78_75, 1},
    {&DialogueChannelsRecord::fieldLine, 79, 79, nullptr, 6, 80, kTextBlack, kF79_76, 1},
    {&DialogueChannelsRecord::fieldLine, 80, 80, nullptr, 6, 80, kTextBlack, kF80_77, 1},
    {&DialogueChannelsRecord::fieldLine, 81, 81, nullptr, 6, 80, kTextBlack, kF81_78, 1},
    {&DialogueChannelsRecord::fieldLine, 82, 82, nullptr, 6, 80, kTextBlack, kF82_79, 1},
    {&DialogueChannelsRecord::fieldLine, 83, 83, nullptr, 6, 80, kTextBlack, kF83_80, 1},
    {&DialogueChannelsRecord::fieldLine, 84, 84, nullptr, 8, 80, kTextBlack, kF84_81, 1},
    {&DialogueChannelsRecord::fieldLine, 85, 85, nullptr, 6, 80, kTextBlack, kF85_82, 1},
    {&DialogueChannelsRecord::fieldLine, 86, 86, nullptr, 6, 80, kTextBlack, kF86_83, 1},
    {&DialogueChannelsRecord::fieldLine, 87, 87, nullptr, 6, 80, kTextBlack, kF87_84, 2},
    {&DialogueChannelsRecord::fieldLine, 88, 88, nullptr, 6, 80, kTextBlack, kF88_85, 1},
    {&DialogueChannelsRecord::fieldLine, 89, 89, nullptr, 6, 80, kTextBlack, kF89_86, 1},
    {&DialogueChannelsRecord::fieldLine, 90, 90, nullptr, 6, 80, kTextBlack, kF90_87, 2},
    {&DialogueChannelsRecord::fieldLine, 91, 91, nullptr, 6, 80, kTextBlack, kF91_88, 1},
    {&DialogueChannelsRecord::fieldLine, 92, 92, nullptr, 6, 80, kTextBlack, kF92_89, 1},
    {&DialogueChannelsRecord::fieldLine, 93, 93, nullptr, 6, 80, kTextBlack, kF93_90, 1},
    {&DialogueChannelsRecord::sideLine, 1, 1, nullptr, 6, 80, kTextBlack, kS1_91, 1},
    {&DialogueChannelsRecord::sideLine, 2, 2, nullptr, 6, 80, kTextBlack, kS2_92, 1},
    {&DialogueChannelsRecord::sideLine, 3, 3, nullptr, 6, 80, kTextBlack, kS3_93, 2},
    {&DialogueChannelsRecord::sideLine, 4, 4, nullptr, 6, 80, kTextBlack, kS4_94, 2},
    {&DialogueChannelsRecord::sideLine, 5, 5, nullptr, 6, 80, kTextBlack, kS5_95, 1},
    {&DialogueChannelsRecord::sideLine, 6, 6, nullptr, 6, 80, kTextBlack, kS6_96, 2},
    {&DialogueChannelsRecord::sideLine, 7, 7, nullptr, 6, 80, kTextBlack, kS7_97, 1},
    {&DialogueChannelsRecord::sideLine, 8, 8, nullptr, 6, 80, kTextBlack, kS8_98, 1},
    {&DialogueChannelsRecord::sideLine, 9, 9, nullptr, 6, 80, kTextBlack, kS9_99, 1},
    {&DialogueChannelsRecord::sideLine, 10, 10, nullptr, 6, 80, kTextBlack, kS10_100, 1},
    {&DialogueChannelsRecord::sideLine, 11, 11, nullptr, 6, 80, kTextBlack, kS11_101, 1},
    {&DialogueChannelsRecord::sideLine, 12, 12, nullptr, 6, 80, kTextBlack, kS12_102, 1},
    {&DialogueChannelsRecord::sideLine, 13, 13, nullptr, 6, 80, kTextBlack, kS13_103, 1},
    {&DialogueChannelsRecord::sideLine, 14, 14, nullptr, 6, 80, kTextBlack, kS14_104, 1},
    {&DialogueChannelsRecord::sideLine, 15, 15, nullptr, 6, 80, kTextBlack, kS15_105, 1},
    {&DialogueChannelsRecord::sideLine, 16, 16, nullptr, 6, 80, kTextBlack, kS16_106, 1},
    {&DialogueChannelsRecord::sideLine, 17, 17, nullptr, 6, 80, kTextBlack, kS17_107, 1},
    {&DialogueChannelsRecord::sideLine, 18, 18, nullptr, 6, 80, kTextBlack, kS18_108, 1},
    {&DialogueChannelsRecord::sideLine, 19, 19, nullptr, 6, 80, kTextBlack, kS19_109, 1},
    {&DialogueChannelsRecord::sideLine, 20, 20, nullptr, 6, 80, kTextBlack, kS20_110, 1},
    {&DialogueChannelsRecord::sideLine, 21, 21, nullptr, 6, 80, kTextBlack, kS21_111, 1},
    {&DialogueChannelsRecord::sideLine, 22, 22, nullptr, 6, 80, kTextBlack, kS22_112, 1},
    {&DialogueChannelsRecord::sideLine, 23, 23, nullptr, 6, 80, kTextBlack, kS23_113, 1},
    {&DialogueChannelsRecord::sideLine, 24, 24, nullptr, 6, 80, kTextBlack, kS24_114, 1},
    {&DialogueChannelsRecord::sideLine, 25, 25, nullptr, 6, 80, kTextBlack, kS25_115, 1},
    {&DialogueChannelsRecord::sideLine, 26, 26, nullptr, 6, 80, kTextBlack, kS26_116, 1},
    {&DialogueChannelsRecord::sideLine, 27, 27, nullptr, 6, 80, kTextBlack, kS27_117, 1},
    {&DialogueChannelsRecord::sideLine, 28, 28, nullptr, 6, 80, kTextBlack, kS28_118, 2},
    {&DialogueChannelsRecord::sideLine, 29, 29, nullptr, 6, 80, kTextBlack, kS29_119, 1},
    {&DialogueChannelsRecord::sideLine, 30, 30, nullptr, 6, 80, kTextBlack, kS30_120, 1},
    {&DialogueChannelsRecord::sideLine, 31, 31, nullptr, 6, 80, kTextBlack, kS31_121, 1},
    {&DialogueChannelsRecord::sideLine, 32, 32, nullptr, 6, 80, kTextBlack, kS32_122, 1},
    {&DialogueChannelsRecord::sideLine, 33, 33, nullptr, 6, 80, kTextBlack, kS33_123, 1},
    {&DialogueChannelsRecord::sideLine, 34, 34, nullptr, 6, 80, kTextBlack, kS34_124, 1},
    {&DialogueChannelsRecord::sideLine, 35, 35, nullptr, 6, 80, kTextBlack, kS35_125, 1},
    {&DialogueChannelsRecord::sideLine, 36, 36, nullptr, 6, 80, kTextBlack, kS36_126, 1},
    {&DialogueChannelsRecord::sideLine, 37, 37, nullptr, 6, 80, kTextBlack, kS37_127, 1},
    {&DialogueChannelsRecord::sideLine, 38, 38, nullptr, 6, 80, kTextBlack, kS38_128, 1},
    {&DialogueChannelsRecord::sideLine, 39, 39, nullptr, 8, 80, kTextBlack, kS39_129, 1},
    {&DialogueChannelsRecord::sideLine, 40, 40, nullptr, 6, 80, kTextBlack, kS40_130, 1},
    {&DialogueChannelsRecord::sideLine, 41, 41, nullptr, 6, 80, kTextBlack, kS41_131, 1},
    {&DialogueChannelsRecord::sideLine, 42, 42, nullptr, 6, 80, kTextBlack, kS42_132, 1},
    {&DialogueChannelsRecord::sideLine, 43, 43, nullptr, 8, 80, kTextBlack, kS43_133, 1},
    {&DialogueChannelsRecord::sideLine, 44, 44, nullptr, 6, 80, kTextBlack, kS44_134, 2},
    {&DialogueChannelsRecord::sideLine, 50, 50, nullptr, 8, 80, kTextBlack, kS50_135, 2},
    {&DialogueChannelsRecord::sideLine, 51, 51, nullptr, 8, 80, kTextBlack, kS51_136, 1},
    {&DialogueChannelsRecord::sideLine, 52, 52, nullptr, 6, 80, kTextBlack, kS52_137, 1},
    {&DialogueChannelsRecord::sideLine, 53, 53, nullptr, 6, 80, kTextBlack, kS53_138, 1},
    {&DialogueChannelsRecord::sideLine, 54, 54, nullptr, 6, 80, kTextBlack, kS54_139, 1},
    {&DialogueChannelsRecord::sideLine, 55, 55, nullptr, 6, 80, kTextBlack, kS55_140, 1},
    {&DialogueChannelsRecord::sideLine, 56, 56, nullptr, 6, 80, kTextBlack, kS56_141, 1},
    {&DialogueChannelsRecord::sideLine, 57, 57, nullptr, 6, 80, kTextBlack, kS57_142, 2},
    {&DialogueChannelsRecord::sideLine, 58, 58, nullptr, 6, 80, kTextBlack, kS58_143, 2},
    {&DialogueChannelsRecord::sideLine, 59, 59, nullptr, 6, 80, kTextBlack, kS59_144, 1},
    {&DialogueChannelsRecord::sideLine, 60, 60, nullptr, 6, 80, kTextBlack, kS60_145, 1},
    {&DialogueChannelsRecord::sideLine, 61, 61, nullptr, 6, 80, kTextBlack, kS61_146, 1},
    {&DialogueChannelsRecord::sideLine, 62, 62, nullptr, 6, 80, kTextBlack, kS62_147, 1},
    {&DialogueChannelsRecord::sideLine, 63, 63, nullptr, 6, 80, kTextBlack, kS63_148, 1},
    {&DialogueChannelsRecord::sideLine, 64, 64, nullptr, 6, 80, kTextBlack, kS64_149, 1},
    {&DialogueChannelsRecord::sideLine, 65, 65, nullptr, 6, 80, kTextBlack, kS65_150, 1},
    {&DialogueChannelsRecord::sideLine, 66, 66, nullptr, 6, 80, kTextBlack, kS66_151, 1},
    {&DialogueChannelsRecord::sideLine, 67, 67, nullptr, 6, 80, kTextBlack, kS67_152, 1},
    {&DialogueChannelsRecord::sideLine, 68, 68, nullptr, 6, 80, kTextBlack, kS68_153, 1},
    {&DialogueChannelsRecord::sideLine, 69, 69, nullptr, 6, 80, kTextBlack, kS69_154, 1},
    {&DialogueChannelsRecord::sideLine, 70, 70, nullptr, 6, 80, kTextBlack, kS70_155, 1},
    {&DialogueChannelsRecord::sideLine, 71, 71, nullptr, 6, 80, kTextBlack, kS71_156, 1},
    {&DialogueChannelsRecord::sideLine, 72, 72, nullptr, 6, 80, kTextBlack, kS72_157, 1},
    {&DialogueChannelsRecord::sideLine, 73, 73, nullptr, 6, 80, kTextBlack, kS73_158, 1},
    {&DialogueChannelsRecord::sideLine, 74, 74, nullptr, 6, 80, kTextBlack, kS74_159, 1},
    {&DialogueChannelsRecord::sideLine, 75, 75, nullptr, 6, 80, kTextBlack, kS75_160, 1},
    {&DialogueChannelsRecord::sideLine, 76, 76, nullptr, 6, 80, kTextBlack, kS76_161, 2},
    {&DialogueChannelsRecord::sideLine, 77, 77, nullptr, 6, 80, kTextBlack, kS77_162, 1},
    {&DialogueChannelsRecord::sideLine, 78, 78, nullptr, 6, 80, kTextBlack, kS78_163, 1},
    {&DialogueChannelsRecord::sideLine, 79, 79, nullptr, 6, 80, kTextBlack, kS79_164, 1},
    {&DialogueChannelsRecord::sideLine, 80, 80, nullptr, 6, 80, kTextBlack, kS80_165, 1},
    {&DialogueChannelsRecord::sideLine, 81, 81, nullptr, 6, 80, kTextBlack, kS81_166, 1},
    {&DialogueChannelsRecord::sideLine, 82, 82, nullptr, 8, 80, kTextBlack, kS82_167, 1},
    {&DialogueChannelsRecord::sideLine, 83, 83, nullptr, 8, 80, kTextBlack, kS83_168, 1},
    {&DialogueChannelsRecord::sideLine, 84, 84, nullptr, 6, 80, kTextBlack, kS84_169, 1},
    {&DialogueChannelsRecord::sideLine, 85, 85, nullptr, 6, 80, kTextBlack, kS85_170, 1},
    {&DialogueChannelsRecord::sideLine, 86, 86, nullptr, 6, 80, kTextBlack, kS86_171, 1},
    {&DialogueChannelsRecord::sideLine, 87, 87, nullptr, 6, 80, kTextBlack, kS87_172, 1},
    {&DialogueChannelsRecord::eventLine, 1, 1, nullptr, 8, 80, kTextBlack, kE1_173, 2},
    {&DialogueChannelsRecord::eventLine, 2, 2, nullptr, 6, 80, kTextBlack, kE2_174, 1},
    {&DialogueChannelsRecord::eventLine, 3, 3, nullptr, 8, 80, kTextBlack, kE3_175, 1},
    {&DialogueChannelsRecord::eventLine, 4, 4, nullptr, 8, 80, kTextBlack, kE4_176, 1},
    {&DialogueChannelsRecord::eventLine, 5, 5, nullptr, 6, 80, kTextBlack, kE5_177, 1},
    {&DialogueChannelsRecord::eventLine, 6, 6, nullptr, 6, 80, kTextBlack, kE6_178, 1},
    {&DialogueChannelsRecord::eventLine, 7, 7, nullptr, 6, 80, kTextBlack, kE7_179, 1},
    {&DialogueChannelsRecord::eventLine, 8, 8, nullptr, 6, 80, kTextBlack, kE8_180, 1},
    {&DialogueChannelsRecord::eventLine, 9, 9, nullptr, 6, 80, kTextBlack, kE9_181, 2},
    {&DialogueChannelsRecord::eventLine, 10, 10, nullptr, 8, 80, kTextBlack, kE10_182, 2},
    {&DialogueChannelsRecord::eventLine, 11, 11, nullptr, 6, 80, kTextBlack, kE11_183, 2},
    {&DialogueChannelsRecord::eventLine, 12, 12, nullptr, 6, 80, kTextBlack, kE12_184, 2},
    {&DialogueChannelsRecord::eventLine, 13, 13, nullptr, 6, 80, kTextBlack, kE13_185, 1},
    {&DialogueChannelsRecord::eventLine, 14, 14, nullptr, 6, 80, kTextBlack, kE14_186, 1},
    {&DialogueChannelsRecord::eventLine, 15, 15, nullptr, 6, 80, kTextBlack, kE15_187, 1},
    {&DialogueChannelsRecord::eventLine, 16, 16, nullptr, 6, 80, kTextBlack, kE16_188, 1},
    {&DialogueChannelsRecord::eventLine, 17, 17, nullptr, 6, 80, kTextBlack, kE17_189, 1},
    {&DialogueChannelsRecord::eventLine, 18, 18, nullptr, 8, 80, kTextBlack, kE18_190, 1},
    {&DialogueChannelsRecord::eventLine, 19, 19, nullptr, 6, 80, kTextBlack, kE19_191, 1},
    {&DialogueChannelsRecord::eventLine, 20, 20, nullptr, 6, 80, kTextBlack, kE20_192, 1},
    {&DialogueChannelsRecord::eventLine, 21, 21, nullptr, 6, 80, kTextBlack, kE21_193, 1},
    {&DialogueChannelsRecord::eventLine, 22, 22, nullptr, 6, 80, kTextBlack, kE22_194, 1},
    {&DialogueChannelsRecord::eventLine, 23, 23, nullptr, 6, 80, kTextBlack, kE23_195, 1},
    {&DialogueChannelsRecord::eventLine, 24, 24, nullptr, 6, 80, kTextBlack, kE24_196, 1},
    {&DialogueChannelsRecord::eventLine, 25, 25, nullptr, 6, 80, kTextBlack, kE25_197, 1},
    {&DialogueChannelsRecord::eventLine, 26, 26, nullptr, 6, 80, kTextBlack, kE26_198, 1},
    {&DialogueChannelsRecord::eventLine, 27, 27, nullptr, 6, 80, kTextBlack, kE27_199, 1},
    {&DialogueChannelsRecord::eventLine, 28, 28, nullptr, 6, 80, kTextBlack, kE28_200, 2},
    {&DialogueChannelsRecord::eventLine, 29, 29, nullptr, 6, 80, kTextBlack, kE29_201, 2},
    {&DialogueChannelsRecord::eventLine, 30, 30, nullptr, 6, 80, kTextBlack, kE30_202, 2},
    {&DialogueChannelsRecord::eventLine, 31, 31, nullptr, 6, 80, kTextBlack, kE31_203, 1},
    {&DialogueChannelsRecord::eventLine, 32, 32, nullptr, 6, 80, kTextBlack, kE32_204, 1},
    {&DialogueChannelsRecord::eventLine, 33, 33, nullptr, 6, 80, kTextBlack, kE33_205, 2},
    {&DialogueChannelsRecord::eventLine, 34, 34, nullptr, 6, 80, kTextBlack, kE34_206, 1},
    {&DialogueChannelsRecord::eventLine, 35, 35, nullptr, 6, 80, kTextBlack, kE35_207, 1},
    {&DialogueChannelsRecord::eventLine, 36, 36, nullptr, 6, 80, kTextBlack, kE36_208, 1},
    {&DialogueChannelsRecord::eventLine, 37, 37, nullptr, 6, 80, kTextBlack, kE37_209, 2},
    {&DialogueChannelsRecord::eventLine, 38, 38, nullptr, 8, 80, kTextBlack, kE38_210, 1},
    {&DialogueChannelsRecord::eventLine, 39, 39, nullptr, 6, 80, kTextBlack, kE39_211, 1},
    {&DialogueChannelsRecord::eventLine, 40, 40, nullptr, 8, 80, kTextBlack, kE40_212, 1},
    {&DialogueChannelsRecord::eventLine, 41, 41, nullptr, 6, 80, kTextBlack, kE41_213, 1},
    {&DialogueChannelsRecord::eventLine, 42, 42, nullptr, 8, 80, kTextBlack, kE42_214, 1},
    {&DialogueChannelsRecord::eventLine, 43, 43, nullptr, 6, 80, kTextBlack, kE43_215, 1},
    {&DialogueChannelsRecord::eventLine, 44, 44, nullptr, 8, 80, kTextBlack, kE44_216, 2},
    {&DialogueChannelsRecord::eventLine, 45, 45, nullptr, 6, 80, kTextBlack, kE45_217, 1},
    {&DialogueChannelsRecord::eventLine, 46, 46, nullptr, 8, 80, kTextBlack, kE46_218, 1},
    {&DialogueChannelsRecord::eventLine, 47, 47, nullptr, 6, 80, kTextBlack, kE47_219, 1},
    {&DialogueChannelsRecord::eventLine, 48, 48, nullptr, 6, 80, kTextBlack, kE48_220, 1},
    {&DialogueChannelsRecord::eventLine, 49, 49, nullptr, 6, 80, kTextBlack, kE49_221, 2},
    {&DialogueChannelsRecord::eventLine, 50, 50, nullptr, 6, 80, kTextBlack, kE50_222, 1},
    {&DialogueChannelsRecord::eventLine, 52, 52, nullptr, 8, 80, kTextBlack, kE52_223, 1},
    {&DialogueChannelsRecord::eventLine, 53, 53, nullptr, 8, 80, kTextBlack, kE53_224, 1},
    {&DialogueChannelsRecord::eventLine, 54, 54, nullptr, 8, 80, kTextBlack, kE54_225, 1},
    {&DialogueChannelsRecord::eventLine, 55, 55, nullptr, 8, 80, kTextBlack, kE55_226, 1},
    {&DialogueChannelsRecord::eventLine, 56, 56, nullptr, 6, 80, kTextBlack, kE56_227, 1},
    {&DialogueChannelsRecord::eventLine, 57, 57, nullptr, 8, 80, kTextBlack, kE57_228, 1},
    {&DialogueChannelsRecord::eventLine, 58, 58, nullptr, 8, 80, kTextBlack, kE58_229, 1},
    {&DialogueChannelsRecord::eventLine, 59, 59, nullptr, 8, 80, kTextBlack, kE59_230, 1},
    {&DialogueChannelsRecord::eventLine, 60, 60, nullptr, 6, 80, kTextBlack, kE60_231, 1},
    {&DialogueChannelsRecord::eventLine, 61, 61, nullptr, 8, 80, kTextBlack, kE61_232, 1},
    {&DialogueChannelsRecord::eventLine, 62, 62, nullptr, 8, 80, kTextBlack, kE62_233, 1},
    {&DialogueChannelsRecord::eventLine, 63, 63, nullptr, 8, 80, kTextBlack, kE63_234, 1},
    {&DialogueChannelsRecord::eventLine, 64, 64, nullptr, 8, 80, kTextBlack, kE64_235, 1},
    {&DialogueChannelsRecord::eventLine, 65, 65, nullptr, 8, 80, kTextBlack, kE65_236, 1},
    {&DialogueChannelsRecord::eventLine, 66, 66, nullptr, 6, 80, kTextBlack, kE66_237, 1},
    {&DialogueChannelsRecord::eventLine, 115, 115, nullptr, 8, 80, kTextBlack, kE115_238, 1},
    {&DialogueChannelsRecord::eventLine, 116, 116, WeaponMode2Worn, 6, 80, kTextBlack, kE116_239, 1},
    {&DialogueChannelsRecord::eventLine, 116, 116, WeaponMode2NotWorn, 6, 80, kTextBlack, kE116_240, 1},
    {&DialogueChannelsRecord::eventLine, 117, 117, nullptr, 8, 80, kTextBlack, kE117_241, 1},
    {&DialogueChannelsRecord::eventLine, 118, 118, nullptr, 7, 80, kTextBlack, kE118_242, 1},
    {&DialogueChannelsRecord::eventLine, 118, 118, nullptr, 6, 80, kTextBlack, kE118_243, 1},
    {&DialogueChannelsRecord::eventLine, 119, 119, nullptr, 6, 80, kTextBlack, kE119_244, 1},
    {&DialogueChannelsRecord::eventLine, 120, 120, nullptr, 6, 80, kTextBlack, kE120_245, 1},
    {&DialogueChannelsRecord::eventLine, 121, 121, nullptr, 8, 80, kTextBlack, kE121_246, 1},
    {&DialogueChannelsRecord::eventLine, 122, 122, nullptr, 6, 80, kTextBlack, kE122_247, 1},
    {&DialogueChannelsRecord::eventLine, 123, 123, nullptr, 8, 80, kTextBlack, kE123_248, 1},
    {&DialogueChannelsRecord::eventLine, 124, 124, nullptr, 6, 80, kTextBlack, kE124_249, 2},
    {&DialogueChannelsRecord::eventLine, 125, 125, nullptr, 6, 80, kTextBlack, kE125_250, 2},
    {&DialogueChannelsRecord::eventLine, 126, 126, nullptr, 6, 80, kTextBlack, kE126_251, 1},
    {&DialogueChannelsRecord::eventLine, 127, 127, nullptr, 8, 80, kTextBlack, kE127_252, 1},
    {&DialogueChannelsRecord::eventLine, 128, 128, nullptr, 7, 80, kTextBlack, kE128_253, 1},
    {&DialogueChannelsRecord::eventLine, 128, 128, nullptr, 6, 80, kTextBlack, kE128_254, 1},
    {&DialogueChannelsRecord::eventLine, 129, 129, nullptr, 6, 80, kTextBlack, kE129_255, 2},
    {&DialogueChannelsRecord::eventLine, 130, 130, nullptr, 6, 80, kTextBlack, kE130_256, 1},
    {&DialogueChannelsRecord::eventLine, 131, 131, nullptr, 8, 80, kTextBlack, kE131_257, 1},
    {&DialogueChannelsRecord::eventLine, 132, 132, nullptr, 7, 80, kTextBlack, kE132_258, 1},
    {&DialogueChannelsRecord::eventLine, 132, 132, nullptr, 6, 80, kTextBlack, kE132_259, 1},
    {&DialogueChannelsRecord::eventLine, 133, 133, nullptr, 8, 80, kTextBlack, kE133_260, 1},
    {&DialogueChannelsRecord::eventLine, 134, 134, nullptr, 6, 80, kTextBlack, kE134_261, 1},
    {&DialogueChannelsRecord::eventLine, 135, 135, nullptr, 6, 80, kTextBlack, kE135_262, 1},
    {&DialogueChannelsRecord::eventLine, 136, 136, nullptr, 8, 80, kTextBlack, kE136_263, 1},
    {&DialogueChannelsRecord::eventLine, 137, 137, nullptr, 6, 80, kTextBlack, kE137_264, 1},
    {&DialogueChannelsRecord::eventLine, 138, 138, nullptr, 8, 80, kTextBlack, kE138_265, 1},
    {&DialogueChannelsRecord::eventLine, 139, 139, nullptr, 6, 80, kTextBlack, kE139_266, 1},
    {&DialogueChannelsRecord::eventLine, 140, 140, nullptr, 8, 80, kTextBlack, kE140_267, 1},
    {&DialogueChannelsRecord::eventLine, 141, 141, nullptr, 6, 80, kTextBlack, kE141_268, 1},
    {&DialogueChannelsRecord::roundLine, 1, 1, EventLineShown, 6, 80, kTextBlack, kR1_269, 1},
    {&DialogueChannelsRecord::roundLine, 2, 2, EventLineShown, 6, 80, kTextBlack, kR2_270, 1},
    {&DialogueChannelsRecord::roundLine, 3, 3, EventLineShown, 6, 80, kTextBlack, kR3_271, 1},
    {&DialogueChannelsRecord::roundLine, 4, 4, EventLineShown, 6, 80, kTextBlack, kR4_272, 1},
    {&DialogueChannelsRecord::roundLine, 5, 5, EventLineShown, 6, 80, kTextBlack, kR5_273, 1},
    {&DialogueChannelsRecord::eventLine, 142, 142, nullptr, 6, 80, kTextBlack, kE142_274, 1},
    {&DialogueChannelsRecord::eventLine, 142, 142, nullptr, 6, 80, kTextBlack, kE142_275, 1},
    {&DialogueChannelsRecord::eventLine, 144, 144, nullptr, 6, 80, kTextBlack, kE144_276, 1},
    {&DialogueChannelsRecord::eventLine, 145, 145, nullptr, 6, 80, kTextBlack, kE145_277, 1},
    {&DialogueChannelsRecord::eventLine, 146, 146, nullptr, 6, 80, kTextBlack, kE146_278, 1},
    {&DialogueChannelsRecord::eventLine, 147, 147, nullptr, 6, 80, kTextBlack, kE147_279, 1},
    {&DialogueChannelsRecord::eventLine, 148, 148, nullptr, 6, 80, kTextBlack, kE148_280, 1},
    {&DialogueChannelsRecord::eventLine, 149, 149, nullptr, 6, 80, kTextBlack, kE149_281, 1},
    {&DialogueChannelsRecord::eventLine, 150, 150, nullptr, 6, 80, kTextBlack, kE150_282, 1},
    {&DialogueChannelsRecord::eventLine, 151, 151, nullptr, 6, 80, kTextBlack, kE151_283, 1},
    {&DialogueChannelsRecord::eventLine, 152, 152, nullptr, 6, 80, kTextBlack, kE152_284, 1},
    {&DialogueChannelsRecord::eventLine, 153, 153, nullptr, 6, 80, kTextBlack, kE153_285, 1},
    {&DialogueChannelsRecord::eventLine, 154, 154, nullptr, 6, 80, kTextBlack, kE154_286, 1},
    {&DialogueChannelsRecord::eventLine, 155, 155, nullptr, 6, 80, kTextBlack, kE155_287, 2},
    {&DialogueChannelsRecord::eventLine, 156, 156, nullptr, 6, 80, kTextBlack, kE156_288, 1},
    {&DialogueChannelsRecord::eventLine, 157, 157, nullptr, 6, 80, kTextBlack, kE157_289, 1},
    {&DialogueChannelsRecord::eventLine, 158, 158, nullptr, 8, 80, kTextBlack, kE158_290, 1},
    {&DialogueChannelsRecord::eventLine, 159, 159, nullptr, 8, 80, kTextBlack, kE159_291, 1},
    {&DialogueChannelsRecord::eventLine, 160, 160, nullptr, 6, 80, kTextBlack, kE160_292, 1},
    {&DialogueChannelsRecord::eventLine, 161, 161, nullptr, 6, 80, kTextBlack, kE161_293, 1},
    {&DialogueChannelsRecord::eventLine, 162, 162, nullptr, 8, 80, kTextBlack, kE162_294, 1},
    {&DialogueChannelsRecord::eventLine, 163, 163, nullptr, 8, 80, kTextBlack, kE163_295, 1},
    {&DialogueChannelsRecord::eventLine, 164, 164, nullptr, 8, 80, kTextBlack, kE164_296, 1},
    {&DialogueChannelsRecord::eventLine, 165, 165, nullptr, 6, 80, kTextBlack, kE165_297, 1},
    {&DialogueChannelsRecord::eventLine, 166, 166, nullptr, 8, 80, kTextBlack, kE166_298, 1},
    {&DialogueChannelsRecord::eventLine, 167, 167, nullptr, 8, 80, kTextBlack, kE167_299, 1},
    {&DialogueChannelsRecord::eventLine, 168, 168, nullptr, 8, 80, kTextBlack, kE168_300, 1},
    {&DialogueChannelsRecord::eventLine, 169, 169, nullptr, 8, 80, kTextBlack, kE169_301, 1},
    {&DialogueChannelsRecord::eventLine, 170, 170, nullptr, 6, 80, kTextBlack, kE170_302, 1},
    {&DialogueChannelsRecord::eventLine, 171, 171, nullptr, 8, 80, kTextBlack, kE171_303, 1},
    {&DialogueChannelsRecord::eventLine, 172, 172, nullptr, 6, 80, kTextBlack, kE172_304, 1},
    {&DialogueChannelsRecord::eventLine, 173, 173, nullptr, 6, 80, kTextBlack, kE173_305, 1},
};

}  // namespace

const AreaMessageTable Era02MessageTable = MessageTableOf(kEra02Entries);
