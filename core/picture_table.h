// Every picture the executable carries, one row each: its resource id, size
// and colour depth, the texture slot it fills, whether black is see-through
// for it, and the kind of art and the part of the world it is painted for.
//
// The one place a picture's facts are written: the slot tables of the game
// (core/texture_tables.h), the picture generator (tools/) and the tests all
// read these rows, and every count and range follows from them. A new
// picture is a new row here (and its art under tools/art/).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

enum class PictureKind : std::uint8_t {
    Black,          // plain black (the side bars)
    Heroine,        // the heroine's frame sheets
    Figures,        // sheets of other characters and creatures
    Scenery,        // buildings, trees and props over a see-through ground
    Panorama,       // a full-screen scene picture, painted edge to edge
    Props,          // small objects and pieces
    Backdrop,       // opaque backgrounds and wall strips
    Sky,            // the stage sky, a vertical gradient
    FarBand,        // a band of far hills, repeated across the stage
    FarShape,       // a single far landscape feature
    GroundTiles,    // the ground's surface strip tiles
    GroundColumns,  // the ground's body columns
    EdgePiece,      // the raised edges of the pit
    Effects,        // bursts, sparks, rings and coins
    Icons,          // small menu icons and cursors
    MenuPanel,      // framed menu panels
    MenuColumn,     // stacked menu rows
    MenuTile,       // the brick tile of the menu backdrop
    MessageBox,     // the window under dialogue lines
    Logo,           // the title logo frames
    TitleFigures,   // the small title figures
    Hud,            // the HUD frames and meters
    Gauge,          // the HP gauge
    Loading,        // the loading screen
};

// Colour themes: which part of the world a picture belongs to.
enum class PictureTheme : std::uint8_t { Menu, Stage, Home, Field, Arena, Ruins, Castle };

struct PictureInfo {
    std::int16_t id;        // resource id
    std::int16_t width;
    std::int16_t height;
    std::uint8_t bits;      // 24, or 16 for X1R5G5B5
    std::int8_t slot;       // the texture slot it fills, one picture a slot
    bool keyed;             // black is see-through for this picture
    PictureKind kind;
    PictureTheme theme;
    const char* name;       // the picture's own name (never drawn on it)
};

