// Draw pass of the arena itself: the lift the heroine arrives on, its signs,
// the arena gates, the east gate structure (drawn mirrored), the opponents of
// rounds 1, 3 and 4, round 3's afterimage glows and the sparkles over its
// prize, and the east door frame. Also the east gate as seen from Era03.
#include <initializer_list>

#include "areas/era00_era01/calls.h"
#include "areas/era00_era01/records.h"
#include "areas/era02/calls.h"
#include "areas/era02/records.h"
#include "areas/era02/tournament.h"
#include "core/anim_ticker.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "platform/platform.h"

namespace {

constexpr int kSlot79 = 79, kSlot81 = 81, kSlot82 = 82;
constexpr int kSlot76 = 76, kSlot84 = 84, kSlot85 = 85;
constexpr float kHeroineDepth = 0.2f;
constexpr float kDegrees = 0.0174533f;

plat::Matrix Plain() {
    return plat::MatrixMultiply(plat::MatrixScaling(VirtualScreen.scale, VirtualScreen.scale, 1.0f),
                                plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f));
}
// Mirror across the vertical line at screen x `at`, then the plain transform.
plat::Matrix MirroredAt(float at) {
    plat::Matrix m = plat::MatrixTranslation(-at, 0.0f, 0.0f);
    m = plat::MatrixMultiply(m, plat::MatrixReflectX());
    m = plat::MatrixMultiply(m, plat::MatrixTranslation(at, 0.0f, 0.0f));
    return plat::MatrixMultiply(m, Plain());
}
// Turned about the origin by `degrees`, moved to (x, y), then plain.
plat::Matrix TurnedAt(float degrees, float x, float y) {
    plat::Matrix m = plat::MatrixRotationZ(degrees * kDegrees);
    m = plat::MatrixMultiply(m, plat::MatrixTranslation(x, y, 0.0f));
    return plat::MatrixMultiply(m, Plain());
}

void Draw(int slot, int l, int t, int r, int b, float cx, float cy, float x, float y, float depth) {
    DrawWithBaseTransform(slot, plat::Rect{l, t, r, b}, cx, cy, x, y, depth, SceneTint);
}

void DrawLift() {
    const ArrivalSceneRecord& a = ArrivalScene;
    const float lx = static_cast<float>(a.liftX - ScrollX);
    const float py = static_cast<float>(a.platformY);
    const float part = static_cast<float>(a.liftPart);
    const float latchY = py + 101 - a.counter + 27;
    plat::SpriteSetTransform(Plain());
    Draw(kSlot81, 212, 1, 220, 28, 0, 27, lx + part + 95, latchY, kHeroineDepth - 0.005f);
    Draw(kSlot81, 212, 1, 220, 28, 0, 27, lx + part - 103, latchY, kHeroineDepth - 0.005f);
    Draw(kSlot81, 196, 109, 292, 211, 0, 0, lx + part, py, kHeroineDepth - 0.03f);
    plat::SpriteSetTransform(MirroredAt(lx));
    Draw(kSlot81, 196, 109, 292, 211, 0, 0, lx + part, py, kHeroineDepth - 0.03f);
    plat::SpriteSetTransform(Plain());
    Draw(kSlot81, 59, 94, 290, 108, 0, 0, lx - 117, py + 101, kHeroineDepth - 0.01f);
    plat::SpriteSetTransform(TurnedAt(static_cast<float>(a.turnAngle), lx + 74, py + 119));
    Draw(kSlot81, 221, 1, 248, 27, 13, 13, 0, 0, kHeroineDepth - 0.02f);
    plat::SpriteSetTransform(TurnedAt(static_cast<float>(a.turnAngle) + 15, lx - 74, py + 119));
    Draw(kSlot81, 221, 1, 248, 27, 13, 13, 0, 0, kHeroineDepth - 0.02f);
}

