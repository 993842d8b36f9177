// The tournament: four rounds one after the other. A round that reports 99
// arms the next in the same call, and that round's first step runs at once.
#include <cstdlib>

#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/floors.h"
#include "core/holds.h"
#include "core/hud.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "core/textures.h"
#include "text/text_state.h"


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

bool RiseOntoRingLagged(std::int32_t& oppY, std::int32_t& rise, double t) {
    oppY = 483 + rise;
    if (rise >= 0) {
        rise = 200 - RateMove(kRingRisePerSecond, t);
        return false;
    }
    oppY = 483;
    rise = 0;
    return true;
}

bool FillGauge(double t) {
    TournamentGaugeRecord& g = TournamentGauge;
    g.shown = 1;
    g.value = RateMove(35.35714285714286, t);
    if (g.value < 98) return false;
    g.value = 98;
    return true;
}

bool DrainGaugeLagged(double t) {
    TournamentGaugeRecord& g = TournamentGauge;
    if (g.value >= 0) {
        g.value = 98 - RateMove(kGaugeDrainPerSecond, t);
        return false;
    }
    g.value = 0;
    g.shown = 1;
    PlayEra02Sound(110);
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

std::int32_t StepRound(const RoundRow& row, std::int32_t& step, std::int32_t mode) {
    if (mode == 0) {
        step = 0;
        row.entrance(0);
        return step;
    }
    // Once the fight is over the sheet is no longer wanted: asking for it
    // again would load it back after it was freed.
    if (step != kStepDone) RequestTexture(row.texture);
    if (step == 0) {
        row.entrance(0);
        step = 1;
    }
    if (step == 1 && row.entrance(1) == kStepDone) {
        row.fight(0);
        if (row.fightArmed != nullptr) row.fightArmed();
        step = 2;
    }
    // The next round asks for its sheet in the frame this fight ends: it is
    // made ahead while this one runs, so that frame only hands it over.
    if (step == 2 && row.nextTexture != 0) WantTextureSoon(row.nextTexture);
    if (step == 2 && row.fight(1) == kStepDone) {
        if (TextureFlags[row.texture] != 0) FreeGraphic(9000 + row.texture);
        if (row.fightOver != nullptr) row.fightOver();
        // The round is over: it holds her no more, and the next round,
        // armed in this same step, starts with her free.
        LetGoOfHeroine();
        step = kStepDone;
    }
    if (step >= 2 && PlayerState.pose == 1) PlayerState.pose = 22;
    return step;
}

void ArmEntrance(TournamentOpponentRecord& opponent, std::int32_t x, std::int32_t hp, std::int32_t& line) {
    opponent.x = x;
    opponent.y = 481;
    opponent.frame = 0;
    opponent.depth = 0.72f;
    TournamentState.opponentHp = hp;
    TournamentState.platformHeight = 0;
    TournamentBanner = 1;
    line = 0;
    EnterConfirmState = 0;
    LetGoOfHeroine();
    KeyAPressed = 0;
    RunCrowdCheer(0);
}

void StartEntranceGauge(double& stamp) {
    KeyAPressed = 0;
    stamp = GameNow();
    if (TournamentGauge.value < 98) {
        PlayEra02Sound(108);
        CameraMode = 1;
    }
}

void StartRise(std::int32_t& line, std::int32_t& rise, double& stamp) {
    CloseLine(line);
    rise = 200;
    stamp = GameNow();
    PlayEra02Sound(110);
}

void StartCrowdCheer(std::int32_t& line, double& stamp) {
    CloseLine(line);
    PlayEra02Sound(108);
    RunCrowdCheer(2);
    stamp = GameNow();
}

void ScrollToward(std::int32_t target) {
    if (ScrollX <= target - 1) ++ScrollX;
    else if (ScrollX >= target + 1) --ScrollX;
}

void HoldAtTheMarker(std::int32_t opponentX) {
    KeyAPressed = 0;
    TakeHoldOfHeroine(kHoldKeys | kHoldMenu);
    if (opponentX != PlayerState.x) PlayerState.facing = opponentX > PlayerState.x ? 1 : -1;
}

namespace {

bool StepEntranceOpening(EntranceSteps& entrance, TournamentOpponentRecord& opponent, std::int32_t& line,
                         std::int32_t firstLine) {
    // Each step times itself from the stamp as it stands when the step runs,
    // so a step entered in this call starts at t = 0.
    const auto since = [&entrance] { return GameNow() - entrance.stamp; };
    if (entrance.step == 0) {
        StartEntranceGauge(entrance.stamp);
        entrance.step = 1;
    }
    if (entrance.step == 1) {
        KeyAPressed = 0;
        if (FillGauge(since())) {
            entrance.stamp = GameNow();
            entrance.step = 2;
        }
    }
    if (entrance.step == 2 && KeyAPressed == 1 && std::abs(PlayerState.x - (Era02Anchor1 + 1458)) < 129) {
        HoldAtTheMarker(opponent.x);
        OpenLine(line, firstLine);
        entrance.heldScroll = ScrollX;
        entrance.step = 3;
    }
    if (entrance.step == 3) {
        PlayerState.pose = 40;
        if (LineRead()) {
            StartRise(line, entrance.rise, entrance.stamp);
            entrance.step = 4;
        }
    }
    if (entrance.step != 4) return false;
    PlayerState.pose = 40;
    if (opponent.frame == 0) opponent.frame = 1;
    return RiseOntoRing(opponent.y, entrance.rise, since());
}

bool StepEntranceRingTalk(EntranceSteps& entrance, std::int32_t& line, std::int32_t lastRingLine) {
    std::int32_t& step = entrance.step;
    // One step a line; a step entered in this call runs on in it.
    for (std::int32_t lineStep = 5; lineStep <= 6; ++lineStep) {
        if (step != lineStep) continue;
        PlayerState.pose = 40;
        TournamentBanner = line < lastRingLine ? 3 : 4;
        if (!LineRead()) continue;
        if (line < lastRingLine) {
            AdvanceLine(line, line + 1);
            step = lineStep + 1;
        } else {
            StartCrowdCheer(line, entrance.stamp);
            step = 7;
        }
    }
    if (step == 7) {
        PlayerState.pose = 40;
        RunCrowdCheer(1);
        TournamentBanner = 3;
        if (DrainGauge(GameNow() - entrance.stamp)) {
            entrance.stamp = GameNow();
            step = 8;
        }
    }
    if (step != 8) return false;
    PlayerState.pose = 40;
    TournamentBanner = 2;
    const std::int32_t height = RaisePlatform(GameNow() - entrance.stamp);
    return RunCrowdCheer(1) == kStepDone && height == 209 && TournamentGauge.value == 0;
}

}  // namespace

bool StepEntranceToPlatform(EntranceSteps& entrance, TournamentOpponentRecord& opponent, std::int32_t& line,
                            const EntranceLines& lines) {
    if (StepEntranceOpening(entrance, opponent, line, lines.marker)) {
        OpenLine(line, lines.firstRing);
        entrance.step = 5;
    }
    if (!StepEntranceRingTalk(entrance, line, lines.lastRing)) return false;
    OpenLine(line, lines.platform);
    entrance.step = 9;
    return true;
}

void ArmEntrance(EntranceSteps& entrance, TournamentOpponentRecord& opponent, std::int32_t x, std::int32_t& line) {
    entrance = EntranceSteps{};
    opponent.angle = 0;
    ArmEntrance(opponent, x, 700, line);
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
