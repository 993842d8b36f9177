// Weak stand-ins for the menu side's sprite setups that the draw passes
// call; the menu's own definitions replace them at link time. Each draws
// nothing.
#include <cstdint>

#include "core/pending_sprite.h"
#include "text/menu.h"

#define QM_WEAK __attribute__((weak))

QM_WEAK void SetMenuElementSprite(std::int32_t) { PendingSprite.GNo = 0; }
QM_WEAK void SetMenuSprite(std::int32_t) {
    PendingSprite.GNo = 0;
    PendingSpriteHitBox = {};
}
QM_WEAK void SetTitleFigureSprite(std::int32_t) { PendingSprite.GNo = 0; }
