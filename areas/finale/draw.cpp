// The draw pass of the final section: the boss sheet's slots while the boss
// is drawn (the debris slots only while a burst flies or the defeat's bars
// grow), each turned by its float angle.
#include "areas/finale/boss_frames.h"
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "core/pending_sprite.h"
#include "shell/draw_slots.h"
#include "shell/shell_state.h"

namespace {

constexpr GraphicSlot kBossSlots[] = {{boss_frames::kSheet, 109}};

}  // namespace

void DrawFinalBossAndEnding() {
    if (Era04AreaFlag != 1) return;
    if (FinalSectionState.bossDrawFlag == 0) return;
    for (std::int32_t n = 0; n <= 35; ++n) {
        PendingSprite.GNo = 0;
        if (n <= 15 || (n <= 34 && BossFightState.debrisFlag != 0)) SetBossSlotSprite(n);
        DrawPendingFromSlots(kBossSlots, true);
    }
}
