// The Layout view's picture, read back from char_screen and the screen.
#include <climits>
#include <vector>

#include "layout_fixture.h"

namespace {

constexpr int red = 9;    // the pointer images
constexpr int olive = 10; // the frame shown at char_frame 1

struct Pixel {
    int x, y;
    int colour;
    const char *what;
};

class ViewTest : public LayoutTest {
protected:
    void SetUp() override
    {
        LayoutTest::SetUp();
        bg = makecol(0, 64, 128);
        green = makecol(0, 255, 0);
        white = makecol(255, 255, 255);
        black = makecol(0, 0, 0);
        arrow_.reset(create_bitmap_ex(8, 8, 8));
        clear_to_color(arrow_.get(), red);
        clear_to_color(mouse_corner, red);
    }

    // Slot 0 plays two frames: frame 0 red, frame 1 olive with a transparent
    // top-left pixel. Its box is (2, 3, 10, 6), with the pegs bound to it.
    void two_frame_slot()
    {
        AniPtr ani(create_ani(16, 16));
        BitmapPtr frame(create_bitmap_ex(8, 16, 16));
        clear_to_color(frame.get(), red);
        ASSERT_EQ(animation_add_frame(ani.get(), frame.get()), 1);
        clear_to_color(frame.get(), olive);
        putpixel(frame.get(), 0, 0, 0);
        ASSERT_EQ(animation_add_frame(ani.get(), frame.get()), 1);
        destroy_ani(my_sprite->ani[0]);
        my_sprite->ani[0] = ani.release();
        set_box(0, {2, 3, 10, 6});
        peg_item();
    }

    void expect_pixels(const std::vector<Pixel> &pixels)
    {
        for (const Pixel &p : pixels) {
            EXPECT_EQ(getpixel(char_screen, p.x, p.y), p.colour) << p.what << " at " << p.x << "," << p.y;
            // Every view pixel is a 2 x 2 block on the screen.
            EXPECT_EQ(getpixel(screen, 2 * p.x + 1, 2 * p.y + 1), p.colour) << p.what << " on screen";
        }
    }

    bool any_white(int x1, int y1, int x2, int y2)
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (getpixel(char_screen, x, y) == white)
                    return true;
        return false;
    }

    int bg = 0, green = 0, white = 0, black = 0;
    BitmapPtr arrow_;
};

TEST_F(ViewTest, TheSelectedSlotPlaysWithItsBoxPegsAndACleanCopy)
{
    two_frame_slot();
    char_frame = 1;
    my_mouse_x = my_mouse_y = 200;
    pos_update();
    expect_pixels({
        {32, 32, bg, "transparent frame pixel"},
        {46, 46, olive, "frame at the step count"},
        {38, 35, green, "top edge of the box"},
        {43, 37, green, "right edge of the box"},
        {32, 33, black, "peg 0 border"},
        {34, 35, white, "peg 0 centre, on the top-left corner"},
        {45, 42, black, "peg 1 border"},
        {43, 40, white, "peg 1 centre, on the bottom-right corner"},
        {32, 120, bg, "copy: transparent pixel"},
        {34, 123, olive, "copy: no box or peg"},
        {47, 135, olive, "copy: last pixel"},
        {48, 136, bg, "below the copy"},
    });
}

TEST_F(ViewTest, ADraggedPegHidesThePegsAndThePointer)
{
    two_frame_slot();
    mouse_sprite = arrow_.get();
    my_mouse_x = 100;
    my_mouse_y = 100;
    pegged = 1;
    pos_update();
    expect_pixels({
        {34, 35, green, "box corner where peg 0 was"},
        {43, 40, green, "box corner where peg 1 was"},
        {100, 100, bg, "no pointer"},
    });
}

TEST_F(ViewTest, ThePointerIsDrawnWhereAndWhenItShould)
{
    struct Case {
        bool corner;
        int mouse_on;
        std::vector<Pixel> pixels;
    } cases[] = {
        {false, 1, {{100, 100, red, "arrow top-left"}, {99, 99, bg, "before"}, {108, 108, bg, "after"}}},
        {true, 1, {{92, 92, red, "corner top-left"}, {91, 91, bg, "before"}, {107, 107, red, "corner end"}, {108, 108, bg, "after"}}},
        {false, 0, {{100, 100, bg, "a dialog has the pointer"}}},
    };
    for (const Case &c : cases) {
        mouse_sprite = c.corner ? mouse_corner : arrow_.get();
        mouse_on = c.mouse_on;
        my_mouse_x = my_mouse_y = 100;
        pos_update();
        expect_pixels(c.pixels);
    }
}

TEST_F(ViewTest, AnEmptySlotShowsTheBackgroundAndTheSlotNumber)
{
    destroy_ani(my_sprite->ani[15]);
    my_sprite->ani[15] = nullptr;
    selected_state = 15;
    peg_item();
    my_mouse_x = my_mouse_y = 200;
    pos_update();
    expect_pixels({{34, 35, bg, "no peg"}, {40, 32, bg, "no box"}, {40, 125, bg, "no copy"}});
    EXPECT_TRUE(any_white(0, 0, 7, 7));
    EXPECT_TRUE(any_white(8, 0, 15, 7)) << "the second digit";
    EXPECT_FALSE(any_white(16, 0, 23, 7));
}

TEST_F(ViewTest, BoxesOfAnySizeFromAFileAreDrawnWithoutHarm)
{
    const Box boxes[] = {{0, 0, 0, 0}, {5, 5, -20, -30}, {INT_MAX, INT_MIN, INT_MAX, INT_MAX},
                         {INT_MIN, INT_MAX, INT_MIN, INT_MIN}, {-1000000000, 7, 2000000000, 3}};
    for (const Box &b : boxes) {
        set_box(0, b);
        peg_item();
        pos_update();
        EXPECT_EQ(getpixel(char_screen, 300, 230), bg) << b;
    }
}

} // namespace
