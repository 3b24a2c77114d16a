// Colours shared by the widgets: the bevel shades around a base index and
// the two fixed colours, looked up at each draw because the palette may
// change between draws.
#ifndef CHARED_GUI_SHADES_H
#define CHARED_GUI_SHADES_H

#include <allegro.h>

namespace mygui_detail {

constexpr int light(int base) { return base + 7; }
constexpr int dark(int base) { return base - 7; }

inline int white() { return makecol(255, 255, 255); }
inline int blue() { return makecol(0, 0, 255); }

// Redraws a widget through the dialog manager, as a click or key does.
inline void redraw(DIALOG *d) { object_message(d, MSG_DRAW, 0); }

}  // namespace mygui_detail

#endif
