#include "tools/art/cell_registry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "areas/era00_era01/era00/sheets.h"
#include "areas/era00_era01/era01/collect_sheet.h"
#include "areas/era00_era01/era01/figure_frames.h"
#include "areas/era02/opponent_frames.h"
#include "areas/era03/arena_sheets.h"
#include "areas/era03/field_sheets.h"
#include "areas/era03/npc_scene_frames.h"
#include "areas/era04_encounters/encounter_a_frames.h"
#include "areas/era04_encounters/encounter_b_frames.h"
#include "areas/era04_encounters/encounter_c_frames.h"
#include "areas/era04_encounters/encounter_c_parts.h"
#include "areas/era04_stage/soldier_frames.h"
#include "areas/finale/boss_frames.h"
#include "areas/finale/ending_frames.h"
#include "core/sprites/heroine_w1_table.h"
#include "core/sprites/heroine_w2_table.h"
#include "core/sprites/hud_table.h"
#include "text/sprites/menu_sprite_tables.h"
#include "tools/art/arena_rects.h"
#include "tools/art/era04_scenery_art.h"
#include "tools/art/picture_art.h"
#include "tools/art/sprite_table_art.h"
#include "tools/art/table_piece_art.h"
#include "tools/picture_catalogue.h"

namespace art {

namespace {

constexpr std::string_view kNames[] = {
    "scenery",         "prop",           "effect",          "interface",        "heroine",
    "pet",             "intruder",       "friend",          "companion",        "walking enemy",
    "field enemy A",   "gatekeeper",     "field arena foe", "teacher",          "monster",
    "encounter actor 1", "encounter actor 2", "encounter actor 3", "spectators",
    "round 2 opponent", "round 3 opponent", "round 4 opponent", "creature",     "duellist",
    "fighter",         "merchant",       "arena boss 1",    "arena enemy 2",    "soldiers",
    "piece figure",    "blade fighter",  "sorceress",       "queen",
    "ending figure",   "little one",
};
static_assert(std::size(kNames) == static_cast<std::size_t>(Subject::Count), "a name for every subject");

class Builder {
public:
    std::vector<Cell> cells;

