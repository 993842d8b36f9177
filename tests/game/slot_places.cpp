#include "slot_places.h"

#include <cstdlib>
#include <limits>

#include "core/area_flags.h"
#include "core/floors.h"
#include "core/game_flow.h"
#include "core/player.h"
#include "shell/save_slots.h"
#include "support/fresh_state.h"
#include "support/slot_words.h"
#include "text/menu_state.h"

namespace {

// The save's story words: what she has played and gained. Her place, HP,
// money and items, her moves' and boxes' words, the enemies' and figures'
// places and steps are hers to have as she plays, and stay out.
struct StoryWord {
    int line, field;
    const char* name;
    // Values the game takes alike, put as one (nullptr: each its own).
    std::int32_t (*same)(std::int32_t) = nullptr;
    // An area flag: Era04's is never saved, and its slots are taken on from
    // Era03 by the area switch.
    bool area = false;
};
// The hopping object's line is read as it first hops (4); later hops count
// on.
std::int32_t LineRead(std::int32_t v) { return v >= 4 ? 4 : v; }
// Heard or not, as she met it: monster group 2's remark needs both monsters
// on screen at once, and the barrier's talk an outfit other than the
// eternal armour.
std::int32_t HeardOrNot(std::int32_t v) { return v == 1 ? 1 : 0; }
// Bought or not: the knife is the camp shop's, a buy of the player's own
// that the road leaves alone.
std::int32_t BoughtOrNot(std::int32_t) { return 0; }
// Era04's entrance talks and the tournament's first round: 0 until the
// first step of their area arms them (1).
std::int32_t Armed(std::int32_t v) { return v == 0 ? 1 : v; }

const StoryWord kStoryWords[] = {
    {5, 1, "move D learned"}, {5, 2, "move F learned"}, {5, 3, "move G learned"}, {5, 4, "move Q enabled"},
    {8, 1, "the outfit word a new game clears"}, {8, 2, "outfit A acquired", BoughtOrNot}, {8, 3, "outfit B acquired"},
    {10, 2, "Era00's area flag", nullptr, true}, {10, 3, "Era01's area flag", nullptr, true},
    {10, 4, "Era02's area flag", nullptr, true}, {10, 5, "Era03's area flag", nullptr, true},
    {12, 1, "Era00's story phase"}, {12, 2, "Era03 arena's controller"}, {12, 3, "Era02's later events"},
    {13, 3, "the hopping object's line", LineRead}, {15, 3, "the gatekeeper's first talk"},
    {16, 10, "field enemy A's first meeting"}, {17, 1, "the flight lesson"}, {18, 2, "the hanging creature's intro"},
    {23, 1, "the walker's lesson"}, {29, 7, "the camp character's extra lines"},
    {30, 1, "the camp's meeting"}, {30, 2, "Era02's later events unlocked"}, {30, 3, "the errand"},
    {30, 4, "the move practice"}, {30, 5, "the field character's one talk"}, {30, 6, "soldier fight 2"},
    {30, 7, "encounter A"}, {30, 8, "encounter B"}, {30, 9, "encounter C"}, {30, 10, "the ending"},
    {32, 1, "the gate's talk"}, {32, 2, "Era04's entrance talks", Armed}, {32, 3, "the field's story word"},
    {32, 4, "soldier fight 1"}, {32, 5, "encounter C's sheet"}, {32, 6, "the arena's waves cleared"},
    {32, 9, "the barrier's talk", HeardOrNot}, {34, 1, "the duel"}, {36, 1, "the fighter"},
    {37, 1, "monster group 1's first-meeting talk"}, {38, 1, "monster group 2's remark", HeardOrNot},
    {39, 1, "the field encounter's phase"}, {39, 2, "the field encounter's once flag"},
    {39, 3, "the tower's floor 1"}, {39, 4, "the tower's floor 2"}, {39, 5, "the tower's floor 3"},
    {40, 1, "the arrival's view lock"}, {40, 2, "the arrival's lift picture"}, {40, 3, "the arrival's lift drawn"},
    {40, 9, "the arrival's sign"}, {41, 2, "the arrival's step"}, {42, 7, "the arrival's flag"},
    {42, 8, "the tournament's sequence", Armed},
};

std::vector<std::int32_t> StoryWordsNow() {
    GdataImage image;
    CollectGdata(image);
    std::vector<std::int32_t> words;
    for (const StoryWord& w : kStoryWords) {
        const std::int32_t v = image.At(w.line, w.field);
        words.push_back(w.same ? w.same(v) : v);
    }
    return words;
}

}  // namespace

SlotPlaces::SlotPlaces() {
    for (const SlotWords& slot : PreparedSlots()) {
        ResetToStartValues();
        slot.words();
        Place p;
        p.name = slot.name;
        p.home = Era00AreaFlag == 1;
        p.x = PlayerState.x;
        p.words = StoryWordsNow();
        places_.push_back(std::move(p));
    }
    ResetToStartValues();
}

void SlotPlaces::Look(const std::string& stretch) {
    if (GameFlow.phase != 1) return;
    std::vector<std::int32_t> words;
    for (Place& p : places_) {
        const bool near = (Era00AreaFlag == 1) == p.home && std::abs(PlayerState.x - p.x) <= kReach;
        if (near && !p.near)
            p.passes.push_back({stretch, PlayerState.x, std::vector<std::set<std::int32_t>>(std::size(kStoryWords))});
        p.near = near;
        if (!near) continue;
        if (words.empty()) words = StoryWordsNow();
        for (std::size_t i = 0; i < words.size(); ++i) p.passes.back().words[i].insert(words[i]);
    }
}

std::vector<std::string> SlotPlaces::Apart() const {
    std::vector<std::string> out;
    for (const Place& p : places_) {
        const std::string slot = "slot " + p.name + " (x " + std::to_string(p.x) + ")";
        if (p.passes.empty()) {
            out.push_back("the road never comes within " + std::to_string(kReach) + " px of " + slot);
            continue;
        }
        std::string nearest;
        std::size_t fewest = std::numeric_limits<std::size_t>::max();
        for (const Pass& pass : p.passes) {
            std::string apart;
            std::size_t n = 0;
            for (std::size_t i = 0; i < std::size(kStoryWords); ++i) {
                const StoryWord& w = kStoryWords[i];
                if ((w.area && p.x >= Era04Start) || pass.words[i].count(p.words[i]) != 0) continue;
                ++n;
                apart += "; " + std::string(w.name) + " (line " + std::to_string(w.line) + " field " +
                         std::to_string(w.field) + ") " + std::to_string(p.words[i]) + ", the road's";
                for (std::int32_t v : pass.words[i]) apart += " " + std::to_string(v);
            }
            if (n < fewest) {
                fewest = n;
                nearest = "the road's pass in \"" + pass.stretch + "\" from x " + std::to_string(pass.x) + apart;
            }
        }
        if (fewest > 0) out.push_back(slot + " agrees with no pass of the road; nearest, " + nearest);
    }
    return out;
}
