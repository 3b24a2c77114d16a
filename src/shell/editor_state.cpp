// The editor's shared state, one definition for the whole program.
#include "spriteedit.h"

int state = 0;
int selected_state = 0;
ZQ_SPRITE *my_sprite = nullptr;
ANIMATION *ap = nullptr;
BITMAP *bp = nullptr;
int ani_frame = 0;
int char_frame = 0;
int char_done = 0;
BITMAP *char_screen = nullptr;
BITMAP *char_scratch = nullptr;
BITMAP *char_clipboard = nullptr;
PALETTE char_palette;
BITMAP *mouse_corner = nullptr;
BITMAP *ani_tool_image[9] = {};
char *ani_help_text = nullptr;
int need_to_save = 0;
char filename[1024] = "";
char cfilename[1024] = "";
int my_mouse_x = 0, my_mouse_y = 0, my_mouse_b = 0;
int mouse_on = 1;
int admin_mode = 0;
char wtext[256] = "", htext[256] = "";
volatile int char_close_requested = 0;
