// The tournament: four rounds one after the other. A round that reports 99
// arms the next in the same call, and that round's first step runs at once.
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/hud.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"


double SinceStamp(double& stamp) {
    StampAheadToZero(stamp, GameNow());
    return GameNow() - stamp;
}

void PlayEra02Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

bool RiseOntoRing(std::int32_t& oppY, std::int32_t& rise, double t) {
    oppY = 483 + rise;
    rise = 200 - RateMove(kRingRisePerSecond, t);
    if (rise >= 0) return false;
    rise = 0;
    oppY = 483;
    return true;
}

bool DrainGauge(double t) {
    TournamentGaugeRecord& g = TournamentGauge;
    g.value = 98 - RateMove(kGaugeDrainPerSecond, t);
    if (g.value >= 0) return false;
    g.value = 0;
    g.shown = 1;
    PlayEra02Sound(110);
    return true;
}

std::int32_t RaisePlatform(double t) {
    std::int32_t& h = TournamentState.platformHeight;
    h = h < 210 ? RateMove(kPlatformRisePerSecond, t) : 209;
    if (h > 209) h = 209;
    return h;
}

bool OpenArenaDoor(double t) {
    std::int32_t& open = Era02ArenaDoor.openingOffset;
    if (open >= 170) {
        open = 170;
        PlayEra02Sound(84);
        return true;
    }
    open = RateMove(kRingRisePerSecond, t);
    return false;
}

bool CloseArenaDoor(double t) {
    std::int32_t& open = Era02ArenaDoor.openingOffset;
    if (open < 1) {
        open = 0;
        PlayEra02Sound(93);
        return true;
    }
    open = TruncToInt(170 - 61.151079136690655 * t);
    return false;
}

void RunTournament() {
    TournamentStateRecord& t = TournamentState;
    if (t.state != 5) TournamentBoundsLock = 1;
    if (t.state == 0) {
        t.state = 1;
        RunRound1(0);
        PlayerHurtPoseRequest = 0;
    }
    if (t.state == 1 && RunRound1(1) == kStepDone) {
        t.state = 2;
        RunRound2(0);
    }
    if (t.state == 2 && RunRound2(1) == kStepDone) {
        t.state = 3;
        RunRound3(0);
    }
    if (t.state == 3 && RunRound3(1) == kStepDone) {
        t.state = 4;
        RunRound4(0);
    }
    if (t.state == 4 && RunRound4(1) == kStepDone) {
        t.state = 5;
        TournamentBoundsLock = 0;
    }
}
