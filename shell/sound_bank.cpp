// The sound bank: which file each slot plays, loading one slot at a time,
// and the clean-up at exit.
#include "shell/sound_bank.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/trace_log.h"
#include "platform/platform.h"

namespace {

// File name (without folder and extension) of slots 1..236; several slots
// share one file so that copies of a sound can overlap.
constexpr const char* kSoundNames[kSoundSlotCount + 1] = {
    nullptr,
    /*   1 */ "freeze07", "010", "cut00", "Zelk016", "hit_p01_b", "bell01",
    /*   7 */ "bom20_S", "C01", "hit00", "cursor21", "puu79_a", "R012",
    /*  13 */ "goro04", "pyoro53", "pyoro58", "bom11k", "beep15", "kon01",
    /*  19 */ "bosu07_b", "push10", "fanfare01", "bom17_c", "bom17_c", "bom17_c",
    /*  25 */ "bom17_c", "bom17_c", "bom17_c", "bom17_c", "bom17_c", "bom17_c",
    /*  31 */ "bom17_c", "crash26", "chime00", "coin04", "door01", "hit59_c",
    /*  37 */ "gun14_a", "gun14_a", "gun14_a", "voice031_1", "hit49", "bom20_S",
    /*  43 */ "bom20_S", "bom20_S", "bom20_S", "bom20_S", "bom20_S", "sha05b",
    /*  49 */ "biri00", "pi14", "noise05", "pyoro34q", "puu00", "byoro01_a",
    /*  55 */ "byoro00", "byoro09k", "puu05", "open10", "coin06", "hit_s02",
    /*  61 */ "freeze09", "Kourogi", "fanfare02", "fm008", "metal36_a", "crash27",
    /*  67 */ "swing42", "fire00", "don07", "unari01", "metal18", "bosu07_bb",
    /*  73 */ "don07", "metal42_a", "burst00b", "burst00", "hit_p01_b", "hit_p01_b",
    /*  79 */ "hit_p01_b", "hit_p01_b", "hit_p01_b", "hit_p01_b", "metal07", "metal07b",
    /*  85 */ "hit09", "swing06", "hit_s03_e", "hit_s03_e", "alarm01", "insect00a",
    /*  91 */ "bosu16", "hit47", "door02", "gun14_b", "gun14_b", "gun14_b",
    /*  97 */ "gun14_b", "gun14_b", "gun14_c", "coin04", "coin04", "coin04",
    /* 103 */ "coin04", "push13", "bom18", "push56", "hit73", "goro05_f",
    /* 109 */ "burst00", "mecha33", "sha00", "swing25_a", "swing23_b", "swing26",
    /* 115 */ "hit_p01_as", "se-033", "se-033", "hit78", "hit78", "fire01",
    /* 121 */ "fire02", "fire03", "bosu18_a", "bosu18_a", "swing36_a", "hit59_c",
    /* 127 */ "buble02", "open48", "swing32", "swing25_a", "open11", "hit_ss02",
    /* 133 */ "hit_ss02", "hit_ss02", "hit_ss02", "hit_ss02", "hit_ss02", "hit_ss02",
    /* 139 */ "hit_ss02", "hit_ss02", "hit_ss02", "coin04", "coin04", "coin04",
    /* 145 */ "coin04", "Dranwel05", "fire04", "fire04", "pyoro03R", "bom26_a",
    /* 151 */ "se-051", "se-051", "se-051", "metal14", "step00", "chari15_a",
    /* 157 */ "chari14_a", "chari16", "swing40_c", "swing24_a", "push14", "metal22",
    /* 163 */ "metal22", "metal22", "metal22", "metal14", "metal14", "metal14",
    /* 169 */ "metal14", "hit_s08_ss", "swing08", "swing08", "paper00a", "door00",
    /* 175 */ "door05", "Zelk002", "metal27_cr", "metal34_b", "metal34_b", "metal34_b",
    /* 181 */ "metal33_b", "metal33_b", "metal33_b", "metal33_b", "metal40_a", "metal40_a",
    /* 187 */ "metal40_a", "metal40_a", "metal36_c", "metal36_c", "metal36_c", "metal36_c",
    /* 193 */ "byoro04", "metal25_b", "hit_s02", "hit_s02", "hit_s02", "hit_s02",
    /* 199 */ "hit_s07_b", "saku10", "metal36_b3", "bosu07_b5", "bosu07_b5", "swing36_b",
    /* 205 */ "metal36_bc", "kachi09", "Zelk001", "metal26_c", "bosu07_a", "se028kotori1",
    /* 211 */ "se029kotori2", "saku01", "saku02b", "hit_s03_c", "byoro03", "Tamberi1",
    /* 217 */ "metal36_b", "push43", "bom20_SS", "bom20_SS", "jyu2", "warp03",
    /* 223 */ "metal45_a", "mecha34cc", "Zelk007", "metal36_b", "metal36_b", "metal36_b",
    /* 229 */ "metal36_b", "swing40_a", "freeze01", "crash28", "crash28", "crash28",
    /* 235 */ "crash28", "Zelk011",
};

// Slot 55's file goes by a second name when the first is not there.
constexpr const char* kSlot55Fallback = "Data/Wav/byoro00_a.wav";

// Paths of every slot, built once ("Data/Wav/" + name + ".wav").
struct SoundPaths {
    std::string path[kSoundSlotCount + 1];
    SoundPaths() {
        for (int id = 1; id <= kSoundSlotCount; ++id)
            path[id] = std::string("Data/Wav/") + kSoundNames[id] + ".wav";
    }
};

const SoundPaths& Paths() {
    static const SoundPaths paths;
    return paths;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool AnythingAt(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

}  // namespace

const char* SoundFileName(std::int32_t id) {
    if (id < 1 || id > kSoundSlotCount) return nullptr;
    return Paths().path[id].c_str();
}

std::int32_t LoadSound(std::int32_t id) {
    if (id < 1 || id > kSoundSlotCount) return 0;
    if (id == 2) {
        SampleTraceValues();
        WriteTraceLog(8);
    }
    if (SoundTable[id] == 0) {
        // Search the file; when it is not there, the path used is the
        // relative name itself (slot 55 has a second name of its own).
        const std::string& searched = Paths().path[id];
        std::string path = searched;
        if (!FileExists(searched) && id == 55) path = kSlot55Fallback;
        // One line says what happened: a missing file here, a damaged one
        // by the sound loader, which knows what is wrong with it.
        if (FileExists(path)) {
            if (plat::SoundLoad(id, path.c_str())) SoundTable[id] = 1;
        } else if (AnythingAt(path)) {
            std::fprintf(stderr, "%s is not a regular file; continuing without sound.\n", path.c_str());
        } else {
            std::fprintf(stderr, "%s not found; continuing without sound.\n", path.c_str());
        }
    }
    if (id == 1) {
        SampleTraceValues();
        WriteTraceLog(3);
    } else if (id == kSoundSlotCount) {
        SampleTraceValues();
        WriteTraceLog(9);
    }
    return 99;
}

void DeleteAllSounds() {
    // The words keep their values: nothing plays after this.
    for (int id = 1; id <= kSoundSlotCount; ++id)
        if (SoundTable[id] != 0) plat::SoundDelete(id);
}
