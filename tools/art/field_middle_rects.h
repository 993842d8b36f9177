// Rectangles of the field's middle pictures as its frame tables cut them:
// the arena enemy and its prop, the teacher, and the turret with its shot.
#pragma once

#include <array>

#include "tools/hud_sprite_rects.h"

namespace art {

// Resource 162 (D026): the arena enemy's frames.
constexpr std::array<PictureRect, 15> kArenaFoeRects{{
    {0, 0, 76, 49},      {77, 0, 152, 176},   {153, 0, 252, 136},  {257, 0, 320, 143},  {463, 0, 527, 143},
    {627, 0, 691, 143},  {329, 0, 427, 142},  {0, 180, 107, 308},  {108, 180, 215, 317}, {216, 180, 303, 316},
    {304, 180, 441, 314}, {442, 180, 574, 314}, {575, 180, 685, 356}, {658, 0, 690, 143}, {527, 144, 626, 180}}};
// Resource 162: the small thing it carries, held and lying, and its seed.
constexpr std::array<PictureRect, 3> kArenaFoePropRects{{{0, 110, 9, 135}, {10, 110, 35, 119}, {0, 81, 17, 101}}};
// Resource 164 (D028): the teacher's frames.
constexpr std::array<PictureRect, 17> kTeacherRects{{
    {0, 0, 46, 140},      {47, 0, 91, 140},     {92, 0, 136, 114},    {137, 0, 203, 94},    {204, 0, 291, 68},
    {292, 0, 350, 101},   {351, 0, 460, 127},   {461, 0, 529, 150},   {0, 151, 118, 302},   {119, 148, 210, 302},
    {211, 148, 303, 302}, {304, 148, 367, 302}, {368, 147, 457, 302}, {0, 328, 76, 466},    {77, 317, 240, 466},
    {241, 326, 333, 466}, {334, 326, 421, 466}}};
// Resource 176 (D040): the turret's base, head frames and its shot.
constexpr std::array<PictureRect, 6> kTurretRects{{
    {0, 0, 25, 48}, {26, 0, 51, 48}, {52, 0, 82, 58}, {83, 0, 114, 56}, {115, 0, 145, 57}, {146, 0, 218, 70}}};
constexpr std::array<PictureRect, 1> kTurretShotRects{{{0, 49, 20, 70}}};

// Resource 161 (D025): the gatekeeper's six frames.
constexpr std::array<PictureRect, 6> kGatekeeperRects{{
    {0, 0, 53, 137}, {54, 0, 105, 137}, {106, 0, 158, 137}, {159, 0, 214, 137}, {215, 0, 274, 137}, {275, 0, 356, 137}}};

}  // namespace art
