// File > New, Open, Save and Exit.
#include "filecmds.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "aniview.h"
#include "gametime.h"
#include "menus.h"
#include "mygui.h"
#include "posview.h"
#include "spriteedit.h"

namespace {
char *txt(const char *s) { return const_cast<char *>(s); }

constexpr int new_ok = 6;

int yes_no(const char *question)
{
    return alert(nullptr, question, nullptr, "Yes", "No", 0, 0);
}

// Long paths are cut from the front so the file name itself stays visible
// in an alert line.
std::string short_path(const std::string &path)
{
    constexpr size_t room = 36;
    return path.size() <= room ? path : "..." + path.substr(path.size() - room + 3);
}

void tell(const std::string &line1, const std::string &line2, const std::string &line3)
{
    alert(line1.c_str(), line2.empty() ? nullptr : line2.c_str(),
          line3.empty() ? nullptr : line3.c_str(), "OK", nullptr, 0, 0);
}

// A whole number from 1 to ANI_MAX_SIDE, nothing else (no sign, no
// trailing characters, not empty).
bool parse_side(const char *text, int &value)
{
    if (!text[0])
        return false;
    int v = 0;
    for (const char *p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        v = v * 10 + (*p - '0');
        if (v > ANI_MAX_SIDE)
            return false;
    }
    value = v;
    return v >= 1;
}

// The views and the selection may point into the animations of the record
// that is about to go; nothing must be left pointing there.
void forget_current_animations()
{
    ap = nullptr;
    bp = nullptr;
    ani_drop_selection();
}

} // namespace

DIALOG new_dialog[] = {
    {bevgui_shadow_box_proc, 80, 60, 160, 80, 2, 23, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {d_ctext_proc, 108, 68, 104, 8, 2, 23, 0, 0, 0, 0, txt("New Character"), nullptr, nullptr},
    {d_text_proc, 88, 84, 64, 8, 2, 23, 0, 0, 0, 0, txt("Width :"), nullptr, nullptr},
    {d_text_proc, 88, 100, 64, 8, 2, 23, 0, 0, 0, 0, txt("Height:"), nullptr, nullptr},
    {bevgui_edit_proc, 150, 84, 32, 8, 2, 23, 0, 0, 3, 0, wtext, nullptr, nullptr},
    {bevgui_edit_proc, 150, 100, 32, 8, 2, 23, 0, 0, 3, 0, htext, nullptr, nullptr},
    {bevgui_button_proc, 92, 116, 64, 16, 2, 23, 0, D_EXIT, 0, 0, txt("OK"), nullptr, nullptr},
    {bevgui_button_proc, 164, 116, 64, 16, 2, 23, 0, D_EXIT, 0, 0, txt("Cancel"), nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

int char_new_character(int w, int h)
{
    if (w < 1 || h < 1 || w > ANI_MAX_SIDE || h > ANI_MAX_SIDE)
        return 0;
    BitmapPtr blank(create_bitmap(w, h));
    if (!blank)
        return 0;
    clear_to_color(blank.get(), 0);
    // Everything is built first, so running out of memory half way leaves
    // the open character as it was.
    AniPtr slots[16];
    for (auto &slot : slots) {
        slot.reset(create_ani(w, h));
        if (!slot || !animation_add_frame(slot.get(), blank.get()))
            return 0;
    }
    forget_current_animations();
    for (int i = 0; i < 16; ++i) {
        destroy_ani(my_sprite->ani[i]);
        my_sprite->ani[i] = slots[i].release();
        my_sprite->cx[i] = 0;
        my_sprite->cy[i] = 0;
        my_sprite->cw[i] = w;
        my_sprite->ch[i] = h;
    }
    return 1;
}

int file_menu_new()
{
    if (need_to_save && yes_no("Forget changes?") != 1) {
        gametime_reset();
        return 1;
    }
    std::strcpy(wtext, "16");
    std::strcpy(htext, "16");
    centre_dialog(new_dialog);
    // The dialog comes back, with what was typed, until the values are
    // usable or the user cancels.
    while (my_popup_dialog(new_dialog, 0) == new_ok) {
        int w = 0, h = 0;
        if (!parse_side(wtext, w) || !parse_side(htext, h)) {
            tell("Width and height must be whole numbers",
                 "from 1 to " + std::to_string(ANI_MAX_SIDE) + ".", "");
            continue;
        }
        if (!char_new_character(w, h)) {
            tell("Not enough memory for a character", "of that size.", "");
            continue;
        }
        need_to_save = 0;
        set_menu_loaded();
        clear_clipboard();
        // The Layout view's handles mirror the box they edit; the boxes
        // have just changed under them.
        peg_item();
        break;
    }
    gametime_reset();
    return 1;
}

int file_menu_load()
{
    if (file_select_ex("Load Sprite:", filename, "spr", 1023, 320, 240)) {
        LoadStatus status;
        SpritePtr loaded(zq_sprite_load(filename, &status));
        if (!loaded) {
            std::string reason = load_error_text(status.error);
            if (status.error == LoadError::cannot_open)
                reason += std::string(": ") + std::strerror(errno);
            else if (status.slot >= 0)
                reason += " (slot " + std::to_string(status.slot) + ")";
            tell("Could not open", short_path(filename), "Not opened: " + reason + ".");
        } else {
            forget_current_animations();
            zq_sprite_destroy(my_sprite);
            my_sprite = loaded.release();
            need_to_save = 0;
            std::strcpy(cfilename, filename);
            set_menu_loaded();
            peg_item();
        }
    }
    key[KEY_ENTER] = 0;
    gametime_reset();
    return 1;
}

int file_menu_save()
{
    if (!char_is_open()) {
        gametime_reset();
        return 1;
    }
    if (file_select_ex("Save Sprite:", filename, "spr", 1023, 320, 240)) {
        replace_extension(filename, filename, "spr", 1023);
        errno = 0;
        if (zq_sprite_save(my_sprite, filename)) {
            need_to_save = 0;
            std::strcpy(cfilename, filename);
        } else {
            const std::string why = errno ? std::string(": ") + std::strerror(errno) : "";
            tell("Could not save", short_path(filename), "The character was not saved" + why + ".");
        }
    }
    key[KEY_ENTER] = 0;
    gametime_reset();
    return 1;
}

int file_menu_exit()
{
    const char *question = need_to_save ? "Quit without saving?" : "Sure you wanna quit?";
    if (yes_no(question) == 1)
        char_done = 1;
    gametime_reset();
    return 1;
}
