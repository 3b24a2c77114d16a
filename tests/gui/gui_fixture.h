// Shared set-up for the widget tests: Allegro without a display, the
// editor's GUI colours, a palette with known white and blue, and a memory
// bitmap standing in for the screen.
#ifndef CHARED_TESTS_GUI_FIXTURE_H
#define CHARED_TESTS_GUI_FIXTURE_H

#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

constexpr int FG = 2;
constexpr int MG = 12;
constexpr int BG = 23;
constexpr int WHITE = 250;  // makecol(255, 255, 255) under the test palette
constexpr int BLUE = 251;   // makecol(0, 0, 255)
constexpr int BACKDROP = 99;

struct BitmapDeleter {
   void operator()(BITMAP *b) const { destroy_bitmap(b); }
};
using BitmapPtr = std::unique_ptr<BITMAP, BitmapDeleter>;

// Makes a cleared 8-bit memory bitmap.
BitmapPtr make_bitmap(int w, int h, int color);

// Draws a picture of single-letter colours, one string per row, and compares
// it with the bitmap's pixels from (x0, y0); the letters map through legend.
::testing::AssertionResult matches_picture(BITMAP *bmp, int x0, int y0,
                                           const std::vector<std::string> &rows,
                                           const std::vector<std::pair<char, int>> &legend);

// Whether the w x h areas at (ax, ay) of a and (bx, by) of b are equal.
::testing::AssertionResult same_area(BITMAP *a, int ax, int ay, BITMAP *b, int bx, int by,
                                     int w, int h);

// A scripted mouse: each call of gui_mouse_b() moves to the next sample;
// after the last one the buttons read as released.
struct MouseSample {
   int x, y, b;
};
void script_mouse(std::vector<MouseSample> samples);

// Names the cases of a table-driven test after their `name` field.
struct CaseName {
   template <class Case>
   std::string operator()(const ::testing::TestParamInfo<Case> &info) const
   {
      return info.param.name;
   }
};

class GuiTest : public ::testing::Test {
protected:
   void SetUp() override;
   void TearDown() override;
   BitmapPtr canvas;
};

#endif
