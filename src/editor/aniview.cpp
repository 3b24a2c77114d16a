// Drawing of the Animation view into the view buffer.
#include "aniview.h"

#include "menus.h"
#include "spriteedit.h"

int ani_scale = 3;
int ani_color = 0;
int ani_tool = 0;
int tool_map[16] = {0, 1, 6, 2, 3, 7, 4, 5, 8, 0, 0, 0, 0, 0, 0, 0};

void ani_update()
{
    clear_to_color(char_screen, makecol(0, 64, 128));
    if (ap && ap->f > 0)
        draw_ani(char_screen, ap, 32, 32, char_frame);
    if (ani_tool >= 0 && ani_tool < 9 && ani_tool_image[ani_tool])
        draw_sprite(char_screen, ani_tool_image[ani_tool], 72, 184);
    if (mouse_on && mouse_sprite)
        draw_sprite(char_screen, mouse_sprite, my_mouse_x, my_mouse_y);
    stretch_blit(char_screen, screen, 0, 0, 320, 240, 0, 0, 640, 480);
}

void ani_control()
{
    if (key[KEY_TILDE])
        run_menu_bar(ani_dialog, KEY_TILDE);
    if (char_is_open() && selected_state <= 15) {
        ap = my_sprite->ani[selected_state];
        if (ap && ani_frame >= ap->f)
            ani_frame = 0;
        bp = ap && ap->f > 0 ? ap->frames[ani_frame] : nullptr;
    }
    set_menu_frame();
}
