// Start values of the area's words, written by every data reset.
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "core/pending_sprite.h"

void ResetFinaleArea() {
    FinalSectionState = FinalSectionStateRecord{};
    BossFightState = BossFightStateRecord{};
    FinalActorSlots = FinalActorSlotsRecord{};
    for (std::uint32_t& w : BossReactionWords) w = 0;
    BossMusicFlag = 0;
    PendingSprite.FloatAngle = 0.0f;
}
