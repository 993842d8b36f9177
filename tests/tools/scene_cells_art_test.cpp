// The cells the scenes draw for who and what their lines name carry it: the
// home area's pet hugging its ball and carried off by the helper (the scene
// stops drawing the ball and the pet there), the arena's camp (the woman who shoots, the big man), the first opponent
// holding the heroine (the game hides the heroine's own sprite meanwhile),
// the prizes the rounds raise, the camp's shop's offers, the wisps of fire
// that hang in the far field's air; the camp's tent hides the heroine the
// scene puts inside it, and the woman who shoots looks the way the scenes
// turn her.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "areas/era00_era01/era00/sheets.h"
#include "areas/era02/opponent_frames.h"
#include "areas/era03/arena_sheets.h"
#include "areas/era03/field_sheets.h"
#include "areas/era03/npc_scene_frames.h"
#include "areas/era04_encounters/encounter_c_frames.h"
#include "areas/finale/boss_frames.h"
#include "core/pending_sprite.h"
#include "core/player.h"
#include "core/sprite_draw.h"
#include "core/sprites/heroine_w1_table.h"
#include "core/sprites/sprites.h"
#include "text/sprites/menu_sprite_tables.h"
#include "tools/art/cell_registry.h"
#include "tools/art/figure_art.h"
#include "tools/art/picture_art.h"
#include "tools/hud_sprite_rects.h"
#include "tools/picture_catalogue.h"

