// The Layout view's pointer over a peg: a crosshair whose centre is left open
// so the peg under it stays visible.
#pragma once

#include <allegro.h>

namespace mkres {

// The view draws the image 8 pixels left of and above the pointer, so the
// crosshair's centre (the hot spot) is pixel (8, 8).
constexpr int kPointerHotSpot = 8;
constexpr int kPointerSize = 2 * kPointerHotSpot + 1;

// Draws the crosshair into a kPointerSize square bitmap; colour 0 is left
// wherever the pointer should be see-through.
void draw_peg_pointer(BITMAP* bmp);

}  // namespace mkres
