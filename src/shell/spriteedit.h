// The editor's shared state and the spine every view relies on: start-up,
// the fixed-rate main loop, pointer hand-over around modal GUI, help text.
#pragma once
#include <allegro.h>

#include "sprite.h"

// Shared editor state (one instance for the whole run).
extern int state;           // current view: 0 Animation, 1 Layout, 2 Scratch, 3 Sounds
extern int selected_state;  // selected slot, 0..15
extern ZQ_SPRITE *my_sprite;
extern ANIMATION *ap;       // animation of the selected slot
extern BITMAP *bp;          // frame being edited
extern int ani_frame;
extern int char_frame;      // logic steps since start
extern int char_done;
extern BITMAP *char_screen; // 320 x 240, every view draws here
extern BITMAP *char_scratch;
extern BITMAP *char_clipboard;
extern PALETTE char_palette;
extern BITMAP *mouse_corner;
extern BITMAP *ani_tool_image[9];
extern char *ani_help_text;
extern int need_to_save;
extern char filename[1024];
extern char cfilename[1024];
extern int my_mouse_x, my_mouse_y, my_mouse_b;
extern int mouse_on;
extern int admin_mode;
extern char wtext[256], htext[256];

// Set by the window manager's close button; acted on by the next logic step.
extern volatile int char_close_requested;

// A character is open once slot 0 holds an animation.
inline bool char_is_open() { return my_sprite && my_sprite->ani[0]; }

// 1 when some argument is "-admin" in any mix of case.
int char_parse_admin(int argc, char **argv);

// Start-up: 1 on success; 0 after reporting on stderr what is missing.
int char_init();
void char_main();
void char_exit();
void control();
void update();
void read_mouse();
void user_control();
void toggle_mouse();
int my_popup_dialog(DIALOG *dialog, int focus_obj);

char *load_text(const char *path);
void free_text(char *text);