namespace {

using Test = std::function<bool(const art::Rgb&)>;

Test Near(const art::Rgb& want) {
    return [want](const art::Rgb& p) {
        return std::abs(p.r - want.r) + std::abs(p.g - want.g) + std::abs(p.b - want.b) < 40;
    };
}
Test ClothOf(art::Subject s, int picture) { return Near(art::LookOf(s, 0, picture).top); }
// An apple's or a mushroom cap's red, a blade's steel.
bool Red(const art::Rgb& p) { return p.r > 170 && p.g < 90 && p.b < 90; }
bool Steel(const art::Rgb& p) { return p.r > 170 && p.g > 170 && p.b >= p.r; }
// A glowing heart, near white: a light that floats of itself.
bool Glow(const art::Rgb& p) { return p.r > 240 && p.g > 235 && p.b > 190; }
// The golden and orange caps of the collecting game's good mushrooms.
bool GoldenCap(const art::Rgb& p) { return p.r > 200 && p.g > 110 && p.g < 210 && p.b < 110; }

struct Case {
    int picture;
    PictureRect cell;
    std::vector<Test> shows;
    std::string what;
};

PictureRect Of(const ArenaRect& r) { return {r.left, r.top, r.right, r.bottom}; }
PictureRect Of(const era02_frames::Round1Row& r) { return {r.left, r.top, r.right, r.bottom}; }

std::vector<Case> Cases() {
    std::vector<Case> out;
    using era00_sheet::FrameRow;
    // The pet told by its pale belly: its fur is near the helper's hair.
    const Test pet = Near(art::LookOf(art::Subject::Pet).trim), helper = ClothOf(art::Subject::Companion, 187);
    for (const FrameRow& f : era00_sheet::kNpcFrames)
        if (f.frame >= 11)
            out.push_back({187, {f.left, f.top, f.right, f.bottom}, {pet, Red},
                           "the pet with its ball, frame " + std::to_string(f.frame)});
    for (const FrameRow& f : era00_sheet::kActorCFrames)
        if (art::SnatchedPet(f.frame))
            out.push_back({187, {f.left, f.top, f.right, f.bottom}, {helper, pet},
                           "the helper with the pet, frame " + std::to_string(f.frame)});
    const Test shooter = ClothOf(art::Subject::ArenaBoss1, 192), bigMan = ClothOf(art::Subject::ArenaEnemy2, 193);
    for (const ArenaSceneCell& c : kSceneBoss1Poses)
        out.push_back({191, Of(c.rect), {shooter}, "the shooter's scene pose " + std::to_string(c.key)});
    for (const ArenaSceneCell& c : {kSceneFigure5[0], kSceneFigure6[0], kSceneFigure6[1], kSceneFigure6[3],
                                    kSceneFigure6[4]})
        out.push_back({191, Of(c.rect), {bigMan}, "the big man waiting, state " + std::to_string(c.key)});
    const Test heroine = ClothOf(art::Subject::Heroine, 101), kara = ClothOf(art::Subject::Intruder, 181);
    for (const era02_frames::Round1Row& f : era02_frames::kRound1Frames) {
        if (f.frame == 26 || f.frame == 27 || f.frame == 28 || (f.frame >= 31 && f.frame <= 33))
            out.push_back({181, Of(f), {heroine, kara}, "round 1 holding her, frame " + std::to_string(f.frame)});
        if (f.frame >= 37) out.push_back({181, Of(f), {Red}, "round 1's apples, frame " + std::to_string(f.frame)});
    }
    for (const era02_frames::Round2Row& f : era02_frames::kRound2Frames)
        if (f.frame >= 20)
            out.push_back({182, {f.left, f.top, f.right, f.bottom}, {Red}, "round 2's mushrooms " + std::to_string(f.frame)});
    for (const PictureRect& r : kSpinnerRects) out.push_back({153, r, {Red}, "the shop's apple"});
    // The flyers' shots and the far field's hanging objects share one cell.
    out.push_back({136, {179, 0, 191, 21}, {Glow}, "the wisp of fire the far field hangs in the air"});
    for (const MenuSpriteRow& row : kMenuSpriteRows)
        if (row.rule == MenuSpriteRule::Cursor && row.colour == 0xFFFFFFFFu)
            out.push_back({159, {row.rect.left, row.rect.top, row.rect.right, row.rect.bottom}, {GoldenCap}, "the mushroom"});
    namespace n = npc_scene_frames;
    for (int k = 0; k < n::kKnifeColumnCount; ++k) {
        const int left = n::kKnifeFirstColumn + n::kKnifeColumnStep * k;
        out.push_back({101, {left, n::kKnifeTop, left + 10, n::kKnifeBottom}, {Steel}, "the shop's knife"});
    }
    return out;
}

TEST(SceneCells, EachCellShowsWhatTheGameDrawsItFor) {
    std::map<int, art::Canvas> pictures;
    for (const Case& c : Cases()) {
        if (!pictures.count(c.picture)) pictures.emplace(c.picture, art::DrawPicture(*FindPicture(c.picture)));
        const art::Canvas& pic = pictures.at(c.picture);
        for (std::size_t k = 0; k < c.shows.size(); ++k) {
            int found = 0;
            for (int y = c.cell.top; y < c.cell.bottom; ++y)
                for (int x = c.cell.left; x < c.cell.right; ++x) found += c.shows[k](pic.At(x, y));
            EXPECT_GE(found, 8) << c.what << " (picture " << c.picture << ", test " << k << ")";
        }
    }
}

// A figure sheet starts from a sketch of people (their faces and hands in
// one skin colour) that the figure painter clears outside the cells; a
// thing's cell (a shot, a slash, dust, a prop) that no painter fills keeps a
// piece of that sketch or nothing. Every thing the fights and scenes cut from
// a figure sheet holds a painting of its own: something there (a point of
// light will do in a cell of a few pixels), and no sketched face or hand.
TEST(SceneCells, EveryThingOnAFigureSheetIsPaintedNotLeftFromTheSketch) {
    constexpr art::Rgb kSketchSkin{235, 200, 170};
    std::map<int, art::Canvas> pictures;
    for (const art::Cell& c : art::Cells()) {
        const PictureInfo* info = FindPicture(c.picture);
        if (c.region || art::IsFigure(c.subject) || info == nullptr || info->kind != PictureKind::Figures) continue;
        if (!pictures.count(c.picture)) pictures.emplace(c.picture, art::DrawPicture(*info));
        const art::Canvas& pic = pictures.at(c.picture);
        int area = 0, painted = 0, sketched = 0;
        // A cell may reach past the picture's edge: only what lies inside is drawn.
        for (int y = std::max(c.rect.top, 0); y < std::min(c.rect.bottom, pic.height); ++y)
            for (int x = std::max(c.rect.left, 0); x < std::min(c.rect.right, pic.width); ++x) {
                const art::Rgb p = pic.At(x, y);
                ++area;
                painted += !(p == art::kTransparent);
                sketched += p == kSketchSkin;
            }
        const std::string where = "picture " + std::to_string(c.picture) + " cell " + std::to_string(c.rect.left) + "," +
                                  std::to_string(c.rect.top) + "-" + std::to_string(c.rect.right) + "," +
                                  std::to_string(c.rect.bottom);
        EXPECT_GE(painted, area < 64 ? 1 : 8) << where << " is empty";
        EXPECT_EQ(sketched, 0) << where << " shows a piece of the sketch";
    }
}

// What encounter C's shop shows held rests on a hand: under the foot of the
// ware or loaf, where the scene puts it beside the clerk or the heroine, the
// pose drawn there has the skin of a hand.
TEST(SceneCells, TheShopsWaresAndLoavesRestOnAHand) {
    namespace c = encounter_c_frames;
    const int loaf = c::kWorkpieces[0].bottom - c::kWorkpieces[0].top;
    struct Held {
        c::Rect cell;
        float cx, feetRow;
        int floor;
        c::HeldAt at;
        int foot;   // screen rows from the point to the thing's foot
        art::Subject who;
        const char* what;
    };
    std::vector<Held> cases;
    for (const c::Layer& l : c::kLayers) {
        if (l.code == 105)
            cases.push_back({l.src, l.cx, l.cy, c::kClerkFeetY, c::kLeftWorkpiece, loaf, art::Subject::Sorceress,
                             "the clerk's first loaf"});
        if (l.code == 107) {
            cases.push_back({l.src, l.cx, l.cy, c::kClerkFeetY, c::kWareOffered, 0, art::Subject::Sorceress,
                             "the clerk's ware"});
            cases.push_back({l.src, l.cx, l.cy, c::kClerkFeetY, c::kRightWorkpiece, loaf, art::Subject::Sorceress,
                             "the clerk's second loaf"});
        }
    }
    for (const c::HeroinePose& h : c::kHeroinePoses) {
        const float tall = float(h.src.bottom - h.src.top);
        if (h.code == 201) {
            cases.push_back({h.src, h.cx, tall, c::kHeroineFeetY, c::kWareBought, 0, art::Subject::Heroine,
                             "her bought ware"});
            cases.push_back({h.src, h.cx, tall, c::kHeroineFeetY, c::kWorkpieceTaken, loaf, art::Subject::Heroine,
                             "her loaf taken"});
        }
        if (h.code >= 202 && h.code <= 205)
            cases.push_back({h.src, h.cx, tall, c::kHeroineFeetY, c::kWorkpieceWorked, loaf, art::Subject::Heroine,
                             "her loaf eaten"});
    }
    const art::Canvas pic = art::DrawPicture(*FindPicture(c::kSheet69Resource));
    for (const Held& h : cases) {
        const auto skin = Near(art::LookOf(h.who, 0, c::kSheet69Resource).skin);
        const int x = h.cell.left + int(h.cx) + h.at.dx;
        const int y = h.cell.top + int(h.feetRow) - (h.floor - (h.at.y + h.foot));
        int found = 0;
        for (int dy = -1; dy <= 8; ++dy)
            for (int dx = -8; dx <= 8; ++dx) {
                const int px = x + dx, py = y + dy;
                if (px >= h.cell.left && px < h.cell.right && py >= h.cell.top && py < h.cell.bottom)
                    found += skin(pic.At(px, py));
            }
        EXPECT_GE(found, 4) << h.what << " at " << x << "," << y;
    }
}

// The queen's sword is a sprite of its own, laid by each pose at an offset
// from her point; its grip (the sword cell's point) is in her hand: her skin
// lies within a few pixels of it, as the cell is painted (mirrored poses
// face left, fixed ones their own way); a grip past the cell's side is held
// at that side. The walk swings the sword beside her, and 38, 42 and 45 turn
// it with the body: those are left out, and so are 31, 36 and 37, which
// trail it behind her at knee height, lower than her arm reaches standing
// (her hand points down along it).
TEST(SceneCells, TheQueensSwordIsInHerHand) {
    namespace f = boss_frames;
    const art::Canvas pic = art::DrawPicture(*FindPicture(f::kSheetResource));
    const auto skin = Near(art::LookOf(art::Subject::Queen, 0, f::kSheetResource).skin);
    int poses = 0;
    for (const f::PoseRow& p : f::kPoses) {
        if (p.sword == 0 || p.mode == f::kDirect || p.pose == 38 || p.pose == 42 || p.pose == 45) continue;
        if (p.pose == 31 || p.pose == 36 || p.pose == 37) continue;
        ++poses;
        const int facing = p.mode == f::kFixed ? p.facing : -1;
        // A grip past the cell's side is held by a hand at that side.
        const int x = std::clamp(p.rect.left + int(p.cx) + p.swordAt.dx * facing, p.rect.left + 1, p.rect.right - 2);
        const int y = std::clamp(p.rect.top + int(p.cy) + p.swordAt.dy, p.rect.top + 1, p.rect.bottom - 2);
        int found = 0;
        for (int py = std::max(y - 4, p.rect.top); py <= std::min(y + 4, p.rect.bottom - 1); ++py)
            for (int px = std::max(x - 4, p.rect.left); px <= std::min(x + 4, p.rect.right - 1); ++px)
                found += skin(pic.At(px, py));
        EXPECT_GE(found, 3) << "pose " << p.pose << " facing " << p.facing << ": no hand at the grip " << x << "," << y;
    }
    EXPECT_GE(poses, 30);
}

// Round 2's opponent knocked down at the end of her round: the game turns
// the frame by 270 degrees about its point, so the cell's column through the
// point is the floor. She lies on it along most of her length, not held
// above it by a hand.
TEST(SceneCells, TheSecondOpponentTurnedToLieRestsOnTheFloor) {
    const art::Canvas pic = art::DrawPicture(*FindPicture(182));
    int frames = 0;
    for (const era02_frames::Round2Row& f : era02_frames::kRound2Frames) {
        if (f.angle != 270) continue;
        ++frames;
        int rows = 0, resting = 0;
        for (int y = f.top; y < f.bottom; ++y) {
            bool any = false, low = false;
            for (int x = f.left; x < f.right; ++x) {
                if (pic.At(x, y) == art::kTransparent) continue;
                any = true;
                low = low || x - f.left <= f.pivotX + 4;
            }
            rows += any;
            resting += low;
        }
        EXPECT_GE(resting * 10, rows * 6) << "frame " << f.frame << ": " << resting << " of " << rows
                                          << " rows of her within 4 px of the floor";
    }
    EXPECT_EQ(frames, 1);
}

}  // namespace

