// The soak's watch sees each fault it looks for, at the frame its limit
// passes, and lets the play that only looks like one pass.
#include "support/soak_watch.h"

#include "core/area_flags.h"
#include "core/floors.h"

#include <gtest/gtest.h>

#include "areas/era00_era01/records.h"
#include "areas/era02/records.h"
#include "areas/era03/records.h"
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
    GameFlow.bootFlag = 0;
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

void InRound1(std::int32_t x) {
    Standing();
    TournamentBoundsLock = 1;
    TournamentState.state = 1;
    Round1Opponent.frame = 4;
    Round1Opponent.x = Era02Anchor1 + 1500;
    PlayerState.x = Era02Anchor1 + x;
    ScrollX = PlayerState.x - 500;
}

// The arrows the keys hold through each frame of a case.
bool LeftHeld = false, RightHeld = false;

// Round 2's end, its opponent crawling at `opponent` and she at `x` from
// the arena's origin, the view on her.
void InRound2sEnd(std::int32_t opponent, std::int32_t x) {
    Standing();
    TournamentBoundsLock = 1;
    TournamentState.state = 2;
    Round2Opponent.frame = 12;
    Round2Opponent.depth = 0.35f;
    Round2Opponent.y = 640;
    Round2Opponent.x = Era02Anchor1 + opponent;
    PlayerState.x = Era02Anchor1 + x;
    ScrollX = PlayerState.x - 500;
}

// Struck every second where she stands, as the keys try to walk her off one
// way and the other, knocked back a little each time.
void StruckWalkingBothWays(int frame) {
    const bool right = frame / SoakWatch::kSecond % 2 == 0;
    LeftHeld = !right;
    RightHeld = right;
    if (frame % SoakWatch::kSecond != 0) return;
    --PlayerState.hp;
    PlayerState.pose = 2;
    PlayerState.facing = right ? 1 : -1;
    PlayerState.x += right ? 20 : -20;
}

// The same, the keys always walking her into the wall at her right.
void StruckWalkingIntoAWall(int frame) {
    StruckWalkingBothWays(frame);
    LeftHeld = false;
    RightHeld = true;
    PlayerState.facing = 1;
}

// Struck every two seconds where she stands, each blow's hurt pose
// outlasting the gap to the next: the keys try both ways and she never
// walks a step.
void StunLockedInPlace(int frame) {
    LeftHeld = frame / SoakWatch::kSecond % 2 == 0;
    RightHeld = !LeftHeld;
    PlayerState.pose = 84;
    if (frame % (2 * SoakWatch::kSecond) == 0) PlayerState.hp -= 10;
}

// The same, each blow knocking her 20 px one way or the other.
void StunLocked(int frame) {
    StunLockedInPlace(frame);
    if (frame % (2 * SoakWatch::kSecond) == 0) PlayerState.x += frame / (2 * SoakWatch::kSecond) % 2 == 0 ? 20 : -20;
}

// The Era03 arena with enemy 2 met: her blows and its come to nothing, and
// what she loses is to the wall's post behind her, which throws her back
// 100 px from it every ten seconds as the keys walk her into it.
void InTheEra03Arena() {
    Standing();
    Era03AreaFlag = 1;
    Era03ArenaEncounter.controllerState = 5;
    Era03ArenaEnemy2.pose = 1;
    Era03ArenaEnemy2.x = PlayerState.x + 150;
    PlayerState.facing = 1;
    Era03ArenaHazardPost.x = PlayerState.x - 100;
}
void ThrownByThePost(int frame) {
    const bool touch = frame % (10 * SoakWatch::kSecond) == 0;
    PlayerState.hp -= touch ? 50 : 0;
    PlayerState.pose = touch ? 27 : 1;
}
void StruckByEnemy2(int frame) { PlayerState.hp -= frame % (10 * SoakWatch::kSecond) == 0 ? 50 : 0; }

struct WatchCase {
    const char* what;
    void (*set)();
    void (*frame)(int n);
    // The first frame that may report, and the last by which it must; -1: none.
    int from, by;
    // Enter pressed every this many frames (0: never).
    int enterEvery = 0;
    // From this frame for kVisit frames, the in-game menu (or the title,
    // which begins another game); -1: never.
    int visitAt = -1;
    bool title = false;
};

