// The second half of the Era03 draw list: the arena encounter, then the
// talking character with the item it hands over.
#include "areas/era03/calls.h"

void DrawEra03ArenaEncounterAndTalkingCharacter() {
    DrawEra03ArenaEncounterEntries();
    DrawEra03NpcActorAndMarker();
}
