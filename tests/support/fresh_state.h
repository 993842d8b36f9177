// The game's start values, as every test starts from them (a listener puts
// them in place before each test): the platform from nothing, the game's own
// full data reset, and what only a program start sets.
#pragma once

// Puts them in place now, for a test that plays more than one game.
void ResetToStartValues();
