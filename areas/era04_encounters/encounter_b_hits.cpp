// How the heroine's blows reach encounter B's figure: two zones (head, then
// body) tested until a blow meets one; a blow that lands hurts the figure,
// one that does not is parried. At its last stage a heavy blow to the head
// from the right distance fells it, and the defeat scene follows.
#include <cstdlib>

#include "areas/era04_encounters/encounter_a.h"
#include "areas/era04_encounters/encounter_b.h"
#include "areas/era04_encounters/records.h"
#include "core/bursts.h"
#include "core/hit_tests.h"
#include "core/holds.h"
#include "core/keys.h"
#include "core/pending_sprite.h"
#include "core/pickups.h"
#include "core/player.h"
#include "core/random.h"
#include "core/sound_effect.h"
#include "core/step_helpers.h"
#include "text/text_state.h"

namespace {

std::int32_t& Line() { return DialogueChannels.fieldLine; }
void Sound(std::int32_t id) { PlaySoundEffect(id, SoundVolumes[1]); }
EncounterBFigureRecord& Fig() { return EncounterBFigure; }

// The two zones by body pose, for direction 1: left, top, right, bottom.
struct ZoneRow {
    std::int32_t firstPose, lastPose;
    std::int32_t head[4], body[4];
};
constexpr ZoneRow kZones[] = {
    {10, 10, {-49, -178, -19, -156}, {-52, -157, 4, -88}},
    {11, 13, {-30, -183, -3, -163}, {-27, -164, 9, -88}},
    {14, 14, {5, -180, 33, -154}, {-15, -164, 17, -88}},
    {15, 15, {-91, -146, -59, -113}, {-69, -122, -17, -91}},
    {16, 16, {-93, -142, -63, -110}, {-75, -122, -19, -91}},
    {17, 17, {-100, -142, -63, -110}, {-77, -122, -21, -91}},
    {18, 18, {-105, -133, -77, -103}, {-77, -122, -21, -91}},
    {19, 19, {-75, -174, -43, -157}, {-66, -156, -31, -92}},
    {20, 20, {-61, -172, -38, -142}, {-47, -143, -14, -94}},
    {21, 22, {5, -180, 33, -154}, {-15, -164, 17, -88}},
    {23, 23, {-2, -152, 32, -124}, {-16, -127, 27, -82}},
    {24, 24, {-6, -157, 28, -127}, {-21, -135, 25, -81}},
    {25, 25, {-18, -162, 15, -133}, {-31, -134, 15, -81}},
    {26, 26, {-16, -159, 19, -129}, {-29, -133, 14, -81}},
    {27, 27, {-33, -158, -2, -133}, {-49, -134, 0, -81}},
    {28, 28, {-2, -162, 29, -134}, {-20, -134, 28, -81}},
    {29, 29, {-26, -157, 1, -135}, {-31, -128, 13, -81}},
    {35, 35, {-27, -127, 10, -95}, {-10, -94, 29, -18}},
};

// The chance in percent that a blow lands, by the figure's stage.
constexpr std::int32_t kLandingChance[4] = {30, 0, 100, 20};

// Reactions: 1 stagger, 2 stumble, 3 step back.
constexpr std::int32_t kStagger = 1, kStumble = 2, kStepBack = 3;
struct ReactionRow {
    std::int32_t headReaction, bodyReaction, damageHead, damageBody;
};
constexpr ReactionRow kFacingStand{kStagger, kStepBack, 30, 30};
constexpr ReactionRow kFacingTurn{kStumble, kStumble, 10, 10};
constexpr ReactionRow kLunging{kStepBack, kStepBack, 70, 70};
constexpr ReactionRow kLungingHeavy{kStagger, kStumble, 150, 90};
constexpr ReactionRow kUnguarded{kStagger, kStagger, 0, 0};

ReactionRow ReactionFor(std::int32_t pose, std::int32_t kind) {
    const bool faced = Fig().direction == PlayerState.facing;
    if (pose >= 11 && pose <= 14 && faced) return kFacingStand;
    if (pose >= 19 && pose <= 20 && faced) return kFacingTurn;
    if ((pose >= 15 && pose <= 17) || (pose >= 21 && pose <= 29)) return kind == 4 ? kLungingHeavy : kLunging;
    return kUnguarded;
}

struct HitsState {
    std::int32_t state = 0, sub = 0, zone = 0, kind = 0, damage = 0;
    std::int32_t hitX = 0, hitY = 0, hitFacing = 0, coins = 0, parryPose = 0;
    std::int32_t heavyCount = 0;   // kept over the whole fight
    double reaction = 0, start = 0, coinStamp = 0, lastHeavy = 0;
};
HitsState Hits;

constexpr std::int32_t kHurt = 1, kParried = 2;
constexpr std::int32_t kHead = 10, kBody = 20;

void NoteHitPoint() {
    Hits.hitFacing = PlayerState.facing;
    Hits.hitX = (FigureHitBox.left + FigureHitBox.right) / 2 - Fig().x;
    Hits.hitY = (FigureHitBox.top + FigureHitBox.bottom) / 2;
    Hits.coins = 0;
}

// One zone's test: the blow's kind, and whether it lands.
void TestZone(std::int32_t zone, std::int32_t chance) {
    EncounterBFigureRecord& f = Fig();
    SetEncounterBBodyHitBox(zone, f.bodyPose);
    const FigureHitBoxRecord& b = FigureHitBox;
    Hits.kind = TestPlayerAttackHit(1, b.left, b.right, b.top, b.bottom);
    Hits.zone = zone == 1 ? kHead : kBody;
    if (Hits.kind < 1 || Hits.kind > 4) return;
    if (Random0To99() >= chance) {
        // At the last stage a head blow is never parried: it goes on to the
        // defeat's test from where the last blow landed.
        Hits.state = zone == 1 && f.stage == 3 ? kHurt : kParried;
        Hits.sub = Hits.zone;
        Sound(185);
        return;
    }
    NoteHitPoint();
    Hits.state = kHurt;
    if (zone == 1) {
        Hits.sub = kHead;
        Sound(903 + Hits.kind);
    } else {
        Hits.sub = 50;
        TestPlayerAttackHit(2, b.left, b.right, b.top, b.bottom);
    }
}

bool HitsAfter(double seconds) { return MoreThanElapsed(Hits.start, GameNow(), seconds); }

void Hurt() {
    EncounterBFigureRecord& f = Fig();
    if (Hits.sub == kHead) {
        const std::int32_t d = std::abs(f.x - PlayerState.x);
        if (f.stage == 3 && f.damageTotal > 10 && Hits.kind == 4 && 164 < d && d < 222 && PlayerState.y < 517) {
            Hits.state = kHitsDefeat;
            return;
        }
        Hits.sub = 11;
    }
    if (Hits.sub == 11 || Hits.sub == 50) {
        Hits.start = GameNow();
        StepEncounterBStagger(0);
        Hits.coins = 1;
        Hits.reaction = Hits.kind * 0.4;
        f.layerCode[3] = 0;
        if (Hits.sub == 50) f.x += Hits.kind * Hits.hitFacing;
        const ReactionRow row = ReactionFor(f.bodyPose, Hits.kind);
        const bool head = Hits.sub == 11;
        Hits.damage = head ? row.damageHead : row.damageBody;
        Hits.sub = (head ? 11 : 50) + (head ? row.headReaction : row.bodyReaction);
    }
    const std::int32_t reaction = Hits.sub >= 51 ? Hits.sub - 50 : Hits.sub - 11;
    if (Hits.sub >= 12) f.depth = PlayerState.depth - 0.01f;
    if (reaction == kStagger) {
        StepEncounterBStagger(2);
        if (HitsAfter(Hits.reaction)) Hits.state = kEncounterDone;
    }
    if (reaction == kStumble) {
        f.bodyPose = 18;
        if (HitsAfter(1.5 * Hits.reaction)) Hits.state = kEncounterDone;
    }
    if (reaction == kStepBack) {
        StepEncounterBWalk(2);
        if (HitsAfter(Hits.reaction)) Hits.state = kEncounterDone;
    }
    // The wound sheds coins while the figure reels.
    StampAheadToZero(Hits.coinStamp, GameNow());
    if (Hits.coins == 1 && MoreThanElapsed(Hits.coinStamp, GameNow(), 0.1)) {
        Hits.coinStamp = GameNow();
        SpawnPickup(f.x + Hits.hitX, Hits.hitY);
    }
    if (Hits.damage != 0) {
        f.damageTotal += Hits.damage;
        PlayerState.exp += Hits.damage;
        Hits.damage = 0;
    }
}

void Parry() {
    EncounterBFigureRecord& f = Fig();
    if (Hits.sub == kHead) {
        Hits.parryPose = f.bodyPose == 12 ? 31 : f.bodyPose == 13 ? 32 : 30;
        PlayerState.x -= PlayerState.facing * 100;
        Hits.sub = 11;
        Hits.start = GameNow();
        f.layerCode[3] = 0;
        // A low heavy blow or a rising one is thrown off with her attack.
        if (Hits.kind == 3 || (Hits.kind == 4 && PlayerState.y > 635 && f.bodyPose >= 11 && f.bodyPose <= 14))
            Hits.sub = kBody;
    }
    if (Hits.sub == 11) {
        f.bodyPose = Hits.parryPose;
        f.depth = PlayerState.depth + 0.04f;
        if (HitsAfter(0.4)) Hits.state = kEncounterDone;
    }
    if (Hits.sub == kBody) {
        Hits.sub = 21;
        PlayerMoveState.comboS = 10;
        KeySPressed = 0;
        PlayerState.x -= PlayerState.facing * 100;
        Hits.start = GameNow();
        f.layerCode[3] = 0;
    }
    if (Hits.sub == 21) {
        f.bodyPose = 33;
        f.depth = PlayerState.depth + 0.04f;
        if (HitsAfter(0.4)) Hits.state = kEncounterDone;
    }
}

struct DefeatState {
    std::int32_t state = 0, sub = 0, heroX = 0, facing = 0, bladeX = 0, bladeY = 0;
    double start = 0, sub1 = 0;
};
DefeatState Defeat;

// The blade lies on the floor, the figure's glow in the given colour.
void BladeDown(std::uint32_t glow) {
    EncounterBFigureRecord& f = Fig();
    f.layer209Y = 620;
    f.layer209Angle = -20;
    f.layer302Colour = glow;
}

}  // namespace

