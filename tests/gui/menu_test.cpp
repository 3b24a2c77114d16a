#include "gui_fixture.h"
#include "mygui.h"

namespace {

using MenuTest = GuiTest;

MENU entry(const char *text, int flags, MENU *child = nullptr)
{
   return MENU{const_cast<char *>(text), nullptr, child, flags, nullptr};
}

// Draws what an entry should look like from Allegro's text routines alone.
BitmapPtr expected_entry(const char *label, const char *shortcut, int w, int fg, int bg)
{
   const int th = text_height(font);
   BitmapPtr b = make_bitmap(w, th + 4, bg);
   gui_textout_ex(b.get(), label, 8, 1, fg, bg, 0);
   if (shortcut)
      gui_textout_ex(b.get(), shortcut, w - gui_strlen(shortcut) - 10, 1, fg, bg, 0);
   return b;
}

TEST_F(MenuTest, MenuPanelHasOneBevelAndSparesItsLastColumn)
{
   mygui_draw_menu(10, 20, 50, 30);
   EXPECT_EQ(getpixel(canvas.get(), 10, 20), BG + 7);
   EXPECT_EQ(getpixel(canvas.get(), 10, 48), BG + 7);
   EXPECT_EQ(getpixel(canvas.get(), 58, 49), BG - 7);
   EXPECT_EQ(getpixel(canvas.get(), 58, 20), BG);
   EXPECT_EQ(getpixel(canvas.get(), 11, 21), BG);
   EXPECT_EQ(getpixel(canvas.get(), 59, 20), BACKDROP);
   EXPECT_EQ(getpixel(canvas.get(), 59, 49), BACKDROP);
   EXPECT_EQ(getpixel(canvas.get(), 10, 50), BACKDROP);
}

struct ItemCase {
   const char *name;
   const char *text;
   const char *label;
   const char *shortcut;
   int flags;
   int sel;
   int fg, bg;
};

class MenuItemTest : public GuiTest, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(MenuItemTest, DrawsLabelAndRightAlignedShortcut)
{
   const ItemCase &c = GetParam();
   MENU m = entry(c.text, c.flags);
   mygui_draw_menu_item(&m, 20, 30, 100, 12, 0, c.sel);
   const BitmapPtr want = expected_entry(c.label, c.shortcut, 100, c.fg, c.bg);
   EXPECT_TRUE(same_area(canvas.get(), 20, 30, want.get(), 0, 0, 100, text_height(font) + 4));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuItemTest,
    ::testing::Values(ItemCase{"normal", "Cut\tSh+Del", "Cut", "Sh+Del", 0, 0, FG, BG},
                      ItemCase{"single_letter_shortcut", "Mirror\tH", "Mirror", "H", 0, 0, FG, BG},
                      ItemCase{"no_shortcut", "Exit", "Exit", nullptr, 0, 0, FG, BG},
                      ItemCase{"disabled", "New\tF4", "New", "F4", D_DISABLED, 0, MG, BG},
                      ItemCase{"highlighted", "New\tF4", "New", "F4", 0, 1, WHITE, BLUE},
                      ItemCase{"highlighted_disabled", "New\tF4", "New", "F4", D_DISABLED, 1, MG,
                               BLUE}),
    CaseName());

TEST_F(MenuTest, EmptyTextIsASeparatorReachingOnePixelPastTheFill)
{
   const int th = text_height(font);
   for (int sel : {0, 1}) {
      MENU m = entry("", 0);
      mygui_draw_menu_item(&m, 20, 30, 100, 12, 0, sel);
      const int row = 30 + th / 2 + 2;
      const int fg = sel ? WHITE : FG, bg = sel ? BLUE : BG;
      EXPECT_EQ(getpixel(canvas.get(), 20, row), fg);
      EXPECT_EQ(getpixel(canvas.get(), 120, row), fg);
      EXPECT_EQ(getpixel(canvas.get(), 121, row), BACKDROP);
      EXPECT_EQ(getpixel(canvas.get(), 120, row - 1), BACKDROP);
      EXPECT_EQ(getpixel(canvas.get(), 60, row - 1), bg);
      EXPECT_EQ(getpixel(canvas.get(), 119, 30 + th + 3), bg);
      EXPECT_EQ(getpixel(canvas.get(), 119, 30 + th + 4), BACKDROP);
   }
}

TEST_F(MenuTest, SubMenuArrowOnlyInPopUps)
{
   const int th = text_height(font);
   const int my = 30 + th / 2;
   MENU child[] = {entry("Inner", 0), MENU{}};
   for (int bar : {0, 1}) {
      MENU m = entry("Edit", 0, child);
      mygui_draw_menu_item(&m, 20, 30, 100, 12, bar, 0);
      const int ink = bar ? BG : FG;
      // Tip, the one-pixel ends, and the gap right of them.
      EXPECT_EQ(getpixel(canvas.get(), 116, my + 1), ink) << "bar " << bar;
      EXPECT_EQ(getpixel(canvas.get(), 112, my - 3), ink) << "bar " << bar;
      EXPECT_EQ(getpixel(canvas.get(), 112, my + 5), ink) << "bar " << bar;
      EXPECT_EQ(getpixel(canvas.get(), 113, my - 3), BG) << "bar " << bar;
      EXPECT_EQ(getpixel(canvas.get(), 117, my + 1), BG) << "bar " << bar;
      EXPECT_EQ(getpixel(canvas.get(), 111, my), BG) << "bar " << bar;
   }
}

TEST_F(MenuTest, SelectedEntryGetsACheckMarkLeftOfItsLabel)
{
   const int th = text_height(font);
   for (const char *text : {"Animation", ""}) {
      clear_to_color(canvas.get(), BACKDROP);
      MENU m = entry(text, D_SELECTED);
      mygui_draw_menu_item(&m, 20, 30, 100, 12, 0, 0);
      EXPECT_EQ(getpixel(canvas.get(), 21, 30 + th / 2 + 1), FG) << text;
      EXPECT_EQ(getpixel(canvas.get(), 23, 30 + th + 1), FG) << text;
      EXPECT_EQ(getpixel(canvas.get(), 26, 32), FG) << text;
      EXPECT_EQ(getpixel(canvas.get(), 20, 31), BG) << text;
   }
}

TEST_F(MenuTest, InitInstallsTheWidgetsAndKeepsTheListDefaults)
{
   DIALOG_PROC list = gui_list_proc, text_list = gui_text_list_proc;
   mygui_init();
   EXPECT_EQ(gui_shadow_box_proc, bevgui_shadow_box_proc);
   EXPECT_EQ(gui_button_proc, bevgui_button_proc);
   EXPECT_EQ(gui_edit_proc, bevgui_edit_proc);
   EXPECT_EQ(gui_menu_draw_menu, mygui_draw_menu);
   EXPECT_EQ(gui_menu_draw_menu_item, mygui_draw_menu_item);
   EXPECT_EQ(gui_list_proc, list);
   EXPECT_EQ(gui_text_list_proc, text_list);
}

}  // namespace