void DrawSignsAndGates() {
    const ArrivalSceneRecord& a = ArrivalScene;
    const float lx = static_cast<float>(a.liftX - ScrollX);
    const float py = static_cast<float>(a.platformY);
    plat::SpriteSetTransform(Plain());
    // The sign stands beside the lift where the trio come to stand: behind
    // them (their depth is 0.196), in front of her.
    constexpr float kSignDepth = kHeroineDepth - 0.002f;
    if (a.signWord == 1) Draw(kSlot81, 61, 111, 119, 132, 0, 0, lx + 113, py + 109, kSignDepth);
    if (a.signWord == 2) Draw(kSlot81, 120, 111, 188, 127, 0, 0, lx + 103, py + 109, kSignDepth);
    const std::uint32_t gate = Era02ArenaDoor.gateSelector;
    const float s = static_cast<float>(ScrollX);
    if (gate == 1) Draw(kSlot81, 0, 132, 20, 159, 0, 0, SectionAnchorX[56] + 1882 - s, 260, kHeroineDepth - 0.03f);
    if (gate == 2) {
        const float at = SectionAnchorX[56] + 1902 - s;
        plat::SpriteSetTransform(MirroredAt(at));
        Draw(kSlot81, 0, 132, 20, 159, 0, 0, at, 260, kHeroineDepth - 0.03f);
        plat::SpriteSetTransform(Plain());
    }
    if (gate == 3) Draw(kSlot81, 22, 132, 43, 159, 0, 0, Era02Anchor1 - s, 260, kHeroineDepth - 0.03f);
    if (gate != 0) Draw(kSlot79, 78, 229, 97, 264, 0, 0, SectionAnchorX[56] + 1887 - s, 247, kHeroineDepth);
}

void DrawEastGateStructure() {
    plat::SpriteSetTransform(MirroredAt(static_cast<float>(SectionAnchorX[56] + 4787 - ScrollX)));
    for (int i = 1; i <= 15; ++i) {
        SetEra02SetPieceSpriteA(i);
        const PendingSpriteRecord& p = PendingSprite;
        const int slot = p.gno == 42 ? kSlot79 : p.gno == 44 ? kSlot81 : -1;
        if (slot < 0) continue;
        DrawWithBaseTransform(slot, plat::Rect{p.srcLeft, p.srcTop, p.srcRight, p.srcBottom}, 0, 0,
                              static_cast<float>(p.posX), static_cast<float>(p.posY), p.depth, p.colour);
    }
}

// The sheets face left: a facing of +1 draws mirrored.
void DrawOpponentSprite(const TournamentOpponentRecord& o, float depth, int slot = kSlot82) {
    PendingSprite.gno = 45;
    PendingSprite.posX = o.x - ScrollX;
    PendingSprite.posY = o.y;
    PendingSprite.scale = 1.0f;
    PendingSprite.facing = o.facing == 1 ? -1 : 1;
    PendingSprite.depth = depth;
    PendingSprite.colour = SceneTint;
    DrawPendingSprite(slot);
}

// An afterimage of the third opponent glows twice, blown up 10 and 30 times
// (so it snaps to steps of 10 and 30 px).
void DrawAfterimageGlow(const Round3AfterimageRecord& a) {
    for (const int k : {10, 30}) {
        const float scale = VirtualScreen.scale * static_cast<float>(k);
        plat::SpriteSetTransform(plat::MatrixMultiply(plat::MatrixScaling(scale, scale, 1.0f),
                                                      plat::MatrixTranslation(VirtualScreen.xOffset, 0.0f, 0.0f)));
        DrawWithBaseTransform(kSlot84, plat::Rect{964, 753, 1022, 811}, 30, 31,
                              static_cast<float>((a.x - ScrollX) / k), static_cast<float>(a.y / k), 0.09f, a.colour);
    }
}

// Three sparkles over the third round's prize, brightening as they turn.
void DrawPrizeSparkles() {
    plat::SpriteSetTransform(Plain());
    const std::int32_t r = TickAnimFrame(18);
    const float y = 655.0f - TournamentGauge.value;
    struct Sparkle {
        std::int32_t dx;
        float depth;
        std::uint32_t alpha;
    };
    constexpr Sparkle kSparkles[3] = {{1454, 0.67f, 0}, {1462, 0.65f, 0x33000000u}, {1470, 0.66f, 0}};
    for (const Sparkle& k : kSparkles) {
        const bool turning = r >= 1 && r <= 5;
        const std::uint32_t colour =
            (turning ? static_cast<std::uint32_t>(r) * 0x111111u - 0x555556u : 0xFFFFFFFFu) - k.alpha;
        const int left = turning ? 127 : 146;
        DrawWithBaseTransform(kSlot76, plat::Rect{left, 79, left + 17, 103}, 10, 24,
                              static_cast<float>(Era02Anchor1 + k.dx - ScrollX), y, k.depth, colour);
    }
}

