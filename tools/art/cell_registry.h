// Which figure or thing each cell of each picture shows: every rectangle the
// game's frame tables and draw passes cut out of a picture is listed here
// with what it depicts. The picture generator paints every figure cell from
// its entry (one look per figure, only the pose changes between its cells),
// and the whole-game playthrough checks every rectangle it draws against
// this list.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "tools/hud_sprite_rects.h"

namespace art {

// Who or what a cell shows. The first four are things, painted by the
// picture's own painter; the rest are figures, each with one look.
enum class Subject : unsigned char {
    Scenery,      // backdrops, buildings, ground, walls, trees, the world's pieces
    Prop,         // objects: crates, jars, weapons lying about, platforms, prizes
    Effect,       // bursts, sparks, glows, beams, shots, shards
    Interface,    // the HUD, menus, the message box, markers, the logo
    // People and creatures.
    Heroine,
    Pet,          // the round little pet of the home area
    Intruder,     // the woman who comes for the pet; the tournament's first opponent and Era03's arena's third
    Friend,       // the home area's sparring friend
    Companion,    // the intruder's helper, who leaps in and snatches the pet
    WalkingEnemy,
    FieldEnemyA,
    Gatekeeper,
    FieldArenaFoe,
    Teacher,
    Monsters,     // the far field's monster groups
    EncounterActor1,  // the far field's three small encounter actors
    EncounterActor2,
    EncounterActor3,
    Spectators,
    Round2Opponent,
    Round3Opponent,
    Round4Opponent,
    Creature,     // Era03's creature of many parts
    Duellist,
    Fighter,
    Merchant,     // the old man of Era03's camp
    ArenaBoss1,
    ArenaEnemy2,
    Soldier,      // Era04's guard captain and his soldiers
    PieceFigure,  // encounter A's figure of separate parts
    BladeFighter, // encounter B
    Sorceress,    // encounter C's clerk, and her servants, her copies
    Queen,
    EndingFigure,
    LittleOne,
    Count
};

constexpr bool IsFigure(Subject s) { return s >= Subject::Heroine; }

// The helper holds the pet from its grab (frame 3) on: the scene stops
// drawing the pet itself at that frame.
constexpr bool SnatchedPet(int frame) { return frame >= 3; }
std::string_view SubjectName(Subject s);

// How a figure holds itself in a cell; Auto lets the painter read it from
// the cell's shape and pivot.
enum class Stance : unsigned char {
    Auto, Stand, Walk, Run, Jump, Crouch, Attack, Kick, Lunge, Block, Hurt, Lying, Tumble, Leap, Fly, Sit, Lift,
    Kneel,   // down on one knee, sunk forward over it
    Knees,   // up on both knees, the shins along the floor behind, the body upright
    Heels,   // down on both knees, sitting back on the heels, the body upright
    Hunch,   // sitting back on the heels, bowed forward over the hands
    Upper, Lower,
    Seat     // sitting on a seat, thighs level, feet on the floor before it
};

struct Cell {
    int picture = 0;
    PictureRect rect{};
    Subject subject = Subject::Scenery;
    int pose = 0;                 // the frame or pose number of the table it comes from
    Stance stance = Stance::Auto;
    float pivotX = -1, pivotY = -1;   // in cell pixels: the point placed on the figure's place; -1 none
    bool region = false;          // any rectangle inside it may be drawn
    int facing = 0;               // +1 or -1 when the table draws this cell for one facing only
    int sink = 0;                 // rows the game sets the frame's point below the floor it stands on
    // The game stands the figure on its point although the point sits well
    // up the cell: the feet go on the point's row, the rows below stay empty.
    bool onPoint = false;
    // The game turns the cell a quarter about its point on the cell's left
    // column, and that column becomes the floor: the figure lies along it,
    // her back on it, her feet at the cell's foot.
    bool turnedOntoLeft = false;
    // Where the figure's body is, in cell pixels, when its table says so
    // (a hurt box); empty when not known.
    PictureRect body{};
    bool HasBody() const { return body.right > body.left && body.bottom > body.top; }
    // A hand held under what the game shows in the figure's hands there (a
    // ware held out, a loaf raised), in cell pixels; -1 none. The front hand,
    // or the back one for a point behind the figure.
    float holdX = -1, holdY = -1;
    bool HoldsSomething() const { return holdX >= 0 && holdY >= 0; }
    // What that hand holds runs on to here (cell pixels, possibly past the
    // cell's side): the grip of a blade the game draws as a sprite of its
    // own beside the frame, which the grip joins to the hand.
    float gripToX = -1e9f, gripToY = -1e9f;
    bool GripsOn() const { return HoldsSomething() && gripToX > -1e8f && gripToY > -1e8f; }
};

// Figure sheets that also hold scenery around their figures: their painters
// paint the pieces the passes cut, and the figure painter leaves the rest of
// the sheet as it finds it.
bool HoldsSceneryAround(int picture);

// Every registered cell, in picture order.
std::span<const Cell> Cells();
// The cells of one picture.
std::vector<Cell> CellsOf(int picture);

// What a drawn rectangle of a picture lands on: the cells equal to it (figure
// or thing cells), else the regions holding it; and the figure cells it cuts
// into without being one of them.
struct Landing {
    std::vector<const Cell*> exact;
    std::vector<const Cell*> regions;
    std::vector<const Cell*> cutFigures;
};
Landing Land(int picture, const PictureRect& drawn);

// Figures the game itself draws from one cell (a cell two tables give to two
// different figures). Such a cell is painted for the first-named figure.
struct SharedCell {
    int picture;
    PictureRect rect;
    Subject paintedAs, alsoDrawnAs;
};
std::span<const SharedCell> SharedCells();

}  // namespace art
