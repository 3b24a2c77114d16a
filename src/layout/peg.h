// The pegs: draggable handles bound to pairs of ints, and the collision boxes
// of the open character that the Layout view edits through them.
#pragma once

constexpr int PEG_MAX = 32;

struct PEG {
    int x, y;        // view position of the handle's top-left pixel
    int w, h;        // always 5 x 5
    int xoff, yoff;  // bound value + offset + 30 gives the handle position
    int *xp;         // the int the horizontal position edits; null edits nothing
    int *yp;         // the int the vertical position edits; null edits nothing
    int used;        // nonzero while the entry is live
};

extern PEG peg[PEG_MAX];
extern int pegged;      // index of the peg being dragged, -1 when none
extern int pox, poy;    // pointer minus the dragged peg's position when it was caught
// Rightmost column and bottom row of each slot's box, so that the
// bottom-right peg can be bound to two plain ints.
extern int my_sprite_cr[16];
extern int my_sprite_cb[16];

// Start-up: every peg unused, none dragged.
void peg_init();
void clear_pegs();
// Takes the lowest unused entry; returns its index, or -1 (nothing added)
// when all entries are live. A null pointer counts as the value 0.
int add_peg(int *xp, int *yp, int xoff, int yoff);
// Rebinds peg 0 to the selected slot's top-left corner and peg 1 to its
// bottom-right corner, and ends any drag.
void peg_item();
// Rebuilds the pegs when they are not live or are bound to another record or
// slot than the selected one, so they never write through stale pointers.
void peg_follow_selection();

void cw2cr(int slot);
void cr2cw(int slot);
// Copies the selected slot's box to every slot, unless Left Ctrl is held.
void update_tables();

// Index of the first live peg whose inner 3 x 3 pixels hold (x, y), or -1.
int peg_at(int x, int y);