// The door frame of the east exit, mirrored.
void DrawEastDoorFrame() {
    plat::Matrix m = plat::MatrixMultiply(plat::MatrixReflectX(),
                                          plat::MatrixTranslation(static_cast<float>(50000 - ScrollX), 247.0f, 0.0f));
    plat::SpriteSetTransform(plat::MatrixMultiply(m, Plain()));
    Draw(kSlot79, 78, 229, 97, 264, 0, 0, 0, 0, kHeroineDepth);
}

void DrawRound3And4() {
    const TournamentOpponentRecord& o3 = Round3Opponent;
    if (o3.frame != 0) {
        SetRound3OpponentFrame(o3.frame);
        TournamentOpponentRecord unmirrored = o3;
        unmirrored.facing = -1;
        DrawOpponentSprite(unmirrored, o3.depth, kSlot84);
    }
    if (Round3Scene.afterimageA.shown == 1) DrawAfterimageGlow(Round3Scene.afterimageA);
    if (Round3Scene.afterimageB.shown == 1) DrawAfterimageGlow(Round3Scene.afterimageB);
    if (Round3Scene.endFlag == 1) DrawPrizeSparkles();
    const TournamentOpponentRecord& o4 = Round4Opponent;
    if (o4.frame != 0) {
        SetRound4OpponentFrame(o4.frame);
        DrawOpponentSprite(o4, o4.depth, kSlot85);
    }
    if (Era02ArenaDoor.gateSelector == 4) DrawEastDoorFrame();
}

}  // namespace

void DrawEra02Arena() {
    if (Era02AreaFlag != 1) return;
    if (ArrivalScene.drawing != 0) DrawLift();
    DrawEncounterTrioFigures();
    DrawSignsAndGates();
    DrawEastGateStructure();
    const TournamentOpponentRecord& o = Round1Opponent;
    if (o.frame != 0) {
        SetRound1OpponentFrame(o.frame);
        DrawOpponentSprite(o, o.depth);
        SetRound1OpponentExtraFrame(o.frame);
        if (PendingSprite.srcLeft != 999) DrawOpponentSprite(o, o.depth - 0.01f);
    }
    DrawRound3And4();
}

void DrawEra02GateFromEra03() {
    const std::int32_t s = ScrollX;
    if (!(s < Era02Anchor1 + 3007)) return;
    constexpr std::int32_t X0 = 50037;
    const float door = static_cast<float>(Era02ArenaDoor.openingOffset);
    const float ground = 640.0f;
    const float gx = static_cast<float>(X0 + 35 - s);
    plat::SpriteSetTransform(MirroredAt(static_cast<float>(X0 - s)));
    Draw(kSlot79, 213, 93, 282, 258, 0, 0, static_cast<float>(X0 + 74 - s), 476, 0.1f);
    Draw(kSlot79, 189, 22, 292, 258, 0, 0, static_cast<float>(X0 + 50 - s), 241, 0.1f);
    Draw(kSlot79, 0, 237, 75, 262, 0, 0, static_cast<float>(X0 - s + EncounterTrio.barOffset), 287, 0.11f);
    Draw(kSlot81, 253, 56, 294, 74, 0, 0, gx, ground - 18 - door, 0.092f);
    Draw(kSlot81, 253, 19, 294, 28, 0, 0, gx, ground - 27 - door, 0.092f);
    for (int k = 1; k <= 4; ++k) Draw(kSlot81, 253, 11, 294, 55, 0, 0, gx, ground - 27 - 44.0f * k - door, 0.092f);
    Draw(kSlot81, 253, 0, 294, 11, 0, 0, gx, ground - 214 - door, 0.092f);
}