namespace {

// The field's sorceress is drawn unmirrored when the heroine is on her left
// (she throws and strikes toward smaller x so): in the poses she talks in,
// her face is on the left of her hair, and her staff's orb is whole in its
// cell and clear of her face.
TEST(SceneCells, TheSorceressLooksWhereTheGameTurnsHer) {
    const art::Canvas pic = art::DrawPicture(*FindPicture(190));
    const art::Look look = art::LookOf(art::Subject::Fighter, 0, 190);
    const auto skin = Near(look.skin), hair = Near(look.hair), orb = Near(look.trim);
    for (const std::int32_t pose : {1, 2, 4}) {
        const Era03FighterCell* c = FindEra03FighterCell(pose);
        ASSERT_NE(c, nullptr);
        const Era03SheetRect& r = c->src;
        long skinX = 0, skinN = 0, hairX = 0, hairN = 0, orbFace = 0;
        int faceLeft = r.right, faceRight = r.left;
        for (int y = r.top; y < r.top + 30; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const art::Rgb p = pic.At(x, y);
                if (skin(p)) skinX += x, ++skinN, faceLeft = std::min(faceLeft, x), faceRight = std::max(faceRight, x);
                if (hair(p)) hairX += x, ++hairN;
            }
        ASSERT_GT(skinN, 0) << "pose " << pose;
        ASSERT_GT(hairN, 0) << "pose " << pose;
        EXPECT_LT(skinX / skinN, hairX / hairN) << "pose " << pose << ": her face is on the right of her hair";
        // The orb: no gold at the cell's sides, none over the face rows.
        for (int y = r.top; y < r.bottom; ++y)
            for (const int x : {r.left, r.right - 1}) EXPECT_FALSE(orb(pic.At(x, y))) << "pose " << pose << " y " << y;
        for (int y = r.top; y < r.top + 30; ++y)
            for (int x = faceLeft; x <= faceRight; ++x) orbFace += orb(pic.At(x, y));
        EXPECT_EQ(orbFace, 0) << "pose " << pose << ": the orb over her face";
    }
}

// Where a point of the pending sprite's source rectangle (texels from its
// corner) lands on the virtual screen, as the draw pass places it.
struct ScreenPoint {
    float x, y;
};
ScreenPoint OnScreen(float u, float v) {
    const plat::Matrix m = PendingSpriteTransform();
    const float lx = u - PendingSprite.pivotX, ly = v - PendingSprite.pivotY;
    return {lx * m.m[0][0] + ly * m.m[1][0] + m.m[3][0], lx * m.m[0][1] + ly * m.m[1][1] + m.m[3][1]};
}

// Wherever her back layer draws her blade beside the frame (the stances she
// talks in: upright with it low behind her, the lunge with it low before
// her; her blows' swings, the G blow's wind-up the ending holds while she
// speaks, the F blow's dash, her S thrust), it is in her hand: placed as the
// game draws both layers in either facing, her frame's hand comes to the
// blade's end nearer her shoulders, and the blade's steel starts there; a
// gap between the two shows an empty fist and the blade apart from it. Where
// her hand cannot come to that end (past her frame's side, beyond her
// reach), the grip it holds runs on to it.
TEST(SceneCells, HerBladeIsInHerHand) {
    const art::Canvas pic = art::DrawPicture(*FindPicture(197));
    const auto skin = Near(art::HeroineSecondOutfit().skin);
    VirtualScreen = VirtualScreenRecord{};
    ScrollX = 0;
    for (const std::int32_t pose : {202, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222})
        for (const std::int32_t facing : {1, -1}) {
            PlayerState.pose = pose;
            PlayerState.x = 500;
            PlayerState.y = 640;
            PlayerState.facing = facing;
            PlayerSpriteAngle = 0;
            SetPlayerW2BodySprite(pose);
            ASSERT_EQ(PendingSprite.gno, 1) << pose;
            const PictureRect cell{PendingSprite.srcLeft, PendingSprite.srcTop, PendingSprite.srcRight,
                                   PendingSprite.srcBottom};
            const float pivotX = PendingSprite.pivotX, pivotY = PendingSprite.pivotY;
            SetPlayerW2BackLayerSprite(pose);
            ASSERT_EQ(PendingSprite.gno, 1) << pose;
            const PictureRect blade{PendingSprite.srcLeft, PendingSprite.srcTop, PendingSprite.srcRight,
                                    PendingSprite.srcBottom};
            // The blade's two ends: along its cell's longer side, through the
            // middle of the shorter.
            const float w = float(blade.Width()), h = float(blade.Height());
            const ScreenPoint ends[2] = {w > h ? OnScreen(0, h * 0.5f) : OnScreen(w * 0.5f, 0),
                                         w > h ? OnScreen(w, h * 0.5f) : OnScreen(w * 0.5f, h)};
            const float shoulderY = 640.0f - pivotY * 0.75f;
            const auto far = [&](const ScreenPoint& p) { return std::hypot(p.x - 500.0f, p.y - shoulderY); };
            const ScreenPoint grip = far(ends[0]) <= far(ends[1]) ? ends[0] : ends[1];
            // How near the grip the painted pixels of a cell that pass `shows`
            // come on screen, texel (u, v) of it landing at `at`(u, v).
            const auto nearest = [&](const PictureRect& r, const auto& shows, const auto& at) {
                float d = 1e9f;
                for (int v = r.top; v < r.bottom; ++v)
                    for (int u = r.left; u < r.right; ++u)
                        if (shows(pic.At(u, v))) {
                            const ScreenPoint p = at(float(u - r.left) + 0.5f, float(v - r.top) + 0.5f);
                            d = std::min(d, std::hypot(p.x - grip.x, p.y - grip.y));
                        }
                return d;
            };
            const float steel = nearest(blade, Steel, OnScreen);
            // Her frame is drawn mirrored about its point facing left.
            const auto inFrame = [&](float u, float v) {
                return ScreenPoint{500.0f + float(facing) * (u - pivotX), 640.0f + v - pivotY};
            };
            const float hand = nearest(cell, [&](const art::Rgb& p) { return skin(p) || Steel(p); }, inFrame);
            EXPECT_LE(steel, 3.0f) << "pose " << pose << " facing " << facing << ": the blade begins " << steel
                                   << " px from its grip";
            EXPECT_LE(hand, 3.0f) << "pose " << pose << " facing " << facing << ": her hand stops " << hand
                                  << " px short of the blade's grip";
        }
}

}  // namespace

