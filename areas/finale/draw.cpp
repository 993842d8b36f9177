// The draw pass of the final section: the boss sheet's slots while the boss
// is drawn (the debris slots only while a burst flies or the defeat's bars
// grow), then the ending sheet's slots and the shatter cloud, each turned by
// its float angle.
#include "areas/finale/boss_frames.h"
#include "areas/finale/calls.h"
#include "areas/finale/ending_frames.h"
#include "areas/finale/records.h"
#include "core/area_flags.h"
#include "core/pending_sprite.h"
#include "core/sprite_draw.h"

namespace {

constexpr GraphicSlot kBossSlots[] = {{boss_frames::kSheet, 109}};
constexpr GraphicSlot kEndingSlots[] = {{ending_frames::kSheet, 110}};

}  // namespace

void DrawFinalBossAndEnding() {
    if (Era04AreaFlag != 1) return;
    if (FinalSectionState.bossDrawFlag != 0) {
        for (std::int32_t n = 0; n <= 35; ++n) {
            PendingSprite.gno = 0;
            if (n <= 15 || (n <= 34 && BossFightState.debrisFlag != 0)) SetBossSlotSprite(n);
            DrawPendingFromSlots(kBossSlots, true);
        }
    }
    if (FinalSectionState.renderMode == 2) {
        for (std::int32_t n = 0; n < kFinalActorSlots; ++n) {
            PendingSprite.gno = 0;
            if (FinalActorSlots.frame[n] == 0) continue;
            SetEndingSlotSprite(n);
            DrawPendingFromSlots(kEndingSlots, true);
        }
    }
    if (FinalSectionState.shatterActive == 1) {
        for (std::int32_t s = 1; s < kShatterShapes; ++s)
            for (std::int32_t p = 1; p < kShatterPoints; ++p) {
                PendingSprite.gno = 0;
                if (ShatterEffect.state[s][p] == 0) continue;
                SetShatterPointSprite(s, p);
                DrawPendingFromSlots(kEndingSlots, true);
            }
    }
}
