#include "drawn_cells.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "platform/common/internal.h"
#include "shell/draw.h"
#include "shell/graphics.h"
#include "tools/art/cell_registry.h"
#include "tools/picture_catalogue.h"

namespace {

struct Key {
    int picture, left, top, right, bottom;
    const char* pass;
    bool operator==(const Key&) const = default;
};

// The whole game draws a few hundred thousand sprites a minute of play and
// a few thousand distinct keys, so the counts live in a flat table probed
// in place (no node per key, no division per lookup).
struct Entry {
    Key key;
    std::uint64_t count = 0;   // 0: empty
};

std::uint64_t Mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    return h;
}

std::uint64_t HashOf(const Key& k) {
    std::uint64_t h = std::uint64_t(std::uint32_t(k.picture)) << 32 | std::uint32_t(k.left);
    h = Mix(h ^ (std::uint64_t(std::uint32_t(k.top)) << 32 | std::uint32_t(k.right)));
    h = Mix(h ^ std::uint32_t(k.bottom) ^ std::uint64_t(reinterpret_cast<std::uintptr_t>(k.pass)) << 20);
    return h;
}

struct Watch {
    std::vector<Entry> table = std::vector<Entry>(4096);
    std::size_t used = 0;
    // Runs of one cell (a row of tiles, a repeated glyph) hit the same
    // entry again: the last one is checked first.
    Entry* last = nullptr;
    int pictureOfSlot[kTextureSlotCount] = {};
    int slotOfTexture[256] = {};

    void Clear() {
        table.assign(4096, Entry{});
        used = 0;
        last = nullptr;
    }
    void Count(const Key& k) {
        if (last && last->key == k) {
            ++last->count;
            return;
        }
        std::size_t mask = table.size() - 1;
        for (std::size_t i = HashOf(k) & mask;; i = (i + 1) & mask) {
            Entry& e = table[i];
            if (e.count == 0) {
                e = {k, 1};
                last = &e;
                if (++used * 2 > table.size()) Grow();
                return;
            }
            if (e.key == k) {
                ++e.count;
                last = &e;
                return;
            }
        }
    }
    void Grow() {
        last = nullptr;
        std::vector<Entry> old(table.size() * 2);
        old.swap(table);
        const std::size_t mask = table.size() - 1;
        for (const Entry& e : old) {
            if (e.count == 0) continue;
            std::size_t i = HashOf(e.key) & mask;
            while (table[i].count != 0) i = (i + 1) & mask;
            table[i] = e;
        }
    }
};
Watch watch;
Watch& W() { return watch; }

// The slot a texture sits in now: the last one it was found in, checked, or
// a search of the slots (textures are made and released as areas change).
int SlotOf(plat::TextureId texture) {
    Watch& w = W();
    const bool small = texture >= 0 && texture < 256;
    if (small) {
        const int s = w.slotOfTexture[texture];
        if (TextureSlots[s] == texture) return s;
    }
    for (int s = 0; s < kTextureSlotCount; ++s)
        if (TextureSlots[s] == texture) {
            if (small) w.slotOfTexture[texture] = s;
            return s;
        }
    return -1;
}

void Seen(plat::TextureId texture, const plat::Rect& src, std::uint32_t colour, bool onTarget) {
    // An empty rectangle shows nothing, nor does a sprite drawn wholly
    // see-through (a stage object waiting for its light) or wholly off the
    // screen (a hall's props left in the table as the next hall begins).
    if (src.right <= src.left || src.bottom <= src.top || (colour >> 24) == 0 || !onTarget) return;
    const int slot = SlotOf(texture);
    const int picture = slot < 0 ? 0 : W().pictureOfSlot[slot];
    W().Count(Key{picture, src.left, src.top, src.right, src.bottom, DrawSubPassName ? DrawSubPassName : "(none)"});
}

}  // namespace

void StartWatchingDrawnCells() {
    Watch& w = W();
    w.Clear();
    for (const PictureInfo& p : kPictures)
        if (p.slot >= 0 && p.slot < kTextureSlotCount) w.pictureOfSlot[p.slot] = p.id;
    plat::detail::SetSpriteDrawWatcher(Seen);
}

void StopWatchingDrawnCells() { plat::detail::SetSpriteDrawWatcher(nullptr); }

std::vector<DrawnCell> DrawnCells() {
    std::vector<DrawnCell> out;
    for (const Entry& e : W().table)
        if (e.count != 0)
            out.push_back({e.key.picture, e.key.left, e.key.top, e.key.right, e.key.bottom, e.key.pass, e.count});
    std::sort(out.begin(), out.end(), [](const DrawnCell& a, const DrawnCell& b) {
        return std::tie(a.picture, a.left, a.top, a.right, a.bottom, a.pass) <
               std::tie(b.picture, b.left, b.top, b.right, b.bottom, b.pass);
    });
    return out;
}

