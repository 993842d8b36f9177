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


// Closed doors of Era04: (lo, hi) margins on each side of door i.
struct DoorMargins {
    std::int32_t lo, hi;
};
constexpr DoorMargins kDoorMargins[7] = {
    {0, 0}, {135, 135}, {135, 135}, {135, 135}, {135, 155}, {155, 185}, {105, 182},
};

void LimitEra04CameraStage() {
    std::int32_t& x = PlayerState.x;
    const std::int32_t stage = Era04CameraStage;
    if (stage >= 1 && stage <= 3) {
        if (ScrollX <= Era04Door2 + 160) ScrollX = Era04Door2 + 160;
        if (ScrollX >= Era04Door3 - 1024) ScrollX = Era04Door3 - 1024;
        if (x <= Era04Door2 + 180) x = Era04Door2 + 180;
    }
    if (stage == 1 && x <= Era04Door2 + 520) x = Era04Door2 + 520;
    if (stage == 3 && x >= Era04Door3 - 520) x = Era04Door3 - 520;
    if (stage == 4 && x < Era04Door3 && ScrollX >= Era04Door3 - 1024) ScrollX = Era04Door3 - 1024;
    if (stage == 5 && ScrollX > Era04Door3 - 1024) ScrollX = Era04Door3 - 1024;
    if (stage == 6) {
        if (ScrollX <= Era04Door3) ScrollX = Era04Door3;
        if (ScrollX > Era04Door4 - 1024) ScrollX = Era04Door4 - 1024;
    }
    if (stage == 7) {
        if (x < Era04Door4) {
            if (ScrollX >= Era04Door4 - 1024) ScrollX = Era04Door4 - 1024;
        } else if (ScrollX <= Era04Door4 + 53) {
            ScrollX = Era04Door4 + 53;
        }
    }
    if (stage == 8) {
        // The view leans toward whichever of the two is about to leave it.
        if (EncounterBFigure.bodyPose != 0) {
            if (x < ScrollX + 500 && EncounterBFigure.x < ScrollX + 200) ScrollX -= 1;
            if (x > ScrollX + 500 && EncounterBFigure.x > ScrollX - 200) ScrollX += 1;
        }
        if (ScrollX >= Era04Door5 - 1077) ScrollX = Era04Door5 - 1077;
        if (ScrollX <= Era04Door4 + 53) ScrollX = Era04Door4 + 53;
    }
}

}  // namespace

void LimitEra04() {
    std::int32_t& x = PlayerState.x;
    const std::int32_t prev = WorldUpdateState.previousStepX;
    if (x - 100 < ScrollX) ScrollX = x - 100;
    if (ScrollX + 1024 < x + 100) ScrollX = x - 924;

    for (int i = 1; i <= 6; ++i) {
        if (Era04DoorLocks[i] != 1 || prev <= 1000) continue;
        const std::int32_t m = Era04SectionMarkers[i];
        const DoorMargins g = kDoorMargins[i];
        if (prev <= m - g.lo && x > m - g.lo) x = m - g.lo;
        if (prev >= m + g.hi && x <= m + g.hi) x = m + g.hi;
    }

    if (WorldUpdateState.doorOneSide == 0) WorldUpdateState.doorOneSide = (x < Era04Door1) ? 1 : 2;
    if ((WorldUpdateState.doorOneSide == 1 && x > Era04Door1) || (WorldUpdateState.doorOneSide == 2 && x < Era04Door1)) {
        WorldUpdateState.doorOneSide = 0;
        CameraMode = 0;
    }

    LimitEra04CameraStage();

    if (Era04Door3 <= x && x < Era04Door4 && ScrollX >= Era04Door4 - 1024) ScrollX = Era04Door4 - 1024;
    if (Era04Door4 <= x && x < Era04Door5) {
        if (ScrollX <= Era04Door4 + 58) ScrollX = Era04Door4 + 58;
        if (ScrollX >= Era04Door5 - 1077) ScrollX = Era04Door5 - 1077;
    }
    if (Era04Door5 <= x && x < Era04Door6) {
        if (ScrollX <= Era04Door5 + 58) ScrollX = Era04Door5 + 58;
        if (ScrollX >= Era04Door6 - 1024) ScrollX = Era04Door6 - 1024;
    }
    if (x >= Era04Door6) {
        if (ScrollX <= Era04Door6 + 58) ScrollX = Era04Door6 + 58;
        if (ScrollX >= Era04End - 1024) ScrollX = Era04End - 1024;
    }
    if (FinalSectionState.lock == 1 && ScrollX <= Era04Door6 + 58) ScrollX = Era04Door6 + 58;
}
