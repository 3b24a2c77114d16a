// The fixed-rate main loop and the small routines every view uses.
#include <chrono>
#include <thread>

#include "aniview.h"
#include "gametime.h"
#include "menus.h"
#include "posview.h"
#include "spriteedit.h"

void char_main()
{
    while (!char_done) {
        // One logic step per elapsed tick; the difference is re-read after
        // every step so a slow redraw is caught up step by step.
        bool stepped = false;
        while (gametime_get_frames() - gametime_tick > 0) {
            control();
            ++gametime_tick;
            stepped = true;
        }
        // Nothing changes between ticks, so a pass without a step redraws
        // nothing and sleeps until the tick ends instead of spinning a core.
        if (stepped) {
            update();
        } else {
            const long usec = gametime_usec_to_next_tick();
            std::this_thread::sleep_for(std::chrono::microseconds(usec > 0 ? usec : 1));
        }
    }
}

void control()
{
    global_control();
    if (state == 0)
        ani_control();
    else
        pos_control();
    ++char_frame;
}

void update()
{
    // Scratch and Sounds draw nothing: the window keeps its last picture.
    if (state == 0)
        ani_update();
    else if (state == 1)
        pos_update();
}

void read_mouse()
{
    my_mouse_x = mouse_x / 2;
    my_mouse_y = mouse_y / 2;
    my_mouse_b = mouse_b;
}

void user_control()
{
    read_mouse();
}

// Hands the pointer to a modal GUI (which shows Allegro's own pointer) and
// back. The pointer itself stays where the user left it.
void toggle_mouse()
{
    read_mouse();
    mouse_on = !mouse_on;
}

int my_popup_dialog(DIALOG *dialog, int focus_obj)
{
    const int r = popup_dialog(dialog, focus_obj);
    // Time spent in the dialog is not caught up by a burst of steps.
    gametime_reset();
    return r;
}
