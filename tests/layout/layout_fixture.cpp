#include "layout_fixture.h"

#include <cerrno>
#include <ostream>

#include "filecmds.h"

namespace {
void start_allegro()
{
    static const bool started = [] {
        install_allegro(SYSTEM_NONE, &errno, atexit);
        set_color_depth(8);
        // Far from everything the view asks for, except the entries that
        // makecol must find: black, white, green and the background blue.
        PALETTE pal;
        for (int i = 0; i < PAL_SIZE; ++i)
            pal[i] = RGB{40, 20, 50, 0};
        pal[0] = RGB{0, 0, 0, 0};
        pal[1] = RGB{63, 63, 63, 0};
        pal[2] = RGB{0, 63, 0, 0};
        pal[3] = RGB{0, 16, 32, 0};
        pal[9] = RGB{63, 0, 0, 0};
        pal[10] = RGB{20, 40, 10, 0};
        select_palette(pal);
        return true;
    }();
    (void)started;
}
} // namespace

bool operator==(const Box &a, const Box &b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

std::ostream &operator<<(std::ostream &os, const Box &b)
{
    return os << "(" << b.x << ", " << b.y << ", " << b.w << ", " << b.h << ")";
}

void LayoutTest::SetUp()
{
    start_allegro();
    screen_bitmap_.reset(create_bitmap_ex(8, 640, 480));
    corner_.reset(create_bitmap_ex(8, 16, 16));
    screen = screen_bitmap_.get();
    char_screen = create_bitmap_ex(8, 320, 240);
    mouse_corner = corner_.get();
    mouse_sprite = nullptr;
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
    my_sprite = zq_sprite_create();
    ASSERT_NE(my_sprite, nullptr);
    ASSERT_EQ(char_new_character(16, 16), 1);
    selected_state = 0;
    state = 1;
    need_to_save = 0;
    mouse_on = 1;
    char_frame = 0;
    peg_init();
}

void LayoutTest::TearDown()
{
    peg_init();
    zq_sprite_destroy(my_sprite);
    my_sprite = nullptr;
    ap = nullptr;
    bp = nullptr;
    destroy_bitmap(char_screen);
    char_screen = nullptr;
    screen = nullptr;
    mouse_corner = nullptr;
    mouse_sprite = nullptr;
}

void LayoutTest::set_box(int slot, Box b)
{
    for (int i = 0; i < 16; ++i) {
        if (slot >= 0 && i != slot)
            continue;
        my_sprite->cx[i] = b.x;
        my_sprite->cy[i] = b.y;
        my_sprite->cw[i] = b.w;
        my_sprite->ch[i] = b.h;
    }
}

Box LayoutTest::box(int slot) const
{
    return {my_sprite->cx[slot], my_sprite->cy[slot], my_sprite->cw[slot], my_sprite->ch[slot]};
}

void LayoutTest::step(int x, int y, int buttons)
{
    my_mouse_x = x;
    my_mouse_y = y;
    my_mouse_b = buttons;
    pos_control();
}
