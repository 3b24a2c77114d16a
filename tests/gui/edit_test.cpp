#include <cstring>

#include "gui_fixture.h"
#include "mygui.h"

namespace {

class EditTest : public GuiTest {
protected:
   void SetUp() override
   {
      GuiTest::SetUp();
      // The window cases below count in 8-pixel glyphs.
      ASSERT_EQ(text_length(font, "0"), 8);
      ASSERT_EQ(text_length(font, " "), 8);
      field = make_field(text, 3);
   }

   // A 32 x 8 field like the width and height boxes of the editor's dialogs.
   DIALOG make_field(char *buffer, int max_chars)
   {
      return DIALOG{bevgui_edit_proc, 150, 84, 32, 8, FG, BG, 0, 0, max_chars, 0,
                    buffer, nullptr, nullptr};
   }

   void set_text(const char *s, int cursor)
   {
      std::strcpy(text, s);
      field.d2 = cursor;
   }

   // For the cases that need more room than the dialogs' three characters.
   void set_long_text(const char *s, int cursor)
   {
      field.d1 = 20;
      set_text(s, cursor);
   }

   int key(int scancode) { return bevgui_edit_proc(MSG_CHAR, &field, scancode << 8); }
   int type(DIALOG &d, int ch) { return bevgui_edit_proc(MSG_UCHAR, &d, ch); }
   int type(int ch) { return type(field, ch); }

   // Whether the field drew itself since the canvas was last cleared.
   bool redrawn() { return getpixel(canvas.get(), 150, 84) != BACKDROP; }

