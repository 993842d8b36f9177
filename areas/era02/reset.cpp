// Start values of the area's words, written by every data reset.
#include "areas/era02/calls.h"
#include "areas/era02/records.h"


void ResetEra02Area() {
    ArrivalScene = ArrivalSceneRecord{};
    ArrivalScene.step = 1;
    ArrivalViewLock = 0;
    Era02ArenaDoor = Era02ArenaDoorRecord{};
    TournamentState = TournamentStateRecord{};
    TournamentBanner = 1;
    TournamentBoundsLock = 0;
    Era02Crowd = Era02CrowdRecord{};
    Round1Opponent = Round2Opponent = Round3Opponent = Round4Opponent = TournamentOpponentRecord{};
    Era02EventsUnlocked = 0;
    Era02EventsState = 0;
}
