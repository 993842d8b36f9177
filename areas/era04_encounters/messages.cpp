// The lines of the Era04 encounters on the field-and-fight word: encounter
// A's figure in the trap room. Two of its lines name the trial's time and
// strike count, formatted when they are shown.
#include <cstddef>
#include <cstdio>

#include "areas/era04_encounters/records.h"
#include "areas/message_tables.h"
#include "text/messages/area_texts.h"

namespace {

constexpr std::int8_t kDialogueFont = 6;
constexpr std::int16_t kLineHeight = 80;

char gTimeLine[160];
char gCountLine[160];

bool FormatTrialTime() {
    std::snprintf(gTimeLine, sizeof gTimeLine, "機兵　　：　二十の円盤を　くだくまで　%3.3f　秒。", EncounterATrialTime);
    return true;
}
bool FormatHitCount() {
    std::snprintf(gCountLine, sizeof gCountLine, "機兵　　：　そのあいだに　わたしを　打った数　%6d　回。", EncounterAHitCount);
    return true;
}

constexpr MessageLine kLine101[] = {{210, 700, "機兵　　：　……侵入者を　確認。　この部屋は　通さない。"}};
constexpr MessageLine kLine102[] = {{210, 700, "リシェル　　：　しゃべった！？　あなた、からくり人形なの？"}};
constexpr MessageLine kLine103[] = {{210, 700, "機兵　　：　わたしは　この部屋の番人。　力を　ためさせてもらう。"}};
constexpr MessageLine kLine104[] = {{210, 700, "リシェル　　：　ためすって　どうやって？"}, {266, 725, "戦わなくて　すむなら　そのほうが　いいけれど。"}};
constexpr MessageLine kLine105[] = {{210, 700, "機兵　　：　これから　円盤を　二十枚　投げる。　すべて　くだいてみせよ。"}};
constexpr MessageLine kLine106[] = {{210, 700, "機兵　　：　速さと　打ちこみの数を　見ている。　手を　ぬくな。"}};
constexpr MessageLine kLine107[] = {{210, 700, "機兵　　：　では　はじめる。"}};
constexpr MessageLine kLine108[] = {{210, 700, gTimeLine}};
constexpr MessageLine kLine109[] = {{210, 700, gCountLine}};
constexpr MessageLine kLine110[] = {{210, 700, "機兵　　：　おそい。　それに　打ちこみも　たりぬ。"}};
constexpr MessageLine kLine111[] = {{210, 700, "機兵　　：　罰として　体力を　けずらせてもらう。"}};
constexpr MessageLine kLine112[] = {{210, 700, "機兵　　：　みごとだ。　速さも　打ちこみも　申し分ない。"}};
constexpr MessageLine kLine113[] = {{210, 700, "機兵　　：　ほうびに　体力を　もとに　もどしてやろう。"}};
constexpr MessageLine kLine151[] = {{210, 700, "機兵　　：　ためしは　終わりだ。　ここからは　本気で　いく。"}};
constexpr MessageLine kLine153[] = {{210, 700, "機兵　　：　……まだだ。　まだ　止まるわけには　いかぬ。"}};
constexpr MessageLine kLine154[] = {{210, 700, "機兵　　：　円盤が……　もう　出ぬ。"}};
constexpr MessageLine kLine155[] = {{210, 700, "リシェル　　：　もう　やめましょう。　あなたの　負けよ。"}};
constexpr MessageLine kLine156[] = {{210, 700, "機兵　　：　番人は　負けては　ならぬ。　最後の　ちからを　使う。"}};
constexpr MessageLine kLine157[] = {{210, 700, "機兵　　：　光よ、この部屋ごと　はらえ……！"}};
constexpr MessageLine kLine158[] = {{210, 700, "機兵　　：　……とどかぬ、か。　わたしの　つとめも　ここまで。"}};
constexpr MessageLine kLine159[] = {{210, 700, "機兵　　：　扉は　ひらいた。　行け、姫よ……。"}};

// Encounter B: the blade figure between doors 4 and 5.
constexpr MessageLine kBLine161[] = {{210, 700, "剣士　　：　……来たか、小娘。　あの機兵を　抜けてくるとはな。"}, {266, 725, "この先へは　わたしの剣が　通さぬ。"}};
constexpr MessageLine kBLine162[] = {{210, 700, "リシェル　　：　あなたも　門番なの？　わたしは　先を急いでいるの。"}};
constexpr MessageLine kBLine163[] = {{210, 700, "剣士　　：　急ぐ者ほど　足元を　すくわれる。"}, {266, 725, "この部屋の床に　何人が　倒れたと思う。"}};
constexpr MessageLine kBLine164[] = {{210, 700, "リシェル　　：　おどしても　むだよ。　引き返す気は　ないわ。"}};
constexpr MessageLine kBLine165[] = {{210, 700, "剣士　　：　よかろう。　ならば　剣で　語るまで。"}};
constexpr MessageLine kBLine166[] = {{210, 700, "剣士　　：　わが刃は　くだけても　なお　舞う。　気をつけることだ。"}};
constexpr MessageLine kBLine167[] = {{210, 700, "ﾅﾚｰﾀ　：　剣士は　大きな刃を　ゆっくりと　かまえた。"}};
constexpr MessageLine kBLine168[] = {{210, 700, "リシェル　　：　……本気みたいね。"}};
constexpr MessageLine kBLine169[] = {{210, 700, "リシェル　　：　いいわ、相手になってあげる！"}};
constexpr MessageLine kBLine170[] = {{210, 700, "剣士　　：　参る！"}};
constexpr MessageLine kBLine171[] = {{210, 700, "剣士　　：　つかまえたぞ。　軽いな、小娘。"}};
constexpr MessageLine kBLine172[] = {{210, 700, "リシェル　　：　はなして！　この……！"}};
constexpr MessageLine kBLine173[] = {{210, 700, "リシェル　　：　こうなったら……　えいっ！"}};
constexpr MessageLine kBLine174[] = {{210, 700, "剣士　　：　……待て。　少し　話をしよう。"}};
constexpr MessageLine kBLine175[] = {{210, 700, "リシェル　　：　いまさら　何の話？"}};
constexpr MessageLine kBLine176[] = {{210, 700, "リシェル　　：　あなたから　しかけてきたのよ。"}};
constexpr MessageLine kBLine177[] = {{210, 700, "剣士　　：　おまえの剣、　どこで　学んだ。"}};
constexpr MessageLine kBLine178[] = {{210, 700, "剣士　　：　その足さばき、　かつて　城に仕えた　騎士のものだ。"}};
constexpr MessageLine kBLine179[] = {{210, 700, "剣士　　：　わたしも　昔は　その騎士団に　いた。"}};
constexpr MessageLine kBLine180[] = {{210, 700, "リシェル　　：　あなたが……　騎士団に？"}};
constexpr MessageLine kBLine181[] = {{210, 700, "剣士　　：　女王が　変わってから　城は　くるった。　わたしも　また。"}};
constexpr MessageLine kBLine182[] = {{210, 700, "リシェル　　：　だったら　いっしょに　止めればいいじゃない。"}};
constexpr MessageLine kBLine183[] = {{210, 700, "ﾅﾚｰﾀ　：　剣士は　しばらく　だまりこんだ。"}};
constexpr MessageLine kBLine184[] = {{210, 700, "リシェル　　：　……返事は　なし、ね。"}};
constexpr MessageLine kBLine185[] = {{210, 700, "ﾅﾚｰﾀ　：　刃が　ふたたび　持ち上がる。"}};
constexpr MessageLine kBLine186[] = {{210, 700, "リシェル　　：　わかったわ。　決着を　つけましょう。"}};
constexpr MessageLine kBLine187[] = {{210, 700, "剣士　　：　……なかなか　やる。　だが　まだだ。"}};
constexpr MessageLine kBLine188[] = {{210, 700, "剣士　　：　ここからは　手加減せぬ。　受けてみよ！"}};
constexpr MessageLine kBLine189[] = {{210, 700, "剣士　　：　これが　最後だ。　わが剣の　すべてを　見せよう！"}};
constexpr MessageLine kBLine190[] = {{210, 700, "剣士　　：　……見事だ。　先へ　行け、騎士の　娘よ……。"}};

// Encounter C: the hall behind door 5 and the clerk's shop.
constexpr MessageLine kCLine191[] = {{210, 700, "リシェル　　：　扉を　ぬけた……。　えっ、空？　お城の　中なのに。"}};
constexpr MessageLine kCLine192[] = {{210, 700, "ﾅﾚｰﾀ　：　壁も　天井も　見えない。　鳥の声が　ひびいている。"}};
constexpr MessageLine kCLine193[] = {{210, 700, "ﾅﾚｰﾀ　：　どこからか　外の風が　ふきこんでくる。"}};
constexpr MessageLine kCLine194[] = {{210, 700, "リシェル　　：　うしろの扉……　もどれなくなったら　どうしよう。"}};
constexpr MessageLine kCLine195[] = {{210, 700, "リシェル　　：　ううん、前に進むしかない。"}};
constexpr MessageLine kCLine196[] = {{210, 700, "ﾅﾚｰﾀ　：　野原の　どこにも　出口は　見あたらない。"}, {275, 725, "城の中心は　どこに　あるのだろう。"}};
constexpr MessageLine kCLine197[] = {{210, 700, "ﾅﾚｰﾀ　：　足もとには　古い　石だたみが　つづいている。"}};
constexpr MessageLine kCLine198[] = {{210, 700, "リシェル　　：　野原の　なかに　石だたみの　道……？"}};
constexpr MessageLine kCLine199[] = {{210, 700, "リシェル　　：　屋台……？　……だれか　いるの？"}};
constexpr MessageLine kCLine200[] = {{210, 700, "ﾅﾚｰﾀ　：　返事はない。　鳥の声だけが　こたえた。"}};
constexpr MessageLine kCLine201[] = {{210, 700, "リシェル　　：　だめ、びくとも　しない。"}};
constexpr MessageLine kCLine202[] = {{210, 700, "ﾅﾚｰﾀ　：　扉には　外から　かんぬきが　かけられているようだ。"}};
constexpr MessageLine kCLine203[] = {{210, 700, "リシェル　　：　もどって　ほかの道を　さがしてみよう。"}};
constexpr MessageLine kCLine204[] = {{210, 700, "ﾅﾚｰﾀ　：　さっきの　看板のあたりに　人の気配が　する。"}};
constexpr MessageLine kCLine209[] = {{210, 700, "店員　　：　青いクリスタル、５３００バル。"}, {275, 725, "買うなら　１　　いらないなら　２　　をえらぶ。"}};
constexpr MessageLine kCLine210[] = {{210, 700, "店員　　：　赤いクリスタルは　１０３００バル。"}, {275, 725, "買うなら　１　　いらないなら　２　　を選んで、"}};
constexpr MessageLine kCLine211[] = {{210, 700, "店員　　：　まだ　ほかにも　あるの。"}, {275, 725, "クリスタルは　１　　たべものは　２　　を選ぶといいの、"}};
constexpr MessageLine kCLine212[] = {{210, 700, "店員　　：　ふふ、じっくり　見ていくの。"}};
constexpr MessageLine kCLine213[] = {{210, 700, "店員　　：　そう、いらないの。　じゃあ　つぎ。"}};
constexpr MessageLine kCLine214[] = {{210, 700, "店員　　：　お金が　たりないの。　かわりに　体力を　もらうの。"}};
constexpr MessageLine kCLine220[] = {{210, 700, "店員　　：　赤いパン、１２０バル。　おなか　すいてるでしょ。"}};
constexpr MessageLine kCLine221[] = {{210, 700, "リシェル　　：　パン？　こんなところで？"}};
constexpr MessageLine kCLine222[] = {{210, 700, "店員　　：　このパン、やきたて。　ふわふわなの。"}};
constexpr MessageLine kCLine223[] = {{210, 700, "店員　　：　赤いのは　木の実が　はいってるの。"}};
constexpr MessageLine kCLine224[] = {{210, 700, "リシェル　　：　たしかに　いいにおい……。"}};
constexpr MessageLine kCLine225[] = {{210, 700, "リシェル　　：　朝から　なにも　たべてなかったわ。"}};
constexpr MessageLine kCLine226[] = {{210, 700, "店員　　：　でしょう。　たべていくの。"}};
constexpr MessageLine kCLine227[] = {{210, 700, "リシェル　　：　あなた、ずっと　ここで　お店を？"}};
constexpr MessageLine kCLine228[] = {{210, 700, "リシェル　　：　扉の　かんぬきも　あなたが？"}};
constexpr MessageLine kCLine229[] = {{210, 700, "ただの店員　：　青いパンも　１２０バル。"}};
constexpr MessageLine kCLine230[] = {{210, 700, "リシェル　　：　話を　そらさないで。"}};
constexpr MessageLine kCLine231[] = {{210, 700, "ただの店員　：　青いのは　あまい　クリームいり。"}};
constexpr MessageLine kCLine232[] = {{210, 700, "リシェル　　：　……わたしの話、聞いてる？"}};
constexpr MessageLine kCLine233[] = {{210, 700, "ただの店員　：　赤も　青も　１２０バル。"}};
constexpr MessageLine kCLine234[] = {{210, 700, "ただの店員　：　ここを　通るなら　ひとつ　かうのが　きまりなの。"}};
constexpr MessageLine kCLine235[] = {{210, 700, "ﾅﾚｰﾀ　：　店員は　じっと　リシェルを　見つめている。"}, {275, 725, "かわなければ　扉は　ひらかないらしい。"}};
constexpr MessageLine kCLine236[] = {{210, 700, "リシェル　　：　……わかったわ。　ひとつ　いただく。"}};
constexpr MessageLine kCLine237[] = {{210, 700, "ただの店員　：　赤なら１、青なら２　"}, {275, 725, "どっちにする？"}};
constexpr MessageLine kCLine238[] = {{210, 700, "ただの店員　：　お金が　たりないの。　かわりに　体力で　はらってもらうの。"}};
constexpr MessageLine kCLine239[] = {{210, 700, "リシェル　　：　赤いパン……　いただきます。"}};
constexpr MessageLine kCLine240[] = {{210, 700, "リシェル　　：　あまずっぱい。　おいしい！"}};
constexpr MessageLine kCLine241[] = {{210, 700, "リシェル　　：　木の実が　たくさん　はいってる。"}};
constexpr MessageLine kCLine242[] = {{210, 700, "リシェル　　：　青いパン……　いただきます。"}};
constexpr MessageLine kCLine243[] = {{210, 700, "リシェル　　：　……あまい。　でも　なんだか　へんな味。"}};
constexpr MessageLine kCLine244[] = {{210, 700, "リシェル　　：　あれ……　からだが　重い……。"}};
constexpr MessageLine kCLine245[] = {{210, 700, "リシェル　　：　ごちそうさま。　これで　扉を　あけてくれる？"}};
constexpr MessageLine kCLine246[] = {{210, 700, "ただの店員　：　まだ。　青いのも　たべるの。"}};
constexpr MessageLine kCLine247[] = {{210, 700, "リシェル　　：　え、ひとつで　いいって　言ったじゃない。"}};
constexpr MessageLine kCLine248[] = {{210, 700, "ただの店員　：　赤だけじゃ　だめなの。"}};
constexpr MessageLine kCLine249[] = {{210, 700, "ただの店員　：　青いのは　おまけ。"}, {275, 725, "お金は　いらないの。"}};
constexpr MessageLine kCLine250[] = {{210, 700, "ただの店員　：　はい、どうぞ。"}};
constexpr MessageLine kCLine251[] = {{210, 700, "リシェル　　：　……しかたないわね。"}};
constexpr MessageLine kCLine252[] = {{210, 700, "ただの店員　：　のこさず　たべるの。"}};
constexpr MessageLine kCLine253[] = {{210, 700, "リシェル　　：　わかったわよ。"}};
constexpr MessageLine kCLine254[] = {{210, 700, "ただの店員　：　……ふふ。　ぜんぶ　たべたのね。"}, {275, 725, "青いパンには　ちょっとした　おまじないが　あるの。"}};
constexpr MessageLine kCLine255[] = {{210, 700, "リシェル　　：　おまじない……？　あなた、いったい　なにを……。"}};
constexpr MessageLine kCLine256[] = {{210, 700, "ただの店員　：　ただの店員よ。　ただの　ね。"}};
constexpr MessageLine kCLine257[] = {{210, 700, "ただの店員　：　でも　ただの店員は　もう　おしまい。"}};
constexpr MessageLine kCLine258[] = {{210, 700, "リシェル　　：　からだが……　うごかない……。"}};
constexpr MessageLine kCLine259[] = {{210, 700, "魔女　　：　わたしは　女王さまの　おそばに　つかえる　魔女。"}, {275, 725, "この広間の　番を　まかされているの。"}};
constexpr MessageLine kCLine260[] = {{210, 700, "魔女　　：　ここまで　来た者は　みんな　パンを　たべて"}, {275, 725, "ねむってしまったわ。"}};
constexpr MessageLine kCLine261[] = {{210, 700, "魔女　　：　まぼろしの　空は　おしまい。　ここは　暗い　広間。"}, {275, 725, "暗いほうが　よく　ねむれるの。"}};
constexpr MessageLine kCLine262[] = {{210, 700, "魔女　　：　ほら、お店も　看板も　みんな　きえて　しまうわ。"}};
constexpr MessageLine kCLine263[] = {{210, 700, "魔女　　：　鳥たちも　だまったわ。　ほんとうの　広間が　あらわれる。"}};
constexpr MessageLine kCLine264[] = {{210, 700, "リシェル　　：　……まだ……　ねむらない……！"}};
constexpr MessageLine kCLine265[] = {{210, 700, "魔女　　：　あら、しぶといのね。"}, {275, 725, "でも　その手で　なにが　できるの。"}};
constexpr MessageLine kCLine266[] = {{210, 700, "魔女　　：　女王さまの　じゃまは　させない。"}, {275, 725, "ここで　おわりに　してあげる。"}};
constexpr MessageLine kCLine267[] = {{210, 700, "魔女　　：　光よ、あつまりなさい。"}, {275, 725, "この子を　つつんで　しまいなさい。"}};
constexpr MessageLine kCLine268[] = {{210, 700, "魔女　　：　さようなら、おひめさま。"}};
constexpr MessageLine kCLine269[] = {{210, 700, "魔女　　：　……！？"}};
constexpr MessageLine kCLine270[] = {{210, 700, "魔女　　：　なに……　この光に　さからうなんて……！"}};
constexpr MessageLine kCLine271[] = {{210, 700, "魔女　　：　いたた……。　わたしの　すがたを　見たわね。"}};
constexpr MessageLine kCLine272[] = {{210, 700, "リシェル　　：　あなたの　おまじないなんて"}, {275, 725, "もう　きかないわ！"}};
constexpr MessageLine kCScene20[] = {{210, 700, "魔女　　：　いいわ。　空の上から　相手を　してあげる。"}};
constexpr MessageLine kCScene21[] = {{210, 700, "リシェル　　：　うかんでる……！？"}};
constexpr MessageLine kCScene22[] = {{210, 700, "魔女　　：　この足場は　わたしの　いうことしか　きかないの。"}, {275, 725, "あなたは　下で　はいまわっていなさい。"}};
constexpr MessageLine kCScene23[] = {{210, 700, "リシェル　　：　おりてきなさい！"}};
constexpr MessageLine kCScene24[] = {{210, 700, "魔女　　：　いやよ。"}, {275, 725, "光の矢を　たっぷり　あげるわ。"}};
constexpr MessageLine kCScene25[] = {{210, 700, "魔女　　：　足場を　たたけば　ゆれるかもしれないわね。"}, {275, 725, "とどけば　の話だけど。"}};
constexpr MessageLine kCScene26[] = {{210, 700, "リシェル　　：　やってみせるわ。"}};
constexpr MessageLine kCScene27[] = {{210, 700, "魔女　　：　うしろの扉は　しめておくわ。"}, {275, 725, "もう　にげられないわよ。"}};
constexpr MessageLine kCScene28[] = {{210, 700, "リシェル　　：　にげるつもりなんて　ないわ。"}};
constexpr MessageLine kCScene29[] = {{210, 700, "魔女　　：　ふふ、いい顔。"}};
constexpr MessageLine kCScene30[] = {{210, 700, "魔女　　：　さあ、はじめましょう。"}};
constexpr MessageLine kCScene31[] = {{210, 700, "魔女　　：　いたっ……！　わたしに　とどくなんて。　光の矢で　おかえしよ。"}};
constexpr MessageLine kCScene32[] = {{210, 700, "魔女　　：　もう　いいわ。　あそびは　おしまい。"}};
constexpr MessageLine kCScene33[] = {{210, 700, "リシェル　　：　あなたの　矢は　もう　見えたわ。"}};
constexpr MessageLine kCScene34[] = {{210, 700, "魔女　　：　よけるのが　じょうずね。"}};
constexpr MessageLine kCScene35[] = {{210, 700, "リシェル　　：　おりてきて　戦いなさい！"}};
constexpr MessageLine kCScene36[] = {{210, 700, "魔女　　：　それなら　これは　どうかしら。"}, {275, 725, "とっておきの　まほうよ。"}};
constexpr MessageLine kCScene37[] = {{210, 700, "リシェル　　：　まほう……！？"}};
constexpr MessageLine kCScene38[] = {{210, 700, "魔女　　：　あら、まだ　立っているの。"}, {275, 725, "しぶといのね。"}};
constexpr MessageLine kCScene39[] = {{210, 700, "リシェル　　：　……あつい……　でも　まだ　立てる。"}};
constexpr MessageLine kCScene40[] = {{210, 700, "魔女　　：　いいわ。　わたしの　かわいい　しもべたちを　よんであげる。"}};
constexpr MessageLine kCScene41[] = {{210, 700, "魔女　　：　ふふ、　あなたの　あいては　あの子たちで　じゅうぶん。"}, {275, 725, "せいぜい　がんばることね。"}};
constexpr MessageLine kCScene42[] = {{210, 700, "魔女　　：　いらっしゃい、わたしの　ちいさな　子どもたち。"}};
constexpr MessageLine kCScene43[] = {{210, 700, "魔女　　：　みんな　わたしと　おなじ　顔。　かわいいでしょう？"}};
constexpr MessageLine kCScene44[] = {{210, 700, "魔女　　：　この子たちは　足場に　のって　どこへでも　とんでいくわ。"}};
constexpr MessageLine kCScene45[] = {{210, 700, "魔女　　：　さあ、おひめさまと　あそんであげなさい。"}};
constexpr MessageLine kCScene46[] = {{210, 700, "魔女　　：　あの子たちを　みんな　おとすなんて……。"}};
constexpr MessageLine kCScene47[] = {{210, 700, "リシェル　　：　もう　おしまい？　おりてきなさい！"}};
constexpr MessageLine kCScene48[] = {{210, 700, "魔女　　：　いいわ。　こんどは　わたしが　刃を　とってあげる。"}};
constexpr MessageLine kCScene49[] = {{210, 700, "魔女　　：　……わたしの　しもべが　みんな　やられる　なんて。"}};
constexpr MessageLine kCScene50[] = {{210, 700, "リシェル　　：　ここを　とおして。　女王さまに　会いに　いくの。"}};
constexpr MessageLine kCScene51[] = {{210, 700, "魔女　　：　とおさないわ。　さいごの　ひとりでも　刃は　にぶらない。"}};
constexpr MessageLine kCScene52[] = {{210, 700, "魔女　　：　……ここまで　ね。　わたしの　まけだわ。"}, {275, 725, "あなた、ほんとうに　つよいのね。"}};
constexpr MessageLine kCScene53[] = {{210, 700, "リシェル　　：　どうして　女王さまに　そこまで　つくすの？"}};
constexpr MessageLine kCScene54[] = {{210, 700, "魔女　　：　あのかたは　ひとりぼっちの　わたしを"}, {275, 725, "そばに　おいてくれた。　それだけよ。"}};
constexpr MessageLine kCScene55[] = {{210, 700, "リシェル　　：　……それなら　わたしが　たしかめてくる。"}};
constexpr MessageLine kCScene56[] = {{210, 700, "魔女　　：　ふふ……　いきなさい、おひめさま。"}, {275, 725, "扉の　むこうで　あのかたが　まっているわ。"}};
constexpr MessageLine kCLine280[] = {{210, 700, "リシェル　　：　扉が　あかない……。"}};
constexpr MessageLine kCScene1[] = {{210, 700, "リシェル　　：　……あの、すみません。"}};
constexpr MessageLine kCScene2[] = {{210, 700, "リシェル　　：　このお店の　かたですか？"}};
constexpr MessageLine kCScene3[] = {{210, 700, "リシェル　　：　聞こえてますか？"}};
constexpr MessageLine kCScene4[] = {{210, 700, "リシェル　　：　奥の扉を　あけたいんです。"}};
constexpr MessageLine kCScene5[] = {{210, 700, "リシェル　　：　かんぬきが　かかっていて……。"}};
constexpr MessageLine kCScene6[] = {{210, 700, "リシェル　　：　……こっちを　見ても　くれない。"}};
constexpr MessageLine kCScene7[] = {{210, 700, "店員　　：　いらっしゃいませ。"}};
constexpr MessageLine kCScene8[] = {{210, 700, "店員　　：　ここは　広間の　お店なの。"}};
constexpr MessageLine kCScene9[] = {{210, 700, "リシェル　　：　びっくりした……。　いつから　そこに？"}};
constexpr MessageLine kCScene10[] = {{210, 700, "店員　　：　ずっと　いたの。"}};
constexpr MessageLine kCScene11[] = {{210, 700, "店員　　：　扉は　お客さんにしか　ひらかないの。"}};
constexpr MessageLine kCScene12[] = {{210, 700, "リシェル　　：　お客さん？　つまり　なにか　かえってこと？"}};
constexpr MessageLine kCScene13[] = {{210, 700, "店員　　：　そう。　いい品が　そろってるの。"}};
constexpr MessageLine kCScene14[] = {{210, 700, "店員　　：　まずは　クリスタルを　見ていくの。"}};
constexpr MessageLine kCScene15[] = {{210, 700, "店員　　：　気にいったら　かってほしいの。"}};

// The entries count their rows from the arrays, so a line given a second
// row shows it.
template <std::size_t N>
constexpr AreaMessageEntry Line(std::int32_t value, const MessageLine (&lines)[N], bool (*gate)() = nullptr) {
    return AreaMessageEntry{&DialogueChannelsRecord::fieldLine, value, value, gate, kDialogueFont,
                            kLineHeight, kTextBlack, lines, static_cast<std::int32_t>(N)};
}
template <std::size_t N>
constexpr AreaMessageEntry SceneLine(std::int32_t value, const MessageLine (&lines)[N]) {
    return AreaMessageEntry{&DialogueChannelsRecord::finaleLine, value, value, nullptr, kDialogueFont,
                            kLineHeight, kTextBlack, lines, static_cast<std::int32_t>(N)};
}

constexpr AreaMessageEntry kEntries[] = {
    Line(101, kLine101), Line(102, kLine102), Line(103, kLine103), Line(104, kLine104),
    Line(105, kLine105), Line(106, kLine106), Line(107, kLine107),
    Line(108, kLine108, FormatTrialTime), Line(109, kLine109, FormatHitCount),
    Line(110, kLine110), Line(111, kLine111), Line(112, kLine112), Line(113, kLine113),
    Line(151, kLine151), Line(153, kLine153), Line(154, kLine154), Line(155, kLine155),
    Line(156, kLine156), Line(157, kLine157), Line(158, kLine158), Line(159, kLine159),
    Line(161, kBLine161),
    Line(162, kBLine162),
    Line(163, kBLine163),
    Line(164, kBLine164),
    Line(165, kBLine165),
    Line(166, kBLine166),
    Line(167, kBLine167),
    Line(168, kBLine168),
    Line(169, kBLine169),
    Line(170, kBLine170),
    Line(171, kBLine171),
    Line(172, kBLine172),
    Line(173, kBLine173),
    Line(174, kBLine174),
    Line(175, kBLine175),
    Line(176, kBLine176),
    Line(177, kBLine177),
    Line(178, kBLine178),
    Line(179, kBLine179),
    Line(180, kBLine180),
    Line(181, kBLine181),
    Line(182, kBLine182),
    Line(183, kBLine183),
    Line(184, kBLine184),
    Line(185, kBLine185),
    Line(186, kBLine186),
    Line(187, kBLine187),
    Line(188, kBLine188),
    Line(189, kBLine189),
    Line(190, kBLine190),
    Line(191, kCLine191),
    Line(192, kCLine192),
    Line(193, kCLine193),
    Line(194, kCLine194),
    Line(195, kCLine195),
    Line(196, kCLine196),
    Line(197, kCLine197),
    Line(198, kCLine198),
    Line(199, kCLine199),
    Line(200, kCLine200),
    Line(201, kCLine201),
    Line(202, kCLine202),
    Line(203, kCLine203),
    Line(204, kCLine204),
    Line(209, kCLine209),
    Line(210, kCLine210),
    Line(211, kCLine211),
    Line(212, kCLine212),
    Line(213, kCLine213),
    Line(214, kCLine214),
    Line(220, kCLine220),
    Line(221, kCLine221),
    Line(222, kCLine222),
    Line(223, kCLine223),
    Line(224, kCLine224),
    Line(225, kCLine225),
    Line(226, kCLine226),
    Line(227, kCLine227),
    Line(228, kCLine228),
    Line(229, kCLine229),
    Line(230, kCLine230),
    Line(231, kCLine231),
    Line(232, kCLine232),
    Line(233, kCLine233),
    Line(234, kCLine234),
    Line(235, kCLine235),
    Line(236, kCLine236),
    Line(237, kCLine237),
    Line(238, kCLine238),
    Line(239, kCLine239),
    Line(240, kCLine240),
    Line(241, kCLine241),
    Line(242, kCLine242),
    Line(243, kCLine243),
    Line(244, kCLine244),
    Line(245, kCLine245),
    Line(246, kCLine246),
    Line(247, kCLine247),
    Line(248, kCLine248),
    Line(249, kCLine249),
    Line(250, kCLine250),
    Line(251, kCLine251),
    Line(252, kCLine252),
    Line(253, kCLine253),
    Line(254, kCLine254),
    Line(255, kCLine255),
    Line(256, kCLine256),
    Line(257, kCLine257),
    Line(258, kCLine258),
    Line(259, kCLine259),
    Line(260, kCLine260),
    Line(261, kCLine261),
    Line(262, kCLine262),
    Line(263, kCLine263),
    Line(264, kCLine264),
    Line(265, kCLine265),
    Line(266, kCLine266),
    Line(267, kCLine267),
    Line(268, kCLine268),
    Line(269, kCLine269),
    Line(270, kCLine270),
    Line(271, kCLine271),
    Line(272, kCLine272),
    Line(280, kCLine280),
    SceneLine(1, kCScene1),
    SceneLine(2, kCScene2),
    SceneLine(3, kCScene3),
    SceneLine(4, kCScene4),
    SceneLine(5, kCScene5),
    SceneLine(6, kCScene6),
    SceneLine(7, kCScene7),
    SceneLine(8, kCScene8),
    SceneLine(9, kCScene9),
    SceneLine(10, kCScene10),
    SceneLine(11, kCScene11),
    SceneLine(12, kCScene12),
    SceneLine(13, kCScene13),
    SceneLine(14, kCScene14),
    SceneLine(15, kCScene15),
    SceneLine(20, kCScene20),
    SceneLine(21, kCScene21),
    SceneLine(22, kCScene22),
    SceneLine(23, kCScene23),
    SceneLine(24, kCScene24),
    SceneLine(25, kCScene25),
    SceneLine(26, kCScene26),
    SceneLine(27, kCScene27),
    SceneLine(28, kCScene28),
    SceneLine(29, kCScene29),
    SceneLine(30, kCScene30),
    SceneLine(31, kCScene31),
    SceneLine(32, kCScene32),
    SceneLine(33, kCScene33),
    SceneLine(34, kCScene34),
    SceneLine(35, kCScene35),
    SceneLine(36, kCScene36),
    SceneLine(37, kCScene37),
    SceneLine(38, kCScene38),
    SceneLine(39, kCScene39),
    SceneLine(40, kCScene40),
    SceneLine(41, kCScene41),
    SceneLine(42, kCScene42),
    SceneLine(43, kCScene43),
    SceneLine(44, kCScene44),
    SceneLine(45, kCScene45),
    SceneLine(46, kCScene46),
    SceneLine(47, kCScene47),
    SceneLine(48, kCScene48),
    SceneLine(49, kCScene49),
    SceneLine(50, kCScene50),
    SceneLine(51, kCScene51),
    SceneLine(52, kCScene52),
    SceneLine(53, kCScene53),
    SceneLine(54, kCScene54),
    SceneLine(55, kCScene55),
    SceneLine(56, kCScene56),
};

}  // namespace

const AreaMessageTable Era04EncounterMessageTable = MessageTableOf(kEntries);
