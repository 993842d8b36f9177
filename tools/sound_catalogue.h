// The game's sound files: which WAV file under Data/Wav each of the 236
// sound slots loads. Runs of slots that share one file (the round-robin banks
// play such copies in turn) stand on one row. Shared by the sound generator
// and the tests; data only.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

struct SoundFileRow {
    int firstId;
    int lastId;
    const char* name;  // file name without ".wav"
};

constexpr int kSoundIdCount = 236;

// clang-format off
inline constexpr std::array<SoundFileRow, 160> kSoundFileRows = {{
    {1, 1, "freeze07"}, {2, 2, "010"}, {3, 3, "cut00"}, {4, 4, "Zelk016"}, {5, 5, "hit_p01_b"},
    {6, 6, "bell01"}, {7, 7, "bom20_S"}, {8, 8, "C01"}, {9, 9, "hit00"}, {10, 10, "cursor21"},
    {11, 11, "puu79_a"}, {12, 12, "R012"}, {13, 13, "goro04"}, {14, 14, "pyoro53"}, {15, 15, "pyoro58"},
    {16, 16, "bom11k"}, {17, 17, "beep15"}, {18, 18, "kon01"}, {19, 19, "bosu07_b"}, {20, 20, "push10"},
    {21, 21, "fanfare01"}, {22, 31, "bom17_c"}, {32, 32, "crash26"}, {33, 33, "chime00"}, {34, 34, "coin04"},
    {35, 35, "door01"}, {36, 36, "hit59_c"}, {37, 39, "gun14_a"}, {40, 40, "voice031_1"}, {41, 41, "hit49"},
    {42, 47, "bom20_S"}, {48, 48, "sha05b"}, {49, 49, "biri00"}, {50, 50, "pi14"}, {51, 51, "noise05"},
    {52, 52, "pyoro34q"}, {53, 53, "puu00"}, {54, 54, "byoro01_a"}, {55, 55, "byoro00"}, {56, 56, "byoro09k"},
    {57, 57, "puu05"}, {58, 58, "open10"}, {59, 59, "coin06"}, {60, 60, "hit_s02"}, {61, 61, "freeze09"},
    {62, 62, "Kourogi"}, {63, 63, "fanfare02"}, {64, 64, "fm008"}, {65, 65, "metal36_a"}, {66, 66, "crash27"},
    {67, 67, "swing42"}, {68, 68, "fire00"}, {69, 69, "don07"}, {70, 70, "unari01"}, {71, 71, "metal18"},
    {72, 72, "bosu07_bb"}, {73, 73, "don07"}, {74, 74, "metal42_a"}, {75, 75, "burst00b"}, {76, 76, "burst00"},
    {77, 82, "hit_p01_b"}, {83, 83, "metal07"}, {84, 84, "metal07b"}, {85, 85, "hit09"}, {86, 86, "swing06"},
    {87, 88, "hit_s03_e"}, {89, 89, "alarm01"}, {90, 90, "insect00a"}, {91, 91, "bosu16"}, {92, 92, "hit47"},
    {93, 93, "door02"}, {94, 98, "gun14_b"}, {99, 99, "gun14_c"}, {100, 103, "coin04"}, {104, 104, "push13"},
    {105, 105, "bom18"}, {106, 106, "push56"}, {107, 107, "hit73"}, {108, 108, "goro05_f"},
    {109, 109, "burst00"}, {110, 110, "mecha33"}, {111, 111, "sha00"}, {112, 112, "swing25_a"},
    {113, 113, "swing23_b"}, {114, 114, "swing26"}, {115, 115, "hit_p01_as"}, {116, 117, "se-033"},
    {118, 119, "hit78"}, {120, 120, "fire01"}, {121, 121, "fire02"}, {122, 122, "fire03"},
    {123, 124, "bosu18_a"}, {125, 125, "swing36_a"}, {126, 126, "hit59_c"}, {127, 127, "buble02"},
    {128, 128, "open48"}, {129, 129, "swing32"}, {130, 130, "swing25_a"}, {131, 131, "open11"},
    {132, 141, "hit_ss02"}, {142, 145, "coin04"}, {146, 146, "Dranwel05"}, {147, 148, "fire04"},
    {149, 149, "pyoro03R"}, {150, 150, "bom26_a"}, {151, 153, "se-051"}, {154, 154, "metal14"},
    {155, 155, "step00"}, {156, 156, "chari15_a"}, {157, 157, "chari14_a"}, {158, 158, "chari16"},
    {159, 159, "swing40_c"}, {160, 160, "swing24_a"}, {161, 161, "push14"}, {162, 165, "metal22"},
    {166, 169, "metal14"}, {170, 170, "hit_s08_ss"}, {171, 172, "swing08"}, {173, 173, "paper00a"},
    {174, 174, "door00"}, {175, 175, "door05"}, {176, 176, "Zelk002"}, {177, 177, "metal27_cr"},
    {178, 180, "metal34_b"}, {181, 184, "metal33_b"}, {185, 188, "metal40_a"}, {189, 192, "metal36_c"},
    {193, 193, "byoro04"}, {194, 194, "metal25_b"}, {195, 198, "hit_s02"}, {199, 199, "hit_s07_b"},
    {200, 200, "saku10"}, {201, 201, "metal36_b3"}, {202, 203, "bosu07_b5"}, {204, 204, "swing36_b"},
    {205, 205, "metal36_bc"}, {206, 206, "kachi09"}, {207, 207, "Zelk001"}, {208, 208, "metal26_c"},
    {209, 209, "bosu07_a"}, {210, 210, "se028kotori1"}, {211, 211, "se029kotori2"}, {212, 212, "saku01"},
    {213, 213, "saku02b"}, {214, 214, "hit_s03_c"}, {215, 215, "byoro03"}, {216, 216, "Tamberi1"},
    {217, 217, "metal36_b"}, {218, 218, "push43"}, {219, 220, "bom20_SS"}, {221, 221, "jyu2"},
    {222, 222, "warp03"}, {223, 223, "metal45_a"}, {224, 224, "mecha34cc"}, {225, 225, "Zelk007"},
    {226, 229, "metal36_b"}, {230, 230, "swing40_a"}, {231, 231, "freeze01"}, {232, 235, "crash28"},
    {236, 236, "Zelk011"},
}};
// clang-format on

// The file slot 55 falls back to when its own file is missing.
inline constexpr const char* kSoundFallbackName = "byoro00_a";

// The file name of a slot 1..236, or null.
constexpr const char* SoundFileBaseName(int id) {
    for (const SoundFileRow& row : kSoundFileRows)
        if (id >= row.firstId && id <= row.lastId) return row.name;
    return nullptr;
}
