// The Era03 arena encounter played headless through the real frame loop,
// shared by the arena's own run and the picture writer (tools/writer): from a
// slot saved just before the arena, the heroine walks in, beats boss 1,
// breaks enemy 2's guard, beats enemy 3 and sees the ending.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>

#include "core/player.h"
#include "support/area_run.h"
#include "support/roads/era03.h"
#include "text/text_state.h"

// The slot: Era03 active with the earlier encounters behind her, at the
// arena's approach and walking right.
void ArenaApproachWords();

class ArenaRun : public AreaRun {
protected:
    // Runs frames with the driver until `until`, noting every line shown
    // and the highest the heroine rose, and calling the observer.
    bool Run(const std::function<bool()>& until, int maxFrames) {
        return Play(
            [&] {
                seen_.insert(DialogueChannels.eventLine);
                lowestY_ = std::min(lowestY_, PlayerState.y);
                if (observer_) observer_();
                return until();
            },
            maxFrames);
    }
    // The shared arena bot, playing through Run.
    Era03ArenaBot Bot() {
        return Era03ArenaBot({[this](const std::function<bool()>& until, int n) { return Run(until, n); },
                              [this](int key) { Hold(key); }, [this](int key) { LetGo(key); }});
    }
    // The whole road: the intro, boss 1, enemy 2, enemy 3 and the ending,
    // with the checks of each stretch.
    void PlayTheEncounter();
    // Every line shown between two frames.
    bool Saw(std::int32_t from, std::int32_t to) const {
        for (std::int32_t v = from; v <= to; ++v)
            if (!seen_.contains(v)) return false;
        return true;
    }
    // Called after every frame the run plays.
    std::function<void()> observer_;
    std::set<std::int32_t> seen_;
    std::int32_t lowestY_ = 640;
};
