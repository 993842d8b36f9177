// Which picture goes into which slot, what each set holds, and the helpers
// the creation step and the releases share. Only the creation step
// (shell/graphics.cpp), the releases (core/texture_release.cpp) and their
// tests include this.
#pragma once

#include <array>
#include <cstdint>

#include "core/picture_table.h"
#include "core/textures.h"

// ------------------------------------------------------------ slots --

// The picture each slot holds and the colour its texture keys out, turned
// round from the pictures' own rows (core/picture_table.h).
inline constexpr std::array<int, kTextureSlotCount> kSlotResource = [] {
    std::array<int, kTextureSlotCount> t{};
    for (const PictureInfo& p : kPictures) t[static_cast<std::size_t>(p.slot)] = p.id;
    return t;
}();
inline constexpr std::array<std::uint32_t, kTextureSlotCount> kSlotColourKey = [] {
    std::array<std::uint32_t, kTextureSlotCount> t{};
    for (const PictureInfo& p : kPictures) t[static_cast<std::size_t>(p.slot)] = PictureColourKey(p);
    return t;
}();

// ------------------------------------------------------ graphic sets --

struct GraphicSetDef {
    std::uint8_t createSlots[19];
    int createCount;
    std::uint8_t freeSlots[19];
    int freeCount;
    int loadCode;
    int freeCode;
};

// Index 1..6 = Gs[1]..Gs[6].
inline constexpr GraphicSetDef kGraphicSets[7] = {
    {{}, 0, {}, 0, 0, 0},
    {{20}, 1, {20}, 1, 101, 102},
    {{1, 2}, 2, {1, 2}, 2, 103, 104},
    {{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 54, 60, 76, 80}, 19,
     {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 54, 60, 76, 80}, 19, 105, 106},
    {{21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37}, 17,
     {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37}, 17, 107, 108},
    {{79, 81, 39}, 3, {79, 39, 81}, 3, 109, 110},
    {{21, 24, 25, 27, 28, 29, 30, 31, 32, 33, 34, 35}, 12,
     {21, 24, 25, 27, 28, 29, 30, 31, 32, 33, 34, 35}, 12, 111, 112},
};

// ------------------------------------------------- single textures --

// Gates: the area flag that must read 1 before a request is served.
enum class TextureGate : std::uint8_t { None, Era02, Era03, Era04 };

struct SingleTextureDef {
    std::int8_t word;
    TextureGate gate;
};

// Every single texture that has a word of its own, in word order.
inline constexpr SingleTextureDef kSingleTextures[] = {
    {1, TextureGate::None},   {4, TextureGate::None},   {5, TextureGate::None},
    {17, TextureGate::Era03}, {23, TextureGate::Era03}, {39, TextureGate::Era02},
    {43, TextureGate::Era03}, {45, TextureGate::Era02}, {46, TextureGate::None},
    {47, TextureGate::Era02}, {48, TextureGate::Era02}, {49, TextureGate::None},
    {50, TextureGate::None},  {55, TextureGate::Era03}, {56, TextureGate::Era03},
    {57, TextureGate::Era03}, {59, TextureGate::Era03}, {61, TextureGate::Era04},
    {65, TextureGate::Era04}, {67, TextureGate::Era04}, {69, TextureGate::Era04},
    {70, TextureGate::Era04}, {72, TextureGate::Era04}, {73, TextureGate::Era04},
    {74, TextureGate::None},  {75, TextureGate::None},
};

// The order in which the creation step serves them, group by group.
inline constexpr std::int8_t kUngatedWords[] = {1, 4, 5, 49, 50, 74};
inline constexpr std::int8_t kEra02Words[] = {39, 45, 47, 48};
inline constexpr std::int8_t kEra03Words[] = {17, 23, 43, 55, 56, 57, 59};
inline constexpr std::int8_t kEra04Words[] = {61, 65, 67, 69, 70, 72, 73};

