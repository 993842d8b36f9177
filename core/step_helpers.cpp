#include "core/step_helpers.h"

#include "core/dialogue.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/textures.h"

namespace {

void RingBell(int bellVolume) {
    PlaySoundEffect(kLineBellSound, SoundVolumes[bellVolume == 0 ? 0 : 1]);
}

bool ValidTexture(std::int32_t n) { return n >= 0 && n < kTextureFlagCount; }

}  // namespace

void OpenLine(std::int32_t& word, std::int32_t line, int bellVolume) {
    word = line;
    EnterConfirmState = kLineWaiting;
    TakeHoldOfHeroine(kHoldLine);
    NoteHoldLine(word);
    RingBell(bellVolume);
}

bool LineRead() { return EnterConfirmState == kLineRead; }

void AdvanceLine(std::int32_t& word, std::int32_t line, int bellVolume) {
    word = line;
    EnterConfirmState = kLineWaiting;
    RingBell(bellVolume);
}

void CloseLine(std::int32_t& word) {
    word = 0;
    EnterConfirmState = 0;
    LetGoOfHeroine(kHoldLine);
}

bool StepLineGroup(std::int32_t& word, std::int32_t last, int bellVolume) {
    if (!LineRead()) return false;
    if (word < last) {
        AdvanceLine(word, word + 1, bellVolume);
        return false;
    }
    CloseLine(word);
    return true;
}

bool StepLineList(std::int32_t& word, const std::int32_t* lines, std::int32_t count, std::int32_t& at,
                  int bellVolume) {
    if (!LineRead()) return false;
    if (at + 1 < count) {
        ++at;
        AdvanceLine(word, lines[at], bellVolume);
        return false;
    }
    CloseLine(word);
    return true;
}

bool WalkHeroineTo(std::int32_t targetX) {
    const std::int32_t x = PlayerState.x;
    KeyLeftPressed = x > targetX ? 1 : 0;
    KeyRightPressed = x < targetX ? 1 : 0;
    return x == targetX;
}

bool WalkHeroinePast(std::int32_t mark, std::int32_t direction) {
    const bool there = direction < 0 ? PlayerState.x <= mark : PlayerState.x >= mark;
    std::int32_t& key = direction < 0 ? KeyLeftPressed : KeyRightPressed;
    key = there ? 0 : 1;
    return there;
}

std::int32_t ClearSpot(std::int32_t x, const FigureBody* bodies, std::size_t count, std::int32_t minX,
                       std::int32_t maxX, std::int32_t halfWidth) {
    const auto clear = [&](std::int32_t at) {
        if (at < minX || at > maxX) return false;
        for (std::size_t i = 0; i < count; ++i)
            if (at + halfWidth > bodies[i].left && at - halfWidth < bodies[i].right) return false;
        return true;
    };
    if (clear(x)) return x;
    // The nearest clear x lies against the side of some body (or of none,
    // when she is clear already).
    std::int32_t best = x;
    std::int32_t bestGap = -1;
    for (std::size_t i = 0; i < count; ++i)
        for (const std::int32_t at : {bodies[i].left - halfWidth, bodies[i].right + halfWidth}) {
            const std::int32_t gap = at > x ? at - x : x - at;
            if (clear(at) && (bestGap < 0 || gap < bestGap)) {
                best = at;
                bestGap = gap;
            }
        }
    return best;
}

bool HeroineInABlowOrJump() {
    const PlayerMoveStateRecord& m = PlayerMoveState;
    return m.comboS != 0 || m.comboD != 0 || m.comboF != 0 || m.comboG != 0 || m.comboQ != 0 || m.jumpKind != 0;
}

bool WalkHeroineClear(std::int32_t from, std::int32_t spot, std::int32_t facing) {
    if (HeroineInABlowOrJump()) {
        KeyLeftPressed = KeyRightPressed = 0;
        return false;
    }
    if (from == spot || WalkHeroinePast(spot, spot > from ? 1 : -1)) {
        KeyLeftPressed = KeyRightPressed = 0;
        PlayerState.facing = facing;
        return true;
    }
    return false;
}

bool RequestTexture(std::int32_t n) {
    if (!ValidTexture(n)) return false;
    if (TextureFlags[n] == 0) TextureFlags[n] = kGraphicRequested;
    return TextureFlags[n] == kGraphicLoaded;
}

bool TextureReady(std::int32_t n) { return ValidTexture(n) && TextureFlags[n] == kGraphicLoaded; }

void ReleaseTexture(std::int32_t n) {
    if (TextureReady(n)) FreeGraphic(9000 + n);
}
