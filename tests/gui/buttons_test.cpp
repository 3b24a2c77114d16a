#include "gui_fixture.h"
#include "mygui.h"

namespace {

// The "OK" button of the New Character dialog.
DIALOG ok_button(int flags)
{
   return DIALOG{bevgui_button_proc, 92, 116, 64, 16, FG, BG, 0, flags, 0, 0,
                 const_cast<char *>("OK"), nullptr, nullptr};
}

struct Point {
   int x, y, color;
};

void expect_pixels(BITMAP *bmp, const std::vector<Point> &points)
{
   for (const Point &p : points)
      EXPECT_EQ(getpixel(bmp, p.x, p.y), p.color) << "at (" << p.x << ", " << p.y << ")";
}

// Bounding box of the pixels of one colour inside an area.
struct Box {
   int x1 = 1 << 20, y1 = 1 << 20, x2 = -1, y2 = -1;
};
Box extent_of(BITMAP *bmp, int color, int x, int y, int w, int h)
{
   Box b;
   for (int j = y; j < y + h; j++)
      for (int i = x; i < x + w; i++)
         if (getpixel(bmp, i, j) == color) {
            b.x1 = std::min(b.x1, i), b.y1 = std::min(b.y1, j);
            b.x2 = std::max(b.x2, i), b.y2 = std::max(b.y2, j);
         }
   return b;
}

using ButtonTest = GuiTest;

TEST_F(ButtonTest, ReleasedButtonHasOutlineAndTwoRings)
{
   DIALOG d = ok_button(D_EXIT);
   EXPECT_EQ(bevgui_button_proc(MSG_DRAW, &d, 0), D_O_K);
   expect_pixels(canvas.get(), {
       {92, 116, FG}, {155, 116, FG}, {92, 131, FG}, {155, 131, FG},  // outline
       {91, 115, BACKDROP}, {156, 132, BACKDROP},                    // nothing outside
       {93, 117, 30}, {153, 117, 30}, {93, 129, 30},                 // ring 0, lit
       {154, 118, 16}, {154, 130, 16}, {94, 130, 16},                // ring 0, shadow
       {154, 117, BG}, {93, 130, BG},                                // ring 0 corners
       {94, 118, 30}, {152, 118, 30}, {153, 119, 16}, {95, 129, 16}, // ring 1
       {153, 118, BG}, {94, 129, BG},                                // ring 1 corners
       {95, 119, BG}, {152, 128, BG}});                              // face
}

TEST_F(ButtonTest, PressedButtonIsFlatWithItsLabelMovedDownRight)
{
   DIALOG d = ok_button(D_EXIT);
   bevgui_button_proc(MSG_DRAW, &d, 0);
   const Box released = extent_of(canvas.get(), FG, 95, 119, 58, 10);

   d.flags |= D_SELECTED;
   bevgui_button_proc(MSG_DRAW, &d, 0);
   expect_pixels(canvas.get(), {{92, 116, FG}, {155, 131, FG}, {93, 117, BG}, {154, 130, BG},
                                {94, 118, BG}, {153, 129, BG}});
   const Box pressed = extent_of(canvas.get(), FG, 93, 117, 62, 14);
   ASSERT_GE(released.x2, released.x1);
   EXPECT_EQ(pressed.x1, released.x1 + 1);
   EXPECT_EQ(pressed.y1, released.y1 + 1);
   EXPECT_EQ(pressed.x2, released.x2 + 1);
   EXPECT_EQ(pressed.y2, released.y2 + 1);
}

TEST_F(ButtonTest, LabelIsCentred)
{
   DIALOG d = ok_button(D_EXIT);
   bevgui_button_proc(MSG_DRAW, &d, 0);
   const int th = text_height(font);
   const Box label = extent_of(canvas.get(), FG, 95, 119, 58, 10);
   const int left = 92 + 32 - text_length(font, "OK") / 2;
   EXPECT_GE(label.x1, left);
   EXPECT_LT(label.x2, left + text_length(font, "OK"));
   EXPECT_GE(label.y1, 116 + 8 - th / 2);
   EXPECT_LT(label.y2, 116 + 8 - th / 2 + th);
}

TEST_F(ButtonTest, FocusedFaceIsOneIndexUp)
{
   DIALOG d = ok_button(D_EXIT | D_GOTFOCUS);
   bevgui_button_proc(MSG_DRAW, &d, 0);
   expect_pixels(canvas.get(), {{95, 119, BG + 1}, {93, 117, BG + 8}, {154, 130, BG - 6},
                                {154, 117, BG + 1}, {92, 116, FG}});
}

TEST_F(ButtonTest, ShadowBoxDrawsAFramedPanelAndIgnoresInput)
{
   DIALOG d{bevgui_shadow_box_proc, 80, 60, 160, 80, FG, BG, 0, 0, 0, 0,
            nullptr, nullptr, nullptr};
   EXPECT_EQ(bevgui_shadow_box_proc(MSG_DRAW, &d, 0), D_O_K);
   expect_pixels(canvas.get(), {{80, 60, FG}, {239, 139, FG}, {81, 61, 30}, {82, 62, 30},
                                {238, 138, 16}, {237, 137, 16}, {238, 61, BG}, {83, 63, BG}});
   for (int msg : {MSG_CLICK, MSG_KEY, MSG_WANTFOCUS, MSG_CHAR})
      EXPECT_EQ(bevgui_shadow_box_proc(msg, &d, 0), D_O_K) << "message " << msg;
}

struct ClickCase {
   const char *name;
   int flags;
   std::vector<MouseSample> mouse;
   int result;
   bool selected_after;
};

class ButtonClickTest : public GuiTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ButtonClickTest, TracksTheMouseUntilRelease)
{
   const ClickCase &c = GetParam();
   DIALOG d = ok_button(c.flags);
   script_mouse(c.mouse);
   EXPECT_EQ(bevgui_button_proc(MSG_CLICK, &d, 0), c.result);
   EXPECT_EQ((d.flags & D_SELECTED) != 0, c.selected_after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonClickTest,
    ::testing::Values(
        ClickCase{"exit_released_over_it", D_EXIT, {{100, 120, 1}, {101, 121, 1}}, D_CLOSE, false},
        ClickCase{"exit_moved_off", D_EXIT, {{100, 120, 1}, {156, 120, 1}}, D_O_K, false},
        ClickCase{"exit_moved_off_and_back", D_EXIT, {{100, 120, 1}, {91, 120, 1}, {92, 116, 1}},
                  D_CLOSE, false},
        ClickCase{"toggle_on", 0, {{100, 120, 1}}, D_O_K, true},
        ClickCase{"toggle_off", D_SELECTED, {{100, 120, 1}}, D_O_K, false},
        ClickCase{"toggle_off_then_moved_away", D_SELECTED, {{100, 120, 1}, {100, 132, 1}}, D_O_K,
                  true}),
    CaseName());

TEST_F(ButtonTest, ReleasedAfterMovingOffIsDrawnReleased)
{
   DIALOG d = ok_button(D_EXIT);
   script_mouse({{100, 120, 1}, {200, 120, 1}});
   bevgui_button_proc(MSG_CLICK, &d, 0);
   EXPECT_EQ(getpixel(canvas.get(), 93, 117), 30);
}

TEST_F(ButtonTest, ShortcutKeyClosesAnExitButtonWithoutDrawing)
{
   DIALOG d = ok_button(D_EXIT);
   EXPECT_EQ(bevgui_button_proc(MSG_KEY, &d, 0), D_CLOSE);
   EXPECT_EQ(d.flags, D_EXIT);
   EXPECT_EQ(getpixel(canvas.get(), 92, 116), BACKDROP);
}

TEST_F(ButtonTest, ShortcutKeyTogglesAToggleButtonAndRedraws)
{
   DIALOG d = ok_button(0);
   EXPECT_EQ(bevgui_button_proc(MSG_KEY, &d, 0), D_O_K);
   EXPECT_TRUE(d.flags & D_SELECTED);
   EXPECT_EQ(getpixel(canvas.get(), 93, 117), BG);
   EXPECT_EQ(bevgui_button_proc(MSG_WANTFOCUS, &d, 0), D_WANTFOCUS);
}

int pbutton_calls = 0;
int count_call()
{
   return ++pbutton_calls;
}

TEST_F(ButtonTest, PushButtonCallsItsFunctionAndNeverCloses)
{
   DIALOG d = ok_button(D_EXIT);
   d.proc = bevgui_pbutton_proc;
   d.dp2 = reinterpret_cast<void *>(count_call);
   pbutton_calls = 0;
   script_mouse({{100, 120, 1}});
   EXPECT_EQ(bevgui_pbutton_proc(MSG_CLICK, &d, 0), D_O_K);
   EXPECT_EQ(pbutton_calls, 1);
   EXPECT_EQ(d.flags, D_EXIT);
   EXPECT_EQ(bevgui_pbutton_proc(MSG_KEY, &d, 0), D_O_K);

   d.dp2 = nullptr;
   EXPECT_EQ(bevgui_pbutton_proc(MSG_CLICK, &d, 0), D_O_K);
   EXPECT_EQ(bevgui_pbutton_proc(MSG_DRAW, &d, 0), D_O_K);
   EXPECT_EQ(getpixel(canvas.get(), 93, 117), 30);
}

DIALOG check_box(int d1, const char *label, int flags)
{
   return DIALOG{bevgui_check_proc, 40, 50, 80, 12, FG, BG, 0, flags, d1, 0,
                 const_cast<char *>(label), nullptr, nullptr};
}

TEST_F(ButtonTest, CheckBoxWithEmptyLabelFirstPutsTheBoxHalfATextHeightIn)
{
   DIALOG d = check_box(0, "", 0);
   EXPECT_EQ(bevgui_check_proc(MSG_DRAW, &d, 0), D_O_K);
   const int bx = 40 + text_height(font) / 2;
   expect_pixels(canvas.get(), {
       {bx, 50, FG}, {bx + 11, 61, FG},                  // outline square
       {bx + 1, 51, WHITE}, {bx + 10, 60, WHITE},        // inside
       {bx - 1, 49, 16}, {bx - 1, 61, 16},               // shadowed ring
       {bx + 12, 62, 30}, {bx, 62, 30},                  // lit ring
       {bx + 12, 49, BACKDROP}, {bx - 1, 62, BACKDROP},  // ring corners
       {bx + 5, 55, WHITE}, {bx - 2, 55, BACKDROP}});
}

TEST_F(ButtonTest, CheckBoxCrossUsesTheTextColourButTheFrameStays)
{
   DIALOG d = check_box(1, "", D_SELECTED | D_DISABLED);
   bevgui_check_proc(MSG_DRAW, &d, 0);
   expect_pixels(canvas.get(), {{40, 50, MG}, {51, 61, MG}, {40, 61, MG}, {51, 50, MG},
                                {45, 55, MG}, {46, 56, MG}, {45, 50, FG}, {40, 55, FG},
                                {42, 55, WHITE}});
}

TEST_F(ButtonTest, CheckBoxLabelSideFollowsD1)
{
   for (int d1 : {0, 1}) {
      clear_to_color(canvas.get(), BACKDROP);
      DIALOG d = check_box(d1, "Grid", 0);
      bevgui_check_proc(MSG_DRAW, &d, 0);
      const int label_w = text_length(font, "Grid");
      const int th = text_height(font);
      const int bx = d1 ? 40 : 40 + label_w + th / 2;
      const int label_x = d1 ? 40 + 12 + th / 2 - 1 : 40;
      EXPECT_EQ(getpixel(canvas.get(), bx, 50), FG) << "d1 " << d1;
      const Box text = extent_of(canvas.get(), FG, label_x, 50, label_w, 12);
      EXPECT_GE(text.x1, label_x) << "d1 " << d1;
      EXPECT_LT(text.x2, label_x + label_w) << "d1 " << d1;
   }
}

TEST_F(ButtonTest, CheckBoxClickTogglesAndRedrawsTheCross)
{
   DIALOG d = check_box(1, "", 0);
   script_mouse({{45, 55, 1}});
   EXPECT_EQ(bevgui_check_proc(MSG_CLICK, &d, 0), D_O_K);
   EXPECT_TRUE(d.flags & D_SELECTED);
   EXPECT_EQ(getpixel(canvas.get(), 45, 55), FG);
}

}  // namespace
