// The lines of Era03: every message its scenes show, by channel and value.
#include "text/messages/area_texts.h"

namespace {

constexpr AreaMessageEntry kEra03Entries[] = {
    {&DialogueChannelsRecord::eventLine, 13, 13, nullptr, 6, 80, TextColour{}, nullptr, 0},
};

}  // namespace

const AreaMessageTable Era03MessageTable = MessageTableOf(kEra03Entries);
