// The lines of the field. So far: the heroine's first words as she lands
// in the field through the gate (font 6, black, at (210, 700)).
#include <iterator>

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

constexpr AreaMessageEntry kEntries[] = {
    {&DialogueChannelsRecord::promptLine, 19, 19, nullptr, 6, 80, kTextBlack, kArrival19, std::size(kArrival19)},
    {&DialogueChannelsRecord::promptLine, 20, 20, nullptr, 6, 80, kTextBlack, kArrival20, std::size(kArrival20)},
    {&DialogueChannelsRecord::promptLine, 21, 21, nullptr, 6, 80, kTextBlack, kArrival21, std::size(kArrival21)},
    {&DialogueChannelsRecord::promptLine, 22, 22, nullptr, 6, 80, kTextBlack, kArrival22, std::size(kArrival22)},
    {&DialogueChannelsRecord::promptLine, 23, 23, nullptr, 6, 80, kTextBlack, kArrival23, std::size(kArrival23)},
};

}  // namespace

const AreaMessageTable Era01MessageTable = MessageTableOf(kEntries);
