#include <allegro.h>

#include <gtest/gtest.h>

#include "aniview.h"
#include "filecmds.h"
#include "menus.h"
#include "spriteedit.h"

namespace {

bool disabled(const MENU &m) { return (m.flags & D_DISABLED) != 0; }

int checked_view()
{
    int found = -1;
    for (int i = 0; i < 4; ++i) {
        if (view_menu[i].flags & D_SELECTED) {
            EXPECT_EQ(found, -1) << "two views checked";
            found = i;
        }
    }
    return found;
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        my_sprite = zq_sprite_create();
        ASSERT_NE(my_sprite, nullptr);
        state = 0;
        selected_state = 0;
        view_menu_ani();
        for (int k = 0; k < KEY_MAX; ++k)
            key[k] = 0;
    }
    void TearDown() override
    {
        zq_sprite_destroy(my_sprite);
        my_sprite = nullptr;
        ap = nullptr;
        bp = nullptr;
    }
    void open_character() { ASSERT_EQ(char_new_character(16, 16), 1); }
};

TEST_F(ShellTest, StartRulesGreySaveAndTheEditingTitles)
{
    set_menu_start();
    EXPECT_TRUE(disabled(file_menu[2]));
    EXPECT_TRUE(disabled(ani_menu[1]));  // Edit
    EXPECT_TRUE(disabled(ani_menu[2]));  // View
    EXPECT_TRUE(disabled(ani_menu[3]));  // ANI
    EXPECT_FALSE(disabled(ani_menu[0]));
    EXPECT_FALSE(disabled(ani_menu[4]));
    EXPECT_FALSE(disabled(file_menu[0]));
    EXPECT_FALSE(disabled(file_menu[1]));
    EXPECT_FALSE(disabled(file_menu[4]));
    // No rule touches the admin File menu: its Save is always there.
    EXPECT_FALSE(disabled(admin_file_menu[2]));

    set_menu_loaded();
    EXPECT_FALSE(disabled(file_menu[2]));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(disabled(ani_menu[i])) << ani_menu[i].text;
    // Without a selection the selection commands stay greyed.
    for (int i : {0, 1, 4, 5, 6})
        EXPECT_TRUE(disabled(edit_menu[i])) << edit_menu[i].text;
}

TEST_F(ShellTest, MenuTextsAreExact)
{
    EXPECT_STREQ(ani_menu[0].text, "File");
    EXPECT_STREQ(ani_menu[4].text, "X");
    EXPECT_STREQ(file_menu[0].text, "New\tF4");
    EXPECT_STREQ(file_menu[4].text, "Exit\tEsc");
    EXPECT_STREQ(edit_menu[0].text, "Cut\tSh+Del");
    EXPECT_STREQ(ani_shift_menu[3].text, "Down\tShft+S");
    EXPECT_STREQ(speed_menu[0].text, "Decrease\t<");
    EXPECT_STREQ(frame_menu[8].text, "Shift");
    EXPECT_EQ(frame_menu[8].child, frame_shift_menu);
    EXPECT_EQ(pos_menu[3].text, nullptr);
}

TEST_F(ShellTest, AdminSwitchChangesBothFileMenus)
{
    MENU *ani_file = ani_menu[0].child, *pos_file = pos_menu[0].child;
    EXPECT_EQ(ani_file, file_menu);
    use_admin_file_menu();
    EXPECT_EQ(ani_menu[0].child, admin_file_menu);
    EXPECT_EQ(pos_menu[0].child, admin_file_menu);
    ani_menu[0].child = ani_file;
    pos_menu[0].child = pos_file;
}

TEST_F(ShellTest, TabWithoutCharacterIsIgnoredAndNotConsumed)
{
    key[KEY_TAB] = 1;
    global_control();
    EXPECT_EQ(state, 0);
    EXPECT_EQ(key[KEY_TAB], 1);
}

TEST_F(ShellTest, TabSwitchesBetweenTheDrawnViews)
{
    open_character();
    struct Case {
        int from, to;
    };
    for (const Case c : {Case{0, 1}, Case{1, 0}, Case{2, 0}, Case{3, 0}}) {
        state = c.from;
        key[KEY_TAB] = 1;
        global_control();
        EXPECT_EQ(state, c.to) << "from " << c.from;
        EXPECT_EQ(checked_view(), c.to);
        EXPECT_EQ(key[KEY_TAB], 0);
    }
}

TEST_F(ShellTest, EnteringLayoutResetsOnlyAnOutOfRangeSlot)
{
    open_character();
    struct Case {
        int slot, expected;
    };
    for (const Case c : {Case{15, 15}, Case{16, 0}, Case{99, 0}}) {
        selected_state = c.slot;
        state = 0;
        key[KEY_TAB] = 1;
        global_control();
        EXPECT_EQ(selected_state, c.expected);
        selected_state = c.slot;
        view_menu_pos();
        EXPECT_EQ(selected_state, c.expected);
    }
}

TEST_F(ShellTest, ViewCommandsCheckTheirOwnEntryAlone)
{
    int (*commands[])() = {view_menu_ani, view_menu_pos, view_menu_scratch, view_menu_sounds};
    for (int i : {2, 0, 3, 1}) {
        EXPECT_EQ(commands[i](), 1);
        EXPECT_EQ(state, i);
        EXPECT_EQ(checked_view(), i);
    }
}

TEST_F(ShellTest, NewCharacterFillsEverySlot)
{
    ASSERT_EQ(char_new_character(24, 32), 1);
    for (int i = 0; i < 16; ++i) {
        ANIMATION *a = my_sprite->ani[i];
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->w, 24);
        EXPECT_EQ(a->h, 32);
        EXPECT_EQ(a->f, 1);
        EXPECT_EQ(a->d, 1);
        EXPECT_EQ(my_sprite->cx[i], 0);
        EXPECT_EQ(my_sprite->cy[i], 0);
        EXPECT_EQ(my_sprite->cw[i], 24);
        EXPECT_EQ(my_sprite->ch[i], 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(getpixel(a->frames[0], x, y), 0);
    }
}

TEST_F(ShellTest, NewCharacterReplacesTheOldAnimationsSafely)
{
    open_character();
    ap = my_sprite->ani[3];
    bp = ap->frames[0];
    ani_sel_bp = bp;
    ASSERT_EQ(char_new_character(8, 8), 1);
    // Nothing may point into the animations that were just released.
    EXPECT_EQ(ap, nullptr);
    EXPECT_EQ(bp, nullptr);
    EXPECT_EQ(ani_sel_bp, nullptr);
    EXPECT_EQ(my_sprite->ani[3]->w, 8);
}

TEST_F(ShellTest, NewCharacterRefusesUnusableSizesAndKeepsTheOld)
{
    open_character();
    ANIMATION *before = my_sprite->ani[0];
    for (auto [w, h] : {std::pair{0, 16}, {16, 0}, {-5, 16}, {ANI_MAX_SIDE + 1, 16}}) {
        EXPECT_EQ(char_new_character(w, h), 0);
        EXPECT_EQ(my_sprite->ani[0], before);
    }
}

} // namespace
