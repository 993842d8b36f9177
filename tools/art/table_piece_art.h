// Pictures that the game's menu and scenery tables cut into pieces. Each
// piece the game shows gets a whole figure of its own that fits its
// rectangle: the menu labels, headings, rows, digits and markers, the title
// scenery, and the home area's and the field's scenery pieces. Nothing is
// drawn across two pieces, so no cut shows half of something.
#pragma once

#include <string_view>
#include <vector>

#include "tools/art/canvas.h"
#include "tools/hud_sprite_rects.h"
#include "tools/picture_catalogue.h"

namespace art {

// True when the picture is a menu sheet or title sprite sheet drawn piece by
// piece from the menu tables.
bool HasMenuSheetArt(int resourceId);
// Draws every piece of the picture that the menu tables cut, into a
// cleared picture (nothing else of it is ever shown).
void DrawMenuSheetArt(Canvas& c, const PictureInfo& info);

// The word written on a label strip of the title and main-menu sheet, by the
// strip's first row (0, 90, ..., 630); empty for a row that starts no strip.
std::string_view MenuLabelWord(int stripTop);
// The word on a strip of the technique list's sheet, by the strip's first
// row (either variant, either weapon mode); empty for a row that starts no
// technique strip.
std::string_view TechniqueStripWord(int stripTop);
// The word on a row of the equipment list, by its element (34, 35, 99); empty
// for any other element.
std::string_view GearRowWord(int element);

// True when the picture's pieces come from the scenery tables.
bool HasSceneryPieceArt(int resourceId);
// Draws every scenery piece of the picture into its own rectangle, into a
// cleared picture (see-through pictures) or over its whole face (opaque ones).
void DrawSceneryPieceArt(Canvas& c, const PictureInfo& info);
// False for a sheet that also holds figures cut by other tables (the walking
// enemies' sheet): its other figures stay, only the pieces are redrawn.
bool SceneryPiecesFillPicture(int resourceId);
// The rectangles the scenery tables cut from the picture, each painted as
// one thing.
std::vector<PictureRect> SceneryPieceRects(int resourceId);
// The rectangles the menu tables cut from a menu or title sprite sheet, each
// painted as one thing.
std::vector<PictureRect> MenuSheetPieceRects(int resourceId);

}  // namespace art