    void Figure(int picture, PictureRect r, Subject s, int pose, float pivotX, float pivotY,
                Stance stance = Stance::Auto) {
        cells.push_back(Cell{picture, Cut(picture, r), s, pose, stance, pivotX, pivotY, false});
    }
    template <class R>
    void Figure(int picture, const R& r, Subject s, int pose, float pivotX, float pivotY,
                Stance stance = Stance::Auto) {
        Figure(picture, PictureRect{r.left, r.top, r.right, r.bottom}, s, pose, pivotX, pivotY, stance);
    }
    // A figure whose table gives its body box as offsets from the pivot.
    template <class R>
    void FigureWithBody(int picture, const R& r, Subject s, int pose, float pivotX, float pivotY, int left, int top,
                        int right, int bottom) {
        Figure(picture, r, s, pose, pivotX, pivotY);
        const int px = int(pivotX), py = int(pivotY);
        cells.back().body = PictureRect{px + std::min(left, right), py + std::min(top, bottom), px + std::max(left, right),
                                        py + std::max(top, bottom)};
    }
    // A thing the tables cut exactly.
    void Thing(int picture, PictureRect r, Subject s) { cells.push_back(Cell{picture, Cut(picture, r), s}); }
    template <class R>
    void Thing(int picture, const R& r, Subject s) {
        Thing(picture, PictureRect{r.left, r.top, r.right, r.bottom}, s);
    }
    // Any rectangle inside r.
    void Region(int picture, PictureRect r, Subject s) {
        Cell c{picture, r, s};
        c.region = true;
        cells.push_back(c);
    }
    // Any rectangle of the picture, even one reaching past its edges (the
    // texels beyond are see-through).
    void Whole(int picture, Subject s) { Region(picture, PictureRect{-kFar, -kFar, kFar, kFar}, s); }

private:
    static constexpr int kFar = 1 << 20;
    // A table cell that reaches past its picture keeps its numbers: the game
    // draws it so (the texels beyond are see-through).
    static PictureRect Cut(int, PictureRect r) { return r; }
};

// ------------------------------------------------------------ things --

// The pieces the picture's painters paint, each one whole thing in the
// rectangle the game's tables cut for it: a pass may draw a piece or a strip
// of one (a bar cut shorter, a slab's top rows), never a rectangle across
// two pieces or off them. Empty for a picture painted as one face (a sky, a
// backdrop, a panorama) or by the pattern of its kind alone.
std::vector<PictureRect> PaintedPieces(int picture) {
    std::vector<PictureRect> out;
    for (auto list : {SceneryPieceRects, MenuSheetPieceRects, SpriteTablePieceRects, Era04SceneryPieceRects})
        for (const PictureRect& r : list(picture)) out.push_back(r);
    // The generator's own lists; on a figure sheet only its props, the rest
    // of it being figure cells and their effects.
    const PictureInfo* info = FindPicture(picture);
    const bool figureSheet = info != nullptr && info->kind == PictureKind::Figures;
    for (const RectSource& src : RectSources())
        if (src.resourceId == picture && (!figureSheet || src.kind == FigureKind::Prop))
            out.insert(out.end(), src.rects.begin(), src.rects.end());
    if (picture == 180) {
        for (const auto* list : {&kArenaStandRects, &kArenaStageRects, &kArenaBannerRects})
            out.insert(out.end(), list->begin(), list->end());
        // The platform's deck and post are painted as one platform, and the
        // stand draws it whole, rising from the floor.
        out.push_back(PictureRect{kArenaStageRects[2].left, kArenaStageRects[2].top, kArenaStageRects[3].right,
                                  kArenaStageRects[3].bottom});
        out.insert(out.end(), kArenaLiftRects.begin(), kArenaLiftRects.end());
        out.insert(out.end(), kArenaGateCrownRects.begin(), kArenaGateCrownRects.end());
        out.insert(out.end(), kApproachLamps.begin(), kApproachLamps.end());
        for (const PictureRect& r : {kArenaDoorCap, kArenaDoorSlab, kArenaDoorFoot, kArenaMarkerPole, kApproachLanding,
                                     kApproachHedge, kApproachTree})
            out.push_back(r);
    }
    return out;
}

// Pictures that hold no figure: what is drawn from them is one kind of
// thing, a piece of the picture's painted pieces, or any cut of a picture
// painted as one face.
void WholePictures(Builder& b) {
    for (const PictureInfo& p : kPictures) {
        const std::vector<PictureRect> pieces = PaintedPieces(p.id);
        auto face = [&](Subject s) {
            if (pieces.empty()) b.Whole(p.id, s);
            for (const PictureRect& r : pieces) b.Region(p.id, r, s);
        };
        switch (p.kind) {
            case PictureKind::Black:
            case PictureKind::Scenery:
            case PictureKind::Panorama:
            case PictureKind::Backdrop:
            case PictureKind::Sky:
            case PictureKind::FarBand:
            case PictureKind::FarShape:
            case PictureKind::GroundTiles:
            case PictureKind::GroundColumns:
            case PictureKind::EdgePiece: face(Subject::Scenery); break;
            case PictureKind::Props: face(Subject::Prop); break;
            case PictureKind::Effects: face(Subject::Effect); break;
            case PictureKind::Icons:
            case PictureKind::MenuPanel:
            case PictureKind::MenuColumn:
            case PictureKind::MenuTile:
            case PictureKind::MessageBox:
            case PictureKind::Logo:
            case PictureKind::Hud:
            case PictureKind::Gauge:
            case PictureKind::Loading: face(Subject::Interface); break;
            case PictureKind::Heroine:
            case PictureKind::Figures:
            case PictureKind::TitleFigures: break;
        }
    }
    for (const PictureInfo& p : kPictures)
        if (HoldsSceneryAround(p.id))
            for (const PictureRect& r : PaintedPieces(p.id)) b.Region(p.id, r, Subject::Scenery);
}

// The things the generator's own rectangle lists place on figure sheets.
void ThingsOfRectSources(Builder& b) {
    for (const RectSource& src : RectSources()) {
        const PictureInfo* p = FindPicture(src.resourceId);
        if (p == nullptr || p->kind != PictureKind::Figures) continue;
        Subject s = Subject::Effect;
        switch (src.kind) {
            case FigureKind::Prop: s = Subject::Prop; break;
            case FigureKind::Effect:
            case FigureKind::Debris:
            case FigureKind::ThrownDisc: s = Subject::Effect; break;
            case FigureKind::Icon:
            case FigureKind::Spinner:
            case FigureKind::Marker: s = Subject::Interface; break;
            default: continue;   // figures come from the game's frame tables below
        }
        for (const PictureRect& r : src.rects) b.Thing(src.resourceId, r, s);
    }
}

// -------------------------------------------------------- the heroine --

// How a pose of her sheets holds her: the controller's walk, run, slide,
// jump, kicks, tumble, lying and hurt poses, the stances the scenes hold
// her in while people talk (at the camp she sits down by the fire, 86 to
// 89 and 108, and moves along on her knees, 107, the pose she also lands
// in when she is knocked down; she leans over to take the bowl, 109, and
// eats from it sitting, bowing to it and up again, 110 to 112), the
// queen's blow staggering her (115), and her attacks; the second sheet is
// all attacks.
//
// Of the poses by her kick: 17 to 20 stand in cells a body wide, the guard
// her S kick is gathered in (19, 20) and the title's stretches hold (17,
// 18), her fists up and feet together. A blow staggers her into 46 and she
// gets up through 45 (from a fall, a blow, the title's landing). The title
// sits her down through 47 and 49 into 50 and sways her on the ground, 51
// to 54, and has her stand by the mushroom cluster, 55, between the kicks at
// it (48), kneeling up to it as it sways, 56; 55 is also how she stands on
// the arrival's lift through all its talk and its ride, and 56 how she
// rises inside the camp's tent, under its roof.
Stance HeroineStance(int pose, bool secondSheet) {
    if (secondSheet) return Stance::Attack;
    if (pose >= 17 && pose <= 20) return Stance::Block;
    if (pose == 45 || pose == 47 || pose == 49) return Stance::Crouch;
    if (pose == 46) return Stance::Hurt;
    if (pose >= 50 && pose <= 54) return Stance::Sit;
    if (pose == 55) return Stance::Stand;
    if (pose == 56) return Stance::Knees;
    if (pose >= 2 && pose <= 7) return Stance::Walk;
    if (pose >= 8 && pose <= 11) return Stance::Run;
    if (pose == 12 || pose == 13 || pose == 26 || pose == 87 || pose == 88 || pose == 107) return Stance::Crouch;
    if (pose >= 14 && pose <= 16) return Stance::Jump;
    if (pose >= 41 && pose <= 44) return Stance::Tumble;
    // Down: the fall's strips, beaten (32) and asleep at the game over.
    if (pose == 32 || (pose >= 72 && pose <= 83)) return Stance::Lying;
    // Struck and thrown: reeling back (the collapse of the game over, the
    // throws and the pit).
    if (pose == 27 || (pose >= 29 && pose <= 31)) return Stance::Hurt;
    if (pose == 84 || pose == 85) return Stance::Hurt;
    if (pose == 89 || pose == 108 || pose == 110 || pose == 112) return Stance::Sit;
    if (pose == 109 || pose == 111) return Stance::Hunch;
    if (pose == 115) return Stance::Hurt;
    if (pose == 21 || pose == 48) return Stance::Kick;
    if (pose == 1 || (pose >= 22 && pose <= 25) || pose == 27 || (pose >= 29 && pose <= 35) || pose == 39 ||
        pose == 40 || pose == 59 || (pose >= 63 && pose <= 65) || pose == 86 || pose == 90 || pose == 96 ||
        pose == 114)
        return Stance::Stand;
    return Stance::Attack;
}

// Rows the title's sitting-down sets her point below its floor (y 600):
// she crouches at 623 and 628 and sits at 646.
int HeroineSink(int pose) {
    if (pose == 47) return 23;
    if (pose == 49) return 28;
    if (pose >= 50 && pose <= 54) return 46;
    return 0;
}

// A frame of the second outfit with the blade drawn as a sprite of its own
// beside it: the renderer turns the blade about its point by the row's angle
// (clockwise on screen) and places the point at the row's offset from her
// feet (facing right, as the cell is painted). The blade runs along its
// cell's longer side, through the middle of the shorter. Of its two ends the
// nearer to her shoulders (above her feet, a quarter of the frame's height
// down from its top) is the grip, the one her hand reaches: the hand goes
// there, as near as the cell lets it, and the grip runs on from the hand to
// that end.
void HoldLayeredBlade(Cell& cell, const heroine_w2_table::ComboRow& blade) {
    const float a = float(blade.angle == heroine_w2_table::kKeepAngle ? 0 : blade.angle) * 3.14159265f / 180.0f;
    const float w = float(blade.rect.Width()), h = float(blade.rect.Height());
    const bool along = w > h;
    // Its two ends from its point, before the turn.
    const float ends[2][2] = {{along ? 0.0f : w * 0.5f, along ? h * 0.5f : 0.0f},
                              {along ? w : w * 0.5f, along ? h * 0.5f : h}};
    const float px = cell.pivotX + float(blade.dx), py = cell.pivotY + float(blade.dy);
    const auto placed = [&](const float (&e)[2], float& x, float& y) {
        const float u = e[0] - blade.pivot.x, v = e[1] - blade.pivot.y;
        x = px + u * std::cos(a) - v * std::sin(a);
        y = py + u * std::sin(a) + v * std::cos(a);
    };
    float x0, y0, x1, y1;
    placed(ends[0], x0, y0);
    placed(ends[1], x1, y1);
    const float sx = cell.pivotX, sy = cell.pivotY * 0.25f;
    const bool firstNearer = std::hypot(x0 - sx, y0 - sy) <= std::hypot(x1 - sx, y1 - sy);
    const float gx = firstNearer ? x0 : x1, gy = firstNearer ? y0 : y1;
    cell.holdX = std::clamp(gx, 1.0f, float(cell.rect.Width() - 2));
    cell.holdY = std::clamp(gy, 1.0f, float(cell.rect.Height() - 2));
    cell.gripToX = gx;
    cell.gripToY = gy;
}

void Heroine(Builder& b) {
    using namespace heroine_w1_table;
    for (const FrameRow& f : kFrames) {
        const bool second = OnSecondSheet(f.pose);
        b.Figure(second ? 183 : 101, f.rect, Subject::Heroine, f.pose, float(f.anchorX), float(f.anchorY),
                 HeroineStance(f.pose, second));
        if (!second) b.cells.back().sink = HeroineSink(f.pose);
    }
    for (const SparkFrame& s : kSparkA) b.Thing(101, s.rect, Subject::Effect);
    for (const SparkFrame& s : kSparkB) b.Thing(183, s.rect, Subject::Effect);
    for (const SpriteRect& t : kTrailRects) b.Thing(183, t, Subject::Effect);
    for (int k = 1; k <= 3; ++k)
        b.Thing(101, PictureRect{kStripLeft, kStripTop, kStripRight, kStripBottom[k]}, Subject::Prop);

    // The small walking figure of the loading screen is she.
    for (int n = 1; n <= 10; ++n)
        b.Figure(117, hud_table::TitleFigureFrame(n), Subject::Heroine, n, float(hud_table::kTitleFigurePivot.x),
                 float(hud_table::kTitleFigurePivot.y), Stance::Walk);

    namespace w2 = heroine_w2_table;
    // Her techniques' poses on it are blows but two: the stance the F blow
    // is gathered in (217), upright, the blade held low behind her, and the
    // lunge the G blow ends in (216), the blade held low before her; she
    // holds them too facing whoever she talks to. The G blow's swing (214,
    // 215) reaches the blade out before her; the ending holds its last frame
    // while the crystal breaks, and the G blow's wind-up (213), the blade low
    // before her, while she speaks to it.
    // The F blow's dash (218 to 220) trails the blade low behind her: she
    // runs in crouched, her hand down by her knee on it, and rises out of
    // the blow (222) with it level at her hip.
    auto secondOutfit = [](int pose) {
        if (pose >= 214 && pose <= 216) return Stance::Lunge;
        if ((pose >= 218 && pose <= 220) || pose == 222) return Stance::Crouch;
        if (pose == 217) return Stance::Stand;
        return pose > 200 ? Stance::Attack : HeroineStance(pose, false);
    };
    // A pose with a frame for each facing draws both the sheet's way round
    // and mirrors the left one, as it mirrors every frame when she faces
    // left: both are painted facing right.
    for (const w2::BodyRow& r : w2::kBody) {
        b.Figure(197, r.rect, Subject::Heroine, r.pose, float(r.pivotX), float(r.rect.Height()), secondOutfit(r.pose));
        // Wherever her back layer draws the blade beside the frame it is in
        // her hand: the hand goes to its nearer end.
        if (BackLayerDrawsHerBlade(r.pose)) HoldLayeredBlade(b.cells.back(), *w2::FindCombo(w2::kBackCombo, r.pose));
    }
    b.Figure(197, w2::kTumbleFrame, Subject::Heroine, 41, -1, -1, Stance::Tumble);
    b.Thing(197, w2::kWeapon, Subject::Prop);
    for (const w2::ComboRow& r : w2::kBackCombo) b.Thing(197, r.rect, Subject::Effect);
    for (const w2::ComboRow& r : w2::kFrontCombo) b.Thing(197, r.rect, Subject::Effect);
    b.Thing(197, w2::kFront215Ending.rect, Subject::Effect);
    for (const w2::EffectRow& e : w2::kEffects) b.Thing(197, e.rect, Subject::Effect);
    b.Thing(197, w2::kEffect3Ending.rect, Subject::Effect);
    for (const w2::PartRow& p : w2::kParts) b.Thing(197, p.rect, Subject::Prop);
    b.Thing(197, w2::kSlidePart, Subject::Effect);
    b.Thing(197, w2::kLyingPart, Subject::Prop);
}

// ------------------------------------------------------ the home area --

void HomeArea(Builder& b) {
    using namespace era00_sheet;
    constexpr int kActors = 187;
    auto rows = [&](const auto& table, Subject s) {
        for (const FrameRow& f : table)
            b.Figure(kActors, PictureRect{f.left, f.top, f.right, f.bottom}, s, f.frame, float(f.pivotX),
                     float(f.pivotY));
    };
    rows(kNpcFrames, Subject::Pet);
    rows(kActorAFrames, Subject::Heroine);   // she herself, while the scene moves her
    rows(kActorBFrames, Subject::Intruder);
    rows(kActorCFrames, Subject::Companion);
    // From its grab on the helper turns to run off right with the pet held
    // before it, where its cells leave the room.
    for (Cell& c : b.cells)
        if (c.picture == kActors && c.subject == Subject::Companion && SnatchedPet(c.pose)) c.facing = 1;
    rows(kActorEFrames, Subject::Friend);
    for (const FrameRow& f : kActorDFrames) b.Thing(kActors, PictureRect{f.left, f.top, f.right, f.bottom}, Subject::Prop);
    b.Thing(kActors, kBall, Subject::Prop);
    for (const SheetRect& e : kFlameEdges) {
        b.Thing(kActors, PictureRect{e.left, kFlameTop, e.right, kFlameBottom}, Subject::Effect);
        b.Thing(kActors, PictureRect{e.left + kFlameLayerShift, kFlameTop, e.right + kFlameLayerShift, kFlameBottom},
                Subject::Effect);
    }
}

// ----------------------------------------------------------- the field --

void Field(Builder& b) {
    using namespace era01_frames;
    for (const WalkingEnemyRow& r : kWalkingEnemyFrames)
        b.Figure(135, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::WalkingEnemy, r.frame, r.centreX,
                 r.centreY, r.frame >= 20 || r.frame == 1 || r.frame == 14 ? Stance::Lower : Stance::Auto);
    // Both enemies first show as the seed they grow from (frame 1).
    for (const FieldEnemyARow& r : kFieldEnemyAFrames)
        if (r.frame == 1) b.Thing(158, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Prop);
        else b.Figure(158, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::FieldEnemyA, r.frame,
                      float(r.pivotX), float(r.lift));
    for (const ArenaEnemyRow& r : kArenaEnemyFrames)
        if (r.frame == 1) b.Thing(162, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Prop);
        else b.Figure(162, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::FieldArenaFoe, r.frame,
                      float(r.pivotX), float(r.pivotY));
    for (const LayerCell& l : kDashLayers) {
        b.Figure(158, PictureRect{l.left, l.top, l.right, l.bottom}, Subject::FieldEnemyA, 8, l.centreX, float(l.lift));
        b.Figure(162, PictureRect{l.left, l.top, l.right, l.bottom}, Subject::FieldArenaFoe, 7, l.centreX,
                 float(l.lift));
    }
    for (const TeacherRow& r : kTeacherFrames)
        b.Figure(164, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Teacher, r.frame, float(r.pivotX),
                 float(r.pivotY));
    for (const MonsterFrameRow& r : kMonsterFrames)
        b.Figure(177, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Monsters, r.frame, float(r.pivotX),
                 float(r.pivotY));
    auto actor = [&](const auto& table, Subject s) {
        for (const EncounterActorRow& r : table)
            b.Figure(178, PictureRect{r.left, r.top, r.right, r.bottom}, s, r.frame, float(r.pivotX), float(r.pivotY));
    };
    actor(kEncounterActor1Frames, Subject::EncounterActor1);
    actor(kEncounterActor2Frames, Subject::EncounterActor2);
    actor(kEncounterActor3Look1, Subject::EncounterActor3);
    actor(kEncounterActor3Look2, Subject::EncounterActor3);
    // The mushroom field's guard throws the first bad collecting object, cut
    // with the see-through column after its cell; the lift section's loop
    // cuts the mushroom cluster's third frame from the see-through column
    // before it.
    const CollectRow& thrown = kCollectRows[0];
    b.Region(159, PictureRect{thrown.left, kCollectBadRowTop, thrown.right + 1, thrown.bottom + kCollectBadRowTop},
             Subject::Prop);
    b.Region(175, PictureRect{2 * kMushroomFrameWidth - 1, 0, 3 * kMushroomFrameWidth, 79}, Subject::Scenery);
    for (int k = 0; k < 6; ++k) {
        const GatekeeperRow& g = kGatekeeperFrames[k];
        b.Figure(161, PictureRect{g.left, 0, g.right, kGatekeeperHeight}, Subject::Gatekeeper, k + 1,
                 float(g.centreX), float(kGatekeeperHeight));
    }
}

// ----------------------------------------------------- the tournament --

// The first opponent is the intruder of the home area again.
void Tournament(Builder& b) {
    using namespace era02_frames;
    // The last frames of the first two opponents are the prize each becomes.
    constexpr int kRound1FirstPrize = 37, kRound2FirstPrize = 20;
    for (const Round1Row& r : kRound1Frames)
        if (r.frame >= kRound1FirstPrize) b.Thing(181, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Prop);
        else b.Figure(181, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Intruder, r.frame,
                      float(r.pivotX), float(r.pivotY));
    for (const Round1Row& r : kRound1ExtraFrames)
        b.Figure(181, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Intruder, 100 + r.frame,
                 float(r.pivotX), float(r.pivotY), Stance::Upper);
    for (const Round2Row& r : kRound2Frames)
        if (r.frame >= kRound2FirstPrize) b.Thing(182, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Prop);
        else b.Figure(182, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Round2Opponent, r.frame,
                      float(r.pivotX), float(r.pivotY));
    for (const Round3Row& r : kRound3Frames)
        b.Figure(184, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Round3Opponent, r.frame,
                 float(r.pivotX), float(r.pivotY));
    for (const Round4Row& r : kRound4Frames)
        b.FigureWithBody(185, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Round4Opponent, r.frame,
                         float(r.pivotX), float(r.pivotY), r.hitLeft, r.hitTop, r.hitRight, r.hitBottom);
    for (int f = 0; f < 4; ++f) {
        const CrowdFrame& c = kCrowdFrames[f];
        for (int kind = 0; kind < 3; ++kind)
            b.Figure(180, PictureRect{c.left, c.top[kind], c.right, c.bottom[kind]}, Subject::Spectators,
                     10 * kind + f + 1, float(c.pivotX), float(c.pivotY));
    }
}

// --------------------------------------------------------------- Era03 --


void Era03(Builder& b) {
    for (const Boss1Frame& f : kBoss1Frames)
        b.FigureWithBody(192, f.rect, Subject::ArenaBoss1, f.pose, f.cx, f.cy, f.hurt[0], f.hurt[1], f.hurt[2], f.hurt[3]);
    b.Thing(192, kBoss1BulletCell, Subject::Effect);
    for (const Boss1Effect& e : kBoss1Effects) b.Thing(192, e.rect, Subject::Effect);
    for (const Enemy2BodyFrame& f : kEnemy2BodyFrames)
        b.FigureWithBody(193, f.rect, Subject::ArenaEnemy2, f.frame, f.cx, f.cy, f.hurt[0], f.hurt[1], f.hurt[2],
                         f.hurt[3]);
    for (const Enemy2UpperCell& u : kEnemy2UpperCells)
        b.Figure(193, u.rect, Subject::ArenaEnemy2, 4, u.cx, u.cy, Stance::Upper);
    // Leg overlays under the upper cells, and the heroine it holds.
    for (const Enemy2PlainFrame& f : kEnemy2PlainFrames)
        if (f.frame <= 54) b.Figure(193, f.rect, Subject::ArenaEnemy2, f.frame, f.cx, f.cy, Stance::Lower);
        else b.Figure(193, f.rect, Subject::Heroine, f.frame, f.cx, f.cy);
    for (const Enemy3Frame& f : kEnemy3Frames)
        b.FigureWithBody(f.pose > 100 ? 187 : 194, f.rect, Subject::Intruder, f.pose, f.cx, f.cy, f.hurt[0], f.hurt[1],
                         f.hurt[2], f.hurt[3]);
    for (const Enemy3Cell& c : kEnemy3SlashCells) b.Thing(194, c.rect, Subject::Effect);
    for (const Enemy3Cell& c : kEnemy3OrbCells) b.Thing(194, c.rect, Subject::Effect);
    b.Thing(194, kTimedEffectCell.rect, Subject::Effect);
    b.Thing(194, kEnemy3ShotCell.rect, Subject::Effect);
    // The arena intro's sheet: the shooter seated facing the big man across
    // their camp, then up and facing the heroine; the big man seated (his
    // cells share his place, the second and third only his head) and
    // getting up; the camp's seat, things and fence; the hazard post.
    for (const ArenaSceneCell& f : kSceneBoss1Poses) {
        const bool seated = f.key <= 105;
        const bool blow = f.key == 110 || f.key == 111 || f.key == 113 || f.key == 114;
        const Stance st = seated ? Stance::Seat
                          : f.key == 106 ? Stance::Crouch
                          : f.key == 116 ? Stance::Lying
                          : blow         ? Stance::Attack
                                         : Stance::Stand;
        b.Figure(191, f.rect, Subject::ArenaBoss1, f.key, f.cx, f.cy, st);
        if (seated) b.cells.back().facing = 1;
    }
    for (const ArenaSceneCell& f : kSceneFigure5)
        b.Figure(191, f.rect, Subject::ArenaEnemy2, f.key, f.cx, f.cy, f.key == 1 ? Stance::Seat : Stance::Upper);
    for (const ArenaSceneCell& f : kSceneFigure6)
        b.Figure(191, f.rect, Subject::ArenaEnemy2, f.key, f.cx, f.cy,
                 f.key == 1 ? Stance::Seat : f.key == 7 ? Stance::Stand : Stance::Crouch);
    for (const ArenaRect& r : {kSceneSeat, kSceneBarrel, kSceneRack, kPostHead, kPostCollar})
        b.Thing(191, r, Subject::Prop);
    b.Thing(191, kSceneFence, Subject::Scenery);
    for (const ArenaPostCell& p : kPostSteady) b.Thing(191, p.rect, Subject::Effect);
    for (const ArenaPostCell& p : kPostCrackle) b.Thing(191, p.rect, Subject::Effect);

    // The creature: its parts, shots and stem.
    for (std::int32_t code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                              24, 25, 26, 27, 28, 29, 30, 31, 32, 61, 62, 63, 64, 65, 66, 67, 68}) {
        const Era03CreatureCell c = Era03CreatureCellOf(code);
        b.Figure(188, c.src, Subject::Creature, code, float(c.pivotX), float(c.pivotY));
    }
    for (std::int32_t code : {111, 121, 131, 141}) b.Thing(188, Era03CreatureCellOf(code).src, Subject::Effect);
    b.Figure(188, kEra03CreatureStem.src, Subject::Creature, 0, float(kEra03CreatureStem.pivotX),
             float(kEra03CreatureStem.pivotY));
    // The poles, stakes, pegs and posts round the placed objects share the
    // creature's sheet.
    for (const Era03FieldPiece& p : {kEra03Pole, kEra03ShortPole, kEra03Peg, kEra03Posts[0], kEra03Posts[1],
                                     kEra03Posts[2], kEra03Stakes[0], kEra03Stakes[1], kEra03Stakes[2]})
        b.Thing(188, p.src, Subject::Scenery);
    for (const Era03FieldPiece& p : kEra03PlacedObjectLooks) b.Thing(188, p.src, Subject::Prop);
    // The duellist stands in the middle of each cell on the line of his feet,
    // so the heads of frames 2 and 8 sit on the bodies cut from frames 1
    // and 7.
    for (const Era03SheetCell& c : kEra03DuelCells)
        b.Figure(189, c.src, Subject::Duellist, c.frame, float(c.src.right - c.src.left) * 0.5f, float(-c.oy));
    for (const Era03SheetRect& r : kEra03DuelBodyCells) b.Figure(189, r, Subject::Duellist, 0, -1, -1, Stance::Lower);
    for (const Era03FighterCell& c : kEra03FighterCells)
        b.Figure(190, c.src, Subject::Fighter, c.pose, float(c.pivotX), float(-c.yOffset));
    for (const Era03DebrisCell& c : kEra03DebrisCells) b.Thing(190, c.src, Subject::Effect);