namespace picture_rows {
using K = PictureKind;
using T = PictureTheme;
// clang-format off
inline constexpr auto kRows = std::to_array<PictureInfo>({
    {101, 1024, 1220, 24,   0, true,  K::Heroine,       T::Stage,  "A001"},
    {102,  142,   28, 24,   1, true,  K::Hud,           T::Menu,   "HUD"},
    {103,  506,   25, 24,   2, false, K::Gauge,         T::Menu,   "GAUGE"},
    {104,  376,  156, 24,  20, true,  K::Loading,       T::Menu,   "C001"},
    {105,  586,  980, 24,   5, true,  K::Logo,          T::Menu,   "MENU 1"},
    {106,  132,  720, 24,   6, true,  K::MenuColumn,    T::Menu,   "MENU 2"},
    {107,  118,  270, 24,   7, true,  K::MenuColumn,    T::Menu,   "MENU 3"},
    {108,  132, 1140, 24,   8, true,  K::MenuColumn,    T::Menu,   "MENU 4"},
    {109,  132,  450, 24,   9, true,  K::MenuColumn,    T::Menu,   "MENU 5"},
    {110,  300,  450, 24,  10, true,  K::MenuPanel,     T::Menu,   "MENU 6"},
    {111,  245,  360, 24,  11, true,  K::MenuPanel,     T::Menu,   "MENU 7"},
    {112,  120,   60, 24,  12, true,  K::MenuPanel,     T::Menu,   "MENU 8"},
    {113,  300,   60, 24,  13, true,  K::MenuPanel,     T::Menu,   "MENU 9"},
    {114,  780,   80, 24,  14, true,  K::MenuPanel,     T::Menu,   "MENU 10"},
    {115,  127,   30, 24,  15, true,  K::MenuTile,      T::Menu,   "MENU 11"},
    {116,  360,  250, 24,  16, true,  K::MenuPanel,     T::Menu,   "MENU 12"},
    {117,  530,   67, 24,  17, true,  K::TitleFigures,  T::Menu,   "MENU 13"},
    {118,   48,   41, 24,  18, true,  K::Icons,         T::Menu,   "MENU 14"},
    {119,   41,   48, 24,  19, true,  K::Icons,         T::Menu,   "MENU 15"},
    {120,   51,  765, 24,  21, true,  K::Sky,           T::Stage,  "SKY"},
    {121,  296,  287, 24,  22, true,  K::FarShape,      T::Stage,  "PEAK"},
    {122,  215,  108, 24,  23, true,  K::FarShape,      T::Stage,  "CLOUD"},
    {123, 1024,  187, 24,  24, true,  K::FarBand,       T::Stage,  "HILLS 1"},
    {124, 1024,  173, 24,  25, true,  K::FarBand,       T::Stage,  "HILLS 2"},
    {125,  427,  427, 24,  26, true,  K::FarShape,      T::Stage,  "SUN"},
    {126, 1024,  198, 24,  27, true,  K::FarBand,       T::Stage,  "HILLS 3"},
    {127,  943,  207, 24,  28, true,  K::FarShape,      T::Stage,  "CLOUD BANK"},
    {128,  100,  100, 24,  29, false, K::GroundTiles,   T::Stage,  "GROUND"},
    {129,   75,  104, 24,  30, false, K::GroundColumns, T::Stage,  "EARTH"},
    {130,   20,   19, 24,  31, true,  K::EdgePiece,     T::Stage,  "EDGE"},
    {131, 1024,   80, 24,  32, false, K::MessageBox,    T::Menu,   "MESSAGE"},
    {132,   94,   66, 24,  33, true,  K::Effects,       T::Stage,  "FX 1"},
    {133,  418,   96, 24,  34, true,  K::Effects,       T::Stage,  "FX 2"},
    {134,  139,   36, 24,  35, true,  K::Effects,       T::Stage,  "FX 3"},
    {135,  256,  256, 24,  36, true,  K::Figures,       T::Field,  "WALKERS"},
    {136,  192,   62, 24,  37, true,  K::Effects,       T::Stage,  "FX 4"},
    {137, 1024,  828, 24,  38, true,  K::Scenery,       T::Home,   "D001"},
    {138,   18,   60, 24,  39, true,  K::Props,         T::Home,   "D002"},
    {139,  128,  170, 24,  40, true,  K::Props,         T::Home,   "D003"},
    {140,  158,  106, 24,  41, true,  K::Props,         T::Home,   "D004"},
    {141,  644,  345, 24,  42, true,  K::Scenery,       T::Home,   "D005"},
    {142,  203,  185, 24,  43, true,  K::Props,         T::Home,   "D006"},
    {143,  429,  128, 24,  44, true,  K::Props,         T::Home,   "D007"},
    {144, 1024,  372, 16,  45, true,  K::Scenery,       T::Home,   "D008"},
    {145,  170,   13, 24,  46, false, K::Backdrop,      T::Home,   "D009"},
    {146,   11,   82, 24,  47, false, K::Backdrop,      T::Home,   "D010"},
    {147,   61,   35, 24,  48, true,  K::Props,         T::Field,  "D011"},
    {148,   42,   29, 24,  49, true,  K::Props,         T::Field,  "D012"},
    {149,   87,   75, 24,  50, true,  K::Props,         T::Field,  "D013"},
    {150,   98,   42, 24,  51, true,  K::Props,         T::Field,  "D014"},
    {151,   58,   56, 24,  52, true,  K::Props,         T::Field,  "D015"},
    {152,  100,   40, 24,  53, false, K::Backdrop,      T::Field,  "D016"},
    {153,   48,   24, 24,  54, true,  K::Icons,         T::Menu,   "D017"},
    {154,  484,   94, 24,  55, true,  K::Props,         T::Field,  "D018"},
    {155,  100,   80, 24,  56, true,  K::Props,         T::Field,  "D019"},
    {156,  101,   78, 24,  57, true,  K::Props,         T::Field,  "D020"},
    {157,  114,   96, 24,  58, true,  K::Props,         T::Field,  "D021"},
    {158,  692,  780, 24,  59, true,  K::Scenery,       T::Field,  "D022"},
    {159,   95,   56, 24,  60, true,  K::Icons,         T::Menu,   "D023"},
    {160,  257,  261, 24,  61, true,  K::Scenery,       T::Field,  "D024"},
    {161,  357,  137, 24,  62, true,  K::Props,         T::Field,  "D025"},
    {162,  692,  360, 24,  63, true,  K::Scenery,       T::Field,  "D026"},
    {163,  671,  389, 24,  64, true,  K::Scenery,       T::Field,  "D027"},
    {164,  530,  467, 24,  65, true,  K::Scenery,       T::Field,  "D028"},
    {165,  275,  350, 24,  66, false, K::Backdrop,      T::Field,  "D029"},
    {166,   23,  351, 24,  67, false, K::Backdrop,      T::Field,  "D030"},
    {167,   25,   54, 24,  68, true,  K::Props,         T::Field,  "D031"},
    {168,   71,  164, 24,  69, false, K::Backdrop,      T::Field,  "D032"},
    {169,   10,  352, 24,  70, true,  K::Props,         T::Field,  "D033"},
    {170,  200,  101, 24,  71, true,  K::Props,         T::Field,  "D034"},
    {171,   76,   93, 24,  72, false, K::Backdrop,      T::Field,  "D035"},
    {172,   29,   34, 24,  73, true,  K::Props,         T::Field,  "D036"},
    {173,   59,   76, 24,  74, true,  K::Props,         T::Field,  "D037"},
    {174,   44,   73, 24,  75, true,  K::Props,         T::Field,  "D038"},
    {175,  204,  136, 24,  76, true,  K::Icons,         T::Menu,   "D039"},
    {176,  219,   71, 24,  77, true,  K::Props,         T::Field,  "D040"},
    {177,  767,  586, 24,  78, true,  K::Figures,       T::Field,  "D041"},
    {178,  295,  283, 24,  79, true,  K::Figures,       T::Field,  "D042"},
    {179,  246,  156, 24,  80, true,  K::Icons,         T::Menu,   "D043"},
    {180,  628,  525, 24,  81, true,  K::Figures,       T::Arena,  "D044"},
    {181,  711,  638, 24,  82, true,  K::Figures,       T::Arena,  "D045"},
    {182,  525,  573, 24,  83, true,  K::Figures,       T::Arena,  "D046"},
    {183,  432,  332, 24,   3, true,  K::Heroine,       T::Stage,  "A004"},
    {184, 1024,  813, 24,  84, true,  K::Scenery,       T::Arena,  "D047"},
    {185,  831,  650, 24,  85, true,  K::Figures,       T::Arena,  "D048"},
    {186,  724,  685, 24,  86, true,  K::Figures,       T::Home,   "D049"},
    {187, 1024,  707, 24,  87, true,  K::Figures,       T::Ruins,  "D050"},
    {188,  424,  330, 24,  88, true,  K::Figures,       T::Ruins,  "D051"},
    {189,  830,  571, 24,  89, true,  K::Figures,       T::Ruins,  "D052"},
    {190,  740,  631, 24,  90, true,  K::Figures,       T::Ruins,  "D053"},
    {191,  618,  433, 24,  91, true,  K::Figures,       T::Ruins,  "D054"},
    {192,  769,  668, 24,  92, true,  K::Figures,       T::Ruins,  "D055"},
    {193,  786,  741, 24,  93, true,  K::Figures,       T::Ruins,  "D056"},
    {194, 1024,  803, 24,  94, true,  K::Figures,       T::Ruins,  "D057"},
    {195,  716,  508, 24,  95, true,  K::Figures,       T::Ruins,  "D058"},
    {196, 1024,  580, 24,  96, true,  K::Panorama,      T::Ruins,  "D059"},
    {197, 1024, 1220, 24,   4, true,  K::Heroine,       T::Stage,  "A005"},
    {198,  602,  560, 24,  97, true,  K::Scenery,       T::Castle, "D060"},
    {199,  623,  778, 24,  98, true,  K::Figures,       T::Castle, "D061"},
    {200, 1000,  706, 24,  99, true,  K::Scenery,       T::Castle, "D062"},
    {201,  200,  120, 24, 100, true,  K::Props,         T::Castle, "D063"},
    {202,  521,  227, 24, 101, true,  K::Scenery,       T::Castle, "D064"},
    {203,  566,  432, 24, 102, true,  K::Figures,       T::Castle, "D065"},
    {204,  825, 1283, 24, 103, true,  K::Scenery,       T::Castle, "D066"},
    {205,  923,  907, 24, 104, true,  K::Figures,       T::Castle, "D067"},
    {206,  923,  973, 24, 105, true,  K::Scenery,       T::Castle, "D068"},
    {207,  594,  442, 24, 106, true,  K::Figures,       T::Castle, "D069"},
    {208, 1009,  931, 24, 107, true,  K::Figures,       T::Castle, "D070"},
    {209, 1004,  640, 24, 108, true,  K::Scenery,       T::Castle, "D071"},
    {210,  877,  817, 24, 109, true,  K::Figures,       T::Castle, "D072"},
    {211,  646,  681, 24, 110, true,  K::Figures,       T::Castle, "D073"},
    {212, 1006, 1014, 24, 111, true,  K::Scenery,       T::Castle, "D074"},
    {213,  100,  100, 24, 112, false, K::Black,         T::Menu,   "D075"},
});
// clang-format on
}  // namespace picture_rows

