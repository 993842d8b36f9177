// The menu side: title, in-game menu and its screens.
#pragma once

#include <cstdint>

void UpdateMainMenu();
void UpdateMenuScreens();
std::int32_t RunTitleLogo(std::int32_t arg);        // 99 when done
std::int32_t RunTitleScreen(std::int32_t arg);      // entry under the cursor: 1 new game, 2 load, 3 quit
std::int32_t RunTitleLoadScreen(std::int32_t arg);  // 98 back, 99 loaded
std::int32_t RunQuitScreen(std::int32_t arg);       // 98 = no
void StopTitleSounds();
std::int32_t ResetMenuFlags(std::int32_t group);
void UpdateMenuCursorFrame(std::int32_t a, std::int32_t b);
std::int32_t UpdateSaveScreen(std::int32_t arg);
std::int32_t UpdateLoadScreen(std::int32_t arg);
