// The one-line edit field: cursor, insertion and deletion, word moves and a
// window that scrolls to keep the cursor in view.
#include "mygui.h"
#include "shades.h"

using namespace mygui_detail;

namespace {

// Set by Tab, cleared by any other key. Tab hands the focus on, and the
// character of the same key press must not land in the field that gets it,
// so the flag is shared by every field.
bool ignore_next_uchar = false;

struct Window {
   int first;
   int last;
};

// Width of one character in the GUI font; 0 for the terminator.
int char_width(int ch)
{
   if (ch == 0)
      return 0;
   char buf[16];
   const int n = usetc(buf, ch);
   usetc(buf + n, 0);
   return text_length(font, buf);
}

// The characters shown: all of them when they fit (with room for the
// underscore when the cursor is at the end), otherwise as many as fit
// ending at the cursor.
Window visible_window(const DIALOG *d, const char *s, int l)
{
   int width = d->d2 == l ? char_width(' ') : 0;
   int b = 0;
   for (int p = d->d2; p >= 0; p--) {
      width += char_width(ugetat(s, p));
      b++;
      if (width > d->w)
         break;
   }
   if (width <= d->w)
      return {0, l};
   return {d->d2 - (b - 1) + 1, d->d2};
}

void draw_edit(const DIALOG *d, const char *s, int l, Window win)
{
   BITMAP *bmp = gui_get_screen();
   const int c = (d->flags & D_DISABLED) ? gui_mg_color : d->fg;
   inner_bevel_box(bmp, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, white(), d->fg,
                   light(d->bg), dark(d->bg), 1, 1);
   // The underscore stands for the cursor at the end of the text, so an
   // unfocused field whose cursor is there leaves it out. With the cursor
   // inside the text the underscore is only the end marker and stays.
   const bool show_underscore = (d->flags & D_GOTFOCUS) || d->d2 < l;
   char glyph[16];
   int ox = 0;
   for (int p = win.first; p <= win.last; p++) {
      const int n = usetc(glyph, p < l ? ugetat(s, p) : '_');
      usetc(glyph + n, 0);
      const int gw = text_length(font, glyph);
      if (ox + gw > d->w)
         break;
      if (p < l || show_underscore)
         textout_ex(bmp, font, glyph, d->x + ox, d->y, c, -1);
      ox += gw;
   }
}

int click_position(const DIALOG *d, const char *s, int l, Window win)
{
   int px = d->x;
   int p = win.first;
   for (; p < win.last; p++) {
      px += char_width(ugetat(s, p));
      if (px > gui_mouse_x())
         break;
   }
   return p < 0 ? 0 : (p > l ? l : p);
}

// Start of the word the cursor is in or after; from a word's start, the
// start of the previous word.
int word_left(const char *s, int pos)
{
   bool prev_space = true;
   int start = 0;
   for (int i = 0; i < pos; i++) {
      const bool space = uisspace(ugetat(s, i));
      if (!space && prev_space)
         start = i;
      prev_space = space;
   }
   return start;
}

// Just after the next word.
int word_right(const char *s, int pos, int l)
{
   while (pos < l && uisspace(ugetat(s, pos)))
      pos++;
   while (pos < l && !uisspace(ugetat(s, pos)))
      pos++;
   return pos;
}

int handle_key(DIALOG *d, char *s, int l, int scancode)
{
   const bool ctrl = key_shifts & KB_CTRL_FLAG;
   switch (scancode) {
   case KEY_TAB:
      ignore_next_uchar = true;
      return D_O_K;
   case KEY_LEFT:
      if (d->d2 > 0)
         d->d2 = ctrl ? word_left(s, d->d2) : d->d2 - 1;
      break;
   case KEY_RIGHT:
      if (d->d2 < l)
         d->d2 = ctrl ? word_right(s, d->d2, l) : d->d2 + 1;
      break;
   case KEY_HOME:
      d->d2 = 0;
      break;
   case KEY_END:
      d->d2 = l;
      break;
   case KEY_DEL:
      if (d->d2 < l)
         uremove(s, d->d2);
      break;
   case KEY_BACKSPACE:
      if (d->d2 > 0)
         uremove(s, --d->d2);
      break;
   case KEY_ENTER:
      ignore_next_uchar = false;
      if (!(d->flags & D_EXIT))
         return D_O_K;
      redraw(d);
      return D_CLOSE;
   default:
      // Printable keys arrive again as MSG_UCHAR.
      ignore_next_uchar = false;
      return D_O_K;
   }
   ignore_next_uchar = false;
   redraw(d);
   return D_USED_CHAR;
}

int handle_char(DIALOG *d, char *s, int l, int ch)
{
   if (ch < 32 || !uisok(ch) || ignore_next_uchar)
      return D_O_K;
   // A full field swallows the character without a redraw.
   if (l < d->d1) {
      uinsert(s, d->d2, ch);
      d->d2++;
      redraw(d);
   }
   return D_USED_CHAR;
}

}  // namespace

int bevgui_edit_proc(int msg, DIALOG *d, int c)
{
   if (!d->dp)
      return D_O_K;
   char *s = static_cast<char *>(d->dp);
   const int l = ustrlen(s);
   if (d->d2 > l)
      d->d2 = l;
   if (d->d2 < 0)
      d->d2 = 0;
   const Window win = visible_window(d, s, l);

   switch (msg) {
   case MSG_START:
      d->d2 = l;
      return D_O_K;
   case MSG_DRAW:
      draw_edit(d, s, l, win);
      return D_O_K;
   case MSG_CLICK:
      d->d2 = click_position(d, s, l, win);
      redraw(d);
      return D_O_K;
   case MSG_KEY:
   case MSG_WANTFOCUS:
   case MSG_LOSTFOCUS:
      return D_WANTFOCUS;
   case MSG_CHAR:
      return handle_key(d, s, l, c >> 8);
   case MSG_UCHAR:
      return handle_char(d, s, l, c);
   default:
      return D_O_K;
   }
}
