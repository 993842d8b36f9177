// Which cells of which pictures a run draws, and through which draw sub-pass:
// a watcher on the sprite batch, on only while a test asks for it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DrawnCell {
    int picture = 0;                        // resource id
    int left = 0, top = 0, right = 0, bottom = 0;
    std::string pass;                       // the draw sub-pass's name
    std::uint64_t draws = 0;                // sprites drawn of it
};

// Starts watching (forgetting what was seen before); Stop ends it.
void StartWatchingDrawnCells();
void StopWatchingDrawnCells();
// Every (picture, rectangle, pass) seen, by picture, then rectangle.
std::vector<DrawnCell> DrawnCells();
