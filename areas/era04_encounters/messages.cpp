// The lines of the Era04 encounters on the field-and-fight word: encounter
// A's figure in the trap room. Two of its lines name the trial's time and
// strike count, formatted when they are shown.
#include <cstdio>

#include "areas/era04_encounters/records.h"
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
constexpr MessageLine kLine102[] = {{210, 700, "リナ　　：　しゃべった！？　あなた、からくり人形なの？"}};
constexpr MessageLine kLine103[] = {{210, 700, "機兵　　：　わたしは　この部屋の番人。　力を　ためさせてもらう。"}};
constexpr MessageLine kLine104[] = {{210, 700, "リナ　　：　ためすって　どうやって？"}, {266, 725, "戦わなくて　すむなら　そのほうが　いいけれど。"}};
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
constexpr MessageLine kLine155[] = {{210, 700, "リナ　　：　もう　やめましょう。　あなたの　負けよ。"}};
constexpr MessageLine kLine156[] = {{210, 700, "機兵　　：　番人は　負けては　ならぬ。　最後の　ちからを　使う。"}};
constexpr MessageLine kLine157[] = {{210, 700, "機兵　　：　光よ、この部屋ごと　はらえ……！"}};
constexpr MessageLine kLine158[] = {{210, 700, "機兵　　：　……とどかぬ、か。　わたしの　つとめも　ここまで。"}};
constexpr MessageLine kLine159[] = {{210, 700, "機兵　　：　扉は　ひらいた。　行け、姫よ……。"}};

constexpr AreaMessageEntry Line(std::int32_t value, const MessageLine* lines, std::int32_t count,
                                bool (*gate)() = nullptr) {
    return AreaMessageEntry{&DialogueChannelsRecord::fieldLine, value, value, gate, kDialogueFont,
                            kLineHeight, kTextBlack, lines, count};
}

constexpr AreaMessageEntry kEntries[] = {
    Line(101, kLine101, 1), Line(102, kLine102, 1), Line(103, kLine103, 1), Line(104, kLine104, 2),
    Line(105, kLine105, 1), Line(106, kLine106, 1), Line(107, kLine107, 1),
    Line(108, kLine108, 1, FormatTrialTime), Line(109, kLine109, 1, FormatHitCount),
    Line(110, kLine110, 1), Line(111, kLine111, 1), Line(112, kLine112, 1), Line(113, kLine113, 1),
    Line(151, kLine151, 1), Line(153, kLine153, 1), Line(154, kLine154, 1), Line(155, kLine155, 1),
    Line(156, kLine156, 1), Line(157, kLine157, 1), Line(158, kLine158, 1), Line(159, kLine159, 1),
};

}  // namespace

const AreaMessageTable Era04EncounterMessageTable = MessageTableOf(kEntries);
