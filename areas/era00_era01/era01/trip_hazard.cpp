// The low obstacle on the field's ground: walked onto it is a step up, but a
// heroine who runs or slides into it at ground level trips over it.
#include <cstdint>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/era01/field.h"
#include "core/holds.h"
#include "core/player.h"
#include "core/step_helpers.h"

namespace {

constexpr std::int32_t kHazardOrigin = SectionAnchorX[10];   // 11300

struct TripPrivate {
    std::int32_t state = 0;      // 0 idle, 1 tumbling, 2 getting up
    std::int32_t poseStep = 1;   // 1..4 of the tumble
    double tripTime = 0.0, poseTime = 0.0;
};
TripPrivate trip;

constexpr HoldOwner kTripHold{"the trip over the field's low obstacle"};

void PlayTripSound(std::int32_t id) { PlayFieldEffect(id); }

}  // namespace

bool PitHazardTripping() { return trip.state != 0; }

void ResetPitHazard() { trip = TripPrivate{}; }

void UpdatePitHazard() {
    const HoldStep hold(kTripHold);
    const double now = FieldClock();
    if (now - trip.tripTime < 0) {
        trip.tripTime = 0.0;
        trip.poseTime = 0.0;
    }
    PlayerStateRecord& p = PlayerState;
    const PlayerMoveStateRecord& m = PlayerMoveState;
    if (trip.state == 0 && p.y >= 610 && Distance(kHazardOrigin + 30, p.x) < 100 &&
        (m.runZ != 0 || m.runX != 0 || m.runSlideState != 0)) {
        PlayTripSound(19);
        LowerHeroineHp(1);
        trip.state = 1;
        p.x = kHazardOrigin + 30;
        trip.poseStep = 1;
        // The run or slide that tripped her carries on under the hold: the
        // tumble lasts as long as her slide does (a second at most).
        TakeHoldAsSheMovesOn();
        trip.tripTime = trip.poseTime = now;
    }
    if (trip.state == 1) {
        const double t = now - trip.tripTime;
        // Thrown up to 540, she sinks 100 px a second.
        if (p.y < 641) p.y = TruncToInt(540.0 + 100.0 * t);
        constexpr std::int32_t kPoses[5] = {0, 41, 42, 43, 44};
        p.pose = kPoses[trip.poseStep];
        if (AtLeastElapsed(trip.poseTime, now, 0.02)) {
            trip.poseTime = now;
            trip.poseStep = trip.poseStep % 4 + 1;
            if (trip.poseStep == 2) PlayTripSound(48);
        }
        if (m.runSlideState == 0 || t > 1.0) {
            trip.state = 2;
            trip.tripTime = now;
            PlayTripSound(18);
        }
    } else if (trip.state == 2) {
        p.pose = 26;
        if (AtLeastElapsed(trip.tripTime, now, 1.0)) {
            LetGoOfHeroine();
            trip.state = 0;
        }
    }
}
