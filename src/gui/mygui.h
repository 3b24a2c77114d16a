// Bevelled dialog widgets, the one-line edit field and the menu look.
//
// Every procedure here has Allegro's dialog-procedure signature and keeps its
// state in its DIALOG entry. Drawing goes to gui_get_screen(), which is the
// screen while the editor runs. Shades are derived from one base palette index:
// base + 7 for the lit edges, base - 7 for the shadowed ones.
#ifndef CHARED_MYGUI_H
#define CHARED_MYGUI_H

#include <allegro.h>

// A raised panel filling (x1, y1)-(x2, y2): light edges top and left in
// colour a, dark edges bottom and right in colour b. With frame set, an
// outline in frame_color surrounds the rings.
void outer_bevel_box(BITMAP *bmp, int x1, int y1, int x2, int y2, int fill,
                     int frame_color, int a, int b, int rings, int frame);

// A sunken well drawn around (x1, y1)-(x2, y2): the fill reaches two pixels
// beyond it, the optional outline three, the first ring four.
void inner_bevel_box(BITMAP *bmp, int x1, int y1, int x2, int y2, int fill,
                     int frame_color, int a, int b, int rings, int frame);

int bevgui_shadow_box_proc(int msg, DIALOG *d, int c);
int bevgui_button_proc(int msg, DIALOG *d, int c);
// Calls dp2, an int (*)(void), on a click; never closes its dialog.
int bevgui_pbutton_proc(int msg, DIALOG *d, int c);
// d1 == 0: label left of the box, otherwise right of it.
int bevgui_check_proc(int msg, DIALOG *d, int c);

// One-line text field: dp the text, d1 the maximum number of characters
// (the buffer must hold d1 characters plus the terminator), d2 the cursor.
int bevgui_edit_proc(int msg, DIALOG *d, int c);

void mygui_draw_menu(int x, int y, int w, int h);
void mygui_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel);

// Installs the widgets and the menu drawing into Allegro's GUI hooks.
void mygui_init();

#endif
