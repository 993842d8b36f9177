// The area blocks, each drawing its area's message table.
#include "text/messages/area_texts.h"

namespace {

void DrawTable(MessageBlock block) {
    const AreaMessageTable& table = AreaMessageTables[static_cast<int>(block)];
    DrawAreaMessageEntries(table.entries, table.count);
}

}  // namespace

bool RegisterMessageTable(MessageBlock block, const AreaMessageTable& table) {
    AreaMessageTables[static_cast<int>(block)] = table;
    return true;
}

void DrawEra00Texts() { DrawTable(MessageBlock::Era00); }
void DrawEra01Texts() { DrawTable(MessageBlock::Era01); }
void DrawEra02Texts() { DrawTable(MessageBlock::Era02); }
void DrawEra03Texts() {
    DrawTable(MessageBlock::Era03);
    DrawTable(MessageBlock::Era03Camp);
}
void DrawEra04Texts() {
    DrawTable(MessageBlock::Era04Stage);
    DrawTable(MessageBlock::Era04Encounter);
    DrawTable(MessageBlock::Finale);
}
