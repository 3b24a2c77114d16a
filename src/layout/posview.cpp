// Drawing and control of the Layout view.
#include "posview.h"

#include "menus.h"
#include "spriteedit.h"

void pos_update()
{
    clear_to_color(char_screen, makecol(0, 64, 128));
    const int s = selected_state;
    if (my_sprite && s >= 0 && s < 16 && my_sprite->ani[s]) {
        draw_ani(char_screen, my_sprite->ani[s], 32, 32, char_frame);
        rect(char_screen, my_sprite->cx[s] + 32, my_sprite->cy[s] + 32,
             my_sprite->cx[s] + my_sprite->cw[s] + 31, my_sprite->cy[s] + my_sprite->ch[s] + 31,
             makecol(0, 255, 0));
    }
    textprintf_ex(char_screen, font, 0, 0, makecol(255, 255, 255), -1, "%d", selected_state);
    if (mouse_on && mouse_sprite) {
        const int off = mouse_sprite == mouse_corner ? 8 : 0;
        draw_sprite(char_screen, mouse_sprite, my_mouse_x - off, my_mouse_y - off);
    }
    stretch_blit(char_screen, screen, 0, 0, 320, 240, 0, 0, 640, 480);
}

void pos_control()
{
    // The menu bar opens on M, or with the pointer resting in the top-left
    // corner while the left button is up.
    const bool corner = my_mouse_x <= 0 && my_mouse_y <= 0 && !(my_mouse_b & 1);
    if (key[KEY_M] || corner)
        run_menu_bar(pos_dialog, KEY_M);
}

void peg_init()
{
}

void peg_item()
{
}
