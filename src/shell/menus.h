// The two menu bars, their enable rules, the View commands and the keys
// that work in every view.
#pragma once
#include <allegro.h>

extern MENU ani_menu[];
extern MENU pos_menu[];
extern MENU file_menu[];
extern MENU admin_file_menu[];
extern MENU edit_menu[];
extern MENU view_menu[];
extern MENU ani_sub_menu[];
extern MENU ani_create_menu[];
extern MENU ani_shift_menu[];
extern MENU speed_menu[];
extern MENU frame_menu[];
extern MENU frame_shift_menu[];

extern DIALOG ani_dialog[];
extern DIALOG pos_dialog[];
extern DIALOG help_dialog[];

void global_control();

int view_menu_ani();
int view_menu_pos();
int view_menu_scratch();
int view_menu_sounds();
int menu_nop();

void set_menu_start();
void set_menu_loaded();
void set_menu_edit();
void set_menu_frame();

// Makes both menu bars open the admin File menu, whose Save is never greyed.
void use_admin_file_menu();

// Runs a menu bar the modal way: pointer to the GUI, redraw, run, pointer
// back, and the opening key and Esc consumed.
void run_menu_bar(DIALOG *bar, int opening_key);
