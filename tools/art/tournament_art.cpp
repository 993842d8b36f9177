#include "tools/art/tournament_art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "areas/era02/opponent_frames.h"
#include "tools/art/cell_registry.h"
#include "tools/art/figure_art.h"

namespace art {

namespace {

constexpr int kRound1Sheet = 181, kRound2Sheet = 182, kHeroineSheet = 101;
constexpr float kQuarterTurn = std::numbers::pi_v<float> * 0.5f;

// The first opponent's frames that hold the heroine: the grab (26, 27), the
// blow that frees her for a moment (28), the squeeze on the floor (31 to
// 33). The game hides the heroine's own sprite meanwhile: these cells show
// both.
constexpr int kGrab = 26, kGrabShake = 27, kBlow = 28, kThrowDown = 31, kSqueeze = 32, kPress = 33;
// Her prize: a basket of apples (frames 37 and 38, the second glinting);
// the second round's: one of mushrooms (frames 20 to 24, glinting in turn).
constexpr int kRound1Prize = 37, kRound2FirstPrize = 20;

PictureRect CellOf(const era02_frames::Round1Row& r) { return {r.left, r.top, r.right, r.bottom}; }
const era02_frames::Round1Row& Round1Frame(int frame) {
    for (const era02_frames::Round1Row& r : era02_frames::kRound1Frames)
        if (r.frame == frame) return r;
    return era02_frames::kRound1Frames[0];
}

// A person drawn apart, and the box of what was drawn.
struct Drawn {
    Canvas pic;
    int left = 0, top = 0, right = 0, bottom = 0;   // right and bottom exclusive
    float feetX = 0;
};

Drawn Render(Subject s, int pose, int picture, const PersonPose& stance, float height, int dir, float angle) {
    const int size = int(height * 2.4f) + 8;
    Drawn d{Canvas(size, size), size, size, 0, 0, float(size) * 0.5f};
    Look look = LookOf(s, pose, picture);
    PaintPersonTransformed(d.pic, d.feetX, float(size) * 0.5f, height, dir, stance, look, 1.0f, angle);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (!(d.pic.At(x, y) == kTransparent)) {
                d.left = std::min(d.left, x);
                d.top = std::min(d.top, y);
                d.right = std::max(d.right, x + 1);
                d.bottom = std::max(d.bottom, y + 1);
            }
    return d;
}

// Copies what was drawn into the cell, its lowest row on the cell's row
// `floor` and its feet (or, lying, its left end) at the cell's column u.
void Place(Canvas& c, const Drawn& d, const PictureRect& cell, float u, int floor, bool byLeftEnd) {
    const int dx = cell.left + int(std::lround(u - (byLeftEnd ? float(d.left) : d.feetX)));
    const int dy = cell.top + floor - (d.bottom - 1);
    for (int y = d.top; y < d.bottom; ++y)
        for (int x = d.left; x < d.right; ++x) {
            const Rgb p = d.pic.At(x, y);
            const int X = x + dx, Y = y + dy;
            if (p == kTransparent || X < cell.left || X >= cell.right || Y < cell.top || Y >= cell.bottom) continue;
            c.Put(X, Y, p);
        }
}

PersonPose Stand(Stance s, float phase = 0.3f, bool windup = false) {
    PersonPose p;
    p.stance = s;
    p.phase = phase;
    p.windup = windup;
    return p;
}

void Holds(Canvas& c) {
    const float her = StandingHeightOn(Subject::Heroine, kHeroineSheet);
    const float kara = StandingHeightOn(Subject::Intruder, kRound1Sheet);
    auto heroine = [&](const PersonPose& p, int dir, float angle = 0.0f) {
        return Render(Subject::Heroine, 0, kHeroineSheet, p, her, dir, angle);
    };
    auto opponent = [&](int frame, const PersonPose& p, float angle = 0.0f) {
        return Render(Subject::Intruder, frame, kRound1Sheet, p, kara, -1, angle);
    };
    auto clear = [&](int frame) {
        const PictureRect r = CellOf(Round1Frame(frame));
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        return r;
    };
    // The grab: the heroine caught face to face, the opponent's arm over her
    // shoulder as she bites; in the shake the heroine pushes at her.
    {
        const PictureRect r = clear(kGrab);
        const int floor = r.Height() - 1;
        Place(c, heroine(Stand(Stance::Hurt), 1), r, 27, floor, false);
        Place(c, opponent(kGrab, Stand(Stance::Attack)), r, 45, floor, false);
    }
    {
        const PictureRect r = clear(kGrabShake);
        const int floor = r.Height() - 1;
        Place(c, heroine(Stand(Stance::Block), 1), r, 26, floor, false);
        Place(c, opponent(kGrabShake, Stand(Stance::Lunge)), r, 46, floor, false);
    }
    // The blow: the heroine kicks, the opponent reels back from her.
    {
        const PictureRect r = clear(kBlow);
        const int floor = r.Height() - 1;
        Place(c, opponent(kBlow, Stand(Stance::Hurt)), r, 66, floor, false);
        Place(c, heroine(Stand(Stance::Kick), 1), r, 21, floor, false);
    }
    // Thrown down: the heroine on her back before the opponent, who stoops
    // to her (31), bows over her (32) and lies on her, squeezing (33).
    {
        const PictureRect r = clear(kThrowDown);
        const int floor = r.Height() - 1;
        Place(c, heroine(Stand(Stance::Stand), 1, -kQuarterTurn), r, 8, floor, true);
        Place(c, opponent(kThrowDown, Stand(Stance::Crouch)), r, 128, floor, false);
    }
    {
        const PictureRect r = clear(kSqueeze);
        const int floor = r.Height() - 1;
        Place(c, heroine(Stand(Stance::Stand), 1, -kQuarterTurn), r, 4, floor, true);
        Place(c, opponent(kSqueeze, Stand(Stance::Hunch)), r, 117, floor, false);
    }
    {
        const PictureRect r = clear(kPress);
        const int floor = r.Height() - 1;
        const Drawn down = heroine(Stand(Stance::Stand), 1, -kQuarterTurn);
        Place(c, down, r, 8, floor, true);
        const Drawn press = opponent(kPress, Stand(Stance::Stand), -kQuarterTurn);
        Place(c, press, r, 26, floor - (down.bottom - down.top) / 2, true);
    }
}

// --------------------------------------------------------------- prizes --

constexpr Rgb kWicker{184, 136, 76}, kWickerDark{128, 88, 44}, kWickerLit{222, 184, 120};

void Glint(Canvas& c, float x, float y) {
    Line(c, x - 4, y, x + 4, y, 1.0f, Solid(Rgb{255, 255, 240}));
    Line(c, x, y - 4, x, y + 4, 1.0f, Solid(Rgb{255, 255, 240}));
    FillDisc(c, x, y, 1.4f, Solid(Rgb{255, 255, 255}));
}

void Apple(Canvas& c, float x, float y) {
    FillDisc(c, x, y, 4.6f, Solid(Rgb{150, 24, 30}));
    FillDisc(c, x - 0.4f, y - 0.4f, 3.9f, Solid(Rgb{214, 44, 44}));
    FillDisc(c, x - 1.6f, y - 1.8f, 1.2f, Solid(Rgb{255, 178, 160}));
    Line(c, x, y - 4, x + 1, y - 6, 1.0f, Solid(Rgb{96, 64, 30}));
    FillEllipse(c, x + 2.4f, y - 5.2f, 1.8f, 0.9f, Solid(Rgb{80, 160, 60}));
}

// A mushroom, its cap red or brown by `kind`.
void Mushroom(Canvas& c, float x, float y, int kind) {
    FillRect(c, int(x - 2), int(y - 2), int(x + 3), int(y + 5), Solid(Rgb{150, 130, 104}));
    FillRect(c, int(x - 1), int(y - 2), int(x + 2), int(y + 4), Solid(Rgb{244, 236, 214}));
    const Rgb capColour = kind % 2 ? Rgb{150, 92, 48} : Rgb{206, 58, 44};
    const float rim[] = {x - 7, y, x - 5.5f, y - 5, x, y - 7.5f, x + 5.5f, y - 5, x + 7, y};
    FillPolygon(c, rim, 5, Solid(Scale(capColour, 0.6f)));
    const float cap[] = {x - 6, y - 1, x - 4.5f, y - 5, x, y - 6.5f, x + 4.5f, y - 5, x + 6, y - 1};
    FillPolygon(c, cap, 5, Solid(capColour));
    if (kind % 2 == 0) {
        FillDisc(c, x - 2.5f, y - 3.8f, 1.1f, Solid(Rgb{250, 244, 230}));
        FillDisc(c, x + 2.2f, y - 2.6f, 0.9f, Solid(Rgb{250, 244, 230}));
    } else {
        Line(c, x - 3, y - 4.5f, x + 1, y - 5.5f, 1.0f, Solid(Scale(capColour, 1.3f)));
    }
}

// A wicker basket heaped with the prize, standing on the cell's foot with
// its middle at x; a glint on the heap at the k-th place (0 none).
void PrizeBasket(Canvas& c, const PictureRect& r, float x, bool mushrooms, int glint) {
    FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
    const ClipBox box{r.left, r.top, r.right, r.bottom};
    SetClip(c, &box);
    const float b = float(r.bottom) - 1.0f, rim = b - 13.0f;
    // The handle, behind the heap.
    for (int k = 0; k <= 12; ++k) {
        const float a0 = std::numbers::pi_v<float> * float(k) / 12.0f, a1 = std::numbers::pi_v<float> * float(k + 1) / 12.0f;
        Line(c, x - 17.0f * std::cos(a0), rim - 20.0f * std::sin(a0), x - 17.0f * std::cos(a1), rim - 20.0f * std::sin(a1),
             2.2f, Solid(kWickerDark));
    }
    // The heap: two rows and a top.
    const float top = rim - 1.0f;
    // Back to front, each row over the one behind it.
    int n = 0;
    auto item = [&](float ix, float iy) { mushrooms ? Mushroom(c, ix, iy, n++) : Apple(c, ix, iy); };
    item(x, top - 16.0f);
    for (int k = 0; k < 3; ++k) item(x - 8.0f + 8.0f * float(k), top - 11.0f);
    for (int k = 0; k < 4; ++k) item(x - 12.0f + 8.0f * float(k), top - 5.0f);
    for (int k = 0; k < 5; ++k) item(x - 16.0f + 8.0f * float(k), top);
    // The basket: woven rows narrowing to its foot, a rim on top.
    for (int y = int(rim); y <= int(b); ++y) {
        const float half = 21.0f - 5.0f * (float(y) - rim) / (b - rim);
        for (int xx = int(x - half); xx <= int(x + half); ++xx) {
            const bool weave = ((xx + (y / 3) * 2) / 3) % 2 == 0;
            Rgb p = weave ? kWicker : Scale(kWicker, 0.82f);
            if (float(xx) > x + half * 0.55f) p = Scale(p, 0.85f);
            Plot(c, xx, y, Solid(p));
        }
    }
    FillRect(c, int(x - 21), int(rim) - 1, int(x + 22), int(rim) + 2, Solid(kWickerDark));
    FillRect(c, int(x - 20), int(rim) - 1, int(x + 21), int(rim), Solid(kWickerLit));
    constexpr float kGlints[5][2] = {{0, 0}, {-9, -14}, {6, -19}, {12, -7}, {-3, -6}};
    if (glint > 0 && glint < 5) Glint(c, x + kGlints[glint][0], top + kGlints[glint][1]);
    SetClip(c, nullptr);
}

void Round1Prize(Canvas& c) {
    for (const int frame : {kRound1Prize, kRound1Prize + 1}) {
        const era02_frames::Round1Row& f = Round1Frame(frame);
        PrizeBasket(c, CellOf(f), float(f.left + f.pivotX) + 0.5f, false, frame == kRound1Prize ? 0 : 2);
    }
}

void Round2Prize(Canvas& c) {
    for (const era02_frames::Round2Row& f : era02_frames::kRound2Frames) {
        if (f.frame < kRound2FirstPrize) continue;
        PrizeBasket(c, PictureRect{f.left, f.top, f.right, f.bottom}, float(f.left + f.pivotX) + 0.5f, true,
                    f.frame - kRound2FirstPrize);
    }
}

}  // namespace

bool HasTournamentArt(int resourceId) { return resourceId == kRound1Sheet || resourceId == kRound2Sheet; }

void DrawTournamentArt(Canvas& c, const PictureInfo& info) {
    if (info.id == kRound1Sheet) {
        Holds(c);
        Round1Prize(c);
    }
    if (info.id == kRound2Sheet) Round2Prize(c);
}

}  // namespace art
