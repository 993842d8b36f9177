// The draw sub-passes of the frame, in the order the frame calls them.
// Every pass gates itself on the area and scene words it draws; the frame
// only applies the phase gates:
//   every phase:  DrawSideBarsAndHeroine (with DrawHitSparksAndTrails inside
//                 it), DrawOverlays
//   phase 0:      DrawMenuSide
//   phase 1:      DrawStageBackground (sets the stage base transform), then
//                 the areas' passes from DrawEra01FirstFieldSections to
//                 DrawFinalBossAndEnding (declared in areas/*/calls.h).
#pragma once

void DrawSideBarsAndHeroine();
void DrawHitSparksAndTrails();   // called by DrawSideBarsAndHeroine
void DrawOverlays();
void DrawMenuSide();
void DrawStageBackground();
