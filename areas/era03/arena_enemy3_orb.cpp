// Enemy 3's orb: charged or held by its attacks, then sent low across the
// arena; on touching the heroine it bursts through six growing frames and
// hurls her away, taking HP by its size.
#include "areas/era03/arena.h"
#include "areas/era03/records.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/player.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"

namespace {

struct OrbState {
    std::int32_t sub = 1, knock = 0;
    std::int32_t startX = 0, startY = 0, radius = 0;
    std::int32_t speedX = 0, speedY = 0;
    std::int32_t playerX0 = 0, playerY0 = 0;
    double flightStamp = 0, knockStamp = 0, chargeStamp = 0;
};
OrbState Orb;

void Layers(std::int32_t k1, std::uint32_t c1, std::int32_t k2, std::uint32_t c2, std::int32_t k3, std::uint32_t c3) {
    Era03ArenaCaptureOrbRecord& o = Era03ArenaCaptureOrb;
    o.kind[0] = k1;
    o.colour[0] = c1;
    o.kind[1] = k2;
    o.colour[1] = c2;
    o.kind[2] = k3;
    o.colour[2] = c3;
}
void Off() {
    Era03ArenaCaptureOrb.state = 0;
    Layers(0, Era03ArenaCaptureOrb.colour[0], 0, Era03ArenaCaptureOrb.colour[1], 0, Era03ArenaCaptureOrb.colour[2]);
}

// The burst: layer kinds and colours of each sub-state, how long it lasts and
// how much the orb grows when it ends.
struct BurstRow {
    std::int32_t sub, k1;
    std::uint32_t c1;
    std::int32_t k2;
    std::uint32_t c2;
    std::int32_t k3;
    double lasts;
    float grow;
};
constexpr BurstRow kBurst[] = {
    {3, 2, 0xEEFFFFFFu, 1, 0xFFFFFFFFu, 3, 0.02, 1.1f}, {4, 3, 0xEEFFFFFFu, 3, 0xDDFFFFFFu, 4, 0.05, 1.1f},
    {5, 4, 0xEEFFFFFFu, 4, 0xDDFFFFFFu, 5, 0.1, 1.1f},  {6, 5, 0xEEFFFFFFu, 5, 0xDDFFFFFFu, 6, 0.02, 1.2f},
    {7, 6, 0xEEFFFFFFu, 6, 0xDDFFFFFFu, 7, 0.02, 1.3f}, {8, 7, 0x33FFFFFFu, 7, 0xDDFFFFFFu, 7, 0.02, 1.0f},
};

}  // namespace

void ResetEra03ArenaEnemy3OrbWords() {
    Orb = {};
}

// The knock-back speeds of an orb of radius r: sideways, and upward when the
// middle of her body is above its centre.
std::int32_t Era03OrbSideSpeed(std::int32_t r) { return r * 1200 * r / 1225; }
std::int32_t Era03OrbUpSpeed(std::int32_t r) { return r * 500 * r / 1225; }

