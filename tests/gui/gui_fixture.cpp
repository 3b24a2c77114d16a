#include "gui_fixture.h"

#include <cerrno>

namespace {

// Allegro is started once for the whole test program.
void start_allegro()
{
   static const bool started = [] {
      install_allegro(SYSTEM_NONE, &errno, atexit);
      set_color_depth(8);
      // Everything far from white and blue except the two entries the
      // widgets' makecol calls must find.
      PALETTE pal;
      for (int i = 0; i < PAL_SIZE; i++)
         pal[i] = RGB{32, 0, 32, 0};
      pal[WHITE] = RGB{63, 63, 63, 0};
      pal[BLUE] = RGB{0, 0, 63, 0};
      select_palette(pal);
      gui_fg_color = FG;
      gui_mg_color = MG;
      gui_bg_color = BG;
      return true;
   }();
   (void)started;
}

std::vector<MouseSample> mouse_script;
size_t mouse_step = 0;

MouseSample current_sample()
{
   if (mouse_step == 0 || mouse_step > mouse_script.size())
      return {0, 0, 0};
   return mouse_script[mouse_step - 1];
}

int scripted_b()
{
   mouse_step++;
   return current_sample().b;
}

int scripted_x() { return current_sample().x; }
int scripted_y() { return current_sample().y; }

}  // namespace

BitmapPtr make_bitmap(int w, int h, int color)
{
   start_allegro();
   BitmapPtr b(create_bitmap_ex(8, w, h));
   clear_to_color(b.get(), color);
   return b;
}

::testing::AssertionResult matches_picture(BITMAP *bmp, int x0, int y0,
                                           const std::vector<std::string> &rows,
                                           const std::vector<std::pair<char, int>> &legend)
{
   for (size_t r = 0; r < rows.size(); r++) {
      for (size_t c = 0; c < rows[r].size(); c++) {
         int want = -1;
         for (const auto &entry : legend)
            if (entry.first == rows[r][c])
               want = entry.second;
         const int x = x0 + static_cast<int>(c), y = y0 + static_cast<int>(r);
         const int got = getpixel(bmp, x, y);
         if (got != want)
            return ::testing::AssertionFailure()
                   << "pixel (" << x << ", " << y << ") is " << got << ", picture says '"
                   << rows[r][c] << "' = " << want;
      }
   }
   return ::testing::AssertionSuccess();
}

::testing::AssertionResult same_area(BITMAP *a, int ax, int ay, BITMAP *b, int bx, int by,
                                     int w, int h)
{
   for (int y = 0; y < h; y++)
      for (int x = 0; x < w; x++)
         if (getpixel(a, ax + x, ay + y) != getpixel(b, bx + x, by + y))
            return ::testing::AssertionFailure()
                   << "at offset (" << x << ", " << y << "): " << getpixel(a, ax + x, ay + y)
                   << " instead of " << getpixel(b, bx + x, by + y);
   return ::testing::AssertionSuccess();
}

void script_mouse(std::vector<MouseSample> samples)
{
   mouse_script = std::move(samples);
   mouse_step = 0;
   gui_mouse_b = scripted_b;
   gui_mouse_x = scripted_x;
   gui_mouse_y = scripted_y;
}

void GuiTest::SetUp()
{
   start_allegro();
   canvas = make_bitmap(320, 240, BACKDROP);
   gui_set_screen(canvas.get());
   // object_message() locks `screen` around every redraw it passes on.
   screen = canvas.get();
   script_mouse({});
}

void GuiTest::TearDown()
{
   gui_set_screen(nullptr);
   screen = nullptr;
}
