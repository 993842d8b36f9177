// Start values of the area's words, written by every data reset.
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"

void ResetEra02Area() {
    // Every file's own records as the program starts with them: a new game
    // (or a load) after another in the same program meets what the first
    // game met, not the steps, stamps and places the last one left.
    ResetArrivalWords();
    ResetCrowdWords();
    ResetRound1Words();
    ResetRound1ActionWords();
    ResetRound1EndWords();
    ResetRound2Words();
    ResetRound2ActionWords();
    ResetRound2EndWords();
    ResetRound3Words();
    ResetRound3GlowWords();
    ResetRound3HitWords();
    ResetRound3LeapWords();
    ResetRound3MoveWords();
    ResetRound4Words();
    ResetRound4AttackWords();
    ResetRound4HitWords();
    ResetTournamentCloseWords();
    ResetEra02EventWords();
    ResetErrandWords();
    ResetEra02StandsDrawing();
    // Then the rounds armed from there, as every data reset arms them: a
    // game over in mid-round followed by a load finds each round at its
    // start, not where it was left.
    RunRound1(0);
    RunRound2(0);
    RunRound3(0);
    RunRound4(0);

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
    for (std::int32_t& talk : Round2TalkEvents) talk = 6;
    Round2ContactCount = 0;
    Round3Scene = Round3SceneRecord{};
    Era02EventsUnlocked = 0;
    Era02RunWords = Era02RunWordsRecord{};
    Era02EventsState = 0;
}
