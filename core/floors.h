// The ground of the world and the table of section anchors by which every
// area places its sections, landmarks, doors and windows.
#pragma once

#include <cstdint>

// Constant world x positions, counted from 0 in this order. Area code names
// an entry (an entry plus an offset), never a bare number.
inline constexpr std::int32_t SectionAnchorX[] = {
    250,    1500,                                                   //  0.. 1 Era00
    2389,   1940,   2540,   4000,   6000,   7900,   8400,   8938,   //  2.. 9 Era01 01..08
    11300,  12500,  12600,  12700,  14500,  14900,  16100,  15700,  // 10..17 Era01 09..16
    17549,  17500,  19900,  20200,  22441,  23445,  24660,  25000,  // 18..25 Era01 17..24
    25800,  26200,  26500,  25300,  25950,  26300,  26800,  27250,  // 26..33 Era01 25..32
    27350,  28823,  32265,  33986,  37428,  39149,  40870,  41870,  // 34..41 Era01 33..40
    29765,  33486,  35207,  36928,  38649,  40370,  41370,  29223,  // 42..49 Era01 41..48
    30944,  33265,  34986,  36707,  37428,  42500,  45250,  45808,  // 50..57 Era01 49..56
    47100,                                                          // 58    Era02
    51000,  51750,  54850,  56800,  58350,  60300,  60500,  61500,  // 59..66 Era03 1..8
    63750,                                                          // 67    Era03 9
    65844,  82072,  85715,                                          // 68..70 Era04 start, 1, 2
    70464,  73326,  75433,  77281,  79595,  82595,                  // 71..76 Era04 doors 1..6
    87595,                                                          // 77    Era04 end
};
inline constexpr int kSectionAnchorCount = sizeof(SectionAnchorX) / sizeof(SectionAnchorX[0]);

// Named entries.
inline constexpr std::int32_t Era00Anchor1 = SectionAnchorX[0];
inline constexpr std::int32_t Era00Anchor2 = SectionAnchorX[1];
// Era01AnchorNN is entry NN + 1.
constexpr std::int32_t Era01Anchor(int n) { return SectionAnchorX[n + 1]; }
inline constexpr std::int32_t Era01Anchor01 = Era01Anchor(1);
inline constexpr std::int32_t Era01Anchor02 = Era01Anchor(2);
inline constexpr std::int32_t Era01Anchor03 = Era01Anchor(3);
inline constexpr std::int32_t Era01Anchor04 = Era01Anchor(4);
inline constexpr std::int32_t Era01Anchor05 = Era01Anchor(5);
inline constexpr std::int32_t Era01Anchor08 = Era01Anchor(8);
inline constexpr std::int32_t Era01Anchor09 = Era01Anchor(9);
inline constexpr std::int32_t Era01Anchor13 = Era01Anchor(13);
inline constexpr std::int32_t Era01Anchor15 = Era01Anchor(15);
inline constexpr std::int32_t Era01Anchor17 = Era01Anchor(17);
inline constexpr std::int32_t Era01Anchor18 = Era01Anchor(18);
inline constexpr std::int32_t Era01Anchor20 = Era01Anchor(20);
inline constexpr std::int32_t Era01Anchor22 = Era01Anchor(22);
inline constexpr std::int32_t Era01Anchor24 = Era01Anchor(24);
inline constexpr std::int32_t Era01Anchor33 = Era01Anchor(33);
inline constexpr std::int32_t Era01Anchor34 = Era01Anchor(34);
inline constexpr std::int32_t Era01Anchor40 = Era01Anchor(40);
inline constexpr std::int32_t Era01Anchor47 = Era01Anchor(47);
inline constexpr std::int32_t Era01Anchor54 = Era01Anchor(54);
inline constexpr std::int32_t Era01Anchor55 = Era01Anchor(55);
inline constexpr std::int32_t Era01Anchor56 = Era01Anchor(56);
inline constexpr std::int32_t Era02Anchor1 = SectionAnchorX[58];
// Era03AnchorN is entry N + 58.
constexpr std::int32_t Era03Anchor(int n) { return SectionAnchorX[n + 58]; }
inline constexpr std::int32_t Era03Anchor1 = Era03Anchor(1);
inline constexpr std::int32_t Era03Anchor7 = Era03Anchor(7);
inline constexpr std::int32_t Era03Anchor8 = Era03Anchor(8);
inline constexpr std::int32_t Era03Anchor9 = Era03Anchor(9);
inline constexpr std::int32_t Era04Start = SectionAnchorX[68];
inline constexpr std::int32_t Era04Anchor1 = SectionAnchorX[69];
inline constexpr std::int32_t Era04Anchor2 = SectionAnchorX[70];
inline constexpr std::int32_t Era04Door1 = SectionAnchorX[71];
inline constexpr std::int32_t Era04Door2 = SectionAnchorX[72];
inline constexpr std::int32_t Era04Door3 = SectionAnchorX[73];
inline constexpr std::int32_t Era04Door4 = SectionAnchorX[74];
inline constexpr std::int32_t Era04Door5 = SectionAnchorX[75];
inline constexpr std::int32_t Era04Door6 = SectionAnchorX[76];
inline constexpr std::int32_t Era04End = SectionAnchorX[77];
// The Era04 doors as a list indexed 1..6 (entry 0 unused).
inline constexpr std::int32_t Era04SectionMarkers[7] = {
    0, Era04Door1, Era04Door2, Era04Door3, Era04Door4, Era04Door5, Era04Door6};

// Floors that switch at the tower of Era01Anchor55: three level words
// (0 or 1: floors 615, 451, 287) and the raised-floor word (20 = raised).
struct FloorGateStateRecord {
    std::int32_t level1 = 0;
    std::int32_t level2 = 0;
    std::int32_t level3 = 0;
    std::int32_t raised = 0;
};
inline FloorGateStateRecord FloorGateState;

// World x of the Era01 pit's trip obstacle while the camera is near it, else
// 0; written by the field's step, read by the floors.
inline std::int32_t ActivePitAnchor = 0;

// Each area hands the floors its own pieces when the program starts: rules
// on the top surface and on the lower floor at world x. They apply in area
// order (Era00 .. Era04), each only while its area flag is 1; a rule takes
// the height found so far and returns it, changed where one of its windows
// holds (a later rule that holds wins).
struct AreaFloorPieces {
    std::int32_t (*top)(std::int32_t x, std::int32_t height) = nullptr;
    std::int32_t (*under)(std::int32_t x, std::int32_t height) = nullptr;
};
constexpr int kFloorAreaCount = 5;
inline AreaFloorPieces AreaFloors[kFloorAreaCount];
// Stores area's (0..4) pieces; returns true, so an area can hand them in as
// it starts.
bool RegisterAreaFloors(int area, AreaFloorPieces pieces);

// Half-open window [a, b) of x, as the floors' windows are.
constexpr bool FloorWindowHolds(std::int32_t x, std::int32_t a, std::int32_t b) { return a <= x && x < b; }

// y of the walkable surface at world x (640 by default).
std::int32_t TopFloorHeightAt(std::int32_t x);
// y of a lower floor under an overhang at world x; 0 when there is none.
std::int32_t UnderFloorHeightAt(std::int32_t x);
// The floor a body with its feet at (x, y) stands or lands on: the top
// surface, or the lower floor when the feet are more than 30 px below it.
std::int32_t FloorHeightAt(std::int32_t x, std::int32_t y);
