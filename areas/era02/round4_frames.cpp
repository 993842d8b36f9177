// The fourth opponent's frames on its sheet (drawn mirrored when it faces
// right): source rectangle, pivot on its feet, turn (frame 16 only) and the
// hurt box as offsets from the feet of the left-facing figure.
#include "areas/era02/opponent_frames.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"

namespace {

using namespace era02_frames;

}  // namespace

void SetRound4OpponentFrame(std::int32_t frame) {
    const Round4Row* r = FindRow(kRound4Frames, &Round4Row::frame, frame);
    if (r == nullptr) return;
    PendingSprite.srcLeft = r->left;
    PendingSprite.srcTop = r->top;
    PendingSprite.srcRight = r->right;
    PendingSprite.srcBottom = r->bottom;
    PendingSprite.gno = 85;
    PendingSprite.pivotX = static_cast<float>(r->pivotX);
    PendingSprite.pivotY = static_cast<float>(r->pivotY);
    PendingSprite.angle = r->frame == 16 ? Round4Opponent.angle : 0;
    PendingSpriteHitBox = PendingSpriteHitBoxRecord{r->hitLeft, r->hitTop, r->hitRight, r->hitBottom};
}
