// The six crowd figures of the arena: a long timed cheer that scenes start,
// three short reactions to a hit, and the watcher that the fights call every
// step to react when either fighter loses HP.
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

// The periods are single-precision values widened to double, as the cheer
// has always counted them.
constexpr double kLongPeriod = static_cast<double>(0.3f);
constexpr double kShortPeriod = static_cast<double>(0.23f);
constexpr double kReactionPeriod = static_cast<double>(0.23f);

struct CrowdMotion {
    std::int32_t cheerStep = 1;
    double period = kLongPeriod;
    double cheerStamp = 0;
    std::int32_t reactionStep = 1;
    double reactionStamp = 0;
    std::int32_t kind = 0;
};
CrowdMotion Crowd;

}  // namespace

void ResetCrowdWords() { Crowd = CrowdMotion{}; }

namespace {

// One row of the cheer: the index it shows and its wait in periods (0 for
// the first row's fixed 3.0 s).
struct CheerRow {
    std::int32_t index;
    double periods;
};
constexpr CheerRow kCheer[20] = {
    {2, 0},   {1, 0},   {2, 1},   {3, 1}, {1, 2}, {2, 1}, {4, 1}, {1, 2}, {4, 1}, {1, 1},
    {3, 1},   {1, 1},   {2, 1},   {4, 1}, {1, 2}, {3, 2}, {1, 1}, {2, 1.2}, {4, 1}, {1, 2},
};

void NextCheerStep(std::int32_t step, bool sound) {
    Crowd.cheerStep = step;
    Crowd.cheerStamp = GameNow();
    if (sound) PlayEra02Sound(86);
}

void StepCheer() {
    if (Crowd.cheerStep == 0) {
        Era02Crowd.frameIndex = 2;
        PlayEra02Sound(69);
        Crowd.cheerStamp = GameNow();
        Crowd.cheerStep = 1;
    }
    const std::int32_t step = Crowd.cheerStep;
    if (step < 1 || step > 19) return;
    Era02Crowd.frameIndex = kCheer[step].index;
    const double wait = step == 1 ? 3.0 : kCheer[step].periods * Crowd.period;
    if (!AtLeastElapsed(Crowd.cheerStamp, GameNow(), wait)) return;
    if (step == 14) {
        if (Crowd.period > 0.24) {
            Crowd.period -= 0.05;
            NextCheerStep(2, true);
        } else {
            NextCheerStep(15, true);
        }
        return;
    }
    if (step == 18) NextCheerStep(19, false);
    else if (step == 19) NextCheerStep(kStepDone, false);
    else NextCheerStep(step + 1, true);
}

// The reaction kinds: 11 the heroine hit, 21 the opponent hit (the whole
// crowd flips through its poses), 12 the heroine hit hard (a wave along the
// six figures).
constexpr std::int32_t kPlayerHitPoses[5] = {0, 2, 1, 2, 1};
constexpr std::int32_t kOpponentHitPoses[6] = {0, 3, 4, 3, 4, 1};

bool ReactionWaitOver() { return AtLeastElapsed(Crowd.reactionStamp, GameNow(), kReactionPeriod); }

void AdvanceReaction(std::int32_t next, bool sound, std::int32_t soundId) {
    Crowd.reactionStep = next;
    Crowd.reactionStamp = GameNow();
    if (sound) PlayEra02Sound(soundId);
}

void StepWholeCrowd(const std::int32_t* poses, std::int32_t last, std::int32_t soundId) {
    std::int32_t& step = Crowd.reactionStep;
    if (step == 0) {
        Era02Crowd.frameIndex = 1;
        AdvanceReaction(1, false, 0);
    }
    if (step >= 1 && step <= last) {
        Era02Crowd.frameIndex = poses[step];
        if (ReactionWaitOver()) {
            if (step == last) AdvanceReaction(kStepDone, false, 0);
            else AdvanceReaction(step + 1, true, soundId);
        }
    }
    CopyCrowdIndexToFigures();
}

void StepWave() {
    std::int32_t& step = Crowd.reactionStep;
    if (step == 0) {
        Era02Crowd.frameIndex = 1;
        AdvanceReaction(1, false, 0);
    }
    if (step < 1 || step > 12) return;
    // Steps 1..6 raise figures 1..6, steps 7..12 lower figures 6..1.
    if (step <= 6) Era02Crowd.figureFrame[step - 1] = 2;
    else Era02Crowd.figureFrame[12 - step] = 1;
    if (!ReactionWaitOver()) return;
    if (step == 12) AdvanceReaction(kStepDone, false, 0);
    else AdvanceReaction(step + 1, true, 86);
}

}  // namespace

void CopyCrowdIndexToFigures() {
    for (std::int32_t& f : Era02Crowd.figureFrame) f = Era02Crowd.frameIndex;
}

std::int32_t RunCrowdCheer(std::int32_t mode) {
    if (GameNow() - Crowd.cheerStamp < 0) {
        Crowd.cheerStamp = 0;
        Crowd.period = kLongPeriod;
    }
    if (mode == 0) Crowd.cheerStep = 0;
    if (mode == 2) Crowd.period = kShortPeriod;
    if (mode == 3) {
        Crowd.cheerStep = 2;
        Crowd.period = kShortPeriod;
    }
    if (mode == 1) {
        StepCheer();
        CopyCrowdIndexToFigures();
    }
    return Crowd.cheerStep;
}

std::int32_t RunCrowdReaction(std::int32_t mode, std::int32_t kind) {
    StampAheadToZero(Crowd.reactionStamp, GameNow());
    if (mode == 0) {
        Crowd.reactionStep = 0;
        return Crowd.reactionStep;
    }
    if (kind == 11) StepWholeCrowd(kPlayerHitPoses, 4, 86);
    else if (kind == 21) StepWholeCrowd(kOpponentHitPoses, 5, 114);
    else if (kind == 12) StepWave();
    return Crowd.reactionStep;
}

void UpdateCrowdReactions() {
    Era02RunWordsRecord& w = Era02RunWords;
    if (w.watcherArmed == 0) {
        w.watcherArmed = 1;
        w.watchedPlayerHp = PlayerState.hp;
        w.watchedOpponentHp = TournamentState.opponentHp;
    }
    if (Crowd.kind == 0) {
        if (PlayerState.hp < w.watchedPlayerHp) Crowd.kind = 11;
        if (PlayerState.hp < w.watchedPlayerHp - 5) Crowd.kind = 12;
        if (TournamentState.opponentHp < w.watchedOpponentHp) Crowd.kind = 21;
        if (Crowd.kind == 0) return;
    }
    if (RunCrowdReaction(1, Crowd.kind) == kStepDone) {
        w.watchedPlayerHp = PlayerState.hp;
        w.watchedOpponentHp = TournamentState.opponentHp;
        Crowd.kind = 0;
        RunCrowdReaction(0, 0);
    }
}
