// Start values of the area's words, written by every data reset.
#include "areas/era03/calls.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/sprites/sprites.h"

void ResetEra03Area() {
    // Routines that keep step words of their own are armed first.
    RunEra03NpcScene(0);

    // The extra lines, once heard, stay heard: that flag comes only from
    // the save data.
    const std::int32_t extraLinesHeard = Era03NpcScene.extraLinesHeard;
    Era03NpcScene = Era03NpcSceneRecord{};
    Era03NpcScene.extraLinesHeard = extraLinesHeard;
    Era03NpcSceneDraw = Era03NpcSceneDrawRecord{};
    SceneTint = 0xFFFFFFFFu;
    Era03Fighter = Era03FighterRecord{};
    Era03Duel = Era03DuelRecord{};
    Era03Duel.x = Era03Anchor(4);   // 56800
    Era03CreatureOnceFlag = 0;
    Era03ArenaEncounter = Era03ArenaEncounterRecord{};
    Era03ArenaHazardPost = Era03ArenaHazardPostRecord{};
    Era03ArenaBullets = Era03ArenaBulletTable{};
    Era03ArenaBoss1 = Era03ArenaBoss1Record{};
    Era03ArenaBoss1Shot = Era03ArenaBoss1ShotRecord{};
    Era03ArenaEnemy2 = Era03ArenaEnemy2Record{};
    Era03ArenaEnemy2HeldPlayer = Era03ArenaEnemy2HeldPlayerRecord{};
    Era03ArenaEnemy3 = Era03ArenaEnemy3Record{};
    Era03ArenaEnemy3Flash = Era03ArenaEnemy3FlashRecord{};
    Era03ArenaTimedEffect = Era03ArenaTimedEffectRecord{};
    Era03ArenaCaptureOrb = Era03ArenaCaptureOrbRecord{};
}