namespace {

// The camp's scene puts the heroine inside the tent while its front piece
// hides her there: going in and lying down, waking, rising to ask after
// supper, and back after the catching game. Each row is a pose she holds
// there, her place from the camp's anchor and her facing; every pixel of
// her above the ground (y 640) lies on the tent's front, which the game
// draws at the anchor + 74, y 521.
TEST(SceneCells, InsideTheTentTheHeroineIsHiddenByItsFront) {
    struct Inside {
        std::int32_t pose, dx, y, facing;
    };
    const Inside rows[] = {
        {89, 209, 640, -1}, {40, 209, 690, -1}, {39, 209, 690, -1}, {107, 209, 640, -1}, {89, 169, 640, -1},
        {56, 169, 640, -1}, {29, 220, 684, 1},  {39, 169, 710, -1}, {29, 169, 684, 1},
    };
    const art::Canvas heroine = art::DrawPicture(*FindPicture(101));
    const art::Canvas camp = art::DrawPicture(*FindPicture(195));
    const npc_scene_frames::Cell& front = npc_scene_frames::kPropFrontCell;
    for (const Inside& r : rows) {
        const heroine_w1_table::FrameRow* f = heroine_w1_table::FindFrame(r.pose);
        ASSERT_NE(f, nullptr) << r.pose;
        int shown = 0, outside = 0;
        for (int v = f->rect.top; v < f->rect.bottom; ++v)
            for (int u = f->rect.left; u < f->rect.right; ++u) {
                if (heroine.At(u, v) == art::kTransparent) continue;
                const int y = r.y - f->anchorY + (v - f->rect.top);
                if (y >= 640) continue;
                ++shown;
                // Her place as a column of the tent's cell; mirrored about it when she faces left.
                const int du = u - f->rect.left - f->anchorX;
                const int x = front.left + r.dx - 74 + (r.facing > 0 ? du : -du - 1);
                const int ty = front.top + y - 521;
                const bool covered = x >= front.left && x < front.right && ty >= front.top && ty < front.bottom &&
                                     camp.At(x, ty) != art::kTransparent;
                outside += !covered;
            }
        EXPECT_GT(shown, 0) << "pose " << r.pose;
        EXPECT_EQ(outside, 0) << "pose " << r.pose << " at the anchor + " << r.dx << ", y " << r.y << ": " << outside
                              << " of her " << shown << " pixels above the ground show past the tent";
    }
}

}  // namespace

