// The layout of a save slot: which live word each field holds.
#pragma once

#include <cstdint>

// Words a slot keeps that nothing else in the game uses: lines 04 fields 3
// to 6, 29 field 2, 35 field 1, 36 fields 2 and 4. They always hold these
// values; a slot holding others is not one the game wrote.
inline std::int32_t GdataReservedWords[8] = {0, 0, 0, 0, 0, 0, 1, 0};

// Questions about the layout, for tests.
int GdataLayoutRowCount();
bool GdataFieldIsUsed(int line, int field);
bool GdataFieldIsLoaded(int line, int field);
