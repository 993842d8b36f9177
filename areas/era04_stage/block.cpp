// Era04's limits on x and ScrollX: the closed doors, door 1's side, the
// camera's stages of the encounters and the sections between the doors.
#include "areas/era04_encounters/records.h"
#include "areas/era04_stage/calls.h"
#include "areas/era04_stage/records.h"
#include "areas/finale/records.h"
#include "core/floors.h"
#include "core/player.h"
#include "core/stage_step.h"

namespace {

WorldUpdateStateRecord& W = WorldUpdateState;

// Closed doors of Era04: (lo, hi) margins on each side of door i.
struct DoorMargins {
    std::int32_t lo, hi;
};
constexpr DoorMargins kDoorMargins[7] = {
    {0, 0}, {135, 135}, {135, 135}, {135, 135}, {135, 155}, {155, 185}, {105, 182},
};

void LimitEra04CameraStage() {
    constexpr std::int32_t M2 = Era04Door2, M3 = Era04Door3, M4 = Era04Door4, M5 = Era04Door5;
    std::int32_t& S = ScrollX;
    std::int32_t& x = PlayerState.x;
    const std::int32_t stage = Era04CameraStage;
    if (stage >= 1 && stage <= 3) {
        if (S <= M2 + 160) S = M2 + 160;
        if (S >= M3 - 1024) S = M3 - 1024;
        if (x <= M2 + 180) x = M2 + 180;
    }
    if (stage == 1 && x <= M2 + 520) x = M2 + 520;
    if (stage == 3 && x >= M3 - 520) x = M3 - 520;
    if (stage == 4 && x < M3 && S >= M3 - 1024) S = M3 - 1024;
    if (stage == 5 && S > M3 - 1024) S = M3 - 1024;
    if (stage == 6) {
        if (S <= M3) S = M3;
        if (S > M4 - 1024) S = M4 - 1024;
    }
    if (stage == 7) {
        if (x < M4) {
            if (S >= M4 - 1024) S = M4 - 1024;
        } else if (S <= M4 + 53) {
            S = M4 + 53;
        }
    }
    if (stage == 8) {
        // The view leans toward whichever of the two is about to leave it.
        if (EncounterBFigure.bodyPose != 0) {
            if (x < S + 500 && EncounterBFigure.x < S + 200) S -= 1;
            if (x > S + 500 && EncounterBFigure.x > S - 200) S += 1;
        }
        if (S >= M5 - 1077) S = M5 - 1077;
        if (S <= M4 + 53) S = M4 + 53;
    }
}

}  // namespace

void LimitEra04() {
    std::int32_t& S = ScrollX;
    std::int32_t& x = PlayerState.x;
    const std::int32_t prev = W.previousStepX;
    if (x - 100 < S) S = x - 100;
    if (S + 1024 < x + 100) S = x - 924;

    for (int i = 1; i <= 6; ++i) {
        if (Era04DoorLocks[i] != 1 || prev <= 1000) continue;
        const std::int32_t m = Era04SectionMarkers[i];
        const DoorMargins g = kDoorMargins[i];
        if (prev <= m - g.lo && x > m - g.lo) x = m - g.lo;
        if (prev >= m + g.hi && x <= m + g.hi) x = m + g.hi;
    }

    constexpr std::int32_t M1 = Era04Door1;
    if (W.doorOneSide == 0) W.doorOneSide = (x < M1) ? 1 : 2;
    if ((W.doorOneSide == 1 && x > M1) || (W.doorOneSide == 2 && x < M1)) {
        W.doorOneSide = 0;
        CameraMode = 0;
    }

    LimitEra04CameraStage();

    constexpr std::int32_t M3 = Era04Door3, M4 = Era04Door4, M5 = Era04Door5, M6 = Era04Door6;
    if (M3 <= x && x < M4 && S >= M4 - 1024) S = M4 - 1024;
    if (M4 <= x && x < M5) {
        if (S <= M4 + 58) S = M4 + 58;
        if (S >= M5 - 1077) S = M5 - 1077;
    }
    if (M5 <= x && x < M6) {
        if (S <= M5 + 58) S = M5 + 58;
        if (S >= M6 - 1024) S = M6 - 1024;
    }
    if (x >= M6) {
        if (S <= M6 + 58) S = M6 + 58;
        if (S >= Era04End - 1024) S = Era04End - 1024;
    }
    if (FinalSectionState.lock == 1 && S <= M6 + 58) S = M6 + 58;
}
