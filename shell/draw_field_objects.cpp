// The Era01 field-object sub-pass: the move-practice figure, landmarks, six
// rows of repeated field pieces, the hopping object, the gimmicks of two
// sections, the patrol creature and its pit spots, and the pit and floor
// markers. It also sets ActivePitAnchor, which the floors read.
#include "areas/era00_era01/records.h"
#include "core/area_flags.h"
#include "core/floors.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/sprites.h"
#include "platform/platform.h"
#include "shell/draw.h"
#include "shell/draw_passes.h"
#include "shell/graphics.h"

namespace {

constexpr GraphicSlot kSlots[] = {{403, 40}, {404, 41}, {405, 42}, {406, 43}, {407, 44}, {408, 45},
                                  {409, 46}, {410, 47}, {411, 48}, {412, 49}, {413, 50}, {414, 51},
                                  {416, 53}, {417, 54}, {423, 60}, {449, 86}, {516, 36}};

constexpr std::int32_t H = Era01Anchor01;   // 2389
constexpr std::int32_t A = Era01Anchor04;   // 4000
constexpr std::int32_t B = Era01Anchor05;   // 6000
constexpr std::int32_t P = Era01Anchor09;   // 11300
constexpr std::int32_t Q = Era01Anchor13;   // 14500
constexpr std::int32_t kPitSpotDx[4] = {705, 500, 837, 600};

void DrawIt() { DrawPendingFromSlots(kSlots); }

void Place(std::int32_t x, std::int32_t y, float depth) {
    PendingSprite.PosX = x;
    PendingSprite.PosY = y;
    PendingSprite.Depth = depth;
}

// The pieces of section B, passes 81..90: id, x offset from B, y, depth.
struct SectionPiece {
    std::int32_t id, dx, y;
    float depth;
    bool keepY;
};

}  // namespace

void DrawEra01FieldObjects() {
    if (Era01AreaFlag != 1) return;
    const std::int32_t s = ScrollX;
    const std::int32_t v = MovePracticeState.stepSprite;
    const bool sectionB = B - 1000 <= s && s <= B + 1700;
    std::int32_t G = -1000;
    if (Q - 2100 < s && s < Q - 900) G = Q - 1052;
    if (Q + 3400 < s && s < Q + 4600) G = Q + 4500;
    for (int i = 1; i <= 100; ++i) {
        PendingSprite.GNo = 0;
        ActivePitAnchor = (P - 1100 < s && s < P + 100) ? P : 0;
        if (i == 1) {
            if (v >= 0 && v <= 18) SetFieldObjectSprite(449000 + v, 0);
        } else if (i == 2) {
            if (v == 18) SetFieldObjectSprite(449019, 0);
        } else if (i == 3) {
            SetFieldObjectSprite(449021, 0);
        } else if (i == 4) {
            SetFieldObjectSprite(449022, 0);
        } else if (i == 5 || i == 6) {
            SetFieldObjectSprite(411001, 0);
            if (i == 5) Place(H - 17 - s, 610, 0.8f);
            else Place(H - 17 - s, 601, 0.81f);
        } else if (i <= 78) {
            constexpr std::int32_t kRows[6] = {403002, 404002, 405002, 406001, 407001, 408001};
            SetFieldObjectSprite(kRows[(i - 7) / 12], (i - 7) % 12 + 1);
        } else if (i == 79) {
            const std::int32_t st = HoppingObjectRecord.state;
            if (st >= 1 && st <= 3) SetFieldObjectSprite(423000 + st, 0);
        } else if (i == 80) {
            const std::int32_t st = HoppingObjectRecord.state;
            if (st >= 2 && st <= 3) SetFieldObjectSprite(423010 + st, 0);
        } else if (i <= 86 && A - 1096 <= s && s <= A + 470) {
            SetFieldObjectSprite(414001, i - 81);
            PendingSprite.PosX = A + 80 * (i - 81) - s;
        } else if (i <= 90) {
            constexpr SectionPiece kPieces[] = {
                {406001, 432, 0, 0, true},     {407001, 310, 0, 0, true},     {408001, 0, 0, 0, true},
                {409001, 800, 578, 0.8f, false}, {410001, 826, 578, 0.9f, false}, {410001, 932, 578, 0.9f, false},
                {410001, 1226, 578, 0.8f, false}, {410001, 1226, 546, 0.8f, false}, {416001, 1182, 527, 0.7f, false},
                {413001, 1580, 640, 0.8f, false},
            };
            if (sectionB) {
                const SectionPiece& p = kPieces[i - 81];
                SetFieldObjectSprite(p.id, 0);
                if (p.keepY) PendingSprite.PosX = B + p.dx - s;
                else Place(B + p.dx - s, p.y, p.depth);
            }
        } else if (i == 91) {
            const std::int32_t c = PatrolCreatureRecord.state;
            if (sectionB && c >= 1 && c <= 2) {
                SetFieldObjectSprite(516000 + c, 0);
                Place(PatrolCreatureRecord.x - s, PatrolCreatureRecord.y, 0.7f);
            }
        } else if (i <= 95) {
            const PatrolPitSpot& spot = PatrolCreatureRecord.pit[i - 92];
            if (sectionB && spot.state >= 1 && spot.state <= 2) {
                SetFieldObjectSprite(417000 + spot.state, 0);
                Place(B + kPitSpotDx[i - 92] - s, spot.position, 0.8f);
            }
        } else if (i == 96) {
            if (ActivePitAnchor != 0) {
                SetFieldObjectSprite(411001, 0);
                Place(ActivePitAnchor - s, 605, 0.9f);
            }
        } else if (i == 97) {
            if (G - 1100 < s && s < G + 100) {
                SetFieldObjectSprite(412001, 0);
                Place(G - s, TopFloorHeightAt(G) - 29, 0.8f);
            }
        }
        DrawIt();
    }
}
