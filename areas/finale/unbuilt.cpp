// Routines of the final section and the ending that are not built yet. Each
// does the least its callers need; a routine leaves this file when it is
// built.
#include "areas/finale/boss.h"

// Not built yet: the defeat scene and the ending end at once, so the game
// goes on to the staff roll.
std::int32_t RunBossDefeatScene(std::int32_t) { return finale::kDone; }
std::int32_t RunEndingScene(std::int32_t) { return finale::kDone; }
std::int32_t RunShatterEffect(std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return finale::kDone; }
