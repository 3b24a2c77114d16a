// Input of the Layout view: the menu bar, slot stepping and peg dragging.
#include "menus.h"
#include "posview.h"
#include "spriteedit.h"
#include "wrap32.h"

namespace {
// Allegro rebuilds its pointer buffers on every set_mouse_sprite, so the
// image is only switched when it actually changes.
void show_peg_pointer(bool over_peg)
{
    if (over_peg ? mouse_sprite != mouse_corner : mouse_sprite == mouse_corner)
        set_mouse_sprite(over_peg ? mouse_corner : nullptr);
}

bool take_key(int k)
{
    if (!key[k])
        return false;
    key[k] = 0;
    return true;
}

void select_slot(int slot)
{
    selected_state = slot;
    peg_item();
}

// One step of a drag: the handle follows the pointer, keeping the offset at
// which it was caught, and writes its position back into the box.
void drag_step(PEG &p)
{
    if (!(my_mouse_b & 1)) {
        pegged = -1;
        return;
    }
    need_to_save = 1;
    p.x = wrap32(static_cast<long long>(my_mouse_x) - pox);
    p.y = wrap32(static_cast<long long>(my_mouse_y) - poy);
    if (p.xp)
        *p.xp = wrap32(static_cast<long long>(p.x) - p.xoff - 30);
    if (p.yp)
        *p.yp = wrap32(static_cast<long long>(p.y) - p.yoff - 30);
    cr2cw(selected_state);
    update_tables();
}

// Idle: the pointer shows whether it is over a peg, and the left button held
// there catches it (a button pressed elsewhere and moved on catches it too).
void hover_step()
{
    const int hit = peg_at(my_mouse_x, my_mouse_y);
    show_peg_pointer(hit >= 0);
    if (hit < 0) {
        pegged = -1;
        return;
    }
    if (my_mouse_b & 1) {
        pox = my_mouse_x - peg[hit].x;
        poy = my_mouse_y - peg[hit].y;
        pegged = hit;
    }
}
} // namespace

bool pos_menu_wanted()
{
    return key[KEY_M] || (my_mouse_x <= 0 && my_mouse_y <= 0 && !(my_mouse_b & 1));
}

void pos_control()
{
    if (pos_menu_wanted())
        run_menu_bar(pos_dialog, KEY_M);
    peg_follow_selection();
    if (take_key(KEY_ENTER))
        peg_item();
    if (take_key(KEY_LEFT))
        select_slot(selected_state <= 0 ? 15 : selected_state - 1);
    if (take_key(KEY_RIGHT))
        select_slot(selected_state >= 15 ? 0 : selected_state + 1);
    if (pegged >= 0 && pegged < PEG_MAX)
        drag_step(peg[pegged]);
    else
        hover_step();
}
