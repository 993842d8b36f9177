#include "tools/art/arena_scene_art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "areas/era03/arena_sheets.h"
#include "tools/art/cell_registry.h"
#include "tools/art/figure_art.h"

namespace art {

namespace {

constexpr int kSceneSheet = 191;
// The pictures the two are sized by: their fights' sheets.
constexpr int kShooterSheet = 192, kBigManSheet = 193;

constexpr Rgb kWood{136, 94, 56}, kWoodLit{178, 132, 82}, kWoodDark{86, 58, 34}, kIron{72, 76, 90},
    kIronLit{136, 142, 164}, kIronDark{40, 42, 54}, kBrass{190, 156, 84}, kSpark{236, 246, 255},
    kSparkGlow{110, 170, 255};

// The seats are 30 px tall crates: the shooter's seat top lies 30 px above
// the floor, the big man's 28 (the game sets his 2 px lower).
constexpr int kSeatHeight = 30;
constexpr int kShooterSeatTop = 30, kBigManSeatTop = 28;
// The rows of the big man's second cell that hold his lifted head (under
// them part 6 draws his body).
constexpr int kBigManHeadRows = 28;

void ClipTo(Canvas& c, const ArenaRect& r) {
    const ClipBox box{r.left, r.top, r.right, r.bottom};
    SetClip(c, &box);
}

void Clear(Canvas& c, const ArenaRect& r) { FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent); }

const ArenaSceneCell& Row(const ArenaSceneCell* rows, std::size_t n, std::int32_t key) {
    for (std::size_t i = 0; i < n; ++i)
        if (rows[i].key == key) return rows[i];
    return rows[0];
}
const ArenaSceneCell& Shooter(std::int32_t pose) {
    return Row(kSceneBoss1Poses, std::size(kSceneBoss1Poses), pose);
}

// ------------------------------------------------------------------ things --

// A wooden crate to sit on, standing on the cell's foot.
void Seat(Canvas& c, const ArenaRect& r) {
    const int l = r.left, rr = r.right, b = r.bottom, t = b - kSeatHeight;
    FillRect(c, l, t, rr, b, Solid(kWoodDark));
    FillRect(c, l + 1, t + 1, rr - 1, b - 1, Solid(kWood));
    FillRect(c, l + 1, t + 1, rr - 1, t + 5, Solid(kWoodLit));   // the lid
    FillRect(c, l + 1, t + 5, rr - 1, t + 6, Solid(kWoodDark));
    for (int x = l + 9; x < rr - 4; x += 9) FillRect(c, x, t + 6, x + 1, b - 1, Solid(kWoodDark));
    FillRect(c, l + 1, t + 6, l + 4, b - 1, Solid(Scale(kWood, 1.12f)));
    FillRect(c, rr - 4, t + 6, rr - 1, b - 1, Solid(Scale(kWood, 0.72f)));
    FillRect(c, l + 1, b - 9, rr - 1, b - 7, Solid(kIron));
    for (int x = l + 3; x < rr - 2; x += 10) FillDisc(c, float(x), float(b - 8), 0.8f, Solid(kIronLit));
}

// A barrel with a lit lantern on its lid.
void BarrelAndLantern(Canvas& c, const ArenaRect& r) {
    const float l = float(r.left), w = float(r.right - r.left), b = float(r.bottom);
    const float top = b - 38, cx = l + w * 0.5f;
    for (int y = int(top); y < int(b); ++y) {
        const float k = (float(y) - top) / 38.0f;
        const float half = 14.0f + 3.5f * std::sin(k * 3.14159f);
        for (int x = int(cx - half); x <= int(cx + half); ++x) {
            const float across = (float(x) - cx) / half;   // -1 .. 1
            Rgb wood = Scale(kWood, 1.1f - 0.35f * std::max(0.0f, across) + 0.1f * (1.0f - std::abs(across)));
            if (int(float(x) - cx + 40) % 7 == 0) wood = Scale(wood, 0.8f);   // the staves
            Plot(c, x, y, Solid(wood));
        }
    }
    for (const float k : {0.16f, 0.8f}) {   // the hoops
        const float y = top + 38.0f * k, half = 14.0f + 3.5f * std::sin(k * 3.14159f);
        FillRect(c, int(cx - half), int(y), int(cx + half) + 1, int(y) + 2, Solid(kIron));
    }
    FillEllipse(c, cx, top + 1, 14.0f, 2.5f, Solid(kWoodLit));
    // The lantern: an iron frame round a warm glass, its ring on top.
    const float lt = top - 20;
    FillEllipse(c, cx, lt + 9, 9.0f, 9.0f, Solid(Mix(Rgb{250, 210, 120}, kWood, 0.55f)));   // its glow on the lid
    FillRect(c, int(cx - 5), int(lt + 3), int(cx + 6), int(lt + 17), Solid(kIronDark));
    FillRect(c, int(cx - 4), int(lt + 5), int(cx + 5), int(lt + 15), Solid(Rgb{255, 214, 120}));
    FillRect(c, int(cx - 2), int(lt + 7), int(cx + 3), int(lt + 13), Solid(Rgb{255, 246, 200}));
    FillRect(c, int(cx - 6), int(lt + 1), int(cx + 7), int(lt + 4), Solid(kIron));
    FillRect(c, int(cx - 6), int(lt + 16), int(cx + 7), int(lt + 19), Solid(kIron));
    Ring(c, cx + 0.5f, lt - 1, 3.0f, 1.2f, Solid(kIron));
}

// A rack of two uprights and a bar, a long gun and a spear leaning on it.
void WeaponRack(Canvas& c, const ArenaRect& r) {
    const float l = float(r.left), rt = float(r.right), t = float(r.top), b = float(r.bottom);
    for (const float x : {l + 3, rt - 7}) {
        FillRect(c, int(x), int(t + 14), int(x) + 4, int(b), Solid(kWoodDark));
        FillRect(c, int(x) + 1, int(t + 14), int(x) + 2, int(b), Solid(kWood));
    }
    FillRect(c, int(l + 1), int(t + 16), int(rt - 1), int(t + 20), Solid(kWood));
    FillRect(c, int(l + 1), int(t + 16), int(rt - 1), int(t + 17), Solid(kWoodLit));
    FillRect(c, int(l + 3), int(b - 14), int(rt - 3), int(b - 11), Solid(kWoodDark));
    // The spear, shaft and head.
    Line(c, rt - 13, b - 1, rt - 8, t + 9, 2.2f, Solid(Rgb{150, 110, 66}));
    const float head[] = {rt - 10.5f, t + 10, rt - 7.5f, t + 1, rt - 5, t + 11};
    FillPolygon(c, head, 3, Solid(Rgb{206, 214, 228}));
    // The long gun: stock at the foot, the barrel up to the bar.
    Line(c, l + 11, b - 2, l + 16, b - 22, 4.0f, Solid(Rgb{110, 70, 40}));
    Line(c, l + 16, b - 22, l + 24, t + 4, 2.2f, Solid(Rgb{60, 62, 72}));
    Line(c, l + 15, b - 20, l + 22, t + 7, 1.0f, Solid(kIronLit));
    FillRect(c, int(l + 2), int(b - 3), int(rt - 2), int(b), Solid(kWoodDark));
}

// The camp's back fence: a palisade of pointed stakes on two rails, wide
// gaps between the stakes (whoever stands behind it shows through them);
// its points are its top, the line the heroine must clear to jump it.
void Palisade(Canvas& c, const ArenaRect& r) {
    const int l = r.left, t = r.top, rr = r.right, b = r.bottom;
    for (const int y : {t + 34, t + 110}) {   // the rails, behind the stakes
        FillRect(c, l, y, rr, y + 7, Solid(kWoodDark));
        FillRect(c, l, y + 1, rr, y + 5, Solid(kWood));
        FillRect(c, l, y + 1, rr, y + 2, Solid(kWoodLit));
    }
    constexpr int kPitch = 18, kStake = 6;
    for (int x = l + 2, k = 0; x + kStake <= rr; x += kPitch, ++k) {
        const int tip = t + (k % 3 == 1 ? 3 : 0);
        const float tri[] = {float(x), float(tip + 7), float(x) + kStake * 0.5f, float(tip), float(x + kStake),
                             float(tip + 7)};
        FillPolygon(c, tri, 3, Solid(kWoodLit));
        for (int y = tip + 6; y < b; ++y)
            for (int u = 0; u < kStake; ++u) {
                const float grain = 0.9f + 0.18f * Noise(x + u, y / 5, 0x0F1Eu);
                const Rgb base = u == 0 ? kWoodLit : u >= kStake - 2 ? kWoodDark : kWood;
                Plot(c, x + u, y, Solid(Scale(base, grain)));
            }
        for (const int y : {t + 36, t + 112})   // the lashings
            FillRect(c, x, y, x + kStake, y + 3, Solid(Rgb{196, 176, 120}));
    }
    FillRect(c, l, b - 3, rr, b, Solid(Scale(kWoodDark, 0.8f)));   // where it stands in the earth
}

// The post's shaft down the middle of a section cell, an iron pole with a
// brass band.
void Shaft(Canvas& c, int x0, int top, int bottom) {
    FillRect(c, x0, top, x0 + 8, bottom, Solid(kIron));
    FillRect(c, x0 + 1, top, x0 + 3, bottom, Solid(kIronLit));
    FillRect(c, x0 + 6, top, x0 + 8, bottom, Solid(kIronDark));
}

// A jagged bolt from (x0, y0) out to (x1, y1): a blue glow under a white core.
void Bolt(Canvas& c, float x0, float y0, float x1, float y1, std::uint32_t seed, float spread) {
    constexpr int kSteps = 7;
    float px = x0, py = y0;
    for (int k = 1; k <= kSteps; ++k) {
        const float t = float(k) / kSteps;
        const float jitter = k == kSteps ? 0.0f : (Noise(k, 7, seed) - 0.5f) * spread;
        const float x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t + jitter;
        Line(c, px, py, x, y, 3.0f, Solid(kSparkGlow));
        Line(c, px, py, x, y, 1.2f, Solid(kSpark));
        px = x;
        py = y;
    }
}

// One 34-px section of the post: the shaft, and round it a few small sparks
// (steady) or bolts reaching out to both sides (crackling).
void PostSection(Canvas& c, const ArenaPostCell& cell, bool crackle, std::uint32_t seed) {
    const ArenaRect& r = cell.rect;
    const int sx = r.left + int(cell.cx) - 4;
    Shaft(c, sx, r.top, r.bottom);
    FillRect(c, sx - 1, r.top + 2, sx + 9, r.top + 6, Solid(kBrass));
    FillDisc(c, float(sx + 2), float(r.top + 4), 0.8f, Solid(Rgb{250, 230, 170}));
    const float mid = float(sx + 4);
    if (crackle) {
        for (const int side : {-1, 1}) {
            const float reach = side < 0 ? mid - float(r.left) - 3 : float(r.right) - mid - 3;
            for (int k = 0; k < 2; ++k) {
                const float y0 = float(r.top) + 9.0f + 14.0f * float(k);
                const float y1 = float(r.top) + 6.0f + 20.0f * Noise(k, side + 5, seed);
                Bolt(c, mid + float(side) * 4, y0, mid + float(side) * reach * (0.7f + 0.3f * float(k)), y1,
                     seed + std::uint32_t(k * 31 + side + 7), 12.0f);
            }
        }
    } else {
        for (int k = 0; k < 3; ++k) {
            const int side = k % 2 ? 1 : -1;
            const float x = mid + float(side) * (7.0f + 9.0f * Noise(k, 1, seed));
            const float y = float(r.top) + 5.0f + 24.0f * Noise(k, 2, seed);
            Line(c, mid + float(side) * 4, y + 2, x, y, 1.6f, Solid(kSparkGlow));
            FillDisc(c, x, y, 1.3f, Solid(kSpark));
        }
    }
}

// The post's head, a glass ball on an iron cap that stands on the post's
// top; and its collar, the ring round the shaft just under it.
void PostHead(Canvas& c, const ArenaRect& r) {
    const float cx = float(r.left) + 13.0f, b = float(r.bottom);
    const float cap[] = {cx - 6, b, cx - 4, b - 10, cx + 4, b - 10, cx + 6, b};
    FillPolygon(c, cap, 4, Solid(kIron));
    FillRect(c, int(cx - 6), int(b - 3), int(cx + 6), int(b), Solid(kIronDark));
    FillDisc(c, cx, b - 21, 11.0f, Solid(Rgb{60, 110, 200}));
    FillDisc(c, cx, b - 21, 8.5f, Solid(Rgb{110, 180, 255}));
    FillDisc(c, cx, b - 21, 4.5f, Solid(Rgb{220, 240, 255}));
    FillDisc(c, cx - 4, b - 25, 2.0f, Solid(Rgb{255, 255, 255}));
}
void PostCollar(Canvas& c, const ArenaRect& r) {
    const int cx = r.left + 10;
    Shaft(c, cx - 4, r.top + 11, r.bottom);
    FillRect(c, r.left + 1, r.top + 5, r.right - 1, r.top + 15, Solid(kIronDark));
    FillRect(c, r.left + 2, r.top + 6, r.right - 2, r.top + 13, Solid(kBrass));
    FillRect(c, r.left + 2, r.top + 6, r.right - 2, r.top + 8, Solid(Rgb{228, 200, 120}));
}

// ----------------------------------------------------------------- figures --

// The shooter on her seat, facing the big man across the camp (right).
// The seat's middle lies at the pose's point less 1.5 px (the table sets the
// seat 16 px left of its point, mirrored); she sits over it.
void SeatedShooter(Canvas& c, const ArenaSceneCell& cell, float height, bool talking, bool gesture, float drop) {
    const Look look = LookOf(Subject::ArenaBoss1, cell.key, kShooterSheet);
    const float unit = height / 8.0f;
    PersonPose pose;
    pose.stance = Stance::Seat;
    pose.seat = float(kShooterSeatTop) / unit;
    pose.talking = talking;
    pose.windup = gesture;
    ClipTo(c, cell.rect);
    PaintPerson(c, float(cell.rect.left) + cell.cx - 1.5f, float(cell.rect.bottom) + drop, height, 1, pose, look);
}

// The shooter on her feet, facing right as she sat: the cells hang on the
// side of her place she faces (the table sets her point a few px before the
// cell's left edge, and mirrors the cell to turn her left), so she stands
// near that edge, her gun and arms reaching out over the rest. Thus, after
// her fight, she faces the big man as she answers him and the heroine as
// she speaks to her.
void StandingShooter(Canvas& c, const ArenaSceneCell& cell, float height, Stance stance, float feetX, bool windup,
                     bool talking) {
    const Look look = LookOf(Subject::ArenaBoss1, cell.key, kShooterSheet);
    PersonPose pose;
    pose.stance = stance;
    pose.windup = windup;
    pose.talking = talking;
    pose.phase = 0.3f;
    ClipTo(c, cell.rect);
    PaintPerson(c, float(cell.rect.left) + feetX, float(cell.rect.bottom) - 1.0f, height, 1, pose, look);
}

void PaintShooter(Canvas& c) {
    const float h = StandingHeightOn(Subject::ArenaBoss1, kShooterSheet);
    SeatedShooter(c, Shooter(101), h, false, false, 0);
    SeatedShooter(c, Shooter(102), h, true, true, 0);
    SeatedShooter(c, Shooter(103), h, true, false, 0);
    SeatedShooter(c, Shooter(104), h, true, true, 0);
    SeatedShooter(c, Shooter(105), h, true, true, 1.0f);   // shaking with laughter
    // Getting up off the seat, turning to the heroine.
    StandingShooter(c, Shooter(106), h, Stance::Crouch, 22, false, false);
    StandingShooter(c, Shooter(107), h, Stance::Stand, 16, false, false);
    StandingShooter(c, Shooter(108), h, Stance::Stand, 18, false, false);
    StandingShooter(c, Shooter(109), h, Stance::Stand, 18, false, true);
    // The gun drawn back, then thrust out and fired (the post thrown).
    StandingShooter(c, Shooter(110), h, Stance::Attack, 30, true, false);
    StandingShooter(c, Shooter(111), h, Stance::Attack, 22, false, true);
    // Knocked down at the end of her fight: lying straight, the game turns
    // the cell on its side.
    const ArenaSceneCell& lying = Shooter(116);
    ClipTo(c, lying.rect);
    PersonPose flat;
    flat.stance = Stance::Stand;
    const float w = float(lying.rect.right - lying.rect.left);
    PaintPersonTransformed(c, float(lying.rect.left) + w * 0.5f, float(lying.rect.bottom) - 6.0f, h, -1, flat,
                           LookOf(Subject::ArenaBoss1, 116, kShooterSheet), 0.55f, 0.0f);
}

// The big man. Seated on his crate facing left, the table builds him from
// cells that share his place: part 5's first cell is his head, shoulders and
// right side, part 6's first cell the rest of him, drawn over it; in state 2
// part 5 shows its second cell instead (his head lifted; its rows under the
// head lie under part 6), in state 3 a strip of that cell a head's height up
// (his head as he speaks). He is painted seated in his place once per head,
// and each cell takes what its rows show there.
// His pictures are worked in a canvas of the arena's x from the anchor
// (560..659) and the screen's y (530..645).
constexpr int kPlaceX = 560, kPlaceY = 530, kPlaceW = 100, kPlaceH = 116;

Rgb AtPlace(const Canvas& s, int x, int y) {
    x -= kPlaceX;
    y -= kPlaceY;
    return s.Inside(x, y) ? s.At(x, y) : kTransparent;
}

// Where a cell drawn at the big man's place puts its pixel (u, v): the
// table places its point (cx, cy) at anchor + 613 on the floor (y 640).
int PlaceX(const ArenaSceneCell& cell, int u) { return 613 - int(cell.cx) + (u - cell.rect.left); }
int PlaceY(const ArenaSceneCell& cell, int v) { return 640 - int(cell.cy) + (v - cell.rect.top); }

Canvas SeatedBigMan(float height, float lift, bool talking) {
    Canvas s(kPlaceW, kPlaceH);
    // His crate, where part 7 stands it: its cell's corner at (605, 605).
    Canvas crate(kSceneSeat.right - kSceneSeat.left, kSceneSeat.bottom - kSceneSeat.top);
    Seat(crate, ArenaRect{0, 0, crate.width, crate.height});
    for (int v = 0; v < crate.height; ++v)
        for (int u = 0; u < crate.width; ++u) s.Put(605 - kPlaceX + u, 605 - kPlaceY + v, crate.At(u, v));
    const Look look = LookOf(Subject::ArenaEnemy2, 1, kBigManSheet);
    PersonPose pose;
    pose.stance = Stance::Seat;
    pose.seat = float(kBigManSeatTop) / (height / 8.0f);
    pose.talking = talking;
    // Over the crate's middle, on the floor.
    PaintPerson(s, 622.5f - kPlaceX, 640.0f - kPlaceY - lift, height, -1, pose, look);
    return s;
}

// Copies into the rows top..bottom of a cell what the place shows there.
void TakeFromPlace(Canvas& c, const ArenaSceneCell& cell, const Canvas& place, int top, int bottom) {
    const ArenaRect& r = cell.rect;
    for (int v = std::max(top, r.top); v < std::min(bottom, r.bottom); ++v)
        for (int u = r.left; u < r.right; ++u) c.Put(u, v, AtPlace(place, PlaceX(cell, u), PlaceY(cell, v)));
}

void BigManStanding(Canvas& c, const ArenaSceneCell& cell, float height, Stance stance, float feetX) {
    const Look look = LookOf(Subject::ArenaEnemy2, cell.key, kBigManSheet);
    PersonPose pose;
    pose.stance = stance;
    pose.phase = 0.3f;
    ClipTo(c, cell.rect);
    Clear(c, cell.rect);
    PaintPerson(c, float(cell.rect.left) + feetX, float(cell.rect.bottom) - 1.0f, height, -1, pose, look);
    SetClip(c, nullptr);
}

void PaintBigMan(Canvas& c) {
    const float h = StandingHeightOn(Subject::ArenaEnemy2, kBigManSheet);
    const ArenaSceneCell& whole = kSceneFigure5[0];
    const ArenaSceneCell& lifted = kSceneFigure5[1];
    const ArenaSceneCell& speaking = kSceneFigure5[2];
    const ArenaSceneCell& beside = kSceneFigure6[0];
    const Canvas still = SeatedBigMan(h, 0.0f, false);
    TakeFromPlace(c, whole, still, whole.rect.top, whole.rect.bottom);
    TakeFromPlace(c, beside, still, beside.rect.top, beside.rect.bottom);
    // The second cell: the lifted head in its top rows, the speaking head
    // in the strip the third cell cuts, the crate (part 7) in its own rows.
    TakeFromPlace(c, lifted, SeatedBigMan(h, 1.5f, false), lifted.rect.top, kBigManHeadRows);
    TakeFromPlace(c, speaking, SeatedBigMan(h, 0.0f, true), speaking.rect.top, speaking.rect.bottom);
    // Getting up (states 4 and 5), nearly up (6) and on his feet at his own
    // place (7).
    BigManStanding(c, kSceneFigure6[1], h, Stance::Crouch, 34);
    BigManStanding(c, kSceneFigure6[3], h, Stance::Crouch, 38);
    BigManStanding(c, kSceneFigure6[4], h, Stance::Stand, 44);
}

}  // namespace

