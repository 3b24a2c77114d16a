// Does what a window manager's close button does: sends WM_DELETE_WINDOW to
// the window whose id is given (as xdotool prints it).
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wm_close WINDOW-ID\n");
        return 2;
    }
    Display *d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "wm_close: cannot open the display\n");
        return 1;
    }
    const Window w = std::strtoul(argv[1], nullptr, 0);
    XEvent ev = {};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &ev);
    XFlush(d);
    XCloseDisplay(d);
    return 0;
}
