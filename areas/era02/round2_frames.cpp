// The flying second opponent's frames on sheet D046: source rectangle, the
// pivot placed on her x and y, and her turn (none, 270, or her spin).
#include "areas/era02/calls.h"
#include "areas/era02/opponent_frames.h"
#include "areas/era02/records.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"

namespace {

using namespace era02_frames;

}  // namespace

void SetRound2OpponentFrame(std::int32_t frame) {
    const Round2Row* r = FindRow(kRound2Frames, &Round2Row::frame, frame);
    if (r == nullptr) return;
    SetPendingSpriteSource(*r);
    PendingSprite.gno = 46;
    PendingSprite.pivotX = static_cast<float>(r->pivotX);
    PendingSprite.pivotY = static_cast<float>(r->pivotY);
    PendingSprite.angle = r->angle == kSpin ? Round2Opponent.angle : r->angle;
}
