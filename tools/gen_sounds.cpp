// Sound generator, run at build time:
//   gen_sounds <Wav folder> [<files the build expects>]
// writes one WAV file for every file name of the sound table, and the
// fallback file of slot 55. The build reads the file names from the table's
// text; the count it passes is checked against the table itself, so a row
// the build's reading missed fails here instead of leaving a file unmade.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "tools/sound/synth.h"
#include "tools/sound_catalogue.h"

namespace fs = std::filesystem;
using namespace synth;

namespace {

bool WriteFileAtomically(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::path tmp = path;
    tmp += ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) return false;
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    return !ec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: gen_sounds <Wav folder> [<files the build expects>]\n");
        return 2;
    }
    const fs::path folder = argv[1];
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "gen_sounds: cannot create %s: %s\n", folder.c_str(), ec.message().c_str());
        return 1;
    }
    std::set<std::string> names;
    for (const SoundFileRow& row : kSoundFileRows) names.insert(row.name);
    names.insert(kSoundFallbackName);
    if (argc == 3 && std::to_string(names.size()) != argv[2]) {
        std::fprintf(stderr, "gen_sounds: the sound table names %zu files, the build read %s from it\n", names.size(),
                     argv[2]);
        return 1;
    }

    std::size_t total = 0;
    for (const std::string& name : names) {
        const std::vector<std::uint8_t> wav = EncodeWav(SynthesiseSound(name));
        const fs::path file = folder / (name + ".wav");
        if (!WriteFileAtomically(file, wav)) {
            std::fprintf(stderr, "gen_sounds: cannot write %s\n", file.c_str());
            return 1;
        }
        total += wav.size();
    }
    std::printf("gen_sounds: %zu files, %zu bytes\n", names.size(), total);
    return 0;
}
