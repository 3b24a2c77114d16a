// Start-up and shutdown: Allegro, the window, the resource files, the empty
// character, the timer.
#include <unistd.h>

#include <cstdio>
#include <strings.h>

#include <cstring>
#include <string>
#include <vector>

#include "gametime.h"
#include "menus.h"
#include "mygui.h"
#include "posview.h"
#include "sonex.h"
#include "spriteedit.h"

#ifndef CHARED_DATA_DIR
#define CHARED_DATA_DIR "/usr/local/share/chared"
#endif

int char_parse_admin(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i] && strcasecmp(argv[i], "-admin") == 0)
            return 1;
    return 0;
}

namespace {

std::string executable_dir()
{
    std::vector<char> buf(4096);
    const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0)
        return {};
    std::string path(buf.data(), static_cast<size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash);
}

// The resource files are looked for in the working directory first, then
// beside the executable, then where `cmake --install` puts them (relative to
// the installed executable, so an install prefix can move, then the prefix
// the build was configured for). Returns the prefix to put before a file
// name ("" for the working directory).
std::string find_resource_prefix(std::string &searched)
{
    const std::string exe = executable_dir();
    const std::vector<std::string> dirs = {"", exe, exe + "/../share/chared", CHARED_DATA_DIR};
    for (const auto &dir : dirs) {
        const std::string prefix = dir.empty() ? std::string{} : dir + "/";
        const std::string path = prefix + "chared.dat";
        searched += (searched.empty() ? "" : ", ") + (dir.empty() ? std::string(".") : dir);
        if (exists(path.c_str()))
            return prefix;
    }
    return {};
}

void report(const std::string &message)
{
    std::fprintf(stderr, "chared: %s\n", message.c_str());
}

bool load_resources()
{
    std::string searched;
    const std::string prefix = find_resource_prefix(searched);
    const std::string dat = prefix + "chared.dat";
    if (!exists(dat.c_str())) {
        report("cannot find the resource file chared.dat (looked in " + searched + ")");
        return false;
    }
    const std::string corner = dat + "#mouse_corner.pcx";
    mouse_corner = load_pcx(corner.c_str(), char_palette);
    if (!mouse_corner) {
        report("cannot load mouse_corner.pcx from " + dat);
        return false;
    }
    for (int i = 0; i < 9; ++i) {
        const std::string name = "tool" + std::to_string(i) + ".pcx";
        ani_tool_image[i] = load_pcx((dat + "#" + name).c_str(), nullptr);
        if (!ani_tool_image[i]) {
            report("cannot load " + name + " from " + dat);
            return false;
        }
    }
    ani_help_text = load_text((prefix + "chared.txt").c_str());
    return true;
}

void close_button_pressed()
{
    char_close_requested = 1;
}

} // namespace

int char_init()
{
    // Without a display (or any system driver) nothing else can work.
    if (allegro_init() != 0) {
        report(std::string("cannot open a 640x480 window: ") +
               (allegro_error[0] ? allegro_error : "no display"));
        return 0;
    }
    set_window_title("Sprite Editor");
    set_display_switch_mode(SWITCH_BACKGROUND);
    // The resources are checked before the window opens, so a broken
    // installation stops with a message and draws nothing.
    if (!load_resources())
        return 0;
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) != 0) {
        report(std::string("cannot open a 640x480 window: ") + allegro_error);
        return 0;
    }
    set_close_button_callback(close_button_pressed);
    mygui_init();
    install_keyboard();
    install_mouse();
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);

    sonex_internal_sample = create_sample(8, 0, 11025, 1);
    if (sonex_internal_sample)
        static_cast<unsigned char *>(sonex_internal_sample->data)[0] = 128;

    char_screen = create_bitmap(320, 240);
    char_scratch = create_bitmap(64, 64);
    if (!char_screen || !char_scratch) {
        report("out of memory");
        return 0;
    }
    clear_bitmap(char_scratch);
    set_palette(char_palette);
    gui_bg_color = 23;
    gui_mg_color = 12;
    gui_fg_color = 2;
    set_mouse_sprite(nullptr);
    my_sprite = zq_sprite_create();
    if (!my_sprite) {
        report("out of memory");
        return 0;
    }
    peg_init();
    set_menu_start();
    set_menu_frame();
    gametime_init(60);
    return 1;
}

void char_exit()
{
    if (sonex_internal_sample)
        destroy_sample(sonex_internal_sample);
    sonex_internal_sample = nullptr;
    if (char_screen)
        destroy_bitmap(char_screen);
    if (char_scratch)
        destroy_bitmap(char_scratch);
    if (mouse_corner)
        destroy_bitmap(mouse_corner);
    zq_sprite_destroy(my_sprite);
    my_sprite = nullptr;
    ap = nullptr;
    bp = nullptr;
    for (auto &image : ani_tool_image) {
        if (image)
            destroy_bitmap(image);
        image = nullptr;
    }
    free_text(ani_help_text);
    ani_help_text = nullptr;
    char_screen = char_scratch = mouse_corner = nullptr;
}
