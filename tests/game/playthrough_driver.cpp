#include "playthrough_driver.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "text/menu.h"
#include "text/menu_state.h"
#include "text/text_state.h"

std::string PlaythroughRun::StuckWords() {
    const DialogueChannelsRecord& d = DialogueChannels;
    std::ostringstream s;
    s << "phase " << GameFlow.phase << " areas " << Era00AreaFlag << Era01AreaFlag << Era02AreaFlag << Era03AreaFlag
      << " story " << Era00StoryPhase << " x " << PlayerState.x << " y " << PlayerState.y << " hp " << PlayerState.hp
      << "/" << PlayerState.maxHp << " pose " << PlayerState.pose << " enter " << EnterConfirmState << " holds "
      << EventHoldsPlayer << " box " << MessageBoxOpen << " keys blocked " << PlayerKeysBlocked << " lines story "
      << d.storyLine << " prompt " << d.promptLine << " field " << d.fieldLine << " gate " << d.gateLine << " arena "
      << d.arenaLine << " round " << d.roundLine << " event " << d.eventLine << " finale " << d.finaleLine;
    return s.str();
}

bool PlaythroughRun::Road(const char* what, const std::function<bool()>& until, int maxFrames) {
    roadPart = what;
    struct Seen {
        DialogueChannelsRecord lines;
        std::int32_t x, y, pose, enter;
        // Where the figures a scene moves on screen stand (the camp's
        // catching game flies its objects a while before a line comes).
        std::int32_t figures;
        bool operator==(const Seen& o) const {
            return std::memcmp(&lines, &o.lines, sizeof lines) == 0 && x == o.x && y == o.y && pose == o.pose &&
                   enter == o.enter && figures == o.figures;
        }
    };
    const auto now = [] {
        std::int32_t figures = 0;
        for (const TitleFigureRecord& f : TitleFigureSlots.figure) figures = figures * 31 + f.x * 7 + f.y;
        return Seen{DialogueChannels, PlayerState.x, PlayerState.y, PlayerState.pose, EnterConfirmState, figures};
    };
    const int stuckLimit = static_cast<int>(std::ceil(kStuckSeconds / frameStep));
    Seen last = now();
    int stillFrames = 0;
    bool stuck = false, fell = false;
    const bool reached = Play([&] {
        if (until()) return true;
        if (PlayerState.hp <= 0) return fell = true;
        const bool held = EventHoldsPlayer == 1 || MessageBoxOpen == 1 || PlayerKeysBlocked == 1;
        const Seen seen = now();
        stillFrames = (held && seen == last) ? stillFrames + 1 : 0;
        last = seen;
        if (stillFrames > stuckLimit) stuck = true;
        return stuck;
    }, maxFrames);
    if (fell) {
        ADD_FAILURE() << what << ": the heroine fell: " << StuckWords();
        return false;
    }
    if (stuck) {
        ADD_FAILURE() << what << ": the heroine held " << kStuckSeconds << " s with nothing moving: " << StuckWords();
        return false;
    }
    if (!reached) ADD_FAILURE() << what << ": never reached its end: " << StuckWords();
    return reached;
}

bool PlaythroughRun::RoadFighting(const char* what, const std::function<bool()>& until,
                                  const std::function<std::vector<Opponent>()>& inReach, std::int32_t reach,
                                  int maxFrames) {
    int cooldown = 0;
    bool kickDown = false;
    Hold(VK_RIGHT);
    const bool reached = Road(what, [&] {
        if (kickDown) {
            Release(VkLetter('S'));
            kickDown = false;
        }
        if (until()) return true;
        const Opponent* nearest = nullptr;
        const std::vector<Opponent> opponents = inReach();
        for (const Opponent& o : opponents)
            if (o.standing &&
                (!nearest || std::abs(o.x - PlayerState.x) < std::abs(nearest->x - PlayerState.x)))
                nearest = &o;
        --cooldown;
        if (!nearest) {
            LetGo(VK_LEFT);
            Hold(VK_RIGHT);
            if (runWhenFree) Hold(VkLetter('X'));
            return false;
        }
        LetGo(VkLetter('X'));
        const std::int32_t gap = nearest->x - PlayerState.x;
        const int toward = gap >= 0 ? VK_RIGHT : VK_LEFT;
        LetGo(gap >= 0 ? VK_LEFT : VK_RIGHT);
        if (std::abs(gap) > reach || (gap >= 0) != (PlayerState.facing == 1)) {
            Hold(toward);
        } else {
            LetGo(toward);
            // A game key is read from its flag in the next step: down for
            // one frame.
            if (cooldown <= 0 && MessageBoxOpen == 0) {
                Press(VkLetter('S'));
                kickDown = true;
                cooldown = 10;
            }
        }
        return false;
    }, maxFrames);
    LetGo(VK_LEFT);
    LetGo(VK_RIGHT);
    LetGo(VkLetter('X'));
    return reached;
}

bool PlaythroughRun::WalkTo(std::int32_t x, int maxFrames) {
    const bool right = PlayerState.x < x;
    Hold(right ? VK_RIGHT : VK_LEFT);
    const bool ok = Road("walk", [&] { return right ? PlayerState.x >= x - 40 : PlayerState.x <= x + 40; }, maxFrames);
    LetGo(right ? VK_RIGHT : VK_LEFT);
    PlayFrames(8);
    return ok;
}

void PlaythroughRun::SaveQuitAndContinue() {
    ASSERT_TRUE(RunFramesUntil([] { return PlayerMoveState.jumpKind == 0 && MessageBoxOpen == 0; }, 300));
    const int savesBefore = CountTraceLines("Save Gdata01");
    ASSERT_NO_FATAL_FAILURE(SaveFromMenu(1));
    ASSERT_EQ(CountTraceLines("Save Gdata01"), savesBefore + 1) << "the save was not written";
    // Quit from the menu: its last entry, yes, Enter.
    Tap(VK_F2);
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.enterStep == 4 && MenuFlowState.active == 1; }, 200));
    ASSERT_TRUE(RunFramesUntil([] { return MenuFlowState.introStep == 6; }, 200));
    ASSERT_NO_FATAL_FAILURE(ChooseEntry(6));
    ASSERT_TRUE(RunFramesUntil([] { return QuitScreenState.step == 11; }, 200));
    PressFor1Frame(VkLetter('Y'));
    Tap(VK_RETURN);
    RunFrames(3);
    ASSERT_TRUE(plat::headless::WindowClosed()) << "the quit screen did not end the program";
    // The program's start-up begins a new trace log: keep this run's.
    for (const std::string& line : TraceLines()) traceSoFar.push_back(line);
    StartProgramAgain();
    ASSERT_NO_FATAL_FAILURE(ContinueFromTitle());
}


std::vector<std::string> PlaythroughRun::WholeTrace() const {
    std::vector<std::string> all = traceSoFar;
    for (const std::string& line : TraceLines()) all.push_back(line);
    return all;
}
