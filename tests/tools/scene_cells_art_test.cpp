// The cells the scenes draw for who and what their lines name carry it: the
// home area's pet hugging its ball and carried off by the helper (the scene
// stops drawing the ball and the pet there), the arena's camp (the woman who shoots, the big man), the first opponent
// holding the heroine (the game hides the heroine's own sprite meanwhile),
// the prizes the rounds raise, the camp's shop's offers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "areas/era00_era01/era00/sheets.h"
#include "areas/era02/opponent_frames.h"
#include "areas/era03/arena_sheets.h"
#include "areas/era03/npc_scene_frames.h"
#include "text/sprites/menu_sprite_tables.h"
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

}  // namespace
