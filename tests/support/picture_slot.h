// Save slots for the documentation's pictures: the real game under a virtual
// X server loads one of them (placed as Data/Save/Save01.txt of the built
// game) and is driven from there to the moment a picture shows.
#pragma once

#include <functional>
#include <string>

// Resets the game data, lets setWords write the words the picture needs,
// takes the heroine's place as the menu takes it from the stage, saves slot 1
// with the game's own slot writer and copies it to QM_SLOT_DIR/<name>.txt.
// Called from disabled tests, in the harness's working folder.
void WritePictureSlot(const std::string& name, const std::function<void()>& setWords);
