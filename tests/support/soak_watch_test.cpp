// The soak's watch sees each fault it looks for, at the frame its limit
// passes, and lets the play that only looks like one pass.
#include "support/soak_watch.h"

#include "core/area_flags.h"
#include "core/floors.h"

#include <gtest/gtest.h>

#include "areas/era02/records.h"
#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/records.h"
#include "areas/era04_stage/soldiers.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/player.h"
#include "support/fresh_state.h"
#include "text/menu_state.h"
#include "text/text_state.h"
#include "support/test_hold.h"

namespace {

void Standing() {
    GameFlow.phase = 1;
    PlayerFigureShown = 1;
    PlayerState.x = 5000;
    PlayerState.y = 640;
    PlayerState.pose = 1;
    PlayerState.hp = PlayerState.maxHp = 1000;
    ScrollX = 4600;
}

// Round 3's fight under way, the view and she at these places from the
// arena's origin.
void InRound3(std::int32_t view, std::int32_t x) {
    Standing();
    TournamentBoundsLock = 1;
    TournamentState.state = 3;
    Round3Opponent.frame = 28;
    ScrollX = Era02Anchor1 + view;
    PlayerState.x = Era02Anchor1 + x;
}

void StruckEverySecond(int frame) {
    if (frame % SoakWatch::kSecond == 0) --PlayerState.hp;
}

struct WatchCase {
    const char* what;
    void (*set)();
    void (*frame)(int n);
    // The first frame that may report, and the last by which it must; -1: none.
    int from, by;
    // Enter pressed every this many frames (0: never).
    int enterEvery = 0;
};

constexpr int kOut = SoakWatch::kOutOfViewFrames, kPinned = SoakWatch::kPinnedFrames,
              kQuiet = SoakWatch::kQuietFightFrames, kLine = SoakWatch::kUnclosedLineFrames;
constexpr int kFiveSeconds = 5 * SoakWatch::kSecond;

const WatchCase kCases[] = {
    {"out of the picture", [] { Standing(); PlayerState.x = ScrollX + 1500; }, [](int) {}, kOut, kOut},
    {"in door 6's frame at the edge of the room's view",
     [] {
         Standing();
         Era04AreaFlag = 1;
         ScrollX = Era04Door6 + 58;
         PlayerState.x = Era04Door6 + 17;
     },
     [](int) {}, -1, -1},
    {"in door 5's frame at the edge of the room's view west of it",
     [] {
         Standing();
         Era04AreaFlag = 1;
         ScrollX = Era04Door5 - 1077;
         PlayerState.x = Era04Door5 - 39;
     },
     [](int) {}, -1, -1},
    {"past door 6's frame, still under the room's view",
     [] {
         Standing();
         Era04AreaFlag = 1;
         ScrollX = Era04Door6 + 58;
         PlayerState.x = Era04Door6 - 60;
     },
     [](int) {}, kOut, kOut},
    {"out of the picture while a scene shows her what she is told of",
     [] {
         Standing();
         PlayerState.x = ScrollX + 1500;
         CameraMode = 99;
         HoldForTest(kHoldKeys);
     },
     [](int) {}, -1, -1},
    {"carried 700 px in a frame", Standing, [](int n) { PlayerState.x += n == 5 ? 700 : 0; }, 5, 5},
    {"pinned while struck", Standing, StruckEverySecond, kPinned, kPinned + 2 * SoakWatch::kSecond},
    {"kept at the ring's west end by round 3's opponent", [] { InRound3(kRingViewLeft, kRingLeft); },
     StruckEverySecond, -1, -1},
    {"kept in the middle of the ring in round 3", [] { InRound3(948, 1460); }, StruckEverySecond, kPinned,
     kPinned + 2 * SoakWatch::kSecond},
    {"struck while a line waits for her", [] {
         Standing();
         DialogueChannels.fieldLine = 108;
     },
     StruckEverySecond, -1, -1},
    {"a round with nothing landing", [] {
         Standing();
         TournamentBoundsLock = 1;
         TournamentState.state = 2;
         Round2Opponent.frame = 12;
     },
     [](int) {}, kQuiet, kQuiet + 1},
    {"the ring between rounds, its next opponent not out yet", [] {
         Standing();
         TournamentBoundsLock = 1;
         TournamentState.state = 2;
     },
     [](int) {}, -1, -1},
    {"a round with a blow a minute", [] {
         Standing();
         TournamentBoundsLock = 1;
     },
     [](int n) { TournamentState.opponentHp -= n % (60 * SoakWatch::kSecond) == 0 ? 10 : 0; }, -1, -1},
    {"a line up through Enter after Enter, nothing holding her", [] {
         Standing();
         DialogueChannels.fieldLine = 68;
     },
     [](int) {}, kLine + 1, kLine + 1, kFiveSeconds},
    {"a line up, nothing holding her, Enter never pressed", [] {
         Standing();
         DialogueChannels.fieldLine = 68;
     },
     [](int) {}, -1, -1},
    {"a line that holds her through Enter after Enter", [] {
         Standing();
         DialogueChannels.fieldLine = 68;
         HoldForTest(kHoldLine);
     },
     [](int) {}, -1, -1, kFiveSeconds},
    {"lines that go on at each Enter, nothing holding her", [] {
         Standing();
         DialogueChannels.fieldLine = 1;
     },
     [](int n) { DialogueChannels.fieldLine += n % kFiveSeconds == 0 ? 1 : 0; }, -1, -1, kFiveSeconds},
};

TEST(SoakWatch, SeesEachFaultAtItsLimitAndLetsPlayPass) {
    for (const WatchCase& c : kCases) {
        ResetToStartValues();
        c.set();
        SoakWatch watch;
        int seenAt = -1;
        for (int n = 0; n <= kQuiet + 100 && seenAt < 0; ++n) {
            if (c.enterEvery != 0 && n % c.enterEvery == 0) watch.NoteEnter();
            c.frame(n);
            if (!watch.Note(n).empty()) seenAt = n;
        }
        if (c.from < 0) {
            EXPECT_EQ(seenAt, -1) << c.what;
        } else {
            EXPECT_GE(seenAt, c.from) << c.what;
            EXPECT_LE(seenAt, c.by) << c.what;
        }
    }
}

// A fight whose figures wait in their room: she keeps away from them, or
// they meet (its owner holds her for the meeting, then lets her go) and
// nothing lands either way after.
struct WaitingFight {
    const char* what;
    void (*stand)();
    const HoldOwner& owner;
};

const WaitingFight kWaitingFights[] = {
    {"encounter A", [] { EncounterAFigure.drawn = 1; }, kEncounterAHold},
    {"encounter B", [] { EncounterBFigure.bodyPose = 2; }, kEncounterBHold},
    {"soldier fight 1", [] {
         Era04SoldierSlots.drawFlag = 1;
         Era04SoldierSlots.frame[1] = 1;
     },
     kSoldierFight1Hold},
    {"soldier fight 2", [] {
         Era04SoldierSlots.drawFlag = 1;
         Era04SoldierSlots.frame[1] = 20;
         Era04Progress.soldierFight1Done = 1;
     },
     kSoldierFight2Hold},
};

TEST(SoakWatch, CountsAWaitingFightFromItsMeeting) {
    for (const WaitingFight& c : kWaitingFights) {
        for (const bool met : {false, true}) {
            ResetToStartValues();
            Standing();
            c.stand();
            SoakWatch watch;
            int seenAt = -1;
            for (int n = 0; n <= kQuiet + 100 && seenAt < 0; ++n) {
                if (met && n == 10) {
                    HoldStep step(c.owner);
                    TakeHoldAsSheMovesOn(kHoldKeys);
                }
                if (met && n == 11) LetGoOfHeroine(c.owner);
                if (!watch.Note(n).empty()) seenAt = n;
            }
            EXPECT_EQ(seenAt, met ? 11 + kQuiet : -1) << c.what << (met ? ", met" : ", kept away from");
        }
    }
}

}  // namespace