void SetEncounterBBodyHitBox(std::int32_t zone, std::int32_t pose) {
    const EncounterBFigureRecord& f = Fig();
    PendingSpriteHitBoxRecord& o = PendingSpriteHitBox;
    o = PendingSpriteHitBoxRecord{};
    for (const ZoneRow& r : kZones) {
        if (pose < r.firstPose || pose > r.lastPose) continue;
        const std::int32_t* z = zone == 1 ? r.head : r.body;
        o.hitLeft = z[0];
        o.hitTop = z[1];
        o.hitRight = z[2];
        o.hitBottom = z[3];
    }
    if (f.direction == 1) {
        FigureHitBox.left = f.x + o.hitLeft;
        FigureHitBox.right = f.x + o.hitRight;
    } else {
        FigureHitBox.left = f.x - o.hitRight;
        FigureHitBox.right = f.x - o.hitLeft;
    }
    FigureHitBox.top = f.y + o.hitTop;
    FigureHitBox.bottom = f.y + o.hitBottom;
}

std::int32_t UpdateEncounterBHits(std::int32_t arg) {
    if (arg == 0) {
        Hits.state = 0;
        return Hits.state;
    }
    StampAheadToZero(Hits.start, GameNow());
    StampAheadToZero(Hits.lastHeavy, GameNow());
    Hits.zone = 0;
    const std::int32_t chance = PlayerState.weaponMode1 == 1 ? 0 : kLandingChance[Fig().stage & 3];
    if (Hits.state == 0) TestZone(1, chance);
    if (Hits.state == 0) TestZone(2, chance);
    // Heavy blows in quick succession: the fifth is parried, and every one
    // after it while they keep coming.
    if (Hits.state == kHurt && Hits.zone != 0 && Hits.kind == 4) {
        Hits.heavyCount = GameNow() - Hits.lastHeavy < 4.0 ? Hits.heavyCount + 1 : 0;
        Hits.lastHeavy = GameNow();
        if (Hits.heavyCount >= 4) {
            Hits.state = kParried;
            Hits.sub = Hits.zone;
        }
    }
    if (Hits.state == kHurt) Hurt();
    if (Hits.state == kParried) Parry();
    return Hits.state;
}