    // The camp: the merchant's frames, the two cells of his pose 23, and
    // the camp's things.
    namespace n = npc_scene_frames;
    // His cells are placed to the right of his x, each on the line of his
    // feet; he stands in the middle of each, so the two cells of pose 23
    // (his head and arms over the lower part of pose 19's cell) meet.
    auto middle = [](const n::Cell& c) { return float(c.right - c.left) * 0.5f; };
    for (const n::ActorFrame& f : n::kActorFrames)
        b.Figure(195, f.cell, Subject::Merchant, f.pose, middle(f.cell), float(f.dy));
    b.Figure(195, n::kTwoCellUpper, Subject::Merchant, n::kTwoCellPose, middle(n::kTwoCellUpper),
             float(n::kTwoCellUpperDy), Stance::Lift);
    b.Figure(195, n::kTwoCellLower, Subject::Merchant, n::kTwoCellPose, middle(n::kTwoCellLower),
             float(n::kTwoCellLowerDy), Stance::Lift);
    for (const n::Cell& c : {n::kToolCell, n::kFirePlaceCell, n::kPropBackCell, n::kPropFrontCell, n::kHandedItemCell})
        b.Thing(195, c, Subject::Prop);
    b.Thing(195, n::kShootingStarCell, Subject::Effect);
    // The shop's knife, four columns of her sheet.
    for (int k = 0; k < n::kKnifeColumnCount; ++k) {
        const int left = n::kKnifeFirstColumn + n::kKnifeColumnStep * k;
        b.Thing(101, PictureRect{left, n::kKnifeTop, left + 10, n::kKnifeBottom}, Subject::Prop);
    }
    for (const n::Cell& c : n::kStarCells) b.Thing(195, c, Subject::Effect);
}

// --------------------------------------------------------------- Era04 --

void Era04(Builder& b) {
    namespace s = soldier_frames;
    for (const s::Frame& f : s::kFrames)
        b.FigureWithBody(199, f.rect, Subject::Soldier, f.frame, f.pivotX, f.pivotY, f.hit.left, f.hit.top, f.hit.right,
                         f.hit.bottom);
    for (const s::DiscRow& row : s::kDiscRows)
        for (int k = 0; k < 3; ++k)
            b.Thing(199, PictureRect{row.left[k], row.top, row.right[k], row.bottom}, Subject::Effect);

    namespace a = encounter_a_frames;
    for (const a::BodyFrame& f : a::kFrames) b.Figure(203, f.src, Subject::PieceFigure, f.frame, f.cx, f.cy);
    for (const a::Rect& r : a::kOwnFrames) b.Figure(203, r, Subject::PieceFigure, 0, -1, -1);
    for (const a::Layer& l : a::kLayers) b.Figure(203, l.src, Subject::PieceFigure, l.code, l.cx, l.cy, Stance::Upper);
    // The pieces it throws, whole, broken (upper half) and the fragment
    // (lower half); the beams, which grow up from the floor.
    for (const a::PieceRow& row : a::kPieceRows)
        for (const auto& col : a::kPieceColumns) {
            b.Thing(203, PictureRect{col[0], row.top, col[1], row.bottom}, Subject::Prop);
            b.Thing(203, PictureRect{col[0], row.top, col[1], row.upperBottom}, Subject::Prop);
            b.Thing(203, PictureRect{col[0], row.lowerTop, col[1], row.lowerBottom}, Subject::Prop);
        }
    for (const a::Rect& r : a::kBeams) b.Region(203, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Effect);

    namespace e = encounter_b_frames;
    for (const e::FrameRow& f : e::kFrames) b.Figure(205, f.src, Subject::BladeFighter, f.frame, f.cx, f.cy);
    // Its layers: what it holds and wears in its own colour is part of it,
    // the falling blade a thing, the glows and breath light.
    for (const e::LayerRow& l : e::kLayers) {
        const bool limb = l.tint == e::Tint::Figure || (l.turn == e::Turn::Figure && l.code < 200);
        const bool blade = l.place == e::Place::Blade || (l.code >= 200 && l.code < 300);
        // Held up behind it, she is one of its layers.
        if (l.code == 301) {
            b.Figure(205, l.src, Subject::Heroine, l.code, l.cx, l.cy, Stance::Hurt);
            b.cells.back().facing = 1;
            continue;
        }
        // The legs under a body frame cut at the waist stand on its feet.
        const bool legs = l.cy >= float(l.src.bottom - l.src.top) - 4.0f;
        if (limb) b.Figure(205, l.src, Subject::BladeFighter, l.code, l.cx, l.cy, legs ? Stance::Lower : Stance::Upper);
        else b.Thing(205, l.src, blade ? Subject::Prop : Subject::Effect);
    }
    for (const e::ShardRow& r : e::kShardRows)
        b.Thing(205, PictureRect{e::kShardLeft, r.top, r.right, r.bottom}, Subject::Effect);

    namespace c = encounter_c_frames;
    auto sorceress = [&](int sheet, const c::Rect& r, int code, float cx, float cy, const c::HitBox& h) {
        const int picture = sheet == 69 ? 207 : 208;
        if (h.left == c::kFromCode) b.Figure(picture, r, Subject::Sorceress, code, cx, cy);
        else b.FigureWithBody(picture, r, Subject::Sorceress, code, cx, cy, h.left, h.top, h.right, h.bottom);
    };
    for (const c::Cell& cell : c::kCells) sorceress(cell.sheet, cell.src, cell.cell, cell.cx, cell.cy, cell.hit);
    for (const c::Pose& p : c::kPoses) sorceress(p.sheet, p.src, p.code, p.cx, p.cy, p.hit);
    for (const c::SidedPose& p : c::kSidedPoses) {
        sorceress(70, p.right.src, p.code, p.right.cx, p.right.cy, p.right.hit);
        b.cells.back().facing = 1;
        sorceress(70, p.left.src, p.code, p.left.cx, p.left.cy, p.left.hit);
        b.cells.back().facing = -1;
    }
    // What the shop scene shows held rests on a hand: the clerk holds out a
    // ware or the second loaf before her (pose 8's layer) and the first one
    // behind her (pose 6's); the heroine raises hers (201) and eats from it
    // (202..205). A hand is held a few rows under the thing's foot: the cell
    // row of a screen y is the feet's row less the height above the floor.
    const float loaf = float(c::kWorkpieces[0].bottom - c::kWorkpieces[0].top);
    auto hold = [&](float cx, float feetRow, int floor, float dx, float foot) {
        b.cells.back().holdX = cx + dx;
        b.cells.back().holdY = feetRow - (float(floor) - foot) + 3.0f;
    };
    for (const c::Layer& l : c::kLayers) {
        b.Figure(207, l.src, Subject::Sorceress, l.code, l.cx, l.cy, Stance::Upper);
        if (l.code == 105)
            hold(l.cx, l.cy, c::kClerkFeetY, float(c::kLeftWorkpiece.dx), float(c::kLeftWorkpiece.y) + loaf);
        if (l.code == 107)
            hold(l.cx, l.cy, c::kClerkFeetY, float(c::kWareOffered.dx + c::kRightWorkpiece.dx) * 0.5f,
                 (float(c::kWareOffered.y) + float(c::kRightWorkpiece.y) + loaf) * 0.5f);
    }
    for (const c::HeroinePose& h : c::kHeroinePoses) {
        const float tall = float(h.src.bottom - h.src.top);
        b.Figure(207, h.src, Subject::Heroine, h.code, h.cx, tall);
        if (h.code == 201)
            hold(h.cx, tall, c::kHeroineFeetY, float(c::kWareBought.dx + c::kWorkpieceTaken.dx) * 0.5f,
                 (float(c::kWareBought.y) + float(c::kWorkpieceTaken.y) + loaf) * 0.5f);
        if (h.code >= 202 && h.code <= 205)
            hold(h.cx, tall, c::kHeroineFeetY, float(c::kWorkpieceWorked.dx), float(c::kWorkpieceWorked.y) + loaf);
    }
    // The shop's workpieces rise into view, the sparks fly, the flash.
    for (const c::Rect& r : c::kWorkpieces) b.Region(207, PictureRect{r.left, r.top, r.right, r.bottom}, Subject::Prop);
    for (std::int32_t left : c::kSparkLefts) b.Thing(207, PictureRect{left, 90, left + 16, 114}, Subject::Effect);
    b.Thing(207, c::kFlash, Subject::Effect);
    // The servants are her copies; their loose blades and wings are cut
    // shorter from the bottom as they trim.
    for (int code = 1; code <= 4; ++code) {
        const encounter_c_parts::PartCell& p = encounter_c_parts::kCells[code];
        b.Region(208, PictureRect{p.left, p.top, p.right, p.bottom}, Subject::Prop);
    }
}

// ------------------------------------------------------------- finale --

void Finale(Builder& b) {
    namespace f = boss_frames;
    for (const f::PoseRow& p : f::kPoses) {
        b.Figure(210, p.rect, Subject::Queen, p.pose, p.cx, p.cy);
        if (p.mode == f::kFixed) b.cells.back().facing = p.facing;
        // Where the pose lays her sword by an offset, its grip (the sword
        // cell's point) is in her hand, as the cell is painted: mirrored
        // poses face left, fixed ones their own way. Left alone: the walk,
        // whose sword swings beside her, and the poses that turn the sword
        // with the body (38, 45) or are drawn turned (42).
        const bool turned = p.pose == 38 || p.pose == 42 || p.pose == 45;
        if (p.sword != 0 && !turned && p.mode != f::kDirect) {
            // A grip past the cell's side (a swing at arm's length) is held
            // by a hand at that side.
            const int paintedFacing = p.mode == f::kFixed ? p.facing : -1;
            b.cells.back().holdX = std::clamp(p.cx + float(p.swordAt.dx * paintedFacing), 1.0f, float(p.rect.Width() - 2));
            b.cells.back().holdY = std::clamp(p.cy + float(p.swordAt.dy), 1.0f, float(p.rect.Height() - 2));
        }
    }
    // Her sword, rays, glows, streaks and shards; the defeat's light bars
    // grow along their cells.
    for (const f::Cell& c : f::kCells) b.Thing(210, c.rect, c.slot == 1 ? Subject::Prop : Subject::Effect);
    for (const SpriteRect& r : f::kFragments) b.Thing(210, r, Subject::Effect);
    // A bar may run one stage step's growth past its length before it stops.
    constexpr int kBarOvershoot = 4;
    for (const f::Bar& bar : f::kBars)
        b.Region(210, PictureRect{bar.left, bar.top, bar.left + bar.full + kBarOvershoot, bar.bottom}, Subject::Effect);
    namespace e = ending_frames;
    for (const e::SlotCell& c : e::kSlotCells) {
        if (c.slot == 0) b.Figure(211, c.rect, Subject::Heroine, c.frame, c.cx, c.cy);
        else if (c.slot == 41) b.Figure(211, c.rect, Subject::LittleOne, c.frame, c.cx, c.cy);
        else b.Thing(211, c.rect, Subject::Effect);
    }
    for (const e::PointCell& p : e::kPointCells) b.Thing(211, p.rect, Subject::Effect);
    int n = 0;
    for (const e::Piece& p : e::kPieces) b.Figure(211, p.rect, Subject::EndingFigure, ++n, -1, -1, Stance::Upper);
}

bool Inside(const PictureRect& inner, const PictureRect& outer) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
// Two rectangles cover a common patch at least kCutSize pixels on a side: a
// sliver along an edge shows nothing of the figure painted inside.
constexpr int kCutSize = 5;
bool Overlap(const PictureRect& a, const PictureRect& b) {
    return std::min(a.right, b.right) - std::max(a.left, b.left) >= kCutSize &&
           std::min(a.bottom, b.bottom) - std::max(a.top, b.top) >= kCutSize;
}

// How a figure holds itself in the frames whose use the game's routines
// name (the painter reads the others from the cell's shape and pivot).
struct PoseHint {
    Subject subject;
    int picture;
    int firstPose, lastPose;
    Stance stance;
};
constexpr PoseHint kPoseHints[] = {
    // Era04's soldiers: turning in their rows, stepping, the thrust and its
    // strike, the leap's flight and landing, the march, the blocker at his
    // post, knocked back, knocked down, resting (soldier 4 kneels back on
    // his heels, his spear at his back: his flight leaves him a short step
    // from a soldier of the row, room for no wider a figure).
    {Subject::Soldier, 199, 1, 3, Stance::Stand},   {Subject::Soldier, 199, 4, 5, Stance::Walk},
    {Subject::Soldier, 199, 6, 8, Stance::Attack},  {Subject::Soldier, 199, 9, 9, Stance::Lunge},
    {Subject::Soldier, 199, 10, 10, Stance::Jump},  {Subject::Soldier, 199, 11, 11, Stance::Lunge},
    {Subject::Soldier, 199, 12, 12, Stance::Walk},  {Subject::Soldier, 199, 13, 13, Stance::Block},
    {Subject::Soldier, 199, 14, 14, Stance::Attack}, {Subject::Soldier, 199, 15, 15, Stance::Lying},
    {Subject::Soldier, 199, 16, 17, Stance::Hurt},  {Subject::Soldier, 199, 18, 18, Stance::Heels},
    {Subject::Soldier, 199, 19, 19, Stance::Crouch}, {Subject::Soldier, 199, 20, 20, Stance::Stand},
    // The intruder as the first opponent: idle, jump crouch, lunge, swipe, hit, blocks and
    // counters, knocked out and getting up, her hunched stalk, leap, grab, thrown,
    // squeeze, the final fall and lying.
    {Subject::Intruder, 181, 1, 3, Stance::Stand},   {Subject::Intruder, 181, 4, 4, Stance::Crouch},
    {Subject::Intruder, 181, 5, 6, Stance::Lunge},   {Subject::Intruder, 181, 7, 9, Stance::Attack},
    {Subject::Intruder, 181, 10, 10, Stance::Tumble}, {Subject::Intruder, 181, 11, 11, Stance::Hurt},
    {Subject::Intruder, 181, 12, 12, Stance::Block}, {Subject::Intruder, 181, 13, 13, Stance::Attack},
    {Subject::Intruder, 181, 14, 14, Stance::Block}, {Subject::Intruder, 181, 15, 15, Stance::Lunge},
    {Subject::Intruder, 181, 16, 18, Stance::Lying}, {Subject::Intruder, 181, 19, 21, Stance::Crouch},
    {Subject::Intruder, 181, 22, 23, Stance::Hunch}, {Subject::Intruder, 181, 24, 25, Stance::Leap},
    {Subject::Intruder, 181, 26, 28, Stance::Attack}, {Subject::Intruder, 181, 29, 29, Stance::Stand},
    {Subject::Intruder, 181, 30, 30, Stance::Tumble}, {Subject::Intruder, 181, 31, 33, Stance::Attack},
    {Subject::Intruder, 181, 34, 34, Stance::Crouch}, {Subject::Intruder, 181, 35, 35, Stance::Hurt},
    {Subject::Intruder, 181, 36, 36, Stance::Lying},
    // The queen: standing and sword poses, walk, stances (struck in 14 and
    // 16), attacks, dashes, knocked back (42 the game turns to lie; 45 a
    // small curled figure), the defeat: down on one knee by her sword, held
    // up only by its hilt, while her light leaves her.
    {Subject::Queen, 210, 1, 8, Stance::Stand},     {Subject::Queen, 210, 9, 12, Stance::Walk},
    {Subject::Queen, 210, 13, 13, Stance::Stand},   {Subject::Queen, 210, 14, 14, Stance::Hurt},
    {Subject::Queen, 210, 15, 15, Stance::Stand},   {Subject::Queen, 210, 16, 16, Stance::Hurt},
    {Subject::Queen, 210, 17, 35, Stance::Attack},  {Subject::Queen, 210, 36, 39, Stance::Run},
    {Subject::Queen, 210, 42, 44, Stance::Hurt},    {Subject::Queen, 210, 45, 45, Stance::Tumble},
    {Subject::Queen, 210, 46, 48, Stance::Kneel},
    // The fourth opponent's boxing: the guard, struck in it, the punches,
    // the kick drawn up and let go.
    {Subject::Round4Opponent, 185, 33, 33, Stance::Block}, {Subject::Round4Opponent, 185, 34, 35, Stance::Hurt},
    {Subject::Round4Opponent, 185, 36, 38, Stance::Attack}, {Subject::Round4Opponent, 185, 40, 40, Stance::Block},
    {Subject::Round4Opponent, 185, 41, 41, Stance::Kick},
    // Era03's arena: the shooter thrown through the air (the game turns
    // her), the big man knocked flying, the intruder falling from her leap.
    {Subject::ArenaBoss1, 192, 17, 17, Stance::Leap},  {Subject::ArenaBoss1, 192, 33, 33, Stance::Leap},
    {Subject::ArenaEnemy2, 193, 37, 38, Stance::Hurt}, {Subject::Intruder, 194, 9, 9, Stance::Jump},
    // The camp's merchant, at his standing size in every cell: bowed over
    // the fire on his heels, sitting up by it, standing, walking, and in
    // the catching game crouching, lifting, carrying over his head, putting
    // down and holding up what he caught; handing a bowl over the fire.
    {Subject::Merchant, 195, 1, 11, Stance::Hunch},  {Subject::Merchant, 195, 24, 24, Stance::Hunch},
    {Subject::Merchant, 195, 12, 12, Stance::Sit},   {Subject::Merchant, 195, 13, 13, Stance::Stand},
    {Subject::Merchant, 195, 14, 17, Stance::Walk},  {Subject::Merchant, 195, 18, 18, Stance::Hunch},
    {Subject::Merchant, 195, 19, 21, Stance::Lift},  {Subject::Merchant, 195, 22, 22, Stance::Hunch},
    {Subject::Merchant, 195, 25, 25, Stance::Hunch},
    // Encounter B's swordsman readying his blade raises his fists over his
    // head; the layers over the frame's top are his fists.
    {Subject::BladeFighter, 205, 5, 5, Stance::Lift},
};

// Frames the game draws with their point below the floor the figure stands
// on: the feet are painted that many rows above the point.
struct SunkFrames {
    Subject subject;
    int picture;
    int firstPose, lastPose;
    int rows;
};
constexpr SunkFrames kSunkFrames[] = {
    // The field arena's enemy rests and sways 5 px below the top floor,
    // bouncing up from there.
    {Subject::FieldArenaFoe, 162, 14, 16, 5},
};

// Frames the game draws with their point on the floor, though the point
// sits well up the cell.
struct FrameOnItsPoint {
    Subject subject;
    int picture;
    int pose;
};
constexpr FrameOnItsPoint kFramesOnTheirPoint[] = {
    // The third opponent sagging under a blow, and before she falls at the
    // end of her round.
    {Subject::Round3Opponent, 184, 68},
};

// Frames the game turns by 270 degrees about a point on their left column,
// laying them on the floor.
constexpr FrameOnItsPoint kFramesTurnedOntoTheirLeft[] = {
    // The second opponent knocked down by the G move, talking from the floor.
    {Subject::Round2Opponent, 182, 19},
};

std::vector<Cell> Build() {
    Builder b;
    WholePictures(b);
    ThingsOfRectSources(b);
    Heroine(b);
    HomeArea(b);
    Field(b);
    Tournament(b);
    Era03(b);
    Era04(b);
    Finale(b);
    for (Cell& c : b.cells)
        for (const PoseHint& h : kPoseHints)
            if (c.subject == h.subject && c.picture == h.picture && c.pose >= h.firstPose && c.pose <= h.lastPose &&
                c.stance == Stance::Auto)
                c.stance = h.stance;
    for (Cell& c : b.cells)
        for (const SunkFrames& f : kSunkFrames)
            if (c.subject == f.subject && c.picture == f.picture && c.pose >= f.firstPose && c.pose <= f.lastPose)
                c.sink = f.rows;
    for (Cell& c : b.cells)
        for (const FrameOnItsPoint& f : kFramesOnTheirPoint)
            if (c.subject == f.subject && c.picture == f.picture && c.pose == f.pose) c.onPoint = true;
    for (Cell& c : b.cells)
        for (const FrameOnItsPoint& f : kFramesTurnedOntoTheirLeft)
            if (c.subject == f.subject && c.picture == f.picture && c.pose == f.pose) c.turnedOntoLeft = true;
    std::stable_sort(b.cells.begin(), b.cells.end(), [](const Cell& x, const Cell& y) { return x.picture < y.picture; });
    // A rectangle listed as a thing by the generator's own lists and as a
    // figure or another thing by the game's tables keeps its first entry
    // that is a figure, else its first entry.
    std::vector<Cell> out;
    for (const Cell& c : b.cells) {
        if (c.region) {
            out.push_back(c);
            continue;
        }
        bool drop = false;
        for (Cell& o : out) {
            if (o.region || o.picture != c.picture || o.rect != c.rect) continue;
            if (IsFigure(o.subject) == IsFigure(c.subject) || IsFigure(o.subject)) {
                drop = !IsFigure(c.subject) || o.subject == c.subject;
                if (drop) break;
            } else if (IsFigure(c.subject)) {
                o = c;   // the figure takes the thing's place
                drop = true;
                break;
            }
        }
        if (!drop) out.push_back(c);
    }
    return out;
}

}  // namespace

