// The Layout view: the selected slot's animation with its collision box and
// the two pegs that edit it. Its control also drives the Scratch and Sounds
// views, which draw nothing of their own.
#pragma once

#include "peg.h"

// Draws the view into char_screen and copies it, doubled, to the screen.
void pos_update();
// Draws the live pegs onto char_screen; nothing while one is being dragged.
void draw_pegs();

// One logic step: the menu bar, slot stepping, catching and dragging pegs.
void pos_control();
// Whether this step opens the menu bar: key M, or the pointer resting in the
// view's top-left corner with the left button up.
bool pos_menu_wanted();