constexpr int kOut = SoakWatch::kOutOfViewFrames, kPinned = SoakWatch::kPinnedFrames,
              kQuiet = SoakWatch::kQuietFightFrames, kMetQuiet = SoakWatch::kMetQuietFrames,
              kLine = SoakWatch::kUnclosedLineFrames;
constexpr int kHold = SoakWatch::kLongestHoldFrames;
constexpr int kFiveSeconds = 5 * SoakWatch::kSecond;
// A menu visit of half a minute, from the middle of a count.
constexpr int kVisit = 30 * SoakWatch::kSecond;

void ARoundWithNothingLanding() {
    Standing();
    TournamentBoundsLock = 1;
    TournamentState.state = 2;
    Round2Opponent.frame = 3;
}

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
         DialogueChannels.fieldLine = 108;
     },
     [](int) {}, -1, -1},
    {"out of the picture while enemy 2's yielding scene pans to boss 1 and walks her back",
     [] {
         Standing();
         PlayerState.x = ScrollX + 1500;
         Era03ArenaEncounter.controllerState = 5;
         Era03ArenaEnemy2.guardBreaks = 3;
     },
     // Its fight's blows land now and then meanwhile.
     [](int n) { Era03ArenaEnemy2.hp -= n % SoakWatch::kSecond == 0 ? 1 : 0; }, -1, -1},
    {"carried 700 px in a frame", Standing, [](int n) { PlayerState.x += n == 5 ? 700 : 0; }, 5, 5},
    {"pinned while struck", Standing, StruckWalkingBothWays, kPinned, kPinned + 2 * SoakWatch::kSecond},
    {"struck walking into a wall, never turning", Standing, StruckWalkingIntoAWall, -1, -1},
    {"stun-locked in her hurt pose, the keys trying both ways", Standing, StunLocked, kPinned,
     kPinned + 2 * SoakWatch::kSecond},
    {"her x held in her hurt pose, the keys trying both ways", Standing, StunLockedInPlace, kHold + 1, kHold + 1},
    {"her x held at a wall, ← pressed only in the midst of her own blows", Standing,
     [](int n) {
         StunLockedInPlace(n);
         PlayerState.pose = 22;
         PlayerMoveState.comboS = LeftHeld ? 1 : 0;
     },
     -1, -1},
    {"kept at the ring's west end by round 3's opponent", [] { InRound3(kRingViewLeft, kRingLeft); },
     StruckWalkingBothWays, -1, -1},
    {"held at the ring's west end in her hurt pose by round 3's opponent", [] { InRound3(kRingViewLeft, kRingLeft); },
     StunLockedInPlace, -1, -1},
    {"kept in the middle of the ring in round 3", [] { InRound3(948, 1460); }, StruckWalkingBothWays, kPinned,
     kPinned + 2 * SoakWatch::kSecond},
    {"struck while a line waits for her", [] {
         Standing();
         DialogueChannels.fieldLine = 108;
     },
     StruckWalkingBothWays, -1, -1},
    {"a round with nothing landing", ARoundWithNothingLanding, [](int) {}, kQuiet, kQuiet + 1},
    // Out of its reach at an end, for minutes on end: it waits for nobody.
    {"round 1 with nothing landing, she at the ring's east end its opponent turns back from",
     [] { InRound1(2800); }, [](int) {}, kMetQuiet + 1, kMetQuiet + 1},
    {"round 1 with nothing landing, she in the middle of the ring", [] { InRound1(1400); }, [](int) {}, kQuiet,
     kQuiet + 1},
    {"round 1 with nothing landing, its opponent beside her at the ring's east end", [] {
         InRound1(2800);
         Round1Opponent.x = PlayerState.x - 60;
     },
     [](int) {}, kQuiet + 1, kQuiet + 1},
    {"round 1 with a blow every two minutes, she at an end of the ring out of its reach", [] { InRound1(2800); },
     [](int n) { TournamentState.opponentHp -= n % (120 * SoakWatch::kSecond) == 0 ? 10 : 0; }, -1, -1},
    // Round 2's end: its opponent crawls until she comes back to the
    // ring's middle stretch with it in the picture.
    {"round 2's end, its opponent crawling in the picture, she in the middle", [] { InRound2sEnd(1500, 1900); },
     [](int) {}, kQuiet + 1, kQuiet + 1},
    {"round 2's end, its opponent crawling, she at the ring's east end", [] { InRound2sEnd(1197, 2800); },
     [](int) {}, kMetQuiet + 1, kMetQuiet + 1},
    {"round 2's end, she running at it and it hopping over her now and then", [] { InRound2sEnd(1500, 1900); },
     [](int n) { Round2Opponent.y = n % (120 * SoakWatch::kSecond) < 30 ? 500 : 640; }, -1, -1},
    {"round 2's end, a hop touching her now and then", [] { InRound2sEnd(1500, 1900); },
     [](int n) { Round2ContactCount += n % (120 * SoakWatch::kSecond) == 0 ? 1 : 0; }, -1, -1},
    {"the Era03 arena, the post's throws all she loses", [] { InTheEra03Arena(); }, ThrownByThePost, kQuiet + 1,
     kQuiet + 1},
    {"the Era03 arena, enemy 2 waiting in its corner for her, the post's throws all she loses", [] {
         InTheEra03Arena();
         Era03ArenaEnemy2.pose = 0;
     },
     ThrownByThePost, -1, -1},
    // Enemy 2 only answers her blows: behind her it waits, but not for
    // ever.
    {"the Era03 arena, enemy 2 behind her, nothing landing", [] {
         InTheEra03Arena();
         PlayerState.facing = -1;
     },
     [](int) {}, kMetQuiet + 1, kMetQuiet + 1},
    {"the Era03 arena, enemy 3 in the picture, nothing landing", [] {
         InTheEra03Arena();
         Era03ArenaEncounter.controllerState = 7;
         Era03ArenaEnemy3.x = PlayerState.x + 300;
     },
     [](int) {}, kQuiet + 1, kQuiet + 1},
    {"the Era03 arena, enemy 3 waiting out of the picture for the view", [] {
         InTheEra03Arena();
         Era03ArenaEncounter.controllerState = 7;
         Era03ArenaEnemy3.x = ScrollX + 1300;
     },
     [](int) {}, kMetQuiet + 1, kMetQuiet + 1},
    {"the Era03 arena, enemy 2's blows landing", [] { InTheEra03Arena(); }, StruckByEnemy2, -1, -1},
    // The menu stops the world: a visit pauses each count, and the count
    // goes on from where it stood.
    {"a round with nothing landing, the menu visited", ARoundWithNothingLanding, [](int) {}, kQuiet + kVisit,
     kQuiet + kVisit + 1, 0, 1000},
    {"a round with nothing landing, a new game begun from the title", ARoundWithNothingLanding, [](int) {},
     1000 + kVisit + kQuiet, 1000 + kVisit + kQuiet + 1, 0, 1000, true},
    {"out of the picture, the menu visited", [] { Standing(); PlayerState.x = ScrollX + 1500; }, [](int) {},
     kOut + kVisit, kOut + kVisit, 0, 100},
    {"pinned while struck, the menu visited", Standing, StruckWalkingBothWays, kPinned + kVisit,
     kPinned + kVisit + 2 * SoakWatch::kSecond, 0, 1000},
    {"held with no line shown", [] { Standing(); }, [](int) { HoldForTest(kHoldKeys); }, kHold, kHold},
    {"held with no line shown, the menu visited", [] { Standing(); }, [](int) { HoldForTest(kHoldKeys); },
     kHold + kVisit, kHold + kVisit, 0, 1000},
    {"held while a line waits for her", [] {
         Standing();
         DialogueChannels.fieldLine = 108;
     },
     [](int) { HoldForTest(kHoldKeys); }, -1, -1},
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
    {"a line up through Enter after Enter, nothing holding her, the menu visited", [] {
         Standing();
         DialogueChannels.fieldLine = 68;
     },
     [](int) {}, kLine + 1 + kVisit, kLine + 1 + kVisit, kFiveSeconds, 1000},
    {"a line up, nothing holding her, Enter pressed only on the menu", [] {
         Standing();
         DialogueChannels.fieldLine = 68;
     },
     [](int) {}, -1, -1, 0, 1000},
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
        LeftHeld = RightHeld = false;
        int seenAt = -1;
        for (int n = 0; n <= kMetQuiet + kVisit + 2000 && seenAt < 0; ++n) {
            const bool away = c.visitAt >= 0 && n >= c.visitAt && n < c.visitAt + kVisit;
            GameFlow.phase = away ? 0 : 1;
            GameFlow.bootFlag = away && c.title ? 1 : 0;
            // Enter on the menu, in the case that presses it nowhere else.
            if ((c.enterEvery != 0 && n % c.enterEvery == 0) || (c.enterEvery == 0 && away)) watch.NoteEnter();
            c.frame(n);
            watch.NoteArrows(LeftHeld, RightHeld);
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
// nothing lands either way after; its figures may then wait out of her
// sight for a while (the second soldier fight's fighters at their end of
// the room), which pauses the count, but not for minutes on end (a figure
// lost beyond its room's wall).
struct WaitingFight {
    const char* what;
    // Its figures standing in the picture.
    void (*stand)();
    // Out of the fight for her, while they stand.
    void (*hide)();
    // The hold of her its meeting takes, or nullptr where `meet` meets her.
    const HoldOwner* owner;
    // False: what stands there is no fight (yet, or any more).
    bool fights = true;
    void (*meet)() = nullptr;
};

void SoldierAt(std::int32_t x, std::int32_t frame) {
    Era04SoldierSlots.drawFlag = 1;
    Era04SoldierSlots.frame[1] = frame;
    Era04SoldierSlots.hp[1] = 600;
    Era04SoldierSlots.x[1] = x;
}

const WaitingFight kWaitingFights[] = {
    {"encounter A", [] {
         EncounterAFigure.drawn = 1;
         EncounterAFigure.x = 5200;
     },
     [] { EncounterAFigure.x = 7000; }, &kEncounterAHold},
    {"encounter B", [] {
         EncounterBFigure.bodyPose = 2;
         EncounterBFigure.x = 5200;
     },
     [] { EncounterBFigure.x = 3000; }, &kEncounterBHold},
    {"soldier fight 1", [] { SoldierAt(5200, 1); }, [] { SoldierAt(7000, 1); }, &kSoldierFight1Hold},
    {"soldier fight 1, the errand given", [] {
         SoldierAt(5200, 1);
         ErrandState = 1;
     },
     [] {}, &kSoldierFight1Hold, false},
    // Met at its alert, which sends its fighters to an end of the room.
    {"soldier fight 2", [] {
         SoldierAt(5200, 3);
         Era04Progress.soldierFight1Done = 1;
     },
     [] { SoldierAt(7000, 3); }, nullptr, true, [] { Fight2Side = 1; }},
    // Its row to attention, its talk holding her before she strikes
    // soldier 4, is no fight.
    {"soldier fight 2, the row to attention", [] {
         SoldierAt(5200, 20);
         Era04Progress.soldierFight1Done = 1;
     },
     [] {}, &kSoldierFight2Hold, false},
};

TEST(SoakWatch, CountsAWaitingFightFromItsMeetingWhileItsFiguresAreInSight) {
    constexpr int kHiddenFrom = 1000, kHiddenFor = 5000;
    enum { kKeptAway, kMet, kMetThenHidden, kMetThenLost };
    for (const WaitingFight& c : kWaitingFights) {
        for (const int how : {kKeptAway, kMet, kMetThenHidden, kMetThenLost}) {
            ResetToStartValues();
            Standing();
            c.stand();
            SoakWatch watch;
            int seenAt = -1;
            for (int n = 0; n <= kMetQuiet + 100 && seenAt < 0; ++n) {
                if (how != kKeptAway && n == 10 && c.meet != nullptr) c.meet();
                if (how != kKeptAway && n == 10 && c.owner != nullptr) {
                    HoldStep step(*c.owner);
                    TakeHoldAsSheMovesOn(kHoldKeys);
                }
                if (how != kKeptAway && n == 11 && c.owner != nullptr) LetGoOfHeroine(*c.owner);
                if ((how == kMetThenHidden || how == kMetThenLost) && n == kHiddenFrom) c.hide();
                if (how == kMetThenHidden && n == kHiddenFrom + kHiddenFor) c.stand();
                if (!watch.Note(n).empty()) seenAt = n;
            }
            const int expected = how == kKeptAway || !c.fights ? -1
                                 : how == kMet                ? 11 + kQuiet
                                 : how == kMetThenHidden      ? 11 + kQuiet + kHiddenFor
                                                              : 11 + kMetQuiet;
            EXPECT_EQ(seenAt, expected) << c.what << (how == kKeptAway        ? ", kept away from"
                                                      : how == kMet           ? ", met"
                                                      : how == kMetThenHidden ? ", met, then out of sight for a while"
                                                                              : ", met, then out of sight for good");
        }
    }
}

}  // namespace
