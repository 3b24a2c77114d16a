// Allegro without a display, a 640 x 480 memory screen, and an open
// character of 16 x 16 slots whose boxes the tests set up.
#pragma once

#include <allegro.h>

#include <gtest/gtest.h>

#include "animate.h"
#include "posview.h"
#include "spriteedit.h"

struct Box {
    int x, y, w, h;
};
bool operator==(const Box &a, const Box &b);
std::ostream &operator<<(std::ostream &os, const Box &b);

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the box of one slot, or of every slot with `slot` -1.
    void set_box(int slot, Box b);
    Box box(int slot) const;
    // One logic step of the view with the pointer at view (x, y).
    void step(int x, int y, int buttons);
    // The view centre of peg i's handle.
    int peg_cx(int i) const { return peg[i].x + 2; }
    int peg_cy(int i) const { return peg[i].y + 2; }

    BitmapPtr screen_bitmap_;
    BitmapPtr corner_;
};