// The walkers' sheet with the field's pieces, the far field's set pieces and
// tower, the arena with its stands, stage, door, lift and approach, the gate's
// sheet with the gate's and the practice post's pieces, the creature's sheet
// with Era04's pieces.
bool HoldsSceneryAround(int picture) {
    return picture == 135 || picture == 178 || picture == 180 || picture == 186 || picture == 188;
}

std::string_view SubjectName(Subject s) {
    const auto i = static_cast<std::size_t>(s);
    return i < std::size(kNames) ? kNames[i] : "?";
}

std::span<const Cell> Cells() {
    static const std::vector<Cell> all = Build();
    return all;
}

std::vector<Cell> CellsOf(int picture) {
    std::vector<Cell> out;
    for (const Cell& c : Cells())
        if (c.picture == picture) out.push_back(c);
    return out;
}

Landing Land(int picture, const PictureRect& drawn) {
    Landing l;
    const std::span<const Cell> all = Cells();
    const auto first = std::lower_bound(all.begin(), all.end(), picture,
                                        [](const Cell& c, int p) { return c.picture < p; });
    for (auto it = first; it != all.end() && it->picture == picture; ++it) {
        const Cell& c = *it;
        if (!c.region && c.rect == drawn) l.exact.push_back(&c);
        else if (c.region && Inside(drawn, c.rect)) l.regions.push_back(&c);
    }
    for (auto it = first; it != all.end() && it->picture == picture; ++it)
        if (!it->region && IsFigure(it->subject) && it->rect != drawn && Overlap(it->rect, drawn))
            l.cutFigures.push_back(&*it);
    return l;
}

