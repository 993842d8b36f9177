// What the finale answers the shared services (core/area_hooks.h).
#include "areas/finale/records.h"
#include "core/area_hooks.h"

namespace {

bool AreaMusicMuted() { return FinalSectionState.musicMute == 1; }

std::int32_t EndingStage() { return FinalSectionState.endingStage; }

bool BossHoldsHerWeapon() { return BossFightState.slot6Effect != 0; }

[[maybe_unused]] const bool kHooksHandedIn = [] {
    AreaHooks.areaMusicMuted = AreaMusicMuted;
    AreaHooks.endingStage = EndingStage;
    AreaHooks.bossHoldsHerWeapon = BossHoldsHerWeapon;
    return true;
}();

}  // namespace
