// Start values of the area's words, written by every data reset.
#include "areas/finale/boss.h"
#include "areas/finale/calls.h"
#include "areas/finale/records.h"
#include "core/pending_sprite.h"

void ResetFinaleArea() {
    FinalSectionState = FinalSectionStateRecord{};
    BossFightState = BossFightStateRecord{};
    FinalActorSlots = FinalActorSlotsRecord{};
    for (std::uint32_t& w : BossReactionWords) w = 0;
    BossMusicFlag = 0;
    PendingSprite.floatAngle = 0.0f;
    // The cloud's state and positions; its other words are rewritten by every start.
    for (int s = 0; s < kShatterShapes; ++s)
        for (int p = 0; p < kShatterPoints; ++p) {
            ShatterEffect.state[s][p] = 0;
            ShatterEffect.x[s][p] = 0;
            ShatterEffect.y[s][p] = 0;
        }
    ResetFinalScriptWords();
    ResetFinalBackdropWords();
    ResetPreFightSceneWords();
    ResetBossEntranceWords();
    ResetBossFightWords();
    ResetBossPatternWords();
    ResetBossHitWords();
    ResetBossMovementWords();
    ResetBossSlashWords();
    ResetBossDashWords();
    ResetBossPhaseChangeWords();
    ResetBossDefeatWords();
    ResetEndingSceneWords();
    ResetEndingFigureWords();
    ResetShatterWords();
    ResetBossEffectWords();
}
