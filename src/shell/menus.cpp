// Menu tables, enable rules, View commands and the keys of every view.
#include "menus.h"

#include "aniview.h"
#include "filecmds.h"
#include "posview.h"
#include "spriteedit.h"

namespace {
// Allegro's MENU and DIALOG keep texts in non-const char pointers.
char *txt(const char *s) { return const_cast<char *>(s); }
} // namespace

// The admin File menu has the same entries, but no enable rule touches it.
#define CHARED_FILE_MENU_ENTRIES                                  \
    {txt("New\tF4"), file_menu_new, nullptr, 0, nullptr},         \
    {txt("Open\tF3"), file_menu_load, nullptr, 0, nullptr},       \
    {txt("Save\tF2"), file_menu_save, nullptr, 0, nullptr},       \
    {txt(""), nullptr, nullptr, 0, nullptr},                      \
    {txt("Exit\tEsc"), file_menu_exit, nullptr, 0, nullptr},      \
    {nullptr, nullptr, nullptr, 0, nullptr}

MENU file_menu[] = {CHARED_FILE_MENU_ENTRIES};
MENU admin_file_menu[] = {CHARED_FILE_MENU_ENTRIES};

// Entries without a command (their commands are not part of the editor
// yet) start greyed out and are never enabled; see set_enabled.
MENU edit_menu[] = {
    {txt("Cut\tSh+Del"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Copy\tCtrl+C"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Paste\tCtrl+V"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt(""), nullptr, nullptr, 0, nullptr},
    {txt("Mirror\tH"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Flip\tV"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Turn\tR"), nullptr, nullptr, D_DISABLED, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU view_menu[] = {
    {txt("Animation"), view_menu_ani, nullptr, D_SELECTED, nullptr},
    {txt("Layout"), view_menu_pos, nullptr, 0, nullptr},
    {txt("Scratch"), view_menu_scratch, nullptr, 0, nullptr},
    {txt("Sounds"), view_menu_sounds, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU ani_create_menu[] = {
    {txt("Rotation"), nullptr, nullptr, D_DISABLED, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU ani_shift_menu[] = {
    {txt("Left\tShft+A"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Right\tShft+D"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Up\tShft+W"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Down\tShft+S"), nullptr, nullptr, D_DISABLED, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU speed_menu[] = {
    {txt("Decrease\t<"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Increase\t>"), nullptr, nullptr, D_DISABLED, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU frame_shift_menu[] = {
    {txt("Left\tA"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Right\tD"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Up\tW"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Down\tS"), nullptr, nullptr, D_DISABLED, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU frame_menu[] = {
    {txt("Load"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Save"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt(""), nullptr, nullptr, 0, nullptr},
    {txt("Insert"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Add"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Delete"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Clear"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt(""), nullptr, nullptr, 0, nullptr},
    {txt("Shift"), nullptr, frame_shift_menu, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU ani_sub_menu[] = {
    {txt("New"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Load"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Save"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt("Import"), nullptr, nullptr, D_DISABLED, nullptr},
    {txt(""), nullptr, nullptr, 0, nullptr},
    {txt("Frame"), nullptr, frame_menu, 0, nullptr},
    {txt("Speed"), nullptr, speed_menu, 0, nullptr},
    {txt(""), nullptr, nullptr, 0, nullptr},
    {txt("Create"), nullptr, ani_create_menu, 0, nullptr},
    {txt("Shift"), nullptr, ani_shift_menu, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU ani_menu[] = {
    {txt("File"), nullptr, file_menu, 0, nullptr},
    {txt("Edit"), nullptr, edit_menu, 0, nullptr},
    {txt("View"), nullptr, view_menu, 0, nullptr},
    {txt("ANI"), nullptr, ani_sub_menu, 0, nullptr},
    {txt("X"), menu_nop, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU pos_menu[] = {
    {txt("File"), nullptr, file_menu, 0, nullptr},
    {txt("View"), nullptr, view_menu, 0, nullptr},
    {txt("X"), menu_nop, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

DIALOG ani_dialog[] = {
    {d_menu_proc, 0, 0, 8, 8, 0, 0, 0, 0, 0, 0, ani_menu, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

DIALOG pos_dialog[] = {
    {d_menu_proc, 0, 0, 8, 8, 0, 0, 0, 0, 0, 0, pos_menu, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

DIALOG help_dialog[] = {
    {d_textbox_proc, 0, 0, 640, 480, 8, 31, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

namespace {

// An entry can only be enabled when there is something behind it.
void set_enabled(MENU &entry, bool on)
{
    if (on && (entry.proc || entry.child))
        entry.flags &= ~D_DISABLED;
    else
        entry.flags |= D_DISABLED;
}

void check_view(int view)
{
    for (int i = 0; i < 4; ++i)
        view_menu[i].flags = (i == view) ? D_SELECTED : 0;
}

// The Layout view shows the corner pointer over a handle; the Animation view
// draws the pointer unshifted, so the crosshair would point 8 pixels off.
void enter_animation()
{
    if (mouse_corner && mouse_sprite == mouse_corner)
        set_mouse_sprite(nullptr);
}

void enter_layout()
{
    if (selected_state > 15)
        selected_state = 0;
    peg_item();
}

// A File command run from a key, wrapped in the modal GUI pattern.
void run_file_command(int (*command)(), int opening_key)
{
    toggle_mouse();
    update();
    command();
    toggle_mouse();
    key[KEY_ENTER] = 0;
    key[opening_key] = 0;
}

} // namespace

void use_admin_file_menu()
{
    ani_menu[0].child = admin_file_menu;
    pos_menu[0].child = admin_file_menu;
}

void run_menu_bar(DIALOG *bar, int opening_key)
{
    toggle_mouse();
    update();
    my_popup_dialog(bar, 0);
    toggle_mouse();
    key[opening_key] = 0;
    key[KEY_ESC] = 0;
}

void global_control()
{
    user_control();
    if (key[KEY_F1]) {
        toggle_mouse();
        update();
        help_dialog[0].dp = ani_help_text;
        centre_dialog(help_dialog);
        my_popup_dialog(help_dialog, 0);
        toggle_mouse();
        key[KEY_F1] = 0;
        key[KEY_ESC] = 0;
    }
    if (key[KEY_F2])
        run_file_command(file_menu_save, KEY_F2);
    if (key[KEY_F3])
        run_file_command(file_menu_load, KEY_F3);
    if (key[KEY_F4])
        run_file_command(file_menu_new, KEY_F4);
    if (key[KEY_TAB] && char_is_open()) {
        state = state + 1 > 1 ? 0 : state + 1;
        check_view(state);
        if (state == 1)
            enter_layout();
        else
            enter_animation();
        key[KEY_TAB] = 0;
    }
    // The window's close button asks the same question as Esc.
    if (key[KEY_ESC] || char_close_requested) {
        char_close_requested = 0;
        toggle_mouse();
        update();
        file_menu_exit();
        toggle_mouse();
        key[KEY_ESC] = 0;
        key[KEY_ENTER] = 0;
        key[KEY_SPACE] = 0;
    }
}

int view_menu_ani()
{
    state = 0;
    check_view(0);
    enter_animation();
    return 1;
}

int view_menu_pos()
{
    state = 1;
    check_view(1);
    enter_layout();
    return 1;
}

int view_menu_scratch()
{
    state = 2;
    check_view(2);
    return 1;
}

int view_menu_sounds()
{
    state = 3;
    check_view(3);
    return 1;
}

int menu_nop()
{
    return 1;
}

void set_menu_start()
{
    set_enabled(file_menu[2], false);
    set_enabled(ani_menu[1], false);
    set_enabled(ani_menu[2], false);
    set_enabled(ani_menu[3], false);
}

void set_menu_loaded()
{
    set_enabled(file_menu[2], true);
    set_enabled(ani_menu[1], true);
    set_enabled(ani_menu[2], true);
    set_enabled(ani_menu[3], true);
    set_menu_edit();
}

void set_menu_edit()
{
    const bool selection = ani_sel_bp != nullptr;
    set_enabled(edit_menu[0], selection);
    set_enabled(edit_menu[1], selection);
    // Paste takes images from the system clipboard, which the editor does
    // not reach yet; the entry has no command and stays greyed.
    set_enabled(edit_menu[2], false);
    set_enabled(edit_menu[4], selection);
    set_enabled(edit_menu[5], selection);
    set_enabled(edit_menu[6], selection);
}

void set_menu_frame()
{
    if (ap)
        set_enabled(frame_menu[5], ap->f > 1);
}
