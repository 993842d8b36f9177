// Stand-ins for what the stage step calls of neighbouring routines that may
// not be built yet: each does the least the step needs. The owners' real
// definitions replace these at link time.
#include <cstdint>

#include "core/bursts.h"
#include "core/combos.h"
#include "core/hud.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/save_spots.h"
#include "shell/graphics.h"
#include "shell/shell_state.h"

#define QM_WEAK __attribute__((weak))

QM_WEAK void UpdateLowHpWarning() {}
QM_WEAK void ApplyHurtPose() {}
QM_WEAK void UpdateSaveSpotMarker() {}
QM_WEAK void UpdatePickups() {}
QM_WEAK void UpdateBursts() {}
QM_WEAK void UpdateFlashEffects() {}
// Without the attack machines an attack ends as soon as it starts, so the
// heroine is never left busy by a word nobody clears.
QM_WEAK void UpdateAttackCombos() {
    PlayerMoveStateRecord& m = PlayerMoveState;
    m.comboS = m.comboD = m.comboF = m.comboG = m.comboQ = 0;
}
QM_WEAK void WriteTraceLog(int) {}
QM_WEAK void FreeGraphic(std::int32_t) {}
