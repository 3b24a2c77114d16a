// The two bevel primitives every widget and menu is drawn with.
#include "mygui.h"

namespace {

// Allegro's hline/vline swap reversed ends; a ring squeezed to nothing must
// draw nothing instead.
void hspan(BITMAP *bmp, int x1, int x2, int y, int c)
{
   if (x1 <= x2)
      hline(bmp, x1, y, x2, c);
}

void vspan(BITMAP *bmp, int x, int y1, int y2, int c)
{
   if (y1 <= y2)
      vline(bmp, x, y1, y2, c);
}

}  // namespace

void outer_bevel_box(BITMAP *bmp, int x1, int y1, int x2, int y2, int fill,
                     int frame_color, int a, int b, int rings, int frame)
{
   rectfill(bmp, x1, y1, x2, y2, fill);
   int k = 0;
   if (frame) {
      rect(bmp, x1, y1, x2, y2, frame_color);
      k = 1;
   }
   // The top-right and bottom-left corners of each ring stay in the fill
   // colour, which gives the bevel its mitred look.
   for (int i = 0; i < rings; i++) {
      const int l = x1 + k + i, t = y1 + k + i;
      const int r = x2 - k - i, btm = y2 - k - i;
      if (l > r || t > btm)
         break;
      vspan(bmp, l, t, btm - 1, a);
      hspan(bmp, l, r - 1, t, a);
      vspan(bmp, r, t + 1, btm, b);
      hspan(bmp, l + 1, r, btm, b);
   }
}

void inner_bevel_box(BITMAP *bmp, int x1, int y1, int x2, int y2, int fill,
                     int frame_color, int a, int b, int rings, int frame)
{
   rectfill(bmp, x1 - 2, y1 - 2, x2 + 2, y2 + 2, fill);
   if (frame)
      rect(bmp, x1 - 3, y1 - 3, x2 + 3, y2 + 3, frame_color);
   // The rings lie outside the given rectangle: the well sinks into
   // whatever surrounds it, shadowed above and left.
   for (int i = 0; i < rings; i++) {
      const int l = x1 - 4 - i, t = y1 - 4 - i;
      const int r = x2 + 4 + i, btm = y2 + 4 + i;
      hspan(bmp, l, r - 1, t, b);
      vspan(bmp, l, t, btm - 1, b);
      hspan(bmp, l + 1, r, btm, a);
      vspan(bmp, r, t + 1, btm, a);
   }
}
