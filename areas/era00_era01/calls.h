// What the rest of the game calls of the home area (Era00) and the field
// (Era01): the stage step's routines, the routines the data reset arms, the
// area's start values and its draw passes.
#pragma once

#include <cstdint>

// Every word of the area back to its start value; the data reset calls it.
void ResetEra00Era01Area();

// The areas' parts of the stage step, called by it while their area flag is
// 1: the block steps the area's events and actors, the limits have the last
// word on x and ScrollX. The house's limit gates itself.
void RunEra00Block();
void RunEra01Block();
void LimitEra00House();
void LimitEra01();
// Holds the camera over the tower while she is near it (the Era02 limits use
// it too); lowLimit also keeps it from the west.
void ClampArrivalView(bool lowLimit);
// The pit's trip obstacle stands on the floor (ActivePitAnchor) while the
// camera is near it: its world x for a camera at scrollX, else 0. The
// field's limits set the word each step; its draw pass shows the obstacle.
std::int32_t PitAnchorSeenFrom(std::int32_t scrollX);

// 0 arms, 1 runs the opening phase, 2 the exit phase, 3 clears it (the data
// reset); 99 when the exit is done.
std::int32_t RunEra00Story(std::int32_t arg);
// One step of the talk and door events of the house (arg 1).
void RunEra00TalkEvents(std::int32_t arg);
// The errand's move practice, stepped while ErrandState is 2; the data
// reset puts it back to not started.
void RunMovePracticeEvent();
void ResetMovePracticeEvent();
// 0 arms; 1 steps the notice-board messages; 99 when done.
std::int32_t RunEra01ExamineEvent(std::int32_t arg);
void UpdateHoppingObject(std::int32_t arg);
void UpdateLift();
void UpdateGatekeeper(std::int32_t arg);
void UpdateCollectGame();
void UpdateCollectGameRound();
// The collecting game is not saved, so a game left running would carry into
// a new game or a loaded one, with the gatekeeper's fee paid in another:
// every data reset puts the objects back on their spots, bobbing, as the
// program's start has them.
void ResetCollectGame();
// The collecting game is not saved: after a load its objects bob again and a
// gatekeeper caught mid-throw stands idle, holding no HP.
void SettleCollectGameAfterLoad();
// The collecting game's frame table: source columns, bottom, pivotX and
// pivotY = the picture's lift; gno 0 for a frame outside the table.
void SetCollectObjectSprite(std::int32_t frame);
// The lift's frame table: rectangle, screen position and depth from the
// lift record; gno 0 for a frame outside the table.
void SetLiftSprite(std::int32_t frame);
// The field objects' table (core/sprites/field_object_table.h): repeating
// backdrop pieces by slot, the hopping object, the move practice and the
// blinking pieces; gno 0 for an id outside it.
void SetFieldObjectSprite(std::int32_t id, std::int32_t slot);
void UpdateFieldEnemyA(std::int32_t arg);
void UpdateFlyingEnemy1(std::int32_t arg);
void UpdateFlyingEnemy2();
void UpdateFlyingEnemy3();
void UpdateWalkingEnemy1();
void UpdateWalkingEnemy2();
void UpdateWalkingEnemy3();
void UpdatePatrolCreature(std::int32_t arg);
void UpdateHangingPrizes();
void UpdateEra01Terrain();
void UpdateEra01Npc(std::int32_t arg);
void UpdateEra01ColourPulseA(std::int32_t arg);
void UpdateEra01SceneryLoopA(std::int32_t arg);
void UpdateEra01SceneryLoopB(std::int32_t arg);
void UpdateEra01ColourPulseE(std::int32_t arg);
void UpdateEra01ColourPulseF(std::int32_t arg);
// 1 turns a finished sequence back to idle; 2 runs the next wave.
void RunArenaWaves(std::int32_t arg);
void UpdateEra01Gate();
void UpdateAnchorObstacle();
void UpdateMonsterGroup1();
void UpdateMonsterGroup2();
void UpdateFieldSpawner();
void UpdateEncounterIntro();
void UpdateEncounterFight();
void UpdatePitHazard();
// True from a trip until she is up again: the world steps the trip to its
// end even when her slide has carried her out of the obstacle's window,
// since the trip holds the game keys until it ends.
bool PitHazardTripping();
// The four dropped-item slots, collected in pose 26; runs in every area.
void UpdateDropItemPickup();
// Arming calls of the reset (each resets its own step words).
void ResetLift();
void ResetPitHazard();
void ResetWalkingEnemies();
void ResetAnchorObstacle();
void ResetEncounter();
void ResetFieldObjectSprites();
// The falling objects' slots and the fall and burst timing the last place
// gave them.
void ResetFieldSpawner();
// The draw passes' own words: the tile grid's bands, the blinks' cycles and
// where each thrown piece was last drawn.
void ResetEra01FirstSectionsDrawWords();
void ResetEra01MiddleDrawWords();
void ResetEra01FarFieldDrawWords();
// 0 arms; 1..6 steps that hurt reaction of field enemy A; 99 when done.
std::int32_t RunFieldEnemyAReaction(std::int32_t arg);
void UpdateWalkingEnemyObject1(std::int32_t arg);
void UpdateWalkingEnemyObject2(std::int32_t arg);
void UpdateEra01ColourPulseB(std::int32_t arg);
void UpdateEra01ColourPulseC(std::int32_t arg);
void UpdateEra01ColourPulseD(std::int32_t arg);

// Draw passes, called by the frame in the order of shell/draw_passes.h.
// The object table: flying enemies and their shots, both burst pools, the
// save-spot marker, coins, the dialogue box, the two flashes, the walking
// enemies' carried objects and the home furniture.
void DrawObjectTable();
// The field's objects: the move-practice figure, landmarks, six rows of
// repeated field pieces, the hopping object, the gimmicks of two sections,
// the patrol creature and its pit spots, and the pit and floor markers.
void DrawEra01FieldObjects();
void DrawEra00HomeAreaActors();
void DrawEra00GatewayAndPracticeMarker();
void DrawEra01FirstFieldSections();
void DrawEra01LiftSection();
void DrawEra01FarFieldAndArena();
void DrawEra01SetPiecesAndEra02Border();
void DrawEra01EnemiesAndEncounterActors();
// The encounter's three actors by their frame tables, wherever they stand;
// the Era02 arena pass draws them too, as the lift's riders and captors.
void DrawEncounterTrioFigures();
