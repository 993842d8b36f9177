// The frame tables of the scene actors' sheet (the NPC and actors 1 to 5):
// each frame's source rectangle and pivot, from its feet or centre.
#include "areas/era00_era01/era00/scenes.h"
#include "core/pending_sprite.h"
#include "core/step_helpers.h"
#include "areas/era00_era01/era00/sheets.h"

namespace {

using namespace era00_sheet;

template <std::size_t N>
void SetFrom(const FrameRow (&rows)[N], std::int32_t frame) {
    const FrameRow* row = FindRow(rows, &FrameRow::frame, frame);
    if (row == nullptr) return;
    SetPendingSpriteSource(*row);
    PendingSprite.pivotX = static_cast<float>(row->pivotX);
    PendingSprite.pivotY = static_cast<float>(row->pivotY);
}

}  // namespace

void SetEra00NpcSprite(std::int32_t frame) { SetFrom(kNpcFrames, frame); }
void SetEra00ActorSpriteA(std::int32_t frame) { SetFrom(kActorAFrames, frame); }
void SetEra00ActorSpriteB(std::int32_t frame) { SetFrom(kActorBFrames, frame); }
void SetEra00ActorSpriteC(std::int32_t frame) { SetFrom(kActorCFrames, frame); }
void SetEra00ActorSpriteD(std::int32_t frame) { SetFrom(kActorDFrames, frame); }
void SetEra00ActorSpriteE(std::int32_t frame) { SetFrom(kActorEFrames, frame); }
