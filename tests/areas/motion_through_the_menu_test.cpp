// A move timed from its start goes on where it was after the menu, opened in
// the middle of it, or after a stall (the machine suspended, the process
// stopped): the stage's clock stands on the way to the menu and back as in
// the menu itself, and goes on by one frame across a stall, so nothing the
// stage times is carried through that time in one step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/holds.h"
#include "core/player.h"
#include "platform/headless.h"
#include "era02_flow.h"
#include "support/slot_words.h"
#include "text/menu_state.h"

namespace {

constexpr std::int32_t kLiftStop = SectionAnchorX[21] + 150;

class MotionThroughTheMenu : public TournamentFlow {
public:
    // Onto the field's trap lift: true once it throws her.
    bool ThrownByTheLift() {
        StartFromSlot(SlotWordsOf("collect"));
        PlayerState.x = kLiftStop - 10;
        PlayerState.y = 456;
        ScrollX = kLiftStop - 400;
        return Play([] { return LiftRecord.state == 13; }, 600);
    }
    // Round 3's fight with her far to the opponent's left: true once its
    // long leap at her is in the air.
    bool LeaptAtInRound3() {
        if (!IntoRound3Fight(5)) return false;
        PlayerState.x = Round3Opponent.x - 700;
        PlayerState.facing = 1;
        return Play([] { return Round3Opponent.frame == 14 && Round3Opponent.y < 600; }, 600);
    }

    // F2 now (the stage's last frame), the menu up, F2 again, back on the
    // stage; she or the figure at `where` has not moved meanwhile.
    bool ThroughTheMenu(std::int32_t (*where)()) {
        Tap(VK_F2);
        Play([] { return true; }, 1);
        if (GameFlow.phase == 1) return false;
        const std::int32_t before = where();
        if (!Play([] { return GameFlow.phase == 0 && MenuFlowState.enterStep == 4; }, 600)) return false;
        Play([] { return false; }, 30);
        Tap(VK_F2);
        if (!Play([] { return GameFlow.phase == 1; }, 600)) return false;
        EXPECT_EQ(where(), before) << "moved while the stage stood";
        return true;
    }
    // The program stopped for 3 s between two frames.
    bool ThroughAStall(std::int32_t (*)()) {
        plat::headless::SetTime(plat::TimerGetTime() + 3.0);
        return true;
    }
};

struct Motion {
    const char* what;
    bool (MotionThroughTheMenu::*start)();
    std::int32_t (*where)();
    bool (*over)();
    std::int32_t fastest;   // px a frame (1/64 s, or the 1/60 s a stall counts) at its own speed, and a little
};

const Motion kMotions[] = {
    {"the trap lift throwing her west (1500 px/s)", &MotionThroughTheMenu::ThrownByTheLift,
     [] { return PlayerState.x; }, [] { return LiftRecord.state == 1; }, 30},
    {"round 3's long leap at her (665 px/s)", &MotionThroughTheMenu::LeaptAtInRound3,
     [] { return Round3Opponent.x; }, [] { return Round3Opponent.y == 640; }, 15},
};

struct Break {
    const char* what;
    bool (MotionThroughTheMenu::*through)(std::int32_t (*where)());
};

const Break kBreaks[] = {
    {"the menu", &MotionThroughTheMenu::ThroughTheMenu},
    {"a 3 s stall", &MotionThroughTheMenu::ThroughAStall},
};

TEST_F(MotionThroughTheMenu, AMoveUnderWayGoesOnWhereItWasAfterTheMenuOrAStall) {
    bool first = true;
    for (const Break& b : kBreaks) {
        for (const Motion& m : kMotions) {
            SCOPED_TRACE(std::string(m.what) + " through " + b.what);
            if (!first) AnotherGame();
            first = false;
            ASSERT_TRUE((this->*m.start)());
            ASSERT_TRUE((this->*b.through)(m.where));
            std::int32_t last = m.where(), longest = 0;
            ASSERT_TRUE(Play(
                [&] {
                    longest = std::max(longest, std::abs(m.where() - last));
                    last = m.where();
                    return m.over();
                },
                600));
            EXPECT_LE(longest, m.fastest);
        }
    }
}

}  // namespace
