#include "support/pictures_made.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "core/residency.h"
#include "core/texture_tables.h"
#include "core/textures.h"
#include "platform/common/internal.h"
#include "shell/graphics.h"

std::set<std::string> LoadedPictures() {
    std::set<std::string> loaded;
    for (int gs = 0; gs < kGsFlagCount; ++gs)
        if (GsFlags[gs] == kGraphicLoaded) loaded.insert("Gs[" + std::to_string(gs) + "]");
    for (int n = 1; n < kTextureFlagCount; ++n)
        if (TextureFlags[n] == kGraphicLoaded) loaded.insert("D" + std::to_string(1000 + n).substr(1));
    for (int n = 1; n < kPloadSetCount; ++n)
        if (PloadPlan.state[n] == kGraphicLoaded) loaded.insert("plan set " + std::to_string(n));
    return loaded;
}

const std::vector<std::vector<std::string>>& WordsOfSlot() {
    static const std::vector<std::vector<std::string>> words = [] {
        std::vector<std::vector<std::string>> w(kTextureSlotCount);
        const auto add = [&](int slot, const std::string& name) {
            if (slot >= 0 && slot < kTextureSlotCount) w[static_cast<std::size_t>(slot)].push_back(name);
        };
        for (int n = 1; n < kTextureFlagCount; ++n)
            add(SingleTextureSlot(n), "D" + std::to_string(1000 + n).substr(1));
        for (int gs = kGsLoading; gs <= kGsStage2; ++gs)
            for (int i = 0; i < kGraphicSets[gs].createCount; ++i)
                add(kGraphicSets[gs].createSlots[i], "Gs[" + std::to_string(gs) + "]");
        for (const PlanSetDef& def : kPlanReleases)
            for (int i = 0; i < def.count; ++i)
                add(def.pieces[i].slot, "plan set " + std::to_string(def.pieces[i].state));
        return w;
    }();
    return words;
}

namespace {

// The picture a slot is made from, as its bytes.
const std::uint8_t* PictureOfSlot(int slot) {
    std::size_t size = 0;
    return PictureSource(kSlotResource[static_cast<std::size_t>(slot)], &size);
}

}  // namespace

std::vector<PictureOutOfPlace> PicturesOutOfPlace() {
    const std::set<std::string> loaded = LoadedPictures();
    std::vector<PictureOutOfPlace> out;
    for (int slot = 0; slot < kTextureSlotCount; ++slot) {
        const std::uint8_t* held = plat::detail::TextureMadeFrom(TextureSlots[slot]);
        if (held != nullptr && held == PictureOfSlot(slot)) continue;
        // A slot two words name (Gs[5]'s and the Era03 plan's D042) is
        // emptied by either's release while the other may still read loaded:
        // empty, it is out of place only when every word naming it reads
        // loaded.
        const std::vector<std::string>& names = WordsOfSlot()[static_cast<std::size_t>(slot)];
        const bool anotherAbsent =
            std::any_of(names.begin(), names.end(), [&](const std::string& n) { return loaded.count(n) == 0; });
        if (held == nullptr && anotherAbsent) continue;
        std::string holds = held == nullptr ? "nothing" : "a picture of no slot";
        for (int other = 0; held != nullptr && other < kTextureSlotCount; ++other)
            if (PictureOfSlot(other) == held) {
                holds = "picture " + std::to_string(kSlotResource[static_cast<std::size_t>(other)]);
                break;
            }
        for (const std::string& name : names)
            if (loaded.count(name) != 0) out.push_back({name, slot, holds});
    }
    return out;
}

std::string PictureOutOfPlace::Words() const {
    return picture + " marked made, slot " + std::to_string(slot) + " holds " + holds;
}

std::set<std::string> PicturesMade::AfterFrame(const std::filesystem::path& dir) {
    std::set<std::string> made;
    std::ifstream in(dir / "Data/Save/SaveS0.txt", std::ios::binary);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    // A new run of the program begins a new log.
    if (size < traceRead_) traceRead_ = 0;
    in.seekg(traceRead_);
    for (std::string line; std::getline(in, line);) {
        if (in.eof()) break;   // a line still being written
        traceRead_ = in.tellg();
        int n = 0, end = 0;
        char label[2] = {};
        if (std::sscanf(line.c_str(), "%*d Gs[%d] Load%n", &n, &end) == 1 && end > 0)
            made.insert("Gs[" + std::to_string(n) + "]");
        else if (std::sscanf(line.c_str(), " load %1[AD]%d", label, &n) == 2)
            made.insert("D" + std::to_string(1000 + n).substr(1));
        else if (std::sscanf(line.c_str(), "Pload GNo[%d]", &n) == 1)
            made.insert("plan set " + std::to_string(n));
        // An area's plan is built where its set is asked for.
        else if (line.rfind("Era01 Pload data new", 0) == 0)
            made.insert("Gs[" + std::to_string(kEra01Set) + "]");
        else if (line.rfind("Era03 Pload data new", 0) == 0)
            made.insert("Gs[" + std::to_string(kEra03Set) + "]");
        else if (line.rfind("Era04 Pload data new", 0) == 0)
            made.insert("Gs[" + std::to_string(kEra04Set) + "]");
    }
    const std::set<std::string> loaded = LoadedPictures();
    for (const std::string& name : loaded)
        if (loadedBefore_.count(name) == 0) made.insert(name);
    loadedBefore_ = loaded;
    return made;
}
