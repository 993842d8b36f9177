// The numbers of the arena that decide what the player sees: where the
// arrival starts and how the lift rides, how the crowd reacts, the first
// opponent's zones, blocks, pauses and struggle, the second opponent's strike
// zones, claw, catch and finale, the set pieces and the lines. Each routine
// is stepped by hand on a clock the test drives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "areas/message_tables.h"
#include "core/game_clock.h"
#include "core/game_flow.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/random.h"
#include "text/messages/area_texts.h"
#include "text/text_state.h"

namespace {

constexpr std::int32_t A = 45808, O = 47100;

void Tick(double s = 0.014) { GameClock.gameClock += s; }

// Seeds the generator so that its next draw is `value` (1..99).
void NextRoll(std::int32_t value) {
    for (std::uint32_t seed = 1; seed < 1000000; ++seed) {
        SeedRandom(seed);
        if (Random0To99() == value) {
            SeedRandom(seed);
            return;
        }
    }
    FAIL() << "no seed draws " << value;
}

TEST(Era02Arrival, TheAKeyStartsTheSceneOnlyNearTheLift) {
    struct Case {
        std::int32_t offset, step;
    };
    for (const Case c : {Case{69, -1}, Case{70, 0}, Case{-69, -1}, Case{-70, 0}}) {
        ArrivalScene = ArrivalSceneRecord{};
        ScrollX = 45400;
        PlayerState.x = A + 510 + c.offset;
        KeyAPressed = 1;
        RunEra02ArrivalScene();
        EXPECT_EQ(ArrivalScene.step, c.step) << "offset " << c.offset;
    }
}

TEST(Era02Arrival, TheRideMovesOnePixelEveryStageStep) {
    GameClock.gameClock = 100.0;
    ArrivalScene.liftX = A + 509;
    PlayerState.x = A + 516;
    StepArrivalLiftRide(0);
    for (int i = 1; i <= 50; ++i) {
        Tick();
        StepArrivalLiftRide(1);
        ASSERT_EQ(ArrivalScene.liftX, A + 509 + i);
        ASSERT_EQ(PlayerState.x, A + 516 + i);
    }
    EXPECT_EQ(ArrivalScene.turnAngle, 200);
}

TEST(Era02Crowd, EachDropGivesItsReaction) {
    struct Case {
        std::int32_t heroineLoss, opponentLoss;
        std::int32_t index, figure1, figure2;   // 11 whole crowd 2, 12 a wave from figure 1, 21 whole crowd 3
    };
    for (const Case c : {Case{5, 0, 2, 2, 2}, Case{6, 0, 1, 2, 0}, Case{6, 10, 3, 3, 3}}) {
        Era02RunWords = Era02RunWordsRecord{};
        Era02Crowd = Era02CrowdRecord{};
        RunCrowdReaction(0, 0);
        PlayerState.hp = 100;
        TournamentState.opponentHp = 700;
        UpdateCrowdReactions();
        PlayerState.hp -= c.heroineLoss;
        TournamentState.opponentHp -= c.opponentLoss;
        UpdateCrowdReactions();
        EXPECT_EQ(Era02Crowd.frameIndex, c.index) << c.heroineLoss << "/" << c.opponentLoss;
        EXPECT_EQ(Era02Crowd.figureFrame[0], c.figure1);
        EXPECT_EQ(Era02Crowd.figureFrame[1], c.figure2);
        for (int i = 0; i < 200; ++i) {
            Tick(0.05);
            UpdateCrowdReactions();
        }
    }
}

int CheerLoops() {
    int loops = 0, last = -1;
    RunCrowdCheer(0);
    for (int i = 0; i < 5000; ++i) {
        Tick(0.01);
        const int step = RunCrowdCheer(1);
        if (step == 2 && last != 2) ++loops;
        last = step;
        if (step == kStepDone) return loops;
    }
    return -1;
}

TEST(Era02Crowd, TheFirstCheerLoopsThreeTimesTheNextOnce) {
    GameClock.gameClock = 10.0;
    EXPECT_EQ(CheerLoops(), 3);
    EXPECT_EQ(CheerLoops(), 1);
    RunCrowdCheer(3);
    Tick(0.01);
    EXPECT_EQ(RunCrowdCheer(1), 2);
    EXPECT_EQ(Era02Crowd.frameIndex, 2) << "mode 3 skips the opening wait";
}

void PlaceRound1(std::int32_t distance, std::int32_t hp) {
    Round1Opponent = TournamentOpponentRecord{0, O + 1000, 640, 1, 0.3f, 0};
    Round1Opponent.frame = 1;
    PlayerState.x = O + 1000 + distance;
    PlayerState.y = 640;
    PlayerState.facing = -1;
    PlayerState.exp = 0;
    TournamentState.opponentHp = hp;
}

TEST(Era02Round1, BlowsScoreByZoneBlockOnTheRollAndKnockOutBelowMinus500) {
    struct Case {
        std::int32_t power, distance, hp, roll, code, hpAfter;
    };
    const Case cases[] = {
        {10, 60, -501, 50, 98, -501},   // upper D below -500: the knockout, no damage
        {10, 60, -500, 50, 4, -550},    // at -500 it still hurts
        {1, 60, 101, 70, 7, 101},       // 71 % blocks above 100 HP
        {1, 60, 101, 71, 1, 81},
        {1, 60, 100, 1, 1, 80},         // never blocked from 100 HP down
        {1, 30, 700, 50, 0, 700},       // right above her: nothing
        {50, 100, 700, 50, 6, 600},     // a standing Q blow meets the upper zone
    };
    for (const Case& c : cases) {
        PlaceRound1(c.distance, c.hp);
        PlayerAttackBox.power = c.power;
        NextRoll(c.roll);
        EXPECT_EQ(CheckRound1OpponentDamage(1), c.code) << c.power << " at " << c.hp;
        EXPECT_EQ(TournamentState.opponentHp, c.hpAfter);
    }
}

double TimeToFirstLunge(std::int32_t hp) {
    GameClock.gameClock = 50.0;
    PlaceRound1(800, hp);
    PlayerAttackBox.power = 0;
    RunRound1Fight(0);
    const double start = GameClock.gameClock;
    for (int i = 0; i < 1000; ++i) {
        RunRound1Fight(1);
        if (Round1Opponent.frame == 5) return GameClock.gameClock - start;
        Tick(0.01);
    }
    return -1;
}

TEST(Era02Round1, ThePauseIsTwoSecondsAbove100HpAndSixBelow) {
    EXPECT_NEAR(TimeToFirstLunge(101), 2.0, 0.011);
    EXPECT_NEAR(TimeToFirstLunge(100), 6.0, 0.011);
}

// A blow landing while the first catch's talk is up (a combo begun before
// the catch) leaves the talk to read on and end, and the catch with it.
TEST(Era02Round1, ABlowDuringTheFirstCatchsTalkDoesNotCutItOff) {
    const HoldStep round(kRound1Hold);   // the fight stepped as its round steps it
    GameClock.gameClock = 60.0;
    Era02RunWords = Era02RunWordsRecord{};
    PlaceRound1(60, 700);
    PlayerAttackBox.power = 0;
    RunRound1Fight(0);
    for (int i = 0; i < 1000 && DialogueChannels.fieldLine != 63; ++i) {
        Tick(0.01);
        RunRound1Fight(1);
    }
    ASSERT_EQ(DialogueChannels.fieldLine, 63) << "the first catch never talked";
    PlayerAttackBox.power = 1;
    Tick(0.01);
    RunRound1Fight(1);
    PlayerAttackBox.power = 0;
    for (int i = 0; i < 20 && Era02RunWords.firstCatchDone == 0; ++i) {
        Tick(0.01);
        if (EnterConfirmState == 1) EnterConfirmState = 2;
        RunRound1Fight(1);
    }
    EXPECT_EQ(Era02RunWords.firstCatchDone, 1);
    EXPECT_EQ(DialogueChannels.fieldLine, 0);
    EXPECT_EQ(EventHoldsPlayer, 0);
}

// The second phase up to a grab of the heroine, who stands still.
void GrabbedInTheSecondPhase() {
    GameClock.gameClock = 200.0;
    Era02RunWords.firstGrabDone = 1;
    Round1Opponent = TournamentOpponentRecord{22, O + 1000, 640, 1, 0.3f, 0};
    PlayerState.x = O + 1290;
    PlayerState.y = 640;
    PlayerState.facing = -1;
    PlayerState.hp = 9999;
    KeyDPressed = 0;
    RunRound1End(0);
    for (int i = 0; i < 500 && Round1Opponent.frame != 26; ++i) {
        Tick();
        RunRound1End(1);
    }
    ASSERT_EQ(Round1Opponent.frame, 26) << "she never grabbed the heroine";
}

TEST(Era02Round1, AStruggleWonBelowMinus2000EndsInTheFinalThrow) {
    struct Case {
        std::int32_t hpBeforeFree, heroineHp;
        bool finalThrow, squeezed;
    };
    for (const Case c : {Case{-1961, 9999, true, false}, Case{-1960, 9999, false, false}, Case{-1961, 150, false, true}}) {
        GrabbedInTheSecondPhase();
        TournamentState.opponentHp = c.hpBeforeFree;
        PlayerState.hp = c.heroineHp;
        KeyDPressed = 1;
        NextRoll(5);
        Tick();
        RunRound1End(1);
        EXPECT_EQ(TournamentState.opponentHp, c.hpBeforeFree - 40);
        if (c.squeezed) {
            EXPECT_EQ(Round1Opponent.frame, 31) << "150 HP is squeezed even after a win";
            continue;
        }
        EXPECT_EQ(KeyDPressed, c.finalThrow ? 0 : 1) << "thrown clear leaves D pressed";
        for (int i = 0; i < 250; ++i) {
            Tick();
            RunRound1End(1);
        }
        const bool lying = Round1Opponent.frame == 35 || Round1Opponent.frame == 36;
        EXPECT_EQ(lying, c.finalThrow) << "frame " << Round1Opponent.frame;
        EXPECT_EQ(DialogueChannels.storyLine, 0);
    }
}

TEST(Era02Round1, TheSqueezeHoldsAt100HpThenTheRoundIsLost) {
    GrabbedInTheSecondPhase();
    PlayerState.hp = 150;
    std::int32_t hpWhenLost = -1;
    bool hintInSqueeze = false;
    for (int i = 0; i < 3000 && GameFlow.phase != 902; ++i) {
        Tick();
        RunRound1End(1);
        if (hpWhenLost < 0 && Round1Opponent.frame == 32) hpWhenLost = PlayerState.hp;
        if (DialogueChannels.storyLine == 78 && PlayerState.hp > 100 && PlayerState.hp < 150) hintInSqueeze = true;
    }
    EXPECT_TRUE(hintInSqueeze) << "D gets through the squeeze";
    EXPECT_EQ(hpWhenLost, 100);
    EXPECT_EQ(GameFlow.phase, 902) << "the game over starts";
    EXPECT_EQ(PlayerState.hp, 0);
    EXPECT_EQ(DialogueChannels.storyLine, 0);
}

// Her three talks in the flight are a round's: a new game has all three
// again, not only those the last game left untold.
TEST(Era02Round2, ANewGameHasTheFlightsThreeTalksAgain) {
    for (std::int32_t& talk : Round2TalkEvents) talk = 9;
    ResetEra02Area();
    for (const std::int32_t talk : Round2TalkEvents) EXPECT_EQ(talk, 6);
}

TEST(Era02Round2, AStrikeAtTheCentreHurtsTheHeroine) {
    TournamentOpponentRecord& o = Round2Opponent;
    o = TournamentOpponentRecord{5, O + 1500, 500, 1, 0.3f, 0};
    // Frame 5 facing +1: the box runs from x + 41 - 150 to x + 41 - 15.
    const std::int32_t cx = (o.x + 41 - 150 + o.x + 41 - 15) / 2;
    struct Case {
        std::int32_t reachFromCentre, code, heroineHp, opponentHp;
    };
    for (const Case c : {Case{24, 8, 90, 700}, Case{25, 1, 100, 695}, Case{-24, 8, 90, 700}}) {
        PlayerState.hp = 100;
        TournamentState.opponentHp = 700;
        PlayerState.facing = 1;
        PlayerState.x = cx - c.reachFromCentre - 130;
        PlayerState.y = 500 + 58;
        PlayerAttackBox.power = 1;
        EXPECT_EQ(CheckRound2OpponentDamage(1), c.code) << c.reachFromCentre;
        EXPECT_EQ(PlayerState.hp, c.heroineHp);
        EXPECT_EQ(TournamentState.opponentHp, c.opponentHp);
    }
}

TEST(Era02Round2, TheClawReachesOut120Pixels) {
    for (const std::int32_t d : {119, 120}) {
        Round2Opponent = TournamentOpponentRecord{8, O + 1500, 400, 1, 0.3f, 0};
        PlayerState.x = O + 1500 - d;
        PlayerState.y = 470;
        PlayerState.pose = 1;
        RunRound2OpponentClaw(0);
        RunRound2OpponentClaw(1);
        EXPECT_EQ(Round2Opponent.frame, d < 120 ? 7 : 8) << d;
    }
}

TEST(Era02Round2, TheCatchThrowsTheHeroineAQuarterOfTheSwoop) {
    GameClock.gameClock = 30.0;
    Round2Opponent = TournamentOpponentRecord{7, O + 1500, 500, 1, 0.3f, 0};
    PlayerState.x = O + 1400;
    RunRound2Catch(0, 500);
    EXPECT_EQ(MessageBoxOpen, 1);
    Tick(0.4001);
    EXPECT_EQ(RunRound2Catch(1, 500), kStepDone);
    EXPECT_EQ(PlayerState.x, O + 1400 + 120);
    EXPECT_EQ(MessageBoxOpen, 0);
}

// The second opponent from the ceiling above the arena's middle, the heroine
// far to its left, stepped until it swoops; `under` puts her right under it
// while it turns back.
bool SwoopAtTheHeroine(bool under) {
    GameClock.gameClock = 40.0;
    Round2TalkEvents[0] = Round2TalkEvents[1] = Round2TalkEvents[2] = 6;
    Round2Opponent = TournamentOpponentRecord{4, O + 1600, 150, 1, 0.3f, 0};
    PlayerState.x = O + 300;
    PlayerState.y = 640;
    PlayerAttackBox.power = 0;
    RunRound2Fight(0);
    for (int i = 0; i < 400; ++i) {
        Tick();
        RunRound2Fight(1);
        if (under) PlayerState.x = Round2Opponent.x;
        if (Round2Opponent.frame == 5) return true;
    }
    return false;
}

TEST(Era02Round2, ASwoopStartingRightAboveTheHeroineDoesNotFault) {
    ASSERT_TRUE(SwoopAtTheHeroine(true));
    for (int i = 0; i < 20; ++i) {
        Tick();
        RunRound2Fight(1);
    }
    EXPECT_GT(Round2Opponent.y, 150) << "the swoop dips toward her";
}

// The talk first brings her opponent more than 99 px inside both edges of
// the view, 5 px a step; at exactly 100 px it goes on, or it would neither
// move the view nor go on.
TEST(Era02Round2, ATalkGoesOnOnceItsOpponentIs100PxInsideTheView) {
    struct Row {
        std::int32_t fromLeft;     // the opponent's x less ScrollX
        std::int32_t steps;        // steps until its line shows
        std::int32_t viewMoves;    // how far ScrollX has moved by then
    };
    constexpr Row rows[] = {{100, 1, 0}, {1024 - 100, 1, 0}, {95, 2, -5}, {1024 - 97, 2, 5}, {500, 1, 0}};
    for (const Row& r : rows) {
        GameClock.gameClock = 70.0;
        ScrollX = O + 500;
        Round2Opponent = TournamentOpponentRecord{10, ScrollX + r.fromLeft, 300, 1, 0.3f, 0};
        PlayerState.x = O + 1000;
        EndEveryHold();
        KeyLeftPressed = KeyRightPressed = 0;
        DialogueChannels.fieldLine = 0;
        RunRound2Talk(0);
        std::int32_t steps = 0;
        while (steps < 10 && DialogueChannels.fieldLine == 0) {
            RunRound2Talk(1);
            ++steps;
            Tick();
        }
        EXPECT_EQ(DialogueChannels.fieldLine, 87) << r.fromLeft;
        EXPECT_EQ(steps, r.steps) << r.fromLeft;
        EXPECT_EQ(ScrollX - (O + 500), r.viewMoves) << r.fromLeft;
        EXPECT_EQ(KeyLeftPressed + KeyRightPressed, 0) << r.fromLeft;
    }
}

// Within 123 px of a wall of the arena the opponent is never 100 px inside
// the view, which stops at the ring's bound: the talk goes on once the view
// stands there, or it would hold her, walking into the wall, with no line.
TEST(Era02Round2, ATalkByTheArenasWallGoesOnWithTheViewAtItsBound) {
    struct Row {
        std::int32_t opponentX, heroineX;
    };
    constexpr Row rows[] = {{O + 200, O + 700}, {O + 2730, O + 2300}};
    for (const Row& r : rows) {
        GameClock.gameClock = 70.0;
        TournamentBoundsLock = 1;
        PlayerState.x = r.heroineX;
        ScrollX = r.heroineX - 512;
        Round2Opponent = TournamentOpponentRecord{10, r.opponentX, 140, 1, 0.3f, 0};
        EndEveryHold();
        KeyLeftPressed = KeyRightPressed = 0;
        DialogueChannels.fieldLine = 0;
        RunRound2Talk(0);
        for (int steps = 0; steps < 600 && DialogueChannels.fieldLine == 0; ++steps) {
            RunRound2Talk(1);
            LimitEra02();
            Tick();
        }
        EXPECT_EQ(DialogueChannels.fieldLine, 87) << r.opponentX - O;
        EXPECT_EQ(KeyLeftPressed + KeyRightPressed, 0) << r.opponentX - O;
    }
    TournamentBoundsLock = 0;
    EndEveryHold();
}

// The game clock runs on while the menu's quit screen is up: a swoop left
// waiting there runs its whole course and far beyond in one step, and is
// brought back.
TEST(Era02Round2, ASwoopResumedAfterTheMenuEndsInsideTheArena) {
    ASSERT_TRUE(SwoopAtTheHeroine(false));
    Tick(110.0);
    RunRound2Fight(1);
    EXPECT_GE(Round2Opponent.x, O + 200);
    EXPECT_LE(Round2Opponent.x, O + 2730);
}

TEST(Era02Round2, TheThirdHopContactOpensTheFinale) {
    GameClock.gameClock = 60.0;
    Round2Opponent = TournamentOpponentRecord{12, O + 1400, 640, -1, 0.35f, 0};
    PlayerState.x = O + 1000;
    PlayerState.y = 640;
    PlayerMoveState.runX = 0;
    ScrollX = O + 900;
    RunRound2End(0);
    Round2ContactCount = 2;
    EXPECT_EQ(RunRound2End(1), 1);
    EXPECT_EQ(DialogueChannels.sideLine, 0);
    Round2ContactCount = 3;
    EXPECT_EQ(RunRound2End(1), 2);
    EXPECT_EQ(DialogueChannels.sideLine, 1);
}

TEST(Era02SetPieces, TheDoorStackAndTheMarkerPole) {
    struct Case {
        std::int32_t item, opening, level, y;
    };
    const Case cases[] = {
        {1, 0, 0, 569}, {1, 170, 0, 399}, {7, 0, 0, 426}, {8, 170, 0, 256}, {11, 0, 98, 557}, {11, 0, 0, 655},
    };
    for (const Case& c : cases) {
        Era02ArenaDoor.openingOffset = c.opening;
        TournamentGauge.value = c.level;
        SetEra02SetPieceSpriteB(c.item);
        EXPECT_EQ(PendingSprite.gno, 44);
        EXPECT_EQ(PendingSprite.posY, c.y) << "item " << c.item;
    }
    SetEra02SetPieceSpriteB(12);
    EXPECT_EQ(PendingSprite.gno, 0);
}

// The lines the Era02 block draws for `value` on `channel`.
std::vector<MessageLine> LinesOf(DialogueChannelField channel, std::int32_t value) {
    DialogueChannels = DialogueChannelsRecord{};
    DialogueChannels.*channel = value;
    std::vector<MessageLine> out;
    const AreaMessageTable& t = Era02MessageTable;
    for (std::size_t i = 0; i < t.count; ++i) {
        const AreaMessageEntry& e = t.entries[i];
        if (e.channel != channel || value < e.from || value > e.to) continue;
        if (e.gate != nullptr && !e.gate()) continue;
        for (std::int32_t k = 0; k < e.lineCount; ++k) out.push_back(e.lines[k]);
    }
    return out;
}

TEST(Era02Lines, TheHomecomingLineFollowsTheWeaponModeAndRemarksNeedAnEventLine) {
    PlayerState.weaponMode2 = 1;
    const std::vector<MessageLine> worn = LinesOf(&DialogueChannelsRecord::eventLine, 116);
    PlayerState.weaponMode2 = 0;
    const std::vector<MessageLine> plain = LinesOf(&DialogueChannelsRecord::eventLine, 116);
    ASSERT_EQ(worn.size(), 1u);
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_STRNE(worn[0].text, plain[0].text);
    EXPECT_TRUE(LinesOf(&DialogueChannelsRecord::roundLine, 3).empty()) << "no remark without an event line";
    for (std::int32_t v = 1; v <= 6; ++v) {
        DialogueChannels = DialogueChannelsRecord{};
        DialogueChannels.eventLine = 136;
        DialogueChannels.roundLine = v;
        std::size_t n = 0;
        const AreaMessageTable& t = Era02MessageTable;
        for (std::size_t i = 0; i < t.count; ++i) {
            const AreaMessageEntry& e = t.entries[i];
            if (e.channel == &DialogueChannelsRecord::roundLine && v >= e.from && v <= e.to && e.gate()) ++n;
        }
        EXPECT_EQ(n, v <= 5 ? 1u : 0u) << "remark " << v;
    }
}

}  // namespace