// --------------------------------------------------------- plan sets --

struct PlanPiece {
    std::uint8_t slot;
    std::uint8_t state;   // the state word written 1 right after the slot
};

struct PlanSetDef {
    std::int8_t set;
    int traceCode;
    PlanPiece pieces[12];
    int count;
};

constexpr PlanSetDef Single(int set, int codeBase) {
    return {static_cast<std::int8_t>(set), codeBase + set,
            {{static_cast<std::uint8_t>(37 + set), static_cast<std::uint8_t>(set)}}, 1};
}

// A run of pictures Dset..D(set+n-1) whose state words go with the first.
constexpr PlanSetDef Run(int set, int n, int traceCode) {
    PlanSetDef d{static_cast<std::int8_t>(set), traceCode, {}, n};
    for (int i = 0; i < n; ++i)
        d.pieces[i] = {static_cast<std::uint8_t>(37 + set + i), static_cast<std::uint8_t>(set + i)};
    return d;
}

// D042 and D044 as one set of the Era01 plan: D044's state is word 45.
constexpr PlanSetDef kSet42Pair(int traceCode) {
    return {42, traceCode, {{79, 42}, {81, 45}}, 2};
}

inline constexpr PlanSetDef kEra00List[] = {
    Single(1, 99000), Single(2, 99000), Run(3, 3, 99003),
    Run(6, 3, 99006), Single(9, 99000), Single(10, 99000),
};

inline constexpr PlanSetDef kEra04List[] = {
    Single(51, 99000), Single(60, 99000), Single(62, 99000), Single(63, 99000),
    Single(64, 99000), Single(66, 99000), Single(68, 99000), Single(71, 99000),
};

// Here set 42 is D042 alone and set 44 is D044.
inline constexpr PlanSetDef kEra03List[] = {
    Single(2, 99000),  Single(11, 99000), Single(42, 99000), Single(44, 99000),
    Single(51, 99000), Single(52, 99000), Single(53, 99000), Single(54, 99000),
    Single(58, 99000),
};

inline constexpr PlanSetDef kEra01List[] = {
    Single(2, 99000),  Run(3, 3, 99003),   Run(6, 3, 99006),   Single(9, 99000),
    Single(10, 99000), Single(11, 99000),  Single(12, 99000),  Single(13, 99000),
    Single(14, 99000), Single(15, 99000),  Single(16, 99000),  Single(17, 99000),
    Run(18, 3, 99018), Single(21, 99000),  Single(22, 99000),  Run(23, 3, 99023),
    Single(26, 99000), Run(27, 12, 99038), Single(39, 99000),  Single(40, 99000),
    Single(41, 99000), kSet42Pair(99042),
};

// What FreeGraphicSet(n) releases for a plan set n (trace code 77000 + n).
inline constexpr PlanSetDef kPlanReleases[] = {
    Single(1, 77000),  Single(2, 77000),  Run(3, 3, 77003),   Run(6, 3, 77006),
    Single(9, 77000),  Single(10, 77000), Single(11, 77000),  Single(12, 77000),
    Single(13, 77000), Single(14, 77000), Single(15, 77000),  Single(16, 77000),
    Single(17, 77000), Run(18, 3, 77018), Single(21, 77000),  Single(22, 77000),
    Run(23, 3, 77023), Single(26, 77000), Run(27, 12, 77027), Single(39, 77000),
    Single(40, 77000), Single(41, 77000), kSet42Pair(77042),  Single(44, 77000),
    Single(51, 77000), Single(52, 77000), Single(53, 77000),  Single(54, 77000),
    Single(58, 77000), Single(60, 77000), Single(62, 77000),  Single(63, 77000),
    Single(64, 77000), Single(66, 77000), Single(68, 77000),  Single(71, 77000),
};

// --------------------------------------------------------- helpers --

// Releases the slot's texture (if any) and empties the slot.
void ReleaseSlot(int slot);