namespace {

using art::Subject;

// Which draw pass draws which figure.
struct Owner {
    Subject figure;
    const char* pass;
};
constexpr Owner kOwners[] = {
    {Subject::Heroine, "DrawSideBarsAndHeroine"},
    {Subject::Heroine, "DrawOverlays"},   // the loading screen's small walker
    {Subject::Heroine, "DrawEra00HomeAreaActors"},
    {Subject::Heroine, "DrawEra03ArenaEncounterAndTalkingCharacter"},   // held by the arena's second enemy
    {Subject::Heroine, "DrawEra04Encounters"},
    {Subject::Heroine, "DrawFinalBossAndEnding"},
    {Subject::Pet, "DrawEra00HomeAreaActors"},
    {Subject::Intruder, "DrawEra00HomeAreaActors"},
    {Subject::Intruder, "DrawEra03ArenaEncounterAndTalkingCharacter"},
    {Subject::Friend, "DrawEra00HomeAreaActors"},
    {Subject::Companion, "DrawEra00HomeAreaActors"},
    {Subject::WalkingEnemy, "DrawEra01EnemiesAndEncounterActors"},
    {Subject::FieldEnemyA, "DrawEra01FirstFieldSections"},
    {Subject::Gatekeeper, "DrawEra01FirstFieldSections"},
    {Subject::FieldArenaFoe, "DrawEra01FarFieldAndArena"},
    {Subject::Teacher, "DrawEra01LiftSection"},
    {Subject::Monsters, "DrawEra01EnemiesAndEncounterActors"},
    {Subject::EncounterActor1, "DrawEra01EnemiesAndEncounterActors"},
    {Subject::EncounterActor1, "DrawEra02Arena"},
    {Subject::EncounterActor2, "DrawEra01EnemiesAndEncounterActors"},
    {Subject::EncounterActor2, "DrawEra02Arena"},
    {Subject::EncounterActor3, "DrawEra01EnemiesAndEncounterActors"},
    {Subject::EncounterActor3, "DrawEra02Arena"},
    {Subject::Spectators, "DrawEra02StandsCrowdAndStage"},
    {Subject::Intruder, "DrawEra02Arena"},   // the tournament's first opponent
    {Subject::Round2Opponent, "DrawEra01EnemiesAndEncounterActors"},   // drawn wherever she is
    {Subject::Round3Opponent, "DrawEra02Arena"},
    {Subject::Round4Opponent, "DrawEra02Arena"},
    {Subject::Creature, "DrawEra03FieldAndCharacters"},
    {Subject::Duellist, "DrawEra03FieldAndCharacters"},
    {Subject::Fighter, "DrawEra03FieldAndCharacters"},
    {Subject::Merchant, "DrawEra03ArenaEncounterAndTalkingCharacter"},
    {Subject::ArenaBoss1, "DrawEra03ArenaEncounterAndTalkingCharacter"},
    {Subject::ArenaEnemy2, "DrawEra03ArenaEncounterAndTalkingCharacter"},
    {Subject::Soldier, "DrawEra04SceneryAndSoldiers"},
    {Subject::PieceFigure, "DrawEra04Encounters"},
    {Subject::BladeFighter, "DrawEra04Encounters"},
    {Subject::Sorceress, "DrawEra04Encounters"},
    {Subject::Queen, "DrawFinalBossAndEnding"},
    {Subject::EndingFigure, "DrawFinalBossAndEnding"},
    {Subject::LittleOne, "DrawFinalBossAndEnding"},
};

bool Draws(const std::string& pass, Subject figure) {
    for (const Owner& o : kOwners)
        if (o.figure == figure && pass == o.pass) return true;
    return false;
}

// A drawn rectangle inside a cell the game itself shares between two things.
bool Shared(int picture, const PictureRect& r) {
    for (const art::SharedCell& s : art::SharedCells())
        if (s.picture == picture && s.rect.left <= r.left && s.rect.top <= r.top && r.right <= s.rect.right &&
            r.bottom <= s.rect.bottom)
            return true;
    return false;
}

std::string Name(const DrawnCell& c) {
    return std::to_string(c.picture) + " [" + std::to_string(c.left) + "," + std::to_string(c.top) + "," +
           std::to_string(c.right) + "," + std::to_string(c.bottom) + "] by " + c.pass;
}

}  // namespace

DrawnCellsReport CheckDrawnCells(const std::vector<DrawnCell>& cells) {
    DrawnCellsReport report;
    std::set<std::tuple<int, int, int, int, int>> rects, registered, figureRects;
    std::set<Subject> figures;
    for (const DrawnCell& d : cells) {
        const PictureRect r{d.left, d.top, d.right, d.bottom};
        const auto key = std::make_tuple(d.picture, d.left, d.top, d.right, d.bottom);
        rects.insert(key);
        const art::Landing land = art::Land(d.picture, r);
        if (land.exact.empty() && land.regions.empty()) {
            report.unregistered.push_back(Name(d));
            continue;
        }
        registered.insert(key);
        std::set<Subject> shown;
        for (const art::Cell* c : land.exact)
            if (art::IsFigure(c->subject)) shown.insert(c->subject);
        const bool shared = Shared(d.picture, r);
        if (shown.size() > 1 && !shared) report.conflicts.push_back(Name(d) + ": the cell of two figures");
        for (Subject s : shown) {
            figures.insert(s);
            figureRects.insert(key);
            if (!Draws(d.pass, s) && !shared)
                report.conflicts.push_back(Name(d) + ": " + std::string(art::SubjectName(s)) + "'s cell drawn by this pass");
        }
        for (const art::Cell* c : land.cutFigures)
            if (!shown.count(c->subject) && !shared) {
                report.conflicts.push_back(Name(d) + ": cuts into " + std::string(art::SubjectName(c->subject)) + "'s cell");
                break;
            }
    }
    report.rectangles = rects.size();
    report.registered = registered.size();
    report.figureRectangles = figureRects.size();
    report.figures = figures.size();
    std::set<Subject> listed;
    for (const art::Cell& c : art::Cells())
        if (art::IsFigure(c.subject)) listed.insert(c.subject);
    report.figuresListed = listed.size();
    return report;
}
