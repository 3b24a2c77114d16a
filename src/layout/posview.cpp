// Drawing of the Layout view.
#include "posview.h"

#include "spriteedit.h"
#include "wrap32.h"

namespace {
ANIMATION *selected_animation()
{
    if (!my_sprite || selected_state < 0 || selected_state >= ZQ_SPRITE_SLOTS)
        return nullptr;
    return my_sprite->ani[selected_state];
}

// The box outline joins the box's top-left and bottom-right pixels, drawn
// where the frame is: at (32, 32).
void draw_box(int s)
{
    const long long x = my_sprite->cx[s], y = my_sprite->cy[s];
    rect(char_screen, clamp_coord(x + 32), clamp_coord(y + 32),
         clamp_coord(x + my_sprite->cw[s] + 31), clamp_coord(y + my_sprite->ch[s] + 31),
         makecol(0, 255, 0));
}

// The view paints the pointer itself; the pointer over a peg has its
// hot spot in the middle of the image.
void draw_pointer()
{
    if (!mouse_on || pegged >= 0 || !mouse_sprite)
        return;
    const int off = mouse_sprite == mouse_corner ? 8 : 0;
    draw_sprite(char_screen, mouse_sprite, my_mouse_x - off, my_mouse_y - off);
}
} // namespace

void draw_pegs()
{
    if (pegged >= 0)
        return;
    for (const PEG &p : peg) {
        if (!p.used)
            continue;
        const int x2 = clamp_coord(static_cast<long long>(p.x) + p.w - 1);
        const int y2 = clamp_coord(static_cast<long long>(p.y) + p.h - 1);
        const int x1 = clamp_coord(p.x), y1 = clamp_coord(p.y);
        rectfill(char_screen, x1, y1, x2, y2, makecol(255, 255, 255));
        rect(char_screen, x1, y1, x2, y2, makecol(0, 0, 0));
    }
}

void pos_update()
{
    if (!char_screen)
        return;
    clear_to_color(char_screen, makecol(0, 64, 128));
    if (ANIMATION *ani = selected_animation()) {
        draw_ani(char_screen, ani, 32, 32, char_frame);
        draw_box(selected_state);
        draw_pegs();
        // A clean copy below, free of box and pegs.
        draw_ani(char_screen, ani, 32, 120, char_frame);
    }
    textprintf_ex(char_screen, font, 0, 0, makecol(255, 255, 255), -1, "%d", selected_state);
    draw_pointer();
    if (screen)
        stretch_blit(char_screen, screen, 0, 0, 320, 240, 0, 0, 640, 480);
}
