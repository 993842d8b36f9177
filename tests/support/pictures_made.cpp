#include "support/pictures_made.h"

#include <cstdio>
#include <fstream>

#include "core/residency.h"
#include "core/textures.h"

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
