// Menu drawing: a raised panel behind every menu and one entry at a time
// with its label, right-aligned shortcut, sub-menu arrow and check mark.
#include <string>

#include "mygui.h"
#include "shades.h"

using namespace mygui_detail;

namespace {

// Last column of each row of the sub-menu arrow, relative to its first
// column, from three rows above the middle to five below.
constexpr int arrow_run[] = {0, 1, 2, 3, 4, 3, 2, 1, 0};

void draw_label_and_shortcut(BITMAP *bmp, const char *text, int x, int y, int w, int fg,
                             int bg)
{
   // The label and the shortcut are separated by a tab, as in "Copy\tCtrl+C".
   std::string copy(text);
   char tab_buf[8];
   const char *tab = uconvert_ascii("\t", tab_buf);
   char *last = nullptr;
   const char *label = ustrtok_r(copy.data(), tab, &last);
   if (!label)
      return;
   gui_textout_ex(bmp, label, x + 8, y + 1, fg, bg, 0);
   const char *shortcut = ustrtok_r(nullptr, empty_string, &last);
   if (shortcut)
      gui_textout_ex(bmp, shortcut, x + w - gui_strlen(shortcut) - 10, y + 1, fg, bg, 0);
}

void draw_arrow(BITMAP *bmp, int x, int y, int w, int th, int c)
{
   const int my = y + th / 2;
   const int left = x + w - 8;
   for (int row = 0; row < 9; row++)
      hline(bmp, left, my - 3 + row, left + arrow_run[row], c);
}

}  // namespace

void mygui_draw_menu(int x, int y, int w, int h)
{
   outer_bevel_box(gui_get_screen(), x, y, x + w - 2, y + h - 1, gui_bg_color, gui_fg_color,
                   light(gui_bg_color), dark(gui_bg_color), 1, 0);
}

void mygui_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel)
{
   BITMAP *bmp = gui_get_screen();
   const int th = text_height(font);
   const bool disabled = m->flags & D_DISABLED;
   const int fg = disabled ? gui_mg_color : (sel ? white() : gui_fg_color);
   const int bg = sel ? blue() : gui_bg_color;

   rectfill(bmp, x, y, x + w - 1, y + th + 3, bg);
   if (!m->text || ugetc(m->text) == 0) {
      // A separator reaches one pixel past the entry's fill.
      hline(bmp, x, y + th / 2 + 2, x + w, fg);
   } else {
      draw_label_and_shortcut(bmp, m->text, x, y, w, fg, bg);
      if (m->child && !bar)
         draw_arrow(bmp, x, y, w, th, fg);
   }
   if (m->flags & D_SELECTED) {
      line(bmp, x + 1, y + th / 2 + 1, x + 3, y + th + 1, fg);
      line(bmp, x + 3, y + th + 1, x + 6, y + 2, fg);
   }
}