std::int32_t RunEncounterBDefeat(std::int32_t arg) {
    EncounterBFigureRecord& f = Fig();
    if (arg == 0) {
        Defeat.state = 1;
        return Defeat.state;
    }
    StampAheadToZero(Defeat.start, GameNow());
    StampAheadToZero(Defeat.sub1, GameNow());
    const double now = GameNow();
    if (Defeat.state == 1) {
        Defeat.state = 2;
        Defeat.heroX = PlayerState.x;
        Defeat.facing = PlayerState.facing;
        Defeat.bladeX = f.x + f.direction * 23;
        Defeat.bladeY = f.y - 200;
        TakeHoldOfHeroine();
        Defeat.start = now;
        Defeat.sub = 1;
        Sound(185);
        Sound(195);
    }
    if (Defeat.state == 2) {
        PlayerState.x = Defeat.heroX;
        PlayerState.facing = Defeat.facing;
        f.bodyPose = 36;
        f.depth = PlayerState.depth + 0.001f;
        f.layerCode[5] = 501;
        f.layer501Colour = 0xFFFFFFFFu;
        f.layerCode[4] = 401;
        f.layer401Depth = f.depth - 0.101f;
        f.layerCode[3] = 302;
        f.layer302Angle = 90;
        f.layer302Scale = 1.0f;
        f.layerCode[2] = 209;
        f.layer209Depth = PlayerState.depth - 0.05f;
        const double t = now - Defeat.start;
        if (Defeat.sub == 1) {
            // The blade flies off and spins down to the floor.
            f.layer302Colour = t > 0.1 ? 0x22FFFFFFu : 0x99FFFFFFu;
            f.layer209X = Defeat.bladeX + TruncToInt(f.direction * 100 * t);
            f.layer209Y = Defeat.bladeY - ArcRise(1123, t, 890);
            f.layer209Angle = -125 - TruncToInt(45 * t * 50);
            Sound(48);
            if (f.layer209Y > 620) {
                Defeat.sub = 2;
                Defeat.sub1 = now;
                Sound(189);
            }
        }
        if (Defeat.sub == 2) {
            BladeDown(0x99FFFFFFu);
            if (MoreThanElapsed(Defeat.sub1, now, 0.1)) {
                Defeat.sub = 3;
                OpenLine(Line(), 190);
            }
        }
        if (Defeat.sub == 3) {
            BladeDown(0x22FFFFFFu);
            Line() = 190;
            if (LineRead()) {
                CloseLine(Line());
                Sound(kLineBellSound);
                Defeat.sub1 = now;
                Defeat.sub = 4;
                f.layer302Scale = 0.5f;
            }
        }
        if (Defeat.sub == 4) {
            BladeDown(0x99FFFFFFu);
            if (MoreThanElapsed(Defeat.sub1, now, 0.05)) {
                Defeat.sub = 5;
                Defeat.sub1 = now;
            }
        }
        if (Defeat.sub == 5) {
            BladeDown(0x11FFFFFFu);
            if (MoreThanElapsed(Defeat.start, now, 0.04)) {
                Defeat.start = now;
                const std::int32_t r1 = Random0To99(), r2 = Random0To99();
                std::int32_t dx = TruncToInt(r1 / 1.5);
                if (r1 >= 50) dx = -dx;
                SpawnBurst(f.x + dx, f.y + TruncToInt(r2 * 1.5) - 180);
            }
            if (MoreThanElapsed(Defeat.sub1, now, 3.02)) {
                LetGoOfHeroine(kHoldKeys);
                Sound(40);
                PlayerState.exp += 55;
                SpawnPickup(f.x, f.y - 150);
                Defeat.state = 3;
            }
        }
    }
    if (Defeat.state == 3) {
        f.bodyPose = 0;
        f.layerCode[5] = 0;
        f.layerCode[4] = 0;
        f.layerCode[2] = 0;
        f.layerCode[3] = 0;
        Defeat.state = kEncounterDone;
        StopSound(kEncounterBMusic);
    }
    return Defeat.state;
}

void ResetEncounterBHitWords() {
    Hits = {};
    Defeat = {};
}