   char text[256] = "";
   DIALOG field{};
};

// A table-driven edit field test over cases of type Case.
template <class Case>
class EditCaseTest : public EditTest, public ::testing::WithParamInterface<Case> {};

TEST_F(EditTest, StartPutsTheCursorAtTheEnd)
{
   set_text("16", 0);
   EXPECT_EQ(bevgui_edit_proc(MSG_START, &field, 0), D_O_K);
   EXPECT_EQ(field.d2, 2);
}

TEST_F(EditTest, TypingInsertsAtTheCursorUpToTheLimit)
{
   set_text("1", 0);
   EXPECT_EQ(type('2'), D_USED_CHAR);
   EXPECT_STREQ(text, "21");
   EXPECT_EQ(field.d2, 1);
   EXPECT_TRUE(redrawn());
   EXPECT_EQ(type('3'), D_USED_CHAR);
   EXPECT_STREQ(text, "231");

   // A full field swallows the character without showing anything.
   clear_to_color(canvas.get(), BACKDROP);
   EXPECT_EQ(type('4'), D_USED_CHAR);
   EXPECT_STREQ(text, "231");
   EXPECT_EQ(field.d2, 2);
   EXPECT_FALSE(redrawn());
}

TEST_F(EditTest, ControlCharactersAreNotInsertedNorUsed)
{
   set_text("", 0);
   for (int ch : {0, 8, 9, 13, 27, 31})
      EXPECT_EQ(type(ch), D_O_K) << "character " << ch;
   EXPECT_STREQ(text, "");
   EXPECT_EQ(type(' '), D_USED_CHAR);
}

TEST_F(EditTest, CharactersTheEncodingCannotHoldAreRefused)
{
   set_uformat(U_ASCII);
   set_text("", 0);
   const int result = type(0x263A);
   set_uformat(U_UTF8);
   EXPECT_EQ(result, D_O_K);
   EXPECT_STREQ(text, "");
}

TEST_F(EditTest, TheCharacterOfATabIsDroppedEvenInTheNextField)
{
   set_text("", 0);
   char other_text[8] = "";
   DIALOG other = make_field(other_text, 3);

   EXPECT_EQ(key(KEY_TAB), D_O_K);
   EXPECT_EQ(type('a'), D_O_K);
   EXPECT_EQ(type(other, 'b'), D_O_K);
   EXPECT_STREQ(text, "");
   EXPECT_STREQ(other_text, "");

   // Any other key ends the rule.
   EXPECT_EQ(key(KEY_A), D_O_K);
   EXPECT_EQ(type('a'), D_USED_CHAR);
   EXPECT_STREQ(text, "a");
}

TEST_F(EditTest, KeysThatReachTheFieldEndTheTabRule)
{
   for (int scancode : {KEY_LEFT, KEY_RIGHT, KEY_HOME, KEY_END, KEY_DEL, KEY_BACKSPACE,
                        KEY_ENTER, KEY_F5}) {
      set_text("", 0);
      key(KEY_TAB);
      key(scancode);
      EXPECT_EQ(type('x'), D_USED_CHAR) << "scancode " << scancode;
   }
}

struct KeyCase {
   const char *name;
   const char *before;
   int cursor;
   int scancode;
   bool ctrl;
   const char *after;
   int cursor_after;
   int result;
};

using EditKeyTest = EditCaseTest<KeyCase>;

TEST_P(EditKeyTest, MovesAndDeletes)
{
   const KeyCase &c = GetParam();
   set_long_text(c.before, c.cursor);
   key_shifts = c.ctrl ? KB_CTRL_FLAG : 0;
   const int result = key(c.scancode);
   key_shifts = 0;
   EXPECT_EQ(result, c.result);
   EXPECT_STREQ(text, c.after);
   EXPECT_EQ(field.d2, c.cursor_after);
   EXPECT_EQ(redrawn(), c.result == D_USED_CHAR);
}

// "ab cd  ef": words start at 0, 3 and 7.
INSTANTIATE_TEST_SUITE_P(
    Cases, EditKeyTest,
    ::testing::Values(
        KeyCase{"left", "ab cd  ef", 4, KEY_LEFT, false, "ab cd  ef", 3, D_USED_CHAR},
        KeyCase{"left_at_start", "ab cd  ef", 0, KEY_LEFT, false, "ab cd  ef", 0, D_USED_CHAR},
        KeyCase{"right", "ab cd  ef", 4, KEY_RIGHT, false, "ab cd  ef", 5, D_USED_CHAR},
        KeyCase{"right_at_end", "ab cd  ef", 9, KEY_RIGHT, false, "ab cd  ef", 9, D_USED_CHAR},
        KeyCase{"home", "ab cd  ef", 5, KEY_HOME, false, "ab cd  ef", 0, D_USED_CHAR},
        KeyCase{"end", "ab cd  ef", 2, KEY_END, false, "ab cd  ef", 9, D_USED_CHAR},
        KeyCase{"del", "ab cd  ef", 0, KEY_DEL, false, "b cd  ef", 0, D_USED_CHAR},
        KeyCase{"del_at_end", "ab cd  ef", 9, KEY_DEL, false, "ab cd  ef", 9, D_USED_CHAR},
        KeyCase{"backspace", "ab cd  ef", 3, KEY_BACKSPACE, false, "abcd  ef", 2, D_USED_CHAR},
        KeyCase{"backspace_at_start", "ab cd  ef", 0, KEY_BACKSPACE, false, "ab cd  ef", 0,
                D_USED_CHAR},
        KeyCase{"word_left_from_end", "ab cd  ef", 9, KEY_LEFT, true, "ab cd  ef", 7, D_USED_CHAR},
        KeyCase{"word_left_from_word_start", "ab cd  ef", 7, KEY_LEFT, true, "ab cd  ef", 3,
                D_USED_CHAR},
        KeyCase{"word_left_inside_word", "ab cd  ef", 4, KEY_LEFT, true, "ab cd  ef", 3,
                D_USED_CHAR},
        KeyCase{"word_left_after_word", "ab cd  ef", 6, KEY_LEFT, true, "ab cd  ef", 3,
                D_USED_CHAR},
        KeyCase{"word_left_to_start", "ab cd  ef", 3, KEY_LEFT, true, "ab cd  ef", 0, D_USED_CHAR},
        KeyCase{"word_left_leading_spaces", "  ab", 2, KEY_LEFT, true, "  ab", 0, D_USED_CHAR},
        KeyCase{"word_right_from_start", "ab cd  ef", 0, KEY_RIGHT, true, "ab cd  ef", 2,
                D_USED_CHAR},
        KeyCase{"word_right_over_spaces", "ab cd  ef", 5, KEY_RIGHT, true, "ab cd  ef", 9,
                D_USED_CHAR},
        KeyCase{"word_right_inside_word", "ab cd  ef", 3, KEY_RIGHT, true, "ab cd  ef", 5,
                D_USED_CHAR},
        KeyCase{"enter_without_exit", "ab", 1, KEY_ENTER, false, "ab", 1, D_O_K},
        KeyCase{"other_key", "ab", 1, KEY_A, false, "ab", 1, D_O_K}),
    CaseName());

TEST_F(EditTest, EnterClosesAnExitField)
{
   set_text("16", 2);
   field.flags = D_EXIT;
   EXPECT_EQ(key(KEY_ENTER), D_CLOSE);
   EXPECT_TRUE(redrawn());
}

TEST_F(EditTest, HoldsOnToTheFocus)
{
   set_text("16", 2);
   for (int msg : {MSG_KEY, MSG_WANTFOCUS, MSG_LOSTFOCUS})
      EXPECT_EQ(bevgui_edit_proc(msg, &field, 0), D_WANTFOCUS) << "message " << msg;
   EXPECT_EQ(bevgui_edit_proc(MSG_IDLE, &field, 0), D_O_K);
}

TEST_F(EditTest, CursorPastTheTextIsPulledBack)
{
   set_text("16", 7);
   key(KEY_LEFT);
   EXPECT_EQ(field.d2, 1);
   set_text("16", -4);
   key(KEY_RIGHT);
   EXPECT_EQ(field.d2, 1);
}

TEST_F(EditTest, FieldWithoutTextRefusesEverything)
{
   field.dp = nullptr;
   for (int msg : {MSG_START, MSG_DRAW, MSG_CLICK, MSG_CHAR, MSG_UCHAR})
      EXPECT_EQ(bevgui_edit_proc(msg, &field, 'a'), D_O_K);
}

TEST_F(EditTest, DrawsASunkenWhiteWell)
{
   set_text("", 0);
   bevgui_edit_proc(MSG_DRAW, &field, 0);
   // Outline three pixels out, ring four, white inside up to two pixels out.
   EXPECT_EQ(getpixel(canvas.get(), 147, 81), FG);
   EXPECT_EQ(getpixel(canvas.get(), 184, 94), FG);
   EXPECT_EQ(getpixel(canvas.get(), 146, 80), BG - 7);
   EXPECT_EQ(getpixel(canvas.get(), 185, 95), BG + 7);
   EXPECT_EQ(getpixel(canvas.get(), 148, 82), WHITE);
   EXPECT_EQ(getpixel(canvas.get(), 183, 93), WHITE);
}

struct WindowCase {
   const char *name;
   const char *text;
   int cursor;
   bool focused;
   bool disabled;
   const char *shown;  // as drawn from the field's left edge
};

using EditWindowTest = EditCaseTest<WindowCase>;

TEST_P(EditWindowTest, ShowsTheCharactersAroundTheCursor)
{
   const WindowCase &c = GetParam();
   set_long_text(c.text, c.cursor);
   field.flags = (c.focused ? D_GOTFOCUS : 0) | (c.disabled ? D_DISABLED : 0);
   bevgui_edit_proc(MSG_DRAW, &field, 0);

   BitmapPtr want = make_bitmap(32, 8, WHITE);
   textout_ex(want.get(), font, c.shown, 0, 0, c.disabled ? MG : FG, -1);
   EXPECT_TRUE(same_area(canvas.get(), 150, 84, want.get(), 0, 0, 32, 8));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditWindowTest,
    ::testing::Values(
        // Three digits and the underscore exactly fill 32 pixels: no scrolling.
        WindowCase{"fits_focused", "640", 3, true, false, "640_"},
        WindowCase{"fits_unfocused", "640", 3, false, false, "640"},
        // Only the cursor at the end hides the underscore of an unfocused field.
        WindowCase{"cursor_inside_unfocused", "640", 1, false, false, "640_"},
        WindowCase{"disabled", "640", 3, true, true, "640_"},
        WindowCase{"empty_focused", "", 0, true, false, "_"},
        WindowCase{"scrolled_to_end", "12345678", 8, true, false, "678_"},
        WindowCase{"scrolled_to_end_unfocused", "12345678", 8, false, false, "678"},
        WindowCase{"window_ends_at_cursor", "12345678", 4, true, false, "2345"},
        WindowCase{"cursor_within_first_width", "12345678", 3, true, false, "1234"},
        WindowCase{"cursor_at_start", "12345678", 0, true, false, "1234"}),
    CaseName());

TEST_F(EditTest, MovingLeftScrollsTheWindowWithTheCursor)
{
   set_long_text("12345678", 5);
   field.flags = D_GOTFOCUS;
   key(KEY_LEFT);
   BitmapPtr want = make_bitmap(32, 8, WHITE);
   textout_ex(want.get(), font, "2345", 0, 0, FG, -1);
   EXPECT_TRUE(same_area(canvas.get(), 150, 84, want.get(), 0, 0, 32, 8));
}

struct ClickCase {
   const char *name;
   const char *text;
   int cursor;
   int mouse_x;
   int cursor_after;
};

using EditClickTest = EditCaseTest<ClickCase>;

TEST_P(EditClickTest, PutsTheCursorBeforeTheCharacterClicked)
{
   const ClickCase &c = GetParam();
   set_long_text(c.text, c.cursor);
   script_mouse({{c.mouse_x, 86, 1}});
   gui_mouse_b();  // the press that brought the click
   EXPECT_EQ(bevgui_edit_proc(MSG_CLICK, &field, 0), D_O_K);
   EXPECT_EQ(field.d2, c.cursor_after);
   EXPECT_TRUE(redrawn());
}

// "12345678" with the cursor at 4 shows characters 1 to 4 from x 150.
INSTANTIATE_TEST_SUITE_P(
    Cases, EditClickTest,
    ::testing::Values(ClickCase{"on_first_visible", "12345678", 4, 157, 1},
                      ClickCase{"left_of_field", "12345678", 4, 100, 1},
                      ClickCase{"on_third_visible", "12345678", 4, 166, 3},
                      ClickCase{"right_of_window", "12345678", 4, 300, 4},
                      ClickCase{"unscrolled_start", "640", 3, 150, 0},
                      ClickCase{"unscrolled_second", "640", 0, 158, 1},
                      ClickCase{"unscrolled_past_text", "640", 0, 300, 3}),
    CaseName());

}  // namespace
