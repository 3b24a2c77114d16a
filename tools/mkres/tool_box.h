// The Animation view's tool box picture: 3 x 3 buttons of 16 x 16 pixels,
// one per tool, with the current tool's button pressed in.
#pragma once

#include <allegro.h>

namespace mkres {

constexpr int kToolCount = 9;
constexpr int kCellSize = 16;
constexpr int kToolBoxSize = 3 * kCellSize;

// Tool number of each cell, row by row, as the view's hit test reads it:
// pixel, line, fill / rectangle, filled rectangle, replace / circle,
// filled circle, select.
constexpr int kToolMap[kToolCount] = {0, 1, 6, 2, 3, 7, 4, 5, 8};

// Draws the whole 48 x 48 box at (0, 0) of `bmp` with `pressed_tool` held down.
void draw_tool_box(BITMAP* bmp, int pressed_tool);

}  // namespace mkres