namespace {

// The woman who shoots, on her feet in the scenes, is drawn from cells that
// hang on the side of her place the game turns her to (her point a few px
// before the cell's left edge; mirrored, after it): so she looks that way,
// right as the cell is cut, her face on the right of her hair, and stands
// in the cell's left half, near her place. The game turns her so to answer
// the big man, to speak to the heroine and to hand her the gift.
TEST(SceneCells, TheShooterOnHerFeetLooksTheWayHerCellsHang) {
    const art::Canvas pic = art::DrawPicture(*FindPicture(191));
    const art::Look look = art::LookOf(art::Subject::ArenaBoss1, 0, 192);
    const auto skin = Near(look.skin), hair = Near(look.hair);
    for (const ArenaSceneCell& c : kSceneBoss1Poses) {
        if (c.key < 107 || c.key > 111) continue;
        const ArenaRect& r = c.rect;
        // The head: the first rows with hair, and the skin beside that hair.
        int top = r.bottom;
        for (int y = r.top; y < r.bottom && top == r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (hair(pic.At(x, y))) top = y;
        long skinX = 0, skinN = 0, hairX = 0, hairN = 0;
        for (int y = top; y < std::min(top + 14, r.bottom); ++y)
            for (int x = r.left; x < r.right; ++x) {
                if (hair(pic.At(x, y))) hairX += x, ++hairN;
                if (skin(pic.At(x, y))) skinX += x, ++skinN;
            }
        ASSERT_GT(hairN, 0) << "pose " << c.key;
        ASSERT_GT(skinN, 0) << "pose " << c.key;
        EXPECT_GT(skinX / skinN, hairX / hairN) << "pose " << c.key << ": she looks left, away from the cell's side";
        // Her feet: what the cell's lowest rows hold.
        long feetX = 0, feetN = 0;
        for (int y = r.bottom - 4; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (pic.At(x, y) != art::kTransparent) feetX += x - r.left, ++feetN;
        ASSERT_GT(feetN, 0) << "pose " << c.key;
        EXPECT_LT(feetX / feetN, (r.right - r.left) / 2) << "pose " << c.key << ": her feet far from her place";
    }
}

}  // namespace