std::int32_t RunEra03ArenaCaptureOrb(std::int32_t) {
    OrbState& s = Orb;
    Era03ArenaCaptureOrbRecord& o = Era03ArenaCaptureOrb;
    PlayerStateRecord& p = PlayerState;
    const double now = GameNow();
    StampAheadToZero(s.flightStamp, now);
    StampAheadToZero(s.knockStamp, now);
    StampAheadToZero(s.chargeStamp, now);
    if (o.state == 1) {
        if (s.chargeStamp == 0) s.chargeStamp = now;
        if (MoreThanElapsed(s.chargeStamp, now, 1.0)) {
            // A charge no longer fed switches itself off.
            s.chargeStamp = 0;
            Off();
            return s.sub;
        }
        s.sub = 1;
        s.knock = 0;
        Layers(2, 0x33FFFFFFu, 1, 0xDDFFFFFFu, 0, o.colour[2]);
        o.angle[0] += 10;
        o.angle[1] -= 5;
        ArenaSound(149);
        return s.sub;
    }
    if (o.state == 3) {
        s.sub = 1;
        s.knock = 0;
        Layers(2, 0x33FFFFFFu, 1, 0xDDFFFFFFu, 0, o.colour[2]);
        o.angle[0] -= 10;
        o.angle[1] += 5;
        return s.sub;
    }
    if (o.state != 2 && o.state != 4 && o.state != 5) return s.sub;
    o.depth = 0.1f;
    if (o.state == 2) s.chargeStamp = 0;
    if (s.sub == 1) {
        s.startX = o.x;
        s.startY = o.y;
        s.flightStamp = now;
        StopSound(149);
        s.sub = 2;
    }
    if (s.sub == 2) {
        const double t = now - s.flightStamp;
        Layers(2, 0x33FFFFFFu, 1, 0xFFFFFFFFu, 3, 0x22FFFFFFu);
        if (o.state != 2) o.size = t * 0.5 + 0.6 < 0.8 ? static_cast<float>(0.6 + 0.5 * t) : 0.8f;
        s.radius = TruncToInt(o.size * 35.0);
        bool burst = false;
        if (o.state == 2) {
            o.x = s.startX - TruncToInt(200 * t);
            o.y = std::min(s.startY + TruncToInt(40 * t), 640 - s.radius);
            o.angle[0] += 10;
            o.angle[1] -= 5;
        } else {
            o.x = s.startX + TruncToInt(200 * t);
            o.angle[0] -= 10;
            o.angle[1] += 5;
            if (o.state == 5 && o.x > kArenaAnchor + 908) burst = true;
        }
        const std::int32_t r = s.radius;
        if (TestBoxAgainstPlayer(o.x - r, o.y - r, o.x + r, o.y + r) == 2) burst = true;
        if (!burst && ((o.state == 2 && o.x + 200 < ScrollX) || (o.state != 2 && o.x > ScrollX + 1300))) {
            Off();
            return s.sub;
        }
        if (burst) {
            s.sub = 3;
            s.flightStamp = now;
            o.angle[0] = o.angle[1] = o.angle[2] = 0;
        }
    }
    if (s.sub >= 3 && s.sub <= 8) {
        const BurstRow* row = FindRow(kBurst, &BurstRow::sub, s.sub);
        Layers(row->k1, row->c1, row->k2, row->c2, row->k3, 0x22FFFFFFu);
        if (MoreThanElapsed(s.flightStamp, now, row->lasts)) {
            o.size *= row->grow;
            s.flightStamp = now;
            if (s.sub == 3) {
                // The orb sent into the post bursts without touching her.
                s.knock = o.state == 5 ? 3 : 1;
                s.knockStamp = now;
            }
            if (s.sub == 4) ArenaSound(150);
            if (s.sub == 8) Layers(0, o.colour[0], 0, o.colour[1], 0, o.colour[2]);
            ++s.sub;
        }
    }
    if (s.knock == 1) {
        const std::int32_t r = s.radius;
        s.speedX = Era03OrbSideSpeed(r);
        if (p.x < o.x) s.speedX = -s.speedX;
        // With the middle of her body above the orb's centre she is also
        // thrown upward; otherwise level, never with an old throw's speed.
        s.speedY = p.y + PlayerBodyBox.top < 2 * o.y ? Era03OrbUpSpeed(r) : 0;
        s.playerX0 = p.x;
        s.playerY0 = p.y;
        LowerHeroineHp(TruncToInt(o.size * 100.0));
        TakeHoldOfHeroine();
        s.knock = 2;
    }
    if (s.knock == 2) {
        const double t = now - s.knockStamp;
        p.pose = 84;
        p.x = s.playerX0 + TruncToInt(s.speedX * t);
        p.y = std::clamp(s.playerY0 - TruncToInt(s.speedY * t - 980 * t * t), 200, 640);
        if (t > 0.1 && p.y >= 640) {
            s.knock = 3;
            LetGoOfHeroine(kHoldKeys);
        }
    }
    if (s.sub == 9 && s.knock == 3) {
        s.sub = kArenaDone;
        o.state = 0;
    }
    if (s.sub == kArenaDone && o.state != 0) s.sub = 1;
    return s.sub;
}
