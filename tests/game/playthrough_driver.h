// One player through the whole game: the real frame loop from the title's new
// game, area after area, saving between them into slot 1, quitting and
// continuing from the title so every area's words ride through a save.
//
// Road() is Play() with a watch: a step that holds the heroine (a line, a
// scene or a message box) with no line, no figure and nothing of hers
// changing for longer than kStuckSeconds fails with the stuck words printed,
// and so does a road that never reaches its end. The bound is above the
// longest quiet hold the game means (the final section's lights fade in over
// about 38 s with nothing else moving).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "text/menu/menu_game_fixture.h"

class PlaythroughRun : public MenuGame {
protected:
    // The road reads no recorded frame: only the last is kept.
    PlaythroughRun() { frameHistory = 1; }

    static constexpr double kStuckSeconds = 60.0;
    bool runWhenFree = false;
    // The stretch of road being played (Road's `what`), for reports.
    std::string roadPart;

    // The words a soft-lock report prints.
    static std::string StuckWords();

    // Plays until `until` holds; false (with the reason added as a test
    // failure) on a soft-lock or when maxFrames ran out.
    bool Road(const char* what, const std::function<bool()>& until, int maxFrames);

    // An opponent the bot may fight: where it stands and whether it still
    // stands.
    struct Opponent {
        std::int32_t x;
        bool standing;
    };
    // Road() with the small fighting bot at the keys: it walks right while
    // no opponent in reach stands; otherwise it walks up to the nearest one,
    // turns to it and kicks (S) whenever it is within `reach`. With
    // runWhenFree it runs (X) where nothing stands in its way.
    bool RoadFighting(const char* what, const std::function<bool()>& until,
                      const std::function<std::vector<Opponent>()>& inReach, std::int32_t reach, int maxFrames);

    // Walks to world x (within 40 px) and stops.
    bool WalkTo(std::int32_t x, int maxFrames);

    // Saves into slot 1 at the save spot she stands on, quits through the
    // menu, starts the program again and continues from slot 1 on the title.
    void SaveQuitAndContinue();
    // The trace lines of every run of the program so far, in order.
    std::vector<std::string> WholeTrace() const;

private:
    std::vector<std::string> traceSoFar;
};
