// The peg table, the box mirrors and the copying of boxes between slots.
#include <climits>

#include "layout_fixture.h"

namespace {

using PegTest = LayoutTest;

TEST_F(PegTest, PegItemBindsTheSelectedSlotsCorners)
{
    set_box(5, {2, 3, 10, 6});
    selected_state = 5;
    pegged = 1;
    peg_item();
    EXPECT_EQ(my_sprite_cr[5], 11);
    EXPECT_EQ(my_sprite_cb[5], 8);
    // Each handle is centred on its corner, which the view draws at + 32.
    EXPECT_EQ(peg[0].x, 32);
    EXPECT_EQ(peg[0].y, 33);
    EXPECT_EQ(peg[1].x, 41);
    EXPECT_EQ(peg[1].y, 38);
    EXPECT_EQ(peg[0].xp, &my_sprite->cx[5]);
    EXPECT_EQ(peg[1].yp, &my_sprite_cb[5]);
    for (int i = 0; i < PEG_MAX; ++i)
        EXPECT_EQ(peg[i].used != 0, i < 2) << i;
    EXPECT_EQ(peg[1].w, 5);
    EXPECT_EQ(peg[1].h, 5);
    EXPECT_EQ(pegged, -1);
}

TEST_F(PegTest, AddPegTakesTheLowestFreeEntryAndRefusesWhenFull)
{
    int a = 7, b = -4;
    EXPECT_EQ(add_peg(&a, &b, 1, 2), 0);
    EXPECT_EQ(peg[0].x, 38);
    EXPECT_EQ(peg[0].y, 28);
    EXPECT_EQ(add_peg(&a, &b, 0, 0), 1);
    peg[0].used = 0;
    EXPECT_EQ(add_peg(&b, &a, 0, 0), 0);
    for (int i = 2; i < PEG_MAX; ++i)
        ASSERT_EQ(add_peg(&a, &b, 0, 0), i);
    const PEG before = peg[PEG_MAX - 1];
    EXPECT_EQ(add_peg(&b, &b, 9, 9), -1);
    EXPECT_EQ(peg[PEG_MAX - 1].x, before.x);
    EXPECT_EQ(peg[PEG_MAX - 1].xp, before.xp);
    // A null binding is placed as if its value were 0.
    clear_pegs();
    EXPECT_EQ(add_peg(nullptr, &a, 0, 0), 0);
    EXPECT_EQ(peg[0].x, 30);
    EXPECT_EQ(peg[0].xp, nullptr);
}

TEST_F(PegTest, MirrorsRoundTripAndWrapOnHugeBoxesFromFiles)
{
    struct Case {
        Box b;
        int cr, cb;
    } cases[] = {
        {{0, 0, 16, 16}, 15, 15},
        {{-3, 4, 0, -2}, -4, 1},
        {{INT_MAX, INT_MIN, INT_MAX, 1}, -3, INT_MIN},
        {{INT_MIN, 0, INT_MIN, INT_MIN}, -1, INT_MAX},
    };
    for (const Case &c : cases) {
        set_box(3, c.b);
        cw2cr(3);
        EXPECT_EQ(my_sprite_cr[3], c.cr) << c.b;
        EXPECT_EQ(my_sprite_cb[3], c.cb) << c.b;
        my_sprite->cw[3] = my_sprite->ch[3] = 12345;
        cr2cw(3);
        EXPECT_EQ(box(3), c.b);
    }
    // Slots outside the record are ignored, not written.
    cw2cr(16);
    cr2cw(-1);
}

TEST_F(PegTest, UpdateTablesCopiesUnlessLeftCtrlIsHeld)
{
    struct Case {
        int held_key;
        bool copies;
    } cases[] = {{0, true}, {KEY_LCONTROL, false}, {KEY_RCONTROL, true}};
    for (const Case &c : cases) {
        set_box(-1, {0, 0, 16, 16});
        set_box(9, {1, 2, 3, 4});
        selected_state = 9;
        if (c.held_key)
            key[c.held_key] = 1;
        update_tables();
        key[c.held_key] = 0;
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(box(i), (c.copies || i == 9 ? Box{1, 2, 3, 4} : Box{0, 0, 16, 16}))
                << "key " << c.held_key << " slot " << i;
    }
}

TEST_F(PegTest, OnlyTheInnerThreeByThreeOfAHandleCatchesThePointer)
{
    set_box(0, {10, 10, 12, 12});
    peg_item();
    const int x = peg[0].x, y = peg[0].y;
    for (int dy = -1; dy <= 5; ++dy) {
        for (int dx = -1; dx <= 5; ++dx) {
            const bool inner = dx >= 1 && dx <= 3 && dy >= 1 && dy <= 3;
            EXPECT_EQ(peg_at(x + dx, y + dy), inner ? 0 : -1) << dx << "," << dy;
        }
    }
    EXPECT_EQ(peg_at(peg_cx(1), peg_cy(1)), 1);
    peg[1].used = 0;
    EXPECT_EQ(peg_at(peg_cx(1), peg_cy(1)), -1);
}

TEST_F(PegTest, AOneByOneBoxStacksThePegsAndPegZeroWins)
{
    set_box(0, {4, 4, 1, 1});
    peg_item();
    EXPECT_EQ(peg[0].x, peg[1].x);
    EXPECT_EQ(peg[0].y, peg[1].y);
    EXPECT_EQ(peg_at(peg_cx(0), peg_cy(0)), 0);
}

TEST_F(PegTest, PegItemWithoutARecordLeavesNoPeg)
{
    ZQ_SPRITE *open = my_sprite;
    my_sprite = nullptr;
    peg_item();
    EXPECT_EQ(peg[0].used, 0);
    EXPECT_EQ(peg_at(32, 32), -1);
    my_sprite = open;
}

} // namespace