// Cells the game draws for two things at once, each painted for the one
// that shows longest.
constexpr SharedCell kShared[] = {
    // The walking enemy lying in wait is the field's mound piece.
    {135, {55, 209, 75, 230}, Subject::WalkingEnemy, Subject::Scenery},
    // The object the far field's encounter drops lies over a corner of its
    // first actor's crouch.
    {178, {123, 122, 135, 136}, Subject::Prop, Subject::EncounterActor1},
    // Two pods of Era03's creature are the fruits of Era04's entrance plants.
    {188, {90, 116, 113, 131}, Subject::Creature, Subject::Scenery},
    {188, {114, 116, 137, 131}, Subject::Creature, Subject::Scenery},
    // The big man's seat in the arena's camp is the foot of his second
    // cell, under his body whenever that cell is drawn.
    {191, {kSceneSeat.left, kSceneSeat.top, kSceneSeat.right, kSceneSeat.bottom}, Subject::Prop,
     Subject::ArenaEnemy2},
    // Encounter B's great blade reaches the edge of its fifth frame.
    {205, {0, 0, 60, 182}, Subject::Prop, Subject::BladeFighter},
    // The queen's defeat: a light bar's cell runs over her pose 37's foot.
    {210, {151, 757, 227, 792}, Subject::Effect, Subject::Queen},
};

std::span<const SharedCell> SharedCells() { return kShared; }

}  // namespace art
