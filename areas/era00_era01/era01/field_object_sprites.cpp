// The Era01 field object table.
#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "core/game_clock.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprites/field_object_table.h"
#include "core/sprites/sprites.h"
#include "core/step_helpers.h"

namespace {

using namespace field_object_table;

// The blinking pieces share one stamp; the practice marker pulses on its own.
double BlinkStamp = 0.0;
std::uint32_t PracticePulseColour = 0x11FFFFFFu;
std::int32_t PracticePulseFalling = 0;
double PracticePulseStamp = 0.0;

constexpr double kPracticePulseStep = 0.03;
constexpr std::uint32_t kPulseLow = 0x11FFFFFFu, kPulseHigh = 0x15FFFFFFu, kPulseDelta = 0x10000000u;

void Fill(std::int32_t gno, const SpriteRect& r, SpritePivot pivot, std::uint32_t colour) {
    PendingSprite.gno = gno;
    SetPendingSpriteSource(r);
    PendingSprite.pivotX = pivot.x;
    PendingSprite.pivotY = pivot.y;
    PendingSprite.colour = colour;
    PendingSprite.scale = 1.0f;
    PendingSprite.facing = 1;
    PendingSprite.angle = 0;
}

void StepPracticePulse() {
    const double now = GameClock.gameClock;
    if (now - PracticePulseStamp <= kPracticePulseStep) return;
    PracticePulseStamp = now;
    // Past a bound it turns there: the alpha runs 0x11, 0x21, 0x15, 0x05.
    if (PracticePulseFalling == 0) {
        if (PracticePulseColour < kPulseHigh) {
            PracticePulseColour += kPulseDelta;
        } else {
            PracticePulseColour = kPulseHigh;
            PracticePulseFalling = 1;
        }
    } else {
        if (PracticePulseColour > kPulseLow) {
            PracticePulseColour -= kPulseDelta;
        } else {
            PracticePulseColour = kPulseLow;
            PracticePulseFalling = 0;
        }
    }
}

bool Backdrop(std::int32_t id, std::int32_t slot) {
    const BackdropRow* row = FindIn(kBackdrop, id);
    if (row == nullptr) return false;
    Fill(row->gno, row->rect, row->pivot, SceneTint);
    PendingSprite.posY = row->y;
    PendingSprite.depth = 0.9f;
    // Slot 0 is a one-off placement: the caller sets x. Other slots outside
    // the twelve tiles keep the previous x.
    if (slot >= 1 && slot <= 12) {
        const TileGroup g = GroupOfSlot(slot);
        PendingSprite.posX = g.anchor + (slot - g.firstSlot) * kTileStep + row->offset - ScrollX;
    }
    return true;
}

bool Hopping(std::int32_t id) {
    const HoppingRow* row = FindIn(kHopping, id);
    if (row == nullptr) return false;
    Fill(423, row->rect, {0, 0}, SceneTint);
    const HoppingObjectStateRecord& h = HoppingObjectRecord;
    PendingSprite.posX = h.x - ScrollX + row->dx + row->sb * h.splitB;
    PendingSprite.posY = h.y + row->dy + row->sa * h.splitA;
    PendingSprite.depth = 0.9f;
    return true;
}

bool Practice(std::int32_t id) {
    if (id >= 449001 && id <= 449018) {
        const PracticeFrame& f = kPracticeFrames[id - 449001];
        Fill(449, f.rect, {f.pivotX, static_cast<float>(f.rect.Height())}, SceneTint);
        PendingSprite.posX = PlayerState.x - ScrollX;
        PendingSprite.posY = kPracticeFloorY;
        PendingSprite.depth = 0.2f;
        return true;
    }
    switch (id) {
        case 449019:
            StepPracticePulse();
            Fill(449, kPracticeMarker, {0, 0}, PracticePulseColour);
            PendingSprite.posX = PlayerState.x - ScrollX - 20;
            PendingSprite.posY = 462;
            PendingSprite.depth = 0.19f;
            return true;
        case 449021:
            Fill(449, kPracticeTallPiece, {kPracticePieceInset, 394}, SceneTint);
            PendingSprite.posX = kPracticeTallPieceX - ScrollX;
            PendingSprite.posY = 640;
            PendingSprite.depth = 0.7f;
            return true;
        case 449022:
            Fill(449, kPracticeRaisedPiece, {kPracticePieceInset, 238}, SceneTint);
            PendingSprite.posX = kPracticeRaisedPieceX - ScrollX;
            PendingSprite.posY = 640 - MovePracticeState.height;
            PendingSprite.depth = 0.71f;
            return true;
        default: return false;
    }
}

}  // namespace

void ResetFieldObjectSprites() {
    BlinkStamp = 0.0;
    PracticePulseColour = kPulseLow;
    PracticePulseFalling = 0;
    PracticePulseStamp = 0.0;
}

void SetFieldObjectSprite(std::int32_t id, std::int32_t slot) {
    if (Backdrop(id, slot) || Hopping(id) || Practice(id)) return;
    if (id == 414001) {
        const double now = GameClock.gameClock;
        // A new cycle once 0.4 s have passed, or when the clock ran back.
        StampAheadToNow(BlinkStamp, now);
        if (AtLeastElapsed(BlinkStamp, now, kBlinkCycle)) BlinkStamp = now;
        const int frame = now - BlinkStamp < kBlinkFirstFrame ? 0 : 1;
        Fill(414, kBlinkFrames[frame], kBlinkPivot, SceneTint);
        PendingSprite.posY = 640;
        PendingSprite.depth = 0.9f;
        return;
    }
    if (const PieceRow* row = FindIn(kPieces, id)) {
        Fill(row->gno, row->rect, row->pivot, SceneTint);
        PendingSprite.depth = row->depth;
    }
}
