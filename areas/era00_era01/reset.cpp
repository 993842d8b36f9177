// Start values of the area's words, written by every data reset.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/middle.h"
#include "areas/era00_era01/era01/monsters.h"
#include "areas/era00_era01/records.h"
#include "core/floors.h"
#include "core/pickups.h"
#include "core/sprites/sprites.h"
#include "text/text_state.h"

void ResetEra00Era01Area() {
    // Routines that keep step words of their own are armed first.
    RunEra00Story(3);
    ResetMovePracticeEvent();
    UpdateHoppingObject(0);
    UpdateGatekeeper(0);
    RunFieldEnemyAReaction(0);
    UpdateFieldEnemyA(0);
    UpdateFlyingEnemy1(0);
    UpdateWalkingEnemyObject1(0);
    UpdateWalkingEnemyObject2(0);
    UpdateEra01Npc(0);
    UpdateEra01ColourPulseA(0);
    UpdateEra01SceneryLoopA(0);
    UpdateEra01SceneryLoopB(0);
    UpdateEra01ColourPulseB(0);
    UpdateEra01ColourPulseC(0);
    UpdateEra01ColourPulseD(0);
    UpdateEra01ColourPulseE(0);
    UpdateEra01ColourPulseF(0);
    RunArenaWaves(0);
    ResetLift();
    ResetPitHazard();
    ResetWalkingEnemies();
    ResetAnchorObstacle();
    ResetEncounter();
    ResetFieldObjectSprites();
    ResetFieldSpawner();
    ResetEra01FirstSectionsDrawWords();
    ResetEra01MiddleDrawWords();
    ResetEra01FarFieldDrawWords();

    Era00StoryPhase = 0;
    Era00IndoorState = 0;
    Era00SceneActors = Era00SceneActorsRecord{};
    ResetTimedEffects();
    Era00Gateway = Era00GatewayRecord{};
    PlayerHpHold = 0;

    HoppingObjectRecord = HoppingObjectStateRecord{};
    LiftRecord = LiftStateRecord{};
    LiftRecord.x = Era01Anchor20;   // 20200
    GatekeeperRecord = GatekeeperStateRecord{};
    ResetCollectGame();
    FieldEnemyARecord = FieldEnemyAStateRecord{};
    FieldEnemyARecord.state = 1;
    FieldEnemyARecord.frame = 1;
    FieldEnemyARecord.latch1 = FieldEnemyARecord.latch2 = 1;
    FieldEnemyARecord.x = FieldEnemyARecord.rememberedX = Era01Anchor17;   // 17549
    FieldEnemyARecord.y = 519;
    for (FlyingEnemyRecord& e : FlyingEnemyRecords) {
        // HP too, which play refills only when one perches anew: a new game's
        // flyers take as many blows as the first game's.
        e = FlyingEnemyRecord{};
        e.state = 1;
        e.frame = 1;
        e.x = 5200;
        e.y = 619;
        e.projectileX = 5200;
        e.projectileY = 519;
    }
    for (int i = 0; i < 3; ++i) {
        WalkingEnemyRecord& e = WalkingEnemyRecords[i];
        e = WalkingEnemyRecord{};
        e.state = 1;
        e.frame = 1;
        e.facing = 1;
        e.knockDir = 1;
        e.y = 519;
        e.x = i < 2 ? -1000 : SectionAnchorX[21];
        e.hp = i < 2 ? 70 : 200;
        e.objectX = i < 2 ? 4400 : 0;
        e.objectY = i < 2 ? 519 : 0;
    }
    FieldTalkOpen = 0;
    for (std::int32_t& flag : WalkingEnemyDrawFlags) flag = 0;
    // The patrol creature and its prizes hang as a first game finds them; a
    // loaded save writes its own afterwards.
    UpdatePatrolCreature(0);
    PatrolCreatureRecord = PatrolCreatureStateRecord{};
    PatrolCreatureRecord.x = SectionAnchorX[6] + 836;
    Era01TerrainState = Era01TerrainStateRecord{};
    Era01NpcRecord = Era01NpcStateRecord{};
    const std::uint32_t colours[8] = {0xFF333333u, 0xFFEEEEEEu, 0xFFEEEEEEu, 0xFFFFFFFFu,
                                      0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
    for (int i = 0; i < 8; ++i) Era01SceneryColours[i] = colours[i];
    for (SceneryLoopRecord& loop : SceneryLoops) loop = SceneryLoopRecord{};
    ArenaState = ArenaStateRecord{};
    ArenaEnemy = ArenaEnemyRecord{};
    ArenaEnemy.x = Era01Anchor22;   // 23445
    Era01Progress = 0;
    Era01GateStep = 0;
    ErrandState = 0;
    MovePracticeDone = 0;
    MovePracticeState = MovePracticeStateRecord{};
    EncounterPhase = 0;
    EncounterOnceFlag = EncounterDoneFlag = 0;
    FloorGateState = FloorGateStateRecord{};
    EncounterTrio = EncounterTrioRecord{};
    EncounterIntroWords = EncounterIntroWordsRecord{};
    for (MonsterGroupRecord& g : MonsterGroupRecords) g = MonsterGroupRecord{};
    // Their entrances' and strikes' own steps too: kept, a new game's
    // monsters waited in the frame and at the step the last game left them.
    for (MonsterPrivate& p : MonsterPrivates) p = MonsterPrivate{};
    for (std::uint32_t& s : EncounterPieceStates) s = 0;
    EncounterPieceDepths[0] = EncounterPieceDepths[1] = 0.0f;
    EncounterPieceShown = 0;
    DropItemSlots = DropItemSlotsRecord{};
    NpcSceneLock = 0;
    ResetEra01Gate();
    AnchorObstacleState = AnchorObstacleStateRecord{};
    // The pit whose obstacle the floors raise, learnt again from the view in
    // the first step; until then the last game's would stand in the floor.
    ActivePitAnchor = 0;
}
