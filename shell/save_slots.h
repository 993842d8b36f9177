// Save slots: the saved game (Gdata), 42 numbered lines of ten integers in
// "Data/Save/Save0N.txt". The menu's save and load screens use slots 1 to 3.
//
// A slot is written beside the old one and renamed over it, so a save that
// fails half-way leaves the previous game intact. A load reads and checks the
// whole file before it touches a single word: a damaged, truncated or
// implausible slot loads nothing and is reported.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/slot_services.h"

constexpr int kGdataLineCount = 42;
constexpr int kGdataFieldCount = 10;

// The numbers of one slot file, [line - 1][field - 1].
struct GdataImage {
    std::int32_t v[kGdataLineCount][kGdataFieldCount] = {};
    std::int32_t& At(int line, int field) { return v[line - 1][field - 1]; }
    std::int32_t At(int line, int field) const { return v[line - 1][field - 1]; }
};

// "Data/Save/Save0N.txt" for slot 0..3 (empty for any other number).
std::string SaveSlotPath(std::int32_t slot);

// Writes the live game into the slot. True when the new file is in place;
// false (the old file untouched) when the slot number is out of range or the
// file could not be written.
bool SaveGdata(std::int32_t slot);

// Reads the slot back into the live words. True when the whole slot was read
// and applied; false when the file is missing, damaged, truncated or holds
// values no game could have: then nothing at all is changed.
bool LoadGdata(std::int32_t slot);

// Reads and checks the slot without touching the game: true when LoadGdata
// would take it. The slot summaries list a slot as a saved game by the same
// test, so every listed slot loads. On failure says why.
bool SlotHoldsLoadableGame(std::int32_t slot, std::string* why);

// Refreshes SaveSummaries from slots 1 to 3; a slot that would not load
// shows as holding no data.
void ReadSaveSummaries();

// The pieces, apart from the files (also used by the fuzz target and tests).

// The live words as the 42 lines of a slot, as SaveGdata writes them
// (play time and erase mark included).
void CollectGdata(GdataImage& out);
// Puts the words of a checked image back into the live game.
void ApplyGdata(const GdataImage& in);
// The file text of an image: "NN" then ten " %6d" fields, CR LF line ends.
std::string FormatGdata(const GdataImage& in);
// Parses slot text. Lines may end in CR LF or LF; each field is read as a
// whole integer (wider than six characters too). On failure returns false,
// may leave out partly filled and says why in *why.
bool ParseGdata(std::string_view text, GdataImage& out, std::string* why);
// Checks the values of a parsed image, one by one and together (HP within
// 1..max HP, exactly one active area), against what a running game can hold.
bool CheckGdataRanges(const GdataImage& in, std::string* why);
