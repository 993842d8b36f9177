// Start values of the area's words, written by every data reset.
#include "areas/era03/arena.h"
#include "areas/era03/calls.h"
#include "areas/era03/field.h"
#include "areas/era03/npc_scene.h"
#include "areas/era03/records.h"
#include "core/floors.h"
#include "core/sprites/sprites.h"

void ResetEra03Area() {
    // Routines that keep step words of their own are armed first.
    RunEra03NpcScene(0);
    // A new game or a load meets the objects, the talk and the duel afresh.
    ResetEra03PlacedObjectSteps();
    ResetEra03DuelSteps();
    ResetEra03FighterSteps();
    ResetEra03CreatureSteps();
    ResetEra03ArenaBoss1Words();
    ResetEra03ArenaBoss1HitWords();
    ResetEra03ArenaEndingWords();
    ResetEra03ArenaEnemy2Words();
    ResetEra03ArenaEnemy2EndWords();
    ResetEra03ArenaEnemy2HitWords();
    ResetEra03ArenaEnemy3Words();
    ResetEra03ArenaEnemy3AttackWords();
    ResetEra03ArenaEnemy3OrbWords();
    ResetEra03ArenaEnemy3SceneWords();
    ResetEra03ArenaHazardWords();
    ResetEra03ArenaIntroWords();
    ResetEra03FieldDrawWords();

    // The extra lines, once heard, stay heard within a game: a load brings
    // the flag back from the save data, and a new game hears them again.
    Era03NpcScene = Era03NpcSceneRecord{};
    Era03NpcScript = Era03NpcScriptRecord{};
    Era03NpcSceneDraw = Era03NpcSceneDrawRecord{};
    Era03NpcCatcher = Era03NpcCatcherRecord{};
    for (Era03CatchObjectRecord& o : Era03CatchObjects) o = Era03CatchObjectRecord{};
    Era03NpcTalk = Era03NpcTalkRecord{};
    SceneTint = 0xFFFFFFFFu;
    Era03Fighter = Era03FighterRecord{};
    Era03Duel = Era03DuelRecord{};
    Era03Duel.x = Era03Anchor(4);   // 56800
    Era03CreatureOnceFlag = 0;
    Era03CreatureParts = Era03CreaturePartsRecord{};
    Era03CreatureShots = Era03CreatureShotTable{};
    Era03PlacedObjects = Era03PlacedObjectTable{};
    DebrisBurst = DebrisBurstRecord{};
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
