#include "text/messages/message_table.h"

const MessageGroup* FindMessageGroup(const MessageGroup* groups, std::size_t count, std::int32_t value) {
    for (std::size_t i = 0; i < count; ++i) {
        if (groups[i].value == value) return &groups[i];
    }
    return nullptr;
}

void DrawMessageGroup(TextHelper& helper, const MessageGroup* groups, std::size_t count,
                      std::int32_t value) {
    const MessageGroup* group = FindMessageGroup(groups, count, value);
    if (group == nullptr) return;
    for (std::int32_t i = 0; i < group->lineCount; ++i) {
        const MessageLine& line = group->lines[i];
        TextHelperLineAt(helper, line.x, line.y, line.text);
    }
}

void DrawAreaMessageEntries(const AreaMessageEntry* entries, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const AreaMessageEntry& e = entries[i];
        const std::int32_t value = DialogueChannels.*(e.channel);
        if (value == 0 || value < e.from || value > e.to) continue;
        if (e.gate != nullptr && !e.gate()) continue;
        TextHelper helper;
        TextHelperInit(helper, e.font, e.lineHeight);
        TextHelperSetColor(helper, e.colour);
        for (std::int32_t k = 0; k < e.lineCount; ++k) {
            TextHelperLineAt(helper, e.lines[k].x, e.lines[k].y, e.lines[k].text);
        }
        if (e.print != nullptr) e.print(helper);
    }
}
