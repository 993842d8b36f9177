#include "core/hit_tests.h"

#include <algorithm>
#include <climits>

#include "core/player.h"
#include "core/sound_effect.h"

namespace {

enum Word : std::uint8_t { kS, kD, kF, kG, kQ };

// One attack row: while the combo word runs and the pose lies in
// [poseLow, poseHigh], the blow has this kind and box. Offsets are from the
// heroine's x (near..far, ahead of her) and from her feet (top..bottom, up).
struct AttackRow {
    Word word;
    std::int32_t poseLow, poseHigh;
    std::int32_t kind;
    std::int32_t nearX, farX, top, bottom;
};

// Rows in order; a later row that holds overrides an earlier one.
constexpr AttackRow kW1Hit[] = {
    {kS, 21, 21, 1, 44, 103, 86, 67},
    {kD, 36, 36, 2, 49, 89, 151, 115},
    {kF, INT32_MIN, 123, 3, -8, 14, 165, 120},
    {kG, 125, 125, 4, 35, 97, 153, 20},
    {kQ, 102, 102, 5, 57, 121, 132, 66},
};
constexpr AttackRow kW1Zone[] = {
    {kS, 21, 21, 12, 44, 103, 86, 67},
    {kD, 36, 36, 22, 69, 89, 151, 135},
    {kF, 122, 123, 30, -8, 14, 165, 120},
    {kG, 125, 125, 40, 35, 97, 153, 20},
    {kQ, 102, 102, 50, 57, 121, 132, 66},
};
constexpr AttackRow kW2[] = {
    {kS, 202, 202, 1, 47, 120, 93, 70},
    {kD, 207, 207, 2, 77, 111, 128, 106},
    {kD, 209, 209, 2, 77, 111, 128, 106},
    {kF, 221, 221, 3, 5, 72, 180, 32},
    {kG, 215, 215, 4, 82, 205, 172, 34},
    {kQ, 223, 223, 5, 81, 97, 114, 42},
};

std::int32_t ComboWord(Word w) {
    switch (w) {
    case kS: return PlayerMoveState.comboS;
    case kD: return PlayerMoveState.comboD;
    case kF: return PlayerMoveState.comboF;
    case kG: return PlayerMoveState.comboG;
    case kQ: return PlayerMoveState.comboQ;
    }
    return 0;
}

struct Blow {
    std::int32_t kind = 0;
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;   // world px
};

// The blow of the last row that holds, with its box placed by her facing;
// kind stays 0 when no row holds or the box misses the target.
template <int N>
Blow FindBlow(const AttackRow (&rows)[N], std::int32_t left, std::int32_t right, std::int32_t top,
              std::int32_t bottom) {
    const AttackRow* found = nullptr;
    const std::int32_t pose = PlayerState.pose;
    for (const AttackRow& r : rows) {
        if (ComboWord(r.word) != 0 && pose >= r.poseLow && pose <= r.poseHigh) found = &r;
    }
    Blow b;
    if (found == nullptr) return b;
    const std::int32_t x = PlayerState.x;
    const std::int32_t y = PlayerState.y;
    if (PlayerState.facing == 1) {
        b.left = x + found->nearX;
        b.right = x + found->farX;
    } else {
        b.left = x - found->farX;
        b.right = x - found->nearX;
    }
    b.top = y - found->top;
    b.bottom = y - found->bottom;
    if (left <= b.right && b.left <= right && top <= b.bottom && b.top <= bottom) b.kind = found->kind;
    return b;
}

constexpr std::int32_t kSparkOfKind[6] = {0, 1, 10, 30, 40, 50};

void Play(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }

}  // namespace

std::int32_t TestPlayerAttackHit(std::int32_t mode, std::int32_t left, std::int32_t right,
                                 std::int32_t top, std::int32_t bottom) {
    std::int32_t kind = 0;
    if (PlayerState.weaponMode1 == 1) {
        kind = FindBlow(kW1Hit, left, right, top, bottom).kind;
        if (kind != 0 && (mode == 1 || mode == 2)) HitEffectState = kSparkOfKind[kind];
        if (kind != 0 && mode == 2) Play(kind == 1 ? 7 : kind == 5 ? 60 : 36);
    }
    if (PlayerState.weaponMode2 == 1) {
        const std::int32_t k2 = FindBlow(kW2, left, right, top, bottom).kind;
        if (k2 != 0) {
            kind = k2;
            if (mode == 1 || mode == 2) HitEffectState = kSparkOfKind[kind];
            if (mode == 2) Play(kind == 5 ? 154 : 60);
            if (mode == 3) Play(kind == 5 ? 901 : 903 + kind);
        }
    }
    return kind;
}

std::int32_t TestPlayerAttackHitZone(std::int32_t left, std::int32_t right, std::int32_t top,
                                     std::int32_t bottom, std::int32_t h) {
    std::int32_t kind = 0;
    if (PlayerState.weaponMode1 == 1) {
        const Blow b = FindBlow(kW1Zone, left, right, top, bottom);
        kind = b.kind;
        // A blow whose lower edge stays above the target's lowest h px.
        if ((kind == 12 || kind == 22) && h < bottom - top && b.bottom <= bottom - h) kind -= 1;
    }
    if (PlayerState.weaponMode2 == 1) {
        const std::int32_t k2 = FindBlow(kW2, left, right, top, bottom).kind;
        if (k2 != 0) kind = k2;
    }
    return kind;
}

std::int32_t TestBoxAgainstPlayer(std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                  std::int32_t y1) {
    const std::int32_t left = std::min(x0, x1), right = std::max(x0, x1);
    const std::int32_t top = std::min(y0, y1), bottom = std::max(y0, y1);
    const PlayerBodyBoxRecord& body = PlayerBodyBox;
    auto overlaps = [](std::int32_t lo, std::int32_t hi, std::int32_t bodyLo, std::int32_t bodyHi) {
        const bool loInside = lo >= bodyLo && lo <= bodyHi;
        const bool hiInside = hi >= bodyLo && hi <= bodyHi;
        const bool spans = lo <= bodyLo && hi >= bodyHi;
        return loInside || hiInside || spans;
    };
    if (!overlaps(left, right, body.left, body.right)) return 0;
    return overlaps(top, bottom, body.top, body.bottom) ? 2 : 1;
}
