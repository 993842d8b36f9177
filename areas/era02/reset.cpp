// Start values of the area's words, written by every data reset.
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"

void ResetEra02Area() {
    // The rounds keep private step words: a game over in mid-round followed
    // by a load must find each round at its start, not where it was left.
    RunRound1(0);
    RunRound2(0);
    RunRound3(0);
    RunRound4(0);
    ResetEra02EventSlots();
    ResetRound3BurstCounter();
    ResetRound3Idle();
    ResetRound4RunCounters();
    ResetRound4WallTalk();
    ResetEra02StandsDrawing();

    // The arrival waits at its first step with the talk indicator shown and
    // its save spot shut, as in the program's first game (a load brings the
    // saved words back afterwards).
    ArrivalScene = ArrivalSceneRecord{};
    ArrivalScene.drawFlag = 1;
    ArrivalViewLock = 0;
    Era02ArenaDoor = Era02ArenaDoorRecord{};
    TournamentState = TournamentStateRecord{};
    TournamentGauge = TournamentGaugeRecord{};
    TournamentBanner = 1;
    BannerShakeX = 0;
    TournamentBoundsLock = 0;
    Era02Crowd = Era02CrowdRecord{};
    Round1Opponent = Round2Opponent = Round3Opponent = Round4Opponent = TournamentOpponentRecord{};
    Round2ContactCount = 0;
    Round3Scene = Round3SceneRecord{};
    Era02EventsUnlocked = 0;
    Era02RunWords = Era02RunWordsRecord{};
    Era02EventsState = 0;
}
