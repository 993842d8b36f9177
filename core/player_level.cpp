// Level-ups from experience and the busy flag.
#include "core/player.h"

#include "core/sound_effect.h"

namespace {
constexpr std::int32_t kTopLevel = 209;
constexpr std::int32_t kExpPerLevel = 500;
constexpr std::int32_t kLevelUpSound = 10;
}  // namespace

void LowerHeroineHp(std::int32_t damage) {
    const std::int32_t left = PlayerState.hp - damage;
    PlayerState.hp = left > 0 ? left : 0;
}

void ApplyBusyRule() {
    const PlayerMoveStateRecord& m = PlayerMoveState;
    const bool moving = m.runSlideState >= 98 || m.walkLeft != 0 || m.walkRight != 0 ||
                        m.runX != 0 || m.runZ != 0 || m.comboS != 0 || m.jumpKind != 0;
    PlayerMoveState.busy = moving ? 1 : 0;
}

void UpdatePlayerLevel() {
    // Every level passed since the last step fires in order, each with its
    // refill and its sound; a maximum already at or above a level's value is
    // never lowered. Only levels from the first one worth more than the
    // current maximum up to the one the experience has reached can fire.
    std::int32_t reached = PlayerState.exp / kExpPerLevel;
    if (reached > kTopLevel) reached = kTopLevel;
    std::int32_t first = 1;
    if (PlayerState.maxHp >= 120) first = (PlayerState.maxHp - 120) / 20 + 1;
    for (std::int32_t n = first; n <= reached; ++n) {
        const std::int32_t levelHp = n * 20 + 120;
        if (PlayerState.maxHp < levelHp) {
            PlayerState.maxHp = levelHp;
            PlayerState.hp = levelHp;
            PlaySoundEffect(kLevelUpSound, static_cast<std::int32_t>(SoundVolumes[0] * 0.6));
        }
    }
    ApplyBusyRule();
}
