// The File commands: New, Open, Save and Exit of the one open character.
#pragma once
#include <allegro.h>

extern DIALOG new_dialog[];

int file_menu_new();
int file_menu_load();
int file_menu_save();
int file_menu_exit();

// Fills every slot of the open character with one cleared w x h frame whose
// box covers the whole frame. Returns 0, changing nothing, when memory runs
// out.
int char_new_character(int w, int h);
