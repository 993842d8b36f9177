// The people and creatures of the game, painted into the cells the cell list
// gives them: every figure has one look (palette, build, face, what it
// wears and carries) and only its pose changes from cell to cell. A figure
// stands on the point its frame places on the floor, whole inside its cell,
// at the size the game draws it.
#pragma once

#include "tools/art/canvas.h"
#include "tools/art/cell_registry.h"
#include "tools/picture_catalogue.h"

namespace art {

// How a person is dressed and built.
enum class Hair : unsigned char { Long, Ponytail, Short, Bald, Bun, Hood, Helmet, Crown, Hat };
enum class Garment : unsigned char { Dress, Tunic, Robe, Armour, Gown, Plate };  // Plate: her own armour
enum class Carry : unsigned char { None, Sword, Spear, BigBlade, Claws, Staff, Gun, Wings, FoldedWings, Pet };
enum class Build : unsigned char { Person, Pet, Beast, Plant, Construct, Light, Spirit, Imp };

// The home area's pet's ball: its own cell and the pet hugging it.
inline constexpr Rgb kBallRed{220, 50, 60}, kBallBand{250, 245, 235}, kBallShine{255, 200, 200};

struct Look {
    Build build = Build::Person;
    Rgb top{}, bottom{}, skin{}, hair{}, trim{};
    Hair hairStyle = Hair::Short;
    Garment garment = Garment::Tunic;
    Carry carry = Carry::None;
    float width = 1.0f;       // shoulders and body, 1 the heroine's
    bool beard = false;
    bool facesLeft = false;   // the figure's cells show it facing left
    bool shield = false;      // a shield on the far arm, held before the body
};

// A figure's look (the spectators' three kinds by pose; the intruder fights
// the tournament's first round with claws).
Look LookOf(Subject s, int pose = 0, int picture = 0);

// A person at the cell's feet point, facing right when dir is 1: the
// heroine's sheets and every other figure draw with this.
struct PersonPose {
    Stance stance = Stance::Stand;
    float phase = 0;          // walk cycle, radians
    bool windup = false;      // an attack drawn back before it strikes
    float seat = 0;           // Seat: the seat's height in eighths of her height (0: a chair's)
    bool talking = false;     // the mouth open
    // A hand reaching to hold something there: units from the feet, +x ahead
    // (the front hand), or behind the figure (the back hand).
    bool holds = false;
    float holdX = 0, holdY = 0;
    // What that hand holds runs on to this point (a blade's grip), same units.
    bool grips = false;
    float gripToX = 0, gripToY = 0;
};
void PaintPerson(Canvas& c, float feetX, float feetY, float height, int dir, const PersonPose& pose,
                 const Look& look);
// The same, drawn narrower across by `squeeze` (a figure lying on its side
// in a cell hardly wider than its body) and turned by `angle` radians about
// the feet (a figure lying on the floor, or thrown down onto it).
void PaintPersonTransformed(Canvas& c, float feetX, float feetY, float height, int dir, const PersonPose& pose,
                            const Look& look, float squeeze, float angle);

// The height a figure stands at on a picture of its own, measured as the
// figure painter sizes it there: another sheet that shows it keeps its size.
float StandingHeightOn(Subject s, int picture);

// The heroine in her second outfit (its sheets, and wherever she is drawn
// putting it on).
Look HeroineSecondOutfit();

// Paints every figure cell of the picture that its own painter does not
// already draw (the heroine's sheets and the camp's sheet have theirs).
void DrawFigureCells(Canvas& c, const PictureInfo& info);

}  // namespace art
