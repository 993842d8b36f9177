// What the home area and the field hand the layers below: their answers to
// the shared services and the menus (core/area_hooks.h), and their message
// tables for the text pass.
#include "areas/era00_era01/records.h"
#include "areas/message_tables.h"
#include "core/area_hooks.h"
#include "core/floors.h"
#include "core/player.h"

namespace {

bool AttacksHeld() { return Era01TerrainState.pitFallStartY != 0; }

bool MovingJumpsBarred() { return Era01TerrainState.lowerRoute == 1 && PlayerState.x >= Era01Anchor20 + 400; }

AreaPoint FlyingEnemyShot(std::int32_t n) {
    const FlyingEnemyRecord& e = FlyingEnemyRecords[n - 1];
    return {e.projectileX, e.projectileY};
}

// The way back used during the errand's first part moves the field on.
void ReturnItemUsed() {
    if (Era01Progress == 1) Era01Progress = 2;
}

void HideStagePieces() {
    for (std::int32_t& flag : WalkingEnemyDrawFlags) flag = 0;
}

[[maybe_unused]] const bool kHooksHandedIn = [] {
    AreaHooks.attacksHeld = AttacksHeld;
    AreaHooks.movingJumpsBarred = MovingJumpsBarred;
    AreaHooks.flyingEnemyShot = FlyingEnemyShot;
    AreaHooks.returnItemUsed = ReturnItemUsed;
    AreaHooks.hideStagePieces = HideStagePieces;
    RegisterMessageTable(MessageBlock::Era00, Era00MessageTable);
    RegisterMessageTable(MessageBlock::Era01, Era01MessageTable);
    return true;
}();

}  // namespace
