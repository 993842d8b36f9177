// The third opponent's frames on sheet D047, both facings drawn apart (never
// mirrored): source rectangle, the pivot placed on its feet, and its turn
// (a constant or its own angle).
#include "areas/era02/calls.h"
#include "areas/era02/opponent_frames.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"

namespace {

using namespace era02_frames;

}  // namespace

void SetRound3OpponentFrame(std::int32_t frame) {
    const Round3Row* r = FindRow(kRound3Frames, &Round3Row::frame, frame);
    if (r == nullptr) return;
    SetPendingSpriteSource(*r);
    PendingSprite.gno = 47;
    PendingSprite.pivotX = static_cast<float>(r->pivotX);
    PendingSprite.pivotY = static_cast<float>(r->pivotY);
    PendingSprite.angle = r->angle == kOwn ? Round3Opponent.angle : r->angle;
}
