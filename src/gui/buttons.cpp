// The dialog frame, push and toggle buttons, and the check box.
#include "mygui.h"
#include "shades.h"

using namespace mygui_detail;

namespace {

bool mouse_inside(const DIALOG *d)
{
   const int mx = gui_mouse_x(), my = gui_mouse_y();
   return mx >= d->x && my >= d->y && mx < d->x + d->w && my < d->y + d->h;
}

void draw_button(const DIALOG *d)
{
   const int face = d->bg + ((d->flags & D_GOTFOCUS) ? 1 : 0);
   const bool pressed = d->flags & D_SELECTED;
   const int p = pressed ? 1 : 0;
   BITMAP *bmp = gui_get_screen();
   outer_bevel_box(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, face, d->fg,
                   light(face), dark(face), pressed ? 0 : 2, 1);
   if (d->dp) {
      const int th = text_height(font);
      gui_textout_ex(bmp, static_cast<const char *>(d->dp), d->x + d->w / 2 + p,
                     d->y + d->h / 2 - th / 2 + p, d->fg, -1, 1);
   }
}

// Follows the mouse until the button is released, showing the pressed look
// only while the pointer is over the button. An exit button closes its
// dialog when released over itself; a toggle button keeps its new state.
int track_click(DIALOG *d)
{
   bool state1 = d->flags & D_SELECTED;
   const bool swap = (d->flags & D_EXIT) ? false : state1;
   while (gui_mouse_b()) {
      const bool state2 = mouse_inside(d) != swap;
      if (state1 != state2) {
         d->flags ^= D_SELECTED;
         state1 = d->flags & D_SELECTED;
         redraw(d);
      }
      broadcast_dialog_message(MSG_IDLE, 0);
   }
   if ((d->flags & D_SELECTED) && (d->flags & D_EXIT)) {
      d->flags &= ~D_SELECTED;
      return D_CLOSE;
   }
   return D_O_K;
}

void draw_check(const DIALOG *d)
{
   BITMAP *bmp = gui_get_screen();
   const char *label = d->dp ? static_cast<const char *>(d->dp) : "";
   const int c = (d->flags & D_DISABLED) ? gui_mg_color : d->fg;
   const int th = text_height(font);
   const int ty = d->y + (d->h - (th - gui_font_baseline)) / 2;
   int bx = d->x;
   if (d->d1 == 0)
      bx = d->x + gui_textout_ex(bmp, label, d->x, ty, c, d->bg, 0) + th / 2;
   // The well is sized so that its outline is the h x h square at bx.
   inner_bevel_box(bmp, bx + 3, d->y + 3, bx + d->h - 4, d->y + d->h - 4, white(), d->fg,
                   light(d->bg), dark(d->bg), 1, 1);
   if (d->d1 != 0)
      gui_textout_ex(bmp, label, bx + d->h + th / 2 - 1, ty, c, d->bg, 0);
   if (d->flags & D_SELECTED) {
      const int x2 = bx + d->h - 1, y2 = d->y + d->h - 1;
      line(bmp, bx, d->y, x2, y2, c);
      line(bmp, bx, y2, x2, d->y, c);
   }
}

}  // namespace

int bevgui_shadow_box_proc(int msg, DIALOG *d, int c)
{
   if (msg == MSG_DRAW)
      outer_bevel_box(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->bg,
                      d->fg, light(d->bg), dark(d->bg), 2, 1);
   return D_O_K;
}

int bevgui_button_proc(int msg, DIALOG *d, int c)
{
   switch (msg) {
   case MSG_DRAW:
      draw_button(d);
      return D_O_K;
   case MSG_CLICK:
      return track_click(d);
   case MSG_KEY:
      // A shortcut closes an exit button at once, without the pressed look.
      if (d->flags & D_EXIT)
         return D_CLOSE;
      d->flags ^= D_SELECTED;
      redraw(d);
      return D_O_K;
   case MSG_WANTFOCUS:
      return D_WANTFOCUS;
   default:
      return D_O_K;
   }
}

int bevgui_pbutton_proc(int msg, DIALOG *d, int c)
{
   if (msg == MSG_CLICK) {
      if (d->dp2)
         reinterpret_cast<int (*)()>(d->dp2)();
      return D_O_K;
   }
   bevgui_button_proc(msg, d, c);
   return D_O_K;
}

int bevgui_check_proc(int msg, DIALOG *d, int c)
{
   if (msg == MSG_DRAW) {
      draw_check(d);
      return D_O_K;
   }
   return d_button_proc(msg, d, 0);
}
