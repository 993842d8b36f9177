// The lines of the home area: the opening in front of the house, the fight
// with the intruder who comes for the pet, the way out through the gate, and
// the narrator's remarks on the things of the house. Every line sits in the
// dialogue box: font 6, black, the first line at (210, 700), a second one at
// (265, 725).
#include <iterator>

#include "areas/message_tables.h"
#include "core/player.h"
#include "text/messages/area_texts.h"

namespace {

constexpr MessageLine kPrompt1[] = {
    {210, 700, "リシェルの声：　ただいまー！　モモー、いい子にしてたー？"},
};
constexpr MessageLine kPrompt2[] = {
    {210, 700, "リシェル　　：　あれ？　モモ、どうしたの？　ぶるぶる　ふるえてる。"},
};
constexpr MessageLine kPrompt3[] = {
    {210, 700, "リシェル　　：　だれか　そこに　いるの？"},
};
constexpr MessageLine kPrompt4[] = {
    {210, 700, "リシェル　　：　はい、モモ、ボールよ。　しっかり　もってるのよ。"},
};
constexpr MessageLine kPrompt5[] = {
    {210, 700, "リシェル　　：　な、なに　あれ・・・！？"},
};
constexpr MessageLine kPrompt6[] = {
    {210, 700, "？？？：　ふふふ・・・　その子は　いただいていくわ。"},
};
constexpr MessageLine kPrompt7[] = {
    {210, 700, "リシェル　　：　だれ！？　モモに　手を出さないで！"},
};
constexpr MessageLine kPrompt8[] = {
    {210, 700, "カーラ：　あたしは　カーラ。　その子が　どうしても　ほしいのよ。"},
};
constexpr MessageLine kPrompt9[] = {
    {210, 700, "リシェル　　：　モモは　わたしの　大切な　家族なの！　わたさないわ！"},
};
constexpr MessageLine kPrompt10[] = {
    {210, 700, "カーラ：　だったら　力ずくで　いただくまでよ！"},
};
constexpr MessageLine kPrompt11[] = {
    {210, 700, "リシェル　　：　のぞむところよ！"},
    {265, 725, "ﾅﾚｰﾀ　：　姫様、気をつけて！"},
};
constexpr MessageLine kPrompt13[] = {
    {210, 700, "カーラ：　でも　おあそびは　ここまで。　その子は　もう　いただいたわ！"},
};
constexpr MessageLine kPrompt14[] = {
    {210, 700, "リシェル　　：　あつっ！！　ひばなが　はじけて　ちかづけない！"},
};
constexpr MessageLine kPrompt15[] = {
    {210, 700, "リシェル　　：　これが　外への　門・・・　ふしぎな　光が　ゆれてる。"},
};
constexpr MessageLine kPrompt16[] = {
    {210, 700, "リシェル　　：　モモ、まっててね。　かならず　たすけに　いくから！"},
};
constexpr MessageLine kPrompt17[] = {
    {210, 700, "リシェル　　：　よし、門の　まえまで　すすもう。"},
};
constexpr MessageLine kPrompt18[] = {
    {210, 700, "リシェル　　：　いくわよ・・・　あの　光の　中へ　とびこむわ！"},
};
constexpr MessageLine kPrompt30[] = {
    {210, 700, "ﾅﾚｰﾀ　：　ここは　クィルマーチの　はずれにある　小さなお屋敷。"},
};
constexpr MessageLine kPrompt31[] = {
    {210, 700, "ﾅﾚｰﾀ　：　お屋敷には　ひとりの　お姫様が　住んでいました。"},
};
constexpr MessageLine kPrompt32[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様の　いちばんの　お友だちは、"},
    {265, 725, "まるくて　ちいさな　ペットの　モモです。"},
};
constexpr MessageLine kPrompt33[] = {
    {210, 700, "ﾅﾚｰﾀ　：　モモは　今日も　ボールあそびに　むちゅうです。"},
    {265, 725, "ころころ、ぽーん！　ころころ、ぽーん！"},
};
constexpr MessageLine kPrompt34[] = {
    {210, 700, "ﾅﾚｰﾀ　：　そこへ、おさんぽから　姫様が"},
    {265, 725, "かえってきたようです。"},
};
constexpr MessageLine kPrompt35[] = {
    {210, 700, "ﾅﾚｰﾀ　：　おや？　モモが　ボールを　ぽーんと　けりあげて・・・"},
};
constexpr MessageLine kPrompt36[] = {
    {210, 700, "ﾅﾚｰﾀ　：　なにやら　ようすが　へんですよ。"},
};
constexpr MessageLine kPrompt37[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様、おかえりなさいませ。"},
};
constexpr MessageLine kPrompt38[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様!! Ｓボタンを押して　キックです！！"},
};
constexpr MessageLine kPrompt39[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様、ちかすぎます！　すこし　はなれて！"},
};
constexpr MessageLine kPrompt40[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様、とおすぎます！　もっと　ちかづいて！"},
};
constexpr MessageLine kPrompt41[] = {
    {210, 700, "ﾅﾚｰﾀ　：　いまです！　キックを　あびせて！"},
};
constexpr MessageLine kPrompt42[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様、モモが　手下に　つかまって　います！　カーラの　しわざです！"},
};
constexpr MessageLine kPrompt43[] = {
    {210, 700, "ﾅﾚｰﾀ　：　おみごと！　そのちょうしです！"},
};
constexpr MessageLine kPrompt44[] = {
    {210, 700, "リシェル　　：　まけないんだから！"},
};
constexpr MessageLine kPrompt45[] = {
    {210, 700, "ﾅﾚｰﾀ　：　右へ　すすんで、カーラの　手下を　おいかえしましょう！"},
};
constexpr MessageLine kPrompt46[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様！　Ｘキーで　ダッシュです！　おいかけて！"},
};
constexpr MessageLine kPrompt47[] = {
    {210, 700, "リシェル　　：　わかったわ！"},
};
constexpr MessageLine kPrompt48[] = {
    {210, 700, "リシェル　　：　・・・いっちゃった。　モモ・・・"},
};
constexpr MessageLine kPrompt49[] = {
    {210, 700, "ﾅﾚｰﾀ　：　カーラは　右の　ほうへ　にげていったようです。"},
};
constexpr MessageLine kPrompt50[] = {
    {210, 700, "リシェル　　：　"},
};
constexpr MessageLine kPrompt12Taunt[] = {
    {210, 700, "カーラ：　あら、もう　ふらふらじゃない。　お姫様は　よわいのね！"},
};
constexpr MessageLine kPrompt12Grudge[] = {
    {210, 700, "カーラ：　くっ・・・　なかなか　やるじゃない。"},
};
constexpr MessageLine kStory6[] = {
    {210, 700, "ﾅﾚｰﾀ　：　お屋敷の　中は　あたたかくて　ほっとします。"},
};
constexpr MessageLine kStory7[] = {
    {210, 700, "ﾅﾚｰﾀ　：　きれいに　手入れされた　花だんです。"},
};
constexpr MessageLine kStory8[] = {
    {210, 700, "ﾅﾚｰﾀ　：　モモの　ごはん　ざらです。　ぴかぴかに　なめてあります。"},
};
constexpr MessageLine kStory9[] = {
    {210, 700, "ﾅﾚｰﾀ　：　古い　井戸です。　のぞきこむと　ひんやりします。"},
};
constexpr MessageLine kStory10[] = {
    {210, 700, "ﾅﾚｰﾀ　：　まきが　きちんと　つまれています。"},
};
constexpr MessageLine kStory11[] = {
    {210, 700, "ﾅﾚｰﾀ　：　物干しざおに　姫様の　おせんたくものが　ゆれています。"},
};
constexpr MessageLine kStory12[] = {
    {210, 700, "ﾅﾚｰﾀ　：　ここは　お屋敷の　いちばん　はしっこです。"},
};
constexpr MessageLine kStory13[] = {
    {210, 700, "ﾅﾚｰﾀ　：　ここは　お屋敷の　いちばん　はしっこです。"},
    {265, 725, "この先へは　いけません。"},
};
constexpr MessageLine kStory14[] = {
    {210, 700, "ﾅﾚｰﾀ　：　村へ　つづく　ふるい　石だたみです。"},
};
constexpr MessageLine kStory15[] = {
    {210, 700, "ﾅﾚｰﾀ　：　村へ　つづく　ふるい　石だたみです。"},
    {265, 725, "カーラの　足あとが　のこっています。"},
};
constexpr MessageLine kStory16[] = {
    {210, 700, "ﾅﾚｰﾀ　：　小さな　ほこらです。"},
};
constexpr MessageLine kStory17[] = {
    {210, 700, "ﾅﾚｰﾀ　：　姫様は　そっと　手を　あわせました。"},
};
constexpr MessageLine kStory18[] = {
    {210, 700, "ﾅﾚｰﾀ　：　門の　そばの　ランプが　あかるく　ともっています。"},
    {265, 725, "ランプのそばなら、保存できます。"},
};
constexpr MessageLine kStory19[] = {
    {210, 700, "ﾅﾚｰﾀ　：　Ｆ２　ボタンでステータス画面に切り替わります。"},
    {265, 725, "もとの画面にもどるときも、Ｆ２　をおして下さい。"},
};

// The intruder's word after the fight depends on how the heroine stands it.
bool HeroineWorn() { return PlayerState.hp < 30; }
bool HeroineFresh() { return PlayerState.hp >= 30; }

constexpr AreaMessageEntry kEntries[] = {
    {&DialogueChannelsRecord::promptLine, 1, 1, nullptr, 6, 80, kTextBlack, kPrompt1, std::size(kPrompt1)},
    {&DialogueChannelsRecord::promptLine, 2, 2, nullptr, 6, 80, kTextBlack, kPrompt2, std::size(kPrompt2)},
    {&DialogueChannelsRecord::promptLine, 3, 3, nullptr, 6, 80, kTextBlack, kPrompt3, std::size(kPrompt3)},
    {&DialogueChannelsRecord::promptLine, 4, 4, nullptr, 6, 80, kTextBlack, kPrompt4, std::size(kPrompt4)},
    {&DialogueChannelsRecord::promptLine, 5, 5, nullptr, 6, 80, kTextBlack, kPrompt5, std::size(kPrompt5)},
    {&DialogueChannelsRecord::promptLine, 6, 6, nullptr, 6, 80, kTextBlack, kPrompt6, std::size(kPrompt6)},
    {&DialogueChannelsRecord::promptLine, 7, 7, nullptr, 6, 80, kTextBlack, kPrompt7, std::size(kPrompt7)},
    {&DialogueChannelsRecord::promptLine, 8, 8, nullptr, 6, 80, kTextBlack, kPrompt8, std::size(kPrompt8)},
    {&DialogueChannelsRecord::promptLine, 9, 9, nullptr, 6, 80, kTextBlack, kPrompt9, std::size(kPrompt9)},
    {&DialogueChannelsRecord::promptLine, 10, 10, nullptr, 6, 80, kTextBlack, kPrompt10, std::size(kPrompt10)},
    {&DialogueChannelsRecord::promptLine, 11, 11, nullptr, 6, 80, kTextBlack, kPrompt11, std::size(kPrompt11)},
    {&DialogueChannelsRecord::promptLine, 12, 12, HeroineWorn, 6, 80, kTextBlack, kPrompt12Taunt, std::size(kPrompt12Taunt)},
    {&DialogueChannelsRecord::promptLine, 12, 12, HeroineFresh, 6, 80, kTextBlack, kPrompt12Grudge, std::size(kPrompt12Grudge)},
    {&DialogueChannelsRecord::promptLine, 13, 13, nullptr, 6, 80, kTextBlack, kPrompt13, std::size(kPrompt13)},
    {&DialogueChannelsRecord::promptLine, 14, 14, nullptr, 6, 80, kTextBlack, kPrompt14, std::size(kPrompt14)},
    {&DialogueChannelsRecord::promptLine, 15, 15, nullptr, 6, 80, kTextBlack, kPrompt15, std::size(kPrompt15)},
    {&DialogueChannelsRecord::promptLine, 16, 16, nullptr, 6, 80, kTextBlack, kPrompt16, std::size(kPrompt16)},
    {&DialogueChannelsRecord::promptLine, 17, 17, nullptr, 6, 80, kTextBlack, kPrompt17, std::size(kPrompt17)},
    {&DialogueChannelsRecord::promptLine, 18, 18, nullptr, 6, 80, kTextBlack, kPrompt18, std::size(kPrompt18)},
    {&DialogueChannelsRecord::promptLine, 30, 30, nullptr, 6, 80, kTextBlack, kPrompt30, std::size(kPrompt30)},
    {&DialogueChannelsRecord::promptLine, 31, 31, nullptr, 6, 80, kTextBlack, kPrompt31, std::size(kPrompt31)},
    {&DialogueChannelsRecord::promptLine, 32, 32, nullptr, 6, 80, kTextBlack, kPrompt32, std::size(kPrompt32)},
    {&DialogueChannelsRecord::promptLine, 33, 33, nullptr, 6, 80, kTextBlack, kPrompt33, std::size(kPrompt33)},
    {&DialogueChannelsRecord::promptLine, 34, 34, nullptr, 6, 80, kTextBlack, kPrompt34, std::size(kPrompt34)},
    {&DialogueChannelsRecord::promptLine, 35, 35, nullptr, 6, 80, kTextBlack, kPrompt35, std::size(kPrompt35)},
    {&DialogueChannelsRecord::promptLine, 36, 36, nullptr, 6, 80, kTextBlack, kPrompt36, std::size(kPrompt36)},
    {&DialogueChannelsRecord::promptLine, 37, 37, nullptr, 6, 80, kTextBlack, kPrompt37, std::size(kPrompt37)},
    {&DialogueChannelsRecord::promptLine, 38, 38, nullptr, 6, 80, kTextBlack, kPrompt38, std::size(kPrompt38)},
    {&DialogueChannelsRecord::promptLine, 39, 39, nullptr, 6, 80, kTextBlack, kPrompt39, std::size(kPrompt39)},
    {&DialogueChannelsRecord::promptLine, 40, 40, nullptr, 6, 80, kTextBlack, kPrompt40, std::size(kPrompt40)},
    {&DialogueChannelsRecord::promptLine, 41, 41, nullptr, 6, 80, kTextBlack, kPrompt41, std::size(kPrompt41)},
    {&DialogueChannelsRecord::promptLine, 42, 42, nullptr, 6, 80, kTextBlack, kPrompt42, std::size(kPrompt42)},
    {&DialogueChannelsRecord::promptLine, 43, 43, nullptr, 6, 80, kTextBlack, kPrompt43, std::size(kPrompt43)},
    {&DialogueChannelsRecord::promptLine, 44, 44, nullptr, 6, 80, kTextBlack, kPrompt44, std::size(kPrompt44)},
    {&DialogueChannelsRecord::promptLine, 45, 45, nullptr, 6, 80, kTextBlack, kPrompt45, std::size(kPrompt45)},
    {&DialogueChannelsRecord::promptLine, 46, 46, nullptr, 6, 80, kTextBlack, kPrompt46, std::size(kPrompt46)},
    {&DialogueChannelsRecord::promptLine, 47, 47, nullptr, 6, 80, kTextBlack, kPrompt47, std::size(kPrompt47)},
    {&DialogueChannelsRecord::promptLine, 48, 48, nullptr, 6, 80, kTextBlack, kPrompt48, std::size(kPrompt48)},
    {&DialogueChannelsRecord::promptLine, 49, 49, nullptr, 6, 80, kTextBlack, kPrompt49, std::size(kPrompt49)},
    {&DialogueChannelsRecord::promptLine, 50, 50, nullptr, 6, 80, kTextBlack, kPrompt50, std::size(kPrompt50)},
    {&DialogueChannelsRecord::storyLine, 6, 6, nullptr, 6, 80, kTextBlack, kStory6, std::size(kStory6)},
    {&DialogueChannelsRecord::storyLine, 7, 7, nullptr, 6, 80, kTextBlack, kStory7, std::size(kStory7)},
    {&DialogueChannelsRecord::storyLine, 8, 8, nullptr, 6, 80, kTextBlack, kStory8, std::size(kStory8)},
    {&DialogueChannelsRecord::storyLine, 9, 9, nullptr, 6, 80, kTextBlack, kStory9, std::size(kStory9)},
    {&DialogueChannelsRecord::storyLine, 10, 10, nullptr, 6, 80, kTextBlack, kStory10, std::size(kStory10)},
    {&DialogueChannelsRecord::storyLine, 11, 11, nullptr, 6, 80, kTextBlack, kStory11, std::size(kStory11)},
    {&DialogueChannelsRecord::storyLine, 12, 12, nullptr, 6, 80, kTextBlack, kStory12, std::size(kStory12)},
    {&DialogueChannelsRecord::storyLine, 13, 13, nullptr, 6, 80, kTextBlack, kStory13, std::size(kStory13)},
    {&DialogueChannelsRecord::storyLine, 14, 14, nullptr, 6, 80, kTextBlack, kStory14, std::size(kStory14)},
    {&DialogueChannelsRecord::storyLine, 15, 15, nullptr, 6, 80, kTextBlack, kStory15, std::size(kStory15)},
    {&DialogueChannelsRecord::storyLine, 16, 16, nullptr, 6, 80, kTextBlack, kStory16, std::size(kStory16)},
    {&DialogueChannelsRecord::storyLine, 17, 17, nullptr, 6, 80, kTextBlack, kStory17, std::size(kStory17)},
    {&DialogueChannelsRecord::storyLine, 18, 18, nullptr, 6, 80, kTextBlack, kStory18, std::size(kStory18)},
    {&DialogueChannelsRecord::storyLine, 19, 19, nullptr, 6, 80, kTextBlack, kStory19, std::size(kStory19)},
};

}  // namespace

const AreaMessageTable Era00MessageTable = MessageTableOf(kEntries);
