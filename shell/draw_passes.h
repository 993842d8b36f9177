// The draw sub-passes of the frame, in the order the frame calls them.
// Every pass gates itself on the area and scene words it draws; the frame
// only applies the phase gates:
//   every phase:  DrawSideBarsAndHeroine (with DrawHitSparksAndTrails inside
//                 it), DrawOverlays
//   phase 0:      DrawMenuSide
//   phase 1:      DrawStageBackground (sets the stage base transform), then
//                 the area lists from DrawEra01FirstFieldSections to
//                 DrawFinalBossAndEnding.
#pragma once

void DrawSideBarsAndHeroine();
void DrawHitSparksAndTrails();   // called by DrawSideBarsAndHeroine
void DrawOverlays();
void DrawMenuSide();
void DrawStageBackground();
void DrawEra01FirstFieldSections();
void DrawEra01LiftSection();
void DrawEra01FarFieldAndArena();
void DrawEra01SetPiecesAndEra02Border();
void DrawEra02StandsCrowdAndStage();
void DrawEra03SceneryAndScenePictures();
void DrawObjectTable();
void DrawEra01FieldObjects();
void DrawEra00HomeAreaActors();
void DrawEra00GatewayAndPracticeMarker();
void DrawEra01EnemiesAndEncounterActors();
void DrawEra02Arena();
void DrawEra03FieldAndCharacters();
void DrawEra03ArenaEncounterAndTalkingCharacter();
void DrawEra04SceneryAndSoldiers();
void DrawEra04Encounters();
void DrawFinalBossAndEnding();
