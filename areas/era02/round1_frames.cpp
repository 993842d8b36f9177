// The first opponent's frames on sheet D045: source rectangle, the pivot
// placed on her x and feet, and how the frame turns.
#include "areas/era02/opponent_frames.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"

namespace {

using namespace era02_frames;

constexpr std::int32_t kNoExtra = 999;

void Apply(const Round1Row& r) {
    SetPendingSpriteSource(r);
    PendingSprite.gno = 45;
    float px = static_cast<float>(r.pivotX), py = static_cast<float>(r.pivotY);
    const std::int32_t angle = Round1Opponent.angle;
    if (r.turn == 0) PendingSprite.angle = 0;
    if (r.turn == 1 || r.turn == 2) PendingSprite.angle = angle;
    if (r.turn == 1 && angle != 0) {
        px -= 30;
        py -= 80;
    }
    PendingSprite.pivotX = px;
    PendingSprite.pivotY = py;
}

}  // namespace

void SetRound1OpponentFrame(std::int32_t frame) {
    if (const Round1Row* r = FindRow(era02_frames::kRound1Frames, &Round1Row::frame, frame)) Apply(*r);
}

void SetRound1OpponentExtraFrame(std::int32_t frame) {
    if (const Round1Row* r = FindRow(era02_frames::kRound1ExtraFrames, &Round1Row::frame, frame)) Apply(*r);
    else PendingSprite.srcLeft = kNoExtra;
}
