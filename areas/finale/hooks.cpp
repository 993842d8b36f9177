// What the finale hands the layers below: its answers to the shared services
// (core/area_hooks.h) and its message table for the text pass.
#include "areas/finale/records.h"
#include "areas/message_tables.h"
#include "core/area_hooks.h"

namespace {

bool AreaMusicMuted() { return FinalSectionState.musicMute == 1; }

std::int32_t EndingStage() { return FinalSectionState.endingStage; }

bool BossHoldsHerWeapon() { return BossFightState.slot6Effect != 0; }

[[maybe_unused]] const bool kHooksHandedIn = [] {
    AreaHooks.areaMusicMuted = AreaMusicMuted;
    AreaHooks.endingStage = EndingStage;
    AreaHooks.bossHoldsHerWeapon = BossHoldsHerWeapon;
    RegisterMessageTable(MessageBlock::Finale, FinaleMessageTable);
    return true;
}();

}  // namespace
