// The Era03 message table: the lines its scenes select through
// DialogueChannels.
#include "areas/era03/npc_scene.h"
#include "text/messages/area_texts.h"

const AreaMessageTable Era03MessageTable{kEra03NightSceneEntries, kEra03NightSceneEntryCount};
