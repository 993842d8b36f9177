// Encounter C's own run, stretch by stretch, each with its checks: the doors
// and the clerk's bargain, the fight on her platform, the riders, the
// servants. The keys are the shared road's (support/roads/encounter_c.h);
// this fixture notes the lines and sounds every frame and checks what each
// stretch shows.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "support/area_run.h"
#include "support/roads/encounter_c.h"

class EncounterCFlow : public AreaRun {
protected:
    bool Watch(const std::function<bool()>& until, int maxFrames);
    int PlaysOf(int slot) const;
    static std::vector<std::int32_t> Run(std::int32_t first, std::int32_t last);

    // From the slot: walked in through door 5, held, turned back at door
    // 6, the bargain and the reveal, to the reveal's last line.
    void DoorsAndBargain();
    // The fight on her platform, to the riders' summoning.
    void PlatformFight();
    // The riders summoned, beaten on their circle, destroyed in the waves.
    void Riders();
    // The opening, the splits, the nine deaths, the talks, the fade.
    void Servants();

    EncounterCRoad road{*this, [this](const std::function<bool()>& until, int maxFrames) {
                            return Watch(until, maxFrames);
                        }};
    std::vector<std::int32_t> fieldLines, sceneLines;
    std::vector<int> played;
    // Frames on which the scene drew her from the clerk's sheet while her own figure showed too.
    int drawnTwice = 0;
    // Called every frame Watch runs (nullptr: none).
    std::function<void()> each;
};
