// The art of our 113 pictures: a pattern fitting each picture's use, and a
// distinct figure in every sprite rectangle the game is known to cut out of
// a picture ("rect sources").
#pragma once

#include <span>
#include <string_view>

#include "tools/art/canvas.h"
#include "tools/hud_sprite_rects.h"
#include "tools/picture_catalogue.h"

namespace art {

// What to draw into each rectangle of a list.
enum class FigureKind {
    HudFrame,         // a HUD text frame
    HudLowFill,       // the red low-HP gauge fill
    Lamp,             // frame-time meter lamps: red, amber, green in turn
    GaugeFrame,       // the gauge's frame, open at its right end
    GaugeCap,         // the gauge's right end cap
    GaugeFill,        // the normal gauge fill
    GaugeTenthFill,   // the fill of the one-in-ten gauge
    LoadingPanel,     // the loading panel with its letters unlit
    LoadingPanelLit,  // the loading panel once loading is done
    Letter,           // one big letter per rectangle, from the glyph string
    Walker,           // a figure walking: one frame of the cycle per rectangle
    Heroine,          // the heroine in varied poses
    Character,        // other people, armoured or robed
    Creature,         // beasts and monsters
    Prop,             // objects: crates, barrels, pillars, trees, rocks
    Effect,           // bursts, rings, sparks, coins
    Debris,           // chips of stone and earth a blow breaks out of the ground
    Icon,             // items and cursors
    Spinner,          // the item spinner, one turn step per rectangle
    ThrownDisc,       // a spinning steel disc seen at its rectangle's tilt, one turn step (of 3) per rectangle
    Marker,           // the pulsing marker: a crystal, dim and glinting
};

// One known list of sprite rectangles of a picture.
struct RectSource {
    int resourceId;
    FigureKind kind;
    std::span<const PictureRect> rects;
    std::string_view glyphs;  // letters for FigureKind::Letter
};

// Every rectangle list the generator knows, in drawing order. A later sprite
// table can add its own lists here; each list's figures are drawn over the
// picture's base pattern after clearing their rectangles.
std::span<const RectSource> RectSources();

// Draws one distinct figure of the kind into each rectangle (the i-th figure
// differs from the (i+1)-th in pose, shape or colour), inside the rectangle.
// firstVariant starts the run of shapes elsewhere, so that pictures with a
// single rectangle do not all show the same figure.
void DrawFiguresAt(Canvas& picture, std::span<const PictureRect> rects, FigureKind kind,
                   std::string_view glyphs = {}, int firstVariant = 0);

// The whole picture of a resource: its base pattern and the
// figures of its rect sources.
Canvas DrawPicture(const PictureInfo& info);

}  // namespace art
