#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>

#include "areas/era00_era01/era01/collect_sheet.h"
#include "core/sprites/field_object_table.h"
#include "text/sprites/menu_sprite_tables.h"
#include "tools/art/picture_art.h"
#include "tools/art/table_piece_art.h"

namespace art {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// Menu sheet k is picture 104 + k; the title sprite sheets by their graphic.
constexpr int kSheetPictureBase = 104;
constexpr int kCursorSheet = 159, kMarkerSheet = 175, kTitleFigureSheet = 179, kDigitSheet = 112, kAppleSheet = 153;

// How a strip looks: dim (not available), plain, bright (selectable),
// chosen (under the cursor), marked (the one in use or just used).
enum class Look { Dim, Plain, Bright, Chosen, Marked };

struct StripColours {
    Rgb top, bottom, frame, text;
};

StripColours ColoursOf(Look look, bool secondMode) {
    StripColours s{};
    switch (look) {
        case Look::Dim: s = {{54, 58, 84}, {34, 36, 56}, {96, 102, 136}, {150, 156, 182}}; break;
        case Look::Plain: s = {{56, 74, 140}, {30, 40, 90}, {150, 164, 220}, {230, 234, 250}}; break;
        case Look::Bright: s = {{70, 96, 180}, {36, 50, 112}, {210, 220, 255}, {255, 255, 255}}; break;
        case Look::Chosen: s = {{236, 186, 76}, {160, 104, 30}, {255, 240, 180}, {255, 255, 236}}; break;
        case Look::Marked: s = {{70, 160, 100}, {30, 96, 56}, {190, 250, 200}, {250, 255, 240}}; break;
    }
    if (secondMode && look != Look::Chosen) {
        s.top = Mix(s.top, Rgb{40, 130, 150}, 0.5f);
        s.bottom = Mix(s.bottom, Rgb{20, 70, 90}, 0.5f);
    }
    return s;
}

PictureRect ToBox(const MenuRect& r, const Canvas& c) {
    return {std::max<int>(0, r.left), std::max<int>(0, r.top), std::min<int>(c.width, r.right),
            std::min<int>(c.height, r.bottom)};
}

// Text centred in a box, as large as fits (at most scale 2), with a shadow.
void CentredText(Canvas& c, const PictureRect& b, std::string_view text, Rgb colour, int leftPad = 0) {
    int scale = 2;
    const int room = b.right - b.left - leftPad - 8;
    if (TextWidth(text, scale) > room || 7 * scale > b.bottom - b.top - 4) scale = 1;
    const int w = TextWidth(text, scale);
    const int x = b.left + leftPad + std::max(0, (room - w) / 2) + 4;
    const int y = b.top + (b.bottom - b.top - 7 * scale) / 2;
    DrawText(c, x + 1, y + 1, text, scale, Rgb{16, 16, 30});
    DrawText(c, x, y, text, scale, colour);
}

// A label strip: a rounded panel edge to edge of its rectangle, the word in
// the middle.
void Strip(Canvas& c, const MenuRect& r, std::string_view text, Look look, bool secondMode = false) {
    const PictureRect b = ToBox(r, c);
    if (b.right - b.left < 6 || b.bottom - b.top < 6) return;
    const StripColours s = ColoursOf(look, secondMode);
    VerticalGradient(c, b.left, b.top, b.right, b.bottom, s.top, s.bottom);
    FrameRect(c, b.left, b.top, b.right, b.bottom, 1, s.frame);
    for (const int x : {b.left, b.right - 1})
        for (const int y : {b.top, b.bottom - 1}) c.Put(x, y, kTransparent);
    if (look == Look::Chosen) FillRect(c, b.left + 3, b.top + 3, b.left + 7, b.bottom - 3, Rgb{255, 250, 210});
    // A word too wide to clear that bar when centred starts right of it, on
    // every variant, so it stays put as the cursor comes and goes.
    CentredText(c, b, text, s.text, TextWidth(text, 2) > b.right - b.left - 18 ? 6 : 0);
}

// A plain panel without a word (highlight bars, slot bars, picture frames).
void Panel(Canvas& c, const MenuRect& r, Look look) {
    const PictureRect b = ToBox(r, c);
    const StripColours s = ColoursOf(look, false);
    VerticalGradient(c, b.left, b.top, b.right, b.bottom, s.top, s.bottom);
    const int th = std::max(1, std::min(b.right - b.left, b.bottom - b.top) / 24);
    FrameRect(c, b.left, b.top, b.right, b.bottom, th, s.frame);
    FrameRect(c, b.left + th + 2, b.top + th + 2, b.right - th - 2, b.bottom - th - 2, 1, Scale(s.frame, 0.6f));
}

// ------------------------------------------------------------- words --

constexpr std::array<std::string_view, 8> kLabelWords{"QUIT",     "EQUIP",    "ITEMS", "SAVE",
                                                      "LOAD",     "CONTINUE", "NEW GAME", "SETTINGS"};

// The technique list's rows by element, each named for what the figure
// beside the list shows while the cursor is on it, led by the key that does
// it where a key does: standing, walking either way, jumping (up), crouching
// (down), the stance A takes her into at a door, a notice or a spot she
// examines, running (Z) and the dash run (X); then the attacks, each with
// its second-outfit strip: the kick she starts with and the blade's slashes
// (S), the blast the teacher shows her and the blade's flurry (D), the blow
// that throws a foe up and the blade's upswing (F), the kick that raises the
// practice post and the blade's long lunge (G), the worn knife's thrust and
// the blade's guard (Q).
struct TechniqueRow {
    int element;
    std::string_view word, secondWord;   // secondWord: elements 20..24 only
};
constexpr std::array<TechniqueRow, 13> kTechniqueRows{{{12, "STAND", {}},
                                                       {13, "WALK RIGHT", {}},
                                                       {14, "WALK LEFT", {}},
                                                       {15, "JUMP", {}},
                                                       {16, "CROUCH", {}},
                                                       {17, "A EXAMINE", {}},
                                                       {18, "Z RUN", {}},
                                                       {19, "X DASH", {}},
                                                       {20, "S KICK", "S SLASH"},
                                                       {21, "D BLAST", "D FLURRY"},
                                                       {23, "F LAUNCH", "F UPSWING"},
                                                       {24, "G KICK UP", "G LUNGE"},
                                                       {22, "Q KNIFE", "Q GUARD"}}};

std::string_view HeadingWord(int element) {
    switch (element) {
        case 25: return "MENU";
        case 27: return "SAVE";
        case 28: return "LOAD";
        case 29: return "SETTINGS";
        case 30: return "ITEMS";
        default: return "STATUS";  // 26 and 98
    }
}

constexpr std::array<std::string_view, 5> kItemWords{"APPLE", "MUSHROOM", "KEY", "CRYSTAL", "RED CRYSTAL"};
// The equipment list's rows, each with its word and the picture the screen
// shows beside the list while the cursor is on it (element 41's variants 1, 2
// and 3 belong to the rows in this order): the first outfit, the red dress of
// a hunter she starts in; the knife from the camp's shop; the eternal armour
// of her second outfit, which the barrier's talk tells her to put on.
enum class Gear { Dress, Knife, Armour };
struct GearRow {
    int element;
    std::string_view word;
    Gear gear;
};
constexpr std::array<GearRow, 3> kGearRows{{{34, "DRESS", Gear::Dress}, {35, "KNIFE", Gear::Knife},
                                             {99, "ARMOUR", Gear::Armour}}};

// --------------------------------------------------------- pictograms --

void Gem(Canvas& c, float cx, float cy, float r, Rgb colour) {
    const float gem[] = {cx, cy - r, cx + r * 0.8f, cy - r * 0.2f, cx, cy + r, cx - r * 0.8f, cy - r * 0.2f};
    FillPolygon(c, gem, 4, colour);
    const float shine[] = {cx, cy - r, cx + r * 0.8f, cy - r * 0.2f, cx, cy - r * 0.05f};
    FillPolygon(c, shine, 3, Mix(colour, Rgb{255, 255, 255}, 0.45f));
}

void Apple(Canvas& c, float cx, float cy, float r) {
    FillDisc(c, cx, cy + r * 0.15f, r * 0.8f, Rgb{220, 40, 50});
    FillDisc(c, cx - r * 0.3f, cy - r * 0.05f, r * 0.22f, Rgb{250, 130, 120});
    Line(c, cx, cy - r * 0.55f, cx + r * 0.15f, cy - r, std::max(1.0f, r * 0.12f), Rgb{110, 76, 44});
    FillEllipse(c, cx + r * 0.4f, cy - r * 0.75f, r * 0.3f, r * 0.15f, Rgb{90, 190, 80});
}

void MushroomIcon(Canvas& c, float cx, float cy, float r) {
    FillRect(c, int(cx - r * 0.3f), int(cy - r * 0.1f), int(cx + r * 0.3f), int(cy + r), Rgb{240, 226, 196});
    // The cap: the upper half of an ellipse.
    const ClipBox cap{int(cx - r), int(cy - r), int(cx + r) + 1, int(cy - r * 0.1f)};
    SetClip(c, &cap);
    FillEllipse(c, cx, cy - r * 0.1f, r * 0.95f, r * 0.8f, Rgb{210, 60, 60});
    SetClip(c, nullptr);
    FillDisc(c, cx - r * 0.35f, cy - r * 0.4f, r * 0.15f, Rgb{250, 250, 240});
    FillDisc(c, cx + r * 0.3f, cy - r * 0.45f, r * 0.13f, Rgb{250, 250, 240});
}

void Key(Canvas& c, float cx, float cy, float r) {
    const Rgb gold{236, 196, 90};
    Ring(c, cx - r * 0.5f, cy, r * 0.38f, std::max(1.5f, r * 0.15f), gold);
    Line(c, cx - r * 0.15f, cy, cx + r, cy, std::max(1.5f, r * 0.18f), gold);
    FillRect(c, int(cx + r * 0.55f), int(cy), int(cx + r * 0.7f), int(cy + r * 0.45f), gold);
    FillRect(c, int(cx + r * 0.85f), int(cy), int(cx + r), int(cy + r * 0.35f), gold);
}

void ItemIcon(Canvas& c, int item, float cx, float cy, float r) {
    switch (item) {
        case 0: Apple(c, cx, cy, r); break;
        case 1: MushroomIcon(c, cx, cy, r); break;
        case 2: Key(c, cx, cy, r); break;
        case 3: Gem(c, cx, cy, r, Rgb{120, 230, 240}); break;
        default: Gem(c, cx, cy, r, Rgb{240, 70, 80}); break;
    }
}

// The equipment pictures, each filling its frame: the dress and the armour
// stand in square frames, the knife lies along its long, low one.
void Dress(Canvas& c, float cx, float cy, float r) {
    const float dress[] = {cx - r * 0.3f, cy - r, cx + r * 0.3f, cy - r, cx + r * 0.4f, cy - r * 0.3f,
                           cx + r * 0.9f, cy + r, cx - r * 0.9f, cy + r, cx - r * 0.4f, cy - r * 0.3f};
    FillPolygon(c, dress, 6, Rgb{206, 64, 96});
    FillRect(c, int(cx - r * 0.45f), int(cy - r * 0.35f), int(cx + r * 0.45f), int(cy - r * 0.2f), Rgb{250, 214, 120});
}

// A knife lying point to the right: steel blade with its edge rising to the
// point, a brass guard, a wooden grip with two rivets and a round pommel.
void Knife(Canvas& c, const PictureRect& b) {
    const float w = float(b.right - b.left), h = float(b.bottom - b.top);
    const float cy = float(b.top) + h * 0.5f, left = float(b.left) + w * 0.1f, tip = float(b.right) - w * 0.08f;
    const float guard = left + w * 0.3f, bh = h * 0.3f;
    const float top = cy - bh * 0.5f, bottom = cy + bh * 0.5f;
    const float blade[] = {guard, top, tip - (tip - guard) * 0.2f, top, tip, top + bh * 0.15f,
                           tip - (tip - guard) * 0.35f, bottom, guard, bottom};
    FillPolygon(c, blade, 5, Rgb{206, 216, 230});
    const float edge[] = {guard, bottom - bh * 0.3f, tip - (tip - guard) * 0.38f, bottom - bh * 0.3f, tip,
                          top + bh * 0.15f, tip - (tip - guard) * 0.35f, bottom, guard, bottom};
    FillPolygon(c, edge, 5, Rgb{244, 248, 255});
    Line(c, guard, top + 1, tip - (tip - guard) * 0.2f, top + 1, 1.0f, Rgb{130, 142, 164});
    FillEllipse(c, left + w * 0.015f, cy, bh * 0.42f, bh * 0.42f, Rgb{196, 150, 70});
    FillRect(c, int(left), int(cy - bh * 0.32f), int(guard), int(cy + bh * 0.32f + 1), Rgb{120, 74, 42});
    FillRect(c, int(left), int(cy - bh * 0.32f), int(guard), int(cy - bh * 0.12f), Rgb{150, 98, 58});
    for (const float x : {left + (guard - left) * 0.33f, left + (guard - left) * 0.72f})
        FillDisc(c, x, cy, std::max(1.5f, bh * 0.1f), Rgb{236, 206, 130});
    FillRect(c, int(guard - w * 0.02f), int(cy - bh * 0.85f), int(guard + w * 0.02f), int(cy + bh * 0.85f),
             Rgb{214, 170, 80});
}

// A breastplate of pale steel with its shoulder guards, a gold rim, a ridge
// down the middle and a blue stone at the heart: the armour of her second
// outfit as she wears it.
void Armour(Canvas& c, float cx, float cy, float r) {
    const Rgb steel{184, 198, 220}, shade{130, 146, 176}, gold{236, 196, 90};
    // A shoulder guard: a curved plate over the shoulder, rimmed in gold.
    auto pauldron = [&](float side, float grow, Rgb colour) {
        const float px = cx + side * r * 0.74f, py = cy - r * 0.56f;
        const float pts[][2] = {{-0.3f, -0.24f}, {0.02f, -0.3f}, {0.3f, -0.14f}, {0.36f, 0.12f},
                                {0.12f, 0.06f}, {-0.2f, 0.1f}, {-0.34f, 0.0f}};
        float xy[14];
        for (int k = 0; k < 7; ++k) {
            xy[2 * k] = px + side * pts[k][0] * r * grow;
            xy[2 * k + 1] = py + pts[k][1] * r * grow;
        }
        FillPolygon(c, xy, 7, colour);
    };
    const float plate[] = {cx - r * 0.55f, cy - r * 0.78f, cx - r * 0.2f, cy - r * 0.78f, cx, cy - r * 0.5f,
                           cx + r * 0.2f, cy - r * 0.78f, cx + r * 0.55f, cy - r * 0.78f, cx + r * 0.66f, cy - r * 0.1f,
                           cx + r * 0.52f, cy + r * 0.72f, cx, cy + r * 0.95f, cx - r * 0.52f, cy + r * 0.72f,
                           cx - r * 0.66f, cy - r * 0.1f};
    FillPolygon(c, plate, 10, gold);
    const float inner[] = {cx - r * 0.48f, cy - r * 0.7f, cx - r * 0.22f, cy - r * 0.7f, cx, cy - r * 0.42f,
                           cx + r * 0.22f, cy - r * 0.7f, cx + r * 0.48f, cy - r * 0.7f, cx + r * 0.58f, cy - r * 0.1f,
                           cx + r * 0.45f, cy + r * 0.66f, cx, cy + r * 0.86f, cx - r * 0.45f, cy + r * 0.66f,
                           cx - r * 0.58f, cy - r * 0.1f};
    FillPolygon(c, inner, 10, steel);
    const float dark[] = {cx, cy - r * 0.42f, cx + r * 0.22f, cy - r * 0.7f, cx + r * 0.48f, cy - r * 0.7f,
                          cx + r * 0.58f, cy - r * 0.1f, cx + r * 0.45f, cy + r * 0.66f, cx, cy + r * 0.86f};
    FillPolygon(c, dark, 6, shade);
    for (const float side : {-1.0f, 1.0f}) {
        pauldron(side, 1.0f, gold);
        pauldron(side, 0.8f, side < 0 ? steel : shade);
    }
    Line(c, cx, cy - r * 0.4f, cx, cy + r * 0.84f, std::max(1.0f, r * 0.05f), Rgb{236, 242, 252});
    FillRect(c, int(cx - r * 0.5f), int(cy + r * 0.36f), int(cx + r * 0.5f), int(cy + r * 0.46f), gold);
    Gem(c, cx, cy - r * 0.12f, r * 0.16f, Rgb{110, 200, 250});
}

void GearPicture(Canvas& c, Gear gear, const PictureRect& b) {
    const float w = float(b.right - b.left), h = float(b.bottom - b.top);
    const float cx = float(b.left) + w / 2, cy = float(b.top) + h / 2, r = std::min(w, h) * 0.36f;
    switch (gear) {
        case Gear::Dress: Dress(c, cx, cy, r); break;
        case Gear::Knife: Knife(c, b); break;
        case Gear::Armour: Armour(c, cx, cy, r); break;
    }
}

// An arrow filling its box, pointing up, down, left or right.
void Arrow(Canvas& c, const MenuRect& r, int dir, Rgb colour) {
    const PictureRect b = ToBox(r, c);
    const float l = float(b.left) + 1, t = float(b.top) + 1, rr = float(b.right) - 1, bb = float(b.bottom) - 1;
    const float cx = (l + rr) / 2, cy = (t + bb) / 2;
    float tri[6];
    switch (dir) {
        case 0: tri[0] = l; tri[1] = t + (rr - l); tri[2] = rr; tri[3] = t + (rr - l); tri[4] = cx; tri[5] = t; break;
        case 1: tri[0] = l; tri[1] = bb - (rr - l); tri[2] = rr; tri[3] = bb - (rr - l); tri[4] = cx; tri[5] = bb; break;
        case 2: tri[0] = l + (bb - t); tri[1] = t; tri[2] = l + (bb - t); tri[3] = bb; tri[4] = l; tri[5] = cy; break;
        default: tri[0] = rr - (bb - t); tri[1] = t; tri[2] = rr - (bb - t); tri[3] = bb; tri[4] = rr; tri[5] = cy; break;
    }
    FillPolygon(c, tri, 3, colour);
    // The shaft behind the head.
    if (dir <= 1) FillRect(c, int(cx - (rr - l) * 0.2f), int(t + (rr - l) * 0.8f), int(cx + (rr - l) * 0.2f + 1),
                           int(bb - (rr - l) * 0.8f), Scale(colour, 0.85f));
    else FillRect(c, int(l + (bb - t) * 0.8f), int(cy - (bb - t) * 0.2f), int(rr - (bb - t) * 0.8f),
                  int(cy + (bb - t) * 0.2f + 1), Scale(colour, 0.85f));
}

// --------------------------------------------------------- the elements --

void DrawElementPiece(Canvas& c, const MenuElementRow& row, int v, const MenuRect& r, bool secondMode) {
    const int e = row.element;
    const std::array<Look, 3> threeWay{Look::Dim, Look::Bright, Look::Chosen};
    const Look twoWay = v == 0 ? Look::Plain : Look::Chosen;
    const Look look3 = threeWay[std::min(v, 2)];
    if ((e >= 1 && e <= 6) || e == 31 || e == 96 || e == 97) {
        const int strip = r.top / 90;
        const Look look = (e == 6 && v == 3) ? Look::Bright : threeWay[(r.top % 90) / 30];
        Strip(c, r, MenuLabelWord(strip * 90), look);
    } else if (e >= 7 && e <= 9) {
        Strip(c, r, "SLOT " + std::to_string(e - 6), look3);
    } else if (e == 10 || e == 11) {
        Strip(c, r, "SKILLS", twoWay);
    } else if (e >= 12 && e <= 24) {
        Strip(c, r, TechniqueStripWord(r.top), twoWay, secondMode);
    } else if ((e >= 25 && e <= 30) || e == 98) {
        // The screen's name, and the key that leaves it at the right.
        const PictureRect b = ToBox(r, c);
        const StripColours s = ColoursOf(v == 0 ? Look::Bright : Look::Plain, false);
        VerticalGradient(c, b.left, b.top, b.right, b.bottom, s.top, s.bottom);
        FillRect(c, b.left, b.top, b.left + 4, b.bottom, Rgb{236, 196, 90});
        FillRect(c, b.left, b.bottom - 2, b.right, b.bottom, Rgb{236, 196, 90});
        CentredText(c, PictureRect{b.left + 6, b.top, b.right - 44, b.bottom}, HeadingWord(e), s.text);
        FillRect(c, b.right - 40, b.top + 5, b.right - 6, b.bottom - 6, Rgb{230, 230, 240});
        FrameRect(c, b.right - 40, b.top + 5, b.right - 6, b.bottom - 6, 1, Rgb{120, 120, 150});
        DrawText(c, b.right - 34, b.top + 8, "F2", 2, Rgb{40, 40, 70});
    } else if (e == 32) {
        static constexpr std::array<std::string_view, 5> kWorn{"GEAR", "WORN", "CHANGING", "NOT WORN", "CHANGING"};
        static constexpr std::array<Look, 5> kLooks{Look::Plain, Look::Marked, Look::Chosen, Look::Dim, Look::Chosen};
        Strip(c, r, kWorn[static_cast<std::size_t>(v)], kLooks[static_cast<std::size_t>(v)]);
    } else if (e == 33) {
        Strip(c, r, "GEAR", twoWay);
    } else if (e == 34 || e == 35 || e == 99) {
        const std::array<Look, 3> looks{Look::Plain, Look::Chosen, Look::Marked};
        Strip(c, r, GearRowWord(e), looks[static_cast<std::size_t>(std::min(v, 2))]);
    } else if (e == 36 || e == 37 || e == 38 || e == 39 || e == 100) {
        const int item = e == 100 ? 4 : e - 36;
        const std::array<Look, 3> looks{Look::Plain, Look::Chosen, Look::Marked};
        const PictureRect b = ToBox(r, c);
        Strip(c, r, {}, looks[static_cast<std::size_t>(std::min(v, 2))]);
        const float h = float(b.bottom - b.top);
        ItemIcon(c, item, float(b.left) + h * 0.7f, float(b.top) + h * 0.5f, h * 0.38f);
        const std::string_view word = v == 2 && b.right - b.left < 200 ? "USED" : kItemWords[static_cast<std::size_t>(item)];
        CentredText(c, b, word, ColoursOf(looks[static_cast<std::size_t>(std::min(v, 2))], false).text,
                    static_cast<int>(h * 1.2f));
    } else if (e == 41) {
        Panel(c, r, Look::Plain);
        GearPicture(c, kGearRows[static_cast<std::size_t>(std::min(v, 2))].gear, ToBox(r, c));
    } else if (e >= 42 && e <= 44) {
        // The slot bar: the game tints it and prints the slot's summary over it,
        // black on the chosen bar (drawn as it is), grey on the others (drawn
        // dimmed and see-through). A mid-light grey keeps the black at 7:1 or
        // more and leaves the dimmed bars dark enough for the grey to show.
        const PictureRect b = ToBox(r, c);
        VerticalGradient(c, b.left, b.top, b.right, b.bottom, Rgb{184, 184, 196}, Rgb{150, 150, 166});
        FrameRect(c, b.left, b.top, b.right, b.bottom, 3, Rgb{250, 250, 255});
        FrameRect(c, b.left + 5, b.top + 5, b.right - 5, b.bottom - 5, 1, Rgb{90, 90, 110});
    } else if (e == 45 || e == 46) {
        Arrow(c, r, e == 45 ? 0 : 1, v == 0 ? Rgb{130, 136, 170} : Rgb{255, 236, 150});
    } else if (e == 47 || e == 48) {
        Arrow(c, r, e == 47 ? 3 : 2, v == 0 ? Rgb{130, 136, 170} : Rgb{255, 236, 150});
    } else if (e >= 93 && e <= 95) {
        Panel(c, r, v == 0 ? Look::Plain : Look::Chosen);
    }
    // Element 40 shares the digit sheet: the digits drawn there serve it.
}

// Sheet 8: three strips of the ten digits, 12 x 20 each: normal, under the
// cursor, and a third dimmer strip.
void DrawDigits(Canvas& c) {
    static constexpr Rgb kInk[3] = {{250, 250, 255}, {255, 220, 110}, {160, 170, 200}};
    for (int strip = 0; strip < 3; ++strip)
        for (int d = 0; d <= 9; ++d) {
            const int x = d * kCounterDigitWidth, y = strip * kCounterDigitHeight;
            const char ch = static_cast<char>('0' + d);
            DrawText(c, x + 2, y + 4, std::string_view(&ch, 1), 2, Rgb{20, 20, 40});
            DrawText(c, x + 1, y + 3, std::string_view(&ch, 1), 2, kInk[strip]);
        }
}

// ---------------------------------------------------- title sprite sheets --

// A glowing crystal cluster standing on the bottom of the box.
void Crystal(Canvas& c, const MenuRect& r, Rgb colour) {
    const float l = r.left, t = r.top, w = float(r.right - r.left), h = float(r.bottom - r.top);
    const float shards[3][3] = {{0.5f, 0.0f, 0.22f}, {0.25f, 0.3f, 0.16f}, {0.75f, 0.25f, 0.16f}};
    FillEllipse(c, l + w / 2, t + h - 4, w * 0.45f, 4, Scale(colour, 0.5f));
    for (const auto& s : shards) {
        const float cx = l + w * s[0], top = t + h * s[1] + 1, half = w * s[2];
        const float shard[] = {cx, top, cx + half, top + half * 1.6f, cx + half * 0.8f, t + h - 2,
                               cx - half * 0.8f, t + h - 2, cx - half, top + half * 1.6f};
        FillPolygon(c, shard, 5, colour);
        const float face[] = {cx, top, cx + half, top + half * 1.6f, cx + half * 0.8f, t + h - 2, cx, t + h - 2};
        FillPolygon(c, face, 4, Mix(colour, Rgb{255, 255, 255}, 0.4f));
    }
}

// A mushroom creature: cap and stem, eyes, feet at y feet; squash > 1 is
// flatter and wider.
void Mushroom(Canvas& c, float cx, float feet, float h, float squash, Rgb cap) {
    const float stemH = h * 0.45f / squash, capRy = h * 0.3f / std::sqrt(squash), capRx = h * 0.42f * squash;
    FillRect(c, int(cx - capRx * 0.45f), int(feet - stemH), int(cx + capRx * 0.45f), int(feet), Rgb{240, 226, 196});
    FillDisc(c, cx - capRx * 0.2f, feet - stemH * 0.55f, std::max(1.0f, h * 0.04f), Rgb{40, 30, 40});
    FillDisc(c, cx + capRx * 0.2f, feet - stemH * 0.55f, std::max(1.0f, h * 0.04f), Rgb{40, 30, 40});
    FillEllipse(c, cx, feet - stemH, capRx, capRy, cap);
    FillRect(c, int(cx - capRx), int(feet - stemH), int(cx + capRx), int(feet - stemH + capRy * 0.3f), Scale(cap, 0.7f));
    for (int k = -1; k <= 1; ++k)
        FillDisc(c, cx + k * capRx * 0.5f, feet - stemH - capRy * (k == 0 ? 0.55f : 0.25f), capRy * 0.2f,
                 Rgb{250, 250, 240});
}

template <class A, class B>
bool Overlap(const A& a, const B& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Cells the field's hopping creature already takes on this sheet.
bool TakenByCreature(const MenuRect& r) {
    for (const field_object_table::HoppingRow& row : field_object_table::kHopping)
        if (Overlap(row.rect, r)) return true;
    return false;
}

// The collecting game's objects are the mushrooms the seller's game drops:
// the good ones (golden and orange caps) on the sheet's first row, the bad
// ones (poison purple) on the second. The first three good cells are the
// menu's cursor too, which points with a mushroom; a cell the hopping
// creature uses keeps the creature.
void CollectMushroom(Canvas& c, const MenuRect& r, bool bad, int k) {
    static constexpr Rgb kGood[] = {{236, 168, 60}, {244, 132, 58}, {226, 186, 92}, {232, 150, 70}, {240, 196, 80}};
    const float w = float(r.right - r.left), h = float(r.bottom - r.top);
    const float size = std::min(h - 2.0f, (w - 2.0f) / 0.8f);
    const Rgb cap = bad ? Rgb{150, 66, 170} : kGood[k % 5];
    Mushroom(c, float(r.left + r.right) * 0.5f, float(r.bottom) - 1.0f, size, 0.95f, cap);
}

void DrawCollectObjects(Canvas& c) {
    int k = 0;
    for (const CollectRow& row : kCollectRows) {
        for (const bool bad : {false, true}) {
            const std::int32_t top = bad ? kCollectBadRowTop : 0;
            const MenuRect r{static_cast<std::int16_t>(row.left), static_cast<std::int16_t>(top),
                             static_cast<std::int16_t>(std::min<int>(row.right, c.width)),
                             static_cast<std::int16_t>(std::min<int>(row.bottom + top, c.height))};
            if (r.right <= r.left || r.bottom <= r.top || TakenByCreature(r)) continue;
            const ClipBox box{r.left, r.top, r.right, r.bottom};
            SetClip(c, &box);
            FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
            CollectMushroom(c, r, bad, k);
            SetClip(c, nullptr);
        }
        ++k;
    }
}

// The cursor's cells are the collecting game's first three mushrooms: the
// item screen points at the mushroom row with them, the camp's shop shows
// them beside its mushroom offer.
void DrawCursorSheet(Canvas& c) {
    for (const MenuSpriteRow& row : kMenuSpriteRows) {
        if (row.rule != MenuSpriteRule::Cursor || row.colour != 0xFFFFFFFFu) continue;
        FillRect(c, row.rect.left, row.rect.top, row.rect.right, row.rect.bottom, kTransparent);
    }
    DrawCollectObjects(c);
}

// D017: the apple, the item screen's icon for it (dim and bright) and the
// camp's shop's first offer, shining in turn.
void DrawAppleSheet(Canvas& c) {
    for (std::size_t k = 0; k < kSpinnerRects.size(); ++k) {
        const PictureRect& r = kSpinnerRects[k];
        FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
        const float cx = float(r.left + r.right) * 0.5f, cy = float(r.top + r.bottom) * 0.5f + 1.0f;
        Apple(c, cx, cy, float(r.Height()) * 0.55f);
        if (k == 1) {   // the shine turns to the light
            Line(c, cx - 6, cy - 5, cx - 2, cy - 5, 1.0f, Rgb{255, 255, 240});
            Line(c, cx - 4, cy - 7, cx - 4, cy - 3, 1.0f, Rgb{255, 255, 240});
        }
    }
}

void DrawMarkerSheet(Canvas& c) {
    DrawFiguresAt(c, kMarkerRects, FigureKind::Marker);
    for (const MenuSpriteRow& row : kMenuSpriteRows) {
        if (row.rule == MenuSpriteRule::TitleScenery)
            Crystal(c, row.rect, row.param == 1 ? Rgb{110, 200, 250} : Rgb{200, 120, 250});
    }
    // The mushroom cluster: each frame glows a little differently.
    for (int k = 1; k * kMushroomFrameWidth <= c.width; ++k) {
        const MenuRect r{static_cast<std::int16_t>((k - 1) * kMushroomFrameWidth), 0,
                         static_cast<std::int16_t>(k * kMushroomFrameWidth - 1), 79};
        const ClipBox box{r.left, r.top, r.right, r.bottom};
        SetClip(c, &box);
        const float glow = 0.6f + 0.2f * float(k);
        const float cx = float(r.left + r.right) / 2;
        FillEllipse(c, cx, 70, 30, 8, Scale(Rgb{60, 120, 70}, glow));
        Mushroom(c, cx - 14, 76, 40, 1.0f, Scale(Rgb{220, 80, 70}, glow));
        Mushroom(c, cx + 14, 76, 30, 1.1f, Scale(Rgb{240, 150, 60}, glow));
        Mushroom(c, cx + 2, 78, 22, 1.2f, Scale(Rgb{230, 200, 90}, glow));
        SetClip(c, nullptr);
    }
}

// A gold key lying bow to the left, filling its long, low cell: the ring of
// its bow open in the middle, a collar, the shaft lit along its top, and
// two teeth of its bit hanging at the right end. The game darkens it while
// the cursor is elsewhere.
void LyingKey(Canvas& c, const MenuRect& r) {
    const Rgb gold{236, 196, 90}, light{255, 234, 160}, shade{170, 124, 46};
    const int l = r.left, t = r.top, h = r.bottom - r.top, right = r.right;
    const ClipBox box{r.left, r.top, r.right, r.bottom};
    SetClip(c, &box);
    const float bow = float(h) * 0.5f;
    Ring(c, float(l) + bow, float(t) + bow, bow, bow * 0.48f, gold);
    Ring(c, float(l) + bow, float(t) + bow, bow, 1.0f, shade);
    const int mid = t + h / 2, shaft = l + h - 1;
    FillRect(c, shaft, mid - 2, shaft + 2, mid + 3, gold);   // the collar
    FillRect(c, shaft, mid - 1, right - 1, mid + 1, gold);
    FillRect(c, shaft + 2, mid - 1, right - 1, mid, light);
    FillRect(c, shaft + 2, mid + 1, right - 1, mid + 2, shade);
    FillRect(c, right - 8, mid + 1, right - 6, t + h, gold);
    FillRect(c, right - 4, mid + 1, right - 1, t + h, gold);
    FillRect(c, right - 2, mid + 1, right - 1, t + h, shade);
    SetClip(c, nullptr);
}

void DrawTitleFigureSheet(Canvas& c) {
    static constexpr Rgb kCaps[2] = {{90, 190, 90}, {80, 140, 240}};
    for (int family = 0; family < 2; ++family)
        for (int f = 0; f < 6; ++f) {
            const TitleFigureFrame& fr = kTitleFigureFrames[family][f];
            const MenuRect& r = fr.rect;
            const ClipBox box{r.left, r.top, r.right, r.bottom};
            SetClip(c, &box);
            FillRect(c, r.left, r.top, r.right, r.bottom, kTransparent);
            const float feet = std::min(float(r.top) + fr.pivotY, float(r.bottom)) - 1;
            const float h = std::min(feet - float(r.top), float(r.right - r.left) * 1.1f);
            const float squash = 0.85f + 0.08f * float(f % 4);
            Mushroom(c, float(r.left) + fr.pivotX, feet, h, squash, kCaps[family]);
            SetClip(c, nullptr);
        }
    // The item screen's picture of the key, beside its row.
    for (const MenuSpriteRow& row : kMenuSpriteRows)
        if (row.rule == MenuSpriteRule::ItemMarker) LyingKey(c, row.rect);
}

}  // namespace

std::string_view TechniqueStripWord(int stripTop) {
    for (const TechniqueRow& t : kTechniqueRows) {
        const MenuElementRow* row = FindMenuElementRow(t.element);
        if (row == nullptr) continue;
        for (int v = 0; v < 2; ++v) {
            if (row->v[v].sheet != 0 && row->v[v].rect.top == stripTop) return t.word;
            if (row->mode2[v].sheet != 0 && row->mode2[v].rect.top == stripTop) return t.secondWord;
        }
    }
    return {};
}

std::string_view GearRowWord(int element) {
    for (const GearRow& row : kGearRows)
        if (row.element == element) return row.word;
    return {};
}

std::string_view MenuLabelWord(int stripTop) {
    if (stripTop < 0 || stripTop % 90 != 0 || stripTop / 90 >= static_cast<int>(kLabelWords.size())) return {};
    return kLabelWords[static_cast<std::size_t>(stripTop / 90)];
}

std::vector<PictureRect> MenuSheetPieceRects(int id) {
    std::vector<PictureRect> out;
    auto add = [&](const MenuRect& r) { out.push_back(PictureRect{r.left, r.top, r.right, r.bottom}); };
    for (const MenuElementRow& row : kMenuElementRows) {
        for (const MenuElementVariant& var : row.v)
            if (var.sheet != 0 && kSheetPictureBase + var.sheet == id) add(var.rect);
        for (const MenuElementVariant& var : row.mode2)
            if (var.sheet != 0 && kSheetPictureBase + var.sheet == id) add(var.rect);
    }
    if (id == kDigitSheet)
        for (int strip = 0; strip < 3; ++strip)
            for (int d = 0; d <= 9; ++d)
                out.push_back(PictureRect{d * kCounterDigitWidth, strip * kCounterDigitHeight,
                                          (d + 1) * kCounterDigitWidth, (strip + 1) * kCounterDigitHeight});
    for (const MenuSpriteRow& row : kMenuSpriteRows) {
        const bool cursor = row.rule == MenuSpriteRule::Cursor && id == kCursorSheet;
        const bool crystal = row.rule == MenuSpriteRule::TitleScenery && id == kMarkerSheet;
        const bool marker = row.rule == MenuSpriteRule::ItemMarker && id == kTitleFigureSheet;
        if (cursor || crystal || marker) add(row.rect);
    }
    if (id == kCursorSheet)
        for (const CollectRow& row : kCollectRows)
            for (const std::int32_t top : {0, kCollectBadRowTop})
                out.push_back(PictureRect{row.left, top, row.right, row.bottom + top});
    if (id == kMarkerSheet) {
        for (const PictureRect& r : kMarkerRects) out.push_back(r);
        const PictureInfo* info = FindPicture(id);
        for (int k = 1; info != nullptr && k * kMushroomFrameWidth <= info->width; ++k)
            out.push_back(PictureRect{(k - 1) * kMushroomFrameWidth, 0, k * kMushroomFrameWidth - 1, 79});
    }
    if (id == kTitleFigureSheet)
        for (const auto& family : kTitleFigureFrames)
            for (const TitleFigureFrame& f : family) add(f.rect);
    return out;
}

bool HasMenuSheetArt(int id) {
    if (id == kCursorSheet || id == kMarkerSheet || id == kTitleFigureSheet || id == kDigitSheet || id == kAppleSheet)
        return true;
    for (const MenuElementRow& row : kMenuElementRows)
        for (const MenuElementVariant& v : row.v)
            if (v.sheet != 0 && kSheetPictureBase + v.sheet == id) return true;
    return false;
}

void DrawMenuSheetArt(Canvas& c, const PictureInfo& info) {
    if (info.id == kCursorSheet) return DrawCursorSheet(c);
    if (info.id == kAppleSheet) return DrawAppleSheet(c);
    if (info.id == kMarkerSheet) return DrawMarkerSheet(c);
    if (info.id == kTitleFigureSheet) return DrawTitleFigureSheet(c);
    if (info.id == kDigitSheet) DrawDigits(c);
    for (const MenuElementRow& row : kMenuElementRows) {
        for (int v = 0; v < 5; ++v) {
            const MenuElementVariant& var = row.v[v];
            if (var.sheet != 0 && kSheetPictureBase + var.sheet == info.id && var.sheet != kCounterDigitSheet)
                DrawElementPiece(c, row, v, var.rect, false);
        }
        for (int v = 0; v < 2; ++v) {
            const MenuElementVariant& var = row.mode2[v];
            if (var.sheet != 0 && kSheetPictureBase + var.sheet == info.id)
                DrawElementPiece(c, row, v, var.rect, true);
        }
    }
}

}  // namespace art
