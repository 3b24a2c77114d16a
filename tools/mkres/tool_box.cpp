#include "tool_box.h"

#include "palette.h"

#include <cstddef>
#include <cstring>

namespace mkres {
namespace {

constexpr int kPressedFace = kFace - 2;

// Small hand-drawn pictures: one string per row, one letter per pixel,
// each letter of `keys` standing for the colour at the same place in
// `colours`; any other letter leaves the pixel alone.
template <std::size_t Rows>
void draw_char_map(BITMAP* b, int x, int y, const char* const (&rows)[Rows],
                   const char* keys, const int* colours) {
  for (std::size_t r = 0; r < Rows; ++r) {
    for (int c = 0; rows[r][c] != '\0'; ++c) {
      const char* key = std::strchr(keys, rows[r][c]);
      if (key && *key) putpixel(b, x + c, y + int(r), colours[key - keys]);
    }
  }
}

// Glyphs are drawn relative to (x, y), the top-left of their cell, already
// moved by one pixel when the button is pressed. Their area is 3..12.
void glyph_pixel(BITMAP* b, int x, int y) {
  // A pencil lying from top right to bottom left.
  const int body[] = {x + 9, y + 3, x + 12, y + 6, x + 6, y + 12, x + 3, y + 9};
  polygon(b, 4, body, ramp_index(Hue::yellow, 9));
  line(b, x + 10, y + 4, x + 4, y + 10, ramp_index(Hue::orange, 9));
  const int eraser[] = {x + 9, y + 3, x + 12, y + 6, x + 13, y + 5, x + 10, y + 2};
  polygon(b, 4, eraser, ramp_index(Hue::red, 11));
  const int tip[] = {x + 3, y + 9, x + 6, y + 12, x + 2, y + 13};
  polygon(b, 3, tip, ramp_index(Hue::skin, 9));
  putpixel(b, x + 2, y + 13, kBlack);
  putpixel(b, x + 3, y + 12, kBlack);
  line(b, x + 10, y + 2, x + 3, y + 9, kBlack);
  line(b, x + 13, y + 5, x + 6, y + 12, kBlack);
  line(b, x + 3, y + 9, x + 2, y + 13, kBlack);
  line(b, x + 6, y + 12, x + 2, y + 13, kBlack);
  line(b, x + 10, y + 2, x + 13, y + 5, kBlack);
}

void glyph_line(BITMAP* b, int x, int y) {
  line(b, x + 3, y + 12, x + 12, y + 3, kBlack);
  line(b, x + 4, y + 12, x + 12, y + 4, ramp_index(Hue::azure, 6));
}

void glyph_fill(BITMAP* b, int x, int y) {
  // A paint bucket tipped to the right, paint running off its lip.
  static constexpr const char* kBucket[] = {
      "...kk.....",
      "..k..k....",
      ".k..kkk...",
      ".k.kwggk..",
      "..kwgggGk.",
      ".kwgggGGkb",
      "kwgggGGkbb",
      ".kgGGGkbbb",
      "..kGGk.bb.",
      "...kk...b.",
  };
  const int palette[] = {kBlack, kWhite, ramp_index(Hue::slate, 11),
                         ramp_index(Hue::slate, 7), ramp_index(Hue::blue, 10)};
  draw_char_map(b, x + 3, y + 3, kBucket, "kwgGb", palette);
}

void glyph_rect(BITMAP* b, int x, int y) {
  rect(b, x + 3, y + 4, x + 12, y + 11, kBlack);
}

void glyph_filled_rect(BITMAP* b, int x, int y) {
  rectfill(b, x + 3, y + 4, x + 12, y + 11, ramp_index(Hue::azure, 9));
  rect(b, x + 3, y + 4, x + 12, y + 11, kBlack);
}

void glyph_replace(BITMAP* b, int x, int y) {
  // Every pixel of one colour becoming another: red swatch, arrow, green.
  rectfill(b, x + 3, y + 3, x + 7, y + 7, ramp_index(Hue::red, 10));
  rect(b, x + 3, y + 3, x + 7, y + 7, kBlack);
  rectfill(b, x + 8, y + 8, x + 12, y + 12, ramp_index(Hue::green, 8));
  rect(b, x + 8, y + 8, x + 12, y + 12, kBlack);
  hline(b, x + 8, y + 4, x + 10, kBlack);
  hline(b, x + 9, y + 5, x + 11, kBlack);  // arrowhead pointing down
  putpixel(b, x + 10, y + 6, kBlack);
}

void glyph_circle(BITMAP* b, int x, int y) {
  circle(b, x + 7, y + 7, 4, kBlack);
}

void glyph_filled_circle(BITMAP* b, int x, int y) {
  circlefill(b, x + 7, y + 7, 4, ramp_index(Hue::red, 9));
  circle(b, x + 7, y + 7, 4, kBlack);
}

void glyph_select(BITMAP* b, int x, int y) {
  // Marching ants: a rectangle of alternating black and white dashes.
  const int x1 = x + 3, y1 = y + 4, x2 = x + 12, y2 = y + 11;
  for (int i = x1; i <= x2; ++i) {
    const int c = ((i - x1) / 2) % 2 ? kWhite : kBlack;
    putpixel(b, i, y1, c);
    putpixel(b, x2 - (i - x1), y2, c);
  }
  for (int j = y1; j <= y2; ++j) {
    const int c = ((j - y1) / 2) % 2 ? kWhite : kBlack;
    putpixel(b, x2, j, c);
    putpixel(b, x1, y2 - (j - y1), c);
  }
}

using Glyph = void (*)(BITMAP*, int, int);
constexpr Glyph kGlyphs[kToolCount] = {
    glyph_pixel, glyph_line, glyph_rect, glyph_filled_rect, glyph_circle,
    glyph_filled_circle, glyph_fill, glyph_replace, glyph_select};

// A raised button; pressed, its bevel is turned around and its face darkens.
void draw_button(BITMAP* b, int x, int y, bool pressed) {
  const int last = kCellSize - 1;
  const int lit = pressed ? kFaceShadow : kFaceLight;
  const int shade = pressed ? kFaceLight : kFaceShadow;
  rectfill(b, x, y, x + last, y + last, pressed ? kPressedFace : kFace);
  rect(b, x, y, x + last, y + last, kBlack);
  hline(b, x + 1, y + 1, x + last - 2, lit);
  vline(b, x + 1, y + 1, y + last - 2, lit);
  hline(b, x + 2, y + last - 1, x + last - 1, shade);
  vline(b, x + last - 1, y + 2, y + last - 1, shade);
}

}  // namespace

void draw_tool_box(BITMAP* bmp, int pressed_tool) {
  for (int cell = 0; cell < kToolCount; ++cell) {
    const int tool = kToolMap[cell];
    const bool pressed = tool == pressed_tool;
    const int x = (cell % 3) * kCellSize;
    const int y = (cell / 3) * kCellSize;
    draw_button(bmp, x, y, pressed);
    const int shift = pressed ? 1 : 0;
    kGlyphs[tool](bmp, x + shift, y + shift);
  }
}

}  // namespace mkres
