// One logic step at a time: menu bar, slot stepping, catching and dragging.
#include <string>
#include <vector>

#include "layout_fixture.h"

namespace {

using ControlTest = LayoutTest;

// One step of a scripted drag, relative to where the pointer started.
struct Move {
    int dx, dy;
    int b;         // mouse buttons
    bool lctrl;    // Left Ctrl held during this step
};

struct DragCase {
    std::string name;
    int peg;                    // the peg the pointer starts on
    std::vector<Move> moves;
    Box selected;               // box of the selected slot afterwards
    Box others;                 // box of every other slot afterwards
};

const Box start_box{4, 5, 10, 8};

class DragTest : public LayoutTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragTest, MovesTheRightCornerOfTheRightSlots)
{
    const DragCase &c = GetParam();
    set_box(-1, start_box);
    selected_state = 6;
    peg_item();
    const int x = peg_cx(c.peg), y = peg_cy(c.peg);
    for (const Move &m : c.moves) {
        key[KEY_LCONTROL] = m.lctrl;
        step(x + m.dx, y + m.dy, m.b);
    }
    key[KEY_LCONTROL] = 0;
    EXPECT_EQ(box(6), c.selected);
    for (int i = 0; i < 16; ++i) {
        if (i == 6)
            continue;
        EXPECT_EQ(box(i), c.others) << "slot " << i;
    }
    EXPECT_EQ(pegged, -1) << "the drag did not end on release";
    EXPECT_EQ(need_to_save, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, DragTest,
    ::testing::Values(
        DragCase{"TopLeftThreeRightTwoDown", 0,
                 {{0, 0, 1, false}, {3, 2, 1, false}, {3, 2, 0, false}},
                 {7, 7, 7, 6}, {7, 7, 7, 6}},
        DragCase{"BottomRightChangesOnlySize", 1,
                 {{0, 0, 1, false}, {5, -3, 1, false}, {5, -3, 0, false}},
                 {4, 5, 15, 5}, {4, 5, 15, 5}},
        DragCase{"LeftCtrlKeepsItToTheSelectedSlot", 1,
                 {{0, 0, 1, true}, {2, 2, 1, true}, {2, 2, 0, true}},
                 {4, 5, 12, 10}, start_box},
        DragCase{"LeftCtrlHalfWayStopsTheCopying", 1,
                 {{0, 0, 1, false}, {1, 0, 1, false}, {4, 0, 1, true}, {4, 0, 0, false}},
                 {4, 5, 14, 8}, {4, 5, 11, 8}},
        DragCase{"TopLeftPastTheBottomRightGivesNegativeSize", 0,
                 {{0, 0, 1, false}, {12, 9, 1, false}, {12, 9, 0, false}},
                 {16, 14, -2, -1}, {16, 14, -2, -1}},
        DragCase{"PastTheViewEdgeGivesNegativeCoordinates", 0,
                 {{0, 0, 1, false}, {-40, -50, 1, false}, {0, 0, 0, false}},
                 {-36, -45, 50, 58}, {-36, -45, 50, 58}},
        // Catching alone changes no value, but copies the box to every slot.
        DragCase{"HoldingWithoutMovingStillCopies", 0,
                 {{0, 0, 1, false}, {0, 0, 1, false}, {0, 0, 0, false}},
                 start_box, start_box}),
    [](const ::testing::TestParamInfo<DragCase> &info) { return info.param.name; });

TEST_F(ControlTest, RightCtrlStillCopies)
{
    set_box(-1, start_box);
    set_box(3, {0, 0, 8, 8});
    selected_state = 3;
    peg_item();
    key[KEY_RCONTROL] = 1;
    step(peg_cx(1), peg_cy(1), 1);
    step(peg_cx(1) + 1, peg_cy(1), 1);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(box(i), (Box{0, 0, 9, 8})) << i;
}

TEST_F(ControlTest, TheGrabOffsetKeepsTheBoxFromJumping)
{
    set_box(-1, start_box);
    peg_item();
    // Caught on its inner top-left pixel, not its centre.
    const int x = peg[0].x + 1, y = peg[0].y + 1;
    step(x, y, 1);
    EXPECT_EQ(pegged, 0);
    EXPECT_EQ(pox, 1);
    EXPECT_EQ(poy, 1);
    step(x, y, 1);
    EXPECT_EQ(box(0), start_box);
    step(x + 2, y, 1);
    EXPECT_EQ(box(0), (Box{6, 5, 8, 8}));
    EXPECT_EQ(peg[0].x, x + 1);
}

TEST_F(ControlTest, AButtonHeldElsewhereCatchesAPegItMovesOnto)
{
    set_box(-1, start_box);
    peg_item();
    step(200, 200, 1);
    EXPECT_EQ(pegged, -1);
    step(peg_cx(1), peg_cy(1), 1);
    EXPECT_EQ(pegged, 1);
    EXPECT_EQ(need_to_save, 0) << "catching is not yet an edit";
}

TEST_F(ControlTest, AfterReleaseMovingChangesNothing)
{
    set_box(-1, start_box);
    peg_item();
    step(peg_cx(1), peg_cy(1), 1);
    step(peg_cx(1), peg_cy(1), 0);
    step(peg_cx(1) + 5, peg_cy(1) + 5, 0);
    EXPECT_EQ(box(0), start_box);
    EXPECT_EQ(pegged, -1);
}

TEST_F(ControlTest, LeftAndRightStepAndWrapTheSlotAndRebindThePegs)
{
    struct Case {
        int from, k, to;
    } cases[] = {{0, KEY_LEFT, 15}, {15, KEY_RIGHT, 0}, {7, KEY_LEFT, 6}, {7, KEY_RIGHT, 8}};
    for (const Case &c : cases) {
        set_box(c.to, {c.to, 1, 3, 2});
        selected_state = c.from;
        peg_item();
        key[c.k] = 1;
        step(200, 200, 0);
        EXPECT_EQ(selected_state, c.to);
        EXPECT_EQ(key[c.k], 0);
        EXPECT_EQ(peg[0].xp, &my_sprite->cx[c.to]);
        EXPECT_EQ(my_sprite_cr[c.to], c.to + 2);
        EXPECT_EQ(peg[1].x, c.to + 2 + 30);
    }
}

TEST_F(ControlTest, ASlotChangeEndsADrag)
{
    set_box(-1, start_box);
    peg_item();
    step(peg_cx(1), peg_cy(1), 1);
    ASSERT_EQ(pegged, 1);
    key[KEY_RIGHT] = 1;
    step(200, 200, 1);
    EXPECT_EQ(pegged, -1);
    EXPECT_EQ(box(0), start_box);
}

TEST_F(ControlTest, EnterRereadsABoxChangedBehindThePegs)
{
    set_box(-1, start_box);
    step(200, 200, 0);  // the first step builds the pegs
    ASSERT_EQ(peg[0].used, 1);
    set_box(0, {1, 1, 2, 2});
    EXPECT_EQ(peg[1].x, 4 + 10 - 1 + 30);
    key[KEY_ENTER] = 1;
    step(200, 200, 0);
    EXPECT_EQ(key[KEY_ENTER], 0);
    EXPECT_EQ(peg[0].x, 31);
    EXPECT_EQ(peg[1].x, 32);
    EXPECT_EQ(my_sprite_cb[0], 2);
}

TEST_F(ControlTest, PegsFollowASlotChosenInAnotherView)
{
    // Slot stepped in the Animation view, then Scratch chosen: the pegs
    // were never rebound, yet a drag must edit the selected slot's box.
    set_box(-1, start_box);
    set_box(4, {0, 0, 8, 8});
    peg_item();
    state = 2;
    selected_state = 4;
    step(200, 200, 0);
    EXPECT_EQ(peg[0].xp, &my_sprite->cx[4]);
    key[KEY_LCONTROL] = 1;
    step(peg_cx(1), peg_cy(1), 1);
    step(peg_cx(1) + 1, peg_cy(1) + 1, 1);
    EXPECT_EQ(box(4), (Box{0, 0, 9, 9}));
    EXPECT_EQ(box(0), start_box);
}

TEST_F(ControlTest, PegsFollowAReplacedRecord)
{
    set_box(-1, start_box);
    peg_item();
    SpritePtr old(my_sprite);
    my_sprite = zq_sprite_create();
    my_sprite->cw[0] = my_sprite->ch[0] = 4;
    old.reset();  // the pegs' pointers now dangle
    step(200, 200, 0);
    step(peg_cx(1), peg_cy(1), 1);
    step(peg_cx(1) + 2, peg_cy(1), 1);
    EXPECT_EQ(my_sprite->cw[0], 6);
}

TEST_F(ControlTest, TheMenuBarOpensOnMOrInTheTopLeftCornerWithTheButtonUp)
{
    struct Case {
        int x, y, b;
        bool key_m, opens;
    } cases[] = {
        {0, 0, 0, false, true},   {-3, -1, 2, false, true}, {0, 0, 1, false, false},
        {1, 0, 0, false, false},  {0, 1, 0, false, false},  {150, 90, 1, true, true},
    };
    for (const Case &c : cases) {
        my_mouse_x = c.x;
        my_mouse_y = c.y;
        my_mouse_b = c.b;
        key[KEY_M] = c.key_m;
        EXPECT_EQ(pos_menu_wanted(), c.opens) << c.x << "," << c.y << " b" << c.b;
    }
    key[KEY_M] = 0;
}

} // namespace
