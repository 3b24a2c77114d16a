// Installs the bevelled look into Allegro's GUI, so that the library's own
// alert boxes and file selector are built from the same controls as the
// editor's dialogs.
#include "mygui.h"

void mygui_init()
{
   gui_shadow_box_proc = bevgui_shadow_box_proc;
   gui_button_proc = bevgui_button_proc;
   gui_edit_proc = bevgui_edit_proc;
   // The list hooks keep Allegro's own list controls for now.
   gui_menu_draw_menu = mygui_draw_menu;
   gui_menu_draw_menu_item = mygui_draw_menu_item;
}