inline constexpr const auto& kPictures = picture_rows::kRows;
constexpr int kPictureCount = static_cast<int>(kPictures.size());
constexpr int kFirstPictureId = kPictures.front().id;
constexpr int kLastPictureId = kPictures.back().id;

// The row of a resource id, or null for an id the program does not carry.
constexpr const PictureInfo* FindPicture(int resourceId) {
    if (resourceId < kFirstPictureId || resourceId > kLastPictureId) return nullptr;
    return &kPictures[static_cast<std::size_t>(resourceId - kFirstPictureId)];
}

// The colour a picture's texture keys out: black where black is see-through;
// the plain black picture keys white, so that none of it is.
constexpr std::uint32_t PictureColourKey(const PictureInfo& p) {
    if (p.keyed) return 0xFF000000u;
    return p.kind == PictureKind::Black ? 0xFFFFFFFFu : 0u;
}

namespace picture_rows {
// Ids run on without a gap, and every slot 0..count-1 is filled by exactly
// one picture: FindPicture and the slot table rest on both.
constexpr bool IdsRunOn() {
    for (int i = 0; i < kPictureCount; ++i)
        if (kPictures[static_cast<std::size_t>(i)].id != kFirstPictureId + i) return false;
    return true;
}
constexpr bool OnePictureASlot() {
    std::array<int, kRows.size()> uses{};
    for (const PictureInfo& p : kRows) {
        if (p.slot < 0 || p.slot >= kPictureCount) return false;
        ++uses[static_cast<std::size_t>(p.slot)];
    }
    for (int n : uses)
        if (n != 1) return false;
    return true;
}
static_assert(IdsRunOn(), "picture ids must run on without a gap");
static_assert(OnePictureASlot(), "every texture slot must be filled by exactly one picture");
}  // namespace picture_rows
