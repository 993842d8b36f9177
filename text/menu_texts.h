// The texts of the menu side (GameFlow phase 0): quit prompt, item and
// equipment texts, save and load prompts, game-over narration, the title
// notice and the slot summaries. Here the pass also arms and disarms the
// Enter handshake of the save and load prompts and of the narration.
#pragma once

#include <cstdint>

// 2 while the chosen slot of the load prompt holds no data, else 0.
inline std::int32_t LoadPromptNoData = 0;

void DrawMenuSideTexts();
