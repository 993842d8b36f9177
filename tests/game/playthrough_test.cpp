// The whole game in one run: a new game from the title through the home
// area, the field, the tournament, Era03 and Era04 (with the errand back
// west), the final section and the ending, back to the title, with saves,
// quits and continues from the title between areas. One scripted player
// drives the real frame loop (fixed seed); a fight is shortened only by
// lowering an opponent's HP where noted, never by writing a story or progress
// word. It also watches every picture cell the game draws on the way, and
// holds each prepared save slot against the words the road holds where it
// passes the slot's place.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawn_cells.h"
#include "playthrough.h"
#include "slot_places.h"

namespace {

TEST_F(Playthrough, NewGameToTheEndingAndBackToTheTitleWithASaveBetweenAreas) {
    SlotPlaces slots;
    afterEachFrame = [&] { slots.Look(roadPart); };
    StartWatchingDrawnCells();
    ASSERT_NO_FATAL_FAILURE(WholeGame());
    afterEachFrame = nullptr;
    for (const std::string& apart : slots.Apart()) ADD_FAILURE() << apart;
    // Every rectangle the whole game drew shows what the cell list says it
    // shows, and no figure's draw lands on another's cell.
    StopWatchingDrawnCells();
    const std::vector<DrawnCell> drawn = DrawnCells();
    const DrawnCellsReport cells = CheckDrawnCells(drawn);
    std::printf("picture cells: %zu rectangles drawn, %zu registered, %zu of them figure cells of %zu figures, "
                "%zu conflicts\n",
                cells.rectangles, cells.registered, cells.figureRectangles, cells.figures, cells.conflicts.size());
    EXPECT_EQ(cells.figures, cells.figuresListed) << "a figure of the cell list the whole game never drew";
    EXPECT_EQ(cells.registered, cells.rectangles);
    for (const std::string& u : cells.unregistered) ADD_FAILURE() << "drawn but not in the cell list: " << u;
    for (const std::string& c : cells.conflicts) ADD_FAILURE() << "figure cell conflict: " << c;
    // QM_DRAWN_CELLS names a file to list every drawn cell in, for review.
    if (const char* path = std::getenv("QM_DRAWN_CELLS"))
        if (FILE* f = std::fopen(path, "w")) {
            for (const DrawnCell& c : drawn)
                std::fprintf(f, "%d %d %d %d %d %s %llu\n", c.picture, c.left, c.top, c.right, c.bottom,
                             c.pass.c_str(), static_cast<unsigned long long>(c.draws));
            std::fclose(f);
        }
}

}  // namespace
