// Drives the whole game headless through the menu side: boot to the title,
// a new game onto the stage, the in-game menu and its entries, with keys
// delivered through the real frame loop.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "support/area_run.h"

class MenuGame : public AreaRun {
protected:
    // Runs frames until the title screen runs (the logo is over).
    void BootToTitle();
    // A game saved in the home area, continued from the title: on the
    // stage, landed, the menu key free.
    void StartAtHome();
    // Runs frames until the stage runs (phase 1), collecting every phase
    // passed on the way; false when it never got there.
    bool RunToStage(std::set<std::int32_t>& phases);
    // Puts the heroine at world x on the stage and lets a few frames pass.
    void StandAt(int x);
    // F2 on the stage; frames until the menu stands built with the heroine
    // landed (cursor keys live).
    void OpenMenu();
    // Moves the menu cursor to entry 1..6 with Left/Right, confirms with
    // Enter and runs frames until the entry's screen has opened.
    void ChooseEntry(int entry);
    // A key down for one frame, then up.
    void PressFor1Frame(int key);
    // Runs the frames of `seconds` of the virtual clock.
    void RunSeconds(double seconds);
    // Writes a save of the current game into `slot` through the save screen:
    // from the stage at a save spot.
    void SaveFromMenu(int slot);
    // Lines of the trace log that contain `what`.
    int CountTraceLines(const std::string& what) const;
};
