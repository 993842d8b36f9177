// Which cells of which pictures a run draws, and through which draw sub-pass:
// a watcher on the sprite batch, on only while a test asks for it.
#pragma once

#include <cstddef>
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

// The whole run's draws against the cell list: every drawn rectangle must be
// a registered cell or lie in a registered region; a drawn rectangle equal to
// cells of two figures, one cutting into a figure's cell, or a figure's cell
// drawn by a pass that does not draw that figure is a conflict (unless the
// cell list names the cell as one the game shares).
struct DrawnCellsReport {
    std::size_t rectangles = 0;       // distinct (picture, rectangle) drawn
    std::size_t registered = 0;       // of them, found in the cell list
    std::size_t figureRectangles = 0; // of them, figure cells
    std::size_t figures = 0;          // figures drawn
    std::size_t figuresListed = 0;    // figures the cell list knows
    std::vector<std::string> unregistered, conflicts;
};
DrawnCellsReport CheckDrawnCells(const std::vector<DrawnCell>& cells);