bool HasArenaSceneArt(int resourceId) { return resourceId == kSceneSheet; }

void DrawArenaSceneArt(Canvas& c, const PictureInfo& info) {
    if (info.id != kSceneSheet) return;
    FillRect(c, 0, 0, c.width, c.height, kTransparent);
    ClipTo(c, kSceneSeat);
    Seat(c, kSceneSeat);
    ClipTo(c, kSceneBarrel);
    BarrelAndLantern(c, kSceneBarrel);
    ClipTo(c, kSceneRack);
    WeaponRack(c, kSceneRack);
    ClipTo(c, kSceneFence);
    Palisade(c, kSceneFence);
    ClipTo(c, kPostHead);
    PostHead(c, kPostHead);
    ClipTo(c, kPostCollar);
    PostCollar(c, kPostCollar);
    for (int k = 0; k < 2; ++k) {
        ClipTo(c, kPostSteady[k].rect);
        PostSection(c, kPostSteady[k], false, 0x51u + std::uint32_t(k));
        ClipTo(c, kPostCrackle[k].rect);
        PostSection(c, kPostCrackle[k], true, 0x77u + std::uint32_t(k));
    }
    PaintShooter(c);
    SetClip(c, nullptr);
    PaintBigMan(c);
    SetClip(c, nullptr);
}

}  // namespace art
