// The fixed-rate main loop and the small routines every view uses.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "aniview.h"
#include "gametime.h"
#include "menus.h"
#include "posview.h"
#include "spriteedit.h"

namespace {
// CHARED_STATS=1 makes the editor print, about once a second, how many logic
// steps and redraws it has run in how much time: the tests check the 60 Hz
// rate with it.
struct StepStats {
    bool on = std::getenv("CHARED_STATS") != nullptr;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    long redraws = 0;
    int reported_second = 0;

    void maybe_report(bool final)
    {
        if (!on)
            return;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (!final && static_cast<int>(took.count()) <= reported_second)
            return;
        reported_second = static_cast<int>(took.count());
        std::fprintf(stderr, "chared-stats: steps=%d redraws=%ld seconds=%.3f\n", char_frame,
                     redraws, took.count());
    }
};
} // namespace

void char_main()
{
    StepStats stats;
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
            ++stats.redraws;
            stats.maybe_report(false);
        } else {
            const long usec = gametime_usec_to_next_tick();
            std::this_thread::sleep_for(std::chrono::microseconds(usec > 0 ? usec : 1));
        }
    }
    stats.maybe_report(true);
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
