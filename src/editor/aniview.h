// The Animation view: its own state, its drawing and its control.
#pragma once
#include <allegro.h>

extern int ani_scale;
extern int ani_color;
extern int ani_tool;
extern int tool_map[16];
extern BITMAP *ani_sel_bp;
extern int ani_sel_x, ani_sel_y, ani_sel_x2, ani_sel_y2;
extern int ani_sel_v;
extern int ani_sel_float;
extern BITMAP *ani_sel_fbp;
extern BITMAP *ani_sel_cbp;

void ani_update();
void ani_control();

// Drops the selection: its pixels stay where they are on the frame.
void ani_drop_selection();
// Drops the selection and frees every image of the selection state.
void clear_clipboard();
