// The Animation view's selection state and the ways to let go of it.
#include "aniview.h"
#include "spriteedit.h"

BITMAP *ani_sel_bp = nullptr;
int ani_sel_x = 0, ani_sel_y = 0, ani_sel_x2 = 0, ani_sel_y2 = 0;
int ani_sel_v = 1;
int ani_sel_float = 0;
BITMAP *ani_sel_fbp = nullptr;
BITMAP *ani_sel_cbp = nullptr;

namespace {
void destroy_and_clear(BITMAP *&b)
{
    if (b)
        destroy_bitmap(b);
    b = nullptr;
}
} // namespace

void ani_drop_selection()
{
    ani_sel_bp = nullptr;
    destroy_and_clear(ani_sel_fbp);
}

void clear_clipboard()
{
    ani_sel_bp = nullptr;
    destroy_and_clear(ani_sel_fbp);
    destroy_and_clear(ani_sel_cbp);
    destroy_and_clear(char_clipboard);
    ani_sel_float = 0;
}
