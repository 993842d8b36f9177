// The staff roll: every line is drawn each frame against the roll offset;
// lines off the screen are drawn all the same and simply not seen.
#include "text/staff_roll.h"

#include "text/messages/staff_roll_lines.h"
#include "text/text_pass.h"
#include "text/text_state.h"

std::int32_t StaffRollLineY(std::int32_t k, std::int32_t rollOffset) {
    const std::int32_t y = rollOffset + 30 * k;
    if (k == kRollClosingK && y < kRollClosingMinY) return kRollClosingMinY;
    return y;
}

void DrawStaffRoll() {
    TextHelper helper;
    TextHelperInit(helper, 6, 20);
    TextHelperSetColor(helper, kTextYellow);
    for (const RollLine& line : kRollLines) {
        TextHelperLineAt(helper, line.baseX + line.offset, StaffRollLineY(line.k, CreditsRoll), line.text);
    }
    TextHelperLineAt(helper, kRollMakerBase + kRollClosingOffset, StaffRollLineY(kRollClosingK, CreditsRoll),
                     kRollClosingLine);
}
