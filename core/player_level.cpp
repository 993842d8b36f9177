// Level-ups from experience and the busy flag.
#include "core/player.h"

#include "core/sound_effect.h"
#include "shell/sound_bank.h"

namespace {
constexpr std::int32_t kTopLevel = 209;
constexpr std::int32_t kExpPerLevel = 500;
constexpr std::int32_t kLevelUpSound = 10;
}  // namespace

void ApplyBusyRule() {
    const PlayerMoveStateRecord& m = PlayerMoveState;
    const bool moving = m.runSlideState >= 98 || m.walkLeft != 0 || m.walkRight != 0 ||
                        m.runX != 0 || m.runZ != 0 || m.comboS != 0 || m.jumpKind != 0;
    PlayerMoveState.busy = moving ? 1 : 0;
}

void UpdatePlayerLevel() {
    // Every level passed since the last step fires, each with its refill and
    // its sound; a maximum already above a level's value is never lowered.
    for (std::int32_t n = 1; n <= kTopLevel; ++n) {
        const std::int32_t levelHp = n * 20 + 120;
        if (PlayerState.exp >= n * kExpPerLevel && PlayerState.maxHp < levelHp) {
            PlayerState.maxHp = levelHp;
            PlayerState.hp = levelHp;
            PlaySoundEffect(kLevelUpSound, static_cast<std::int32_t>(SoundVolumes[0] * 0.6));
        }
    }
    ApplyBusyRule();
}
